// CDrawPolyRect: a row of on/off bars along the time axis; points give a time position (x) and a
// state (y, 0 off). Base of the process-state bars.
#pragma once
#include "station/record/DrawObject.h"
#include <vector>

class CDrawPolyRect : public CDrawObject
{
    DECLARE_SERIAL(CDrawPolyRect)

  public:
    static constexpr int kMaxStoredPoints = 0xFFFF;

    // Construction
    CDrawPolyRect();
    CDrawPolyRect(const RECT& rect, int nBarHeight = 10);
    ~CDrawPolyRect() override;

    // Attributes
    int GetPointCount() const
    {
        return m_nPoints;
    }
    int GetCapacity() const
    {
        return m_nAllocPoints;
    }
    const POINT& GetPoint(int n) const
    {
        return m_points[n];
    }
    int GetBarHeight() const
    {
        return m_nBarHeight;
    }
    void SetBarHeight(int nHeight)
    {
        m_nBarHeight = nHeight;
    }
    COLORREF GetFrameColor() const
    {
        return m_frameColor;
    }
    void SetFrameColor(COLORREF color)
    {
        m_frameColor = color;
    }

    // Operations
    void AddPoint(POINT point, CDrawViewBase* pView, BOOL bInvalidate = TRUE);
    void RemoveAllPoints();
    // The on runs of the points as (left, right) pairs: from the first on point to the next off
    // point, or to the last point when the run is still on.
    static std::vector<std::pair<int, int>> FindRuns(const POINT* pPoints, int nCount);

    // Overridables
    void Serialize(CArchive& ar) override;
    int GetHandleCount() override;
    CPoint GetHandle(int nHandle) override;
    HCURSOR GetHandleCursor(int nHandle) override;
    void Draw(CDC* pDC) override;
    BOOL Intersects(const RECT& rect) override;

  protected:
    BOOL RecalcBounds();

    int m_nPoints;
    int m_nAllocPoints;
    int m_nBarHeight;
    std::vector<POINT> m_points;
    int m_nDescents; // 0: the points are sorted by x and a repaint bisects them
    COLORREF m_frameColor;
    // The smallest and largest x of the points, kept as they are added.
    int m_nMinX;
    int m_nMaxX;
};
