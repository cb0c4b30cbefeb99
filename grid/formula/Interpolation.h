// Linear interpolation in a table of breakpoints (INTERP2D) and bilinear interpolation in a
// two-way table (INTERP3D).
#pragma once
#include "grid/formula/FormulaTypes.h"

GX_VALUE* GXInterp2D(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXInterp3D(GX_VALUE* pResult, GX_VALUE* pArgs);
