// The calendar button gadget.
#include "DTButtonGadget.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/SysColorTable.h"

IMPLEMENT_DYNAMIC(CGXBDTButtonGadget, CGXBDTGadget)

BOOL CGXBDTButtonGadget::Initialise(CGXBDateTimeCtrl* pOwner, UINT nBitmapId, int nId)
{
    CGXBDTGadget::Initialise(pOwner, nId);
    m_nBitmapId = nBitmapId;
    m_bitmap.DeleteObject();
    return GXLoadSysColorBitmap(m_bitmap, MAKEINTRESOURCE(nBitmapId));
}

void CGXBDTButtonGadget::DrawButton(CDC* pDC, const CRect& rectIn, CBitmap& bitmap, BOOL bPressed)
{
    const CGXSysColorTable& c = *GXGetSysColorTable();
    CRect rect = rectIn;
    if (bPressed)
    {
        pDC->Draw3dRect(rect, c.m_clrBtnShadow, c.m_clrBtnShadow);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(rect, c.m_clrBtnFace, c.m_clrBtnFace);
    }
    else
    {
        pDC->Draw3dRect(rect, c.m_clrBtnFace, c.m_clrWindowFrame);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(rect, c.m_clrBtnHilite, c.m_clrBtnShadow);
    }
    rect.DeflateRect(1, 1);
    pDC->FillSolidRect(rect, c.m_clrBtnFace);
    if (bitmap.GetSafeHandle() == NULL)
        return;
    BITMAP bm = {};
    bitmap.GetBitmap(&bm);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(pDC))
        return;
    CBitmap* pOld = dcMem.SelectObject(&bitmap);
    int x = rect.left + (rect.Width() - bm.bmWidth) / 2 + (bPressed ? 1 : 0);
    int y = rect.top + (rect.Height() - bm.bmHeight) / 2 + (bPressed ? 1 : 0);
    pDC->BitBlt(x, y, bm.bmWidth, bm.bmHeight, &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOld);
}

void CGXBDTButtonGadget::CalcSize(CDC*)
{
    m_rect.SetRect(0, 0, 16, -1);
}

void CGXBDTButtonGadget::Draw(CDC* pDC)
{
    DrawButton(pDC, m_rect, m_bitmap, (m_nState & statePressed) != 0);
}

void CGXBDTButtonGadget::OnLButtonDown(UINT, CPoint)
{
    m_nState = stateTracking | statePressed;
    Invalidate(TRUE);
    CaptureMouse(TRUE);
}

void CGXBDTButtonGadget::OnMouseMove(UINT, CPoint point)
{
    if (!(m_nState & stateTracking))
        return;
    BOOL bInside = m_rect.PtInRect(point);
    if (!!bInside != !!(m_nState & statePressed))
    {
        m_nState = bInside ? (m_nState | statePressed) : (m_nState & ~statePressed);
        Invalidate(TRUE);
    }
}

void CGXBDTButtonGadget::Release(CPoint point, BOOL bClick)
{
    if (!(m_nState & stateTracking))
        return;
    CaptureMouse(FALSE);
    m_nState &= ~stateTracking;
    if (bClick && m_rect.PtInRect(point))
        Notify(GXDT_NOTIFY_CLICKED, m_nId, 0);
    if (m_nState & statePressed)
    {
        m_nState &= ~statePressed;
        Invalidate(TRUE);
    }
}

void CGXBDTButtonGadget::OnLButtonUp(UINT, CPoint point)
{
    Release(point, TRUE);
}

void CGXBDTButtonGadget::OnCancelMode()
{
    Release(CPoint(-1, -1), FALSE);
}

void CGXBDTButtonGadget::OnSysColorChange()
{
    m_bitmap.DeleteObject();
    GXLoadSysColorBitmap(m_bitmap, MAKEINTRESOURCE(m_nBitmapId));
}
