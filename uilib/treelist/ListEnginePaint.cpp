// SECListEngine: measuring, layout, scroll bars, scrolling and painting.
#include "ListEngine.h"
#include "uilib/common/MemDC.h"

// ---- geometry

void SECListEngine::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_pWnd->m_hWnd, lpRect);
}

void SECListEngine::GetInsideRectangle(LPRECT lpRect) const
{
    GetClientRect(lpRect);
    if (m_bVScrollShown)
        lpRect->right = std::max(lpRect->left, lpRect->right - ::GetSystemMetrics(SM_CXVSCROLL));
    if (m_bHScrollShown)
        lpRect->bottom = std::max(lpRect->top, lpRect->bottom - ::GetSystemMetrics(SM_CYHSCROLL));
    if ((m_dwListStyle & ListStyle::VIEW_MASK) == ListStyle::VIEW_REPORT && HasColumnHeader())
        lpRect->top = std::min(lpRect->bottom, lpRect->top + m_cyHeader);
}

void SECListEngine::GetScrollOffset(int& x, int& y) const
{
    x = m_nHorzOffset;
    y = 0;
}

CDC* SECListEngine::CreateClientDC(BOOL& bDelete)
{
    bDelete = TRUE;
    return new CClientDC(m_pWnd);
}

void SECListEngine::InvalidateMeasurements()
{
    for (SECListItem* p : m_arrItems)
        p->m_bDirty = TRUE;
    m_cxLabelMax = 0;
}

void SECListEngine::ReMeasureAllItems()
{
    InvalidateMeasurements();
    RecalcLayout();
}

void SECListEngine::ReMeasureItem(int nRow)
{
    SECListItem* pItem = GetRow(nRow);
    if (pItem == NULL)
        return;
    pItem->m_bDirty = TRUE;
    MeasureItem(nRow, NULL);
}

BOOL SECListEngine::SetItemHeight(int nRow, int cy)
{
    SECListItem* pItem = GetRow(nRow);
    if (pItem == NULL)
        return FALSE;
    pItem->m_cy = cy;
    pItem->m_bDirty = FALSE;
    return TRUE;
}

void SECListEngine::MeasureItem(int nRow, SECListPaintContext* pContext)
{
    SECListItem* pItem = GetRow(nRow);
    if (pItem == NULL || !pItem->m_bDirty || m_pWnd->m_hWnd == NULL)
        return;
    BOOL bDelete = FALSE;
    CDC* pDC = NULL;
    if (pContext == NULL && m_nMeasuringScopes > 0)
    {
        if (m_pMeasuringContext == NULL)
        {
            m_pMeasuringDC = CreateClientDC(m_bDeleteMeasuringDC);
            m_pMeasuringContext = CreatePaintContext(m_pMeasuringDC);
            if (m_nPaintFocus < 0)
            {
                m_nPaintFocus = HasFocusNow() ? 1 : 0;
                m_bMeasuringFocus = TRUE;
            }
        }
        pContext = m_pMeasuringContext;
    }
    BOOL bOwnContext = pContext == NULL;
    if (bOwnContext)
    {
        pDC = CreateClientDC(bDelete);
        pContext = CreatePaintContext(pDC);
    }
    int nOldRow = pContext->m_item.iItem;
    pContext->m_item.iItem = nRow;
    pContext->m_pItem = pItem;
    MeasureRow(pContext);
    pContext->m_item.iItem = nOldRow;
    if (bOwnContext)
    {
        delete pContext;
        if (bDelete)
            delete pDC;
    }
}

SECListEngine::MeasuringScope::MeasuringScope(SECListEngine* pEngine) : m_pEngine(pEngine)
{
    ++pEngine->m_nMeasuringScopes;
}

SECListEngine::MeasuringScope::~MeasuringScope()
{
    if (--m_pEngine->m_nMeasuringScopes > 0)
        return;
    delete m_pEngine->m_pMeasuringContext;
    m_pEngine->m_pMeasuringContext = NULL;
    if (m_pEngine->m_bDeleteMeasuringDC)
        delete m_pEngine->m_pMeasuringDC;
    m_pEngine->m_pMeasuringDC = NULL;
    if (m_pEngine->m_bMeasuringFocus)
        m_pEngine->m_nPaintFocus = -1;
    m_pEngine->m_bMeasuringFocus = FALSE;
}

void SECListEngine::MeasureRow(SECListPaintContext* pContext)
{
    SECListItem* pItem = pContext->m_pItem;
    if (pItem == NULL || !pItem->m_bDirty)
        return;
    // Preparing a cell asks whether the list has the focus, a trip to Wine's server each time:
    // asked once for the row (or for the scope or paint pass measuring it).
    int nOuterFocus = m_nPaintFocus;
    m_nPaintFocus = HasFocusNow() ? 1 : 0;
    // Measured afresh, so a row shrinks again when its text does.
    int cy = 0;
    int nCols = std::max(1, GetColumnCount());
    for (int nCol = 0; nCol < nCols; ++nCol)
    {
        pContext->m_nColumn = nCol;
        pContext->m_pColumn = GetColumnAt(nCol);
        int nSub = pContext->m_pColumn != NULL ? pContext->m_pColumn->m_iSubItem : 0;
        pContext->m_item.iSubItem = nSub;
        pContext->m_pSubItem = nSub > 0 ? pItem->GetSubItem(nSub) : NULL;
        if (nSub > 0 && pContext->m_pSubItem == NULL)
            continue;
        if (!PrepareCell(pContext))
            continue;
        int cyCell = 0;
        MeasureCell(pContext, cyCell);
        cy = std::max(cy, cyCell);
    }
    m_nPaintFocus = nOuterFocus;
    pItem->m_cy = cy;
    pItem->m_bDirty = FALSE;
    m_cxLabelMax = std::max(m_cxLabelMax, (int)pItem->m_rcLabel.right + 5);
}

void SECListEngine::GetIconRect(SECListPaintContext* pContext, CRect& rect)
{
    rect.SetRectEmpty();
    CImageList* pList = GetImageList(pContext->m_nView == ListStyle::VIEW_ICON ? LVSIL_NORMAL : LVSIL_SMALL);
    if (pList == NULL || pList->GetSafeHandle() == NULL)
        return;
    int cx = 0, cy = 0;
    ImageList_GetIconSize(pList->GetSafeHandle(), &cx, &cy);
    rect.SetRect(2, 2, cx + 2, cy + 2);
}

void SECListEngine::MeasureCell(SECListPaintContext* pContext, int& cy)
{
    cy = 0;
    if (pContext->m_item.pszText == NULL)
        return;
    SECListItem* pItem = pContext->m_pItem;
    BOOL bFirst = pContext->m_item.iSubItem == 0;
    CRect rcIcon(0, 0, 0, 0);
    if (bFirst)
    {
        GetIconRect(pContext, rcIcon);
        pItem->m_rcIcon = rcIcon;
    }
    CRect rcLabel(0, 0, GetColumnWidth(pContext->m_nColumn) - rcIcon.Width() - 11, 0);
    MeasureLabel(pContext, rcLabel);
    if (bFirst)
        pItem->m_rcLabel = rcLabel;
    else if (pContext->m_pSubItem != NULL)
        pContext->m_pSubItem->m_rcLabel = rcLabel;
    // Rows keep a margin of 2 pixels above and below their tallest part.
    if (pContext->m_nView == ListStyle::VIEW_ICON)
        cy = rcIcon.Height() + rcLabel.Height() + 5;
    else
        cy = std::max(rcIcon.bottom, rcLabel.bottom) + 2;
}

void SECListEngine::MeasureLabel(SECListPaintContext* pContext, CRect& rect)
{
    CDC* pDC = pContext->m_pDC;
    pContext->SelectFont(pContext->m_hFont);
    LPCSTR pszText = pContext->m_item.pszText != NULL ? pContext->m_item.pszText : "";
    int nLen = (int)strlen(pszText);
    int nFormat = pContext->m_pColumn != NULL ? (pContext->m_pColumn->m_fmt & LVCFMT_JUSTIFYMASK) : 0;
    UINT nFlags = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS;
    if (nFormat == LVCFMT_RIGHT)
        nFlags |= DT_RIGHT;
    else if (nFormat == LVCFMT_CENTER)
        nFlags |= DT_CENTER;
    if (m_dwListStyle & ListStyle::NO_LABEL_WRAP)
    {
        // Up to the line feed: single-line drawing would show it as a box.
        const char* pLF = strchr(pszText, '\n');
        if (pLF != NULL)
            nLen = (int)(pLF - pszText);
        nFlags |= DT_SINGLELINE;
    }
    else
        nFlags |= DT_WORDBREAK;
    CRect rc(0, 0, std::max(1, rect.Width()), 0);
    SIZE sz;
    if ((nFlags & DT_SINGLELINE) && memchr(pszText, '\t', nLen) == NULL && nLen > 0 &&
        ::GetTextExtentPoint32A(pDC->m_hDC, pszText, nLen, &sz))
        rc.SetRect(0, 0, sz.cx, sz.cy); // the same as DT_CALCRECT, without its formatting pass
    else
        ::DrawText(pDC->m_hDC, pszText, nLen, &rc, nFlags);
    if (rc.Height() <= 0)
    {
        TEXTMETRIC tm;
        ::GetTextMetrics(pDC->m_hDC, &tm);
        rc.bottom = rc.top + tm.tmHeight;
    }
    CPoint ptOrigin(ListMetrics::LABEL_INSET_LEFT, 2);
    SECListItem* pItem = pContext->m_pItem;
    if (pContext->m_item.iSubItem == 0 && pItem != NULL && !pItem->m_rcIcon.IsRectEmpty())
    {
        const CRect& ri = pItem->m_rcIcon;
        if (pContext->m_nView == ListStyle::VIEW_ICON)
            ptOrigin = CPoint(8, ri.bottom + 2);
        else
            ptOrigin = CPoint(ri.right + 5, std::max(0, (ri.Height() - rc.Height()) / 2));
    }
    rect.SetRect(ptOrigin.x, ptOrigin.y, ptOrigin.x + rc.Width(), ptOrigin.y + rc.Height());
}

int SECListEngine::RowTop(int nRow, BOOL bWithinView)
{
    MeasuringScope measuring(this);
    CRect rc;
    GetInsideRectangle(&rc);
    int y = rc.top;
    for (int i = m_nTopIndex; i < nRow && i < GetItemCount(); ++i)
    {
        if (bWithinView && y >= rc.bottom)
            break;
        MeasureItem(i, NULL);
        y += std::max(0, m_arrItems[i]->m_cy) + GetRowSpacing();
    }
    return y;
}

BOOL SECListEngine::GetCellRect(int nRow, int nCol, LPRECT lpRect, UINT nCode)
{
    SECListItem* pItem = GetRow(nRow);
    if (pItem == NULL || nRow < m_nTopIndex || lpRect == NULL)
        return FALSE;
    MeasureItem(nRow, NULL);
    CRect rcInside;
    GetInsideRectangle(&rcInside);
    int nCols = GetColumnCount();
    if (nCols > 0 && (nCol < 0 || nCol >= nCols))
        return FALSE;
    int top = RowTop(nRow);
    CRect rcCell(GetColumnLeft(nCol), top, GetColumnLeft(nCol) + GetColumnWidth(nCol),
                 top + std::max(0, pItem->m_cy) + GetRowSpacing());
    int nSub = GetSubItemOfColumn(nCol);
    if (nCols == 0)
        nSub = 0;
    switch (nCode)
    {
    case LVIR_BOUNDS:
        if (nCols < 2)
            rcCell.right = std::max(rcCell.right, (LONG)rcInside.right);
        *lpRect = rcCell;
        return TRUE;
    case LVIR_ICON:
        if (nSub != 0)
            return FALSE;
        *lpRect = pItem->m_rcIcon;
        ::OffsetRect(lpRect, rcCell.left, rcCell.top);
        return TRUE;
    case LVIR_LABEL:
        if (nSub == 0)
        {
            *lpRect = pItem->m_rcLabel;
            ::OffsetRect(lpRect, rcCell.left, rcCell.top);
            return TRUE;
        }
        if (SECListSubItem* pSub = pItem->GetSubItem(nSub))
        {
            CRect rc = pSub->m_rcLabel;
            if ((GetColumnFormat(nCol) & ~0x1000) == 3)
                rc.OffsetRect((rcCell.Width() - rc.Width()) / 2 - rc.left, 0);
            rc.OffsetRect(rcCell.left, rcCell.top);
            *lpRect = rc;
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

BOOL SECListEngine::GetItemRect(int nRow, LPRECT lpRect, UINT nCode)
{
    int nCol = 0;
    for (int i = 0; i < GetColumnCount(); ++i)
        if (m_arrColumns[i]->m_iSubItem == 0)
            nCol = i;
    return GetCellRect(nRow, nCol, lpRect, nCode);
}

void SECListEngine::GetTotalSize(int& cx, int& cy)
{
    cx = GetTotalWidth(TRUE);
    cy = GetItemCount();
}

// ---- row-position queries

int SECListEngine::GetCountPerPage()
{
    MeasuringScope measuring(this);
    CRect rc;
    GetInsideRectangle(&rc);
    int cyLeft = rc.Height();
    int n = 0;
    for (int i = m_nTopIndex; i < GetItemCount(); ++i)
    {
        MeasureItem(i, NULL);
        int cy = std::max(0, m_arrItems[i]->m_cy) + GetRowSpacing();
        if (cy > cyLeft)
            return n;
        cyLeft -= cy;
        ++n;
    }
    for (int i = m_nTopIndex - 1; i >= 0; --i)
    {
        MeasureItem(i, NULL);
        int cy = std::max(0, m_arrItems[i]->m_cy) + GetRowSpacing();
        if (cy > cyLeft)
            break;
        cyLeft -= cy;
        ++n;
    }
    return n;
}

int SECListEngine::GetCountPerPageAbove()
{
    MeasuringScope measuring(this);
    CRect rc;
    GetInsideRectangle(&rc);
    int cyLeft = rc.Height();
    int n = 0;
    for (int i = m_nTopIndex - 1; i >= 0; --i)
    {
        MeasureItem(i, NULL);
        int cy = std::max(0, m_arrItems[i]->m_cy) + GetRowSpacing();
        if (cy > cyLeft)
            break;
        cyLeft -= cy;
        ++n;
    }
    return n;
}

int SECListEngine::GetMaxTopIndex()
{
    MeasuringScope measuring(this);
    CRect rc;
    GetInsideRectangle(&rc);
    int cyLeft = rc.Height();
    int nTop = GetItemCount();
    for (int i = GetItemCount() - 1; i >= 0; --i)
    {
        MeasureItem(i, NULL);
        int cy = std::max(0, m_arrItems[i]->m_cy) + GetRowSpacing();
        if (cy > cyLeft)
            break;
        cyLeft -= cy;
        nTop = i;
    }
    return std::min(nTop, std::max(0, GetItemCount() - 1));
}

int SECListEngine::GetLastVisibleIndex(BOOL)
{
    MeasuringScope measuring(this);
    CRect rc;
    GetInsideRectangle(&rc);
    int y = rc.top;
    int nLast = m_nTopIndex - 1;
    for (int i = m_nTopIndex; i < GetItemCount(); ++i)
    {
        MeasureItem(i, NULL);
        y += std::max(0, m_arrItems[i]->m_cy) + GetRowSpacing();
        if (y > rc.bottom)
            break;
        nLast = i;
    }
    return std::max(nLast, std::min(m_nTopIndex, GetItemCount() - 1));
}

int SECListEngine::GetEndVisibleIndex()
{
    MeasuringScope measuring(this);
    CRect rc;
    GetInsideRectangle(&rc);
    int y = rc.top;
    int i = m_nTopIndex;
    for (; i < GetItemCount() && y < rc.bottom; ++i)
    {
        MeasureItem(i, NULL);
        y += std::max(0, m_arrItems[i]->m_cy) + GetRowSpacing();
    }
    return i;
}

int SECListEngine::GetPrevPageTopIndex()
{
    return std::max(0, m_nTopIndex - std::max(1, GetCountPerPageAbove()));
}

int SECListEngine::ItemFromPoint(CPoint pt)
{
    MeasuringScope measuring(this);
    // Document coordinates: row 0 starts at 0.
    int y = 0;
    for (int i = 0; i < GetItemCount(); ++i)
    {
        MeasureItem(i, NULL);
        y += std::max(0, m_arrItems[i]->m_cy) + GetRowSpacing();
        if (y >= pt.y)
            return i;
    }
    return GetItemCount();
}

int SECListEngine::GetItemsHeight(int nFrom, int nTo)
{
    MeasuringScope measuring(this);
    int nSign = 1;
    if (nFrom > nTo)
    {
        std::swap(nFrom, nTo);
        nSign = -1;
    }
    int cy = 0;
    for (int i = std::max(0, nFrom); i <= nTo && i < GetItemCount(); ++i)
    {
        MeasureItem(i, NULL);
        cy += std::max(0, m_arrItems[i]->m_cy) + GetRowSpacing();
    }
    return nSign * cy;
}

int SECListEngine::CountItemsInHeight(int cy, int nStart, BOOL bDown)
{
    MeasuringScope measuring(this);
    int n = 0;
    for (int i = nStart; i >= 0 && i < GetItemCount(); i += bDown ? 1 : -1)
    {
        MeasureItem(i, NULL);
        int cyRow = std::max(0, m_arrItems[i]->m_cy) + GetRowSpacing();
        if (cyRow > cy)
            break;
        cy -= cyRow;
        ++n;
    }
    return n;
}

// ---- invalidation

// The fourth flag differs by host: the window-hosted list invalidates down to the bottom of the
// rows' area, the view-hosted one fills the row's band with the background at once.
void SECListEngine::InvalidateItems(int nRow, BOOL bLabelOnly, BOOL bErase, BOOL bToBottomOrEraseNow,
                                    BOOL bUpdateNow)
{
    if (m_pWnd->m_hWnd == NULL || nRow < m_nTopIndex || GetRow(nRow) == NULL)
        return;
    CRect rcInside;
    GetInsideRectangle(&rcInside);
    // A row far below the view costs nothing to leave alone.
    int top = RowTop(nRow, TRUE);
    if (top >= rcInside.bottom)
        return;
    CRect rc(rcInside.left, top, std::max((int)rcInside.right, GetTotalWidth(FALSE) - m_nHorzOffset),
             top + std::max(0, m_arrItems[nRow]->m_cy) + GetRowSpacing());
    if (bLabelOnly && (m_dwListStyleEx & ListStyle::EX_FULL_ROW_SELECT) == 0)
    {
        CRect rcLabel;
        if (GetItemRect(nRow, &rcLabel, LVIR_LABEL))
        {
            rc.left = rcLabel.left - 3;
            rc.right = rcLabel.right + 3;
        }
    }
    if (bToBottomOrEraseNow && m_bViewHosted)
    {
        CClientDC dc(m_pWnd);
        dc.FillSolidRect(&rc, GetWindowBkColor());
    }
    else if (bToBottomOrEraseNow)
    {
        CRect rcBelow(rcInside.left, rc.bottom, rcInside.right, rcInside.bottom);
        if (bErase)
            rc.bottom = rcInside.bottom;
        else if (!rcBelow.IsRectEmpty())
        {
            CClientDC dc(m_pWnd);
            dc.FillSolidRect(&rcBelow, GetWindowBkColor());
        }
    }
    m_pWnd->InvalidateRect(&rc, bErase);
    if (bUpdateNow)
        m_pWnd->UpdateWindow();
}

void SECListEngine::InvalidateRange(int nFrom, int nTo)
{
    if (nFrom > nTo)
        std::swap(nFrom, nTo);
    nFrom = std::max(nFrom, m_nTopIndex);
    int nEnd = std::min(nTo, GetEndVisibleIndex());
    for (int i = nFrom; i <= nEnd; ++i)
        InvalidateItems(i, FALSE, FALSE, FALSE, FALSE);
}

void SECListEngine::InvalidateContent()
{
    CRect rc;
    GetClientRect(&rc);
    if (m_bVScrollShown)
        rc.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    if (m_bHScrollShown)
        rc.bottom -= ::GetSystemMetrics(SM_CYHSCROLL);
    m_pWnd->InvalidateRect(&rc, FALSE);
}

// ---- layout

void SECListEngine::RecalcLayout()
{
    if (m_pWnd->m_hWnd == NULL)
        return;
    m_bLayoutDirty = FALSE;
    FitFirstColumnIfNeeded();
    UpdateVScroll(GetItemCount());
    if (IsLabelWrap())
        InvalidateMeasurements();
    UpdateHScroll(GetTotalWidth(FALSE));
    UpdateVScroll(GetItemCount());
    LayoutScrollBars();
}

// Without bMeasure, single-line labels count as far as rows were measured (painting measures
// the rows it shows and lays out again when one is wider): measuring every row of a long list
// for the first paint would take seconds.
int SECListEngine::GetTotalWidth(BOOL bMeasure)
{
    MeasuringScope measuring(this);
    CRect rcInside;
    GetInsideRectangle(&rcInside);
    if (GetColumnCount() >= 2)
    {
        int cx = 0;
        for (SECListColumn* p : m_arrColumns)
            cx += p->m_cx;
        return cx;
    }
    int cx = 0;
    if (IsLabelWrap())
    {
        for (int i = m_nTopIndex; i < GetEndVisibleIndex(); ++i)
        {
            MeasureItem(i, NULL);
            cx = std::max(cx, (int)m_arrItems[i]->m_rcLabel.right + 5);
        }
    }
    else
    {
        if (bMeasure)
            for (int i = 0; i < GetItemCount(); ++i)
                MeasureItem(i, NULL);
        cx = m_cxLabelMax;
    }
    if ((m_dwListStyle & ListStyle::VIEW_MASK) == ListStyle::VIEW_REPORT)
        cx = std::max(cx, rcInside.Width());
    return cx;
}

BOOL SECListEngine::FitFirstColumnIfNeeded()
{
    if (GetColumnCount() == 1 || (m_dwListStyleEx & ListStyle::EX_FIT_FIRST_COLUMN))
    {
        FitFirstColumn();
        return TRUE;
    }
    return FALSE;
}

void SECListEngine::FitFirstColumn()
{
    CRect rc;
    GetInsideRectangle(&rc);
    int cxOthers = 0;
    SECListColumn* pFirst = NULL;
    for (SECListColumn* p : m_arrColumns)
    {
        if (p->m_iSubItem == 0)
            pFirst = p;
        else
            cxOthers += p->m_cx;
    }
    if (pFirst != NULL)
    {
        int cx = std::max(0, rc.Width() - cxOthers);
        if (cx != pFirst->m_cx && IsLabelWrap())
            InvalidateMeasurements();
        pFirst->m_cx = cx;
    }
}

void SECListEngine::UpdateVScroll(int nRows)
{
    CRect rcBefore;
    GetInsideRectangle(&rcBefore);
    SCROLLINFO si;
    memset(&si, 0, sizeof(si));
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    BOOL bShow;
    if (GetCountPerPage() >= nRows)
    {
        m_nTopIndex = 0;
        bShow = FALSE;
    }
    else
    {
        int nMaxTop = GetMaxTopIndex();
        if (m_nTopIndex > nMaxTop)
            m_nTopIndex = nMaxTop;
        si.nMin = 0;
        si.nMax = nRows - 1;
        si.nPage = GetCountPerPage();
        si.nPos = m_nTopIndex;
        bShow = TRUE;
    }
    ShowScrollBarCtrl(SB_VERT, bShow, &si);
    CRect rcAfter;
    GetInsideRectangle(&rcAfter);
    if (rcAfter.Width() != rcBefore.Width() && FitFirstColumnIfNeeded())
        m_pWnd->Invalidate(TRUE);
}

void SECListEngine::UpdateHScroll(int cxTotal)
{
    CRect rc;
    GetInsideRectangle(&rc);
    SCROLLINFO si;
    memset(&si, 0, sizeof(si));
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    BOOL bShow;
    m_cxLaidOut = cxTotal;
    if (cxTotal <= rc.Width())
    {
        m_nHorzOffset = 0;
        bShow = FALSE;
    }
    else
    {
        m_nHorzOffset = std::min(m_nHorzOffset, cxTotal - rc.Width());
        si.nMin = 0;
        si.nMax = cxTotal;
        si.nPage = rc.Width();
        si.nPos = m_nHorzOffset;
        bShow = TRUE;
    }
    ShowScrollBarCtrl(SB_HORZ, bShow, &si);
}

CScrollBar* SECListEngine::CreateScrollBarCtrl(int nBar, UINT nID)
{
    CScrollBar* pBar = new CScrollBar;
    DWORD dwStyle = WS_CHILD | (nBar == SB_HORZ ? SBS_HORZ : SBS_VERT);
    if (!pBar->Create(dwStyle, CRect(0, 0, 0, 0), m_pWnd, nID))
    {
        delete pBar;
        AfxThrowResourceException();
    }
    return pBar;
}

CScrollBar* SECListEngine::GetScrollBarCtrl(int nBar) const
{
    return nBar == SB_HORZ ? m_pHScroll : (nBar == SB_VERT ? m_pVScroll : NULL);
}

BOOL SECListEngine::ShowScrollBarCtrl(int nBar, BOOL bShow, SCROLLINFO* pInfo)
{
    if (m_dwListStyle & ListStyle::NO_SCROLL)
        bShow = FALSE;
    if (nBar == SB_BOTH)
    {
        ShowScrollBarCtrl(SB_HORZ, bShow, pInfo);
        return ShowScrollBarCtrl(SB_VERT, bShow, pInfo);
    }
    CScrollBar*& pBar = nBar == SB_HORZ ? m_pHScroll : m_pVScroll;
    BOOL& bShown = nBar == SB_HORZ ? m_bHScrollShown : m_bVScrollShown;
    if (pBar == NULL)
        pBar = CreateScrollBarCtrl(nBar, nBar == SB_HORZ ? AFX_IDW_HSCROLL_FIRST : AFX_IDW_VSCROLL_FIRST);
    if (pInfo != NULL && bShow)
    {
        SCROLLINFO had;
        memset(&had, 0, sizeof(had));
        had.cbSize = sizeof(had);
        BOOL bHad = pBar->GetScrollInfo(&had, SIF_ALL);
        pBar->SetScrollInfo(pInfo, FALSE);
        if (bShown && (!bHad || had.nMin != pInfo->nMin || had.nMax != pInfo->nMax ||
                       had.nPage != pInfo->nPage || had.nPos != pInfo->nPos))
            pBar->Invalidate(FALSE);
    }
    if (bShown != bShow)
    {
        bShown = bShow;
        LayoutScrollBars();
        pBar->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
        m_pWnd->Invalidate(FALSE);
    }
    return TRUE;
}

// Painting a bar costs Wine more than painting a page of rows: a moved thumb is invalidated, to be
// painted once with the rows, and an unmoved one not at all.
void SECListEngine::MoveThumb(CScrollBar* pBar, int nPos)
{
    if (pBar == NULL || pBar->GetScrollPos() == nPos)
        return;
    pBar->SetScrollPos(nPos, FALSE);
    pBar->Invalidate(FALSE);
}

void SECListEngine::LayoutScrollBars()
{
    CRect rcClient;
    GetClientRect(&rcClient);
    int cxV = ::GetSystemMetrics(SM_CXVSCROLL);
    int cyH = ::GetSystemMetrics(SM_CYHSCROLL);
    HDWP hDWP = ::BeginDeferWindowPos(2);
    auto place = [&](CScrollBar* pBar, const CRect& rc) {
        if (pBar == NULL || pBar->m_hWnd == NULL)
            return;
        CRect rcNow;
        pBar->GetWindowRect(&rcNow);
        m_pWnd->ScreenToClient(&rcNow);
        if (rcNow != rc && hDWP != NULL)
            hDWP = ::DeferWindowPos(hDWP, pBar->m_hWnd, NULL, rc.left, rc.top, rc.Width(), rc.Height(),
                                    SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place(m_pHScroll, CRect(rcClient.left, rcClient.bottom - cyH,
                            rcClient.right - (m_bVScrollShown ? cxV : 0), rcClient.bottom));
    place(m_pVScroll, CRect(rcClient.right - cxV, rcClient.top, rcClient.right,
                            rcClient.bottom - (m_bHScrollShown ? cyH : 0)));
    if (hDWP != NULL)
        ::EndDeferWindowPos(hDWP);
}

void SECListEngine::OnSize(UINT, int, int)
{
    LayoutScrollBars();
    if (!m_arrItems.empty() || GetColumnCount() == 1)
    {
        FitFirstColumnIfNeeded();
        ReMeasureAllItems();
    }
}

// ---- scrolling

void SECListEngine::Scroll(int nRows, BOOL bByPage)
{
    if (bByPage)
    {
        CRect rc;
        GetInsideRectangle(&rc);
        int nLast = GetLastVisibleIndex();
        nRows = nRows > 0 ? std::min(nRows, std::max(1, CountItemsInHeight(rc.Height(), nLast + 1, TRUE)))
                          : nRows;
    }
    int nNew = std::max(0, std::min(m_nTopIndex + nRows, GetItemCount() - 1));
    if (nNew != m_nTopIndex)
    {
        int nOld = m_nTopIndex;
        m_nTopIndex = nNew;
        MoveViewFrom(nOld);
    }
}

// After the top row moved away from nOldTop: what stays in view moves by the heights of the rows
// passed and only the uncovered strip is painted; a move of a whole view or more paints all.
void SECListEngine::MoveViewFrom(int nOldTop)
{
    MeasuringScope measuring(this);
    if (m_pWnd->m_hWnd == NULL || nOldTop == m_nTopIndex)
        return;
    CRect rc;
    GetInsideRectangle(&rc);
    int nFrom = std::min(nOldTop, m_nTopIndex), nTo = std::max(nOldTop, m_nTopIndex);
    int dy = 0;
    for (int i = nFrom; i < nTo && dy < rc.Height(); ++i)
    {
        MeasureItem(i, NULL);
        dy += std::max(0, m_arrItems[i]->m_cy) + GetRowSpacing();
    }
    if (m_bLayoutDirty || dy <= 0 || dy >= rc.Height() || rc.IsRectEmpty())
    {
        InvalidateContent();
        return;
    }
    m_pWnd->ScrollWindowEx(0, m_nTopIndex > nOldTop ? -dy : dy, &rc, &rc, NULL, NULL, SW_INVALIDATE);
}

void SECListEngine::SetTopIndex(int nRow)
{
    Scroll(nRow - m_nTopIndex, FALSE);
    RecalcLayout();
}

void SECListEngine::ScrollHorz(int cx)
{
    CRect rc;
    GetInsideRectangle(&rc);
    int nMax = std::max(0, GetTotalWidth(FALSE) - rc.Width());
    m_nHorzOffset = std::max(0, std::min(m_nHorzOffset - cx, nMax));
    if (m_pHScroll != NULL)
        MoveThumb(m_pHScroll, m_nHorzOffset);
    InvalidateContent();
}

void SECListEngine::EnsureVisible(int nRow)
{
    MeasuringScope measuring(this);
    if (GetRow(nRow) == NULL)
        return;
    int nLast = GetLastVisibleIndex();
    if (nRow == nLast && nRow == GetItemCount() - 1)
        return;
    if (nRow >= nLast && nRow > m_nTopIndex)
    {
        // The lowest top row that shows the row whole (the row itself when it is higher than the
        // list), found by measuring one page back from the row rather than scrolling row by row.
        CRect rc;
        GetInsideRectangle(&rc);
        MeasureItem(nRow, NULL);
        int cy = std::max(0, m_arrItems[nRow]->m_cy) + GetRowSpacing();
        int nTop = nRow;
        while (nTop > m_nTopIndex)
        {
            MeasureItem(nTop - 1, NULL);
            int cyAbove = std::max(0, m_arrItems[nTop - 1]->m_cy) + GetRowSpacing();
            if (cy + cyAbove > rc.Height())
                break;
            cy += cyAbove;
            --nTop;
        }
        m_nTopIndex = nTop;
        RecalcLayout();
        InvalidateContent();
    }
    else if (nRow <= m_nTopIndex && m_nTopIndex > 0)
    {
        m_nTopIndex = std::max(0, nRow - 1);
        RecalcLayout();
        InvalidateContent();
    }
}

BOOL SECListEngine::EnsureRangeVisible(int nFirst, int nLast)
{
    if (nFirst > nLast || GetRow(nFirst) == NULL || GetRow(nLast) == NULL)
        return FALSE;
    if (nFirst >= m_nTopIndex && nLast <= GetLastVisibleIndex())
        return TRUE;
    CRect rc;
    GetInsideRectangle(&rc);
    if (GetItemsHeight(nFirst, nLast) > rc.Height())
        m_nTopIndex = nFirst;
    else
    {
        m_nTopIndex = nLast;
        while (m_nTopIndex > 0 && GetItemsHeight(m_nTopIndex - 1, nLast) <= rc.Height())
            --m_nTopIndex;
    }
    RecalcLayout();
    InvalidateContent();
    return TRUE;
}

// Thumb positions come from the bar: the message's 16-bit position wraps for large ranges.
void SECListEngine::ScrollToTrackPos(int nBar)
{
    CScrollBar* pBar = GetScrollBarCtrl(nBar);
    if (pBar == NULL)
        return;
    SCROLLINFO si;
    memset(&si, 0, sizeof(si));
    pBar->GetScrollInfo(&si, SIF_TRACKPOS);
    if (nBar == SB_VERT)
    {
        m_nTopIndex = std::max(0, std::min(si.nTrackPos, GetMaxTopIndex()));
        MoveThumb(pBar, m_nTopIndex);
    }
    else
    {
        CRect rc;
        GetInsideRectangle(&rc);
        m_nHorzOffset = std::max(0, std::min(si.nTrackPos, GetTotalWidth(FALSE) - rc.Width()));
        MoveThumb(pBar, m_nHorzOffset);
    }
    InvalidateContent();
}

void SECListEngine::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
    EndLabelEdit(TRUE);
    m_pTip->Hide();
    int nOld = m_nTopIndex;
    switch (nSBCode)
    {
    case SB_LINEUP:
        m_nTopIndex = std::max(0, m_nTopIndex - 1);
        break;
    case SB_LINEDOWN:
        m_nTopIndex = std::min(GetMaxTopIndex(), m_nTopIndex + 1);
        break;
    case SB_PAGEUP:
        m_nTopIndex = GetPrevPageTopIndex();
        break;
    case SB_PAGEDOWN:
        m_nTopIndex = std::min(GetMaxTopIndex(), m_nTopIndex + std::max(1, GetCountPerPage()));
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        ScrollToTrackPos(SB_VERT);
        return;
    case SB_TOP:
        m_nTopIndex = 0;
        break;
    case SB_BOTTOM:
        m_nTopIndex = GetMaxTopIndex();
        break;
    default:
        return;
    }
    if (m_nTopIndex != nOld)
    {
        if (m_pVScroll != NULL)
            MoveThumb(m_pVScroll, m_nTopIndex);
        MoveViewFrom(nOld);
    }
}

void SECListEngine::OnHScroll(UINT nSBCode, UINT, CScrollBar*)
{
    EndLabelEdit(TRUE);
    m_pTip->Hide();
    CRect rc;
    GetInsideRectangle(&rc);
    switch (nSBCode)
    {
    case SB_LINELEFT:
        ScrollHorz(ListMetrics::HSCROLL_LINE);
        break;
    case SB_LINERIGHT:
        ScrollHorz(-ListMetrics::HSCROLL_LINE);
        break;
    case SB_PAGELEFT:
        ScrollHorz(rc.Width());
        break;
    case SB_PAGERIGHT:
        ScrollHorz(-rc.Width());
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        ScrollToTrackPos(SB_HORZ);
        break;
    case SB_LEFT:
        ScrollHorz(m_nHorzOffset);
        break;
    case SB_RIGHT:
        ScrollHorz(-GetTotalWidth(FALSE));
        break;
    default:
        break;
    }
}

// ---- painting

SECListPaintContext* SECListEngine::CreatePaintContext(CDC* pDC)
{
    SECListPaintContext* pContext = new SECListPaintContext(pDC);
    pContext->m_nView = m_dwListStyle & ListStyle::VIEW_MASK;
    pContext->m_bPrinting = pDC != NULL && pDC->IsPrinting();
    return pContext;
}

CDC* SECListEngine::CreateMemDC(CDC* pDC, BOOL& bDelete, const CRect& rect)
{
    if (m_bHeaderDrag || m_bItemDrag)
    {
        bDelete = FALSE;
        return pDC;
    }
    bDelete = TRUE;
    return new tessaron::foundation::SECMemDC(pDC, rect.left, rect.top, rect.right, rect.bottom);
}

BOOL SECListEngine::HasFocusNow() const
{
    if (m_nPaintFocus >= 0)
        return m_nPaintFocus;
    HWND hFocus = ::GetFocus();
    return hFocus == m_pWnd->m_hWnd || (hFocus != NULL && m_pEdit->m_hWnd == hFocus);
}

COLORREF SECListEngine::GetCellBkColor(SECListPaintContext*)
{
    return GetWindowBkColor();
}

COLORREF SECListEngine::GetCellSecondaryColor(SECListPaintContext* pContext)
{
    if (m_pWnd->m_hWnd != NULL && !m_pWnd->IsWindowEnabled())
        return GetWindowBkColor();
    if (IsSelected(pContext->m_item.iItem) && HasFocusNow())
        return m_rgbSelSecondary;
    return m_rgbSecondary;
}

void SECListEngine::GetCellColors(SECListPaintContext* pContext)
{
    BOOL bGrey = (pContext->m_dwFlags[1] & SECListPaintContext::GREY_TEXT) != 0;
    BOOL bFullRow = (m_dwListStyleEx & ListStyle::EX_FULL_ROW_SELECT) != 0;
    BOOL bFirst = pContext->m_item.iSubItem == 0;
    BOOL bFocus = HasFocusNow();
    int nRow = pContext->m_item.iItem;
    if (!pContext->m_bPrinting && m_pWnd->m_hWnd != NULL && !m_pWnd->IsWindowEnabled())
    {
        pContext->m_rgbText = m_rgbGrayText;
        pContext->m_rgbBk = s_rgbMenu;
        return;
    }
    pContext->m_rgbText = bGrey ? m_rgbGrayText : m_rgbText;
    pContext->m_rgbBk = m_rgbBk;
    if (IsSelected(nRow) && (bFocus || (m_dwListStyle & ListStyle::SHOW_SEL_ALWAYS)) && (bFirst || bFullRow))
    {
        if (!bFocus && m_nEditRow < 0)
        {
            pContext->m_rgbText = bGrey ? m_rgbGrayText : s_rgbMenuText;
            pContext->m_rgbBk = s_rgbMenu;
        }
        else
        {
            pContext->m_rgbText = bGrey ? m_rgbGrayText : m_rgbSelText;
            pContext->m_rgbBk = m_rgbSelBk;
        }
    }
    if (nRow == m_nDropHilite && (bFirst || bFullRow))
    {
        pContext->m_rgbText = m_rgbSelText;
        pContext->m_rgbBk = m_rgbSelBk;
    }
}

HFONT SECListEngine::GetCellFont(SECListPaintContext*)
{
    return GetLabelFont();
}

BOOL SECListEngine::PrepareCell(SECListPaintContext* pContext)
{
    int nRow = pContext->m_item.iItem;
    int nSub = pContext->m_item.iSubItem;
    memset(&pContext->m_item, 0, sizeof(pContext->m_item));
    pContext->m_item.mask = LVIF_TEXT | LVIF_STATE;
    pContext->m_item.iItem = nRow;
    pContext->m_item.iSubItem = nSub;
    pContext->m_item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    pContext->m_item.pszText = m_pszTextBuffer;
    pContext->m_item.cchTextMax = ListMetrics::TEXT_BUFFER;
    m_pszTextBuffer[0] = '\0';
    pContext->m_nView = m_dwListStyle & ListStyle::VIEW_MASK;
    if (!GetItem(&pContext->m_item, FALSE, TRUE))
        return FALSE;
    if (ListText::IsCallback(pContext->m_item.pszText))
        pContext->m_item.pszText = (LPSTR) "";
    if (pContext->m_item.mask & LVIF_DI_SETITEM)
        SetItem(&pContext->m_item, FALSE);
    pContext->m_item.iItem = nRow;
    pContext->m_item.iSubItem = nSub;
    pContext->m_rgbCellBk = GetCellBkColor(pContext);
    pContext->m_rgbSecondary = GetCellSecondaryColor(pContext);
    GetCellColors(pContext);
    pContext->m_hFont = GetCellFont(pContext);
    return TRUE;
}

void SECListEngine::OnPaint()
{
    PAINTSTRUCT ps;
    CDC* pDC = m_pWnd->BeginPaint(&ps);
    OnDraw(pDC);
    m_pWnd->EndPaint(&ps);
}

BOOL SECListEngine::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void SECListEngine::OnDraw(CDC* pDC)
{
    SECListPaintContext* pContext = NULL;
    if (pDC->IsPrinting())
    {
        pContext = CreatePaintContext(pDC);
        if ((m_dwListStyle & ListStyle::VIEW_MASK) == ListStyle::VIEW_REPORT && HasColumnHeader())
            DrawHeader(pContext);
        PaintRows(pContext);
        delete pContext;
        return;
    }
    if (m_bLayoutDirty)
        RecalcLayout();
    CRect rcArea;
    GetClientRect(&rcArea);
    int cxV = ::GetSystemMetrics(SM_CXVSCROLL), cyH = ::GetSystemMetrics(SM_CYHSCROLL);
    if (m_bVScrollShown)
        rcArea.right -= cxV;
    if (m_bHScrollShown)
        rcArea.bottom -= cyH;
    if (m_bVScrollShown && m_bHScrollShown)
    {
        CRect rcBox(rcArea.right, rcArea.bottom, rcArea.right + cxV, rcArea.bottom + cyH);
        pDC->FillSolidRect(&rcBox, s_rgbBtnFace);
    }
    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    CRect rcPaint;
    if (!rcPaint.IntersectRect(&rcClip, &rcArea))
        return;
    m_nPaintFocus = -1; // asked afresh: a measuring scope's answer may be older
    m_nPaintFocus = HasFocusNow() ? 1 : 0;
    BOOL bDelete = FALSE;
    CDC* pMemDC = CreateMemDC(pDC, bDelete, rcPaint);
    pMemDC->FillSolidRect(&rcPaint, GetWindowBkColor());
    pContext = CreatePaintContext(pMemDC);
    if ((m_dwListStyle & ListStyle::VIEW_MASK) == ListStyle::VIEW_REPORT && HasColumnHeader())
        DrawHeader(pContext);
    CRect rcRows;
    GetInsideRectangle(&rcRows);
    int nSaved = pMemDC->SaveDC();
    pMemDC->IntersectClipRect(&rcRows);
    PaintRows(pContext);
    pMemDC->RestoreDC(nSaved);
    delete pContext;
    if (bDelete)
        delete pMemDC;
    m_nPaintFocus = -1;
    // Rows measured for this paint may be wider than the horizontal bar knows.
    if (GetColumnCount() < 2 && !IsLabelWrap() && GetTotalWidth(FALSE) > m_cxLaidOut && !m_bLayoutDirty)
    {
        m_bLayoutDirty = TRUE;
        m_pWnd->Invalidate(FALSE);
    }
}

void SECListEngine::PaintRows(SECListPaintContext* pContext)
{
    CDC* pDC = pContext->m_pDC;
    UINT nView = m_dwListStyle & ListStyle::VIEW_MASK;
    if (nView >= 2)
        return;
    CRect rcInside;
    if (pContext->m_bPrinting)
        pDC->GetClipBox(&rcInside);
    else
        GetInsideRectangle(&rcInside);
    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    int nEnd = pContext->m_bPrinting ? GetLastVisibleIndex() + 1 : GetItemCount();
    nEnd = std::min(nEnd, GetItemCount());
    int cxTotal = std::max(GetTotalWidth(FALSE), rcInside.Width());
    int y = rcInside.top;
    if (nView == ListStyle::VIEW_REPORT)
    {
        for (int i = m_nTopIndex; i < nEnd && y < rcInside.bottom; ++i)
        {
            SECListItem* pItem = m_arrItems[i];
            pContext->m_item.iItem = i;
            pContext->m_pItem = pItem;
            if (pItem->m_bDirty)
                MeasureRow(pContext);
            CRect rcRow(rcInside.left - m_nHorzOffset, y, rcInside.left - m_nHorzOffset + cxTotal,
                        y + std::max(0, pItem->m_cy) + GetRowSpacing());
            y = rcRow.bottom;
            CRect rcTest;
            if (!rcTest.IntersectRect(&rcRow, &rcClip))
                continue;
            pContext->m_rect = rcRow;
            pContext->m_item.iItem = i;
            pContext->m_pItem = pItem;
            PaintRow(pContext);
            if (pContext->m_item.mask & LVIF_DI_SETITEM)
                SetItem(&pContext->m_item, TRUE);
        }
        return;
    }
    // Icon view: cells as wide as the first column, side by side.
    int cxCell = std::max(1, GetColumnWidth(0));
    int x = rcInside.left;
    int cyLine = 0;
    for (int i = m_nTopIndex; i < nEnd && y < rcInside.bottom; ++i)
    {
        SECListItem* pItem = m_arrItems[i];
        pContext->m_item.iItem = i;
        pContext->m_pItem = pItem;
        if (pItem->m_bDirty)
            MeasureRow(pContext);
        if (x > rcInside.left && x + cxCell > rcInside.right)
        {
            x = rcInside.left;
            y += cyLine;
            cyLine = 0;
        }
        pContext->m_rect.SetRect(x, y, x + cxCell, y + std::max(0, pItem->m_cy));
        pContext->m_nColumn = 0;
        pContext->m_pColumn = GetColumnAt(0);
        pContext->m_item.iSubItem = 0;
        pContext->m_pSubItem = NULL;
        if (PrepareCell(pContext))
            DrawCell(pContext);
        cyLine = std::max(cyLine, std::max(0, pItem->m_cy));
        x += cxCell;
    }
}

void SECListEngine::PaintRow(SECListPaintContext* pContext)
{
    CRect rcRow = pContext->m_rect;
    SECListItem* pItem = pContext->m_pItem;
    int nRow = pContext->m_item.iItem;
    CDC* pDC = pContext->m_pDC;
    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    int x = rcRow.left;
    int nCols = std::max(1, GetColumnCount());
    for (int nCol = 0; nCol < nCols; ++nCol)
    {
        int cx = GetColumnWidth(nCol);
        if (GetColumnCount() <= 1)
            cx = std::max(cx, (int)pItem->m_rcLabel.right);
        CRect rcCell(x, rcRow.top, x + cx, rcRow.bottom);
        x += cx;
        CRect rcTest;
        if (!rcTest.IntersectRect(&rcCell, &rcClip))
            continue;
        pContext->m_nColumn = nCol;
        pContext->m_pColumn = GetColumnAt(nCol);
        int nSub = pContext->m_pColumn != NULL ? pContext->m_pColumn->m_iSubItem : 0;
        pContext->m_item.iItem = nRow;
        pContext->m_item.iSubItem = nSub;
        pContext->m_pItem = pItem;
        pContext->m_pSubItem = nSub > 0 ? pItem->GetSubItem(nSub) : NULL;
        pContext->m_rect = rcCell;
        if (PrepareCell(pContext))
            DrawCell(pContext);
    }
    pContext->m_rect = rcRow;
    pContext->m_item.iItem = nRow;
    if ((m_dwListStyle & ListStyle::VIEW_MASK) == ListStyle::VIEW_REPORT &&
        (m_dwListStyleEx & ListStyle::EX_FULL_ROW_SELECT) && nRow == m_nFocusIndex && HasFocusNow() &&
        GetColumnCount() > 1)
    {
        CRect rcFocus(rcRow.left + pItem->m_rcLabel.left - 3, rcRow.top, rcRow.right, rcRow.bottom);
        pDC->DrawFocusRect(&rcFocus);
    }
    if (m_dwListStyleEx & ListStyle::EX_VERT_GRID)
        DrawVertGridLines(pDC, nRow, rcRow);
    if (m_dwListStyleEx & ListStyle::EX_HORZ_GRID)
        DrawHorzGridLine(pDC, nRow, rcRow);
}

void SECListEngine::DrawCell(SECListPaintContext* pContext)
{
    pContext->m_pDC->FillSolidRect(&pContext->m_rect, pContext->m_rgbCellBk);
    if (pContext->m_item.pszText == NULL)
        return;
    if (pContext->m_item.iSubItem == 0)
        DrawImage(pContext);
    DrawLabel(pContext);
}

void SECListEngine::DrawImage(SECListPaintContext* pContext)
{
    BOOL bIconView = pContext->m_nView == ListStyle::VIEW_ICON;
    CImageList* pList = GetImageList(bIconView ? LVSIL_NORMAL : LVSIL_SMALL);
    SECListItem* pItem = pContext->m_pItem;
    if (pList == NULL || pList->GetSafeHandle() == NULL || pItem == NULL)
        return;
    LVITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = LVIF_IMAGE;
    item.iItem = pContext->m_item.iItem;
    if (!GetItem(&item, FALSE, TRUE))
        return;
    CPoint pt(pContext->m_rect.left + pItem->m_rcIcon.left, pContext->m_rect.top + pItem->m_rcIcon.top);
    if (bIconView)
        pt.x = pContext->m_rect.left + pItem->m_rcLabel.left + (pItem->m_rcLabel.Width() - 16) / 2;
    ImageList_Draw(pList->GetSafeHandle(), item.iImage, pContext->m_pDC->m_hDC, pt.x, pt.y, ILD_NORMAL);
}

void SECListEngine::DrawLabel(SECListPaintContext* pContext)
{
    CDC* pDC = pContext->m_pDC;
    const CRect& rcCell = pContext->m_rect;
    SECListItem* pItem = pContext->m_pItem;
    BOOL bFirst = pContext->m_item.iSubItem == 0;
    CRect rcLabel =
        bFirst ? pItem->m_rcLabel
               : (pContext->m_pSubItem != NULL ? pContext->m_pSubItem->m_rcLabel : CRect(6, 2, 6, 2));
    CRect rcText(rcCell.left + ListMetrics::LABEL_INSET_LEFT, rcCell.top + rcLabel.top,
                 rcCell.right - ListMetrics::LABEL_INSET_RIGHT, rcCell.top + rcLabel.bottom);
    CRect rcHigh(rcCell.left + rcLabel.left - 2, rcCell.top, rcCell.left + rcLabel.right + 2, rcCell.bottom);
    rcHigh.right = std::min(rcHigh.right, rcCell.right);
    if (bFirst && !pItem->m_rcIcon.IsRectEmpty())
    {
        const CRect& ri = pItem->m_rcIcon;
        if (pContext->m_nView == ListStyle::VIEW_ICON)
        {
            rcText = rcLabel;
            rcText.OffsetRect(rcCell.TopLeft());
            rcHigh = rcText;
            rcHigh.InflateRect(2, 0);
        }
        else
        {
            rcText.left = rcCell.left + ri.right + 4;
            rcHigh.SetRect(rcCell.left + ri.right + 2, rcCell.top + ri.top,
                           rcCell.left + ri.right + 2 + rcLabel.Width() + 4, rcCell.top + ri.bottom);
            rcHigh.bottom = std::max(rcHigh.bottom, rcCell.top + rcLabel.bottom);
        }
    }
    if (m_dwListStyleEx & ListStyle::EX_FULL_ROW_SELECT)
        rcHigh.right = rcCell.right;
    pDC->FillSolidRect(&rcHigh, pContext->m_rgbBk);
    pDC->SetTextColor(pContext->m_rgbText);
    pDC->SetBkMode(TRANSPARENT);
    UINT nFlags = DT_WORDBREAK | DT_EXPANDTABS | DT_VCENTER | DT_NOPREFIX;
    int nFormat = pContext->m_pColumn != NULL ? (pContext->m_pColumn->m_fmt & LVCFMT_JUSTIFYMASK) : 0;
    if (nFormat == LVCFMT_RIGHT)
        nFlags |= DT_RIGHT;
    else if (nFormat == LVCFMT_CENTER)
        nFlags |= DT_CENTER;
    if (m_dwListStyle & ListStyle::NO_LABEL_WRAP)
        nFlags = (nFlags & ~DT_WORDBREAK) | DT_SINGLELINE | DT_END_ELLIPSIS;
    BOOL bEditing = pContext->m_item.iItem == m_nEditRow && pContext->m_item.iSubItem == m_nEditSubItem &&
                    m_pEdit->GetSafeHwnd() != NULL;
    if (bEditing)
        return;
    pContext->SelectFont(pContext->m_hFont);
    LPCSTR pszText = pContext->m_item.pszText;
    int nLen = (int)strlen(pszText);
    if (m_dwListStyle & ListStyle::NO_LABEL_WRAP)
    {
        const char* pLF = strchr(pszText, '\n');
        if (pLF != NULL)
            nLen = (int)(pLF - pszText);
    }
    pDC->DrawText(pszText, nLen, &rcText, nFlags);
}

HPEN SECListEngine::GetGridPen()
{
    static HPEN s_hGridPen = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    return s_hGridPen;
}

void SECListEngine::DrawVertGridLines(CDC* pDC, int nRow, const CRect& rect)
{
    HGDIOBJ hOld = ::SelectObject(pDC->m_hDC, GetGridPen());
    int x = rect.left;
    int nCols = GetColumnCount();
    for (int i = 0; i < nCols; ++i)
    {
        x += m_arrColumns[i]->m_cx;
        if (i == nCols - 1 && (m_dwListStyleEx & ListStyle::EX_FIT_FIRST_COLUMN))
            break;
        ::MoveToEx(pDC->m_hDC, x - 1, rect.top, NULL);
        ::LineTo(pDC->m_hDC, x - 1, rect.bottom);
    }
    if (nRow == GetItemCount() - 1)
    {
        ::MoveToEx(pDC->m_hDC, rect.left, rect.bottom - 1, NULL);
        ::LineTo(pDC->m_hDC, rect.right, rect.bottom - 1);
    }
    ::SelectObject(pDC->m_hDC, hOld);
}

void SECListEngine::DrawHorzGridLine(CDC* pDC, int, const CRect& rect)
{
    HGDIOBJ hOld = ::SelectObject(pDC->m_hDC, GetGridPen());
    ::MoveToEx(pDC->m_hDC, rect.left, rect.bottom - 1, NULL);
    ::LineTo(pDC->m_hDC, rect.right, rect.bottom - 1);
    ::SelectObject(pDC->m_hDC, hOld);
}
