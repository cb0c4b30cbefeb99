// Puts the rows or columns of a data object into a sorted order.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridSortMoveDataImp : public CGXAbstractGridSortMoveDataImp
{
  public:
    // awOrder[i] is the old position, counted from nFirst, of what goes to position i.
    BOOL MoveDataRows(CGXData& data, const CDWordArray& awOrder, ROWCOL nFirst) override;
    BOOL MoveDataCols(CGXData& data, const CDWordArray& awOrder, ROWCOL nFirst) override;

    // Implementation
    // Reorders entries nFirst.. of an array of pointers; entries beyond its end are empty.
    static void Permute(CPtrArray& array, const CDWordArray& awOrder, ROWCOL nFirst);
};

// Installs the library-wide component (once).
void AFXAPI GXInstallSortMoveDataImp();
