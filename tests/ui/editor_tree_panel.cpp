// The satellite / transponder tree and the panel beside it: labels, selections driving the panel
// and its buttons, every option value, the typed-number checks.
#include "controls.h"
#include "satellite_page.h"
#include "satellite_panel.h"
#include "window_test_util.h"

#include <QRadioButton>
#include <QToolButton>

namespace {

// The option rows, in the panel's order: C/KU, LNB power, 22 kHz, 0/12 V, ToneBurst, DiSEqC,
// polarisation.
const std::vector<std::vector<int>> kOptionRows = {
    {IDC_RADIO_CKU_NONE, IDC_RADIO_CKU_0V12V, IDC_RADIO_CKU_TONEBURST},
    {IDC_RADIO_LNB_POWER_OFF, IDC_RADIO_LNB_POWER_ON},
    {IDC_RADIO_22KHZ_OFF, IDC_RADIO_22KHZ_ON},
    {IDC_RADIO_0V, IDC_RADIO_12V},
    {IDC_RADIO_TONEBURST_OFF, IDC_RADIO_TONEBURST_A, IDC_RADIO_TONEBURST_B},
    {IDC_RADIO_DISEQC_NONE, IDC_RADIO_DISEQC_A, IDC_RADIO_DISEQC_B, IDC_RADIO_DISEQC_C,
     IDC_RADIO_DISEQC_D},
    {IDC_RADIO_VERTICAL, IDC_RADIO_HORIZONTAL}};

} // namespace

class EditorTreePanelTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;

    static bool Enabled(CEditorDlg& dlg, int nId) { return dlg.GetDlgItem(nId)->isEnabled(); }
    // Per option row the checked button's place, '-' for none, '+' for more than one.
    static QString Options(CEditorDlg& dlg) {
        QString options;
        for (const std::vector<int>& row : kOptionRows) {
            QString checked;
            for (std::size_t i = 0; i < row.size(); ++i)
                if (dlg.GetDlgItem<QRadioButton>(row[i])->isChecked())
                    checked += QString::number(i);
            options += checked.isEmpty() ? QStringLiteral("-") : checked.size() > 1 ? "+" : checked;
        }
        return options;
    }
    // The panel shown (S or T), Append, Update and Delete as "AUD" with dashes for greyed ones,
    // the edits' texts, the FEC and the spins' positions.
    static QString Panel(CEditorDlg& dlg) {
        const bool bSatellite = dlg.GetDlgItem(IDC_TITLE_SATELLITE)->isVisibleTo(&dlg);
        QStringList panel{QString(bSatellite ? "S" : "") +
                          (dlg.GetDlgItem(IDC_TITLE_TRANSPONDER)->isVisibleTo(&dlg) ? "T" : "") +
                          ' ' + Buttons(dlg)};
        const auto spin = [&](int nId) {
            return QString::number(dlg.GetDlgItem<CSpinButtonCtrl>(nId)->GetPos());
        };
        if (bSatellite)
            panel << Text(dlg, IDC_EDIT_SAT_NAME) << Text(dlg, IDC_EDIT_SAT_POSITION)
                  << spin(IDC_SPIN_SAT_POSITION);
        else
            panel << Text(dlg, IDC_EDIT_FREQUENCY) << Text(dlg, IDC_EDIT_SYMBOL_RATE)
                  << Text(dlg, IDC_COMBO_FEC) << spin(IDC_SPIN_FREQUENCY)
                  << spin(IDC_SPIN_SYMBOL_RATE);
        return panel.join('|') + ' ' + Options(dlg);
    }
    static void Select(CEditorDlg& dlg, QTreeWidgetItem* item) { dlg.Tree().setCurrentItem(item); }
    static void ShowTree(CEditorDlg& dlg) { dlg.TabCtrl().setCurrentIndex(0); }
    // A window showing one satellite with the given record bytes and a transponder with the
    // given attribute.
    static void ShowSatellite(CEditorDlg& dlg, SSAT_INFO sat, BYTE attribute = 0) {
        Load(dlg, [&](CChannelStore& store) {
            sat.wPosition = 130;
            store.AppendSatellite(sat);
            AppendTp(store, 2, 11494);
            ChangeTransponder(store, 2, 1, [&](STP_INFO& tp) { tp.attribute = attribute; });
        });
        ShowTree(dlg);
        Select(dlg, dlg.Tree().topLevelItem(0));
    }

  private slots:
    // Nothing before data is loaded, then the placeholders. An item is known by its records:
    // names that begin with digits do not disturb it.
    void labelsAndSelections() {
        CEditorDlg dlg(m_prompt);
        QCOMPARE(dlg.Tree().topLevelItemCount(), 0);
        dlg.OnCommand(ID_FILE_NEW);
        ShowTree(dlg);
        QCOMPARE(Labels(dlg.Tree()), QStringList{"00. New Satellite "});
        QCOMPARE(dlg.Tree().topLevelItem(0)->childCount(), 0);
        Load(dlg, [](CChannelStore& store) {
            CStoreBuilder build(store);
            const BYTE a = build.Satellite("SAT-A", 192);
            build.Satellite("EMPTY", 3550);
            build.Transponder(a, 11494, 27500, true);
            build.Transponder(a, 10714, 22000, false);
            for (int i = 2; i < 100; ++i)
                build.Satellite(qPrintable(QStringLiteral("%1E").arg(i % 10 + 10)), WORD(10 + i));
        });
        ShowTree(dlg);
        QCOMPARE(Labels(dlg.Tree()).mid(0, 3),
                 (QStringList{" 1. SAT-A ( 19.2) ", " 2. EMPTY (355.0) ", " 3. 12E (  1.2) "}));
        QCOMPARE(Labels(dlg.Tree(), dlg.Tree().topLevelItem(0)),
                 (QStringList{"  1. 11494 - 27500 - H ", "  2. 10714 - 22000 - V ",
                              "000. New Transponder "}));
        QCOMPARE(Labels(dlg.Tree(), dlg.Tree().topLevelItem(1)),
                 QStringList{"000. New Transponder "});
        // The placeholders show the defaults and change nothing; a click keeps its row
        // exclusive and the C/KU row switches the C-LNB list.
        QCOMPARE(Panel(dlg).left(5), QStringLiteral("S ---")); // nothing chosen yet
        QTreeWidgetItem* sat = dlg.Tree().topLevelItem(0);
        QTreeWidgetItem* hundredth = dlg.Tree().topLevelItem(99);
        const std::pair<QTreeWidgetItem*, const char*> panels[] = {
            {hundredth, "S -UD|19E|10.9|109 000000-"},
            {sat, "S -UD|SAT-A|19.2|192 000000-"},
            {sat->child(0), "T -UD|11494|27500|Auto|11494|27500 0000001"},
            {sat->child(2), "T A--|1000|1000|Auto|1000|1000 0000000"}, // "000. New Transponder "
            {dlg.Tree().topLevelItem(100), "S A--||0.0|0 0100000"},    // "00. New Satellite "
        };
        for (const auto& [item, panel] : panels) {
            Select(dlg, item);
            QCOMPARE(Panel(dlg), QString::fromLatin1(panel));
        }
        Select(dlg, dlg.Tree().topLevelItem(9)); // "10. 19E"
        QCOMPARE(Text(dlg, IDC_EDIT_SAT_POSITION), QStringLiteral("1.9"));
        Select(dlg, dlg.Tree().topLevelItem(100));
        QVERIFY(!Enabled(dlg, IDC_COMBO_CLNB_FREQ));
        QCOMPARE(Text(dlg, IDC_COMBO_LNB_FREQ) + '|' + Text(dlg, IDC_COMBO_CLNB_FREQ),
                 QStringLiteral("Univ.LNB1(9750, 10600)|C Single Solution(5150,5750)"));
        for (int nId : {IDC_RADIO_CKU_TONEBURST, IDC_RADIO_DISEQC_C})
            QTest::mouseClick(dlg.GetDlgItem(nId), Qt::LeftButton);
        QCOMPARE(Options(dlg), QStringLiteral("2100030"));
        QVERIFY(Enabled(dlg, IDC_COMBO_CLNB_FREQ));
        QTest::mouseClick(dlg.GetDlgItem(IDC_RADIO_CKU_NONE), Qt::LeftButton);
        QVERIFY(!Enabled(dlg, IDC_COMBO_CLNB_FREQ));
        QCOMPARE(Options(dlg), QStringLiteral("0100030"));
    }

    // Entries of the LNB lists are selected (a user 9750 finds its entry, a user 5750 is
    // searched for after entry 4); other user values stay as typed text. C-LNB 0, 1 and 6 act as
    // 2. One button per option row; an unknown DiSEqC value (a motor) checks none of its row.
    // Toneburst 3 shows sat B, C/KU 7 shows toneburst. A transponder's FEC shows Auto for unknown
    // values. Rows: the record's C/KU, switch bits, DiSEqC, LNB type and frequency, C-LNB and
    // frequency, the transponder's attribute; then the options, the LNB and C-LNB lists (#entry,
    // or the text shown), '+' if the C-LNB list is in use, the FEC and the polarisation.
    void storedValuesAreShown() {
        const struct {
            BYTE nCku, nFlags, nDiseqc, nLnb;
            WORD wLnbFreq;
            BYTE nCLnb;
            WORD wCLnbFreq;
            BYTE attribute;
            const char* shown;
        } cases[] = {{0, 0x00, 0, 0, 0, 0, 0, 0x31, "000000- #0 #0 - 3/4 1"},
                     {1, 0x17, 2, 12, 11475, 0, 0, 0x50, "111112- #12 #0 + 7/8 0"},
                     {7, 0x30, 4, 13, 9750, 1, 0, 0x60, "200024- #5 #0 + Auto 0"},
                     {3, 0x20, 5, 13, 10100, 3, 0, 0x71, "20002-- 10100 #1 + Auto 1"},
                     {3, 0x20, 6, 20, 5750, 4, 0, 0x00, "20002-- #4 #2 + Auto 0"},
                     {1, 0x00, 0, 0, 0, 5, 5750, 0x00, "100000- #0 #2 + Auto 0"},
                     {1, 0x00, 0, 0, 0, 5, 5300, 0x00, "100000- #0 5300 + Auto 0"},
                     {1, 0x00, 0, 0, 0, 6, 0, 0x00, "100000- #0 #0 + Auto 0"}};
        for (const auto& c : cases) {
            CEditorDlg dlg(m_prompt);
            SSAT_INFO sat{};
            sat.bCkuSwitch = c.nCku;
            sat.bSwitch = c.nFlags;
            sat.bDiseqc = c.nDiseqc;
            sat.bLnbType = c.nLnb;
            sat.wLnbFreq = c.wLnbFreq;
            sat.bCLnb = c.nCLnb;
            sat.wCLnbFreq = c.wCLnbFreq;
            ShowSatellite(dlg, sat, c.attribute);
            QStringList shown{Options(dlg)};
            for (int nId : {IDC_COMBO_LNB_FREQ, IDC_COMBO_CLNB_FREQ}) {
                const int i = dlg.GetDlgItem<QComboBox>(nId)->currentIndex();
                const bool bEntry =
                    i >= 0 && Text(dlg, nId) == dlg.GetDlgItem<QComboBox>(nId)->itemText(i);
                shown << (bEntry ? '#' + QString::number(i) : Text(dlg, nId));
            }
            shown << (Enabled(dlg, IDC_COMBO_CLNB_FREQ) ? "+" : "-");
            // The bound text is what the combo shows, so a later write keeps it.
            QCOMPARE(dlg.SatellitePage().Panel().m_strLnbFreq, Text(dlg, IDC_COMBO_LNB_FREQ));
            Select(dlg, dlg.Tree().topLevelItem(0)->child(0));
            shown << Text(dlg, IDC_COMBO_FEC) << Options(dlg).right(1);
            QCOMPARE(shown.join(' '), QString::fromLatin1(c.shown));
        }
    }

    // Each key is checked: one that takes the value past its limit, or a name past the box's
    // 8-bit characters, is undone. The text stays as typed until Enter shows its normal form. A
    // spin arrow (nStep) steps the position a tenth of a degree from the value shown.
    void typedTextIsCheckedOnEveryKey() {
        const struct {
            int nEdit;
            const char *keys, *shown, *entered;
            int nStep = 0;
        } cases[] = {{IDC_EDIT_SAT_POSITION, "360.0", "360.0", "360.0"},
                     {IDC_EDIT_SAT_POSITION, "19", "19.1", "19.1", +1},
                     {IDC_EDIT_SAT_POSITION, "19.5", "19.4", "19.4", -1},
                     {IDC_EDIT_SAT_NAME, "AŁB", "AB", "AB"},
                     {IDC_EDIT_SAT_POSITION, "360.1", "360.", "360.0"},
                     {IDC_EDIT_SAT_POSITION, "19.2\b5", "19.5", "19.5"},
                     {IDC_EDIT_SAT_POSITION, "1", "1", "1.0"},
                     {IDC_EDIT_FREQUENCY, "30000", "30000", "30000"},
                     {IDC_EDIT_FREQUENCY, "30001", "3000", "3000"},
                     {IDC_EDIT_FREQUENCY, "0012", "0012", "12"},
                     {IDC_EDIT_SYMBOL_RATE, "60001", "6000", "6000"},
                     {IDC_COMBO_LNB_FREQ, "65535", "65535", "65535"},
                     {IDC_COMBO_LNB_FREQ, "70000", "7000", "7000"}};
        CEditorDlg dlg(m_prompt);
        dlg.TabCtrl().setCurrentIndex(0);
        dlg.show();
        for (const auto& c : cases) {
            Type(dlg, c.nEdit, QString(c.keys));
            if (c.nStep != 0) // the arrows: up, then down
                QTest::mouseClick(dlg.GetDlgItem(IDC_SPIN_SAT_POSITION)
                                      ->findChildren<QToolButton*>()[c.nStep > 0 ? 0 : 1],
                                  Qt::LeftButton);
            QCOMPARE(Text(dlg, c.nEdit), QString(c.shown));
            QTest::keyClick(dlg.GetDlgItem(c.nEdit), Qt::Key_Return);
            QCOMPARE(Text(dlg, c.nEdit), QString(c.entered));
        }
    }
};

QTEST_MAIN(EditorTreePanelTest)
#include "editor_tree_panel.moc"
