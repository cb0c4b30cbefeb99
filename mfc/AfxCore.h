// Basic definitions of the MFC-compatible layer: Win32 headers, diagnostics macros and the
// few types every other header of the layer uses.
//
// Differences from MFC:
// - ASSERT is active in every build and reports through the message sink's trace, never a dialog.
// - TRACE is checked like printf at compile time (a CString passed through ... is a warning).
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <tchar.h>
#include <stddef.h>
#include <stdarg.h>

#define AFXAPI __stdcall
#define AFX_CDECL __cdecl
#define AFX_STATIC static
#define AFX_STATIC_DATA static
#define AFX_DATA
#define AFX_CORE_DATA
#define AFX_INLINE inline
#define AFX_COMDAT
#define AFX_NOVTABLE
#define PASCAL __stdcall

// printf-style checking of format strings. msvcrt's printf is the one used at run time.
#define AFX_PRINTF_FORMAT(fmt, first) __attribute__((format(ms_printf, fmt, first)))

// Position in a list or map while iterating; opaque to callers.
struct __POSITION
{
};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

// Diagnostics. The failure is reported (file, line) and the program goes on, as a release build would.
void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
void AFX_CDECL AfxTrace(LPCSTR lpszFormat, ...) AFX_PRINTF_FORMAT(1, 2);

#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(p) ASSERT((p) != NULL)
#define ASSERT_KINDOF(cls, p) ASSERT((p)->IsKindOf(RUNTIME_CLASS(cls)))
#define ASSERT_POINTER(p, type) ASSERT((p) != NULL)
#define ASSERT_NULL_OR_POINTER(p, type) ((void)0)
#define TRACE AfxTrace
#define TRACE0(sz) AfxTrace("%s", sz)
#define TRACE1(sz, p1) AfxTrace(sz, p1)
#define TRACE2(sz, p1, p2) AfxTrace(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3) AfxTrace(sz, p1, p2, p3)
#define DEBUG_ONLY(f) ((void)0)
#define UNUSED(x) ((void)(x))
#define UNUSED_ALWAYS(x) ((void)(x))

#ifndef _countof
#define _countof(array) (sizeof(array) / sizeof(array[0]))
#endif
