// COleDateTime and COleDateTimeSpan: calendar arithmetic on OLE dates, parsing and locale
// formatting through oleaut32.
#include "OleDateTime.h"
#include "Time.h"
#include <math.h>

namespace
{
// 1 January 100 and 31 December 9999, the range OLE dates cover.
const double kMinDate = -657434.0;
const double kMaxDate = 2958465.0;
const long long kSecondsPerDay = 24 * 60 * 60;
// Days from 1 January 1970 back to 30 December 1899, the day 0 of OLE dates.
const long kOleEpochFrom1970 = -25569;

// Days since 1 January 1970 of a proleptic Gregorian date.
long DaysFromCivil(long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

void CivilFromDays(long z, int& y, int& m, int& d)
{
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

bool IsLeapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

// Before day 0 the fraction counts forwards from the day's start although the value is negative
// (-1.25 is 29 December 1899, 06:00). The linear value runs straight through 0 and can be added to.
double LinearFromDate(DATE dt)
{
    if (dt >= 0)
        return dt;
    double dblDays = ceil(dt);
    return dblDays + (dblDays - dt);
}

DATE DateFromLinear(double dbl)
{
    if (dbl >= 0)
        return dbl;
    double dblDays = floor(dbl);
    double dblFraction = dbl - dblDays;
    return dblFraction == 0 ? dblDays : dblDays - dblFraction;
}

long long FloorDiv(long long a, long long b)
{
    long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}
} // namespace

// COleDateTime construction

COleDateTime PASCAL COleDateTime::GetCurrentTime()
{
    return COleDateTime(::time(NULL));
}

COleDateTime::COleDateTime() : m_dt(0), m_status(valid)
{
}

COleDateTime::COleDateTime(const VARIANT& varSrc) : m_dt(0), m_status(valid)
{
    *this = varSrc;
}

COleDateTime::COleDateTime(DATE dtSrc) : m_dt(dtSrc), m_status(valid)
{
    CheckRange();
}

COleDateTime::COleDateTime(time_t timeSrc) : m_dt(0), m_status(valid)
{
    *this = timeSrc;
}

COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc) : m_dt(0), m_status(valid)
{
    *this = systimeSrc;
}

COleDateTime::COleDateTime(const FILETIME& filetimeSrc) : m_dt(0), m_status(valid)
{
    *this = filetimeSrc;
}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

COleDateTime::COleDateTime(WORD wDosDate, WORD wDosTime)
{
    SetDateTime((wDosDate >> 9) + 1980, (wDosDate >> 5) & 0xF, wDosDate & 0x1F, wDosTime >> 11,
                (wDosTime >> 5) & 0x3F, (wDosTime & 0x1F) * 2);
}

// Implementation

void COleDateTime::CheckRange()
{
    if (m_status == valid && !(m_dt >= kMinDate && m_dt <= kMaxDate + 1))
        m_status = invalid;
}

BOOL COleDateTime::GetTm(struct tm& tmDest) const
{
    if (m_status != valid || !(m_dt >= kMinDate && m_dt <= kMaxDate + 1))
        return FALSE;
    long long llSeconds = static_cast<long long>(floor(LinearFromDate(m_dt) * kSecondsPerDay + 0.5));
    long long llDays = FloorDiv(llSeconds, kSecondsPerDay);
    long lSecondOfDay = static_cast<long>(llSeconds - llDays * kSecondsPerDay);
    int nYear, nMonth, nDay;
    CivilFromDays(static_cast<long>(llDays) + kOleEpochFrom1970, nYear, nMonth, nDay);

    tmDest = {};
    tmDest.tm_year = nYear - 1900;
    tmDest.tm_mon = nMonth - 1;
    tmDest.tm_mday = nDay;
    tmDest.tm_hour = lSecondOfDay / 3600;
    tmDest.tm_min = lSecondOfDay / 60 % 60;
    tmDest.tm_sec = lSecondOfDay % 60;
    // 30 December 1899 was a Saturday.
    tmDest.tm_wday = static_cast<int>((llDays % 7 + 7 + 6) % 7);
    tmDest.tm_yday = static_cast<int>(DaysFromCivil(nYear, nMonth, nDay) - DaysFromCivil(nYear, 1, 1));
    tmDest.tm_isdst = 0;
    return TRUE;
}

// Attributes

int COleDateTime::GetYear() const
{
    struct tm tmTemp;
    return GetTm(tmTemp) ? tmTemp.tm_year + 1900 : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetMonth() const
{
    struct tm tmTemp;
    return GetTm(tmTemp) ? tmTemp.tm_mon + 1 : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetDay() const
{
    struct tm tmTemp;
    return GetTm(tmTemp) ? tmTemp.tm_mday : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetHour() const
{
    struct tm tmTemp;
    return GetTm(tmTemp) ? tmTemp.tm_hour : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetMinute() const
{
    struct tm tmTemp;
    return GetTm(tmTemp) ? tmTemp.tm_min : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetSecond() const
{
    struct tm tmTemp;
    return GetTm(tmTemp) ? tmTemp.tm_sec : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetDayOfWeek() const
{
    struct tm tmTemp;
    return GetTm(tmTemp) ? tmTemp.tm_wday + 1 : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetDayOfYear() const
{
    struct tm tmTemp;
    return GetTm(tmTemp) ? tmTemp.tm_yday + 1 : AFX_OLE_DATETIME_ERROR;
}

// Assignment

const COleDateTime& COleDateTime::operator=(const VARIANT& varSrc)
{
    if (varSrc.vt == VT_DATE)
    {
        m_dt = varSrc.date;
        m_status = valid;
        CheckRange();
        return *this;
    }
    if (varSrc.vt == VT_NULL || varSrc.vt == VT_EMPTY)
    {
        m_dt = 0;
        m_status = null;
        return *this;
    }
    VARIANT varTemp;
    ::VariantInit(&varTemp);
    if (SUCCEEDED(::VariantChangeType(&varTemp, const_cast<VARIANT*>(&varSrc), 0, VT_DATE)))
    {
        m_dt = varTemp.date;
        m_status = valid;
        CheckRange();
    }
    else
    {
        m_dt = 0;
        m_status = invalid;
    }
    ::VariantClear(&varTemp);
    return *this;
}

const COleDateTime& COleDateTime::operator=(DATE dtSrc)
{
    m_dt = dtSrc;
    m_status = valid;
    CheckRange();
    return *this;
}

const COleDateTime& COleDateTime::operator=(const time_t& timeSrc)
{
    struct tm* ptm = localtime(&timeSrc);
    if (ptm == NULL)
    {
        m_dt = 0;
        m_status = invalid;
        return *this;
    }
    SetDateTime(ptm->tm_year + 1900, ptm->tm_mon + 1, ptm->tm_mday, ptm->tm_hour, ptm->tm_min, ptm->tm_sec);
    return *this;
}

const COleDateTime& COleDateTime::operator=(const SYSTEMTIME& systimeSrc)
{
    SetDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour, systimeSrc.wMinute,
                systimeSrc.wSecond);
    return *this;
}

const COleDateTime& COleDateTime::operator=(const FILETIME& filetimeSrc)
{
    FILETIME filetimeLocal;
    SYSTEMTIME systime;
    if (::FileTimeToLocalFileTime(&filetimeSrc, &filetimeLocal) &&
        ::FileTimeToSystemTime(&filetimeLocal, &systime))
        return *this = systime;
    m_dt = 0;
    m_status = invalid;
    return *this;
}

// Comparison and arithmetic (through the linear value, which orders dates before 1900 correctly)

BOOL COleDateTime::operator==(const COleDateTime& date) const
{
    return m_status == date.m_status && m_dt == date.m_dt;
}

BOOL COleDateTime::operator!=(const COleDateTime& date) const
{
    return !(*this == date);
}

BOOL COleDateTime::operator<(const COleDateTime& date) const
{
    return LinearFromDate(m_dt) < LinearFromDate(date.m_dt);
}

BOOL COleDateTime::operator>(const COleDateTime& date) const
{
    return LinearFromDate(m_dt) > LinearFromDate(date.m_dt);
}

BOOL COleDateTime::operator<=(const COleDateTime& date) const
{
    return LinearFromDate(m_dt) <= LinearFromDate(date.m_dt);
}

BOOL COleDateTime::operator>=(const COleDateTime& date) const
{
    return LinearFromDate(m_dt) >= LinearFromDate(date.m_dt);
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTime dateResult;
    if (m_status == null || dateSpan.GetStatus() == COleDateTimeSpan::null)
    {
        dateResult.SetStatus(null);
        return dateResult;
    }
    if (m_status == invalid || dateSpan.GetStatus() == COleDateTimeSpan::invalid)
    {
        dateResult.SetStatus(invalid);
        return dateResult;
    }
    dateResult = DateFromLinear(LinearFromDate(m_dt) + dateSpan.m_span);
    return dateResult;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& dateSpan) const
{
    return *this + -dateSpan;
}

const COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan dateSpan)
{
    *this = *this + dateSpan;
    return *this;
}

const COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan dateSpan)
{
    *this = *this - dateSpan;
    return *this;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const
{
    COleDateTimeSpan spanResult;
    if (m_status == null || date.m_status == null)
        spanResult.SetStatus(COleDateTimeSpan::null);
    else if (m_status == invalid || date.m_status == invalid)
        spanResult.SetStatus(COleDateTimeSpan::invalid);
    else
        spanResult = LinearFromDate(m_dt) - LinearFromDate(date.m_dt);
    return spanResult;
}

// Setting parts

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    if (nYear < 100 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1 ||
        nDay > DaysInMonth(nYear, nMonth) || nHour < 0 || nHour > 23 || nMin < 0 || nMin > 59 || nSec < 0 ||
        nSec > 59)
    {
        m_dt = 0;
        return m_status = invalid;
    }
    double dblDays = DaysFromCivil(nYear, nMonth, nDay) - kOleEpochFrom1970;
    double dblLinear = dblDays + (nHour * 3600 + nMin * 60 + nSec) / static_cast<double>(kSecondsPerDay);
    m_dt = DateFromLinear(dblLinear);
    return m_status = valid;
}

int COleDateTime::SetDate(int nYear, int nMonth, int nDay)
{
    return SetDateTime(nYear, nMonth, nDay, 0, 0, 0);
}

int COleDateTime::SetTime(int nHour, int nMin, int nSec)
{
    return SetDateTime(1899, 12, 30, nHour, nMin, nSec);
}

// Parsing and formatting

BOOL COleDateTime::ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags, LCID lcid)
{
    if (lpszDate == NULL)
    {
        m_dt = 0;
        m_status = invalid;
        return FALSE;
    }
    BSTR bstrDate = CString(lpszDate).AllocSysString();
    DATE dt = 0;
    HRESULT hr = bstrDate != NULL ? ::VarDateFromStr(bstrDate, lcid, dwFlags, &dt) : E_OUTOFMEMORY;
    ::SysFreeString(bstrDate);
    if (FAILED(hr))
    {
        m_dt = 0;
        m_status = invalid;
        return FALSE;
    }
    m_dt = dt;
    m_status = valid;
    CheckRange();
    return m_status == valid;
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const
{
    if (m_status != valid)
        return CString();
    BSTR bstr = NULL;
    if (FAILED(::VarBstrFromDate(m_dt, lcid, dwFlags, &bstr)))
        return CString();
    CString strResult(bstr, static_cast<int>(::SysStringLen(bstr)));
    ::SysFreeString(bstr);
    return strResult;
}

CString COleDateTime::Format(LPCTSTR lpszFormat) const
{
    struct tm tmTemp;
    if (lpszFormat == NULL || !GetTm(tmTemp))
        return CString();
    char szBuffer[1024];
    if (strftime(szBuffer, sizeof szBuffer, lpszFormat, &tmTemp) == 0)
        return CString();
    return CString(szBuffer);
}

CString COleDateTime::Format(UINT nFormatID) const
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    return Format(static_cast<LPCTSTR>(strFormat));
}

// COleDateTimeSpan

COleDateTimeSpan::COleDateTimeSpan() : m_span(0), m_status(valid)
{
}

COleDateTimeSpan::COleDateTimeSpan(double dblSpanSrc) : m_span(dblSpanSrc), m_status(valid)
{
}

COleDateTimeSpan::COleDateTimeSpan(long lDays, int nHours, int nMins, int nSecs)
{
    SetDateTimeSpan(lDays, nHours, nMins, nSecs);
}

void COleDateTimeSpan::SetDateTimeSpan(long lDays, int nHours, int nMins, int nSecs)
{
    m_span = lDays + (nHours * 3600.0 + nMins * 60.0 + nSecs) / kSecondsPerDay;
    m_status = valid;
}

long long COleDateTimeSpan::GetRoundedSeconds() const
{
    return llround(m_span * kSecondsPerDay);
}

double COleDateTimeSpan::GetTotalDays() const
{
    return static_cast<double>(GetRoundedSeconds() / kSecondsPerDay);
}

double COleDateTimeSpan::GetTotalHours() const
{
    return static_cast<double>(GetRoundedSeconds() / 3600);
}

double COleDateTimeSpan::GetTotalMinutes() const
{
    return static_cast<double>(GetRoundedSeconds() / 60);
}

double COleDateTimeSpan::GetTotalSeconds() const
{
    return static_cast<double>(GetRoundedSeconds());
}

long COleDateTimeSpan::GetDays() const
{
    return static_cast<long>(GetRoundedSeconds() / kSecondsPerDay);
}

long COleDateTimeSpan::GetHours() const
{
    return static_cast<long>(GetRoundedSeconds() / 3600 % 24);
}

long COleDateTimeSpan::GetMinutes() const
{
    return static_cast<long>(GetRoundedSeconds() / 60 % 60);
}

long COleDateTimeSpan::GetSeconds() const
{
    return static_cast<long>(GetRoundedSeconds() % 60);
}

const COleDateTimeSpan& COleDateTimeSpan::operator=(double dblSpanSrc)
{
    m_span = dblSpanSrc;
    m_status = valid;
    return *this;
}

BOOL COleDateTimeSpan::operator==(const COleDateTimeSpan& dateSpan) const
{
    return m_status == dateSpan.m_status && m_span == dateSpan.m_span;
}

BOOL COleDateTimeSpan::operator!=(const COleDateTimeSpan& dateSpan) const
{
    return !(*this == dateSpan);
}

BOOL COleDateTimeSpan::operator<(const COleDateTimeSpan& dateSpan) const
{
    return m_span < dateSpan.m_span;
}

BOOL COleDateTimeSpan::operator>(const COleDateTimeSpan& dateSpan) const
{
    return m_span > dateSpan.m_span;
}

BOOL COleDateTimeSpan::operator<=(const COleDateTimeSpan& dateSpan) const
{
    return m_span <= dateSpan.m_span;
}

BOOL COleDateTimeSpan::operator>=(const COleDateTimeSpan& dateSpan) const
{
    return m_span >= dateSpan.m_span;
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTimeSpan spanResult(m_span + dateSpan.m_span);
    if (m_status != valid || dateSpan.m_status != valid)
        spanResult.m_status = (m_status == null || dateSpan.m_status == null) ? null : invalid;
    return spanResult;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& dateSpan) const
{
    return *this + -dateSpan;
}

const COleDateTimeSpan& COleDateTimeSpan::operator+=(const COleDateTimeSpan dateSpan)
{
    *this = *this + dateSpan;
    return *this;
}

const COleDateTimeSpan& COleDateTimeSpan::operator-=(const COleDateTimeSpan dateSpan)
{
    *this = *this - dateSpan;
    return *this;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const
{
    COleDateTimeSpan spanResult(-m_span);
    spanResult.m_status = m_status;
    return spanResult;
}

CString COleDateTimeSpan::Format(LPCTSTR pFormat) const
{
    if (m_status != valid)
        return CString();
    return CTimeSpan(static_cast<time_t>(GetRoundedSeconds())).Format(pFormat);
}

CString COleDateTimeSpan::Format(UINT nID) const
{
    CString strFormat;
    strFormat.LoadString(nID);
    return Format(static_cast<LPCTSTR>(strFormat));
}
