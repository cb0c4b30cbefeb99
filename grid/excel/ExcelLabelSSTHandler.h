// CGXExcelLabelSSTHandler: LABELSST records (type 0xFD), a cell whose text is a shared string.
#pragma once
#include "ExcelHandler.h"

const WORD GX_EXCEL_LABELSST = 0xFD;

class CGXExcelLabelSSTHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CGXExcelLabelSSTHandler)

  public:
    // Construction
    CGXExcelLabelSSTHandler() = default;

    // Overridables
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override;
    void ResetRecord() override;
    BOOL ApplyToGrid(CGXGridCore* pGrid, DWORD nExtra) override;

    // Implementation: the record last read
    WORD m_nRow = 0;
    WORD m_nCol = 0;
    WORD m_nXF = 0;
    DWORD m_nString = 0; // index into the shared strings
};
