// CDocument: the open database. It owns the channel store (always present, empty without a
// database), the undo stack, the file's path, whether a database is open and which files this
// session has backed up. Every change goes through Edit, which records the undo step and says
// which parts of the store changed; the views refresh from that.
#pragma once

#include "channel_store.h"
#include "name_codec.h"
#include "view_state.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

class CDocument : public QObject {
    Q_OBJECT

  public:
    // What undo and redo put back besides the views.
    struct SState {
        SStoreSnapshot store;
        bool bHasData = false;
        bool bCutPending = false;
    };
    enum class ESave { Saved, BackupFailed, WriteFailed };

    explicit CDocument(QObject* parent = nullptr);
    ~CDocument() override;

    const CChannelStore& Store() const { return *m_pStore; }
    // How names are read and written as text.
    const CNameCodec& Names() const { return m_names; }
    // Reads the names in another character set from now on. No data changes: no undo step.
    void SetNames(ECharset set);
    QUndoStack& UndoStack() { return m_undo; }
    const QUndoStack& UndoStack() const { return m_undo; }
    // A database is open: new, read from a file or received from the box.
    bool HasData() const { return m_bHasData; }
    // Changes not saved yet.
    bool IsModified() const { return m_bHasData && !m_undo.isClean(); }
    QString PathName() const;
    // The file's name, or "Untitled" for a database that has none yet.
    QString DocumentName() const;
    // Why the last Open, Save or backup failed, as the store says it; for a read, its kind.
    QString LastFileError() const;
    EReadFailure LastReadFailure() const { return m_readFailure; }

    // Runs one user action on the store. When it changed the store (marks alone are no change),
    // it becomes one undo step named by `text`, asked once the action has run so that it can
    // count what the action did; `showResult` runs after the views have refreshed, before the
    // step records what they show. Returns whether the store changed.
    bool Edit(const std::function<void(CChannelStore&)>& change,
              const std::function<QString()>& text, const std::function<void()>& showResult = {});

    // Cut: rows of list nList marked for the next Paste (marked[i] for row i). No undo step: the
    // marks are not kept in the file.
    void MarkForCut(BYTE nList, const std::vector<bool>& marked);
    bool IsCutPending() const { return m_bCutPending; }
    // Inside an Edit: the marks are used up (a paste or a delete).
    void EndCut() { m_bCutPending = false; }

    // A new empty database without a file name.
    void New();
    // Reads the data file at `path` in place of the database; false, with the database empty
    // and no path, when it cannot be read.
    bool Open(const QString& path);
    // What the last read (Open or Receive) dropped.
    const std::vector<SReadFinding>& ReadFindings() const { return m_pStore->GetReadFindings(); }
    // The image the box sent, in place of the database, as one undo step; false, and nothing
    // changes, when it holds no channel database.
    bool Receive(const std::vector<BYTE>& image);
    // The image PC->STB sends, built from a copy so that the database is not touched.
    std::vector<BYTE> TransferImage() const;

    // Writes the file at the path (SaveAs first sets it). The first save over a file in this
    // session keeps what the file held as "<file>.bak"; a file that cannot be backed up is not
    // overwritten.
    ESave Save();
    ESave SaveAs(const QString& path);

    // How undo steps know what the views show; the window answers.
    void SetViewMemory(std::function<SViewState()> capture) { m_captureView = std::move(capture); }
    SViewState CurrentView() const { return m_captureView ? m_captureView() : SViewState{}; }

    // Undo and redo: the store, the cut and the database's presence as `state` has them.
    void Restore(const SState& state, unsigned nParts, const SViewState& view);

  signals:
    // Parts of the store (PART_... bits) changed: the views that show them refresh.
    void Changed(unsigned nParts);
    // The rows marked for a paste changed in list nList.
    void MarksChanged(BYTE nList);
    // Undo or redo put the store back: the views show `view` again.
    void ViewRestored(const SViewState& view);
    // Whether a database is open, its file's name or its saved state changed.
    void StateChanged();
    // An action became the undo step `step`.
    void Edited(const QString& step);
    // Names() reads another character set; `before` is the one it read until now.
    void NamesChanged(const CNameCodec& before);

  private:
    SState CaptureState() const;
    void Replace(std::unique_ptr<CChannelStore> store, bool bHasData);
    bool KeepBackup();

    std::unique_ptr<CChannelStore> m_pStore;
    CNameCodec m_names;
    QUndoStack m_undo;
    bool m_bHasData = false;
    bool m_bCutPending = false;
    std::string m_strLastError;
    EReadFailure m_readFailure = EReadFailure::None;
    std::set<std::string> m_backedUp; // files whose previous bytes this session has kept
    std::function<SViewState()> m_captureView;
};
