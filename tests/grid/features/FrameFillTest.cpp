// The Excel-like frame around the selection and the fill by dragging its handle, on a shown grid
// with real mouse input: the frame's pixels, the fill frame's feedback, the cells filled and the
// screen equal to a fresh paint afterwards.
#include "FeatureTestApp.h"
#include "grid/features/GridExcelLikeFillImp.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
// A fresh paint with the frame option as given; the frame state of the grid is kept.
Pixels FreshWithFrame(SelectGrid& w, BOOL bFrame)
{
    CGXGridCore& g = w.g;
    BOOL bOption = g.GetParam()->m_bExcelLikeFrame, bDrawn = g.m_bExcelFrameDrawn;
    CGXCellRange range = g.m_rangeExcelFrame;
    int nKind = g.m_nExcelFrameKind;
    g.GetParam()->m_bExcelLikeFrame = bFrame;
    Pixels p = RenderGrid(w.grid.get(), w.grid.get());
    g.GetParam()->m_bExcelLikeFrame = bOption;
    g.m_bExcelFrameDrawn = bDrawn;
    g.m_rangeExcelFrame = range;
    g.m_nExcelFrameKind = nKind;
    return p;
}

// Whether the screen shows the pixels across each side of the range's rectangle inverted exactly
// 2 pixels outside and 1 pixel inside it.
void ExpectFrameAround(SelectGrid& w, const CGXCellRange& range)
{
    w.grid->UpdateWindow();
    Pixels shown = CaptureClient(w.grid.get()), plain = FreshWithFrame(w, FALSE);
    CRect r = w.g.CalcRangeClientRect(range);
    CPoint mid = r.CenterPoint();
    auto inverted = [&](int x, int y) { return shown.At(x, y) == (plain.At(x, y) ^ 0xFFFFFF); };
    auto same = [&](int x, int y) { return shown.At(x, y) == plain.At(x, y); };
    for (int d = -1; d <= 3; d++)
    {
        bool bFrame = d >= 0 && d <= 2;
        SCOPED_TRACE("offset " + std::to_string(d));
        EXPECT_TRUE(bFrame ? inverted(r.left - 2 + d, mid.y) : same(r.left - 2 + d, mid.y));
        EXPECT_TRUE(bFrame ? inverted(r.right - 1 + d, mid.y) : same(r.right - 1 + d, mid.y));
        EXPECT_TRUE(bFrame ? inverted(mid.x, r.top - 2 + d) : same(mid.x, r.top - 2 + d));
        EXPECT_TRUE(bFrame ? inverted(mid.x, r.bottom - 1 + d) : same(mid.x, r.bottom - 1 + d));
    }
}

// A client point on the fill handle of a cell: near its bottom-right corner, where the hit test
// answers the fill handle (asked with the fill option on).
CPoint HandlePoint(SelectGrid& w, ROWCOL nRow, ROWCOL nCol)
{
    BOOL nOption = w.g.GetParam()->m_bExcelLikeFill;
    w.g.GetParam()->m_bExcelLikeFill = TRUE;
    CRect rect = w.g.CalcCellRect(nRow, nCol);
    CPoint pt(-1, -1);
    for (int y = rect.bottom - 1; y > rect.bottom - 5 && pt.x < 0; y--)
        for (int x = rect.right - 1; x > rect.right - 5 && pt.x < 0; x--)
            if (w.g.HitTest(CPoint(x, y)) == GX_FILLHANDLEHIT)
                pt = CPoint(x, y);
    w.g.GetParam()->m_bExcelLikeFill = nOption;
    EXPECT_GE(pt.x, 0);
    w.grid->ClientToScreen(&pt);
    return pt;
}

struct Cell
{
    ROWCOL nRow, nCol;
    const char* text;
};
} // namespace

TEST(GridExcelFrame, ThreePixelsAroundTheLastRangeThroughScrollingAndGoneWithTheSelection)
{
    SelectGrid w;
    w.g.SetRowCount(30);
    w.g.GetParam()->m_bExcelLikeFrame = TRUE;
    DragThrough({w.At(2, 2), w.At(3, 3), w.At(4, 4)});
    ASSERT_EQ("2,2-4,4", w.Selection());
    EXPECT_TRUE(w.ShowsFreshPaint());
    ExpectFrameAround(w, CGXCellRange(2, 2, 4, 4));
    // A second range takes the frame; the first keeps only its inversion.
    DragThrough({w.At(6, 3), w.At(7, 5)});
    ASSERT_EQ("6,3-7,5", w.Selection());
    EXPECT_TRUE(w.ShowsFreshPaint());
    ExpectFrameAround(w, CGXCellRange(6, 3, 7, 5));
    // Scrolling moves it whole.
    ASSERT_TRUE(w.g.DoScroll(GX_DOWN, 1));
    EXPECT_TRUE(w.ShowsFreshPaint());
    ExpectFrameAround(w, CGXCellRange(6, 3, 7, 5));
    ASSERT_TRUE(w.g.DoScroll(GX_UP, 1));
    // Whole rows: the frame with its handle at the bottom-left.
    DragThrough({w.At(3, 0), w.At(5, 0)});
    EXPECT_TRUE(w.ShowsFreshPaint());
    // A plain click clears the selection and the frame with it.
    ClickAt(w.At(8, 2));
    EXPECT_EQ("", w.Selection());
    EXPECT_TRUE(w.ShowsFreshPaint());
    w.grid->UpdateWindow();
    EXPECT_TRUE(CaptureClient(w.grid.get()).px == FreshWithFrame(w, FALSE).px);
    // With the option off no frame is drawn.
    w.g.GetParam()->m_bExcelLikeFrame = FALSE;
    DragThrough({w.At(2, 2), w.At(4, 4)});
    EXPECT_FALSE(w.g.m_bExcelFrameDrawn);
    EXPECT_TRUE(w.ShowsFreshPaint());
}

TEST(GridExcelFrame, AFrameAroundWholeColumnsOrRowsKeepsItsHandleAtThePaneEdgeThroughScrolling)
{
    struct
    {
        const char* name;
        bool bCols;
        int nDirection, nBack;
        ROWCOL nFrozen; // rows (columns) frozen: the handle stands in the fixed part
        int nSize;      // rows (columns) this many pixels: scrolls shorter than the frame
    } cases[] = {{"columns C..D, scrolled down", true, GX_DOWN, GX_UP, 0, 0},
                 {"rows 3..5, scrolled right", false, GX_RIGHT, GX_LEFT, 0, 0},
                 {"columns C..D below two frozen rows", true, GX_DOWN, GX_UP, 2, 0},
                 {"columns C..D, rows two pixels high", true, GX_DOWN, GX_UP, 0, 2},
                 {"rows 3..5, columns one pixel wide", false, GX_RIGHT, GX_LEFT, 0, 1}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        SelectGrid w;
        // Lines of a pixel or two need many more to scroll at all.
        w.g.SetRowCount(c.nSize != 0 ? 400 : 40);
        w.g.SetColCount(c.nSize != 0 ? 600 : 20);
        w.g.GetParam()->m_bExcelLikeFrame = TRUE;
        if (c.nFrozen != 0)
            w.g.SetFrozenRows(c.nFrozen);
        if (c.bCols)
            DragThrough({w.At(0, 3), w.At(0, 4)});
        else
            DragThrough({w.At(3, 0), w.At(5, 0)});
        ASSERT_EQ(c.bCols ? "C3-4" : "R3-5", w.Selection());
        ASSERT_EQ(c.bCols ? 7 : 2, w.g.m_nExcelFrameKind);
        if (c.nSize != 0 && c.bCols)
            w.g.SetRowHeight(1, 400, c.nSize);
        else if (c.nSize != 0)
            w.g.SetColWidth(1, 600, c.nSize);
        EXPECT_TRUE(w.ShowsFreshPaint());
        for (ROWCOL n : {1u, 3u, 2u})
        {
            SCOPED_TRACE(n);
            ASSERT_TRUE(w.g.DoScroll(c.nDirection, n));
            EXPECT_TRUE(w.ShowsFreshPaint());
        }
        ASSERT_TRUE(w.g.DoScroll(c.nBack, 6));
        EXPECT_TRUE(w.ShowsFreshPaint());
        // The other way the handle moves with the content.
        ASSERT_TRUE(w.g.DoScroll(c.bCols ? GX_RIGHT : GX_DOWN, 1));
        EXPECT_TRUE(w.ShowsFreshPaint());
    }
}

TEST(GridExcelFill, DraggingTheHandleShowsTwoFocusRectanglesFillsAndUndoesAsOneStep)
{
    SelectGrid w;
    CGXGridParam* pParam = w.g.GetParam();
    pParam->m_bExcelLikeFrame = TRUE;
    pParam->m_bExcelLikeFill = 1;
    w.g.SetValueRange(CGXCellRange(2, 2), "A");
    pParam->ClearUndoList();
    w.g.SelectRange(CGXCellRange(2, 2, 2, 2), TRUE, TRUE);
    ASSERT_TRUE(w.ShowsFreshPaint());
    CPoint ptHandle = HandlePoint(w, 2, 2);
    PumpMessages(::GetDoubleClickTime() + 50);
    MoveMouseTo(ptHandle);
    SendLeftButton(true);
    MoveMouseTo(w.At(4, 2));
    MoveMouseTo(w.At(5, 2));
    // The feedback: the fresh paint with the two nested focus rectangles over the target.
    auto* pFill = static_cast<CGXGridExcelLikeFillImp*>(w.g.m_pExcelLikeFillImp);
    EXPECT_EQ(5u, pFill->m_target.bottom);
    CRect rectTarget = w.g.CalcRangeClientRect(CGXCellRange(2, 2, 5, 2));
    CRect rectFrame = pFill->m_rectFrame;
    EXPECT_LE(std::abs(rectFrame.left - rectTarget.left) + std::abs(rectFrame.top - rectTarget.top), 2);
    EXPECT_LE(std::abs(rectFrame.right - rectTarget.right) + std::abs(rectFrame.bottom - rectTarget.bottom),
              2);
    Pixels shown = CaptureClient(w.grid.get());
    Pixels expected = RenderGrid(w.grid.get(), w.grid.get(), [&](CDC* pDC) {
        CRect inner = rectFrame;
        inner.DeflateRect(1, 1);
        pDC->DrawFocusRect(&rectFrame);
        pDC->DrawFocusRect(&inner);
    });
    EXPECT_TRUE(shown.px == expected.px);
    // Back up by one row: the frame follows and leaves nothing behind.
    MoveMouseTo(w.At(4, 2));
    EXPECT_EQ(4u, pFill->m_target.bottom);
    SendLeftButton(false);
    for (ROWCOL r = 2; r <= 5; r++)
        EXPECT_EQ(r <= 4 ? "A" : "", std::string(w.g.GetStoredValueText(r, 2))) << "row " << r;
    EXPECT_EQ("2,2-4,2", w.Selection());
    EXPECT_TRUE(w.ShowsFreshPaint());
    ExpectFrameAround(w, CGXCellRange(2, 2, 4, 2));
    // One Ctrl+Z takes the whole fill back, Ctrl+R does it again.
    PressKey('Z', true);
    EXPECT_EQ("", std::string(w.g.GetStoredValueText(3, 2)));
    EXPECT_EQ("", std::string(w.g.GetStoredValueText(4, 2)));
    EXPECT_EQ("A", std::string(w.g.GetStoredValueText(2, 2)));
    EXPECT_TRUE(w.ShowsFreshPaint());
    PressKey('R', true);
    EXPECT_EQ("A", std::string(w.g.GetStoredValueText(4, 2)));
    EXPECT_TRUE(w.ShowsFreshPaint());
}

TEST(GridExcelFill, EdgeCasesByDraggingTheHandle)
{
    struct Case
    {
        const char* name;
        BOOL nOption;
        std::vector<Cell> values;
        CGXCellRange selection;
        ROWCOL nToRow, nToCol;
        std::vector<Cell> expected;
    };
    const Case cases[] = {
        {"one cell over three rows below",
         1,
         {{2, 2, "A"}},
         CGXCellRange(2, 2, 2, 2),
         5,
         2,
         {{3, 2, "A"}, {4, 2, "A"}, {5, 2, "A"}, {6, 2, ""}}},
        {"two rows over five rows repeat, no series",
         1,
         {{2, 2, "1"}, {3, 2, "2"}},
         CGXCellRange(2, 2, 3, 2),
         8,
         2,
         {{4, 2, "1"}, {5, 2, "2"}, {6, 2, "1"}, {7, 2, "2"}, {8, 2, "1"}, {9, 2, ""}}},
        {"to the right",
         1,
         {{2, 2, "A"}, {3, 2, "B"}},
         CGXCellRange(2, 2, 3, 2),
         3,
         4,
         {{2, 3, "A"}, {2, 4, "A"}, {3, 4, "B"}, {2, 5, ""}}},
        {"one row up into the source clears its bottom row",
         1,
         {{2, 2, "1"}, {3, 2, "2"}, {4, 2, "3"}},
         CGXCellRange(2, 2, 4, 2),
         3,
         2,
         {{2, 2, "1"}, {3, 2, "2"}, {4, 2, ""}}},
        {"whole styles with bit 2", 2, {{2, 2, "S"}}, CGXCellRange(2, 2, 2, 2), 3, 2, {{3, 2, "S"}}},
        {"option 0 fills nothing",
         0,
         {{2, 2, "A"}},
         CGXCellRange(2, 2, 2, 2),
         5,
         2,
         {{3, 2, ""}, {5, 2, ""}}},
        {"whole rows are not filled",
         1,
         {{2, 2, "A"}},
         CGXCellRange().SetRows(2, 2),
         4,
         2,
         {{3, 2, ""}, {4, 2, ""}}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        SelectGrid w;
        CGXGridParam* pParam = w.g.GetParam();
        pParam->m_bExcelLikeFrame = TRUE;
        pParam->m_bExcelLikeFill = c.nOption;
        for (const Cell& v : c.values)
            w.g.SetValueRange(CGXCellRange(v.nRow, v.nCol), v.text);
        pParam->ClearUndoList();
        w.g.SelectRange(c.selection, TRUE, TRUE);
        CGXCellRange sel = c.selection;
        sel.ExpandToCells(1, 1, w.g.GetRowCount(), w.g.GetColCount());
        DragThrough(
            {HandlePoint(w, sel.bottom, sel.IsRows() ? sel.left : sel.right), w.At(c.nToRow, c.nToCol)});
        for (const Cell& e : c.expected)
            EXPECT_EQ(e.text, std::string(w.g.GetStoredValueText(e.nRow, e.nCol))) << e.nRow << "," << e.nCol;
        EXPECT_TRUE(w.ShowsFreshPaint());
        // One Ctrl+Z gives every cell its value before.
        PressKey('Z', true);
        for (const Cell& e : c.expected)
        {
            std::string before;
            for (const Cell& v : c.values)
                if (v.nRow == e.nRow && v.nCol == e.nCol)
                    before = v.text;
            EXPECT_EQ(before, std::string(w.g.GetStoredValueText(e.nRow, e.nCol))) << e.nRow << "," << e.nCol;
        }
    }
}

// Rows and columns changing their sizes or hidden before and inside the framed range: the
// optimised update moves the pixels, and the frame goes round the range's new rectangle, whole.
TEST(GridExcelFrame, ChangedSizesLeaveTheFrameWholeAroundTheRange)
{
    SelectGrid w;
    ASSERT_NE(nullptr, w.g.m_pOptimizedUpdateImp);
    w.g.GetParam()->m_bExcelLikeFrame = TRUE;
    DragThrough({w.At(4, 2), w.At(5, 3), w.At(6, 4)});
    ASSERT_EQ("4,2-6,4", w.Selection());
    struct
    {
        const char* name;
        void (*change)(CGXGridCore&);
    } cases[] = {
        {"row above higher", [](CGXGridCore& g) { g.SetRowHeight(2, 2, 35); }},
        {"row inside higher", [](CGXGridCore& g) { g.SetRowHeight(5, 5, 30); }},
        {"row inside lower", [](CGXGridCore& g) { g.SetRowHeight(5, 5, 12); }},
        {"column before wider", [](CGXGridCore& g) { g.SetColWidth(1, 1, 80); }},
        {"column inside narrower", [](CGXGridCore& g) { g.SetColWidth(3, 3, 40); }},
        {"row above hidden", [](CGXGridCore& g) { g.HideRows(2, 2); }},
        {"column inside hidden", [](CGXGridCore& g) { g.HideCols(3, 3); }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        c.change(w.g);
        EXPECT_TRUE(w.ShowsFreshPaint());
        ExpectFrameAround(w, CGXCellRange(4, 2, 6, 4));
    }
}
