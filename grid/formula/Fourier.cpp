// Transforms with X_k = Σ x_j (cos θ + i sin θ), θ = ±2πjk/n; the inverse divides by n.
#include "grid/formula/Fourier.h"
#include "grid/formula/CellStore.h"
#include "grid/formula/FunctionSupport.h"

namespace
{
enum
{
    GX_ERR_POWEROF2 = 69
};

void Scale(CGXTempMatrix& x, int nDirection)
{
    if (nDirection >= 0)
        return;
    int n = x.Rows();
    for (int k = 0; k < n; k++)
    {
        x.At(k, 0) /= n;
        x.At(k, 1) /= n;
    }
}
} // namespace

void GXDirectFourier(CGXTempMatrix& x, int nDirection)
{
    int n = x.Rows();
    std::vector<double> re(n), im(n);
    for (int k = 0; k < n; k++)
    {
        double sr = 0, si = 0;
        for (int j = 0; j < n; j++)
        {
            // jk mod n keeps the angle small and exact for large n.
            double theta = nDirection * 2 * GX_PI * (double)(((long long)j * k) % n) / n;
            double c = cos(theta), s = sin(theta);
            sr += x.At(j, 0) * c - x.At(j, 1) * s;
            si += x.At(j, 0) * s + x.At(j, 1) * c;
        }
        re[k] = sr;
        im[k] = si;
    }
    for (int k = 0; k < n; k++)
    {
        x.At(k, 0) = re[k];
        x.At(k, 1) = im[k];
    }
    Scale(x, nDirection);
}

BOOL GXFastFourier(CGXTempMatrix& x, int nDirection)
{
    int n = x.Rows();
    if (nDirection == 0 || n < 4 || n > GX_FFT_MAX_POINTS || (n & (n - 1)) != 0)
        return FALSE;
    // Twiddle factors e^(±2πik/n) for k < n/2.
    std::vector<double> wr(n / 2), wi(n / 2);
    for (int k = 0; k < n / 2; k++)
    {
        wr[k] = cos(2 * GX_PI * k / n);
        wi[k] = nDirection * sin(2 * GX_PI * k / n);
    }
    // Bit-reversed reordering.
    for (int i = 1, j = 0; i < n; i++)
    {
        int bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j |= bit;
        if (i < j)
            for (int c = 0; c < 2; c++)
            {
                double t = x.At(i, c);
                x.At(i, c) = x.At(j, c);
                x.At(j, c) = t;
            }
    }
    // Butterflies.
    for (int len = 2; len <= n; len <<= 1)
    {
        int step = n / len;
        for (int i = 0; i < n; i += len)
            for (int k = 0; k < len / 2; k++)
            {
                double ur = x.At(i + k, 0), ui = x.At(i + k, 1);
                double xr = x.At(i + k + len / 2, 0), xi = x.At(i + k + len / 2, 1);
                double vr = xr * wr[k * step] - xi * wi[k * step];
                double vi = xr * wi[k * step] + xi * wr[k * step];
                x.At(i + k, 0) = ur + vr;
                x.At(i + k, 1) = ui + vi;
                x.At(i + k + len / 2, 0) = ur - vr;
                x.At(i + k + len / 2, 1) = ui - vi;
            }
    }
    Scale(x, nDirection);
    return TRUE;
}

BOOL GXFourier(CGXTempMatrix& x, int nDirection)
{
    if (x.Rows() == 2)
    {
        GXDirectFourier(x, nDirection);
        return TRUE;
    }
    if (x.Rows() == 1)
        return TRUE;
    return GXFastFourier(x, nDirection);
}

namespace
{
// Reads the points: down the columns when the range has more rows than columns (one column of
// real values or two of real and imaginary parts), else across one or two rows.
BOOL ReadPoints(GX_VALUE* pArgs, CGXTempMatrix& x)
{
    GXCheckArgumentCount(pArgs, 1);
    GX_RANGE r = GXRangeArgument(pArgs, 1);
    unsigned long long nRows = r.Bottom() - r.Row1() + 1, nCols = r.Right() - r.Col1() + 1;
    BOOL bAcross = nRows <= nCols;
    unsigned long long n = bAcross ? nCols : nRows, nParts = bAcross ? nRows : nCols;
    if (nParts > 2 || n > GX_FFT_MAX_POINTS)
        GXRaiseFunctionError(GX_ERR_DIMENSIONS);
    CGXTempMatrix read;
    GXReadMatrix(r, read, bAcross);
    x.Alloc((int)n, 2);
    for (int k = 0; k < (int)n; k++)
    {
        x.At(k, 0) = read.At(k, 0);
        x.At(k, 1) = nParts == 2 ? read.At(k, 1) : 0;
    }
    return bAcross;
}

GX_VALUE* Transform(GX_VALUE* pResult, GX_VALUE* pArgs, int nDirection, BOOL bFast)
{
    CGXTempMatrix x;
    BOOL bAcross = ReadPoints(pArgs, x);
    int n = x.Rows();
    if (bFast && (n & (n - 1)) != 0)
        GXRaiseFunctionError(GX_ERR_POWEROF2);
    if (bFast)
        GXFourier(x, nDirection);
    else
        GXDirectFourier(x, nDirection);
    if (bAcross)
    {
        CGXTempMatrix t;
        GXTransposeMatrix(x, t);
        GXWriteArrayResult(t);
    }
    else
        GXWriteArrayResult(x);
    return GXReturnNumber(pResult, x.At(0, 0));
}
} // namespace

GX_VALUE* GXFft(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return Transform(pResult, pArgs, 1, TRUE);
}

GX_VALUE* GXInvFft(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return Transform(pResult, pArgs, -1, TRUE);
}

GX_VALUE* GXDft(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return Transform(pResult, pArgs, 1, FALSE);
}

GX_VALUE* GXInvDft(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return Transform(pResult, pArgs, -1, FALSE);
}
