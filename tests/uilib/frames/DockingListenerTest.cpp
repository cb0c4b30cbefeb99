// Docking listeners on a real window under real mouse input: the drag threshold, the press that
// starts a drag and no longer reaches the window, drops and cancels by Escape and the right
// button, keys that reach no window meanwhile, a capture lost to a timer, WM_QUIT, a press while
// the window holds the capture, and the OLE drag task's drop source.
#include "DockLayoutFixture.h"
#include "DragInput.h"
#include "uilib/frames/dockengine/DockingListener.h"

namespace
{
using namespace dock_layout;
using namespace drag_input;

// Counts what reaches the window itself.
class CCountingHost : public CWnd
{
  public:
    int m_nPresses = 0;
    int m_nKeyDowns = 0;
    int m_nChars = 0;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_nPresses += message == WM_LBUTTONDOWN;
        m_nKeyDowns += message == WM_KEYDOWN;
        m_nChars += message == WM_CHAR;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Counts the steps it is given.
class CCountingFeature : public SECDragDropDockingFeature
{
  public:
    int m_nBegins = 0;
    int m_nMoves = 0;
    int m_nEnds = 0;
    BOOL m_bLastDropped = FALSE;
    BOOL BeginDrag(DWORD dwKeys, const POINT* pt) override
    {
        ++m_nBegins;
        return SECDragDropDockingFeature::BeginDrag(dwKeys, pt);
    }
    BOOL DragMove(DWORD dwKeys, const POINT* pt) override
    {
        ++m_nMoves;
        return SECDragDropDockingFeature::DragMove(dwKeys, pt);
    }
    BOOL EndDrag(DWORD dwKeys, const POINT* pt, BOOL bDropped) override
    {
        ++m_nEnds;
        m_bLastDropped = bDropped;
        return SECDragDropDockingFeature::EndDrag(dwKeys, pt, bDropped);
    }
};

template <class Listener> class CCounting : public Listener
{
  public:
    CCountingFeature* m_pCounting = NULL;
    ISECDragDropFeature* CreateDragDropFeature() override
    {
        return m_pCounting = new CCountingFeature;
    }
};

typedef CCounting<SECDockingListener> CPressListener;
typedef CCounting<SECDockingListener_T<SECLocalDragDropTask_T<SECLayoutWndListener>>> CThresholdListener;
typedef CCounting<SECDockingListener_T<SECOleDragDropTask_T<SECLayoutWndListener>>> COleListener;

// Constructed before the layout that creates the window on it.
struct CountingHostHolder
{
    CCountingHost m_counting;
};

struct ListenerLayout : CountingHostHolder, CDockLayout
{
    ListenerLayout() : CDockLayout(&m_counting)
    {
    }
    template <class L> BOOL Attach(L& listener)
    {
        RECT rcOut;
        m_root.GetAppliedRect(rcOut);
        listener.SetAutoRegisterContainer(FALSE); // the layout registered its own
        BOOL bOk = listener.AttachDocking(&m_root, &m_host, &m_mgr, 0, FALSE, FALSE);
        ::SetForegroundWindow(m_host.m_hWnd);
        ::SetFocus(m_host.m_hWnd);
        PumpMessages(30);
        return bOk;
    }
    // Queues a press at the node and whatever follows, then lets the drag run.
    void Press(POINT pt)
    {
        ::SetCursorPos(pt.x, pt.y);
        PumpMessages(20);
        SendMouse(MOUSEEVENTF_LEFTDOWN);
    }
};

TEST(DockingListenerTest, ThresholdOneStartsOnAOnePixelMoveNotOnAClick)
{
    ListenerLayout L;
    ASSERT_TRUE(L.m_bOk);
    CThresholdListener listener;
    ASSERT_TRUE(L.Attach(listener));
    EXPECT_EQ(listener.m_dDragThreshold, 1.0);
    POINT pt = L.Screen(20, 140);
    L.Press(pt);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(100);
    EXPECT_EQ(listener.m_pCounting->m_nBegins, 0);
    EXPECT_EQ(L.m_counting.m_nPresses, 1); // the press went on to the window
    EXPECT_FALSE(listener.m_bArmed);

    L.Press(pt);
    POINT ptNext = {pt.x + 1, pt.y};
    SendMouse(0, &ptNext);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(150);
    EXPECT_EQ(listener.m_pCounting->m_nBegins, 1);
    EXPECT_EQ(listener.m_pCounting->m_nEnds, 1);
    EXPECT_EQ(L.ClientIndex(&L.m_node), 1); // dropped in its own rectangle: nothing changed
    L.ExpectDragStateGone();
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    // Nothing under the press: not armed, the press goes on.
    POINT ptFree = L.Screen(250, 125);
    L.Press(ptFree);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(80);
    EXPECT_FALSE(listener.m_bArmed);
    EXPECT_EQ(L.m_counting.m_nPresses, 3);
}

TEST(DockingListenerTest, PressStartsTheDragAndTheDropDocks)
{
    ListenerLayout L;
    ASSERT_TRUE(L.m_bOk);
    CPressListener listener;
    ASSERT_TRUE(L.Attach(listener));
    EXPECT_EQ(listener.m_dDragThreshold, 0.0);
    POINT pt = L.Screen(20, 140);
    POINT ptDrop = L.Screen(Applied(L.m_a).left + 5, 37); // a's trailing zone: a new line
    L.Press(pt);
    POINT ptMid = {(pt.x + ptDrop.x) / 2, (pt.y + ptDrop.y) / 2};
    SendMouse(0, &ptMid);
    SendMouse(0, &ptDrop);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(200);
    EXPECT_EQ(L.m_counting.m_nPresses, 0);
    EXPECT_EQ(listener.m_pCounting->m_nBegins, 1);
    EXPECT_GE(listener.m_pCounting->m_nMoves, 2);
    EXPECT_TRUE(listener.m_pCounting->m_bLastDropped);
    EXPECT_EQ(L.m_target.GetLineCount(), 2);
    EXPECT_EQ(L.m_target.FindLineOf(&L.m_node), L.m_target.GetLineAt(1));
    L.ExpectDragStateGone();
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
}

TEST(DockingListenerTest, EscapeAndTheRightButtonCancelAndKeysReachNoWindow)
{
    for (const BOOL bEscape : {TRUE, FALSE})
    {
        for (const BOOL bOverTarget : {TRUE, FALSE})
        {
            ListenerLayout L;
            ASSERT_TRUE(L.m_bOk);
            CPressListener listener;
            ASSERT_TRUE(L.Attach(listener));
            POINT pt = L.Screen(20, 140);
            POINT ptTo = bOverTarget ? L.Screen(Applied(L.m_a).left + 5, 37) : L.Screen(250, 200);
            L.Press(pt);
            SendMouse(0, &ptTo);
            SendKey('A', false);
            SendKey('A', true);
            if (bEscape)
            {
                SendKey(VK_ESCAPE, false);
                SendKey(VK_ESCAPE, true);
            }
            else
            {
                SendMouse(MOUSEEVENTF_RIGHTDOWN);
                SendMouse(MOUSEEVENTF_RIGHTUP);
            }
            SendMouse(MOUSEEVENTF_LEFTUP);
            PumpMessages(200);
            EXPECT_EQ(listener.m_pCounting->m_nEnds, 1);
            EXPECT_FALSE(listener.m_pCounting->m_bLastDropped);
            EXPECT_EQ(L.ClientIndex(&L.m_node), 1);
            EXPECT_EQ(L.m_target.GetNodeCount(), 2);
            EXPECT_EQ(L.m_counting.m_nKeyDowns, 0);
            EXPECT_EQ(L.m_counting.m_nChars, 0);
            L.ExpectDragStateGone();
            EXPECT_EQ(::GetCapture(), (HWND)NULL);
        }
    }
}

// Timers that end a drag nobody ends by input.
UINT_PTR g_nTimer = 0;
VOID CALLBACK TakeCapture(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    ::ReleaseCapture();
}
VOID CALLBACK PostQuit(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    ::PostQuitMessage(7);
}

TEST(DockingListenerTest, ALostCaptureOrWMQuitEndsTheLoopAsACancel)
{
    for (const BOOL bQuit : {FALSE, TRUE})
    {
        ListenerLayout L;
        ASSERT_TRUE(L.m_bOk);
        CPressListener listener;
        ASSERT_TRUE(L.Attach(listener));
        g_nTimer = ::SetTimer(NULL, 0, 100, bQuit ? PostQuit : TakeCapture);
        L.Press(L.Screen(20, 140));
        // The drag's loop runs inside this pump until the timer ends it; a WM_QUIT it took must
        // come out here again, after the drag ended.
        int nQuitCode = -1, nEndsAtQuit = -1;
        const DWORD dwUntil = ::GetTickCount() + 400;
        while (::GetTickCount() < dwUntil)
        {
            MSG msg;
            while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
            {
                if (msg.message == WM_QUIT)
                {
                    nQuitCode = (int)msg.wParam;
                    nEndsAtQuit = listener.m_pCounting->m_nEnds;
                    continue;
                }
                ::TranslateMessage(&msg);
                ::DispatchMessage(&msg);
            }
            ::Sleep(5);
        }
        EXPECT_EQ(nQuitCode, bQuit ? 7 : -1);
        EXPECT_EQ(nEndsAtQuit, bQuit ? 1 : -1);
        EXPECT_EQ(listener.m_pCounting->m_nEnds, 1);
        EXPECT_FALSE(listener.m_pCounting->m_bLastDropped);
        EXPECT_EQ(L.ClientIndex(&L.m_node), 1);
        L.ExpectDragStateGone();
        SendMouse(MOUSEEVENTF_LEFTUP);
        PumpMessages(50);
    }
}

TEST(DockingListenerTest, APressWhileTheWindowHoldsTheCaptureEndsAsACancel)
{
    ListenerLayout L;
    ASSERT_TRUE(L.m_bOk);
    CPressListener listener;
    ASSERT_TRUE(L.Attach(listener));
    ::SetCapture(L.m_host.m_hWnd);
    L.Press(L.Screen(20, 140));
    PumpMessages(100);
    EXPECT_EQ(listener.m_pCounting->m_nBegins, 1);
    EXPECT_EQ(listener.m_pCounting->m_nEnds, 1);
    EXPECT_FALSE(listener.m_pCounting->m_bLastDropped);
    EXPECT_EQ(L.ClientIndex(&L.m_node), 1);
    ::ReleaseCapture();
    L.ExpectDragStateGone();
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(50);
}

TEST(DockingListenerTest, ListenerRegistersItsContainerAndGivesItBack)
{
    ListenerLayout L;
    ASSERT_TRUE(L.m_bOk);
    SECLayoutNode root;
    root.SetInitialRect(RECT{0, 0, 10, 10});
    {
        SECDockingListener listener;
        EXPECT_TRUE(listener.GetAutoRegisterContainer());
        ASSERT_TRUE(listener.AttachDocking(&root, &L.m_host, &L.m_mgr, 0, FALSE, FALSE));
        ASSERT_NE(L.m_mgr.LookupContainer(&root), nullptr);
        EXPECT_EQ(L.m_mgr.LookupContainer(&root)->GetContainerHwnd(), L.m_host.m_hWnd);
        EXPECT_TRUE(listener.IsPlugged());
        EXPECT_FALSE(listener.AttachDocking(&root, NULL, &L.m_mgr, 0, FALSE, FALSE));
    }
    EXPECT_EQ(L.m_mgr.LookupContainer(&root), nullptr);
}

// The OLE task's drop source hands every poll on as a move and ends the drag when a move fails.
class CMoveTask : public SECDragDropTaskBase
{
  public:
    int m_nMoves = 0;
    BOOL m_bAnswer = TRUE;
    BOOL DragMove(DWORD, POINT*) override
    {
        ++m_nMoves;
        return m_bAnswer;
    }
};

VOID CALLBACK ReleaseButton(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

TEST(DockingListenerTest, OleTaskRunsTheDragThroughDoDragDrop)
{
    ASSERT_TRUE(AfxOleInit());
    CMoveTask task;
    SECOleDropSource source(&task);
    EXPECT_EQ(source.QueryContinueDrag(FALSE, MK_LBUTTON), S_OK);
    EXPECT_EQ(task.m_nMoves, 1);
    EXPECT_EQ(source.QueryContinueDrag(TRUE, MK_LBUTTON), DRAGDROP_S_CANCEL);
    task.m_bAnswer = FALSE;
    EXPECT_EQ(source.QueryContinueDrag(FALSE, MK_LBUTTON), DRAGDROP_S_CANCEL);

    // A whole drag: pressed on the node, the button released by a timer over no OLE target.
    ListenerLayout L;
    ASSERT_TRUE(L.m_bOk);
    COleListener listener;
    ASSERT_TRUE(L.Attach(listener));
    listener.m_dDragThreshold = 0.0;
    ::SetTimer(NULL, 0, 150, ReleaseButton);
    L.Press(L.Screen(20, 140));
    PumpMessages(500);
    EXPECT_EQ(listener.m_pCounting->m_nBegins, 1);
    EXPECT_GE(listener.m_pCounting->m_nMoves, 1);
    EXPECT_EQ(listener.m_pCounting->m_nEnds, 1);
    EXPECT_FALSE(listener.m_pCounting->m_bLastDropped);
    EXPECT_EQ(L.ClientIndex(&L.m_node), 1);
    L.ExpectDragStateGone();
}
} // namespace
