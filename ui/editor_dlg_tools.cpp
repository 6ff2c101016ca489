// The list tools: order the lists like another data file or a CSV file, delete duplicates,
// compare with another data file, and write or read the lists as CSV. The library below does
// the work as zdftool does it; the window picks the file, previews, and makes each change one
// undo step.
#include "editor_dlg.h"

#include "duplicates.h"
#include "edit_command.h"
#include "list_compare.h"
#include "list_tool_dialogs.h"
#include "list_tools.h"
#include "prompt.h"
#include "service_csv.h"
#include "status_text.h"
#include "wait_cursor.h"

#include <QDir>
#include <QFileInfo>

namespace {

void ShowFileError(CPrompt& prompt, const std::string& error) {
    prompt.MessageBox(ToolText(list_tools::kFileError).arg(QString::fromStdString(error)));
}

// False after telling the user why the file cannot be a reference; nothing has changed.
bool ReadReferenceFile(CPrompt& prompt, const QString& path, bool bCsv, SReference& reference) {
    std::string error;
    CWaitCursor wait;
    if (ReadReference(path.toStdString(), bCsv, reference, error))
        return true;
    wait.Restore();
    ShowFileError(prompt, error);
    return false;
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

} // namespace

void CEditorDlg::RunListTool(const std::function<void()>& change, const QString& text) {
    RunUndoable(
        [&] {
            change();
            m_bCutPending = 0;
            RefreshChangedViews(PART_ALL_LISTS);
        },
        [&] { return text; });
}

// Order Like: the lists follow another data file or a CSV file, as the user chose in the
// preview.
void CEditorDlg::OnEditOrderLike() {
    const QString path =
        m_prompt.GetOpenFileName(PathName(), ToolText(list_tools::kReferenceFilter));
    SReference reference;
    if (path.isEmpty() ||
        !ReadReferenceFile(m_prompt, path, IsCsvPath(path.toStdString()), reference))
        return;
    CPlanPreviewDlg preview(
        ToolText(list_tools::kOrderLikeCaption), FileName(path),
        [&](const SOrderOptions& options) { return PlanOrder(*m_pStore, reference, options); },
        SOrderOptions{}, true, this);
    if (m_prompt.RunModal(preview) != QDialog::Accepted)
        return;
    RunListTool([&] { ApplyOrder(*m_pStore, preview.Plan()); },
                EditText(EEdit::OrderLike, FileName(path)));
}

// Import CSV: names, order and flags of the matched services as the file has them.
void CEditorDlg::OnFileImportCsv() {
    const QString path =
        m_prompt.GetOpenFileName(CsvBeside(PathName()), ToolText(list_tools::kCsvFileFilter));
    SReference reference;
    if (path.isEmpty() || !ReadReferenceFile(m_prompt, path, true, reference))
        return;
    SOrderOptions options;
    options.bTakeFlags = options.bTakeNames = true;
    CPlanPreviewDlg preview(
        ToolText(list_tools::kImportCsvCaption), FileName(path),
        [&](const SOrderOptions& chosen) { return PlanOrder(*m_pStore, reference, chosen); },
        options, false, this);
    if (m_prompt.RunModal(preview) != QDialog::Accepted)
        return;
    RunListTool([&] { ApplyOrder(*m_pStore, preview.Plan()); }, EditText(EEdit::ImportCsv));
}

void CEditorDlg::OnFileExportCsv() {
    const int nList = GetCurrentList();
    CExportCsvDlg choice(nList >= 0 ? m_pTab->tabText(m_pTab->currentIndex()).trimmed() : QString(),
                         this);
    if (m_prompt.RunModal(choice) != QDialog::Accepted)
        return;
    QString path =
        m_prompt.GetSaveFileName(CsvBeside(PathName()), ToolText(list_tools::kCsvFileFilter));
    if (path.isEmpty())
        return;
    if (!path.contains(u'.'))
        path += QStringLiteral(".csv");
    const std::optional<BYTE> only =
        choice.AllLists() ? std::nullopt : std::optional<BYTE>(static_cast<BYTE>(nList));
    std::string error;
    CWaitCursor wait;
    if (!WriteCsvFile(path.toStdString(), WriteServicesCsv(*m_pStore, only), error)) {
        wait.Restore();
        ShowFileError(m_prompt, error);
        return;
    }
    int nServices = 0;
    for (BYTE nEach = 0; nEach < kListCount; ++nEach)
        nServices += !only || *only == nEach ? m_pStore->GetServiceCount(nEach) : 0;
    ShowStatus(StatusText(EStatus::Exported, nServices, FileName(path)));
}

// The groups, with the services the user checks deleted in one step.
void CEditorDlg::OnEditFindDuplicates() {
    const std::vector<SDuplicateGroup> groups = FindDuplicates(*m_pStore);
    if (groups.empty()) {
        m_prompt.MessageBox(ToolText(list_tools::kNoDuplicates), QString(),
                            MB_OK | MB_ICONINFORMATION);
        return;
    }
    CDuplicatesDlg dlg(*m_pStore, groups, this);
    if (m_prompt.RunModal(dlg) != QDialog::Accepted)
        return;
    const std::vector<std::pair<BYTE, WORD>> chosen = dlg.Chosen();
    if (!chosen.empty())
        RunListTool([&] { DeleteServices(*m_pStore, chosen); },
                    EditText(EEdit::DeleteDuplicates, int(chosen.size())));
}

// What changed from the chosen file to the database in the window; nothing changes.
void CEditorDlg::OnFileCompareWith() {
    const QString path = m_prompt.GetOpenFileName(PathName(), ToolText(kDataFileFilter));
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
    std::vector<std::string> lines = DiffLines(CompareStores(other, *m_pStore));
    if (lines.empty())
        lines.emplace_back(list_tools::kNoDifferences);
    wait.Restore();
    CLinesDlg dlg(ToolText(list_tools::kCompareCaption),
                  ToolText(list_tools::kCompareLabel).arg(FileName(path)), lines, this);
    m_prompt.RunModal(dlg);
}
