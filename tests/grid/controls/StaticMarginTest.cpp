// The static cell's text margins, which every text-showing control and the header inherit.
#include "ControlsTestApp.h"
#include "grid/core/Static.h"
#include "GridIds.h"
#include <algorithm>
#include <gtest/gtest.h>

namespace
{
TEST(GridStatic, TextMarginsDependOnTheHorizontalAlignment)
{
    GridWindow w(300, 120);
    CGXGridWnd& grid = *w.grid;
    grid.SetRowCount(2, GX_NOREDRAW);
    grid.SetColCount(3, GX_NOREDRAW);
    struct
    {
        ROWCOL nRow, nCol;
        DWORD dwAlign; // 0: none set
        bool bRight;
    } cases[] = {{1, 1, 0, false},       {1, 2, DT_LEFT, false}, {1, 3, DT_CENTER, false},
                 {2, 1, DT_RIGHT, true}, {0, 1, 0, false}, // the header inherits them
                 {0, 2, DT_RIGHT, true}};
    int m = std::max(2, ::GetSystemMetrics(SM_CXFRAME) / 2);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.nRow << "," << c.nCol);
        CGXStyle style;
        if (c.nRow > 0)
            style.SetControl(GX_IDS_CTRL_STATIC);
        if (c.dwAlign != 0)
            style.SetHorizontalAlignment(c.dwAlign);
        grid.SetStyleRange(CGXCellRange(c.nRow, c.nCol), style);
        CGXControl* pControl = grid.GetControl(c.nRow, c.nCol);
        ASSERT_TRUE(pControl->IsKindOf(GX_CONTROL_CLASS(CGXStatic)));
        CGXStyle composed;
        grid.ComposeStyleRowCol(c.nRow, c.nCol, &composed);
        CRect inner = pControl->CGXControl::GetCellRect(c.nRow, c.nCol, NULL, &composed);
        CRect text = pControl->GetCellRect(c.nRow, c.nCol, NULL, &composed);
        EXPECT_EQ(inner.left + m, text.left);
        EXPECT_EQ(inner.right - (c.bRight ? m + 1 : m / 2), text.right);
        EXPECT_EQ(inner.top, text.top);
        EXPECT_EQ(inner.bottom, text.bottom);
        CSize bordered = pControl->CGXControl::AddBorders(CSize(40 + 2 * m + 1, 15), composed);
        EXPECT_EQ(bordered, pControl->AddBorders(CSize(40, 15), composed));
    }
}
} // namespace
