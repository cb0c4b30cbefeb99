// A gripper with caption buttons on a visible host, around a child window under a layout
// listener: where it draws, what it draws, and how its buttons answer real mouse input.
#include "TestSupport.h"
#include "uilib/frames/docking/SystemData.h"
#include "uilib/frames/layout/LayoutDockFactory.h"
#include <functional>
#include <vector>

using namespace tessaron::foundation;
using namespace testing_support;

namespace
{
class CGripperHost : public CWnd
{
  public:
    int m_nClicks = 0;

  protected:
    afx_msg void OnLButtonDown(UINT, CPoint)
    {
        ++m_nClicks;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CGripperHost, CWnd)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class CTestGripper : public SECReparentableGripperEx
{
  public:
    int m_nCloses = 0;
    int m_nExpands = 0;
    std::function<void(CTestGripper*)> m_onClose;
    void OnCloseButton() override
    {
        ++m_nCloses;
        if (m_onClose)
        {
            auto onClose = m_onClose;
            onClose(this);
        }
    }
    void OnExpandButton() override
    {
        ++m_nExpands;
    }
};

// The host's client area as pixels.
class CSnapshot
{
  public:
    explicit CSnapshot(HWND hWnd)
    {
        RECT rc;
        ::GetClientRect(hWnd, &rc);
        m_cx = rc.right;
        m_cy = rc.bottom;
        m_pixels = Capture(m_cx, m_cy, [hWnd](HDC hdcMem, int cx, int cy) {
            HDC hdc = ::GetDC(hWnd);
            ::BitBlt(hdcMem, 0, 0, cx, cy, hdc, 0, 0, SRCCOPY);
            ::ReleaseDC(hWnd, hdc);
        });
    }
    COLORREF At(int x, int y) const
    {
        return m_pixels[y * m_cx + x];
    }

    // Draws into a fresh 32-bit bitmap and returns its pixels as COLORREFs.
    static std::vector<COLORREF> Capture(int cx, int cy, const std::function<void(HDC, int, int)>& draw)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pBits = NULL;
        HDC hdcMem = ::CreateCompatibleDC(NULL);
        HBITMAP hbm = ::CreateDIBSection(hdcMem, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
        HGDIOBJ hOld = ::SelectObject(hdcMem, hbm);
        draw(hdcMem, cx, cy);
        ::GdiFlush();
        std::vector<COLORREF> pixels((size_t)cx * cy);
        const DWORD* p = (const DWORD*)pBits;
        for (size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF);
        ::SelectObject(hdcMem, hOld);
        ::DeleteObject(hbm);
        ::DeleteDC(hdcMem);
        return pixels;
    }

  private:
    int m_cx, m_cy;
    std::vector<COLORREF> m_pixels;
};

class GripperWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        LPCTSTR lpszClass =
            AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1), NULL);
        ASSERT_TRUE(m_host.CreateEx(WS_EX_TOPMOST, lpszClass, _T("Greifer"), WS_POPUP | WS_VISIBLE, 100, 100,
                                    200, 150, NULL, NULL));
        ASSERT_TRUE(
            m_child.Create(_T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE, CRect(50, 50, 60, 60), &m_host, 1));
        static SECClassFactory_T<CTestGripper, SECLayoutNodeDCBase> s_grippers;
        SECLayoutNode* pNode = m_factory.CreateWindowNode(&m_child, &m_host);
        ASSERT_NE(pNode, nullptr);
        m_pGripper =
            dynamic_cast<CTestGripper*>(m_factory.CreateWrapperNode(&m_host, s_grippers, pNode, _T("g")));
        ASSERT_NE(m_pGripper, nullptr);
        m_pGripper->m_bHasCloseButton = m_pGripper->m_bHasExpandButton = TRUE;
        m_pGripper->SetInitialRect(RECT{0, 0, 200, 150});
        m_pRoot = m_factory.CreateNode(m_scale);
        m_pRoot->AddLayoutChild(m_pGripper);
        m_pListener = m_factory.CreateLayoutWndListener();
        ASSERT_TRUE(m_pListener->AttachToWindow(m_pRoot, &m_host, 0, TRUE, FALSE));
        ::SetForegroundWindow(m_host.m_hWnd);
        m_host.UpdateWindow();
        PumpMessages(50);
    }
    void TearDown() override
    {
        m_factory.DestroyAllLayoutWndListeners();
        m_host.DestroyWindow();
    }
    void Redraw()
    {
        m_host.InvalidateRect(NULL, TRUE);
        m_host.UpdateWindow();
        PumpMessages(20);
    }
    POINT ScreenOf(const RECT& rc)
    {
        POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        m_host.ClientToScreen(&pt);
        return pt;
    }
    // Compares a button's pixels with DrawFrameControl's, apart from the four corner pixels the
    // gripper sets itself.
    void ExpectButton(const CSnapshot& shot, const RECT& rc, UINT nType, UINT nState)
    {
        const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
        std::vector<COLORREF> expected = CSnapshot::Capture(cx, cy, [=](HDC hdc, int w, int h) {
            RECT r = {0, 0, w, h};
            ::DrawFrameControl(hdc, &r, nType, nState);
        });
        const SECSystemData& data = SECGetSystemData();
        int nDifferent = 0;
        for (int y = 0; y < cy; ++y)
        {
            for (int x = 0; x < cx; ++x)
            {
                COLORREF want = expected[y * cx + x];
                if ((x == cx - 1 && y == 0) || (x == 0 && y == cy - 1))
                    want = data.m_clrBtnFace;
                else if ((x == cx - 2 && y == 1) || (x == 1 && y == cy - 2))
                    want = data.m_clrBtnHilite;
                nDifferent += shot.At(rc.left + x, rc.top + y) != want;
            }
        }
        EXPECT_EQ(nDifferent, 0) << "state " << nState;
    }
    void ExpectGripperDrawn(const CSnapshot& shot)
    {
        const SECSystemData& data = SECGetSystemData();
        EXPECT_EQ(shot.At(1, 100), data.m_clrBtnFace);   // gripper strip
        EXPECT_EQ(shot.At(100, 1), data.m_clrBtnFace);   // top margin
        EXPECT_EQ(shot.At(197, 100), data.m_clrBtnFace); // right margin
        EXPECT_EQ(shot.At(6, 29), data.m_clrBtnHilite);  // first bar, top-left
        EXPECT_EQ(shot.At(8, 146), data.m_clrBtnShadow); // first bar, bottom-right
        EXPECT_EQ(shot.At(10, 29), data.m_clrBtnHilite); // second bar
        EXPECT_EQ(shot.At(12, 146), data.m_clrBtnShadow);
        EXPECT_EQ(shot.At(7, 100), data.m_clrBtnFace); // inside a bar
    }

    CGripperHost m_host;
    CWnd m_child;
    SECLayoutDockFactory m_factory;
    SECClassFactory_T<SECLNScale, SECLayoutNode> m_scale;
    CTestGripper* m_pGripper = nullptr;
    SECLayoutNode* m_pRoot = nullptr;
    SECLayoutWndListener* m_pListener = nullptr;
};

const RECT kClose = {4, 3, 15, 14};
const RECT kExpand = {3, 15, 15, 27};

TEST_F(GripperWindowTest, DrawsBarsAndButtonsWhereTheyBelong)
{
    RECT rc;
    m_child.GetWindowRect(&rc);
    m_host.ScreenToClient(&rc);
    const RECT kInside = {18, 3, 194, 147};
    EXPECT_TRUE(::EqualRect(&rc, &kInside));
    ASSERT_TRUE(m_pGripper->GetCloseButtonRect(rc));
    EXPECT_TRUE(::EqualRect(&rc, &kClose));
    ASSERT_TRUE(m_pGripper->GetExpandButtonRect(rc));
    EXPECT_TRUE(::EqualRect(&rc, &kExpand));

    Redraw();
    CSnapshot shot(m_host.m_hWnd);
    ExpectGripperDrawn(shot);
    ExpectButton(shot, kClose, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    ExpectButton(shot, kExpand, DFC_SCROLL, DFCS_SCROLLLEFT);

    m_pGripper->m_bClosePressed = TRUE;
    m_pGripper->m_bExpandEnabled = FALSE;
    Redraw();
    CSnapshot pushed(m_host.m_hWnd);
    ExpectButton(pushed, kClose, DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_PUSHED);
    ExpectButton(pushed, kExpand, DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_INACTIVE);
    m_pGripper->m_bClosePressed = FALSE;
}

// The host's own erasing painting comes first; the nodes draw over it.
TEST_F(GripperWindowTest, StillDrawnAfterAnErasingRepaint)
{
    for (int i = 0; i < 2; ++i)
    {
        Redraw();
        CSnapshot shot(m_host.m_hWnd);
        ExpectGripperDrawn(shot);
    }
}

TEST_F(GripperWindowTest, ButtonsAnswerRealClicks)
{
    // Press and release on close: one call, the host sees no click.
    MoveMouseTo(ScreenOf(kClose));
    SendLeftButton(true);
    EXPECT_TRUE(m_pGripper->m_bClosePressed);
    EXPECT_EQ(::GetCapture(), m_host.m_hWnd);
    SendLeftButton(false);
    EXPECT_EQ(m_pGripper->m_nCloses, 1);
    EXPECT_EQ(m_host.m_nClicks, 0);
    EXPECT_FALSE(m_pGripper->m_bClosePressed);
    EXPECT_EQ(::GetCapture(), (HWND)NULL);

    // Press, leave, come back, leave again and release outside: nothing, unpressed.
    SendLeftButton(true);
    MoveMouseTo(ScreenOf(RECT{100, 70, 100, 70}));
    EXPECT_FALSE(m_pGripper->m_bClosePressed);
    MoveMouseTo(ScreenOf(kClose));
    EXPECT_TRUE(m_pGripper->m_bClosePressed);
    MoveMouseTo(ScreenOf(RECT{100, 70, 100, 70}));
    SendLeftButton(false);
    EXPECT_EQ(m_pGripper->m_nCloses, 1);
    EXPECT_FALSE(m_pGripper->m_bClosePressed);
    EXPECT_FALSE(m_pGripper->m_bCloseTracking);

    // The expand button, enabled and then disabled.
    MoveMouseTo(ScreenOf(kExpand));
    SendLeftButton(true);
    SendLeftButton(false);
    EXPECT_EQ(m_pGripper->m_nExpands, 1);
    m_pGripper->m_bExpandEnabled = FALSE;
    SendLeftButton(true);
    SendLeftButton(false);
    EXPECT_EQ(m_pGripper->m_nExpands, 1);
    EXPECT_FALSE(m_pGripper->m_bExpandPressed);
    EXPECT_EQ(m_host.m_nClicks, 1); // not the gripper's: the host's own

    // Without buttons clicks go through.
    m_pGripper->m_bHasCloseButton = m_pGripper->m_bHasExpandButton = FALSE;
    MoveMouseTo(ScreenOf(kClose));
    SendLeftButton(true);
    SendLeftButton(false);
    EXPECT_EQ(m_pGripper->m_nCloses, 1);
    EXPECT_EQ(m_host.m_nClicks, 2);
}

TEST_F(GripperWindowTest, CloseHandlerMayDestroyItsGripper)
{
    SECLayoutDockFactory* pFactory = &m_factory;
    bool bDestroyed = false;
    m_pGripper->m_onClose = [pFactory, &bDestroyed](CTestGripper* p) {
        pFactory->DestroyNode(p);
        bDestroyed = true;
    };
    MoveMouseTo(ScreenOf(kClose));
    SendLeftButton(true);
    SendLeftButton(false);
    ASSERT_TRUE(bDestroyed);
    m_pGripper = nullptr;
    EXPECT_EQ(m_host.m_nClicks, 0);
    EXPECT_EQ(m_pRoot->GetChildCount(FALSE), 0);
    // The host goes on living without it.
    Redraw();
    SendLeftButton(true);
    SendLeftButton(false);
    EXPECT_EQ(m_host.m_nClicks, 1);
    m_host.SetWindowPos(NULL, 0, 0, 250, 160, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages(20);
}
} // namespace
