// CPreviewDC: the DC a view prints into during print preview. Queries go to the printer DC
// (the attribute DC), so the view lays out pages as for printing; output goes to the preview
// window, with the printer's mapping scaled down to the page drawn on the screen.
//
// Differences from MFC:
// - Scaling is done by mirroring the printer DC's mapping into MM_ANISOTROPIC on the screen DC;
//   fonts scale with it, no font matching per size is done.
#pragma once
#include "DC.h"

class CPreviewDC : public CDC
{
    DECLARE_DYNAMIC(CPreviewDC)

  public:
    // Construction
    CPreviewDC();
    ~CPreviewDC() override;

    // Operations
    // Printer device units times nNum / nDen give screen pixels; the page's corner lands at ptOrigin.
    void SetScaleRatio(int nNum, int nDen);
    void SetTopLeftOffset(CPoint ptOrigin);
    // Call after the output DC was set: brings it to the printer's current mapping.
    void MirrorMappingMode();

    // Overrides
    void SetAttribDC(HDC hDC) override;
    void SetOutputDC(HDC hDC) override;
    // Into the printer DC as well: the view measures text with the font it lays out with.
    CFont* SelectObject(CFont* pFont) override;
    int SetMapMode(int nMapMode) override;
    CPoint SetViewportOrg(int x, int y) override;
    CPoint OffsetViewportOrg(int nWidth, int nHeight) override;
    CSize SetViewportExt(int cx, int cy) override;
    CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) override;
    CSize SetWindowExt(int cx, int cy) override;
    CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) override;

    // Implementation
  private:
    int m_nScaleNum;
    int m_nScaleDen;
    CPoint m_ptOrigin;
};
