// orvane [FILE]: the channel editor, opening FILE when one is named.
#include "command_line.h"
#include "editor_app.h"

#include <QApplication>

static CEditorApp theApp;

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("orvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANE_VERSION));
    {
        // --help and --version are answered before the window system starts, so they need no
        // display.
        QCoreApplication textOnly(argc, argv);
        const SCommandLine line = ParseCommandLine(QCoreApplication::arguments());
        if (line.action == SCommandLine::EAction::ShowHelp ||
            line.action == SCommandLine::EAction::ShowVersion)
            return PrintCommandLineAnswer(line);
    }
    // The window system takes its own options (-platform, -style ...) off the line first; what
    // is left must be the editor's.
    QApplication app(argc, argv);
    const SCommandLine line = ParseCommandLine(QApplication::arguments());
    if (line.action != SCommandLine::EAction::OpenWindow)
        return PrintCommandLineAnswer(line);
    if (!line.strFile.isEmpty())
        theApp.SetStartupFile(line.strFile);
    theApp.InitInstance();
    return 0;
}
