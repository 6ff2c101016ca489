// CConvTpListDlg: asks before the firmware's satellite / transponder table is written, and
// writes it on OK. The window hands it the store's tables and counts.
#pragma once

#include "records.h"

#include <QDialog>

class CPrompt;

class CConvTpListDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CConvTpListDlg(CPrompt& prompt, QWidget* parent = nullptr);

    void SetSatTable(const SSAT_INFO* pSatTable) { m_pSatTable = pSatTable; }
    void SetTpLists(const TP_LIST* pTpLists) { m_pTpLists = pTpLists; }
    void SetSatCount(WORD nSatCount) { m_nSatCount = nSatCount; }
    void SetTpCount(WORD nTpCount) { m_nTpCount = nTpCount; }

    // Where OK writes the table: tp_mora.h in the user's home directory, the one place that is
    // always there and writable, as the root of drive C was.
    static QString OutputPath();

  public slots:
    // OK: writes the file, then closes as accepted whether or not the file could be written.
    void accept() override;

  private:
    void OnOK();
    // FALSE, with the reason in `error`, when the file could not be written whole.
    BOOL WriteTableFile(QString& error) const;

    CPrompt& m_prompt;
    const SSAT_INFO* m_pSatTable = nullptr;
    const TP_LIST* m_pTpLists = nullptr;
    WORD m_nSatCount = 0;
    WORD m_nTpCount = 0; // the total, for the record: the writer walks the chains
};
