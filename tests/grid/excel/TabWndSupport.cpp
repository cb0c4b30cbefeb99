// The tab-window fixtures.
#include "TabWndSupport.h"
#include "grid/excel/TabMessages.h"
#include "tests/uilib/frames/DragInput.h"
#include "TestSupport.h"
#include <gtest/gtest.h>

using namespace testing_support;

IMPLEMENT_DYNCREATE(CSheetTestView, CGXGridView)

LRESULT CSheetTestView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GX_TABCANCHANGESHEET && m_nVetoWhen == (int)wParam)
        return 1;
    if (message == WM_GX_TABRENAMED)
        m_renamed.push_back(wParam);
    if (message == WM_GX_TABATTACHED)
        m_attached.push_back(wParam);
    return CGXGridView::WindowProc(message, wParam, lParam);
}

LookFlags::LookFlags(BOOL bNewLook)
{
    EnsureGridLibrary(); // the library's start sets the flags from the system
    CGXAppData* p = GXGetAppData();
    bOldWin4 = p->m_bWin4;
    bOldShell = p->m_bOldShell;
    p->m_bWin4 = bNewLook;
    p->m_bOldShell = !bNewLook;
}

LookFlags::~LookFlags()
{
    GXGetAppData()->m_bWin4 = bOldWin4;
    GXGetAppData()->m_bOldShell = bOldShell;
}

SheetFrame::SheetFrame(int cx, int cy)
{
    EnsureGridLibrary();
    pDoc->m_bAutoDelete = FALSE;
    CRect rect(0, 0, cx, cy);
    ::AdjustWindowRectEx(&rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
    pFrame->Create(NULL, _T("Mappe"), WS_OVERLAPPEDWINDOW,
                   CRect(40, 40, 40 + rect.Width(), 40 + rect.Height()));
    CCreateContext ctx;
    ctx.m_pNewViewClass = RUNTIME_CLASS(CSheetTestView);
    ctx.m_pCurrentDoc = pDoc;
    EXPECT_TRUE(pTabWnd->Create(pFrame, _T("Arbeitsblatt 1"), &ctx));
    apViews[0] = (CSheetTestView*)pTabWnd->GetActivePane();
    for (int i = 1; i < 3; i++)
    {
        CString s;
        s.Format(_T("Arbeitsblatt %d"), i + 1);
        apViews[i] = (CSheetTestView*)pTabWnd->CreateView(RUNTIME_CLASS(CSheetTestView), s, &ctx);
    }
    pFrame->InitialUpdateFrame(pDoc, TRUE);
    pFrame->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(pFrame->m_hWnd);
    pFrame->RecalcLayout();
    pFrame->UpdateWindow();
    PumpMessages(50);
}

SheetFrame::~SheetFrame()
{
    pFrame->DestroyWindow(); // views and frame delete themselves; the tab window is ours
    delete pTabWnd;
    delete pDoc;
}

POINT ScreenOf(CWnd* pWnd, int x, int y)
{
    POINT pt = {x, y};
    pWnd->ClientToScreen(&pt);
    return pt;
}

// Two presses at one spot within the double-click time would make a double click.
static POINT s_lastPress = {-100, -100};
static ULONGLONG s_lastPressMs = 0;

void KeepApartFromLastPress(POINT pt)
{
    if (abs(pt.x - s_lastPress.x) <= ::GetSystemMetrics(SM_CXDOUBLECLK) &&
        abs(pt.y - s_lastPress.y) <= ::GetSystemMetrics(SM_CYDOUBLECLK))
    {
        ULONGLONG nWait = ::GetDoubleClickTime() + 50;
        ULONGLONG nSince = NowMs() - s_lastPressMs;
        if (nSince < nWait)
            PumpMessages((DWORD)(nWait - nSince));
    }
    s_lastPress = pt;
    s_lastPressMs = NowMs();
}

void ClickAt(CWnd* pWnd, int x, int y, WORD vkHeld, bool bDouble)
{
    POINT pt = ScreenOf(pWnd, x, y);
    KeepApartFromLastPress(pt);
    if (vkHeld != 0)
        drag_input::SendKey(vkHeld, false);
    drag_input::SendMouse(0, &pt);
    for (int i = 0; i < (bDouble ? 2 : 1); i++)
    {
        drag_input::SendMouse(MOUSEEVENTF_LEFTDOWN);
        drag_input::SendMouse(MOUSEEVENTF_LEFTUP);
    }
    s_lastPressMs = NowMs();
    if (vkHeld != 0)
        drag_input::SendKey(vkHeld, true);
    PumpMessages(150);
}

POINT TabCentre(CGXTabBeam& beam, int nTab)
{
    POINT pt = {beam.GetTabLeft(nTab) + beam.m_nSlant + beam.GetTab(nTab).nWidth / 2, beam.m_nHeight / 2};
    return pt;
}
