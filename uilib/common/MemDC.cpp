#include "uilib/common/MemDC.h"

namespace tessaron
{
namespace foundation
{

SECMemDC::SECMemDC(CDC* pTarget, int left, int top, int right, int bottom)
    : m_pTarget(pTarget), m_pOldBitmap(NULL), m_left(left), m_top(top), m_right(right), m_bottom(bottom),
      m_nMapMode(MM_TEXT)
{
    if (pTarget == NULL || pTarget->m_hAttribDC == NULL)
        AfxThrowResourceException();
    m_nMapMode = pTarget->GetMapMode();
    m_ptViewportOrg = pTarget->GetViewportOrg();
    m_ptWindowOrg = pTarget->GetWindowOrg();
    m_sizeViewportExt = pTarget->GetViewportExt();
    m_sizeWindowExt = pTarget->GetWindowExt();

    // The buffer is sized in pixels: under a metric mapping the logical size is not the pixel
    // size and its height may even be negative.
    POINT corners[2] = {{left, top}, {right, bottom}};
    ::LPtoDP(pTarget->m_hAttribDC, corners, 2);
    m_rcDevice.SetRect(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    m_rcDevice.NormalizeRect();

    if (!CreateCompatibleDC(pTarget))
        AfxThrowResourceException();
    if (!m_bitmap.CreateCompatibleBitmap(pTarget, m_rcDevice.Width(), m_rcDevice.Height()))
    {
        DeleteDC();
        AfxThrowResourceException();
    }
    m_pOldBitmap = SelectObject(&m_bitmap);
    ApplyMapping();
}

// The target's mapping, with the viewport moved so that the rectangle's corner is the buffer's
// pixel (0, 0).
void SECMemDC::ApplyMapping()
{
    SetMapMode(m_nMapMode);
    if (m_nMapMode == MM_ISOTROPIC || m_nMapMode == MM_ANISOTROPIC)
    {
        SetWindowExt(m_sizeWindowExt);
        SetViewportExt(m_sizeViewportExt);
    }
    SetWindowOrg(m_ptWindowOrg);
    SetViewportOrg(m_ptViewportOrg.x - m_rcDevice.left, m_ptViewportOrg.y - m_rcDevice.top);
}

SECMemDC::~SECMemDC()
{
    // Copied pixel for pixel, whatever mapping the caller left on either DC.
    HDC hTarget = m_pTarget->m_hDC;
    int nSaved = ::SaveDC(hTarget);
    ::SetMapMode(hTarget, MM_TEXT);
    ::SetViewportOrgEx(hTarget, 0, 0, NULL);
    ::SetWindowOrgEx(hTarget, 0, 0, NULL);
    ::SetMapMode(m_hDC, MM_TEXT);
    ::SetViewportOrgEx(m_hDC, 0, 0, NULL);
    ::SetWindowOrgEx(m_hDC, 0, 0, NULL);
    ::BitBlt(hTarget, m_rcDevice.left, m_rcDevice.top, m_rcDevice.Width(), m_rcDevice.Height(), m_hDC, 0, 0,
             SRCCOPY);
    ::RestoreDC(hTarget, nSaved);
    SelectObject(m_pOldBitmap);
    m_bitmap.DeleteObject();
    DeleteDC();
}

} // namespace foundation
} // namespace tessaron
