#include "uilib/bars/3DTabControl.h"
#include <cstring>

IMPLEMENT_DYNAMIC(SEC3DTab, SECTab)
IMPLEMENT_DYNAMIC(SEC3DTabControl, SECTabControlBase)

BEGIN_MESSAGE_MAP(SEC3DTabControl, SECTabControlBase)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_SYSCOLORCHANGE()
ON_WM_SIZE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{

// Tab outlines as polylines on the tab rectangle. A coordinate is a base edge of the rectangle
// plus an offset; r and b are the far edges, one pixel in with the inset style.
enum Base : char
{
    L,
    T,
    R,
    B,
    r,
    b
};
enum PenKind : char
{
    highlight,
    shadow,
    black
};
struct OutlinePoint
{
    Base xBase;
    int dx;
    Base yBase;
    int dy;
};
struct Stroke
{
    PenKind pen;
    int nPoints;
    OutlinePoint points[7];
};
struct Outline
{
    int nStrokes;
    Stroke strokes[5];
};

const Outline kBottom = {3,
                         {{highlight, 2, {{L, 0, T, 1}, {L, 0, B, -2}}},
                          {shadow,
                           7,
                           {{L, 1, B, -2},
                            {L, 1, B, -1},
                            {r, -2, B, -1},
                            {r, -2, B, -2},
                            {r, -1, B, -2},
                            {r, -1, T, 0},
                            {r, 0, T, 0}}},
                          {black, 4, {{r, 0, T, 2}, {r, 0, B, -2}, {r, -2, B, 0}, {L, 2, B, 0}}}}};
const Outline kTop = {3,
                      {{highlight, 4, {{L, 0, B, -1}, {L, 0, T, 2}, {L, 2, T, 0}, {r, -2, T, 0}}},
                       {shadow, 3, {{r, -2, T, 1}, {r, -1, T, 2}, {r, -1, B, 0}}},
                       {black, 3, {{r, -1, T, 1}, {r, 0, T, 2}, {r, 0, B, 0}}}}};
const Outline kLeft = {3,
                       {{shadow, 3, {{L, 1, b, -2}, {L, 2, b, -1}, {R, 0, b, -1}}},
                        {highlight, 4, {{L, 0, b, -2}, {L, 0, T, 2}, {L, 2, T, 0}, {R, 0, T, 0}}},
                        {black, 3, {{L, 1, b, -1}, {L, 2, b, 0}, {R, 0, b, 0}}}}};
const Outline kRight = {5,
                        {{highlight, 2, {{L, 0, T, 0}, {R, -2, T, 0}}},
                         {shadow, 3, {{R, -2, T, 0}, {R, -1, T, 1}, {R, -1, b, -2}}},
                         {black, 2, {{R, 0, T, 2}, {R, 0, b, -2}}},
                         {shadow, 3, {{R, -1, b, -2}, {R, -2, b, -1}, {L, 0, b, -1}}},
                         {black, 3, {{R, 0, b, -2}, {R, -2, b, 0}, {L, 0, b, 0}}}}};

// Focus rectangle insets (left, top, right, bottom) per strip side.
struct FocusInset
{
    DWORD dwSide;
    int l, t, rr, bb;
};
const FocusInset kFocusInsets[] = {{SEC_TABS_TOP, 2, 2, 3, 1},
                                   {SEC_TABS_BOTTOM, 2, 1, 3, 2},
                                   {SEC_TABS_LEFT, 2, 2, 1, 3},
                                   {SEC_TABS_RIGHT, 1, 2, 2, 3}};

const TCHAR kEllipsis[] = _T("...");

void DrawOutline(CDC* pDC, const RECT& rc, DWORD dwStyle, const Outline& outline, CPen* pHighlight,
                 CPen* pShadow, CPen* pBlack)
{
    int nInset = (dwStyle & SEC_TABS_INSET_FAR_EDGE) ? 1 : 0;
    const int bases[] = {rc.left, rc.top, rc.right, rc.bottom, rc.right - nInset, rc.bottom - nInset};
    for (int s = 0; s < outline.nStrokes; ++s)
    {
        const Stroke& stroke = outline.strokes[s];
        CPen* pens[] = {pHighlight, pShadow, pBlack};
        CPen* pOld = pDC->SelectObject(pens[stroke.pen]);
        for (int p = 0; p < stroke.nPoints; ++p)
        {
            const OutlinePoint& pt = stroke.points[p];
            int x = bases[pt.xBase] + pt.dx;
            int y = bases[pt.yBase] + pt.dy;
            if (p == 0)
                pDC->MoveTo(x, y);
            else
                pDC->LineTo(x, y);
        }
        pDC->SelectObject(pOld);
    }
}

} // namespace

SEC3DTabControl::SEC3DTabControl()
    : m_bAutoShorten(TRUE), m_nTabHeightHorz(22), m_nTabHeightVert(22), m_nStartHorz(7), m_nStartVert(7),
      m_bToolTipCapture(FALSE), m_crText(::GetSysColor(COLOR_BTNTEXT)),
      m_crActiveText(::GetSysColor(COLOR_BTNTEXT)), m_bShowLabels(TRUE)
{
}

SEC3DTabControl::~SEC3DTabControl()
{
    DeleteFonts();
}

void SEC3DTabControl::Initialize(DWORD dwStyle)
{
    CreateFonts(dwStyle);
    m_penBlack.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    m_penBlack2.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    RecreatePens();
    m_crText = ::GetSysColor(COLOR_BTNTEXT);
    m_crActiveText = m_crText;
    EnableToolTips(TRUE);
}

void SEC3DTabControl::RecreatePens()
{
    m_penShadow.DeleteObject();
    m_penHighlight.DeleteObject();
    m_penShadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    m_penHighlight.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
}

SECTab* SEC3DTabControl::CreateTabRecord()
{
    return new SEC3DTab;
}

BOOL SEC3DTabControl::IsVertical() const
{
    return (GetStyle() & (SEC_TABS_LEFT | SEC_TABS_RIGHT)) != 0;
}

BOOL SEC3DTabControl::HasTabStop() const
{
    if (GetStyle() & WS_TABSTOP)
        return TRUE;
    CWnd* pParent = GetParent();
    return pParent != NULL && (pParent->GetStyle() & WS_TABSTOP) != 0;
}

BOOL SEC3DTabControl::CreateFonts(DWORD dwStyle)
{
    LOGFONT lf = {};
    lf.lfHeight = 15;
    lstrcpyn(lf.lfFaceName, _T("Arial Narrow"), LF_FACESIZE);
    lf.lfPitchAndFamily = 0x20;
    lf.lfEscapement = (dwStyle & SEC_TABS_LEFT) ? 900 : (dwStyle & SEC_TABS_RIGHT) ? -900 : 0;
    lf.lfOrientation = lf.lfEscapement;
    m_fontNormal.DeleteObject();
    m_fontActive.DeleteObject();
    lf.lfWeight = FW_NORMAL;
    BOOL bNormal = m_fontNormal.CreateFontIndirect(&lf);
    lf.lfWeight = 600;
    BOOL bActive = m_fontActive.CreateFontIndirect(&lf);
    return bNormal && bActive;
}

void SEC3DTabControl::DeleteFonts()
{
    m_fontNormal.DeleteObject();
    m_fontActive.DeleteObject();
    m_penBlack.DeleteObject();
    m_penBlack2.DeleteObject();
    m_penShadow.DeleteObject();
    m_penHighlight.DeleteObject();
}

void SEC3DTabControl::EnableTab(int nIndex, BOOL bEnable)
{
    SEC3DTab* pTab = GetTab3D(nIndex);
    if (pTab == NULL || !pTab->m_bEnabled == !bEnable)
        return;
    pTab->m_bEnabled = bEnable;
    InvalidateTab(nIndex);
}

BOOL SEC3DTabControl::IsTabEnabled(int nIndex) const
{
    SEC3DTab* pTab = GetTab3D(nIndex);
    return pTab != NULL && pTab->m_bEnabled;
}

BOOL SEC3DTabControl::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    BOOL bResult = CWnd::ModifyStyle(dwRemove, dwAdd, nFlags);
    if (dwAdd & SEC_TABS_SIDES)
        CreateFonts(GetStyle());
    RecalcLayout();
    return bResult;
}

BOOL SEC3DTabControl::SetTabFont(CFont* pFont, int nWhich, BOOL bRedraw)
{
    if (pFont == NULL || pFont->GetSafeHandle() == NULL)
        return FALSE;
    CFont& target = nWhich == 1 ? m_fontActive : m_fontNormal;
    LOGFONT lfOld = {};
    target.GetLogFont(&lfOld);
    LOGFONT lf = {};
    pFont->GetLogFont(&lf);
    DWORD dwStyle = GetStyle();
    lf.lfEscapement = (dwStyle & SEC_TABS_LEFT) ? 900 : (dwStyle & SEC_TABS_RIGHT) ? -900 : 0;
    lf.lfOrientation = lf.lfEscapement;
    target.DeleteObject();
    if (!target.CreateFontIndirect(&lf))
    {
        target.CreateFontIndirect(&lfOld);
        return FALSE;
    }
    RecalcLayout();
    if (bRedraw)
    {
        if (nWhich == 1 && m_bActiveTab)
            InvalidateTab(m_nActiveTab);
        else
            for (int i = 0; i < GetTabCount(); ++i)
                InvalidateTab(i);
    }
    return TRUE;
}

int SEC3DTabControl::LabelWidth(const CString& strLabel) const
{
    if (m_hWnd == NULL)
        return 0;
    CClientDC dc(const_cast<SEC3DTabControl*>(this));
    CFont* pOld =
        m_fontActive.GetSafeHandle() != NULL ? dc.SelectObject(const_cast<CFont*>(&m_fontActive)) : NULL;
    int cx = dc.GetTextExtent(strLabel).cx;
    if (pOld != NULL)
        dc.SelectObject(pOld);
    return cx;
}

int SEC3DTabControl::MeasureShown() const
{
    int nTotal = 0;
    for (int i = 0; i < GetTabCount(); ++i)
    {
        SEC3DTab* pTab = GetTab3D(i);
        nTotal += kTabMargin + (pTab->m_hIcon != NULL ? kIconRoom : 0);
        if (m_bShowLabels)
            nTotal += LabelWidth(pTab->m_csLabel) + kTabMargin;
    }
    return nTotal;
}

void SEC3DTabControl::ShortenLabels(int nNeeded, int nMinimal, int nAvailable)
{
    int nCount = GetTabCount();
    if (nAvailable <= nMinimal)
    {
        m_bShowLabels = FALSE;
        for (int i = 0; i < nCount; ++i)
            GetTab3D(i)->SetLabel(GetTab3D(i)->m_csFullLabel);
        return;
    }
    m_bShowLabels = TRUE;
    // The shortest the strip can get: every label of three or more characters as "...".
    for (int i = 0; i < nCount; ++i)
    {
        SEC3DTab* pTab = GetTab3D(i);
        BOOL bShorten = pTab->m_csFullLabel.GetLength() >= 3;
        pTab->m_csLabel = bShorten ? CString(kEllipsis) : pTab->m_csFullLabel;
        pTab->m_bShortened = bShorten;
    }
    if (MeasureShown() + kSlack > nAvailable)
        return;
    for (int i = 0; i < nCount; ++i)
        GetTab3D(i)->SetLabel(GetTab3D(i)->m_csFullLabel);

    // Shorten the widest label by one character at a time. A label keeps at least one character
    // before its "...", and the loop ends when no label can shrink any more.
    while (nNeeded + kSlack > nAvailable)
    {
        int nWidest = -1;
        int cxWidest = -1;
        for (int i = 0; i < nCount; ++i)
        {
            SEC3DTab* pTab = GetTab3D(i);
            // "abcde" -> "a...", "ab..." -> "a...": five characters or more can lose one.
            BOOL bCanShrink = pTab->m_csLabel.GetLength() >= 5;
            int cx = LabelWidth(pTab->m_csLabel);
            if (bCanShrink && cx > cxWidest)
            {
                nWidest = i;
                cxWidest = cx;
            }
        }
        if (nWidest < 0)
            break;
        SEC3DTab* pTab = GetTab3D(nWidest);
        // The first time the last four characters become "...", later the one before "..." goes.
        pTab->m_csLabel = pTab->m_csLabel.Left(pTab->m_csLabel.GetLength() - 4) + kEllipsis;
        pTab->m_bShortened = TRUE;
        nNeeded = MeasureShown();
    }
}

RECT SEC3DTabControl::CalcTabRect(int nIndex, int x, int y, DWORD dwStyle)
{
    SEC3DTab* pTab = GetTab3D(nIndex);
    int nAlong = kTabMargin + (pTab->m_hIcon != NULL ? kIconRoom : 0);
    if (m_bShowLabels)
        nAlong += LabelWidth(pTab->m_csLabel) + kTabMargin;
    BOOL bVertical = (dwStyle & (SEC_TABS_LEFT | SEC_TABS_RIGHT)) != 0;
    int nAcross = bVertical ? m_nTabHeightVert : m_nTabHeightHorz;
    RECT rc;
    if (bVertical)
        ::SetRect(&rc, x, y, x + nAcross, y + nAlong);
    else
        ::SetRect(&rc, x, y, x + nAlong, y + nAcross);
    pTab->m_nWidth = rc.right - rc.left;
    pTab->m_nHeight = rc.bottom - rc.top;
    pTab->m_rect = rc;
    return rc;
}

void SEC3DTabControl::RecalcLayout()
{
    if (m_hWnd == NULL)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    DWORD dwStyle = GetStyle();
    BOOL bVertical = IsVertical();
    int nCount = GetTabCount();
    int nTotal = 0;
    for (int i = 0; i < nCount; ++i)
    {
        SEC3DTab* pTab = GetTab3D(i);
        nTotal += kTabMargin + (pTab->m_hIcon != NULL ? kIconRoom : 0) + LabelWidth(pTab->m_csFullLabel) +
                  kTabMargin;
    }
    int nAvailable = bVertical ? rcClient.Height() : rcClient.Width();
    if (m_bAutoShorten)
        ShortenLabels(nTotal, kIconRoom * nCount, nAvailable);
    else
    {
        for (int i = 0; i < nCount; ++i)
            GetTab3D(i)->SetLabel(GetTab3D(i)->m_csFullLabel);
        m_bShowLabels = nAvailable > nTotal + kSlack;
    }

    int x, y;
    if (dwStyle & SEC_TABS_LEFT)
        x = rcClient.right - m_nTabHeightVert - 3;
    else if (dwStyle & SEC_TABS_RIGHT)
        x = rcClient.left + 2;
    else
        x = rcClient.left + m_nStartHorz;
    if (dwStyle & SEC_TABS_TOP)
        y = rcClient.bottom - m_nTabHeightHorz - 3;
    else if (bVertical)
        y = rcClient.top + m_nStartVert;
    else
        y = rcClient.top + 2;
    for (int i = 0; i < nCount; ++i)
    {
        RECT rc = CalcTabRect(i, x, y, dwStyle);
        if (bVertical)
            y = rc.bottom;
        else
            x = rc.right;
    }

    if (m_bActiveTab && IsTabIndexValid(m_nActiveTab) && !(dwStyle & SEC_TABS_NO_ACTIVE_GROW))
    {
        RECT& rc = GetTab3D(m_nActiveTab)->m_rect;
        if (bVertical)
        {
            rc.top -= kActiveGrow;
            rc.bottom += kActiveGrow;
            if (dwStyle & SEC_TABS_LEFT)
                rc.left -= kActiveGrow;
            else
                rc.right += kActiveGrow;
        }
        else
        {
            rc.left -= kActiveGrow;
            rc.right += kActiveGrow;
            if (dwStyle & SEC_TABS_TOP)
                rc.top -= kActiveGrow;
            else
                rc.bottom += kActiveGrow;
        }
    }
}

void SEC3DTabControl::OnActivateTab(int)
{
    RecalcLayout();
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

BOOL SEC3DTabControl::GetTabRect(int nIndex, RECT& rect) const
{
    SEC3DTab* pTab = GetTab3D(nIndex);
    if (pTab == NULL)
        return FALSE;
    rect = pTab->m_rect;
    return TRUE;
}

void SEC3DTabControl::InvalidateTab(int nIndex)
{
    SEC3DTab* pTab = GetTab3D(nIndex);
    if (pTab == NULL || m_hWnd == NULL)
        return;
    CRect rc(pTab->m_rect);
    rc.right += 1;
    rc.bottom += 1;
    InvalidateRect(rc, TRUE);
}

void SEC3DTabControl::SetTabIcon(int nIndex, LPCTSTR lpszResource, int cx, int cy)
{
    HICON hIcon = static_cast<HICON>(
        ::LoadImage(AfxGetResourceHandle(), lpszResource, IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR | LR_SHARED));
    SetTabIconHandle(nIndex, hIcon);
}

void SEC3DTabControl::SetTabIconByID(int nIndex, UINT nID, int cx, int cy)
{
    SetTabIcon(nIndex, MAKEINTRESOURCE(nID), cx, cy);
}

void SEC3DTabControl::SetTabIconHandle(int nIndex, HICON hIcon)
{
    SEC3DTab* pTab = GetTab3D(nIndex);
    if (pTab == NULL)
        return;
    pTab->m_hIcon = hIcon;
    RecalcLayout();
    for (int i = nIndex; i < GetTabCount(); ++i)
        InvalidateTab(i);
}

void SEC3DTabControl::FillEdge(CDC* pDC, int x, int y, int cx, int cy, COLORREF cr)
{
    pDC->FillSolidRect(x, y, cx, cy, cr);
}

void SEC3DTabControl::DrawTabBottom(CDC* pDC, SEC3DTab* pTab, DWORD)
{
    DrawOutline(pDC, pTab->m_rect, GetStyle(), kBottom, &m_penHighlight, &m_penShadow, &m_penBlack);
}

void SEC3DTabControl::DrawTabTop(CDC* pDC, SEC3DTab* pTab, DWORD)
{
    DrawOutline(pDC, pTab->m_rect, GetStyle(), kTop, &m_penHighlight, &m_penShadow, &m_penBlack);
}

void SEC3DTabControl::DrawTabLeft(CDC* pDC, SEC3DTab* pTab, DWORD)
{
    DrawOutline(pDC, pTab->m_rect, GetStyle(), kLeft, &m_penHighlight, &m_penShadow, &m_penBlack);
}

void SEC3DTabControl::DrawTabRight(CDC* pDC, SEC3DTab* pTab, DWORD)
{
    DrawOutline(pDC, pTab->m_rect, GetStyle(), kRight, &m_penHighlight, &m_penShadow, &m_penBlack);
}

void SEC3DTabControl::DrawTabBackground(CDC* pDC, int nIndex)
{
    SEC3DTab* pTab = GetTab3D(nIndex);
    if (pTab == NULL)
        return;
    DWORD dwStyle = GetStyle();
    CRect rcFill(pTab->m_rect);
    if (dwStyle & SEC_TABS_BOTTOM)
        rcFill.right -= 1;
    if (dwStyle & SEC_TABS_RIGHT)
        rcFill.bottom -= 2;
    pDC->FillSolidRect(rcFill, ::GetSysColor(COLOR_BTNFACE));
    DWORD dwSide = dwStyle & SEC_TABS_SIDES;
    if (dwSide & SEC_TABS_TOP)
        DrawTabTop(pDC, pTab, dwSide);
    else if (dwSide & SEC_TABS_LEFT)
        DrawTabLeft(pDC, pTab, dwSide);
    else if (dwSide & SEC_TABS_RIGHT)
        DrawTabRight(pDC, pTab, dwSide);
    else
        DrawTabBottom(pDC, pTab, dwSide);
    DrawTabContent(pDC, pTab, dwStyle);
}

void SEC3DTabControl::DrawTabContent(CDC* pDC, SEC3DTab* pTab, DWORD dwStyle)
{
    CRect rc(pTab->m_rect);
    int nW = rc.Width();
    int nH = rc.Height();
    CDC* pTarget = pDC;
    CDC memDC;
    CBitmap bitmap;
    CBitmap* pOldBitmap = NULL;
    CFont* pOldFont = NULL;
    if (!pTab->m_bEnabled)
    {
        // Drawn black on the face first, then embossed.
        memDC.CreateCompatibleDC(pDC);
        bitmap.CreateCompatibleBitmap(pDC, nW, nH);
        pOldBitmap = memDC.SelectObject(&bitmap);
        pOldFont = memDC.SelectObject(pDC->GetCurrentFont());
        memDC.FillSolidRect(0, 0, nW, nH, ::GetSysColor(COLOR_BTNFACE));
        memDC.SetViewportOrg(-rc.left, -rc.top);
        memDC.SetTextColor(RGB(0, 0, 0));
        pTarget = &memDC;
    }
    pTarget->SetBkMode(TRANSPARENT);

    CSize extent(0, 0);
    if (m_bShowLabels)
        extent = pTarget->GetTextExtent(pTab->m_csLabel);
    BOOL bIcon = pTab->m_hIcon != NULL;
    int nTextStart = bIcon ? kTabMargin + kIconRoom : kTabMargin;
    int x, y, xIcon, yIcon;
    if (dwStyle & SEC_TABS_LEFT)
    {
        x = rc.left + nW / 2 - extent.cy / 2;
        y = rc.bottom - nTextStart;
        xIcon = rc.left + nW / 2 - 8;
        yIcon = rc.bottom - 22;
    }
    else if (dwStyle & SEC_TABS_RIGHT)
    {
        x = rc.left + nW / 2 + extent.cy / 2;
        y = rc.top + nTextStart;
        xIcon = rc.left + nW / 2 - 8;
        yIcon = rc.top + kTabMargin;
    }
    else
    {
        x = rc.left + nTextStart;
        y = rc.top + nH / 2 - extent.cy / 2;
        xIcon = rc.left + kTabMargin;
        yIcon = rc.top + nH / 2 - 8;
    }
    if (bIcon)
        ::DrawIconEx(pTarget->m_hDC, xIcon, yIcon, pTab->m_hIcon, 16, 16, 0, NULL, DI_NORMAL);
    if (m_bShowLabels)
        pTarget->ExtTextOut(x, y, ETO_CLIPPED, rc, pTab->m_csLabel,
                            static_cast<UINT>(pTab->m_csLabel.GetLength()), NULL);

    if (!pTab->m_bEnabled)
    {
        memDC.SetViewportOrg(0, 0);
        DrawDisabled(&memDC, nW, nH);
        // The outline stays: only the inside is copied.
        pDC->BitBlt(rc.left + 2, rc.top + 2, nW - 4, nH - 4, &memDC, 2, 2, SRCCOPY);
        memDC.SelectObject(pOldFont);
        memDC.SelectObject(pOldBitmap);
    }

    int nActive;
    if (GetActiveTab(nActive) && GetTab3D(nActive) == pTab && HasTabStop() && ::GetFocus() == m_hWnd)
        for (const FocusInset& inset : kFocusInsets)
            if ((dwStyle & SEC_TABS_SIDES & inset.dwSide) ||
                ((dwStyle & SEC_TABS_SIDES) == 0 && inset.dwSide == SEC_TABS_BOTTOM))
            {
                CRect rcFocus(rc.left + inset.l, rc.top + inset.t, rc.right - inset.rr, rc.bottom - inset.bb);
                pDC->DrawFocusRect(rcFocus);
                break;
            }
}

void SEC3DTabControl::DrawDisabled(CDC* pDC, int cx, int cy)
{
    // A mask of everything that is not the face, then the face with the mask drawn in the
    // highlight colour one pixel down and right and in the shadow colour on top.
    CDC maskDC;
    maskDC.CreateCompatibleDC(pDC);
    CBitmap mask;
    mask.CreateBitmap(cx, cy, 1, 1, NULL);
    CBitmap* pOldMask = maskDC.SelectObject(&mask);
    COLORREF crOldBk = pDC->SetBkColor(::GetSysColor(COLOR_BTNFACE));
    maskDC.BitBlt(0, 0, cx, cy, pDC, 0, 0, SRCCOPY);
    pDC->SetBkColor(crOldBk);

    pDC->FillSolidRect(0, 0, cx, cy, ::GetSysColor(COLOR_BTNFACE));
    COLORREF crOldText = pDC->SetTextColor(RGB(0, 0, 0));
    crOldBk = pDC->SetBkColor(RGB(255, 255, 255));
    const DWORD kPSDPxax = 0x00B8074A; // pattern where the mask is black, destination elsewhere
    CBrush highlight(::GetSysColor(COLOR_BTNHIGHLIGHT));
    CBrush* pOldBrush = pDC->SelectObject(&highlight);
    pDC->BitBlt(1, 1, cx - 1, cy - 1, &maskDC, 0, 0, kPSDPxax);
    CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
    pDC->SelectObject(&shadow);
    pDC->BitBlt(0, 0, cx, cy, &maskDC, 0, 0, kPSDPxax);
    pDC->SelectObject(pOldBrush);
    pDC->SetTextColor(crOldText);
    pDC->SetBkColor(crOldBk);
    maskDC.SelectObject(pOldMask);
}

void SEC3DTabControl::OnPaint()
{
    CPaintDC paintDC(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty())
        return;
    CDC dc;
    dc.CreateCompatibleDC(&paintDC);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&paintDC, rcClient.Width(), rcClient.Height());
    CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
    dc.FillSolidRect(rcClient, ::GetSysColor(COLOR_BTNFACE));
    CRect rcClip;
    paintDC.GetClipBox(&rcClip);
    CPen* pOldPen = dc.SelectObject(&m_penBlack);
    CFont* pOldFont = dc.SelectObject(&m_fontNormal);
    dc.SetTextColor(m_crText);

    int nActive = -1;
    if (!GetActiveTab(nActive))
        nActive = -1;
    for (int i = 0; i < GetTabCount(); ++i)
    {
        CRect rcTab(GetTab3D(i)->m_rect), rcTest;
        if (i != nActive && rcTest.IntersectRect(rcTab, rcClip))
            DrawTabBackground(&dc, i);
    }

    // The strip's edge on the content side, four lines across the whole strip; the flat style
    // leaves out the highlight and face lines.
    DWORD dwStyle = GetStyle();
    const COLORREF colours[4] = {::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNFACE),
                                 ::GetSysColor(COLOR_BTNSHADOW), RGB(0, 0, 0)};
    for (int nLine = (dwStyle & SEC_TABS_FLAT_EDGE) ? 2 : 0; nLine < 4; ++nLine)
    {
        if (dwStyle & SEC_TABS_TOP)
            FillEdge(&dc, rcClient.left, rcClient.bottom - 4 + nLine, rcClient.Width(), 1, colours[nLine]);
        else if (dwStyle & SEC_TABS_LEFT)
            FillEdge(&dc, rcClient.right - 4 + nLine, rcClient.top, 1, rcClient.Height(), colours[nLine]);
        else if (dwStyle & SEC_TABS_RIGHT)
            FillEdge(&dc, rcClient.left + nLine, rcClient.top, 1, rcClient.Height(), colours[nLine]);
        else
            FillEdge(&dc, rcClient.left, rcClient.top + nLine, rcClient.Width(), 1, colours[nLine]);
    }

    if (nActive >= 0 && IsTabIndexValid(nActive))
    {
        dc.SelectObject(&m_fontActive);
        dc.SetTextColor(m_crActiveText);
        DrawTabBackground(&dc, nActive);
    }
    paintDC.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &dc, 0, 0, SRCCOPY);
    dc.SelectObject(pOldFont);
    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBitmap);
}

BOOL SEC3DTabControl::OnEraseBkgnd(CDC*)
{
    return TRUE; // painting covers everything
}

int SEC3DTabControl::TabAtPoint(CPoint point) const
{
    // The enlarged active tab overlaps its neighbours, so it is tested first.
    int nActive;
    if (GetActiveTab(nActive) && IsTabIndexValid(nActive) && ::PtInRect(&GetTab3D(nActive)->m_rect, point))
        return nActive;
    for (int i = 0; i < GetTabCount(); ++i)
        if (::PtInRect(&GetTab3D(i)->m_rect, point))
            return i;
    return -1;
}

void SEC3DTabControl::OnLButtonDown(UINT nFlags, CPoint point)
{
    int nTab = TabAtPoint(point);
    if (nTab >= 0 && IsTabEnabled(nTab))
    {
        if (m_bActiveTab && nTab == m_nActiveTab)
            NotifyParentActive();
        else
            ActivateTab(nTab);
    }
    if (GetStyle() & SEC_TABS_DRAGGABLE)
        SetCapture();
    if (HasTabStop())
        SetFocus();
    CWnd::OnLButtonDown(nFlags, point);
}

void SEC3DTabControl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if ((GetStyle() & SEC_TABS_DRAGGABLE) && GetCapture() == this)
        ::ReleaseCapture();
    CWnd::OnLButtonUp(nFlags, point);
}

void SEC3DTabControl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    int nTab = TabAtPoint(point);
    CWnd* pParent = GetParent();
    if (nTab >= 0 && IsTabEnabled(nTab) && pParent != NULL)
        pParent->SendMessage(TCM_TABDBLCLK, static_cast<WPARAM>(nTab), 0);
    CWnd::OnLButtonDblClk(nFlags, point);
}

void SEC3DTabControl::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
    if (!(GetStyle() & SEC_TABS_DRAGGABLE) || GetCapture() != this || !m_bActiveTab)
        return;
    int nTarget = TabAtPoint(point);
    int nActive = m_nActiveTab;
    if (nTarget < 0 || nTarget == nActive || !IsTabIndexValid(nActive))
        return;
    BOOL bVertical = IsVertical();
    const RECT& a = GetTab3D(nActive)->m_rect;
    const RECT& t = GetTab3D(nTarget)->m_rect;
    int x = bVertical ? point.y : point.x;
    int aStart = bVertical ? a.top : a.left, aEnd = bVertical ? a.bottom : a.right;
    int tStart = bVertical ? t.top : t.left, tEnd = bVertical ? t.bottom : t.right;
    BOOL bMove;
    if (tStart > aStart)
        bMove = aStart + (tEnd - tStart) < x && x < tEnd - (tStart - aEnd);
    else
        bMove = tStart < x && x < tStart + (aEnd - aStart);
    if (!bMove)
        return;
    HWND hFocus = ::GetFocus();
    CObject* pRecord = m_pTabArray->GetAt(nActive);
    m_pTabArray->RemoveAt(nActive);
    m_pTabArray->InsertAt(nTarget, pRecord);
    static_cast<SECTab*>(pRecord)->m_bSelected = FALSE;
    m_bActiveTab = FALSE;
    ActivateTab(nTarget);
    Invalidate(FALSE);
    if (hFocus != NULL && ::IsWindow(hFocus))
        ::SetFocus(hFocus);
}

void SEC3DTabControl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    int nStep = 0;
    if (nChar == VK_LEFT || nChar == VK_UP)
        nStep = -1;
    else if (nChar == VK_RIGHT || nChar == VK_DOWN)
        nStep = 1;
    if (nStep == 0)
    {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    int nActive;
    if (GetActiveTab(nActive))
        for (int i = nActive + nStep; IsTabIndexValid(i); i += nStep)
            if (IsTabEnabled(i))
            {
                ActivateTab(i);
                break;
            }
    SetFocus();
}

UINT SEC3DTabControl::OnGetDlgCode()
{
    return DLGC_WANTARROWS;
}

void SEC3DTabControl::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (HasTabStop())
        Invalidate(FALSE);
}

void SEC3DTabControl::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    if (HasTabStop())
        Invalidate(FALSE);
}

void SEC3DTabControl::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    m_crText = ::GetSysColor(COLOR_BTNTEXT);
    m_crActiveText = m_crText;
    RecreatePens();
}

void SEC3DTabControl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

void SEC3DTabControl::OnDestroy()
{
    SECTabControlBase::OnDestroy();
}

INT_PTR SEC3DTabControl::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    int nTab = TabAtPoint(point);
    if (nTab < 0)
        return -1;
    SEC3DTab* pTab = GetTab3D(nTab);
    if (!pTab->m_bShortened && (m_bShowLabels || m_bAutoShorten))
        return -1;
    if (pTI != NULL)
    {
        // A copy: the caller frees the text.
        pTI->hwnd = m_hWnd;
        pTI->uId = static_cast<UINT_PTR>(nTab + 1);
        pTI->rect = pTab->m_rect;
        pTI->lpszText = _tcsdup(pTab->m_csFullLabel);
    }
    return nTab + 1;
}
