// CDrawPolyRect: runs of on points drawn as framed bars, and the stream.
#include "station/record/DrawPolyRect.h"
#include "station/record/ArchiveFields.h"
#include "station/record/DrawViewBase.h"
#include "station/record/PointRun.h"

IMPLEMENT_SERIAL(CDrawPolyRect, CDrawObject, 0)

using namespace archive_fields;

CDrawPolyRect::CDrawPolyRect()
    : m_nPoints(0), m_nAllocPoints(0), m_nBarHeight(10), m_nDescents(0), m_frameColor(0), m_nMinX(0),
      m_nMaxX(0)
{
}

CDrawPolyRect::CDrawPolyRect(const RECT& rect, int nBarHeight)
    : CDrawObject(rect), m_nPoints(0), m_nAllocPoints(0), m_nBarHeight(nBarHeight), m_nDescents(0),
      m_frameColor(0), m_nMinX(0), m_nMaxX(0)
{
    m_bPen = TRUE;
    m_bBrush = TRUE;
}

CDrawPolyRect::~CDrawPolyRect()
{
}

void CDrawPolyRect::AddPoint(POINT point, CDrawViewBase* pView, BOOL bInvalidate)
{
    if (!point_run::Append(m_points, m_nPoints, m_nAllocPoints, point))
        return;
    m_nMinX = m_nPoints == 1 ? point.x : std::min(m_nMinX, (int)point.x);
    m_nMaxX = m_nPoints == 1 ? point.x : std::max(m_nMaxX, (int)point.x);
    RecalcBounds();
    // The bar's row from the previous point on.
    int left = m_nPoints > 1 ? m_points[m_nPoints - 2].x : point.x;
    m_nDescents += point.x < left;
    if (bInvalidate)
        InvalidatePartIn(pView, CRect(std::min(left, (int)point.x), m_position.top,
                                      std::max(left, (int)point.x), m_position.top + m_nBarHeight));
}

void CDrawPolyRect::RemoveAllPoints()
{
    point_run::Clear(m_points, m_nPoints, m_nAllocPoints);
    m_nDescents = 0;
}

// Only the right edge follows the points; left, top and bottom belong to the layout.
BOOL CDrawPolyRect::RecalcBounds()
{
    if (m_nPoints == 0)
        return FALSE;
    CRect degenerate(m_nMinX, m_points[0].y, m_nMaxX, m_points[0].y);
    m_position.right = m_nMaxX;
    return degenerate != m_position;
}

std::vector<std::pair<int, int>> CDrawPolyRect::FindRuns(const POINT* pPoints, int nCount)
{
    std::vector<std::pair<int, int>> runs;
    int i = 0;
    while (i < nCount)
    {
        while (i < nCount && pPoints[i].y <= 0)
            i++;
        if (i >= nCount)
            break;
        int left = pPoints[i].x;
        while (i < nCount && pPoints[i].y > 0)
            i++;
        int right = i < nCount ? pPoints[i].x : pPoints[nCount - 1].x;
        runs.emplace_back(left, right);
    }
    return runs;
}

void CDrawPolyRect::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        int nCount, nCapacity;
        point_run::StoredCounts(m_nPoints, m_nAllocPoints, kMaxStoredPoints, nCount, nCapacity);
        ar << ToWord(nCount) << ToWord(nCapacity) << (DWORD)m_nBarHeight << (DWORD)m_frameColor;
        point_run::StorePoints(ar, m_points, nCount);
        StoreEnd(ar);
    }
    else
    {
        WORD nCount, nCapacity;
        DWORD frame;
        ar >> nCount >> nCapacity >> m_nBarHeight >> frame;
        m_frameColor = frame;
        point_run::LoadPoints(ar, nCount, nCapacity, m_points, m_nPoints, m_nAllocPoints);
        for (int i = 0; i < m_nPoints; i++)
        {
            m_nMinX = i == 0 ? m_points[i].x : std::min(m_nMinX, (int)m_points[i].x);
            m_nMaxX = i == 0 ? m_points[i].x : std::max(m_nMaxX, (int)m_points[i].x);
        }
        m_nDescents = point_run::CountDescents(m_points.data(), m_nPoints);
        SkipEnd(ar);
    }
    CDrawObject::Serialize(ar);
}

int CDrawPolyRect::GetHandleCount()
{
    return m_nPoints;
}

CPoint CDrawPolyRect::GetHandle(int nHandle)
{
    if (nHandle < 1 || nHandle > m_nPoints)
        return CDrawObject::GetHandle(nHandle);
    return CPoint(m_points[nHandle - 1]);
}

HCURSOR CDrawPolyRect::GetHandleCursor(int)
{
    return ::LoadCursor(NULL, IDC_ARROW);
}

void CDrawPolyRect::Draw(CDC* pDC)
{
    if (m_points.empty())
        return;
    SDrawTools tools;
    if (!SelectTools(pDC, tools))
        return;
    CBrush frame;
    if (!frame.CreateSolidBrush(m_frameColor))
    {
        RestoreTools(pDC, tools);
        return;
    }
    std::vector<POINT> printPoints;
    const POINT* pPoints = m_points.data();
    int nCount = m_nPoints;
    int from, to;
    if (GetPrintSlice(pDC, from, to))
    {
        int xOrigin = m_nPoints > 0 ? m_points[0].x : 0;
        for (int i = 0; i < m_nPoints; i++)
            if (m_points[i].x >= from && m_points[i].x < to)
                printPoints.push_back(POINT{m_points[i].x - from + xOrigin, m_points[i].y});
        pPoints = printPoints.data();
        nCount = (int)printPoints.size();
    }
    else if (m_nPoints < 3)
        nCount = 0;
    else if (m_nDescents == 0)
    {
        // A long recording: only the bars the repaint needs.
        CRect clip;
        if (pDC->GetClipBox(&clip) != ERROR)
        {
            clip.NormalizeRect();
            int first = 0;
            point_run::VisibleRange(m_points.data(), m_nPoints, clip.left, clip.right, first, nCount);
            pPoints += first;
        }
    }
    for (const auto& run : FindRuns(pPoints, nCount))
    {
        if (run.first == 0 && run.second == 0)
            continue;
        CRect bar(run.first, m_position.top, run.second, m_position.top + m_nBarHeight);
        pDC->FillRect(&bar, &tools.brush);
        pDC->FrameRect(&bar, &frame);
    }
    RestoreTools(pDC, tools);
}

BOOL CDrawPolyRect::Intersects(const RECT& rect)
{
    return point_run::PolygonIntersects(m_points.data(), m_nPoints, rect);
}
