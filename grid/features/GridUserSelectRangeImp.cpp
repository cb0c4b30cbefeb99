// Selecting ranges with the mouse and the keyboard.
#include "grid/features/GridUserSelectRangeImp.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/RangeList.h"
#include <algorithm>
#include <vector>

void CGXGridCore::InstallUserSelectRangeImp()
{
    if (m_pUserSelectRangeImp != NULL)
        return;
    m_pUserSelectRangeImp = new CGXGridUserSelectRangeImp;
    AddOwnedImp(m_pUserSelectRangeImp);
}

namespace
{
enum
{
    selRows = 1,
    selCols = 2,
    selTable = 4,
    selCells = 8,
    selCtrlMultiple = 16,
    selShiftMouse = 32,
    selShiftKey = 64,
    selAny = 255
};
enum
{
    modeSingleRow = 1,
    modeMultipleRows = 2
};
const WORD markMouseSelection = 0x02, markCtrlPress = 0x80;

CGXRangeList& SelectionOf(CGXGridCore* g)
{
    return g->GetParam()->m_SelectedRanges;
}

BOOL Permits(CGXGridCore* g, WORD wMask)
{
    return g->GetParam()->TestSelectionFlags(wMask);
}

// The row-selection mode word: 0 cells, else whole rows.
WORD RowMode(CGXGridCore* g)
{
    return (WORD)(g->GetParam()->m_wMouseCurrentCellFlags & (modeSingleRow | modeMultipleRows));
}

// The range being built, or NULL when none is (or the list lost it).
POSITION BuildPos(CGXGridCore* g)
{
    CGXRangeList& list = SelectionOf(g);
    for (POSITION pos = list.GetHeadPosition(); pos != NULL; list.GetNext(pos))
        if (pos == g->m_posSelBuild)
            return pos;
    return g->m_posSelBuild = NULL;
}

// Appends an empty range, makes it the one being built and puts the anchor at (nRow, nCol).
POSITION BeginRange(CGXGridCore* g, ROWCOL nRow, ROWCOL nCol)
{
    g->m_posSelBuild = SelectionOf(g).AddTail(new CGXCellRange);
    g->m_nSelAnchorRow = g->m_nSelReachedRow = nRow;
    g->m_nSelAnchorCol = g->m_nSelReachedCol = nCol;
    return g->m_posSelBuild;
}

// A press that selected nothing (a click, or a change the bracket refused) leaves no empty range
// in the list.
void DropEmptyRange(CGXGridCore* g)
{
    POSITION pos = BuildPos(g);
    if (pos != NULL && !SelectionOf(g).GetAt(pos)->IsValid())
    {
        SelectionOf(g).DeleteAt(pos);
        g->m_posSelBuild = NULL;
    }
}

// Clears the selection through the bracket; FALSE when refused.
BOOL ClearThroughBracket(CGXGridCore* g, BOOL bKey)
{
    if (!g->CanChangeSelection(NULL, TRUE, FALSE))
        return FALSE;
    g->SetSelection(NULL);
    g->OnChangedSelection(NULL, FALSE, bKey);
    return TRUE;
}

// Gives the range at pos new corners through the bracket.
void SetThroughBracket(CGXGridCore* g, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                       BOOL bDragging, BOOL bKey)
{
    CGXCellRange range = CGXGridUserSelectRangeImp::RangeFromCorners(nTop, nLeft, nBottom, nRight);
    if (!g->CanChangeSelection(&range, FALSE, FALSE))
        return;
    g->SetSelection(pos, nTop, nLeft, nBottom, nRight);
    g->OnChangedSelection(SelectionOf(g).GetAt(pos), bDragging, bKey);
}

void SetMouseMark(CGXGridCore* g, BOOL bOn)
{
    if (bOn)
        g->m_nHitState |= markMouseSelection;
    else
        g->m_nHitState &= ~markMouseSelection;
    g->m_bFloatEvalSuspended = g->m_bMergeEvalSuspended = bOn;
}

CGXCellRange Concrete(CGXGridCore* g, const CGXCellRange& range, ROWCOL nFirst)
{
    CGXCellRange r(range);
    r.ExpandToCells(nFirst, nFirst, g->GetRowCount(), g->GetColCount());
    return r;
}

// Inverts each visible cell of the area whose selected state differs before and after; nothing
// while drawing is locked or the window is not shown.
template <class Before, class After>
void InvertChangedCells(CGXGridCore* g, const CGXCellRange& area, Before bBefore, After bAfter)
{
    CWnd* pWnd = g->GridWnd();
    if (!area.IsValid() || g->IsLockUpdate() || pWnd == NULL || pWnd->GetSafeHwnd() == NULL ||
        !pWnd->IsWindowVisible() || !g->GetParam()->m_bInvertSelection)
        return;
    CClientDC dc(pWnd);
    CRect rectDraw = g->GetDrawingRect();
    dc.IntersectClipRect(&rectDraw);
    ROWCOL nLastRow = std::min(g->GetBottomVisibleRow(), g->GetRowCount());
    ROWCOL nLastCol = std::min(g->GetRightVisibleCol(), g->GetColCount());
    for (ROWCOL cr = 0;; cr++)
    {
        ROWCOL r = g->ClientRowToRow(cr);
        if (r > nLastRow || (cr > 0 && r == 0))
            break;
        if (r < area.top || r > area.bottom)
            continue;
        for (ROWCOL cc = 0;; cc++)
        {
            ROWCOL c = g->ClientColToCol(cc);
            if (c > nLastCol || (cc > 0 && c == 0))
                break;
            if (c < area.left || c > area.right || bBefore(r, c) == bAfter(r, c))
                continue;
            CRect rect = g->CalcClientCellRect(cr, cc);
            if (!rect.IsRectEmpty())
                g->DrawInvertCell(&dc, r, c, rect.left, rect.top, rect.right, rect.bottom);
        }
    }
}

// Moves the Excel-like frame to a range (NULL takes it away); while nothing can be drawn the
// frame is only told the range.
void MoveFrame(CGXGridCore* g, const CGXCellRange* pRange)
{
    if (pRange != NULL && !pRange->IsValid())
        pRange = NULL;
    CWnd* pWnd = g->GridWnd();
    if (g->IsLockUpdate() || pWnd == NULL || pWnd->GetSafeHwnd() == NULL || !pWnd->IsWindowVisible())
    {
        g->UpdateExcelFrame(NULL, TRUE, pRange);
        return;
    }
    CClientDC dc(pWnd);
    CRect rectDraw = g->GetDrawingRect();
    dc.IntersectClipRect(&rectDraw);
    g->UpdateExcelFrame(&dc, TRUE, NULL);
    g->m_bExcelFrameDrawn = FALSE;
    if (pRange != NULL)
        g->UpdateExcelFrame(&dc, FALSE, pRange);
}
} // namespace

CGXCellRange CGXGridUserSelectRangeImp::RangeFromCorners(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                                         ROWCOL nRight)
{
    CGXCellRange range;
    if (nTop != 0 && nLeft != 0)
        range.SetCells(nTop, nLeft, nBottom, nRight);
    else if (nTop != 0)
        range.SetRows(nTop, nBottom);
    else if (nLeft != 0)
        range.SetCols(nLeft, nRight);
    else
        range.SetTable();
    return range;
}

BOOL CGXGridUserSelectRangeImp::MoveCurrentCellEx(CGXGridCore* g, int nDirection, ROWCOL nCount)
{
    BOOL bExtend = ::GetKeyState(VK_SHIFT) < 0 && Permits(g, selShiftKey);
    CGXRangeList& list = SelectionOf(g);
    ROWCOL nRow = 0, nCol = 0;
    if (RowMode(g) != 0)
    {
        BOOL bMultiple = (RowMode(g) & modeMultipleRows) != 0;
        BOOL bCurrent = g->GetCurrentCell(nRow, nCol);
        POSITION pos = BuildPos(g);
        if (bMultiple ? bCurrent && (pos == NULL || !bExtend) : pos == NULL)
        {
            if (!ClearThroughBracket(g, TRUE))
                return FALSE;
            pos = BeginRange(g, nRow, nCol);
        }
        if (pos != NULL && !g->CanChangeSelection(list.GetAt(pos), FALSE, FALSE))
            return FALSE;
        g->MoveCurrentCellBy(nDirection, nCount, TRUE);
        if (!g->GetCurrentCell(nRow, nCol))
            return FALSE;
        if (pos == NULL)
            pos = BeginRange(g, nRow, nCol);
        ROWCOL nFrom = bExtend && bMultiple ? g->m_nSelAnchorRow : nRow;
        g->SetSelection(pos, nFrom, 0, nRow, 0);
        g->m_nSelReachedRow = nRow;
        g->m_nSelReachedCol = nCol;
        g->OnChangedSelection(list.GetAt(pos), FALSE, TRUE);
        if (!bExtend)
        {
            g->m_nSelAnchorRow = nRow;
            g->m_nSelAnchorCol = nCol;
        }
        return TRUE;
    }

    if (!bExtend)
    {
        BOOL bMoved = g->MoveCurrentCellBy(nDirection, nCount, TRUE);
        g->m_posSelBuild = NULL;
        return bMoved;
    }
    // Shift extends only sideways in cell mode.
    static const int anVertical[] = {1, 3, 5, 6, 7, 8};
    if (std::find(std::begin(anVertical), std::end(anVertical), nDirection) != std::end(anVertical))
        return FALSE;
    if (!g->GetCurrentCell(nRow, nCol))
        return FALSE;
    POSITION pos = BuildPos(g);
    if (pos == NULL)
    {
        if (!g->CanStartSelection(nRow, nCol, 0, CPoint(0, 0)) || !ClearThroughBracket(g, TRUE))
            return FALSE;
        pos = BeginRange(g, nRow, nCol);
    }
    if (!g->CanChangeSelection(list.GetAt(pos), FALSE, FALSE) ||
        !g->MoveCurrentCellBy(nDirection, nCount, FALSE) || !g->GetCurrentCell(nRow, nCol))
        return FALSE;
    g->SetSelection(pos, g->m_nSelAnchorRow, g->m_nSelAnchorCol, nRow, nCol);
    g->m_nSelReachedRow = nRow;
    g->m_nSelReachedCol = nCol;
    g->OnChangedSelection(list.GetAt(pos), FALSE, TRUE);
    return TRUE;
}

void CGXGridUserSelectRangeImp::OnStartSelection(CGXGridCore* g, CPoint& pt, UINT& nFlags, int&, ROWCOL& nRow,
                                                 ROWCOL& nCol)
{
    CGXRangeList& list = SelectionOf(g);
    if (nRow == 0 && nCol == 0)
    {
        if (!Permits(g, selTable) || !g->CanStartSelection(0, 0, nFlags, pt))
            return;
        BOOL bWasSelected = list.IsCellInList(0, 0);
        if (!bWasSelected)
            ClearThroughBracket(g, FALSE);
        g->SelectRange(CGXCellRange().SetTable(), !bWasSelected, TRUE);
        return;
    }
    ROWCOL nHeaderRows = g->GetHeaderRows(), nHeaderCols = g->GetHeaderCols();
    BOOL bColHeader = nRow <= nHeaderRows && nCol > nHeaderCols;
    BOOL bRowHeader = nCol <= nHeaderCols && nRow > nHeaderRows;
    BOOL bCell = nRow > nHeaderRows && nCol > nHeaderCols;
    WORD wMode = RowMode(g);
    BOOL bCtrl = (nFlags & MK_CONTROL) && Permits(g, selCtrlMultiple);
    BOOL bShift = (nFlags & MK_SHIFT) && Permits(g, selShiftMouse);
    if (wMode & modeMultipleRows)
    {
        bCtrl = (nFlags & MK_CONTROL) != 0;
        bShift = (nFlags & MK_SHIFT) != 0;
    }
    else if (wMode == modeSingleRow)
        bCtrl = bShift = FALSE;
    if (!Permits(g, selAny) || !g->CanStartSelection(nRow, nCol, nFlags, pt))
        return;

    ROWCOL nCurRow = 0, nCurCol = 0;
    BOOL bCurrent = g->GetCurrentCell(nCurRow, nCurCol);
    if (!bShift && !bCtrl)
        ClearThroughBracket(g, FALSE);
    else if (!bShift && list.IsEmpty() && bCurrent && (nCurRow != nRow || nCurCol != nCol) && wMode == 0)
        g->SelectRange(CGXCellRange(nCurRow, nCurCol), TRUE, TRUE); // it stays part of the selection

    if (!((bRowHeader && Permits(g, selRows)) || (bColHeader && Permits(g, selCols)) ||
          (bCell && Permits(g, selCells))))
        return;

    if (bShift)
    {
        POSITION pos = BuildPos(g);
        if (list.IsEmpty())
            pos = bCurrent ? BeginRange(g, nCurRow, nCurCol) : BeginRange(g, 1, 1);
        else
            g->m_posSelBuild = pos = list.GetTailPosition();
        g->m_nSelReachedRow = nRow;
        g->m_nSelReachedCol = nCol;
        SetThroughBracket(g, pos, g->m_nSelAnchorRow, g->m_nSelAnchorCol, nRow, nCol, TRUE, FALSE);
        SetMouseMark(g, TRUE);
        return;
    }

    POSITION pos = BeginRange(g, nRow, nCol);
    SetMouseMark(g, TRUE);
    if (bCell && wMode == 0)
        return; // nothing is selected until the mouse moves
    if (wMode == modeSingleRow)
        SetThroughBracket(g, pos, nRow, 0, nRow, 0, TRUE, FALSE);
    else if (bColHeader)
        SetThroughBracket(g, pos, 0, nCol, 0, nCol, TRUE, FALSE);
    else if (bRowHeader)
        SetThroughBracket(g, pos, nRow, 0, nRow, 0, TRUE, FALSE);
    else
        SetThroughBracket(g, pos, nRow, nCol, nRow, nCol, TRUE, FALSE);
}

BOOL CGXGridUserSelectRangeImp::OnMoveSelection(CGXGridCore* g, CPoint&, UINT&, ROWCOL& nRow, ROWCOL& nCol)
{
    if (!Permits(g, selAny) || !(g->m_nHitState & markMouseSelection))
        return FALSE;
    ROWCOL nAnchorRow = g->m_nSelAnchorRow, nAnchorCol = g->m_nSelAnchorCol;
    ROWCOL nTop, nLeft, nBottom, nRight;
    if (RowMode(g) == modeSingleRow)
    {
        nTop = nBottom = nAnchorRow;
        nLeft = nRight = 0;
    }
    else if (nAnchorRow <= g->GetHeaderRows())
    {
        nTop = nBottom = 0;
        nLeft = nAnchorCol;
        nRight = nCol;
    }
    else if (nAnchorCol <= g->GetHeaderCols())
    {
        nLeft = nRight = 0;
        nTop = nAnchorRow;
        nBottom = nRow;
    }
    else
    {
        nRow = std::max(nRow, g->GetHeaderRows() + 1);
        nCol = std::max(nCol, g->GetHeaderCols() + 1);
        nTop = nAnchorRow;
        nLeft = nAnchorCol;
        nBottom = nRow;
        nRight = nCol;
    }
    POSITION pos = BuildPos(g);
    if (pos != NULL)
    {
        g->m_nSelReachedRow = nRow;
        g->m_nSelReachedCol = nCol;
        SetThroughBracket(g, pos, nTop, nLeft, nBottom, nRight, TRUE, FALSE);
    }
    return TRUE;
}

BOOL CGXGridUserSelectRangeImp::OnEndSelection(CGXGridCore* g, CPoint&, UINT&)
{
    if (!Permits(g, selAny) || !(g->m_nHitState & markMouseSelection))
        return FALSE;
    g->m_bFloatEvalSuspended = g->m_bMergeEvalSuspended = FALSE;
    ROWCOL nAnchorRow = g->m_nSelAnchorRow, nAnchorCol = g->m_nSelAnchorCol;
    if (nAnchorRow == 0 && nAnchorCol == 0)
        return FALSE;
    POSITION pos = BuildPos(g);
    if (RowMode(g) == 0 && nAnchorRow > 0 && nAnchorCol > 0 && g->m_nSelReachedRow == nAnchorRow &&
        g->m_nSelReachedCol == nAnchorCol)
    {
        if (g->m_nHitState & markCtrlPress)
        {
            // Ctrl+click adds the one cell to a multiple selection.
            if (pos != NULL)
                SetThroughBracket(g, pos, nAnchorRow, nAnchorCol, nAnchorRow, nAnchorCol, FALSE, FALSE);
            DropEmptyRange(g);
            return TRUE;
        }
        if (!g->GetParam()->m_bKeepSelectionOnRelease)
            g->SetSelection(NULL);
        DropEmptyRange(g);
        SetMouseMark(g, FALSE);
        return TRUE;
    }
    DropEmptyRange(g);
    pos = BuildPos(g);
    g->OnChangedSelection(pos != NULL ? SelectionOf(g).GetAt(pos) : NULL, FALSE, FALSE);
    SetMouseMark(g, FALSE);
    return TRUE;
}

void CGXGridUserSelectRangeImp::SelectRange(CGXGridCore* g, const CGXCellRange& range, BOOL bSelect,
                                            BOOL bUpdate)
{
    CGXRangeList oldList;
    g->CopyRangeList(oldList, FALSE);
    if (!g->StoreSelectRange(range, bSelect))
        return;
    g->OnChangedSelection(&range, FALSE, FALSE);
    if (bUpdate)
        g->UpdateSelectRange(range, &oldList, TRUE);
}

BOOL CGXGridUserSelectRangeImp::StoreSelectRange(CGXGridCore* g, const CGXCellRange& range, BOOL bSelect)
{
    CGXRangeList& list = SelectionOf(g);
    if (bSelect)
    {
        list.AddTail(new CGXCellRange(range));
        return TRUE;
    }
    // Cut the range out of every range it meets; the pieces left and right span the met range's
    // full height, so they overlap the pieces above and below in the corners.
    CGXCellRange removed = Concrete(g, range, 1);
    std::vector<CGXCellRange> pieces;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        POSITION posCur = pos;
        CGXCellRange* pMet = list.GetNext(pos);
        CGXCellRange met = Concrete(g, *pMet, 1), cut;
        if (!pMet->IsValid() || !cut.Intersect(met, removed))
            continue;
        BOOL bWholeRows = range.IsRows() && (pMet->IsRows() || pMet->IsTable());
        BOOL bWholeCols = range.IsCols() && (pMet->IsCols() || pMet->IsTable());
        auto addRows = [&](ROWCOL nTop, ROWCOL nBottom) {
            pieces.push_back(bWholeRows ? CGXCellRange().SetRows(nTop, nBottom)
                                        : CGXCellRange(nTop, met.left, nBottom, met.right));
        };
        auto addCols = [&](ROWCOL nLeft, ROWCOL nRight) {
            pieces.push_back(bWholeCols ? CGXCellRange().SetCols(nLeft, nRight)
                                        : CGXCellRange(met.top, nLeft, met.bottom, nRight));
        };
        if (cut.top > met.top)
            addRows(met.top, cut.top - 1);
        if (cut.bottom < met.bottom)
            addRows(cut.bottom + 1, met.bottom);
        if (cut.left > met.left)
            addCols(met.left, cut.left - 1);
        if (cut.right < met.right)
            addCols(cut.right + 1, met.right);
        if (g->m_posSelBuild == posCur)
            g->m_posSelBuild = NULL;
        list.RemoveAt(posCur);
        delete pMet;
    }
    for (const CGXCellRange& piece : pieces)
        list.AddTail(new CGXCellRange(piece));
    return TRUE;
}

void CGXGridUserSelectRangeImp::UpdateSelectRange(CGXGridCore* g, const CGXCellRange& range,
                                                  const CGXRangeList* pOldList, BOOL bCreateHint)
{
    CGXRangeList& list = SelectionOf(g);
    CGXCellRange* pLast = list.IsEmpty() ? NULL : list.GetTail();
    if (!g->IsLockUpdate())
    {
        CGXCellRange area = Concrete(g, range, 0);
        if (pOldList != NULL && !pOldList->IsEmpty() && pOldList->GetHead()->IsTable())
            area = Concrete(g, CGXCellRange().SetTable(), 0);
        InvertChangedCells(
            g, area, [&](ROWCOL r, ROWCOL c) { return pOldList != NULL && pOldList->IsCellInList(r, c); },
            [&](ROWCOL r, ROWCOL c) { return list.IsCellInList(r, c); });
    }
    MoveFrame(g, pLast);
    if (pLast != NULL)
    {
        g->m_posSelBuild = list.GetTailPosition();
        g->m_nSelAnchorRow = g->m_nSelReachedRow = pLast->top;
        g->m_nSelAnchorCol = g->m_nSelReachedCol = pLast->left;
    }
    if (bCreateHint && g->IsHintsEnabled())
        g->m_pUpdateHintImp->HintSelectRange(g, range, pOldList);
}

void CGXGridUserSelectRangeImp::SetSelection(CGXGridCore* g, POSITION pos, ROWCOL nTop, ROWCOL nLeft,
                                             ROWCOL nBottom, ROWCOL nRight)
{
    CGXRangeList& list = SelectionOf(g);
    if (pos == NULL)
    {
        if (!list.IsEmpty())
        {
            g->UpdateAllSelected(TRUE);
            list.DeleteAll();
        }
        g->m_posSelBuild = NULL;
        return;
    }
    if (RowMode(g) != 0)
        nLeft = nRight = 0;
    if (g->GridWnd() != NULL && g->GridWnd()->GetSafeHwnd() != NULL)
        g->GridWnd()->UpdateWindow();
    if (nTop > nBottom)
        std::swap(nTop, nBottom);
    if (nLeft > nRight)
        std::swap(nLeft, nRight);
    g->UpdateChangedSelection(pos, nTop, nLeft, nBottom, nRight, TRUE);
    *list.GetAt(pos) = RangeFromCorners(nTop, nLeft, nBottom, nRight);
}

void CGXGridUserSelectRangeImp::UpdateChangedSelection(CGXGridCore* g, POSITION pos, ROWCOL nTop,
                                                       ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                                       BOOL bCreateHint)
{
    CGXRangeList& list = SelectionOf(g);
    CGXCellRange newRange = RangeFromCorners(nTop, nLeft, nBottom, nRight);
    if (!g->IsLockUpdate())
    {
        CGXCellRange area = Concrete(g, newRange, 0);
        const CGXCellRange* pOld = list.GetAt(pos);
        if (pOld->IsValid())
            area.Union(area, Concrete(g, *pOld, 0));
        InvertChangedCells(
            g, area, [&](ROWCOL r, ROWCOL c) { return list.IsCellInList(r, c); },
            [&](ROWCOL r, ROWCOL c) { return newRange.ContainsCell(r, c) || list.IsCellInList(r, c, pos); });
    }
    MoveFrame(g, &newRange);
    if (bCreateHint && g->IsHintsEnabled())
        g->m_pUpdateHintImp->HintChangedSelection(g, pos, nTop, nLeft, nBottom, nRight);
}

void CGXGridUserSelectRangeImp::UpdateAllSelected(CGXGridCore* g, BOOL bCreateHint)
{
    CGXRangeList& list = SelectionOf(g);
    if (bCreateHint && g->IsHintsEnabled())
        g->m_pUpdateHintImp->HintAllSelected(g);
    if (list.IsEmpty())
        return;
    InvertChangedCells(
        g, Concrete(g, CGXCellRange().SetTable(), 0),
        [&](ROWCOL r, ROWCOL c) { return list.IsCellInList(r, c); }, [](ROWCOL, ROWCOL) { return FALSE; });
    MoveFrame(g, NULL);
}

BOOL CGXGridUserSelectRangeImp::OnHeaderCtrlClick(CGXGridCore* g, ROWCOL nRow, ROWCOL nCol, UINT, CPoint)
{
    if (::GetKeyState(VK_CONTROL) >= 0)
        return FALSE;
    CGXRangeList& list = SelectionOf(g);
    ROWCOL nHeaderRows = g->GetHeaderRows(), nHeaderCols = g->GetHeaderCols();
    POSITION pos = BuildPos(g);
    CGXCellRange range;
    if (nCol <= nHeaderCols && nRow > nHeaderRows && list.IsCellInList(nRow, nCol, pos))
        range.SetRows(nRow, nRow);
    else if (nRow <= nHeaderRows && nCol > nHeaderCols && list.IsCellInList(nRow, nCol, pos))
        range.SetCols(nCol, nCol);
    else
        return FALSE;
    g->m_posSelBuild = NULL;
    g->SelectRange(range, FALSE, TRUE);
    return TRUE;
}
