// The row header cell of a record browser: marks the current record with an arrow, the record
// being edited with a pencil and the append row with a star.
#pragma once
#include "grid/core/Control.h"

class CGXBrowserGrid;

class CGXBrowseGridArrowRowHeader : public CGXControl
{
    GX_DECLARE_CONTROL(CGXBrowseGridArrowRowHeader)

  public:
    // Construction
    explicit CGXBrowseGridArrowRowHeader(CGXBrowserGrid* pGrid);

    // Overridables
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;

    // Operations
    // The resource id of the mark a row shows (0: none).
    UINT GetRowMark(ROWCOL nRow);

    // Implementation
    CBitmap m_bmEdit, m_bmAppend, m_bmCurrent;
    BOOL m_b3dFrame = FALSE;
    CGXBrowserGrid* m_pBrowser;
};
