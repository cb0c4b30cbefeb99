// Worksheet functions that sort or rank samples, PERMUT and the error functions.
#pragma once
#include "grid/formula/FormulaTypes.h"

GX_VALUE* GXLarge(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXSmall(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXPercentile(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXQuartile(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXMedian(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXPercentRank(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXMode(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXRank(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXPermut(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXErf(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXErfc(GX_VALUE* pResult, GX_VALUE* pArgs);
