// The least-squares worksheet functions (TREND, FORECAST, LINFIT, POLYCOEF, LLS, PLS) and the
// fits behind them.
#pragma once
#include "grid/formula/MatrixRoutines.h"

// b = (XᵀX)⁻¹ Xᵀ y; FALSE when XᵀX is singular.
BOOL GXLeastSquares(const CGXTempMatrix& x, const CGXTempMatrix& y, CGXTempMatrix& b);
// The fit with its statistics, 4 rows of p + 1 columns; FALSE when singular.
BOOL GXLeastSquaresStats(const CGXTempMatrix& x, const CGXTempMatrix& y, CGXTempMatrix& result);

GX_VALUE* GXTrend(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXForecast(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXLinFit(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXPolyCoef(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXLls(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXPls(GX_VALUE* pResult, GX_VALUE* pArgs);
