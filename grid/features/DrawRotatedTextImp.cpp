// Rotated cell text.
#include "grid/features/DrawRotatedTextImp.h"
#include "grid/core/AppData.h"
#include "afxwin.h"
#include <math.h>

void AFXAPI GXInstallDrawRotatedTextImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pDrawRotatedTextImp != NULL)
        return;
    pAppData->m_pDrawRotatedTextImp = new CGXDrawRotatedTextImp;
    pAppData->AddComponent(pAppData->m_pDrawRotatedTextImp);
}

namespace
{
const double s_dRadiansPerDegree = 0.017453292519444445;

// Unaligned start point of each quadrant, from the rectangle, the extent and the angle within
// the quadrant in radians.
struct Quadrant
{
    double dFrom; // first angle of the quadrant
    double (*pfnX1)(const CRect& rect, double r, double cx, double cy);
    double (*pfnY1)(const CRect& rect, double r, double cx, double cy);
    BOOL bVCenterHalfLine; // vertical centring also moves up by half the text height
};

const Quadrant s_aQuadrants[] = {
    {0, [](const CRect& rc, double, double, double) { return (double)rc.left; },
     [](const CRect& rc, double r, double cx, double cy) { return rc.top + sin(r) * cx + cy / 2; }, TRUE},
    {90,
     [](const CRect& rc, double r, double cx, double cy) {
         double x = rc.left + sin(r) * cx;
         return x > rc.right ? rc.right - cy : x;
     },
     [](const CRect& rc, double r, double cx, double cy) { return rc.top + cos(r) * cx + cy; }, TRUE},
    {180, [](const CRect& rc, double r, double cx, double cy) { return rc.left + cos(r) * cx + cy; },
     [](const CRect& rc, double, double, double) { return (double)rc.top; }, FALSE},
    {270, [](const CRect& rc, double r, double, double cy) { return rc.left + sin(r) * cy; },
     [](const CRect& rc, double, double, double) { return (double)rc.top; }, TRUE},
};

// 0 to 90 and 180 to 270 include both ends.
const Quadrant& QuadrantOf(double dDegrees)
{
    if (dDegrees <= 90)
        return s_aQuadrants[0];
    if (dDegrees < 180)
        return s_aQuadrants[1];
    if (dDegrees <= 270)
        return s_aQuadrants[2];
    return s_aQuadrants[3];
}
} // namespace

CPoint CGXDrawRotatedTextImp::CalcStartPoint(const CRect& rect, UINT nFormat, double dDegrees, double cx,
                                             double cy)
{
    const Quadrant& q = QuadrantOf(dDegrees);
    double r = (dDegrees - q.dFrom) * s_dRadiansPerDegree;
    double w = rect.Width(), h = rect.Height();
    double x = q.pfnX1(rect, r, cx, cy), y = q.pfnY1(rect, r, cx, cy);
    if (nFormat & DT_RIGHT)
        x += (w - cos(r) * cx) - cy;
    else if (nFormat & DT_CENTER)
        x += (w - cos(r) * cx) / 2 - cy / 2;
    if (nFormat & DT_BOTTOM)
        y += (h - sin(r) * cx) - cy;
    else if (nFormat & DT_VCENTER)
        y += (h - sin(r) * cx) / 2 - (q.bVCenterHalfLine ? cy / 2 : 0);
    return CPoint((int)x, (int)y);
}

int CGXDrawRotatedTextImp::DrawRotatedText(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top,
                                           int right, int bottom, UINT nFormat, LONG lfOrientation,
                                           LPRECT lpRectClip)
{
    if (nCount < 0)
        nCount = lstrlenA(lpszString);
    CSize size = pDC->GetTextExtent(lpszString, nCount);
    double dDegrees = lfOrientation * 0.1;
    while (dDegrees < 0)
        dDegrees += 360;
    while (dDegrees >= 360)
        dDegrees -= 360;
    CRect rect(left, top, right, bottom);
    int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(lpRectClip != NULL ? CRect(*lpRectClip) : rect);
    CPoint pt = CalcStartPoint(rect, nFormat, dDegrees, size.cx, size.cy);
    pDC->TextOut(pt.x, pt.y, lpszString, nCount);
    pDC->RestoreDC(nSaved);
    return 0;
}
