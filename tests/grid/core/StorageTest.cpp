// Style storage and composition: what a cell is drawn with, undo records through a fake command
// factory, hints through a fake hint component, and the question before too large a change.
#include "GridTestApp.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/features/CommandFactory.h"
#include "grid/core/LongOperation.h"
#include "grid/core/PluginComponent.h"
#include "Dialog.h"
#include "GridIds.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// Records what the engine hands to the command factory.
class FakeCommandFactory : public CGXCommandFactory
{
  public:
    CObject* CreateSetStyleRangeCmd(const CGXCellRange& range, int nType, CObArray* pOld) override
    {
        log.push_back("range " + std::to_string(range.top) + "," + std::to_string(range.left) + " type " +
                      std::to_string(nType));
        return CGXCommandFactory::CreateSetStyleRangeCmd(range, nType, pOld);
    }
    void AddCommand(CGXGridCore* pGrid, CObject* pCmd, int ctCmd) override
    {
        log.push_back("add " + std::to_string(ctCmd));
        CGXCommandFactory::AddCommand(pGrid, pCmd, ctCmd);
    }
    void ShowCommandCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL) override
    {
        log.push_back("move " + std::to_string(nRow) + "," + std::to_string(nCol));
        pGrid->SetCurrentCell(nRow, nCol, GX_NOREDRAW);
    }
    std::vector<std::string> log;
};

class FakeHints : public CGXAbstractGridUpdateHintImp
{
  public:
    void HintStyleRange(CGXGridCore*, const CGXCellRange&, const CGXStyle*, int, int, UINT) override
    {
        nStyleRange++;
    }
    int nStyleRange = 0;
};

struct StoreGrid : GridWindow
{
    CGXGridCore& g;
    FakeCommandFactory* pUndo = new FakeCommandFactory;
    FakeHints* pHints = new FakeHints;
    StoreGrid() : GridWindow(300, 200), g(*grid)
    {
        g.m_pUndoImp = pUndo;
        g.AddOwnedImp(pUndo);
        g.m_pUpdateHintImp = pHints;
        g.AddOwnedImp(pHints);
        g.SetHintsEnabled(TRUE);
        g.OnGridInitialUpdate();
        g.SetRowCount(40, GX_NOREDRAW);
        g.SetColCount(30, GX_NOREDRAW);
        grid->UpdateWindow();
        pUndo->log.clear();
    }
};
} // namespace

TEST(GridStorage, CompositionTable)
{
    StoreGrid w;
    CGXGridCore& g = w.g;
    g.SetStyleRange(CGXCellRange().SetRows(2, 2), &CGXStyle().SetTextColor(RGB(1, 1, 1)).SetValue("zeile"),
                    gxOverride, 0, NULL, GX_NOREDRAW);
    g.SetStyleRange(CGXCellRange().SetRows(20, 20), &CGXStyle().SetValue("r20"), gxOverride, 0, NULL,
                    GX_NOREDRAW);
    g.SetStyleRange(CGXCellRange().SetCols(3, 3),
                    &CGXStyle().SetTextColor(RGB(2, 2, 2)).SetHorizontalAlignment(DT_RIGHT), gxOverride, 0,
                    NULL, GX_NOREDRAW);
    g.SetStyleRange(CGXCellRange().SetTable(), &CGXStyle().SetMaxLength(7), gxOverride, 0, NULL, GX_NOREDRAW);
    g.SetStyleRange(CGXCellRange(2, 3), &CGXStyle().SetValue("zelle"), gxOverride, 0, NULL, GX_NOREDRAW);
    struct Case
    {
        ROWCOL row, col;
        const char* value;
        COLORREF text; // (0xFFFFFFFF: the standard black)
        DWORD align;
        WORD maxLength;
        WORD control;
    } cases[] = {
        {2, 3, "zelle", RGB(1, 1, 1), DT_RIGHT, 7, 0}, // cell over row over column over table
        {2, 5, "zeile", RGB(1, 1, 1), DT_LEFT, 7, 0},
        {4, 3, "", RGB(2, 2, 2), DT_RIGHT, 7, 0},
        // Headers: letters and numbers; the row style of row 0 and the column style of column 0
        // share the table's slot (0, 0), so the table style reaches them, not cell (0, 0).
        {0, 28, "AB", 0xFFFFFFFF, DT_CENTER, 7, GX_IDS_CTRL_HEADER},
        {0, 3, "C", 0xFFFFFFFF, DT_CENTER, 7, GX_IDS_CTRL_HEADER}, // column styles stop at the header
        {12, 0, "12", 0xFFFFFFFF, DT_LEFT, 7, GX_IDS_CTRL_HEADER},
        {0, 0, "", 0xFFFFFFFF, DT_CENTER, 0, GX_IDS_CTRL_HEADER},
        {20, 0, "20", 0xFFFFFFFF, DT_LEFT, 7, GX_IDS_CTRL_HEADER}, // row styles stop at the row header
        {20, 7, "r20", 0xFFFFFFFF, DT_LEFT, 7, 0},
    };
    for (const Case& c : cases)
    {
        CGXStyle s;
        g.ComposeStyleRowCol(c.row, c.col, &s, TRUE);
        EXPECT_EQ(CString(c.value), s.GetValue()) << c.row << "," << c.col;
        if (c.text != 0xFFFFFFFF)
        {
            EXPECT_EQ(c.text, s.GetTextColor()) << c.row << "," << c.col;
        }
        EXPECT_EQ(c.align, s.GetHorizontalAlignment()) << c.row << "," << c.col;
        EXPECT_EQ(c.maxLength, s.GetInclude(CGXStyle::ibMaxLength) ? s.GetMaxLength() : 0)
            << c.row << "," << c.col;
        EXPECT_EQ(c.control ? c.control : g.GetDefaultBaseStyle().GetControl(), s.GetControl());
    }
    struct Letters
    {
        ROWCOL col;
        const char* text;
    } letters[] = {{1, "A"},   {26, "Z"},  {27, "AA"},  {28, "AB"},
                   {52, "AZ"}, {53, "BA"}, {702, "ZZ"}, {703, "AAA"}};
    for (const Letters& l : letters)
        EXPECT_EQ(CString(l.text), CGXGridCore::GetColumnLetters(l.col)) << l.col;

    // Negative numbers in the colour of attribute 52797; zero not.
    CGXStyle neg;
    neg.SetNegativeNumberColor(RGB(255, 0, 0));
    g.SetStyleRange(CGXCellRange(5, 5, 6, 5), &neg, gxOverride, 0, NULL, GX_NOREDRAW);
    g.SetValueRange(CGXCellRange(5, 5), "-1.5", gxOverride, 0, GX_NOREDRAW);
    g.SetValueRange(CGXCellRange(6, 5), "0", gxOverride, 0, GX_NOREDRAW);
    CGXStyle s5, s6;
    g.ComposeStyleRowCol(5, 5, &s5);
    g.ComposeStyleRowCol(6, 5, &s6);
    EXPECT_EQ(RGB(255, 0, 0), s5.GetTextColor());
    EXPECT_NE(RGB(255, 0, 0), s6.GetTextColor());
}

TEST(GridStorage, EqualStyleChangesNothing)
{
    StoreGrid w;
    CGXGridCore& g = w.g;
    EXPECT_TRUE(g.SetValueRange(CGXCellRange(3, 3, 4, 4), "x", gxOverride, 0, GX_INVALIDATE));
    EXPECT_EQ(2u, w.pUndo->log.size()); // range and add
    EXPECT_EQ(1, w.pHints->nStyleRange);
    w.grid->UpdateWindow();
    w.pUndo->log.clear();
    EXPECT_FALSE(g.SetValueRange(CGXCellRange(3, 3, 4, 4), "x", gxOverride, 0, GX_INVALIDATE));
    EXPECT_TRUE(w.pUndo->log.empty());
    EXPECT_EQ(1, w.pHints->nStyleRange);
    CRect rectUpdate;
    EXPECT_FALSE(w.grid->GetUpdateRect(&rectUpdate));
}

TEST(GridStorage, UndoAndRedoMoveTheCurrentCell)
{
    StoreGrid w;
    for (int ctCmd : {gxUndo, gxRedo})
    {
        w.pUndo->log.clear();
        w.g.SetCurrentCell(1, 1, GX_NOREDRAW);
        CString s;
        s.Format("v%d", ctCmd);
        EXPECT_TRUE(w.g.SetStyleRange(CGXCellRange(7, 8, 9, 9), &CGXStyle().SetValue(s), gxOverride, 0, NULL,
                                      GX_NOREDRAW, ctCmd));
        ROWCOL r, c;
        EXPECT_TRUE(w.g.GetCurrentCell(r, c));
        EXPECT_EQ(7u, r);
        EXPECT_EQ(8u, c);
        EXPECT_EQ("add " + std::to_string(ctCmd), w.pUndo->log[1]);
    }
}

TEST(GridStorage, HugeRangeAsksFirst)
{
    StoreGrid w;
    w.g.SetRowCount(40000, GX_NOREDRAW);
    w.pUndo->log.clear();
    testing_support::MessageBoxes boxes;
    boxes.Expect(IDCANCEL, "Operation kann nicht r");
    EXPECT_FALSE(w.g.SetValueRange(CGXCellRange(1, 1, 40000, 1), "x", gxOverride, 0, GX_NOREDRAW));
    EXPECT_EQ(0u, boxes.Pending());
    EXPECT_EQ(CString(""), w.g.GetStoredValueText(1, 1));
    EXPECT_TRUE(w.pUndo->log.empty());
    // OK stores without an undo record.
    boxes.Expect(IDOK);
    EXPECT_TRUE(w.g.SetValueRange(CGXCellRange(1, 1, 40000, 1), "x", gxOverride, 0, GX_NOREDRAW));
    EXPECT_EQ(CString("x"), w.g.GetStoredValueText(40000, 1));
    EXPECT_TRUE(w.pUndo->log.empty());
}

TEST(GridStorage, LongOperationDepthWithoutComponent)
{
    CGXLongOperationSettings* p = GXGetLongOperationSettings();
    int nDepth = p->m_nOperationLevel;
    {
        CGXLongOperation a;
        EXPECT_EQ(nDepth + 1, p->m_nOperationLevel);
        {
            CGXLongOperation b;
            EXPECT_EQ(nDepth + 2, p->m_nOperationLevel);
            BOOL bAbort = TRUE;
            EXPECT_FALSE(b.DoMessages(bAbort));
            EXPECT_FALSE(bAbort);
            EXPECT_FALSE(b.NeedMessages());
        }
    }
    EXPECT_EQ(nDepth, p->m_nOperationLevel);
    HCURSOR hCursor = ::GetCursor();
    StoreGrid w;
    w.g.SetValueRange(CGXCellRange(1, 1, 20, 20), "y", gxOverride, 0, GX_NOREDRAW);
    EXPECT_EQ(nDepth, p->m_nOperationLevel);
    EXPECT_EQ(hCursor, ::GetCursor());
}

namespace
{
// A plug-in that takes the auto-scroll timer.
class TimerPlugin : public CGXPluginComponent
{
  public:
    void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent == 992)
        {
            nSeen++;
            m_bExitMesssage = TRUE;
        }
    }
    int nSeen = 0;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TimerPlugin, CGXPluginComponent)
ON_WM_TIMER()
END_MESSAGE_MAP()

// A grid window that counts the timer messages reaching its own handling.
class CountingGrid : public CGXGridWnd
{
  public:
    BOOL OnGridTimer(UINT_PTR nIDEvent) override
    {
        nSeen += nIDEvent == 992;
        nAll++;
        return FALSE;
    }
    int nSeen = 0;
    int nAll = 0;
};
} // namespace

TEST(GridPlugins, PluginKeepsTimerFromGrid)
{
    EnsureGridLibrary();
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), _T("Plug"), WS_POPUP, CRect(0, 0, 100, 100), NULL, 0);
    CountingGrid grid;
    TimerPlugin* pPlugin = new TimerPlugin;
    grid.AddPlugin(pPlugin);
    grid.Create(WS_VISIBLE, CRect(0, 0, 100, 100), &parent, 1);
    grid.OnGridInitialUpdate();
    grid.SendMessage(WM_TIMER, 992, 0);
    EXPECT_EQ(1, pPlugin->nSeen);
    EXPECT_EQ(0, grid.nSeen);
    grid.SendMessage(WM_TIMER, 5, 0);
    EXPECT_EQ(1, grid.nAll); // other timers go on
    grid.DestroyWindow();
    EXPECT_TRUE(::IsWindow(parent.GetSafeHwnd()));
    parent.DestroyWindow();
}

TEST(GridWindow, MadeFromDialogTemplate)
{
    EnsureGridLibrary();
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_GRIDDLG, NULL));
    CWnd* pWnd = dlg.GetDlgItem(IDC_TEST_GRID);
    ASSERT_NE(nullptr, pWnd);
    CGXGridWnd* pGrid = (CGXGridWnd*)CWnd::FromHandlePermanent(pWnd->GetSafeHwnd());
    ASSERT_NE(nullptr, pGrid);
    ASSERT_TRUE(pGrid->IsKindOf(RUNTIME_CLASS(CGXGridWnd)));
    EXPECT_TRUE(CGXGridWnd::IsClassCreated(pGrid));
    pGrid->OnGridInitialUpdate();
    pGrid->SetRowCount(5, GX_NOREDRAW);
    pGrid->SetColCount(3, GX_NOREDRAW);
    pGrid->Invalidate();
    pGrid->UpdateWindow();
    Pixels px = CaptureClient(pGrid);
    CRect c = pGrid->CalcCellRect(0, 1);
    EXPECT_EQ(ToRGB(::GetSysColor(COLOR_BTNFACE)), px.At(c.left + 2, c.top + 2));
    dlg.DestroyWindow();
    EXPECT_FALSE(CGXGridWnd::IsClassCreated(pGrid)); // deleted with the dialog
}

TEST(GridWindow, UninitialisedPaintValidatesTheWindow)
{
    EnsureGridLibrary();
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), _T("Leer"), WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), NULL,
                    0);
    CGXGridWnd grid;
    grid.Create(WS_VISIBLE, CRect(0, 0, 100, 100), &parent, 1);
    testing_support::MessageBoxes boxes;
    boxes.Expect(IDOK);
    grid.Invalidate();
    grid.UpdateWindow(); // throws inside; reported once
    CRect rect;
    EXPECT_FALSE(grid.GetUpdateRect(&rect));
    testing_support::PumpMessages(50);
    EXPECT_EQ(1u, boxes.Shown().size());
    grid.DestroyWindow();
    parent.DestroyWindow();
}

namespace
{
class FakeFrame : public CGXAbstractGridExcelLikeFrameImp
{
  public:
    BOOL ShowFrame(CGXGridCore*, BOOL bHide, BOOL bRedraw) override
    {
        calls.push_back(std::to_string(bHide) + std::to_string(bRedraw));
        BOOL bOld = bHidden;
        bHidden = bHide;
        return bOld;
    }
    BOOL bHidden = FALSE;
    std::vector<std::string> calls;
};
} // namespace

TEST(GridForwarders, FrameHiddenDuringStructureChanges)
{
    StoreGrid w;
    FakeFrame* pFrame = new FakeFrame;
    w.g.m_pExcelLikeFrameImp = pFrame;
    w.g.AddOwnedImp(pFrame);
    EXPECT_TRUE(w.g.InsertRows(2, 1, NULL, NULL, NULL, 0, GX_NOREDRAW));
    EXPECT_EQ((std::vector<std::string>{"11", "01"}), pFrame->calls);
    EXPECT_FALSE(pFrame->bHidden);
    // Without components the forwarders answer 0.
    CGXGridCore bare;
    EXPECT_FALSE(bare.ShowExcelFrame(TRUE, TRUE));
    EXPECT_FALSE(bare.Undo());
    EXPECT_FALSE(bare.SearchNext(TRUE));
    EXPECT_FALSE(bare.IsRowHidden(3));
    bare.m_pUserResizeCellsImp = NULL; // still owned and released by the grid
    EXPECT_FALSE(bare.CanUserResizeCol(1));
}

TEST(GridForwarders, FindSettingsWorkingCopy)
{
    CGXFindReplaceSettings* p = GXGetFindReplaceSettings();
    p->m_strFind = "Abc";
    p->m_bMatchCase = FALSE;
    p->PrepareSearchText();
    EXPECT_EQ(CString("ABC"), p->m_strFindUpper);
    p->m_bMatchCase = TRUE;
    p->PrepareSearchText();
    EXPECT_EQ(CString("Abc"), p->m_strFindUpper);
}
