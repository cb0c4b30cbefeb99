// The cell-by-cell drawing on a shown grid: it paints what the engine's own drawing paints,
// coalesces equal backgrounds into blocks and clips each row except in a metafile.
#include "FeatureTestApp.h"
#include "grid/core/DrawingContext.h"
#include "grid/core/GridParam.h"
#include "grid/features/GridOldDrawingImp.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>

using namespace testing_support;

namespace
{
const COLORREF crRed = RGB(255, 0, 0), crBlue = RGB(0, 0, 255), crSpan = RGB(255, 255, 0);

// Cells of one colour with a different one inside, a covered range across two rows, a float
// into the last column and a current cell; room right of and below the cells.
void FillGrid(CGXGridCore& g)
{
    g.SetRowCount(5, GX_NOREDRAW);
    g.SetColCount(5, GX_NOREDRAW);
    g.SetColWidth(1, 5, 60, NULL, GX_NOREDRAW);
    g.SetStyleRange(CGXCellRange(1, 1, 2, 3), CGXStyle().SetInterior(crRed));
    g.SetStyleRange(CGXCellRange(1, 2), CGXStyle().SetInterior(crBlue));
    g.SetStyleRange(CGXCellRange(3, 2), CGXStyle().SetInterior(crSpan).SetValue("Bedeckt"));
    g.SetCoveredCellsRowCol(3, 2, 4, 3, GX_NOREDRAW);
    g.SetFloatingMode(2, FALSE);
    g.SetStyleRange(CGXCellRange(5, 3), CGXStyle().SetInterior(crSpan).SetFloatCell(TRUE).SetValue(
                                            "Ein Text, der bis in die letzte Spalte laeuft"));
    g.SetStyleRange(CGXCellRange(5, 4, 5, 5), CGXStyle().SetFloodCell(TRUE));
    g.SetCurrentCell(2, 4, GX_NOREDRAW);
    g.SelectRange(CGXCellRange(1, 3, 2, 5), TRUE, FALSE);
}

struct OldGrid : GridWindow
{
    CGXGridCore& g;
    OldGrid() : GridWindow(520, 220), g(*grid)
    {
        FillGrid(g);
        grid->SetFocus();
        grid->RedrawAll(GX_UPDATENOW, FALSE);
        PumpMessages(30);
    }
    Pixels Render()
    {
        g.RedrawAll(GX_NOREDRAW, FALSE);
        return RenderGrid(&g, grid.get());
    }
    // The cells' area: from the origin to the last column's right and the last row's bottom.
    CRect CellArea()
    {
        CRect rect = g.CalcCellRect(g.GetRowCount(), g.GetColCount());
        return CRect(0, 0, rect.right, rect.bottom);
    }
};

// The number of pixels inside (or outside) a rectangle in which two captures differ.
int Differing(const Pixels& a, const Pixels& b, const CRect& rect, bool bInside)
{
    int n = 0;
    for (int y = 0; y < a.cy; y++)
        for (int x = 0; x < a.cx; x++)
            if (rect.PtInRect(CPoint(x, y)) == (BOOL)bInside &&
                a.px[(size_t)y * a.cx + x] != b.px[(size_t)y * a.cx + x])
                n++;
    return n;
}
} // namespace

TEST(GridOldDrawing, TheFactoryInstallsItAndItDrawsOnlyWithAFlag)
{
    OldGrid w;
    ASSERT_NE(nullptr, dynamic_cast<CGXGridOldDrawingImp*>(w.g.m_pOldDrawingImp));
    EXPECT_FALSE(w.g.m_bOldDrawing); // not drawn so far: the engine's own drawing ran
    w.g.GetParam()->m_bOldDrawing = TRUE;
    w.Render();
    EXPECT_TRUE(w.g.m_bOldDrawing); // the grid's flag follows
}

// With the grid's flag the whole window matches the engine's drawing, the inverted selection
// and a transparent background included; with the parameter object's flag the cells, lines and
// spans do, and the area beyond the cells takes the standard brush instead of the background
// colour.
TEST(GridOldDrawing, PaintsWhatTheEngineDrawingPaints)
{
    OldGrid w;
    Pixels engine = w.Render();
    CRect cells = w.CellArea();
    ASSERT_LT(cells.right, engine.cx - 10);
    ASSERT_LT(cells.bottom, engine.cy - 10);

    w.g.m_bOldDrawing = TRUE;
    Pixels old = w.Render();
    EXPECT_EQ(0, Differing(engine, old, cells, true));
    EXPECT_EQ(0, Differing(engine, old, cells, false));
    w.g.RedrawAll(GX_UPDATENOW, FALSE);
    EXPECT_TRUE(w.ShowsFreshPaint());

    // A transparent grid: the standard background and the area beyond the cells stay unpainted
    // in both.
    w.g.GetParam()->m_bTransparentBackground = TRUE;
    Pixels transparent = w.Render();
    w.g.m_bOldDrawing = FALSE;
    Pixels engineTransparent = w.Render();
    EXPECT_EQ(0, Differing(engineTransparent, transparent, cells, true));
    EXPECT_EQ(0, Differing(engineTransparent, transparent, cells, false));
    EXPECT_NE(engine.At(engine.cx - 5, engine.cy - 5), transparent.At(engine.cx - 5, engine.cy - 5));
    w.g.GetParam()->m_bTransparentBackground = FALSE;

    w.g.GetParam()->m_bOldDrawing = TRUE;
    Pixels oldParam = w.Render();
    EXPECT_EQ(0, Differing(engine, oldParam, cells, true));
    DWORD crStandard = ToRGB(w.g.GetDefaultBaseStyle().GetInterior().GetBackColor());
    EXPECT_EQ(crStandard, oldParam.At(engine.cx - 5, engine.cy - 5));
    EXPECT_NE(engine.At(engine.cx - 5, engine.cy - 5), oldParam.At(engine.cx - 5, engine.cy - 5));
    w.g.RedrawAll(GX_UPDATENOW, FALSE);
    EXPECT_TRUE(w.ShowsFreshPaint());
}

namespace
{
// Notes which cells still have their background to paint after the coalescing.
struct Recorder : CGXGridOldDrawingImp
{
    std::string pending;
    void DrawBackgrounds(CGXGridCore* pGrid, CGXDrawingContext& ctx) override
    {
        CGXGridOldDrawingImp::DrawBackgrounds(pGrid, ctx);
        pending.clear();
        for (ROWCOL r = 0; r < ctx.m_nRows; r++)
            for (ROWCOL c = 0; c < ctx.m_nCols; c++)
                if (ctx.m_anRowId[r] >= 1 && ctx.m_anRowId[r] <= 2 && ctx.m_anColId[c] >= 1 &&
                    ctx.m_anColId[c] <= 3 && (ctx.Flags(r, c) & gxBackground))
                    pending +=
                        std::to_string(ctx.m_anRowId[r]) + "," + std::to_string(ctx.m_anColId[c]) + " ";
    }
};
} // namespace

// Red cells (1,1)-(2,3) around a blue (1,2): the blue cell stops the runs; red (1,1)-(2,1) and
// (1,3)-(2,3) go as blocks; the blue cell and (2,2), whose right neighbour is taken, stay
// single and are left to the cell drawing.
TEST(GridOldDrawing, EqualBackgroundsGoAsBlocks)
{
    OldGrid w;
    Pixels engine = w.Render();
    CGXAbstractGridOldDrawingImp* pInstalled = w.g.m_pOldDrawingImp;
    Recorder rec;
    w.g.m_pOldDrawingImp = &rec;
    w.g.GetParam()->m_bOldDrawing = TRUE;
    Pixels old = w.Render();
    w.g.m_pOldDrawingImp = pInstalled;
    EXPECT_EQ("1,2 2,2 ", rec.pending);
    EXPECT_EQ(0, Differing(engine, old, w.CellArea(), true));
}

namespace
{
// Notes the tallest clip box any cell was drawn in.
struct ClipGrid : CGXGridWnd
{
    int nTallestClip = 0;
    void DrawCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGXStyle& style) override
    {
        CRect clip;
        pDC->GetClipBox(&clip);
        nTallestClip = std::max(nTallestClip, (int)clip.Height());
        CGXGridWnd::DrawCell(pDC, nRow, nCol, rect, style);
    }
};
} // namespace

// On the screen each row is drawn clipped to itself; a metafile that does not print records
// without row clipping, and so does printing when the library turns print clipping off.
TEST(GridOldDrawing, RowClippingExceptInAMetafile)
{
    GridWindowOf<ClipGrid> w(520, 220);
    w.grid->OnGridInitialUpdate();
    CGXGridCore& g = *w.grid;
    g.SetRowCount(5, GX_NOREDRAW);
    g.SetColCount(3, GX_NOREDRAW);
    g.GetParam()->m_bOldDrawing = TRUE;
    CRect rect;
    w.grid->GetClientRect(&rect);
    int nRow = 0;
    for (ROWCOL nRowId = 0; nRowId <= g.GetRowCount(); nRowId++)
        nRow = std::max(nRow, g.GetRowHeight(nRowId));

    RenderGrid(&g, w.grid.get());
    EXPECT_GT(w.grid->nTallestClip, 0);
    EXPECT_LE(w.grid->nTallestClip, nRow);

    w.grid->nTallestClip = 0;
    CClientDC dcRef(w.grid.get());
    CMetaFileDC meta;
    ASSERT_TRUE(meta.CreateEnhanced(&dcRef, NULL, NULL, NULL));
    meta.IntersectClipRect(&rect);
    // The paint entry would draw into a buffer; the pass goes straight into the metafile.
    g.DrawCells(0, 0, g.GetRowCount(), g.GetColCount(), &meta);
    ::DeleteEnhMetaFile(meta.CloseEnhanced());
    EXPECT_GT(w.grid->nTallestClip, 2 * nRow);

    // A printing context clips each row, unless the library turns clipping off for printing.
    CDC mem;
    mem.CreateCompatibleDC(&dcRef);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dcRef, rect.Width(), rect.Height());
    CBitmap* pOld = mem.SelectObject(&bitmap);
    mem.m_bPrinting = TRUE;
    for (BOOL bNoClipping : {FALSE, TRUE})
    {
        SCOPED_TRACE(bNoClipping);
        GXGetAppData()->m_bNoPrintClipping = bNoClipping;
        w.grid->nTallestClip = 0;
        g.DrawCells(0, 0, g.GetRowCount(), g.GetColCount(), &mem);
        if (bNoClipping)
            EXPECT_GT(w.grid->nTallestClip, 2 * nRow);
        else
            EXPECT_LE(w.grid->nTallestClip, nRow);
    }
    GXGetAppData()->m_bNoPrintClipping = FALSE;
    mem.SelectObject(pOld);
}
