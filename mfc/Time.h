// CTime: an absolute time as a time_t (seconds since 1970 UTC), and CTimeSpan, a difference
// of two such times in seconds. Both are plain values.
//
// Differences from MFC:
// - time_t is 64 bits here, so times after 2038 work.
// - A date that mktime cannot represent gives the time -1 instead of an assertion.
// - Format results longer than 1023 characters give an empty string.
#pragma once
#include "AfxCore.h"
#include "String.h"
#include <time.h>

class CTimeSpan
{
  public:
    // Construction
    CTimeSpan() : m_timeSpan(0)
    {
    }
    CTimeSpan(time_t time) : m_timeSpan(time)
    {
    }
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    // Attributes: totals, and the parts within the next larger unit
    LONG GetDays() const
    {
        return static_cast<LONG>(m_timeSpan / (24 * 3600));
    }
    LONG GetTotalHours() const
    {
        return static_cast<LONG>(m_timeSpan / 3600);
    }
    int GetHours() const
    {
        return static_cast<int>(GetTotalHours() - GetDays() * 24);
    }
    LONG GetTotalMinutes() const
    {
        return static_cast<LONG>(m_timeSpan / 60);
    }
    int GetMinutes() const
    {
        return static_cast<int>(GetTotalMinutes() - GetTotalHours() * 60);
    }
    LONG GetTotalSeconds() const
    {
        return static_cast<LONG>(m_timeSpan);
    }
    int GetSeconds() const
    {
        return static_cast<int>(GetTotalSeconds() - GetTotalMinutes() * 60);
    }
    time_t GetTimeSpan() const
    {
        return m_timeSpan;
    }

    // Operations
    CTimeSpan operator-(CTimeSpan timeSpan) const
    {
        return CTimeSpan(m_timeSpan - timeSpan.m_timeSpan);
    }
    CTimeSpan operator+(CTimeSpan timeSpan) const
    {
        return CTimeSpan(m_timeSpan + timeSpan.m_timeSpan);
    }
    const CTimeSpan& operator+=(CTimeSpan timeSpan)
    {
        m_timeSpan += timeSpan.m_timeSpan;
        return *this;
    }
    const CTimeSpan& operator-=(CTimeSpan timeSpan)
    {
        m_timeSpan -= timeSpan.m_timeSpan;
        return *this;
    }
    BOOL operator==(CTimeSpan timeSpan) const
    {
        return m_timeSpan == timeSpan.m_timeSpan;
    }
    BOOL operator!=(CTimeSpan timeSpan) const
    {
        return m_timeSpan != timeSpan.m_timeSpan;
    }
    BOOL operator<(CTimeSpan timeSpan) const
    {
        return m_timeSpan < timeSpan.m_timeSpan;
    }
    BOOL operator>(CTimeSpan timeSpan) const
    {
        return m_timeSpan > timeSpan.m_timeSpan;
    }
    BOOL operator<=(CTimeSpan timeSpan) const
    {
        return m_timeSpan <= timeSpan.m_timeSpan;
    }
    BOOL operator>=(CTimeSpan timeSpan) const
    {
        return m_timeSpan >= timeSpan.m_timeSpan;
    }

    // %D total days, %H hours (00-23), %M minutes (00-59), %S seconds (00-59), %% a percent sign;
    // any other character after % stands for itself.
    CString Format(LPCTSTR pFormat) const;
    CString Format(UINT nFormatID) const;

    // Implementation
  private:
    time_t m_timeSpan;
};

class CTime
{
  public:
    // Construction
    static CTime PASCAL GetCurrentTime();

    CTime() : m_time(0)
    {
    }
    CTime(time_t time) : m_time(time)
    {
    }
    // Local time; nDST -1 lets the C runtime decide whether daylight saving applies.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
    CTime(WORD wDosDate, WORD wDosTime, int nDST = -1);
    CTime(const SYSTEMTIME& sysTime, int nDST = -1);
    CTime(const FILETIME& fileTime, int nDST = -1);

    // Attributes (local time unless the name says Gmt)
    struct tm* GetGmtTm(struct tm* ptm = NULL) const;
    struct tm* GetLocalTm(struct tm* ptm = NULL) const;
    BOOL GetAsSystemTime(SYSTEMTIME& timeDest) const;

    time_t GetTime() const
    {
        return m_time;
    }
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // 1 = Sunday ... 7 = Saturday.
    int GetDayOfWeek() const;

    // Operations
    CTimeSpan operator-(CTime time) const
    {
        return CTimeSpan(m_time - time.m_time);
    }
    CTime operator-(CTimeSpan timeSpan) const
    {
        return CTime(m_time - timeSpan.GetTimeSpan());
    }
    CTime operator+(CTimeSpan timeSpan) const
    {
        return CTime(m_time + timeSpan.GetTimeSpan());
    }
    const CTime& operator+=(CTimeSpan timeSpan)
    {
        m_time += timeSpan.GetTimeSpan();
        return *this;
    }
    const CTime& operator-=(CTimeSpan timeSpan)
    {
        m_time -= timeSpan.GetTimeSpan();
        return *this;
    }
    BOOL operator==(CTime time) const
    {
        return m_time == time.m_time;
    }
    BOOL operator!=(CTime time) const
    {
        return m_time != time.m_time;
    }
    BOOL operator<(CTime time) const
    {
        return m_time < time.m_time;
    }
    BOOL operator>(CTime time) const
    {
        return m_time > time.m_time;
    }
    BOOL operator<=(CTime time) const
    {
        return m_time <= time.m_time;
    }
    BOOL operator>=(CTime time) const
    {
        return m_time >= time.m_time;
    }

    // strftime formats of the C runtime, in local time or UTC.
    CString Format(LPCTSTR pFormat) const;
    CString FormatGmt(LPCTSTR pFormat) const;
    CString Format(UINT nFormatID) const;
    CString FormatGmt(UINT nFormatID) const;

    // Implementation
  private:
    time_t m_time;
};
