// Drawing of spanned cells inside the engine's paint pass.
#include "grid/features/DrawSpannedCellsImp.h"
#include "grid/core/DrawingContext.h"
#include "grid/core/GridCore.h"
#include <algorithm>

void CGXGridCore::InstallDrawSpannedCellsImp()
{
    if (m_pDrawSpannedCellsImp != NULL)
        return;
    m_pDrawSpannedCellsImp = new CGXDrawSpannedCellsImp;
    AddOwnedImp(m_pDrawSpannedCellsImp);
}

namespace
{
// The four panes of the grid (frozen and scrolling rows by frozen and scrolling columns) as
// row and column intervals.
struct Panes
{
    ROWCOL rowFirst[2], rowLast[2], colFirst[2], colLast[2];

    template <class F> void ForEach(const CGXCellRange& range, F f) const
    {
        for (int r = 0; r < 2; r++)
            for (int c = 0; c < 2; c++)
            {
                CGXCellRange part;
                if (rowFirst[r] <= rowLast[r] && colFirst[c] <= colLast[c] &&
                    part.Intersect(range, CGXCellRange(rowFirst[r], colFirst[c], rowLast[r], colLast[c])))
                    f(part);
            }
    }
};

// TRUE for the current cell while its control edits.
BOOL IsActiveCurrentCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
{
    if (!pGrid->IsCurrentCell(nRow, nCol))
        return FALSE;
    CGXControl* pControl = pGrid->GetRegisteredControl(pGrid->LookupStyleRowCol(nRow, nCol).GetControl());
    return pControl != NULL && pControl->IsActive();
}
} // namespace

BOOL CGXDrawSpannedCellsImp::PrepareSpans(CGXGridCore* pGrid, const CGXCellRange& rangeIn,
                                          ROWCOL nLastFrozenRow, ROWCOL nLastFrozenCol, ROWCOL nFirstRow,
                                          ROWCOL nFirstCol, ROWCOL nLastRow, ROWCOL nLastCol, BOOL bKeepLock,
                                          CGXCellRange* pChanged, BOOL bUseCache)
{
    CGXCellRange range = rangeIn;
    range.ExpandToCells(0, 0, pGrid->GetRowCount(), pGrid->GetColCount());
    Panes panes = {{0, nFirstRow}, {nLastFrozenRow, nLastRow}, {0, nFirstCol}, {nLastFrozenCol, nLastCol}};
    // Merges first: floats cannot cross merged cells.
    BOOL bChanged = FALSE;
    panes.ForEach(range, [&](const CGXCellRange& part) {
        bChanged |= pGrid->RecalcMergedCells(part, bKeepLock, pChanged, bUseCache);
    });
    panes.ForEach(range, [&](const CGXCellRange& part) {
        bChanged |= pGrid->RecalcFloatedCells(part, bKeepLock, pChanged, bUseCache);
    });
    return bChanged;
}

BOOL CGXDrawSpannedCellsImp::MarkSpannedCell(CGXGridCore* pGrid, CGXDrawingContext& ctx, ROWCOL i, ROWCOL j)
{
    // 1.
    ROWCOL nRow = ctx.m_anRowId[i], nCol = ctx.m_anColId[j];
    CGXCellRange span;
    BOOL bCovered = pGrid->GetCoveredCellsRowCol(nRow, nCol, span) != NULL;
    BOOL bCurrentActive = IsActiveCurrentCell(pGrid, nRow, nCol);
    if (!bCovered)
    {
        // An active current cell keeps its own rectangle unless it starts the span.
        BOOL bFound = FALSE;
        if (pGrid->GetMergedRangeAt(nRow, nCol, span, -1) != NULL)
            bFound = !bCurrentActive || (span.top == nRow && span.left == nCol);
        if (!bFound && pGrid->GetFloatedRangeAt(nRow, nCol, span) != NULL)
            bFound = !bCurrentActive || span.left == nCol;
        if (!bFound)
            return FALSE;
    }
    // 2.
    const CGXStyle* pStyle = &pGrid->LookupStyleRowCol(span.top, span.left);
    ctx.Style(i, j) = pStyle;
    // 3. - 4. The drawn cells of the span: every later visible cell inside it.
    BOOL bMirrored = pGrid->GetParam()->m_bMirroredLayout;
    BOOL bLastSides = bMirrored || pGrid->GetParam()->m_nLinePosition != 0;
    ROWCOL nLineCol = bLastSides ? span.right : span.left, nLineRow = bLastSides ? span.bottom : span.top;
    int nSideV = bMirrored ? CGXStyle::sideRight : CGXStyle::sideLeft;
    int nSideH = bMirrored ? CGXStyle::sideBottom : CGXStyle::sideTop;
    WORD wSideV = bMirrored ? gxBorderRight : gxBorderLeft, wSideH = bMirrored ? gxBorderBottom : gxBorderTop;
    BOOL bFirst = TRUE;
    for (ROWCOL i2 = i; i2 < ctx.m_nRows; i2++)
    {
        ROWCOL r = ctx.m_anRowId[i2];
        if (r < span.top || r > span.bottom)
            continue;
        for (ROWCOL j2 = 0; j2 < ctx.m_nCols; j2++)
        {
            ROWCOL c = ctx.m_anColId[j2];
            if (c < span.left || c > span.right || (i2 == i && j2 < j) || (ctx.Flags(i2, j2) & gxCovered))
                continue;
            // An active current cell inside a merge or float keeps its own rectangle.
            if (!bCovered && !(r == nRow && c == nCol) && IsActiveCurrentCell(pGrid, r, c))
                continue;
            WORD wFlags = gxCovered;
            if (bCovered)
                wFlags |= spanCovered;
            if (!bFirst)
                wFlags |= spanInner;
            bFirst = FALSE;
            if (c == nLineCol)
                wFlags |= pStyle->HasBorder(nSideV) ? wSideV : (WORD)gxVertLine;
            if (r == nLineRow)
                wFlags |= pStyle->HasBorder(nSideH) ? wSideH : (WORD)gxHorzLine;
            // The engine's lines stand at the cells' left and top edges; a span ending at the
            // frozen boundary keeps the boundary's line.
            if (c == span.right && c == ctx.m_nFrozenCols && c > ctx.m_nHeaderCols &&
                !pStyle->HasBorder(CGXStyle::sideRight))
                wFlags |= gxFrozenColLine;
            if (r == span.bottom && r == ctx.m_nFrozenRows && r > ctx.m_nHeaderRows &&
                !pStyle->HasBorder(CGXStyle::sideBottom))
                wFlags |= gxFrozenRowLine;
            ctx.Flags(i2, j2) = wFlags;
            ctx.Style(i2, j2) = pStyle;
        }
    }
    // 5.
    if (!pGrid->m_pParam->m_bTransparentBackground)
        ctx.Flags(i, j) |= gxBackground;
    return TRUE;
}

BOOL CGXDrawSpannedCellsImp::DrawSpannedCell(CGXGridCore* pGrid, CGXDrawingContext& ctx, ROWCOL i, ROWCOL j)
{
    const CGXStyle* pStyle = ctx.Style(i, j);
    WORD wFlags = ctx.Flags(i, j);
    if (pStyle == NULL || !(wFlags & gxCovered))
        return FALSE;
    if (wFlags & spanInner)
        return TRUE;
    ROWCOL nRow = ctx.m_anRowId[i], nCol = ctx.m_anColId[j];
    CGXCellRange span;
    if (!pGrid->GetCellSpanRange(nRow, nCol, span))
        return FALSE;
    CGXControl* pControl = pGrid->GetRegisteredControl(pStyle->GetControl());
    CDC* pDC = ctx.m_pDC;
    // Each visible pane part of the span is drawn, clipped to the part, with the rectangle of the
    // whole span, so the parts join into one cell.
    auto visible = [](const std::vector<ROWCOL>& anIds, ROWCOL nCount, ROWCOL nFirst, ROWCOL nLast,
                      ROWCOL nFrom) {
        std::vector<ROWCOL> parts; // client indices grouped by consecutive ids
        for (ROWCOL k = nFrom; k < nCount; k++)
            if (anIds[k] >= nFirst && anIds[k] <= nLast)
                parts.push_back(k);
        return parts;
    };
    std::vector<ROWCOL> rows = visible(ctx.m_anRowId, ctx.m_nRows, span.top, span.bottom, i);
    std::vector<ROWCOL> cols = visible(ctx.m_anColId, ctx.m_nCols, span.left, span.right, 0);
    auto runs = [&](const std::vector<ROWCOL>& v, const std::vector<ROWCOL>& anIds) {
        std::vector<std::pair<ROWCOL, ROWCOL>> out; // runs of adjacent client indices with consecutive ids
        for (size_t k = 0; k < v.size(); k++)
            if (!out.empty() && v[k] == out.back().second + 1 && anIds[v[k]] > anIds[out.back().second])
                out.back().second = v[k];
            else
                out.push_back({v[k], v[k]});
        return out;
    };
    BOOL bCurrentInSpan =
        pGrid->m_bCurrentCellValid && span.ContainsCell(pGrid->m_nCurrentRow, pGrid->m_nCurrentCol);
    for (auto rowRun : runs(rows, ctx.m_anRowId))
        for (auto colRun : runs(cols, ctx.m_anColId))
        {
            CRect part(ctx.m_anColLeft[colRun.first], ctx.m_anRowTop[rowRun.first],
                       ctx.m_anColLeft[colRun.second] + ctx.m_anColWidth[colRun.second],
                       ctx.m_anRowTop[rowRun.second] + ctx.m_anRowHeight[rowRun.second]);
            if (part.IsRectEmpty())
                continue;
            ROWCOL nTop = ctx.m_anRowId[rowRun.first], nBottom = ctx.m_anRowId[rowRun.second];
            ROWCOL nLeft = ctx.m_anColId[colRun.first], nRight = ctx.m_anColId[colRun.second];
            CRect rect = part;
            if (nTop > span.top)
                rect.top -= pGrid->SumRowHeights(span.top, nTop - 1);
            if (nBottom < span.bottom)
                rect.bottom += pGrid->SumRowHeights(nBottom + 1, span.bottom);
            if (nLeft > span.left)
                rect.left -= pGrid->SumColWidths(span.left, nLeft - 1);
            if (nRight < span.right)
                rect.right += pGrid->SumColWidths(nRight + 1, span.right);
            int nSaved = pDC->SaveDC();
            CRect clip;
            clip.IntersectRect(part, ctx.m_rectClip);
            pDC->IntersectClipRect(&clip);
            BOOL bOldPending = pGrid->m_bBackgroundPending, bOldSpan = pGrid->m_bDrawingSpan;
            pGrid->m_bBackgroundPending = (wFlags & gxBackground) != 0;
            pGrid->m_bDrawingSpan = TRUE;
            // A current cell inside the span draws it, so that its control can edit over it.
            if (bCurrentInSpan)
                pGrid->DrawCell(pDC, pGrid->m_nCurrentRow, pGrid->m_nCurrentCol, rect, *pStyle);
            else
                pGrid->DrawCell(pDC, span.top, span.left, rect, *pStyle);
            pGrid->m_bBackgroundPending = bOldPending;
            pGrid->m_bDrawingSpan = bOldSpan;
            pGrid->DrawStyleBorders(pDC, rect, *pStyle);
            pDC->RestoreDC(nSaved);
            if (bCurrentInSpan && pControl != NULL && !pControl->IsActive() &&
                ctx.m_rectCurrentCell.IsRectEmpty())
            {
                // The marker of the current cell goes around the whole span.
                ctx.m_pCurrentControl = pControl;
                pGrid->SubtractBorders(ctx.m_rectCurrentCell, rect, *pStyle, TRUE);
            }
        }
    return TRUE;
}
