// The texts of the window's status line and of the filter's count, from one table.
#pragma once

#include <QString>

enum class EStatus {
    Counts,   // the four lists' service counts
    Shown,    // the filter's count: rows shown of the list's rows
    Opened,   // names the file
    Saved,    // names the file
    Received, // counts services
    Cut,      // counts services
    Pasted,   // counts services, names the row they went before
    NoPaste,  // a Paste that found no cut service in its list
    Deleted,  // counts services
    Moved,    // counts services, names the number of the first
    Exported, // counts services, names the file
    Undone,   // names the step
    Redone,   // names the step
    Refused,  // a name field's: names the character set and the characters it lacks
};

// "%1" and "%2" of the text filled in; a count of services reads "1 service" or "N services".
QString StatusText(EStatus status, const QString& arg1 = QString(),
                   const QString& arg2 = QString());
QString StatusText(EStatus status, int nServices, const QString& arg2 = QString());
QString StatusCounts(int nSatTv, int nSatRadio, int nTerrTv, int nTerrRadio);
