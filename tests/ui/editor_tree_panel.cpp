// The satellite / transponder tree and the panel beside it: labels, reading numbers back,
// selections driving the panel and its buttons, every option value, the typed-number checks.
#include "controls.h"
#include "editor_dlg.h"
#include "main_dialog.h"
#include "number_text.h"
#include "scripted_prompt.h"
#include "store_builders.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const QString kSample = QStringLiteral(ORVANE_TEST_DATA "/../../res/sample.zdf");

QStringList Labels(const QTreeWidgetItem* parent) {
    QStringList labels;
    for (int i = 0; i < parent->childCount(); ++i)
        labels << parent->child(i)->text(0);
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
    // The enabled ones of Append, Update and Delete, as "AUD" with dashes for disabled ones.
    static QString Buttons(CEditorDlg& dlg) {
        return QString(Enabled(dlg, IDC_BUTTON_APPEND) ? 'A' : '-') +
               (Enabled(dlg, IDC_BUTTON_UPDATE) ? 'U' : '-') +
               (Enabled(dlg, IDC_BUTTON_DELETE) ? 'D' : '-');
    }
    static QString Text(CEditorDlg& dlg, int nId) {
        if (auto* combo = dlg.GetDlgItem<QComboBox>(nId))
            return combo->currentText();
        return dlg.GetDlgItem<QLineEdit>(nId)->text();
    }
    static int Index(CEditorDlg& dlg, int nId) {
        return dlg.GetDlgItem<QComboBox>(nId)->currentIndex();
    }
    static int SpinPos(CEditorDlg& dlg, int nId) {
        return dlg.GetDlgItem<CSpinButtonCtrl>(nId)->GetPos();
    }
    // Types into an edit as the user would: all its text selected, then the keys.
    static void Type(CEditorDlg& dlg, int nId, const QString& keys) {
        auto* combo = dlg.GetDlgItem<QComboBox>(nId);
        auto* edit = combo != nullptr ? combo->lineEdit() : dlg.GetDlgItem<QLineEdit>(nId);
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
    static void ShowTree(CEditorDlg& dlg) {
        dlg.TabCtrl().setCurrentIndex(0);
        dlg.BuildTree();
    }
    // A window showing one satellite with the given record bytes.
    static void ShowSatellite(CEditorDlg& dlg, SSAT_INFO sat) {
        sat.wPosition = 130;
        dlg.GetStore()->AppendSatellite(sat);
        ShowTree(dlg);
        Select(dlg, dlg.Tree().topLevelItem(0));
    }
    // The empty panel, shown, for typing into.
    static void ShowPanel(CEditorDlg& dlg) {
        dlg.TabCtrl().setCurrentIndex(0);
        dlg.show();
    }

  private slots:
    // Stray characters end the number; a length limit cuts it; huge ones saturate.
    void numberReaders() {
        const struct {
            const char* text;
            int nMaxChars, nDecimal, nTenths;
        } cases[] = {{"", 0, 0, 0},         {" 1.", 0, 1, 10},
                     {"19.2", 0, 192, 192}, {"19.25", 0, 1925, 192},
                     {"19", 0, 19, 190},    {"1234", 0, 1234, 12340},
                     {"12a3", 0, 12, 120},  {"1,5", 0, 15, 150},
                     {"1..5", 0, 15, 10},   {"123456", 5, 12345, 123450}};
        for (const auto& c : cases) {
            QCOMPARE(ParseDecimal(QString(c.text), c.nMaxChars), c.nDecimal);
            QCOMPARE(ParseTenths(QString(c.text), c.nMaxChars), c.nTenths);
        }
        QCOMPARE(ParseDecimal(QString(40, u'9'), 0), 100000000);
        QCOMPARE(ParseTenths(QString(40, u'9'), 0), 100000000);
    }

    void labelsAndPlaceholders() {
        CEditorDlg empty(m_prompt);
        QCOMPARE(empty.Tree().topLevelItemCount(), 0); // nothing before data is loaded
        empty.ClearAllViews();
        empty.BuildTree();
        QCOMPARE(Labels(empty.Tree().invisibleRootItem()), QStringList{"00. New Satellite "});
        QCOMPARE(empty.Tree().topLevelItem(0)->childCount(), 0);

        CEditorDlg dlg(m_prompt);
        CStoreBuilder build(*dlg.GetStore());
        const BYTE a = build.Satellite("SAT-A", 192);
        build.Satellite("EMPTY", 3550);
        build.Transponder(a, 11494, 27500, true);
        build.Transponder(a, 10714, 22000, false);
        dlg.BuildTree();
        QCOMPARE(Labels(dlg.Tree().invisibleRootItem()),
                 (QStringList{" 1. SAT-A ( 19.2) ", " 2. EMPTY (355.0) ", "00. New Satellite "}));
        QCOMPARE(Labels(dlg.Tree().topLevelItem(0)),
                 (QStringList{"  1. 11494 - 27500 - H ", "  2. 10714 - 22000 - V ",
                              "000. New Transponder "}));
        QCOMPARE(Labels(dlg.Tree().topLevelItem(1)), QStringList{"000. New Transponder "});
    }

    void numbersAreReadBackFromLabels() {
        CEditorDlg dlg(m_prompt);
        CStoreBuilder build(*dlg.GetStore());
        for (int i = 0; i < 100; ++i) // names that begin with digits do not disturb the number
            build.Satellite(qPrintable(QStringLiteral("%1E").arg(i % 10 + 10)),
                            static_cast<WORD>(10 + i));
        for (int t = 0; t < 255; ++t)
            build.Transponder(101, static_cast<WORD>(3000 + t * 100), 27500, false);
        ShowTree(dlg);
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
        build.Transponder(build.Satellite("SAT-A", 192), 11494, 27500, true);
        ShowTree(dlg);
        QCOMPARE(Buttons(dlg), QStringLiteral("---")); // nothing chosen yet

        QTreeWidgetItem* sat = dlg.Tree().topLevelItem(0);
        Select(dlg, sat);
        QVERIFY(Shown(dlg, IDC_TITLE_SATELLITE) && !Shown(dlg, IDC_TITLE_TRANSPONDER));
        QCOMPARE(Buttons(dlg), QStringLiteral("-UD"));
        QCOMPARE(Text(dlg, IDC_EDIT_SAT_NAME), QStringLiteral("SAT-A"));
        QCOMPARE(Text(dlg, IDC_EDIT_SAT_POSITION), QStringLiteral("19.2"));
        QCOMPARE(SpinPos(dlg, IDC_SPIN_SAT_POSITION), 19);

        Select(dlg, sat->child(0));
        QVERIFY(!Shown(dlg, IDC_TITLE_SATELLITE) && Shown(dlg, IDC_TITLE_TRANSPONDER));
        QCOMPARE(Buttons(dlg), QStringLiteral("-UD"));
        QCOMPARE(Text(dlg, IDC_EDIT_FREQUENCY), QStringLiteral("11494"));
        QCOMPARE(Text(dlg, IDC_EDIT_SYMBOL_RATE), QStringLiteral("27500"));
        QVERIFY(Checked(dlg, IDC_RADIO_HORIZONTAL) && !Checked(dlg, IDC_RADIO_VERTICAL));

        Select(dlg, sat->child(1)); // "000. New Transponder "
        QCOMPARE(Buttons(dlg), QStringLiteral("A--"));
        QCOMPARE(Text(dlg, IDC_EDIT_FREQUENCY), QStringLiteral("1000"));
        QCOMPARE(Text(dlg, IDC_EDIT_SYMBOL_RATE), QStringLiteral("1000"));
        QVERIFY(Checked(dlg, IDC_RADIO_VERTICAL) && !Checked(dlg, IDC_RADIO_HORIZONTAL));
        QCOMPARE(Text(dlg, IDC_COMBO_FEC), QStringLiteral("Auto"));

        Select(dlg, dlg.Tree().topLevelItem(1)); // "00. New Satellite "
        QVERIFY(Shown(dlg, IDC_TITLE_SATELLITE));
        QCOMPARE(Buttons(dlg), QStringLiteral("A--"));
        QCOMPARE(Text(dlg, IDC_EDIT_SAT_NAME), QString());
        QCOMPARE(Text(dlg, IDC_EDIT_SAT_POSITION), QStringLiteral("0.0"));
        QVERIFY(!Enabled(dlg, IDC_COMBO_CLNB_FREQ));
        QCOMPARE(Index(dlg, IDC_COMBO_LNB_FREQ), 0);
        QCOMPARE(Index(dlg, IDC_COMBO_CLNB_FREQ), 0);
        for (int nId : {IDC_RADIO_CKU_NONE, IDC_RADIO_LNB_POWER_ON, IDC_RADIO_22KHZ_OFF,
                        IDC_RADIO_0V, IDC_RADIO_TONEBURST_OFF, IDC_RADIO_DISEQC_NONE})
            QVERIFY(Checked(dlg, nId));
        // Neither placeholder changed the store.
        QCOMPARE(dlg.GetStore()->GetSatelliteCount(), 1);
        QCOMPARE(dlg.GetStore()->GetTransponderCount(), 1);

        // A click keeps its row exclusive; the C/KU row switches the C-LNB list.
        QTest::mouseClick(dlg.GetDlgItem(IDC_RADIO_CKU_TONEBURST), Qt::LeftButton);
        QVERIFY(Checked(dlg, IDC_RADIO_CKU_TONEBURST) && !Checked(dlg, IDC_RADIO_CKU_NONE));
        QVERIFY(Enabled(dlg, IDC_COMBO_CLNB_FREQ));
        QTest::mouseClick(dlg.GetDlgItem(IDC_RADIO_DISEQC_C), Qt::LeftButton);
        QVERIFY(Checked(dlg, IDC_RADIO_DISEQC_C) && !Checked(dlg, IDC_RADIO_DISEQC_NONE));
        QTest::mouseClick(dlg.GetDlgItem(IDC_RADIO_CKU_NONE), Qt::LeftButton);
        QVERIFY(!Enabled(dlg, IDC_COMBO_CLNB_FREQ));
        QVERIFY(Checked(dlg, IDC_RADIO_DISEQC_C)); // other rows keep their choice
    }

    // Entries of the list are selected (a user 9750 finds its entry, a user 5750 is searched
    // for after entry 4); other user values stay as typed text. C-LNB 0, 1 and 6 act as 2.
    // The cases give the combo, the LNB type or C-LNB selection and frequency stored, and the
    // entry and text shown.
    void lnbListsShowEntriesAndUserValues() {
        const int kLnb = IDC_COMBO_LNB_FREQ, kCLnb = IDC_COMBO_CLNB_FREQ;
        const char *kUniv = "Univ.LNB1(9750, 10600)", *kSingle = "C Single Solution(5150,5750)",
                   *kNormal = "C Normal LNB(5150)";
        const struct {
            int nCombo;
            BYTE nSelection;
            WORD wFreq;
            int nIndex;
            const char* text;
        } cases[] = {{kLnb, 0, 0, 0, kUniv},       {kLnb, 12, 11475, 12, "11475"},
                     {kLnb, 13, 9750, 5, "9750"},  {kLnb, 13, 10100, -1, "10100"},
                     {kLnb, 20, 5750, 4, "5750"},  {kCLnb, 0, 0, 0, kSingle},
                     {kCLnb, 1, 0, 0, kSingle},    {kCLnb, 3, 0, 1, kNormal},
                     {kCLnb, 4, 0, 2, "5750"},     {kCLnb, 5, 5750, 2, "5750"},
                     {kCLnb, 5, 5300, -1, "5300"}, {kCLnb, 6, 0, 0, kSingle}};
        for (const auto& c : cases) {
            CEditorDlg dlg(m_prompt);
            SSAT_INFO sat{};
            (c.nCombo == kLnb ? sat.bLnbType : sat.bCLnb) = c.nSelection;
            (c.nCombo == kLnb ? sat.wLnbFreq : sat.wCLnbFreq) = c.wFreq;
            sat.bCkuSwitch = c.nCombo == kCLnb ? 1 : 0; // the C-LNB list in use
            ShowSatellite(dlg, sat);
            QCOMPARE(Index(dlg, c.nCombo), c.nIndex);
            QCOMPARE(Text(dlg, c.nCombo), QString(c.text));
            // The bound text is what the combo shows, so a later write keeps it.
            if (c.nCombo == kLnb)
                QCOMPARE(dlg.m_strLnbFreq, QString(c.text));
        }
    }

    // One button per row; an unknown DiSEqC value checks none of its row.
    void optionRowsShowStoredValues() {
        const struct {
            BYTE nCku, nFlags, nDiseqc;
            std::vector<int> checked;
        } cases[] = {
            {0,
             0x00,
             0,
             {IDC_RADIO_CKU_NONE, IDC_RADIO_LNB_POWER_OFF, IDC_RADIO_22KHZ_OFF, IDC_RADIO_0V,
              IDC_RADIO_TONEBURST_OFF, IDC_RADIO_DISEQC_NONE}},
            {1,
             0x17,
             2,
             {IDC_RADIO_CKU_0V12V, IDC_RADIO_LNB_POWER_ON, IDC_RADIO_22KHZ_ON, IDC_RADIO_12V,
              IDC_RADIO_TONEBURST_A, IDC_RADIO_DISEQC_B}},
            // Toneburst 3 shows sat B, C/KU 7 shows toneburst.
            {7, 0x30, 4, {IDC_RADIO_CKU_TONEBURST, IDC_RADIO_TONEBURST_B, IDC_RADIO_DISEQC_D}},
            {3, 0x20, 5, {}},
            {3, 0x20, 6, {}}};
        for (const auto& c : cases) {
            CEditorDlg dlg(m_prompt);
            SSAT_INFO sat{};
            sat.bCkuSwitch = c.nCku;
            sat.bSwitch = c.nFlags;
            sat.bDiseqc = c.nDiseqc;
            ShowSatellite(dlg, sat);
            for (int nId : c.checked)
                QVERIFY2(Checked(dlg, nId), qPrintable(QString::number(nId)));
            int nChecked = 0;
            for (int nId = IDC_RADIO_LNB_POWER_OFF; nId <= IDC_RADIO_VERTICAL; ++nId)
                nChecked += Checked(dlg, nId) ? 1 : 0;
            QCOMPARE(nChecked, c.nDiseqc >= 5 ? 4 : 5);
            for (int nId : {IDC_RADIO_DISEQC_NONE, IDC_RADIO_DISEQC_A, IDC_RADIO_DISEQC_B,
                            IDC_RADIO_DISEQC_C, IDC_RADIO_DISEQC_D})
                QVERIFY(c.nDiseqc < 5 || !Checked(dlg, nId));
            QCOMPARE(Enabled(dlg, IDC_COMBO_CLNB_FREQ), c.nCku != 0);
        }
    }

    void fecShowsAutoForUnknownValues() {
        for (const auto& [attribute, fec] : {std::pair(0x31, "3/4"), std::pair(0x50, "7/8"),
                                             std::pair(0x60, "Auto"), std::pair(0x71, "Auto")}) {
            CEditorDlg dlg(m_prompt);
            CStoreBuilder build(*dlg.GetStore());
            const BYTE a = build.Satellite("SAT-A", 192);
            build.Transponder(a, 11494, 27500, false);
            dlg.GetStore()->GetTransponder(a, 1)->attribute = static_cast<BYTE>(attribute);
            ShowTree(dlg);
            Select(dlg, dlg.Tree().topLevelItem(0)->child(0));
            QCOMPARE(Text(dlg, IDC_COMBO_FEC), QString(fec));
            QCOMPARE(Checked(dlg, IDC_RADIO_HORIZONTAL), (attribute & 1) != 0);
        }
    }

    // Each key is checked: one that takes the value past its limit is undone.
    void typedNumbersAreCheckedOnEveryKey() {
        const struct {
            int nEdit;
            const char *keys, *shown;
        } cases[] = {
            {IDC_EDIT_SAT_POSITION, "360.0", "360.0"}, {IDC_EDIT_SAT_POSITION, "360.1", "360.0"},
            {IDC_EDIT_SAT_POSITION, "19.2", "19.2"},   {IDC_EDIT_SAT_POSITION, "1", "1.0"},
            {IDC_EDIT_FREQUENCY, "30000", "30000"},    {IDC_EDIT_FREQUENCY, "30001", "3000"},
            {IDC_EDIT_FREQUENCY, "0012", "12"},        {IDC_EDIT_SYMBOL_RATE, "60000", "60000"},
            {IDC_EDIT_SYMBOL_RATE, "60001", "6000"},   {IDC_COMBO_LNB_FREQ, "65535", "65535"},
            {IDC_COMBO_LNB_FREQ, "70000", "7000"}};
        for (const auto& c : cases) {
            CEditorDlg dlg(m_prompt);
            ShowPanel(dlg);
            Type(dlg, c.nEdit, QString(c.keys));
            QCOMPARE(Text(dlg, c.nEdit), QString(c.shown));
        }
    }

    // Spin steps keep the tenths; a blank position reads as zero.
    void spinFollowsThePositionEdit() {
        CEditorDlg dlg(m_prompt);
        ShowPanel(dlg);
        Type(dlg, IDC_EDIT_SAT_POSITION, QStringLiteral("19.2"));
        StepUp(dlg, IDC_SPIN_SAT_POSITION);
        QCOMPARE(Text(dlg, IDC_EDIT_SAT_POSITION), QStringLiteral("20.2"));
        QCOMPARE(SpinPos(dlg, IDC_SPIN_SAT_POSITION), 20);
        auto* edit = dlg.GetDlgItem<QLineEdit>(IDC_EDIT_SAT_POSITION);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text(), QStringLiteral("0.0"));
        QCOMPARE(SpinPos(dlg, IDC_SPIN_SAT_POSITION), 0);
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
        if (dir.isEmpty())
            return;
        dlg.resize(1024, 700);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QVERIFY(dlg.grab().save(QDir(dir).filePath(QStringLiteral("tree_satellite.png"))));
        Select(dlg, sat->child(0));
        QVERIFY(dlg.grab().save(QDir(dir).filePath(QStringLiteral("tree_transponder.png"))));
        dlg.TabCtrl().setCurrentIndex(1);
        QVERIFY(dlg.grab().save(QDir(dir).filePath(QStringLiteral("grid_sat_tv.png"))));
    }
};

QTEST_MAIN(EditorTreePanelTest)
#include "editor_tree_panel.moc"
