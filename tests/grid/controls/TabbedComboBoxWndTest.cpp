// Window multi-column combo cells in a shown grid, driven through the system's input queue: the
// shown text field against the stored key, the dropped list, completion while typing, unknown
// texts, sorting once, the list in columns under its title strip, opening by click, line heights
// and read-only edits, bitmap texts, and the width a column needs.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/TabbedComboBoxWnd.h"
#include "grid/core/DIBPool.h"
#include "grid/core/DrawingAndFormatting.h"
#include "tests/grid/GridPixels.h"
#include "GridIds.h"
#include "ClientDC.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
const char s_szChoices[] = "Name\tCode\nAlpha\tA1\nBeta\tB2\nGamma\tG3";

struct TabbedWndGrid : GridWindow
{
    TabbedWndGrid() : GridWindow(400, 240)
    {
        grid->SetRowCount(4, GX_NOREDRAW);
        grid->SetColCount(2, GX_NOREDRAW);
        grid->SetColWidth(1, 2, 110, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, 4, 24, NULL, GX_NOREDRAW);
        grid->RedrawAll();
    }
    CGXTabbedComboBoxWnd* Combo(UINT nID)
    {
        return (CGXTabbedComboBoxWnd*)grid->GetRegisteredControl((WORD)nID);
    }
    void SetCell(ROWCOL nRow, UINT nID, LPCTSTR pszChoices, LPCTSTR pszValue, LPCTSTR pszSortCol = NULL)
    {
        CGXStyle style;
        style.SetControl((WORD)nID).SetChoiceList(pszChoices).SetValue(pszValue);
        style.SetUserAttributeText(GX_IDS_UA_TABLIST_KEYCOL, _T("1"));
        style.SetUserAttributeText(GX_IDS_UA_TABLIST_TEXTCOL, _T("0"));
        style.SetUserAttributeText(GX_IDS_UA_TABLIST_COLWIDTHS, _T("50,80"));
        if (pszSortCol != NULL)
            style.SetUserAttributeText(GX_IDS_UA_TABLIST_SORTCOL, pszSortCol);
        grid->SetStyleRange(CGXCellRange(nRow, 1), style, gxCopy);
    }
    void Enter(ROWCOL nRow)
    {
        ASSERT_TRUE(EnterCell(*grid, nRow, 1));
        PumpMessages(40);
    }
    CString Shown(UINT nID, ROWCOL nRow, BOOL* pbFound = NULL)
    {
        CGXStyle style;
        grid->ComposeStyleRowCol(nRow, 1, &style);
        CString str;
        BOOL bFound = Combo(nID)->FormatValueText(str, nRow, 1, NULL, style);
        if (pbFound != NULL)
            *pbFound = bFound;
        return str;
    }
};

void AltDown()
{
    KeyWith(VK_MENU, VK_DOWN);
    PumpMessages(150);
}

// Both variants: the editable combo and the list-only one.
const UINT s_anIds[] = {GX_IDS_CTRL_CBS_TABBED_DROPDOWN, GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST};

TEST(GridTabbedComboBoxWnd, ShowsTheTextFieldAndStoresTheKeyOfTheChosenEntry)
{
    for (UINT nID : s_anIds)
    {
        SCOPED_TRACE(nID);
        TabbedWndGrid w;
        w.SetCell(1, nID, s_szChoices, _T("B2"));
        w.SetCell(2, nID, s_szChoices, _T("X9"));
        BOOL bFound = FALSE;
        EXPECT_STREQ("Beta", w.Shown(nID, 1, &bFound));
        EXPECT_TRUE(bFound);
        EXPECT_STREQ("", w.Shown(nID, 2, &bFound)); // a key no line holds
        EXPECT_FALSE(bFound);

        w.Enter(1);
        CGXTabbedComboBoxWnd* pCombo = w.Combo(nID);
        ASSERT_TRUE(pCombo->CComboBox::IsKindOf(RUNTIME_CLASS(CGXTabbedComboBoxWnd)));
        EXPECT_EQ(nID == GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST, pCombo->IsDropDownList());
        EXPECT_EQ(3, pCombo->GetCount()); // the header line is not an entry
        EXPECT_EQ(1, pCombo->GetCurSel());
        CString strText;
        EXPECT_TRUE(pCombo->GetCurrentText(strText));
        EXPECT_STREQ("Beta", strText);
        if (nID == GX_IDS_CTRL_CBS_TABBED_DROPDOWN)
        {
            pCombo->m_tabbedEdit.GetWindowText(strText);
            EXPECT_STREQ("Beta", strText); // the edit shows only the first field
        }

        AltDown();
        ASSERT_TRUE(pCombo->GetDroppedState());
        EXPECT_TRUE(pCombo->IsActive());
        TypeKey(VK_DOWN);
        EXPECT_TRUE(pCombo->GetDroppedState());
        EXPECT_EQ(2, pCombo->GetCurSel());
        TypeKey(VK_RETURN);
        EXPECT_FALSE(pCombo->GetDroppedState());
        CString strValue;
        EXPECT_TRUE(pCombo->GetValue(strValue));
        EXPECT_STREQ("G3", strValue);
        TypeKey(VK_RETURN);
        PumpMessages(40);
        EXPECT_STREQ("G3", CellValue(*w.grid, 1, 1));
        EXPECT_STREQ("Gamma", w.Shown(nID, 1));
    }
}

TEST(GridTabbedComboBoxWnd, TypingCompletesToTheFirstEntryAndRefusesWhatBeginsNone)
{
    TabbedWndGrid w;
    w.SetCell(1, GX_IDS_CTRL_CBS_TABBED_DROPDOWN, s_szChoices, _T("A1"));
    w.Enter(1);
    CGXTabbedComboBoxWnd* pCombo = w.Combo(GX_IDS_CTRL_CBS_TABBED_DROPDOWN);
    // The first letter reaches the grid and starts editing; the next ones go to the edit. Each
    // completes the text.
    TypeText("G");
    ASSERT_TRUE(pCombo->IsActive());
    ASSERT_NE((HWND)NULL, pCombo->m_tabbedEdit.GetSafeHwnd());
    CString strText;
    pCombo->m_tabbedEdit.GetWindowText(strText);
    EXPECT_STREQ("Gamma", strText);
    int nStart = 0, nEnd = 0;
    pCombo->m_tabbedEdit.GetSel(nStart, nEnd);
    EXPECT_EQ(1, nStart);
    EXPECT_EQ(5, nEnd);
    TypeText("a");
    pCombo->m_tabbedEdit.GetWindowText(strText);
    EXPECT_STREQ("Gamma", strText);
    pCombo->m_tabbedEdit.GetSel(nStart, nEnd);
    EXPECT_EQ(2, nStart);
    EXPECT_EQ(5, nEnd);

    TypeText("z"); // "Gz" begins no entry
    pCombo->m_tabbedEdit.GetWindowText(strText);
    EXPECT_STREQ("Gamma", strText);
    pCombo->m_tabbedEdit.GetSel(nStart, nEnd);
    EXPECT_EQ(2, nStart);
    EXPECT_EQ(5, nEnd);

    TypeKey(VK_RETURN);
    PumpMessages(40);
    EXPECT_STREQ("G3", CellValue(*w.grid, 1, 1));
}

TEST(GridTabbedComboBoxWnd, AnUnknownTextFailsValidationAndStoresNothing)
{
    TabbedWndGrid w;
    w.SetCell(1, GX_IDS_CTRL_CBS_TABBED_DROPDOWN, s_szChoices, _T("A1"));
    w.Enter(1);
    CGXTabbedComboBoxWnd* pCombo = w.Combo(GX_IDS_CTRL_CBS_TABBED_DROPDOWN);
    pCombo->SetActive(TRUE);
    ASSERT_TRUE(pCombo->IsActive());
    pCombo->SetWindowText(_T("Zulu"));
    pCombo->SetModify(TRUE);
    CString strValue;
    EXPECT_FALSE(pCombo->GetValue(strValue));
    EXPECT_FALSE(pCombo->Validate());
    EXPECT_FALSE(pCombo->ValidateText(_T("Zulu")));
    EXPECT_TRUE(pCombo->ValidateText(_T("Be"))); // begins a text field
    EXPECT_TRUE(pCombo->ValidateText(_T("")));

    CGXStyle style;
    w.grid->ComposeStyleRowCol(1, 1, &style);
    const struct
    {
        LPCTSTR pszText;
        BOOL bStored;
        LPCTSTR pszValue;
    } cases[] = {{_T("Zulu"), FALSE, _T("Zulu")}, {_T("Beta"), TRUE, _T("B2")}, {_T(""), TRUE, _T("")}};
    for (const auto& c : cases)
    {
        CString strStore = c.pszText;
        EXPECT_EQ(c.bStored, pCombo->PrepareStoreText(strStore, 1, 1, style)) << c.pszText;
        EXPECT_STREQ(c.pszValue, strStore);
    }
    pCombo->SetWindowText(_T("Alpha"));
    pCombo->SetModify(FALSE);
}

TEST(GridTabbedComboBoxWnd, TheListIsSortedOnceAndLinesOfALaterTextColumnBeginWithIt)
{
    TabbedWndGrid w;
    w.SetCell(1, GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST, _T("Name\tCode\nGamma\tG3\nAlpha\tA1\nBeta\tB2"),
              _T("B2"), _T("0"));
    w.Enter(1);
    CGXTabbedComboBoxWnd* pCombo = w.Combo(GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST);
    CString strFirst;
    pCombo->GetLBText(0, strFirst);
    EXPECT_STREQ("Alpha\tA1", strFirst);
    EXPECT_EQ(1, pCombo->GetCurSel());
    EXPECT_STREQ("-1", pCombo->LoadStyle().GetUserAttribute(GX_IDS_UA_TABLIST_SORTCOL).GetValueText());

    // Text column 1, key column 0: each entry begins with the code and a tab.
    CGXStyle style;
    style.SetUserAttributeText(GX_IDS_UA_TABLIST_KEYCOL, _T("0"));
    style.SetUserAttributeText(GX_IDS_UA_TABLIST_TEXTCOL, _T("1"));
    w.grid->SetStyleRange(CGXCellRange(2, 1), style);
    w.SetCell(2, GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST, s_szChoices, _T("Beta"));
    w.grid->SetStyleRange(CGXCellRange(2, 1), style);
    w.Enter(2);
    pCombo->GetLBText(0, strFirst);
    EXPECT_STREQ("A1\tAlpha\tA1", strFirst);
    CString strText, strValue;
    EXPECT_TRUE(pCombo->GetCurrentText(strText));
    EXPECT_STREQ("B2", strText);
    EXPECT_TRUE(pCombo->GetValue(strValue));
    EXPECT_STREQ("Beta", strValue);
}

TEST(GridTabbedComboBoxWnd, EscapeGoesBackToTheCellAndANewListRefillsTheCombo)
{
    TabbedWndGrid w;
    w.SetCell(1, GX_IDS_CTRL_CBS_TABBED_DROPDOWN, s_szChoices, _T("A1"));
    w.Enter(1);
    CGXTabbedComboBoxWnd* pCombo = w.Combo(GX_IDS_CTRL_CBS_TABBED_DROPDOWN);
    AltDown();
    ASSERT_TRUE(pCombo->GetDroppedState());
    TypeKey(VK_DOWN);
    EXPECT_EQ(1, pCombo->GetCurSel());
    TypeKey(VK_ESCAPE);
    PumpMessages(40);
    EXPECT_FALSE(pCombo->GetDroppedState());
    EXPECT_FALSE(pCombo->GetModify());
    CString strText;
    EXPECT_TRUE(pCombo->GetCurrentText(strText));
    EXPECT_STREQ("Alpha", strText);
    EXPECT_EQ(w.grid->GetSafeHwnd(), ::GetFocus());
    EXPECT_STREQ("A1", CellValue(*w.grid, 1, 1));

    // A new list stored into the current cell fills the combo again.
    CGXStyle style;
    style.SetChoiceList(_T("Name\tCode\nAlpha\tA1\nDelta\tD4"));
    w.grid->SetStyleRange(CGXCellRange(1, 1), style);
    PumpMessages(40);
    AltDown();
    EXPECT_EQ(2, pCombo->GetCount());
    CString strLast;
    pCombo->GetLBText(1, strLast);
    EXPECT_STREQ("Delta\tD4", strLast);
    TypeKey(VK_ESCAPE);
}

COMBOBOXINFO InfoOf(CGXTabbedComboBoxWnd* pCombo)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(COMBOBOXINFO);
    EXPECT_TRUE(::GetComboBoxInfo(pCombo->GetSafeHwnd(), &info));
    return info;
}

TEST(GridTabbedComboBoxWnd, TheDroppedListShowsColumnsUnderTheTitleStrip)
{
    TabbedWndGrid w;
    const UINT nID = GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST;
    w.SetCell(1, nID, s_szChoices, _T("A1"));
    w.Enter(1);
    CGXTabbedComboBoxWnd* pCombo = w.Combo(nID);
    EXPECT_TRUE(pCombo->GetStyle() & CBS_OWNERDRAWFIXED);
    AltDown();
    ASSERT_TRUE(pCombo->GetDroppedState());
    PumpMessages(100);
    COMBOBOXINFO info = InfoOf(pCombo);
    CWnd* pList = CWnd::FromHandle(info.hwndList);

    // Widened to the columns: 50 + 80 and the scroll bar, wider than the cell.
    EXPECT_EQ(130 + ::GetSystemMetrics(SM_CXVSCROLL), pCombo->m_nTotalWidth);
    CRect rectList, rectCombo, rectHeader;
    pList->GetWindowRect(&rectList);
    pCombo->GetWindowRect(&rectCombo);
    EXPECT_EQ(std::max<int>(rectCombo.Width(), pCombo->m_nTotalWidth), rectList.Width());

    // The strip sits on the list, its boxes starting where the lines do.
    ASSERT_NE((HWND)NULL, pCombo->m_pHeader->GetSafeHwnd());
    EXPECT_TRUE(pCombo->m_pHeader->IsWindowVisible());
    pCombo->m_pHeader->GetWindowRect(&rectHeader);
    EXPECT_EQ(rectList.top, rectHeader.bottom);
    EXPECT_EQ(rectCombo.bottom, rectHeader.top);
    CPoint ptLines(0, 0);
    pList->ClientToScreen(&ptLines);
    EXPECT_EQ(ptLines.x, rectHeader.left);
    EXPECT_EQ(pCombo->m_pHeader->CalcHeight(), rectHeader.Height());

    // Column edge 50: the box edge and the list's separator share one screen column.
    COLORREF rgbShadow = ::GetSysColor(COLOR_BTNSHADOW);
    Pixels pxHeader = CaptureClient(pCombo->m_pHeader);
    EXPECT_EQ(ToRGB(rgbShadow), pxHeader.At(48, rectHeader.Height() / 2));
    Pixels pxList = CaptureClient(pList);
    CRect rectItem;
    ASSERT_NE(LB_ERR, ::SendMessage(info.hwndList, LB_GETITEMRECT, 1, (LPARAM)&rectItem));
    EXPECT_EQ(ToRGB(rgbShadow), pxList.At(48, rectItem.CenterPoint().y));
    EXPECT_NE(ToRGB(rgbShadow), pxList.At(46, rectItem.CenterPoint().y));

    // Closing the list hides the strip, and so does hiding the combo.
    KeyWith(VK_MENU, VK_UP);
    PumpMessages(100);
    EXPECT_FALSE(pCombo->GetDroppedState());
    EXPECT_FALSE(pCombo->m_pHeader->IsWindowVisible());
    AltDown();
    ASSERT_TRUE(pCombo->GetDroppedState());
    PumpMessages(100);
    ASSERT_TRUE(pCombo->m_pHeader->IsWindowVisible());
    pCombo->Hide();
    EXPECT_FALSE(pCombo->IsWindowVisible());
    EXPECT_FALSE(pCombo->m_pHeader->IsWindowVisible());
}

TEST(GridTabbedComboBoxWnd, NearTheDesktopsEdgesTheListMovesInAndTheStripGoesAbove)
{
    CRect rectDesktop;
    CWnd::GetDesktopWindow()->GetWindowRect(&rectDesktop);
    const UINT nID = GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST;
    TabbedWndGrid w;
    w.SetCell(1, nID, s_szChoices, _T("A1"));
    // The cell's right edge 30 pixels inside the desktop's right edge, its bottom 20 pixels above
    // the desktop's bottom.
    CRect rectCell = w.grid->CalcCellRect(1, 1);
    w.grid->ClientToScreen(&rectCell);
    CRect rectParent;
    w.parent.GetWindowRect(&rectParent);
    int dx = rectDesktop.right - 30 - rectCell.right;
    int dy = rectDesktop.bottom - 20 - rectCell.bottom;
    w.parent.SetWindowPos(NULL, rectParent.left + dx, rectParent.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpMessages(60);
    w.Enter(1);
    CGXTabbedComboBoxWnd* pCombo = w.Combo(nID);
    AltDown();
    ASSERT_TRUE(pCombo->GetDroppedState());
    PumpMessages(100);
    CRect rectList, rectCombo, rectHeader;
    ::GetWindowRect(InfoOf(pCombo).hwndList, &rectList);
    pCombo->GetWindowRect(&rectCombo);
    pCombo->m_pHeader->GetWindowRect(&rectHeader);
    EXPECT_EQ(rectDesktop.right, rectList.right);
    EXPECT_EQ(pCombo->m_nTotalWidth, rectList.Width());
    EXPECT_LE(rectList.bottom, rectCombo.top);
    EXPECT_EQ(rectList.top, rectHeader.bottom);
    TypeKey(VK_ESCAPE);
}

TEST(GridTabbedComboBoxWnd, TheButtonOpensTheListAndAClickOnTheCellOnlyWithTheFlag)
{
    const UINT nID = GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST;
    const struct
    {
        BOOL bDropOnClick;
        bool bOnButton;
        bool bDropped;
    } cases[] = {{FALSE, false, false}, {FALSE, true, true}, {TRUE, false, true}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.bDropOnClick * 10 + c.bOnButton);
        TabbedWndGrid w;
        w.SetCell(1, nID, s_szChoices, _T("A1"));
        w.Enter(1);
        CGXTabbedComboBoxWnd* pCombo = w.Combo(nID);
        EXPECT_FALSE(pCombo->m_bDropDownOnClick && !c.bDropOnClick); // the flag starts clear
        pCombo->m_bDropDownOnClick = c.bDropOnClick;
        ASSERT_FALSE(pCombo->IsActive());
        CRect rectCell = w.grid->CalcCellRect(1, 1);
        CPoint pt = c.bOnButton ? CPoint(rectCell.right - 8, rectCell.CenterPoint().y)
                                : CPoint(rectCell.left + 20, rectCell.CenterPoint().y);
        ClickAt(w.grid.get(), pt);
        PumpMessages(150);
        EXPECT_TRUE(pCombo->IsActive());
        EXPECT_EQ(c.bDropped, !!pCombo->GetDroppedState());
        if (pCombo->GetDroppedState())
            TypeKey(VK_ESCAPE);
    }
}

TEST(GridTabbedComboBoxWnd, TheActiveCellSetsTheLineHeightAndTheEditFollowsReadOnly)
{
    const UINT nID = GX_IDS_CTRL_CBS_TABBED_DROPDOWN;
    for (BOOL bReadOnly : {FALSE, TRUE})
    {
        SCOPED_TRACE(bReadOnly);
        TabbedWndGrid w;
        w.SetCell(1, nID, s_szChoices, _T("A1"));
        w.grid->SetStyleRange(CGXCellRange(1, 1), CGXStyle().SetReadOnly(bReadOnly));
        w.Enter(1);
        TypeKey(VK_HOME);
        CGXTabbedComboBoxWnd* pCombo = w.Combo(nID);
        ASSERT_TRUE(pCombo->IsActive());
        // The line height is the text height of the cell's font.
        CGXStyle style;
        w.grid->ComposeStyleRowCol(1, 1, &style);
        CClientDC dc(w.grid.get());
        CFont* pOld = pCombo->SelectStyleFont(&dc, style, NULL);
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        if (pOld != NULL)
            dc.SelectObject(pOld);
        EXPECT_EQ(tm.tmHeight, pCombo->m_nItemHeight);
        EXPECT_EQ(tm.tmHeight, (int)pCombo->SendMessage(CB_GETITEMHEIGHT, 0));
        EXPECT_EQ(bReadOnly, !!(pCombo->m_tabbedEdit.GetStyle() & ES_READONLY));
    }
}

TEST(GridTabbedComboBoxWnd, ATextFieldNamingABitmapIsDrawnAsThatBitmap)
{
    CString strBitmap;
    strBitmap.Format(_T("#BMP(%u)"), (unsigned)GX_IDB_BROWSE_EDIT);
    HANDLE hDIB = GXGetDIBPool()->GetDIB(strBitmap);
    ASSERT_NE((HANDLE)NULL, hDIB);
    const UINT nID = GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST;
    TabbedWndGrid w;
    w.SetCell(2, nID, _T("Name\tCode\n") + strBitmap + _T("\tK1\nBeta\tB2"), _T("K1"));
    w.grid->SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetInterior(RGB(255, 255, 255)));
    w.Enter(4);
    w.grid->RedrawAll();
    w.grid->UpdateWindow();
    CGXTabbedComboBoxWnd* pCombo = w.Combo(nID);
    CRect rectCell = w.grid->CalcCellRect(2, 1);
    CGXStyle style;
    w.grid->ComposeStyleRowCol(2, 1, &style);
    CRect rectInner = pCombo->GetCellRect(2, 1, &rectCell, &style);

    // What the bitmap alone looks like at the inner rectangle's corner.
    CClientDC dcGrid(w.grid.get());
    CDC mem;
    mem.CreateCompatibleDC(&dcGrid);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dcGrid, rectInner.Width(), rectInner.Height());
    CBitmap* pOld = mem.SelectObject(&bitmap);
    mem.FillSolidRect(0, 0, rectInner.Width(), rectInner.Height(), RGB(255, 255, 255));
    GXDrawDIB(&mem, hDIB, CRect(0, 0, rectInner.Width(), rectInner.Height()), 0, GXGetDIBAlignment(style),
              NULL);
    Pixels expected = CaptureDC(&mem, CRect(0, 0, rectInner.Width(), rectInner.Height()));
    mem.SelectObject(pOld);

    Pixels shown = CaptureClient(w.grid.get());
    int nDiffer = 0, nInk = 0;
    for (int y = 0; y < expected.cy; y++)
        for (int x = 0; x < expected.cx; x++)
        {
            nDiffer += shown.At(rectInner.left + x, rectInner.top + y) != expected.At(x, y);
            nInk += expected.At(x, y) != 0xFFFFFF;
        }
    EXPECT_GT(nInk, 20);
    EXPECT_EQ(0, nDiffer);
}

TEST(GridTabbedComboBoxWnd, TheWidthIsThatOfTheWidestTextField)
{
    const UINT nID = GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST;
    TabbedWndGrid w;
    w.SetCell(1, nID, _T("Eine lange Ueberschrift\tCode\nAb\tSCHLUESSEL-SEHR-LANG-1\nCdefgh\tK"),
              _T("SCHLUESSEL-SEHR-LANG-1"));
    CGXTabbedComboBoxWnd* pCombo = w.Combo(nID);
    CGXStyle style;
    w.grid->ComposeStyleRowCol(1, 1, &style);
    CClientDC dc(w.grid.get());
    CSize size = pCombo->CalcSize(&dc, 1, 1, style, NULL, FALSE);
    CFont* pOld = pCombo->SelectStyleFont(&dc, style, NULL);
    int cx = dc.GetTextExtent(_T("Cdefgh")).cx;
    if (pOld != NULL)
        dc.SelectObject(pOld);
    EXPECT_EQ(pCombo->AddBorders(CSize(cx, 0), style).cx, size.cx);
}
// The edit's colour request hides a strip left standing while the list is closed, never while
// the list is dropped.
TEST(GridTabbedComboBoxWnd, TheEditsColourRequestHidesTheStripOnlyWhileTheListIsClosed)
{
    TabbedWndGrid w;
    const UINT nID = GX_IDS_CTRL_CBS_TABBED_DROPDOWN;
    w.SetCell(1, nID, s_szChoices, _T("A1"));
    w.Enter(1);
    CGXTabbedComboBoxWnd* pCombo = w.Combo(nID);
    AltDown();
    ASSERT_TRUE(pCombo->GetDroppedState());
    PumpMessages(100);
    ASSERT_TRUE(pCombo->m_pHeader->IsWindowVisible());
    CWnd* pEdit = &pCombo->m_tabbedEdit;
    ASSERT_NE((HWND)NULL, pEdit->GetSafeHwnd());
    auto repaintEdit = [&] {
        pEdit->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        PumpMessages(30);
    };
    repaintEdit();
    EXPECT_TRUE(pCombo->GetDroppedState());
    EXPECT_TRUE(pCombo->m_pHeader->IsWindowVisible());
    pCombo->ShowDropDown(FALSE);
    PumpMessages(50);
    ASSERT_FALSE(pCombo->GetDroppedState());
    // A strip shown again by hand stays only until the edit repaints.
    pCombo->m_pHeader->ShowWindow(SW_SHOWNA);
    ASSERT_TRUE(pCombo->m_pHeader->IsWindowVisible());
    repaintEdit();
    EXPECT_FALSE(pCombo->m_pHeader->IsWindowVisible());
}
} // namespace
