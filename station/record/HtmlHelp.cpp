// HTML help through hhctrl.ocx, loaded at run time: the program starts without it.
#include "station/record/HtmlHelp.h"
#include <string.h>

namespace
{
HWND WINAPI SystemHtmlHelp(HWND hWndCaller, LPCSTR lpszFile, UINT uCommand, DWORD_PTR dwData)
{
    static HTMLHELPPROC s_pfn = NULL;
    static BOOL s_bLoaded = FALSE;
    if (!s_bLoaded)
    {
        s_bLoaded = TRUE;
        HMODULE hModule = ::LoadLibraryA("hhctrl.ocx");
        FARPROC pProc = hModule != NULL ? ::GetProcAddress(hModule, "HtmlHelpA") : NULL;
        static_assert(sizeof(s_pfn) == sizeof(pProc), "function pointers");
        memcpy(&s_pfn, &pProc, sizeof(s_pfn));
    }
    return s_pfn != NULL ? s_pfn(hWndCaller, lpszFile, uCommand, dwData) : NULL;
}

HTMLHELPPROC g_pfnHtmlHelp = SystemHtmlHelp;
} // namespace

HWND CallHtmlHelp(HWND hWndCaller, LPCSTR lpszFile, UINT uCommand, DWORD_PTR dwData)
{
    return g_pfnHtmlHelp(hWndCaller, lpszFile, uCommand, dwData);
}

HTMLHELPPROC SetHtmlHelpFunction(HTMLHELPPROC pfn)
{
    HTMLHELPPROC pfnPrevious = g_pfnHtmlHelp == SystemHtmlHelp ? NULL : g_pfnHtmlHelp;
    g_pfnHtmlHelp = pfn != NULL ? pfn : SystemHtmlHelp;
    return pfnPrevious;
}
