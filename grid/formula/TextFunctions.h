// Text worksheet functions; text results go into the evaluation's 512-byte scratch buffer.
#pragma once
#include "grid/formula/FormulaTypes.h"

// The text of a cell as the grid shows it; FALSE when the cell does not exist.
BOOL GXGetCellDisplayText(DWORD nRow, DWORD nCol, CString& s);

#define GX_TEXT_ENTRY(name) GX_VALUE* name(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_TEXT_ENTRY(GXChar)
GX_TEXT_ENTRY(GXCode)
GX_TEXT_ENTRY(GXClean)
GX_TEXT_ENTRY(GXExact)
GX_TEXT_ENTRY(GXFind)
GX_TEXT_ENTRY(GXHexToNum)
GX_TEXT_ENTRY(GXNumToHex)
GX_TEXT_ENTRY(GXLeft)
GX_TEXT_ENTRY(GXRight)
GX_TEXT_ENTRY(GXMid)
GX_TEXT_ENTRY(GXLength)
GX_TEXT_ENTRY(GXLower)
GX_TEXT_ENTRY(GXUpper)
GX_TEXT_ENTRY(GXProper)
GX_TEXT_ENTRY(GXRepeat)
GX_TEXT_ENTRY(GXReplace)
GX_TEXT_ENTRY(GXTrim)
GX_TEXT_ENTRY(GXValue)
GX_TEXT_ENTRY(GXString)
GX_TEXT_ENTRY(GXS)
GX_TEXT_ENTRY(GXN)
GX_TEXT_ENTRY(GXStrLen)
GX_TEXT_ENTRY(GXStrCat)
GX_TEXT_ENTRY(GXTsv)
#undef GX_TEXT_ENTRY
