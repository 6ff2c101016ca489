#include "prompt.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
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

int CPrompt::DismissedAnswer(unsigned nType) {
    return ButtonsOf(nType).back().nAnswer;
}

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
    return DismissedAnswer(nType);
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

std::optional<int> CQtPrompt::GetInteger(const QString& caption, const QString& label, int nValue,
                                         int nMin, int nMax) {
    bool bOk = false;
    const int nAnswer = QInputDialog::getInt(m_pOwner, caption, label, nValue, nMin, nMax, 1, &bOk);
    return bOk ? std::optional(nAnswer) : std::nullopt;
}

std::optional<QString> CQtPrompt::GetText(const QString& caption, const QString& label,
                                          const QString& value) {
    bool bOk = false;
    const QString answer =
        QInputDialog::getText(m_pOwner, caption, label, QLineEdit::Normal, value, &bOk);
    return bOk ? std::optional(answer) : std::nullopt;
}
