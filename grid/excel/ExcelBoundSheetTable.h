// CGXExcelBoundSheetTable: the sheet directory of a workbook (BOUNDSHEET, type 0x85): the sheet
// names read, and on writing one record per sheet with its name and the stream position of its
// BOF record, which the workbook writer supplies once the sheets are written.
#pragma once
#include "ExcelBaseTable.h"
#include "mfc/DWordArray.h"

const WORD GX_EXCEL_BOUNDSHEET = 0x85;

// One BOUNDSHEET record as read.
struct BoundSheetStruct
{
    DWORD nBOFPosition = 0;
    WORD nOptions = 0;
    BYTE nNameLength = 0;
    BYTE nNameOption = 0; // bit 0: 16-bit characters
    char* pszName = NULL; // owned, NUL-terminated ANSI text

    BoundSheetStruct() = default;
    ~BoundSheetStruct()
    {
        delete[] pszName;
    }
    BoundSheetStruct(const BoundSheetStruct&) = delete;
    BoundSheetStruct& operator=(const BoundSheetStruct&) = delete;
};

class CGXExcelBoundSheetTable : public CGXExcelBaseTable<BoundSheetStruct, CString>
{
    DECLARE_DYNCREATE(CGXExcelBoundSheetTable)

  public:
    // Construction
    CGXExcelBoundSheetTable() = default;

    // Attributes, set by the workbook writer before WriteRecords
    // Stream position of each written sheet's BOF record, by sheet ordinal.
    CDWordArray m_aBOFPositions;
    // Where the sheet directory starts in the stream.
    DWORD m_nDirectoryPosition = 0;
    // Non-zero: the first call, which only reserves the directory's space. The passes also
    // alternate by themselves: sizing, final, sizing ...
    DWORD m_bSizingPass = 1;

    // Operations, called by the workbook writer around its two calls of WriteRecords
    void SetSizingPass(BOOL bSizing)
    {
        m_bSizingPass = bSizing ? 1 : 0;
    }
    void SetDirectoryPosition(DWORD nPosition)
    {
        m_nDirectoryPosition = nPosition;
    }
    // Grows the array as needed.
    void SetBOFPosition(DWORD nSheet, DWORD nPosition)
    {
        m_aBOFPositions.SetAtGrow((int)nSheet, nPosition);
    }
    // The name a sheet is written with: the parameter object's sheet name, or "Arbeitsblatt n"
    // for an empty one, cut to 31 characters, characters Excel refuses in names replaced by "_".
    static CString GetSheetNameToWrite(const CGXGridParam* pParam, DWORD nSheet);

    // Overridables
    BOOL ReadRecord(IStream* pStream, DWORD nKey) override;
    // The sizing pass seeks past the directory's space; the final pass seeks back to it and
    // writes one record per sheet.
    BOOL WriteRecords(IStream* pStream, DWORD* pTotal, CGXGridParam** ppParams, DWORD nSheets) override;
    void ResetTable() override;
    // Assigns the name of sheet nIndex.
    BOOL ApplyToStyle(DWORD nIndex, CString*& pName) override;
};
