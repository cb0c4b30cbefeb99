// Annuities with positive amounts, depreciation schedules and cash-flow series. Ranges of cash
// flows are read in position order, row by row.
#include "grid/formula/FinanceFunctions.h"
#include "grid/formula/DateOperations.h"
#include "grid/formula/FunctionSupport.h"

namespace
{
enum
{
    GX_ERR_DDBINT = 42,
    GX_ERR_LIFE = 43,
    GX_ERR_PVFVZERO = 44,
    GX_ERR_PVFVSIGN = 45,
    GX_ERR_PAYFVSIGN = 46,
    GX_ERR_PAYZERO = 47,
    GX_ERR_PERIODNEG = 48,
    GX_ERR_PERIODS = 49,
    GX_ERR_RATEMINUS1 = 50,
    GX_ERR_RATEZERO = 51,
    GX_ERR_SERIESLINE = 59,
    GX_ERR_RATENUMERIC = 84,
    GX_ERR_COSTSALVAGE = 124,
    GX_ERR_LIFEPERIOD = 125,
    GX_ERR_TWOFLOWS = 126,
    GX_ERR_SERIESVALUE = 129,
    GX_ERR_RATEBELOW = 147,
    GX_ERR_STARTPERIOD = 285,
    GX_ERR_ENDPERIOD = 286,
    GX_ERR_ENDSTART = 287,
    GX_ERR_RATEPOS = 290,
    GX_ERR_COMPOUNDING = 291,
    GX_ERR_DATELINE = 296,
    GX_ERR_SAMECOUNT = 297,
    GX_ERR_INOUTFLOW = 304,
    GX_ERR_FIRSTDATE = 308,
    GX_ERR_SCHEDULE = 309
};

const double kTwelfth = 0.08333333333333333;

void Numbers(GX_VALUE* pArgs, DWORD nMin, DWORD nMax, int nCode, double* p, BOOL bNonNegative = FALSE)
{
    GXNumberArguments(pArgs, nMin, nMax, nCode, p, bNonNegative);
}

double Power(double x, double y)
{
    errno = 0;
    double d = pow(x, y);
    GXCheckFloat(d);
    return d;
}

void CheckRatePeriods(double rate, double periods)
{
    if (rate < -1)
        GXRaiseFunctionError(GX_ERR_RATEMINUS1);
    if (!(periods > 0))
        GXRaiseFunctionError(GX_ERR_PERIODS);
}

void CheckCostSalvage(double cost, double salvage)
{
    if (cost < salvage || salvage < 0)
        GXRaiseFunctionError(GX_ERR_COSTSALVAGE);
}

double Payment(double r, double n, double pv, double fv, int type)
{
    double q = Power(1 + r, n);
    double p = (pv * q + fv) * r / (q - 1);
    return type == 1 ? p / (1 + r) : p;
}

// Interest (bInterest) or principal paid in periods start..end.
double Cumulative(double r, double n, double pv, double fv, double s, double e, int t, BOOL bInterest)
{
    if (s < 1)
        GXRaiseFunctionError(GX_ERR_STARTPERIOD);
    if (e < 1)
        GXRaiseFunctionError(GX_ERR_ENDPERIOD);
    if (e < s)
        GXRaiseFunctionError(GX_ERR_ENDSTART);
    if (e > 1e7)
        GXRaiseFunctionError(GX_ERR_ARGRANGE); // a schedule of more periods is no annuity
    double p = Payment(r, n, pv, fv, t), b = pv, sum = 0;
    if (bInterest)
    {
        if (t == 1)
            b -= p, s -= 1, e -= 1;
        for (double k = 1; k < e + 1; k++)
        {
            if (k >= s)
                sum += r * b;
            b -= p - r * b;
        }
        return sum;
    }
    for (double k = 1; k < e + 1; k++)
    {
        double i = k == 1 && t == 1 ? 0 : r * b;
        if (k >= s)
            sum += p - i;
        b -= p - i;
    }
    return sum;
}

GX_VALUE* OnePeriod(GX_VALUE* pResult, GX_VALUE* pArgs, BOOL bInterest)
{
    double a[6] = {0, 0, 0, 0, 0, 0};
    Numbers(pArgs, 5, 6, GX_ERR_NONNUMARGS, a, TRUE);
    return GXReturnNumber(pResult, Cumulative(a[0], a[2], a[3], a[4], a[1], a[1], a[5] != 0, bInterest));
}

GX_VALUE* Cumulated(GX_VALUE* pResult, GX_VALUE* pArgs, BOOL bInterest)
{
    double a[6];
    Numbers(pArgs, 6, 6, GX_ERR_NONNUMARGS, a, TRUE);
    return GXReturnNumber(pResult, Cumulative(a[0], a[1], a[2], 0, a[3], a[4], a[5] != 0, bInterest));
}

BOOL IsLine(const GX_RANGE& r)
{
    return r.Row1() == r.Bottom() || r.Col1() == r.Right();
}

// Every cell of a range, row by row; a cell without a number gives nMissing, or raises it.
void ReadSeries(const GX_RANGE& r, CGXTempNumbers& v, int nMissing)
{
    v.Alloc((long long)r.CellCount());
    for (DWORD row = r.Row1(); row <= r.Bottom(); row++)
        for (DWORD col = r.Col1(); col <= r.Right(); col++)
        {
            double d;
            if (!GXGetCellNumber(row, col, &d))
            {
                if (nMissing != 0)
                    GXRaiseFunctionError(nMissing);
                d = 0;
            }
            v.Add(d);
        }
}

// Values and dates of XNPV and XIRR, and the year fractions of the dates from the first.
void ReadDatedSeries(const GX_VALUE& values, const GX_VALUE& dates, CGXTempNumbers& v, CGXTempNumbers& y)
{
    for (const GX_VALUE* p : {&values, &dates})
    {
        if (p->nKind == GX_VALUE_ERROR)
            GXRaiseValueError(*p);
        if (p->nKind != GX_VALUE_RANGE && p->nKind != GX_VALUE_CELL)
            GXRaiseFunctionError(GX_ERR_CASHFLOWRANGE);
    }
    if (!IsLine(values.range))
        GXRaiseFunctionError(GX_ERR_SERIESLINE);
    if (!IsLine(dates.range))
        GXRaiseFunctionError(GX_ERR_DATELINE);
    if (values.range.CellCount() != dates.range.CellCount())
        GXRaiseFunctionError(GX_ERR_SAMECOUNT);
    ReadSeries(values.range, v, GX_ERR_SERIESVALUE);
    ReadSeries(dates.range, y, GX_ERR_SERIESVALUE);
    double first = y[0];
    for (int i = 0; i < y.Count(); i++)
    {
        if (y[i] < first)
            GXRaiseFunctionError(GX_ERR_FIRSTDATE);
        double d = fmin(trunc(y[i]), 1e9);
        y[i] = GXYearFraction((long)first, (long)d, 1);
    }
}
} // namespace

GX_VALUE* GXFv(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[3];
    Numbers(pArgs, 3, 3, GX_ERR_NONNUMARGS, a);
    CheckRatePeriods(a[1], a[2]);
    if (a[1] == 0)
        return GXReturnNumber(pResult, a[0] * a[2]);
    return GXReturnNumber(pResult, (Power(1 + a[1], a[2]) - 1) * a[0] / a[1]);
}

GX_VALUE* GXPv(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[3];
    Numbers(pArgs, 3, 3, GX_ERR_NONNUMARGS, a);
    CheckRatePeriods(a[1], a[2]);
    if (a[1] == 0)
        return GXReturnNumber(pResult, a[0] * a[2]);
    return GXReturnNumber(pResult, (1 - Power(1 + a[1], -a[2])) * a[0] / a[1]);
}

GX_VALUE* GXPmt(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[3];
    Numbers(pArgs, 3, 3, GX_ERR_NONNUMARGS, a);
    CheckRatePeriods(a[1], a[2]);
    if (a[1] == 0)
        return GXReturnNumber(pResult, a[0] / a[2]);
    return GXReturnNumber(pResult, a[1] * a[0] / (1 - Power(1 + a[1], -a[2])));
}

GX_VALUE* GXRate(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[3];
    Numbers(pArgs, 3, 3, GX_ERR_NONNUMARGS, a);
    if (!(a[2] > 0))
        GXRaiseFunctionError(GX_ERR_PERIODS);
    if (a[0] == 0 || a[1] == 0)
        GXRaiseFunctionError(GX_ERR_PVFVZERO);
    if (a[0] / a[1] < 0)
        GXRaiseFunctionError(GX_ERR_PVFVSIGN);
    return GXReturnNumber(pResult, Power(a[0] / a[1], 1 / a[2]) - 1);
}

GX_VALUE* GXCTerm(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[3];
    Numbers(pArgs, 3, 3, GX_ERR_NONNUMARGS, a);
    if (a[0] < -1)
        GXRaiseFunctionError(GX_ERR_RATEMINUS1);
    if (a[0] == 0)
        GXRaiseFunctionError(GX_ERR_RATEZERO);
    if (a[1] == 0 || a[2] == 0)
        GXRaiseFunctionError(GX_ERR_PVFVZERO);
    if (a[1] / a[2] < 0)
        GXRaiseFunctionError(GX_ERR_PVFVSIGN);
    return GXReturnNumber(pResult, log(a[1] / a[2]) / log(1 + a[0]));
}

GX_VALUE* GXTerm(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[3];
    Numbers(pArgs, 3, 3, GX_ERR_NONNUMARGS, a);
    if (a[1] < -1)
        GXRaiseFunctionError(GX_ERR_RATEMINUS1);
    if (a[0] == 0)
        GXRaiseFunctionError(GX_ERR_PAYZERO);
    if (a[2] / a[0] < 0)
        GXRaiseFunctionError(GX_ERR_PAYFVSIGN);
    return GXReturnNumber(pResult, log(a[2] / a[0] * a[1] + 1) / log(1 + a[1]));
}

GX_VALUE* GXSln(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[3];
    Numbers(pArgs, 3, 3, GX_ERR_NONNUMARGS, a);
    if (!(a[2] > 0))
        GXRaiseFunctionError(GX_ERR_LIFE);
    CheckCostSalvage(a[0], a[1]);
    return GXReturnNumber(pResult, (a[0] - a[1]) / a[2]);
}

GX_VALUE* GXSyd(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[4];
    Numbers(pArgs, 4, 4, GX_ERR_NONNUMARGS, a);
    if (!(a[2] > 0))
        GXRaiseFunctionError(GX_ERR_LIFE);
    if (a[3] < 0)
        GXRaiseFunctionError(GX_ERR_PERIODNEG);
    CheckCostSalvage(a[0], a[1]);
    return GXReturnNumber(pResult, (a[0] - a[1]) * (a[2] - a[3] + 1) / ((a[2] + 1) * a[2] * 0.5));
}

GX_VALUE* GXDdb(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[4];
    Numbers(pArgs, 4, 4, GX_ERR_NONNUMARGS, a);
    long long life = GXToInteger(a[2]), period = GXToInteger(a[3]);
    if ((double)life != a[2] || (double)period != a[3])
        GXRaiseFunctionError(GX_ERR_DDBINT);
    if (life < period || period < 1)
        GXRaiseFunctionError(GX_ERR_LIFEPERIOD);
    CheckCostSalvage(a[0], a[1]);
    double v = a[0], d = 0;
    for (long long i = 0; i < period; i++)
    {
        d = 2 * v / life;
        if (!(d > 0))
            d = 0;
        v -= d;
        if (v <= a[1])
            v = a[1];
    }
    return GXReturnNumber(pResult, d);
}

GX_VALUE* GXDb(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[5] = {0, 0, 0, 0, 0};
    Numbers(pArgs, 4, 5, GX_ERR_BADARGTYPE, a, TRUE);
    double c = a[0], s = a[1], life = a[2], m = a[4];
    double period = trunc(a[3]);
    double years = m != 0 ? trunc(life + 1) : trunc(life);
    if (years < period || period < 1)
        GXRaiseFunctionError(GX_ERR_LIFEPERIOD);
    CheckCostSalvage(c, s);
    double x = (1 - Power(s / c, 1 / life)) * 1000;
    x = floor(x) + 0.5 <= x ? ceil(x) : floor(x);
    double rate = x * 0.001, total = 0;
    for (double i = 1; i <= years; i++)
    {
        double d;
        if (i == 1 && m != 0)
            d = m * kTwelfth * rate * c;
        else
        {
            d = (c - total) * rate;
            if (i == years && m != 0)
                d *= (12 - m) * kTwelfth;
        }
        if (i == period)
            return GXReturnNumber(pResult, d);
        total += d;
    }
    return GXReturnNumber(pResult, 0);
}

GX_VALUE* GXVdb(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[5];
    Numbers(pArgs, 5, 5, GX_ERR_NONNUMARGS, a, TRUE);
    long long life = GXToInteger(a[2]), start = GXToInteger(a[3]), end = GXToInteger(a[4]);
    if (start > life || end > life)
        GXRaiseFunctionError(GX_ERR_LIFEPERIOD);
    if (end < start)
        GXRaiseFunctionError(GX_ERR_ENDSTART);
    CheckCostSalvage(a[0], a[1]);
    double v = a[0], sum = 0;
    for (long long i = 0; i < end; i++)
    {
        double d = 2 * v / life;
        if (!(d > 0))
            d = 0;
        if (i >= start)
            sum += d;
        v -= d;
        if (v < a[1])
            v = a[1];
    }
    return GXReturnNumber(pResult, sum);
}

GX_VALUE* GXIpmt(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return OnePeriod(pResult, pArgs, TRUE);
}

GX_VALUE* GXPpmt(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return OnePeriod(pResult, pArgs, FALSE);
}

GX_VALUE* GXCumIpmt(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return Cumulated(pResult, pArgs, TRUE);
}

GX_VALUE* GXCumPrinc(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return Cumulated(pResult, pArgs, FALSE);
}

GX_VALUE* GXEffect(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[2];
    Numbers(pArgs, 2, 2, GX_ERR_BADARGTYPE, a);
    if (!(a[0] > 0))
        GXRaiseFunctionError(GX_ERR_RATEPOS);
    if (!(a[1] >= 1))
        GXRaiseFunctionError(GX_ERR_COMPOUNDING);
    return GXReturnNumber(pResult, Power(1 + a[0] / a[1], a[1]) - 1);
}

GX_VALUE* GXNominal(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[2];
    Numbers(pArgs, 2, 2, GX_ERR_NONNUMARGS, a);
    if (!(a[0] > 0))
        GXRaiseFunctionError(GX_ERR_RATEPOS);
    if (!(a[1] >= 1))
        GXRaiseFunctionError(GX_ERR_COMPOUNDING);
    return GXReturnNumber(pResult, (Power(1 + a[0], 1 / a[1]) - 1) * a[1]);
}

GX_VALUE* GXFvSchedule(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    GXResolveArgument(&pArgs[1]);
    if (pArgs[1].nKind != GX_VALUE_NUMBER)
        GXRaiseFunctionError(GX_ERR_NONNUMARGS);
    double d = pArgs[1].dValue;
    GX_VALUE& v = pArgs[2];
    if (v.nKind == GX_VALUE_RANGE)
    {
        if (!IsLine(v.range))
            GXRaiseFunctionError(GX_ERR_SCHEDULE);
        double r;
        for (GX_CELL* p : GXRangeCellsInOrder(v.range))
            if (GXGetCellNumber(p->nRow, p->nCol, &r))
                d *= 1 + r;
        return GXReturnNumber(pResult, d);
    }
    GXResolveArgument(&v);
    if (v.nKind != GX_VALUE_NUMBER)
        GXRaiseFunctionError(GX_ERR_NONNUMARGS);
    return GXReturnNumber(pResult, d * (1 + v.dValue));
}

GX_VALUE* GXIrr(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    double g = GXNumberArgument(pArgs, 1);
    GX_RANGE r = GXRangeArgument(pArgs, 2);
    if (r.CellCount() < 2)
        GXRaiseFunctionError(GX_ERR_TWOFLOWS);
    CGXTempNumbers v, d1, d2;
    ReadSeries(r, v, 0);
    int n = v.Count();
    d1.Alloc(n);
    d2.Alloc(n);
    for (int i = 0; i < n; i++)
    {
        d1.Add((n - 1 - i) * v[i]);
        d2.Add((n - 2 - i) * d1[i]);
    }
    double x = 1 + g;
    for (int nStep = 0; nStep < 50; nStep++)
    {
        double f = 0, f1 = 0, f2 = 0;
        for (int i = 0; i < n; i++)
            f = f * x + v[i];
        for (int i = 0; i < n - 1; i++)
            f1 = f1 * x + d1[i];
        for (int i = 0; i < n - 2; i++)
            f2 = f2 * x + d2[i];
        double s = f / f1;
        double delta = -(s / (1 - f2 * s / f1));
        x += delta;
        if (fabs(delta) < 1e-08)
        {
            if (x < 0)
                GXRaiseFunctionError(GX_ERR_RATEBELOW);
            return GXReturnNumber(pResult, x - 1);
        }
    }
    GXRaiseFunctionError(GX_ERR_NOROOT);
}

GX_VALUE* GXMirr(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    const GX_VALUE& values = pArgs[1];
    if (values.nKind == GX_VALUE_ERROR)
        GXRaiseValueError(values);
    double f = GXNumberArgument(pArgs, 2), r = GXNumberArgument(pArgs, 3);
    if (values.nKind != GX_VALUE_RANGE && values.nKind != GX_VALUE_CELL)
        GXRaiseFunctionError(GX_ERR_CASHFLOWRANGE);
    if (!IsLine(values.range))
        GXRaiseFunctionError(GX_ERR_SERIESLINE);
    double pos = 0, neg = 0, v;
    int k = 0;
    // Position order, so the k-th flow of the series is discounted k + 1 times.
    for (GX_CELL* p : GXRangeCellsInOrder(values.range))
    {
        if (!GXGetCellNumber(p->nRow, p->nCol, &v))
            continue;
        if (v >= 0)
            pos += v / Power(1 + r, k + 1);
        else
            neg += v / Power(1 + f, k + 1);
        k++;
    }
    if (pos == 0 || neg == 0)
        GXRaiseFunctionError(GX_ERR_INOUTFLOW);
    return GXReturnNumber(pResult, Power(-Power(1 + r, k) * pos / ((1 + f) * neg), 1.0 / (k - 1)) - 1);
}

GX_VALUE* GXXnpv(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    GXResolveArgument(&pArgs[1]);
    if (pArgs[1].nKind != GX_VALUE_NUMBER)
        GXRaiseFunctionError(GX_ERR_RATENUMERIC);
    double rate = pArgs[1].dValue;
    if (rate < -1)
        GXRaiseFunctionError(GX_ERR_RATEMINUS1);
    CGXTempNumbers v, y;
    ReadDatedSeries(pArgs[2], pArgs[3], v, y);
    double sum = 0;
    for (int i = 0; i < v.Count(); i++)
        sum += v[i] / Power(1 + rate, y[i]);
    return GXReturnNumber(pResult, sum);
}

GX_VALUE* GXXirr(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    GXResolveArgument(&pArgs[3]);
    if (pArgs[3].nKind != GX_VALUE_NUMBER)
        GXRaiseFunctionError(GX_ERR_RATENUMERIC);
    double r = pArgs[3].dValue;
    if (r <= -1)
        GXRaiseFunctionError(GX_ERR_RATEBELOW);
    CGXTempNumbers v, t;
    ReadDatedSeries(pArgs[1], pArgs[2], v, t);
    double m = 0;
    for (int i = 0; i < t.Count(); i++)
        m = fmax(m, t[i]);
    for (int i = 0; i < t.Count(); i++)
        t[i] = m - t[i];
    auto f = [&](double x) {
        double s = 0;
        for (int i = 0; i < v.Count(); i++)
            s += v[i] * pow(1 + x, t[i]);
        return s;
    };
    auto f1 = [&](double x) {
        double s = 0;
        for (int i = 0; i < v.Count(); i++)
            s += t[i] * v[i] * pow(1 + x, t[i] - 1);
        return s;
    };
    BOOL bFound = fabs(f(r)) < 1e-08;
    for (int nStep = 0; nStep < 50 && !bFound; nStep++)
    {
        r -= f(r) / f1(r);
        bFound = fabs(f(r)) < 1e-08;
    }
    if (!bFound)
        GXRaiseFunctionError(GX_ERR_NOROOT);
    if (r <= -1)
        GXRaiseFunctionError(GX_ERR_RATEBELOW);
    return GXReturnNumber(pResult, r);
}
