// CSatellitePage: the satellite / transponder tab. It holds the tree, the panel that shows the
// selected record, the terrestrial MUXes' bar (mux_bar.h), and Append, Update and Delete, which
// turn what the panel shows into changes of the store, each one undo step through the document. The
// tree follows the store: it is filled again whenever satellites or transponders change, keeping
// the items the user opened and the selected one.
#pragma once

#include "satellite_tree.h"
#include "view_state.h"

#include <QWidget>

#include <memory>

class CDocument;
class CMuxBar;
class CNameCodec;
class CPrompt;
class CSatellitePanel;
class CTemplateControls;

class CSatellitePage : public QWidget {
    Q_OBJECT

  public:
    CSatellitePage(CDocument& document, CPrompt& prompt, QWidget* parent);
    ~CSatellitePage() override;

    QTreeWidget& Tree() const { return *m_pTree; }
    CSatellitePanel& Panel() const { return *m_pPanel; }
    CMuxBar& Muxes() const { return *m_pMuxes; }
    // A control of the page's template by its id; null when it has none.
    QWidget* Control(int nId) const;
    // The client grew by (dx, dy).
    void Resize(int dx, int dy);

    // The tab was chosen: the panel shows its mode and the buttons follow the selected item.
    void Enter();
    void Append();
    void Update();
    void Delete();

    void CaptureView(SViewState& view) const;
    void ShowView(const SViewState& view);

  signals:
    // What the status line says after a refused keystroke or paste.
    void Status(const QString& text);

  private:
    void CreateControls();
    void OnChanged(unsigned nParts);
    void OnNamesChanged(const CNameCodec& before);
    void Refill();
    // The panel shows the selected item's record, or the defaults of a new one.
    void ShowSelection();
    void Select(const STreeIds& ids);
    void EnableRecordButtons(bool bNewRecord);
    void AppendSatellite();
    void AppendTransponder(BYTE nSat);

    CDocument& m_document;
    CPrompt& m_prompt;
    std::unique_ptr<CTemplateControls> m_pControls;
    QTreeWidget* m_pTree = nullptr;
    CSatellitePanel* m_pPanel = nullptr;
    CMuxBar* m_pMuxes = nullptr;
};
