// CEditorApp: runs the main window; the program ends when the window closes.
#pragma once

#include "records.h"

#include <QString>

class CEditorApp {
  public:
    // A data file to open as soon as the window is up, as File Open would (orvane FILE).
    void SetStartupFile(const QString& path) { m_strStartupFile = path; }
    // Runs the main window modally. Returns FALSE: nothing runs after the window.
    BOOL InitInstance();

  private:
    QString m_strStartupFile;
};
