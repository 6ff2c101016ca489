// CServiceListPage: one service list's tab. It holds the grid over the list's model, the filter
// field and its count, Append and Detail Info, the grid's keys and its popup menus, and carries
// out the list's commands: sorting by a header, toggling a flag, cut and paste, delete, flags
// over a selection, moving rows (Move to Number, drag and drop) and the channel dialog. Every
// change goes through the document as one undo step; under a filter only the rows shown are
// touched.
#pragma once

#include "records.h"
#include "view_state.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class CDocument;
class CMSFlexGrid;
class CPrompt;
class CServiceListModel;
class CTemplateControls;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class CServiceListPage : public QWidget {
    Q_OBJECT

  public:
    // The page covers the template's grid, buttons and filter, in the window's font.
    CServiceListPage(CDocument& document, CPrompt& prompt, BYTE nList, QWidget* parent);
    ~CServiceListPage() override;

    BYTE List() const { return m_nList; }
    CMSFlexGrid& Grid() const { return *m_pGrid; }
    CServiceListModel& Model() const { return *m_pModel; }
    QLineEdit& FilterField() const { return *m_pFilter; }
    QLabel& FilterCount() const { return *m_pFilterCount; }
    // A control of the page's template by its id; null when it has none.
    QWidget* Control(int nId) const;
    template <class T> T* Control(int nId) const { return qobject_cast<T*>(Control(nId)); }
    // The client grew by (dx, dy).
    void Resize(int dx, int dy);

    // The commands of the Edit menu and of the keys: on the rows of the grid's selection.
    void CutSelection();
    void DeleteSelection();
    void Paste();
    void SetFlags(bool bOn);
    void MoveToNumber();
    void SelectAll();
    void DetailInfo();
    void Append();
    void FocusFilter();
    // The window's actions of the commands above, with their keys: the grid answers them while
    // it has the focus, and its popup shows their keys.
    void AddGridKeys(const QList<QAction*>& actions);

    // Which commands can act now: on selected rows shown, a Paste, on any row, on flag cells.
    struct SCommandStates {
        bool bRows = false;
        bool bPaste = false;
        bool bAnyRow = false;
        bool bFlags = false;
    };
    SCommandStates CommandStates() const;

    // Another tab was chosen: the next header sort starts ascending.
    void Leave();
    // Append and Detail Info follow the list: Detail Info needs a service, Append a database.
    void EnableButtons();
    void CaptureView(SViewState& view) const;
    void ShowView(const SViewState& view);

  signals:
    // What the last action did, for the status line.
    void Status(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void CreateControls();
    void CreateKeys();
    void ShowFilterCount();
    void OnFilterEdited(const QString& text);
    void OnDblClick();
    void OnContextMenu(const QPoint& globalPos);
    void TrackPopup(std::size_t nPopup, const QPoint& globalPos);
    void OnCommand(unsigned nId);
    void SortOn(long nCol);
    void ToggleFlagKey();
    // One undo step that sets the flag of column nCol on grid rows `rows`, or clears it when
    // row nRow has it set: that row's flag decides the way.
    void ToggleFlag(long nRow, long nCol, const std::vector<long>& rows);
    // Cut and Delete of the popup: on the rows the popup opened on.
    void Cut();
    void Delete();
    bool CanPaste() const;
    QAction* KeyAction(unsigned nMenuId) const;
    // Marks for the shown rows of the last row selection (list rows from 0).
    std::vector<bool> RowsToMark();
    void RunChannelInfo(long nRow);
    // The shown rows of the grid's selection, as list rows (from 0, ascending).
    std::vector<WORD> SelectedShownRows() const;
    // One undo step that moves `rows` so that the first lands at list row nFirst.
    void MoveRows(const std::vector<WORD>& rows, std::size_t nFirst);
    void OnRowsDropped(long nBeforeRow);

    CDocument& m_document;
    CPrompt& m_prompt;
    BYTE m_nList;
    std::unique_ptr<CTemplateControls> m_pControls;
    CServiceListModel* m_pModel;
    CMSFlexGrid* m_pGrid = nullptr;
    QLineEdit* m_pFilter = nullptr;
    QLabel* m_pFilterCount = nullptr;
    QList<QAction*> m_gridKeys;
    // The rows of the last whole-row selection that a menu or key worked on (grid rows, either
    // order): Cut and Delete take them.
    long m_nMarkFrom = 0;
    long m_nMarkTo = 0;
};
