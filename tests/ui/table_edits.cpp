// Network names and MUXes made by hand: the network editor from the Edit menu and from the
// channel dialog, and the MUX bar of the satellite tab. Each change is one undo step that gives
// the store back; the editor opened from the channel dialog adds to the dialog's own step.
#include "channel_info_dialog.h"
#include "channel_info_dlg.h"
#include "mux_bar.h"
#include "satellite_page.h"
#include "window_test_util.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>
#include <QUndoStack>

namespace {

struct SSession : SWindow {
    SSession() { Load(dlg, FillSortStore); }
    // Undo takes the store back through `states` to the first; redo brings back the last.
    void CheckUndo(const std::vector<SStoreSnapshot>& states) {
        QCOMPARE(dlg.UndoStack().count(), int(states.size()) - 1);
        for (auto it = states.rbegin() + 1; it != states.rend(); ++it) {
            dlg.OnCommand(ID_EDIT_UNDO);
            QVERIFY(State() == *it);
        }
        while (dlg.UndoStack().canRedo())
            dlg.OnCommand(ID_EDIT_REDO);
        QVERIFY(State() == states.back());
    }
};

template <class T> T& Child(const QObject& parent, const char* name) {
    return *parent.findChild<T*>(QString::fromLatin1(name));
}

void Click(const QObject& parent, const char* name) {
    Child<QPushButton>(parent, name).click();
}

// The network editor's rows as "id|name|services".
QStringList NetworkRows(const QDialog& editor) {
    const auto& list = Child<QTreeWidget>(editor, "networks");
    QStringList rows;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list.topLevelItem(i);
        rows << item->text(0) + u'|' + item->text(1) + u'|' + item->text(2);
    }
    return rows;
}

void SelectNetwork(const QDialog& editor, const char* name) {
    auto& list = Child<QTreeWidget>(editor, "networks");
    list.setCurrentItem(list.findItems(QString::fromLatin1(name), Qt::MatchExactly, 1).value(0));
}

void AddNetwork(QDialog& editor, const char* name) {
    Child<QLineEdit>(editor, "name").setText(QString::fromLatin1(name));
    Click(editor, "add");
}

} // namespace

class TableEditsTest : public QObject {
    Q_OBJECT

  private slots:
    // From the Edit menu every change is a step; a name in use stays, and the editor says why.
    void networkEditorFromTheEditMenu() {
        SSession s;
        std::vector<SStoreSnapshot> states{s.State()};
        s.prompt.m_modalScripts.push_back(Playing([&](QDialog& editor) {
            QCOMPARE(NetworkRows(editor),
                     QStringList({"1|Beta|2", "2|Zeta|2", "3|alpha|2", "4|Unknown|2"}));
            AddNetwork(editor, "Omega");
            states.push_back(s.State());
            SelectNetwork(editor, "Zeta");
            Child<QLineEdit>(editor, "name").setText(QStringLiteral("Zed"));
            Click(editor, "rename");
            states.push_back(s.State());
            SelectNetwork(editor, "alpha");
            Click(editor, "delete");
            QCOMPARE(NetworkRows(editor),
                     QStringList({"1|Beta|2", "2|Zed|2", "3|alpha|2", "4|Unknown|2", "5|Omega|0"}));
            SelectNetwork(editor, "Omega");
            Click(editor, "delete");
            states.push_back(s.State());
        }));
        QVERIFY(s.dlg.OnCommand(ID_EDIT_NETWORKS));
        QCOMPARE(s.prompt.MessageTexts(),
                 std::vector<QString>({"Network \"alpha\" cannot be deleted: 2 services use it. "
                                       "Give them another network first."}));
        QVERIFY(Rows(s.dlg.Grid(LIST_SAT_TV)).join(u'|').contains(QStringLiteral("|Zed|")));
        s.CheckUndo(states);
    }

    // From the channel dialog the name added is chosen for the service at once, and the change is
    // part of the dialog's step; a cancelled dialog leaves a step of its own.
    void networkEditorFromTheChannelDialog() {
        for (const bool bAppend : {true, false}) {
            SSession s;
            const SStoreSnapshot before = s.State();
            s.prompt.m_modalScripts.push_back([&](QDialog& dlg) {
                auto& info = static_cast<CChannelInfoDlg&>(dlg);
                s.prompt.m_modalScripts.push_back(
                    Playing([](QDialog& editor) { AddNetwork(editor, "Kappa"); }));
                info.GetDlgItem<QPushButton>(IDC_CHANNEL_BUTTON_NETWORKS)->click();
                if (!bAppend)
                    return int(QDialog::Rejected);
                info.GetDlgItem<QComboBox>(IDC_CHANNEL_COMBO_TRANSPONDER)->setCurrentIndex(0);
                info.GetDlgItem<QLineEdit>(IDC_CHANNEL_EDIT_SERVICE_ID)->setText("77");
                info.OnOK();
                return info.result();
            });
            s.dlg.ListPage(LIST_TERR_TV).Append();
            QCOMPARE(s.dlg.UndoStack().undoText(), bAppend ? QStringLiteral("Append service")
                                                           : QStringLiteral("Change networks"));
            QCOMPARE(Rows(s.dlg.Grid(LIST_TERR_TV)).join(u'|').contains(QStringLiteral("|Kappa|")),
                     bAppend);
            s.CheckUndo({before, s.State()});
        }
    }

    // The bar sits under the tree, left of Delete, after the window was laid out. Added, changed
    // and deleted MUXes reach the grids; one that services are on stays.
    void muxBar() {
        SSession s;
        s.dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.dlg));
        CSatellitePage& page = s.dlg.SatellitePage();
        const QRect del = page.Control(IDC_BUTTON_DELETE)->geometry();
        for (const char* name : {"muxLabel", "muxList", "addMux", "editMux", "deleteMux"}) {
            const QRect rect = Child<QWidget>(page, name).geometry();
            QVERIFY2(rect.right() < del.left() && rect.top() > s.dlg.Tree().geometry().bottom() &&
                         rect.bottom() <= del.bottom(),
                     name);
        }
        std::vector<SStoreSnapshot> states{s.State()};
        QComboBox& list = page.Muxes().List();
        QCOMPARE(Items(list), QStringList({"3. MUX 3 - 498 MHz", "5. MUX 5 - 514 MHz"}));
        const auto enter = [](int nFrequency, int nDrift) {
            return Playing([=](QDialog& form) {
                QCOMPARE(
                    form.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled(),
                    Child<QSpinBox>(form, "frequency").value() != 0);
                Child<QSpinBox>(form, "frequency").setValue(nFrequency);
                Child<QSpinBox>(form, "drift").setValue(nDrift);
            });
        };
        s.prompt.m_modalScripts.push_back(enter(602, 0x2F00));
        Click(page, "addMux");
        QCOMPARE(list.currentText(), QStringLiteral("1. MUX 2F - 602 MHz"));
        states.push_back(s.State());
        list.setCurrentIndex(1);
        s.prompt.m_modalScripts.push_back(enter(506, 0x4100));
        Click(page, "editMux");
        states.push_back(s.State());
        QVERIFY(Rows(s.dlg.Grid(LIST_TERR_TV)).join(u'|').contains(QStringLiteral("|41|")));
        list.setCurrentIndex(2);
        Click(page, "deleteMux");
        QCOMPARE(s.prompt.MessageTexts(),
                 std::vector<QString>({"MUX 5 cannot be deleted: 2 services are on it. Move them "
                                       "to another MUX or delete them first."}));
        list.setCurrentIndex(0);
        Click(page, "deleteMux");
        states.push_back(s.State());
        QCOMPARE(Items(list), QStringList({"3. MUX 41 - 506 MHz", "5. MUX 5 - 514 MHz"}));
        s.CheckUndo(states);
    }
};

QTEST_MAIN(TableEditsTest)
#include "table_edits.moc"
