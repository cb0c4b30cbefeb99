// CProcessStateCurve: samples, points in the view's coordinates and the stream.
#include "station/record/ProcessStateCurve.h"
#include "station/record/ApplicationValues.h"
#include "station/record/ArchiveFields.h"
#include "station/record/DrawConfig.h"
#include "station/record/DrawText.h"
#include "station/record/DrawViewBase.h"
#include "station/record/MeasureCurve.h"
#include "station/record/ProcessStateValues.h"

IMPLEMENT_SERIAL(CProcessStateCurve, CDrawPolyRect, 0)

using namespace archive_fields;

CProcessStateCurve::CProcessStateCurve()
    : m_pLegend(NULL), m_values(10), m_bVisible(FALSE), m_bFirstSample(TRUE)
{
}

CProcessStateCurve::CProcessStateCurve(const RECT& rect, UINT nTitleId, LPCSTR registryName, COLORREF color,
                                       int nBarHeight, BOOL bVisible)
    : CDrawPolyRect(rect, nBarHeight), m_pLegend(NULL), m_values(10), m_bFirstSample(TRUE)
{
    m_strTitle.LoadString(nTitleId);
    m_strKey = CDrawConfig::ObjectSection(registryName);
    CDrawConfig& config = CApplicationValues::GetDrawConfig();
    m_logbrush.lbColor = config.GetInt(m_strKey, "Color", color);
    m_bVisible = config.GetInt(m_strKey, "Visible", (DWORD)bVisible) != 0;
    m_nBarHeight = (int)config.GetInt(m_strKey, "ProcessBarHeight", (DWORD)nBarHeight);
}

CProcessStateCurve::~CProcessStateCurve()
{
    DeleteValues();
    delete m_pLegend;
}

void CProcessStateCurve::DeleteValues()
{
    DeleteOwnedValues(m_values);
}

CDrawText* CProcessStateCurve::CreateLegend(const RECT& rect)
{
    if (m_pLegend == NULL)
        m_pLegend = new CDrawText(rect, m_strTitle, GetFillColor());
    return m_pLegend;
}

void CProcessStateCurve::UpdateLegendColor()
{
    if (m_pLegend != NULL)
        m_pLegend->SetTextColor(GetFillColor());
}

namespace
{
POINT PointOf(CProcessStateValues* pValue, CDrawViewBase* pView)
{
    int x = pView->TimeToX(pValue->GetTime());
    return POINT{x < 0 ? 0 : x, pValue->GetState()};
}
} // namespace

void CProcessStateCurve::AddValue(int nSample, int nTime, int nState, CDrawViewBase* pView)
{
    m_bFirstSample = FALSE;
    CProcessStateValues* pValue = new CProcessStateValues(nSample, nTime, nState);
    m_values.AddTail(pValue);
    MarkViewDocumentModified(pView);
    if (pView != NULL)
        AddPoint(PointOf(pValue, pView), pView);
}

void CProcessStateCurve::ClearValues(CDrawViewBase* pView)
{
    DeleteValues();
    m_bFirstSample = TRUE;
    RebuildPoints(pView);
    RepaintClearedIn(pView);
}

void CProcessStateCurve::RebuildPoints(CDrawViewBase* pView)
{
    RemoveAllPoints();
    if (pView == NULL)
        return;
    // One repaint for the whole bar, not one per point.
    for (POSITION pos = m_values.GetHeadPosition(); pos != NULL;)
        AddPoint(PointOf((CProcessStateValues*)m_values.GetNext(pos), pView), pView, FALSE);
    if (m_nPoints > 0)
        InvalidateIn(pView);
}

void CProcessStateCurve::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_strTitle << m_strKey << (DWORD)m_bVisible;
        ar.WriteObject(m_pLegend);
        StoreList(ar, m_values);
        StoreEnd(ar);
    }
    else
    {
        DWORD visible;
        ar >> m_strTitle >> m_strKey >> visible;
        m_bVisible = visible;
        LoadOwned(ar, m_pLegend, RUNTIME_CLASS(CDrawText));
        DeleteValues();
        LoadOwnedList(ar, m_values, RUNTIME_CLASS(CProcessStateValues));
        m_bFirstSample = m_values.IsEmpty();
        SkipEnd(ar);
    }
    CDrawPolyRect::Serialize(ar);
}
