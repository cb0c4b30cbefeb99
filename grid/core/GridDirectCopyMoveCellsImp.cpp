// Copying and moving blocks of cells inside a grid through its data object. With a command
// factory and undo enabled each copy or move becomes one undo step: a copy records the styles the
// destination had, a move the cells it overwrote, so that moving back puts them in place again.
#include "grid/core/GridDirectCopyMoveCellsImp.h"
#include "grid/core/Data.h"
#include "grid/core/DataCopyMoveCellsImp.h"
#include "grid/core/GridCore.h"
#include "grid/core/LongOperation.h"
#include "grid/core/Style.h"
#include "GridIds.h"
#include <memory>

void CGXGridCore::InstallDirectCopyMoveCellsImp()
{
    if (m_pDirectCopyMoveCellsImp == NULL)
    {
        m_pDirectCopyMoveCellsImp = new CGXGridDirectCopyMoveCellsImp;
        AddOwnedImp(m_pDirectCopyMoveCellsImp);
    }
    // Also when installed already: the data object's copy and move may have been cleared since.
    GXInstallDataCopyMoveCellsImp();
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

BOOL CanUndo(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->m_pUndoImp != NULL && ctCmd != gxRollback && pGrid->GetParam()->IsUndoEnabled();
}

// Blocks this large are not saved for undo.
BOOL TooLargeForUndo(const CGXCellRange& range)
{
    unsigned long long nRows = range.bottom - range.top + 1ull, nCols = range.right - range.left + 1ull;
    return nRows > 0x7FFF || nCols > 0x7FFF || nRows * nCols >= 0x7FFFFFFF;
}

void DeleteStyles(CObArray* pStyles)
{
    if (pStyles == NULL)
        return;
    for (INT_PTR i = 0; i < pStyles->GetSize(); i++)
        delete pStyles->GetAt(i);
    delete pStyles;
}

// The data change runs inside the command factory's bracket, so that a data object keeping its
// own undo information records it for this change.
template <class Fn> BOOL InUndoBracket(CGXGridCore* pGrid, BOOL bUndo, Fn fn)
{
    BOOL bOld = bUndo ? pGrid->m_pUndoImp->SetAdvancedUndoRecording(pGrid, TRUE) : FALSE;
    BOOL bOk = fn();
    if (bUndo)
        pGrid->m_pUndoImp->SetAdvancedUndoRecording(pGrid, bOld);
    return bOk;
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
    const int nType = pGrid->m_nDefaultStyleType;
    BOOL bUndo = CanUndo(pGrid, gxDo);
    CObArray* pSaved = NULL;
    if (bUndo)
    {
        if (!TooLargeForUndo(dest))
            pSaved = pGrid->CopyStyleRange(dest, nType, &op);
        else
        {
            CString strAsk;
            strAsk.LoadString(GX_IDS_CANNOTUNDO);
            if (AfxMessageBox(strAsk, MB_OKCANCEL) != IDOK)
            {
                pGrid->Rollback();
                return FALSE;
            }
            bUndo = FALSE;
        }
    }
    BOOL bOk = InUndoBracket(pGrid, bUndo, [&] { return pGrid->StoreCopyCells(range, nToRow, nToCol); });
    if (!bOk)
    {
        DeleteStyles(pSaved);
        pGrid->Rollback();
        return FALSE;
    }
    pGrid->CommitTrans();
    pGrid->InvalidateFloatedCells(dest);
    pGrid->InvalidateMergedCells(dest);
    pGrid->SetModifiedFlag(TRUE);
    pGrid->m_bCurrentCellStyleValid = FALSE;
    if (pSaved != NULL)
        pGrid->AddCommand(pGrid->m_pUndoImp->CreateSetStyleRangeCmd(dest, nType, pSaved), gxDo);
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
                                              ROWCOL nToCol, CObject* pUndoInfo, UINT flags, int ctCmd)
{
    // A move refused at once leaves the undo information with the caller, who may try again.
    CGXCellRange range = rangeIn;
    if (pGrid->IsReadOnly() || pGrid->GetParam()->GetData() == NULL ||
        !FitBlock(pGrid, range, nToRow, nToCol))
        return FALSE;
    std::unique_ptr<CObject> undoInfo(pUndoInfo);
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
    BOOL bUndo = CanUndo(pGrid, ctCmd) && !TooLargeForUndo(dest);
    CObject* pNewInfo = NULL;
    BOOL bOk = InUndoBracket(pGrid, bUndo, [&] {
        return pGrid->StoreMoveCells(range, nToRow, nToCol, undoInfo.release(), bUndo ? &pNewInfo : NULL);
    });
    if (bOk)
    {
        pGrid->InvalidateFloatedCells(range);
        pGrid->InvalidateFloatedCells(dest);
        pGrid->InvalidateMergedCells(range);
        pGrid->InvalidateMergedCells(dest);
        pGrid->SetModifiedFlag(TRUE);
        pGrid->m_bCurrentCellStyleValid = FALSE;
        if (bUndo)
            pGrid->AddCommand(pGrid->m_pUndoImp->CreateMoveCellsCmd(range, nToRow, nToCol, pNewInfo), ctCmd);
        else
            delete pNewInfo;
    }
    pGrid->RedrawRange(range.top, range.left, range.bottom, range.right, flags, FALSE);
    pGrid->RedrawRange(dest.top, dest.left, dest.bottom, dest.right, flags, FALSE);
    return bOk;
}

BOOL CGXGridDirectCopyMoveCellsImp::StoreMoveCells(CGXGridCore* pGrid, const CGXCellRange& range,
                                                   ROWCOL nToRow, ROWCOL nToCol, CObject* pApplyInfo,
                                                   CObject** ppNewInfo)
{
    std::unique_ptr<CObject> applyInfo(pApplyInfo);
    if (ppNewInfo != NULL)
        *ppNewInfo = NULL;
    CGXData* pData = pGrid->GetParam()->GetData();
    if (pData == NULL)
        return TRUE;
    // The data object puts back what the information holds and, asked to, fills it (or a new
    // one) with what this move overwrites.
    CObject* pInfo = applyInfo.release();
    BOOL bOk = pData->MoveCells(range, nToRow, nToCol, pInfo, ppNewInfo != NULL, 0);
    if (bOk && ppNewInfo != NULL)
        *ppNewInfo = pInfo;
    else
        delete pInfo;
    return bOk;
}
