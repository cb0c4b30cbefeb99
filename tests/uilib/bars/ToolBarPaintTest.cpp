// The custom toolbar's buttons at fixed pixels: raised, sunken, disabled emboss, checked dither,
// indeterminate, hot, selected, and large buttons with stretched images. Each image of the test
// strips is a block of its own colour at x 3..12, y 3..11 on the button face.
#include "ToolBarFrame.h"
#include "TestSupport.h"
#include "uilib/common/BmpMgr.h"

using namespace testing_support;

namespace
{
const int kRed = 0, kGreen = 1, kBlue = 3, kCheck = 4;
const COLORREF kRedRgb = RGB(0xFF, 0, 0);
const COLORREF kYellowRgb = RGB(0xFF, 0xFF, 0);

// A pixel of the bar relative to a button's top-left corner, as on the screen.
COLORREF At(SECCustomToolBar* pBar, const CRect& button, int dx, int dy)
{
    pBar->UpdateWindow();
    return ScreenPixel(pBar->m_hWnd, button.left + dx, button.top + dy);
}

// The dither of checked and indeterminate buttons: highlight where x + y (from the button's
// corner) is odd, face elsewhere.
COLORREF Dither(const SysColors& c, int dx, int dy)
{
    return (dx + dy) % 2 ? c.hilite : c.face;
}
} // namespace

TEST(ToolBarPainting, RaisedAndSunkenButtonsOfAToolBarThatIsNotFlat)
{
    ToolBarFrame frame;
    SysColors c;
    SECCustomToolBar* pBar = frame.m_pFirst;
    const CRect red = frame.ButtonRect(pBar, kRed);
    ASSERT_EQ(CSize(23, 22), red.Size());
    // Raised: highlight / window frame outside, face / shadow inside; the image at
    // ((23 - 16 - 1) / 2, (22 - 15) / 2) = (3, 3).
    EXPECT_EQ(c.hilite, At(pBar, red, 0, 0));
    EXPECT_EQ(c.frame, At(pBar, red, 22, 21));
    EXPECT_EQ(c.face, At(pBar, red, 1, 1));
    EXPECT_EQ(c.shadow, At(pBar, red, 21, 20));
    EXPECT_EQ(c.face, At(pBar, red, 3 + 2, 3 + 2));
    EXPECT_EQ(kRedRgb, At(pBar, red, 3 + 3, 3 + 3));
    EXPECT_EQ(kRedRgb, At(pBar, red, 3 + 12, 3 + 11));

    // Sunken while pressed: window frame / highlight, shadow / face, the image one pixel on.
    pBar->SetButtonStyle(kRed, pBar->GetButtonStyle(kRed) | TBBS_PRESSED);
    EXPECT_EQ(c.frame, At(pBar, red, 0, 0));
    EXPECT_EQ(c.hilite, At(pBar, red, 22, 21));
    EXPECT_EQ(c.shadow, At(pBar, red, 1, 1));
    EXPECT_EQ(c.face, At(pBar, red, 21, 20));
    EXPECT_EQ(c.face, At(pBar, red, 4 + 2, 4 + 2));
    EXPECT_EQ(kRedRgb, At(pBar, red, 4 + 3, 4 + 3));
    EXPECT_EQ(c.face, At(pBar, red, 3 + 3, 3 + 3)) << "the image moved";
}

TEST(ToolBarPainting, DisabledButtonsAreEmbossedInHighlightAndShadow)
{
    ToolBarFrame frame;
    SysColors c;
    SECCustomToolBar* pBar = frame.m_pFirst;
    ASSERT_TRUE(pBar->GetButtonStyle(kBlue) & TBBS_DISABLED);
    const CRect blue = frame.ButtonRect(pBar, kBlue);
    // The block (image x 3..12, y 3..11, at button 6..15, 6..14) in shadow, its copy one pixel
    // right and down in highlight.
    EXPECT_EQ(c.shadow, At(pBar, blue, 6, 6));
    EXPECT_EQ(c.shadow, At(pBar, blue, 15, 14));
    EXPECT_EQ(c.hilite, At(pBar, blue, 16, 10));
    EXPECT_EQ(c.hilite, At(pBar, blue, 10, 15));
    EXPECT_EQ(c.face, At(pBar, blue, 5, 10));
    EXPECT_EQ(c.hilite, At(pBar, blue, 0, 0)) << "raised frame";
}

TEST(ToolBarPainting, CheckedButtonsAreDitheredAroundTheirImage)
{
    ToolBarFrame frame;
    SysColors c;
    SECCustomToolBar* pBar = frame.m_pFirst;
    pBar->SetButtonStyle(kCheck, pBar->GetButtonStyle(kCheck) | TBBS_CHECKBOX | TBBS_CHECKED);
    const CRect check = frame.ButtonRect(pBar, kCheck);
    EXPECT_EQ(c.frame, At(pBar, check, 0, 0)) << "sunken";
    for (int dx = 2; dx < 6; dx++)
        for (int dy = 2; dy < 5; dy++)
            EXPECT_EQ(Dither(c, dx, dy), At(pBar, check, dx, dy)) << dx << "," << dy;
    EXPECT_EQ(kYellowRgb, At(pBar, check, 7, 7));
    EXPECT_EQ(kYellowRgb, At(pBar, check, 8, 8));
    EXPECT_EQ(Dither(c, 17, 9), At(pBar, check, 17, 9)) << "right of the image's block";
}

TEST(ToolBarPainting, IndeterminateButtonsShowTheirImageInShadowOnTheDither)
{
    ToolBarFrame frame;
    SysColors c;
    SECCustomToolBar* pBar = frame.m_pFirst;
    pBar->SetButtonStyle(kGreen, pBar->GetButtonStyle(kGreen) | TBBS_CHECKBOX | TBBS_INDETERMINATE);
    const CRect green = frame.ButtonRect(pBar, kGreen);
    EXPECT_EQ(c.hilite, At(pBar, green, 0, 0)) << "raised";
    EXPECT_EQ(c.shadow, At(pBar, green, 6, 6));
    EXPECT_EQ(c.shadow, At(pBar, green, 11, 11));
    EXPECT_EQ(Dither(c, 3, 2), At(pBar, green, 3, 2));
    EXPECT_EQ(Dither(c, 4, 2), At(pBar, green, 4, 2));
    EXPECT_EQ(Dither(c, 17, 10), At(pBar, green, 17, 10));
}

TEST(ToolBarPainting, FlatButtonsShowAFrameOnlyWhenHot)
{
    ToolBarFrame frame(TRUE);
    SysColors c;
    SECCustomToolBar* pBar = frame.m_pFirst;
    const CRect red = frame.ButtonRect(pBar, kRed);
    const CRect green = frame.ButtonRect(pBar, kGreen);
    MoveMouseTo(frame.ButtonCentre(pBar, kRed));
    ASSERT_TRUE(PumpUntil([&] { return pBar->GetHotButton() == kRed; }, 1000));
    EXPECT_EQ(c.hilite, At(pBar, red, 0, 0));
    EXPECT_EQ(c.shadow, At(pBar, red, 22, 21));
    EXPECT_EQ(kRedRgb, At(pBar, red, 6, 6)) << "the image stays in place";
    EXPECT_EQ(c.face, At(pBar, green, 0, 0));
    EXPECT_EQ(c.face, At(pBar, green, 22, 21));
}

TEST(ToolBarPainting, TheSelectedButtonGetsADragFrame)
{
    ToolBarFrame frame;
    SECCustomToolBar* pBar = frame.m_pFirst;
    const CRect red = frame.ButtonRect(pBar, kRed);
    // A frame of three pixels drawn through the halftone pattern: neighbours along the top
    // edge, alike before, differ afterwards; the image is untouched.
    ASSERT_EQ(At(pBar, red, 4, 0), At(pBar, red, 5, 0));
    pBar->SelectButton(kRed);
    EXPECT_TRUE(pBar->GetButtonStyle(kRed) & SEC_TBBS_SELECTED);
    for (int dy = 0; dy < 3; dy++)
        EXPECT_NE(At(pBar, red, 4, dy), At(pBar, red, 5, dy)) << dy;
    EXPECT_EQ(At(pBar, red, 7, 3), At(pBar, red, 8, 3)) << "inside the frame";
    EXPECT_EQ(kRedRgb, At(pBar, red, 6, 6));
    pBar->ClearSelection();
    EXPECT_EQ(At(pBar, red, 4, 0), At(pBar, red, 5, 0));
}

TEST(ToolBarPainting, LargeButtonsStretchTheSmallImages)
{
    ToolBarFrame frame;
    SysColors c;
    frame.m_pManager->GetBmpMgr()->SetSmallImages(FALSE);
    for (SECCustomToolBar* pBar : {frame.m_pFirst, frame.m_pSecond})
        pBar->SetButtonSize();
    frame.m_pFrame->RecalcLayout();
    SECCustomToolBar* pBar = frame.m_pFirst;
    const CRect red = frame.ButtonRect(pBar, kRed);
    ASSERT_EQ(CSize(29, 31), red.Size());
    HBITMAP hbm = NULL;
    int nImage = -1;
    ASSERT_TRUE(frame.m_pManager->GetBmpMgr()->GetImage(ID_TB_RED, hbm, nImage));
    BITMAP bitmap = {};
    ASSERT_TRUE(::GetObject(hbm, sizeof(bitmap), &bitmap));
    EXPECT_EQ(5 * 22, bitmap.bmWidth);
    EXPECT_EQ(24, bitmap.bmHeight);
    // The image at ((29 - 22 - 1) / 2, (31 - 24) / 2) = (3, 3); the block of x 3..12, y 3..11
    // stretched by 22/16 and 24/15 covers about x 4..17, y 5..18.
    EXPECT_EQ(c.face, At(pBar, red, 3 + 2, 3 + 2));
    EXPECT_EQ(kRedRgb, At(pBar, red, 3 + 5, 3 + 6));
    EXPECT_EQ(kRedRgb, At(pBar, red, 3 + 16, 3 + 17));
    EXPECT_EQ(c.face, At(pBar, red, 3 + 20, 3 + 21));
    EXPECT_EQ(c.hilite, At(pBar, red, 0, 0));
    EXPECT_EQ(c.frame, At(pBar, red, 28, 30));
    // Separators widen to (22 + 8) / 3.
    CRect sep = frame.ButtonRect(pBar, 2);
    EXPECT_EQ(10, sep.Width());
}
