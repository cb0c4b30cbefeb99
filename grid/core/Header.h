// The header cell control: a 3-D button look that turns pushed for marked headers (those of the
// current cell, or of selected rows and columns with the spreadsheet look), and the header text.
#pragma once
#include "grid/core/Static.h"

class CGXHeader : public CGXStatic
{
    GX_DECLARE_CONTROL(CGXHeader)

  public:
    // Construction
    explicit CGXHeader(CGXGridCore* pGrid);

    // Overridables
    void DrawBackground(CDC* pDC, const CRect& rect) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // With the spreadsheet look, also the headers of rows and columns the selection touches.
    BOOL IsMarkedHeaderCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;

  protected:
    // The 3-D look inside the cell less its borders.
    void DrawHeaderLook(CDC* pDC, const CRect& rect, BOOL bMarked, BOOL bSheet);
    // While printing: black lines where a header cell's border is the null pen.
    void DrawPrintedLines(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    void DrawHeaderText(CDC* pDC, const CRect& rect, CRect rectText, ROWCOL nRow, ROWCOL nCol,
                        const CGXStyle& style);
};
