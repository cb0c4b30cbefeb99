// CRect: the members that do more than forward to user32.
#include "Rect.h"

void CRect::InflateRect(LPCRECT lpRect)
{
    left -= lpRect->left;
    top -= lpRect->top;
    right += lpRect->right;
    bottom += lpRect->bottom;
}

void CRect::InflateRect(int l, int t, int r, int b)
{
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

void CRect::DeflateRect(LPCRECT lpRect)
{
    left += lpRect->left;
    top += lpRect->top;
    right -= lpRect->right;
    bottom -= lpRect->bottom;
}

void CRect::DeflateRect(int l, int t, int r, int b)
{
    left += l;
    top += t;
    right -= r;
    bottom -= b;
}

void CRect::NormalizeRect()
{
    if (left > right)
    {
        LONG nTemp = left;
        left = right;
        right = nTemp;
    }
    if (top > bottom)
    {
        LONG nTemp = top;
        top = bottom;
        bottom = nTemp;
    }
}

CRect CRect::MulDiv(int nMultiplier, int nDivisor) const
{
    return CRect(::MulDiv(left, nMultiplier, nDivisor), ::MulDiv(top, nMultiplier, nDivisor),
                 ::MulDiv(right, nMultiplier, nDivisor), ::MulDiv(bottom, nMultiplier, nDivisor));
}

CRect CRect::operator+(POINT point) const
{
    CRect rect(*this);
    rect.OffsetRect(point.x, point.y);
    return rect;
}

CRect CRect::operator-(POINT point) const
{
    CRect rect(*this);
    rect.OffsetRect(-point.x, -point.y);
    return rect;
}

CRect CRect::operator+(SIZE size) const
{
    CRect rect(*this);
    rect.OffsetRect(size.cx, size.cy);
    return rect;
}

CRect CRect::operator-(SIZE size) const
{
    CRect rect(*this);
    rect.OffsetRect(-size.cx, -size.cy);
    return rect;
}

CRect CRect::operator+(LPCRECT lpRect) const
{
    CRect rect(this);
    rect.InflateRect(lpRect);
    return rect;
}

CRect CRect::operator-(LPCRECT lpRect) const
{
    CRect rect(this);
    rect.DeflateRect(lpRect);
    return rect;
}

CRect CRect::operator&(const RECT& rect2) const
{
    CRect rect;
    ::IntersectRect(&rect, this, &rect2);
    return rect;
}

CRect CRect::operator|(const RECT& rect2) const
{
    CRect rect;
    ::UnionRect(&rect, this, &rect2);
    return rect;
}
