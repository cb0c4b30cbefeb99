// Moving blocks of rows and columns: data, sizes, selection and covered cells follow, the
// current cell stays on its data, the move is recorded for undo and repainted.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridMoveRowsColsImp : public CGXAbstractGridMoveRowsColsImp
{
  public:
    BOOL StoreMoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, BOOL bForce) override;
    void UpdateMoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags,
                        BOOL bCreateHint) override;
    BOOL StoreMoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, BOOL bForce) override;
    void UpdateMoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags,
                        BOOL bCreateHint) override;
    BOOL MoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags,
                  int ctCmd) override;
    BOOL MoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags,
                  int ctCmd) override;

    // Implementation: one body for rows and columns, bRows selecting the twin.
    // TRUE when the block and its destination lie inside the grid.
    static BOOL IsValidMove(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest);
    // Where row (column) n stands after the move.
    static ROWCOL MovedIndex(ROWCOL n, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest);
    static BOOL Move(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags,
                     int ctCmd);
    static BOOL Store(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, BOOL bForce);
    static void MoveSpans(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest);
    static void Update(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags,
                       BOOL bCreateHint);
};
