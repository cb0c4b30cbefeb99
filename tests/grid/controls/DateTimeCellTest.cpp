// Date-time cells in a shown grid, driven through the system's input queue: the shown text of
// good and bad values, typing and stepping fields, the spin and calendar buttons, the pop-up
// calendar, storing the serial number, and pasting texts that do not fit.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/DateTimeCell.h"
#include "grid/controls/PopupCalendar.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/core/GridParam.h"
#include "grid/core/StylesMap.h"
#include "grid/factory/ControlFactory.h"
#include "GridIds.h"
#include "tests/grid/GridPixels.h"
#include <gtest/gtest.h>
#include <functional>

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

CGXStyle Composed(CGXGridCore& grid, ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle style;
    grid.ComposeStyleRowCol(nRow, nCol, &style);
    return style;
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

    // The keyboard is back with the cell. Escape changes nothing.
    EXPECT_EQ(pCtrl->GetSafeHwnd(), ::GetFocus());
    AltDown();
    ASSERT_NE(nullptr, pCtrl->GetCalendar());
    TypeKey(VK_RIGHT);
    TypeKey(VK_ESCAPE);
    PumpUntil([&] { return pCtrl->GetCalendar() == NULL; }, 2000);
    EXPECT_EQ(COleDateTime(2000, 2, 1, 12, 0, 0), pCtrl->GetDateTime());

    // A click on the calendar button, then on a day.
    EXPECT_EQ(pCtrl->GetSafeHwnd(), ::GetFocus());
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

TEST(GridDateTimeCell, AnInactiveCellIsDrawnFieldByFieldFromItsInnerRectangle)
{
    DateGrid w;
    w.SetCell(2, 2, _T("36526"));
    w.Enter(4, 3);
    CGXDateTimeCtrl* pCtrl = w.Control();
    CGXStyle style = Composed(*w.grid, 2, 2);
    CRect rect(0, 0, 130, 24);
    Pixels drawn =
        DrawnOnWhite(w.grid.get(), rect, [&](CDC* pDC) { pCtrl->Draw(pDC, rect, 2, 2, style, NULL); });
    // Each field centred in the width of its widest text, from one pixel inside the inner
    // rectangle, in plain GDI.
    Pixels expected = DrawnOnWhite(w.grid.get(), rect, [&](CDC* pDC) {
        CFont* pOld = pCtrl->SelectStyleFont(pDC, style, NULL);
        CRect inner = pCtrl->CGXStatic::GetCellRect(2, 2, &rect, &style);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(RGB(0, 0, 0));
        int x = inner.left + 1;
        const char* pieces[][2] = {{"01", "00"}, {".", "."}, {"01", "00"}, {".", "."}, {"2000", "0000"}};
        for (const auto& piece : pieces)
        {
            CSize size = pDC->GetTextExtent(piece[1]);
            CRect r(x, inner.top + 1, x + size.cx, inner.top + 1 + size.cy);
            pDC->DrawText(piece[0], -1, r, DT_SINGLELINE | DT_CENTER | DT_NOPREFIX);
            x += size.cx;
        }
        pDC->SelectObject(pOld);
    });
    EXPECT_EQ(0, DifferingPixels(expected, drawn));
    EXPECT_GT(DifferingPixels(expected, DrawnOnWhite(w.grid.get(), rect, [](CDC*) {})), 20);
}

TEST(GridDateTimeCell, TheFittingSizeHoldsEveryFieldAndTheButtons)
{
    DateGrid w;
    struct
    {
        UINT nID;
        LPCTSTR pszValue;
        int nButtons; // -1: no size at all
    } cases[] = {{GX_IDS_CTRL_DATETIME, _T("36526"), 2},
                 {GX_IDS_CTRL_DATETIMENOCAL, _T("36526"), 1},
                 {GX_IDS_CTRL_DATETIME, _T("0"), -1},
                 {GX_IDS_CTRL_DATETIME, _T("abc"), -1}};
    for (const auto& c : cases)
    {
        w.SetCell(2, 2, c.pszValue, FALSE, c.nID);
        CGXDateTimeCtrl* pCtrl = w.Control(c.nID);
        CGXStyle style = Composed(*w.grid, 2, 2);
        CClientDC dc(w.grid.get());
        CSize size = pCtrl->CalcSize(&dc, 2, 2, style, NULL, FALSE);
        if (c.nButtons < 0)
        {
            EXPECT_EQ(CSize(0, 0), size) << c.pszValue;
            continue;
        }
        CFont* pOld = pCtrl->SelectStyleFont(&dc, style, NULL);
        TEXTMETRIC tm = {};
        dc.GetTextMetrics(&tm);
        int cx = 2 * dc.GetTextExtent("00").cx + 2 * dc.GetTextExtent(".").cx + dc.GetTextExtent("0000").cx;
        dc.SelectObject(pOld);
        CSize inner(cx + 16 * c.nButtons + 5, tm.tmHeight + tm.tmExternalLeading + 1);
        EXPECT_EQ(pCtrl->CGXStatic::AddBorders(inner, style), size) << c.nID;
    }
}

TEST(GridDateTimeCell, FindingMatchesNumbersByValueAndNamesByTheirBeginning)
{
    DateGrid w;
    w.SetCell(1, 1, _T("36566")); // 10.02.2000
    CGXStyle named;
    named.SetControl(GX_IDS_CTRL_DATETIME)
        .SetValue(_T("36566"))
        .SetUserAttributeText(GX_IDS_UA_DATEFORMATTYPE, _T("3"))
        .SetUserAttributeText(GX_IDS_UA_CUSTOMFORMAT, _T("dd MMMM yyyy"));
    w.grid->SetStyleRange(CGXCellRange(2, 1), named, gxCopy);
    w.Enter(4, 3);
    struct
    {
        LPCTSTR pszFind;
        ROWCOL nRow;
        BOOL bMatchCase, bFound;
    } cases[] = {
        {_T("10"), 1, FALSE, TRUE},          {_T("2"), 1, FALSE, TRUE},      {_T("02"), 1, FALSE, TRUE},
        {_T("2000"), 1, FALSE, TRUE},        {_T("1"), 1, FALSE, FALSE},     {_T("00"), 1, FALSE, FALSE},
        {_T("."), 1, FALSE, FALSE},          {_T("Feb"), 2, FALSE, TRUE},    {_T("fEB"), 2, FALSE, TRUE},
        {_T("fEB"), 2, TRUE, FALSE},         {_T("ruary"), 2, FALSE, FALSE}, {_T(" "), 2, FALSE, FALSE},
        {_T("February 2"), 2, FALSE, FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.bFound,
                  w.Control()->FindText(Find(c.pszFind, _T(""), c.bMatchCase), c.nRow, 1, FALSE, FALSE))
            << c.pszFind << " in row " << c.nRow;
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_TRUE(w.grid->GetCurrentCell(nRow, nCol));
    EXPECT_EQ(4u, nRow);

    // With selection the found cell becomes current and active with the hit field focused; a
    // further find goes on after it, then reports the end.
    w.SetCell(1, 1, _T("40461")); // 10.10.2010
    CGXDateTimeCtrl* pCtrl = w.Control();
    ASSERT_TRUE(pCtrl->FindText(Find(_T("10")), 1, 1, FALSE, TRUE));
    ASSERT_TRUE(w.grid->GetCurrentCell(nRow, nCol));
    EXPECT_EQ(1u, nRow);
    EXPECT_TRUE(pCtrl->IsActive());
    EXPECT_EQ(GXDT_DAY, w.CurrentId());
    EXPECT_TRUE(pCtrl->GetCurrent()->HasFocus());
    EXPECT_TRUE(pCtrl->FindText(Find(_T("10")), 1, 1, FALSE, TRUE));
    EXPECT_EQ(GXDT_MONTH, w.CurrentId());
    EXPECT_TRUE(pCtrl->GetCurrent()->HasFocus());
    EXPECT_FALSE(pCtrl->GetGadgets().GetGadget(pCtrl->GetFixedCount())->HasFocus());
    EXPECT_FALSE(pCtrl->FindText(Find(_T("10")), 1, 1, FALSE, TRUE));
    // From the caret it starts again at the first field.
    EXPECT_TRUE(pCtrl->FindText(Find(_T("10")), 1, 1, TRUE, TRUE));
    EXPECT_EQ(GXDT_DAY, w.CurrentId());
}

TEST(GridDateTimeCell, ReplacingAllTakesWholeFieldsAndKeepsValuesThatCannotBe)
{
    DateGrid w;
    w.Enter(4, 3);
    struct
    {
        LPCTSTR pszValue, pszPicture, pszFind, pszReplace;
        BOOL bReadOnly, bReplaced;
        LPCTSTR pszResult;
    } cases[] = {
        {_T("36530"), _T("dd.MM.yyyy"), _T("5"), _T("7"), FALSE, TRUE, _T("36532")},       // 05.01 -> 07.01
        {_T("36530"), _T("dd.MM.yyyy"), _T("05"), _T("7"), FALSE, FALSE, _T("36530")},     // "%d" is "5"
        {_T("36526"), _T("dd.MM.yyyy"), _T("1"), _T("3"), FALSE, TRUE, _T("36588")},       // 01.01 -> 03.03
        {_T("36530"), _T("dd.MM.yyyy"), _T("5"), _T("32"), FALSE, FALSE, _T("36530")},     // no 32nd
        {_T("36530"), _T("dd.MM.yyyy"), _T("2000"), _T("2001"), FALSE, TRUE, _T("36896")}, // 05.01.2001
        {_T("36530"), _T("dd MMMM yyyy"), _T("january"), _T("Mar"), FALSE, TRUE, _T("36590")},
        {_T("36530"), _T("dd MMMM yyyy"), _T("Jan"), _T("Mar"), FALSE, FALSE, _T("36530")},
        {_T(""), _T("dd.MM.yyyy"), _T("5"), _T("7"), FALSE, FALSE, _T("")},
        {_T("36530"), _T("dd.MM.yyyy"), _T("5"), _T("7"), TRUE, FALSE, _T("36530")}, // read-only: last
    };
    for (const auto& c : cases)
    {
        CGXStyle style;
        style.SetControl(GX_IDS_CTRL_DATETIME)
            .SetValue(c.pszValue)
            .SetUserAttributeText(GX_IDS_UA_DATEFORMATTYPE, _T("3"))
            .SetUserAttributeText(GX_IDS_UA_CUSTOMFORMAT, c.pszPicture);
        if (c.bReadOnly)
            style.SetReadOnly(TRUE);
        w.grid->SetStyleRange(CGXCellRange(2, 2), style, gxCopy);
        EXPECT_EQ(c.bReplaced, w.Control()->ReplaceText(Find(c.pszFind, c.pszReplace), 2, 2))
            << c.pszValue << " " << c.pszFind;
        EXPECT_EQ(CString(c.pszResult), CellValue(*w.grid, 2, 2)) << c.pszValue << " " << c.pszFind;
    }

    // In the active cell the next matching field is replaced.
    w.SetCell(1, 1, _T("40461")); // 10.10.2010
    w.Enter(1, 1);
    TypeKey(VK_HOME);
    CGXDateTimeCtrl* pCtrl = w.Control();
    ASSERT_TRUE(pCtrl->IsActive());
    EXPECT_TRUE(pCtrl->ReplaceText(Find(_T("10"), _T("12")), 1, 1));
    EXPECT_EQ(COleDateTime(2010, 10, 12, 0, 0, 0), pCtrl->GetDateTime());
    EXPECT_TRUE(pCtrl->ReplaceText(Find(_T("10"), _T("11")), 1, 1));
    EXPECT_EQ(COleDateTime(2010, 11, 12, 0, 0, 0), pCtrl->GetDateTime());
    EXPECT_FALSE(pCtrl->ReplaceText(Find(_T("10"), _T("11")), 1, 1));
}

TEST(GridDateTimeCell, ANumberStillBeingTypedIsStoredWhenTheCellIsLeft)
{
    DateGrid w;
    w.SetCell(1, 1, _T("36526"));
    w.Enter(1, 1);
    TypeKey('3');
    ASSERT_TRUE(w.Control()->IsActive());
    EXPECT_EQ(GXDT_DAY, w.CurrentId());
    TypeKey(VK_TAB);
    EXPECT_STREQ("36528", CellValue(*w.grid, 1, 1));
}

TEST(GridDateTimeCell, ActivationOnEnteringLandsOnTheFirstEditableField)
{
    DateGrid w;
    w.grid->GetParam()->m_wActivateFlags |= 4;
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_DATETIME)
        .SetValue(_T("36526"))
        .SetUserAttributeText(GX_IDS_UA_DATEFORMATTYPE, _T("3"))
        .SetUserAttributeText(GX_IDS_UA_CUSTOMFORMAT, _T("dd.MM.yyyy"))
        .SetUserAttributeText(GX_IDS_UA_DATENOEDIT, _T("4")); // the day is fixed
    w.grid->SetStyleRange(CGXCellRange(1, 1), style, gxCopy);
    w.Enter(1, 1);
    CGXDateTimeCtrl* pCtrl = w.Control();
    ASSERT_TRUE(pCtrl->IsActive());
    EXPECT_EQ(GXDT_MONTH, w.CurrentId());
    pCtrl->SetFocus();
    PumpMessages(30);
    int nFocused = 0;
    for (INT_PTR i = 0; i < pCtrl->GetGadgets().GetSize(); i++)
        nFocused += pCtrl->GetGadgets().GetGadget(i)->HasFocus() ? 1 : 0;
    EXPECT_EQ(1, nFocused);

    // A new format stored into the active cell applies at once and keeps an editable field.
    w.grid->SetStyleRange(CGXCellRange(1, 1),
                          CGXStyle().SetUserAttributeText(GX_IDS_UA_CUSTOMFORMAT, _T("yyyy-MM")), gxOverride);
    EXPECT_TRUE(pCtrl->IsActive());
    EXPECT_EQ(CString("yyyy-MM"), pCtrl->GetFormatString());
    EXPECT_EQ(GXDT_YEAR4, w.CurrentId());
    EXPECT_TRUE(pCtrl->GetCurrent()->HasFocus());
}

TEST(GridDateTimeCell, CtrlCCopiesAndCtrlXCutsTheCell)
{
    DateGrid w;
    w.SetCell(1, 1, _T("36526"));
    w.Enter(1, 1);
    TypeKey(VK_HOME);
    ASSERT_TRUE(w.Control()->IsActive());
    PutClipboardText("old");
    KeyWith(VK_CONTROL, 'C');
    PumpMessages(50);
    std::string strCopied = ClipboardText();
    EXPECT_NE(std::string("old"), strCopied);
    EXPECT_FALSE(strCopied.empty());
    EXPECT_STREQ("36526", CellValue(*w.grid, 1, 1));
    PutClipboardText("old");
    KeyWith(VK_CONTROL, 'X');
    PumpMessages(50);
    EXPECT_EQ(strCopied, ClipboardText());
    EXPECT_STREQ("", CellValue(*w.grid, 1, 1));
}

// A grid whose hook may refuse to empty cells.
class CClearHookGrid : public CClickCountingGrid
{
  public:
    BOOL OnClearCellText(ROWCOL nRow, ROWCOL nCol) override
    {
        return m_bAllow && CClickCountingGrid::OnClearCellText(nRow, nCol);
    }
    BOOL m_bAllow = FALSE;
};

TEST(GridDateTimeCell, DeleteOnTheCellAsksTheGridsHookFirst)
{
    GridWindowOf<CClearHookGrid> w(420, 200);
    w.grid->OnGridInitialUpdate();
    w.grid->SetRowCount(3, GX_NOREDRAW);
    w.grid->SetColCount(2, GX_NOREDRAW);
    w.grid->SetColWidth(1, 2, 130, NULL, GX_NOREDRAW);
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_DATETIME).SetValue(_T("36526"));
    w.grid->SetStyleRange(CGXCellRange(2, 1), style, gxCopy);
    w.grid->RedrawAll();
    ASSERT_TRUE(EnterCell(*w.grid, 2, 1));
    TypeKey(VK_DELETE);
    EXPECT_STREQ("36526", CellValue(*w.grid, 2, 1));
    w.grid->m_bAllow = TRUE;
    TypeKey(VK_DELETE);
    EXPECT_STREQ("", CellValue(*w.grid, 2, 1));
}
} // namespace
