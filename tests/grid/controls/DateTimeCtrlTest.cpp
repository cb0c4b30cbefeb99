// The date-time edit window in a shown window, driven through the system's input queue: the
// gadgets a picture makes, typing into fields with and without fast input, stepping fields,
// the time range of mode 1, the spin steps, the 12-hour field, and the drop-down calendar.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/DTNumericGadget.h"
#include "grid/controls/DTStaticGadget.h"
#include "grid/controls/DateTimeCtrl.h"
#include "grid/controls/PopupCalendar.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
struct DateTimeFixture : ::testing::Test
{
    DateTimeFixture() : owner(_T("Datum"))
    {
    }
    void Open(LPCTSTR pszPicture, const COleDateTime& value, DWORD dwStyle = 0)
    {
        ctrl.SetDateTime(value);
        ASSERT_TRUE(ctrl.Create(0, WS_VISIBLE | dwStyle, CRect(10, 10, 260, 34), &owner, 100));
        ctrl.SetFormat(pszPicture);
        ctrl.SetFocus();
        PumpMessages(60);
    }
    // The index of the gadget with a field id.
    int GadgetOf(int nId)
    {
        for (INT_PTR i = 0; i < ctrl.GetGadgets().GetSize(); i++)
            if (ctrl.GetGadgets().GetGadget(i)->GetId() == nId)
                return (int)i;
        return -1;
    }
    void Focus(int nId)
    {
        ctrl.SetCurrentGadget(GadgetOf(nId));
    }
    int CurrentId()
    {
        return ctrl.GetCurrent() != NULL ? ctrl.GetCurrent()->GetId() : 0;
    }
    CShownTestWindow owner;
    CGXBDateTimeCtrl ctrl;
};

TEST_F(DateTimeFixture, APictureMakesNumberFieldsAndLiteralTexts)
{
    Open(_T("dd.MM.yyyy HH:mm"), COleDateTime(2023, 1, 5, 9, 7, 0));
    const CGXBDTGadgetArray& g = ctrl.GetGadgets();
    ASSERT_EQ(9, g.GetSize());
    const int anIds[] = {GXDT_DAY, -1, GXDT_MONTH, -1, GXDT_YEAR4, -1, GXDT_HOUR24, -1, GXDT_MINUTE};
    const LPCTSTR apszStatic[] = {NULL, _T("."), NULL, _T("."), NULL, _T(" "), NULL, _T(":"), NULL};
    for (int i = 0; i < 9; i++)
    {
        EXPECT_EQ(anIds[i], g.GetGadget(i)->GetId()) << i;
        EXPECT_EQ(apszStatic[i] == NULL, g.GetGadget(i)->IsKindOf(RUNTIME_CLASS(CGXBDTNumericGadget))) << i;
        if (apszStatic[i] != NULL)
        {
            EXPECT_EQ(CString(apszStatic[i]), g.GetGadget(i)->GetText());
        }
    }
    EXPECT_EQ(CString("05.01.2023 09:07"), ctrl.GetGadgetText());
    EXPECT_EQ(GXDT_DAY, CurrentId());
    TypeKey(VK_OEM_PERIOD); // the separator jumps to the next field
    EXPECT_EQ(GXDT_MONTH, CurrentId());
}

TEST_F(DateTimeFixture, TypingTheDayMovesToTheMonthWithFastInputOnly)
{
    for (BOOL bFast : {TRUE, FALSE})
    {
        if (ctrl.GetSafeHwnd())
            ctrl.DestroyWindow();
        ctrl.SetFastInput(bFast);
        Open(_T("dd.MM.yyyy"), COleDateTime(2023, 1, 5, 0, 0, 0));
        TypeKey('3');
        EXPECT_EQ(GXDT_DAY, CurrentId());
        TypeKey('1');
        EXPECT_EQ(31, ctrl.GetDateTime().GetDay());
        EXPECT_EQ(bFast ? GXDT_MONTH : GXDT_DAY, CurrentId()) << bFast;
        EXPECT_TRUE(ctrl.IsModified());
    }
}

TEST_F(DateTimeFixture, UpAndDownStepTheFieldsKeepingTheDayInsideTheMonth)
{
    Open(_T("dd.MM.yyyy HH:mm"), COleDateTime(2023, 1, 31, 23, 59, 0));
    struct
    {
        int nId;
        WORD vk;
        COleDateTime expected;
    } steps[] = {
        {GXDT_MONTH, VK_UP, COleDateTime(2023, 2, 28, 23, 59, 0)},
        {GXDT_YEAR4, VK_UP, COleDateTime(2024, 2, 28, 23, 59, 0)},
        {GXDT_DAY, VK_UP, COleDateTime(2024, 2, 29, 23, 59, 0)},
        {GXDT_DAY, VK_UP, COleDateTime(2024, 2, 1, 23, 59, 0)},
        {GXDT_DAY, VK_DOWN, COleDateTime(2024, 2, 29, 23, 59, 0)},
        {GXDT_HOUR24, VK_UP, COleDateTime(2024, 2, 29, 0, 59, 0)},
        {GXDT_MINUTE, VK_UP, COleDateTime(2024, 2, 29, 0, 0, 0)},
        {GXDT_MONTH, VK_HOME, COleDateTime(2024, 1, 29, 0, 0, 0)},
        {GXDT_MONTH, VK_END, COleDateTime(2024, 12, 29, 0, 0, 0)},
    };
    for (const auto& s : steps)
    {
        Focus(s.nId);
        TypeKey(s.vk);
        EXPECT_EQ(s.expected, ctrl.GetDateTime()) << s.nId << " " << s.vk;
    }
    EXPECT_EQ(CString("29.12.2024 00:00"), ctrl.GetGadgetText());
}

TEST_F(DateTimeFixture, ATimeMinimumSetsTheLowerFieldsOrRefusesARealDate)
{
    Open(_T("HH:mm:ss"), COleDateTime(1899, 12, 30, 11, 15, 0));
    ASSERT_TRUE(
        ctrl.SetMinMax(COleDateTime(1899, 12, 30, 10, 30, 0), COleDateTime(1899, 12, 30, 23, 0, 0), 1));
    Focus(GXDT_HOUR24);
    TypeKey(VK_DOWN);
    EXPECT_EQ(COleDateTime(1899, 12, 30, 10, 30, 0), ctrl.GetDateTime());
    ASSERT_TRUE(ctrl.SetDateTime(COleDateTime(2024, 5, 1, 11, 15, 0)));
    TypeKey(VK_DOWN);
    EXPECT_EQ(COleDateTime(2024, 5, 1, 11, 15, 0), ctrl.GetDateTime());
}

TEST_F(DateTimeFixture, SpinStepsAreCappedForTheDayButNotForTheYear)
{
    Open(_T("dd.MM.yyyy"), COleDateTime(2023, 1, 10, 0, 0, 0), GXDT_SPINBUTTON_STYLE);
    ASSERT_EQ(1, ctrl.GetFixedCount());
    Focus(GXDT_YEAR4);
    EXPECT_TRUE(ctrl.OnGadgetNotify(GXDT_NOTIFY_SPINUP, GXDT_SPINBUTTON, 5));
    EXPECT_EQ(2028, ctrl.GetDateTime().GetYear());
    Focus(GXDT_DAY);
    EXPECT_TRUE(ctrl.OnGadgetNotify(GXDT_NOTIFY_SPINDOWN, GXDT_SPINBUTTON, 5));
    EXPECT_EQ(8, ctrl.GetDateTime().GetDay());
    // A click on the spin button's upper half steps the current field once.
    CRect rectSpin = ctrl.GetGadgets().GetGadget(0)->GetRect();
    ClickAt(&ctrl, CPoint(rectSpin.CenterPoint().x, rectSpin.top + 2));
    EXPECT_EQ(9, ctrl.GetDateTime().GetDay());
}

TEST_F(DateTimeFixture, TwelveInAHourFieldOfTwelveHoursFollowsTheHalfOfTheDay)
{
    Open(_T("hh:mm tt"), COleDateTime(2023, 1, 10, 9, 0, 0));
    Focus(GXDT_HOUR12);
    TypeKey('1');
    TypeKey('2');
    EXPECT_EQ(0, ctrl.GetDateTime().GetHour());
    ASSERT_TRUE(ctrl.SetDateTime(COleDateTime(2023, 1, 10, 15, 0, 0)));
    Focus(GXDT_HOUR12);
    TypeKey('1');
    TypeKey('2');
    EXPECT_EQ(12, ctrl.GetDateTime().GetHour());
}

TEST_F(DateTimeFixture, TheCalendarPutsTheChosenDayIntoTheValueKeepingItsTime)
{
    Open(_T("dd.MM.yyyy"), COleDateTime(2004, 2, 10, 10, 20, 0), GXDT_CALENDARBUTTON_STYLE);
    KeyWith(VK_MENU, VK_DOWN);
    CGXBPopupCalendar* pCalendar = ctrl.GetCalendar();
    ASSERT_NE(nullptr, pCalendar);
    CRect rectCtrl, rectCalendar;
    ctrl.GetWindowRect(&rectCtrl);
    pCalendar->GetWindowRect(&rectCalendar);
    EXPECT_EQ(rectCtrl.bottom, rectCalendar.top);
    EXPECT_EQ(1, pCalendar->GetDayBox(0).GetDate().GetDayOfWeek());
    for (WORD vk : {VK_RIGHT, VK_DOWN, VK_NEXT, VK_RETURN})
        TypeKey(vk);
    PumpUntil([&] { return ctrl.GetCalendar() == NULL; }, 2000);
    EXPECT_EQ(COleDateTime(2004, 3, 1, 10, 20, 0), ctrl.GetDateTime());

    // Escape changes nothing; a click on the button opens it too.
    ctrl.SetFocus();
    CRect rectButton = ctrl.GetGadgets().GetGadget(0)->GetRect();
    ClickAt(&ctrl, rectButton.CenterPoint());
    ASSERT_NE(nullptr, ctrl.GetCalendar());
    TypeKey(VK_RIGHT);
    TypeKey(VK_ESCAPE);
    PumpUntil([&] { return ctrl.GetCalendar() == NULL; }, 2000);
    EXPECT_EQ(COleDateTime(2004, 3, 1, 10, 20, 0), ctrl.GetDateTime());
}
} // namespace
