// SECWorkbookWnd: the sheets, their tabs' geometry and painting, tab clicks and tips.
#include "uilib/frames/mdi/WorkbookWnd.h"
#include "mfc/ToolTipCtrl.h"
#include "uilib/frames/mdi/ControlBarWorksheet.h"
#include "uilib/frames/mdi/WorkbookClientWnd.h"
#include "uilib/frames/mdi/WorksheetWnd.h"
#include <algorithm>

namespace
{
const int kClientFrame = 5; // the sunken frame around the MDI client
const int kTabGap = 4;      // between the client's bottom and the tabs
const int kIconSize = 16;
} // namespace

IMPLEMENT_DYNCREATE(SECWorkbookWnd, SECMDIFrameWnd)

BEGIN_MESSAGE_MAP(SECWorkbookWnd, SECMDIFrameWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_DESTROY()
ON_MESSAGE(SEC_WM_WORKBOOK_ACTIVECHANGED, OnActiveChanged)
END_MESSAGE_MAP()

SECWorkbookWnd::SECWorkbookWnd()
    : m_bTabsShown(FALSE), m_bIconsShown(TRUE), m_pClient(NULL), m_nTabWidth(100), m_nTabHeight(23),
      m_nBevel(2), m_nActiveExtraWidth(4), m_nActiveExtraHeight(2), m_nMaxTabWidth(90),
      m_rectLastTabClient(0, 0, 0, 0), m_nLastActive(0), m_pToolTip(NULL)
{
    m_pMDIChildBarFrameClass = RUNTIME_CLASS(SECControlBarWorksheet);
}

SECWorkbookWnd::~SECWorkbookWnd()
{
    delete m_pToolTip;
    delete m_pClient;
}

BOOL SECWorkbookWnd::CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu)
{
    if (!SECMDIFrameWnd::CreateClient(lpCreateStruct, pWindowMenu))
        return FALSE;
    m_pClient = new SECWorkbookClientWnd;
    if (!m_pClient->SubclassWindow(m_hWndMDIClient))
    {
        delete m_pClient;
        m_pClient = NULL;
        return FALSE;
    }
    HGDIOBJ hFont = ::GetStockObject(DEFAULT_GUI_FONT);
    if (hFont == NULL)
        hFont = ::GetStockObject(ANSI_VAR_FONT);
    m_tabFont.Attach(hFont);
    m_penHighlight.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    m_penBlack.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    m_penShadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    m_penFace.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNFACE));
    ApplyClientInsets();
    return TRUE;
}

void SECWorkbookWnd::OnDestroy()
{
    if (m_pClient != NULL && m_pClient->m_hWnd != NULL)
        m_pClient->UnsubclassWindow();
    delete m_pClient;
    m_pClient = NULL;
    // The stock font is not ours to delete.
    if (m_tabFont.GetSafeHandle() != NULL)
        m_tabFont.Detach();
    SECMDIFrameWnd::OnDestroy();
}

// ---- workbook mode

void SECWorkbookWnd::ApplyClientInsets()
{
    if (m_pClient == NULL)
        return;
    if (m_bTabsShown)
        m_pClient->SetInsets(kClientFrame, kClientFrame, kClientFrame,
                             kTabGap + m_nTabHeight + m_nActiveExtraHeight);
    else
        m_pClient->SetInsets(0, 0, 0, 0);
}

void SECWorkbookWnd::SetWorkbookMode(BOOL bWorkbook)
{
    m_bTabsShown = bWorkbook;
    ApplyClientInsets();
    if (m_hWnd == NULL)
        return;
    m_rectLastTabClient.SetRectEmpty();
    RecalcLayout();
    Invalidate();
}

void SECWorkbookWnd::ShowSheetIcons(BOOL bShow)
{
    m_bIconsShown = bShow;
    if (m_hWnd != NULL && m_bTabsShown)
        InvalidateRect(GetTabArea(), FALSE);
}

CRect SECWorkbookWnd::GetClientWndRect() const
{
    CRect rect(0, 0, 0, 0);
    if (m_hWndMDIClient != NULL)
    {
        ::GetWindowRect(m_hWndMDIClient, &rect);
        ::MapWindowPoints(NULL, m_hWnd, (LPPOINT)&rect, 2);
    }
    return rect;
}

CRect SECWorkbookWnd::GetTabArea() const
{
    const CRect rectClient = GetClientWndRect();
    return CRect(rectClient.left - kClientFrame, rectClient.bottom + kTabGap, rectClient.right + kClientFrame,
                 rectClient.bottom + kTabGap + m_nTabHeight + m_nActiveExtraHeight);
}

// ---- sheets

BOOL SECWorkbookWnd::CanActivateSheet(SECWorksheetWnd*)
{
    return TRUE;
}

BOOL SECWorkbookWnd::CalcTabWidth()
{
    const int nSheets = GetSheetCount();
    int nWidth = m_nMaxTabWidth;
    // Without sheets there is nothing to share: the widest tab.
    if (nSheets > 0)
        nWidth = std::min((GetClientWndRect().Width() + kClientFrame) / nSheets, m_nMaxTabWidth);
    if (nWidth == m_nTabWidth)
        return FALSE;
    m_nTabWidth = nWidth;
    return TRUE;
}

void SECWorkbookWnd::InvalidateTabsFrom(int nIndex)
{
    if (m_hWnd == NULL || !m_bTabsShown)
        return;
    CRect rect = GetTabArea();
    if (nIndex > 0 && nIndex < GetSheetCount())
    {
        TabPolygon polygon = GetTabPolygon(GetSheet(nIndex));
        rect.left = std::max(rect.left, (LONG)polygon.pts[0].x - m_nActiveExtraWidth);
    }
    InvalidateRect(rect, TRUE);
}

void SECWorkbookWnd::InvalidateTab(SECWorksheetWnd* pSheet)
{
    if (m_hWnd == NULL || !m_bTabsShown || pSheet == NULL || !IsSheetVisible(pSheet))
        return;
    TabPolygon polygon = GetTabPolygon(pSheet);
    CRgn rgn;
    rgn.CreatePolygonRgn(polygon.pts, 7, WINDING);
    CRect rect;
    rgn.GetRgnBox(&rect);
    rect.InflateRect(m_nActiveExtraWidth, 0, m_nActiveExtraWidth, m_nActiveExtraHeight + 1);
    InvalidateRect(rect, FALSE);
}

void SECWorkbookWnd::AddSheet(SECWorksheetWnd* pSheet)
{
    pSheet->m_nIndex = (int)m_sheets.Add(pSheet);
    if (CalcTabWidth() || GetSheetCount() == 1)
        InvalidateTabsFrom(0);
    else
        InvalidateTab(pSheet);
    if (m_pToolTip == NULL && m_hWnd != NULL)
    {
        m_pToolTip = new CToolTipCtrl;
        if (!m_pToolTip->Create(this))
        {
            delete m_pToolTip;
            m_pToolTip = NULL;
        }
        else
        {
            m_pToolTip->Activate(TRUE);
            EnableToolTips(TRUE);
        }
    }
}

void SECWorkbookWnd::RemoveSheet(SECWorksheetWnd* pSheet)
{
    const int nIndex = pSheet->m_nIndex;
    if (nIndex < 0 || nIndex >= GetSheetCount() || GetSheet(nIndex) != pSheet)
        return;
    m_sheets.RemoveAt(nIndex);
    pSheet->m_nIndex = -1;
    for (int i = nIndex; i < GetSheetCount(); i++)
        GetSheet(i)->m_nIndex = i;
    if (m_nLastActive >= GetSheetCount())
        m_nLastActive = 0;
    InvalidateTabsFrom(CalcTabWidth() ? 0 : nIndex);
}

SECWorksheetWnd* SECWorkbookWnd::GetActiveSheet() const
{
    return DYNAMIC_DOWNCAST(SECWorksheetWnd, const_cast<SECWorkbookWnd*>(this)->MDIGetActive());
}

BOOL SECWorkbookWnd::IsSheetVisible(SECWorksheetWnd* pSheet) const
{
    return pSheet->m_hWnd != NULL && (pSheet->GetStyle() & WS_VISIBLE) != 0;
}

int SECWorkbookWnd::VisiblePosition(SECWorksheetWnd* pSheet) const
{
    int nPos = 0;
    for (int i = 0; i < GetSheetCount(); i++)
    {
        SECWorksheetWnd* p = GetSheet(i);
        if (p == pSheet)
            return IsSheetVisible(p) ? nPos : -1;
        if (IsSheetVisible(p))
            nPos++;
    }
    return -1;
}

CString SECWorkbookWnd::GetSheetTitle(SECWorksheetWnd* pSheet) const
{
    CString strTitle;
    CDocument* pDoc = pSheet->GetActiveDocument();
    if (pDoc != NULL)
        strTitle = pDoc->GetTitle();
    else
        pSheet->GetWindowText(strTitle);
    return strTitle;
}

HICON SECWorkbookWnd::GetSheetIcon(SECWorksheetWnd* pSheet) const
{
    return m_bIconsShown ? pSheet->m_hSmallIcon : NULL;
}

void SECWorkbookWnd::SetSheetIcon(SECWorksheetWnd* pSheet, HICON hIcon, BOOL bRedraw)
{
    if (pSheet->m_hSmallIcon != NULL && pSheet->m_hSmallIcon != hIcon)
        ::DestroyIcon(pSheet->m_hSmallIcon);
    pSheet->m_hSmallIcon = hIcon;
    if (bRedraw)
        InvalidateTab(pSheet);
}

// ---- geometry

SECWorkbookWnd::TabPolygon SECWorkbookWnd::GetTabPolygon(SECWorksheetWnd* pSheet) const
{
    const CRect r = GetClientWndRect();
    const int a = pSheet == GetActiveSheet() ? 1 : 0;
    const int n = std::max(VisiblePosition(pSheet), 0);
    const int W = m_nTabWidth, H = m_nTabHeight, B = m_nBevel, E = m_nActiveExtraWidth,
              F = m_nActiveExtraHeight;
    TabPolygon polygon;
    POINT* p = polygon.pts;
    p[0].x = n * W - (E / 2) * a + r.left;
    p[0].y = r.bottom + kTabGap;
    p[1] = {p[0].x, p[0].y + H - B};
    p[2] = {p[0].x + B, p[1].y + B + F * a};
    p[3] = {p[2].x + W + E * a - 2 * B, p[2].y};
    p[4] = {p[3].x + B, p[1].y};
    p[5] = {p[4].x, p[0].y};
    p[6] = p[0];
    return polygon;
}

CRect SECWorkbookWnd::GetTabTextRect(const TabPolygon& polygon, int nIconWidth) const
{
    const POINT* p = polygon.pts;
    return CRect(p[2].x + nIconWidth + 3, p[0].y, p[4].x - 2, p[3].y);
}

BOOL SECWorkbookWnd::IsTabTextFit(SECWorksheetWnd* pSheet)
{
    const CRect rectText =
        GetTabTextRect(GetTabPolygon(pSheet), GetSheetIcon(pSheet) != NULL ? kIconSize : 0);
    CClientDC dc(this);
    CFont* pOld = dc.SelectObject(&m_tabFont);
    const CSize size = dc.GetTextExtent(GetSheetTitle(pSheet));
    dc.SelectObject(pOld);
    return size.cx <= rectText.Width();
}

CString PASCAL SECWorkbookWnd::ShortenTitle(CDC* pDC, const CString& strTitle, int cx)
{
    CString strText = strTitle;
    if (pDC->GetTextExtent(strText).cx <= cx)
        return strText;
    CString strBase = strTitle;
    while (strBase.GetLength() >= 4)
    {
        strBase = strBase.Left(strBase.GetLength() - 1);
        strText = strBase.Left(strBase.GetLength() - 3) + _T("...");
        if (pDC->GetTextExtent(strText).cx <= cx)
            break;
    }
    return strText;
}

// ---- painting

void SECWorkbookWnd::DrawTab(CDC* pDC, SECWorksheetWnd* pSheet)
{
    TabPolygon polygon = GetTabPolygon(pSheet);
    POINT* p = polygon.pts;
    CRgn rgn;
    rgn.CreatePolygonRgn(p, 7, WINDING);
    CBrush brush(::GetSysColor(COLOR_BTNFACE));
    pDC->FillRgn(&rgn, &brush);
    // Left side light, right side shadowed, the outer right and bottom black.
    CPen* pOld = pDC->SelectObject(&m_penHighlight);
    pDC->MoveTo(p[0]);
    pDC->LineTo(p[1]);
    pDC->LineTo(p[2]);
    pDC->SelectObject(&m_penShadow);
    pDC->MoveTo(p[3].x, p[3].y - 1);
    pDC->LineTo(p[4].x - 1, p[4].y);
    pDC->LineTo(p[5].x - 1, p[5].y);
    pDC->SelectObject(&m_penBlack);
    pDC->MoveTo(p[2]);
    pDC->LineTo(p[3]);
    pDC->LineTo(p[4]);
    pDC->LineTo(p[5]);
    pDC->SelectObject(pOld);
}

void SECWorkbookWnd::DrawTabContent(CDC* pDC, SECWorksheetWnd* pSheet)
{
    HICON hIcon = GetSheetIcon(pSheet);
    const int nIcon = hIcon != NULL ? kIconSize : 0;
    CRect rectText = GetTabTextRect(GetTabPolygon(pSheet), nIcon);
    if (hIcon != NULL)
        ::DrawIconEx(pDC->m_hDC, rectText.left - nIcon - 1, rectText.top + (rectText.Height() - nIcon) / 2,
                     hIcon, nIcon, nIcon, 0, NULL, DI_NORMAL);
    CFont* pOld = pDC->SelectObject(&m_tabFont);
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    const CString strText = ShortenTitle(pDC, GetSheetTitle(pSheet), rectText.Width());
    pDC->DrawText(strText, rectText, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    pDC->SelectObject(pOld);
}

void SECWorkbookWnd::DrawClientFrame(CDC* pDC)
{
    CRect rect = GetClientWndRect();
    rect.InflateRect(kClientFrame, kClientFrame);
    pDC->Draw3dRect(rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
}

void SECWorkbookWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rectMDI;
    if (!m_bTabsShown || m_hWndMDIClient == NULL)
        return;
    ::GetClientRect(m_hWndMDIClient, &rectMDI);
    if (rectMDI.IsRectEmpty())
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    if (rectClient != m_rectLastTabClient)
    {
        m_rectLastTabClient = rectClient;
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
    dc.SetBkMode(TRANSPARENT);
    SECWorksheetWnd* pActive = GetActiveSheet();
    for (int i = 0; i < GetSheetCount(); i++)
    {
        SECWorksheetWnd* pSheet = GetSheet(i);
        if (pSheet == pActive || !IsSheetVisible(pSheet))
            continue;
        DrawTab(&dc, pSheet);
        DrawTabContent(&dc, pSheet);
    }
    DrawClientFrame(&dc);
    // The active tab last, over its neighbours.
    if (pActive != NULL && pActive->m_nIndex >= 0 && IsSheetVisible(pActive))
    {
        DrawTab(&dc, pActive);
        DrawTabContent(&dc, pActive);
    }
}

BOOL SECWorkbookWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect rectPane;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rectPane);
    if (rectPane.IsRectEmpty())
        return TRUE;
    if (m_hWndMDIClient != NULL)
    {
        const CRect rectMDI = GetClientWndRect();
        pDC->ExcludeClipRect(rectMDI);
    }
    if (m_bTabsShown)
    {
        // Around the client only the tab strip: the frame is drawn when painting.
        pDC->FillSolidRect(GetTabArea() & rectPane, ::GetSysColor(COLOR_BTNFACE));
    }
    else
        pDC->FillSolidRect(rectPane, ::GetSysColor(COLOR_BTNFACE));
    CRect rectClient;
    GetClientRect(&rectClient);
    if (rectPane.bottom < rectClient.bottom)
    {
        pDC->FillSolidRect(rectPane.left, rectPane.bottom - 1, rectPane.Width(), 1,
                           ::GetSysColor(COLOR_BTNHIGHLIGHT));
        pDC->FillSolidRect(rectPane.left, rectPane.bottom - 2, rectPane.Width(), 1,
                           ::GetSysColor(COLOR_BTNSHADOW));
    }
    if (rectPane.right < rectClient.right)
    {
        pDC->FillSolidRect(rectPane.right - 1, rectPane.top, 1, rectPane.Height(),
                           ::GetSysColor(COLOR_BTNHIGHLIGHT));
        pDC->FillSolidRect(rectPane.right - 2, rectPane.top, 1, rectPane.Height(),
                           ::GetSysColor(COLOR_BTNSHADOW));
    }
    return TRUE;
}

void SECWorkbookWnd::RecalcLayout(BOOL bNotify)
{
    SECMDIFrameWnd::RecalcLayout(bNotify);
    if (!m_bTabsShown || m_hWnd == NULL)
        return;
    CRect rectPane;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rectPane);
    if (rectPane != m_rectLastTabClient)
    {
        CalcTabWidth();
        Invalidate();
    }
}

LRESULT SECWorkbookWnd::OnActiveChanged(WPARAM, LPARAM)
{
    if (!m_bTabsShown)
        return 0;
    if (m_nLastActive >= 0 && m_nLastActive < GetSheetCount())
        InvalidateTab(GetSheet(m_nLastActive));
    SECWorksheetWnd* pActive = GetActiveSheet();
    if (pActive != NULL && pActive->m_nIndex >= 0)
    {
        InvalidateTab(pActive);
        m_nLastActive = pActive->m_nIndex;
        if (!pActive->IsZoomed())
            UpdateWindow();
    }
    return 0;
}

// ---- mouse and tips

void SECWorkbookWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bTabsShown)
    {
        SECWorksheetWnd* pActive = GetActiveSheet();
        for (int i = 0; i < GetSheetCount(); i++)
        {
            SECWorksheetWnd* pSheet = GetSheet(i);
            if (pSheet == pActive || !IsSheetVisible(pSheet))
                continue;
            TabPolygon polygon = GetTabPolygon(pSheet);
            CRgn rgn;
            rgn.CreatePolygonRgn(polygon.pts, 7, WINDING);
            if (!rgn.PtInRegion(point) || !CanActivateSheet(pSheet))
                continue;
            pSheet->m_bActivatedFromTab = TRUE;
            UpdateWindow();
            pSheet->SendMessage(WM_MOUSEACTIVATE, (WPARAM)m_hWnd, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
            break;
        }
    }
    SECMDIFrameWnd::OnLButtonDown(nFlags, point);
}

void SECWorkbookWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    for (int i = 0; i < GetSheetCount(); i++)
        GetSheet(i)->m_bActivatedFromTab = FALSE;
    SECMDIFrameWnd::OnLButtonUp(nFlags, point);
}

INT_PTR SECWorkbookWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (!m_bTabsShown)
        return -1;
    SECWorkbookWnd* pThis = const_cast<SECWorkbookWnd*>(this);
    for (int i = 0; i < GetSheetCount(); i++)
    {
        SECWorksheetWnd* pSheet = GetSheet(i);
        if (!IsSheetVisible(pSheet))
            continue;
        TabPolygon polygon = GetTabPolygon(pSheet);
        CRgn rgn;
        rgn.CreatePolygonRgn(polygon.pts, 7, WINDING);
        if (!rgn.PtInRegion(point))
            continue;
        if (pThis->IsTabTextFit(pSheet))
            return -1;
        if (pTI != NULL)
        {
            CRect rectBox;
            rgn.GetRgnBox(&rectBox);
            pTI->hwnd = m_hWnd;
            pTI->uId = (UINT_PTR)(i + 1);
            pTI->rect = rectBox;
            // A copy: the caller frees the text.
            pTI->lpszText = _tcsdup(GetSheetTitle(pSheet));
        }
        return i + 1;
    }
    return -1;
}
