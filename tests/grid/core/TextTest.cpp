// Text drawing like a multi-line edit control, ellipses, choice lists and cell bitmaps.
#include "GridTestApp.h"
#include "grid/core/DIBPool.h"
#include "grid/core/DrawingAndFormatting.h"
#include "TestSupport.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// A memory DC with the default GUI font and a white bitmap of 300 x 200.
struct TextDC
{
    CClientDC screen{NULL};
    CDC dc;
    CBitmap bm;
    CBitmap* pOld;
    HGDIOBJ hOldFont;
    TextDC()
    {
        dc.CreateCompatibleDC(&screen);
        bm.CreateCompatibleBitmap(&screen, 300, 200);
        pOld = dc.SelectObject(&bm);
        hOldFont = ::SelectObject(dc.GetSafeHdc(), ::GetStockObject(DEFAULT_GUI_FONT));
        dc.FillSolidRect(0, 0, 300, 200, RGB(255, 255, 255));
        dc.SetBkMode(TRANSPARENT);
    }
    ~TextDC()
    {
        ::SelectObject(dc.GetSafeHdc(), hOldFont);
        dc.SelectObject(pOld);
    }
    int Width(const char* s)
    {
        return dc.GetTextExtent(s, lstrlenA(s)).cx;
    }
    std::vector<std::string> Lines(const char* text, int cx, int cy, UINT nFormat, CRect* pRect = NULL)
    {
        int starts[32], lengths[32];
        CRect rect(0, 0, cx, cy);
        int n = GXGetDrawingAndFormatting()->BreakLines(&dc, text, -1, &rect, nFormat, starts, lengths, 32);
        if (pRect != NULL)
            *pRect = rect;
        std::vector<std::string> v;
        for (int i = 0; i < n; i++)
            v.push_back(std::string(text + starts[i], lengths[i]));
        return v;
    }
    // The ink's right edge in a rectangle, -1 when blank.
    int InkRight(const CRect& rect)
    {
        Pixels px = CaptureDC(&dc, rect);
        int r = -1;
        for (int y = 0; y < px.cy; y++)
            for (int x = 0; x < px.cx; x++)
                if (px.At(x, y) != 0xFFFFFF)
                    r = std::max(r, x);
        return r;
    }
};
typedef std::vector<std::string> Lines;
} // namespace

TEST(GridText, BreakLines)
{
    TextDC t;
    int nWord = t.Width("Wort ");
    struct Case
    {
        const char* text;
        int cx, cy;
        UINT format;
        Lines expected;
    } cases[] = {
        {"Wort Wort Wort", nWord * 2, 100, DT_WORDBREAK, {"Wort Wort ", "Wort"}},
        {"Wort Wort Wort", nWord * 2, 100, DT_SINGLELINE, {"Wort Wort "}},
        {"eins\r\nzwei\ndrei", 200, 100, DT_WORDBREAK, {"eins", "zwei", "drei"}},
        {"\r\n", 200, 100, DT_WORDBREAK, {"", ""}},
        {"Wort Wort Wort", nWord * 2, 10, DT_WORDBREAK, {"Wort Wort "}}, // one line always, no more
        {"", 100, 100, DT_WORDBREAK, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, t.Lines(c.text, c.cx, c.cy, c.format)) << c.text;
    EXPECT_EQ((Lines{"W", "W"}), t.Lines("WW", 1, 100, DT_WORDBREAK)); // at least one character a line
    // A word too long for the width is cut by characters, each piece fitting.
    int cxLimit = t.Width("Donau");
    Lines cut = t.Lines("Donaudampfschiff", cxLimit - 1, 100, DT_WORDBREAK);
    std::string joined;
    for (const std::string& l : cut)
    {
        EXPECT_LE(t.Width(l.c_str()), cxLimit) << l;
        joined += l;
    }
    EXPECT_EQ("Donaudampfschiff", joined);
    EXPECT_GE(cut.size(), 3u);

    // Vertical centring: half the free space plus half the external leading.
    TEXTMETRIC tm;
    t.dc.GetTextMetrics(&tm);
    int nLine = GXGetDrawingAndFormatting()->GetLineHeight(&t.dc);
    CRect rect;
    t.Lines("mitte", 200, 100, DT_VCENTER | DT_SINGLELINE, &rect);
    EXPECT_EQ((100 - nLine) / 2 + tm.tmExternalLeading / 2, rect.top);
    t.Lines("unten", 200, 100, DT_BOTTOM | DT_SINGLELINE, &rect);
    EXPECT_EQ(100 - nLine, rect.top);
}

TEST(GridText, Ellipses)
{
    TextDC t;
    CGXDrawingAndFormatting* p = GXGetDrawingAndFormatting();
    const char* text = "Ein langer Text, der nicht passt";
    int cx = t.Width("Ein langer");
    CRect rect(10, 10, 10 + cx, 30);
    p->DrawTextWithEllipsis(&t.dc, text, -1, rect.left, rect.top, rect.right, rect.bottom, DT_SINGLELINE,
                            NULL, gxDotEllipse);
    int nRight = t.InkRight(CRect(0, 0, 300, 40));
    EXPECT_LE(nRight, rect.right - 1); // fits the cell
    EXPECT_GT(nRight, rect.left + cx / 2);
    // The dots end the text: the last ink column belongs to the dots' shape ("..." drawn alone).
    TextDC u;
    CString strLine = "Ein langer";
    while (u.Width(strLine + "...") > cx)
        strLine = strLine.Left(strLine.GetLength() - 1);
    u.dc.TextOut(10, 10, strLine + "...");
    Pixels a = CaptureDC(&t.dc, CRect(0, 0, 300, 40)), b = CaptureDC(&u.dc, CRect(0, 0, 300, 40));
    EXPECT_EQ(b.px, a.px);

    // A very narrow cell: the dots shrink away and one character stays.
    TextDC n;
    int cxW = n.Width("W");
    p->DrawTextWithEllipsis(&n.dc, "WWWW", -1, 0, 0, cxW, 20, DT_SINGLELINE, NULL, gxDotEllipse);
    TextDC m;
    m.dc.TextOut(0, 0, "W", 1);
    EXPECT_EQ(CaptureDC(&m.dc, CRect(0, 0, 40, 20)).px, CaptureDC(&n.dc, CRect(0, 0, 40, 20)).px);

    // Pound signs fill the width of a cell too narrow for the number.
    TextDC q;
    int nPound = q.Width("#");
    p->DrawTextWithEllipsis(&q.dc, "1234567890", -1, 0, 0, nPound * 3 + 1, 20, DT_SINGLELINE, NULL,
                            gxPoundEllipse);
    TextDC r;
    r.dc.TextOut(0, 0, "###", 3);
    Pixels pr = CaptureDC(&r.dc, CRect(0, 0, 60, 20)), pq = CaptureDC(&q.dc, CRect(0, 0, 60, 20));
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 60; x++)
            if (pr.At(x, y) != pq.At(x, y))
            {
                ADD_FAILURE() << "first difference at " << x << "," << y << " pound " << nPound;
                return;
            }
}

TEST(GridText, ChoiceLists)
{
    CString list = "Apple\tRot\r\nApricot\tGelb\r\nBanane\tGelb";
    CString line;
    EXPECT_EQ(0, GXFindChoiceLine("ap", 0, &line, FALSE, list, FALSE));
    EXPECT_EQ(CString("Apple\tRot"), line);
    EXPECT_EQ(1, GXFindChoiceLine("Apricot", 0, &line, FALSE, list, TRUE));
    EXPECT_EQ(-1, GXFindChoiceLine("ap", 0, NULL, FALSE, list, TRUE));
    EXPECT_EQ(1, GXFindChoiceLine("gelb", 1, NULL, FALSE, list, FALSE));
    EXPECT_EQ(0, GXFindChoiceLine("Apricot", 0, NULL, TRUE, list, TRUE)); // index after the skipped line
    char sz[8];
    GXGetTabbedField("a\tbcdefghij\tc", 1, sz, sizeof(sz));
    EXPECT_STREQ("bcdefgh", sz);
    GXGetTabbedField("a\tb", 5, sz, sizeof(sz));
    EXPECT_STREQ("", sz);
    EXPECT_EQ(CString("Kopf\r\nbanane\tB\r\nKirsche\tA\r\n"),
              GXSortChoiceList("Kopf\nKirsche\tA\nbanane\tB", 0, TRUE));
    EXPECT_EQ(CString("Kirsche\tA\r\nbanane\tB\r\n"), GXSortChoiceList("banane\tB\nKirsche\tA", 1, FALSE));
    CString text = "eins\r\nzwei", first;
    EXPECT_EQ(4, GXTakeFirstLine(text, first));
    EXPECT_EQ(CString("eins"), first);
    EXPECT_EQ(CString("zwei"), text);
    EXPECT_EQ(-1, GXTakeFirstLine(text, first));
}

TEST(GridBitmaps, PoolKeys)
{
    CGXDIBPool& pool = *GXGetDIBPool();
    struct Case
    {
        const char* value;
        UINT id;
        const char* key;
    } cases[] = {
        {"#BMP(30001)", 30001, "#30001"},
        {"#bmp(30001)", 30001, "#30001"},
        {"#BMP(0)", 0, ""},
        {"#BMP(LOGO)", 0, ""},
        {"#BMP(\"LOGO\")", 0, "LOGO"},
        {"BMP(30001)", 0, ""},
    };
    for (const Case& c : cases)
    {
        CString key;
        EXPECT_EQ(c.id, pool.ParseBitmapValue(c.value, key)) << c.value;
        EXPECT_EQ(CString(c.key), key) << c.value;
    }
    INT_PTR n = pool.GetCount();
    HANDLE h1 = pool.GetDIB("#BMP(30001)");
    HANDLE h2 = pool.GetDIB("#bmp(30001)");
    EXPECT_NE(nullptr, h1);
    EXPECT_EQ(h1, h2);
    EXPECT_NE(nullptr, pool.GetDIB("#BMP(\"LOGO\")"));
    EXPECT_EQ(nullptr, pool.GetDIB("#BMP(30999)")); // missing: cached as null
    EXPECT_EQ(n + 3, pool.GetCount());
    CString s;
    pool.FormatBitmapValue(30001, s);
    EXPECT_EQ(CString("#BMP(30001)"), s);

    CGXDIB dib;
    EXPECT_FALSE(dib.Attach(NULL));
}

TEST(GridBitmaps, DrawPlacement)
{
    HANDLE hDIB = GXGetDIBPool()->GetDIB("#BMP(30001)"); // 10 x 10 red
    ASSERT_NE(nullptr, hDIB);
    struct Case
    {
        int mode;
        UINT align;
        CRect dest;
        CRect expected;
    } cases[] = {
        {0, 1 | 4, CRect(0, 0, 30, 20), CRect(10, 5, 20, 15)},
        {0, 0, CRect(0, 0, 30, 20), CRect(0, 0, 10, 10)},
        {0, 2 | 8, CRect(0, 0, 30, 20), CRect(20, 10, 30, 20)},
        {0, 0, CRect(0, 0, 6, 6), CRect(0, 0, 6, 6)},
        {1, 0, CRect(0, 0, 30, 20), CRect(0, 0, 30, 20)},
        {2, 1, CRect(0, 0, 30, 20), CRect(5, 0, 25, 20)},
    };
    for (const Case& c : cases)
    {
        TextDC t;
        GXDrawDIB(&t.dc, hDIB, c.dest, c.mode, c.align, NULL);
        Pixels px = CaptureDC(&t.dc, CRect(0, 0, 40, 30));
        CRect found(40, 30, -1, -1);
        for (int y = 0; y < 30; y++)
            for (int x = 0; x < 40; x++)
                if (px.At(x, y) == 0xFF0000)
                {
                    found.left = std::min((int)found.left, x);
                    found.top = std::min((int)found.top, y);
                    found.right = std::max((int)found.right, x + 1);
                    found.bottom = std::max((int)found.bottom, y + 1);
                }
        EXPECT_EQ(c.expected, found) << "mode " << c.mode << " align " << c.align;
    }
}

TEST(GridBitmaps, SystemColouredBitmaps)
{
    // Black, greys and white of a 4-bit bitmap become the button colours; red stays.
    CBitmap bm;
    ASSERT_TRUE(GXLoadSysColorBitmap(bm, MAKEINTRESOURCEA(IDB_TEST_GREYS)));
    TextDC t;
    CDC mem;
    mem.CreateCompatibleDC(&t.dc);
    CBitmap* pOld = mem.SelectObject(&bm);
    Pixels px = CaptureDC(&mem, CRect(0, 0, 10, 2));
    mem.SelectObject(pOld);
    EXPECT_EQ(ToRGB(::GetSysColor(COLOR_BTNTEXT)), px.At(0, 0));
    EXPECT_EQ(ToRGB(::GetSysColor(COLOR_BTNSHADOW)), px.At(1, 0));
    EXPECT_EQ(ToRGB(::GetSysColor(COLOR_BTNFACE)), px.At(2, 0));
    EXPECT_EQ(ToRGB(::GetSysColor(COLOR_BTNHIGHLIGHT)), px.At(3, 0));
    EXPECT_EQ(0xFF0000u, px.At(4, 0));
    // A 24-bit bitmap has no colour table: it loads unchanged.
    CBitmap deep;
    ASSERT_TRUE(GXLoadSysColorBitmap(deep, MAKEINTRESOURCEA(IDB_TEST_RED10)));
    pOld = mem.SelectObject(&deep);
    Pixels d = CaptureDC(&mem, CRect(0, 0, 10, 10));
    mem.SelectObject(pOld);
    EXPECT_EQ(0xFF0000u, d.At(5, 5));
    EXPECT_FALSE(GXLoadSysColorBitmap(deep, MAKEINTRESOURCEA(30999)));
}

TEST(GridBitmaps, CellShowsBitmap)
{
    GridWindow w(300, 200);
    CGXGridCore& g = *w.grid;
    g.OnGridInitialUpdate();
    g.SetRowCount(3, GX_NOREDRAW);
    g.SetColCount(3, GX_NOREDRAW);
    g.SetRowHeight(2, 2, 30, NULL, GX_NOREDRAW);
    g.SetStyleRange(CGXCellRange(2, 2),
                    &CGXStyle()
                         .SetControl(GX_IDS_CTRL_STATIC)
                         .SetValue("#BMP(30001)")
                         .SetHorizontalAlignment(DT_CENTER)
                         .SetVerticalAlignment(DT_VCENTER),
                    gxOverride, 0, NULL, GX_NOREDRAW);
    Pixels px = RenderGrid(&g, w.grid.get());
    CRect c = g.CalcCellRect(2, 2);
    CPoint mid = c.CenterPoint();
    EXPECT_EQ(0xFF0000u, px.At(mid.x, mid.y));
    EXPECT_NE(0xFF0000u, px.At(c.left + 2, c.top + 2));
}
