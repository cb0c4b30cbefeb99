// CGXExcelLabelHandler: LABEL records (type 0x204), a cell with its own text.
#pragma once
#include "ExcelHandler.h"

const WORD GX_EXCEL_LABEL = 0x204;

class CGXExcelLabelHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CGXExcelLabelHandler)

  public:
    // Construction
    CGXExcelLabelHandler() = default;
    ~CGXExcelLabelHandler() override;

    // Overridables
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override;
    void ResetRecord() override;
    BOOL ApplyToGrid(CGXGridCore* pGrid, DWORD nExtra) override;

    // Implementation: the record last read
    WORD m_nRow = 0;
    WORD m_nCol = 0;
    WORD m_nXF = 0;
    WORD m_nChars = 0;
    WORD* m_pText = NULL; // owned, m_nChars characters and a terminating 0
    BYTE m_nOption = 0;   // bit 0: 16-bit characters
};
