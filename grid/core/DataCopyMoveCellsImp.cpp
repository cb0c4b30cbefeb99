// Blocks of cell styles copied or moved inside a data object. A copy reads the source whole
// before writing, so overlapping blocks come out right; a move hands the styles over and keeps
// what it overwrote for its undo.
#include "grid/core/DataCopyMoveCellsImp.h"
#include "grid/core/AppData.h"
#include "grid/core/CellRange.h"
#include "grid/core/Data.h"
#include "grid/core/DataUndoMoveCellsInfo.h"
#include "grid/core/Style.h"
#include <algorithm>
#include <memory>
#include <vector>

void AFXAPI GXInstallDataCopyMoveCellsImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pDataCopyMoveCellsImp != NULL)
        return;
    pAppData->m_pDataCopyMoveCellsImp = new CGXDataCopyMoveCellsImp;
    pAppData->AddComponent(pAppData->m_pDataCopyMoveCellsImp);
}

namespace
{
using StyleBlock = std::vector<std::unique_ptr<CGXStyle>>;

StyleBlock ReadBlock(CGXData& data, const CGXCellRange& range)
{
    StyleBlock block;
    for (ROWCOL r = range.top; r <= range.bottom; r++)
        for (ROWCOL c = range.left; c <= range.right; c++)
        {
            std::unique_ptr<CGXStyle> p(new CGXStyle);
            if (!data.GetStyleRowCol(r, c, *p, gxCopy, 0))
                p.reset();
            block.push_back(std::move(p));
        }
    return block;
}

BOOL WriteBlock(CGXData& data, const StyleBlock& block, const CGXCellRange& range, ROWCOL nDestRow,
                ROWCOL nDestCol)
{
    size_t i = 0;
    for (ROWCOL r = 0; r <= range.bottom - range.top; r++)
        for (ROWCOL c = 0; c <= range.right - range.left; c++, i++)
            if (!data.StoreStyleRowCol(nDestRow + r, nDestCol + c, block[i].get(), gxCopy, 0))
                return FALSE;
    return TRUE;
}
} // namespace

BOOL CGXDataCopyMoveCellsImp::CopyCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow,
                                        ROWCOL nDestCol)
{
    return WriteBlock(data, ReadBlock(data, range), range, nDestRow, nDestCol);
}

namespace
{
// The cell array of a row, created when missing (the rows array grows past the row count).
CGXStylePtrArray& RowOf(CGXData& data, ROWCOL nRow)
{
    CGXStylePtrArrayPtrArray& rows = data.m_apapCellStyle;
    if ((INT_PTR)nRow >= rows.GetSize())
        rows.SetSize(std::max<INT_PTR>((INT_PTR)nRow + 1, (INT_PTR)data.m_nRows + 1));
    if (rows.GetRow((INT_PTR)nRow) == NULL)
        rows.SetAt((INT_PTR)nRow, new CGXStylePtrArray);
    return *rows.GetRow((INT_PTR)nRow);
}

// Stores pStyle (taken) into a cell, deleting what stood there.
void PutCell(CGXData& data, ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle)
{
    CGXStylePtrArray& row = RowOf(data, nRow);
    if ((INT_PTR)nCol >= row.GetSize())
        row.SetSize(std::max<INT_PTR>((INT_PTR)nCol + 1, (INT_PTR)data.m_nCols + 1));
    delete row.GetStyle((INT_PTR)nCol);
    row.SetAt((INT_PTR)nCol, pStyle);
}

// Takes the style out of a cell (NULL when the cell is empty).
CGXStyle* TakeCell(CGXData& data, ROWCOL nRow, ROWCOL nCol)
{
    CGXStylePtrArray* pRow = data.m_apapCellStyle.GetRow((INT_PTR)nRow);
    CGXStyle* pStyle = pRow != NULL ? pRow->GetStyle((INT_PTR)nCol) : NULL;
    if (pStyle != NULL)
        pRow->SetAt((INT_PTR)nCol, NULL);
    return pStyle;
}
} // namespace

BOOL CGXDataCopyMoveCellsImp::MoveCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow,
                                        ROWCOL nDestCol, CObject*& pUndoInfo, BOOL bCreateUndoInfo, int)
{
    // Taken out first, so that a block moved onto itself keeps its cells.
    CGXDataUndoMoveCellsInfo moving;
    for (ROWCOL r = range.top; r <= range.bottom; r++)
        for (ROWCOL c = range.left; c <= range.right; c++)
            if (CGXStyle* p = TakeCell(data, r, c))
                moving.AddCell(r - range.top + nDestRow, c - range.left + nDestCol, p);
    CGXDataUndoMoveCellsInfo overwritten;
    for (ROWCOL r = nDestRow; r <= nDestRow + (range.bottom - range.top); r++)
        for (ROWCOL c = nDestCol; c <= nDestCol + (range.right - range.left); c++)
            if (CGXStyle* p = TakeCell(data, r, c))
            {
                if (bCreateUndoInfo)
                    overwritten.AddCell(r, c, p);
                else
                    delete p;
            }
    for (auto* p = moving.m_pCells; p != NULL; p = p->pNext)
    {
        PutCell(data, p->nRow, p->nCol, p->pStyle);
        p->pStyle = NULL;
    }
    // Moving back: what the earlier move overwrote comes back.
    CGXDataUndoMoveCellsInfo* pBack = dynamic_cast<CGXDataUndoMoveCellsInfo*>(pUndoInfo);
    if (pBack != NULL)
    {
        for (auto* p = pBack->m_pCells; p != NULL; p = p->pNext)
        {
            PutCell(data, p->nRow, p->nCol, p->pStyle);
            p->pStyle = NULL;
        }
        pBack->DeleteCells();
    }
    if (bCreateUndoInfo)
    {
        if (pBack == NULL && pUndoInfo == NULL)
            pUndoInfo = pBack = new CGXDataUndoMoveCellsInfo;
        if (pBack != NULL)
            pBack->AttachCells(overwritten.DetachCells());
    }
    return TRUE;
}
