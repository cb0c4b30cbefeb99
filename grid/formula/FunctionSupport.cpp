// Argument checks and sample sums shared by the worksheet function families.
#include "grid/formula/FunctionSupport.h"
#include "grid/formula/Evaluator.h"

void GXCheckArgumentCount(GX_VALUE* pArgs, DWORD nCount)
{
    if (pArgs[0].nCount != nCount)
        GXRaiseFunctionError(GX_ERR_WRONGARGS);
}

double GXNumberArgument(GX_VALUE* pArgs, DWORD i)
{
    GXResolveArgument(&pArgs[i]);
    if (pArgs[i].nKind != GX_VALUE_NUMBER)
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    return pArgs[i].dValue;
}

GX_RANGE GXRangeArgument(GX_VALUE* pArgs, DWORD i)
{
    const GX_VALUE& v = pArgs[i];
    if (v.nKind == GX_VALUE_ERROR)
        GXRaiseValueError(v);
    if (v.nKind != GX_VALUE_RANGE && v.nKind != GX_VALUE_CELL)
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    return v.range;
}

GX_SAMPLE GXRangeSample(const GX_RANGE& range)
{
    GX_SAMPLE s;
    GX_RANGE_ITER it;
    double d;
    GXRangeIterInit(&it, GXGetCurrentSheet(), range, GX_POOL_ALL);
    while (GX_CELL* p = GXRangeIterNext(&it))
        if (GXGetCellNumber(p->nRow, p->nCol, &d))
            s.Add(d);
    return s;
}

void GXCheckFloat(double d)
{
    if (errno != 0 || !isfinite(d))
        GXRaiseFunctionError(GX_ERR_FLOAT);
}

GX_VALUE* GXReturnNumber(GX_VALUE* pResult, double d)
{
    *pResult = GXNumberValue(d);
    return pResult;
}
