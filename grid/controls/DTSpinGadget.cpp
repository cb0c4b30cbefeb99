// The spin button: drawing and auto-repeat.
#include "DTSpinGadget.h"
#include "DateTimeCtrl.h"
#include "grid/core/SysColorTable.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CGXBDTSpinGadget, CGXBDTGadget)

namespace
{
void DrawArrowButton(CDC* pDC, CRect rect, BOOL bUp, BOOL bPressed)
{
    const CGXSysColorTable& c = *GXGetSysColorTable();
    if (bPressed)
    {
        pDC->Draw3dRect(rect, c.m_clrBtnShadow, c.m_clrBtnHilite);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(rect, c.m_clrWindowFrame, c.m_clrBtnFace);
    }
    else
    {
        pDC->Draw3dRect(rect, c.m_clrBtnFace, c.m_clrWindowFrame);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(rect, c.m_clrBtnHilite, c.m_clrBtnShadow);
    }
    int h = rect.Height() + 2;
    int a = std::min(h / 4 + 1, 4);
    int x = rect.left - 1 + (rect.Width() + 2) / 2 + (bPressed ? 1 : 0);
    int yBase = bUp ? rect.top - 1 + (h - a) / 2 + a : rect.bottom + 1 - (h - a) / 2 - a;
    yBase += bPressed ? 1 : 0;
    if (a < 2)
    {
        pDC->SetPixel(x, yBase, RGB(0, 0, 0));
        return;
    }
    POINT pts[3];
    if (bUp)
    {
        pts[0] = {x - (a - 1), yBase - 1};
        pts[1] = {x + (a - 1), yBase - 1};
        pts[2] = {x, yBase - a};
    }
    else
    {
        pts[0] = {x - (a - 1), yBase};
        pts[1] = {x + (a - 1), yBase};
        pts[2] = {x, yBase + a - 1};
    }
    int nOld = pDC->SetPolyFillMode(WINDING);
    pDC->Polygon(pts, 3);
    pDC->SetPolyFillMode(nOld);
}
} // namespace

void CGXBDTSpinGadget::DrawSpin(CDC* pDC, const CRect& rect, int nState)
{
    pDC->FillSolidRect(rect, GXGetSysColorTable()->m_clrBtnFace);
    CGdiObject* pOldPen = pDC->SelectStockObject(BLACK_PEN);
    CGdiObject* pOldBrush = pDC->SelectStockObject(BLACK_BRUSH);
    int h = rect.Height() / 2;
    DrawArrowButton(pDC, CRect(rect.left, rect.top, rect.right, rect.top + h), TRUE,
                    (nState & upPressed) != 0);
    DrawArrowButton(pDC, CRect(rect.left, rect.bottom - h, rect.right, rect.bottom), FALSE,
                    (nState & downPressed) != 0);
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
}

void CGXBDTSpinGadget::CalcSize(CDC*)
{
    m_rect.SetRect(0, 0, 16, -1);
}

void CGXBDTSpinGadget::Draw(CDC* pDC)
{
    DrawSpin(pDC, m_rect, m_nState);
}

UINT CGXBDTSpinGadget::GetInitialDelay() const
{
    return m_pOwner != NULL ? m_pOwner->GetInitialDelay() : 500;
}

UINT CGXBDTSpinGadget::GetRepeatDelay() const
{
    return m_pOwner != NULL ? m_pOwner->GetRepeatDelay() : 100;
}

int CGXBDTSpinGadget::HitTest(CPoint point) const
{
    if (!m_rect.PtInRect(point))
        return 0;
    return point.y >= m_rect.top + m_rect.Height() / 2 ? 2 : 1;
}

void CGXBDTSpinGadget::Step()
{
    int nStep = m_nRepeat <= 20 ? 1 : m_nRepeat <= 50 ? 2 : 5;
    Notify((m_nState & upTracking) ? GXDT_NOTIFY_SPINUP : GXDT_NOTIFY_SPINDOWN, m_nId, nStep);
}

void CGXBDTSpinGadget::OnLButtonDown(UINT, CPoint point)
{
    int nHalf = HitTest(point);
    if (nHalf == 0)
        return;
    m_nState = nHalf == 1 ? (upPressed | upTracking) : (downPressed | downTracking);
    m_nRepeat = 0;
    Notify(nHalf == 1 ? GXDT_NOTIFY_SPINUP : GXDT_NOTIFY_SPINDOWN, m_nId, 1);
    Invalidate(TRUE);
    CaptureMouse(TRUE);
    StartTimer(GetInitialDelay());
    m_nState |= timerRunning | firstDelay;
}

void CGXBDTSpinGadget::OnTimer()
{
    if (m_nState & firstDelay)
    {
        StartTimer(GetRepeatDelay());
        m_nState &= ~firstDelay;
    }
    m_nRepeat++;
    Step();
}

void CGXBDTSpinGadget::OnMouseMove(UINT, CPoint point)
{
    if (!(m_nState & (upTracking | downTracking)))
        return;
    int nTracked = (m_nState & upTracking) ? 1 : 2;
    int nPressedBit = nTracked == 1 ? upPressed : downPressed;
    BOOL bInside = HitTest(point) == nTracked;
    BOOL bWasPressed = (m_nState & nPressedBit) != 0;
    if (bInside == bWasPressed)
        return;
    if (bInside)
    {
        m_nState |= nPressedBit | timerRunning;
        m_nRepeat = 0;
        StartTimer(GetRepeatDelay());
    }
    else
    {
        m_nState &= ~(nPressedBit | timerRunning | firstDelay);
        StopTimer();
    }
    Invalidate(TRUE);
}

void CGXBDTSpinGadget::EndTracking()
{
    if (!(m_nState & (upTracking | downTracking)))
        return;
    CaptureMouse(FALSE);
    BOOL bPressed = (m_nState & (upPressed | downPressed)) != 0;
    m_nState &= ~(upPressed | downPressed | upTracking | downTracking);
    if (bPressed)
        Invalidate(TRUE);
    StopTimer();
    m_nState &= ~(timerRunning | firstDelay);
}

void CGXBDTSpinGadget::OnLButtonUp(UINT, CPoint)
{
    EndTracking();
}

void CGXBDTSpinGadget::OnCancelMode()
{
    EndTracking();
}
