// The wait cursor for the length of a scope.
#pragma once

#include <QCursor>
#include <QGuiApplication>

class CWaitCursor {
  public:
    CWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { Restore(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // Ends the wait early, before a message box, say.
    void Restore() {
        if (m_bActive)
            QGuiApplication::restoreOverrideCursor();
        m_bActive = false;
    }

  private:
    bool m_bActive = true;
};
