// CMeasureValue: unit conversion, display texts and the stream.
#include "station/record/MeasureValue.h"
#include "station/record/ArchiveFields.h"
#include "StationIds.h"

IMPLEMENT_SERIAL(CMeasureValue, CObject, 0)

using namespace archive_fields;

namespace
{
double ToUnit(double celsius, BOOL bFahrenheit)
{
    return bFahrenheit ? celsius * 1.8 + 32 : celsius;
}
} // namespace

CMeasureValue::CMeasureValue()
    : m_nSample(0), m_nTime(0), m_fValue(0), m_fScale(1.0f), m_bFahrenheit(FALSE), m_dSlope(0)
{
}

CMeasureValue::CMeasureValue(int nSample, int nTime, float fValue, float fScale, BOOL bFahrenheit)
    : m_nSample(nSample), m_nTime(nTime), m_fValue(fValue), m_fScale(fScale), m_bFahrenheit(bFahrenheit),
      m_dSlope(0)
{
}

CMeasureValue::~CMeasureValue()
{
}

double CMeasureValue::GetScaledValue() const
{
    return ToUnit(m_fValue, m_bFahrenheit);
}

double CMeasureValue::GetValue() const
{
    return ToUnit((double)m_fScale * m_fValue, m_bFahrenheit);
}

CString CMeasureValue::GetValueText(BOOL bWithUnit) const
{
    CString text, unit;
    text.Format("%#4.1f", GetValue());
    if (bWithUnit)
    {
        unit.LoadString(m_bFahrenheit ? IDS_STATION_UNIT_FAHRENHEIT : IDS_STATION_UNIT_CELSIUS);
        text += unit;
    }
    return text;
}

CString CMeasureValue::GetSlopeText(BOOL bWithUnit) const
{
    CString text, unit;
    text.Format("%#4.2f ", (double)m_fScale * m_dSlope);
    if (bWithUnit)
    {
        unit.LoadString(IDS_REC_SLOPE_UNIT);
        text += unit;
    }
    return text;
}

void CMeasureValue::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (DWORD)m_nSample << (DWORD)m_nTime << m_fValue << m_fScale << (DWORD)m_bFahrenheit << m_dSlope;
        StoreEnd(ar);
    }
    else
    {
        DWORD fahrenheit;
        ar >> m_nSample >> m_nTime >> m_fValue >> m_fScale >> fahrenheit >> m_dSlope;
        m_bFahrenheit = fahrenheit;
        SkipEnd(ar);
    }
}
