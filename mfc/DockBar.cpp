// Dock bars: rows of docked bars along a frame side, docking and undocking, placeholders that
// keep a floating bar's old place, and the saved form of the rows.
#include "DockBar.h"
#include "ControlBarInfo.h"
#include "DC.h"
#include "DockContext.h"
#include "FrameWnd.h"
#include "WindowDC.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
ON_WM_NCPAINT()
ON_WM_NCCALCSIZE()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating), m_bLayoutQuery(FALSE)
{
    m_bAutoDelete = TRUE;
    m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
    m_arrBars.Add(NULL);
}

CDockBar::~CDockBar()
{
    // Bars still docked here lose their dock bar with it.
    for (int i = 0; i < m_arrBars.GetSize(); i++)
    {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar != NULL && pBar->m_pDockBar == this)
            pBar->m_pDockBar = NULL;
    }
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    if (!AfxDeferRegisterClass(AFX_WNDCONTROLBAR_REG))
        return FALSE;
    DWORD dwWndStyle = dwStyle & ~CBRS_ALL;
    return CWnd::Create(_afxWndControlBar, NULL, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

// ---- queries

CControlBar* CDockBar::GetDockedControlBar(int nPos) const
{
    void* p = m_arrBars[nPos];
    return (p == NULL || IsPlaceHolder(p)) ? NULL : (CControlBar*)p;
}

int CDockBar::FindBar(CControlBar* pBar, int nPosExclude) const
{
    for (int i = 0; i < m_arrBars.GetSize(); i++)
    {
        if (i != nPosExclude && m_arrBars[i] == pBar)
            return i;
    }
    return -1;
}

int CDockBar::GetDockedCount() const
{
    int nCount = 0;
    for (int i = 0; i < m_arrBars.GetSize(); i++)
    {
        if (GetDockedControlBar(i) != NULL)
            nCount++;
    }
    return nCount;
}

int CDockBar::GetDockedVisibleCount() const
{
    int nCount = 0;
    for (int i = 0; i < m_arrBars.GetSize(); i++)
    {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar != NULL && pBar->IsVisible())
            nCount++;
    }
    return nCount;
}

// ---- docking

void CDockBar::PrepareBar(CControlBar* pBar)
{
    // A floating frame of several bars says so in its style; its caption is that of its one bar.
    if (m_bFloating && (pBar->m_dwDockStyle & CBRS_FLOAT_MULTI))
        m_dwStyle |= CBRS_FLOAT_MULTI;
    m_dwStyle &= ~(CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC);
    m_dwStyle |= pBar->m_dwStyle & (CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC);
    if (!(m_dwStyle & CBRS_FLOAT_MULTI))
    {
        CString strTitle;
        pBar->GetWindowText(strTitle);
        SetWindowText(strTitle);
    }
    DWORD dwStyle = pBar->GetBarStyle();
    dwStyle &= ~CBRS_ALIGN_ANY;
    dwStyle |= (m_dwStyle & CBRS_ALIGN_ANY) | CBRS_BORDER_ANY;
    if (m_bFloating)
        dwStyle |= CBRS_FLOATING;
    else
        dwStyle &= ~CBRS_FLOATING;
    pBar->SetBarStyle(dwStyle);
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    if (pBar->m_pDockBar == this && (lpRect == NULL || rectBar == *lpRect))
        return; // already there
    PrepareBar(pBar);
    // Hidden while it changes parents, so it does not flash at a wrong place.
    BOOL bShow = FALSE;
    if (pBar->m_pDockBar != this && pBar->IsWindowVisible())
    {
        pBar->SetWindowPos(NULL, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        bShow = TRUE;
    }
    int nPos = -1;
    if (lpRect != NULL)
    {
        CRect rect(lpRect);
        ScreenToClient(&rect);
        CPoint ptMid(rect.left + rect.Width() / 2, rect.top + rect.Height() / 2);
        nPos = Insert(pBar, rect, ptMid);
        pBar->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }
    else
    {
        // A new row of its own at the end.
        m_arrBars.Add(pBar);
        m_arrBars.Add(NULL);
        pBar->SetWindowPos(NULL, -AFX_CX_BORDER2, -AFX_CY_BORDER2, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    if (pBar->m_pDockBar == this)
        RemoveControlBar(pBar, nPos);
    else if (pBar->m_pDockBar != NULL)
        pBar->m_pDockBar->RemoveControlBar(pBar, -1, m_bFloating && !pBar->m_pDockBar->m_bFloating ? 1 : 0);
    pBar->m_pDockBar = this;
    if (bShow)
        pBar->SetWindowPos(NULL, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RemovePlaceHolder(pBar);
    CFrameWnd* pFrameWnd = GetDockingFrame();
    if (pFrameWnd != NULL)
        pFrameWnd->DelayRecalcLayout();
}

void CDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    if (pBar->m_pDockBar == this && (lpRect == NULL || rectBar == *lpRect))
        return;
    PrepareBar(pBar);
    BOOL bShow = FALSE;
    if (pBar->m_pDockBar != this && pBar->IsWindowVisible())
    {
        pBar->SetWindowPos(NULL, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        bShow = TRUE;
    }
    // Back at its placeholder when it has one: the same row, the same order.
    int nPos = FindBar((CControlBar*)(UINT_PTR)LOWORD(pBar->GetDlgCtrlID()));
    if (nPos > 0)
        m_arrBars[nPos] = pBar;
    if (lpRect != NULL)
    {
        CRect rect(lpRect);
        ScreenToClient(&rect);
        if (nPos <= 0)
        {
            CPoint ptMid(rect.left + rect.Width() / 2, rect.top + rect.Height() / 2);
            nPos = Insert(pBar, rect, ptMid);
        }
        pBar->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }
    else if (nPos <= 0)
    {
        m_arrBars.Add(pBar);
        m_arrBars.Add(NULL);
        nPos = (int)m_arrBars.GetSize() - 2;
        pBar->SetWindowPos(NULL, -AFX_CX_BORDER2, -AFX_CY_BORDER2, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    if (pBar->m_pDockBar == this)
        RemoveControlBar(pBar, nPos);
    else if (pBar->m_pDockBar != NULL)
        pBar->m_pDockBar->RemoveControlBar(pBar);
    pBar->m_pDockBar = this;
    if (bShow)
        pBar->SetWindowPos(NULL, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RemovePlaceHolder(pBar);
    CFrameWnd* pFrameWnd = GetDockingFrame();
    if (pFrameWnd != NULL)
        pFrameWnd->DelayRecalcLayout();
}

int CDockBar::Insert(CControlBar* pBarIns, CRect rect, CPoint ptMid)
{
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    int nPosInsAfter = 0;
    int nThickness = 0;
    int nTotal = 0;
    for (int nPos = 0; nPos < m_arrBars.GetSize(); nPos++)
    {
        CControlBar* pBar = GetDockedControlBar(nPos);
        if (pBar != NULL && pBar->IsVisible())
        {
            CRect rectBar;
            pBar->GetWindowRect(&rectBar);
            ScreenToClient(&rectBar);
            nThickness = std::max<LONG>(nThickness, bHorz ? rectBar.Height() : rectBar.Width() - 1);
            if (bHorz ? rect.left > rectBar.left : rect.top > rectBar.top)
                nPosInsAfter = nPos;
        }
        else if (m_arrBars[nPos] == NULL)
        {
            // The end of a row: the bar goes into it when its middle lies within the rows so far.
            nTotal += nThickness - AFX_CY_BORDER2;
            nThickness = 0;
            if ((bHorz ? ptMid.y : ptMid.x) < nTotal)
            {
                if (nPos == 0)
                    m_arrBars.InsertAt(nPosInsAfter + 1, (void*)NULL);
                m_arrBars.InsertAt(nPosInsAfter + 1, pBarIns);
                return nPosInsAfter + 1;
            }
            nPosInsAfter = nPos;
        }
    }
    // Beyond every row: a new one at the end.
    m_arrBars.InsertAt(nPosInsAfter + 1, (void*)NULL);
    m_arrBars.InsertAt(nPosInsAfter + 1, pBarIns);
    return nPosInsAfter + 1;
}

// Removes the entry at nPos and the row end that follows when the row is empty now.
static void RemoveEntry(CPtrArray& arr, int nPos)
{
    arr.RemoveAt(nPos);
    if (nPos > 0 && nPos < arr.GetSize() && arr[nPos - 1] == NULL && arr[nPos] == NULL)
        arr.RemoveAt(nPos);
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, int nAddPlaceHolder)
{
    int nPos = FindBar(pBar, nPosExclude);
    if (nPos <= 0)
        return FALSE;
    if (nAddPlaceHolder == 1)
    {
        void* pPlaceHolder = (void*)(UINT_PTR)LOWORD(pBar->GetDlgCtrlID());
        m_arrBars[nPos] = pPlaceHolder;
        // One placeholder per bar is enough.
        int nOld = FindBar((CControlBar*)pPlaceHolder, nPos);
        if (nOld > 0)
            RemoveEntry(m_arrBars, nPos);
    }
    else
    {
        RemoveEntry(m_arrBars, nPos);
        if (nAddPlaceHolder == -1)
            RemovePlaceHolder(pBar);
    }
    // While the bar is being destroyed nothing more is laid out.
    if (pBar->m_pDockContext == NULL)
        return FALSE;
    CFrameWnd* pFrameWnd = GetDockingFrame();
    if (pFrameWnd == NULL)
        return FALSE;
    if (m_bFloating && GetDockedVisibleCount() == 0)
    {
        if (GetDockedCount() == 0)
        {
            pFrameWnd->DestroyWindow(); // the floating frame has nothing left to hold
            return TRUE;
        }
        pFrameWnd->ShowWindow(SW_HIDE);
    }
    else
        pFrameWnd->DelayRecalcLayout();
    return FALSE;
}

void CDockBar::RemovePlaceHolder(CControlBar* pBar)
{
    if (pBar->m_hWnd == NULL)
        return;
    int nPos = FindBar((CControlBar*)(UINT_PTR)LOWORD(pBar->GetDlgCtrlID()));
    if (nPos > 0)
        RemoveEntry(m_arrBars, nPos);
}

void CDockBar::ShowAll(BOOL bShow)
{
    for (int i = 0; i < m_arrBars.GetSize(); i++)
    {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar == NULL)
            continue;
        CFrameWnd* pFrameWnd = pBar->GetDockingFrame();
        if (pFrameWnd != NULL)
            pFrameWnd->ShowControlBar(pBar, bShow, TRUE);
    }
}

// ---- layout

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    BOOL bLayoutQuery = m_bLayoutQuery;
    CRect rectLayout = m_rectLayout;
    m_bLayoutQuery = lpLayout->hDWP == NULL;
    m_rectLayout = lpLayout->rect;
    LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
    m_bLayoutQuery = bLayoutQuery;
    m_rectLayout = rectLayout;
    return lResult;
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize sizeFixed = CControlBar::CalcFixedLayout(bStretch, bHorz);
    CSize sizeMax;
    if (!m_rectLayout.IsRectEmpty())
        sizeMax = m_rectLayout.Size();
    else
    {
        CRect rectFrame;
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL)
            pFrame->GetClientRect(&rectFrame);
        sizeMax = rectFrame.Size();
    }

    AFX_SIZEPARENTPARAMS layout = {};
    layout.hDWP = m_bLayoutQuery ? NULL : ::BeginDeferWindowPos((int)m_arrBars.GetSize());
    // Bars start one border outside, so neighbouring borders overlap and the outer ones are hidden.
    CPoint pt(-AFX_CX_BORDER2, -AFX_CY_BORDER2);
    int nThickness = 0;
    BOOL bWrapped = FALSE;
    for (int nPos = 0; nPos < m_arrBars.GetSize(); nPos++)
    {
        CControlBar* pBar = GetDockedControlBar(nPos);
        void* pEntry = m_arrBars[nPos];
        if (pBar != NULL)
        {
            if (pBar->IsVisible())
            {
                DWORD dwMode = 0;
                if ((pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) && (pBar->m_dwStyle & CBRS_FLOATING))
                    dwMode = LM_HORZ | LM_MRUWIDTH;
                else if (pBar->m_dwStyle & CBRS_ORIENT_HORZ)
                    dwMode = LM_HORZ | LM_HORZDOCK;
                else
                    dwMode = LM_VERTDOCK;
                CSize sizeBar = pBar->CalcDynamicLayout(-1, dwMode);
                CRect rect(pt, sizeBar);
                CRect rectBar;
                pBar->GetWindowRect(&rectBar);
                ScreenToClient(&rectBar);
                // Along the row a bar keeps a place further on than its packed one, is pulled
                // back so it ends inside, and goes to a new row when it would start beyond the end.
                int nAlong = bHorz ? rect.left : rect.top;
                int nCurrent = bHorz ? rectBar.left : rectBar.top;
                int nMax = bHorz ? sizeMax.cx : sizeMax.cy;
                int nLength = bHorz ? rect.Width() : rect.Height();
                int nBorder = bHorz ? AFX_CX_BORDER2 : AFX_CY_BORDER2;
                if (nCurrent > nAlong && !m_bFloating)
                    nAlong = nCurrent;
                if (nAlong + nLength > nMax && !m_bFloating)
                    nAlong = std::max<LONG>(nMax - (nLength - nBorder), bHorz ? pt.x : pt.y);
                if (bWrapped)
                {
                    bWrapped = FALSE;
                    nAlong = -nBorder;
                }
                else if (nAlong >= nMax - nBorder && nPos > 0 && m_arrBars[nPos - 1] != NULL)
                {
                    m_arrBars.InsertAt(nPos, (void*)NULL);
                    pBar = NULL;
                    pEntry = NULL;
                    bWrapped = TRUE;
                }
                if (!bWrapped)
                {
                    if (bHorz)
                        rect.OffsetRect(nAlong - rect.left, 0);
                    else
                        rect.OffsetRect(0, nAlong - rect.top);
                    if (rect != rectBar)
                    {
                        if (!m_bLayoutQuery && !(pBar->m_dwStyle & CBRS_FLOATING) &&
                            pBar->m_pDockContext != NULL)
                            pBar->m_pDockContext->m_rectMRUDockPos = rect;
                        if (layout.hDWP != NULL)
                            AfxRepositionWindow(&layout, pBar->m_hWnd, &rect);
                    }
                    if (bHorz)
                    {
                        pt.x = rect.left + sizeBar.cx - AFX_CX_BORDER2;
                        nThickness = std::max<LONG>(nThickness, sizeBar.cy);
                    }
                    else
                    {
                        pt.y = rect.top + sizeBar.cy - AFX_CY_BORDER2;
                        nThickness = std::max<LONG>(nThickness, sizeBar.cx);
                    }
                }
            }
            if (!bWrapped && pBar != NULL)
                pBar->RecalcDelayShow(&layout);
        }
        if (pBar == NULL && pEntry == NULL && nThickness != 0)
        {
            // End of a row: the next one starts below (or beside) it, borders overlapping.
            if (bHorz)
            {
                pt.y += nThickness - AFX_CY_BORDER2;
                sizeFixed.cx = std::max<LONG>(sizeFixed.cx, pt.x);
                sizeFixed.cy = std::max<LONG>(sizeFixed.cy, pt.y);
                pt.x = -AFX_CX_BORDER2;
            }
            else
            {
                pt.x += nThickness - AFX_CX_BORDER2;
                sizeFixed.cx = std::max<LONG>(sizeFixed.cx, pt.x);
                sizeFixed.cy = std::max<LONG>(sizeFixed.cy, pt.y);
                pt.y = -AFX_CY_BORDER2;
            }
            nThickness = 0;
        }
    }
    if (layout.hDWP != NULL)
        ::EndDeferWindowPos(layout.hDWP);

    // The dock bar's own borders come on top of its rows.
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, bHorz);
    if ((!bStretch || !bHorz) && sizeFixed.cx != 0)
        sizeFixed.cx += rect.left - rect.right;
    if ((!bStretch || bHorz) && sizeFixed.cy != 0)
        sizeFixed.cy += rect.top - rect.bottom;
    return sizeFixed;
}

// ---- painting: the borders lie in the non-client area

void CDockBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
}

void CDockBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectWindow;
    PaintNonClient(&dc, rectWindow);
}

BOOL CDockBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CDockBar::DoPaint(CDC*)
{
}

// ---- saved state

void CDockBar::GetBarInfo(CControlBarInfo* pInfo)
{
    pInfo->m_bDockBar = TRUE;
    pInfo->m_bFloating = m_bFloating;
    pInfo->m_nBarID = (UINT)LOWORD(GetDlgCtrlID());
    pInfo->m_pBar = this;
    pInfo->m_bVisible = IsVisible();
    if (m_bFloating)
    {
        // Where the floating frame's client area starts, on the screen.
        CRect rect;
        GetWindowRect(&rect);
        pInfo->m_pointPos = rect.TopLeft();
        pInfo->m_bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
        pInfo->m_bVisible = GetParent()->IsWindowVisible();
    }
    pInfo->m_arrBarID.RemoveAll();
    // Entry 0 is always NULL and not saved; placeholders carry 0x10000 above their id.
    for (int i = 1; i < m_arrBars.GetSize(); i++)
    {
        void* pEntry = m_arrBars[i];
        UINT_PTR nID = 0;
        if (IsPlaceHolder(pEntry))
            nID = (UINT_PTR)pEntry | 0x10000;
        else if (pEntry != NULL && ((CControlBar*)pEntry)->m_hWnd != NULL)
            nID = (UINT_PTR)LOWORD(((CControlBar*)pEntry)->GetDlgCtrlID());
        pInfo->m_arrBarID.Add((void*)nID);
    }
}

void CDockBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd)
{
    // Bars named here that sit in this dock bar already are placed anew.
    for (int i = 0; i < pInfo->m_arrBarID.GetSize(); i++)
    {
        UINT_PTR nID = (UINT_PTR)pInfo->m_arrBarID[i];
        if (nID == 0 || (nID & 0x10000))
            continue;
        CControlBar* pBar = pFrameWnd->GetControlBar((UINT)nID);
        int nPos = pBar != NULL ? FindBar(pBar) : -1;
        if (nPos > 0)
            RemoveEntry(m_arrBars, nPos);
    }
    if (m_arrBars[m_arrBars.GetSize() - 1] != NULL)
        m_arrBars.Add(NULL);
    for (int i = 0; i < pInfo->m_arrBarID.GetSize(); i++)
    {
        UINT_PTR nID = (UINT_PTR)pInfo->m_arrBarID[i];
        if (nID == 0)
        {
            if (m_arrBars[m_arrBars.GetSize() - 1] != NULL)
                m_arrBars.Add(NULL);
            continue;
        }
        if (nID & 0x10000)
        {
            void* pPlaceHolder = (void*)(nID & 0xFFFF);
            if (FindBar((CControlBar*)pPlaceHolder) < 0)
                m_arrBars.Add(pPlaceHolder);
            continue;
        }
        CControlBar* pBar = pFrameWnd->GetControlBar((UINT)nID);
        if (pBar == NULL || pBar->IsDockBar() || FindBar(pBar) > 0)
            continue; // no such bar any more, or named twice
        // Moved here first: a floating frame left empty goes, with the windows still in it.
        if (pBar->GetParent() != this)
            pBar->SetParent(this);
        if (pBar->m_pDockBar != NULL && pBar->m_pDockBar != this)
            pBar->m_pDockBar->RemoveControlBar(pBar);
        PrepareBar(pBar);
        m_arrBars.Add(pBar);
        pBar->m_pDockBar = this;
    }
    if (m_arrBars[m_arrBars.GetSize() - 1] != NULL)
        m_arrBars.Add(NULL);
    if (!m_bFloating)
        CControlBar::SetBarInfo(pInfo, pFrameWnd);
    else
    {
        m_nStateFlags &= ~(delayHide | delayShow);
        m_nMRUWidth = pInfo->m_nMRUWidth;
    }
}
