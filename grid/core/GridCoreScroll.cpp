// Scrolling of the grid engine: scroll-bar modes, ranges scaled into 16 bits, the scroll-bar
// update, scrolling by rows and columns, bringing a cell into view and automatic scrolling.
#include <algorithm>
#include <vector>
#include "grid/core/GridAxis.h"

void CGXGridCore::SetScrollBarMode(int nBar, DWORD dwMode, BOOL bRedraw)
{
    if (nBar == SB_VERT || nBar == SB_BOTH)
        m_dwVScrollMode = dwMode;
    if (nBar == SB_HORZ || nBar == SB_BOTH)
        m_dwHScrollMode = dwMode;
    if (!bRedraw)
        return;
    if (dwMode == 0)
        ShowGridScrollBar(nBar, FALSE);
    else if (dwMode & gxnEnabled)
        ShowGridScrollBar(nBar, TRUE);
    if (dwMode & gxnAutomatic)
        UpdateScrollbars(TRUE, FALSE);
}

DWORD CGXGridCore::GetScrollBarMode(int nBar) const
{
    return nBar == SB_VERT ? m_dwVScrollMode : nBar == SB_HORZ ? m_dwHScrollMode : 0;
}

BOOL CGXGridCore::SetLockScrollbars(BOOL bLock)
{
    BOOL bOld = m_bLockScrollbars;
    m_bLockScrollbars = bLock;
    if (!bLock)
        UpdateScrollbars(TRUE, FALSE);
    return bOld;
}

CScrollBar* CGXGridCore::GetScrollBarCtrl(int) const
{
    return NULL;
}

void CGXGridCore::ShowGridScrollBar(int nBar, BOOL bShow)
{
    if (m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL)
        m_pGridWnd->ShowScrollBar(nBar, bShow);
}

void CGXGridCore::SetScrollRange(int nBar, ROWCOL nMin, ROWCOL nMax, BOOL bRedraw)
{
    DWORD dwMode = GetScrollBarMode(nBar);
    if (dwMode == 0 || m_pGridWnd == NULL)
        return;
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    BOOL bInfo = m_pGridWnd->GetScrollInfo(nBar, &si, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS);
    DWORD& nFactor = nBar == SB_VERT ? m_nVScrollFactor : m_nHScrollFactor;
    nFactor = nMax / 32767 + 1;
    UINT nPage = 0;
    if ((dwMode & gxnEnhanced) && bInfo)
    {
        ROWCOL nCount = nBar == SB_VERT ? GetRowCount() : GetColCount();
        nPage = (UINT)((nCount + 1 - nMax) / nFactor);
        nMax = nCount;
    }
    int nScaledMax = (int)(nMax / nFactor);
    int nScaledMin = (int)nMin;
    if (nScaledMax < nScaledMin)
    {
        nScaledMin = nScaledMax;
        nPage = 1;
    }
    BOOL bSet = FALSE;
    if (bInfo)
    {
        si.fMask = SIF_RANGE | SIF_PAGE;
        si.nMin = nScaledMin;
        si.nMax = nScaledMax;
        si.nPage = nPage;
        bSet = m_pGridWnd->SetScrollInfo(nBar, &si, bRedraw);
    }
    if (!bSet)
        m_pGridWnd->SetScrollRange(nBar, nScaledMin, nScaledMax, bRedraw);
    m_bScrollRangeSet = TRUE;
}

ROWCOL CGXGridCore::SetScrollPos(int nBar, ROWCOL nPos, BOOL bRedraw)
{
    if (GetScrollBarMode(nBar) == 0 || m_pGridWnd == NULL)
        return 0;
    DWORD nFactor = GetScrollFactor(nBar);
    return (ROWCOL)m_pGridWnd->SetScrollPos(nBar, (int)(nPos / nFactor), bRedraw) * nFactor;
}

ROWCOL CGXGridCore::GetScrollPos(int nBar)
{
    if (GetScrollBarMode(nBar) == 0 || m_pGridWnd == NULL)
        return 0;
    return (ROWCOL)m_pGridWnd->GetScrollPos(nBar) * GetScrollFactor(nBar);
}

void CGXGridCore::GetScrollRange(int nBar, ROWCOL* pMin, ROWCOL* pMax)
{
    int nMin = 0, nMax = 0;
    if (m_pGridWnd != NULL && GetScrollBarMode(nBar) != 0)
        m_pGridWnd->GetScrollRange(nBar, &nMin, &nMax);
    if (pMin != NULL)
        *pMin = (ROWCOL)nMin;
    if (pMax != NULL)
        *pMax = (ROWCOL)nMax * GetScrollFactor(nBar);
}

// The first row (column) that may stand at the top (left) so that the last one ends in the window.
static ROWCOL CalcMaxFirst(CGXGridCore* pGrid, const CGXGridAxis& a, int nExtra)
{
    CRect rect = pGrid->GetDrawingRect();
    ROWCOL nFrozen = (pGrid->*a.GetFrozen)();
    ROWCOL nCount = (pGrid->*a.GetCount)();
    int nScrollable = a.Extent(rect) - nExtra - (pGrid->*a.SumSizes)(0, nFrozen, 0);
    int nSum = 0;
    ROWCOL n = nCount;
    // The first scrollable row counts too: when it alone does not fit above the others, the last
    // row could otherwise never be scrolled fully into view.
    for (; n > nFrozen; n--)
    {
        int size = (pGrid->*a.GetSize)(n);
        if (nSum + size > nScrollable)
            return n + 1 <= nCount ? n + 1 : nCount;
        nSum += size;
    }
    return std::max(n, nFrozen + 1);
}

ROWCOL CGXGridCore::CalcMaxTopRow()
{
    return CalcMaxFirst(this, CGXGridAxis::rows, 0);
}

ROWCOL CGXGridCore::CalcMaxLeftCol()
{
    return CalcMaxFirst(this, CGXGridAxis::cols, 0);
}

void CGXGridCore::UpdateScrollbars(BOOL bNoRepaint, BOOL bOnlyIfCountsChanged)
{
    // 1. - 3.
    if (!m_bInitDone || m_bInUpdateScrollbars || m_bLockScrollbars || IsLockUpdate() || m_pGridWnd == NULL ||
        m_pGridWnd->GetSafeHwnd() == NULL)
        return;
    if (GetContainerWnd() != NULL && !m_pGridWnd->IsWindowVisible())
        return;
    if (m_bPrinting)
    {
        ShowGridScrollBar(SB_BOTH, FALSE);
        return;
    }
    if (m_dwVScrollMode == 0 && m_dwHScrollMode == 0)
        return;
    CRect rectClient;
    m_pGridWnd->GetClientRect(&rectClient);
    if (rectClient.IsRectEmpty())
        return;

    // 4. - 5.
    ROWCOL nRows = m_dwVScrollMode != 0 ? GetRowCount() : 0;
    ROWCOL nCols = m_dwHScrollMode != 0 ? GetColCount() : 0;
    if (bOnlyIfCountsChanged && nRows == m_nLastSBRowCount && nCols == m_nLastSBColCount)
        return;
    ResetLastVisibleCache();

    // 6. - 7.
    ROWCOL nFrozenRows = GetFrozenRows(), nFrozenCols = GetFrozenCols();
    ROWCOL nMaxTop = CalcMaxTopRow(), nMaxLeft = CalcMaxLeftCol();
    if ((m_dwVScrollMode & gxnEnhanced) && m_nTopRow > nFrozenRows + 1 && m_nTopRow > nMaxTop)
    {
        SetTopRow(nMaxTop, GX_UPDATENOW);
        m_pGridWnd->UpdateWindow();
    }
    if ((m_dwHScrollMode & gxnEnhanced) && m_nLeftCol > nFrozenCols + 1 && m_nLeftCol > nMaxLeft)
    {
        SetLeftCol(nMaxLeft, GX_UPDATENOW);
        m_pGridWnd->UpdateWindow();
    }

    // 8. The bars by their modes. In mode 2 the second bar is decided with the first one's size
    // counted: deciding each from the previous layout made the bars swap at every paint where
    // showing one made the other necessary.
    m_bInUpdateScrollbars = TRUE;
    DWORD dwStyle = m_pGridWnd->GetStyle();
    BOOL bHadV = (dwStyle & WS_VSCROLL) != 0, bHadH = (dwStyle & WS_HSCROLL) != 0;
    BOOL bShowV = bHadV, bShowH = bHadH;
    DWORD vMode = m_dwVScrollMode & 7, hMode = m_dwHScrollMode & 7;
    // Content size against the client area without any bar.
    CRect rectNoBars = rectClient;
    if (bHadV)
        rectNoBars.right += ::GetSystemMetrics(SM_CXVSCROLL);
    if (bHadH)
        rectNoBars.bottom += ::GetSystemMetrics(SM_CYHSCROLL);
    int nContentHeight = SumRowHeights(0, GetRowCount(), rectNoBars.Height() + 1);
    int nContentWidth = SumColWidths(0, GetColCount(), rectNoBars.Width() + 1);
    if (vMode == gxnAutomatic || hMode == gxnAutomatic)
    {
        BOOL bNeedV = vMode == gxnAutomatic
                          ? nContentHeight > rectNoBars.Height() || m_nTopRow > nFrozenRows + 1
                          : vMode == gxnEnabled;
        BOOL bNeedH = hMode == gxnAutomatic
                          ? nContentWidth > rectNoBars.Width() || m_nLeftCol > nFrozenCols + 1
                          : hMode == gxnEnabled;
        // A shown bar takes space from the other direction.
        if (vMode == gxnAutomatic && !bNeedV && bNeedH &&
            nContentHeight > rectNoBars.Height() - ::GetSystemMetrics(SM_CYHSCROLL))
            bNeedV = TRUE;
        if (hMode == gxnAutomatic && !bNeedH && bNeedV &&
            nContentWidth > rectNoBars.Width() - ::GetSystemMetrics(SM_CXVSCROLL))
            bNeedH = TRUE;
        if (vMode == gxnAutomatic)
            bShowV = bNeedV;
        if (hMode == gxnAutomatic)
            bShowH = bNeedH;
    }
    struct BarStep
    {
        int nBar;
        DWORD mode;
        BOOL bHad;
        BOOL bShowAuto;
        ROWCOL nFrozen;
        ROWCOL nMax;
        ROWCOL nPos;
    } bars[2] = {{SB_VERT, vMode, bHadV, bShowV, nFrozenRows, nMaxTop, m_nTopRow},
                 {SB_HORZ, hMode, bHadH, bShowH, nFrozenCols, nMaxLeft, m_nLeftCol}};
    BOOL bChanged[2] = {FALSE, FALSE};
    for (int i = 0; i < 2; i++)
    {
        BarStep& b = bars[i];
        switch (b.mode)
        {
        case gxnDisabled:
            if (b.bHad)
            {
                ShowGridScrollBar(b.nBar, FALSE);
                bChanged[i] = TRUE;
            }
            break;
        case gxnAutomatic:
            if (!b.bShowAuto)
            {
                if (b.bHad)
                {
                    ShowGridScrollBar(b.nBar, FALSE);
                    bChanged[i] = TRUE;
                }
                break;
            }
            [[fallthrough]];
        case gxnEnabled:
            SetScrollRange(b.nBar, b.nFrozen + 1, b.nMax, FALSE);
            SetScrollPos(b.nBar, b.nPos, FALSE);
            // Windows hides a bar whose page covers its range: shown again after the range.
            if (!(m_pGridWnd->GetStyle() & (b.nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)))
                ShowGridScrollBar(b.nBar, TRUE);
            bChanged[i] = !b.bHad;
            break;
        default: // shared: range and position only
            SetScrollRange(b.nBar, b.nFrozen + 1, b.nMax, FALSE);
            SetScrollPos(b.nBar, b.nPos, TRUE);
            break;
        }
    }

    // 9. Repaint what the bars uncovered.
    if (bChanged[0] || bChanged[1])
        m_bLayoutChanged = TRUE;
    if (!bNoRepaint && (bChanged[0] || bChanged[1]))
    {
        m_pGridWnd->UpdateWindow();
        m_pGridWnd->GetClientRect(&rectClient);
        if (bChanged[1])
        {
            CRect r(rectClient.left, rectClient.bottom - 2 * ::GetSystemMetrics(SM_CYHSCROLL),
                    rectClient.right, rectClient.bottom);
            m_pGridWnd->InvalidateRect(&r, TRUE);
            m_pGridWnd->UpdateWindow();
        }
        if (bChanged[0])
        {
            CRect r(rectClient.right - 2 * ::GetSystemMetrics(SM_CXVSCROLL), rectClient.top, rectClient.right,
                    rectClient.bottom);
            m_pGridWnd->InvalidateRect(&r, TRUE);
            m_pGridWnd->UpdateWindow();
        }
    }

    // 10.
    if (m_dwVScrollMode != 0)
        SetScrollPos(SB_VERT, m_nTopRow, TRUE);
    if (m_dwHScrollMode != 0)
        SetScrollPos(SB_HORZ, m_nLeftCol, TRUE);
    m_bInUpdateScrollbars = FALSE;
    m_nLastSBRowCount = nRows;
    m_nLastSBColCount = nCols;
}

BOOL CGXGridCore::DoScroll(int nDirection, ROWCOL nCount)
{
    BOOL bDone = OnScrollBy(nDirection, nCount);
    if (bDone && IsHintsEnabled())
        m_pUpdateHintImp->HintScroll(this, nDirection, nCount);
    return bDone;
}

void CGXGridCore::ScrollWindow(int dx, int dy, LPCRECT lpRect, LPCRECT lpClipRect)
{
    // The Excel-like frame moves with the content; the uncovered strip paints its part.
    m_pGridWnd->ScrollWindowEx(dx, dy, lpRect, lpClipRect, NULL, NULL,
                               SW_INVALIDATE | SW_ERASE | SW_SCROLLCHILDREN);
}

void CGXGridCore::HideControlOutOfView(BOOL bRows, ROWCOL nFrozen)
{
    ROWCOL nRow, nCol;
    if (!GetCurrentCell(nRow, nCol))
        return;
    const CGXGridAxis& a = bRows ? CGXGridAxis::rows : CGXGridAxis::cols;
    CGXControl* pControl = GetControl(nRow, nCol);
    ROWCOL nCell = a.Along(nRow, nCol);
    if (pControl == NULL || !pControl->IsActive() || nCell <= nFrozen)
        return;
    // A control the user types into keeps its window, wherever its cell went.
    CWnd* pWnd = pControl->GetWndPtr();
    HWND hFocus = ::GetFocus();
    if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL && hFocus != NULL &&
        (hFocus == pWnd->GetSafeHwnd() || ::IsChild(pWnd->GetSafeHwnd(), hFocus)))
        return;
    BOOL bPartial;
    ROWCOL nFirst = this->*a.pnFirst;
    ROWCOL nLast = (this->*a.GetLastVisible)(&bPartial);
    if (nCell < nFirst || nCell > nLast)
        pControl->Hide();
}

BOOL CGXGridCore::OnScrollBy(int nDirection, ROWCOL nCount)
{
    BOOL bRows = nDirection == GX_UP || nDirection == GX_DOWN;
    BOOL bBack = nDirection == GX_UP || nDirection == GX_LEFT;
    const CGXGridAxis& a = bRows ? CGXGridAxis::rows : CGXGridAxis::cols;
    ResetLastVisibleCache();
    CRect rectDraw = GetDrawingRect();
    ROWCOL nFrozen = (this->*a.GetFrozen)();
    ROWCOL nOld = this->*a.pnFirst;
    int nFrozenSize = (this->*a.SumSizes)(0, nFrozen, 0);
    int nVisible = a.Extent(rectDraw) - nFrozenSize;
    auto sizeOf = [&](ROWCOL n) { return (this->*a.GetSize)(n); };

    // 2. The new first row and the pixel distance.
    ROWCOL nNew = nOld;
    int nDist = 0;
    if (bBack)
    {
        nNew = nOld > nCount ? nOld - nCount : 1;
        nNew = std::max(nNew, nFrozen + 1);
        for (ROWCOL n = nNew; n < nOld && nDist <= nVisible; n++)
            nDist += sizeOf(n);
    }
    else
    {
        ROWCOL nMax = (this->*a.CalcMaxFirst)();
        if (nOld >= nMax)
            return FALSE;
        for (ROWCOL i = 0; i < nCount && nNew < nMax; i++)
        {
            nDist += sizeOf(nNew);
            nNew++;
            while (nNew < nMax && sizeOf(nNew) == 0) // hidden rows are skipped
                nNew++;
        }
    }
    if (nNew == nOld)
        return FALSE;

    // 3. The prepare-redraw component hears of the new position first; then the veto.
    OnPrepareRedraw(a.Row(nNew, m_nTopRow), a.Col(nNew, m_nLeftCol), 0, (ROWCOL)nDirection);
    if (!(this->*a.OnFirstChanging)(nNew))
        return FALSE;

    // 4. Floated and merged spans cut by the scrolling area's first row (column), before or after
    // the scroll, are drawn again whole.
    std::vector<CGXCellRange> crossing;
    if (m_pParam->m_wFloatCellsMode != 0 || m_pParam->m_wMergeCellsMode != 0)
        CollectSpansAcross(a, nOld, nNew, crossing);

    // 5. Store, and hide an active control whose cell leaves the view. The handle of a frame
    // around whole columns (rows) sits at the pane's top (left) edge and does not move with the
    // content: it is taken off before and put back after.
    BOOL bPinnedHandle = m_pExcelLikeFrameImp != NULL && m_bExcelFrameDrawn &&
                         (bRows ? m_nExcelFrameKind == 7 && m_rangeExcelFrame.top > nFrozen
                                : m_nExcelFrameKind == 2 && m_rangeExcelFrame.left > nFrozen);
    if (bPinnedHandle)
        m_pExcelLikeFrameImp->RedrawFrameHandle(this);
    this->*a.pnFirst = nNew;
    ResetLastVisibleCache();
    HideControlOutOfView(bRows, nFrozen);

    // 6. Scroll the content and invalidate only the uncovered strip.
    CRect rectScroll = rectDraw;
    rectScroll.*a.pnStart += nFrozenSize;
    if (m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL && !IsLockUpdate())
    {
        if ((m_nHitState & 0x200) && m_pParam->m_bExcelLikeFill && m_pExcelLikeFillImp != NULL)
            m_pExcelLikeFillImp->HideFillFrame(this);
        if (nDist < nVisible)
        {
            int d = bBack ? nDist : -nDist;
            ScrollWindow(bRows ? 0 : d, bRows ? d : 0, &rectScroll, &rectScroll);
        }
        else
            m_pGridWnd->InvalidateRect(&rectScroll, FALSE);
        for (const CGXCellRange& range : crossing)
            m_pGridWnd->InvalidateRect(CalcRangeRect(range));
        if (bPinnedHandle)
            m_pExcelLikeFrameImp->RedrawFrameHandle(this);
    }

    // 7.
    SetScrollPos(a.nBar, nNew, TRUE);
    if ((GetScrollBarMode(a.nBar) & gxnAutomatic) && nNew == nFrozen + 1)
        UpdateScrollbars(TRUE, FALSE);

    // 8.
    (this->*a.OnFirstChanged)();
    return TRUE;
}

// The floated and merged spans that start before index nOld or nNew along the direction and
// reach it, in the lines across that are shown.
void CGXGridCore::CollectSpansAcross(const CGXGridAxis& a, ROWCOL nOld, ROWCOL nNew,
                                     std::vector<CGXCellRange>& spans)
{
    const CGXGridAxis& across = a.bRows ? CGXGridAxis::cols : CGXGridAxis::rows;
    ROWCOL nFrozen = (this->*across.GetFrozen)(), nFirst = this->*across.pnFirst;
    ROWCOL nLast = (this->*across.GetLastVisible)(NULL);
    for (ROWCOL n : {nOld, nNew})
        for (ROWCOL k = 0; k <= nLast; k = k == nFrozen && nFirst > k + 1 ? nFirst : k + 1)
        {
            CGXCellRange range;
            ROWCOL nRow = a.Row(n, k), nCol = a.Col(n, k);
            if ((GetMergedRangeAt(nRow, nCol, range, -1) != NULL ||
                 GetFloatedRangeAt(nRow, nCol, range) != NULL) &&
                a.First(range) < n && std::find(spans.begin(), spans.end(), range) == spans.end())
                spans.push_back(range);
        }
}

// The current cell's control hears of a scroll before the grid moves.
void CGXGridCore::TellControlOfScroll(UINT nMessage, UINT nSBCode, UINT nPos)
{
    if (CGXControl* pControl = GetCurrentCellControl())
        pControl->OnGridScroll(nMessage, nSBCode, nPos);
}

// Brings row (column) n into view: back to it when it lies before the top row (left column), else
// on until it ends inside the window, as few rows (columns) as that takes.
static void ScrollIntoView(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL n, const CRect& rectDraw,
                           UINT flags)
{
    ROWCOL nFrozen = (pGrid->*a.GetFrozen)();
    if (n > nFrozen && n < pGrid->*a.pnFirst)
        (pGrid->*a.SetFirst)(n, flags, TRUE);
    else if (n > nFrozen)
    {
        BOOL bPartial;
        ROWCOL nLast = (pGrid->*a.GetLastVisible)(&bPartial);
        if (n > nLast || (n == nLast && bPartial && n != (pGrid->*a.GetCount)()))
        {
            pGrid->TellControlOfScroll(a.nScrollMessage, SB_THUMBPOSITION, 0);
            int nSum = (pGrid->*a.SumSizes)(0, nFrozen, 0) + (pGrid->*a.GetSize)(n);
            ROWCOL nFirst = n;
            while (nFirst > nFrozen + 1 && nFirst > 1 &&
                   nSum + (pGrid->*a.GetSize)(nFirst - 1) <= a.Extent(rectDraw))
            {
                nFirst--;
                nSum += (pGrid->*a.GetSize)(nFirst);
            }
            (pGrid->*a.SetFirst)(std::min(nFirst, (pGrid->*a.GetCount)()), flags, TRUE);
        }
    }
}

BOOL CGXGridCore::ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags, BOOL bFloatCell)
{
    if (m_bDisableScrollCellInView)
    {
        m_bDisableScrollCellInView = FALSE;
        return FALSE;
    }
    // A covered cell, and with bFloatCell a floated one, is shown from its range's top-left
    // cell; a range reaching out of the frozen area from the first scrolling row or column.
    CGXCellRange range;
    ROWCOL nCellRow = nRow, nCellCol = nCol;
    for (BOOL bFloat : {FALSE, TRUE})
        if (bFloat ? bFloatCell && GetFloatedRangeAt(nCellRow, nCellCol, range) != NULL
                   : GetCoveredCellsRowCol(nCellRow, nCellCol, range) != NULL)
        {
            nRow = range.top;
            nCol = range.left;
            if (range.top <= GetFrozenRows() && range.bottom > GetFrozenRows())
                nRow = GetFrozenRows() + 1;
            if (range.left <= GetFrozenCols() && range.right > GetFrozenCols())
                nCol = GetFrozenCols() + 1;
        }
    CRect rectDraw = GetDrawingRect();
    ROWCOL nOldTop = m_nTopRow, nOldLeft = m_nLeftCol;
    ScrollIntoView(this, CGXGridAxis::rows, nRow, rectDraw, flags);
    ScrollIntoView(this, CGXGridAxis::cols, nCol, rectDraw, flags);
    if ((flags & (GX_UPDATENOW | GX_SMART)) && m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL)
        m_pGridWnd->UpdateWindow();
    return nOldTop != m_nTopRow || nOldLeft != m_nLeftCol;
}

void CGXGridCore::BeginAutoScroll(BOOL bCapture, int nDirection, ROWCOL nStep)
{
    m_nAutoScrollDirection = nDirection;
    m_nAutoScrollStep = nStep;
    m_nAutoScrollCounter = 0;
    m_bAutoScroll = TRUE;
    m_bAutoScrollStart = TRUE;
    m_bAutoScrollStop = FALSE;
    m_bAutoScrollCapture = bCapture;
    if (bCapture)
        m_pGridWnd->SetCapture();
    m_nAutoScrollTimer = m_pGridWnd->SetTimer(992, 10, NULL);
    if (m_nAutoScrollTimer == 0)
        m_bAutoScroll = FALSE;
    else
        m_pGridWnd->PostMessage(WM_TIMER, 992, 0); // the first step without waiting for the timer
}
