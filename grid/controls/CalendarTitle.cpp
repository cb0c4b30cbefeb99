// The calendar's title and its page buttons.
#include "CalendarTitle.h"
#include "Calendar.h"

IMPLEMENT_DYNAMIC(CGXBCalTitle, CGXBPanel)

namespace
{
// Texts and command ids of the buttons, in the order of m_buttons.
const struct
{
    LPCTSTR pszText;
    UINT nID;
} s_buttons[] = {{_T("<"), GX_IDC_CALENDAR_PREVMONTH},
                 {_T(">"), GX_IDC_CALENDAR_NEXTMONTH},
                 {_T("<<"), GX_IDC_CALENDAR_PREVYEAR},
                 {_T(">>"), GX_IDC_CALENDAR_NEXTYEAR}};
} // namespace

BOOL CGXBCalTitle::CreateTitle(CGXBCalendar* pCalendar, DWORD dwCalendarStyle, DWORD dwPanelStyle,
                               int nRingWidth)
{
    m_pOwnerCalendar = pCalendar;
    BOOL bOk = Create(pCalendar, dwCalendarStyle, dwPanelStyle, nRingWidth);
    for (int i = 0; i < 4; i++)
    {
        DWORD dwBit = i < 2 ? GXCAL_MONTHBUTTONS : GXCAL_YEARBUTTONS;
        if ((dwCalendarStyle & dwBit) && m_buttons[i].GetSafeHwnd() == NULL)
            bOk = m_buttons[i].Create(s_buttons[i].pszText, WS_CHILD, CRect(0, 0, 1, 1), pCalendar,
                                      s_buttons[i].nID) &&
                  bOk;
    }
    return bOk;
}

void CGXBCalTitle::SetRect(const CRect& rect)
{
    CGXBPanel::SetRect(rect);
    int w = rect.right - rect.left, dy = (rect.bottom - rect.top) / 5;
    BOOL bYears = m_buttons[2].GetSafeHwnd() != NULL;
    int nMonthFrom = bYears ? 30 : 10, nMonthTo = bYears ? 50 : 30;
    const struct
    {
        int nFrom, nTo;
        BOOL bLeft;
    } places[] = {
        {nMonthFrom, nMonthTo, TRUE}, {nMonthFrom, nMonthTo, FALSE}, {10, 30, TRUE}, {10, 30, FALSE}};
    for (int i = 0; i < 4; i++)
    {
        if (m_buttons[i].GetSafeHwnd() == NULL)
            continue;
        const auto& p = places[i];
        CRect rectButton(0, rect.top + dy, 0, rect.bottom - dy);
        if (p.bLeft)
        {
            rectButton.left = rect.left + p.nFrom * w / 200;
            rectButton.right = rect.left + p.nTo * w / 200;
        }
        else
        {
            rectButton.left = rect.right - p.nTo * w / 200;
            rectButton.right = rect.right - p.nFrom * w / 200;
        }
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof(wp);
        m_buttons[i].GetWindowPlacement(&wp);
        wp.rcNormalPosition = rectButton;
        wp.showCmd = SW_SHOWNA;
        m_buttons[i].SetWindowPlacement(&wp);
        m_buttons[i].ShowWindow(SW_SHOWNA);
        m_buttons[i].EnableWindow(TRUE);
    }
}

void CGXBCalTitle::SetDate(const COleDateTime& date)
{
    CString strMonth, strTitle;
    GXGetMonthName(strMonth, date.GetMonth(), (m_dwPanelStyle & GXPANEL_FULLMONTH) != 0);
    strTitle.Format(_T("%s %d"), (LPCTSTR)strMonth, date.GetYear());
    SetText(strTitle);
}

void CGXBCalTitle::Draw(CDC* pDC)
{
    CGXBPanel::Draw(pDC);
    CFont* pFont = pDC->GetCurrentFont();
    for (CButton& button : m_buttons)
        if (button.GetSafeHwnd() != NULL && button.IsWindowVisible())
        {
            button.SendMessage(WM_SETFONT, (WPARAM)pFont->GetSafeHandle(), TRUE);
            button.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        }
}
