// CGXExcelMulRkHandler: MULRK records (type 0xBD), a run of packed numbers in one row, each
// with its own XF.
#pragma once
#include "ExcelHandler.h"

const WORD GX_EXCEL_MULRK = 0xBD;

class CGXExcelMulRkHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CGXExcelMulRkHandler)

  public:
    // Construction
    CGXExcelMulRkHandler() = default;
    ~CGXExcelMulRkHandler() override;

    // Overridables
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override;
    void ResetRecord() override;
    BOOL ApplyToGrid(CGXGridCore* pGrid, DWORD nExtra) override;

    // Implementation: the record last read
    WORD m_nRow = 0;
    WORD m_nFirstCol = 0;
    WORD m_nLastCol = 0;
    BYTE* m_pEntries = NULL; // owned, 6 bytes each: XF index, RK value
    DWORD m_nEntries = 0;
};
