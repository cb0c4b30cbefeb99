// CTime and CTimeSpan: conversions through the C runtime (mktime, localtime, strftime).
#include "Time.h"
#include <stdio.h>

namespace
{
// strftime into a CString; an empty result is a valid one (e.g. format "").
CString FormatTm(const struct tm* ptm, LPCTSTR pFormat)
{
    if (ptm == NULL || pFormat == NULL)
        return CString();
    char szBuffer[1024];
    size_t n = strftime(szBuffer, sizeof szBuffer, pFormat, ptm);
    if (n == 0)
        szBuffer[0] = '\0';
    return CString(szBuffer);
}
} // namespace

// CTimeSpan

CTimeSpan::CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
    : m_timeSpan(nSecs + 60 * (nMins + 60 * (nHours + static_cast<time_t>(24) * lDays)))
{
}

CString CTimeSpan::Format(LPCTSTR pFormat) const
{
    CString strResult;
    if (pFormat == NULL)
        return strResult;
    for (LPCTSTR p = pFormat; *p; ++p)
    {
        if (*p != '%' || p[1] == '\0')
        {
            strResult += *p;
            continue;
        }
        char szPart[32];
        switch (*++p)
        {
        case 'D':
            sprintf(szPart, "%ld", GetDays());
            break;
        case 'H':
            sprintf(szPart, "%02d", GetHours());
            break;
        case 'M':
            sprintf(szPart, "%02d", GetMinutes());
            break;
        case 'S':
            sprintf(szPart, "%02d", GetSeconds());
            break;
        default:
            szPart[0] = *p;
            szPart[1] = '\0';
            break;
        }
        strResult += szPart;
    }
    return strResult;
}

CString CTimeSpan::Format(UINT nFormatID) const
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    return Format(strFormat);
}

// CTime

CTime PASCAL CTime::GetCurrentTime()
{
    return CTime(::time(NULL));
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    struct tm atm = {};
    atm.tm_sec = nSec;
    atm.tm_min = nMin;
    atm.tm_hour = nHour;
    atm.tm_mday = nDay;
    atm.tm_mon = nMonth - 1;
    atm.tm_year = nYear - 1900;
    atm.tm_isdst = nDST;
    m_time = mktime(&atm);
}

CTime::CTime(WORD wDosDate, WORD wDosTime, int nDST)
    : CTime((wDosDate >> 9) + 1980, (wDosDate >> 5) & 0xF, wDosDate & 0x1F, wDosTime >> 11,
            (wDosTime >> 5) & 0x3F, (wDosTime & 0x1F) * 2, nDST)
{
}

CTime::CTime(const SYSTEMTIME& sysTime, int nDST)
    : CTime(sysTime.wYear, sysTime.wMonth, sysTime.wDay, sysTime.wHour, sysTime.wMinute, sysTime.wSecond,
            nDST)
{
}

CTime::CTime(const FILETIME& fileTime, int nDST) : m_time(-1)
{
    // A FILETIME is UTC; the broken-down constructor wants local time.
    FILETIME localTime;
    SYSTEMTIME sysTime;
    if (::FileTimeToLocalFileTime(&fileTime, &localTime) && ::FileTimeToSystemTime(&localTime, &sysTime))
        *this = CTime(sysTime, nDST);
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const
{
    struct tm* ptmTemp = gmtime(&m_time);
    if (ptm != NULL && ptmTemp != NULL)
    {
        *ptm = *ptmTemp;
        return ptm;
    }
    return ptmTemp;
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    struct tm* ptmTemp = localtime(&m_time);
    if (ptm != NULL && ptmTemp != NULL)
    {
        *ptm = *ptmTemp;
        return ptm;
    }
    return ptmTemp;
}

BOOL CTime::GetAsSystemTime(SYSTEMTIME& timeDest) const
{
    struct tm atm;
    if (GetLocalTm(&atm) == NULL)
        return FALSE;
    timeDest.wYear = static_cast<WORD>(1900 + atm.tm_year);
    timeDest.wMonth = static_cast<WORD>(1 + atm.tm_mon);
    timeDest.wDayOfWeek = static_cast<WORD>(atm.tm_wday);
    timeDest.wDay = static_cast<WORD>(atm.tm_mday);
    timeDest.wHour = static_cast<WORD>(atm.tm_hour);
    timeDest.wMinute = static_cast<WORD>(atm.tm_min);
    timeDest.wSecond = static_cast<WORD>(atm.tm_sec);
    timeDest.wMilliseconds = 0;
    return TRUE;
}

// Each part is -1 when the time cannot be converted.
int CTime::GetYear() const
{
    struct tm atm;
    return GetLocalTm(&atm) ? atm.tm_year + 1900 : -1;
}

int CTime::GetMonth() const
{
    struct tm atm;
    return GetLocalTm(&atm) ? atm.tm_mon + 1 : -1;
}

int CTime::GetDay() const
{
    struct tm atm;
    return GetLocalTm(&atm) ? atm.tm_mday : -1;
}

int CTime::GetHour() const
{
    struct tm atm;
    return GetLocalTm(&atm) ? atm.tm_hour : -1;
}

int CTime::GetMinute() const
{
    struct tm atm;
    return GetLocalTm(&atm) ? atm.tm_min : -1;
}

int CTime::GetSecond() const
{
    struct tm atm;
    return GetLocalTm(&atm) ? atm.tm_sec : -1;
}

int CTime::GetDayOfWeek() const
{
    struct tm atm;
    return GetLocalTm(&atm) ? atm.tm_wday + 1 : -1;
}

CString CTime::Format(LPCTSTR pFormat) const
{
    struct tm atm;
    return FormatTm(GetLocalTm(&atm), pFormat);
}

CString CTime::FormatGmt(LPCTSTR pFormat) const
{
    struct tm atm;
    return FormatTm(GetGmtTm(&atm), pFormat);
}

CString CTime::Format(UINT nFormatID) const
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    return Format(strFormat);
}

CString CTime::FormatGmt(UINT nFormatID) const
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    return FormatGmt(strFormat);
}
