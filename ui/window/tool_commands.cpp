#include "tool_commands.h"

#include "document.h"
#include "duplicates.h"
#include "edit_command.h"
#include "file_dialogs.h"
#include "import_transponders_dlg.h"
#include "list_compare.h"
#include "list_tool_dialogs.h"
#include "list_tools.h"
#include "prompt.h"
#include "service_csv.h"
#include "status_text.h"
#include "table_edit_dlgs.h"
#include "wait_cursor.h"

#include <QDir>
#include <QFileInfo>

namespace {

void ShowFileError(CPrompt& prompt, const std::string& error) {
    prompt.MessageBox(ToolText(list_tools::kFileError).arg(QString::fromStdString(error)));
}

QString FileName(const QString& path) {
    return QFileInfo(path).fileName();
}

// Where the CSV dialogs start: beside the data file, under its name.
QString CsvBeside(const QString& dataPath) {
    if (dataPath.isEmpty())
        return dataPath;
    const QFileInfo info(dataPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".csv"));
}

// False after telling the user why the file cannot be a reference; nothing has changed.
bool ReadReferenceFile(CPrompt& prompt, const CNameCodec& names, const QString& path, bool bCsv,
                       SReference& reference) {
    std::string error;
    CWaitCursor wait;
    if (ReadReference(path.toStdString(), bCsv, names, reference, error))
        return true;
    wait.Restore();
    ShowFileError(prompt, error);
    return false;
}

// A list tool's change as one undo step; a pending Cut is forgotten (the store's reorders and
// deletes clear the marks).
void ChangeLists(CDocument& document, const std::function<void(CChannelStore&)>& change,
                 const QString& text) {
    document.Edit(
        [&](CChannelStore& store) {
            change(store);
            document.EndCut();
        },
        [&] { return text; });
}

} // namespace

CToolCommands::CToolCommands(CDocument& document, CPrompt& prompt, CFileDialogs& dialogs,
                             QWidget& owner)
    : QObject(&owner), m_document(document), m_prompt(prompt), m_dialogs(dialogs), m_owner(owner) {}

// Order Like: the lists follow another data file or a CSV file, as the user chose in the
// preview.
void CToolCommands::OrderLike() {
    const QString path = m_dialogs.Open(QStringLiteral("order_like"), m_document.PathName(),
                                        ToolText(list_tools::kReferenceFilter));
    SReference reference;
    if (path.isEmpty() || !ReadReferenceFile(m_prompt, m_document.Names(), path,
                                             IsCsvPath(path.toStdString()), reference))
        return;
    const CChannelStore& store = m_document.Store();
    CPlanPreviewDlg preview(
        ToolText(list_tools::kOrderLikeCaption), FileName(path), m_document.Names(),
        [&](const SOrderOptions& options) { return PlanOrder(store, reference, options); },
        SOrderOptions{}, true, &m_owner);
    if (m_prompt.RunModal(preview) != QDialog::Accepted)
        return;
    ChangeLists(
        m_document, [&](CChannelStore& edited) { ApplyOrder(edited, preview.Plan()); },
        EditText(EEdit::OrderLike, FileName(path)));
}

// Import CSV: names, order and flags of the matched services as the file has them.
void CToolCommands::ImportCsv() {
    const QString path =
        m_dialogs.Open(QStringLiteral("import_csv"), CsvBeside(m_document.PathName()),
                       ToolText(list_tools::kCsvFileFilter));
    SReference reference;
    if (path.isEmpty() || !ReadReferenceFile(m_prompt, m_document.Names(), path, true, reference))
        return;
    SOrderOptions options;
    options.bTakeFlags = options.bTakeNames = true;
    const CChannelStore& store = m_document.Store();
    CPlanPreviewDlg preview(
        ToolText(list_tools::kImportCsvCaption), FileName(path), m_document.Names(),
        [&](const SOrderOptions& chosen) { return PlanOrder(store, reference, chosen); }, options,
        false, &m_owner);
    if (m_prompt.RunModal(preview) != QDialog::Accepted)
        return;
    ChangeLists(
        m_document, [&](CChannelStore& edited) { ApplyOrder(edited, preview.Plan()); },
        EditText(EEdit::ImportCsv));
}

void CToolCommands::ExportCsv(int nCurrentList, const QString& currentListName) {
    CExportCsvDlg choice(nCurrentList >= 0 ? currentListName : QString(), &m_owner);
    if (m_prompt.RunModal(choice) != QDialog::Accepted)
        return;
    QString path = m_dialogs.Save(QStringLiteral("export_csv"), CsvBeside(m_document.PathName()),
                                  ToolText(list_tools::kCsvFileFilter));
    if (path.isEmpty())
        return;
    if (!path.contains(u'.'))
        path += QStringLiteral(".csv");
    const std::optional<BYTE> only =
        choice.AllLists() ? std::nullopt : std::optional<BYTE>(static_cast<BYTE>(nCurrentList));
    std::string error;
    CWaitCursor wait;
    if (!WriteCsvFile(path.toStdString(),
                      WriteServicesCsv(m_document.Store(), m_document.Names(), only), error)) {
        wait.Restore();
        ShowFileError(m_prompt, error);
        return;
    }
    int nServices = 0;
    for (BYTE nEach = 0; nEach < kListCount; ++nEach)
        nServices += !only || *only == nEach ? m_document.Store().GetServiceCount(nEach) : 0;
    emit Status(StatusText(EStatus::Exported, nServices, FileName(path)));
}

// The groups, with the services the user checks deleted in one step.
void CToolCommands::FindDuplicates() {
    const std::vector<SDuplicateGroup> groups = ::FindDuplicates(m_document.Store());
    if (groups.empty()) {
        m_prompt.MessageBox(ToolText(list_tools::kNoDuplicates), QString(),
                            MB_OK | MB_ICONINFORMATION);
        return;
    }
    CDuplicatesDlg dlg(m_document.Store(), m_document.Names(), groups, &m_owner);
    if (m_prompt.RunModal(dlg) != QDialog::Accepted)
        return;
    const std::vector<std::pair<BYTE, WORD>> chosen = dlg.Chosen();
    if (!chosen.empty())
        ChangeLists(
            m_document, [&](CChannelStore& edited) { DeleteServices(edited, chosen); },
            EditText(EEdit::DeleteDuplicates, int(chosen.size())));
}

// What changed from the chosen file to the database in the window; nothing changes.
void CToolCommands::CompareWith() {
    const QString path = m_dialogs.Open(QStringLiteral("compare_with"), m_document.PathName(),
                                        ToolText(kDataFileFilter));
    if (path.isEmpty())
        return;
    CChannelStore other;
    other.SetPathName(path.toStdString());
    CWaitCursor wait;
    if (!other.ReadDataFile()) {
        wait.Restore();
        ShowFileError(m_prompt, other.GetPathName() + ": " + other.GetLastFileError());
        return;
    }
    std::vector<std::string> lines =
        DiffLines(CompareStores(other, m_document.Store()), m_document.Names());
    if (lines.empty())
        lines.push_back(ToolText(list_tools::kNoDifferences).toStdString());
    wait.Restore();
    CLinesDlg dlg(ToolText(list_tools::kCompareCaption),
                  ToolText(list_tools::kCompareLabel).arg(FileName(path)), lines, &m_owner);
    m_prompt.RunModal(dlg);
}

// A file that is not a satellites.xml is refused with the reader's words (the file, the line and
// what is wrong there) before anything is shown; the database stays as it is.
void CToolCommands::ImportTransponders() {
    const QString dataPath = m_document.PathName();
    const QString path = m_dialogs.Open(QStringLiteral("import_transponders"),
                                        dataPath.isEmpty() ? dataPath : QFileInfo(dataPath).path(),
                                        ToolText(list_tools::kSatellitesXmlFilter));
    if (path.isEmpty())
        return;
    std::vector<SXmlSatellite> satellites;
    std::string error;
    CWaitCursor wait;
    if (!ReadSatellitesXmlFile(path.toStdString(), satellites, error)) {
        wait.Restore();
        ShowFileError(m_prompt, error);
        return;
    }
    wait.Restore();
    if (satellites.empty()) {
        m_prompt.MessageBox(ToolText(list_tools::kNoSatellites).arg(FileName(path)));
        return;
    }
    CImportTranspondersDlg dlg(m_document.Store(), m_document.Names(), std::move(satellites),
                               FileName(path), &m_owner);
    if (m_prompt.RunModal(dlg) != QDialog::Accepted)
        return;
    const SImportPlan& plan = dlg.Plan();
    const int nTaken = CountOf(plan, ETpImport::Added) + CountOf(plan, ETpImport::Merged);
    m_document.Edit([&](CChannelStore& store) { ApplyImport(store, plan); },
                    [&] { return EditText(EEdit::ImportTransponders, nTaken); });
}

void CToolCommands::EditNetworks() {
    CNetworkEditorDlg dlg(
        m_document.Store(), m_document.Names(), m_prompt,
        [this](const TableChange& change, const QString& step) {
            return EditTable(m_document, change, step);
        },
        false, &m_owner);
    connect(&dlg, &CNetworkEditorDlg::Status, this, &CToolCommands::Status);
    m_prompt.RunModal(dlg);
}
