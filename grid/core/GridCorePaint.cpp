// The paint pass of the grid engine: the paint entry, the buffered and the direct paint,
// DrawCells with its cell flags and background runs, the per-paint style cache and the redraw
// operations.
#include <algorithm>
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/DrawingContext.h"
#include "grid/core/FontFaceTable.h"
#include "grid/core/GridAxis.h"
#include "grid/core/PaintBuffer.h"

CGXDrawingContext::CGXDrawingContext(ROWCOL nClientRows, ROWCOL nClientCols)
    : m_nRows(nClientRows), m_nCols(nClientCols), m_anRowHeight(nClientRows), m_anColWidth(nClientCols),
      m_anRowTop(nClientRows + 1), m_anColLeft(nClientCols + 1), m_anRowId(nClientRows + 1),
      m_anColId(nClientCols + 1), m_apStyles((size_t)nClientRows * nClientCols),
      m_awFlags((size_t)nClientRows * nClientCols)
{
    m_rectCurrentCell.SetRectEmpty();
    m_rectCell.SetRectEmpty();
    m_rectClip.SetRectEmpty();
}

// -- Style cache ------------------------------------------------------------------------------------

// The map hashes a key by its low 32 bits without the lowest four: the cell is mixed into them
// (one-to-one, so every cell keeps a key of its own), or all rows of a column would share a chain.
void* CGXGridCore::StyleCacheKey(ROWCOL nRow, ROWCOL nCol) const
{
    unsigned long long k = (((unsigned long long)nRow << 32) | nCol) * 0x9E3779B97F4A7C15ull;
    return (void*)(UINT_PTR)(k ^ (k >> 29));
}

CGXStyle* CGXGridCore::CreateStyle()
{
    if (!m_freeStyles.IsEmpty())
        return (CGXStyle*)m_freeStyles.RemoveHead();
    return m_pStyleClass != NULL ? (CGXStyle*)m_pStyleClass->CreateObject() : new CGXStyle;
}

void CGXGridCore::RecycleStyle(CGXStyle* pStyle)
{
    if (pStyle == NULL)
        return;
    if (m_freeStyles.GetCount() < maxFreeStyles)
    {
        pStyle->Free();
        m_freeStyles.AddHead(pStyle);
    }
    else
        delete pStyle;
}

const CGXStyle& CGXGridCore::LookupStyleRowCol(ROWCOL nRow, ROWCOL nCol)
{
    if (IsCurrentCell(nRow, nCol))
    {
        if (m_bCurrentCellStyleValid && m_pCurrentCellStyle != NULL && !m_pCurrentCellStyle->IsEmpty())
            return *m_pCurrentCellStyle;
        if (m_pCurrentCellStyle == NULL)
            m_pCurrentCellStyle = CreateStyle();
        else
            m_pCurrentCellStyle->Free();
        ComposeStyleRowCol(nRow, nCol, m_pCurrentCellStyle, TRUE);
        if (IsReadOnly())
            m_pCurrentCellStyle->SetReadOnly(TRUE);
        m_pCurrentCellControl = GetRegisteredControl(m_pCurrentCellStyle->GetControl());
        m_bCurrentCellStyleValid = TRUE;
        return *m_pCurrentCellStyle;
    }
    void* p = NULL;
    if (m_styleCache.Lookup(StyleCacheKey(nRow, nCol), p))
        return *(CGXStyle*)p;
    CGXStyle* pStyle = CreateStyle();
    ComposeStyleRowCol(nRow, nCol, pStyle, TRUE);
    if (IsReadOnly())
        pStyle->SetReadOnly(TRUE);
    m_styleCache[StyleCacheKey(nRow, nCol)] = pStyle;
    return *pStyle;
}

void CGXGridCore::FreeObjectCache()
{
    if (m_bKeepAllCaches)
        return;
    if (!m_bKeepGDICache)
    {
        ReleaseGridDC();
        for (CGXMapByte8ToPtr* pMap : {m_pFontMap, m_pBrushMap, m_pPenMap})
        {
            if (pMap == NULL)
                continue;
            POSITION pos = pMap->GetStartPosition();
            while (pos != NULL)
            {
                GXByte8Key key;
                void* pValue;
                pMap->GetNextAssoc(pos, key, pValue);
                delete (CGdiObject*)pValue;
            }
            pMap->RemoveAll();
        }
    }
    POSITION pos = m_styleCache.GetStartPosition();
    while (pos != NULL)
    {
        void* pKey;
        void* pValue;
        m_styleCache.GetNextAssoc(pos, pKey, pValue);
        RecycleStyle((CGXStyle*)pValue);
    }
    m_styleCache.RemoveAll();
    if (!m_bHoldCurrentCellStyle)
    {
        m_bCurrentCellStyleValid = FALSE;
        m_pCurrentCellControl = NULL;
    }
    pos = m_deleteAtFlush.GetHeadPosition();
    while (pos != NULL)
        delete m_deleteAtFlush.GetNext(pos);
    m_deleteAtFlush.RemoveAll();
}

// -- Redraw ------------------------------------------------------------------------------------------

void CGXGridCore::RedrawRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, UINT flags,
                              BOOL bCreateHint)
{
    if (flags == GX_NOREDRAW || m_pGridWnd == NULL || m_pGridWnd->GetSafeHwnd() == NULL ||
        !m_pGridWnd->IsWindowVisible() || IsLockUpdate())
        return;
    CRect rect = CalcRangeRect(CGXCellRange(nTop, nLeft, nBottom, nRight));
    if (!rect.IsRectEmpty())
        m_pGridWnd->InvalidateRect(&rect, TRUE);
    if (flags & GX_UPDATENOW)
        m_pGridWnd->UpdateWindow();
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintRedrawRange(this, nTop, nLeft, nBottom, nRight, flags);
}

void CGXGridCore::RedrawRowCol(const CGXCellRange& rangeIn, UINT flags, BOOL bCreateHint)
{
    CGXCellRange range = rangeIn;
    range.ExpandToCells(0, 0, GetRowCount(), GetColCount());
    RedrawRange(range.top, range.left, range.bottom, range.right, flags, bCreateHint);
}

void CGXGridCore::RedrawAll(UINT flags, BOOL bCreateHint)
{
    ResetLastVisibleCache();
    if (m_nTopRow > std::max(GetRowCount(), GetFrozenRows() + 1))
        SetTopRow(GetRowCount(), GX_NOREDRAW, FALSE);
    if (m_nLeftCol > std::max(GetColCount(), GetFrozenCols() + 1))
        SetLeftCol(GetColCount(), GX_NOREDRAW, FALSE);
    FreeObjectCache();
    if (flags == GX_NOREDRAW || m_pGridWnd == NULL || m_pGridWnd->GetSafeHwnd() == NULL || IsLockUpdate())
        return;
    HandleVisibleRange(CGXCellRange(0, 0, GetBottomVisibleRow(), GetFrozenCols()), 1);
    CRect rect = GetDrawingRect();
    m_pGridWnd->InvalidateRect(&rect, TRUE);
    UpdateScrollbars(TRUE, FALSE);
    if (flags & GX_UPDATENOW)
        m_pGridWnd->UpdateWindow();
    if (bCreateHint && IsHintsEnabled())
        m_pUpdateHintImp->HintRedrawAll(this, flags);
}

void CGXGridCore::PrepareDataExtent(ROWCOL, ROWCOL)
{
}

void CGXGridCore::UpdateAllViews(CWnd* pSender, LPARAM lHint, CObject* pHint)
{
    if (m_pGridDoc != NULL && m_bUpdateDoc)
        m_pGridDoc->UpdateAllViews(
            pSender != NULL && pSender->IsKindOf(RUNTIME_CLASS(CView)) ? (CView*)pSender : NULL, lHint,
            pHint);
}

void CGXGridCore::OnGridUpdate(CWnd*, LPARAM, CObject* pHint)
{
    if (m_pUpdateHintImp != NULL)
        m_pUpdateHintImp->OnGridUpdate(this, pHint);
}

void CGXGridCore::OnGridPrepareDC(CDC* pDC, CPrintInfo*)
{
    // On screen the grid draws in device units. A printer's logical units are the display's
    // pixels, so that sizes and fonts come out as large as on the screen.
    if (!pDC->IsPrinting())
        return;
    CGXFontFaceTable* pTable = GXGetFontFaceTable();
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(pTable->GetHorzResolution(), pTable->GetVertResolution());
    pDC->SetViewportExt(pDC->GetDeviceCaps(LOGPIXELSX), pDC->GetDeviceCaps(LOGPIXELSY));
}

void CGXGridCore::CalcCharMetrics(CDC* pDC, int& nWidth, int& nHeight)
{
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    nHeight = tm.tmHeight + tm.tmExternalLeading;
    nWidth = (tm.tmPitchAndFamily & 1) ? tm.tmAveCharWidth * 3 / 2 : tm.tmAveCharWidth;
}

// -- Paint entry ----------------------------------------------------------------------------------------

void CGXGridCore::OnGridDraw(CDC* pDC)
{
    // 1. - 2.
    OnPrepareRedraw(0, 0, 1, 0);
    m_bPaintRequested = FALSE;
    if (IsLockUpdate() || m_pParam == NULL)
        return;

    // 3. - 4.
    CRect rectDraw = GetDrawingRect();
    CRect rectClip;
    pDC->GetClipBox(&rectClip);
    if (rectClip.IsRectEmpty())
        return;
    if (m_bPrinting && !pDC->IsPrinting())
    {
        m_bSuppressedPaint = TRUE;
        return;
    }

    // 5. How far the data must be ready; a changed scroll-bar layout paints next time.
    int nDefRow = GetDefaultRowHeight(), nDefCol = GetDefaultColWidth();
    ROWCOL nRows = (ROWCOL)(nDefRow > 0 ? rectDraw.Height() / nDefRow : rectDraw.Height());
    ROWCOL nCols = (ROWCOL)(nDefCol > 0 ? rectDraw.Width() / nDefCol : rectDraw.Width());
    ROWCOL nLastClipRow = ClientRowToRow(ClientRowFromY(rectClip.bottom - 1) == (ROWCOL)~0u
                                             ? RowToClientRow(GetRowCount())
                                             : ClientRowFromY(rectClip.bottom - 1));
    ROWCOL nLastClipCol = ClientColToCol(ClientColFromX(rectClip.right - 1) == (ROWCOL)~0u
                                             ? ColToClientCol(GetColCount())
                                             : ClientColFromX(rectClip.right - 1));
    PrepareDataExtent(nLastClipRow + nRows, nLastClipCol + nCols);
    m_bLayoutChanged = FALSE;
    if (!m_bPrinting)
    {
        UpdateScrollbars(TRUE, TRUE);
        if (m_bLayoutChanged)
        {
            m_pGridWnd->Invalidate(TRUE);
            return;
        }
    }

    // 6.
    CRect rectPaint;
    if (!rectPaint.IntersectRect(rectClip, rectDraw))
        return;
    if (m_nPaintMode != 1 || m_bPrinting)
    {
        PaintBody(pDC, rectPaint, FALSE);
        return;
    }
    // Buffered: a bitmap of the clip box, copied in one transfer. The thread's bitmap is kept
    // from one paint to the next; a paint nested in another makes its own.
    CGXPaintBuffer* pBuffer = CGXPaintBuffer::ForThread();
    CDC* pMem = pBuffer->Acquire(pDC, rectClip.Width(), rectClip.Height());
    struct Releaser
    {
        CGXPaintBuffer* p;
        ~Releaser()
        {
            if (p != NULL)
                p->Release();
        }
    } releaser{pMem != NULL ? pBuffer : NULL};
    CDC dcOwn;
    CBitmap bitmapOwn;
    CBitmap* pOldBitmap = NULL;
    if (pMem == NULL)
    {
        dcOwn.CreateCompatibleDC(pDC);
        bitmapOwn.CreateCompatibleBitmap(pDC, rectClip.Width(), rectClip.Height());
        pOldBitmap = dcOwn.SelectObject(&bitmapOwn);
        pMem = &dcOwn;
    }
    OnGridPrepareDC(pMem);
    pMem->SetViewportOrg(-rectClip.left, -rectClip.top);
    pMem->SetBrushOrg(rectClip.left % 8, rectClip.top % 8);
    // Parts the paint leaves alone keep the screen's pixels: outside the drawing rectangle, under
    // a transparent background, and the cells a partial refresh skips.
    CRect rectInside;
    rectInside.IntersectRect(&rectClip, &rectDraw);
    if (rectInside != rectClip || m_pParam->m_bTransparentBackground || m_bRefreshOnlyUpdatedCells)
        pMem->BitBlt(rectClip.left, rectClip.top, rectClip.Width(), rectClip.Height(), pDC, rectClip.left,
                     rectClip.top, SRCCOPY);
    pMem->IntersectClipRect(&rectClip);
    PaintBody(pMem, rectPaint, TRUE);
    POSITION pos = m_excludedRects.GetHeadPosition();
    while (pos != NULL)
        pDC->ExcludeClipRect((CRect*)m_excludedRects.GetNext(pos));
    pDC->BitBlt(rectClip.left, rectClip.top, rectClip.Width(), rectClip.Height(), pMem, rectClip.left,
                rectClip.top, SRCCOPY);
    FreeExcludedRects();
    if (pOldBitmap != NULL)
        dcOwn.SelectObject(pOldBitmap);
}

void CGXGridCore::FreeExcludedRects()
{
    POSITION pos = m_excludedRects.GetHeadPosition();
    while (pos != NULL)
        delete (CRect*)m_excludedRects.GetNext(pos);
    m_excludedRects.RemoveAll();
}

void CGXGridCore::PaintBody(CDC* pDC, const CRect& rectPaint, BOOL bBuffered)
{
    // 1. Base styles and caches.
    ForgetBaseStyles();
    FreeObjectCache();

    // 2. The standard font and the character metrics.
    CFont* pOldFont = SelectCellFont(pDC, GetDefaultBaseStyle(), NULL);
    CalcCharMetrics(pDC, m_bPrinting ? m_nPrintCharWidth : m_nCharWidth,
                    m_bPrinting ? m_nPrintCharHeight : m_nCharHeight);
    CRect rectDraw = GetDrawingRect();

    // 4. The outer frame first in direct mode.
    auto drawFrame = [&](int nInset) {
        GXFillSolidRect(pDC, rectDraw.left - 1, rectDraw.top - 1, rectDraw.Width() + 2, 1, RGB(0, 0, 0));
        GXFillSolidRect(pDC, rectDraw.left - 1, rectDraw.top - 1, 1, rectDraw.Height() + 2, RGB(0, 0, 0));
        GXFillSolidRect(pDC, rectDraw.right - nInset, rectDraw.top - 1, 1, rectDraw.Height() + 2,
                        RGB(0, 0, 0));
        GXFillSolidRect(pDC, rectDraw.left - 1, rectDraw.bottom - nInset, rectDraw.Width() + 2, 1,
                        RGB(0, 0, 0));
    };
    if (m_bDrawOuterFrame && !bBuffered)
        drawFrame(0);

    // 5. Clip and find the client cells at the corners.
    int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rectDraw);
    auto clientOf = [&](CPoint pt, ROWCOL& r, ROWCOL& c) {
        r = pt.y < 0 ? 0 : ClientRowFromY(pt.y);
        c = pt.x < 0 ? 0 : ClientColFromX(pt.x);
        if (r == (ROWCOL)~0u)
            r = RowToClientRow(GetRowCount());
        if (c == (ROWCOL)~0u)
            c = ColToClientCol(GetColCount());
    };
    ROWCOL nTop, nLeft, nBottom, nRight;
    clientOf(rectPaint.TopLeft(), nTop, nLeft);
    clientOf(CPoint(rectPaint.right - 1, rectPaint.bottom - 1), nBottom, nRight);

    // 6. - 8.
    BOOL bFrameDrawn = m_bExcelFrameDrawn;
    if (m_bRefreshOnlyUpdatedCells)
        UpdateExcelFrame(pDC, TRUE, NULL);
    DrawCells(nTop, nLeft, nBottom, nRight, pDC);
    PaintExcelFrame(pDC, rectPaint, bFrameDrawn);
    pDC->RestoreDC(nSaved);
    if (m_bDrawOuterFrame && bBuffered)
        drawFrame(1);

    // 9.
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    if (!bBuffered)
        FreeExcludedRects();
    ReleaseGridDC();
}

// The Excel-like frame over freshly painted cells: a paint of the whole drawing area takes the
// frame around the last selected range; a partial one draws the frame the screen shows (inverting
// only inside the paint's clip, so the frame stays whole).
void CGXGridCore::PaintExcelFrame(CDC* pDC, const CRect& rectPaint, BOOL bFrameDrawn)
{
    if (m_pExcelLikeFrameImp == NULL || m_bPrinting || m_pParam == NULL)
        return;
    CRect rectDraw = GetDrawingRect(), rectCommon;
    rectCommon.IntersectRect(&rectPaint, &rectDraw);
    if (rectCommon == rectDraw)
    {
        m_bExcelFrameDrawn = FALSE;
        CGXRangeList& list = m_pParam->m_SelectedRanges;
        if (!list.IsEmpty() && list.GetTail()->IsValid())
            UpdateExcelFrame(pDC, FALSE, list.GetTail());
    }
    else if (bFrameDrawn)
    {
        DrawExcelFrame(pDC, m_rangeExcelFrame, m_nExcelFrameKind, FALSE);
        m_bExcelFrameDrawn = TRUE;
    }
}

void CGXGridCore::ForgetBaseStyles()
{
    delete m_pStyleStandard;
    delete m_pStyleRowHeader;
    delete m_pStyleColHeader;
    m_pStyleStandard = m_pStyleRowHeader = m_pStyleColHeader = NULL;
}

// -- DrawCells -----------------------------------------------------------------------------------------

// The absolute index, size and start of nLines client rows (columns) from nFirst on, starting at
// pos; the entry after the last holds the next absolute index, or 0 at or past the count nCount.
static void LayOutClientLines(CGXGridCore* pGrid, const CGXGridAxis& a, ROWCOL nFirst, ROWCOL nLines,
                              ROWCOL nCount, int pos, std::vector<ROWCOL>& anId, std::vector<int>& anSize,
                              std::vector<int>& anStart)
{
    for (ROWCOL i = 0; i < nLines; i++)
    {
        anId[i] = (pGrid->*a.ClientToIndex)(nFirst + i);
        anSize[i] = anId[i] <= nCount ? (pGrid->*a.GetSize)(anId[i]) : 0;
        anStart[i] = pos;
        pos += anSize[i];
    }
    anStart[nLines] = pos;
    ROWCOL nNext = (pGrid->*a.ClientToIndex)(nFirst + nLines);
    anId[nLines] = nNext >= nCount ? 0 : nNext;
}

void CGXGridCore::DrawCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, CDC* pDC)
{
    if (nBottom < nTop || nRight < nLeft)
        return;
    // 1. The context with the rows and columns drawn.
    ROWCOL nRows = nBottom - nTop + 1, nCols = nRight - nLeft + 1;
    CGXDrawingContext ctx(nRows, nCols);
    ctx.m_pPrevious = m_pDrawContext;
    m_pDrawContext = &ctx;
    m_nDrawContextNesting++;
    ctx.m_pDC = pDC;
    pDC->GetClipBox(&ctx.m_rectClip);
    ctx.m_nTopRow = GetTopRow();
    ctx.m_nLeftCol = GetLeftCol();
    ctx.m_nFrozenCols = GetFrozenCols();
    ctx.m_nFrozenRows = GetFrozenRows();
    ctx.m_nHeaderCols = GetHeaderCols();
    ctx.m_nHeaderRows = GetHeaderRows();
    ctx.m_nClientTop = nTop;
    ctx.m_nClientLeft = nLeft;
    ctx.m_nClientBottom = nBottom;
    ctx.m_nClientRight = nRight;
    ctx.m_nOriginY = CalcClientRowTop(nTop);
    ctx.m_nOriginX = CalcClientColLeft(nLeft);
    ROWCOL nRowCount = GetRowCount(), nColCount = GetColCount();
    LayOutClientLines(this, CGXGridAxis::rows, nTop, nRows, nRowCount, ctx.m_nOriginY, ctx.m_anRowId,
                      ctx.m_anRowHeight, ctx.m_anRowTop);
    LayOutClientLines(this, CGXGridAxis::cols, nLeft, nCols, nColCount, ctx.m_nOriginX, ctx.m_anColId,
                      ctx.m_anColWidth, ctx.m_anColLeft);
    ctx.m_bInvertSelection = !m_bPrinting && m_pParam->m_bInvertSelection;
    ctx.m_penHorz = ctx.m_penVert = CGXCellPen(m_pParam->m_nGridLineStyle & 7, 1, GetPropertiesColor(0));

    // 2. A current cell in the range has its cached style composed again.
    auto drawn = [](const std::vector<ROWCOL>& anIds, ROWCOL nCount, ROWCOL nId) {
        return std::find(anIds.begin(), anIds.begin() + nCount, nId) != anIds.begin() + nCount;
    };
    if (m_bCurrentCellValid && !m_bHoldCurrentCellStyle && drawn(ctx.m_anRowId, nRows, m_nCurrentRow) &&
        drawn(ctx.m_anColId, nCols, m_nCurrentCol))
    {
        m_pCurrentCellControl = NULL;
        m_bCurrentCellStyleValid = FALSE;
    }

    // 3. Optional composition of every cell up front.
    if (m_pParam->m_nPreComposeStyles == 1)
        for (ROWCOL r = 0; r < nRows; r++)
            for (ROWCOL c = 0; c < nCols; c++)
                if (ctx.m_anRowId[r] <= nRowCount && ctx.m_anColId[c] <= nColCount)
                    ctx.Style(r, c) = &LookupStyleRowCol(ctx.m_anRowId[r], ctx.m_anColId[c]);

    // 4. Formula cells: their floats are evaluated again. The answers also steer a partial
    // refresh, which repaints each row from its first formula cell on.
    std::vector<char> abFormula((size_t)nRows * nCols);
    std::vector<ROWCOL> anFirstFormula(nRows, nCols);
    for (ROWCOL r = 0; r < nRows; r++)
        for (ROWCOL c = 0; c < nCols; c++)
        {
            ROWCOL nRow = ctx.m_anRowId[r], nCol = ctx.m_anColId[c];
            if (nRow > nRowCount || nCol > nColCount || !IsFormulaCell(nRow, nCol))
                continue;
            abFormula[(size_t)r * nCols + c] = TRUE;
            anFirstFormula[r] = std::min(anFirstFormula[r], c);
            InvalidateFloatedCells(CGXCellRange(nRow, nCol));
        }

    // 5. - 6. The spanned-cell component prepares the range; then the cells are flagged.
    HandleVisibleRange(
        CGXCellRange(ctx.m_anRowId[0], ctx.m_anColId[0], ctx.m_anRowId[nRows - 1], ctx.m_anColId[nCols - 1]),
        0);
    BOOL bPartial = m_bRefreshOnlyUpdatedCells;
    for (ROWCOL r = 0; r < nRows; r++)
        for (ROWCOL c = 0; c < nCols; c++)
        {
            if (!bPartial || c >= anFirstFormula[r])
                FlagCell(ctx, r, c);
            else if (ctx.m_anRowHeight[r] > 0 && ctx.m_anColWidth[c] > 0)
                m_excludedRects.AddTail(new CRect(ctx.CellRect(r, c)));
        }

    // 7. The old-drawing component may draw the whole pass.
    if (m_pOldDrawingImp != NULL && m_pOldDrawingImp->DrawBlock(this, pDC, ctx))
    {
        m_pDrawContext = ctx.m_pPrevious;
        m_nDrawContextNesting--;
        return;
    }

    // 8. Rows: backgrounds, cells, the marker, then the row's horizontal lines. A partial
    // refresh paints only rows holding a formula cell, each inside its own band, and notes them
    // as pending.
    for (ROWCOL r = 0; r < nRows; r++)
    {
        if (ctx.m_anRowId[r] > nRowCount || ctx.m_anRowHeight[r] == 0)
            continue;
        ROWCOL nFirst = 0;
        int nSavedDC = 0;
        if (bPartial)
        {
            nFirst = anFirstFormula[r];
            if (nFirst >= nCols)
                continue;
            nSavedDC = pDC->SaveDC();
            pDC->IntersectClipRect(ctx.m_rectClip.left, ctx.m_anRowTop[r], ctx.m_rectClip.right,
                                   ctx.m_anRowTop[r] + ctx.m_anRowHeight[r]);
            m_pParam->m_PendingRanges.AddTail(new CGXCellRange(ctx.m_anRowId[r], ctx.m_anColId[nFirst],
                                                               ctx.m_anRowId[r], ctx.m_anColId[nCols - 1]));
        }
        DrawRowBackground(ctx, r, nFirst);
        for (ROWCOL c = nFirst; c < nCols; c++)
        {
            ctx.m_rectCell = ctx.CellRect(r, c);
            DrawContextCell(ctx, r, c);
            MarkCellForRecalc(ctx.m_anRowId[r], ctx.m_anColId[c], FALSE);
        }
        if (ctx.m_pCurrentControl != NULL && !ctx.m_rectCurrentCell.IsRectEmpty() && !ctx.m_bMarkerDrawn)
        {
            ctx.m_pCurrentControl->DrawBackground(pDC, ctx.m_rectCurrentCell);
            ctx.m_bMarkerDrawn = TRUE;
        }
        DrawLineRuns(ctx, FALSE, r);
        if (bPartial)
            pDC->RestoreDC(nSavedDC);
    }

    // 9. - 10. The area beyond the last row and column, then the vertical lines.
    if (!m_pParam->m_bTransparentBackground)
        DrawOuterArea(ctx);
    for (ROWCOL c = 0; c < nCols; c++)
        if (ctx.m_anColId[c] <= nColCount && ctx.m_anColWidth[c] > 0)
            DrawLineRuns(ctx, TRUE, c);

    // 11. The inverted selection.
    DrawInvertedSelection(ctx);

    // 12.
    m_pDrawContext = ctx.m_pPrevious;
    m_nDrawContextNesting--;
}

void CGXGridCore::DrawWithOldDrawingImp(CGXDrawingContext& ctx)
{
    if (m_pOldDrawingImp != NULL)
        m_pOldDrawingImp->DrawBackgrounds(this, ctx);
}

void CGXGridCore::FlagCell(CGXDrawingContext& ctx, ROWCOL r, ROWCOL c)
{
    ROWCOL nRow = ctx.m_anRowId[r], nCol = ctx.m_anColId[c];
    WORD& wFlags = ctx.Flags(r, c);
    if (nRow > GetRowCount() || nCol > GetColCount())
        return;
    BOOL bSpanned = !(wFlags & gxCovered) && m_pDrawSpannedCellsImp != NULL &&
                    m_pDrawSpannedCellsImp->MarkSpannedCell(this, ctx, r, c);
    if (!(wFlags & gxCovered) && !bSpanned)
    {
        if (ctx.Style(r, c) == NULL)
            ctx.Style(r, c) = &LookupStyleRowCol(nRow, nCol);
        const CGXStyle& style = *ctx.Style(r, c);
        if (ctx.m_anRowHeight[r] > 0 && ctx.m_anColWidth[c] > 0)
        {
            if (style.GetInterior() != GetDefaultBaseStyle().GetInterior())
                wFlags |= gxBackground;
            static const WORD sideFlags[4] = {gxBorderLeft, gxBorderRight, gxBorderTop, gxBorderBottom};
            for (int side = 0; side < 4; side++)
                if (style.HasBorder(side))
                    wFlags |= sideFlags[side];
            BOOL bRightBottom = m_pParam->m_nLinePosition != 0;
            if (!style.HasBorder(bRightBottom ? CGXStyle::sideRight : CGXStyle::sideLeft))
                wFlags |= gxVertLine;
            if (nCol > ctx.m_nHeaderCols && nCol == ctx.m_nFrozenCols)
                wFlags |= gxFrozenColLine;
            if (!style.HasBorder(bRightBottom ? CGXStyle::sideBottom : CGXStyle::sideTop))
                wFlags |= gxHorzLine;
            if (nRow > ctx.m_nHeaderRows && nRow == ctx.m_nFrozenRows)
                wFlags |= gxFrozenRowLine;
        }
    }
    if (ctx.m_bInvertSelection && IsCellInRangeList(nRow, nCol, m_pParam->m_SelectedRanges))
        wFlags |= gxSelected;
}

void CGXGridCore::DrawRowBackground(CGXDrawingContext& ctx, ROWCOL r, ROWCOL nFirst)
{
    ROWCOL nCols = ctx.m_nCols;
    if (m_pParam->m_bTransparentBackground)
        return;
    for (ROWCOL c = nFirst; c < nCols; c++)
        if (ctx.Style(r, c) != NULL && !(ctx.Flags(r, c) & gxCovered))
            ctx.Flags(r, c) |= gxBackground;
    CGXProperties* pProps = m_pParam->GetProperties();
    BOOL bBlackWhite = m_bPrinting && pProps != NULL && pProps->GetBlackWhite();
    for (ROWCOL c = nFirst; c < nCols;)
    {
        const CGXStyle* pStyle = ctx.Style(r, c);
        if (!(ctx.Flags(r, c) & gxBackground) || pStyle == NULL || (ctx.Flags(r, c) & gxCovered))
        {
            c++;
            continue;
        }
        const CGXCellBrush& brush = pStyle->GetInterior();
        ROWCOL e = c + 1;
        while (e < nCols && !(ctx.Flags(r, e) & gxCovered) &&
               (ctx.Style(r, e) == NULL ||
                ((ctx.Flags(r, e) & gxBackground) && ctx.Style(r, e)->GetInterior() == brush)))
            e++;
        if (e - c >= 2)
        {
            for (ROWCOL i = c; i < e; i++)
                ctx.Flags(r, i) &= ~gxBackground;
            CRect rect(ctx.m_anColLeft[c], ctx.m_anRowTop[r], ctx.m_anColLeft[e],
                       ctx.m_anRowTop[r] + ctx.m_anRowHeight[r]);
            CGXCellBrush b = brush;
            if (bBlackWhite)
                b = CGXCellBrush(RGB(255, 255, 255));
            DrawBrushRect(ctx.m_pDC, rect, b);
        }
        c = e;
    }
}

void CGXGridCore::DrawContextCell(CGXDrawingContext& ctx, ROWCOL r, ROWCOL c)
{
    if (m_pDrawSpannedCellsImp != NULL && m_pDrawSpannedCellsImp->DrawSpannedCell(this, ctx, r, c))
        return;
    const CGXStyle* pStyle = ctx.Style(r, c);
    if (pStyle == NULL || ctx.m_rectCell.IsRectEmpty() || (ctx.Flags(r, c) & gxCovered))
        return;
    ROWCOL nRow = ctx.m_anRowId[r], nCol = ctx.m_anColId[c];
    BOOL bCurrent = IsCurrentCell(nRow, nCol);
    m_bBackgroundPending = (ctx.Flags(r, c) & gxBackground) != 0;
    DrawCell(ctx.m_pDC, nRow, nCol, ctx.m_rectCell, *pStyle);
    m_bBackgroundPending = FALSE;
    if (bCurrent)
    {
        CGXControl* pControl = GetRegisteredControl(pStyle->GetControl());
        if (pControl != NULL && !pControl->IsActive())
        {
            ctx.m_pCurrentControl = pControl;
            SubtractBorders(ctx.m_rectCurrentCell, ctx.m_rectCell, *pStyle, TRUE);
        }
    }
}

void CGXGridCore::DrawCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGXStyle& style)
{
    CGXControl* pControl = GetRegisteredControl(style.GetControl());
    if (pControl == NULL)
        return;
    if (IsCurrentCell(nRow, nCol) && !pControl->IsInitAt(nRow, nCol))
        pControl->Init(nRow, nCol);
    pControl->Draw(pDC, rect, nRow, nCol, style, &GetDefaultBaseStyle());
}

void CGXGridCore::DrawOuterArea(CGXDrawingContext& ctx)
{
    CDC* pDC = ctx.m_pDC;
    COLORREF crBack = m_bPrinting ? RGB(255, 255, 255) : GetPropertiesColor(4);
    BOOL bLeftTop = m_pParam->m_nLinePosition == 0;
    ROWCOL nColCount = GetColCount(), nRowCount = GetRowCount();
    if (ctx.m_anColId[ctx.m_nCols - 1] >= nColCount)
    {
        CRect rect = CalcRectRightOfCol(nColCount);
        rect.bottom += 5;
        if (!rect.IsRectEmpty())
            GXFillSolidRect(pDC, rect, crBack);
        if (GetLinesOption(TRUE) && bLeftTop)
            DrawRowColBand(pDC, 1, ColToClientCol(nColCount) + 1, 0);
    }
    if (ctx.m_anRowId[ctx.m_nRows - 1] >= nRowCount)
    {
        CRect rect = CalcRectBelowRow(nRowCount);
        if (!rect.IsRectEmpty())
            GXFillSolidRect(pDC, rect, crBack);
        if (GetLinesOption(FALSE) && bLeftTop)
            DrawRowColBand(pDC, 2, RowToClientRow(nRowCount) + 1, 0);
    }
}
