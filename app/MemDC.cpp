// CMemDC: the off-screen buffer of the digit displays.
#include "app/MemDC.h"

CMemDC::CMemDC(CDC* pDC, const CRect* pRect) : m_pOldBitmap(NULL), m_pDC(pDC), m_bMemDC(!pDC->IsPrinting())
{
    if (pRect != NULL)
        m_rect = *pRect;
    else
        pDC->GetClipBox(&m_rect);
    if (m_bMemDC)
    {
        CreateCompatibleDC(pDC);
        CRect rcDevice = m_rect;
        pDC->LPtoDP(&rcDevice);
        m_bitmap.CreateCompatibleBitmap(pDC, rcDevice.Width(), rcDevice.Height());
        m_pOldBitmap = SelectObject(&m_bitmap);
        SetMapMode(pDC->GetMapMode());
        SetWindowOrg(m_rect.left, m_rect.top);
    }
    else
    {
        // A printer gets the drawing directly.
        m_bPrinting = pDC->m_bPrinting;
        m_hDC = pDC->m_hDC;
        m_hAttribDC = pDC->m_hAttribDC;
    }
    FillSolidRect(&m_rect, pDC->GetBkColor());
}

CMemDC::~CMemDC()
{
    if (m_bMemDC)
    {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top,
                      SRCCOPY);
        SelectObject(m_pOldBitmap);
    }
    else
    {
        // The handles stay the printer's.
        m_hDC = NULL;
        m_hAttribDC = NULL;
    }
}
