// The buttons under the panel and the grids: Append, Update and Delete of satellites and
// transponders with the tree kept in step, and Append / Detail Info running the channel dialog.
#include "channel_info_dialog.h"
#include "channel_info_dlg.h"
#include "editor_dlg.h"
#include "resource.h"
#include "scripted_prompt.h"
#include "store_builders.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString kNewSatellite = QStringLiteral("00. New Satellite ");
const QString kNewTransponder = QStringLiteral("000. New Transponder ");
const QString kRefusedSatellite =
    QStringLiteral("[ERROR] Satellite is not appended. \n Check the satellite position.\n\n");

QStringList Labels(const QTreeWidget& tree, const QTreeWidgetItem* parent = nullptr) {
    QStringList labels;
    const int n = parent != nullptr ? parent->childCount() : tree.topLevelItemCount();
    for (int i = 0; i < n; ++i)
        labels << (parent != nullptr ? parent->child(i) : tree.topLevelItem(i))->text(0);
    return labels;
}

QStringList Column(const CMSFlexGrid& grid, long nCol) {
    QStringList cells;
    for (long r = 1; r < grid.GetRows(); ++r)
        cells << grid.GetTextMatrix(r, nCol);
    return cells;
}

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

    // A window over the sample store, on the tree's tab.
    std::unique_ptr<CEditorDlg> Open() {
        auto dlg = std::make_unique<CEditorDlg>(m_prompt);
        FillStore(*dlg->GetStore());
        dlg->RefreshAllViews();
        dlg->TabCtrl().setCurrentIndex(0);
        dlg->show();
        return dlg;
    }
    static void Select(CEditorDlg& dlg, QTreeWidgetItem* item) { dlg.Tree().setCurrentItem(item); }
    static QTreeWidgetItem* Root(CEditorDlg& dlg, int i) { return dlg.Tree().topLevelItem(i); }
    static QTreeWidgetItem* LastRoot(CEditorDlg& dlg) {
        return Root(dlg, dlg.Tree().topLevelItemCount() - 1);
    }
    static QString Text(CEditorDlg& dlg, int nId) { return dlg.GetDlgItem<QLineEdit>(nId)->text(); }
    static void Type(CEditorDlg& dlg, int nId, const QString& keys) {
        auto* edit = dlg.GetDlgItem<QLineEdit>(nId);
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }
    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    static void Press(CEditorDlg& dlg, int nButtonId) {
        QVERIFY(dlg.GetDlgItem(nButtonId)->isEnabled());
        Click(dlg.GetDlgItem(nButtonId));
    }
    static void CheckRecordButtons(CEditorDlg& dlg, bool bNewRecord) {
        for (int nId : {IDC_BUTTON_APPEND, IDC_BUTTON_UPDATE, IDC_BUTTON_DELETE})
            QCOMPARE(dlg.GetDlgItem(nId)->isEnabled(), bNewRecord == (nId == IDC_BUTTON_APPEND));
    }
    // Chooses a list entry (nIndex >= 0) or types a value over the list (nIndex -1).
    static void SetList(CEditorDlg& dlg, int nComboId, int nIndex, const QString& typed) {
        auto* combo = dlg.GetDlgItem<QComboBox>(nComboId);
        if (nIndex >= 0) {
            combo->setCurrentIndex(nIndex);
            return;
        }
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), typed);
    }
    // Appends a satellite from the "New Satellite" item after clicking the given buttons.
    static void AppendSatellite(CEditorDlg& dlg, const QString& name, const QString& position,
                                std::initializer_list<int> clicks = {}) {
        Select(dlg, LastRoot(dlg));
        Type(dlg, IDC_EDIT_SAT_NAME, name);
        Type(dlg, IDC_EDIT_SAT_POSITION, position);
        for (int nId : clicks)
            Click(dlg.GetDlgItem(nId));
        Press(dlg, IDC_BUTTON_APPEND);
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

    void appendSatelliteStoresThePanelAndMovesThePlaceholder() {
        auto dlg = Open();
        AppendSatellite(*dlg, QStringLiteral("Helion 3"), QStringLiteral("23.5"),
                        {IDC_RADIO_CKU_TONEBURST, IDC_RADIO_LNB_POWER_OFF, IDC_RADIO_22KHZ_ON,
                         IDC_RADIO_12V, IDC_RADIO_TONEBURST_B, IDC_RADIO_DISEQC_C});
        const SSAT_INFO* sat = dlg->GetStore()->GetSatellite(4);
        QVERIFY(sat != nullptr);
        QCOMPARE(QByteArray(sat->szName), QByteArray("Helion 3"));
        // The LNB lists keep their first entries.
        QCOMPARE(Settings(*sat), (QList<int>{235, 3, SW_22KHZ | SW_12V | (2 << SW_TONEBURST_SHIFT),
                                             3, 0, 0, 2, 0}));
        QCOMPARE(Labels(dlg->Tree(), Root(*dlg, 2)), QStringList{kNewTransponder});
        QCOMPARE(dlg->Tree().currentItem(), Root(*dlg, 2));
        CheckRecordButtons(*dlg, false);
        QVERIFY(m_prompt.m_shown.empty());
        QCOMPARE(Labels(dlg->Tree()), (QStringList{" 1. SAT-A ( 19.2) ", " 2. SAT-B ( 13.0) ",
                                                   " 3. Helion 3 ( 23.5) ", kNewSatellite}));
    }

    // An index of -1 types the row's text over the list instead.
    void lnbListsMapToTheRecord_data() {
        QTest::addColumn<int>("lnbIndex");
        QTest::addColumn<int>("cLnbIndex");
        QTest::addColumn<QString>("typed");  // for the LNB and the C-LNB list
        QTest::addColumn<QList<int>>("lnb"); // LNB type and frequency, C-LNB and frequency
        using I = QList<int>;
        QTest::newRow("universal, single") << 1 << 0 << "" << I{1, 0, 2, 0};
        QTest::newRow("5750 entries") << 4 << 2 << "" << I{4, 5750, 4, 5750};
        QTest::newRow("11475 entry") << 12 << 0 << "" << I{12, 11475, 2, 0};
        QTest::newRow("typed entry text") << -1 << -1 << "9750 5750" << I{13, 9750, 5, 5750};
    }
    void lnbListsMapToTheRecord() {
        QFETCH(int, lnbIndex);
        QFETCH(int, cLnbIndex);
        QFETCH(QString, typed);
        auto dlg = Open();
        Select(*dlg, LastRoot(*dlg));
        Click(dlg->GetDlgItem(IDC_RADIO_CKU_0V12V)); // the C-LNB list is usable
        SetList(*dlg, IDC_COMBO_LNB_FREQ, lnbIndex, typed.section(' ', 0, 0));
        SetList(*dlg, IDC_COMBO_CLNB_FREQ, cLnbIndex, typed.section(' ', 1, 1));
        Type(*dlg, IDC_EDIT_SAT_POSITION, QStringLiteral("5"));
        Press(*dlg, IDC_BUTTON_APPEND);
        const SSAT_INFO* sat = dlg->GetStore()->GetSatellite(4);
        QVERIFY(sat != nullptr);
        QTEST(Settings(*sat).mid(4), "lnb");
    }

    // The refusal leaves the placeholder selected while the panel shows the satellite that has
    // the position: Update and Delete are enabled but change nothing.
    void satelliteAtATakenPositionIsRefused() {
        auto dlg = Open();
        const QStringList before = Labels(dlg->Tree());
        AppendSatellite(*dlg, QStringLiteral("Twin"), QStringLiteral("13.0"));
        QCOMPARE(m_prompt.m_shown.size(), std::size_t(1));
        QCOMPARE(m_prompt.m_shown[0].text, kRefusedSatellite);
        QCOMPARE(m_prompt.m_shown[0].caption, CPrompt::ApplicationName());
        QCOMPARE(m_prompt.m_shown[0].nType, unsigned(MB_OK));
        QCOMPARE(dlg->GetStore()->GetSatelliteCount(), 2);
        QCOMPARE(Labels(dlg->Tree()), before);
        QCOMPARE(Text(*dlg, IDC_EDIT_SAT_NAME), QStringLiteral("SAT-B"));
        QCOMPARE(Text(*dlg, IDC_EDIT_SAT_POSITION), QStringLiteral("13.0"));
        QCOMPARE(dlg->Tree().currentItem(), LastRoot(*dlg));
        Press(*dlg, IDC_BUTTON_UPDATE);
        Press(*dlg, IDC_BUTTON_DELETE);
        dlg->Tree().setCurrentItem(nullptr);
        for (int nId : {IDC_BUTTON_APPEND, IDC_BUTTON_UPDATE, IDC_BUTTON_DELETE})
            Click(dlg->GetDlgItem(nId)); // nothing selected: nothing happens
        QCOMPARE(dlg->GetStore()->GetSatelliteCount(), 2);
        QCOMPARE(QByteArray(dlg->GetStore()->GetSatellite(3)->szName), QByteArray("SAT-B"));
    }

    void fullSatelliteTableIsRefused() {
        auto dlg = std::make_unique<CEditorDlg>(m_prompt);
        CStoreBuilder build(*dlg->GetStore());
        for (int i = 0; i < kMaxSatellites; ++i)
            build.Satellite("S", static_cast<WORD>(10 + i));
        dlg->RefreshAllViews();
        dlg->TabCtrl().setCurrentIndex(0);
        AppendSatellite(*dlg, QStringLiteral("One more"), QStringLiteral("300"));
        QCOMPARE(m_prompt.MessageTexts(), std::vector<QString>{kRefusedSatellite});
        QCOMPARE(int(dlg->GetStore()->GetSatelliteCount()), kMaxSatellites);
        // The new-satellite defaults are back.
        QCOMPARE(Text(*dlg, IDC_EDIT_SAT_NAME), QString());
        QCOMPARE(Text(*dlg, IDC_EDIT_SAT_POSITION), QStringLiteral("0.0"));
        QCOMPARE(dlg->Tree().topLevelItemCount(), kMaxSatellites + 1);
    }

    // The store's own tests cover the merge and refusal rules. SAT-B holds 10700 V; the rows give
    // the added transponder's label (empty: none added) and the frequency SAT-B's first transponder
    // has afterwards.
    void appendTransponder_data() {
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("symbolRate");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<QString>("added");
        QTest::addColumn<int>("firstFrequency");
        QTest::newRow("appended") << 11000 << 27500 << true << "  2. 11000 - 27500 - H " << 10700;
        QTest::newRow("symbol rate 500 becomes 1000")
            << 11000 << 500 << false << "  2. 11000 -  1000 - V " << 10700;
        QTest::newRow("frequency 0 does nothing") << 0 << 27500 << false << "" << 10700;
        // Its item keeps its old label for now.
        QTest::newRow("near one merged") << 10701 << 27500 << false << "" << 10701;
    }
    void appendTransponder() {
        QFETCH(int, frequency);
        QFETCH(int, symbolRate);
        QFETCH(bool, horizontal);
        QFETCH(QString, added);
        QFETCH(int, firstFrequency);
        auto dlg = Open();
        QTreeWidgetItem* satB = Root(*dlg, 1);
        QTreeWidgetItem* placeholder = satB->child(1);
        Select(*dlg, placeholder);
        Type(*dlg, IDC_EDIT_FREQUENCY, QString::number(frequency));
        Type(*dlg, IDC_EDIT_SYMBOL_RATE, QString::number(symbolRate));
        Click(dlg->GetDlgItem(horizontal ? IDC_RADIO_HORIZONTAL : IDC_RADIO_VERTICAL));
        const int nBefore = dlg->GetStore()->GetTransponderCount();
        Press(*dlg, IDC_BUTTON_APPEND);

        QVERIFY(m_prompt.m_shown.empty());
        QStringList labels{"  1. 10700 - 27500 - V "};
        if (!added.isEmpty())
            labels << added;
        QCOMPARE(Labels(dlg->Tree(), satB), labels << kNewTransponder);
        QCOMPARE(dlg->Tree().currentItem(), placeholder);
        QCOMPARE(int(dlg->GetStore()->GetTransponderCount()), nBefore + int(!added.isEmpty()));
        QCOMPARE(Text(*dlg, IDC_EDIT_FREQUENCY), QString::number(frequency));
        QCOMPARE(int(dlg->GetStore()->GetTransponder(3, 1)->frequency), firstFrequency);
        CheckRecordButtons(*dlg, added.isEmpty() && firstFrequency == 10700);
    }

    // Update rewrites the record and relabels the item in place.
    void updateRewritesInPlace() {
        auto dlg = Open();
        SSAT_INFO& stored = *dlg->GetStore()->GetSatellite(2);
        stored.bSwitch = 0x08 | SW_LNB_POWER | (1 << SW_TONEBURST_SHIFT); // bit 3 not shown
        stored.bDiseqc = 5; // a motor: no DiSEqC button shows it
        stored.bCkuSwitch = 1;
        Select(*dlg, Root(*dlg, 0));
        Type(*dlg, IDC_EDIT_SAT_NAME, QStringLiteral("SAT-Z"));
        Type(*dlg, IDC_EDIT_SAT_POSITION, QStringLiteral("13.0")); // no position check here
        Click(dlg->GetDlgItem(IDC_RADIO_TONEBURST_OFF));
        Click(dlg->GetDlgItem(IDC_RADIO_22KHZ_ON));
        Press(*dlg, IDC_BUTTON_UPDATE);

        QCOMPARE(Root(*dlg, 0)->text(0), QStringLiteral(" 1. SAT-Z ( 13.0) "));
        QCOMPARE(Root(*dlg, 0)->childCount(), 4);
        const SSAT_INFO& sat = *dlg->GetStore()->GetSatellite(2);
        QCOMPARE(QByteArray(sat.szName), QByteArray("SAT-Z"));
        QCOMPARE(int(sat.bIndex), 2);
        QCOMPARE(Settings(sat).mid(0, 4), (QList<int>{130, 1, 0x08 | SW_LNB_POWER | SW_22KHZ, 5}));
        QVERIFY(Column(dlg->Grid(LIST_SAT_TV), 1).contains(QStringLiteral("1. SAT-Z")));
        CheckRecordButtons(*dlg, false);

        // A transponder takes exactly the new values.
        STP_INFO& tp = *dlg->GetStore()->GetTransponder(2, 1);
        tp.attribute = 0x3F; // FEC 3/4, horizontal, carried bits 1-3
        Select(*dlg, Root(*dlg, 0)->child(0));
        QCOMPARE(dlg->GetDlgItem<QComboBox>(IDC_COMBO_FEC)->currentText(), QStringLiteral("3/4"));
        Click(dlg->GetDlgItem(IDC_RADIO_VERTICAL));
        dlg->GetDlgItem<QComboBox>(IDC_COMBO_FEC)->setCurrentIndex(4);
        Type(*dlg, IDC_EDIT_SYMBOL_RATE, QStringLiteral("500"));
        Press(*dlg, IDC_BUTTON_UPDATE);
        QCOMPARE(int(tp.attribute), 0x40);
        QCOMPARE(int(tp.symbolrate), 500); // as entered
        QCOMPARE(Root(*dlg, 0)->child(0)->text(0), QStringLiteral("  1. 11494 -   500 - V "));
        QCOMPARE(Column(dlg->Grid(LIST_SAT_TV), 3).first(), QStringLiteral("500"));
    }

    void deleteRebuildsTreeAndGrids() {
        auto dlg = Open();
        Select(*dlg, Root(*dlg, 0)->child(0));
        Press(*dlg, IDC_BUTTON_DELETE); // the later transponders are renumbered
        QCOMPARE(
            Labels(dlg->Tree(), Root(*dlg, 0)),
            (QStringList{"  1. 10714 - 22000 - V ", "  2. 12000 - 27500 - H ", kNewTransponder}));
        QCOMPARE(Column(dlg->Grid(LIST_SAT_TV), 6), (QStringList{"Three", "Bee"}));
        CheckRecordButtons(*dlg, false);

        Select(*dlg, Root(*dlg, 0));
        Press(*dlg, IDC_BUTTON_DELETE);
        QCOMPARE(Labels(dlg->Tree()), (QStringList{" 1. SAT-B ( 13.0) ", kNewSatellite}));
        QCOMPARE(dlg->Tree().currentItem(), nullptr);
        QCOMPARE(Column(dlg->Grid(LIST_SAT_TV), 6), QStringList{"Bee"});
        QCOMPARE(dlg->Grid(LIST_SAT_RADIO).GetRows(), 1);
        QCOMPARE(Column(dlg->Grid(LIST_TERR_TV), 3), QStringList{"Terra"});
        CheckRecordButtons(*dlg, false);

        Select(*dlg, Root(*dlg, 0));
        Press(*dlg, IDC_BUTTON_DELETE);
        QCOMPARE(Labels(dlg->Tree()), QStringList{kNewSatellite});
        CheckRecordButtons(*dlg, true);
        QVERIFY(m_prompt.m_shown.empty());
    }

    // A click on the tree's empty space, or a Ctrl-click on the selected item, leaves the
    // selection as it was: the buttons act on the item the tree shows selected.
    void emptySpaceClickKeepsTheSelection() {
        auto dlg = Open();
        QWidget* viewport = dlg->Tree().viewport();
        const QPoint satB = dlg->Tree().visualItemRect(Root(*dlg, 1)).center();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, satB);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(10, viewport->height() - 5));
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, satB);
        QCOMPARE(dlg->Tree().selectedItems(), QList{Root(*dlg, 1)});
        const QList<int> satA = Settings(*dlg->GetStore()->GetSatellite(2));
        Type(*dlg, IDC_EDIT_SAT_NAME, QStringLiteral("SAT-Z"));
        Press(*dlg, IDC_BUTTON_UPDATE);
        QCOMPARE(Labels(dlg->Tree()).mid(0, 2),
                 (QStringList{" 1. SAT-A ( 19.2) ", " 2. SAT-Z ( 13.0) "}));
        QCOMPARE(Settings(*dlg->GetStore()->GetSatellite(2)), satA);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(10, viewport->height() - 5));
        Press(*dlg, IDC_BUTTON_DELETE);
        QCOMPARE(Labels(dlg->Tree()), (QStringList{" 1. SAT-A ( 19.2) ", kNewSatellite}));
        QCOMPARE(Column(dlg->Grid(LIST_SAT_TV), 6), (QStringList{"One", "Three"}));
    }

    void appendOnAGridRunsTheChannelDialog() {
        auto dlg = Open();
        dlg->TabCtrl().setCurrentIndex(1);
        m_prompt.m_modalScripts = {
            FillChannel(1, QStringLiteral("7"), -1, QStringLiteral("Neu")),
            // An equal service is merged: the grid shows the merged values although the
            // dialog ended with Cancel.
            FillChannel(1, QStringLiteral("201"), -1, QStringLiteral("Bee 2")),
            [](QDialog&) { return int(QDialog::Rejected); }};
        Press(*dlg, IDC_BUTTON_APPEND);
        QCOMPARE(m_prompt.m_shown.front().text, QStringLiteral("Channel Informaton"));
        // The dialog's messages are its own tests' business; here the grid follows the store.
        QStringList names = Column(dlg->Grid(LIST_SAT_TV), 6);
        QCOMPARE(names.size(), 4);
        QVERIFY(names.contains(QStringLiteral("Neu")));
        Press(*dlg, IDC_BUTTON_APPEND);
        names.replace(names.indexOf(QStringLiteral("Bee")), QStringLiteral("Bee 2"));
        QCOMPARE(Column(dlg->Grid(LIST_SAT_TV), 6), names);

        const std::size_t nShown = m_prompt.m_shown.size();
        Press(*dlg, IDC_BUTTON_APPEND); // Cancel changes nothing
        QCOMPARE(m_prompt.m_shown.size(), nShown + 1);
        QCOMPARE(dlg->Grid(LIST_SAT_TV).GetRows(), 5);
    }

    // OK rewrites the network and name cells; no dialog opens on the header row or a grid row
    // past the store's list, and Cancel changes nothing.
    void detailInfoRunsTheChannelDialog() {
        auto dlg = Open();
        dlg->TabCtrl().setCurrentIndex(1);
        CMSFlexGrid& grid = dlg->Grid(LIST_SAT_TV);
        grid.SetRow(2); // "Three", network 2
        m_prompt.m_modalScripts = {
            FillChannel(-1, {}, 0, QStringLiteral("Drei")),
            FillChannel(-1, {}, -1, QStringLiteral("Terra 2")), [](QDialog& modal) {
                modal.findChild<QLineEdit*>(QString::number(IDC_CHANNEL_EDIT_NAME))
                    ->setText(QStringLiteral("Gone"));
                return int(QDialog::Rejected);
            }};
        Press(*dlg, IDC_BUTTON_DETAIL_INFO);
        QCOMPARE(grid.GetTextMatrix(2, 5), QStringLiteral("First "));
        QCOMPARE(grid.GetTextMatrix(2, 6), QStringLiteral("Drei"));
        QCOMPARE(int(dlg->GetStore()->GetService(1, LIST_SAT_TV)->wNetwork), 1);

        dlg->TabCtrl().setCurrentIndex(3);
        dlg->Grid(LIST_TERR_TV).SetRow(1);
        Press(*dlg, IDC_BUTTON_DETAIL_INFO);
        QCOMPARE(dlg->Grid(LIST_TERR_TV).GetTextMatrix(1, 2), QStringLiteral("First "));
        QCOMPARE(dlg->Grid(LIST_TERR_TV).GetTextMatrix(1, 3), QStringLiteral("Terra 2"));

        dlg->TabCtrl().setCurrentIndex(1);
        for (long nRow : {0, 5}) {
            grid.SetRows(10);
            grid.SetRow(nRow);
            Press(*dlg, IDC_BUTTON_DETAIL_INFO);
        }
        QCOMPARE(m_prompt.m_shown.size(), std::size_t(2));
        grid.SetRow(1);
        Press(*dlg, IDC_BUTTON_DETAIL_INFO);
        QCOMPARE(m_prompt.m_shown.size(), std::size_t(3));
        QCOMPARE(grid.GetTextMatrix(1, 6), QStringLiteral("One"));
        QCOMPARE(QByteArray(dlg->GetStore()->GetService(0, LIST_SAT_TV)->szName),
                 QByteArray("One"));
    }
};

QTEST_MAIN(EditorCommandsTest)
#include "editor_commands.moc"
