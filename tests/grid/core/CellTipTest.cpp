// Cell tips under the real pointer: a clipped text gets a tip with the whole text, wrapped text
// none, and a tip near the screen's right edge ends at the edge; a bitmap reference too large
// for its cell shows the bitmap, except in an edit cell, where it is text.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/CellTipWnd.h"
#include "grid/core/Style.h"
#include "GridIds.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
const char* const s_pszLong = "Ein recht langer Text, der nicht in die Zelle passt";

struct TipGrid : GridWindow
{
    CGXGridCore& g;
    TipGrid() : GridWindow(400, 200), g(*grid)
    {
        g.OnGridInitialUpdate();
        g.SetRowCount(6, GX_NOREDRAW);
        g.SetColCount(3, GX_NOREDRAW);
        g.SetColWidth(1, 2, 60, NULL, GX_NOREDRAW);
        // The standard style wraps; these cells show one line.
        g.SetStyleRange(CGXCellRange(2, 2), CGXStyle().SetValue(s_pszLong).SetWrapText(FALSE));
        g.SetStyleRange(CGXCellRange(3, 2), CGXStyle().SetValue(s_pszLong).SetWrapText(TRUE));
        g.SetStyleRange(CGXCellRange(4, 2), CGXStyle().SetValue("kurz").SetWrapText(FALSE));
        g.ChangeCurrentCell(6, 3, 0x0A);
        grid->UpdateWindow();
    }
    // Rests the pointer on a cell; TRUE when a tip window shows within the time.
    bool RestOn(ROWCOL nRow, ROWCOL nCol, DWORD ms)
    {
        MoveMouseTo(CPoint(0, 0));
        PumpMessages(50);
        CRect rect = g.CalcCellRect(nRow, nCol);
        CPoint pt = rect.CenterPoint();
        grid->ClientToScreen(&pt);
        MoveMouseTo(pt);
        return PumpUntil(
            [] {
                CGXCellTipWnd* p = CGXCellTipWnd::GetExisting();
                return p != NULL && p->IsWindowVisible();
            },
            ms);
    }
};

bool TipVisible()
{
    CGXCellTipWnd* p = CGXCellTipWnd::GetExisting();
    return p != NULL && p->IsWindowVisible();
}
} // namespace

TEST(GridCellTips, ClippedTextShowsTheWholeText)
{
    TipGrid w;
    ASSERT_TRUE(w.RestOn(2, 2, 3000));
    CGXCellTipWnd* pTip = CGXCellTipWnd::GetExisting();
    CString strText;
    pTip->GetWindowText(strText);
    EXPECT_STREQ(s_pszLong, strText);
    CRect rectTip, rectCell = w.g.CalcCellRect(2, 2);
    pTip->GetWindowRect(&rectTip);
    w.grid->ClientToScreen(&rectCell);
    EXPECT_GT(rectTip.Width(), rectCell.Width());
    EXPECT_NEAR(rectCell.left, rectTip.left, 2);
    // A key takes it away.
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = VK_SHIFT;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    w.grid->SetFocus();
    ::SendInput(2, in, sizeof(INPUT));
    EXPECT_TRUE(PumpUntil([] { return !TipVisible(); }, 1000));
}

TEST(GridCellTips, NoTipForWrappedOrFittingText)
{
    TipGrid w;
    EXPECT_FALSE(w.RestOn(3, 2, 1200));
    EXPECT_FALSE(w.RestOn(4, 2, 1200));
    // Leaving a cell with a tip hides it.
    ASSERT_TRUE(w.RestOn(2, 2, 3000));
    CRect rect = w.g.CalcCellRect(5, 3);
    CPoint pt = rect.CenterPoint();
    w.grid->ClientToScreen(&pt);
    MoveMouseTo(pt);
    EXPECT_TRUE(PumpUntil([] { return !TipVisible(); }, 1000));
}

TEST(GridCellTips, TipEndsAtTheScreensRightEdge)
{
    TipGrid w;
    int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    CRect rectParent;
    w.parent.GetWindowRect(&rectParent);
    w.parent.SetWindowPos(NULL, cxScreen - 200, rectParent.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    w.grid->UpdateWindow();
    ASSERT_TRUE(w.RestOn(2, 2, 3000));
    CRect rectTip;
    CGXCellTipWnd::GetExisting()->GetWindowRect(&rectTip);
    EXPECT_EQ(cxScreen, rectTip.right);
    EXPECT_GT(rectTip.Width(), 60);
}

namespace
{
// A 10 x 10 red bitmap in cells of a static control too small for it, one large enough, and an
// edit-control cell with the same reference.
struct BitmapTipGrid : TipGrid
{
    BitmapTipGrid()
    {
        g.SetColWidth(1, 1, 6, NULL, GX_NOREDRAW);
        g.SetColWidth(3, 3, 40, NULL, GX_NOREDRAW);
        g.SetRowHeight(5, 5, 30, NULL, GX_NOREDRAW);
        CGXStyle bmp;
        bmp.SetControl(GX_IDS_CTRL_STATIC).SetValue("#BMP(30001)").SetWrapText(FALSE);
        g.SetStyleRange(CGXCellRange(2, 1), bmp);
        g.SetStyleRange(CGXCellRange(5, 3), bmp);
        g.SetStyleRange(CGXCellRange(3, 1), CGXStyle(bmp).SetControl(GX_IDS_CTRL_EDIT));
        grid->Invalidate();
        grid->UpdateWindow();
    }
};
} // namespace

TEST(GridCellTips, BitmapReferenceShowsTheBitmap)
{
    BitmapTipGrid w;
    ASSERT_TRUE(w.RestOn(2, 1, 3000));
    CGXCellTipWnd* pTip = CGXCellTipWnd::GetExisting();
    EXPECT_EQ((int)CGXCellTipWnd::kindBitmap, (int)pTip->GetKind());
    EXPECT_NE(nullptr, dynamic_cast<CGXStaticBitmapCellTipWnd*>(pTip));
    CRect rectTip, rectCell = w.g.CalcCellRect(2, 1);
    pTip->GetWindowRect(&rectTip);
    w.grid->ClientToScreen(&rectCell);
    EXPECT_GE(rectTip.Width(), 11);
    EXPECT_GE(rectTip.Height(), 11);
    EXPECT_EQ(rectCell.left, rectTip.left);
    // The tip paints the bitmap: red where it lies.
    pTip->UpdateWindow();
    Pixels px = CaptureClient(pTip);
    EXPECT_EQ(0xFF0000u, px.At(5, 5));
    // A cell that holds the bitmap whole needs no tip.
    EXPECT_FALSE(w.RestOn(5, 3, 1200));
}

TEST(GridCellTips, BitmapReferenceInAnEditCellIsText)
{
    BitmapTipGrid w;
    ASSERT_TRUE(w.RestOn(3, 1, 3000));
    CGXCellTipWnd* pTip = CGXCellTipWnd::GetExisting();
    EXPECT_EQ((int)CGXCellTipWnd::kindText, (int)pTip->GetKind());
    CString strText;
    pTip->GetWindowText(strText);
    EXPECT_STREQ("#BMP(30001)", strText);
}
