// A service list's model over a document, without a view: the texts of its cells, the sorts its
// header asks for, the rows a filter keeps, which changes it refreshes for, and its marks.
#include "service_list_model.h"
#include "document.h"
#include "grid_columns.h"
#include "store_builders.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Every row of the model, cells joined by '|', the header row first.
QStringList Rows(const CServiceListModel& model) {
    QStringList rows;
    for (long r = 0; r < model.Rows(); ++r) {
        QStringList cells;
        for (long c = 0; c < model.Cols(); ++c)
            cells << model.Text(r, c);
        if (r == 0 || model.IsShown(r))
            rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

void Fill(CDocument& document, const std::function<void(CChannelStore&)>& fill) {
    document.Edit(fill, [] { return QStringLiteral("fill"); });
}

} // namespace

class ServiceListModelTest : public QObject {
    Q_OBJECT

  private slots:
    void cellsShowTheStore() {
        CDocument document;
        Fill(document, [](CChannelStore& store) {
            CStoreBuilder build(store);
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
            store.Rebuild();
        });
        const QString satHeader = QStringLiteral(
            "  NUM|   Satellite Name  |Frequency|SymbolRate| H/V|  Network Name  |%1| CA "
            "|Lock|Fav1|Fav2|Fav3|Fav4");
        const QString terrHeader = QStringLiteral(
            "  NUM|  MUX|  Network Name  |  Channel Name  | CA |Lock|Fav1|Fav2|Fav3|Fav4");
        const QStringList expected[kListCount] = {
            {satHeader.arg(QStringLiteral("    TV Channel Name  ")),
             "   1|1. SAT-A|11494|27500|H|NET-ONE|Alpha|$|*||*||",
             "   2|2. 13E Hot Bird|10971|29700|V|Unknown|Sixteen chars xx||||||*",
             // Its transponder is missing: the transponder cells stay empty.
             "   3|2. 13E Hot Bird||||NET-ONE|No transponder|||*||*|"},
            {satHeader.arg(QStringLiteral("   Radio Channel Name  ")),
             "   1|1. SAT-A|11494|27500|H|NET-ONE|A radio||*||||"},
            // NUM shows the order key, gaps and all; MUX the high byte of the MUX's drift in hex.
            {terrHeader, "   5|AB|NET-ONE|First|$|*||||", "   9||NET-ONE|No MUX||||||*",
             "  12|5|Unknown|Far|||*|||"},
            {terrHeader, "   2|AB|NET-ONE|Radio||||*||"},
        };
        for (BYTE nList = 0; nList < kListCount; ++nList)
            QCOMPARE(Rows(CServiceListModel(document, nList)), expected[nList]);
    }

    // The orders as initials: ascending, then descending. Ties keep the number order in both
    // directions; the name and satellite keys reverse. A column without a key sorts nothing.
    void headersSortByTheirKeys() {
        const int sat = LIST_SAT_TV, terr = LIST_TERR_TV;
        const struct {
            int nList;
            long nCol;
            const char* orders; // none: the column sorts nothing
        } cases[] = {{sat, 1, "dcAB BAcd"},  {sat, 5, "cABd dBAc"},  {sat, 6, "ABcd dcBA"},
                     {sat, 7, "AdcB dcBA"},  {sat, 8, "dcAB ABdc"},  {sat, 9, "dAcB AcBd"},
                     {sat, 10, "AdcB dcBA"}, {sat, 11, "AdcB dcBA"}, {sat, 12, "cdAB dABc"},
                     {sat, 0, nullptr},      {sat, 4, nullptr},      {terr, 1, "ABdc cdBA"},
                     {terr, 2, "cABd dBAc"}, {terr, 3, "ABcd dcBA"}, {terr, 4, "AdcB dcBA"},
                     {terr, 5, "dcAB ABdc"}, {terr, 6, "dAcB AcBd"}, {terr, 9, "cdAB dABc"}};
        for (const auto& c : cases) {
            const BYTE nList = static_cast<BYTE>(c.nList);
            const QStringList orders =
                QString::fromLatin1(c.orders ? c.orders : "dAcB dAcB").split(' ');
            for (int bDescending = 0; bDescending < 2; ++bDescending) {
                CChannelStore store;
                FillSortStore(store);
                const bool bSorted = SortByColumn(store, nList, c.nCol, bDescending != 0);
                QString order, numbers;
                for (WORD i = 0; i < 4; ++i) {
                    order += CellText(store, CNameCodec(), nList, i, NameColumn(nList)).front();
                    numbers += CellText(store, CNameCodec(), nList, i, 0).trimmed();
                }
                QCOMPARE(order, orders[bDescending]);
                // Renumbered in the new order.
                QCOMPARE(numbers, QStringLiteral("1234"));
                QCOMPARE(bSorted, c.orders != nullptr);
            }
        }
    }

    // A filter keeps the rows the store's matching finds (its rules: the store's test); a text no
    // name can hold keeps none. An edit filters again.
    void filterKeepsMatchingRows() {
        CDocument document;
        Fill(document, FillSortStore);
        CServiceListModel model(document, LIST_SAT_TV);
        const struct {
            const char* pszFilter;
            std::vector<long> rows;
        } filters[] = {{"sat-b", {2, 4}}, {"\xE2\x82\xAC", {}}, {"", {1, 2, 3, 4}}};
        for (const auto& filter : filters) {
            model.SetFilter(QString::fromUtf8(filter.pszFilter));
            std::vector<long> rows;
            for (int i = 0; i < model.ShownRows(); ++i)
                rows.push_back(model.GridRow(i));
            QCOMPARE(rows, filter.rows);
        }
        model.SetFilter(QStringLiteral("a"));
        QCOMPARE(model.ShownRows(), 4);
        Fill(document, [](CChannelStore& store) {
            store.SetServiceMark(0, LIST_SAT_TV, 1);
            store.DeleteMarkedServices(LIST_SAT_TV);
        });
        QCOMPARE(model.ShownRows(), 3);
        QCOMPARE(model.Rows(), 4L);
    }

    // A change of another list is not heard; texts alone repaint; rows that come or go, read
    // again. Cut rows show marked while they wait for their paste.
    void changesRefreshWhatTheListShows() {
        CDocument document;
        Fill(document, FillSortStore);
        CServiceListModel model(document, LIST_SAT_TV);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy texts(&model, &QAbstractItemModel::dataChanged);
        Fill(document, [](CChannelStore& s) { s.SetServiceFlag(0, LIST_TERR_TV, 2, 1); });
        QCOMPARE(reset.count() + texts.count(), 0);
        Fill(document, [](CChannelStore& s) { s.SetServiceFlag(0, LIST_SAT_TV, 2, 1); });
        QCOMPARE(std::pair(int(reset.count()), int(texts.count())), std::pair(0, 1));
        Fill(document, [](CChannelStore& s) {
            s.SetServiceMark(1, LIST_SAT_TV, 1);
            s.DeleteMarkedServices(LIST_SAT_TV);
        });
        QCOMPARE(reset.count(), 1);

        QVERIFY(!model.IsMarked(1));
        document.MarkForCut(LIST_SAT_TV, {true});
        QCOMPARE(texts.count(), 2);
        QVERIFY(model.IsMarked(1) && !model.IsMarked(2));
    }

    // The arrow shows the last sort; a forgotten sort starts ascending on any column while the
    // arrow stays.
    void sortStateIsTheModels() {
        CDocument document;
        CServiceListModel model(document, LIST_SAT_TV);
        model.SetSortState(8, true);
        QCOMPARE(std::tuple(model.SortColumn(), model.IsSortDescending(), model.SortArrowColumn()),
                 std::tuple(8L, true, 8L));
        model.ForgetSort();
        QCOMPARE(std::tuple(model.SortColumn(), model.IsSortDescending(), model.SortArrowColumn(),
                            model.IsSortArrowDescending()),
                 std::tuple(0L, false, 8L, true));
    }
};

QTEST_GUILESS_MAIN(ServiceListModelTest)
#include "service_list_model.moc"
