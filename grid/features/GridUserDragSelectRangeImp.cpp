// Dragging selected rows and columns.
#include "grid/features/GridUserDragSelectRangeImp.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/RangeList.h"
#include "grid/features/DragLineWnd.h"
#include "GridIds.h"
#include <algorithm>

void CGXGridCore::InstallUserDragSelectRangeImp()
{
    if (m_pUserDragSelectRangeImp == NULL)
    {
        m_pUserDragSelectRangeImp = new CGXGridUserDragSelectRangeImp;
        AddOwnedImp(m_pUserDragSelectRangeImp);
    }
    InstallUserSelectRangeImp();
    InstallMoveRowsColsImp();
}

namespace
{
enum
{
    dragCols = 1,
    dragRows = 2
};
const UINT nDragCursor = 20194, nNoDropCursor = 20208;

ROWCOL AtLeastOne(ROWCOL n)
{
    return n == 0 ? 1 : n;
}

// The range being dragged (its rows or columns made concrete); FALSE when the list lost it.
BOOL DraggedRange(CGXGridCore* g, CGXCellRange& range)
{
    CGXRangeList& list = g->GetParam()->m_SelectedRanges;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL; list.GetNext(pos))
        if (pos == g->m_posSelBuild)
        {
            range = *list.GetAt(pos);
            range.ExpandToCells(1, 1, g->GetRowCount(), g->GetColCount());
            return TRUE;
        }
    return FALSE;
}

void DestroyLine(CGXGridCore* g)
{
    if (g->m_pDragLineWnd == NULL)
        return;
    if (g->m_pDragLineWnd->GetSafeHwnd() != NULL)
        g->m_pDragLineWnd->DestroyWindow();
    delete g->m_pDragLineWnd;
    g->m_pDragLineWnd = NULL;
}

void SetDrawFlags(CGXGridCore* g, BOOL bOn)
{
    g->m_bDragDrawFlag1 = g->m_bDragDrawFlag2 = bOn;
}

BOOL HoldsCapture(CGXGridCore* g)
{
    return g->GridWnd()->GetSafeHwnd() != NULL && ::GetCapture() == g->GridWnd()->GetSafeHwnd();
}
} // namespace

BOOL CGXGridUserDragSelectRangeImp::OnStartDragSelection(CGXGridCore* g, CPoint&, UINT&, int&, ROWCOL& nRow,
                                                         ROWCOL& nCol)
{
    CGXGridParam* pParam = g->GetParam();
    CGXRangeList& list = pParam->m_SelectedRanges;
    ROWCOL h = g->GetHeaderRows(), v = g->GetHeaderCols();
    BOOL bColHeader = nRow <= h && nCol > v && list.IsCellInList(0, nCol);
    BOOL bRowHeader = nCol <= v && nRow > h && list.IsCellInList(nRow, 0);
    if (list.IsCellInList(0, 0) || !list.IsCellInList(nRow, nCol) || !(bColHeader || bRowHeader))
        return FALSE;
    if ((bColHeader && !pParam->IsDragSelectionEnabled()) || (bRowHeader && !pParam->m_bDragSelectionRows))
        return FALSE;
    g->m_bDragSelectInProgress = TRUE;
    if (!g->StartDragSelection(bRowHeader ? nRow : 0, bColHeader ? nCol : 0))
    {
        g->m_nDragSelectKind = 0;
        g->GridWnd()->SendMessage(WM_CANCELMODE);
        return FALSE;
    }
    if (HoldsCapture(g) || !g->m_bDragSelectInProgress)
        return TRUE;
    if (g->m_bAutoScrollOnDrag && g->m_bAutoScrollInstalled)
    {
        // Only along the drag: rows up and down, columns sideways, never from a frozen one.
        g->m_bAutoScrollVert = bRowHeader && !g->IsInFrozenRows(nRow);
        g->m_bAutoScrollHorz = bColHeader && !g->IsInFrozenCols(nCol);
        g->m_bAutoScrollByKey = FALSE;
        g->BeginAutoScroll(TRUE, -1, 1);
    }
    g->SetCapture();
    return TRUE;
}

// The row or column a point targets: past the last one the count plus 1.
static void TargetAt(CGXGridCore* g, CPoint pt, ROWCOL& nRow, ROWCOL& nCol)
{
    nRow = nCol = 0;
    if (g->m_nDragSelectKind == dragCols)
    {
        ROWCOL nClient = g->ClientColFromX(pt.x);
        nCol =
            nClient == (ROWCOL)~0u ? g->GetColCount() + 1 : g->ClientColToCol(std::max<ROWCOL>(nClient, 1));
    }
    else
    {
        ROWCOL nClient = g->ClientRowFromY(pt.y);
        nRow =
            nClient == (ROWCOL)~0u ? g->GetRowCount() + 1 : g->ClientRowToRow(std::max<ROWCOL>(nClient, 1));
    }
}

BOOL CGXGridUserDragSelectRangeImp::OnMoveDragSelection(CGXGridCore* g, CPoint& pt, UINT&)
{
    if (!g->m_bDragSelectInProgress)
        return FALSE;
    ROWCOL nRow, nCol;
    TargetAt(g, pt, nRow, nCol);
    g->MoveDragSelection(g->m_nDragTargetRow, g->m_nDragTargetCol, nRow, nCol);
    return TRUE;
}

BOOL CGXGridUserDragSelectRangeImp::OnEndDragSelection(CGXGridCore* g, CPoint& pt, UINT&)
{
    if (!g->m_bDragSelectInProgress)
        return FALSE;
    ROWCOL nRow, nCol;
    TargetAt(g, pt, nRow, nCol);
    if (HoldsCapture(g))
        ::ReleaseCapture();
    CGXCellRange range;
    if (DraggedRange(g, range))
        g->DropDragSelection(range.top, range.left, nRow, nCol);
    else
        g->CancelDragSelection();
    g->m_bDragSelectInProgress = FALSE;
    return TRUE;
}

BOOL CGXGridUserDragSelectRangeImp::StartDragSelection(CGXGridCore* g, ROWCOL nRow, ROWCOL nCol)
{
    g->m_nDragTargetRow = AtLeastOne(nRow);
    g->m_nDragTargetCol = AtLeastOne(nCol);
    CGXRangeList& list = g->GetParam()->m_SelectedRanges;
    POSITION pos = list.FindRangeWithCell(nRow, nCol);
    if (pos == NULL)
        return FALSE;
    CGXCellRange range = *list.GetAt(pos);
    range.ExpandToCells(1, 1, g->GetRowCount(), g->GetColCount());
    BOOL bOk;
    if (nRow != 0)
    {
        g->m_nDragSelectKind = dragRows;
        bOk = g->CanDragSelectedRows(range.top, range.bottom);
    }
    else if (nCol != 0)
    {
        g->m_nDragSelectKind = dragCols;
        bOk = g->CanDragSelectedCols(range.left, range.right);
    }
    else
        return FALSE;
    if (!bOk)
        return FALSE;
    g->m_posSelBuild = pos;
    g->SetGridCursor(nDragCursor);
    SetDrawFlags(g, TRUE);
    return TRUE;
}

BOOL CGXGridUserDragSelectRangeImp::MoveDragSelection(CGXGridCore* g, ROWCOL, ROWCOL, ROWCOL nRow,
                                                      ROWCOL nCol)
{
    nRow = AtLeastOne(nRow);
    nCol = AtLeastOne(nCol);
    BOOL bRows = g->m_nDragSelectKind == dragRows;
    if (bRows ? nRow == g->m_nDragTargetRow : nCol == g->m_nDragTargetCol)
        return TRUE;
    if (g->m_pDragLineWnd != NULL && g->m_pDragLineWnd->GetSafeHwnd() != NULL)
        g->m_pDragLineWnd->ShowWindow(SW_HIDE);
    g->m_nDragTargetRow = nRow;
    g->m_nDragTargetCol = nCol;
    CGXCellRange range;
    if (!DraggedRange(g, range))
        return FALSE;
    BOOL bOk = bRows ? g->CanDropSelectedRows(range.top, range.bottom, nRow)
                     : g->CanDropSelectedCols(range.left, range.right, nCol);
    if (!bOk)
    {
        g->SetGridCursor(nNoDropCursor);
        return TRUE;
    }
    g->SetGridCursor(nDragCursor);
    g->GridWnd()->UpdateWindow();
    if (g->m_pDragLineWnd == NULL)
    {
        g->m_pDragLineWnd = new CGXDragLineWnd(g);
        g->m_pDragLineWnd->CreateDragLineWnd(g->GridWnd());
        g->m_pDragLineWnd->m_pen = CGXCellPen(PS_SOLID, 1, g->GetPropertiesColor(3));
    }
    CRect rect = bRows ? g->CalcRowColBandRect(2, g->RowToClientRow(nRow))
                       : g->CalcRowColBandRect(1, g->ColToClientCol(nCol));
    g->m_pDragLineWnd->MoveWindow(&rect, TRUE);
    g->m_pDragLineWnd->ShowWindow(SW_SHOW);
    g->m_pDragLineWnd->UpdateWindow();
    return TRUE;
}

BOOL CGXGridUserDragSelectRangeImp::DropDragSelection(CGXGridCore* g, ROWCOL nTop, ROWCOL nLeft, ROWCOL nRow,
                                                      ROWCOL nCol)
{
    SetDrawFlags(g, FALSE);
    g->SetGridCursor(0);
    BOOL bRows = g->m_nDragSelectKind == dragRows;
    if ((bRows && nRow == 0) || (!bRows && nCol == 0))
        return FALSE;
    DestroyLine(g);
    CGXCellRange range;
    if (!DraggedRange(g, range))
        return FALSE;
    nRow = AtLeastOne(nRow);
    nCol = AtLeastOne(nCol);
    ROWCOL nFirst = bRows ? nTop : nLeft, nLast = bRows ? range.bottom : range.right,
           nTarget = bRows ? nRow : nCol;
    BOOL bOk =
        bRows
            ? g->CanDropSelectedRows(nFirst, nLast, nTarget) && g->OnDropSelectedRows(nFirst, nLast, nTarget)
            : g->CanDropSelectedCols(nFirst, nLast, nTarget) && g->OnDropSelectedCols(nFirst, nLast, nTarget);
    if (!bOk)
        return FALSE;
    g->m_nDragTargetRow = nRow;
    g->m_nDragTargetCol = nCol;
    // Onto the block itself, or right after it: nothing moves.
    ROWCOL nBefore = AtLeastOne(nTarget - 1);
    if ((nTarget >= nFirst && nTarget <= nLast) || (nBefore >= nFirst && nBefore <= nLast))
        return FALSE;
    ROWCOL nDest = nTarget > nLast ? nTarget - (nLast - nFirst + 1) : nTarget;
    if (bRows)
        g->MoveRows(nFirst, nLast, nDest, GX_UPDATENOW, gxDo);
    else
        g->MoveCols(nFirst, nLast, nDest, GX_UPDATENOW, gxDo);
    return TRUE;
}

BOOL CGXGridUserDragSelectRangeImp::CancelDragSelection(CGXGridCore* g)
{
    SetDrawFlags(g, FALSE);
    DestroyLine(g);
    g->SetGridCursor(0);
    g->m_bDragSelectInProgress = FALSE;
    g->m_nDragSelectKind = 0;
    return TRUE;
}
