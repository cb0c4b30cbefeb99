// Mini frames keep their MFS_ styles and act on the sizing ones through the hit test; their borders
// are those CalcBorders computes.
#include "BarsTestApp.h"
#include "TestSupport.h"

namespace
{
TEST(MiniFrame, StylesActThroughTheHitTestAndCalcBordersMatchesTheFrame)
{
    struct
    {
        DWORD dwStyle;
        int nCorner; // what the top-left corner reports
        int nLeft;   // what the left border reports
    } cases[] = {
        {MFS_THICKFRAME, HTTOPLEFT, HTLEFT},
        {MFS_4THICKFRAME, HTLEFT, HTLEFT},
        {MFS_4THICKFRAME | MFS_MOVEFRAME, HTCAPTION, HTCAPTION},
        {MFS_THICKFRAME | MFS_BLOCKSYSMENU | MFS_SYNCACTIVE, HTTOPLEFT, HTLEFT},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.dwStyle);
        CMiniFrameWnd* pMini = new CMiniFrameWnd; // deletes itself with its window
        ASSERT_TRUE(pMini->Create(NULL, _T("Palette"),
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | c.dwStyle,
                                  CRect(300, 300, 460, 400), NULL));
        EXPECT_EQ(c.dwStyle, pMini->GetStyle() & c.dwStyle); // kept in the window style
        EXPECT_TRUE(pMini->GetStyle() & WS_THICKFRAME);
        CRect rectWindow, rectClient;
        pMini->GetWindowRect(&rectWindow);
        pMini->GetClientRect(&rectClient);
        pMini->ClientToScreen(&rectClient);
        auto hit = [&](int x, int y) { return (int)pMini->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
        EXPECT_EQ(c.nCorner, hit(rectWindow.left + 1, rectWindow.top + 1));
        EXPECT_EQ(c.nLeft, hit(rectWindow.left + 1, rectWindow.CenterPoint().y));
        EXPECT_EQ(HTCAPTION, hit(rectWindow.CenterPoint().x, (rectWindow.top + rectClient.top) / 2));
        // The frame around the client area is the one CalcBorders gives.
        CRect rect = rectClient;
        CMiniFrameWnd::CalcBorders(&rect, WS_THICKFRAME | WS_CAPTION);
        EXPECT_EQ(rectWindow, rect);
        pMini->DestroyWindow();
    }
}
} // namespace
