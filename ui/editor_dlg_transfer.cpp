// The Transfer menu: the channel lists from the box into the editor, and from the editor to the
// box, each through the transfer dialog.
#include "editor_dlg.h"

#include "edit_command.h"
#include "prompt.h"
#include "settings.h"
#include "status_text.h"
#include "transfer_dlg.h"
#include "transfer_image.h"
#include "wait_cursor.h"

#include <vector>

// The received data replace the editor's as one undo step; unsaved changes are offered for
// saving before the dialog opens.
void CEditorDlg::OnTransferStbToPc() {
    if (!AskToSaveChanges())
        return;
    CTransferDlg dlg(m_prompt, m_transferSettings);
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
    CChannelStore probe;
    if (!ParseReceivedImage(probe, image)) {
        wait.Restore();
        m_prompt.MessageBox(QStringLiteral(
            "[Error] The data received from the STB is not a channel list.\nNothing was changed."));
        return;
    }
    ClearAllViews();
    EnableDataMenus(FALSE);
    if (ParseReceivedImage(*m_pStore, image)) {
        RefreshAllViews();
        EnableDataMenus(TRUE);
        int nServices = 0;
        for (BYTE nList = 0; nList < kListCount; ++nList)
            nServices += m_pStore->GetServiceCount(nList);
        ShowStatus(StatusText(EStatus::Received, nServices));
    }
    wait.Restore();
    ReportDroppedRecords(QStringLiteral("the data received from the STB"));
}

void CEditorDlg::OnTransferPcToStb() {
    if (HasTransferableData(*m_pStore)) {
        CTransferDlg dlg(m_prompt, m_transferSettings);
        dlg.SetDirection(DIRECTION_PC_TO_STB);
        const std::vector<BYTE> image = BuildTransferImage(*m_pStore);
        // Without a whole image the box would be sent an empty buffer.
        if (!image.empty() && dlg.SetImageData(image.data(), static_cast<UINT>(image.size())))
            RunTransferDialog(dlg);
    }
    ShowTabView(m_pTab->currentIndex());
}

// The dialog opens on the port the last transfer connected to, in this run or an earlier one.
void CEditorDlg::RunTransferDialog(CTransferDlg& dlg) {
    const SPortSetting before = m_pSettings->TransferPort();
    dlg.SetPort(before);
    dlg.DoModal();
    if (dlg.GetPort() != before)
        m_pSettings->SetTransferPort(dlg.GetPort());
}
