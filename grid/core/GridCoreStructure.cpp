// Row and column structure of the grid engine: counts, insertion and removal (public, store and
// update steps), frozen rows and columns, the top row and left column, and the mapping between
// absolute and client rows. Each row operation has a column twin sharing one body.
#include <algorithm>
#include "grid/core/GridCore.h"
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

BOOL CGXGridCore::SetRowCount(ROWCOL nRows, UINT flags)
{
    ROWCOL nOld = GetRowCount();
    if (nRows < nOld)
        return RemoveRows(nRows + 1, nOld, flags);
    if (nRows > nOld)
        return InsertRows(nOld + 1, nRows - nOld, NULL, NULL, NULL, 0, flags);
    return TRUE;
}

BOOL CGXGridCore::SetColCount(ROWCOL nCols, UINT flags)
{
    ROWCOL nOld = GetColCount();
    if (nCols < nOld)
        return RemoveCols(nCols + 1, nOld, flags);
    if (nCols > nOld)
        return InsertCols(nOld + 1, nCols - nOld, NULL, NULL, NULL, 0, flags);
    return TRUE;
}

void CGXGridCore::UpdateChangedRowCount(ROWCOL nOldRows, UINT flags, BOOL bCreateHint)
{
    ROWCOL nRows = GetRowCount();
    if (m_bCurrentCellValid && m_nCurrentRow > nRows)
        StoreCurrentCell(FALSE);
    ResetLastVisibleCache();
    if (!IsLockUpdate() && (flags & 7) != 0 && m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL)
    {
        UpdateScrollbars(FALSE, FALSE);
        ROWCOL nFirst = std::min(nOldRows, nRows);
        if (nFirst <= GetBottomVisibleRow())
        {
            CRect rect = GetDrawingRect();
            rect.top = CalcClientRowTop(RowToClientRow(std::max(nFirst, GetTopRow())));
            m_pGridWnd->InvalidateRect(&rect);
            if (flags & GX_UPDATENOW)
                m_pGridWnd->UpdateWindow();
        }
    }
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintChangedRowCount(this, nOldRows, flags & 7);
}

void CGXGridCore::UpdateChangedColCount(ROWCOL nOldCols, UINT flags, BOOL bCreateHint)
{
    ROWCOL nCols = GetColCount();
    if (m_bCurrentCellValid && m_nCurrentCol > nCols)
        StoreCurrentCell(FALSE);
    ResetLastVisibleCache();
    if (!IsLockUpdate() && (flags & 7) != 0 && m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL)
    {
        UpdateScrollbars(FALSE, FALSE);
        ROWCOL nFirst = std::min(nOldCols, nCols);
        if (nFirst <= GetRightVisibleCol())
        {
            CRect rect = GetDrawingRect();
            rect.left = CalcClientColLeft(ColToClientCol(std::max(nFirst, GetLeftCol())));
            m_pGridWnd->InvalidateRect(&rect);
            if (flags & GX_UPDATENOW)
                m_pGridWnd->UpdateWindow();
        }
    }
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintChangedColCount(this, nOldCols, flags & 7);
}

// -- Store steps --------------------------------------------------------------------------------

BOOL CGXGridCore::StoreInsertRows(ROWCOL nRow, ROWCOL nCount, BOOL bForce)
{
    if (IsStructureLocked())
        return FALSE;
    CGXData* pData = m_pParam->GetData();
    if (pData != NULL && !pData->InsertRows(nRow, nCount) && !bForce)
        return FALSE;
    SetModifiedFlag();
    if (m_pHideCellsImp != NULL)
        m_pHideCellsImp->InsertRows(this, nRow, nCount);
    m_pParam->m_RowHeights.InsertKeys(nRow, nCount);
    m_pParam->m_SelectedRanges.AdjustForInsertedRows(nRow, nCount);
    m_pParam->m_CopiedRanges.AdjustForInsertedRows(nRow, nCount);
    m_pParam->m_CoveredCellsList.AdjustForInsertedRows(nRow, nCount);
    m_pParam->RebuildCoveredCellPool();
    return TRUE;
}

BOOL CGXGridCore::StoreInsertCols(ROWCOL nCol, ROWCOL nCount, BOOL bForce)
{
    if (IsStructureLocked())
        return FALSE;
    CGXData* pData = m_pParam->GetData();
    if (pData != NULL && !pData->InsertCols(nCol, nCount) && !bForce)
        return FALSE;
    SetModifiedFlag();
    if (m_pHideCellsImp != NULL)
        m_pHideCellsImp->InsertCols(this, nCol, nCount);
    m_pParam->m_ColWidths.InsertKeys(nCol, nCount);
    m_pParam->m_SelectedRanges.AdjustForInsertedCols(nCol, nCount);
    m_pParam->m_CopiedRanges.AdjustForInsertedCols(nCol, nCount);
    m_pParam->m_CoveredCellsList.AdjustForInsertedCols(nCol, nCount);
    m_pParam->RebuildCoveredCellPool();
    return TRUE;
}

BOOL CGXGridCore::StoreRemoveRows(ROWCOL nFirst, ROWCOL nLast, BOOL bForce)
{
    if (IsStructureLocked())
        return FALSE;
    ROWCOL nOldCount = GetRowCount();
    CGXData* pData = m_pParam->GetData();
    if (pData != NULL && !pData->RemoveRows(nFirst, nLast) && !bForce)
        return FALSE;
    SetModifiedFlag();
    if (m_pHideCellsImp != NULL)
        m_pHideCellsImp->RemoveRows(this, nFirst, nLast);
    m_pParam->m_RowHeights.RemoveKeys(nFirst, nLast);
    m_pParam->m_SelectedRanges.AdjustForRemovedRows(nFirst, nLast, nOldCount);
    m_pParam->m_CopiedRanges.AdjustForRemovedRows(nFirst, nLast, nOldCount);
    BOOL bCoveredChanged = FALSE;
    if (m_pCoveredCellsImp != NULL)
        m_pCoveredCellsImp->AdjustCoveredForRemovedRows(this, nFirst, nLast, bCoveredChanged, FALSE);
    m_pParam->m_CoveredCellsList.AdjustForRemovedRows(nFirst, nLast, nOldCount);
    m_pParam->RebuildCoveredCellPool();
    return TRUE;
}

BOOL CGXGridCore::StoreRemoveCols(ROWCOL nFirst, ROWCOL nLast, BOOL bForce)
{
    if (IsStructureLocked())
        return FALSE;
    ROWCOL nOldCount = GetColCount();
    CGXData* pData = m_pParam->GetData();
    if (pData != NULL && !pData->RemoveCols(nFirst, nLast) && !bForce)
        return FALSE;
    SetModifiedFlag();
    if (m_pHideCellsImp != NULL)
        m_pHideCellsImp->RemoveCols(this, nFirst, nLast);
    m_pParam->m_ColWidths.RemoveKeys(nFirst, nLast);
    m_pParam->m_SelectedRanges.AdjustForRemovedCols(nFirst, nLast, nOldCount);
    m_pParam->m_CopiedRanges.AdjustForRemovedCols(nFirst, nLast, nOldCount);
    BOOL bCoveredChanged = FALSE;
    if (m_pCoveredCellsImp != NULL)
        m_pCoveredCellsImp->AdjustCoveredForRemovedCols(this, nFirst, nLast, bCoveredChanged, FALSE);
    m_pParam->m_CoveredCellsList.AdjustForRemovedCols(nFirst, nLast, nOldCount);
    m_pParam->RebuildCoveredCellPool();
    return TRUE;
}

// -- Update steps -------------------------------------------------------------------------------

static void NotifyPlugins(CGXGridCore*)
{
    // Plug-ins see the grid's window messages only; nothing of theirs listens to structure yet.
}

// Redraws after rows or columns came or went: the optimised-update component, when installed,
// moves what stayed and invalidates the rest while the scroll bars stay locked; without it
// everything is redrawn.
template <class F> static void RedrawStructure(CGXGridCore* pGrid, UINT flags, F callComponent)
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

void CGXGridCore::UpdateInsertRows(ROWCOL nRow, ROWCOL nCount, UINT flags, BOOL bCreateHint)
{
    ResetLastVisibleCache();
    if (m_bCurrentCellValid && m_nCurrentRow >= nRow)
        StoreCurrentCell(TRUE, m_nCurrentRow + nCount, m_nCurrentCol);
    if (m_nTopRow == GetFrozenRows())
        m_nTopRow++;
    FreeObjectCache();
    if (!IsLockUpdate())
    {
        RedrawStructure(this, flags, [&](CGXAbstractGridOptimizedUpdateImp* pImp, UINT* pMode) {
            ROWCOL n1 = nRow, n2 = nCount;
            pImp->UpdateAfterInsertRows(this, &n1, &n2, pMode);
        });
        if (flags & (GX_UPDATENOW | GX_SMART))
            UpdateScrollbars(FALSE, FALSE);
    }
    NotifyPlugins(this);
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintInsertRows(this, nRow, nCount, flags);
}

void CGXGridCore::UpdateInsertCols(ROWCOL nCol, ROWCOL nCount, UINT flags, BOOL bCreateHint)
{
    ResetLastVisibleCache();
    if (m_bCurrentCellValid && m_nCurrentCol >= nCol)
        StoreCurrentCell(TRUE, m_nCurrentRow, m_nCurrentCol + nCount);
    if (m_nLeftCol == GetFrozenCols())
        m_nLeftCol++;
    FreeObjectCache();
    if (!IsLockUpdate())
    {
        RedrawStructure(this, flags, [&](CGXAbstractGridOptimizedUpdateImp* pImp, UINT* pMode) {
            ROWCOL n1 = nCol, n2 = nCount;
            pImp->UpdateAfterInsertCols(this, &n1, &n2, pMode);
        });
        if (flags & (GX_UPDATENOW | GX_SMART))
            UpdateScrollbars(FALSE, FALSE);
    }
    NotifyPlugins(this);
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintInsertCols(this, nCol, nCount, flags);
}

void CGXGridCore::UpdateRemoveRows(ROWCOL nFirst, ROWCOL nLast, int* anOldHeights, UINT flags,
                                   BOOL bCreateHint)
{
    ResetLastVisibleCache();
    if (m_bCurrentCellValid && m_nCurrentRow >= nFirst && m_nCurrentRow <= nLast)
        StoreCurrentCell(FALSE);
    else if (m_bCurrentCellValid && m_nCurrentRow > nLast)
        StoreCurrentCell(TRUE, m_nCurrentRow - (nLast - nFirst + 1), m_nCurrentCol);
    FreeObjectCache();
    if (!IsLockUpdate())
    {
        RedrawStructure(this, flags, [&](CGXAbstractGridOptimizedUpdateImp* pImp, UINT* pMode) {
            ROWCOL n1 = nFirst, n2 = nLast;
            pImp->UpdateAfterRemoveRows(this, &n1, &n2, anOldHeights, *pMode);
        });
        UpdateScrollbars(FALSE, FALSE);
    }
    NotifyPlugins(this);
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintRemoveRows(this, nFirst, nLast, anOldHeights, flags);
}

void CGXGridCore::UpdateRemoveCols(ROWCOL nFirst, ROWCOL nLast, int* anOldWidths, UINT flags,
                                   BOOL bCreateHint)
{
    ResetLastVisibleCache();
    if (m_bCurrentCellValid && m_nCurrentCol >= nFirst && m_nCurrentCol <= nLast)
        StoreCurrentCell(FALSE);
    else if (m_bCurrentCellValid && m_nCurrentCol > nLast)
        StoreCurrentCell(TRUE, m_nCurrentRow, m_nCurrentCol - (nLast - nFirst + 1));
    FreeObjectCache();
    if (!IsLockUpdate())
    {
        RedrawStructure(this, flags, [&](CGXAbstractGridOptimizedUpdateImp* pImp, UINT* pMode) {
            ROWCOL n1 = nFirst, n2 = nLast;
            pImp->UpdateAfterRemoveCols(this, &n1, &n2, anOldWidths, pMode);
        });
        UpdateScrollbars(FALSE, FALSE);
    }
    NotifyPlugins(this);
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintRemoveCols(this, nFirst, nLast, anOldWidths, flags);
}

// -- Public insertion and removal -----------------------------------------------------------------

BOOL CGXGridCore::InsertRows(ROWCOL nRow, ROWCOL nCount, int* anHeights, CObArray* pCellsArray,
                             CObArray* pRowsArray, ROWCOL nColCount, UINT flags, int ctCmd)
{
    if (!TransferCurrentCell())
        return FALSE;
    CGXFrameHideGuard frame(this);
    CGXLongOperation op;
    op.SetStatusText(m_pAppData->GetLibraryText(GX_IDS_INSERTROWS), FALSE);
    if (ctCmd == gxDo)
        BeginTrans(m_pAppData->GetLibraryText(GX_IDS_INSERTROWS));
    BOOL bUndo = m_pUndoImp != NULL && ctCmd != gxRollback && m_pParam->IsUndoEnabled();
    CObject* pUndoInfo = NULL;
    if (pCellsArray != NULL && pCellsArray->GetSize() > (INT_PTR)(nCount * nColCount))
        pUndoInfo = pCellsArray->GetAt(nCount * nColCount);
    BOOL bRecalc = pUndoInfo != NULL && ApplyUndoInfo(pUndoInfo, ctCmd != gxRollback, TRUE);
    BOOL bOldRecord = SetRecordUndoInfo(bUndo);
    BOOL bStored = StoreInsertRows(nRow, nCount, FALSE);
    SetRecordUndoInfo(bOldRecord);
    if (!bStored)
    {
        DiscardUndoInfo();
        if (ctCmd == gxDo)
            CommitTrans();
        return FALSE;
    }
    if (pUndoInfo != NULL)
        bRecalc |= ApplyUndoInfo(pUndoInfo, ctCmd != gxRollback, FALSE);
    for (ROWCOL i = 0; anHeights != NULL && i < nCount; i++)
        StoreRowHeight(nRow + i, anHeights[i]);
    for (ROWCOL i = 0; pCellsArray != NULL && i < nCount; i++)
        for (ROWCOL c = 0; c < nColCount; c++)
        {
            CGXStyle* pStyle = (CGXStyle*)pCellsArray->GetAt(i * nColCount + c);
            if (pStyle != NULL)
                StoreStyleRowCol(nRow + i, c, pStyle, gxCopy, 0);
        }
    for (ROWCOL i = 0; pRowsArray != NULL && i < nCount && (INT_PTR)i < pRowsArray->GetSize(); i++)
    {
        CGXStyle* pStyle = (CGXStyle*)pRowsArray->GetAt(i);
        if (pStyle != NULL)
            StoreStyleRowCol(nRow + i, 0, pStyle, gxCopy, -1);
    }
    UpdateInsertRows(nRow, nCount, flags, TRUE);
    if (bUndo)
    {
        AddCommand(m_pUndoImp->CreateRemoveRowsCmd(nRow, nRow + nCount - 1), ctCmd);
        if (ctCmd == gxUndo || ctCmd == gxRedo)
            MoveToUndoCell(nRow, m_nCurrentCol);
    }
    if (bRecalc)
        Recalc(TRUE);
    if (ctCmd == gxDo)
        CommitTrans();
    return TRUE;
}

BOOL CGXGridCore::InsertCols(ROWCOL nCol, ROWCOL nCount, int* anWidths, CObArray* pCellsArray,
                             CObArray* pColsArray, ROWCOL nRowCount, UINT flags, int ctCmd)
{
    if (!TransferCurrentCell())
        return FALSE;
    CGXFrameHideGuard frame(this);
    CGXLongOperation op;
    op.SetStatusText(m_pAppData->GetLibraryText(GX_IDS_INSERTCOLS), FALSE);
    if (ctCmd == gxDo)
        BeginTrans(m_pAppData->GetLibraryText(GX_IDS_INSERTCOLS));
    BOOL bUndo = m_pUndoImp != NULL && ctCmd != gxRollback && m_pParam->IsUndoEnabled();
    BOOL bOldRecord = SetRecordUndoInfo(bUndo);
    BOOL bStored = StoreInsertCols(nCol, nCount, FALSE);
    SetRecordUndoInfo(bOldRecord);
    if (!bStored)
    {
        DiscardUndoInfo();
        if (ctCmd == gxDo)
            CommitTrans();
        return FALSE;
    }
    for (ROWCOL i = 0; anWidths != NULL && i < nCount; i++)
        StoreColWidth(nCol + i, anWidths[i]);
    for (ROWCOL r = 0; pCellsArray != NULL && r < nRowCount; r++)
        for (ROWCOL i = 0; i < nCount; i++)
        {
            CGXStyle* pStyle = (CGXStyle*)pCellsArray->GetAt(r * nCount + i);
            if (pStyle != NULL)
                StoreStyleRowCol(r, nCol + i, pStyle, gxCopy, 0);
        }
    for (ROWCOL i = 0; pColsArray != NULL && i < nCount && (INT_PTR)i < pColsArray->GetSize(); i++)
    {
        CGXStyle* pStyle = (CGXStyle*)pColsArray->GetAt(i);
        if (pStyle != NULL)
            StoreStyleRowCol(0, nCol + i, pStyle, gxCopy, -1);
    }
    UpdateInsertCols(nCol, nCount, flags, TRUE);
    if (bUndo)
    {
        AddCommand(m_pUndoImp->CreateRemoveColsCmd(nCol, nCol + nCount - 1), ctCmd);
        if (ctCmd == gxUndo || ctCmd == gxRedo)
            MoveToUndoCell(m_nCurrentRow, nCol);
    }
    if (ctCmd == gxDo)
        CommitTrans();
    return TRUE;
}

BOOL CGXGridCore::RemoveRows(ROWCOL nFirst, ROWCOL nLast, UINT flags, int ctCmd)
{
    if (nLast < nFirst || !TransferCurrentCell())
        return FALSE;
    CGXFrameHideGuard frame(this);
    CGXLongOperation op;
    op.SetStatusText(m_pAppData->GetLibraryText(GX_IDS_REMOVEROWS), FALSE);
    if (ctCmd == gxDo)
        BeginTrans(m_pAppData->GetLibraryText(GX_IDS_REMOVEROWS));
    BOOL bUndo = m_pUndoImp != NULL && ctCmd != gxRollback && m_pParam->IsUndoEnabled();
    ROWCOL nOldCount = GetRowCount();
    // The styles the removal destroys; the user may cancel when they are too many to keep.
    CObArray *pCellsArray = NULL, *pLinesArray = NULL;
    ROWCOL nCount = nLast - nFirst + 1, nOther = GetColCount() + 1;
    if (bUndo)
    {
        ROWCOL nFrom = nFirst;
        BOOL bGoOn;
        try
        {
            bGoOn =
                m_pUndoImp->CollectRowsUndoInfo(this, nFrom, nCount, nOther, pCellsArray, pLinesArray, op);
        }
        catch (...)
        {
            if (ctCmd == gxDo)
                CommitTrans();
            throw;
        }
        if (!bGoOn)
        {
            if (ctCmd == gxDo)
                CommitTrans();
            return FALSE;
        }
        bUndo = nCount != 0;
    }
    int* anSizes = NULL;
    if (bUndo || ((flags & GX_UPDATENOW) && !IsLockUpdate() && nLast >= nOldCount))
    {
        anSizes = new int[nLast - nFirst + 1];
        for (ROWCOL r = nFirst; r <= nLast; r++)
            anSizes[r - nFirst] = GetRowHeight(r);
    }
    BOOL bOldRecord = SetRecordUndoInfo(bUndo);
    BOOL bStored = StoreRemoveRows(nFirst, nLast, FALSE);
    SetRecordUndoInfo(bOldRecord);
    if (!bStored)
    {
        delete[] anSizes;
        CGXGridCore::DeleteObjectArrays(pCellsArray, pLinesArray);
        DiscardUndoInfo();
        if (ctCmd == gxDo)
            CommitTrans();
        return FALSE;
    }
    UpdateRemoveRows(nFirst, nLast, anSizes, flags, TRUE);
    CObject* pCmd = NULL;
    if (bUndo)
        pCmd = m_pUndoImp->CreateInsertRowsCmd(nFirst, nLast - nFirst + 1, anSizes, pCellsArray, pLinesArray,
                                               nOther);
    if (pCmd != NULL)
        AddCommand(pCmd, ctCmd);
    else
    {
        delete[] anSizes;
        CGXGridCore::DeleteObjectArrays(pCellsArray, pLinesArray);
    }
    SetSelection(NULL);
    Recalc(TRUE);
    if (ctCmd == gxDo)
        CommitTrans();
    return TRUE;
}

BOOL CGXGridCore::RemoveCols(ROWCOL nFirst, ROWCOL nLast, UINT flags, int ctCmd)
{
    if (nLast < nFirst || !TransferCurrentCell())
        return FALSE;
    CGXFrameHideGuard frame(this);
    CGXLongOperation op;
    op.SetStatusText(m_pAppData->GetLibraryText(GX_IDS_REMOVECOLS), FALSE);
    if (ctCmd == gxDo)
        BeginTrans(m_pAppData->GetLibraryText(GX_IDS_REMOVECOLS));
    BOOL bUndo = m_pUndoImp != NULL && ctCmd != gxRollback && m_pParam->IsUndoEnabled();
    ROWCOL nOldCount = GetColCount();
    // The styles the removal destroys; the user may cancel when they are too many to keep.
    CObArray *pCellsArray = NULL, *pLinesArray = NULL;
    ROWCOL nCount = nLast - nFirst + 1, nOther = GetRowCount() + 1;
    if (bUndo)
    {
        ROWCOL nFrom = nFirst;
        BOOL bGoOn;
        try
        {
            bGoOn =
                m_pUndoImp->CollectColsUndoInfo(this, nFrom, nCount, nOther, pCellsArray, pLinesArray, op);
        }
        catch (...)
        {
            if (ctCmd == gxDo)
                CommitTrans();
            throw;
        }
        if (!bGoOn)
        {
            if (ctCmd == gxDo)
                CommitTrans();
            return FALSE;
        }
        bUndo = nCount != 0;
    }
    int* anSizes = NULL;
    if (bUndo || ((flags & GX_UPDATENOW) && !IsLockUpdate() && nLast >= nOldCount))
    {
        anSizes = new int[nLast - nFirst + 1];
        for (ROWCOL c = nFirst; c <= nLast; c++)
            anSizes[c - nFirst] = GetColWidth(c);
    }
    BOOL bOldRecord = SetRecordUndoInfo(bUndo);
    BOOL bStored = StoreRemoveCols(nFirst, nLast, FALSE);
    SetRecordUndoInfo(bOldRecord);
    if (!bStored)
    {
        delete[] anSizes;
        CGXGridCore::DeleteObjectArrays(pCellsArray, pLinesArray);
        DiscardUndoInfo();
        if (ctCmd == gxDo)
            CommitTrans();
        return FALSE;
    }
    UpdateRemoveCols(nFirst, nLast, anSizes, flags, TRUE);
    CObject* pCmd = NULL;
    if (bUndo)
        pCmd = m_pUndoImp->CreateInsertColsCmd(nFirst, nLast - nFirst + 1, anSizes, pCellsArray, pLinesArray,
                                               nOther);
    if (pCmd != NULL)
        AddCommand(pCmd, ctCmd);
    else
    {
        delete[] anSizes;
        CGXGridCore::DeleteObjectArrays(pCellsArray, pLinesArray);
    }
    SetSelection(NULL);
    Recalc(TRUE);
    if (ctCmd == gxDo)
        CommitTrans();
    return TRUE;
}

// -- Frozen rows and columns ----------------------------------------------------------------------

ROWCOL CGXGridCore::GetFrozenRows()
{
    if (m_pParam == NULL)
        return 0;
    if (m_bFrozenRowsOff && (!m_bPrinting || m_bFrozenOffWhilePrinting))
        return 0;
    return m_pParam->m_nFrozenRows;
}

ROWCOL CGXGridCore::GetFrozenCols()
{
    if (m_pParam == NULL)
        return 0;
    if (m_bFrozenColsOff && (!m_bPrinting || m_bFrozenOffWhilePrinting))
        return 0;
    return m_pParam->m_nFrozenCols;
}

ROWCOL CGXGridCore::GetHeaderRows()
{
    return m_pParam != NULL ? m_pParam->m_nHeaderRows : 0;
}

ROWCOL CGXGridCore::GetHeaderCols()
{
    return m_pParam != NULL ? m_pParam->m_nHeaderCols : 0;
}

BOOL CGXGridCore::StoreFrozenRows(ROWCOL nFrozen, ROWCOL nHeader)
{
    if (m_pParam == NULL || IsStructureLocked())
        return FALSE;
    m_pParam->m_nFrozenRows = nFrozen;
    m_pParam->m_nHeaderRows = nHeader;
    SetModifiedFlag();
    return TRUE;
}

BOOL CGXGridCore::StoreFrozenCols(ROWCOL nFrozen, ROWCOL nHeader)
{
    if (m_pParam == NULL || IsStructureLocked())
        return FALSE;
    m_pParam->m_nFrozenCols = nFrozen;
    m_pParam->m_nHeaderCols = nHeader;
    SetModifiedFlag();
    return TRUE;
}

BOOL CGXGridCore::SetFrozenRows(ROWCOL nFrozen, ROWCOL nHeader, UINT flags, int ctCmd)
{
    ROWCOL nOldFrozen = GetFrozenRows(), nOldHeader = GetHeaderRows();
    if (!StoreFrozenRows(nFrozen, nHeader))
        return FALSE;
    UpdateFrozenRows(nOldFrozen, nOldHeader, flags, TRUE);
    if (m_pUndoImp != NULL && ctCmd != gxRollback && m_pParam->IsUndoEnabled())
        AddCommand(m_pUndoImp->CreateSetFrozenRowsCmd(nOldFrozen, nOldHeader), ctCmd);
    return TRUE;
}

BOOL CGXGridCore::SetFrozenCols(ROWCOL nFrozen, ROWCOL nHeader, UINT flags, int ctCmd)
{
    ROWCOL nOldFrozen = GetFrozenCols(), nOldHeader = GetHeaderCols();
    if (!StoreFrozenCols(nFrozen, nHeader))
        return FALSE;
    UpdateFrozenCols(nOldFrozen, nOldHeader, flags, TRUE);
    if (m_pUndoImp != NULL && ctCmd != gxRollback && m_pParam->IsUndoEnabled())
        AddCommand(m_pUndoImp->CreateSetFrozenColsCmd(nOldFrozen, nOldHeader), ctCmd);
    return TRUE;
}

void CGXGridCore::UpdateFrozenRows(ROWCOL nOldFrozen, ROWCOL nOldHeader, UINT flags, BOOL bCreateHint)
{
    m_nTopRow = std::max(m_nTopRow, GetFrozenRows() + 1);
    ResetLastVisibleCache();
    CGXCellRange range;
    range.SetRows(std::min(nOldFrozen, GetFrozenRows()) + 1, std::max(nOldFrozen, GetFrozenRows()) + 1);
    InvalidateMergedCells(range);
    if (!IsLockUpdate())
        RedrawAll(flags, FALSE);
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintChangedFrozenRows(this, nOldFrozen, nOldHeader, flags);
}

void CGXGridCore::UpdateFrozenCols(ROWCOL nOldFrozen, ROWCOL nOldHeader, UINT flags, BOOL bCreateHint)
{
    m_nLeftCol = std::max(m_nLeftCol, GetFrozenCols() + 1);
    ResetLastVisibleCache();
    CGXCellRange range;
    range.SetCols(std::min(nOldFrozen, GetFrozenCols()) + 1, std::max(nOldFrozen, GetFrozenCols()) + 1);
    InvalidateMergedCells(range);
    InvalidateFloatedCells(range);
    if (!IsLockUpdate())
        RedrawAll(flags, FALSE);
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintChangedFrozenCols(this, nOldFrozen, nOldHeader, flags);
}

// -- Top row and left column -----------------------------------------------------------------------

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
    ROWCOL nCount = GetRowCount();
    nRow = std::min(nRow, std::max(nCount, (ROWCOL)1));
    ResetLastVisibleCache();
    if (m_bPrinting)
    {
        m_nPrintTopRow = nRow;
        return;
    }
    nRow = std::max(nRow, GetFrozenRows() + 1);
    BOOL bWindow = m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL;
    if (!IsLockUpdate() && (flags & (GX_UPDATENOW | GX_SMART)) && bWindow)
    {
        if (nRow < m_nTopRow)
            OnScrollBy(GX_UP, m_nTopRow - nRow);
        else if (nRow > m_nTopRow)
            OnScrollBy(GX_DOWN, nRow - m_nTopRow);
        if (flags & GX_UPDATENOW)
            m_pGridWnd->UpdateWindow();
    }
    else if (!IsLockUpdate())
    {
        if (!OnTopRowChanging(nRow))
            return;
        m_nTopRow = nRow;
        if ((flags & GX_INVALIDATE) && bWindow)
        {
            UpdateScrollbars(FALSE, FALSE);
            CRect rect = GetDrawingRect();
            m_pGridWnd->InvalidateRect(&rect);
        }
    }
    else
    {
        if (!OnTopRowChanging(nRow))
            return;
        m_nTopRow = std::max(nRow, GetFrozenRows() + 1);
    }
    OnTopRowChanged();
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintSetTopRow(this, m_nTopRow, flags);
}

void CGXGridCore::SetLeftCol(ROWCOL nCol, UINT flags, BOOL bCreateHint)
{
    ROWCOL nCount = GetColCount();
    nCol = std::min(nCol, std::max(nCount, (ROWCOL)1));
    ResetLastVisibleCache();
    if (m_bPrinting)
    {
        m_nPrintLeftCol = nCol;
        return;
    }
    nCol = std::max(nCol, GetFrozenCols() + 1);
    BOOL bWindow = m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL;
    if (!IsLockUpdate() && (flags & (GX_UPDATENOW | GX_SMART)) && bWindow)
    {
        if (nCol < m_nLeftCol)
            OnScrollBy(GX_LEFT, m_nLeftCol - nCol);
        else if (nCol > m_nLeftCol)
            OnScrollBy(GX_RIGHT, nCol - m_nLeftCol);
        if (flags & GX_UPDATENOW)
            m_pGridWnd->UpdateWindow();
    }
    else if (!IsLockUpdate())
    {
        if (!OnLeftColChanging(nCol))
            return;
        m_nLeftCol = nCol;
        if ((flags & GX_INVALIDATE) && bWindow)
        {
            UpdateScrollbars(FALSE, FALSE);
            CRect rect = GetDrawingRect();
            m_pGridWnd->InvalidateRect(&rect);
        }
    }
    else
    {
        if (!OnLeftColChanging(nCol))
            return;
        m_nLeftCol = std::max(nCol, GetFrozenCols() + 1);
    }
    OnLeftColChanged();
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintSetLeftCol(this, m_nLeftCol, flags);
}

// -- Client rows and columns ------------------------------------------------------------------------

BOOL CGXGridCore::IsInFrozenRows(ROWCOL nRow)
{
    return nRow > 0 && nRow <= GetFrozenRows();
}

BOOL CGXGridCore::IsInFrozenCols(ROWCOL nCol)
{
    return nCol > 0 && nCol <= GetFrozenCols();
}

ROWCOL CGXGridCore::RowToClientRow(ROWCOL nRow)
{
    ROWCOL nFrozen = GetFrozenRows();
    if (nRow <= nFrozen)
        return nRow;
    return nRow < GetTopRow() ? 0 : nRow - GetTopRow() + nFrozen + 1;
}

ROWCOL CGXGridCore::ColToClientCol(ROWCOL nCol)
{
    ROWCOL nFrozen = GetFrozenCols();
    if (nCol <= nFrozen)
        return nCol;
    return nCol < GetLeftCol() ? 0 : nCol - GetLeftCol() + nFrozen + 1;
}

ROWCOL CGXGridCore::ClientRowToRow(ROWCOL nClientRow)
{
    ROWCOL nFrozen = GetFrozenRows();
    return nClientRow <= nFrozen ? nClientRow : GetTopRow() + nClientRow - nFrozen - 1;
}

ROWCOL CGXGridCore::ClientColToCol(ROWCOL nClientCol)
{
    ROWCOL nFrozen = GetFrozenCols();
    return nClientCol <= nFrozen ? nClientCol : GetLeftCol() + nClientCol - nFrozen - 1;
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
