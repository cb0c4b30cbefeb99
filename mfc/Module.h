// The module the program runs from and the module its resources come from (a language
// library can replace the latter).
//
// Differences from MFC: there is no module-state stack; one instance and one resource handle
// serve the whole program.
#pragma once
#include "AfxCore.h"

HINSTANCE AFXAPI AfxGetInstanceHandle();
void AFXAPI AfxSetInstanceHandle(HINSTANCE hInst);
HINSTANCE AFXAPI AfxGetResourceHandle();
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds the resource: the resource module first, then the program itself.
HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
