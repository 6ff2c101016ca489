// The window's controls, placed from the dialog template, and how they follow its size.
#include "editor_dlg.h"

#include "controls.h"
#include "main_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTreeWidget>

namespace {

// Below these the window is too small to lay out (outer right and bottom edges, in client
// coordinates).
constexpr int kMinLayoutRight = 604;
constexpr int kMinLayoutBottom = 435;

// The filter field and its count in the free space of the grid tabs' button row, left of Append
// (dialog units).
constexpr int kFilterX = 8, kFilterY = 305, kFilterCx = 150, kFilterCy = 14;
constexpr int kFilterCountX = 162, kFilterCountCx = 100;

} // namespace

QWidget* CEditorDlg::CreateControl(const SDlgItem& item) {
    const QString text = QString::fromLatin1(item.pszText);
    switch (item.kind) {
    case EDlgItemKind::Tab:
        return m_pTab = new CTabCtrl(m_pClient);
    case EDlgItemKind::Tree:
        return m_pTree = new CTreeCtrl(m_pClient);
    case EDlgItemKind::Grid:
        return new CMSFlexGrid(m_pClient);
    case EDlgItemKind::GroupBox:
        return new QGroupBox(text, m_pClient);
    case EDlgItemKind::Title: {
        auto* title = new QLabel(text, m_pClient);
        title->setAlignment(Qt::AlignCenter);
        title->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return title;
    }
    case EDlgItemKind::Label: {
        auto* label = new QLabel(text, m_pClient);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    }
    case EDlgItemKind::Edit:
        return new QLineEdit(text, m_pClient);
    case EDlgItemKind::Spin:
        return new CSpinButtonCtrl(m_pClient);
    case EDlgItemKind::ComboEdit:
    case EDlgItemKind::ComboList: {
        auto* combo = new QComboBox(m_pClient);
        combo->setEditable(item.kind == EDlgItemKind::ComboEdit);
        combo->setInsertPolicy(QComboBox::NoInsert);
        return combo;
    }
    case EDlgItemKind::Radio: {
        // Each button is its own group: the click handlers keep a row exclusive.
        auto* radio = new QRadioButton(text, m_pClient);
        radio->setAutoExclusive(false);
        return radio;
    }
    case EDlgItemKind::Button: {
        auto* button = new QPushButton(text, m_pClient);
        button->setAutoDefault(false);
        return button;
    }
    }
    return nullptr;
}

// Lays out the client area at the template's size and records it as the first size, as the
// window's creation does; moving the window onto the desktop is then an ordinary resize.
void CEditorDlg::CreateControls() {
    m_pClient = new QWidget(this);
    const CDialogUnits units(font());
    for (const SDlgItem& item : main_dialog::kItems) {
        QWidget* control = CreateControl(item);
        control->setObjectName(QString::number(item.nId));
        QRect rect = units.MapRect(item.x, item.y, item.cx, item.cy);
        // A combo's template height includes its dropped list; closed it takes its own.
        if (item.kind == EDlgItemKind::ComboEdit || item.kind == EDlgItemKind::ComboList)
            rect.setHeight(control->sizeHint().height());
        control->setGeometry(rect);
        m_controls[item.nId] = control;
    }
    for (int nList = 0; nList < kListCount; ++nList) {
        static constexpr int kGridIds[] = {IDC_GRID_SAT_TV, IDC_GRID_SAT_RADIO, IDC_GRID_TERR_TV,
                                           IDC_GRID_TERR_RADIO};
        m_grids[nList] = GetDlgItem<CMSFlexGrid>(kGridIds[nList]);
        connect(m_grids[nList], &CMSFlexGrid::DblClick, this,
                [this, nList] { OnDblClickGrid(static_cast<BYTE>(nList)); });
        connect(m_grids[nList], &CMSFlexGrid::RowsDropped, this, [this, nList](long nBeforeRow) {
            OnRowsDropped(static_cast<BYTE>(nList), nBeforeRow);
        });
    }
    for (int nId : main_dialog::kAlwaysHiddenIds)
        GetDlgItem(nId)->hide();
    CreateFilter(units.MapRect(kFilterX, kFilterY, kFilterCx, kFilterCy),
                 units.MapRect(kFilterCountX, kFilterY, kFilterCountCx, kFilterCy));
    CreateStatusLine();

    // The status line lies under the area of the controls.
    const QSize client(units.X(kMainDialogWidth), units.Y(kMainDialogHeight));
    const int nMenuHeight = m_pMenuBar->sizeHint().height();
    const int nStatusHeight = m_pStatus->sizeHint().height();
    resize(client.width(), client.height() + nMenuHeight + nStatusHeight);
    OnSize(SIZE_RESTORED, client.width(), client.height());
    // Smaller, the layout would stop moving the controls and leave some out of reach.
    setMinimumSize(kMinLayoutRight, kMinLayoutBottom + nMenuHeight + nStatusHeight);
}

QWidget* CEditorDlg::GetDlgItem(int nId) const {
    const auto it = m_controls.find(nId);
    return it == m_controls.end() ? nullptr : it->second;
}

// The whole window, frame included, covers the desktop's available area.
void CEditorDlg::FitToDesktop() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect frame = frameGeometry(), inner = geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                           frame.right() - inner.right(), frame.bottom() - inner.bottom());
    setGeometry(screen->availableGeometry().marginsRemoved(margins));
}

UINT CEditorDlg::SizeType() const {
    if (isMinimized())
        return SIZE_MINIMIZED;
    return isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED;
}

void CEditorDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int nMenuHeight = m_pMenuBar->sizeHint().height();
    const int nStatusHeight = m_pStatus->sizeHint().height();
    m_pMenuBar->setGeometry(0, 0, width(), nMenuHeight);
    m_pClient->setGeometry(0, nMenuHeight, width(), height() - nMenuHeight - nStatusHeight);
    m_pStatus->setGeometry(0, height() - nStatusHeight, width(), nStatusHeight);
    OnSize(SizeType(), m_pClient->width(), m_pClient->height());
}

void CEditorDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The frame's size is known once the window is up.
    if (!m_bShownOnce) {
        m_bShownOnce = true;
        FitToDesktop();
    }
}

void CEditorDlg::OnSize(UINT nType, int cx, int cy) {
    if (m_bFirstSize) {
        m_bFirstSize = 0;
        m_nPrevCx = cx;
        m_nPrevCy = cy;
        return;
    }
    if (nType != SIZE_RESTORED)
        return;
    const int dx = cx - m_nPrevCx, dy = cy - m_nPrevCy;

    // Too small to lay out: everything stays, and the next size is measured from the last
    // layout.
    const QRect outer = frameGeometry();
    const QPoint clientOrigin = geometry().topLeft() + m_pClient->pos();
    if (outer.x() + outer.width() - clientOrigin.x() < kMinLayoutRight ||
        outer.y() + outer.height() - clientOrigin.y() - m_pStatus->sizeHint().height() <
            kMinLayoutBottom)
        return;

    for (const SDlgItem& item : main_dialog::kItems) {
        QWidget* control = GetDlgItem(item.nId);
        QRect rect = control->geometry();
        switch (item.rule) {
        case ESizeRule::Stretch:
            rect.adjust(0, 0, dx, dy);
            break;
        case ESizeRule::ShiftRightStretchDown:
            rect.adjust(dx, 0, dx, dy);
            break;
        case ESizeRule::ShiftRight:
            rect.translate(dx, 0);
            break;
        case ESizeRule::ShiftRightDown:
            rect.translate(dx, dy);
            break;
        }
        control->setGeometry(rect);
    }
    // The filter and its count stay left in the button row: they go down with it.
    for (QWidget* control :
         {static_cast<QWidget*>(m_pFilter), static_cast<QWidget*>(m_pFilterCount)})
        control->move(control->pos() + QPoint(0, dy));
    m_nPrevCx = cx;
    m_nPrevCy = cy;
}
