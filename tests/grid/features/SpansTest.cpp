// Floating, merged and covered cells on a shown grid: which cells a span takes, and what the
// screen shows of it (no grid line inside, the text across the inner boundaries, the
// background over every cell).
#include "FeatureTestApp.h"
#include "grid/core/GridParam.h"
#include "grid/features/PrintDevice.h"
#include "res/GridIds.h"
#include <algorithm>
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <map>
#include <string>

using namespace testing_support;

namespace
{
const COLORREF crSpan = RGB(255, 255, 0);
const char* const pszLong = "Eine Zeile, die weit in die Nachbarzellen hinein laeuft";

struct SpanGrid : GridWindow
{
    CGXGridCore& g;
    SpanGrid() : GridWindow(520, 220), g(*grid)
    {
        g.SetRowCount(4, GX_NOREDRAW);
        g.SetColCount(6, GX_NOREDRAW);
        g.SetStyleRange(CGXCellRange(1, 1, 4, 6), CGXStyle().SetFloatCell(TRUE).SetFloodCell(TRUE));
        // Columns a tenth of the long text wide: it would need ten of them.
        CGXStyle style;
        g.ComposeStyleRowCol(1, 1, &style);
        style.SetValue(pszLong);
        CClientDC dc(grid.get());
        CFont* pOld = g.SelectCellFont(&dc, style, NULL);
        nWidth = std::max(8, (int)dc.GetTextExtent(pszLong).cx / 10);
        dc.SelectObject(pOld);
        g.SetColWidth(1, 6, nWidth, NULL, GX_NOREDRAW);
        grid->SetFocus();
    }
    void Value(ROWCOL nRow, ROWCOL nCol, const char* psz)
    {
        g.SetValueRange(CGXCellRange(nRow, nCol), psz);
    }
    // The floated range at a cell after the grid has painted, as "top,left-bottom,right".
    std::string FloatAt(ROWCOL nRow, ROWCOL nCol)
    {
        g.RedrawAll(GX_UPDATENOW, FALSE);
        PumpMessages(30);
        CGXCellRange range;
        if (g.GetFloatedRangeAt(nRow, nCol, range) == NULL)
            return "none";
        return std::to_string(range.top) + "," + std::to_string(range.left) + "-" +
               std::to_string(range.bottom) + "," + std::to_string(range.right);
    }
    int nWidth = 0;
};
} // namespace

// The float runs over empty cells that allow it and stops at the first non-empty cell, at the
// first cell without "FloodCell", at the first column after the frozen ones and at the last
// column; a short text does not float.
TEST(GridFloatCells, StopsAtTheFirstCellThatEndsTheRun)
{
    struct Case
    {
        const char* name;
        void (*setup)(SpanGrid&);
        const char* expected;
    } cases[] = {
        {"non-empty cell", [](SpanGrid& w) { w.Value(1, 5, "x"); }, "1,1-1,4"},
        {"cell without FloodCell",
         [](SpanGrid& w) { w.g.SetStyleRange(CGXCellRange(1, 4), CGXStyle().SetFloodCell(FALSE)); },
         "1,1-1,3"},
        {"frozen columns", [](SpanGrid& w) { w.g.SetFrozenCols(2, 0, GX_NOREDRAW); }, "1,1-1,2"},
        {"last column", [](SpanGrid&) {}, "1,1-1,6"},
    };
    for (WORD nMode : {1, 2})
        for (const Case& c : cases)
        {
            SCOPED_TRACE(std::string(c.name) + ", mode " + std::to_string(nMode));
            SpanGrid w;
            w.g.SetFloatingMode(nMode, FALSE);
            w.Value(1, 1, pszLong);
            c.setup(w);
            EXPECT_EQ(c.expected, w.FloatAt(1, 1));
            EXPECT_EQ(c.expected, w.FloatAt(1, 2)); // every cell of the span answers it
            EXPECT_TRUE(w.ShowsFreshPaint());
        }
}

// A short text and mode 0 float nothing; a mode above 2 changes nothing.
TEST(GridFloatCells, ShortTextsAndModeOffDoNotFloatUnknownModesChangeNothing)
{
    SpanGrid w;
    w.g.SetFloatingMode(2, FALSE);
    w.Value(1, 1, "a");
    EXPECT_EQ("none", w.FloatAt(1, 1));
    w.Value(2, 1, pszLong);
    EXPECT_EQ("2,1-2,6", w.FloatAt(2, 1));
    w.g.SetFloatingMode(3, FALSE);
    EXPECT_EQ(2, w.g.GetFloatingMode());
    EXPECT_EQ("2,1-2,6", w.FloatAt(2, 1));
    w.g.SetFloatingMode(0, FALSE);
    EXPECT_EQ("none", w.FloatAt(2, 1));
    EXPECT_EQ(nullptr, w.g.GetParam()->m_pFloatCellsPool);
    w.g.SetFloatingMode(3, FALSE);
    EXPECT_EQ(0, w.g.GetFloatingMode());
    EXPECT_EQ(nullptr, w.g.GetParam()->m_pFloatCellsPool);
}

// Rotated text never floats; a check box neither floats nor is floated over.
TEST(GridFloatCells, RotatedTextAndCheckBoxes)
{
    SpanGrid w;
    w.g.SetFloatingMode(2, FALSE);
    w.g.SetStyleRange(
        CGXCellRange(1, 1),
        CGXStyle().SetValue(pszLong).SetControl(GX_IDS_CTRL_STATIC).MergeFont(CGXFont().SetOrientation(900)));
    EXPECT_EQ("none", w.FloatAt(1, 1));
    w.Value(2, 1, pszLong);
    w.g.SetStyleRange(CGXCellRange(2, 3), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX));
    EXPECT_EQ("2,1-2,2", w.FloatAt(2, 1));
    w.g.SetStyleRange(CGXCellRange(3, 1), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetValue(pszLong));
    EXPECT_EQ("none", w.FloatAt(3, 1));
}

// On the screen: the source's background over the floated cells, no grid line between them,
// the text reaching into them; the next cell keeps its own background and line.
TEST(GridFloatCells, PaintsAsOneCell)
{
    SpanGrid w;
    w.g.SetFloatingMode(2, FALSE);
    w.g.SetStyleRange(CGXCellRange(1, 1), CGXStyle().SetValue(pszLong).SetInterior(crSpan));
    w.Value(1, 5, "x");
    ASSERT_EQ("1,1-1,4", w.FloatAt(1, 1));
    ASSERT_TRUE(w.ShowsFreshPaint());
    Pixels shown = CaptureClient(w.grid.get());
    // Column edges from row 2 (CalcCellRect of a floated cell gives the whole span).
    CRect r12 = w.g.CalcCellRect(2, 2), r22 = r12, r14 = w.g.CalcCellRect(2, 4), r15 = w.g.CalcCellRect(2, 5);
    int y2 = r22.bottom - 2, y = w.g.CalcCellRect(1, 5).bottom - 2;
    r12.OffsetRect(0, y - y2);
    DWORD line = shown.At(r22.left, y2);
    EXPECT_NE(ToRGB(RGB(255, 255, 255)), line); // row 2 shows the line between columns 1 and 2
    EXPECT_EQ(ToRGB(crSpan), shown.At(r12.left, y));
    EXPECT_EQ(ToRGB(crSpan), shown.At(r14.left, y));
    EXPECT_EQ(ToRGB(crSpan), shown.At(r14.right - 2, y));
    EXPECT_NE(ToRGB(crSpan), shown.At(r15.right - 2, y));
    EXPECT_EQ(line, shown.At(r15.left, y)); // the span ends with the line before column 5
    int nText = 0;
    for (int x = r12.left + 1; x < r12.right - 1; x++)
        for (int yy = r12.top + 1; yy < r12.bottom - 1; yy++)
            nText += shown.At(x, yy) != ToRGB(crSpan);
    EXPECT_GT(nText, 0) << "the text reaches into column 2";
}

// Typing into a floated-over cell cuts the float back at that cell while the text is typed;
// Escape gives the float back.
TEST(GridFloatCells, TypingCutsTheFloatEscapeRestoresIt)
{
    for (WORD nMode : {1, 2})
    {
        SCOPED_TRACE(nMode);
        SpanGrid w;
        w.g.SetFloatingMode(nMode, FALSE);
        w.Value(1, 1, pszLong);
        ASSERT_EQ("1,1-1,6", w.FloatAt(1, 1));
        w.g.SetCurrentCell(1, 3);
        PumpMessages(30);
        PressKey('A');
        EXPECT_TRUE(w.g.GetControl(1, 3)->IsActive());
        CGXCellRange range;
        ASSERT_NE(nullptr, w.g.GetFloatedRangeAt(1, 1, range));
        EXPECT_EQ(2u, range.right);
        PressKey(VK_ESCAPE);
        ASSERT_NE(nullptr, w.g.GetFloatedRangeAt(1, 1, range));
        EXPECT_EQ(6u, range.right);
        PressKey('B');
        PressKey(VK_RETURN);
        EXPECT_EQ("1,1-1,2", w.FloatAt(1, 1));
        EXPECT_STRCASEEQ("b", (LPCTSTR)w.g.GetStoredValueText(1, 3));
        EXPECT_TRUE(w.ShowsFreshPaint());
    }
}

namespace
{
std::string RangeText(const CGXCellRange* p)
{
    if (p == NULL)
        return "none";
    return std::to_string(p->top) + "," + std::to_string(p->left) + "-" + std::to_string(p->bottom) + "," +
           std::to_string(p->right);
}

// Where the screen differs from a fresh paint of the grid ("" when it does not).
std::string PaintDifference(SpanGrid& w)
{
    w.grid->UpdateWindow();
    Pixels shown = CaptureClient(w.grid.get()), fresh = RenderGrid(w.grid.get(), w.grid.get());
    for (int y = 0; y < shown.cy; y++)
        for (int x = 0; x < shown.cx; x++)
            if (shown.At(x, y) != fresh.At(x, y))
                return std::to_string(x) + "," + std::to_string(y) + ": shown " +
                       std::to_string(shown.At(x, y)) + ", fresh " + std::to_string(fresh.At(x, y));
    return "";
}

std::string CoveredAt(CGXGridCore& g, ROWCOL nRow, ROWCOL nCol)
{
    CGXCellRange range;
    return RangeText(g.GetCoveredCellsRowCol(nRow, nCol, range));
}

// The colour at the middle of the bottom edge's inside of a cell column's part of a row: below
// any text, inside any line. Columns from row nRefRow, rows from column nRefCol (unspanned).
DWORD ColourAt(SpanGrid& w, const Pixels& px, ROWCOL nRow, ROWCOL nCol, int dx, ROWCOL nRefRow,
               ROWCOL nRefCol)
{
    CRect col = w.g.CalcCellRect(nRefRow, nCol), row = w.g.CalcCellRect(nRow, nRefCol);
    return px.At(dx < 0 ? col.right + dx : col.left + dx, row.bottom - 2);
}
} // namespace

TEST(GridCoveredCells, CoverReplaceUncoverAndRemoveRows)
{
    SpanGrid w;
    CGXGridCore& g = w.g;
    g.SetRowCount(8, GX_NOREDRAW);
    ASSERT_TRUE(g.SetCoveredCellsRowCol(2, 2, 4, 4));
    EXPECT_EQ("2,2-4,4", CoveredAt(g, 3, 3));
    EXPECT_EQ("2,2-4,4", CoveredAt(g, 4, 4));
    EXPECT_EQ("none", CoveredAt(g, 5, 4));
    // Covering the same top-left cell again replaces the range.
    ASSERT_TRUE(g.SetCoveredCellsRowCol(2, 2, 3, 3));
    EXPECT_EQ("none", CoveredAt(g, 4, 4));
    EXPECT_EQ("2,2-3,3", CoveredAt(g, 3, 3));
    EXPECT_EQ(1, g.GetParam()->m_CoveredCellsList.GetCount());
    // Overlapping another range's cells, and a single cell, are refused.
    EXPECT_FALSE(g.SetCoveredCellsRowCol(3, 3, 5, 5));
    EXPECT_FALSE(g.SetCoveredCellsRowCol(6, 6, 6, 6));
    // The single top-left cell uncovers.
    ASSERT_TRUE(g.SetCoveredCellsRowCol(2, 2, 2, 2));
    EXPECT_EQ("none", CoveredAt(g, 3, 3));
    EXPECT_EQ(0, g.GetParam()->m_CoveredCellsList.GetCount());
    // Removing rows 3 to 5 cuts (2,2)-(4,4) to its first row; a range starting there goes.
    ASSERT_TRUE(g.SetCoveredCellsRowCol(2, 2, 4, 4));
    ASSERT_TRUE(g.SetCoveredCellsRowCol(4, 5, 6, 6));
    ASSERT_TRUE(g.RemoveRows(3, 5));
    EXPECT_EQ("2,2-2,4", CoveredAt(g, 2, 3));
    EXPECT_EQ("none", CoveredAt(g, 3, 5));
    EXPECT_EQ(1, g.GetParam()->m_CoveredCellsList.GetCount());
    EXPECT_TRUE(w.ShowsFreshPaint());
}

TEST(GridCoveredCells, UndoRestoresThePreviousExtent)
{
    SpanGrid w;
    CGXGridCore& g = w.g;
    ASSERT_TRUE(g.SetCoveredCellsRowCol(1, 1, 2, 2));
    ASSERT_TRUE(g.SetCoveredCellsRowCol(1, 1, 3, 4));
    ASSERT_TRUE(g.Undo());
    EXPECT_EQ("1,1-2,2", CoveredAt(g, 2, 2));
    EXPECT_EQ("none", CoveredAt(g, 3, 4));
    ASSERT_TRUE(g.Undo());
    EXPECT_EQ("none", CoveredAt(g, 2, 2));
    ASSERT_TRUE(g.Redo());
    EXPECT_EQ("1,1-2,2", CoveredAt(g, 2, 2));
}

TEST(GridCoveredCells, ProtectedReadOnlyCellsAreNotCovered)
{
    SpanGrid w;
    CGXGridCore& g = w.g;
    g.SetStyleRange(CGXCellRange(2, 3), CGXStyle().SetReadOnly(TRUE));
    EXPECT_FALSE(g.SetCoveredCellsRowCol(2, 2, 3, 4));
    EXPECT_EQ("none", CoveredAt(g, 2, 2));
    g.GetParam()->m_bProtectReadOnly = FALSE;
    EXPECT_TRUE(g.SetCoveredCellsRowCol(2, 2, 3, 4));
}

// On the screen: the top-left cell's background over the whole range and no grid line inside;
// scrolled so that the top-left cell is out of view, the rest still shows its style. A current
// cell inside the range moves to its top-left cell.
TEST(GridCoveredCells, PaintsAsOneCellAlsoWhenItsTopLeftIsScrolledAway)
{
    SpanGrid w;
    CGXGridCore& g = w.g;
    g.SetRowCount(30, GX_NOREDRAW);
    // The vertical scroll bar comes with the rows: the layout settles first.
    g.RedrawAll(GX_UPDATENOW, FALSE);
    PumpMessages(50);
    ASSERT_TRUE(w.ShowsFreshPaint());
    g.SetStyleRange(CGXCellRange(2, 2), CGXStyle().SetValue("Abdeckung").SetInterior(crSpan));
    g.SetCurrentCell(3, 3);
    ASSERT_TRUE(g.SetCoveredCellsRowCol(2, 2, 4, 4));
    ROWCOL nRow, nCol;
    ASSERT_TRUE(g.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(2u, nRow);
    EXPECT_EQ(2u, nCol);
    g.ChangeCurrentCell(6, 5, GX_UPDATENOW); // repaints the headers it marks
    ASSERT_EQ("", PaintDifference(w)) << g.CalcCellRect(2, 2).left << "," << g.CalcCellRect(2, 2).top << " "
                                      << g.CalcCellRect(4, 4).right << "," << g.CalcCellRect(4, 4).bottom;
    Pixels px = CaptureClient(w.grid.get());
    DWORD line = ColourAt(w, px, 6, 3, 0, 6, 6); // the line left of column 3 in row 6
    EXPECT_NE(ToRGB(crSpan), line);
    for (ROWCOL r : {2, 3, 4})
    {
        SCOPED_TRACE(r);
        EXPECT_EQ(ToRGB(crSpan), ColourAt(w, px, r, 3, 0, 6, 6));  // no line before column 3
        EXPECT_EQ(ToRGB(crSpan), ColourAt(w, px, r, 4, 0, 6, 6));  // nor before column 4
        EXPECT_EQ(ToRGB(crSpan), ColourAt(w, px, r, 4, -2, 6, 6)); // the background reaches column 4
        EXPECT_NE(ToRGB(crSpan), ColourAt(w, px, r, 5, 3, 6, 6));  // and stops there
    }
    EXPECT_EQ(line, ColourAt(w, px, 3, 5, 0, 6, 6));
    g.SetTopRow(3);
    ASSERT_TRUE(w.ShowsFreshPaint());
    px = CaptureClient(w.grid.get());
    EXPECT_EQ(ToRGB(crSpan), ColourAt(w, px, 3, 3, 0, 6, 6));
    EXPECT_EQ(ToRGB(crSpan), ColourAt(w, px, 4, 4, -2, 6, 6));
}

namespace
{
// A grid whose row 3 counts as hidden (the grid has no hiding component of its own here).
struct HiddenRowGrid : CGXGridWnd
{
    BOOL IsRowHidden(ROWCOL nRow) override
    {
        return nRow == 3;
    }
};

std::string MergedAt(CGXGridCore& g, ROWCOL nRow, ROWCOL nCol, int nDirection)
{
    g.RedrawAll(GX_UPDATENOW, FALSE);
    PumpMessages(30);
    CGXCellRange range;
    return RangeText(g.GetMergedRangeAt(nRow, nCol, range, nDirection));
}
} // namespace

// Neighbours with "MergeCell" and equal values merge along rows and columns; a changed value
// splits them again; mode bits switch a direction off; low bits 3 change nothing.
TEST(GridMergeCells, EqualNeighboursMergeAndSplit)
{
    for (WORD nMode : {1, 2})
    {
        SCOPED_TRACE(nMode);
        SpanGrid w;
        CGXGridCore& g = w.g;
        g.SetStyleRange(CGXCellRange(1, 1, 4, 6), CGXStyle().SetMergeCell(3));
        g.SetMergingMode(nMode, FALSE);
        for (ROWCOL c : {2, 3, 4})
            w.Value(1, c, "gleich");
        w.Value(2, 5, "senkrecht");
        w.Value(3, 5, "senkrecht");
        EXPECT_EQ("1,2-1,4", MergedAt(g, 1, 3, 0));
        EXPECT_EQ("2,5-3,5", MergedAt(g, 3, 5, 1));
        EXPECT_EQ("none", MergedAt(g, 1, 1, -1));
        EXPECT_TRUE(w.ShowsFreshPaint());
        w.Value(1, 3, "anders");
        EXPECT_EQ("none", MergedAt(g, 1, 3, 0));
        EXPECT_EQ("none", MergedAt(g, 1, 2, 0));
        EXPECT_EQ("none", MergedAt(g, 1, 4, 0));
        w.Value(1, 3, "gleich");
        EXPECT_EQ("1,2-1,4", MergedAt(g, 1, 2, 0));
        // Bit 8 switches horizontal merging off, bit 4 vertical.
        g.SetMergingMode(nMode | 8, FALSE);
        EXPECT_EQ("none", MergedAt(g, 1, 3, 0));
        EXPECT_EQ("2,5-3,5", MergedAt(g, 2, 5, 1));
        g.SetMergingMode(nMode | 4, FALSE);
        EXPECT_EQ("none", MergedAt(g, 2, 5, 1));
        EXPECT_EQ("1,2-1,4", MergedAt(g, 1, 4, 0));
        // Low bits 3 are no mode: the grid keeps merging as before.
        for (WORD nUnknown : {3, 3 | 8})
        {
            g.SetMergingMode(nUnknown, FALSE);
            EXPECT_EQ(nMode | 4, g.GetMergingMode()) << nUnknown;
            EXPECT_EQ("1,2-1,4", MergedAt(g, 1, 4, 0)) << nUnknown;
        }
        g.SetMergingMode(0, FALSE);
        EXPECT_EQ("none", MergedAt(g, 1, 4, 0));
        EXPECT_EQ(nullptr, g.GetParam()->m_pHorzMergeCellsPool);
    }
}

// With mode bit 0 a merge runs across a hidden row; without it the hidden row breaks it.
TEST(GridMergeCells, HiddenRows)
{
    for (WORD nMode : {1, 2})
    {
        GridWindowOf<HiddenRowGrid> w(400, 200);
        CGXGridCore& g = *w.grid;
        g.OnGridInitialUpdate();
        g.SetRowCount(5, GX_NOREDRAW);
        g.SetColCount(3, GX_NOREDRAW);
        g.SetStyleRange(CGXCellRange(1, 1, 5, 3), CGXStyle().SetMergeCell(3));
        g.SetMergingMode(nMode, FALSE);
        g.SetValueRange(CGXCellRange(2, 2), "x");
        g.SetValueRange(CGXCellRange(4, 2), "x");
        EXPECT_EQ(nMode == 1 ? "2,2-4,2" : "none", MergedAt(g, 2, 2, 1)) << nMode;
    }
}

// Inserted, removed and moved rows and columns move the merged and floated spans with their
// cells: a span does not stay behind at the old place, and one that the change cut into begins
// anew.
TEST(GridMergeCells, SpansMoveWithInsertedAndRemovedRowsAndColumns)
{
    struct Case
    {
        const char* what;
        BOOL (*change)(CGXGridCore&);
        ROWCOL nRowH, nColH; // a cell of the horizontal merge afterwards (0: not looked at)
        const char* horz;
        ROWCOL nRowV, nColV; // a cell of the vertical merge afterwards
        const char* vert;
        ROWCOL nRowOld, nColOld; // where the horizontal merge stood; now none
        ROWCOL nRowF, nColF;     // the floating text afterwards
        const char* floated;
    };
    const Case cases[] = {
        {"insert row 1", [](CGXGridCore& g) { return g.InsertRows(1, 1); }, 2, 3, "2,2-2,4", 4, 5, "3,5-4,5",
         1, 3, 5, 1, "5,1-5,6"},
        {"insert column 1", [](CGXGridCore& g) { return g.InsertCols(1, 1); }, 1, 4, "1,3-1,5", 3, 6,
         "2,6-3,6", 1, 2, 4, 2, "4,2-4,7"},
        {"remove row 1", [](CGXGridCore& g) { return g.RemoveRows(1, 1); }, 0, 0, "", 2, 5, "1,5-2,5", 1, 3,
         3, 1, "3,1-3,6"},
        {"remove column 1", [](CGXGridCore& g) { return g.RemoveCols(1, 1); }, 1, 2, "1,1-1,3", 3, 4,
         "2,4-3,4", 0, 0, 4, 1, "none"},
        {"move row 1 to 3", [](CGXGridCore& g) { return g.MoveRows(1, 1, 3); }, 3, 3, "3,2-3,4", 2, 5,
         "1,5-2,5", 1, 3, 4, 1, "4,1-4,6"},
        {"move row 4 to 1", [](CGXGridCore& g) { return g.MoveRows(4, 4, 1); }, 2, 3, "2,2-2,4", 4, 5,
         "3,5-4,5", 1, 3, 1, 1, "1,1-1,6"},
        {"move column 1 to 6", [](CGXGridCore& g) { return g.MoveCols(1, 1, 6); }, 1, 2, "1,1-1,3", 3, 4,
         "2,4-3,4", 1, 4, 0, 0, ""},
    };
    for (WORD nMode : {1, 2})
        for (const Case& c : cases)
        {
            SCOPED_TRACE(std::string(c.what) + " mode " + std::to_string(nMode));
            SpanGrid w;
            CGXGridCore& g = w.g;
            g.SetStyleRange(CGXCellRange(1, 1, 4, 6), CGXStyle().SetMergeCell(3));
            g.SetMergingMode(nMode, FALSE);
            g.SetFloatingMode(nMode, FALSE);
            for (ROWCOL col : {2, 3, 4})
                w.Value(1, col, "gleich");
            w.Value(2, 5, "senkrecht");
            w.Value(3, 5, "senkrecht");
            w.Value(4, 1, pszLong);
            ASSERT_EQ("1,2-1,4", MergedAt(g, 1, 3, 0));
            ASSERT_EQ("2,5-3,5", MergedAt(g, 3, 5, 1));
            ASSERT_EQ("4,1-4,6", w.FloatAt(4, 1));
            ASSERT_TRUE(c.change(g));
            if (c.nRowH != 0)
            {
                EXPECT_EQ(c.horz, MergedAt(g, c.nRowH, c.nColH, 0));
            }
            if (c.nRowV != 0)
            {
                EXPECT_EQ(c.vert, MergedAt(g, c.nRowV, c.nColV, 1));
            }
            if (c.nRowOld != 0)
            {
                EXPECT_EQ("none", MergedAt(g, c.nRowOld, c.nColOld, 0));
            }
            if (c.nRowF != 0)
            {
                EXPECT_EQ(c.floated, w.FloatAt(c.nRowF, c.nColF));
            }
            EXPECT_TRUE(w.ShowsFreshPaint());
        }
}

// On the screen a merged range shows once: one background, no line inside. Across the frozen
// columns it is drawn in each pane and still shows as one cell.
TEST(GridMergeCells, PaintsAsOneCellAlsoAcrossTheFrozenColumns)
{
    SpanGrid w;
    CGXGridCore& g = w.g;
    g.SetStyleRange(CGXCellRange(1, 1, 4, 6),
                    CGXStyle().SetMergeCell(3).SetInterior(crSpan).SetHorizontalAlignment(DT_CENTER));
    g.SetMergingMode(2, FALSE);
    for (ROWCOL c : {2, 3, 4})
        w.Value(2, c, "gleich");
    g.SetFrozenCols(2, 0, GX_NOREDRAW);
    ASSERT_EQ("2,2-2,4", MergedAt(g, 2, 3, 0));
    ASSERT_TRUE(w.ShowsFreshPaint());
    Pixels px = CaptureClient(w.grid.get());
    DWORD line = ColourAt(w, px, 4, 4, 0, 4, 6);
    EXPECT_NE(ToRGB(crSpan), line);
    EXPECT_EQ(ToRGB(crSpan), ColourAt(w, px, 2, 4, 0, 4, 6)); // no line before column 4
    EXPECT_EQ(line, ColourAt(w, px, 2, 5, 0, 4, 6));          // the line after the span
    int nText = 0;
    CRect c3 = g.CalcCellRect(4, 3), r2 = g.CalcCellRect(2, 6);
    for (int x = c3.left + 1; x < c3.right - 1; x++)
        for (int y = r2.top + 1; y < r2.bottom - 1; y++)
            nText += px.At(x, y) != ToRGB(crSpan);
    EXPECT_GT(nText, 0) << "the text stands in the middle of the span, over column 3";
}

// A grid with values, styles, row heights, covered ranges, frozen rows, hidden rows set in the
// parameter object's stores, both span modes and a print device, saved and read back into a new
// grid, paints the same.
TEST(GridSpansArchive, ASavedAndReopenedGridPaintsTheSame)
{
    SpanGrid a;
    CGXGridCore& g = a.g;
    g.SetRowCount(9, GX_NOREDRAW);
    g.SetStyleRange(CGXCellRange(1, 1, 9, 6), CGXStyle().SetMergeCell(3));
    g.SetStyleRange(CGXCellRange(5, 1), CGXStyle().SetValue(pszLong).SetInterior(crSpan));
    for (ROWCOL c : {2, 3})
        a.Value(2, c, "gleich");
    g.SetStyleRange(CGXCellRange(7, 2), CGXStyle().SetValue("Abdeckung").SetInterior(RGB(0, 128, 255)));
    g.SetRowHeight(3, 3, 30);
    ASSERT_TRUE(g.SetCoveredCellsRowCol(7, 2, 8, 4));
    g.SetFrozenRows(1, 0, GX_NOREDRAW);
    g.SetFloatingMode(1, FALSE);
    g.SetMergingMode(2, FALSE);
    CGXGridParam* pParam = g.GetParam();
    pParam->m_abHiddenRows.SetSize(2);
    pParam->m_abHiddenRows[1] = 0x02; // row 9
    pParam->m_pPrintDevice = new CGXPrintDevice;
    pParam->m_bOwnPrintDevice = TRUE;
    g.SetCurrentCell(6, 6); // the same view state in both grids
    g.RedrawAll(GX_UPDATENOW, FALSE);
    PumpMessages(30);
    CGXCellRange range;
    ASSERT_NE(nullptr, g.GetFloatedRangeAt(5, 2, range));
    ASSERT_NE(nullptr, g.GetMergedRangeAt(2, 3, range, 0));
    Pixels before = RenderGrid(a.grid.get(), a.grid.get());

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        pParam->Serialize(ar);
    }
    file.SeekToBegin();
    CGXGridParam* pLoaded = new CGXGridParam;
    {
        CArchive ar(&file, CArchive::load);
        pLoaded->Serialize(ar);
    }
    a.grid->ShowWindow(SW_HIDE);
    GridWindowOf<CGXGridWnd> b(520, 220);
    b.grid->AttachParamObject(pLoaded, TRUE);
    b.grid->OnGridInitialUpdate();
    EXPECT_EQ("7,2-8,4", CoveredAt(*b.grid, 8, 3));
    EXPECT_EQ(1u, b.grid->GetFloatingMode());
    EXPECT_EQ(2u, b.grid->GetMergingMode());
    EXPECT_NE(nullptr, pLoaded->m_pPrintDevice);
    b.grid->SetCurrentCell(6, 6);
    b.grid->RedrawAll(GX_UPDATENOW, FALSE);
    PumpMessages(30);
    Pixels after = RenderGrid(b.grid.get(), b.grid.get());
    int nDiff = 0;
    std::string strFirst;
    for (int y = 0; y < before.cy; y++)
        for (int x = 0; x < before.cx; x++)
            if (before.At(x, y) != after.At(x, y) && nDiff++ == 0)
                strFirst = std::to_string(x) + "," + std::to_string(y);
    EXPECT_EQ(0, nDiff) << "first at " << strFirst;
    EXPECT_NE(nullptr, b.grid->GetFloatedRangeAt(5, 2, range));
    EXPECT_NE(nullptr, b.grid->GetMergedRangeAt(2, 3, range, 0));
}

namespace
{
// Notes, for every cell drawn, whether the grid drew it as a whole span.
struct SpanFlagGrid : CGXGridWnd
{
    std::map<std::pair<ROWCOL, ROWCOL>, BOOL> drawnAsSpan;
    void DrawCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGXStyle& style) override
    {
        drawnAsSpan[{nRow, nCol}] = IsDrawingSpan();
        CGXGridWnd::DrawCell(pDC, nRow, nCol, rect, style);
    }
};
} // namespace

// A covered range, a merge and a float are drawn with the grid's span flag set; a plain cell
// without it, and the flag is clear after the paint.
TEST(GridSpansDrawing, SpansAreDrawnWithTheSpanFlag)
{
    GridWindowOf<SpanFlagGrid> w(520, 220);
    CGXGridCore& g = *w.grid;
    g.OnGridInitialUpdate();
    g.SetRowCount(4, GX_NOREDRAW);
    g.SetColCount(6, GX_NOREDRAW);
    g.SetStyleRange(CGXCellRange(1, 1, 4, 6),
                    CGXStyle().SetMergeCell(3).SetFloatCell(TRUE).SetFloodCell(TRUE));
    g.SetMergingMode(2, FALSE);
    g.SetFloatingMode(2, FALSE);
    g.SetValueRange(CGXCellRange(1, 2, 1, 3), "gleich");
    g.SetValueRange(CGXCellRange(3, 1), pszLong);
    ASSERT_TRUE(g.SetCoveredCellsRowCol(4, 4, 4, 6));
    g.SetValueRange(CGXCellRange(2, 2), "x");
    g.RedrawAll(GX_UPDATENOW, FALSE);
    PumpMessages(30);
    auto drawnAsSpan = [&](ROWCOL nRow, ROWCOL nCol) {
        return w.grid->drawnAsSpan[std::make_pair(nRow, nCol)];
    };
    EXPECT_TRUE(drawnAsSpan(1, 2)) << "merged";
    EXPECT_TRUE(drawnAsSpan(3, 1)) << "floated";
    EXPECT_TRUE(drawnAsSpan(4, 4)) << "covered";
    ASSERT_EQ(1u, w.grid->drawnAsSpan.count(std::make_pair(2u, 2u)));
    EXPECT_FALSE(drawnAsSpan(2, 2)) << "plain";
    EXPECT_FALSE(g.IsDrawingSpan());
}

// Bringing a cell into view starts from its covered range's top-left cell always, from its
// floated range's start only when asked for floats.
TEST(GridFloatCells, ScrollingIntoViewStartsAtTheFloatOnlyWhenAsked)
{
    SpanGrid w;
    CGXGridCore& g = w.g;
    g.SetColCount(30, GX_NOREDRAW);
    g.SetColWidth(1, 30, w.nWidth, NULL, GX_NOREDRAW);
    g.SetStyleRange(CGXCellRange(1, 1, 4, 30), CGXStyle().SetFloatCell(TRUE).SetFloodCell(TRUE));
    g.SetFloatingMode(2, FALSE);
    w.Value(1, 2, pszLong);
    g.SetLeftCol(3);
    w.FloatAt(1, 3);
    CGXCellRange range;
    ASSERT_NE(nullptr, g.GetFloatedRangeAt(1, 5, range));
    ASSERT_EQ(2u, range.left);
    ASSERT_GE(range.right, 6u);
    g.SetLeftCol(4);
    EXPECT_FALSE(g.ScrollCellInView(1, 5, 0, FALSE));
    EXPECT_EQ(4u, g.GetLeftCol());
    EXPECT_TRUE(g.ScrollCellInView(1, 5, 0, TRUE));
    EXPECT_EQ(2u, g.GetLeftCol());

    ASSERT_TRUE(g.SetCoveredCellsRowCol(3, 2, 4, 5));
    g.SetLeftCol(4);
    EXPECT_TRUE(g.ScrollCellInView(4, 5, 0, FALSE));
    EXPECT_EQ(2u, g.GetLeftCol());
}

// Scrolling by rows and columns past merged and floated spans that the scrolling area's edge
// cuts, with and without frozen rows and columns, leaves the screen as a fresh paint shows it.
TEST(GridMergeCells, ScrollingPastCutSpansShowsAFreshPaint)
{
    for (ROWCOL nFrozen : {0, 2})
    {
        SCOPED_TRACE(nFrozen);
        SpanGrid w;
        CGXGridCore& g = w.g;
        g.SetRowCount(40, GX_NOREDRAW);
        g.SetColCount(30, GX_NOREDRAW);
        g.RedrawAll(GX_UPDATENOW, FALSE);
        PumpMessages(50);
        g.SetStyleRange(CGXCellRange(1, 1, 40, 30), CGXStyle()
                                                        .SetMergeCell(3)
                                                        .SetFloatCell(TRUE)
                                                        .SetFloodCell(TRUE)
                                                        .SetVerticalAlignment(DT_VCENTER)
                                                        .SetHorizontalAlignment(DT_CENTER));
        g.SetMergingMode(2, FALSE);
        g.SetFloatingMode(2, FALSE);
        for (ROWCOL r = 2; r <= 9; r++)
            w.Value(r, 2, "senkrecht");
        for (ROWCOL c = 2; c <= 6; c++)
            w.Value(10, c, "waagerecht");
        w.Value(12, 3, pszLong);
        g.SetFrozenRows(nFrozen, 0, GX_NOREDRAW);
        g.SetFrozenCols(nFrozen, 0, GX_NOREDRAW);
        g.RedrawAll(GX_UPDATENOW, FALSE);
        PumpMessages(30);
        ASSERT_EQ("", PaintDifference(w));
        for (int nDirection : {GX_DOWN, GX_DOWN, GX_RIGHT, GX_RIGHT, GX_UP, GX_LEFT})
        {
            SCOPED_TRACE(nDirection);
            ASSERT_TRUE(g.DoScroll(nDirection, 1));
            EXPECT_EQ("", PaintDifference(w));
        }
    }
}
