// Import Transponders: the satellites of a satellites.xml, each with its transponders, to check
// for import, a filter over them, and the preview of what OK adds, merges and leaves out, worked
// out again on every choice. It only shows and chooses; the window carries out the plan.
#pragma once

#include "satellite_import.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class CImportTranspondersDlg : public QDialog {
    Q_OBJECT

  public:
    // Satellites start unchecked; of their transponders, all but the DVB-S2 ones are checked.
    CImportTranspondersDlg(const CChannelStore& store, const CNameCodec& names,
                           std::vector<SXmlSatellite> satellites, const QString& fileName,
                           QWidget* parent = nullptr);
    // The plan for the choices as they are now.
    const SImportPlan& Plan() const { return m_plan; }

  private:
    void Fill();
    void OnItemChanged(QTreeWidgetItem* item);
    void OnFilter(const QString& text);
    void Replan();

    const CChannelStore& m_store;
    const CNameCodec& m_names;
    std::vector<SXmlSatellite> m_satellites;
    SImportChoice m_choice;
    SImportPlan m_plan;
    QLineEdit* m_pFilter;
    QTreeWidget* m_pSatellites;
    QListWidget* m_pPreview;
    QPushButton* m_pOk;
};
