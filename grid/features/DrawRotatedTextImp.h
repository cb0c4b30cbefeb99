// Draws a text at an angle inside a cell rectangle: the start point is placed by the angle's
// quadrant and the DT_ alignment. Library-wide, stateless.
#pragma once
#include "grid/core/GridComponents.h"

class CGXDrawRotatedTextImp : public CGXAbstractDrawRotatedTextImp
{
  public:
    int DrawRotatedText(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top, int right, int bottom,
                        UINT nFormat, LONG lfOrientation, LPRECT lpRectClip) override;

    // Implementation
    // The start point of a text of extent cx by cy at an angle of dDegrees (0 <= dDegrees < 360).
    static CPoint CalcStartPoint(const CRect& rect, UINT nFormat, double dDegrees, double cx, double cy);
};

// Installs the library-wide component (once).
void AFXAPI GXInstallDrawRotatedTextImp();
