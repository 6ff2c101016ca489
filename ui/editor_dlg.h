// CEditorDlg: the editor's one window. It owns the channel store, the satellite/transponder
// tree and panel, the four service grids and the menu commands. Its operations live in several
// files by subject: editor_dlg.cpp (start-up, menus, tabs, closing), editor_dlg_layout.cpp
// (controls and resizing), editor_dlg_grid.cpp (the service grids), editor_dlg_tree.cpp (the
// satellite / transponder tree), editor_dlg_panel.cpp (the panel beside it), editor_dlg_file.cpp
// (the File menu), editor_dlg_transfer.cpp (the Transfer menu), editor_dlg_edit.cpp (the grids'
// popup menu: cut, paste, delete, flags), editor_dlg_export.cpp (the firmware table export),
// editor_dlg_help.cpp (the Help menu), editor_dlg_undo.cpp (undo and redo, the save prompt),
// editor_dlg_tools.cpp (the list tools: Order Like, duplicates, Compare With, CSV),
// editor_dlg_arrange.cpp (the grids' filter, keys, drag and drop and Move to Number),
// editor_dlg_status.cpp (the status line).
#pragma once

#include "channel_store.h"
#include "controls.h"
#include "flexgrid.h"
#include "transfer_protocol.h"

#include <QDialog>
#include <QIcon>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class CPrompt;
class CSettings;
class CTransferDlg;
class CWaitCursor;
class QComboBox;
class QLabel;
class QLineEdit;
class QStatusBar;
class QTreeWidgetItem;
class QAction;
class QMenu;
class QMenuBar;
class QTreeWidget;
class QUndoStack;
struct SDlgItem;

// Size message kinds.
enum : UINT { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };
// System commands.
enum : UINT { SC_CLOSE = 0xF060 };

class CEditorDlg : public QDialog {
    Q_OBJECT

  public:
    // Without settings (tests), what the window keeps lasts as long as it does.
    explicit CEditorDlg(CPrompt& prompt, CSettings* pSettings = nullptr, QWidget* parent = nullptr);
    ~CEditorDlg() override;

    // ---- window, menus and tabs (editor_dlg.cpp) ----------------------------------------------
    // Greys or enables Save, Save As, PC->STB and the list tools: nothing can be saved, sent or
    // worked on without data.
    // The title names the database while there is one.
    void EnableDataMenus(BOOL bEnable);
    // Shows the views of tab nTab (0 tree and panel, 1..4 one grid); other values do nothing.
    void ShowTabView(int nTab);
    void ShowSatellitePanel(BOOL bShow);
    void ShowTransponderPanel(BOOL bShow);
    // Runs the handler of a menu command; FALSE when the window has none for nId.
    BOOL OnCommand(UINT nId);
    void OnSelchangeTab();
    void OnSysCommand(UINT nId);
    void OnExit();

    // ---- layout (editor_dlg_layout.cpp) --------------------------------------------------------
    void OnSize(UINT nType, int cx, int cy);

    // ---- service grids (editor_dlg_grid.cpp) ---------------------------------------------------
    // Each takes the grid's service list kind (LIST_SAT_TV .. LIST_TERR_RADIO).
    void SetupGridColumns(BYTE nList);
    void FillGrid(BYTE nList);
    // Clear, SetupGridColumns, FillGrid: the grid shows the store's list as it is now.
    void RefillGrid(BYTE nList);
    void SetFlagCell(BYTE nList, long nRow, long nCol, BOOL bOn);
    void OnDblClickGrid(BYTE nList);
    // The list kind of the grid on the current tab, or -1 on the tree's tab.
    int GetCurrentList() const;
    // Where list nList's grid shows a field, from its column table. The flag columns Lock,
    // Fav1 .. Fav4 follow each other: a column's flag index is its distance from the first.
    static long FirstFlagColumn(BYTE nList);
    static long NetworkColumn(BYTE nList);
    static long NameColumn(BYTE nList);
    // The store parts (PART_...) that list nList's grid shows.
    static unsigned PartsShownBy(BYTE nList);

    // ---- channel list editing (editor_dlg_edit.cpp) -------------------------------------------
    // A right-click at screen point `point` over `pWnd` (any widget): over a grid it shows the
    // row menu or the flag menu when the grid's selection allows one.
    void OnContextMenu(QWidget* pWnd, const QPoint& point);
    void OnCut();
    void OnPaste();
    void OnDelete();
    void OnEnableFlags();
    void OnDisableFlags();

    // ---- finding and arranging services (editor_dlg_arrange.cpp) -------------------------------
    // Shows only the rows of list nList's grid that the list's filter text finds (all of them
    // for an empty text) and, on its tab, their count beside the filter.
    void ApplyFilter(BYTE nList);
    // Asks for a number and moves the selected rows shown so that the first takes that number.
    void OnMoveToNumber();
    QLineEdit& FilterField() const { return *m_pFilter; }
    QLabel& FilterCount() const { return *m_pFilterCount; }

    // ---- status line (editor_dlg_status.cpp) ---------------------------------------------------
    // The file, the lists' counts and the result of the last action, " | " between them.
    QString StatusFields() const;

    // ---- firmware table export (editor_dlg_export.cpp) ----------------------------------------
    void OnConvTpList();

    // ---- satellite / transponder tree (editor_dlg_tree.cpp) ------------------------------------
    // Inserts every item into the empty tree.
    void BuildTree();
    void OnSelchangedTree();
    // The tree, then the four grids, from the store.
    void RefreshAllViews();
    // Empties the store and every view before a new data set is loaded.
    void ClearAllViews();

    // ---- panel (editor_dlg_panel.cpp) ----------------------------------------------------------
    void InitPanelControls();
    // The panel lists and texts, then the four grids' columns.
    void ResetControls();
    // nSat 0 shows the defaults of a new satellite.
    void FillSatellitePanel(BYTE nSat);
    // nTp 0 shows the defaults of a new transponder; nSat 0 does nothing.
    void FillTransponderPanel(BYTE nSat, BYTE nTp);
    void OnClickOption(int nId);
    void OnRadioMotorUsals();
    void OnChangeSatPosition();
    void OnChangeFrequency();
    void OnChangeSymbolRate();
    void OnDeltaposSatPosition(int nPos);
    void OnDeltaposFrequency(int nPos);
    void OnDeltaposSymbolRate(int nPos);
    // Data exchange between the bound members below and the controls.
    void ReadControls();
    void WriteControls();

    // ---- buttons under the panel and the grids (editor_dlg_commands.cpp) ------------------------
    void OnButtonAppend();
    void OnButtonUpdate();
    void OnButtonDelete();
    void OnButtonDetailInfo();

    // ---- File menu (editor_dlg_file.cpp) -------------------------------------------------------
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    // Opens `path` as Open does once a file is chosen.
    void OpenDataFile(const QString& path);

    // ---- undo and redo (editor_dlg_undo.cpp) ---------------------------------------------------
    // What the views showed around an edit, shown again by its undo or redo.
    struct SViewState {
        int nTab = 1;
        long nRow = 0, nCol = 0, nRowSel = 0, nColSel = 0; // the grid's selection
        BYTE nSortColumn = 0, bSortDescending = 0;         // and its last header sort
        int nTreeRoot = -1, nTreeChild = -1; // the tree's current item by place; -1 none
        BYTE bCutPending = 0;
        BOOL bHasData = FALSE;
    };
    void OnEditUndo();
    void OnEditRedo();
    // Puts the store back to `state` (the parts it holds), refreshes the views that show the
    // `nChanged` parts and shows `view`.
    void RestoreEdit(const SStoreSnapshot& state, unsigned nChanged, const SViewState& view);
    QUndoStack& UndoStack() const { return *m_pUndoStack; }

    // ---- list tools (editor_dlg_tools.cpp) -----------------------------------------------------
    void OnEditOrderLike();
    void OnEditFindDuplicates();
    void OnFileCompareWith();
    void OnFileExportCsv();
    void OnFileImportCsv();

    // ---- Transfer menu (editor_dlg_transfer.cpp) -----------------------------------------------
    void OnTransferStbToPc();
    void OnTransferPcToStb();

    // ---- Help menu (editor_dlg_help.cpp) -------------------------------------------------------
    void OnAppAbout();
    void OnHelpShortcuts();

    // The panel's bound texts.
    QString m_strSatName;
    QString m_strSatPosition;
    QString m_strLnbFreq;
    QString m_strCLnbFreq;
    QString m_strFrequency;
    QString m_strSymbolRate;

    // ---- access -------------------------------------------------------------------------------
    CChannelStore* GetStore() const { return m_pStore.get(); }
    CMSFlexGrid& Grid(BYTE nList) const { return *m_grids.at(nList); }
    CTabCtrl& TabCtrl() const { return *m_pTab; }
    QTreeWidget& Tree() const { return *m_pTree; }
    QMenuBar& MenuBar() const { return *m_pMenuBar; }
    // The area under the menu bar that the controls are laid out in.
    QWidget& ClientArea() const { return *m_pClient; }
    // A control by its id, null when there is none.
    QWidget* GetDlgItem(int nId) const;
    template <class T> T* GetDlgItem(int nId) const { return qobject_cast<T*>(GetDlgItem(nId)); }
    // The action of a menu command, also after it was taken off its menu; null when unknown.
    QAction* GetMenuAction(UINT nId) const;

  public slots:
    // Enter does nothing; Esc closes the window only after the close box asked for it.
    void accept() override;
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct SGridSort {
        BYTE nColumn = 0;     // the column last sorted on
        BYTE bDescending = 0; // its direction
    };

    void OnInitDialog();
    void OnDoNothing();
    // Every key the window answers, one "key<TAB>command" line each: the menu bar's Alt keys,
    // then the shortcut of every action placed in the window, whoever added it.
    QString ShortcutList() const;
    void OnCancel();
    void CreateMenu();
    void RemoveConversionCommands();
    void CreateControls();
    QWidget* CreateControl(const SDlgItem& item);
    void FitToDesktop();
    UINT SizeType() const;
    void SortGrid(BYTE nList, long nCol);
    void ConnectPanel();
    void ConnectCommandButtons();
    void AppendSatelliteItem(QTreeWidgetItem& item);
    void AppendTransponderItem(QTreeWidgetItem& item);
    bool UpdateSatelliteItem(QTreeWidgetItem& item);
    bool UpdateTransponderItem(QTreeWidgetItem& item);
    void RunChannelInfo(BYTE nList, long nRow);
    void ChannelInfo(BYTE nList, long nRow);
    void UpdateItem(QTreeWidgetItem& item);
    void DeleteItem(const QTreeWidgetItem& item);
    void PasteMarkedRows();
    void DeleteSelectedRows();
    // One undo step that sets the flag of column nCol on grid rows `rows`, or clears it when the
    // cell (nRow, nCol) shows it set: the cell, not the store, decides the way.
    void ToggleFlag(BYTE nList, long nRow, long nCol, const std::vector<long>& rows);
    // Rows cut and waiting for their paste are shown marked.
    void ShowCutRows(BYTE nList);
    void CreateFilter(const QRect& field, const QRect& count);
    void CreateGridKeys();
    void ShowFilterOf(BYTE nList);
    void OnFindKey();
    bool MarkSelectedRows();
    void OnCutKey();
    void OnPasteKey();
    void OnDeleteKey();
    void OnToggleFlagKey();
    void OnSelectAllKey();
    // Greys the Edit menu's grid commands that cannot act while the menu is shown; all on again
    // once it closes.
    void EnableGridCommands(bool bMenuShown);
    // The rows of the current grid's selection that are shown, as list rows (from 0, ascending).
    std::vector<WORD> SelectedShownRows(BYTE nList) const;
    // One undo step that moves `rows` of list nList so that the first lands at list row nFirst.
    void MoveRows(BYTE nList, const std::vector<WORD>& rows, std::size_t nFirst);
    void OnRowsDropped(BYTE nList, long nBeforeRow);
    void CreateStatusLine();
    void UpdateStatusLine();
    void ShowStatus(const QString& text);
    static BYTE SatelliteIndexOf(const QTreeWidgetItem& item);
    void WriteComboText(QComboBox& combo, const QString& text);
    void CheckNumberEdit(QString& member, int nSpinId, int limit, bool tenths);
    // The number edits in their normal form: "19." becomes "19.0", "0050" "50".
    void FormatNumberEdits();
    void EnableRecordButtons(bool bNewRecord);
    void SelectPanelEntry(int nComboId, int nIndex);
    void SearchPanelEntry(int nComboId, const QString& text, int nStart);
    void ShowLnb(int nComboId, const SLnbEncoding& lnb, BYTE bValue, WORD wFrequency);
    void ShowTransponderValues(int nFreq, int nSymbolRate, int nHorizontal, int nFec);
    QLineEdit& Edit(int nId) const;
    QComboBox& Combo(int nId) const;
    CSpinButtonCtrl& Spin(int nId) const;
    bool IsChecked(int nId) const;
    BOOL WriteWithWaitCursor();
    // The normal save and Save As; false when nothing was written (cancelled or failed). A save
    // the user has already chosen (in the save-changes prompt) does not ask again.
    bool SaveFile(bool bAskFirst = true);
    bool SaveFileAs();
    // Writes the file after keeping its backup; `failure` is the message for a failed write.
    bool WriteDocument(const QString& failure);
    bool KeepBackup();
    // Asks "Save changes to ...?" when there are unsaved changes; false when the user cancels
    // or the save does not happen, and the action that asked must not go on.
    bool AskToSaveChanges();
    // The file's name, or "Untitled" for a database that has none yet.
    QString DocumentName() const;
    void UpdateTitle();
    void ConnectEditMenu();
    // Runs one user action as one undo step, when it changed the store. `text` names the step;
    // it is asked once the action has run, so it can count what the action did.
    void RunUndoable(const std::function<void()>& action, const std::function<QString()>& text);
    // A list tool's change as one undo step: the grids show the lists as they are after it,
    // and a pending Cut is forgotten (the store's reorders and deletes clear the marks).
    void RunListTool(const std::function<void()>& change, const QString& text);
    SViewState CurrentView() const;
    void ShowView(const SViewState& view);
    void EnableGridButtons(BYTE nList);
    void RefreshChangedViews(unsigned nChanged);
    // The text of column nCol's header, without its blanks: what the Edit menu calls it.
    static QString ColumnName(BYTE nList, long nCol);
    // Tells the user in one message what reading `source` into the store dropped.
    void ReportDroppedRecords(const QString& source);
    QString PathName() const;
    void LoadReceivedImage(const std::vector<BYTE>& image, CWaitCursor& wait);
    void RunTransferDialog(CTransferDlg& dlg);
    int GridListOf(const QWidget* pWnd) const;
    void TrackGridPopup(std::size_t nPopup, const QPoint& point);
    void SetFlagsInSelection(BOOL bOn);

    CPrompt& m_prompt;
    std::unique_ptr<CChannelStore> m_pStore;
    QUndoStack* m_pUndoStack = nullptr;
    BOOL m_bHasData = FALSE;          // a database is open, new or received
    std::set<std::string> m_backedUp; // files whose previous bytes this session has kept
    QIcon m_hIcon;

    QMenuBar* m_pMenuBar = nullptr;
    QWidget* m_pClient = nullptr;
    CTabCtrl* m_pTab = nullptr;
    QTreeWidget* m_pTree = nullptr;
    std::array<CMSFlexGrid*, kListCount> m_grids{};
    std::map<int, QWidget*> m_controls;
    std::map<UINT, QAction*> m_actions;
    QMenu* m_pTransferMenu = nullptr;
    QLineEdit* m_pFilter = nullptr;
    QLabel* m_pFilterCount = nullptr;
    std::array<QString, kListCount> m_filters; // each grid's filter text
    QStatusBar* m_pStatus = nullptr;
    QLabel* m_pStatusFile = nullptr;
    QLabel* m_pStatusCounts = nullptr;
    QLabel* m_pStatusAction = nullptr;

    BYTE m_nPanelMode = 1; // 1 satellite panel, 0 transponder panel
    std::array<SGridSort, kListCount> m_gridSort{};
    BYTE m_bCloseRequest = 0;

    // Grid editing: a Cut waits for its Paste; the rows of the last whole-row selection that a
    // menu opened on (grid rows, either order).
    BYTE m_bCutPending = 0;
    int m_nMarkFrom = 0;
    int m_nMarkTo = 0;

    // Resize state: the first size message only records the size; later ones move the
    // controls by the change since the last layout.
    DWORD m_bFirstSize = 1;
    int m_nPrevCx = 0;
    int m_nPrevCy = 0;
    bool m_bShownOnce = false;

    std::unique_ptr<CSettings> m_pOwnSettings; // when none were given
    CSettings* m_pSettings;                    // the port of the last transfer, and more
    // What a box announced holds for every later transfer of the program's run.
    STransferSettings m_transferSettings;
};
