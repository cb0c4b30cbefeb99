// Floating cells: a cell whose text is wider than the cell lets it run on to the right over
// empty neighbours that allow it. The spans live in the parameter object's float pools and are
// computed from the cells' contents, at once or when the cells are about to be drawn.
#pragma once
#include "grid/core/GridComponents.h"

class CGXSpanCellPool;
class CGXDelayedRangePool;

class CGXGridFloatCellsImp : public CGXAbstractGridFloatCellsImp
{
  public:
    void SetFloatingMode(CGXGridCore* pGrid, WORD nMode, BOOL bRedraw) override;
    void InvalidateFloatedCells(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nColLimit) override;
    BOOL RecalcFloatedCells(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bKeepLock,
                            CGXCellRange* pChanged, BOOL bUseCache) override;
    CGXCellRange* GetFloatedRangeAt(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                    CGXCellRange& range) override;
    BOOL IsFloatCandidate(CGXGridCore* pGrid, const CGXStyle& style, BOOL bSource) override;
    BOOL CheckFloatCell(CGXGridCore* pGrid, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                        const CGXStyle& style, BOOL bSource) override;
    BOOL UpdateFloatedSpanAt(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                             UINT flags) override;
    void RedrawFloatedSpanAt(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nOldBottom,
                             ROWCOL nOldRight, UINT flags, BOOL bCreateHint) override;
    void WidenByFloatedCells(CGXGridCore* pGrid, CGXCellRange& range) override;
    BOOL EvalFloatsInRange(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bKeepLock,
                           CGXCellRange* pChanged, BOOL bUseCache) override;
    BOOL EvalDelayedFloats(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bKeepLock,
                           CGXCellRange* pChanged, BOOL bUseCache) override;
    BOOL EvalFloatsAround(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange* pChanged,
                          BOOL bUseCache) override;
    BOOL CalcFloatSpan(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange* pChanged,
                       BOOL bUseCache) override;
    BOOL StoreFloatSpan(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                        BOOL bSet) override;

    // Implementation
    // The mode in force: 1 late, 2 at once; 0 for off and for modes without pools.
    static WORD ActiveMode(CGXGridCore* pGrid);
    // The pools of the screen, or of the printout while the grid prints and has them.
    static CGXSpanCellPool* SpanPool(CGXGridCore* pGrid);
    static CGXDelayedRangePool* DelayedPool(CGXGridCore* pGrid);

  private:
    // The style a pass sees for a cell, with the edit text of an active current cell.
    const CGXStyle& PassStyle(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL bUseCache);
    // Header rows and columns never float: the range clipped to the data cells.
    static BOOL ClipToDataCells(CGXGridCore* pGrid, const CGXCellRange& range, CGXCellRange& clipped);
    // Runs eval over the cells, with the redraw lock held unless bKeepLock.
    template <class F> BOOL RunPass(CGXGridCore* pGrid, BOOL bKeepLock, F eval);
};
