// Date-time cells in a shown grid, driven through the system's input queue: the shown text of
// good and bad values, typing and stepping fields, the spin and calendar buttons, the pop-up
// calendar, storing the serial number, and pasting texts that do not fit.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/DateTimeCell.h"
#include "grid/controls/PopupCalendar.h"
#include "grid/core/StylesMap.h"
#include "grid/factory/ControlFactory.h"
#include "GridIds.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
CString ShortDate(int y, int m, int d)
{
    SYSTEMTIME st = {};
    st.wYear = (WORD)y;
    st.wMonth = (WORD)m;
    st.wDay = (WORD)d;
    char sz[64] = {};
    ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, NULL, sz, sizeof(sz));
    return sz;
}

struct DateGrid : GridWindow
{
    DateGrid() : GridWindow(420, 240)
    {
        grid->SetRowCount(6, GX_NOREDRAW);
        grid->SetColCount(3, GX_NOREDRAW);
        grid->SetColWidth(1, 3, 130, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, 6, 24, NULL, GX_NOREDRAW);
        grid->RedrawAll();
    }
    CGXDateTimeCtrl* Control(UINT nID = GX_IDS_CTRL_DATETIME)
    {
        return (CGXDateTimeCtrl*)grid->GetRegisteredControl((WORD)nID);
    }
    // A cell with the picture dd.MM.yyyy unless bLocale.
    void SetCell(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue, BOOL bLocale = FALSE,
                 UINT nID = GX_IDS_CTRL_DATETIME)
    {
        CGXStyle style;
        style.SetControl((WORD)nID).SetValue(pszValue);
        if (!bLocale)
            style.SetUserAttributeText(GX_IDS_UA_DATEFORMATTYPE, _T("3"))
                .SetUserAttributeText(GX_IDS_UA_CUSTOMFORMAT, _T("dd.MM.yyyy"));
        grid->SetStyleRange(CGXCellRange(nRow, nCol), style, gxCopy);
    }
    void Enter(ROWCOL nRow, ROWCOL nCol)
    {
        ASSERT_TRUE(EnterCell(*grid, nRow, nCol));
    }
    CString Shown(ROWCOL nRow, ROWCOL nCol)
    {
        return ShownText(*grid, Control(), nRow, nCol);
    }
    int CurrentId()
    {
        CGXBDTGadget* p = Control()->GetCurrent();
        return p != NULL ? p->GetId() : 0;
    }
};

void AltDown()
{
    KeyWith(VK_MENU, VK_DOWN);
}

TEST(GridDateTimeCell, TheFactoryMakesBothAndTheAttributesAreRegistered)
{
    DateGrid w;
    EXPECT_TRUE(w.Control(52543)->IsKindOf(GX_CONTROL_CLASS(CGXDateTimeCtrl)));
    EXPECT_TRUE(w.Control(52544)->IsKindOf(GX_CONTROL_CLASS(CGXDateTimeCtrl)));
    CGXStylesMap map;
    CGXControlFactory().RegisterAllUserAttributes(&map);
    const auto& attrs = map.GetUserAttributeMap();
    for (WORD nID : {51034, 51035, 51036, 51037, 51038, 51039, 51044, 52571, 52572})
        EXPECT_EQ(1u, attrs.count(nID)) << nID;
    EXPECT_EQ(CString("Kraft DateTime eingegeben als Zahl"), attrs.at(52571)->sName);
    EXPECT_EQ(CString("Fixierte Felder\nJahr\nMonat\nTag\nStunde\nMinute\nSekunde"),
              attrs.at(51034)->pStyle->GetChoiceList());
    EXPECT_EQ(GX_IDS_CTRL_TABBED_COMBOBOX, attrs.at(51038)->pStyle->GetControl());
    EXPECT_EQ(CString("1"), attrs.at(51044)->pStyle->GetValue());
}

TEST(GridDateTimeCell, GoodValuesShowAsDatesAndBadOnesAsTheyStand)
{
    DateGrid w;
    w.SetCell(2, 2, _T("36526"), TRUE);
    EXPECT_EQ(ShortDate(2000, 1, 1), w.Shown(2, 2));
    struct
    {
        LPCTSTR pszValue, pszShown;
    } cases[] = {
        {_T("36526"), _T("01.01.2000")}, {_T("36526.75"), _T("01.01.2000")},   {_T(""), _T("")},
        {_T("abc"), _T("abc")},          {_T("31.02.2023"), _T("31.02.2023")}, {_T("-1e9"), _T("-1e9")}};
    for (const auto& c : cases)
    {
        w.SetCell(2, 2, c.pszValue);
        EXPECT_EQ(CString(c.pszShown), w.Shown(2, 2)) << c.pszValue;
        // Entering and leaving stores nothing.
        w.Enter(2, 2);
        w.Enter(3, 3);
        EXPECT_EQ(CString(c.pszValue), CellValue(*w.grid, 2, 2)) << c.pszValue;
    }
}

TEST(GridDateTimeCell, ADigitOnAnInactiveCellGoesToTheFirstFieldAndFastInputMovesOn)
{
    DateGrid w;
    w.SetCell(1, 1, _T("36526"));
    w.Enter(1, 1);
    TypeKey('3');
    CGXDateTimeCtrl* pCtrl = w.Control();
    ASSERT_TRUE(pCtrl->IsActive());
    EXPECT_EQ(GXDT_DAY, w.CurrentId());
    TypeKey('1');
    EXPECT_EQ(GXDT_MONTH, w.CurrentId());
    EXPECT_EQ(COleDateTime(2000, 1, 31, 0, 0, 0), pCtrl->GetDateTime());
    TypeKey(VK_UP); // February has no 31st
    EXPECT_EQ(COleDateTime(2000, 2, 29, 0, 0, 0), pCtrl->GetDateTime());
    TypeKey(VK_DOWN);
    TypeKey(VK_DOWN);
    EXPECT_EQ(COleDateTime(2000, 12, 29, 0, 0, 0), pCtrl->GetDateTime()); // the month wraps in its field
    // The spin button's upper half steps the current field.
    CRect rectSpin = pCtrl->GetGadgets().GetGadget(1)->GetRect();
    ASSERT_EQ(GXDT_SPINBUTTON, pCtrl->GetGadgets().GetGadget(1)->GetId());
    ClickAt(pCtrl, CPoint(rectSpin.CenterPoint().x, rectSpin.top + 2));
    EXPECT_EQ(COleDateTime(2000, 1, 29, 0, 0, 0), pCtrl->GetDateTime());
    TypeKey(VK_TAB);
    EXPECT_STREQ("36554", CellValue(*w.grid, 1, 1));
}

TEST(GridDateTimeCell, TheCalendarOpensBelowTheCellAndItsDayKeepsTheTime)
{
    DateGrid w;
    w.SetCell(1, 1, _T("36526.5"));
    w.Enter(1, 1);
    AltDown();
    CGXDateTimeCtrl* pCtrl = w.Control();
    CGXBPopupCalendar* pCalendar = pCtrl->GetCalendar();
    ASSERT_NE(nullptr, pCalendar);
    CRect rectCtrl, rectCalendar;
    pCtrl->GetWindowRect(&rectCtrl);
    pCalendar->GetWindowRect(&rectCalendar);
    EXPECT_EQ(rectCtrl.bottom, rectCalendar.top);
    EXPECT_EQ(1, pCalendar->GetDayBox(0).GetDate().GetDayOfWeek());
    for (WORD vk : {VK_RIGHT, VK_DOWN, VK_NEXT, VK_RETURN})
        TypeKey(vk);
    PumpUntil([&] { return pCtrl->GetCalendar() == NULL; }, 2000);
    EXPECT_EQ(COleDateTime(2000, 2, 1, 12, 0, 0), pCtrl->GetDateTime());

    // Escape changes nothing.
    pCtrl->SetFocus(); // the hidden calendar leaves the focus with the top-level window
    AltDown();
    ASSERT_NE(nullptr, pCtrl->GetCalendar());
    TypeKey(VK_RIGHT);
    TypeKey(VK_ESCAPE);
    PumpUntil([&] { return pCtrl->GetCalendar() == NULL; }, 2000);
    EXPECT_EQ(COleDateTime(2000, 2, 1, 12, 0, 0), pCtrl->GetDateTime());

    // A click on the calendar button, then on a day.
    pCtrl->SetFocus();
    PumpMessages(60);
    ASSERT_TRUE(pCtrl->IsActive());
    ASSERT_TRUE(pCtrl->IsWindowVisible());
    CRect rectButton = pCtrl->GetGadgets().GetGadget(0)->GetRect();
    ASSERT_EQ(GXDT_CALENDARBUTTON, pCtrl->GetGadgets().GetGadget(0)->GetId());
    ClickAt(pCtrl, rectButton.CenterPoint());
    pCalendar = pCtrl->GetCalendar();
    ASSERT_NE(nullptr, pCalendar);
    CGXBDayBox& box = pCalendar->GetDayBox(10);
    COleDateTime day = box.GetDate();
    ClickAt(pCalendar, box.GetWindowRect().CenterPoint());
    PumpUntil([&] { return pCtrl->GetCalendar() == NULL; }, 2000);
    EXPECT_EQ(COleDateTime(day.GetYear(), day.GetMonth(), day.GetDay(), 12, 0, 0), pCtrl->GetDateTime());
    w.grid->SetFocus();
    TypeKey(VK_TAB);
    CString strExpected;
    strExpected.Format(_T("%.13g"), pCtrl->GetDateTime().m_dt);
    EXPECT_EQ(strExpected, CellValue(*w.grid, 1, 1));
}

TEST(GridDateTimeCell, WithoutTheCalendarOnlyTheSpinButtonStands)
{
    DateGrid w;
    w.SetCell(1, 1, _T("36526"), FALSE, GX_IDS_CTRL_DATETIMENOCAL);
    w.Enter(1, 1);
    TypeKey(VK_HOME);
    CGXDateTimeCtrl* pCtrl = w.Control(GX_IDS_CTRL_DATETIMENOCAL);
    ASSERT_TRUE(pCtrl->IsActive());
    ASSERT_EQ(1, pCtrl->GetFixedCount());
    EXPECT_EQ(GXDT_SPINBUTTON, pCtrl->GetGadgets().GetGadget(0)->GetId());
    AltDown();
    EXPECT_EQ(nullptr, pCtrl->GetCalendar());
}

TEST(GridDateTimeCell, PastedTextsThatDoNotFitChangeNothing)
{
    DateGrid w;
    w.SetCell(1, 1, _T("36526"));
    w.Enter(1, 1);
    TypeKey(VK_HOME);
    CGXDateTimeCtrl* pCtrl = w.Control();
    ASSERT_TRUE(pCtrl->IsActive());
    for (const char* psz : {"32.13.2020", "x"})
    {
        PutClipboardText(psz);
        EXPECT_TRUE(pCtrl->Paste());
        EXPECT_EQ(COleDateTime(2000, 1, 1, 0, 0, 0), pCtrl->GetDateTime()) << psz;
        EXPECT_FALSE(pCtrl->GetModify()) << psz;
    }
    // Pieces the locale cannot read as a date go into the fields in order.
    PutClipboardText("5 2 2001 x");
    COleDateTime localeRead;
    ASSERT_FALSE(localeRead.ParseDateTime(_T("5 2 2001 x")));
    EXPECT_TRUE(pCtrl->Paste());
    EXPECT_EQ(COleDateTime(2001, 2, 5, 0, 0, 0), pCtrl->GetDateTime());
    TypeKey(VK_TAB);
    EXPECT_STREQ("36927", CellValue(*w.grid, 1, 1));
}
} // namespace
