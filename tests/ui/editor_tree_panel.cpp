// The satellite / transponder tree and the panel beside it: labels, reading numbers back,
// selections driving the panel and its buttons, every option value, the typed-number checks.
#include "controls.h"
#include "editor_dlg.h"
#include "main_dialog.h"
#include "number_text.h"
#include "prompt.h"
#include "store_builder.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const QString kSample = QStringLiteral(ORVANE_TEST_DATA "/../../res/sample.zdf");

QStringList Labels(const QTreeWidgetItem* parent, const QTreeWidget& tree) {
    QStringList labels;
    const int n = parent != nullptr ? parent->childCount() : tree.topLevelItemCount();
    for (int i = 0; i < n; ++i)
        labels << (parent != nullptr ? parent->child(i) : tree.topLevelItem(i))->text(0);
    return labels;
}

} // namespace

class EditorTreePanelTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;

    static bool Checked(CEditorDlg& dlg, int nId) {
        return dlg.GetDlgItem<QRadioButton>(nId)->isChecked();
    }
    static bool Enabled(CEditorDlg& dlg, int nId) { return dlg.GetDlgItem(nId)->isEnabled(); }
    static bool Shown(CEditorDlg& dlg, int nId) { return dlg.GetDlgItem(nId)->isVisibleTo(&dlg); }
    static QString Text(CEditorDlg& dlg, int nId) {
        if (auto* combo = dlg.GetDlgItem<QComboBox>(nId))
            return combo->currentText();
        return dlg.GetDlgItem<QLineEdit>(nId)->text();
    }
    static int Index(CEditorDlg& dlg, int nId) {
        return dlg.GetDlgItem<QComboBox>(nId)->currentIndex();
    }
    // Types into an edit as the user would: all its text selected, then the keys.
    static void Type(CEditorDlg& dlg, int nId, const QString& keys) {
        auto* edit = dlg.GetDlgItem<QLineEdit>(nId);
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }
    // Clicks a spin's up arrow (its first button).
    static void StepUp(CEditorDlg& dlg, int nSpinId) {
        auto buttons = dlg.GetDlgItem(nSpinId)->findChildren<QToolButton*>();
        QVERIFY(!buttons.isEmpty());
        QTest::mouseClick(buttons.first(), Qt::LeftButton);
    }
    static void Select(CEditorDlg& dlg, QTreeWidgetItem* item) { dlg.Tree().setCurrentItem(item); }

    // A window showing one satellite with the given record bytes.
    static void ShowSatellite(CEditorDlg& dlg, const SSAT_INFO& rec) {
        SSAT_INFO sat = rec;
        dlg.GetStore()->AppendSatellite(sat);
        dlg.TabCtrl().setCurrentIndex(0);
        dlg.BuildTree();
        Select(dlg, dlg.Tree().topLevelItem(0));
    }

  private slots:
    void numberReaders_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maxChars");
        QTest::addColumn<int>("decimal");
        QTest::addColumn<int>("tenths");
        QTest::newRow("empty") << "" << 0 << 0 << 0;
        QTest::newRow("blank one point") << " 1." << 0 << 1 << 10;
        QTest::newRow("19.2") << "19.2" << 0 << 192 << 192;
        QTest::newRow("19.25") << "19.25" << 0 << 1925 << 192;
        QTest::newRow("19") << "19" << 0 << 19 << 190;
        QTest::newRow("1234") << "1234" << 0 << 1234 << 12340;
        QTest::newRow("12a3") << "12a3" << 0 << 12 << 120;
        QTest::newRow("comma") << "1,5" << 0 << 15 << 150;
        QTest::newRow("two points") << "1..5" << 0 << 15 << 10;
        QTest::newRow("limited") << "123456" << 5 << 12345 << 123450;
        QTest::newRow("huge saturates") << QString(40, u'9') << 0 << 100000000 << 100000000;
    }
    void numberReaders() {
        QFETCH(QString, text);
        QFETCH(int, maxChars);
        QTEST(ParseDecimal(text, maxChars), "decimal");
        QTEST(ParseTenths(text, maxChars), "tenths");
    }

    void emptyStoreGivesOnlyTheNewSatellitePlaceholder() {
        CEditorDlg dlg(m_prompt);
        QCOMPARE(dlg.Tree().topLevelItemCount(), 0); // nothing before data is loaded
        dlg.ClearAllViews();
        dlg.BuildTree();
        QCOMPARE(Labels(nullptr, dlg.Tree()), QStringList{"00. New Satellite "});
        QCOMPARE(dlg.Tree().topLevelItem(0)->childCount(), 0);
    }

    void labelsAndPlaceholders() {
        CEditorDlg dlg(m_prompt);
        CStoreBuilder build(*dlg.GetStore());
        const BYTE a = build.Satellite("SAT-A", 192);
        build.Satellite("EMPTY", 3550);
        build.Transponder(a, 11494, 27500, true);
        build.Transponder(a, 10714, 22000, false);
        dlg.BuildTree();
        QCOMPARE(Labels(nullptr, dlg.Tree()),
                 (QStringList{" 1. SAT-A ( 19.2) ", " 2. EMPTY (355.0) ", "00. New Satellite "}));
        QCOMPARE(Labels(dlg.Tree().topLevelItem(0), dlg.Tree()),
                 (QStringList{"  1. 11494 - 27500 - H ", "  2. 10714 - 22000 - V ",
                              "000. New Transponder "}));
        QCOMPARE(Labels(dlg.Tree().topLevelItem(1), dlg.Tree()),
                 QStringList{"000. New Transponder "});
    }

    void numbersAreReadBackFromLabels() {
        CEditorDlg dlg(m_prompt);
        CStoreBuilder build(*dlg.GetStore());
        for (int i = 0; i < 100; ++i) // names that begin with digits do not disturb the number
            build.Satellite(qPrintable(QStringLiteral("%1E").arg(i % 10 + 10)),
                            static_cast<WORD>(10 + i));
        const BYTE last = 101;
        for (int t = 0; t < 255; ++t)
            build.Transponder(last, static_cast<WORD>(3000 + t * 100), 27500, false);
        dlg.TabCtrl().setCurrentIndex(0);
        dlg.BuildTree();
        QTreeWidgetItem* hundredth = dlg.Tree().topLevelItem(99);
        QVERIFY(hundredth->text(0).startsWith(QStringLiteral("100. 19E")));
        Select(dlg, hundredth);
        QCOMPARE(Text(dlg, IDC_EDIT_SAT_POSITION), QStringLiteral("10.9"));
        QCOMPARE(Text(dlg, IDC_EDIT_SAT_NAME), QStringLiteral("19E"));

        QTreeWidgetItem* tp255 = hundredth->child(254);
        QVERIFY(tp255->text(0).startsWith(QStringLiteral("255. 28400")));
        Select(dlg, tp255);
        QCOMPARE(Text(dlg, IDC_EDIT_FREQUENCY), QStringLiteral("28400"));

        Select(dlg, dlg.Tree().topLevelItem(9)); // "10. 19E"
        QCOMPARE(Text(dlg, IDC_EDIT_SAT_POSITION), QStringLiteral("1.9"));
    }

    void selectionDrivesPanelAndButtons() {
        CEditorDlg dlg(m_prompt);
        CStoreBuilder build(*dlg.GetStore());
        const BYTE a = build.Satellite("SAT-A", 192);
        build.Transponder(a, 11494, 27500, true);
        dlg.TabCtrl().setCurrentIndex(0);
        dlg.BuildTree();
        QVERIFY(!Enabled(dlg, IDC_BUTTON_APPEND)); // nothing chosen yet

        QTreeWidgetItem* sat = dlg.Tree().topLevelItem(0);
        Select(dlg, sat);
        QVERIFY(Shown(dlg, IDC_TITLE_SATELLITE) && !Shown(dlg, IDC_TITLE_TRANSPONDER));
        QVERIFY(!Enabled(dlg, IDC_BUTTON_APPEND));
        QVERIFY(Enabled(dlg, IDC_BUTTON_UPDATE) && Enabled(dlg, IDC_BUTTON_DELETE));
        QCOMPARE(Text(dlg, IDC_EDIT_SAT_NAME), QStringLiteral("SAT-A"));
        QCOMPARE(Text(dlg, IDC_EDIT_SAT_POSITION), QStringLiteral("19.2"));
        QCOMPARE(dlg.GetDlgItem<CSpinButtonCtrl>(IDC_SPIN_SAT_POSITION)->GetPos(), 19);

        Select(dlg, sat->child(0));
        QVERIFY(!Shown(dlg, IDC_TITLE_SATELLITE) && Shown(dlg, IDC_TITLE_TRANSPONDER));
        QVERIFY(Enabled(dlg, IDC_BUTTON_UPDATE) && !Enabled(dlg, IDC_BUTTON_APPEND));
        QCOMPARE(Text(dlg, IDC_EDIT_FREQUENCY), QStringLiteral("11494"));
        QCOMPARE(Text(dlg, IDC_EDIT_SYMBOL_RATE), QStringLiteral("27500"));
        QVERIFY(Checked(dlg, IDC_RADIO_HORIZONTAL) && !Checked(dlg, IDC_RADIO_VERTICAL));

        Select(dlg, sat->child(1)); // "000. New Transponder "
        QVERIFY(Enabled(dlg, IDC_BUTTON_APPEND) && !Enabled(dlg, IDC_BUTTON_UPDATE) &&
                !Enabled(dlg, IDC_BUTTON_DELETE));
        QCOMPARE(Text(dlg, IDC_EDIT_FREQUENCY), QStringLiteral("1000"));
        QCOMPARE(Text(dlg, IDC_EDIT_SYMBOL_RATE), QStringLiteral("1000"));
        QVERIFY(Checked(dlg, IDC_RADIO_VERTICAL) && !Checked(dlg, IDC_RADIO_HORIZONTAL));
        QCOMPARE(Text(dlg, IDC_COMBO_FEC), QStringLiteral("Auto"));

        Select(dlg, dlg.Tree().topLevelItem(1)); // "00. New Satellite "
        QVERIFY(Shown(dlg, IDC_TITLE_SATELLITE));
        QVERIFY(Enabled(dlg, IDC_BUTTON_APPEND) && !Enabled(dlg, IDC_BUTTON_UPDATE));
        QCOMPARE(Text(dlg, IDC_EDIT_SAT_NAME), QString());
        QCOMPARE(Text(dlg, IDC_EDIT_SAT_POSITION), QStringLiteral("0.0"));
        QVERIFY(Checked(dlg, IDC_RADIO_CKU_NONE));
        QVERIFY(!Enabled(dlg, IDC_COMBO_CLNB_FREQ));
        QCOMPARE(Index(dlg, IDC_COMBO_LNB_FREQ), 0);
        QCOMPARE(Index(dlg, IDC_COMBO_CLNB_FREQ), 0);
        for (int nId : {IDC_RADIO_LNB_POWER_ON, IDC_RADIO_22KHZ_OFF, IDC_RADIO_0V,
                        IDC_RADIO_TONEBURST_OFF, IDC_RADIO_DISEQC_NONE})
            QVERIFY(Checked(dlg, nId));
        // Neither placeholder changed the store.
        QCOMPARE(dlg.GetStore()->GetSatelliteCount(), 1);
        QCOMPARE(dlg.GetStore()->GetTransponderCount(), 1);
    }

    void lnbListShowsEntriesAndUserValues_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("freq");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("universal") << 0 << 0 << 0 << "Univ.LNB1(9750, 10600)";
        QTest::newRow("single 11475") << 12 << 11475 << 12 << "11475";
        QTest::newRow("user 9750 finds its entry") << 13 << 9750 << 5 << "9750";
        QTest::newRow("user 10100 is typed text") << 13 << 10100 << -1 << "10100";
        QTest::newRow("user 5750 searched after entry 4") << 20 << 5750 << 4 << "5750";
    }
    void lnbListShowsEntriesAndUserValues() {
        QFETCH(int, type);
        QFETCH(int, freq);
        CEditorDlg dlg(m_prompt);
        SSAT_INFO sat{};
        sat.wPosition = 130;
        sat.bLnbType = static_cast<BYTE>(type);
        sat.wLnbFreq = static_cast<WORD>(freq);
        ShowSatellite(dlg, sat);
        QTEST(Index(dlg, IDC_COMBO_LNB_FREQ), "index");
        QTEST(Text(dlg, IDC_COMBO_LNB_FREQ), "text");
        // The bound text is what the combo shows, so a later write keeps it.
        QTEST(dlg.m_strLnbFreq, "text");
    }

    void cLnbListShowsItsSelection_data() {
        QTest::addColumn<int>("selection");
        QTest::addColumn<int>("freq");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("0 acts as 2") << 0 << 0 << 0 << "C Single Solution(5150,5750)";
        QTest::newRow("1 acts as 2") << 1 << 0 << 0 << "C Single Solution(5150,5750)";
        QTest::newRow("3") << 3 << 0 << 1 << "C Normal LNB(5150)";
        QTest::newRow("4") << 4 << 0 << 2 << "5750";
        QTest::newRow("user 5750") << 5 << 5750 << 2 << "5750";
        QTest::newRow("user 5300") << 5 << 5300 << -1 << "5300";
        QTest::newRow("6") << 6 << 0 << 0 << "C Single Solution(5150,5750)";
    }
    void cLnbListShowsItsSelection() {
        QFETCH(int, selection);
        QFETCH(int, freq);
        CEditorDlg dlg(m_prompt);
        SSAT_INFO sat{};
        sat.wPosition = 130;
        sat.bCLnb = static_cast<BYTE>(selection);
        sat.wCLnbFreq = static_cast<WORD>(freq);
        sat.bCkuSwitch = 1;
        ShowSatellite(dlg, sat);
        QTEST(Index(dlg, IDC_COMBO_CLNB_FREQ), "index");
        QTEST(Text(dlg, IDC_COMBO_CLNB_FREQ), "text");
        QVERIFY(Enabled(dlg, IDC_COMBO_CLNB_FREQ));
    }

    void optionRowsShowStoredValues_data() {
        QTest::addColumn<int>("cku");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("diseqc");
        QTest::addColumn<QList<int>>("checked");
        QTest::newRow("all off") << 0 << 0x00 << 0
                                 << QList<int>{IDC_RADIO_CKU_NONE,      IDC_RADIO_LNB_POWER_OFF,
                                               IDC_RADIO_22KHZ_OFF,     IDC_RADIO_0V,
                                               IDC_RADIO_TONEBURST_OFF, IDC_RADIO_DISEQC_NONE};
        QTest::newRow("all on, sat A, port B")
            << 1 << 0x17 << 2
            << QList<int>{IDC_RADIO_CKU_0V12V, IDC_RADIO_LNB_POWER_ON, IDC_RADIO_22KHZ_ON,
                          IDC_RADIO_12V,       IDC_RADIO_TONEBURST_A,  IDC_RADIO_DISEQC_B};
        QTest::newRow("toneburst 3 shows sat B, C/KU 7 shows toneburst, port D")
            << 7 << 0x30 << 4
            << QList<int>{IDC_RADIO_CKU_TONEBURST, IDC_RADIO_TONEBURST_B, IDC_RADIO_DISEQC_D};
        QTest::newRow("diseqc 5 shows no port") << 3 << 0x20 << 5 << QList<int>{};
        QTest::newRow("diseqc 6 shows no port") << 3 << 0x20 << 6 << QList<int>{};
    }
    void optionRowsShowStoredValues() {
        QFETCH(int, cku);
        QFETCH(int, flags);
        QFETCH(int, diseqc);
        QFETCH(QList<int>, checked);
        CEditorDlg dlg(m_prompt);
        SSAT_INFO sat{};
        sat.wPosition = 130;
        sat.bCkuSwitch = static_cast<BYTE>(cku);
        sat.bSwitch = static_cast<BYTE>(flags);
        sat.bDiseqc = static_cast<BYTE>(diseqc);
        ShowSatellite(dlg, sat);
        for (int nId : checked)
            QVERIFY2(Checked(dlg, nId), qPrintable(QString::number(nId)));
        if (diseqc >= 5) {
            for (int nId : {IDC_RADIO_DISEQC_NONE, IDC_RADIO_DISEQC_A, IDC_RADIO_DISEQC_B,
                            IDC_RADIO_DISEQC_C, IDC_RADIO_DISEQC_D})
                QVERIFY(!Checked(dlg, nId));
        }
        // One button per row.
        int nChecked = 0;
        for (int nId = IDC_RADIO_LNB_POWER_OFF; nId <= IDC_RADIO_VERTICAL; ++nId)
            nChecked += Checked(dlg, nId) ? 1 : 0;
        QCOMPARE(nChecked, diseqc >= 5 ? 4 : 5);
        QCOMPARE(Enabled(dlg, IDC_COMBO_CLNB_FREQ), cku != 0);
    }

    void clickingARowKeepsItExclusiveAndSwitchesTheCLnbList() {
        CEditorDlg dlg(m_prompt);
        dlg.TabCtrl().setCurrentIndex(0);
        dlg.FillSatellitePanel(0);
        QTest::mouseClick(dlg.GetDlgItem(IDC_RADIO_CKU_TONEBURST), Qt::LeftButton);
        QVERIFY(Checked(dlg, IDC_RADIO_CKU_TONEBURST) && !Checked(dlg, IDC_RADIO_CKU_NONE));
        QVERIFY(Enabled(dlg, IDC_COMBO_CLNB_FREQ));
        QTest::mouseClick(dlg.GetDlgItem(IDC_RADIO_DISEQC_C), Qt::LeftButton);
        QVERIFY(Checked(dlg, IDC_RADIO_DISEQC_C) && !Checked(dlg, IDC_RADIO_DISEQC_NONE));
        QTest::mouseClick(dlg.GetDlgItem(IDC_RADIO_CKU_NONE), Qt::LeftButton);
        QVERIFY(!Enabled(dlg, IDC_COMBO_CLNB_FREQ));
        QVERIFY(Checked(dlg, IDC_RADIO_DISEQC_C)); // other rows keep their choice
    }

    void fecShowsAutoForUnknownValues_data() {
        QTest::addColumn<int>("attribute");
        QTest::addColumn<QString>("fec");
        QTest::newRow("3/4") << 0x31 << "3/4";
        QTest::newRow("7/8") << 0x50 << "7/8";
        QTest::newRow("6 is Auto") << 0x60 << "Auto";
        QTest::newRow("7 is Auto") << 0x71 << "Auto";
    }
    void fecShowsAutoForUnknownValues() {
        QFETCH(int, attribute);
        CEditorDlg dlg(m_prompt);
        CStoreBuilder build(*dlg.GetStore());
        const BYTE a = build.Satellite("SAT-A", 192);
        build.Transponder(a, 11494, 27500, false);
        dlg.GetStore()->GetTransponder(a, 1)->attribute = static_cast<BYTE>(attribute);
        dlg.TabCtrl().setCurrentIndex(0);
        dlg.BuildTree();
        Select(dlg, dlg.Tree().topLevelItem(0)->child(0));
        QTEST(Text(dlg, IDC_COMBO_FEC), "fec");
        QCOMPARE(Checked(dlg, IDC_RADIO_HORIZONTAL), (attribute & 1) != 0);
    }

    void typedNumbersAreCheckedOnEveryKey_data() {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("position 360.0 accepted") << IDC_EDIT_SAT_POSITION << "360.0"
                                                 << "360.0";
        QTest::newRow("position 360.1 undone") << IDC_EDIT_SAT_POSITION << "360.1"
                                               << "360.0";
        QTest::newRow("position 19.2") << IDC_EDIT_SAT_POSITION << "19.2"
                                       << "19.2";
        QTest::newRow("position 1 becomes 1.0") << IDC_EDIT_SAT_POSITION << "1"
                                                << "1.0";
        QTest::newRow("frequency 30000") << IDC_EDIT_FREQUENCY << "30000"
                                         << "30000";
        QTest::newRow("frequency 30001 undone") << IDC_EDIT_FREQUENCY << "30001"
                                                << "3000";
        QTest::newRow("frequency leading zeros") << IDC_EDIT_FREQUENCY << "0012"
                                                 << "12";
        QTest::newRow("symbol rate 60000") << IDC_EDIT_SYMBOL_RATE << "60000"
                                           << "60000";
        QTest::newRow("symbol rate 60001 undone") << IDC_EDIT_SYMBOL_RATE << "60001"
                                                  << "6000";
    }
    void typedNumbersAreCheckedOnEveryKey() {
        QFETCH(int, edit);
        QFETCH(QString, keys);
        CEditorDlg dlg(m_prompt);
        dlg.TabCtrl().setCurrentIndex(0);
        dlg.show();
        Type(dlg, edit, keys);
        QTEST(Text(dlg, edit), "shown");
    }

    void blankPositionReadsAsZero() {
        CEditorDlg dlg(m_prompt);
        dlg.TabCtrl().setCurrentIndex(0);
        dlg.show();
        Type(dlg, IDC_EDIT_SAT_POSITION, QStringLiteral("19.2"));
        auto* edit = dlg.GetDlgItem<QLineEdit>(IDC_EDIT_SAT_POSITION);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text(), QStringLiteral("0.0"));
        QCOMPARE(dlg.GetDlgItem<CSpinButtonCtrl>(IDC_SPIN_SAT_POSITION)->GetPos(), 0);
    }

    void spinStepsKeepTheTenths() {
        CEditorDlg dlg(m_prompt);
        dlg.TabCtrl().setCurrentIndex(0);
        dlg.show();
        Type(dlg, IDC_EDIT_SAT_POSITION, QStringLiteral("19.2"));
        StepUp(dlg, IDC_SPIN_SAT_POSITION);
        QCOMPARE(Text(dlg, IDC_EDIT_SAT_POSITION), QStringLiteral("20.2"));
        QCOMPARE(dlg.GetDlgItem<CSpinButtonCtrl>(IDC_SPIN_SAT_POSITION)->GetPos(), 20);
        Type(dlg, IDC_EDIT_FREQUENCY, QStringLiteral("11494"));
        StepUp(dlg, IDC_SPIN_FREQUENCY);
        QCOMPARE(Text(dlg, IDC_EDIT_FREQUENCY), QStringLiteral("11495"));
    }

    void sampleDatabaseTreeAndScreenshot() {
        CEditorDlg dlg(m_prompt);
        dlg.OpenDataFile(kSample);
        QVERIFY(m_prompt.m_shown.empty());
        const CChannelStore& store = *dlg.GetStore();
        QCOMPARE(dlg.Tree().topLevelItemCount(), store.GetSatelliteCount() + 1);
        int nTransponders = 0;
        for (int i = 0; i < store.GetSatelliteCount(); ++i)
            nTransponders += dlg.Tree().topLevelItem(i)->childCount() - 1;
        QCOMPARE(nTransponders, int(store.GetTransponderCount()));

        dlg.TabCtrl().setCurrentIndex(0);
        QTreeWidgetItem* sat = dlg.Tree().topLevelItem(0);
        sat->setExpanded(true);
        Select(dlg, sat);
        const QString dir = qEnvironmentVariable("ORVANE_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            dlg.resize(1024, 700);
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            QVERIFY(dlg.grab().save(QDir(dir).filePath(QStringLiteral("tree_satellite.png"))));
            Select(dlg, sat->child(0));
            QVERIFY(dlg.grab().save(QDir(dir).filePath(QStringLiteral("tree_transponder.png"))));
            dlg.TabCtrl().setCurrentIndex(1);
            QVERIFY(dlg.grab().save(QDir(dir).filePath(QStringLiteral("grid_sat_tv.png"))));
        }
    }
};

QTEST_MAIN(EditorTreePanelTest)
#include "editor_tree_panel.moc"
