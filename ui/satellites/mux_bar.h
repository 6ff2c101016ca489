// The terrestrial MUXes on the satellite / transponder tab: their list with Add, Edit and Delete,
// in the free space under the tree. Each change is one undo step; the list follows the store, as
// the channel dialog's MUX list and the grids' MUX column do.
#pragma once

#include "channel_store.h"

#include <QObject>
#include <QPoint>

#include <functional>

class CDocument;
class CPrompt;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

class CMuxBar : public QObject {
    Q_OBJECT

  public:
    // The controls go onto `page`, whose top left lies at `origin` of the template (pixels).
    CMuxBar(CDocument& document, CPrompt& prompt, QWidget& page, QPoint origin);
    // The client grew by dy: the bar stays at the left, under the tree.
    void Resize(int dy);
    QComboBox& List() const { return *m_pList; }

  private:
    void Refill();
    void EnableButtons();
    void Add();
    void Change();
    void Delete();
    // The chosen MUX's index; 0 with none.
    BYTE SelectedMux() const;
    void Select(BYTE nMux);
    // Runs the change as one undo step named by `step`; a refusal other than Used is explained.
    ETableEdit Apply(const std::function<ETableEdit(CChannelStore&)>& change, const QString& step);

    CDocument& m_document;
    CPrompt& m_prompt;
    QWidget& m_page;
    QLabel* m_pLabel;
    QComboBox* m_pList;
    QPushButton* m_pAdd;
    QPushButton* m_pEdit;
    QPushButton* m_pDelete;
};
