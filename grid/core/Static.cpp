// Static-text cells.
#include "grid/core/Static.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/GridCore.h"

GX_IMPLEMENT_CONTROL(CGXStatic, CGXControl)

namespace
{
// Half the sizing frame's width, at least 2 pixels.
int TextMargin()
{
    int m = ::GetSystemMetrics(SM_CXFRAME) / 2;
    return m > 2 ? m : 2;
}
} // namespace

CGXStatic::CGXStatic(CGXGridCore* pGrid) : CGXControl(pGrid)
{
}

CRect CGXStatic::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem, const CGXStyle* pStyle)
{
    const CGXStyle& style = pStyle != NULL ? *pStyle : m_pGrid->LookupStyleRowCol(nRow, nCol);
    BOOL bRight = style.GetInclude(CGXStyle::ibHorzAlign) && style.GetHorizontalAlignment() == DT_RIGHT;
    CRect rect = CGXControl::GetCellRect(nRow, nCol, rectItem, &style);
    int m = TextMargin();
    rect.left += m;
    rect.right -= bRight ? m + 1 : m / 2;
    return rect;
}

CSize CGXStatic::AddBorders(CSize size, const CGXStyle& style)
{
    return CGXControl::AddBorders(CSize(size.cx + 2 * TextMargin() + 1, size.cy), style);
}

void CGXStatic::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                     const CGXStyle* pStandardStyle)
{
    // A background of its own (the engine did not merge it into a run), then the 3-D frame.
    if (m_pGrid->IsBackgroundPending())
        m_pGrid->DrawBrushRect(pDC, rect, style.GetInterior());
    GXGetDrawingAndFormatting()->DrawStaticCell(this, pDC, rect.left, rect.top, rect.right, rect.bottom, nRow,
                                                nCol, style, pStandardStyle);
}

CSize CGXStatic::CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandard, BOOL bVert)
{
    if (m_pGrid->m_pCalcSizeImp == NULL)
        return CSize(0, 0);
    return m_pGrid->m_pCalcSizeImp->CalcSize(this, pDC, nRow, nCol, style, pStandard, bVert);
}

BOOL CGXStatic::CanFloatCell(ROWCOL, ROWCOL, const CGXStyle& style, BOOL bFloatOrFlood)
{
    return m_pGrid->IsFloatCandidate(style, bFloatOrFlood);
}
