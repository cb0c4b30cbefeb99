// System colours and the colour-value helpers that resolve them.
#include "grid/core/SysColorTable.h"
#include "grid/core/DrawingAndFormatting.h"
#include "GridIds.h"

void CGXSysColorTable::Refresh()
{
    m_nCount = nColors;
    for (int i = 0; i < nColors; i++)
        m_adwColors[i] = ::GetSysColor(i);
    m_clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    m_clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_clrBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_clrWindowFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    m_clr3DLight = ::GetSysColor(COLOR_3DLIGHT);
    m_clr3DDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    m_clrWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_clrWindow = ::GetSysColor(COLOR_WINDOW);
    m_clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    m_clrHighlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_hcurArrow = ::LoadCursor(NULL, IDC_ARROW);
    m_bWin4 = LOBYTE(LOWORD(::GetVersion())) >= 4;
    m_cxBorder2 = m_cyBorder2 = m_bWin4 ? 2 : 1;
    GXLoadSysColorBitmap(m_bmpDropDown, MAKEINTRESOURCE(GX_IDB_DROPDOWN));
    GXLoadSysColorBitmap(m_bmpDropDownDisabled, MAKEINTRESOURCE(GX_IDB_DROPDOWN_DISABLED));
}

COLORREF CGXSysColorTable::GetColor(int nIndex) const
{
    if (nIndex >= 0 && nIndex < m_nCount)
        return m_adwColors[nIndex];
    return ::GetSysColor(nIndex);
}

CGXSysColorTable* AFXAPI GXGetSysColorTable()
{
    static CGXSysColorTable s_table;
    return &s_table;
}

GXColorParts AFXAPI GXSplitColorValue(COLORREF value)
{
    DWORD h = value >> 24;
    if (h >= 65 && h <= 254)
        return GXColorParts{3, 254 - h};
    return GXColorParts{h & 3, value & 0xFFFFFF};
}

COLORREF AFXAPI GXResolveColor(DWORD nKind, DWORD dwColor)
{
    if (nKind == 3)
        return GXGetSysColorTable()->GetColor((int)dwColor);
    return (nKind << 24) | (dwColor & 0xFFFFFF);
}

COLORREF AFXAPI GXColorValue(DWORD nKind, DWORD dwColor)
{
    if (nKind == 3)
        return ((254 - dwColor) << 24) | (GXGetSysColorTable()->GetColor((int)dwColor) & 0xFFFFFF);
    return (nKind << 24) | (dwColor & 0xFFFFFF);
}
