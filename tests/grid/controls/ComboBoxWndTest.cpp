// Window combo cells in a shown grid, driven through the system's input queue: the system list
// dropped by Alt+Down, typing into a list-only cell, index values, read-only cells, the arrow
// keys at the ends of the text, replacing text in a cell, the colours of the edit and the list,
// the window cut to the grid, keys taken before dispatch, and owner-drawn inactive cells.
#include "ControlsTestApp.h"
#include "tests/grid/GridPixels.h"
#include "TestSupport.h"
#include "grid/controls/ComboBoxWnd.h"
#include "grid/core/FindReplaceSettings.h"
#include "GridIds.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
struct ComboWndGrid : GridWindow
{
    ComboWndGrid() : GridWindow(400, 240)
    {
        grid->SetRowCount(6, GX_NOREDRAW);
        grid->SetColCount(3, GX_NOREDRAW);
        grid->SetColWidth(1, 3, 110, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, 6, 24, NULL, GX_NOREDRAW);
        grid->RedrawAll();
    }
    CGXComboBoxWnd* Combo(UINT nID)
    {
        return (CGXComboBoxWnd*)grid->GetRegisteredControl((WORD)nID);
    }
    void SetCombo(ROWCOL nRow, ROWCOL nCol, UINT nID, LPCTSTR pszChoices, LPCTSTR pszValue)
    {
        CGXStyle style;
        style.SetControl((WORD)nID).SetChoiceList(pszChoices).SetValue(pszValue);
        grid->SetStyleRange(CGXCellRange(nRow, nCol), style, gxCopy);
    }
    void Enter(ROWCOL nRow, ROWCOL nCol)
    {
        ASSERT_TRUE(grid->ChangeCurrentCell(nRow, nCol));
        grid->SetFocus();
        PumpMessages(40);
    }
    ROWCOL CurrentCol()
    {
        ROWCOL nRow = 0, nCol = 0;
        grid->GetCurrentCell(nRow, nCol);
        return nCol;
    }
};

void AltDown()
{
    SendKey(VK_MENU, false);
    SendKey(VK_DOWN, false);
    SendKey(VK_DOWN, true);
    SendKey(VK_MENU, true);
    PumpMessages(150);
}

TEST(GridComboBoxWnd, AltDownDropsTheSystemListShowingAtMostEightLines)
{
    ComboWndGrid w;
    CString strMany;
    for (int i = 0; i < 20; i++)
    {
        CString strLine;
        strLine.Format(_T("Zeile %d\n"), i);
        strMany += strLine;
    }
    w.SetCombo(1, 1, 52528, strMany, _T("Zeile 3"));
    w.Enter(1, 1);
    AltDown();
    CGXComboBoxWnd* pCombo = w.Combo(52528);
    ASSERT_TRUE(pCombo->GetDroppedState());
    EXPECT_TRUE(pCombo->IsActive());
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(COMBOBOXINFO);
    ASSERT_TRUE(::GetComboBoxInfo(pCombo->GetSafeHwnd(), &info));
    CRect rectList;
    ::GetClientRect(info.hwndList, &rectList);
    int nItem = (int)::SendMessage(info.hwndList, LB_GETITEMHEIGHT, 0, 0);
    ASSERT_GT(nItem, 0);
    EXPECT_LE(rectList.Height() / nItem, 8);
    EXPECT_GE(rectList.Height() / nItem, 4);
    TypeKey(VK_ESCAPE);
    EXPECT_FALSE(pCombo->GetDroppedState());
}

TEST(GridComboBoxWnd, TypingALetterInAListCellCyclesThroughItsLines)
{
    ComboWndGrid w;
    w.SetCombo(1, 1, 52529, _T("Anton\nBerta\nCaesar\nBruno"), _T("Anton"));
    w.Enter(1, 1);
    CGXComboBoxWnd* pCombo = w.Combo(52529);
    const int anExpected[] = {1, 3, 1};
    for (int nSel : anExpected)
    {
        TypeKey('B');
        EXPECT_EQ(nSel, pCombo->GetCurSel());
    }
    TypeKey(VK_DOWN); // leaves the cell
    EXPECT_STREQ("Berta", CellValue(*w.grid, 1, 1));
}

TEST(GridComboBoxWnd, AnIndexBiasSelectsByNumberAndGivesTheNumberBack)
{
    ComboWndGrid w;
    CGXComboBoxWnd* pCombo = w.Combo(52529);
    pCombo->m_nIndexValue = 0;
    w.SetCombo(1, 1, 52529, _T("null\neins\nzwei\ndrei"), _T("2"));
    w.Enter(1, 1);
    EXPECT_EQ(2, pCombo->GetCurSel());
    CString strValue;
    EXPECT_TRUE(pCombo->GetValue(strValue));
    EXPECT_STREQ("2", strValue);
    pCombo->m_nIndexValue = -1;
}

TEST(GridComboBoxWnd, AListCellNeverStoresNothing)
{
    ComboWndGrid w;
    w.SetCombo(1, 1, 52529, _T("eins\nzwei"), _T("zwei"));
    w.SetCombo(2, 1, 52528, _T("eins\nzwei"), _T("zwei"));
    EXPECT_TRUE(w.Combo(52529)->StoreTextInCell(1, 1, _T(""), 0));
    EXPECT_STREQ("zwei", CellValue(*w.grid, 1, 1));
    EXPECT_TRUE(w.Combo(52528)->StoreTextInCell(2, 1, _T(""), 0));
    EXPECT_STREQ("", CellValue(*w.grid, 2, 1));
}

TEST(GridComboBoxWnd, AChoiceInAReadOnlyCellIsUndone)
{
    ComboWndGrid w;
    w.SetCombo(1, 1, 52529, _T("eins\nzwei\ndrei"), _T("zwei"));
    w.grid->SetStyleRange(CGXCellRange(1, 1), CGXStyle().SetReadOnly(TRUE));
    w.Enter(1, 1);
    AltDown();
    CGXComboBoxWnd* pCombo = w.Combo(52529);
    ASSERT_TRUE(pCombo->GetDroppedState());
    TypeKey(VK_DOWN);
    TypeKey(VK_RETURN);
    EXPECT_EQ(1, pCombo->GetCurSel());
    w.grid->SetFocus();
    w.grid->ChangeCurrentCell(3, 1);
    EXPECT_STREQ("zwei", CellValue(*w.grid, 1, 1));
}

TEST(GridComboBoxWnd, LeftAndRightLeaveTheCellOnlyAtTheEndsOfTheText)
{
    ComboWndGrid w;
    w.SetCombo(1, 2, 52528, _T("eins\nzwei"), _T(""));
    w.Enter(1, 2);
    TypeKey('X');
    TypeKey('Y');
    CGXComboBoxWnd* pCombo = w.Combo(52528);
    ASSERT_TRUE(pCombo->IsActive());
    CString strText;
    pCombo->GetWindowText(strText);
    EXPECT_STREQ("xy", strText);
    struct
    {
        WORD vk;
        ROWCOL nCol;
    } steps[] = {{VK_RIGHT, 3}, {VK_LEFT, 2}, {VK_END, 2}, {VK_LEFT, 2}, {VK_LEFT, 2}, {VK_LEFT, 1}};
    for (const auto& s : steps)
    {
        TypeKey(s.vk);
        EXPECT_EQ(s.nCol, w.CurrentCol());
    }
}

TEST(GridComboBoxWnd, ReplacingFoldsCaseOnBothSidesAndKeepsLongResults)
{
    ComboWndGrid w;
    CString strLong('a', 1500);
    struct
    {
        CString strValue, strFind, strReplace, strResult;
    } cases[] = {{_T("xAbCx"), _T("abc"), _T("q"), _T("xqx")},
                 {strLong, _T("A"), _T("bb"), CString('b', 3000)},
                 {_T("xyz"), _T("abc"), _T("q"), _T("xyz")}};
    for (const auto& c : cases)
    {
        w.SetCombo(2, 1, 52528, _T("eins"), c.strValue);
        CGXFindReplaceSettings find;
        find.m_strFind = c.strFind;
        find.m_strReplace = c.strReplace;
        find.m_bMatchCase = FALSE;
        BOOL bReplaced = w.Combo(52528)->ReplaceText(find, 2, 1);
        EXPECT_EQ(c.strResult != c.strValue, !!bReplaced);
        EXPECT_TRUE(CellValue(*w.grid, 2, 1) == c.strResult) << (LPCTSTR)c.strFind;
    }
}
TEST(GridComboBoxWnd, FindingTextInAnotherCellStoresWhatWasTypedBeforeMoving)
{
    ComboWndGrid w;
    w.SetCombo(1, 2, 52528, _T("eins\nzwei"), _T(""));
    w.SetCombo(4, 2, 52528, _T("eins\nzwei"), _T("Erdbeere Banane"));
    w.SetCombo(5, 2, 52528, _T("eins\nzwei"), _T("Kirsche"));
    w.Enter(1, 2);
    TypeKey('X');
    TypeKey('Y');
    CGXComboBoxWnd* pCombo = w.Combo(52528);
    ASSERT_TRUE(pCombo->IsActive());
    struct
    {
        const char* name;
        LPCTSTR pszFind;
        BOOL bMatchCase;
        ROWCOL nRow;
        BOOL bFound;
    } cases[] = {
        {"not in the cell", _T("Apfel"), FALSE, 5, FALSE},
        {"another case when case matters", _T("BANANE"), TRUE, 4, FALSE},
        {"found with the case folded", _T("BANANE"), FALSE, 4, TRUE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CGXFindReplaceSettings find;
        find.m_strFind = c.pszFind;
        find.m_bMatchCase = c.bMatchCase;
        EXPECT_EQ(c.bFound, pCombo->FindText(find, c.nRow, 2, FALSE, TRUE));
        ROWCOL nRow = 0, nCol = 0;
        ASSERT_TRUE(w.grid->GetCurrentCell(nRow, nCol));
        EXPECT_EQ(c.bFound ? c.nRow : 1u, nRow);
    }
    // The typed text reached its cell, the combo is active in the found cell with the hit selected.
    EXPECT_STREQ("xy", CellValue(*w.grid, 1, 2));
    EXPECT_TRUE(pCombo->IsActive());
    EXPECT_TRUE(pCombo->IsInitAt(4, 2));
    DWORD dwSel = pCombo->GetEditSel();
    EXPECT_EQ(9, LOWORD(dwSel));
    EXPECT_EQ(15, HIWORD(dwSel));
    // Leaving the found cell keeps its value.
    w.grid->ChangeCurrentCell(5, 2);
    EXPECT_STREQ("Erdbeere Banane", CellValue(*w.grid, 4, 2));
}

TEST(GridComboBoxWnd, TheDroppedListIsGivenTheCellsBackground)
{
    ComboWndGrid w;
    const COLORREF rgbYellow = RGB(255, 255, 0);
    w.SetCombo(1, 1, 52528, _T("eins\nzwei\ndrei"), _T("eins"));
    w.grid->SetStyleRange(CGXCellRange(1, 1), CGXStyle().SetInterior(rgbYellow));
    w.Enter(1, 1);
    AltDown();
    CGXComboBoxWnd* pCombo = w.Combo(52528);
    ASSERT_TRUE(pCombo->GetDroppedState());
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(COMBOBOXINFO);
    ASSERT_TRUE(::GetComboBoxInfo(pCombo->GetSafeHwnd(), &info));
    // The list asks the grid through the combo; the answer carries the cell's interior.
    CClientDC dcList(CWnd::FromHandle(info.hwndList));
    dcList.SetBkColor(RGB(1, 2, 3));
    HBRUSH hbr =
        (HBRUSH)w.grid->SendMessage(WM_CTLCOLORLISTBOX, (WPARAM)dcList.GetSafeHdc(), (LPARAM)info.hwndList);
    LOGBRUSH lb = {};
    ASSERT_EQ((int)sizeof(lb), ::GetObject(hbr, sizeof(lb), &lb));
    EXPECT_EQ(rgbYellow, lb.lbColor);
    EXPECT_EQ(rgbYellow, dcList.GetBkColor());
    TypeKey(VK_ESCAPE);
}

TEST(GridComboBoxWnd, ACellPartlyOutsideTheGridCutsTheComboWindow)
{
    ComboWndGrid w;
    w.grid->SetColWidth(2, 2, 500);
    w.SetCombo(1, 1, 52528, _T("eins\nzwei"), _T("eins"));
    w.SetCombo(1, 2, 52528, _T("eins\nzwei"), _T("eins"));
    CGXComboBoxWnd* pCombo = w.Combo(52528);
    struct
    {
        ROWCOL nCol;
        bool bCut;
    } cases[] = {{1, false}, {2, true}, {1, false}};
    for (const auto& c : cases)
    {
        w.Enter(1, c.nCol);
        TypeKey(VK_HOME); // activates: the combo lies over the cell
        ASSERT_TRUE(pCombo->IsWindowVisible());
        CRgn rgn;
        rgn.CreateRectRgn(0, 0, 0, 0);
        int nKind = pCombo->GetWindowRgn((HRGN)rgn.GetSafeHandle());
        EXPECT_EQ(c.bCut, nKind != ERROR) << c.nCol;
        if (!c.bCut)
            continue;
        CRect rectWnd, rectBox, rectClient;
        pCombo->GetWindowRect(&rectWnd);
        w.grid->ScreenToClient(&rectWnd);
        w.grid->GetClientRect(&rectClient);
        ASSERT_GT(rectWnd.right, rectClient.right);
        rgn.GetRgnBox(&rectBox);
        EXPECT_EQ(CRect(0, 0, rectClient.right - rectWnd.left, rectWnd.Height()), rectBox);
    }
}

TEST(GridComboBoxWnd, KeysForTheGridAreTakenBeforeTheEditSeesThem)
{
    ComboWndGrid w;
    w.SetCombo(1, 2, 52528, _T("eins\nzwei"), _T("eins"));
    w.Enter(1, 2);
    TypeKey(VK_END);
    CGXComboBoxWnd* pCombo = w.Combo(52528);
    ASSERT_TRUE(pCombo->IsActive());
    HWND hEdit = ::GetWindow(pCombo->GetSafeHwnd(), GW_CHILD);
    struct
    {
        WORD vk;
        BOOL bTaken;
        ROWCOL nCol;
    } cases[] = {{VK_HOME, FALSE, 2}, {VK_LEFT, FALSE, 2}, {VK_TAB, TRUE, 3}};
    for (const auto& c : cases)
    {
        MSG msg = {};
        msg.hwnd = hEdit;
        msg.message = WM_KEYDOWN;
        msg.wParam = c.vk;
        msg.lParam = 1;
        EXPECT_EQ(c.bTaken, pCombo->PreTranslateMessage(&msg)) << c.vk;
        PumpMessages(40);
        EXPECT_EQ(c.nCol, w.CurrentCol()) << c.vk;
    }
}

// An owner-drawn list-only combo that paints its entries red and keeps what it was given.
class COwnerDrawnCombo : public CGXComboBoxWnd
{
  public:
    explicit COwnerDrawnCombo(CGXGridCore* pGrid)
        : CGXComboBoxWnd(pGrid, WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 52600)
    {
    }
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        m_last = *lpDIS;
        m_nDraws++;
        ::SetBkColor(lpDIS->hDC, RGB(255, 0, 0));
        ::ExtTextOut(lpDIS->hDC, 0, 0, ETO_OPAQUE, &lpDIS->rcItem, NULL, 0, NULL);
    }
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
    {
        lpMIS->itemHeight = 16;
    }
    DRAWITEMSTRUCT m_last = {};
    int m_nDraws = 0;
};

TEST(GridComboBoxWnd, AnInactiveOwnerDrawnCellIsPaintedByDrawItemInAFrame)
{
    ComboWndGrid w;
    COwnerDrawnCombo* pCombo = new COwnerDrawnCombo(w.grid.get());
    w.grid->RegisterControl(52600, pCombo, FALSE, FALSE);
    w.SetCombo(2, 1, 52600, _T("a\nb\nc"), _T("1"));
    w.Enter(2, 1); // binds the control: its window exists from now on
    w.Enter(4, 3);
    ASSERT_NE((HWND)NULL, pCombo->GetSafeHwnd());
    EXPECT_FALSE(pCombo->m_bNotOwnerDrawn);
    pCombo->SetItemData(1, 77);
    struct
    {
        BOOL bFrame;
        int nInset;
    } cases[] = {{TRUE, 2}, {FALSE, 0}};
    for (const auto& c : cases)
    {
        pCombo->m_bFrame = c.bFrame;
        pCombo->m_nDraws = 0;
        w.grid->RedrawAll();
        w.grid->UpdateWindow();
        ASSERT_GT(pCombo->m_nDraws, 0);
        const DRAWITEMSTRUCT& dis = pCombo->m_last;
        EXPECT_EQ((UINT)ODT_COMBOBOX, dis.CtlType);
        EXPECT_EQ(52600u, dis.CtlID);
        EXPECT_EQ(1u, dis.itemID);
        EXPECT_EQ((UINT)ODA_DRAWENTIRE, dis.itemAction);
        EXPECT_EQ((UINT)ODS_SELECTED, dis.itemState);
        EXPECT_EQ(pCombo->GetSafeHwnd(), dis.hwndItem);
        EXPECT_EQ(77u, dis.itemData);
        CRect rectCell = w.grid->CalcCellRect(2, 1);
        CRect rectText = pCombo->GetCellRect(2, 1, &rectCell);
        CRect rectItem = rectText;
        rectItem.DeflateRect(c.nInset, c.nInset);
        EXPECT_EQ(rectItem, CRect(dis.rcItem));
        Pixels px = CaptureClient(w.grid.get());
        EXPECT_EQ(0xFF0000u, px.At(rectItem.left, rectItem.top));
        EXPECT_EQ(0xFF0000u, px.At(rectItem.right - 1, rectItem.bottom - 1));
        if (c.bFrame)
        {
            EXPECT_EQ(0u, px.At(rectText.left, rectText.top));
            EXPECT_EQ(0xFFFFFFu, px.At(rectText.right - 2, rectText.bottom - 2));
        }
    }
}
// With the line-height flag the owner-drawn entry is as high as a text line and the margins,
// placed in the cell by the cell's vertical alignment.
TEST(GridComboBoxWnd, AnOwnerDrawnCellWithTheLineHeightFlagPaintsALineHighEntry)
{
    ComboWndGrid w;
    w.grid->SetRowHeight(2, 2, 50);
    COwnerDrawnCombo* pCombo = new COwnerDrawnCombo(w.grid.get());
    w.grid->RegisterControl(52600, pCombo, FALSE, FALSE);
    w.SetCombo(2, 1, 52600, _T("a\nb\nc"), _T("1"));
    w.Enter(2, 1);
    w.Enter(4, 3);
    pCombo->m_bFrame = FALSE;
    pCombo->m_bButtonHeightFromText = TRUE;
    const DWORD aAlign[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
    for (DWORD dwAlign : aAlign)
    {
        SCOPED_TRACE(dwAlign);
        w.grid->SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetVerticalAlignment(dwAlign));
        pCombo->m_nDraws = 0;
        w.grid->RedrawAll();
        w.grid->UpdateWindow();
        ASSERT_GT(pCombo->m_nDraws, 0);
        ASSERT_GT(pCombo->m_nTextHeight, 0);
        CGXStyle style;
        w.grid->ComposeStyleRowCol(2, 1, &style);
        CRect rectCell = w.grid->CalcCellRect(2, 1);
        CRect rectText = pCombo->GetCellRect(2, 1, &rectCell, &style);
        CRect rectInner = pCombo->CGXControl::GetCellRect(2, 1, &rectCell, &style);
        int m = pCombo->m_nButtonMargin;
        int h = pCombo->m_nTextHeight + 2;
        ASSERT_LT(h + 2 * m, rectInner.Height());
        CRect rectItem(pCombo->m_last.rcItem);
        EXPECT_EQ(h + 2 * m - 1, rectItem.Height());
        EXPECT_EQ(rectText.left, rectItem.left);
        EXPECT_EQ(rectText.right, rectItem.right);
        if (dwAlign == DT_TOP)
            EXPECT_EQ(rectText.top, rectItem.top);
        else if (dwAlign == DT_VCENTER)
            EXPECT_EQ(rectText.top + (rectInner.Height() - h) / 2 - m, rectItem.top);
        else
            EXPECT_EQ(rectInner.bottom - 1, rectItem.bottom);
        // Painted there, and nowhere else in the cell.
        Pixels px = CaptureClient(w.grid.get());
        EXPECT_EQ(0xFF0000u, px.At(rectItem.left + 1, rectItem.CenterPoint().y));
        int yOutside = dwAlign == DT_BOTTOM ? rectText.top + 1 : rectText.bottom - 2;
        EXPECT_NE(0xFF0000u, px.At(rectItem.left + 1, yOutside));
    }
}

TEST(GridComboBoxWnd, StoringWritesOnceAndAReadOnlyCellGoesBackToItsValue)
{
    ComboWndGrid w;
    w.SetCombo(1, 1, 52528, _T("eins\nzwei"), _T("eins"));
    w.Enter(1, 1);
    TypeKey(VK_END);
    CGXComboBoxWnd* pCombo = w.Combo(52528);
    ASSERT_TRUE(pCombo->IsActive());
    pCombo->SetCurrentText(_T("drei"));
    ASSERT_TRUE(pCombo->GetModify());
    int nStores = w.grid->m_nStores;
    EXPECT_TRUE(pCombo->Store());
    EXPECT_STREQ("drei", CellValue(*w.grid, 1, 1));
    EXPECT_EQ(nStores + 1, w.grid->m_nStores);
    EXPECT_FALSE(pCombo->GetModify());
    EXPECT_TRUE(pCombo->Store());
    EXPECT_EQ(nStores + 1, w.grid->m_nStores);

    // A read-only cell takes the cell's value back and stores nothing.
    w.SetCombo(2, 1, 52528, _T("eins\nzwei"), _T("zwei"));
    w.grid->SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetReadOnly(TRUE));
    w.Enter(2, 1);
    pCombo->SetWindowText(_T("anders"));
    pCombo->SetModify(TRUE);
    nStores = w.grid->m_nStores;
    EXPECT_TRUE(pCombo->Store());
    EXPECT_EQ(nStores, w.grid->m_nStores);
    EXPECT_FALSE(pCombo->GetModify());
    CString strText;
    pCombo->GetCurrentText(strText);
    EXPECT_EQ(CString("zwei"), strText);
}

TEST(GridComboBoxWnd, EnteringWithTheActivationOptionActivatesAndAClickDropsTheList)
{
    ComboWndGrid w;
    w.SetCombo(1, 1, 52529, _T("eins\nzwei\ndrei"), _T("zwei"));
    w.SetCombo(2, 1, 52529, _T("eins\nzwei\ndrei"), _T("drei"));
    CGXComboBoxWnd* pCombo = w.Combo(52529);
    // Merely entering leaves the cell inactive; with option 4 it is active at once.
    w.Enter(1, 1);
    EXPECT_FALSE(pCombo->IsActive());
    w.grid->GetParam()->m_wActivateFlags |= 4;
    w.Enter(2, 1);
    EXPECT_TRUE(pCombo->IsActive());
    w.grid->GetParam()->m_wActivateFlags &= ~4;

    // A click on an inactive list cell activates it and opens its list.
    w.Enter(1, 1);
    ASSERT_FALSE(pCombo->IsActive());
    PumpMessages(::GetDoubleClickTime() + 30);
    CRect rect = w.grid->CalcCellRect(1, 1);
    ClickAt(w.grid.get(), CPoint(rect.left + 10, rect.CenterPoint().y));
    PumpUntil([&] { return pCombo->GetDroppedState() != FALSE; }, 1000);
    EXPECT_TRUE(pCombo->IsActive());
    EXPECT_TRUE(pCombo->GetDroppedState());
    TypeKey(VK_ESCAPE);
    PumpMessages(60);
    EXPECT_FALSE(pCombo->GetDroppedState());

    // The selected text: the formatted value while inactive, the chosen line while active.
    w.Enter(2, 1);
    CString strSel;
    EXPECT_TRUE(pCombo->GetSelectedText(strSel));
    EXPECT_EQ(CString("drei"), strSel);
}
} // namespace
