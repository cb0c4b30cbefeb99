// Resizing a grid window with the immediate-update option: growing repaints only the strips the
// growth exposed, shrinking repaints nothing. The window's class asks for no full redraw, so
// what is repainted is the grid's own choice.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/GridParam.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
const COLORREF s_marker = RGB(255, 0, 255);

// Paints marker pixels straight onto the screen without invalidating anything: whatever the grid
// repaints loses them.
void Mark(CWnd* pWnd, const CRect& rect)
{
    CClientDC dc(pWnd);
    dc.FillSolidRect(&rect, s_marker);
}
} // namespace

TEST(GridResizeRepaint, GrowingRepaintsOnlyTheNewStripsAndShrinkingNothing)
{
    EnsureGridLibrary();
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), _T("Gitter"),
                    WS_POPUP | WS_VISIBLE, CRect(20, 20, 520, 420), NULL, 0);
    CGXGridWnd grid;
    ASSERT_TRUE(grid.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), NULL, WS_CHILD | WS_VISIBLE,
                              CRect(0, 0, 300, 200), &parent, 100));
    grid.OnGridInitialUpdate();
    grid.SetRowCount(30, GX_NOREDRAW);
    grid.SetColCount(10, GX_NOREDRAW);
    grid.GetParam()->m_bImmediateUpdate = TRUE;
    grid.SetWindowPos(NULL, 0, 0, 300, 190, SWP_NOZORDER | SWP_NOMOVE); // shown: the size is remembered
    grid.RedrawWindow();
    PumpMessages(100);

    struct Step
    {
        const char* name;
        int cx, cy;
    } steps[] = {{"wider", 360, 190}, {"taller", 360, 240}, {"smaller", 330, 210}};
    CRect rectInside(40, 40, 120, 100); // stays inside every size and away from the bars' strips
    for (const Step& s : steps)
    {
        SCOPED_TRACE(s.name);
        CRect rectOld;
        grid.GetClientRect(&rectOld);
        Mark(&grid, rectInside);
        Mark(&grid, CRect(rectOld.right - 4, 60, rectOld.right, 64)); // old right edge
        grid.SetWindowPos(NULL, 0, 0, s.cx, s.cy, SWP_NOZORDER | SWP_NOMOVE);
        PumpMessages(100);
        CRect rectNew;
        grid.GetClientRect(&rectNew);
        Pixels px = CaptureClient(&grid);
        Pixels fresh = RenderGrid(&grid, &grid);
        // The old inside was not repainted.
        EXPECT_EQ(ToRGB(s_marker), px.At(rectInside.left + 5, rectInside.top + 5));
        EXPECT_EQ(ToRGB(s_marker), px.At(rectInside.right - 5, rectInside.bottom - 5));
        if (rectNew.right > rectOld.right)
        {
            // The exposed strip shows the grid, and so does the old edge a bar may have covered.
            EXPECT_NE(ToRGB(s_marker), px.At(rectOld.right - 2, 62));
            EXPECT_EQ(fresh.At(rectNew.right - 3, 3), px.At(rectNew.right - 3, 3)); // column header
        }
        else if (rectNew.bottom > rectOld.bottom)
        {
            EXPECT_EQ(fresh.At(3, rectNew.bottom - 3), px.At(3, rectNew.bottom - 3)); // row header
        }
    }
    grid.DestroyWindow();
    parent.DestroyWindow();
}
