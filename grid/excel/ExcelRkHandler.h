// CGXExcelRkHandler: RK records (type 0x27E), a cell with a packed number; its WriteRecord
// writes every cell of a sheet (see CGXExcelCellWriter).
#pragma once
#include "ExcelHandler.h"

const WORD GX_EXCEL_RK = 0x27E;

// The number an RK value packs: a 30-bit integer or the high 30 bits of a double, either one
// hundredth of it when bit 0 is set.
double RkDecode(DWORD nRk);

class CGXExcelRkHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CGXExcelRkHandler)

  public:
    // Construction
    CGXExcelRkHandler() = default;

    // Overridables
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override;
    // Writes the cells of the target grid as BLANK, LABEL, NUMBER and FORMULA records.
    BOOL WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD nSheet) override;
    void ResetRecord() override;
    BOOL ApplyToGrid(CGXGridCore* pGrid, DWORD nExtra) override;

    // Implementation: the record last read
    WORD m_nRow = 0;
    WORD m_nCol = 0;
    WORD m_nXF = 0;
    double m_dValue = 0; // decoded
};
