// Border pens.
#include "grid/core/CellPen.h"

CGXCellPen::CGXCellPen() : CGXCellPen(styleNotSet, 1, RGB(0, 0, 0))
{
}

CGXCellPen::CGXCellPen(UINT nStyle, UINT nWidth, COLORREF cr) : m_dw0(0), m_dw1(0)
{
    SetStyle(nStyle);
    SetWidth(nWidth);
    StoreColor(cr);
}

CGXCellPen& CGXCellPen::SetStyle(UINT nStyle)
{
    m_dw0 = (m_dw0 & ~7u) | (nStyle & 7);
    return *this;
}

CGXCellPen& CGXCellPen::SetWidth(UINT nWidth)
{
    m_dw0 = (m_dw0 & ~(0xFFFFu << 3)) | ((nWidth & 0xFFFF) << 3);
    return *this;
}

void CGXCellPen::StoreColor(COLORREF cr)
{
    GXColorParts p = GXSplitColorValue(cr);
    m_dw0 = (m_dw0 & ~(3u << 19)) | (p.nKind << 19);
    m_dw1 = p.dwColor;
}

CGXCellPen& CGXCellPen::SetColor(COLORREF cr)
{
    StoreColor(cr);
    if (!GetInclude())
        SetStyle(PS_SOLID);
    return *this;
}

CGXCellPen& CGXCellPen::SetInclude(BOOL b)
{
    if (!b)
        SetStyle(styleNotSet);
    else if (!GetInclude())
        SetStyle(PS_SOLID);
    return *this;
}

COLORREF CGXCellPen::GetColor() const
{
    return GXResolveColor((m_dw0 >> 19) & 3, m_dw1);
}

COLORREF CGXCellPen::GetColorValue() const
{
    return GXColorValue((m_dw0 >> 19) & 3, m_dw1);
}

const LOGPEN& CGXCellPen::GetLogPen() const
{
    static LOGPEN s_lp;
    s_lp.lopnStyle = GetStyle();
    s_lp.lopnWidth.x = (LONG)GetWidth();
    s_lp.lopnWidth.y = 0;
    s_lp.lopnColor = GetColor();
    return s_lp;
}

BOOL CGXCellPen::GetBorderBrush(const CGXCellBrush& interior, BOOL bHorizontal, BOOL bBlackWhite,
                                CGXCellBrush& brush) const
{
    // Pattern indexes for dash, dot, dash-dot and dash-dot-dot: stripes along x for horizontal
    // sides, along y for vertical ones.
    static const UINT anHorizontal[4] = {33, 34, 35, 36};
    static const UINT anVertical[4] = {37, 38, 39, 40};
    UINT nStyle = GetStyle();
    if (nStyle == PS_NULL)
    {
        brush = interior;
        return TRUE;
    }
    if (nStyle < PS_DASH || nStyle > PS_DASHDOTDOT)
        return FALSE;
    brush.SetPattern((bHorizontal ? anHorizontal : anVertical)[nStyle - PS_DASH]);
    if (bBlackWhite)
    {
        brush.SetColor(RGB(255, 255, 255));
        brush.SetBackColor(RGB(0, 0, 0));
    }
    else
    {
        brush.SetBackColor(GetColorValue());
        brush.SetColor(interior.GetStyle() == 0 ? interior.GetBackColorValue() : interior.GetColorValue());
    }
    return TRUE;
}
