// The prompt seam: the caption a box gets, the answer of a dismissed box, and the real boxes'
// and file dialogs' mapping to Qt.
#include "scripted_prompt.h"

#include <QAbstractButton>
#include <QApplication>
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
