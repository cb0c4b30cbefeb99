// CGXExcelColInfoHandler: COLINFO records (type 0x7D), width, column style and hidden state of
// a run of columns.
#pragma once
#include "ExcelHandler.h"

const WORD GX_EXCEL_COLINFO = 0x7D;

class CGXExcelColInfoHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CGXExcelColInfoHandler)

  public:
    // Construction
    CGXExcelColInfoHandler() = default;

    // Overridables
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override;
    // One record per column with a column style or a width other than the default.
    BOOL WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD nSheet) override;
    void ResetRecord() override;
    BOOL ApplyToGrid(CGXGridCore* pGrid, DWORD nExtra) override;

    // Implementation: the record last read
    WORD m_nFirstCol = 0;
    WORD m_nLastCol = 0;
    WORD m_nWidth = 0; // 1/256 of a character
    WORD m_nXF = 0;
    WORD m_nOptions = 0; // bit 0: hidden
};
