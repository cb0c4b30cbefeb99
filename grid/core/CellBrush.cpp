// Cell brushes and their conversion to Windows brush descriptions.
#include "grid/core/CellBrush.h"
#include "grid/core/PatternTable.h"

CGXCellBrush::CGXCellBrush() : m_dw0(0), m_dw1(0)
{
    Set(BS_SOLID, RGB(0, 0, 0), 0);
}

CGXCellBrush::CGXCellBrush(UINT nStyle, COLORREF crBack, UINT nHatch) : m_dw0(0), m_dw1(0)
{
    Set(nStyle, crBack, nHatch);
}

CGXCellBrush::CGXCellBrush(COLORREF crBack) : m_dw0(0), m_dw1(0)
{
    Set(BS_SOLID, crBack, 0);
}

CGXCellBrush& CGXCellBrush::Set(UINT nStyle, COLORREF crBack, UINT nHatch)
{
    m_dw0 = nHatch & 7;
    m_dw1 = (DWORD)(nStyle & 3) << 30 | (63u << 24);
    SetBackColor(crBack);
    SetColor(RGB(255, 255, 255));
    return *this;
}

CGXCellBrush& CGXCellBrush::SetPattern(UINT nPattern)
{
    // The hatch bits come from the pattern table's entry (its bitmap handle).
    HBITMAP hbm = GXGetPatternBitmap((int)(nPattern & 63));
    m_dw0 = (m_dw0 & ~7u) | ((DWORD)(UINT_PTR)hbm & 7u);
    m_dw1 = (m_dw1 & 0x00FFFFFF) | ((DWORD)(nPattern & 63) << 24) | (3u << 30);
    return *this;
}

CGXCellBrush& CGXCellBrush::SetBackColor(COLORREF cr)
{
    GXColorParts p = GXSplitColorValue(cr);
    m_dw0 = (m_dw0 & 0x0F) | (m_dw0 & 0xC0) | (p.nKind << 4) | (p.dwColor << 8);
    return *this;
}

CGXCellBrush& CGXCellBrush::SetColor(COLORREF cr)
{
    GXColorParts p = GXSplitColorValue(cr);
    m_dw0 = (m_dw0 & ~0xC0u) | (p.nKind << 6);
    m_dw1 = (m_dw1 & 0xFF000000) | p.dwColor;
    return *this;
}

COLORREF CGXCellBrush::GetBackColor() const
{
    return GXResolveColor((m_dw0 >> 4) & 3, m_dw0 >> 8);
}

COLORREF CGXCellBrush::GetColor() const
{
    return GXResolveColor((m_dw0 >> 6) & 3, m_dw1 & 0xFFFFFF);
}

COLORREF CGXCellBrush::GetBackColorValue() const
{
    return GXColorValue((m_dw0 >> 4) & 3, m_dw0 >> 8);
}

COLORREF CGXCellBrush::GetColorValue() const
{
    return GXColorValue((m_dw0 >> 6) & 3, m_dw1 & 0xFFFFFF);
}

const LOGBRUSH& CGXCellBrush::GetLogBrush() const
{
    static LOGBRUSH s_lb;
    s_lb.lbStyle = GetStyle();
    s_lb.lbColor = GetBackColor();
    s_lb.lbHatch = GetHatch();
    if (s_lb.lbStyle == BS_PATTERN)
    {
        HBITMAP hbm = GXGetPatternBitmap((int)GetPattern());
        if (hbm != NULL)
            s_lb.lbHatch = (ULONG_PTR)hbm;
        else
            s_lb.lbStyle = BS_HOLLOW;
    }
    return s_lb;
}
