// HTML help: HtmlHelpA of hhctrl.ocx, loaded on the first call. The one function every help
// request of the program goes through; tests put their own in its place.
#pragma once
#include "afxwin.h"

typedef HWND(WINAPI* HTMLHELPPROC)(HWND hWndCaller, LPCSTR lpszFile, UINT uCommand, DWORD_PTR dwData);

// Calls the installed function; NULL when help could not be shown (or hhctrl.ocx is missing).
HWND CallHtmlHelp(HWND hWndCaller, LPCSTR lpszFile, UINT uCommand, DWORD_PTR dwData);
// Installs pfn (NULL: the system's again); returns the one installed before.
HTMLHELPPROC SetHtmlHelpFunction(HTMLHELPPROC pfn);
