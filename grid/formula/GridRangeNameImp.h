// The grid's range-name component: defines, reads and deletes the formula sheet's named
// ranges for a grid, refusing changes to a read-only grid and recording undo commands. Created
// once per grid by CGXGridCore::EnableFormulaEngine and owned by the grid.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridRangeNameImp : public CGXAbstractGridRangeNameImp
{
  public:
    BOOL SetRangeName(CGXGridCore* pGrid, LPCTSTR pszName, const CGXCellRange& range, CObject* pUndoInfo,
                      UINT flags, int ctCmd) override;
    BOOL GetRangeName(CGXGridCore* pGrid, LPCTSTR pszName, CGXCellRange& range) override;
    BOOL DeleteRangeName(CGXGridCore* pGrid, LPCTSTR pszName, UINT flags, int ctCmd) override;
};
