// How the window's controls follow its size.
#include "controls.h"
#include "editor_dlg.h"
#include "main_dialog.h"
#include "scripted_prompt.h"
#include "service_list_page.h"

#include <QDebug>
#include <QLineEdit>
#include <QTest>

#include <map>
#include <set>

namespace {

using Geometries = std::map<int, QRect>;
constexpr int kFilter = -1; // the filter field, a control of no template

Geometries GeometriesOf(const CEditorDlg& dlg) {
    Geometries rects;
    for (const SDlgItem& item : main_dialog::kItems)
        rects[item.nId] = dlg.GetDlgItem(item.nId)->geometry();
    rects[kFilter] = dlg.ListPage(LIST_SAT_TV).FilterField().geometry();
    return rects;
}

// Where every control should be after the client area changed by (dx, dy): the tab, tree and
// grids stretch, the panel frame moves right and stretches down, the buttons move right and
// down, the panels' controls and the filter field move right, the filter down.
Geometries Moved(const Geometries& before, int dx, int dy) {
    static const std::set<int> kStretched = {1005, 1007, 1061, 1064, 1066, 1067};
    static const std::set<int> kButtons = {1009, 1010, 1011, 1013};
    Geometries after;
    for (const auto& [nId, rect] : before) {
        if (kStretched.count(nId))
            after[nId] = rect.adjusted(0, 0, dx, dy);
        else if (nId == 1012)
            after[nId] = rect.adjusted(dx, 0, dx, dy);
        else
            after[nId] = nId == kFilter ? rect.translated(0, dy)
                                        : rect.translated(dx, kButtons.count(nId) ? dy : 0);
    }
    return after;
}

void CompareGeometries(const Geometries& actual, const Geometries& expected) {
    for (const auto& [nId, rect] : expected) {
        QString message;
        QDebug(&message) << "control" << nId << actual.at(nId) << "instead of" << rect;
        QVERIFY2(actual.at(nId) == rect, qPrintable(message));
    }
}

} // namespace

class EditorLayoutTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;

    // Resizes the window so that its client area (between the menu bar and the status line) is
    // w x h.
    void ResizeClient(CEditorDlg& dlg, int w, int h) {
        dlg.resize(QSize(w, h + dlg.height() - dlg.ClientArea().height()));
    }

  private slots:
    // Opening lays the template out for the desktop; a resize moves every control, hidden ones
    // too, by the difference. Maximising and restoring move nothing; the next resize is measured
    // against the restored size. Too small a window is not laid out.
    void resizingMovesEveryControlByTheDifference() {
        auto dlg = std::make_unique<CEditorDlg>(m_prompt);
        const Geometries templ = GeometriesOf(*dlg);
        const CDialogUnits du(dlg->font());
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
        const QSize opened = dlg->ClientArea().size();
        const int dx = opened.width() - du.X(kMainDialogWidth);
        const int dy = opened.height() - du.Y(kMainDialogHeight);
        QVERIFY(dx > 0 && dy > 0);
        CompareGeometries(GeometriesOf(*dlg), Moved(templ, dx, dy));
        const Geometries before = GeometriesOf(*dlg);
        ResizeClient(*dlg, 700, 500);
        const Geometries laidOut = GeometriesOf(*dlg);
        CompareGeometries(laidOut, Moved(before, 700 - opened.width(), 500 - opened.height()));
        for (const bool bMaximised : {true, false}) {
            bMaximised ? dlg->showMaximized() : dlg->showNormal();
            QTRY_COMPARE(dlg->isMaximized(), bMaximised);
            CompareGeometries(GeometriesOf(*dlg), laidOut);
        }
        QCOMPARE(dlg->ClientArea().size(), QSize(700, 500));
        // The window stops at the size the layout needs.
        ResizeClient(*dlg, 500, 300);
        QCOMPARE(dlg->ClientArea().size(), QSize(604, 435));
        CompareGeometries(GeometriesOf(*dlg), Moved(laidOut, 604 - 700, 435 - 500));
        ResizeClient(*dlg, 700, 500);
        // Should a window manager ignore the minimum, smaller sizes are not laid out.
        dlg->setMinimumSize(0, 0);
        // The outer rectangle, frame included, must reach 604 across and 435 down in client
        // coordinates.
        const int minWidth = 604 - (dlg->frameGeometry().right() - dlg->geometry().right());
        const int minHeight = 435 - (dlg->frameGeometry().bottom() - dlg->geometry().bottom());
        for (const auto& [w, h] :
             {std::pair{minWidth - 1, 500}, {690, minHeight - 1}, {500, 300}}) {
            ResizeClient(*dlg, w, h);
            CompareGeometries(GeometriesOf(*dlg), laidOut);
        }
        // Exactly at the threshold the window is laid out.
        ResizeClient(*dlg, minWidth, minHeight);
        CompareGeometries(GeometriesOf(*dlg), Moved(laidOut, minWidth - 700, minHeight - 500));
    }
};

QTEST_MAIN(EditorLayoutTest)
#include "editor_layout.moc"
