// Lines of a multi-column drop-down list drawn in the cell's columns.
#include "grid/controls/TabbedComboLBox.h"
#include "grid/controls/GridCombo.h"
#include "grid/controls/TabbedComboBox.h"
#include "grid/controls/TabbedText.h"

CGXTabbedComboLBox::CGXTabbedComboLBox(CWnd* pOwner, CGXTabbedComboBox* pCombo)
    : CGXComboListBox(pOwner), m_pCombo(pCombo)
{
}

void CGXTabbedComboLBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rect(lpDIS->rcItem);
    if (lpDIS->itemID == (UINT)-1)
    {
        if (lpDIS->itemAction & ODA_FOCUS)
            pDC->DrawFocusRect(&rect);
        return;
    }
    if (lpDIS->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))
    {
        BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
        CGXGridCombo* pPopup = (CGXGridCombo*)GetParent();
        COLORREF rgbText =
            pPopup != NULL && pPopup->m_bColors ? pPopup->m_rgbText : ::GetSysColor(COLOR_WINDOWTEXT);
        COLORREF rgbBack =
            pPopup != NULL && pPopup->m_bColors ? pPopup->m_rgbBack : ::GetSysColor(COLOR_WINDOW);
        if (bSelected)
        {
            rgbBack = ::GetSysColor(COLOR_HIGHLIGHT);
            rgbText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
        }
        CString strLine;
        GetText((int)lpDIS->itemID, strLine);
        const CGXTabbedHeaderSettings& cols = m_pCombo->m_header;
        DrawTabbedLine(pDC, rect, strLine, !cols.m_bShowAllColumns, cols.m_nTextCol, cols.m_nEdgeCount + 1,
                       cols.m_anEdges.data(), ::GetSysColor(COLOR_BTNSHADOW), rgbBack, rgbText);
    }
    if ((lpDIS->itemAction & ODA_FOCUS) ||
        ((lpDIS->itemAction & ODA_DRAWENTIRE) && (lpDIS->itemState & ODS_FOCUS)))
        pDC->DrawFocusRect(&rect);
}

void CGXTabbedComboLBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    lpMIS->itemHeight = std::max(1, m_pCombo->m_nItemHeight);
}
