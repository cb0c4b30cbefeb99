// Annuity, depreciation, interest-conversion and cash-flow worksheet functions.
#pragma once
#include "grid/formula/FormulaTypes.h"

GX_VALUE* GXFv(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXPv(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXPmt(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXRate(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCTerm(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXTerm(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXSln(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXSyd(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXDdb(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXDb(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXVdb(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXIpmt(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXPpmt(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCumIpmt(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCumPrinc(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXEffect(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXNominal(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXFvSchedule(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXIrr(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXMirr(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXXnpv(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXXirr(GX_VALUE* pResult, GX_VALUE* pArgs);
