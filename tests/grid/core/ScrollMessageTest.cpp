// The scroll bar of a large grid window under real clicks: arrows scroll one row, the page area
// a page, and a thumb position lands on the row its scroll factor gives.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/GridParam.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
struct BigGrid : GridWindow
{
    CGXGridCore& g;
    BigGrid() : GridWindow(300, 200), g(*grid)
    {
        g.SetScrollBarMode(SB_BOTH, gxnEnabled, FALSE);
        g.OnGridInitialUpdate();
        g.SetColCount(3, GX_NOREDRAW);
        g.SetRowCount(65535, GX_NOREDRAW);
        g.UpdateScrollbars(FALSE, FALSE);
        grid->UpdateWindow();
        PumpMessages(50);
    }
    // A point on the vertical bar, dy pixels above the bottom of the client area, in screen pixels.
    CPoint OnVertBar(int dy)
    {
        CRect rect;
        grid->GetClientRect(&rect);
        CPoint pt(rect.right + ::GetSystemMetrics(SM_CXVSCROLL) / 2, rect.bottom - dy);
        grid->ClientToScreen(&pt);
        return pt;
    }
};

void Click(CPoint ptScreen)
{
    INPUT in[2] = {};
    for (int i = 0; i < 2; i++)
    {
        in[i].type = INPUT_MOUSE;
        in[i].mi.dx = ptScreen.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
        in[i].mi.dy = ptScreen.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
        in[i].mi.dwFlags =
            (i == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP) | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    ::SendInput(2, in, sizeof(INPUT));
    PumpMessages(200);
}

TEST(GridScrollMessages, ArrowAndPageClicks)
{
    BigGrid w;
    ASSERT_EQ(1u, w.g.GetTopRow());
    w.grid->SetFocus();
    PumpMessages(100);
    int cyArrow = ::GetSystemMetrics(SM_CYVSCROLL);
    Click(w.OnVertBar(cyArrow / 2));
    EXPECT_EQ(2u, w.g.GetTopRow());
    ROWCOL nBottom = w.g.GetBottomVisibleRow();
    Click(w.OnVertBar(cyArrow * 2));
    EXPECT_EQ(nBottom, w.g.GetTopRow());
    w.grid->SendMessage(WM_VSCROLL, SB_PAGEUP); // a page back: where the arrow left it
    EXPECT_EQ(2u, w.g.GetTopRow());
}

TEST(GridScrollMessages, ThumbPositionTimesTheFactor)
{
    BigGrid w;
    DWORD nFactor = w.g.GetScrollFactor(SB_VERT);
    ASSERT_GT(nFactor, 1u);
    w.grid->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 10000));
    EXPECT_EQ(1u + 9999u * nFactor, w.g.GetTopRow());
    w.grid->SendMessage(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(1u, w.g.GetTopRow());
    w.grid->SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(w.g.CalcMaxTopRow(), w.g.GetTopRow());
    // Thumb tracking is followed only with the option.
    w.g.GetParam()->m_bThumbTrack = FALSE;
    w.grid->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 2));
    EXPECT_EQ(w.g.CalcMaxTopRow(), w.g.GetTopRow());
    w.g.GetParam()->m_bThumbTrack = TRUE;
    w.grid->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 2));
    EXPECT_EQ(1u + nFactor, w.g.GetTopRow());
}

TEST(GridScrollMessages, DialogCodeWantsArrowsTabAndChars)
{
    BigGrid w;
    LRESULT n = w.grid->SendMessage(WM_GETDLGCODE);
    EXPECT_EQ((LRESULT)(DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS), n & 0x83);
}
} // namespace

namespace
{
// Records the clip box of every paint.
class PaintRecordingGrid : public CGXGridWnd
{
  public:
    std::vector<CRect> paints;
    void OnGridDraw(CDC* pDC) override
    {
        CRect rect;
        pDC->GetClipBox(&rect);
        paints.push_back(rect);
        CGXGridWnd::OnGridDraw(pDC);
    }
};

TEST(GridScrollMessages, ShrinkingPaintsNothing)
{
    EnsureGridLibrary();
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), _T("Gitter"),
                    WS_POPUP | WS_VISIBLE, CRect(20, 20, 520, 420), NULL, 0);
    PaintRecordingGrid grid;
    grid.Create(WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 100);
    grid.OnGridInitialUpdate();
    grid.SetRowCount(30, GX_NOREDRAW);
    grid.SetColCount(10, GX_NOREDRAW);
    grid.GetParam()->m_bImmediateUpdate = TRUE;
    grid.SetWindowPos(NULL, 0, 0, 300, 190, SWP_NOZORDER | SWP_NOMOVE); // shown: the size is remembered
    grid.UpdateWindow();
    PumpMessages(50);

    grid.paints.clear();
    grid.SetWindowPos(NULL, 0, 0, 360, 190, SWP_NOZORDER | SWP_NOMOVE);
    PumpMessages(50);
    // The window class redraws on every resize here, so only the growth's paint is checked.
    ASSERT_FALSE(grid.paints.empty());
    EXPECT_EQ(360, grid.paints.back().right);

    grid.paints.clear();
    grid.SetWindowPos(NULL, 0, 0, 320, 170, SWP_NOZORDER | SWP_NOMOVE);
    PumpMessages(50);
    EXPECT_TRUE(grid.paints.empty());
    grid.DestroyWindow();
    parent.DestroyWindow();
}
} // namespace
