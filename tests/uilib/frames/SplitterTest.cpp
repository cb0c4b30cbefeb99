// Splitter windows and layout-node splitters: bar modes, limits, real drags (live and by
// rectangle, cancelled with Escape), virtual splitters and their observers, and sizable nodes
// whose edges the user drags.
#include "LayoutChecks.h"
#include "TestSupport.h"
#include "FramesIds.h"
#include "uilib/frames/layout/LNSizable.h"
#include "uilib/frames/layout/LayoutFactory.h"
#include <vector>

using namespace testing_support;

namespace
{
using layout_checks::RectIs;

// Queues a whole drag at once: the tracking loop takes it from the queue.
void QueueDrag(POINT from, POINT to, bool bEscape)
{
    ::SetCursorPos(from.x, from.y);
    PumpMessages(30);
    auto abs = [](POINT pt) {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dx = pt.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
        in.mi.dy = pt.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        return in;
    };
    std::vector<INPUT> inputs;
    inputs.push_back(abs(from));
    INPUT down = {};
    down.type = INPUT_MOUSE;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs.push_back(down);
    inputs.push_back(abs(POINT{(from.x + to.x) / 2, (from.y + to.y) / 2}));
    inputs.push_back(abs(to));
    if (bEscape)
    {
        INPUT key[2] = {};
        for (int i = 0; i < 2; ++i)
        {
            key[i].type = INPUT_KEYBOARD;
            key[i].ki.wVk = VK_ESCAPE;
            key[i].ki.dwFlags = i ? KEYEVENTF_KEYUP : 0;
            inputs.push_back(key[i]);
        }
    }
    INPUT up = {};
    up.type = INPUT_MOUSE;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    inputs.push_back(up);
    ::SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
    PumpMessages(200);
}

class CHostWnd : public CWnd
{
  public:
    BOOL CreateVisible(int cx, int cy)
    {
        LPCTSTR lpszClass =
            AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1), NULL);
        if (!CreateEx(WS_EX_TOPMOST, lpszClass, _T("Teiler"), WS_POPUP | WS_VISIBLE, 100, 100, cx, cy, NULL,
                      NULL))
            return FALSE;
        ::SetForegroundWindow(m_hWnd);
        ::SetFocus(m_hWnd);
        UpdateWindow();
        return TRUE;
    }
    POINT Screen(int x, int y)
    {
        POINT pt = {x, y};
        ClientToScreen(&pt);
        return pt;
    }
};

// Records what the panes get, and whether it happened while a bar was dragged.
class CRecordingSplitter : public SECSplitterBase
{
  public:
    int m_nLayouts = 0;
    int m_nLayoutsWhileTracking = 0;
    RECT m_rcTopLeft = {};
    void SetPaneRects(SECSplitterPaneInfo& info) override
    {
        ++m_nLayouts;
        m_nLayoutsWhileTracking += m_bTracking ? 1 : 0;
        info.GetPane(PANE_TOPLEFT, m_rcTopLeft);
    }
};

TEST(SplitterTest, BarModesFollowThePanesAndFlagBit1)
{
    struct Case
    {
        bool panes[4]; // top-left, top-right, bottom-left, bottom-right
        int horz, vert, horzRowFirst, vertRowFirst;
    };
    const Case cases[] = {
        {{true, true, true, true}, 2, 2, 2, 2},     {{true, true, true, false}, 0, 2, 2, 0},
        {{true, true, false, true}, 1, 2, 2, 0},    {{true, false, true, true}, 0, 2, 2, 1},
        {{false, true, true, true}, 1, 2, 2, 1},    {{true, false, true, false}, 2, 3, 2, 3},
        {{false, true, false, true}, 2, 3, 2, 3},   {{true, true, false, false}, 3, 2, 3, 2},
        {{true, false, false, true}, 3, 2, 3, 2},   {{true, false, false, false}, 3, 3, 3, 3},
        {{false, false, false, false}, 3, 3, 3, 3},
    };
    for (const Case& c : cases)
    {
        for (DWORD dwFlags : {(DWORD)0, (DWORD)SEC_SPLITTER_ROWFIRST})
        {
            SCOPED_TRACE(::testing::Message()
                         << c.panes[0] << c.panes[1] << c.panes[2] << c.panes[3] << " flags " << dwFlags);
            SECSplitterBase splitter;
            splitter.m_dwFlags = dwFlags;
            for (int i = 0; i < 4; ++i)
            {
                if (c.panes[i])
                {
                    ASSERT_TRUE(splitter.AddPane(i / 2, i % 2));
                }
            }
            EXPECT_EQ(splitter.GetHorzMode(), dwFlags ? c.horzRowFirst : c.horz);
            EXPECT_EQ(splitter.GetVertMode(), dwFlags ? c.vertRowFirst : c.vert);
        }
    }
    SECSplitterBase splitter;
    EXPECT_FALSE(splitter.AddPane(3, 0));
    EXPECT_FALSE(splitter.IsPanePresent(SECSplitterBase::PANE_BOTTOMLEFT));
    EXPECT_EQ(splitter.GetHorzMode(), 3);
}

TEST(SplitterTest, BarsStayInsideNarrowAreas)
{
    CHostWnd host;
    ASSERT_TRUE(host.CreateVisible(300, 200));
    CRecordingSplitter splitter;
    ASSERT_TRUE(splitter.Create(&host, RECT{0, 0, 4, 100}, WS_CHILD | WS_VISIBLE, 1, 0));
    for (int i = 0; i < 4; ++i)
        splitter.AddPane(i / 2, i % 2);
    splitter.SetSplitterPositions(50, 200);
    EXPECT_TRUE(RectIs(splitter.GetVertBar(), 0, 0, 6, 100));
    EXPECT_EQ(splitter.GetSplitX(), 0);
    EXPECT_EQ(splitter.GetSplitY(), 94);
    // Margins keep the bars off the edges.
    splitter.SetMargins(10, 10, 5, 5);
    splitter.SetSplitterPositions(-20, -20);
    EXPECT_EQ(splitter.GetHorzBar().top, 5);
    splitter.DestroyWindow();
    host.DestroyWindow();
}

TEST(SplitterTest, DraggingABarMovesThePanesLiveOrOnRelease)
{
    for (DWORD dwFlags : {(DWORD)0, (DWORD)SEC_SPLITTER_LIVE})
    {
        for (bool bEscape : {false, true})
        {
            SCOPED_TRACE(::testing::Message()
                         << (dwFlags ? "live" : "by rectangle") << (bEscape ? ", cancelled" : ""));
            CHostWnd host;
            ASSERT_TRUE(host.CreateVisible(300, 200));
            CRecordingSplitter splitter;
            ASSERT_TRUE(splitter.Create(&host, RECT{0, 0, 300, 200}, WS_CHILD | WS_VISIBLE, 1, dwFlags));
            for (int i = 0; i < 4; ++i)
                splitter.AddPane(i / 2, i % 2);
            splitter.SetSplitterPositions(100, 80);
            EXPECT_TRUE(RectIs(splitter.m_rcTopLeft, 0, 0, 100, 80));
            splitter.UpdateWindow();
            splitter.m_nLayouts = splitter.m_nLayoutsWhileTracking = 0;

            QueueDrag(host.Screen(103, 40), host.Screen(153, 40), bEscape);
            EXPECT_EQ(::GetCapture(), (HWND)NULL);
            if (bEscape)
            {
                EXPECT_EQ(splitter.GetSplitX(), 100);
                EXPECT_TRUE(RectIs(splitter.m_rcTopLeft, 0, 0, 100, 80));
            }
            else
            {
                EXPECT_EQ(splitter.GetSplitX(), 150);
                EXPECT_EQ(splitter.GetSplitY(), 80);
                EXPECT_TRUE(RectIs(splitter.m_rcTopLeft, 0, 0, 150, 80));
                EXPECT_TRUE(RectIs(splitter.GetVertBar(), 150, 0, 156, 200));
            }
            if (dwFlags & SEC_SPLITTER_LIVE)
            {
                EXPECT_GE(splitter.m_nLayoutsWhileTracking, 1);
            }
            else
            {
                EXPECT_EQ(splitter.m_nLayoutsWhileTracking, 0);
                EXPECT_EQ(splitter.m_nLayouts, bEscape ? 0 : 1); // once, at the release
            }
            splitter.DestroyWindow();
            host.DestroyWindow();
        }
    }
}

class CObserver : public ISECVirtualSplitterObserver
{
  public:
    std::vector<POINT> m_moves;
    BOOL OnSplitterMoved(SECLNVirtualSplitter*, int dx, int dy) override
    {
        m_moves.push_back(POINT{dx, dy});
        return TRUE;
    }
};

TEST(SplitterTest, VirtualSplitterReportsOnlyItsAxis)
{
    CHostWnd host;
    ASSERT_TRUE(host.CreateVisible(300, 200));
    SECLNVirtualSplitter splitter;
    ASSERT_TRUE(splitter.Create(&host, RECT{}, WS_CHILD | WS_VISIBLE, 60911, 0));
    CObserver observer;
    splitter.SetObserver(&observer);
    splitter.SetLimitRect(RECT{0, 0, 300, 200});
    RECT rcOut;
    splitter.RecalcNode(rcOut, RECT{100, 0, 106, 200}, FALSE, TRUE);
    EXPECT_TRUE(RectIs(splitter.GetVertBar(), 100, 0, 106, 200));
    EXPECT_TRUE(::IsRectEmpty(&splitter.GetHorzBar()));
    // The vertical splitter refuses a horizontal bar and reports horizontal moves only.
    EXPECT_FALSE(splitter.SetBarRect(RECT{0, 50, 300, 56}, TRUE));
    splitter.OnSplitterMoved(5, 7);
    splitter.OnSplitterMoved(0, 7);
    ASSERT_EQ(observer.m_moves.size(), 1u);
    EXPECT_EQ(observer.m_moves[0].x, 5);
    EXPECT_EQ(observer.m_moves[0].y, 0);
    splitter.SetNodeOrientation(FALSE, FALSE);
    splitter.OnSplitterMoved(5, 7);
    ASSERT_EQ(observer.m_moves.size(), 2u);
    EXPECT_EQ(observer.m_moves[1].x, 0);
    EXPECT_EQ(observer.m_moves[1].y, 7);
    splitter.DestroyWindow();
    host.DestroyWindow();
}

TEST(SplitterTest, SplitterNodeSharesSizeChangesBetweenItsPanes)
{
    CHostWnd host;
    ASSERT_TRUE(host.CreateVisible(300, 200));
    SECLayoutNodeSplitter splitter;
    ASSERT_TRUE(splitter.Create(&host, RECT{0, 0, 100, 100}, WS_CHILD | WS_VISIBLE, 1, 0));
    SECLayoutNode left, right;
    EXPECT_FALSE(splitter.AddPaneNode(3, 0, &left));
    EXPECT_FALSE(splitter.AddPaneNode(0, 0, NULL));
    ASSERT_TRUE(splitter.AddPaneNode(0, 0, &left));
    ASSERT_TRUE(splitter.AddPaneNode(0, 1, &right));
    EXPECT_FALSE(splitter.RemovePane(1, 1));
    splitter.SetSplitterPositions(47, 0);
    RECT rcOut, rc;
    splitter.RecalcNode(rcOut, RECT{0, 0, 110, 100}, FALSE, TRUE);
    EXPECT_EQ(splitter.GetSplitX(), 52);
    left.GetAppliedRect(rc);
    EXPECT_TRUE(RectIs(rc, 0, 0, 52, 100));
    right.GetAppliedRect(rc);
    EXPECT_TRUE(RectIs(rc, 58, 0, 110, 100));
    // Odd changes: the odd pixel alternates, so two of them add up to the whole change.
    splitter.RecalcNode(rcOut, RECT{0, 0, 113, 100}, FALSE, TRUE);
    splitter.RecalcNode(rcOut, RECT{0, 0, 116, 100}, FALSE, TRUE);
    EXPECT_EQ(splitter.GetSplitX(), 55);
    // A pane's limits: the left pane keeps its minimum, the right one takes the rest.
    left.SetMinMaxSize(SIZE{40, 0}, SIZE{0, 0}, SEC_LN_NOMAX);
    splitter.RecalcNode(rcOut, RECT{0, 0, 76, 100}, FALSE, TRUE);
    EXPECT_EQ(splitter.GetSplitX(), 40);
    right.GetAppliedRect(rc);
    EXPECT_TRUE(RectIs(rc, 46, 0, 76, 100));
    EXPECT_TRUE(splitter.RemovePane(0, 1));
    EXPECT_EQ(splitter.GetChildCount(FALSE), 1);
    splitter.DestroyWindow();
    host.DestroyWindow();
}

TEST(SplitterTest, SizableEdgesComeAndGo)
{
    CHostWnd host;
    ASSERT_TRUE(host.CreateVisible(300, 200));
    SECLNSizable node;
    SECLayoutNode content, second;
    EXPECT_EQ(node.AddLayoutChild(&content), 1);
    EXPECT_FALSE(node.SetSizingEdges(NULL, TRUE, SEC_EDGE_TOP));
    ASSERT_TRUE(node.SetSizingEdges(&host, TRUE, SEC_EDGE_TOP));
    ASSERT_NE(node.GetEdgeSplitter(0), nullptr);
    EXPECT_EQ(node.AddLayoutChild(&second), -1); // edge splitters are no content
    EXPECT_EQ(node.GetWrappedNode(), &content);

    ASSERT_TRUE(node.SetSizingEdges(&host, TRUE, SEC_EDGE_LEFT | SEC_EDGE_RIGHT));
    EXPECT_EQ(node.GetEdgeSplitter(0), nullptr);
    ASSERT_NE(node.GetEdgeSplitter(2), nullptr);
    ASSERT_NE(node.GetEdgeSplitter(3), nullptr);
    EXPECT_TRUE(node.GetEdgeSplitter(2)->GetNodeOrientation());
    EXPECT_EQ(::GetDlgCtrlID(node.GetEdgeSplitter(2)->GetSplitterHwnd()), SEC_IDC_EDGE_SPLITTER);
    EXPECT_EQ(node.GetChildCount(FALSE), 3);

    RECT rcOut, rc;
    node.RecalcNode(rcOut, RECT{0, 0, 100, 50}, FALSE, TRUE);
    content.GetAppliedRect(rc);
    EXPECT_TRUE(RectIs(rc, 6, 0, 94, 50));
    node.GetEdgeSplitter(2)->GetAppliedRect(rc);
    EXPECT_TRUE(RectIs(rc, 0, 0, 6, 50));
    // Narrower than a bar: the left bar is an empty strip at the left edge.
    node.RecalcNode(rcOut, RECT{0, 0, 4, 50}, FALSE, TRUE);
    node.GetEdgeSplitter(2)->GetAppliedRect(rc);
    EXPECT_TRUE(RectIs(rc, 0, 0, 0, 50));

    node.EnableSizing(FALSE, TRUE, FALSE);
    EXPECT_EQ(node.GetChildCount(FALSE), 1);
    EXPECT_EQ(node.GetSizingEdges(), 0u);
    node.EnableSizing(TRUE, TRUE, FALSE);
    EXPECT_EQ(node.GetSizingEdges(), (DWORD)(SEC_EDGE_LEFT | SEC_EDGE_RIGHT));
    EXPECT_NE(node.GetEdgeSplitter(2), nullptr);
    EXPECT_NE(node.GetEdgeSplitter(3), nullptr);
    EXPECT_EQ(node.GetEdgeSplitter(0), nullptr);
    node.RemoveLayoutChild(&content);
    host.DestroyWindow();
}

TEST(SplitterTest, DraggingTheBottomEdgeMakesTheNodeTallerOnce)
{
    CHostWnd host;
    ASSERT_TRUE(host.CreateVisible(300, 200));
    CWnd content;
    ASSERT_TRUE(
        content.Create(_T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE, CRect(20, 20, 220, 114), &host, 2));
    SECLayoutFactory factory;
    SECLayoutNode* pRoot = factory.CreateNode();
    pRoot->SetInitialRect(RECT{0, 0, 300, 200});
    SECLNSizable sizable;
    sizable.SetInitialRect(RECT{20, 20, 220, 120});
    ASSERT_EQ(pRoot->AddLayoutChild(&sizable), 1);
    ASSERT_EQ(sizable.AddLayoutChild(factory.CreateWindowNode(&content, &host)), 1);
    ASSERT_TRUE(sizable.SetSizingEdges(&host, TRUE, SEC_EDGE_BOTTOM));
    sizable.SetSizingLimits(RECT{0, 0, 300, 200}, FALSE);
    RECT rcOut, rc;
    pRoot->RecalcNode(rcOut, RECT{0, 0, 300, 200}, FALSE, TRUE);
    pRoot->RealizeNode(NULL);
    ::GetWindowRect(sizable.GetEdgeSplitter(1)->GetSplitterHwnd(), &rc);
    host.ScreenToClient(&rc);
    EXPECT_TRUE(RectIs(rc, 20, 114, 220, 120));
    host.UpdateWindow();

    QueueDrag(host.Screen(120, 117), host.Screen(120, 127), false);
    sizable.GetAppliedRect(rc);
    EXPECT_TRUE(RectIs(rc, 20, 20, 220, 130));
    ::GetWindowRect(content.m_hWnd, &rc);
    host.ScreenToClient(&rc);
    EXPECT_TRUE(RectIs(rc, 20, 20, 220, 124));
    // Laid out again, it keeps its new size: the drag acted once.
    pRoot->RecalcNode(rcOut, RECT{0, 0, 300, 200}, TRUE, TRUE);
    sizable.GetAppliedRect(rc);
    EXPECT_TRUE(RectIs(rc, 20, 20, 220, 130));
    pRoot->RemoveLayoutChild(&sizable);
    sizable.EnableSizing(FALSE, FALSE, FALSE);
    host.DestroyWindow();
}
} // namespace

#include "uilib/common/SystemData.h"

namespace
{
COLORREF PixelOf(HWND hWnd, int x, int y)
{
    HDC hdc = ::GetDC(hWnd);
    COLORREF clr = ::GetPixel(hdc, x, y);
    ::ReleaseDC(hWnd, hdc);
    return clr;
}

// A 3-D bar: highlight on top, face inside, shadow then frame at the bottom; drawn with the
// colours the system has when it paints.
TEST(SplitterTest, BarsPaintWithTheCurrentSystemColours)
{
    CHostWnd host;
    ASSERT_TRUE(host.CreateVisible(300, 200));
    SECSplitterBase splitter;
    ASSERT_TRUE(splitter.Create(&host, RECT{0, 0, 300, 200}, WS_CHILD | WS_VISIBLE, 1, 0));
    splitter.AddPane(0, 0);
    splitter.AddPane(1, 0);
    splitter.SetSplitterPositions(0, 80);
    ASSERT_TRUE(RectIs(splitter.GetHorzBar(), 0, 80, 300, 86));
    SECSystemData& data = SECGetSystemData();
    auto expectBar = [&]() {
        splitter.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        PumpMessages(20);
        EXPECT_EQ(PixelOf(splitter.m_hWnd, 150, 80), data.m_clrBtnHilite);
        EXPECT_EQ(PixelOf(splitter.m_hWnd, 150, 82), data.m_clrBtnFace);
        EXPECT_EQ(PixelOf(splitter.m_hWnd, 150, 84), data.m_clrBtnShadow);
        EXPECT_EQ(PixelOf(splitter.m_hWnd, 150, 85), data.m_clrWindowFrame);
    };
    expectBar();
    const int elements[4] = {COLOR_BTNFACE, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_WINDOWFRAME};
    COLORREF oldColours[4],
        newColours[4] = {RGB(10, 200, 30), RGB(250, 240, 1), RGB(5, 6, 100), RGB(90, 0, 90)};
    for (int i = 0; i < 4; ++i)
        oldColours[i] = ::GetSysColor(elements[i]);
    ASSERT_TRUE(::SetSysColors(4, elements, newColours));
    data.RefreshColors();
    EXPECT_EQ(data.m_clrBtnFace, newColours[0]);
    expectBar();
    ::SetSysColors(4, elements, oldColours);
    data.RefreshColors();
    splitter.DestroyWindow();
    host.DestroyWindow();
}
} // namespace

namespace
{
// The crossing square (100, 80)-(106, 86) of bars 6 pixels thick: an edge of it is drawn only
// where no bar goes on beyond it. Three panes give the bars modes 0 and 1, four give 2.
TEST(SplitterTest, TheCrossingKeepsTheEdgesNoBarGoesOnBeyond)
{
    SECSystemData& data = SECGetSystemData();
    const COLORREF face = data.m_clrBtnFace, hilite = data.m_clrBtnHilite, shadow = data.m_clrBtnShadow,
                   frame = data.m_clrWindowFrame;
    struct Case
    {
        const char* name;
        int nMissingPane; // -1 none; else row * 2 + column
        DWORD dwFlags;
        int nHorzMode, nVertMode;
        // Middle of the top row, middle of the left column, middle of the shadow and frame rows,
        // middle of the shadow and frame columns.
        COLORREF top, left, bottomShadow, bottomFrame, rightShadow, rightFrame;
    } cases[] = {
        {"all four: 2, 2", -1, 0, 2, 2, face, face, face, face, face, face},
        {"no bottom-right: 0, 2", 3, 0, 0, 2, face, face, face, face, shadow, frame},
        {"no bottom-left: 1, 2", 2, 0, 1, 2, face, hilite, face, face, face, face},
        {"rows first, no bottom-right: 2, 0", 3, SEC_SPLITTER_ROWFIRST, 2, 0, face, face, shadow, frame, face,
         face},
        {"rows first, no top-left: 2, 1", 0, SEC_SPLITTER_ROWFIRST, 2, 1, hilite, face, face, face, face,
         face},
    };
    for (const Case& c : cases)
    {
        CHostWnd host;
        ASSERT_TRUE(host.CreateVisible(300, 200)) << c.name;
        SECSplitterBase splitter;
        ASSERT_TRUE(splitter.Create(&host, RECT{0, 0, 300, 200}, WS_CHILD | WS_VISIBLE, 1, c.dwFlags))
            << c.name;
        for (int i = 0; i < 4; ++i)
        {
            if (i == c.nMissingPane)
                continue;
            ASSERT_TRUE(splitter.AddPane(i / 2, i % 2)) << c.name;
        }
        splitter.SetSplitterPositions(100, 80);
        ASSERT_EQ(splitter.GetHorzMode(), c.nHorzMode) << c.name;
        ASSERT_EQ(splitter.GetVertMode(), c.nVertMode) << c.name;
        splitter.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        PumpMessages(20);
        const HWND h = splitter.m_hWnd;
        EXPECT_EQ(PixelOf(h, 103, 80), c.top) << c.name;
        EXPECT_EQ(PixelOf(h, 100, 83), c.left) << c.name;
        EXPECT_EQ(PixelOf(h, 103, 84), c.bottomShadow) << c.name;
        EXPECT_EQ(PixelOf(h, 103, 85), c.bottomFrame) << c.name;
        EXPECT_EQ(PixelOf(h, 104, 83), c.rightShadow) << c.name;
        EXPECT_EQ(PixelOf(h, 105, 83), c.rightFrame) << c.name;
        EXPECT_EQ(PixelOf(h, 102, 82), face) << c.name;
        splitter.DestroyWindow();
        host.DestroyWindow();
    }
}
} // namespace

namespace
{
// The virtual splitter's bar is laid out in the host's coordinates; painting its window realizes
// it there first, so a bar moved by a layout that was not realized yet is painted in its new place.
TEST(SplitterTest, VirtualSplitterPaintsItsBarWhereTheLayoutPutIt)
{
    CHostWnd host;
    ASSERT_TRUE(host.CreateVisible(300, 200));
    SECLNVirtualSplitter splitter;
    ASSERT_TRUE(splitter.Create(&host, RECT{}, WS_CHILD | WS_VISIBLE, 60911, 0));
    splitter.SetLimitRect(RECT{0, 0, 300, 200});
    RECT rcOut, rc;
    splitter.RecalcNode(rcOut, RECT{100, 0, 106, 200}, FALSE, TRUE);
    // Realized as part of a tree, the way the layouts that own virtual splitters realize them.
    SECLayoutNode root;
    ASSERT_EQ(root.AddLayoutChild(&splitter), 1);
    root.RealizeNode(NULL);
    ::GetWindowRect(splitter.GetSplitterHwnd(), &rc);
    host.ScreenToClient(&rc);
    ASSERT_TRUE(RectIs(rc, 100, 0, 106, 200));

    splitter.RecalcNode(rcOut, RECT{150, 0, 156, 200}, FALSE, TRUE);
    ::RedrawWindow(splitter.GetSplitterHwnd(), NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages(20);
    ::GetWindowRect(splitter.GetSplitterHwnd(), &rc);
    host.ScreenToClient(&rc);
    EXPECT_TRUE(RectIs(rc, 150, 0, 156, 200));
    // A vertical 3-D bar: highlight at the left, face inside, shadow then frame at the right.
    SECSystemData& data = SECGetSystemData();
    EXPECT_EQ(PixelOf(host.m_hWnd, 150, 100), data.m_clrBtnHilite);
    EXPECT_EQ(PixelOf(host.m_hWnd, 152, 100), data.m_clrBtnFace);
    EXPECT_EQ(PixelOf(host.m_hWnd, 154, 100), data.m_clrBtnShadow);
    EXPECT_EQ(PixelOf(host.m_hWnd, 155, 100), data.m_clrWindowFrame);
    root.RemoveLayoutChild(&splitter);
    splitter.DestroyWindow();
    host.DestroyWindow();
}

// Keeps what the drag feedback was drawn with, in the DC's (screen) coordinates.
class CDragRectSplitter : public SECLNVirtualSplitter
{
  public:
    std::vector<RECT> m_drawn, m_erased;
    void AdjustDragRect(RECT& rc, RECT& rcLast) override
    {
        SECLNVirtualSplitter::AdjustDragRect(rc, rcLast);
        m_drawn.push_back(rc);
        m_erased.push_back(rcLast);
    }
};

std::vector<COLORREF> ScreenRow(int x0, int x1, int y)
{
    std::vector<COLORREF> row;
    HDC hdc = ::GetDC(NULL);
    for (int x = x0; x < x1; ++x)
        row.push_back(::GetPixel(hdc, x, y));
    ::ReleaseDC(NULL, hdc);
    return row;
}

// Dragged by rectangle on a host away from the screen's origin: each rectangle is drawn at the
// bar's screen place and erased there, so a cancelled drag leaves the screen as it was.
TEST(SplitterTest, VirtualSplitterDragRectanglesAreInScreenCoordinates)
{
    CHostWnd host;
    ASSERT_TRUE(host.CreateVisible(300, 200));
    CDragRectSplitter splitter;
    ASSERT_TRUE(splitter.Create(&host, RECT{}, WS_CHILD | WS_VISIBLE, 60911, 0));
    splitter.SetLimitRect(RECT{0, 0, 300, 200});
    RECT rcOut;
    splitter.RecalcNode(rcOut, RECT{100, 0, 106, 200}, FALSE, TRUE);
    SECLayoutNode root;
    ASSERT_EQ(root.AddLayoutChild(&splitter), 1);
    root.RealizeNode(NULL);
    host.UpdateWindow();
    PumpMessages(20);
    const POINT ptOrigin = host.Screen(0, 0);
    ASSERT_NE(ptOrigin.x, 0);
    const std::vector<COLORREF> before = ScreenRow(ptOrigin.x + 90, ptOrigin.x + 170, ptOrigin.y + 40);

    QueueDrag(host.Screen(103, 40), host.Screen(153, 40), true);
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    EXPECT_EQ(splitter.GetVertBar().left, 100);
    ASSERT_GE(splitter.m_drawn.size(), 3u); // the start, at least one move, the erase
    // The bar in the splitter's client, one pixel shorter at each end, moved to the screen.
    EXPECT_TRUE(
        RectIs(splitter.m_drawn[0], ptOrigin.x + 100, ptOrigin.y + 1, ptOrigin.x + 106, ptOrigin.y + 199));
    EXPECT_TRUE(::IsRectEmpty(&splitter.m_erased[0]));
    for (size_t i = 1; i < splitter.m_drawn.size(); ++i)
    {
        SCOPED_TRACE(::testing::Message() << "rectangle " << i);
        const RECT& prev = splitter.m_drawn[i - 1];
        EXPECT_TRUE(RectIs(splitter.m_erased[i], prev.left, prev.top, prev.right, prev.bottom));
    }
    EXPECT_EQ(ScreenRow(ptOrigin.x + 90, ptOrigin.x + 170, ptOrigin.y + 40), before);
    root.RemoveLayoutChild(&splitter);
    splitter.DestroyWindow();
    host.DestroyWindow();
}

// Each side takes a change within its panes' limits in three steps: up to the minimum, up to
// the preferred extent, up to the maximum (the other way round when shrinking); what no limit
// lets either side take is shared.
TEST(SplitterTest, DistributeSizeWeighsMinimumPreferredAndMaximum)
{
    struct Side
    {
        int nMin, nPref, nMax; // 0: none
    };
    struct Case
    {
        const char* name;
        bool bRows;
        Side nearSide, farSide;
        int nOld, nNew, nSplit, nExpected;
    };
    const Case cases[] = {
        {"no limits: half each", false, {0, 0, 0}, {0, 0, 0}, 100, 120, 47, 57},
        {"near wants more: takes it all", false, {0, 80, 0}, {0, 0, 0}, 100, 120, 47, 67},
        {"near's preference reached, then shared", false, {0, 52, 0}, {0, 0, 0}, 100, 120, 47, 59},
        {"near's maximum", false, {0, 0, 50}, {0, 0, 0}, 100, 120, 47, 50},
        {"both at their maximum: the rest shared", false, {0, 0, 50}, {0, 0, 50}, 100, 120, 47, 57},
        {"near below its minimum fills up first", false, {60, 0, 0}, {0, 0, 0}, 100, 120, 47, 63},
        {"shrinking: near keeps its minimum", false, {40, 0, 0}, {0, 0, 0}, 100, 80, 47, 40},
        {"shrinking: both to their preferences, then shared", false, {0, 30, 0}, {0, 45, 0}, 100, 80, 47, 30},
        {"rows: top wants more", true, {0, 80, 0}, {0, 0, 0}, 100, 120, 47, 67},
        {"rows: top keeps its minimum", true, {40, 0, 0}, {0, 0, 0}, 100, 80, 47, 40},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        SECLayoutNodeSplitter splitter;
        SECLayoutNode nodes[2];
        const Side* sides[2] = {&c.nearSide, &c.farSide};
        for (int i = 0; i < 2; ++i)
        {
            const Side& s = *sides[i];
            const SIZE sizeMin = c.bRows ? SIZE{0, s.nMin} : SIZE{s.nMin, 0};
            const SIZE sizeMax = c.bRows ? SIZE{1000, s.nMax} : SIZE{s.nMax, 1000};
            nodes[i].SetMinMaxSize(sizeMin, sizeMax, s.nMax ? 0 : SEC_LN_NOMAX);
            nodes[i].SetPreferredRect(c.bRows ? RECT{0, 0, 0, s.nPref} : RECT{0, 0, s.nPref, 0});
            ASSERT_TRUE(c.bRows ? splitter.AddPaneNode(i, 0, &nodes[i])
                                : splitter.AddPaneNode(0, i, &nodes[i]));
        }
        const RECT rcOld = c.bRows ? RECT{0, 0, 100, c.nOld} : RECT{0, 0, c.nOld, 100};
        const RECT rcNew = c.bRows ? RECT{0, 0, 100, c.nNew} : RECT{0, 0, c.nNew, 100};
        int nSplitX = c.bRows ? 0 : c.nSplit, nSplitY = c.bRows ? c.nSplit : 0;
        splitter.DistributeSize(rcOld, rcNew, nSplitX, nSplitY, FALSE);
        EXPECT_EQ(c.bRows ? nSplitY : nSplitX, c.nExpected);
        EXPECT_EQ(c.bRows ? nSplitX : nSplitY, 0); // the other axis did not change
        // With keep, the far side takes the whole change.
        nSplitX = c.bRows ? 0 : c.nSplit;
        nSplitY = c.bRows ? c.nSplit : 0;
        splitter.DistributeSize(rcOld, rcNew, nSplitX, nSplitY, TRUE);
        EXPECT_EQ(c.bRows ? nSplitY : nSplitX, c.nSplit);
        for (int i = 0; i < 2; ++i)
            splitter.RemovePane(c.bRows ? i : 0, c.bRows ? 0 : i);
    }
}
} // namespace

TEST(SplitterTest, CursorOverEachBarAndTheCrossing)
{
    CHostWnd host;
    ASSERT_TRUE(host.CreateVisible(300, 200));
    SECSplitterBase splitter;
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(splitter.AddPane(i / 2, i % 2));
    ASSERT_TRUE(splitter.Create(&host, RECT{0, 0, 300, 200}, WS_CHILD | WS_VISIBLE, 1, 0));
    splitter.SetSplitterPositions(100, 80);
    const SECSystemData& data = SECGetSystemData();
    // Loaded once, from the library's own cursors.
    HINSTANCE hRes = AfxGetResourceHandle();
    EXPECT_EQ(data.m_hcurVSplit, ::LoadCursor(hRes, MAKEINTRESOURCE(IDC_SEC_SPLITTER_VERT)));
    EXPECT_EQ(data.m_hcurHSplit, ::LoadCursor(hRes, MAKEINTRESOURCE(IDC_SEC_SPLITTER_HORZ)));
    EXPECT_EQ(data.m_hcurSpare, ::LoadCursor(hRes, MAKEINTRESOURCE(IDC_SEC_SPLITTER_CROSS)));
    EXPECT_NE(data.m_hcurSpare, (HCURSOR)NULL);
    EXPECT_NE(data.m_hcurSpare, data.m_hcurVSplit);
    EXPECT_NE(data.m_hcurVSplit, data.m_hcurHSplit);
    struct Case
    {
        POINT pt;
        HCURSOR hExpected;
    } cases[] = {{{103, 40}, data.m_hcurVSplit},
                 {{50, 83}, data.m_hcurHSplit},
                 {{103, 83}, data.m_hcurSpare},
                 {{50, 40}, data.m_hcurArrow}};
    for (const Case& c : cases)
    {
        splitter.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(c.pt.x, c.pt.y));
        EXPECT_EQ(::GetCursor(), c.hExpected) << c.pt.x << "," << c.pt.y;
    }
    splitter.DestroyWindow();
    host.DestroyWindow();
}
