// Which covered range holds a cell: for every cell of a covered range the position of that
// range in the parameter object's covered-cell list. Owned by the parameter object.
#pragma once
#include "grid/core/GridComponents.h"
#include "grid/core/PtrArrayPtrArray.h"

class CGXCoveredCellPool : public CObject
{
  public:
    CGXCoveredCellPool() = default;

    // The list position of the range holding the cell, or NULL.
    POSITION LookupCell(ROWCOL nRow, ROWCOL nCol) const;
    // With a position: writes it into the range (FALSE for a single cell, or when a cell of the
    // left column belongs to another range; nothing is written then). With NULL: clears, in
    // every row of the range, the run of the range found at the left column.
    BOOL SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, POSITION pos);
    void RemoveAll();

    // Implementation
    CGXPtrArrayPtrArray m_rows; // [row][column]: list position

  private:
    CGXCoveredCellPool(const CGXCoveredCellPool&) = delete;
    CGXCoveredCellPool& operator=(const CGXCoveredCellPool&) = delete;
};

// Makes covered-cell pools and fills them from range lists.
class CGXCoveredCellPoolImp : public CGXAbstractCoveredCellPoolImp
{
  public:
    CObject* CreatePool() override;
    void InitFromRangeList(CObject* pPool, const CGXRangeList& list) override;
};

void AFXAPI GXInstallCoveredCellPoolImp();
