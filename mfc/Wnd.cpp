// CWnd: handle maps, the creation hook, creation and destruction, attributes, relations and the
// default message handlers. The window procedure and dispatch are in WndDispatch.cpp, geometry,
// scrolling, tool tips and modal loops in WndLayout.cpp.
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

void AFXAPI AfxLockTempMaps()
{
    ++AfxGetThreadState()->m_nTempMapLock;
}

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
    pState->m_imageListMap.DeleteTemp();
    return TRUE;
}

CHandleMap<CWnd, HWND>& PASCAL CWnd::HandleMap()
{
    return AfxGetThreadState()->m_wndMap;
}

static CWnd* AfxNewTempWnd()
{
    return new CWnd;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    return HandleMap().FromHandle(hWnd, &AfxNewTempWnd);
}
CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? HandleMap().LookupPermanent(hWnd) : NULL;
}
void PASCAL CWnd::DeleteTempMap()
{
    HandleMap().DeleteTemp();
}

CWnd::CWnd()
    : m_hWnd(NULL), m_hWndOwner(NULL), m_nFlags(0), m_pfnSuper(NULL), m_nModalResult(0), m_hWndToolTip(NULL)
{
}

CWnd::CWnd(HWND hWnd)
    : m_hWnd(hWnd), m_hWndOwner(NULL), m_nFlags(0), m_pfnSuper(NULL), m_nModalResult(0), m_hWndToolTip(NULL)
{
}

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

WNDPROC* CWnd::GetSuperWndProcAddr()
{
    return &m_pfnSuper;
}

void CWnd::PreSubclassWindow()
{
}

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
        pState->m_pWndInit = NULL;
        HWND hWnd = (HWND)wParam;
        // A failure here (PreSubclassWindow is the caller's) cancels the creation.
        BOOL bHooked = AfxCallFromWin32(FALSE, [&] {
            pWndInit->Attach(hWnd);
            pWndInit->PreSubclassWindow();
            WNDPROC afxWndProc = AfxGetAfxWndProc();
            WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)afxWndProc);
            if (oldWndProc != afxWndProc)
                *pWndInit->GetSuperWndProcAddr() = oldWndProc;
            return TRUE;
        });
        if (!bHooked)
        {
            // The window never reaches the object: CreateEx sees the hook still pending.
            if (pWndInit->m_hWnd == hWnd)
                pWndInit->Detach();
            pState->m_pWndInit = pWndInit;
            return 1;
        }
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
                    AfxRectExtent(rect.left, rect.right), AfxRectExtent(rect.top, rect.bottom),
                    pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    AfxRectExtent(rect.left, rect.right), AfxRectExtent(rect.top, rect.bottom),
                    pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, (LPVOID)pContext);
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

void CWnd::PostNcDestroy()
{
}

void CWnd::OnNcDestroy()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
    {
        if (pThread->m_pMainWnd == this)
        {
            // The main window of any thread, the application's or a user-interface thread's,
            // ends that thread's message loop.
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
        ::SetWindowPos(hWnd, NULL, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
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
        ::SetWindowPos(hWnd, NULL, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyle(m_hWnd, dwRemove, dwAdd, nFlags);
}
BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleEx(m_hWnd, dwRemove, dwAdd, nFlags);
}

void CWnd::GetWindowText(CString& rString) const
{
    int nLen = ::GetWindowTextLength(m_hWnd);
    ::GetWindowText(m_hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, (WPARAM)pFont->GetSafeHandle(), bRedraw);
}
CFont* CWnd::GetFont() const
{
    return CFont::FromHandle((HFONT)::SendMessage(m_hWnd, WM_GETFONT, 0, 0));
}
CMenu* CWnd::GetMenu() const
{
    return CMenu::FromHandle(::GetMenu(m_hWnd));
}
BOOL CWnd::SetMenu(CMenu* pMenu)
{
    return ::SetMenu(m_hWnd, pMenu != NULL ? pMenu->m_hMenu : NULL);
}
CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

CWnd* CWnd::GetOwner() const
{
    return m_hWndOwner != NULL ? FromHandle(m_hWndOwner) : GetParent();
}
CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}
CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
    return FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd()));
}

// Parent of a child window, owner of any other: the way up to the top-level window.
static HWND ParentOrOwner(HWND hWnd)
{
    if (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD)
        return ::GetParent(hWnd);
    return ::GetWindow(hWnd, GW_OWNER);
}

// Unlike GetParentOwner this goes on through owners, so a control in an owned popup finds the
// window that owns the popup.
CWnd* CWnd::GetTopLevelParent() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    HWND hWndParent = m_hWnd;
    HWND hWndT;
    while ((hWndT = ParentOrOwner(hWndParent)) != NULL)
        hWndParent = hWndT;
    return FromHandle(hWndParent);
}

BOOL CWnd::HandleFloatingSysCommand(UINT nID, LPARAM lParam)
{
    CWnd* pTop = GetTopLevelParent();
    const UINT nCommand = nID & 0xFFF0;
    if (nCommand == SC_NEXTWINDOW || nCommand == SC_PREVWINDOW)
    {
        if (LOWORD(lParam) != VK_F6 || pTop == NULL)
            return FALSE;
        pTop->SetFocus();
        return TRUE;
    }
    if (nCommand != SC_CLOSE && nCommand != SC_KEYMENU)
        return FALSE;
    // A key menu without a key is what Alt+Tab leaves behind: nothing to hand on.
    if ((nCommand == SC_CLOSE || lParam != 0) && pTop != NULL)
    {
        // The command may destroy this window, the focus window or the whole application.
        const HWND hWndSelf = m_hWnd;
        const HWND hWndFocus = ::GetFocus();
        pTop->SetActiveWindow();
        pTop->SendMessage(WM_SYSCOMMAND, nID, lParam);
        if (::IsWindow(hWndSelf))
            ::SetActiveWindow(hWndSelf);
        if (hWndFocus != NULL && ::IsWindow(hWndFocus))
            ::SetFocus(hWndFocus);
    }
    return TRUE;
}

CWnd* CWnd::GetParentOwner() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    HWND hWndParent = m_hWnd;
    HWND hWndT;
    while ((::GetWindowLongPtr(hWndParent, GWL_STYLE) & WS_CHILD) &&
           (hWndT = ::GetParent(hWndParent)) != NULL)
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

BOOL CWnd::IsFrameWnd() const
{
    return IsKindOf(RUNTIME_CLASS(CFrameWnd));
}

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

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

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

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    return GetDescendantWindow(m_hWnd, nID, bOnlyPerm);
}

void PASCAL CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                           BOOL bOnlyPerm)
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

// ---- painting

CDC* CWnd::GetDC()
{
    return CDC::FromHandle(::GetDC(m_hWnd));
}
CDC* CWnd::GetWindowDC()
{
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}
int CWnd::ReleaseDC(CDC* pDC)
{
    return ::ReleaseDC(m_hWnd, pDC->m_hDC);
}
CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint)
{
    return CDC::FromHandle(::BeginPaint(m_hWnd, lpPaint));
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    return AfxShowMessage(m_hWnd, lpszText, lpszCaption != NULL ? lpszCaption : AfxGetMessageBoxCaption(),
                          nType);
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

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return (int)Default();
}
BOOL CWnd::OnNcCreate(LPCREATESTRUCT)
{
    return (BOOL)Default();
}
void CWnd::OnDestroy()
{
    Default();
}
void CWnd::OnClose()
{
    Default();
}
void CWnd::OnPaint()
{
    Default();
}
void CWnd::OnNcPaint()
{
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return (BOOL)Default();
}
void CWnd::OnSize(UINT, int, int)
{
    Default();
}
void CWnd::OnMove(int, int)
{
    Default();
}
void CWnd::OnSetFocus(CWnd*)
{
    Default();
}
void CWnd::OnKillFocus(CWnd*)
{
    Default();
}
void CWnd::OnActivate(UINT, CWnd*, BOOL)
{
    Default();
}
void CWnd::OnActivateApp(BOOL, DWORD)
{
    Default();
}
int CWnd::OnMouseActivate(CWnd*, UINT, UINT)
{
    return (int)Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return (BOOL)Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysKeyUp(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnDeadChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysDeadChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return (BOOL)Default();
}

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

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}
void CWnd::OnContextMenu(CWnd*, CPoint)
{
    Default();
}
void CWnd::OnDropFiles(HDROP)
{
    Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
    Default();
}
void CWnd::OnWindowPosChanging(WINDOWPOS*)
{
    Default();
}
void CWnd::OnWindowPosChanged(WINDOWPOS*)
{
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT)
{
    Default();
}
void CWnd::OnEnable(BOOL)
{
    Default();
}
BOOL CWnd::OnNcActivate(BOOL)
{
    return (BOOL)Default();
}
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*)
{
    Default();
}
LRESULT CWnd::OnNcHitTest(CPoint)
{
    return Default();
}
void CWnd::OnNcLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcLButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcRButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcRButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcRButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcMButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnSettingChange(UINT, LPCTSTR)
{
    Default();
}
void CWnd::OnNcMouseMove(UINT, CPoint)
{
    Default();
}
void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if (LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY)
    {
        if (ReflectLastMsg((HWND)lParam))
            return;
    }
    Default();
}

void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL)
{
    Default();
}
void CWnd::OnMenuSelect(UINT, UINT, HMENU)
{
    Default();
}
void CWnd::OnEnterIdle(UINT, CWnd*)
{
    Default();
}

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

void CWnd::OnCaptureChanged(CWnd*)
{
    Default();
}
void CWnd::OnCancelMode()
{
    Default();
}

void CWnd::OnWinIniChange(LPCTSTR)
{
    Default();
}

void CWnd::OnStyleChanged(int, LPSTYLESTRUCT)
{
    Default();
}

void CWnd::OnSysColorChange()
{
    // Top-level windows pass the change on to their children, as Windows does not.
    if (!(GetStyle() & WS_CHILD))
        SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0L, TRUE, TRUE);
    Default();
}

BOOL CWnd::OnQueryEndSession()
{
    return (BOOL)Default();
}
BOOL CWnd::OnQueryNewPalette()
{
    return (BOOL)Default();
}
void CWnd::OnPaletteChanged(CWnd*)
{
    Default();
}
void CWnd::OnEndSession(BOOL)
{
    Default();
}
void CWnd::OnMDIActivate(BOOL, CWnd*, CWnd*)
{
    Default();
}
void CWnd::OnChildActivate()
{
    Default();
}
UINT CWnd::OnGetDlgCode()
{
    return (UINT)Default();
}
BOOL CWnd::OnHelpInfo(HELPINFO*)
{
    return (BOOL)Default();
}
void CWnd::OnEnterMenuLoop(BOOL)
{
    Default();
}
void CWnd::OnExitMenuLoop(BOOL)
{
    Default();
}
