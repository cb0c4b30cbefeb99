// CDrawPolyline: points, bounds, printed slices and the stream.
#include "station/record/DrawPolyline.h"
#include "station/record/ArchiveFields.h"
#include "station/record/DrawViewBase.h"
#include "station/record/PointRun.h"

IMPLEMENT_SERIAL(CDrawPolyline, CDrawObject, 0)

using namespace archive_fields;

CDrawPolyline::CDrawPolyline() : m_nPoints(0), m_nAllocPoints(0), m_nDescents(0)
{
}

CDrawPolyline::CDrawPolyline(const RECT& rect)
    : CDrawObject(rect), m_nPoints(0), m_nAllocPoints(0), m_nDescents(0)
{
    m_bPen = TRUE;
    m_bBrush = FALSE;
}

CDrawPolyline::~CDrawPolyline()
{
}

void CDrawPolyline::AddPoint(POINT point, CDrawViewBase* pView, BOOL bInvalidate)
{
    if (!point_run::Append(m_points, m_nPoints, m_nAllocPoints, point))
        return;
    ExtendBounds(point);
    const POINT& previous = m_points[m_nPoints > 1 ? m_nPoints - 2 : 0];
    m_nDescents += point.x < previous.x;
    if (bInvalidate)
        InvalidatePartIn(pView, CRect(previous, point));
}

void CDrawPolyline::RemoveAllPoints()
{
    point_run::Clear(m_points, m_nPoints, m_nAllocPoints);
    m_nDescents = 0;
}

BOOL CDrawPolyline::RecalcBounds()
{
    if (m_nPoints == 0)
        return FALSE;
    CRect bounds(m_points[0].x, m_points[0].y, m_points[0].x, m_points[0].y);
    for (int i = 1; i < m_nPoints; i++)
    {
        bounds.left = std::min(bounds.left, m_points[i].x);
        bounds.right = std::max(bounds.right, m_points[i].x);
        bounds.top = std::min(bounds.top, m_points[i].y);
        bounds.bottom = std::max(bounds.bottom, m_points[i].y);
    }
    if (bounds == m_position)
        return FALSE;
    m_position = bounds;
    return TRUE;
}

// The rectangle is the points' bounding box after every change, so one point only widens it.
BOOL CDrawPolyline::ExtendBounds(POINT point)
{
    CRect bounds(point.x, point.y, point.x, point.y);
    if (m_nPoints > 1)
    {
        bounds = m_position;
        bounds.left = std::min(bounds.left, point.x);
        bounds.right = std::max(bounds.right, point.x);
        bounds.top = std::min(bounds.top, point.y);
        bounds.bottom = std::max(bounds.bottom, point.y);
    }
    if (bounds == m_position)
        return FALSE;
    m_position = bounds;
    return TRUE;
}

void CDrawPolyline::SerializePoints(CArchive& ar)
{
    if (ar.IsStoring())
    {
        // A longer recording keeps all its values; the points are rebuilt from them on layout.
        int nCount, nCapacity;
        point_run::StoredCounts(m_nPoints, m_nAllocPoints, kMaxStoredPoints, nCount, nCapacity);
        ar << ToWord(nCount) << ToWord(nCapacity);
        point_run::StorePoints(ar, m_points, nCount);
        return;
    }
    WORD nCount, nCapacity;
    ar >> nCount >> nCapacity;
    point_run::LoadPoints(ar, nCount, nCapacity, m_points, m_nPoints, m_nAllocPoints);
    m_nDescents = point_run::CountDescents(m_points.data(), m_nPoints);
}

void CDrawPolyline::Serialize(CArchive& ar)
{
    CDrawObject::Serialize(ar);
    SerializePoints(ar);
    if (ar.IsStoring())
        StoreEnd(ar);
    else
        SkipEnd(ar);
}

int CDrawPolyline::GetHandleCount()
{
    return m_nPoints;
}

CPoint CDrawPolyline::GetHandle(int nHandle)
{
    if (nHandle < 1 || nHandle > m_nPoints)
        return CDrawObject::GetHandle(nHandle);
    return CPoint(m_points[nHandle - 1]);
}

HCURSOR CDrawPolyline::GetHandleCursor(int)
{
    return ::LoadCursor(NULL, IDC_ARROW);
}

void CDrawPolyline::Draw(CDC* pDC)
{
    SDrawTools tools;
    if (!SelectTools(pDC, tools))
        return;
    int from, to;
    if (GetPrintSlice(pDC, from, to))
    {
        // The page's part of the line, moved to start at the line's first x.
        if (m_nPoints >= 2)
        {
            std::vector<POINT> printPoints;
            int xOrigin = m_points[0].x;
            for (int i = 0; i < m_nPoints; i++)
                if (m_points[i].x >= from && m_points[i].x < to)
                    printPoints.push_back(POINT{m_points[i].x - from + xOrigin, m_points[i].y});
            if (!printPoints.empty())
                pDC->Polyline(printPoints.data(), (int)printPoints.size());
        }
    }
    else if (m_nPoints > 0)
    {
        // A long recording: only the part the repaint needs.
        int first = 0, count = m_nPoints;
        CRect clip;
        if (m_nDescents == 0 && pDC->GetClipBox(&clip) != ERROR)
        {
            clip.NormalizeRect();
            point_run::VisibleRange(m_points.data(), m_nPoints, clip.left, clip.right, first, count);
        }
        if (count > 0)
            pDC->Polyline(m_points.data() + first, count);
    }
    RestoreTools(pDC, tools);
}

void CDrawPolyline::MoveTo(const RECT& rect)
{
    if (m_position == rect)
        return;
    CDrawViewBase* pView = GetActiveDrawView();
    InvalidateIn(pView);
    int dx = rect.left - m_position.left, dy = rect.top - m_position.top;
    for (int i = 0; i < m_nPoints; i++)
    {
        m_points[i].x += dx;
        m_points[i].y += dy;
    }
    m_position = rect;
    InvalidateIn(pView);
}

BOOL CDrawPolyline::Intersects(const RECT& rect)
{
    return point_run::PolygonIntersects(m_points.data(), m_nPoints, rect);
}

void CDrawPolyline::MoveHandleTo(int nHandle, int x, int y)
{
    if (nHandle < 1 || nHandle > m_nPoints)
        return;
    POINT& point = m_points[nHandle - 1];
    if (point.x == x && point.y == y)
        return;
    point = POINT{x, y};
    m_nDescents = point_run::CountDescents(m_points.data(), m_nPoints);
    if (RecalcBounds())
        InvalidateIn(GetActiveDrawView());
}
