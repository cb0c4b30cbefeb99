// Helpers of the point-list objects (curves and bars): points appended in time order lie sorted
// by x, so what a repaint needs of a long recording is found by bisection instead of a scan.
#pragma once
#include "afxwin.h"
#include <algorithm>

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
} // namespace point_run
