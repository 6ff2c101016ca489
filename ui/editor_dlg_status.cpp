// The status line under the controls: the database's file, the four lists' counts and what the
// last action did.
#include "editor_dlg.h"

#include "status_text.h"

#include <QLabel>
#include <QStatusBar>

void CEditorDlg::CreateStatusLine() {
    m_pStatus = new QStatusBar(this);
    m_pStatus->setSizeGripEnabled(false);
    m_pStatusFile = new QLabel(m_pStatus);
    m_pStatusCounts = new QLabel(m_pStatus);
    m_pStatusAction = new QLabel(m_pStatus);
    m_pStatus->addWidget(m_pStatusFile);
    m_pStatus->addWidget(m_pStatusCounts);
    m_pStatus->addWidget(m_pStatusAction, 1);
}

// Without a database the line is empty.
void CEditorDlg::UpdateStatusLine() {
    const bool bShow = m_bHasData && m_pStore != nullptr;
    m_pStatusFile->setText(bShow ? DocumentName() : QString());
    m_pStatusCounts->setText(bShow ? StatusCounts(m_pStore->GetServiceCount(LIST_SAT_TV),
                                                  m_pStore->GetServiceCount(LIST_SAT_RADIO),
                                                  m_pStore->GetServiceCount(LIST_TERR_TV),
                                                  m_pStore->GetServiceCount(LIST_TERR_RADIO))
                                   : QString());
    if (!bShow)
        m_pStatusAction->clear();
}

void CEditorDlg::ShowStatus(const QString& text) {
    m_pStatusAction->setText(text);
}

QString CEditorDlg::StatusFields() const {
    return QStringList{m_pStatusFile->text(), m_pStatusCounts->text(), m_pStatusAction->text()}
        .join(QStringLiteral(" | "));
}
