// Painting of a grid window: buffered and direct paints against the screen, headers, lines,
// borders, the frozen boundary, the outer area, the selection and the current-cell marker.
#include "GridTestApp.h"
#include "grid/core/DrawingContext.h"
#include "grid/core/Static.h"
#include "grid/core/SysColorTable.h"
#include "GridIds.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <set>

namespace
{
// The 10 x 5 grid the painting tests look at.
struct PaintedGrid : GridWindow
{
    CGXGridCore& g;
    // pData, when given, takes the place of the plain data object.
    explicit PaintedGrid(CGXData* pData = NULL) : GridWindow(420, 260), g(*grid)
    {
        g.OnGridInitialUpdate();
        if (pData != NULL)
            g.GetParam()->SetDataObject(pData, TRUE);
        g.SetRowCount(10, GX_NOREDRAW);
        g.SetColCount(5, GX_NOREDRAW);
        // Sizes of our own, whatever the font: all five columns and ten rows fit the window.
        g.SetColWidth(0, 0, 40, NULL, GX_NOREDRAW);
        g.SetColWidth(1, 5, 64, NULL, GX_NOREDRAW);
        g.SetRowHeight(0, 10, 20, NULL, GX_NOREDRAW);
        for (ROWCOL r = 1; r <= 10; r++)
            for (ROWCOL c = 1; c <= 5; c++)
            {
                CString s;
                s.Format("%lu", r * 10 + c);
                g.SetValueRange(CGXCellRange(r, c), s, gxOverride, 0, GX_NOREDRAW);
            }
        // A row style and a column style.
        g.SetStyleRange(CGXCellRange().SetRows(9, 9), &CGXStyle().SetInterior(RGB(255, 255, 0)), gxOverride,
                        0, NULL, GX_NOREDRAW);
        g.SetStyleRange(CGXCellRange().SetCols(4, 4), &CGXStyle().SetTextColor(RGB(0, 0, 255)), gxOverride, 0,
                        NULL, GX_NOREDRAW);
        // A solid border of width 3 on the right of (7, 2), a PS_NULL border on the left of (8, 3).
        g.SetStyleRange(CGXCellRange(7, 2),
                        &CGXStyle().SetBorder(CGXStyle::sideRight, CGXCellPen(PS_SOLID, 3, RGB(255, 0, 0))),
                        gxOverride, 0, NULL, GX_NOREDRAW);
        g.SetStyleRange(CGXCellRange(8, 3), &CGXStyle().SetBorder(CGXStyle::sideLeft, CGXCellPen(PS_NULL)),
                        gxOverride, 0, NULL, GX_NOREDRAW);
        g.SetFrozenCols(1, 0, GX_NOREDRAW);
        g.GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(2, 2, 3, 3));
        g.SetCurrentCell(5, 3, GX_NOREDRAW);
        grid->Invalidate();
        grid->UpdateWindow();
    }
    CRect Cell(ROWCOL r, ROWCOL c)
    {
        return g.CalcCellRect(r, c);
    }
};

DWORD SysRGB(int nIndex)
{
    return ToRGB(::GetSysColor(nIndex));
}

// Where the ink of a text drawn alone with the font lies in the pixels (exact match), or -1.
bool FindText(const Pixels& px, const CRect& area, const char* pszText, const LOGFONT& lf, DWORD rgbBack,
              DWORD rgbText)
{
    CClientDC screen(NULL);
    CDC mem;
    mem.CreateCompatibleDC(&screen);
    CBitmap bm;
    bm.CreateCompatibleBitmap(&screen, 100, 40);
    CBitmap* pOld = mem.SelectObject(&bm);
    COLORREF crBack = RGB((rgbBack >> 16) & 255, (rgbBack >> 8) & 255, rgbBack & 255);
    COLORREF crText = RGB((rgbText >> 16) & 255, (rgbText >> 8) & 255, rgbText & 255);
    mem.FillSolidRect(0, 0, 100, 40, crBack);
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOldFont = mem.SelectObject(&font);
    mem.SetTextColor(crText);
    mem.SetBkMode(TRANSPARENT);
    mem.TextOut(2, 2, pszText, lstrlenA(pszText));
    mem.SelectObject(pOldFont);
    Pixels ink = CaptureDC(&mem, CRect(0, 0, 100, 40));
    mem.SelectObject(pOld);
    // The ink's bounding box.
    int x0 = 100, y0 = 40, x1 = -1, y1 = -1;
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 100; x++)
            if (ink.At(x, y) != rgbBack)
            {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
    if (x1 < 0)
        return false;
    for (int oy = area.top; oy + (y1 - y0) < area.bottom; oy++)
        for (int ox = area.left; ox + (x1 - x0) < area.right; ox++)
        {
            bool bMatch = true;
            for (int y = y0; y <= y1 && bMatch; y++)
                for (int x = x0; x <= x1 && bMatch; x++)
                    bMatch = px.At(ox + x - x0, oy + y - y0) == ink.At(x, y);
            if (bMatch)
                return true;
        }
    return false;
}
} // namespace

TEST(GridPaint, ScreenEqualsMemoryRenderInBothModes)
{
    PaintedGrid w;
    std::vector<Pixels> renders;
    for (int nMode : {1, 0})
    {
        w.g.SetPaintMode(nMode);
        w.grid->Invalidate();
        w.grid->UpdateWindow();
        Pixels screen = CaptureClient(w.grid.get());
        Pixels render = RenderGrid(&w.g, w.grid.get());
        ASSERT_EQ(screen.px.size(), render.px.size());
        size_t nDiff = 0;
        for (size_t i = 0; i < screen.px.size(); i++)
            nDiff += screen.px[i] != render.px[i];
        EXPECT_EQ(0u, nDiff) << "paint mode " << nMode;
        renders.push_back(render);
    }
    // Both modes draw the same pixels.
    EXPECT_EQ(renders[0].px, renders[1].px);
}

// The buffered paint keeps its bitmap from one paint to the next and no longer starts from the
// screen's pixels: every pixel of its clip box must still be drawn afresh, a later paint must show
// what changed since, and what the paint leaves alone keeps the target's pixels as in direct mode.
TEST(GridPaint, BufferedPaintDrawsItsWholeClipBoxAfresh)
{
    PaintedGrid w;
    CRect rectClient;
    w.grid->GetClientRect(&rectClient);
    w.g.SetPaintMode(1);
    Pixels first = RenderGrid(&w.g, w.grid.get());
    for (int y = 0; y < first.cy; y++)
        for (int x = 0; x < first.cx; x++)
            ASSERT_NE(0x010203u, first.At(x, y)) << x << ", " << y;
    w.g.SetPaintMode(0);
    EXPECT_EQ(first.px, RenderGrid(&w.g, w.grid.get()).px);

    // A cell painted green after the bitmap held it white: the screen shows the change, first
    // through a paint of the cell alone, then of the whole window.
    w.g.SetPaintMode(1);
    w.grid->Invalidate();
    w.grid->UpdateWindow();
    w.g.SetStyleRange(CGXCellRange(4, 2), &CGXStyle().SetInterior(RGB(0, 160, 0)), gxOverride, 0, NULL,
                      GX_INVALIDATE);
    w.grid->UpdateWindow();
    CRect rectCell = w.Cell(4, 2);
    Pixels screen = CaptureClient(w.grid.get());
    EXPECT_EQ(0x00A000u, screen.At(rectCell.left + 3, rectCell.bottom - 3));
    EXPECT_EQ(RenderGrid(&w.g, w.grid.get()).px, screen.px);
    w.g.SetStyleRange(CGXCellRange(4, 2), &CGXStyle().SetInterior(RGB(255, 255, 255)), gxOverride, 0, NULL,
                      GX_INVALIDATE);
    w.grid->Invalidate();
    w.grid->UpdateWindow();
    screen = CaptureClient(w.grid.get());
    EXPECT_EQ(0xFFFFFFu, screen.At(rectCell.left + 3, rectCell.bottom - 3));
    EXPECT_EQ(RenderGrid(&w.g, w.grid.get()).px, screen.px);

    // Under a transparent background the target's pixels show through the cells in both modes.
    w.g.GetParam()->m_bTransparentBackground = TRUE;
    std::vector<Pixels> transparent;
    for (int nMode : {1, 0})
    {
        w.g.SetPaintMode(nMode);
        transparent.push_back(RenderGrid(&w.g, w.grid.get()));
    }
    w.g.GetParam()->m_bTransparentBackground = FALSE;
    CRect rectPlain = w.Cell(6, 4);
    EXPECT_EQ(0x010203u, transparent[0].At(rectPlain.left + 3, rectPlain.bottom - 3));
    EXPECT_EQ(transparent[0].px, transparent[1].px);
}

TEST(GridPaint, ClipBoxOutsideTheDrawingRectDrawsNothing)
{
    PaintedGrid w;
    // The grid draws into the left 200 pixels only.
    w.g.m_rectPreset.SetRect(0, 0, 200, 260);
    auto render = [&](const CRect& rectClip) {
        CClientDC dcWnd(w.grid.get());
        CDC mem;
        mem.CreateCompatibleDC(&dcWnd);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dcWnd, 420, 260);
        CBitmap* pOld = mem.SelectObject(&bitmap);
        mem.FillSolidRect(0, 0, 420, 260, RGB(1, 2, 3));
        mem.IntersectClipRect(&rectClip);
        w.g.OnGridDraw(&mem);
        mem.SelectClipRgn(NULL);
        Pixels p = CaptureDC(&mem, CRect(0, 0, 420, 260));
        mem.SelectObject(pOld);
        return p;
    };
    for (int nMode : {1, 0})
    {
        SCOPED_TRACE(nMode);
        w.g.SetPaintMode(nMode);
        Pixels outside = render(CRect(250, 0, 420, 260));
        for (DWORD d : outside.px)
            ASSERT_EQ(0x010203u, d);
        // Overlapping it, only the common part is drawn.
        Pixels overlap = render(CRect(150, 0, 420, 260));
        EXPECT_NE(0x010203u, overlap.At(160, 5));
        EXPECT_EQ(0x010203u, overlap.At(140, 5));
        EXPECT_EQ(0x010203u, overlap.At(200, 5));
    }
    w.g.m_rectPreset.SetRectEmpty();
}

TEST(GridPaint, HeadersLinesBordersAndAreas)
{
    PaintedGrid w;
    Pixels px = RenderGrid(&w.g, w.grid.get());
    DWORD rgbFace = SysRGB(COLOR_BTNFACE), rgbLine = SysRGB(COLOR_GRAYTEXT);

    // Headers in button face with their letters and numbers in the header font.
    const char* letters[] = {"A", "B", "C", "D", "E"};
    for (ROWCOL c = 1; c <= 5; c++)
    {
        CRect rect = w.Cell(0, c);
        EXPECT_EQ(rgbFace, px.At(rect.left + 2, rect.top + 2)) << c;
        const CGXStyle& style = w.g.LookupStyleRowCol(0, c);
        LOGFONT lf;
        style.GetFontPtr()->GetZoomedLogFont(lf, 100);
        EXPECT_TRUE(FindText(px, rect, letters[c - 1], lf, rgbFace, ToRGB(style.GetTextColor())))
            << letters[c - 1];
    }
    for (ROWCOL r : {1u, 7u, 10u})
    {
        CRect rect = w.Cell(r, 0);
        CString s;
        s.Format("%lu", r);
        LOGFONT lf;
        w.g.LookupStyleRowCol(r, 0).GetFontPtr()->GetZoomedLogFont(lf, 100);
        EXPECT_TRUE(FindText(px, rect, s, lf, rgbFace, ToRGB(w.g.LookupStyleRowCol(r, 0).GetTextColor())))
            << r;
    }

    // Grid lines on the left and top edges in colour 0.
    CRect c44 = w.Cell(4, 4);
    EXPECT_EQ(rgbLine, px.At(c44.left, c44.top + 5));
    EXPECT_EQ(rgbLine, px.At(c44.left + 5, c44.top));
    // The frozen boundary: the last pixel column of column 1 in colour 1.
    CRect c41 = w.Cell(4, 1);
    EXPECT_EQ(SysRGB(COLOR_ACTIVECAPTION), px.At(c41.right - 1, c41.top + 5));
    // Right of the last column: colour 4, and the closing line after column 5.
    CRect c45 = w.Cell(4, 5);
    EXPECT_EQ(rgbLine, px.At(c45.right, c45.top + 5));
    EXPECT_EQ(SysRGB(COLOR_BTNFACE), px.At(c45.right + 5, c45.top + 5));
    // Below the last row likewise.
    CRect c10 = w.Cell(10, 2);
    EXPECT_EQ(rgbLine, px.At(c10.left + 5, c10.bottom));
    EXPECT_EQ(SysRGB(COLOR_BTNFACE), px.At(c10.left + 5, c10.bottom + 5));

    // Borders: 3 red pixels on the right of (7, 2); no line where (8, 3) has a PS_NULL border.
    CRect c72 = w.Cell(7, 2);
    for (int dx = 1; dx <= 3; dx++)
        EXPECT_EQ(0xFF0000u, px.At(c72.right - dx, c72.top + 5)) << dx;
    EXPECT_NE(0xFF0000u, px.At(c72.right - 4, c72.top + 5));
    CRect c83 = w.Cell(8, 3);
    EXPECT_EQ(0xFFFFFFu, px.At(c83.left, c83.top + 5));
    EXPECT_EQ(rgbLine, px.At(w.Cell(8, 4).left, c83.top + 5)); // its neighbour keeps its line

    // The row style's interior.
    CRect c95 = w.Cell(9, 5);
    EXPECT_EQ(0xFFFF00u, px.At(c95.right - 3, c95.bottom - 3));
}

TEST(GridPaint, SelectionAndMarker)
{
    PaintedGrid w;
    Pixels px = RenderGrid(&w.g, w.grid.get());
    // Selected cells inverted (white becomes black), others not.
    CRect c22 = w.Cell(2, 2), c33 = w.Cell(3, 3), c24 = w.Cell(2, 4);
    EXPECT_EQ(0x000000u, px.At(c22.right - 3, c22.bottom - 3));
    EXPECT_EQ(0x000000u, px.At(c33.right - 3, c33.bottom - 3));
    EXPECT_EQ(0xFFFFFFu, px.At(c24.right - 3, c24.bottom - 3));
    // The marker: the inner rectangle's edge inverted once (one pixel wide).
    CRect c53 = w.Cell(5, 3);
    CRect inner(c53.left + 1, c53.top + 1, c53.right, c53.bottom); // inside the left and top lines
    EXPECT_EQ(0x000000u, px.At(inner.right - 1, inner.top + inner.Height() / 2));
    EXPECT_EQ(0x000000u, px.At(inner.left + inner.Width() / 2, inner.bottom - 1));
    EXPECT_EQ(0xFFFFFFu, px.At(inner.right - 2, inner.bottom - 2));
    EXPECT_EQ(0x000000u, px.At(inner.left, inner.bottom - 1)); // a corner: inverted once, not twice
}

TEST(GridPaint, NoMarkerWhileTheCurrentCellIsBeingEdited)
{
    PaintedGrid w;
    class ActiveStatic : public CGXStatic
    {
      public:
        using CGXStatic::CGXStatic;
        BOOL IsActive() override
        {
            return m_bActive;
        }
        BOOL m_bActive = TRUE;
    };
    ActiveStatic* pControl = new ActiveStatic(&w.g);
    const WORD nId = 30100;
    w.g.RegisterControl(nId, pControl, FALSE, FALSE);
    w.g.SetStyleRange(CGXCellRange(5, 3), &CGXStyle().SetControl(nId), gxOverride, 0, NULL, GX_NOREDRAW);
    CRect c53 = w.Cell(5, 3);
    CPoint ptMarker(c53.right - 1, c53.top + c53.Height() / 2);
    Pixels px = RenderGrid(&w.g, w.grid.get());
    EXPECT_EQ(0xFFFFFFu, px.At(ptMarker.x, ptMarker.y));
    // The same control, no longer editing: the marker is back.
    pControl->m_bActive = FALSE;
    px = RenderGrid(&w.g, w.grid.get());
    EXPECT_EQ(0x000000u, px.At(ptMarker.x, ptMarker.y));
}

TEST(GridPaint, LockedAndChangingLayoutDrawNothing)
{
    PaintedGrid w;
    // The redraw lock: nothing drawn into the target.
    w.g.GetParam()->m_bRedrawLocked = TRUE;
    Pixels locked = RenderGrid(&w.g, w.grid.get());
    for (DWORD d : locked.px)
        ASSERT_EQ(0x010203u, d);
    w.g.GetParam()->m_bRedrawLocked = FALSE;

    // A paint that changes the scroll-bar layout invalidates everything and draws nothing. (The
    // optimised update would show the bar as the rows come.)
    w.g.m_pOptimizedUpdateImp = NULL;
    w.g.SetScrollBarMode(SB_BOTH, gxnAutomatic, FALSE);
    w.grid->UpdateWindow();
    ASSERT_FALSE(w.grid->GetStyle() & WS_VSCROLL);
    w.g.SetRowCount(100, GX_NOREDRAW);
    w.grid->ValidateRect(NULL);
    Pixels changed = RenderGrid(&w.g, w.grid.get());
    EXPECT_TRUE(w.grid->GetStyle() & WS_VSCROLL);
    for (DWORD d : changed.px)
        ASSERT_EQ(0x010203u, d);
    CRect rectUpdate, rectClient;
    EXPECT_TRUE(w.grid->GetUpdateRect(&rectUpdate));
    w.grid->GetClientRect(&rectClient);
    EXPECT_EQ(rectClient, rectUpdate);
    // The next paint draws.
    Pixels next = RenderGrid(&w.g, w.grid.get());
    EXPECT_NE(0x010203u, next.At(5, 5));
}

TEST(GridPaint, StyleCacheKeepsAtMost501)
{
    CGXGridCore grid;
    std::vector<CGXStyle*> styles;
    for (int i = 0; i < 502; i++)
        styles.push_back(new CGXStyle);
    for (CGXStyle* p : styles)
        grid.RecycleStyle(p);
    EXPECT_EQ(501, grid.m_freeStyles.GetCount());
    CGXStyle* p = grid.CreateStyle();
    EXPECT_EQ(styles[500], p); // the last one kept comes back first
    EXPECT_TRUE(p->IsEmpty());
    delete p;
}

namespace
{
// Takes over cell (4, 2) as a span reaching over (4, 3) and paints it green itself; records the
// prepared range and whether preparing came before flagging.
class FakeSpans : public CGXAbstractDrawSpannedCellsImp
{
  public:
    BOOL MarkSpannedCell(CGXGridCore*, CGXDrawingContext& ctx, ROWCOL r, ROWCOL c) override
    {
        m_nMarked++;
        if (ctx.m_anRowId[r] != 4 || (ctx.m_anColId[c] != 2 && ctx.m_anColId[c] != 3))
            return FALSE;
        if (ctx.m_anColId[c] == 3)
            ctx.Flags(r, c) |= gxCovered;
        return TRUE;
    }
    BOOL DrawSpannedCell(CGXGridCore*, CGXDrawingContext& ctx, ROWCOL r, ROWCOL c) override
    {
        if (ctx.m_anRowId[r] != 4 || ctx.m_anColId[c] != 2)
            return FALSE;
        CRect rect = ctx.CellRect(r, c);
        rect.right = ctx.CellRect(r, c + 1).right;
        ctx.m_pDC->FillSolidRect(rect, RGB(0, 128, 0));
        return TRUE;
    }
    BOOL PrepareSpans(CGXGridCore*, const CGXCellRange& range, ROWCOL, ROWCOL, ROWCOL, ROWCOL,
                      ROWCOL nLastRow, ROWCOL nLastCol, BOOL, CGXCellRange*, BOOL) override
    {
        m_nPrepared++;
        m_nMarkedWhenPrepared = m_nMarked;
        m_range = range;
        m_nLastRow = nLastRow;
        m_nLastCol = nLastCol;
        return FALSE;
    }
    int m_nMarked = 0, m_nPrepared = 0, m_nMarkedWhenPrepared = -1;
    CGXCellRange m_range;
    ROWCOL m_nLastRow = 0, m_nLastCol = 0;
};

// Draws the whole pass magenta, after noting how the engine had flagged it.
class FakeOldDrawing : public CGXAbstractGridOldDrawingImp
{
  public:
    BOOL DrawBlock(CGXGridCore*, CDC* pDC, CGXDrawingContext& ctx) override
    {
        for (ROWCOL r = 0; r < ctx.m_nRows; r++)
            for (ROWCOL c = 0; c < ctx.m_nCols; c++)
                if (ctx.m_anRowId[r] == 2 && ctx.m_anColId[c] == 2)
                    m_wFlagsOfSelected = ctx.Flags(r, c);
        if (m_bDraws)
            pDC->FillSolidRect(ctx.m_rectClip, RGB(255, 0, 255));
        return m_bDraws;
    }
    BOOL m_bDraws = TRUE;
    WORD m_wFlagsOfSelected = 0;
};

class FakePrepareRedraw : public CGXAbstractGridPrepareRedrawImp
{
  public:
    void OnPrepareRedraw(CGXGridCore*, ROWCOL n1, ROWCOL n2, ROWCOL n3, ROWCOL n4) override
    {
        m_calls.push_back({n1, n2, n3, n4});
    }
    std::vector<std::vector<ROWCOL>> m_calls;
};

void Repaint(PaintedGrid& w)
{
    w.grid->Invalidate();
    w.grid->UpdateWindow();
}
} // namespace

TEST(GridPaint, SpannedCellComponentFlagsAndDrawsItsCells)
{
    PaintedGrid w;
    const DWORD green = 0x008000;
    CRect left = w.Cell(4, 2), right = w.Cell(4, 3);
    CPoint ptLeft = left.CenterPoint(), ptRight = right.CenterPoint();
    // Grid lines sit on the left and top edges of cells here.
    CPoint ptSeam(right.left, ptLeft.y), ptEdge(left.left, ptLeft.y), ptTop(ptLeft.x, left.top);
    Pixels before = CaptureClient(w.grid.get());
    EXPECT_NE(green, before.At(ptLeft.x, ptLeft.y));

    FakeSpans spans;
    w.g.m_pDrawSpannedCellsImp = &spans;
    for (int nMode : {1, 0})
    {
        SCOPED_TRACE(nMode);
        w.g.SetPaintMode(nMode);
        spans.m_nMarked = spans.m_nPrepared = 0;
        spans.m_nMarkedWhenPrepared = -1;
        Repaint(w);
        Pixels px = CaptureClient(w.grid.get());
        // Both cells and their edges are the component's: the engine draws no line of its own
        // across the span or on the cells' left and top edges.
        for (CPoint pt : {ptLeft, ptRight, ptSeam, ptEdge, ptTop})
            EXPECT_EQ(green, px.At(pt.x, pt.y)) << pt.x << "," << pt.y;
        // The rest is drawn as before.
        CPoint ptOther = w.Cell(6, 2).CenterPoint();
        EXPECT_EQ(before.At(ptOther.x, ptOther.y), px.At(ptOther.x, ptOther.y));
        // Prepared once per pass, before any cell was flagged, with the visible range.
        EXPECT_EQ(1, spans.m_nPrepared);
        EXPECT_EQ(0, spans.m_nMarkedWhenPrepared);
        EXPECT_GT(spans.m_nMarked, 50);
        EXPECT_EQ(0u, spans.m_range.top);
        EXPECT_EQ(0u, spans.m_range.left);
        EXPECT_EQ(10u, spans.m_range.bottom);
        EXPECT_EQ(5u, spans.m_range.right);
        EXPECT_EQ(w.g.GetBottomVisibleRow(), spans.m_nLastRow);
        EXPECT_EQ(w.g.GetRightVisibleCol(), spans.m_nLastCol);
    }
    w.g.m_pDrawSpannedCellsImp = NULL;
    Repaint(w);
    Pixels after = CaptureClient(w.grid.get());
    EXPECT_EQ(before.px, after.px);
}

TEST(GridPaint, OldDrawingComponentTakesTheWholePass)
{
    PaintedGrid w;
    Pixels normal = CaptureClient(w.grid.get());
    FakeOldDrawing old;
    w.g.m_pOldDrawingImp = &old;
    for (int nMode : {1, 0})
    {
        SCOPED_TRACE(nMode);
        w.g.SetPaintMode(nMode);
        old.m_bDraws = TRUE;
        Repaint(w);
        Pixels px = CaptureClient(w.grid.get());
        // Cells, headers and lines alike are the component's.
        for (CPoint pt : {w.Cell(1, 1).CenterPoint(), w.Cell(0, 0).CenterPoint(), w.Cell(3, 3).TopLeft(),
                          CPoint(w.Cell(5, 2).right - 1, w.Cell(5, 2).bottom - 1)})
            EXPECT_EQ(0xFF00FFu, px.At(pt.x, pt.y)) << pt.x << "," << pt.y;
        // The cells were flagged before it was asked.
        EXPECT_TRUE(old.m_wFlagsOfSelected & gxSelected);

        // A component that declines leaves the pass to the engine.
        old.m_bDraws = FALSE;
        Repaint(w);
        EXPECT_EQ(normal.px, CaptureClient(w.grid.get()).px);
    }
    w.g.m_pOldDrawingImp = NULL;
}

TEST(GridPaint, EveryPaintStartsWithPrepareRedraw)
{
    PaintedGrid w;
    FakePrepareRedraw prepare;
    w.g.m_pPrepareRedrawImp = &prepare;
    Repaint(w);
    ASSERT_EQ(1u, prepare.m_calls.size());
    EXPECT_EQ((std::vector<ROWCOL>{0, 0, 1, 0}), prepare.m_calls[0]);
    // Even a paint the redraw lock keeps empty.
    w.g.GetParam()->m_bRedrawLocked = TRUE;
    Repaint(w);
    w.g.GetParam()->m_bRedrawLocked = FALSE;
    EXPECT_EQ(2u, prepare.m_calls.size());
    w.g.m_pPrepareRedrawImp = NULL;
}

namespace
{
using Cell = std::pair<ROWCOL, ROWCOL>;

// A data object whose formula hooks answer "changed" for the cells in m_changed until a paint
// marks them drawn.
class FakeFormulaData : public CGXData
{
  public:
    BOOL IsCellChanged(ROWCOL nRow, ROWCOL nCol) override
    {
        return m_changed.count({nRow, nCol}) != 0;
    }
    void SetCellChanged(ROWCOL nRow, ROWCOL nCol, BOOL bChanged) override
    {
        m_nMarked++;
        if (bChanged)
            m_changed.insert({nRow, nCol});
        else
            m_changed.erase({nRow, nCol});
    }
    std::set<Cell> m_changed;
    int m_nMarked = 0;
};

// Records the ranges whose floats are invalidated; covers (6, 3)-(6, 4).
class FakeSpanComponents
{
  public:
    class Floats : public CGXAbstractGridFloatCellsImp
    {
      public:
        void InvalidateFloatedCells(CGXGridCore*, const CGXCellRange& range, ROWCOL nColLimit) override
        {
            m_ranges.push_back(range);
            m_nColLimit = nColLimit;
        }
        std::vector<CGXCellRange> m_ranges;
        ROWCOL m_nColLimit = 0;
    };
    class Covered : public CGXAbstractGridCoveredCellsImp
    {
      public:
        CGXCellRange* GetCoveredRangeAt(CGXGridCore*, ROWCOL nRow, ROWCOL nCol, CGXCellRange& range) override
        {
            if (nRow != 6 || (nCol != 3 && nCol != 4))
                return NULL;
            range.SetCells(6, 3, 6, 4);
            return &range;
        }
        void WidenByCoveredCells(CGXGridCore*, CGXCellRange& range) override
        {
            CGXCellRange span(6, 3, 6, 4), common;
            if (common.Intersect(range, span))
                range.Union(range, span);
        }
    };
};

std::vector<CGXCellRange> Ranges(const CGXRangeList& list)
{
    std::vector<CGXCellRange> v;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        v.push_back(*list.GetNext(pos));
    return v;
}

bool SameRect(const Pixels& a, const Pixels& b, const CRect& rect)
{
    for (int y = rect.top; y < rect.bottom; y++)
        for (int x = rect.left; x < rect.right; x++)
            if (a.At(x, y) != b.At(x, y))
                return false;
    return true;
}
} // namespace

TEST(GridPaint, FormulaCellsInvalidateTheirFloatsAndAreMarkedDrawn)
{
    FakeFormulaData* pData = new FakeFormulaData;
    PaintedGrid w(pData);
    FakeSpanComponents::Floats floats;
    FakeSpanComponents::Covered covered;
    w.g.m_pFloatCellsImp = &floats;
    w.g.m_pCoveredCellsImp = &covered;

    // (6, 4) lies in a covered range whose top-left cell (6, 3) holds a formula.
    pData->m_changed = {{3, 3}, {7, 2}, {6, 3}};
    EXPECT_TRUE(w.g.IsFormulaCell(6, 4));
    EXPECT_FALSE(w.g.IsFormulaCell(6, 2));
    CGXCellRange span;
    ASSERT_TRUE(w.g.GetCellSpanRange(6, 4, span));
    EXPECT_EQ(CGXCellRange(6, 3, 6, 4), span);

    pData->m_nMarked = 0;
    Repaint(w);
    // Each formula cell once, in drawing order, without a column limit.
    std::vector<CGXCellRange> expected = {CGXCellRange(3, 3), CGXCellRange(6, 3), CGXCellRange(6, 4),
                                          CGXCellRange(7, 2)};
    EXPECT_EQ(expected, floats.m_ranges);
    EXPECT_EQ((ROWCOL)-1, floats.m_nColLimit);
    // Every drawn cell is marked drawn: the formula marks are gone, headers included.
    EXPECT_TRUE(pData->m_changed.empty());
    EXPECT_EQ(11 * 6, pData->m_nMarked);

    // A paint without formula cells invalidates nothing.
    floats.m_ranges.clear();
    Repaint(w);
    EXPECT_TRUE(floats.m_ranges.empty());
    w.g.m_pFloatCellsImp = NULL;
    w.g.m_pCoveredCellsImp = NULL;
}

TEST(GridPaint, PartialRefreshRepaintsRowsFromTheirFirstFormulaCell)
{
    FakeFormulaData* pData = new FakeFormulaData;
    PaintedGrid w(pData);
    const Cell changedCells[] = {{3, 2}, {3, 4}, {5, 2}, {7, 4}, {3, 3}};
    int nRound = 0;
    for (int nMode : {1, 0})
    {
        SCOPED_TRACE(nMode);
        w.g.SetPaintMode(nMode);
        w.g.m_bRefreshOnlyUpdatedCells = FALSE;
        Repaint(w);
        Pixels before = CaptureClient(w.grid.get());

        // New values everywhere, but only (3, 3) and (7, 2) count as formula cells.
        nRound++;
        for (const Cell& cell : changedCells)
        {
            CString s;
            s.Format("n%d", nRound * 100 + (int)cell.second);
            w.g.SetValueRange(CGXCellRange(cell.first, cell.second), s, gxOverride, 0, GX_NOREDRAW);
        }
        pData->m_changed = {{3, 3}, {7, 2}};
        w.g.GetParam()->m_PendingRanges.DeleteAll();
        w.g.m_bRefreshOnlyUpdatedCells = TRUE;
        Repaint(w);
        Pixels partial = CaptureClient(w.grid.get());
        EXPECT_TRUE(w.g.m_excludedRects.IsEmpty());
        EXPECT_TRUE(pData->m_changed.empty());
        // One pending range per painted row, from its first formula cell to the last column.
        std::vector<CGXCellRange> pending = {CGXCellRange(3, 3, 3, 5), CGXCellRange(7, 2, 7, 5)};
        EXPECT_EQ(pending, Ranges(w.g.GetParam()->m_PendingRanges));

        w.g.m_bRefreshOnlyUpdatedCells = FALSE;
        Repaint(w);
        Pixels full = CaptureClient(w.grid.get());
        // Repainted: the formula cells and what follows them in their rows (the selected
        // (3, 3) inverted again).
        for (Cell cell : {Cell{3, 3}, Cell{3, 4}, Cell{7, 4}, Cell{7, 2}})
        {
            CRect rect = w.Cell(cell.first, cell.second);
            EXPECT_TRUE(SameRect(partial, full, rect)) << cell.first << "," << cell.second;
        }
        EXPECT_FALSE(SameRect(partial, before, w.Cell(3, 4)));
        // Left alone: cells before a row's first formula cell, and rows without one.
        for (Cell cell : {Cell{3, 2}, Cell{5, 2}, Cell{3, 0}})
        {
            CRect rect = w.Cell(cell.first, cell.second);
            EXPECT_TRUE(SameRect(partial, before, rect)) << cell.first << "," << cell.second;
        }
        EXPECT_FALSE(SameRect(partial, full, w.Cell(3, 2)));
        EXPECT_FALSE(SameRect(partial, full, w.Cell(5, 2)));
    }
    w.g.GetParam()->m_PendingRanges.DeleteAll();
}

TEST(GridPaint, OldDrawingComponentReachesItsBackgroundsThroughTheEngine)
{
    PaintedGrid w;
    // Without the component (the factory installs one) the forwarder does nothing.
    CGXAbstractGridOldDrawingImp* pInstalled = w.g.m_pOldDrawingImp;
    w.g.m_pOldDrawingImp = NULL;
    CGXDrawingContext ctx(1, 1);
    w.g.DrawWithOldDrawingImp(ctx);

    class Backgrounds : public CGXAbstractGridOldDrawingImp
    {
      public:
        BOOL DrawBlock(CGXGridCore* pGrid, CDC*, CGXDrawingContext& ctx) override
        {
            pGrid->DrawWithOldDrawingImp(ctx);
            return FALSE;
        }
        void DrawBackgrounds(CGXGridCore* pGrid, CGXDrawingContext& ctx) override
        {
            m_pGrid = pGrid;
            m_nRows = ctx.m_nRows;
        }
        CGXGridCore* m_pGrid = NULL;
        ROWCOL m_nRows = 0;
    } old;
    w.g.m_pOldDrawingImp = &old;
    Repaint(w);
    w.g.m_pOldDrawingImp = pInstalled;
    EXPECT_EQ(&w.g, old.m_pGrid);
    EXPECT_EQ(11u, old.m_nRows);
}

TEST(GridPaint, RedrawRangeWidensOverSpans)
{
    PaintedGrid w;
    FakeSpanComponents::Covered covered;
    auto invalidated = [&](const CGXCellRange& range) {
        w.grid->ValidateRect(NULL);
        w.g.RedrawRange(range.top, range.left, range.bottom, range.right, GX_INVALIDATE, FALSE);
        CRect rect;
        w.grid->GetUpdateRect(&rect);
        return rect;
    };
    EXPECT_EQ(w.g.CalcRangeClientRect(CGXCellRange(6, 4)), invalidated(CGXCellRange(6, 4)));
    w.g.m_pCoveredCellsImp = &covered;
    EXPECT_EQ(w.g.CalcRangeClientRect(CGXCellRange(6, 3, 6, 4)), invalidated(CGXCellRange(6, 4)));
    EXPECT_EQ(w.g.CalcRangeClientRect(CGXCellRange(5, 2, 6, 4)), invalidated(CGXCellRange(5, 2, 6, 3)));
    EXPECT_EQ(w.g.CalcRangeClientRect(CGXCellRange(7, 3)), invalidated(CGXCellRange(7, 3)));
    w.g.m_pCoveredCellsImp = NULL;
    w.grid->ValidateRect(NULL);
}
