// The grids' popup menu: which menu a right-click shows, cut and paste of row blocks, delete,
// and setting or clearing flags over a rectangle.
#include "editor_dlg.h"
#include "grid_clicks.h"
#include "grid_menu.h"
#include "prompt.h"
#include "store_builder.h"

#include <QPushButton>
#include <QTest>

namespace {

using L = QStringList;

const QString kUnmoved = QStringLiteral("S1 S2 S3 S4 S5 S6");

long NameColumn(BYTE nList) {
    return nList == LIST_SAT_TV || nList == LIST_SAT_RADIO ? 6 : 3;
}

} // namespace

class EditorEditTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;

    // A shown window whose list nList holds S1 .. S6 (numbered 1 to 6), the data file path set
    // unless bNoPath.
    std::unique_ptr<CEditorDlg> Window(BYTE nList = LIST_SAT_TV, bool bNoPath = false) {
        auto dlg = std::make_unique<CEditorDlg>(m_prompt);
        CChannelStore& store = *dlg->GetStore();
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
        if (!bNoPath)
            store.SetPathName("/tmp/channels.zdf");
        dlg->TabCtrl().setCurrentIndex(nList + 1);
        dlg->RefillGrid(nList);
        dlg->show();
        return dlg;
    }

    // The grid's names in order, followed by the store's if they differ.
    static QString Rows(CEditorDlg& dlg, BYTE nList = LIST_SAT_TV) {
        L grid, store;
        for (long r = 1; r < dlg.Grid(nList).GetRows(); ++r)
            grid << dlg.Grid(nList).GetTextMatrix(r, NameColumn(nList));
        for (WORD i = 0; i < dlg.GetStore()->GetServiceCount(nList); ++i)
            store << QString::fromLatin1(
                NameOf(dlg.GetStore()->GetService(i, nList)->szName).data());
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

    bool PasteEnabledInLastMenu() const {
        for (const auto& item : m_prompt.m_menus.back().items)
            if (item.nId == ID_EDIT_PASTE)
                return item.bEnabled;
        return false;
    }

    // Whether the row menu a right-click on row nRow shows offers Paste (the menu dismissed).
    bool PasteOffered(CEditorDlg& dlg, long nRow, BYTE nList = LIST_SAT_TV) {
        SelectRows(dlg.Grid(nList), nRow, nRow);
        const std::size_t nMenus = m_prompt.m_menus.size();
        RightClickGridCell(dlg.Grid(nList), nRow, 3);
        return m_prompt.m_menus.size() == nMenus + 1 && PasteEnabledInLastMenu();
    }

    // The cut marks of the list, one digit a service.
    static QString Marks(CEditorDlg& dlg, BYTE nList = LIST_SAT_TV) {
        QString marks;
        for (WORD i = 0; i < dlg.GetStore()->GetServiceCount(nList); ++i)
            marks += QString::number(dlg.GetStore()->GetServiceMark(i, nList));
        return marks;
    }

  private slots:
    void init() { m_prompt = CScriptedPrompt(); }

    // The store's own tests cover where a block lands; these prove the grid's part.
    void cutAndPasteMoveABlock_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("expected");
        const int sat = LIST_SAT_TV, terr = LIST_TERR_TV;
        QTest::newRow("down") << sat << 3 << 4 << 6 << "S1 S2 S5 S3 S4 S6";
        QTest::newRow("selected bottom up") << sat << 5 << 4 << 2 << "S1 S4 S5 S2 S3 S6";
        QTest::newRow("to the top") << sat << 5 << 6 << 1 << "S5 S6 S1 S2 S3 S4";
        QTest::newRow("terrestrial") << terr << 1 << 2 << 5 << "S3 S4 S1 S2 S5 S6";
    }
    void cutAndPasteMoveABlock() {
        QFETCH(int, list);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, target);
        QFETCH(QString, expected);
        const BYTE nList = static_cast<BYTE>(list);
        auto dlg = Window(nList);
        CMSFlexGrid& grid = dlg->Grid(nList);

        RowCommand(*dlg, from, to, from, ID_EDIT_CUT, nList);
        // Cut only marks: the rows stay where they are, the current row is the block's end.
        QCOMPARE(Rows(*dlg, nList), kUnmoved);
        QCOMPARE(grid.GetRow(), long(std::max(from, to)));
        QCOMPARE(grid.GetCol(), 1L);
        QString marks(6, u'0');
        marks.replace(std::min(from, to) - 1, std::abs(to - from) + 1,
                      QString(std::abs(to - from) + 1, u'1'));
        QCOMPARE(Marks(*dlg, nList), marks);

        RowCommand(*dlg, target, target, target, ID_EDIT_PASTE, nList);
        QVERIFY(PasteEnabledInLastMenu());
        QCOMPARE(Rows(*dlg, nList), expected);
        QCOMPARE(grid.GetRow(), long(target));
        QCOMPARE(grid.GetCol(), 1L); // where the rows were picked, not on Fav4
        for (WORD i = 0; i < 6; ++i)
            QCOMPARE(dlg->GetStore()->GetService(i, nList)->wNumber, WORD(i + 1));
        QCOMPARE(Marks(*dlg, nList), QStringLiteral("000000"));
        QVERIFY(!PasteOffered(*dlg, target, nList)); // the paste used up the cut
    }

    void pasteIsGreyedUntilACut() {
        auto dlg = Window();
        // Choosing the greyed Paste does nothing.
        RowCommand(*dlg, 2, 2, 2, ID_EDIT_PASTE);
        QVERIFY(!PasteEnabledInLastMenu());
        QCOMPARE(Rows(*dlg), kUnmoved);
        RowCommand(*dlg, 1, 1, 1, ID_EDIT_CUT);
        QVERIFY(PasteOffered(*dlg, 4));
        // A Delete also ends the pending cut.
        RowCommand(*dlg, 6, 6, 6, ID_EDIT_DELETE);
        QVERIFY(!PasteOffered(*dlg, 5));
    }

    // The items' ids are proven by the tests that choose them.
    void whichRightClicksShowAMenu_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<QList<int>>("selection"); // row, col, rowSel, colSel
        QTest::addColumn<QList<int>>("mouse");     // row, col
        QTest::addColumn<QString>("menu");         // popup title, empty for none
        const int sat = LIST_SAT_TV, terr = LIST_TERR_TV;
        using I = QList<int>;
        QTest::newRow("rows: inside") << sat << I{2, 1, 4, 12} << I{3, 5} << "1";
        QTest::newRow("rows: NUM cell") << sat << I{2, 1, 4, 12} << I{4, 0} << "1";
        QTest::newRow("rows: CA cell") << sat << I{2, 1, 4, 12} << I{2, 7} << "1";
        QTest::newRow("rows: Fav4 cell") << sat << I{4, 12, 2, 1} << I{2, 12} << "1";
        QTest::newRow("rows: below") << sat << I{2, 1, 4, 12} << I{5, 3} << "";
        QTest::newRow("rows: above") << sat << I{2, 1, 4, 12} << I{1, 7} << "";
        QTest::newRow("rows: header") << sat << I{2, 1, 4, 12} << I{0, 3} << "";
        QTest::newRow("terr rows: CA cell") << terr << I{1, 9, 3, 1} << I{3, 4} << "1";
        QTest::newRow("flags: inside") << sat << I{2, 8, 4, 12} << I{3, 10} << "2";
        QTest::newRow("flags: reversed") << sat << I{4, 12, 2, 8} << I{2, 8} << "2";
        QTest::newRow("flags: one cell") << sat << I{5, 9, 5, 9} << I{5, 9} << "2";
        QTest::newRow("flags: right of it") << sat << I{2, 8, 4, 10} << I{3, 11} << "";
        QTest::newRow("flags: below it") << sat << I{2, 8, 4, 10} << I{5, 9} << "";
        QTest::newRow("flags: on CA") << sat << I{2, 8, 4, 10} << I{3, 7} << "";
        QTest::newRow("CA only") << sat << I{2, 7, 4, 7} << I{3, 7} << "";
        QTest::newRow("CA and Lock") << sat << I{2, 7, 4, 8} << I{3, 8} << "";
        QTest::newRow("name and flags") << sat << I{2, 6, 4, 12} << I{3, 9} << "";
        QTest::newRow("other cells") << sat << I{2, 2, 4, 5} << I{3, 3} << "";
        QTest::newRow("terr flags") << terr << I{1, 5, 6, 9} << I{6, 5} << "2";
        QTest::newRow("terr CA only") << terr << I{1, 4, 2, 4} << I{1, 4} << "";
        QTest::newRow("terr CA and Lock") << terr << I{1, 4, 2, 5} << I{1, 5} << "";
    }
    void whichRightClicksShowAMenu() {
        QFETCH(int, list);
        QFETCH(QList<int>, selection);
        QFETCH(QList<int>, mouse);
        QFETCH(QString, menu);
        const BYTE nList = static_cast<BYTE>(list);
        auto dlg = Window(nList);
        CMSFlexGrid& grid = dlg->Grid(nList);
        SelectCells(grid, selection[0], selection[1], selection[2], selection[3]);
        RightClickGridCell(grid, mouse[0], mouse[1]);
        QCOMPARE(Rows(*dlg, nList), kUnmoved); // dismissed
        if (menu.isEmpty()) {
            QVERIFY(m_prompt.m_menus.empty());
            return;
        }
        QCOMPARE(m_prompt.m_menus.size(), std::size_t(1));
        QCOMPARE(m_prompt.m_menus[0].title, menu);
    }

    void rightClicksElsewhereShowNothing() {
        auto dlg = Window();
        SelectRows(dlg->Grid(LIST_SAT_TV), 1, 6);
        RightClick(dlg->GetDlgItem(IDC_BUTTON_APPEND), QPoint(3, 3));
        RightClick(&dlg->TabCtrl(), QPoint(3, 3));
        // Beyond the last row there is no row.
        CMSFlexGrid& grid = dlg->Grid(LIST_SAT_TV);
        RightClick(grid.viewport(), QPoint(5, grid.viewport()->height() - 2));
        QVERIFY(m_prompt.m_menus.empty());
    }

    void deleteKeepsTheCurrentRow_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("row");
        QTest::newRow("middle") << 2 << 3 << "S1 S4 S5 S6" << 3;
        QTest::newRow("first") << 1 << 1 << "S2 S3 S4 S5 S6" << 1;
        QTest::newRow("last rows") << 6 << 5 << "S1 S2 S3 S4" << 4;
    }
    void deleteKeepsTheCurrentRow() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, expected);
        QFETCH(int, row);
        auto dlg = Window();
        RowCommand(*dlg, from, to, from, ID_EDIT_DELETE);
        QCOMPARE(Rows(*dlg), expected);
        const long nLeft = expected.count(' ') + 1;
        QCOMPARE(dlg->Grid(LIST_SAT_TV).GetRows(), nLeft + 1);
        QCOMPARE(dlg->Grid(LIST_SAT_TV).GetRow(), long(row));
        QCOMPARE(dlg->Grid(LIST_SAT_TV).GetTextMatrix(nLeft, 0),
                 QStringLiteral("   %1").arg(nLeft));
        QVERIFY(m_prompt.MessageTexts().empty()); // no confirmation
    }

    // The emptied list's current row is the header row: the grid shows no selection, and
    // later commands find no row to work on and leave the headers alone.
    void deletingEveryRowLeavesTheHeader() {
        auto dlg = Window();
        CMSFlexGrid& grid = dlg->Grid(LIST_SAT_TV);
        L headers;
        for (long c = 0; c < grid.GetCols(); ++c)
            headers << grid.GetTextMatrix(0, c);
        RowCommand(*dlg, 1, 6, 3, ID_EDIT_DELETE);
        QCOMPARE(dlg->GetStore()->GetServiceCount(LIST_SAT_TV), WORD(0));
        QCOMPARE(grid.GetRows(), 1L);
        QCOMPARE(grid.GetRow(), 0L);
        QVERIFY(grid.selectionModel()->selectedIndexes().isEmpty());
        for (unsigned nId : {ID_EDIT_PASTE, ID_FLAGS_ENABLE, ID_FLAGS_DISABLE, ID_EDIT_DELETE})
            QVERIFY(dlg->OnCommand(nId));
        QCOMPARE(grid.GetRows(), 1L);
        for (long c = 0; c < grid.GetCols(); ++c)
            QCOMPARE(grid.GetTextMatrix(0, c), headers[c]);
    }

    void flagsOverARectangle_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("firstCol");
        QTest::addColumn<int>("mask"); // the flags of columns firstCol .. firstCol + 2
        QTest::newRow("satellite")
            << int(LIST_SAT_TV) << 9 << int(FLAG_FAV1 | FLAG_FAV2 | FLAG_FAV3);
        QTest::newRow("terrestrial")
            << int(LIST_TERR_TV) << 5 << int(FLAG_LOCK | FLAG_FAV1 | FLAG_FAV2);
    }
    void flagsOverARectangle() {
        QFETCH(int, list);
        QFETCH(int, firstCol);
        QFETCH(int, mask);
        const BYTE nList = static_cast<BYTE>(list);
        // Enable and Disable need no data file.
        auto dlg = Window(nList, true);
        CMSFlexGrid& grid = dlg->Grid(nList);
        CChannelStore& store = *dlg->GetStore();
        store.SetServiceFlag(0, nList, 4, 1); // Fav4 of S1, outside the rectangle
        dlg->RefillGrid(nList);

        for (unsigned nId : {ID_FLAGS_ENABLE, ID_FLAGS_DISABLE}) {
            const bool bOn = nId == ID_FLAGS_ENABLE;
            // Made from the bottom right to the top left: rows 2..4.
            SelectCells(grid, 4, firstCol + 2, 2, firstCol);
            m_prompt.m_menuAnswers.push_back(nId);
            RightClickGridCell(grid, 3, firstCol + 1);
            for (WORD i = 0; i < 6; ++i) {
                const bool bInside = i >= 1 && i <= 3;
                const WORD wFlags = store.GetService(i, nList)->wFlags;
                QCOMPARE((wFlags & mask) == mask, bInside && bOn);
                QCOMPARE((wFlags & mask) == 0, !bInside || !bOn);
                QCOMPARE((wFlags & FLAG_FAV4) != 0, i == 0);
                for (long c = firstCol; c <= firstCol + 2; ++c)
                    QCOMPARE(grid.GetTextMatrix(i + 1, c),
                             bInside && bOn ? QStringLiteral("*") : QString());
            }
        }
        QCOMPARE(grid.GetTextMatrix(1, firstCol + 3 + (nList == LIST_SAT_TV ? 0 : 1)),
                 QStringLiteral("*"));
        QCOMPARE(m_prompt.m_menus.size(), std::size_t(2));
    }

    void withoutADataFileNothingIsCutOrDeleted() {
        auto dlg = Window(LIST_SAT_TV, true);
        RowCommand(*dlg, 2, 3, 2, ID_EDIT_CUT);
        QCOMPARE(Marks(*dlg), QStringLiteral("000000"));
        RowCommand(*dlg, 5, 5, 5, ID_EDIT_DELETE);
        QVERIFY(!PasteOffered(*dlg, 1)); // the cut did not count
        QCOMPARE(Rows(*dlg), kUnmoved);
    }

    void withoutADataFilePasteMovesNothing() {
        auto dlg = Window();
        RowCommand(*dlg, 1, 2, 1, ID_EDIT_CUT);
        dlg->GetStore()->SetPathName(std::string());
        RowCommand(*dlg, 5, 5, 5, ID_EDIT_PASTE);
        QCOMPARE(Rows(*dlg), kUnmoved);
        QVERIFY(PasteOffered(*dlg, 5)); // the cut is still pending
    }

    void changingTabsForgetsTheSavedRows() {
        auto dlg = Window();
        SelectRows(dlg->Grid(LIST_SAT_TV), 2, 3);
        RightClickGridCell(dlg->Grid(LIST_SAT_TV), 2, 2); // menu dismissed: rows 2..3 saved
        dlg->TabCtrl().setCurrentIndex(2);
        dlg->TabCtrl().setCurrentIndex(1);
        QVERIFY(dlg->OnCommand(ID_EDIT_CUT));
        QCOMPARE(Marks(*dlg), QStringLiteral("000000"));
    }

    // A cut on one list and a paste on another: the other list has no marks, so nothing moves,
    // and the cut rows of the first list are released.
    void pasteOnAnotherListMovesNothing() {
        auto dlg = Window();
        CStoreBuilder build(*dlg->GetStore());
        build.SatService(2, 1, 50, 1, "R1", FLAG_RADIO);
        build.SatService(2, 1, 51, 1, "R2", FLAG_RADIO);
        dlg->GetStore()->Rebuild();
        dlg->RefillGrid(LIST_SAT_RADIO);
        RowCommand(*dlg, 1, 2, 1, ID_EDIT_CUT);
        dlg->TabCtrl().setCurrentIndex(LIST_SAT_RADIO + 1);
        RowCommand(*dlg, 2, 2, 2, ID_EDIT_PASTE, LIST_SAT_RADIO);
        QCOMPARE(Rows(*dlg, LIST_SAT_RADIO), QStringLiteral("R1 R2"));
        QCOMPARE(Rows(*dlg), kUnmoved);
        QCOMPARE(Marks(*dlg), QStringLiteral("000000"));
    }
};

QTEST_MAIN(EditorEditTest)
#include "editor_edit.moc"
