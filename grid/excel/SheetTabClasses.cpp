// Sheet-tab window classes.
#include "grid/excel/SheetTabClasses.h"
#include "grid/excel/TabBeam.h"
#include "grid/excel/TabWnd.h"

// The objects the class procedures made, deleted with their windows.
static CMapPtrToWord& AutoCreated()
{
    static CMapPtrToWord s_map;
    return s_map;
}

void AFXAPI GXRegisterSheetTabClass(HINSTANCE hInstance, LPCSTR pszClass, WNDPROC pfnWndProc)
{
    WNDCLASSA wc;
    if (::GetClassInfoA(hInstance, pszClass, &wc))
        return;
    memset(&wc, 0, sizeof(wc));
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = pfnWndProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = pszClass;
    if (!::RegisterClassA(&wc))
        AfxThrowResourceException();
}

void AFXAPI GXRegisterSheetTabClasses(HINSTANCE hInstance)
{
    CGXTabBeam::RegisterWndClass(hInstance);
    CGXTabWnd::RegisterWndClass(hInstance);
}

void AFXAPI GXUnregisterSheetTabClasses(HINSTANCE hInstance)
{
    ::UnregisterClassA("CGXTabBeam", hInstance);
    ::UnregisterClassA("CGXTabWnd", hInstance);
}

LRESULT AFXAPI GXAdoptSheetTabWindow(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    pWnd->Attach(hWnd);
    AutoCreated()[pWnd] = 1;
    pWnd->PreSubclassWindow();
    WNDPROC pfnFramework = AfxWndProc;
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)pfnFramework);
    return ::CallWindowProcA(pfnFramework, hWnd, message, wParam, lParam);
}

BOOL AFXAPI GXReleaseSheetTabWindow(CWnd* pWnd)
{
    return AutoCreated().RemoveKey(pWnd);
}
