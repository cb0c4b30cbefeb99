// Control bars: their place in the frame's layout, delayed showing and hiding, borders, the
// status flyby, and the mouse actions that start docking.
#include "ControlBar.h"
#include "ControlBarInfo.h"
#include "DC.h"
#include "DockBar.h"
#include "DockContext.h"
#include "FrameWnd.h"
#include "PaintDC.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

namespace
{
// Timer that takes the flyby prompt away once the cursor has left the bar.
const UINT_PTR kFlybyCheckTimer = 0xE000;
const UINT kFlybyCheckMs = 200;
} // namespace

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_NCHITTEST()
ON_WM_WINDOWPOSCHANGING()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_TIMER()
ON_WM_CANCELMODE()
ON_WM_CTLCOLOR()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CControlBar::CControlBar()
    : m_cxLeftBorder(6), m_cxRightBorder(6), m_cyTopBorder(1), m_cyBottomBorder(1), m_cxDefaultGap(2),
      m_nMRUWidth(32767), m_bAutoDelete(FALSE), m_nStateFlags(0), m_dwStyle(0), m_dwDockStyle(0),
      m_pDockSite(NULL), m_pDockBar(NULL), m_pDockContext(NULL), m_nCount(0), m_pData(NULL)
{
}

BOOL CControlBar::AllocElements(int nElements, int cbElement)
{
    ::free(m_pData);
    m_pData = NULL;
    m_nCount = 0;
    if (nElements <= 0 || cbElement <= 0)
        return TRUE;
    m_pData = ::calloc((size_t)nElements, (size_t)cbElement);
    if (m_pData == NULL)
        return FALSE;
    m_nCount = nElements;
    return TRUE;
}

CControlBar::~CControlBar()
{
    // Out of its dock bar's rows first; without a dock context the dock bar lays nothing out.
    CDockContext* pDockContext = m_pDockContext;
    m_pDockContext = NULL;
    if (m_pDockBar != NULL)
    {
        m_pDockBar->RemoveControlBar(this);
        m_pDockBar = NULL;
    }
    delete pDockContext;
    // A bar deleted without its window closing first still leaves its frame's list.
    if (m_pDockSite != NULL)
        m_pDockSite->RemoveControlBar(this);
    ::free(m_pData);
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

// ---- attributes

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle == dwStyle)
        return;
    DWORD dwOldStyle = m_dwStyle;
    m_dwStyle = dwStyle;
    OnBarStyleChange(dwOldStyle, dwStyle);
}

void CControlBar::OnBarStyleChange(DWORD, DWORD)
{
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    CFrameWnd* pFrameWnd = GetParentFrame();
    return pFrameWnd != NULL ? pFrameWnd : m_pDockSite;
}

BOOL CControlBar::IsFloating() const
{
    if (IsDockBar())
        return ((const CDockBar*)this)->m_bFloating;
    return m_pDockBar != NULL && m_pDockBar->m_bFloating;
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (m_nStateFlags & delayShow) != 0 || (GetStyle() & WS_VISIBLE) != 0;
}

// ---- docking

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (m_pDockContext == NULL)
        m_pDockContext = new CDockContext(this);
    // The owner stays the parent frame even after the bar moves into a floating frame.
    if (m_hWndOwner == NULL)
        m_hWndOwner = ::GetParent(m_hWnd);
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible)
        m_nStateFlags |= delayShow;
    else if (!bShow && bVisible)
        m_nStateFlags |= delayHide;
}

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    DWORD dwStyle = (m_dwStyle & CBRS_ALIGN_ANY) | (GetStyle() & WS_VISIBLE);
    if (!(m_nStateFlags & (delayHide | delayShow)))
        return dwStyle;
    if (m_nStateFlags & delayHide)
        dwStyle &= ~WS_VISIBLE;
    else
        dwStyle |= WS_VISIBLE;
    if (lpLayout != NULL && lpLayout->hDWP != NULL)
    {
        UINT nFlags = (m_nStateFlags & delayHide) ? SWP_HIDEWINDOW : SWP_SHOWWINDOW;
        m_nStateFlags &= ~(delayHide | delayShow);
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, NULL, 0, 0, 0, 0,
                                          nFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return dwStyle;
}

// ---- layout

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // A stretched bar takes the whole length of its side; the thickness is the derived bar's.
    return CSize(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
}

CSize CControlBar::CalcDynamicLayout(int, DWORD dwMode)
{
    return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += AFX_CX_BORDER2;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += AFX_CY_BORDER2;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= AFX_CX_BORDER2;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= AFX_CY_BORDER2;
    BOOL bGripper = (m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER;
    int nGripper = bGripper ? AFX_CX_BORDER_GRIPPER + AFX_CX_GRIPPER + AFX_CX_BORDER_GRIPPER : 0;
    if (bHorz)
    {
        rect.left += m_cxLeftBorder + nGripper;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    }
    else
    {
        // A vertical bar turns its borders with it.
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder + nGripper;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    DWORD dwStyle = RecalcDelayShow(lpLayout);
    if (!(dwStyle & WS_VISIBLE) || !(dwStyle & CBRS_ALIGN_ANY))
        return 0;
    CRect rect(lpLayout->rect);
    CSize sizeAvail = rect.Size();
    DWORD dwMode = lpLayout->bStretch ? LM_STRETCH : 0;
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING))
        dwMode |= LM_HORZ | LM_MRUWIDTH;
    else if (dwStyle & CBRS_ORIENT_HORZ)
        dwMode |= LM_HORZ | LM_HORZDOCK;
    else
        dwMode |= LM_VERTDOCK;
    CSize size = CalcDynamicLayout(-1, dwMode);
    size.cx = std::min<LONG>(size.cx, sizeAvail.cx);
    size.cy = std::min<LONG>(size.cy, sizeAvail.cy);
    if (dwStyle & CBRS_ORIENT_HORZ)
    {
        lpLayout->sizeTotal.cy += size.cy;
        lpLayout->sizeTotal.cx = std::max<LONG>(lpLayout->sizeTotal.cx, size.cx);
        if (dwStyle & CBRS_ALIGN_TOP)
            lpLayout->rect.top += size.cy;
        else
        {
            rect.top = rect.bottom - size.cy;
            lpLayout->rect.bottom -= size.cy;
        }
    }
    else
    {
        lpLayout->sizeTotal.cx += size.cx;
        lpLayout->sizeTotal.cy = std::max<LONG>(lpLayout->sizeTotal.cy, size.cy);
        if (dwStyle & CBRS_ALIGN_LEFT)
            lpLayout->rect.left += size.cx;
        else
        {
            rect.left = rect.right - size.cx;
            lpLayout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if (lpLayout->hDWP != NULL)
        RepositionInLayout(lpLayout, rect);
    return 0;
}

void CControlBar::RepositionInLayout(AFX_SIZEPARENTPARAMS* lpLayout, const CRect& rect)
{
    AfxRepositionWindow(lpLayout, m_hWnd, &rect);
}

void CControlBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    CWnd::OnWindowPosChanging(lpWndPos);
    if (lpWndPos->flags & SWP_NOSIZE)
        return;
    // The right and bottom borders move with the size: repaint the strips they leave and reach.
    CRect rect;
    GetWindowRect(&rect);
    CSize sizeOld = rect.Size();
    if (lpWndPos->cx != sizeOld.cx && (m_dwStyle & CBRS_BORDER_RIGHT))
    {
        CRect strip(lpWndPos->cx - AFX_CX_BORDER2, 0, lpWndPos->cx, lpWndPos->cy);
        InvalidateRect(&strip);
        strip.SetRect(sizeOld.cx - AFX_CX_BORDER2, 0, sizeOld.cx, lpWndPos->cy);
        InvalidateRect(&strip);
    }
    if (lpWndPos->cy != sizeOld.cy && (m_dwStyle & CBRS_BORDER_BOTTOM))
    {
        CRect strip(0, lpWndPos->cy - AFX_CY_BORDER2, lpWndPos->cx, lpWndPos->cy);
        InvalidateRect(&strip);
        strip.SetRect(0, sizeOld.cy - AFX_CY_BORDER2, lpWndPos->cx, sizeOld.cy);
        InvalidateRect(&strip);
    }
}

// ---- painting

void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

void CControlBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
    DrawGripper(pDC, rect);
}

void CControlBar::PaintNonClient(CDC* pDC, CRect& rectWindow)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    GetWindowRect(&rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    pDC->ExcludeClipRect(&rectClient);
    pDC->FillSolidRect(&rectWindow, ::GetSysColor(COLOR_BTNFACE));
    DrawBorders(pDC, rectWindow);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    DrawBorderLines(pDC, rect, ::GetSysColor(COLOR_BTNFACE));
}

void CControlBar::DrawBorderLines(CDC* pDC, CRect& rect, COLORREF clrFace)
{
    DWORD dwStyle = m_dwStyle;
    if (!(dwStyle & CBRS_BORDER_ANY))
        return;
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    // Outer line: shadow on every bordered side; inner line: highlight for a 3-D bar, else face.
    COLORREF clrInner = (dwStyle & CBRS_BORDER_3D) ? clrHilite : clrFace;
    int cx = rect.Width(), cy = rect.Height();
    if (dwStyle & CBRS_BORDER_LEFT)
    {
        pDC->FillSolidRect(rect.left, rect.top, 1, cy, clrShadow);
        pDC->FillSolidRect(rect.left + 1, rect.top, 1, cy, clrInner);
    }
    if (dwStyle & CBRS_BORDER_TOP)
    {
        pDC->FillSolidRect(rect.left, rect.top, cx, 1, clrShadow);
        pDC->FillSolidRect(rect.left, rect.top + 1, cx, 1, clrInner);
    }
    if (dwStyle & CBRS_BORDER_RIGHT)
    {
        pDC->FillSolidRect(rect.right - 2, rect.top, 1, cy, clrShadow);
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, cy, clrInner);
    }
    if (dwStyle & CBRS_BORDER_BOTTOM)
    {
        pDC->FillSolidRect(rect.left, rect.bottom - 2, cx, 1, clrShadow);
        pDC->FillSolidRect(rect.left, rect.bottom - 1, cx, 1, clrInner);
    }
    if (dwStyle & CBRS_BORDER_LEFT)
        rect.left += AFX_CX_BORDER2;
    if (dwStyle & CBRS_BORDER_TOP)
        rect.top += AFX_CY_BORDER2;
    if (dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= AFX_CX_BORDER2;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= AFX_CY_BORDER2;
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    // A floating bar is moved by its frame's caption: no gripper there.
    if ((m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) != CBRS_GRIPPER)
        return;
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_dwStyle & CBRS_ORIENT_HORZ)
        pDC->Draw3dRect(rect.left + AFX_CX_BORDER_GRIPPER, rect.top + m_cyTopBorder, AFX_CX_GRIPPER,
                        rect.Height() - m_cyTopBorder - m_cyBottomBorder, clrHilite, clrShadow);
    else
        pDC->Draw3dRect(rect.left + m_cyTopBorder, rect.top + AFX_CX_BORDER_GRIPPER,
                        rect.Width() - m_cyTopBorder - m_cyBottomBorder, AFX_CX_GRIPPER, clrHilite,
                        clrShadow);
}

HBRUSH CControlBar::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    LRESULT lResult;
    if (pWnd != NULL && pWnd->SendChildNotifyLastMsg(&lResult))
        return (HBRUSH)lResult;
    // Controls on a bar sit on the bar's face colour.
    if (nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_BTN || nCtlColor == CTLCOLOR_DLG)
    {
        pDC->SetBkColor(::GetSysColor(COLOR_BTNFACE));
        pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
        return ::GetSysColorBrush(COLOR_BTNFACE);
    }
    return (HBRUSH)Default();
}

// ---- life cycle

int CControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (m_dwStyle & CBRS_TOOLTIPS)
        EnableToolTips();
    CWnd* pParent = GetParent();
    if (pParent != NULL && pParent->IsFrameWnd())
    {
        m_pDockSite = (CFrameWnd*)pParent;
        m_pDockSite->AddControlBar(this);
    }
    return 0;
}

void CControlBar::OnDestroy()
{
    SetStatusText(-1);
    if (m_pDockSite != NULL)
    {
        m_pDockSite->RemoveControlBar(this);
        m_pDockSite = NULL;
    }
    CWnd::OnDestroy();
}

// ---- mouse

LRESULT CControlBar::OnNcHitTest(CPoint)
{
    return HTCLIENT;
}

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    // A press on empty bar space (no button, no control) picks the bar up.
    if (m_pDockBar != NULL && m_pDockContext != NULL && OnToolHitTest(point, NULL) == -1)
    {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_pDockBar != NULL && m_pDockContext != NULL && OnToolHitTest(point, NULL) == -1)
    {
        m_pDockContext->ToggleDocking();
        return;
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CControlBar::OnCancelMode()
{
    SetStatusText(-1);
    CWnd::OnCancelMode();
}

// ---- command routing and status flyby

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_NOTIFY:
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
        // What the bar's buttons and controls send, and the bar does not handle itself, belongs to
        // the frame's command routing.
        LRESULT lResult = 0;
        if (OnWndMsg(message, wParam, lParam, &lResult))
            return lResult;
        CWnd* pOwner = GetOwner();
        if (pOwner != NULL && pOwner != this)
            return pOwner->SendMessage(message, wParam, lParam);
        return DefWindowProc(message, wParam, lParam);
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

BOOL CControlBar::SetStatusText(INT_PTR nHit)
{
    CWnd* pOwner = GetOwner();
    if (pOwner == NULL || pOwner->m_hWnd == NULL)
        return FALSE;
    if (nHit == -1)
    {
        if (!(m_nStateFlags & statusSet))
            return FALSE;
        pOwner->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        m_nStateFlags &= ~statusSet;
        return TRUE;
    }
    pOwner->SendMessage(WM_SETMESSAGESTRING, (WPARAM)nHit);
    m_nStateFlags |= statusSet;
    return TRUE;
}

void CControlBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kFlybyCheckTimer)
    {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    CPoint point;
    ::GetCursorPos(&point);
    HWND hWndUnder = ::WindowFromPoint(point);
    if (hWndUnder != m_hWnd && !::IsChild(m_hWnd, hWndUnder))
    {
        SetStatusText(-1);
        KillTimer(kFlybyCheckTimer);
    }
}

BOOL CControlBar::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    UINT message = pMsg->message;
    if ((m_dwStyle & CBRS_FLYBY) && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
    {
        CPoint point = pMsg->pt;
        ScreenToClient(&point);
        INT_PTR nHit = OnToolHitTest(point, NULL);
        if (nHit <= 0)
            SetStatusText(-1);
        else
        {
            SetStatusText(nHit);
            SetTimer(kFlybyCheckTimer, kFlybyCheckMs);
        }
    }
    return FALSE;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // A show or hide asked for with DelayShow happens now at the latest.
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    UINT nFlags = 0;
    if ((m_nStateFlags & delayHide) && bVisible)
        nFlags = SWP_HIDEWINDOW;
    else if ((m_nStateFlags & delayShow) && !bVisible)
        nFlags = SWP_SHOWWINDOW;
    m_nStateFlags &= ~(delayShow | delayHide);
    if (nFlags != 0)
        SetWindowPos(NULL, 0, 0, 0, 0, nFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Only a bar the user can see is updated (a docked one also needs its dock bar visible).
    if ((GetStyle() & WS_VISIBLE) && (m_pDockBar == NULL || (m_pDockBar->GetStyle() & WS_VISIBLE)))
    {
        CWnd* pOwner = GetOwner();
        CFrameWnd* pTarget = (pOwner != NULL && pOwner->IsFrameWnd()) ? (CFrameWnd*)pOwner : GetParentFrame();
        if (pTarget != NULL)
            OnUpdateCmdUI(pTarget, (BOOL)wParam);
    }
    return 0;
}

// ---- saved state

void CControlBar::GetBarInfo(CControlBarInfo* pInfo)
{
    pInfo->m_pBar = this;
    CRect rect;
    GetWindowRect(&rect);
    if (m_pDockBar != NULL)
        m_pDockBar->ScreenToClient(&rect);
    pInfo->m_pointPos = rect.TopLeft();
    pInfo->m_nBarID = (UINT)LOWORD(GetDlgCtrlID());
    pInfo->m_bVisible = IsVisible();
    pInfo->m_nMRUWidth = m_nMRUWidth;
    if (m_pDockContext != NULL)
    {
        pInfo->m_bDocking = TRUE;
        pInfo->m_uMRUDockID = m_pDockContext->m_uMRUDockID;
        pInfo->m_rectMRUDockPos = m_pDockContext->m_rectMRUDockPos;
        pInfo->m_dwMRUFloatStyle = m_pDockContext->m_dwMRUFloatStyle;
        pInfo->m_ptMRUFloatPos = m_pDockContext->m_ptMRUFloatPos;
    }
}

void CControlBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd*)
{
    UINT nFlags =
        (pInfo->m_bVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (m_pDockBar == NULL)
        nFlags |= SWP_NOMOVE; // not docked anywhere: the position means nothing
    m_nMRUWidth = pInfo->m_nMRUWidth;
    CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    if (pInfo->m_bDocking && m_pDockContext != NULL)
    {
        m_pDockContext->m_uMRUDockID = pInfo->m_uMRUDockID;
        m_pDockContext->m_rectMRUDockPos = pInfo->m_rectMRUDockPos;
        m_pDockContext->m_dwMRUFloatStyle = pInfo->m_dwMRUFloatStyle;
        m_pDockContext->m_ptMRUFloatPos = pInfo->m_ptMRUFloatPos;
    }
    m_nStateFlags &= ~(delayHide | delayShow);
    SetWindowPos(NULL, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0, nFlags);
}
