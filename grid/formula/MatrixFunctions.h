// The matrix worksheet functions; array results fill a block from the formula cell on.
#pragma once
#include "grid/formula/FormulaTypes.h"

GX_VALUE* GXMMul(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXTranspose(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXInvert(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXDet(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXEigenvalues(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXFrequency(GX_VALUE* pResult, GX_VALUE* pArgs);
