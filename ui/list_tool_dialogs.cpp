#include "list_tool_dialogs.h"

#include "list_text.h"
#include "list_tools.h"
#include "main_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// In the main window's font: the label on top, then the caller's controls, then the buttons
// (OK and Cancel, or Close).
QVBoxLayout* Frame(QDialog& dlg, const QString& caption, const QString& label) {
    dlg.setWindowTitle(caption);
    dlg.setFont(QFont(QString::fromLatin1(kMainDialogFontFamily), kMainDialogFontPoints));
    auto* layout = new QVBoxLayout(&dlg);
    if (!label.isEmpty())
        layout->addWidget(new QLabel(label, &dlg));
    return layout;
}

void AddButtons(QDialog& dlg, QVBoxLayout& layout, bool bCloseOnly = false) {
    auto* buttons = new QDialogButtonBox(&dlg);
    if (bCloseOnly) {
        buttons->addButton(ToolText(list_tools::kClose), QDialogButtonBox::RejectRole);
    } else {
        buttons->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    layout.addWidget(buttons);
}

QListWidget* LinesList(QWidget& parent) {
    auto* list = new QListWidget(&parent);
    list->setObjectName(QStringLiteral("lines"));
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setMinimumSize(600, 260);
    return list;
}

void FillLines(QListWidget& list, const std::vector<std::string>& lines) {
    list.clear();
    for (const std::string& line : lines)
        list.addItem(QString::fromStdString(line));
}

QCheckBox* Choice(QDialog& dlg, QVBoxLayout& layout, const char* objectName, const char* text,
                  bool bChecked) {
    auto* box = new QCheckBox(ToolText(text), &dlg);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setChecked(bChecked);
    layout.addWidget(box);
    return box;
}

// How a duplicate differs from the others of its group: its number, where it is received, its
// service id.
QString DuplicateText(const CChannelStore& store, BYTE nList, WORD wRow) {
    const SServiceKey key = KeyOf(store, *store.GetService(wRow, nList));
    QString text = ToolText(list_tools::kDuplicateNumber).arg(wRow + 1);
    if (key.wFrequency != 0)
        text += ToolText(list_tools::kDuplicateFrequency).arg(key.wFrequency) +
                (key.bSatellite ? (key.bHorizontal ? QStringLiteral(" H") : QStringLiteral(" V"))
                                : QString());
    return text + ToolText(list_tools::kDuplicateServiceId).arg(key.wServiceId);
}

constexpr int kListRole = Qt::UserRole;
constexpr int kRowRole = Qt::UserRole + 1;

} // namespace

CPlanPreviewDlg::CPlanPreviewDlg(const QString& caption, const QString& reference, Planner planner,
                                 SOrderOptions options, bool bOfferFlags, QWidget* parent)
    : QDialog(parent), m_planner(std::move(planner)), m_options(options) {
    QVBoxLayout* layout = Frame(*this, caption, ToolText(list_tools::kPlanLabel).arg(reference));
    m_pLines = LinesList(*this);
    layout->addWidget(m_pLines);
    m_pKeepPlaces =
        Choice(*this, *layout, "keepPlaces", list_tools::kKeepPlaces, options.bKeepPlaces);
    connect(m_pKeepPlaces, &QCheckBox::toggled, this, &CPlanPreviewDlg::Replan);
    if (bOfferFlags) {
        m_pTakeFlags =
            Choice(*this, *layout, "takeFlags", list_tools::kTakeFlags, options.bTakeFlags);
        connect(m_pTakeFlags, &QCheckBox::toggled, this, &CPlanPreviewDlg::Replan);
    }
    AddButtons(*this, *layout);
    Replan();
}

void CPlanPreviewDlg::Replan() {
    m_options.bKeepPlaces = m_pKeepPlaces->isChecked();
    if (m_pTakeFlags != nullptr)
        m_options.bTakeFlags = m_pTakeFlags->isChecked();
    m_plan = m_planner(m_options);
    FillLines(*m_pLines, PlanLines(m_plan));
}

CDuplicatesDlg::CDuplicatesDlg(const CChannelStore& store,
                               const std::vector<SDuplicateGroup>& groups, QWidget* parent)
    : QDialog(parent) {
    QVBoxLayout* layout = Frame(*this, ToolText(list_tools::kDuplicatesCaption),
                                ToolText(list_tools::kDuplicatesLabel));
    m_pGroups = new QTreeWidget(this);
    m_pGroups->setObjectName(QStringLiteral("groups"));
    m_pGroups->setHeaderHidden(true);
    m_pGroups->setMinimumSize(600, 260);
    const std::vector<std::pair<BYTE, WORD>> proposed = ProposedDuplicates(store, groups);
    for (const SDuplicateGroup& group : groups) {
        auto* head =
            new QTreeWidgetItem(m_pGroups, {QString::fromStdString(GroupTitle(store, group))});
        for (const WORD wRow : group.rows) {
            auto* item = new QTreeWidgetItem(head, {DuplicateText(store, group.nList, wRow)});
            item->setData(0, kListRole, group.nList);
            item->setData(0, kRowRole, wRow);
            const bool bProposed = std::find(proposed.begin(), proposed.end(),
                                             std::pair(group.nList, wRow)) != proposed.end();
            item->setCheckState(0, bProposed ? Qt::Checked : Qt::Unchecked);
        }
    }
    m_pGroups->expandAll();
    layout->addWidget(m_pGroups);
    AddButtons(*this, *layout);
}

std::vector<std::pair<BYTE, WORD>> CDuplicatesDlg::Chosen() const {
    std::vector<std::pair<BYTE, WORD>> chosen;
    for (int i = 0; i < m_pGroups->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* head = m_pGroups->topLevelItem(i);
        for (int j = 0; j < head->childCount(); ++j) {
            const QTreeWidgetItem* item = head->child(j);
            if (item->checkState(0) == Qt::Checked)
                chosen.emplace_back(BYTE(item->data(0, kListRole).toUInt()),
                                    WORD(item->data(0, kRowRole).toUInt()));
        }
    }
    return chosen;
}

CLinesDlg::CLinesDlg(const QString& caption, const QString& label,
                     const std::vector<std::string>& lines, QWidget* parent)
    : QDialog(parent) {
    QVBoxLayout* layout = Frame(*this, caption, label);
    QListWidget* list = LinesList(*this);
    FillLines(*list, lines);
    layout->addWidget(list);
    AddButtons(*this, *layout, true);
}

CExportCsvDlg::CExportCsvDlg(const QString& currentList, QWidget* parent) : QDialog(parent) {
    QVBoxLayout* layout = Frame(*this, ToolText(list_tools::kExportCsvCaption), QString());
    const bool bHasCurrentList = !currentList.isEmpty();
    auto* current =
        new QRadioButton(bHasCurrentList ? currentList : ToolText(list_tools::kCurrentList), this);
    current->setObjectName(QStringLiteral("currentList"));
    current->setEnabled(bHasCurrentList);
    m_pAllLists = new QRadioButton(ToolText(list_tools::kAllLists), this);
    m_pAllLists->setObjectName(QStringLiteral("allLists"));
    (bHasCurrentList ? current : m_pAllLists)->setChecked(true);
    layout->addWidget(current);
    layout->addWidget(m_pAllLists);
    AddButtons(*this, *layout);
}

bool CExportCsvDlg::AllLists() const {
    return m_pAllLists->isChecked();
}
