// SECOwnerDrawButton: the shared drawing steps of the self-drawn buttons.
#include "OwnerDrawButton.h"

namespace tessaron
{
namespace foundation
{

IMPLEMENT_DYNAMIC(SECOwnerDrawButton, CButton)

namespace
{
SECOwnerDrawButton::Colors g_colors;
bool g_bColorsRead = false;

// Pixels where the mask is black take the brush; white ones keep what is there.
const DWORD kRopBrushWhereMaskBlack = 0xB8074A;
} // namespace

const SECOwnerDrawButton::Colors& SECOwnerDrawButton::GetColors()
{
    if (!g_bColorsRead)
        RefreshColors();
    return g_colors;
}

void SECOwnerDrawButton::RefreshColors()
{
    g_colors.frame = ::GetSysColor(COLOR_WINDOWFRAME);
    g_colors.shadow = ::GetSysColor(COLOR_BTNSHADOW);
    g_colors.highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    g_colors.face = ::GetSysColor(COLOR_BTNFACE);
    g_colors.dark = ::GetSysColor(COLOR_BTNSHADOW);
    g_bColorsRead = true;
}

BEGIN_MESSAGE_MAP(SECOwnerDrawButton, CButton)
ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
ON_WM_KEYUP()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_GETDLGCODE()
ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

SECOwnerDrawButton::SECOwnerDrawButton()
    : m_bNewLook(LOBYTE(LOWORD(::GetVersion())) >= 4), m_bFlat(FALSE), m_dwExtra(0), m_bHovering(FALSE)
{
    GetColors();
}

SECOwnerDrawButton::~SECOwnerDrawButton()
{
}

BOOL SECOwnerDrawButton::AttachButton(UINT nID, CWnd* pParent, DWORD dwExtra)
{
    if (pParent == NULL || !SubclassDlgItem(nID, pParent))
        return FALSE;
    m_dwExtra = dwExtra;
    // A template may declare a plain push button; we draw it ourselves all the same.
    if (ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW))
        Invalidate();
    return TRUE;
}

BOOL SECOwnerDrawButton::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID,
                                DWORD dwExtra)
{
    m_dwExtra = dwExtra;
    return CButton::Create(lpszText, (dwStyle & ~BS_TYPEMASK) | BS_OWNERDRAW, rect, pParent, nID);
}

void SECOwnerDrawButton::SetFlat(BOOL bFlat)
{
    m_bFlat = bFlat;
    if (m_hWnd != NULL)
        Invalidate();
}

BOOL SECOwnerDrawButton::SetDrawOption(BOOL bFlat)
{
    BOOL bOld = IsFlat();
    SetFlat(bFlat);
    return bOld;
}

void SECOwnerDrawButton::Clicked()
{
}

void SECOwnerDrawButton::SetButtonStyle(UINT nStyle, BOOL bRedraw)
{
    DWORD dwOld = GetStyle();
    DefWindowProc(BM_SETSTYLE, (nStyle & ~BS_TYPEMASK) | BS_OWNERDRAW, FALSE);
    if (GetStyle() != dwOld && bRedraw)
        Invalidate();
}

void SECOwnerDrawButton::BeforeDraw(CDC*, CDC*)
{
}

void SECOwnerDrawButton::AfterDraw(CDC*, CDC*)
{
}

void SECOwnerDrawButton::DrawContent(CDC*, LPDRAWITEMSTRUCT, RECT*)
{
}

void SECOwnerDrawButton::DrawCutCornerFrame(CDC* pDC, const CRect& rect)
{
    const COLORREF frame = GetColors().frame;
    pDC->FillSolidRect(rect.left + 1, rect.top, rect.Width() - 2, 1, frame);
    pDC->FillSolidRect(rect.left + 1, rect.bottom - 1, rect.Width() - 2, 1, frame);
    pDC->FillSolidRect(rect.left, rect.top + 1, 1, rect.Height() - 2, frame);
    pDC->FillSolidRect(rect.right - 1, rect.top + 1, 1, rect.Height() - 2, frame);
}

CRect SECOwnerDrawButton::DrawFrame(CDC* pDC, LPDRAWITEMSTRUCT lpDIS)
{
    const Colors& c = GetColors();
    CRect rect(lpDIS->rcItem);
    pDC->FillSolidRect(&rect, c.face);
    if ((lpDIS->itemState & ODS_FOCUS) && !m_bFlat)
    {
        CBrush frame(c.frame);
        pDC->FrameRect(&rect, &frame);
        rect.DeflateRect(1, 1);
    }
    if (lpDIS->itemState & ODS_SELECTED)
    {
        if (m_bNewLook)
        {
            pDC->Draw3dRect(&rect, c.frame, c.highlight);
            rect.DeflateRect(1, 1);
            pDC->Draw3dRect(&rect, c.shadow, c.face);
        }
        else
        {
            DrawCutCornerFrame(pDC, rect);
            rect.DeflateRect(1, 1);
            pDC->Draw3dRect(&rect, c.shadow, c.highlight);
            rect.DeflateRect(1, 1);
            pDC->Draw3dRect(&rect, c.shadow, c.highlight);
        }
        rect.DeflateRect(1, 1);
        rect.OffsetRect(1, 1);
        return rect;
    }
    if (m_bNewLook)
    {
        if (!m_bFlat)
        {
            pDC->Draw3dRect(&rect, c.highlight, c.frame);
            rect.DeflateRect(1, 1);
            pDC->Draw3dRect(&rect, c.face, c.shadow);
            rect.DeflateRect(1, 1);
        }
    }
    else
    {
        DrawCutCornerFrame(pDC, rect);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(&rect, c.highlight, c.shadow);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(&rect, c.highlight, c.shadow);
        rect.DeflateRect(1, 1);
    }
    rect.right -= 1;
    rect.bottom -= 1;
    return rect;
}

void SECOwnerDrawButton::DrawDisabled(CDC* pDC, int cx, int cy)
{
    const Colors& c = GetColors();
    CDC maskDC;
    CBitmap mask;
    if (!maskDC.CreateCompatibleDC(pDC) || !mask.CreateBitmap(cx, cy, 1, 1, NULL))
        return;
    CBitmap* pOldMask = maskDC.SelectObject(&mask);
    // Face and highlight pixels become white, everything drawn on them black.
    COLORREF oldBk = pDC->SetBkColor(c.face);
    maskDC.BitBlt(0, 0, cx, cy, pDC, 0, 0, SRCCOPY);
    pDC->SetBkColor(c.highlight);
    maskDC.BitBlt(0, 0, cx, cy, pDC, 0, 0, SRCPAINT);

    // The drawing gives way to its embossed shape.
    pDC->FillSolidRect(0, 0, cx, cy, c.face);
    pDC->SetBkColor(RGB(255, 255, 255));
    COLORREF oldText = pDC->SetTextColor(RGB(0, 0, 0));
    CBrush highlight(c.highlight), shadow(c.shadow);
    CBrush* pOldBrush = pDC->SelectObject(&highlight);
    pDC->BitBlt(2, 2, cx, cy, &maskDC, 0, 0, kRopBrushWhereMaskBlack);
    pDC->SelectObject(&shadow);
    pDC->BitBlt(1, 1, cx, cy, &maskDC, 0, 0, kRopBrushWhereMaskBlack);
    pDC->SelectObject(pOldBrush);
    pDC->SetTextColor(oldText);
    pDC->SetBkColor(oldBk);
    maskDC.SelectObject(pOldMask);
}

void SECOwnerDrawButton::DrawFocusRect(CDC* pDC, RECT* pRect)
{
    CRect rect(*pRect);
    rect.DeflateRect(1, 1);
    pDC->DrawFocusRect(&rect);
}

void SECOwnerDrawButton::DrawFocus(CDC* pDC, LPDRAWITEMSTRUCT lpDIS)
{
    if (!(lpDIS->itemState & ODS_FOCUS))
        return;
    CRect rect(lpDIS->rcItem);
    int nInset = m_bNewLook ? 1 : 2;
    rect.DeflateRect(nInset, nInset);
    if (lpDIS->itemState & ODS_SELECTED)
        rect.OffsetRect(1, 1);
    COLORREF oldBk = pDC->SetBkColor(GetColors().face);
    DrawFocusRect(pDC, &rect);
    pDC->SetBkColor(oldBk);
}

// The steps between BeforeDraw and AfterDraw, drawn into pTarget.
void SECOwnerDrawButton::DrawSteps(CDC* pDC, CDC* pTarget, LPDRAWITEMSTRUCT lpDIS)
{
    CRect item(lpDIS->rcItem);
    CRect interior = DrawFrame(pTarget, lpDIS);
    DrawContent(pTarget, lpDIS, &interior);
    if (lpDIS->itemState & ODS_DISABLED)
        DrawDisabled(pTarget, item.Width(), item.Height());
    if (pTarget != pDC)
        pDC->BitBlt(item.left, item.top, item.Width(), item.Height(), pTarget, 0, 0, SRCCOPY);
}

void SECOwnerDrawButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect item(lpDIS->rcItem);
    CDC memDC;
    CBitmap bitmap;
    if (memDC.CreateCompatibleDC(pDC) && bitmap.CreateCompatibleBitmap(pDC, item.Width(), item.Height()))
    {
        CBitmap* pOld = memDC.SelectObject(&bitmap);
        memDC.SelectObject(pDC->GetCurrentFont());
        // The memory drawing starts at the bitmap's origin.
        DRAWITEMSTRUCT dis = *lpDIS;
        dis.hDC = memDC.m_hDC;
        ::OffsetRect(&dis.rcItem, -item.left, -item.top);
        BeforeDraw(pDC, &memDC);
        DrawSteps(pDC, &memDC, &dis);
        AfterDraw(pDC, &memDC);
        memDC.SelectObject(pOld);
    }
    else
    {
        BeforeDraw(pDC, pDC);
        DrawSteps(pDC, pDC, lpDIS);
        AfterDraw(pDC, pDC);
    }
    DrawFocus(pDC, lpDIS);
}

void SECOwnerDrawButton::DrawFlatEdge(BOOL bRaised)
{
    CClientDC dc(this);
    CRect client;
    GetClientRect(&client);
    const Colors& c = GetColors();
    if (bRaised)
        dc.Draw3dRect(&client, c.highlight, c.shadow);
    else
        dc.Draw3dRect(&client, c.face, c.face);
}

LRESULT SECOwnerDrawButton::OnSetStyle(WPARAM wParam, LPARAM lParam)
{
    SetButtonStyle((UINT)wParam, (BOOL)lParam);
    return 0;
}

void SECOwnerDrawButton::OnKeyUp(UINT nChar, UINT, UINT)
{
    Default();
    if (nChar == VK_SPACE || nChar == VK_RETURN)
        Clicked();
}

void SECOwnerDrawButton::OnLButtonUp(UINT, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    BOOL bClick = (GetState() & BST_PUSHED) && GetCapture() == this && client.PtInRect(point);
    Default();
    if (bClick)
        Clicked();
}

void SECOwnerDrawButton::OnMouseMove(UINT, CPoint point)
{
    Default();
    if (!m_bFlat || (GetState() & BST_PUSHED))
        return;
    CRect client;
    GetClientRect(&client);
    BOOL bInside = client.PtInRect(point);
    if (bInside && (!m_bHovering || GetCapture() != this))
    {
        // The capture tells us when the mouse leaves.
        SetCapture();
        m_bHovering = TRUE;
        DrawFlatEdge(TRUE);
    }
    else if (!bInside && m_bHovering)
    {
        m_bHovering = FALSE;
        DrawFlatEdge(FALSE);
        if (GetCapture() == this)
            ::ReleaseCapture();
    }
}

UINT SECOwnerDrawButton::OnGetDlgCode()
{
    UINT nCode = DLGC_BUTTON;
    if ((m_dwExtra & 1) && GetFocus() == this)
        nCode |= DLGC_DEFPUSHBUTTON;
    return nCode;
}

void SECOwnerDrawButton::OnSysColorChange()
{
    RefreshColors();
    Default();
    Invalidate();
}

} // namespace foundation
} // namespace tessaron
