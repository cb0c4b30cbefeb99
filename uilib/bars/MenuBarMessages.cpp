// SECMenuBarMessages: one popup at a time below the menu bar, and the hooks that move between them.
#include "uilib/bars/MenuBarMessages.h"
#include "uilib/bars/MDIMenuBar.h"
#include "uilib/bars/MenuBar.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"

namespace
{
// The tracking state of the process: one menu bar tracks at a time.
struct TrackingState
{
    SECMenuBarMessages* pActive = NULL;
    HWND hWndTracked = NULL; // the menu bar whose popup is open
    CPoint ptLast;
    BOOL bSysMenu = FALSE;
    SECMenuBarNotify* pQueued = NULL; // made on first use
    BOOL bQueued = FALSE;
    HHOOK hFilter = NULL;
    HHOOK hKeyboard = NULL;
    HHOOK hMouse = NULL;
};
TrackingState s_state;

const UINT kScKeyMenu = SC_KEYMENU;
const UINT kScMouseMenuSysIcon = SC_MOUSEMENU + HTSYSMENU;
const int kMaxAccelerators = 255;
} // namespace

SECMenuBarMessages::SECMenuBarMessages()
    : m_pBar(NULL), m_bMovePending(FALSE), m_bSubmenuEntered(FALSE), m_nDirection(0), m_bSwallowAltUp(FALSE),
      m_dwIconClickTime(0)
{
}

SECMenuBarMessages::~SECMenuBarMessages()
{
    if (s_state.pActive == this)
    {
        InstallKeyboardMouseHooks(FALSE);
        InstallFilterHook(FALSE);
        s_state.pActive = NULL;
    }
}

void SECMenuBarMessages::AttachMenuBar(SECMenuBar* pBar)
{
    m_pBar = pBar;
}

BOOL PASCAL SECMenuBarMessages::IsTrackingSysMenu()
{
    return s_state.bSysMenu;
}

UINT PASCAL SECMenuBarMessages::GetMenuMessage()
{
    static const UINT nMsg = ::RegisterWindowMessage(_T("WM_SECGETMENU"));
    return nMsg;
}

UINT PASCAL SECMenuBarMessages::MenuProdMessage()
{
    static const UINT nMsg = ::RegisterWindowMessage(_T("WM_SEC_MENUPROD"));
    return nMsg;
}

void SECMenuBarMessages::MoveToMenu(int nDirection)
{
    m_bSubmenuEntered = FALSE;
    m_nDirection = nDirection;
    if (CFrameWnd* pFrame = GetFrame())
        pFrame->PostMessage(MenuProdMessage());
}

void SECMenuBarMessages::Cancel()
{
    if (m_pBar != NULL && m_pBar->IsMenuMode())
        m_pBar->ExitMenuMode();
    if (s_state.hWndTracked != NULL)
        if (CFrameWnd* pFrame = GetFrame())
            pFrame->SendMessage(WM_CANCELMODE);
}

void SECMenuBarMessages::OnMenuChanged(UINT nMenuID)
{
    if (m_pBar == NULL)
        return;
    m_pBar->SwitchMenu(nMenuID);
    if (m_pBar->m_hWnd == NULL)
        return;
    // An MDI frame that lays the menu bar out later gets the layout on its next idle turn.
    CFrameWnd* pFrame = GetFrame();
    SECMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(SECMDIFrameWnd, pFrame);
    if (pMDIFrame != NULL && pMDIFrame->m_bDelayMenuBarLayout)
        pMDIFrame->m_nIdleFlags |= idleNotify | idleLayout;
    else if (pFrame != NULL)
        pFrame->RecalcLayout();
    m_pBar->Invalidate();
}

void SECMenuBarMessages::DropHot()
{
    if (m_pBar != NULL && m_pBar->IsMenuMode())
        m_pBar->DropHotButton();
}

void SECMenuBarMessages::OnMouseMove(CPoint ptScreen)
{
    if (m_pBar == NULL || m_pBar->GetSafeHwnd() == NULL)
        return;
    m_pBar->ScreenToClient(&ptScreen);
    m_pBar->OpenMenuAt(ptScreen);
}

void SECMenuBarMessages::OnAltDown()
{
    m_bSwallowAltUp = TRUE;
}

CRect SECMenuBarMessages::SysMenuIconRect(BOOL bForClick)
{
    CRect rect(0, 0, 0, 0);
    CFrameWnd* pFrame = GetFrame();
    if (pFrame == NULL)
        return rect;
    pFrame->GetWindowRect(rect);
    if (!bForClick)
    {
        rect.OffsetRect(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
        rect.right = rect.left + ::GetSystemMetrics(SM_CXSIZE);
        rect.bottom = rect.top + ::GetSystemMetrics(SM_CYSIZE);
        return rect;
    }
    if (pFrame->GetStyle() & WS_THICKFRAME)
        rect.DeflateRect(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
    rect.right = rect.left + ::GetSystemMetrics(SM_CXSIZE) - 1;
    rect.bottom = rect.top + ::GetSystemMetrics(SM_CYSIZE);
    return rect;
}

BOOL SECMenuBarMessages::OnClickInMenu(MSG* pMsg)
{
    CFrameWnd* pFrame = GetFrame();
    CRect rect = SysMenuIconRect(TRUE);
    if (pFrame == NULL || !rect.PtInRect(pMsg->pt))
        return FALSE;
    pFrame->PostMessage(WM_CANCELMODE);
    if (pMsg->message == WM_LBUTTONDBLCLK)
    {
        m_dwIconClickTime = 0;
        PostDefaultSysCommand(pFrame);
    }
    else
        m_dwIconClickTime = pMsg->time != 0 ? pMsg->time : 1;
    return TRUE;
}

void SECMenuBarMessages::TrackPopup(SECMenuBar* pBar, HMENU hMenu, SECMenuBarNotify* pNotify)
{
    CFrameWnd* pFrame = GetFrame();
    if (pFrame == NULL)
        return;
    CRect rect;
    pBar->GetItemRect((int)pNotify->nButton, rect);
    pBar->ClientToScreen(rect);
    InstallFilterHook(TRUE);
    ::TrackPopupMenu(hMenu, 0, rect.left, rect.bottom, 0, pFrame->m_hWnd, rect);
    InstallFilterHook(FALSE);
}

void SECMenuBarMessages::TrackSystemMenu(HMENU hMenu)
{
    CFrameWnd* pFrame = GetFrame();
    if (pFrame == NULL)
        return;
    CRect rect = SysMenuIconRect(FALSE);
    // A maximised child's menu, dropped from its icon on the bar: it opens below the icon and its
    // commands are the child's (the child's "close" must not close the frame).
    CWnd* pTarget = pFrame;
    CMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, pFrame);
    CMDIChildWnd* pChild = pMDIFrame != NULL ? pMDIFrame->MDIGetActive() : NULL;
    if (pChild != NULL && hMenu == ::GetSystemMenu(pChild->m_hWnd, FALSE))
    {
        pTarget = pChild;
        if (SECMDIMenuBar* pBar = DYNAMIC_DOWNCAST(SECMDIMenuBar, m_pBar))
        {
            const SECCapMenuBtn& btn = pBar->GetSysMenuButton();
            rect.SetRect(btn.m_x, btn.m_y, btn.m_x + btn.m_cx, btn.m_y + btn.m_cy);
            pBar->ClientToScreen(rect);
        }
    }
    InstallFilterHook(TRUE);
    s_state.bSysMenu = TRUE;
    UINT nCmd = (UINT)::TrackPopupMenu(hMenu, TPM_RETURNCMD, rect.left, rect.bottom, 0, pFrame->m_hWnd, rect);
    if (nCmd != 0)
        pTarget->PostMessage(WM_SYSCOMMAND, nCmd);
    s_state.bSysMenu = FALSE;
    InstallFilterHook(FALSE);
}

void SECMenuBarMessages::InstallFilterHook(BOOL bInstall)
{
    if (bInstall && s_state.hFilter == NULL)
    {
        s_state.ptLast = CPoint(0, 0);
        s_state.hFilter = ::SetWindowsHookEx(WH_MSGFILTER, FilterHook, NULL, ::GetCurrentThreadId());
    }
    else if (!bInstall && s_state.hFilter != NULL)
    {
        ::UnhookWindowsHookEx(s_state.hFilter);
        s_state.hFilter = NULL;
    }
}

void SECMenuBarMessages::InstallKeyboardMouseHooks(BOOL bInstall)
{
    if (bInstall && s_state.hKeyboard == NULL)
    {
        s_state.hKeyboard = ::SetWindowsHookEx(WH_KEYBOARD, KeyboardHook, NULL, ::GetCurrentThreadId());
        s_state.hMouse = ::SetWindowsHookEx(WH_MOUSE, MouseHook, NULL, ::GetCurrentThreadId());
    }
    else if (!bInstall && s_state.hKeyboard != NULL)
    {
        ::UnhookWindowsHookEx(s_state.hKeyboard);
        if (s_state.hMouse != NULL)
            ::UnhookWindowsHookEx(s_state.hMouse);
        s_state.hKeyboard = s_state.hMouse = NULL;
    }
}

LRESULT CALLBACK SECMenuBarMessages::FilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    MSG* pMsg = (MSG*)lParam;
    SECMenuBarMessages* pTracker = s_state.pActive;
    if (nCode != MSGF_MENU || pMsg == NULL || pTracker == NULL)
        return ::CallNextHookEx(s_state.hFilter, nCode, wParam, lParam);
    switch (pMsg->message)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (s_state.bSysMenu && pTracker->OnClickInMenu(pMsg))
            return 1;
        if (pMsg->message == WM_LBUTTONDBLCLK)
            break;
        // A press is also a position.
        [[fallthrough]];
    case WM_MOUSEMOVE: {
        CPoint pt(pMsg->pt);
        if (pMsg->message == WM_MOUSEMOVE && (pt == s_state.ptLast || s_state.ptLast == CPoint(0, 0)))
        {
            s_state.ptLast = pt;
            return 1;
        }
        s_state.ptLast = pt;
        if (s_state.hWndTracked != NULL && ::WindowFromPoint(pt) == s_state.hWndTracked &&
            pTracker->m_pBar != NULL)
        {
            MSG msg = *pMsg;
            CPoint ptBar = pt;
            ::ScreenToClient(s_state.hWndTracked, &ptBar);
            msg.hwnd = s_state.hWndTracked;
            msg.lParam = MAKELPARAM(ptBar.x, ptBar.y);
            pTracker->m_pBar->OnTrackMessage(&msg);
            // A bar that used the message cleared it: the menu does not see it.
            if (msg.message == WM_NULL)
                return 1;
        }
        break;
    }
    case WM_KEYDOWN:
        if (pMsg->wParam == VK_LEFT || pMsg->wParam == VK_RIGHT)
            pTracker->MoveToMenu(pMsg->wParam == VK_RIGHT ? 1 : 0);
        break;
    case WM_SYSKEYDOWN:
        if (pMsg->wParam == VK_MENU)
            pTracker->OnAltDown();
        break;
    }
    return ::CallNextHookEx(s_state.hFilter, nCode, wParam, lParam);
}

LRESULT CALLBACK SECMenuBarMessages::KeyboardHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    SECMenuBarMessages* pTracker = s_state.pActive;
    if (nCode != HC_ACTION || pTracker == NULL)
        return ::CallNextHookEx(s_state.hKeyboard, nCode, wParam, lParam);
    const BOOL bUp = (lParam & 0x80000000) != 0;
    if (wParam == VK_MENU || (!bUp && wParam == VK_F10))
        return ::CallNextHookEx(s_state.hKeyboard, nCode, wParam, lParam);
    if (bUp)
        return 1;
    switch (wParam)
    {
    case VK_RETURN:
    case VK_DOWN:
        pTracker->DropHot();
        break;
    case VK_ESCAPE:
        pTracker->Cancel();
        break;
    case VK_LEFT:
    case VK_RIGHT:
        pTracker->MoveToMenu(wParam == VK_RIGHT ? 1 : 0);
        break;
    default: {
        // Mnemonics, as the system's menu key message.
        MSG msg = {};
        msg.hwnd = pTracker->GetFrame() != NULL ? pTracker->GetFrame()->m_hWnd : NULL;
        msg.message = WM_SYSCOMMAND;
        msg.wParam = kScKeyMenu;
        msg.lParam = (LPARAM)wParam;
        pTracker->PreTranslateMessage(&msg);
        break;
    }
    }
    return 1;
}

LRESULT CALLBACK SECMenuBarMessages::MouseHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    SECMenuBarMessages* pTracker = s_state.pActive;
    MOUSEHOOKSTRUCT* pInfo = (MOUSEHOOKSTRUCT*)lParam;
    if (nCode == HC_ACTION && pTracker != NULL && pInfo != NULL)
    {
        if (wParam == WM_MOUSEMOVE && CPoint(pInfo->pt) != s_state.ptLast)
        {
            s_state.ptLast = pInfo->pt;
            pTracker->OnMouseMove(pInfo->pt);
        }
        else if (wParam == WM_LBUTTONDOWN || wParam == WM_RBUTTONDOWN || wParam == WM_MBUTTONDOWN)
            pTracker->Cancel();
    }
    return ::CallNextHookEx(s_state.hMouse, nCode, wParam, lParam);
}

BOOL SECMenuBarMessages::HasF10Accelerator()
{
    CFrameWnd* pFrame = GetFrame();
    CFrameWnd* pActive = pFrame != NULL ? pFrame->GetActiveFrame() : NULL;
    HACCEL hAccel = pActive != NULL ? pActive->m_hAccelTable : NULL;
    if (hAccel == NULL && pFrame != NULL)
        hAccel = pFrame->m_hAccelTable;
    if (hAccel == NULL)
        return FALSE;
    ACCEL accels[kMaxAccelerators];
    int nCount = ::CopyAcceleratorTable(hAccel, accels, kMaxAccelerators);
    for (int i = 0; i < nCount; i++)
        if ((accels[i].fVirt & FVIRTKEY) && accels[i].key == VK_F10)
            return TRUE;
    return FALSE;
}

// A control of the active view whose own mnemonic is the key keeps it.
BOOL SECMenuBarMessages::IsViewMnemonic(UINT nKey)
{
    CFrameWnd* pFrame = GetFrame();
    CFrameWnd* pActive = pFrame != NULL ? pFrame->GetActiveFrame() : NULL;
    CView* pView = pActive != NULL ? pActive->GetActiveView() : NULL;
    if (pView == NULL)
        return FALSE;
    const TCHAR chKey = (TCHAR)(UINT_PTR)::CharUpper((LPTSTR)(UINT_PTR)(BYTE)nKey);
    for (HWND hChild = ::GetWindow(pView->m_hWnd, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        TCHAR szText[256] = {};
        ::GetWindowText(hChild, szText, 256);
        CString strText(szText);
        int nAmp = strText.Find(_T('&'));
        if (nAmp >= 0 && nAmp + 1 < strText.GetLength() &&
            (TCHAR)(UINT_PTR)::CharUpper((LPTSTR)(UINT_PTR)(BYTE)strText[nAmp + 1]) == chKey)
            return TRUE;
    }
    return FALSE;
}

BOOL SECMenuBarMessages::HandleKeyMenu(TCHAR ch)
{
    if (ch == _T(' ') || ch == _T('-'))
    {
        if (m_pBar->IsMenuMode())
            m_pBar->ExitMenuMode();
        m_bMovePending = TRUE;
        m_pBar->RequestSystemMenu();
        return TRUE;
    }
    int nIndex = m_pBar->FindMnemonic(ch);
    if (nIndex < 0)
        return FALSE;
    m_bMovePending = TRUE;
    m_pBar->OpenButtonMenu(nIndex);
    return TRUE;
}

BOOL SECMenuBarMessages::PreTranslateMessage(MSG* pMsg)
{
    if (m_pBar == NULL || m_pBar->GetSafeHwnd() == NULL)
        return FALSE;
    const UINT nKey = (UINT)pMsg->wParam;
    const BOOL bAlt = ::GetKeyState(VK_MENU) < 0;
    if (bAlt && (pMsg->message == WM_SYSKEYDOWN || pMsg->message == WM_SYSCHAR) &&
        (nKey < 0x3A || (nKey >= 0x41 && nKey <= 0x7A)) && IsViewMnemonic(nKey))
        return FALSE;
    if (pMsg->message == WM_SYSKEYDOWN && (nKey == VK_MENU || nKey == VK_F10) && m_pBar->IsMenuMode())
    {
        m_pBar->ExitMenuMode();
        m_bSwallowAltUp = TRUE;
        return TRUE;
    }
    if (pMsg->message == WM_SYSKEYUP && (nKey == VK_MENU || nKey == VK_F10))
    {
        if (!m_bSwallowAltUp)
        {
            if (!m_pBar->IsMenuMode())
            {
                if (!HasF10Accelerator())
                    m_pBar->SetMenuFocus(m_pBar->FirstTopMenuButton());
            }
            else
                m_pBar->ExitMenuMode();
        }
        m_bSwallowAltUp = FALSE;
        return TRUE;
    }
    if (pMsg->message == WM_SYSCOMMAND && (pMsg->wParam & 0xFFF0) == kScKeyMenu)
    {
        HandleKeyMenu((TCHAR)pMsg->lParam);
        return TRUE;
    }
    if (pMsg->message == WM_SYSKEYDOWN && bAlt)
        return HandleKeyMenu((TCHAR)nKey);
    return FALSE;
}

void SECMenuBarMessages::OnMenuSelect(UINT, UINT, HMENU)
{
    if (m_pBar != NULL)
        m_bSubmenuEntered = TRUE;
}

void SECMenuBarMessages::OnMenuProd()
{
    if (m_pBar == NULL || m_bSubmenuEntered)
        return;
    m_bMovePending = TRUE;
    m_pBar->MoveToNeighbour(m_nDirection == 1);
}

void SECMenuBarMessages::OnInitMenuPopup(HMENU, UINT, BOOL)
{
    if (m_pBar == NULL || !m_bMovePending)
        return;
    if (CFrameWnd* pFrame = GetFrame())
        pFrame->PostMessage(WM_KEYDOWN, VK_DOWN);
    m_bMovePending = FALSE;
}

BOOL SECMenuBarMessages::OnSysCommand(UINT nID, LPARAM)
{
    if (m_pBar == NULL || nID != kScMouseMenuSysIcon)
        return FALSE;
    // The system may hand the second press of a double click on the icon, whose first press closed
    // the open system menu, to the frame as a new press: that is the double click.
    const DWORD dwClick = m_dwIconClickTime;
    m_dwIconClickTime = 0;
    CFrameWnd* pFrame = GetFrame();
    if (dwClick != 0 && pFrame != NULL && (DWORD)::GetMessageTime() - dwClick <= ::GetDoubleClickTime())
    {
        PostDefaultSysCommand(pFrame);
        return TRUE;
    }
    m_pBar->RequestSystemMenu();
    return TRUE;
}

void SECMenuBarMessages::PostDefaultSysCommand(CFrameWnd* pFrame)
{
    const UINT nDefault =
        ::GetMenuDefaultItem(::GetSystemMenu(pFrame->m_hWnd, FALSE), FALSE, GMDI_GOINTOPOPUPS);
    if (nDefault != (UINT)-1)
        pFrame->PostMessage(WM_SYSCOMMAND, nDefault);
}

BOOL SECMenuBarMessages::OnNcActivate(BOOL bActive)
{
    if (m_pBar != NULL && !bActive)
        Cancel();
    return FALSE;
}

BOOL SECMenuBarMessages::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    SECMenuBarNotify* pNotify = (SECMenuBarNotify*)lParam;
    const int nCode = pNotify != NULL ? (int)pNotify->nm.hdr.code : 0;
    if (m_pBar == NULL || pNotify == NULL || pNotify->nm.hdr.hwndFrom != m_pBar->GetSafeHwnd())
        return FALSE;
    CFrameWnd* pFrame = GetFrame();
    if (nCode == SEC_MBN_MENUMODE)
    {
        s_state.pActive = this;
        InstallKeyboardMouseHooks(TRUE);
        return TRUE;
    }
    if (nCode == SEC_MBN_ENDMODE)
    {
        InstallKeyboardMouseHooks(FALSE);
        return TRUE;
    }
    if (nCode != SEC_MBN_DROPMENU && nCode != SEC_MBN_CLOSEMENU)
        return FALSE;
    if (pResult != NULL)
        *pResult = 0;
    for (;;)
    {
        HMENU hMenu = NULL;
        BOOL bSysMenu = FALSE;
        if (pNotify->nm.hdr.code == (UINT)SEC_MBN_DROPMENU && pFrame != NULL)
        {
            if (pNotify->nMenuValue != 0 && pNotify->nPopupIndex >= 0)
                hMenu =
                    (HMENU)pFrame->SendMessage(GetMenuMessage(), pNotify->nMenuValue, pNotify->nPopupIndex);
            else if (pNotify->nPopupIndex == -1)
            {
                // The frame's own system menu, or the one a button brings (a maximised child's).
                hMenu = pNotify->nMenuValue != 0 ? (HMENU)pNotify->nMenuValue
                                                 : ::GetSystemMenu(pFrame->m_hWnd, FALSE);
                bSysMenu = TRUE;
            }
        }
        if (hMenu == NULL && s_state.hWndTracked != NULL)
        {
            if (pFrame != NULL)
                pFrame->SendMessage(WM_CANCELMODE);
            if (pNotify->bOwned)
                delete pNotify;
            return TRUE;
        }
        if (hMenu != NULL && s_state.hWndTracked != NULL)
        {
            // A popup is open: close it and take this request up when it returns.
            if (pFrame != NULL)
                pFrame->SendMessage(WM_CANCELMODE);
            if (s_state.pQueued == NULL)
                s_state.pQueued = new SECMenuBarNotify;
            *s_state.pQueued = *pNotify;
            s_state.pQueued->bOwned = FALSE;
            s_state.bQueued = TRUE;
            if (pNotify->bOwned)
                delete pNotify;
            return TRUE;
        }
        if (hMenu != NULL)
        {
            s_state.pActive = this;
            s_state.hWndTracked = m_pBar->m_hWnd;
            if (bSysMenu)
                TrackSystemMenu(hMenu);
            else
                TrackPopup(m_pBar, hMenu, pNotify);
        }
        s_state.hWndTracked = NULL;
        if (s_state.hKeyboard == NULL)
            s_state.pActive = NULL;
        if (pNotify->bOwned)
            delete pNotify;
        if (!s_state.bQueued)
            break;
        // The queued request, copied so that the next one may queue again.
        s_state.bQueued = FALSE;
        pNotify = new SECMenuBarNotify(*s_state.pQueued);
        pNotify->bOwned = TRUE;
    }
    m_pBar->EndTracking();
    return TRUE;
}
