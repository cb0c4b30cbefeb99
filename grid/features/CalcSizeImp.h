// The size of a static text cell's contents: its text wrapped or not, or the bitmap it names.
#pragma once
#include "grid/core/GridComponents.h"

class CGXCalcSizeImp : public CGXAbstractCalcSizeImp
{
  public:
    CSize CalcSize(CGXControl* pControl, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                   const CGXStyle* pStandardStyle, BOOL bVert) override;

    // Implementation
    enum
    {
        maxWrappedLines = 32
    };
};
