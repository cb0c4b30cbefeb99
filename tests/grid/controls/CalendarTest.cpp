// The month calendar alone, in a shown window that records what the calendar posts to it:
// pages starting on Sunday, keys moving the selection across months and years, a click on a
// day of the next month turning the page, acceptance and cancellation, and the pop-up variant.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/PopupCalendar.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace testing_support;

namespace
{
struct Posted
{
    UINT nMsg;
    WPARAM wParam;
    COleDateTime date; // of the day box in lParam, when there is one
};

// A shown window that owns calendars and records their messages.
class CCalendarOwner : public CShownTestWindow
{
  public:
    CCalendarOwner() : CShownTestWindow(_T("Kalender"))
    {
        SetWindowPos(NULL, 20, 20, 420, 360, SWP_NOZORDER);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= GX_WM_CALENDAR_SELECT && message <= GX_WM_CALENDAR_CANCEL)
        {
            CGXBDayBox* pBox = (CGXBDayBox*)lParam;
            m_posted.push_back({message, wParam, pBox != NULL ? pBox->GetDate() : COleDateTime()});
            return 0;
        }
        return CShownTestWindow::WindowProc(message, wParam, lParam);
    }
    std::vector<Posted> m_posted;
};

COleDateTime Day(int y, int m, int d)
{
    return COleDateTime(y, m, d, 12, 0, 0);
}

struct CalendarFixture : ::testing::Test
{
    void Open(const COleDateTime& displayed)
    {
        calendar.SetDisplayedDate(displayed, FALSE);
        ASSERT_TRUE(calendar.Create(WS_VISIBLE, CRect(10, 10, 290, 250), &owner, 100));
        calendar.SetFocus();
        PumpMessages(60);
        owner.m_posted.clear();
    }
    // The last selection posted, which must be the calendar's answer too.
    void ExpectSelected(const COleDateTime& date)
    {
        ASSERT_FALSE(owner.m_posted.empty());
        const Posted& last = owner.m_posted.back();
        EXPECT_EQ((UINT)GX_WM_CALENDAR_SELECT, last.nMsg);
        EXPECT_EQ(TRUE, (BOOL)last.wParam);
        EXPECT_EQ(date, last.date);
        EXPECT_EQ(date, calendar.GetSelectedDate());
    }
    CCalendarOwner owner;
    CGXBCalendar calendar;
};

TEST_F(CalendarFixture, APageStartsOnTheSundayAtOrBeforeTheFirst)
{
    Open(Day(2004, 3, 15));
    struct
    {
        COleDateTime displayed, first;
    } cases[] = {{Day(2004, 3, 15), Day(2004, 2, 29)}, // 1 March 2004 was a Monday
                 {Day(2004, 2, 10), Day(2004, 2, 1)},  // 1 February 2004 was a Sunday
                 {Day(2000, 1, 1), Day(1999, 12, 26)}};
    for (const auto& c : cases)
    {
        ASSERT_TRUE(calendar.SetDisplayedDate(c.displayed, TRUE));
        EXPECT_EQ(c.first, calendar.GetDayBox(0).GetDate());
        EXPECT_EQ(1, calendar.GetDayBox(0).GetDate().GetDayOfWeek());
        EXPECT_EQ(c.first + COleDateTimeSpan(41, 0, 0, 0), calendar.GetDayBox(41).GetDate());
    }
    EXPECT_TRUE(owner.m_posted.empty());
}

TEST_F(CalendarFixture, EndInALeapFebruarySelectsThe29th)
{
    Open(Day(2004, 2, 10));
    TypeKey(VK_END);
    ExpectSelected(Day(2004, 2, 29));
    TypeKey(VK_HOME);
    ExpectSelected(Day(2004, 2, 1));
}

TEST_F(CalendarFixture, PageDownFromTheLastOfJanuarySelectsTheFirstOfFebruary)
{
    Open(Day(2004, 1, 5));
    calendar.SelectDate(Day(2004, 1, 31), TRUE);
    owner.m_posted.clear();
    TypeKey(VK_NEXT);
    ExpectSelected(Day(2004, 2, 1));
    EXPECT_EQ(2, calendar.GetDisplayedDate().GetMonth());
    TypeKey(VK_RIGHT);
    ExpectSelected(Day(2004, 2, 2));
    TypeKey(VK_UP);
    ExpectSelected(Day(2004, 1, 26));
    EXPECT_EQ(1, calendar.GetDisplayedDate().GetMonth());
}

TEST_F(CalendarFixture, NextYearKeepsTheDayOrTakesThe28thAndStopsIn9999)
{
    Open(Day(2004, 2, 1));
    calendar.SelectDate(Day(2004, 2, 29), TRUE);
    owner.m_posted.clear();
    EXPECT_EQ(1, calendar.NextYear(TRUE));
    PumpMessages(40);
    ExpectSelected(Day(2005, 2, 28));
    EXPECT_EQ(2005, calendar.GetDisplayedDate().GetYear());

    ASSERT_TRUE(calendar.SetDisplayedDate(Day(9999, 10, 1), TRUE));
    calendar.SelectDate(Day(9999, 10, 15), TRUE);
    PumpMessages(40);
    owner.m_posted.clear();
    EXPECT_EQ(0, calendar.NextYear(TRUE));
    EXPECT_EQ(0, calendar.NextYear(FALSE));
    PumpMessages(40);
    EXPECT_TRUE(owner.m_posted.empty());
    EXPECT_EQ(Day(9999, 10, 15), calendar.GetSelectedDate());
    // Not a month that a page may show.
    EXPECT_FALSE(calendar.SetDisplayedDate(Day(9999, 12, 1), TRUE));
    EXPECT_EQ(10, calendar.GetDisplayedDate().GetMonth());
}

TEST_F(CalendarFixture, AClickOnAGreyDayTurnsThePageAndSelectsIt)
{
    Open(Day(2004, 2, 10));
    CGXBDayBox& box = calendar.GetDayBox(29);
    ASSERT_EQ(Day(2004, 3, 1), box.GetDate());
    ASSERT_TRUE(box.IsOtherMonth());
    ClickAt(&calendar, box.GetWindowRect().CenterPoint());
    EXPECT_EQ(3, calendar.GetDisplayedDate().GetMonth());
    ExpectSelected(Day(2004, 3, 1));
    EXPECT_FALSE(calendar.GetDayBox(1).IsOtherMonth()); // 1 March now stands in the first row
}

TEST_F(CalendarFixture, EnterAcceptsASelectionAndCancelsWithoutOne)
{
    Open(Day(2004, 2, 10));
    TypeKey(VK_RETURN);
    ASSERT_EQ(1u, owner.m_posted.size());
    EXPECT_EQ((UINT)GX_WM_CALENDAR_CANCEL, owner.m_posted[0].nMsg);
    EXPECT_FALSE(calendar.IsWindowVisible());

    calendar.ShowWindow(SW_SHOW);
    calendar.SelectDate(Day(2004, 2, 12), TRUE);
    PumpMessages(40);
    owner.m_posted.clear();
    TypeKey(VK_RETURN);
    ASSERT_EQ(1u, owner.m_posted.size());
    EXPECT_EQ((UINT)GX_WM_CALENDAR_ACCEPT, owner.m_posted[0].nMsg);
    EXPECT_EQ(Day(2004, 2, 12), calendar.GetSelectedDate());
    EXPECT_FALSE(calendar.IsWindowVisible());
}

TEST_F(CalendarFixture, MarksAreKeptAndPostedForDaysOnThePage)
{
    Open(Day(2004, 2, 10));
    EXPECT_TRUE(calendar.ToggleMarkDate(Day(2004, 2, 3)));
    PumpMessages(40);
    ASSERT_EQ(1u, owner.m_posted.size());
    EXPECT_EQ((UINT)GX_WM_CALENDAR_MARK, owner.m_posted[0].nMsg);
    EXPECT_TRUE(calendar.GetDayBox(2).IsMarked());
    calendar.MarkDate(Day(2004, 7, 1), TRUE); // off the page: kept, nothing posted
    PumpMessages(40);
    EXPECT_EQ(1u, owner.m_posted.size());
    EXPECT_TRUE(calendar.IsMarkedDate(Day(2004, 7, 1)));
    EXPECT_TRUE(calendar.ToggleMarkDate(Day(2004, 2, 3)));
    EXPECT_FALSE(calendar.IsMarkedDate(Day(2004, 2, 3)));
    EXPECT_FALSE(calendar.GetDayBox(2).IsMarked());
}

TEST(PopupCalendar, OpensBelowTheOwnerRectangleAndClosesOnEscapeOrDeactivation)
{
    CCalendarOwner owner;
    CRect rectAnchor(30, 40, 130, 60);
    owner.ClientToScreen(&rectAnchor);
    for (int nAction : {CGXBPopupCalendar::closeCancel, CGXBPopupCalendar::closeAccept})
    {
        auto popup = std::make_unique<CGXBPopupCalendar>();
        popup->SetDisplayedDate(Day(2004, 2, 10), FALSE);
        popup->SelectDate(Day(2004, 2, 12), TRUE);
        popup->SetCloseAction(nAction);
        ASSERT_TRUE(popup->CreatePopup(WS_POPUP | WS_VISIBLE | WS_BORDER | 1, rectAnchor, &owner));
        PumpMessages(60);
        CRect rectWnd;
        popup->GetWindowRect(&rectWnd);
        EXPECT_EQ(rectAnchor.bottom, rectWnd.top);
        EXPECT_EQ(rectAnchor.left, rectWnd.left);
        EXPECT_EQ(popup->GetSafeHwnd(), ::GetFocus());
        owner.m_posted.clear();
        // Losing activation: cancels with action 2, accepts the selected day with action 1.
        owner.SetForegroundWindow();
        owner.SetActiveWindow();
        PumpMessages(100);
        ASSERT_EQ(1u, owner.m_posted.size());
        EXPECT_EQ(
            (UINT)(nAction == CGXBPopupCalendar::closeCancel ? GX_WM_CALENDAR_CANCEL : GX_WM_CALENDAR_ACCEPT),
            owner.m_posted[0].nMsg);
        EXPECT_FALSE(popup->IsWindowVisible());
    }
    auto popup = std::make_unique<CGXBPopupCalendar>();
    ASSERT_TRUE(popup->CreatePopup(WS_POPUP | WS_VISIBLE | WS_BORDER | 1, rectAnchor, &owner));
    PumpMessages(60);
    owner.m_posted.clear();
    TypeKey(VK_ESCAPE);
    ASSERT_EQ(1u, owner.m_posted.size());
    EXPECT_EQ((UINT)GX_WM_CALENDAR_CANCEL, owner.m_posted[0].nMsg);
}
} // namespace
