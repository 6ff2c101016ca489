// The File menu: open a data file into the store, save it back, save it under a new name.
#include "editor_dlg.h"

#include "controls.h"
#include "prompt.h"
#include "wait_cursor.h"

namespace {

const char* const kDataFileFilter = "Data Files (*.zdf)|*.zdf|All Files (*.*)|*.*||";

} // namespace

void CEditorDlg::OnFileOpen() {
    const QString path = m_prompt.GetOpenFileName(PathName(), QString::fromLatin1(kDataFileFilter));
    if (!path.isEmpty())
        OpenDataFile(path);
}

// Everything Open does once a file is chosen; also how a file named at start-up is opened.
void CEditorDlg::OpenDataFile(const QString& path) {
    m_pStore->SetPathName(path.toStdString());
    ClearAllViews();
    CWaitCursor wait;
    EnableDataMenus(FALSE);
    if (m_pStore->ReadDataFile()) {
        ShowTabView(m_pTab->currentIndex());
        RefreshAllViews();
        wait.Restore();
        EnableDataMenus(TRUE);
        ReportDroppedRecords(QStringLiteral("the data file \"%1\"").arg(path));
        return;
    }
    wait.Restore();
    m_prompt.MessageBox(QStringLiteral("[Error] Can't read the data file \"%1\"").arg(path));
    m_pStore->SetPathName(std::string());
}

void CEditorDlg::OnFileSave() {
    if (m_pStore->GetPathName().empty()) {
        OnFileSaveAs();
        return;
    }
    if (m_prompt.MessageBox(QStringLiteral("Write to existing file ?\n\n"),
                            QStringLiteral("File Save"), MB_OKCANCEL) != IDOK)
        return;
    if (!WriteWithWaitCursor())
        m_prompt.MessageBox(QStringLiteral("[Error] Can't write the data file\n \"") + PathName() +
                            QStringLiteral("\"\n\n"));
}

void CEditorDlg::OnFileSaveAs() {
    QString path = m_prompt.GetSaveFileName(PathName(), QString::fromLatin1(kDataFileFilter));
    if (path.isEmpty())
        return;
    if (!path.contains(u'.'))
        path += QStringLiteral(".zdf");
    m_pStore->SetPathName(path.toStdString());
    if (!WriteWithWaitCursor())
        m_prompt.MessageBox(QStringLiteral("[Error] Can't write the data file \n\"") + path +
                            QStringLiteral("\"\n\n"));
}

BOOL CEditorDlg::WriteWithWaitCursor() {
    CWaitCursor wait;
    return m_pStore->WriteDataFile();
}

// One message for everything the read dropped. A satellite block that is rejected as a whole
// opens as an empty database without a word, as it always has.
void CEditorDlg::ReportDroppedRecords(const QString& source) {
    QStringList lines;
    for (const SReadFinding& finding : m_pStore->GetReadFindings()) {
        if (!finding.RejectsImage())
            lines << QString::fromStdString(ReadFindingText(finding));
    }
    if (!lines.isEmpty())
        m_prompt.MessageBox(
            QStringLiteral("[Warning] Part of %1 could not be read and was dropped:\n\n%2\n\n"
                           "Nothing is written until you save.")
                .arg(source, lines.join(u'\n')));
}

QString CEditorDlg::PathName() const {
    return QString::fromStdString(m_pStore->GetPathName());
}
