// SECListPaintContext: what painting and measuring know about the cell in hand. Made by the
// list's CreatePaintContext per pass, so a derived control can carry more.
#pragma once
#include "ListColumn.h"
#include "ListItem.h"

class SECListPaintContext
{
  public:
    explicit SECListPaintContext(CDC* pDC) : m_pDC(pDC)
    {
        memset(&m_item, 0, sizeof(m_item));
    }
    // The DC gets back the font it had before the context selected one.
    virtual ~SECListPaintContext()
    {
        if (m_hFontBefore != NULL)
            ::SelectObject(m_pDC->m_hDC, m_hFontBefore);
    }
    SECListPaintContext(const SECListPaintContext&) = delete;
    SECListPaintContext& operator=(const SECListPaintContext&) = delete;

    // Selects the font unless the DC holds it already. Under Wine every font selected into a DC
    // of the display asks X for its font defaults, which reads files each time when the display
    // has none: a pass keeps its font selected from cell to cell.
    void SelectFont(HFONT hFont)
    {
        if (::GetCurrentObject(m_pDC->m_hDC, OBJ_FONT) == hFont)
            return;
        HGDIOBJ hOld = ::SelectObject(m_pDC->m_hDC, hFont);
        if (m_hFontBefore == NULL)
            m_hFontBefore = hOld;
    }

    enum
    {
        GREY_TEXT = 0x100 // in m_dwFlags[1]: draw the text in the grey text colour
    };

    LVITEMA m_item;
    DWORD m_dwFlags[3] = {0, 0, 0};
    CDC* m_pDC;
    CRect m_rect{0, 0, 0, 0};
    int m_nColumn = 0;
    UINT m_nView = 0;
    DWORD m_dwReserved = 0;
    HFONT m_hFont = NULL;
    SECListItem* m_pItem = NULL;
    SECListSubItem* m_pSubItem = NULL;
    SECListColumn* m_pColumn = NULL;
    COLORREF m_rgbText = 0;
    COLORREF m_rgbBk = 0;
    COLORREF m_rgbCellBk = 0;
    COLORREF m_rgbSecondary = 0;
    BOOL m_bPrinting = FALSE;

  private:
    HGDIOBJ m_hFontBefore = NULL;
};
