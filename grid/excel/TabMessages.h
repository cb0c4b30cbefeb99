// The private messages of the sheet-tab window, its strip, its rename field and its sheets.
#pragma once
#include <windows.h>

// Strip -> notification window (posted): WPARAM the chosen tab; its sheet becomes active.
#define WM_GX_TABSELECT 0x785
// Strip -> notification window (posted): WPARAM the tab whose label the user starts to edit.
#define WM_GX_TABSTARTEDIT 0x786
// Strip -> notification window: WPARAM the tab about to become current; non-zero vetoes.
#define WM_GX_TABCANACTIVATE 0x787
// Tab window -> sheet window: WPARAM the sheet's tab index; the window became a sheet.
#define WM_GX_TABATTACHED 0x78F
// Tab window -> sheet window: WPARAM its tab index; non-zero allows the user to rename it.
#define WM_GX_TABCANRENAME 0x790
// Tab window -> sheet window: WPARAM its tab index; the sheet's label changed.
#define WM_GX_TABRENAMED 0x791
// Tab window -> old sheet (WPARAM 0), then new sheet (WPARAM 1); non-zero vetoes the change.
#define WM_GX_TABCANCHANGESHEET 0x792
// Rename field -> tab window: the typed label is confirmed (Enter).
#define WM_GX_TABENDEDIT 0x799
// Rename field or strip -> tab window: the rename is cancelled (Escape, focus lost, scrolling).
#define WM_GX_TABCANCELEDIT 0x79A
// Tab window -> active sheet: WPARAM 1 before and 0 after the tab window is resized.
#define WM_GX_TABWNDSIZING 0x7CB
