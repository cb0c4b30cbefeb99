// The cells a move overwrote, kept for its undo.
#include "grid/core/DataUndoMoveCellsInfo.h"
#include "grid/core/Style.h"

IMPLEMENT_DYNAMIC(CGXDataUndoMoveCellsInfo, CObject)

CGXDataUndoMoveCellsInfo::~CGXDataUndoMoveCellsInfo()
{
    DeleteCells();
}

void CGXDataUndoMoveCellsInfo::AddCell(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle)
{
    m_pCells = new Cell{m_pCells, nRow, nCol, pStyle};
}

CGXDataUndoMoveCellsInfo::Cell* CGXDataUndoMoveCellsInfo::DetachCells()
{
    Cell* p = m_pCells;
    m_pCells = NULL;
    return p;
}

void CGXDataUndoMoveCellsInfo::AttachCells(Cell* pCells)
{
    DeleteCells();
    m_pCells = pCells;
}

void CGXDataUndoMoveCellsInfo::DeleteCells()
{
    while (Cell* p = m_pCells)
    {
        m_pCells = p->pNext;
        delete p->pStyle;
        delete p;
    }
}
