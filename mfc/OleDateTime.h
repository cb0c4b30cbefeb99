// COleDateTime: a date and time as an OLE DATE (days since 30 December 1899, the time of day
// as the fraction) with a status; COleDateTimeSpan: a difference of two such values in days.
//
// Differences from MFC:
// - ParseDateTime reports every failure of VarDateFromStr as FALSE with status invalid, never
//   by an exception.
// - Format of an invalid value gives an empty string (there is no "invalid date" text).
// - A FILETIME is taken as UTC and converted to local time, as CTime does.
#pragma once
#include "AfxCore.h"
#include "String.h"
#include <oleauto.h>
#include <time.h>

class COleDateTimeSpan;

// Returned by the Get... members of an invalid value.
#define AFX_OLE_DATETIME_ERROR (-1)

class COleDateTime
{
  public:
    enum DateTimeStatus
    {
        valid = 0,
        invalid = 1, // out of range or not convertible
        null = 2,    // no value (a database NULL)
    };

    // Construction
    static COleDateTime PASCAL GetCurrentTime();

    COleDateTime();
    COleDateTime(const VARIANT& varSrc);
    COleDateTime(DATE dtSrc);
    // time_t, SYSTEMTIME and DOS dates give local time.
    COleDateTime(time_t timeSrc);
    COleDateTime(const SYSTEMTIME& systimeSrc);
    COleDateTime(const FILETIME& filetimeSrc);
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    COleDateTime(WORD wDosDate, WORD wDosTime);

    // Attributes
    DateTimeStatus GetStatus() const
    {
        return m_status;
    }
    void SetStatus(DateTimeStatus status)
    {
        m_status = status;
    }

    // Each is AFX_OLE_DATETIME_ERROR unless the value is valid. Seconds are rounded.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // 1 = Sunday ... 7 = Saturday.
    int GetDayOfWeek() const;
    // 1 = 1 January.
    int GetDayOfYear() const;

    // Operations
    const COleDateTime& operator=(const VARIANT& varSrc);
    const COleDateTime& operator=(DATE dtSrc);
    const COleDateTime& operator=(const time_t& timeSrc);
    const COleDateTime& operator=(const SYSTEMTIME& systimeSrc);
    const COleDateTime& operator=(const FILETIME& filetimeSrc);

    BOOL operator==(const COleDateTime& date) const;
    BOOL operator!=(const COleDateTime& date) const;
    BOOL operator<(const COleDateTime& date) const;
    BOOL operator>(const COleDateTime& date) const;
    BOOL operator<=(const COleDateTime& date) const;
    BOOL operator>=(const COleDateTime& date) const;

    COleDateTime operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTime operator-(const COleDateTimeSpan& dateSpan) const;
    const COleDateTime& operator+=(const COleDateTimeSpan dateSpan);
    const COleDateTime& operator-=(const COleDateTimeSpan dateSpan);
    COleDateTimeSpan operator-(const COleDateTime& date) const;

    operator DATE() const
    {
        return m_dt;
    }

    // Each returns the new status (0 = valid). Years 100 to 9999; SetTime keeps the date 0.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay);
    int SetTime(int nHour, int nMin, int nSec);

    // Reads a date and/or time in the given locale (VAR_DATEVALUEONLY, VAR_TIMEVALUEONLY,
    // LOCALE_NOUSEROVERRIDE). FALSE and status invalid when the text is no date.
    BOOL ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

    // The locale's own form (VarBstrFromDate), or strftime codes.
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;
    CString Format(LPCTSTR lpszFormat) const;
    CString Format(UINT nFormatID) const;

    // Implementation
    DATE m_dt;
    DateTimeStatus m_status;

  protected:
    // Broken-down local parts of m_dt; FALSE unless valid.
    BOOL GetTm(struct tm& tmDest) const;
    void CheckRange();
};

class COleDateTimeSpan
{
  public:
    enum DateTimeSpanStatus
    {
        valid = 0,
        invalid = 1,
        null = 2,
    };

    // Construction
    COleDateTimeSpan();
    COleDateTimeSpan(double dblSpanSrc);
    COleDateTimeSpan(long lDays, int nHours, int nMins, int nSecs);

    // Attributes
    DateTimeSpanStatus GetStatus() const
    {
        return m_status;
    }
    void SetStatus(DateTimeSpanStatus status)
    {
        m_status = status;
    }

    // Whole units, rounded to the second first; negative spans give negative parts.
    double GetTotalDays() const;
    double GetTotalHours() const;
    double GetTotalMinutes() const;
    double GetTotalSeconds() const;
    long GetDays() const;
    long GetHours() const;
    long GetMinutes() const;
    long GetSeconds() const;

    // Operations
    const COleDateTimeSpan& operator=(double dblSpanSrc);

    BOOL operator==(const COleDateTimeSpan& dateSpan) const;
    BOOL operator!=(const COleDateTimeSpan& dateSpan) const;
    BOOL operator<(const COleDateTimeSpan& dateSpan) const;
    BOOL operator>(const COleDateTimeSpan& dateSpan) const;
    BOOL operator<=(const COleDateTimeSpan& dateSpan) const;
    BOOL operator>=(const COleDateTimeSpan& dateSpan) const;

    COleDateTimeSpan operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& dateSpan) const;
    const COleDateTimeSpan& operator+=(const COleDateTimeSpan dateSpan);
    const COleDateTimeSpan& operator-=(const COleDateTimeSpan dateSpan);
    COleDateTimeSpan operator-() const;

    operator double() const
    {
        return m_span;
    }

    void SetDateTimeSpan(long lDays, int nHours, int nMins, int nSecs);

    // %D total days, %H hours, %M minutes, %S seconds (two digits each), %% a percent sign.
    CString Format(LPCTSTR pFormat) const;
    CString Format(UINT nID) const;

    // Implementation
    double m_span;
    DateTimeSpanStatus m_status;

  protected:
    long long GetRoundedSeconds() const;
};
