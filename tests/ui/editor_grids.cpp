// The four service grids: columns, filling from the store, header sorts and flag toggles.
#include "editor_dlg.h"
#include "grid_clicks.h"
#include "prompt.h"
#include "store_builder.h"

#include <QHeaderView>
#include <QTest>

namespace {

struct SColumn {
    const char* header;
    long twips;
    Qt::Alignment alignment;
};

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignTop;

const std::vector<SColumn> kSatelliteColumns = {
    {"  NUM", 750, kCentre},   {"   Satellite Name  ", 2250, kLeft},
    {"Frequency", 970, kLeft}, {"SymbolRate", 970, kLeft},
    {" H/V", 500, kCentre},    {"  Network Name  ", 2250, kLeft},
    {nullptr, 2250, kLeft},    {" CA ", 500, kCentre},
    {"Lock", 500, kCentre},    {"Fav1", 500, kCentre},
    {"Fav2", 500, kCentre},    {"Fav3", 500, kCentre},
    {"Fav4", 500, kCentre},
};
const std::vector<SColumn> kTerrestrialColumns = {
    {"  NUM", 750, kCentre}, {"  MUX", 750, kCentre}, {"  Network Name  ", 2250, kLeft},
    {nullptr, 2250, kLeft},  {" CA ", 500, kCentre},  {"Lock", 500, kCentre},
    {"Fav1", 500, kCentre},  {"Fav2", 500, kCentre},  {"Fav3", 500, kCentre},
    {"Fav4", 500, kCentre},
};

// One grid row as texts.
QStringList RowOf(const CMSFlexGrid& grid, long nRow) {
    QStringList cells;
    for (long c = 0; c < grid.GetCols(); ++c)
        cells << grid.GetTextMatrix(nRow, c);
    return cells;
}

QStringList Column(const CMSFlexGrid& grid, long nCol) {
    QStringList cells;
    for (long r = 1; r < grid.GetRows(); ++r)
        cells << grid.GetTextMatrix(r, nCol);
    return cells;
}

// Four satellite TV services, numbered 1 to 4 in this order:
//   delta   on satellite 2 / tp 1, network "Zeta",   Lock Fav1
//   Alpha   on satellite 3 / tp 1, network "Beta",   CA Fav2 Fav3
//   charlie on satellite 2 / tp 2, network "alpha",  Lock Fav4
//   Bravo   on satellite 3 / tp 2, network 4 (none: "Unknown")
void FillSortStore(CChannelStore& store) {
    CStoreBuilder build(store);
    const BYTE a = build.Satellite("SAT-A", 192), b = build.Satellite("SAT-B", 130);
    for (BYTE nSat : {a, b}) {
        build.Transponder(nSat, 11000, 27500, true);
        build.Transponder(nSat, 12000, 22000, false);
    }
    build.Network(1, "Beta");
    build.Network(2, "Zeta");
    build.Network(3, "alpha");
    build.SatService(a, 1, 10, 2, "delta", FLAG_LOCK | FLAG_FAV1);
    build.SatService(b, 1, 11, 1, "Alpha", FLAG_CA | FLAG_FAV2 | FLAG_FAV3);
    build.SatService(a, 2, 12, 3, "charlie", FLAG_LOCK | FLAG_FAV4);
    build.SatService(b, 2, 13, 4, "Bravo");
    store.Rebuild();
}

// The same four as terrestrial TV services on MUXes 3, 5, 3, 5 (same networks and flags).
void FillTerrestrialSortStore(CChannelStore& store) {
    CStoreBuilder build(store);
    build.Mux(3, 0x0300);
    build.Mux(5, 0x0500);
    build.Network(1, "Beta");
    build.Network(2, "Zeta");
    build.Network(3, "alpha");
    build.TerrService(5, 1, 2, "delta", FLAG_LOCK | FLAG_FAV1);
    build.TerrService(3, 2, 1, "Alpha", FLAG_CA | FLAG_FAV2 | FLAG_FAV3);
    build.TerrService(5, 3, 3, "charlie", FLAG_LOCK | FLAG_FAV4);
    build.TerrService(3, 4, 4, "Bravo");
    store.Rebuild();
}

} // namespace

class EditorGridsTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;

    // A shown window whose grid of nList holds the four sort services.
    std::unique_ptr<CEditorDlg> SortWindow(BYTE nList) {
        auto dlg = std::make_unique<CEditorDlg>(m_prompt);
        if (nList == LIST_SAT_TV)
            FillSortStore(*dlg->GetStore());
        else
            FillTerrestrialSortStore(*dlg->GetStore());
        dlg->TabCtrl().setCurrentIndex(nList + 1);
        dlg->RefillGrid(nList);
        dlg->show();
        return dlg;
    }

    QStringList Names(CEditorDlg& dlg, BYTE nList) {
        return Column(dlg.Grid(nList), nList == LIST_SAT_TV ? 6 : 3);
    }

    void CheckColumns(CEditorDlg& dlg, BYTE nList, const std::vector<SColumn>& columns,
                      const char* nameHeader) {
        const CMSFlexGrid& grid = dlg.Grid(nList);
        QCOMPARE(grid.GetCols(), long(columns.size()));
        const int dpi = grid.logicalDpiX();
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const QString header =
                QString::fromLatin1(columns[c].header ? columns[c].header : nameHeader);
            QCOMPARE(grid.GetTextMatrix(0, long(c)), header);
            const int width = int((columns[c].twips * dpi + 720) / 1440);
            if (c == 0) {
                QCOMPARE(grid.verticalHeader()->width(), width);
                QCOMPARE(grid.model()
                             ->headerData(0, Qt::Vertical, Qt::TextAlignmentRole)
                             .value<Qt::Alignment>(),
                         columns[c].alignment);
            } else {
                QCOMPARE(grid.columnWidth(int(c - 1)), width);
                QCOMPARE(grid.model()
                             ->headerData(int(c - 1), Qt::Horizontal, Qt::TextAlignmentRole)
                             .value<Qt::Alignment>(),
                         columns[c].alignment);
            }
        }
    }

  private slots:
    void columnSetsOfTheFourGrids() {
        CEditorDlg dlg(m_prompt);
        for (BYTE nList = 0; nList < kListCount; ++nList)
            QCOMPARE(dlg.Grid(nList).GetRows(), 1L);
        // One service in each list, so that the NUM column has a cell to align.
        CStoreBuilder build(*dlg.GetStore());
        const BYTE nSat = build.Satellite("SAT", 10);
        build.Transponder(nSat, 11000, 27500, true);
        build.Mux(1, 0);
        for (WORD wRadio : {WORD(0), FLAG_RADIO}) {
            build.SatService(nSat, 1, 1, 1, "S", wRadio);
            build.TerrService(1, 1, 1, "T", wRadio);
        }
        dlg.GetStore()->Rebuild();
        for (BYTE nList = 0; nList < kListCount; ++nList)
            dlg.RefillGrid(nList);
        CheckColumns(dlg, LIST_SAT_TV, kSatelliteColumns, "    TV Channel Name  ");
        CheckColumns(dlg, LIST_SAT_RADIO, kSatelliteColumns, "   Radio Channel Name  ");
        CheckColumns(dlg, LIST_TERR_TV, kTerrestrialColumns, "  Channel Name  ");
        CheckColumns(dlg, LIST_TERR_RADIO, kTerrestrialColumns, "  Channel Name  ");
    }

    void satelliteGridShowsTheStore() {
        CEditorDlg dlg(m_prompt);
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
        dlg.GetStore()->Rebuild();
        for (BYTE nList = 0; nList < kListCount; ++nList)
            dlg.FillGrid(nList);

        const CMSFlexGrid& tv = dlg.Grid(LIST_SAT_TV);
        QCOMPARE(tv.GetRows(), 4L);
        QCOMPARE(RowOf(tv, 1), (QStringList{"   1", "1. SAT-A", "11494", "27500", "H", "NET-ONE",
                                            "Alpha", "$", "*", "", "*", "", ""}));
        QCOMPARE(RowOf(tv, 2),
                 (QStringList{"   2", "2. 13E Hot Bird", "10971", "29700", "V", "Unknown",
                              "Sixteen chars xx", "", "", "", "", "", "*"}));
        // Its transponder is missing: the three transponder cells stay empty.
        QCOMPARE(RowOf(tv, 3), (QStringList{"   3", "2. 13E Hot Bird", "", "", "", "NET-ONE",
                                            "No transponder", "", "", "*", "", "*", ""}));
        const CMSFlexGrid& radio = dlg.Grid(LIST_SAT_RADIO);
        QCOMPARE(radio.GetRows(), 2L);
        QCOMPARE(RowOf(radio, 1), (QStringList{"   1", "1. SAT-A", "11494", "27500", "H", "NET-ONE",
                                               "A radio", "", "*", "", "", "", ""}));
        QCOMPARE(radio.GetTextMatrix(0, 6), QStringLiteral("   Radio Channel Name  "));
        QCOMPARE(dlg.Grid(LIST_TERR_TV).GetRows(), 1L);
    }

    void terrestrialGridShowsOrderKeysAndMuxes() {
        CEditorDlg dlg(m_prompt);
        CStoreBuilder build(*dlg.GetStore());
        build.Mux(3, 0xAB12);
        build.Mux(7, 0x0500);
        build.Network(1, "DVB-T");
        build.TerrService(3, 5, 1, "First", FLAG_LOCK | FLAG_CA);
        build.TerrService(4, 9, 1, "No MUX", FLAG_FAV4);
        build.TerrService(7, 12, 9, "Far", FLAG_FAV1);
        build.TerrService(3, 2, 1, "Radio", FLAG_RADIO | FLAG_FAV2);
        dlg.GetStore()->Rebuild();
        dlg.FillGrid(LIST_TERR_TV);
        dlg.FillGrid(LIST_TERR_RADIO);

        const CMSFlexGrid& tv = dlg.Grid(LIST_TERR_TV);
        QCOMPARE(tv.GetRows(), 4L);
        // NUM shows the order key, gaps and all; MUX the high byte of the MUX's drift in hex.
        QCOMPARE(RowOf(tv, 1),
                 (QStringList{"   5", "AB", "DVB-T", "First", "$", "*", "", "", "", ""}));
        QCOMPARE(RowOf(tv, 2),
                 (QStringList{"   9", "", "DVB-T", "No MUX", "", "", "", "", "", "*"}));
        QCOMPARE(RowOf(tv, 3),
                 (QStringList{"  12", "5", "Unknown", "Far", "", "", "*", "", "", ""}));
        QCOMPARE(RowOf(dlg.Grid(LIST_TERR_RADIO), 1),
                 (QStringList{"   2", "AB", "DVB-T", "Radio", "", "", "", "*", "", ""}));
    }

    void refillShowsLessAfterClear() {
        CEditorDlg dlg(m_prompt);
        FillSortStore(*dlg.GetStore());
        dlg.RefillGrid(LIST_SAT_TV);
        QCOMPARE(dlg.Grid(LIST_SAT_TV).GetTextMatrix(1, 8), QStringLiteral("*"));
        dlg.GetStore()->SetServiceFlag(0, LIST_SAT_TV, 0, 0);
        dlg.GetStore()->SetServiceMark(3, LIST_SAT_TV, 1);
        dlg.GetStore()->DeleteMarkedServices(LIST_SAT_TV);
        dlg.RefillGrid(LIST_SAT_TV);
        const CMSFlexGrid& grid = dlg.Grid(LIST_SAT_TV);
        QCOMPARE(grid.GetRows(), 4L);
        QCOMPARE(grid.GetTextMatrix(1, 8), QString());
        QCOMPARE(grid.GetTextMatrix(0, 8), QStringLiteral("Lock"));
        QCOMPARE(grid.GetTextMatrix(3, 6), QStringLiteral("charlie"));
    }

    void headerDoubleClickSorts_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("ascending");
        QTest::addColumn<QStringList>("descending");
        const int sat = LIST_SAT_TV, terr = LIST_TERR_TV;
        using L = QStringList;
        // Ties keep the number order in both directions; the name and satellite keys reverse.
        QTest::newRow("satellite") << sat << 1 << L{"delta", "charlie", "Alpha", "Bravo"}
                                   << L{"Bravo", "Alpha", "charlie", "delta"};
        QTest::newRow("network") << sat << 5 << L{"charlie", "Alpha", "Bravo", "delta"}
                                 << L{"delta", "Bravo", "Alpha", "charlie"};
        QTest::newRow("name") << sat << 6 << L{"Alpha", "Bravo", "charlie", "delta"}
                              << L{"delta", "charlie", "Bravo", "Alpha"};
        QTest::newRow("CA") << sat << 7 << L{"Alpha", "delta", "charlie", "Bravo"}
                            << L{"delta", "charlie", "Bravo", "Alpha"};
        QTest::newRow("Lock") << sat << 8 << L{"delta", "charlie", "Alpha", "Bravo"}
                              << L{"Alpha", "Bravo", "delta", "charlie"};
        QTest::newRow("Fav1") << sat << 9 << L{"delta", "Alpha", "charlie", "Bravo"}
                              << L{"Alpha", "charlie", "Bravo", "delta"};
        QTest::newRow("Fav2") << sat << 10 << L{"Alpha", "delta", "charlie", "Bravo"}
                              << L{"delta", "charlie", "Bravo", "Alpha"};
        QTest::newRow("Fav3") << sat << 11 << L{"Alpha", "delta", "charlie", "Bravo"}
                              << L{"delta", "charlie", "Bravo", "Alpha"};
        QTest::newRow("Fav4") << sat << 12 << L{"charlie", "delta", "Alpha", "Bravo"}
                              << L{"delta", "Alpha", "Bravo", "charlie"};
        QTest::newRow("MUX") << terr << 1 << L{"Alpha", "Bravo", "delta", "charlie"}
                             << L{"charlie", "delta", "Bravo", "Alpha"};
        QTest::newRow("terr network") << terr << 2 << L{"charlie", "Alpha", "Bravo", "delta"}
                                      << L{"delta", "Bravo", "Alpha", "charlie"};
        QTest::newRow("terr name") << terr << 3 << L{"Alpha", "Bravo", "charlie", "delta"}
                                   << L{"delta", "charlie", "Bravo", "Alpha"};
        QTest::newRow("terr CA") << terr << 4 << L{"Alpha", "delta", "charlie", "Bravo"}
                                 << L{"delta", "charlie", "Bravo", "Alpha"};
        QTest::newRow("terr Lock") << terr << 5 << L{"delta", "charlie", "Alpha", "Bravo"}
                                   << L{"Alpha", "Bravo", "delta", "charlie"};
        QTest::newRow("terr Fav1") << terr << 6 << L{"delta", "Alpha", "charlie", "Bravo"}
                                   << L{"Alpha", "charlie", "Bravo", "delta"};
        QTest::newRow("terr Fav4") << terr << 9 << L{"charlie", "delta", "Alpha", "Bravo"}
                                   << L{"delta", "Alpha", "Bravo", "charlie"};
    }
    void headerDoubleClickSorts() {
        QFETCH(int, list);
        QFETCH(int, column);
        QFETCH(QStringList, ascending);
        QFETCH(QStringList, descending);
        const BYTE nList = static_cast<BYTE>(list);
        auto dlg = SortWindow(nList);
        CMSFlexGrid& grid = dlg->Grid(nList);
        const QStringList numbers = {"   1", "   2", "   3", "   4"};
        const QStringList headers = RowOf(grid, 0);

        DoubleClickGridCell(grid, 0, column);
        QCOMPARE(Names(*dlg, nList), ascending);
        QCOMPARE(Column(grid, 0), numbers); // renumbered in the new order
        QCOMPARE(RowOf(grid, 0), headers);
        DoubleClickGridCell(grid, 0, column);
        QCOMPARE(Names(*dlg, nList), descending);
        QCOMPARE(Column(grid, 0), numbers);
        // The store holds the shown order.
        for (WORD i = 0; i < 4; ++i)
            QCOMPARE(
                QString::fromLatin1(NameOf(dlg->GetStore()->GetService(i, nList)->szName).data()),
                descending[i]);
    }

    void flagMarksFollowTheirServicesThroughASort() {
        auto dlg = SortWindow(LIST_SAT_TV);
        DoubleClickGridCell(dlg->Grid(LIST_SAT_TV), 0, 6);
        const CMSFlexGrid& grid = dlg->Grid(LIST_SAT_TV);
        QCOMPARE(RowOf(grid, 1), (QStringList{"   1", "2. SAT-B", "11000", "27500", "H", "Beta",
                                              "Alpha", "$", "", "", "*", "*", ""}));
        QCOMPARE(RowOf(grid, 4), (QStringList{"   4", "1. SAT-A", "11000", "27500", "H", "Zeta",
                                              "delta", "", "*", "*", "", "", ""}));
    }

    void otherHeadersAreIgnoredAndForgetNothing() {
        auto dlg = SortWindow(LIST_SAT_TV);
        CMSFlexGrid& grid = dlg->Grid(LIST_SAT_TV);
        const QStringList start = Names(*dlg, LIST_SAT_TV);
        DoubleClickGridCell(grid, 0, 8); // Lock: locked first
        const QStringList locked = Names(*dlg, LIST_SAT_TV);
        for (long col : {0L, 2L, 3L, 4L}) {
            DoubleClickGridCell(grid, 0, col);
            QCOMPARE(Names(*dlg, LIST_SAT_TV), locked);
        }
        // Lock is still the remembered column: the next double-click turns it round.
        DoubleClickGridCell(grid, 0, 8);
        QCOMPARE(Names(*dlg, LIST_SAT_TV), (QStringList{"Alpha", "Bravo", "delta", "charlie"}));
        // A new column starts ascending again.
        DoubleClickGridCell(grid, 0, 9);
        QCOMPARE(Names(*dlg, LIST_SAT_TV), (QStringList{"delta", "Alpha", "Bravo", "charlie"}));
        QVERIFY(start != locked);

        auto terr = SortWindow(LIST_TERR_TV);
        const QStringList terrStart = Names(*terr, LIST_TERR_TV);
        DoubleClickGridCell(terr->Grid(LIST_TERR_TV), 0, 0);
        QCOMPARE(Names(*terr, LIST_TERR_TV), terrStart);
    }

    void eachGridKeepsItsOwnDirection() {
        auto dlg = SortWindow(LIST_SAT_TV);
        FillTerrestrialSortStore(*dlg->GetStore());
        dlg->RefillGrid(LIST_TERR_TV);
        DoubleClickGridCell(dlg->Grid(LIST_SAT_TV), 0, 6);
        dlg->OnDblClickGrid(LIST_SAT_TV); // the same header again: descending
        QCOMPARE(Names(*dlg, LIST_SAT_TV).front(), QStringLiteral("delta"));
        // The terrestrial grid's name column starts ascending.
        DoubleClickGridCell(dlg->Grid(LIST_TERR_TV), 0, 3);
        QCOMPARE(Names(*dlg, LIST_TERR_TV).front(), QStringLiteral("Alpha"));
    }

    void changingTabsForgetsTheSortState() {
        auto dlg = SortWindow(LIST_SAT_TV);
        CMSFlexGrid& grid = dlg->Grid(LIST_SAT_TV);
        DoubleClickGridCell(grid, 0, 6);
        QCOMPARE(Names(*dlg, LIST_SAT_TV).front(), QStringLiteral("Alpha"));
        dlg->TabCtrl().setCurrentIndex(3);
        dlg->TabCtrl().setCurrentIndex(1);
        DoubleClickGridCell(grid, 0, 6);
        QCOMPARE(Names(*dlg, LIST_SAT_TV).front(), QStringLiteral("Alpha"));
    }

    void flagCellsToggle_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("flag");
        const int sat = LIST_SAT_TV, terr = LIST_TERR_TV;
        QTest::newRow("sat Lock on") << sat << 4 << 8 << int(FLAG_LOCK);
        QTest::newRow("sat Lock off") << sat << 1 << 8 << int(FLAG_LOCK);
        QTest::newRow("sat Fav1") << sat << 2 << 9 << int(FLAG_FAV1);
        QTest::newRow("sat Fav2") << sat << 1 << 10 << int(FLAG_FAV2);
        QTest::newRow("sat Fav3") << sat << 2 << 11 << int(FLAG_FAV3);
        QTest::newRow("sat Fav4") << sat << 3 << 12 << int(FLAG_FAV4);
        QTest::newRow("terr Lock") << terr << 2 << 5 << int(FLAG_LOCK);
        QTest::newRow("terr Fav1") << terr << 1 << 6 << int(FLAG_FAV1);
        QTest::newRow("terr Fav4") << terr << 3 << 9 << int(FLAG_FAV4);
    }
    void flagCellsToggle() {
        QFETCH(int, list);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, flag);
        const BYTE nList = static_cast<BYTE>(list);
        auto dlg = SortWindow(nList);
        CMSFlexGrid& grid = dlg->Grid(nList);
        const SSVC_INFO* service = dlg->GetStore()->GetService(WORD(row - 1), nList);
        const bool bWasSet = (service->wFlags & flag) != 0;
        const WORD wOthers = service->wFlags & ~WORD(flag);
        QCOMPARE(grid.GetTextMatrix(row, column), bWasSet ? QStringLiteral("*") : QString());
        for (bool bSet : {!bWasSet, bWasSet}) {
            DoubleClickGridCell(grid, row, column);
            QCOMPARE(grid.GetTextMatrix(row, column), bSet ? QStringLiteral("*") : QString());
            QCOMPARE((service->wFlags & flag) != 0, bSet);
            QCOMPARE(WORD(service->wFlags & ~WORD(flag)), wOthers);
        }
    }

    void theCellDecidesTheToggle() {
        auto dlg = SortWindow(LIST_SAT_TV);
        CMSFlexGrid& grid = dlg->Grid(LIST_SAT_TV);
        const SSVC_INFO* bravo = dlg->GetStore()->GetService(3, LIST_SAT_TV);
        // The cell shows a mark the store does not have: the double-click clears both.
        grid.SetTextMatrix(4, 9, QStringLiteral("*"));
        dlg->SetFlagCell(LIST_SAT_TV, 4, 10, TRUE);
        QVERIFY(bravo->wFlags & FLAG_FAV2);
        DoubleClickGridCell(grid, 4, 9);
        QCOMPARE(grid.GetTextMatrix(4, 9), QString());
        QCOMPARE(bravo->wFlags & FLAG_FAV1, 0);
        // A flag cell outside the list changes only the cell.
        dlg->SetFlagCell(LIST_SAT_TV, 9, 8, TRUE);
        QCOMPARE(dlg->GetStore()->GetServiceCount(LIST_SAT_TV), WORD(4));
    }

    void otherCellsIgnoreDoubleClicks() {
        auto dlg = SortWindow(LIST_SAT_TV);
        CMSFlexGrid& grid = dlg->Grid(LIST_SAT_TV);
        std::vector<QStringList> before;
        for (long r = 0; r < grid.GetRows(); ++r)
            before.push_back(RowOf(grid, r));
        std::vector<WORD> flags;
        for (WORD i = 0; i < 4; ++i)
            flags.push_back(dlg->GetStore()->GetService(i, LIST_SAT_TV)->wFlags);
        for (long col = 0; col <= 7; ++col)
            DoubleClickGridCell(grid, 2, col); // " CA " included: it is display only
        for (long r = 0; r < grid.GetRows(); ++r)
            QCOMPARE(RowOf(grid, r), before[std::size_t(r)]);
        for (WORD i = 0; i < 4; ++i)
            QCOMPARE(dlg->GetStore()->GetService(i, LIST_SAT_TV)->wFlags, flags[i]);

        auto terr = SortWindow(LIST_TERR_TV);
        const QStringList row = RowOf(terr->Grid(LIST_TERR_TV), 1);
        for (long col = 0; col <= 4; ++col)
            DoubleClickGridCell(terr->Grid(LIST_TERR_TV), 1, col);
        QCOMPARE(RowOf(terr->Grid(LIST_TERR_TV), 1), row);
    }
};

QTEST_MAIN(EditorGridsTest)
#include "editor_grids.moc"
