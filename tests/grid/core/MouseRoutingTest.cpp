// The mouse beyond the plain click: a drag held below the grid scrolls until the release, a held
// scroll-bar arrow scrolls until the release, and the drag-select, fill and auxiliary plug-in
// components get the steps that are theirs.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/GridComponents.h"
#include "grid/core/GridParam.h"
#include "grid/core/PluginComponent.h"
#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

namespace
{
// A grid window that keeps the cells its left-button sequence reached.
class RecordingGrid : public CGXGridWnd
{
  public:
    BOOL OnLButtonHitRowCol(ROWCOL nHitRow, ROWCOL nHitCol, ROWCOL nRow, ROWCOL nCol, CPoint pt, UINT nFlags,
                            WORD nHitState) override
    {
        if (nHitState & 0x08)
            nLastMoveRow = nRow;
        return CGXGridWnd::OnLButtonHitRowCol(nHitRow, nHitCol, nRow, nCol, pt, nFlags, nHitState);
    }
    ROWCOL nLastMoveRow = 0;
};

// The library (with its factory, which installs the grid's components) before the grid.
struct LibraryFirst
{
    LibraryFirst()
    {
        EnsureGridLibrary();
    }
};

struct MouseGrid : LibraryFirst
{
    CWnd parent;
    RecordingGrid grid;
    CGXGridCore& g = grid;
    MouseGrid(ROWCOL nRows, DWORD dwStyle = 0)
    {
        parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), _T("Maus"),
                        WS_POPUP | WS_VISIBLE, CRect(40, 40, 340, 260), NULL, 0);
        grid.Create(WS_VISIBLE | dwStyle, CRect(0, 0, 300, 200), &parent, 100);
        ::SetForegroundWindow(parent.GetSafeHwnd());
        if (dwStyle & WS_VSCROLL)
            g.SetScrollBarMode(SB_BOTH, gxnEnabled, FALSE);
        g.OnGridInitialUpdate();
        g.SetRowCount(nRows, GX_NOREDRAW);
        g.SetColCount(4, GX_NOREDRAW);
        // Widths of our own, whatever the font: the four columns fit the 300 px window.
        g.SetColWidth(0, 0, 40, NULL, GX_NOREDRAW);
        g.SetColWidth(1, 4, 60, NULL, GX_NOREDRAW);
        g.UpdateScrollbars(FALSE, FALSE);
        grid.UpdateWindow();
        grid.SetFocus();
        PumpMessages(50);
    }
    ~MouseGrid()
    {
        grid.DestroyWindow();
        parent.DestroyWindow();
    }
    CPoint CellCenter(ROWCOL nRow, ROWCOL nCol)
    {
        CPoint pt = g.CalcCellRect(nRow, nCol).CenterPoint();
        grid.ClientToScreen(&pt);
        return pt;
    }
    CPoint BelowGrid(int dy)
    {
        CRect rect;
        grid.GetWindowRect(&rect);
        return CPoint(rect.left + 60, rect.bottom + dy);
    }
};

// A thread timer that lets the button go while a modal loop (the scroll bar's) holds it.
MouseGrid* s_pHeld = NULL;
ROWCOL s_nTopWhileHeld = 0;
BOOL s_bAutoWhileHeld = FALSE;
int s_nDirWhileHeld = 0;
void CALLBACK ReleaseLater(HWND, UINT, UINT_PTR nId, DWORD)
{
    ::KillTimer(NULL, nId);
    s_nTopWhileHeld = s_pHeld->g.GetTopRow();
    s_bAutoWhileHeld = s_pHeld->g.m_bAutoScroll;
    s_nDirWhileHeld = s_pHeld->g.m_nAutoScrollDirection;
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &in, sizeof(INPUT));
}
} // namespace

TEST(GridMouseRouting, DragBelowTheGridScrollsUntilRelease)
{
    MouseGrid w(500);
    MoveMouseTo(w.CellCenter(2, 2));
    SendLeftButton(true);
    MoveMouseTo(w.BelowGrid(30));
    PumpMessages(1200);
    EXPECT_TRUE(w.g.m_bAutoScroll);
    ROWCOL nTop = w.g.GetTopRow();
    EXPECT_GT(nTop, 5u);
    // The drag followed the rows coming into view.
    EXPECT_GE(w.grid.nLastMoveRow, w.g.GetBottomVisibleRow() - 1);
    SendLeftButton(false);
    PumpMessages(100);
    EXPECT_FALSE(w.g.m_bAutoScroll);
    EXPECT_EQ(NULL, ::GetCapture());
    nTop = w.g.GetTopRow();
    PumpMessages(300);
    EXPECT_EQ(nTop, w.g.GetTopRow());

    // Esc during the drag ends it and the scrolling.
    w.g.SetTopRow(1, GX_UPDATENOW);
    PumpMessages(::GetDoubleClickTime() + 50);
    MoveMouseTo(w.CellCenter(2, 2));
    SendLeftButton(true);
    MoveMouseTo(w.BelowGrid(30));
    PumpMessages(300);
    ASSERT_TRUE(w.g.m_bAutoScroll);
    INPUT esc[2] = {};
    esc[0].type = esc[1].type = INPUT_KEYBOARD;
    esc[0].ki.wVk = esc[1].ki.wVk = VK_ESCAPE;
    esc[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, esc, sizeof(INPUT));
    PumpMessages(100);
    EXPECT_FALSE(w.g.m_bAutoScroll);
    EXPECT_EQ(NULL, ::GetCapture());
    nTop = w.g.GetTopRow();
    PumpMessages(300);
    EXPECT_EQ(nTop, w.g.GetTopRow());
    SendLeftButton(false);

    // A press in the column headers scrolls no rows.
    w.g.SetTopRow(1, GX_UPDATENOW);
    PumpMessages(::GetDoubleClickTime() + 50);
    MoveMouseTo(w.CellCenter(0, 2));
    SendLeftButton(true);
    MoveMouseTo(w.BelowGrid(30));
    PumpMessages(500);
    EXPECT_EQ(1u, w.g.GetTopRow());
    SendLeftButton(false);
}

TEST(GridMouseRouting, HeldScrollArrowScrollsUntilRelease)
{
    MouseGrid w(65535, WS_VSCROLL);
    CRect rect;
    w.grid.GetClientRect(&rect);
    CPoint ptArrow(rect.right + ::GetSystemMetrics(SM_CXVSCROLL) / 2,
                   rect.bottom - ::GetSystemMetrics(SM_CYVSCROLL) / 2);
    w.grid.ClientToScreen(&ptArrow);
    MoveMouseTo(ptArrow);
    s_pHeld = &w;
    s_nTopWhileHeld = 0;
    ::SetTimer(NULL, 0, 1200, ReleaseLater);
    SendLeftButton(true); // the bar's own loop runs until the timer lets go
    PumpMessages(1500);
    EXPECT_TRUE(s_bAutoWhileHeld);
    EXPECT_EQ(GX_DOWN, s_nDirWhileHeld);
    EXPECT_GT(s_nTopWhileHeld, 3u);
    // Released: the run has ended and nothing scrolls any more.
    EXPECT_FALSE(w.g.m_bAutoScroll);
    EXPECT_EQ(-1, w.g.m_nAutoScrollDirection);
    ROWCOL nTop = w.g.GetTopRow();
    EXPECT_GE(nTop, s_nTopWhileHeld);
    PumpMessages(300);
    EXPECT_EQ(nTop, w.g.GetTopRow());
    s_pHeld = NULL;
}

namespace
{
// Takes presses on one cell and the drag that follows.
class FakeDragSelect : public CGXAbstractGridUserDragSelectRangeImp
{
  public:
    BOOL OnStartDragSelection(CGXGridCore* pGrid, CPoint&, UINT&, int&, ROWCOL& nRow, ROWCOL& nCol) override
    {
        if (nRow != 3 || nCol != 3)
            return FALSE;
        bDragging = pGrid->m_bDragSelectInProgress = TRUE;
        pGrid->SetCapture();
        steps.push_back("down");
        return TRUE;
    }
    BOOL OnMoveDragSelection(CGXGridCore*, CPoint&, UINT&) override
    {
        if (bDragging)
            steps.push_back("move");
        return bDragging;
    }
    BOOL OnEndDragSelection(CGXGridCore* pGrid, CPoint&, UINT&) override
    {
        if (!bDragging)
            return FALSE;
        bDragging = pGrid->m_bDragSelectInProgress = FALSE;
        ::ReleaseCapture();
        steps.push_back("up");
        return TRUE;
    }
    BOOL CancelDragSelection(CGXGridCore* pGrid) override
    {
        bDragging = pGrid->m_bDragSelectInProgress = FALSE;
        ::ReleaseCapture();
        steps.push_back("cancel");
        return TRUE;
    }
    BOOL bDragging = FALSE;
    std::vector<std::string> steps;
};

class FakeFill : public CGXAbstractGridExcelLikeFillImp
{
  public:
    void OnStartFill(CGXGridCore*, CPoint&, UINT&, int& nHit, ROWCOL&, ROWCOL&) override
    {
        steps.push_back("down " + std::to_string(nHit));
    }
    BOOL OnMoveFill(CGXGridCore*, CPoint&, UINT&, ROWCOL& nRow, ROWCOL&) override
    {
        steps.push_back("move " + std::to_string(nRow));
        return TRUE;
    }
    void OnEndFill(CGXGridCore*, CPoint&, UINT&) override
    {
        steps.push_back("up");
    }
    void HideFillFrame(CGXGridCore*) override
    {
        steps.push_back("scroll");
    }
    std::vector<std::string> steps;
};

class CountingSelectRange : public CGXAbstractGridUserSelectRangeImp
{
  public:
    BOOL OnMoveSelection(CGXGridCore*, CPoint&, UINT&, ROWCOL&, ROWCOL&) override
    {
        nMoves++;
        return TRUE;
    }
    int nMoves = 0;
};

// Sees the grid's moves and sizes first; takes the moves while told to.
class CountingAuxPlugin : public CGXPluginComponent
{
  public:
    void OnMouseMove(UINT, CPoint)
    {
        nMoves++;
        m_bExitMesssage = bTake;
    }
    void OnSize(UINT, int, int)
    {
        nSizes++;
    }
    BOOL bTake = TRUE;
    int nMoves = 0, nSizes = 0;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CountingAuxPlugin, CGXPluginComponent)
ON_WM_MOUSEMOVE()
ON_WM_SIZE()
END_MESSAGE_MAP()
} // namespace

TEST(GridMouseRouting, DragSelectComponentTakesItsPressMoveAndRelease)
{
    MouseGrid w(20);
    FakeDragSelect* pDrag = new FakeDragSelect;
    w.g.m_pUserDragSelectRangeImp = pDrag;
    w.g.AddOwnedImp(pDrag);
    ASSERT_TRUE(w.g.ChangeCurrentCell(1, 1, 0x0A));
    MoveMouseTo(w.CellCenter(3, 3));
    SendLeftButton(true);
    MoveMouseTo(w.CellCenter(5, 4));
    SendLeftButton(false);
    ASSERT_GE(pDrag->steps.size(), 3u);
    EXPECT_EQ("down", pDrag->steps.front());
    EXPECT_EQ("move", pDrag->steps[1]);
    EXPECT_EQ("up", pDrag->steps.back());
    ROWCOL nRow = 0, nCol = 0;
    w.g.GetCurrentCell(nRow, nCol);
    EXPECT_EQ(1u, nRow); // the engine left the press alone
    EXPECT_EQ(0, w.g.m_nHitState);
    // Cancel mode during its drag ends the drag (a second press, not a double click).
    PumpMessages(::GetDoubleClickTime() + 50);
    MoveMouseTo(w.CellCenter(3, 3));
    SendLeftButton(true);
    w.grid.SendMessage(WM_CANCELMODE);
    EXPECT_EQ("cancel", pDrag->steps.back());
    EXPECT_FALSE(pDrag->bDragging);
    SendLeftButton(false);
    // A press the component declines is the engine's.
    MoveMouseTo(w.CellCenter(2, 2));
    SendLeftButton(true);
    SendLeftButton(false);
    w.g.GetCurrentCell(nRow, nCol);
    EXPECT_EQ(2u, nRow);
    EXPECT_EQ(2u, nCol);
}

TEST(GridMouseRouting, FillHandleDragGoesToTheFillComponent)
{
    MouseGrid w(20);
    FakeFill* pFill = new FakeFill;
    w.g.SetExcelFillImp(pFill, TRUE);
    CountingSelectRange* pSelect = new CountingSelectRange;
    w.g.m_pUserSelectRangeImp = pSelect;
    w.g.AddOwnedImp(pSelect);
    w.g.GetParam()->m_bExcelLikeFill = TRUE;
    w.g.GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(2, 2, 3, 3));
    w.g.RedrawAll(GX_UPDATENOW, FALSE);
    // The fill handle: the point near the selection's bottom-right corner that hits it.
    CRect rect = w.g.CalcCellRect(3, 3);
    CPoint ptHandle(-1, -1);
    for (int y = rect.bottom + 3; y > rect.bottom - 8 && ptHandle.x < 0; y--)
        for (int x = rect.right + 3; x > rect.right - 8 && ptHandle.x < 0; x--)
            if (w.g.HitTest(CPoint(x, y)) == GX_FILLHANDLEHIT)
                ptHandle = CPoint(x, y);
    ASSERT_GE(ptHandle.x, 0);
    w.grid.ClientToScreen(&ptHandle);
    MoveMouseTo(ptHandle);
    SendLeftButton(true);
    MoveMouseTo(w.CellCenter(6, 3));
    SendLeftButton(false);
    ASSERT_GE(pFill->steps.size(), 3u);
    EXPECT_EQ("down 6", pFill->steps.front());
    EXPECT_EQ("move 6", pFill->steps[pFill->steps.size() - 2]);
    EXPECT_EQ("up", pFill->steps.back());
    EXPECT_EQ(0, pSelect->nMoves); // the fill took every move
    // A scroll hides the fill frame only while the handle is dragged (the fill-tracking mark).
    ASSERT_TRUE(w.g.DoScroll(GX_DOWN, 1));
    EXPECT_EQ("up", pFill->steps.back());
    w.g.m_nHitState = 0x200;
    ASSERT_TRUE(w.g.DoScroll(GX_DOWN, 1));
    w.g.m_nHitState = 0;
    EXPECT_EQ("scroll", pFill->steps.back());
    // With the option off the fill component hears nothing.
    w.g.GetParam()->m_bExcelLikeFill = FALSE;
    size_t nSteps = pFill->steps.size();
    MoveMouseTo(w.CellCenter(2, 2));
    SendLeftButton(true);
    MoveMouseTo(w.CellCenter(4, 2));
    SendLeftButton(false);
    EXPECT_EQ(nSteps, pFill->steps.size());
    EXPECT_GT(pSelect->nMoves, 0);
}

TEST(GridMouseRouting, AuxiliaryPluginSeesMovesAndSizesFirst)
{
    MouseGrid w(20);
    CountingAuxPlugin* pAux = new CountingAuxPlugin;
    w.g.SetAuxiliaryPlugin(pAux, TRUE);
    w.g.HideCellTip(); // forget a cell the pointer rested on when the window came
    MoveMouseTo(w.CellCenter(2, 2));
    MoveMouseTo(w.CellCenter(3, 3));
    EXPECT_GT(pAux->nMoves, 0);
    EXPECT_EQ(0u, w.g.m_nTipRow); // taken: the grid did not track the cell
    pAux->bTake = FALSE;
    MoveMouseTo(w.CellCenter(4, 2));
    EXPECT_EQ(4u, w.g.m_nTipRow);
    w.grid.SetWindowPos(NULL, 0, 0, 280, 180, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_GT(pAux->nSizes, 0);
    // Disabled, it sees nothing.
    w.g.m_bAuxPluginEnabled = FALSE;
    int nMoves = pAux->nMoves;
    MoveMouseTo(w.CellCenter(5, 3));
    EXPECT_EQ(nMoves, pAux->nMoves);
    EXPECT_EQ(5u, w.g.m_nTipRow);
}
