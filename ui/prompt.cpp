#include "prompt.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QStringList>

int CPrompt::MessageBox(const QString& text, const QString& caption, unsigned nType) {
    return ShowMessageBox(text, caption.isEmpty() ? ApplicationName() : caption, nType);
}

QString CPrompt::ApplicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

// ---- CQtPrompt ------------------------------------------------------------------------------

namespace {

QMessageBox::Icon IconOf(unsigned nType) {
    switch (nType & MB_ICONMASK) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

struct SButton {
    QMessageBox::StandardButton button;
    int nAnswer;
};

std::vector<SButton> ButtonsOf(unsigned nType) {
    switch (nType & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNOCANCEL:
        return {
            {QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_SAVEDISCARDCANCEL:
        return {{QMessageBox::Save, IDSAVE},
                {QMessageBox::Discard, IDDISCARD},
                {QMessageBox::Cancel, IDCANCEL}};
    default:
        return {{QMessageBox::Ok, IDOK}};
    }
}

} // namespace

int CQtPrompt::ShowMessageBox(const QString& text, const QString& caption, unsigned nType) {
    QMessageBox box(IconOf(nType), caption, text, QMessageBox::NoButton, m_pOwner);
    const std::vector<SButton> buttons = ButtonsOf(nType);
    for (const SButton& b : buttons)
        box.addButton(b.button);
    box.setDefaultButton(buttons.front().button);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const SButton& b : buttons)
        if (b.button == pressed)
            return b.nAnswer;
    // Closed by Esc or the close box: as the box's last button (Cancel, No or OK).
    return buttons.back().nAnswer;
}

QString CQtPrompt::ToQtFilter(const QString& filter) {
    const QStringList parts = filter.split('|', Qt::SkipEmptyParts);
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const qsizetype paren = description.indexOf('(');
        if (paren >= 0)
            description.truncate(paren);
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ').replace("*.*", "*");
        out << QStringLiteral("%1 (%2)").arg(description.trimmed(), patterns);
    }
    return out.join(QStringLiteral(";;"));
}

QString CQtPrompt::GetOpenFileName(const QString& initialPath, const QString& filter) {
    return QFileDialog::getOpenFileName(m_pOwner, QString(), initialPath, ToQtFilter(filter));
}

QString CQtPrompt::GetSaveFileName(const QString& initialPath, const QString& filter) {
    return QFileDialog::getSaveFileName(m_pOwner, QString(), initialPath, ToQtFilter(filter));
}

int CQtPrompt::RunModal(QDialog& dlg) {
    return dlg.exec();
}

unsigned CQtPrompt::TrackPopupMenu(QMenu& menu, const QPoint& screenPos) {
    const QAction* chosen = menu.exec(screenPos);
    return chosen != nullptr ? chosen->data().toUInt() : 0;
}

// ---- CScriptedPrompt ------------------------------------------------------------------------

int CScriptedPrompt::ShowMessageBox(const QString& text, const QString& caption, unsigned nType) {
    SShown shown{EKind::MessageBox, text, caption, nType, !m_boxAnswers.empty()};
    m_shown.push_back(shown);
    if (!shown.bAnswered)
        return ButtonsOf(nType).back().nAnswer;
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
