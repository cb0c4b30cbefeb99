// The old drawing of a paint pass, cell by cell.
#include "grid/features/GridOldDrawingImp.h"
#include "grid/core/DrawingContext.h"
#include "grid/core/GridCore.h"

void CGXGridCore::InstallOldDrawingImp()
{
    if (m_pOldDrawingImp != NULL)
        return;
    m_pOldDrawingImp = new CGXGridOldDrawingImp;
    AddOwnedImp(m_pOldDrawingImp);
}

namespace
{
// A brush as drawn in black and white: white and black, the denser patterns black on white
// the other way round.
CGXCellBrush BlackWhite(const CGXCellBrush& brush)
{
    BOOL bDense = brush.GetStyle() == 3 && brush.GetPattern() >= 32;
    CGXCellBrush b = brush;
    b.SetBackColor(bDense ? RGB(0, 0, 0) : RGB(255, 255, 255));
    b.SetColor(bDense ? RGB(255, 255, 255) : RGB(0, 0, 0));
    return b;
}

// A cell a background block may take over: no style, or a background still to paint with
// the block's brush; never a cell of a span.
BOOL Joins(CGXDrawingContext& ctx, ROWCOL r, ROWCOL c, const CGXCellBrush& brush)
{
    WORD wFlags = ctx.Flags(r, c);
    if (wFlags & gxCovered)
        return FALSE;
    const CGXStyle* pStyle = ctx.Style(r, c);
    return pStyle == NULL || ((wFlags & gxBackground) && pStyle->GetInterior() == brush);
}
} // namespace

BOOL CGXGridOldDrawingImp::DrawBlock(CGXGridCore* pGrid, CDC* pDC, CGXDrawingContext& ctx)
{
    // 1.
    if (!pGrid->m_bOldDrawing && !pGrid->GetParam()->m_bOldDrawing)
        return FALSE;
    pGrid->m_bOldDrawing = TRUE;

    // 2. A metafile that does not print records without row clipping; printing does without it
    // when the library says so.
    BOOL bRowClip = !(pDC->IsKindOf(RUNTIME_CLASS(CMetaFileDC)) && !pDC->IsPrinting()) &&
                    !(pDC->IsPrinting() && pGrid->m_pAppData->m_bNoPrintClipping);

    // 3.
    pGrid->DrawWithOldDrawingImp(ctx);

    // 4. Cells row by row; spans come last, unclipped by the rows they cross.
    ROWCOL nRowCount = pGrid->GetRowCount(), nColCount = pGrid->GetColCount();
    for (ROWCOL r = 0; r < ctx.m_nRows; r++)
    {
        int nTop = ctx.m_anRowTop[r], nBottom = nTop + ctx.m_anRowHeight[r];
        int nSaved = 0;
        if (bRowClip)
        {
            nSaved = pDC->SaveDC();
            pDC->IntersectClipRect(ctx.m_rectClip.left, nTop, ctx.m_rectClip.right, nBottom);
        }
        for (ROWCOL c = 0; c < ctx.m_nCols; c++)
        {
            if (ctx.Flags(r, c) & gxCovered)
                continue;
            ctx.m_rectCell = ctx.CellRect(r, c);
            pGrid->DrawContextCell(ctx, r, c);
        }
        if (bRowClip)
            pDC->RestoreDC(nSaved);
    }

    // The spans, before the lines: they fill their whole rectangle, edges included.
    if (pGrid->m_pDrawSpannedCellsImp != NULL)
        for (ROWCOL r = 0; r < ctx.m_nRows; r++)
            for (ROWCOL c = 0; c < ctx.m_nCols; c++)
                if (ctx.Flags(r, c) & gxCovered)
                {
                    ctx.m_rectCell = ctx.CellRect(r, c);
                    pGrid->DrawContextCell(ctx, r, c);
                }

    // The vertical lines, then the horizontal ones, and the current cell's marker.
    for (ROWCOL c = 0; c < ctx.m_nCols; c++)
        if (ctx.m_anColId[c] <= nColCount && ctx.m_anColWidth[c] > 0)
            pGrid->DrawLineRuns(ctx, TRUE, c);
    for (ROWCOL r = 0; r < ctx.m_nRows; r++)
        if (ctx.m_anRowId[r] <= nRowCount && ctx.m_anRowHeight[r] > 0)
            pGrid->DrawLineRuns(ctx, FALSE, r);

    if (ctx.m_pCurrentControl != NULL && !ctx.m_rectCurrentCell.IsRectEmpty())
        ctx.m_pCurrentControl->DrawBackground(pDC, ctx.m_rectCurrentCell);

    // The selection is inverted last, as the engine's own drawing does: the selection's changes
    // invert the screen in place, so a repaint without it would leave them inverted wrongly.
    pGrid->DrawInvertedSelection(ctx);
    return TRUE;
}

void CGXGridOldDrawingImp::DrawBackgrounds(CGXGridCore* pGrid, CGXDrawingContext& ctx)
{
    CDC* pDC = ctx.m_pDC;
    // 1.
    CGXProperties* pProps = pGrid->GetParam()->GetProperties();
    BOOL bBlackWhite = pGrid->IsPrinting() && pProps != NULL && pProps->GetBlackWhite();
    auto adjusted = [&](const CGXCellBrush& brush) { return bBlackWhite ? BlackWhite(brush) : brush; };
    CGXCellBrush standard = adjusted(pGrid->GetDefaultBaseStyle().GetInterior());

    // 2. The area beyond the last column and row keeps its own colour; the rest of the pass
    // gets the standard brush. A transparent grid paints neither: only the cells whose interior
    // differs from the standard one get a background.
    if (!pGrid->GetParam()->m_bTransparentBackground)
    {
        int nSaved = pDC->SaveDC();
        if (!pGrid->GetParam()->m_bOldDrawing && !pGrid->IsPrinting())
        {
            pGrid->DrawOuterArea(ctx);
            if (ctx.m_anColId[ctx.m_nCols - 1] >= pGrid->GetColCount())
                pDC->ExcludeClipRect(pGrid->CalcRectRightOfCol(pGrid->GetColCount()));
            if (ctx.m_anRowId[ctx.m_nRows - 1] >= pGrid->GetRowCount())
                pDC->ExcludeClipRect(pGrid->CalcRectBelowRow(pGrid->GetRowCount()));
        }
        pGrid->DrawBrushRect(pDC, ctx.m_rectClip, standard);
        pDC->RestoreDC(nSaved);
    }

    // 3. Blocks of equal backgrounds, widened right, then down while the whole run matches.
    for (ROWCOL r = 0; r < ctx.m_nRows; r++)
        for (ROWCOL c = 0; c < ctx.m_nCols; c++)
        {
            if ((ctx.Flags(r, c) & (gxBackground | gxCovered)) != gxBackground || ctx.Style(r, c) == NULL)
                continue;
            const CGXCellBrush brush = ctx.Style(r, c)->GetInterior();
            ROWCOL e = c + 1;
            while (e < ctx.m_nCols && Joins(ctx, r, e, brush))
                e++;
            ROWCOL b = r + 1;
            auto rowJoins = [&](ROWCOL r2) {
                for (ROWCOL k = c; k < e; k++)
                    if (!Joins(ctx, r2, k, brush))
                        return FALSE;
                return TRUE;
            };
            while (b < ctx.m_nRows && rowJoins(b))
                b++;
            if (e - c == 1 && b - r == 1)
                continue;
            for (ROWCOL r2 = r; r2 < b; r2++)
                for (ROWCOL k = c; k < e; k++)
                    ctx.Flags(r2, k) &= ~gxBackground;
            CRect rect(ctx.m_anColLeft[c], ctx.m_anRowTop[r], ctx.m_anColLeft[e], ctx.m_anRowTop[b]);
            pGrid->DrawBrushRect(pDC, rect, adjusted(brush));
        }
}
