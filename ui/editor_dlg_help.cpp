// The Help menu: what the program is, and the keys it answers.
#include "editor_dlg.h"

#include "prompt.h"

#include <QAction>
#include <QMenuBar>

void CEditorDlg::OnAppAbout() {
    m_prompt.MessageBox(
        QStringLiteral("Orvane II %1\n\n"
                       "Edits the channel database of a satellite and terrestrial set-top box, "
                       "and moves it to and from the box over a serial cable.\n\n"
                       "Licence: GNU General Public License, version 3 or later. "
                       "There is no warranty.")
            .arg(QStringLiteral(ORVANE_VERSION)),
        QStringLiteral("About Orvane"), MB_OK | MB_ICONINFORMATION);
}

void CEditorDlg::OnHelpShortcuts() {
    m_prompt.MessageBox(ShortcutList(), QStringLiteral("Keyboard Shortcuts"),
                        MB_OK | MB_ICONINFORMATION);
}

// Read from the actions themselves, so that a shortcut added anywhere later is listed too; an
// action that no widget or menu holds answers no key and is left out.
QString CEditorDlg::ShortcutList() const {
    QStringList lines;
    const auto addLine = [&](const QKeySequence& key, const QString& text) {
        lines << key.toString(QKeySequence::NativeText) + QLatin1Char('\t') + text;
    };
    for (const QAction* menu : m_pMenuBar->actions())
        if (const QKeySequence key = QKeySequence::mnemonic(menu->text()); !key.isEmpty())
            addLine(key, menu->iconText() + QStringLiteral(" menu"));
    for (const QAction* action : findChildren<QAction*>())
        if (!action->associatedObjects().isEmpty())
            for (const QKeySequence& key : action->shortcuts())
                addLine(key, action->iconText());
    lines << QStringLiteral("Double-click on a column header\tSort the list by that column");
    return lines.join(QLatin1Char('\n'));
}
