// CGXGridCore: the scroll-bar and size messages of the grid window and the dialog code it answers.
#include "grid/core/GridAxis.h"
#include "grid/core/GridParam.h"
#include "grid/core/PluginComponent.h"

// One scroll message for rows or columns. Thumb positions are in scroll-bar units, each worth the
// bar's scroll factor of rows or columns.
static BOOL ScrollMessage(CGXGridCore* g, const CGXGridAxis& a, UINT nSBCode, UINT nPos)
{
    const ROWCOL nCount = (g->*a.GetCount)();
    const ROWCOL nFrozen = (g->*a.GetFrozen)();
    const ROWCOL nTop = (g->*a.GetFirstShown)();
    const int nBack = a.nScrollBack, nOn = a.nScrollOn;
    auto sizeOf = [&](ROWCOL n) { return (g->*a.GetSize)(n); };
    auto sumSizes = [&](ROWCOL nFrom, ROWCOL nTo) { return (g->*a.SumSizes)(nFrom, nTo, 0); };
    if (nCount == 0 || nCount <= nFrozen + 1)
        return FALSE;
    const ROWCOL nFirst = nFrozen + 1;
    ROWCOL nThumb = nPos < nFirst ? nFirst : nFirst + (nPos - nFirst) * g->GetScrollFactor(a.nBar);
    auto scrollTo = [&](ROWCOL nNew) {
        if (nNew < nTop && sumSizes(nNew, nTop - 1) > 0)
            g->DoScroll(nBack, nTop - nNew);
        else if (nNew > nTop && sumSizes(nTop, nNew - 1) > 0)
            g->DoScroll(nOn, nNew - nTop);
    };
    // A held arrow goes on scrolling through the auto-scroll plug-in until SB_ENDSCROLL.
    auto repeat = [&](int nDirection) {
        if (g->m_bScrollbarAutoRepeat && g->m_bAutoScrollInstalled && g->m_nAutoScrollDirection != nDirection)
        {
            g->m_bAutoScrollByKey = FALSE;
            g->BeginAutoScroll(FALSE, nDirection, 1);
        }
    };
    switch (nSBCode)
    {
    case SB_LINEUP:
        g->DoScroll(nBack, 1);
        repeat(nBack);
        break;
    case SB_LINEDOWN:
        g->DoScroll(nOn, 1);
        repeat(nOn);
        break;
    case SB_PAGEUP: {
        if (nTop < 2)
            break;
        CRect rect = g->GetDrawingRect();
        int nAvail = a.Extent(rect) - sumSizes(0, nFrozen);
        ROWCOL n = 0;
        int nSum = 0;
        while (nTop - n > nFirst && nTop - n > 1)
        {
            nSum += sizeOf(nTop - n - 1);
            if (n > 0 && nSum > nAvail)
                break;
            n++;
        }
        g->DoScroll(nBack, std::max<ROWCOL>(n, 1));
        break;
    }
    case SB_PAGEDOWN: {
        if (nTop >= nCount)
            break;
        ROWCOL nLast = (g->*a.GetLastVisible)(NULL);
        g->DoScroll(nOn, nLast > nTop ? nLast - nTop : 1);
        break;
    }
    case SB_THUMBTRACK:
        if (g->GetParam()->m_bThumbTrack)
            scrollTo(nThumb);
        break;
    case SB_THUMBPOSITION:
        scrollTo(nThumb);
        break;
    case SB_TOP:
        if (nTop > 1)
            scrollTo(nFirst);
        break;
    case SB_BOTTOM:
        scrollTo(nCount);
        break;
    case SB_ENDSCROLL:
        if (g->m_bAutoScroll)
            g->m_bAutoScrollStop = TRUE;
        break;
    default:
        break;
    }
    return TRUE;
}

BOOL CGXGridCore::OnGridVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    if (!m_bInitDone || m_nDrawContextNesting > 0)
        return FALSE;
    HideCellTip();
    TellControlOfScroll(WM_VSCROLL, nSBCode, nPos);
    return ScrollMessage(this, CGXGridAxis::rows, nSBCode, nPos);
}

BOOL CGXGridCore::OnGridHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    if (!m_bInitDone || m_nDrawContextNesting > 0)
        return FALSE;
    HideCellTip();
    TellControlOfScroll(WM_HSCROLL, nSBCode, nPos);
    return ScrollMessage(this, CGXGridAxis::cols, nSBCode, nPos);
}

// Arrows, Tab and characters belong to the grid, also inside a dialog.
BOOL CGXGridCore::OnGridGetDlgCode(UINT& nCode)
{
    nCode |= DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
    return TRUE;
}

static BOOL IsFrameZoomed(CWnd* pWnd)
{
    HWND hTop = ::GetAncestor(pWnd->GetSafeHwnd(), GA_ROOT);
    return hTop != NULL && ::IsZoomed(hTop);
}

BOOL CGXGridCore::OnGridSize(UINT nType, int cx, int cy)
{
    ResetLastVisibleCache();
    if (nType == SIZE_MAXIMIZED)
    {
        UpdateScrollbars(TRUE, FALSE);
        return FALSE;
    }
    CWnd* pWnd = m_pGridWnd;
    if (pWnd->GetSafeHwnd() == NULL)
        return FALSE;
    CRect rectWnd;
    pWnd->GetWindowRect(&rectWnd);
    BOOL bZoomed = IsFrameZoomed(pWnd);
    if (nType == SIZE_RESTORED && m_bInitDone)
    {
        if (m_sizeLastClient.cx > 0 && m_sizeLastClient.cy > 0 &&
            rectWnd.TopLeft() == m_rectLastWnd.TopLeft() && bZoomed == m_bLastFrameZoomed &&
            m_pParam != NULL && m_pParam->m_bImmediateUpdate)
        {
            // Only what growing exposed needs painting; a shrink paints nothing.
            pWnd->ValidateRect(NULL);
            if (cx > m_sizeLastClient.cx)
                pWnd->InvalidateRect(CRect(m_sizeLastClient.cx, 0, cx, cy), TRUE);
            if (cy > m_sizeLastClient.cy)
                pWnd->InvalidateRect(CRect(0, m_sizeLastClient.cy, cx, cy), TRUE);
        }
        else
            pWnd->Invalidate();
        pWnd->UpdateWindow();
    }
    if (m_pAuxPlugin != NULL && m_bAuxPluginEnabled)
    {
        LRESULT lResult = 0;
        m_pAuxPlugin->HandlePluginMessage(WM_SIZE, nType, MAKELPARAM(cx, cy), lResult);
    }
    if (m_bInitDone)
    {
        if (m_pParam != NULL && m_pParam->m_bImmediateUpdate)
            pWnd->UpdateWindow();
        UpdateScrollbars(TRUE, FALSE);
    }
    // Remembered less the bars, so that the strips where a bar may have been are painted too.
    BOOL bVisible = pWnd->IsWindowVisible();
    m_sizeLastClient = bVisible ? CSize(std::max(0, cx - ::GetSystemMetrics(SM_CXVSCROLL)),
                                        std::max(0, cy - ::GetSystemMetrics(SM_CYHSCROLL)))
                                : CSize(0, 0);
    m_rectLastWnd = rectWnd;
    m_bLastFrameZoomed = bZoomed;
    return TRUE;
}

void CGXGridCore::InitFromWindowStyle()
{
    DWORD dwStyle = m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL ? m_pGridWnd->GetStyle() : 0;
    if (GetContainerWnd() != NULL)
    {
        // The container's shared bars, in both directions.
        SetScrollBarMode(SB_VERT, gxnShared | gxnEnhanced, FALSE);
        SetScrollBarMode(SB_HORZ, gxnShared | gxnEnhanced, FALSE);
    }
    else
    {
        SetScrollBarMode(SB_VERT, (dwStyle & WS_VSCROLL) ? gxnAutomatic | gxnEnhanced : gxnDisabled, FALSE);
        SetScrollBarMode(SB_HORZ, (dwStyle & WS_HSCROLL) ? gxnAutomatic | gxnEnhanced : gxnDisabled, FALSE);
    }
    OnGridInitialUpdate();
}
