// Resize to fit: rows get the height, columns the width, that their cells' contents need, each
// run one undo step. The cells measure themselves through their controls. No state.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridResizeToFitImp : public CGXAbstractGridResizeToFitImp
{
  public:
    BOOL ResizeRowHeightsToFit(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bCoveredCells,
                               UINT flags) override;
    BOOL ResizeColWidthsToFit(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bCoveredCells,
                              UINT flags) override;

    // Implementation: one body for both, bRows selecting the twin.
    static BOOL ResizeToFit(CGXGridCore* pGrid, BOOL bRows, const CGXCellRange& range, BOOL bCoveredCells,
                            UINT flags);
};
