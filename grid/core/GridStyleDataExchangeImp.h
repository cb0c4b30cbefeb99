// Cells as an archive of their styles (the grid's own clipboard format) and such an archive
// pasted back. One per grid, owned by the grid's list of components.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridStyleDataExchangeImp : public CGXAbstractGridStyleDataExchangeImp
{
  public:
    BOOL CopyCellsToArchive(CGXGridCore* pGrid, CArchive& ar, const CGXRangeList& ranges,
                            BOOL bComposed) override;
    BOOL GetCopyStyleRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXStyle& style,
                            BOOL bComposed) override;
    BOOL PasteCellsFromArchive(CGXGridCore* pGrid, CArchive& ar, const CGXCellRange& range,
                               BOOL bNoSizeCheck) override;

    // Largest block in either direction, and the bound on its cell count.
    enum : DWORD
    {
        maxBlockSide = 0x7FFF,
        maxBlockCells = 0x3FFFFFFF
    };
};
