// CEditorApp: runs the main window; the program ends when the window closes.
#pragma once

#include "records.h"

class CEditorApp {
  public:
    // Runs the main window modally. Returns FALSE: nothing runs after the window.
    BOOL InitInstance();
};
