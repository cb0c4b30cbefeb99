// The window classes "CGXTabWnd" and "CGXTabBeam". Their procedures serve windows made from
// dialog templates: the first message makes the object, which then deletes itself after its
// window is destroyed.
#pragma once
#include "afxwin.h"

// Registers both classes unless present; CResourceException when a registration fails.
void AFXAPI GXRegisterSheetTabClasses(HINSTANCE hInstance);
void AFXAPI GXUnregisterSheetTabClasses(HINSTANCE hInstance);
// Registers one class with the given procedure unless present (CResourceException on failure).
void AFXAPI GXRegisterSheetTabClass(HINSTANCE hInstance, LPCSTR pszClass, WNDPROC pfnWndProc);
// Makes pWnd take over hWnd, enters it in the table of objects its class procedure made and
// passes the message on to the framework's procedure.
LRESULT AFXAPI GXAdoptSheetTabWindow(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// Called from PostNcDestroy: removes the object from that table; TRUE when it stood there (the
// caller then deletes it).
BOOL AFXAPI GXReleaseSheetTabWindow(CWnd* pWnd);
