#include "controls.h"

#include <QFontMetrics>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QToolButton>

#include <algorithm>

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    return static_cast<int>(product >= 0 ? (product + c / 2) / c : (product - c / 2) / c);
}

} // namespace

// ---- CDialogUnits ---------------------------------------------------------------------------

CDialogUnits::CDialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int nAlphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_nBaseX = (nAlphabet / 26 + 1) / 2;
    m_nBaseY = metrics.height();
}

int CDialogUnits::X(int x) const {
    return MulDiv(x, m_nBaseX, 4);
}
int CDialogUnits::Y(int y) const {
    return MulDiv(y, m_nBaseY, 8);
}

QRect CDialogUnits::MapRect(int x, int y, int cx, int cy) const {
    const int left = X(x), top = Y(y);
    return QRect(left, top, X(x + cx) - left, Y(y + cy) - top);
}

// ---- CTabCtrl -------------------------------------------------------------------------------

CTabCtrl::CTabCtrl(QWidget* parent) : QTabBar(parent) {
    setDrawBase(false);
    setExpanding(false);
}

int CTabCtrl::TabRowHeight() const {
    return count() > 0 ? tabRect(0).height() : 0;
}

void CTabCtrl::paintEvent(QPaintEvent* event) {
    {
        QStylePainter painter(this);
        QStyleOptionTabWidgetFrame frame;
        frame.initFrom(this);
        const int nTabHeight = TabRowHeight();
        frame.rect = rect().adjusted(0, nTabHeight - 1, 0, 0);
        frame.shape = shape();
        frame.tabBarSize = QSize(width(), nTabHeight);
        frame.tabBarRect = QRect(0, 0, width(), nTabHeight);
        painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
    }
    QTabBar::paintEvent(event);
}

// The scroll buttons that show when the tabs do not fit are placed for a tab bar as tall as this
// one, the whole page: they go at the end of the row of tabs instead.
void CTabCtrl::tabLayoutChange() {
    QTabBar::tabLayoutChange();
    QStyleOption row;
    row.initFrom(this);
    row.rect = QRect(0, 0, width(), TabRowHeight());
    for (QToolButton* button : findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        const QStyle::SubElement element = button->arrowType() == Qt::LeftArrow
                                               ? QStyle::SE_TabBarScrollLeftButton
                                               : QStyle::SE_TabBarScrollRightButton;
        button->setGeometry(style()->subElementRect(element, &row, this));
    }
}

// ---- CTreeCtrl ------------------------------------------------------------------------------

CTreeCtrl::CTreeCtrl(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
}

QItemSelectionModel::SelectionFlags CTreeCtrl::selectionCommand(const QModelIndex& index,
                                                                const QEvent* event) const {
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags command = QTreeWidget::selectionCommand(index, event);
    return command.testFlag(QItemSelectionModel::Deselect) ? QItemSelectionModel::NoUpdate
                                                           : command;
}

// ---- CSpinButtonCtrl ------------------------------------------------------------------------

CSpinButtonCtrl::CSpinButtonCtrl(QWidget* parent)
    : QWidget(parent), m_pUp(new QToolButton(this)), m_pDown(new QToolButton(this)) {
    for (QToolButton* button : {m_pUp, m_pDown}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    m_pUp->setArrowType(Qt::UpArrow);
    m_pDown->setArrowType(Qt::DownArrow);
    connect(m_pUp, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(m_pDown, &QToolButton::clicked, this, [this] { Step(-1); });
}

void CSpinButtonCtrl::SetRange(int nLower, int nUpper) {
    m_nLower = std::min(nLower, nUpper);
    m_nUpper = std::max(nLower, nUpper);
    SetPos(m_nPos);
}

void CSpinButtonCtrl::SetPos(int nPos) {
    m_nPos = std::clamp(nPos, m_nLower, m_nUpper);
}

void CSpinButtonCtrl::Step(int nDelta) {
    const int nOld = m_nPos;
    SetPos(m_nPos + nDelta);
    if (m_nPos != nOld)
        emit Stepped(m_nPos, nDelta);
}

void CSpinButtonCtrl::resizeEvent(QResizeEvent*) {
    const int nUpper = height() / 2;
    m_pUp->setGeometry(0, 0, width(), nUpper);
    m_pDown->setGeometry(0, nUpper, width(), height() - nUpper);
}
