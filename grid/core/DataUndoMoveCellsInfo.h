// What a move of cells overwrote at its destination: a list of cells with their styles, put
// back when the move is undone.
#pragma once
#include "grid/core/GridTypes.h"

class CGXStyle;

class CGXDataUndoMoveCellsInfo : public CObject
{
    DECLARE_DYNAMIC(CGXDataUndoMoveCellsInfo)

  public:
    struct Cell
    {
        Cell* pNext;
        ROWCOL nRow;
        ROWCOL nCol;
        CGXStyle* pStyle; // owned
    };

    CGXDataUndoMoveCellsInfo() = default;
    ~CGXDataUndoMoveCellsInfo() override;
    CGXDataUndoMoveCellsInfo(const CGXDataUndoMoveCellsInfo&) = delete;
    CGXDataUndoMoveCellsInfo& operator=(const CGXDataUndoMoveCellsInfo&) = delete;

    // Takes pStyle.
    void AddCell(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle);
    // Gives the list away; the information is empty afterwards.
    Cell* DetachCells();
    // Deletes the current list and takes pCells.
    void AttachCells(Cell* pCells);
    void DeleteCells();

    Cell* m_pCells = NULL;
};
