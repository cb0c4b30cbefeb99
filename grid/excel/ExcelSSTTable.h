// CGXExcelSSTTable: the shared strings of a workbook (SST, type 0xFC, continued in CONTINUE
// records) that LABELSST cells refer to by index.
#pragma once
#include "ExcelBaseTable.h"
#include "grid/core/Style.h"

const WORD GX_EXCEL_SST = 0xFC;

// One string of the table.
struct sstString
{
    WORD nChars = 0;
    BYTE nOption = 0;   // bit 0 16-bit characters, bit 2 extended data, bit 3 rich text
    WORD* pText = NULL; // owned, nChars UTF-16 characters and a terminating 0
    WORD nRuns = 0;
};

// One SST record as read.
struct sstStruct
{
    DWORD nTotal = 0;
    DWORD nUnique = 0;
    sstString* pStrings = NULL; // owned, nUnique entries
    // Strings read completely (a damaged record stops early).
    DWORD nRead = 0;

    sstStruct() = default;
    ~sstStruct();
    sstStruct(const sstStruct&) = delete;
    sstStruct& operator=(const sstStruct&) = delete;
};

class CGXExcelSSTTable : public CGXExcelBaseTable<sstStruct, CGXStyle>
{
    DECLARE_DYNCREATE(CGXExcelSSTTable)

  public:
    // Construction
    CGXExcelSSTTable() = default;

    // Overridables
    BOOL ReadRecord(IStream* pStream, DWORD nKey) override;
    BOOL WriteRecords(IStream* pStream, DWORD* pTotal, CGXGridParam** ppParams, DWORD nSheets) override;
    // Sets the string of that index as the style's text value; FALSE without a table or for an
    // index past its strings.
    BOOL ApplyToStyle(DWORD nIndex, CGXStyle*& pStyle) override;

  private:
    void ReadString(IStream* pStream, sstString& s);
};
