// orvane [FILE]: the channel editor, opening FILE when one is named.
#include "editor_app.h"

#include <QApplication>

static CEditorApp theApp;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() > 1)
        theApp.SetStartupFile(args.at(1));
    theApp.InitInstance();
    return 0;
}
