// CGXExcelBlankHandler: BLANK records (type 0x201), a formatted empty cell.
#pragma once
#include "ExcelHandler.h"

const WORD GX_EXCEL_BLANK = 0x201;

class CGXExcelBlankHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CGXExcelBlankHandler)

  public:
    // Construction
    CGXExcelBlankHandler() = default;

    // Overridables
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override;
    void ResetRecord() override;
    BOOL ApplyToGrid(CGXGridCore* pGrid, DWORD nExtra) override;

    // Implementation: the record last read
    WORD m_nRow = 0;
    WORD m_nCol = 0;
    WORD m_nXF = 0;
};
