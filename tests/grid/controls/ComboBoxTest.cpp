// Combo box cells in a shown grid, driven through the system's input queue: what each mode
// stores and shows for a typed text, and the drop-down list: where it opens, how high it is,
// and the keys and clicks that take a choice or close it.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/ComboBox.h"
#include "grid/controls/ComboBoxButton.h"
#include "grid/controls/GridCombo.h"
#include "grid/core/GridParam.h"
#include "grid/core/Properties.h"
#include "tests/grid/GridPixels.h"
#include "mfc/ListBox.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <algorithm>

using namespace testing_support;

namespace
{
const char s_szChoices[] = "Alpha\nBetamax\nBETA\nGamma";

struct ComboGrid : GridWindow
{
    ComboGrid() : GridWindow(360, 240)
    {
        grid->SetRowCount(6, GX_NOREDRAW);
        grid->SetColCount(2, GX_NOREDRAW);
        grid->SetColWidth(1, 2, 120, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, 6, 22, NULL, GX_NOREDRAW);
        grid->RedrawAll();
    }
    CGXComboBox* Combo(UINT nID)
    {
        return (CGXComboBox*)grid->GetRegisteredControl((WORD)nID);
    }
    void SetCombo(ROWCOL nRow, UINT nID, LPCTSTR pszChoices, LPCTSTR pszValue)
    {
        CGXStyle style;
        style.SetControl((WORD)nID).SetChoiceList(pszChoices);
        if (pszValue != NULL)
            style.SetValue(pszValue);
        grid->SetStyleRange(CGXCellRange(nRow, 1), style, gxCopy);
    }
    // Makes (nRow, 1) current and gives the grid the keyboard.
    void Enter(ROWCOL nRow)
    {
        ASSERT_TRUE(grid->ChangeCurrentCell(nRow, 1));
        grid->SetFocus();
        PumpMessages(40);
    }
    CListBox* List(UINT nID)
    {
        CGXComboBox* pCombo = Combo(nID);
        return pCombo->m_pDropDownWnd != NULL ? (CListBox*)pCombo->m_pDropDownWnd->GetListBox() : NULL;
    }
    CString EditText(UINT nID)
    {
        CString str;
        Combo(nID)->GetWindowText(str);
        return str;
    }
    // Presses the cell's drop button.
    void ClickButton(ROWCOL nRow, UINT nID)
    {
        CGXComboBox* pCombo = Combo(nID);
        pCombo->LayoutChildren(nRow, 1, pCombo->CGXControl::GetCellRect(nRow, 1));
        ClickAt(grid.get(), pCombo->m_pButton->GetRect().CenterPoint());
    }
};

void TypeText(const char* psz)
{
    for (; *psz != 0; psz++)
        TypeKey((WORD)toupper((unsigned char)*psz));
}

void AltDown()
{
    SendKey(VK_MENU, false);
    SendKey(VK_DOWN, false);
    SendKey(VK_DOWN, true);
    SendKey(VK_MENU, true);
    PumpMessages(100);
}

struct ModeCase
{
    UINT nID;
    const char* pszTyped;
    const char* pszStored;
    const char* pszShown;
    bool bValid;
};

const ModeCase s_modeCases[] = {
    {52517, "beta", "beta", "beta", true}, {52517, "al", "al", "al", true},
    {52517, "zz", "zz", "zz", true},       {52525, "beta", "beta", "beta", true},
    {52525, "zz", "zz", "zz", true},       {52526, "beta", "beta", "beta", true},
    {52526, "zz", "zz", "zz", true},       {52527, "beta", "BETA", "BETA", true},
    {52527, "al", "Alpha", "Alpha", true}, {52527, "zz", "", "", false},
    {52531, "beta", "3", "BETA", true},    {52531, "al", "1", "Alpha", true},
    {52531, "zz", "", "", false},          {52532, "beta", "2", "BETA", true},
    {52532, "al", "0", "Alpha", true},     {52532, "zz", "", "", false},
};

TEST(GridComboBox, EachModeStoresAndShowsATypedTextItsWay)
{
    ComboGrid w;
    for (const ModeCase& c : s_modeCases)
    {
        SCOPED_TRACE(testing::Message() << "id " << c.nID << " typed " << c.pszTyped);
        w.SetCombo(1, c.nID, s_szChoices, NULL);
        w.Enter(1);
        TypeText(c.pszTyped);
        EXPECT_EQ(c.bValid, !!w.Combo(c.nID)->ValidateText(c.pszTyped));
        TypeKey(VK_DOWN); // leaves the cell, which stores it
        ROWCOL nRow = 0, nCol = 0;
        ASSERT_TRUE(w.grid->GetCurrentCell(nRow, nCol));
        EXPECT_EQ(2u, nRow);
        EXPECT_STREQ(c.pszStored, CellValue(*w.grid, 1, 1));
        CString strShown;
        w.Combo(c.nID)->FormatValueText(strShown, 1, 1, NULL, w.grid->LookupStyleRowCol(1, 1));
        EXPECT_STREQ(c.pszShown, strShown);
    }
}

TEST(GridComboBox, OneBasedZeroOpensOnTheFirstEntryWhichStoresOne)
{
    ComboGrid w;
    w.SetCombo(1, 52526, s_szChoices, _T("0"));
    w.Enter(1);
    AltDown();
    CListBox* pList = w.List(52526);
    ASSERT_NE(nullptr, pList);
    EXPECT_EQ(0, pList->GetCurSel());
    TypeKey(VK_RETURN);
    EXPECT_EQ(nullptr, w.List(52526));
    EXPECT_STREQ("1", w.EditText(52526));
    TypeKey(VK_DOWN);
    EXPECT_STREQ("1", CellValue(*w.grid, 1, 1));
}

TEST(GridComboBox, TheListIsADesktopToolWindowAtMostTheSetHeight)
{
    ComboGrid w;
    CString strMany;
    for (int i = 0; i < 20; i++)
    {
        CString strLine;
        strLine.Format(_T("Zeile %d\n"), i);
        strMany += strLine;
    }
    w.SetCombo(1, 52517, strMany, NULL);
    w.SetCombo(2, 52517, _T("eins\nzwei\ndrei"), NULL);
    ASSERT_EQ(100, w.grid->GetParam()->m_nDropDownHeight);
    struct
    {
        ROWCOL nRow;
        bool bByButton;
    } cases[] = {{1, true}, {2, false}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "row " << c.nRow);
        w.Enter(c.nRow);
        if (c.bByButton)
            w.ClickButton(c.nRow, 52517);
        else
            AltDown();
        CGXComboBox* pCombo = w.Combo(52517);
        ASSERT_TRUE(pCombo->IsDroppedDown());
        HWND hPopup = pCombo->m_pDropDownWnd->GetSafeHwnd();
        EXPECT_TRUE(::IsWindowVisible(hPopup));
        EXPECT_EQ(::GetDesktopWindow(), ::GetAncestor(hPopup, GA_PARENT));
        EXPECT_TRUE(::GetWindowLong(hPopup, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        EXPECT_EQ(w.List(52517)->GetSafeHwnd(), ::GetFocus());
        CRect rectPopup, rectCell = w.grid->CalcCellRect(c.nRow, 1);
        ::GetWindowRect(hPopup, &rectPopup);
        w.grid->ClientToScreen(&rectCell);
        EXPECT_GE(rectPopup.top, rectCell.top); // below the cell
        if (c.nRow == 1)
            EXPECT_EQ(100, rectPopup.Height());
        else
            EXPECT_EQ(pCombo->m_nTextHeight * 3 + w.List(52517)->GetItemHeight(0) / 2, rectPopup.Height());
        EXPECT_TRUE(pCombo->IsActive());
        TypeKey(VK_ESCAPE);
        EXPECT_FALSE(pCombo->IsDroppedDown());
    }
}

TEST(GridComboBox, NearTheScreensBottomTheListOpensAboveTheCell)
{
    ComboGrid w;
    int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    CRect rectParent;
    w.parent.GetWindowRect(&rectParent);
    w.parent.SetWindowPos(NULL, rectParent.left, cyScreen - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpMessages(50);
    w.SetCombo(1, 52517, _T("eins\nzwei\ndrei\nvier\nfuenf\nsechs"), NULL);
    w.Enter(1);
    AltDown();
    CGXComboBox* pCombo = w.Combo(52517);
    ASSERT_TRUE(pCombo->IsDroppedDown());
    CRect rectPopup, rectCell = w.grid->CalcCellRect(1, 1);
    pCombo->m_pDropDownWnd->GetWindowRect(&rectPopup);
    w.grid->ClientToScreen(&rectCell);
    EXPECT_LE(rectPopup.bottom, rectCell.top + 1);
    EXPECT_GT(rectPopup.Height(), 0);
    TypeKey(VK_ESCAPE);
}

// How a list opened on "zwei" (second of four) is left, and what the edit and the cell hold.
struct CloseCase
{
    const char* pszName;
    void (*pfnClose)(ComboGrid& w);
    const char* pszEdit; // after closing
    const char* pszCell; // after the cell is left
    ROWCOL nRowAfter;    // current row after closing
};

const CloseCase s_closeCases[] = {
    {"Down then Enter",
     [](ComboGrid&) {
         TypeKey(VK_DOWN);
         TypeKey(VK_RETURN);
     },
     "drei", "drei", 1},
    {"Up then Escape",
     [](ComboGrid&) {
         TypeKey(VK_UP);
         TypeKey(VK_ESCAPE);
     },
     "eins", "eins", 1},
    {"Down then Alt+Down",
     [](ComboGrid&) {
         TypeKey(VK_DOWN);
         AltDown();
     },
     "drei", "drei", 1},
    {"Down then Tab",
     [](ComboGrid&) {
         TypeKey(VK_DOWN);
         TypeKey(VK_TAB);
     },
     "drei", "drei", 1},
    {"click on the last entry",
     [](ComboGrid& w) {
         CListBox* pList = w.List(52517);
         CRect rect;
         pList->GetItemRect(3, &rect);
         CPoint pt = rect.CenterPoint();
         pList->ClientToScreen(&pt);
         MoveMouseTo(pt);
         SendLeftButton(true);
         PumpMessages(40);
         SendLeftButton(false);
         PumpMessages(80);
     },
     "vier", "vier", 1},
    {"the grid scrolls",
     [](ComboGrid& w) {
         w.grid->SendMessage(WM_VSCROLL, SB_LINEDOWN);
         PumpMessages(60);
     },
     "zwei", "zwei", 0},
};

TEST(GridComboBox, KeysClicksAndScrollingCloseTheList)
{
    ComboGrid w;
    for (const CloseCase& c : s_closeCases)
    {
        SCOPED_TRACE(c.pszName);
        w.SetCombo(1, 52517, _T("eins\nzwei\ndrei\nvier"), _T("zwei"));
        w.Enter(1);
        AltDown();
        ASSERT_NE(nullptr, w.List(52517));
        EXPECT_EQ(1, w.List(52517)->GetCurSel());
        c.pfnClose(w);
        EXPECT_EQ(nullptr, w.List(52517));
        EXPECT_STREQ(c.pszEdit, w.EditText(52517));
        ROWCOL nRow = 0, nCol = 0;
        w.grid->GetCurrentCell(nRow, nCol);
        bool bTab = strcmp(c.pszName, "Down then Tab") == 0;
        EXPECT_EQ(bTab ? 2u : 1u, nCol);
        if (bTab)
            EXPECT_FALSE(w.Combo(52517)->IsActive()); // stored when the current cell moved
        else if (c.nRowAfter != 0)
        {
            EXPECT_TRUE(w.Combo(52517)->IsActive());
            TypeKey(VK_DOWN);
        }
        else
            w.grid->ChangeCurrentCell(3, 1);
        EXPECT_STREQ(c.pszCell, CellValue(*w.grid, 1, 1));
        w.grid->SetTopRow(1);
    }
}

TEST(GridComboBox, TheDownArrowMovesTheEditAndAltF4LeavesTheListOpen)
{
    ComboGrid w;
    w.SetCombo(1, 52517, _T("eins\nzwei\ndrei"), _T("eins"));
    w.Enter(1);
    w.ClickButton(1, 52517);
    ASSERT_NE(nullptr, w.List(52517));
    TypeKey(VK_DOWN);
    EXPECT_STREQ("zwei", w.EditText(52517));
    EXPECT_NE(nullptr, w.List(52517));
    SendKey(VK_MENU, false);
    SendKey(VK_F4, false);
    SendKey(VK_F4, true);
    SendKey(VK_MENU, true);
    PumpMessages(100);
    ASSERT_NE(nullptr, w.List(52517));
    EXPECT_TRUE(::IsWindowVisible(w.Combo(52517)->m_pDropDownWnd->GetSafeHwnd()));
    w.ClickButton(1, 52517); // the button closes it again
    EXPECT_EQ(nullptr, w.List(52517));
    EXPECT_STREQ("zwei", w.EditText(52517));
}
// The list shows the cell's text and interior colours; black on white while the grid is printed
// in black and white.
TEST(GridComboBox, TheListTakesTheCellsColoursOrBlackOnWhite)
{
    const COLORREF rgbYellow = RGB(255, 255, 0), rgbBlue = RGB(0, 0, 255);
    struct
    {
        bool bBlackWhite;
        COLORREF rgbText, rgbBack;
    } cases[] = {{false, rgbBlue, rgbYellow}, {true, RGB(0, 0, 0), RGB(255, 255, 255)}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.bBlackWhite);
        ComboGrid w;
        w.SetCombo(2, 52517, _T("eins\nzwei\ndrei"), _T("eins"));
        w.grid->SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetInterior(rgbYellow).SetTextColor(rgbBlue));
        CGXProperties* pProp = w.grid->GetParam()->GetProperties();
        ASSERT_NE(nullptr, pProp);
        pProp->m_abFlags[CGXProperties::flagPrinting] = c.bBlackWhite;
        pProp->m_abPrintFlags[CGXProperties::printBlackWhite] = c.bBlackWhite;
        w.Enter(2);
        AltDown();
        CGXComboBox* pCombo = w.Combo(52517);
        ASSERT_TRUE(pCombo->IsDroppedDown());
        CGXGridCombo* pPopup = pCombo->m_pDropDownWnd;
        CListBox* pList = w.List(52517);
        // The list's colour request is answered with them.
        CClientDC dcList(pList);
        HBRUSH hbr = (HBRUSH)pPopup->SendMessage(WM_CTLCOLORLISTBOX, (WPARAM)dcList.GetSafeHdc(),
                                                 (LPARAM)pList->GetSafeHwnd());
        LOGBRUSH lb = {};
        ASSERT_EQ((int)sizeof(lb), ::GetObject(hbr, sizeof(lb), &lb));
        EXPECT_EQ(c.rgbBack, lb.lbColor);
        EXPECT_EQ(c.rgbBack, dcList.GetBkColor());
        EXPECT_EQ(c.rgbText, dcList.GetTextColor());
        // Where no line is the list is filled with the background.
        pList->ResetContent();
        pList->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        Pixels px = CaptureClient(pList);
        EXPECT_EQ(ToRGB(c.rgbBack), px.At(px.cx / 2, px.cy / 2));
        TypeKey(VK_ESCAPE);
        pProp->m_abFlags[CGXProperties::flagPrinting] = FALSE;
    }
}
// With the list open a press on the grid or a wheel turn only closes the list: the current cell
// stays, the grid does not scroll, and the cell stays in editing.
TEST(GridComboBox, APressOrAWheelTurnOnTheGridOnlyClosesAnOpenList)
{
    const char* const apszCases[] = {"press on another cell", "wheel turn"};
    for (const char* pszCase : apszCases)
    {
        SCOPED_TRACE(pszCase);
        ComboGrid w;
        w.grid->SetRowCount(40);
        w.SetCombo(1, 52517, _T("eins\nzwei\ndrei"), _T("zwei"));
        w.Enter(1);
        AltDown();
        ASSERT_NE(nullptr, w.List(52517));
        if (pszCase == apszCases[0])
            ClickAt(w.grid.get(), w.grid->CalcCellRect(4, 2).CenterPoint());
        else
        {
            CPoint pt = w.CellCentre(4, 2);
            w.grid->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)(-3 * WHEEL_DELTA)),
                                MAKELPARAM(pt.x, pt.y));
        }
        PumpMessages(80);
        EXPECT_EQ(nullptr, w.List(52517));
        ROWCOL nRow = 0, nCol = 0;
        w.grid->GetCurrentCell(nRow, nCol);
        EXPECT_EQ(1u, nRow);
        EXPECT_EQ(1u, nCol);
        EXPECT_EQ(1u, w.grid->GetTopRow());
        EXPECT_TRUE(w.Combo(52517)->IsActive());
    }
}

TEST(GridComboBox, ParenthesisPicksAChoiceInStaticDisplayAndReplaceSelEditsTheSelection)
{
    ComboGrid w;
    CGXComboBox* pCombo = w.Combo(52517);
    w.SetCombo(1, 52517, _T("Alpha\n(leer)\nBeta"), _T(""));
    struct
    {
        BOOL bStatic;
        const char* pszText;
    } cases[] = {{TRUE, "(leer)"}, {FALSE, "("}};
    for (const auto& c : cases)
    {
        pCombo->m_bStaticDisplay = c.bStatic;
        w.Enter(2);
        w.Enter(1);
        SendKey(VK_SHIFT, false);
        TypeKey('9'); // '('
        SendKey(VK_SHIFT, true);
        PumpMessages(60);
        EXPECT_EQ(CString(c.pszText), w.EditText(52517)) << c.bStatic;
        TypeKey(VK_ESCAPE);
    }
    pCombo->m_bStaticDisplay = FALSE;

    // Active: the selection is replaced and the cell counts as modified.
    w.SetCombo(1, 52517, s_szChoices, _T("Alpha"));
    w.Enter(2);
    w.Enter(1);
    TypeKey(VK_END);
    ASSERT_TRUE(pCombo->IsActive());
    pCombo->SetModify(FALSE);
    pCombo->CEdit::SetSel(1, 4);
    pCombo->ReplaceSel(_T("x"));
    EXPECT_EQ(CString("Axa"), w.EditText(52517));
    EXPECT_TRUE(pCombo->GetModify());
    TypeKey(VK_DOWN);
    EXPECT_STREQ("Axa", CellValue(*w.grid, 1, 1));
}

TEST(GridComboBox, TheFittingSizeHoldsTheWidestChoiceAndTheButton)
{
    ComboGrid w;
    w.SetCombo(1, 52517, s_szChoices, NULL);
    w.Enter(3);
    CGXComboBox* pCombo = w.Combo(52517);
    CGXStyle style;
    w.grid->ComposeStyleRowCol(1, 1, &style);
    CClientDC dc(w.grid.get());
    CFont* pOld = pCombo->SelectStyleFont(&dc, style, NULL);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    int cxWidest = 0;
    for (const char* psz : {"Alpha", "Betamax", "BETA", "Gamma"})
        cxWidest = std::max<int>(cxWidest, dc.GetTextExtent(psz).cx);
    dc.SelectObject(pOld);
    CSize wide = pCombo->CalcSize(&dc, 1, 1, style, NULL, FALSE);
    CSize high = pCombo->CalcSize(&dc, 1, 1, style, NULL, TRUE);
    EXPECT_EQ(pCombo->AddBorders(CSize(cxWidest, 0), style).cx, wide.cx);
    EXPECT_EQ(pCombo->AddBorders(CSize(0, tm.tmHeight + tm.tmExternalLeading + 1), style).cy, high.cy);
}
} // namespace
