// CGXExcelStyleTable: the STYLE records of a workbook (type 0x293). Reading registers each named
// style as a base style of the grid being read; writing names the XFs of the built-in styles and
// of the grid's own base styles.
#pragma once
#include "ExcelBaseTable.h"
#include "grid/core/Style.h"

class CWordArray;

// One STYLE record as read.
struct styleStruct
{
    WORD nXF = 0; // bits 0-11
    BYTE nBuiltIn = 0;
    BYTE nLevel = 0;
    WORD nNameLength = 0;
    CString strName;
    WORD nBaseStyleID = 0; // the id the styles map gave the style, 0 when none
};

// Record type of STYLE.
const WORD GX_EXCEL_STYLE = 0x293;

class CGXExcelStyleTable : public CGXExcelBaseTable<styleStruct, CGXStyle>
{
    DECLARE_DYNCREATE(CGXExcelStyleTable)

  public:
    // Construction
    CGXExcelStyleTable() = default;

    // Overridables
    BOOL ReadRecord(IStream* pStream, DWORD nKey) override;
    BOOL WriteRecords(IStream* pStream, DWORD* pTotal, CGXGridParam** ppParams, DWORD nSheets) override;
    // TRUE when the value is not in the array.
    virtual BOOL IsValueMissing(const CWordArray& values, WORD nValue);
    // The base-style id of the STYLE record naming that XF, 0 when none.
    virtual WORD FindByIndex(DWORD nXF);
};
