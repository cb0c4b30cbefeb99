// Covered cells: the ranges, their pool, redrawing and undo.
#include "grid/features/GridCoveredCellsImp.h"
#include "grid/core/GridCore.h"
#include "grid/features/CoveredCellPool.h"
#include <algorithm>

void CGXGridCore::InstallCoveredCellsImp()
{
    if (m_pCoveredCellsImp == NULL)
    {
        m_pCoveredCellsImp = new CGXGridCoveredCellsImp;
        AddOwnedImp(m_pCoveredCellsImp);
    }
    GXInstallCoveredCellPoolImp();
    if (m_pParam != NULL)
    {
        m_pParam->CreateCoveredCellPool();
        m_pParam->RebuildCoveredCellPool();
    }
    InstallDrawSpannedCellsImp();
}

namespace
{
const ROWCOL coverLimit = 2147483647; // cells at or beyond it are never covered

// Cells beyond the grid are never drawn: a range reaching past it (a damaged workbook's merge
// over 65,000 columns) covers only what the grid has. FALSE when nothing is left to cover.
BOOL ClipToGrid(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL& nToRow, ROWCOL& nToCol)
{
    nToRow = std::min(nToRow, pGrid->GetRowCount());
    nToCol = std::min(nToCol, pGrid->GetColCount());
    return nRow <= nToRow && nCol <= nToCol;
}
} // namespace

CGXCoveredCellPool* CGXGridCoveredCellsImp::Pool(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL)
        return NULL;
    if (pParam->m_pCoveredCellPool == NULL)
    {
        pParam->CreateCoveredCellPool();
        pParam->RebuildCoveredCellPool();
    }
    return (CGXCoveredCellPool*)pParam->m_pCoveredCellPool;
}

POSITION CGXGridCoveredCellsImp::FindRange(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
{
    CGXCoveredCellPool* pPool = Pool(pGrid);
    if (pPool != NULL)
        return pPool->LookupCell(nRow, nCol);
    return pGrid->GetParam() != NULL ? pGrid->GetParam()->m_CoveredCellsList.FindRangeWithCell(nRow, nCol)
                                     : NULL;
}

CGXCellRange* CGXGridCoveredCellsImp::GetCoveredRangeAt(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                        CGXCellRange& range)
{
    if (nRow >= coverLimit || nCol >= coverLimit)
        return NULL;
    POSITION pos = FindRange(pGrid, nRow, nCol);
    if (pos == NULL)
        return NULL;
    range = *pGrid->GetParam()->m_CoveredCellsList.GetAt(pos);
    return &range;
}

BOOL CGXGridCoveredCellsImp::PutCoveredRange(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                             ROWCOL nToCol, BOOL bSet)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL || nToRow >= coverLimit || nToCol >= coverLimit || nRow > nToRow || nCol > nToCol)
        return FALSE;
    if (bSet && !ClipToGrid(pGrid, nRow, nCol, nToRow, nToCol))
        return FALSE;
    if (pParam->m_bProtectReadOnly && bSet)
    {
        if (pGrid->IsReadOnly())
            return FALSE;
        for (ROWCOL r = nRow; r <= nToRow; r++)
            for (ROWCOL c = nCol; c <= nToCol; c++)
                if (pGrid->LookupStyleRowCol(r, c).GetReadOnly())
                    return FALSE;
    }
    CGXRangeList& list = pParam->m_CoveredCellsList;
    CGXCoveredCellPool* pPool = Pool(pGrid);
    POSITION pos = FindRange(pGrid, nRow, nCol);
    CGXCellRange* pRange = pos != NULL ? list.GetAt(pos) : NULL;
    BOOL bStartsHere = pRange != NULL && pRange->top == nRow && pRange->left == nCol;
    if (!bSet)
    {
        // Only the top-left cell removes its range.
        if (!bStartsHere)
            return FALSE;
        if (pPool != NULL)
            pPool->SetCells(pRange->top, pRange->left, pRange->bottom, pRange->right, NULL);
        list.DeleteAt(pos);
        return TRUE;
    }
    if (bStartsHere)
    {
        // The range takes the new extent.
        CGXCellRange old = *pRange;
        if (pPool != NULL)
        {
            pPool->SetCells(old.top, old.left, old.bottom, old.right, NULL);
            if (!pPool->SetCells(nRow, nCol, nToRow, nToCol, pos))
            {
                pPool->SetCells(old.top, old.left, old.bottom, old.right, pos);
                return FALSE;
            }
        }
        pRange->SetCells(nRow, nCol, nToRow, nToCol);
        return TRUE;
    }
    if (nRow == nToRow && nCol == nToCol)
        return FALSE;
    pos = list.AddTail(new CGXCellRange(nRow, nCol, nToRow, nToCol));
    if (pPool != NULL && !pPool->SetCells(nRow, nCol, nToRow, nToCol, pos))
    {
        list.DeleteAt(pos);
        return FALSE;
    }
    return TRUE;
}

BOOL CGXGridCoveredCellsImp::CoverCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                        ROWCOL nToCol, UINT flags, int ctCmd)
{
    if ((nToRow != nRow || nToCol != nCol) &&
        (!ClipToGrid(pGrid, nRow, nCol, nToRow, nToCol) || (nToRow == nRow && nToCol == nCol)))
        return FALSE;
    CGXCellRange old;
    ROWCOL nOldBottom = nRow, nOldRight = nCol;
    if (GetCoveredRangeAt(pGrid, nRow, nCol, old) != NULL && old.top == nRow && old.left == nCol)
    {
        nOldBottom = old.bottom;
        nOldRight = old.right;
    }
    if (!PutCoveredRange(pGrid, nRow, nCol, nToRow, nToCol, nToRow != nRow || nToCol != nCol))
        return FALSE;
    CGXCellRange area(nRow, nCol, std::max(nOldBottom, nToRow), std::max(nOldRight, nToCol));
    pGrid->InvalidateFloatedCells(area);
    pGrid->InvalidateMergedCells(area);
    pGrid->WidenByMergedCells(area);
    pGrid->WidenByFloatedCells(area);
    pGrid->SetModifiedFlag();
    pGrid->FreeObjectCache();
    RedrawCoveredRange(pGrid, area.top, area.left, area.bottom, area.right, flags, TRUE);
    CGXGridParam* pParam = pGrid->GetParam();
    if (pGrid->m_pUndoImp != NULL && ctCmd != gxRollback && pParam->IsUndoEnabled())
    {
        pGrid->AddCommand(pGrid->m_pUndoImp->CreateSetCoveredCellsCmd(nRow, nCol, nOldBottom, nOldRight),
                          ctCmd);
        if (ctCmd == gxUndo || ctCmd == gxRedo)
            pGrid->MoveToUndoCell(nRow, nCol);
    }
    return TRUE;
}

void CGXGridCoveredCellsImp::RedrawCoveredRange(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                ROWCOL nOldBottom, ROWCOL nOldRight, UINT flags,
                                                BOOL bCreateHint)
{
    // A current cell inside a covered range moves to its top-left cell.
    ROWCOL nCurRow, nCurCol;
    CGXCellRange span;
    if (pGrid->GetCurrentCell(nCurRow, nCurCol) && GetCoveredRangeAt(pGrid, nCurRow, nCurCol, span) != NULL &&
        (span.top != nCurRow || span.left != nCurCol))
        pGrid->SetCurrentCell(span.top, span.left, GX_NOREDRAW);
    if (!pGrid->GetParam()->m_bRedrawLocked)
        pGrid->RedrawRange(nRow, nCol, nOldBottom, nOldRight, flags, FALSE);
    if (bCreateHint && pGrid->IsHintsEnabled())
        pGrid->m_pUpdateHintImp->HintCoveredRange(pGrid, nRow, nCol, nOldBottom, nOldRight, flags);
}

void CGXGridCoveredCellsImp::WidenByCoveredCells(CGXGridCore* pGrid, CGXCellRange& range)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL || !range.IsCells())
        return;
    // A range taken in may reach further ones: until nothing grows.
    for (BOOL bGrown = TRUE; bGrown;)
    {
        bGrown = FALSE;
        POSITION pos = pParam->m_CoveredCellsList.GetHeadPosition();
        while (pos != NULL)
        {
            const CGXCellRange* pCovered = pParam->m_CoveredCellsList.GetNext(pos);
            CGXCellRange common;
            if (!common.Intersect(range, *pCovered))
                continue;
            CGXCellRange wider;
            wider.Union(range, *pCovered);
            if (wider != range)
            {
                range = wider;
                bGrown = TRUE;
            }
        }
    }
}

BOOL CGXGridCoveredCellsImp::CutRanges(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, BOOL bRows)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL)
        return FALSE;
    BOOL bOldLock = pParam->m_bRedrawLocked;
    pParam->m_bRedrawLocked = TRUE;
    BOOL bChanged = FALSE;
    CGXRangeList& list = pParam->m_CoveredCellsList;
    POSITION pos = list.GetHeadPosition();
    while (pos != NULL)
    {
        POSITION posThis = pos;
        CGXCellRange* pRange = list.GetNext(pos);
        ROWCOL& nStart = bRows ? pRange->top : pRange->left;
        ROWCOL& nEnd = bRows ? pRange->bottom : pRange->right;
        if (nStart >= nFirst && nStart <= nLast)
        {
            list.DeleteAt(posThis);
            bChanged = TRUE;
        }
        else if (nStart < nFirst && nEnd >= nFirst && nEnd <= nLast)
        {
            nEnd = nFirst - 1;
            bChanged = TRUE;
        }
    }
    if (bChanged)
        pParam->RebuildCoveredCellPool();
    pParam->m_bRedrawLocked = bOldLock;
    return bChanged;
}

BOOL CGXGridCoveredCellsImp::AdjustCoveredForRemovedRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast,
                                                         BOOL& bChanged, BOOL bSkip)
{
    if (bSkip)
        return FALSE;
    bChanged |= CutRanges(pGrid, nFirst, nLast, TRUE);
    return TRUE;
}

BOOL CGXGridCoveredCellsImp::AdjustCoveredForRemovedCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast,
                                                         BOOL& bChanged, BOOL bSkip)
{
    if (bSkip)
        return FALSE;
    bChanged |= CutRanges(pGrid, nFirst, nLast, FALSE);
    return TRUE;
}
