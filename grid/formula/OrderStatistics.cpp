// Order statistics: samples are gathered into temporary arrays and sorted with qsort.
#include "grid/formula/OrderStatistics.h"
#include "grid/formula/Distributions.h"
#include "grid/formula/FunctionSupport.h"
#include <stdlib.h>

namespace
{
int Ascending(const void* a, const void* b)
{
    double x = *(const double*)a, y = *(const double*)b;
    return x < y ? -1 : x > y ? 1 : 0;
}

int Descending(const void* a, const void* b)
{
    return Ascending(b, a);
}

void Sort(CGXTempNumbers& numbers, BOOL bDescending = FALSE)
{
    qsort(numbers.Data(), (size_t)numbers.Count(), sizeof(double), bDescending ? Descending : Ascending);
}

// Interpolated percentile of sorted values; no values give 0.
double Percentile(CGXTempNumbers& a, double p)
{
    int n = a.Count();
    if (n == 0)
        return 0;
    double h = (n - 1) * p;
    int lo = (int)floor(h), hi = (int)ceil(h);
    return a[lo] + (h - lo) * (a[hi] - a[lo]);
}

void GatherList(GX_VALUE* pArgs, CGXTempNumbers& numbers, BOOL bInOrder)
{
    numbers.Alloc(GXCountNumbers(pArgs, 1));
    GXWalkNumericList(
        pArgs, 1, FALSE, [&](double x) { numbers.Add(x); }, bInOrder);
}

GX_VALUE* KthValue(GX_VALUE* pResult, GX_VALUE* pArgs, BOOL bDescending)
{
    GXCheckArgumentCount(pArgs, 2);
    GX_RANGE r = GXRangeArgument(pArgs, 1);
    double k = trunc(GXNumberArgument(pArgs, 2));
    CGXTempNumbers a;
    GXGatherRange(r, a);
    if (!(k >= 1 && k <= a.Count()))
        GXRaiseFunctionError(GX_ERR_ARGRANGE);
    Sort(a, bDescending);
    return GXReturnNumber(pResult, a[(int)k - 1]);
}

// PERCENTILE and QUARTILE: a number, or a single cell holding one, is its own percentile.
GX_VALUE* PercentileOf(GX_VALUE* pResult, GX_VALUE* pArgs, double p)
{
    const GX_VALUE& v = pArgs[1];
    if (v.nKind == GX_VALUE_ERROR)
        GXRaiseValueError(v);
    if (v.nKind == GX_VALUE_NUMBER)
        return GXReturnNumber(pResult, v.dValue);
    if (v.nKind != GX_VALUE_RANGE && v.nKind != GX_VALUE_CELL)
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    CGXTempNumbers a;
    GXGatherRange(v.range, a);
    Sort(a);
    return GXReturnNumber(pResult, Percentile(a, p));
}

double Erf(double x)
{
    return 2 * GXNormalCdf(x * sqrt(2.0)) - 1;
}

// ERF and ERFC take numbers only (56 otherwise).
double ErfArgument(GX_VALUE* pArgs, DWORD i)
{
    GXResolveArgument(&pArgs[i]);
    if (pArgs[i].nKind != GX_VALUE_NUMBER)
        GXRaiseFunctionError(GX_ERR_NONNUMARGS);
    return pArgs[i].dValue;
}
} // namespace

GX_VALUE* GXLarge(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return KthValue(pResult, pArgs, TRUE);
}

GX_VALUE* GXSmall(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return KthValue(pResult, pArgs, FALSE);
}

GX_VALUE* GXPercentile(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    double p = GXNumberArgument(pArgs, 2);
    if (!(p >= 0 && p <= 1))
        GXRaiseFunctionError(GX_ERR_ARGRANGE);
    return PercentileOf(pResult, pArgs, p);
}

GX_VALUE* GXQuartile(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    double q = GXNumberArgument(pArgs, 2);
    if (!(q >= 0 && q <= 4))
        GXRaiseFunctionError(GX_ERR_ARGRANGE);
    return PercentileOf(pResult, pArgs, trunc(q) * 0.25);
}

GX_VALUE* GXMedian(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    CGXTempNumbers a;
    GatherList(pArgs, a, FALSE);
    Sort(a);
    return GXReturnNumber(pResult, Percentile(a, 0.5));
}

GX_VALUE* GXPercentRank(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    GX_RANGE r = GXRangeArgument(pArgs, 1);
    double x = GXNumberArgument(pArgs, 2);
    CGXTempNumbers a;
    GXGatherRange(r, a);
    Sort(a);
    int n = a.Count();
    if (n == 0 || !(x >= a[0] && x <= a[n - 1]))
        GXRaiseFunctionError(GX_ERR_ARGRANGE);
    if (n == 1) // x equals the only number: it ranks at the top
        return GXReturnNumber(pResult, 1);
    int i = 0;
    while (i < n && a[i] < x)
        i++;
    if (i < n && a[i] == x)
        return GXReturnNumber(pResult, (double)i / (n - 1));
    i--; // just before the first value above x
    return GXReturnNumber(pResult, (i + (x - a[i]) / (a[i + 1] - a[i])) / (n - 1));
}

GX_VALUE* GXMode(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    CGXTempNumbers order, a;
    GatherList(pArgs, order, TRUE);
    a.Alloc(order.Count());
    for (int i = 0; i < order.Count(); i++)
        a.Add(order[i]);
    Sort(a);
    auto firstIndex = [&](double v) {
        int i = 0;
        while (order[i] != v)
            i++;
        return i;
    };
    int nBest = 0;
    double dBest = 0;
    for (int i = 0; i < a.Count();)
    {
        int j = i;
        while (j < a.Count() && a[j] == a[i])
            j++;
        int nRun = j - i;
        if (nRun > nBest || (nRun == nBest && firstIndex(a[i]) < firstIndex(dBest)))
        {
            nBest = nRun;
            dBest = a[i];
        }
        i = j;
    }
    if (nBest < 2)
        GXRaiseFunctionError(GX_ERR_NODUPLICATE);
    return GXReturnNumber(pResult, dBest);
}

GX_VALUE* GXRank(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    DWORD nArgs = pArgs[0].nCount;
    if (nArgs < 2 || nArgs > 3)
        GXRaiseFunctionError(GX_ERR_WRONGARGS);
    double x = GXNumberArgument(pArgs, 1);
    GX_RANGE r = GXRangeArgument(pArgs, 2);
    double order = nArgs == 3 ? GXNumberArgument(pArgs, 3) : 0;
    int nGreater = 0, nSmaller = 0;
    BOOL bFound = FALSE;
    GX_RANGE_ITER it;
    double d;
    GXRangeIterInit(&it, GXGetCurrentSheet(), r, GX_POOL_ALL);
    while (GX_CELL* p = GXRangeIterNext(&it))
        if (GXGetCellNumber(p->nRow, p->nCol, &d))
        {
            nGreater += d > x;
            nSmaller += d < x;
            bFound |= d == x;
        }
    if (!bFound)
        GXRaiseFunctionError(GX_ERR_NOTINLIST);
    return GXReturnNumber(pResult, 1 + (order == 0 ? nGreater : nSmaller));
}

GX_VALUE* GXPermut(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    double n = trunc(GXNumberArgument(pArgs, 1)), k = trunc(GXNumberArgument(pArgs, 2));
    if (!(n > 0) || !(k >= 0) || n < k)
        GXRaiseFunctionError(GX_ERR_PERMUT);
    long long nInt = GXToInteger(n), kInt = GXToInteger(k);
    double d = 1;
    // Stops as soon as the product overflows: a huge k would otherwise loop for minutes.
    for (long long i = nInt - kInt + 1; i <= nInt && isfinite(d); i++)
        d *= (double)i;
    GXCheckFloat(d);
    return GXReturnNumber(pResult, d);
}

GX_VALUE* GXErf(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    DWORD nArgs = pArgs[0].nCount;
    if (nArgs < 1 || nArgs > 2)
        GXRaiseFunctionError(GX_ERR_WRONGARGS);
    double lower = ErfArgument(pArgs, 1);
    double upper = nArgs == 2 ? ErfArgument(pArgs, 2) : 0;
    if (lower < 0)
        GXRaiseFunctionError(GX_ERR_LOWERLIMIT);
    if (nArgs == 2 && upper < 0)
        GXRaiseFunctionError(GX_ERR_UPPERLIMIT);
    return GXReturnNumber(pResult, nArgs == 2 ? Erf(upper) - Erf(lower) : Erf(lower));
}

GX_VALUE* GXErfc(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    double x = ErfArgument(pArgs, 1);
    if (x < 0)
        GXRaiseFunctionError(GX_ERR_LOWERLIMIT);
    return GXReturnNumber(pResult, 1 - Erf(x));
}
