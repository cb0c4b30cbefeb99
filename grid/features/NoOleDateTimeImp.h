// Dates and times read and written by the program's own rules on the user's short-date
// pattern, date and time separators. The settings are cached once per process and read again
// when the system settings change. Library-wide.
#pragma once
#include "grid/core/GridComponents.h"

class CGXNoOleDateTimeImp : public CGXAbstractDateTimeImp
{
  public:
    void RefreshSettings() override;
    int GetDateOrder(BOOL bForce, BOOL& bFourDigitYear, TCHAR& cDateSeparator) override;
    TCHAR GetTimeSeparator(BOOL bForce) override;
    BOOL ParseToSystemTime(TIMESTAMP_STRUCT& ts, LPCTSTR pszText, int nOrder) override;
    BOOL ParseToTm(struct tm& tmResult, LPCTSTR pszText, int nOrder) override;
    void FormatSystemTime(CString& strResult, const TIMESTAMP_STRUCT& ts) override;
    void FormatTime(CString& strResult, const CTime& time) override;

    // Implementation
    // A date and time as read; month 1..12, 0 without a date part.
    struct Fields
    {
        int nYear, nMonth, nDay, nHour, nMinute, nSecond;
    };
    // Reads the text into the fields; a time alone gets the date 1 January 70.
    BOOL Parse(Fields& fields, LPCTSTR pszText, int nOrder);
    static BOOL ParseTime(Fields& fields, CString strTime, TCHAR cSeparator);
    static BOOL ParseDate(Fields& fields, CString strDate, int nOrder);
    static int DaysInMonth(int nMonth, int nYear);

  private:
    // The cache shared by all grids.
    static int s_nDateOrder;
    static BOOL s_bFourDigitYear;
    static TCHAR s_cDateSeparator;
    static TCHAR s_cTimeSeparator;
};

// Installs the variant unless a date/time component is installed already.
void AFXAPI GXInstallNoOleDateTimeImp();
