// MMUL, TRANSPOSE, INVERT, DET, EIGEN and FREQUENCY.
#include "grid/formula/MatrixFunctions.h"
#include "grid/formula/FunctionSupport.h"
#include "grid/formula/MatrixRoutines.h"

namespace
{
enum
{
    GX_ERR_INCOMPATIBLE = 104,
    GX_ERR_SINGULAR = 117,
    GX_ERR_NOTSQUARE = 118,
    GX_ERR_NOTSYMMETRIC = 119
};

GX_VALUE* ArrayResult(GX_VALUE* pResult, const CGXTempMatrix& a)
{
    GXWriteArrayResult(a);
    return GXReturnNumber(pResult, a.At(0, 0));
}

GX_RANGE SquareRange(GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    GX_RANGE r = GXRangeArgument(pArgs, 1);
    if (r.Bottom() - r.Row1() != r.Right() - r.Col1())
        GXRaiseFunctionError(GX_ERR_NOTSQUARE);
    return r;
}
} // namespace

GX_VALUE* GXMMul(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    GX_RANGE ra = GXRangeArgument(pArgs, 1), rb = GXRangeArgument(pArgs, 2);
    CGXTempMatrix a, b, c;
    GXReadMatrix(ra, a);
    GXReadMatrix(rb, b);
    GXMultiplyMatrices(a, b, c);
    if (c.Rows() == 0)
        GXRaiseFunctionError(GX_ERR_INCOMPATIBLE);
    return ArrayResult(pResult, c);
}

GX_VALUE* GXTranspose(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    GX_RANGE r = GXRangeArgument(pArgs, 1);
    CGXTempMatrix a;
    GXReadMatrix(r, a, TRUE);
    return ArrayResult(pResult, a);
}

GX_VALUE* GXInvert(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GX_RANGE r = SquareRange(pArgs);
    CGXTempMatrix a, inverse;
    GXReadMatrix(r, a);
    GXInvertMatrix(a, inverse);
    if (inverse.Rows() == 0)
        GXRaiseFunctionError(GX_ERR_SINGULAR);
    return ArrayResult(pResult, inverse);
}

GX_VALUE* GXDet(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GX_RANGE r = SquareRange(pArgs);
    CGXTempMatrix a;
    GXReadMatrix(r, a);
    return GXReturnNumber(pResult, GXDeterminant(a));
}

GX_VALUE* GXEigenvalues(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GX_RANGE r = SquareRange(pArgs);
    CGXTempMatrix a, values;
    GXReadMatrix(r, a);
    if (GXIsNotSymmetric(a))
        GXRaiseFunctionError(GX_ERR_NOTSYMMETRIC);
    GXEigen(a, values);
    if (values.Rows() == 0)
        GXRaiseFunctionError(GX_ERR_NOROOT);
    return ArrayResult(pResult, values);
}

GX_VALUE* GXFrequency(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    for (DWORD i = 1; i <= 2; i++)
    {
        if (pArgs[i].nKind == GX_VALUE_ERROR)
            GXRaiseValueError(pArgs[i]);
        if (pArgs[i].nKind != GX_VALUE_RANGE && pArgs[i].nKind != GX_VALUE_CELL)
            GXRaiseFunctionError(GX_ERR_CASHFLOWRANGE);
    }
    GX_RANGE data = pArgs[1].range, bins = pArgs[2].range;
    CGXTempNumbers b;
    GXGatherRange(bins, b);
    int m = b.Count();
    CGXTempMatrix counts;
    BOOL bColumn = bins.Bottom() - bins.Row1() > bins.Right() - bins.Col1();
    if (bColumn)
        counts.Alloc(m + 1, 1);
    else
        counts.Alloc(1, m + 1);
    double* pCount = counts.m.pData;
    if (m > 0)
    {
        GX_RANGE_ITER it;
        double v;
        GXRangeIterInit(&it, GXGetCurrentSheet(), data, GX_POOL_ALL);
        while (GX_CELL* p = GXRangeIterNext(&it))
        {
            if (!GXGetCellNumber(p->nRow, p->nCol, &v))
                continue;
            if (v < b[0])
                pCount[0]++;
            else if (v >= b[m - 1])
                pCount[m]++;
            else
                for (int i = 0; i + 1 < m; i++)
                    if (b[i] <= v && v < b[i + 1])
                    {
                        pCount[i + 1]++;
                        break;
                    }
        }
    }
    return ArrayResult(pResult, counts);
}
