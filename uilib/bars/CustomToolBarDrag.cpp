// SECCustomToolBar: dragging a button with the mouse and dropping it on a toolbar.
#include "uilib/bars/CustomToolBar.h"
#include "uilib/bars/ToolBarManager.h"
#include "mfc/FrameWnd.h"
#include "mfc/MiniDockFrameWnd.h"
#include "uilib/frames/docking/DockSite.h"
#include <algorithm>

namespace
{
// Cursor of a drag that copies the button.
const UINT kCopyCursor = 20691;
// A nudge of less than this within the button's own place changes nothing.
const int kNudge = 2;
// Frame style of a floating toolbar, for the place of a new one.
const DWORD kFloatStyle = 0x80CC0000;
const DWORD kFloatExStyle = 0x180;
} // namespace

BOOL SECCustomToolBar::IsCopyDrag() const
{
    return ::GetKeyState(VK_CONTROL) < 0;
}

BOOL SECCustomToolBar::AcceptsDrop() const
{
    return TRUE;
}

SECToolBarRectTracker::SECToolBarRectTracker(LPCRECT lpRect)
    : CRectTracker(lpRect, CRectTracker::hatchedBorder)
{
}

BOOL SECToolBarRectTracker::TrackButton(CWnd* pWnd, CPoint point, CRect& rectScreen)
{
    // Drawn on the desktop so that the rectangle may leave the toolbar.
    if (!Track(pWnd, point, FALSE, CWnd::GetDesktopWindow()))
        return FALSE;
    rectScreen = m_rect;
    rectScreen.NormalizeRect();
    pWnd->ClientToScreen(&rectScreen);
    return TRUE;
}

SECCustomToolBar* SECCustomToolBar::FindDropTarget(const CRect& rect) const
{
    SECToolBarManager* pManager = GetManager();
    SECCustomToolBar* pTarget = pManager != NULL ? pManager->FindToolBarAt(rect) : NULL;
    if (pTarget != NULL)
        return pTarget;
    // A custom toolbar (or a floating frame holding one) under a corner of the rectangle.
    const CPoint corners[] = {rect.TopLeft(), CPoint(rect.right - 1, rect.top),
                              CPoint(rect.left, rect.bottom - 1), CPoint(rect.right - 1, rect.bottom - 1)};
    for (const CPoint& pt : corners)
    {
        CWnd* pWnd = CWnd::FromHandle(::WindowFromPoint(pt));
        for (; pWnd != NULL; pWnd = pWnd->GetParent())
        {
            if (pWnd->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)))
                return static_cast<SECCustomToolBar*>(pWnd);
            if (pWnd->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
            {
                for (CWnd* pChild = pWnd->GetWindow(GW_CHILD); pChild != NULL;
                     pChild = pChild->GetWindow(GW_HWNDNEXT))
                    for (CWnd* pBar = pChild->GetWindow(GW_CHILD); pBar != NULL;
                         pBar = pBar->GetWindow(GW_HWNDNEXT))
                        if (pBar->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)))
                            return static_cast<SECCustomToolBar*>(pBar);
                break;
            }
        }
    }
    return NULL;
}

void SECCustomToolBar::DragButton(int nIndex, CPoint point)
{
    SECStdBtn* pBtn = GetButton(nIndex);
    if (pBtn == NULL)
        return;
    SECToolBarState& state = SECGetToolBarState();
    StopHotTracking();
    SelectButton(nIndex, TRUE);
    UpdateWindow();
    const BOOL bCopy = IsCopyDrag();
    HCURSOR hOldCursor = NULL;
    if (bCopy)
    {
        HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(kCopyCursor), RT_GROUP_CURSOR);
        HCURSOR hCopy = ::LoadCursor(hInst, MAKEINTRESOURCE(kCopyCursor));
        if (hCopy != NULL)
            hOldCursor = ::SetCursor(hCopy);
    }
    state.bDragInProgress = TRUE;
    state.bAltDrag = !m_bCustomise;
    SECToolBarRectTracker tracker(pBtn->GetRect());
    CRect rect;
    const BOOL bTracked = tracker.TrackButton(this, point, rect);
    state.bDragInProgress = FALSE;
    if (hOldCursor != NULL)
        ::SetCursor(hOldCursor);
    if (!bTracked)
    {
        state.bAltDrag = FALSE;
        return;
    }
    DropDraggedButton(pBtn, nIndex, rect, bCopy);
}

void SECCustomToolBar::DropDraggedButton(SECStdBtn* pBtn, int nIndex, const CRect& rect, BOOL bCopy)
{
    SECToolBarState& state = SECGetToolBarState();
    SECCustomToolBar* pTarget = FindDropTarget(rect);
    if (pTarget != NULL)
    {
        if (pTarget->AcceptsDrop())
            pTarget->DropButton(rect, pBtn, bCopy);
        state.bAltDrag = FALSE;
        return;
    }
    state.bAltDrag = FALSE;
    SECToolBarManager* pManager = GetManager();
    CWnd* pDialog = pManager != NULL ? pManager->GetCustomiseDialog() : NULL;
    CRect rcDialog, rcMeet;
    if (pDialog != NULL && ::IsWindow(pDialog->m_hWnd))
    {
        pDialog->GetWindowRect(&rcDialog);
        if (rcMeet.IntersectRect(&rcDialog, &rect))
            return;
    }
    if (!bCopy)
    {
        // Dragged off every toolbar: the button goes.
        RemoveButton(nIndex);
        return;
    }
    // A copy dropped on nothing starts a user toolbar of its own; without a free id nothing is
    // made and this toolbar keeps its button.
    SECCustomToolBar* pNew = pManager != NULL ? pManager->CreateUserToolBar(NULL) : NULL;
    if (pNew == NULL)
        return;
    const UINT nID = pBtn->m_nID;
    pNew->SetButtons(&nID, 1);
    pNew->SelectButton(0, FALSE);
    FloatNewToolBar(pNew, rect.TopLeft());
}

void SECCustomToolBar::FloatNewToolBar(SECCustomToolBar* pBar, CPoint ptDrop)
{
    CFrameWnd* pFrame = pBar->GetDockingFrame();
    if (pFrame == NULL)
        return;
    // The bar's client origin at the drop point.
    CRect rcFrame(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rcFrame, kFloatStyle, FALSE, kFloatExStyle);
    CPoint point = ptDrop;
    point.Offset(rcFrame.left, rcFrame.top);
    point.Offset(-pBar->m_cxLeftBorder, -pBar->m_cyTopBorder);
    point.Offset(-::GetSystemMetrics(SM_CXBORDER), -::GetSystemMetrics(SM_CYBORDER));
    // A library frame floats through its own operation (its dock bars are the library's).
    SECDockSite* pSite = SECGetDockSite(pFrame);
    if (pSite != NULL)
        pSite->FloatControlBar(pBar, point, CBRS_ALIGN_TOP);
    else
        pFrame->FloatControlBar(pBar, point, CBRS_ALIGN_TOP);
    // The floating frame's borders may differ from those reckoned with: the bar's client origin
    // is put at the drop point exactly.
    CFrameWnd* pMiniFrame = pBar->GetParentFrame();
    if (pMiniFrame == NULL || pMiniFrame == pFrame)
        return;
    CPoint ptOrigin(0, 0);
    pBar->ClientToScreen(&ptOrigin);
    if (ptOrigin == ptDrop)
        return;
    CRect rect;
    pMiniFrame->GetWindowRect(&rect);
    rect.OffsetRect(ptDrop - ptOrigin);
    pMiniFrame->SetWindowPos(NULL, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL SECCustomToolBar::DropButton(CRect rect, SECStdBtn* pBtn, BOOL bCopy, BOOL bBatch)
{
    SECCustomToolBar* pSource = pBtn->m_pToolBar;
    const int nSourceIndex = pSource != NULL ? pSource->IndexOfButton(pBtn) : -1;
    const BOOL bSame = pSource == this;
    const UINT nID = pBtn->m_nID;
    const BOOL bSelect = !SECGetToolBarState().bAltDrag;
    ScreenToClient(&rect);
    CRect rcInside;
    GetClientRect(&rcInside);
    CalcInsideRect(rcInside, (m_dwVertBits & CBRS_ORIENT_VERT) == 0);

    // Nudged within its own place: separators come and go.
    if (bSame && !bCopy && nSourceIndex >= 0)
    {
        CRect rcMeet;
        const CRect rcOld = pBtn->GetRect();
        if (rcMeet.IntersectRect(&rect, &rcOld))
        {
            const int dx = rect.left - pBtn->m_x;
            const int n = GetBtnCount();
            auto isSep = [this](int i) { return m_btns[(size_t)i]->HasStyle(TBBS_SEPARATOR); };
            if (dx >= kNudge)
            {
                if (nSourceIndex > 0 && !isSep(nSourceIndex - 1))
                    InsertButton(nSourceIndex, 0, TRUE, TRUE);
                else if (nSourceIndex + 1 < n && isSep(nSourceIndex + 1))
                    RemoveButton(nSourceIndex + 1, TRUE);
            }
            else if (dx <= -kNudge)
            {
                if (nSourceIndex > 0 && isSep(nSourceIndex - 1))
                    RemoveButton(nSourceIndex - 1, TRUE);
                else if (nSourceIndex + 1 < n && !isSep(nSourceIndex + 1))
                    InsertButton(nSourceIndex + 1, 0, TRUE, TRUE);
            }
            else
                return TRUE;
            if (!bBatch)
                SizeToParent();
            return TRUE;
        }
    }

    // Where it goes: before anchor (NULL: at the end); a separator the button replaces; a new
    // separator after (above the bar) or before (below it) the button.
    SECStdBtn* pAnchor = NULL;
    SECStdBtn* pReplacedSep = NULL;
    int nNewSep = 0; // 1: separator after the button, -1: before it
    const std::vector<int> visible = [this] {
        std::vector<int> v;
        for (int i = 0; i < GetBtnCount(); i++)
            if (!m_btns[(size_t)i]->HasStyle(TBBS_HIDDEN))
                v.push_back(i);
        return v;
    }();
    if (rect.bottom <= rcInside.top || visible.empty())
    {
        pAnchor = m_btns.empty() ? NULL : m_btns.front();
        nNewSep = visible.empty() ? 0 : 1;
    }
    else if (rect.top >= rcInside.bottom)
        nNewSep = -1;
    else
    {
        // The row holding the rectangle's vertical middle.
        const int yMiddle = (rect.top + rect.bottom) / 2;
        const int nGap = m_nSepWidth * 2 / 3;
        int yRow = rcInside.top;
        size_t nFirst = 0, nEnd = 0;
        for (size_t nPos = 0; nPos < visible.size();)
        {
            size_t nLast = nPos;
            while (nLast + 1 < visible.size() && !m_btns[(size_t)visible[nLast]]->HasStyle(TBBS_WRAPPED))
                nLast++;
            int cyRow = 0;
            for (size_t i = nPos; i <= nLast; i++)
                if (!m_btns[(size_t)visible[i]]->HasStyle(TBBS_SEPARATOR))
                    cyRow = std::max(cyRow, m_btns[(size_t)visible[i]]->m_cy);
            const BOOL bSepEnd =
                m_btns[(size_t)visible[nLast]]->HasStyle(TBBS_SEPARATOR) && nLast + 1 < visible.size();
            nFirst = nPos;
            nEnd = nLast;
            yRow += cyRow + (bSepEnd ? nGap : 0);
            if (yMiddle < yRow)
                break;
            nPos = nLast + 1;
        }
        // Trailing separators of the row are no insertion points.
        size_t nContentEnd = nEnd;
        while (nContentEnd > nFirst && m_btns[(size_t)visible[nContentEnd]]->HasStyle(TBBS_SEPARATOR))
            nContentEnd--;
        int nInsert = visible[nContentEnd] + 1;
        int x = rcInside.left;
        for (size_t i = nFirst; i <= nContentEnd; i++)
        {
            x += m_btns[(size_t)visible[i]]->m_cx;
            if (x > rect.left)
            {
                nInsert = visible[i] + 1;
                break;
            }
        }
        if (bSame && !bCopy && (nInsert == nSourceIndex || nInsert == nSourceIndex + 1))
            return TRUE;
        pAnchor = GetButton(nInsert);
        if (pAnchor != NULL && pAnchor->HasStyle(TBBS_SEPARATOR) && !pAnchor->HasStyle(TBBS_WRAPPED) &&
            pAnchor->m_x > rect.left + 1 && pAnchor->m_x + pAnchor->m_cx < rect.right + 1)
        {
            pReplacedSep = pAnchor;
            pAnchor = GetButton(nInsert + 1);
        }
    }

    // A move leaves its source first.
    if (!bCopy && nSourceIndex >= 0)
    {
        if (bSame)
        {
            if (pAnchor == pBtn)
                pAnchor = GetButton(nSourceIndex + 1);
            RemoveButton(nSourceIndex, TRUE);
        }
        else
        {
            if (pSource->m_nSelected == nSourceIndex)
                pSource->ClearSelection(TRUE);
            pSource->RemoveButton(nSourceIndex, bBatch);
        }
    }
    if (pReplacedSep != NULL)
    {
        const int nSep = IndexOfButton(pReplacedSep);
        if (nSep >= 0)
        {
            delete pReplacedSep;
            m_btns.erase(m_btns.begin() + nSep);
        }
    }
    int nIndex = pAnchor != NULL ? IndexOfButton(pAnchor) : GetBtnCount();
    if (nIndex < 0)
        nIndex = GetBtnCount();
    if (nNewSep < 0 && !m_btns.empty())
        InsertButton(nIndex++, 0, TRUE, TRUE);
    InsertButton(nIndex, nID, FALSE, TRUE);
    if (nNewSep > 0)
        InsertButton(nIndex + 1, 0, TRUE, TRUE);
    ArrangeSeparators();
    nIndex = std::min(nIndex, GetBtnCount() - 1);
    if (bSelect)
        SelectButton(nIndex, FALSE);
    if (!bBatch)
        SizeToParent();
    return TRUE;
}
