// Undo steps: one command per user action, holding the store's parts the action changed as they
// were before and after it, and what the views showed each time. A command knows the document
// alone.
#pragma once

#include "document.h"

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
    DeleteDuplicates,   // counts services
    ImportTransponders, // counts transponders added or merged
    AddNetwork,         // names the network
    RenameNetwork,      // names the network's new name
    DeleteNetwork,      // names the network
    ChangeNetworks,     // the network editor's changes made from the channel dialog
    AddMux,             // names the MUX
    ChangeMux,          // names the MUX
    DeleteMux,          // names the MUX
};

QString EditText(EEdit edit, int nCount);
QString EditText(EEdit edit, const QString& name = QString());

// Runs a change of the network or MUX tables as one undo step named `step`; returns the store's
// answer (Done when it changed something).
ETableEdit EditTable(CDocument& document, const std::function<ETableEdit(CChannelStore&)>& change,
                     const QString& step);

class CEditCommand : public QUndoCommand {
  public:
    struct SState {
        CDocument::SState document;
        SViewState view;
    };
    // `nChanged` names the parts in which `before` and `after` differ.
    CEditCommand(CDocument& document, const QString& text, unsigned nChanged, SState before,
                 SState after);

    void undo() override;
    // The action itself made the change: only a later redo puts it back.
    void redo() override;

  private:
    CDocument& m_document;
    unsigned m_nChanged;
    SState m_before;
    SState m_after;
    bool m_bJustDone = true;
};
