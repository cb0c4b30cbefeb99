// Dialogs and windows laid out by a scaling root: controls at known pixel rectangles follow
// every resize exactly, the tree's limits reach WM_GETMINMAXINFO, and the hosts' own WM_SIZE
// handlers see the controls already moved.
#include "FramesTestIds.h"
#include "TestSupport.h"
#include "afxdlgs.h"
#include "uilib/frames/layout/LNScale.h"
#include "uilib/frames/layout/LayoutDockFactory.h"

using namespace tessaron::foundation;

namespace
{
const int kBoxIds[3] = {IDC_BOX1, IDC_BOX2, IDC_BOX3};
const RECT kStartRects[3] = {{10, 10, 60, 30}, {100, 20, 190, 90}, {0, 0, 200, 100}};
const SIZE kStartClient = {200, 100};

// Client sizes one after another, with where each box must be (worked out by hand: x scaled by
// width / 200, y by height / 100, each coordinate + 0.5 truncated).
struct SizeCase
{
    SIZE client;
    RECT boxes[3];
};
const SizeCase kSizes[] = {
    {{400, 200}, {{20, 20, 120, 60}, {200, 40, 380, 180}, {0, 0, 400, 200}}},
    {{100, 50}, {{5, 5, 30, 15}, {50, 10, 95, 45}, {0, 0, 100, 50}}},
    {{300, 150}, {{15, 15, 90, 45}, {150, 30, 285, 135}, {0, 0, 300, 150}}},
    {{133, 77}, {{7, 8, 40, 23}, {67, 15, 126, 69}, {0, 0, 133, 77}}},
    {{200, 100}, {{10, 10, 60, 30}, {100, 20, 190, 90}, {0, 0, 200, 100}}},
    {{133, 77}, {{7, 8, 40, 23}, {67, 15, 126, 69}, {0, 0, 133, 77}}},
    {{200, 100}, {{10, 10, 60, 30}, {100, 20, 190, 90}, {0, 0, 200, 100}}},
};

RECT ChildRect(HWND hParent, int nId)
{
    RECT rc = {};
    ::GetWindowRect(::GetDlgItem(hParent, nId), &rc);
    ::MapWindowPoints(NULL, hParent, (POINT*)&rc, 2);
    return rc;
}

::testing::AssertionResult SameRect(const RECT& rc, const RECT& expected)
{
    if (::EqualRect(&rc, &expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "rect is " << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom << " not "
           << expected.left << "," << expected.top << "," << expected.right << "," << expected.bottom;
}

SIZE WindowSizeFor(HWND hWnd, SIZE client)
{
    RECT rc = {0, 0, client.cx, client.cy};
    ::AdjustWindowRectEx(&rc, (DWORD)::GetWindowLongPtr(hWnd, GWL_STYLE), FALSE,
                         (DWORD)::GetWindowLongPtr(hWnd, GWL_EXSTYLE));
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

// What the application's layout dialogs do in OnInitDialog, after putting the controls at
// known pixel rectangles.
class CLayoutDlg : public CDialog
{
  public:
    CLayoutDlg(UINT nId, BOOL bUseWindowRect = FALSE) : CDialog(nId), m_bUseWindowRect(bUseWindowRect)
    {
    }

    SECLayoutFactory m_factory;
    SECLayoutNode* m_pRoot = NULL;
    SECLayoutWndListener* m_pListener = NULL;
    BOOL m_bUseWindowRect;
    RECT m_rcSeenInOnSize = {};

  protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SIZE size = (GetStyle() & WS_CHILD) ? kStartClient : WindowSizeFor(m_hWnd, kStartClient);
        SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        for (int i = 0; i < 3; ++i)
        {
            const RECT& rc = kStartRects[i];
            ::MoveWindow(::GetDlgItem(m_hWnd, kBoxIds[i]), rc.left, rc.top, rc.right - rc.left,
                         rc.bottom - rc.top, FALSE);
        }
        static SECClassFactory_T<SECLNScale, SECLayoutNode> s_scale;
        m_pRoot = m_factory.CreateNode(s_scale);
        m_factory.CreateChildWindowNodes(m_pRoot, this, NULL);
        m_pListener = m_factory.CreateLayoutWndListener();
        m_pListener->AttachToWindow(m_pRoot, this, 0, TRUE, m_bUseWindowRect);
        return TRUE;
    }
    // Calls its base first, as the parameter-set dialog does before resizing its graph.
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        CDialog::OnSize(nType, cx, cy);
        m_rcSeenInOnSize = ChildRect(m_hWnd, IDC_BOX1);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLayoutDlg, CDialog)
ON_WM_SIZE()
END_MESSAGE_MAP()

class CParentWnd : public CWnd
{
  public:
    BOOL CreateHidden()
    {
        return CreateEx(0, AfxRegisterWndClass(0), _T("Eltern"), WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, NULL,
                        NULL);
    }
};

void ResizeClient(CWnd& wnd, SIZE client)
{
    SIZE size = (wnd.GetStyle() & WS_CHILD) ? client : WindowSizeFor(wnd.m_hWnd, client);
    wnd.SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST(DialogLayoutTest, ControlsFollowEveryResizeExactly)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateHidden());
    for (UINT nId : {IDD_LAYOUT_CHILD, IDD_LAYOUT_POPUP})
    {
        SCOPED_TRACE(nId == IDD_LAYOUT_CHILD ? "child dialog" : "sizable top-level dialog");
        CLayoutDlg dlg(nId);
        ASSERT_TRUE(dlg.Create(nId, nId == IDD_LAYOUT_CHILD ? &parent : NULL));
        ASSERT_NE(dlg.m_pRoot, nullptr);
        EXPECT_EQ(dlg.m_pRoot->GetChildCount(FALSE), 3);
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(SameRect(ChildRect(dlg.m_hWnd, kBoxIds[i]), kStartRects[i])) << "box " << i;
        for (const SizeCase& c : kSizes)
        {
            SCOPED_TRACE(::testing::Message() << "client " << c.client.cx << "x" << c.client.cy);
            ResizeClient(dlg, c.client);
            RECT rcClient;
            dlg.GetClientRect(&rcClient);
            ASSERT_EQ(rcClient.right, c.client.cx);
            ASSERT_EQ(rcClient.bottom, c.client.cy);
            for (int i = 0; i < 3; ++i)
                EXPECT_TRUE(SameRect(ChildRect(dlg.m_hWnd, kBoxIds[i]), c.boxes[i])) << "box " << i;
            // The dialog's own WM_SIZE handler, calling its base first, saw them moved.
            EXPECT_TRUE(SameRect(dlg.m_rcSeenInOnSize, c.boxes[0]));
        }
        dlg.DestroyWindow();
    }
    parent.DestroyWindow();
}

TEST(DialogLayoutTest, AutoRecalcOffLeavesControlsWhereTheyAre)
{
    CLayoutDlg dlg(IDD_LAYOUT_POPUP);
    ASSERT_TRUE(dlg.Create(IDD_LAYOUT_POPUP, NULL));
    dlg.m_pListener->SetAutoRecalc(FALSE);
    ResizeClient(dlg, SIZE{400, 200});
    EXPECT_TRUE(SameRect(ChildRect(dlg.m_hWnd, IDC_BOX2), kStartRects[1]));
    dlg.m_pListener->SetAutoRecalc(TRUE);
    ResizeClient(dlg, SIZE{300, 150});
    EXPECT_TRUE(SameRect(ChildRect(dlg.m_hWnd, IDC_BOX2), RECT{150, 30, 285, 135}));
    dlg.DestroyWindow();
}

TEST(DialogLayoutTest, WindowRectangleLayoutFollowsTheWholeWindow)
{
    CLayoutDlg dlg(IDD_LAYOUT_POPUP, TRUE);
    ASSERT_TRUE(dlg.Create(IDD_LAYOUT_POPUP, NULL));
    RECT rcWnd;
    dlg.GetWindowRect(&rcWnd);
    RECT rcRoot;
    dlg.m_pRoot->GetAppliedRect(rcRoot);
    EXPECT_TRUE(SameRect(rcRoot, RECT{0, 0, rcWnd.right - rcWnd.left, rcWnd.bottom - rcWnd.top}));
    // Twice the window, twice every coordinate.
    dlg.SetWindowPos(NULL, 0, 0, 2 * (rcWnd.right - rcWnd.left), 2 * (rcWnd.bottom - rcWnd.top),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(SameRect(ChildRect(dlg.m_hWnd, IDC_BOX1), RECT{20, 20, 120, 60}));
    EXPECT_TRUE(SameRect(ChildRect(dlg.m_hWnd, IDC_BOX2), RECT{200, 40, 380, 180}));
    dlg.DestroyWindow();
}

TEST(DialogLayoutTest, TrackingLimitsComeFromTheTree)
{
    struct Case
    {
        DWORD dwFlags;
        bool bMinSet, bMaxSet;
    };
    const Case cases[] = {{0, true, true}, {SEC_LN_NOMIN, false, true}, {SEC_LN_NOMAX, true, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << "flags " << c.dwFlags);
        CLayoutDlg dlg(IDD_LAYOUT_POPUP);
        ASSERT_TRUE(dlg.Create(IDD_LAYOUT_POPUP, NULL));
        dlg.m_pRoot->SetMinMaxSize(SIZE{150, 80}, SIZE{300, 160}, c.dwFlags);
        SIZE frame = WindowSizeFor(dlg.m_hWnd, SIZE{0, 0});
        MINMAXINFO mmi = {};
        mmi.ptMinTrackSize = POINT{1, 1};
        mmi.ptMaxTrackSize = POINT{9999, 9999};
        dlg.SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
        EXPECT_EQ(mmi.ptMinTrackSize.x, c.bMinSet ? 150 + frame.cx : 1);
        EXPECT_EQ(mmi.ptMinTrackSize.y, c.bMinSet ? 80 + frame.cy : 1);
        EXPECT_EQ(mmi.ptMaxTrackSize.x, c.bMaxSet ? 300 + frame.cx : 9999);
        EXPECT_EQ(mmi.ptMaxTrackSize.y, c.bMaxSet ? 160 + frame.cy : 9999);
        if (c.bMaxSet)
        {
            // The system keeps a sizable window inside them.
            ResizeClient(dlg, SIZE{400, 200});
            RECT rcClient;
            dlg.GetClientRect(&rcClient);
            EXPECT_EQ(rcClient.right, 300);
            EXPECT_EQ(rcClient.bottom, 160);
        }
        dlg.DestroyWindow();
    }
}

// A plain window is subclassed at its window procedure: its own WM_SIZE comes after the layout.
class CPlainHost : public CWnd
{
  public:
    RECT m_rcSeenInOnSize = {};

  protected:
    afx_msg void OnSize(UINT, int, int)
    {
        m_rcSeenInOnSize = ChildRect(m_hWnd, IDC_BOX2);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPlainHost, CWnd)
ON_WM_SIZE()
END_MESSAGE_MAP()

TEST(DialogLayoutTest, PlainWindowSeesItsControlsMovedInItsOwnOnSize)
{
    CPlainHost host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), _T("Host"), WS_POPUP, 0, 0, 200, 100, NULL, NULL));
    for (int i = 0; i < 3; ++i)
    {
        const RECT& rc = kStartRects[i];
        ::CreateWindow(_T("STATIC"), _T(""), WS_CHILD, rc.left, rc.top, rc.right - rc.left,
                       rc.bottom - rc.top, host.m_hWnd, (HMENU)(INT_PTR)kBoxIds[i], ::GetModuleHandle(NULL),
                       NULL);
    }
    SECLayoutFactory factory;
    SECClassFactory_T<SECLNScale, SECLayoutNode> scale;
    SECLayoutNode* pRoot = factory.CreateNode(scale);
    ASSERT_TRUE(factory.CreateChildWindowNodes(pRoot, &host, NULL));
    SECLayoutWndListener* pListener = factory.CreateLayoutWndListener();
    ASSERT_TRUE(pListener->AttachToWindow(pRoot, &host, 0, TRUE, FALSE));
    host.SetWindowPos(NULL, 0, 0, 400, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(SameRect(host.m_rcSeenInOnSize, RECT{200, 40, 380, 180}));
    // A frozen root moves nothing.
    pRoot->FreezeLayout(TRUE, FALSE);
    host.SetWindowPos(NULL, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(SameRect(ChildRect(host.m_hWnd, IDC_BOX2), RECT{200, 40, 380, 180}));
    pRoot->FreezeLayout(FALSE, FALSE);
    host.SetWindowPos(NULL, 0, 0, 300, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(SameRect(ChildRect(host.m_hWnd, IDC_BOX2), RECT{150, 30, 285, 135}));
    host.DestroyWindow();
}
} // namespace

namespace
{
class CRefusingDockFactory : public SECLayoutDockFactory
{
  public:
    BOOL ApplyNodeDefaults(SECLayoutNode*) override
    {
        return FALSE;
    }
};

TEST(DialogLayoutTest, AttachLayoutToWindowScalesAndFailsCleanly)
{
    CPlainHost host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), _T("Host"), WS_POPUP, 0, 0, 200, 100, NULL, NULL));
    for (int i = 0; i < 3; ++i)
    {
        const RECT& rc = kStartRects[i];
        ::CreateWindow(_T("STATIC"), _T(""), WS_CHILD, rc.left, rc.top, rc.right - rc.left,
                       rc.bottom - rc.top, host.m_hWnd, (HMENU)(INT_PTR)kBoxIds[i], ::GetModuleHandle(NULL),
                       NULL);
    }
    {
        // No window, or a root the factory refuses: FALSE and nothing left made.
        CRefusingDockFactory refusing;
        EXPECT_FALSE(refusing.AttachLayoutToWindow(&host));
        EXPECT_EQ(refusing.m_nodeManager.GetCount(), 0);
        EXPECT_EQ(refusing.m_listenerManager.GetCount(), 0);
        EXPECT_EQ(tessaron::foundation::SECWndListener::LookupChain(host.m_hWnd), nullptr);
        SECLayoutDockFactory factory;
        CWnd noWindow;
        EXPECT_FALSE(factory.AttachLayoutToWindow(&noWindow));
        EXPECT_FALSE(factory.AttachLayoutToWindow(NULL));
        EXPECT_EQ(factory.m_nodeManager.GetCount(), 0);
        EXPECT_EQ(factory.m_listenerManager.GetCount(), 0);
    }
    SECLayoutDockFactory factory;
    ASSERT_TRUE(factory.AttachLayoutToWindow(&host));
    EXPECT_EQ(factory.m_nodeManager.GetCount(), 4);
    for (const SizeCase& c : kSizes)
    {
        host.SetWindowPos(NULL, 0, 0, c.client.cx, c.client.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(SameRect(ChildRect(host.m_hWnd, kBoxIds[i]), c.boxes[i])) << "box " << i;
    }
    host.DestroyWindow();
}
} // namespace
