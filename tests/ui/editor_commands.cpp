// The buttons under the panel and the grids: Append, Update and Delete of satellites and
// transponders with the tree kept in step, and Append / Detail Info running the channel dialog.
#include "channel_info_dialog.h"
#include "channel_info_dlg.h"
#include "window_test_util.h"

namespace {

const QString kNewSatellite = QStringLiteral("00. New Satellite ");
const QString kNewTransponder = QStringLiteral("000. New Transponder ");
const QString kRefusedSatellite =
    QStringLiteral("[ERROR] Satellite is not appended. \n Check the satellite position.\n\n");

// SAT-A (19.2: 11494 H, 10714 V, 12000 H) and SAT-B (13.0: 10700 V); satellite TV "One" on
// SAT-A / 1, "Three" on SAT-A / 3, "Bee" on SAT-B / 1; satellite radio "Two" on SAT-A / 2;
// terrestrial TV "Terra" on MUX 1. Networks 1 "First", 2 "Second".
void FillStore(CChannelStore& store) {
    CStoreBuilder build(store);
    const BYTE a = build.Satellite("SAT-A", 192), b = build.Satellite("SAT-B", 130);
    build.Transponder(a, 11494, 27500, true);
    build.Transponder(a, 10714, 22000, false);
    build.Transponder(a, 12000, 27500, true);
    build.Transponder(b, 10700, 27500, false);
    build.Mux(1, 0x2100);
    build.Network(1, "First");
    build.Network(2, "Second");
    build.SatService(a, 1, 101, 1, "One");
    build.SatService(a, 3, 103, 2, "Three");
    build.SatService(b, 1, 201, 1, "Bee");
    build.SatService(a, 2, 102, 1, "Two", FLAG_RADIO);
    build.TerrService(1, 1, 1, "Terra");
    store.Rebuild();
}

// A satellite record's settings in a comparable form.
QList<int> Settings(const SSAT_INFO& s) {
    return {s.wPosition, s.bCkuSwitch, s.bSwitch, s.bDiseqc,
            s.bLnbType,  s.wLnbFreq,   s.bCLnb,   s.wCLnbFreq};
}

} // namespace

class EditorCommandsTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;

    // A shown window over the store above, on the tree's tab.
    std::unique_ptr<CEditorDlg> Open() { return ShownWindow(m_prompt, FillStore, 0); }
    static void Select(CEditorDlg& dlg, QTreeWidgetItem* item) { dlg.Tree().setCurrentItem(item); }
    static QTreeWidgetItem* Root(CEditorDlg& dlg, int i) { return dlg.Tree().topLevelItem(i); }
    static QTreeWidgetItem* LastRoot(CEditorDlg& dlg) {
        return Root(dlg, dlg.Tree().topLevelItemCount() - 1);
    }
    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    static void Press(CEditorDlg& dlg, int nButtonId) {
        QVERIFY(dlg.GetDlgItem(nButtonId)->isEnabled());
        Click(dlg.GetDlgItem(nButtonId));
    }
    // Chooses a list entry (nIndex >= 0) or types a value over the list (nIndex -1).
    static void SetList(CEditorDlg& dlg, int nComboId, int nIndex, const QString& typed) {
        if (nIndex >= 0)
            dlg.GetDlgItem<QComboBox>(nComboId)->setCurrentIndex(nIndex);
        else
            Type(dlg, nComboId, typed);
    }
    // Plays the user in the channel dialog: picks the satellite and network entries (-1 leaves
    // them), types the service id (unless empty) and the name, then presses OK.
    static std::function<int(QDialog&)> FillChannel(int nSat, const QString& sid, int nNetwork,
                                                    const QString& name) {
        return [=](QDialog& modal) {
            auto& info = static_cast<CChannelInfoDlg&>(modal);
            if (nSat >= 0) {
                auto* sats = info.GetDlgItem<QComboBox>(IDC_CHANNEL_COMBO_SATELLITE);
                sats->setCurrentIndex(nSat);
                emit sats->activated(nSat);
            }
            if (!sid.isEmpty())
                info.GetDlgItem<QLineEdit>(IDC_CHANNEL_EDIT_SERVICE_ID)->setText(sid);
            if (nNetwork >= 0)
                info.GetDlgItem<QComboBox>(IDC_CHANNEL_COMBO_NETWORK)->setCurrentIndex(nNetwork);
            info.GetDlgItem<QLineEdit>(IDC_CHANNEL_EDIT_NAME)->setText(name);
            QTest::mouseClick(info.GetDlgItem(IDC_CHANNEL_OK), Qt::LeftButton);
            return info.result();
        };
    }

  private slots:
    void init() { m_prompt = CScriptedPrompt(); }

    // Rows give the option buttons clicked, the LNB and C-LNB entries chosen (-1: the text
    // typed over the list), the position, LNB and C-LNB texts typed and the record's position,
    // C/KU, switch bits, DiSEqC, LNB type and frequency, C-LNB and frequency. No record: refused,
    // SAT-B has the position.
    // An appended satellite takes the placeholder's item, which moves to the end. A refusal
    // leaves the placeholder selected while the panel shows the satellite that has the position.
    void appendSatellite() {
        const int cku = IDC_RADIO_CKU_0V12V, power = SW_LNB_POWER; // cku: the C-LNB list in use
        const struct {
            QList<int> clicks, lists;
            QStringList typed;
            QList<int> record;
        } cases[] = {
            {{IDC_RADIO_CKU_TONEBURST, IDC_RADIO_LNB_POWER_OFF, IDC_RADIO_22KHZ_ON, IDC_RADIO_12V,
              IDC_RADIO_TONEBURST_B, IDC_RADIO_DISEQC_C},
             {0, 0},
             {"23.5"},
             {235, 3, SW_22KHZ | SW_12V | (2 << SW_TONEBURST_SHIFT), 3, 0, 0, 2, 0}},
            {{cku}, {4, 2}, {"5"}, {50, 1, power, 0, 4, 5750, 4, 5750}}, // the 5750 entries
            {{cku}, {-1, -1}, {"5", "9750", "5750"}, {50, 1, power, 0, 13, 9750, 5, 5750}},
            {{}, {0, 0}, {"13.0"}, {}}}; // the position is taken
        for (const auto& [clicks, lists, typed, record] : cases) {
            m_prompt = CScriptedPrompt();
            auto dlg = Open();
            const QStringList before = Labels(dlg->Tree());
            Select(*dlg, LastRoot(*dlg));
            for (int nId : clicks)
                Click(dlg->GetDlgItem(nId));
            SetList(*dlg, IDC_COMBO_LNB_FREQ, lists[0], typed.value(1));
            SetList(*dlg, IDC_COMBO_CLNB_FREQ, lists[1], typed.value(2));
            Type(*dlg, IDC_EDIT_SAT_NAME, QStringLiteral("Helion 3"));
            Type(*dlg, IDC_EDIT_SAT_POSITION, typed[0]);
            Press(*dlg, IDC_BUTTON_APPEND);
            if (!record.isEmpty()) {
                const SSAT_INFO* sat = dlg->Store().GetSatellite(4);
                QVERIFY(sat != nullptr && QByteArray(sat->szName) == "Helion 3");
                QCOMPARE(Settings(*sat), record);
                QVERIFY(Root(*dlg, 2)->text(0).startsWith(QStringLiteral(" 3. Helion 3 (")));
                QCOMPARE(Labels(dlg->Tree()), before.mid(0, 2)
                                                  << Root(*dlg, 2)->text(0) << kNewSatellite);
                QCOMPARE(Labels(dlg->Tree(), Root(*dlg, 2)), QStringList{kNewTransponder});
                QCOMPARE(dlg->Tree().currentItem(), Root(*dlg, 2));
                QCOMPARE(Buttons(*dlg), QStringLiteral("-UD"));
                QVERIFY(m_prompt.m_shown.empty());
                continue;
            }
            QCOMPARE(m_prompt.MessageTexts(), std::vector{kRefusedSatellite});
            QCOMPARE(m_prompt.m_shown[0].nType, unsigned(MB_OK));
            QCOMPARE(Labels(dlg->Tree()), before);
            QCOMPARE(Text(*dlg, IDC_EDIT_SAT_NAME) + Text(*dlg, IDC_EDIT_SAT_POSITION),
                     QStringLiteral("SAT-B13.0"));
            QCOMPARE(dlg->Tree().currentItem(), LastRoot(*dlg));
        }
    }

    // Update rewrites the record and relabels the item in place; the satellite grids follow.
    // Delete renumbers the later records, so the tree and the satellite grids are rebuilt.
    void updateInPlaceAndDeleteRebuilds() {
        auto dlg = Open();
        Change(*dlg, [](CChannelStore& store) {
            SSAT_INFO stored = *store.GetSatellite(2);
            stored.bSwitch = 0x08 | SW_LNB_POWER | (1 << SW_TONEBURST_SHIFT); // bit 3 not shown
            stored.bDiseqc = 5; // a motor: no DiSEqC button shows it
            stored.bCkuSwitch = 1;
            store.SetSatellite(2, stored);
        });
        Select(*dlg, Root(*dlg, 0));
        Type(*dlg, IDC_EDIT_SAT_NAME, QStringLiteral("SAT-Z"));
        Type(*dlg, IDC_EDIT_SAT_POSITION, QStringLiteral("13.0")); // no position check here
        Click(dlg->GetDlgItem(IDC_RADIO_TONEBURST_OFF));
        Click(dlg->GetDlgItem(IDC_RADIO_22KHZ_ON));
        Press(*dlg, IDC_BUTTON_UPDATE);
        QCOMPARE(Root(*dlg, 0)->text(0), QStringLiteral(" 1. SAT-Z ( 13.0) "));
        const SSAT_INFO& sat = *dlg->Store().GetSatellite(2);
        QCOMPARE(QByteArray(sat.szName), QByteArray("SAT-Z"));
        QCOMPARE(Settings(sat).mid(0, 4), (QList<int>{130, 1, 0x08 | SW_LNB_POWER | SW_22KHZ, 5}));

        // A transponder takes exactly the new values.
        Change(*dlg, [](CChannelStore& store) {
            ChangeTransponder(store, 2, 1, [](STP_INFO& t) {
                t.attribute = 0x3F; // FEC 3/4, horizontal, carried bits 1-3
            });
        });
        Select(*dlg, Root(*dlg, 0)->child(0));
        Click(dlg->GetDlgItem(IDC_RADIO_VERTICAL));
        dlg->GetDlgItem<QComboBox>(IDC_COMBO_FEC)->setCurrentIndex(4);
        Type(*dlg, IDC_EDIT_SYMBOL_RATE, QStringLiteral("500"));
        Press(*dlg, IDC_BUTTON_UPDATE);
        const STP_INFO& tp = *dlg->Store().GetTransponder(2, 1);
        QCOMPARE(int(tp.attribute), 0x40);
        QCOMPARE(int(tp.symbolrate), 500); // as entered
        QCOMPARE(Root(*dlg, 0)->child(0)->text(0), QStringLiteral("  1. 11494 -   500 - V "));
        const CMSFlexGrid& grid = dlg->Grid(LIST_SAT_TV);
        QCOMPARE(grid.GetTextMatrix(1, 1) + grid.GetTextMatrix(1, 3),
                 QStringLiteral("1. SAT-Z500"));
        Press(*dlg, IDC_BUTTON_DELETE); // the transponder just updated
        Press(*dlg, IDC_BUTTON_DELETE);
        QCOMPARE(
            Labels(dlg->Tree(), Root(*dlg, 0)),
            (QStringList{"  1. 10714 - 22000 - V ", "  2. 12000 - 27500 - H ", kNewTransponder}));
        QCOMPARE(Column(dlg->Grid(LIST_SAT_TV), 6), (QStringList{"Three", "Bee"}));
        Select(*dlg, Root(*dlg, 0));
        Press(*dlg, IDC_BUTTON_DELETE);
        QCOMPARE(Labels(dlg->Tree()), (QStringList{" 1. SAT-B ( 13.0) ", kNewSatellite}));
        QCOMPARE(dlg->Tree().currentItem(), nullptr);
        QCOMPARE(Column(dlg->Grid(LIST_SAT_TV), 1), QStringList{"1. SAT-B"});
        QCOMPARE(dlg->Grid(LIST_SAT_RADIO).GetRows(), 1);
        QCOMPARE(Column(dlg->Grid(LIST_TERR_TV), 3), QStringList{"Terra"});
        QCOMPARE(Buttons(*dlg), QStringLiteral("-UD"));
        Select(*dlg, Root(*dlg, 0));
        Press(*dlg, IDC_BUTTON_DELETE);
        QCOMPARE(Labels(dlg->Tree()), QStringList{kNewSatellite});
        QCOMPARE(Buttons(*dlg), QStringLiteral("A--"));
        QVERIFY(m_prompt.m_shown.empty());
    }

    // Append adds through the channel dialog: the grid follows the store, also when the store
    // merged the new service into an equal one (the dialog then ends with Cancel). Detail Info
    // runs it on the current row, which shows the network and name as the store then holds them.
    // (What the dialog refuses: its own test.)
    void gridButtonsRunTheChannelDialog() {
        auto dlg = Open();
        dlg->TabCtrl().setCurrentIndex(1);
        CMSFlexGrid& grid = dlg->Grid(LIST_SAT_TV);
        m_prompt.m_modalScripts = {
            FillChannel(1, QStringLiteral("7"), -1, QStringLiteral("Neu")),
            FillChannel(1, QStringLiteral("201"), -1, QStringLiteral("Bee 2"))};
        Press(*dlg, IDC_BUTTON_APPEND);
        Press(*dlg, IDC_BUTTON_APPEND);
        QCOMPARE(m_prompt.m_shown.front().text, QStringLiteral("Channel Informaton"));
        QStringList names = Column(grid, 6);
        names.sort();
        QCOMPARE(names, (QStringList{"Bee 2", "Neu", "One", "Three"}));
        m_prompt.m_modalScripts = {FillChannel(-1, {}, 0, QStringLiteral("Drei"))};
        grid.SetRow(2); // "Three", network 2
        Press(*dlg, IDC_BUTTON_DETAIL_INFO);
        QCOMPARE(RowOf(grid, 2).section('|', 5, 6), QStringLiteral("First|Drei"));
        QCOMPARE(int(dlg->Store().GetService(1, LIST_SAT_TV)->wNetwork), 1);
    }
};

QTEST_MAIN(EditorCommandsTest)
#include "editor_commands.moc"
