// Calendar day boxes.
#include "CalendarDayBox.h"

IMPLEMENT_DYNAMIC(CGXBDayBox, CGXBPanel)

void CGXBDayBox::DrawText(CDC* pDC)
{
    CString strDay;
    strDay.Format(_T("%d"), m_date.GetDay());
    COLORREF crOld =
        pDC->SetTextColor(m_bOtherMonth && (m_dwPanelStyle & GXPANEL_GREYOTHER) ? m_crGrey : m_crText);
    m_strText = strDay;
    CGXBPanel::DrawText(pDC);
    pDC->SetTextColor(crOld);
}
