// CTransferCommands: the Transfer menu. STB->PC puts the box's channel lists in place of the
// document's as one undo step; PC->STB sends the document's. Both run the transfer dialog on the
// port the last transfer used. Also the firmware table export (command 32807), whose menu entry
// is gone.
#pragma once

#include "transfer_protocol.h"

#include <QObject>

class CDocument;
class CFileCommands;
class CPrompt;
class CTransferDlg;
class QWidget;

class CTransferCommands : public QObject {
    Q_OBJECT

  public:
    CTransferCommands(CDocument& document, CPrompt& prompt, CFileCommands& files, QWidget& owner);

    void StbToPc();
    void PcToStb();
    void ConvTpList();

  signals:
    void Status(const QString& text);

  private:
    void LoadReceivedImage(const std::vector<BYTE>& image);
    void RunTransferDialog(CTransferDlg& dlg);

    CDocument& m_document;
    CPrompt& m_prompt;
    CFileCommands& m_files;
    QWidget& m_owner;
    BYTE m_nTransferPort = 0; // the COM port of the last transfer, 0 for COM1
    // What a box announced holds for every later transfer of the program's run.
    STransferSettings m_transferSettings;
};
