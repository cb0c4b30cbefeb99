// Sizes, hit codes and cursors, structure changes and the structure lock.
#include "GridTestApp.h"
#include "TestSupport.h"
#include <gtest/gtest.h>

namespace
{
struct SizedGrid : GridWindow
{
    CGXGridCore& g;
    SizedGrid() : GridWindow(400, 300), g(*grid)
    {
        g.OnGridInitialUpdate();
        g.SetRowCount(20, GX_NOREDRAW);
        g.SetColCount(10, GX_NOREDRAW);
    }
};
} // namespace

TEST(GridSizes, DefaultsAndConversion)
{
    SizedGrid w;
    int h = w.g.GetCharHeight(), cw = w.g.GetCharWidth();
    EXPECT_EQ(1400 / (1000 / h), w.g.GetRowHeight(0));
    EXPECT_EQ(1200 / (1000 / h), w.g.GetRowHeight(5));
    EXPECT_EQ(6000 / (1000 / cw), w.g.GetColWidth(0));
    EXPECT_EQ(10000 / (1000 / cw), w.g.GetColWidth(3));
    EXPECT_TRUE(w.g.StoreRowHeight(4, 30));
    EXPECT_EQ(30, w.g.GetRowHeight(4));
    EXPECT_TRUE(w.g.StoreRowHeight(4, -1)); // back to the default
    EXPECT_EQ(w.g.GetRowHeight(5), w.g.GetRowHeight(4));
    EXPECT_FALSE(w.g.StoreDefaultRowHeight(0));

    // Metrics above 1000 pixels are clamped instead of dividing by zero.
    struct Case
    {
        LONG stored;
        int metric;
        int pixels;
    } cases[] = {{1200, 15, 18}, {1200, 1, 1}, {1200, 1001, 1200}, {1200, 5000, 1200}, {1200, 0, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(c.pixels, CGXGridCore::StoredToPixels(c.stored, c.metric)) << c.metric;
    EXPECT_EQ(20, CGXGridCore::PixelsToStored(20, 1001)); // 1000 / 1000 per pixel
}

TEST(GridSizes, HitCodesAtOffsets)
{
    SizedGrid w;
    // Only the grid's own hit-testing: resizing allowed in the headers (flags 0xB2 by default).
    CRect c = w.g.CalcCellRect(0, 3); // a column header
    CRect d = w.g.CalcCellRect(5, 3); // a data cell
    CRect r = w.g.CalcCellRect(5, 0); // a row header
    struct Case
    {
        CPoint pt;
        int hit;
        ROWCOL row, col;
    } cases[] = {
        {CPoint(c.right + 4, c.top + 5), GX_VERTLINE, 0, 3}, // 4 pixels right of the right edge
        {CPoint(c.right - 4, c.top + 5), GX_VERTLINE, 0, 3},
        {CPoint(c.right - 5, c.top + 5), GX_HEADERHIT, 0, 3}, // 5 pixels: not a boundary
        {CPoint(c.left + 4, c.top + 5), GX_VERTLINE, 0, 2},   // the previous column's boundary
        {CPoint(r.left + 5, r.bottom - 2), GX_HORZLINE, 5, 0},
        {CPoint(r.left + 5, r.bottom - 6), GX_HEADERHIT, 5, 0},
        {CPoint(d.left + 10, d.top + 5), GX_CELLHIT, 5, 3},
        {CPoint(-5, -5), GX_HEADERHIT, 0, 0}, // clamped to (0, 0)
        {CPoint(5000, 10), GX_NOHIT, 0, 0},
    };
    for (const Case& k : cases)
    {
        ROWCOL nRow = 99, nCol = 99;
        int hit = w.g.HitTest(k.pt, &nRow, &nCol);
        EXPECT_EQ(k.hit, hit) << k.pt.x << "," << k.pt.y;
        if (hit != GX_NOHIT)
        {
            EXPECT_EQ(k.row, nRow) << k.pt.x << "," << k.pt.y;
            EXPECT_EQ(k.col, nCol) << k.pt.x << "," << k.pt.y;
        }
    }
    // A hidden (zero-width) column: just right of its boundary is code 7, just left walks back.
    w.g.SetColWidth(4, 4, 0, NULL, GX_NOREDRAW);
    CRect c5 = w.g.CalcCellRect(0, 5);
    ROWCOL nRow, nCol;
    EXPECT_EQ(GX_VERTLINE_PREVCOL, w.g.HitTest(CPoint(c5.left + 3, c5.top + 5), &nRow, &nCol));
    EXPECT_EQ(4u, nCol);
    EXPECT_EQ(GX_VERTLINE, w.g.HitTest(CPoint(c5.left + 1, c5.top + 5), &nRow, &nCol));
    EXPECT_EQ(3u, nCol);
    // Below the last row: one past the count.
    w.g.SetRowCount(3, GX_NOREDRAW);
    CRect last = w.g.CalcCellRect(3, 2);
    w.g.HitTest(CPoint(last.left + 5, last.bottom + 20), &nRow, &nCol);
    EXPECT_EQ(4u, nRow);
}

TEST(GridSizes, CursorFallbacks)
{
    SizedGrid w;
    w.g.SetGridCursor(20190, IDC_SIZEWE);
    EXPECT_EQ(::LoadCursor(NULL, IDC_SIZEWE), ::GetCursor());
    w.g.SetGridCursor(20191, IDC_SIZENS);
    EXPECT_EQ(::LoadCursor(NULL, IDC_SIZENS), ::GetCursor());
    EXPECT_EQ(20191u, w.g.GetLastCursorId());
    // Without the resize component a boundary shows no resize cursor (the grid still owns and
    // releases the one the factory installed).
    w.g.m_pUserResizeCellsImp = NULL;
    CRect c = w.g.CalcCellRect(0, 3);
    w.g.UpdateCursor(CPoint(c.right, c.top + 5));
    EXPECT_EQ(0u, w.g.GetLastCursorId());
    CGXAbstractGridUserResizeCellsImp* pResize = new CGXAbstractGridUserResizeCellsImp;
    w.g.m_pUserResizeCellsImp = pResize;
    w.g.AddOwnedImp(pResize);
    w.g.UpdateCursor(CPoint(c.right, c.top + 5));
    EXPECT_EQ(20190u, w.g.GetLastCursorId());
    EXPECT_EQ(::LoadCursor(NULL, IDC_SIZEWE), ::GetCursor());
    // Column headers when column selection is allowed.
    w.g.UpdateCursor(CPoint(c.left + 10, c.top + 5));
    EXPECT_EQ(20195u, w.g.GetLastCursorId());
    // A forced cursor wins; this one is among the library's resources.
    w.g.SetForcedCursor(20194);
    w.g.UpdateCursor(CPoint(c.left + 10, c.top + 5));
    EXPECT_EQ(20194u, w.g.GetLastCursorId());
    EXPECT_EQ(::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(20194)), ::GetCursor());
    EXPECT_NE(::LoadCursor(NULL, IDC_ARROW), ::GetCursor());
}

TEST(GridStructure, InsertAndRemoveKeepCellsSizesAndRanges)
{
    SizedGrid w;
    w.g.SetCurrentCell(7, 2, GX_NOREDRAW);
    w.g.StoreRowHeight(6, 40);
    w.g.GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(6, 1, 8, 3));
    w.g.SetValueRange(CGXCellRange(6, 1), "sechs", gxOverride, 0, GX_NOREDRAW);
    ASSERT_TRUE(w.g.InsertRows(5, 3, NULL, NULL, NULL, 0, GX_NOREDRAW));
    ROWCOL r, c;
    EXPECT_TRUE(w.g.GetCurrentCell(r, c));
    EXPECT_EQ(10u, r);
    EXPECT_EQ(40, w.g.GetRowHeight(9));
    EXPECT_EQ(CString("sechs"), w.g.GetStoredValueText(9, 1));
    CGXCellRange* pSel = w.g.GetParam()->m_SelectedRanges.GetHead();
    EXPECT_EQ(CGXCellRange(9, 1, 11, 3), *pSel);
    EXPECT_EQ(23u, w.g.GetRowCount());

    EXPECT_TRUE(w.g.RemoveRows(4, 6, GX_NOREDRAW));
    EXPECT_TRUE(w.g.GetCurrentCell(r, c));
    EXPECT_EQ(7u, r);
    EXPECT_EQ(40, w.g.GetRowHeight(6));
    EXPECT_TRUE(w.g.RemoveRows(6, 8, GX_NOREDRAW)); // the current cell goes
    EXPECT_FALSE(w.g.GetCurrentCell(r, c));
    EXPECT_TRUE(w.g.SetRowCount(w.g.GetRowCount(), GX_NOREDRAW));

    // Columns as their twin.
    w.g.SetCurrentCell(2, 4, GX_NOREDRAW);
    EXPECT_TRUE(w.g.InsertCols(2, 2, NULL, NULL, NULL, 0, GX_NOREDRAW));
    EXPECT_TRUE(w.g.GetCurrentCell(r, c));
    EXPECT_EQ(6u, c);
    EXPECT_EQ(12u, w.g.GetColCount());
}

TEST(GridStructure, LockRefusesStoresOfAReadOnlyGrid)
{
    SizedGrid w;
    w.g.SetReadOnly(TRUE);
    EXPECT_FALSE(w.g.StoreRowCount(30));
    EXPECT_FALSE(w.g.StoreFrozenRows(1, 0));
    EXPECT_FALSE(w.g.StoreInsertRows(1, 1));
    EXPECT_FALSE(w.g.StoreRemoveRows(1, 1));
    EXPECT_FALSE(w.g.InsertRows(1, 1, NULL, NULL, NULL, 0, GX_NOREDRAW));
    EXPECT_EQ(20u, w.g.GetRowCount());
    w.g.GetParam()->m_bLockReadOnly = FALSE;
    EXPECT_TRUE(w.g.StoreRowCount(30));
    w.g.SetReadOnly(FALSE);
    EXPECT_FALSE(w.g.IsInFrozenRows(0));
}
