// How the window's controls follow its size.
#include "controls.h"
#include "editor_dlg.h"
#include "main_dialog.h"
#include "prompt.h"

#include <QMenuBar>
#include <QTest>

#include <map>
#include <set>

namespace {

using Geometries = std::map<int, QRect>;

const std::set<int> kStretched = {1005, 1007, 1061, 1064, 1066, 1067};
const std::set<int> kButtons = {1009, 1010, 1011, 1013};
constexpr int kFrame = 1012;

Geometries GeometriesOf(const CEditorDlg& dlg) {
    Geometries rects;
    for (const SDlgItem& item : main_dialog::kItems)
        rects[item.nId] = dlg.GetDlgItem(item.nId)->geometry();
    return rects;
}

// Where every control should be after the client area changed by (dx, dy).
Geometries Moved(const Geometries& before, int dx, int dy) {
    Geometries after;
    for (const auto& [nId, rect] : before) {
        if (kStretched.count(nId))
            after[nId] = rect.adjusted(0, 0, dx, dy);
        else if (nId == kFrame)
            after[nId] = rect.adjusted(dx, 0, dx, dy);
        else if (kButtons.count(nId))
            after[nId] = rect.translated(dx, dy);
        else // the panels' controls
            after[nId] = rect.translated(dx, 0);
    }
    return after;
}

void CompareGeometries(const Geometries& actual, const Geometries& expected) {
    for (const auto& [nId, rect] : expected)
        QVERIFY2(actual.at(nId) == rect,
                 qPrintable(QStringLiteral("control %1: (%2,%3 %4x%5) instead of (%6,%7 %8x%9)")
                                .arg(nId)
                                .arg(actual.at(nId).x())
                                .arg(actual.at(nId).y())
                                .arg(actual.at(nId).width())
                                .arg(actual.at(nId).height())
                                .arg(rect.x())
                                .arg(rect.y())
                                .arg(rect.width())
                                .arg(rect.height())));
}

} // namespace

class EditorLayoutTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;

    std::unique_ptr<CEditorDlg> ShownWindow() {
        auto dlg = std::make_unique<CEditorDlg>(m_prompt);
        dlg->show();
        if (!QTest::qWaitForWindowExposed(dlg.get()))
            return nullptr;
        return dlg;
    }

    // The window size whose client area (under the menu bar) is w x h.
    QSize WindowFor(const CEditorDlg& dlg, int w, int h) {
        return QSize(w, h + dlg.MenuBar().height());
    }

  private slots:
    void openingIsLaidOutFromTheTemplate() {
        CEditorDlg dlg(m_prompt);
        const Geometries templ = GeometriesOf(dlg);
        const CDialogUnits du(dlg.font());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const int dx = dlg.ClientArea().width() - du.X(kMainDialogWidth);
        const int dy = dlg.ClientArea().height() - du.Y(kMainDialogHeight);
        QVERIFY(dx > 0 && dy > 0);
        CompareGeometries(GeometriesOf(dlg), Moved(templ, dx, dy));
        // The grids keep their distance to the window's right and bottom edges.
        const QRect grid = dlg.GetDlgItem(1061)->geometry();
        QCOMPARE(dlg.ClientArea().width() - (grid.x() + grid.width()),
                 du.X(kMainDialogWidth) - du.X(8 + 371));
    }

    void shrinkingMovesByTheDifference() {
        auto dlg = ShownWindow();
        QVERIFY(dlg);
        const Geometries before = GeometriesOf(*dlg);
        dlg->resize(dlg->width() - 50, dlg->height() - 30);
        const Geometries after = GeometriesOf(*dlg);
        CompareGeometries(after, Moved(before, -50, -30));
        QCOMPARE(after.at(1007).width(), before.at(1007).width() - 50);
        QCOMPARE(after.at(1061).height(), before.at(1061).height() - 30);
        QCOMPARE(after.at(1012).x(), before.at(1012).x() - 50);
        QCOMPARE(after.at(1009).topLeft(), before.at(1009).topLeft() - QPoint(50, 30));
    }

    void tooSmallWindowsAreNotLaidOut() {
        auto dlg = ShownWindow();
        QVERIFY(dlg);
        dlg->resize(WindowFor(*dlg, 700, 500));
        const Geometries laidOut = GeometriesOf(*dlg);
        // The outer rectangle, frame included, must reach 604 across and 435 down in client
        // coordinates.
        const int right = dlg->frameGeometry().right() - dlg->geometry().right();
        const int bottom = dlg->frameGeometry().bottom() - dlg->geometry().bottom();
        const int minWidth = 604 - right, minHeight = 435 - bottom;
        dlg->resize(WindowFor(*dlg, minWidth - 1, 500));
        CompareGeometries(GeometriesOf(*dlg), laidOut);
        dlg->resize(WindowFor(*dlg, 690, minHeight - 1));
        CompareGeometries(GeometriesOf(*dlg), laidOut);
        dlg->resize(WindowFor(*dlg, 500, 300));
        CompareGeometries(GeometriesOf(*dlg), laidOut);
        // Growing again is measured from the last layout, not from the small size.
        dlg->resize(WindowFor(*dlg, 720, 480));
        CompareGeometries(GeometriesOf(*dlg), Moved(laidOut, 20, -20));
        // Exactly at the threshold the window is laid out.
        dlg->resize(WindowFor(*dlg, minWidth, minHeight));
        CompareGeometries(GeometriesOf(*dlg), Moved(laidOut, minWidth - 700, minHeight - 500));
    }

    void maximisingAndRestoringMoveNothing() {
        auto dlg = ShownWindow();
        QVERIFY(dlg);
        dlg->resize(WindowFor(*dlg, 700, 500));
        const Geometries restored = GeometriesOf(*dlg);
        dlg->showMaximized();
        QTRY_VERIFY(dlg->isMaximized());
        CompareGeometries(GeometriesOf(*dlg), restored);
        dlg->showNormal();
        QTRY_VERIFY(!dlg->isMaximized());
        QCOMPARE(dlg->ClientArea().size(), QSize(700, 500));
        CompareGeometries(GeometriesOf(*dlg), restored);
        // The next resize is measured against the last restored size.
        dlg->resize(WindowFor(*dlg, 680, 510));
        CompareGeometries(GeometriesOf(*dlg), Moved(restored, -20, 10));
    }

    void sizeMessagesOtherThanRestoreAreNotRecorded() {
        auto dlg = ShownWindow();
        QVERIFY(dlg);
        const Geometries before = GeometriesOf(*dlg);
        const QSize client = dlg->ClientArea().size();
        dlg->OnSize(SIZE_MAXIMIZED, client.width() + 300, client.height() + 200);
        dlg->OnSize(SIZE_MINIMIZED, 0, 0);
        CompareGeometries(GeometriesOf(*dlg), before);
        dlg->OnSize(SIZE_RESTORED, client.width(), client.height());
        CompareGeometries(GeometriesOf(*dlg), before);
    }

    void hiddenControlsMoveWithTheVisibleOnes() {
        auto dlg = ShownWindow();
        QVERIFY(dlg);
        dlg->resize(dlg->width() - 40, dlg->height() - 40);
        dlg->TabCtrl().setCurrentIndex(0);
        // Update (shown now) and Detail Info (hidden) share their place whatever the tab.
        QCOMPARE(dlg->GetDlgItem(1011)->geometry(), dlg->GetDlgItem(1013)->geometry());
        for (int nId : {1064, 1066, 1067})
            QCOMPARE(dlg->GetDlgItem(nId)->geometry(), dlg->GetDlgItem(1061)->geometry());
        QCOMPARE(dlg->GetDlgItem(1058)->geometry(), dlg->GetDlgItem(1057)->geometry());
    }
};

QTEST_MAIN(EditorLayoutTest)
#include "editor_layout.moc"
