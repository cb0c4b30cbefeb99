// Date and time functions over the engine's calendar. Every number that becomes a date, a count
// or a basis is range-checked as a double first, so huge or NaN values give the date error.
#include "grid/formula/DateFunctions.h"
#include "grid/formula/DateOperations.h"
#include "grid/formula/FunctionSupport.h"

namespace
{
enum
{
    GX_ERR_NOARGS = 71,
    GX_ERR_BADDATE = 111,
    GX_ERR_BADTIME = 113
};

// A whole number within [lo, hi], else the given error.
long Whole(double d, double lo, double hi, int nCode)
{
    d = trunc(d);
    if (!(d >= lo && d <= hi))
        GXRaiseFunctionError(nCode);
    return (long)d;
}

// A serial within 1..73050 (111 otherwise).
long Serial(double d)
{
    return Whole(d, 1, GX_MAX_SERIAL, GX_ERR_BADDATE);
}

void SplitSerial(double d, int* y, int* m, int* dd)
{
    if (!(d >= 0 && d < GX_MAX_SERIAL + 1) || !GXSerialToDate((long)d, y, m, dd))
        GXRaiseFunctionError(GX_ERR_BADDATE);
}

// The holiday list: the numbers of a range's constant and formula cells, or of a cell.
void Holidays(GX_VALUE* pArgs, CGXTempNumbers& list)
{
    if (pArgs[0].nCount < 3)
    {
        list.Alloc(0);
        return;
    }
    const GX_VALUE& v = pArgs[3];
    if (v.nKind == GX_VALUE_ERROR)
        GXRaiseValueError(v);
    // The argument is numeric, so a single cell arrives as its number: one holiday.
    if (v.nKind == GX_VALUE_NUMBER)
    {
        list.Alloc(1);
        list.Add(v.dValue);
        return;
    }
    if (v.nKind != GX_VALUE_RANGE && v.nKind != GX_VALUE_CELL)
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    double d;
    if (v.nKind == GX_VALUE_CELL)
    {
        list.Alloc(1);
        if (GXGetCellNumber(v.range.Row1(), v.range.Col1(), &d))
            list.Add(d);
        return;
    }
    unsigned long long nStored = (unsigned long long)GXCountPoolCells(GXGetCurrentSheet(), 3);
    list.Alloc((long long)(v.range.CellCount() < nStored ? v.range.CellCount() : nStored));
    GX_RANGE_ITER it;
    GXRangeIterInit(&it, GXGetCurrentSheet(), v.range, 3);
    while (GX_CELL* p = GXRangeIterNext(&it))
        if (GXGetCellNumber(p->nRow, p->nCol, &d) && list.Count() < (int)list.Capacity())
            list.Add(d);
}

void CheckWorkdayArguments(GX_VALUE* pArgs)
{
    if (pArgs[0].nCount < 2)
        GXRaiseFunctionError(GX_ERR_TOOFEW);
    if (pArgs[0].nCount > 3)
        GXRaiseFunctionError(GX_ERR_TOOMANY);
}

BOOL IsWeekend(long nSerial)
{
    int w = GXWeekday(nSerial);
    return w == 1 || w == 7;
}

GX_VALUE* MonthStep(GX_VALUE* pResult, GX_VALUE* pArgs, BOOL bEndOfMonth)
{
    GXCheckArgumentCount(pArgs, 2);
    double start = GXNumberArgument(pArgs, 1), months = GXNumberArgument(pArgs, 2);
    int y, m, d;
    SplitSerial(trunc(start), &y, &m, &d);
    long n = Whole(months, -2400, 2400, GX_ERR_BADDATE); // beyond 200 years no date is valid
    long step = bEndOfMonth ? (labs(n) % 12) * (n < 0 ? -1 : 1) : n % 12;
    long nYear = y + n / 12, nMonth = m + step;
    if (nMonth < 1)
        nMonth += 12, nYear--;
    else if (nMonth > 12)
        nMonth -= 12, nYear++;
    if (nYear < 0 || nYear > 199)
        GXRaiseFunctionError(GX_ERR_BADDATE);
    int nLength = GXDaysInMonth((int)nMonth, (int)nYear);
    if (bEndOfMonth || d > nLength)
        d = nLength;
    long nSerial = GXDateToSerial((int)nYear, (int)nMonth, d);
    if (nSerial == 0)
        GXRaiseFunctionError(GX_ERR_BADDATE);
    return GXReturnNumber(pResult, nSerial);
}
} // namespace

GX_VALUE* GXDate(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    GXResolveArgument(&pArgs[1]);
    if (pArgs[1].nKind != GX_VALUE_NUMBER)
        GXRaiseFunctionError(GX_ERR_NONNUMARGS);
    double y = trunc(pArgs[1].dValue), m = trunc(GXNumberArgument(pArgs, 2)),
           d = trunc(GXNumberArgument(pArgs, 3));
    if (!(y >= 0 && y <= 2099 && m >= 1 && m <= 12 && d >= 1 && d <= 31))
        GXRaiseFunctionError(GX_ERR_BADDATE);
    long n = GXDateToSerial((int)y, (int)m, (int)d);
    if (n == 0)
        GXRaiseFunctionError(GX_ERR_BADDATE);
    return GXReturnNumber(pResult, n);
}

GX_VALUE* GXTime(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    double h = trunc(GXNumberArgument(pArgs, 1)), m = trunc(GXNumberArgument(pArgs, 2));
    double s = trunc(GXNumberArgument(pArgs, 3));
    double d;
    if (!(h >= 0 && h < 24 && m >= 0 && m < 60 && s >= 0 && s < 60) ||
        !GXTimeToFraction((int)h, (int)m, (int)s, &d))
        GXRaiseFunctionError(GX_ERR_BADTIME);
    return GXReturnNumber(pResult, d);
}

namespace
{
GX_VALUE* DatePart(GX_VALUE* pResult, GX_VALUE* pArgs, int nPart)
{
    double v = GXFetchSingleNumber(pArgs);
    int y, m, d;
    SplitSerial(trunc(v), &y, &m, &d);
    return GXReturnNumber(pResult, nPart == 0 ? y : nPart == 1 ? m : d);
}

GX_VALUE* TimePart(GX_VALUE* pResult, GX_VALUE* pArgs, int nPart)
{
    double v = GXFetchSingleNumber(pArgs);
    int h, m, s;
    GXFractionToTime(v, &h, &m, &s);
    return GXReturnNumber(pResult, nPart == 0 ? h : nPart == 1 ? m : s);
}

double Now(BOOL bTime)
{
    int y, mo, d, h, mi, s;
    GXCurrentDateTime(&y, &mo, &d, &h, &mi, &s);
    double t = 0;
    if (bTime)
        GXTimeToFraction(h, mi, s, &t);
    return GXDateToSerial(y, mo, d) + t;
}
} // namespace

GX_VALUE* GXDay(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return DatePart(pResult, pArgs, 2);
}

GX_VALUE* GXMonth(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return DatePart(pResult, pArgs, 1);
}

GX_VALUE* GXYear(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return DatePart(pResult, pArgs, 0);
}

GX_VALUE* GXHour(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return TimePart(pResult, pArgs, 0);
}

GX_VALUE* GXMinute(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return TimePart(pResult, pArgs, 1);
}

GX_VALUE* GXSecond(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return TimePart(pResult, pArgs, 2);
}

GX_VALUE* GXNow(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    if (pArgs[0].nCount != 0)
        GXRaiseFunctionError(GX_ERR_NOARGS);
    return GXReturnNumber(pResult, Now(TRUE));
}

GX_VALUE* GXToday(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    if (pArgs[0].nCount != 0)
        GXRaiseFunctionError(GX_ERR_NOARGS);
    return GXReturnNumber(pResult, Now(FALSE));
}

GX_VALUE* GXWeekdayFunction(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    double v = GXNumberArgument(pArgs, 1);
    if (!(v > 0 && v < GX_MAX_SERIAL + 1))
        GXRaiseFunctionError(GX_ERR_BADDATE);
    return GXReturnNumber(pResult, GXWeekday((long)v));
}

GX_VALUE* GXDays360Function(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    long a = Serial(GXNumberArgument(pArgs, 1)), b = Serial(GXNumberArgument(pArgs, 2));
    return GXReturnNumber(pResult, GXDays360(a, b));
}

GX_VALUE* GXEDate(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return MonthStep(pResult, pArgs, FALSE);
}

GX_VALUE* GXEOMonth(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return MonthStep(pResult, pArgs, TRUE);
}

GX_VALUE* GXYearFrac(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    DWORD n = pArgs[0].nCount;
    if (n < 2 || n > 3)
        GXRaiseFunctionError(GX_ERR_WRONGARGS);
    double a = GXNumberArgument(pArgs, 1), b = GXNumberArgument(pArgs, 2);
    double basis = n == 3 ? trunc(GXNumberArgument(pArgs, 3)) : 0;
    // Dates are not validated; values beyond any serial are clamped so they stay defined.
    a = fmax(fmin(trunc(a), 1e9), -1e9);
    b = fmax(fmin(trunc(b), 1e9), -1e9);
    int nBasis = basis >= 0 && basis <= 4 ? (int)basis : 2; // any other basis divides by 360
    return GXReturnNumber(pResult, GXYearFraction((long)a, (long)b, nBasis));
}

GX_VALUE* GXNetworkDays(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    CheckWorkdayArguments(pArgs);
    long start = Serial(GXNumberArgument(pArgs, 1)), end = Serial(GXNumberArgument(pArgs, 2));
    CGXTempNumbers holidays;
    Holidays(pArgs, holidays);
    long diff = end - start, w = diff / 7 * 2, r = diff % 7;
    if (r != 0)
    {
        long k = GXWeekday(start) + r;
        if (k == 7)
            w += 1;
        else if (k >= 8)
            w += 2;
    }
    long h = 0;
    for (int i = 0; i < holidays.Count(); i++)
    {
        double d = trunc(holidays[i]);
        if (d >= start && d <= end && !IsWeekend((long)d))
            h++;
    }
    return GXReturnNumber(pResult, end - w - start - h + 1);
}

GX_VALUE* GXWorkday(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    CheckWorkdayArguments(pArgs);
    long current = Whole(GXNumberArgument(pArgs, 1), 0, GX_MAX_SERIAL, GX_ERR_BADDATE);
    double days = trunc(GXNumberArgument(pArgs, 2));
    if (isnan(days))
        GXRaiseFunctionError(GX_ERR_BADDATE);
    CGXTempNumbers holidays;
    Holidays(pArgs, holidays);
    int step = days >= 0 ? 1 : -1;
    double target = fabs(days), count = 0;
    for (;;)
    {
        for (;;)
        {
            BOOL bHoliday = IsWeekend(current);
            for (int i = 0; !bHoliday && i < holidays.Count(); i++)
                bHoliday = trunc(holidays[i]) == current;
            if (!bHoliday)
                break;
            current += step;
            // Leaving the calendar ends the walk: a huge count would otherwise never stop.
            if (current < 1 || current > GX_MAX_SERIAL)
                GXRaiseFunctionError(GX_ERR_BADDATE);
        }
        count++;
        if (count >= target)
            return GXReturnNumber(pResult, current);
        current += step;
        if (current < 1 || current > GX_MAX_SERIAL)
            GXRaiseFunctionError(GX_ERR_BADDATE);
    }
}

namespace
{
const char* TextArgument(GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    GXResolveArgument(&pArgs[1]);
    if (pArgs[1].nKind != GX_VALUE_STRING)
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    return pArgs[1].pszValue;
}
} // namespace

GX_VALUE* GXDateValue(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    const char* psz = TextArgument(pArgs);
    int m, d, y;
    if (!GXParseDate(psz, &m, &d, &y))
        GXRaiseFunctionError(GX_ERR_BADDATE);
    long n = GXDateToSerial(y, m, d);
    if (n == 0)
        GXRaiseFunctionError(GX_ERR_BADDATE);
    return GXReturnNumber(pResult, n);
}

GX_VALUE* GXTimeValue(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    const char* psz = TextArgument(pArgs);
    int h, m, s;
    double d;
    if (!GXParseTime(psz, &h, &m, &s) || !GXTimeToFraction(h, m, s, &d))
        GXRaiseFunctionError(GX_ERR_BADTIME);
    return GXReturnNumber(pResult, d);
}
