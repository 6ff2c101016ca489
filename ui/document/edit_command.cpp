#include "edit_command.h"

#include <QCoreApplication>

#include <iterator>

namespace {

struct SEditText {
    EEdit edit;
    const char* pszText;   // "%1": the name, or the count when there is no plural
    const char* pszPlural; // "%1": the count; null when the text counts nothing
};

constexpr SEditText kEditTexts[] = {
    {EEdit::AppendSatellite, QT_TRANSLATE_NOOP("EditText", "Append satellite"), nullptr},
    {EEdit::AppendTransponder, QT_TRANSLATE_NOOP("EditText", "Append transponder"), nullptr},
    {EEdit::UpdateSatellite, QT_TRANSLATE_NOOP("EditText", "Update satellite"), nullptr},
    {EEdit::UpdateTransponder, QT_TRANSLATE_NOOP("EditText", "Update transponder"), nullptr},
    {EEdit::DeleteSatellite, QT_TRANSLATE_NOOP("EditText", "Delete satellite"), nullptr},
    {EEdit::DeleteTransponder, QT_TRANSLATE_NOOP("EditText", "Delete transponder"), nullptr},
    {EEdit::AppendService, QT_TRANSLATE_NOOP("EditText", "Append service"), nullptr},
    {EEdit::ChangeService, QT_TRANSLATE_NOOP("EditText", "Change service"), nullptr},
    {EEdit::PasteServices, QT_TRANSLATE_NOOP("EditText", "Paste 1 service"),
     QT_TRANSLATE_N_NOOP("EditText", "Paste %1 services")},
    {EEdit::DeleteServices, QT_TRANSLATE_NOOP("EditText", "Delete 1 service"),
     QT_TRANSLATE_N_NOOP("EditText", "Delete %1 services")},
    {EEdit::MoveServices, QT_TRANSLATE_NOOP("EditText", "Move 1 service"),
     QT_TRANSLATE_N_NOOP("EditText", "Move %1 services")},
    {EEdit::EnableFlags, QT_TRANSLATE_NOOP("EditText", "Enable %1"), nullptr},
    {EEdit::DisableFlags, QT_TRANSLATE_NOOP("EditText", "Disable %1"), nullptr},
    {EEdit::SetFlag, QT_TRANSLATE_NOOP("EditText", "Set %1"), nullptr},
    {EEdit::ClearFlag, QT_TRANSLATE_NOOP("EditText", "Clear %1"), nullptr},
    {EEdit::Sort, QT_TRANSLATE_NOOP("EditText", "Sort by %1"), nullptr},
    {EEdit::ReceiveFromStb, QT_TRANSLATE_NOOP("EditText", "Receive from STB"), nullptr},
    {EEdit::OrderLike, QT_TRANSLATE_NOOP("EditText", "Order Like %1"), nullptr},
    {EEdit::ImportCsv, QT_TRANSLATE_NOOP("EditText", "Import CSV"), nullptr},
    {EEdit::DeleteDuplicates, QT_TRANSLATE_NOOP("EditText", "Delete 1 duplicate"),
     QT_TRANSLATE_N_NOOP("EditText", "Delete %1 duplicates")},
    {EEdit::ImportTransponders, QT_TRANSLATE_NOOP("EditText", "Import 1 transponder"),
     QT_TRANSLATE_N_NOOP("EditText", "Import %1 transponders")},
    {EEdit::AddNetwork, QT_TRANSLATE_NOOP("EditText", "Add network %1"), nullptr},
    {EEdit::RenameNetwork, QT_TRANSLATE_NOOP("EditText", "Rename network to %1"), nullptr},
    {EEdit::DeleteNetwork, QT_TRANSLATE_NOOP("EditText", "Delete network %1"), nullptr},
    {EEdit::ChangeNetworks, QT_TRANSLATE_NOOP("EditText", "Change networks"), nullptr},
    {EEdit::AddMux, QT_TRANSLATE_NOOP("EditText", "Add %1"), nullptr},
    {EEdit::ChangeMux, QT_TRANSLATE_NOOP("EditText", "Change %1"), nullptr},
    {EEdit::DeleteMux, QT_TRANSLATE_NOOP("EditText", "Delete %1"), nullptr},
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

// A plural is translated by its count: some languages have more forms than two.
QString EditText(EEdit edit, int nCount) {
    const SEditText& text = TextOf(edit);
    if (text.pszPlural == nullptr || nCount == 1)
        return QCoreApplication::translate("EditText", text.pszText);
    return QCoreApplication::translate("EditText", text.pszPlural, nullptr, nCount).arg(nCount);
}

QString EditText(EEdit edit, const QString& name) {
    const QString text = QCoreApplication::translate("EditText", TextOf(edit).pszText);
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
