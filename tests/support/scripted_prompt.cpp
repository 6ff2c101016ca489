#include "scripted_prompt.h"

#include <QAction>
#include <QDialog>
#include <QMenu>

int CScriptedPrompt::ShowMessageBox(const QString& text, const QString& caption, unsigned nType) {
    SShown shown{EKind::MessageBox, text, caption, nType, !m_boxAnswers.empty()};
    m_shown.push_back(shown);
    if (!shown.bAnswered)
        return DismissedAnswer(nType);
    const int answer = m_boxAnswers.front();
    m_boxAnswers.pop_front();
    return answer;
}

QString CScriptedPrompt::NextPath(EKind kind, const QString& initialPath, const QString& filter) {
    m_shown.push_back({kind, initialPath, filter, 0, !m_paths.empty()});
    if (m_paths.empty())
        return QString();
    QString path = m_paths.front();
    m_paths.pop_front();
    return path;
}

QString CScriptedPrompt::GetOpenFileName(const QString& initialPath, const QString& filter) {
    return NextPath(EKind::OpenFile, initialPath, filter);
}

QString CScriptedPrompt::GetSaveFileName(const QString& initialPath, const QString& filter) {
    return NextPath(EKind::SaveFile, initialPath, filter);
}

int CScriptedPrompt::RunModal(QDialog& dlg) {
    m_shown.push_back({EKind::Modal, dlg.windowTitle(), QString(), 0, !m_modalScripts.empty()});
    if (m_modalScripts.empty())
        return QDialog::Rejected;
    const std::function<int(QDialog&)> script = std::move(m_modalScripts.front());
    m_modalScripts.pop_front();
    return script(dlg);
}

unsigned CScriptedPrompt::TrackPopupMenu(QMenu& menu, const QPoint& /*screenPos*/) {
    SMenuShown shown{menu.title(), {}};
    for (const QAction* action : menu.actions())
        shown.items.push_back({action->text(), action->isSeparator() ? 0u : action->data().toUInt(),
                               action->isEnabled()});
    m_menus.push_back(shown);
    m_shown.push_back({EKind::PopupMenu, menu.title(), QString(), 0, !m_menuAnswers.empty()});
    if (m_menuAnswers.empty())
        return 0;
    const unsigned nAnswer = m_menuAnswers.front();
    m_menuAnswers.pop_front();
    for (const SMenuItemShown& item : shown.items)
        if (item.nId == nAnswer && item.bEnabled)
            return nAnswer;
    return 0;
}

std::vector<QString> CScriptedPrompt::MessageTexts() const {
    std::vector<QString> texts;
    for (const SShown& s : m_shown)
        if (s.kind == EKind::MessageBox)
            texts.push_back(s.text);
    return texts;
}

int CScriptedPrompt::UnansweredCount() const {
    int n = 0;
    for (const SShown& s : m_shown)
        n += s.bAnswered ? 0 : 1;
    return n;
}
