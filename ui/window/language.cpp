#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {

const QString kEnglish = QStringLiteral("en");
const QString kTranslations = QStringLiteral(":/i18n");

// "de_DE.UTF-8" and "de" -> "de"; "C" and "POSIX" are English.
QString CodeOf(const QString& locale) {
    const QString code = locale.section(u'.', 0, 0).section(u'@', 0, 0).section(u'_', 0, 0);
    return code == u'C' || code == QStringLiteral("POSIX") ? kEnglish : code.toLower();
}

} // namespace

QStringList EditorLanguages() {
    QStringList codes{kEnglish};
    for (const QString& file : QDir(kTranslations).entryList({QStringLiteral("orvane_*.qm")}))
        codes << file.section(u'_', 1).section(u'.', 0, 0);
    codes.sort();
    return codes;
}

QString DesktopLanguage() {
    const QStringList spoken = EditorLanguages();
    const QString listed = qEnvironmentVariable("LANGUAGE");
    for (const QString& locale : listed.split(u':', Qt::SkipEmptyParts))
        if (spoken.contains(CodeOf(locale)))
            return CodeOf(locale);
    for (const char* pszVariable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = qEnvironmentVariable(pszVariable);
        if (!locale.isEmpty())
            return spoken.contains(CodeOf(locale)) ? CodeOf(locale) : kEnglish;
    }
    return kEnglish;
}

// QLocale names a few languages after one country's variant ("American English").
QString LanguageName(const QString& code) {
    const std::pair<QString, QString> kPlainNames[] = {
        {kEnglish, QStringLiteral("English")}, {QStringLiteral("es"), QStringLiteral("Español")}};
    for (const auto& [plainCode, name] : kPlainNames)
        if (code == plainCode)
            return name;
    const QString name = QLocale(code).nativeLanguageName();
    return name.left(1).toUpper() + name.mid(1);
}

void InstallLanguage(const QString& code) {
    static std::vector<std::unique_ptr<QTranslator>> installed;
    for (const auto& translator : installed)
        QCoreApplication::removeTranslator(translator.get());
    installed.clear();
    if (code == kEnglish)
        return;
    const std::pair<QString, QString> files[] = {
        {kTranslations, QStringLiteral("orvane_") + code},
        {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral("qtbase_") + code}};
    for (const auto& [folder, name] : files) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(name, folder) && QCoreApplication::installTranslator(translator.get()))
            installed.push_back(std::move(translator));
    }
}
