// The prompt seam: the caption a box gets, the answer of a dismissed box, and the real boxes',
// menus' and file dialogs' mapping to Qt.
#include "scripted_prompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class PromptTest : public QObject {
    Q_OBJECT

  private slots:
    // A dismissed box answers with its last button.
    void captionsAndDismissedAnswers() {
        CScriptedPrompt prompt;
        const std::pair<unsigned, int> cases[] = {{MB_OK, IDOK},
                                                  {MB_OKCANCEL | MB_ICONWARNING, IDCANCEL},
                                                  {MB_YESNO, IDNO},
                                                  {MB_YESNOCANCEL, IDCANCEL},
                                                  {MB_SAVEDISCARDCANCEL, IDCANCEL}};
        for (const auto& [nType, nAnswer] : cases)
            QCOMPARE(prompt.MessageBox(QStringLiteral("text"), {}, nType), nAnswer);
        prompt.MessageBox(QStringLiteral("text"), QStringLiteral("File Save"));
        QCOMPARE(prompt.m_shown[0].caption + '|' + prompt.m_shown.back().caption,
                 QStringLiteral("ui_prompt|File Save"));
    }

    // Keys play the user; the greyed item and the separator are stepped over.
    void realMenusReturnTheChosenCommand() {
        for (const auto& [keys, nCommand] :
             {std::pair{QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, 3u},
              std::pair{QList<int>{Qt::Key_Escape}, 0u}}) {
            CQtPrompt prompt;
            QMenu menu;
            menu.addAction(QStringLiteral("&Cut"))->setData(1u);
            QAction* paste = menu.addAction(QStringLiteral("&Paste"));
            paste->setData(2u);
            paste->setEnabled(false);
            menu.addSeparator();
            menu.addAction(QStringLiteral("&Delete"))->setData(3u);
            QTimer::singleShot(0, [&] {
                for (int key : keys)
                    QTest::keyClick(&menu, Qt::Key(key));
            });
            QCOMPARE(prompt.TrackPopupMenu(menu, QPoint(20, 20)), nCommand);
        }
    }

    void filtersBecomeQtFilters() {
        const std::pair<const char*, const char*> cases[] = {
            {"Data Files (*.zdf)|*.zdf|All Files (*.*)|*.*||", "Data Files (*.zdf);;All Files (*)"},
            {"Headers|*.h;*.hpp||", "Headers (*.h *.hpp)"},
            {"(all)|*.*||", " (*)"},
            {"", ""}};
        for (const auto& [mfc, qt] : cases)
            QCOMPARE(CQtPrompt::ToQtFilter(mfc), QString::fromLatin1(qt));
    }

    // The button is pressed by its text once the box is up.
    void realBoxesReportTheButtonPressed() {
        const struct {
            unsigned nType;
            const char* button;
            int nAnswer;
        } cases[] = {{MB_OK, "OK", IDOK},
                     {MB_OKCANCEL, "Cancel", IDCANCEL},
                     {MB_OKCANCEL | MB_ICONQUESTION, "OK", IDOK},
                     {MB_YESNO, "Yes", IDYES},
                     {MB_YESNOCANCEL | MB_ICONSTOP, "No", IDNO},
                     {MB_SAVEDISCARDCANCEL, "Save", IDSAVE},
                     {MB_SAVEDISCARDCANCEL | MB_ICONWARNING, "Discard", IDDISCARD}};
        for (const auto& c : cases) {
            CQtPrompt prompt;
            QString shown; // caption|text
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box == nullptr)
                    return;
                shown = box->windowTitle() + '|' + box->text();
                for (QAbstractButton* button : box->buttons())
                    if (button->text().remove('&') == QLatin1String(c.button))
                        button->click();
            });
            QCOMPARE(prompt.MessageBox(QStringLiteral("line 1\nline 2"), QString(), c.nType),
                     c.nAnswer);
            QCOMPARE(shown, QStringLiteral("ui_prompt|line 1\nline 2"));
        }
    }
};

QTEST_MAIN(PromptTest)
#include "prompt.moc"
