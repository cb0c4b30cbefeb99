// Helpers of the point-list objects (curves and bars): points appended in time order lie sorted
// by x, so what a repaint needs of a long recording is found by bisection instead of a scan.
#pragma once
#include "afxwin.h"
#include "Archive.h"
#include "Rgn.h"
#include <algorithm>
#include <vector>

namespace point_run
{
// Adjacent pairs whose x goes down: 0 means the points are sorted by x.
inline int CountDescents(const POINT* pPoints, int nCount)
{
    int n = 0;
    for (int i = 1; i < nCount; i++)
        n += pPoints[i].x < pPoints[i - 1].x;
    return n;
}

// The points that matter between x = left and x = right of sorted points: from the last one at
// or before left to the first one at or after right, so lines and bars crossing the edges are
// drawn too. Sets first and count.
inline void VisibleRange(const POINT* pPoints, int nCount, int left, int right, int& first, int& count)
{
    const POINT* pEnd = pPoints + nCount;
    const POINT* pFrom = std::lower_bound(pPoints, pEnd, left, [](const POINT& p, int x) { return p.x < x; });
    const POINT* pTo = std::upper_bound(pPoints, pEnd, right, [](int x, const POINT& p) { return x < p.x; });
    if (pFrom != pPoints)
        --pFrom;
    if (pTo != pEnd)
        ++pTo;
    first = (int)(pFrom - pPoints);
    count = (int)(pTo - pFrom);
}

// Appends a point to a list that grows 10 points at a time; false (nothing added) when it equals
// the last point.
inline bool Append(std::vector<POINT>& points, int& nPoints, int& nAllocPoints, POINT point)
{
    if (nPoints > 0 && points[nPoints - 1].x == point.x && points[nPoints - 1].y == point.y)
        return false;
    if (nPoints == nAllocPoints)
    {
        nAllocPoints += 10;
        points.resize(nAllocPoints);
    }
    points[nPoints++] = point;
    return true;
}

// Empties a list and gives its memory back.
inline void Clear(std::vector<POINT>& points, int& nPoints, int& nAllocPoints)
{
    nPoints = nAllocPoints = 0;
    std::vector<POINT>().swap(points);
}

// What a list stores: at most nMax points, a capacity not below their count.
inline void StoredCounts(int nPoints, int nAllocPoints, int nMax, int& nCount, int& nCapacity)
{
    nCount = std::min(nPoints, nMax);
    nCapacity = std::max(std::min(nAllocPoints, nMax), nCount);
}

inline void StorePoints(CArchive& ar, const std::vector<POINT>& points, int nCount)
{
    for (int i = 0; i < nCount; i++)
        ar << (LONG)points[i].x << (LONG)points[i].y;
}

// Reads the points of a stored count and capacity. Older files wrote a capacity that had wrapped
// below the count: room for the count wins.
inline void LoadPoints(CArchive& ar, WORD nCount, WORD nCapacity, std::vector<POINT>& points, int& nPoints,
                       int& nAllocPoints)
{
    nPoints = nCount;
    nAllocPoints = std::max<int>(nCount, nCapacity);
    points.assign(nAllocPoints, POINT{0, 0});
    for (int i = 0; i < nPoints; i++)
        ar >> points[i].x >> points[i].y;
}

// Whether the polygon through the points meets the rectangle.
inline BOOL PolygonIntersects(POINT* pPoints, int nCount, const RECT& rect)
{
    if (nCount == 0)
        return FALSE;
    CRgn region;
    if (!region.CreatePolygonRgn(pPoints, nCount, ALTERNATE))
        return FALSE;
    return region.RectInRegion(&rect);
}
} // namespace point_run
