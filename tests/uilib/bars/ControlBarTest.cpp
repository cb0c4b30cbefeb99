// The library's control bar: free bar ids, remembered sizes, inside rectangles, child scaling,
// the gripper with its close and expand buttons under real clicks, and the context menu with its
// commands.
#include "BarsTestApp.h"
#include "BarsIds.h"
#include "FramesIds.h"
#include "TestSupport.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/common/SystemData.h"
#include <memory>
#include <thread>
#include <vector>

using namespace testing_support;

class CControlBarTestView : public CView
{
  public:
    void OnDraw(CDC*) override
    {
    }
};

// A frame with a view and one dock bar along the top; it adds the docking layer's item to a
// bar's context menu as the library's frames do.
class CControlBarTestFrame : public CFrameWnd
{
  public:
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext*) override
    {
        m_pView = new CControlBarTestView;
        if (!m_pView->Create(NULL, _T("Ansicht"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                             AFX_IDW_PANE_FIRST))
            return FALSE;
        SetActiveView(m_pView);
        return TRUE;
    }
    afx_msg LRESULT OnBarContextMenu(WPARAM wParam, LPARAM lParam)
    {
        m_pMenuBar = (SECControlBar*)wParam;
        CString strItem;
        strItem.LoadString(ID_SEC_FLOAT_AS_MDICHILD);
        CMenu* pMenu = (CMenu*)lParam;
        pMenu->AppendMenu(MF_SEPARATOR);
        pMenu->AppendMenu(MF_STRING, ID_SEC_FLOAT_AS_MDICHILD, strItem);
        return 0;
    }
    CControlBarTestView* m_pView = NULL;
    SECControlBar* m_pMenuBar = NULL;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CControlBarTestFrame, CFrameWnd)
ON_MESSAGE(WM_SEC_BARCONTEXTMENU, OnBarContextMenu)
END_MESSAGE_MAP()

namespace
{
const DWORD kGripperStyles = BAR_EX_FLAT | BAR_EX_GRIPPER | BAR_EX_CLOSE_BUTTON | BAR_EX_EXPAND_BUTTON;

class CBarFixture
{
  public:
    CControlBarTestFrame* m_pFrame;
    SECDockBar* m_pDock;
    std::vector<SECControlBar*> m_bars;

    CBarFixture()
    {
        m_pFrame = new CControlBarTestFrame;
        m_pFrame->Create(NULL, _T("Leisten"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(60, 60, 660, 460));
        m_pDock = new SECDockBar;
        m_pDock->Create(m_pFrame, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_ALIGN_TOP,
                        AFX_IDW_DOCKBAR_TOP);
        AfxGetApp()->m_pMainWnd = m_pFrame;
        m_pFrame->SetForegroundWindow();
    }
    ~CBarFixture()
    {
        AfxGetApp()->m_pMainWnd = NULL;
        m_pFrame->DestroyWindow();
    }
    // A docked bar; the bars added go into one row.
    SECControlBar* AddBar(DWORD dwExStyle, float fPct = 0.5f)
    {
        SECControlBar* pBar = new SECControlBar;
        pBar->m_szDefault = CSize(100, 40);
        pBar->Create(m_pFrame, _T("Leiste"), WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS, dwExStyle,
                     0x200 + (UINT)m_bars.size());
        pBar->m_bAutoDelete = TRUE;
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        pBar->m_fPctWidth = fPct;
        m_pDock->DockControlBar(pBar, NULL);
        m_bars.push_back(pBar);
        m_pDock->m_arrBars.RemoveAll();
        m_pDock->m_arrBars.Add(NULL);
        for (SECControlBar* p : m_bars)
            m_pDock->m_arrBars.Add(p);
        m_pDock->m_arrBars.Add(NULL);
        return pBar;
    }
    void Layout()
    {
        m_pFrame->RecalcLayout();
        m_pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages(30);
    }
    // Pumps until pred() holds, running the frame's idle work (its delayed layout) as the
    // application's idle time would.
    template <class Pred> bool PumpWithIdle(Pred pred, DWORD ms = 2000)
    {
        return PumpUntil(
            [&] {
                AfxGetApp()->OnIdle(0);
                return pred();
            },
            ms);
    }
    static POINT ScreenCentre(CWnd* pWnd, const CRect& rectClient)
    {
        CPoint pt = rectClient.CenterPoint();
        pWnd->ClientToScreen(&pt);
        return pt;
    }
};

// Lets the double-click time pass, so the next press on the same spot is a press of its own.
void WaitOutDoubleClick()
{
    PumpMessages(::GetDoubleClickTime() + 50);
}

void SendRightClick(POINT screen)
{
    MoveMouseTo(screen);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    ::SendInput(2, in, sizeof(INPUT));
}

// What a pop-up menu showed.
struct MenuSnapshot
{
    bool bSeen = false;
    CRect rect;
    std::vector<UINT> ids;
    std::vector<bool> checked;
    std::vector<CString> texts;
};

// Waits on a second thread for a pop-up menu to open (the opening thread is inside the menu's
// loop), reads it, then sends the keys given (Escape closes it).
class MenuWatcher
{
  public:
    explicit MenuWatcher(std::vector<WORD> keys = {VK_ESCAPE}) : m_keys(keys), m_thread([this] { Run(); })
    {
    }
    ~MenuWatcher()
    {
        Join();
    }
    void Join()
    {
        if (m_thread.joinable())
            m_thread.join();
    }
    MenuSnapshot m_seen;

  private:
    static HWND FindMenuWindow()
    {
        HWND hWnd = NULL;
        while ((hWnd = ::FindWindowEx(NULL, hWnd, MAKEINTATOM(0x8000), NULL)) != NULL)
        {
            if (::IsWindowVisible(hWnd))
                return hWnd;
        }
        return NULL;
    }
    void Run()
    {
        const ULONGLONG start = NowMs();
        HWND hMenuWnd = NULL;
        while ((hMenuWnd = FindMenuWindow()) == NULL && NowMs() - start < 5000)
            ::Sleep(10);
        if (hMenuWnd != NULL)
        {
            HMENU hMenu = (HMENU)::SendMessage(hMenuWnd, MN_GETHMENU, 0, 0);
            ::GetWindowRect(hMenuWnd, &m_seen.rect);
            for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
            {
                TCHAR sz[128] = {};
                ::GetMenuString(hMenu, i, sz, 128, MF_BYPOSITION);
                m_seen.ids.push_back(::GetMenuItemID(hMenu, i));
                m_seen.checked.push_back((::GetMenuState(hMenu, i, MF_BYPOSITION) & MF_CHECKED) != 0);
                m_seen.texts.push_back(sz);
            }
            m_seen.bSeen = true;
        }
        // Keys go even when no menu was seen, so a late menu cannot block the test.
        for (WORD vk : m_keys)
        {
            INPUT in[2] = {};
            in[0].type = in[1].type = INPUT_KEYBOARD;
            in[0].ki.wVk = in[1].ki.wVk = vk;
            in[1].ki.dwFlags = KEYEVENTF_KEYUP;
            ::SendInput(2, in, sizeof(INPUT));
            ::Sleep(30);
        }
    }
    std::vector<WORD> m_keys;
    std::thread m_thread;
};

TEST(ControlBar, FindUnusedBarIDProbesAThousandIds)
{
    CBarFixture fix;
    EXPECT_EQ(0u, SECControlBar::FindUnusedBarID(NULL, 300));
    EXPECT_FALSE(SECControlBar::IsBarIDUnused(NULL, 300));
    EXPECT_FALSE(SECControlBar::IsBarIDUnused(fix.m_pFrame, 0));
    // Dock bars do not count.
    EXPECT_TRUE(SECControlBar::IsBarIDUnused(fix.m_pFrame, AFX_IDW_DOCKBAR_TOP));

    std::vector<std::unique_ptr<SECControlBar>> bars;
    auto addBar = [&](UINT nID) {
        bars.emplace_back(new SECControlBar);
        bars.back()->Create(fix.m_pFrame, NULL, WS_CHILD | CBRS_TOP, 0, nID);
    };
    for (UINT nID : {300u, 301u, 303u})
        addBar(nID);
    for (UINT nID = 1000; nID < 2000; ++nID)
        addBar(nID);
    const struct
    {
        UINT nFirst, nExpected;
    } rows[] = {
        {300, 302},   {302, 302}, {303, 304}, {299, 299}, {1000, 0}, // it and the 999 after it are taken
        {1001, 2000},                                                // the last of its thousand probes
        {999, 999},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.nFirst);
        EXPECT_EQ(row.nExpected, SECControlBar::FindUnusedBarID(fix.m_pFrame, row.nFirst));
    }
    EXPECT_FALSE(SECControlBar::IsBarIDUnused(fix.m_pFrame, 301));
}

TEST(ControlBar, CalcDynamicLayoutStoresTheLengthItsModeSelects)
{
    const struct
    {
        const char* name;
        int nLength;
        DWORD dwMode;
        float fPct;
        CSize result, horz, vert, floating;
        UINT nMRUWidth;
    } rows[] = {
        {"horizontal width",
         250,
         LM_COMMIT | LM_HORZDOCK | LM_HORZ,
         1.0f,
         {250, 180},
         {250, 180},
         {300, 180},
         {300, 180},
         32767},
        {"horizontal height",
         50,
         LM_COMMIT | LM_HORZDOCK | LM_HORZ | LM_LENGTHY,
         1.0f,
         {300, 50},
         {300, 50},
         {300, 180},
         {300, 180},
         32767},
        {"stretched by the share, truncated",
         401,
         LM_COMMIT | LM_STRETCH | LM_HORZDOCK | LM_HORZ,
         0.5f,
         {200, 180},
         {200, 180},
         {300, 180},
         {300, 180},
         32767},
        {"vertical width",
         90,
         LM_COMMIT | LM_VERTDOCK,
         1.0f,
         {90, 180},
         {300, 180},
         {90, 180},
         {300, 180},
         32767},
        {"vertical height",
         400,
         LM_COMMIT | LM_VERTDOCK | LM_LENGTHY,
         1.0f,
         {300, 400},
         {300, 180},
         {300, 400},
         {300, 180},
         32767},
        {"floating width is the MRU width",
         222,
         LM_COMMIT,
         1.0f,
         {222, 180},
         {300, 180},
         {300, 180},
         {222, 180},
         222},
        {"floating height",
         77,
         LM_COMMIT | LM_LENGTHY,
         1.0f,
         {300, 77},
         {300, 180},
         {300, 180},
         {300, 77},
         32767},
        {"docked without commit",
         999,
         LM_HORZDOCK | LM_HORZ,
         1.0f,
         {300, 180},
         {300, 180},
         {300, 180},
         {300, 180},
         32767},
        {"floating without commit",
         999,
         LM_HORZ,
         1.0f,
         {300, 180},
         {300, 180},
         {300, 180},
         {300, 180},
         32767},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        SECControlBar bar;
        bar.m_szDockHorz = bar.m_szDockVert = bar.m_szFloat = CSize(300, 180);
        bar.m_fPctWidth = row.fPct;
        EXPECT_EQ(row.result, bar.CalcDynamicLayout(row.nLength, row.dwMode));
        EXPECT_EQ(row.horz, bar.m_szDockHorz);
        EXPECT_EQ(row.vert, bar.m_szDockVert);
        EXPECT_EQ(row.floating, bar.m_szFloat);
        EXPECT_EQ(row.nMRUWidth, bar.m_nMRUWidth);
    }
}

TEST(ControlBar, InsideRectangleTakesTheGripperOnlyForFlatDockedBars)
{
    const struct
    {
        const char* name;
        DWORD dwExStyle, dwStyle;
        BOOL bHorz, bWithGripper;
        CRect rect, expected;
    } rows[] = {
        {"not flat: the gripper bit changes nothing",
         BAR_EX_GRIPPER,
         CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM,
         TRUE,
         TRUE,
         {0, 0, 200, 40},
         {6, 1, 194, 37}},
        {"not flat, no gripper",
         0,
         CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM,
         TRUE,
         TRUE,
         {0, 0, 200, 40},
         {6, 1, 194, 37}},
        {"flat with gripper",
         BAR_EX_FLAT | BAR_EX_GRIPPER,
         CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM,
         TRUE,
         FALSE,
         {0, 0, 200, 40},
         {17, 1, 194, 38}},
        {"flat without gripper",
         BAR_EX_FLAT,
         CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM,
         TRUE,
         TRUE,
         {0, 0, 200, 40},
         {6, 1, 194, 38}},
        {"flat, floating",
         BAR_EX_FLAT | BAR_EX_GRIPPER,
         CBRS_ALIGN_TOP | CBRS_FLOATING,
         TRUE,
         TRUE,
         {0, 0, 200, 40},
         {6, 1, 194, 39}},
        {"vertical with gripper",
         BAR_EX_FLAT | BAR_EX_GRIPPER,
         CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT,
         FALSE,
         TRUE,
         {0, 0, 40, 200},
         {1, 17, 38, 194}},
        {"vertical, gripper not asked for",
         BAR_EX_FLAT | BAR_EX_GRIPPER,
         CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT,
         FALSE,
         FALSE,
         {0, 0, 40, 200},
         {1, 6, 38, 194}},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        SECControlBar bar;
        bar.m_dwExStyle = row.dwExStyle;
        bar.m_dwStyle = row.dwStyle;
        CRect rect(row.rect);
        bar.CalcInsideRect(rect, row.bHorz, row.bWithGripper);
        EXPECT_EQ(row.expected, rect);
    }
}

TEST(ControlBar, GripperLaysOutItsButtonsAndDrawsTwoRaisedLines)
{
    const struct
    {
        const char* name;
        DWORD dwStyle;
        CRect rect, close, expand;
        POINT hilite, shadow, untouched; // on the first line
    } rows[] = {
        {"gripper on the left",
         CBRS_ALIGN_TOP,
         {0, 0, 200, 40},
         {3, 4, 14, 15},
         {3, 17, 14, 28},
         {5, 31},
         {7, 32},
         {6, 32}},
        {"gripper on top",
         CBRS_ALIGN_LEFT,
         {0, 0, 40, 200},
         {25, 3, 36, 14},
         {12, 3, 23, 14},
         {5, 5},
         {6, 7},
         {6, 6}},
    };
    CBarFixture fix; // the bar needs a window for its DC only
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        SECControlBar bar;
        bar.Create(fix.m_pFrame, NULL, WS_CHILD, kGripperStyles, 0x300);
        bar.m_dwStyle = row.dwStyle;
        CClientDC dcBar(&bar);
        CDC dc;
        dc.CreateCompatibleDC(&dcBar);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dcBar, 200, 200);
        CBitmap* pOld = dc.SelectObject(&bitmap);
        const COLORREF clrBack = RGB(1, 2, 3);
        dc.FillSolidRect(0, 0, 200, 200, clrBack);
        bar.DrawGripper(&dc, row.rect);
        EXPECT_EQ(row.close, bar.GetCloseButtonRect());
        EXPECT_EQ(row.expand, bar.GetExpandButtonRect());
        const SECSystemData& sys = SECGetSystemData();
        EXPECT_EQ(sys.m_clrBtnHilite, dc.GetPixel(row.hilite));
        EXPECT_EQ(sys.m_clrBtnShadow, dc.GetPixel(row.shadow));
        EXPECT_EQ(clrBack, dc.GetPixel(row.untouched));
        // Not in a dock bar: nothing to expand in.
        EXPECT_FALSE(bar.m_bExpandEnabled);
        dc.SelectObject(pOld);
        bar.DestroyWindow();
    }
}

TEST(ControlBar, ChildrenKeepTheirProportions)
{
    struct Child
    {
        CRect recorded, expected;
    };
    const struct
    {
        const char* name;
        DWORD dwExStyle;
        CSize recordedSize, newSize;
        UINT nSizeType;
        std::vector<Child> children;
    } rows[] = {
        {"plain",
         BAR_EX_SCALE_CHILDREN,
         {200, 100},
         {400, 50},
         SIZE_RESTORED,
         {{{10, 10, 90, 50}, {20, 5, 180, 25}}, {{100, 0, 200, 100}, {200, 0, 400, 50}}}},
        {"margins",
         BAR_EX_SCALE_CHILDREN | BAR_EX_MARGINS,
         {200, 100},
         {380, 170},
         SIZE_RESTORED,
         {{{10, 10, 100, 90}, {10, 10, 190, 160}}, {{100, 10, 190, 90}, {190, 10, 370, 160}}}},
        {"gripper strip",
         BAR_EX_SCALE_CHILDREN | BAR_EX_FLAT | BAR_EX_GRIPPER,
         {200, 100},
         {380, 50},
         SIZE_RESTORED,
         {{{17, 3, 107, 97}, {17, 3, 197, 47}}}},
        {"zero height moves nothing",
         BAR_EX_SCALE_CHILDREN,
         {200, 100},
         {400, 0},
         SIZE_RESTORED,
         {{{10, 10, 90, 50}, {10, 10, 90, 50}}}},
        {"minimised moves nothing",
         BAR_EX_SCALE_CHILDREN,
         {200, 100},
         {400, 50},
         SIZE_MINIMIZED,
         {{{10, 10, 90, 50}, {10, 10, 90, 50}}}},
        {"fill child",
         BAR_EX_FILL_CHILD | BAR_EX_MARGINS,
         {200, 100},
         {300, 100},
         SIZE_RESTORED,
         {{{0, 0, 5, 5}, {10, 10, 290, 90}}}},
        {"not recorded", 0, {200, 100}, {400, 50}, SIZE_RESTORED, {{{10, 10, 90, 50}, {10, 10, 90, 50}}}},
    };
    CBarFixture fix;
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        SECControlBar bar;
        // Inside the view, so the frame does not lay it out.
        bar.Create(fix.m_pFrame->m_pView, NULL, WS_CHILD | WS_VISIBLE, row.dwExStyle & ~BAR_EX_SCALE_CHILDREN,
                   0x300);
        bar.m_dwStyle = CBRS_ALIGN_TOP;
        bar.SetWindowPos(NULL, 0, 0, row.recordedSize.cx, row.recordedSize.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        std::vector<std::unique_ptr<CWnd>> children;
        for (const Child& child : row.children)
        {
            children.emplace_back(new CWnd);
            children.back()->Create(_T("STATIC"), NULL, WS_CHILD | WS_VISIBLE, child.recorded, &bar, 1);
        }
        // Switching the bit on records the layout.
        bar.SetExBarStyle(row.dwExStyle, FALSE);
        EXPECT_EQ((row.dwExStyle & BAR_EX_SCALE_CHILDREN) != 0, bar.GetChildLayout() != NULL);
        if (row.nSizeType == SIZE_MINIMIZED)
            bar.SendMessage(WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(row.newSize.cx, row.newSize.cy));
        else
            bar.SetWindowPos(NULL, 0, 0, row.newSize.cx, row.newSize.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        for (size_t i = 0; i < children.size(); ++i)
        {
            CRect rect;
            children[i]->GetWindowRect(&rect);
            bar.ScreenToClient(&rect);
            const CRect& expected = row.children[i].expected;
            EXPECT_TRUE(expected == rect) << "child " << i << ": " << rect.left << "," << rect.top << ","
                                          << rect.right << "," << rect.bottom;
        }
        bar.SetExBarStyle(0, FALSE);
        EXPECT_TRUE(bar.GetChildLayout() == NULL) << "dropped with the bit";
        children.clear();
        bar.DestroyWindow();
    }
}

TEST(ControlBar, CloseButtonHidesTheBarAndFocusesTheView)
{
    CBarFixture fix;
    SECControlBar* pBar = fix.AddBar(kGripperStyles, 1.0f);
    fix.Layout();
    const CRect rectClose = pBar->GetCloseButtonRect();
    ASSERT_FALSE(rectClose.IsRectEmpty());
    pBar->SetFocus();
    ASSERT_NE(fix.m_pFrame->m_pView->m_hWnd, ::GetFocus());
    // A press released off the button does nothing.
    MoveMouseTo(CBarFixture::ScreenCentre(pBar, rectClose));
    SendLeftButton(true);
    EXPECT_TRUE(pBar->m_bClosePressed);
    CPoint ptOff = rectClose.CenterPoint() + CSize(0, 30);
    pBar->ClientToScreen(&ptOff);
    MoveMouseTo(ptOff);
    SendLeftButton(false);
    EXPECT_FALSE(pBar->m_bClosePressed);
    EXPECT_TRUE(pBar->IsWindowVisible());

    WaitOutDoubleClick();
    ClickAt(CBarFixture::ScreenCentre(pBar, rectClose));
    EXPECT_TRUE(PumpUntil([&] { return !pBar->IsWindowVisible(); }, 2000));
    EXPECT_EQ(fix.m_pFrame->m_pView->m_hWnd, ::GetFocus());
}

TEST(ControlBar, ExpandButtonExpandsAndContractsTheBarInItsRow)
{
    CBarFixture fix;
    SECControlBar* pFirst = fix.AddBar(kGripperStyles);
    SECControlBar* pSecond = fix.AddBar(kGripperStyles);
    fix.Layout();
    ASSERT_TRUE(pFirst->m_bExpandEnabled);
    ASSERT_TRUE(pFirst->m_bNotExpanded);
    const CRect rectExpand = pFirst->GetExpandButtonRect();
    ASSERT_FALSE(rectExpand.IsRectEmpty());
    CRect rectSecond;
    pSecond->GetWindowRect(&rectSecond);
    const int cxSecondBefore = rectSecond.Width();

    ClickAt(CBarFixture::ScreenCentre(pFirst, rectExpand));
    EXPECT_TRUE(fix.PumpWithIdle([&] { return !pFirst->m_bNotExpanded; }))
        << "drawn as expanded after the layout";
    EXPECT_GT(pFirst->m_fPctWidth, 0.8f);
    pSecond->GetWindowRect(&rectSecond);
    EXPECT_LT(rectSecond.Width(), cxSecondBefore / 2);

    WaitOutDoubleClick();
    ClickAt(CBarFixture::ScreenCentre(pFirst, pFirst->GetExpandButtonRect()));
    EXPECT_TRUE(fix.PumpWithIdle([&] { return pFirst->m_bNotExpanded != FALSE; }));
    EXPECT_NEAR(pFirst->m_fPctWidth, pSecond->m_fPctWidth, 0.02f);

    // Alone in its row the button is disabled and a click does nothing.
    pSecond->ShowWindow(SW_HIDE);
    fix.Layout();
    EXPECT_FALSE(pFirst->m_bExpandEnabled);
    const float fBefore = pFirst->m_fPctWidth;
    WaitOutDoubleClick();
    ClickAt(CBarFixture::ScreenCentre(pFirst, pFirst->GetExpandButtonRect()));
    PumpMessages(100);
    EXPECT_FLOAT_EQ(fBefore, pFirst->m_fPctWidth);
}

TEST(ControlBar, ContextMenuHoldsTheBarItemsAndTheDockingLayers)
{
    CBarFixture fix;
    SECControlBar* pBar = fix.AddBar(BAR_EX_CONTEXT_MENU, 1.0f);
    fix.Layout();
    CRect rectClient;
    pBar->GetClientRect(&rectClient);
    const POINT ptClick = CBarFixture::ScreenCentre(pBar, rectClient);
    {
        MenuWatcher watcher;
        SendRightClick(ptClick);
        PumpUntil([&] { return fix.m_pFrame->m_pMenuBar != NULL; }, 3000);
        watcher.Join();
        const MenuSnapshot& seen = watcher.m_seen;
        ASSERT_TRUE(seen.bSeen);
        EXPECT_EQ(pBar, fix.m_pFrame->m_pMenuBar);
        const std::vector<UINT> ids = {ID_SEC_ALLOW_DOCKING, ID_SEC_HIDE_BAR, 0, ID_SEC_FLOAT_AS_MDICHILD};
        EXPECT_EQ(ids, seen.ids);
        ASSERT_EQ(4u, seen.texts.size());
        EXPECT_STREQ(_T("Andocken zulassen"), seen.texts[0]);
        EXPECT_STREQ(_T("Verstecken"), seen.texts[1]);
        EXPECT_STREQ(_T("Im Hauptfenster floaten lassen"), seen.texts[3]);
        EXPECT_TRUE(seen.checked[0]) << "docking is allowed";
        EXPECT_EQ(ptClick.x, seen.rect.left);
        EXPECT_EQ(ptClick.y, seen.rect.top);
    }
    {
        // Asked for by the keyboard: a quarter of the width in, 10 pixels down.
        MenuWatcher watcher;
        pBar->SendMessage(WM_CONTEXTMENU, (WPARAM)pBar->m_hWnd, MAKELPARAM(-1, -1));
        watcher.Join();
        ASSERT_TRUE(watcher.m_seen.bSeen);
        CPoint pt(rectClient.Width() / 4, 10);
        pBar->ClientToScreen(&pt);
        EXPECT_EQ(pt.x, watcher.m_seen.rect.left);
        EXPECT_EQ(pt.y, watcher.m_seen.rect.top);
    }
    {
        // Without the style the bar shows no menu.
        pBar->ModifyExBarStyle(BAR_EX_CONTEXT_MENU, 0, FALSE);
        fix.m_pFrame->m_pMenuBar = NULL;
        pBar->SendMessage(WM_CONTEXTMENU, (WPARAM)pBar->m_hWnd, MAKELPARAM(-1, -1));
        EXPECT_TRUE(fix.m_pFrame->m_pMenuBar == NULL);
    }
}

TEST(ControlBar, AllowDockingFloatsTheBarAndSwitchesDockingOffThenOnAgain)
{
    CBarFixture fix;
    SECControlBar* pBar = fix.AddBar(BAR_EX_CONTEXT_MENU | kGripperStyles, 1.0f);
    fix.Layout();
    ASSERT_FALSE(pBar->IsFloating());
    ASSERT_FALSE(pBar->GetCloseButtonRect().IsRectEmpty());
    {
        // The first item, chosen with the keyboard.
        MenuWatcher watcher({VK_DOWN, VK_RETURN});
        pBar->SendMessage(WM_CONTEXTMENU, (WPARAM)pBar->m_hWnd, MAKELPARAM(-1, -1));
        watcher.Join();
        ASSERT_TRUE(watcher.m_seen.bSeen);
    }
    EXPECT_TRUE(PumpUntil([&] { return pBar->IsFloating() != FALSE; }, 2000));
    EXPECT_EQ(0u, pBar->m_dwDockStyle & CBRS_ALIGN_ANY);
    EXPECT_EQ((DWORD)CBRS_ALIGN_ANY, pBar->m_dwSavedDockStyle);
    // A floating bar shows and reserves no gripper.
    pBar->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(pBar->GetCloseButtonRect().IsRectEmpty());
    EXPECT_TRUE(pBar->GetExpandButtonRect().IsRectEmpty());
    CRect rectClient, rectChild;
    pBar->GetClientRect(&rectClient);
    pBar->CalcChildArea(rectChild);
    EXPECT_EQ(rectClient, rectChild);
    {
        MenuWatcher watcher;
        pBar->SendMessage(WM_CONTEXTMENU, (WPARAM)pBar->m_hWnd, MAKELPARAM(-1, -1));
        watcher.Join();
        ASSERT_TRUE(watcher.m_seen.bSeen);
        EXPECT_FALSE(watcher.m_seen.checked[0]) << "docking is off";
    }
    pBar->SendMessage(WM_COMMAND, ID_SEC_ALLOW_DOCKING);
    EXPECT_EQ((DWORD)CBRS_ALIGN_ANY, pBar->m_dwDockStyle & CBRS_ALIGN_ANY);
    EXPECT_TRUE(pBar->IsFloating()) << "enabling docking leaves the bar where it is";
}

} // namespace
