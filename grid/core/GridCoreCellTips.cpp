// CGXGridCore: when cell tips show and go. The pointer resting on one cell for the system's
// hover time shows the tip of the cell's control; the same timer then watches that the pointer
// stays on the cell.
#include "grid/core/GridCore.h"
#include "grid/core/CellTipWnd.h"

namespace
{
// How often a shown tip checks that the pointer is still on its cell.
const UINT tipWatchMs = 100;

UINT HoverTimeMs()
{
    UINT n = 0;
    if (!::SystemParametersInfoA(SPI_GETMOUSEHOVERTIME, 0, &n, 0) || n == 0)
        n = 400;
    return n;
}
} // namespace

void CGXGridCore::TrackCellTip(ROWCOL nRow, ROWCOL nCol)
{
    if (nRow == m_nTipRow && nCol == m_nTipCol && (nRow != 0 || nCol != 0))
        return;
    HideCellTip();
    if (m_pGridWnd == NULL || m_pGridWnd->GetSafeHwnd() == NULL || nRow == 0 || nCol == 0)
        return;
    m_nTipRow = nRow;
    m_nTipCol = nCol;
    m_pGridWnd->SetTimer(tipTimerId, HoverTimeMs(), NULL);
}

void CGXGridCore::HideCellTip()
{
    if (m_nTipRow != 0 || m_nTipCol != 0 || m_bTipShown)
    {
        if (m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL)
        {
            m_pGridWnd->KillTimer(tipTimerId);
            CGXCellTipWnd::HideTip(m_pGridWnd->GetSafeHwnd());
        }
    }
    m_nTipRow = m_nTipCol = 0;
    m_bTipShown = FALSE;
}

BOOL CGXGridCore::OnGridTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != tipTimerId)
        return FALSE;
    // Still on the same cell?
    CPoint pt;
    ::GetCursorPos(&pt);
    m_pGridWnd->ScreenToClient(&pt);
    CRect rectClient;
    m_pGridWnd->GetClientRect(&rectClient);
    ROWCOL nRow = 0, nCol = 0;
    if (!rectClient.PtInRect(pt) || HitTest(pt, &nRow, &nCol) == GX_NOHIT || nRow != m_nTipRow ||
        nCol != m_nTipCol || m_nHitState != 0)
    {
        HideCellTip();
        return TRUE;
    }
    if (m_bTipShown)
        return TRUE;
    m_pGridWnd->KillTimer(tipTimerId);
    const CGXStyle& style = LookupStyleRowCol(nRow, nCol);
    CGXControl* pControl = GetRegisteredControl(style.GetControl());
    BOOL bEditing = pControl != NULL && IsCurrentCell(nRow, nCol) && pControl->IsActive();
    CGXCellTipBase* pTip = pControl != NULL ? pControl->GetCellTip() : NULL;
    if (pTip != NULL && !bEditing && pTip->NeedShowTip(nRow, nCol, style))
    {
        pTip->ShowTip(nRow, nCol, CalcCellRect(nRow, nCol), style);
    }
    // Decided for this cell: from now on only watched.
    m_bTipShown = TRUE;
    m_pGridWnd->SetTimer(tipTimerId, tipWatchMs, NULL);
    return TRUE;
}
