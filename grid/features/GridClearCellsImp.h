// Emptying cells (the Delete key and a cut): values only, or with the flag whole styles, as one
// undoable step. The ranges are cut into disjoint blocks, so overlapping ranges clear each cell once.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridClearCellsImp : public CGXAbstractGridClearCellsImp
{
  public:
    BOOL CanClear(CGXGridCore* pGrid) override;
    BOOL Clear(CGXGridCore* pGrid, BOOL bStyles) override;
    BOOL ClearCells(CGXGridCore* pGrid, const CGXRangeList& ranges, BOOL bStyles) override;
};
