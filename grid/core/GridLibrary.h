// Start-up of the grid library: the styles clipboard format, the control factory, the library
// texts and window classes, the system colours. Called once from the application's InitInstance.
#pragma once
#include "grid/core/AppData.h"

// Runs the start-up with the given factory, which the library data owns from then on. The
// other arguments of the original interface are not used.
void AFXAPI InitGridLibrary(CGXAbstractControlFactory* pFactory);
// The name of the styles clipboard format of a module ("Grid Styles %08x"; every digit of the
// handle on 64-bit Windows).
CString AFXAPI GXStylesClipboardFormatName(HINSTANCE hInstance);
