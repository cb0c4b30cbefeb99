// SECFSMDIClientListener and its child listener: the MDI side of full screen.
#include "uilib/frames/views/FSMDIClientListener.h"
#include "uilib/frames/views/FSMainFrmListener.h"
#include "uilib/frames/views/FullScreenView.h"

using tessaron::foundation::SEC_CHAIN_STOP_WINDOW;
using tessaron::foundation::SECWndListener;

IMPLEMENT_DYNAMIC(SECFSMDIClientListener, SECWndListener)

SECFSMDIClientListener::SECFSChildFrmListener::SECFSChildFrmListener() : m_pMainListener(NULL)
{
}

BOOL SECFSMDIClientListener::SECFSChildFrmListener::Install(CWnd* pHost, SECFSMainFrmListener* pMainListener)
{
    m_pMainListener = pMainListener;
    return PlugInTo(pHost);
}

BOOL SECFSMDIClientListener::SECFSChildFrmListener::GetHandledResult(UINT message, WPARAM wParam,
                                                                     LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_GETMINMAXINFO: {
        // A maximised child may grow past the desktop by the frame's borders.
        *pResult = CallHostProc(message, wParam, lParam);
        MINMAXINFO* pInfo = (MINMAXINFO*)lParam;
        const CRect desk = SECFSMainFrmListener::DesktopRect();
        pInfo->ptMaxTrackSize.x = desk.Width() + 100;
        pInfo->ptMaxTrackSize.y = desk.Height() + 100;
        SetChainFlags(SEC_CHAIN_STOP_WINDOW);
        return TRUE;
    }
    case WM_SYSCOMMAND: {
        // The child's buttons in the menu shown for a moment: the command, then the menu goes.
        const UINT nCmd = (UINT)(wParam & 0xFFF0);
        if (m_pMainListener == NULL || !m_pMainListener->m_bMenuShown ||
            (nCmd != SC_CLOSE && nCmd != SC_MINIMIZE && nCmd != SC_RESTORE))
            return FALSE;
        CFrameWnd* pFrame = m_pMainListener->GetFrame();
        if (pFrame != NULL)
            pFrame->DrawMenuBar();
        const HWND hChild = m_hWndHost;
        if (nCmd == SC_CLOSE)
            ::SendMessage(hChild, WM_CLOSE, 0, 0);
        else
        {
            WINDOWPLACEMENT wp = {};
            wp.length = sizeof(wp);
            ::GetWindowPlacement(hChild, &wp);
            wp.showCmd = nCmd == SC_MINIMIZE ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
            ::SetWindowPlacement(hChild, &wp);
        }
        m_pMainListener->HideMenu();
        *pResult = 0;
        SetChainFlags(SEC_CHAIN_STOP_WINDOW);
        return TRUE;
    }
    case WM_SIZE:
        if (m_pMainListener != NULL && wParam <= SIZE_MAXIMIZED)
            m_pMainListener->m_hSavedMenu = NULL;
        return FALSE;
    default:
        return FALSE;
    }
}

SECFSMDIClientListener::SECFSMDIClientListener() : m_pMainListener(NULL), m_bReMaximizing(FALSE)
{
}

BOOL SECFSMDIClientListener::Install(CWnd* pHost, SECFSMainFrmListener* pMainListener)
{
    if (!PlugInTo(pHost))
        return FALSE;
    m_pMainListener = pMainListener;
    HWND hActive = FollowActiveChild();
    BOOL bMaximized = FALSE;
    ::SendMessage(m_hWndHost, WM_MDIGETACTIVE, 0, (LPARAM)&bMaximized);
    if (hActive != NULL && bMaximized)
    {
        ::ShowWindow(hActive, SW_HIDE);
        ::ShowWindow(hActive, SW_MAXIMIZE);
    }
    return TRUE;
}

void SECFSMDIClientListener::UnPlug()
{
    if (m_childListener.IsPlugged())
        m_childListener.UnPlug();
    SECWndListener::UnPlug();
}

HWND SECFSMDIClientListener::FollowActiveChild()
{
    HWND hActive = (HWND)::SendMessage(m_hWndHost, WM_MDIGETACTIVE, 0, 0);
    if (m_childListener.GetHostWnd() != hActive || !m_childListener.IsPlugged())
    {
        if (m_childListener.IsPlugged())
            m_childListener.UnPlug();
        if (hActive != NULL)
            m_childListener.Install(CWnd::FromHandle(hActive), m_pMainListener);
    }
    if (m_pMainListener != NULL)
        m_pMainListener->m_hWndActiveChild = hActive;
    return hActive;
}

BOOL SECFSMDIClientListener::GetHandledResult(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    SECFSMainFrmListener* pMain = m_pMainListener;
    CFrameWnd* pFrame = pMain != NULL ? pMain->GetFrame() : NULL;
    if (message != WM_MDISETMENU || pFrame == NULL)
        return FALSE;
    // A menu set behind the listener's back makes the saved one stale.
    if ((wParam != 0 || lParam != 0) && ::GetMenu(pFrame->m_hWnd) != pMain->m_hSavedMenu)
    {
        pMain->m_hSavedMenu = NULL;
        pMain->HideMenu();
    }
    const HWND hActive = FollowActiveChild();
    BOOL bMaximized = FALSE;
    if (hActive != NULL)
        ::SendMessage(m_hWndHost, WM_MDIGETACTIVE, 0, (LPARAM)&bMaximized);
    if (hActive != NULL && bMaximized && pMain->m_bMenuShown && !m_bReMaximizing)
    {
        // The newly active child is laid out again under the menu shown for the moment.
        m_bReMaximizing = TRUE;
        ::ShowWindow(hActive, SW_HIDE);
        ::ShowWindow(hActive, SW_MAXIMIZE);
        m_bReMaximizing = FALSE;
    }
    if (pMain->m_bHasMenuBar)
        return FALSE;
    if (!bMaximized)
        pMain->m_bKeepMenu = FALSE;
    if (!pMain->m_bMenuShown && !pMain->m_bKeepMenu)
    {
        // The frame stays without a menu while full screen is on.
        *pResult = 0;
        SetChainFlags(SEC_CHAIN_STOP_WINDOW);
        return TRUE;
    }
    pMain->m_bKeepMenu = FALSE;
    return FALSE;
}
