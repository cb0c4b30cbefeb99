// Static-text cells.
#include "grid/core/Static.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/GridCore.h"

GX_IMPLEMENT_CONTROL(CGXStatic, CGXControl)

CGXStatic::CGXStatic(CGXGridCore* pGrid) : CGXControl(pGrid)
{
}

void CGXStatic::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                     const CGXStyle* pStandardStyle)
{
    // A background of its own (the engine did not merge it into a run), then the 3-D frame.
    if (m_pGrid->IsBackgroundPending())
        m_pGrid->DrawBrushRect(pDC, rect, style.GetInterior());
    GXGetDrawingAndFormatting()->DrawStaticCell(this, pDC, rect.left, rect.top, rect.right, rect.bottom, nRow, nCol,
                                                style, pStandardStyle);
}

CSize CGXStatic::CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandard, BOOL bVert)
{
    if (m_pGrid->m_pCalcSizeImp == NULL)
        return CSize(0, 0);
    return m_pGrid->m_pCalcSizeImp->CalcSize(this, pDC, nRow, nCol, style, pStandard, bVert);
}
