// Keeps the other views of a grid's document in step: each change a grid makes is sent as a
// hint, and each other view's grid repeats the change's update without sending it again. One
// per grid, owned by the grid's list of components.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridHint;

class CGXGridUpdateHintImp : public CGXAbstractGridUpdateHintImp
{
  public:
    // Receiving: carries out a hint another view sent; TRUE when it was applied.
    BOOL OnGridUpdate(CGXGridCore* pGrid, CObject* pHint) override;

    // Sending
    void HintReadOnly(CGXGridCore* pGrid, BOOL bReadOnly) override;
    void HintCurrentCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT flags) override;
    BOOL HintTransferCurrentCell(CGXGridCore* pGrid, BOOL bSave, UINT flags) override;
    void HintChangedRowCount(CGXGridCore* pGrid, ROWCOL nOldRows, UINT flags) override;
    void HintChangedColCount(CGXGridCore* pGrid, ROWCOL nOldCols, UINT flags) override;
    void HintChangedFrozenCols(CGXGridCore* pGrid, ROWCOL nOldFrozen, ROWCOL nOldHeader, UINT flags) override;
    void HintChangedFrozenRows(CGXGridCore* pGrid, ROWCOL nOldFrozen, ROWCOL nOldHeader, UINT flags) override;
    void HintSetTopRow(CGXGridCore* pGrid, ROWCOL nRow, UINT flags) override;
    void HintSetLeftCol(CGXGridCore* pGrid, ROWCOL nCol, UINT flags) override;
    void HintInsertRows(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCount, UINT flags) override;
    void HintInsertCols(CGXGridCore* pGrid, ROWCOL nCol, ROWCOL nCount, UINT flags) override;
    void HintRedrawRange(CGXGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                         UINT flags) override;
    void HintRedrawAll(CGXGridCore* pGrid, UINT flags) override;
    void HintRecalc(CGXGridCore* pGrid, const CString& strError) override;
    void HintProperty(CGXGridCore* pGrid, UINT nValue) override;
    void HintScroll(CGXGridCore* pGrid, int nDirection, ROWCOL nCount) override;
    void HintSelectRange(CGXGridCore* pGrid, const CGXCellRange& range,
                         const CObject* pOldSelection) override;
    void HintExcelFrame(CGXGridCore* pGrid, BOOL bShow) override;
    void HintChangedSelection(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                              ROWCOL nRight) override;
    void HintAllSelected(CGXGridCore* pGrid) override;
    void HintChangedRowHeight(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, const int* anOld,
                              UINT flags) override;
    void HintChangedColWidth(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, const int* anOld,
                             UINT flags) override;
    void HintStoreZoom(CGXGridCore* pGrid, int nZoom) override;
    void HintZoomChanged(CGXGridCore* pGrid, int nOldZoom, UINT flags) override;
    void HintStyleRange(CGXGridCore* pGrid, const CGXCellRange& range, const CGXStyle* pStyle, int mode,
                        int nType, UINT flags) override;
    void HintStylesMap(CGXGridCore* pGrid, UINT flags) override;
    void HintProperties(CGXGridCore* pGrid, UINT flags) override;
    void HintBaseStyle(CGXGridCore* pGrid, WORD nID, UINT flags) override;
    void HintCoveredRange(CGXGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                          UINT flags) override;
    void HintFloatedSpan(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nOldBottom, ROWCOL nOldRight,
                         UINT flags) override;
    void HintMergedSpan(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nOldBottom, ROWCOL nOldRight,
                        UINT flags) override;
    void HintSortRows(CGXGridCore* pGrid, const CGXCellRange& range, UINT flags) override;
    void HintSortCols(CGXGridCore* pGrid, const CGXCellRange& range, UINT flags) override;
    void HintRemoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, const int* anOld,
                        UINT flags) override;
    void HintRemoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, const int* anOld,
                        UINT flags) override;
    void HintMoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags) override;
    void HintMoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags) override;

  private:
    static void Send(CGXGridCore* pGrid, CGXGridHint& hint);
    // Sends id with row1..col2 and the flags.
    static void SendCells(CGXGridCore* pGrid, UINT id, ROWCOL nRow1, ROWCOL nCol1, ROWCOL nRow2, ROWCOL nCol2,
                          UINT flags);
    // Sends id with a block of rows (bRows) or columns, a destination and former sizes.
    static void SendBlock(CGXGridCore* pGrid, UINT id, BOOL bRows, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest,
                          const int* anOld, UINT flags);
    // Sends hint 25 (bTopRow) or 26 to the neighbour pane of the grid's splitter.
    static void SendToNeighbourPane(CGXGridCore* pGrid, BOOL bTopRow, ROWCOL nRowCol, UINT flags);
};
