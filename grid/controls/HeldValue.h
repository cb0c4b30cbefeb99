// What the activated check-box and radio-button cells share: they edit a held copy of the
// current cell's style and write its value only when the grid stores the cell.
#pragma once
#include "grid/core/Control.h"

// Sets the active flag; becoming active reloads the held style from the cell.
void AFXAPI GXActivateHeldStyle(CGXControl* pControl, BOOL& bActiveFlag, BOOL bActive);
// Makes the control active unless it is, which the grid may refuse.
BOOL AFXAPI GXBeginHeldEditing(CGXControl* pControl);
// Puts a value into the held style, redraws the cell and reports it modified.
void AFXAPI GXChangeHeldValue(CGXControl* pControl, LPCTSTR pszValue);
// Writes a modified held value into the cell and lets the held style go.
BOOL AFXAPI GXStoreHeldValue(CGXControl* pControl);
