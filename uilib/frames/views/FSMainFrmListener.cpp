// SECFSMainFrmListener: the main frame's side of full screen.
#include "uilib/frames/views/FSMainFrmListener.h"
#include "uilib/bars/MenuBar.h"
#include "uilib/frames/docking/DockSite.h"
#include "uilib/frames/docking/DockableFrame.h"
#include "uilib/frames/docking/FrameWnd.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"
#include "uilib/frames/views/FullScreenView.h"

using tessaron::foundation::SEC_CHAIN_STOP_WINDOW;
using tessaron::foundation::SECWndListener;

namespace
{
// The floating menu bar's frame loses caption and sizing border while it stands in for the menu.
const DWORD kMiniFrameBorders = 0xC42000;
const int kMenuBarHeight = 25;
const UINT kMenuTimerPeriod = 100;
// Commands of an in-place item's verbs and its insert/link/convert entries.
const UINT kFirstOleCommand = 57856;
const UINT kLastOleCommand = 57887;

BOOL IsBitmapItem(HMENU hMenu, int nPos)
{
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE;
    if (!::GetMenuItemInfo(hMenu, (UINT)nPos, TRUE, &mii))
        return FALSE;
    if (mii.fType & MFT_BITMAP)
        return TRUE;
    // Items made with MF_BITMAP may come back as a bitmap of an item without text.
    mii.fMask = MIIM_BITMAP;
    return ::GetMenuItemInfo(hMenu, (UINT)nPos, TRUE, &mii) && mii.hbmpItem != NULL &&
           ::GetMenuString(hMenu, (UINT)nPos, NULL, 0, MF_BYPOSITION) == 0;
}

// A maximised MDI child is maximised again behind the scenes, so that it fills a client whose
// size changed while the menu came or went.
void RemaximizeChild(HWND hChild)
{
    ::ShowWindow(hChild, SW_HIDE);
    ::ShowWindow(hChild, SW_MAXIMIZE);
}
} // namespace

IMPLEMENT_DYNAMIC(SECFSMainFrmListener, SECWndListener)

SECFSMainFrmListener::SECFSMainFrmListener()
    : m_pOwner(NULL), m_bMenuShown(FALSE), m_bInSysMenu(FALSE), m_bHasMenuBar(FALSE), m_hWndActiveChild(NULL),
      m_bNotMDI(FALSE), m_bKeepMenu(FALSE), m_hSavedMenu(NULL)
{
}

BOOL SECFSMainFrmListener::Install(CWnd* pHost, SECFullScreenView* pOwner)
{
    m_pOwner = pOwner;
    m_bMenuShown = m_bInSysMenu = m_bHasMenuBar = m_bNotMDI = m_bKeepMenu = FALSE;
    m_hWndActiveChild = NULL;
    m_hSavedMenu = NULL;
    return PlugInTo(pHost);
}

SECMenuBar* PASCAL SECFSMainFrmListener::MenuBarOf(CFrameWnd* pFrame)
{
    if (SECMDIFrameWnd* pMDI = DYNAMIC_DOWNCAST(SECMDIFrameWnd, pFrame))
        return pMDI->GetMenuBar();
    if (SECFrameWnd* pSEC = DYNAMIC_DOWNCAST(SECFrameWnd, pFrame))
        return pSEC->GetMenuBar();
    return NULL;
}

CRect PASCAL SECFSMainFrmListener::DesktopRect()
{
    CRect rect;
    ::GetWindowRect(::GetDesktopWindow(), &rect);
    return rect;
}

CFrameWnd* SECFSMainFrmListener::GetFrame() const
{
    return m_pOwner != NULL ? m_pOwner->GetFrame() : NULL;
}

CFrameWnd* SECFSMainFrmListener::GetActiveChild(BOOL* pbMaximized) const
{
    *pbMaximized = FALSE;
    CFrameWnd* pFrame = GetFrame();
    if (pFrame == NULL)
        return NULL;
    if (CMDIFrameWnd* pMDI = DYNAMIC_DOWNCAST(CMDIFrameWnd, pFrame))
        if (CMDIChildWnd* pChild = pMDI->MDIGetActive(pbMaximized))
            return pChild;
    CFrameWnd* pActive = pFrame->GetActiveFrame();
    if (pActive != NULL && pActive != pFrame && pActive->IsKindOf(RUNTIME_CLASS(SECDockableFrame)))
        return pActive;
    return NULL;
}

void PASCAL SECFSMainFrmListener::RestoreChildMenu(CFrameWnd* pFrame, CFrameWnd* pChild)
{
    if (CMDIChildWnd* pMDIChild = DYNAMIC_DOWNCAST(CMDIChildWnd, pChild))
    {
        pChild->SendMessage(WM_MDIACTIVATE, 0, (LPARAM)pChild->m_hWnd); // its menu comes back
        // The client ignores a request for the menu it believes shown: the frame gets that
        // menu (as the client left it) directly.
        if (::GetMenu(pFrame->m_hWnd) == NULL)
        {
            CDocument* pDoc = pMDIChild->GetActiveDocument();
            HMENU hMenu = pDoc != NULL ? pDoc->GetDefaultMenu() : NULL;
            if (hMenu == NULL)
                hMenu = pMDIChild->m_hMenuShared != NULL ? pMDIChild->m_hMenuShared : pFrame->m_hMenuDefault;
            ::SetMenu(pFrame->m_hWnd, hMenu);
        }
    }
    else if (pChild->IsKindOf(RUNTIME_CLASS(SECDockableFrame)))
    {
        pFrame->OnUpdateFrameMenu(NULL);
        pFrame->DrawMenuBar();
    }
}

void PASCAL SECFSMainFrmListener::RemoveMenuKeepingMaxChild(CFrameWnd* pFrame)
{
    CMDIFrameWnd* pMDI = DYNAMIC_DOWNCAST(CMDIFrameWnd, pFrame);
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pChild = pMDI != NULL ? pMDI->MDIGetActive(&bMaximized) : NULL;
    const BOOL bRemaximize = pChild != NULL && bMaximized;
    if (bRemaximize)
    {
        pChild->ShowWindow(SW_HIDE);
        pChild->ShowWindow(SW_SHOWMINIMIZED);
    }
    ::SetMenu(pFrame->m_hWnd, NULL);
    if (bRemaximize)
        ::SendMessage(pMDI->m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)pChild->m_hWnd, 0);
}

void PASCAL SECFSMainFrmListener::FixMaxChildSysMenu(CFrameWnd* pFrame)
{
    HMENU hMenu = pFrame != NULL ? ::GetMenu(pFrame->m_hWnd) : NULL;
    if (hMenu == NULL)
        return;
    CMDIFrameWnd* pMDI = DYNAMIC_DOWNCAST(CMDIFrameWnd, pFrame);
    CMDIChildWnd* pChild = pMDI != NULL ? pMDI->MDIGetActive() : NULL;
    // Menus put together twice carry the child's icon twice and its three buttons twice.
    while (::GetMenuItemCount(hMenu) >= 5 && IsBitmapItem(hMenu, 0) && IsBitmapItem(hMenu, 1))
    {
        ::RemoveMenu(hMenu, 1, MF_BYPOSITION);
        for (int i = 0; i < 3; i++)
            ::DeleteMenu(hMenu, (UINT)::GetMenuItemCount(hMenu) - 1, MF_BYPOSITION);
        if (::GetSubMenu(hMenu, 0) == NULL && pChild != NULL)
        {
            // The icon left over opens the child's system menu again.
            MENUITEMINFO mii = {};
            mii.cbSize = sizeof(mii);
            mii.fMask = MIIM_SUBMENU;
            mii.hSubMenu = ::GetSystemMenu(pChild->m_hWnd, FALSE);
            ::SetMenuItemInfo(hMenu, 0, TRUE, &mii);
        }
        pFrame->DrawMenuBar();
    }
}

void SECFSMainFrmListener::Consume(LRESULT* pResult, LRESULT lResult)
{
    *pResult = lResult;
    SetChainFlags(SEC_CHAIN_STOP_WINDOW);
}

BOOL SECFSMainFrmListener::CursorOverMenuBar() const
{
    CFrameWnd* pFrame = GetFrame();
    SECMenuBar* pBar = pFrame != NULL ? MenuBarOf(pFrame) : NULL;
    if (pBar == NULL || pBar->GetSafeHwnd() == NULL || !pBar->IsWindowVisible())
        return FALSE;
    CPoint pt;
    ::GetCursorPos(&pt);
    CRect rect;
    pBar->GetWindowRect(&rect);
    return rect.PtInRect(pt);
}

void SECFSMainFrmListener::ShowMenu()
{
    CFrameWnd* pFrame = GetFrame();
    if (pFrame == NULL || m_bMenuShown)
        return;
    m_bMenuShown = TRUE;
    // The frame keeps its layout while the menu lies over it.
    pFrame->m_bInRecalcLayout = TRUE;
    if (m_bHasMenuBar)
    {
        SECMenuBar* pBar = MenuBarOf(pFrame);
        if (pBar == NULL)
            return;
        const CRect desk = DesktopRect();
        if (!pBar->IsFloating())
        {
            if (SECDockSite* pSite = SECGetDockSite(pFrame))
                pSite->FloatControlBar(pBar, desk.TopLeft(), CBRS_ALIGN_TOP);
            else
                pFrame->FloatControlBar(pBar, desk.TopLeft(), CBRS_ALIGN_TOP);
        }
        pFrame->ShowControlBar(pBar, TRUE, FALSE);
        pBar->SetBarStyle(pBar->GetBarStyle() & ~CBRS_BORDER_ANY);
        CFrameWnd* pMiniFrame = pBar->GetParentFrame();
        if (pMiniFrame != NULL && pMiniFrame != pFrame)
        {
            pMiniFrame->ModifyStyle(kMiniFrameBorders, WS_BORDER, 0);
            pMiniFrame->SetWindowPos(NULL, desk.left, desk.top - 4, desk.right, kMenuBarHeight,
                                     SWP_FRAMECHANGED | SWP_NOACTIVATE);
        }
        ::SetTimer(pFrame->m_hWnd, SEC_FS_MENU_TIMER, kMenuTimerPeriod, NULL);
        return;
    }
    BOOL bMaximized = FALSE;
    CFrameWnd* pChild = GetActiveChild(&bMaximized);
    if (pChild == NULL)
    {
        if (pFrame->m_pNotifyHook != NULL && m_hSavedMenu != NULL)
            ::SetMenu(pFrame->m_hWnd, m_hSavedMenu);
        else
            pFrame->OnUpdateFrameMenu(NULL);
        pFrame->DrawMenuBar();
        return;
    }
    const BOOL bLocked = pFrame->LockWindowUpdate();
    if (m_hSavedMenu != NULL)
        ::SetMenu(pFrame->m_hWnd, m_hSavedMenu);
    else
    {
        RestoreChildMenu(pFrame, pChild);
        m_hSavedMenu = ::GetMenu(pFrame->m_hWnd);
    }
    if (bMaximized)
        FixMaxChildSysMenu(pFrame);
    if (bLocked)
        pFrame->UnlockWindowUpdate();
}

void SECFSMainFrmListener::HideMenuBar()
{
    CFrameWnd* pFrame = GetFrame();
    SECMenuBar* pBar = pFrame != NULL ? MenuBarOf(pFrame) : NULL;
    if (pBar == NULL)
        return;
    pFrame->ShowControlBar(pBar, FALSE, FALSE);
    pBar->SetBarStyle(pBar->GetBarStyle() | CBRS_BORDER_ANY);
}

void SECFSMainFrmListener::HideMenu()
{
    CFrameWnd* pFrame = GetFrame();
    if (pFrame == NULL || !m_bMenuShown)
        return;
    if (m_bHasMenuBar)
    {
        m_bMenuShown = FALSE;
        HideMenuBar();
        pFrame->m_bInRecalcLayout = FALSE;
        pFrame->DrawMenuBar();
        return;
    }
    const BOOL bLocked = pFrame->LockWindowUpdate();
    m_bMenuShown = FALSE;
    RemoveMenuKeepingMaxChild(pFrame);
    pFrame->m_bInRecalcLayout = FALSE;
    pFrame->DelayRecalcLayout();
    if (bLocked)
        pFrame->UnlockWindowUpdate();
}

BOOL SECFSMainFrmListener::OnExitMenuLoop()
{
    CFrameWnd* pFrame = GetFrame();
    BOOL bMaximized = FALSE;
    CFrameWnd* pChild = GetActiveChild(&bMaximized);
    const BOOL bMaxMDIChild = pChild != NULL && bMaximized && !m_bNotMDI;
    m_bMenuShown = FALSE;
    if (m_bHasMenuBar)
    {
        if (CursorOverMenuBar())
        {
            // The menu bar stays while the cursor is on it; the timer sees it leave.
            m_bMenuShown = TRUE;
            ::SetTimer(pFrame->m_hWnd, SEC_FS_MENU_TIMER, kMenuTimerPeriod, NULL);
            return FALSE;
        }
        HideMenuBar();
        if (bMaxMDIChild)
            pFrame->PostMessage(SEC_WM_FULLSCREEN_MENULOOP);
    }
    else if (m_bNotMDI)
    {
        ::SetMenu(pFrame->m_hWnd, NULL);
        pFrame->PostMessage(SEC_WM_FULLSCREEN_MENULOOP);
    }
    else if (bMaxMDIChild)
    {
        pFrame->DrawMenuBar();
        m_bKeepMenu = TRUE;
        pFrame->PostMessage(SEC_WM_FULLSCREEN_MENULOOP);
    }
    else
        ::SetMenu(pFrame->m_hWnd, NULL);
    pFrame->m_bInRecalcLayout = FALSE;
    return FALSE;
}

BOOL SECFSMainFrmListener::OnMenuLoopEnded(LRESULT* pResult)
{
    // The frame, its view and this listener may all go while messages are dispatched here:
    // only locals are safe until the frame is known to be alive.
    const HWND hFrame = m_hWndHost;
    UINT nCommand = 0;
    BOOL bCommand = FALSE;
    MSG msg;
    while (!bCommand && ::PeekMessage(&msg, hFrame, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            // The application's loop must end as asked.
            ::PostQuitMessage((int)msg.wParam);
            return FALSE;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
        if (!::IsWindow(hFrame))
            return FALSE;
        if (msg.message == WM_COMMAND)
        {
            bCommand = TRUE;
            nCommand = LOWORD(msg.wParam);
        }
    }
    Consume(pResult);
    CFrameWnd* pFrame = GetFrame();
    if (m_pOwner == NULL || !m_pOwner->IsFullScreen() || pFrame == NULL)
        return TRUE;
    BOOL bMaximized = FALSE;
    CFrameWnd* pChild = GetActiveChild(&bMaximized);
    if (bCommand && nCommand >= kFirstOleCommand && nCommand <= kLastOleCommand)
    {
        if (!m_bNotMDI)
        {
            if (pChild != NULL)
            {
                m_bMenuShown = TRUE;
                RestoreChildMenu(pFrame, pChild);
            }
        }
        else if (pFrame->m_pNotifyHook != NULL)
            ::SetTimer(hFrame, SEC_FS_MENU_TIMER, kMenuTimerPeriod, NULL);
        return TRUE;
    }
    if (!m_bNotMDI && !m_bHasMenuBar)
    {
        ::SetMenu(hFrame, NULL);
        if (pChild != NULL && bMaximized)
            RemaximizeChild(pChild->m_hWnd);
        pFrame->DelayRecalcLayout();
    }
    return TRUE;
}

BOOL SECFSMainFrmListener::GetHandledResult(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CFrameWnd* pFrame = GetFrame();
    if (pFrame == NULL)
        return FALSE;
    switch (message)
    {
    case WM_NCMOUSEMOVE:
        if ((m_pOwner->m_dwFlags & SEC_FS_MENU_ON_HOVER) && (wParam == HTMENU || wParam == HTBORDER) &&
            !m_bMenuShown)
            ShowMenu();
        return FALSE;
    case WM_TIMER:
        if (wParam != SEC_FS_MENU_TIMER)
            return FALSE;
        if (m_bHasMenuBar)
        {
            if (CursorOverMenuBar())
            {
                Consume(pResult);
                return TRUE;
            }
        }
        else if (!m_bNotMDI)
            return FALSE;
        else if (pFrame->m_pNotifyHook != NULL)
            m_hSavedMenu = ::GetMenu(pFrame->m_hWnd);
        HideMenu();
        ::KillTimer(pFrame->m_hWnd, SEC_FS_MENU_TIMER);
        Consume(pResult);
        return TRUE;
    case WM_SETCURSOR:
        if (m_bMenuShown && (LOWORD(lParam) == HTNOWHERE || LOWORD(lParam) == HTCLIENT))
            HideMenu();
        return FALSE;
    case WM_SYSCOMMAND:
        if (m_bMenuShown && (wParam & 0xFFF0) == SC_MOUSEMENU)
            m_bInSysMenu = TRUE;
        return FALSE;
    case WM_INITMENUPOPUP:
        if (!m_bMenuShown)
            return FALSE;
        m_bInSysMenu = FALSE;
        if (!m_bHasMenuBar)
        {
            BOOL bMaximized = FALSE;
            if (HIWORD(lParam) == 0 && GetActiveChild(&bMaximized) != NULL && bMaximized)
                m_bInSysMenu = TRUE;
        }
        else
            ::KillTimer(pFrame->m_hWnd, SEC_FS_MENU_TIMER); // the pop-up keeps the menu
        return FALSE;
    case WM_EXITMENULOOP:
        if (m_bMenuShown && !m_bInSysMenu)
            return OnExitMenuLoop();
        return FALSE;
    case SEC_WM_FULLSCREEN_MENULOOP:
        // When the frame went away meanwhile, nothing here may be touched any more.
        OnMenuLoopEnded(pResult);
        return TRUE;
    case WM_NCCALCSIZE:
        if (m_bMenuShown)
        {
            // The client collapses while the menu lies over it: the frame's layout stays put.
            ((RECT*)lParam)->bottom = 0;
            Consume(pResult, ::DefWindowProc(pFrame->m_hWnd, message, wParam, lParam));
            return TRUE;
        }
        if (m_bNotMDI && pFrame->m_pNotifyHook == NULL && m_hSavedMenu != NULL)
            m_hSavedMenu = NULL;
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) != ID_SEC_FULLSCREEN_CLOSE)
            return FALSE;
        HideMenu();
        m_pOwner->LeaveFullScreenMode();
        Consume(pResult);
        return TRUE;
    case WM_CLOSE:
        // The frame saves its bar layout while closing: it must be the one of before.
        HideMenu();
        m_pOwner->LeaveFullScreenMode();
        return FALSE;
    default:
        return FALSE;
    }
}
