#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

SCommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
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
