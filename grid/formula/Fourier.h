// The Fourier transforms: the direct O(n²) transform, the radix-2 fast transform for 2^2 to
// 2^20 points, and the worksheet functions FFT, INVFFT, DFT and INVDFT.
#pragma once
#include "grid/formula/MatrixRoutines.h"

#define GX_FFT_MAX_POINTS (1 << 20)

// x is n rows of (real, imaginary); nDirection 1 forward, -1 inverse (divided by n).
void GXDirectFourier(CGXTempMatrix& x, int nDirection);
// FALSE for a length outside 2^2..2^20 or not a power of two, or a direction of 0.
BOOL GXFastFourier(CGXTempMatrix& x, int nDirection);
// Two points go to the direct transform, one point is its own transform, others the fast one.
BOOL GXFourier(CGXTempMatrix& x, int nDirection);

GX_VALUE* GXFft(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXInvFft(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXDft(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXInvDft(GX_VALUE* pResult, GX_VALUE* pArgs);
