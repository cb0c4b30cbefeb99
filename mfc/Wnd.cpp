// CWnd: handle maps, the creation hook, the window procedure and message dispatch, reflection,
// relations, layout helpers, modal loops and tool tips.
#include "Wnd.h"
#include "AfxState.h"
#include "FrameWnd.h"
#include "ScrollBar.h"
#include "WinApp.h"
#include <commctrl.h>
#include <shellapi.h>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

AFX_THREAD_STATE* AFXAPI AfxGetThreadState()
{
    static thread_local AFX_THREAD_STATE state;
    return &state;
}

void AFXAPI AfxLockTempMaps() { ++AfxGetThreadState()->m_nTempMapLock; }

BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_nTempMapLock > 0)
        --pState->m_nTempMapLock;
    if (pState->m_nTempMapLock != 0 || !bDeleteTemps)
        return FALSE;
    pState->m_wndMap.DeleteTemp();
    pState->m_menuMap.DeleteTemp();
    pState->m_dcMap.DeleteTemp();
    pState->m_gdiMap.DeleteTemp();
    return TRUE;
}

CHandleMap<CWnd, HWND>& PASCAL CWnd::HandleMap() { return AfxGetThreadState()->m_wndMap; }

static CWnd* AfxNewTempWnd() { return new CWnd; }

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) { return HandleMap().FromHandle(hWnd, &AfxNewTempWnd); }
CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) { return hWnd ? HandleMap().LookupPermanent(hWnd) : NULL; }
void PASCAL CWnd::DeleteTempMap() { HandleMap().DeleteTemp(); }

CWnd::CWnd() : m_hWnd(NULL), m_hWndOwner(NULL), m_nFlags(0), m_pfnSuper(NULL), m_nModalResult(0), m_hWndToolTip(NULL) {}

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd), m_hWndOwner(NULL), m_nFlags(0), m_pfnSuper(NULL), m_nModalResult(0), m_hWndToolTip(NULL) {}

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::~CWnd()
{
    if (m_hWnd != NULL && ::IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this)
    {
        // Destroyed with its window still alive: let the window die without this object.
        HWND hWnd = m_hWnd;
        if (m_pfnSuper != NULL && (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC) == AfxGetAfxWndProc())
            ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
        Detach();
        ::DestroyWindow(hWnd);
    }
    if (m_hWndToolTip != NULL)
        ::DestroyWindow(m_hWndToolTip);
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == NULL || HandleMap().LookupPermanent(hWndNew) != NULL)
        return FALSE;
    HandleMap().RemoveHandle(hWndNew); // a temporary wrapper of it is no longer wanted
    HandleMap().SetPermanent(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL && HandleMap().LookupPermanent(hWnd) == this)
        HandleMap().RemoveHandle(hWnd);
    m_hWnd = NULL;
    return hWnd;
}

WNDPROC* CWnd::GetSuperWndProcAddr() { return &m_pfnSuper; }

void CWnd::PreSubclassWindow() {}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxGetAfxWndProc());
    if (oldWndProc != AfxGetAfxWndProc() && *lplpfn == NULL)
        *lplpfn = oldWndProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, nID);
    return hWndControl != NULL && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    if (*lplpfn != NULL)
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)*lplpfn);
    *lplpfn = NULL;
    return Detach();
}

// ---- creation hook

static BOOL AfxIsImeClass(HWND hWnd)
{
    TCHAR szClass[32];
    if (!::GetClassName(hWnd, szClass, _countof(szClass)))
        return FALSE;
    return lstrcmpi(szClass, _T("IME")) == 0 || lstrcmpi(szClass, _T("MSCTFIME UI")) == 0;
}

static LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (code == HCBT_CREATEWND && pState->m_pWndInit != NULL && !AfxIsImeClass((HWND)wParam))
    {
        CWnd* pWndInit = pState->m_pWndInit;
        HWND hWnd = (HWND)wParam;
        pWndInit->Attach(hWnd);
        pWndInit->PreSubclassWindow();
        WNDPROC afxWndProc = AfxGetAfxWndProc();
        WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)afxWndProc);
        if (oldWndProc != afxWndProc)
            *pWndInit->GetSuperWndProcAddr() = oldWndProc;
        pState->m_pWndInit = NULL;
    }
    return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter == NULL)
        pState->m_hHookOldCbtFilter =
            ::SetWindowsHookEx(WH_CBT, AfxCbtFilterHook, NULL, ::GetCurrentThreadId());
    pState->m_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter != NULL)
    {
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
        pState->m_hHookOldCbtFilter = NULL;
    }
    if (pState->m_pWndInit != NULL)
    {
        pState->m_pWndInit = NULL;
        return FALSE; // the window was never created
    }
    return TRUE;
}

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
        CWinThread* pThread = AfxGetThread();
        if (pThread != NULL)
            lResult = pThread->ProcessWndProcException(e, &pState->m_lastSentMsg);
        else
            e->ReportError(MB_ICONEXCLAMATION, AFX_IDP_INTERNAL_FAILURE);
        e->Delete();
    }
    pState->m_lastSentMsg = oldState;
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

WNDPROC AFXAPI AfxGetAfxWndProc() { return &AfxWndProc; }

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

    union
    {
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
        lResult = (LRESULT)(this->*mmf.pfn_hDWw)(
            CDC::FromHandle((HDC)wParam), CWnd::FromHandle((HWND)lParam), nCtlType);
        break;
    case AfxSig_hDw:
    {
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
        (this->*mmf.pfn_vwwW)(LOWORD(wParam), (short)HIWORD(wParam), (CScrollBar*)CWnd::FromHandle((HWND)lParam));
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
        (this->*mmf.pfn_vWp)(CWnd::FromHandle((HWND)wParam), CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
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
        (this->*mmf.pfn_vbWW)((HWND)lParam == m_hWnd, CWnd::FromHandle((HWND)lParam), CWnd::FromHandle((HWND)wParam));
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
    case AfxSig_iiCIS:
        lResult = (this->*mmf.pfn_iiCIS)((int)wParam, (LPCOMPAREITEMSTRUCT)lParam);
        break;
    case AfxSig_viDEL:
        (this->*mmf.pfn_viDEL)((int)wParam, (LPDELETEITEMSTRUCT)lParam);
        lResult = TRUE;
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
    case WM_COMMAND:
    {
        int nCode = HIWORD(wParam);
        if (OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), NULL, NULL))
        {
            if (pResult != NULL)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY:
    {
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

// ---- creation and destruction

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
    {
        if (!AfxDeferRegisterClass(AFX_WND_REG))
            return FALSE;
        cs.lpszClass = _afxWnd;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x,
    int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    CREATESTRUCT cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
        cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
    {
        PostNcDestroy(); // the window never reached this object
        return FALSE;
    }
    return hWnd != NULL;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
    CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID,
        (LPVOID)pContext);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    CWnd* pWnd = FromHandlePermanent(m_hWnd);
    HWND hWnd = m_hWnd;
    if (pWnd != this)
    {
        // Not attached: destroy the window and forget it.
        Detach();
        m_hWnd = NULL;
        return ::DestroyWindow(hWnd);
    }
    return ::DestroyWindow(hWnd); // this object may be gone afterwards (PostNcDestroy)
}

void CWnd::PostNcDestroy() {}

void CWnd::OnNcDestroy()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
    {
        if (pThread->m_pMainWnd == this)
        {
            if (pThread == AfxGetApp())
                ::PostQuitMessage(0);
            pThread->m_pMainWnd = NULL;
        }
        if (pThread->m_pActiveWnd == this)
            pThread->m_pActiveWnd = NULL;
    }
    if (m_hWndToolTip != NULL)
    {
        ::DestroyWindow(m_hWndToolTip);
        m_hWndToolTip = NULL;
    }
    WNDPROC pfnWndProc = (WNDPROC)::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC);
    Default();
    if ((WNDPROC)::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) == pfnWndProc)
    {
        WNDPROC pfnSuper = *GetSuperWndProcAddr();
        if (pfnSuper != NULL)
            ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)pfnSuper);
    }
    Detach();
    PostNcDestroy();
}

// ---- attributes and relations

BOOL PASCAL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = (DWORD)::GetWindowLongPtr(hWnd, GWL_STYLE);
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongPtr(hWnd, GWL_STYLE, (LONG_PTR)dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(hWnd, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL PASCAL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = (DWORD)::GetWindowLongPtr(hWnd, GWL_EXSTYLE);
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongPtr(hWnd, GWL_EXSTYLE, (LONG_PTR)dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(hWnd, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) { return ModifyStyle(m_hWnd, dwRemove, dwAdd, nFlags); }
BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) { return ModifyStyleEx(m_hWnd, dwRemove, dwAdd, nFlags); }

void CWnd::GetWindowText(CString& rString) const
{
    int nLen = ::GetWindowTextLength(m_hWnd);
    ::GetWindowText(m_hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) { SendMessage(WM_SETFONT, (WPARAM)pFont->GetSafeHandle(), bRedraw); }
CFont* CWnd::GetFont() const { return CFont::FromHandle((HFONT)::SendMessage(m_hWnd, WM_GETFONT, 0, 0)); }
CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
BOOL CWnd::SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, pMenu != NULL ? pMenu->m_hMenu : NULL); }
CMenu* CWnd::GetSystemMenu(BOOL bRevert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert)); }

CWnd* CWnd::GetOwner() const { return m_hWndOwner != NULL ? FromHandle(m_hWndOwner) : GetParent(); }
CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::SetParent(CWnd* pWndNewParent) { return FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd())); }

CWnd* CWnd::GetTopLevelParent() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    HWND hWndParent = m_hWnd;
    HWND hWndT;
    while ((::GetWindowLongPtr(hWndParent, GWL_STYLE) & WS_CHILD) && (hWndT = ::GetParent(hWndParent)) != NULL)
        hWndParent = hWndT;
    return FromHandle(hWndParent);
}

CWnd* CWnd::GetParentOwner() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    HWND hWndParent = m_hWnd;
    HWND hWndT;
    while ((::GetWindowLongPtr(hWndParent, GWL_STYLE) & WS_CHILD) && (hWndT = ::GetParent(hWndParent)) != NULL)
        hWndParent = hWndT;
    return FromHandle(hWndParent);
}

CWnd* CWnd::GetTopLevelOwner() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    HWND hWndOwner = m_hWnd;
    HWND hWndT;
    while ((hWndT = ::GetWindow(hWndOwner, GW_OWNER)) != NULL)
        hWndOwner = hWndT;
    return FromHandle(hWndOwner);
}

BOOL CWnd::IsFrameWnd() const { return IsKindOf(RUNTIME_CLASS(CFrameWnd)); }

CFrameWnd* CWnd::GetParentFrame() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    for (CWnd* pParentWnd = GetParent(); pParentWnd != NULL; pParentWnd = pParentWnd->GetParent())
    {
        if (pParentWnd->IsFrameWnd())
            return (CFrameWnd*)pParentWnd;
    }
    return NULL;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    CFrameWnd* pFrameWnd = IsFrameWnd() ? (CFrameWnd*)this : GetParentFrame();
    if (pFrameWnd != NULL)
    {
        CFrameWnd* pTemp;
        while ((pTemp = pFrameWnd->GetParentFrame()) != NULL)
            pFrameWnd = pTemp;
    }
    return pFrameWnd;
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }

CWnd* PASCAL CWnd::GetDescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    HWND hWndChild = ::GetDlgItem(hWnd, nID);
    if (hWndChild != NULL)
    {
        if (::GetTopWindow(hWndChild) != NULL)
        {
            CWnd* pWnd = GetDescendantWindow(hWndChild, nID, bOnlyPerm);
            if (pWnd != NULL)
                return pWnd;
        }
        if (!bOnlyPerm)
            return FromHandle(hWndChild);
        if (CWnd* pWnd = FromHandlePermanent(hWndChild))
            return pWnd;
    }
    for (hWndChild = ::GetTopWindow(hWnd); hWndChild != NULL; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        CWnd* pWnd = GetDescendantWindow(hWndChild, nID, bOnlyPerm);
        if (pWnd != NULL)
            return pWnd;
    }
    return NULL;
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const { return GetDescendantWindow(m_hWnd, nID, bOnlyPerm); }

void PASCAL CWnd::SendMessageToDescendants(
    HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (bOnlyPerm)
        {
            CWnd* pWnd = FromHandlePermanent(hWndChild);
            if (pWnd != NULL)
                AfxCallWndProc(pWnd, pWnd->m_hWnd, message, wParam, lParam);
        }
        else
            ::SendMessage(hWndChild, message, wParam, lParam);
        if (bDeep && ::GetTopWindow(hWndChild) != NULL)
            SendMessageToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

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
    if (lpLayout->hDWP != NULL)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, NULL, lpRect->left, lpRect->top,
            lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
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
        HMONITOR hMon = ::MonitorFromWindow(hWndCenter != NULL ? hWndCenter : m_hWnd, MONITOR_DEFAULTTONEAREST);
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

// ---- painting

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* pDC) { return ::ReleaseDC(m_hWnd, pDC->m_hDC); }
CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint) { return CDC::FromHandle(::BeginPaint(m_hWnd, lpPaint)); }

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    return AfxShowMessage(m_hWnd, lpszText, lpszCaption != NULL ? lpszCaption : AfxGetMessageBoxCaption(), nType);
}

// ---- scrolling

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
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
    ::ShowScrollBar(m_hWnd, nBar, bEnable);
}

CScrollBar* CWnd::GetScrollBarCtrl(int) const { return NULL; }

void CWnd::DragAcceptFiles(BOOL bAccept) { ::DragAcceptFiles(m_hWnd, bAccept); }

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
        m_hWndToolTip = ::CreateWindowEx(0, TOOLTIPS_CLASS, NULL, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
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
        if (pPerm != NULL &&
            pPerm->OnCmdMsg(0, MAKELONG(0xFFFF, WM_COMMAND + WM_REFLECT_BASE), &state, NULL))
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

BOOL CWnd::ContinueModal() { return (m_nFlags & WF_CONTINUEMODAL) != 0; }

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL);
    }
}

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->WinHelp(dwData, nCmd);
}

// ---- default handlers

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_COMPAREITEM()
    ON_WM_DELETEITEM()
    ON_WM_CTLCOLOR()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_NCDESTROY()
    ON_WM_PARENTNOTIFY()
    ON_WM_ENTERIDLE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_DROPFILES()
END_MESSAGE_MAP()

int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
BOOL CWnd::OnNcCreate(LPCREATESTRUCT) { return (BOOL)Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnNcPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return (int)Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return (BOOL)Default(); }

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && pScrollBar->SendChildNotifyLastMsg())
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && pScrollBar->SendChildNotifyLastMsg())
        return;
    Default();
}

void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnDropFiles(HDROP) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return (BOOL)Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if (LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY)
    {
        if (ReflectLastMsg((HWND)lParam))
            return;
    }
    Default();
}

void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
void CWnd::OnEnterIdle(UINT, CWnd*) { Default(); }

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult;
    if (pWnd != NULL && pWnd->SendChildNotifyLastMsg(&lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT)
{
    if (nIDCtl != 0)
    {
        HWND hWndChild = ::GetDlgItem(m_hWnd, nIDCtl);
        if (hWndChild != NULL && ReflectLastMsg(hWndChild))
            return;
    }
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
        return (int)lResult;
    return (int)Default();
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnCancelMode() { Default(); }

void CWnd::OnSysColorChange()
{
    // Top-level windows pass the change on to their children, as Windows does not.
    if (!(GetStyle() & WS_CHILD))
        SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0L, TRUE, TRUE);
    Default();
}

BOOL CWnd::OnQueryEndSession() { return (BOOL)Default(); }
void CWnd::OnEndSession(BOOL) { Default(); }
void CWnd::OnMDIActivate(BOOL, CWnd*, CWnd*) { Default(); }
void CWnd::OnChildActivate() { Default(); }
UINT CWnd::OnGetDlgCode() { return (UINT)Default(); }
BOOL CWnd::OnHelpInfo(HELPINFO*) { return (BOOL)Default(); }
void CWnd::OnEnterMenuLoop(BOOL) { Default(); }
void CWnd::OnExitMenuLoop(BOOL) { Default(); }
