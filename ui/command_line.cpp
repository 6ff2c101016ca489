#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

// The options the window system takes off the line when it starts (Qt's, for every platform),
// with a value or without; the line is read before that.
constexpr const char* kWindowSystemOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "qmljsdebugger"};
constexpr const char* kWindowSystemFlags[] = {"reverse", "widgetcount", "nograb", "dograb"};

void AddWindowSystemOptions(QCommandLineParser& parser) {
    for (const char* name : kWindowSystemOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kWindowSystemFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

SCommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // The window system's options are single-dash words (-platform); ours work either way.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    AddWindowSystemOptions(parser);
    parser.setApplicationDescription(
        QStringLiteral("Edits the channel database of a satellite and terrestrial set-top box."));
    // Not addHelpOption(): its --help-all promises Qt's options, which this help cannot list.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A channel data file (.zdf) to open."),
                                 QStringLiteral("[FILE]"));

    SCommandLine line;
    const QString usage = parser.helpText().section(QLatin1Char('\n'), 0, 0);
    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
        const QString error = parser.errorText().isEmpty()
                                  ? QStringLiteral("Only one file can be opened.")
                                  : parser.errorText();
        line.action = SCommandLine::EAction::UsageError;
        line.strText =
            QStringLiteral("%1: %2\n%3\n").arg(QCoreApplication::applicationName(), error, usage);
    } else if (parser.isSet(help)) {
        line.action = SCommandLine::EAction::ShowHelp;
        line.strText = parser.helpText();
    } else if (parser.isSet(version)) {
        line.action = SCommandLine::EAction::ShowVersion;
        line.strText = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                     QCoreApplication::applicationVersion());
    } else if (!parser.positionalArguments().isEmpty()) {
        line.strFile = parser.positionalArguments().constFirst();
    }
    return line;
}

int PrintCommandLineAnswer(const SCommandLine& line) {
    const bool bError = line.action == SCommandLine::EAction::UsageError;
    std::fputs(line.strText.toLocal8Bit().constData(), bError ? stderr : stdout);
    return bError ? 2 : 0;
}
