// What the engine hands to the optional per-grid components of printing, optimised updates,
// header marking and spanned cells, and what it does without them.
#include "GridTestApp.h"
#include "PrintInfo.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
struct ComponentGrid : GridWindow
{
    CGXGridCore& g;
    ComponentGrid() : GridWindow(400, 300), g(*grid)
    {
        g.OnGridInitialUpdate();
        g.SetRowCount(20, GX_NOREDRAW);
        g.SetColCount(10, GX_NOREDRAW);
        grid->UpdateWindow();
    }
};

// Every component records its calls as text in one log.
std::vector<std::string> g_log;

std::string Args(std::initializer_list<long long> values)
{
    std::string s;
    for (long long v : values)
        s += (s.empty() ? "" : ",") + std::to_string(v);
    return s;
}

class FakeOptimizedUpdate : public CGXAbstractGridOptimizedUpdateImp
{
  public:
    void UpdateAfterInsertRows(CGXGridCore* pGrid, ROWCOL* pFirst, ROWCOL* pCount, UINT* pMode) override
    {
        Log(pGrid, "insert rows", *pFirst, *pCount, NULL, *pMode);
    }
    void UpdateAfterInsertCols(CGXGridCore* pGrid, ROWCOL* pFirst, ROWCOL* pCount, UINT* pMode) override
    {
        Log(pGrid, "insert cols", *pFirst, *pCount, NULL, *pMode);
    }
    void UpdateAfterRemoveRows(CGXGridCore* pGrid, ROWCOL* pFirst, ROWCOL* pLast, int* anOld,
                               UINT mode) override
    {
        Log(pGrid, "remove rows", *pFirst, *pLast, anOld, mode);
    }
    void UpdateAfterRemoveCols(CGXGridCore* pGrid, ROWCOL* pFirst, ROWCOL* pLast, int* anOld,
                               UINT* pMode) override
    {
        Log(pGrid, "remove cols", *pFirst, *pLast, anOld, *pMode);
    }
    void UpdateAfterRowHeights(CGXGridCore* pGrid, ROWCOL* pFirst, ROWCOL* pLast, int* anOld,
                               UINT* pMode) override
    {
        Log(pGrid, "rows", *pFirst, *pLast, anOld, *pMode);
    }
    void UpdateAfterColWidths(CGXGridCore* pGrid, ROWCOL* pFirst, ROWCOL* pLast, int* anOld,
                              UINT* pMode) override
    {
        Log(pGrid, "cols", *pFirst, *pLast, anOld, *pMode);
    }

  private:
    // Notes whether the scroll bars were locked during the call.
    static void Log(CGXGridCore* pGrid, const char* pszWhat, ROWCOL n1, ROWCOL n2, int* anOld, UINT mode)
    {
        g_log.push_back(std::string(pszWhat) + " " + Args({n1, n2, anOld != NULL ? anOld[0] : -1, mode}) +
                        (pGrid->m_bLockScrollbars ? " locked" : ""));
    }
};

class FakeMarkEditHeader : public CGXAbstractGridMarkEditHeaderImp
{
  public:
    void MarkEditHeader(CGXGridCore*, ROWCOL nRow, ROWCOL nCol, int nKind, UINT) override
    {
        g_log.push_back("mark " + Args({nRow, nCol, nKind}));
    }
};

class FakePrint : public CGXAbstractGridPrintImp
{
  public:
    void OnGridBeginPrinting(CGXGridCore*, CDC* pDC, CPrintInfo*) override
    {
        g_log.push_back(pDC != NULL ? "begin dc" : "begin");
    }
    void OnGridPrint(CGXGridCore*, CDC*, CPrintInfo* pInfo) override
    {
        g_log.push_back(pInfo != NULL ? "print info" : "print");
    }
    void OnGridEndPrinting(CGXGridCore*, CDC*, CPrintInfo*) override
    {
        g_log.push_back("end");
    }
};

// Merges (3, 2)-(3, 5) and floats (8, 1)-(8, 4); records the invalidated ranges.
class FakeMerge : public CGXAbstractGridMergeCellsImp
{
  public:
    void InvalidateMergedCells(CGXGridCore*, const CGXCellRange& r, ROWCOL nRowLimit,
                               ROWCOL nColLimit) override
    {
        g_log.push_back("merge " + Args({r.top, r.left, r.bottom, r.right, (int)nRowLimit, (int)nColLimit}));
    }
    CGXCellRange* GetMergedRangeAt(CGXGridCore*, ROWCOL nRow, ROWCOL nCol, CGXCellRange& range, int) override
    {
        if (nRow != 3 || nCol < 2 || nCol > 5)
            return NULL;
        range.SetCells(3, 2, 3, 5);
        return &range;
    }
};

class FakeFloat : public CGXAbstractGridFloatCellsImp
{
  public:
    void InvalidateFloatedCells(CGXGridCore*, const CGXCellRange& r, ROWCOL) override
    {
        g_log.push_back("float " + Args({r.top, r.left, r.bottom, r.right}));
    }
    CGXCellRange* GetFloatedRangeAt(CGXGridCore*, ROWCOL nRow, ROWCOL nCol, CGXCellRange& range) override
    {
        if (nRow != 8 || nCol > 4)
            return NULL;
        range.SetCells(8, 1, 8, 4);
        return &range;
    }
};
} // namespace

TEST(GridComponents, OptimizedUpdateRedrawsChangedSizes)
{
    ComponentGrid w;
    // Without the component a size change redraws everything.
    w.g.m_pOptimizedUpdateImp = NULL; // the factory's stays owned by the grid
    w.grid->ValidateRect(NULL);
    int nOld = w.g.GetRowHeight(4);
    EXPECT_TRUE(w.g.SetRowHeight(4, 5, 40, NULL, GX_INVALIDATE));
    CRect rectUpdate, rectClient;
    w.grid->GetClientRect(&rectClient);
    ASSERT_TRUE(w.grid->GetUpdateRect(&rectUpdate));
    EXPECT_EQ(rectClient, rectUpdate);

    FakeOptimizedUpdate update;
    w.g.m_pOptimizedUpdateImp = &update;
    g_log.clear();
    w.grid->ValidateRect(NULL);
    EXPECT_TRUE(w.g.SetRowHeight(6, 7, 33, NULL, GX_INVALIDATE));
    int nOldWidth = w.g.GetColWidth(2);
    EXPECT_TRUE(w.g.SetColWidth(2, 2, 90, NULL, GX_UPDATENOW));
    // It redraws instead of the engine, with the old sizes.
    EXPECT_EQ((std::vector<std::string>{"rows " + Args({6, 7, nOld, GX_INVALIDATE}),
                                        "cols " + Args({2, 2, nOldWidth, GX_UPDATENOW})}),
              g_log);
    EXPECT_FALSE(w.grid->GetUpdateRect(&rectUpdate));

    // Rows and columns that come and go, with the scroll bars locked meanwhile.
    g_log.clear();
    // A removal recorded for undo hands over the removed sizes too.
    EXPECT_TRUE(w.g.InsertRows(3, 2, NULL, NULL, NULL, 0, GX_INVALIDATE));
    int nRemovedHeight = w.g.GetRowHeight(4);
    EXPECT_TRUE(w.g.RemoveRows(4, 5, GX_INVALIDATE));
    EXPECT_TRUE(w.g.InsertCols(2, 1, NULL, NULL, NULL, 0, GX_INVALIDATE));
    int nRemovedWidth = w.g.GetColWidth(2);
    EXPECT_TRUE(w.g.RemoveCols(2, 2, GX_INVALIDATE));
    EXPECT_EQ((std::vector<std::string>{"insert rows 3,2,-1,1 locked",
                                        "remove rows " + Args({4, 5, nRemovedHeight, 1}) + " locked",
                                        "insert cols 2,1,-1,1 locked",
                                        "remove cols " + Args({2, 2, nRemovedWidth, 1}) + " locked"}),
              g_log);
    EXPECT_FALSE(w.g.m_bLockScrollbars);
    EXPECT_FALSE(w.grid->GetUpdateRect(&rectUpdate));
    // Not while redrawing is locked.
    g_log.clear();
    w.g.GetParam()->m_bRedrawLocked = TRUE;
    EXPECT_TRUE(w.g.SetRowHeight(6, 6, 20, NULL, GX_INVALIDATE));
    w.g.GetParam()->m_bRedrawLocked = FALSE;
    EXPECT_TRUE(g_log.empty());
    w.g.m_pOptimizedUpdateImp = NULL;
}

TEST(GridComponents, CurrentCellChangesReachTheHeaderMarking)
{
    ComponentGrid w;
    FakeMarkEditHeader mark;
    w.g.m_pMarkEditHeaderImp = &mark;
    g_log.clear();
    EXPECT_TRUE(w.g.ChangeCurrentCell(2, 3, 0));
    EXPECT_TRUE(w.g.ChangeCurrentCell(2, 5, 0));
    w.g.m_pMarkEditHeaderImp = NULL;
    // The first cell; then, moving along the row, the new one as "same row".
    ASSERT_GE(g_log.size(), 2u);
    EXPECT_EQ("mark 2,3,0", g_log.front());
    EXPECT_EQ("mark 2,5,1", g_log.back());
}

TEST(GridComponents, PrintingStepsGoToThePrintComponent)
{
    ComponentGrid w;
    CGXGridCore bare; // without it nothing happens
    bare.OnGridBeginPrinting(NULL, NULL);
    bare.OnGridPrint(NULL, NULL);
    bare.OnGridEndPrinting(NULL, NULL);

    FakePrint print;
    w.g.m_pPrintImp = &print;
    g_log.clear();
    CClientDC dc(w.grid.get());
    CPrintInfo info;
    w.g.OnGridBeginPrinting(&dc, &info);
    w.g.OnGridPrint(&dc, &info);
    w.g.OnGridEndPrinting(&dc, &info);
    w.g.m_pPrintImp = NULL;
    EXPECT_EQ((std::vector<std::string>{"begin dc", "print info", "end"}), g_log);
}

TEST(GridComponents, SpansComeFromMergeThenFloatComponents)
{
    ComponentGrid w;
    CGXCellRange range;
    EXPECT_FALSE(w.g.GetCellSpanRange(3, 3, range));
    FakeMerge merge;
    FakeFloat floats;
    w.g.m_pMergeCellsImp = &merge;
    w.g.m_pFloatCellsImp = &floats;
    struct Case
    {
        ROWCOL row, col;
        bool spanned;
        CGXCellRange span;
    } cases[] = {{3, 3, true, CGXCellRange(3, 2, 3, 5)},
                 {3, 6, false, CGXCellRange()},
                 {8, 2, true, CGXCellRange(8, 1, 8, 4)},
                 {8, 5, false, CGXCellRange()}};
    for (const Case& c : cases)
    {
        CGXCellRange r(c.row, c.col);
        EXPECT_EQ(c.spanned, w.g.GetCellSpanRange(c.row, c.col, r) != FALSE) << c.row << "," << c.col;
        if (c.spanned)
        {
            EXPECT_EQ(c.span, r);
        }
    }
    // A spanned cell's rectangle is its span's.
    EXPECT_EQ(w.g.CalcRangeClientRect(CGXCellRange(3, 2, 3, 5)), w.g.CalcCellRect(3, 4));

    // A change of a style range re-evaluates merges and floats there.
    g_log.clear();
    w.g.SetValueRange(CGXCellRange(5, 5, 6, 6), "x", gxOverride, 0, GX_NOREDRAW);
    std::vector<std::string> expected = {"float 5,5,6,6", "merge 5,5,6,6,-1,-1"};
    EXPECT_EQ(expected, g_log);
    w.g.m_pMergeCellsImp = NULL;
    w.g.m_pFloatCellsImp = NULL;
}
