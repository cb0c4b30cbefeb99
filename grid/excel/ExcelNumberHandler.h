// CGXExcelNumberHandler: NUMBER records (type 0x203), a cell with a double. A time format shows
// the number as a time of day in a formula sheet.
#pragma once
#include "ExcelHandler.h"
#include "mfc/String.h"

const WORD GX_EXCEL_NUMBER = 0x203;

class CGXStyle;

class CGXExcelNumberHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CGXExcelNumberHandler)

  public:
    // Construction
    CGXExcelNumberHandler() = default;

    // Operations
    // The text of a time-formatted number (grid format 13, 25, 26 or 27), or FALSE for other
    // formats.
    static BOOL FormatTimeOfDay(double dValue, UINT nFormat, CString& strText);

    // Overridables
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override;
    // Cells are written by the RK handler.
    BOOL WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD nSheet) override;
    void ResetRecord() override;
    BOOL ApplyToGrid(CGXGridCore* pGrid, DWORD nExtra) override;

    // Implementation: the record last read
    WORD m_nRow = 0;
    WORD m_nCol = 0;
    WORD m_nXF = 0;
    double m_dValue = 0;
};
