// The freeze and unfreeze commands for rows and columns: the single block of selected columns
// (rows) moves to the front and is frozen; unfreezing moves it back to where it stood.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridFreezeMenuHelperImp : public CGXAbstractGridFreezeMenuHelperImp
{
  public:
    BOOL CanFreezeCols(CGXGridCore* pGrid) override;
    BOOL CanUnfreezeCols(CGXGridCore* pGrid) override;
    void FreezeCols(CGXGridCore* pGrid) override;
    void UnfreezeCols(CGXGridCore* pGrid) override;
    BOOL CanFreezeRows(CGXGridCore* pGrid) override;
    BOOL CanUnfreezeRows(CGXGridCore* pGrid) override;
    void FreezeRows(CGXGridCore* pGrid) override;
    void UnfreezeRows(CGXGridCore* pGrid) override;

    // Implementation: one body for rows and columns, bRows selecting the twin.
    static BOOL CanFreeze(CGXGridCore* pGrid, BOOL bRows);
    static void Freeze(CGXGridCore* pGrid, BOOL bRows);
};
