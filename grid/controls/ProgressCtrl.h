// A display-only cell that draws its value as a bar between a minimum and a maximum, with an
// optional caption drawn in two colours so it reads over the filled and the empty part.
#pragma once
#include "grid/core/Control.h"

class CGXStylesMap;

class CGXProgressCtrl : public CGXControl
{
    GX_DECLARE_CONTROL(CGXProgressCtrl)

  public:
    explicit CGXProgressCtrl(CGXGridCore* pGrid);

    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // A value outside minimum .. maximum is stored clamped.
    BOOL StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType,
                    const CGXStyle* pOldStyle) override;
    virtual void GetCaptionText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    virtual COLORREF GetBarColor(BOOL bFilled, const CGXStyle& style);
    virtual COLORREF GetCaptionColor(BOOL bOverBar, const CGXStyle& style);

    static void RegisterUserAttributes(CGXStylesMap* pStylesMap);
    // TRUE when the caption format holds only "%%" and at most one integer conversion (d, i or
    // u with flags, width and an optional l): anything else would read or write past the one
    // long handed to it.
    static BOOL IsSafeCaptionFormat(LPCTSTR pszFormat);

    double m_dUnitsPerPixel = 1.0;
};
