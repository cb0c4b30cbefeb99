// The current cell against frozen rows and columns and the window's edge, a held arrow key, and
// the other views of a document following the current cell.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/GridParam.h"
#include "grid/core/GridView.h"
#include "grid/core/Style.h"
#include "CreateContext.h"
#include "Document.h"
#include "FrameWnd.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
void SendKey(WORD vk, bool bUp)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &in, sizeof(INPUT));
}

void Press(WORD vk)
{
    SendKey(vk, false);
    SendKey(vk, true);
    PumpMessages(150);
}

// 60 rows x 30 columns, rows 1-2 and columns 1-2 frozen.
struct FrozenGrid : GridWindow
{
    CGXGridCore& g;
    FrozenGrid() : GridWindow(400, 300), g(*grid)
    {
        g.OnGridInitialUpdate();
        g.SetRowCount(60, GX_NOREDRAW);
        g.SetColCount(30, GX_NOREDRAW);
        // Widths of our own, whatever the font: the cases count on columns 1 to 5 being seen.
        g.SetColWidth(0, 0, 40, NULL, GX_NOREDRAW);
        g.SetColWidth(1, 30, 60, NULL, GX_NOREDRAW);
        g.SetFrozenRows(2, 0, GX_NOREDRAW);
        g.SetFrozenCols(2, 0, GX_NOREDRAW);
        grid->SetFocus();
        grid->UpdateWindow();
    }
};

struct FrozenCase
{
    const char* name;
    BOOL bScrollBeforeMove;
    ROWCOL top, left; // scrolled to before the key
    ROWCOL startRow, startCol;
    WORD vk;
    ROWCOL row, col;        // reached
    ROWCOL newTop, newLeft; // scrolled to afterwards
};

const FrozenCase s_frozenCases[] = {
    {"Up from the first scrolled row scrolls first", TRUE, 10, 3, 10, 4, VK_UP, 9, 4, 9, 3},
    {"Up from the first scrolled row enters the frozen rows", FALSE, 10, 3, 10, 4, VK_UP, 2, 4, 9, 3},
    {"Up with nothing scrolled enters the frozen rows", TRUE, 3, 3, 3, 4, VK_UP, 2, 4, 3, 3},
    {"Up below the first scrolled row", FALSE, 10, 3, 11, 4, VK_UP, 10, 4, 10, 3},
    {"Down from the frozen rows to the first row shown", TRUE, 10, 3, 2, 4, VK_DOWN, 10, 4, 10, 3},
    {"Left from the first scrolled column scrolls first", TRUE, 3, 8, 5, 8, VK_LEFT, 5, 7, 3, 7},
    {"Left from the first scrolled column enters the frozen columns", FALSE, 3, 8, 5, 8, VK_LEFT, 5, 2, 3, 7},
    {"Right from the frozen columns to the first column shown", TRUE, 3, 8, 5, 2, VK_RIGHT, 5, 8, 3, 8},
};
} // namespace

TEST(GridCurrentCell, FrozenRowsAndColumnsScrollFirstOrAfter)
{
    FrozenGrid w;
    for (const FrozenCase& c : s_frozenCases)
    {
        SCOPED_TRACE(c.name);
        w.g.GetParam()->m_bScrollBeforeMove = c.bScrollBeforeMove;
        ASSERT_TRUE(w.g.ChangeCurrentCell(c.startRow, c.startCol, 0x02));
        w.g.SetTopRow(c.top, GX_UPDATENOW);
        w.g.SetLeftCol(c.left, GX_UPDATENOW);
        w.grid->SetFocus();
        Press(c.vk);
        ROWCOL nRow = 0, nCol = 0;
        EXPECT_TRUE(w.g.GetCurrentCell(nRow, nCol));
        EXPECT_EQ(c.row, nRow);
        EXPECT_EQ(c.col, nCol);
        EXPECT_EQ(c.newTop, w.g.GetTopRow());
        EXPECT_EQ(c.newLeft, w.g.GetLeftCol());
    }
}

TEST(GridCurrentCell, MovingPastTheWindowEdgeScrollsTheCellIntoView)
{
    FrozenGrid w;
    struct Edge
    {
        WORD vk;
        bool bRows;
    } edges[] = {{VK_DOWN, true}, {VK_RIGHT, false}};
    for (const Edge& e : edges)
    {
        SCOPED_TRACE(e.bRows ? "rows" : "columns");
        w.g.SetTopRow(3, GX_UPDATENOW);
        w.g.SetLeftCol(3, GX_UPDATENOW);
        BOOL bPartial = FALSE;
        ROWCOL nLast = e.bRows ? w.g.GetBottomVisibleRow(&bPartial) : w.g.GetRightVisibleCol(&bPartial);
        if (bPartial)
            nLast--; // the last whole row (column)
        ASSERT_TRUE(w.g.ChangeCurrentCell(e.bRows ? nLast : 5, e.bRows ? 4 : nLast, 0x02));
        w.grid->SetFocus();
        Press(e.vk);
        ROWCOL nRow = 0, nCol = 0;
        w.g.GetCurrentCell(nRow, nCol);
        EXPECT_EQ(nLast + 1, e.bRows ? nRow : nCol);
        BOOL bNowPartial = FALSE;
        ROWCOL nNowLast =
            e.bRows ? w.g.GetBottomVisibleRow(&bNowPartial) : w.g.GetRightVisibleCol(&bNowPartial);
        EXPECT_GT(e.bRows ? w.g.GetTopRow() : w.g.GetLeftCol(), 3u);
        EXPECT_TRUE(nNowLast > nLast + 1 || (nNowLast == nLast + 1 && !bNowPartial));
    }
}

TEST(GridCurrentCell, HeldArrowKeyRepeatsUntilReleased)
{
    FrozenGrid w;
    w.g.SetRowCount(5000, GX_UPDATENOW);
    ASSERT_TRUE(w.g.ChangeCurrentCell(3, 3, 0x02));
    w.grid->SetFocus();
    PumpMessages(50);
    SendKey(VK_DOWN, false);
    PumpMessages(1500);
    ROWCOL nRow = 0, nCol = 0;
    w.g.GetCurrentCell(nRow, nCol);
    EXPECT_TRUE(w.g.m_bAutoScrollByKey);
    SendKey(VK_DOWN, true);
    PumpMessages(100);
    ROWCOL nHeldRow = 0;
    w.g.GetCurrentCell(nHeldRow, nCol);
    EXPECT_GE(nHeldRow, 8u); // one press, then repeats
    EXPECT_FALSE(w.g.m_bAutoScroll);
    EXPECT_FALSE(w.g.m_bAutoScrollByKey);
    PumpMessages(400);
    w.g.GetCurrentCell(nRow, nCol);
    EXPECT_EQ(nHeldRow, nRow);
    EXPECT_EQ(3u, nCol);
    // Without auto-repeat a held key moves once.
    w.g.m_bKeyAutoRepeat = FALSE;
    SendKey(VK_DOWN, false);
    PumpMessages(1200);
    SendKey(VK_DOWN, true);
    PumpMessages(100);
    w.g.GetCurrentCell(nRow, nCol);
    EXPECT_EQ(nHeldRow + 1, nRow);
}

namespace
{
// Views of one document share one parameter object, as an application's grid views do.
CGXGridParam* s_pHintParam = NULL;
class CHintGridView : public CGXGridView
{
    DECLARE_DYNCREATE(CHintGridView)

  public:
    void OnInitialUpdate() override
    {
        AttachParamObject(s_pHintParam, FALSE);
        CGXGridView::OnInitialUpdate();
        SetHintsEnabled(TRUE);
    }
    BOOL TransferCurrentCell(BOOL bSave, UINT flags, BOOL bCreateHint) override
    {
        nTransfers += !bCreateHint;
        return !bRefuse && CGXGridView::TransferCurrentCell(bSave, flags, bCreateHint);
    }
    BOOL bRefuse = FALSE;
    int nTransfers = 0;
};
IMPLEMENT_DYNCREATE(CHintGridView, CGXGridView)

struct HintFrame
{
    CFrameWnd* pFrame = new CFrameWnd;
    CHintGridView* pView = NULL;
    HintFrame(CDocument* pDoc, int x)
    {
        pFrame->Create(NULL, _T("Ansicht"), WS_OVERLAPPEDWINDOW, CRect(x, 30, x + 300, 330));
        CCreateContext ctx;
        ctx.m_pNewViewClass = RUNTIME_CLASS(CHintGridView);
        ctx.m_pCurrentDoc = pDoc;
        pView = (CHintGridView*)pFrame->CreateView(&ctx);
        pFrame->InitialUpdateFrame(pDoc, TRUE);
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
    }
    ~HintFrame()
    {
        pFrame->DestroyWindow();
    }
};
} // namespace

TEST(GridCurrentCell, OtherViewsOfTheDocumentFollow)
{
    EnsureGridLibrary();
    CGXGridParam param;
    s_pHintParam = &param;
    CDocument doc;
    doc.m_bAutoDelete = FALSE;
    {
        HintFrame a(&doc, 20), b(&doc, 340);
        CHintGridView& v1 = *a.pView;
        CHintGridView& v2 = *b.pView;
        v1.SetRowCount(30, GX_UPDATENOW);
        v1.SetColCount(5, GX_UPDATENOW);
        ASSERT_TRUE(v1.ChangeCurrentCell(2, 2, 0x0A));
        ROWCOL nRow = 0, nCol = 0;
        EXPECT_TRUE(v2.GetCurrentCell(nRow, nCol));
        EXPECT_EQ(2u, nRow);
        EXPECT_EQ(2u, nCol);
        // A key in one view moves the other's current cell; the focus stays where it was.
        a.pFrame->SetForegroundWindow();
        v1.SetFocus();
        PumpMessages(50);
        Press(VK_DOWN);
        EXPECT_TRUE(v2.GetCurrentCell(nRow, nCol));
        EXPECT_EQ(3u, nRow);
        EXPECT_EQ(2u, nCol);
        EXPECT_EQ(v1.GetSafeHwnd(), ::GetFocus());
        // Storing asks the other view too; one refusal refuses all.
        v2.nTransfers = 0;
        EXPECT_TRUE(v1.TransferCurrentCell(TRUE, GX_UPDATENOW, TRUE));
        EXPECT_EQ(1, v2.nTransfers);
        v2.bRefuse = TRUE;
        EXPECT_FALSE(v1.TransferCurrentCell(TRUE, GX_UPDATENOW, TRUE));
        EXPECT_TRUE(v1.TransferCurrentCell(TRUE, GX_UPDATENOW, FALSE)); // no hint: only its own
        v2.bRefuse = FALSE;
        // With hints off the other view stays.
        v1.SetHintsEnabled(FALSE);
        ASSERT_TRUE(v1.ChangeCurrentCell(7, 4, 0x0A));
        EXPECT_TRUE(v2.GetCurrentCell(nRow, nCol));
        EXPECT_EQ(3u, nRow);
        // A move that asks for no hint (0x40) likewise.
        v1.SetHintsEnabled(TRUE);
        ASSERT_TRUE(v1.ChangeCurrentCell(8, 4, 0x4A));
        EXPECT_TRUE(v2.GetCurrentCell(nRow, nCol));
        EXPECT_EQ(3u, nRow);
    }
    s_pHintParam = NULL;
}

TEST(GridCurrentCell, HidingTheEditedRowOrColumnStoresTheEdit)
{
    struct Case
    {
        const char* name;
        bool bRow;
    } cases[] = {{"row", true}, {"column", false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        GridWindow w(300, 200);
        CGXGridCore& g = *w.grid;
        g.OnGridInitialUpdate();
        g.SetRowCount(10, GX_NOREDRAW);
        g.SetColCount(5, GX_NOREDRAW);
        ASSERT_TRUE(g.ChangeCurrentCell(3, 2, 0x0A));
        w.grid->SetFocus();
        PumpMessages(50);
        for (WORD vk : {'N', 'E', 'U'})
            Press(vk);
        CGXControl* pControl = g.GetControl(3, 2);
        ASSERT_TRUE(pControl != NULL && pControl->GetWndPtr() != NULL);
        ASSERT_TRUE(pControl->GetWndPtr()->IsWindowVisible());
        if (c.bRow)
            g.SetRowHeight(3, 3, 0);
        else
            g.SetColWidth(2, 2, 0);
        EXPECT_EQ(CString("neu"), g.GetStoredValueText(3, 2));
        EXPECT_FALSE(pControl->GetWndPtr()->IsWindowVisible());
    }
}

// Setting the current cell from the program leaves the old cell as the keyboard does: the edit
// typed there is stored, the control is no longer bound to it, and the new cell's control is.
TEST(GridCurrentCell, SettingTheCurrentCellLeavesTheOldCellsControl)
{
    FrozenGrid w;
    CGXGridCore& g = w.g;
    ASSERT_TRUE(g.SetCurrentCell(4, 4));
    CGXControl* pControl = g.GetControl(4, 4);
    ASSERT_NE(nullptr, pControl);
    g.GridWnd()->SetFocus();
    TypeText("neu");
    PumpMessages(50);
    ASSERT_TRUE(pControl->IsActive());
    ASSERT_TRUE(g.SetCurrentCell(5, 4, GX_NOREDRAW));
    EXPECT_STREQ("neu", g.GetStoredValueText(4, 4));
    EXPECT_FALSE(pControl->IsActive());
    EXPECT_FALSE(pControl->IsInitAt(4, 4));
    EXPECT_TRUE(g.GetControl(5, 4)->IsInitAt(5, 4));
    EXPECT_TRUE(g.IsCurrentCell(5, 4));
    w.grid->UpdateWindow();
    EXPECT_TRUE(CaptureClient(w.grid.get()).px == RenderGrid(&g, w.grid.get()).px);
}
