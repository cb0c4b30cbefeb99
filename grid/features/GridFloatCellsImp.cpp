// Floating cells: spans computed from the width of a cell's text and its empty neighbours.
#include "grid/features/GridFloatCellsImp.h"
#include "grid/core/Control.h"
#include "grid/core/GridCore.h"
#include "grid/features/CalcSizeImp.h"
#include "grid/features/DelayedRangePool.h"
#include "grid/features/DelayedRangePoolImp.h"
#include "grid/features/DrawSpannedCellsImp.h"
#include "grid/features/SpanCellPool.h"
#include "grid/features/SpanCellPoolImp.h"
#include <algorithm>

void CGXGridCore::InstallFloatCellsImp()
{
    if (m_pFloatCellsImp == NULL)
    {
        m_pFloatCellsImp = new CGXGridFloatCellsImp;
        AddOwnedImp(m_pFloatCellsImp);
    }
    GXInstallSpanCellPoolImp();
    GXInstallDelayedRangePoolImp();
    InstallCalcSizeImp();
    InstallDrawSpannedCellsImp();
}

WORD CGXGridFloatCellsImp::ActiveMode(CGXGridCore* pGrid)
{
    WORD nMode = pGrid->GetFloatingMode();
    return nMode <= 2 ? nMode : 0;
}

CGXSpanCellPool* CGXGridFloatCellsImp::SpanPool(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL)
        return NULL;
    CObject* pPool = pGrid->IsPrinting() && pParam->m_pPrintFloatCellsPool != NULL
                         ? pParam->m_pPrintFloatCellsPool
                         : pParam->m_pFloatCellsPool;
    return (CGXSpanCellPool*)pPool;
}

CGXDelayedRangePool* CGXGridFloatCellsImp::DelayedPool(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL)
        return NULL;
    CObject* pPool = pGrid->IsPrinting() && pParam->m_pPrintDelayedFloatCellsPool != NULL
                         ? pParam->m_pPrintDelayedFloatCellsPool
                         : pParam->m_pDelayedFloatCellsPool;
    return (CGXDelayedRangePool*)pPool;
}

void CGXGridFloatCellsImp::SetFloatingMode(CGXGridCore* pGrid, WORD nMode, BOOL bRedraw)
{
    CGXGridParam* pParam = pGrid->GetParam();
    // Only modes 0 to 2 have pools; any other leaves the grid as it is.
    if (pParam == NULL || nMode > 2)
        return;
    if (nMode != pParam->m_wFloatCellsMode)
    {
        delete pParam->m_pFloatCellsPool;
        delete pParam->m_pDelayedFloatCellsPool;
        pParam->m_pFloatCellsPool = pParam->m_pDelayedFloatCellsPool = NULL;
        pParam->m_wFloatCellsMode = nMode;
        CGXAppData* pAppData = GXGetAppData();
        if ((nMode == 1 || nMode == 2) && pAppData->m_pSpanCellPoolImp != NULL)
            pParam->m_pFloatCellsPool = pAppData->m_pSpanCellPoolImp->CreatePool();
        if (nMode == 1 && pAppData->m_pDelayedRangePoolImp != NULL)
        {
            pParam->m_pDelayedFloatCellsPool = pAppData->m_pDelayedRangePoolImp->CreatePool();
            InvalidateFloatedCells(pGrid, CGXCellRange().SetTable(), (ROWCOL)-1);
        }
    }
    if (bRedraw)
        pGrid->RedrawAll(GX_UPDATENOW);
}

BOOL CGXGridFloatCellsImp::ClipToDataCells(CGXGridCore* pGrid, const CGXCellRange& range,
                                           CGXCellRange& clipped)
{
    ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    CGXCellRange data(pGrid->GetHeaderRows() + 1, pGrid->GetHeaderCols() + 1, nRows, nCols);
    if (nRows == 0 || nCols == 0 || data.top > nRows || data.left > nCols)
        return FALSE;
    CGXCellRange cells = range;
    cells.ExpandToCells(0, 0, nRows, nCols);
    return clipped.Intersect(cells, data);
}

void CGXGridFloatCellsImp::InvalidateFloatedCells(CGXGridCore* pGrid, const CGXCellRange& range,
                                                  ROWCOL nColLimit)
{
    if (ActiveMode(pGrid) != 1)
        return;
    CGXCellRange clipped;
    if (!ClipToDataCells(pGrid, range, clipped))
        return;
    CGXGridParam* pParam = pGrid->GetParam();
    for (CObject* pObject : {pGrid->IsPrinting() ? NULL : pParam->m_pDelayedFloatCellsPool,
                             pParam->m_pPrintDelayedFloatCellsPool})
    {
        CGXDelayedRangePool* pPool = (CGXDelayedRangePool*)pObject;
        if (pPool == NULL)
            continue;
        pPool->AddRange(clipped);
        if (nColLimit != (ROWCOL)-1)
            pPool->ClampCols(nColLimit);
    }
}

BOOL CGXGridFloatCellsImp::RecalcFloatedCells(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bKeepLock,
                                              CGXCellRange* pChanged, BOOL bUseCache)
{
    if (pGrid->m_bFloatEvalSuspended)
        return FALSE;
    switch (ActiveMode(pGrid))
    {
    case 1:
        return EvalDelayedFloats(pGrid, range, bKeepLock, pChanged, bUseCache);
    case 2:
        return EvalFloatsInRange(pGrid, range, bKeepLock, pChanged, bUseCache);
    default:
        return FALSE;
    }
}

CGXCellRange* CGXGridFloatCellsImp::GetFloatedRangeAt(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                      CGXCellRange& range)
{
    CGXSpanCellPool* pPool = SpanPool(pGrid);
    if (pPool == NULL || nRow >= CGXSpanCellPool::spanLimit || nCol >= CGXSpanCellPool::spanLimit)
        return NULL;
    range.SetCells(nRow, nCol, nRow, nCol);
    return pPool->LookupSpan(nRow, nCol, range) ? &range : NULL;
}

BOOL CGXGridFloatCellsImp::IsFloatCandidate(CGXGridCore*, const CGXStyle& style, BOOL bSource)
{
    if (!bSource)
        return style.GetValue().IsEmpty();
    if (style.GetValue().IsEmpty())
        return FALSE;
    // Rotated text never floats.
    if (style.GetInclude(CGXStyle::ibFont))
    {
        CGXFont font;
        style.GetFont(font);
        if (font.GetIncludeOrientation() && font.GetOrientation() != 0)
            return FALSE;
    }
    return TRUE;
}

BOOL CGXGridFloatCellsImp::CheckFloatCell(CGXGridCore* pGrid, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                                          const CGXStyle& style, BOOL bSource)
{
    CGXCellRange span;
    if (ActiveMode(pGrid) == 0 || pControl == NULL ||
        pGrid->GetCoveredCellsRowCol(nRow, nCol, span) != NULL ||
        pGrid->GetMergedRangeAt(nRow, nCol, span, -1) != NULL)
        return FALSE;
    if (bSource)
    {
        if (!style.GetInclude(CGXStyle::ibFloatCell) || !style.GetFloatCell())
            return FALSE;
    }
    else if (!style.GetInclude(CGXStyle::ibFloodCell) || !style.GetFloodCell() ||
             nCol == pGrid->GetFrozenCols() + 1)
        return FALSE;
    return pControl->CanFloatCell(nRow, nCol, style, bSource);
}

const CGXStyle& CGXGridFloatCellsImp::PassStyle(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL bUseCache)
{
    BOOL bCurrent = pGrid->IsCurrentCell(nRow, nCol);
    if (bUseCache && !bCurrent)
        return pGrid->LookupStyleRowCol(nRow, nCol);
    CGXStyle& style = pGrid->m_floatRowCache.Lookup(pGrid, nRow, nCol);
    if (bCurrent)
    {
        // The text being typed counts, not the stored one.
        CGXControl* pControl = pGrid->GetRegisteredControl(style.GetControl());
        CString strText;
        if (pControl != NULL && pControl->IsActive() && pControl->GetCurrentText(strText))
            style.SetValue(strText);
    }
    return style;
}

BOOL CGXGridFloatCellsImp::CalcFloatSpan(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange* pChanged,
                                         BOOL bUseCache)
{
    // 1.
    CGXCellRange old;
    ROWCOL nStart = nCol, nOldRight = nCol;
    if (GetFloatedRangeAt(pGrid, nRow, nCol, old) != NULL)
    {
        nStart = old.left;
        nOldRight = old.right;
    }
    // 2. - 3.
    const CGXStyle& style = PassStyle(pGrid, nRow, nStart, bUseCache);
    CGXControl* pControl = pGrid->GetRegisteredControl(style.GetControl());
    ROWCOL n = 0;
    if (CheckFloatCell(pGrid, pControl, nRow, nStart, style, TRUE))
    {
        CDC* pDC = pGrid->AcquireGridDC();
        int w = pDC != NULL
                    ? pControl->CalcSize(pDC, nRow, nStart, style, &pGrid->GetDefaultBaseStyle(), FALSE).cx
                    : 0;
        ROWCOL nColCount = pGrid->GetColCount();
        while (nStart + n < nColCount)
        {
            int nWidth = pGrid->GetColWidth(nStart + n);
            if (w <= nWidth)
                break;
            const CGXStyle& target = PassStyle(pGrid, nRow, nStart + n + 1, bUseCache);
            if (!CheckFloatCell(pGrid, pGrid->GetRegisteredControl(target.GetControl()), nRow, nStart + n + 1,
                                target, FALSE))
                break;
            w -= nWidth;
            n++;
        }
    }
    // 4. - 5.
    if (nStart + n == nOldRight)
        return FALSE;
    if (!UpdateFloatedSpanAt(pGrid, nRow, nStart, nRow, nStart + n, GX_INVALIDATE))
        return FALSE;
    if (pChanged != NULL)
    {
        CGXCellRange cells(nRow, nStart, nRow, std::max(nOldRight, nStart + n));
        if (pChanged->IsValid())
            pChanged->Union(*pChanged, cells);
        else
            *pChanged = cells;
    }
    return TRUE;
}

BOOL CGXGridFloatCellsImp::EvalFloatsAround(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                            CGXCellRange* pChanged, BOOL bUseCache)
{
    ROWCOL nHeaderCols = pGrid->GetHeaderCols();
    if (ActiveMode(pGrid) == 0 || nRow <= pGrid->GetHeaderRows() || nCol <= nHeaderCols)
        return FALSE;
    const CGXStyle& style = PassStyle(pGrid, nRow, nCol, bUseCache);
    BOOL bSource =
        CheckFloatCell(pGrid, pGrid->GetRegisteredControl(style.GetControl()), nRow, nCol, style, TRUE);
    CGXCellRange left;
    ROWCOL nPrev = GetFloatedRangeAt(pGrid, nRow, nCol - 1, left) != NULL ? left.left : nCol - 1;
    BOOL bPrev = nPrev > nHeaderCols;
    BOOL bChanged = FALSE;
    // A source is settled after the float on its left has given it up, an empty cell before.
    if (bSource)
    {
        if (bPrev)
            bChanged |= CalcFloatSpan(pGrid, nRow, nPrev, pChanged, bUseCache);
        bChanged |= CalcFloatSpan(pGrid, nRow, nCol, pChanged, bUseCache);
    }
    else
    {
        bChanged |= CalcFloatSpan(pGrid, nRow, nCol, pChanged, bUseCache);
        if (bPrev)
            bChanged |= CalcFloatSpan(pGrid, nRow, nPrev, pChanged, bUseCache);
    }
    return bChanged;
}

template <class F> BOOL CGXGridFloatCellsImp::RunPass(CGXGridCore* pGrid, BOOL bKeepLock, F eval)
{
    CGXGridParam* pParam = pGrid->GetParam();
    BOOL bOldLock = pParam->m_bRedrawLocked;
    if (!bKeepLock)
        pParam->m_bRedrawLocked = TRUE;
    BOOL bChanged = eval();
    pGrid->m_floatRowCache.Empty(pGrid);
    if (!bKeepLock)
        pParam->m_bRedrawLocked = bOldLock;
    pGrid->ReleaseGridDC();
    return bChanged;
}

BOOL CGXGridFloatCellsImp::EvalFloatsInRange(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bKeepLock,
                                             CGXCellRange* pChanged, BOOL bUseCache)
{
    CGXCellRange cells;
    if (ActiveMode(pGrid) == 0 || !ClipToDataCells(pGrid, range, cells))
        return FALSE;
    return RunPass(pGrid, bKeepLock, [&]() {
        BOOL bChanged = FALSE;
        for (ROWCOL nRow = cells.top; nRow <= cells.bottom; nRow++)
        {
            if (pGrid->IsRowHidden(nRow))
                continue;
            pGrid->m_floatRowCache.Begin(cells.left);
            for (ROWCOL nCol = cells.left; nCol <= cells.right; nCol++)
                if (!pGrid->IsColHidden(nCol))
                    bChanged |= EvalFloatsAround(pGrid, nRow, nCol, pChanged, bUseCache);
            pGrid->m_floatRowCache.Empty(pGrid);
        }
        return bChanged;
    });
}

BOOL CGXGridFloatCellsImp::EvalDelayedFloats(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bKeepLock,
                                             CGXCellRange* pChanged, BOOL bUseCache)
{
    CGXDelayedRangePool* pPool = DelayedPool(pGrid);
    CGXCellRange cells;
    if (ActiveMode(pGrid) == 0 || pPool == NULL || !ClipToDataCells(pGrid, range, cells))
        return FALSE;
    CDWordArray awFirst, awLast;
    if (!pPool->GetPendingCells(cells, awFirst, awLast))
        return FALSE;
    ROWCOL nColCount = pGrid->GetColCount();
    return RunPass(pGrid, bKeepLock, [&]() {
        BOOL bChanged = FALSE;
        for (INT_PTR i = 0; i < awFirst.GetSize(); i++)
        {
            ROWCOL nRow = cells.top + (ROWCOL)i;
            // Rows handed out count as evaluated: their whole pending run is done, also the
            // part outside the range asked for.
            ROWCOL nFirst = std::max<ROWCOL>(awFirst[i], pGrid->GetHeaderCols() + 1);
            ROWCOL nLast = std::min<ROWCOL>(awLast[i], nColCount);
            if (awFirst[i] == 0xFFFFFFFF || nFirst > nLast || pGrid->IsRowHidden(nRow))
                continue;
            pGrid->m_floatRowCache.Begin(nFirst);
            for (ROWCOL nCol = nFirst; nCol <= nLast; nCol++)
                if (!pGrid->IsColHidden(nCol))
                    bChanged |= EvalFloatsAround(pGrid, nRow, nCol, pChanged, bUseCache);
            pGrid->m_floatRowCache.Empty(pGrid);
        }
        return bChanged;
    });
}

BOOL CGXGridFloatCellsImp::UpdateFloatedSpanAt(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                               ROWCOL nToCol, UINT flags)
{
    CGXCellRange old;
    ROWCOL nOldBottom = nRow, nOldRight = nCol;
    if (GetFloatedRangeAt(pGrid, nRow, nCol, old) != NULL)
    {
        nOldBottom = old.bottom;
        nOldRight = old.right;
    }
    BOOL bSet = nToRow != nRow || nToCol != nCol;
    if (!StoreFloatSpan(pGrid, nRow, nCol, nToRow, nToCol, bSet))
        return FALSE;
    if (!pGrid->m_bSuspendUpdate)
        RedrawFloatedSpanAt(pGrid, nRow, nCol, std::max(nOldBottom, nToRow), std::max(nOldRight, nToCol),
                            flags, TRUE);
    return TRUE;
}

void CGXGridFloatCellsImp::RedrawFloatedSpanAt(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                               ROWCOL nOldBottom, ROWCOL nOldRight, UINT flags,
                                               BOOL bCreateHint)
{
    if (!pGrid->GetParam()->m_bRedrawLocked)
        pGrid->RedrawRange(nRow, nCol, nOldBottom, nOldRight, flags, FALSE);
    if (bCreateHint && pGrid->IsHintsEnabled())
        pGrid->m_pUpdateHintImp->HintFloatedSpan(pGrid, nRow, nCol, nOldBottom, nOldRight, flags);
}

void CGXGridFloatCellsImp::WidenByFloatedCells(CGXGridCore* pGrid, CGXCellRange& range)
{
    CGXSpanCellPool* pPool = SpanPool(pGrid);
    if (pPool == NULL || !range.IsCells())
        return;
    // Floats lie in one row: only the cells at the range's left and right edges can reach out.
    ROWCOL nLast = std::min<ROWCOL>(range.bottom, (ROWCOL)pPool->m_rowMap.GetSize());
    for (ROWCOL nRow = range.top; nRow <= nLast && nRow < CGXSpanCellPool::spanLimit; nRow++)
    {
        CGXCellRange span;
        if (GetFloatedRangeAt(pGrid, nRow, range.left, span) != NULL)
            range.left = std::min(range.left, span.left);
        if (GetFloatedRangeAt(pGrid, nRow, range.right, span) != NULL)
            range.right = std::max(range.right, span.right);
    }
}

BOOL CGXGridFloatCellsImp::StoreFloatSpan(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                          ROWCOL nToCol, BOOL bSet)
{
    CGXSpanCellPool* pPool = SpanPool(pGrid);
    if (pPool == NULL || nToRow >= CGXSpanCellPool::spanLimit || nToCol >= CGXSpanCellPool::spanLimit)
        return FALSE;
    return pPool->SetSpan(nRow, nCol, nToRow, nToCol, bSet);
}
