// The state of one DrawCells pass: the client rows and columns drawn, their sizes and
// positions, the composed style and the flags of every cell. Built on the stack for one call and
// pushed on the engine's context stack.
#pragma once
#include "grid/core/Style.h"
#include "afxwin.h"
#include <vector>

class CGXControl;

// Cell flags of a drawing pass.
enum
{
    gxBorderLeft = 1,
    gxBorderRight = 2,
    gxBorderTop = 4,
    gxBorderBottom = 8,
    gxSelected = 16,
    gxBackground = 32,
    gxCovered = 64,
    gxHorzLine = 0x200,
    gxVertLine = 0x400,
    gxFrozenColLine = 0x800,
    gxFrozenRowLine = 0x1000
};

class CGXDrawingContext
{
  public:
    // Construction
    CGXDrawingContext(ROWCOL nClientRows, ROWCOL nClientCols);
    CGXDrawingContext(const CGXDrawingContext&) = delete;
    CGXDrawingContext& operator=(const CGXDrawingContext&) = delete;

    // Operations
    const CGXStyle*& Style(ROWCOL r, ROWCOL c)
    {
        return m_apStyles[r * m_nCols + c];
    }
    WORD& Flags(ROWCOL r, ROWCOL c)
    {
        return m_awFlags[r * m_nCols + c];
    }
    CRect CellRect(ROWCOL r, ROWCOL c) const
    {
        return CRect(m_anColLeft[c], m_anRowTop[r], m_anColLeft[c] + m_anColWidth[c],
                     m_anRowTop[r] + m_anRowHeight[r]);
    }

    // Implementation
    ROWCOL m_nRows;
    ROWCOL m_nCols;
    ROWCOL m_nTopRow = 0, m_nLeftCol = 0;
    ROWCOL m_nFrozenCols = 0, m_nFrozenRows = 0, m_nHeaderCols = 0, m_nHeaderRows = 0;
    CRect m_rectCurrentCell;
    CRect m_rectCell;
    int m_nOriginX = 0, m_nOriginY = 0;
    std::vector<int> m_anRowHeight, m_anColWidth;
    std::vector<int> m_anRowTop, m_anColLeft;
    std::vector<ROWCOL> m_anRowId, m_anColId; // one extra entry after the last
    std::vector<const CGXStyle*> m_apStyles;
    std::vector<WORD> m_awFlags;
    CGXControl* m_pCurrentControl = NULL;
    BOOL m_bMarkerDrawn = FALSE;
    BOOL m_bInvertSelection = FALSE;
    ROWCOL m_nClientTop = 0, m_nClientLeft = 0, m_nClientBottom = 0, m_nClientRight = 0;
    CDC* m_pDC = NULL;
    CRect m_rectClip;
    CGXCellPen m_penHorz, m_penVert;
    CGXDrawingContext* m_pPrevious = NULL;
};
