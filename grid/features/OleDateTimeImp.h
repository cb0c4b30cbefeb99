// Dates and times read and written by the OLE date type: parsing and formatting follow the
// user's locale as COleDateTime does; the date order is left undetermined. Library-wide.
#pragma once
#include "grid/core/GridComponents.h"

class CGXOleDateTimeImp : public CGXAbstractDateTimeImp
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
    // The CTime rule both variants share: "%x" without a time of day, else "%c".
    static void FormatLocalTime(CString& strResult, const CTime& time);
};

// Installs the OLE variant unless a date/time component is installed already.
void AFXAPI GXInstallOleDateTimeImp();
