// Header cells: raised, pushed when they head the current cell (text moved by one pixel), the
// spreadsheet look for selected rows and columns, no 3-D look with "3dHeader" off, nothing at all
// in a header one pixel wide or high.
#include "ControlsTestApp.h"
#include "grid/core/GridParam.h"
#include "grid/core/Header.h"
#include "grid/core/Properties.h"
#include "tests/grid/GridPixels.h"
#include "TestSupport.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
const DWORD rgbBlack = 0x000000, rgbWhite = 0xFFFFFF, rgbGrey = 0x808080;

struct HeaderGrid : GridWindow
{
    CGXGridWnd& g;
    HeaderGrid() : GridWindow(320, 160), g(*grid)
    {
        g.SetRowCount(5, GX_NOREDRAW);
        g.SetColCount(4, GX_NOREDRAW);
        g.SetColWidth(0, 0, 40, NULL, GX_NOREDRAW);
        g.GetParam()->ClearUndoList();
    }
    CGXProperties& Props()
    {
        return *g.GetParam()->GetProperties();
    }
    // The header's rectangle less its borders, where the header look is drawn.
    CRect Inner(ROWCOL nRow, ROWCOL nCol)
    {
        CGXStyle style;
        g.ComposeStyleRowCol(nRow, nCol, &style);
        CRect inner;
        g.SubtractBorders(inner, g.CalcCellRect(nRow, nCol), style, TRUE);
        return inner;
    }
    CRect TextRect(ROWCOL nRow, ROWCOL nCol)
    {
        CGXStyle style;
        g.ComposeStyleRowCol(nRow, nCol, &style);
        return g.GetRegisteredControl(style.GetControl())->GetCellRect(nRow, nCol, NULL, &style);
    }
    Pixels Render()
    {
        return RenderGrid(&g, &g);
    }
    int CountPixels(const Pixels& p, const CRect& r, DWORD rgb)
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; y++)
            for (int x = r.left; x < r.right; x++)
                n += p.At(x, y) == rgb;
        return n;
    }
};

DWORD Face()
{
    return ToRGB(::GetSysColor(COLOR_BTNFACE));
}
} // namespace

TEST(GridHeader, TheCurrentCellsRowHeaderIsPushedWithItsTextMovedByOnePixel)
{
    HeaderGrid w;
    w.g.SetCurrentCell(4, 1);
    Pixels raised = w.Render();
    w.g.SetCurrentCell(2, 1);
    Pixels pushed = w.Render();
    CRect r = w.Inner(2, 0);
    DWORD dwHighlight = ToRGB(::GetSysColor(COLOR_BTNHIGHLIGHT));
    // Raised: highlight on top and left, black on bottom and right.
    EXPECT_EQ(dwHighlight, raised.At(r.left, r.top));
    EXPECT_EQ(dwHighlight, raised.At(r.left, r.bottom - 2));
    EXPECT_EQ(rgbBlack, raised.At(r.right - 1, r.top));
    EXPECT_EQ(rgbBlack, raised.At(r.left, r.bottom - 1));
    // Pushed: only the black lines along the bottom and the right.
    EXPECT_EQ(Face(), pushed.At(r.left, r.top));
    EXPECT_EQ(rgbBlack, pushed.At(r.right - 1, r.top));
    EXPECT_EQ(rgbBlack, pushed.At(r.left, r.bottom - 1));
    // The text ("2") one pixel right and down.
    CRect t = w.TextRect(2, 0);
    int nText = 0;
    for (int y = r.top + 1; y < r.bottom - 2; y++)
        for (int x = t.left; x < t.right - 2; x++)
        {
            nText += raised.At(x, y) == rgbBlack;
            ASSERT_EQ(raised.At(x, y), pushed.At(x + 1, y + 1)) << x << "," << y;
        }
    EXPECT_GT(nText, 3);
    // The column header of the current cell is pushed too, the others raised.
    EXPECT_EQ(Face(), pushed.At(w.Inner(0, 1).left, w.Inner(0, 1).top));
    EXPECT_EQ(dwHighlight, pushed.At(w.Inner(0, 2).left, w.Inner(0, 2).top));
    EXPECT_EQ(dwHighlight, pushed.At(w.Inner(4, 0).left, w.Inner(4, 0).top));
}

TEST(GridHeader, TheSpreadsheetLookRaisesAndBoldsTheHeadersTheSelectionTouches)
{
    HeaderGrid w;
    w.Props().m_abFlags[CGXProperties::flagMarkRowHeader] = FALSE;
    w.Props().m_abFlags[CGXProperties::flagMarkColHeader] = FALSE;
    w.g.GetParam()->m_bSpreadsheetHeaders = TRUE;
    w.g.SetValueRange(CGXCellRange(0, 2), "WW");
    w.g.SetValueRange(CGXCellRange(0, 3), "WW");
    w.g.SelectRange(CGXCellRange(1, 2, 3, 2));
    CGXStyle style;
    w.g.ComposeStyleRowCol(0, 2, &style);
    CGXControl* pHeader = w.g.GetRegisteredControl(style.GetControl());
    ASSERT_TRUE(pHeader->IsKindOf(GX_CONTROL_CLASS(CGXHeader)));
    EXPECT_TRUE(pHeader->IsMarkedHeaderCell(0, 2, style));
    EXPECT_FALSE(pHeader->IsMarkedHeaderCell(0, 3, style));
    EXPECT_TRUE(pHeader->IsMarkedHeaderCell(2, 0, style));
    EXPECT_FALSE(pHeader->IsMarkedHeaderCell(4, 0, style));
    Pixels p = w.Render();

    CRect sel = w.Inner(0, 2), other = w.Inner(0, 3);
    // Selected: raised, white left, black bottom and right with grey inside them.
    EXPECT_EQ(rgbWhite, p.At(sel.left, sel.top + 2));
    EXPECT_EQ(rgbBlack, p.At(sel.left + 2, sel.bottom - 1));
    EXPECT_EQ(rgbBlack, p.At(sel.right - 1, sel.top + 2));
    EXPECT_EQ(rgbGrey, p.At(sel.left + 2, sel.bottom - 2));
    EXPECT_EQ(rgbGrey, p.At(sel.right - 2, sel.top + 2));
    // Not selected: flat, white left, thin grey lines along the bottom and right.
    EXPECT_EQ(rgbWhite, p.At(other.left, other.top + 2));
    EXPECT_EQ(Face(), p.At(other.left + 2, other.top));
    EXPECT_EQ(rgbGrey, p.At(other.left + 2, other.bottom - 1));
    EXPECT_EQ(rgbGrey, p.At(other.right - 1, other.top + 2));
    EXPECT_EQ(Face(), p.At(other.left + 2, other.bottom - 2));
    // Same text: bold (more ink) where selected.
    CRect textSel = w.TextRect(0, 2), textOther = w.TextRect(0, 3);
    textSel.DeflateRect(0, 2, 2, 2);
    textOther.DeflateRect(0, 2, 2, 2);
    int nInkSel = textSel.Width() * textSel.Height() - w.CountPixels(p, textSel, Face());
    int nInkOther = textOther.Width() * textOther.Height() - w.CountPixels(p, textOther, Face());
    EXPECT_GT(nInkSel, nInkOther + 10);

    // A whole-row selection touches every column header, and the headers of its rows.
    w.g.SetSelection(NULL);
    w.g.SelectRange(CGXCellRange().SetRows(3, 3));
    EXPECT_TRUE(pHeader->IsMarkedHeaderCell(0, 1, style));
    EXPECT_TRUE(pHeader->IsMarkedHeaderCell(3, 0, style));
    EXPECT_FALSE(pHeader->IsMarkedHeaderCell(2, 0, style));
}

TEST(GridHeader, WithoutThe3dHeaderPropertyHeadersAreFlat)
{
    HeaderGrid w;
    w.g.SetCurrentCell(1, 1);
    CRect r = w.Inner(3, 0);
    Pixels on = w.Render();
    EXPECT_NE(Face(), on.At(r.right - 1, r.bottom - 1));
    w.Props().m_abFlags[CGXProperties::flag3dHeader] = FALSE;
    Pixels off = w.Render();
    for (CPoint pt : {CPoint(r.left, r.top), CPoint(r.right - 1, r.bottom - 1), CPoint(r.right - 1, r.top),
                      CPoint(r.left, r.bottom - 1)})
        EXPECT_EQ(Face(), off.At(pt.x, pt.y)) << pt.x << "," << pt.y;
    // The marked header keeps its text moved, without lines.
    CRect m = w.Inner(1, 0);
    EXPECT_EQ(Face(), off.At(m.right - 1, m.bottom - 1));
}

TEST(GridHeader, AHeaderOnePixelWideOrHighPaintsNothing)
{
    HeaderGrid w;
    w.g.SetValueRange(CGXCellRange(0, 1), "Kopf");
    CGXStyle style;
    w.g.ComposeStyleRowCol(0, 1, &style);
    CGXControl* pHeader = w.g.GetRegisteredControl(style.GetControl());
    CClientDC dcWnd(&w.g);
    CDC mem;
    mem.CreateCompatibleDC(&dcWnd);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dcWnd, 60, 30);
    CBitmap* pOld = mem.SelectObject(&bitmap);
    struct
    {
        CRect rect;
        bool bPaints;
    } cases[] = {{CRect(5, 5, 6, 25), false}, {CRect(5, 5, 55, 6), false}, {CRect(5, 5, 55, 25), true}};
    for (const auto& c : cases)
    {
        mem.FillSolidRect(0, 0, 60, 30, RGB(1, 2, 3));
        pHeader->Draw(&mem, c.rect, 0, 1, style, NULL);
        Pixels p = CaptureDC(&mem, CRect(0, 0, 60, 30));
        int nChanged = 0;
        for (DWORD d : p.px)
            nChanged += d != 0x010203;
        EXPECT_EQ(c.bPaints, nChanged > 0) << c.rect.Width() << " x " << c.rect.Height();
    }
    mem.SelectObject(pOld);
}
