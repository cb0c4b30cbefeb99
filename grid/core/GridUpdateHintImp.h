// Keeps the other views of a grid's document in step with the current cell: a move of the
// current cell and the storing of its edits are repeated by each other view. The other hints of
// the interface are not sent yet (its defaults do nothing). One per grid, owned by the grid's
// list of components.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridHint;

class CGXGridUpdateHintImp : public CGXAbstractGridUpdateHintImp
{
  public:
    // Receiving: carries out a hint another view sent; TRUE when it was one of ours.
    BOOL OnGridUpdate(CGXGridCore* pGrid, CObject* pHint) override;

    // Sending
    void HintCurrentCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT flags) override;
    BOOL HintTransferCurrentCell(CGXGridCore* pGrid, BOOL bSave, UINT flags) override;

  private:
    static void Send(CGXGridCore* pGrid, CGXGridHint& hint);
};
