// Rows and columns share one body for each structure operation: every operation run on the rows
// of one grid and on the columns of its transposed twin leaves the same state, with undo and redo
// too, and the cell array's trailing undo information is applied for both.
#include "FeatureTestApp.h"
#include "grid/core/Data.h"
#include "TestSupport.h"
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// The operations of one direction, so that a case is written once for both.
struct Axis
{
    bool bRows;
    ROWCOL Row(ROWCOL n, ROWCOL o) const
    {
        return bRows ? n : o;
    }
    ROWCOL Col(ROWCOL n, ROWCOL o) const
    {
        return bRows ? o : n;
    }
    ROWCOL Count(CGXGridCore& g) const
    {
        return bRows ? g.GetRowCount() : g.GetColCount();
    }
    ROWCOL Across(CGXGridCore& g) const
    {
        return bRows ? g.GetColCount() : g.GetRowCount();
    }
    int Size(CGXGridCore& g, ROWCOL n) const
    {
        return bRows ? g.GetRowHeight(n) : g.GetColWidth(n);
    }
    BOOL Hidden(CGXGridCore& g, ROWCOL n) const
    {
        return bRows ? g.IsRowHidden(n) : g.IsColHidden(n);
    }
    BOOL SetCount(CGXGridCore& g, ROWCOL n) const
    {
        return bRows ? g.SetRowCount(n) : g.SetColCount(n);
    }
    BOOL SetSize(CGXGridCore& g, ROWCOL nFirst, ROWCOL nLast, int nSize) const
    {
        return bRows ? g.SetRowHeight(nFirst, nLast, nSize) : g.SetColWidth(nFirst, nLast, nSize);
    }
    BOOL Insert(CGXGridCore& g, ROWCOL n, ROWCOL nCount) const
    {
        return bRows ? g.InsertRows(n, nCount) : g.InsertCols(n, nCount);
    }
    BOOL Remove(CGXGridCore& g, ROWCOL nFirst, ROWCOL nLast) const
    {
        return bRows ? g.RemoveRows(nFirst, nLast) : g.RemoveCols(nFirst, nLast);
    }
    BOOL Move(CGXGridCore& g, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) const
    {
        return bRows ? g.MoveRows(nFirst, nLast, nDest) : g.MoveCols(nFirst, nLast, nDest);
    }
    BOOL StoreInsert(CGXGridCore& g, ROWCOL n, ROWCOL nCount) const
    {
        return bRows ? g.StoreInsertRows(n, nCount, FALSE) : g.StoreInsertCols(n, nCount, FALSE);
    }
    BOOL StoreRemove(CGXGridCore& g, ROWCOL nFirst, ROWCOL nLast) const
    {
        return bRows ? g.StoreRemoveRows(nFirst, nLast, FALSE) : g.StoreRemoveCols(nFirst, nLast, FALSE);
    }
    BOOL SetFrozen(CGXGridCore& g, ROWCOL nFrozen) const
    {
        return bRows ? g.SetFrozenRows(nFrozen, nFrozen) : g.SetFrozenCols(nFrozen, nFrozen);
    }
    ROWCOL Frozen(CGXGridCore& g) const
    {
        return bRows ? g.GetFrozenRows() : g.GetFrozenCols();
    }
    void SetFirstShown(CGXGridCore& g, ROWCOL n) const
    {
        bRows ? g.SetTopRow(n, GX_INVALIDATE) : g.SetLeftCol(n, GX_INVALIDATE);
    }
    ROWCOL FirstShown(CGXGridCore& g) const
    {
        return bRows ? g.GetTopRow() : g.GetLeftCol();
    }
    BOOL Hide(CGXGridCore& g, ROWCOL nFirst, ROWCOL nLast, BOOL bHide) const
    {
        return bRows ? g.HideRows(nFirst, nLast, bHide) : g.HideCols(nFirst, nLast, bHide);
    }
};

const Axis rowAxis{true}, colAxis{false};

// A shown grid whose cell at index n along the axis and o across it holds "n/o"; sizes along the
// axis are 20 + n (19 for new ones), index 7 is hidden and the current cell stands at (5, 2) along and
// across.
struct AxisGrid : GridWindow
{
    CGXGridCore& g;
    const Axis& a;
    AxisGrid(const Axis& axis) : GridWindow(420, 300), g(*grid), a(axis)
    {
        g.SetRowCount(a.Row(10, 4), GX_NOREDRAW);
        g.SetColCount(a.Col(10, 4), GX_NOREDRAW);
        // New lines get the default size, the same in both directions.
        g.SetDefaultRowHeight(19, GX_NOREDRAW);
        g.SetDefaultColWidth(19, GX_NOREDRAW);
        for (ROWCOL n = 1; n <= 10; n++)
        {
            for (ROWCOL o = 1; o <= 4; o++)
                g.SetValueRange(CGXCellRange(a.Row(n, o), a.Col(n, o)),
                                (std::to_string(n) + "/" + std::to_string(o)).c_str(), gxOverride, 0,
                                GX_NOREDRAW);
            if (a.bRows)
                g.SetRowHeight(n, n, 20 + (int)n, NULL, GX_NOREDRAW);
            else
                g.SetColWidth(n, n, 20 + (int)n, NULL, GX_NOREDRAW);
        }
        a.Hide(g, 7, 7, TRUE);
        g.SetCurrentCell(a.Row(5, 2), a.Col(5, 2), GX_NOREDRAW);
        g.GetParam()->ClearUndoList();
        g.GetParam()->ClearRedoList();
        g.RedrawAll(GX_UPDATENOW, FALSE);
    }
    // Counts, then per index along the axis its size, hidden mark and cell values, then the
    // current cell, all in along/across terms.
    std::string State()
    {
        std::string s = std::to_string(a.Count(g)) + "x" + std::to_string(a.Across(g)) + " f" +
                        std::to_string(a.Frozen(g)) + " t" + std::to_string(a.FirstShown(g)) + ";";
        for (ROWCOL n = 1; n <= a.Count(g); n++)
        {
            s += std::to_string(a.Size(g, n)) + (a.Hidden(g, n) ? "h" : "") + "[";
            for (ROWCOL o = 1; o <= a.Across(g); o++)
            {
                CGXStyle style;
                g.ComposeStyleRowCol(a.Row(n, o), a.Col(n, o), &style);
                s += std::string((LPCTSTR)style.GetValue()) + " ";
            }
            s += "]";
        }
        ROWCOL nRow = 0, nCol = 0;
        if (g.GetCurrentCell(nRow, nCol))
            s += " cur " + std::to_string(a.Row(nRow, nCol)) + "," + std::to_string(a.Col(nRow, nCol));
        return s;
    }
    // The first values across, index by index along the axis.
    std::string FirstValues()
    {
        std::string s;
        for (ROWCOL n = 1; n <= a.Count(g); n++)
        {
            CGXStyle style;
            g.ComposeStyleRowCol(a.Row(n, 1), a.Col(n, 1), &style);
            s += std::string(style.GetValue().IsEmpty() ? "-" : (LPCTSTR)style.GetValue()) + " ";
        }
        return s;
    }
};

// A data object noting how the engine hands it undo information.
class NotingData : public CGXData
{
  public:
    std::vector<std::pair<CObject*, BOOL>> calls;
    BOOL ApplyUndoInfo(CObject* pInfo, BOOL, BOOL bBefore) override
    {
        calls.emplace_back(pInfo, bBefore);
        return FALSE;
    }
};
} // namespace

TEST(GridStructureAxes, RowsAndColumnsLeaveTheSameStateForEveryOperation)
{
    struct Case
    {
        const char* what;
        std::function<BOOL(CGXGridCore&, const Axis&)> change;
        const char* firstValues; // the first cell of each index along the axis afterwards
        ROWCOL nHidden;          // the hidden index afterwards, 0 for none
        bool bRedrawn = true;    // the operation redraws (store steps do not)
    };
    const Case cases[] = {
        {"insert 2 at 3", [](CGXGridCore& g, const Axis& a) { return a.Insert(g, 3, 2); },
         "1/1 2/1 - - 3/1 4/1 5/1 6/1 7/1 8/1 9/1 10/1 ", 9},
        {"remove 2..4", [](CGXGridCore& g, const Axis& a) { return a.Remove(g, 2, 4); },
         "1/1 5/1 6/1 7/1 8/1 9/1 10/1 ", 4},
        {"move 2..3 to 8", [](CGXGridCore& g, const Axis& a) { return a.Move(g, 2, 3, 8); },
         "1/1 4/1 5/1 6/1 7/1 8/1 9/1 2/1 3/1 10/1 ", 5},
        {"store insert 1 at 1", [](CGXGridCore& g, const Axis& a) { return a.StoreInsert(g, 1, 1); },
         "- 1/1 2/1 3/1 4/1 5/1 6/1 7/1 8/1 9/1 10/1 ", 8, false},
        {"store remove 6..8", [](CGXGridCore& g, const Axis& a) { return a.StoreRemove(g, 6, 8); },
         "1/1 2/1 3/1 4/1 5/1 9/1 10/1 ", 0, false},
        {"hide 2..3",
         [](CGXGridCore& g, const Axis& a) { return a.Hide(g, 2, 3, TRUE) && a.Hide(g, 7, 7, FALSE); },
         "1/1 2/1 3/1 4/1 5/1 6/1 7/1 8/1 9/1 10/1 ", 2},
        {"count 6", [](CGXGridCore& g, const Axis& a) { return a.SetCount(g, 6); },
         "1/1 2/1 3/1 4/1 5/1 6/1 ", 0},
        {"count 12", [](CGXGridCore& g, const Axis& a) { return a.SetCount(g, 12); },
         "1/1 2/1 3/1 4/1 5/1 6/1 7/1 8/1 9/1 10/1 - - ", 7},
        {"sizes 1..3", [](CGXGridCore& g, const Axis& a) { return a.SetSize(g, 1, 3, 33); },
         "1/1 2/1 3/1 4/1 5/1 6/1 7/1 8/1 9/1 10/1 ", 7},
        {"frozen 2", [](CGXGridCore& g, const Axis& a) { return a.SetFrozen(g, 2) && a.Frozen(g) == 2; },
         "1/1 2/1 3/1 4/1 5/1 6/1 7/1 8/1 9/1 10/1 ", 7},
        {"frozen 3, undo",
         [](CGXGridCore& g, const Axis& a) { return a.SetFrozen(g, 3) && g.Undo() && a.Frozen(g) == 0; },
         "1/1 2/1 3/1 4/1 5/1 6/1 7/1 8/1 9/1 10/1 ", 7},
        {"first shown 4",
         [](CGXGridCore& g, const Axis& a) {
             a.SetFirstShown(g, 4);
             return a.FirstShown(g) == 4;
         },
         "1/1 2/1 3/1 4/1 5/1 6/1 7/1 8/1 9/1 10/1 ", 7},
        {"insert, undo", [](CGXGridCore& g, const Axis& a) { return a.Insert(g, 4, 3) && g.Undo(); },
         "1/1 2/1 3/1 4/1 5/1 6/1 7/1 8/1 9/1 10/1 ", 7},
        {"remove, undo", [](CGXGridCore& g, const Axis& a) { return a.Remove(g, 6, 9) && g.Undo(); },
         "1/1 2/1 3/1 4/1 5/1 6/1 7/1 8/1 9/1 10/1 ", 0},
        {"remove, undo, redo",
         [](CGXGridCore& g, const Axis& a) { return a.Remove(g, 1, 2) && g.Undo() && g.Redo(); },
         "3/1 4/1 5/1 6/1 7/1 8/1 9/1 10/1 ", 5},
        {"move, undo", [](CGXGridCore& g, const Axis& a) { return a.Move(g, 6, 8, 1) && g.Undo(); },
         "1/1 2/1 3/1 4/1 5/1 6/1 7/1 8/1 9/1 10/1 ", 7},
        {"hide, undo, redo",
         [](CGXGridCore& g, const Axis& a) { return a.Hide(g, 1, 2, TRUE) && g.Undo() && g.Redo(); },
         "1/1 2/1 3/1 4/1 5/1 6/1 7/1 8/1 9/1 10/1 ", 1},
    };
    for (const Case& c : cases)
    {
        AxisGrid rows(rowAxis), cols(colAxis);
        std::string before = rows.State();
        ASSERT_EQ(before, cols.State()) << c.what;
        ASSERT_TRUE(c.change(rows.g, rowAxis)) << c.what << " (rows)";
        ASSERT_TRUE(c.change(cols.g, colAxis)) << c.what << " (columns)";
        EXPECT_EQ(c.firstValues, rows.FirstValues()) << c.what;
        EXPECT_TRUE(c.nHidden == 0 || rowAxis.Hidden(rows.g, c.nHidden)) << c.what;
        EXPECT_EQ(rows.State(), cols.State()) << c.what;
        if (c.bRedrawn)
        {
            EXPECT_TRUE(rows.ShowsFreshPaint()) << c.what << " (rows)";
            EXPECT_TRUE(cols.ShowsFreshPaint()) << c.what << " (columns)";
        }
    }
}

TEST(GridStructureAxes, TheCellArraysTrailingUndoInformationIsAppliedForRowsAndColumns)
{
    for (const Axis* a : {&rowAxis, &colAxis})
    {
        AxisGrid w(*a);
        NotingData* pData = new NotingData;
        w.g.GetParam()->SetDataObject(pData);
        w.g.SetRowCount(3, GX_NOREDRAW);
        w.g.SetColCount(3, GX_NOREDRAW);
        // Two lines inserted with 4 cells across: 8 cell entries, then the information.
        CObArray* pCells = new CObArray;
        pCells->SetSize(9);
        CObject* pInfo = new CObList;
        pCells->SetAt(8, pInfo);
        BOOL bInserted = a->bRows ? w.g.InsertRows(2, 2, NULL, pCells, NULL, 4, GX_NOREDRAW)
                                  : w.g.InsertCols(2, 2, NULL, pCells, NULL, 4, GX_NOREDRAW);
        EXPECT_TRUE(bInserted) << a->bRows;
        std::vector<std::pair<CObject*, BOOL>> expected{{pInfo, TRUE}, {pInfo, FALSE}};
        EXPECT_EQ(expected, pData->calls) << a->bRows;
        EXPECT_EQ(5u, a->Count(w.g)) << a->bRows;
        CGXGridCore::DeleteObjectArrays(pCells, NULL);
    }
}
