// One row of composed cell styles, kept while a float or merge pass walks a row so that every
// cell is composed once per row. The grid keeps one for float passes and one for merge passes;
// the styles come from and go back to the grid's style recycling.
#pragma once
#include "grid/core/GridTypes.h"

class CGXGridCore;
class CGXStyle;

class SpanRowCache
{
  public:
    // Construction
    SpanRowCache() = default;
    ~SpanRowCache();
    SpanRowCache(const SpanRowCache&) = delete;
    SpanRowCache& operator=(const SpanRowCache&) = delete;

    // Operations
    // An empty cache takes its base 256 columns left of the pass's first column.
    void Begin(ROWCOL nCol);
    // Room for the columns up to nLastCol (merge passes size the cache up front).
    void Reserve(ROWCOL nLastCol);
    // The composed style of a cell of the cached row, composed on first use. A cell of another
    // row empties the cache first.
    CGXStyle& Lookup(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol);
    // Hands every style back to the grid.
    void Empty(CGXGridCore* pGrid);

    // Implementation
    ROWCOL m_nBaseCol = 0;
    CPtrArray m_apStyles; // CGXStyle*, index column minus base (0 at or left of the base)
    WORD m_nCount = 0;
    ROWCOL m_nRow = 0;
    ROWCOL m_nFirstSlotCol = 0; // the column whose style slot 0 holds
};
