// CGXExcelRowHandler: ROW records (type 0x208), the height of a row and its row style.
#pragma once
#include "ExcelHandler.h"

const WORD GX_EXCEL_ROW = 0x208;

class CGXExcelRowHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CGXExcelRowHandler)

  public:
    // Construction
    CGXExcelRowHandler() = default;

    // Overridables
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override;
    // One record per row with a row style or a height other than the default.
    BOOL WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD nSheet) override;
    void ResetRecord() override;
    BOOL ApplyToGrid(CGXGridCore* pGrid, DWORD nExtra) override;

    // Implementation: the record last read
    WORD m_nRow = 0;
    WORD m_nFirstCol = 0;
    WORD m_nColEnd = 0;
    WORD m_nHeight = 0;  // twips
    WORD m_nOptions = 0; // bit 7: the row has its own XF
    WORD m_nXF = 0;      // bits 0-11
};
