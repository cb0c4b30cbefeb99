// Floating, merged and covered cells on a shown grid: which cells a span takes, and what the
// screen shows of it (no grid line inside, the text across the inner boundaries, the
// background over every cell).
#include "FeatureTestApp.h"
#include "grid/core/GridParam.h"
#include "res/GridIds.h"
#include <algorithm>
#include "TestSupport.h"
#include <gtest/gtest.h>
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
        return std::to_string(range.top) + "," + std::to_string(range.left) + "-" + std::to_string(range.bottom) +
               "," + std::to_string(range.right);
    }
    int nWidth = 0;
};
} // namespace

// The float runs over empty cells that allow it and stops at the first non-empty cell, at the
// first cell without "FloodCell", at the first column after the frozen ones and at the last
// column; a short text does not float.
TEST(GridFloatCells, StopsWhereThePartSays)
{
    struct Case
    {
        const char* name;
        void (*setup)(SpanGrid&);
        const char* expected;
    } cases[] = {
        {"non-empty cell", [](SpanGrid& w) { w.Value(1, 5, "x"); }, "1,1-1,4"},
        {"cell without FloodCell",
         [](SpanGrid& w) { w.g.SetStyleRange(CGXCellRange(1, 4), CGXStyle().SetFloodCell(FALSE)); }, "1,1-1,3"},
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

TEST(GridFloatCells, ShortTextsModeOffAndUnknownModesDoNotFloat)
{
    SpanGrid w;
    w.g.SetFloatingMode(2, FALSE);
    w.Value(1, 1, "a");
    EXPECT_EQ("none", w.FloatAt(1, 1));
    w.Value(2, 1, pszLong);
    EXPECT_EQ("2,1-2,6", w.FloatAt(2, 1));
    for (WORD nMode : {0, 3})
    {
        w.g.SetFloatingMode(nMode, FALSE);
        EXPECT_EQ("none", w.FloatAt(2, 1)) << nMode;
        EXPECT_EQ(nullptr, w.g.GetParam()->m_pFloatCellsPool) << nMode;
    }
}

// Rotated text never floats; a check box neither floats nor is floated over.
TEST(GridFloatCells, RotatedTextAndCheckBoxes)
{
    SpanGrid w;
    w.g.SetFloatingMode(2, FALSE);
    w.g.SetStyleRange(CGXCellRange(1, 1), CGXStyle().SetValue(pszLong).SetControl(GX_IDS_CTRL_STATIC).MergeFont(CGXFont().SetOrientation(900)));
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
