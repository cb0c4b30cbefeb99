// Tab-separated lines as columns: measured widths, a line drawn into its columns, bitmap
// heights, and the title strip whose boxes end where the list's columns do.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/TabbedLBoxHeader.h"
#include "grid/controls/TabbedText.h"
#include "grid/core/DIBPool.h"
#include "GridIds.h"
#include "ClientDC.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
CString BitmapValue()
{
    CString str;
    str.Format("#BMP(%u)", (unsigned)GX_IDB_BROWSE_EDIT);
    return str;
}

// A memory bitmap of 200 x 20 pixels to draw lines into.
struct LineCanvas
{
    LineCanvas()
    {
        CClientDC screen(NULL);
        dc.CreateCompatibleDC(&screen);
        bitmap.CreateCompatibleBitmap(&screen, 200, 20);
        pOld = dc.SelectObject(&bitmap);
        dc.SelectStockObject(DEFAULT_GUI_FONT);
    }
    ~LineCanvas()
    {
        dc.SelectObject(pOld);
    }
    void Draw(LPCTSTR pszLine, BOOL bSingle, int nKeyCol)
    {
        const int anEdges[] = {60};
        DrawTabbedLine(&dc, CRect(0, 0, 200, 20), pszLine, bSingle, nKeyCol, 2, anEdges, RGB(255, 0, 0),
                       RGB(255, 255, 255), RGB(0, 0, 0));
    }
    // Black pixels between x0 and x1.
    int Ink(int x0, int x1)
    {
        int n = 0;
        for (int x = x0; x < x1; x++)
            for (int y = 0; y < 20; y++)
                n += dc.GetPixel(x, y) == RGB(0, 0, 0);
        return n;
    }
    std::vector<COLORREF> Pixels()
    {
        std::vector<COLORREF> v;
        for (int x = 0; x < 200; x++)
            for (int y = 0; y < 20; y++)
                v.push_back(dc.GetPixel(x, y));
        return v;
    }
    CDC dc;
    CBitmap bitmap;
    CBitmap* pOld;
};

TEST(TabbedText, ColumnsAreMeasuredAsTheWidestFieldUpToTheColumnCount)
{
    LineCanvas c;
    int anWidths[3] = {0, 0, 7};
    MeasureTabbedColumns(&c.dc, _T("ab\tlonger text\tzzzzzzzzzzzzzzzzzz"), 2, anWidths);
    MeasureTabbedColumns(&c.dc, _T("abcdef\tx"), 2, anWidths);
    EXPECT_EQ(c.dc.GetTextExtent(_T("abcdef")).cx, anWidths[0]);
    EXPECT_EQ(c.dc.GetTextExtent(_T("longer text")).cx, anWidths[1]);
    EXPECT_EQ(7, anWidths[2]);
    // A bitmap field counts with the bitmap's width.
    CSize size = GXGetDIBSize(GXGetDIBPool()->GetDIB(BitmapValue()));
    ASSERT_GT(size.cx, 0);
    int anBitmap[1] = {0};
    MeasureTabbedColumns(&c.dc, BitmapValue(), 1, anBitmap);
    EXPECT_EQ(size.cx, anBitmap[0]);
}

TEST(TabbedText, ALineIsDrawnIntoItsColumnsLeavingOutTheCopyOfTheShownField)
{
    LineCanvas c;
    c.Draw(_T("AAA\tBBB"), FALSE, 0);
    std::vector<COLORREF> plain = c.Pixels();
    EXPECT_EQ(RGB(255, 0, 0), c.dc.GetPixel(58, 10));
    EXPECT_EQ(RGB(255, 255, 255), c.dc.GetPixel(57, 10));
    EXPECT_GT(c.Ink(0, 58), 0);
    EXPECT_GT(c.Ink(60, 200), 0);

    c.Draw(_T("copy\tAAA\tBBB"), FALSE, 1);
    EXPECT_EQ(plain, c.Pixels());

    // One column: the first field over the whole line, no separator.
    c.Draw(_T("AAA\tBBB"), TRUE, 1);
    EXPECT_EQ(RGB(255, 255, 255), c.dc.GetPixel(58, 10));
    EXPECT_EQ(0, c.Ink(60, 200));
    EXPECT_GT(c.Ink(0, 58), 0);
}

TEST(TabbedText, BitmapFieldsRaiseTheLineHeight)
{
    CSize size = GXGetDIBSize(GXGetDIBPool()->GetDIB(BitmapValue()));
    ASSERT_GT(size.cy, 1);
    struct Case
    {
        CString strLine;
        BOOL bSingle;
        int nKeyCol;
        int nExpected;
    } cases[] = {
        {_T("text\tmore"), FALSE, 0, 1},
        {_T("text\t") + BitmapValue(), FALSE, 0, size.cy},
        {_T("text\t") + BitmapValue(), TRUE, 0, 1},        // not shown in one column
        {BitmapValue() + _T("\ttext"), FALSE, 1, 1},       // the skipped copy
        {_T("text\tmore\t") + BitmapValue(), FALSE, 0, 1}, // beyond the two columns
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE((LPCTSTR)c.strLine);
        int nHeight = 1;
        MaxTabbedBitmapHeight(c.strLine, nHeight, c.bSingle, c.nKeyCol, 2);
        EXPECT_EQ(c.nExpected, nHeight);
    }
}

TEST(TabbedLBoxHeader, BoxesEndAtTheColumnEdgesAndOnlyTitledColumnsGetOne)
{
    struct Case
    {
        LPCTSTR pszTitles;
        bool bThirdBox;
    } cases[] = {{_T("Key\tName\tCity\tZip"), true}, {_T("Key\tName\tCity"), false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszTitles);
        EnsureGridLibrary();
        CGXTabbedHeaderSettings settings;
        settings.m_nTextCol = 1;
        settings.m_nEdgeCount = 2;
        settings.m_anEdges = {50, 130};
        settings.m_strTitles = c.pszTitles;
        CGXTabbedLBoxHeader header(&settings);
        ASSERT_TRUE(header.CreateHeader());
        EXPECT_TRUE(header.GetExStyle() & WS_EX_TOOLWINDOW);
        header.SetWindowPos(&CWnd::wndTopMost, 100, 100, 250, 20, SWP_SHOWWINDOW | SWP_NOACTIVATE);
        header.UpdateWindow();
        PumpMessages(30);
        CClientDC dc(&header);
        COLORREF rgbShadow = ::GetSysColor(COLOR_BTNSHADOW), rgbLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
        COLORREF rgbFace = ::GetSysColor(COLOR_BTNFACE);
        EXPECT_EQ(rgbLight, dc.GetPixel(0, 10));
        EXPECT_EQ(rgbShadow, dc.GetPixel(48, 10));
        EXPECT_EQ(rgbLight, dc.GetPixel(50, 10));
        EXPECT_EQ(rgbShadow, dc.GetPixel(128, 10));
        EXPECT_EQ(c.bThirdBox ? rgbLight : rgbFace, dc.GetPixel(130, 10));
        EXPECT_EQ(c.bThirdBox ? rgbShadow : rgbFace, dc.GetPixel(249, 10));
        header.DestroyWindow();
    }
}
} // namespace
