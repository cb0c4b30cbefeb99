// Copy and move of a block of cells inside one grid, styles and all (the direct paste), with
// undo when the grid has a command factory. One per grid, owned by the grid's list of components.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridDirectCopyMoveCellsImp : public CGXAbstractGridDirectCopyMoveCellsImp
{
  public:
    BOOL CopyCells(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol,
                   UINT flags) override;
    BOOL StoreCopyCells(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol) override;
    BOOL MoveCells(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol,
                   CObject* pUndoInfo, UINT flags, int ctCmd) override;
    BOOL StoreMoveCells(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol,
                        CObject* pApplyInfo, CObject** ppNewInfo) override;
};
