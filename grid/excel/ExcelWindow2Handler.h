// CGXExcelWindow2Handler: WINDOW2 records (type 0x23E), how a sheet is shown: grid lines,
// headers, the first visible cell.
#pragma once
#include "ExcelHandler.h"

const WORD GX_EXCEL_WINDOW2 = 0x23E;

class CGXExcelWindow2Handler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CGXExcelWindow2Handler)

  public:
    // Construction
    CGXExcelWindow2Handler() = default;

    // Overridables
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override;
    BOOL WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD nSheet) override;
    void ResetRecord() override;
    BOOL ApplyToGrid(CGXGridCore* pGrid, DWORD nExtra) override;

    // Implementation: the record last read
    WORD m_nOptions = 0; // bit 0 formulas shown, bit 1 grid lines, bit 2 headers
    WORD m_nTopRow = 0;
    WORD m_nLeftCol = 0;
    DWORD m_nHeaderColor = 0;
    WORD m_nPageBreakZoom = 0;
    WORD m_nNormalZoom = 0;
    DWORD m_nReserved = 0;
};
