// Rows and columns sized to their contents.
#include "grid/features/GridResizeToFitImp.h"
#include "grid/core/Control.h"
#include "grid/core/GridCore.h"
#include "grid/core/LongOperation.h"
#include "grid/core/Style.h"
#include "GridIds.h"
#include <algorithm>

void CGXGridCore::InstallResizeToFitImp()
{
    if (m_pResizeToFitImp == NULL)
    {
        m_pResizeToFitImp = new CGXGridResizeToFitImp;
        AddOwnedImp(m_pResizeToFitImp);
    }
    InstallCalcSizeImp();
}

namespace
{
// The space a row (column) may take: the grid's drawing area, else the parent's client area,
// else the window's own.
CSize AvailableSize(CGXGridCore* pGrid)
{
    CRect rect = pGrid->GetDrawingRect();
    CWnd* pWnd = pGrid->GridWnd();
    if (rect.IsRectEmpty() && pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
    {
        CWnd* pParent = pWnd->GetParent();
        (pParent != NULL ? pParent : pWnd)->GetClientRect(&rect);
    }
    if (rect.IsRectEmpty())
        return CSize(32767, 32767);
    return rect.Size();
}

// What a cell's control says the cell needs along the resized direction (0 without control).
int MeasureCell(CGXGridCore* pGrid, BOOL bRows, ROWCOL nRow, ROWCOL nCol, CDC* pDC)
{
    CGXStyle* pStyle = pGrid->CreateStyle();
    pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
    CGXControl* pControl = pGrid->GetRegisteredControl(pStyle->GetControl());
    CSize size(0, 0);
    if (pControl != NULL)
        size = pControl->CalcSize(pDC, nRow, nCol, *pStyle, &pGrid->GetDefaultBaseStyle(), bRows);
    pGrid->RecycleStyle(pStyle);
    return bRows ? size.cy : size.cx;
}

// What the cells of one row (column) need along the resized direction; -1 when none counted.
int LargestCellSize(CGXGridCore* pGrid, BOOL bRows, ROWCOL n, ROWCOL nFrom, ROWCOL nTo,
                    const CGXCellRange& range, BOOL bCoveredCells, CDC* pDC, CGXLongOperation& op)
{
    int nLargest = -1;
    for (ROWCOL m = nFrom; m <= nTo && m >= nFrom; m++)
    {
        ROWCOL nRow = bRows ? n : m, nCol = bRows ? m : n;
        CGXCellRange covered;
        if (pGrid->GetCoveredCellsRowCol(nRow, nCol, covered) != NULL)
        {
            // Counted once, at its top-left cell when the whole block lies within the range: what
            // it needs beyond the other rows (columns) of the block above (left of) this one.
            if (bCoveredCells && covered.top == nRow && covered.left == nCol &&
                range.ContainsCell(covered.top, covered.left) &&
                range.ContainsCell(covered.bottom, covered.right))
            {
                int nAbove = bRows ? pGrid->SumRowHeights(covered.top, nRow) - pGrid->GetRowHeight(nRow)
                                   : pGrid->SumColWidths(covered.left, nCol) - pGrid->GetColWidth(nCol);
                nLargest = std::max(nLargest, MeasureCell(pGrid, bRows, nRow, nCol, pDC) - nAbove);
            }
            m = bRows ? covered.right : covered.bottom;
        }
        else if ((bRows ? pGrid->GetColWidth(nCol) : pGrid->GetRowHeight(nRow)) > 0)
            nLargest = std::max(nLargest, MeasureCell(pGrid, bRows, nRow, nCol, pDC));
        BOOL bAbort = FALSE;
        op.DoMessages(bAbort);
        if (bAbort)
            AfxThrowUserException();
    }
    return nLargest;
}
} // namespace

BOOL CGXGridResizeToFitImp::ResizeToFit(CGXGridCore* pGrid, BOOL bRows, const CGXCellRange& rangeIn,
                                        BOOL bCoveredCells, UINT flags)
{
    CWnd* pWnd = pGrid->GridWnd();
    ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    CGXCellRange range = rangeIn;
    range.ExpandToCells(0, 0, nRows, nCols);
    range.bottom = std::min(range.bottom, nRows);
    range.right = std::min(range.right, nCols);
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL || !range.IsValid() || range.top > range.bottom ||
        range.left > range.right)
        return FALSE;

    CClientDC dc(pWnd);
    CFont* pOldFont = pGrid->SelectCellFont(&dc, pGrid->GetDefaultBaseStyle(), NULL);
    CGXCellRange spans = bRows ? CGXCellRange(range.top, 0, range.bottom, nCols)
                               : CGXCellRange(0, range.left, nRows, range.right);
    pGrid->RecalcMergedCells(spans);
    pGrid->RecalcFloatedCells(spans);

    CString strName = pGrid->m_pAppData->GetLibraryText(bRows ? GX_IDS_RESIZEROWS : GX_IDS_RESIZECOLS);
    CGXLongOperation op;
    op.SetStatusText(strName);
    pGrid->BeginTrans(strName);
    // Whatever way the walk ends, what it resized stays one undo step and the DC goes back.
    auto finish = [&] {
        if (pOldFont != NULL)
            dc.SelectObject(pOldFont);
        pGrid->CommitTrans();
    };
    try
    {
        CSize sizeAvail = AvailableSize(pGrid);
        int nAvail = bRows ? sizeAvail.cy : sizeAvail.cx;
        ROWCOL nFrozen = bRows ? pGrid->GetFrozenRows() : pGrid->GetFrozenCols();
        ROWCOL nFirst = bRows ? range.top : range.left, nLast = bRows ? range.bottom : range.right;
        for (ROWCOL n = nFirst; n <= nLast && n >= nFirst; n++)
        {
            // Room for the row beside what always stays on screen above (left of) it.
            int nMax;
            if (n == 0)
                nMax = nAvail - 1;
            else if (n > nFrozen)
                nMax =
                    nAvail - (bRows ? pGrid->SumRowHeights(0, nFrozen) : pGrid->SumColWidths(0, nFrozen)) - 1;
            else
                nMax = nAvail - (bRows ? pGrid->SumRowHeights(0, n - 1) : pGrid->SumColWidths(0, n - 1)) - 1;
            nMax = std::max(nMax, 0);
            int nSize = LargestCellSize(pGrid, bRows, n, bRows ? range.left : range.top,
                                        bRows ? range.right : range.bottom, range, bCoveredCells, &dc, op);
            nSize = std::min(nSize, nMax);
            int nCurrent = bRows ? pGrid->GetRowHeight(n) : pGrid->GetColWidth(n);
            BOOL bApply = (flags & 8) != 0 ? nSize > nCurrent : nSize != nCurrent && nSize > 0;
            if (bApply)
            {
                if (bRows)
                    pGrid->SetRowHeight(n, n, nSize, NULL, flags, gxDo);
                else
                    pGrid->SetColWidth(n, n, nSize, NULL, flags, gxDo);
            }
        }
    }
    catch (CException*)
    {
        finish();
        throw;
    }
    finish();
    return TRUE;
}

BOOL CGXGridResizeToFitImp::ResizeRowHeightsToFit(CGXGridCore* pGrid, const CGXCellRange& range,
                                                  BOOL bCoveredCells, UINT flags)
{
    return ResizeToFit(pGrid, TRUE, range, bCoveredCells, flags);
}

BOOL CGXGridResizeToFitImp::ResizeColWidthsToFit(CGXGridCore* pGrid, const CGXCellRange& range,
                                                 BOOL bCoveredCells, UINT flags)
{
    return ResizeToFit(pGrid, FALSE, range, bCoveredCells, flags);
}
