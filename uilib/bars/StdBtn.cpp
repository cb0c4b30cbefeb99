// SECStdBtn: drawing, mouse handling, tool tips and notifications of a toolbar button.
#include "uilib/bars/StdBtn.h"
#include "uilib/common/BmpMgr.h"
#include "uilib/bars/BtnDrawData.h"
#include "uilib/bars/CustomToolBar.h"
#include "uilib/common/SystemData.h"
#include <algorithm>

namespace
{
// Raster operations: where the source (mask) is 0 the brush, else the destination; and the
// other way round.
const DWORD kRopBrushOnBlack = 0x00B8074A;
const DWORD kRopBrushOnWhite = 0x00E20746;
const int kDragFrame = 3;
} // namespace

SECToolBarState& PASCAL SECGetToolBarState()
{
    static SECToolBarState state = {FALSE, FALSE, FALSE, FALSE};
    return state;
}

SECStdBtn::SECStdBtn()
    : m_nID(0), m_nImage(0), m_nStyle(0), m_x(-1), m_y(-1), m_cx(23), m_cy(22), m_nType(BtnStandard),
      m_pToolBar(NULL), m_ptImage(0, 0)
{
}

SECStdBtn::~SECStdBtn() = default;

void SECStdBtn::SetOrientation(DWORD)
{
}

void SECStdBtn::SetStyle(UINT nStyle)
{
    m_nStyle = nStyle;
}

UINT SECStdBtn::GetStyle() const
{
    return m_nStyle;
}

BOOL SECStdBtn::HasStyle(UINT nMask) const
{
    return (m_nStyle & nMask) == nMask;
}

void SECStdBtn::SetPos(int x, int y)
{
    m_x = x;
    m_y = y;
}

void SECStdBtn::Invalidate(BOOL bErase)
{
    if (m_pToolBar != NULL && m_pToolBar->GetSafeHwnd() != NULL)
    {
        CRect rect = GetRect();
        m_pToolBar->InvalidateRect(&rect, bErase);
    }
}

void SECStdBtn::SetCmdID(UINT nID, const UINT_PTR*)
{
    m_nID = nID;
    AdjustSize();
}

BOOL SECStdBtn::CanDrag() const
{
    return TRUE;
}

void SECStdBtn::AdjustSize()
{
    if (m_pToolBar == NULL)
        return;
    if (m_nStyle & TBBS_SEPARATOR)
    {
        m_cx = m_pToolBar->GetSeparatorWidth();
        m_cy = m_pToolBar->GetSeparatorHeight();
    }
    else
    {
        m_cx = m_pToolBar->GetButtonWidth();
        m_cy = m_pToolBar->GetButtonHeight();
    }
    m_pToolBar->m_cxLargest = std::max(m_pToolBar->m_cxLargest, m_cx);
    m_pToolBar->m_cyLargest = std::max(m_pToolBar->m_cyLargest, m_cy);
}

void SECStdBtn::GetAdditionalInfo(int& nLen, const BYTE*& pData) const
{
    nLen = 0;
    pData = NULL;
}

void SECStdBtn::SetAdditionalInfo(int, const BYTE*)
{
}

int SECStdBtn::GetButtonClass() const
{
    return m_nType;
}

void SECStdBtn::OnHookOne()
{
}

void SECStdBtn::OnHookTwo()
{
}

// ---- mouse

BOOL SECStdBtn::OnLButtonDown(CPoint)
{
    if (m_nStyle & TBBS_DISABLED)
        return FALSE;
    if (!(m_nStyle & TBBS_DROPDOWN))
    {
        m_nStyle |= TBBS_PRESSED;
        return TRUE;
    }
    // A drop-down button notifies at once and captures nothing.
    m_nStyle |= TBBS_PRESSED;
    Invalidate();
    if (m_pToolBar != NULL)
        m_pToolBar->UpdateWindow();
    SECToolBarState& state = SECGetToolBarState();
    state.bDropDownInProgress = TRUE;
    SendNotify(TBN_DROPDOWN);
    state.bDropDownInProgress = FALSE;
    m_nStyle &= ~TBBS_PRESSED;
    Invalidate();
    if (m_pToolBar != NULL)
    {
        m_pToolBar->UpdateWindow();
        m_pToolBar->RestartHotTracking();
    }
    return FALSE;
}

void SECStdBtn::OnMouseMove(CPoint point)
{
    const BOOL bInside = point.x >= m_x && point.x <= m_x + m_cx && point.y >= m_y && point.y <= m_y + m_cy;
    const UINT nOld = m_nStyle;
    if (bInside)
        m_nStyle |= TBBS_PRESSED;
    else
        m_nStyle &= ~TBBS_PRESSED;
    if (nOld != m_nStyle)
        Invalidate();
}

void SECStdBtn::ClearHot()
{
    m_nStyle &= ~TBBS_PRESSED;
    Invalidate();
}

UINT SECStdBtn::OnLButtonUp(CPoint point)
{
    m_nStyle &= ~TBBS_PRESSED;
    const BOOL bInside = point.x >= m_x && point.x <= m_x + m_cx && point.y >= m_y && point.y <= m_y + m_cy;
    if (!bInside)
        return 0;
    if (m_nStyle & TBBS_DISABLED)
        return 0;
    if (m_nStyle & TBBS_CHECKBOX)
    {
        // Every button of this command on the manager's toolbars takes the new state.
        const UINT nClear = TBBS_CHECKED | TBBS_INDETERMINATE;
        const UINT nSet = (m_nStyle & TBBS_CHECKED) ? 0u : (UINT)TBBS_CHECKED;
        if (m_pToolBar != NULL)
            m_pToolBar->UpdateCommandStyle(m_nID, nSet, nClear & ~nSet);
        else
            m_nStyle = (m_nStyle & ~nClear) | nSet;
    }
    return m_nID;
}

void SECStdBtn::OnUpdateStyle(int nMode, const UINT* pBits)
{
    if (nMode != 1 || pBits == NULL)
        return;
    m_nStyle = (m_nStyle & ~pBits[1]) | pBits[0];
    Invalidate();
}

INT_PTR SECStdBtn::OnToolHitTest(CPoint, TOOLINFO* pTI) const
{
    if (pTI != NULL && m_pToolBar != NULL)
    {
        pTI->hwnd = m_pToolBar->GetSafeHwnd();
        pTI->rect = GetRect();
        pTI->uId = m_nID;
        pTI->lpszText = LPSTR_TEXTCALLBACK;
        pTI->uFlags = 0;
    }
    return (INT_PTR)m_nID;
}

LRESULT SECStdBtn::SendNotify(int nCode, UINT_PTR a, UINT_PTR b)
{
    if (m_pToolBar == NULL || m_pToolBar->GetSafeHwnd() == NULL)
        return 0;
    // NMTOOLBAR followed by the button's index, a, b and a zero word.
    struct
    {
        NMTOOLBAR nm;
        UINT_PTR extra[4];
    } notify = {};
    notify.nm.hdr.hwndFrom = m_pToolBar->GetSafeHwnd();
    notify.nm.hdr.idFrom = (UINT_PTR)m_pToolBar->GetDlgCtrlID();
    notify.nm.hdr.code = (UINT)nCode;
    notify.nm.iItem = (int)m_nID;
    notify.extra[0] = (UINT_PTR)m_pToolBar->IndexOfButton(this);
    notify.extra[1] = a;
    notify.extra[2] = b;
    CWnd* pOwner = m_pToolBar->GetOwner();
    if (pOwner == NULL)
        return 0;
    return pOwner->SendMessage(WM_NOTIFY, notify.nm.hdr.idFrom, (LPARAM)&notify);
}

// ---- painting

void SECStdBtn::Paint(CDC* pDC, SECBtnDrawData& data)
{
    CRect rect = GetRect();
    if ((m_nStyle & TBBS_HIDDEN) || !pDC->RectVisible(&rect))
        return;
    if (m_nStyle & TBBS_SEPARATOR)
    {
        DrawSeparator(pDC);
        return;
    }
    GetImageInfo(data);
    DrawFace(data);
    DrawTransparentBackground(data);
    DrawSelection(data);
    BlitToScreen(pDC, data);
    data.SelectImage(NULL);
}

BOOL SECStdBtn::GetImageInfo(SECBtnDrawData& data)
{
    SECBmpMgr* pMgr = m_pToolBar != NULL ? m_pToolBar->GetBmpMgr() : NULL;
    HBITMAP hbm = NULL;
    int nImage = 0;
    if (pMgr == NULL || !pMgr->GetImage(m_nID, hbm, nImage) || hbm == NULL)
    {
        data.SelectImage(NULL);
        return FALSE;
    }
    m_nImage = nImage;
    data.SelectImage(hbm);
    return TRUE;
}

void SECStdBtn::DrawFace(SECBtnDrawData& data)
{
    CDC dc;
    dc.Attach(data.m_hDCDraw);
    int x = 0, y = 0, cx = m_cx, cy = m_cy;
    const BOOL bCustomise = m_pToolBar != NULL && m_pToolBar->IsCustomise();
    DrawButton(dc, bCustomise, x, y, cx, cy);
    const CRect rcInside(x, y, x + cx, y + cy);
    if (!bCustomise && !(m_nStyle & TBBS_PRESSED))
    {
        if (m_nStyle & TBBS_DISABLED)
            DrawDisabledImage(data, rcInside, m_ptImage);
        else if (m_nStyle & TBBS_CHECKED)
            DrawCheckedImage(data, rcInside, m_ptImage);
        else if (m_nStyle & TBBS_INDETERMINATE)
            DrawIndeterminateImage(data, rcInside, m_ptImage);
    }
    dc.Detach();
}

void SECStdBtn::DrawButton(CDC& dc, BOOL bForceRaised, int& x, int& y, int& cx, int& cy, int cxImage)
{
    const SECSystemData& sys = SECGetSystemData();
    const BOOL bFlat = m_pToolBar != NULL && m_pToolBar->IsFlat();
    if (cxImage == -1)
        cxImage = m_pToolBar != NULL ? m_pToolBar->GetImageWidth() : 16;
    const int cyImage = m_pToolBar != NULL ? m_pToolBar->GetImageHeight() : 15;
    CPoint ptImage(x + (cx - cxImage - 1) / 2, y + (cy - cyImage) / 2);
    dc.FillSolidRect(x, y, cx, cy, sys.m_clrBtnFace);
    auto shrink = [&]() {
        x++;
        y++;
        cx -= 2;
        cy -= 2;
    };
    const BOOL bRaised = bForceRaised || !(m_nStyle & (TBBS_CHECKED | TBBS_PRESSED));
    if (bRaised)
    {
        if (!bFlat)
        {
            dc.Draw3dRect(x, y, cx, cy, sys.m_clrBtnHilite, sys.m_clrWindowFrame);
            shrink();
            dc.Draw3dRect(x, y, cx, cy, sys.m_clrBtnFace, sys.m_clrBtnShadow);
            shrink();
        }
        else
        {
            if ((m_nStyle & SEC_TBBS_HOT) && !bForceRaised)
                dc.Draw3dRect(x, y, cx, cy, sys.m_clrBtnHilite, sys.m_clrBtnShadow);
            shrink();
            shrink();
        }
    }
    else
    {
        dc.Draw3dRect(x, y, cx, cy, bFlat ? sys.m_clrBtnShadow : sys.m_clrWindowFrame, sys.m_clrBtnHilite);
        shrink();
        if (!bFlat)
            dc.Draw3dRect(x, y, cx, cy, sys.m_clrBtnShadow, sys.m_clrBtnFace);
        shrink();
        ptImage.Offset(1, 1);
    }
    m_ptImage = ptImage;
    BlitImage(dc, ptImage.x, ptImage.y);
}

void SECStdBtn::BlitImage(CDC& dc, int x, int y)
{
    SECBtnDrawData* pData = m_pToolBar != NULL ? m_pToolBar->m_pDrawData : NULL;
    if (pData == NULL || !pData->HasImage() || m_nImage < 0)
        return;
    const int cxImage = m_pToolBar->GetImageWidth();
    const int cyImage = m_pToolBar->GetImageHeight();
    ::BitBlt(dc.m_hDC, x, y, cxImage, cyImage, pData->m_hDCImage, m_nImage * cxImage, 0, SRCCOPY);
}

void SECStdBtn::CreateMask(SECBtnDrawData& data, const CRect& rcInside, CPoint ptImage)
{
    const SECSystemData& sys = SECGetSystemData();
    const int cxImage = m_pToolBar != NULL ? m_pToolBar->GetImageWidth() : 16;
    const int cyImage = m_pToolBar != NULL ? m_pToolBar->GetImageHeight() : 15;
    ::PatBlt(data.m_hDCMask, 0, 0, m_cx, m_cy, WHITENESS);
    (void)rcInside;
    if (!data.HasImage() || m_nImage < 0)
        return;
    // Pixels of the face colour become white, then those of the highlight colour are added.
    ::SetBkColor(data.m_hDCImage, sys.m_clrBtnFace);
    ::BitBlt(data.m_hDCMask, ptImage.x, ptImage.y, cxImage, cyImage, data.m_hDCImage, m_nImage * cxImage, 0,
             SRCCOPY);
    ::SetBkColor(data.m_hDCImage, sys.m_clrBtnHilite);
    ::BitBlt(data.m_hDCMask, ptImage.x, ptImage.y, cxImage, cyImage, data.m_hDCImage, m_nImage * cxImage, 0,
             SRCPAINT);
}

void SECStdBtn::DrawDisabledImage(SECBtnDrawData& data, const CRect& rcInside, CPoint ptImage)
{
    const SECSystemData& sys = SECGetSystemData();
    CreateMask(data, rcInside, ptImage);
    HDC hDC = data.m_hDCDraw;
    ::SetTextColor(hDC, RGB(0, 0, 0));
    ::SetBkColor(hDC, RGB(255, 255, 255));
    HBRUSH hbrHilite = ::CreateSolidBrush(sys.m_clrBtnHilite);
    HBRUSH hbrShadow = ::CreateSolidBrush(sys.m_clrBtnShadow);
    HGDIOBJ hOld = ::SelectObject(hDC, hbrHilite);
    ::BitBlt(hDC, rcInside.left + 1, rcInside.top + 1, rcInside.Width() - 1, rcInside.Height() - 1,
             data.m_hDCMask, rcInside.left, rcInside.top, kRopBrushOnBlack);
    ::SelectObject(hDC, hbrShadow);
    ::BitBlt(hDC, rcInside.left, rcInside.top, rcInside.Width(), rcInside.Height(), data.m_hDCMask,
             rcInside.left, rcInside.top, kRopBrushOnBlack);
    if (m_nStyle & TBBS_CHECKED)
    {
        ::SelectObject(hDC, data.m_hbrDither);
        ::BitBlt(hDC, rcInside.left, rcInside.top, rcInside.Width(), rcInside.Height(), data.m_hDCMask,
                 rcInside.left, rcInside.top, kRopBrushOnWhite);
    }
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hbrHilite);
    ::DeleteObject(hbrShadow);
}

void SECStdBtn::DrawCheckedImage(SECBtnDrawData& data, const CRect& rcInside, CPoint ptImage)
{
    CreateMask(data, rcInside, ptImage);
    HDC hDC = data.m_hDCDraw;
    ::SetTextColor(hDC, RGB(0, 0, 0));
    ::SetBkColor(hDC, RGB(255, 255, 255));
    HGDIOBJ hOld = ::SelectObject(hDC, data.m_hbrDither);
    ::BitBlt(hDC, rcInside.left, rcInside.top, rcInside.Width(), rcInside.Height(), data.m_hDCMask,
             rcInside.left, rcInside.top, kRopBrushOnWhite);
    ::SelectObject(hDC, hOld);
}

void SECStdBtn::DrawIndeterminateImage(SECBtnDrawData& data, const CRect& rcInside, CPoint ptImage)
{
    const SECSystemData& sys = SECGetSystemData();
    CreateMask(data, rcInside, ptImage);
    HDC hDC = data.m_hDCDraw;
    ::SetTextColor(hDC, RGB(0, 0, 0));
    ::SetBkColor(hDC, RGB(255, 255, 255));
    HBRUSH hbrShadow = ::CreateSolidBrush(sys.m_clrBtnShadow);
    HGDIOBJ hOld = ::SelectObject(hDC, hbrShadow);
    ::BitBlt(hDC, rcInside.left, rcInside.top, rcInside.Width(), rcInside.Height(), data.m_hDCMask,
             rcInside.left, rcInside.top, kRopBrushOnBlack);
    ::SelectObject(hDC, data.m_hbrDither);
    ::BitBlt(hDC, rcInside.left, rcInside.top, rcInside.Width(), rcInside.Height(), data.m_hDCMask,
             rcInside.left, rcInside.top, kRopBrushOnWhite);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hbrShadow);
}

void SECStdBtn::DrawTransparentBackground(SECBtnDrawData&)
{
    // The bar's background is the button face: a masked face shows the same pixels.
}

void SECStdBtn::DrawSelection(SECBtnDrawData& data)
{
    if (!(m_nStyle & SEC_TBBS_SELECTED))
        return;
    CDC dc;
    dc.Attach(data.m_hDCDraw);
    DrawDragFrame(dc, CRect(0, 0, m_cx, m_cy));
    dc.Detach();
}

void SECStdBtn::DrawDragFrame(CDC& dc, const CRect& rect)
{
    dc.SetBkColor(RGB(255, 255, 255));
    dc.SetTextColor(RGB(0, 0, 0));
    dc.DrawDragRect(&rect, CSize(kDragFrame, kDragFrame), NULL, CSize(0, 0));
}

void SECStdBtn::BlitToScreen(CDC* pDC, SECBtnDrawData& data)
{
    ::BitBlt(pDC->m_hDC, m_x, m_y, m_cx, m_cy, data.m_hDCDraw, 0, 0, SRCCOPY);
}

void SECStdBtn::DrawSeparator(CDC* pDC)
{
    const SECSystemData& sys = SECGetSystemData();
    const BOOL bFlat = m_pToolBar != NULL && m_pToolBar->IsFlat();
    const BOOL bTransparent = bFlat && (m_pToolBar->GetExBarStyle() & BAR_EX_TRANSPARENT);
    if (!bTransparent)
        pDC->FillSolidRect(m_x, m_y, m_cx, m_cy, sys.m_clrBtnFace);
    if (!bFlat)
        return;
    const BOOL bVertical = (m_pToolBar->m_dwVertBits & CBRS_ORIENT_VERT) != 0;
    if (!bVertical)
    {
        if (m_nStyle & TBBS_WRAPPED)
            return;
        const int x = m_x + m_cx / 2;
        const int cy = m_pToolBar->GetButtonHeight();
        pDC->FillSolidRect(x, m_y, 1, cy, sys.m_clrBtnShadow);
        pDC->FillSolidRect(x + 1, m_y, 1, cy, sys.m_clrBtnHilite);
    }
    else
    {
        const int cx = m_pToolBar->GetButtonWidth();
        pDC->FillSolidRect(m_x, m_y, cx, 1, sys.m_clrBtnShadow);
        pDC->FillSolidRect(m_x, m_y + 1, cx, 1, sys.m_clrBtnHilite);
    }
}
