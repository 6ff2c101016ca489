// CEditorDlg: the editor's one window, a shell around the open database. It holds the menus, the
// tab control with its five pages (satellites and transponders, then the four service lists), the
// status line and the window's layout; it routes each menu command to the current page, to the
// document, or to the File, Transfer and list-tool commands.
#pragma once

#include "records.h"
#include "view_state.h"

#include <QDialog>
#include <QIcon>

#include <array>
#include <map>
#include <memory>

class CChannelStore;
class CDocument;
class CFileCommands;
class CFileDialogs;
class CMSFlexGrid;
class CPrompt;
class CSatellitePage;
class CSettings;
class CServiceListPage;
class CStatusLine;
class CTabCtrl;
class CToolCommands;
class CTransferCommands;
class QAction;
class QMenu;
class QMenuBar;
class QTreeWidget;
class QUndoStack;

// Size message kinds.
enum : UINT { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };
// System commands.
enum : UINT { SC_CLOSE = 0xF060 };

class CEditorDlg : public QDialog {
    Q_OBJECT

  public:
    // Without settings (tests), what the window keeps lasts as long as it does. The window opens
    // where it was last closed, on the tab it showed; the first time it fills the desktop.
    explicit CEditorDlg(CPrompt& prompt, CSettings* pSettings = nullptr, QWidget* parent = nullptr);
    ~CEditorDlg() override;

    // Runs the handler of a menu command; FALSE when the window has none for nId.
    BOOL OnCommand(UINT nId);
    // Shows the page of tab nTab (0 the satellites, 1..4 one list); other values do nothing.
    void ShowTabView(int nTab);
    // The list of the current tab, or -1 on the satellites' tab.
    int GetCurrentList() const;
    // Opens `path` as Open does once a file is chosen.
    void OpenDataFile(const QString& path);
    void OnSysCommand(UINT nId);

    // ---- access -------------------------------------------------------------------------------
    CDocument& Document() const { return *m_pDocument; }
    const CChannelStore& Store() const;
    QUndoStack& UndoStack() const;
    CServiceListPage& ListPage(BYTE nList) const { return *m_lists.at(nList); }
    CSatellitePage& SatellitePage() const { return *m_pSatellites; }
    CMSFlexGrid& Grid(BYTE nList) const;
    QTreeWidget& Tree() const;
    CTabCtrl& TabCtrl() const { return *m_pTab; }
    QMenuBar& MenuBar() const { return *m_pMenuBar; }
    // The area under the menu bar that the controls are laid out in.
    QWidget& ClientArea() const { return *m_pClient; }
    // A control by its id, the current page's first; null when there is none.
    QWidget* GetDlgItem(int nId) const;
    template <class T> T* GetDlgItem(int nId) const { return qobject_cast<T*>(GetDlgItem(nId)); }
    // The action of a menu command, also after it was taken off its menu; null when unknown.
    QAction* GetMenuAction(UINT nId) const;
    // The file, the lists' counts and the result of the last action, " | " between them.
    QString StatusFields() const;

  public slots:
    // Enter does nothing; Esc closes the window only after the close box asked for it.
    void accept() override;
    void reject() override;
    // Closing keeps the window's place and tab in the settings.
    void done(int nResult) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void CreateMenu();
    // File > Open Recent: the recent files, newest first, then Clear Menu; greyed without files.
    void UpdateRecentMenu();
    void OnOpenRecent(UINT nId);
    // Help > Language: "System" (the desktop's language) or one of the editor's languages.
    void CreateLanguageMenu();
    void OnLanguage(UINT nId);
    void ConnectEditMenu();
    void CreateGridKeys();
    // Greys the Edit menu's grid commands that cannot act while the menu is shown; all on again
    // once it closes.
    void EnableGridCommands(bool bMenuShown);
    void RemoveConversionCommands();
    void CreateControls();
    void ConnectDocument();
    void OnSelchangeTab();
    void OnDataStateChanged();
    void UpdateTitle();
    void OnEditUndo();
    void OnEditRedo();
    // The Edit menu's list commands act on the current list's page.
    void OnListCommand(UINT nId);
    void OnExit();
    void OnCancel();
    void OnAppAbout();
    void OnHelpShortcuts();
    // Every key the window answers, one "key<TAB>command" line each: the menu bar's Alt keys,
    // then the shortcut of every action placed in the window, whoever added it.
    QString ShortcutList() const;
    SViewState CurrentView() const;
    void ShowView(const SViewState& view);
    void ShowStatus(const QString& text);
    void PlaceWindow();
    void FitToDesktop();
    UINT SizeType() const;
    void OnSize(UINT nType, int cx, int cy);

    CPrompt& m_prompt;
    std::unique_ptr<CSettings> m_pOwnSettings; // when none were given
    CSettings* m_pSettings;
    std::unique_ptr<CFileDialogs> m_pDialogs;
    CDocument* m_pDocument;
    CFileCommands* m_pFiles = nullptr;
    CToolCommands* m_pTools = nullptr;
    CTransferCommands* m_pTransfers = nullptr;
    QIcon m_hIcon;

    QMenuBar* m_pMenuBar = nullptr;
    QWidget* m_pClient = nullptr;
    CTabCtrl* m_pTab = nullptr;
    CSatellitePage* m_pSatellites = nullptr;
    std::array<CServiceListPage*, kListCount> m_lists{};
    CStatusLine* m_pStatus = nullptr;
    std::map<UINT, QAction*> m_actions;
    QMenu* m_pTransferMenu = nullptr;
    QMenu* m_pRecentMenu = nullptr;
    QMenu* m_pLanguageMenu = nullptr;
    BYTE m_bCloseRequest = 0;

    // Resize state: the first size message only records the size; later ones move the controls
    // by the change since the last layout.
    DWORD m_bFirstSize = 1;
    int m_nPrevCx = 0;
    int m_nPrevCy = 0;
    bool m_bShownOnce = false;
};
