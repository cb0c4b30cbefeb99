// Size calculation of static text cells: empty cells, lines with and without wrapping, and the
// static control without the component.
#include "FeatureTestApp.h"
#include "grid/core/Control.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"
#include "TestSupport.h"
#include <gtest/gtest.h>

namespace
{
struct SizeGrid : GridWindow
{
    CGXGridCore& g;
    CClientDC dc;
    TEXTMETRIC tm = {};
    SizeGrid() : GridWindow(400, 300), g(*grid), dc(grid.get())
    {
        g.SetRowCount(5, GX_NOREDRAW);
        g.SetColCount(5, GX_NOREDRAW);
        g.SetStyleRange(CGXCellRange().SetTable(), CGXStyle().SetControl(GX_IDS_CTRL_STATIC));
    }
    // The size of cell (2, 2) holding the text, its height when bVert.
    CSize Measure(LPCTSTR pszText, BOOL bWrap, BOOL bVert)
    {
        g.SetStyleRange(CGXCellRange(2, 2), CGXStyle().SetValue(pszText).SetWrapText(bWrap));
        const CGXStyle& style = g.LookupStyleRowCol(2, 2);
        CGXControl* pControl = g.GetControl(2, 2);
        // The metrics of the cell's font, as the measurement selects it.
        CFont* pOld = g.SelectCellFont(&dc, style, NULL);
        dc.GetTextMetrics(&tm);
        m_cxW = dc.GetTextExtent("WWWW").cx;
        m_cxSpace = dc.GetTextExtent(" ").cx;
        m_cxLong = dc.GetTextExtent("a longer line").cx;
        if (pOld != NULL)
            dc.SelectObject(pOld);
        m_borders = pControl->AddBorders(CSize(0, 0), style);
        return pControl->CalcSize(&dc, 2, 2, style, NULL, bVert);
    }
    int LineHeight() const
    {
        return tm.tmHeight + tm.tmExternalLeading;
    }
    int m_cxW = 0, m_cxSpace = 0, m_cxLong = 0;
    CSize m_borders;
};
} // namespace

TEST(CalcSize, WithoutTheComponentAStaticCellMeasuresNothing)
{
    SizeGrid s;
    s.g.m_pCalcSizeImp = NULL; // floating cells installed one; the grid still owns it
    EXPECT_EQ(CSize(0, 0), s.Measure("Text", FALSE, FALSE));
    EXPECT_EQ(CSize(0, 0), s.Measure("Text", FALSE, TRUE));
}

TEST(CalcSize, AnEmptyCellMeasuresOneLineOfItsFont)
{
    SizeGrid s;
    s.g.InstallCalcSizeImp();
    CSize size = s.Measure("", FALSE, TRUE);
    EXPECT_EQ(s.tm.tmMaxCharWidth + s.m_borders.cx, size.cx);
    EXPECT_EQ(s.LineHeight() + 1 + s.m_borders.cy, size.cy);
}

TEST(CalcSize, LinesWithoutWrappingCountAsOneLineAndTheLongestGivesTheWidth)
{
    SizeGrid s;
    s.g.InstallCalcSizeImp();
    EXPECT_EQ(s.m_cxLong + s.m_borders.cx, s.Measure("short\r\na longer line\nx", FALSE, FALSE).cx);
    EXPECT_EQ(s.LineHeight() + 1 + s.m_borders.cy, s.Measure("short\r\na longer line\nx", FALSE, TRUE).cy);
}

TEST(CalcSize, WrappedTextCountsItsLinesOverTheCellWidth)
{
    SizeGrid s;
    s.g.InstallCalcSizeImp();
    s.Measure("", FALSE, TRUE);
    // Room for one word of four W per line: three words make three lines.
    s.g.SetColWidth(2, 2, s.m_cxW + s.tm.tmAveCharWidth + s.m_borders.cx + 6, NULL, GX_NOREDRAW);
    CSize size = s.Measure("WWWW WWWW WWWW", TRUE, TRUE);
    EXPECT_EQ(3 * s.LineHeight() + 1 + s.m_borders.cy, size.cy);
    // The rows are too low for three lines: the width is that of the unwrapped text.
    CSize wide = s.Measure("WWWW WWWW WWWW", TRUE, FALSE);
    EXPECT_GT(wide.cx, 3 * s.m_cxW);
    // Tall enough, the width is the widest wrapped line (a word, perhaps with its blank).
    s.g.SetRowHeight(2, 2, 4 * s.LineHeight() + s.m_borders.cy + 4, NULL, GX_NOREDRAW);
    LONG cx = s.Measure("WWWW WWWW WWWW", TRUE, FALSE).cx;
    EXPECT_GE(cx, s.m_cxW + s.m_borders.cx);
    EXPECT_LE(cx, s.m_cxW + s.m_cxSpace + s.m_borders.cx);
}
