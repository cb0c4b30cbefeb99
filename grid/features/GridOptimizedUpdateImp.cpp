// Repainting only what changed after rows or columns came, went or changed size.
#include "grid/features/GridOptimizedUpdateImp.h"
#include "grid/core/Control.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/GridView.h"
#include "grid/core/RangeList.h"
#include <algorithm>

void CGXGridCore::InstallOptimizedUpdateImp()
{
    if (m_pOptimizedUpdateImp != NULL)
        return;
    m_pOptimizedUpdateImp = new CGXGridOptimizedUpdateImp;
    AddOwnedImp(m_pOptimizedUpdateImp);
}

namespace
{
// Rows or columns of a grid along one axis: the same steps serve both.
struct Axis
{
    CGXGridCore* g;
    BOOL bRows;

    ROWCOL Count() const
    {
        return bRows ? g->GetRowCount() : g->GetColCount();
    }
    ROWCOL OtherCount() const
    {
        return bRows ? g->GetColCount() : g->GetRowCount();
    }
    ROWCOL Top() const
    {
        return bRows ? g->GetTopRow() : g->GetLeftCol();
    }
    void SetTop(ROWCOL n) const
    {
        ROWCOL& nTop = bRows ? (g->IsPrinting() ? g->m_nPrintTopRow : g->m_nTopRow)
                             : (g->IsPrinting() ? g->m_nPrintLeftCol : g->m_nLeftCol);
        nTop = n;
        g->ResetLastVisibleCache();
    }
    ROWCOL Frozen() const
    {
        return bRows ? g->GetFrozenRows() : g->GetFrozenCols();
    }
    BOOL IsFrozen(ROWCOL n) const
    {
        return bRows ? g->IsInFrozenRows(n) : g->IsInFrozenCols(n);
    }
    int Size(ROWCOL n) const
    {
        return bRows ? g->GetRowHeight(n) : g->GetColWidth(n);
    }
    int Sum(ROWCOL nFirst, ROWCOL nLast, int nMax) const
    {
        return bRows ? g->SumRowHeights(nFirst, nLast, nMax) : g->SumColWidths(nFirst, nLast, nMax);
    }
    ROWCOL ToClient(ROWCOL n) const
    {
        return bRows ? g->RowToClientRow(n) : g->ColToClientCol(n);
    }
    int ClientStart(ROWCOL nClient) const
    {
        return bRows ? g->CalcClientRowTop(nClient) : g->CalcClientColLeft(nClient);
    }
    ROWCOL ClientAt(int pos) const
    {
        return bRows ? g->ClientRowFromY(pos) : g->ClientColFromX(pos);
    }
    ROWCOL LastIn(const CRect& rect) const
    {
        return bRows ? g->CalcLastRowInRect(rect) : g->CalcLastColInRect(rect);
    }
    LONG& Lo(CRect& rect) const
    {
        return bRows ? rect.top : rect.left;
    }
    LONG& Hi(CRect& rect) const
    {
        return bRows ? rect.bottom : rect.right;
    }
    // The cells of the rows (columns) first..last over the whole other axis.
    CGXCellRange Range(ROWCOL nFirst, ROWCOL nLast) const
    {
        return bRows ? CGXCellRange(nFirst, 0, nLast, OtherCount())
                     : CGXCellRange(0, nFirst, OtherCount(), nLast);
    }
    // The header cells of the rows (columns) first..last.
    void RedrawHeaders(ROWCOL nFirst, UINT mode) const
    {
        CGXGridParam* pParam = g->GetParam();
        if (mode == 0 || !(bRows ? pParam->m_bRefreshRowHeaders : pParam->m_bRefreshColHeaders))
            return;
        if (bRows)
            g->RedrawRange(nFirst, 0, Count(), 0, mode, FALSE);
        else
            g->RedrawRange(0, nFirst, 0, Count(), mode, FALSE);
    }
    void Scroll(int d, const CRect& rect, const CRect& clip) const
    {
        g->GridWnd()->ScrollWindowEx(bRows ? 0 : d, bRows ? d : 0, &rect, &clip, NULL, NULL,
                                     SW_SCROLLCHILDREN | SW_INVALIDATE);
    }
    void Invalidate(const CRect& rect) const
    {
        g->GridWnd()->InvalidateRect(&rect, TRUE);
    }
    // From the top edge of the client row (column) holding pos to the drawing area's end.
    void InvalidateFrom(int pos, const CRect& rectDraw, BOOL bLastWhenNone) const
    {
        ROWCOL nClient = ClientAt(pos);
        if (nClient == (ROWCOL)~0u)
        {
            if (!bLastWhenNone)
                return;
            nClient = ToClient(LastIn(rectDraw));
        }
        CRect rect = rectDraw;
        Lo(rect) = ClientStart(std::max<ROWCOL>(nClient, 1));
        Invalidate(rect);
    }
    void UpdateNow() const
    {
        g->GridWnd()->UpdateWindow();
    }
};

BOOL SpansOn(CGXGridCore* pGrid)
{
    return pGrid->GetFloatingMode() != 0 || pGrid->GetMergingMode() != 0;
}
} // namespace

void CGXGridOptimizedUpdateImp::AfterInsert(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nCount,
                                            UINT& mode)
{
    Axis ax{pGrid, bRows};
    if (ax.IsFrozen(nFirst) || SpansOn(pGrid))
    {
        pGrid->RedrawAll(mode, FALSE);
        return;
    }
    mode &= 7;
    CRect rectDraw = pGrid->GetDrawingRect();
    if (nFirst < ax.Top())
        ax.SetTop(ax.Top() + nCount); // the same rows stay on screen
    else if (nFirst <= ax.LastIn(rectDraw))
    {
        CRect rect = rectDraw;
        ax.Lo(rect) = ax.ClientStart(ax.ToClient(nFirst));
        int nRoom = ax.Hi(rect) - ax.Lo(rect);
        int d = ax.Sum(nFirst, nFirst + nCount - 1, nRoom);
        if (!(mode & GX_INVALIDATE) && d <= nRoom && nFirst + nCount < ax.Count())
        {
            if (mode & (GX_UPDATENOW | GX_SMART))
            {
                ax.Scroll(d, rect, rectDraw);
                ax.Invalidate(pGrid->CalcRangeRect(ax.Range(nFirst, nFirst + nCount)));
            }
        }
        else if (mode != 0)
        {
            CRect rectChanged = pGrid->CalcRangeRect(ax.Range(nFirst, ax.Count()));
            rectChanged.InflateRect(0, 0, 1, 1);
            ax.Invalidate(rectChanged);
        }
    }
    if (mode & GX_UPDATENOW)
        ax.UpdateNow();
    ax.RedrawHeaders(nFirst + nCount, mode);
}

void CGXGridOptimizedUpdateImp::AfterRemove(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast,
                                            const int* anOld, UINT& mode)
{
    Axis ax{pGrid, bRows};
    if (mode == GX_INVALIDATE || ax.IsFrozen(nFirst) || SpansOn(pGrid))
    {
        pGrid->RedrawAll(mode, FALSE);
        return;
    }
    mode &= 7;
    ROWCOL n = nLast - nFirst + 1, nCount = ax.Count();
    CRect rectDraw = pGrid->GetDrawingRect();
    ROWCOL nLastVisible = ax.LastIn(rectDraw);
    if (nCount == 0)
    {
        ax.SetTop(1);
        if (mode != 0)
            ax.Invalidate(rectDraw);
    }
    else if (ax.Top() > nCount)
    {
        ax.SetTop(std::max<ROWCOL>(nCount, 1));
        if (mode != 0)
            ax.Invalidate(rectDraw);
    }
    else
    {
        ROWCOL t = ax.Top();
        if (nLast < t)
            ax.SetTop(t - n); // all gone above the visible part
        else if (nLastVisible < nFirst && nLastVisible == nCount)
        {
            if (mode != 0)
                ax.Invalidate(bRows ? pGrid->CalcRectBelowRow(nLastVisible)
                                    : pGrid->CalcRectRightOfCol(nLastVisible));
        }
        else if (nFirst <= nLastVisible)
        {
            CRect rect = rectDraw;
            BOOL bKnown = !(mode & GX_INVALIDATE) && anOld != NULL;
            if (nFirst >= t)
                ax.Lo(rect) = ax.ClientStart(ax.ToClient(nFirst));
            else
            {
                // The top row went with them: the rows behind the removed ones follow the frozen part.
                ax.Lo(rect) = ax.Lo(rectDraw) + ax.Sum(0, ax.Frozen(), 0);
                if (bKnown)
                    ax.SetTop(std::max<ROWCOL>(nFirst, 1));
            }
            int nRoom = ax.Hi(rect) - ax.Lo(rect);
            int h = 0;
            if (bKnown)
                for (ROWCOL r = std::max(nFirst, t); r <= nLast && h <= nRoom; r++)
                    h += anOld[r - nFirst];
            if (bKnown && h < nRoom)
            {
                if (mode != 0)
                {
                    ax.Scroll(-h, rect, rect);
                    ax.InvalidateFrom(ax.Hi(rectDraw) - h, rectDraw, FALSE);
                    ax.UpdateNow();
                }
            }
            else if (mode != 0)
                ax.Invalidate(rect);
        }
    }
    // A covered block that reached into the removed part lost rows: it is drawn anew.
    if (mode != 0)
    {
        const CGXRangeList& covered = pGrid->GetParam()->m_CoveredCellsList;
        for (POSITION pos = covered.GetHeadPosition(); pos != NULL;)
        {
            const CGXCellRange* pRange = covered.GetNext(pos);
            ROWCOL nTop = bRows ? pRange->top : pRange->left,
                   nBottom = bRows ? pRange->bottom : pRange->right;
            if (nTop < nFirst && nFirst <= nBottom)
                ax.Invalidate(pGrid->CalcRangeClientRect(*pRange));
        }
    }
    if (mode & GX_UPDATENOW)
        ax.UpdateNow();
    ax.RedrawHeaders(nFirst, mode);
}

void CGXGridOptimizedUpdateImp::AfterSizes(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL& nLast,
                                           const int* anOld, UINT& mode)
{
    Axis ax{pGrid, bRows};
    if (nLast == 0)
        nLast = nFirst;
    CGXCellRange changed =
        bRows ? CGXCellRange().SetRows(nFirst, nLast) : CGXCellRange().SetCols(nFirst, nLast + 1);
    if (pGrid->SpansTouchVisibleRange(changed))
    {
        pGrid->RedrawAll(mode, FALSE);
        return;
    }
    mode &= 7;
    CRect rectDraw = pGrid->GetDrawingRect();
    CGXGridView* pView = dynamic_cast<CGXGridView*>(pGrid);
    BOOL bHeadersNotShown = pView != NULL && pView->m_pSplitter != NULL && !pGrid->IsPrinting() &&
                            !(bRows ? pView->m_bFirstPaneRow : pView->m_bFirstPaneCol) &&
                            nLast <= (bRows ? pGrid->GetHeaderRows() : pGrid->GetHeaderCols());
    BOOL bScrolledAway = nFirst > ax.Frozen() && nLast < ax.Top();
    if (!bHeadersNotShown && !bScrolledAway && nFirst <= ax.LastIn(rectDraw))
    {
        // An active control in a changed row follows its cell.
        ROWCOL nRow, nCol;
        if (pGrid->GetCurrentCell(nRow, nCol) && (bRows ? nRow : nCol) >= nFirst &&
            (bRows ? nRow : nCol) <= nLast)
        {
            CGXControl* pControl = pGrid->GetControl(nRow, nCol);
            if (pControl != NULL && pControl->IsActive())
                pControl->Refresh();
        }
        CRect rect = rectDraw;
        BOOL bKnown = nFirst > ax.Top() || ax.IsFrozen(nFirst);
        if (bKnown)
            ax.Lo(rect) = ax.ClientStart(ax.ToClient(nFirst));
        if (!(mode & GX_INVALIDATE) && anOld != NULL && bKnown && mode != 0)
        {
            int nRoom = ax.Hi(rect) - ax.Lo(rect);
            // The changed rows that are on screen, before and now.
            int nOldSum = 0, nNewSum = 0;
            for (ROWCOL r = nFirst; r <= nLast && nOldSum <= nRoom && nNewSum <= nRoom; r++)
            {
                nOldSum += anOld[r - nFirst];
                nNewSum += ax.Size(r);
            }
            if (nOldSum < nRoom)
            {
                CRect rectBelow = rect;
                ax.Lo(rectBelow) += nOldSum;
                ax.Scroll(nNewSum - nOldSum, rectBelow, rect);
                int nGap = nOldSum - nNewSum;
                if (nGap > 0 && (mode & (GX_UPDATENOW | GX_SMART)) && nGap < ax.Hi(rectDraw))
                {
                    ax.InvalidateFrom(ax.Hi(rectDraw) - nGap, rectDraw, TRUE);
                    ax.UpdateNow();
                }
                rect = pGrid->CalcRangeRect(ax.Range(nFirst, nLast));
            }
        }
        if (mode != 0)
            ax.Invalidate(rect);
    }
    if (mode & GX_UPDATENOW)
    {
        ax.UpdateNow();
        pGrid->UpdateScrollbars();
    }
}

void CGXGridOptimizedUpdateImp::UpdateAfterInsertRows(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnCount,
                                                      UINT* pMode)
{
    AfterInsert(pGrid, TRUE, *pnFirst, *pnCount, *pMode);
}

void CGXGridOptimizedUpdateImp::UpdateAfterInsertCols(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnCount,
                                                      UINT* pMode)
{
    AfterInsert(pGrid, FALSE, *pnFirst, *pnCount, *pMode);
}

void CGXGridOptimizedUpdateImp::UpdateAfterRemoveRows(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnLast,
                                                      int* anOldHeights, UINT mode)
{
    AfterRemove(pGrid, TRUE, *pnFirst, *pnLast, anOldHeights, mode);
}

void CGXGridOptimizedUpdateImp::UpdateAfterRemoveCols(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnLast,
                                                      int* anOldWidths, UINT* pMode)
{
    AfterRemove(pGrid, FALSE, *pnFirst, *pnLast, anOldWidths, *pMode);
}

void CGXGridOptimizedUpdateImp::UpdateAfterRowHeights(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnLast,
                                                      int* anOldHeights, UINT* pMode)
{
    AfterSizes(pGrid, TRUE, *pnFirst, *pnLast, anOldHeights, *pMode);
}

void CGXGridOptimizedUpdateImp::UpdateAfterColWidths(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnLast,
                                                     int* anOldWidths, UINT* pMode)
{
    AfterSizes(pGrid, FALSE, *pnFirst, *pnLast, anOldWidths, *pMode);
}
