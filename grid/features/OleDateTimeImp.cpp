// Dates and times through COleDateTime.
#include "grid/features/OleDateTimeImp.h"
#include "grid/core/AppData.h"
#include "OleDateTime.h"
#include "Time.h"

void AFXAPI GXInstallOleDateTimeImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pDateTimeImp != NULL)
        return;
    pAppData->m_pDateTimeImp = new CGXOleDateTimeImp;
    pAppData->AddComponent(pAppData->m_pDateTimeImp);
}

void CGXOleDateTimeImp::RefreshSettings()
{
    // COleDateTime reads the locale itself.
}

int CGXOleDateTimeImp::GetDateOrder(BOOL, BOOL&, TCHAR&)
{
    return gxUndeterminedOrder;
}

TCHAR CGXOleDateTimeImp::GetTimeSeparator(BOOL)
{
    return 0;
}

BOOL CGXOleDateTimeImp::ParseToSystemTime(TIMESTAMP_STRUCT& ts, LPCTSTR pszText, int)
{
    memset(&ts, 0, sizeof(ts));
    COleDateTime dt;
    if (!dt.ParseDateTime(pszText, 0, LANG_USER_DEFAULT))
        return FALSE;
    ts.year = (SQLSMALLINT)dt.GetYear();
    ts.month = (SQLUSMALLINT)dt.GetMonth();
    ts.day = (SQLUSMALLINT)dt.GetDay();
    ts.hour = (SQLUSMALLINT)dt.GetHour();
    ts.minute = (SQLUSMALLINT)dt.GetMinute();
    ts.second = (SQLUSMALLINT)dt.GetSecond();
    return TRUE;
}

BOOL CGXOleDateTimeImp::ParseToTm(struct tm& tmResult, LPCTSTR pszText, int)
{
    memset(&tmResult, 0, sizeof(tmResult));
    COleDateTime dt;
    if (!dt.ParseDateTime(pszText, 0, LANG_USER_DEFAULT))
        return FALSE;
    tmResult.tm_year = dt.GetYear() - 1900;
    tmResult.tm_mon = dt.GetMonth() - 1;
    tmResult.tm_mday = dt.GetDay();
    tmResult.tm_hour = dt.GetHour();
    tmResult.tm_min = dt.GetMinute();
    tmResult.tm_sec = dt.GetSecond();
    return TRUE;
}

void CGXOleDateTimeImp::FormatSystemTime(CString& strResult, const TIMESTAMP_STRUCT& ts)
{
    BOOL bTime = ts.hour != 0 || ts.minute != 0 || ts.second != 0;
    COleDateTime dt;
    if (ts.month == 0)
        dt.SetTime(ts.hour, ts.minute, ts.second); // a time of day alone: OLE day 0
    else
        dt.SetDateTime(ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second);
    strResult = dt.Format(!bTime ? "%x" : ts.month == 0 ? "%X" : "%c");
}

void CGXOleDateTimeImp::FormatTime(CString& strResult, const CTime& time)
{
    FormatLocalTime(strResult, time);
}

void CGXOleDateTimeImp::FormatLocalTime(CString& strResult, const CTime& time)
{
    struct tm tmLocal;
    time.GetLocalTm(&tmLocal);
    BOOL bTime = tmLocal.tm_hour != 0 || tmLocal.tm_min != 0 || tmLocal.tm_sec != 0;
    strResult = time.Format(!bTime ? "%x" : tmLocal.tm_mon + 1 < 1 ? "%X" : "%c");
}
