// CPoint, CSize and CRect: value types over POINT, SIZE and RECT. The rectangle operations
// are the user32 ones (IntersectRect, UnionRect, ...), so results match Windows exactly.
//
// Differences from MFC:
// - CRect also takes (POINT, POINT) in SetRect; everything else is MFC 4.2's set.
// - The short members are inline here rather than in a separate .inl file.
#pragma once
#include "AfxCore.h"

class CSize;
class CPoint;
class CRect;

class CSize : public tagSIZE
{
  public:
    // Construction
    CSize()
    {
        cx = cy = 0;
    }
    CSize(int initCX, int initCY)
    {
        cx = initCX;
        cy = initCY;
    }
    CSize(SIZE initSize)
    {
        cx = initSize.cx;
        cy = initSize.cy;
    }
    CSize(POINT initPt)
    {
        cx = initPt.x;
        cy = initPt.y;
    }
    // Low word cx, high word cy (both signed).
    CSize(DWORD dwSize)
    {
        cx = static_cast<short>(LOWORD(dwSize));
        cy = static_cast<short>(HIWORD(dwSize));
    }

    // Operations
    BOOL operator==(SIZE size) const
    {
        return cx == size.cx && cy == size.cy;
    }
    BOOL operator!=(SIZE size) const
    {
        return !(*this == size);
    }
    void operator+=(SIZE size)
    {
        cx += size.cx;
        cy += size.cy;
    }
    void operator-=(SIZE size)
    {
        cx -= size.cx;
        cy -= size.cy;
    }
    CSize operator+(SIZE size) const
    {
        return CSize(cx + size.cx, cy + size.cy);
    }
    CSize operator-(SIZE size) const
    {
        return CSize(cx - size.cx, cy - size.cy);
    }
    CSize operator-() const
    {
        return CSize(-cx, -cy);
    }
    CPoint operator+(POINT point) const;
    CPoint operator-(POINT point) const;
    CRect operator+(const RECT* lpRect) const;
    CRect operator-(const RECT* lpRect) const;
};

class CPoint : public tagPOINT
{
  public:
    // Construction
    CPoint()
    {
        x = y = 0;
    }
    CPoint(int initX, int initY)
    {
        x = initX;
        y = initY;
    }
    CPoint(POINT initPt)
    {
        x = initPt.x;
        y = initPt.y;
    }
    CPoint(SIZE initSize)
    {
        x = initSize.cx;
        y = initSize.cy;
    }
    // Low word x, high word y (both signed), as in an lParam of a mouse message.
    CPoint(DWORD dwPoint)
    {
        x = static_cast<short>(LOWORD(dwPoint));
        y = static_cast<short>(HIWORD(dwPoint));
    }

    // Operations
    void Offset(int xOffset, int yOffset)
    {
        x += xOffset;
        y += yOffset;
    }
    void Offset(POINT point)
    {
        Offset(point.x, point.y);
    }
    void Offset(SIZE size)
    {
        Offset(size.cx, size.cy);
    }
    BOOL operator==(POINT point) const
    {
        return x == point.x && y == point.y;
    }
    BOOL operator!=(POINT point) const
    {
        return !(*this == point);
    }
    void operator+=(SIZE size)
    {
        Offset(size);
    }
    void operator-=(SIZE size)
    {
        Offset(-size.cx, -size.cy);
    }
    void operator+=(POINT point)
    {
        Offset(point);
    }
    void operator-=(POINT point)
    {
        Offset(-point.x, -point.y);
    }
    CPoint operator+(SIZE size) const
    {
        return CPoint(x + size.cx, y + size.cy);
    }
    CPoint operator-(SIZE size) const
    {
        return CPoint(x - size.cx, y - size.cy);
    }
    CPoint operator-() const
    {
        return CPoint(-x, -y);
    }
    CPoint operator+(POINT point) const
    {
        return CPoint(x + point.x, y + point.y);
    }
    // The distance between two points.
    CSize operator-(POINT point) const
    {
        return CSize(x - point.x, y - point.y);
    }
    CRect operator+(const RECT* lpRect) const;
    CRect operator-(const RECT* lpRect) const;
};

class CRect : public tagRECT
{
  public:
    // Construction
    CRect()
    {
        left = top = right = bottom = 0;
    }
    CRect(int l, int t, int r, int b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    CRect(const RECT& srcRect)
    {
        CopyRect(&srcRect);
    }
    CRect(LPCRECT lpSrcRect)
    {
        CopyRect(lpSrcRect);
    }
    CRect(POINT point, SIZE size)
    {
        left = point.x;
        top = point.y;
        right = point.x + size.cx;
        bottom = point.y + size.cy;
    }
    CRect(POINT topLeft, POINT bottomRight)
    {
        left = topLeft.x;
        top = topLeft.y;
        right = bottomRight.x;
        bottom = bottomRight.y;
    }

    // Attributes
    int Width() const
    {
        return right - left;
    }
    int Height() const
    {
        return bottom - top;
    }
    CSize Size() const
    {
        return CSize(Width(), Height());
    }
    // References into the rectangle itself, so they can be assigned to.
    CPoint& TopLeft()
    {
        return *reinterpret_cast<CPoint*>(&left);
    }
    CPoint& BottomRight()
    {
        return *reinterpret_cast<CPoint*>(&right);
    }
    const CPoint& TopLeft() const
    {
        return *reinterpret_cast<const CPoint*>(&left);
    }
    const CPoint& BottomRight() const
    {
        return *reinterpret_cast<const CPoint*>(&right);
    }
    CPoint CenterPoint() const
    {
        return CPoint((left + right) / 2, (top + bottom) / 2);
    }
    operator LPRECT()
    {
        return this;
    }
    operator LPCRECT() const
    {
        return this;
    }
    // Empty: no area (width or height <= 0). Null: all four coordinates 0.
    BOOL IsRectEmpty() const
    {
        return ::IsRectEmpty(this);
    }
    BOOL IsRectNull() const
    {
        return left == 0 && right == 0 && top == 0 && bottom == 0;
    }
    // Left and top edges are inside, right and bottom outside.
    BOOL PtInRect(POINT point) const
    {
        return ::PtInRect(this, point);
    }

    // Operations
    void SetRect(int x1, int y1, int x2, int y2)
    {
        ::SetRect(this, x1, y1, x2, y2);
    }
    void SetRect(POINT topLeft, POINT bottomRight)
    {
        SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    }
    void SetRectEmpty()
    {
        ::SetRectEmpty(this);
    }
    void CopyRect(LPCRECT lpSrcRect)
    {
        ::CopyRect(this, lpSrcRect);
    }
    BOOL EqualRect(LPCRECT lpRect) const
    {
        return ::EqualRect(this, lpRect);
    }

    // Moves each side outwards (Inflate) or inwards (Deflate).
    void InflateRect(int x, int y)
    {
        ::InflateRect(this, x, y);
    }
    void InflateRect(SIZE size)
    {
        ::InflateRect(this, size.cx, size.cy);
    }
    void InflateRect(LPCRECT lpRect);
    void InflateRect(int l, int t, int r, int b);
    void DeflateRect(int x, int y)
    {
        ::InflateRect(this, -x, -y);
    }
    void DeflateRect(SIZE size)
    {
        ::InflateRect(this, -size.cx, -size.cy);
    }
    void DeflateRect(LPCRECT lpRect);
    void DeflateRect(int l, int t, int r, int b);

    // Swaps sides so that left <= right and top <= bottom.
    void NormalizeRect();

    void OffsetRect(int x, int y)
    {
        ::OffsetRect(this, x, y);
    }
    void OffsetRect(SIZE size)
    {
        ::OffsetRect(this, size.cx, size.cy);
    }
    void OffsetRect(POINT point)
    {
        ::OffsetRect(this, point.x, point.y);
    }

    // Each returns FALSE (and an empty rectangle where the API gives one) when the result is empty.
    BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2)
    {
        return ::IntersectRect(this, lpRect1, lpRect2);
    }
    BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2)
    {
        return ::UnionRect(this, lpRect1, lpRect2);
    }
    BOOL SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2)
    {
        return ::SubtractRect(this, lpRectSrc1, lpRectSrc2);
    }

    // Each coordinate times nMultiplier / nDivisor, rounded as MulDiv does.
    CRect MulDiv(int nMultiplier, int nDivisor) const;

    // Additional operations
    void operator=(const RECT& srcRect)
    {
        CopyRect(&srcRect);
    }
    BOOL operator==(const RECT& rect) const
    {
        return EqualRect(&rect);
    }
    BOOL operator!=(const RECT& rect) const
    {
        return !EqualRect(&rect);
    }
    void operator+=(POINT point)
    {
        OffsetRect(point);
    }
    void operator+=(SIZE size)
    {
        OffsetRect(size);
    }
    void operator+=(LPCRECT lpRect)
    {
        InflateRect(lpRect);
    }
    void operator-=(POINT point)
    {
        OffsetRect(-point.x, -point.y);
    }
    void operator-=(SIZE size)
    {
        OffsetRect(-size.cx, -size.cy);
    }
    void operator-=(LPCRECT lpRect)
    {
        DeflateRect(lpRect);
    }
    void operator&=(const RECT& rect)
    {
        IntersectRect(this, &rect);
    }
    void operator|=(const RECT& rect)
    {
        UnionRect(this, &rect);
    }

    // Operators returning CRect values
    CRect operator+(POINT point) const;
    CRect operator-(POINT point) const;
    CRect operator+(LPCRECT lpRect) const;
    CRect operator-(LPCRECT lpRect) const;
    CRect operator+(SIZE size) const;
    CRect operator-(SIZE size) const;
    CRect operator&(const RECT& rect2) const;
    CRect operator|(const RECT& rect2) const;
};

// Implementation

inline CPoint CSize::operator+(POINT point) const
{
    return CPoint(cx + point.x, cy + point.y);
}

inline CPoint CSize::operator-(POINT point) const
{
    return CPoint(cx - point.x, cy - point.y);
}

inline CRect CSize::operator+(const RECT* lpRect) const
{
    return CRect(lpRect) + *this;
}

inline CRect CSize::operator-(const RECT* lpRect) const
{
    return CRect(lpRect) - *this;
}

inline CRect CPoint::operator+(const RECT* lpRect) const
{
    return CRect(lpRect) + *this;
}

inline CRect CPoint::operator-(const RECT* lpRect) const
{
    return CRect(lpRect) - *this;
}
