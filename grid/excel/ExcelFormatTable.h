// CGXExcelFormatTable: the FORMAT records of a workbook (type 0x41E) and the translation between
// the workbook's built-in number-format indexes and the grid's value formats. The format texts
// are kept but never interpreted.
#pragma once
#include "ExcelBaseTable.h"
#include "grid/core/Style.h"

const WORD GX_EXCEL_FORMAT = 0x41E;

// One FORMAT record as read.
struct formatStruct
{
    WORD nIndex = 0;
    BYTE nBytes = 0;
    BYTE* pText = NULL; // owned, NUL-terminated

    formatStruct() = default;
    ~formatStruct()
    {
        delete[] pText;
    }
    formatStruct(const formatStruct&) = delete;
    formatStruct& operator=(const formatStruct&) = delete;
};

class CGXExcelFormatTable : public CGXExcelBaseTable<formatStruct, CGXStyle>
{
    DECLARE_DYNCREATE(CGXExcelFormatTable)

  public:
    // Construction
    CGXExcelFormatTable() = default;

    // Overridables
    BOOL ReadRecord(IStream* pStream, DWORD nKey) override;
    // Formats are not written: the XF records name built-in formats only.
    BOOL WriteRecords(IStream* pStream, DWORD* pTotal, CGXGridParam** ppParams, DWORD nSheets) override;
    // Gives the style the grid format, places and negative colour of a built-in format index;
    // indexes 23-36 and above 49 leave it unchanged. Always TRUE.
    BOOL ApplyToStyle(DWORD nIndex, CGXStyle*& pStyle) override;
    // The colour that formats with red negative numbers give (red).
    virtual COLORREF GetNegativeColor();
    // The built-in format index of a style's value format, 0 without one.
    UINT GetBuiltInFormatIndex(const CGXStyle& style) override;
};
