#include "Module.h"
#include <stdio.h>

namespace
{
HINSTANCE g_hInstance = NULL;
HINSTANCE g_hResource = NULL;
} // namespace

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return g_hInstance ? g_hInstance : ::GetModuleHandleA(NULL);
}

void AFXAPI AfxSetInstanceHandle(HINSTANCE hInst)
{
    g_hInstance = hInst;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return g_hResource ? g_hResource : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_hResource = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    HINSTANCE hRes = AfxGetResourceHandle();
    if (::FindResourceA(hRes, lpszName, lpszType) != NULL)
        return hRes;
    return AfxGetInstanceHandle();
}

void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    AfxTrace("Assertion failed: %s(%d)\n", lpszFileName, nLine);
}

void AFX_CDECL AfxTrace(LPCSTR lpszFormat, ...)
{
    char szBuffer[1024];
    va_list args;
    va_start(args, lpszFormat);
    _vsnprintf(szBuffer, sizeof szBuffer - 1, lpszFormat, args);
    va_end(args);
    szBuffer[sizeof szBuffer - 1] = '\0';
    ::OutputDebugStringA(szBuffer);
    if (::GetEnvironmentVariableA("HELVON_TRACE", NULL, 0) > 0)
        fputs(szBuffer, stderr);
}
