// The tables a user fills by hand: the network editor (add, rename, and delete a name no service
// uses) and the form of one terrestrial MUX. They read the store and ask it for each change; the
// one who opened them decides how a change is recorded: an undo step of its own, or part of the
// channel dialog's step.
#pragma once

#include "channel_store.h"

#include <QDialog>

#include <functional>

class CNameCodec;
class CPrompt;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

// One change of the tables and who carries it out; both return the store's answer.
using TableChange = std::function<ETableEdit(CChannelStore&)>;
using TableEditor = std::function<ETableEdit(const TableChange& change, const QString& step)>;

// Rows of the lists in `lists` (PART_... list bits) whose service `uses` says yes to.
int CountServices(const CChannelStore& store, unsigned lists,
                  const std::function<bool(const SSVC_INFO&)>& uses);

class CNetworkEditorDlg : public QDialog {
    Q_OBJECT

  public:
    // bForService: opened from the channel dialog, where a name added is chosen for the service.
    CNetworkEditorDlg(const CChannelStore& store, const CNameCodec& names, CPrompt& prompt,
                      TableEditor editor, bool bForService, QWidget* parent = nullptr);
    // The id of the name the last Add made; 0 when none was added.
    WORD AddedNetwork() const { return m_nAdded; }

  signals:
    // The name field refused what was typed or pasted: the status line's text.
    void Status(const QString& text);

  private:
    void Refill(WORD nSelect);
    void EnableButtons();
    void OnSelection();
    void Add();
    void Rename();
    void Delete();
    WORD SelectedNetwork() const;
    // False after saying why the store refused.
    bool Report(ETableEdit result);

    const CChannelStore& m_store;
    const CNameCodec& m_names;
    CPrompt& m_prompt;
    TableEditor m_editor;
    WORD m_nAdded = 0;
    QTreeWidget* m_pList;
    QLineEdit* m_pName;
    QPushButton* m_pAdd;
    QPushButton* m_pRename;
    QPushButton* m_pDelete;
};

// The fields of one MUX record, for a new MUX (null) or a stored one. OK waits for a frequency.
class CMuxDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CMuxDlg(const STP_INFO* pMux, QWidget* parent = nullptr);
    // The record as entered; its index is the stored MUX's, 0 for a new one.
    STP_INFO Record() const;

  private:
    void OnChanged();

    BYTE m_nMux;
    QSpinBox* m_pFrequency;
    QSpinBox* m_pSymbolRate;
    QSpinBox* m_pTsid;
    QSpinBox* m_pDrift;
    QSpinBox* m_pAttribute;
    QSpinBox* m_pSignal;
    QLabel* m_pShownAs;
    QPushButton* m_pOk;
};
