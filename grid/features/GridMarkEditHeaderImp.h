// Marks the headers of the current cell: the row header and the column header that head it are
// repainted when the current cell moves and drawn pushed, as is the header of a row or column
// being resized.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridMarkEditHeaderImp : public CGXAbstractGridMarkEditHeaderImp
{
  public:
    void MarkEditHeader(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nMode, UINT flags) override;
    BOOL IsMarkedHeader(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
};
