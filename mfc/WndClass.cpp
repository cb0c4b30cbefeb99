// Window classes of the framework: registered on first use, with generated names for the
// combinations of style, cursor, background and icon that frames and views ask for.
#include "Wnd.h"
#include "WinApp.h"

const TCHAR _afxWnd[] = _T("AfxWnd");
const TCHAR _afxWndControlBar[] = _T("AfxControlBar42");
const TCHAR _afxWndMDIFrame[] = _T("AfxMDIFrame");
const TCHAR _afxWndFrameOrView[] = _T("AfxFrameOrView");

namespace
{
// Which of the framework's classes this process has registered (AFX_*_REG bits).
LONG g_fRegisteredClasses = 0;
CRITICAL_SECTION* ClassLock()
{
    static CRITICAL_SECTION cs;
    static BOOL bInit = (::InitializeCriticalSection(&cs), TRUE);
    (void)bInit;
    return &cs;
}

HICON LoadFrameIcon(UINT nIDIcon)
{
    HICON hIcon = ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(nIDIcon));
    return hIcon != NULL ? hIcon : ::LoadIcon(NULL, IDI_APPLICATION);
}
} // namespace

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASS wndcls;
    if (::GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls))
        return TRUE; // already there (another module or an earlier call)
    return ::RegisterClass(lpWndClass) != 0;
}

// The name is made of the parameters, so equal requests share one class. The text lives in a
// per-thread buffer until the next call on the same thread, as callers pass it straight on.
LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static thread_local TCHAR szName[96];
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (hCursor == NULL && hbrBackground == NULL && hIcon == NULL)
        wsprintf(szName, _T("Afx:%p:%x"), (void*)hInst, nClassStyle);
    else
        wsprintf(szName, _T("Afx:%p:%x:%p:%p:%p"), (void*)hInst, nClassStyle, (void*)hCursor,
                 (void*)hbrBackground, (void*)hIcon);
    WNDCLASS wndcls = {};
    wndcls.style = nClassStyle;
    wndcls.lpfnWndProc = ::DefWindowProc; // the creation hook subclasses to AfxWndProc
    wndcls.hInstance = hInst;
    wndcls.hIcon = hIcon;
    wndcls.hCursor = hCursor;
    wndcls.hbrBackground = hbrBackground;
    wndcls.lpszClassName = szName;
    if (!AfxRegisterClass(&wndcls))
        AfxThrowResourceException();
    return szName;
}

LPCTSTR AFXAPI AfxRegisterIconClass(UINT nIDIcon)
{
    return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1),
                               LoadFrameIcon(nIDIcon));
}

BOOL AFXAPI AfxDeferRegisterClass(LONG fToRegister)
{
    CRITICAL_SECTION* pLock = ClassLock();
    ::EnterCriticalSection(pLock);
    fToRegister &= ~g_fRegisteredClasses;
    BOOL bResult = TRUE;
    WNDCLASS wndcls = {};
    wndcls.lpfnWndProc = ::DefWindowProc;
    wndcls.hInstance = AfxGetInstanceHandle();
    wndcls.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    // One row per class: bit, name, class style, background, icon id (0: none).
    static const struct
    {
        LONG fBit;
        LPCTSTR lpszName;
        UINT nStyle;
        INT_PTR nBackground; // system colour + 1, or 0
        UINT nIDIcon;
    } classes[] = {
        {AFX_WND_REG, _afxWnd, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, 0, 0},
        {AFX_WNDCONTROLBAR_REG, _afxWndControlBar, CS_DBLCLKS, COLOR_BTNFACE + 1,
         0}, // docked bars toggle on double clicks
        {AFX_WNDMDIFRAME_REG, _afxWndMDIFrame, CS_DBLCLKS, 0, AFX_IDI_STD_MDIFRAME},
        {AFX_WNDFRAMEORVIEW_REG, _afxWndFrameOrView, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW + 1,
         AFX_IDI_STD_FRAME},
    };
    for (const auto& c : classes)
    {
        if (!(fToRegister & c.fBit))
            continue;
        wndcls.lpszClassName = c.lpszName;
        wndcls.style = c.nStyle;
        wndcls.hbrBackground = (HBRUSH)c.nBackground;
        wndcls.hIcon = c.nIDIcon != 0 ? LoadFrameIcon(c.nIDIcon) : NULL;
        if (AfxRegisterClass(&wndcls))
            g_fRegisteredClasses |= c.fBit;
        else
            bResult = FALSE;
    }
    LONG fCommon = fToRegister & (AFX_WNDCOMMCTLS_REG | AFX_WNDCOMMCTL_BAR_REG);
    if (fCommon != 0)
    {
        INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_COOL_CLASSES};
        if (::InitCommonControlsEx(&init))
            g_fRegisteredClasses |= fCommon;
        else
            bResult = FALSE;
    }
    ::LeaveCriticalSection(pLock);
    return bResult;
}
