// CGXGridCore: the mouse. A press, the moves while the button is held and the release make one
// click sequence for the button; the installed components see each step first.
#include "grid/core/GridCore.h"
#include "grid/core/Control.h"
#include "grid/core/GridComponents.h"
#include "grid/core/GridParam.h"
#include "grid/core/PluginComponent.h"

namespace
{
enum ClickFlags : WORD
{
    hitPress = 0x04,
    hitMove = 0x08,
    hitRelease = 0x10,
    hitLeftPress = 0x20,
    hitOverPress = 0x40,
    hitCtrl = 0x80,
    hitCurrent = 0x100
};

// The press operation of each button and the buttons whose being held cancels it.
struct ButtonInfo
{
    UINT nDown, nUp, nDblClk;
    UINT mkSelf, mkOthers;
    BOOL (CGXGridCore::*pfnHit)(ROWCOL, ROWCOL, ROWCOL, ROWCOL, CPoint, UINT, WORD);
    BOOL (CGXGridCore::*pfnDblClk)(ROWCOL, ROWCOL, UINT, CPoint);
    BOOL (CGXControl::*pfnCtlDblClk)(UINT, CPoint);
};

const ButtonInfo s_buttons[] = {
    {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, MK_LBUTTON, MK_MBUTTON | MK_RBUTTON,
     &CGXGridCore::OnLButtonHitRowCol, &CGXGridCore::OnLButtonDblClkRowCol, &CGXControl::LButtonDblClk},
    {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, MK_MBUTTON, MK_LBUTTON | MK_RBUTTON,
     &CGXGridCore::OnMButtonHitRowCol, &CGXGridCore::OnMButtonDblClkRowCol, &CGXControl::MButtonDblClk},
    {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, MK_RBUTTON, MK_LBUTTON | MK_MBUTTON,
     &CGXGridCore::OnRButtonHitRowCol, &CGXGridCore::OnRButtonDblClkRowCol, &CGXControl::RButtonDblClk},
};

const ButtonInfo* ButtonOf(UINT message)
{
    for (const ButtonInfo& b : s_buttons)
        if (b.nDown == message || b.nUp == message || b.nDblClk == message)
            return &b;
    return NULL;
}

// The button whose sequence the key flags of the press started (left before middle before right).
const ButtonInfo* ButtonOfFlags(UINT nFlags)
{
    for (const ButtonInfo& b : s_buttons)
        if (nFlags & b.mkSelf)
            return &b;
    return &s_buttons[0];
}
} // namespace

CWnd* CGXGridCore::SetCapture()
{
    return m_pGridWnd->SetCapture();
}

BOOL CGXGridCore::StartDragDrop(ROWCOL, ROWCOL)
{
    return FALSE;
}

static BOOL HoldsCapture(CGXGridCore* g)
{
    return g->GridWnd()->GetSafeHwnd() != NULL && ::GetCapture() == g->GridWnd()->GetSafeHwnd();
}

static void TopLeftOfSpan(CGXGridCore* g, ROWCOL& nRow, ROWCOL& nCol)
{
    CGXCellRange span;
    if (g->GetCellSpanRange(nRow, nCol, span))
    {
        nRow = span.top;
        nCol = span.left;
    }
}

// Captures the mouse for a drag; the rows (columns) scroll by themselves while the pointer is
// beyond the edge, unless the press was in the header or frozen rows (columns).
static void CaptureForDrag(CGXGridCore* g, ROWCOL nRow, ROWCOL nCol)
{
    BOOL bVert = nRow != 0 && !g->IsInFrozenRows(nRow);
    BOOL bHorz = nCol != 0 && !g->IsInFrozenCols(nCol);
    if (g->m_bAutoScrollOnDrag && g->m_bAutoScrollInstalled && (bVert || bHorz))
    {
        g->m_bAutoScrollVert = bVert;
        g->m_bAutoScrollHorz = bHorz;
        g->m_bAutoScrollByKey = FALSE;
        g->BeginAutoScroll(TRUE, -1, 1);
    }
    else
        g->SetCapture();
}

// The point pulled into the grid area less the pointer margin.
static CPoint ClampPoint(CGXGridCore* g, CPoint pt)
{
    CRect rect = g->GetDrawingRect();
    pt.x = std::max(rect.left, std::min(pt.x, rect.right - 1 - g->m_nMouseMargin));
    pt.y = std::max(rect.top, std::min(pt.y, rect.bottom - 1 - g->m_nMouseMargin));
    return pt;
}

// The cell under a dragged point: never beyond the counts, never above the first row shown
// below the header rows (nor left of the first column).
static void ClampDragCell(CGXGridCore* g, ROWCOL& nRow, ROWCOL& nCol)
{
    ROWCOL nFirstRow = g->GetHeaderRows() + 1, nFirstCol = g->GetHeaderCols() + 1;
    if (nRow < nFirstRow)
        nRow = g->GetFrozenRows() >= nFirstRow ? nFirstRow : g->GetTopRow();
    if (nCol < nFirstCol)
        nCol = g->GetFrozenCols() >= nFirstCol ? nFirstCol : g->GetLeftCol();
    nRow = std::min(nRow, g->GetRowCount());
    nCol = std::min(nCol, g->GetColCount());
}

// The cell a release hit: a point past the last row (column) means the last one. A release on a
// header stays there, so that a click on a header reaches the click operation.
static void ReleaseCell(CGXGridCore* g, CPoint pt, ROWCOL& nRow, ROWCOL& nCol)
{
    ROWCOL nClientRow = g->ClientRowFromY(pt.y), nClientCol = g->ClientColFromX(pt.x);
    nRow = nClientRow == (ROWCOL)~0u ? g->GetRowCount() : g->ClientRowToRow(nClientRow);
    nCol = nClientCol == (ROWCOL)~0u ? g->GetColCount() : g->ClientColToCol(nClientCol);
    nRow = std::min(nRow, g->GetRowCount());
    nCol = std::min(nCol, g->GetColCount());
}

// The cell a drag has reached.
static void DragCell(CGXGridCore* g, CPoint pt, ROWCOL& nRow, ROWCOL& nCol)
{
    ReleaseCell(g, pt, nRow, nCol);
    ClampDragCell(g, nRow, nCol);
}

BOOL CGXGridCore::OnGridButtonDown(UINT message, UINT nFlags, CPoint point)
{
    const ButtonInfo* pButton = ButtonOf(message);
    if (!m_bInitDone || pButton == NULL)
        return FALSE;
    HWND hGrid = m_pGridWnd->GetSafeHwnd();
    HWND hFocus = ::GetFocus();
    if (hFocus != hGrid && !::IsChild(hGrid, hFocus))
        m_pGridWnd->SetFocus();
    m_bActiveFrame = TRUE;
    m_nMouseFlags = nFlags;
    if (HoldsCapture(this) || (nFlags & pButton->mkOthers))
    {
        m_pGridWnd->SendMessage(WM_CANCELMODE);
        return FALSE;
    }
    m_pGridWnd->UpdateWindow();
    ROWCOL nRow = 0, nCol = 0;
    int nHit = HitTest(point, &nRow, &nCol);
    BOOL bLeft = message == WM_LBUTTONDOWN;
    if (bLeft && nHit == 5)
    {
        ROWCOL r = nRow, c = nCol;
        TopLeftOfSpan(this, r, c);
        if (m_bDragDropEnabled && StartDragDrop(r, c))
            return TRUE;
        nHit = 3;
    }
    if (bLeft && nHit == 6)
    {
        m_nHitRow = m_nLastHitRow = nRow;
        m_nHitCol = m_nLastHitCol = nCol;
        m_nHitState = 1;
        if (m_pParam->m_bExcelLikeFill && m_pExcelLikeFillImp != NULL)
            m_pExcelLikeFillImp->OnStartFill(this, point, nFlags, nHit, nRow, nCol);
        CaptureForDrag(this, m_nHitRow, m_nHitCol);
        return TRUE;
    }
    if (nHit != 3 && nHit != 4)
    {
        if (bLeft && m_pUserResizeCellsImp != NULL)
            return m_pUserResizeCellsImp->OnLButtonDown(this, &nFlags, &point, &nHit, &nRow, &nCol);
        return FALSE;
    }

    BOOL bCorner = nRow == 0 && nCol == 0;
    // Dragging the selected cells away.
    if (bLeft && !bCorner && m_pUserDragSelectRangeImp != NULL &&
        m_pUserDragSelectRangeImp->OnStartDragSelection(this, point, nFlags, nHit, nRow, nCol))
        return TRUE;
    m_nHitRow = nRow;
    m_nHitCol = nCol;
    m_nHitState = 1;
    if (!bCorner)
    {
        if (nFlags & MK_CONTROL)
            m_nHitState |= hitCtrl;
        ROWCOL r = nRow, c = nCol;
        TopLeftOfSpan(this, r, c);
        CGXControl* pControl = IsCurrentCell(r, c) ? GetControl(r, c) : NULL;
        if (pControl != NULL && pControl->IsInitAt(r, c))
            m_nHitState |= hitCurrent;
    }
    if (bLeft && m_pUserSelectRangeImp != NULL)
        m_pUserSelectRangeImp->OnStartSelection(this, point, nFlags, nHit, nRow, nCol);
    m_nLastHitRow = m_nHitRow;
    m_nLastHitCol = m_nHitCol;
    if (!(this->*pButton->pfnHit)(m_nHitRow, m_nHitCol, m_nHitRow, m_nHitCol, point, nFlags,
                                  (WORD)(m_nHitState | hitPress | hitOverPress)))
    {
        m_pGridWnd->SendMessage(WM_CANCELMODE);
        return TRUE;
    }
    if (bLeft)
        CaptureForDrag(this, m_nHitRow, m_nHitCol);
    else
        SetCapture();
    return TRUE;
}

// The click flags of a move or release at (nRow, nCol).
static WORD StepFlags(CGXGridCore* g, WORD nStep, ROWCOL nRow, ROWCOL nCol)
{
    WORD flags = (WORD)(g->m_nHitState | nStep);
    if (nRow == g->m_nHitRow && nCol == g->m_nHitCol)
        flags |= hitOverPress;
    else if (g->m_nLastHitRow == g->m_nHitRow && g->m_nLastHitCol == g->m_nHitCol)
        flags |= hitLeftPress;
    return flags;
}

BOOL CGXGridCore::OnGridMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bInitDone)
        return FALSE;
    LRESULT lResult = 0;
    if (m_pAuxPlugin != NULL && m_bAuxPluginEnabled && !HoldsCapture(this) &&
        m_pAuxPlugin->HandlePluginMessage(WM_MOUSEMOVE, nFlags, MAKELPARAM((short)point.x, (short)point.y),
                                          lResult))
        return TRUE;
    CPoint ptClamped = ClampPoint(this, point);
    if (m_pUserDragSelectRangeImp != NULL &&
        m_pUserDragSelectRangeImp->OnMoveDragSelection(this, ptClamped, nFlags))
        return TRUE;
    if (m_nHitState == 0)
    {
        if (m_pUserResizeCellsImp != NULL && m_pUserResizeCellsImp->OnMouseMove(this, point))
            return TRUE;
        if (!GetDrawingRect().PtInRect(point))
            return FALSE;
        ROWCOL nRow = 0, nCol = 0;
        HitTest(point, &nRow, &nCol);
        nRow = std::min(nRow, GetRowCount());
        nCol = std::min(nCol, GetColCount());
        TopLeftOfSpan(this, nRow, nCol);
        CGXControl* pControl = GetControl(nRow, nCol);
        if (pControl == NULL || !pControl->MouseMoveOver(nRow, nCol, nFlags, point, 0))
            UpdateCursor(point);
        TrackCellTip(nRow, nCol);
        return TRUE;
    }
    if (!HoldsCapture(this))
        return FALSE;
    point = ptClamped;
    ROWCOL nRow = 0, nCol = 0;
    DragCell(this, point, nRow, nCol);
    WORD flags = StepFlags(this, hitMove, nRow, nCol);
    (this->*ButtonOfFlags(m_nMouseFlags)->pfnHit)(m_nHitRow, m_nHitCol, nRow, nCol, point, nFlags, flags);
    if (m_pParam->m_bExcelLikeFill && m_pExcelLikeFillImp != NULL &&
        m_pExcelLikeFillImp->OnMoveFill(this, point, nFlags, nRow, nCol))
        return TRUE;
    if (nRow != m_nLastHitRow || nCol != m_nLastHitCol)
    {
        if (m_pUserSelectRangeImp != NULL)
            m_pUserSelectRangeImp->OnMoveSelection(this, point, nFlags, nRow, nCol);
        m_nLastHitRow = nRow;
        m_nLastHitCol = nCol;
    }
    return TRUE;
}

BOOL CGXGridCore::OnGridButtonUp(UINT message, UINT nFlags, CPoint point)
{
    const ButtonInfo* pButton = ButtonOf(message);
    m_bAutoScrollStop = TRUE;
    if (!m_bInitDone || pButton == NULL || !HoldsCapture(this))
        return FALSE;
    point = ClampPoint(this, point);
    if (message == WM_LBUTTONUP && m_pUserDragSelectRangeImp != NULL &&
        m_pUserDragSelectRangeImp->OnEndDragSelection(this, point, nFlags))
        return TRUE;
    if (m_nHitState == 0)
        return message == WM_LBUTTONUP && m_pUserResizeCellsImp != NULL &&
               m_pUserResizeCellsImp->OnLButtonUp(this, point);
    ::ReleaseCapture();
    if (message == WM_LBUTTONUP && m_pParam->m_bExcelLikeFill && m_pExcelLikeFillImp != NULL)
        m_pExcelLikeFillImp->OnEndFill(this, point, nFlags);
    if (message == WM_LBUTTONUP && m_pUserSelectRangeImp != NULL)
        m_pUserSelectRangeImp->OnEndSelection(this, point, nFlags);
    ROWCOL nRow = 0, nCol = 0;
    ReleaseCell(this, point, nRow, nCol);
    WORD flags = StepFlags(this, hitRelease, nRow, nCol);
    m_nHitState = 0;
    (this->*pButton->pfnHit)(m_nHitRow, m_nHitCol, nRow, nCol, point, nFlags, flags);
    return TRUE;
}

BOOL CGXGridCore::OnGridButtonDblClk(UINT message, UINT nFlags, CPoint point)
{
    const ButtonInfo* pButton = ButtonOf(message);
    if (!m_bInitDone || pButton == NULL)
        return FALSE;
    ROWCOL nRow = 0, nCol = 0;
    int nHit = HitTest(point, &nRow, &nCol);
    if (nHit != 3 && nHit != 4)
        return message == WM_LBUTTONDBLCLK && m_pUserResizeCellsImp != NULL &&
               m_pUserResizeCellsImp->OnLButtonDblClk(this, &nFlags, &point, &nHit, &nRow, &nCol);
    TopLeftOfSpan(this, nRow, nCol);
    CGXControl* pControl = GetControl(nRow, nCol);
    if (!(IsCurrentCell(nRow, nCol) && pControl != NULL && pControl->IsInitAt(nRow, nCol)))
        ChangeCurrentCell(nRow, nCol, 0x0A);
    BOOL bHandled = FALSE;
    if (IsCurrentCell(nRow, nCol) && pControl != NULL && pControl->IsInitAt(nRow, nCol))
        bHandled = (pControl->*pButton->pfnCtlDblClk)(nFlags, point);
    if (!bHandled)
        bHandled = (this->*pButton->pfnDblClk)(nRow, nCol, nFlags, point);
    if (!bHandled)
        return OnGridButtonDown(pButton->nDown, nFlags, point);
    return TRUE;
}

BOOL CGXGridCore::OnGridSetCursor(CWnd* pWnd, UINT nHitTest, UINT)
{
    return m_bInitDone && pWnd == m_pGridWnd && nHitTest == HTCLIENT;
}

BOOL CGXGridCore::OnGridCancelMode()
{
    if (!m_bInitDone)
        return FALSE;
    if (m_resize.bTracking)
        CancelResizeTracking();
    else if (m_nHitState != 0)
    {
        if (!m_pParam->m_SelectedRanges.IsEmpty())
        {
            m_pParam->m_SelectedRanges.DeleteAll();
            m_bExcelFrameDrawn = FALSE;
            RedrawAll(GX_INVALIDATE, FALSE);
        }
        m_posSelBuild = NULL;
        m_bFloatEvalSuspended = m_bMergeEvalSuspended = FALSE;
        if (m_pParam->TestMouseCurrentCellFlags(1 | 2))
            ChangeCurrentCell(0xFFFFFFFF, 0xFFFFFFFF, 0x0A);
        m_nHitState = 0;
    }
    else if (m_bDragSelectInProgress)
        CancelDragSelection();
    if (m_pParam->m_bCutPending)
    {
        m_pParam->m_bCutPending = FALSE;
        RedrawAll(GX_INVALIDATE, FALSE);
    }
    if (m_nForcedCursor != 0)
        SetForcedCursor(0);
    if (HoldsCapture(this))
        ::ReleaseCapture();
    ROWCOL nRow, nCol;
    CGXControl* pControl = GetCurrentCell(nRow, nCol) ? GetControl(nRow, nCol) : NULL;
    if (pControl != NULL)
        pControl->OnCancelMode();
    return TRUE;
}

// The button-specific parts of a click step on the current cell's control.
struct ControlMouseOps
{
    BOOL (CGXControl::*pfnDown)(UINT, CPoint, UINT);
    BOOL (CGXControl::*pfnUp)(UINT, CPoint, UINT);
    BOOL (CGXControl::*pfnMove)(UINT, CPoint, UINT);
    BOOL (CGXGridCore::*pfnClicked)(ROWCOL, ROWCOL, UINT, CPoint);
};

static BOOL HitRowCol(CGXGridCore* g, const ControlMouseOps& ops, ROWCOL nRow, ROWCOL nCol, CPoint pt,
                      UINT nFlags, WORD nHitState)
{
    TopLeftOfSpan(g, nRow, nCol);
    auto currentControl = [&]() -> CGXControl* {
        CGXControl* p = g->IsCurrentCell(nRow, nCol) ? g->GetControl(nRow, nCol) : NULL;
        return p != NULL && p->IsInitAt(nRow, nCol) ? p : NULL;
    };
    // The pressed cell's control keeps hearing the moves and the release outside its cell (the
    // hit state tells it the pointer left), so a pressed look can let go.
    auto pressedControl = [&]() -> CGXControl* {
        ROWCOL nHitRow = g->m_nHitRow, nHitCol = g->m_nHitCol;
        TopLeftOfSpan(g, nHitRow, nHitCol);
        CGXControl* p = g->IsCurrentCell(nHitRow, nHitCol) ? g->GetControl(nHitRow, nHitCol) : NULL;
        return p != NULL && p->IsInitAt(nHitRow, nHitCol) ? p : NULL;
    };
    if (nHitState & hitPress)
    {
        if (!((nHitState & hitCurrent) && !g->GetParam()->m_bSelectCurrentCell))
        {
            g->m_bInterrupted = FALSE;
            g->ChangeCurrentCell(nRow, nCol, (nHitState & hitCtrl) ? 0x84 : 0x04);
            if (g->m_bInterrupted || nRow > g->GetRowCount() || nCol > g->GetColCount())
                return FALSE;
        }
        if (CGXControl* p = currentControl())
            (p->*ops.pfnDown)(nFlags, pt, nHitState);
        g->m_bMouseMoved = FALSE;
    }
    else if (nHitState & hitMove)
    {
        CGXControl* p = currentControl();
        if (p == NULL)
            p = pressedControl();
        if (p != NULL)
            (p->*ops.pfnMove)(nFlags, pt, nHitState);
        if (!(nHitState & hitOverPress))
            g->m_bMouseMoved = TRUE;
    }
    else if (nHitState & hitRelease)
    {
        CGXControl* p = currentControl();
        if (p != NULL)
            (p->*ops.pfnUp)(nFlags, pt, nHitState);
        else
        {
            if (CGXControl* pPressed = pressedControl())
                (pPressed->*ops.pfnUp)(nFlags, pt, nHitState);
            (g->*ops.pfnClicked)(nRow, nCol, nFlags, pt);
        }
        if (!g->m_bMouseMoved && g->IsCurrentCell(nRow, nCol))
        {
            if (g->ScrollCellInView(nRow, nCol, GX_UPDATENOW) && p != NULL)
                p->Refresh();
        }
        else if (g->GetParam()->TestMouseCurrentCellFlags(1 | 2))
            return g->ChangeCurrentCell(nRow, nCol, 0x04);
    }
    return TRUE;
}

BOOL CGXGridCore::OnLButtonHitRowCol(ROWCOL, ROWCOL, ROWCOL nRow, ROWCOL nCol, CPoint pt, UINT nFlags,
                                     WORD nHitState)
{
    static const ControlMouseOps ops = {&CGXControl::LButtonDown, &CGXControl::LButtonUp,
                                        &CGXControl::MouseMove, &CGXGridCore::OnLButtonClickedRowCol};
    return HitRowCol(this, ops, nRow, nCol, pt, nFlags, nHitState);
}

BOOL CGXGridCore::OnMButtonHitRowCol(ROWCOL, ROWCOL, ROWCOL nRow, ROWCOL nCol, CPoint pt, UINT nFlags,
                                     WORD nHitState)
{
    static const ControlMouseOps ops = {&CGXControl::MButtonDown, &CGXControl::MButtonUp,
                                        &CGXControl::MouseMove, &CGXGridCore::OnMButtonClickedRowCol};
    return HitRowCol(this, ops, nRow, nCol, pt, nFlags, nHitState);
}

BOOL CGXGridCore::OnRButtonHitRowCol(ROWCOL, ROWCOL, ROWCOL nRow, ROWCOL nCol, CPoint pt, UINT nFlags,
                                     WORD nHitState)
{
    static const ControlMouseOps ops = {&CGXControl::RButtonDown, &CGXControl::RButtonUp,
                                        &CGXControl::MouseMove, &CGXGridCore::OnRButtonClickedRowCol};
    return HitRowCol(this, ops, nRow, nCol, pt, nFlags, nHitState);
}

BOOL CGXGridCore::OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt)
{
    return m_pUserSelectRangeImp != NULL &&
           m_pUserSelectRangeImp->OnHeaderCtrlClick(this, nRow, nCol, nFlags, pt);
}

BOOL CGXGridCore::OnMButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint)
{
    return FALSE;
}

BOOL CGXGridCore::OnRButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint)
{
    return FALSE;
}

BOOL CGXGridCore::OnLButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt)
{
    return m_pSortImp != NULL && m_pSortImp->OnHeaderDblClk(this, nRow, nCol, nFlags, pt);
}

BOOL CGXGridCore::OnMButtonDblClkRowCol(ROWCOL, ROWCOL, UINT, CPoint)
{
    return FALSE;
}

BOOL CGXGridCore::OnRButtonDblClkRowCol(ROWCOL, ROWCOL, UINT, CPoint)
{
    return FALSE;
}
