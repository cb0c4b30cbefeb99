// Grid lines, borders, backgrounds, selection inversion and the per-paint GDI object cache of
// the grid engine. One-pixel solid lines are drawn as fills, never with pens.
#include <algorithm>
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/DrawingContext.h"
#include "grid/core/GridCore.h"
#include "grid/core/SysColorTable.h"

COLORREF CGXGridCore::GetPropertiesColor(int nIndex)
{
    CGXProperties* pProps = m_pParam != NULL ? m_pParam->GetProperties() : NULL;
    if (pProps == NULL)
        return RGB(0, 0, 0);
    if (pProps->GetBlackWhite())
        return RGB(0, 0, 0);
    GXColorParts parts = GXSplitColorValue(pProps->GetColor(nIndex));
    return GXResolveColor(parts.nKind, parts.dwColor);
}

BOOL CGXGridCore::GetLinesOption(BOOL bVertical)
{
    CGXProperties* pProps = m_pParam != NULL ? m_pParam->GetProperties() : NULL;
    if (pProps == NULL)
        return TRUE;
    return bVertical ? pProps->GetDisplayVertLines() : pProps->GetDisplayHorzLines();
}

// -- GDI cache ---------------------------------------------------------------------------------------

static CGXMapByte8ToPtr*& EnsureMap(CGXMapByte8ToPtr*& pMap)
{
    if (pMap == NULL)
    {
        pMap = new CGXMapByte8ToPtr;
        pMap->InitHashTable(257);
    }
    return pMap;
}

CFont* CGXGridCore::LookupFont(const CGXFont& font, int nZoom)
{
    LOGFONT lf;
    font.GetZoomedLogFont(lf, nZoom);
    // The zoom is not part of the key: a zoom change flushes the cache.
    GXByte8Key key = GXByte8Key{font.GetDescriptionWord1(), font.GetDescriptionWord2()};
    void*& p = (*EnsureMap(m_pFontMap))[key];
    CFont* pFont = (CFont*)p;
    if (pFont == NULL)
        p = pFont = new CFont;
    if (pFont->GetSafeHandle() == NULL)
        pFont->CreateFontIndirect(&lf);
    return pFont;
}

CBrush* CGXGridCore::LookupBrush(const CGXCellBrush& brush)
{
    void*& p = (*EnsureMap(m_pBrushMap))[GXByte8Key{brush.m_dw0, brush.m_dw1}];
    CBrush* pBrush = (CBrush*)p;
    if (pBrush == NULL)
        p = pBrush = new CBrush;
    if (pBrush->GetSafeHandle() == NULL)
    {
        LOGBRUSH lb = brush.GetLogBrush();
        pBrush->CreateBrushIndirect(&lb);
    }
    return pBrush;
}

CPen* CGXGridCore::LookupPen(const CGXCellPen& pen)
{
    void*& p = (*EnsureMap(m_pPenMap))[GXByte8Key{pen.m_dw0, pen.m_dw1}];
    CPen* pPen = (CPen*)p;
    if (pPen == NULL)
        pPen = new CPen;
    if (pPen->GetSafeHandle() == NULL)
    {
        LOGPEN lp = pen.GetLogPen();
        if (m_pAppData->m_bWin32s)
            pPen->CreatePenIndirect(&lp);
        else
        {
            LOGBRUSH lb = {BS_SOLID, pen.GetColor(), 0};
            HPEN h = ::ExtCreatePen((lp.lopnStyle & 7) | PS_GEOMETRIC | PS_ENDCAP_SQUARE,
                                    std::max(1, (int)pen.GetWidth()), &lb, 0, NULL);
            if (h != NULL)
                pPen->Attach(h);
        }
    }
    if (pPen->GetSafeHandle() != NULL)
        p = pPen;
    else if (p == NULL)
        m_deleteAtFlush.AddTail(pPen); // not cached: freed with the next flush
    return pPen;
}

CDC* CGXGridCore::AcquireGridDC()
{
    if (m_pDrawContext != NULL)
        return m_pDrawContext->m_pDC;
    if (m_pGridDC == NULL && m_pGridWnd != NULL && m_pGridWnd->GetSafeHwnd() != NULL)
    {
        m_pGridDC = new CClientDC(m_pGridWnd);
        OnGridPrepareDC(m_pGridDC);
        m_pGridDCOldFont = SelectCellFont(m_pGridDC, GetDefaultBaseStyle(), NULL);
    }
    return m_pGridDC;
}

void CGXGridCore::ReleaseGridDC()
{
    if (m_pGridDC == NULL || m_pDrawContext != NULL || g_nGridDCUsers > 0)
        return;
    if (m_pGridDCOldFont != NULL)
        m_pGridDC->SelectObject(m_pGridDCOldFont);
    delete m_pGridDC;
    m_pGridDC = NULL;
    m_pGridDCOldFont = NULL;
}

CFont* CGXGridCore::SelectCellFont(CDC* pDC, const CGXStyle& style, const CGXStyle* pPrevious)
{
    if (!style.GetInclude(CGXStyle::ibFont) || style.GetFontPtr() == NULL)
        return NULL;
    if (pPrevious != NULL && pPrevious->GetInclude(CGXStyle::ibFont) && pPrevious->GetFontPtr() != NULL &&
        memcmp(&style.GetFontPtr()->GetLogFont(), &pPrevious->GetFontPtr()->GetLogFont(), sizeof(LOGFONT)) ==
            0)
        return NULL;
    CFont* pFont = LookupFont(*style.GetFontPtr(), GetZoom());
    return pFont->GetSafeHandle() != NULL ? pDC->SelectObject(pFont) : NULL;
}

// -- Borders ------------------------------------------------------------------------------------------

void CGXGridCore::SubtractBorders(CRect& rectOut, const CRect& rect, const CGXStyle& style, BOOL bWithLines)
{
    rectOut = rect;
    if (bWithLines && style.GetInclude(CGXStyle::ib3dFrame) && style.GetDraw3dFrame() != 0)
        rectOut.DeflateRect(1, 1);
    BOOL bRightBottom = m_pParam != NULL && m_pParam->m_nLinePosition != 0;
    for (int side = 0; side < 4; side++)
    {
        BOOL bVertical = side == CGXStyle::sideLeft || side == CGXStyle::sideRight;
        int nInset = 0;
        if (style.HasBorder(side))
        {
            const CGXCellPen& pen = style.GetBorder(side);
            if (pen.GetStyle() != PS_NULL)
                nInset = std::max(1, (int)pen.GetWidth());
        }
        else if (bWithLines && GetLinesOption(bVertical))
        {
            BOOL bLineSide = bRightBottom ? (side == CGXStyle::sideRight || side == CGXStyle::sideBottom)
                                          : (side == CGXStyle::sideLeft || side == CGXStyle::sideTop);
            nInset = bLineSide ? 1 : 0;
        }
        switch (side)
        {
        case CGXStyle::sideLeft:
            rectOut.left += nInset;
            break;
        case CGXStyle::sideRight:
            rectOut.right -= nInset;
            break;
        case CGXStyle::sideTop:
            rectOut.top += nInset;
            break;
        default:
            rectOut.bottom -= nInset;
            break;
        }
    }
}

CSize CGXGridCore::CalcBorderExtent(int cx, int cy, const CGXStyle& style)
{
    if (style.GetInclude(CGXStyle::ib3dFrame) && style.GetDraw3dFrame() != 0)
    {
        cx += 2;
        cy += 2;
    }
    BOOL bRightBottom = m_pParam != NULL && m_pParam->m_nLinePosition != 0;
    for (int side = 0; side < 4; side++)
    {
        BOOL bVertical = side == CGXStyle::sideLeft || side == CGXStyle::sideRight;
        int& n = bVertical ? cx : cy;
        if (style.HasBorder(side) && style.GetBorder(side).GetStyle() != PS_NULL)
            n += std::max(1, (int)style.GetBorder(side).GetWidth());
        else if (GetLinesOption(bVertical) &&
                 (bRightBottom ? (side == CGXStyle::sideRight || side == CGXStyle::sideBottom)
                               : (side == CGXStyle::sideLeft || side == CGXStyle::sideTop)))
            n += 1;
    }
    return CSize(cx, cy);
}

void CGXGridCore::DrawStyleBorders(CDC* pDC, const CRect& rect, const CGXStyle& style)
{
    static const int order[4] = {CGXStyle::sideTop, CGXStyle::sideBottom, CGXStyle::sideLeft,
                                 CGXStyle::sideRight};
    for (int side : order)
        if (style.HasBorder(side))
            DrawBorderLine(style.GetBorder(side), rect, side, pDC, &style.GetInterior());
}

// The strip a border of width w takes inside the rectangle on one side.
static CRect SideStrip(const CRect& rect, int nSide, int w)
{
    switch (nSide)
    {
    case CGXStyle::sideLeft:
        return CRect(rect.left, rect.top, rect.left + w, rect.bottom);
    case CGXStyle::sideRight:
        return CRect(rect.right - w, rect.top, rect.right, rect.bottom);
    case CGXStyle::sideTop:
        return CRect(rect.left, rect.top, rect.right, rect.top + w);
    default:
        return CRect(rect.left, rect.bottom - w, rect.right, rect.bottom);
    }
}

void CGXGridCore::DrawBorderLine(const CGXCellPen& pen, const CRect& rect, int nSide, CDC* pDC,
                                 const CGXCellBrush* pInterior)
{
    if (pen.GetStyle() == PS_NULL || !pen.GetInclude())
        return;
    int w = std::max(1, (int)pen.GetWidth());
    BOOL bBlackWhite = m_bPrinting && m_pParam != NULL && m_pParam->GetProperties() != NULL &&
                       m_pParam->GetProperties()->GetBlackWhite();
    COLORREF cr = bBlackWhite ? RGB(0, 0, 0) : pen.GetColor();
    // A dashed border drawn as a brush over the interior (pattern in the pen's colour).
    CGXCellBrush brushPen;
    if (pInterior != NULL && pen.GetStyle() >= PS_DASH && pen.GetStyle() <= PS_DASHDOTDOT && w == 1 &&
        pen.GetBorderBrush(*pInterior, nSide == CGXStyle::sideTop || nSide == CGXStyle::sideBottom,
                           bBlackWhite, brushPen))
    {
        DrawBrushRect(pDC, SideStrip(rect, nSide, w), brushPen);
        return;
    }
    if (pen.GetStyle() == PS_SOLID || w > 1)
    {
        CRect strip = SideStrip(rect, nSide, w);
        if (pDC->IsPrinting())
            pDC->FillRect(&strip, LookupBrush(CGXCellBrush(cr)));
        else
            GXFillSolidRect(pDC, strip, cr);
        return;
    }
    CGXCellPen penDraw = pen;
    if (bBlackWhite)
        penDraw.SetColor(RGB(0, 0, 0));
    CPen* pOld = pDC->SelectObject(LookupPen(penDraw));
    switch (nSide)
    {
    case CGXStyle::sideLeft:
        pDC->MoveTo(rect.left, rect.top);
        pDC->LineTo(rect.left, rect.bottom - 1);
        break;
    case CGXStyle::sideRight:
        pDC->MoveTo(rect.right - 1, rect.top);
        pDC->LineTo(rect.right - 1, rect.bottom - 1);
        break;
    case CGXStyle::sideTop:
        pDC->MoveTo(rect.left, rect.top);
        pDC->LineTo(rect.right - 1, rect.top);
        break;
    default:
        pDC->MoveTo(rect.left, rect.bottom - 1);
        pDC->LineTo(rect.right - 1, rect.bottom - 1);
        break;
    }
    if (pOld != NULL)
        pDC->SelectObject(pOld);
}

void CGXGridCore::DrawBrushRect(CDC* pDC, const CRect& rect, const CGXCellBrush& brush)
{
    if (rect.IsRectEmpty())
        return;
    // Solid and hollow kinds are one colour: a solid fill, without a brush object.
    UINT nKind = brush.GetStyle();
    if (nKind == 0 || nKind == 1)
    {
        GXFillSolidRect(pDC, rect, brush.GetBackColor());
        return;
    }
    COLORREF crOldText = pDC->SetTextColor(brush.GetColor());
    COLORREF crOldBack = pDC->SetBkColor(brush.GetBackColor());
    int nOldMode = pDC->SetBkMode(OPAQUE);
    pDC->FillRect(&rect, LookupBrush(brush));
    pDC->SetBkMode(nOldMode);
    pDC->SetBkColor(crOldBack);
    pDC->SetTextColor(crOldText);
}

// -- Grid lines --------------------------------------------------------------------------------------

void CGXGridCore::DrawGridLine(CDC* pDC, int x, int y, int cx, int cy, int nDirection, ROWCOL, UINT mode)
{
    CRect rect(x, y, x + cx, y + cy);
    if ((mode & 8) || ((mode & 4) && !(mode & 3)))
        pDC->InvertRect(&rect);
    else if (mode & 2)
    {
        GXFillSolidRect(pDC, rect, GetPropertiesColor(0));
        CPen* pOld = pDC->SelectObject(LookupPen(CGXCellPen(m_nTrackingPenStyle, 1, GetPropertiesColor(3))));
        int nOldMode = pDC->SetBkMode(OPAQUE);
        pDC->MoveTo(x, y);
        if (nDirection == 1)
            pDC->LineTo(x, y + cy);
        else
            pDC->LineTo(x + cx, y);
        pDC->SetBkMode(nOldMode);
        if (pOld != NULL)
            pDC->SelectObject(pOld);
    }
    else if (mode & 1)
        GXFillSolidRect(pDC, rect, GetPropertiesColor(2));
    else if (pDC->IsPrinting())
        pDC->FillRect(&rect, LookupBrush(CGXCellBrush(GetPropertiesColor(0))));
    else
        GXFillSolidRect(pDC, rect, GetPropertiesColor(0));
}

void CGXGridCore::DrawRowColBand(CDC* pDC, int nType, ROWCOL nClient, UINT mode)
{
    CRect rectDraw = GetDrawingRect();
    BOOL bRightBottom = m_pParam != NULL && m_pParam->m_nLinePosition != 0;
    if (nType == 2)
    {
        int y = CalcClientRowTop(nClient) - (bRightBottom ? 1 : 0);
        int cx = std::min(rectDraw.Width(),
                          SumColWidths(0, GetColCount(), rectDraw.Width()) + (bRightBottom ? 0 : 1));
        DrawGridLine(pDC, rectDraw.left, y, cx, 1, 2, nClient, mode);
    }
    else
    {
        int x = CalcClientColLeft(nClient) - (bRightBottom ? 1 : 0);
        int cy = std::min(rectDraw.Height(),
                          SumRowHeights(0, GetRowCount(), rectDraw.Height()) + (bRightBottom ? 0 : 1));
        DrawGridLine(pDC, x, rectDraw.top, 1, cy, 1, nClient, mode);
    }
}

CRect CGXGridCore::CalcRowColBandRect(int nKind, ROWCOL nClient)
{
    CRect rectDraw = GetDrawingRect();
    int nShift = m_pParam != NULL && m_pParam->m_nLinePosition != 0 ? 1 : 0;
    if (nKind == 2)
    {
        int y = CalcClientRowTop(nClient) - nShift;
        int cx = std::min(rectDraw.Width(), SumColWidths(0, GetColCount(), rectDraw.Width()) + 1 - nShift);
        return CRect(rectDraw.left, y, rectDraw.left + cx, y + 1);
    }
    int x = CalcClientColLeft(nClient) - nShift;
    int cy = std::min(rectDraw.Height(), SumRowHeights(0, GetRowCount(), rectDraw.Height()) + 1 - nShift);
    return CRect(x, rectDraw.top, x + 1, rectDraw.top + cy);
}

void CGXGridCore::DrawBand(CDC* pDC, int left, int top, int cx, int cy, int, int, int)
{
    // The band marks where the edge stood when the resize began: the grid lines' colour.
    GXFillSolidRect(pDC, CRect(left, top, left + cx, top + cy), GetPropertiesColor(0));
}

// Draws the line runs of one row (horizontal lines) or one column (vertical lines) in two
// passes: the left/top side of each cell, then its right/bottom side.
void CGXGridCore::DrawLineRuns(CGXDrawingContext& ctx, BOOL bVertical, ROWCOL nIndex)
{
    BOOL bLines = GetLinesOption(bVertical);
    BOOL bRightBottom = m_pParam->m_nLinePosition != 0;
    ROWCOL nCells = bVertical ? ctx.m_nRows : ctx.m_nCols;
    CGXCellPen penGrid = bVertical ? ctx.m_penVert : ctx.m_penHorz;
    ROWCOL nAbs = bVertical ? ctx.m_anColId[nIndex] : ctx.m_anRowId[nIndex];
    ROWCOL nLastFrozen = bVertical ? ctx.m_nFrozenCols : ctx.m_nFrozenRows;
    ROWCOL nHeaders = bVertical ? ctx.m_nHeaderCols : ctx.m_nHeaderRows;
    WORD wLineFlag = bVertical ? gxVertLine : gxHorzLine;
    WORD wFrozenFlag = bVertical ? gxFrozenColLine : gxFrozenRowLine;
    int nSides[2] = {bVertical ? CGXStyle::sideLeft : CGXStyle::sideTop,
                     bVertical ? CGXStyle::sideRight : CGXStyle::sideBottom};
    for (int pass = 0; pass < 2; pass++)
    {
        BOOL bSecond = pass == 1;
        CGXCellPen penLine = penGrid;
        if (bSecond && nAbs == nLastFrozen && nAbs > nHeaders)
            penLine.SetColor(GetPropertiesColor(1));
        // The pen of each cell's segment in this pass (not included: no segment).
        auto segmentPen = [&](ROWCOL i, CGXCellPen& pen) -> BOOL {
            ROWCOL r = bVertical ? i : nIndex, c = bVertical ? nIndex : i;
            const CGXStyle* pStyle = ctx.Style(r, c);
            WORD wFlags = ctx.Flags(r, c);
            if (pStyle == NULL || ctx.m_anRowHeight[r] == 0 || ctx.m_anColWidth[c] == 0)
                return FALSE;
            // Cells of a span carry only the lines of its outer edges; the span draws its borders.
            if (wFlags & gxCovered)
            {
                if (!bLines || !(((wFlags & wLineFlag) && bSecond == bRightBottom) ||
                                 ((wFlags & wFrozenFlag) && bSecond)))
                    return FALSE;
                pen = penLine;
                return TRUE;
            }
            if (pStyle->HasBorder(nSides[pass]))
            {
                pen = pStyle->GetBorder(nSides[pass]);
                return TRUE;
            }
            if (bLines &&
                (((wFlags & wLineFlag) && bSecond == bRightBottom) || ((wFlags & wFrozenFlag) && bSecond)))
            {
                pen = penLine;
                return TRUE;
            }
            return FALSE;
        };
        for (ROWCOL i = 0; i < nCells;)
        {
            CGXCellPen pen;
            if (!segmentPen(i, pen))
            {
                i++;
                continue;
            }
            ROWCOL e = i + 1;
            CGXCellPen next;
            while (e < nCells && segmentPen(e, next) && next == pen)
                e++;
            CRect first = bVertical ? ctx.CellRect(i, nIndex) : ctx.CellRect(nIndex, i);
            CRect last = bVertical ? ctx.CellRect(e - 1, nIndex) : ctx.CellRect(nIndex, e - 1);
            CRect run(first.left, first.top, last.right, last.bottom);
            if (pen == penLine)
            {
                // Grid lines as fills, in the pen's colour (the frozen boundary's on its pass).
                COLORREF cr = pen.GetColor();
                if (bVertical)
                    GXFillSolidRect(ctx.m_pDC, bSecond ? run.right - 1 : run.left, run.top, 1, run.Height(),
                                    cr);
                else
                    GXFillSolidRect(ctx.m_pDC, run.left, bSecond ? run.bottom - 1 : run.top, run.Width(), 1,
                                    cr);
            }
            else
            {
                const CGXStyle* pStyle = bVertical ? ctx.Style(i, nIndex) : ctx.Style(nIndex, i);
                DrawBorderLine(pen, run, nSides[pass], ctx.m_pDC,
                               pStyle != NULL ? &pStyle->GetInterior() : NULL);
            }
            i = e;
        }
    }
}

void CGXGridCore::DrawInvertedSelection(CGXDrawingContext& ctx)
{
    if (!ctx.m_bInvertSelection)
        return;
    for (ROWCOL r = 0; r < ctx.m_nRows; r++)
        for (ROWCOL c = 0; c < ctx.m_nCols; c++)
            if (ctx.Flags(r, c) & gxSelected)
            {
                CRect rect = ctx.CellRect(r, c);
                DrawInvertCell(ctx.m_pDC, ctx.m_anRowId[r], ctx.m_anColId[c], rect.left, rect.top, rect.right,
                               rect.bottom);
            }
}

void CGXGridCore::DrawInvertCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, int left, int top, int right, int bottom)
{
    BOOL bCurrent = IsCurrentCell(nRow, nCol);
    if (!(bCurrent && !m_bForceInvert && m_pParam->m_wCurrentCellInSelection != 1))
    {
        CRect rect(left, top, right, bottom);
        pDC->InvertRect(&rect);
    }
    if (bCurrent && m_pParam->m_bFrameCurrentCellInSelection)
    {
        CRect strips[4];
        if (m_pParam->m_nLinePosition != 0)
        {
            strips[0].SetRect(left, top, right, top + 2);
            strips[1].SetRect(left, top + 2, left + 2, bottom);
            strips[2].SetRect(right - 3, top + 2, right, bottom - 3);
            strips[3].SetRect(left + 2, bottom - 3, right, bottom);
        }
        else
        {
            strips[0].SetRect(left, top, right - 2, top + 3);
            strips[1].SetRect(left, top + 3, left + 3, bottom - 2);
            strips[2].SetRect(left, bottom - 2, right - 2, bottom);
            strips[3].SetRect(right - 2, top, right, bottom);
        }
        for (const CRect& r : strips)
            pDC->InvertRect(&r);
    }
    m_bForceInvert = FALSE;
}
