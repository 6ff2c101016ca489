// The grids' popup menu: which menu a right-click shows, cut and paste of row blocks, and delete.
#include "grid_clicks.h"
#include "grid_columns.h"
#include "grid_menu.h"
#include "window_test_util.h"

namespace {

const QString kUnmoved = QStringLiteral("S1 S2 S3 S4 S5 S6");

} // namespace

class EditorEditTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;

    // A shown window whose list nList holds S1 .. S6 (numbered 1 to 6).
    std::unique_ptr<CEditorDlg> Window(BYTE nList = LIST_SAT_TV) {
        const auto fill = [nList](CChannelStore& store) {
            CStoreBuilder build(store);
            const BYTE nSat = build.Satellite("SAT-A", 192);
            build.Transponder(nSat, 11000, 27500, true);
            build.Mux(3, 0x0300);
            build.Network(1, "NET");
            for (WORD n = 1; n <= 6; ++n) {
                const QByteArray name = "S" + QByteArray::number(n);
                if (nList == LIST_SAT_TV)
                    build.SatService(nSat, 1, n, 1, name.constData());
                else
                    build.TerrService(3, n, 1, name.constData());
            }
            store.Rebuild();
        };
        return ShownWindow(m_prompt, fill, nList + 1);
    }

    // The grid's names in order, followed by the store's if they differ.
    static QString Rows(CEditorDlg& dlg, BYTE nList = LIST_SAT_TV) {
        QStringList grid, store;
        for (long r = 1; r < dlg.Grid(nList).GetRows(); ++r)
            grid << dlg.Grid(nList).GetTextMatrix(r, NameColumn(nList));
        for (WORD i = 0; i < dlg.Store().GetServiceCount(nList); ++i)
            store << QString::fromLatin1(NameOf(dlg.Store().GetService(i, nList)->szName).data());
        return grid.join(' ') + (grid == store ? QString() : " | store: " + store.join(' '));
    }

    // Selects rows and chooses a command from the menu a right-click on nMouseRow shows.
    void RowCommand(CEditorDlg& dlg, long nRow, long nRowSel, long nMouseRow, unsigned nId,
                    BYTE nList = LIST_SAT_TV) {
        CMSFlexGrid& grid = dlg.Grid(nList);
        SelectRows(grid, nRow, nRowSel);
        m_prompt.m_menuAnswers.push_back(nId);
        RightClickGridCell(grid, nMouseRow, 2);
    }

    // Whether the row menu last shown offered Paste.
    bool PasteWasOffered() const {
        for (const auto& item : m_prompt.m_menus.back().items)
            if (item.nId == ID_EDIT_PASTE)
                return item.bEnabled;
        return false;
    }

    // The cut marks of the list, one digit a service.
    static QString Marks(CEditorDlg& dlg, BYTE nList = LIST_SAT_TV) {
        QString marks;
        for (WORD i = 0; i < dlg.Store().GetServiceCount(nList); ++i)
            marks += QString::number(dlg.Store().GetServiceMark(i, nList));
        return marks;
    }

  private slots:
    void init() { m_prompt = CScriptedPrompt(); }

    // The store's own tests cover where a block lands; these prove the grid's part. Cut only
    // marks: the rows stay where they are, the current row is the block's end. Paste moves them,
    // the current cell where the rows were picked, not on Fav4.
    void cutAndPasteMoveABlock() {
        const int sat = LIST_SAT_TV, terr = LIST_TERR_TV;
        const struct {
            int nList, nFrom, nTo, nTarget;
            const char *marks, *moved;
        } cases[] = {{sat, 3, 4, 6, "001100", "S1 S2 S5 S3 S4 S6"},
                     {sat, 5, 4, 2, "000110", "S1 S4 S5 S2 S3 S6"}, // selected bottom up
                     {terr, 1, 2, 5, "110000", "S3 S4 S1 S2 S5 S6"}};
        for (const auto& c : cases) {
            const BYTE nList = static_cast<BYTE>(c.nList);
            auto dlg = Window(nList);
            CMSFlexGrid& grid = dlg->Grid(nList);
            RowCommand(*dlg, c.nFrom, c.nTo, c.nFrom, ID_EDIT_CUT, nList);
            QCOMPARE(Rows(*dlg, nList) + ' ' + Marks(*dlg, nList),
                     kUnmoved + ' ' + QLatin1String(c.marks));
            QCOMPARE(QPoint(grid.GetCol(), grid.GetRow()), QPoint(1, std::max(c.nFrom, c.nTo)));
            RowCommand(*dlg, c.nTarget, c.nTarget, c.nTarget, ID_EDIT_PASTE, nList);
            QVERIFY(PasteWasOffered());
            QCOMPARE(Rows(*dlg, nList) + ' ' + Marks(*dlg, nList),
                     QLatin1String(c.moved) + QLatin1String(" 000000"));
            QCOMPARE(QPoint(grid.GetCol(), grid.GetRow()), QPoint(1, c.nTarget));
            RowCommand(*dlg, 1, 1, 1, 0, nList); // the paste used up the cut
            QVERIFY(!PasteWasOffered());
        }
    }

    // The selection (from one cell to another) and the cell right-clicked decide the menu: the
    // row menu, the flag menu or none. A right-click elsewhere shows nothing. The items' ids are
    // proven by the tests that choose them; the items show their keys.
    void whichRightClicksShowAMenu() {
        const int sat = LIST_SAT_TV, terr = LIST_TERR_TV;
        const char *rows = "1: &Cut &Paste - &Delete &Move to Number ...",
                   *flags = "2: &Enable &Disable";
        const struct {
            int nList, selection[4], mouse[2];
            const char* menu;
        } cases[] = {{sat, {2, 1, 4, 12}, {3, 5}, rows},     // rows: inside
                     {sat, {2, 1, 4, 12}, {4, 0}, rows},     // rows: NUM cell
                     {sat, {4, 12, 2, 1}, {2, 12}, rows},    // rows made right to left: Fav4 cell
                     {sat, {2, 1, 4, 12}, {5, 3}, nullptr},  // rows: below
                     {sat, {2, 1, 4, 12}, {1, 7}, nullptr},  // rows: above
                     {terr, {1, 9, 3, 1}, {3, 4}, rows},     // terrestrial rows
                     {sat, {2, 8, 4, 12}, {3, 10}, flags},   // flags: inside
                     {sat, {4, 12, 2, 8}, {2, 8}, flags},    // flags: reversed
                     {sat, {2, 8, 4, 10}, {3, 11}, nullptr}, // flags: right of them
                     {sat, {2, 8, 4, 10}, {5, 9}, nullptr},  // flags: below them
                     {sat, {2, 8, 4, 10}, {3, 7}, nullptr},  // flags: on CA
                     {sat, {2, 7, 4, 8}, {3, 8}, nullptr},   // CA and Lock
                     {sat, {2, 2, 4, 5}, {3, 3}, nullptr},   // other cells
                     {terr, {1, 5, 6, 9}, {6, 5}, flags},    // terrestrial flags
                     {terr, {1, 4, 2, 5}, {1, 5}, nullptr}}; // terrestrial CA and Lock
        for (const auto& c : cases) {
            m_prompt = CScriptedPrompt();
            const BYTE nList = static_cast<BYTE>(c.nList);
            auto dlg = Window(nList);
            CMSFlexGrid& grid = dlg->Grid(nList);
            SelectCells(grid, c.selection[0], c.selection[1], c.selection[2], c.selection[3]);
            RightClickGridCell(grid, c.mouse[0], c.mouse[1]);
            QString menus; // every menu shown
            for (const auto& shown : m_prompt.m_menus) {
                menus += shown.title + ':';
                for (const auto& item : shown.items)
                    menus += ' ' + (item.nId != 0 ? item.text : QStringLiteral("-"));
            }
            QCOMPARE(menus, QLatin1String(c.menu ? c.menu : ""));
            if (c.nList == sat && c.menu == rows) {
                QCOMPARE(m_prompt.m_menus[0].items[0].keys, QStringLiteral("Ctrl+X"));
                RightClick(dlg->GetDlgItem(IDC_BUTTON_APPEND), QPoint(3, 3));
                RightClick(&dlg->TabCtrl(), QPoint(3, 3));
                RightClick(grid.viewport(), QPoint(5, grid.viewport()->height() - 2));
                QCOMPARE(m_prompt.m_menus.size(), std::size_t(1));
            }
        }
    }

    // Without asking, on data that has no file yet; the current row stays, or goes to the new
    // last row, and Paste waits for the next Cut. An emptied list's current row is the header
    // row: the grid shows no selection, and later commands find no row to work on and leave the
    // headers alone.
    void deleteKeepsTheCurrentRow() {
        // Rows: the rows selected, the names left, the current row and the last row's number cell.
        const struct {
            int nFrom, nTo;
            const char* left;
        } cases[] = {{2, 3, "S1 S4 S5 S6 @3 [   4]"},
                     {1, 1, "S2 S3 S4 S5 S6 @1 [   5]"},
                     {6, 5, "S1 S2 S3 S4 @4 [   4]"},
                     {1, 6, " @0 [  NUM]"}};
        for (const auto& c : cases) {
            auto dlg = Window(LIST_SAT_TV);
            CMSFlexGrid& grid = dlg->Grid(LIST_SAT_TV);
            const QString headers = RowOf(grid, 0);
            RowCommand(*dlg, c.nFrom, c.nTo, c.nFrom, ID_EDIT_DELETE);
            QCOMPARE(Rows(*dlg) + QStringLiteral(" @%1 [%2]")
                                      .arg(grid.GetRow())
                                      .arg(grid.GetTextMatrix(grid.GetRows() - 1, 0)),
                     QLatin1String(c.left));
            QVERIFY(m_prompt.MessageTexts().empty());
            if (grid.GetRows() > 1) {
                RowCommand(*dlg, 1, 1, 1, 0);
                QVERIFY(!PasteWasOffered());
                continue;
            }
            QVERIFY(grid.selectionModel()->selectedIndexes().isEmpty());
            for (unsigned nId : {ID_EDIT_PASTE, ID_FLAGS_ENABLE, ID_FLAGS_DISABLE, ID_EDIT_DELETE})
                QVERIFY(dlg->OnCommand(nId));
            QCOMPARE(grid.GetRows(), 1L);
            QCOMPARE(RowOf(grid, 0), headers);
        }
    }
};

QTEST_MAIN(EditorEditTest)
#include "editor_edit.moc"
