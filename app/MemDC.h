// CMemDC: a flicker-free drawing context for one paint. Drawing goes into an off-screen bitmap of
// the rectangle, filled with the target's background colour, and is copied to the target when
// the object goes; on a printer it draws straight into the printer's context.
#pragma once
#include "afxwin.h"

class CMemDC : public CDC
{
  public:
    // Construction
    // pRect NULL: the target's clip box.
    explicit CMemDC(CDC* pDC, const CRect* pRect = NULL);
    ~CMemDC() override;
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

  private:
    // Implementation
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap;
    CDC* m_pDC;
    CRect m_rect;
    BOOL m_bMemDC;
};
