#include "scripted_prompt.h"

#include <QAction>
#include <QDialog>
#include <QMenu>

#include <algorithm>
#include <optional>

namespace {

// The next answer of a queue, taken off it; none when the queue is empty.
template <class T> std::optional<T> Take(std::deque<T>& queue) {
    if (queue.empty())
        return std::nullopt;
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

} // namespace

int CScriptedPrompt::ShowMessageBox(const QString& text, const QString& caption, unsigned nType) {
    m_shown.push_back({EKind::MessageBox, text, caption, nType});
    return Take(m_boxAnswers).value_or(DismissedAnswer(nType));
}

QString CScriptedPrompt::NextPath(EKind kind, const QString& initialPath, const QString& filter) {
    m_shown.push_back({kind, initialPath, filter});
    return Take(m_paths).value_or(QString());
}

int CScriptedPrompt::RunModal(QDialog& dlg) {
    m_shown.push_back({EKind::Modal, dlg.windowTitle(), QString()});
    const auto script = Take(m_modalScripts);
    return script ? (*script)(dlg) : int(QDialog::Rejected);
}

unsigned CScriptedPrompt::TrackPopupMenu(QMenu& menu, const QPoint& /*screenPos*/) {
    SMenuShown shown{menu.title(), {}};
    for (const QAction* action : menu.actions())
        shown.items.push_back({action->text(), action->isSeparator() ? 0u : action->data().toUInt(),
                               action->isEnabled(), action->shortcut().toString()});
    m_menus.push_back(shown);
    m_shown.push_back({EKind::PopupMenu, menu.title(), QString()});
    const unsigned nAnswer = Take(m_menuAnswers).value_or(0);
    const bool bChoosable =
        std::any_of(shown.items.begin(), shown.items.end(),
                    [&](const auto& item) { return item.nId == nAnswer && item.bEnabled; });
    return bChoosable ? nAnswer : 0;
}

// As the dialog's spin box, which never gives back a number outside its range.
std::optional<int> CScriptedPrompt::GetInteger(const QString& caption, const QString& label,
                                               int /*nValue*/, int nMin, int nMax) {
    m_shown.push_back({EKind::Integer, label, caption});
    const std::optional<int> typed = Take(m_integers);
    return typed ? std::optional(std::clamp(*typed, nMin, nMax)) : std::nullopt;
}

std::optional<QString> CScriptedPrompt::GetText(const QString& caption, const QString& label,
                                                const QString& /*value*/) {
    m_shown.push_back({EKind::Text, label, caption});
    return Take(m_texts);
}

std::vector<QString> CScriptedPrompt::MessageTexts() const {
    std::vector<QString> texts;
    for (const SShown& s : m_shown)
        if (s.kind == EKind::MessageBox)
            texts.push_back(s.text);
    return texts;
}
