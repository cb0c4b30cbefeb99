// The engine's side of covered, floating and merged cells: thin forwarders to the components
// that keep the spans. Without a component each does nothing and answers 0.
#include "grid/core/GridCore.h"

CGXCellRange* CGXGridCore::GetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range)
{
    return m_pCoveredCellsImp != NULL ? m_pCoveredCellsImp->GetCoveredRangeAt(this, nRow, nCol, range) : NULL;
}

void CGXGridCore::SetFloatingMode(WORD nMode, BOOL bRedraw)
{
    if (m_pFloatCellsImp != NULL)
        m_pFloatCellsImp->SetFloatingMode(this, nMode, bRedraw);
}

void CGXGridCore::InvalidateFloatedCells(const CGXCellRange& range, ROWCOL nColLimit)
{
    if (m_pFloatCellsImp != NULL)
        m_pFloatCellsImp->InvalidateFloatedCells(this, range, nColLimit);
}

BOOL CGXGridCore::RecalcFloatedCells(const CGXCellRange& range, BOOL bKeepLock, CGXCellRange* pChanged,
                                     BOOL bUseCache)
{
    return m_pFloatCellsImp != NULL &&
           m_pFloatCellsImp->RecalcFloatedCells(this, range, bKeepLock, pChanged, bUseCache);
}

CGXCellRange* CGXGridCore::GetFloatedRangeAt(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range)
{
    return m_pFloatCellsImp != NULL ? m_pFloatCellsImp->GetFloatedRangeAt(this, nRow, nCol, range) : NULL;
}

BOOL CGXGridCore::UpdateFloatedSpanAt(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT flags)
{
    return m_pFloatCellsImp != NULL &&
           m_pFloatCellsImp->UpdateFloatedSpanAt(this, nRow, nCol, nToRow, nToCol, flags);
}

void CGXGridCore::RedrawFloatedSpanAt(ROWCOL nRow, ROWCOL nCol, ROWCOL nOldBottom, ROWCOL nOldRight,
                                      UINT flags, BOOL bCreateHint)
{
    if (m_pFloatCellsImp != NULL)
        m_pFloatCellsImp->RedrawFloatedSpanAt(this, nRow, nCol, nOldBottom, nOldRight, flags, bCreateHint);
}

void CGXGridCore::SetMergingMode(WORD nMode, BOOL bRedraw)
{
    if (m_pMergeCellsImp != NULL)
        m_pMergeCellsImp->SetMergingMode(this, nMode, bRedraw);
}

void CGXGridCore::InvalidateMergedCells(const CGXCellRange& range, ROWCOL nRowLimit, ROWCOL nColLimit)
{
    if (m_pMergeCellsImp != NULL)
        m_pMergeCellsImp->InvalidateMergedCells(this, range, nRowLimit, nColLimit);
}

BOOL CGXGridCore::RecalcMergedCells(const CGXCellRange& range, BOOL bKeepLock, CGXCellRange* pChanged,
                                    BOOL bUseCache)
{
    return m_pMergeCellsImp != NULL &&
           m_pMergeCellsImp->RecalcMergedCells(this, range, bKeepLock, pChanged, bUseCache);
}

CGXCellRange* CGXGridCore::GetMergedRangeAt(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range, int nDirection)
{
    return m_pMergeCellsImp != NULL ? m_pMergeCellsImp->GetMergedRangeAt(this, nRow, nCol, range, nDirection)
                                    : NULL;
}

BOOL CGXGridCore::UpdateMergedSpanAt(int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                     UINT flags)
{
    return m_pMergeCellsImp != NULL &&
           m_pMergeCellsImp->UpdateMergedSpanAt(this, nDirection, nRow, nCol, nToRow, nToCol, flags);
}

void CGXGridCore::RedrawMergedSpanAt(ROWCOL nRow, ROWCOL nCol, ROWCOL nOldBottom, ROWCOL nOldRight,
                                     UINT flags, BOOL bCreateHint)
{
    if (m_pMergeCellsImp != NULL)
        m_pMergeCellsImp->RedrawMergedSpanAt(this, nRow, nCol, nOldBottom, nOldRight, flags, bCreateHint);
}

void CGXGridCore::WidenByCoveredCells(CGXCellRange& range)
{
    if (m_pCoveredCellsImp != NULL)
        m_pCoveredCellsImp->WidenByCoveredCells(this, range);
}

void CGXGridCore::WidenByMergedCells(CGXCellRange& range)
{
    if (m_pMergeCellsImp != NULL)
        m_pMergeCellsImp->WidenByMergedCells(this, range);
}

void CGXGridCore::WidenByFloatedCells(CGXCellRange& range)
{
    if (m_pFloatCellsImp != NULL)
        m_pFloatCellsImp->WidenByFloatedCells(this, range);
}

WORD CGXGridCore::GetFloatingMode() const
{
    return m_pParam != NULL ? m_pParam->m_wFloatCellsMode : 0;
}

WORD CGXGridCore::GetMergingMode() const
{
    return m_pParam != NULL ? m_pParam->m_wMergeCellsMode : 0;
}

BOOL CGXGridCore::SpansTouchVisibleRange(const CGXCellRange& rangeIn)
{
    CGXCellRange range = rangeIn, visible(0, 0, GetBottomVisibleRow(), GetRightVisibleCol());
    range.ExpandToCells(0, 0, GetRowCount(), GetColCount());
    if (!range.Intersect(range, visible))
        return FALSE;
    // Floating and merging may reach any visible cell; covered blocks are listed.
    if (GetFloatingMode() != 0 || GetMergingMode() != 0)
        return TRUE;
    if (m_pParam == NULL)
        return FALSE;
    for (POSITION pos = m_pParam->m_CoveredCellsList.GetHeadPosition(); pos != NULL;)
    {
        CGXCellRange covered;
        if (covered.Intersect(*m_pParam->m_CoveredCellsList.GetNext(pos), range))
            return TRUE;
    }
    return FALSE;
}

BOOL CGXGridCore::GetCellSpanRange(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range)
{
    return GetCoveredCellsRowCol(nRow, nCol, range) != NULL ||
           GetMergedRangeAt(nRow, nCol, range, -1) != NULL || GetFloatedRangeAt(nRow, nCol, range) != NULL;
}

BOOL CGXGridCore::IsFloatCandidate(const CGXStyle& style, BOOL bSource)
{
    return m_pFloatCellsImp != NULL && m_pFloatCellsImp->IsFloatCandidate(this, style, bSource);
}
