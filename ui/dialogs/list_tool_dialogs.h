// The list tools' small modal dialogs: the preview of Order Like and Import CSV, the choice of
// duplicates to delete, a read-only list of lines (Compare With), and the lists Export CSV
// writes. They only show and choose; the window carries out what they return.
#pragma once

#include "duplicates.h"
#include "list_match.h"

#include <QDialog>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QListWidget;
class QRadioButton;
class QTreeWidget;

// What Order Like or Import CSV will do, worked out again whenever the user changes a choice.
// The choices offered: unmatched services follow or keep their places, and (Order Like alone)
// Lock and favourites taken from the reference.
class CPlanPreviewDlg : public QDialog {
    Q_OBJECT

  public:
    using Planner = std::function<SOrderPlan(const SOrderOptions&)>;
    CPlanPreviewDlg(const QString& caption, const QString& reference, const CNameCodec& names,
                    Planner planner, SOrderOptions options, bool bOfferFlags,
                    QWidget* parent = nullptr);
    // The plan for the choices as they are now.
    const SOrderPlan& Plan() const { return m_plan; }

  private:
    void Replan();

    const CNameCodec& m_names;
    Planner m_planner;
    SOrderOptions m_options;
    SOrderPlan m_plan;
    QListWidget* m_pLines;
    QCheckBox* m_pKeepPlaces;
    QCheckBox* m_pTakeFlags = nullptr;
};

// The groups of duplicates, one check box per service; all but each group's first start
// checked.
class CDuplicatesDlg : public QDialog {
    Q_OBJECT

  public:
    CDuplicatesDlg(const CChannelStore& store, const CNameCodec& names,
                   const std::vector<SDuplicateGroup>& groups, QWidget* parent = nullptr);
    // The checked services (list, row).
    std::vector<std::pair<BYTE, WORD>> Chosen() const;

  private:
    QTreeWidget* m_pGroups;
};

// Lines to read under a label, and a Close button.
class CLinesDlg : public QDialog {
    Q_OBJECT

  public:
    CLinesDlg(const QString& caption, const QString& label, const std::vector<std::string>& lines,
              QWidget* parent = nullptr);
};

// The current list, by its tab's name, or all four; without a current list (an empty name: the
// tree's tab), all four.
class CExportCsvDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CExportCsvDlg(const QString& currentList, QWidget* parent = nullptr);
    bool AllLists() const;

  private:
    QRadioButton* m_pAllLists;
};
