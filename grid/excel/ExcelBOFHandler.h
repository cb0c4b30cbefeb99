// CGXExcelBOFHandler: BOF records (type 0x809), the start of the workbook globals or of a sheet.
// Reading keeps the version and the substream type; nothing is applied.
#pragma once
#include "ExcelHandler.h"

const WORD GX_EXCEL_BOF = 0x809;

class CGXExcelBOFHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CGXExcelBOFHandler)

  public:
    // Construction
    CGXExcelBOFHandler() = default;

    // Overridables
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override;
    // A worksheet BOF for a grid target, the workbook globals' BOF for none.
    BOOL WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD nSheet) override;
    // The fields stay for whoever asks after the read.
    void ResetRecord() override;

    // Implementation: the record last read
    WORD m_nVersion = 0;
    WORD m_nType = 0; // 5 workbook globals, 0x10 worksheet, 0x20 chart ...
};
