#include "uilib/common/BitmapButton.h"
#include "uilib/common/LoadSysColorBitmap.h"

namespace tessaron
{
namespace foundation
{

IMPLEMENT_DYNAMIC(SECBitmapButton, SECOwnerDrawButton)

BEGIN_MESSAGE_MAP(SECBitmapButton, SECOwnerDrawButton)
ON_WM_SIZE()
ON_WM_SYSCOLORCHANGE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

SECBitmapButton::SECBitmapButton()
    : m_nBitmapID(0), m_nMarginX(defaultMarginX), m_nMarginY(defaultMarginY), m_rectImage(0, 0, 0, 0),
      m_rectText(0, 0, 0, 0), m_nPlacement(imageLeft)
{
}

SECBitmapButton::~SECBitmapButton()
{
}

LPCTSTR SECBitmapButton::GetBitmapName() const
{
    return m_nBitmapID ? MAKEINTRESOURCE(m_nBitmapID) : (LPCTSTR)m_strBitmapName;
}

BOOL SECBitmapButton::LoadBitmapResource(LPCTSTR lpszBitmap)
{
    if (lpszBitmap == NULL || !SECLoadSysColorBitmap(m_bitmap, lpszBitmap))
        return FALSE;
    if (IS_INTRESOURCE(lpszBitmap))
    {
        m_nBitmapID = (UINT)(ULONG_PTR)lpszBitmap;
        m_strBitmapName.Empty();
    }
    else
    {
        m_nBitmapID = 0;
        m_strBitmapName = lpszBitmap;
    }
    return TRUE;
}

BOOL SECBitmapButton::Attach(UINT nID, UINT nPlacement, UINT nBitmapID, CWnd* pParent, DWORD dwExtra)
{
    return Attach(nID, nPlacement, MAKEINTRESOURCE(nBitmapID), pParent, dwExtra);
}

BOOL SECBitmapButton::Attach(UINT nID, UINT nPlacement, LPCTSTR lpszBitmap, CWnd* pParent, DWORD dwExtra)
{
    if (!LoadBitmapResource(lpszBitmap))
        return FALSE;
    m_nPlacement = nPlacement;
    if (!AttachButton(nID, pParent, dwExtra))
        return FALSE;
    CalcLayout();
    return TRUE;
}

BOOL SECBitmapButton::Create(LPCTSTR lpszText, DWORD dwStyle, UINT nPlacement, UINT nBitmapID,
                             const RECT& rect, CWnd* pParent, UINT nID, DWORD dwExtra)
{
    return Create(lpszText, dwStyle, nPlacement, MAKEINTRESOURCE(nBitmapID), rect, pParent, nID, dwExtra);
}

BOOL SECBitmapButton::Create(LPCTSTR lpszText, DWORD dwStyle, UINT nPlacement, LPCTSTR lpszBitmap,
                             const RECT& rect, CWnd* pParent, UINT nID, DWORD dwExtra)
{
    if (!LoadBitmapResource(lpszBitmap))
        return FALSE;
    m_nPlacement = nPlacement;
    if (!SECOwnerDrawButton::Create(lpszText, dwStyle, rect, pParent, nID, dwExtra))
        return FALSE;
    CalcLayout();
    return TRUE;
}

BOOL SECBitmapButton::SetBitmap(UINT nBitmapID)
{
    UINT nOldID = m_nBitmapID;
    CString strOldName = m_strBitmapName;
    if (!LoadBitmapResource(MAKEINTRESOURCE(nBitmapID)))
    {
        // The failed load left the held bitmap alone; load it again so it follows the colours.
        m_nBitmapID = nOldID;
        m_strBitmapName = strOldName;
        if (m_bitmap.GetSafeHandle() != NULL)
            LoadBitmapResource(GetBitmapName());
        return FALSE;
    }
    CalcLayout();
    if (m_hWnd != NULL)
        Invalidate();
    return TRUE;
}

void SECBitmapButton::SetMargins(int x, int y)
{
    m_nMarginX = x;
    m_nMarginY = y;
    CalcLayout();
}

CSize SECBitmapButton::GetBitmapSize()
{
    BITMAP bm = {};
    if (m_bitmap.GetSafeHandle() == NULL || !m_bitmap.GetBitmap(&bm))
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

CFont* SECBitmapButton::GetTextFont()
{
    CFont* pFont = m_hWnd ? GetFont() : NULL;
    return pFont ? pFont : CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
}

void SECBitmapButton::CalcLayout()
{
    if (m_hWnd == NULL)
        return;
    CRect client;
    GetClientRect(&client);
    CRect reduced(client.left, client.top, client.right - 3, client.bottom - 3);
    CSize image = GetBitmapSize();
    CRect& img = m_rectImage;
    CRect& text = m_rectText;
    text = reduced;
    int xCentred = reduced.left + (reduced.Width() - image.cx) / 2;
    int yCentred = reduced.top + (reduced.Height() - image.cy) / 2;
    switch (m_nPlacement)
    {
    case imageLeft:
        img.SetRect(reduced.left + m_nMarginX, yCentred, reduced.left + m_nMarginX + image.cx,
                    yCentred + image.cy);
        text.left = img.right + 1;
        break;
    case imageRight:
        img.SetRect(reduced.right - m_nMarginX - image.cx, yCentred, reduced.right - m_nMarginX,
                    yCentred + image.cy);
        text.right = img.left - 1;
        break;
    case imageAbove:
        img.SetRect(xCentred, reduced.top + m_nMarginY, xCentred + image.cx,
                    reduced.top + m_nMarginY + image.cy);
        text.top = img.bottom + 1;
        break;
    case imageBelow:
        img.SetRect(xCentred, reduced.bottom - m_nMarginY - image.cy, xCentred + image.cx,
                    reduced.bottom - m_nMarginY);
        text.bottom = img.top - 1;
        break;
    default:
        img.SetRect(xCentred, yCentred, xCentred + image.cx, yCentred + image.cy);
        text.SetRectEmpty();
        break;
    }
    for (CRect* pRect : {&img, &text})
    {
        if (pRect->IsRectNull())
            continue;
        pRect->left = std::max(reduced.left, std::min(pRect->left, reduced.right));
        pRect->right = std::max(reduced.left, std::min(pRect->right, reduced.right));
        pRect->top = std::max(reduced.top, std::min(pRect->top, reduced.bottom));
        pRect->bottom = std::max(reduced.top, std::min(pRect->bottom, reduced.bottom));
    }
}

void SECBitmapButton::DrawContent(CDC* pDC, LPDRAWITEMSTRUCT lpDIS, RECT* pInterior)
{
    CPoint origin(pInterior->left, pInterior->top);
    if (m_bitmap.GetSafeHandle() != NULL && !m_rectImage.IsRectEmpty())
    {
        CDC memDC;
        if (memDC.CreateCompatibleDC(pDC))
        {
            CBitmap* pOld = memDC.SelectObject(&m_bitmap);
            CRect img(m_rectImage);
            img.OffsetRect(origin);
            pDC->BitBlt(img.left, img.top, img.Width(), img.Height(), &memDC, 0, 0, SRCCOPY);
            memDC.SelectObject(pOld);
        }
    }
    if (m_nPlacement == imageOnly || m_rectText.IsRectEmpty())
        return;
    CString strText;
    GetWindowText(strText);
    if (strText.IsEmpty())
        return;
    CRect text(m_rectText);
    text.OffsetRect(origin);
    if ((lpDIS->itemState & ODS_FOCUS) && !IsFlat())
        text.OffsetRect(-1, -1);
    CFont* pOldFont = pDC->SelectObject(GetTextFont());
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF oldColor = pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    pDC->DrawText(strText, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetTextColor(oldColor);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}

void SECBitmapButton::DrawFocusRect(CDC* pDC, RECT* pRect)
{
    CString strText;
    GetWindowText(strText);
    // An image-only button has no caption to frame: it gets the plain focus frame.
    if (m_nPlacement == imageOnly || strText.IsEmpty() || m_rectText.IsRectEmpty())
    {
        SECOwnerDrawButton::DrawFocusRect(pDC, pRect);
        return;
    }
    CFont* pOldFont = pDC->SelectObject(GetTextFont());
    CRect extent(0, 0, 0, 0);
    pDC->DrawText(strText, &extent, DT_CALCRECT | DT_CENTER | DT_SINGLELINE);
    pDC->SelectObject(pOldFont);
    CRect focus(m_rectText.left + (m_rectText.Width() - extent.Width()) / 2,
                m_rectText.top + (m_rectText.Height() - extent.Height()) / 2, 0, 0);
    focus.right = focus.left + extent.Width();
    focus.bottom = focus.top + extent.Height();
    focus.InflateRect(3, 3);
    pDC->DrawFocusRect(&focus);
}

void SECBitmapButton::SizeToContent()
{
    if (m_hWnd == NULL)
        return;
    CSize image = GetBitmapSize();
    CSize text(0, 0);
    if (m_nPlacement != imageOnly)
    {
        CString strText;
        GetWindowText(strText);
        CClientDC dc(this);
        CFont* pOldFont = dc.SelectObject(GetTextFont());
        CRect extent(0, 0, 0, 0);
        dc.DrawText(strText, &extent, DT_CALCRECT | DT_SINGLELINE | 0x420);
        dc.SelectObject(pOldFont);
        text = extent.Size();
    }
    CSize size = image;
    switch (m_nPlacement)
    {
    case imageLeft:
    case imageRight:
        size.cx = text.cx + image.cx + 5;
        size.cy = std::max(text.cy, image.cy);
        break;
    case imageAbove:
    case imageBelow:
        size.cy = text.cy + image.cy + 5;
        size.cx = std::max(text.cx, image.cx);
        break;
    default:
        break;
    }
    SetWindowPos(NULL, 0, 0, size.cx + 2 * m_nMarginX + 3, size.cy + 2 * m_nMarginY + 3,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SECBitmapButton::OnSize(UINT nType, int cx, int cy)
{
    SECOwnerDrawButton::OnSize(nType, cx, cy);
    CalcLayout();
}

void SECBitmapButton::OnSysColorChange()
{
    SECOwnerDrawButton::OnSysColorChange();
    // The greys of the image follow the new colours.
    if (m_bitmap.GetSafeHandle() != NULL)
        LoadBitmapResource(GetBitmapName());
    Invalidate();
}

void SECBitmapButton::OnDestroy()
{
    m_bitmap.DeleteObject();
    SECOwnerDrawButton::OnDestroy();
}

} // namespace foundation
} // namespace tessaron
