// The memory bitmap the buffered paint of every grid of a thread draws into, kept from one paint
// to the next: a screen-sized bitmap made anew for each paint costs as much as painting a quarter
// of the cells. Owned by the thread's paints; a paint nested in another gets a bitmap of its own.
#pragma once
#include "afxwin.h"

class CGXPaintBuffer
{
  public:
    CGXPaintBuffer() = default;
    CGXPaintBuffer(const CGXPaintBuffer&) = delete;
    CGXPaintBuffer& operator=(const CGXPaintBuffer&) = delete;
    ~CGXPaintBuffer();

    // A memory DC compatible with pDC holding a bitmap of at least cx x cy pixels, its state saved
    // so Release puts it back; NULL when the bitmap cannot be had.
    CDC* Acquire(CDC* pDC, int cx, int cy);
    void Release();

    // The buffer of the calling thread, free for one paint at a time.
    static CGXPaintBuffer* ForThread();

  private:
    BOOL CreateBitmap(CDC* pDC, int cx, int cy);
    void Free();

    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = NULL;
    int m_cx = 0, m_cy = 0, m_nBits = 0;
    int m_nSavedDC = 0;
    BOOL m_bInUse = FALSE;
};
