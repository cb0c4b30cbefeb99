// SECMemDC: a scoped off-screen buffer over a target DC and a rectangle. Everything drawn into it
// lands in the target's rectangle, in one copy, when the object goes out of scope; nothing drawn
// outside the rectangle reaches the target. The buffer keeps the target's mapping.
#pragma once
#include "afxwin.h"

namespace tessaron
{
namespace foundation
{

class SECMemDC : public CDC
{
  public:
    // Construction
    // left..bottom are the target's logical coordinates. Throws CResourceException when pTarget
    // is NULL or the buffer cannot be made.
    SECMemDC(CDC* pTarget, int left, int top, int right, int bottom);
    // Copies the buffer to the target.
    ~SECMemDC() override;
    SECMemDC(const SECMemDC&) = delete;
    SECMemDC& operator=(const SECMemDC&) = delete;

  private:
    // Implementation
    void ApplyMapping();

    CDC* m_pTarget;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap;
    int m_left;
    int m_top;
    int m_right;
    int m_bottom;
    CPoint m_ptViewportOrg;
    CPoint m_ptWindowOrg;
    CSize m_sizeViewportExt;
    CSize m_sizeWindowExt;
    int m_nMapMode;
    // The rectangle in the target's device pixels: the buffer covers exactly this.
    CRect m_rcDevice;
};

} // namespace foundation
} // namespace tessaron
