// Coupon dates are the maturity moved back by whole coupon steps, each from the maturity itself.
#include "grid/formula/SecuritiesFunctions.h"
#include "grid/formula/DateOperations.h"
#include "grid/formula/FunctionSupport.h"

namespace
{
enum
{
    GX_ERR_BADDATE = 111,
    GX_ERR_DOLLARFRACTION = 289,
    GX_ERR_SETTLEMATURITY = 292,
    GX_ERR_SETTLEISSUE = 293,
    GX_ERR_BASIS = 294,
    GX_ERR_FREQUENCY = 295,
    GX_ERR_FIRSTCOUPON = 298,
    GX_ERR_TBILLYEAR = 305
};

// The highest yield the solver tries: beyond it no price is reached.
const double kMaxYield = 100;

// A coupon date k steps before maturity; leaving the calendar raises 111.
long StepBack(long nMaturity, long k, int nFrequency)
{
    long n = GXAddMonths(nMaturity, -k * (12 / nFrequency));
    if (n == 0)
        GXRaiseFunctionError(GX_ERR_BADDATE);
    return n;
}

long PreviousCoupon(long nSettlement, long nMaturity, int nFrequency)
{
    long k = 1, d;
    while ((d = StepBack(nMaturity, k, nFrequency)) > nSettlement)
        k++;
    return d;
}

long NextCoupon(long nSettlement, long nMaturity, int nFrequency)
{
    long n = GXAddMonths(PreviousCoupon(nSettlement, nMaturity, nFrequency), 12 / nFrequency);
    if (n == 0)
        GXRaiseFunctionError(GX_ERR_BADDATE);
    return n;
}

// A date moved by whole months; leaving the calendar raises 111 (stepping would never end).
long AddMonths(long nSerial, long nMonths)
{
    long n = GXAddMonths(nSerial, nMonths);
    if (n == 0)
        GXRaiseFunctionError(GX_ERR_BADDATE);
    return n;
}

// Days between two dates, 30/360 for basis 0, and the length of the period (x, y).
double Days(long x, long y, int nBasis)
{
    return nBasis == 0 ? (double)GXDays360(x, y) : (double)(y - x);
}

double PeriodLength(long x, long y, int nFrequency, int nBasis)
{
    return nBasis == 0 ? 360.0 / nFrequency : (double)(y - x);
}

// The arguments as numbers (56), not negative (313) unless bAnySign.
void Numbers(GX_VALUE* pArgs, DWORD nMin, DWORD nMax, double* a, BOOL bAnySign = FALSE)
{
    GXNumberArguments(pArgs, nMin, nMax, GX_ERR_NONNUMARGS, a, !bAnySign);
}

long Date(double d)
{
    d = trunc(d);
    if (!(d >= 1 && d <= GX_MAX_SERIAL))
        GXRaiseFunctionError(GX_ERR_BADDATE);
    return (long)d;
}

void CheckMaturity(long nSettlement, long nMaturity)
{
    if (nMaturity <= nSettlement)
        GXRaiseFunctionError(GX_ERR_SETTLEMATURITY);
}

// Settlement, maturity, frequency and optional basis of the coupon functions.
struct Coupon
{
    long s, m;
    int f, b;
};

Coupon CouponArguments(GX_VALUE* pArgs, BOOL bAnySign)
{
    double a[4] = {0, 0, 0, 0};
    Numbers(pArgs, 3, 4, a, bAnySign);
    Coupon c = {Date(a[0]), Date(a[1]), GXCheckFrequency(a[2]), GXCheckBasis(a[3])};
    CheckMaturity(c.s, c.m);
    return c;
}

double Fraction(long a, long b, int nBasis)
{
    return GXYearFractionExclusive(a, b, nBasis);
}

// Settlement, maturity, two amounts and the basis of the discounted securities.
struct Discounted
{
    long s, m;
    double x, y, yf;
};

Discounted DiscountedArguments(GX_VALUE* pArgs, BOOL bCheckMaturity = TRUE)
{
    double a[5] = {0, 0, 0, 0, 0};
    Numbers(pArgs, 4, 5, a);
    Discounted d = {Date(a[0]), Date(a[1]), a[2], a[3], 0};
    if (bCheckMaturity)
        CheckMaturity(d.s, d.m);
    d.yf = Fraction(d.s, d.m, GXCheckBasis(a[4]));
    return d;
}

struct Bond
{
    double c, redemption, d, accrued;
    long n;
    int f;
};

// PRICE and YIELD: settlement, maturity, rate, yield or price, redemption, frequency, basis.
Bond BondArguments(GX_VALUE* pArgs, double* pSecond)
{
    double a[7] = {0, 0, 0, 0, 0, 0, 0};
    Numbers(pArgs, 6, 7, a);
    long s = Date(a[0]), m = Date(a[1]);
    CheckMaturity(s, m);
    int f = GXCheckFrequency(a[5]), b = GXCheckBasis(a[6]);
    double e = GXCouponPeriodDays(s, m, f, b), c = a[2] * 100 / f;
    *pSecond = a[3];
    return {c,
            a[4],
            GXCouponDaysToNext(s, m, f, b) / e,
            c * GXCouponDaysBefore(s, m, f, b) / e,
            GXCouponCount(s, m, f),
            f};
}

double Price(const Bond& b, double y)
{
    return GXBondPrice(b.c, y, b.redemption, b.f, b.n, b.d, b.accrued);
}

// Settlement, maturity, issue, rate, yield or price, basis of PRICEMAT and YIELDMAT.
struct AtMaturity
{
    double a, dim, dsm, rate, x;
};

AtMaturity AtMaturityArguments(GX_VALUE* pArgs)
{
    double v[6] = {0, 0, 0, 0, 0, 0};
    Numbers(pArgs, 5, 6, v);
    long s = Date(v[0]), m = Date(v[1]), i = Date(v[2]);
    CheckMaturity(s, m);
    if (s < i)
        GXRaiseFunctionError(GX_ERR_SETTLEISSUE);
    int b = GXCheckBasis(v[5]);
    return {Fraction(i, s, b), Fraction(i, m, b), Fraction(s, m, b), v[3], v[4]};
}

void TBillArguments(GX_VALUE* pArgs, long* s, long* m, double* x)
{
    double a[3];
    Numbers(pArgs, 3, 3, a, TRUE);
    *s = Date(a[0]);
    *m = Date(a[1]);
    CheckMaturity(*s, *m);
    long year = GXAddMonths(*s, 12);
    if (year == 0 || *m > year)
        GXRaiseFunctionError(GX_ERR_TBILLYEAR);
    *x = a[2];
}

// Price and fraction of DOLLARDE and DOLLARFR; P is the smallest power of ten not below F.
void DollarArguments(GX_VALUE* pArgs, int nKindError, double* price, double* f, double* p)
{
    double a[2];
    GXNumberArguments(pArgs, 2, 2, nKindError, a, FALSE);
    *price = a[0];
    double fraction = a[1];
    if (!(*price > 0) || !(fraction > 0))
        GXRaiseFunctionError(GX_ERR_NEGATIVE);
    *f = floor(fraction);
    if (*f <= 0)
        GXRaiseFunctionError(GX_ERR_DOLLARFRACTION);
    *p = 10;
    while (*p < *f)
        *p *= 10;
}
// YIELD and ODDFYIELD: raise the yield by 0.05 from y0 until the price falls to the given one,
// then bisect on [0, y]; after 50 halvings the last midpoint stands.
template <class PriceAt> double SolveYield(PriceAt price, double given, double y0)
{
    double y = y0, p;
    do
    {
        y += 0.05;
        // A price that no yield reaches (0 with nothing accrued) would raise y for ever.
        if (y > kMaxYield)
            GXRaiseFunctionError(GX_ERR_NOROOT);
        p = price(y);
    } while (!(p <= given));
    if (fabs(given - p) < 1e-08)
        return y;
    double lo = 0, hi = y, m = y * 0.5;
    for (int i = 0; i < 50; i++)
    {
        p = price(m);
        if (fabs(given - p) < 1e-08)
            break;
        if (given <= p)
            lo = m;
        else
            hi = m;
        m = (lo + hi) * 0.5;
    }
    return m;
}

// A bond with an odd first coupon period: coupon, redemption, periods to the first coupon, the
// first coupon's amount, the accrued amount and the number of regular periods.
struct OddFirst
{
    double c, redemption, d, first, accrued;
    long n;
    int f;
};

// ODDFPRICE and ODDFYIELD: settlement, maturity, issue, first coupon, rate, yield or price,
// redemption, frequency, basis.
OddFirst OddFirstArguments(GX_VALUE* pArgs, double* pSecond)
{
    double a[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    Numbers(pArgs, 8, 9, a);
    long s = Date(a[0]), m = Date(a[1]), i = Date(a[2]), fc = Date(a[3]);
    CheckMaturity(s, m);
    if (s < i)
        GXRaiseFunctionError(GX_ERR_SETTLEISSUE);
    if (fc <= i || fc >= m)
        GXRaiseFunctionError(GX_ERR_FIRSTCOUPON);
    int f = GXCheckFrequency(a[7]), b = GXCheckBasis(a[8]);
    long step = 12 / f;
    double d = GXCouponDaysToNext(s, m, f, b) / GXCouponPeriodDays(s, m, f, b);
    long n;
    if (AddMonths(fc, -step) > i)
    {
        // Long first period: n counts the regular periods; d grows by the whole quasi periods
        // between settlement and the first coupon.
        n = GXCouponCount(fc, m, f) + 1;
        if (fc >= s)
        {
            long k = 0, date = fc;
            // The last step reaches the quasi-coupon date at or before settlement; the steps
            // before it are the whole periods (d already covers the first partial one).
            while (date > s)
                date = AddMonths(fc, -++k * step);
            d += k - 1;
        }
    }
    else
        n = GXCouponCount(s, m, f);
    double c = a[4] * 100 / f;
    // The first coupon: c for each full quasi period, the share of the period the issue falls in.
    double first = 0;
    long k = 1, last = fc, q;
    while ((q = AddMonths(fc, -k * step)) > i)
    {
        first += c;
        last = q;
        k++;
    }
    first += c * Days(i, last, b) / Days(q, last, b);
    *pSecond = a[5];
    return {c, a[6], d, first, GXAccruedFraction(i, fc, s, f, b, c), n - 1, f};
}

// The odd-first-period price at yield y (n' = n - 1 short, n long, as n - 1 is stored).
double OddFirstPrice(const OddFirst& o, double y)
{
    double v = 1 / (1 + y / o.f), sum = 0;
    for (long k = 1; k <= o.n - 1; k++)
        sum += o.c * pow(v, k + o.d);
    return sum + o.first * pow(v, o.d) + (o.c + o.redemption) * pow(v, o.n + o.d) - o.accrued;
}
} // namespace

int GXCheckFrequency(double d)
{
    d = trunc(d);
    if (!(d == 1 || d == 2 || d == 4))
        GXRaiseFunctionError(GX_ERR_FREQUENCY);
    return (int)d;
}

int GXCheckBasis(double d)
{
    if (!(d >= 0 && d <= 3))
        GXRaiseFunctionError(GX_ERR_BASIS);
    return (int)d;
}

long GXCouponCount(long nSettlement, long nMaturity, int nFrequency)
{
    long n = 0;
    for (long d = nMaturity; nSettlement < d; d = StepBack(nMaturity, n, nFrequency))
        n++;
    return n;
}

double GXCouponDaysBefore(long s, long m, int f, int b)
{
    long pcd = PreviousCoupon(s, m, f);
    return b == 0 ? GXDays360(pcd, s) : s - pcd;
}

double GXCouponPeriodDays(long s, long m, int f, int b)
{
    if (b == 0)
        return 360 / f;
    return NextCoupon(s, m, f) - PreviousCoupon(s, m, f);
}

double GXCouponDaysToNext(long s, long m, int f, int b)
{
    long ncd = NextCoupon(s, m, f);
    return b == 0 ? GXDays360(s, ncd) : ncd - s;
}

double GXBondPrice(double c, double y, double r, int f, long n, double d, double a)
{
    double v = 1 / (1 + y / f), sum = 0;
    for (long k = 0; k < n; k++)
        sum += c * pow(v, k + d);
    return sum + r * pow(v, n - 1 + d) - a;
}

double GXDurationSum(long s, long m, double r, double y, int f, int b)
{
    long n = GXCouponCount(s, m, f);
    double dsc = GXCouponDaysToNext(s, m, f, b), e = GXCouponPeriodDays(s, m, f, b);
    double c = r * 100 / f, v = 1 + y / f, s0 = 0, s1 = 0;
    for (long k = 0; k < n; k++)
    {
        double t = k + dsc / e, w = (k == n - 1 ? c + 100 : c) / pow(v, t);
        s0 += w;
        s1 += t * w;
    }
    return s1 / s0 / f;
}

GX_VALUE* GXCoupPcd(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    Coupon c = CouponArguments(pArgs, TRUE);
    long pcd = PreviousCoupon(c.s, c.m, c.f);
    int y, mo, d;
    GXSerialToDate(pcd, &y, &mo, &d);
    if (c.b == 0 && d == 31)
        pcd = GXDateToSerial(y, mo, 30);
    return GXReturnNumber(pResult, pcd);
}

GX_VALUE* GXCoupNcd(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    Coupon c = CouponArguments(pArgs, TRUE);
    long ncd = NextCoupon(c.s, c.m, c.f);
    int y, mo, d;
    GXSerialToDate(ncd, &y, &mo, &d);
    if (d == 31)
        ncd = GXDateToSerial(y, mo, 30);
    return GXReturnNumber(pResult, ncd);
}

GX_VALUE* GXCoupNum(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    Coupon c = CouponArguments(pArgs, TRUE);
    return GXReturnNumber(pResult, GXCouponCount(c.s, c.m, c.f));
}

GX_VALUE* GXCoupDayBs(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    Coupon c = CouponArguments(pArgs, TRUE);
    return GXReturnNumber(pResult, GXCouponDaysBefore(c.s, c.m, c.f, c.b));
}

GX_VALUE* GXCoupDays(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    Coupon c = CouponArguments(pArgs, TRUE);
    return GXReturnNumber(pResult, GXCouponPeriodDays(c.s, c.m, c.f, c.b));
}

GX_VALUE* GXCoupDaysNc(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    Coupon c = CouponArguments(pArgs, TRUE);
    return GXReturnNumber(pResult, GXCouponDaysToNext(c.s, c.m, c.f, c.b));
}

double GXAccruedFraction(long i, long f, long s, int nFrequency, int b, double c)
{
    long step = 12 / nFrequency;
    double fraction;
    if (s > f)
    {
        // Since the last coupon date before settlement.
        long d1 = AddMonths(f, step);
        if (d1 < s)
        {
            long k = 2, d;
            while ((d = AddMonths(f, k * step)) < s)
                k++;
            long p = AddMonths(f, (k - 1) * step);
            fraction = Days(p, s, b) / Days(p, d, b);
        }
        else
            fraction = Days(f, s, b) / PeriodLength(f, d1, nFrequency, b);
    }
    else
    {
        // From the issue date, over the quasi-coupon periods before the first interest date.
        long k = 1, q;
        while ((q = AddMonths(f, -k * step)) > s)
            k++;
        long l = AddMonths(q, step);
        double len = PeriodLength(q, l, nFrequency, b);
        if (i < q)
        {
            fraction = Days(q, s, b) / len;
            long j = 1, d;
            while ((d = AddMonths(q, -j * step)) > i)
            {
                fraction += 1;
                j++;
            }
            long n = AddMonths(d, step);
            fraction += Days(i, n, b) / PeriodLength(d, n, nFrequency, b);
        }
        else
            fraction = Days(i, s, b) / len;
    }
    return fraction * c;
}

GX_VALUE* GXAccrInt(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[7] = {0, 0, 0, 0, 0, 0, 0};
    Numbers(pArgs, 6, 7, a);
    long i = Date(a[0]), f = Date(a[1]), s = Date(a[2]);
    if (s <= i || f <= i)
        GXRaiseFunctionError(GX_ERR_SETTLEMATURITY);
    int nFrequency = GXCheckFrequency(a[5]);
    return GXReturnNumber(
        pResult, GXAccruedFraction(i, f, s, nFrequency, GXCheckBasis(a[6]), a[3] * a[4] / nFrequency));
}

GX_VALUE* GXAccrIntM(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[5] = {0, 0, 0, 0, 0};
    Numbers(pArgs, 4, 5, a);
    long i = Date(a[0]), s = Date(a[1]);
    if (s < i)
        GXRaiseFunctionError(GX_ERR_SETTLEISSUE);
    return GXReturnNumber(pResult, trunc(a[3]) * a[2] * Fraction(i, s, GXCheckBasis(a[4])));
}

GX_VALUE* GXDisc(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    Discounted d = DiscountedArguments(pArgs);
    return GXReturnNumber(pResult, (1 - d.x / d.y) / d.yf);
}

GX_VALUE* GXIntRate(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    Discounted d = DiscountedArguments(pArgs, FALSE);
    return GXReturnNumber(pResult, ((d.y - d.x) / d.x) / d.yf);
}

GX_VALUE* GXReceived(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    Discounted d = DiscountedArguments(pArgs);
    return GXReturnNumber(pResult, d.x / (1 - d.yf * d.y));
}

GX_VALUE* GXPriceDisc(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    Discounted d = DiscountedArguments(pArgs);
    return GXReturnNumber(pResult, (1 - d.yf * d.x) * d.y);
}

GX_VALUE* GXPriceMat(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    AtMaturity v = AtMaturityArguments(pArgs);
    return GXReturnNumber(pResult, (v.dim * v.rate + 1) * 100 / (v.dsm * v.x + 1) - v.a * v.rate * 100);
}

GX_VALUE* GXYieldMat(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    AtMaturity v = AtMaturityArguments(pArgs);
    return GXReturnNumber(pResult, ((v.dim * v.rate + 1) * 100 / (v.a * v.rate * 100 + v.x) - 1) / v.dsm);
}

GX_VALUE* GXPrice(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double y;
    Bond b = BondArguments(pArgs, &y);
    return GXReturnNumber(pResult, Price(b, y));
}

GX_VALUE* GXYield(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double given;
    Bond b = BondArguments(pArgs, &given);
    return GXReturnNumber(pResult, SolveYield([&](double y) { return Price(b, y); }, given, 0.05));
}

GX_VALUE* GXOddFPrice(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double y;
    OddFirst o = OddFirstArguments(pArgs, &y);
    return GXReturnNumber(pResult, OddFirstPrice(o, y));
}

GX_VALUE* GXOddFYield(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double given;
    OddFirst o = OddFirstArguments(pArgs, &given);
    return GXReturnNumber(pResult, SolveYield([&](double y) { return OddFirstPrice(o, y); }, given, 0));
}

GX_VALUE* GXDuration(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[6] = {0, 0, 0, 0, 0, 0};
    Numbers(pArgs, 5, 6, a);
    long s = Date(a[0]), m = Date(a[1]);
    CheckMaturity(s, m);
    return GXReturnNumber(pResult,
                          GXDurationSum(s, m, a[2], a[3], GXCheckFrequency(a[4]), GXCheckBasis(a[5])));
}

GX_VALUE* GXMDuration(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a[6] = {0, 0, 0, 0, 0, 0};
    Numbers(pArgs, 5, 6, a);
    long s = Date(a[0]), m = Date(a[1]);
    CheckMaturity(s, m);
    int f = GXCheckFrequency(a[4]);
    return GXReturnNumber(pResult, GXDurationSum(s, m, a[2], a[3], f, GXCheckBasis(a[5])) / (a[3] / f + 1));
}

GX_VALUE* GXTBillEq(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    long s, m;
    double disc;
    TBillArguments(pArgs, &s, &m, &disc);
    double p = 1 / (1 - Fraction(s, m, 2) * disc);
    long half = GXAddMonths(s, 6);
    if (half != 0 && m < half)
        return GXReturnNumber(pResult, p * disc * 1.0138888888888888);
    return GXReturnNumber(pResult, (pow(p, 182.5 / (m - s)) - 1) * 2);
}

GX_VALUE* GXTBillYield(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    long s, m;
    double price;
    TBillArguments(pArgs, &s, &m, &price);
    return GXReturnNumber(pResult, ((1 - price * 0.01) / Fraction(s, m, 2)) / (price * 0.01));
}

GX_VALUE* GXDollarDe(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double price, f, p;
    DollarArguments(pArgs, GX_ERR_BADARGTYPE, &price, &f, &p);
    return GXReturnNumber(pResult, floor(price) + (price - floor(price)) * p / f);
}

GX_VALUE* GXDollarFr(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double price, f, p;
    DollarArguments(pArgs, GX_ERR_NONNUMARGS, &price, &f, &p);
    return GXReturnNumber(pResult, floor(price) + (price - floor(price)) / p * f);
}
