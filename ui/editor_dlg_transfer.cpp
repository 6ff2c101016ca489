// The Transfer menu: the channel lists from the box into the editor, and from the editor to the
// box, each through the transfer dialog.
#include "editor_dlg.h"

#include "edit_command.h"
#include "prompt.h"
#include "transfer_dlg.h"
#include "wait_cursor.h"

#include <vector>

// The received data replace the editor's as one undo step; unsaved changes are offered for
// saving before the dialog opens.
void CEditorDlg::OnTransferStbToPc() {
    if (!AskToSaveChanges())
        return;
    CTransferDlg dlg(m_prompt);
    dlg.SetDirection(DIRECTION_STB_TO_PC);
    RunTransferDialog(dlg);
    if (dlg.IsComplete()) {
        CWaitCursor wait;
        std::vector<BYTE> image(dlg.GetImageLength());
        if (dlg.GetImageData(image.data()) > 0)
            RunUndoable([&] { LoadReceivedImage(image, wait); },
                        [] { return EditText(EEdit::ReceiveFromStb); });
    }
    ShowTabView(m_pTab->currentIndex());
}

// A box that sends something that is no channel list would otherwise leave the editor empty and
// the user's unsaved channels lost: the image is tried on a scratch store first.
void CEditorDlg::LoadReceivedImage(const std::vector<BYTE>& image, CWaitCursor& wait) {
    const UINT nLength = static_cast<UINT>(image.size());
    CChannelStore probe;
    if (!probe.SetImage(image.data(), nLength) || !probe.ParseImage(FALSE)) {
        wait.Restore();
        m_prompt.MessageBox(QStringLiteral(
            "[Error] The data received from the STB is not a channel list.\nNothing was changed."));
        return;
    }
    if (!m_pStore->SetImage(image.data(), nLength))
        return;
    ClearAllViews();
    EnableDataMenus(FALSE);
    if (m_pStore->ParseImage(FALSE)) {
        RefreshAllViews();
        EnableDataMenus(TRUE);
    }
    m_pStore->FreeImage();
    wait.Restore();
    ReportDroppedRecords(QStringLiteral("the data received from the STB"));
}

void CEditorDlg::OnTransferPcToStb() {
    if (HasTransferableData()) {
        CTransferDlg dlg(m_prompt);
        dlg.SetDirection(DIRECTION_PC_TO_STB);
        // The box wants each satellite's services grouped by transponder.
        m_pStore->SortSatListsByTransponder();
        std::vector<BYTE> image(m_pStore->GetImageSize());
        const UINT nLength = m_pStore->BuildImage(image.data());
        // Without a whole image the box would be sent an empty buffer.
        if (nLength > 0 && dlg.SetImageData(image.data(), nLength))
            RunTransferDialog(dlg);
        m_pStore->SortSatListsByNumber();
    }
    ShowTabView(m_pTab->currentIndex());
}

// The box needs a satellite, a transponder, a network and at least one service.
bool CEditorDlg::HasTransferableData() const {
    const CChannelStore& store = *m_pStore;
    const bool bTables = store.GetSatelliteCount() > 0 && store.GetTransponderCount() > 0 &&
                         store.GetNetworkCount() > 0;
    const bool bServices = store.GetSatTvCount() > 0 || store.GetSatRadioCount() > 0 ||
                           store.GetTerrTvCount() > 0 || store.GetTerrRadioCount() > 0;
    return bTables && bServices;
}

// The dialog opens on the port the last transfer used; the choice lasts for the program's run.
void CEditorDlg::RunTransferDialog(CTransferDlg& dlg) {
    dlg.SetPortIndex(m_nTransferPort);
    dlg.DoModal();
    m_nTransferPort = dlg.GetPortIndex();
}
