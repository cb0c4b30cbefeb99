// Sheet-tab window classes.
#include "grid/core/SheetTabClasses.h"

static const LPCSTR s_apszTabClasses[] = {"CGXTabBeam", "CGXTabWnd"};

void AFXAPI GXRegisterSheetTabClasses(HINSTANCE hInstance)
{
    for (LPCSTR pszClass : s_apszTabClasses)
    {
        WNDCLASSA wc;
        if (::GetClassInfoA(hInstance, pszClass, &wc))
            continue;
        memset(&wc, 0, sizeof(wc));
        wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInstance;
        wc.lpszClassName = pszClass;
        if (!::RegisterClassA(&wc))
            AfxThrowResourceException();
    }
}

void AFXAPI GXUnregisterSheetTabClasses(HINSTANCE hInstance)
{
    for (LPCSTR pszClass : s_apszTabClasses)
        ::UnregisterClassA(pszClass, hInstance);
}
