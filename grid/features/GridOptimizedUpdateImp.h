// Optimised update: after rows or columns were inserted, removed or resized, the pixels that did
// not change are moved with ScrollWindowEx and only the changed rows (columns), the uncovered
// strip and the cut cell at the edge are invalidated. Works on the grid it is given; no state.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridOptimizedUpdateImp : public CGXAbstractGridOptimizedUpdateImp
{
  public:
    void UpdateAfterInsertRows(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnCount, UINT* pMode) override;
    void UpdateAfterInsertCols(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnCount, UINT* pMode) override;
    void UpdateAfterRemoveRows(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnLast, int* anOldHeights,
                               UINT mode) override;
    void UpdateAfterRemoveCols(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnLast, int* anOldWidths,
                               UINT* pMode) override;
    void UpdateAfterRowHeights(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnLast, int* anOldHeights,
                               UINT* pMode) override;
    void UpdateAfterColWidths(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnLast, int* anOldWidths,
                              UINT* pMode) override;

    // Implementation: one body per kind of change, bRows selecting rows or columns.
    static void AfterInsert(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nCount, UINT& mode);
    static void AfterRemove(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast, const int* anOld,
                            UINT& mode);
    static void AfterSizes(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL& nLast, const int* anOld,
                           UINT& mode);
};
