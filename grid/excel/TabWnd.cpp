// The sheet-tab window.
#include "grid/excel/TabWnd.h"
#include "grid/excel/EditLabelPopup.h"
#include "grid/excel/SheetTabClasses.h"
#include "grid/excel/TabMessages.h"
#include "grid/excel/TabWndInterface.h"
#include "grid/core/AppData.h"
#include "grid/core/DateTimeSettings.h"
#include "grid/core/GridWnd.h"
#include "grid/core/SysColorTable.h"
#include "ClientDC.h"
#include "CreateContext.h"
#include "Document.h"
#include "FrameWnd.h"
#include "MultiDocTemplate.h"
#include "PaintDC.h"
#include <algorithm>
#include <array>
#include "View.h"

IMPLEMENT_DYNCREATE(CGXTabWnd, CWnd)

BEGIN_MESSAGE_MAP(CGXTabWnd, CWnd)
ON_MESSAGE(WM_GX_TABSELECT, OnSelectTab)
ON_MESSAGE(WM_GX_TABSTARTEDIT, OnStartLabelEdit)
ON_MESSAGE(WM_GX_TABCANACTIVATE, OnCanActivate)
ON_MESSAGE(WM_GX_TABENDEDIT, OnEndLabelEdit)
ON_MESSAGE(WM_GX_TABCANCELEDIT, OnCancelLabelEdit)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_SETCURSOR()
ON_WM_SETFOCUS()
ON_WM_PARENTNOTIFY()
ON_WM_ERASEBKGND()
ON_WM_NCPAINT()
ON_WM_SYSCOLORCHANGE()
ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

namespace
{
const UINT kHScrollId = 59904, kVScrollId = 59920, kSizeBoxId = 59936, kBeamId = 59905;
const UINT kFirstSheetId = 59648, kRenameFieldId = 23001;
const UINT kSplitterCursorId = 20197;

int NewLook()
{
    return GXGetAppData()->m_bWin4 ? 1 : 0;
}

int OldLook()
{
    return GXGetAppData()->m_bOldShell ? 1 : 0;
}

LRESULT CALLBACK TabWndClassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return GXAdoptSheetTabWindow(new CGXTabWnd, hWnd, message, wParam, lParam);
}

// The splitter cursor: the program's own resource, else the system's west-east arrow.
HCURSOR SplitterCursor()
{
    static HCURSOR s_hcur = NULL;
    if (s_hcur == NULL)
    {
        s_hcur = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(kSplitterCursorId));
        if (s_hcur == NULL)
            s_hcur = ::LoadCursor(NULL, IDC_SIZEWE);
    }
    return s_hcur;
}

BOOL IsFrame(CWnd* pWnd)
{
    return pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd));
}
} // namespace

void AFXAPI CGXTabWnd::RegisterWndClass(HINSTANCE hInstance)
{
    GXRegisterSheetTabClass(hInstance, "CGXTabWnd", TabWndClassProc);
}

CGXTabWnd::CGXTabWnd()
{
    m_pBeamClass = RUNTIME_CLASS(CGXTabBeam);
    m_hcurArrow = ::LoadCursor(NULL, IDC_ARROW);
    m_brFace.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    ReadMetrics();
    CGXAppData* pAppData = GXGetAppData();
    pAppData->RegisterContainerClass(RUNTIME_CLASS(CGXTabWnd));
    if (pAppData->m_pTabWndInterface == NULL)
    {
        pAppData->m_pTabWndInterface = new CGXTabWndInterface;
        pAppData->AddComponent(pAppData->m_pTabWndInterface);
    }
}

CGXTabWnd::~CGXTabWnd()
{
    delete m_pBeam;
}

void CGXTabWnd::PostNcDestroy()
{
    // The strip goes with the window, its records and fonts with it.
    delete m_pBeam;
    m_pBeam = NULL;
    m_pActivePane = NULL;
    if (GXReleaseSheetTabWindow(this))
        delete this;
}

BOOL CGXTabWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CLIPCHILDREN;
    return CWnd::PreCreateWindow(cs);
}

void CGXTabWnd::ReadMetrics()
{
    m_cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    m_cyHScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    m_cyBottom = m_cyHScroll + 2 * NewLook();
}

// Creation

BOOL CGXTabWnd::Create(CWnd* pParentWnd, LPCTSTR pszLabel, CCreateContext* pContext, DWORD dwStyle, UINT nID)
{
    WNDCLASSA wc;
    if (!::GetClassInfoA(AfxGetInstanceHandle(), "GXWND", &wc))
        AfxThrowNotSupportedException();
    if (!CreateCommonParts(pParentWnd, dwStyle | WS_VISIBLE, nID))
        return FALSE;
    CRect rect;
    pParentWnd->GetClientRect(&rect);
    MoveWindow(&rect);
    m_pFirstViewClass = pContext != NULL ? pContext->m_pNewViewClass : NULL;
    CWnd* pSheet = m_pFirstViewClass != NULL ? CreateView(m_pFirstViewClass, pszLabel, pContext, nID) : NULL;
    if (pSheet == NULL)
    {
        DestroyWindow();
        return FALSE;
    }
    m_pActivePane = pSheet;
    m_nFirstId = m_nNextId = nID;
    return TRUE;
}

BOOL CGXTabWnd::CreateCommonParts(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_bHasHScroll = (dwStyle & WS_HSCROLL) != 0;
    m_bHasVScroll = (dwStyle & WS_VSCROLL) != 0;
    try
    {
        if (m_hWnd == NULL && !CreateEx(0, _T("GxMdiFrame"), NULL, dwStyle & ~(WS_HSCROLL | WS_VSCROLL),
                                        CRect(0, 0, 0, 0), pParentWnd, nID))
            return FALSE;
        struct Bar
        {
            DWORD dwStyle;
            UINT nID;
            BOOL bWanted;
        } bars[] = {
            {(DWORD)(SBS_HORZ | (m_bHasHScroll ? WS_VISIBLE : 0)), kHScrollId, TRUE},
            {(DWORD)(SBS_VERT | (m_bHasVScroll ? WS_VISIBLE : 0)), kVScrollId, TRUE},
            {SBS_SIZEGRIP | WS_VISIBLE, kSizeBoxId,
             NewLook() && (m_bHasHScroll || m_bHasVScroll) && IsFrame(pParentWnd)},
        };
        for (const Bar& bar : bars)
            if (bar.bWanted &&
                ::CreateWindowExA(0, "SCROLLBAR", NULL, bar.dwStyle | WS_CHILD, 0, 0, 1, 1, m_hWnd,
                                  (HMENU)(UINT_PTR)bar.nID, AfxGetInstanceHandle(), NULL) == NULL)
                AfxThrowResourceException();
        m_pBeam = (CGXTabBeam*)m_pBeamClass->CreateObject();
        if (m_pBeam == NULL || !m_pBeam->Create(WS_VISIBLE, CRect(0, 0, 1, 1), this, kBeamId))
            AfxThrowResourceException();
        m_bCreated = TRUE;
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

CWnd* CGXTabWnd::CreateSheetWnd(CRuntimeClass* pViewClass, CCreateContext*& pContext, CCreateContext& context,
                                UINT nID, BOOL& bInitialUpdate)
{
    if (nID == 0)
        nID = ++m_nNextId;
    bInitialUpdate = FALSE;
    if (pContext == NULL)
    {
        CFrameWnd* pFrame = GetParentFrame();
        CView* pView = pFrame != NULL ? pFrame->GetActiveView() : NULL;
        if (pView != NULL)
        {
            context.m_pCurrentDoc = pView->GetDocument();
            if (context.m_pCurrentDoc != NULL)
                context.m_pNewDocTemplate = context.m_pCurrentDoc->GetDocTemplate();
        }
        context.m_pLastView = pView;
        context.m_pNewViewClass = pViewClass;
        pContext = &context;
        bInitialUpdate = TRUE;
    }
    CWnd* pWnd = NULL;
    try
    {
        pWnd = pViewClass != NULL ? (CWnd*)pViewClass->CreateObject() : NULL;
        if (pWnd == NULL)
            AfxThrowMemoryException();
    }
    catch (CException* e)
    {
        e->Delete();
        return NULL;
    }
    CRect rectInside;
    GetInsideRect(rectInside);
    DWORD dwStyle = WS_CHILD | (m_pBeam->GetTabCount() == 0 ? WS_VISIBLE : 0);
    // A window that fails to come up deletes itself (views do so in PostNcDestroy).
    if (!pWnd->Create(NULL, NULL, dwStyle, rectInside, this, nID, pContext))
        return NULL;
    return pWnd;
}

void CGXTabWnd::ShowSheetWnd(CWnd* pWnd, BOOL bInitialUpdate)
{
    if (bInitialUpdate)
        pWnd->SendMessage(WM_INITIALUPDATE);
    CRect rect;
    pWnd->GetClientRect(&rect);
    pWnd->MoveWindow(&rect, TRUE);
    SaveScrollState(m_pBeam->FindTab(pWnd));
}

CWnd* CGXTabWnd::CreateView(CRuntimeClass* pViewClass, LPCTSTR pszLabel, CCreateContext* pContext, UINT nID)
{
    CCreateContext context;
    BOOL bInitialUpdate = FALSE;
    CWnd* pWnd = CreateSheetWnd(pViewClass, pContext, context, nID, bInitialUpdate);
    if (pWnd == NULL)
        return NULL;
    CDocTemplate* pTemplate = pContext->m_pNewDocTemplate;
    DWORD dwValue = pTemplate != NULL && pTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate))
                        ? pTemplate->m_nIDResource
                        : 0;
    m_pBeam->InsertTab(FALSE, pszLabel, pWnd, FALSE, -1, dwValue);
    ShowSheetWnd(pWnd, bInitialUpdate);
    return pWnd;
}

CWnd* CGXTabWnd::AttachWnd(CWnd* pWnd, LPCTSTR pszLabel)
{
    if (!m_bCreated)
        RecalcLayout();
    CRect rectInside;
    GetInsideRect(rectInside);
    pWnd->MoveWindow(&rectInside);
    m_pBeam->InsertTab(FALSE, pszLabel, pWnd, FALSE, -1, 0);
    pWnd->ShowScrollBar(SB_BOTH, FALSE);
    if (m_pActivePane == NULL)
    {
        m_pActivePane = pWnd;
        pWnd->ShowWindow(SW_SHOW);
        pWnd->SetActiveWindow();
    }
    int nTab = m_pBeam->FindTab(pWnd);
    pWnd->SendMessage(WM_GX_TABATTACHED, nTab);
    SaveScrollState(nTab);
    return pWnd;
}

// Layout

void CGXTabWnd::GetInsideRect(CRect& rect) const
{
    GetClientRect(&rect);
    int n = m_cyHScroll + NewLook() - 1;
    rect.bottom -= n;
    if (m_bHasVScroll)
        rect.right -= n;
}

CRect CGXTabWnd::GetSplitterRect(int nStripWidth) const
{
    CRect client, in;
    GetClientRect(&client);
    GetInsideRect(in);
    return CRect(nStripWidth + 1, in.bottom, nStripWidth + 1 + m_nSplitterWidth - 1, client.bottom);
}

void CGXTabWnd::DeferChildPos(HDWP& hdwp, CWnd* pWnd, int x, int y, int cx, int cy, BOOL bScrollBar)
{
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return;
    if (bScrollBar)
    {
        if (cx < 2 || cy < 2)
            pWnd->ModifyStyle(0, WS_BORDER);
        else
            pWnd->ModifyStyle(WS_BORDER, 0);
    }
    CRect want(x - 1, y - 1, x - 1 + cx + 2, y - 1 + cy + 2);
    CRect now;
    pWnd->GetWindowRect(&now);
    ScreenToClient(&now);
    if (now == want)
        return;
    hdwp = ::DeferWindowPos(hdwp, pWnd->m_hWnd, NULL, want.left, want.top, want.Width(), want.Height(),
                            SWP_NOZORDER | SWP_NOACTIVATE);
}

CWnd* CGXTabWnd::GetSizingParent()
{
    if (!NewLook())
        return NULL;
    CWnd* pCandidate = (GetStyle() & WS_THICKFRAME) ? this : GetParent();
    if (pCandidate == NULL || !(pCandidate->GetStyle() & WS_THICKFRAME) ||
        (pCandidate->GetStyle() & WS_MAXIMIZE))
        return NULL;
    CRect rectCand, rectMine;
    pCandidate->GetClientRect(&rectCand);
    pCandidate->ClientToScreen(&rectCand);
    ScreenToClient(&rectCand);
    GetClientRect(&rectMine);
    return rectCand.right == rectMine.right && rectCand.bottom == rectMine.bottom ? pCandidate : NULL;
}

void CGXTabWnd::RecalcLayout(BOOL bBeamOnly)
{
    if (!m_bCreated)
    {
        // Made from a dialog template: the parts come with the first layout.
        if (!CreateCommonParts(GetParent(), WS_CHILD | WS_HSCROLL | WS_VSCROLL, GetDlgCtrlID()))
            return;
        m_nFirstId = m_nNextId = kFirstSheetId;
    }
    CRect client, in;
    GetClientRect(&client);
    if (m_nLastClientWidth == 0)
    {
        m_nStripWidth = client.Width() / 2;
        m_nStripWidth100 = m_nStripWidth * 100;
        m_nLastClientWidth = client.Width();
    }
    GetInsideRect(in);
    const int g = NewLook();
    const int H = client.bottom - 2 * g - in.bottom, W = client.right - 2 * g - in.right;
    HDWP hdwp = ::BeginDeferWindowPos(5);

    CWnd* pHorz = GetDlgItem(kHScrollId);
    if (m_bHasHScroll)
        DeferChildPos(hdwp, pHorz, m_nStripWidth + m_nSplitterWidth, in.bottom + 1,
                      in.right - m_nStripWidth - m_nSplitterWidth, H, TRUE);
    else
        DeferChildPos(hdwp, pHorz, client.right, in.bottom + 1, 0, H, TRUE);
    if (!bBeamOnly && m_bHasVScroll)
        DeferChildPos(hdwp, GetDlgItem(kVScrollId), in.right + 1, 0, W, in.bottom, TRUE);
    CWnd* pSizeBox = GetDlgItem(kSizeBoxId);
    if (g && m_bHasHScroll && m_bHasVScroll && IsFrame(GetParent()) && pSizeBox != NULL)
    {
        DeferChildPos(hdwp, pSizeBox, in.right + 2, in.bottom + 2, W, H, FALSE);
        BOOL bGrip = GetSizingParent() != NULL;
        DWORD dwOld = pSizeBox->GetStyle();
        pSizeBox->ModifyStyle(bGrip ? SBS_SIZEBOX : SBS_SIZEGRIP, bGrip ? SBS_SIZEGRIP : SBS_SIZEBOX);
        pSizeBox->EnableWindow(bGrip);
        if (dwOld != pSizeBox->GetStyle())
            pSizeBox->Invalidate();
    }
    DeferChildPos(hdwp, m_pBeam, 0, in.bottom + 1, m_bHasHScroll ? m_nStripWidth : client.Width(), H, FALSE);
    if (!bBeamOnly && m_pActivePane != NULL)
    {
        DeferChildPos(hdwp, m_pActivePane, 1, 1, in.Width() - 2, in.Height() - 2, FALSE);
        m_pActivePane->SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(in.Width() - 3, in.Height() - 3));
    }
    ::EndDeferWindowPos(hdwp);
}

void CGXTabWnd::OnSize(UINT nType, int cx, int cy)
{
    CancelRename();
    if (m_pActivePane != NULL)
        m_pActivePane->SendMessage(WM_GX_TABWNDSIZING, 1);
    if (nType != SIZE_MINIMIZED && cx > 0 && cx < 32767 && cy > 0 && cy < 32767)
    {
        if (m_nStripWidth100 / 100 != m_nStripWidth)
            m_nStripWidth100 = m_nStripWidth * 100;
        if (m_pBeam != NULL && m_nLastClientWidth != 0 && m_nStripWidth100 != 0)
        {
            // 64 bits: a wide window times a wide strip passes the 32-bit range.
            LONGLONG a = (LONGLONG)(m_pBeam->m_nButtonAreaWidth - 20) * 100;
            m_nStripWidth100 = (int)(((LONGLONG)m_nStripWidth100 - a) * cx / m_nLastClientWidth + a);
        }
        else if (m_nStripWidth100 == 0)
            m_nStripWidth100 = (cx / 2) * 100;
        m_nStripWidth = m_nStripWidth100 / 100;
        m_nLastClientWidth = cx;
        RecalcLayout(FALSE);
    }
    CWnd::OnSize(nType, cx, cy);
    UpdateWindow();
    if (m_pActivePane != NULL)
    {
        m_pActivePane->SendMessage(WM_GX_TABWNDSIZING, 0);
        CRect rect;
        m_pActivePane->GetClientRect(&rect);
        m_pActivePane->SendMessage(WM_SIZE, nType, MAKELPARAM(rect.Width(), rect.Height()));
    }
}

// Painting

void CGXTabWnd::OnPaint()
{
    if (!m_bCreated)
        RecalcLayout();
    CPaintDC dc(this);
    if (!m_bHasHScroll)
        return;
    CRect bar = GetSplitterRect(m_nStripWidth);
    const COLORREF colors[] = {RGB(0, 0, 0), ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNFACE),
                               ::GetSysColor(COLOR_BTNSHADOW), RGB(0, 0, 0)};
    for (int i = 0; i < 5; i++)
        dc.FillSolidRect(bar.left + i, bar.top, 1, bar.Height(), colors[i]);
    if (OldLook())
        dc.FillSolidRect(bar.left, bar.top, 5, 1, RGB(0, 0, 0));
}

BOOL CGXTabWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    rect.left = rect.right - (m_cyHScroll + 2 * NewLook());
    pDC->FillRect(&rect, &m_brFace);
    return TRUE;
}

void CGXTabWnd::OnNcPaint()
{
    Default();
    if (m_bDrawFrame || (GetExStyle() & WS_EX_CLIENTEDGE))
        GXDrawFrameInParent(this);
}

// Splitter

void CGXTabWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_pActivePane != NULL)
        m_pActivePane->SetFocus();
    CRect client;
    GetClientRect(&client);
    if (m_bHasHScroll && point.x >= m_nStripWidth + 1 && point.x <= m_nStripWidth + m_nSplitterWidth &&
        point.y >= client.bottom - m_cyHScroll && point.y <= client.bottom)
    {
        SetCapture();
        m_bDragging = TRUE;
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CGXTabWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (m_bDragging)
    {
        if (point.x == m_nStripWidth)
            return;
        const int nMin = m_pBeam->m_nButtonAreaWidth + 20;
        const int nMax = client.right - 2 * (m_cyHScroll + 2 * NewLook());
        if (point.x < nMin || point.x > nMax)
            return;
        CRect bar = GetSplitterRect(m_nStripWidth);
        bar.top = client.bottom - (m_cyHScroll + 2 * NewLook());
        InvalidateRect(&bar, FALSE);
        m_pBeam->m_nRepaintHint = std::min(m_nStripWidth, (int)point.x);
        m_nStripWidth = point.x;
        RecalcLayout(TRUE);
        CRect rectBeam;
        m_pBeam->GetClientRect(&rectBeam);
        rectBeam.left = std::max(0, m_pBeam->m_nRepaintHint - 1);
        m_pBeam->InvalidateRect(&rectBeam);
        UpdateWindow();
        m_pBeam->UpdateWindow();
        return;
    }
    if (m_bHasHScroll && GetSplitterRect(m_nStripWidth).PtInRect(point))
        ::SetCursor(SplitterCursor());
    CWnd::OnMouseMove(nFlags, point);
}

void CGXTabWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bDragging)
    {
        CWnd::OnLButtonUp(nFlags, point);
        return;
    }
    OnMouseMove(nFlags, point);
    m_bDragging = FALSE;
    ::ReleaseCapture();
    m_pBeam->m_nRepaintHint = -2;
    m_pBeam->Invalidate();
    m_pBeam->UpdateWindow();
    m_pBeam->m_nRepaintHint = -1;
}

BOOL CGXTabWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (pWnd == this && !m_bDragging)
        return TRUE; // the mouse-move handler chose the cursor
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

// Scrolling, focus, system changes

void CGXTabWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CancelRename();
    if (m_pActivePane != NULL)
        m_pActivePane->SendMessage(WM_HSCROLL, MAKEWPARAM(nSBCode, nPos), (LPARAM)pScrollBar->GetSafeHwnd());
}

void CGXTabWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CancelRename();
    if (m_pActivePane != NULL)
        m_pActivePane->SendMessage(WM_VSCROLL, MAKEWPARAM(nSBCode, nPos), (LPARAM)pScrollBar->GetSafeHwnd());
}

void CGXTabWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pActivePane != NULL && m_pActivePane->GetSafeHwnd() != pOldWnd->GetSafeHwnd())
        m_pActivePane->SetFocus();
}

void CGXTabWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    // A pane destroyed behind the tab window's back (a view closed by its frame or document) is
    // no longer the active pane: nothing may reach it afterwards.
    if (LOWORD(message) == WM_DESTROY && m_pActivePane != NULL && (HWND)lParam == m_pActivePane->m_hWnd)
        m_pActivePane = NULL;
    CWnd::OnParentNotify(message, lParam);
}

void CGXTabWnd::OnSysColorChange()
{
    GXGetSysColorTable()->Refresh();
    m_brFace.DeleteObject();
    m_brFace.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    CWnd::OnSysColorChange();
}

void CGXTabWnd::OnSettingChange(UINT, LPCTSTR)
{
    GXRefreshDateTimeSettings();
    ReadMetrics();
    RecalcLayout();
}

// Sheets

namespace
{
// A tab's saved scroll state per direction: vertical first, then horizontal.
struct ScrollState
{
    int nBar;
    SCROLLINFO* pInfo;
};

std::array<ScrollState, 2> ScrollStatesOf(CGXTabInfo& tab)
{
    return {{{SB_VERT, &tab.vertInfo}, {SB_HORZ, &tab.horzInfo}}};
}
} // namespace

void CGXTabWnd::SaveScrollState(int nTab)
{
    if (nTab < 0 || nTab >= m_pBeam->GetTabCount())
        return;
    CGXTabInfo& tab = m_pBeam->GetTab(nTab);
    CWnd* pWnd = tab.pExtra;
    for (const ScrollState& d : ScrollStatesOf(tab))
    {
        SCROLLINFO& info = *d.pInfo;
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        if (!pWnd->GetScrollInfo(d.nBar, &info, SIF_ALL))
        {
            pWnd->GetScrollRange(d.nBar, &info.nMin, &info.nMax);
            info.nPos = pWnd->GetScrollPos(d.nBar);
        }
        info.nTrackPos = info.nPos;
    }
}

void CGXTabWnd::RestoreScrollState(int nTab)
{
    if (nTab < 0 || nTab >= m_pBeam->GetTabCount())
        return;
    CGXTabInfo& tab = m_pBeam->GetTab(nTab);
    CWnd* pWnd = tab.pExtra;
    for (const ScrollState& d : ScrollStatesOf(tab))
    {
        SCROLLINFO info = *d.pInfo;
        if (info.nMax == 0)
            continue;
        info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        if (!pWnd->SetScrollInfo(d.nBar, &info, TRUE))
            pWnd->SetScrollRange(d.nBar, info.nMin, info.nMax, TRUE);
        pWnd->SetScrollPos(d.nBar, info.nTrackPos, TRUE);
    }
}

LRESULT CGXTabWnd::OnCanActivate(WPARAM wParam, LPARAM)
{
    int nTab = (int)wParam;
    if (nTab < 0 || nTab >= m_pBeam->GetTabCount())
        return 1;
    CWnd* pWnd = m_pBeam->GetTab(nTab).pExtra;
    if (pWnd == m_pActivePane || m_pActivePane == NULL)
        return 0;
    LRESULT lVeto = m_pActivePane->SendMessage(WM_GX_TABCANCHANGESHEET, 0);
    if (lVeto == 0)
        lVeto = pWnd->SendMessage(WM_GX_TABCANCHANGESHEET, 1);
    if (lVeto != 0)
        m_pActivePane->SetFocus();
    return lVeto;
}

void CGXTabWnd::ActivateWnd(CWnd* pWnd)
{
    int nTab = m_pBeam->FindTab(pWnd);
    if (nTab < 0)
        return;
    if (m_pActivePane != NULL)
    {
        if (OnCanActivate(nTab, 0) != 0)
            return;
        if (m_pActivePane != pWnd)
        {
            SaveScrollState(m_pBeam->FindTab(m_pActivePane));
            m_pActivePane->ShowWindow(SW_HIDE);
        }
    }
    m_pBeam->MakeTabVisible(nTab);
    if (m_pBeam->m_nCurrent != nTab)
    {
        m_pBeam->m_nCurrent = nTab;
        m_pBeam->Invalidate();
    }
    m_pBeam->UpdateWindow();

    m_pActivePane = pWnd;
    pWnd->ShowWindow(SW_SHOW);
    pWnd->SetFocus();
    if (pWnd->IsKindOf(RUNTIME_CLASS(CView)))
    {
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL)
            pFrame->SetActiveView((CView*)pWnd);
        CWnd* pMain = AfxGetMainWnd();
        if (IsFrame(pMain))
            ((CFrameWnd*)pMain)->DelayUpdateFrameMenu(NULL);
    }
    RestoreScrollState(nTab);
    pWnd->Invalidate();
    CRect rect;
    pWnd->GetWindowRect(&rect);
    ScreenToClient(&rect);
    pWnd->MoveWindow(&rect, TRUE);
    RecalcLayout(FALSE);
}

void CGXTabWnd::ActivateTab(int nTab)
{
    if (nTab >= 0 && nTab < m_pBeam->GetTabCount())
        ActivateWnd(m_pBeam->GetTab(nTab).pExtra);
}

LRESULT CGXTabWnd::OnSelectTab(WPARAM wParam, LPARAM)
{
    int nTab = (int)wParam;
    if (nTab < 0 || nTab >= m_pBeam->GetTabCount())
        return 0;
    CWnd* pWnd = m_pBeam->GetTab(nTab).pExtra;
    if (pWnd != m_pActivePane)
    {
        ActivateWnd(pWnd);
        return 0;
    }
    MSG msg;
    if (::PeekMessage(&msg, m_hWnd, WM_GX_TABSTARTEDIT, WM_GX_TABSTARTEDIT, PM_NOREMOVE))
        return 0; // a rename follows: the focus must stay with its field
    if (pWnd->IsKindOf(RUNTIME_CLASS(CView)) && GetParentFrame() != NULL)
        GetParentFrame()->SetActiveView((CView*)pWnd);
    pWnd->SetFocus();
    pWnd->Invalidate();
    return 0;
}

void CGXTabWnd::RemoveWnd(CWnd* pWnd)
{
    int nTab = m_pBeam->FindTab(pWnd);
    int nCount = m_pBeam->GetTabCount();
    if (nCount < 2 || nTab < 0)
        return;
    int nCurrent = m_pBeam->GetCurrentTab();
    // The current sheet stays active when one before it goes.
    int k = nTab < nCurrent ? nCurrent - 1 : std::min(nCurrent, nCount - 2);
    m_pActivePane = NULL;
    if (!m_pBeam->GetTab(nTab).bDeleteExtra)
        pWnd->DestroyWindow();
    m_pBeam->DeleteTab(nTab);
    m_pBeam->m_nFirstTab = std::min(m_pBeam->m_nFirstTab, k);
    ActivateTab(k);
}

void CGXTabWnd::RemoveTab(int nTab)
{
    if (nTab >= 0 && nTab < m_pBeam->GetTabCount())
        RemoveWnd(m_pBeam->GetTab(nTab).pExtra);
}

// Names

LPCTSTR CGXTabWnd::GetTabName(const CWnd* pWnd)
{
    int nTab = m_pBeam != NULL ? m_pBeam->FindTab(pWnd) : -1;
    return nTab >= 0 ? (LPCTSTR)m_pBeam->GetTab(nTab).sLabel : NULL;
}

void CGXTabWnd::SetTabName(const CWnd* pWnd, LPCTSTR pszName, BOOL bNotify)
{
    int nTab = m_pBeam != NULL ? m_pBeam->FindTab(pWnd) : -1;
    if (nTab >= 0)
        SetTabNameAt(nTab, pszName, bNotify);
}

void CGXTabWnd::SetTabNameAt(int nTab, LPCTSTR pszName, BOOL bNotify)
{
    if (m_pBeam == NULL || nTab < 0 || nTab >= m_pBeam->GetTabCount())
        return;
    CGXTabInfo& tab = m_pBeam->GetTab(nTab);
    tab.sLabel = pszName != NULL ? pszName : _T("");
    m_pBeam->AdjustTabSize(nTab);
    m_pBeam->Invalidate();
    // The sheet hears of it as of a rename by the user.
    if (bNotify && tab.pExtra != NULL)
        tab.pExtra->SendMessage(WM_GX_TABRENAMED, nTab);
}

// Renaming

void CGXTabWnd::CancelRename()
{
    if (m_pEdit != NULL)
        OnCancelLabelEdit(0, 0);
}

LRESULT CGXTabWnd::OnStartLabelEdit(WPARAM wParam, LPARAM)
{
    int nTab = (int)wParam;
    if (m_pEdit != NULL || nTab < 0 || nTab >= m_pBeam->GetTabCount())
        return 0;
    CWnd* pSheet = m_pBeam->GetTab(nTab).pExtra;
    if (pSheet == NULL || pSheet->SendMessage(WM_GX_TABCANRENAME, nTab) == 0)
        return 0;
    CRect in;
    GetInsideRect(in);
    int cw, ch;
    {
        CClientDC dc(m_pBeam);
        CFont* pOld = dc.SelectObject(m_pBeam->m_pFontNormal);
        CSize size = dc.GetTextExtent(_T("W"), 1);
        cw = size.cx;
        ch = size.cy;
        dc.SelectObject(pOld);
    }
    const int f = ::GetSystemMetrics(SM_CYDLGFRAME);
    int nLeft = m_pBeam->GetTabLeft(nTab), nWidth = 15 * cw;
    int nTop = in.bottom - 2 * (ch + f);
    if (nTop < 1)
        nTop = 0;
    if (nLeft + nWidth > in.right)
        nLeft = std::max(0, (int)in.right - nWidth);
    if (nLeft < 0)
    {
        nLeft = 0;
        nWidth = std::min(nWidth, (int)in.right);
    }
    CRect rect(nLeft, nTop, nLeft + nWidth, nTop + 4 * f + ch);
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | (OldLook() ? WS_DLGFRAME : 0);
    CGXEditLabelPopup* pEdit = new CGXEditLabelPopup;
    if (!pEdit->Create(dwStyle, rect, this, kRenameFieldId))
    {
        delete pEdit;
        return 0;
    }
    m_pEdit = pEdit;
    pEdit->SetWindowText(m_pBeam->GetTab(nTab).sLabel);
    pEdit->SetFont(m_pBeam->m_pFontNormal);
    pEdit->SetFocus();
    return 0;
}

LRESULT CGXTabWnd::OnEndLabelEdit(WPARAM, LPARAM)
{
    CGXEditLabelPopup* pEdit = m_pEdit;
    if (pEdit == NULL)
        return 0;
    m_pEdit = NULL; // the focus loss while it goes finds no field
    CString sLabel;
    pEdit->GetWindowText(sLabel);
    pEdit->DestroyWindow();
    int nTab = m_pBeam->GetCurrentTab();
    if (nTab >= 0)
    {
        m_pBeam->GetTab(nTab).sLabel = sLabel;
        m_pBeam->AdjustTabSize(nTab);
        CWnd* pSheet = m_pBeam->GetTab(nTab).pExtra;
        if (pSheet != NULL)
            pSheet->SendMessage(WM_GX_TABRENAMED, nTab);
    }
    return 0;
}

LRESULT CGXTabWnd::OnCancelLabelEdit(WPARAM, LPARAM)
{
    CGXEditLabelPopup* pEdit = m_pEdit;
    m_pEdit = NULL;
    if (pEdit != NULL)
        pEdit->DestroyWindow();
    return 0;
}
