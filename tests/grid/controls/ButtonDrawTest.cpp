// The drawn children of cell controls on a memory bitmap: arrow triangles by button height, the
// hot-spot glyph and the button face colour attribute.
#include "ControlsTestApp.h"
#include "grid/controls/ArrowButton.h"
#include "grid/controls/HotSpotButton.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace
{
// A white memory bitmap of the given size to draw buttons on.
struct Canvas
{
    Canvas(int cx, int cy)
    {
        CClientDC screen(NULL);
        dc.CreateCompatibleDC(&screen);
        bitmap.CreateCompatibleBitmap(&screen, cx, cy);
        pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
    }
    ~Canvas()
    {
        dc.SelectObject(pOld);
    }
    // The rows of the rectangle as text: '#' for black, '.' for anything else.
    std::vector<std::string> Black(const CRect& rect)
    {
        std::vector<std::string> rows;
        for (int y = rect.top; y < rect.bottom; y++)
        {
            std::string row;
            for (int x = rect.left; x < rect.right; x++)
                row += dc.GetPixel(x, y) == RGB(0, 0, 0) ? '#' : '.';
            rows.push_back(row);
        }
        return rows;
    }
    CDC dc;
    CBitmap bitmap;
    CBitmap* pOld;
};

struct ArrowCase
{
    int nHeight;
    bool bUp;
    std::vector<std::string> rows; // x 2..8, y 1..height-2 of an 11-pixel wide button
};

const ArrowCase s_arrowCases[] = {
    {4, true, {".......", "......."}},
    {4, false, {".......", "......."}},
    {5, true, {"....#..", "...###.", "..#####"}},
    {5, false, {".######", "..#####", "...###."}},
    {8, true, {"...#...", "..###..", ".#####.", "#######", ".......", "......."}},
    {8, false, {".......", "#######", ".#####.", "..###..", "...#...", "......."}},
};

TEST(GridChildButtons, ArrowTrianglesFollowTheButtonHeight)
{
    EnsureGridLibrary();
    for (const ArrowCase& c : s_arrowCases)
    {
        SCOPED_TRACE(std::to_string(c.nHeight) + (c.bUp ? " up" : " down"));
        std::unique_ptr<CGXArrowButton> pButton;
        if (c.bUp)
            pButton.reset(new CGXUpArrowButton(NULL));
        else
            pButton.reset(new CGXDownArrowButton(NULL));
        pButton->SetRect(CRect(0, 0, 11, c.nHeight));
        Canvas active(11, 12);
        pButton->DrawContent(&active.dc, TRUE);
        EXPECT_EQ(c.rows, active.Black(CRect(2, 1, 9, c.nHeight - 1)));
        // Outside the current cell nothing at all.
        Canvas inactive(11, 12);
        pButton->DrawContent(&inactive.dc, FALSE);
        EXPECT_EQ(RGB(255, 255, 255), inactive.dc.GetPixel(5, 0));
        EXPECT_EQ(RGB(255, 255, 255), inactive.dc.GetPixel(5, 3));
    }
}

TEST(GridChildButtons, HotSpotGlyphShowsOnlyInTheCurrentCell)
{
    EnsureGridLibrary();
    CGXHotSpotButton button(NULL);
    button.SetRect(CRect(0, 0, 14, 14));
    Canvas active(14, 14);
    button.DrawContent(&active.dc, TRUE);
    const std::vector<std::string> glyph = {"..........", ".######...", ".######...", "....###...",
                                            "....###...", "..#######.", "...#####..", "....###...",
                                            ".....#....", ".........."};
    EXPECT_EQ(glyph, active.Black(CRect(2, 2, 12, 12)));
    // Too low for the glyph: the bare button.
    button.SetRect(CRect(0, 0, 14, 11));
    Canvas low(14, 14);
    button.DrawContent(&low.dc, TRUE);
    EXPECT_EQ(std::vector<std::string>(8, ".........."), low.Black(CRect(2, 1, 12, 9)));
    Canvas inactive(14, 14);
    button.DrawContent(&inactive.dc, FALSE);
    EXPECT_EQ(RGB(255, 255, 255), inactive.dc.GetPixel(7, 7));
}

TEST(GridChildButtons, FaceColourAttributeIsReadAsADecimalNumber)
{
    EnsureGridLibrary();
    struct
    {
        const char* pszColour;
        COLORREF crFace;
    } cases[] = {{"255", RGB(255, 0, 0)}, {"abc", RGB(0, 0, 0)}, {NULL, ::GetSysColor(COLOR_BTNFACE)}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszColour != NULL ? c.pszColour : "none");
        CGXStyle style;
        if (c.pszColour != NULL)
            style.SetUserAttributeText(GX_IDS_UA_BUTTONFACECOLOR, c.pszColour);
        // An arrow button with a face colour is drawn as a plain captioned button.
        CGXUpArrowButton button(NULL);
        button.SetRect(CRect(0, 0, 20, 20));
        Canvas canvas(20, 20);
        button.Draw(&canvas.dc, TRUE, style);
        EXPECT_EQ(c.crFace, canvas.dc.GetPixel(4, 4));
        EXPECT_EQ(c.pszColour != NULL ? c.crFace : RGB(0, 0, 0), canvas.dc.GetPixel(10, 9));
    }
}
} // namespace

namespace
{
TEST(GridChildButtons, ButtonAttributeNamesAreResources)
{
    struct
    {
        UINT nID;
        const char* pszText;
    } texts[] = {{GX_IDS_UA_RADIOBTN_TEXTALIGN, "Radio-Knopf: Textausrichtung"},
                 {GX_IDS_UA_BUTTONFACECOLOR, "Schaltflaechenfarbe"}};
    for (const auto& t : texts)
    {
        CString str;
        EXPECT_TRUE(str.LoadString(t.nID));
        EXPECT_EQ(CString(t.pszText), str);
    }
}
} // namespace
