// Covered cells: rectangles of cells named by the program or the user that show as their
// top-left cell. The ranges live in the parameter object's list, every cell mapped to its range
// by the covered-cell pool; covering can be undone.
#pragma once
#include "grid/core/GridComponents.h"

class CGXCoveredCellPool;

class CGXGridCoveredCellsImp : public CGXAbstractGridCoveredCellsImp
{
  public:
    BOOL CoverCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT flags,
                    int ctCmd) override;
    CGXCellRange* GetCoveredRangeAt(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                    CGXCellRange& range) override;
    BOOL PutCoveredRange(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                         BOOL bSet) override;
    void RedrawCoveredRange(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nOldBottom, ROWCOL nOldRight,
                            UINT flags, BOOL bCreateHint) override;
    void WidenByCoveredCells(CGXGridCore* pGrid, CGXCellRange& range) override;
    BOOL AdjustCoveredForRemovedRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, BOOL& bChanged,
                                     BOOL bSkip) override;
    BOOL AdjustCoveredForRemovedCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, BOOL& bChanged,
                                     BOOL bSkip) override;

  private:
    // The parameter object's pool, made and filled from the list when it has none yet.
    static CGXCoveredCellPool* Pool(CGXGridCore* pGrid);
    // The list position of the range holding the cell, or NULL.
    static POSITION FindRange(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol);
    // Cuts (bRows: rows, else columns) every range at the removed block: a range ending inside
    // it ends before it, one starting inside it goes.
    static BOOL CutRanges(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, BOOL bRows);
};
