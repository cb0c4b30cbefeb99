// The memory bitmap of the buffered paint, kept between paints.
#include "grid/core/PaintBuffer.h"
#include <algorithm>

CGXPaintBuffer::~CGXPaintBuffer()
{
    Free();
}

void CGXPaintBuffer::Free()
{
    if (m_dc.GetSafeHdc() != NULL)
    {
        if (m_pOldBitmap != NULL)
            m_dc.SelectObject(m_pOldBitmap);
        m_dc.DeleteDC();
    }
    m_pOldBitmap = NULL;
    m_bitmap.DeleteObject();
    m_cx = m_cy = m_nBits = 0;
}

// A section of the device's colour depth when it has 32 bits: drawing into it takes none of the
// window system's round trips that a device bitmap costs on every font selection.
BOOL CGXPaintBuffer::CreateBitmap(CDC* pDC, int cx, int cy)
{
    if (pDC->GetDeviceCaps(BITSPIXEL) * pDC->GetDeviceCaps(PLANES) == 32)
    {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = cx;
        bi.bmiHeader.biHeight = -cy;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* pBits = NULL;
        HBITMAP hbm = ::CreateDIBSection(pDC->GetSafeHdc(), &bi, DIB_RGB_COLORS, &pBits, NULL, 0);
        if (hbm != NULL)
            return m_bitmap.Attach(hbm);
    }
    return m_bitmap.CreateCompatibleBitmap(pDC, cx, cy);
}

CDC* CGXPaintBuffer::Acquire(CDC* pDC, int cx, int cy)
{
    if (m_bInUse || cx <= 0 || cy <= 0)
        return NULL;
    // A bitmap is only compatible with devices of its own colour depth.
    int nBits = pDC->GetDeviceCaps(BITSPIXEL) * pDC->GetDeviceCaps(PLANES);
    if (m_dc.GetSafeHdc() == NULL || nBits != m_nBits || cx > m_cx || cy > m_cy)
    {
        int cxNew = std::max(cx, m_nBits == nBits ? m_cx : 0),
            cyNew = std::max(cy, m_nBits == nBits ? m_cy : 0);
        Free();
        if (!m_dc.CreateCompatibleDC(pDC))
            return NULL;
        if (!CreateBitmap(pDC, cxNew, cyNew))
        {
            m_dc.DeleteDC();
            return NULL;
        }
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        m_cx = cxNew;
        m_cy = cyNew;
        m_nBits = nBits;
    }
    m_nSavedDC = m_dc.SaveDC();
    m_bInUse = TRUE;
    return &m_dc;
}

void CGXPaintBuffer::Release()
{
    if (!m_bInUse)
        return;
    m_dc.RestoreDC(m_nSavedDC);
    m_bInUse = FALSE;
}

CGXPaintBuffer* CGXPaintBuffer::ForThread()
{
    static thread_local CGXPaintBuffer buffer;
    return &buffer;
}
