#include "MessageSink.h"
#include "Module.h"
#include <algorithm>

namespace
{
// The owner of the box about to open on this thread, and the hook that places it.
thread_local HWND t_hBoxOwner = NULL;
thread_local HHOOK t_hBoxHook = NULL;

// Wine opens a message box in the middle of the screen; the user looks for it over the window it
// belongs to, as Windows shows it. Kept inside the owner's monitor.
LRESULT CALLBACK CentreBoxOnOwner(int nCode, WPARAM wParam, LPARAM lParam)
{
    const HHOOK hHook = t_hBoxHook;
    if (nCode == HCBT_ACTIVATE && t_hBoxOwner != NULL)
    {
        const HWND hBox = (HWND)wParam;
        RECT box, owner;
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof(monitor);
        if (::GetWindowRect(hBox, &box) && ::GetWindowRect(t_hBoxOwner, &owner) &&
            ::GetMonitorInfoA(::MonitorFromWindow(t_hBoxOwner, MONITOR_DEFAULTTONEAREST), &monitor))
        {
            const RECT& work = monitor.rcWork;
            const int cx = box.right - box.left, cy = box.bottom - box.top;
            int x = (owner.left + owner.right - cx) / 2, y = (owner.top + owner.bottom - cy) / 2;
            x = std::max((int)work.left, std::min(x, (int)work.right - cx));
            y = std::max((int)work.top, std::min(y, (int)work.bottom - cy));
            ::SetWindowPos(hBox, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        t_hBoxOwner = NULL;
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}

class CRealMessageBox : public CMessageSink
{
  public:
    int Show(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType, UINT) override
    {
        // Only over an owner the user sees; a box of its own (no owner) stays where it opens.
        const bool bPlace = hOwner != NULL && ::IsWindowVisible(hOwner) && !::IsIconic(hOwner);
        const HWND hOldOwner = t_hBoxOwner;
        const HHOOK hOldHook = t_hBoxHook;
        if (bPlace)
        {
            t_hBoxOwner = hOwner;
            t_hBoxHook = ::SetWindowsHookExA(WH_CBT, CentreBoxOnOwner, NULL, ::GetCurrentThreadId());
        }
        const int nResult = ::MessageBoxA(hOwner, lpszText, lpszCaption, nType);
        if (bPlace)
        {
            if (t_hBoxHook != NULL)
                ::UnhookWindowsHookEx(t_hBoxHook);
            t_hBoxOwner = hOldOwner;
            t_hBoxHook = hOldHook;
        }
        return nResult;
    }
};

CRealMessageBox g_realBox;
CMessageSink* g_pSink = &g_realBox;
AFX_OWNER_PROVIDER g_pfnOwner = nullptr;
char g_szCaption[256] = "Helvon";
} // namespace

CMessageSink* AFXAPI AfxSetMessageSink(CMessageSink* pSink)
{
    CMessageSink* pOld = g_pSink == &g_realBox ? nullptr : g_pSink;
    g_pSink = pSink ? pSink : &g_realBox;
    return pOld;
}

CMessageSink* AFXAPI AfxGetMessageSink()
{
    return g_pSink;
}

void AFXAPI AfxSetMessageOwnerProvider(AFX_OWNER_PROVIDER pfn)
{
    g_pfnOwner = pfn;
}

void AFXAPI AfxSetMessageBoxCaption(LPCSTR lpszCaption)
{
    lstrcpynA(g_szCaption, lpszCaption ? lpszCaption : "", sizeof g_szCaption);
}

LPCSTR AFXAPI AfxGetMessageBoxCaption()
{
    return g_szCaption;
}

int AFXAPI AfxShowMessage(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType, UINT nIDHelp)
{
    return g_pSink->Show(hOwner, lpszText ? lpszText : "", lpszCaption ? lpszCaption : g_szCaption, nType,
                         nIDHelp);
}

int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    HWND hOwner = g_pfnOwner ? g_pfnOwner() : NULL;
    return AfxShowMessage(hOwner, lpszText, g_szCaption, nType, nIDHelp);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    char szText[1024];
    if (::LoadStringA(AfxFindResourceHandle(MAKEINTRESOURCEA((nIDPrompt >> 4) + 1), RT_STRING), nIDPrompt,
                      szText, sizeof szText) <= 0)
        wsprintfA(szText, "#%u", nIDPrompt);
    return AfxMessageBox(szText, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}
