// Copying and moving blocks of cells inside a grid through its data object.
#include "grid/core/GridDirectCopyMoveCellsImp.h"
#include "grid/core/Data.h"
#include "grid/core/DataCopyMoveCellsImp.h"
#include "grid/core/GridCore.h"
#include "grid/core/LongOperation.h"
#include "GridIds.h"

void CGXGridCore::InstallDirectCopyMoveCellsImp()
{
    if (m_pDirectCopyMoveCellsImp != NULL)
        return;
    GXInstallDataCopyMoveCellsImp();
    m_pDirectCopyMoveCellsImp = new CGXGridDirectCopyMoveCellsImp;
    AddOwnedImp(m_pDirectCopyMoveCellsImp);
}

namespace
{
// The block cut so that its destination stays inside the grid; FALSE when nothing is left.
BOOL FitBlock(CGXGridCore* pGrid, CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol)
{
    ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    if (nToRow > nRows || nToCol > nCols || !range.IsCells())
        return FALSE;
    range.bottom = std::min(range.bottom, range.top + (nRows - nToRow));
    range.right = std::min(range.right, range.left + (nCols - nToCol));
    return TRUE;
}

CGXCellRange Destination(const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol)
{
    return CGXCellRange(nToRow, nToCol, nToRow + (range.bottom - range.top),
                        nToCol + (range.right - range.left));
}
} // namespace

BOOL CGXGridDirectCopyMoveCellsImp::CopyCells(CGXGridCore* pGrid, const CGXCellRange& rangeIn, ROWCOL nToRow,
                                              ROWCOL nToCol, UINT flags)
{
    CGXCellRange range = rangeIn;
    if (pGrid->IsReadOnly() || !FitBlock(pGrid, range, nToRow, nToCol))
        return FALSE;
    CString strText;
    strText.LoadString(GX_IDS_COPY);
    CGXLongOperation op;
    op.SetStatusText(strText);
    pGrid->BeginTrans(strText);
    CGXCellRange dest = Destination(range, nToRow, nToCol);
    BOOL bOk = pGrid->StoreCopyCells(range, nToRow, nToCol);
    if (!bOk)
    {
        pGrid->Rollback();
        return FALSE;
    }
    pGrid->CommitTrans();
    pGrid->InvalidateFloatedCells(dest);
    pGrid->InvalidateMergedCells(dest);
    pGrid->SetModifiedFlag(TRUE);
    pGrid->m_bCurrentCellStyleValid = FALSE;
    pGrid->RedrawRange(dest.top, dest.left, dest.bottom, dest.right, flags, FALSE);
    return TRUE;
}

BOOL CGXGridDirectCopyMoveCellsImp::StoreCopyCells(CGXGridCore* pGrid, const CGXCellRange& range,
                                                   ROWCOL nToRow, ROWCOL nToCol)
{
    CGXData* pData = pGrid->GetParam()->GetData();
    return pData == NULL || pData->CopyCells(range, nToRow, nToCol);
}

BOOL CGXGridDirectCopyMoveCellsImp::MoveCells(CGXGridCore* pGrid, const CGXCellRange& rangeIn, ROWCOL nToRow,
                                              ROWCOL nToCol, UINT flags)
{
    CGXCellRange range = rangeIn;
    if (pGrid->IsReadOnly() || pGrid->GetParam()->GetData() == NULL ||
        !FitBlock(pGrid, range, nToRow, nToCol))
        return FALSE;
    CString strText;
    strText.LoadString(GX_IDS_MOVE);
    CGXLongOperation op;
    op.SetStatusText(strText);
    CGXCellRange dest = Destination(range, nToRow, nToCol);
    if (!pGrid->GetParam()->m_bRedrawLocked)
    {
        pGrid->RedrawRange(range.top, range.left, range.bottom, range.right, GX_INVALIDATE, FALSE);
        pGrid->RedrawRange(dest.top, dest.left, dest.bottom, dest.right, GX_INVALIDATE, FALSE);
    }
    if (pGrid->StoreMoveCells(range, nToRow, nToCol))
    {
        pGrid->InvalidateFloatedCells(range);
        pGrid->InvalidateFloatedCells(dest);
        pGrid->InvalidateMergedCells(range);
        pGrid->InvalidateMergedCells(dest);
        pGrid->SetModifiedFlag(TRUE);
        pGrid->m_bCurrentCellStyleValid = FALSE;
    }
    pGrid->RedrawRange(range.top, range.left, range.bottom, range.right, flags, FALSE);
    pGrid->RedrawRange(dest.top, dest.left, dest.bottom, dest.right, flags, FALSE);
    return TRUE;
}

BOOL CGXGridDirectCopyMoveCellsImp::StoreMoveCells(CGXGridCore* pGrid, const CGXCellRange& range,
                                                   ROWCOL nToRow, ROWCOL nToCol)
{
    CGXData* pData = pGrid->GetParam()->GetData();
    return pData == NULL || pData->MoveCells(range, nToRow, nToCol);
}
