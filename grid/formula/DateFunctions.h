// The date and time worksheet functions.
#pragma once
#include "grid/formula/FormulaTypes.h"

GX_VALUE* GXDate(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXTime(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXDay(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXMonth(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXYear(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXHour(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXMinute(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXSecond(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXNow(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXToday(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXWeekdayFunction(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXDays360Function(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXEDate(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXEOMonth(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXYearFrac(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXNetworkDays(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXWorkday(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXDateValue(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXTimeValue(GX_VALUE* pResult, GX_VALUE* pArgs);
