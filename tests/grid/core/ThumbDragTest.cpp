// Dragging the thumb of a large grid's scroll bar with the real mouse: the grid lands on the row
// the released thumb position times the scroll factor gives.
#include "GridTestApp.h"
#include "TestSupport.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
INPUT MouseAt(CPoint ptScreen, DWORD dwButton)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = ptScreen.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = ptScreen.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = dwButton | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return in;
}

// Records the thumb position the bar reports on release.
class ThumbGrid : public CGXGridWnd
{
  public:
    int nReleased = -1;
    BOOL OnGridVScroll(UINT nSBCode, UINT nPos, CScrollBar* pBar) override
    {
        if (nSBCode == SB_THUMBPOSITION)
            nReleased = (int)nPos;
        return CGXGridWnd::OnGridVScroll(nSBCode, nPos, pBar);
    }
};
} // namespace

TEST(GridThumbDrag, ThumbDraggedToTheMiddleLandsOnTheFactorsRow)
{
    EnsureGridLibrary();
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), _T("Gitter"),
                    WS_POPUP | WS_VISIBLE, CRect(20, 20, 340, 340), NULL, 0);
    ThumbGrid grid;
    grid.Create(WS_VISIBLE, CRect(0, 0, 300, 300), &parent, 100);
    ::SetForegroundWindow(parent.GetSafeHwnd());
    grid.SetScrollBarMode(SB_VERT, gxnEnabled, FALSE);
    grid.OnGridInitialUpdate();
    grid.SetColCount(3, GX_NOREDRAW);
    grid.SetRowCount(65535, GX_NOREDRAW);
    grid.UpdateScrollbars(FALSE, FALSE);
    grid.UpdateWindow();
    grid.SetFocus();
    PumpMessages(100);
    DWORD nFactor = grid.GetScrollFactor(SB_VERT);
    ASSERT_GT(nFactor, 1u);
    ASSERT_EQ(1u, grid.GetTopRow());
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    ASSERT_TRUE(::GetScrollInfo(grid.GetSafeHwnd(), SB_VERT, &si));
    ASSERT_EQ(si.nMin, si.nPos);

    // The thumb sits right below the up arrow; it is dragged to the middle of the bar.
    CRect rect;
    grid.GetClientRect(&rect);
    int x = rect.right + ::GetSystemMetrics(SM_CXVSCROLL) / 2;
    CPoint ptThumb(x, ::GetSystemMetrics(SM_CYVSCROLL) + 3), ptMiddle(x, rect.Height() / 2);
    grid.ClientToScreen(&ptThumb);
    grid.ClientToScreen(&ptMiddle);
    std::vector<INPUT> in;
    in.push_back(MouseAt(ptThumb, 0));
    in.push_back(MouseAt(ptThumb, MOUSEEVENTF_LEFTDOWN));
    for (int i = 1; i <= 8; i++)
        in.push_back(MouseAt(CPoint(ptThumb.x, ptThumb.y + (ptMiddle.y - ptThumb.y) * i / 8), 0));
    in.push_back(MouseAt(ptMiddle, MOUSEEVENTF_LEFTUP));
    ::SendInput((UINT)in.size(), in.data(), sizeof(INPUT));
    PumpMessages(400);

    // Released near the middle of the range: the thumb went half way down.
    ASSERT_GT(grid.nReleased, si.nMax * 3 / 10);
    EXPECT_LT(grid.nReleased, si.nMax * 7 / 10);
    EXPECT_EQ(1u + (ROWCOL)(grid.nReleased - 1) * nFactor, grid.GetTopRow());
    grid.DestroyWindow();
    parent.DestroyWindow();
}
