// CGXExcelDimensionHandler: DIMENSIONS records (type 0x200), the used range of a sheet; reading
// sizes the grid a little beyond it.
#pragma once
#include "ExcelHandler.h"

const WORD GX_EXCEL_DIMENSIONS = 0x200;

class CGXExcelDimensionHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CGXExcelDimensionHandler)

  public:
    // Construction
    CGXExcelDimensionHandler() = default;

    // Overridables
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override;
    BOOL WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD nSheet) override;
    // Keeps the fields while a clipboard copy or paste runs: the clipboard reads them.
    void ResetRecord() override;
    BOOL ApplyToGrid(CGXGridCore* pGrid, DWORD nExtra) override;

    // Implementation: the record last read
    DWORD m_nFirstRow = 0;
    DWORD m_nRowEnd = 0; // last row + 1
    WORD m_nFirstCol = 0;
    WORD m_nColEnd = 0; // last column + 1
    WORD m_nReserved = 0;
};
