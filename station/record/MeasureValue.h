// CMeasureValue: one sample of a measurement curve: the smoothed value as stored (divided by the
// scale factor), the factor, the time, the unit and the slope. Owned by its curve.
#pragma once
#include "afxwin.h"

class CMeasureValue : public CObject
{
    DECLARE_SERIAL(CMeasureValue)

  public:
    // Construction
    CMeasureValue();
    CMeasureValue(int nSample, int nTime, float fValue, float fScale, BOOL bFahrenheit);
    ~CMeasureValue() override;

    // Attributes
    int GetSample() const
    {
        return m_nSample;
    }
    int GetTime() const
    {
        return m_nTime;
    }
    float GetStoredValue() const
    {
        return m_fValue;
    }
    float GetScale() const
    {
        return m_fScale;
    }
    void SetScale(float fScale)
    {
        m_fScale = fScale;
    }
    BOOL IsFahrenheit() const
    {
        return m_bFahrenheit;
    }
    double GetSlope() const
    {
        return m_dSlope;
    }
    void SetSlope(double dSlope)
    {
        m_dSlope = dSlope;
    }

    // Operations
    // The stored value, in degrees Fahrenheit when the sample was.
    double GetScaledValue() const;
    // The value in measuring units: scale factor x stored value, converted the same way.
    double GetValue() const;
    CString GetValueText(BOOL bWithUnit) const;
    CString GetSlopeText(BOOL bWithUnit) const;
    void Serialize(CArchive& ar) override;

  private:
    int m_nSample;
    int m_nTime;
    float m_fValue;
    float m_fScale;
    BOOL m_bFahrenheit;
    double m_dSlope;
};
