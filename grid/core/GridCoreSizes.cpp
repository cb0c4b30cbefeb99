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

int CGXGridCore::GetDefaultRowHeight()
{
    return m_pParam != NULL ? StoredToPixels(m_pParam->m_nDefaultRowHeight, GetCharHeight()) : 0;
}

int CGXGridCore::GetDefaultColWidth()
{
    return m_pParam != NULL ? StoredToPixels(m_pParam->m_nDefaultColWidth, GetCharWidth()) : 0;
}

int CGXGridCore::GetRowHeight(ROWCOL nRow)
{
    if (m_pParam == NULL || IsRowHidden(nRow))
        return 0;
    LONG nStored;
    int nHeight = m_pParam->m_RowHeights.Lookup(nRow, nStored) ? StoredToPixels(nStored, GetCharHeight())
                                                                : GetDefaultRowHeight();
    if (m_bLimitToWindow && nRow > GetFrozenRows() && m_pGridWnd != NULL && m_pGridWnd->IsWindowVisible())
        nHeight = std::min(nHeight, GetDrawingRect().Height() - SumRowHeights(0, GetFrozenRows()));
    return nHeight;
}

int CGXGridCore::GetColWidth(ROWCOL nCol)
{
    if (m_pParam == NULL || IsColHidden(nCol))
        return 0;
    LONG nStored;
    int nWidth = m_pParam->m_ColWidths.Lookup(nCol, nStored) ? StoredToPixels(nStored, GetCharWidth())
                                                              : GetDefaultColWidth();
    if (m_bLimitToWindow && nCol > GetFrozenCols() && m_pGridWnd != NULL && m_pGridWnd->IsWindowVisible())
        nWidth = std::min(nWidth, GetDrawingRect().Width() - SumColWidths(0, GetFrozenCols()));
    return nWidth;
}

BOOL CGXGridCore::StoreDefaultRowHeight(int nHeight)
{
    if (nHeight <= 0 || m_pParam == NULL)
        return FALSE;
    m_pParam->m_nDefaultRowHeight = PixelsToStored(nHeight, GetCharHeight());
    return TRUE;
}

BOOL CGXGridCore::StoreDefaultColWidth(int nWidth)
{
    if (nWidth <= 0 || m_pParam == NULL)
        return FALSE;
    m_pParam->m_nDefaultColWidth = PixelsToStored(nWidth, GetCharWidth());
    return TRUE;
}

BOOL CGXGridCore::StoreRowHeight(ROWCOL nRow, int nHeight)
{
    if (m_pParam == NULL)
        return FALSE;
    if (nHeight < 0)
        m_pParam->m_RowHeights.RemoveKey(nRow);
    else
        m_pParam->m_RowHeights[nRow] = PixelsToStored(nHeight, GetCharHeight());
    return TRUE;
}

BOOL CGXGridCore::StoreColWidth(ROWCOL nCol, int nWidth)
{
    if (m_pParam == NULL)
        return FALSE;
    if (nWidth < 0)
        m_pParam->m_ColWidths.RemoveKey(nCol);
    else
        m_pParam->m_ColWidths[nCol] = PixelsToStored(nWidth, GetCharWidth());
    return TRUE;
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

BOOL CGXGridCore::SetRowHeight(ROWCOL nFirst, ROWCOL nLast, int nHeight, int* anHeights, UINT flags, int ctCmd)
{
    return SetSizes(this, CGXGridAxis::rows, nFirst, nLast, nHeight, anHeights, flags, ctCmd);
}

BOOL CGXGridCore::SetColWidth(ROWCOL nFirst, ROWCOL nLast, int nWidth, int* anWidths, UINT flags, int ctCmd)
{
    return SetSizes(this, CGXGridAxis::cols, nFirst, nLast, nWidth, anWidths, flags, ctCmd);
}

BOOL CGXGridCore::SetDefaultRowHeight(int nHeight, UINT flags, int ctCmd)
{
    int nOld = GetDefaultRowHeight();
    if (!StoreDefaultRowHeight(nHeight))
        return FALSE;
    CGXCellRange table;
    table.SetTable();
    InvalidateMergedCells(table);
    InvalidateFloatedCells(table);
    UpdateChangedRowHeight(1, GetRowCount(), NULL, flags, TRUE);
    if (m_pUndoImp != NULL && ctCmd != gxRollback && m_pParam->IsUndoEnabled())
        AddCommand(m_pUndoImp->CreateSetDefaultRowHeightCmd(nOld), ctCmd);
    return TRUE;
}

BOOL CGXGridCore::SetDefaultColWidth(int nWidth, UINT flags, int ctCmd)
{
    int nOld = GetDefaultColWidth();
    if (!StoreDefaultColWidth(nWidth))
        return FALSE;
    CGXCellRange table;
    table.SetTable();
    InvalidateMergedCells(table);
    InvalidateFloatedCells(table);
    UpdateChangedColWidth(1, GetColCount(), NULL, flags, TRUE);
    if (m_pUndoImp != NULL && ctCmd != gxRollback && m_pParam->IsUndoEnabled())
        AddCommand(m_pUndoImp->CreateSetDefaultColWidthCmd(nOld), ctCmd);
    return TRUE;
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

int CGXGridCore::SumRowHeights(ROWCOL nFirst, ROWCOL nLast, int nMax)
{
    int nSum = 0;
    for (ROWCOL r = nFirst; r <= nLast && r >= nFirst; r++)
    {
        nSum += GetRowHeight(r);
        if (nMax != 0 && nSum > nMax)
            break;
    }
    return nSum;
}

int CGXGridCore::SumColWidths(ROWCOL nFirst, ROWCOL nLast, int nMax)
{
    int nSum = 0;
    for (ROWCOL c = nFirst; c <= nLast && c >= nFirst; c++)
    {
        nSum += GetColWidth(c);
        if (nMax != 0 && nSum > nMax)
            break;
    }
    return nSum;
}

int CGXGridCore::CalcClientRowTop(ROWCOL nClientRow)
{
    int y = GetDrawingRect().top;
    for (ROWCOL r = 0; r < nClientRow; r++)
        y += GetRowHeight(ClientRowToRow(r));
    return y;
}

int CGXGridCore::CalcClientColLeft(ROWCOL nClientCol)
{
    int x = GetDrawingRect().left;
    for (ROWCOL c = 0; c < nClientCol; c++)
        x += GetColWidth(ClientColToCol(c));
    return x;
}

CRect CGXGridCore::CalcClientCellRect(ROWCOL nClientRow, ROWCOL nClientCol)
{
    int x = CalcClientColLeft(nClientCol), y = CalcClientRowTop(nClientRow);
    return CRect(x, y, x + GetColWidth(ClientColToCol(nClientCol)), y + GetRowHeight(ClientRowToRow(nClientRow)));
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

ROWCOL CGXGridCore::GetBottomVisibleRow(BOOL* pbPartial)
{
    if (m_nLastVisibleRow == (ROWCOL)-1 || m_nLastVisibleTopRow != GetTopRow())
    {
        m_nLastVisibleRow = CalcLastRowInRect(GetDrawingRect(), &m_bLastVisibleRowPartial);
        m_nLastVisibleTopRow = GetTopRow();
    }
    if (pbPartial != NULL)
        *pbPartial = m_bLastVisibleRowPartial;
    return m_nLastVisibleRow;
}

ROWCOL CGXGridCore::GetRightVisibleCol(BOOL* pbPartial)
{
    if (m_nLastVisibleCol == (ROWCOL)-1 || m_nLastVisibleLeftCol != GetLeftCol())
    {
        m_nLastVisibleCol = CalcLastColInRect(GetDrawingRect(), &m_bLastVisibleColPartial);
        m_nLastVisibleLeftCol = GetLeftCol();
    }
    if (pbPartial != NULL)
        *pbPartial = m_bLastVisibleColPartial;
    return m_nLastVisibleCol;
}

CRect CGXGridCore::CalcRectBelowRow(ROWCOL nRow)
{
    CRect rect = GetDrawingRect();
    ROWCOL nClient = RowToClientRow(nRow);
    rect.top = CalcClientRowTop(nClient) + GetRowHeight(nRow);
    if (rect.top > rect.bottom)
        rect.top = rect.bottom;
    return rect;
}

CRect CGXGridCore::CalcRectRightOfCol(ROWCOL nCol)
{
    CRect rect = GetDrawingRect();
    ROWCOL nClient = ColToClientCol(nCol);
    rect.left = CalcClientColLeft(nClient) + GetColWidth(nCol);
    if (rect.left > rect.right)
        rect.left = rect.right;
    return rect;
}

CRect CGXGridCore::CalcRangeClientRect(const CGXCellRange& rangeIn, BOOL bWalkPastEdge)
{
    CGXCellRange range = rangeIn;
    range.ExpandToCells(0, 0, GetRowCount(), GetColCount());
    CRect rectDraw = GetDrawingRect();
    ROWCOL nFrozenRows = GetFrozenRows(), nFrozenCols = GetFrozenCols();
    ROWCOL nTop = GetTopRow(), nLeft = GetLeftCol();
    // Wholly in the scrolled-away part, or past the last visible row or column: empty.
    if ((range.bottom > nFrozenRows && range.bottom < nTop) || (range.right > nFrozenCols && range.right < nLeft) ||
        (m_nLastVisibleRow != (ROWCOL)-1 && range.top > m_nLastVisibleRow && range.top > nFrozenRows) ||
        (m_nLastVisibleCol != (ROWCOL)-1 && range.left > m_nLastVisibleCol && range.left > nFrozenCols))
        return CRect(0, 0, 0, 0);
    int yMax = bWalkPastEdge ? INT_MAX : rectDraw.bottom * 2, xMax = bWalkPastEdge ? INT_MAX : rectDraw.right * 2;
    // Rows: client index of the first row, clamped to the visible part.
    int y = rectDraw.top, yTop = -1, yBottom = -1;
    for (ROWCOL n = 0; y <= yMax; n++)
    {
        ROWCOL r = ClientRowToRow(n);
        if ((n > 0 && r == 0) || r > GetRowCount())
            break;
        int h = GetRowHeight(r);
        if (r >= range.top && r <= range.bottom)
        {
            if (yTop < 0)
                yTop = y;
            yBottom = y + h;
        }
        y += h;
    }
    int x = rectDraw.left, xLeft = -1, xRight = -1;
    for (ROWCOL n = 0; x <= xMax; n++)
    {
        ROWCOL c = ClientColToCol(n);
        if ((n > 0 && c == 0) || c > GetColCount())
            break;
        int w = GetColWidth(c);
        if (c >= range.left && c <= range.right)
        {
            if (xLeft < 0)
                xLeft = x;
            xRight = x + w;
        }
        x += w;
    }
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

int CGXGridCore::HitTest(CPoint pt, ROWCOL* pRow, ROWCOL* pCol, CRect* pRect)
{
    pt.x = std::max(pt.x, 0L);
    pt.y = std::max(pt.y, 0L);
    CRect rectDraw = GetDrawingRect();
    if (!rectDraw.PtInRect(pt))
        return GX_NOHIT;
    int nTol = m_nHitTolerance;
    int top, left;
    ROWCOL nClientRow = ClientRowFromY(pt.y, &top), nClientCol = ClientColFromX(pt.x, &left);
    BOOL bOnCell = nClientRow != (ROWCOL)~0u && nClientCol != (ROWCOL)~0u;
    ROWCOL nRow = bOnCell ? ClientRowToRow(nClientRow) : 0, nCol = bOnCell ? ClientColToCol(nClientCol) : 0;
    CRect rectCell;
    if (bOnCell)
        rectCell.SetRect(left, top, left + GetColWidth(nCol), top + GetRowHeight(nRow));
    ROWCOL nHeaderRows = GetHeaderRows(), nHeaderCols = GetHeaderCols();
    CGXGridParam* pParam = m_pParam;
    BOOL bColSizing = pParam != NULL && pParam->TestColSizingFlags(3) &&
                      (nRow <= nHeaderRows || pParam->TestColSizingFlags(4));
    BOOL bRowSizing = pParam != NULL && pParam->TestRowSizingFlags(3) &&
                      (nCol <= nHeaderCols || pParam->TestRowSizingFlags(4));
    int nHit = GX_NOHIT;

    // Column boundary.
    if (bOnCell && bColSizing)
    {
        if (abs(pt.x - rectCell.right) <= nTol / 2)
        {
            if (!(nCol <= nHeaderCols && pParam->TestColSizingFlags(8)))
                nHit = GX_VERTLINE;
        }
        else if (abs(pt.x - rectCell.left) <= nTol / 2 && nClientCol > 0 &&
                 !(nCol <= nHeaderCols + 1 && pParam->TestColSizingFlags(8)))
        {
            ROWCOL nPrev = ClientColToCol(nClientCol - 1);
            if (pt.x - rectCell.left > nTol / 4 && GetColWidth(nPrev) == 0)
            {
                nHit = GX_VERTLINE_PREVCOL;
                nCol = nPrev;
            }
            else
            {
                ROWCOL c = nClientCol - 1;
                while (c > 0 && GetColWidth(ClientColToCol(c)) == 0)
                    c--;
                nCol = ClientColToCol(c);
                nHit = GX_VERTLINE;
            }
        }
    }
    // Row boundary.
    if (nHit == GX_NOHIT && bOnCell && bRowSizing)
    {
        if (abs(pt.y - rectCell.bottom) <= nTol / 2)
        {
            if (!(nRow <= nHeaderRows && pParam->TestRowSizingFlags(8)))
                nHit = GX_HORZLINE;
        }
        else if (abs(pt.y - rectCell.top) <= nTol / 2 && nClientRow > 0 &&
                 !(nRow <= nHeaderRows + 1 && pParam->TestRowSizingFlags(8)))
        {
            ROWCOL nPrev = ClientRowToRow(nClientRow - 1);
            if (pt.y - rectCell.top > nTol / 4 && GetRowHeight(nPrev) == 0)
            {
                nHit = GX_HORZLINE_PREVROW;
                nRow = nPrev;
            }
            else
            {
                ROWCOL r = nClientRow - 1;
                while (r > 0 && GetRowHeight(ClientRowToRow(r)) == 0)
                    r--;
                nRow = ClientRowToRow(r);
                nHit = GX_HORZLINE;
            }
        }
    }
    if (nHit == GX_NOHIT && bOnCell)
    {
        nHit = HitTestSelectionEdge(nRow, nCol, pt, rectCell);
        if (nHit == GX_NOHIT)
            nHit = nRow > nHeaderRows && nCol > nHeaderCols ? GX_CELLHIT : GX_HEADERHIT;
    }
    // Below the last row (right of the last column) a little way: one past the count.
    if (nClientRow == (ROWCOL)~0u)
        nRow = pt.y - top > nTol / 2 + 1 ? GetRowCount() + 1 : GetRowCount();
    if (nClientCol == (ROWCOL)~0u)
        nCol = pt.x - left > nTol / 2 + 1 ? GetColCount() + 1 : GetColCount();
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
            ((pt.x >= rectCell.left && pt.x < rectCell.left + nTol) || (pt.y >= rectCell.top && pt.y < rectCell.top + nTol)))
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
    {GX_VERTLINE, 20190, IDC_SIZEWE},      {GX_HORZLINE, 20191, IDC_SIZENS},
    {GX_VERTLINE_PREVCOL, 20192, IDC_ARROW}, {GX_HORZLINE_PREVROW, 20193, IDC_ARROW},
    {GX_SELEDGEHIT, 20194, IDC_ARROW},     {GX_FILLHANDLEHIT, 20209, IDC_ARROW},
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
        if ((nHit == GX_VERTLINE && !CanUserResizeCol(nCol)) || (nHit == GX_HORZLINE && !CanUserResizeRow(nRow)))
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
