// Merged cells: pairs of neighbours compared along rows and columns, the spans kept in two pools.
#include "grid/features/GridMergeCellsImp.h"
#include "grid/core/GridCore.h"
#include "grid/features/DelayedRangePool.h"
#include "grid/features/DelayedRangePoolImp.h"
#include "grid/features/SpanCellPool.h"
#include "grid/features/SpanCellPoolImp.h"
#include "grid/features/StyleCompareSubsetImp.h"
#include <algorithm>
#include <mbstring.h>
#include <vector>

void CGXGridCore::InstallMergeCellsImp()
{
    if (m_pMergeCellsImp == NULL)
    {
        m_pMergeCellsImp = new CGXGridMergeCellsImp;
        AddOwnedImp(m_pMergeCellsImp);
    }
    InstallDrawSpannedCellsImp();
    GXInstallSpanCellPoolImp();
    GXInstallDelayedRangePoolImp();
    GXInstallStyleCompareSubsetImp();
}

namespace
{
// The cell at an index along a direction through a fixed cell.
void CellAt(int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL nIndex, ROWCOL& r, ROWCOL& c)
{
    r = nDirection == 0 ? nRow : nIndex;
    c = nDirection == 0 ? nIndex : nCol;
}

// Composed styles of the cells one evaluation compares, handed back at its end; the walked row
// comes from the grid's merge row cache.
class MergeStyles
{
  public:
    explicit MergeStyles(CGXGridCore* pGrid) : m_pGrid(pGrid)
    {
    }
    ~MergeStyles()
    {
        for (CGXStyle* p : m_apOwn)
            m_pGrid->RecycleStyle(p);
    }
    const CGXStyle& At(ROWCOL nRow, ROWCOL nCol)
    {
        SpanRowCache& cache = m_pGrid->m_mergeRowCache;
        if (cache.m_nCount == 0 || cache.m_nRow == nRow)
            return cache.Lookup(m_pGrid, nRow, nCol);
        CGXStyle* pStyle = m_pGrid->CreateStyle();
        m_pGrid->ComposeStyleRowCol(nRow, nCol, pStyle, TRUE);
        m_apOwn.push_back(pStyle);
        return *pStyle;
    }

  private:
    CGXGridCore* m_pGrid;
    std::vector<CGXStyle*> m_apOwn;
};
} // namespace

WORD CGXGridMergeCellsImp::ActiveMode(CGXGridCore* pGrid)
{
    WORD nLow = pGrid->GetMergingMode() & 3;
    return nLow == 3 ? 0 : nLow;
}

CGXSpanCellPool* CGXGridMergeCellsImp::Pool(CGXGridCore* pGrid, int nDirection)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL)
        return NULL;
    return (CGXSpanCellPool*)(nDirection == 0 ? pParam->m_pHorzMergeCellsPool
                                              : pParam->m_pVertMergeCellsPool);
}

void CGXGridMergeCellsImp::SetMergingMode(CGXGridCore* pGrid, WORD nMode, BOOL bRedraw)
{
    CGXGridParam* pParam = pGrid->GetParam();
    // Only the low bits 0 to 2 have pools; 3 leaves the grid as it is.
    if (pParam == NULL || (nMode & 3) == 3)
        return;
    if (nMode != pParam->m_wMergeCellsMode)
    {
        delete pParam->m_pHorzMergeCellsPool;
        delete pParam->m_pVertMergeCellsPool;
        delete pParam->m_pDelayedMergeCellsPool;
        pParam->m_pHorzMergeCellsPool = pParam->m_pVertMergeCellsPool = pParam->m_pDelayedMergeCellsPool =
            NULL;
        pParam->m_wMergeCellsMode = nMode;
        CGXAppData* pAppData = GXGetAppData();
        WORD nLow = ActiveMode(pGrid);
        if (nLow != 0 && pAppData->m_pSpanCellPoolImp != NULL)
        {
            pParam->m_pHorzMergeCellsPool = pAppData->m_pSpanCellPoolImp->CreatePool();
            pParam->m_pVertMergeCellsPool = pAppData->m_pSpanCellPoolImp->CreatePool();
        }
        if (nLow == 1 && pAppData->m_pDelayedRangePoolImp != NULL)
        {
            pParam->m_pDelayedMergeCellsPool = pAppData->m_pDelayedRangePoolImp->CreatePool();
            InvalidateMergedCells(pGrid, CGXCellRange().SetTable(), (ROWCOL)-1, (ROWCOL)-1);
        }
    }
    if (bRedraw)
        pGrid->RedrawAll(GX_UPDATENOW);
}

BOOL CGXGridMergeCellsImp::IsHidden(CGXGridCore* pGrid, int nDirection, ROWCOL nIndex)
{
    return nDirection == 0 ? pGrid->IsColHidden(nIndex) : pGrid->IsRowHidden(nIndex);
}

void CGXGridMergeCellsImp::InvalidateMergedCells(CGXGridCore* pGrid, const CGXCellRange& range,
                                                 ROWCOL nRowLimit, ROWCOL nColLimit)
{
    CGXDelayedRangePool* pPool =
        (CGXDelayedRangePool*)(pGrid->GetParam() != NULL ? pGrid->GetParam()->m_pDelayedMergeCellsPool
                                                         : NULL);
    if (ActiveMode(pGrid) != 1 || pPool == NULL)
        return;
    ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    CGXCellRange cells = range, clipped;
    cells.ExpandToCells(0, 0, nRows, nCols);
    if (!clipped.Intersect(cells, CGXCellRange(0, 0, nRows, nCols)))
        return;
    // Hidden neighbours are passed over by the merges, so they are evaluated with the range.
    while (clipped.top > 0 && pGrid->IsRowHidden(clipped.top - 1))
        clipped.top--;
    while (clipped.bottom < nRows && pGrid->IsRowHidden(clipped.bottom + 1))
        clipped.bottom++;
    while (clipped.left > 0 && pGrid->IsColHidden(clipped.left - 1))
        clipped.left--;
    while (clipped.right < nCols && pGrid->IsColHidden(clipped.right + 1))
        clipped.right++;
    pPool->AddRange(clipped);
    if (nRowLimit != (ROWCOL)-1)
        pPool->ClampRows(nRowLimit);
    if (nColLimit != (ROWCOL)-1)
        pPool->ClampCols(nColLimit);
}

CGXCellRange* CGXGridMergeCellsImp::GetMergedRangeAt(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                     CGXCellRange& range, int nDirection)
{
    if (nRow >= CGXSpanCellPool::spanLimit || nCol >= CGXSpanCellPool::spanLimit)
        return NULL;
    CGXCellRange* pFound = NULL;
    for (int d = 0; d < 2; d++)
    {
        CGXSpanCellPool* pPool = Pool(pGrid, d);
        if (pPool == NULL || (nDirection != -1 && nDirection != d))
            continue;
        CGXCellRange span(nRow, nCol);
        if (pPool->LookupSpan(nRow, nCol, span))
        {
            // With both, the vertical span is the answer.
            range = span;
            pFound = &range;
        }
    }
    return pFound;
}

BOOL CGXGridMergeCellsImp::CheckMergeCell(CGXGridCore* pGrid, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                                          const CGXStyle& style, int nDirection)
{
    WORD nMode = pGrid->GetMergingMode();
    if ((nMode & 1) && (pGrid->IsRowHidden(nRow) || pGrid->IsColHidden(nCol)))
        return TRUE;
    CGXCellRange covered;
    if (ActiveMode(pGrid) == 0 || !style.GetInclude(CGXStyle::ibMergeCell) ||
        !(style.GetMergeCell() & (nDirection == 0 ? mergeHorizontal : mergeVertical)) ||
        (nMode & (nDirection == 0 ? 8 : 4)) || pGrid->GetCoveredCellsRowCol(nRow, nCol, covered) != NULL)
        return FALSE;
    // Every cell control keeps the base rule: a cell with a value.
    return pControl != NULL && !style.GetValue().IsEmpty();
}

BOOL CGXGridMergeCellsImp::CompareMergeContents(CGXGridCore*, const CGXStyle& style1, const CGXStyle& style2)
{
    if (!style1.GetInclude(CGXStyle::ibMergeCell) || !style2.GetInclude(CGXStyle::ibMergeCell))
        return FALSE;
    if (style1.GetInclude(CGXStyle::ibValue) && style2.GetInclude(CGXStyle::ibValue))
        return _mbscmp((const unsigned char*)(LPCTSTR)style1.GetValue(),
                       (const unsigned char*)(LPCTSTR)style2.GetValue()) == 0;
    return style1.CompareSubset(style2) && style2.CompareSubset(style1);
}

void CGXGridMergeCellsImp::SpanAlong(CGXGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol,
                                     ROWCOL& nFirst, ROWCOL& nLast)
{
    CGXCellRange span;
    ROWCOL nIndex = nDirection == 0 ? nCol : nRow;
    nFirst = nLast = nIndex;
    // A start after the cell is left over from rows (columns) removed before it: no span.
    if (GetMergedRangeAt(pGrid, nRow, nCol, span, nDirection) != NULL &&
        (nDirection == 0 ? span.left : span.top) <= nIndex)
    {
        nFirst = nDirection == 0 ? span.left : span.top;
        nLast = nDirection == 0 ? span.right : span.bottom;
    }
}

BOOL CGXGridMergeCellsImp::StoreAlong(CGXGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol,
                                      ROWCOL nLast, CGXCellRange* pChanged)
{
    ROWCOL nToRow = nDirection == 0 ? nRow : nLast, nToCol = nDirection == 0 ? nLast : nCol;
    if (!UpdateMergedSpanAt(pGrid, nDirection, nRow, nCol, nToRow, nToCol, GX_UPDATENOW))
        return FALSE;
    if (pChanged != NULL)
    {
        CGXCellRange cells(nRow, nCol, nToRow, nToCol);
        if (pChanged->IsValid())
            pChanged->Union(*pChanged, cells);
        else
            *pChanged = cells;
    }
    return TRUE;
}

BOOL CGXGridMergeCellsImp::Neighbour(CGXGridCore* pGrid, int nDirection, ROWCOL nIndex, BOOL bForward,
                                     ROWCOL& nNext)
{
    ROWCOL nCount = nDirection == 0 ? pGrid->GetColCount() : pGrid->GetRowCount();
    BOOL bSkipHidden = (pGrid->GetMergingMode() & 1) != 0;
    nNext = nIndex;
    do
    {
        if (bForward ? nNext >= nCount : nNext == 0)
            return FALSE;
        nNext = bForward ? nNext + 1 : nNext - 1;
    } while (bSkipHidden && IsHidden(pGrid, nDirection, nNext));
    return TRUE;
}

BOOL CGXGridMergeCellsImp::Pair(CGXGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL a,
                                ROWCOL b, CGXCellRange* pChanged)
{
    ROWCOL ra, ca, rb, cb;
    CellAt(nDirection, nRow, nCol, a, ra, ca);
    CellAt(nDirection, nRow, nCol, b, rb, cb);
    ROWCOL aFirst, aLast, bFirst, bLast;
    SpanAlong(pGrid, nDirection, ra, ca, aFirst, aLast);
    SpanAlong(pGrid, nDirection, rb, cb, bFirst, bLast);
    MergeStyles styles(pGrid);
    const CGXStyle& styleA = styles.At(ra, ca);
    const CGXStyle& styleB = styles.At(rb, cb);
    BOOL bMerge =
        CheckMergeCell(pGrid, pGrid->GetRegisteredControl(styleA.GetControl()), ra, ca, styleA, nDirection) &&
        CheckMergeCell(pGrid, pGrid->GetRegisteredControl(styleB.GetControl()), rb, cb, styleB, nDirection);
    if (bMerge)
    {
        // A hidden cell passed over takes no part in the comparison.
        BOOL bHiddenA =
            IsHidden(pGrid, 1 - nDirection, nDirection == 0 ? ra : ca) || IsHidden(pGrid, nDirection, a);
        BOOL bHiddenB =
            IsHidden(pGrid, 1 - nDirection, nDirection == 0 ? rb : cb) || IsHidden(pGrid, nDirection, b);
        bMerge = bHiddenA || bHiddenB || CompareMergeContents(pGrid, styleA, styleB);
    }
    ROWCOL r1, c1;
    if (bMerge)
    {
        if (aLast >= bLast)
            return FALSE;
        CellAt(nDirection, nRow, nCol, aFirst, r1, c1);
        return StoreAlong(pGrid, nDirection, r1, c1, bLast, pChanged);
    }
    if (aLast < b && bFirst > a)
        return FALSE;
    // A span of A that reaches B ends at A; one of B that reaches A begins at B (after rows or
    // columns came or went, B may still hold a start before it).
    if (aLast >= b)
    {
        CellAt(nDirection, nRow, nCol, aFirst, r1, c1);
        StoreAlong(pGrid, nDirection, r1, c1, a, pChanged);
    }
    if (bFirst <= a)
        StoreAlong(pGrid, nDirection, rb, cb, bLast, pChanged);
    return TRUE;
}

BOOL CGXGridMergeCellsImp::EvalCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange* pChanged)
{
    WORD nMode = pGrid->GetMergingMode();
    BOOL bChanged = FALSE;
    for (int d = 0; d < 2; d++)
    {
        if (nMode & (d == 0 ? 8 : 4))
            continue;
        ROWCOL nIndex = d == 0 ? nCol : nRow, nOther;
        // Backwards: while a pair changes, the pair before the span's start is tried.
        ROWCOL b = nIndex;
        while (Neighbour(pGrid, d, b, FALSE, nOther) && Pair(pGrid, d, nRow, nCol, nOther, b, pChanged))
        {
            bChanged = TRUE;
            ROWCOL r, c, nFirst, nLast;
            CellAt(d, nRow, nCol, nOther, r, c);
            SpanAlong(pGrid, d, r, c, nFirst, nLast);
            b = nFirst;
        }
        // Forwards likewise from the span's end.
        ROWCOL a = nIndex;
        while (Neighbour(pGrid, d, a, TRUE, nOther) && Pair(pGrid, d, nRow, nCol, a, nOther, pChanged))
        {
            bChanged = TRUE;
            ROWCOL r, c, nFirst, nLast;
            CellAt(d, nRow, nCol, nOther, r, c);
            SpanAlong(pGrid, d, r, c, nFirst, nLast);
            a = nLast;
        }
    }
    return bChanged;
}

BOOL CGXGridMergeCellsImp::RecalcMergedCells(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bKeepLock,
                                             CGXCellRange* pChanged, BOOL)
{
    WORD nLow = ActiveMode(pGrid);
    CGXGridParam* pParam = pGrid->GetParam();
    if (pGrid->m_bMergeEvalSuspended || nLow == 0 || pParam == NULL)
        return FALSE;
    ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    CGXCellRange cells = range;
    cells.ExpandToCells(0, 0, nRows, nCols);
    if (!cells.Intersect(cells, CGXCellRange(0, 0, nRows, nCols)))
        return FALSE;
    // Per row the columns to visit: the whole range, or what the delayed pool still lists.
    CDWordArray awFirst, awLast;
    if (nLow == 1)
    {
        CGXDelayedRangePool* pPool = (CGXDelayedRangePool*)pParam->m_pDelayedMergeCellsPool;
        if (pPool == NULL || !pPool->GetPendingCells(cells, awFirst, awLast))
            return FALSE;
    }
    else
    {
        awFirst.InsertAt(0, cells.left, (int)(cells.bottom - cells.top + 1));
        awLast.InsertAt(0, cells.right, (int)(cells.bottom - cells.top + 1));
    }
    BOOL bOldLock = pParam->m_bRedrawLocked;
    if (!bKeepLock)
        pParam->m_bRedrawLocked = TRUE;
    BOOL bHiddenVisited = (pGrid->GetMergingMode() & 1) != 0;
    BOOL bChanged = FALSE;
    for (INT_PTR i = 0; i < awFirst.GetSize(); i++)
    {
        ROWCOL nRow = cells.top + (ROWCOL)i;
        if (awFirst[i] == 0xFFFFFFFF || (!bHiddenVisited && pGrid->IsRowHidden(nRow)))
            continue;
        ROWCOL nLast = std::min<ROWCOL>(awLast[i], nCols);
        pGrid->m_mergeRowCache.Begin(awFirst[i]);
        pGrid->m_mergeRowCache.Reserve(std::min<ROWCOL>(nLast + 1, nCols));
        for (ROWCOL nCol = awFirst[i]; nCol <= nLast; nCol++)
            if (bHiddenVisited || !pGrid->IsColHidden(nCol))
                bChanged |= EvalCell(pGrid, nRow, nCol, pChanged);
        pGrid->m_mergeRowCache.Empty(pGrid);
    }
    if (!bKeepLock)
        pParam->m_bRedrawLocked = bOldLock;
    return bChanged;
}

BOOL CGXGridMergeCellsImp::UpdateMergedSpanAt(CGXGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol,
                                              ROWCOL nToRow, ROWCOL nToCol, UINT flags)
{
    CGXSpanCellPool* pPool = Pool(pGrid, nDirection);
    if (pPool == NULL || nToRow >= CGXSpanCellPool::spanLimit || nToCol >= CGXSpanCellPool::spanLimit)
        return FALSE;
    ROWCOL nFirst, nLast;
    SpanAlong(pGrid, nDirection, nRow, nCol, nFirst, nLast);
    BOOL bSet = nToRow != nRow || nToCol != nCol;
    if (!pPool->SetSpan(nRow, nCol, nToRow, nToCol, bSet))
        return FALSE;
    // Floats cannot cross merged cells: those around the old and new extent are evaluated again.
    CGXCellRange area(nRow, nCol, std::max(nToRow, nDirection == 0 ? nRow : nLast),
                      std::max(nToCol, nDirection == 0 ? nLast : nCol));
    pGrid->InvalidateFloatedCells(area);
    RedrawMergedSpanAt(pGrid, area.top, area.left, area.bottom, area.right, flags, TRUE);
    return TRUE;
}

void CGXGridMergeCellsImp::RedrawMergedSpanAt(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nOldBottom,
                                              ROWCOL nOldRight, UINT flags, BOOL bCreateHint)
{
    if (!pGrid->GetParam()->m_bRedrawLocked)
        pGrid->RedrawRange(nRow, nCol, nOldBottom, nOldRight, flags, FALSE);
    if (bCreateHint && pGrid->IsHintsEnabled())
        pGrid->m_pUpdateHintImp->HintMergedSpan(pGrid, nRow, nCol, nOldBottom, nOldRight, flags);
}

void CGXGridMergeCellsImp::WidenByMergedCells(CGXGridCore* pGrid, CGXCellRange& range)
{
    if (!range.IsCells() || (Pool(pGrid, 0) == NULL && Pool(pGrid, 1) == NULL))
        return;
    ROWCOL nRows = std::min(range.bottom, pGrid->GetRowCount()),
           nCols = std::min(range.right, pGrid->GetColCount());
    // Every cell's spans widen the range, skipping to the end of each span found.
    for (int d = 0; d < 2; d++)
    {
        ROWCOL nOuterLast = d == 0 ? nRows : nCols, nInnerLast = d == 0 ? nCols : nRows;
        for (ROWCOL o = d == 0 ? range.top : range.left; o <= nOuterLast; o++)
            for (ROWCOL i = d == 0 ? range.left : range.top; i <= nInnerLast; i++)
            {
                ROWCOL r, c, nFirst, nLast;
                CellAt(d, d == 0 ? o : 0, d == 0 ? 0 : o, i, r, c);
                SpanAlong(pGrid, d, r, c, nFirst, nLast);
                ROWCOL& lo = d == 0 ? range.left : range.top;
                ROWCOL& hi = d == 0 ? range.right : range.bottom;
                lo = std::min(lo, nFirst);
                hi = std::max(hi, nLast);
                i = std::max(i, nLast);
            }
    }
}
