// List aggregates, distributions and tests. Aggregates walk their arguments as SUM does; the
// tests read whole ranges into sample sums.
#include "grid/formula/StatisticsFunctions.h"
#include "grid/formula/Distributions.h"
#include "grid/formula/FunctionSupport.h"

namespace
{
GX_SAMPLE ListSample(GX_VALUE* pArgs)
{
    GX_SAMPLE s;
    GXWalkNumericList(pArgs, 1, FALSE, [&](double x) { s.Add(x); });
    return s;
}

// Raises 86 when a numerical routine gave up.
double Checked(double d)
{
    if (GXGetLastFailed())
        GXRaiseFunctionError(GX_ERR_FLOAT);
    return d;
}

void RequireSample(const GX_SAMPLE& s, int nMin, int nCode)
{
    if (s.n < nMin)
        GXRaiseFunctionError(nCode);
}

double Population(GX_VALUE* pArgs)
{
    GX_SAMPLE s = ListSample(pArgs);
    RequireSample(s, 1, GX_ERR_POPLT1);
    return s.SquaredDeviations() / s.n;
}

double Sample(GX_VALUE* pArgs)
{
    GX_SAMPLE s = ListSample(pArgs);
    RequireSample(s, 2, GX_ERR_SAMPLELT2);
    return s.SquaredDeviations() / (s.n - 1);
}

// Both ranges of a paired walk must have the same shape.
void CheckSameShape(const GX_RANGE& a, const GX_RANGE& b)
{
    if (a.Bottom() - a.Row1() != b.Bottom() - b.Row1() || a.Right() - a.Col1() != b.Right() - b.Col1())
        GXRaiseFunctionError(GX_ERR_SAMEDIMS);
}

// Walks the first range's stored cells and reads the cell at the same offset in the second;
// f(x, y) is called for each pair of numbers.
template <class F> void WalkPairs(const GX_RANGE& a, const GX_RANGE& b, F f)
{
    GX_RANGE_ITER it;
    GXRangeIterInit(&it, GXGetCurrentSheet(), a, GX_POOL_ALL);
    while (GX_CELL* p = GXRangeIterNext(&it))
    {
        double x, y;
        int bx = GXGetCellNumber(p->nRow, p->nCol, &x);
        int by = GXGetCellNumber(b.Row1() + (p->nRow - a.Row1()), b.Col1() + (p->nCol - a.Col1()), &y);
        if (bx != by)
            GXRaiseFunctionError(GX_ERR_PAIRMISSING);
        if (bx)
            f(x, y);
    }
}

double TwoTailedT(const GX_SAMPLE& s, double mu)
{
    double ss = s.SquaredDeviations();
    if (ss == 0)
        return 1.0;
    double t = (s.Mean() - mu) * sqrt(s.n * (s.n - 1.0) / ss);
    return Checked(GXStudentTail(t, s.n - 1));
}

void CheckNumbers(GX_VALUE* pArgs, DWORD nFirst)
{
    for (DWORD i = nFirst; i <= pArgs[0].nCount; i++)
        GXNumberArgument(pArgs, i);
}
} // namespace

GX_VALUE* GXSum(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return GXReturnNumber(pResult, ListSample(pArgs).dSum);
}

GX_VALUE* GXVSum(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double dSum = 0;
    GXWalkNumericList(pArgs, 1, TRUE, [&](double x) { dSum += x; });
    return GXReturnNumber(pResult, dSum);
}

GX_VALUE* GXSsq(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return GXReturnNumber(pResult, ListSample(pArgs).dSumSq);
}

GX_VALUE* GXSse(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GX_SAMPLE s = ListSample(pArgs);
    RequireSample(s, 1, GX_ERR_POPLT1);
    return GXReturnNumber(pResult, s.SquaredDeviations());
}

GX_VALUE* GXAvg(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GX_SAMPLE s = ListSample(pArgs);
    if (s.n == 0)
    {
        if (GXGetBlankIsZero(GXGetCurrentSheet()))
            return GXReturnNumber(pResult, 0);
        GXRaiseFunctionError(GX_ERR_SAMPLELT1);
    }
    return GXReturnNumber(pResult, s.Mean());
}

GX_VALUE* GXGMean(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double dLogs = 0;
    int n = 0;
    GXWalkNumericList(pArgs, 1, FALSE, [&](double x) {
        if (!(x > 0))
            GXRaiseFunctionError(GX_ERR_OPNOTPOS);
        dLogs += log(x);
        n++;
    });
    if (n < 1)
        GXRaiseFunctionError(GX_ERR_SAMPLELT1);
    errno = 0;
    double d = exp(dLogs / n);
    GXCheckFloat(d);
    return GXReturnNumber(pResult, d);
}

GX_VALUE* GXHMean(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double dInverse = 0;
    int n = 0;
    GXWalkNumericList(pArgs, 1, FALSE, [&](double x) {
        if (x == 0 || isnan(x))
            GXRaiseFunctionError(GX_ERR_OPZERO);
        dInverse += 1 / x;
        n++;
    });
    if (n < 1)
        GXRaiseFunctionError(GX_ERR_SAMPLELT1);
    return GXReturnNumber(pResult, n / dInverse);
}

GX_VALUE* GXMsq(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GX_SAMPLE s = ListSample(pArgs);
    RequireSample(s, 1, GX_ERR_SAMPLELT1);
    return GXReturnNumber(pResult, s.dSumSq / s.n);
}

GX_VALUE* GXRms(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GX_SAMPLE s = ListSample(pArgs);
    RequireSample(s, 1, GX_ERR_SAMPLELT1);
    return GXReturnNumber(pResult, sqrt(s.dSumSq / s.n));
}

GX_VALUE* GXMin(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double d = HUGE_VAL;
    int n = 0;
    GXWalkNumericList(pArgs, 1, FALSE, [&](double x) {
        n++;
        if (x < d)
            d = x;
    });
    if (n < 1)
        GXRaiseFunctionError(GX_ERR_SAMPLELT1);
    return GXReturnNumber(pResult, d);
}

GX_VALUE* GXMax(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double d = -HUGE_VAL;
    int n = 0;
    GXWalkNumericList(pArgs, 1, FALSE, [&](double x) {
        n++;
        if (x > d)
            d = x;
    });
    if (n < 1)
        GXRaiseFunctionError(GX_ERR_SAMPLELT1);
    return GXReturnNumber(pResult, d);
}

GX_VALUE* GXVar(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return GXReturnNumber(pResult, Population(pArgs));
}

GX_VALUE* GXStd(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return GXReturnNumber(pResult, sqrt(Population(pArgs)));
}

GX_VALUE* GXVars(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return GXReturnNumber(pResult, Sample(pArgs));
}

GX_VALUE* GXStds(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return GXReturnNumber(pResult, sqrt(Sample(pArgs)));
}

GX_VALUE* GXCount(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double n = 0;
    for (DWORD i = 1; i <= pArgs[0].nCount; i++)
    {
        const GX_VALUE& v = pArgs[i];
        switch (v.nKind)
        {
        case GX_VALUE_NUMBER:
        case GX_VALUE_STRING:
            n++;
            break;
        case GX_VALUE_CELL:
        case GX_VALUE_RANGE: {
            GX_RANGE_ITER it;
            GXRangeIterInit(&it, GXGetCurrentSheet(), v.range, GX_POOL_ALL);
            while (GX_CELL* p = GXRangeIterNext(&it))
                if (p->Content() != GX_CONTENT_NONE && p->ValueKind() != GX_CELLVALUE_NONE &&
                    p->ValueKind() != GX_CELLVALUE_EMPTY)
                    n++;
            break;
        }
        case GX_VALUE_ERROR:
            GXRaiseValueError(v);
        }
    }
    return GXReturnNumber(pResult, n);
}

GX_VALUE* GXStudentT(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    double df = GXNumberArgument(pArgs, 1), t = GXNumberArgument(pArgs, 2);
    if (!(df > 0))
        GXRaiseFunctionError(GX_ERR_DEGFREEDOM);
    double p = Checked(GXStudentTail(t, df)) / 2;
    return GXReturnNumber(pResult, t > 0 ? 1 - p : p);
}

GX_VALUE* GXFDist(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    double df1 = GXNumberArgument(pArgs, 1), df2 = GXNumberArgument(pArgs, 2);
    double f = GXNumberArgument(pArgs, 3);
    if (!(df1 > 0) || !(df2 > 0))
        GXRaiseFunctionError(GX_ERR_DEGFREEDOM);
    if (f < 0)
        GXRaiseFunctionError(GX_ERR_FMUSTBEPOS);
    return GXReturnNumber(pResult, 1 - Checked(GXFTail(f, df1, df2)));
}

GX_VALUE* GXTTest(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    GX_RANGE r = GXRangeArgument(pArgs, 1);
    double mu = GXNumberArgument(pArgs, 2);
    GX_SAMPLE s = GXRangeSample(r);
    RequireSample(s, 2, GX_ERR_SAMPLELT2);
    return GXReturnNumber(pResult, TwoTailedT(s, mu));
}

GX_VALUE* GXPTTest(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    GX_RANGE a = GXRangeArgument(pArgs, 1), b = GXRangeArgument(pArgs, 2);
    CheckSameShape(a, b);
    GX_SAMPLE s;
    WalkPairs(a, b, [&](double x, double y) { s.Add(x - y); });
    RequireSample(s, 2, GX_ERR_SAMPLELT2);
    return GXReturnNumber(pResult, TwoTailedT(s, 0));
}

GX_VALUE* GXTTest2EV(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    GX_RANGE ra = GXRangeArgument(pArgs, 1), rb = GXRangeArgument(pArgs, 2);
    GX_SAMPLE a = GXRangeSample(ra), b = GXRangeSample(rb);
    if (a.n + b.n < 3)
        GXRaiseFunctionError(GX_ERR_POOLEDLT3);
    double df = a.n + b.n - 2;
    double pooled = (a.SquaredDeviations() + b.SquaredDeviations()) / df;
    double s = sqrt(pooled * (1.0 / a.n + 1.0 / b.n));
    if (s == 0)
        return GXReturnNumber(pResult, 1.0);
    return GXReturnNumber(pResult, Checked(GXStudentTail((a.Mean() - b.Mean()) / s, df)));
}

GX_VALUE* GXTTest2UV(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    GX_RANGE ra = GXRangeArgument(pArgs, 1), rb = GXRangeArgument(pArgs, 2);
    GX_SAMPLE a = GXRangeSample(ra), b = GXRangeSample(rb);
    RequireSample(a, 2, GX_ERR_SAMPLELT2);
    RequireSample(b, 2, GX_ERR_SAMPLELT2);
    double va = a.SquaredDeviations() / (a.n * (a.n - 1.0));
    double vb = b.SquaredDeviations() / (b.n * (b.n - 1.0));
    double s = sqrt(va + vb);
    if (s == 0)
        return GXReturnNumber(pResult, 1.0);
    double df = (va + vb) * (va + vb) / (vb * vb / (b.n - 1) + va * va / (a.n - 1));
    return GXReturnNumber(pResult, Checked(GXStudentTail((a.Mean() - b.Mean()) / s, df)));
}

GX_VALUE* GXFTest(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    GX_RANGE ra = GXRangeArgument(pArgs, 1), rb = GXRangeArgument(pArgs, 2);
    GX_SAMPLE a = GXRangeSample(ra), b = GXRangeSample(rb);
    RequireSample(a, 2, GX_ERR_SAMPLELT2);
    RequireSample(b, 2, GX_ERR_SAMPLELT2);
    double va = a.SquaredDeviations() / (a.n - 1), vb = b.SquaredDeviations() / (b.n - 1);
    double p = va >= vb ? 2 * GXFTail(va / vb, a.n - 1, b.n - 1) : 2 * GXFTail(vb / va, b.n - 1, a.n - 1);
    Checked(p);
    return GXReturnNumber(pResult, p > 1 ? 2 - p : p);
}

GX_VALUE* GXCorr(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    GX_RANGE ra = GXRangeArgument(pArgs, 1), rb = GXRangeArgument(pArgs, 2);
    CheckSameShape(ra, rb);
    GX_SAMPLE a, b;
    double dProducts = 0;
    WalkPairs(ra, rb, [&](double x, double y) {
        a.Add(x);
        b.Add(y);
        dProducts += x * y;
    });
    double n = a.n;
    double d = (n * dProducts - a.dSum * b.dSum) /
               sqrt((n * a.dSumSq - a.dSum * a.dSum) * (n * b.dSumSq - b.dSum * b.dSum));
    return GXReturnNumber(pResult, d);
}

GX_VALUE* GXNormSDist(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    double z = GXNumberArgument(pArgs, 1);
    return GXReturnNumber(pResult, Checked(GXNormalCdf(z)));
}

GX_VALUE* GXNormSInv(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    double p = GXNumberArgument(pArgs, 1);
    if (!(p > 0 && p < 1))
        GXRaiseFunctionError(GX_ERR_OPRANGE);
    return GXReturnNumber(pResult, Checked(GXNormalInverse(p)));
}

GX_VALUE* GXNormDist(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 4);
    CheckNumbers(pArgs, 1);
    double x = pArgs[1].dValue, mean = pArgs[2].dValue, sd = pArgs[3].dValue;
    if (!(sd > 0))
        GXRaiseFunctionError(GX_ERR_OPRANGE);
    double z = (x - mean) / sd;
    if (pArgs[4].dValue == 0)
        return GXReturnNumber(pResult, exp(-z * z / 2) / (sqrt(2 * GX_PI) * sd));
    return GXReturnNumber(pResult, Checked(GXNormalCdf(z)));
}

GX_VALUE* GXNormInv(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    CheckNumbers(pArgs, 1);
    double p = pArgs[1].dValue, mean = pArgs[2].dValue, sd = pArgs[3].dValue;
    if (!(p > 0 && p < 1) || !(sd > 0))
        GXRaiseFunctionError(GX_ERR_OPRANGE);
    return GXReturnNumber(pResult, mean + sd * Checked(GXNormalInverse(p)));
}

GX_VALUE* GXZTest(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    DWORD n = pArgs[0].nCount;
    if (n < 2 || n > 3)
        GXRaiseFunctionError(GX_ERR_WRONGARGS);
    GX_RANGE r = GXRangeArgument(pArgs, 1);
    CheckNumbers(pArgs, 2);
    double mu = pArgs[2].dValue;
    if (n == 3 && !(pArgs[3].dValue > 0))
        GXRaiseFunctionError(GX_ERR_OPRANGE);
    GX_SAMPLE s = GXRangeSample(r);
    RequireSample(s, 2, GX_ERR_SAMPLELT2);
    double sigma = n == 3 ? pArgs[3].dValue : sqrt(s.SquaredDeviations() / (s.n - 1));
    double z = (s.Mean() - mu) / (sigma / sqrt((double)s.n));
    return GXReturnNumber(pResult, 1 - Checked(GXNormalCdf(z)));
}

GX_VALUE* GXStandardize(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    CheckNumbers(pArgs, 1);
    if (!(pArgs[3].dValue > 0))
        GXRaiseFunctionError(GX_ERR_OPRANGE);
    return GXReturnNumber(pResult, (pArgs[1].dValue - pArgs[2].dValue) / pArgs[3].dValue);
}

GX_VALUE* GXConfidence(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    CheckNumbers(pArgs, 1);
    double alpha = pArgs[1].dValue, sd = pArgs[2].dValue;
    if (!(alpha > 0 && alpha < 1) || !(sd > 0) || GXToInteger(pArgs[3].dValue) < 1)
        GXRaiseFunctionError(GX_ERR_OPRANGE);
    double size = (double)GXToInteger(pArgs[3].dValue);
    return GXReturnNumber(pResult, Checked(GXNormalInverse(1 - alpha / 2)) * sd / sqrt(size));
}
