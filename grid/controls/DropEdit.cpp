// The drop-down button of an edit window: laid out in the non-client area, drawn through a
// memory bitmap and tracked with the mouse captured.
#include "DropEdit.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/SysColorTable.h"

IMPLEMENT_DYNAMIC(CGXBDropEdit, CEdit)

BEGIN_MESSAGE_MAP(CGXBDropEdit, CEdit)
ON_WM_NCCALCSIZE()
ON_WM_NCHITTEST()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_CANCELMODE()
ON_WM_ENABLE()
ON_WM_SYSCOLORCHANGE()
ON_WM_NCPAINT()
END_MESSAGE_MAP()

BOOL CGXBDropEdit::SetButtonBitmap(UINT nBitmapID)
{
    m_bitmap.DeleteObject();
    m_rectButton.SetRectEmpty();
    m_nBitmapId = nBitmapID;
    if (nBitmapID != 0 && !GXLoadSysColorBitmap(m_bitmap, MAKEINTRESOURCE(nBitmapID)))
        m_nBitmapId = 0;
    if (GetSafeHwnd())
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    return TRUE;
}

BOOL CGXBDropEdit::HitTestButton(int x, int y, BOOL bClient)
{
    CPoint pt(x, y);
    if (bClient)
        ClientToScreen(&pt);
    CWnd* pParent = GetParent();
    if (pParent)
        pParent->ScreenToClient(&pt);
    return m_rectButton.PtInRect(pt);
}

void CGXBDropEdit::OnButtonClicked()
{
    CWnd* pParent = GetParent();
    if (pParent)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), (LPARAM)GetSafeHwnd());
}

void CGXBDropEdit::DrawButton(CDC* pDC, CRect rc)
{
    const CGXSysColorTable& colors = *GXGetSysColorTable();
    BOOL bPressed = (m_wState & statePressed) != 0;
    if (bPressed)
    {
        pDC->Draw3dRect(rc, colors.m_clrBtnShadow, colors.m_clrBtnShadow);
        rc.DeflateRect(1, 1);
        pDC->FillSolidRect(rc, colors.m_clrBtnFace);
        rc.DeflateRect(1, 1);
    }
    else
    {
        pDC->Draw3dRect(rc, colors.m_clrBtnFace, colors.m_clrWindowFrame);
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(rc, colors.m_clrBtnHilite, colors.m_clrBtnShadow);
        rc.DeflateRect(1, 1);
        pDC->FillSolidRect(rc, colors.m_clrBtnFace);
    }
    if (m_bitmap.GetSafeHandle() == NULL)
        return;
    BITMAP bm = {};
    m_bitmap.GetBitmap(&bm);
    int x = rc.left + m_nLeftPadding, y = rc.top + (rc.Height() - bm.bmHeight) / 2;
    if (bPressed)
        x++, y++;
    CDC dcBitmap;
    if (dcBitmap.CreateCompatibleDC(pDC))
    {
        CBitmap* pOld = dcBitmap.SelectObject(&m_bitmap);
        pDC->BitBlt(x, y, bm.bmWidth, bm.bmHeight, &dcBitmap, 0, 0, SRCCOPY);
        dcBitmap.SelectObject(pOld);
    }
}

void CGXBDropEdit::RedrawButton()
{
    if (GetSafeHwnd())
        SendMessage(WM_NCPAINT, 1);
}

void CGXBDropEdit::SetPressed(BOOL bPressed)
{
    BOOL bWas = (m_wState & statePressed) != 0;
    m_wState = bPressed ? (WORD)(m_wState | statePressed) : (WORD)(m_wState & ~statePressed);
    if (bWas != bPressed)
        RedrawButton();
}

void CGXBDropEdit::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CEdit::OnNcCalcSize(bCalcValidRects, lpncsp);
    if (m_bitmap.GetSafeHandle() == NULL)
        return;
    BITMAP bm = {};
    m_bitmap.GetBitmap(&bm);
    int cx = bm.bmWidth + m_nLeftPadding + m_nRightPadding + 4;
    RECT& rc = lpncsp->rgrc[0];
    if (m_wState & stateRight)
    {
        m_rectButton.SetRect(rc.right - cx, rc.top, rc.right, rc.bottom);
        rc.right -= cx;
    }
    else
    {
        m_rectButton.SetRect(rc.left, rc.top, rc.left + cx, rc.bottom);
        rc.left += cx;
    }
}

LRESULT CGXBDropEdit::OnNcHitTest(CPoint point)
{
    LRESULT nHit = CEdit::OnNcHitTest(point);
    if (nHit == HTNOWHERE && HitTestButton(point.x, point.y, FALSE))
        return HTBORDER;
    return nHit;
}

void CGXBDropEdit::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!(m_wState & statePressed) && HitTestButton(point.x, point.y, FALSE))
    {
        m_wState |= stateTracking;
        SetPressed(TRUE);
        SetCapture();
        return;
    }
    CEdit::OnNcLButtonDown(nHitTest, point);
}

void CGXBDropEdit::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    // A quick second press on the button is a press like the first.
    if (!(m_wState & statePressed) && HitTestButton(point.x, point.y, FALSE))
    {
        OnNcLButtonDown(nHitTest, point);
        return;
    }
    CEdit::OnNcLButtonDblClk(nHitTest, point);
}

void CGXBDropEdit::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_wState & stateTracking)
        SetPressed(HitTestButton(point.x, point.y, TRUE));
    else
        CEdit::OnMouseMove(nFlags, point);
}

void CGXBDropEdit::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!(m_wState & stateTracking))
    {
        CEdit::OnLButtonUp(nFlags, point);
        return;
    }
    ReleaseCapture();
    m_wState &= ~stateTracking;
    SetPressed(FALSE);
    if (HitTestButton(point.x, point.y, TRUE))
        OnButtonClicked();
}

void CGXBDropEdit::OnCancelMode()
{
    if (m_wState & stateTracking)
    {
        ReleaseCapture();
        m_wState &= ~stateTracking;
        SetPressed(FALSE);
    }
    CEdit::OnCancelMode();
}

void CGXBDropEdit::OnEnable(BOOL bEnable)
{
    RedrawButton();
    CEdit::OnEnable(bEnable);
}

void CGXBDropEdit::OnSysColorChange()
{
    GXGetSysColorTable()->Refresh();
    SetButtonBitmap(m_nBitmapId);
    CEdit::OnSysColorChange();
}

void CGXBDropEdit::EmbossButton(CDC* pDC, const CRect& rc)
{
    const CGXSysColorTable& colors = *GXGetSysColorTable();
    int cx = rc.Width(), cy = rc.Height();
    if (cx <= 1 || cy <= 1)
        return;
    CDC dcMask;
    CBitmap mask;
    if (!dcMask.CreateCompatibleDC(pDC) || !mask.CreateBitmap(cx, cy, 1, 1, NULL))
        return;
    CBitmap* pOldMask = dcMask.SelectObject(&mask);
    dcMask.PatBlt(0, 0, cx, cy, WHITENESS);
    COLORREF crOldBk = pDC->SetBkColor(colors.m_clrBtnFace);
    dcMask.BitBlt(0, 0, cx, cy, pDC, rc.left, rc.top, SRCCOPY);
    pDC->SetBkColor(colors.m_clrBtnHilite);
    dcMask.BitBlt(0, 0, cx, cy, pDC, rc.left, rc.top, 0x00EE0086);
    pDC->SetBkColor(crOldBk);

    const DWORD ropMaskedBrush = 0x00B8074A;
    CBrush brushHilite(colors.m_clrBtnHilite), brushShadow(colors.m_clrBtnShadow);
    CBrush* pOldBrush = pDC->SelectObject(&brushHilite);
    COLORREF crOldText = pDC->SetTextColor(RGB(0, 0, 0));
    pDC->SetBkColor(RGB(255, 255, 255));
    pDC->BitBlt(rc.left + 1, rc.top + 1, cx - 1, cy - 1, &dcMask, 0, 0, ropMaskedBrush);
    pDC->SelectObject(&brushShadow);
    pDC->BitBlt(rc.left, rc.top, cx, cy, &dcMask, 0, 0, ropMaskedBrush);
    pDC->SelectObject(pOldBrush);
    pDC->SetTextColor(crOldText);
    pDC->SetBkColor(crOldBk);
    dcMask.SelectObject(pOldMask);
}

void CGXBDropEdit::OnNcPaint()
{
    CEdit::OnNcPaint();
    if (m_bitmap.GetSafeHandle() == NULL || m_rectButton.IsRectEmpty())
        return;
    CRect rcWindow;
    GetWindowRect(rcWindow);
    CWnd* pParent = GetParent();
    if (pParent)
        pParent->ScreenToClient(rcWindow);
    CRect rcButton = m_rectButton;
    rcButton.OffsetRect(-rcWindow.left, -rcWindow.top);
    CRect rcLocal(0, 0, rcButton.Width(), rcButton.Height());

    CWindowDC dc(this);
    CDC dcMem;
    CBitmap bitmap;
    if (dcMem.CreateCompatibleDC(&dc) &&
        bitmap.CreateCompatibleBitmap(&dc, rcLocal.Width(), rcLocal.Height()))
    {
        CBitmap* pOld = dcMem.SelectObject(&bitmap);
        DrawButton(&dcMem, rcLocal);
        if (!IsWindowEnabled())
        {
            CRect rcInner = rcLocal;
            rcInner.DeflateRect(2, 2);
            EmbossButton(&dcMem, rcInner);
        }
        dc.BitBlt(rcButton.left, rcButton.top, rcLocal.Width(), rcLocal.Height(), &dcMem, 0, 0, SRCCOPY);
        dcMem.SelectObject(pOld);
    }
    else
        DrawButton(&dc, rcButton);
}
