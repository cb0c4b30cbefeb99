// One soldering profile: 16 fields with their text forms and the limits they are held to, read
// from the project configuration when the set is made. Owned by the profile table
// (CIRProfilRecord).
#pragma once
#include "afx.h"

class CProjektConfig;

class CIRProfilSet : public CObject
{
  public:
    enum
    {
        FieldCount = 16
    };

    enum FieldKind
    {
        TextField,   // stored as given
        NumberField, // "%d", held to its limits
        SensorField, // "IR-Sensor" / "TE-Sensor"
        UnitField,   // " °F" / " °C"
        FactorField  // calibration factor: "TRUE"/"FALSE" shown, "%#4.3f" in the file
    };

    // One row of the field table: column title, grid width and colour, and where the value lives.
    struct SFieldInfo
    {
        UINT nTitleId;
        int nWidth;
        COLORREF colour;
        BOOL bCheckBox;
        FieldKind kind;
        CString CIRProfilSet::*pText;
        int CIRProfilSet::*pValue;
        int CIRProfilSet::*pMin;
        int CIRProfilSet::*pMax;
    };

    // Construction
  public:
    // Limits from the given configuration, or from the profile table's (CIRProfilRecord).
    CIRProfilSet(int id, CProjektConfig& config);
    explicit CIRProfilSet(int id);
    // Limits copied from another set (a load reads them from the registry once, not per record).
    CIRProfilSet(int id, const CIRProfilSet& limitsFrom);
    CIRProfilSet(const CIRProfilSet&) = delete;
    CIRProfilSet& operator=(const CIRProfilSet&) = delete;

    // Operations
  public:
    // Row n - 1 of the field table; NULL for n outside 1 to 16.
    static const SFieldInfo* GetFieldInfo(int n);

    int GetId() const
    {
        return m_nId;
    }
    void SetId(int id)
    {
        m_nId = id;
    }

    // Text form of field n (1 to 16); "" for any other n.
    CString GetFieldText(int n) const;
    // Fields 1 to 15: texts as given, numbers with atoi held to their limits (the minimum wins when
    // the limits cross). Field 16 is set with SetField16Text only.
    BOOL SetFieldText(int n, LPCSTR text);
    BOOL SetField16Text(LPCSTR text);
    CString GetField16Text() const;
    // The number behind field n (T1 to Tinit, sensor 1 = infrared, unit 1 = Fahrenheit); 0 for
    // text fields and n outside 1 to 16.
    int GetFieldValue(int n) const;
    // Takes over every field of the other set (limits stay).
    void CopyFieldsFrom(const CIRProfilSet& set);
    float GetField16() const
    {
        return m_fField16;
    }

    // Implementation
  private:
    void StartAtMinimum();
    static const SFieldInfo s_fields[FieldCount];

    int m_nId;
    CString m_strField1, m_strField2, m_strField3;
    CString m_strField12, m_strField13, m_strField14;
    int m_nField4, m_nField6, m_nField7, m_nField8, m_nField5, m_nField9;
    int m_bSensorIR;   // field 10: 1 infrared sensor, 0 thermocouple
    int m_bFahrenheit; // field 11
    int m_nField15;
    float m_fField16;
    int m_nT1Max, m_nT1Min, m_nT2Max, m_nT2Min, m_nT3Max, m_nT3Min, m_nTLMax, m_nTLMin;
    int m_nTimeMax, m_nTimeMin, m_nEnergyMax, m_nEnergyMin, m_nTinitMin, m_nTinitMax;
};
