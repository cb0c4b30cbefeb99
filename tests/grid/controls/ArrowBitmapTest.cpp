// The drop-down arrow bitmaps the system-colour table loads: their triangles, light grey turned
// into the button face.
#include "ControlsTestApp.h"
#include "grid/core/SysColorTable.h"
#include <gtest/gtest.h>

namespace
{
TEST(GridSysColorTable, LoadsTheDropDownArrowsInButtonColours)
{
    EnsureGridLibrary();
    CGXSysColorTable* pTable = GXGetSysColorTable();
    COLORREF face = ::GetSysColor(COLOR_BTNFACE), text = ::GetSysColor(COLOR_BTNTEXT);
    COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    struct
    {
        CBitmap* pBitmap;
        const char* rows[4]; // '#' text, '-' shadow, 'o' highlight, '.' face
    } cases[] = {
        {&pTable->m_bmpDropDown, {"#######", ".#####.", "..###..", "...#..."}},
        {&pTable->m_bmpDropDownDisabled, {"------o", ".----o.", "..--o..", "...o..."}},
    };
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    for (auto& c : cases)
    {
        ASSERT_TRUE(c.pBitmap->GetSafeHandle() != NULL);
        BITMAP bm;
        c.pBitmap->GetBitmap(&bm);
        EXPECT_EQ(7, bm.bmWidth);
        EXPECT_EQ(4, bm.bmHeight);
        CBitmap* pOld = dc.SelectObject(c.pBitmap);
        for (int y = 0; y < 4; y++)
            for (int x = 0; x < 7; x++)
            {
                char ch = c.rows[y][x];
                COLORREF expected = ch == '#' ? text : ch == '-' ? shadow : ch == 'o' ? light : face;
                EXPECT_EQ(expected, dc.GetPixel(x, y)) << x << "," << y;
            }
        dc.SelectObject(pOld);
    }
}
} // namespace
