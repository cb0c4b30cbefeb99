// CMeasureCurve: smoothing, slope, points in the view's coordinates, texts and the stream.
#include "station/record/MeasureCurve.h"
#include "station/record/ApplicationValues.h"
#include "station/record/ArchiveFields.h"
#include "station/record/DrawConfig.h"
#include "station/record/DrawText.h"
#include "station/record/DrawViewBase.h"
#include "station/record/MeasureValue.h"

IMPLEMENT_SERIAL(CMeasureCurve, CDrawPolyline, 0)

using namespace archive_fields;

void MarkViewDocumentModified(CDrawViewBase* pView)
{
    if (pView != NULL && pView->GetView() != NULL && pView->GetView()->GetDocument() != NULL)
        pView->GetView()->GetDocument()->SetModifiedFlag(TRUE);
}

void DeleteOwnedValues(CObList& values)
{
    while (!values.IsEmpty())
        delete values.RemoveHead();
}

void RepaintClearedIn(CDrawViewBase* pView)
{
    if (pView != NULL && pView->GetView() != NULL)
        pView->GetView()->Invalidate();
    MarkViewDocumentModified(pView);
}

CMeasureCurve::CMeasureCurve()
    : m_pLegend(NULL), m_values(10), m_bVisible(FALSE), m_bScale(FALSE), m_bFirstSample(TRUE),
      m_fScale(1.0f), m_times{0, 0, 0}, m_history{0, 0, 0}
{
}

CMeasureCurve::CMeasureCurve(const RECT& rect, UINT nTitleId, LPCSTR registryName, COLORREF color,
                             int nPenWidth, BOOL bVisible, BOOL bScale)
    : CDrawPolyline(rect), m_pLegend(NULL), m_values(10), m_bScale(bScale), m_bFirstSample(TRUE),
      m_fScale(1.0f), m_times{0, 0, 0}, m_history{0, 0, 0}
{
    m_strTitle.LoadString(nTitleId);
    m_strKey = CDrawConfig::ObjectSection(registryName);
    CDrawConfig& config = CApplicationValues::GetDrawConfig();
    m_logpen.lopnColor = config.GetInt(m_strKey, "Color", color);
    int nPen = (int)config.GetInt(m_strKey, "Pen", (DWORD)nPenWidth);
    m_logpen.lopnWidth = POINT{nPen, nPen};
    m_bVisible = config.GetInt(m_strKey, "Visible", (DWORD)bVisible) != 0;
}

CMeasureCurve::~CMeasureCurve()
{
    DeleteValues();
    delete m_pLegend;
}

void CMeasureCurve::DeleteValues()
{
    DeleteOwnedValues(m_values);
}

CDrawText* CMeasureCurve::CreateLegend(const RECT& rect)
{
    if (m_pLegend == NULL)
        m_pLegend = new CDrawText(rect, m_strTitle, GetLineColor());
    return m_pLegend;
}

void CMeasureCurve::UpdateLegendColor()
{
    if (m_pLegend != NULL)
        m_pLegend->SetTextColor(GetLineColor());
}

void CMeasureCurve::AddPointOf(CMeasureValue* pValue, CDrawViewBase* pView, BOOL bInvalidate)
{
    if (pView == NULL)
        return;
    int x = pView->TimeToX(pValue->GetTime());
    if (x < 0)
        x = 0;
    // Whole degrees: through a float, then truncated toward zero (199.9 plots at 199).
    float degrees = (float)(m_bScale ? pValue->GetValue() : pValue->GetScaledValue());
    AddPoint(POINT{x, pView->TempToY((int)degrees)}, pView, bInvalidate);
}

// Smoothing and slope work on stored values in one unit, whatever the display unit: the slope is
// given in K/s.
void CMeasureCurve::AddValue(int nSample, int nTime, double dValue, float fScale, BOOL bFahrenheit,
                             CDrawViewBase* pView)
{
    double v = dValue / fScale;
    if (m_bFirstSample)
    {
        // A new or cleared curve: no old times may enter the slope.
        m_bFirstSample = FALSE;
        for (int i = 0; i < 3; i++)
        {
            m_history[i] = v;
            m_times[i] = nTime;
        }
    }
    double smoothed = (3 * v + m_history[0] + m_history[1] + m_history[2]) / 6;
    CMeasureValue* pValue = new CMeasureValue(nSample, nTime, (float)smoothed, fScale, bFahrenheit);
    double stored = pValue->GetStoredValue();
    double dt = nTime - m_times[2];
    pValue->SetSlope(dt == 0 ? 0 : (stored - m_history[2]) / dt);
    m_times[2] = m_times[1];
    m_history[2] = m_history[1];
    m_times[1] = m_times[0];
    m_history[1] = m_history[0];
    m_times[0] = nTime;
    m_history[0] = stored;
    m_values.AddTail(pValue);
    MarkViewDocumentModified(pView);
    AddPointOf(pValue, pView);
    if (m_fScale != fScale)
    {
        m_fScale = fScale;
        if (m_bScale)
            for (POSITION pos = m_values.GetHeadPosition(); pos != NULL;)
                ((CMeasureValue*)m_values.GetNext(pos))->SetScale(fScale);
        RebuildPoints(pView);
    }
}

void CMeasureCurve::ClearValues(CDrawViewBase* pView)
{
    DeleteValues();
    m_bFirstSample = TRUE;
    RebuildPoints(pView);
    RepaintClearedIn(pView);
}

void CMeasureCurve::RebuildPoints(CDrawViewBase* pView)
{
    RemoveAllPoints();
    // One repaint for the whole line, not one per point.
    for (POSITION pos = m_values.GetHeadPosition(); pos != NULL;)
        AddPointOf((CMeasureValue*)m_values.GetNext(pos), pView, FALSE);
    if (pView != NULL && m_nPoints > 0)
        InvalidateIn(pView);
}

CMeasureValue* CMeasureCurve::FindValueAt(int nTime)
{
    for (POSITION pos = m_values.GetHeadPosition(); pos != NULL;)
    {
        CMeasureValue* pValue = (CMeasureValue*)m_values.GetNext(pos);
        if (pValue->GetTime() >= nTime)
            return pValue;
    }
    return NULL;
}

void CMeasureCurve::GetValueAt(int nTime, double& value, double& slope)
{
    if (CMeasureValue* pValue = FindValueAt(nTime))
    {
        value = pValue->GetValue();
        slope = (double)pValue->GetScale() * pValue->GetSlope();
    }
}

void CMeasureCurve::GetValueTextAt(CString& text, int nTime)
{
    text = m_strTitle + ": ";
    if (CMeasureValue* pValue = FindValueAt(nTime))
        text += pValue->GetValueText(TRUE) + " / " + pValue->GetSlopeText(TRUE);
}

void CMeasureCurve::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_strTitle << m_strKey << (DWORD)m_bVisible << (DWORD)m_bScale << m_fScale;
        ar.WriteObject(m_pLegend);
        ar << (DWORD)m_bFirstSample;
        for (double t : m_times)
            ar << t;
        for (double h : m_history)
            ar << h;
        StoreList(ar, m_values);
        StoreEnd(ar);
    }
    else
    {
        DWORD visible, scale, first;
        ar >> m_strTitle >> m_strKey >> visible >> scale >> m_fScale;
        m_bVisible = visible;
        m_bScale = scale;
        LoadOwned(ar, m_pLegend, RUNTIME_CLASS(CDrawText));
        ar >> first;
        m_bFirstSample = first;
        for (double& t : m_times)
            ar >> t;
        for (double& h : m_history)
            ar >> h;
        DeleteValues();
        LoadOwnedList(ar, m_values, RUNTIME_CLASS(CMeasureValue));
        SkipEnd(ar);
    }
    CDrawPolyline::Serialize(ar);
}
