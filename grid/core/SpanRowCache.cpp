// One row of composed styles for the float and merge passes.
#include "grid/core/SpanRowCache.h"
#include "grid/core/GridCore.h"

SpanRowCache::~SpanRowCache()
{
    for (INT_PTR i = 0; i < m_apStyles.GetSize(); i++)
        delete (CGXStyle*)m_apStyles[i];
}

void SpanRowCache::Begin(ROWCOL nCol)
{
    if (m_nCount == 0)
        m_nBaseCol = nCol > 256 ? nCol - 256 : 0;
}

void SpanRowCache::Reserve(ROWCOL nLastCol)
{
    if (nLastCol > m_nBaseCol && nLastCol - m_nBaseCol < 0x100000 &&
        (INT_PTR)(nLastCol - m_nBaseCol) >= m_apStyles.GetSize())
        m_apStyles.SetSize((INT_PTR)(nLastCol - m_nBaseCol) + 1);
}

CGXStyle& SpanRowCache::Lookup(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
{
    if (m_nCount > 0 && nRow != m_nRow)
        Empty(pGrid);
    if (m_nCount == 0)
    {
        Begin(nCol);
        m_nRow = nRow;
    }
    INT_PTR i = nCol > m_nBaseCol ? (INT_PTR)(nCol - m_nBaseCol) : 0;
    if (i >= m_apStyles.GetSize())
        m_apStyles.SetSize(i + 1);
    CGXStyle* pStyle = (CGXStyle*)m_apStyles[i];
    if (pStyle != NULL && (i > 0 || m_nFirstSlotCol == nCol))
        return *pStyle;
    if (pStyle == NULL)
    {
        pStyle = pGrid->CreateStyle();
        m_apStyles[i] = pStyle;
        m_nCount++;
    }
    else
        pStyle->Free();
    if (i == 0)
        m_nFirstSlotCol = nCol;
    pGrid->ComposeStyleRowCol(nRow, nCol, pStyle, TRUE);
    return *pStyle;
}

void SpanRowCache::Empty(CGXGridCore* pGrid)
{
    for (INT_PTR i = 0; i < m_apStyles.GetSize(); i++)
        if (m_apStyles[i] != NULL)
            pGrid->RecycleStyle((CGXStyle*)m_apStyles[i]);
    m_apStyles.RemoveAll();
    m_nCount = 0;
}
