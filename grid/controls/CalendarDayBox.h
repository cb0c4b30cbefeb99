// One day of a calendar page: its date and whether it lies outside the displayed month.
#pragma once
#include "CalendarPanel.h"
#include "mfc/OleDateTime.h"

class CGXBDayBox : public CGXBPanel
{
    DECLARE_DYNAMIC(CGXBDayBox)

  public:
    void SetDate(const COleDateTime& date)
    {
        m_date = date;
        m_bDirty = TRUE;
    }
    const COleDateTime& GetDate() const
    {
        return m_date;
    }
    void SetOtherMonth(BOOL b)
    {
        m_bOtherMonth = b;
    }
    BOOL IsOtherMonth() const
    {
        return m_bOtherMonth;
    }

    // The day number, grey outside the displayed month when the style asks for it.
    void DrawText(CDC* pDC) override;

  protected:
    COleDateTime m_date;
    BOOL m_bOtherMonth = FALSE;
};
