#include "edit_command.h"

#include <iterator>

namespace {

struct SEditText {
    EEdit edit;
    const char* pszText;   // "%1": the name, or the count when there is no plural
    const char* pszPlural; // "%1": the count; null when the text counts nothing
};

constexpr SEditText kEditTexts[] = {
    {EEdit::AppendSatellite, "Append satellite", nullptr},
    {EEdit::AppendTransponder, "Append transponder", nullptr},
    {EEdit::UpdateSatellite, "Update satellite", nullptr},
    {EEdit::UpdateTransponder, "Update transponder", nullptr},
    {EEdit::DeleteSatellite, "Delete satellite", nullptr},
    {EEdit::DeleteTransponder, "Delete transponder", nullptr},
    {EEdit::AppendService, "Append service", nullptr},
    {EEdit::ChangeService, "Change service", nullptr},
    {EEdit::PasteServices, "Paste 1 service", "Paste %1 services"},
    {EEdit::DeleteServices, "Delete 1 service", "Delete %1 services"},
    {EEdit::MoveServices, "Move 1 service", "Move %1 services"},
    {EEdit::EnableFlags, "Enable %1", nullptr},
    {EEdit::DisableFlags, "Disable %1", nullptr},
    {EEdit::SetFlag, "Set %1", nullptr},
    {EEdit::ClearFlag, "Clear %1", nullptr},
    {EEdit::Sort, "Sort by %1", nullptr},
    {EEdit::ReceiveFromStb, "Receive from STB", nullptr},
    {EEdit::OrderLike, "Order Like %1", nullptr},
    {EEdit::ImportCsv, "Import CSV", nullptr},
    {EEdit::DeleteDuplicates, "Delete 1 duplicate", "Delete %1 duplicates"},
    {EEdit::ImportTransponders, "Import 1 transponder", "Import %1 transponders"},
    {EEdit::AddNetwork, "Add network %1", nullptr},
    {EEdit::RenameNetwork, "Rename network to %1", nullptr},
    {EEdit::DeleteNetwork, "Delete network %1", nullptr},
    {EEdit::ChangeNetworks, "Change networks", nullptr},
    {EEdit::AddMux, "Add %1", nullptr},
    {EEdit::ChangeMux, "Change %1", nullptr},
    {EEdit::DeleteMux, "Delete %1", nullptr},
};
constexpr bool InEditOrder() {
    for (std::size_t i = 0; i < std::size(kEditTexts); ++i)
        if (kEditTexts[i].edit != static_cast<EEdit>(i))
            return false;
    return std::size(kEditTexts) == std::size_t(EEdit::DeleteMux) + 1;
}
static_assert(InEditOrder(), "one text per edit, in the order of EEdit");

const SEditText& TextOf(EEdit edit) {
    return kEditTexts[static_cast<std::size_t>(edit)];
}

} // namespace

QString EditText(EEdit edit, int nCount) {
    const SEditText& text = TextOf(edit);
    if (text.pszPlural == nullptr || nCount == 1)
        return QString::fromLatin1(text.pszText);
    return QString::fromLatin1(text.pszPlural).arg(nCount);
}

QString EditText(EEdit edit, const QString& name) {
    const QString text = QString::fromLatin1(TextOf(edit).pszText);
    return text.contains(QStringLiteral("%1")) ? text.arg(name) : text;
}

ETableEdit EditTable(CDocument& document, const std::function<ETableEdit(CChannelStore&)>& change,
                     const QString& step) {
    ETableEdit result = ETableEdit::Missing;
    document.Edit([&](CChannelStore& store) { result = change(store); }, [&] { return step; });
    return result;
}

CEditCommand::CEditCommand(CDocument& document, const QString& text, unsigned nChanged,
                           SState before, SState after)
    : QUndoCommand(text), m_document(document), m_nChanged(nChanged), m_before(std::move(before)),
      m_after(std::move(after)) {}

void CEditCommand::undo() {
    m_document.Restore(m_before.document, m_nChanged, m_before.view);
}

void CEditCommand::redo() {
    if (m_bJustDone) {
        m_bJustDone = false;
        return;
    }
    m_document.Restore(m_after.document, m_nChanged, m_after.view);
}
