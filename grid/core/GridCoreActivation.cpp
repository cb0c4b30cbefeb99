// CGXGridCore: focus and activation of the grid window. Leaving the grid validates and stores
// the current cell like leaving the cell would; focus moving between the grid and the windows
// of its own controls changes nothing.
#include "grid/core/GridCore.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/core/CellTipWnd.h"
#include "grid/core/DateTimeSettings.h"
#include "grid/core/SysColorTable.h"
#include <functional>

namespace
{
// TRUE for the grid window itself and its child windows (the controls' windows).
BOOL IsGridOrChild(CGXGridCore* pGrid, HWND hWnd)
{
    HWND hGrid = pGrid->GridWnd() != NULL ? pGrid->GridWnd()->GetSafeHwnd() : NULL;
    return hWnd != NULL && hGrid != NULL && (hWnd == hGrid || ::IsChild(hGrid, hWnd));
}

// The current cell's control, with the cell.
CGXControl* CurrentControl(CGXGridCore* pGrid, ROWCOL& nRow, ROWCOL& nCol)
{
    pGrid->GetCurrentCell(nRow, nCol);
    return pGrid->GetCurrentCellControl();
}
} // namespace

BOOL CGXGridCore::OnActivateGrid(BOOL bActive)
{
    if (m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL)
        m_pGridWnd->SendMessage(WM_CANCELMODE);
    if (!bActive && m_bStoringCell)
        return FALSE;
    m_bActiveFrame = bActive;
    if (m_bStoringCell || m_bLockFocusHandler || !m_bInitDone || m_pParam == NULL)
        return TRUE;
    ROWCOL nRow, nCol;
    CGXControl* pControl = CurrentControl(this, nRow, nCol);
    if (m_bCurrentCellValid)
    {
        if (pControl == NULL || !pControl->IsInitAt(nRow, nCol))
            RedrawRowCol(CGXCellRange(nRow, nCol), GX_INVALIDATE, FALSE);
        else if (bActive)
        {
            if ((m_pParam->m_wActivateFlags & 4) && !pControl->IsActive() && !pControl->IsReadOnly() &&
                pControl->BeginEditing())
                pControl->SetActive(TRUE);
            pControl->Refresh();
        }
        else
        {
            // Leaving the grid: the cell must be valid, then its control stores and stops editing.
            if (!CanLeaveOrEnterCell(FALSE, nRow, nCol, nRow, nCol))
            {
                m_bRefusedDeactivate = TRUE;
                return FALSE;
            }
            BOOL bOk = !pControl->GetModify() || pControl->Store();
            if (bOk && pControl->EndEditing())
            {
                pControl->SetActive(FALSE);
                pControl->Hide();
                pControl->Refresh();
            }
        }
    }
    if (bActive)
    {
        ResetLastVisibleCache();
        UpdateScrollbars();
        m_sizeLastClient = CSize(0, 0);
    }
    return TRUE;
}

BOOL CGXGridCore::OnGridSetFocus(CWnd* pOldWnd)
{
    m_bLostFocus = FALSE;
    HWND hOld = pOldWnd != NULL ? pOldWnd->GetSafeHwnd() : NULL;
    if (m_bLockFocusHandler)
    {
        m_bActiveFrame = TRUE;
        return FALSE;
    }
    if (!IsGridOrChild(this, hOld))
    {
        OnActivateGrid(TRUE);
        m_hLastFocusWnd = hOld;
    }
    m_bActiveFrame = TRUE;
    if (m_bRefusedDeactivate)
    {
        m_bRefusedDeactivate = FALSE;
        ROWCOL nRow, nCol;
        if (CGXControl* pControl = CurrentControl(this, nRow, nCol))
            pControl->Refresh();
    }
    return FALSE;
}

BOOL CGXGridCore::OnGridKillFocus(CWnd* pNewWnd)
{
    m_bLostFocus = TRUE;
    HWND hNew = pNewWnd != NULL ? pNewWnd->GetSafeHwnd() : NULL;
    if (!m_bLockFocusHandler && !IsGridOrChild(this, hNew))
        OnActivateGrid(FALSE);
    else if (!IsGridOrChild(this, hNew))
        m_bActiveFrame = FALSE;
    return FALSE;
}

BOOL CGXGridCore::OnGridMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message, int& nResult)
{
    (void)pDesktopWnd;
    (void)message;
    HWND hGrid = m_pGridWnd != NULL ? m_pGridWnd->GetSafeHwnd() : NULL;
    if (m_pParam != NULL && m_pParam->m_bClickActivation && m_bIsViewContext && nHitTest == HTCLIENT &&
        m_hLastFocusWnd != NULL && m_hLastFocusWnd != hGrid && ::IsWindow(m_hLastFocusWnd))
    {
        HWND hFocus = ::GetFocus();
        BOOL bSameFrame = ::IsChild(hGrid, m_hLastFocusWnd) && hFocus != NULL &&
                          ::GetParent(m_hLastFocusWnd) == ::GetParent(hFocus);
        if (!bSameFrame)
        {
            m_pGridWnd->SetFocus();
            m_hLastFocusWnd = hGrid;
            nResult = MA_ACTIVATEANDEAT;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CGXGridCore::OnGridCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor, HBRUSH& hbr)
{
    ROWCOL nRow, nCol;
    if (!GetCurrentCell(nRow, nCol))
        return FALSE;
    // The current cell's control colours its own windows (drop-down lists too) first.
    CGXControl* pControl = GetControl(nRow, nCol);
    HBRUSH hbrControl = pControl != NULL ? pControl->OnGridCtlColor(pDC, pWnd, nCtlColor) : NULL;
    if (hbrControl != NULL)
    {
        hbr = hbrControl;
        return TRUE;
    }
    if (pWnd == NULL || !IsGridOrChild(this, pWnd->GetSafeHwnd()) ||
        pWnd->GetSafeHwnd() == m_pGridWnd->GetSafeHwnd())
        return FALSE;
    // The window of the current cell's control shows the cell's colours.
    const CGXStyle& style = LookupStyleRowCol(nRow, nCol);
    pDC->SetBkColor(style.GetInterior().GetBackColor());
    pDC->SetTextColor(style.GetTextColor());
    CBrush* pBrush = LookupBrush(style.GetInterior());
    if (pBrush == NULL)
        return FALSE;
    hbr = (HBRUSH)pBrush->GetSafeHandle();
    return TRUE;
}

BOOL CGXGridCore::OnGridShowWindow(BOOL bShow, UINT)
{
    if (!bShow)
    {
        ResetLastVisibleCache();
        m_sizeLastClient = CSize(0, 0);
    }
    return FALSE;
}

BOOL CGXGridCore::OnGridDestroy()
{
    HideCellTip();
    CGXCellTipWnd* pTip = CGXCellTipWnd::GetExisting();
    if (pTip != NULL && pTip->m_hOwner == m_pGridWnd->GetSafeHwnd())
        CGXCellTipWnd::DestroyTip();
    // A drag or resize still running ends with its line window.
    if (m_bDragSelectInProgress || m_pDragLineWnd != NULL)
        CancelDragSelection();
    if (m_resize.bTracking)
        CancelResizeTracking();
    // The find dialog goes with the window.
    GXGetFindReplaceSettings()->ForgetGrid(this);
    return FALSE;
}

// Every control registered with the grid.
static void ForEachControl(CMapPtrToPtr& map, const std::function<void(CGXControl*)>& fn)
{
    for (POSITION pos = map.GetStartPosition(); pos != NULL;)
    {
        void* pKey = NULL;
        void* pValue = NULL;
        map.GetNextAssoc(pos, pKey, pValue);
        if (pValue != NULL)
            fn((CGXControl*)pValue);
    }
}

BOOL CGXGridCore::OnGridSysColorChange()
{
    GXGetSysColorTable()->Refresh();
    ForEachControl(m_ControlMap, [](CGXControl* p) { p->OnGridSysColorChange(); });
    return FALSE;
}

BOOL CGXGridCore::OnGridWinIniChange(LPCTSTR pszSection)
{
    m_pAppData->LoadLocaleSeparators();
    GXRefreshDateTimeSettings();
    ROWCOL nRow, nCol;
    CGXControl* pControl = CurrentControl(this, nRow, nCol);
    if (pControl != NULL && !pControl->IsActive())
        DeactivateCurrentCell(FALSE);
    GXGetSysColorTable()->Refresh();
    ForEachControl(m_ControlMap, [pszSection](CGXControl* p) { p->OnGridWinIniChange(pszSection); });
    if (m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL)
        m_pGridWnd->Invalidate(TRUE);
    return FALSE;
}

void CGXGridCore::DeactivateCurrentCell(BOOL bStore)
{
    ROWCOL nRow, nCol;
    CGXControl* pControl = CurrentControl(this, nRow, nCol);
    if (pControl == NULL)
        return;
    if (bStore && CanLeaveOrEnterCell(FALSE, nRow, nCol, nRow, nCol) && pControl->GetModify())
        pControl->Store();
    pControl->Hide();
}

void CGXGridCore::ResetCurrentCellControl()
{
    ROWCOL nRow, nCol;
    if (CGXControl* pControl = CurrentControl(this, nRow, nCol))
        pControl->Reset();
}
