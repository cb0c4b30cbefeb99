// Least squares through the normal equations, design matrices of polynomial fits, and the
// regression worksheet functions.
#include "grid/formula/Regression.h"
#include "grid/formula/CellStore.h"
#include "grid/formula/Distributions.h"
#include "grid/formula/FunctionSupport.h"

namespace
{
// b and (XᵀX)⁻¹; the intermediate products are released on return.
BOOL Solve(const CGXTempMatrix& x, const CGXTempMatrix& y, CGXTempMatrix& b, CGXTempMatrix& inverse)
{
    {
        CGXTempMatrix xtx;
        GXMultiplyTransposed(x, x, xtx);
        GXInvertMatrix(xtx, inverse);
    }
    if (inverse.Rows() == 0)
        return FALSE;
    CGXTempMatrix xty;
    GXMultiplyTransposed(x, y, xty);
    GXMultiplyMatrices(inverse, xty, b);
    return TRUE;
}
} // namespace

BOOL GXLeastSquares(const CGXTempMatrix& x, const CGXTempMatrix& y, CGXTempMatrix& b)
{
    CGXTempMatrix inverse;
    return Solve(x, y, b, inverse);
}

BOOL GXLeastSquaresStats(const CGXTempMatrix& x, const CGXTempMatrix& y, CGXTempMatrix& result)
{
    int n = x.Rows(), p = x.Cols();
    CGXTempMatrix inverse, b;
    if (!Solve(x, y, b, inverse))
        return FALSE;
    double dResiduals = 0, dSumY = 0, dSumY2 = 0, dSumFit = 0, dSumFit2 = 0;
    for (int i = 0; i < n; i++)
    {
        double fit = 0;
        for (int j = 0; j < p; j++)
            fit += x.At(i, j) * b.At(j, 0);
        double yi = y.At(i, 0);
        dResiduals += (fit - yi) * (fit - yi);
        dSumY += yi;
        dSumY2 += yi * yi;
        dSumFit += fit;
        dSumFit2 += fit * fit;
    }
    double s2 = dResiduals / (n - p);
    double sst = dSumY2 - dSumY * dSumY / n;
    double ssr = dSumFit2 + (dSumY - 2 * dSumFit) * dSumY / n;
    double r2 = p == 1 || sst == 0 ? 0 : ssr / sst;
    result.Alloc(4, p + 1);
    for (int j = 0; j < p; j++)
    {
        double se = sqrt(s2 * inverse.At(j, j));
        double t = s2 == 0 ? 1e15 : b.At(j, 0) / se;
        result.At(0, j) = b.At(j, 0);
        result.At(1, j) = se;
        result.At(2, j) = t;
        result.At(3, j) = GXStudentTail(t, n - p);
    }
    double f = 0;
    if (p != 1)
        f = r2 * (n - p) > (1 - r2) * 1e30 ? 1e15 : (ssr / (p - 1)) / s2;
    result.At(0, p) = s2;
    result.At(1, p) = r2;
    result.At(2, p) = f;
    result.At(3, p) = p == 1 ? 0 : GXFTail(f, p - 1, n - p);
    return TRUE;
}

namespace
{
enum
{
    kMaxDegree = 10
};

// Known points of a polynomial fit: both arguments single columns of equal length or both
// single rows of equal length.
struct Design
{
    int n;
    BOOL bRows;
};

Design CheckKnown(const GX_RANGE& x, const GX_RANGE& y)
{
    DWORD nxr = x.Bottom() - x.Row1() + 1, nxc = x.Right() - x.Col1() + 1;
    DWORD nyr = y.Bottom() - y.Row1() + 1, nyc = y.Right() - y.Col1() + 1;
    if (nxc == 1 && nyc == 1 && nxr == nyr)
        return {(int)nxr, FALSE};
    if (nxr == 1 && nyr == 1 && nxc == nyc)
        return {(int)nxc, TRUE};
    GXRaiseFunctionError(GX_ERR_DIMENSIONS);
}

double VectorNumber(const GX_RANGE& r, int i, BOOL bRows)
{
    double d;
    if (!GXGetCellNumber(r.Row1() + (bRows ? 0 : i), r.Col1() + (bRows ? i : 0), &d))
        GXRaiseFunctionError(GX_ERR_VECTORVALUE);
    return d;
}

// Rows [x^d, ..., x, 1] and the observations.
void BuildDesign(const GX_RANGE& rx, const GX_RANGE& ry, const Design& d, int nDegree, CGXTempMatrix& x,
                 CGXTempMatrix& y)
{
    if (d.n > 0x7FFFFFF)
        GXRaiseFunctionError(GX_ERR_DIMENSIONS);
    x.Alloc(d.n, nDegree + 1);
    y.Alloc(d.n, 1);
    for (int i = 0; i < d.n; i++)
    {
        double v = VectorNumber(rx, i, d.bRows), power = 1;
        for (int j = nDegree; j >= 0; j--)
        {
            x.At(i, j) = power;
            power *= v;
        }
        y.At(i, 0) = VectorNumber(ry, i, d.bRows);
    }
}

int Degree(GX_VALUE* pArgs, DWORD i)
{
    double d = GXNumberArgument(pArgs, i);
    if (!(d >= 1 && d < kMaxDegree + 1))
        GXRaiseFunctionError(GX_ERR_DEGREE);
    return (int)d;
}

// Fits a polynomial of the given degree to the known points of arguments i and i + 1.
Design Fit(GX_VALUE* pArgs, DWORD i, int nDegree, CGXTempMatrix& x, CGXTempMatrix& y, CGXTempMatrix& b)
{
    GX_RANGE rx = GXRangeArgument(pArgs, i), ry = GXRangeArgument(pArgs, i + 1);
    Design d = CheckKnown(rx, ry);
    if (nDegree == 1 ? d.n < 3 : d.n < nDegree + 2)
        GXRaiseFunctionError(nDegree == 1 ? GX_ERR_SETLT3 : GX_ERR_SETLTDEGREE);
    BuildDesign(rx, ry, d, nDegree, x, y);
    if (!GXLeastSquares(x, y, b))
        GXRaiseFunctionError(GX_ERR_DEPENDENT);
    return d;
}

GX_VALUE* ArrayResult(GX_VALUE* pResult, const CGXTempMatrix& a)
{
    GXWriteArrayResult(a);
    return GXReturnNumber(pResult, a.At(0, 0));
}
} // namespace

GX_VALUE* GXTrend(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    CGXTempMatrix x, y, b, fitted;
    Fit(pArgs, 2, 1, x, y, b);
    const GX_VALUE& v = pArgs[1];
    if (v.nKind == GX_VALUE_ERROR)
        GXRaiseValueError(v);
    if (v.nKind == GX_VALUE_NUMBER)
    {
        fitted.Alloc(1, 1);
        fitted.At(0, 0) = b.At(0, 0) * v.dValue + b.At(1, 0);
    }
    else if (v.nKind == GX_VALUE_RANGE || v.nKind == GX_VALUE_CELL)
    {
        CGXTempNumbers xs;
        GXGatherRange(v.range, xs);
        fitted.Alloc(xs.Count() > 0 ? xs.Count() : 1, 1);
        fitted.At(0, 0) = 0;
        for (int i = 0; i < xs.Count(); i++)
            fitted.At(i, 0) = b.At(0, 0) * xs[i] + b.At(1, 0);
    }
    else
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    return ArrayResult(pResult, fitted);
}

GX_VALUE* GXForecast(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    double xNew = GXNumberArgument(pArgs, 1);
    CGXTempMatrix x, y, b;
    Fit(pArgs, 2, 1, x, y, b);
    return GXReturnNumber(pResult, b.At(0, 0) * xNew + b.At(1, 0));
}

GX_VALUE* GXLinFit(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    CGXTempMatrix x, y, b, fitted, shaped;
    Design d = Fit(pArgs, 1, 1, x, y, b);
    GXMultiplyMatrices(x, b, fitted);
    if (!d.bRows)
        return ArrayResult(pResult, fitted);
    GXTransposeMatrix(fitted, shaped);
    return ArrayResult(pResult, shaped);
}

GX_VALUE* GXPolyCoef(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    int nDegree = Degree(pArgs, 3);
    CGXTempMatrix x, y, b;
    Fit(pArgs, 1, nDegree, x, y, b);
    return ArrayResult(pResult, b);
}

GX_VALUE* GXLls(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    GX_RANGE rx = GXRangeArgument(pArgs, 1), ry = GXRangeArgument(pArgs, 2);
    // y is a vector, a row or a column, of as many values as X has rows.
    BOOL bRow = ry.Row1() == ry.Bottom();
    if (!bRow && ry.Col1() != ry.Right())
        GXRaiseFunctionError(GX_ERR_DIMENSIONS);
    CGXTempMatrix x, y, stats;
    GXReadMatrix(rx, x);
    GXReadMatrix(ry, y, bRow);
    if (y.Rows() != x.Rows() || x.Rows() <= x.Cols())
        GXRaiseFunctionError(GX_ERR_DIMENSIONS);
    if (!GXLeastSquaresStats(x, y, stats))
        GXRaiseFunctionError(GX_ERR_DEPENDENT);
    if (GXGetLastFailed())
        GXRaiseFunctionError(GX_ERR_FLOAT);
    return ArrayResult(pResult, stats);
}

GX_VALUE* GXPls(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    int nDegree = Degree(pArgs, 3);
    GX_RANGE rx = GXRangeArgument(pArgs, 1), ry = GXRangeArgument(pArgs, 2);
    Design d = CheckKnown(rx, ry);
    if (d.n < nDegree + 2)
        GXRaiseFunctionError(GX_ERR_SETLTDEGREE);
    CGXTempMatrix x, y, stats;
    BuildDesign(rx, ry, d, nDegree, x, y);
    if (!GXLeastSquaresStats(x, y, stats))
        GXRaiseFunctionError(GX_ERR_DEPENDENT);
    if (GXGetLastFailed())
        GXRaiseFunctionError(GX_ERR_FLOAT);
    return ArrayResult(pResult, stats);
}
