// Profile set: one field table drives the text forms, limits and grid columns.
#include "station/record/IRProfilSet.h"
#include "station/record/ApplicationValues.h"
#include "station/record/IRProfilRecord.h"
#include "station/config/ProjektConfig.h"
#include "StationIds.h"
#include "ResourceText.h"
#include <stdlib.h>

typedef CIRProfilSet S;

const CIRProfilSet::SFieldInfo CIRProfilSet::s_fields[FieldCount] = {
    {IDS_COL_BOARD, 100, 0xFBE084, FALSE, TextField, &S::m_strField1, NULL, NULL, NULL},
    {IDS_COL_KOMPONENTE, 100, 0xFBE084, FALSE, TextField, &S::m_strField2, NULL, NULL, NULL},
    {IDS_COL_PROFILTYP, 70, 0xFFFFFF, FALSE, TextField, &S::m_strField3, NULL, NULL, NULL},
    {IDS_COL_T1, 40, 0xFFFFFF, FALSE, NumberField, NULL, &S::m_nField4, &S::m_nT1Min, &S::m_nT1Max},
    {IDS_COL_TIME, 40, 0xFFFFFF, FALSE, NumberField, NULL, &S::m_nField5, &S::m_nTimeMin, &S::m_nTimeMax},
    {IDS_COL_T2, 40, 0xFFFFFF, FALSE, NumberField, NULL, &S::m_nField6, &S::m_nT2Min, &S::m_nT2Max},
    {IDS_COL_T3, 40, 0xFFFFFF, FALSE, NumberField, NULL, &S::m_nField7, &S::m_nT3Min, &S::m_nT3Max},
    {IDS_COL_TL, 40, 0xFFFFFF, FALSE, NumberField, NULL, &S::m_nField8, &S::m_nTLMin, &S::m_nTLMax},
    {IDS_COL_ENERGIE, 45, 0xFFFFFF, FALSE, NumberField, NULL, &S::m_nField9, &S::m_nEnergyMin,
     &S::m_nEnergyMax},
    {IDS_COL_SENSOR, 70, 0xFFFFFF, FALSE, SensorField, NULL, &S::m_bSensorIR, NULL, NULL},
    {IDS_COL_EINHEIT, 40, 0xFFFFFF, FALSE, UnitField, NULL, &S::m_bFahrenheit, NULL, NULL},
    {IDS_COL_BLENDE_X, 80, 0xF0FFE6, FALSE, TextField, &S::m_strField12, NULL, NULL, NULL},
    {IDS_COL_BLENDE_Y, 80, 0xF0FFE6, FALSE, TextField, &S::m_strField13, NULL, NULL, NULL},
    {IDS_COL_PIN1, 80, 0xF0FFE6, FALSE, TextField, &S::m_strField14, NULL, NULL, NULL},
    {IDS_COL_TINIT, 50, 0xF0FFE6, FALSE, NumberField, NULL, &S::m_nField15, &S::m_nTinitMin, &S::m_nTinitMax},
    {IDS_COL_KAL, 30, 0xF0FFE6, TRUE, FactorField, NULL, NULL, NULL, NULL},
};

CIRProfilSet::CIRProfilSet(int id, CProjektConfig& config)
    : m_nId(id), m_bSensorIR(0), m_bFahrenheit(0), m_fField16(1.0f), m_nT1Max(int(config.GetT1Max())),
      m_nT1Min(int(config.GetT1Min())), m_nT2Max(int(config.GetT2Max())), m_nT2Min(int(config.GetT2Min())),
      m_nT3Max(int(config.GetT3Max())), m_nT3Min(int(config.GetT3Min())), m_nTLMax(int(config.GetTLMax())),
      m_nTLMin(int(config.GetTLMin())), m_nTimeMax(int(config.GetTimeMax())),
      m_nTimeMin(int(config.GetTimeMin())), m_nEnergyMax(int(config.GetEnergyMax())),
      m_nEnergyMin(int(config.GetEnergyMin())), m_nTinitMin(int(config.GetTinitMin())),
      m_nTinitMax(int(config.GetTinitMax()))
{
    StartAtMinimum();
}

CIRProfilSet::CIRProfilSet(int id, const CIRProfilSet& limitsFrom)
    : m_nId(id), m_bSensorIR(0), m_bFahrenheit(0), m_fField16(1.0f), m_nT1Max(limitsFrom.m_nT1Max),
      m_nT1Min(limitsFrom.m_nT1Min), m_nT2Max(limitsFrom.m_nT2Max), m_nT2Min(limitsFrom.m_nT2Min),
      m_nT3Max(limitsFrom.m_nT3Max), m_nT3Min(limitsFrom.m_nT3Min), m_nTLMax(limitsFrom.m_nTLMax),
      m_nTLMin(limitsFrom.m_nTLMin), m_nTimeMax(limitsFrom.m_nTimeMax), m_nTimeMin(limitsFrom.m_nTimeMin),
      m_nEnergyMax(limitsFrom.m_nEnergyMax), m_nEnergyMin(limitsFrom.m_nEnergyMin),
      m_nTinitMin(limitsFrom.m_nTinitMin), m_nTinitMax(limitsFrom.m_nTinitMax)
{
    StartAtMinimum();
}

void CIRProfilSet::StartAtMinimum()
{
    m_strField12 = LoadText(IDS_BLENDE_DEFAULT);
    m_strField13 = LoadText(IDS_BLENDE_DEFAULT);
    m_strField14 = LoadText(IDS_PIN1_DEFAULT);
    // A new set starts every number at its minimum, with a thermocouple in degrees Celsius.
    for (const SFieldInfo& info : s_fields)
    {
        if (info.kind == NumberField)
            this->*info.pValue = this->*info.pMin;
    }
}

CIRProfilSet::CIRProfilSet(int id) : CIRProfilSet(id, CApplicationValues::GetProjektConfig())
{
}

const CIRProfilSet::SFieldInfo* CIRProfilSet::GetFieldInfo(int n)
{
    if (n < 1 || n > FieldCount)
        return NULL;
    return &s_fields[n - 1];
}

CString CIRProfilSet::GetFieldText(int n) const
{
    const SFieldInfo* info = GetFieldInfo(n);
    CString text;
    if (info == NULL)
        return text;
    switch (info->kind)
    {
    case TextField:
        text = this->*info->pText;
        break;
    case NumberField:
        text.Format("%d", this->*info->pValue);
        break;
    case SensorField:
        text = LoadText(this->*info->pValue ? IDS_STATION_SENSOR_IR : IDS_STATION_SENSOR_TE);
        break;
    case UnitField:
        text = LoadText(this->*info->pValue ? IDS_STATION_UNIT_FAHRENHEIT : IDS_STATION_UNIT_CELSIUS);
        break;
    case FactorField:
        text = m_fField16 != 1.0f ? "TRUE" : "FALSE";
        break;
    }
    return text;
}

BOOL CIRProfilSet::SetFieldText(int n, LPCSTR text)
{
    const SFieldInfo* info = GetFieldInfo(n);
    if (info == NULL || text == NULL)
        return TRUE;
    switch (info->kind)
    {
    case TextField:
        this->*info->pText = text;
        break;
    case NumberField: {
        int value = atoi(text);
        if (value > this->*info->pMax)
            value = this->*info->pMax;
        if (value < this->*info->pMin)
            value = this->*info->pMin;
        this->*info->pValue = value;
        break;
    }
    case SensorField:
        this->*info->pValue = LoadText(IDS_STATION_SENSOR_TE) == text ? 0 : 1;
        break;
    case UnitField:
        this->*info->pValue = LoadText(IDS_STATION_UNIT_FAHRENHEIT) == text ? 1 : 0;
        break;
    case FactorField:
        break; // only through SetField16Text
    }
    return TRUE;
}

int CIRProfilSet::GetFieldValue(int n) const
{
    const SFieldInfo* info = GetFieldInfo(n);
    return info != NULL && info->pValue != NULL ? this->*info->pValue : 0;
}

void CIRProfilSet::CopyFieldsFrom(const CIRProfilSet& set)
{
    for (int n = 1; n < FieldCount; n++)
        SetFieldText(n, set.GetFieldText(n));
    m_fField16 = set.m_fField16;
}

BOOL CIRProfilSet::SetField16Text(LPCSTR text)
{
    m_fField16 = float(atof(text != NULL ? text : ""));
    return TRUE;
}

CString CIRProfilSet::GetField16Text() const
{
    CString text;
    text.Format("%#4.3f", double(m_fField16));
    return text;
}
