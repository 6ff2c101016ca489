// Undo steps: one command per user action, holding the store's parts the action changed as they
// were before and after it, and what the views showed each time.
#pragma once

#include "editor_dlg.h"

#include <QUndoCommand>

// The user actions that are undo steps. Their texts, in the Edit menu after "Undo" or "Redo",
// come from one table.
enum class EEdit {
    AppendSatellite,
    AppendTransponder,
    UpdateSatellite,
    UpdateTransponder,
    DeleteSatellite,
    DeleteTransponder,
    AppendService,
    ChangeService,
    PasteServices,  // counts services
    DeleteServices, // counts services
    MoveServices,   // counts services
    EnableFlags,    // names columns
    DisableFlags,   // names columns
    SetFlag,        // names a column
    ClearFlag,      // names a column
    Sort,           // names a column
    ReceiveFromStb,
    OrderLike, // names the reference file
    ImportCsv,
    DeleteDuplicates, // counts services
};

QString EditText(EEdit edit, int nCount);
QString EditText(EEdit edit, const QString& name = QString());

class CEditCommand : public QUndoCommand {
  public:
    struct SState {
        SStoreSnapshot store;
        CEditorDlg::SViewState view;
    };
    // `nChanged` names the parts in which `before` and `after` differ.
    CEditCommand(CEditorDlg& dlg, const QString& text, unsigned nChanged, SState before,
                 SState after);

    void undo() override;
    // The action itself made the change: only a later redo puts it back.
    void redo() override;

  private:
    CEditorDlg& m_dlg;
    unsigned m_nChanged;
    SState m_before;
    SState m_after;
    bool m_bJustDone = true;
};
