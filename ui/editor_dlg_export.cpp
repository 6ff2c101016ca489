// The firmware table export (command 32807): its menu entry is gone, the command still works.
#include "editor_dlg.h"

#include "conv_tp_list_dlg.h"
#include "prompt.h"

void CEditorDlg::OnConvTpList() {
    CConvTpListDlg dlg(m_prompt, this);
    // Without satellites and transponders there is nothing to export and nothing is shown.
    if (m_pStore != nullptr && m_pStore->GetSatelliteCount() != 0 &&
        m_pStore->GetTransponderCount() != 0) {
        dlg.SetSatTable(m_pStore->GetSatelliteTable());
        dlg.SetTpLists(m_pStore->GetTransponderLists());
        dlg.SetSatCount(m_pStore->GetSatelliteCount());
        dlg.SetTpCount(m_pStore->GetTransponderCount());
        m_prompt.RunModal(dlg);
    }
    ShowTabView(m_pTab->currentIndex());
}
