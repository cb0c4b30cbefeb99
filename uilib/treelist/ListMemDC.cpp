#include "ListMemDC.h"

CListMemDC::CListMemDC(CDC* pDC, int left, int top, int right, int bottom)
    : m_pTarget(pDC), m_rect(left, top, right, bottom)
{
    if (pDC == NULL || pDC->m_hDC == NULL)
        AfxThrowResourceException();
    Attach(::CreateCompatibleDC(pDC->m_hDC));
    m_hBitmap =
        ::CreateCompatibleBitmap(pDC->m_hDC, std::max(1, m_rect.Width()), std::max(1, m_rect.Height()));
    if (m_hDC == NULL || m_hBitmap == NULL)
    {
        if (m_hBitmap != NULL)
            ::DeleteObject(m_hBitmap);
        if (m_hDC != NULL)
            ::DeleteDC(Detach());
        AfxThrowResourceException();
    }
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
    // Drawing keeps the target's coordinates.
    ::SetWindowOrgEx(m_hDC, m_rect.left, m_rect.top, NULL);
}

CListMemDC::~CListMemDC()
{
    ::BitBlt(m_pTarget->m_hDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, m_rect.left,
             m_rect.top, SRCCOPY);
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(Detach());
}
