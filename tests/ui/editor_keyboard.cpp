// Finding and arranging services in the grids: the filter and its count, the keys, drag and
// drop, Move to Number, and what the window shows of them.
#include "grid_clicks.h"
#include "grid_columns.h"
#include "grid_menu.h"
#include "window_test_util.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QUndoStack>

namespace {

const BYTE kTv = LIST_SAT_TV;
const std::vector<std::string> kNames = {"Alpha", "beta", "\xC4RD", "Gamma", "\xE4rd 2", "Delta"};

// The grid's shown names, or the store's rows as "name:flags".
QString Rows(CEditorDlg& dlg, bool bStored = false) {
    QStringList rows;
    for (WORD i = 0; i < dlg.Store().GetServiceCount(kTv); ++i) {
        const SSVC_INFO* s = dlg.Store().GetService(i, kTv);
        if (bStored)
            rows << QString::fromLatin1(NameOf(s->szName).data()) + ':' +
                        QString::number(s->wFlags);
        else if (dlg.Grid(kTv).IsRowShown(i + 1))
            rows << dlg.Grid(kTv).GetTextMatrix(i + 1, NameColumn(kTv));
    }
    return rows.join(' ');
}

// Latin-1 text; "%1" stands for the flags value given.
QString Expect(const char* text, WORD wFlags = 0) {
    const QString expected = QString::fromLatin1(text);
    return expected.contains(QStringLiteral("%1")) ? expected.arg(wFlags) : expected;
}

void Key(CEditorDlg& dlg, const QKeySequence& key) {
    dlg.Grid(kTv).setFocus();
    QTest::keySequence(&dlg.Grid(kTv), key);
}

// The Edit menu's grid commands as the open menu shows them, '-' for greyed: Cut, Paste, Delete,
// Select All, Move to Number, Enable, Disable. Closed, it holds none of their keys back.
QString EditMenu(CEditorDlg& dlg) {
    QMenu& edit = *dlg.MenuBar().actions()[1]->menu();
    QString shown;
    emit edit.aboutToShow();
    for (UINT nId : {ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_DELETE, ID_EDIT_SELECT_ALL,
                     ID_EDIT_MOVE_TO_NUMBER, ID_FLAGS_ENABLE, ID_FLAGS_DISABLE})
        shown += dlg.GetMenuAction(nId)->isEnabled() ? '+' : '-';
    emit edit.aboutToHide();
    return shown;
}

} // namespace

class EditorKeyboardTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;

    // The satellite TV list with kNames, or the store `fill` builds, shown and active.
    std::unique_ptr<CEditorDlg> Window(const std::function<void(CChannelStore&)>& fill =
                                           [](CChannelStore& store) { FillSatTv(store, kNames); }) {
        auto dlg = ShownWindow(m_prompt, fill);
        return QTest::qWaitForWindowActive(dlg.get()) ? std::move(dlg) : nullptr;
    }

  private slots:
    void init() { m_prompt = CScriptedPrompt(); }

    // The store owns matching; the window gives it the text as Latin-1 and counts the rows shown.
    void filterShowsTheMatchingRowsAndTheirCount() {
        auto dlg = Window();
        QVERIFY(dlg);
        for (const auto& [text, shown, count] :
             {std::tuple{"äRD", "ÄRD ärd 2", "2 of 6"}, {"€", "", "0 of 6"}}) {
            FilterField(*dlg).setText(QString::fromUtf8(text));
            QCOMPARE(Rows(*dlg) + '|' + FilterCount(*dlg),
                     QString::fromUtf8(shown) + '|' + QLatin1String(count));
        }
        // Each tab keeps its filter; Ctrl+F goes to the field, Down on into the grid's first row
        // shown; Esc there (as in the field: one action) clears it and the list shows in its
        // stored order.
        QTest::keyClick(dlg.get(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(FilterField(*dlg).hasFocus());
        QTest::keyClicks(&FilterField(*dlg), QStringLiteral("rd"));
        dlg->TabCtrl().setCurrentIndex(2);
        QCOMPARE(FilterField(*dlg).text() + FilterCount(*dlg), QStringLiteral("0 of 0"));
        dlg->TabCtrl().setCurrentIndex(1);
        QTest::keyClick(&FilterField(*dlg), Qt::Key_Down);
        QVERIFY(dlg->Grid(kTv).hasFocus());
        QCOMPARE(dlg->Grid(kTv).GetRow(), 3L);
        QTest::keyClick(&dlg->Grid(kTv), Qt::Key_Escape);
        QCOMPARE(Rows(*dlg), QString::fromUtf8("Alpha beta ÄRD Gamma ärd 2 Delta"));
    }

    // Under the filter "rd" (rows 3 and 5) each edit leaves the hidden rows as they were; Paste
    // goes in front of the target row shown; Enable and Disable cover the selected rectangle.
    // Each is one undo step.
    void editsUnderAFilterTouchOnlyShownRows() {
        auto dlg = Window();
        QVERIFY(dlg);
        FilterField(*dlg).setText(QStringLiteral("rd"));
        Key(*dlg, QKeySequence::SelectAll);
        Key(*dlg, QKeySequence::Cut);
        FilterField(*dlg).setText(QStringLiteral("elt"));
        Key(*dlg, QKeySequence::Paste);
        QCOMPARE(Rows(*dlg, true), Expect("Alpha:0 beta:0 Gamma:0 \xC4RD:0 \xE4rd 2:0 Delta:0"));
        FilterField(*dlg).setText(QStringLiteral("rd"));
        const long nLock = FirstFlagColumn(kTv);
        dlg->Grid(kTv).SetSelection(5, nLock + 1, 2, nLock); // made bottom right to top left
        dlg->OnCommand(ID_FLAGS_ENABLE);
        dlg->Grid(kTv).SetSelection(2, nLock + 1, 5, nLock + 1);
        dlg->OnCommand(ID_FLAGS_DISABLE);
        QCOMPARE(Rows(*dlg, true),
                 Expect("Alpha:0 beta:0 Gamma:0 \xC4RD:%1 \xE4rd 2:%1 Delta:0", FLAG_LOCK));
        Key(*dlg, QKeySequence::SelectAll);
        Key(*dlg, Qt::Key_Delete);
        QCOMPARE(Rows(*dlg, true), Expect("Alpha:0 beta:0 Gamma:0 Delta:0"));
        QCOMPARE(dlg->UndoStack().count(), 4);
    }

    // A grid opens with its first row current, so Detail Info has a row at once. The Edit menu
    // greys what cannot act (no cut waiting, no flag column). Paste goes before the current row;
    // Space sets or clears the current cell's flag on every selected row
    // (after Ctrl+A the current cell is the last row's Fav4), a double-click toggles one cell's,
    // in the cells and the store (CA ignores it); Enter and a double-click on a name open Detail
    // Info too.
    void keysOfTheCurrentCell() {
        auto dlg = Window();
        QVERIFY(dlg);
        CMSFlexGrid& grid = dlg->Grid(kTv);
        QCOMPARE(grid.GetRow(), 1L);
        QTest::mouseClick(dlg->GetDlgItem<QPushButton>(IDC_BUTTON_DETAIL_INFO), Qt::LeftButton);
        SelectRows(grid, 1, 2);
        Key(*dlg, QKeySequence::Cut);
        QCOMPARE(EditMenu(*dlg), QStringLiteral("+++++--"));
        ClickGridCell(grid, 5, 3);
        Key(*dlg, QKeySequence::Paste);
        QCOMPARE(Rows(*dlg, true), Expect("\xC4RD:0 Gamma:0 Alpha:0 beta:0 \xE4rd 2:0 Delta:0"));
        const long nFav1 = FirstFlagColumn(kTv) + 1;
        SelectCells(grid, 2, nFav1 + 1, 4, nFav1 + 1);
        QCOMPARE(EditMenu(*dlg), QStringLiteral("+-+++++"));
        Key(*dlg, Qt::Key_Space);
        Key(*dlg, QKeySequence::SelectAll);
        Key(*dlg, Qt::Key_Space);
        for (long nCol = nFav1 - 2; nCol <= nFav1 + 4; ++nCol) // CA, Lock to Fav4, Fav4 again
            DoubleClickGridCell(grid, 1, std::min(nCol, nFav1 + 3));
        QCOMPARE(Rows(*dlg, true),
                 QString::fromLatin1("\xC4RD:%1 Gamma:%2 Alpha:%2 beta:%2 \xE4rd 2:%3 Delta:%3")
                     .arg(FLAG_LOCK | FLAG_FAV1 | FLAG_FAV2 | FLAG_FAV3 | FLAG_FAV4)
                     .arg(FLAG_FAV2 | FLAG_FAV4)
                     .arg(FLAG_FAV4));
        QCOMPARE(RowOf(grid, 1).section('|', int(nFav1 - 2)), QStringLiteral("|*|*|*|*|*"));
        ClickGridCell(grid, 1, nFav1); // Space on the first row too
        Key(*dlg, Qt::Key_Space);
        QCOMPARE(RowOf(grid, 1).section('|', int(nFav1 - 2)), QStringLiteral("|*||*|*|*"));
        ClickGridCell(grid, 3, 2);
        Key(*dlg, Qt::Key_Return);
        DoubleClickGridCell(grid, 1, NameColumn(kTv));     // the first row is a row
        QCOMPARE(m_prompt.m_shown.size(), std::size_t(3)); // the dialog, three times
    }

    // Move to Number puts the block where its first row takes number N (the store's tests own
    // the rest of the rule), N from 1 to 9999; dropped in the upper half of the last row it goes
    // before that row, in its lower half after it, and dropped on itself it stays. One undo step
    // puts it back; a cancel or a block that stays changes nothing.
    void moveToNumberAndDragAndDrop() {
        const struct {
            long nFrom, nTo;
            std::deque<int> answer; // none: a drop, or a cancel with nFrom 4
            const char* order;
            int nDropY = 2; // from the drop row's top, or (negative) from its bottom
            int nDropRow = 6;
        } cases[] = {{4, 5, {1}, "Gamma \xE4rd 2 Alpha beta \xC4RD Delta"},
                     {4, 5, {0}, "Gamma \xE4rd 2 Alpha beta \xC4RD Delta"},
                     {2, 3, {10000}, "Alpha Gamma \xE4rd 2 Delta beta \xC4RD"},
                     {4, 5, {}, "Alpha beta \xC4RD Gamma \xE4rd 2 Delta"},
                     {2, 3, {}, "Alpha Gamma \xE4rd 2 beta \xC4RD Delta"},
                     {2, 3, {}, "Alpha Gamma \xE4rd 2 Delta beta \xC4RD", -2},
                     {2, 3, {}, "Alpha beta \xC4RD Gamma \xE4rd 2 Delta", 2, 3}};
        for (const auto& c : cases) {
            m_prompt.m_integers = c.answer;
            auto dlg = Window();
            QVERIFY(dlg);
            CMSFlexGrid& grid = dlg->Grid(kTv);
            SelectRows(grid, c.nFrom, c.nTo);
            Key(*dlg, QKeyCombination(Qt::CTRL | Qt::Key_M));
            if (c.nFrom == 2 && c.answer.empty()) {
                std::unique_ptr<QMimeData> rows(grid.model()->mimeData({}));
                const QRect target = grid.visualRect(grid.model()->index(c.nDropRow - 1, 1));
                const QPointF pos(target.center().x(), c.nDropY > 0 ? target.top() + c.nDropY
                                                                    : target.bottom() + c.nDropY);
                QDragEnterEvent enter(pos.toPoint(), Qt::CopyAction, rows.get(), Qt::LeftButton,
                                      {});
                QApplication::sendEvent(grid.viewport(),
                                        &enter); // a drop goes where a drag entered
                QDropEvent drop(pos, Qt::CopyAction, rows.get(), Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(grid.viewport(), &drop);
            }
            QCOMPARE(Rows(*dlg), Expect(c.order));
            const bool bStays = c.answer.empty() && (c.nFrom == 4 || c.nDropRow == 3);
            QCOMPARE(dlg->UndoStack().count(), bStays ? 0 : 1);
            dlg->OnCommand(ID_EDIT_UNDO);
            QCOMPARE(Rows(*dlg), Expect("Alpha beta \xC4RD Gamma \xE4rd 2 Delta"));
        }
    }

    // A header double-click sorts the grid's list (the keys: the model's test) and the arrow
    // names the sort and its way; the page keeps the sort state. The shown order as initials:
    // d(elta), A(lpha), c(harlie), B(ravo), then the arrow's column and way.
    void headerSortState() {
        auto dlg = Window(FillSortStore);
        QVERIFY(dlg);
        CMSFlexGrid& grid = dlg->Grid(kTv);
        const auto order = [&](BYTE nList) {
            QString initials;
            for (const QString& name : Column(dlg->Grid(nList), NameColumn(nList)))
                initials += name.front();
            return initials;
        };
        const auto sort = [&](long nCol) {
            DoubleClickGridCell(grid, 0, nCol);
            const QHeaderView& header = *grid.horizontalHeader();
            return order(kTv) + QStringLiteral(" %1").arg(header.sortIndicatorSection() + 1) +
                   (header.sortIndicatorOrder() == Qt::AscendingOrder ? '+' : '-');
        };
        QCOMPARE(sort(8), QStringLiteral("dcAB 8+")); // Lock: locked first
        // Headers without a sort key neither sort nor make Lock forgotten.
        for (long nCol : {0L, 2L, 3L, 4L})
            QCOMPARE(sort(nCol), QStringLiteral("dcAB 8+"));
        QCOMPARE(sort(8), QStringLiteral("ABdc 8-"));
        QCOMPARE(sort(9), QStringLiteral("dABc 9+")); // a new column starts ascending again
        DoubleClickGridCell(dlg->Grid(LIST_TERR_TV), 0, 0);
        QCOMPARE(order(LIST_TERR_TV), QStringLiteral("dAcB"));
        // Changing tabs forgets the sort state: the same header sorts ascending again.
        QCOMPARE(sort(6), QStringLiteral("ABcd 6+"));
        dlg->TabCtrl().setCurrentIndex(3);
        dlg->TabCtrl().setCurrentIndex(1);
        QCOMPARE(sort(6), QStringLiteral("ABcd 6+"));
    }

    // Cut rows look marked until the paste; the status line names the file, counts the lists
    // and tells what the last action did.
    void cutRowsAndStatusLine() {
        auto dlg = Window();
        QVERIFY(dlg);
        CMSFlexGrid& grid = dlg->Grid(kTv);
        const auto background = [&](int nRow) {
            return grid.model()->index(nRow, 0).data(Qt::BackgroundRole);
        };
        SelectRows(grid, 1, 2);
        Key(*dlg, QKeySequence::Cut);
        QVERIFY(background(1) != background(2));
        QCOMPARE(dlg->StatusFields(), QStringLiteral("built.zdf | Satellite TV 6  Radio 0  "
                                                     "Terrestrial TV 0  Radio 0 | Cut 2 services"));
        ClickGridCell(grid, 5, 2);
        Key(*dlg, QKeySequence::Paste);
        QCOMPARE(background(1), background(2));
        QCOMPARE(dlg->StatusFields().section(" | ", 2),
                 QStringLiteral("Pasted 2 services before 5"));
        dlg->OnCommand(ID_EDIT_UNDO);
        QCOMPARE(dlg->StatusFields().section(" | ", 2), QStringLiteral("Undone: Paste 2 services"));
        Key(*dlg, QKeySequence::Cut); // a Paste on another list finds nothing cut there
        dlg->TabCtrl().setCurrentIndex(2);
        dlg->OnCommand(ID_EDIT_PASTE);
        QCOMPARE(dlg->StatusFields().section(" | ", 2),
                 QStringLiteral("Nothing pasted: no services of this list are cut"));
    }
};

QTEST_MAIN(EditorKeyboardTest)
#include "editor_keyboard.moc"
