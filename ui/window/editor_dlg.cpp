#include "editor_dlg.h"

#include "controls.h"
#include "document.h"
#include "file_commands.h"
#include "file_dialogs.h"
#include "flexgrid.h"
#include "grid_menu.h"
#include "language.h"
#include "list_tabs.h"
#include "main_dialog.h"
#include "name_encoding_menu.h"
#include "prompt.h"
#include "satellite_page.h"
#include "service_list_page.h"
#include "settings.h"
#include "status_line.h"
#include "status_text.h"
#include "template_controls.h"
#include "tool_commands.h"
#include "transfer_commands.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QUndoStack>

namespace {

constexpr const char* kTitleName = "Orvane ";
constexpr const char* kTitleVersion = " v3.0.1";

// The five tabs: the satellite / transponder page, then one per list (list_tabs.h).
constexpr const char* kTabLabels[] = {
    QT_TRANSLATE_NOOP("CEditorDlg", "  Satellite / Transponder List  "),
    QT_TRANSLATE_NOOP("CEditorDlg", "  Satellite TV List  "),
    QT_TRANSLATE_NOOP("CEditorDlg", "  Satellite RADIO List  "),
    QT_TRANSLATE_NOOP("CEditorDlg", "  Terrestrial TV List  "),
    QT_TRANSLATE_NOOP("CEditorDlg", "  Terrestrial RADIO List  "),
};

QString MainDialogText(const char* pszText) {
    return QCoreApplication::translate("MainDialog", pszText);
}

// Below these the window is too small to lay out (outer right and bottom edges, in client
// coordinates).
constexpr int kMinLayoutRight = 604;
constexpr int kMinLayoutBottom = 435;

} // namespace

// The lamps and the other resources of res/orvane.qrc are compiled into the ui library.
static void InitResources() {
    Q_INIT_RESOURCE(orvane);
}

CEditorDlg::CEditorDlg(CPrompt& prompt, CSettings* pSettings, QWidget* parent)
    : QDialog(parent), m_prompt(prompt),
      m_pOwnSettings(pSettings ? nullptr : std::make_unique<CSettings>()),
      m_pSettings(pSettings ? pSettings : m_pOwnSettings.get()),
      m_pDialogs(std::make_unique<CFileDialogs>(prompt, *m_pSettings)),
      m_pDocument(new CDocument(this)) {
    InitResources();
    m_hIcon = QIcon(QStringLiteral(":/icons/orvane.png"));
    // The program's main window: a sizing border, a system menu and a minimise box, but no
    // maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromLatin1(kMainDialogCaption));
    setFont(QFont(QString::fromLatin1(kMainDialogFontFamily), kMainDialogFontPoints));
    m_pFiles = new CFileCommands(*m_pDocument, m_prompt, *m_pDialogs, *m_pSettings, this);
    m_pTools = new CToolCommands(*m_pDocument, m_prompt, *m_pDialogs, *this);
    m_pTransfers = new CTransferCommands(*m_pDocument, m_prompt, *m_pFiles, *m_pSettings, *this);
    CreateMenu();
    CreateControls();
    ConnectDocument();
    ConnectEditMenu();
    setWindowIcon(m_hIcon);
    PlaceWindow();
    raise();
    RemoveConversionCommands();
    for (const char* label : kTabLabels)
        m_pTab->addTab(tr(label));
    const int nKeptTab = m_pSettings->WindowTab();
    const int nTab =
        nKeptTab >= 0 && nKeptTab < m_pTab->count() ? nKeptTab : TabOfList(LIST_SAT_TV);
    m_pTab->setCurrentIndex(nTab);
    connect(m_pTab, &QTabBar::currentChanged, this, &CEditorDlg::OnSelchangeTab);
    OnDataStateChanged();
    UpdateRecentMenu();
    CreateLanguageMenu();
    ShowTabView(nTab);
}

// The document's undo stack goes with the window's children and tells it is clean as it goes,
// when the window is no longer there to hear it.
CEditorDlg::~CEditorDlg() {
    m_pDocument->disconnect(this);
}

const CChannelStore& CEditorDlg::Store() const {
    return m_pDocument->Store();
}

QUndoStack& CEditorDlg::UndoStack() const {
    return m_pDocument->UndoStack();
}

CMSFlexGrid& CEditorDlg::Grid(BYTE nList) const {
    return ListPage(nList).Grid();
}

QTreeWidget& CEditorDlg::Tree() const {
    return m_pSatellites->Tree();
}

// ---- menus ----------------------------------------------------------------------------------

void CEditorDlg::CreateMenu() {
    m_pMenuBar = new QMenuBar(this);
    m_pMenuBar->setNativeMenuBar(false);
    for (const SMenuPopup& popup : kMainMenu) {
        QMenu* menu = m_pMenuBar->addMenu(MainDialogText(popup.pszTitle));
        for (std::size_t i = 0; i < popup.nItems; ++i) {
            const SMenuItem& item = popup.pItems[i];
            if (item.nId == 0) {
                menu->addSeparator();
                continue;
            }
            if (item.nId == ID_FILE_OPEN_RECENT || item.nId == ID_HELP_LANGUAGE) {
                QMenu* submenu = menu->addMenu(MainDialogText(item.pszText));
                submenu->menuAction()->setData(item.nId);
                m_actions[item.nId] = submenu->menuAction();
                (item.nId == ID_FILE_OPEN_RECENT ? m_pRecentMenu : m_pLanguageMenu) = submenu;
                continue;
            }
            // The dialog owns the actions, so a command taken off its menu keeps its id.
            auto* action = new QAction(MainDialogText(item.pszText), this);
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
            AddNameEncodingMenu(*menu, *m_pDocument, *m_pSettings);
        }
    }
    auto* clear = new QAction(tr("Clear Menu"), this);
    clear->setData(ID_FILE_CLEAR_RECENT);
    connect(clear, &QAction::triggered, this, [this] { OnCommand(ID_FILE_CLEAR_RECENT); });
    m_actions[ID_FILE_CLEAR_RECENT] = clear;
    for (const SAccelerator& accelerator : kAccelerators) {
        QAction* action = m_actions.at(accelerator.nId);
        action->setShortcuts(action->shortcuts() << QKeySequence(accelerator.pszKey));
    }
    auto* find = new QAction(tr("Filter"), this);
    find->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
    connect(find, &QAction::triggered, this, [this] {
        if (const int nList = GetCurrentList(); nList >= 0)
            ListPage(BYTE(nList)).FocusFilter();
    });
    addAction(find);
}

// The Edit menu names the step that Undo or Redo would take, and is grey without one.
void CEditorDlg::ConnectEditMenu() {
    const auto naming = [](QAction* action) {
        return [action, verb = action->text()](const QString& step) {
            action->setText(step.isEmpty() ? verb : verb + u' ' + step);
        };
    };
    QAction* undo = m_actions.at(ID_EDIT_UNDO);
    QAction* redo = m_actions.at(ID_EDIT_REDO);
    QUndoStack& stack = UndoStack();
    connect(&stack, &QUndoStack::undoTextChanged, undo, naming(undo));
    connect(&stack, &QUndoStack::redoTextChanged, redo, naming(redo));
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    undo->setEnabled(false);
    redo->setEnabled(false);
}

// The conversion commands are not for users: their menu entries go, their ids stay.
void CEditorDlg::RemoveConversionCommands() {
    const QList<QAction*> items = m_pTransferMenu->actions();
    if (items.size() > 2)
        m_pTransferMenu->removeAction(items[2]);
    for (UINT nId : {ID_CONV_DEFAULT_CHANNEL, ID_CONV_TP_LIST})
        m_pTransferMenu->removeAction(GetMenuAction(nId));
}

// "&1 ~/boxes/mine.zdf": the whole path tells apart files of one name.
void CEditorDlg::UpdateRecentMenu() {
    m_pRecentMenu->clear();
    const QStringList paths = m_pSettings->RecentFiles();
    const QString home = QDir::homePath() + u'/';
    for (int i = 0; i < paths.size(); ++i) {
        QString shown = paths[i];
        if (shown.startsWith(home))
            shown.replace(0, home.size() - 1, u'~');
        const UINT nId = ID_FILE_MRU_FILE1 + UINT(i);
        auto* action = m_pRecentMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(shown.replace(u'&', QStringLiteral("&&"))));
        action->setData(nId);
        connect(action, &QAction::triggered, this, [this, nId] { OnCommand(nId); });
    }
    m_pRecentMenu->addSeparator();
    m_pRecentMenu->addAction(m_actions.at(ID_FILE_CLEAR_RECENT));
    m_pRecentMenu->menuAction()->setEnabled(!paths.isEmpty());
}

void CEditorDlg::OnOpenRecent(UINT nId) {
    if (nId == ID_FILE_CLEAR_RECENT) {
        m_pSettings->ClearRecentFiles();
        UpdateRecentMenu();
        return;
    }
    const QStringList paths = m_pSettings->RecentFiles();
    if (const qsizetype i = nId - ID_FILE_MRU_FILE1; i < paths.size())
        m_pFiles->OpenRecent(paths[i]);
}

// The editor's texts are chosen once, at the start: the choice says so.
void CEditorDlg::CreateLanguageMenu() {
    m_pLanguageMenu->addAction(tr("Applies at the next start"))->setEnabled(false);
    m_pLanguageMenu->addSeparator();
    auto* group = new QActionGroup(m_pLanguageMenu);
    const QStringList codes = EditorLanguages();
    for (int i = -1; i < codes.size(); ++i) {
        const UINT nId = ID_LANGUAGE_SYSTEM + UINT(i + 1);
        QAction* action = group->addAction(i < 0 ? tr("System") : LanguageName(codes[i]));
        action->setData(nId);
        action->setCheckable(true);
        action->setChecked((i < 0 ? QString() : codes[i]) == m_pSettings->Language());
        connect(action, &QAction::triggered, this, [this, nId] { OnCommand(nId); });
        m_pLanguageMenu->addAction(action);
    }
}

void CEditorDlg::OnLanguage(UINT nId) {
    const QStringList codes = EditorLanguages();
    const qsizetype i = qsizetype(nId - ID_LANGUAGE_SYSTEM) - 1;
    if (i >= codes.size())
        return;
    m_pSettings->SetLanguage(i < 0 ? QString() : codes[i]);
    for (QAction* action : m_pLanguageMenu->actions())
        action->setChecked(action->data().toUInt() == nId);
}

QAction* CEditorDlg::GetMenuAction(UINT nId) const {
    const auto it = m_actions.find(nId);
    return it == m_actions.end() ? nullptr : it->second;
}

BOOL CEditorDlg::OnCommand(UINT nId) {
    const std::pair<UINT, std::function<void()>> commands[] = {
        {ID_FILE_NEW, [this] { m_pFiles->New(); }},
        {ID_FILE_OPEN, [this] { m_pFiles->Open(); }},
        {ID_FILE_SAVE, [this] { m_pFiles->Save(); }},
        {ID_FILE_SAVE_AS, [this] { m_pFiles->SaveAs(); }},
        {ID_EXIT, [this] { OnExit(); }},
        {ID_EDIT_UNDO, [this] { OnEditUndo(); }},
        {ID_EDIT_REDO, [this] { OnEditRedo(); }},
        {ID_TRANSFER_STB_TO_PC, [this] { m_pTransfers->StbToPc(); }},
        {ID_TRANSFER_PC_TO_STB, [this] { m_pTransfers->PcToStb(); }},
        {ID_CONV_TP_LIST, [this] { m_pTransfers->ConvTpList(); }},
        {ID_CONV_DEFAULT_CHANNEL, [] {}},
        {ID_APP_ABOUT, [this] { OnAppAbout(); }},
        {ID_HELP_SHORTCUTS, [this] { OnHelpShortcuts(); }},
        {ID_EDIT_ORDER_LIKE, [this] { m_pTools->OrderLike(); }},
        {ID_EDIT_FIND_DUPLICATES, [this] { m_pTools->FindDuplicates(); }},
        {ID_FILE_COMPARE_WITH, [this] { m_pTools->CompareWith(); }},
        {ID_FILE_EXPORT_CSV,
         [this] {
             m_pTools->ExportCsv(GetCurrentList(),
                                 m_pTab->tabText(m_pTab->currentIndex()).trimmed());
         }},
        {ID_FILE_IMPORT_CSV, [this] { m_pTools->ImportCsv(); }},
        {ID_FILE_IMPORT_TRANSPONDERS, [this] { m_pTools->ImportTransponders(); }},
        {ID_EDIT_NETWORKS, [this] { m_pTools->EditNetworks(); }},
    };
    for (const auto& [nCommand, handler] : commands) {
        if (nCommand == nId) {
            handler();
            return TRUE;
        }
    }
    if (nId == ID_FILE_CLEAR_RECENT ||
        (nId >= ID_FILE_MRU_FILE1 && nId < ID_FILE_MRU_FILE1 + CSettings::kMaxRecentFiles)) {
        OnOpenRecent(nId);
        return TRUE;
    }
    if (nId >= ID_LANGUAGE_SYSTEM && nId < ID_LANGUAGE_SYSTEM + kLanguageIdCount) {
        OnLanguage(nId);
        return TRUE;
    }
    for (UINT nListCommand : {ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_DELETE, ID_EDIT_SELECT_ALL,
                              ID_FLAGS_ENABLE, ID_FLAGS_DISABLE, ID_EDIT_MOVE_TO_NUMBER}) {
        if (nListCommand == nId) {
            OnListCommand(nId);
            return TRUE;
        }
    }
    return FALSE;
}

void CEditorDlg::OnListCommand(UINT nId) {
    const int nList = GetCurrentList();
    if (nList < 0)
        return;
    CServiceListPage& page = ListPage(BYTE(nList));
    switch (nId) {
    case ID_EDIT_CUT:
        page.CutSelection();
        break;
    case ID_EDIT_PASTE:
        page.Paste();
        break;
    case ID_EDIT_DELETE:
        page.DeleteSelection();
        break;
    case ID_EDIT_SELECT_ALL:
        page.SelectAll();
        break;
    case ID_FLAGS_ENABLE:
    case ID_FLAGS_DISABLE:
        page.SetFlags(nId == ID_FLAGS_ENABLE);
        break;
    case ID_EDIT_MOVE_TO_NUMBER:
        page.MoveToNumber();
        break;
    default:
        break;
    }
}

void CEditorDlg::OnEditUndo() {
    const QString step = UndoStack().undoText();
    UndoStack().undo();
    ShowStatus(StatusText(EStatus::Undone, step));
}

void CEditorDlg::OnEditRedo() {
    const QString step = UndoStack().redoText();
    UndoStack().redo();
    ShowStatus(StatusText(EStatus::Redone, step));
}

void CEditorDlg::OpenDataFile(const QString& path) {
    m_pFiles->OpenDataFile(path);
}

// The Edit menu's grid commands are also the grids' keys: a key runs what its menu item runs.
void CEditorDlg::CreateGridKeys() {
    const std::pair<UINT, const char*> keys[] = {
        {ID_EDIT_CUT, "Ctrl+X"},
        {ID_EDIT_PASTE, "Ctrl+V"},
        {ID_EDIT_DELETE, "Del"},
        {ID_EDIT_SELECT_ALL, "Ctrl+A"},
        {ID_EDIT_MOVE_TO_NUMBER, "Ctrl+M"},
        {ID_FLAGS_ENABLE, nullptr},
        {ID_FLAGS_DISABLE, nullptr},
    };
    QList<QAction*> actions;
    for (const auto& [nId, pszKey] : keys) {
        QAction* action = m_actions.at(nId);
        if (pszKey != nullptr)
            action->setShortcut(QKeySequence(QString::fromLatin1(pszKey)));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        actions << action;
    }
    for (CServiceListPage* page : m_lists)
        page->AddGridKeys(actions);
}

// The Edit menu's grid commands are greyed while they cannot act. Closed, the menu holds none
// back: their keys are left to the commands, which do nothing where they cannot act.
void CEditorDlg::EnableGridCommands(bool bMenuShown) {
    CServiceListPage::SCommandStates states{!bMenuShown, !bMenuShown, !bMenuShown, !bMenuShown};
    if (const int nList = GetCurrentList(); bMenuShown && nList >= 0)
        states = ListPage(BYTE(nList)).CommandStates();
    const std::pair<UINT, bool> enabled[] = {
        {ID_EDIT_CUT, states.bRows},
        {ID_EDIT_PASTE, states.bPaste},
        {ID_EDIT_DELETE, states.bRows},
        {ID_EDIT_SELECT_ALL, states.bAnyRow},
        {ID_EDIT_MOVE_TO_NUMBER, states.bRows},
        {ID_FLAGS_ENABLE, states.bFlags},
        {ID_FLAGS_DISABLE, states.bFlags},
    };
    for (const auto& [nId, bEnable] : enabled)
        m_actions.at(nId)->setEnabled(bEnable);
}

// ---- the document -----------------------------------------------------------------------------

void CEditorDlg::ConnectDocument() {
    connect(m_pDocument, &CDocument::StateChanged, this, &CEditorDlg::OnDataStateChanged);
    connect(m_pDocument, &CDocument::ViewRestored, this, &CEditorDlg::ShowView);
    // Actions with a result of their own show it after their step's name.
    connect(m_pDocument, &CDocument::Edited, this, &CEditorDlg::ShowStatus);
    connect(m_pFiles, &CFileCommands::Status, this, &CEditorDlg::ShowStatus);
    connect(m_pFiles, &CFileCommands::RecentFilesChanged, this, &CEditorDlg::UpdateRecentMenu);
    connect(m_pTools, &CToolCommands::Status, this, &CEditorDlg::ShowStatus);
    connect(m_pTransfers, &CTransferCommands::Status, this, &CEditorDlg::ShowStatus);
    for (CServiceListPage* page : m_lists)
        connect(page, &CServiceListPage::Status, this, &CEditorDlg::ShowStatus);
    connect(m_pSatellites, &CSatellitePage::Status, this, &CEditorDlg::ShowStatus);
    m_pDocument->SetViewMemory([this] { return CurrentView(); });
}

// Save, Save As, PC->STB and the list tools need data; the title names the database while there
// is one.
void CEditorDlg::OnDataStateChanged() {
    const bool bHasData = m_pDocument->HasData();
    for (UINT nId : {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_TRANSFER_PC_TO_STB, ID_FILE_COMPARE_WITH,
                     ID_FILE_EXPORT_CSV, ID_FILE_IMPORT_CSV, ID_EDIT_ORDER_LIKE,
                     ID_EDIT_FIND_DUPLICATES, ID_FILE_IMPORT_TRANSPONDERS, ID_EDIT_NETWORKS})
        m_actions.at(nId)->setEnabled(bHasData);
    UpdateTitle();
}

// "Orvane  v3.0.1", and with a database " - <file name>" and the modified mark.
void CEditorDlg::UpdateTitle() {
    QString title = QString::asprintf("%s%s", kTitleName, kTitleVersion);
    if (m_pDocument->HasData())
        title += QStringLiteral(" - ") + m_pDocument->DocumentName() + QStringLiteral("[*]");
    setWindowTitle(title);
    setWindowModified(m_pDocument->IsModified());
}

void CEditorDlg::ShowStatus(const QString& text) {
    m_pStatus->ShowAction(text);
}

QString CEditorDlg::StatusFields() const {
    return m_pStatus->Fields();
}

// The tab of the edit, and on it the grid's selection and sort, or the tree's item.
SViewState CEditorDlg::CurrentView() const {
    SViewState view;
    view.nTab = m_pTab->currentIndex();
    if (const int nList = GetCurrentList(); nList >= 0)
        ListPage(BYTE(nList)).CaptureView(view);
    m_pSatellites->CaptureView(view);
    return view;
}

void CEditorDlg::ShowView(const SViewState& view) {
    m_pTab->setCurrentIndex(view.nTab);
    ShowTabView(view.nTab);
    if (const int nList = GetCurrentList(); nList >= 0)
        ListPage(BYTE(nList)).ShowView(view);
    else
        m_pSatellites->ShowView(view);
}

// ---- tabs ---------------------------------------------------------------------------------------

void CEditorDlg::OnSelchangeTab() {
    ShowTabView(m_pTab->currentIndex());
    for (CServiceListPage* page : m_lists)
        page->Leave();
}

int CEditorDlg::GetCurrentList() const {
    return ListOfTab(m_pTab->currentIndex());
}

void CEditorDlg::ShowTabView(int nTab) {
    const int nShownList = ListOfTab(nTab);
    if (nTab != kTreeTab && nShownList < 0)
        return;
    for (CServiceListPage* page : m_lists)
        page->setVisible(page->List() == nShownList);
    m_pSatellites->setVisible(nTab == kTreeTab);
    if (nTab == kTreeTab)
        m_pSatellites->Enter();
    else
        ListPage(BYTE(nShownList)).EnableButtons();
}

QWidget* CEditorDlg::GetDlgItem(int nId) const {
    if (nId == IDC_TAB)
        return m_pTab;
    const int nList = GetCurrentList();
    if (nList >= 0)
        if (QWidget* control = ListPage(BYTE(nList)).Control(nId))
            return control;
    if (QWidget* control = m_pSatellites->Control(nId))
        return control;
    for (CServiceListPage* page : m_lists)
        if (QWidget* control = page->Control(nId))
            return control;
    return nullptr;
}

// ---- closing ------------------------------------------------------------------------------------

void CEditorDlg::OnExit() {
    if (m_pFiles->AskToSaveChanges())
        QDialog::reject();
}

void CEditorDlg::OnSysCommand(UINT nId) {
    if ((nId & 0xFFF0) == SC_CLOSE) {
        if (!m_pFiles->AskToSaveChanges())
            return;
        m_bCloseRequest = 1;
        OnCancel();
    }
}

void CEditorDlg::OnCancel() {
    if (m_bCloseRequest)
        QDialog::reject();
}

void CEditorDlg::accept() {}

void CEditorDlg::reject() {
    OnCancel();
}

void CEditorDlg::done(int nResult) {
    m_pSettings->SetWindow(saveGeometry(), m_pTab->currentIndex());
    QDialog::done(nResult);
}

void CEditorDlg::closeEvent(QCloseEvent* event) {
    OnSysCommand(SC_CLOSE);
    event->setAccepted(!isVisible());
}

// ---- Help ---------------------------------------------------------------------------------------

void CEditorDlg::OnAppAbout() {
    m_prompt.MessageBox(tr("Orvane II %1\n\n"
                           "Edits the channel database of a satellite and terrestrial set-top box, "
                           "and moves it to and from the box over a serial cable.\n\n"
                           "Licence: GNU General Public License, version 3 or later. "
                           "There is no warranty.")
                            .arg(QStringLiteral(ORVANE_VERSION)),
                        tr("About Orvane"), MB_OK | MB_ICONINFORMATION);
}

void CEditorDlg::OnHelpShortcuts() {
    m_prompt.MessageBox(ShortcutList(), tr("Keyboard Shortcuts"), MB_OK | MB_ICONINFORMATION);
}

// Read from the actions themselves, so that a shortcut added anywhere later is listed too; an
// action that no widget or menu holds answers no key and is left out. The grids' keys are the
// same on every list: the current list's are listed.
QString CEditorDlg::ShortcutList() const {
    QStringList lines;
    const auto addLine = [&](const QKeySequence& key, const QString& text) {
        lines << key.toString(QKeySequence::NativeText) + QLatin1Char('\t') + text;
    };
    for (const QAction* menu : m_pMenuBar->actions())
        if (const QKeySequence key = QKeySequence::mnemonic(menu->text()); !key.isEmpty())
            addLine(key, tr("%1 menu").arg(menu->iconText()));
    QList<QAction*> actions = findChildren<QAction*>(Qt::FindDirectChildrenOnly);
    actions += ListPage(LIST_SAT_TV).findChildren<QAction*>(Qt::FindDirectChildrenOnly);
    for (const QAction* action : actions)
        if (!action->associatedObjects().isEmpty())
            for (const QKeySequence& key : action->shortcuts())
                addLine(key, action->iconText());
    lines << tr("Double-click on a column header\tSort the list by that column");
    return lines.join(QLatin1Char('\n'));
}

// ---- layout -------------------------------------------------------------------------------------

// Lays out the client area at the template's size and records it as the first size, as the
// window's creation does; moving the window onto the desktop is then an ordinary resize. The
// tab control lies under the pages.
void CEditorDlg::CreateControls() {
    m_pClient = new QWidget(this);
    CTemplateControls tab(*m_pClient, font());
    for (const SDlgItem& item : main_dialog::kItems)
        if (item.nId == IDC_TAB)
            m_pTab = static_cast<CTabCtrl*>(tab.Create(item));
    m_pSatellites = new CSatellitePage(*m_pDocument, m_prompt, m_pClient);
    for (BYTE nList = 0; nList < kListCount; ++nList)
        m_lists[nList] = new CServiceListPage(*m_pDocument, m_prompt, nList, m_pClient);
    m_pStatus = new CStatusLine(*m_pDocument, this);
    CreateGridKeys();

    // The status line lies under the area of the controls.
    const CDialogUnits units(font());
    const QSize client(units.X(kMainDialogWidth), units.Y(kMainDialogHeight));
    const int nMenuHeight = m_pMenuBar->sizeHint().height();
    const int nStatusHeight = m_pStatus->sizeHint().height();
    resize(client.width(), client.height() + nMenuHeight + nStatusHeight);
    OnSize(SIZE_RESTORED, client.width(), client.height());
    // Smaller, the layout would stop moving the controls and leave some out of reach.
    setMinimumSize(kMinLayoutRight, kMinLayoutBottom + nMenuHeight + nStatusHeight);
}

// Where the window was last closed; the first time, over the whole desktop.
void CEditorDlg::PlaceWindow() {
    if (!restoreGeometry(m_pSettings->WindowGeometry()))
        FitToDesktop();
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
        PlaceWindow();
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

    m_pTab->setGeometry(ApplySizeRule(m_pTab->geometry(), ESizeRule::Stretch, dx, dy));
    m_pSatellites->Resize(dx, dy);
    for (CServiceListPage* page : m_lists)
        page->Resize(dx, dy);
    m_nPrevCx = cx;
    m_nPrevCy = cy;
}
