// CSatellitePanel: the controls right of the satellite tree that show one satellite or one
// transponder record, or the defaults of a new one, and read them back as record values for
// Append and Update. Typed numbers are checked on every change; the spin arrows step them.
#pragma once

#include "records.h"

#include <QObject>
#include <QString>

class CNameCodec;
class CSpinButtonCtrl;
class CTemplateControls;
class QComboBox;
class QLineEdit;
struct SLnbEncoding;
struct SOptionRow;

class CSatellitePanel : public QObject {
    Q_OBJECT

  public:
    // The controls are the satellite page's.
    CSatellitePanel(const CTemplateControls& controls, const CNameCodec& names,
                    QObject* parent = nullptr);

    // The satellite panel or the transponder panel; the other one is hidden.
    void ShowMode(bool bSatellite);
    bool IsSatelliteMode() const { return m_bSatelliteMode; }

    // A record's values, or the defaults of a new one (null).
    void ShowSatellite(const SSAT_INFO* sat);
    // The names are read in another set: the name field shows its bytes, as `before` read
    // them, in the new one.
    void ShowNameAgain(const CNameCodec& before);
    void ShowTransponder(const STP_INFO* tp);

    // A new satellite as the panel shows it.
    SSAT_INFO NewSatellite();
    // `stored` with the panel's values; rows with no button checked keep the stored value.
    SSAT_INFO ChangedSatellite(const SSAT_INFO& stored);
    // The transponder values the panel shows: frequency, symbol rate, and the attribute
    // (polarisation in bit 0, FEC in bits 4-7).
    STP_INFO TransponderValues();

    // The number edits in their normal form: "19." becomes "19.0", "0050" "50". A button ends
    // the editing of a number.
    void FormatNumberEdits();

  signals:
    // A name field refused what was typed or pasted: the status line's text.
    void Status(const QString& text);

  public:
    // The bound texts, as data exchange has them.
    QString m_strSatName;
    QString m_strSatPosition;
    QString m_strLnbFreq;
    QString m_strCLnbFreq;
    QString m_strFrequency;
    QString m_strSymbolRate;

  private:
    void Connect();
    void Init();
    void ReadControls();
    void WriteControls();
    void WriteComboText(QComboBox& combo, const QString& text);
    void OnClickOption(int nId);
    void OnRadioMotorUsals();
    void CheckNumberEdit(QString& member, int nSpinId, int limit, bool tenths);
    void OnDeltaposSatPosition(int nDelta);
    void SelectEntry(int nComboId, int nIndex);
    void ShowLnb(int nComboId, const SLnbEncoding& lnb, BYTE bValue, WORD wFrequency);
    void ShowTransponderValues(int nFreq, int nSymbolRate, int nHorizontal, int nFec);
    void ReadSatelliteFields(SSAT_INFO& rec);
    int CheckedIndex(const SOptionRow& row) const;
    int CkuSwitchValue() const;
    BYTE SwitchBits(BYTE kept) const;
    bool IsChecked(int nId) const;
    QLineEdit& Edit(int nId) const;
    QComboBox& Combo(int nId) const;
    CSpinButtonCtrl& Spin(int nId) const;

    const CTemplateControls& m_controls;
    const CNameCodec& m_names;
    bool m_bSatelliteMode = true;
};
