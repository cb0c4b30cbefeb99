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
    ROWCOL Along(ROWCOL nRow, ROWCOL nCol) const
    {
        return bRows ? nRow : nCol;
    }
    CGXCellRange Lines(ROWCOL nFirst, ROWCOL nLast) const
    {
        CGXCellRange range;
        return bRows ? range.SetRows(nFirst, nLast) : range.SetCols(nFirst, nLast);
    }
    ROWCOL Header(CGXGridCore& g) const
    {
        return bRows ? g.GetHeaderRows() : g.GetHeaderCols();
    }
    ROWCOL ToClient(CGXGridCore& g, ROWCOL n) const
    {
        return bRows ? g.RowToClientRow(n) : g.ColToClientCol(n);
    }
    ROWCOL FromClient(CGXGridCore& g, ROWCOL n) const
    {
        return bRows ? g.ClientRowToRow(n) : g.ClientColToCol(n);
    }
    BOOL InFrozen(CGXGridCore& g, ROWCOL n) const
    {
        return bRows ? g.IsInFrozenRows(n) : g.IsInFrozenCols(n);
    }
    int DefaultSize(CGXGridCore& g) const
    {
        return bRows ? g.GetDefaultRowHeight() : g.GetDefaultColWidth();
    }
    BOOL SetDefaultSize(CGXGridCore& g, int nSize) const
    {
        return bRows ? g.SetDefaultRowHeight(nSize) : g.SetDefaultColWidth(nSize);
    }
    BOOL StoreSize(CGXGridCore& g, ROWCOL n, int nSize) const
    {
        return bRows ? g.StoreRowHeight(n, nSize) : g.StoreColWidth(n, nSize);
    }
    int Sum(CGXGridCore& g, ROWCOL nFirst, ROWCOL nLast, int nMax) const
    {
        return bRows ? g.SumRowHeights(nFirst, nLast, nMax) : g.SumColWidths(nFirst, nLast, nMax);
    }
    int ClientStart(CGXGridCore& g, ROWCOL nClient) const
    {
        return bRows ? g.CalcClientRowTop(nClient) : g.CalcClientColLeft(nClient);
    }
    ROWCOL LastVisible(CGXGridCore& g, BOOL* pbPartial) const
    {
        return bRows ? g.GetBottomVisibleRow(pbPartial) : g.GetRightVisibleCol(pbPartial);
    }
    CRect RectAfter(CGXGridCore& g, ROWCOL n) const
    {
        return bRows ? g.CalcRectBelowRow(n) : g.CalcRectRightOfCol(n);
    }
    ROWCOL ClientFrom(CGXGridCore& g, int pos, int* pnEdge) const
    {
        return bRows ? g.ClientRowFromY(pos, pnEdge) : g.ClientColFromX(pos, pnEdge);
    }
    // The rectangle's start and end along the axis, then across it.
    std::string Edges(const CRect& r) const
    {
        return bRows ? Text(r.top, r.bottom, r.left, r.right) : Text(r.left, r.right, r.top, r.bottom);
    }
    CPoint Point(int along, int across) const
    {
        return bRows ? CPoint(across, along) : CPoint(along, across);
    }
    // A hit code in along/across terms: a boundary of this axis, or of the one across.
    std::string Hit(int nHit) const
    {
        switch (nHit)
        {
        case GX_HORZLINE:
            return bRows ? "line" : "line across";
        case GX_VERTLINE:
            return bRows ? "line across" : "line";
        case GX_HORZLINE_PREVROW:
            return bRows ? "hidden line" : "hidden line across";
        case GX_VERTLINE_PREVCOL:
            return bRows ? "hidden line across" : "hidden line";
        case GX_CELLHIT:
            return "cell";
        case GX_HEADERHIT:
            return "header";
        default:
            return std::to_string(nHit);
        }
    }
    static std::string Text(long a, long b, long c, long d)
    {
        return std::to_string(a) + "-" + std::to_string(b) + " " + std::to_string(c) + "-" +
               std::to_string(d);
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
    AxisGrid(const Axis& axis, int cx = 420, int cy = 300) : GridWindow(cx, cy), g(*grid), a(axis)
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

// Sizes, the client mapping, rectangles and hit-testing answer the same along either axis: a
// square grid and its transposed twin, with the same header size both ways.
TEST(GridStructureAxes, RowsAndColumnsMeasureAndHitTheSameWay)
{
    using Probe = std::function<std::string(CGXGridCore&, const Axis&)>;
    auto n = [](long v) { return std::to_string(v); };
    struct Case
    {
        const char* what;
        Probe probe;
        const char* expected; // along the axis
    };
    const Case cases[] = {
        {"header and frozen",
         [&](CGXGridCore& g, const Axis& a) {
             a.SetFrozen(g, 2);
             return n(a.Header(g)) + " " + n(a.InFrozen(g, 0)) + n(a.InFrozen(g, 2)) + n(a.InFrozen(g, 3));
         },
         "2 010"},
        {"client mapping",
         [&](CGXGridCore& g, const Axis& a) {
             a.SetFrozen(g, 2);
             a.SetFirstShown(g, 5);
             std::string s;
             for (ROWCOL i : {1, 2, 3, 5, 6})
                 s += n(a.ToClient(g, i)) + " ";
             for (ROWCOL c = 0; c <= 4; c++)
                 s += n(a.FromClient(g, c)) + " ";
             return s;
         },
         "1 2 0 3 4 0 1 2 5 6 "},
        {"default and stored sizes",
         [&](CGXGridCore& g, const Axis& a) {
             a.SetDefaultSize(g, 27);
             std::string s = n(a.DefaultSize(g)) + " " + n(a.Size(g, 3)) + " ";
             a.StoreSize(g, 3, -1);
             s += n(a.Size(g, 3)) + " ";
             a.StoreSize(g, 3, 31);
             return s + n(a.Size(g, 3)) + " " + n(a.SetDefaultSize(g, 0));
         },
         "27 23 27 31 0"},
        {"limited to the window",
         [&](CGXGridCore& g, const Axis& a) {
             a.SetFrozen(g, 1);
             g.m_bLimitToWindow = TRUE;
             a.StoreSize(g, 1, 40);
             a.StoreSize(g, 4, 500);
             return n(a.Size(g, 1)) + " " + n(a.Size(g, 4));
         },
         "40 255"},
        {"sums and client starts",
         [&](CGXGridCore& g, const Axis& a) {
             return n(a.Sum(g, 0, 4, 0)) + " " + n(a.Sum(g, 1, 10, 50)) + " " + n(a.ClientStart(g, 3)) + " " +
                    n(a.Sum(g, 6, 8, 0));
         },
         "115 66 68 54"},
        {"last visible",
         [&](CGXGridCore& g, const Axis& a) {
             a.SetSize(g, 1, 10, 60);
             BOOL bPartial = FALSE;
             std::string s = n(a.LastVisible(g, &bPartial));
             s += n(bPartial) + " ";
             a.SetFirstShown(g, 6);
             s += n(a.LastVisible(g, &bPartial));
             return s + n(bPartial);
         },
         "51 100"},
        {"a cell scrolled into view",
         [&](CGXGridCore& g, const Axis& a) {
             a.SetSize(g, 1, 10, 60);
             g.ScrollCellInView(a.Row(9, 1), a.Col(9, 1), GX_INVALIDATE);
             std::string s = n(a.FirstShown(g)) + " ";
             g.ScrollCellInView(a.Row(2, 1), a.Col(2, 1), GX_INVALIDATE);
             return s + n(a.FirstShown(g));
         },
         "5 2"},
        {"rectangle after",
         [&](CGXGridCore& g, const Axis& a) { return a.Edges(a.RectAfter(g, 3)).substr(0, 6); }, "91-320"},
        {"range rectangles",
         [&](CGXGridCore& g, const Axis& a) {
             return a.Edges(g.CalcRangeClientRect(a.Lines(3, 4))) + " " +
                    a.Edges(g.CalcRangeClientRect(
                        CGXCellRange(a.Row(6, 2), a.Col(6, 2), a.Row(8, 3), a.Col(8, 3)))) +
                    " " + n(g.CalcRangeClientRect(a.Lines(7, 7)).IsRectEmpty());
         },
         "68-115 0-101 140-194 44-82 1"},
        {"client index from a position",
         [&](CGXGridCore& g, const Axis& a) {
             int nEdge = -1;
             std::string s = std::to_string(a.ClientFrom(g, 70, &nEdge));
             s += "@" + n(nEdge) + " ";
             s += std::to_string(a.ClientFrom(g, 310, &nEdge));
             return s + "@" + n(nEdge);
         },
         "3@68 4294967295@253"},
        {"hit-testing",
         [&](CGXGridCore& g, const Axis& a) {
             std::string s;
             // Boundaries on the header across (index 0), then inside a data cell.
             for (int along : {91, 95, 96, 169, 167, 100})
             {
                 ROWCOL nRow = 0, nCol = 0;
                 int nHit = g.HitTest(a.Point(along, along == 100 ? 50 : 10), &nRow, &nCol);
                 s += a.Hit(nHit) + ":" + n(a.Along(nRow, nCol)) + " ";
             }
             ROWCOL nRow = 0, nCol = 0;
             g.HitTest(a.Point(300, 50), &nRow, &nCol);
             return s + n(a.Along(nRow, nCol));
         },
         "line:3 line:3 header:4 hidden line:7 line:6 cell:4 11"},
    };
    for (const Case& c : cases)
    {
        AxisGrid rows(rowAxis, 320, 320), cols(colAxis, 320, 320);
        for (AxisGrid* w : {&rows, &cols})
        {
            w->g.SetRowHeight(0, 0, 25, NULL, GX_NOREDRAW);
            w->g.SetColWidth(0, 0, 25, NULL, GX_NOREDRAW);
            w->g.RedrawAll(GX_UPDATENOW, FALSE);
        }
        std::string shown = c.probe(rows.g, rowAxis);
        EXPECT_EQ(c.expected, shown) << c.what;
        EXPECT_EQ(shown, c.probe(cols.g, colAxis)) << c.what;
    }
}
