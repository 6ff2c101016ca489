// What the views showed around an edit: undo and redo show it again. Plain values that the window
// fills and reads; the document only keeps them with its undo steps.
#pragma once

#include "records.h"

#include <QMetaType>

struct SViewState {
    int nTab = 1;
    // The grid's selection (grid rows and columns) and its last header sort.
    long nRow = 0, nCol = 0, nRowSel = 0, nColSel = 0;
    BYTE nSortColumn = 0, bSortDescending = 0;
    // The tree's current item by its records: satellite index and transponder number (0: the
    // "New" item of that level); nTreeSat -1 without a current item, nTreeTp -1 on a satellite.
    int nTreeSat = -1, nTreeTp = -1;
};

Q_DECLARE_METATYPE(SViewState)
