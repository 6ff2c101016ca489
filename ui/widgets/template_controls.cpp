#include "template_controls.h"

#include "controls.h"
#include "flexgrid.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

QWidget* MakeControl(const SDlgItem& item, QWidget* parent) {
    const QString text = QCoreApplication::translate("MainDialog", item.pszText);
    switch (item.kind) {
    case EDlgItemKind::Tab:
        return new CTabCtrl(parent);
    case EDlgItemKind::Tree:
        return new CTreeCtrl(parent);
    case EDlgItemKind::Grid:
        return new CMSFlexGrid(parent);
    case EDlgItemKind::GroupBox:
        return new QGroupBox(text, parent);
    case EDlgItemKind::Title: {
        auto* title = new QLabel(text, parent);
        title->setAlignment(Qt::AlignCenter);
        title->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return title;
    }
    case EDlgItemKind::Label: {
        auto* label = new QLabel(text, parent);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    }
    case EDlgItemKind::Edit:
        return new QLineEdit(text, parent);
    case EDlgItemKind::Spin:
        return new CSpinButtonCtrl(parent);
    case EDlgItemKind::ComboEdit:
    case EDlgItemKind::ComboList: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(item.kind == EDlgItemKind::ComboEdit);
        combo->setInsertPolicy(QComboBox::NoInsert);
        return combo;
    }
    case EDlgItemKind::Radio: {
        // Each button is its own group: the click handlers keep a row exclusive.
        auto* radio = new QRadioButton(text, parent);
        radio->setAutoExclusive(false);
        return radio;
    }
    case EDlgItemKind::Button: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        return button;
    }
    }
    return nullptr;
}

bool Contains(std::span<const int> ids, int nId) {
    return std::find(ids.begin(), ids.end(), nId) != ids.end();
}

} // namespace

QRect ApplySizeRule(QRect rect, ESizeRule rule, int dx, int dy) {
    switch (rule) {
    case ESizeRule::Stretch:
        return rect.adjusted(0, 0, dx, dy);
    case ESizeRule::ShiftRightStretchDown:
        return rect.adjusted(dx, 0, dx, dy);
    case ESizeRule::ShiftRight:
        return rect.translated(dx, 0);
    case ESizeRule::ShiftRightDown:
        return rect.translated(dx, dy);
    }
    return rect;
}

CTemplateControls::CTemplateControls(QWidget& parent, const QFont& font, QPoint origin)
    : m_parent(parent), m_font(font), m_origin(origin) {}

QWidget* CTemplateControls::Create(const SDlgItem& item) {
    const CDialogUnits units(m_font);
    QWidget* control = MakeControl(item, &m_parent);
    control->setObjectName(QString::number(item.nId));
    QRect rect = units.MapRect(item.x, item.y, item.cx, item.cy).translated(-m_origin);
    // A combo's template height includes its dropped list; closed it takes its own.
    if (item.kind == EDlgItemKind::ComboEdit || item.kind == EDlgItemKind::ComboList)
        rect.setHeight(control->sizeHint().height());
    control->setGeometry(rect);
    m_controls[item.nId] = control;
    m_rules.emplace_back(control, item.rule);
    return control;
}

void CTemplateControls::CreateAll(std::span<const int> ids) {
    for (const SDlgItem& item : main_dialog::kItems)
        if (Contains(ids, item.nId))
            Create(item);
}

QWidget* CTemplateControls::Find(int nId) const {
    const auto it = m_controls.find(nId);
    return it == m_controls.end() ? nullptr : it->second;
}

void CTemplateControls::Resize(int dx, int dy) {
    for (const auto& [control, rule] : m_rules)
        control->setGeometry(ApplySizeRule(control->geometry(), rule, dx, dy));
}

QRect CTemplateControls::Bounds(const QFont& font, std::span<const int> ids) {
    const CDialogUnits units(font);
    QRect bounds;
    for (const SDlgItem& item : main_dialog::kItems)
        if (Contains(ids, item.nId))
            bounds |= units.MapRect(item.x, item.y, item.cx, item.cy);
    return bounds;
}
