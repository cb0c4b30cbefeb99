// Direct copy and move of cells under a command factory: each is one undo step that puts back
// what the destination held, runs inside the factory's bracket, and records nothing when
// rolling back or with undo switched off.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/GridComponents.h"
#include "grid/core/GridParam.h"
#include "grid/core/Style.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace
{
// A command of the factory below: runs itself back with the given command type.
class FakeCmd : public CObject
{
  public:
    virtual void Run(CGXGridCore& g, int ctCmd) = 0;
};

class StyleRangeCmd : public FakeCmd
{
  public:
    StyleRangeCmd(const CGXCellRange& range, int nType, CObArray* pStyles)
        : m_range(range), m_nType(nType), m_pStyles(pStyles)
    {
    }
    ~StyleRangeCmd() override
    {
        for (INT_PTR i = 0; i < m_pStyles->GetSize(); i++)
            delete m_pStyles->GetAt(i);
        delete m_pStyles;
    }
    void Run(CGXGridCore& g, int ctCmd) override
    {
        g.SetStyleRange(m_range, NULL, gxCopy, m_nType, m_pStyles, GX_UPDATENOW, ctCmd);
    }
    CGXCellRange m_range;
    int m_nType;
    CObArray* m_pStyles;
};

class MoveCellsCmd : public FakeCmd
{
  public:
    MoveCellsCmd(const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol, CObject* pInfo)
        : m_range(range), m_nToRow(nToRow), m_nToCol(nToCol), m_pInfo(pInfo)
    {
    }
    ~MoveCellsCmd() override
    {
        delete m_pInfo;
    }
    // The cells stand at the destination: they go back, and the information goes with them.
    void Run(CGXGridCore& g, int ctCmd) override
    {
        CGXCellRange moved(m_nToRow, m_nToCol, m_nToRow + m_range.bottom - m_range.top,
                           m_nToCol + m_range.right - m_range.left);
        CObject* pInfo = m_pInfo;
        m_pInfo = NULL;
        g.MoveCells(moved, m_range.top, m_range.left, pInfo, GX_UPDATENOW, ctCmd);
    }
    CGXCellRange m_range;
    ROWCOL m_nToRow, m_nToCol;
    CObject* m_pInfo;
};

// Undo and redo lists, transactions and bracket calls as the grid hands them over.
class FakeCommandFactory : public CGXAbstractCommandFactory
{
  public:
    ~FakeCommandFactory() override
    {
        Clear();
    }
    void Clear()
    {
        for (auto* l : {&undo, &redo})
        {
            for (CObject* p : *l)
                delete p;
            l->clear();
        }
        trans.clear();
        bracket.clear();
    }
    CObject* CreateSetStyleRangeCmd(CGXGridCore*, const CGXCellRange& range, int nType, CObArray* pOld) override
    {
        return new StyleRangeCmd(range, nType, pOld);
    }
    CObject* CreateMoveCellsCmd(CGXGridCore*, const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol,
                                CObject* pInfo) override
    {
        return new MoveCellsCmd(range, nToRow, nToCol, pInfo);
    }
    void AddCommand(CGXGridCore*, CObject* pCmd, int ctCmd) override
    {
        (ctCmd == gxUndo ? redo : undo).push_back(pCmd);
    }
    BOOL Undo(CGXGridCore* pGrid) override
    {
        return RunLast(*pGrid, undo, gxUndo);
    }
    BOOL Redo(CGXGridCore* pGrid) override
    {
        return RunLast(*pGrid, redo, gxRedo);
    }
    void BeginTrans(CGXGridCore*, LPCTSTR pszName) override
    {
        trans.push_back(std::string("begin ") + pszName);
    }
    void CommitTrans(CGXGridCore*) override
    {
        trans.push_back("commit");
    }
    void Rollback(CGXGridCore*) override
    {
        trans.push_back("rollback");
    }
    BOOL SetAdvancedUndoRecording(CGXGridCore*, BOOL bRecord) override
    {
        bracket.push_back(bRecord);
        BOOL bOld = bRecording;
        bRecording = bRecord;
        return bOld;
    }
    std::vector<CObject*> undo, redo;
    std::vector<std::string> trans;
    std::vector<BOOL> bracket;
    BOOL bRecording = FALSE;

  private:
    BOOL RunLast(CGXGridCore& g, std::vector<CObject*>& list, int ctCmd)
    {
        if (list.empty())
            return FALSE;
        std::unique_ptr<CObject> cmd(list.back());
        list.pop_back();
        ((FakeCmd*)cmd.get())->Run(g, ctCmd);
        return TRUE;
    }
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
    const std::string before = "ab.|cdy|..x";
    ASSERT_EQ(before, w.Block(3, 3));
    // Onto itself in part: (1,1)-(2,2) to (2,2) overwrites y and x.
    ASSERT_TRUE(w.g.MoveCells(CGXCellRange(1, 1, 2, 2), 2, 2));
    const std::string after = "...|.ab|.cd";
    EXPECT_EQ(after, w.Block(3, 3));
    EXPECT_EQ(1u, f.undo.size());
    EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE}), f.bracket);
    EXPECT_TRUE(w.g.Undo());
    EXPECT_EQ(before, w.Block(3, 3));
    EXPECT_TRUE(f.undo.empty());
    EXPECT_EQ(1u, f.redo.size());
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
    ASSERT_TRUE(w.g.CopyCells(CGXCellRange(1, 1, 1, 2), 3, 1));
    EXPECT_EQ("ab|..|ab", w.Block(3, 2));
    EXPECT_EQ((std::vector<std::string>{"begin Kopieren", "commit"}), f.trans);
    EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE}), f.bracket);
    ASSERT_EQ(1u, f.undo.size());
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
        f.Clear();
        w.g.GetParam()->SetUndoEnabled(c.bUndoEnabled);
        ASSERT_TRUE(w.g.MoveCells(CGXCellRange(nTo - 1, 1), nTo, 1, NULL, GX_UPDATENOW, c.ctCmd));
        EXPECT_EQ(CString("a"), w.g.GetStoredValueText(nTo, 1));
        EXPECT_TRUE(f.undo.empty());
        EXPECT_TRUE(f.redo.empty());
        EXPECT_TRUE(f.bracket.empty());
        nTo++;
    }
    w.g.GetParam()->SetUndoEnabled(TRUE);
    w.g.m_pUndoImp = NULL;
}
