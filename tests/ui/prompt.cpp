// The prompt seam: captions, scripted answers, and the real message box's buttons.
#include "prompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

// Presses a message box's button (by its text) once the box is up.
void PressWhenShown(const QString& buttonText, QString* pCaption, QString* pText) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        *pCaption = box->windowTitle();
        *pText = box->text();
        for (QAbstractButton* button : box->buttons())
            if (box->buttonRole(button) != QMessageBox::InvalidRole &&
                button->text().remove('&') == buttonText)
                button->click();
    });
}

} // namespace

class PromptTest : public QObject {
    Q_OBJECT

  private slots:
    void aBoxWithoutCaptionShowsTheProgramName() {
        CScriptedPrompt prompt;
        prompt.MessageBox(QStringLiteral("[Error] Can't read"));
        prompt.MessageBox(QStringLiteral("Write to existing file ?\n\n"),
                          QStringLiteral("File Save"), MB_OKCANCEL);
        QCOMPARE(prompt.m_shown.size(), std::size_t(2));
        QCOMPARE(prompt.m_shown[0].caption, QStringLiteral("ui_prompt"));
        QCOMPARE(prompt.m_shown[1].caption, QStringLiteral("File Save"));
        QCOMPARE(prompt.m_shown[1].nType, unsigned(MB_OKCANCEL));
        QCOMPARE(prompt.MessageTexts(),
                 (std::vector<QString>{"[Error] Can't read", "Write to existing file ?\n\n"}));
    }

    void answersComeFromTheQueueThenUnexpectedBoxesAreCancelled() {
        CScriptedPrompt prompt;
        prompt.m_boxAnswers = {IDCANCEL, IDOK};
        QCOMPARE(prompt.MessageBox("a", {}, MB_OKCANCEL), int(IDCANCEL));
        QCOMPARE(prompt.MessageBox("b", {}, MB_OKCANCEL), int(IDOK));
        QCOMPARE(prompt.UnansweredCount(), 0);
        // With the queue empty each box gets its safe answer and is counted.
        QCOMPARE(prompt.MessageBox("ok only"), int(IDOK));
        QCOMPARE(prompt.MessageBox("ok cancel", {}, MB_OKCANCEL | MB_ICONWARNING), int(IDCANCEL));
        QCOMPARE(prompt.MessageBox("yes no", {}, MB_YESNO), int(IDNO));
        QCOMPARE(prompt.MessageBox("yes no cancel", {}, MB_YESNOCANCEL), int(IDCANCEL));
        QCOMPARE(prompt.MessageBox("save?", {}, MB_SAVEDISCARDCANCEL), int(IDCANCEL));
        QCOMPARE(prompt.UnansweredCount(), 5);
    }

    void fileDialogsRecordTheirPathAndFilter() {
        CScriptedPrompt prompt;
        const QString filter = QStringLiteral("Data Files (*.zdf)|*.zdf|All Files (*.*)|*.*||");
        prompt.m_paths = {QStringLiteral("/data/new.zdf")};
        QCOMPARE(prompt.GetOpenFileName(QStringLiteral("/data/old.zdf"), filter),
                 QStringLiteral("/data/new.zdf"));
        QCOMPARE(prompt.GetSaveFileName(QString(), filter), QString()); // cancelled
        QCOMPARE(prompt.m_shown.size(), std::size_t(2));
        QCOMPARE(prompt.m_shown[0].kind, CScriptedPrompt::EKind::OpenFile);
        QCOMPARE(prompt.m_shown[0].text, QStringLiteral("/data/old.zdf"));
        QCOMPARE(prompt.m_shown[0].caption, filter);
        QCOMPARE(prompt.m_shown[1].kind, CScriptedPrompt::EKind::SaveFile);
        QCOMPARE(prompt.UnansweredCount(), 1);
        QVERIFY(prompt.MessageTexts().empty());
    }

    void modalDialogsArePlayedByTheirScript() {
        CScriptedPrompt prompt;
        QDialog dlg;
        dlg.setWindowTitle(QStringLiteral("Channel Information"));
        prompt.m_modalScripts.push_back([](QDialog& d) {
            d.setObjectName(QStringLiteral("filled"));
            return int(QDialog::Accepted);
        });
        QCOMPARE(prompt.RunModal(dlg), int(QDialog::Accepted));
        QCOMPARE(dlg.objectName(), QStringLiteral("filled"));
        QCOMPARE(prompt.RunModal(dlg), int(QDialog::Rejected));
        QCOMPARE(prompt.m_shown[0].text, QStringLiteral("Channel Information"));
        QCOMPARE(prompt.UnansweredCount(), 1);
    }

    // Cut (1), a greyed Paste (2), a separator and Delete (3).
    static void FillMenu(QMenu& menu) {
        menu.setTitle(QStringLiteral("1"));
        menu.addAction(QStringLiteral("&Cut"))->setData(1u);
        QAction* paste = menu.addAction(QStringLiteral("&Paste"));
        paste->setData(2u);
        paste->setEnabled(false);
        menu.addSeparator();
        menu.addAction(QStringLiteral("&Delete"))->setData(3u);
    }

    void scriptedMenusRecordTheirItems() {
        CScriptedPrompt prompt;
        QMenu menu;
        FillMenu(menu);
        prompt.m_menuAnswers = {3u, 2u, 9u};
        QCOMPARE(prompt.TrackPopupMenu(menu, QPoint(5, 5)), 3u);
        // A greyed or missing item cannot be chosen; an empty queue dismisses the menu.
        for (int i = 0; i < 3; ++i)
            QCOMPARE(prompt.TrackPopupMenu(menu, QPoint(5, 5)), 0u);
        QCOMPARE(prompt.UnansweredCount(), 1);
        QCOMPARE(prompt.m_menus.size(), std::size_t(4));
        const auto& shown = prompt.m_menus[0];
        QCOMPARE(shown.title, QStringLiteral("1"));
        QCOMPARE(shown.items.size(), std::size_t(4));
        QCOMPARE(shown.items[1].text, QStringLiteral("&Paste"));
        QVERIFY(!shown.items[1].bEnabled);
        QCOMPARE(shown.items[2].nId, 0u);
        QCOMPARE(shown.items[3].nId, 3u);
    }

    void realMenusReturnTheChosenCommand_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<unsigned>("command");
        QTest::newRow("first") << QList<int>{Qt::Key_Down, Qt::Key_Return} << 1u;
        // The greyed item and the separator are stepped over.
        QTest::newRow("past the greyed one")
            << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Return} << 3u;
        QTest::newRow("dismissed") << QList<int>{Qt::Key_Escape} << 0u;
    }
    void realMenusReturnTheChosenCommand() {
        QFETCH(QList<int>, keys);
        QFETCH(unsigned, command);
        CQtPrompt prompt;
        QMenu menu;
        FillMenu(menu);
        QTimer::singleShot(0, [&] {
            for (int key : keys)
                QTest::keyClick(&menu, Qt::Key(key));
        });
        QCOMPARE(prompt.TrackPopupMenu(menu, QPoint(20, 20)), command);
    }

    void filtersBecomeQtFilters() {
        const std::pair<const char*, const char*> cases[] = {
            {"Data Files (*.zdf)|*.zdf|All Files (*.*)|*.*||", "Data Files (*.zdf);;All Files (*)"},
            {"Headers|*.h;*.hpp||", "Headers (*.h *.hpp)"},
            {"", ""}};
        for (const auto& [mfc, qt] : cases)
            QCOMPARE(CQtPrompt::ToQtFilter(mfc), QString::fromLatin1(qt));
    }

    void realBoxesReportTheButtonPressed_data() {
        QTest::addColumn<unsigned>("type");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("answer");
        QTest::newRow("OK") << unsigned(MB_OK) << "OK" << int(IDOK);
        QTest::newRow("Cancel") << unsigned(MB_OKCANCEL) << "Cancel" << int(IDCANCEL);
        QTest::newRow("OK of two") << unsigned(MB_OKCANCEL | MB_ICONQUESTION) << "OK" << int(IDOK);
        QTest::newRow("Yes") << unsigned(MB_YESNO) << "Yes" << int(IDYES);
        QTest::newRow("No") << unsigned(MB_YESNOCANCEL | MB_ICONSTOP) << "No" << int(IDNO);
        QTest::newRow("Save") << unsigned(MB_SAVEDISCARDCANCEL) << "Save" << int(IDSAVE);
        QTest::newRow("Discard") << unsigned(MB_SAVEDISCARDCANCEL | MB_ICONWARNING) << "Discard"
                                 << int(IDDISCARD);
    }
    void realBoxesReportTheButtonPressed() {
        QFETCH(unsigned, type);
        QFETCH(QString, button);
        QFETCH(int, answer);
        CQtPrompt prompt;
        QString caption, text;
        PressWhenShown(button, &caption, &text);
        QCOMPARE(prompt.MessageBox(QStringLiteral("line 1\nline 2"), QString(), type), answer);
        QCOMPARE(caption, QStringLiteral("ui_prompt"));
        QCOMPARE(text, QStringLiteral("line 1\nline 2"));
    }
};

QTEST_MAIN(PromptTest)
#include "prompt.moc"
