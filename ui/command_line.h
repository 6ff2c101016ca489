// orvane's command line: [-h | --help] [-v | --version] [FILE], among the window system's own
// options (-platform NAME, -style NAME ...), which are left to it.
#pragma once

#include <QString>
#include <QStringList>

struct SCommandLine {
    enum class EAction { OpenWindow, ShowHelp, ShowVersion, UsageError };
    EAction action = EAction::OpenWindow;
    QString strFile; // OpenWindow: the data file to open, empty for none
    QString strText; // the others: what to print
};

// Reads the program's arguments (the first is the program). An application object must exist:
// the help text names the program as it was started.
SCommandLine ParseCommandLine(const QStringList& arguments);

// Prints the help or the version on standard output, a usage error on standard error. Returns
// the exit status: 0, or 2 for a usage error.
int PrintCommandLineAnswer(const SCommandLine& line);
