#include "file_commands.h"

#include "document.h"
#include "file_dialogs.h"
#include "list_tools.h"
#include "prompt.h"
#include "settings.h"
#include "status_text.h"
#include "wait_cursor.h"

#include <QFileInfo>
#include <QStringList>

namespace {

// The second line of the read error: why, in the user's words where the store knows the kind.
QString ReadFailureText(const CDocument& document) {
    switch (document.LastReadFailure()) {
    case EReadFailure::NoSuchFile:
        return CFileCommands::tr("No such file");
    case EReadFailure::PermissionDenied:
        return CFileCommands::tr("Permission denied");
    case EReadFailure::Empty:
        return CFileCommands::tr("The file is empty");
    case EReadFailure::NotDataFile:
        return CFileCommands::tr("Not a data file of the box");
    default:
        break;
    }
    const QString reason = document.LastFileError();
    return reason.left(1).toUpper() + reason.mid(1);
}

QString ReadErrorText(const QString& path, const QString& why) {
    return CFileCommands::tr("[Error] Can't read the data file \"%1\"\n%2").arg(path, why);
}

} // namespace

CFileCommands::CFileCommands(CDocument& document, CPrompt& prompt, CFileDialogs& dialogs,
                             CSettings& settings, QObject* parent)
    : QObject(parent), m_document(document), m_prompt(prompt), m_dialogs(dialogs),
      m_settings(settings) {}

// An empty database without a file name: the tree offers its first satellite, Save asks for a
// name.
void CFileCommands::New() {
    if (!AskToSaveChanges())
        return;
    m_document.New();
    emit Status(QString()); // the old database's last action is no longer this one's
}

void CFileCommands::Open() {
    if (!AskToSaveChanges())
        return;
    const QString path =
        m_dialogs.Open(QStringLiteral("open"), m_document.PathName(), ToolText(kDataFileFilter));
    if (!path.isEmpty())
        OpenDataFile(path);
}

// A file that has gone is taken off before anything is asked.
void CFileCommands::OpenRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        m_prompt.MessageBox(ReadErrorText(path, tr("No such file")));
        m_settings.RemoveRecentFile(path);
        emit RecentFilesChanged();
        return;
    }
    if (AskToSaveChanges())
        OpenDataFile(path);
}

void CFileCommands::OpenDataFile(const QString& path) {
    CWaitCursor wait;
    if (m_document.Open(path)) {
        wait.Restore();
        AddRecentFile();
        emit Status(StatusText(EStatus::Opened, m_document.DocumentName()));
        ReportDroppedRecords(tr("the data file \"%1\"").arg(path));
        return;
    }
    wait.Restore();
    m_prompt.MessageBox(ReadErrorText(path, ReadFailureText(m_document)));
}

// Kept by its absolute path: the program may have been started in another folder.
void CFileCommands::AddRecentFile() {
    m_settings.AddRecentFile(QFileInfo(m_document.PathName()).absoluteFilePath());
    emit RecentFilesChanged();
}

bool CFileCommands::Save() {
    if (m_document.PathName().isEmpty())
        return SaveAs();
    if (m_prompt.MessageBox(tr("Write to existing file ?\n\n"), tr("File Save"), MB_OKCANCEL) !=
        IDOK)
        return false;
    return SaveInPlace();
}

bool CFileCommands::SaveInPlace() {
    return Write(QString(),
                 tr("[Error] Can't write the data file\n \"%1\"\n\n").arg(m_document.PathName()));
}

bool CFileCommands::SaveAs() {
    QString path =
        m_dialogs.Save(QStringLiteral("save_as"), m_document.PathName(), ToolText(kDataFileFilter));
    if (path.isEmpty())
        return false;
    if (!path.contains(u'.'))
        path += QStringLiteral(".zdf");
    return Write(path, tr("[Error] Can't write the data file \n\"%1\"\n\n").arg(path));
}

// A saved database is the undo history's clean state: the title loses its modified mark. A file
// that cannot be backed up is not overwritten.
bool CFileCommands::Write(const QString& newPath, const QString& failure) {
    CWaitCursor wait;
    const CDocument::ESave result =
        newPath.isEmpty() ? m_document.Save() : m_document.SaveAs(newPath);
    wait.Restore();
    switch (result) {
    case CDocument::ESave::Saved:
        if (!newPath.isEmpty())
            AddRecentFile();
        emit Status(StatusText(EStatus::Saved, m_document.DocumentName()));
        return true;
    case CDocument::ESave::BackupFailed:
        m_prompt.MessageBox(tr("[Error] Can't write the backup file\n \"%1.bak\"\n"
                               "The data file is not saved.\n\n")
                                .arg(m_document.PathName()));
        return false;
    case CDocument::ESave::WriteFailed:
        m_prompt.MessageBox(failure);
        return false;
    }
    return false;
}

bool CFileCommands::AskToSaveChanges() {
    if (!m_document.IsModified())
        return true;
    switch (m_prompt.MessageBox(tr("Save changes to %1?").arg(m_document.DocumentName()), QString(),
                                MB_SAVEDISCARDCANCEL | MB_ICONWARNING)) {
    case IDSAVE:
        // The user has answered: the file is written without asking again.
        return m_document.PathName().isEmpty() ? SaveAs() : SaveInPlace();
    case IDDISCARD:
        return true;
    default:
        return false;
    }
}

// One message for everything the read dropped. A satellite block that is rejected as a whole
// opens as an empty database without a word, as it always has.
void CFileCommands::ReportDroppedRecords(const QString& source) {
    QStringList lines;
    for (const SReadFinding& finding : m_document.ReadFindings()) {
        if (!finding.RejectsImage())
            lines << QString::fromStdString(ReadFindingText(finding));
    }
    if (!lines.isEmpty())
        m_prompt.MessageBox(tr("[Warning] Part of %1 could not be read and was dropped:\n\n%2\n\n"
                               "Nothing is written until you save.")
                                .arg(source, lines.join(u'\n')));
}
