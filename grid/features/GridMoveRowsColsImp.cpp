// Moving rows and columns.
#include "grid/features/GridMoveRowsColsImp.h"
#include "grid/core/Control.h"
#include "grid/core/Data.h"
#include "grid/core/FrameHideGuard.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "GridIds.h"
#include <algorithm>

void CGXGridCore::InstallMoveRowsColsImp()
{
    if (m_pMoveRowsColsImp != NULL)
        return;
    m_pMoveRowsColsImp = new CGXGridMoveRowsColsImp;
    AddOwnedImp(m_pMoveRowsColsImp);
}

BOOL CGXGridMoveRowsColsImp::IsValidMove(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast,
                                         ROWCOL nDest)
{
    // A block past the end or a destination beyond it would grow the data without bound.
    ROWCOL nCount = bRows ? pGrid->GetRowCount() : pGrid->GetColCount();
    return nFirst >= 1 && nFirst <= nLast && nLast <= nCount && nDest >= 1 && nDest != nFirst &&
           nDest <= nCount - (nLast - nFirst);
}

ROWCOL CGXGridMoveRowsColsImp::MovedIndex(ROWCOL n, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    ROWCOL nSize = nLast - nFirst + 1;
    if (n >= nFirst && n <= nLast)
        return n - nFirst + nDest;
    if (nDest < nFirst && n >= nDest && n < nFirst)
        return n + nSize;
    if (nDest > nFirst && n > nLast && n < nDest + nSize)
        return n - nSize;
    return n;
}

BOOL CGXGridMoveRowsColsImp::Move(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest,
                                  UINT flags, int ctCmd)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL || !IsValidMove(pGrid, bRows, nFirst, nLast, nDest) || !pGrid->TransferCurrentCell())
        return FALSE;
    CGXFrameHideGuard frame(pGrid);
    if (ctCmd == gxDo)
        pGrid->BeginTrans(pGrid->m_pAppData->GetLibraryText(bRows ? GX_IDS_MOVEROWS : GX_IDS_MOVECOLS));
    BOOL bUndo = pGrid->m_pUndoImp != NULL && ctCmd != gxRollback && pParam->IsUndoEnabled();

    // Covered ranges whose top row (left column) the move renumbers: kept for undo, drawn anew.
    if (ctCmd == gxDo)
    {
        POSITION pos = pParam->m_CoveredCellsList.GetHeadPosition();
        while (pos != NULL)
        {
            const CGXCellRange* r = (const CGXCellRange*)pParam->m_CoveredCellsList.GetNext(pos);
            ROWCOL t = bRows ? r->top : r->left;
            if ((t < nFirst && nDest <= t) ||
                (t >= nFirst && t <= nLast && (nDest < nFirst || nDest > nLast)) || (t > nLast && t < nDest))
            {
                if (bUndo)
                {
                    pGrid->AddCommand(
                        pGrid->m_pUndoImp->CreateSetCoveredCellsCmd(r->top, r->left, r->bottom, r->right),
                        ctCmd);
                    pGrid->AddCommand(
                        pGrid->m_pUndoImp->CreateSetCoveredCellsCmd(r->top, r->left, r->top, r->left), ctCmd);
                }
                flags = (flags | GX_INVALIDATE) & ~(UINT)(GX_UPDATENOW | 4);
            }
        }
    }

    BOOL bOldRecord = bUndo ? pGrid->SetRecordUndoInfo(TRUE) : FALSE;
    BOOL bStored =
        bRows ? pGrid->StoreMoveRows(nFirst, nLast, nDest) : pGrid->StoreMoveCols(nFirst, nLast, nDest);
    if (bUndo)
        pGrid->SetRecordUndoInfo(bOldRecord);
    if (!bStored)
    {
        pGrid->DiscardUndoInfo();
        if (ctCmd == gxDo)
            pGrid->Rollback();
        return FALSE;
    }
    if (bRows)
        pGrid->UpdateMoveRows(nFirst, nLast, nDest, flags, TRUE);
    else
        pGrid->UpdateMoveCols(nFirst, nLast, nDest, flags, TRUE);
    if (bUndo)
    {
        ROWCOL nBackLast = nDest + (nLast - nFirst);
        pGrid->AddCommand(bRows ? pGrid->m_pUndoImp->CreateMoveRowsCmd(nDest, nBackLast, nFirst)
                                : pGrid->m_pUndoImp->CreateMoveColsCmd(nDest, nBackLast, nFirst),
                          ctCmd);
        if (ctCmd == gxUndo || ctCmd == gxRedo)
        {
            ROWCOL nRow = 0, nCol = 0;
            pGrid->GetCurrentCell(nRow, nCol);
            pGrid->MoveToUndoCell(bRows ? nDest : nRow, bRows ? nCol : nDest);
        }
    }
    if (ctCmd == gxDo)
        pGrid->CommitTrans();
    return TRUE;
}

BOOL CGXGridMoveRowsColsImp::Store(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest,
                                   BOOL bForce)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL || !IsValidMove(pGrid, bRows, nFirst, nLast, nDest))
        return FALSE;
    CGXData* pData = pParam->GetData();
    if (pData != NULL)
    {
        BOOL bMoved = bRows ? pData->MoveRows(nFirst, nLast, nDest) : pData->MoveCols(nFirst, nLast, nDest);
        if (!(bMoved || bForce))
            return FALSE;
    }
    pGrid->SetModifiedFlag();
    if (pGrid->m_pHideCellsImp != NULL)
    {
        if (bRows)
            pGrid->m_pHideCellsImp->MoveRows(pGrid, nFirst, nLast, nDest);
        else
            pGrid->m_pHideCellsImp->MoveCols(pGrid, nFirst, nLast, nDest);
    }
    if (bRows)
    {
        pParam->m_RowHeights.MoveRange(nFirst, nLast, nDest);
        pParam->m_SelectedRanges.AdjustForMovedRows(nFirst, nLast, nDest, pGrid->GetRowCount());
        pParam->m_CoveredCellsList.AdjustForMovedRows(nFirst, nLast, nDest, pGrid->GetRowCount());
    }
    else
    {
        pParam->m_ColWidths.MoveRange(nFirst, nLast, nDest);
        pParam->m_SelectedRanges.AdjustForMovedCols(nFirst, nLast, nDest, pGrid->GetColCount());
        pParam->m_CoveredCellsList.AdjustForMovedCols(nFirst, nLast, nDest, pGrid->GetColCount());
    }
    pParam->RebuildCoveredCellPool();
    MoveSpans(pGrid, bRows, nFirst, nLast, nDest);
    return TRUE;
}

// The floated and merged spans of the moved lines. A pool keyed along the move takes the move;
// the others drop their spans from the first changed line on, and those lines are evaluated
// again.
void CGXGridMoveRowsColsImp::MoveSpans(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast,
                                       ROWCOL nDest)
{
    CGXAbstractSpanCellPoolImp* pImp = pGrid->m_pAppData->m_pSpanCellPoolImp;
    CGXGridParam* pParam = pGrid->GetParam();
    if (pImp == NULL)
        return;
    ROWCOL nFrom = std::min(nFirst, nDest), nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    auto move = [&](CObject* pPool) {
        if (bRows)
            pImp->MoveRows(pPool, nFirst, nLast, nDest);
        else
            pImp->MoveCols(pPool, nFirst, nLast, nDest);
    };
    auto drop = [&](CObject* pPool) {
        if (bRows)
            pImp->RemoveRows(pPool, nFrom, GX_LAST_POOL_LINE);
        else
            pImp->RemoveCols(pPool, nFrom, GX_LAST_POOL_LINE);
    };
    CGXCellRange changed =
        bRows ? CGXCellRange(nFrom, 0, nRows, nCols) : CGXCellRange(0, nFrom, nRows, nCols);
    if (pParam->m_wFloatCellsMode != 0)
    {
        for (CObject* pPool : {pParam->m_pFloatCellsPool, pParam->m_pPrintFloatCellsPool})
            if (bRows)
                move(pPool);
            else
                drop(pPool);
        if (!bRows)
            pGrid->InvalidateFloatedCells(changed);
    }
    if (pParam->m_wMergeCellsMode != 0)
    {
        if (bRows)
        {
            drop(pParam->m_pHorzMergeCellsPool);
            move(pParam->m_pVertMergeCellsPool);
        }
        else
        {
            move(pParam->m_pHorzMergeCellsPool);
            drop(pParam->m_pVertMergeCellsPool);
        }
        pGrid->InvalidateMergedCells(changed);
    }
}

void CGXGridMoveRowsColsImp::Update(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest,
                                    UINT flags, BOOL bCreateHint)
{
    pGrid->ResetLastVisibleCache();
    // The current cell stays on its data.
    ROWCOL nRow, nCol;
    if (pGrid->GetCurrentCell(nRow, nCol))
    {
        ROWCOL nNewRow = bRows ? MovedIndex(nRow, nFirst, nLast, nDest) : nRow;
        ROWCOL nNewCol = bRows ? nCol : MovedIndex(nCol, nFirst, nLast, nDest);
        CGXControl* pControl = pGrid->GetControl(nRow, nCol);
        pGrid->StoreCurrentCell(TRUE, nNewRow, nNewCol);
        if (pControl != NULL && pControl->IsActive())
            pControl->Init(nNewRow, nNewCol);
    }
    CGXGridParam* pParam = pGrid->GetParam();
    // The other views of the data repeat the move's update.
    if (bCreateHint && pGrid->IsHintsEnabled())
    {
        if (bRows)
            pGrid->m_pUpdateHintImp->HintMoveRows(pGrid, nFirst, nLast, nDest, flags);
        else
            pGrid->m_pUpdateHintImp->HintMoveCols(pGrid, nFirst, nLast, nDest, flags);
    }
    if (pParam->m_bRedrawLocked || (flags & 7) == 0)
        return;
    // Everything from the first changed row (column) on is drawn anew.
    ROWCOL nFrom = std::min(nFirst, nDest);
    BOOL bFrozen = bRows ? nFrom <= pGrid->GetFrozenRows() : nFrom <= pGrid->GetFrozenCols();
    if ((flags & GX_INVALIDATE) != 0 || bFrozen || pParam->m_wFloatCellsMode != 0 ||
        pParam->m_wMergeCellsMode != 0)
        pGrid->RedrawAll(flags, FALSE);
    else if (bRows)
        pGrid->RedrawRange(nFrom, 0, pGrid->GetRowCount(), pGrid->GetColCount(), flags, FALSE);
    else
        pGrid->RedrawRange(0, nFrom, pGrid->GetRowCount(), pGrid->GetColCount(), flags, FALSE);
    pGrid->UpdateScrollbars((flags & GX_UPDATENOW) == 0, FALSE);
}

BOOL CGXGridMoveRowsColsImp::StoreMoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest,
                                           BOOL bForce)
{
    return Store(pGrid, TRUE, nFirst, nLast, nDest, bForce);
}

BOOL CGXGridMoveRowsColsImp::StoreMoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest,
                                           BOOL bForce)
{
    return Store(pGrid, FALSE, nFirst, nLast, nDest, bForce);
}

void CGXGridMoveRowsColsImp::UpdateMoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest,
                                            UINT flags, BOOL bCreateHint)
{
    Update(pGrid, TRUE, nFirst, nLast, nDest, flags, bCreateHint);
}

void CGXGridMoveRowsColsImp::UpdateMoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest,
                                            UINT flags, BOOL bCreateHint)
{
    Update(pGrid, FALSE, nFirst, nLast, nDest, flags, bCreateHint);
}

BOOL CGXGridMoveRowsColsImp::MoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest,
                                      UINT flags, int ctCmd)
{
    return Move(pGrid, TRUE, nFirst, nLast, nDest, flags, ctCmd);
}

BOOL CGXGridMoveRowsColsImp::MoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest,
                                      UINT flags, int ctCmd)
{
    return Move(pGrid, FALSE, nFirst, nLast, nDest, flags, ctCmd);
}
