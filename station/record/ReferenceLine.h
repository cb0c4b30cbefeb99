// CReferenceLine: a horizontal line across the whole time axis at a profile temperature (T1, T2
// or T3), with its legend at the left end. Owns its legend; the recording document owns the line.
#pragma once
#include "station/record/DrawPolyline.h"

class CDrawText;

class CReferenceLine : public CDrawPolyline
{
    DECLARE_SERIAL(CReferenceLine)

  public:
    // Construction
    CReferenceLine();
    CReferenceLine(const RECT& rect, UINT nTitleId, LPCSTR registryName, COLORREF color, int nPenWidth,
                   BOOL bVisible);
    ~CReferenceLine() override;

    // Attributes
    CDrawText* GetLegend() const
    {
        return m_pLegend;
    }
    BOOL IsVisible() const
    {
        return m_bVisible;
    }
    void SetVisible(BOOL bVisible)
    {
        m_bVisible = bVisible;
    }
    int GetValue() const
    {
        return m_nValue;
    }
    CString GetRegistryKey() const
    {
        return m_strKey;
    }

    // Operations
    // Rebuilds the line at the temperature over every time-axis page and places the legend.
    void SetValue(int nValue, CDrawViewBase* pView);
    void Serialize(CArchive& ar) override;

  private:
    CString m_strTitle;
    CString m_strKey;
    BOOL m_bVisible;
    int m_nValue;
    CDrawText* m_pLegend;
};
