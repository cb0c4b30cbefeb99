// CGXExcelSharedFormulaTable: the shared formulas of a sheet (SHRFMLA, type 0x4BC), keyed by
// their anchor cell, and their expansion into the token stream of one FORMULA cell of the range.
#pragma once
#include "ExcelBaseTable.h"
#include <vector>

const WORD GX_EXCEL_SHRFMLA = 0x4BC;

// A FORMULA record as the formula handler reads it; the token buffer is allocated with new[]
// and owned by whoever holds the record.
struct formulaStruct
{
    WORD nRow = 0; // zero-based
    WORD nCol = 0; // zero-based
    WORD nXF = 0;
    BYTE result[8] = {0};
    WORD nOptions = 0; // bit 3: the cell uses a shared formula
    DWORD nChain = 0;
    WORD nTokens = 0;
    BYTE* pTokens = NULL;
};

// One SHRFMLA record as read.
struct sfStruct
{
    WORD nFirstRow = 0;
    WORD nLastRow = 0;
    BYTE nFirstCol = 0;
    BYTE nLastCol = 0;
    WORD nTokens = 0;
    BYTE* pTokens = NULL; // owned

    sfStruct() = default;
    ~sfStruct()
    {
        delete[] pTokens;
    }
    sfStruct(const sfStruct&) = delete;
    sfStruct& operator=(const sfStruct&) = delete;
};

class CGXExcelSharedFormulaTable : public CGXExcelBaseTable<sfStruct, formulaStruct>
{
    DECLARE_DYNCREATE(CGXExcelSharedFormulaTable)

  public:
    // Construction
    CGXExcelSharedFormulaTable();

    // Operations
    // The key of an anchor cell (zero-based row and column).
    static DWORD MakeKey(WORD nRow, WORD nCol)
    {
        return ((DWORD)nCol << 16) | nRow;
    }
    // The tokens of a shared formula made absolute for the cell at (nRow, nCol): relative
    // references and areas (offsets in the shared form) become references and areas of that
    // cell. FALSE for a token the walk does not know or a reference that leaves the sheet.
    static BOOL ExpandTokens(const BYTE* pTokens, WORD nTokens, WORD nRow, WORD nCol, std::vector<BYTE>& out);

    // Overridables
    // Reads a SHRFMLA record (its body length set before) and keeps it under its anchor, which is
    // the key the FORMULA records of its range name; nKey is not needed for that.
    BOOL ReadRecord(IStream* pStream, DWORD nKey) override;
    BOOL WriteRecords(IStream* pStream, DWORD* pTotal, CGXGridParam** ppParams, DWORD nSheets) override;
    void ResetTable() override;
    // Replaces the formula's tokens by the shared formula of the key expanded for its cell.
    BOOL ApplyToStyle(DWORD nKey, formulaStruct*& pFormula) override;
    // Whether a shared formula is anchored at the cell (zero-based).
    virtual BOOL HasSharedFormula(WORD nRow, WORD nCol);
};
