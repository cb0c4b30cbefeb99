// CReferenceLine: points over the time-axis pages, legend and the stream.
#include "station/record/ReferenceLine.h"
#include "station/record/ApplicationValues.h"
#include "station/record/ArchiveFields.h"
#include "station/record/DrawConfig.h"
#include "station/record/DrawDoc.h"
#include "station/record/DrawText.h"
#include "station/record/DrawViewBase.h"

IMPLEMENT_SERIAL(CReferenceLine, CDrawPolyline, 0)

using namespace archive_fields;

CReferenceLine::CReferenceLine() : m_bVisible(FALSE), m_nValue(0), m_pLegend(NULL)
{
}

CReferenceLine::CReferenceLine(const RECT& rect, UINT nTitleId, LPCSTR registryName, COLORREF color,
                               int nPenWidth, BOOL bVisible)
    : CDrawPolyline(rect), m_bVisible(bVisible), m_nValue(0), m_pLegend(NULL)
{
    m_strTitle.LoadString(nTitleId);
    m_strKey = CDrawConfig::ObjectSection(registryName);
    CDrawConfig& config = CApplicationValues::GetDrawConfig();
    m_logpen.lopnColor = config.GetInt(m_strKey, "Color", color);
    int nPen = (int)config.GetInt(m_strKey, "Pen", (DWORD)nPenWidth);
    m_logpen.lopnWidth = POINT{nPen, nPen};
}

CReferenceLine::~CReferenceLine()
{
    delete m_pLegend;
}

void CReferenceLine::SetValue(int nValue, CDrawViewBase* pView)
{
    RemoveAllPoints();
    m_nValue = nValue;
    if (pView == NULL)
        return;
    int y = pView->TempToY(nValue);
    CDrawDoc* pDoc = pView->GetDrawDoc();
    int nTimeBase = pDoc != NULL ? pDoc->GetTimeBase() : 0;
    int nPages = pView->GetTimePages();
    for (int i = 1; i <= nPages; i++)
    {
        AddPoint(POINT{pView->TimeToX((i - 1) * nTimeBase), y}, pView);
        AddPoint(POINT{pView->TimeToX(i * nTimeBase - 1), y}, pView);
    }
    CRect legend(0, y - 15, 50, y);
    if (m_pLegend == NULL)
        m_pLegend = new CDrawText(legend, m_strTitle, GetLineColor());
    m_pLegend->SetBoundsRect(legend.left, legend.top, legend.right, legend.bottom);
    m_pLegend->SetTextColor(GetLineColor());
}

void CReferenceLine::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_strTitle << m_strKey << (DWORD)m_bVisible << (DWORD)m_nValue;
        ar.WriteObject(m_pLegend);
        StoreEnd(ar);
    }
    else
    {
        DWORD visible;
        ar >> m_strTitle >> m_strKey >> visible >> m_nValue;
        m_bVisible = visible;
        LoadOwned(ar, m_pLegend, RUNTIME_CLASS(CDrawText));
        SkipEnd(ar);
    }
    CDrawPolyline::Serialize(ar);
}
