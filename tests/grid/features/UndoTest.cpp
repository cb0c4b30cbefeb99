// Undo and redo through the grid's command factory: each undoable change comes back with Undo
// and goes again with Redo, the lists keep their limits, transactions group their commands, and
// the menu items name the action.
#include "FeatureTestApp.h"
#include "grid/core/Control.h"
#include "grid/core/GridParam.h"
#include "grid/core/LongOperation.h"
#include "grid/core/Properties.h"
#include "grid/core/StylesMap.h"
#include "grid/features/BlockCmd.h"
#include "grid/features/MoveCellsCmd.h"
#include "GridIds.h"
#include "TestSupport.h"
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace
{
// A menu item's update: the text goes into the menu, the state is noted.
class MenuCmdUI : public CCmdUI
{
  public:
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    BOOL m_bEnabled = TRUE;
};

struct UndoGrid : GridWindow
{
    CGXGridCore& g;
    CGXGridParam* p;
    UndoGrid() : GridWindow(400, 300), g(*grid), p(grid->GetParam())
    {
        g.SetRowCount(10, GX_NOREDRAW);
        g.SetColCount(6, GX_NOREDRAW);
        for (ROWCOL r = 1; r <= 10; r++)
            for (ROWCOL c = 1; c <= 6; c++)
                g.SetValueRange(CGXCellRange(r, c), (std::to_string(r) + "/" + std::to_string(c)).c_str());
        p->ClearUndoList();
        p->ClearRedoList();
        grid->UpdateWindow();
    }
    // What the tests compare: counts, sizes, frozen rows, texts and text colours of every cell.
    std::string State()
    {
        std::string s = std::to_string(g.GetRowCount()) + "x" + std::to_string(g.GetColCount()) + " f" +
                        std::to_string(g.GetFrozenRows()) + " d" + std::to_string(g.GetDefaultRowHeight()) +
                        "," + std::to_string(g.GetDefaultColWidth()) + ";";
        for (ROWCOL r = 0; r <= g.GetRowCount(); r++)
            s += std::to_string(g.GetRowHeight(r)) + " ";
        for (ROWCOL c = 0; c <= g.GetColCount(); c++)
            s += std::to_string(g.GetColWidth(c)) + " ";
        for (ROWCOL r = 1; r <= g.GetRowCount(); r++)
            for (ROWCOL c = 1; c <= g.GetColCount(); c++)
            {
                CGXStyle style;
                g.ComposeStyleRowCol(r, c, &style);
                s +=
                    std::string("|") + (LPCTSTR)style.GetValue() + ":" + std::to_string(style.GetTextColor());
            }
        CGXStyle base = g.GetDefaultBaseStyle();
        s += " base" + std::to_string(base.GetTextColor());
        return s;
    }
    // Pixels equal to a fresh paint of the grid's state.
    void ExpectFreshPaint()
    {
        EXPECT_TRUE(ShowsFreshPaint());
    }
    CString UndoText()
    {
        return MenuText(ID_EDIT_UNDO, TRUE);
    }
    CString MenuText(UINT nID, BOOL bUndo, BOOL* pEnabled = NULL)
    {
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, nID, bUndo ? "&Undo %1\tStrg+Z" : "&Redo %1\tStrg+R");
        MenuCmdUI ui;
        ui.m_nID = nID;
        ui.m_nIndex = 0;
        ui.m_pMenu = &menu;
        BOOL bEnabled = bUndo ? g.OnUpdateEditUndo(&ui) : g.OnUpdateEditRedo(&ui);
        if (pEnabled != NULL)
            *pEnabled = bEnabled;
        EXPECT_EQ(bEnabled, ui.m_bEnabled);
        char sz[256] = "";
        menu.GetMenuString(0, sz, 255, MF_BYPOSITION);
        return sz;
    }
};
} // namespace

TEST(GridUndo, EveryChangeComesBackWithUndoAndGoesAgainWithRedo)
{
    struct Case
    {
        const char* name;
        const char* menuName;
        std::function<BOOL(CGXGridCore&)> change;
        BOOL bShows = TRUE; // the change shows in the compared state
        std::function<void(CGXGridCore&)> prepare = nullptr;
    };
    const Case cases[] = {
        {"heights",
         "Zeilenh\xf6"
         "he \xe4"
         "ndern",
         [](CGXGridCore& g) { return g.SetRowHeight(2, 3, 40); }},
        {"widths",
         "Spaltenbreite \xe4"
         "ndern",
         [](CGXGridCore& g) { return g.SetColWidth(1, 2, 120); }},
        {"default height",
         "Standardh\xf6"
         "he \xe4"
         "ndern",
         [](CGXGridCore& g) { return g.SetDefaultRowHeight(30); }},
        {"default width",
         "Standardbreite \xe4"
         "ndern",
         [](CGXGridCore& g) { return g.SetDefaultColWidth(70); }},
        {"inserted rows",
         "Zeilen einf\xfc"
         "gen",
         [](CGXGridCore& g) { return g.InsertRows(2, 2); }},
        {"inserted columns",
         "Spalten einf\xfc"
         "gen",
         [](CGXGridCore& g) { return g.InsertCols(3, 1); }},
        {"removed rows",
         "Zeilen l\xf6"
         "schen ...",
         [](CGXGridCore& g) { return g.RemoveRows(3, 5); }, TRUE,
         [](CGXGridCore& g) {
             // Styles and heights of the removed rows come back.
             g.SetStyleRange(CGXCellRange(4, 2), CGXStyle().SetTextColor(RGB(200, 0, 0)));
             g.SetStyleRange(CGXCellRange().SetRows(5, 5), CGXStyle().SetTextColor(RGB(0, 200, 0)));
             g.SetRowHeight(4, 4, 44);
         }},
        {"removed columns",
         "Spalten l\xf6"
         "schen...",
         [](CGXGridCore& g) { return g.RemoveCols(2, 3); }},
        {"typed value", "Zellen", [](CGXGridCore& g) { return g.SetValueRange(CGXCellRange(2, 2), "neu"); }},
        {"frozen rows", "Zeilen einfrieren", [](CGXGridCore& g) { return g.SetFrozenRows(2); }},
        {"styles map",
         "\xc4"
         "nderungen Stil-Tabelle",
         [](CGXGridCore& g) {
             CGXStylesMap map(*g.GetParam()->GetStylesMap());
             return g.SetStylesMap(map);
         },
         FALSE},
        {"properties", "Allgemeine Eigenschaften",
         [](CGXGridCore& g) {
             CGXProperties props(*g.GetParam()->GetProperties());
             return g.SetProperties(props);
         },
         FALSE},
        {"base style", "",
         [](CGXGridCore& g) { return g.ChangeDefaultBaseStyle(CGXStyle().SetTextColor(RGB(0, 0, 200))); }},
        {"direct move", "Verschieben",
         [](CGXGridCore& g) { return g.MoveCells(CGXCellRange(1, 1, 2, 2), 2, 2); }},
        {"sort order", "Zeilen sortieren",
         [](CGXGridCore& g) {
             CDWordArray order;
             for (DWORD d : {2, 0, 1})
                 order.Add(d);
             return g.ApplyRowOrder(CGXCellRange(1, 1, 3, 6), &order);
         }},
        {"moved rows", "Zeilen verschieben", [](CGXGridCore& g) { return g.MoveRows(2, 3, 6); }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        UndoGrid w;
        if (c.prepare)
        {
            c.prepare(w.g);
            w.p->ClearUndoList();
        }
        std::string before = w.State();
        ASSERT_TRUE(c.change(w.g));
        std::string after = w.State();
        if (c.bShows)
        {
            EXPECT_NE(before, after);
        }
        EXPECT_EQ(1, w.p->GetUndoList().GetCount());
        if (*c.menuName != 0)
        {
            EXPECT_STREQ(CString("&Undo ") + c.menuName + "\tStrg+Z", w.UndoText());
        }
        ASSERT_TRUE(w.g.Undo());
        EXPECT_EQ(before, w.State());
        w.ExpectFreshPaint();
        EXPECT_EQ(0, w.p->GetUndoList().GetCount());
        EXPECT_EQ(1, w.p->GetRedoList().GetCount());
        ASSERT_TRUE(w.g.Redo());
        EXPECT_EQ(after, w.State());
        w.ExpectFreshPaint();
        ASSERT_TRUE(w.g.Undo());
        EXPECT_EQ(before, w.State());
    }
}

TEST(GridUndo, TheListsKeepTheirLimitAndANewChangeEmptiesTheRedoList)
{
    UndoGrid w;
    for (int i = 0; i < 600; i++)
        w.g.SetRowHeight(1, 1, 20 + i % 7, NULL, GX_NOREDRAW);
    EXPECT_EQ(513, w.p->GetUndoList().GetCount());
    ASSERT_TRUE(w.g.Undo());
    EXPECT_EQ(1, w.p->GetRedoList().GetCount());
    w.g.SetColWidth(1, 1, 50, NULL, GX_NOREDRAW);
    EXPECT_EQ(0, w.p->GetRedoList().GetCount());
    // An empty redo list: disabled, the format with an empty name.
    BOOL bEnabled = TRUE;
    EXPECT_STREQ("&Redo \tStrg+R", w.MenuText(ID_EDIT_REDO, FALSE, &bEnabled));
    EXPECT_FALSE(bEnabled);
}

TEST(GridUndo, TransactionsGroupTheirCommands)
{
    UndoGrid w;
    std::string before = w.State();
    // Nothing recorded: no empty block stays.
    w.g.BeginTrans("leer");
    w.g.CommitTrans();
    EXPECT_EQ(0, w.p->GetUndoList().GetCount());
    // Nested: only the outermost commit acts; one undo takes both back.
    w.g.BeginTrans("au\xdf"
                   "en");
    w.g.SetRowHeight(2, 2, 33);
    w.g.BeginTrans("innen");
    w.g.SetColWidth(2, 2, 77);
    w.g.CommitTrans();
    EXPECT_EQ(1, w.p->m_nTransactionLevel);
    w.g.CommitTrans();
    ASSERT_EQ(1, w.p->GetUndoList().GetCount());
    EXPECT_STREQ("&Undo au\xdf"
                 "en\tStrg+Z",
                 w.UndoText());
    ASSERT_TRUE(w.g.Undo());
    EXPECT_EQ(before, w.State());
    EXPECT_EQ(1, w.p->GetRedoList().GetCount());
    ASSERT_TRUE(w.g.Redo());
    EXPECT_EQ(33, w.g.GetRowHeight(2));
    EXPECT_EQ(77, w.g.GetColWidth(2));
    // A rollback takes the changes back and leaves nothing in the redo list.
    w.p->ClearUndoList();
    w.p->ClearRedoList();
    std::string beforeRollback = w.State();
    w.g.BeginTrans("zur\xfc"
                   "ck");
    w.g.SetValueRange(CGXCellRange(1, 1), "weg");
    w.g.Rollback();
    EXPECT_EQ(beforeRollback, w.State());
    EXPECT_EQ(0, w.p->GetUndoList().GetCount());
    EXPECT_EQ(0, w.p->GetRedoList().GetCount());
}

TEST(GridUndo, ATransactionClosedWithUndoOffLeavesNoStaleBlock)
{
    UndoGrid w;
    w.g.BeginTrans("ein");
    w.p->SetUndoEnabled(FALSE);
    w.g.SetRowHeight(2, 2, 33);
    w.g.CommitTrans();
    EXPECT_EQ(0, w.p->m_nTransactionLevel);
    w.p->SetUndoEnabled(TRUE);
    // Opened with undo off, closed with it on: the lists stay as they are.
    w.g.BeginTrans("aus");
    w.g.CommitTrans();
    w.p->ClearUndoList();
    w.p->SetUndoEnabled(FALSE);
    w.g.BeginTrans("aus");
    w.p->SetUndoEnabled(TRUE);
    w.g.SetColWidth(3, 3, 66);
    w.g.CommitTrans();
    EXPECT_EQ(0, w.p->m_nTransactionLevel);
    // Later commands are commands of their own, not part of a block.
    w.g.SetColWidth(4, 4, 67);
    ASSERT_EQ(2, w.p->GetUndoList().GetCount());
    EXPECT_FALSE(w.p->GetUndoList().GetHead()->IsKindOf(RUNTIME_CLASS(CGXBlockCmd)));
    EXPECT_FALSE(w.p->GetUndoList().GetTail()->IsKindOf(RUNTIME_CLASS(CGXBlockCmd)));
}

TEST(GridUndo, AFailingCommandStaysForAnotherTry)
{
    UndoGrid w;
    ASSERT_TRUE(w.g.MoveCells(CGXCellRange(1, 1, 2, 2), 2, 2));
    CGXMoveCellsCmd* pCmd = (CGXMoveCellsCmd*)w.p->GetUndoList().GetHead();
    ASSERT_NE(nullptr, pCmd->m_pUndoInfo);
    // Read-only refuses the move back: the command and what it overwrote stay.
    w.g.SetReadOnly(TRUE);
    EXPECT_FALSE(w.g.Undo());
    EXPECT_EQ(1, w.p->GetUndoList().GetCount());
    EXPECT_EQ(pCmd, w.p->GetUndoList().GetHead());
    EXPECT_NE(nullptr, pCmd->m_pUndoInfo);
    w.g.SetReadOnly(FALSE);
    ASSERT_TRUE(w.g.Undo());
    EXPECT_STREQ("2/2", w.g.GetStoredValueText(2, 2));
    EXPECT_STREQ("3/3", w.g.GetStoredValueText(3, 3));
}

TEST(GridUndo, AnAbortInsideABlockLeavesTheGridDrawingAndProtected)
{
    UndoGrid w;
    w.g.BeginTrans("zwei");
    w.g.SetRowHeight(2, 2, 33);
    w.g.SetRowHeight(3, 3, 34);
    w.g.CommitTrans();
    // The block's first command aborts as a long operation does.
    class AbortingCmd : public CGXCommand
    {
      public:
        BOOL Execute(CGXGridCore*, int) override
        {
            AfxThrowUserException();
        }
        LPCTSTR GetName() override
        {
            return "x";
        }
    };
    CGXBlockCmd* pBlock = (CGXBlockCmd*)w.p->GetUndoList().GetHead();
    pBlock->m_CmdList.AddHead(new AbortingCmd);
    BOOL bThrown = FALSE;
    try
    {
        w.g.Undo();
    }
    catch (CException* e)
    {
        bThrown = TRUE;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_FALSE(w.p->m_bRedrawLocked);
    EXPECT_FALSE(w.g.m_bBlockCmd);
    EXPECT_TRUE(w.p->m_bProtectReadOnly);
    EXPECT_EQ(1, w.p->GetUndoList().GetCount());
    EXPECT_EQ(0, w.p->GetRedoList().GetCount());
}

TEST(GridUndo, RemovingTooManyRowsAsksFirst)
{
    UndoGrid w;
    w.g.SetRowCount(40000, GX_NOREDRAW);
    w.p->ClearUndoList();
    testing_support::MessageBoxes boxes;
    boxes.Expect(IDCANCEL, "Operation kann nicht r");
    EXPECT_FALSE(w.g.RemoveRows(1, 40000, GX_NOREDRAW));
    EXPECT_EQ(40000u, w.g.GetRowCount());
    boxes.Expect(IDOK, "Operation kann nicht r");
    EXPECT_TRUE(w.g.RemoveRows(1, 40000, GX_NOREDRAW));
    EXPECT_EQ(0u, w.g.GetRowCount());
    EXPECT_EQ(0u, boxes.Pending());
    EXPECT_EQ(0, w.p->GetUndoList().GetCount());
}

TEST(GridUndo, WithoutFactoryNothingIsRecordedAndTheItemsAreDisabled)
{
    UndoGrid w;
    w.g.m_pUndoImp = NULL;
    EXPECT_TRUE(w.g.SetRowHeight(2, 2, 33));
    EXPECT_EQ(0, w.p->GetUndoList().GetCount());
    EXPECT_FALSE(w.g.Undo());
    BOOL bEnabled = TRUE;
    w.MenuText(ID_EDIT_UNDO, TRUE, &bEnabled);
    EXPECT_FALSE(bEnabled);
}

TEST(GridUndo, APendingCellEditIsUndoneFirstAndLeavesTheLists)
{
    UndoGrid w;
    w.g.SetRowHeight(2, 2, 33);
    ASSERT_TRUE(w.g.SetCurrentCell(3, 3));
    w.grid->SetFocus();
    w.grid->SendMessage(WM_CHAR, 'x', 1);
    CGXControl* pControl = w.g.GetControl(3, 3);
    ASSERT_TRUE(pControl->IsActive());
    ASSERT_TRUE(pControl->GetModify());
    EXPECT_STREQ("&Undo Zelleingabe\tStrg+Z", w.UndoText());
    ASSERT_TRUE(w.g.Undo());
    CString strText;
    pControl->GetCurrentText(strText);
    EXPECT_STREQ("3/3", strText);
    EXPECT_STREQ("3/3", w.g.GetStoredValueText(3, 3));
    EXPECT_EQ(1, w.p->GetUndoList().GetCount());
    EXPECT_EQ(0, w.p->GetRedoList().GetCount());
    EXPECT_EQ(33, w.g.GetRowHeight(2));
}
