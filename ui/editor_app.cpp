#include "editor_app.h"

#include "editor_dlg.h"
#include "prompt.h"

BOOL CEditorApp::InitInstance() {
    CQtPrompt prompt;
    CEditorDlg dlg(prompt);
    prompt.SetOwner(&dlg);
    prompt.RunModal(dlg);
    return FALSE;
}
