// The process bars' legends at the left edge of the page, drawn the way the printed page and the
// preview map it: x stretched against y by the print's factors, so a label that fits on the
// screen would outgrow its rectangle there. Every glyph must show.
#include "FirstStart.h"
#include "station/record/DrawText.h"
#include "station/record/IRControlDoc.h"
#include "station/record/ProcessStateCurve.h"
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
// Pixels in four-neighbour groups of ink (anything far from the white page).
int InkGroups(CDC& dc, int cx, int cy)
{
    std::vector<char> ink((size_t)cx * cy, 0);
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
        {
            const COLORREF c = dc.GetPixel(x, y);
            ink[(size_t)y * cx + x] = GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 255 - 200;
        }
    int nGroups = 0;
    std::vector<int> stack;
    for (int start = 0; start < cx * cy; start++)
    {
        if (!ink[(size_t)start])
            continue;
        nGroups++;
        stack.push_back(start);
        ink[(size_t)start] = 0;
        while (!stack.empty())
        {
            const int at = stack.back();
            stack.pop_back();
            const int x = at % cx, y = at / cx;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : next)
                if (n[0] >= 0 && n[0] < cx && n[1] >= 0 && n[1] < cy && ink[(size_t)(n[1] * cx + n[0])])
                {
                    ink[(size_t)(n[1] * cx + n[0])] = 0;
                    stack.push_back(n[1] * cx + n[0]);
                }
        }
    }
    return nGroups;
}

// The glyphs of a legend, each one group of ink but i and j with their dots.
int GlyphGroups(const CString& text)
{
    int n = 0;
    for (int i = 0; i < text.GetLength(); i++)
        n += text[i] == ' ' ? 0 : (text[i] == 'i' || text[i] == 'j') ? 2 : 1;
    return n;
}

TEST_F(FirstStart, BarLegendsShowWholeOnThePrintedPage)
{
    ASSERT_NO_FATAL_FAILURE(StartAgainWithRecording());
    // The print stretches the window extent by 100/73 across and by 10/9 down, so a unit across
    // is 73/90 of one down; seven pixels to the unit down keep the glyphs apart.
    const int kScale = 7;
    for (int n = 0; n < 6; n++)
    {
        CProcessStateCurve* pBar = m_pDoc->GetBar(n);
        ASSERT_TRUE(pBar != NULL && pBar->GetLegend() != NULL);
        CDrawText* pLegend = pBar->GetLegend();
        SCOPED_TRACE((LPCSTR)pLegend->GetText());
        CRect rect = pLegend->GetRect();
        rect.NormalizeRect();
        ASSERT_GT(rect.Width(), 20) << "the legend reaches the plot's left edge";
        const int cx = rect.Width() * kScale * 73 / 90 + 20;
        const int cy = 30 * kScale;
        CWindowDC screen(NULL);
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, cx, cy));
        CBitmap* pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowOrg(rect.left, rect.top - 8);
        dc.SetWindowExt(90, 90);
        dc.SetViewportExt(73 * kScale, 90 * kScale);
        pLegend->Draw(&dc);
        dc.SetMapMode(MM_TEXT);
        dc.SetWindowOrg(0, 0);
        EXPECT_EQ(GlyphGroups(pLegend->GetText()), InkGroups(dc, cx, cy));
        dc.SelectObject(pOld);
    }
}
} // namespace
