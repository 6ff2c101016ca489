// The four service grids: columns, filling from the store and header sorts.
#include "grid_clicks.h"
#include "window_test_util.h"

namespace {

const QStringList kFlagHeaders = {" CA ", "Lock", "Fav1", "Fav2", "Fav3", "Fav4"};

// Headers, then widths in twips of the columns before the six 500-twip flag columns; the narrow
// columns (NUM, MUX, H/V, flags) are centred at the top, the others left and centred.
void CheckColumns(const CMSFlexGrid& grid, const QStringList& headers, std::vector<int> twips) {
    twips.insert(twips.end(), 6, 500);
    QCOMPARE(RowOf(grid, 0), (headers + kFlagHeaders).join(QLatin1Char('|')));
    const QAbstractItemModel& model = *grid.model();
    for (std::size_t c = 0; c < twips.size(); ++c) {
        const int section = c == 0 ? 0 : int(c - 1);
        const auto orientation = c == 0 ? Qt::Vertical : Qt::Horizontal;
        QCOMPARE(c == 0 ? grid.verticalHeader()->width() : grid.columnWidth(section),
                 int((twips[c] * grid.logicalDpiX() + 720) / 1440));
        QCOMPARE(
            model.headerData(section, orientation, Qt::TextAlignmentRole).value<Qt::Alignment>(),
            twips[c] <= 750 ? (Qt::AlignHCenter | Qt::AlignTop)
                            : (Qt::AlignLeft | Qt::AlignVCenter));
    }
}

// Four TV services in both the satellite and the terrestrial list, numbered 1 to 4:
//   delta   SAT-A tp 1 / MUX 5, network "Zeta",  Lock Fav1
//   Alpha   SAT-B tp 1 / MUX 3, network "Beta",  CA Fav2 Fav3
//   charlie SAT-A tp 2 / MUX 5, network "alpha", Lock Fav4
//   Bravo   SAT-B tp 2 / MUX 3, network 4 (none: "Unknown")
void FillSortStore(CChannelStore& store) {
    CStoreBuilder build(store);
    const BYTE a = build.Satellite("SAT-A", 192), b = build.Satellite("SAT-B", 130);
    for (BYTE nSat : {a, b}) {
        build.Transponder(nSat, 11000, 27500, true);
        build.Transponder(nSat, 12000, 22000, false);
    }
    build.Mux(3, 0x0300);
    build.Mux(5, 0x0500);
    build.Network(1, "Beta");
    build.Network(2, "Zeta");
    build.Network(3, "alpha");
    const char* const names[] = {"delta", "Alpha", "charlie", "Bravo"};
    const WORD networks[] = {2, 1, 3, 4},
               flags[] = {FLAG_LOCK | FLAG_FAV1, FLAG_CA | FLAG_FAV2 | FLAG_FAV3,
                          FLAG_LOCK | FLAG_FAV4, 0};
    for (WORD i = 0; i < 4; ++i) {
        build.SatService(i % 2 ? b : a, BYTE(1 + i / 2), WORD(10 + i), networks[i], names[i],
                         flags[i]);
        build.TerrService(i % 2 ? 3 : 5, WORD(i + 1), networks[i], names[i], flags[i]);
    }
    store.Rebuild();
}

} // namespace

class EditorGridsTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;

    // A shown window on the tab of nList; both TV grids hold the four sort services.
    std::unique_ptr<CEditorDlg> SortWindow(BYTE nList) {
        auto dlg = std::make_unique<CEditorDlg>(m_prompt);
        FillSortStore(*dlg->GetStore());
        dlg->TabCtrl().setCurrentIndex(nList + 1);
        dlg->RefillGrid(LIST_SAT_TV);
        dlg->RefillGrid(LIST_TERR_TV);
        dlg->show();
        return dlg;
    }

    // The shown order as the names' first letters: d(elta), A(lpha), c(harlie), B(ravo).
    QString Order(CEditorDlg& dlg, BYTE nList) {
        QString order;
        for (const QString& name : Column(dlg.Grid(nList), nList == LIST_SAT_TV ? 6 : 3))
            order += name.front();
        return order;
    }

  private slots:
    void gridsShowTheStore() {
        CEditorDlg dlg(m_prompt);
        for (BYTE nList = 0; nList < kListCount; ++nList)
            QCOMPARE(dlg.Grid(nList).GetRows(), 1L);
        CStoreBuilder build(*dlg.GetStore());
        const BYTE a = build.Satellite("SAT-A", 192);
        const BYTE b = build.Satellite("13E Hot Bird", 130);
        const BYTE nTp = build.Transponder(a, 11494, 27500, true);
        build.Transponder(b, 10971, 29700, false);
        build.Network(1, "NET-ONE");
        build.SatService(a, nTp, 1, 1, "Alpha", FLAG_CA | FLAG_LOCK | FLAG_FAV2);
        build.SatService(b, 1, 2, 7, "Sixteen chars xx", FLAG_FAV4);
        build.SatService(b, 9, 3, 1, "No transponder", FLAG_FAV1 | FLAG_FAV3);
        build.SatService(a, nTp, 4, 1, "A radio", FLAG_RADIO | FLAG_LOCK);
        build.Mux(3, 0xAB12);
        build.Mux(7, 0x0500);
        build.TerrService(3, 5, 1, "First", FLAG_LOCK | FLAG_CA);
        build.TerrService(4, 9, 1, "No MUX", FLAG_FAV4);
        build.TerrService(7, 12, 9, "Far", FLAG_FAV1);
        build.TerrService(3, 2, 1, "Radio", FLAG_RADIO | FLAG_FAV2);
        dlg.GetStore()->Rebuild();
        for (BYTE nList = 0; nList < kListCount; ++nList)
            dlg.RefillGrid(nList);

        const QStringList sat = {"  NUM", "   Satellite Name  ", "Frequency", "SymbolRate",
                                 " H/V",  "  Network Name  "};
        const std::vector<int> satTwips = {750, 2250, 970, 970, 500, 2250, 2250};
        CheckColumns(dlg.Grid(LIST_SAT_TV), sat + QStringList{"    TV Channel Name  "}, satTwips);
        CheckColumns(dlg.Grid(LIST_SAT_RADIO), sat + QStringList{"   Radio Channel Name  "},
                     satTwips);
        for (BYTE nList : {LIST_TERR_TV, LIST_TERR_RADIO})
            CheckColumns(dlg.Grid(nList),
                         {"  NUM", "  MUX", "  Network Name  ", "  Channel Name  "},
                         {750, 750, 2250, 2250});

        QCOMPARE(Rows(dlg.Grid(LIST_SAT_TV)),
                 (QStringList{"   1|1. SAT-A|11494|27500|H|NET-ONE|Alpha|$|*||*||",
                              "   2|2. 13E Hot Bird|10971|29700|V|Unknown|Sixteen chars xx||||||*",
                              // Its transponder is missing: the transponder cells stay empty.
                              "   3|2. 13E Hot Bird||||NET-ONE|No transponder|||*||*|"}));
        QCOMPARE(Rows(dlg.Grid(LIST_SAT_RADIO)),
                 QStringList{"   1|1. SAT-A|11494|27500|H|NET-ONE|A radio||*||||"});
        // NUM shows the order key, gaps and all; MUX the high byte of the MUX's drift in hex.
        QCOMPARE(Rows(dlg.Grid(LIST_TERR_TV)),
                 (QStringList{"   5|AB|NET-ONE|First|$|*||||", "   9||NET-ONE|No MUX||||||*",
                              "  12|5|Unknown|Far|||*|||"}));
        QCOMPARE(Rows(dlg.Grid(LIST_TERR_RADIO)), QStringList{"   2|AB|NET-ONE|Radio||||*||"});
    }

    // The orders as initials (see Order): ascending, then descending. Ties keep the number
    // order in both directions; the name and satellite keys reverse.
    void headerDoubleClickSorts() {
        const int sat = LIST_SAT_TV, terr = LIST_TERR_TV;
        const struct {
            int nList;
            long nCol;
            const char* orders;
        } cases[] = {{sat, 1, "dcAB BAcd"},  {sat, 5, "cABd dBAc"},  {sat, 6, "ABcd dcBA"},
                     {sat, 7, "AdcB dcBA"},  {sat, 8, "dcAB ABdc"},  {sat, 9, "dAcB AcBd"},
                     {sat, 10, "AdcB dcBA"}, {sat, 11, "AdcB dcBA"}, {sat, 12, "cdAB dABc"},
                     {terr, 1, "ABdc cdBA"}, {terr, 2, "cABd dBAc"}, {terr, 3, "ABcd dcBA"},
                     {terr, 4, "AdcB dcBA"}, {terr, 5, "dcAB ABdc"}, {terr, 6, "dAcB AcBd"},
                     {terr, 9, "cdAB dABc"}};
        for (const auto& c : cases) {
            const BYTE nList = static_cast<BYTE>(c.nList);
            auto dlg = SortWindow(nList);
            CMSFlexGrid& grid = dlg->Grid(nList);
            const QString headers = RowOf(grid, 0);
            const QStringList orders = QString::fromLatin1(c.orders).split(' ');
            for (const QString& expected : orders) {
                DoubleClickGridCell(grid, 0, c.nCol);
                QCOMPARE(Order(*dlg, nList), expected);
                // Renumbered in the new order, headers untouched.
                QCOMPARE(Column(grid, 0), (QStringList{"   1", "   2", "   3", "   4"}));
                QCOMPARE(RowOf(grid, 0), headers);
            }
        }
    }

    void sortStateRules() {
        auto dlg = SortWindow(LIST_SAT_TV);
        CMSFlexGrid& grid = dlg->Grid(LIST_SAT_TV);
        const auto sat = [&] { return Order(*dlg, LIST_SAT_TV); };
        DoubleClickGridCell(grid, 0, 8); // Lock: locked first
        QCOMPARE(sat(), QStringLiteral("dcAB"));
        // Headers without a sort key neither sort nor make Lock forgotten.
        for (long col : {0L, 2L, 3L, 4L}) {
            DoubleClickGridCell(grid, 0, col);
            QCOMPARE(sat(), QStringLiteral("dcAB"));
        }
        DoubleClickGridCell(grid, 0, 8);
        QCOMPARE(sat(), QStringLiteral("ABdc"));
        // A new column starts ascending again.
        DoubleClickGridCell(grid, 0, 9);
        QCOMPARE(sat(), QStringLiteral("dABc"));
        DoubleClickGridCell(dlg->Grid(LIST_TERR_TV), 0, 0);
        QCOMPARE(Order(*dlg, LIST_TERR_TV), QStringLiteral("dAcB"));

        // Changing tabs forgets the sort state: the same header sorts ascending again.
        DoubleClickGridCell(grid, 0, 6);
        QCOMPARE(sat(), QStringLiteral("ABcd"));
        dlg->TabCtrl().setCurrentIndex(3);
        dlg->TabCtrl().setCurrentIndex(1);
        DoubleClickGridCell(grid, 0, 6);
        QCOMPARE(sat(), QStringLiteral("ABcd"));
    }
};

QTEST_MAIN(EditorGridsTest)
#include "editor_grids.moc"
