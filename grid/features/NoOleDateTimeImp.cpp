// Dates and times by the user's locale settings, without the OLE date type.
#include "grid/features/NoOleDateTimeImp.h"
#include "grid/features/OleDateTimeImp.h"
#include "grid/core/AppData.h"
#include <stdio.h>
#include <stdlib.h>

void AFXAPI GXInstallNoOleDateTimeImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pDateTimeImp != NULL)
        return;
    pAppData->m_pDateTimeImp = new CGXNoOleDateTimeImp;
    pAppData->AddComponent(pAppData->m_pDateTimeImp);
}

int CGXNoOleDateTimeImp::s_nDateOrder = gxUndeterminedOrder;
BOOL CGXNoOleDateTimeImp::s_bFourDigitYear = FALSE;
TCHAR CGXNoOleDateTimeImp::s_cDateSeparator = '/';
TCHAR CGXNoOleDateTimeImp::s_cTimeSeparator = 0;

namespace
{
const int s_anDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

enum FieldKind
{
    fieldDay,
    fieldMonth,
    fieldYear
};

// The fields of each date order, front to back.
const FieldKind s_aOrders[3][3] = {
    {fieldDay, fieldMonth, fieldYear}, // day, month, year
    {fieldMonth, fieldDay, fieldYear}, // month, day, year
    {fieldYear, fieldMonth, fieldDay}, // year, month, day
};

// Takes the next field from the front of the text: leading blanks, one separator, the digits.
CString TakeDigits(CString& strText)
{
    strText.TrimLeft(' ');
    if (!strText.IsEmpty() && !isdigit((unsigned char)strText[0]))
        strText = strText.Mid(1);
    int n = 0;
    while (n < strText.GetLength() && isdigit((unsigned char)strText[n]))
        n++;
    CString strDigits = strText.Left(n);
    strText = strText.Mid(n);
    return strDigits;
}

BOOL EndsWithNoCase(const CString& strText, LPCTSTR pszEnd)
{
    int n = lstrlenA(pszEnd);
    return strText.GetLength() >= n && strText.Right(n).CompareNoCase(pszEnd) == 0;
}
} // namespace

void CGXNoOleDateTimeImp::RefreshSettings()
{
    BOOL bFourDigitYear;
    TCHAR cDateSeparator;
    GetDateOrder(TRUE, bFourDigitYear, cDateSeparator);
    GetTimeSeparator(TRUE);
}

int CGXNoOleDateTimeImp::GetDateOrder(BOOL bForce, BOOL& bFourDigitYear, TCHAR& cDateSeparator)
{
    if (s_nDateOrder == gxUndeterminedOrder || bForce)
    {
        char sz[128] = "MM.dd.yy"; // kept when the locale gives nothing
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, sz, sizeof(sz));
        s_nDateOrder = gxMonthDayYear;
        CString strPattern = sz;
        if (!strPattern.IsEmpty())
        {
            strPattern.MakeUpper();
            int iLetter = 0;
            while (iLetter < strPattern.GetLength() && !isalpha((unsigned char)strPattern[iLetter]))
                iLetter++;
            TCHAR cFirst = iLetter < strPattern.GetLength() ? strPattern[iLetter] : 0;
            s_nDateOrder = cFirst == 'D' ? gxDayMonthYear : cFirst == 'Y' ? gxYearMonthDay : gxMonthDayYear;
            s_bFourDigitYear = strPattern.Find("YYYY") >= 0;
            int iSeparator = 0;
            while (iSeparator < strPattern.GetLength() && isalpha((unsigned char)strPattern[iSeparator]))
                iSeparator++;
            s_cDateSeparator = iSeparator < strPattern.GetLength() ? strPattern[iSeparator] : 0;
        }
    }
    bFourDigitYear = s_bFourDigitYear;
    cDateSeparator = s_cDateSeparator;
    return s_nDateOrder;
}

TCHAR CGXNoOleDateTimeImp::GetTimeSeparator(BOOL bForce)
{
    if (s_cTimeSeparator == 0 || bForce)
    {
        char sz[128] = ":";
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, sz, sizeof(sz));
        s_cTimeSeparator = sz[0] != 0 ? sz[0] : ':';
    }
    return s_cTimeSeparator;
}

int CGXNoOleDateTimeImp::DaysInMonth(int nMonth, int nYear)
{
    BOOL bLeap = (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
    return nMonth == 2 && bLeap ? 29 : s_anDaysInMonth[nMonth - 1];
}

BOOL CGXNoOleDateTimeImp::ParseTime(Fields& fields, CString strTime, TCHAR cSeparator)
{
    fields.nYear = 70;
    fields.nMonth = 0; // the time-only date: 1 January 70, month still unset
    fields.nDay = 1;
    int p = strTime.Find(cSeparator);
    int nHour = atoi(strTime.Left(p));
    BOOL bResult = TRUE;
    if (EndsWithNoCase(strTime, "PM") || EndsWithNoCase(strTime, "P"))
    {
        nHour += 12;
        if (nHour == 24)
            nHour = 12;
    }
    else if (EndsWithNoCase(strTime, "AM") || EndsWithNoCase(strTime, "A"))
    {
        bResult = nHour < 13;
        if (nHour == 12)
            nHour = 0;
    }
    bResult = bResult && nHour >= 0 && nHour <= 24;
    fields.nHour = nHour;
    if (bResult)
    {
        strTime = strTime.Mid(p + 1);
        fields.nMinute = atoi(strTime.Left(2));
        bResult = fields.nMinute >= 0 && fields.nMinute <= 59;
    }
    if (bResult)
    {
        strTime = strTime.Mid(3);
        fields.nSecond = atoi(strTime.Left(2));
        bResult = fields.nSecond >= 0 && fields.nSecond <= 59;
    }
    return bResult;
}

BOOL CGXNoOleDateTimeImp::ParseDate(Fields& fields, CString strDate, int nOrder)
{
    if (strDate.SpanIncluding("0123456789/-. ").GetLength() != strDate.GetLength())
        return FALSE;
    if (strDate.GetLength() == 6 && strDate.SpanIncluding("0123456789").GetLength() == 6)
        strDate = strDate.Left(2) + "/" + strDate.Mid(2, 2) + "/" + strDate.Mid(4);
    if (nOrder < gxDayMonthYear || nOrder > gxYearMonthDay)
        return FALSE;
    for (FieldKind kind : s_aOrders[nOrder])
    {
        CString strDigits = TakeDigits(strDate);
        int n = strDigits.GetLength(), nValue = atoi(strDigits);
        switch (kind)
        {
        case fieldDay:
            if (n < 1 || n > 2 || nValue < 1 || nValue > 31)
                return FALSE;
            fields.nDay = nValue;
            break;
        case fieldMonth:
            if (n < 1 || n > 2 || nValue < 1 || nValue > 12)
                return FALSE;
            fields.nMonth = nValue;
            break;
        case fieldYear:
            if (n < 1 || n > 4)
                return FALSE;
            // One or two digits 1..99 are years of the 1900s.
            fields.nYear = n <= 2 && nValue >= 1 && nValue <= 99 ? nValue + 1900 : nValue;
            break;
        }
    }
    return fields.nDay <= DaysInMonth(fields.nMonth, fields.nYear);
}

BOOL CGXNoOleDateTimeImp::Parse(Fields& fields, LPCTSTR pszText, int nOrder)
{
    memset(&fields, 0, sizeof(fields));
    TCHAR cSeparator = GetTimeSeparator(FALSE);
    CString strText = pszText, strDate, strTime;
    int iBlank = strText.Find(' '), iSeparator = strText.Find(cSeparator);
    if (iBlank >= 0 && iSeparator > iBlank)
    {
        strDate = strText.Left(iBlank);
        strTime = strText.Mid(iBlank + 1);
    }
    else if (iSeparator >= 0)
        strTime = strText;
    else
        strDate = strText;
    strDate.TrimLeft(' ');
    strTime.TrimLeft(' ');

    if (!strTime.IsEmpty() && !ParseTime(fields, strTime, cSeparator))
        return FALSE;
    if (strDate.IsEmpty())
        return TRUE;
    if (nOrder == gxUndeterminedOrder)
    {
        BOOL bFourDigitYear;
        TCHAR cDateSeparator;
        nOrder = GetDateOrder(FALSE, bFourDigitYear, cDateSeparator);
    }
    return ParseDate(fields, strDate, nOrder);
}

BOOL CGXNoOleDateTimeImp::ParseToSystemTime(TIMESTAMP_STRUCT& ts, LPCTSTR pszText, int nOrder)
{
    memset(&ts, 0, sizeof(ts));
    Fields fields;
    if (!Parse(fields, pszText, nOrder))
        return FALSE;
    ts.year = (SQLSMALLINT)fields.nYear;
    ts.month = (SQLUSMALLINT)fields.nMonth;
    ts.day = (SQLUSMALLINT)fields.nDay;
    ts.hour = (SQLUSMALLINT)fields.nHour;
    ts.minute = (SQLUSMALLINT)fields.nMinute;
    ts.second = (SQLUSMALLINT)fields.nSecond;
    return TRUE;
}

BOOL CGXNoOleDateTimeImp::ParseToTm(struct tm& tmResult, LPCTSTR pszText, int nOrder)
{
    memset(&tmResult, 0, sizeof(tmResult));
    Fields fields;
    if (!Parse(fields, pszText, nOrder))
        return FALSE;
    if (fields.nMonth == 0)
    {
        // No date: a time alone stands on 1 January 1970, an empty text stays cleared.
        tmResult.tm_year = fields.nYear;
        tmResult.tm_mday = fields.nDay;
    }
    else
    {
        tmResult.tm_mon = fields.nMonth - 1;
        tmResult.tm_mday = fields.nDay;
        // Years 38 to 1899 written with three or four digits stay as read.
        tmResult.tm_year = fields.nYear >= 1900 ? fields.nYear - 1900
                           : fields.nYear <= 37 ? fields.nYear + 100
                                                : fields.nYear;
    }
    tmResult.tm_hour = fields.nHour;
    tmResult.tm_min = fields.nMinute;
    tmResult.tm_sec = fields.nSecond;
    return TRUE;
}

void CGXNoOleDateTimeImp::FormatSystemTime(CString& strResult, const TIMESTAMP_STRUCT& ts)
{
    BOOL bFourDigitYear = FALSE;
    TCHAR s = '/';
    int nOrder = GetDateOrder(FALSE, bFourDigitYear, s);
    CString strDate, strTime;
    if (ts.month != 0)
    {
        int nYear = bFourDigitYear ? ts.year : ts.year % 100;
        LPCTSTR pszDayMonth = bFourDigitYear ? "%02d%c%02d%c%04d" : "%02d%c%02d%c%02d";
        LPCTSTR pszYearFirst = bFourDigitYear ? "%04d%c%02d%c%02d" : "%02d%c%02d%c%02d";
        if (nOrder == gxDayMonthYear)
            strDate.Format(pszDayMonth, ts.day, s, ts.month, s, nYear);
        else if (nOrder == gxMonthDayYear)
            strDate.Format(pszDayMonth, ts.month, s, ts.day, s, nYear);
        else if (nOrder == gxYearMonthDay)
            strDate.Format(pszYearFirst, nYear, s, ts.month, s, ts.day);
    }
    if (ts.hour != 0 || ts.minute != 0 || ts.second != 0)
    {
        TCHAR t = GetTimeSeparator(FALSE);
        strTime.Format("%02d%c%02d%c%02d", ts.hour, t, ts.minute, t, ts.second);
    }
    strResult = strDate.IsEmpty() || strTime.IsEmpty() ? strDate + strTime : strDate + " " + strTime;
}

void CGXNoOleDateTimeImp::FormatTime(CString& strResult, const CTime& time)
{
    CGXOleDateTimeImp::FormatLocalTime(strResult, time);
}
