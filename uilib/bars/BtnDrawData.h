// SECBtnDrawData: the drawing context the self-drawn toolbars of one manager share: memory DCs
// for the image strip, the mask and the off-screen button, the dithered brush of checked
// buttons, and the off-screen and mask bitmaps, made for one paint and deleted after it.
#pragma once
#include "afxwin.h"

class SECBtnDrawData
{
  public:
    // Construction
    SECBtnDrawData();
    ~SECBtnDrawData();
    SECBtnDrawData(const SECBtnDrawData&) = delete;
    SECBtnDrawData& operator=(const SECBtnDrawData&) = delete;

    // Operations
    // Off-screen and mask bitmaps of the largest button size, selected into their DCs.
    BOOL BeginPaint(int cx, int cy);
    void EndPaint();
    // Rebuilds the dithered brush for the current button colours.
    void SysColorChange();
    // Selects an image strip into the image DC (NULL: none).
    void SelectImage(HBITMAP hbm);
    BOOL HasImage() const
    {
        return m_hOldImage != NULL;
    }

    // Attributes
    HDC m_hDCImage;
    HDC m_hDCMask;
    HDC m_hDCDraw;
    HBRUSH m_hbrDither; // 8 x 8 checkerboard of button face and button highlight
    HBITMAP m_hbmDraw;
    HBITMAP m_hbmMask;

  private:
    HGDIOBJ m_hOldImage, m_hOldMask, m_hOldDraw;
};
