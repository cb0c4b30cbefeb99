// SECDockBar: putting bars into the rows and taking them out, and the feedback rectangle of a
// bar dragged over the dock bar.
#include "uilib/bars/ControlBar.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/common/SystemData.h"
#include <algorithm>

namespace
{
BOOL IsFixedSECBar(CControlBar* pBar)
{
    return pBar->IsKindOf(RUNTIME_CLASS(SECControlBar)) &&
           (static_cast<SECControlBar*>(pBar)->m_dwExStyle & BAR_EX_FIXED_FLOAT_SIZE) != 0;
}

void* PlaceHolderOf(CControlBar* pBar)
{
    return (void*)(UINT_PTR)LOWORD(pBar->GetDlgCtrlID());
}
} // namespace

void SECDockBar::AdoptBar(CControlBar* pBar)
{
    if (m_bFloating && (pBar->m_dwStyle & CBRS_FLOAT_MULTI))
        m_dwStyle |= CBRS_FLOAT_MULTI;
    m_dwStyle &= ~(CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC);
    m_dwStyle |= pBar->m_dwStyle & (CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC);
    if (!(m_dwStyle & CBRS_FLOAT_MULTI))
    {
        TCHAR szTitle[260 + 1] = {};
        ::GetWindowText(pBar->m_hWnd, szTitle, 260 + 1);
        SetWindowText(szTitle);
    }
    DWORD dwStyle = pBar->GetBarStyle() & ~(CBRS_ALIGN_ANY | CBRS_FLOATING);
    dwStyle |= (m_dwStyle & CBRS_ALIGN_ANY) | CBRS_BORDER_ANY;
    if (m_bFloating)
        dwStyle |= CBRS_FLOATING;
    pBar->SetBarStyle(dwStyle);
}

void SECDockBar::TakeBar(CControlBar* pBar, int nNewIndex)
{
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    CDockBar* pOld = pBar->m_pDockBar;
    if (pOld != NULL)
    {
        const int nExclude = pOld == this ? nNewIndex : -1;
        if (pOld->IsKindOf(RUNTIME_CLASS(SECDockBar)))
            static_cast<SECDockBar*>(pOld)->RemoveControlBar(pBar, nExclude, 0);
        else
            pOld->CDockBar::RemoveControlBar(pBar, nExclude, 0);
    }
    pBar->m_pDockBar = this;
}

void SECDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    CRect rect(0, 0, 0, 0);
    if (lpRect != NULL)
    {
        rect = *lpRect;
        ScreenToClient(&rect);
    }
    if (pBar->m_pDockBar == this)
    {
        if (IsFixedSECBar(pBar))
        {
            if (lpRect == NULL || rectBar == *lpRect)
                return;
        }
        else if (lpRect != NULL)
        {
            if (rectBar == *lpRect)
                return;
            // Dropping a bar just before or after itself changes nothing.
            const int nOwn = FindBar(pBar);
            CPtrArray arrSaved;
            arrSaved.Copy(m_arrBars);
            const int nWould = InsertBarAtPoint(pBar, rect, rect.CenterPoint().x, rect.CenterPoint().y);
            m_arrBars.Copy(arrSaved);
            if (nWould == nOwn || nWould == nOwn + 1)
                return;
        }
    }
    if (pBar->m_pDockBar != NULL && pBar->m_pDockBar->m_hWnd != NULL)
    {
        CRect rectOld = rectBar;
        pBar->m_pDockBar->ScreenToClient(&rectOld);
        pBar->m_pDockBar->InvalidateRect(&rectOld);
    }
    AdoptBar(pBar);
    const SECSystemData& data = SECGetSystemData();
    int nIndex;
    CPoint ptMove;
    if (lpRect == NULL)
    {
        m_arrBars.Add(pBar);
        m_arrBars.Add(NULL);
        nIndex = (int)m_arrBars.GetSize() - 2;
        ptMove = CPoint(-data.m_cxBorder, -data.m_cyBorder);
    }
    else
    {
        nIndex = InsertBarAtPoint(pBar, rect, rect.CenterPoint().x, rect.CenterPoint().y);
        ptMove = rect.TopLeft();
    }
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    pBar->SetWindowPos(NULL, ptMove.x, ptMove.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    TakeBar(pBar, nIndex);
    CDockBar::RemovePlaceHolder(pBar);
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != NULL)
        pFrame->DelayRecalcLayout();
}

void SECDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    if (pBar->m_pDockBar == this && FindBar(pBar) > 0 && (lpRect == NULL || rectBar == *lpRect))
        return;
    AdoptBar(pBar);
    int nIndex = pBar->m_hWnd != NULL ? FindBar((CControlBar*)PlaceHolderOf(pBar)) : -1;
    if (nIndex > 0)
        m_arrBars[nIndex] = pBar;
    const BOOL bVisible = (pBar->GetStyle() & WS_VISIBLE) != 0;
    const UINT nShow = bVisible ? SWP_SHOWWINDOW : 0;
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    if (lpRect == NULL)
    {
        if (nIndex <= 0)
        {
            m_arrBars.Add(pBar);
            m_arrBars.Add(NULL);
            nIndex = (int)m_arrBars.GetSize() - 2;
        }
        const SECSystemData& data = SECGetSystemData();
        pBar->SetWindowPos(NULL, -data.m_cxBorder, -data.m_cyBorder, 0, 0,
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE | nShow);
    }
    else
    {
        CRect rect(lpRect);
        ScreenToClient(&rect);
        if (nIndex <= 0)
            nIndex = InsertBarAtPoint(pBar, rect, rect.CenterPoint().x, rect.CenterPoint().y);
        pBar->SetWindowPos(NULL, rect.left, rect.top, rect.Width() + 1, rect.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE | nShow);
    }
    if (bVisible)
        pBar->DelayShow(TRUE);
    CDockBar* pOld = pBar->m_pDockBar;
    if (pOld != NULL && pOld != this)
    {
        BOOL bGone = pOld->IsKindOf(RUNTIME_CLASS(SECDockBar))
                         ? static_cast<SECDockBar*>(pOld)->RemoveControlBar(pBar, -1, 0)
                         : pOld->CDockBar::RemoveControlBar(pBar, -1, 0);
        if (!bGone && pOld->m_hWnd != NULL)
            pOld->CDockBar::RemovePlaceHolder(pBar);
    }
    else if (pOld == this && FindBar(pBar, nIndex) > 0)
        RemoveControlBar(pBar, nIndex, 0);
    pBar->m_pDockBar = this;
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != NULL)
        pFrame->DelayRecalcLayout();
    SetBarBeingDocked(pBar);
}

void SECDockBar::DockControlBarAt(CControlBar* pBar, const SECDockBarPosition& pos)
{
    AdoptBar(pBar);
    const int nIndex = InsertBarAtPosition(pBar, pos);
    TakeBar(pBar, nIndex);
    CDockBar::RemovePlaceHolder(pBar);
    const int nNow = FindBar(pBar);
    if (nNow > 0)
        NormalizeRow(GetRowStart(nNow), pBar, NULL, NULL);
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != NULL)
        pFrame->DelayRecalcLayout();
}

void SECDockBar::DockControlBarAt(CControlBar* pBar, int nColumn, int nRow)
{
    DockControlBarAt(pBar, SECDockBarPosition{nRow, nColumn, 0});
}

int SECDockBar::InsertBarAtRowColumn(CControlBar* pBar, int nColumn, int nRow)
{
    return InsertBarAtPosition(pBar, SECDockBarPosition{nRow, nColumn, 0});
}

int SECDockBar::InsertBarAtPosition(CControlBar* pBar, const SECDockBarPosition& pos)
{
    const BOOL bRowsFromEnd = (pos.nFlags & SECDockBarPosition::rowsFromEnd) != 0;
    const BOOL bColsFromEnd = (pos.nFlags & SECDockBarPosition::columnsFromEnd) != 0;
    const BOOL bNewRow = (pos.nFlags & SECDockBarPosition::newRow) != 0;
    int nIndex;
    int nSize = (int)m_arrBars.GetSize();
    BOOL bEmpty = TRUE;
    for (int i = 1; i < nSize && bEmpty; ++i)
        bEmpty = m_arrBars[i] == NULL;
    if (bEmpty)
    {
        m_arrBars.SetSize(1);
        m_arrBars.Add(pBar);
        m_arrBars.Add(NULL);
        nIndex = 1;
    }
    else if (!bRowsFromEnd && pos.nRow < 0)
    {
        // New empty rows before the first, then the bar opens the first row.
        for (int i = 0; i < -1 - pos.nRow; ++i)
            m_arrBars.InsertAt(1, (void*)NULL);
        m_arrBars.InsertAt(1, (void*)NULL);
        m_arrBars.InsertAt(1, pBar);
        nIndex = 1;
    }
    else if (bRowsFromEnd && pos.nRow > 0)
    {
        for (int i = 0; i < pos.nRow - 1; ++i)
            m_arrBars.Add(NULL);
        m_arrBars.Add(pBar);
        m_arrBars.Add(NULL);
        nIndex = (int)m_arrBars.GetSize() - 2;
    }
    else
    {
        // Row starts in order from the chosen end.
        CArray<int, int> starts;
        for (int i = 1; i < nSize; ++i)
        {
            if (m_arrBars[i] != NULL && m_arrBars[i - 1] == NULL)
                starts.Add(i);
        }
        const int nRows = (int)starts.GetSize();
        const int nWanted = bRowsFromEnd ? -pos.nRow : pos.nRow;
        if (nWanted >= nRows)
        {
            // Beyond the rows: a new row at that end.
            if (bRowsFromEnd)
            {
                m_arrBars.InsertAt(1, (void*)NULL);
                m_arrBars.InsertAt(1, pBar);
                nIndex = 1;
            }
            else
            {
                if (m_arrBars[m_arrBars.GetSize() - 1] != NULL)
                    m_arrBars.Add(NULL);
                m_arrBars.Add(pBar);
                m_arrBars.Add(NULL);
                nIndex = (int)m_arrBars.GetSize() - 2;
            }
        }
        else
        {
            const int nStart = starts[bRowsFromEnd ? nRows - 1 - nWanted : nWanted];
            const int nEnd = GetRowEnd(nStart);
            BOOL bRowEmpty = TRUE;
            for (int i = nStart; i < nEnd && bRowEmpty; ++i)
                bRowEmpty = GetDockedControlBar(i) == NULL;
            if (bNewRow || bRowEmpty || (!bColsFromEnd && pos.nColumn <= 0))
            {
                nIndex = nStart;
                m_arrBars.InsertAt(nIndex, pBar);
                if (bNewRow)
                    m_arrBars.InsertAt(nIndex + 1, (void*)NULL);
            }
            else
            {
                int nCount = 0;
                nIndex = -1;
                if (!bColsFromEnd)
                {
                    for (int i = nStart; i < nEnd && nIndex < 0; ++i)
                    {
                        CControlBar* p = GetDockedControlBar(i);
                        if (p != NULL && p->IsVisible() && nCount++ == pos.nColumn)
                            nIndex = i;
                    }
                }
                else
                {
                    for (int i = nEnd - 1; i >= nStart && nIndex < 0; --i)
                    {
                        CControlBar* p = GetDockedControlBar(i);
                        if (p != NULL && p->IsVisible() && nCount++ == pos.nColumn)
                            nIndex = i;
                    }
                }
                if (nIndex < 0)
                    nIndex = bColsFromEnd ? nStart : nEnd;
                m_arrBars.InsertAt(nIndex, pBar);
            }
        }
    }
    for (int i = nIndex; i < m_arrBars.GetSize(); ++i)
    {
        CControlBar* p = GetDockedControlBar(i);
        if (p != NULL)
            ListForRepaint(p);
    }
    return nIndex;
}

int SECDockBar::InsertBarAtPoint(CControlBar* pBar, const CRect& rectDrag, int x, int y)
{
    ListForRepaint(pBar);
    const BOOL bHorz = IsHorzDockBar();
    const int nSize = (int)m_arrBars.GetSize();
    for (int i = 0; i < nSize; ++i)
    {
        CControlBar* p = GetDockedControlBar(i);
        if (p == NULL || p == pBar)
            continue;
        CRect rect;
        p->GetWindowRect(&rect);
        ScreenToClient(&rect);
        const int nFar = bHorz ? rect.bottom : rect.right;
        const int nAcross = bHorz ? y : x;
        if (nFar < nAcross)
            continue;
        if (nAcross < (bHorz ? rect.top : rect.left))
            return InsertBarAsFirstRow(pBar);
        const int nLead = bHorz ? rectDrag.left : rectDrag.top;
        const int nMid = bHorz ? rect.CenterPoint().x : rect.CenterPoint().y;
        if (nLead < nMid || !p->IsVisible())
        {
            ListForRepaintFrom(i);
            m_arrBars.InsertAt(i, pBar);
            return i;
        }
        if (i + 1 >= nSize || !IsBarEntry(m_arrBars[i + 1]))
        {
            m_arrBars.InsertAt(i + 1, pBar);
            return i + 1;
        }
    }
    if (m_arrBars[nSize - 1] != NULL)
        m_arrBars.Add(NULL);
    m_arrBars.Add(pBar);
    m_arrBars.Add(NULL);
    m_bRepaintPending = TRUE;
    return (int)m_arrBars.GetSize() - 2;
}

BOOL SECDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, int)
{
    const int nPos = FindBar(pBar, nPosExclude);
    if (nPos <= 0)
        return FALSE;
    if (IsAloneInRow(pBar))
    {
        ListForRepaintFrom(nPos);
        m_bRepaintPending = TRUE;
    }
    const UINT nID = pBar->m_hWnd != NULL ? LOWORD(pBar->GetDlgCtrlID()) : 0;
    if (nID != 0)
    {
        m_arrBars[nPos] = (void*)(UINT_PTR)nID;
        // One placeholder per bar: a second one goes again.
        for (int i = 1; i < m_arrBars.GetSize(); ++i)
        {
            if (i != nPos && m_arrBars[i] == (void*)(UINT_PTR)nID)
            {
                m_arrBars.RemoveAt(nPos);
                break;
            }
        }
    }
    else
        m_arrBars.RemoveAt(nPos);
    // No doubled NULL left behind.
    for (int i = std::max(1, nPos - 1); i < m_arrBars.GetSize() && i <= nPos; ++i)
    {
        if (m_arrBars[i] == NULL && m_arrBars[i - 1] == NULL)
        {
            m_arrBars.RemoveAt(i);
            break;
        }
    }
    for (int i = 0; i < m_arrRepaint.GetSize(); ++i)
    {
        if (m_arrRepaint[i] == pBar)
        {
            m_arrRepaint.RemoveAt(i);
            break;
        }
    }
    if (pBar->m_pDockContext == NULL)
        return FALSE;
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame == NULL)
        return FALSE;
    if (m_bFloating && GetDockedVisibleCount() == 0)
    {
        if (GetDockedCount() != 0 || [&] {
                for (int i = 1; i < m_arrBars.GetSize(); ++i)
                    if (IsPlaceHolder(m_arrBars[i]))
                        return true;
                return false;
            }())
        {
            pFrame->ShowWindow(SW_HIDE);
            return FALSE;
        }
        pFrame->DestroyWindow();
        return TRUE;
    }
    pFrame->RecalcLayout();
    return FALSE;
}

CRect SECDockBar::CalcDockingRect(CControlBar* pBar, const CRect& rectDrag, CPoint ptCursor, int& nLastRow,
                                  CRect& rectLast, CPoint& ptLast)
{
    const BOOL bHorz = IsHorzDockBar();
    const SECSystemData& data = SECGetSystemData();
    CRect rectClient;
    GetClientRect(&rectClient);
    CRect rectDragClient = rectDrag;
    ScreenToClient(&rectDragClient);
    const int nCentre = bHorz ? rectDragClient.CenterPoint().y : rectDragClient.CenterPoint().x;

    // Find the row under the centre of the drag rectangle.
    int nRow = 0, nFound = -1, nFoundStart = -1, nEdge = 0;
    const int nSize = (int)m_arrBars.GetSize();
    for (int nStart = 1; nStart < nSize && nFound < 0;)
    {
        const int nEnd = GetRowEnd(nStart);
        int nThick = -1;
        for (int i = nStart; i < nEnd; ++i)
        {
            CControlBar* p = GetDockedControlBar(i);
            if (p == NULL || !p->IsVisible())
                continue;
            CRect rect;
            p->GetWindowRect(&rect);
            nThick = std::max<int>(nThick, (bHorz ? rect.Height() : rect.Width()) -
                                               (bHorz ? data.m_cyBorder : data.m_cxBorder));
        }
        if (nThick >= 0)
        {
            nEdge += nThick;
            if (nEdge > nCentre)
            {
                nFound = nRow;
                nFoundStart = nStart;
            }
            ++nRow;
        }
        nStart = nEnd + 1;
    }
    if (nFound < 0)
        nFound = nRow; // a new row after the last

    BOOL bOthers = FALSE, bSelfInRow = FALSE;
    float fSum = 0.0f;
    int nThickness = bHorz ? rectDrag.Height() : rectDrag.Width();
    if (nFoundStart >= 0)
    {
        for (int i = nFoundStart; i < GetRowEnd(nFoundStart); ++i)
        {
            CControlBar* p = GetDockedControlBar(i);
            if (p == NULL)
                continue;
            if (p == pBar)
            {
                bSelfInRow = TRUE;
                continue;
            }
            if (!p->IsVisible())
                continue;
            bOthers = TRUE;
            CRect rect;
            p->GetWindowRect(&rect);
            nThickness = std::max<int>(nThickness, bHorz ? rect.Height() : rect.Width());
            if (p->IsKindOf(RUNTIME_CLASS(SECControlBar)))
                fSum += static_cast<SECControlBar*>(p)->m_fPctWidth;
        }
    }
    CRect rectResult = rectDrag;
    if (bOthers && nFound == nLastRow && !rectLast.IsRectEmpty())
    {
        rectResult = rectLast;
        rectResult.OffsetRect(ptCursor - ptLast);
    }
    else if (bSelfInRow)
        rectResult = rectDrag;
    else if (!IsFixedSECBar(pBar))
    {
        const int nLength = bHorz ? rectClient.Width() : rectClient.Height();
        int nExtent = -1;
        if (!bOthers)
            nExtent = nLength;
        else if (fSum > 0.0f && pBar->IsKindOf(RUNTIME_CLASS(SECControlBar)))
        {
            const float fOwn = static_cast<SECControlBar*>(pBar)->m_fPctWidth;
            nExtent = (int)(fOwn / (fSum + fOwn) * (float)nLength);
        }
        if (nExtent >= 0)
        {
            // Shrink (or grow) around the cursor, keeping its relative place.
            auto fit = [](LONG& nNear, LONG& nFar, int nCursor, int nNew) {
                const int nOld = nFar - nNear;
                const double r = nOld > 0 ? (double)(nCursor - nNear) / nOld : 0.0;
                const int nChange = nOld - nNew;
                nNear += (LONG)(r * nChange);
                nFar -= (LONG)((1.0 - r) * nChange);
            };
            if (bHorz)
            {
                fit(rectResult.left, rectResult.right, ptCursor.x, nExtent);
                if (bOthers)
                    fit(rectResult.top, rectResult.bottom, ptCursor.y, nThickness);
            }
            else
            {
                fit(rectResult.top, rectResult.bottom, ptCursor.y, nExtent);
                if (bOthers)
                    fit(rectResult.left, rectResult.right, ptCursor.x, nThickness);
            }
        }
    }
    nLastRow = nFound;
    rectLast = rectResult;
    ptLast = ptCursor;
    return rectResult;
}
