// CWnd's helpers over real window trees: messages to descendants, command state of child
// controls, centring, frame relations, reflected colour messages and tool tips.
#include "TestApp.h"
#include "TestSupport.h"
#include <algorithm>
#include <psapi.h>
#include "RichEditCtrl.h"
#include "ClientDC.h"

using namespace testing_support;

namespace
{
#define WM_TEST_PROBE (WM_APP + 30)

// Windows of the recorder class note each probe they receive, attached or not.
std::vector<HWND>& Probed()
{
    static std::vector<HWND> probed;
    return probed;
}

LRESULT CALLBACK RecorderProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_TEST_PROBE)
        Probed().push_back(hWnd);
    return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
}

LPCTSTR RecorderClass()
{
    static const TCHAR szClass[] = _T("HelvonTestRecorder");
    WNDCLASS wc = {};
    if (!::GetClassInfo(AfxGetInstanceHandle(), szClass, &wc))
    {
        wc.lpfnWndProc = RecorderProc;
        wc.hInstance = AfxGetInstanceHandle();
        wc.lpszClassName = szClass;
        ::RegisterClass(&wc);
    }
    return szClass;
}

HWND CreatePlainChild(HWND hWndParent, int nID)
{
    return ::CreateWindowEx(0, RecorderClass(), NULL, WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, hWndParent,
                            (HMENU)(INT_PTR)nID, AfxGetInstanceHandle(), NULL);
}

// root (attached) -> a (attached) -> g (plain); root -> b (plain) -> h (attached).
class Descendants : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.CreateEx(0, RecorderClass(), _T("Wurzel"), WS_POPUP, 0, 0, 100, 100, NULL, NULL));
        ASSERT_TRUE(m_a.CreateEx(0, RecorderClass(), NULL, WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, m_root.m_hWnd,
                                 (HMENU)1));
        m_g = CreatePlainChild(m_a.m_hWnd, 2);
        m_b = CreatePlainChild(m_root.m_hWnd, 3);
        ASSERT_TRUE(m_h.CreateEx(0, RecorderClass(), NULL, WS_CHILD | WS_VISIBLE, 0, 0, 5, 5, m_b, (HMENU)4));
        Probed().clear();
    }
    void TearDown() override
    {
        m_root.DestroyWindow();
    }
    CWnd m_root, m_a, m_h;
    HWND m_g = NULL, m_b = NULL;
};

TEST_F(Descendants, SendMessageReachesTheChosenDepthAndKind)
{
    const struct
    {
        BOOL bDeep;
        BOOL bOnlyPerm;
        const char* expected; // names of the windows that get the probe
    } cases[] = {
        {TRUE, FALSE, "abgh"},
        {TRUE, TRUE, "ah"},
        {FALSE, FALSE, "ab"},
        {FALSE, TRUE, "a"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.expected);
        Probed().clear();
        m_root.SendMessageToDescendants(WM_TEST_PROBE, 0, 0, c.bDeep, c.bOnlyPerm);
        std::string got;
        for (HWND h : Probed())
            got += h == m_a.m_hWnd ? 'a' : h == m_g ? 'g' : h == m_b ? 'b' : h == m_h.m_hWnd ? 'h' : '?';
        std::sort(got.begin(), got.end());
        EXPECT_EQ(c.expected, got);
    }
}

TEST_F(Descendants, DescendantWindowIsFoundAtAnyDepth)
{
    const struct
    {
        int nID;
        BOOL bOnlyPerm;
        HWND expected;
    } cases[] = {
        // clang-format off
        {1, FALSE, m_a.m_hWnd},
        {2, FALSE, m_g},
        {2, TRUE, NULL}, // only a temporary object could stand for it
        {4, TRUE, m_h.m_hWnd},
        {99, FALSE, NULL},
        // clang-format on
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nID);
        CWnd* pFound = m_root.GetDescendantWindow(c.nID, c.bOnlyPerm);
        EXPECT_EQ(c.expected, pFound->GetSafeHwnd());
        if (c.nID == 4)
        {
            EXPECT_EQ(&m_h, pFound);
        }
    }
}

// Command state of child controls: handlers of the target decide, buttons without one are disabled.
class CStateTarget : public CCmdTarget
{
  public:
    void OnUpdateDisable(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(FALSE);
    }
    void OnUpdateCheck(CCmdUI* pCmdUI)
    {
        pCmdUI->SetCheck(1);
    }
    void OnUpdateText(CCmdUI* pCmdUI)
    {
        pCmdUI->SetText(_T("Neu beschriftet"));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStateTarget, CCmdTarget)
ON_UPDATE_COMMAND_UI(101, OnUpdateDisable)
ON_UPDATE_COMMAND_UI(104, OnUpdateCheck)
ON_UPDATE_COMMAND_UI(105, OnUpdateText)
END_MESSAGE_MAP()

TEST(UpdateDialogControls, HandlersSetStateAndButtonsWithoutOneAreDisabled)
{
    CWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, AfxRegisterWndClass(0), _T("Eltern"), WS_POPUP, 0, 0, 200, 200, NULL, NULL));
    const struct
    {
        int nID;
        DWORD dwStyle;
        BOOL bEnabledAfter;
        int nCheckAfter;
        const char* textAfter;
    } cases[] = {
        {101, BS_PUSHBUTTON, FALSE, 0, "Knopf"},          // its handler disables it
        {102, BS_PUSHBUTTON, FALSE, 0, "Knopf"},          // no handler: disabled
        {103, BS_AUTOCHECKBOX, TRUE, 0, "Knopf"},         // no handler, but a check box keeps working
        {104, BS_CHECKBOX, TRUE, 1, "Knopf"},             // checked by its handler
        {105, BS_PUSHBUTTON, TRUE, 0, "Neu beschriftet"}, // its handler sets the text
    };
    for (const auto& c : cases)
        ASSERT_NE(nullptr,
                  ::CreateWindowEx(0, _T("BUTTON"), _T("Knopf"), WS_CHILD | WS_VISIBLE | c.dwStyle, 0, 0, 50,
                                   20, parent.m_hWnd, (HMENU)(INT_PTR)c.nID, AfxGetInstanceHandle(), NULL));
    CStateTarget target;
    parent.UpdateDialogControls(&target, TRUE);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nID);
        HWND hWnd = ::GetDlgItem(parent.m_hWnd, c.nID);
        EXPECT_EQ(c.bEnabledAfter, ::IsWindowEnabled(hWnd));
        EXPECT_EQ(c.nCheckAfter, (int)::SendMessage(hWnd, BM_GETCHECK, 0, 0));
        TCHAR szText[64];
        ::GetWindowText(hWnd, szText, 64);
        EXPECT_STREQ(c.textAfter, szText);
    }
    // Without bDisableIfNoHndler, buttons without a handler are left alone.
    ::EnableWindow(::GetDlgItem(parent.m_hWnd, 102), TRUE);
    parent.UpdateDialogControls(&target, FALSE);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(parent.m_hWnd, 102)));
    parent.DestroyWindow();
}

CPoint CentreOf(const CRect& rect)
{
    return rect.CenterPoint();
}

// The extents the Create calls pass: the default rectangle's CW_USEDEFAULT comes through whole,
// without the signed overflow that right - left would be.
TEST(WindowHelpers, RectangleExtentsKeepTheDefaultPosition)
{
    const struct
    {
        LONG nFrom, nTo;
        int nExpected;
    } cases[] = {
        {CW_USEDEFAULT, 0, CW_USEDEFAULT},
        {10, 30, 20},
        {30, 10, -20},
        {-5, 5, 10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nExpected, AfxRectExtent(c.nFrom, c.nTo)) << c.nFrom << " to " << c.nTo;
}

TEST(CenterWindow, CentresOnOwnerParentOrScreen)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), _T("Besitzer"), WS_POPUP | WS_VISIBLE, 100, 100,
                               400, 300, NULL, NULL));
    CWnd popup, child, loner;
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), NULL, WS_POPUP, 0, 0, 100, 60, owner.m_hWnd, NULL));
    ASSERT_TRUE(
        child.CreateEx(0, AfxRegisterWndClass(0), NULL, WS_CHILD, 0, 0, 50, 40, owner.m_hWnd, (HMENU)7));
    ASSERT_TRUE(loner.CreateEx(0, AfxRegisterWndClass(0), NULL, WS_POPUP, 0, 0, 80, 50, NULL, NULL));
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    ::GetMonitorInfo(::MonitorFromWindow(loner.m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
    CRect rectOwner, rectClient;
    owner.GetWindowRect(&rectOwner);
    owner.GetClientRect(&rectClient);

    popup.CenterWindow();
    child.CenterWindow();
    loner.CenterWindow();
    CRect rect;
    popup.GetWindowRect(&rect);
    EXPECT_NEAR(CentreOf(rectOwner).x, CentreOf(rect).x, 1);
    EXPECT_NEAR(CentreOf(rectOwner).y, CentreOf(rect).y, 1);
    child.GetWindowRect(&rect);
    owner.ScreenToClient(&rect);
    EXPECT_NEAR(CentreOf(rectClient).x, CentreOf(rect).x, 1);
    EXPECT_NEAR(CentreOf(rectClient).y, CentreOf(rect).y, 1);
    loner.GetWindowRect(&rect);
    EXPECT_NEAR(CentreOf(mi.rcWork).x, CentreOf(rect).x, 1);
    EXPECT_NEAR(CentreOf(mi.rcWork).y, CentreOf(rect).y, 1);

    // An owner near the screen's edge: the window stays on the work area.
    owner.MoveWindow(mi.rcWork.right - 60, mi.rcWork.bottom - 40, 50, 30);
    popup.CenterWindow();
    popup.GetWindowRect(&rect);
    EXPECT_LE(rect.right, mi.rcWork.right);
    EXPECT_LE(rect.bottom, mi.rcWork.bottom);
    loner.DestroyWindow();
    owner.DestroyWindow();
}

TEST(WindowRelations, TopLevelParentFollowsOwnersWhereParentOwnerStops)
{
    CWnd owner, popup, control;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), NULL, WS_POPUP, 0, 0, 200, 100, NULL, NULL));
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), NULL, WS_POPUP, 0, 0, 100, 60, owner.m_hWnd, NULL));
    ASSERT_TRUE(
        control.CreateEx(0, AfxRegisterWndClass(0), NULL, WS_CHILD, 0, 0, 20, 10, popup.m_hWnd, (HMENU)3));
    const struct
    {
        const char* name;
        CWnd* pWnd;
        HWND parentOwner;
        HWND topLevelParent;
    } cases[] = {
        {"control in the popup", &control, popup.m_hWnd, owner.m_hWnd},
        {"owned popup", &popup, popup.m_hWnd, owner.m_hWnd},
        {"owner", &owner, owner.m_hWnd, owner.m_hWnd},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.parentOwner, c.pWnd->GetParentOwner()->GetSafeHwnd());
        EXPECT_EQ(c.topLevelParent, c.pWnd->GetTopLevelParent()->GetSafeHwnd());
    }
    popup.DestroyWindow();
    owner.DestroyWindow();
}

TEST(FrameRelations, ViewFindsItsChildFrameAndTheMainFrame)
{
    MessageBoxes boxes;
    CDocument* pDoc = TheApp().m_pTextTemplate->OpenDocumentFile(NULL);
    ASSERT_NE(nullptr, pDoc);
    POSITION pos = pDoc->GetFirstViewPosition();
    CView* pView = pDoc->GetNextView(pos);
    CFrameWnd* pChild = pView->GetParentFrame();
    ASSERT_NE(nullptr, pChild);
    EXPECT_TRUE(pChild->IsKindOf(RUNTIME_CLASS(CChildFrame)));
    CFrameWnd* pMain = (CFrameWnd*)TheApp().m_pMainWnd;
    const struct
    {
        const char* name;
        CWnd* pWnd;
        CFrameWnd* parentFrame;
        CFrameWnd* topLevelFrame;
    } cases[] = {
        {"view", pView, pChild, pMain},
        {"child frame", pChild, pMain, pMain},
        {"main frame", pMain, NULL, pMain},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.parentFrame, c.pWnd->GetParentFrame());
        EXPECT_EQ(c.topLevelFrame, c.pWnd->GetTopLevelFrame());
    }
    // The view is a descendant of the main frame (through the MDI client and the child frame).
    EXPECT_EQ(pView, pMain->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
    TheApp().CloseAllDocuments(FALSE);
}

// A static control that colours itself through the reflected WM_CTLCOLOR.
class CColourStatic : public CWnd
{
  public:
    CColourStatic() : m_brush(RGB(0, 0, 255))
    {
    }
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        m_nCalls++;
        m_nCtlColor = nCtlColor;
        if (!m_bColour)
            return NULL; // the parent's handling stays
        pDC->SetBkColor(RGB(0, 0, 255));
        return (HBRUSH)m_brush.GetSafeHandle();
    }
    CBrush m_brush;
    int m_nCalls = 0;
    UINT m_nCtlColor = 0xFFFF;
    BOOL m_bColour = TRUE;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColourStatic, CWnd)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

TEST(CtlColorReflect, TheControlColoursItselfThroughItsParent)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)::GetStockObject(WHITE_BRUSH)),
                                _T("Eltern"), WS_POPUP | WS_VISIBLE, 0, 0, 120, 60, NULL, NULL));
    CColourStatic label;
    ASSERT_TRUE(label.CreateEx(0, _T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE, 10, 10, 40, 20, parent.m_hWnd,
                               (HMENU)5));
    // Painted for real: the static asks its parent, the parent hands the question back to it.
    label.RedrawWindow();
    EXPECT_GT(label.m_nCalls, 0);
    EXPECT_EQ((UINT)CTLCOLOR_STATIC, label.m_nCtlColor);
    {
        CClientDC dc(&label);
        EXPECT_EQ(RGB(0, 0, 255), dc.GetPixel(20, 10));
    }
    // Sent directly: the reflected brush is the parent's answer; a NULL brush leaves the default.
    CClientDC dc(&label);
    LRESULT lBrush = parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)label.m_hWnd);
    EXPECT_EQ((LRESULT)label.m_brush.GetSafeHandle(), lBrush);
    label.m_bColour = FALSE;
    lBrush = parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)label.m_hWnd);
    EXPECT_NE((LRESULT)label.m_brush.GetSafeHandle(), lBrush);
    EXPECT_NE(0, lBrush);
    parent.DestroyWindow();
}

// A window whose hit test hands out a copy of a long text for every pass, as a tab control does.
class CCopyingTips : public CWnd
{
  public:
    INT_PTR OnToolHitTest(CPoint, TOOLINFO* pTI) const override
    {
        if (pTI != NULL)
        {
            pTI->hwnd = m_hWnd;
            pTI->uId = 1;
            pTI->rect = CRect(0, 0, 50, 50);
            pTI->lpszText = _tcsdup(m_strText);
        }
        return 1;
    }
    CString m_strText;
};

SIZE_T WorkingSet()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    ::K32GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
    return counters.WorkingSetSize;
}

TEST(ToolTips, TextsHandedOutByTheHitTestAreFreed)
{
    CCopyingTips wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T("Kopien"), WS_POPUP, 0, 0, 100, 100, NULL, NULL));
    ASSERT_TRUE(wnd.EnableToolTips(TRUE));
    wnd.m_strText = CString(_T('x'), 4000);
    MSG msg = {};
    msg.hwnd = wnd.m_hWnd;
    msg.message = WM_MOUSEMOVE;
    msg.pt = CPoint(10, 10);
    wnd.FilterToolTipMessage(&msg);
    const SIZE_T nBefore = WorkingSet();
    ASSERT_NE(0u, nBefore);
    for (int i = 0; i < 20000; i++)
        wnd.FilterToolTipMessage(&msg);
    // Kept, the copies would take 80 MB.
    EXPECT_LT(WorkingSet(), nBefore + 8 * 1024 * 1024);
    wnd.DestroyWindow();
}

// A window whose tool hit test names the child under the point.
TEST(ToolTips, HitTestFollowsTheChildUnderTheMouse)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), _T("Tipps"), WS_POPUP | WS_VISIBLE, 0, 0, 200, 100,
                                NULL, NULL));
    HWND hWndButton = ::CreateWindowEx(0, _T("BUTTON"), _T("OK"), WS_CHILD | WS_VISIBLE, 10, 10, 60, 20,
                                       parent.m_hWnd, (HMENU)ID_TEST_VIEWCMD, AfxGetInstanceHandle(), NULL);
    ASSERT_NE(nullptr, hWndButton);
    ASSERT_TRUE(parent.EnableToolTips(TRUE));
    ASSERT_NE(nullptr, parent.m_hWndToolTip);
    EXPECT_TRUE(parent.m_nFlags & WF_TOOLTIPS);

    const struct
    {
        CPoint point; // client coordinates
        INT_PTR nHit;
        int nTools;
    } cases[] = {
        {CPoint(20, 15), ID_TEST_VIEWCMD, 1},
        {CPoint(150, 80), -1, 0},
        {CPoint(65, 25), ID_TEST_VIEWCMD, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nHit);
        TOOLINFO ti = {};
        ti.cbSize = sizeof(ti);
        EXPECT_EQ(c.nHit, parent.OnToolHitTest(c.point, &ti));
        if (c.nHit != -1)
        {
            EXPECT_EQ((UINT_PTR)hWndButton, ti.uId);
            EXPECT_TRUE(ti.uFlags & TTF_IDISHWND);
        }
        // The message loop's filter keeps the tool control's tool list on what is under the mouse.
        MSG msg = {};
        msg.hwnd = parent.m_hWnd;
        msg.message = WM_MOUSEMOVE;
        msg.pt = c.point;
        parent.ClientToScreen(&msg.pt);
        msg.lParam = MAKELPARAM(c.point.x, c.point.y);
        EXPECT_FALSE(parent.PreTranslateMessage(&msg));
        EXPECT_EQ(c.nTools, (int)::SendMessage(parent.m_hWndToolTip, TTM_GETTOOLCOUNT, 0, 0));
    }
    // The tool-tip text of a child comes from the string table's second part.
    CFrameWnd* pMain = (CFrameWnd*)TheApp().m_pMainWnd;
    TOOLTIPTEXTA ttt = {};
    ttt.hdr.hwndFrom = parent.m_hWndToolTip;
    ttt.hdr.idFrom = (UINT_PTR)hWndButton;
    ttt.hdr.code = TTN_NEEDTEXTA;
    ttt.uFlags = TTF_IDISHWND;
    LRESULT lResult = 1;
    EXPECT_TRUE(pMain->OnToolTipText(0, &ttt.hdr, &lResult));
    EXPECT_STREQ("Ansicht", ttt.szText);
    ASSERT_TRUE(parent.EnableToolTips(FALSE));
    EXPECT_FALSE(parent.m_nFlags & WF_TOOLTIPS);
    parent.DestroyWindow();
}
} // namespace

namespace
{
// Notes the system commands that reach it.
class CSysCommandRecorder : public CWnd
{
  public:
    std::vector<std::pair<UINT, LPARAM>> m_commands;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SYSCOMMAND)
        {
            m_commands.push_back(std::make_pair((UINT)wParam, lParam));
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};
} // namespace

TEST(WindowHelpers, FloatingPopupsHandTheirSystemCommandsToTheTopLevelParent)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0);
    CSysCommandRecorder top;
    ASSERT_TRUE(top.CreateEx(0, lpszClass, _T("Haupt"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                             NULL, NULL));
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(WS_EX_TOOLWINDOW, lpszClass, _T("Schwebend"),
                               WS_POPUP | WS_CAPTION | WS_VISIBLE, 50, 50, 120, 80, top.m_hWnd, NULL));
    CWnd edit;
    ASSERT_TRUE(edit.Create(_T("EDIT"), _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), &popup, 1));
    popup.SetActiveWindow();
    edit.SetFocus();
    PumpMessages(30);
    struct Case
    {
        UINT nID;
        LPARAM lParam;
        BOOL bHandled;
        bool bSent;
    } cases[] = {{SC_CLOSE, 0, TRUE, true},
                 {SC_KEYMENU, 'f', TRUE, true},
                 {SC_KEYMENU, 0, TRUE, false},
                 {SC_NEXTWINDOW, VK_F6, TRUE, false},
                 {SC_NEXTWINDOW, VK_TAB, FALSE, false},
                 {SC_MOVE, 0, FALSE, false}};
    for (const Case& c : cases)
    {
        top.m_commands.clear();
        EXPECT_EQ(popup.HandleFloatingSysCommand(c.nID, c.lParam), c.bHandled) << c.nID;
        ASSERT_EQ(top.m_commands.size(), c.bSent ? 1u : 0u) << c.nID;
        if (c.bSent)
        {
            EXPECT_EQ(top.m_commands[0].first, c.nID);
            EXPECT_EQ(top.m_commands[0].second, c.lParam);
            // Activation and focus came back.
            EXPECT_EQ(::GetActiveWindow(), popup.m_hWnd) << c.nID;
            EXPECT_EQ(::GetFocus(), edit.m_hWnd) << c.nID;
        }
        if (c.nID == SC_NEXTWINDOW && c.bHandled)
        {
            EXPECT_EQ(::GetFocus(), top.m_hWnd);
            popup.SetActiveWindow();
            edit.SetFocus();
        }
    }
    popup.DestroyWindow();
    top.DestroyWindow();
}

// The caret wrappers: the window owns the thread's caret at the size asked, where it was put.
TEST(Caret, SolidCaretBelongsToTheWindowAtItsPlace)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T("Caret"), WS_POPUP | WS_VISIBLE,
                             CRect(50, 50, 250, 150), NULL, 0));
    wnd.SetFocus();
    wnd.CreateSolidCaret(2, 13);
    CWnd::SetCaretPos(CPoint(17, 9));
    wnd.ShowCaret();
    EXPECT_EQ(CPoint(17, 9), CWnd::GetCaretPos());
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(::GetGUIThreadInfo(::GetCurrentThreadId(), &info));
    EXPECT_EQ(wnd.m_hWnd, info.hwndCaret);
    EXPECT_EQ(CRect(17, 9, 19, 22), CRect(info.rcCaret));
    wnd.HideCaret();
    ::DestroyCaret();
    ASSERT_TRUE(::GetGUIThreadInfo(::GetCurrentThreadId(), &info));
    EXPECT_EQ((HWND)NULL, info.hwndCaret);
    wnd.DestroyWindow();
}

namespace
{
TEST(WindowHelpers, AWindowRegionClipsWhatTheWindowShows)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)::GetStockObject(BLACK_BRUSH)),
                             _T("region"), WS_POPUP | WS_VISIBLE, CRect(40, 40, 140, 140), NULL, 0));
    HRGN hRgn = ::CreateRectRgn(0, 0, 50, 100);
    ASSERT_NE(0, wnd.SetWindowRgn(hRgn, TRUE));
    HRGN hRead = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(SIMPLEREGION, wnd.GetWindowRgn(hRead));
    CRect rectBox;
    ::GetRgnBox(hRead, &rectBox);
    EXPECT_EQ(CRect(0, 0, 50, 100), rectBox);
    ::DeleteObject(hRead);
    wnd.UpdateWindow();
    PumpMessages(50);
    // The window's point inside the region answers a hit test there; outside the desktop's does.
    EXPECT_EQ(wnd.m_hWnd, ::WindowFromPoint(CPoint(60, 90)));
    EXPECT_NE(wnd.m_hWnd, ::WindowFromPoint(CPoint(120, 90)));
    wnd.DestroyWindow();
}

TEST(RichEditCtrl, TheTargetDeviceSetsWhereLinesWrap)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), _T("rich"), WS_POPUP | WS_VISIBLE,
                               CRect(0, 0, 300, 200), NULL, 0));
    CRichEditCtrl rich;
    ASSERT_TRUE(rich.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 200, 100), &owner, 1));
    rich.SetWindowText(_T("one two three four five six seven eight nine ten"));
    EXPECT_TRUE(rich.SetTargetDevice(NULL, 0));
    // Wrapped at the window's width, the text takes more than one line.
    EXPECT_GT(rich.GetLineCount(), 1);
    // A line width far wider than the text: one line.
    CClientDC dc(&rich);
    EXPECT_TRUE(rich.SetTargetDevice(dc.m_hDC, 1440 * 50));
    EXPECT_EQ(1, rich.GetLineCount());

    rich.DestroyWindow();
    owner.DestroyWindow();
}

// Wine's rich edit formats nothing for EM_FORMATRANGE (a stub answering 0): what the wrapper
// sends is checked against a window that answers as a rich edit would.
struct FormatRangeSeen
{
    WPARAM wParam = 99;
    LPARAM lParam = 0;
};
FormatRangeSeen g_formatRange;

LRESULT CALLBACK FormatRangeProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg != EM_FORMATRANGE)
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    g_formatRange.wParam = wParam;
    g_formatRange.lParam = lParam;
    return lParam != 0 ? 17 : 0;
}

TEST(RichEditCtrl, FormatRangeHandsOverTheRangeAndTheRenderFlag)
{
    HWND hWnd = CreateMessageWindow("HelvonTestFormatRange", FormatRangeProc);
    ASSERT_NE((HWND)NULL, hWnd);
    CRichEditCtrl rich;
    rich.Attach(hWnd);
    FORMATRANGE fr = {};
    fr.chrg.cpMax = -1;
    EXPECT_EQ(17, rich.FormatRange(&fr, TRUE));
    EXPECT_EQ(1u, g_formatRange.wParam);
    EXPECT_EQ((LPARAM)&fr, g_formatRange.lParam);
    EXPECT_EQ(17, rich.FormatRange(&fr, FALSE));
    EXPECT_EQ(0u, g_formatRange.wParam);
    EXPECT_EQ(0, rich.FormatRange(NULL, FALSE));
    EXPECT_EQ(0, g_formatRange.lParam);
    rich.Detach();
    ::DestroyWindow(hWnd);
}
} // namespace
