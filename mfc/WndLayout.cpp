// CWnd's geometry and layout helpers (RepositionBars, CenterWindow), scrolling, tool tips and the
// modal message loop.
#include "Wnd.h"
#include "Rgn.h"
#include "ScrollBar.h"
#include "AfxState.h"
#include "FrameWnd.h"
#include "WinApp.h"
#include <commctrl.h>
#include <cstdlib>

// ---- geometry and layout

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, (LPPOINT)lpRect);
    ::ClientToScreen(m_hWnd, ((LPPOINT)lpRect) + 1);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, (LPPOINT)lpRect);
    ::ScreenToClient(m_hWnd, ((LPPOINT)lpRect) + 1);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    HWND hWndAfter = pWndInsertAfter->GetSafeHwnd(); // &CWnd::wndTop etc. carry the HWND_ markers
    return ::SetWindowPos(m_hWnd, hWndAfter, x, y, cx, cy, nFlags);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == 0)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    CRect rectOld;
    ::GetWindowRect(hWnd, &rectOld);
    ::MapWindowPoints(NULL, ::GetParent(hWnd), (LPPOINT)&rectOld, 2);
    if (::EqualRect(&rectOld, lpRect))
        return;
    if (lpLayout == NULL)
    {
        // No layout pass to join: the window moves at once.
        ::SetWindowPos(hWnd, NULL, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                       lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
        return;
    }
    if (lpLayout->hDWP != NULL)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, NULL, lpRect->left, lpRect->top,
                                          lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                                          SWP_NOACTIVATE | SWP_NOZORDER);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch)
{
    AFX_SIZEPARENTPARAMS layout;
    HWND hWndLeftOver = NULL;
    layout.bStretch = bStretch;
    layout.sizeTotal.cx = layout.sizeTotal.cy = 0;
    if (lpRectClient != NULL)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    layout.hDWP = nFlags != reposQuery ? ::BeginDeferWindowPos(8) : NULL;

    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        UINT nIDC = (UINT)::GetDlgCtrlID(hWndChild);
        CWnd* pWnd = FromHandlePermanent(hWndChild);
        if (nIDC == nIDLeftOver)
            hWndLeftOver = hWndChild;
        else if (nIDC >= nIDFirst && nIDC <= nIDLast && pWnd != NULL)
            ::SendMessage(hWndChild, WM_SIZEPARENT, 0, (LPARAM)&layout);
    }

    if (nFlags == reposQuery)
    {
        if (bStretch)
            ::CopyRect(lpRectParam, &layout.rect);
        else
        {
            lpRectParam->left = lpRectParam->top = 0;
            lpRectParam->right = layout.sizeTotal.cx;
            lpRectParam->bottom = layout.sizeTotal.cy;
        }
        return;
    }

    if (nIDLeftOver != 0 && hWndLeftOver != NULL)
    {
        CWnd* pLeftOver = FromHandle(hWndLeftOver);
        if (nFlags == reposExtra)
        {
            layout.rect.left += lpRectParam->left;
            layout.rect.top += lpRectParam->top;
            layout.rect.right -= lpRectParam->right;
            layout.rect.bottom -= lpRectParam->bottom;
        }
        pLeftOver->CalcWindowRect(&layout.rect);
        AfxRepositionWindow(&layout, hWndLeftOver, &layout.rect);
    }
    if (layout.hDWP != NULL)
        ::EndDeferWindowPos(layout.hDWP);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    DWORD dwStyle = GetStyle();
    HWND hWndCenter = pAlternateOwner->GetSafeHwnd();
    if (pAlternateOwner == NULL)
    {
        hWndCenter = (dwStyle & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
        if (hWndCenter != NULL)
        {
            HWND hWndTemp = (HWND)::SendMessage(hWndCenter, WM_QUERYCENTERWND, 0, 0);
            if (hWndTemp != NULL)
                hWndCenter = hWndTemp;
        }
    }
    CRect rcDlg;
    GetWindowRect(&rcDlg);
    CRect rcArea, rcCenter;
    HWND hWndParent;
    if (!(dwStyle & WS_CHILD))
    {
        if (hWndCenter != NULL)
        {
            DWORD dwCenter = (DWORD)::GetWindowLongPtr(hWndCenter, GWL_STYLE);
            if (!(dwCenter & WS_VISIBLE) || (dwCenter & WS_MINIMIZE))
                hWndCenter = NULL;
        }
        MONITORINFO mi = {};
        mi.cbSize = sizeof(mi);
        HMONITOR hMon =
            ::MonitorFromWindow(hWndCenter != NULL ? hWndCenter : m_hWnd, MONITOR_DEFAULTTONEAREST);
        ::GetMonitorInfo(hMon, &mi);
        rcArea = mi.rcWork;
        if (hWndCenter == NULL)
            rcCenter = rcArea;
        else
            ::GetWindowRect(hWndCenter, &rcCenter);
    }
    else
    {
        hWndParent = ::GetParent(m_hWnd);
        ::GetClientRect(hWndParent, &rcArea);
        ::GetClientRect(hWndCenter, &rcCenter);
        ::MapWindowPoints(hWndCenter, hWndParent, (POINT*)&rcCenter, 2);
    }
    int xLeft = (rcCenter.left + rcCenter.right) / 2 - rcDlg.Width() / 2;
    int yTop = (rcCenter.top + rcCenter.bottom) / 2 - rcDlg.Height() / 2;
    if (xLeft + rcDlg.Width() > rcArea.right)
        xLeft = rcArea.right - rcDlg.Width();
    if (xLeft < rcArea.left)
        xLeft = rcArea.left;
    if (yTop + rcDlg.Height() > rcArea.bottom)
        yTop = rcArea.bottom - rcDlg.Height();
    if (yTop < rcArea.top)
        yTop = rcArea.top;
    SetWindowPos(NULL, xLeft, yTop, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- scrolling

HWND CWnd::ScrollBarTarget(int& nBar) const
{
    CScrollBar* pBar = nBar == SB_HORZ || nBar == SB_VERT ? GetScrollBarCtrl(nBar) : NULL;
    if (pBar == NULL)
        return m_hWnd;
    nBar = SB_CTL;
    return pBar->m_hWnd;
}

int CWnd::GetScrollPos(int nBar) const
{
    HWND hWnd = ScrollBarTarget(nBar);
    return ::GetScrollPos(hWnd, nBar);
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    HWND hWnd = ScrollBarTarget(nBar);
    return ::SetScrollPos(hWnd, nBar, nPos, bRedraw);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
{
    HWND hWnd = ScrollBarTarget(nBar);
    ::GetScrollRange(hWnd, nBar, lpMinPos, lpMaxPos);
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    HWND hWnd = ScrollBarTarget(nBar);
    ::SetScrollRange(hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    HWND hWnd = ScrollBarTarget(nBar);
    ::SetScrollInfo(hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    HWND hWnd = ScrollBarTarget(nBar);
    return ::GetScrollInfo(hWnd, nBar, lpScrollInfo);
}

int CWnd::GetScrollLimit(int nBar)
{
    int nMin, nMax;
    GetScrollRange(nBar, &nMin, &nMax);
    SCROLLINFO info;
    if (GetScrollInfo(nBar, &info, SIF_PAGE))
        nMax -= (int)info.nPage > 1 ? (int)info.nPage - 1 : 0;
    return nMax;
}

void CWnd::EnableScrollBarCtrl(int nBar, BOOL bEnable)
{
    if (nBar == SB_BOTH)
    {
        EnableScrollBarCtrl(SB_HORZ, bEnable);
        EnableScrollBarCtrl(SB_VERT, bEnable);
        return;
    }
    // A shared bar stays in place for the other panes: it is only enabled or disabled.
    CScrollBar* pBar = GetScrollBarCtrl(nBar);
    if (pBar != NULL)
    {
        ::EnableScrollBar(pBar->m_hWnd, SB_CTL, bEnable ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
        pBar->EnableWindow(bEnable);
        return;
    }
    ::ShowScrollBar(m_hWnd, nBar, bEnable);
}

CScrollBar* CWnd::GetScrollBarCtrl(int) const
{
    return NULL;
}

void CWnd::DragAcceptFiles(BOOL bAccept)
{
    ::DragAcceptFiles(m_hWnd, bAccept);
}

// ---- tool tips

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    if (!bEnable)
    {
        m_nFlags &= ~WF_TOOLTIPS;
        return TRUE;
    }
    if (m_hWndToolTip == NULL)
    {
        m_hWndToolTip =
            ::CreateWindowEx(0, TOOLTIPS_CLASS, NULL, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, NULL, AfxGetInstanceHandle(), NULL);
        if (m_hWndToolTip == NULL)
            return FALSE;
    }
    m_nFlags |= WF_TOOLTIPS;
    return TRUE;
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    HWND hWndChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (hWndChild == NULL || hWndChild == m_hWnd)
        return -1;
    int nHit = ::GetDlgCtrlID(hWndChild);
    if (pTI != NULL)
    {
        pTI->hwnd = m_hWnd;
        pTI->uId = (UINT_PTR)hWndChild;
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACK;
        pTI->uFlags |= TTF_CENTERTIP;
    }
    return nHit;
}

BOOL CWnd::FilterToolTipMessage(MSG* pMsg)
{
    if (!(m_nFlags & WF_TOOLTIPS) || m_hWndToolTip == NULL)
        return FALSE;
    UINT message = pMsg->message;
    if (message != WM_MOUSEMOVE && message != WM_LBUTTONDOWN && message != WM_LBUTTONUP &&
        message != WM_RBUTTONDOWN && message != WM_RBUTTONUP)
        return FALSE;
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CPoint point = pMsg->pt;
    ::ScreenToClient(m_hWnd, &point);
    TOOLINFO ti = {};
    ti.cbSize = sizeof(TOOLINFO);
    INT_PTR nHit = OnToolHitTest(point, &ti);
    if (nHit != pState->m_nLastHit || pState->m_hWndLastTool != m_hWnd)
    {
        TOOLINFO old = {};
        old.cbSize = sizeof(TOOLINFO);
        while (::SendMessage(m_hWndToolTip, TTM_ENUMTOOLS, 0, (LPARAM)&old))
            ::SendMessage(m_hWndToolTip, TTM_DELTOOL, 0, (LPARAM)&old);
        if (nHit != -1)
            ::SendMessage(m_hWndToolTip, TTM_ADDTOOL, 0, (LPARAM)&ti);
        pState->m_nLastHit = nHit;
        pState->m_hWndLastTool = m_hWnd;
    }
    // A text handed out by the hit test is the caller's to free (the tip control copied it).
    if (ti.lpszText != NULL && ti.lpszText != LPSTR_TEXTCALLBACK)
        free(ti.lpszText);
    MSG msg = *pMsg;
    msg.hwnd = m_hWnd;
    ::SendMessage(m_hWndToolTip, TTM_RELAYEVENT, 0, (LPARAM)&msg);
    return FALSE;
}

// ---- message loop helpers

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    FilterToolTipMessage(pMsg);
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        state.m_nID = (UINT)::GetDlgCtrlID(hWndChild);
        if (state.m_nID == 0 || state.m_nID == (UINT)-1 || state.m_nID == 0xFFFF)
            continue;
        CWnd* pWnd = FromHandle(hWndChild);
        state.m_pOther = pWnd;
        CWnd* pPerm = FromHandlePermanent(hWndChild);
        if (pPerm != NULL && pPerm->OnCmdMsg(0, MAKELONG(0xFFFF, WM_COMMAND + WM_REFLECT_BASE), &state, NULL))
            continue;
        if (CWnd::OnCmdMsg(state.m_nID, (int)CN_UPDATE_COMMAND_UI, &state, NULL))
            continue;
        BOOL bDisableTemp = bDisableIfNoHndler;
        if (bDisableTemp)
        {
            if ((pWnd->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON) == 0)
                bDisableTemp = FALSE;
            else
            {
                UINT nStyle = (UINT)(pWnd->GetStyle() & 0x0F);
                if (nStyle == (UINT)BS_AUTOCHECKBOX || nStyle == (UINT)BS_AUTO3STATE ||
                    nStyle == (UINT)BS_GROUPBOX || nStyle == (UINT)BS_AUTORADIOBUTTON)
                    bDisableTemp = FALSE;
            }
        }
        state.DoUpdate(pTarget, bDisableTemp);
    }
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    m_nFlags |= (WF_MODALLOOP | WF_CONTINUEMODAL);
    MSG* pMsg = &AfxGetThreadState()->m_msgCur;
    CWinThread* pThread = AfxGetThread();
    for (;;)
    {
        while (bIdle && !::PeekMessage(pMsg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (bShowIdle)
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != NULL && lIdleCount == 0)
                ::SendMessage(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)m_hWnd);
            if ((dwFlags & MLF_NOKICKIDLE) || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            BOOL bPumped = pThread != NULL ? pThread->PumpMessage() : AfxInternalPumpMessage();
            if (!bPumped)
            {
                ::PostQuitMessage(0);
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            if (!ContinueModal())
            {
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return m_nModalResult;
            }
            if (CWinThread::IsIdleMessageStatic(pMsg))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessage(pMsg, NULL, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL);
    }
}

void CWnd::PrepareForHelp()
{
    CFrameWnd* pFrame = GetTopLevelFrame();
    if (pFrame != NULL)
        pFrame->ExitHelpMode();
    SendMessage(WM_CANCELMODE);
    SendMessageToDescendants(WM_CANCELMODE, 0, 0, TRUE, TRUE);
    CWnd* pTop = GetTopLevelParent();
    if (pTop != NULL && pTop != this)
    {
        pTop->SendMessage(WM_CANCELMODE);
        pTop->SendMessageToDescendants(WM_CANCELMODE, 0, 0, TRUE, TRUE);
    }
    HWND hWndCapture = ::GetCapture();
    if (hWndCapture != NULL)
        ::SendMessage(hWndCapture, WM_CANCELMODE, 0, 0);
}

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWinApp* pApp = AfxGetApp();
    CWaitCursor wait;
    PrepareForHelp();
    CWnd* pTop = GetTopLevelParent();
    HWND hWnd = pTop != NULL ? pTop->m_hWnd : m_hWnd;
    if (!::WinHelp(hWnd, pApp != NULL ? pApp->m_pszHelpFilePath : NULL, nCmd, dwData))
        AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
}

namespace
{
// Asks hWnd and then its parents (or owners) for help on their context; TRUE when one answered.
BOOL AskForCommandHelp(HWND hWnd)
{
    for (; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        if (::SendMessage(hWnd, WM_COMMANDHELP, 0, 0))
            return TRUE;
    }
    return FALSE;
}
} // namespace

void CWnd::OnHelp()
{
    if (AskForCommandHelp(::GetCapture()) || AskForCommandHelp(::GetFocus()))
        return;
    CWnd* pTop = GetTopLevelParent();
    if (pTop != NULL && AskForCommandHelp(::GetLastActivePopup(pTop->m_hWnd)))
        return;
    SendMessage(WM_COMMAND, ID_DEFAULT_HELP);
}

void CWnd::OnHelpFinder()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->WinHelp(0, HELP_FINDER);
}

int CWnd::ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* prgnUpdate,
                         LPRECT lpRectUpdate, UINT flags)
{
    return ::ScrollWindowEx(m_hWnd, dx, dy, lpRectScroll, lpRectClip,
                            prgnUpdate != NULL ? (HRGN)prgnUpdate->GetSafeHandle() : NULL, lpRectUpdate,
                            flags);
}
