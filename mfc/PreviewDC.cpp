// CPreviewDC: printer layout, screen output.
#include "PreviewDC.h"
#include <climits>

IMPLEMENT_DYNAMIC(CPreviewDC, CDC)

CPreviewDC::CPreviewDC() : m_nScaleNum(1), m_nScaleDen(1), m_ptOrigin(0, 0)
{
    m_bPrinting = TRUE;
}

CPreviewDC::~CPreviewDC()
{
    // Neither handle is ours: the printer DC belongs to the print dialog, the screen DC to the painter.
    ReleaseOutputDC();
    ReleaseAttribDC();
}

void CPreviewDC::SetScaleRatio(int nNum, int nDen)
{
    if (nNum < 1 || nDen < 1)
        nNum = nDen = 1;
    int a = nNum, b = nDen;
    while (b != 0)
    {
        int t = a % b;
        a = b;
        b = t;
    }
    m_nScaleNum = nNum / a;
    m_nScaleDen = nDen / a;
    MirrorMappingMode();
}

void CPreviewDC::SetTopLeftOffset(CPoint ptOrigin)
{
    m_ptOrigin = ptOrigin;
    MirrorMappingMode();
}

void CPreviewDC::SetAttribDC(HDC hDC)
{
    m_hAttribDC = hDC;
    MirrorMappingMode();
}

void CPreviewDC::SetOutputDC(HDC hDC)
{
    m_hDC = hDC;
    MirrorMappingMode();
}

void CPreviewDC::MirrorMappingMode()
{
    if (m_hDC == NULL || m_hAttribDC == NULL)
        return;
    // printer device = (logical - windowOrg) * viewportExt / windowExt + viewportOrg, then scaled
    // and moved onto the page on the screen.
    SIZE winExt, vpExt;
    POINT winOrg, vpOrg;
    ::GetWindowExtEx(m_hAttribDC, &winExt);
    ::GetViewportExtEx(m_hAttribDC, &vpExt);
    ::GetWindowOrgEx(m_hAttribDC, &winOrg);
    ::GetViewportOrgEx(m_hAttribDC, &vpOrg);
    // The scale goes into both extents, not into the viewport alone: MM_TEXT's extents are 1.
    LONGLONG wx = (LONGLONG)winExt.cx * m_nScaleDen, wy = (LONGLONG)winExt.cy * m_nScaleDen;
    LONGLONG vx = (LONGLONG)vpExt.cx * m_nScaleNum, vy = (LONGLONG)vpExt.cy * m_nScaleNum;
    while (wx > INT_MAX || wx < -INT_MAX || wy > INT_MAX || wy < -INT_MAX || vx > INT_MAX || vx < -INT_MAX ||
           vy > INT_MAX || vy < -INT_MAX)
    {
        wx /= 2;
        wy /= 2;
        vx /= 2;
        vy /= 2;
    }
    ::SetMapMode(m_hDC, MM_ANISOTROPIC);
    ::SetWindowExtEx(m_hDC, (int)wx, (int)wy, NULL);
    ::SetViewportExtEx(m_hDC, (int)vx, (int)vy, NULL);
    ::SetWindowOrgEx(m_hDC, winOrg.x, winOrg.y, NULL);
    ::SetViewportOrgEx(m_hDC, ::MulDiv(vpOrg.x, m_nScaleNum, m_nScaleDen) + m_ptOrigin.x,
                       ::MulDiv(vpOrg.y, m_nScaleNum, m_nScaleDen) + m_ptOrigin.y, NULL);
}

CFont* CPreviewDC::SelectObject(CFont* pFont)
{
    HGDIOBJ hFont = pFont->GetSafeHandle();
    HGDIOBJ hOld = NULL;
    if (m_hDC != NULL)
        hOld = ::SelectObject(m_hDC, hFont);
    if (m_hAttribDC != NULL)
        hOld = ::SelectObject(m_hAttribDC, hFont);
    return CFont::FromHandle((HFONT)hOld);
}

int CPreviewDC::SetMapMode(int nMapMode)
{
    int nOld = ::SetMapMode(m_hAttribDC, nMapMode);
    MirrorMappingMode();
    return nOld;
}

CPoint CPreviewDC::SetViewportOrg(int x, int y)
{
    CPoint old;
    ::SetViewportOrgEx(m_hAttribDC, x, y, &old);
    MirrorMappingMode();
    return old;
}

CPoint CPreviewDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    CPoint old;
    ::OffsetViewportOrgEx(m_hAttribDC, nWidth, nHeight, &old);
    MirrorMappingMode();
    return old;
}

CSize CPreviewDC::SetViewportExt(int cx, int cy)
{
    CSize old;
    ::SetViewportExtEx(m_hAttribDC, cx, cy, &old);
    MirrorMappingMode();
    return old;
}

CSize CPreviewDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    CSize old;
    ::ScaleViewportExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &old);
    MirrorMappingMode();
    return old;
}

CSize CPreviewDC::SetWindowExt(int cx, int cy)
{
    CSize old;
    ::SetWindowExtEx(m_hAttribDC, cx, cy, &old);
    MirrorMappingMode();
    return old;
}

CSize CPreviewDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    CSize old;
    ::ScaleWindowExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &old);
    MirrorMappingMode();
    return old;
}
