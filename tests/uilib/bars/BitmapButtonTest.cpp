// The system-colour bitmap loader and the bitmap button: greys follow the system colours in
// palette bitmaps only, broken resources are refused, and the button lays out and draws its image.
#include "BarsTestApp.h"
#include "TestSupport.h"
#include "uilib/bars/BitmapButton.h"
#include "uilib/bars/LoadSysColorBitmap.h"

using tessaron::foundation::SECBitmapButton;
using tessaron::foundation::SECLoadSysColorBitmap;

namespace
{
// The pixels of a bitmap, read through a memory DC.
COLORREF PixelOf(CBitmap& bitmap, int x, int y)
{
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, bitmap.GetSafeHandle());
    COLORREF color = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return color;
}

COLORREF Sys(int nIndex)
{
    return ::GetSysColor(nIndex);
}

TEST(SysColorBitmap, GreysFollowTheSystemColoursInPaletteBitmapsOnly)
{
    const COLORREF red = RGB(255, 0, 0);
    const std::vector<COLORREF> mapped = {Sys(COLOR_BTNTEXT), Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNFACE),
                                          Sys(COLOR_BTNHIGHLIGHT), red};
    const struct
    {
        const char* name;
        UINT id;
        std::vector<COLORREF> pixels;
    } cases[] = {
        {"1 bit", IDB_GREY1, {Sys(COLOR_BTNTEXT), Sys(COLOR_BTNHIGHLIGHT)}},
        {"4 bits", IDB_GREY4, mapped},
        {"4 bits, five colours in the table", IDB_GREY4_SHORT, mapped},
        {"8 bits", IDB_GREY8, mapped},
        {"24 bits: unchanged",
         IDB_GREY24,
         {RGB(0, 0, 0), RGB(128, 128, 128), RGB(192, 192, 192), RGB(255, 255, 255), red}},
    };
    for (const auto& c : cases)
    {
        CBitmap bitmap;
        ASSERT_TRUE(SECLoadSysColorBitmap(bitmap, MAKEINTRESOURCE(c.id))) << c.name;
        BITMAP bm = {};
        bitmap.GetBitmap(&bm);
        EXPECT_EQ((int)c.pixels.size(), bm.bmWidth) << c.name;
        EXPECT_EQ(2, bm.bmHeight) << c.name;
        for (size_t x = 0; x < c.pixels.size(); ++x)
            for (int y = 0; y < 2; ++y)
                EXPECT_EQ(c.pixels[x], PixelOf(bitmap, (int)x, y)) << c.name << " at " << x << "," << y;
    }
}

TEST(SysColorBitmap, MissingOrBrokenResourcesAreRefused)
{
    CBitmap bitmap;
    ASSERT_TRUE(SECLoadSysColorBitmap(bitmap, MAKEINTRESOURCE(IDB_GREY4)));
    HGDIOBJ hHeld = bitmap.GetSafeHandle();
    for (UINT id : {(UINT)IDB_MISSING, (UINT)IDB_TRUNCATED})
    {
        EXPECT_FALSE(SECLoadSysColorBitmap(bitmap, MAKEINTRESOURCE(id))) << id;
        EXPECT_EQ(hHeld, bitmap.GetSafeHandle()) << "the held bitmap stays";
    }
}

class CButtonsHost : public CDialog
{
  public:
    CButtonsHost()
    {
        Create(IDD_BUTTONS, NULL);
    }
};

// Draws the button for an item state into a memory bitmap of the button's size.
COLORREF DrawnPixel(SECBitmapButton& button, UINT nState, int x, int y)
{
    CRect client;
    button.GetClientRect(&client);
    HDC hScreen = ::GetDC(NULL);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, client.Width(), client.Height());
    ::ReleaseDC(NULL, hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = nState;
    dis.hDC = hDC;
    dis.hwndItem = button.m_hWnd;
    dis.rcItem = client;
    button.DrawItem(&dis);
    COLORREF color = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);
    return color;
}

TEST(BitmapButton, MissingBitmapFailsToAttachOrCreate)
{
    CButtonsHost dlg;
    SECBitmapButton attached;
    EXPECT_FALSE(attached.Attach(IDC_PLAIN, SECBitmapButton::imageOnly, IDB_MISSING, &dlg));
    EXPECT_EQ(nullptr, attached.m_hWnd) << "nothing subclassed";
    SECBitmapButton created;
    EXPECT_FALSE(created.Create("X", WS_CHILD, SECBitmapButton::imageLeft, IDB_MISSING, CRect(0, 0, 60, 20),
                                &dlg, 9201));
    EXPECT_EQ(nullptr, created.m_hWnd);
    EXPECT_TRUE(attached.Attach(IDC_PLAIN, SECBitmapButton::imageOnly, IDB_GREY4, &dlg));
    EXPECT_EQ((DWORD)BS_OWNERDRAW, attached.GetStyle() & BS_TYPEMASK);
    dlg.DestroyWindow();
}

TEST(BitmapButton, LayoutByPlacement)
{
    CButtonsHost dlg;
    // a 60 x 20 client, reduced to 57 x 17; the image is 5 x 2
    const struct
    {
        UINT placement;
        CRect image;
        CRect text;
    } cases[] = {
        {SECBitmapButton::imageLeft, CRect(5, 7, 10, 9), CRect(11, 0, 57, 17)},
        {SECBitmapButton::imageRight, CRect(47, 7, 52, 9), CRect(0, 0, 46, 17)},
        {SECBitmapButton::imageAbove, CRect(26, 5, 31, 7), CRect(0, 8, 57, 17)},
        {SECBitmapButton::imageBelow, CRect(26, 10, 31, 12), CRect(0, 0, 57, 9)},
        {SECBitmapButton::imageOnly, CRect(26, 7, 31, 9), CRect(0, 0, 0, 0)},
    };
    for (const auto& c : cases)
    {
        SECBitmapButton button;
        ASSERT_TRUE(button.Create("Text", WS_CHILD | WS_VISIBLE, c.placement, IDB_GREY4,
                                  CRect(100, 10, 160, 30), &dlg, 9202));
        EXPECT_EQ(c.image, button.GetImageRect()) << "placement " << c.placement;
        EXPECT_EQ(c.text, button.GetTextRect()) << "placement " << c.placement;
        button.DestroyWindow();
    }
    // margins move the image; the layout follows the size
    SECBitmapButton button;
    ASSERT_TRUE(button.Create("Text", WS_CHILD | WS_VISIBLE, SECBitmapButton::imageLeft, IDB_GREY4,
                              CRect(100, 10, 160, 30), &dlg, 9203));
    button.SetMargins(2, 3);
    EXPECT_EQ(CSize(2, 3), button.GetMargins());
    EXPECT_EQ(CRect(2, 7, 7, 9), button.GetImageRect());
    button.SetWindowPos(NULL, 0, 0, 60, 40, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(CRect(2, 17, 7, 19), button.GetImageRect());
    dlg.DestroyWindow();
}

TEST(BitmapButton, DrawsItsImageAtTheInteriorsOrigin)
{
    CButtonsHost dlg;
    SECBitmapButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, SECBitmapButton::imageOnly, IDB_GREY4,
                              CRect(100, 10, 160, 30), &dlg, 9204));
    const COLORREF red = RGB(255, 0, 0);
    // The image rectangle starts at (26, 7); the interior inside the raised frame at (2, 2), and
    // pressed at (3, 3). The red column is the image's fifth.
    EXPECT_EQ(red, DrawnPixel(button, 0, 26 + 2 + 4, 7 + 2));
    EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), DrawnPixel(button, 0, 26 + 2 + 3, 7 + 2));
    EXPECT_NE(red, DrawnPixel(button, ODS_SELECTED, 26 + 2 + 4, 7 + 2));
    EXPECT_EQ(red, DrawnPixel(button, ODS_SELECTED, 26 + 3 + 4, 7 + 3));
    dlg.DestroyWindow();
}

TEST(BitmapButton, SizeToContentAndSetBitmap)
{
    CButtonsHost dlg;
    SECBitmapButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, SECBitmapButton::imageOnly, IDB_GREY4,
                              CRect(100, 10, 160, 30), &dlg, 9205));
    button.SizeToContent();
    CRect window;
    button.GetWindowRect(&window);
    EXPECT_EQ(CSize(5 + 2 * 5 + 3, 2 + 2 * 5 + 3), window.Size());
    // a caption beside the image: its width adds, the taller of the two counts
    SECBitmapButton text;
    ASSERT_TRUE(text.Create("Weiter", WS_CHILD | WS_VISIBLE, SECBitmapButton::imageLeft, IDB_GREY4,
                            CRect(100, 40, 160, 60), &dlg, 9206));
    text.SizeToContent();
    CClientDC dc(&text);
    CFont* pOld = dc.SelectObject(
        text.GetFont() ? text.GetFont() : CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    CSize extent = dc.GetTextExtent("Weiter");
    dc.SelectObject(pOld);
    text.GetWindowRect(&window);
    EXPECT_EQ(extent.cx + 5 + 5 + 10 + 3, window.Width());
    EXPECT_EQ(std::max<int>(extent.cy, 2) + 10 + 3, window.Height());

    EXPECT_FALSE(button.SetBitmap(IDB_MISSING));
    BITMAP bm = {};
    ASSERT_TRUE(button.GetBitmap().GetBitmap(&bm));
    EXPECT_EQ(5, bm.bmWidth) << "the previous bitmap stays";
    EXPECT_TRUE(button.SetBitmap(IDB_GREY1));
    ASSERT_TRUE(button.GetBitmap().GetBitmap(&bm));
    EXPECT_EQ(2, bm.bmWidth);
    dlg.DestroyWindow();
}
} // namespace
