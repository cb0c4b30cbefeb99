// A gripper with caption buttons on a visible host, around a child window under a layout
// listener: where it draws, what it draws, and how its buttons answer real mouse input.
#include "TestSupport.h"
#include "uilib/common/SystemData.h"
#include "uilib/frames/layout/LayoutDockFactory.h"
#include <algorithm>
#include <functional>
#include <string>
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

#include "uilib/frames/layout/LNBorderClientEdge.h"

namespace
{
const COLORREF kBackground = RGB(1, 2, 3);

// Plain GDI: solid fills, one brush per colour.
void Fill(HDC hdc, const RECT& rc, COLORREF clr)
{
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    ::FillRect(hdc, &rc, hBrush);
    ::DeleteObject(hBrush);
}

void Raised(HDC hdc, const RECT& rc, const SECSystemData& data)
{
    Fill(hdc, RECT{rc.left, rc.top, rc.right - 1, rc.top + 1}, data.m_clrBtnHilite);
    Fill(hdc, RECT{rc.left, rc.top, rc.left + 1, rc.bottom - 1}, data.m_clrBtnHilite);
    Fill(hdc, RECT{rc.right - 1, rc.top, rc.right, rc.bottom}, data.m_clrBtnShadow);
    Fill(hdc, RECT{rc.left, rc.bottom - 1, rc.right, rc.bottom}, data.m_clrBtnShadow);
}

int CountDifferent(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b, int cx, std::string& first)
{
    int n = 0;
    for (size_t i = 0; i < a.size(); ++i)
    {
        if (a[i] == b[i])
            continue;
        if (n++ < 4)
            first += " at " + std::to_string(i % cx) + "," + std::to_string(i / cx) + ": " +
                     std::to_string(a[i]) + " not " + std::to_string(b[i]);
    }
    return n;
}

// What the self-drawing border nodes paint on a 120 x 60 node, against the same picture drawn
// with plain GDI calls: face-coloured margins, etched edge lines (shadow outside, highlight
// inside), raised gripper bars; the inside stays untouched.
TEST(BorderDrawing, NodesPaintWhatPlainGdiPaints)
{
    const int cx = 120, cy = 60;
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), _T("Rand"), WS_POPUP, 0, 0, cx, cy, NULL, NULL));
    const SECSystemData& data = SECGetSystemData();
    const COLORREF face = data.m_clrBtnFace, hi = data.m_clrBtnHilite, sh = data.m_clrBtnShadow;
    ASSERT_NE(face, hi);
    ASSERT_NE(face, sh);

    SECLayoutNodeBorderSpace space;
    SECLNBorderClientEdge edge;
    edge.SetEdges(TRUE, TRUE, TRUE, TRUE);
    SECLayoutNodeGripper leftGripper, topGripper;
    topGripper.SetGripperSide(SEC_SIDE_TOP);
    struct Case
    {
        const char* name;
        SECLayoutNodeBorderSpace* pNode;
        std::function<void(HDC)> expected;
    };
    const Case cases[] = {
        {"border space", &space,
         [&](HDC hdc) {
             for (RECT rc :
                  {RECT{0, 0, 6, 60}, RECT{114, 0, 120, 60}, RECT{6, 0, 114, 3}, RECT{6, 57, 114, 60}})
                 Fill(hdc, rc, face);
         }},
        {"client edge on every side", &edge,
         [&](HDC hdc) {
             Fill(hdc, RECT{0, 2, 1, 58}, sh); // left
             Fill(hdc, RECT{1, 2, 2, 58}, hi);
             Fill(hdc, RECT{118, 2, 119, 58}, sh); // right
             Fill(hdc, RECT{119, 2, 120, 58}, hi);
             Fill(hdc, RECT{0, 0, 120, 1}, sh); // top
             Fill(hdc, RECT{0, 1, 120, 2}, hi);
             Fill(hdc, RECT{0, 58, 120, 59}, sh); // bottom
             Fill(hdc, RECT{0, 59, 120, 60}, hi);
         }},
        {"gripper at the left", &leftGripper,
         [&](HDC hdc) {
             for (RECT rc :
                  {RECT{0, 0, 18, 60}, RECT{114, 0, 120, 60}, RECT{18, 0, 114, 3}, RECT{18, 57, 114, 60}})
                 Fill(hdc, rc, face);
             Raised(hdc, RECT{6, 3, 9, 57}, data);
             Raised(hdc, RECT{10, 3, 13, 57}, data);
         }},
        {"gripper at the top", &topGripper,
         [&](HDC hdc) {
             for (RECT rc :
                  {RECT{0, 0, 120, 18}, RECT{0, 57, 120, 60}, RECT{0, 18, 6, 57}, RECT{114, 18, 120, 57}})
                 Fill(hdc, rc, face);
             Raised(hdc, RECT{6, 6, 114, 9}, data);
             Raised(hdc, RECT{6, 10, 114, 13}, data);
         }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        c.pNode->SetHostWindow(host.m_hWnd);
        RECT rcOut;
        const RECT rc = {0, 0, cx, cy};
        c.pNode->RecalcNode(rcOut, rc, FALSE, TRUE);
        const std::vector<COLORREF> drawn = CSnapshot::Capture(cx, cy, [&](HDC hdc, int, int) {
            Fill(hdc, rc, kBackground);
            c.pNode->OnDraw(hdc, rc);
        });
        const std::vector<COLORREF> expected = CSnapshot::Capture(cx, cy, [&](HDC hdc, int, int) {
            Fill(hdc, rc, kBackground);
            c.expected(hdc);
        });
        std::string first;
        EXPECT_EQ(CountDifferent(drawn, expected, cx, first), 0) << first;
        EXPECT_EQ(drawn[30 * cx + 60], kBackground); // the inside is the wrapped node's
    }
    // A client edge without flags paints nothing.
    SECLNBorderClientEdge none;
    none.SetHostWindow(host.m_hWnd);
    RECT rcOut;
    none.RecalcNode(rcOut, RECT{0, 0, cx, cy}, FALSE, TRUE);
    const std::vector<COLORREF> drawn = CSnapshot::Capture(cx, cy, [&](HDC hdc, int, int) {
        Fill(hdc, RECT{0, 0, cx, cy}, kBackground);
        none.OnDraw(hdc, RECT{0, 0, cx, cy});
    });
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), kBackground), (long)drawn.size());
    host.DestroyWindow();
}

// A strip that shrank invalidates on its host only what it no longer covers, grown by the
// node's margin (3 for a client edge, 15 for a gripper); a strip that still covers its old
// place invalidates nothing.
TEST(BorderDrawing, OnlyTheUncoveredPartsOfAStripAreInvalidated)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0), _T("Rand"), WS_POPUP | WS_VISIBLE, 100,
                              100, 300, 200, NULL, NULL));
    host.UpdateWindow();
    PumpMessages(20);
    SECLayoutNodeBorderSpace space;
    SECLNBorderClientEdge edge;
    SECLayoutNodeGripper gripper;
    struct Case
    {
        const char* name;
        SECLayoutNodeBorderSpace* pNode;
        RECT now;
        std::vector<RECT> expected;
    };
    const RECT old = {50, 50, 150, 100};
    const Case cases[] = {
        {"top gone", &space, {50, 60, 150, 100}, {{50, 50, 150, 60}}},
        {"bottom gone", &space, {50, 50, 150, 90}, {{50, 90, 150, 100}}},
        {"left gone", &space, {70, 50, 150, 100}, {{50, 50, 70, 100}}},
        {"top and right gone", &space, {50, 55, 140, 100}, {{50, 50, 150, 55}, {140, 55, 150, 100}}},
        {"still covered", &space, {40, 40, 160, 110}, {}},
        {"unchanged", &space, {50, 50, 150, 100}, {}},
        {"client edge: top gone", &edge, {50, 60, 150, 100}, {{47, 47, 153, 63}}},
        {"gripper: left gone", &gripper, {70, 50, 150, 100}, {{35, 35, 85, 115}}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        c.pNode->SetHostWindow(host.m_hWnd);
        host.ValidateRect(NULL);
        RECT last = old;
        c.pNode->InvalidateUncovered(c.now, last);
        EXPECT_TRUE(::EqualRect(&last, &c.now));
        HRGN hrgnUpdate = ::CreateRectRgn(0, 0, 0, 0);
        HRGN hrgnExpected = ::CreateRectRgn(0, 0, 0, 0);
        for (const RECT& rc : c.expected)
        {
            HRGN hrgnPart = ::CreateRectRgnIndirect(&rc);
            ::CombineRgn(hrgnExpected, hrgnExpected, hrgnPart, RGN_OR);
            ::DeleteObject(hrgnPart);
        }
        const int nKind = ::GetUpdateRgn(host.m_hWnd, hrgnUpdate, FALSE);
        EXPECT_EQ(nKind,
                  c.expected.empty() ? NULLREGION : (c.expected.size() == 1 ? SIMPLEREGION : COMPLEXREGION));
        RECT rcBox;
        ::GetRgnBox(hrgnUpdate, &rcBox);
        EXPECT_TRUE(::EqualRgn(hrgnUpdate, hrgnExpected))
            << "update box " << rcBox.left << "," << rcBox.top << "," << rcBox.right << "," << rcBox.bottom;
        ::DeleteObject(hrgnUpdate);
        ::DeleteObject(hrgnExpected);
    }
    host.DestroyWindow();
}
} // namespace
