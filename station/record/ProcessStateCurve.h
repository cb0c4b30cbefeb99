// CProcessStateCurve: the on/off history of one actuator of the station (fan, pipette, pump, arm,
// upper and lower heater) drawn as bars below the plot, with a legend. Owns its values and legend;
// the recording document owns the bar.
#pragma once
#include "station/record/DrawPolyRect.h"
#include "ObList.h"

class CDrawText;

class CProcessStateCurve : public CDrawPolyRect
{
    DECLARE_SERIAL(CProcessStateCurve)

  public:
    // Construction
    CProcessStateCurve();
    CProcessStateCurve(const RECT& rect, UINT nTitleId, LPCSTR registryName, COLORREF color, int nBarHeight,
                       BOOL bVisible);
    ~CProcessStateCurve() override;

    // Attributes
    CDrawText* GetLegend() const
    {
        return m_pLegend;
    }
    CObList& GetValues()
    {
        return m_values;
    }
    BOOL IsVisible() const
    {
        return m_bVisible;
    }
    void SetVisible(BOOL bVisible)
    {
        m_bVisible = bVisible;
    }
    BOOL IsFirstSample() const
    {
        return m_bFirstSample;
    }
    CString GetName() const
    {
        return m_strTitle;
    }
    CString GetRegistryKey() const
    {
        return m_strKey;
    }

    // Operations
    CDrawText* CreateLegend(const RECT& rect);
    void UpdateLegendColor();
    void AddValue(int nSample, int nTime, int nState, CDrawViewBase* pView);
    void ClearValues(CDrawViewBase* pView);
    void RebuildPoints(CDrawViewBase* pView);
    void Serialize(CArchive& ar) override;

  private:
    void DeleteValues();

    CDrawText* m_pLegend;
    CObList m_values;
    CString m_strTitle;
    CString m_strKey;
    BOOL m_bVisible;
    BOOL m_bFirstSample;
};
