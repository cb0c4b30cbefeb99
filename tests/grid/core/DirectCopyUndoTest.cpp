// Direct copy and move of cells under a command factory: each is one undo step that puts back
// what the destination held, runs inside the factory's bracket, and records nothing when
// rolling back or with undo switched off.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/GridComponents.h"
#include "grid/features/CommandFactory.h"
#include "grid/core/GridParam.h"
#include "grid/core/Style.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace
{
// The grid's command factory, noting the transactions and the bracket calls it receives.
class FakeCommandFactory : public CGXCommandFactory
{
  public:
    void BeginTransaction(CGXGridCore* pGrid, LPCTSTR pszName) override
    {
        trans.push_back(std::string("begin ") + pszName);
        CGXCommandFactory::BeginTransaction(pGrid, pszName);
    }
    void CommitTransaction(CGXGridCore* pGrid) override
    {
        trans.push_back("commit");
        CGXCommandFactory::CommitTransaction(pGrid);
    }
    void Rollback(CGXGridCore* pGrid) override
    {
        trans.push_back("rollback");
        CGXCommandFactory::Rollback(pGrid);
    }
    BOOL SetAdvancedUndoRecording(CGXGridCore* pGrid, BOOL bRecord) override
    {
        bracket.push_back(bRecord);
        return CGXCommandFactory::SetAdvancedUndoRecording(pGrid, bRecord);
    }
    // Starts afresh: the lists of the grid too.
    void Clear(CGXGridCore& g)
    {
        trans.clear();
        bracket.clear();
        g.GetParam()->ClearUndoList();
        g.GetParam()->ClearRedoList();
    }
    std::vector<std::string> trans;
    std::vector<BOOL> bracket;
};

struct UndoGrid : GridWindow
{
    CGXGridCore& g;
    UndoGrid() : GridWindow(400, 250), g(*grid)
    {
        g.OnGridInitialUpdate();
        g.SetRowCount(8, GX_NOREDRAW);
        g.SetColCount(5, GX_NOREDRAW);
        grid->UpdateWindow();
    }
    // Rows of the block (1,1)-(rows, cols), cells joined by '|', empty cells as '.'.
    std::string Block(ROWCOL nRows, ROWCOL nCols)
    {
        std::string s;
        for (ROWCOL r = 1; r <= nRows; r++)
        {
            for (ROWCOL c = 1; c <= nCols; c++)
            {
                CString v = g.GetStoredValueText(r, c);
                s += v.IsEmpty() ? "." : (LPCTSTR)v;
            }
            s += r < nRows ? "|" : "";
        }
        return s;
    }
};
} // namespace

TEST(GridDirectCopyUndo, MoveIsUndoneAndRedoneByOneStepEach)
{
    FakeCommandFactory f;
    UndoGrid w;
    const char* const values[3][3] = {{"a", "b", ""}, {"c", "d", "y"}, {"", "", "x"}};
    for (ROWCOL r = 0; r < 3; r++)
        for (ROWCOL c = 0; c < 3; c++)
            if (*values[r][c])
                w.g.SetValueRange(CGXCellRange(r + 1, c + 1), values[r][c]);
    w.g.m_pUndoImp = &f;
    f.Clear(w.g);
    const std::string before = "ab.|cdy|..x";
    ASSERT_EQ(before, w.Block(3, 3));
    // Onto itself in part: (1,1)-(2,2) to (2,2) overwrites y and x.
    ASSERT_TRUE(w.g.MoveCells(CGXCellRange(1, 1, 2, 2), 2, 2));
    const std::string after = "...|.ab|.cd";
    EXPECT_EQ(after, w.Block(3, 3));
    EXPECT_EQ(1u, (size_t)w.g.GetParam()->GetUndoList().GetCount());
    EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE}), f.bracket);
    EXPECT_TRUE(w.g.Undo());
    EXPECT_EQ(before, w.Block(3, 3));
    EXPECT_TRUE(w.g.GetParam()->GetUndoList().IsEmpty());
    EXPECT_EQ(1u, (size_t)w.g.GetParam()->GetRedoList().GetCount());
    EXPECT_TRUE(w.g.Redo());
    EXPECT_EQ(after, w.Block(3, 3));
    EXPECT_TRUE(w.g.Undo());
    EXPECT_EQ(before, w.Block(3, 3));
    w.g.m_pUndoImp = NULL;
}

TEST(GridDirectCopyUndo, CopyRecordsWhatTheDestinationHeld)
{
    FakeCommandFactory f;
    UndoGrid w;
    w.g.SetValueRange(CGXCellRange(1, 1), "a");
    w.g.SetValueRange(CGXCellRange(1, 2), "b");
    w.g.SetValueRange(CGXCellRange(3, 1), "z");
    w.g.m_pUndoImp = &f;
    f.Clear(w.g);
    ASSERT_TRUE(w.g.CopyCells(CGXCellRange(1, 1, 1, 2), 3, 1));
    EXPECT_EQ("ab|..|ab", w.Block(3, 2));
    EXPECT_EQ((std::vector<std::string>{"begin Kopieren", "commit"}), f.trans);
    EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE}), f.bracket);
    ASSERT_EQ(1u, (size_t)w.g.GetParam()->GetUndoList().GetCount());
    EXPECT_TRUE(w.g.Undo());
    EXPECT_EQ("ab|..|z.", w.Block(3, 2));
    w.g.m_pUndoImp = NULL;
}

TEST(GridDirectCopyUndo, NothingRecordedWhenRollingBackOrWithUndoOff)
{
    FakeCommandFactory f;
    UndoGrid w;
    w.g.SetValueRange(CGXCellRange(1, 1), "a");
    w.g.m_pUndoImp = &f;
    f.Clear(w.g);
    struct Case
    {
        const char* name;
        BOOL bUndoEnabled;
        int ctCmd;
    } cases[] = {{"rolling back", TRUE, gxRollback}, {"undo off", FALSE, gxDo}};
    ROWCOL nTo = 2;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        f.Clear(w.g);
        w.g.GetParam()->SetUndoEnabled(c.bUndoEnabled);
        ASSERT_TRUE(w.g.MoveCells(CGXCellRange(nTo - 1, 1), nTo, 1, NULL, GX_UPDATENOW, c.ctCmd));
        EXPECT_EQ(CString("a"), w.g.GetStoredValueText(nTo, 1));
        EXPECT_TRUE(w.g.GetParam()->GetUndoList().IsEmpty());
        EXPECT_TRUE(w.g.GetParam()->GetRedoList().IsEmpty());
        EXPECT_TRUE(f.bracket.empty());
        nTo++;
    }
    w.g.GetParam()->SetUndoEnabled(TRUE);
    w.g.m_pUndoImp = NULL;
}
