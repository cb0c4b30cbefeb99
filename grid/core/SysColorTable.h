// Process-wide cache of the system colours used for all grid drawing; refreshed at library
// start-up and whenever a grid window sees the system colours change.
#pragma once
#include "grid/core/GridTypes.h"
#include "afxwin.h"

class CGXSysColorTable
{
  public:
    // Construction
    CGXSysColorTable() = default;
    CGXSysColorTable(const CGXSysColorTable&) = delete;
    CGXSysColorTable& operator=(const CGXSysColorTable&) = delete;

    // Operations
    void Refresh();
    // Cached for indexes below the count, otherwise asked of the system.
    COLORREF GetColor(int nIndex) const;

    // Implementation
    enum
    {
        nColors = 24
    };
    DWORD m_adwColors[nColors] = {};
    int m_nCount = 0; // 0 until the first Refresh
    COLORREF m_clrBtnFace = 0, m_clrBtnShadow = 0, m_clrBtnHilite = 0, m_clrWindowFrame = 0, m_clr3DLight = 0,
             m_clr3DDkShadow = 0, m_clrWindowText = 0, m_clrWindow = 0, m_clrHighlight = 0,
             m_clrHighlightText = 0;
    HCURSOR m_hcurArrow = NULL;
    BOOL m_bWin4 = FALSE;
    int m_cxBorder2 = 1, m_cyBorder2 = 1; // edge width and height
    BOOL m_bSystemClientEdge = FALSE;     // TRUE would leave client edges to the system
    // The drop-down arrow and its disabled form, light grey turned to the button face.
    CBitmap m_bmpDropDown, m_bmpDropDownDisabled;
};

CGXSysColorTable* AFXAPI GXGetSysColorTable();
