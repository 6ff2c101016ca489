// The File menu: start a new database, open a data file into the store, save it back (keeping
// the file's previous bytes once per session), save it under a new name.
#include "editor_dlg.h"

#include "controls.h"
#include "list_tools.h"
#include "prompt.h"
#include "status_text.h"
#include "wait_cursor.h"

#include <QFileInfo>
#include <QUndoStack>

namespace {

// The second line of the read error: why, in the user's words where the store knows the kind.
QString ReadFailureText(const CChannelStore& store) {
    switch (store.GetReadFailure()) {
    case EReadFailure::NoSuchFile:
        return QStringLiteral("No such file");
    case EReadFailure::PermissionDenied:
        return QStringLiteral("Permission denied");
    case EReadFailure::Empty:
        return QStringLiteral("The file is empty");
    case EReadFailure::NotDataFile:
        return QStringLiteral("Not a data file of the box");
    default:
        break;
    }
    const QString reason = QString::fromStdString(store.GetLastFileError());
    return reason.left(1).toUpper() + reason.mid(1);
}

} // namespace

// An empty database without a file name: the tree offers its first satellite, Save asks for a
// name.
void CEditorDlg::OnFileNew() {
    if (!AskToSaveChanges())
        return;
    m_pStore = std::make_unique<CChannelStore>();
    m_pUndoStack->clear();
    ClearAllViews();
    RefreshAllViews();
    EnableDataMenus(TRUE);
    ShowTabView(m_pTab->currentIndex());
    ShowStatus(QString()); // the old database's last action is no longer this one's
}

void CEditorDlg::OnFileOpen() {
    if (!AskToSaveChanges())
        return;
    const QString path = m_prompt.GetOpenFileName(PathName(), QString::fromLatin1(kDataFileFilter));
    if (!path.isEmpty())
        OpenDataFile(path);
}

// Everything Open does once a file is chosen; also how a file named at start-up is opened.
void CEditorDlg::OpenDataFile(const QString& path) {
    m_pStore->SetPathName(path.toStdString());
    m_pUndoStack->clear();
    ClearAllViews();
    CWaitCursor wait;
    EnableDataMenus(FALSE);
    if (m_pStore->ReadDataFile()) {
        ShowTabView(m_pTab->currentIndex());
        RefreshAllViews();
        wait.Restore();
        EnableDataMenus(TRUE);
        ShowStatus(StatusText(EStatus::Opened, DocumentName()));
        ReportDroppedRecords(QStringLiteral("the data file \"%1\"").arg(path));
        return;
    }
    wait.Restore();
    m_prompt.MessageBox(QStringLiteral("[Error] Can't read the data file \"%1\"\n%2")
                            .arg(path, ReadFailureText(*m_pStore)));
    m_pStore->SetPathName(std::string());
}

void CEditorDlg::OnFileSave() {
    SaveFile();
}

void CEditorDlg::OnFileSaveAs() {
    SaveFileAs();
}

bool CEditorDlg::SaveFile(bool bAskFirst) {
    if (m_pStore->GetPathName().empty())
        return SaveFileAs();
    if (bAskFirst && m_prompt.MessageBox(QStringLiteral("Write to existing file ?\n\n"),
                                         QStringLiteral("File Save"), MB_OKCANCEL) != IDOK)
        return false;
    return WriteDocument(QStringLiteral("[Error] Can't write the data file\n \"") + PathName() +
                         QStringLiteral("\"\n\n"));
}

bool CEditorDlg::SaveFileAs() {
    QString path = m_prompt.GetSaveFileName(PathName(), QString::fromLatin1(kDataFileFilter));
    if (path.isEmpty())
        return false;
    if (!path.contains(u'.'))
        path += QStringLiteral(".zdf");
    m_pStore->SetPathName(path.toStdString());
    UpdateTitle();
    return WriteDocument(QStringLiteral("[Error] Can't write the data file \n\"") + path +
                         QStringLiteral("\"\n\n"));
}

// A saved database is the undo history's clean state: the title loses its modified mark.
bool CEditorDlg::WriteDocument(const QString& failure) {
    if (!KeepBackup())
        return false;
    if (!WriteWithWaitCursor()) {
        m_prompt.MessageBox(failure);
        return false;
    }
    m_pUndoStack->setClean();
    ShowStatus(StatusText(EStatus::Saved, DocumentName()));
    return true;
}

// The first save over a file in this session keeps what the file held as "<file>.bak"; a file
// that cannot be backed up is not overwritten.
bool CEditorDlg::KeepBackup() {
    const std::string path = m_pStore->GetPathName();
    if (m_backedUp.contains(path) || !QFileInfo::exists(PathName()))
        return true;
    if (!m_pStore->BackupDataFile()) {
        m_prompt.MessageBox(QStringLiteral("[Error] Can't write the backup file\n \"%1.bak\"\n"
                                           "The data file is not saved.\n\n")
                                .arg(PathName()));
        return false;
    }
    m_backedUp.insert(path);
    return true;
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

QString CEditorDlg::DocumentName() const {
    const QString path = m_pStore != nullptr ? PathName() : QString();
    return path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path).fileName();
}
