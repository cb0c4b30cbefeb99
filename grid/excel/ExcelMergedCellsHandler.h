// CGXExcelMergedCellsHandler: MERGEDCELLS records (type 0xE5), merged ranges that become
// covered cells of the grid.
#pragma once
#include "ExcelHandler.h"

const WORD GX_EXCEL_MERGEDCELLS = 0xE5;

class CGXExcelMergedCellsHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CGXExcelMergedCellsHandler)

  public:
    // Construction
    CGXExcelMergedCellsHandler() = default;
    ~CGXExcelMergedCellsHandler() override;

    // Operations
    // Ranges one record holds at most (its body stays within the record limit).
    static constexpr WORD MAX_RANGES = 1027;

    // Overridables
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override;
    // The grid's covered cells, in records of at most MAX_RANGES ranges.
    BOOL WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD nSheet) override;
    void ResetRecord() override;
    BOOL ApplyToGrid(CGXGridCore* pGrid, DWORD nExtra) override;

    // Implementation: the record last read
    WORD m_nRanges = 0;
    WORD* m_pRanges = NULL; // owned, four WORDs per range: first row, last row, first column, last column
};
