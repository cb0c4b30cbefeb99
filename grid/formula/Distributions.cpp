// Numerical routines of the statistics functions, as the engine has always computed them (not
// the C library's lgamma or erf), so results stay the same on every platform.
#include "grid/formula/Distributions.h"
#include "grid/formula/EngineState.h"
#include "grid/formula/FunctionSupport.h"
#include <errno.h>
#include <math.h>

namespace
{
const int kMaxIterations = 200;
const double kEpsilon = 1e-12;
const double kTiny = 1e-30;
const double kMaxDegrees = 1e6;
} // namespace

double GXLogGamma(double x)
{
    static const double c[6] = {76.18009173,  -86.50532033,  24.01409822,
                                -1.231739516, 0.00120858003, -5.36382e-06};
    if (x < 1)
    {
        double z = 1 - x;
        return log(GX_PI * z / sin(GX_PI * z)) - GXLogGamma(z + 1);
    }
    double y = x - 1;
    double tmp = y + 5.5;
    tmp -= (y + 0.5) * log(tmp);
    double ser = 1;
    for (int j = 0; j < 6; j++)
        ser += c[j] / (y + j + 1);
    return log(2.50662827465 * ser) - tmp;
}

double GXBetaContinuedFraction(double a, double b, double x)
{
    double qab = a + b, qap = a + 1, qam = a - 1;
    double am = 1, bm = 1, az = 1, bz = 1 - qab * x / qap;
    for (int m = 1; m <= kMaxIterations; m++)
    {
        double em = m, tem = em + em;
        double d = em * (b - em) * x / ((qam + tem) * (a + tem));
        double ap = az + d * am, bp = bz + d * bm;
        d = -(a + em) * (qab + em) * x / ((a + tem) * (qap + tem));
        double app = ap + d * az, bpp = bp + d * bz;
        double aold = az;
        am = ap / bpp;
        bm = bp / bpp;
        az = app / bpp;
        bz = 1;
        if (fabs(az - aold) < kEpsilon * fabs(az))
            return az;
    }
    GXSetLastFailed(1);
    return 0;
}

double GXIncompleteBeta(double a, double b, double x)
{
    if (!(x >= 0 && x <= 1))
    {
        GXSetLastFailed(1);
        return 0;
    }
    double front = 0;
    if (x != 0 && x != 1)
    {
        errno = 0;
        front = exp(GXLogGamma(a + b) - GXLogGamma(a) - GXLogGamma(b) + a * log(x) + b * log(1 - x));
        GXCheckFloat(front);
    }
    if (x < (a + 1) / (a + b + 2))
        return front * GXBetaContinuedFraction(a, b, x) / a;
    return 1 - front * GXBetaContinuedFraction(b, a, 1 - x) / b;
}

double GXStudentTail(double t, double df)
{
    if (df > kMaxDegrees)
        df = kMaxDegrees;
    return GXIncompleteBeta(df / 2, 0.5, df / (df + t * t));
}

double GXFTail(double f, double df1, double df2)
{
    if (df1 > kMaxDegrees)
        df1 = kMaxDegrees;
    if (df2 > kMaxDegrees)
        df2 = kMaxDegrees;
    if (f == 0)
        return 1.0;
    return GXIncompleteBeta(df2 / 2, df1 / 2, df2 / (df2 + df1 * f));
}

double GXGammaSeries(double a, double x)
{
    if (x <= 0)
        return 0;
    double sum = 1 / a, term = sum;
    for (int k = 1; k <= kMaxIterations; k++)
    {
        term *= x / (a + k);
        sum += term;
        if (fabs(term) < kEpsilon * fabs(sum))
            return sum * exp(-x + a * log(x) - GXLogGamma(a));
    }
    return 0;
}

double GXGammaContinuedFraction(double a, double x)
{
    double b = x + 1 - a, c = 1 / kTiny, d = 1 / b, h = d;
    for (int i = 1; i <= kMaxIterations; i++)
    {
        double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (fabs(d) < kTiny)
            d = kTiny;
        c = b + an / c;
        if (fabs(c) < kTiny)
            c = kTiny;
        d = 1 / d;
        double del = d * c;
        h *= del;
        if (fabs(del - 1) < kEpsilon)
            break;
    }
    return exp(-x + a * log(x) - GXLogGamma(a)) * h;
}

double GXGammaP(double a, double x)
{
    if (x < 0 || a <= 0)
        return 0;
    if (x < a + 1)
        return GXGammaSeries(a, x);
    return 1 - GXGammaContinuedFraction(a, x);
}

double GXNormalCdf(double x)
{
    double p = GXGammaP(0.5, x * x / 2);
    return x >= 0 ? (1 + p) / 2 : (1 - p) / 2;
}

double GXNormalInverse(double p)
{
    if (p <= 0 || p >= 1 || p == 0.5)
        return 0;
    if (p < 0.5)
        return -GXNormalInverse(1 - p);
    double low = 0, high = 1, mid = 0;
    int nSteps = 0;
    while (GXNormalCdf(high) < p && nSteps <= 50)
    {
        low = high;
        high *= 2;
        nSteps++;
    }
    while (high - low > 1e-12 && nSteps <= 50)
    {
        mid = (low + high) / 2;
        if (GXNormalCdf(mid) < p)
            low = mid;
        else
            high = mid;
        nSteps++;
    }
    return mid;
}
