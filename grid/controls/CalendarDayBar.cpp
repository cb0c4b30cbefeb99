// The calendar's day-name bar.
#include "CalendarDayBar.h"
#include "Calendar.h"
#include "grid/core/SysColorTable.h"

IMPLEMENT_DYNAMIC(CGXBDayBar, CGXBPanel)

CString CGXBDayBar::ColumnDayName(int k) const
{
    CString strName;
    GXGetDayName(strName, (m_nFirstDay - 2 + k) % 7 + 1, (m_dwPanelStyle & GXPANEL_FULLDAY) != 0);
    return strName;
}

void CGXBDayBar::DrawText(CDC* pDC)
{
    CRect rect = GetTextRect();
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    UINT nOldAlign = pDC->SetTextAlign(TA_CENTER | TA_BASELINE);
    for (int k = 1; k <= 7; k++)
    {
        CRect rectCell(rect.left + CGXBCalendar::ColumnBound(rect.Width(), k - 1), rect.top,
                       rect.left + CGXBCalendar::ColumnBound(rect.Width(), k), rect.bottom);
        CString strName = ColumnDayName(k);
        pDC->ExtTextOut(rectCell.CenterPoint().x, rectCell.top + rectCell.Height() / 2 + tm.tmAscent / 2,
                        ETO_CLIPPED, &rectCell, strName, strName.GetLength(), NULL);
    }
    pDC->SetTextAlign(nOldAlign);
}
