// CWnd's window procedure: the single entry from Win32 into window objects, the message-map
// dispatch by handler signature, commands, notifications and their reflection to child controls.
#include "Wnd.h"
#include "AfxState.h"
#include "ScrollBar.h"
#include "WinApp.h"

// ---- window procedure: the single entry from Win32 into window objects

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    MSG oldState = pState->m_lastSentMsg;
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = nMsg;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;
    LRESULT lResult = 0;
    try
    {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    }
    catch (CException* e)
    {
        lResult = AfxReportWndProcException(e, &pState->m_lastSentMsg);
    }
    catch (...)
    {
        // Not one of ours: it must not unwind through the system's frames either.
        lResult = nMsg == WM_CREATE ? -1 : 0;
        AfxReportInternalFailure();
    }
    pState->m_lastSentMsg = oldState;
    return lResult;
}

LRESULT AFXAPI AfxReportWndProcException(CException* e, const MSG* pMsg)
{
    LRESULT lResult = 0;
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
        lResult = pThread->ProcessWndProcException(e, pMsg);
    else
        e->ReportError(MB_ICONEXCLAMATION, AFX_IDP_INTERNAL_FAILURE);
    e->Delete();
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_QUERYAFXWNDPROC)
        return 1;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL || pWnd->m_hWnd != hWnd)
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

WNDPROC AFXAPI AfxGetAfxWndProc()
{
    return &AfxWndProc;
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    pState->m_lastSentMsg.time = ::GetMessageTime();
    DWORD dwPos = ::GetMessagePos();
    pState->m_lastSentMsg.pt.x = (short)LOWORD(dwPos);
    pState->m_lastSentMsg.pt.y = (short)HIWORD(dwPos);
    return &pState->m_lastSentMsg;
}

LRESULT CWnd::Default()
{
    const MSG* pMsg = &AfxGetThreadState()->m_lastSentMsg;
    return DefWindowProc(pMsg->message, pMsg->wParam, pMsg->lParam);
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != NULL)
        return ::CallWindowProc(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    if (*lplpfn != NULL)
        return ::CallWindowProc(*lplpfn, m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProc(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        if (pResult != NULL)
            *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR->hwndFrom == NULL || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        if (pResult != NULL)
            *pResult = lResult;
        return TRUE;
    }

    // Drag-list notifications come to the parent; the list box handles its own.
    static const UINT s_nDragListMsg = ::RegisterWindowMessage(DRAGLISTMSGSTRING);
    if (message == s_nDragListMsg && lParam != 0)
    {
        CWnd* pChild = FromHandlePermanent(((LPDRAGLISTINFO)lParam)->hWnd);
        if (pChild != NULL && pChild != this && pChild->OnChildNotify(message, wParam, lParam, pResult))
            return TRUE;
    }

    UINT nCtlType = 0;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    {
        nCtlType = message - WM_CTLCOLORMSGBOX;
        message = WM_CTLCOLOR;
    }

    const AFX_MSGMAP_ENTRY* lpEntry = NULL;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL && lpEntry == NULL;
         pMap = pMap->pfnGetBaseMap ? (*pMap->pfnGetBaseMap)() : NULL)
    {
        if (message < 0xC000)
            lpEntry = FindMessageEntry(pMap->lpEntries, message, 0, 0);
        else
        {
            for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nSig != AfxSig_end; ++p)
            {
                if (p->nMessage == 0xC000 && *(UINT*)p->nSig == message)
                {
                    lpEntry = p;
                    break;
                }
            }
        }
    }
    if (lpEntry == NULL)
        return FALSE;

    union {
        AFX_PMSG pfn;
        BOOL (CWnd::*pfn_bD)(CDC*);
        BOOL (CWnd::*pfn_bb)(BOOL);
        BOOL (CWnd::*pfn_bWww)(CWnd*, UINT, UINT);
        HBRUSH (CWnd::*pfn_hDWw)(CDC*, CWnd*, UINT);
        HBRUSH (CWnd::*pfn_hDw)(CDC*, UINT);
        int (CWnd::*pfn_iwWw)(UINT, CWnd*, UINT);
        int (CWnd::*pfn_iWww)(CWnd*, UINT, UINT);
        int (CWnd::*pfn_is)(LPCREATESTRUCT);
        BOOL (CWnd::*pfn_bs)(LPCREATESTRUCT);
        LRESULT (CWnd::*pfn_lwl)(WPARAM, LPARAM);
        void (CWnd::*pfn_vv)();
        void (CWnd::*pfn_vw)(UINT);
        void (CWnd::*pfn_vwii)(UINT, int, int);
        void (CWnd::*pfn_vwww)(UINT, UINT, UINT);
        void (CWnd::*pfn_vwp)(UINT, CPoint);
        void (CWnd::*pfn_vwwW)(UINT, UINT, CScrollBar*);
        void (CWnd::*pfn_vwWb)(UINT, CWnd*, BOOL);
        void (CWnd::*pfn_vW)(CWnd*);
        void (CWnd::*pfn_vb)(BOOL);
        void (CWnd::*pfn_vbw)(BOOL, UINT);
        void (CWnd::*pfn_vbh)(BOOL, DWORD);
        void (CWnd::*pfn_vt)(UINT_PTR);
        void (CWnd::*pfn_vWp)(CWnd*, CPoint);
        void (CWnd::*pfn_vHDROP)(HDROP);
        void (CWnd::*pfn_vMMI)(MINMAXINFO*);
        void (CWnd::*pfn_vPOS)(WINDOWPOS*);
        void (CWnd::*pfn_vbNCCALC)(BOOL, NCCALCSIZE_PARAMS*);
        LRESULT (CWnd::*pfn_lp)(CPoint);
        void (CWnd::*pfn_vwl)(UINT, LPARAM);
        void (CWnd::*pfn_vMwb)(CMenu*, UINT, BOOL);
        void (CWnd::*pfn_vwwh)(UINT, UINT, HMENU);
        void (CWnd::*pfn_vwW)(UINT, CWnd*);
        BOOL (CWnd::*pfn_bwsp)(UINT, short, CPoint);
        void (CWnd::*pfn_vbWW)(BOOL, CWnd*, CWnd*);
        void (CWnd::*pfn_viDIS)(int, LPDRAWITEMSTRUCT);
        void (CWnd::*pfn_viMIS)(int, LPMEASUREITEMSTRUCT);
        UINT (CWnd::*pfn_wv)();
        BOOL (CWnd::*pfn_bHELPINFO)(HELPINFO*);
        void (CWnd::*pfn_vii)(int, int);
        BOOL (CWnd::*pfn_bv)();
        void (CWnd::*pfn_vww)(UINT, UINT);
        void (CWnd::*pfn_vs)(LPCTSTR);
        int (CWnd::*pfn_iiCIS)(int, LPCOMPAREITEMSTRUCT);
        void (CWnd::*pfn_viDEL)(int, LPDELETEITEMSTRUCT);
        void (CWnd::*pfn_vws)(UINT, LPCTSTR);
        void (CWnd::*pfn_viSS)(int, LPSTYLESTRUCT);
    } mmf;
    mmf.pfn = lpEntry->pfn;

    UINT_PTR nSig = lpEntry->nMessage == 0xC000 ? (UINT_PTR)AfxSig_lwl : lpEntry->nSig;
    switch (nSig)
    {
    case AfxSig_bD:
        lResult = (this->*mmf.pfn_bD)(CDC::FromHandle((HDC)wParam));
        break;
    case AfxSig_bb:
        lResult = (this->*mmf.pfn_bb)((BOOL)wParam);
        break;
    case AfxSig_bWww:
        lResult = (this->*mmf.pfn_bWww)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_hDWw:
        lResult = (LRESULT)(this->*mmf.pfn_hDWw)(CDC::FromHandle((HDC)wParam), CWnd::FromHandle((HWND)lParam),
                                                 nCtlType);
        break;
    case AfxSig_hDw: {
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        lResult = (LRESULT)(this->*mmf.pfn_hDw)(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType);
        break;
    }
    case AfxSig_iwWw:
        lResult = (this->*mmf.pfn_iwWw)(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), HIWORD(wParam));
        break;
    case AfxSig_iWww:
        lResult = (this->*mmf.pfn_iWww)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_is:
        lResult = (this->*mmf.pfn_is)((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_bs:
        lResult = (this->*mmf.pfn_bs)((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_lwl:
        lResult = (this->*mmf.pfn_lwl)(wParam, lParam);
        break;
    case AfxSig_vv:
        (this->*mmf.pfn_vv)();
        break;
    case AfxSig_vw:
        (this->*mmf.pfn_vw)((UINT)wParam);
        break;
    case AfxSig_vwii:
        (this->*mmf.pfn_vwii)((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vii:
        (this->*mmf.pfn_vii)((short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vwww:
        (this->*mmf.pfn_vwww)((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vwp:
        (this->*mmf.pfn_vwp)((UINT)wParam, CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
        break;
    case AfxSig_vwwW:
        (this->*mmf.pfn_vwwW)(LOWORD(wParam), (short)HIWORD(wParam),
                              (CScrollBar*)CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_vww:
        (this->*mmf.pfn_vww)(LOWORD(wParam), (short)HIWORD(wParam));
        break;
    case AfxSig_vwWb:
        (this->*mmf.pfn_vwWb)(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), (BOOL)HIWORD(wParam));
        break;
    case AfxSig_vW:
        (this->*mmf.pfn_vW)(CWnd::FromHandle((HWND)(message == WM_CAPTURECHANGED ? lParam : wParam)));
        break;
    case AfxSig_vb:
        (this->*mmf.pfn_vb)((BOOL)wParam);
        break;
    case AfxSig_vbw:
        (this->*mmf.pfn_vbw)((BOOL)wParam, (UINT)lParam);
        break;
    case AfxSig_vbh:
        (this->*mmf.pfn_vbh)((BOOL)wParam, (DWORD)lParam);
        break;
    case AfxSig_vt:
        (this->*mmf.pfn_vt)((UINT_PTR)wParam);
        break;
    case AfxSig_vWp:
        (this->*mmf.pfn_vWp)(CWnd::FromHandle((HWND)wParam),
                             CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
        break;
    case AfxSig_vHDROP:
        (this->*mmf.pfn_vHDROP)((HDROP)wParam);
        break;
    case AfxSig_vMMI:
        (this->*mmf.pfn_vMMI)((MINMAXINFO*)lParam);
        break;
    case AfxSig_vPOS:
        (this->*mmf.pfn_vPOS)((WINDOWPOS*)lParam);
        break;
    case AfxSig_vbNCCALC:
        (this->*mmf.pfn_vbNCCALC)((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam);
        break;
    case AfxSig_lp:
        lResult = (this->*mmf.pfn_lp)(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
        break;
    case AfxSig_vwl:
        (this->*mmf.pfn_vwl)((UINT)wParam, lParam);
        break;
    case AfxSig_vMwb:
        (this->*mmf.pfn_vMwb)(CMenu::FromHandle((HMENU)wParam), LOWORD(lParam), (BOOL)HIWORD(lParam));
        break;
    case AfxSig_vwwh:
        (this->*mmf.pfn_vwwh)(LOWORD(wParam), HIWORD(wParam), (HMENU)lParam);
        break;
    case AfxSig_vwW:
        (this->*mmf.pfn_vwW)((UINT)wParam, CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_bwsp:
        lResult = (this->*mmf.pfn_bwsp)(LOWORD(wParam), (short)HIWORD(wParam),
                                        CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
        break;
    case AfxSig_vbWW:
        // WM_MDIACTIVATE: wParam is the window losing activation, lParam the one gaining it.
        (this->*mmf.pfn_vbWW)((HWND)lParam == m_hWnd, CWnd::FromHandle((HWND)lParam),
                              CWnd::FromHandle((HWND)wParam));
        break;
    case AfxSig_viDIS:
        (this->*mmf.pfn_viDIS)((int)wParam, (LPDRAWITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_viMIS:
        (this->*mmf.pfn_viMIS)((int)wParam, (LPMEASUREITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_wv:
        lResult = (this->*mmf.pfn_wv)();
        break;
    case AfxSig_bHELPINFO:
        lResult = (this->*mmf.pfn_bHELPINFO)((HELPINFO*)lParam);
        break;
    case AfxSig_bv:
        lResult = (this->*mmf.pfn_bv)();
        break;
    case AfxSig_vs:
        (this->*mmf.pfn_vs)((LPCTSTR)lParam);
        break;
    case AfxSig_vws:
        (this->*mmf.pfn_vws)((UINT)wParam, (LPCTSTR)lParam);
        break;
    case AfxSig_iiCIS:
        lResult = (this->*mmf.pfn_iiCIS)((int)wParam, (LPCOMPAREITEMSTRUCT)lParam);
        break;
    case AfxSig_viDEL:
        (this->*mmf.pfn_viDEL)((int)wParam, (LPDELETEITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_viSS:
        (this->*mmf.pfn_viSS)((int)wParam, (LPSTYLESTRUCT)lParam);
        break;
    default:
        ASSERT(FALSE);
        return FALSE;
    }
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

// ---- commands, notifications, reflection

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);
    if (hWndCtrl == NULL)
    {
        if (nID == 0)
            return FALSE;
        // Menu and accelerator commands run only when their update handler leaves them enabled.
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, (int)CN_UPDATE_COMMAND_UI, &state, NULL);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
            return TRUE;
        CWnd* pChild = FromHandlePermanent(hWndCtrl);
        if (pChild != NULL && pChild->OnChildNotify(WM_COMMAND, wParam, lParam, NULL))
            return TRUE;
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = (UINT)pNMHDR->idFrom;
    int nCode = pNMHDR->code;
    if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    CWnd* pChild = FromHandlePermanent(hWndCtrl);
    if (pChild != NULL && pChild->OnChildNotify(WM_NOTIFY, (WPARAM)nID, lParam, pResult))
        return TRUE;
    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, NULL);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND: {
        int nCode = HIWORD(wParam);
        if (OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), NULL, NULL))
        {
            if (pResult != NULL)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        AFX_NOTIFY notify;
        LRESULT lDummy = 0;
        notify.pResult = pResult != NULL ? pResult : &lDummy;
        notify.pNMHDR = pNMHDR;
        return OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, NULL);
    }
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        {
            AFX_CTLCOLOR ctl;
            ctl.hWnd = m_hWnd;
            ctl.hDC = (HDC)wParam;
            ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
            LRESULT lResult = 0;
            BOOL bResult = OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, &lResult);
            if ((HBRUSH)lResult == NULL)
                return FALSE;
            if (pResult != NULL)
                *pResult = lResult;
            return bResult;
        }
        return FALSE;
    }
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    return pWnd != NULL && pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG* pMsg = &AfxGetThreadState()->m_lastSentMsg;
    return OnChildNotify(pMsg->message, pMsg->wParam, pMsg->lParam, pResult);
}
