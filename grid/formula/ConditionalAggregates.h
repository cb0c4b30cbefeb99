// Aggregates over the cells of ranges that satisfy a condition evaluated at each cell.
#pragma once
#include "grid/formula/FormulaTypes.h"

// 1 when the condition holds at the cell; raises the condition's errors.
int GXTestCondition(int nSheet, DWORD nRow, DWORD nCol, const GX_VALUE& condition);

GX_VALUE* GXCSum(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCAvg(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCMin(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCMax(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCVar(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCStd(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCVars(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCStds(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCCount(GX_VALUE* pResult, GX_VALUE* pArgs);
