#include "document.h"

#include "edit_command.h"
#include "transfer_image.h"

#include <QFileInfo>

#include <utility>

CDocument::CDocument(QObject* parent)
    : QObject(parent), m_pStore(std::make_unique<CChannelStore>()) {
    connect(&m_undo, &QUndoStack::cleanChanged, this, &CDocument::StateChanged);
}

// The undo stack says it is clean as it goes, when nobody should hear it any more.
CDocument::~CDocument() {
    m_undo.disconnect(this);
}

QString CDocument::PathName() const {
    return QString::fromStdString(m_pStore->GetPathName());
}

QString CDocument::DocumentName() const {
    const QString path = PathName();
    return path.isEmpty() ? tr("Untitled") : QFileInfo(path).fileName();
}

QString CDocument::LastFileError() const {
    return QString::fromStdString(m_strLastError);
}

void CDocument::SetNames(ECharset set) {
    if (set == m_names.Charset())
        return;
    const CNameCodec before = std::exchange(m_names, CNameCodec(set));
    emit NamesChanged(before);
}

CDocument::SState CDocument::CaptureState() const {
    return {m_pStore->TakeSnapshot(), m_bHasData, m_bCutPending};
}

bool CDocument::Edit(const std::function<void(CChannelStore&)>& change,
                     const std::function<QString()>& text,
                     const std::function<void()>& showResult) {
    CEditCommand::SState before{CaptureState(), CurrentView()};
    change(*m_pStore);
    CDocument::SState after = CaptureState();
    const unsigned nShown = DifferingParts(before.document.store, after.store);
    if (nShown == 0 && before.document.bHasData == after.bHasData)
        return false;
    emit Changed(nShown);
    // Marks alone are no edit (Cut sets them without one, the file does not keep them), but an
    // edit puts back the marks it cleared: an undone Paste can be pasted again.
    if (DifferingParts(before.document.store, after.store, false) == 0 &&
        before.document.bHasData == after.bHasData)
        return false;
    if (showResult)
        showResult();
    before.document.store.KeepLists(nShown);
    after.store.KeepLists(nShown);
    const QString step = text();
    m_undo.push(new CEditCommand(*this, step, nShown, std::move(before),
                                 {std::move(after), CurrentView()}));
    emit Edited(step);
    return true;
}

void CDocument::Restore(const SState& state, unsigned nParts, const SViewState& view) {
    m_pStore->RestoreSnapshot(state.store);
    m_bHasData = state.bHasData;
    m_bCutPending = state.bCutPending;
    emit Changed(nParts);
    emit StateChanged(); // a database may have come or gone
    emit ViewRestored(view);
}

void CDocument::MarkForCut(BYTE nList, const std::vector<bool>& marked) {
    for (WORD i = 0; i < m_pStore->GetRowCount(nList); ++i)
        m_pStore->SetServiceMark(i, nList, i < marked.size() && marked[i] ? 1 : 0);
    m_bCutPending = true;
    emit MarksChanged(nList);
}

// ---- whole databases ----------------------------------------------------------------------------

void CDocument::Replace(std::unique_ptr<CChannelStore> store, bool bHasData) {
    m_pStore = std::move(store);
    m_bHasData = bHasData;
    m_bCutPending = false;
    m_undo.clear();
    emit Changed(~0u);
    emit StateChanged();
}

void CDocument::New() {
    Replace(std::make_unique<CChannelStore>(), true);
}

bool CDocument::Open(const QString& path) {
    auto store = std::make_unique<CChannelStore>();
    store->SetPathName(path.toStdString());
    const bool bRead = store->ReadDataFile() != FALSE;
    m_strLastError = store->GetLastFileError();
    m_readFailure = store->GetReadFailure();
    // What was read before a failure goes with the file's name.
    if (!bRead)
        store = std::make_unique<CChannelStore>();
    Replace(std::move(store), bRead);
    return bRead;
}

// A box that sends something that is no channel list would otherwise leave the editor empty and
// the user's unsaved channels lost: the image is tried on a scratch store first.
bool CDocument::Receive(const std::vector<BYTE>& image) {
    CChannelStore probe;
    if (!ParseReceivedImage(probe, image))
        return false;
    Edit(
        [&](CChannelStore& store) {
            store.ClearServices();
            store.ClearNetworks();
            store.ClearTransponders();
            store.ClearSatellites();
            store.ClearMuxes();
            ParseReceivedImage(store, image);
            m_bHasData = true;
            m_bCutPending = false;
        },
        [] { return EditText(EEdit::ReceiveFromStb); });
    return true;
}

std::vector<BYTE> CDocument::TransferImage() const {
    CChannelStore copy;
    copy.RestoreSnapshot(m_pStore->TakeSnapshot());
    return BuildTransferImage(copy);
}

// ---- saving -------------------------------------------------------------------------------------

bool CDocument::KeepBackup() {
    const std::string path = m_pStore->GetPathName();
    if (m_backedUp.contains(path) || !QFileInfo::exists(PathName()))
        return true;
    if (!m_pStore->BackupDataFile()) {
        m_strLastError = m_pStore->GetLastFileError();
        return false;
    }
    m_backedUp.insert(path);
    return true;
}

CDocument::ESave CDocument::Save() {
    if (!KeepBackup())
        return ESave::BackupFailed;
    if (!m_pStore->WriteDataFile()) {
        m_strLastError = m_pStore->GetLastFileError();
        return ESave::WriteFailed;
    }
    m_undo.setClean();
    emit StateChanged();
    return ESave::Saved;
}

CDocument::ESave CDocument::SaveAs(const QString& path) {
    m_pStore->SetPathName(path.toStdString());
    emit StateChanged();
    return Save();
}
