// Rotated text: the start point for each quadrant and alignment, drawing in a memory DC at that
// point inside the clip rectangle, angles brought into one turn, and a shown grid's rotated cell.
#include "FeatureTestApp.h"
#include "grid/core/AppData.h"
#include "grid/core/GridCore.h"
#include "grid/features/DrawRotatedTextImp.h"
#include "GridIds.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <functional>

using namespace testing_support;

TEST(RotatedText, TheStartPointFollowsTheQuadrantAndTheAlignment)
{
    // A text of 41 by 13 in a rectangle of 200 by 100 at (10, 20); points are truncated.
    const CRect rect(10, 20, 210, 120);
    struct Case
    {
        double dDegrees;
        UINT nFormat;
        CPoint expected;
    } cases[] = {
        {0, 0, CPoint(10, 26)},
        {0, DT_VCENTER, CPoint(10, 70)},
        {45, 0, CPoint(10, 55)},
        {45, DT_RIGHT | DT_BOTTOM, CPoint(168, 113)},
        {45, DT_CENTER | DT_VCENTER, CPoint(89, 84)},
        {45, DT_RIGHT | DT_CENTER | DT_BOTTOM | DT_VCENTER, CPoint(168, 113)}, // right and bottom win
        {150, 0, CPoint(45, 53)},
        {150, DT_RIGHT | DT_BOTTOM, CPoint(212, 104)},
        {150, DT_CENTER | DT_VCENTER, CPoint(128, 79)},
        {250, 0, CPoint(37, 20)},
        {250, DT_BOTTOM, CPoint(37, 68)},
        {250, DT_VCENTER, CPoint(37, 50)}, // no half line up in this quadrant
        {250, DT_CENTER, CPoint(123, 20)},
        {330, 0, CPoint(21, 20)},
        {330, DT_RIGHT | DT_BOTTOM, CPoint(187, 71)},
        {330, DT_CENTER | DT_VCENTER, CPoint(104, 45)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.dDegrees << " degrees, format " << c.nFormat);
        EXPECT_EQ(c.expected, CGXDrawRotatedTextImp::CalcStartPoint(rect, c.nFormat, c.dDegrees, 41, 13));
    }
    // Beyond the right edge the second quadrant starts one text height inside it.
    EXPECT_EQ(CPoint(17, 40), CGXDrawRotatedTextImp::CalcStartPoint(CRect(10, 20, 30, 120), 0, 170, 41, 13));
}

namespace
{
// A white memory bitmap with a font at an escapement, drawn on by a function.
struct Canvas
{
    CDC dc;
    CBitmap bitmap;
    CFont font;
    CBitmap* pOldBitmap = NULL;
    CFont* pOldFont = NULL;
    Canvas(LONG lfEscapement)
    {
        CClientDC screen(NULL);
        dc.CreateCompatibleDC(&screen);
        bitmap.CreateCompatibleBitmap(&screen, 200, 200);
        pOldBitmap = dc.SelectObject(&bitmap);
        dc.PatBlt(0, 0, 200, 200, WHITENESS);
        LOGFONT lf = {};
        lf.lfHeight = -16;
        lf.lfEscapement = lf.lfOrientation = lfEscapement;
        lstrcpyA(lf.lfFaceName, "Tahoma");
        font.CreateFontIndirect(&lf);
        pOldFont = dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
    }
    ~Canvas()
    {
        dc.SelectObject(pOldFont);
        dc.SelectObject(pOldBitmap);
    }
    std::vector<COLORREF> Pixels()
    {
        std::vector<COLORREF> v;
        for (int y = 0; y < 200; y += 2)
            for (int x = 0; x < 200; x += 2)
                v.push_back(dc.GetPixel(x, y));
        return v;
    }
    // Whether anything but white lies outside the rectangle.
    bool InkOutside(const CRect& rect)
    {
        for (int y = 0; y < 200; y++)
            for (int x = 0; x < 200; x++)
                if (!rect.PtInRect(CPoint(x, y)) && dc.GetPixel(x, y) != RGB(255, 255, 255))
                    return true;
        return false;
    }
    bool AnyInk()
    {
        return InkOutside(CRect(0, 0, 0, 0));
    }
};
} // namespace

TEST(RotatedText, TheTextIsDrawnAtTheStartPointInsideTheClip)
{
    CGXDrawRotatedTextImp imp;
    const CRect rect(20, 20, 180, 180);
    for (LONG nTenths : {300L, 1500L, 2500L, 3300L})
    {
        SCOPED_TRACE(nTenths);
        Canvas drawn(nTenths), expected(nTenths);
        EXPECT_EQ(0, imp.DrawRotatedText(&drawn.dc, "Lot 42", -1, rect.left, rect.top, rect.right,
                                         rect.bottom, DT_CENTER | DT_VCENTER, nTenths, NULL));
        CSize size = expected.dc.GetTextExtent("Lot 42", 6);
        CPoint pt = CGXDrawRotatedTextImp::CalcStartPoint(rect, DT_CENTER | DT_VCENTER, nTenths / 10.0,
                                                          size.cx, size.cy);
        expected.dc.TextOut(pt.x, pt.y, "Lot 42", 6);
        EXPECT_TRUE(drawn.AnyInk());
        EXPECT_EQ(expected.Pixels(), drawn.Pixels());
    }
}

TEST(RotatedText, AnglesOutsideOneTurnAndTheClipRectangle)
{
    CGXDrawRotatedTextImp imp;
    // -90 degrees is drawn as 270, 450 as 90.
    for (auto angles : {std::make_pair(-900L, 2700L), std::make_pair(4500L, 900L)})
    {
        Canvas a(angles.second), b(angles.second);
        imp.DrawRotatedText(&a.dc, "Rework", 6, 40, 40, 160, 160, 0, angles.first, NULL);
        imp.DrawRotatedText(&b.dc, "Rework", 6, 40, 40, 160, 160, 0, angles.second, NULL);
        EXPECT_TRUE(a.AnyInk());
        EXPECT_EQ(b.Pixels(), a.Pixels());
    }
    // Nothing outside the cell, or outside a clip rectangle given; the DC's clip comes back.
    Canvas cell(0);
    imp.DrawRotatedText(&cell.dc, "A long text beyond the cell", -1, 10, 10, 60, 40, 0, 0, NULL);
    EXPECT_TRUE(cell.AnyInk());
    EXPECT_FALSE(cell.InkOutside(CRect(10, 10, 60, 40)));
    CRect clip(10, 10, 30, 40);
    Canvas clipped(0);
    imp.DrawRotatedText(&clipped.dc, "A long text beyond the cell", -1, 10, 10, 60, 40, 0, 0, &clip);
    EXPECT_FALSE(clipped.InkOutside(clip));
    clipped.dc.TextOut(100, 100, "x", 1);
    EXPECT_TRUE(clipped.InkOutside(clip));
}

TEST(RotatedText, AShownGridDrawsARotatedCellThroughTheComponent)
{
    GridWindow w(400, 300);
    CGXGridCore& g = *w.grid;
    CGXAppData* pAppData = GXGetAppData();
    ASSERT_TRUE(dynamic_cast<CGXDrawRotatedTextImp*>(pAppData->m_pDrawRotatedTextImp) != NULL);
    g.SetRowCount(3, GX_NOREDRAW);
    g.SetColCount(3, GX_NOREDRAW);
    g.SetRowHeight(2, 2, 120, NULL, GX_NOREDRAW);
    g.SetCurrentCell(3, 3);
    CGXFont font;
    font.SetOrientation(900);
    g.SetStyleRange(CGXCellRange(2, 2), CGXStyle().SetValue("Profil").MergeFont(font));
    auto cellInk = [&] {
        g.RedrawAll(GX_UPDATENOW);
        CRect rect = g.CalcCellRect(2, 2);
        rect.DeflateRect(1, 1);
        CClientDC dc(w.grid.get());
        int nInk = 0;
        for (int y = rect.top; y < rect.bottom; y += 2)
            for (int x = rect.left; x < rect.right; x += 2)
                nInk += dc.GetPixel(x, y) != dc.GetPixel(rect.left, rect.top);
        return nInk;
    };
    EXPECT_GT(cellInk(), 0);
    // Without the component a rotated cell draws no text.
    CGXAbstractDrawRotatedTextImp* pImp = pAppData->m_pDrawRotatedTextImp;
    pAppData->m_pDrawRotatedTextImp = NULL;
    EXPECT_EQ(0, cellInk());
    pAppData->m_pDrawRotatedTextImp = pImp;
}
