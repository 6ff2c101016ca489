// CTransferCommands: the Transfer menu. STB->PC puts the box's channel lists in place of the
// document's as one undo step; PC->STB sends the document's. Both run the transfer dialog on the
// port the last transfer connected to, in this run or an earlier one. Also the firmware table
// export (command 32807), whose menu entry is gone.
#pragma once

#include "transfer_protocol.h"

#include <QObject>

class CDocument;
class CFileCommands;
class CPrompt;
class CSettings;
class CTransferDlg;
class QWidget;

class CTransferCommands : public QObject {
    Q_OBJECT

  public:
    CTransferCommands(CDocument& document, CPrompt& prompt, CFileCommands& files,
                      CSettings& settings, QWidget& owner);

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
    CSettings& m_settings;
    QWidget& m_owner;
    // What a box announced holds for every later transfer of the program's run.
    STransferSettings m_transferSettings;
};
