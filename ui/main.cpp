// orvane [FILE]: the channel editor, opening FILE when one is named.
#include "command_line.h"
#include "editor_app.h"

#include <QApplication>

static CEditorApp theApp;

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("orvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANE_VERSION));
    SCommandLine line;
    {
        // The command line is answered before the window system starts: help, the version and a
        // usage error need no display.
        QCoreApplication textOnly(argc, argv);
        line = ParseCommandLine(QCoreApplication::arguments());
        if (line.action != SCommandLine::EAction::OpenWindow)
            return PrintCommandLineAnswer(line);
    }
    QApplication app(argc, argv);
    if (!line.strFile.isEmpty())
        theApp.SetStartupFile(line.strFile);
    theApp.InitInstance();
    return 0;
}
