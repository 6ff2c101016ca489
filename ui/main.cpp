// orvane: the channel editor.
#include "editor_app.h"

#include <QApplication>

static CEditorApp theApp;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    theApp.InitInstance();
    return 0;
}
