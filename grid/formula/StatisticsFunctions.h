// The statistics worksheet functions: list aggregates, the Student t, F and normal
// distributions, the t, z and F tests and correlation.
#pragma once
#include "grid/formula/FormulaTypes.h"

GX_VALUE* GXSum(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXVSum(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXSsq(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXSse(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXAvg(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXGMean(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXHMean(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXMsq(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXRms(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXMin(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXMax(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXVar(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXStd(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXVars(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXStds(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCount(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXStudentT(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXFDist(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXTTest(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXPTTest(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXTTest2EV(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXTTest2UV(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXFTest(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCorr(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXNormSDist(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXNormSInv(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXNormDist(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXNormInv(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXZTest(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXStandardize(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXConfidence(GX_VALUE* pResult, GX_VALUE* pArgs);
