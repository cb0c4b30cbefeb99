// Math and logical functions. One-argument functions are one table of routine and domain.
#include "grid/formula/MathFunctions.h"
#include "grid/formula/FunctionSupport.h"

namespace
{
enum
{
    GX_ERR_NEGATIVEARG = 52,
    GX_ERR_NOTINTEGER = 53,
    GX_ERR_NOARGS = 71,
    GX_ERR_DOMAIN11 = 73,
    GX_ERR_DOMAINFACT = 74,
    GX_ERR_DOMAINPOS = 76,
    GX_ERR_COEFFICIENT = 102,
    GX_ERR_INCOMPATRANGES = 105,
    GX_ERR_FEWERTHAN2 = 114,
    GX_ERR_PLACES = 123,
    GX_ERR_BOTHZERO = 132
};

// Domains of the one-argument functions.
enum Domain
{
    kAny,
    kUnit,     // -1 <= x <= 1 (73)
    kPositive, // x > 0 (76)
    kNotNeg,   // x >= 0 (52)
    kOverflow  // errno or a non-finite result: 86
};

double Trunc(double x)
{
    return x <= 0 ? ceil(x) : floor(x);
}

double Log2(double x)
{
    return log(x) * 1.4426950408889634;
}

double Degrees(double x)
{
    return x * 57.29577951308232;
}

double Radians(double x)
{
    return x * 0.017453292519943295;
}

double Frac(double x)
{
    return x - Trunc(x);
}

double Sigmoid(double x)
{
    return 1 / (exp(x) + 1);
}

double Gamma(double x)
{
    return exp(GXLnGamma(x));
}

struct Unary
{
    double (*pfn)(double);
    Domain domain;
};

enum
{
    kAbs,
    kAtan,
    kCos,
    kSin,
    kTan,
    kTanh,
    kAcos,
    kAsin,
    kExp,
    kCosh,
    kSinh,
    kLn,
    kLog10,
    kLog2,
    kSqrt,
    kDegrees,
    kRadians,
    kInt,
    kFrac,
    kCeil,
    kFloor,
    kSigmoid,
    kGamma,
    kLnGamma
};

const Unary s_aUnary[] = {
    {fabs, kAny},       {atan, kAny},      {cos, kAny},        {sin, kAny},
    {tan, kAny},        {tanh, kAny},      {acos, kUnit},      {asin, kUnit},
    {exp, kOverflow},   {cosh, kOverflow}, {sinh, kOverflow},  {log, kPositive},
    {log10, kPositive}, {Log2, kPositive}, {sqrt, kNotNeg},    {Degrees, kAny},
    {Radians, kAny},    {Trunc, kAny},     {Frac, kAny},       {ceil, kAny},
    {floor, kAny},      {Sigmoid, kAny},   {Gamma, kPositive}, {GXLnGamma, kPositive},
};

GX_VALUE* Apply(GX_VALUE* pResult, GX_VALUE* pArgs, int n)
{
    double x = GXFetchSingleNumber(pArgs);
    const Unary& u = s_aUnary[n];
    switch (u.domain)
    {
    case kUnit:
        if (!(x >= -1 && x <= 1))
            GXRaiseFunctionError(GX_ERR_DOMAIN11);
        break;
    case kPositive:
        if (!(x > 0))
            GXRaiseFunctionError(GX_ERR_DOMAINPOS);
        break;
    case kNotNeg:
        if (x < 0)
            GXRaiseFunctionError(GX_ERR_NEGATIVEARG);
        break;
    default:
        break;
    }
    errno = 0;
    double d = u.pfn(x);
    if (u.domain == kOverflow || n == kGamma)
        GXCheckFloat(d);
    return GXReturnNumber(pResult, d);
}

// The 48-bit generator state, process-wide.
WORD s_aRandom[3] = {0x330E, 0xABCD, 0x1234};
int s_nGammaSign = 1;

void NoArguments(GX_VALUE* pArgs)
{
    if (pArgs[0].nCount != 0)
        GXRaiseFunctionError(GX_ERR_NOARGS);
}

void TwoNumbers(GX_VALUE* pArgs, double* a, double* b)
{
    GXCheckArgumentCount(pArgs, 2);
    *a = GXNumberArgument(pArgs, 1);
    *b = GXNumberArgument(pArgs, 2);
}

double GammaSmall(double x)
{
    static const double p[8] = {
        -42353.68950974409, -20886.861789269886, -8762.710297852149, -2008.5274013072792,
        -439.3304440600257, -50.10869375297095,  -6.744950724592529, 0.0};
    static const double q[8] = {
        -42353.68950974409, -2980.385330925665, 9940.30741508277,    -1528.607273779522,
        -499.028526621439,  189.498234157028,   -23.081551524580124, 1.0};
    double f = 1;
    while (x < 2)
        f /= x, x += 1;
    while (x > 3)
        x -= 1, f *= x;
    double t = x - 2, pp = 0, qq = 0;
    for (int i = 7; i >= 0; i--)
    {
        pp = pp * t + p[i];
        qq = qq * t + q[i];
    }
    return f * pp / qq;
}

// The logical combinations over truth values.
int CombineAnd(int a, int b)
{
    return a == 0 || b == 0 ? 0 : a == 1 && b == 1 ? 1 : -1;
}

int CombineOr(int a, int b)
{
    return a == 1 || b == 1 ? 1 : a == 0 && b == 0 ? 0 : -1;
}

int CombineXor(int a, int b)
{
    return a == -1 || b == -1 ? -1 : a != b;
}

int Negate(int t)
{
    return t == -1 ? -1 : 1 - t;
}

int Combine(GX_VALUE* pArgs, int nStart, int (*pfn)(int, int))
{
    int t = nStart;
    double d;
    for (DWORD i = 1; i <= pArgs[0].nCount; i++)
    {
        const GX_VALUE& v = pArgs[i];
        switch (v.nKind)
        {
        case GX_VALUE_NUMBER:
            t = pfn(t, GXTruthValue(v.dValue));
            break;
        case GX_VALUE_CELL:
            t = pfn(t, GXGetCellNumber(v.range.Row1(), v.range.Col1(), &d) ? GXTruthValue(d) : -1);
            break;
        case GX_VALUE_RANGE: {
            GX_RANGE_ITER it;
            GXRangeIterInit(&it, GXGetCurrentSheet(), v.range, GX_POOL_ALL);
            while (GX_CELL* p = GXRangeIterNext(&it))
                t = pfn(t, GXGetCellNumber(p->nRow, p->nCol, &d) ? GXTruthValue(d) : -1);
            break;
        }
        case GX_VALUE_ERROR:
            GXRaiseValueError(v);
        default:
            GXRaiseFunctionError(GX_ERR_BADARGTYPE);
        }
    }
    return t;
}
} // namespace

int GXTruthValue(double d)
{
    if (!isfinite(d))
        return -1;
    double t = Trunc(d);
    return t == 0 ? 0 : t == 1 ? 1 : -1;
}

double GXRandom()
{
    unsigned long long x =
        ((unsigned long long)s_aRandom[2] << 32) | ((unsigned long long)s_aRandom[1] << 16) | s_aRandom[0];
    x = (0x5DEECE66DULL * x + 0xB) & 0xFFFFFFFFFFFFULL;
    s_aRandom[0] = (WORD)x;
    s_aRandom[1] = (WORD)(x >> 16);
    s_aRandom[2] = (WORD)(x >> 32);
    return s_aRandom[2] * (1.0 / 65536) + s_aRandom[1] * (1.0 / 4294967296.0) +
           s_aRandom[0] * (1.0 / 281474976710656.0);
}

double GXLnGamma(double x)
{
    s_nGammaSign = 1;
    if (x > 8)
    {
        static const double c[6] = {0.0833333333333331,  -0.00277777777735865, 0.000793650576493454,
                                    -0.0005951896861197, 0.00083645878922,     -0.001633436431};
        double s = 0;
        if (x <= 100000000.0)
        {
            double r = 1 / (x * x);
            for (int i = 5; i >= 0; i--)
                s = s * r + c[i];
        }
        return (x - 0.5) * log(x) - x + 0.9189385332046728 + s / x;
    }
    if (x > 0)
        return log(GammaSmall(x));
    double y = -x, n = floor(y);
    if (y - n > 0.5)
        n += 1;
    s_nGammaSign = 2 * (int)floor(n * 0.5) - 1;
    if (y - n < 0)
        s_nGammaSign = -s_nGammaSign;
    double z = fabs(y - n);
    return -log(GammaSmall(y) * sin(z * 3.141592653589793) * y / 3.141592653589793);
}

#define GX_UNARY(name, index)                                                                                \
    GX_VALUE* name(GX_VALUE* pResult, GX_VALUE* pArgs)                                                       \
    {                                                                                                        \
        return Apply(pResult, pArgs, index);                                                                 \
    }
GX_UNARY(GXAbs, kAbs)
GX_UNARY(GXAtan, kAtan)
GX_UNARY(GXCos, kCos)
GX_UNARY(GXSin, kSin)
GX_UNARY(GXTan, kTan)
GX_UNARY(GXTanh, kTanh)
GX_UNARY(GXAcos, kAcos)
GX_UNARY(GXAsin, kAsin)
GX_UNARY(GXExp, kExp)
GX_UNARY(GXCosh, kCosh)
GX_UNARY(GXSinh, kSinh)
GX_UNARY(GXLn, kLn)
GX_UNARY(GXLog10, kLog10)
GX_UNARY(GXLog2, kLog2)
GX_UNARY(GXSqrt, kSqrt)
GX_UNARY(GXDegrees, kDegrees)
GX_UNARY(GXRadians, kRadians)
GX_UNARY(GXInt, kInt)
GX_UNARY(GXFrac, kFrac)
GX_UNARY(GXCeil, kCeil)
GX_UNARY(GXFloor, kFloor)
GX_UNARY(GXSigmoid, kSigmoid)
GX_UNARY(GXGamma, kGamma)
GX_UNARY(GXLnGammaFunction, kLnGamma)
#undef GX_UNARY

GX_VALUE* GXFact(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double x = GXFetchSingleNumber(pArgs);
    if (!(x >= 0 && x <= 170))
        GXRaiseFunctionError(GX_ERR_DOMAINFACT);
    if (x != floor(x))
        GXRaiseFunctionError(GX_ERR_NOTINTEGER);
    if (x > 20)
        return GXReturnNumber(pResult, exp(GXLnGamma(x + 1)));
    double d = 1;
    for (int i = (int)x; i >= 2; i--)
        d *= i;
    return GXReturnNumber(pResult, d);
}

GX_VALUE* GXPi(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    NoArguments(pArgs);
    return GXReturnNumber(pResult, 3.141592653589793);
}

GX_VALUE* GXRand(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    NoArguments(pArgs);
    return GXReturnNumber(pResult, GXRandom());
}

GX_VALUE* GXGRand(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    NoArguments(pArgs);
    double d = 0;
    for (int i = 0; i < 12; i++)
        d += GXRandom();
    return GXReturnNumber(pResult, d - 6.0);
}

GX_VALUE* GXAtan2(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double x, y;
    TwoNumbers(pArgs, &x, &y);
    if (x == 0 && y == 0)
        GXRaiseFunctionError(GX_ERR_BOTHZERO);
    return GXReturnNumber(pResult, atan2(y, x));
}

GX_VALUE* GXMod(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a, b;
    TwoNumbers(pArgs, &a, &b);
    if (b == 0)
        GXRaiseFunctionError(GX_ERR_DIVZERO);
    double r = a - floor(a / b) * b;
    if ((a < 0) != (b < 0) && r != 0)
        r -= b;
    return GXReturnNumber(pResult, r);
}

GX_VALUE* GXModulus(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double a, b;
    TwoNumbers(pArgs, &a, &b);
    if (b == 0)
        GXRaiseFunctionError(GX_ERR_DIVZERO);
    return GXReturnNumber(pResult, a - floor(a / b) * b);
}

GX_VALUE* GXRound(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double x, places;
    TwoNumbers(pArgs, &x, &places);
    places = Trunc(places);
    if (!(places >= -15 && places <= 15))
        GXRaiseFunctionError(GX_ERR_PLACES);
    double p = pow(10, places);
    return GXReturnNumber(pResult, x > 0 ? floor(x * p + 0.5) / p : ceil(x * p - 0.5) / p);
}

GX_VALUE* GXProduct(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    // Multiplies directly: a product through logarithms makes 2 × 3 × 4 come out below 24.
    struct Zero
    {
    };
    double d = 1;
    try
    {
        GXWalkNumericList(pArgs, 1, FALSE, [&](double x) {
            if (x == 0)
                throw Zero();
            d *= x;
        });
    }
    catch (Zero&)
    {
        d = 0;
    }
    return GXReturnNumber(pResult, d);
}

GX_VALUE* GXVecLen(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double d = 0;
    GXWalkNumericList(pArgs, 1, FALSE, [&](double x) { d += x * x; });
    return GXReturnNumber(pResult, sqrt(d));
}

GX_VALUE* GXPoly(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    if (pArgs[0].nCount < 2)
        GXRaiseFunctionError(GX_ERR_FEWERTHAN2);
    double x = 0, acc = 0, c;
    const GX_VALUE& vx = pArgs[1];
    if (vx.nKind == GX_VALUE_NUMBER)
        x = vx.dValue;
    else if (vx.nKind == GX_VALUE_CELL)
        GXGetCellNumber(vx.range.Row1(), vx.range.Col1(), &x);
    else
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    for (DWORD i = 2; i <= pArgs[0].nCount; i++)
    {
        const GX_VALUE& v = pArgs[i];
        if (v.nKind == GX_VALUE_NUMBER)
            acc = acc * x + v.dValue;
        else if (v.nKind == GX_VALUE_CELL || v.nKind == GX_VALUE_RANGE)
        {
            for (DWORD r = v.range.Row1(); r <= v.range.Bottom(); r++)
                for (DWORD k = v.range.Col1(); k <= v.range.Right(); k++)
                {
                    if (!GXGetCellNumber(r, k, &c))
                        GXRaiseFunctionError(GX_ERR_COEFFICIENT);
                    acc = acc * x + c;
                }
        }
        else if (v.nKind == GX_VALUE_ERROR)
            GXRaiseValueError(v);
        else
            GXRaiseFunctionError(GX_ERR_COEFFICIENT);
    }
    return GXReturnNumber(pResult, acc);
}

GX_VALUE* GXDot(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    GX_RANGE a = GXRangeArgument(pArgs, 1), b = GXRangeArgument(pArgs, 2);
    unsigned long long ar = a.Bottom() - a.Row1() + 1, ac = a.Right() - a.Col1() + 1;
    unsigned long long br = b.Bottom() - b.Row1() + 1, bc = b.Right() - b.Col1() + 1;
    BOOL bSame = ar == br && ac == bc;
    BOOL bCrossed = (ar == 1 && bc == 1 && ac == br) || (ac == 1 && br == 1 && ar == bc);
    if (!bSame && !bCrossed)
        GXRaiseFunctionError(GX_ERR_INCOMPATRANGES);
    double sum = 0, x, y;
    unsigned long long n = a.CellCount();
    for (unsigned long long i = 0; i < n; i++)
    {
        DWORD ra = a.Row1() + (DWORD)(i / ac), ca = a.Col1() + (DWORD)(i % ac);
        DWORD rb = bSame ? b.Row1() + (DWORD)(i / ac) : b.Row1() + (DWORD)(i / bc);
        DWORD cb = bSame ? b.Col1() + (DWORD)(i % ac) : b.Col1() + (DWORD)(i % bc);
        if (!GXGetCellNumber(ra, ca, &x))
            x = 0;
        if (!GXGetCellNumber(rb, cb, &y))
            y = 0;
        sum += x * y;
    }
    return GXReturnNumber(pResult, sum);
}

GX_VALUE* GXNot(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    if (pArgs[0].nCount != 1)
        GXRaiseFunctionError(GX_ERR_TOOMANY);
    const GX_VALUE& v = pArgs[1];
    double d;
    int t;
    if (v.nKind == GX_VALUE_NUMBER)
        t = GXTruthValue(v.dValue);
    else if (v.nKind == GX_VALUE_CELL)
        t = GXGetCellNumber(v.range.Row1(), v.range.Col1(), &d) ? GXTruthValue(d) : -1;
    else if (v.nKind == GX_VALUE_ERROR)
        GXRaiseValueError(v);
    else
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    return GXReturnNumber(pResult, Negate(t));
}

GX_VALUE* GXAnd(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return GXReturnNumber(pResult, Combine(pArgs, 1, CombineAnd));
}

GX_VALUE* GXOr(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return GXReturnNumber(pResult, Combine(pArgs, 0, CombineOr));
}

GX_VALUE* GXXor(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return GXReturnNumber(pResult, Combine(pArgs, 0, CombineXor));
}

GX_VALUE* GXNand(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return GXReturnNumber(pResult, Negate(Combine(pArgs, 1, CombineAnd)));
}

GX_VALUE* GXNor(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return GXReturnNumber(pResult, Negate(Combine(pArgs, 0, CombineOr)));
}
