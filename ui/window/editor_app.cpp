#include "editor_app.h"

#include "editor_dlg.h"
#include "language.h"
#include "prompt.h"
#include "settings.h"

#include <QTimer>

BOOL CEditorApp::InitInstance() {
    CQtPrompt prompt;
    CSettings settings(CSettings::UserFile());
    const QString language = settings.Language();
    InstallLanguage(language.isEmpty() ? DesktopLanguage() : language);
    CEditorDlg dlg(prompt, &settings);
    prompt.SetOwner(&dlg);
    if (!m_strStartupFile.isEmpty()) {
        // Once the window is shown, so that a read error appears over it.
        QTimer::singleShot(0, &dlg, [&dlg, path = m_strStartupFile] { dlg.OpenDataFile(path); });
    }
    prompt.RunModal(dlg);
    return FALSE;
}
