// Merged cells: neighbouring cells with equal contents that allow merging show as one cell,
// along rows, along columns or both. The spans live in the parameter object's two merge pools
// and are computed from the cells' contents, at once or when the cells are about to be drawn.
#pragma once
#include "grid/core/GridComponents.h"

class CGXSpanCellPool;

class CGXGridMergeCellsImp : public CGXAbstractGridMergeCellsImp
{
  public:
    void SetMergingMode(CGXGridCore* pGrid, WORD nMode, BOOL bRedraw) override;
    void InvalidateMergedCells(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nRowLimit,
                               ROWCOL nColLimit) override;
    BOOL RecalcMergedCells(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bKeepLock,
                           CGXCellRange* pChanged, BOOL bUseCache) override;
    CGXCellRange* GetMergedRangeAt(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange& range,
                                   int nDirection) override;
    BOOL CheckMergeCell(CGXGridCore* pGrid, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                        const CGXStyle& style, int nDirection) override;
    BOOL CompareMergeContents(CGXGridCore* pGrid, const CGXStyle& style1, const CGXStyle& style2) override;
    BOOL UpdateMergedSpanAt(CGXGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                            ROWCOL nToCol, UINT flags) override;
    void RedrawMergedSpanAt(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nOldBottom, ROWCOL nOldRight,
                            UINT flags, BOOL bCreateHint) override;
    void WidenByMergedCells(CGXGridCore* pGrid, CGXCellRange& range) override;

    // The "MergeCell" bits of the two directions.
    enum
    {
        mergeHorizontal = 1,
        mergeVertical = 2
    };

  private:
    // Low mode bits in force: 1 late, 2 at once; 0 for off and for modes without pools.
    static WORD ActiveMode(CGXGridCore* pGrid);
    static CGXSpanCellPool* Pool(CGXGridCore* pGrid, int nDirection);
    // The span of a cell in one direction as its first and last index along it.
    void SpanAlong(CGXGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL& nFirst,
                   ROWCOL& nLast);
    // Stores the span from (nRow, nCol) to nLast along the direction.
    BOOL StoreAlong(CGXGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL nLast,
                    CGXCellRange* pChanged);
    // The next visible neighbour along the direction (bForward) of an index, or FALSE at the edge.
    BOOL Neighbour(CGXGridCore* pGrid, int nDirection, ROWCOL nIndex, BOOL bForward, ROWCOL& nNext);
    // Pairs the cell at index a with the one at b (after a) along the direction; TRUE when a
    // span changed.
    BOOL Pair(CGXGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL a, ROWCOL b,
              CGXCellRange* pChanged);
    // Both directions around one cell.
    BOOL EvalCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange* pChanged);
    BOOL IsHidden(CGXGridCore* pGrid, int nDirection, ROWCOL nIndex);
};
