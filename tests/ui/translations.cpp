// The editor in every language it speaks: each translation is finished and keeps its source's
// placeholders, every text fits its control, and the desktop's language is the one shown.
#include "channel_info_dlg.h"
#include "conv_tp_list_dlg.h"
#include "language.h"
#include "settings.h"
#include "transfer_dlg.h"
#include "window_test_util.h"

#include <QAbstractButton>
#include <QDir>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>

namespace {

const QString kSources = QStringLiteral(ORVANE_TEST_DATA "/../..");

// What a text keeps in every language: its placeholders, line breaks and tabs.
QStringList Placeholders(const QString& text) {
    static const QRegularExpression kPlaceholder(QStringLiteral("%L?\\d|%n|\n|\t"));
    QStringList found;
    for (const QRegularExpressionMatch& match : kPlaceholder.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// The faults of a .ts file brought up to date with the sources by lupdate, one line each: a text
// without a finished translation, or a translation that lost or added a placeholder.
QStringList Faults(const QString& ts) {
    QTemporaryDir dir;
    const QString copy = dir.filePath(QFileInfo(ts).fileName());
    QProcess lupdate;
    if (QFile::copy(ts, copy))
        lupdate.start(QStringLiteral(ORVANE_LUPDATE),
                      {"-silent", "-no-obsolete", "-locations", "none", kSources + "/ui",
                       kSources + "/res", kSources + "/store/name_charsets.h", "-ts", copy});
    if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0)
        return {"lupdate failed on " + ts};
    static const QRegularExpression kMessage(
        QStringLiteral("<source>(.*?)</source>\\s*<translation( type=\"unfinished\")?>(.*?)"
                       "</translation>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression kForm(QStringLiteral("<numerusform>(.*?)</numerusform>"));
    QStringList faults;
    for (const QRegularExpressionMatch& message : kMessage.globalMatch(ReadAll(copy))) {
        QStringList forms;
        for (const QRegularExpressionMatch& form : kForm.globalMatch(message.captured(3)))
            forms << form.captured(1);
        if (forms.isEmpty())
            forms << message.captured(3);
        if (message.hasCaptured(2) || forms.contains(QString()))
            faults << ts + ": unfinished: " + message.captured(1);
        for (const QString& form : forms)
            if (Placeholders(form) != Placeholders(message.captured(1)))
                faults << ts + ": placeholders differ: " + form;
    }
    return faults;
}

// The texts of `dlg` wider than their controls, with the width they need: labels, buttons, radio
// and check boxes, the tabs together.
QStringList Overflows(const QWidget& dlg) {
    QStringList overflows;
    const auto check = [&](QString text, int nFrame, const QWidget& control) {
        const int nNeeded = control.fontMetrics().horizontalAdvance(text.remove(u'&')) + nFrame;
        if (!text.isEmpty() && nNeeded > control.width())
            overflows << text + u' ' + QString::number(nNeeded);
    };
    for (const QLabel* label : dlg.findChildren<QLabel*>())
        check(label->text(), label->width() - label->contentsRect().width(), *label);
    for (const QAbstractButton* button : dlg.findChildren<QAbstractButton*>()) {
        const QStyle& style = *button->style();
        check(button->text(),
              qobject_cast<const QPushButton*>(button)
                  ? 2 * style.pixelMetric(QStyle::PM_ButtonMargin)
                  : style.pixelMetric(QStyle::PM_IndicatorWidth) +
                        style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing),
              *button);
    }
    for (const QTabBar* tabs : dlg.findChildren<QTabBar*>())
        if (tabs->sizeHint().width() > tabs->width())
            overflows << QStringLiteral("the tabs");
    return overflows;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyTextTranslated() {
        const QFileInfoList files = QDir(kSources + "/translations").entryInfoList({"*.ts"});
        QVERIFY(files.size() >= 7);
        QStringList faults;
        for (const QFileInfo& ts : files)
            faults << Faults(ts.filePath());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // The window over the whole of a small desktop (800 by 600), the channel, transfer and
    // firmware table dialogs at the size they open in; the menu bar within the window's smallest
    // width.
    void textsFit() {
        QStringList overflows;
        for (const QString& code : EditorLanguages()) {
            InstallLanguage(code);
            CScriptedPrompt prompt;
            CEditorDlg dlg(prompt);
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            const CNameCodec names;
            STransferSettings settings;
            const CChannelInfoDlg channel(names, prompt);
            const CTransferDlg transfer(prompt, settings);
            const CConvTpListDlg table(prompt);
            for (const QWidget* shown :
                 std::initializer_list<const QWidget*>{&dlg, &channel, &transfer, &table})
                for (const QString& overflow : Overflows(*shown))
                    overflows << code + ": " + overflow;
            if (dlg.MenuBar().sizeHint().width() > dlg.minimumWidth())
                overflows << code + ": the menu bar";
        }
        InstallLanguage(QStringLiteral("en"));
        QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join('\n')));
    }

    // The first of LANGUAGE's languages that the editor speaks, else the locale's: the window's
    // menus and messages in it, and Qt's buttons; English as it always was. Help > Language
    // keeps the choice.
    void windowInTheDesktopsLanguage() {
        const struct {
            const char *pszLanguage, *pszLcAll, *pszLang, *pszCode, *pszShown;
        } cases[] = {
            {"", "", "C", "en",
             "&File|&Edit|&Transfer|&Help|Discard|[Error] Can't read the data file "
             "\"/gone.zdf\"\nNo such file"},
            {"pt:de_AT:ru", "", "ru_RU.UTF-8", "de",
             "&Datei|&Bearbeiten|Übe&rtragung|&Hilfe|Verwerfen|[Fehler] Die Datendatei "
             "„/gone.zdf“ kann nicht gelesen werden\nDatei nicht gefunden"},
            {"pt", "ru_RU.UTF-8", "de_DE.UTF-8", "ru",
             "&Файл|&Правка|П&ередача|&Справка|Отклонить|[Ошибка] Не удаётся прочитать файл "
             "данных «/gone.zdf»\nФайл не найден"},
        };
        qunsetenv("LC_MESSAGES");
        for (const auto& c : cases) {
            qputenv("LANGUAGE", c.pszLanguage);
            qputenv("LC_ALL", c.pszLcAll);
            qputenv("LANG", c.pszLang);
            QCOMPARE(DesktopLanguage(), QString::fromLatin1(c.pszCode));
            InstallLanguage(DesktopLanguage());
            CScriptedPrompt prompt;
            CSettings settings;
            CEditorDlg dlg(prompt, &settings);
            dlg.OpenDataFile(QStringLiteral("/gone.zdf"));
            QStringList shown;
            for (const QAction* menu : dlg.MenuBar().actions())
                shown << menu->text();
            shown << QCoreApplication::translate("QPlatformTheme", "Discard")
                  << prompt.MessageTexts().at(0);
            QCOMPARE(shown.join(u'|'), QString::fromUtf8(c.pszShown));
            dlg.OnCommand(ID_LANGUAGE_SYSTEM + 2); // English, after "System" and German
            QCOMPARE(settings.Language(), QStringLiteral("en"));
        }
        InstallLanguage(QStringLiteral("en"));
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations.moc"
