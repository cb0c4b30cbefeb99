// SECListEngine: hit testing, the selection engine, mouse, keyboard, type-ahead, timers, focus.
#include "ListEngine.h"

int SECListEngine::HitTest(int x, int y, UINT& nFlags, int& nCol)
{
    nFlags = 0;
    nCol = -1;
    CRect rcClient;
    GetClientRect(&rcClient);
    if (!rcClient.PtInRect(CPoint(x, y)))
    {
        if (y < rcClient.top)
            nFlags |= ListHit::ABOVE;
        if (y >= rcClient.bottom)
            nFlags |= ListHit::BELOW;
        if (x < rcClient.left)
            nFlags |= ListHit::TO_LEFT;
        if (x >= rcClient.right)
            nFlags |= ListHit::TO_RIGHT;
        return -1;
    }
    CRect rcInside;
    GetInsideRectangle(&rcInside);
    int nCols = GetColumnCount();
    if (nCols < 2)
        nCol = 0;
    else
    {
        int xCol = -m_nHorzOffset;
        for (int i = 0; i < nCols; ++i)
        {
            if (x >= xCol && x < xCol + m_arrColumns[i]->m_cx)
            {
                nCol = i;
                break;
            }
            xCol += m_arrColumns[i]->m_cx;
        }
    }
    if (y < rcInside.top)
    {
        int xCol = -m_nHorzOffset;
        int nLast = nCols - ((m_dwListStyleEx & ListStyle::EX_FIT_FIRST_COLUMN) ? 1 : 0);
        for (int i = 0; i < nLast; ++i)
        {
            int xRight = xCol + m_arrColumns[i]->m_cx;
            if (x >= xRight - ListMetrics::DIVIDER_SLOP && x <= xRight + ListMetrics::DIVIDER_SLOP)
            {
                nFlags = ListHit::ON_DIVIDER;
                nCol = i;
                return i;
            }
            xCol = xRight;
        }
        xCol = -m_nHorzOffset;
        for (int i = 0; i < nCols; ++i)
        {
            if (x >= xCol && x < xCol + m_arrColumns[i]->m_cx)
            {
                nFlags = ListHit::ON_HEADER;
                nCol = i;
                return i;
            }
            xCol += m_arrColumns[i]->m_cx;
        }
        nFlags = ListHit::NOWHERE;
        nCol = -1;
        return -1;
    }
    if (m_arrItems.empty())
    {
        nFlags = ListHit::NOWHERE;
        return -1;
    }
    MeasuringScope measuring(this);
    int top = rcInside.top;
    for (int i = m_nTopIndex; i < GetItemCount() && top < rcInside.bottom; ++i)
    {
        MeasureItem(i, NULL);
        SECListItem* pItem = m_arrItems[i];
        int bottom = top + std::max(0, pItem->m_cy) + GetRowSpacing();
        if (y >= top && y < bottom)
        {
            nFlags = ListHit::IN_ROW;
            if (GetSubItemOfColumn(nCol) == 0 || nCols == 0)
            {
                int xOrg = GetColumnLeft(std::max(0, nCol));
                CRect rcLabel(xOrg + pItem->m_rcLabel.left, top, xOrg + pItem->m_rcLabel.right, bottom);
                CRect rcIcon = pItem->m_rcIcon;
                rcIcon.OffsetRect(xOrg, top);
                CRect rcState = pItem->m_rcStateIcon;
                rcState.OffsetRect(xOrg, top);
                CPoint pt(x, y);
                if (rcLabel.PtInRect(pt))
                    nFlags |= ListHit::ON_LABEL;
                else if (rcIcon.PtInRect(pt))
                    nFlags |= ListHit::ON_ICON;
                else if (rcState.PtInRect(pt))
                    nFlags |= ListHit::ON_STATE_ICON;
                else if (x < rcLabel.left)
                    nFlags |= ListHit::LEFT_OF_LABEL;
                else
                    nFlags |= ListHit::RIGHT_OF_LABEL;
            }
            return i;
        }
        top = bottom;
    }
    nFlags = ListHit::NOWHERE;
    return -1;
}

void SECListEngine::FilterHitFlags(CPoint pt, int nRow, UINT nFlags, BOOL& bArm, BOOL& bSelect)
{
    bArm = bSelect = FALSE;
    if (nFlags & (ListHit::ON_ICON | ListHit::ON_LABEL))
    {
        if (nFlags & ListHit::IN_ROW)
            bArm = bSelect = TRUE;
        return;
    }
    if (nFlags & ListHit::ON_HEADER)
    {
        int nCol = nRow;
        bArm = (m_dwListStyleEx & ListStyle::EX_HEADER_DRAG) && nCol > 0;
        return;
    }
    if ((nFlags & ListHit::IN_ROW) && !(nFlags & ListHit::ON_STATE_ICON))
    {
        if (m_dwListStyleEx & ListStyle::EX_FULL_ROW_SELECT)
            bSelect = TRUE;
        else if (nFlags & ListHit::LEFT_OF_LABEL)
        {
            SECListItem* pItem = GetRow(nRow);
            if (pItem != NULL && !pItem->m_rcIcon.IsRectEmpty() &&
                pt.x >= GetColumnLeft(0) + pItem->m_rcIcon.right)
                bSelect = TRUE;
        }
        bArm = bSelect;
    }
}

BOOL SECListEngine::ChangeSelection(int nRow, UINT nKeyFlags, BOOL bByMouse)
{
    int F = m_nFocusIndex;
    BOOL bShift = (nKeyFlags & MK_SHIFT) != 0;
    BOOL bCtrl = (nKeyFlags & MK_CONTROL) != 0;
    if (GetMultiSelect() && (bShift || bCtrl))
    {
        if (m_bVetoed)
            return TRUE;
        if (bShift)
        {
            if ((!bByMouse && nRow == F) || (m_nAnchorIndex >= 0 && nRow != F))
            {
                if ((m_bVetoed = OnSelChanging(nRow, F, bByMouse)) != 0)
                    return FALSE;
                m_pTip->Hide();
                int nAnchor = m_nAnchorIndex;
                DeselectAllItems(-1);
                SelectRange(nAnchor, nRow, TRUE);
                SelectFocusItem(nRow, TRUE);
                m_nAnchorIndex = nAnchor;
                InvalidateRange(nAnchor, nRow);
                OnSelChanged(nRow, F, bByMouse);
            }
            return TRUE;
        }
        if (!bByMouse)
        {
            int nAnchor = m_nAnchorIndex;
            SetFocusItem(nRow);
            m_nAnchorIndex = nAnchor;
            if (nRow != F)
                return TRUE;
        }
        m_pTip->Hide();
        if (m_bArmed)
            return TRUE;
        if ((m_bVetoed = OnSelChanging(nRow, F, bByMouse)) != 0)
            return FALSE;
        SelectFocusItem(nRow, !IsSelected(nRow));
        OnSelChanged(nRow, F, bByMouse);
        return TRUE;
    }
    // A selected row stays as it is (a multiple selection collapses at button-up); the focus row
    // is selected again when it lost its selection, so that collapse never leaves nothing selected.
    if (IsSelected(nRow))
        return TRUE;
    if ((m_bVetoed = OnSelChanging(nRow, F, bByMouse)) != 0)
        return FALSE;
    m_pTip->Hide();
    DeselectAllItems(nRow);
    SelectFocusItem(nRow, TRUE);
    OnSelChanged(nRow, F, bByMouse);
    return TRUE;
}

void SECListEngine::CaptureMouse(BOOL bCapture)
{
    if (bCapture)
        m_pWnd->SetCapture();
}

// Shift and Ctrl as the keyboard has them now (synthesised mouse input may not carry them).
static inline UINT SecListMouseKeys(UINT nFlags)
{
    nFlags &= ~(MK_SHIFT | MK_CONTROL);
    if (::GetKeyState(VK_SHIFT) < 0)
        nFlags |= MK_SHIFT;
    if (::GetKeyState(VK_CONTROL) < 0)
        nFlags |= MK_CONTROL;
    return nFlags;
}

void SECListEngine::OnLButtonDown(UINT nFlags, CPoint point)
{
    nFlags = SecListMouseKeys(nFlags);
    if (::GetFocus() != m_pWnd->m_hWnd)
        m_pWnd->SetFocus();
    UINT nHit;
    int nCol;
    int nRow = HitTest(point.x, point.y, nHit, nCol);
    m_bArmed = FALSE;
    m_nClickColumn = nCol;
    if ((nHit & ListHit::ON_DIVIDER) &&
        !((m_dwListStyleEx & ListStyle::EX_FIT_FIRST_COLUMN) && nCol == GetColumnCount() - 1))
    {
        TrackColumnResizeAndApply(nCol, point);
    }
    else
    {
        BOOL bArm = FALSE, bSelect = FALSE;
        FilterHitFlags(point, nRow, nHit, bArm, bSelect);
        m_bArmed = bArm;
        if ((nHit & ListHit::ON_HEADER) && !(m_dwListStyle & ListStyle::NO_SORT_HEADER))
        {
            m_nPressedColumn = nCol;
            DrawHeaderItem(nCol, TRUE);
            m_pWnd->SetCapture();
        }
        if (bSelect && ChangeSelection(nRow, nFlags, TRUE))
            OnSelectItem(nRow, TRUE);
    }
    m_ptButtonDown = point;
    m_pTip->RefreshTip();
    m_bItemDrag = m_bHeaderDrag = FALSE;
    m_pWnd->Default();
}

void SECListEngine::TrackColumnResizeAndApply(int nCol, CPoint point)
{
    int dx = TrackColumnResize(point.x, point.y, nCol);
    if (dx == 0)
        return;
    SECListColumn* pCol = GetColumnAt(nCol);
    pCol->m_cx += dx;
    if (m_dwListStyleEx & ListStyle::EX_FIT_FIRST_COLUMN)
    {
        if (SECListColumn* pNext = GetColumnAt(nCol + 1))
            pNext->m_cx -= dx;
        int cxTotal = 0;
        for (SECListColumn* p : m_arrColumns)
        {
            if (p->m_cx < 6)
                p->m_cx = 5;
            cxTotal += p->m_cx;
        }
        CRect rc;
        GetInsideRectangle(&rc);
        if (cxTotal > rc.Width())
            m_arrColumns[0]->m_cx = std::max(5, (int)m_arrColumns[0]->m_cx - (cxTotal - rc.Width()));
    }
    if (IsLabelWrap())
        InvalidateMeasurements();
    RecalcLayout();
    m_pWnd->Invalidate(TRUE);
}

int SECListEngine::TrackColumnResize(int, int, int nCol)
{
    if (::GetCapture() != NULL || GetColumnAt(nCol) == NULL)
        return 0;
    m_pWnd->SetCapture();
    m_pWnd->UpdateWindow();
    CRect rcClient, rcInside;
    GetClientRect(&rcClient);
    GetInsideRectangle(&rcInside);
    int xLeft = GetColumnLeft(nCol);
    int xStart = GetColumnRight(nCol);
    int xMin = xLeft + ListMetrics::MIN_COLUMN_DRAG;
    int xNow = xStart;
    CClientDC dc(m_pWnd);
    auto drawBar = [&](int x) {
        CRect rc(x - 1, rcClient.top, x + 1, rcInside.bottom);
        dc.InvertRect(&rc);
    };
    drawBar(xNow);
    if (nCol > 0)
        drawBar(xLeft);
    BOOL bDone = FALSE;
    while (!bDone)
    {
        MSG msg;
        if (!::GetMessage(&msg, NULL, 0, 0))
        {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (::GetCapture() != m_pWnd->m_hWnd)
            break; // capture lost: keep the current position
        switch (msg.message)
        {
        case WM_MOUSEMOVE: {
            int x = std::max(xMin, (int)(short)LOWORD(msg.lParam));
            if (x != xNow)
            {
                drawBar(xNow);
                xNow = x;
                drawBar(xNow);
            }
            break;
        }
        case WM_LBUTTONUP:
            bDone = TRUE;
            break;
        case WM_RBUTTONDOWN:
            drawBar(xNow);
            xNow = xStart;
            drawBar(xNow);
            bDone = TRUE;
            break;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
            {
                drawBar(xNow);
                xNow = xStart;
                drawBar(xNow);
                bDone = TRUE;
            }
            break;
        case WM_KEYUP:
        case WM_CHAR:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            break;
        default:
            ::DispatchMessage(&msg);
            break;
        }
    }
    drawBar(xNow);
    if (nCol > 0)
        drawBar(xLeft);
    if (::GetCapture() == m_pWnd->m_hWnd)
        ::ReleaseCapture();
    return std::max(xNow, xMin) - xStart;
}

void SECListEngine::DrawDropMark(int x)
{
    CClientDC dc(m_pWnd);
    CRect rc(x, 0, x + 1, m_cyHeader);
    dc.FillSolidRect(&rc, (COLORREF)0xFF0000);
}

void SECListEngine::EraseDropMark()
{
    if (m_nDropPosition < 0)
        return;
    if (m_nDropPosition < GetColumnCount())
    {
        DrawHeaderItem(m_nDropPosition, FALSE);
        if (m_nDropPosition > 0)
            DrawHeaderItem(m_nDropPosition - 1, FALSE);
    }
    else
    {
        if (GetColumnCount() > 0)
            DrawHeaderItem(GetColumnCount() - 1, FALSE);
        CClientDC dc(m_pWnd);
        CRect rcClient;
        GetClientRect(&rcClient);
        if (m_bVScrollShown)
            rcClient.right -= ::GetSystemMetrics(SM_CXVSCROLL);
        int x = GetColumnRight(GetColumnCount() - 1);
        CRect rc(x, 0, std::max((int)rcClient.right + 2, x + 2), m_cyHeader);
        dc.IntersectClipRect(&rcClient);
        dc.DrawFrameControl(&rc, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
}

void SECListEngine::TrackColumnDrop(int x, int, int nCol)
{
    if (nCol == -1)
        nCol = GetColumnCount() - 1;
    if (nCol == 0)
        nCol = 1;
    if (GetColumnAt(nCol) == NULL)
        return;
    int xLeft = GetColumnLeft(nCol), xRight = GetColumnRight(nCol);
    int nPos, xMark;
    if (x >= (xLeft + xRight) / 2)
    {
        nPos = nCol + 1;
        xMark = xRight - 1;
    }
    else
    {
        if (x < GetColumnWidth(0) / 2)
            return;
        nPos = nCol;
        xMark = xLeft;
    }
    if (nPos == m_nDropPosition)
        return;
    CImageList::DragShowNolock(FALSE);
    EraseDropMark();
    m_nDropPosition = nPos;
    DrawDropMark(xMark);
    CImageList::DragShowNolock(TRUE);
}

void SECListEngine::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bItemDrag && !m_bHeaderDrag)
    {
        m_pWnd->Default();
        return;
    }
    UINT nHit;
    int nCol;
    int nRow = HitTest(point.x, point.y, nHit, nCol);
    m_bOverDivider = (nHit & ListHit::ON_DIVIDER) &&
                     !((m_dwListStyleEx & ListStyle::EX_FIT_FIRST_COLUMN) && nCol == GetColumnCount() - 1);
    if (m_nPressedColumn >= 0 && !(m_dwListStyle & ListStyle::NO_SORT_HEADER) && !m_bHeaderDrag &&
        (!(nHit & ListHit::ON_HEADER) || nCol != m_nPressedColumn) && !m_bArmed)
    {
        ::ReleaseCapture();
        DrawHeaderItem(m_nPressedColumn, FALSE);
        m_bArmed = FALSE;
        m_nPressedColumn = -1;
    }
    BOOL bStartedDrag = FALSE;
    CPoint d = point - m_ptButtonDown;
    if (m_nFocusIndex >= 0 && m_bArmed && !(nHit & (ListHit::ON_HEADER | ListHit::ON_DIVIDER)) &&
        m_nPressedColumn < 0 && (nFlags & (MK_LBUTTON | MK_RBUTTON)) && (abs(d.x) >= 4 || abs(d.y) >= 4))
    {
        m_bItemDrag = TRUE;
        m_bArmed = FALSE;
        bStartedDrag = TRUE;
        m_bRightButtonDrag = (nFlags & MK_LBUTTON) == 0;
    }
    if (m_nPressedColumn > 0 && m_bArmed && (nFlags & MK_LBUTTON) && (abs(d.x) >= 2 || abs(d.y) >= 2))
    {
        m_bArmed = FALSE;
        m_bHeaderDrag = TRUE;
        DrawHeaderItem(m_nPressedColumn, FALSE);
        if (m_pHeaderDragImage == NULL)
            m_pHeaderDragImage = CreateHeaderDragImage(m_nPressedColumn);
        if (m_pHeaderDragImage != NULL)
        {
            CImageList::DragShowNolock(TRUE);
            m_pHeaderDragImage->BeginDrag(0, CPoint(m_ptButtonDown.x - GetColumnLeft(m_nPressedColumn), 0));
            CImageList::DragEnter(m_pWnd, CPoint(point.x, 0));
        }
    }
    if (m_bHeaderDrag && (nFlags & MK_LBUTTON))
    {
        if (point.y >= 0 && point.y < m_cyHeader + 30)
        {
            CImageList::DragEnter(m_pWnd, CPoint(point.x, 0));
            CImageList::DragMove(CPoint(point.x, 0));
            int nOver = -1;
            UINT nHitX;
            HitTest(point.x, 1, nHitX, nOver);
            TrackColumnDrop(point.x, point.y, nOver);
        }
        else
        {
            CImageList::DragLeave(m_pWnd);
            EraseDropMark();
            m_nDropPosition = -1;
        }
    }
    if ((m_dwListStyleEx & ListStyle::EX_ITEM_TIPS) && (m_dwListStyle & ListStyle::NO_LABEL_WRAP))
    {
        if (m_bItemDrag || m_bHeaderDrag)
            m_pTip->Hide();
        else if (nRow >= 0 && nRow == m_nEditRow)
            m_pTip->Hide();
        else
            m_pTip->ShowCellTip(nHit, (nHit & ListHit::IN_ROW) ? nRow : -1, nCol);
    }
    if (bStartedDrag)
    {
        if (m_bRightButtonDrag)
            OnBeginRDrag(m_nFocusIndex, m_ptButtonDown);
        else
            OnBeginDrag(m_nFocusIndex, m_ptButtonDown);
    }
    m_pWnd->Default();
}

void SECListEngine::OnLButtonUp(UINT nFlags, CPoint point)
{
    nFlags = SecListMouseKeys(nFlags);
    m_bArmed = FALSE;
    if (m_bItemDrag)
    {
        m_bItemDrag = FALSE;
        return;
    }
    if (m_bHeaderDrag)
    {
        m_bHeaderDrag = FALSE;
        CImageList::DragLeave(m_pWnd);
        CImageList::EndDrag();
        delete m_pHeaderDragImage;
        m_pHeaderDragImage = NULL;
        EraseDropMark();
        ::ReleaseCapture();
        int nFrom = m_nPressedColumn;
        DrawHeaderItem(nFrom, FALSE);
        int nTo = m_nDropPosition;
        m_nDropPosition = -1;
        m_nPressedColumn = -1;
        if (nTo >= 0 && nTo != nFrom && nTo != nFrom + 1)
            MoveColumn(nFrom, nTo, TRUE);
        return;
    }
    if (m_nPressedColumn >= 0 && !(m_dwListStyle & ListStyle::NO_SORT_HEADER))
    {
        ::ReleaseCapture();
        DrawHeaderItem(m_nPressedColumn, FALSE);
        NotifyColumnClick(m_nPressedColumn);
        m_nPressedColumn = -1;
    }
    UINT nHit;
    int nCol;
    int nRow = HitTest(point.x, point.y, nHit, nCol);
    BOOL bShift = (nFlags & MK_SHIFT) != 0, bCtrl = (nFlags & MK_CONTROL) != 0;
    if (nRow >= 0 && (nHit & ListHit::IN_ROW))
    {
        if (IsSelected(nRow) && GetSelectedCount() > 1 && !bShift && !bCtrl)
        {
            DeselectAllItems(-1);
            ChangeSelection(nRow, nFlags, TRUE);
        }
        else if (bCtrl)
            ChangeSelection(nRow, nFlags, TRUE);
        BOOL bFullRow = (m_dwListStyleEx & ListStyle::EX_FULL_ROW_SELECT) != 0;
        SECListItem* pItem = GetRow(nRow);
        BOOL bOnPart = (nHit & (ListHit::ON_ICON | ListHit::ON_LABEL)) || bFullRow ||
                       ((nHit & ListHit::LEFT_OF_LABEL) && !pItem->m_rcIcon.IsRectEmpty() &&
                        point.x >= GetColumnLeft(0) + pItem->m_rcIcon.right);
        if (bOnPart && nRow == m_nClickRow)
        {
            KillEditTimer();
            m_nEditTimer = m_pWnd->SetTimer(ListTimer::EDIT_DELAY, ListTimer::EDIT_DELAY_MS);
        }
        BOOL bOnLabel = (nHit & ListHit::ON_LABEL) || (bFullRow && nCol > 0);
        m_nClickRow = (m_dwListStyle & ListStyle::EDIT_LABELS) && IsSelected(nRow) && bOnLabel ? nRow : -1;
    }
    else
        m_nClickRow = -1;
    m_pWnd->Default();
    NotifyCode(NM_CLICK);
}

void SECListEngine::OnLButtonDblClk(UINT, CPoint)
{
    m_nClickRow = -1;
    KillEditTimer();
    m_pWnd->Default();
    NotifyCode(NM_DBLCLK);
}

void SECListEngine::OnRButtonDown(UINT nFlags, CPoint point)
{
    nFlags = SecListMouseKeys(nFlags);
    if (m_pTip->GetSafeHwnd() != NULL && m_pTip->IsWindowVisible())
        m_pWnd->SendMessage(WM_MOUSEACTIVATE, (WPARAM)m_pWnd->GetParent()->GetSafeHwnd(),
                            MAKELPARAM(HTCLIENT, WM_RBUTTONDOWN));
    m_pWnd->SetFocus();
    UINT nHit;
    int nCol;
    int nRow = HitTest(point.x, point.y, nHit, nCol);
    if (!(nHit & ListHit::ON_DIVIDER))
    {
        BOOL bArm = FALSE, bSelect = FALSE;
        FilterHitFlags(point, nRow, nHit, bArm, bSelect);
        m_bArmed = bArm;
        if (bSelect && ChangeSelection(nRow, nFlags, TRUE))
            OnSelectItem(nRow, TRUE);
    }
    m_ptButtonDown = point;
    m_pTip->RefreshTip();
    m_bItemDrag = FALSE;
    m_pWnd->Default();
}

void SECListEngine::OnRButtonUp(UINT, CPoint)
{
    m_bArmed = FALSE;
    if (m_bItemDrag)
    {
        m_bItemDrag = FALSE;
        return;
    }
    m_pTip->RefreshTip();
    m_pWnd->Default();
    NotifyCode(NM_RCLICK);
}

BOOL SECListEngine::OnSetCursor(CWnd*, UINT nHitTest, UINT)
{
    if (nHitTest == HTCLIENT && m_hResizeCursor != NULL)
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        m_pWnd->ScreenToClient(&pt);
        UINT nHit;
        int nCol;
        HitTest(pt.x, pt.y, nHit, nCol);
        if ((nHit & ListHit::ON_DIVIDER) &&
            !((m_dwListStyleEx & ListStyle::EX_FIT_FIRST_COLUMN) && nCol == GetColumnCount() - 1))
        {
            ::SetCursor(m_hResizeCursor);
            return TRUE;
        }
    }
    return FALSE;
}

void SECListEngine::OnCancelMode()
{
    m_pTip->Hide();
}

void SECListEngine::KillEditTimer()
{
    if (m_nEditTimer != 0 && m_pWnd->m_hWnd != NULL)
        m_pWnd->KillTimer(ListTimer::EDIT_DELAY);
    m_nEditTimer = 0;
}

BOOL SECListEngine::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
    case ListTimer::EDIT_DELAY:
        KillEditTimer();
        if (m_nClickRow >= 0 && m_nClickRow == m_nFocusIndex)
            EditLabel(m_nClickRow, m_nClickColumn);
        break;
    case ListTimer::AUTO_SCROLL:
        if (m_bItemDrag && GetItemCount() >= 3)
        {
            CPoint pt;
            ::GetCursorPos(&pt);
            m_pWnd->ScreenToClient(&pt);
            UINT nHit;
            int nCol;
            int nRow = HitTest(pt.x, pt.y, nHit, nCol);
            int nLast = GetLastVisibleIndex();
            if (nRow == m_nTopIndex && m_nTopIndex > 0)
            {
                SetDropHilightItem(-1);
                Scroll(-1, FALSE);
                RecalcLayout();
            }
            else if (nRow >= 0 && nRow == nLast && nLast < GetItemCount() - 1)
            {
                SetDropHilightItem(-1);
                Scroll(1, FALSE);
                RecalcLayout();
            }
        }
        break;
    case ListTimer::TYPE_AHEAD:
        if ((m_nTypeAheadFlags & ListTypeAhead::ACTIVE) && (m_nTypeAheadFlags & ListTypeAhead::TYPED))
            m_nTypeAheadFlags &= ~ListTypeAhead::TYPED;
        else
        {
            m_pWnd->KillTimer(ListTimer::TYPE_AHEAD);
            m_nTypeAheadFlags = 0;
            m_strTypeAhead.Empty();
        }
        break;
    default:
        return FALSE;
    }
    return TRUE;
}

// ---- keyboard

void SECListEngine::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    MeasuringScope measuring(this); // a key may scroll and measure in several steps
    NotifyKeyDown(nChar);
    BOOL bShift = ::GetKeyState(VK_SHIFT) < 0;
    BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    int F = m_nFocusIndex;
    int nSub = GetSubItemOfColumn(m_nClickColumn);
    switch (nChar)
    {
    case VK_SPACE:
        OnKeySpace(F, nSub, bShift, bCtrl, nRepCnt, nFlags);
        break;
    case VK_UP:
        OnKeyLineUp(F, nSub, bShift, bCtrl, nRepCnt, nFlags);
        break;
    case VK_DOWN:
        OnKeyLineDown(F, nSub, bShift, bCtrl, nRepCnt, nFlags);
        break;
    case VK_HOME:
        OnKeyHome(F, nSub, bShift, bCtrl, nRepCnt, nFlags);
        break;
    case VK_END:
        OnKeyEnd(F, nSub, bShift, bCtrl, nRepCnt, nFlags);
        break;
    case VK_PRIOR:
        OnKeyPageUp(F, nSub, bShift, bCtrl, nRepCnt, nFlags);
        break;
    case VK_NEXT:
        OnKeyPageDown(F, nSub, bShift, bCtrl, nRepCnt, nFlags);
        break;
    case VK_F2:
        OnKeyF2(F, nSub, bShift, bCtrl, nRepCnt, nFlags);
        break;
    case VK_RETURN:
        OnKeyReturn(F, nSub, bShift, bCtrl, nRepCnt, nFlags);
        break;
    case VK_TAB:
        if (CWnd* pParent = m_pWnd->GetParent())
            pParent->PostMessage(WM_NEXTDLGCTL, bShift ? 1 : 0, 0);
        break;
    case VK_ESCAPE:
        if (CWnd* pParent = m_pWnd->GetParent())
            pParent->PostMessage(WM_COMMAND, IDCANCEL, 0);
        break;
    case VK_LEFT:
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
        OnKeyLeft(F, nSub, bShift, bCtrl, nRepCnt, nFlags);
        break;
    case VK_RIGHT:
    case VK_ADD:
    case VK_OEM_PLUS:
        OnKeyRight(F, nSub, bShift, bCtrl, nRepCnt, nFlags);
        break;
    case VK_MULTIPLY:
        OnKeyMultiply(F, nSub, bShift, bCtrl, nRepCnt, nFlags);
        break;
    case VK_BACK:
        OnKeyBack(F, nSub, bShift, bCtrl, nRepCnt, nFlags);
        break;
    default:
        break;
    }
    m_pWnd->Default();
}

void SECListEngine::OnSysKeyDown(UINT nChar, UINT, UINT)
{
    NotifyKeyDown(nChar);
    m_pWnd->Default();
}

static inline UINT SecListKeyFlags(BOOL bShift, BOOL bCtrl)
{
    return (bShift ? MK_SHIFT : 0) | (bCtrl ? MK_CONTROL : 0);
}

void SECListEngine::OnKeySpace(int nFocus, int, BOOL bShift, BOOL bCtrl, UINT, UINT)
{
    if (nFocus < 0)
        return;
    if (ChangeSelection(nFocus, SecListKeyFlags(bShift, bCtrl), FALSE))
    {
        OnSelectItem(nFocus, FALSE);
        EnsureVisible(nFocus);
    }
}

void SECListEngine::OnKeyLineUp(int nFocus, int nSub, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags)
{
    if (nFocus > 0)
        OnKeySpace(nFocus - 1, nSub, bShift, bCtrl, nRep, nFlags);
}

void SECListEngine::OnKeyLineDown(int nFocus, int nSub, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags)
{
    if (nFocus < GetItemCount() - 1)
        OnKeySpace(nFocus < 0 ? 0 : nFocus + 1, nSub, bShift, bCtrl, nRep, nFlags);
}

void SECListEngine::OnKeyHome(int, int, BOOL bShift, BOOL bCtrl, UINT, UINT)
{
    if (GetItemCount() == 0)
        return;
    if (m_bVScrollShown)
    {
        OnVScroll(SB_TOP, 0, m_pVScroll);
        InvalidateContent();
    }
    if (ChangeSelection(0, SecListKeyFlags(bShift, bCtrl), FALSE))
        OnSelectItem(0, FALSE);
    InvalidateContent();
}

void SECListEngine::OnKeyEnd(int, int, BOOL bShift, BOOL bCtrl, UINT, UINT)
{
    int nLast = GetItemCount() - 1;
    if (nLast < 0)
        return;
    if (m_bVScrollShown)
    {
        OnVScroll(SB_BOTTOM, 0, m_pVScroll);
        InvalidateContent();
    }
    if (ChangeSelection(nLast, SecListKeyFlags(bShift, bCtrl), FALSE))
        OnSelectItem(nLast, FALSE);
    InvalidateContent();
}

void SECListEngine::OnKeyPageUp(int nFocus, int nSub, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags)
{
    if (!m_bVScrollShown)
    {
        OnKeyHome(nFocus, nSub, bShift, bCtrl, nRep, nFlags);
        return;
    }
    if (nFocus == m_nTopIndex)
        OnVScroll(SB_PAGEUP, 0, m_pVScroll);
    int nRow = m_nTopIndex;
    if (ChangeSelection(nRow, SecListKeyFlags(bShift, bCtrl), FALSE))
        OnSelectItem(nRow, FALSE);
    InvalidateContent();
}

void SECListEngine::OnKeyPageDown(int nFocus, int nSub, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags)
{
    if (!m_bVScrollShown)
    {
        OnKeyEnd(nFocus, nSub, bShift, bCtrl, nRep, nFlags);
        return;
    }
    if (nFocus == GetLastVisibleIndex())
        OnVScroll(SB_PAGEDOWN, 0, m_pVScroll);
    int nRow = GetLastVisibleIndex();
    if (ChangeSelection(nRow, SecListKeyFlags(bShift, bCtrl), FALSE))
        OnSelectItem(nRow, FALSE);
    InvalidateContent();
}

void SECListEngine::OnKeyF2(int nFocus, int, BOOL, BOOL, UINT, UINT)
{
    if (nFocus >= 0 && (m_dwListStyle & ListStyle::EDIT_LABELS))
        EditLabel(nFocus, m_nClickColumn < 0 ? 0 : m_nClickColumn);
}

void SECListEngine::OnKeyReturn(int, int, BOOL, BOOL, UINT, UINT)
{
    NotifyCode(NM_RETURN);
}

BOOL SECListEngine::OnChar(UINT nChar, UINT, UINT)
{
    if (nChar == 27 || nChar == '\r' || nChar == ' ' || m_arrItems.empty())
        return FALSE;
    if (m_nTypeAheadFlags & ListTypeAhead::FAILED)
    {
        m_nTypeAheadFlags |= ListTypeAhead::TYPED;
        return TRUE;
    }
    if (!(m_nTypeAheadFlags & ListTypeAhead::ACTIVE))
    {
        m_nTypeAheadFlags |= ListTypeAhead::ACTIVE;
        m_strTypeAhead.Empty();
        m_nTypeAheadTimer = m_pWnd->SetTimer(ListTimer::TYPE_AHEAD, m_nTypeAheadPeriodMs);
    }
    m_strTypeAhead += (char)nChar;
    int nCount = GetItemCount();
    int nStart = m_nFocusIndex < 0 ? 0 : m_nFocusIndex;
    if (m_strTypeAhead.GetLength() == 1)
        nStart = m_nFocusIndex < 0 || m_nFocusIndex >= nCount - 1 ? 0 : m_nFocusIndex + 1;
    // Lower-cased by the system's code page, so umlauts match their capitals.
    CString strPrefix = m_strTypeAhead;
    ::CharLowerBuffA(strPrefix.GetBuffer(0), strPrefix.GetLength());
    strPrefix.ReleaseBuffer();
    int nLen = strPrefix.GetLength();
    // The search may pass every row: no allocation and no system call per row. In a single-byte
    // code page each byte lowers alone, so one table made by the system serves the whole search.
    CPINFO cp;
    BOOL bByTable = ::GetCPInfo(CP_ACP, &cp) && cp.MaxCharSize == 1;
    char lower[256];
    if (bByTable)
    {
        for (int c = 0; c < 256; ++c)
            lower[c] = (char)c;
        ::CharLowerBuffA(lower + 1, 255);
    }
    LPCSTR pszPrefix = strPrefix;
    for (int k = 0; k < nCount; ++k)
    {
        int i = (nStart + k) % nCount;
        // A text the row keeps is compared where it lies; only the owner's is fetched.
        LPCSTR pszText = bByTable ? PeekLabel(i) : NULL;
        if (pszText == NULL)
        {
            GetItemText(i, 0, m_pszTextBuffer, ListMetrics::TEXT_BUFFER);
            pszText = m_pszTextBuffer;
        }
        if ((int)strnlen(pszText, (size_t)nLen) < nLen)
            continue;
        BOOL bMatch;
        if (bByTable)
        {
            int c = 0;
            while (c < nLen && lower[(BYTE)pszText[c]] == pszPrefix[c])
                ++c;
            bMatch = c == nLen;
        }
        else
        {
            ::CharLowerBuffA(m_pszTextBuffer, (DWORD)nLen);
            bMatch = strncmp(m_pszTextBuffer, pszPrefix, nLen) == 0;
        }
        if (bMatch)
        {
            if (ChangeSelection(i, 0, FALSE))
            {
                OnSelectItem(i, FALSE);
                EnsureVisible(i);
            }
            m_nTypeAheadFlags |= ListTypeAhead::TYPED;
            return TRUE;
        }
    }
    ::MessageBeep(0xFFFFFFFF);
    m_nTypeAheadFlags |= ListTypeAhead::TYPED | ListTypeAhead::FAILED;
    return TRUE;
}

UINT SECListEngine::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTCHARS;
}

BOOL SECListEngine::OnKillFocus(CWnd* pNewWnd)
{
    if (pNewWnd != NULL && m_pEdit->GetSafeHwnd() != NULL && pNewWnd->GetSafeHwnd() == m_pEdit->m_hWnd)
        return FALSE;
    if (m_pEdit->GetSafeHwnd() != NULL)
        EndLabelEdit(TRUE);
    return TRUE;
}

void SECListEngine::OnFocusChanged(int nCode)
{
    if (!GetMultiSelect() && m_nFocusIndex >= 0)
        InvalidateItems(m_nFocusIndex, TRUE, FALSE, FALSE, FALSE);
    else
        InvalidateContent();
    NotifyCode(nCode);
}

void SECListEngine::OnEnable(BOOL bEnable)
{
    if (!bEnable)
        m_pTip->Hide();
    m_pWnd->Invalidate(FALSE);
}

BOOL SECListEngine::OnMouseWheel(UINT, short zDelta, CPoint)
{
    m_nWheelDelta += zDelta;
    int nSteps = m_nWheelDelta / WHEEL_DELTA;
    if (nSteps == 0)
        return TRUE;
    if (m_bVScrollShown)
    {
        int nOld = m_nTopIndex;
        int nNew = std::max(0, std::min(GetMaxTopIndex(), m_nTopIndex - nSteps));
        if (nNew != nOld)
        {
            m_nTopIndex = nNew;
            if (m_pVScroll != NULL)
                MoveThumb(m_pVScroll, m_nTopIndex);
            MoveViewFrom(nOld);
        }
    }
    else if (m_bHScrollShown)
        ScrollHorz(nSteps * ListMetrics::HSCROLL_LINE);
    m_pTip->Hide();
    m_nWheelDelta = 0;
    return TRUE;
}
