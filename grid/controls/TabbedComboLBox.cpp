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
    CGXGridCombo* pPopup = (CGXGridCombo*)GetParent();
    BOOL bColors = pPopup != NULL && pPopup->m_bColors;
    CString strLine;
    if (lpDIS->itemID != (UINT)-1)
        GetText((int)lpDIS->itemID, strLine);
    DrawTabbedListItem(lpDIS, strLine, m_pCombo->m_header,
                       bColors ? pPopup->m_rgbText : ::GetSysColor(COLOR_WINDOWTEXT),
                       bColors ? pPopup->m_rgbBack : ::GetSysColor(COLOR_WINDOW));
}

void CGXTabbedComboLBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    lpMIS->itemHeight = std::max(1, m_pCombo->m_nItemHeight);
}
