// The editor in every language it speaks: each translation is finished and keeps its source's
// placeholders, every text fits its control, and the desktop's language is the one shown.
#include "channel_info_dlg.h"
#include "conv_tp_list_dlg.h"
#include "language.h"
#include "settings.h"
#include "transfer_dlg.h"
#include "window_test_util.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QXmlStreamReader>

namespace {

const QString kSources = QStringLiteral(ORVANE_TEST_DATA "/../..");

// What a text must keep in every language: its placeholders, line breaks and tabs.
QStringList Placeholders(const QString& text) {
    static const QRegularExpression kPlaceholder(QStringLiteral("%L?\\d|%n|\\n|\\t"));
    QStringList found;
    for (const QRegularExpressionMatch& match : kPlaceholder.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

struct SMessage {
    QString source;
    bool bNumerus = false, bUnfinished = false;
    QStringList translations; // a numerus message's forms
};

std::vector<SMessage> Messages(QIODevice& ts) {
    std::vector<SMessage> messages;
    QXmlStreamReader xml(&ts);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"message")
            messages.push_back(
                {{}, xml.attributes().value(QLatin1String("numerus")) == u"yes", false, {}});
        else if (xml.name() == u"source")
            messages.back().source = xml.readElementText();
        else if (xml.name() == u"numerusform" ||
                 (xml.name() == u"translation" && !messages.back().bNumerus))
            messages.back().translations << xml.readElementText();
        if (xml.name() == u"translation")
            messages.back().bUnfinished =
                xml.attributes().value(QLatin1String("type")) == u"unfinished";
    }
    return messages;
}

// The faults of a .ts file brought up to date with the sources, one line each: a text without a
// finished translation, or a translation that lost or added a placeholder.
QStringList Faults(const QString& ts) {
    QTemporaryDir dir;
    QFile copy(dir.filePath(QFileInfo(ts).fileName()));
    if (!QFile::copy(ts, copy.fileName()))
        return {"cannot copy " + ts};
    QProcess lupdate;
    lupdate.start(QStringLiteral(ORVANE_LUPDATE),
                  {"-silent", "-no-obsolete", "-locations", "none", kSources + "/ui",
                   kSources + "/res", "-ts", copy.fileName()});
    if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0 ||
        !copy.open(QIODevice::ReadOnly))
        return {"lupdate failed on " + ts};
    QStringList faults;
    for (const SMessage& message : Messages(copy)) {
        const QString where = QFileInfo(ts).fileName() + ": " + message.source;
        if (message.bUnfinished || message.translations.contains(QString()))
            faults << where + ": unfinished";
        for (const QString& translation : message.translations)
            if (Placeholders(translation) != Placeholders(message.source))
                faults << where + ": placeholders differ in " + translation;
    }
    return faults;
}

// The texts of `dlg` that do not fit their controls, with the width they need and the width they
// have: labels, buttons, radio and check boxes, the tabs together.
QStringList Overflows(const QWidget& dlg) {
    QStringList overflows;
    const auto check = [&](const QString& text, int nNeeded, int nHas) {
        if (!text.isEmpty() && nNeeded > nHas)
            overflows << QStringLiteral("%1 (%2 > %3)").arg(text).arg(nNeeded).arg(nHas);
    };
    for (const QLabel* label : dlg.findChildren<QLabel*>())
        if (label->pixmap().isNull())
            check(label->text(), label->fontMetrics().horizontalAdvance(label->text()),
                  label->contentsRect().width());
    for (const QAbstractButton* button : dlg.findChildren<QAbstractButton*>()) {
        const QStyle& style = *button->style();
        const int nFrame = qobject_cast<const QPushButton*>(button)
                               ? 2 * style.pixelMetric(QStyle::PM_ButtonMargin)
                               : style.pixelMetric(QStyle::PM_IndicatorWidth) +
                                     style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        const QString text = QString(button->text()).remove(u'&');
        check(text, button->fontMetrics().horizontalAdvance(text) + nFrame, button->width());
    }
    for (const QTabBar* tabs : dlg.findChildren<QTabBar*>())
        check(QStringLiteral("tabs"), tabs->sizeHint().width(), tabs->width());
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

    // The window over the whole of a small desktop (800 by 600), the channel dialog, the transfer
    // dialog and the firmware table's dialog at the size they open in; the menu bar within the
    // window's smallest width.
    void textsFit() {
        QStringList overflows;
        for (const QString& code : EditorLanguages()) {
            InstallLanguage(code);
            CScriptedPrompt prompt;
            CEditorDlg dlg(prompt);
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            STransferSettings settings;
            const std::unique_ptr<QWidget> dialogs[] = {
                std::make_unique<CChannelInfoDlg>(CNameCodec(), prompt),
                std::make_unique<CTransferDlg>(prompt, settings),
                std::make_unique<CConvTpListDlg>(prompt)};
            QStringList found = Overflows(dlg);
            for (const auto& dialog : dialogs)
                found << Overflows(*dialog);
            if (dlg.MenuBar().sizeHint().width() > dlg.minimumWidth())
                found << QStringLiteral("menu bar");
            for (const QString& overflow : found)
                overflows << code + ": " + overflow;
        }
        InstallLanguage(QStringLiteral("en"));
        QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join('\n')));
    }

    // The first of LANGUAGE's languages that the editor speaks, else the locale's: the window's
    // menus and messages in it, and Qt's buttons; English as it always was. Help > Language
    // keeps the choice.
    void windowInTheDesktopsLanguage() {
        const struct {
            const char *pszLanguage, *pszLcAll, *pszLang, *pszCode, *pszMenus, *pszDiscard;
            QString message;
        } cases[] = {
            {"", "", "C", "en", "&File|&Edit|&Transfer|&Help", "Discard",
             "[Error] Can't read the data file \"/gone.zdf\"\nNo such file"},
            {"pt:de_AT:ru", "", "ru_RU.UTF-8", "de", "&Datei|&Bearbeiten|Übe&rtragung|&Hilfe",
             "Verwerfen",
             "[Fehler] Die Datendatei „/gone.zdf“ kann nicht gelesen werden\nDatei nicht gefunden"},
            {"pt", "ru_RU.UTF-8", "de_DE.UTF-8", "ru", "&Файл|&Правка|П&ередача|&Справка",
             "Отклонить", "[Ошибка] Не удаётся прочитать файл данных «/gone.zdf»\nФайл не найден"},
            {"", "", "pt_BR.UTF-8", "en", "&File|&Edit|&Transfer|&Help", "Discard",
             "[Error] Can't read the data file \"/gone.zdf\"\nNo such file"},
        };
        qunsetenv("LC_MESSAGES");
        for (const auto& c : cases) {
            qputenv("LANGUAGE", c.pszLanguage);
            qputenv("LC_ALL", c.pszLcAll);
            qputenv("LANG", c.pszLang);
            QCOMPARE(DesktopLanguage(), QString::fromLatin1(c.pszCode));
            InstallLanguage(DesktopLanguage());
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Discard"),
                     QString::fromUtf8(c.pszDiscard));
            CScriptedPrompt prompt;
            CSettings settings;
            CEditorDlg dlg(prompt, &settings);
            QStringList menus;
            for (const QAction* menu : dlg.MenuBar().actions())
                menus << menu->text();
            QCOMPARE(menus.join(u'|'), QString::fromUtf8(c.pszMenus));
            dlg.OpenDataFile(QStringLiteral("/gone.zdf"));
            QCOMPARE(prompt.MessageTexts(), std::vector<QString>{c.message});
            QStringList languages;
            for (const QAction* action : dlg.GetMenuAction(ID_HELP_LANGUAGE)->menu()->actions())
                languages << action->text() + (action->isChecked() ? "*" : "");
            QCOMPARE(languages.join(u'|').section(u'|', 0, 4), dlg.tr("Applies at the next start") +
                                                                   "||" + dlg.tr("System") +
                                                                   "*|Deutsch|English");
            dlg.OnCommand(ID_LANGUAGE_SYSTEM + 2);
            QCOMPARE(settings.Language(), QStringLiteral("en"));
        }
        InstallLanguage(QStringLiteral("en"));
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations.moc"
