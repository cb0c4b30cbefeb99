// The sheet-tab strip.
#include "grid/excel/TabBeam.h"
#include "grid/excel/SheetTabClasses.h"
#include "grid/excel/TabMessages.h"
#include "grid/core/AppData.h"
#include "grid/core/DateTimeSettings.h"
#include "grid/core/FontFaceTable.h"
#include "grid/core/SysColorTable.h"
#include "PaintDC.h"
#include <algorithm>
#include "ClientDC.h"

IMPLEMENT_DYNCREATE(CGXTabBeam, CWnd)

BEGIN_MESSAGE_MAP(CGXTabBeam, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_SYSCOLORCHANGE()
ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

namespace
{
int NewLook()
{
    return GXGetAppData()->m_bWin4 ? 1 : 0;
}

int OldLook()
{
    return GXGetAppData()->m_bOldShell ? 1 : 0;
}

const COLORREF kGlyphDisabled = RGB(96, 96, 96);

LRESULT CALLBACK BeamClassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return GXAdoptSheetTabWindow(new CGXTabBeam, hWnd, message, wParam, lParam);
}
} // namespace

void AFXAPI CGXTabBeam::RegisterWndClass(HINSTANCE hInstance)
{
    GXRegisterSheetTabClass(hInstance, "CGXTabBeam", BeamClassProc);
}

CGXTabBeam::CGXTabBeam()
{
    m_nHeight = m_nButtonWidth = ::GetSystemMetrics(SM_CYHSCROLL);
    m_nButtonAreaWidth = 2 * m_nHeight;
    m_hcurArrow = ::LoadCursor(NULL, IDC_ARROW);
    m_brFrame.CreateSolidBrush(RGB(0, 0, 0));
}

CGXTabBeam::~CGXTabBeam()
{
    for (int i = 0; i < m_tabs.GetSize(); i++)
        delete (CGXTabInfo*)m_tabs[i];
    m_tabs.RemoveAll();
    delete m_pFontBold;
    delete m_pFontNormal;
}

void CGXTabBeam::PostNcDestroy()
{
    if (GXReleaseSheetTabWindow(this))
        delete this;
}

BOOL CGXTabBeam::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    // Not the class "CGXTabBeam": its procedure would become this window's default procedure.
    LPCTSTR pszClass = AfxRegisterWndClass(CS_DBLCLKS, m_hcurArrow);
    if (!CWnd::Create(pszClass, NULL, dwStyle | WS_CHILD, rect, pParentWnd, nID))
        return FALSE;
    CreateFonts();
    SetWindowPos(NULL, 0, 0, rect.right - rect.left, m_nHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    LoadColors();
    return TRUE;
}

CGXTabInfo& CGXTabBeam::GetTab(int nTab)
{
    return *(CGXTabInfo*)m_tabs[nTab];
}

void CGXTabBeam::CreateFonts()
{
    delete m_pFontBold;
    delete m_pFontNormal;
    m_pFontBold = m_pFontNormal = NULL;
    LOGFONT lf = {};
    if (::GetSystemMetrics(SM_DBCSENABLED))
    {
        HGDIOBJ hFont = ::GetStockObject(DEFAULT_GUI_FONT);
        if (hFont == NULL)
            hFont = ::GetStockObject(SYSTEM_FONT);
        ::GetObject(hFont, sizeof(lf), &lf);
    }
    else
    {
        lstrcpy(lf.lfFaceName, _T("Arial"));
        lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
        lf.lfClipPrecision = 0x12;
        lf.lfQuality = DEFAULT_QUALITY;
    }
    CGXFontFaceTable* pFaces = GXGetFontFaceTable();
    lf.lfCharSet = pFaces->GetCharSet(pFaces->FindOrAdd(lf.lfFaceName, lf.lfPitchAndFamily, lf.lfCharSet));
    lf.lfHeight = m_nHeight - 2;
    lf.lfWeight = FW_NORMAL;
    m_pFontNormal = new CFont;
    m_pFontNormal->CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_pFontBold = new CFont;
    m_pFontBold->CreateFontIndirect(&lf);
}

void CGXTabBeam::LoadColors()
{
    m_clrTextCurrent = m_clrText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_clrBackNormal = ::GetSysColor(COLOR_BTNFACE);
    m_clrBackSelected = ::GetSysColor(COLOR_WINDOW);
    m_clrEmpty = ::GetSysColor(COLOR_SCROLLBAR);
    m_brNormal.DeleteObject();
    m_brSelected.DeleteObject();
    m_penShadow.DeleteObject();
    m_brNormal.CreateSolidBrush(m_clrBackNormal);
    m_brSelected.CreateSolidBrush(m_clrBackSelected);
    m_penShadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
}

CWnd* CGXTabBeam::GetNotifyWnd()
{
    return m_pNotifyWnd != NULL ? m_pNotifyWnd : GetParent();
}

void CGXTabBeam::CancelRename()
{
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(WM_GX_TABCANCELEDIT, 0, 0);
}

int CGXTabBeam::GetTabAreaStart() const
{
    return m_bShowButtons ? m_nButtonAreaWidth + 1 : 0;
}

int CGXTabBeam::SpanOf(int nFrom, int nTo)
{
    int n = 0;
    for (int i = nFrom; i < nTo; i++)
        n += GetTab(i).nWidth + m_nSlant;
    return n;
}

// Geometry

int CGXTabBeam::GetTabLeft(int nTab)
{
    if (nTab >= m_nFirstTab)
        return GetTabAreaStart() + SpanOf(m_nFirstTab, nTab);
    return GetTabAreaStart() - SpanOf(nTab, m_nFirstTab);
}

int CGXTabBeam::TabFromPoint(int x)
{
    int nLeft = GetTabAreaStart();
    if (x <= nLeft)
        return m_nFirstTab - 1;
    for (int i = m_nFirstTab; i < m_nTabs; i++)
    {
        int nNext = nLeft + GetTab(i).nWidth + m_nSlant;
        if (x < nNext)
            return i;
        nLeft = nNext;
    }
    // The last tab reaches one slant further than the next one's left edge would lie.
    return m_nTabs > m_nFirstTab && x < nLeft + m_nSlant ? m_nTabs - 1 : -1;
}

int CGXTabBeam::GetLastVisibleTab()
{
    CRect rect;
    GetClientRect(&rect);
    int nLast = m_nFirstTab;
    int nLeft = GetTabAreaStart();
    for (int i = m_nFirstTab; i < m_nTabs; i++)
    {
        int w = GetTab(i).nWidth;
        if (nLeft + w + 2 * m_nSlant > rect.right)
            break;
        nLast = i;
        nLeft += w + m_nSlant;
    }
    return nLast;
}

void CGXTabBeam::MakeTabVisible(int nTab)
{
    if (nTab < 0 || nTab >= m_nTabs)
        return;
    int nOld = m_nFirstTab;
    if (nTab < m_nFirstTab)
        m_nFirstTab = nTab;
    else
        while (m_nFirstTab < nTab && nTab > GetLastVisibleTab())
            m_nFirstTab++;
    if (nOld != m_nFirstTab && GetSafeHwnd() != NULL)
        Invalidate(FALSE);
}

void CGXTabBeam::AdjustTabSize(int nTab)
{
    CGXTabInfo& tab = GetTab(nTab);
    CClientDC dc(this);
    CFont* pOld = dc.SelectObject(m_pFontBold);
    tab.nWidth = m_nSlant + dc.GetTextExtent(tab.sLabel).cx;
    dc.SelectObject(pOld);
    Invalidate(FALSE);
}

int CGXTabBeam::FindTab(const CWnd* pWnd) const
{
    for (int i = 0; i < m_nTabs; i++)
        if (((CGXTabInfo*)m_tabs[i])->pExtra == pWnd)
            return i;
    return -1;
}

// Tabs

void CGXTabBeam::InsertTab(BOOL bAtCurrent, LPCTSTR pszLabel, CWnd* pWnd, BOOL bOwnsWnd, int nWidth,
                           DWORD dwValue)
{
    CGXTabInfo* pTab = new CGXTabInfo;
    pTab->SetColors(m_clrBackNormal, m_clrBackSelected);
    pTab->sLabel = pszLabel != NULL ? pszLabel : _T("");
    pTab->pExtra = pWnd;
    pTab->bDeleteExtra = bOwnsWnd;
    pTab->dwValue = dwValue;
    int nAt = bAtCurrent && m_nCurrent >= 0 ? m_nCurrent : m_nTabs;
    m_tabs.InsertAt(nAt, pTab);
    m_nTabs++;
    if (nWidth < 0)
        AdjustTabSize(nAt);
    else
        pTab->nWidth = nWidth;
    if (m_nCurrent < 0)
    {
        m_nCurrent = m_nTabs - 1;
        MakeTabVisible(m_nCurrent);
    }
    Invalidate();
}

void CGXTabBeam::DeleteTab(int nTab)
{
    if (nTab < 0 || nTab >= m_nTabs)
        return;
    if (nTab == m_nCurrent)
        m_nCurrent = m_nFirstTab = 0;
    delete (CGXTabInfo*)m_tabs[nTab];
    m_tabs.RemoveAt(nTab);
    m_nTabs--;
    if (m_nFirstTab >= m_nTabs)
        m_nFirstTab = std::max(0, m_nTabs - 1);
    if (m_nTabs == 0)
        m_nCurrent = -1;
    else if (m_nCurrent >= m_nTabs)
        m_nCurrent = m_nTabs - 1;
    else if (nTab < m_nCurrent)
        m_nCurrent--; // the same tab stays current
    Invalidate();
}

// Drawing

void CGXTabBeam::DrawTab(CDC* pDC, int nTab)
{
    CGXTabInfo& tab = GetTab(nTab);
    const int s = m_nSlant, x = GetTabLeft(nTab), w = tab.nWidth;
    const int T = m_nHeight - OldLook();
    const BOOL bCurrent = nTab == m_nCurrent;
    POINT pts[4] = {{x, 0}, {x + w + 2 * s, 0}, {x + s + w, T}, {x + s, T}};
    CRgn rgn;
    rgn.CreatePolygonRgn(pts, 4, ALTERNATE);
    CBrush* pBrush;
    if (!bCurrent && !tab.bSel)
        pBrush = (tab.flags & CGXTabInfo::useOwnNormalBrush) ? tab.GetNormalBrush() : &m_brNormal;
    else
        pBrush = (tab.flags & CGXTabInfo::useOwnSelectedBrush) ? tab.GetSelectedBrush() : &m_brSelected;
    pDC->FillRgn(&rgn, pBrush);
    pDC->FrameRgn(&rgn, &m_brFrame, 1, 1);
    if (bCurrent)
        pDC->FillSolidRect(x, 0, w + 2 * s, 1, m_clrBackSelected); // open towards the sheet
    CPen* pOldPen = pDC->SelectObject(&m_penShadow);
    pDC->MoveTo(x + s + 1, T - 1);
    pDC->LineTo(x + s + w - 1, T - 1);
    pDC->LineTo(x + w + 2 * s - 2, 0);
    pDC->SelectObject(pOldPen);

    pDC->SetTextColor(bCurrent ? m_clrTextCurrent : m_clrText);
    pDC->SetBkColor(tab.bSel ? m_clrBackSelected : m_clrBackNormal);
    pDC->SetBkMode(TRANSPARENT);
    CFont* pOldFont = pDC->SelectObject(bCurrent ? m_pFontBold : m_pFontNormal);
    int nTop = std::max<int>(0, (m_nHeight - pDC->GetTextExtent(_T("t"), 1).cy) / 2);
    CRect rect(x + s, nTop, x + s + w, m_nHeight);
    pDC->DrawText(tab.sLabel, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(pOldFont);
}

BOOL CGXTabBeam::IsButtonDisabled(int nButton)
{
    if (m_nTabs < 2)
        return TRUE;
    if (nButton <= 1)
        return m_nFirstTab == 0;
    CRect rect;
    GetClientRect(&rect);
    return TabFromPoint(rect.right) == -1;
}

void CGXTabBeam::DrawButton(CDC* pDC, int nButton, BOOL bPressed)
{
    CGXSysColorTable* pColors = GXGetSysColorTable();
    const COLORREF clrFrame = pColors->GetColor(COLOR_WINDOWFRAME),
                   clrFace = pColors->GetColor(COLOR_BTNFACE), clrShadow = pColors->GetColor(COLOR_BTNSHADOW),
                   clrHilite = pColors->GetColor(COLOR_BTNHIGHLIGHT);
    const int g = NewLook(), h = m_nHeight, w = m_nButtonWidth, d = bPressed ? 1 : 0;
    const int p = m_nButtons == 2 ? nButton - 1 : nButton;
    const int x0 = p * m_nHeight, x1 = (p + 1) * m_nHeight;

    pDC->FillSolidRect(x0, 0, w, 1, clrFrame);
    pDC->FillSolidRect(x0 + 1, h, w - 1, 1, clrFrame);
    pDC->FillSolidRect(x0, 1, 1, h - 1, clrFrame);
    pDC->FillSolidRect(x0 + w, 1, 1, h - 1, clrFrame);
    pDC->FillSolidRect(x0 + 1, 1, w - 1, h - 1, clrFace);
    if (bPressed)
    {
        pDC->FillSolidRect(x0 + 1, 1, 1, h - 1, clrShadow);
        pDC->FillSolidRect(x0 + 1, 1, w - 1, 1, clrShadow);
        pDC->FillSolidRect(x0 + 1, 2, w - 1, 1, clrShadow);
        pDC->FillSolidRect(x0 + w - 1, 1, 1, h - 1, clrShadow);
        pDC->FillSolidRect(x0 + 1, h - 1, w - 1, 1, clrShadow);
    }
    else if (g)
    {
        pDC->FillSolidRect(x0 + 2, 2, 1, h - 3, clrHilite);
        pDC->FillSolidRect(x0 + 2, 2, w - 3, 1, clrHilite);
        pDC->FillSolidRect(x0 + w - 1, 2, 1, h - 2, clrShadow);
        pDC->FillSolidRect(x0 + 2, h - 2, w - 2, 1, clrShadow);
    }
    else
    {
        pDC->FillSolidRect(x0 + 1, 1, 1, h - 2, clrHilite);
        pDC->FillSolidRect(x0 + 1, 1, w - 2, 1, clrHilite);
        pDC->FillSolidRect(x0 + w - 1, 1, 1, h - 1, clrShadow);
        pDC->FillSolidRect(x0 + 1, h - 2, w - 1, 1, clrShadow);
        pDC->FillSolidRect(x0 + w - 2, 2, 1, h - 3, clrShadow);
        pDC->FillSolidRect(x0 + 2, h - 3, w - 3, 1, clrShadow);
    }
    if (g)
        pDC->FillSolidRect(x0, h - 1, w, 1, RGB(0, 0, 0));

    // The glyph: a triangle of vertical lines, with a bar for first and last.
    const COLORREF clrGlyph = IsButtonDisabled(nButton) ? kGlyphDisabled : RGB(0, 0, 0);
    const BOOL bLarge = h >= 20;
    const int gw = (bLarge ? 6 : 5) + 2 * g, m = (w - gw) / 2, bh = bLarge ? 9 : 7;
    const int tt = (h - 9) / 2 + d, nLines = bLarge ? 5 : 4;
    for (int k = 0; k < nLines; k++)
    {
        int x = nButton <= 1 ? x0 + m + 1 + d + k : x1 - m + d - 2 - k;
        pDC->FillSolidRect(x, tt + 4 - k, 1, 2 * k + 1, clrGlyph);
    }
    if (nButton == 0)
        pDC->FillSolidRect(x0 + m - 1 + d, (h - bh) / 2, 1, bh, clrGlyph);
    else if (nButton == 3)
        pDC->FillSolidRect(x1 - m + d, (h - bh) / 2, 1, bh, clrGlyph);
}

void CGXTabBeam::DrawButtons(CDC* pDC)
{
    int nFirst = m_nButtons == 2 ? 1 : 0;
    for (int b = nFirst; b < nFirst + m_nButtons; b++)
        DrawButton(pDC, b, m_bPressedLook && b == m_nPressed);
}

void CGXTabBeam::OnPaint()
{
    CPaintDC dc(this);
    CRect area;
    dc.GetClipBox(&area);
    if (m_nRepaintHint >= 0)
        area.left = std::max(0, m_nRepaintHint - 1);
    if (area.IsRectEmpty())
        return;
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, area.Width(), area.Height());
    CBitmap* pOldBitmap = mem.SelectObject(&bitmap);
    mem.SetWindowOrg(area.left, area.top);
    mem.SetBrushOrg(area.left % 8, area.top % 8);
    CFont* pOldFont = mem.SelectObject(m_pFontNormal);

    const int nStart = GetTabAreaStart();
    if (m_bShowButtons && (m_nRepaintHint == -2 || area.left < nStart))
        DrawButtons(&mem);

    CRect tabs(std::max<int>(area.left, nStart), area.top, area.right, area.bottom);
    if (!tabs.IsRectEmpty())
    {
        mem.IntersectClipRect(&tabs);
        CRect client;
        GetClientRect(&client);
        mem.FillSolidRect(tabs.left, 1, tabs.Width(), client.bottom, m_clrEmpty);
        mem.FillSolidRect(tabs.left, 0, tabs.Width(), 1, RGB(0, 0, 0));
        if (m_nTabs > 0)
        {
            int nHigh = TabFromPoint(tabs.right + m_nSlant);
            if (nHigh < 0)
                nHigh = m_nTabs - 1;
            int nLow = std::max(0, TabFromPoint(tabs.left) - 1);
            for (int i = nHigh; i >= nLow; i--)
                if (i != m_nCurrent)
                    DrawTab(&mem, i);
            if (m_nCurrent >= nLow && m_nCurrent <= nHigh)
                DrawTab(&mem, m_nCurrent);
        }
        mem.SelectClipRgn(NULL);
    }
    dc.BitBlt(area.left, area.top, area.Width(), area.Height(), &mem, area.left, area.top, SRCCOPY);
    mem.SelectObject(pOldFont);
    mem.SelectObject(pOldBitmap);
}

BOOL CGXTabBeam::OnEraseBkgnd(CDC* pDC)
{
    if (m_nRepaintHint >= 0)
    {
        CRect rect;
        GetClientRect(&rect);
        rect.left = std::max(0, m_nRepaintHint - 1);
        rect.top = 1;
        pDC->FillSolidRect(&rect, m_clrEmpty);
    }
    return TRUE;
}

// Buttons

int CGXTabBeam::ButtonFromPoint(int x, int y, int nExpected)
{
    if (y < 0 || y > m_nHeight || x < 0 || x >= m_nButtonAreaWidth || m_nButtonWidth <= 0)
        return -1;
    int nButton = x / m_nButtonWidth + (m_nButtons == 2 ? 1 : 0);
    CRect rect;
    GetClientRect(&rect);
    if (nButton <= 1 && m_nFirstTab == 0)
        return -1;
    if (nButton >= 2 && TabFromPoint(rect.right) == -1)
        return -1;
    if (nExpected != -1 && nButton != nExpected)
        return -1;
    ScrollTabs(nButton);
    return nButton;
}

void CGXTabBeam::ScrollTabs(int nButton)
{
    CancelRename();
    int nTarget;
    switch (nButton)
    {
    case 0:
        nTarget = 0;
        break;
    case 1:
        nTarget = m_nFirstTab - 1;
        break;
    case 2:
        nTarget = m_nFirstTab + 1;
        break;
    default:
        nTarget = m_nTabs - 1;
        break;
    }
    // The largest first index still worth scrolling to: the last tabs fill the tab area.
    CRect client;
    GetClientRect(&client);
    const int nStart = GetTabAreaStart(), nArea = client.right - nStart;
    int nMaxFirst = m_nTabs - 1;
    if (nMaxFirst >= 0)
    {
        int nSum = GetTab(nMaxFirst).nWidth + 2 * m_nSlant;
        while (nMaxFirst > m_nFirstTab && nSum + GetTab(nMaxFirst - 1).nWidth + m_nSlant <= nArea)
            nSum += GetTab(--nMaxFirst).nWidth + m_nSlant;
    }
    nTarget = std::max(0, std::min(nTarget, nMaxFirst));
    if (nTarget == m_nFirstTab)
        return;
    CRect rectTabs(nStart, 0, client.right, client.bottom);
    if (nTarget < m_nFirstTab)
    {
        int dx = SpanOf(nTarget, m_nFirstTab);
        ScrollWindow(dx, 0, &rectTabs, &rectTabs);
        InvalidateRect(CRect(nStart, 0, nStart + dx + m_nSlant, client.bottom), FALSE);
    }
    else
        ScrollWindow(-SpanOf(m_nFirstTab, nTarget), 0, &rectTabs, &rectTabs);
    m_nFirstTab = nTarget;
}

void CGXTabBeam::TrackButton(UINT nEndMessage)
{
    SetCapture();
    DWORD dwDelayMs = 200;
    DWORD dwLast = ::GetTickCount();
    for (;;)
    {
        // The capture taken elsewhere means the release may never come here.
        if (::GetCapture() != m_hWnd)
            break;
        MSG msg;
        if (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
            {
                ::PostQuitMessage((int)msg.wParam);
                break;
            }
            if (msg.message == WM_CANCELMODE)
            {
                ::DispatchMessage(&msg);
                break;
            }
            if (msg.message == WM_MOUSEMOVE)
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
            if (msg.message == nEndMessage)
                break;
            continue;
        }
        DWORD dwWaited = ::GetTickCount() - dwLast;
        if (dwWaited > dwDelayMs)
        {
            CPoint point;
            ::GetCursorPos(&point);
            ScreenToClient(&point);
            OnMouseMoveAt(point);
            dwLast = ::GetTickCount();
            if (dwDelayMs > 100)
                dwDelayMs -= 20;
        }
        else
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, dwDelayMs - dwWaited + 1, QS_ALLINPUT);
    }
    m_bTracking = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

// Mouse

void CGXTabBeam::SelectTabAt(int x, int y)
{
    (void)y;
    const int nStart = GetTabAreaStart();
    if (m_bShowButtons && x < nStart)
        return;
    int nTab = x < nStart + m_nSlant ? std::max(0, m_nFirstTab - 1) : TabFromPoint(x);
    if (nTab < 0 || nTab >= m_nTabs)
        return;
    if (GetNotifyWnd()->SendMessage(WM_GX_TABCANACTIVATE, nTab, 0) != 0)
        return;
    BOOL bChanged = nTab != m_nCurrent;
    m_nCurrent = nTab;
    if (!GetTab(nTab).bSel)
    {
        for (int i = 0; i < m_nTabs; i++)
            bChanged |= GetTab(i).bSel;
        for (int i = 0; i < m_nTabs; i++)
            GetTab(i).bSel = FALSE;
    }
    MakeTabVisible(nTab);
    if (bChanged)
        Invalidate(FALSE);
    GetNotifyWnd()->PostMessage(WM_GX_TABSELECT, nTab, 0);
}

void CGXTabBeam::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_nPressed = ButtonFromPoint(point.x, point.y, -1);
    if (m_nPressed >= 0)
    {
        m_bPressedLook = TRUE;
        {
            CClientDC dc(this);
            DrawButton(&dc, m_nPressed, TRUE);
        }
        m_bTracking = TRUE;
        TrackButton(WM_LBUTTONUP);
        return;
    }
    if (m_bShowButtons && point.x < GetTabAreaStart())
        return;
    const BOOL bCtrl = (nFlags & MK_CONTROL) != 0, bShift = (nFlags & MK_SHIFT) != 0;
    if (!bCtrl && !bShift)
    {
        SelectTabAt(point.x, point.y);
        return;
    }
    int nTab = TabFromPoint(point.x);
    if (nTab < 0 || nTab >= m_nTabs)
        return;
    if (bCtrl)
        GetTab(nTab).bSel = !GetTab(nTab).bSel;
    else
    {
        if (m_nCurrent < 0)
            return;
        int nStep = nTab < m_nCurrent ? 1 : -1;
        for (int i = nTab; i != m_nCurrent; i += nStep)
            GetTab(i).bSel = TRUE;
    }
    CRect rect;
    GetClientRect(&rect);
    rect.left = GetTabAreaStart();
    InvalidateRect(&rect, FALSE);
}

void CGXTabBeam::OnMouseMoveAt(CPoint point)
{
    ::SetCursor(m_hcurArrow);
    if (!m_bTracking || m_nPressed < 0)
        return;
    BOOL bLook = ButtonFromPoint(point.x, point.y, m_nPressed) >= 0;
    if (bLook != m_bPressedLook)
    {
        m_bPressedLook = bLook;
        CClientDC dc(this);
        DrawButtons(&dc);
    }
}

void CGXTabBeam::OnMouseMove(UINT, CPoint point)
{
    OnMouseMoveAt(point);
}

void CGXTabBeam::OnLButtonUp(UINT, CPoint)
{
    m_bTracking = FALSE;
    if (m_bPressedLook)
    {
        m_bPressedLook = FALSE;
        CClientDC dc(this);
        DrawButtons(&dc);
    }
}

void CGXTabBeam::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (point.x >= GetTabAreaStart() && TabFromPoint(point.x) != -1)
    {
        if (m_nCurrent >= m_nFirstTab)
            GetNotifyWnd()->PostMessage(WM_GX_TABSTARTEDIT, m_nCurrent, 0);
        return;
    }
    OnLButtonDown(nFlags, point);
}

// System changes

void CGXTabBeam::OnSysColorChange()
{
    GXGetSysColorTable()->Refresh();
    LoadColors();
    Invalidate();
}

void CGXTabBeam::OnSettingChange(UINT, LPCTSTR)
{
    GXRefreshDateTimeSettings();
    int cyH = ::GetSystemMetrics(SM_CYHSCROLL);
    if (cyH != m_nHeight)
    {
        m_nHeight = m_nButtonWidth = cyH;
        m_nButtonAreaWidth = m_nButtons * cyH;
        CreateFonts();
        for (int i = 0; i < m_nTabs; i++)
            AdjustTabSize(i);
    }
    Invalidate();
}
