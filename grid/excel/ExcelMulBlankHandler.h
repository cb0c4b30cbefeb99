// CGXExcelMulBlankHandler: MULBLANK records (type 0xBE), a run of formatted empty cells in one
// row.
#pragma once
#include "ExcelHandler.h"

const WORD GX_EXCEL_MULBLANK = 0xBE;

class CGXExcelMulBlankHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CGXExcelMulBlankHandler)

  public:
    // Construction
    CGXExcelMulBlankHandler() = default;
    ~CGXExcelMulBlankHandler() override;

    // Overridables
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override;
    void ResetRecord() override;
    BOOL ApplyToGrid(CGXGridCore* pGrid, DWORD nExtra) override;

    // Implementation: the record last read
    WORD m_nRow = 0;
    WORD m_nFirstCol = 0;
    WORD* m_pXF = NULL; // owned, one XF index per cell
    DWORD m_nXFs = 0;
    WORD m_nLastCol = 0;
};
