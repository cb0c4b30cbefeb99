// The condition is the last argument, unevaluated; it is evaluated at every visited cell so
// that relative references point at that cell.
#include "grid/formula/ConditionalAggregates.h"
#include "grid/formula/Evaluator.h"
#include "grid/formula/FunctionSupport.h"

namespace
{
enum
{
    GX_ERR_CONDITIONPARSE = 57
};

struct Selection
{
    GX_SAMPLE sample;
    double dMin = HUGE_VAL, dMax = -HUGE_VAL;
    int nCount = 0; // satisfying cells holding any value
};

Selection Select(GX_VALUE* pArgs)
{
    DWORD n = pArgs[0].nCount;
    const GX_VALUE& condition = pArgs[n];
    int nSheet = GXGetCurrentSheet();
    Selection s;
    for (DWORD i = 1; i < n; i++)
    {
        GX_RANGE r = GXRangeArgument(pArgs, i);
        std::vector<GX_CELL*> cells;
        GX_RANGE_ITER it;
        GXRangeIterInit(&it, nSheet, r, GX_POOL_CONST | GX_POOL_FORMULA);
        while (GX_CELL* p = GXRangeIterNext(&it))
            cells.push_back(p);
        for (GX_CELL* p : cells)
        {
            DWORD nRow = p->nRow, nCol = p->nCol;
            if (!GXTestCondition(nSheet, nRow, nCol, condition))
                continue;
            GX_CELL* q = GXFindCellRecord(nSheet, nRow, nCol);
            if (q != NULL && q->Content() != GX_CONTENT_NONE && q->ValueKind() != GX_CELLVALUE_NONE)
                s.nCount++;
            double d;
            if (GXGetCellNumber(nRow, nCol, &d))
            {
                s.sample.Add(d);
                s.dMin = fmin(s.dMin, d);
                s.dMax = fmax(s.dMax, d);
            }
        }
    }
    return s;
}

Selection AtLeast(GX_VALUE* pArgs, int nMin, int nCode)
{
    Selection s = Select(pArgs);
    if (s.sample.n < nMin)
        GXRaiseFunctionError(nCode);
    return s;
}
} // namespace

int GXTestCondition(int nSheet, DWORD nRow, DWORD nCol, const GX_VALUE& condition)
{
    if (condition.nKind != GX_VALUE_EXPR)
        GXRaiseFunctionError(GX_ERR_NONNUMERIC);
    GX_VALUE v = GXEvaluateExpression(nSheet, nRow, nCol, condition.expr.pNodes, (WORD)condition.expr.nIndex);
    if (v.nKind == GX_VALUE_STRING)
    {
        char sz[GX_MAX_TEXT + 1];
        GXCopyString(sz, v.pszValue, sizeof(sz));
        GXReleaseValue(v);
        if (!GXEvaluateText(nSheet, sz, nRow, nCol, &v))
            GXRaiseFunctionError(GX_ERR_CONDITIONPARSE);
    }
    switch (v.nKind)
    {
    case GX_VALUE_NUMBER:
        return v.dValue != 0;
    case GX_VALUE_ERROR:
        GXRaiseFunctionError((int)v.error.nCode);
    }
    GXReleaseValue(v);
    GXRaiseFunctionError(GX_ERR_NONNUMERIC);
}

GX_VALUE* GXCSum(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return GXReturnNumber(pResult, Select(pArgs).sample.dSum);
}

GX_VALUE* GXCAvg(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return GXReturnNumber(pResult, AtLeast(pArgs, 1, GX_ERR_SAMPLELT1).sample.Mean());
}

GX_VALUE* GXCMin(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return GXReturnNumber(pResult, AtLeast(pArgs, 1, GX_ERR_SAMPLELT1).dMin);
}

GX_VALUE* GXCMax(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return GXReturnNumber(pResult, AtLeast(pArgs, 1, GX_ERR_SAMPLELT1).dMax);
}

GX_VALUE* GXCVar(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GX_SAMPLE s = AtLeast(pArgs, 1, GX_ERR_POPLT1).sample;
    return GXReturnNumber(pResult, s.SquaredDeviations() / s.n);
}

GX_VALUE* GXCStd(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GX_SAMPLE s = AtLeast(pArgs, 1, GX_ERR_POPLT1).sample;
    return GXReturnNumber(pResult, sqrt(s.SquaredDeviations() / s.n));
}

GX_VALUE* GXCVars(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GX_SAMPLE s = AtLeast(pArgs, 2, GX_ERR_SAMPLELT2).sample;
    return GXReturnNumber(pResult, s.SquaredDeviations() / (s.n - 1));
}

GX_VALUE* GXCStds(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GX_SAMPLE s = AtLeast(pArgs, 2, GX_ERR_SAMPLELT2).sample;
    return GXReturnNumber(pResult, sqrt(s.SquaredDeviations() / (s.n - 1)));
}

GX_VALUE* GXCCount(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return GXReturnNumber(pResult, Select(pArgs).nCount);
}
