// The main window: start-up state, menus, tabs, the template's controls, what each tab shows,
// and closing.
#include "controls.h"
#include "editor_dlg.h"
#include "main_dialog.h"
#include "prompt.h"
#include "store_builder.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

struct SMenuEntry {
    QString text;
    UINT nId;
};

std::vector<SMenuEntry> EntriesOf(const QMenu* menu) {
    std::vector<SMenuEntry> entries;
    for (const QAction* action : menu->actions())
        entries.push_back(
            {action->isSeparator() ? QString() : action->text(), action->data().toUInt()});
    return entries;
}

} // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;

    bool Shown(const CEditorDlg& dlg, int nId) { return dlg.GetDlgItem(nId)->isVisibleTo(&dlg); }
    bool Enabled(const CEditorDlg& dlg, int nId) { return dlg.GetDlgItem(nId)->isEnabled(); }

  private slots:
    void titleAndIcon() {
        CEditorDlg dlg(m_prompt);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Orvane  v3.0.1"));
        QVERIFY(!dlg.windowIcon().isNull());
        QVERIFY(!(dlg.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(dlg.windowFlags() & Qt::WindowMinimizeButtonHint);
    }

    void menusAfterStartUp() {
        CEditorDlg dlg(m_prompt);
        const QList<QAction*> menus = dlg.MenuBar().actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Transfer"));

        const std::vector<SMenuEntry> file = EntriesOf(menus[0]->menu());
        QCOMPARE(file.size(), std::size_t(4));
        const SMenuEntry expectedFile[] = {
            {"&Open", 32771}, {"&Save", 32772}, {"Save &As ...", 32773}, {"E&xit", 32775}};
        for (std::size_t i = 0; i < file.size(); ++i) {
            QCOMPARE(file[i].text, expectedFile[i].text);
            QCOMPARE(file[i].nId, expectedFile[i].nId);
        }
        // The conversion commands and their separator are gone from the Transfer menu.
        const std::vector<SMenuEntry> transfer = EntriesOf(menus[1]->menu());
        QCOMPARE(transfer.size(), std::size_t(2));
        QCOMPARE(transfer[0].text, QStringLiteral("&STB->PC"));
        QCOMPARE(transfer[0].nId, 32776u);
        QCOMPARE(transfer[1].text, QStringLiteral("&PC->STB"));
        QCOMPARE(transfer[1].nId, 32777u);

        // Nothing to save or send yet.
        QVERIFY(dlg.GetMenuAction(32771)->isEnabled());
        QVERIFY(!dlg.GetMenuAction(32772)->isEnabled());
        QVERIFY(!dlg.GetMenuAction(32773)->isEnabled());
        QVERIFY(dlg.GetMenuAction(32775)->isEnabled());
        QVERIFY(dlg.GetMenuAction(32776)->isEnabled());
        QVERIFY(!dlg.GetMenuAction(32777)->isEnabled());
    }

    void dataMenusFollowTheData() {
        CEditorDlg dlg(m_prompt);
        dlg.EnableDataMenus(TRUE);
        for (UINT nId : {32772u, 32773u, 32777u})
            QVERIFY(dlg.GetMenuAction(nId)->isEnabled());
        QVERIFY(dlg.GetMenuAction(32771)->isEnabled());
        QVERIFY(dlg.GetMenuAction(32776)->isEnabled());
        dlg.EnableDataMenus(FALSE);
        for (UINT nId : {32772u, 32773u, 32777u})
            QVERIFY(!dlg.GetMenuAction(nId)->isEnabled());
    }

    void conversionCommandKeepsItsIdAndDoesNothing() {
        CEditorDlg dlg(m_prompt);
        dlg.show();
        QAction* action = dlg.GetMenuAction(32808);
        QVERIFY(action != nullptr);
        QCOMPARE(action->data().toUInt(), 32808u);
        QCOMPARE(action->text(), QStringLiteral("Conv Default Channel"));
        QVERIFY(dlg.OnCommand(32808));
        QVERIFY(dlg.isVisible());
        QVERIFY(dlg.GetStore() != nullptr);
        QVERIFY(dlg.GetMenuAction(32807) != nullptr);
        QVERIFY(!dlg.OnCommand(4242));
        QVERIFY(m_prompt.m_shown.empty());
    }

    void tabsAndStartingView() {
        CEditorDlg dlg(m_prompt);
        const QStringList labels = {"  Satellite / Transponder List  ", "  Satellite TV List  ",
                                    "  Satellite RADIO List  ", "  Terrestrial TV List  ",
                                    "  Terrestrial RADIO List  "};
        QCOMPARE(dlg.TabCtrl().count(), labels.size());
        for (int i = 0; i < labels.size(); ++i)
            QCOMPARE(dlg.TabCtrl().tabText(i), labels[i]);
        QCOMPARE(dlg.TabCtrl().currentIndex(), 1);
        QCOMPARE(dlg.GetCurrentList(), int(LIST_SAT_TV));

        QVERIFY(Shown(dlg, IDC_GRID_SAT_TV));
        for (int nId :
             {IDC_GRID_SAT_RADIO, IDC_GRID_TERR_TV, IDC_GRID_TERR_RADIO, IDC_TREE, IDC_PANEL_FRAME,
              IDC_BUTTON_UPDATE, IDC_BUTTON_DELETE, IDC_TITLE_SATELLITE, IDC_TITLE_TRANSPONDER,
              IDC_EDIT_SAT_NAME, IDC_COMBO_FEC, IDC_RADIO_MOTOR, IDC_RADIO_USALS})
            QVERIFY2(!Shown(dlg, nId), qPrintable(QString::number(nId)));
        // An empty list: nothing to append to or show.
        QVERIFY(Shown(dlg, IDC_BUTTON_APPEND));
        QVERIFY(Shown(dlg, IDC_BUTTON_DETAIL_INFO));
        QVERIFY(!Enabled(dlg, IDC_BUTTON_APPEND));
        QVERIFY(!Enabled(dlg, IDC_BUTTON_DETAIL_INFO));
        for (BYTE nList = 0; nList < kListCount; ++nList)
            QCOMPARE(dlg.Grid(nList).GetRows(), 1L);
    }

    void gridTabsShowTheirGridAndEnableByContent() {
        CEditorDlg dlg(m_prompt);
        CStoreBuilder build(*dlg.GetStore());
        const BYTE nSat = build.Satellite("SAT-A", 192);
        const BYTE nTp = build.Transponder(nSat, 11494, 27500, true);
        build.SatService(nSat, nTp, 1, 1, "Radio One", FLAG_RADIO);
        build.Mux(2, 0);
        build.TerrService(2, 1, 1, "Terr TV");
        dlg.GetStore()->Rebuild();

        const int kGridIds[] = {IDC_GRID_SAT_TV, IDC_GRID_SAT_RADIO, IDC_GRID_TERR_TV,
                                IDC_GRID_TERR_RADIO};
        const bool kHasServices[] = {false, true, true, false};
        for (int nTab = 1; nTab <= 4; ++nTab) {
            dlg.TabCtrl().setCurrentIndex(nTab);
            QCOMPARE(dlg.GetCurrentList(), nTab - 1);
            for (int i = 0; i < 4; ++i)
                QCOMPARE(Shown(dlg, kGridIds[i]), i == nTab - 1);
            QVERIFY(!Shown(dlg, IDC_TREE));
            QVERIFY(!Shown(dlg, IDC_PANEL_FRAME));
            QVERIFY(!Shown(dlg, IDC_BUTTON_UPDATE));
            QVERIFY(!Shown(dlg, IDC_BUTTON_DELETE));
            QCOMPARE(Enabled(dlg, IDC_BUTTON_APPEND), kHasServices[nTab - 1]);
            QCOMPARE(Enabled(dlg, IDC_BUTTON_DETAIL_INFO), kHasServices[nTab - 1]);
        }
    }

    void treeTabShowsTreeAndTheLastPanel() {
        CEditorDlg dlg(m_prompt);
        dlg.TabCtrl().setCurrentIndex(0);
        QCOMPARE(dlg.GetCurrentList(), -1);
        QVERIFY(Shown(dlg, IDC_TREE));
        QVERIFY(Shown(dlg, IDC_PANEL_FRAME));
        for (int nId : {IDC_BUTTON_APPEND, IDC_BUTTON_DELETE, IDC_BUTTON_UPDATE}) {
            QVERIFY(Shown(dlg, nId));
            QVERIFY(!Enabled(dlg, nId));
        }
        QVERIFY(!Shown(dlg, IDC_BUTTON_DETAIL_INFO));
        for (int nId : main_dialog::kSatellitePanelIds)
            QVERIFY(Shown(dlg, nId));
        for (int nId : main_dialog::kTransponderPanelIds)
            QVERIFY(!Shown(dlg, nId));
        QVERIFY(!Shown(dlg, IDC_RADIO_MOTOR));
        QVERIFY(!Shown(dlg, IDC_RADIO_USALS));
        for (int nId : {IDC_GRID_SAT_TV, IDC_GRID_SAT_RADIO, IDC_GRID_TERR_TV, IDC_GRID_TERR_RADIO})
            QVERIFY(!Shown(dlg, nId));

        // The transponder panel was the last one shown: it comes back with the tab.
        dlg.ShowSatellitePanel(FALSE);
        dlg.ShowTransponderPanel(TRUE);
        dlg.TabCtrl().setCurrentIndex(2);
        for (int nId : main_dialog::kTransponderPanelIds)
            QVERIFY(!Shown(dlg, nId));
        dlg.TabCtrl().setCurrentIndex(0);
        for (int nId : main_dialog::kTransponderPanelIds)
            QVERIFY(Shown(dlg, nId));
        for (int nId : main_dialog::kSatellitePanelIds)
            QVERIFY(!Shown(dlg, nId));

        // Other tab numbers change nothing.
        dlg.ShowTabView(5);
        dlg.ShowTabView(-1);
        QVERIFY(Shown(dlg, IDC_TREE));
    }

    void controlsSitAtTheTemplatesPlaces_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QRect>("units");
        QTest::newRow("tab") << 1005 << QRect(2, 2, 380, 326);
        QTest::newRow("tree") << 1007 << QRect(5, 19, 154, 279);
        for (int nId : {1061, 1064, 1066, 1067})
            QTest::newRow(qPrintable(QStringLiteral("grid %1").arg(nId)))
                << nId << QRect(8, 19, 371, 280);
        QTest::newRow("frame") << 1012 << QRect(162, 15, 217, 284);
        QTest::newRow("satellite title") << 1057 << QRect(189, 24, 176, 18);
        QTest::newRow("transponder title") << 1058 << QRect(189, 24, 176, 18);
        QTest::newRow("name label") << 1043 << QRect(176, 57, 55, 8);
        QTest::newRow("name edit") << 1014 << QRect(237, 54, 110, 14);
        QTest::newRow("position spin") << 1015 << QRect(279, 75, 9, 14);
        QTest::newRow("symbol rate edit") << 1022 << QRect(237, 75, 41, 14);
        QTest::newRow("ToneBurst radio") << 1062 << QRect(329, 96, 49, 10);
        QTest::newRow("Horizontal") << 1041 << QRect(237, 94, 48, 10);
        QTest::newRow("C-LNB label") << 1047 << QRect(168, 137, 63, 8);
        QTest::newRow("DiSEqC D") << 1038 << QRect(356, 236, 21, 10);
        QTest::newRow("USALS") << 1065 << QRect(329, 254, 38, 10);
        QTest::newRow("Delete") << 1010 << QRect(214, 304, 53, 17);
        QTest::newRow("Append") << 1009 << QRect(270, 304, 53, 17);
        QTest::newRow("Update") << 1011 << QRect(326, 304, 53, 17);
        QTest::newRow("Detail Info") << 1013 << QRect(326, 304, 53, 17);
    }
    void controlsSitAtTheTemplatesPlaces() {
        QFETCH(int, id);
        QFETCH(QRect, units);
        // Not shown yet: the controls are still where the template puts them.
        CEditorDlg dlg(m_prompt);
        const CDialogUnits du(dlg.font());
        const QRect expected = du.MapRect(units.x(), units.y(), units.width(), units.height());
        QWidget* control = dlg.ClientArea().findChild<QWidget*>(QString::number(id));
        QVERIFY(control != nullptr);
        QCOMPARE(control->geometry(), expected);
    }

    void combosKeepTheirPlaceAndTakeTheirOwnHeight() {
        CEditorDlg dlg(m_prompt);
        const CDialogUnits du(dlg.font());
        struct {
            int nId;
            int x, y, cx;
            bool bEditable;
        } const combos[] = {
            {1018, 237, 115, 128, true}, {1019, 237, 136, 128, true}, {1023, 237, 115, 50, false}};
        for (const auto& c : combos) {
            auto* combo = dlg.GetDlgItem<QComboBox>(c.nId);
            QVERIFY(combo != nullptr);
            QCOMPARE(combo->geometry().topLeft(), QPoint(du.X(c.x), du.Y(c.y)));
            QCOMPARE(combo->width(), du.X(c.x + c.cx) - du.X(c.x));
            QCOMPARE(combo->isEditable(), c.bEditable);
        }
    }

    void controlsHaveTheirKinds() {
        CEditorDlg dlg(m_prompt);
        QVERIFY(qobject_cast<QTabBar*>(dlg.GetDlgItem(IDC_TAB)));
        QVERIFY(qobject_cast<QTreeWidget*>(dlg.GetDlgItem(IDC_TREE)));
        QVERIFY(qobject_cast<QGroupBox*>(dlg.GetDlgItem(IDC_PANEL_FRAME)));
        for (int nId : {1061, 1064, 1066, 1067})
            QVERIFY(qobject_cast<CMSFlexGrid*>(dlg.GetDlgItem(nId)));
        for (int nId : {1014, 1016, 1020, 1022})
            QVERIFY(qobject_cast<QLineEdit*>(dlg.GetDlgItem(nId)));
        for (int nId : {1015, 1017, 1021})
            QVERIFY(qobject_cast<CSpinButtonCtrl*>(dlg.GetDlgItem(nId)));
        for (int nId = 1043; nId <= 1058; ++nId)
            QVERIFY(qobject_cast<QLabel*>(dlg.GetDlgItem(nId)));
        QCOMPARE(dlg.GetDlgItem<QLabel>(1057)->text(), QStringLiteral("Satellite Information"));
        QCOMPARE(dlg.GetDlgItem<QLabel>(1058)->text(), QStringLiteral("Transponder Information"));
        QCOMPARE(dlg.GetDlgItem<QLabel>(1047)->text(), QStringLiteral("C-LNB Frequency :"));
        std::vector<int> radios;
        for (int nId = 1027; nId <= 1042; ++nId)
            radios.push_back(nId);
        radios.insert(radios.end(), {1059, 1060, 1062, 1063, 1065});
        for (int nId : radios) {
            auto* radio = dlg.GetDlgItem<QRadioButton>(nId);
            QVERIFY(radio != nullptr);
            QVERIFY(!radio->autoExclusive());
        }
        QCOMPARE(dlg.GetDlgItem<QRadioButton>(1060)->text(), QStringLiteral("0V/12V"));
        const std::pair<int, const char*> buttons[] = {
            {1009, "Append"}, {1010, "Delete"}, {1011, "Update"}, {1013, "Detail Info"}};
        for (const auto& [nId, text] : buttons) {
            auto* button = dlg.GetDlgItem<QPushButton>(nId);
            QCOMPARE(button->text(), QString::fromLatin1(text));
            QVERIFY(!button->autoDefault());
        }
    }

    void spinStepsWithinItsRange() {
        CSpinButtonCtrl spin;
        spin.resize(14, 22);
        spin.SetRange(0, 2);
        spin.SetPos(1);
        std::vector<std::pair<int, int>> steps;
        connect(&spin, &CSpinButtonCtrl::Stepped,
                [&](int nPos, int nDelta) { steps.emplace_back(nPos, nDelta); });
        const auto buttons = spin.findChildren<QAbstractButton*>();
        QCOMPARE(buttons.size(), 2);
        buttons[0]->click(); // up
        buttons[0]->click(); // at the top: no step
        buttons[1]->click();
        QCOMPARE(spin.GetPos(), 1);
        QCOMPARE(steps, (std::vector<std::pair<int, int>>{{2, 1}, {1, -1}}));
        spin.SetPos(99);
        QCOMPARE(spin.GetPos(), 2);
    }

    void fillsTheDesktop() {
        CEditorDlg dlg(m_prompt);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(dlg.frameGeometry(), QGuiApplication::primaryScreen()->availableGeometry());
    }

    void enterAndEscDoNothing() {
        CEditorDlg dlg(m_prompt);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.GetDlgItem(IDC_EDIT_SAT_NAME)->setFocus();
        for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(&dlg, Qt::Key(key));
        QTest::keyClick(dlg.GetDlgItem(IDC_GRID_SAT_TV), Qt::Key_Escape);
        QVERIFY(dlg.isVisible());
        QVERIFY(dlg.GetStore() != nullptr);
    }

    void closeBoxEndsTheProgram() {
        CEditorDlg dlg(m_prompt);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QVERIFY(dlg.close());
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QVERIFY(dlg.GetStore() == nullptr);
    }

    void exitEndsTheProgram() {
        CEditorDlg dlg(m_prompt);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.GetMenuAction(32775)->trigger();
        QVERIFY(!dlg.isVisible());
        QVERIFY(dlg.GetStore() == nullptr);
        // With the store gone the views are left alone.
        dlg.ShowTabView(1);
        dlg.FillGrid(LIST_SAT_TV);
        QCOMPARE(dlg.Grid(LIST_SAT_TV).GetRows(), 1L);
    }

    void exitEndsAModalRun() {
        CEditorDlg dlg(m_prompt);
        QTimer::singleShot(0, &dlg, [&dlg] { dlg.OnCommand(32775); });
        QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(EditorWindowTest)
#include "editor_window.moc"
