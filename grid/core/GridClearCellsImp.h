// Emptying cells (the Delete key and a cut): values only, or with the flag whole styles.
// One per grid, owned by the grid's list of components.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridClearCellsImp : public CGXAbstractGridClearCellsImp
{
  public:
    BOOL CanClear(CGXGridCore* pGrid) override;
    BOOL Clear(CGXGridCore* pGrid, BOOL bStyles) override;
    BOOL ClearCells(CGXGridCore* pGrid, const CGXRangeList& ranges, BOOL bStyles) override;
};
