// Dock bars on a real frame: row shares, minimum shares, placement in pixels, splitter drags
// with real mouse input (limits, cancelling, a quit during the drag), insertion rules and the
// bar menu.
#include "DragInput.h"
#include "TestSupport.h"
#include "afxwin.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/bars/CustomToolBar.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/common/SystemData.h"
#include <algorithm>
#include <climits>
#include <memory>
#include <vector>

using namespace drag_input;
using namespace testing_support;

namespace
{
// A frame with one SECDockBar along the chosen side, holding bars in the rows given.
class CDockFixture
{
  public:
    CFrameWnd* m_pFrame = NULL;
    SECDockBar* m_pDock = NULL;
    std::vector<SECControlBar*> m_bars;

    explicit CDockFixture(DWORD dwAlign = CBRS_ALIGN_TOP, CRect rect = CRect(60, 60, 660, 460))
    {
        m_pFrame = new CFrameWnd;
        m_pFrame->Create(NULL, _T("Dock test"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect);
        m_pDock = new SECDockBar;
        const UINT nID = dwAlign == CBRS_ALIGN_TOP      ? AFX_IDW_DOCKBAR_TOP
                         : dwAlign == CBRS_ALIGN_BOTTOM ? AFX_IDW_DOCKBAR_BOTTOM
                         : dwAlign == CBRS_ALIGN_LEFT   ? AFX_IDW_DOCKBAR_LEFT
                                                        : AFX_IDW_DOCKBAR_RIGHT;
        m_pDock->Create(m_pFrame, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | dwAlign, nID);
        AfxGetApp()->m_pMainWnd = m_pFrame;
    }
    ~CDockFixture()
    {
        AfxGetApp()->m_pMainWnd = NULL;
        m_pFrame->DestroyWindow(); // deletes the frame, its dock bar and the auto-deleting bars
    }

    SECControlBar* AddBar(const TCHAR* pszTitle, float fPct, CSize size = CSize(100, 60))
    {
        SECControlBar* pBar = new SECControlBar;
        pBar->m_szDefault = size;
        pBar->Create(m_pFrame, pszTitle, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0, 0x100 + (UINT)m_bars.size());
        pBar->m_bAutoDelete = TRUE;
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        pBar->m_fPctWidth = fPct;
        m_pDock->DockControlBar(pBar, NULL);
        m_bars.push_back(pBar);
        return pBar;
    }
    // Rows of the given bars (indexes into m_bars), placeholders as ids, in one array.
    void SetRows(const std::vector<std::vector<int>>& rows)
    {
        m_pDock->m_arrBars.RemoveAll();
        m_pDock->m_arrBars.Add(NULL);
        for (const auto& row : rows)
        {
            for (int n : row)
                m_pDock->m_arrBars.Add(n >= 0 ? (void*)m_bars[n] : (void*)(UINT_PTR)(-n));
            m_pDock->m_arrBars.Add(NULL);
        }
    }
    CRect BarRect(int n) const
    {
        CRect rect;
        m_bars[n]->GetWindowRect(&rect);
        m_pDock->ScreenToClient(&rect);
        return rect;
    }
    void Layout()
    {
        m_pFrame->RecalcLayout();
        PumpMessages(30);
    }
};

TEST(DockBar, NormalizingARowGivesNewBarsTheirShare)
{
    struct Row
    {
        const char* name;
        std::vector<float> pcts;
        std::vector<bool> assigned;
        std::vector<bool> visible;
        int nPreferred;
        std::vector<float> expected;
    } rows[] = {
        {"0.3 into 0.5/0.5",
         {0.5f, 0.5f, 0.3f},
         {true, true, false},
         {true, true, true},
         2,
         {0.35f, 0.35f, 0.3f}},
        {"alone", {0.3f}, {false}, {true}, 0, {1.0f}},
        {"preferred alone", {0.3f}, {true}, {true}, 0, {1.0f}},
        {"hidden bar left out", {0.5f, 0.5f}, {true, true}, {true, false}, -1, {1.0f, 0.5f}},
        {"asks for too much",
         {0.5f, 0.5f, 1.0f},
         {true, true, false},
         {true, true, true},
         -1,
         {0.025f, 0.025f, 0.95f}},
        {"old bars keep proportion", {0.2f, 0.6f}, {true, true}, {true, true}, -1, {0.25f, 0.75f}},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CDockFixture fix(CBRS_ALIGN_TOP, CRect(60, 60, 60 + 1200, 460));
        for (size_t i = 0; i < row.pcts.size(); ++i)
            fix.AddBar(_T("Bar"), row.pcts[i]);
        fix.SetRows({[&] {
            std::vector<int> v;
            for (size_t i = 0; i < row.pcts.size(); ++i)
                v.push_back((int)i);
            return v;
        }()});
        for (size_t i = 0; i < row.pcts.size(); ++i)
        {
            fix.m_bars[i]->m_fPctWidth = row.pcts[i];
            fix.m_bars[i]->m_bPctWidthSet = row.assigned[i];
            fix.m_bars[i]->ShowWindow(row.visible[i] ? SW_SHOWNA : SW_HIDE);
        }
        // A dock bar long enough that the minimum share (18 pixels) stays below the results.
        fix.m_pDock->MoveWindow(0, 0, 1000, 40);
        int nFlexible = 0, nFixed = 0;
        fix.m_pDock->NormalizeRow(1, row.nPreferred >= 0 ? fix.m_bars[row.nPreferred] : NULL, &nFlexible,
                                  &nFixed);
        int nVisible = 0;
        for (size_t i = 0; i < row.pcts.size(); ++i)
        {
            EXPECT_NEAR(row.expected[i], fix.m_bars[i]->m_fPctWidth, 1e-5) << "bar " << i;
            nVisible += row.visible[i] ? 1 : 0;
            if (!row.visible[i])
            {
                EXPECT_FALSE(fix.m_bars[i]->m_bPctWidthSet);
            }
        }
        EXPECT_EQ(nVisible, nFlexible);
        EXPECT_EQ(0, nFixed);
    }
}

TEST(DockBar, MinimumShareKeepsEighteenPixels)
{
    struct Row
    {
        DWORD dwAlign;
        CSize size;
        float fMin;
    } rows[] = {
        {CBRS_ALIGN_TOP, CSize(200, 30), 0.09f},  {CBRS_ALIGN_TOP, CSize(1800, 30), 0.01f},
        {CBRS_ALIGN_TOP, CSize(10, 30), 1.0f},    {CBRS_ALIGN_TOP, CSize(0, 30), 0.05f},
        {CBRS_ALIGN_LEFT, CSize(30, 360), 0.05f}, {CBRS_ALIGN_LEFT, CSize(500, 0), 0.05f},
    };
    for (const Row& row : rows)
    {
        CDockFixture fix(row.dwAlign);
        fix.m_pDock->MoveWindow(0, 0, row.size.cx, row.size.cy);
        fix.m_pDock->RecalcMinPercentWidth();
        EXPECT_NEAR(row.fMin, fix.m_pDock->m_fMinPctWidth, 1e-6) << row.size.cx << " x " << row.size.cy;
    }
}

TEST(DockBar, ThreeBarsShareTheirRowInPixels)
{
    CDockFixture fix;
    fix.AddBar(_T("One"), 0.5f);
    fix.AddBar(_T("Two"), 0.5f);
    fix.SetRows({{0, 1}});
    fix.Layout();
    fix.AddBar(_T("Three"), 0.3f);
    fix.SetRows({{0, 1, 2}});
    fix.m_pDock->SetBarBeingDocked(fix.m_bars[2]);
    fix.Layout();
    EXPECT_NEAR(0.35f, fix.m_bars[0]->m_fPctWidth, 1e-5);
    EXPECT_NEAR(0.35f, fix.m_bars[1]->m_fPctWidth, 1e-5);
    EXPECT_NEAR(0.3f, fix.m_bars[2]->m_fPctWidth, 1e-5);

    CRect rectDock;
    fix.m_pDock->GetClientRect(&rectDock);
    const int nLength = rectDock.Width() - 6 * 3 + 6;
    const CRect r0 = fix.BarRect(0), r1 = fix.BarRect(1), r2 = fix.BarRect(2);
    EXPECT_NEAR(0.35 * nLength, r0.Width(), 1.0);
    EXPECT_NEAR(0.35 * nLength, r1.Width(), 1.0);
    EXPECT_EQ(r0.right + 6, r1.left);
    EXPECT_EQ(r1.right + 6, r2.left);
    EXPECT_EQ(rectDock.right, r2.right); // the last bar fills the row
    EXPECT_EQ(r0.Height(), r2.Height());
    // Two bar splitters, the row splitter toward the client area, the edge on the other side.
    int nBarSplitters = 0, nRowSplitters = 0;
    for (int i = 0; i < fix.m_pDock->GetSplitterCount(); ++i)
    {
        const SECDockBar::Splitter* p = fix.m_pDock->GetSplitter(i);
        if (p->m_nKind == SECDockBar::Splitter::kindBar)
        {
            ++nBarSplitters;
            EXPECT_EQ(1, p->m_nOrientation);
        }
        else
        {
            ++nRowSplitters;
            EXPECT_EQ(0, p->m_nOrientation);
            EXPECT_EQ(r0.bottom, p->m_rect.top);
        }
    }
    EXPECT_EQ(2, nBarSplitters);
    EXPECT_EQ(1, nRowSplitters);
    ASSERT_EQ(1, fix.m_pDock->GetClientEdgeCount());
    EXPECT_EQ(r0.top - 2, fix.m_pDock->GetClientEdge(0)->m_rect.top);
}

// ---- splitter drags with real input

enum class DragEnd
{
    Release,
    Escape,
    RightButton
};

// Presses at a point of the dock bar, moves by the offset and ends the drag; the modal loop
// runs while the queued input is dispatched.
void DragInDockBar(CDockFixture& fix, CPoint ptClient, CSize offset, DragEnd end)
{
    CPoint pt = ptClient;
    fix.m_pDock->ClientToScreen(&pt);
    fix.m_pFrame->SetForegroundWindow();
    ::SetCursorPos(pt.x, pt.y);
    SendMouse(0, &pt);
    PumpMessages(50);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    const CPoint ptHalf = pt + CSize(offset.cx / 2, offset.cy / 2), ptEnd = pt + offset;
    SendMouse(0, &ptHalf);
    SendMouse(0, &ptEnd);
    if (end == DragEnd::Escape)
    {
        SendKey(VK_ESCAPE, false);
        SendKey(VK_ESCAPE, true);
    }
    else if (end == DragEnd::RightButton)
    {
        SendMouse(MOUSEEVENTF_RIGHTDOWN);
        SendMouse(MOUSEEVENTF_RIGHTUP);
    }
    SendMouse(MOUSEEVENTF_LEFTUP);
    const UINT_PTR nWatchdog = ::SetTimer(NULL, 0, 3000, DropCapture);
    PumpMessages(200);
    ::KillTimer(NULL, nWatchdog);
    fix.Layout();
}

struct ThreeBars : CDockFixture
{
    ThreeBars()
    {
        AddBar(_T("One"), 0.4f);
        AddBar(_T("Two"), 0.3f);
        AddBar(_T("Three"), 0.3f);
        SetRows({{0, 1, 2}});
        for (SECControlBar* p : m_bars)
            p->m_bPctWidthSet = TRUE;
        Layout();
    }
    const SECDockBar::Splitter* FindSplitter(int nKind, int nIndex) const
    {
        for (int i = 0; i < m_pDock->GetSplitterCount(); ++i)
        {
            const SECDockBar::Splitter* p = m_pDock->GetSplitter(i);
            if (p->m_nKind == nKind && (nKind == SECDockBar::Splitter::kindRow || p->m_nIndex == nIndex))
                return p;
        }
        return NULL;
    }
};

TEST(DockBarSplitter, BarSplitterMovesTheBoundaryWithinItsLimits)
{
    struct Row
    {
        const char* name;
        int nDx;
        DragEnd end;
        int nExpectedDelta; // INT_MIN: up to the limit
    } rows[] = {
        {"right by 40", 40, DragEnd::Release, 40},        {"left by 30", -30, DragEnd::Release, -30},
        {"far left", INT_MIN, DragEnd::Release, INT_MIN}, {"escape", 40, DragEnd::Escape, 0},
        {"right button", 40, DragEnd::RightButton, 0},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        ThreeBars fix;
        const SECDockBar::Splitter* pSplit = fix.FindSplitter(SECDockBar::Splitter::kindBar, 1);
        ASSERT_NE(nullptr, pSplit);
        const CRect r0 = fix.BarRect(0), r1 = fix.BarRect(1), r2 = fix.BarRect(2);
        // The far drag ends 5 pixels into the dock bar: on our window, where Wine delivers it.
        const CPoint pt = pSplit->m_rect.CenterPoint();
        DragInDockBar(fix, pt, CSize(row.nDx == INT_MIN ? 5 - pt.x : row.nDx, 0), row.end);
        if (row.nExpectedDelta == INT_MIN)
        {
            // The first bar's splitter stays 24 pixels from the dock bar's start.
            EXPECT_EQ(24, fix.BarRect(0).right);
            EXPECT_EQ(r2, fix.BarRect(2));
            continue;
        }
        EXPECT_NEAR(r0.Width() + row.nExpectedDelta, fix.BarRect(0).Width(), 1);
        EXPECT_NEAR(r1.Width() - row.nExpectedDelta, fix.BarRect(1).Width(), 1);
        EXPECT_EQ(r2, fix.BarRect(2));
    }
}

TEST(DockBarSplitter, RowSplitterChangesTheRowThicknessKeepingNineteenPixels)
{
    struct Row
    {
        int nDy;
        DragEnd end;
        int nExpected; // INT_MIN: the minimum
    } rows[] = {{30, DragEnd::Release, 30}, {INT_MIN, DragEnd::Release, INT_MIN}, {30, DragEnd::Escape, 0}};
    for (const Row& row : rows)
    {
        ThreeBars fix;
        const SECDockBar::Splitter* pSplit = fix.FindSplitter(SECDockBar::Splitter::kindRow, 0);
        ASSERT_NE(nullptr, pSplit);
        const int nThick = fix.BarRect(0).Height();
        const CPoint pt = pSplit->m_rect.CenterPoint();
        DragInDockBar(fix, pt, CSize(0, row.nDy == INT_MIN ? 2 - pt.y : row.nDy), row.end);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(row.nExpected == INT_MIN ? 19 : nThick + row.nExpected, fix.BarRect(i).Height())
                << row.nDy;
    }
}

VOID CALLBACK PostQuitSoon(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    ::PostQuitMessage(7);
}

TEST(DockBarSplitter, AQuitDuringTheDragEndsItAndStaysQueued)
{
    ThreeBars fix;
    const SECDockBar::Splitter* pSplit = fix.FindSplitter(SECDockBar::Splitter::kindBar, 1);
    ASSERT_NE(nullptr, pSplit);
    CPoint pt = pSplit->m_rect.CenterPoint();
    fix.m_pDock->ClientToScreen(&pt);
    fix.m_pFrame->SetForegroundWindow();
    ::SetCursorPos(pt.x, pt.y);
    SendMouse(0, &pt);
    PumpMessages(50);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    ::SetTimer(NULL, 0, 150, PostQuitSoon);
    // Dispatch until the quit comes back out of the drag.
    bool bQuit = false;
    const DWORD dwStart = ::GetTickCount();
    while (!bQuit && ::GetTickCount() - dwStart < 3000)
    {
        MSG msg;
        if (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
            {
                bQuit = true;
                EXPECT_EQ(7u, (UINT)msg.wParam);
            }
            else
                ::DispatchMessage(&msg);
        }
        else
            ::Sleep(5);
    }
    EXPECT_TRUE(bQuit);
    EXPECT_EQ(nullptr, ::GetCapture());
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(50);
}

// ---- rows, insertion and the bar menu

TEST(DockBar, InsertionKeepsWholeRowBarsAlone)
{
    struct Row
    {
        const char* name;
        std::vector<std::vector<int>> rows;
        int nInsert; // index in m_arrBars
        bool bWhole;
        std::vector<int> expected; // bar numbers, -1 NULL
        int nExpectedIndex;
    } rows[] = {
        {"plain into a row", {{0, 1}}, 2, false, {-1, 0, 3, 1, -1}, 2},
        {"whole row between bars", {{0, 1}}, 2, true, {-1, 0, -1, 3, -1, 1, -1}, 3},
        {"plain next to a whole-row bar", {{2}}, 2, false, {-1, 2, -1, 3, -1}, 3},
        {"whole row at a row end", {{0}, {1}}, 2, true, {-1, 0, -1, 3, -1, 1, -1}, 3},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CDockFixture fix;
        for (int i = 0; i < 4; ++i)
            fix.AddBar(_T("Bar"), 0.5f);
        fix.m_bars[2]->m_dwExStyle |= BAR_EX_WHOLE_ROW;
        if (row.bWhole)
            fix.m_bars[3]->m_dwExStyle |= BAR_EX_WHOLE_ROW;
        fix.SetRows(row.rows);
        EXPECT_EQ(row.nExpectedIndex, fix.m_pDock->InsertBarAt(row.nInsert, fix.m_bars[3]));
        ASSERT_EQ(row.expected.size(), (size_t)fix.m_pDock->m_arrBars.GetSize());
        for (size_t i = 0; i < row.expected.size(); ++i)
        {
            void* pExpected = row.expected[i] < 0 ? NULL : fix.m_bars[row.expected[i]];
            EXPECT_EQ(pExpected, fix.m_pDock->m_arrBars[i]) << "entry " << i;
        }
    }
}

TEST(DockBar, RowQueriesAndFirstRows)
{
    CDockFixture fix;
    for (int i = 0; i < 4; ++i)
        fix.AddBar(_T("Bar"), 0.25f);
    // Row: 0, placeholder 0x77, 1, 2; then 3 alone.
    fix.SetRows({{0, -0x77, 1, 2}, {3}});
    CPtrList list;
    ASSERT_TRUE(fix.m_pDock->GetRowBars(list, fix.m_bars[1]));
    std::vector<void*> order;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        order.push_back(list.GetNext(pos));
    EXPECT_EQ((std::vector<void*>{fix.m_bars[0], fix.m_bars[1], fix.m_bars[2]}), order);
    EXPECT_FALSE(fix.m_pDock->GetRowBars(list, NULL));
    EXPECT_TRUE(list.IsEmpty());

    EXPECT_TRUE(fix.m_pDock->IsAloneInRow(fix.m_bars[3]));
    EXPECT_FALSE(fix.m_pDock->IsAloneInRow(fix.m_bars[0]));
    EXPECT_FALSE(fix.m_pDock->IsAloneInRow(NULL));
    fix.m_bars[1]->ShowWindow(SW_HIDE);
    fix.m_bars[2]->ShowWindow(SW_HIDE);
    EXPECT_TRUE(fix.m_pDock->IsAloneInRow(fix.m_bars[0]));
    EXPECT_EQ(2, fix.m_pDock->GetVisibleBarCount());

    EXPECT_EQ(-1, fix.m_pDock->InsertBarAsFirstRow(NULL));
    fix.AddBar(_T("New"), 0.5f);
    fix.SetRows({{0}, {3}});
    EXPECT_EQ(1, fix.m_pDock->InsertBarAsFirstRow(fix.m_bars[4]));
    EXPECT_EQ(fix.m_bars[4], fix.m_pDock->m_arrBars[1]);
    EXPECT_EQ(nullptr, fix.m_pDock->m_arrBars[2]);
    EXPECT_EQ(fix.m_bars[0], fix.m_pDock->m_arrBars[3]);
    fix.SetRows({});
    EXPECT_EQ(1, fix.m_pDock->InsertBarAsFirstRow(fix.m_bars[4]));
    EXPECT_EQ(3, (int)fix.m_pDock->m_arrBars.GetSize());
}

TEST(DockBar, PercentAdjustmentsAndExpanding)
{
    CDockFixture fix;
    for (int i = 0; i < 3; ++i)
        fix.AddBar(_T("Bar"), 1.0f / 3);
    fix.SetRows({{0, 1, 2}});
    fix.Layout();
    fix.m_pDock->m_fMinPctWidth = 0.05f;
    struct Row
    {
        float fStart, fDelta, fResult, fReturned;
    } rows[] = {{0.5f, 0.1f, 0.6f, 0.0f}, {0.3f, -0.2f, 0.1f, 0.0f}, {0.1f, -0.2f, 0.05f, -0.15f}};
    for (const Row& row : rows)
    {
        fix.m_bars[0]->m_fPctWidth = row.fStart;
        EXPECT_NEAR(row.fReturned, fix.m_pDock->AdjustPercentWidth(row.fDelta, fix.m_bars[0]), 1e-6);
        EXPECT_NEAR(row.fResult, fix.m_bars[0]->m_fPctWidth, 1e-6);
    }
    EXPECT_FLOAT_EQ(0.25f, fix.m_pDock->AdjustPercentWidth(0.25f, NULL));

    fix.m_pDock->ExpandBarInRow(fix.m_bars[1], 1);
    const float fMin = fix.m_pDock->m_fMinPctWidth;
    EXPECT_NEAR(1.0f, fix.m_bars[1]->m_fPctWidth, 1e-6);
    EXPECT_NEAR(fMin, fix.m_bars[0]->m_fPctWidth, 1e-6);
    EXPECT_TRUE(fix.m_pDock->IsOnlySizableBarInRow(fix.m_bars[1]));
    EXPECT_FALSE(fix.m_pDock->IsOnlySizableBarInRow(fix.m_bars[0]));
    // Contracting gives every bar 0.1; the bar, normalised as the preferred one, then holds
    // twice the share of each other bar.
    fix.m_pDock->ExpandBarInRow(fix.m_bars[1], 2);
    const float expected[] = {0.25f, 0.5f, 0.25f};
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(expected[i], fix.m_bars[i]->m_fPctWidth, 1e-6);
    EXPECT_FALSE(fix.m_pDock->IsOnlySizableBarInRow(fix.m_bars[1]));
}

TEST(DockBar, BarMenuListsTheBarsAndTogglesOne)
{
    CDockFixture fix;
    fix.AddBar(_T("Messtabelle"), 0.5f);
    fix.AddBar(_T("Status"), 0.5f);
    fix.AddBar(_T(""), 0.5f); // no title: not listed
    fix.m_bars[1]->ShowWindow(SW_HIDE);
    CMenu menu;
    ASSERT_TRUE(fix.m_pDock->BuildBarMenu(menu));
    ASSERT_EQ(2, menu.GetMenuItemCount());
    const struct
    {
        const TCHAR* pszText;
        bool bChecked;
    } expected[] = {{_T("Messtabelle"), true}, {_T("Status"), false}};
    for (int i = 0; i < 2; ++i)
    {
        CString str;
        menu.GetMenuString(i, str, MF_BYPOSITION);
        EXPECT_STREQ(expected[i].pszText, (LPCTSTR)str);
        EXPECT_EQ(expected[i].bChecked, (menu.GetMenuState(i, MF_BYPOSITION) & MF_CHECKED) != 0);
    }
    const UINT nStatusID = menu.GetMenuItemID(1);
    menu.DestroyMenu();
    fix.m_pDock->SendMessage(WM_COMMAND, nStatusID);
    EXPECT_TRUE(fix.m_bars[1]->IsWindowVisible());
    EXPECT_TRUE(fix.m_pDock->GetBarMenuMap().IsEmpty());
}

// A change in a row repaints the custom toolbars of that row, and only them.
TEST(DockBar, ARowsCustomToolBarsAreListedForRepaint)
{
    CDockFixture fix;
    fix.AddBar(_T("Bar"), 0.5f);
    fix.AddBar(_T("Bar"), 0.5f);
    for (UINT nID : {0x180u, 0x181u})
    {
        SECCustomToolBar* pToolBar = new SECCustomToolBar;
        ASSERT_TRUE(
            pToolBar->CreateEx(0, fix.m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, nID, _T("Werkzeuge")));
        pToolBar->m_bAutoDelete = TRUE;
        fix.m_bars.push_back(pToolBar);
    }
    // Row: bar 0, toolbar 2, bar 1; then toolbar 3 alone.
    fix.SetRows({{0, 2, 1}, {3}});
    for (int nAsked : {0, 1, 2})
    {
        SCOPED_TRACE(nAsked);
        fix.m_pDock->m_arrRepaint.RemoveAll();
        fix.m_pDock->ListRowToolBarsForRepaint(fix.m_bars[nAsked]);
        ASSERT_EQ(1, fix.m_pDock->m_arrRepaint.GetSize());
        EXPECT_EQ(fix.m_bars[2], fix.m_pDock->m_arrRepaint[0]);
    }
    fix.m_pDock->m_arrRepaint.RemoveAll();
    fix.m_pDock->ListRowToolBarsForRepaint(NULL);
    EXPECT_EQ(0, fix.m_pDock->m_arrRepaint.GetSize());
    fix.SetRows({});
}

// In a row of toolbars a plain one keeps the gap before it; a flat custom toolbar touches the bar
// before it.
TEST(DockBar, FlatCustomToolBarsTouchPlainOnesKeepTheGap)
{
    CDockFixture fix;
    for (const DWORD dwExStyle : {0ul, 0ul, (DWORD)BAR_EX_FLAT, (DWORD)BAR_EX_FLAT})
    {
        SECCustomToolBar* pToolBar = new SECCustomToolBar;
        ASSERT_TRUE(pToolBar->CreateEx(dwExStyle, fix.m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP,
                                       0x180 + (UINT)fix.m_bars.size(), _T("Werkzeuge")));
        pToolBar->m_bAutoDelete = TRUE;
        pToolBar->m_pDockSite = fix.m_pFrame;
        pToolBar->m_pDockBar = fix.m_pDock;
        pToolBar->SetParent(fix.m_pDock);
        fix.m_bars.push_back(pToolBar);
    }
    fix.SetRows({{0, 1}, {2, 3}});
    fix.Layout();
    const int nGap = SECGetSystemData().m_bNewShell ? 2 : 1;
    ASSERT_GT(fix.BarRect(0).Width(), 0);
    EXPECT_EQ(fix.BarRect(0).top, fix.BarRect(1).top);
    EXPECT_EQ(fix.BarRect(0).right + nGap, fix.BarRect(1).left);
    EXPECT_EQ(fix.BarRect(2).top, fix.BarRect(3).top);
    EXPECT_EQ(fix.BarRect(2).right, fix.BarRect(3).left);
    fix.SetRows({});
}

// A dock bar that records the flags of each move it is asked to make.
class CFlagsDockBar : public SECDockBar
{
  public:
    std::vector<UINT> m_flags;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_WINDOWPOSCHANGING)
            m_flags.push_back(((WINDOWPOS*)lParam)->flags & (SWP_NOCOPYBITS | SWP_NOREDRAW));
        return SECDockBar::WindowProc(message, wParam, lParam);
    }
};

TEST(DockBar, MovesInALayoutPassSpareCopyingAndRedrawingWhilePaintingIsDeferred)
{
    CFrameWnd* pFrame = new CFrameWnd;
    pFrame->Create(NULL, _T("Dock test"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(60, 60, 660, 460));
    CFlagsDockBar* pDock = new CFlagsDockBar;
    ASSERT_TRUE(pDock->Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP));
    const CRect rectStart(0, 0, 400, 30);
    const struct
    {
        const char* name;
        int nDeferred;
        CRect rect;
        UINT nFlags;
    } cases[] = {
        {"deferred, moved only", 1, CRect(0, 10, 400, 40), (UINT)SWP_NOCOPYBITS},
        {"deferred, longer", 1, CRect(0, 0, 500, 30), 0u},
        {"deferred, thicker", 1, CRect(0, 0, 400, 50), (UINT)SWP_NOREDRAW},
        {"not deferred, moved only", 0, CRect(0, 10, 400, 40), 0u},
        {"not deferred, thicker", 0, CRect(0, 0, 400, 50), 0u},
    };
    const int nOldDeferred = SECSystemData::s_nDeferredPainting;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        pDock->MoveWindow(&rectStart);
        pDock->m_flags.clear();
        SECSystemData::s_nDeferredPainting = c.nDeferred;
        AFX_SIZEPARENTPARAMS layout = {};
        layout.hDWP = ::BeginDeferWindowPos(1);
        pDock->RepositionInLayout(&layout, c.rect);
        ::EndDeferWindowPos(layout.hDWP);
        SECSystemData::s_nDeferredPainting = nOldDeferred;
        ASSERT_FALSE(pDock->m_flags.empty());
        EXPECT_EQ(c.nFlags, pDock->m_flags.front());
        CRect rect;
        pDock->GetWindowRect(&rect);
        pFrame->ScreenToClient(&rect);
        EXPECT_EQ(c.rect, rect);
    }
    pFrame->DestroyWindow();
}
} // namespace
