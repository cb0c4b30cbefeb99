// CListMemDC: an off-screen DC over a rectangle of a target DC; the bitmap is copied to the
// target when the object goes. The list's own small copy of the UI library's memory DC.
#pragma once
#include "afxwin.h"

class CListMemDC : public CDC
{
  public:
    // Throws the framework's resource exception when pDC is none.
    CListMemDC(CDC* pDC, int left, int top, int right, int bottom);
    ~CListMemDC() override;
    CListMemDC(const CListMemDC&) = delete;
    CListMemDC& operator=(const CListMemDC&) = delete;

  private:
    CDC* m_pTarget;
    CRect m_rect;
    HBITMAP m_hBitmap = NULL;
    HGDIOBJ m_hOldBitmap = NULL;
};
