// A dynamic splitter in a frame: its panes share the splitter's scroll bars (the views find them
// through GetScrollBarCtrl and scroll together), and splitting with the mouse makes a pane of the
// same view class on the same document; dragging the bar to the edge joins the panes again.
#include "TestApp.h"
#include "TestSupport.h"

using namespace testing_support;

namespace
{
class CSplitDoc : public CDocument
{
    DECLARE_DYNCREATE(CSplitDoc)
};
IMPLEMENT_DYNCREATE(CSplitDoc, CDocument)

class CSplitScrollView : public CScrollView
{
    DECLARE_DYNCREATE(CSplitScrollView)

  public:
    void OnInitialUpdate() override
    {
        SetScrollSizes(MM_TEXT, CSize(3000, 2000), CSize(200, 150), CSize(20, 15));
    }
    void OnDraw(CDC*) override
    {
    }
};
IMPLEMENT_DYNCREATE(CSplitScrollView, CScrollView)

class CSplitFrame : public CFrameWnd
{
  public:
    CSplitterWnd m_splitter;

  protected:
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) override
    {
        return m_splitter.Create(this, 2, 2, CSize(20, 20), pContext);
    }
};

void MouseTo(CPoint ptScreen)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = (LONG)(ptScreen.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1));
    in.mi.dy = (LONG)(ptScreen.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1));
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof(INPUT));
    PumpUntil(
        [&] {
            CPoint pt;
            ::GetCursorPos(&pt);
            return pt == ptScreen;
        },
        1000);
    PumpMessages(20);
}

void Button(DWORD dwFlags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = dwFlags;
    ::SendInput(1, &in, sizeof(INPUT));
    PumpMessages(30);
}

// Press and release in one go: the scroll bar runs a loop of its own until the release arrives.
void Click()
{
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, in, sizeof(INPUT));
    PumpMessages(50);
}

// A press at from, a drag in steps and the release at to (client points of pWnd).
void Drag(CWnd* pWnd, CPoint from, CPoint to)
{
    pWnd->ClientToScreen(&from);
    pWnd->ClientToScreen(&to);
    MouseTo(from);
    Button(MOUSEEVENTF_LEFTDOWN);
    for (int i = 1; i <= 4; ++i)
        MouseTo(CPoint(from.x + (to.x - from.x) * i / 4, from.y + (to.y - from.y) * i / 4));
    Button(MOUSEEVENTF_LEFTUP);
}

class Splitter : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_pDoc = new CSplitDoc; // goes with its last view
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CSplitScrollView);
        context.m_pCurrentDoc = m_pDoc;
        m_pFrame = new CSplitFrame; // deletes itself with its window
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Splitter"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     CRect(40, 40, 640, 480), NULL, NULL, 0, &context));
        m_pFrame->InitialUpdateFrame(m_pDoc, TRUE);
        m_pFrame->SetForegroundWindow();
        ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == m_pFrame->m_hWnd; }, 3000));
        m_pSplitter = &m_pFrame->m_splitter;
    }
    void TearDown() override
    {
        if (::IsWindow(m_hFrame()))
            m_pFrame->DestroyWindow();
    }
    HWND m_hFrame() const
    {
        return m_pFrame != NULL ? m_pFrame->m_hWnd : NULL;
    }
    CSplitScrollView* Pane(int row, int col)
    {
        CWnd* pWnd = m_pSplitter->GetPane(row, col);
        return pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CSplitScrollView)) ? (CSplitScrollView*)pWnd
                                                                               : NULL;
    }
    CWnd* Bar(UINT nID)
    {
        return m_pSplitter->GetDlgItem((int)nID);
    }

    CSplitDoc* m_pDoc = NULL;
    CSplitFrame* m_pFrame = NULL;
    CSplitterWnd* m_pSplitter = NULL;
};

TEST_F(Splitter, OnePaneAtFirstUsingTheSplittersBars)
{
    EXPECT_EQ(1, m_pSplitter->GetRowCount());
    EXPECT_EQ(1, m_pSplitter->GetColumnCount());
    EXPECT_TRUE(m_pSplitter->GetStyle() & SPLS_DYNAMIC_SPLIT);
    EXPECT_EQ((DWORD)(WS_HSCROLL | WS_VSCROLL), m_pSplitter->GetScrollStyle());
    CSplitScrollView* pView = Pane(0, 0);
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(m_pDoc, pView->GetDocument());
    int row = -1, col = -1;
    EXPECT_TRUE(m_pSplitter->IsChildPane(pView, &row, &col));
    EXPECT_EQ(0, row);
    EXPECT_EQ(0, col);
    EXPECT_FALSE(m_pSplitter->IsChildPane(m_pFrame, &row, &col));
    EXPECT_EQ(nullptr, m_pSplitter->GetPane(1, 0));

    ASSERT_NE(nullptr, Bar(AFX_IDW_HSCROLL_FIRST));
    ASSERT_NE(nullptr, Bar(AFX_IDW_VSCROLL_FIRST));
    EXPECT_EQ(Bar(AFX_IDW_HSCROLL_FIRST), pView->GetScrollBarCtrl(SB_HORZ));
    EXPECT_EQ(Bar(AFX_IDW_VSCROLL_FIRST), pView->GetScrollBarCtrl(SB_VERT));
    // The view's own bars stay off; the shared bars carry its range.
    EXPECT_FALSE(pView->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE;
    ASSERT_TRUE(::GetScrollInfo(Bar(AFX_IDW_HSCROLL_FIRST)->m_hWnd, SB_CTL, &info));
    EXPECT_EQ(2999, info.nMax);
    // The view fills the splitter but for the bars.
    CRect rectView, rectSplitter;
    pView->GetWindowRect(&rectView);
    m_pSplitter->GetClientRect(&rectSplitter);
    EXPECT_EQ(rectSplitter.Width() - ::GetSystemMetrics(SM_CXVSCROLL), rectView.Width());
    EXPECT_EQ(rectSplitter.Height() - ::GetSystemMetrics(SM_CYHSCROLL), rectView.Height());
}

TEST_F(Splitter, PanesScrollTogetherWithTheSharedBars)
{
    ASSERT_TRUE(m_pSplitter->SplitRow(150));
    ASSERT_EQ(2, m_pSplitter->GetRowCount());
    CSplitScrollView* pTop = Pane(0, 0);
    CSplitScrollView* pBottom = Pane(1, 0);
    ASSERT_NE(nullptr, pBottom);
    // One horizontal bar for the column, a vertical bar per row.
    EXPECT_EQ(pTop->GetScrollBarCtrl(SB_HORZ), pBottom->GetScrollBarCtrl(SB_HORZ));
    EXPECT_EQ(Bar(AFX_IDW_VSCROLL_FIRST + 1), pBottom->GetScrollBarCtrl(SB_VERT));
    EXPECT_NE(pTop->GetScrollBarCtrl(SB_VERT), pBottom->GetScrollBarCtrl(SB_VERT));

    // A real click on the right arrow of the shared horizontal bar scrolls both panes a line.
    CWnd* pHBar = Bar(AFX_IDW_HSCROLL_FIRST);
    CRect rectBar;
    pHBar->GetClientRect(&rectBar);
    CPoint ptArrow(rectBar.right - ::GetSystemMetrics(SM_CXHSCROLL) / 2, rectBar.Height() / 2);
    pHBar->ClientToScreen(&ptArrow);
    MouseTo(ptArrow);
    Click();
    EXPECT_EQ(CPoint(20, 0), pTop->GetScrollPosition());
    EXPECT_EQ(CPoint(20, 0), pBottom->GetScrollPosition());
    EXPECT_EQ(20, ::GetScrollPos(pHBar->m_hWnd, SB_CTL));

    // A page on the lower row's vertical bar moves only that row.
    m_pSplitter->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0),
                             (LPARAM)Bar(AFX_IDW_VSCROLL_FIRST + 1)->m_hWnd);
    EXPECT_EQ(CPoint(20, 150), pBottom->GetScrollPosition());
    EXPECT_EQ(CPoint(20, 0), pTop->GetScrollPosition());
    // The view's own scroll functions address the shared bar.
    pTop->ScrollToPosition(CPoint(100, 40));
    EXPECT_EQ(100, ::GetScrollPos(pHBar->m_hWnd, SB_CTL));
    EXPECT_EQ(40, ::GetScrollPos(Bar(AFX_IDW_VSCROLL_FIRST)->m_hWnd, SB_CTL));
}

TEST_F(Splitter, DraggingTheSplitBoxMakesAPaneOnTheSameDocumentAndTheBarJoinsThemAgain)
{
    CRect rectClient;
    m_pSplitter->GetClientRect(&rectClient);
    int xBox = rectClient.right - ::GetSystemMetrics(SM_CXVSCROLL) / 2;
    Drag(m_pSplitter, CPoint(xBox, 3), CPoint(xBox, 200));
    ASSERT_EQ(2, m_pSplitter->GetRowCount());
    CSplitScrollView* pNew = Pane(1, 0);
    ASSERT_NE(nullptr, pNew);
    EXPECT_EQ(m_pDoc, pNew->GetDocument());
    int cyTop = 0, cyMin = 0;
    m_pSplitter->GetRowInfo(0, cyTop, cyMin);
    EXPECT_NEAR(197, cyTop, 4);
    EXPECT_EQ(20, cyMin);
    // The document knows both views.
    int nViews = 0;
    for (POSITION pos = m_pDoc->GetFirstViewPosition(); pos != NULL; m_pDoc->GetNextView(pos))
        ++nViews;
    EXPECT_EQ(2, nViews);

    // The column split box beside the horizontal bar splits the columns the same way.
    int yBox = rectClient.bottom - ::GetSystemMetrics(SM_CYHSCROLL) / 2;
    Drag(m_pSplitter, CPoint(3, yBox), CPoint(300, yBox));
    ASSERT_EQ(2, m_pSplitter->GetColumnCount());
    ASSERT_NE(nullptr, Pane(1, 1));
    EXPECT_EQ(m_pDoc, Pane(1, 1)->GetDocument());
    EXPECT_EQ(Bar(AFX_IDW_HSCROLL_FIRST + 1), Pane(0, 1)->GetScrollBarCtrl(SB_HORZ));

    // The row bar dragged to the top edge squeezes the upper row away.
    CPoint ptBar(100, cyTop + 3);
    Drag(m_pSplitter, ptBar, CPoint(100, 2));
    EXPECT_EQ(1, m_pSplitter->GetRowCount());
    EXPECT_EQ(pNew, Pane(0, 0)); // the lower pane moved up
    EXPECT_EQ(nullptr, m_pSplitter->GetPane(1, 0));
    EXPECT_EQ(nullptr, Bar(AFX_IDW_VSCROLL_FIRST + 1));
    nViews = 0;
    for (POSITION pos = m_pDoc->GetFirstViewPosition(); pos != NULL; m_pDoc->GetNextView(pos))
        ++nViews;
    EXPECT_EQ(2, nViews);
}
} // namespace
