// The bar of seven day names above a calendar page.
#pragma once
#include "CalendarPanel.h"

class CGXBDayBar : public CGXBPanel
{
    DECLARE_DYNAMIC(CGXBDayBar)

  public:
    // 1..7, 1 = Sunday.
    int GetFirstDayOfWeek() const
    {
        return m_nFirstDay;
    }
    // The name of the day in column k (1..7) in the bar's name form.
    CString ColumnDayName(int k) const;

    void DrawText(CDC* pDC) override;

  protected:
    int m_nFirstDay = 1;
};
