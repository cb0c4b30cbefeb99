// Row heights and column widths, client rows and columns, cell rectangles, hit-testing, zoom and
// the mouse cursor of the grid engine.
#include <algorithm>
#include "grid/core/GridAxis.h"
#include "grid/core/LongOperation.h"

// Sizes are stored in thousandths of a character metric. The metric is clamped to 1..1000:
// above 1000 pixels (a large zoom or font) 1000 / metric would be 0 and divide by zero.
static int ClampMetric(int nMetric)
{
    return nMetric < 1 ? 1 : nMetric > 1000 ? 1000 : nMetric;
}

int CGXGridCore::StoredToPixels(LONG nStored, int nMetric)
{
    return (int)(nStored / (1000 / ClampMetric(nMetric)));
}

LONG CGXGridCore::PixelsToStored(int nPixels, int nMetric)
{
    return (LONG)(1000 / ClampMetric(nMetric)) * nPixels;
}

int CGXGridCore::GetCharHeight()
{
    return m_bPrinting ? m_nPrintCharHeight : m_nCharHeight;
}

int CGXGridCore::GetCharWidth()
{
    return m_bPrinting ? m_nPrintCharWidth : m_nCharWidth;
}

// -- One body per size step over the row or the column description ---------------------------------

namespace
{
int DefaultLineSize(CGXGridCore* pGrid, const CGXGridAxis& a)
{
    CGXGridParam* pParam = pGrid->GetParam();
    return pParam != NULL ? CGXGridCore::StoredToPixels(pParam->*a.pnDefaultSize, (pGrid->*a.GetCharMetric)())
                          : 0;
}

int LineSize(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL n)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL || (pGrid->*a.IsHidden)(n))
        return 0;
    LONG nStored;
    int nSize = (pParam->*a.pSizes).Lookup(n, nStored)
                    ? CGXGridCore::StoredToPixels(nStored, (pGrid->*a.GetCharMetric)())
                    : (pGrid->*a.GetDefaultSize)();
    // A scrolling line is never larger than the window's part below (right of) the frozen lines.
    if (pGrid->m_bLimitToWindow && n > (pGrid->*a.GetFrozen)() && pGrid->m_pGridWnd != NULL &&
        pGrid->m_pGridWnd->IsWindowVisible())
        nSize = std::min(nSize, (int)a.Extent(pGrid->GetDrawingRect()) -
                                    (pGrid->*a.SumSizes)(0, (pGrid->*a.GetFrozen)(), 0));
    return nSize;
}

BOOL StoreDefaultLineSize(CGXGridCore* pGrid, const CGXGridAxis& a, int nSize)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (nSize <= 0 || pParam == NULL)
        return FALSE;
    pParam->*a.pnDefaultSize = CGXGridCore::PixelsToStored(nSize, (pGrid->*a.GetCharMetric)());
    return TRUE;
}

BOOL StoreLineSize(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL n, int nSize)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL)
        return FALSE;
    if (nSize < 0)
        (pParam->*a.pSizes).RemoveKey(n);
    else
        (pParam->*a.pSizes)[n] = CGXGridCore::PixelsToStored(nSize, (pGrid->*a.GetCharMetric)());
    return TRUE;
}

BOOL SetDefaultLineSize(CGXGridCore* pGrid, const CGXGridAxis& a, int nSize, UINT flags, int ctCmd)
{
    int nOld = (pGrid->*a.GetDefaultSize)();
    if (!(pGrid->*a.StoreDefaultSize)(nSize))
        return FALSE;
    CGXCellRange table;
    table.SetTable();
    pGrid->InvalidateMergedCells(table);
    pGrid->InvalidateFloatedCells(table);
    (pGrid->*a.UpdateChangedSize)(1, (pGrid->*a.GetCount)(), NULL, flags, TRUE);
    if (pGrid->m_pUndoImp != NULL && ctCmd != gxRollback && pGrid->GetParam()->IsUndoEnabled())
        pGrid->AddCommand((pGrid->m_pUndoImp->*a.CreateDefaultSizeCmd)(nOld), ctCmd);
    return TRUE;
}
} // namespace

int CGXGridCore::GetDefaultRowHeight()
{
    return DefaultLineSize(this, CGXGridAxis::rows);
}

int CGXGridCore::GetDefaultColWidth()
{
    return DefaultLineSize(this, CGXGridAxis::cols);
}

int CGXGridCore::GetRowHeight(ROWCOL nRow)
{
    return LineSize(this, CGXGridAxis::rows, nRow);
}

int CGXGridCore::GetColWidth(ROWCOL nCol)
{
    return LineSize(this, CGXGridAxis::cols, nCol);
}

BOOL CGXGridCore::StoreDefaultRowHeight(int nHeight)
{
    return StoreDefaultLineSize(this, CGXGridAxis::rows, nHeight);
}

BOOL CGXGridCore::StoreDefaultColWidth(int nWidth)
{
    return StoreDefaultLineSize(this, CGXGridAxis::cols, nWidth);
}

BOOL CGXGridCore::StoreRowHeight(ROWCOL nRow, int nHeight)
{
    return StoreLineSize(this, CGXGridAxis::rows, nRow, nHeight);
}

BOOL CGXGridCore::StoreColWidth(ROWCOL nCol, int nWidth)
{
    return StoreLineSize(this, CGXGridAxis::cols, nCol, nWidth);
}

// One body for rows and columns over the direction's description.
static BOOL SetSizes(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nFirst, ROWCOL nLast, int nSize,
                     int* anSizes, UINT flags, int ctCmd)
{
    if (nLast == 0)
        nLast = nFirst;
    if (nLast < nFirst)
        return FALSE;
    int* anOld = new int[nLast - nFirst + 1];
    BOOL bChanged = FALSE;
    {
        CGXLongOperation op;
        for (ROWCOL n = nFirst; n <= nLast; n++)
        {
            anOld[n - nFirst] = (pGrid->*a.GetSize)(n);
            bChanged |= (pGrid->*a.StoreSize)(n, anSizes != NULL ? anSizes[n - nFirst] : nSize);
        }
    }
    if (!bChanged)
    {
        delete[] anOld;
        return FALSE;
    }
    pGrid->InvalidateFloatedCells(a.Lines(nFirst, nLast));
    (pGrid->*a.UpdateChangedSize)(nFirst, nLast, anOld, flags, TRUE);
    CGXGridParam* pParam = pGrid->GetParam();
    if (pGrid->m_pUndoImp != NULL && ctCmd != gxRollback && pParam->IsUndoEnabled())
    {
        CObject* pCmd = (pGrid->m_pUndoImp->*a.CreateSizeCmd)(nFirst, nLast, anOld);
        if (pCmd != NULL)
        {
            anOld = NULL; // the command owns the old sizes
            pGrid->AddCommand(pCmd, ctCmd);
        }
        if (ctCmd == gxUndo || ctCmd == gxRedo)
        {
            ROWCOL nRow, nCol;
            pGrid->GetCurrentCell(nRow, nCol);
            pGrid->MoveToUndoCell(a.Row(nFirst, nRow), a.Col(nFirst, nCol));
        }
    }
    delete[] anOld;
    return TRUE;
}

BOOL CGXGridCore::SetRowHeight(ROWCOL nFirst, ROWCOL nLast, int nHeight, int* anHeights, UINT flags,
                               int ctCmd)
{
    return SetSizes(this, CGXGridAxis::rows, nFirst, nLast, nHeight, anHeights, flags, ctCmd);
}

BOOL CGXGridCore::SetColWidth(ROWCOL nFirst, ROWCOL nLast, int nWidth, int* anWidths, UINT flags, int ctCmd)
{
    return SetSizes(this, CGXGridAxis::cols, nFirst, nLast, nWidth, anWidths, flags, ctCmd);
}

BOOL CGXGridCore::SetDefaultRowHeight(int nHeight, UINT flags, int ctCmd)
{
    return SetDefaultLineSize(this, CGXGridAxis::rows, nHeight, flags, ctCmd);
}

BOOL CGXGridCore::SetDefaultColWidth(int nWidth, UINT flags, int ctCmd)
{
    return SetDefaultLineSize(this, CGXGridAxis::cols, nWidth, flags, ctCmd);
}

static void UpdateChangedSizes(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nFirst, ROWCOL nLast,
                               int* anOld, UINT flags, BOOL bCreateHint)
{
    pGrid->ResetLastVisibleCache();
    // A control left standing in a hidden row (column) stores and goes.
    ROWCOL nCurRow, nCurCol;
    if ((pGrid->*a.GetSize)(nFirst) == 0 && pGrid->GetCurrentCell(nCurRow, nCurCol) &&
        a.Along(nCurRow, nCurCol) >= nFirst && a.Along(nCurRow, nCurCol) <= nLast)
        pGrid->DeactivateCurrentCell(TRUE);
    if (!pGrid->IsLockUpdate())
    {
        if (pGrid->m_pOptimizedUpdateImp != NULL)
        {
            ROWCOL nFrom = nFirst, nTo = nLast;
            UINT mode = flags;
            (pGrid->m_pOptimizedUpdateImp->*a.OptimizedSizes)(pGrid, &nFrom, &nTo, anOld, &mode);
        }
        else
            pGrid->RedrawAll(flags, FALSE);
    }
    if (bCreateHint && pGrid->IsHintsEnabled())
        (pGrid->m_pUpdateHintImp->*a.HintChangedSize)(pGrid, nFirst, nLast, anOld, flags);
}

void CGXGridCore::UpdateChangedRowHeight(ROWCOL nFirst, ROWCOL nLast, int* anOld, UINT flags,
                                         BOOL bCreateHint)
{
    UpdateChangedSizes(this, CGXGridAxis::rows, nFirst, nLast, anOld, flags, bCreateHint);
}

void CGXGridCore::UpdateChangedColWidth(ROWCOL nFirst, ROWCOL nLast, int* anOld, UINT flags, BOOL bCreateHint)
{
    UpdateChangedSizes(this, CGXGridAxis::cols, nFirst, nLast, anOld, flags, bCreateHint);
}

// -- Client rows and columns -------------------------------------------------------------------

namespace
{
// Stops as soon as the running sum exceeds a non-zero maximum.
int SumLineSizes(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nFirst, ROWCOL nLast, int nMax)
{
    int nSum = 0;
    for (ROWCOL n = nFirst; n <= nLast && n >= nFirst; n++)
    {
        nSum += (pGrid->*a.GetSize)(n);
        if (nMax != 0 && nSum > nMax)
            break;
    }
    return nSum;
}

// The drawing rectangle's top (left) plus the sizes of the client rows (columns) before nClient.
int ClientStart(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nClient)
{
    int pos = pGrid->GetDrawingRect().*a.pnStart;
    for (ROWCOL n = 0; n < nClient; n++)
        pos += (pGrid->*a.GetSize)((pGrid->*a.ClientToIndex)(n));
    return pos;
}
} // namespace

int CGXGridCore::SumRowHeights(ROWCOL nFirst, ROWCOL nLast, int nMax)
{
    return SumLineSizes(this, CGXGridAxis::rows, nFirst, nLast, nMax);
}

int CGXGridCore::SumColWidths(ROWCOL nFirst, ROWCOL nLast, int nMax)
{
    return SumLineSizes(this, CGXGridAxis::cols, nFirst, nLast, nMax);
}

int CGXGridCore::CalcClientRowTop(ROWCOL nClientRow)
{
    return ClientStart(this, CGXGridAxis::rows, nClientRow);
}

int CGXGridCore::CalcClientColLeft(ROWCOL nClientCol)
{
    return ClientStart(this, CGXGridAxis::cols, nClientCol);
}

CRect CGXGridCore::CalcClientCellRect(ROWCOL nClientRow, ROWCOL nClientCol)
{
    int x = CalcClientColLeft(nClientCol), y = CalcClientRowTop(nClientRow);
    return CRect(x, y, x + GetColWidth(ClientColToCol(nClientCol)),
                 y + GetRowHeight(ClientRowToRow(nClientRow)));
}

// Walks client rows (columns) from the drawing rectangle's edge; ~0 past the last, 0 before the first.
static ROWCOL ClientIndexFrom(CGXGridCore* pGrid, const CGXGridAxis& a, int pos, int* pnEdge)
{
    CRect rect = pGrid->GetDrawingRect();
    int start = rect.*a.pnStart;
    if (pos < start)
    {
        if (pnEdge != NULL)
            *pnEdge = start;
        return 0;
    }
    ROWCOL nCount = (pGrid->*a.GetCount)();
    int edge = start;
    for (ROWCOL n = 0;; n++)
    {
        ROWCOL nAbs = (pGrid->*a.ClientToIndex)(n);
        if (nAbs > nCount || (n > 0 && nAbs == 0))
            break;
        int size = (pGrid->*a.GetSize)(nAbs);
        if (pos < edge + size)
        {
            if (pnEdge != NULL)
                *pnEdge = edge;
            return n;
        }
        edge += size;
        if (edge > rect.*a.pnEnd + 32767)
            break;
    }
    if (pnEdge != NULL)
        *pnEdge = edge;
    return (ROWCOL)~0u;
}

ROWCOL CGXGridCore::ClientRowFromY(int y, int* pnEdge)
{
    return ClientIndexFrom(this, CGXGridAxis::rows, y, pnEdge);
}

ROWCOL CGXGridCore::ClientColFromX(int x, int* pnEdge)
{
    return ClientIndexFrom(this, CGXGridAxis::cols, x, pnEdge);
}

BOOL CGXGridCore::ClientCellFromPoint(CPoint pt, ROWCOL& nClientRow, ROWCOL& nClientCol, CRect* pRect)
{
    if (pt.x < 0 || pt.y < 0)
    {
        nClientRow = nClientCol = 0;
        return FALSE;
    }
    int top, left;
    nClientRow = ClientRowFromY(pt.y, &top);
    nClientCol = ClientColFromX(pt.x, &left);
    if (nClientRow == (ROWCOL)~0u || nClientCol == (ROWCOL)~0u)
        return FALSE;
    if (pRect != NULL)
        pRect->SetRect(left, top, left + GetColWidth(ClientColToCol(nClientCol)),
                       top + GetRowHeight(ClientRowToRow(nClientRow)));
    return TRUE;
}

// The last row (column) whose area reaches into the rectangle; the count when the rows end first.
static ROWCOL LastInRect(CGXGridCore* pGrid, const CGXGridAxis& a, const CRect& rect, BOOL* pbPartial)
{
    ROWCOL nCount = (pGrid->*a.GetCount)();
    int edge = rect.*a.pnStart, end = rect.*a.pnEnd;
    ROWCOL nLast = 0;
    BOOL bPartial = FALSE;
    for (ROWCOL n = 0;; n++)
    {
        ROWCOL nAbs = (pGrid->*a.ClientToIndex)(n);
        if (nAbs > nCount || (n > 0 && nAbs == 0))
            break;
        nLast = nAbs;
        edge += (pGrid->*a.GetSize)(nAbs);
        if (edge >= end)
        {
            bPartial = edge > end;
            break;
        }
    }
    if (pbPartial != NULL)
        *pbPartial = bPartial;
    return nLast;
}

ROWCOL CGXGridCore::CalcLastRowInRect(const CRect& rect, BOOL* pbPartial)
{
    return LastInRect(this, CGXGridAxis::rows, rect, pbPartial);
}

ROWCOL CGXGridCore::CalcLastColInRect(const CRect& rect, BOOL* pbPartial)
{
    return LastInRect(this, CGXGridAxis::cols, rect, pbPartial);
}

namespace
{
// The last visible row (column), cached until sizes change or the top row (left column) moves.
ROWCOL LastVisible(CGXGridCore* pGrid, const CGXGridAxis& a, BOOL* pbPartial)
{
    ROWCOL& nLast = pGrid->*a.pnLastVisible;
    ROWCOL& nCachedFirst = pGrid->*a.pnLastVisibleFirst;
    BOOL& bPartial = pGrid->*a.pbLastVisiblePartial;
    if (nLast == (ROWCOL)-1 || nCachedFirst != (pGrid->*a.GetFirstShown)())
    {
        nLast = (pGrid->*a.CalcLastInRect)(pGrid->GetDrawingRect(), &bPartial);
        nCachedFirst = (pGrid->*a.GetFirstShown)();
    }
    if (pbPartial != NULL)
        *pbPartial = bPartial;
    return nLast;
}

// The part of the drawing rectangle below the row (right of the column).
CRect RectAfter(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL n)
{
    CRect rect = pGrid->GetDrawingRect();
    ROWCOL nClient = (pGrid->*a.ToClient)(n);
    rect.*a.pnStart = (pGrid->*a.CalcClientStart)(nClient) + (pGrid->*a.GetSize)(n);
    if (rect.*a.pnStart > rect.*a.pnEnd)
        rect.*a.pnStart = rect.*a.pnEnd;
    return rect;
}

// Wholly in the scrolled-away part, or starting past the cached last visible row (column).
BOOL OutOfView(CGXGridCore* pGrid, const CGXGridAxis& a, const CGXCellRange& range)
{
    ROWCOL nFrozen = (pGrid->*a.GetFrozen)(), nLastVisible = pGrid->*a.pnLastVisible;
    ROWCOL nFirst = a.First(range), nLast = a.Last(range);
    return (nLast > nFrozen && nLast < (pGrid->*a.GetFirstShown)()) ||
           (nLastVisible != (ROWCOL)-1 && nFirst > nLastVisible && nFirst > nFrozen);
}

// Walks the client rows (columns) from the drawing rectangle's edge while the edge stays within
// nMax, and finds where the range's rows (columns) begin and end; -1 when none is shown.
void SpanOf(CGXGridCore* pGrid, const CGXGridAxis& a, const CGXCellRange& range, int nMax, int& nStart,
            int& nEnd)
{
    int pos = pGrid->GetDrawingRect().*a.pnStart;
    nStart = nEnd = -1;
    for (ROWCOL n = 0; pos <= nMax; n++)
    {
        ROWCOL nAbs = (pGrid->*a.ClientToIndex)(n);
        if ((n > 0 && nAbs == 0) || nAbs > (pGrid->*a.GetCount)())
            break;
        int size = (pGrid->*a.GetSize)(nAbs);
        if (nAbs >= a.First(range) && nAbs <= a.Last(range))
        {
            if (nStart < 0)
                nStart = pos;
            nEnd = pos + size;
        }
        pos += size;
    }
}
} // namespace

ROWCOL CGXGridCore::GetBottomVisibleRow(BOOL* pbPartial)
{
    return LastVisible(this, CGXGridAxis::rows, pbPartial);
}

ROWCOL CGXGridCore::GetRightVisibleCol(BOOL* pbPartial)
{
    return LastVisible(this, CGXGridAxis::cols, pbPartial);
}

CRect CGXGridCore::CalcRectBelowRow(ROWCOL nRow)
{
    return RectAfter(this, CGXGridAxis::rows, nRow);
}

CRect CGXGridCore::CalcRectRightOfCol(ROWCOL nCol)
{
    return RectAfter(this, CGXGridAxis::cols, nCol);
}

CRect CGXGridCore::CalcRangeClientRect(const CGXCellRange& rangeIn, BOOL bWalkPastEdge)
{
    CGXCellRange range = rangeIn;
    range.ExpandToCells(0, 0, GetRowCount(), GetColCount());
    if (OutOfView(this, CGXGridAxis::rows, range) || OutOfView(this, CGXGridAxis::cols, range))
        return CRect(0, 0, 0, 0);
    // The walk stops at twice the drawing rectangle's bottom (right) unless asked to go on.
    CRect rectDraw = GetDrawingRect();
    int yTop, yBottom, xLeft, xRight;
    SpanOf(this, CGXGridAxis::rows, range, bWalkPastEdge ? INT_MAX : rectDraw.bottom * 2, yTop, yBottom);
    SpanOf(this, CGXGridAxis::cols, range, bWalkPastEdge ? INT_MAX : rectDraw.right * 2, xLeft, xRight);
    if (yTop < 0 || xLeft < 0)
        return CRect(0, 0, 0, 0);
    return CRect(xLeft, yTop, xRight, yBottom);
}

CRect CGXGridCore::CalcRangeRect(const CGXCellRange& rangeIn)
{
    CGXCellRange range = rangeIn;
    WidenByCoveredCells(range);
    WidenByMergedCells(range);
    WidenByFloatedCells(range);
    return CalcRangeClientRect(range);
}

CRect CGXGridCore::CalcCellRect(ROWCOL nRow, ROWCOL nCol)
{
    CGXCellRange range(nRow, nCol);
    GetCellSpanRange(nRow, nCol, range);
    return CalcRangeClientRect(range);
}

// -- Hit-testing ----------------------------------------------------------------------------------

namespace
{
// Whether the rows (columns) can be resized at a cell whose index across is nAcross.
BOOL CanResize(CGXGridParam* pParam, const CGXGridAxis& a, ROWCOL nAcross, ROWCOL nHeaderAcross)
{
    return pParam != NULL && (pParam->*a.TestSizingFlags)(3) &&
           (nAcross <= nHeaderAcross || (pParam->*a.TestSizingFlags)(4));
}

// The boundary of a cell's row (column) under the point: its bottom (right) edge, or the top (left)
// edge, which belongs to the previous row (column): to a hidden one right behind it when the point is
// a little way in, else to the first one before it with a size. n becomes the row (column) whose
// boundary it is.
int HitBoundary(CGXGridCore* pGrid, const CGXGridAxis& a, CPoint pt, const CRect& rectCell, ROWCOL nClient,
                ROWCOL& n, ROWCOL nHeader)
{
    CGXGridParam* pParam = pGrid->GetParam();
    int nTol = pGrid->m_nHitTolerance;
    if (abs(pt.*a.pnPos - rectCell.*a.pnEnd) <= nTol / 2)
        return n <= nHeader && (pParam->*a.TestSizingFlags)(8) ? GX_NOHIT : a.nHitLine;
    if (!(abs(pt.*a.pnPos - rectCell.*a.pnStart) <= nTol / 2 && nClient > 0 &&
          !(n <= nHeader + 1 && (pParam->*a.TestSizingFlags)(8))))
        return GX_NOHIT;
    ROWCOL nPrev = (pGrid->*a.ClientToIndex)(nClient - 1);
    if (pt.*a.pnPos - rectCell.*a.pnStart > nTol / 4 && (pGrid->*a.GetSize)(nPrev) == 0)
    {
        n = nPrev;
        return a.nHitHiddenLine;
    }
    ROWCOL c = nClient - 1;
    while (c > 0 && (pGrid->*a.GetSize)((pGrid->*a.ClientToIndex)(c)) == 0)
        c--;
    n = (pGrid->*a.ClientToIndex)(c);
    return a.nHitLine;
}

// Past the last row (column): its index, or one more when the point is a little way beyond it.
ROWCOL PastLast(CGXGridCore* pGrid, const CGXGridAxis& a, CPoint pt, int nEdge)
{
    ROWCOL nCount = (pGrid->*a.GetCount)();
    return pt.*a.pnPos - nEdge > pGrid->m_nHitTolerance / 2 + 1 ? nCount + 1 : nCount;
}
} // namespace

int CGXGridCore::HitTest(CPoint pt, ROWCOL* pRow, ROWCOL* pCol, CRect* pRect)
{
    pt.x = std::max(pt.x, 0L);
    pt.y = std::max(pt.y, 0L);
    CRect rectDraw = GetDrawingRect();
    if (!rectDraw.PtInRect(pt))
        return GX_NOHIT;
    int top, left;
    ROWCOL nClientRow = ClientRowFromY(pt.y, &top), nClientCol = ClientColFromX(pt.x, &left);
    BOOL bOnCell = nClientRow != (ROWCOL)~0u && nClientCol != (ROWCOL)~0u;
    ROWCOL nRow = bOnCell ? ClientRowToRow(nClientRow) : 0, nCol = bOnCell ? ClientColToCol(nClientCol) : 0;
    CRect rectCell;
    if (bOnCell)
        rectCell.SetRect(left, top, left + GetColWidth(nCol), top + GetRowHeight(nRow));
    ROWCOL nHeaderRows = GetHeaderRows(), nHeaderCols = GetHeaderCols();
    int nHit = GX_NOHIT;
    // A column boundary first, then a row boundary.
    if (bOnCell && CanResize(m_pParam, CGXGridAxis::cols, nRow, nHeaderRows))
        nHit = HitBoundary(this, CGXGridAxis::cols, pt, rectCell, nClientCol, nCol, nHeaderCols);
    if (nHit == GX_NOHIT && bOnCell && CanResize(m_pParam, CGXGridAxis::rows, nCol, nHeaderCols))
        nHit = HitBoundary(this, CGXGridAxis::rows, pt, rectCell, nClientRow, nRow, nHeaderRows);
    if (nHit == GX_NOHIT && bOnCell)
    {
        nHit = HitTestSelectionEdge(nRow, nCol, pt, rectCell);
        if (nHit == GX_NOHIT)
            nHit = nRow > nHeaderRows && nCol > nHeaderCols ? GX_CELLHIT : GX_HEADERHIT;
    }
    if (nClientRow == (ROWCOL)~0u)
        nRow = PastLast(this, CGXGridAxis::rows, pt, top);
    if (nClientCol == (ROWCOL)~0u)
        nCol = PastLast(this, CGXGridAxis::cols, pt, left);
    if (pRow != NULL)
        *pRow = nRow;
    if (pCol != NULL)
        *pCol = nCol;
    if (pRect != NULL)
        *pRect = rectCell;
    return nHit;
}

int CGXGridCore::HitTestSelectionEdge(ROWCOL nRow, ROWCOL nCol, CPoint pt, const CRect& rectCell)
{
    if (m_pParam == NULL || !(m_bDragDropEnabled || m_pParam->m_bExcelLikeFill))
        return GX_NOHIT;
    int nTol = m_nHitTolerance / 2;
    CGXCellRange range;
    POSITION pos = m_pParam->m_SelectedRanges.FindRangeWithCell(nRow, nCol);
    if (pos != NULL)
        range = *m_pParam->m_SelectedRanges.GetAt(pos);
    else if (m_pParam->m_SelectedRanges.IsEmpty() && IsCurrentCell(nRow, nCol))
    {
        range = CGXCellRange(nRow, nCol);
        GetCellSpanRange(nRow, nCol, range);
    }
    else
        return GX_NOHIT;
    if (range.ContainsCell(0, 0))
    {
        if (nRow == 0 && nCol == 0 &&
            ((pt.x >= rectCell.left && pt.x < rectCell.left + nTol) ||
             (pt.y >= rectCell.top && pt.y < rectCell.top + nTol)))
            return GX_SELEDGEHIT;
        return GX_NOHIT;
    }
    BOOL bLeft = !range.IsRows() && range.left == nCol && pt.x < rectCell.left + nTol;
    BOOL bRight = !range.IsRows() && range.right == nCol && pt.x >= rectCell.right - nTol;
    BOOL bTop = !range.IsCols() && range.top == nRow && pt.y < rectCell.top + nTol;
    BOOL bBottom = !range.IsCols() && range.bottom == nRow && pt.y >= rectCell.bottom - nTol;
    if (!(bLeft || bRight || bTop || bBottom))
        return GX_NOHIT;
    if (m_pParam->m_bExcelLikeFill && pt.x >= rectCell.right - nTol && pt.y >= rectCell.bottom - nTol &&
        (bRight || bBottom))
        return GX_FILLHANDLEHIT;
    return GX_SELEDGEHIT;
}

// -- Zoom -------------------------------------------------------------------------------------------

int CGXGridCore::GetZoom()
{
    if (m_bPrinting || m_pParam == NULL || m_pParam->m_bZoomOff)
        return 100;
    return m_nZoom;
}

BOOL CGXGridCore::StoreZoom(int nZoom, BOOL bCreateHint)
{
    m_nZoom = nZoom;
    if (m_pParam != NULL && m_pParam->GetProperties() != NULL)
        m_pParam->GetProperties()->m_nValue100 = nZoom;
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintStoreZoom(this, nZoom);
    return TRUE;
}

BOOL CGXGridCore::SetZoom(int nZoom, UINT flags)
{
    int nOld = m_nZoom;
    if (!StoreZoom(nZoom, TRUE))
        return FALSE;
    OnZoomChanged(nOld, flags, TRUE);
    return TRUE;
}

void CGXGridCore::OnZoomChanged(int nOldZoom, UINT flags, BOOL bCreateHint)
{
    FreeObjectCache();
    CalcCharMetricsFromStandard();
    CGXCellRange table;
    table.SetTable();
    InvalidateFloatedCells(table);
    if (!IsLockUpdate() && nOldZoom != m_nZoom)
        RedrawAll(flags, FALSE);
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintZoomChanged(this, nOldZoom, flags);
}

void CGXGridCore::CalcCharMetricsFromStandard()
{
    m_nCharWidth = 10;
    m_nCharHeight = 15;
    if (m_pParam == NULL || m_pParam->GetStylesMap() == NULL)
        return;
    const CGXStyle& standard = GetDefaultBaseStyle();
    if (!standard.GetInclude(CGXStyle::ibFont))
        return;
    CDC dc;
    dc.Attach(::GetDC(NULL));
    CFont* pFont = LookupFont(*standard.GetFontPtr(), GetZoom());
    CFont* pOld = pFont != NULL ? dc.SelectObject(pFont) : NULL;
    CalcCharMetrics(&dc, m_nCharWidth, m_nCharHeight);
    if (pOld != NULL)
        dc.SelectObject(pOld);
    ::ReleaseDC(NULL, dc.Detach());
}

// -- Cursors ------------------------------------------------------------------------------------------

namespace
{
// The process-wide cursor state: the last requested resource and its handle.
struct CursorState
{
    UINT nLastId = 0;
    HCURSOR hCursor = NULL;
    BOOL bDestroy = FALSE;
};
CursorState s_cursor;

// Cursor resources by hit code, with the system cursor used when the resource is missing.
struct CursorEntry
{
    int nHit;
    UINT nResource;
    LPCTSTR pszFallback;
};
const CursorEntry s_cursorTable[] = {
    {GX_VERTLINE, 20190, IDC_SIZEWE},        {GX_HORZLINE, 20191, IDC_SIZENS},
    {GX_VERTLINE_PREVCOL, 20192, IDC_ARROW}, {GX_HORZLINE_PREVROW, 20193, IDC_ARROW},
    {GX_SELEDGEHIT, 20194, IDC_ARROW},       {GX_FILLHANDLEHIT, 20209, IDC_ARROW},
};
const UINT nRowHeaderCursor = 20196, nColHeaderCursor = 20195;
} // namespace

UINT CGXGridCore::GetLastCursorId() const
{
    return s_cursor.nLastId;
}

void CGXGridCore::SetGridCursor(UINT nID, LPCTSTR pszFallback)
{
    if (nID == 0)
    {
        s_cursor.nLastId = 0;
        ::SetCursor(m_hcurArrow);
        return;
    }
    if (nID != s_cursor.nLastId || s_cursor.hCursor == NULL)
    {
        HCURSOR hOld = s_cursor.bDestroy ? s_cursor.hCursor : NULL;
        HCURSOR hNew = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nID));
        s_cursor.bDestroy = hNew != NULL;
        if (hNew == NULL)
            hNew = ::LoadCursor(NULL, pszFallback);
        s_cursor.hCursor = hNew;
        s_cursor.nLastId = nID;
        ::SetCursor(hNew);
        if (hOld != NULL)
            ::DestroyCursor(hOld);
        return;
    }
    ::SetCursor(s_cursor.hCursor);
}

BOOL CGXGridCore::UpdateCursor(CPoint pt)
{
    if (m_nForcedCursor != 0)
    {
        SetGridCursor(m_nForcedCursor, IDC_ARROW);
        return TRUE;
    }
    ROWCOL nRow, nCol;
    int nHit = HitTest(pt, &nRow, &nCol);
    for (const CursorEntry& e : s_cursorTable)
    {
        if (e.nHit != nHit)
            continue;
        if ((nHit == GX_VERTLINE && !CanUserResizeCol(nCol)) ||
            (nHit == GX_HORZLINE && !CanUserResizeRow(nRow)))
            break;
        SetGridCursor(e.nResource, e.pszFallback);
        return TRUE;
    }
    if (nHit == GX_HEADERHIT && m_pParam != NULL)
    {
        if (nCol == 0 && nRow > 0 && m_pParam->TestSelectionFlags(1))
        {
            SetGridCursor(nRowHeaderCursor, IDC_ARROW);
            return TRUE;
        }
        if (nRow == 0 && nCol > 0 && m_pParam->TestSelectionFlags(2))
        {
            SetGridCursor(nColHeaderCursor, IDC_ARROW);
            return TRUE;
        }
    }
    SetGridCursor(0);
    return FALSE;
}
