// Date serials and day counts of the engine's own calendar.
#include "grid/formula/DateOperations.h"
#include "OleDateTime.h"
#include <math.h>
#include <time.h>

namespace
{
int NormalYear(int nYear)
{
    return nYear >= 1900 ? nYear - 1900 : nYear;
}
} // namespace

int GXDaysInMonth(int nMonth, int nYear)
{
    switch (nMonth)
    {
    case 2:
        return nYear % 4 == 0 ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    }
    return 31;
}

long GXDateToSerial(int nYear, int nMonth, int nDay)
{
    int y = NormalYear(nYear);
    if (y < 0 || y > 199 || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > GXDaysInMonth(nMonth, y))
        return 0;
    long n = y * 365L + (y == 0 ? 0 : (y - 1) / 4 + 1);
    for (int m = 1; m < nMonth; m++)
        n += GXDaysInMonth(m, y);
    long nSerial = n + nDay;
    return nSerial <= GX_MAX_SERIAL ? nSerial : 0;
}

int GXSerialToDate(long nSerial, int* pnYear, int* pnMonth, int* pnDay)
{
    if (nSerial < 1 || nSerial > GX_MAX_SERIAL)
        return 0;
    long nCycle = (nSerial - 1) / 1461, r = (nSerial - 1) % 1461;
    int nYear, nDayOfYear;
    if (r + 1 <= 366)
    {
        nYear = (int)(4 * nCycle);
        nDayOfYear = (int)r + 1;
    }
    else
    {
        nYear = (int)((r - 366) / 365 + 4 * nCycle + 1);
        nDayOfYear = (int)((r - 366) % 365 + 1);
    }
    int nMonth = 1;
    while (nDayOfYear > GXDaysInMonth(nMonth, nYear))
        nDayOfYear -= GXDaysInMonth(nMonth++, nYear);
    *pnYear = nYear;
    *pnMonth = nMonth;
    *pnDay = nDayOfYear;
    return 1;
}

long GXAddMonths(long nSerial, long nMonths)
{
    int y, m, d;
    if (!GXSerialToDate(nSerial, &y, &m, &d))
        return 0;
    BOOL bLastOfFebruary = m == 2 && d == GXDaysInMonth(2, y);
    long nYear = y + nMonths / 12, nMonth = m + nMonths % 12;
    if (nMonth < 1)
        nMonth += 12, nYear--;
    else if (nMonth > 12)
        nMonth -= 12, nYear++;
    if (nYear < 0 || nYear > 199)
        return 0;
    int nLength = GXDaysInMonth((int)nMonth, (int)nYear);
    if (d > nLength || bLastOfFebruary)
        d = nLength;
    return GXDateToSerial((int)nYear, (int)nMonth, d);
}

long GXDays360(long nSerial1, long nSerial2)
{
    int y1 = 0, m1 = 1, d1 = 1, y2 = 0, m2 = 1, d2 = 1;
    GXSerialToDate(nSerial1, &y1, &m1, &d1);
    GXSerialToDate(nSerial2, &y2, &m2, &d2);
    if (d1 == GXDaysInMonth(m1, y1))
    {
        if (d2 == GXDaysInMonth(m2, y2))
            d2 = 30;
        d1 = 30;
    }
    if (d1 == 31)
        d1 = 30;
    if (d2 == 31 && d1 > 29)
        d2 = 30;
    return ((long)(y2 - y1) * 12 - m1 + m2) * 30 - d1 + d2;
}

namespace
{
double Fraction(long nSerial1, long nSerial2, int nBasis, long nAdd)
{
    if (nBasis == 0)
        return fabs((GXDays360(nSerial1, nSerial2) + nAdd) / 360.0);
    double n = (double)(nSerial2 - nSerial1 + nAdd);
    int y = 1, m, d; // a start outside the calendar counts as a common year
    GXSerialToDate(nSerial1, &y, &m, &d);
    switch (nBasis)
    {
    case 1:
        return fabs(n / (y % 4 == 0 ? 366 : 365));
    case 3:
        return fabs(n / 365);
    }
    return fabs(n / 360);
}
} // namespace

double GXYearFraction(long nSerial1, long nSerial2, int nBasis)
{
    return Fraction(nSerial1, nSerial2, nBasis, 1);
}

double GXYearFractionExclusive(long nSerial1, long nSerial2, int nBasis)
{
    return Fraction(nSerial1, nSerial2, nBasis, 0);
}

int GXWeekday(long nSerial)
{
    if (nSerial == 0)
        return 0;
    return (int)((nSerial - 1) % 7 + 1);
}

int GXTimeToFraction(int nHour, int nMinute, int nSecond, double* pd)
{
    if (nHour < 0 || nHour > 23 || nMinute < 0 || nMinute > 59 || nSecond < 0 || nSecond > 59)
        return 0;
    *pd = ((nSecond * 0.016666666666666666 + nMinute) * 0.016666666666666666 + nHour) * 0.041666666666666664;
    return 1;
}

void GXFractionToTime(double d, int* pnHour, int* pnMinute, int* pnSecond)
{
    long t = (long)((d - floor(d)) * 86400 + 0.5);
    *pnSecond = (int)(t % 60);
    *pnMinute = (int)(t / 60 % 60);
    *pnHour = (int)(t / 3600);
}

void GXCurrentDateTime(int* pnYear, int* pnMonth, int* pnDay, int* pnHour, int* pnMinute, int* pnSecond)
{
    time_t now = time(NULL);
    struct tm* p = localtime(&now);
    *pnYear = p->tm_year;
    *pnMonth = p->tm_mon + 1;
    *pnDay = p->tm_mday;
    *pnHour = p->tm_hour;
    *pnMinute = p->tm_min;
    *pnSecond = p->tm_sec;
}

int GXParseDate(const char* pszText, int* pnMonth, int* pnDay, int* pnYear)
{
    COleDateTime t;
    if (!t.ParseDateTime(pszText, 0, 1024) || t.GetStatus() != COleDateTime::valid)
        return 0;
    *pnMonth = t.GetMonth();
    *pnDay = t.GetDay();
    *pnYear = t.GetYear();
    return 1;
}

int GXParseTime(const char* pszText, int* pnHour, int* pnMinute, int* pnSecond)
{
    COleDateTime t;
    if (!t.ParseDateTime(pszText, 0, 1024) || t.GetStatus() != COleDateTime::valid)
        return 0;
    *pnHour = t.GetHour();
    *pnMinute = t.GetMinute();
    *pnSecond = t.GetSecond();
    return 1;
}
