// Argument checks and sample sums shared by the worksheet function families.
#include "grid/formula/FunctionSupport.h"
#include "grid/formula/Evaluator.h"
#include <algorithm>

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

void GXNumberArguments(GX_VALUE* pArgs, DWORD nMin, DWORD nMax, int nCode, double* p, BOOL bNonNegative)
{
    DWORD n = pArgs[0].nCount;
    if (n < nMin || n > nMax)
        GXRaiseFunctionError(GX_ERR_WRONGARGS);
    for (DWORD i = 1; i <= n; i++)
    {
        GXResolveArgument(&pArgs[i]);
        if (pArgs[i].nKind != GX_VALUE_NUMBER)
            GXRaiseFunctionError(nCode);
        p[i - 1] = pArgs[i].dValue;
    }
    for (DWORD i = 0; bNonNegative && i < n; i++)
        if (p[i] < 0)
            GXRaiseFunctionError(GX_ERR_NEGATIVE);
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

std::vector<GX_CELL*> GXRangeCellsInOrder(const GX_RANGE& range)
{
    std::vector<GX_CELL*> cells;
    GX_RANGE_ITER it;
    GXRangeIterInit(&it, GXGetCurrentSheet(), range, GX_POOL_ALL);
    while (GX_CELL* p = GXRangeIterNext(&it))
        cells.push_back(p);
    std::sort(cells.begin(), cells.end(), [](const GX_CELL* a, const GX_CELL* b) {
        return a->nRow != b->nRow ? a->nRow < b->nRow : a->nCol < b->nCol;
    });
    return cells;
}

CGXTempNumbers::~CGXTempNumbers()
{
    if (m_pData != NULL)
    {
        GX_MATRIX m = {1, m_n, m_pData};
        GXFreeTempArray(&m);
    }
}

void CGXTempNumbers::Alloc(long long n)
{
    if (n < 1)
        n = 1;
    if (n > INT_MAX)
        GXRaiseFunctionError(GX_ERR_NOMEM);
    m_pData = GXAllocTempNumbers((int)n);
    m_n = 0;
    m_nCapacity = n;
}

void GXGatherRange(const GX_RANGE& range, CGXTempNumbers& numbers)
{
    unsigned long long nStored = (unsigned long long)GXCountPoolCells(GXGetCurrentSheet(), GX_POOL_ALL);
    numbers.Alloc((long long)std::min(range.CellCount(), nStored));
    double d;
    for (GX_CELL* p : GXRangeCellsInOrder(range))
        if (GXGetCellNumber(p->nRow, p->nCol, &d))
            numbers.Add(d);
}

int GXCountNumbers(GX_VALUE* pArgs, DWORD nFirst)
{
    int n = 0;
    GXWalkNumericList(pArgs, nFirst, FALSE, [&](double) { n++; });
    return n;
}
