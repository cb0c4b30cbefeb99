// Named ranges of a sheet and the adjustment of references when cells are copied, moved or
// cleared and when rows and columns are inserted, removed, moved or sorted.
#pragma once
#include "grid/formula/CellStore.h"

#define GX_MAX_NAME 31

// Valid: a letter, "_" or "$", then letters, digits, ".", "_" or "$".
BOOL GXIsValidRangeName(const char* pszName);
int GXDefineRangeName(int nSheet, const char* pszName, const GX_RANGE& range);
GX_RANGE_NAME* GXFindRangeName(int nSheet, const char* pszName, GX_RANGE* pRange);
int GXDeleteRangeName(int nSheet, const char* pszName);
void GXLinkRangeName(int nSheet, GX_RANGE_NAME* pEntry);
void GXDeleteAllRangeNames(int nSheet);
void GXFreeRangeName(GX_RANGE_NAME* pEntry);
