// CChannelInfoDlg: one TV or radio service of one of the four service lists, shown for editing
// (an existing service) or empty (a new one). OK checks the input, then adds the service to the
// store or writes the changed fields into it. Networks… opens the network editor on the same
// store.
#pragma once

#include "list_tabs.h"

#include <QDialog>
#include <QString>

#include <map>

class CChannelStore;
class CNameCodec;
class CPrompt;
class QCheckBox;
class QComboBox;
class QLineEdit;
struct SChannelDlgItem;

class CChannelInfoDlg : public QDialog {
    Q_OBJECT

  public:
    // Names are shown and read through `names`.
    CChannelInfoDlg(const CNameCodec& names, CPrompt& prompt, QWidget* parent = nullptr);

    // nMode is the grid's tab: 1 satellite TV, 2 satellite radio, 3 terrestrial TV,
    // 4 terrestrial radio. nRow is the service's grid row, 0 for a new service. A null store
    // leaves the dialog empty.
    void SetupChannelInfo(int nMode, int nRow, CChannelStore* pStore, BYTE bNew);
    // Sets the controls up, then runs the dialog through the prompt (the modal run).
    int DoModal(CPrompt& prompt);

    void OnInitDialog();
    void OnSelchangeSatellite();
    void OnChangeServiceId();
    void OnChangeVideoPid();
    void OnChangeAudioPid();
    void OnChangePcrPid();
    void OnOK();
    void OnNetworks();

    // Data exchange between the members below and the controls.
    void ReadControls();
    void WriteControls();

    // Whether the last OK changed the store: a service stored, merged into an equal one or
    // rewritten.
    bool StoreChanged() const { return m_bStoreChanged; }
    // The network text without its leading id: the name and its trailing blank.
    QString NetworkName() const;

    QWidget* GetDlgItem(int nId) const;
    template <class T> T* GetDlgItem(int nId) const { return qobject_cast<T*>(GetDlgItem(nId)); }

    // The dialog's data.
    QString m_strSatellite;
    QString m_strTransponder;
    QString m_strNetwork;
    QString m_strServiceId;
    QString m_strName;
    QString m_strVideoPid;
    QString m_strAudioPid;
    QString m_strPcrPid;
    BOOL m_bDolby = FALSE;

  signals:
    // The name field refused what was typed or pasted: the status line's text.
    void Status(const QString& text);

  public slots:
    void accept() override;

  private:
    bool HasList() const { return ListOfTab(m_nMode) >= 0; }
    BYTE ListKind() const { return static_cast<BYTE>(ListOfTab(m_nMode)); }
    bool IsSatelliteMode() const { return IsSatelliteList(ListKind()); }
    bool IsTvMode() const { return !IsRadioList(ListKind()); }
    void CreateControls();
    QWidget* CreateControl(const SChannelDlgItem& item);
    void FillSatelliteList();
    void FillTransponderList(BYTE nSat);
    void FillMuxList();
    void FillNetworkList();
    void ShowService(const SSVC_INFO& service);
    void CheckNumberField(QString& member, int limit);
    bool CheckInput();
    WORD NetworkToStore(const SSVC_INFO* pExisting);
    void AddNewService();
    void ChangeService();
    QComboBox& Combo(int nId) const;
    QLineEdit& Edit(int nId) const;
    QCheckBox& Check() const;

    const CNameCodec& m_names;
    CPrompt& m_prompt;
    CChannelStore* m_pStore = nullptr;
    int m_nMode = 0;
    int m_nRow = 0;
    BYTE m_bNew = 0;
    bool m_bStoreChanged = false;
    std::map<int, QWidget*> m_controls;
};
