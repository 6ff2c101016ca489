#include "editor_dlg.h"

#include "controls.h"
#include "grid_menu.h"
#include "list_tabs.h"
#include "main_dialog.h"
#include "prompt.h"
#include "settings.h"
#include "tree_labels.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTreeWidget>
#include <QUndoStack>

namespace {

constexpr const char* kTitleName = "Orvane ";
constexpr const char* kTitleVersion = " v3.0.1";

// The five tabs: the satellite / transponder page, then one per list (list_tabs.h).
constexpr const char* kTabLabels[] = {
    "  Satellite / Transponder List  ", "  Satellite TV List  ",      "  Satellite RADIO List  ",
    "  Terrestrial TV List  ",          "  Terrestrial RADIO List  ",
};

} // namespace

// The lamps and the other resources of res/orvane.qrc are compiled into the ui library.
static void InitResources() {
    Q_INIT_RESOURCE(orvane);
}

CEditorDlg::CEditorDlg(CPrompt& prompt, CSettings* pSettings, QWidget* parent)
    : QDialog(parent), m_prompt(prompt),
      m_pOwnSettings(pSettings ? nullptr : std::make_unique<CSettings>()),
      m_pSettings(pSettings ? pSettings : m_pOwnSettings.get()) {
    InitResources();
    m_hIcon = QIcon(QStringLiteral(":/icons/orvane.png"));
    // The program's main window: a sizing border, a system menu and a minimise box, but no
    // maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromLatin1(kMainDialogCaption));
    setFont(QFont(QString::fromLatin1(kMainDialogFontFamily), kMainDialogFontPoints));
    CreateMenu();
    CreateControls();
    CreateGridKeys();
    OnInitDialog();
}

// The undo stack goes with the window's children and tells it is clean as it goes, when the
// window is no longer there to hear it.
CEditorDlg::~CEditorDlg() {
    m_pUndoStack->disconnect(this);
}

void CEditorDlg::OnInitDialog() {
    m_pStore = std::make_unique<CChannelStore>();
    m_pUndoStack = new QUndoStack(this);
    connect(m_pUndoStack, &QUndoStack::cleanChanged, this, &CEditorDlg::UpdateTitle);
    connect(m_pUndoStack, &QUndoStack::indexChanged, this, &CEditorDlg::UpdateStatusLine);
    ConnectEditMenu();
    setWindowIcon(m_hIcon);
    UpdateTitle();
    FitToDesktop();
    raise();
    RemoveConversionCommands();

    m_gridSort = {};
    m_nPanelMode = 1;

    for (const char* label : kTabLabels)
        m_pTab->addTab(QString::fromLatin1(label));
    m_pTab->setCurrentIndex(TabOfList(LIST_SAT_TV));
    connect(m_pTab, &QTabBar::currentChanged, this, &CEditorDlg::OnSelchangeTab);

    EnableDataMenus(FALSE);
    ResetControls();
    ConnectPanel();
    ConnectCommandButtons();
    connect(m_pTree, &QTreeWidget::currentItemChanged, this, &CEditorDlg::OnSelchangedTree);
    ShowTabView(TabOfList(LIST_SAT_TV));
}

// ---- menus ----------------------------------------------------------------------------------

void CEditorDlg::CreateMenu() {
    m_pMenuBar = new QMenuBar(this);
    m_pMenuBar->setNativeMenuBar(false);
    for (const SMenuPopup& popup : kMainMenu) {
        QMenu* menu = m_pMenuBar->addMenu(QString::fromLatin1(popup.pszTitle));
        for (std::size_t i = 0; i < popup.nItems; ++i) {
            const SMenuItem& item = popup.pItems[i];
            if (item.nId == 0) {
                menu->addSeparator();
                continue;
            }
            // The dialog owns the actions, so a command taken off its menu keeps its id.
            auto* action = new QAction(QString::fromUtf8(item.pszText), this);
            action->setData(item.nId);
            action->setObjectName(QString::number(item.nId));
            connect(action, &QAction::triggered, this, [this, id = item.nId] { OnCommand(id); });
            menu->addAction(action);
            m_actions[item.nId] = action;
        }
        if (popup.pItems == kTransferMenuItems)
            m_pTransferMenu = menu;
        if (popup.pItems == kEditMenuItems) {
            connect(menu, &QMenu::aboutToShow, this, [this] { EnableGridCommands(true); });
            connect(menu, &QMenu::aboutToHide, this, [this] { EnableGridCommands(false); });
        }
    }
    for (const SAccelerator& accelerator : kAccelerators) {
        QAction* action = m_actions.at(accelerator.nId);
        action->setShortcuts(action->shortcuts() << QKeySequence(accelerator.pszKey));
    }
}

// The conversion commands are not for users: their menu entries go, their ids stay.
void CEditorDlg::RemoveConversionCommands() {
    const QList<QAction*> items = m_pTransferMenu->actions();
    if (items.size() > 2)
        m_pTransferMenu->removeAction(items[2]);
    for (UINT nId : {ID_CONV_DEFAULT_CHANNEL, ID_CONV_TP_LIST})
        m_pTransferMenu->removeAction(GetMenuAction(nId));
}

QAction* CEditorDlg::GetMenuAction(UINT nId) const {
    const auto it = m_actions.find(nId);
    return it == m_actions.end() ? nullptr : it->second;
}

void CEditorDlg::EnableDataMenus(BOOL bEnable) {
    for (UINT nId :
         {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_TRANSFER_PC_TO_STB, ID_FILE_COMPARE_WITH,
          ID_FILE_EXPORT_CSV, ID_FILE_IMPORT_CSV, ID_EDIT_ORDER_LIKE, ID_EDIT_FIND_DUPLICATES})
        m_actions.at(nId)->setEnabled(bEnable != FALSE);
    m_bHasData = bEnable;
    if (const int nList = GetCurrentList(); nList >= 0)
        EnableGridButtons(static_cast<BYTE>(nList));
    UpdateTitle();
}

// "Orvane  v3.0.1", and with a database " - <file name>" and the modified mark.
void CEditorDlg::UpdateTitle() {
    QString title = QString::asprintf("%s%s", kTitleName, kTitleVersion);
    if (m_bHasData)
        title += QStringLiteral(" - ") + DocumentName() + QStringLiteral("[*]");
    setWindowTitle(title);
    setWindowModified(m_bHasData && !m_pUndoStack->isClean());
    UpdateStatusLine();
}

BOOL CEditorDlg::OnCommand(UINT nId) {
    struct SCommand {
        UINT nId;
        void (CEditorDlg::*pHandler)();
    };
    static constexpr SCommand kCommands[] = {
        {ID_FILE_NEW, &CEditorDlg::OnFileNew},
        {ID_FILE_OPEN, &CEditorDlg::OnFileOpen},
        {ID_FILE_SAVE, &CEditorDlg::OnFileSave},
        {ID_FILE_SAVE_AS, &CEditorDlg::OnFileSaveAs},
        {ID_EXIT, &CEditorDlg::OnExit},
        {ID_EDIT_UNDO, &CEditorDlg::OnEditUndo},
        {ID_EDIT_REDO, &CEditorDlg::OnEditRedo},
        {ID_TRANSFER_STB_TO_PC, &CEditorDlg::OnTransferStbToPc},
        {ID_TRANSFER_PC_TO_STB, &CEditorDlg::OnTransferPcToStb},
        {ID_CONV_TP_LIST, &CEditorDlg::OnConvTpList},
        {ID_CONV_DEFAULT_CHANNEL, &CEditorDlg::OnDoNothing},
        {ID_EDIT_CUT, &CEditorDlg::OnCut},
        {ID_EDIT_PASTE, &CEditorDlg::OnPaste},
        {ID_EDIT_DELETE, &CEditorDlg::OnDelete},
        {ID_FLAGS_ENABLE, &CEditorDlg::OnEnableFlags},
        {ID_FLAGS_DISABLE, &CEditorDlg::OnDisableFlags},
        {ID_EDIT_MOVE_TO_NUMBER, &CEditorDlg::OnMoveToNumber},
        {ID_EDIT_SELECT_ALL, &CEditorDlg::OnSelectAllKey},
        {ID_APP_ABOUT, &CEditorDlg::OnAppAbout},
        {ID_HELP_SHORTCUTS, &CEditorDlg::OnHelpShortcuts},
        {ID_EDIT_ORDER_LIKE, &CEditorDlg::OnEditOrderLike},
        {ID_EDIT_FIND_DUPLICATES, &CEditorDlg::OnEditFindDuplicates},
        {ID_FILE_COMPARE_WITH, &CEditorDlg::OnFileCompareWith},
        {ID_FILE_EXPORT_CSV, &CEditorDlg::OnFileExportCsv},
        {ID_FILE_IMPORT_CSV, &CEditorDlg::OnFileImportCsv},
    };
    for (const SCommand& command : kCommands) {
        if (command.nId == nId) {
            (this->*command.pHandler)();
            return TRUE;
        }
    }
    return FALSE;
}

void CEditorDlg::OnDoNothing() {}

// ---- tabs -----------------------------------------------------------------------------------

void CEditorDlg::OnSelchangeTab() {
    ShowTabView(m_pTab->currentIndex());
    m_gridSort = {};
    m_nMarkFrom = m_nMarkTo = 0;
}

int CEditorDlg::GetCurrentList() const {
    return ListOfTab(m_pTab->currentIndex());
}

void CEditorDlg::ShowTabView(int nTab) {
    const bool bTree = nTab == kTreeTab;
    const int nShownList = ListOfTab(nTab);
    if (!bTree && nShownList < 0)
        return;
    for (int nList = 0; nList < kListCount; ++nList)
        m_grids[nList]->setVisible(nList == nShownList);
    m_pTree->setVisible(bTree);
    m_pFilter->setVisible(!bTree);
    m_pFilterCount->setVisible(!bTree);
    GetDlgItem(IDC_PANEL_FRAME)->setVisible(bTree);
    GetDlgItem(IDC_BUTTON_UPDATE)->setVisible(bTree);
    GetDlgItem(IDC_BUTTON_DELETE)->setVisible(bTree);
    GetDlgItem(IDC_BUTTON_DETAIL_INFO)->setVisible(!bTree);
    GetDlgItem(IDC_BUTTON_APPEND)->setVisible(true);
    if (bTree) {
        // The buttons follow the highlighted item; with none they wait for a selection.
        const QTreeWidgetItem* item = m_pTree->currentItem();
        if (item != nullptr) {
            const bool bPlaceholder = item->parent() != nullptr ? LabelNumber(item->text(0)) == 0
                                                                : SatelliteIndexOf(*item) == 0;
            EnableRecordButtons(bPlaceholder);
        } else {
            for (int nId : {IDC_BUTTON_APPEND, IDC_BUTTON_DELETE, IDC_BUTTON_UPDATE})
                GetDlgItem(nId)->setEnabled(false);
        }
        ShowSatellitePanel(m_nPanelMode == 1);
        ShowTransponderPanel(m_nPanelMode != 1);
        return;
    }
    ShowSatellitePanel(FALSE);
    ShowTransponderPanel(FALSE);
    EnableGridButtons(static_cast<BYTE>(nShownList));
    ShowFilterOf(static_cast<BYTE>(nShownList));
}

// Detail Info needs a service in the list. The first service of a list is added with Append
// too, so Append needs a database, not a service.
void CEditorDlg::EnableGridButtons(BYTE nList) {
    const bool bHasServices = m_pStore != nullptr && m_pStore->GetServiceCount(nList) > 0;
    GetDlgItem(IDC_BUTTON_APPEND)->setEnabled(bHasServices || m_bHasData);
    GetDlgItem(IDC_BUTTON_DETAIL_INFO)->setEnabled(bHasServices);
}

void CEditorDlg::ShowSatellitePanel(BOOL bShow) {
    for (int nId : main_dialog::kSatellitePanelIds)
        GetDlgItem(nId)->setVisible(bShow != FALSE);
    if (bShow)
        m_nPanelMode = 1;
}

void CEditorDlg::ShowTransponderPanel(BOOL bShow) {
    for (int nId : main_dialog::kTransponderPanelIds)
        GetDlgItem(nId)->setVisible(bShow != FALSE);
    if (bShow)
        m_nPanelMode = 0;
}

// ---- closing --------------------------------------------------------------------------------

void CEditorDlg::OnExit() {
    if (!AskToSaveChanges())
        return;
    m_pStore.reset();
    QDialog::reject();
}

void CEditorDlg::OnSysCommand(UINT nId) {
    if ((nId & 0xFFF0) == SC_CLOSE) {
        if (!AskToSaveChanges())
            return;
        m_bCloseRequest = 1;
        OnCancel();
    }
}

void CEditorDlg::OnCancel() {
    if (!m_bCloseRequest)
        return;
    m_pStore.reset();
    QDialog::reject();
}

void CEditorDlg::accept() {
    OnDoNothing();
}

void CEditorDlg::reject() {
    OnCancel();
}

void CEditorDlg::closeEvent(QCloseEvent* event) {
    OnSysCommand(SC_CLOSE);
    event->setAccepted(!isVisible());
}
