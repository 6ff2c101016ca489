// The main window: start-up state, menus, tabs, the template's controls, what each tab shows,
// and closing.
#include "main_dialog.h"
#include "window_test_util.h"

#include <QMenuBar>
#include <QTimer>

namespace {

// A menu bar's menus, one line each: the title, then "text id key" per entry, a '*' after a
// greyed one; separators as "0".
QStringList MenusOf(const QMenuBar& bar) {
    QStringList menus;
    for (const QAction* menu : bar.actions()) {
        QStringList entries{menu->text()};
        for (const QAction* action : menu->menu()->actions())
            entries << (QStringList{action->isSeparator() ? QString() : action->text(),
                                    QString::number(action->data().toUInt()),
                                    action->shortcut().toString()}
                            .join(' ')
                            .trimmed() +
                        (action->isEnabled() ? "" : "*"));
        menus << entries.join('|');
    }
    return menus;
}

const int kGridIds[] = {IDC_GRID_SAT_TV, IDC_GRID_SAT_RADIO, IDC_GRID_TERR_TV, IDC_GRID_TERR_RADIO};

} // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;

    bool Shown(const CEditorDlg& dlg, int nId) { return dlg.GetDlgItem(nId)->isVisibleTo(&dlg); }
    bool Enabled(const CEditorDlg& dlg, int nId) { return dlg.GetDlgItem(nId)->isEnabled(); }

  private slots:
    void titleIconMenusAndHelp() {
        CScriptedPrompt prompt; // its own: the help texts are the only ones shown
        CEditorDlg dlg(prompt);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Orvane  v3.0.1"));
        QVERIFY(!dlg.windowIcon().pixmap(64).isNull()); // the icon is there, not just named
        QVERIFY(!(dlg.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(dlg.windowFlags() & Qt::WindowMinimizeButtonHint);
        // Save, Save As, PC->STB and the list tools need data, Open Recent a file opened; the rest
        // are always there. The conversion commands and their separator are gone from the
        // Transfer menu.
        const QStringList greyed = {
            "&File|&New 57600 Ctrl+N|&Open 32771 Ctrl+O|Open &Recent 32825*|&Save 32772 Ctrl+S*|"
            "Save &As ... 32773 Ctrl+Shift+S*|0|Compare With… 32820*|Export CSV… 32821*|Import "
            "CSV… 32822*|Import Transponders… 32840*|0|E&xit 32775 Ctrl+Q",
            "&Edit|Undo 57643 Ctrl+Z*|Redo 57646 Ctrl+Shift+Z*|0|Cut 32782 Ctrl+X|Paste 32783 "
            "Ctrl+V|Delete 32784 Del|Select All 57642 Ctrl+A|0|Move to Number… 32806 Ctrl+M|"
            "Enable 32804|Disable 32805|0|Order Like… 32823*|Find Duplicates… 32824*|0|"
            "Networks… 32841*|0|Name Encoding 0",
            "&Transfer|&STB->PC 32776|&PC->STB 32777*",
            "&Help|&Keyboard Shortcuts 57670 F1|&About Orvane 57664|&Language 32827"};
        QCOMPARE(MenusOf(dlg.MenuBar()), greyed);
        dlg.OnCommand(ID_FILE_NEW);
        const QString all = MenusOf(dlg.MenuBar()).join('|');
        QVERIFY(all.count('*') == 3 && all.contains(QStringLiteral("Shift+Z*|0|Cut")));
        dlg.OpenDataFile(QStringLiteral("/nonexistent.zdf"));
        QCOMPARE(MenusOf(dlg.MenuBar()), greyed);
        prompt.m_shown.clear();
        // About names the version and the licence; the shortcut list is read from the actions, so
        // a shortcut added later is in it, and F1 shows it.
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QVERIFY(dlg.OnCommand(ID_APP_ABOUT));
        auto* added = new QAction(QStringLiteral("&Frobnicate ..."), &dlg);
        added->setShortcuts({QKeySequence(QStringLiteral("Ctrl+K")), QKeySequence::Delete});
        dlg.addAction(added);
        new QAction(QStringLiteral("Nowhere"), &dlg); // in no menu or widget: no key
        QTest::keyClick(&dlg, Qt::Key_F1);
        const std::vector<CScriptedPrompt::SShown>& shown = prompt.m_shown;
        QCOMPARE(shown.size(), std::size_t(2));
        QCOMPARE(shown[0].caption, QStringLiteral("About Orvane"));
        QVERIFY(shown[0].text.startsWith("Orvane II " ORVANE_VERSION "\n\n") &&
                shown[0].text.contains("Licence: GNU General Public License, version 3 or later."));
        QCOMPARE(shown[1].caption, QStringLiteral("Keyboard Shortcuts"));
        // Menus first, then one line a key of each action, the grid's and the added one among
        // them, then the mouse's header sort: 25 lines.
        const QStringList keys = shown[1].text.split('\n');
        QCOMPARE(keys.size(), 25);
        QCOMPARE(keys.mid(0, 2) + keys.mid(24),
                 (QStringList{"Alt+F\tFile menu", "Alt+E\tEdit menu",
                              "Double-click on a column header\tSort the list by that column"}));
        for (const char* line :
             {"Ctrl+F\tFilter", "Ctrl+K\tFrobnicate", "Del\tFrobnicate", "Space\tToggle Flag"})
            QVERIFY(keys.contains(QString::fromLatin1(line)));
        for (const auto& s : shown)
            QCOMPARE(s.nType, MB_OK | MB_ICONINFORMATION);
    }

    // Each grid tab shows its grid alone, Append and Detail Info enabled when its list has
    // services; the tree's tab shows the tree and the panel shown last, its buttons greyed.
    void tabsShowTheirViews() {
        CEditorDlg dlg(m_prompt);
        QCOMPARE(dlg.TabCtrl().count(), 5);
        // Shown (S), hidden (-) and greyed (g) of the tree, panel frame, Append, Update, Delete,
        // Detail Info and the four grids, then the satellite and transponder panels' controls.
        const auto shown = [&] {
            QString views = QString::number(dlg.GetCurrentList());
            for (int nId : {0, IDC_TREE, IDC_PANEL_FRAME, IDC_BUTTON_APPEND, IDC_BUTTON_UPDATE,
                            IDC_BUTTON_DELETE, IDC_BUTTON_DETAIL_INFO, 0, kGridIds[0], kGridIds[1],
                            kGridIds[2], kGridIds[3]})
                views += nId == 0 ? ' ' : !Shown(dlg, nId) ? '-' : Enabled(dlg, nId) ? 'S' : 'g';
            const auto panel = [&](const auto& ids) {
                int nShown = 0;
                for (int nId : ids)
                    nShown += Shown(dlg, nId) ? 1 : 0;
                return nShown == 0 ? " -" : nShown == int(std::size(ids)) ? " S" : " ?";
            };
            views += panel(main_dialog::kSatellitePanelIds);
            views += panel(main_dialog::kTransponderPanelIds);
            return views;
        };
        QCOMPARE(shown(), QStringLiteral("0 --g--g S--- - -")); // the starting view, empty
        Load(dlg, [](CChannelStore& store) {
            CStoreBuilder build(store);
            const BYTE nSat = build.Satellite("SAT-A", 192);
            build.SatService(nSat, build.Transponder(nSat, 11494, 27500, true), 1, 1, "R",
                             FLAG_RADIO);
            build.Mux(2, 0);
            build.TerrService(2, 1, 1, "Terr TV");
            store.Rebuild();
        });
        // With a database Append adds a list's first service too.
        const char* const kViews[] = {"-1 SSggg- ---- S -", "0 --S--g S--- - -",
                                      "1 --S--S -S-- - -", "2 --S--S --S- - -",
                                      "3 --S--g ---S - -"};
        for (int nTab : {1, 2, 3, 4, 0}) {
            dlg.TabCtrl().setCurrentIndex(nTab);
            QCOMPARE(shown(), QString::fromLatin1(kViews[nTab]));
        }
        for (int nId : main_dialog::kAlwaysHiddenIds)
            QVERIFY(!Shown(dlg, nId));
        // The transponder panel was the last one shown: it comes back with the tab. Other tab
        // numbers change nothing.
        dlg.Tree().setCurrentItem(dlg.Tree().topLevelItem(0)->child(0));
        for (int nTab : {2, 0, 5, -1})
            dlg.ShowTabView(nTab);
        QCOMPARE(shown(), QStringLiteral("-1 SSgSS- ---- - S"));
    }

    // Enter, Esc and the conversion command leave the window open (that it fills the desktop:
    // the window settings' test). The close box ends the program, and Exit a modal run.
    void openUntilTheCloseBoxOrExit() {
        auto dlg = std::make_unique<CEditorDlg>(m_prompt);
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
        // Its id still reaches the window, which does nothing with it.
        QCOMPARE(dlg->GetMenuAction(32808)->text(), QStringLiteral("Conv Default Channel"));
        QVERIFY(dlg->GetMenuAction(32807) != nullptr);
        QVERIFY(dlg->OnCommand(32808));
        QVERIFY(!dlg->OnCommand(4242));
        QVERIFY(m_prompt.m_shown.empty());
        dlg->GetDlgItem(IDC_EDIT_SAT_NAME)->setFocus();
        for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(dlg.get(), Qt::Key(key));
        QTest::keyClick(dlg->GetDlgItem(IDC_GRID_SAT_TV), Qt::Key_Escape);
        QVERIFY(dlg->isVisible());
        QVERIFY(dlg->close());
        QVERIFY(!dlg->isVisible());
        QCOMPARE(dlg->result(), int(QDialog::Rejected));
        CEditorDlg modal(m_prompt);
        QTimer::singleShot(0, &modal, [&modal] { modal.OnCommand(32775); });
        QCOMPARE(modal.exec(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(EditorWindowTest)
#include "editor_window.moc"
