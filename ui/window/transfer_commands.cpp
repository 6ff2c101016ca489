#include "transfer_commands.h"

#include "conv_tp_list_dlg.h"
#include "document.h"
#include "file_commands.h"
#include "prompt.h"
#include "settings.h"
#include "status_text.h"
#include "transfer_dlg.h"
#include "transfer_image.h"
#include "wait_cursor.h"

CTransferCommands::CTransferCommands(CDocument& document, CPrompt& prompt, CFileCommands& files,
                                     CSettings& settings, QWidget& owner)
    : QObject(&owner), m_document(document), m_prompt(prompt), m_files(files), m_settings(settings),
      m_owner(owner) {}

// Unsaved changes are offered for saving before the dialog opens.
void CTransferCommands::StbToPc() {
    if (!m_files.AskToSaveChanges())
        return;
    CTransferDlg dlg(m_prompt, m_transferSettings);
    dlg.SetDirection(DIRECTION_STB_TO_PC);
    RunTransferDialog(dlg);
    if (!dlg.IsComplete())
        return;
    std::vector<BYTE> image(dlg.GetImageLength());
    if (dlg.GetImageData(image.data()) > 0)
        LoadReceivedImage(image);
}

// A box that sends something that is no channel list leaves the editor as it was.
void CTransferCommands::LoadReceivedImage(const std::vector<BYTE>& image) {
    CWaitCursor wait;
    if (!m_document.Receive(image)) {
        wait.Restore();
        m_prompt.MessageBox(tr(
            "[Error] The data received from the STB is not a channel list.\nNothing was changed."));
        return;
    }
    int nServices = 0;
    for (BYTE nList = 0; nList < kListCount; ++nList)
        nServices += m_document.Store().GetServiceCount(nList);
    emit Status(StatusText(EStatus::Received, nServices));
    wait.Restore();
    m_files.ReportDroppedRecords(tr("the data received from the STB"));
}

void CTransferCommands::PcToStb() {
    if (!HasTransferableData(m_document.Store()))
        return;
    CTransferDlg dlg(m_prompt, m_transferSettings);
    dlg.SetDirection(DIRECTION_PC_TO_STB);
    const std::vector<BYTE> image = m_document.TransferImage();
    // Without a whole image the box would be sent an empty buffer.
    if (!image.empty() && dlg.SetImageData(image.data(), static_cast<UINT>(image.size())))
        RunTransferDialog(dlg);
}

// The dialog opens on the port the last transfer connected to, in this run or an earlier one.
void CTransferCommands::RunTransferDialog(CTransferDlg& dlg) {
    const SPortSetting before = m_settings.TransferPort();
    dlg.SetPort(before);
    dlg.DoModal();
    if (dlg.GetPort() != before)
        m_settings.SetTransferPort(dlg.GetPort());
}

// Without satellites and transponders there is nothing to export and nothing is shown.
void CTransferCommands::ConvTpList() {
    const CChannelStore& store = m_document.Store();
    if (store.GetSatelliteCount() == 0 || store.GetTransponderCount() == 0)
        return;
    CConvTpListDlg dlg(m_prompt, &m_owner);
    dlg.SetSatTable(store.GetSatelliteTable());
    dlg.SetTpLists(store.GetTransponderLists());
    dlg.SetSatCount(store.GetSatelliteCount());
    dlg.SetTpCount(store.GetTransponderCount());
    m_prompt.RunModal(dlg);
}
