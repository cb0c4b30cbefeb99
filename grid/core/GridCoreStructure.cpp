// Row and column structure of the grid engine: counts, insertion and removal (public, store and
// update steps), frozen rows and columns, the top row and left column, and the mapping between
// absolute and client rows. Each step is written once over the row or column
// description; the row and column members forward to that body.
#include <algorithm>
#include "grid/core/GridAxis.h"
#include "grid/core/FrameHideGuard.h"
#include "grid/core/LongOperation.h"
#include "GridIds.h"
#include <vector>

ROWCOL CGXGridCore::GetRowCount()
{
    CGXData* pData = m_pParam != NULL ? m_pParam->GetData() : NULL;
    return pData != NULL ? pData->QueryRowCount() : 0;
}

ROWCOL CGXGridCore::GetColCount()
{
    CGXData* pData = m_pParam != NULL ? m_pParam->GetData() : NULL;
    return pData != NULL ? pData->QueryColumnCount() : 0;
}

BOOL CGXGridCore::IsStructureLocked()
{
    return m_pParam != NULL && m_pParam->m_bLockReadOnly && IsReadOnly();
}

BOOL CGXGridCore::StoreRowCount(ROWCOL nRows)
{
    CGXData* pData = m_pParam != NULL ? m_pParam->GetData() : NULL;
    if (IsStructureLocked() || pData == NULL || !pData->ResizeRowCount(nRows))
        return FALSE;
    SetModifiedFlag();
    return TRUE;
}

BOOL CGXGridCore::StoreColCount(ROWCOL nCols)
{
    CGXData* pData = m_pParam != NULL ? m_pParam->GetData() : NULL;
    if (IsStructureLocked() || pData == NULL || !pData->ResizeColumnCount(nCols))
        return FALSE;
    SetModifiedFlag();
    return TRUE;
}

namespace
{
void UpdateChangedCount(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nOldCount, UINT flags,
                        BOOL bCreateHint)
{
    ROWCOL nCount = (pGrid->*a.GetCount)();
    if (pGrid->m_bCurrentCellValid && pGrid->*a.pnCurrent > nCount)
        pGrid->StoreCurrentCell(FALSE);
    pGrid->ResetLastVisibleCache();
    CWnd* pWnd = pGrid->m_pGridWnd;
    if (!pGrid->IsLockUpdate() && (flags & 7) != 0 && pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
    {
        pGrid->UpdateScrollbars(FALSE, FALSE);
        ROWCOL nFirst = std::min(nOldCount, nCount);
        if (nFirst <= (pGrid->*a.GetLastVisible)(NULL))
        {
            CRect rect = pGrid->GetDrawingRect();
            ROWCOL nClient = (pGrid->*a.ToClient)(std::max(nFirst, (pGrid->*a.GetFirstShown)()));
            rect.*a.pnStart = (pGrid->*a.CalcClientStart)(nClient);
            pWnd->InvalidateRect(&rect);
            if (flags & GX_UPDATENOW)
                pWnd->UpdateWindow();
        }
    }
    if (bCreateHint && pGrid->IsHintsEnabled())
        (pGrid->m_pUpdateHintImp->*a.HintChangedCount)(pGrid, nOldCount, flags & 7);
}
} // namespace

void CGXGridCore::UpdateChangedRowCount(ROWCOL nOldRows, UINT flags, BOOL bCreateHint)
{
    UpdateChangedCount(this, CGXGridAxis::rows, nOldRows, flags, bCreateHint);
}

void CGXGridCore::UpdateChangedColCount(ROWCOL nOldCols, UINT flags, BOOL bCreateHint)
{
    UpdateChangedCount(this, CGXGridAxis::cols, nOldCols, flags, bCreateHint);
}

// -- One body per step over the row or the column description ------------------------------------

namespace
{
BOOL SetCount(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nNew, UINT flags)
{
    ROWCOL nOld = (pGrid->*a.GetCount)();
    if (nNew < nOld)
        return (pGrid->*a.Remove)(nNew + 1, nOld, flags, gxDo);
    if (nNew > nOld)
        return (pGrid->*a.Insert)(nOld + 1, nNew - nOld, NULL, NULL, NULL, 0, flags, gxDo);
    return TRUE;
}

// The floated and merged spans move with their cells (tell gets the pool component and a pool);
// merged cells from nFirst to the end are evaluated again. Floats run along rows and keep their
// start columns, which no pool renumbers: when columns come or go, the floats from nFirst on are
// dropped and evaluated again.
template <class F> void MoveSpans(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nFirst, F tell)
{
    CGXAbstractSpanCellPoolImp* pImp = pGrid->m_pAppData->m_pSpanCellPoolImp;
    CGXGridParam* pParam = pGrid->GetParam();
    if (pGrid->GetFloatingMode() != 0 && pImp != NULL)
    {
        for (CObject* pPool : {pParam->m_pFloatCellsPool, pParam->m_pPrintFloatCellsPool})
            if (a.bRows)
                tell(pImp, pPool);
            else
                pImp->RemoveCols(pPool, nFirst, GX_LAST_POOL_LINE);
        if (!a.bRows)
            pGrid->InvalidateFloatedCells(a.Lines(nFirst, (pGrid->*a.GetCount)()));
    }
    if (pGrid->GetMergingMode() != 0)
    {
        if (pImp != NULL)
            for (CObject* pPool : {pParam->m_pHorzMergeCellsPool, pParam->m_pVertMergeCellsPool})
                tell(pImp, pPool);
        pGrid->InvalidateMergedCells(a.Lines(nFirst, (pGrid->*a.GetCount)()));
    }
}

BOOL StoreInsert(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nFirst, ROWCOL nCount, BOOL bForce)
{
    if (pGrid->IsStructureLocked())
        return FALSE;
    CGXGridParam* pParam = pGrid->GetParam();
    CGXData* pData = pParam->GetData();
    if (pData != NULL && !(pData->*a.DataInsert)(nFirst, nCount) && !bForce)
        return FALSE;
    pGrid->SetModifiedFlag();
    if (pGrid->m_pHideCellsImp != NULL)
        (pGrid->m_pHideCellsImp->*a.HideInsert)(pGrid, nFirst, nCount);
    (pParam->*a.pSizes).InsertKeys(nFirst, nCount);
    for (CGXRangeList* pList :
         {&pParam->m_SelectedRanges, &pParam->m_CopiedRanges, &pParam->m_CoveredCellsList})
        (pList->*a.AdjustInserted)(nFirst, nCount);
    pParam->RebuildCoveredCellPool();
    MoveSpans(pGrid, a, nFirst, [&](CGXAbstractSpanCellPoolImp* pImp, CObject* pPool) {
        (pImp->*a.PoolInsert)(pPool, nFirst, nCount);
    });
    return TRUE;
}

// Covered blocks that the removal cuts or takes away look different outside the removed lines
// too. Their place is invalidated before anything moves: the optimised update scrolls the invalid
// area along with the pixels, which lands it where those lines are drawn afterwards.
void InvalidateCutCoveredCells(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nFirst, ROWCOL nLast)
{
    CWnd* pWnd = pGrid->GridWnd();
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL || pGrid->IsLockUpdate() || pGrid->IsPrinting())
        return;
    const CGXRangeList& list = pGrid->GetParam()->m_CoveredCellsList;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        const CGXCellRange* pRange = list.GetNext(pos);
        ROWCOL nStart = a.First(*pRange), nEnd = a.Last(*pRange);
        if (nStart <= nLast && nEnd >= nFirst && (nStart < nFirst || nEnd > nLast))
            pWnd->InvalidateRect(pGrid->CalcRangeClientRect(*pRange), TRUE);
    }
}

BOOL StoreRemove(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nFirst, ROWCOL nLast, BOOL bForce)
{
    if (pGrid->IsStructureLocked())
        return FALSE;
    ROWCOL nOldCount = (pGrid->*a.GetCount)();
    CGXGridParam* pParam = pGrid->GetParam();
    CGXData* pData = pParam->GetData();
    InvalidateCutCoveredCells(pGrid, a, nFirst, nLast);
    if (pData != NULL && !(pData->*a.DataRemove)(nFirst, nLast) && !bForce)
        return FALSE;
    pGrid->SetModifiedFlag();
    if (pGrid->m_pHideCellsImp != NULL)
        (pGrid->m_pHideCellsImp->*a.HideRemove)(pGrid, nFirst, nLast);
    (pParam->*a.pSizes).RemoveKeys(nFirst, nLast);
    for (CGXRangeList* pList : {&pParam->m_SelectedRanges, &pParam->m_CopiedRanges})
        (pList->*a.AdjustRemoved)(nFirst, nLast, nOldCount);
    BOOL bCoveredChanged = FALSE;
    if (pGrid->m_pCoveredCellsImp != NULL)
        (pGrid->m_pCoveredCellsImp->*a.CoveredRemoved)(pGrid, nFirst, nLast, bCoveredChanged, FALSE);
    (pParam->m_CoveredCellsList.*a.AdjustRemoved)(nFirst, nLast, nOldCount);
    pParam->RebuildCoveredCellPool();
    MoveSpans(pGrid, a, nFirst, [&](CGXAbstractSpanCellPoolImp* pImp, CObject* pPool) {
        (pImp->*a.PoolRemove)(pPool, nFirst, nLast);
    });
    return TRUE;
}

// Redraws after rows or columns came or went: the optimised-update component, when installed,
// moves what stayed and invalidates the rest while the scroll bars stay locked; without it
// everything is redrawn.
template <class F> void RedrawStructure(CGXGridCore* pGrid, UINT flags, F callComponent)
{
    if (pGrid->m_pOptimizedUpdateImp == NULL)
    {
        pGrid->RedrawAll(flags, FALSE);
        return;
    }
    BOOL bOldLock = pGrid->SetLockScrollbars(TRUE);
    UINT mode = flags;
    callComponent(pGrid->m_pOptimizedUpdateImp, &mode);
    pGrid->SetLockScrollbars(bOldLock);
}

// Moves the current cell to index n along the direction, keeping its other index.
void MoveCurrentTo(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL n)
{
    pGrid->StoreCurrentCell(TRUE, a.Row(n, pGrid->m_nCurrentRow), a.Col(n, pGrid->m_nCurrentCol));
}

void UpdateInsert(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nFirst, ROWCOL nCount, UINT flags,
                  BOOL bCreateHint)
{
    pGrid->ResetLastVisibleCache();
    ROWCOL nCurrent = pGrid->*a.pnCurrent;
    if (pGrid->m_bCurrentCellValid && nCurrent >= nFirst)
        MoveCurrentTo(pGrid, a, nCurrent + nCount);
    if (pGrid->*a.pnFirst == (pGrid->*a.GetFrozen)())
        (pGrid->*a.pnFirst)++;
    pGrid->FreeObjectCache();
    if (!pGrid->IsLockUpdate())
    {
        RedrawStructure(pGrid, flags, [&](CGXAbstractGridOptimizedUpdateImp* pImp, UINT* pMode) {
            a.OptimizedInsert(pImp, pGrid, nFirst, nCount, pMode);
        });
        if (flags & (GX_UPDATENOW | GX_SMART))
            pGrid->UpdateScrollbars(FALSE, FALSE);
    }
    // The plug-ins are not told: they hear only the grid window's messages, and no message
    // carries a change of the structure.
    if (bCreateHint && pGrid->IsHintsEnabled())
        (pGrid->m_pUpdateHintImp->*a.HintInsert)(pGrid, nFirst, nCount, flags);
}

void UpdateRemove(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nFirst, ROWCOL nLast, int* anOldSizes,
                  UINT flags, BOOL bCreateHint)
{
    pGrid->ResetLastVisibleCache();
    ROWCOL nCurrent = pGrid->*a.pnCurrent;
    if (pGrid->m_bCurrentCellValid && nCurrent >= nFirst && nCurrent <= nLast)
        pGrid->StoreCurrentCell(FALSE);
    else if (pGrid->m_bCurrentCellValid && nCurrent > nLast)
        MoveCurrentTo(pGrid, a, nCurrent - (nLast - nFirst + 1));
    pGrid->FreeObjectCache();
    if (!pGrid->IsLockUpdate())
    {
        RedrawStructure(pGrid, flags, [&](CGXAbstractGridOptimizedUpdateImp* pImp, UINT* pMode) {
            a.OptimizedRemove(pImp, pGrid, nFirst, nLast, anOldSizes, pMode);
        });
        pGrid->UpdateScrollbars(FALSE, FALSE);
    }
    if (bCreateHint && pGrid->IsHintsEnabled())
        (pGrid->m_pUpdateHintImp->*a.HintRemove)(pGrid, nFirst, nLast, anOldSizes, flags);
}

// The cell and line styles arrays hold the cells row by row: nCount rows of nOther columns, or
// nOther rows of nCount columns. An entry after the cells is the data object's undo information.
BOOL Insert(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nFirst, ROWCOL nCount, int* anSizes,
            CObArray* pCellsArray, CObArray* pLinesArray, ROWCOL nOther, UINT flags, int ctCmd)
{
    if (!pGrid->TransferCurrentCell())
        return FALSE;
    CGXFrameHideGuard frame(pGrid);
    CGXLongOperation op;
    CString strText = pGrid->m_pAppData->GetLibraryText(a.nInsertText);
    op.SetStatusText(strText, FALSE);
    if (ctCmd == gxDo)
        pGrid->BeginTrans(strText);
    CGXAbstractCommandFactory* pUndoImp = pGrid->m_pUndoImp;
    BOOL bUndo = pUndoImp != NULL && ctCmd != gxRollback && pGrid->GetParam()->IsUndoEnabled();
    CObject* pUndoInfo = NULL;
    if (pCellsArray != NULL && pCellsArray->GetSize() > (INT_PTR)(nCount * nOther))
        pUndoInfo = pCellsArray->GetAt(nCount * nOther);
    BOOL bRecalc = pUndoInfo != NULL && pGrid->ApplyUndoInfo(pUndoInfo, ctCmd != gxRollback, TRUE);
    BOOL bOldRecord = pGrid->SetRecordUndoInfo(bUndo);
    BOOL bStored = (pGrid->*a.StoreInsert)(nFirst, nCount, FALSE);
    pGrid->SetRecordUndoInfo(bOldRecord);
    if (!bStored)
    {
        pGrid->DiscardUndoInfo();
        if (ctCmd == gxDo)
            pGrid->CommitTrans();
        return FALSE;
    }
    if (pUndoInfo != NULL)
        bRecalc |= pGrid->ApplyUndoInfo(pUndoInfo, ctCmd != gxRollback, FALSE);
    // A line removed while hidden (size 0) comes back hidden, at its default size.
    for (ROWCOL i = 0; anSizes != NULL && i < nCount; i++)
        if (anSizes[i] == 0 && pGrid->m_pHideCellsImp != NULL)
            a.bRows ? pGrid->StoreHideRow(nFirst + i, TRUE) : pGrid->StoreHideCol(nFirst + i, TRUE);
        else
            (pGrid->*a.StoreSize)(nFirst + i, anSizes[i]);
    ROWCOL nWidth = a.Col(nCount, nOther);
    for (ROWCOL i = 0; pCellsArray != NULL && i < nCount; i++)
        for (ROWCOL o = 0; o < nOther; o++)
        {
            CGXStyle* pStyle = (CGXStyle*)pCellsArray->GetAt(a.Row(i, o) * nWidth + a.Col(i, o));
            if (pStyle != NULL)
                pGrid->StoreStyleRowCol(a.Row(nFirst + i, o), a.Col(nFirst + i, o), pStyle, gxCopy, 0);
        }
    for (ROWCOL i = 0; pLinesArray != NULL && i < nCount && (INT_PTR)i < pLinesArray->GetSize(); i++)
    {
        CGXStyle* pStyle = (CGXStyle*)pLinesArray->GetAt(i);
        if (pStyle != NULL)
            pGrid->StoreStyleRowCol(a.Row(nFirst + i, 0), a.Col(nFirst + i, 0), pStyle, gxCopy, -1);
    }
    (pGrid->*a.UpdateInsert)(nFirst, nCount, flags, TRUE);
    if (bUndo)
    {
        pGrid->AddCommand((pUndoImp->*a.CreateRemoveCmd)(nFirst, nFirst + nCount - 1), ctCmd);
        if (ctCmd == gxUndo || ctCmd == gxRedo)
            pGrid->MoveToUndoCell(a.Row(nFirst, pGrid->m_nCurrentRow), a.Col(nFirst, pGrid->m_nCurrentCol));
    }
    if (bRecalc)
        pGrid->Recalc(TRUE);
    if (ctCmd == gxDo)
        pGrid->CommitTrans();
    return TRUE;
}

BOOL Remove(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nFirst, ROWCOL nLast, UINT flags, int ctCmd)
{
    if (nLast < nFirst || !pGrid->TransferCurrentCell())
        return FALSE;
    CGXFrameHideGuard frame(pGrid);
    CGXLongOperation op;
    CString strText = pGrid->m_pAppData->GetLibraryText(a.nRemoveText);
    op.SetStatusText(strText, FALSE);
    if (ctCmd == gxDo)
        pGrid->BeginTrans(strText);
    CGXAbstractCommandFactory* pUndoImp = pGrid->m_pUndoImp;
    BOOL bUndo = pUndoImp != NULL && ctCmd != gxRollback && pGrid->GetParam()->IsUndoEnabled();
    ROWCOL nOldCount = (pGrid->*a.GetCount)();
    // The styles the removal destroys; the user may cancel when they are too many to keep.
    CObArray *pCellsArray = NULL, *pLinesArray = NULL;
    ROWCOL nCount = nLast - nFirst + 1;
    ROWCOL nOther = a.bRows ? pGrid->GetColCount() + 1 : pGrid->GetRowCount() + 1;
    if (bUndo)
    {
        ROWCOL nFrom = nFirst;
        BOOL bGoOn;
        try
        {
            bGoOn =
                (pUndoImp->*a.CollectUndoInfo)(pGrid, nFrom, nCount, nOther, pCellsArray, pLinesArray, op);
        }
        catch (...)
        {
            if (ctCmd == gxDo)
                pGrid->CommitTrans();
            throw;
        }
        if (!bGoOn)
        {
            if (ctCmd == gxDo)
                pGrid->CommitTrans();
            return FALSE;
        }
        bUndo = nCount != 0;
    }
    int* anSizes = NULL;
    if (bUndo || ((flags & GX_UPDATENOW) && !pGrid->IsLockUpdate() && nLast >= nOldCount))
    {
        anSizes = new int[nLast - nFirst + 1];
        for (ROWCOL n = nFirst; n <= nLast; n++)
            anSizes[n - nFirst] = (pGrid->*a.GetSize)(n);
    }
    BOOL bCovered = !pGrid->GetParam()->m_CoveredCellsList.IsEmpty();
    BOOL bOldRecord = pGrid->SetRecordUndoInfo(bUndo);
    BOOL bStored = (pGrid->*a.StoreRemove)(nFirst, nLast, FALSE);
    pGrid->SetRecordUndoInfo(bOldRecord);
    if (!bStored)
    {
        delete[] anSizes;
        CGXGridCore::DeleteObjectArrays(pCellsArray, pLinesArray);
        pGrid->DiscardUndoInfo();
        if (ctCmd == gxDo)
            pGrid->CommitTrans();
        return FALSE;
    }
    (pGrid->*a.UpdateRemove)(nFirst, nLast, anSizes, flags, TRUE);
    CObject* pCmd = NULL;
    if (bUndo)
        pCmd = (pUndoImp->*a.CreateInsertCmd)(nFirst, nLast - nFirst + 1, anSizes, pCellsArray, pLinesArray,
                                              nOther);
    if (pCmd != NULL)
        pGrid->AddCommand(pCmd, ctCmd);
    else
    {
        delete[] anSizes;
        CGXGridCore::DeleteObjectArrays(pCellsArray, pLinesArray);
    }
    pGrid->SetSelection(NULL);
    // Blocks cut by the removal are left to the re-evaluation's full redraw.
    BOOL bOldKeep = g_bGXRecalcKeepsScreen;
    g_bGXRecalcKeepsScreen = !bCovered;
    pGrid->Recalc(TRUE);
    g_bGXRecalcKeepsScreen = bOldKeep;
    if (ctCmd == gxDo)
        pGrid->CommitTrans();
    return TRUE;
}
} // namespace

BOOL CGXGridCore::SetRowCount(ROWCOL nRows, UINT flags)
{
    return SetCount(this, CGXGridAxis::rows, nRows, flags);
}

BOOL CGXGridCore::SetColCount(ROWCOL nCols, UINT flags)
{
    return SetCount(this, CGXGridAxis::cols, nCols, flags);
}

BOOL CGXGridCore::StoreInsertRows(ROWCOL nRow, ROWCOL nCount, BOOL bForce)
{
    return StoreInsert(this, CGXGridAxis::rows, nRow, nCount, bForce);
}

BOOL CGXGridCore::StoreInsertCols(ROWCOL nCol, ROWCOL nCount, BOOL bForce)
{
    return StoreInsert(this, CGXGridAxis::cols, nCol, nCount, bForce);
}

BOOL CGXGridCore::StoreRemoveRows(ROWCOL nFirst, ROWCOL nLast, BOOL bForce)
{
    return StoreRemove(this, CGXGridAxis::rows, nFirst, nLast, bForce);
}

BOOL CGXGridCore::StoreRemoveCols(ROWCOL nFirst, ROWCOL nLast, BOOL bForce)
{
    return StoreRemove(this, CGXGridAxis::cols, nFirst, nLast, bForce);
}

void CGXGridCore::UpdateInsertRows(ROWCOL nRow, ROWCOL nCount, UINT flags, BOOL bCreateHint)
{
    UpdateInsert(this, CGXGridAxis::rows, nRow, nCount, flags, bCreateHint);
}

void CGXGridCore::UpdateInsertCols(ROWCOL nCol, ROWCOL nCount, UINT flags, BOOL bCreateHint)
{
    UpdateInsert(this, CGXGridAxis::cols, nCol, nCount, flags, bCreateHint);
}

void CGXGridCore::UpdateRemoveRows(ROWCOL nFirst, ROWCOL nLast, int* anOldHeights, UINT flags,
                                   BOOL bCreateHint)
{
    UpdateRemove(this, CGXGridAxis::rows, nFirst, nLast, anOldHeights, flags, bCreateHint);
}

void CGXGridCore::UpdateRemoveCols(ROWCOL nFirst, ROWCOL nLast, int* anOldWidths, UINT flags,
                                   BOOL bCreateHint)
{
    UpdateRemove(this, CGXGridAxis::cols, nFirst, nLast, anOldWidths, flags, bCreateHint);
}

BOOL CGXGridCore::InsertRows(ROWCOL nRow, ROWCOL nCount, int* anHeights, CObArray* pCellsArray,
                             CObArray* pRowsArray, ROWCOL nColCount, UINT flags, int ctCmd)
{
    return Insert(this, CGXGridAxis::rows, nRow, nCount, anHeights, pCellsArray, pRowsArray, nColCount, flags,
                  ctCmd);
}

BOOL CGXGridCore::InsertCols(ROWCOL nCol, ROWCOL nCount, int* anWidths, CObArray* pCellsArray,
                             CObArray* pColsArray, ROWCOL nRowCount, UINT flags, int ctCmd)
{
    return Insert(this, CGXGridAxis::cols, nCol, nCount, anWidths, pCellsArray, pColsArray, nRowCount, flags,
                  ctCmd);
}

BOOL CGXGridCore::RemoveRows(ROWCOL nFirst, ROWCOL nLast, UINT flags, int ctCmd)
{
    return Remove(this, CGXGridAxis::rows, nFirst, nLast, flags, ctCmd);
}

BOOL CGXGridCore::RemoveCols(ROWCOL nFirst, ROWCOL nLast, UINT flags, int ctCmd)
{
    return Remove(this, CGXGridAxis::cols, nFirst, nLast, flags, ctCmd);
}

// -- Frozen rows and columns, the top row and the left column -------------------------------------

namespace
{
ROWCOL GetFrozen(CGXGridCore* pGrid, const CGXGridAxis& a)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL)
        return 0;
    if (pGrid->*a.pbFrozenOff && (!pGrid->m_bPrinting || pGrid->m_bFrozenOffWhilePrinting))
        return 0;
    return pParam->*a.pnFrozen;
}

ROWCOL GetHeader(CGXGridCore* pGrid, const CGXGridAxis& a)
{
    CGXGridParam* pParam = pGrid->GetParam();
    return pParam != NULL ? pParam->*a.pnHeader : 0;
}

BOOL StoreFrozen(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nFrozen, ROWCOL nHeader)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL || pGrid->IsStructureLocked())
        return FALSE;
    pParam->*a.pnFrozen = nFrozen;
    pParam->*a.pnHeader = nHeader;
    pGrid->SetModifiedFlag();
    return TRUE;
}

BOOL SetFrozen(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nFrozen, ROWCOL nHeader, UINT flags,
               int ctCmd)
{
    ROWCOL nOldFrozen = (pGrid->*a.GetFrozen)(), nOldHeader = (pGrid->*a.GetHeader)();
    if (!(pGrid->*a.StoreFrozen)(nFrozen, nHeader))
        return FALSE;
    (pGrid->*a.UpdateFrozen)(nOldFrozen, nOldHeader, flags, TRUE);
    if (pGrid->m_pUndoImp != NULL && ctCmd != gxRollback && pGrid->GetParam()->IsUndoEnabled())
        pGrid->AddCommand((pGrid->m_pUndoImp->*a.CreateFrozenCmd)(nOldFrozen, nOldHeader), ctCmd);
    return TRUE;
}

void UpdateFrozen(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nOldFrozen, ROWCOL nOldHeader, UINT flags,
                  BOOL bCreateHint)
{
    ROWCOL nFrozen = (pGrid->*a.GetFrozen)();
    pGrid->*a.pnFirst = std::max(pGrid->*a.pnFirst, nFrozen + 1);
    pGrid->ResetLastVisibleCache();
    CGXCellRange range = a.Lines(std::min(nOldFrozen, nFrozen) + 1, std::max(nOldFrozen, nFrozen) + 1);
    pGrid->InvalidateMergedCells(range);
    // Text floats along rows only, so only frozen columns cut floated cells.
    if (!a.bRows)
        pGrid->InvalidateFloatedCells(range);
    if (!pGrid->IsLockUpdate())
        pGrid->RedrawAll(flags, FALSE);
    if (bCreateHint && pGrid->IsHintsEnabled())
        (pGrid->m_pUpdateHintImp->*a.HintChangedFrozen)(pGrid, nOldFrozen, nOldHeader, flags);
}

void SetFirstShown(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL n, UINT flags, BOOL bCreateHint)
{
    n = std::min(n, std::max((pGrid->*a.GetCount)(), (ROWCOL)1));
    pGrid->ResetLastVisibleCache();
    if (pGrid->m_bPrinting)
    {
        pGrid->*a.pnPrintFirst = n;
        return;
    }
    n = std::max(n, (pGrid->*a.GetFrozen)() + 1);
    ROWCOL& nFirst = pGrid->*a.pnFirst;
    CWnd* pWnd = pGrid->m_pGridWnd;
    BOOL bWindow = pWnd != NULL && pWnd->GetSafeHwnd() != NULL;
    if (!pGrid->IsLockUpdate() && (flags & (GX_UPDATENOW | GX_SMART)) && bWindow)
    {
        if (n < nFirst)
            pGrid->OnScrollBy(a.nScrollBack, nFirst - n);
        else if (n > nFirst)
            pGrid->OnScrollBy(a.nScrollOn, n - nFirst);
        if (flags & GX_UPDATENOW)
            pWnd->UpdateWindow();
    }
    else if (!pGrid->IsLockUpdate())
    {
        if (!(pGrid->*a.OnFirstChanging)(n))
            return;
        nFirst = n;
        if ((flags & GX_INVALIDATE) && bWindow)
        {
            pGrid->UpdateScrollbars(FALSE, FALSE);
            CRect rect = pGrid->GetDrawingRect();
            pWnd->InvalidateRect(&rect);
        }
    }
    else
    {
        if (!(pGrid->*a.OnFirstChanging)(n))
            return;
        nFirst = std::max(n, (pGrid->*a.GetFrozen)() + 1);
    }
    (pGrid->*a.OnFirstChanged)();
    if (bCreateHint && pGrid->IsHintsEnabled())
        (pGrid->m_pUpdateHintImp->*a.HintSetFirst)(pGrid, nFirst, flags);
}
} // namespace

ROWCOL CGXGridCore::GetFrozenRows()
{
    return GetFrozen(this, CGXGridAxis::rows);
}

ROWCOL CGXGridCore::GetFrozenCols()
{
    return GetFrozen(this, CGXGridAxis::cols);
}

ROWCOL CGXGridCore::GetHeaderRows()
{
    return GetHeader(this, CGXGridAxis::rows);
}

ROWCOL CGXGridCore::GetHeaderCols()
{
    return GetHeader(this, CGXGridAxis::cols);
}

BOOL CGXGridCore::StoreFrozenRows(ROWCOL nFrozen, ROWCOL nHeader)
{
    return StoreFrozen(this, CGXGridAxis::rows, nFrozen, nHeader);
}

BOOL CGXGridCore::StoreFrozenCols(ROWCOL nFrozen, ROWCOL nHeader)
{
    return StoreFrozen(this, CGXGridAxis::cols, nFrozen, nHeader);
}

BOOL CGXGridCore::SetFrozenRows(ROWCOL nFrozen, ROWCOL nHeader, UINT flags, int ctCmd)
{
    return SetFrozen(this, CGXGridAxis::rows, nFrozen, nHeader, flags, ctCmd);
}

BOOL CGXGridCore::SetFrozenCols(ROWCOL nFrozen, ROWCOL nHeader, UINT flags, int ctCmd)
{
    return SetFrozen(this, CGXGridAxis::cols, nFrozen, nHeader, flags, ctCmd);
}

void CGXGridCore::UpdateFrozenRows(ROWCOL nOldFrozen, ROWCOL nOldHeader, UINT flags, BOOL bCreateHint)
{
    UpdateFrozen(this, CGXGridAxis::rows, nOldFrozen, nOldHeader, flags, bCreateHint);
}

void CGXGridCore::UpdateFrozenCols(ROWCOL nOldFrozen, ROWCOL nOldHeader, UINT flags, BOOL bCreateHint)
{
    UpdateFrozen(this, CGXGridAxis::cols, nOldFrozen, nOldHeader, flags, bCreateHint);
}

BOOL CGXGridCore::OnTopRowChanging(ROWCOL)
{
    return TRUE;
}

BOOL CGXGridCore::OnLeftColChanging(ROWCOL)
{
    return TRUE;
}

void CGXGridCore::OnTopRowChanged()
{
}

void CGXGridCore::OnLeftColChanged()
{
}

void CGXGridCore::SetTopRow(ROWCOL nRow, UINT flags, BOOL bCreateHint)
{
    SetFirstShown(this, CGXGridAxis::rows, nRow, flags, bCreateHint);
}

void CGXGridCore::SetLeftCol(ROWCOL nCol, UINT flags, BOOL bCreateHint)
{
    SetFirstShown(this, CGXGridAxis::cols, nCol, flags, bCreateHint);
}

// -- Client rows and columns ------------------------------------------------------------------------

namespace
{
BOOL IsInFrozen(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL n)
{
    return n > 0 && n <= (pGrid->*a.GetFrozen)();
}

// The frozen rows (columns) come first, then those from the top row (left column) on; one scrolled
// away maps to 0.
ROWCOL ToClient(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL n)
{
    ROWCOL nFrozen = (pGrid->*a.GetFrozen)();
    if (n <= nFrozen)
        return n;
    ROWCOL nFirst = (pGrid->*a.GetFirstShown)();
    return n < nFirst ? 0 : n - nFirst + nFrozen + 1;
}

ROWCOL FromClient(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nClient)
{
    ROWCOL nFrozen = (pGrid->*a.GetFrozen)();
    return nClient <= nFrozen ? nClient : (pGrid->*a.GetFirstShown)() + nClient - nFrozen - 1;
}
} // namespace

BOOL CGXGridCore::IsInFrozenRows(ROWCOL nRow)
{
    return IsInFrozen(this, CGXGridAxis::rows, nRow);
}

BOOL CGXGridCore::IsInFrozenCols(ROWCOL nCol)
{
    return IsInFrozen(this, CGXGridAxis::cols, nCol);
}

ROWCOL CGXGridCore::RowToClientRow(ROWCOL nRow)
{
    return ToClient(this, CGXGridAxis::rows, nRow);
}

ROWCOL CGXGridCore::ColToClientCol(ROWCOL nCol)
{
    return ToClient(this, CGXGridAxis::cols, nCol);
}

ROWCOL CGXGridCore::ClientRowToRow(ROWCOL nClientRow)
{
    return FromClient(this, CGXGridAxis::rows, nClientRow);
}

ROWCOL CGXGridCore::ClientColToCol(ROWCOL nClientCol)
{
    return FromClient(this, CGXGridAxis::cols, nClientCol);
}

BOOL CGXGridCore::IsNoModifierKeyDown()
{
    return ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_SHIFT) >= 0;
}

CGXCellRange CGXGridCore::GetVisibleCellRange()
{
    CGXCellRange range(0, 0, GetBottomVisibleRow(), GetRightVisibleCol());
    HandleVisibleRange(range, 0);
    return range;
}

// -- Moving and reordering ----------------------------------------------------------------------

BOOL CGXGridCore::MoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags, int ctCmd)
{
    return m_pMoveRowsColsImp != NULL &&
           m_pMoveRowsColsImp->MoveRows(this, nFirst, nLast, nDest, flags, ctCmd);
}

BOOL CGXGridCore::MoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags, int ctCmd)
{
    return m_pMoveRowsColsImp != NULL &&
           m_pMoveRowsColsImp->MoveCols(this, nFirst, nLast, nDest, flags, ctCmd);
}

BOOL CGXGridCore::StoreMoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, BOOL bForce)
{
    return m_pMoveRowsColsImp != NULL &&
           m_pMoveRowsColsImp->StoreMoveRows(this, nFirst, nLast, nDest, bForce);
}

BOOL CGXGridCore::StoreMoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, BOOL bForce)
{
    return m_pMoveRowsColsImp != NULL &&
           m_pMoveRowsColsImp->StoreMoveCols(this, nFirst, nLast, nDest, bForce);
}

void CGXGridCore::UpdateMoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags, BOOL bCreateHint)
{
    FreeObjectCache();
    if (m_pMoveRowsColsImp != NULL)
        m_pMoveRowsColsImp->UpdateMoveRows(this, nFirst, nLast, nDest, flags, bCreateHint);
    else
        RedrawAll(flags, bCreateHint);
}

void CGXGridCore::UpdateMoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags, BOOL bCreateHint)
{
    FreeObjectCache();
    if (m_pMoveRowsColsImp != NULL)
        m_pMoveRowsColsImp->UpdateMoveCols(this, nFirst, nLast, nDest, flags, bCreateHint);
    else
        RedrawAll(flags, bCreateHint);
}

BOOL CGXGridCore::ReorderDataRows(const CGXCellRange& range, const CDWordArray& awOrder)
{
    return m_pSortImp != NULL && m_pSortImp->ReorderDataRows(this, range, awOrder);
}

BOOL CGXGridCore::ReorderDataCols(const CGXCellRange& range, const CDWordArray& awOrder)
{
    return m_pSortImp != NULL && m_pSortImp->ReorderDataCols(this, range, awOrder);
}

BOOL CGXGridCore::SetCoveredCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, UINT flags,
                                        int ctCmd)
{
    return m_pCoveredCellsImp != NULL &&
           m_pCoveredCellsImp->CoverCells(this, nTop, nLeft, nBottom, nRight, flags, ctCmd);
}

BOOL CGXGridCore::ApplyRowOrder(const CGXCellRange& range, CObject* pOrder, UINT flags, int ctCmd)
{
    return m_pSortImp != NULL && m_pSortImp->ApplyRowOrder(this, range, pOrder, flags, ctCmd);
}

BOOL CGXGridCore::ApplyColOrder(const CGXCellRange& range, CObject* pOrder, UINT flags, int ctCmd)
{
    return m_pSortImp != NULL && m_pSortImp->ApplyColOrder(this, range, pOrder, flags, ctCmd);
}

void CGXGridCore::SortRows(CGXCellRange range, CGXSortInfoArray& sortInfo, UINT flags)
{
    if (m_pSortImp != NULL)
        m_pSortImp->SortRows(this, range, sortInfo, flags);
}

void CGXGridCore::SortCols(CGXCellRange range, CGXSortInfoArray& sortInfo, UINT flags)
{
    if (m_pSortImp != NULL)
        m_pSortImp->SortCols(this, range, sortInfo, flags);
}

void CGXGridCore::UpdateAfterRowSort(const CGXCellRange& range, UINT flags, BOOL bCreateHint)
{
    if (m_pSortImp != NULL)
        m_pSortImp->UpdateAfterRowSort(this, range, flags, bCreateHint);
}

void CGXGridCore::UpdateAfterColSort(const CGXCellRange& range, UINT flags, BOOL bCreateHint)
{
    if (m_pSortImp != NULL)
        m_pSortImp->UpdateAfterColSort(this, range, flags, bCreateHint);
}

void CGXGridCore::GetSortKeyText(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                                 const CGXSortInfoEntry& entry, const CGXStyle& style, CString& strKey)
{
    pControl->GetTextFromStyle(nRow, nCol, entry, style, strKey);
}

void CGXGridCore::DeleteObjectArrays(CObArray* pArray1, CObArray* pArray2)
{
    for (CObArray* pArray : {pArray1, pArray2})
        if (pArray != NULL)
        {
            for (INT_PTR i = 0; i < pArray->GetSize(); i++)
            {
                // A trailing list holds the formula engine's objects.
                CObject* p = pArray->GetAt(i);
                if (p != NULL && p->IsKindOf(RUNTIME_CLASS(CObList)))
                    while (!((CObList*)p)->IsEmpty())
                        delete ((CObList*)p)->RemoveHead();
                delete p;
            }
            delete pArray;
        }
}
