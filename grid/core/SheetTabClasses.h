// The window classes of the sheet-tab windows ("CGXTabBeam", "CGXTabWnd"), registered with
// DefWindowProc until the sheet-tab windows bring their own procedures.
#pragma once
#include "afxwin.h"

// Registers both classes unless present; CResourceException when a registration fails.
void AFXAPI GXRegisterSheetTabClasses(HINSTANCE hInstance);
void AFXAPI GXUnregisterSheetTabClasses(HINSTANCE hInstance);
