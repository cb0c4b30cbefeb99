// The calendar's title: month and year, with the buttons that turn the page by a month or a year.
#pragma once
#include "CalendarPanel.h"
#include "mfc/Button.h"
#include "mfc/OleDateTime.h"

class CGXBCalendar;

class CGXBCalTitle : public CGXBPanel
{
    DECLARE_DYNAMIC(CGXBCalTitle)

  public:
    CGXBCalTitle() = default;
    // Creates the month pair and the year pair of buttons as the calendar style asks.
    BOOL CreateTitle(CGXBCalendar* pCalendar, DWORD dwCalendarStyle, DWORD dwPanelStyle, int nRingWidth);

    // Also places the buttons.
    virtual void SetRect(const CRect& rect);
    // "month year".
    virtual void SetDate(const COleDateTime& date);
    void Draw(CDC* pDC) override;

    CButton* GetButton(int i)
    {
        return &m_buttons[i];
    }

  protected:
    CGXBCalendar* m_pOwnerCalendar = NULL;
    // Previous month, next month, previous year, next year.
    CButton m_buttons[4];
};
