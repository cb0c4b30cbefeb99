// CDrawPolyline: a line through points, kept with its bounding box as its rectangle; base of the
// measurement curves and the reference lines.
#pragma once
#include "station/record/DrawObject.h"
#include <vector>

class CDrawPolyline : public CDrawObject
{
    DECLARE_SERIAL(CDrawPolyline)

  public:
    // A file stores counts as WORDs.
    static constexpr int kMaxStoredPoints = 0xFFFF;

    // Construction
    CDrawPolyline();
    explicit CDrawPolyline(const RECT& rect);
    ~CDrawPolyline() override;

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

    // Operations
    // Appends the point unless it equals the last one; grows 10 points at a time. Only the new
    // segment is repainted.
    void AddPoint(POINT point, CDrawViewBase* pView, BOOL bInvalidate = TRUE);
    void RemoveAllPoints();

    // Overridables
    void Serialize(CArchive& ar) override;
    int GetHandleCount() override;
    CPoint GetHandle(int nHandle) override;
    HCURSOR GetHandleCursor(int nHandle) override;
    void Draw(CDC* pDC) override;
    void MoveTo(const RECT& rect) override;
    BOOL Intersects(const RECT& rect) override;
    void MoveHandleTo(int nHandle, int x, int y) override;

  protected:
    // The rectangle becomes the bounding box of the points; TRUE when it changed.
    BOOL RecalcBounds();
    // The same after one point was appended, without a scan.
    BOOL ExtendBounds(POINT point);
    // Writes and reads count, capacity and points, at most kMaxStoredPoints of them.
    void SerializePoints(CArchive& ar);

    int m_nPoints;
    int m_nAllocPoints;
    std::vector<POINT> m_points; // m_nAllocPoints entries
    int m_nDescents;             // 0: the points are sorted by x and a repaint bisects them
};
