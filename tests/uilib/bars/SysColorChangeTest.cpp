// Changed system colours: the system-colour bitmap loader maps its greys to the new button
// colours, and the custom and common-control toolbars reload their images when told of the change.
// The colours are set for each case and put back after it.
#include "ToolBarFrame.h"
#include "TestSupport.h"
#include "uilib/common/LoadSysColorBitmap.h"
#include "uilib/bars/ToolBar.h"
#include <algorithm>
#include <vector>

using namespace testing_support;
using tessaron::foundation::SECLoadSysColorBitmap;

namespace
{
const COLORREF kStripGrey = RGB(0xC0, 0xC0, 0xC0); // the test strips' background, mapped to the face
const COLORREF kRedRgb = RGB(0xFF, 0, 0);

// Four button colours unlike any default, set while the object lives.
class ChangedButtonColours
{
  public:
    static constexpr int kCount = 4;
    ChangedButtonColours()
    {
        for (int i = 0; i < kCount; i++)
            m_old[i] = ::GetSysColor(kElements[i]);
        const COLORREF changed[kCount] = {RGB(10, 20, 30), RGB(90, 40, 140), RGB(200, 180, 120),
                                          RGB(250, 230, 210)};
        m_bChanged = ::SetSysColors(kCount, kElements, changed) != FALSE;
        PumpMessages(50);
    }
    ~ChangedButtonColours()
    {
        ::SetSysColors(kCount, kElements, m_old);
        PumpMessages(50);
    }
    ChangedButtonColours(const ChangedButtonColours&) = delete;
    ChangedButtonColours& operator=(const ChangedButtonColours&) = delete;
    bool m_bChanged;

  private:
    static constexpr INT kElements[kCount] = {COLOR_BTNTEXT, COLOR_BTNSHADOW, COLOR_BTNFACE,
                                              COLOR_BTNHIGHLIGHT};
    COLORREF m_old[kCount];
};

COLORREF PixelOf(HBITMAP hbm, int x, int y)
{
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hbm);
    const COLORREF color = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return color;
}

COLORREF Sys(int nIndex)
{
    return ::GetSysColor(nIndex);
}
} // namespace

TEST(SysColorChange, LoadedBitmapsTakeTheNewButtonColours)
{
    ChangedButtonColours colours;
    ASSERT_TRUE(colours.m_bChanged);
    ASSERT_EQ(RGB(200, 180, 120), Sys(COLOR_BTNFACE));
    const struct
    {
        const char* name;
        UINT id;
        std::vector<COLORREF> pixels;
    } cases[] = {
        {"1 bit", IDB_GREY1, {Sys(COLOR_BTNTEXT), Sys(COLOR_BTNHIGHLIGHT)}},
        {"4 bits",
         IDB_GREY4,
         {Sys(COLOR_BTNTEXT), Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNFACE), Sys(COLOR_BTNHIGHLIGHT), kRedRgb}},
        {"8 bits",
         IDB_GREY8,
         {Sys(COLOR_BTNTEXT), Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNFACE), Sys(COLOR_BTNHIGHLIGHT), kRedRgb}},
        {"24 bits: unchanged",
         IDB_GREY24,
         {RGB(0, 0, 0), RGB(128, 128, 128), kStripGrey, RGB(255, 255, 255), kRedRgb}},
    };
    for (const auto& c : cases)
    {
        CBitmap bitmap;
        ASSERT_TRUE(SECLoadSysColorBitmap(bitmap, MAKEINTRESOURCE(c.id))) << c.name;
        for (size_t x = 0; x < c.pixels.size(); ++x)
            EXPECT_EQ(c.pixels[x], PixelOf((HBITMAP)bitmap.GetSafeHandle(), (int)x, 1))
                << c.name << " at " << x;
    }
}

TEST(SysColorChange, CustomToolBarsDrawTheirImagesOnTheNewFace)
{
    ToolBarFrame frame;
    SECCustomToolBar* pBar = frame.m_pFirst;
    // Floating, the second toolbar hears of the change through its own frame.
    SECCustomToolBar* pFloating = frame.m_pSecond;
    frame.m_pFrame->FloatControlBar(pFloating, CPoint(400, 400), CBRS_ALIGN_TOP);
    PumpMessages(50);
    ASSERT_TRUE(pFloating->IsFloating());
    const CRect red = frame.ButtonRect(pBar, 0);
    const CRect cyan = frame.ButtonRect(pFloating, 0);
    auto at = [](SECCustomToolBar* pToolBar, const CRect& button, int dx, int dy) {
        pToolBar->UpdateWindow();
        return ScreenPixel(pToolBar->m_hWnd, button.left + dx, button.top + dy);
    };
    // Raised button, image at (3, 3): (5, 5) is the image's own background.
    const COLORREF oldFace = Sys(COLOR_BTNFACE);
    ASSERT_EQ(oldFace, at(pBar, red, 3 + 2, 3 + 2));

    ChangedButtonColours colours;
    ASSERT_TRUE(colours.m_bChanged);
    const COLORREF face = Sys(COLOR_BTNFACE);
    pBar->Invalidate();
    pFloating->Invalidate();
    for (auto [pToolBar, button] : {std::pair{pBar, red}, std::pair{pFloating, cyan}})
    {
        EXPECT_EQ(face, at(pToolBar, button, 1, 1)) << "the button";
        EXPECT_EQ(face, at(pToolBar, button, 3 + 2, 3 + 2)) << "the image's background";
        EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), at(pToolBar, button, 0, 0));
        EXPECT_EQ(Sys(COLOR_BTNSHADOW), at(pToolBar, button, button.Width() - 2, button.Height() - 2));
    }
    EXPECT_EQ(kRedRgb, at(pBar, red, 3 + 3, 3 + 3)) << "the image's own colour stays";
}

TEST(SysColorChange, TheCommonControlToolBarReloadsItsBitmap)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(
        pFrame->Create(NULL, _T("Steuerelement"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(60, 60, 660, 460)));
    {
        SECToolBar bar;
        ASSERT_TRUE(bar.CreateEx(pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE820));
        ASSERT_TRUE(bar.LoadBitmap(MAKEINTRESOURCE(IDR_TB_FIRST)));
        const COLORREF oldFace = Sys(COLOR_BTNFACE);
        ASSERT_EQ(oldFace, PixelOf(bar.m_hbmImageWell, 1, 1));
        {
            ChangedButtonColours colours;
            ASSERT_TRUE(colours.m_bChanged);
            EXPECT_EQ(Sys(COLOR_BTNFACE), PixelOf(bar.m_hbmImageWell, 1, 1));
            EXPECT_EQ(kRedRgb, PixelOf(bar.m_hbmImageWell, 3 + 3, 3 + 3));
        }
        EXPECT_EQ(oldFace, PixelOf(bar.m_hbmImageWell, 1, 1)) << "and again when they are put back";
        // By name, from a buffer that does not outlive the call.
        {
            std::vector<TCHAR> name(_T("TOOLBARSTRIP"), _T("TOOLBARSTRIP") + 13);
            ASSERT_TRUE(bar.LoadBitmap(name.data()));
            std::fill(name.begin(), name.end() - 1, _T('X'));
        }
        ChangedButtonColours colours;
        ASSERT_TRUE(colours.m_bChanged);
        EXPECT_EQ(Sys(COLOR_BTNFACE), PixelOf(bar.m_hbmImageWell, 1, 1)) << "reloaded by its name";
        bar.DestroyWindow();
    }
    pFrame->DestroyWindow();
    PumpMessages(10);
}
