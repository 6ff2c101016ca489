// The service grids' header sorts: which way a double-click sorts, as the page remembers it.
#include "grid_clicks.h"
#include "window_test_util.h"

class EditorGridsTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;

    // A shown window on the tab of nList; both TV grids hold the four sort services.
    std::unique_ptr<CEditorDlg> SortWindow(BYTE nList) {
        auto dlg = std::make_unique<CEditorDlg>(m_prompt);
        Load(*dlg, FillSortStore);
        dlg->TabCtrl().setCurrentIndex(nList + 1);
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
    // A header double-click sorts the grid's list (the keys: the model's test), and the page
    // keeps the sort state.
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
