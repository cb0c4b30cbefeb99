// Hidden rows and columns and resizing to fit on a shown grid: the bit sets follow inserted,
// removed and moved rows; hidden rows are not drawn and come back with Ctrl+Z; a column grows
// until its text shows whole, one undo step, also when Esc ends the run half way.
#include "FeatureTestApp.h"
#include "grid/core/GridParam.h"
#include "grid/core/LongOperation.h"
#include "grid/core/Properties.h"
#include "grid/features/GridHideCellsImp.h"
#include "TestSupport.h"
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
// Posts Esc to its window when the cell (row, column) is composed the first time.
struct EscGrid : CGXGridWnd
{
    ROWCOL nEscRow = 0, nEscCol = 0;
    void ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, BOOL bApplyStandard) override
    {
        if (nEscRow != 0 && nRow == nEscRow && nCol == nEscCol)
        {
            ::PostMessage(m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
            nEscRow = 0;
        }
        CGXGridWnd::ComposeStyleRowCol(nRow, nCol, pStyle, bApplyStandard);
    }
};

struct HideGrid : GridWindowOf<EscGrid>
{
    EscGrid& g;
    HideGrid() : GridWindowOf(420, 260), g(*grid)
    {
        g.OnGridInitialUpdate();
        g.SetRowCount(30, GX_NOREDRAW);
        g.SetColCount(6, GX_NOREDRAW);
        for (ROWCOL r = 1; r <= 30; r++)
            for (ROWCOL c = 1; c <= 6; c++)
                g.SetValueRange(CGXCellRange(r, c), (std::to_string(r) + "/" + std::to_string(c)).c_str(),
                                gxOverride, 0, GX_NOREDRAW);
        g.GetParam()->ClearUndoList();
        g.RedrawAll(GX_UPDATENOW, FALSE);
        g.SetFocus();
        PumpMessages(50);
    }
    bool ShowsFreshPaint()
    {
        g.UpdateWindow();
        return CaptureClient(&g).px == RenderGrid(&g, &g).px;
    }
    // The screen's pixels of a rectangle of the grid's client area.
    std::vector<DWORD> Band(const CRect& rect)
    {
        g.UpdateWindow();
        Pixels p = CaptureClient(&g);
        std::vector<DWORD> v;
        for (int y = rect.top; y < rect.bottom; y++)
            for (int x = rect.left; x < rect.right; x++)
                v.push_back(p.At(x, y));
        return v;
    }
    // The screen's pixels of a cell's first line, the first cx pixels from its left edge, column
    // by column.
    std::vector<DWORD> TextLine(ROWCOL nRow, ROWCOL nCol, int cx)
    {
        g.UpdateWindow();
        CRect rect = g.CalcCellRect(nRow, nCol);
        Pixels p = CaptureClient(&g);
        std::vector<DWORD> v;
        for (int x = rect.left; x < rect.left + cx; x++)
            for (int y = rect.top; y < rect.top + g.GetRowHeight(nRow) - 1; y++)
                v.push_back(p.At(x, y));
        return v;
    }
};

std::string HiddenRows(CGXGridCore& g, ROWCOL nLast)
{
    std::string s;
    for (ROWCOL r = 1; r <= nLast; r++)
        if (g.IsRowHidden(r))
            s += std::to_string(r) + " ";
    return s;
}
} // namespace

TEST(GridHideCells, TheBitSetsFollowTheStructure)
{
    HideGrid w;
    CGXGridParam* pParam = w.g.GetParam();
    // Hiding row 20 of an empty set grows it to three bytes.
    ASSERT_EQ(0, pParam->m_abHiddenRows.GetSize());
    w.g.StoreHideRow(20, TRUE);
    EXPECT_EQ(3, pParam->m_abHiddenRows.GetSize());
    EXPECT_EQ("20 ", HiddenRows(w.g, 30));
    w.g.StoreHideRow(20, FALSE);

    struct Case
    {
        const char* what;
        std::vector<ROWCOL> hidden;
        std::function<BOOL(CGXGridCore&)> change;
        const char* expected;
    } cases[] = {
        {"insert 3 at 5", {6, 9}, [](CGXGridCore& g) { return g.InsertRows(5, 3); }, "9 12 "},
        {"remove 2..4", {6}, [](CGXGridCore& g) { return g.RemoveRows(2, 4); }, "3 "},
        {"move 2..3 to 10", {3}, [](CGXGridCore& g) { return g.MoveRows(2, 3, 10); }, "11 "},
        {"move 10..11 to 2", {11, 13}, [](CGXGridCore& g) { return g.MoveRows(10, 11, 2); }, "3 13 "},
        {"remove beyond the set", {2}, [](CGXGridCore& g) { return g.RemoveRows(20, 25); }, "2 "},
    };
    for (const Case& c : cases)
    {
        pParam->m_abHiddenRows.RemoveAll();
        for (ROWCOL r : c.hidden)
            w.g.StoreHideRow(r, TRUE);
        ASSERT_TRUE(c.change(w.g)) << c.what;
        EXPECT_EQ(c.expected, HiddenRows(w.g, 40)) << c.what;
        EXPECT_EQ(0, w.g.GetRowHeight((ROWCOL)std::stoul(c.expected))) << c.what;
    }
    // Printing without the column headers (row 0) or row headers (column 0) hides them.
    CGXProperties* pProps = pParam->GetProperties();
    pProps->m_abFlags[CGXProperties::flagPrinting] = TRUE;
    pProps->m_abPrintFlags[CGXProperties::printColHeaders] = FALSE;
    EXPECT_FALSE(w.g.IsRowHidden(0));
    w.g.SetPrinting(TRUE);
    EXPECT_TRUE(w.g.IsRowHidden(0));
    EXPECT_FALSE(w.g.IsColHidden(0));
    w.g.SetPrinting(FALSE);
    pProps->m_abPrintFlags[CGXProperties::printColHeaders] = TRUE;
    pProps->m_abFlags[CGXProperties::flagPrinting] = FALSE;

    // The column set follows columns the same way.
    w.g.StoreHideCol(3, TRUE);
    ASSERT_TRUE(w.g.InsertCols(2, 2));
    EXPECT_TRUE(w.g.IsColHidden(5));
    EXPECT_FALSE(w.g.IsColHidden(3));
    ASSERT_TRUE(w.g.RemoveCols(1, 1));
    EXPECT_TRUE(w.g.IsColHidden(4));
}

TEST(GridHideCells, HiddenRowsAndColumnsAreNotDrawnAndCtrlZShowsThemAgain)
{
    HideGrid w;
    const int h3 = w.g.GetRowHeight(3);
    CRect row4 = w.g.CalcCellRect(4, 0);
    row4.right = w.g.CalcCellRect(4, 4).right;
    std::vector<DWORD> before = w.Band(row4);

    ASSERT_TRUE(w.g.HideRows(3, 3));
    EXPECT_EQ(0, w.g.GetRowHeight(3));
    EXPECT_TRUE(w.ShowsFreshPaint());
    // Row 4, header and cells, now stands where row 3 stood.
    EXPECT_EQ(before, w.Band(row4 - CPoint(0, h3)));

    PressKey('Z', true);
    EXPECT_FALSE(w.g.IsRowHidden(3));
    EXPECT_EQ(h3, w.g.GetRowHeight(3));
    EXPECT_TRUE(w.ShowsFreshPaint());
    EXPECT_EQ(before, w.Band(row4));
    PressKey('R', true);
    EXPECT_TRUE(w.g.IsRowHidden(3));
    EXPECT_TRUE(w.ShowsFreshPaint());

    // Columns 2 and 3 at once.
    const int w2 = w.g.GetColWidth(2), w3 = w.g.GetColWidth(3);
    CRect col4 = w.g.CalcCellRect(0, 4);
    col4.bottom = w.g.CalcCellRect(5, 4).bottom;
    std::vector<DWORD> colBefore = w.Band(col4);
    ASSERT_TRUE(w.g.HideCols(2, 3));
    EXPECT_TRUE(w.ShowsFreshPaint());
    EXPECT_EQ(colBefore, w.Band(col4 - CPoint(w2 + w3, 0)));
    PressKey('Z', true);
    EXPECT_FALSE(w.g.IsColHidden(2));
    EXPECT_FALSE(w.g.IsColHidden(3));
    EXPECT_TRUE(w.ShowsFreshPaint());
    EXPECT_EQ(colBefore, w.Band(col4));
}

// A hidden row or column removed and brought back by undo is hidden again, with its cells; shown,
// it has a size again.
TEST(GridHideCells, AHiddenRowOrColumnRemovedComesBackHiddenWithUndo)
{
    for (bool bCol : {false, true})
    {
        SCOPED_TRACE(bCol ? "column 3" : "row 3");
        HideGrid w;
        CGXGridCore& g = w.g;
        ASSERT_TRUE(bCol ? g.HideCols(3, 3) : g.HideRows(3, 3));
        ASSERT_TRUE(bCol ? g.RemoveCols(3, 3) : g.RemoveRows(3, 3));
        EXPECT_FALSE(bCol ? g.IsColHidden(3) : g.IsRowHidden(3));
        ASSERT_TRUE(g.Undo());
        EXPECT_TRUE(bCol ? g.IsColHidden(3) : g.IsRowHidden(3));
        EXPECT_STREQ("3/3", g.GetStoredValueText(3, 3));
        EXPECT_TRUE(w.ShowsFreshPaint());
        ASSERT_TRUE(bCol ? g.HideCols(3, 3, FALSE) : g.HideRows(3, 3, FALSE));
        EXPECT_GT(bCol ? g.GetColWidth(3) : g.GetRowHeight(3), 0);
        EXPECT_TRUE(w.ShowsFreshPaint());
    }
}

TEST(GridResizeToFit, ALongTextsColumnGrowsUntilTheTextShowsWhole)
{
    HideGrid w;
    const char* pszText = "Ein recht langer Text in der Zelle";
    w.g.SetValueRange(CGXCellRange(2, 2), pszText);
    // What the whole text draws on its line, in a column far wider than it.
    ASSERT_TRUE(w.g.SetColWidth(2, 2, 260));
    const std::vector<DWORD> whole = w.TextLine(2, 2, 260);
    ASSERT_TRUE(w.g.SetColWidth(2, 2, 40));
    w.g.GetParam()->ClearUndoList();

    ASSERT_TRUE(w.g.ResizeColWidthsToFit(CGXCellRange().SetCols(2, 2)));
    const int nFit = w.g.GetColWidth(2);
    EXPECT_LT(nFit, 260);
    // The cell's inside holds the text's extent in the cell's font...
    {
        CClientDC dc(&w.g);
        CFont* pOld = w.g.SelectCellFont(&dc, w.g.GetDefaultBaseStyle(), NULL);
        CRect inner = w.g.GetControl(2, 2)->GetCellRect(2, 2);
        EXPECT_GE(inner.Width(), dc.GetTextExtent(pszText).cx);
        dc.SelectObject(pOld);
    }
    // ...and it draws the text on one line as the wide column did, nothing wrapped away.
    EXPECT_EQ(w.TextLine(2, 2, nFit - 1),
              std::vector<DWORD>(whole.begin(), whole.begin() + whole.size() / 260 * (nFit - 1)));
    EXPECT_TRUE(w.ShowsFreshPaint());
    EXPECT_EQ(1, w.g.GetParam()->GetUndoList().GetCount());
    PressKey('Z', true);
    EXPECT_EQ(40, w.g.GetColWidth(2));
    EXPECT_TRUE(w.ShowsFreshPaint());

    // With flag 8 a column never gets narrower; without, it does.
    ASSERT_TRUE(w.g.SetColWidth(4, 4, 300));
    ASSERT_TRUE(w.g.ResizeColWidthsToFit(CGXCellRange().SetCols(4, 4), FALSE, GX_UPDATENOW | 8));
    EXPECT_EQ(300, w.g.GetColWidth(4));
    ASSERT_TRUE(w.g.ResizeColWidthsToFit(CGXCellRange().SetCols(4, 4)));
    EXPECT_LT(w.g.GetColWidth(4), 300);
}

TEST(GridResizeToFit, RowsFitAndOneCtrlZTakesThemAllBack)
{
    HideGrid w;
    CGXStyle wrap;
    wrap.SetWrapText(TRUE);
    w.g.SetStyleRange(CGXCellRange(2, 1, 4, 1), wrap);
    w.g.SetValueRange(CGXCellRange(2, 1), "eins zwei drei vier f\xfc"
                                          "nf sechs");
    w.g.SetValueRange(CGXCellRange(4, 1), "eins zwei drei vier f\xfc"
                                          "nf sechs sieben acht neun zehn elf zw\xf6"
                                          "lf");
    w.g.GetParam()->ClearUndoList();
    const int nOld = w.g.GetRowHeight(2);
    ASSERT_TRUE(w.g.ResizeRowHeightsToFit(CGXCellRange().SetRows(2, 4)));
    EXPECT_GT(w.g.GetRowHeight(2), nOld);
    EXPECT_GT(w.g.GetRowHeight(4), w.g.GetRowHeight(2));
    EXPECT_TRUE(w.ShowsFreshPaint());
    EXPECT_EQ(1, w.g.GetParam()->GetUndoList().GetCount());
    PressKey('Z', true);
    EXPECT_EQ(nOld, w.g.GetRowHeight(2));
    EXPECT_EQ(nOld, w.g.GetRowHeight(4));
    EXPECT_TRUE(w.ShowsFreshPaint());
}

TEST(GridResizeToFit, EscEndsTheRunAndWhatWasResizedStaysOneUndoStep)
{
    HideGrid w;
    CGXLongOperationSettings* p = GXGetLongOperationSettings();
    const DWORD dwFirst = p->m_dwTicksFirstTime, dwNext = p->m_dwTicksContinued;
    const BOOL bConfirm = p->m_bConfirmAbort;
    p->m_dwTicksFirstTime = p->m_dwTicksContinued = 0;
    p->m_bConfirmAbort = FALSE;
    for (ROWCOL c = 1; c <= 4; c++)
        w.g.SetValueRange(CGXCellRange(3, c), "ein langer Text, der nicht passt");
    w.g.GetParam()->ClearUndoList();
    const int nOld = w.g.GetColWidth(1);
    w.g.UpdateWindow();
    // Esc comes while column 3 is measured, at a row that is never painted.
    w.g.nEscRow = 30;
    w.g.nEscCol = 3;
    bool bThrown = false;
    try
    {
        w.g.ResizeColWidthsToFit(CGXCellRange().SetCols(1, 4));
    }
    catch (CUserException* e)
    {
        bThrown = true;
        e->Delete();
    }
    p->m_dwTicksFirstTime = dwFirst;
    p->m_dwTicksContinued = dwNext;
    p->m_bConfirmAbort = bConfirm;
    EXPECT_TRUE(bThrown);
    EXPECT_GT(w.g.GetColWidth(1), nOld);
    EXPECT_GT(w.g.GetColWidth(2), nOld);
    EXPECT_EQ(nOld, w.g.GetColWidth(3));
    EXPECT_EQ(nOld, w.g.GetColWidth(4));
    // Closed behind it: the transaction, the long operation.
    EXPECT_EQ(0, w.g.GetParam()->m_nTransactionLevel);
    EXPECT_EQ(0, p->m_nOperationLevel);
    EXPECT_EQ(1, w.g.GetParam()->GetUndoList().GetCount());
    EXPECT_TRUE(w.ShowsFreshPaint());
    PressKey('Z', true);
    EXPECT_EQ(nOld, w.g.GetColWidth(1));
    EXPECT_EQ(nOld, w.g.GetColWidth(2));
    EXPECT_TRUE(w.ShowsFreshPaint());
}
