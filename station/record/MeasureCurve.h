// CMeasureCurve: one recorded temperature channel: every sample as a CMeasureValue (smoothed over
// the last samples, with its slope), drawn as a polyline in the view's coordinates, with a legend.
// Owns its values and legend; the recording document owns the curve.
#pragma once
#include "station/record/DrawPolyline.h"
#include "ObList.h"

class CDrawText;
class CMeasureValue;

class CMeasureCurve : public CDrawPolyline
{
    DECLARE_SERIAL(CMeasureCurve)

  public:
    // Construction
    CMeasureCurve();
    CMeasureCurve(const RECT& rect, UINT nTitleId, LPCSTR registryName, COLORREF color, int nPenWidth,
                  BOOL bVisible, BOOL bScale);
    ~CMeasureCurve() override;

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
    BOOL IsScaled() const
    {
        return m_bScale;
    }
    BOOL IsFirstSample() const
    {
        return m_bFirstSample;
    }
    float GetScale() const
    {
        return m_fScale;
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
    void AddValue(int nSample, int nTime, double dValue, float fScale, BOOL bFahrenheit,
                  CDrawViewBase* pView);
    void ClearValues(CDrawViewBase* pView);
    void RebuildPoints(CDrawViewBase* pView);
    // The first sample at or after the time; the outputs stay as they are when there is none.
    void GetValueAt(int nTime, double& value, double& slope);
    void GetValueTextAt(CString& text, int nTime);
    void Serialize(CArchive& ar) override;

  private:
    CMeasureValue* FindValueAt(int nTime);
    void AddPointOf(CMeasureValue* pValue, CDrawViewBase* pView, BOOL bInvalidate = TRUE);
    void DeleteValues();

    CDrawText* m_pLegend;
    CObList m_values;
    CString m_strTitle;
    CString m_strKey;
    BOOL m_bVisible;
    BOOL m_bScale;
    BOOL m_bFirstSample;
    float m_fScale;
    double m_times[3];   // newest first
    double m_history[3]; // stored values, newest first
};

// Marks the document of the view modified (nothing without a view).
void MarkViewDocumentModified(CDrawViewBase* pView);
// Deletes every value a curve or bar owns.
void DeleteOwnedValues(CObList& values);
// A curve or bar was cleared: the view repaints and the document is marked modified.
void RepaintClearedIn(CDrawViewBase* pView);
