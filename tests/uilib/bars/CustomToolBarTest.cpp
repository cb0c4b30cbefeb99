// The custom toolbar under real input: clicks, releases outside, disabled and check buttons,
// drop-down buttons, the status prompt and hot tracking.
#include "ToolBarFrame.h"
#include "TestSupport.h"

using namespace testing_support;

namespace
{
// Button indexes of the first toolbar (red, green, separator, blue, check, drop-down).
const int kRed = 0, kGreen = 1, kBlue = 3, kCheck = 4, kDrop = 5;
// The check button on the second toolbar (cyan, separator, check, orange).
const int kSecondCheck = 2;

POINT Below(POINT point, int dy)
{
    return POINT{point.x, point.y + dy};
}
} // namespace

TEST(CustomToolBarPressing, AClickSendsTheCommandOnceAndAReleaseOutsideNone)
{
    ToolBarFrame frame;
    ClickAt(frame.ButtonCentre(frame.m_pFirst, kRed));
    PumpMessages(30);
    EXPECT_EQ(std::vector<UINT>{ID_TB_RED}, frame.m_pFrame->m_commands);

    frame.m_pFrame->m_commands.clear();
    MoveMouseTo(frame.ButtonCentre(frame.m_pFirst, kGreen));
    SendLeftButton(true);
    EXPECT_TRUE(frame.m_pFirst->GetButtonStyle(kGreen) & TBBS_PRESSED);
    MoveMouseTo(Below(frame.ButtonCentre(frame.m_pFirst, kGreen), 100));
    EXPECT_FALSE(frame.m_pFirst->GetButtonStyle(kGreen) & TBBS_PRESSED)
        << "the pressed look follows the cursor";
    SendLeftButton(false);
    PumpMessages(30);
    EXPECT_TRUE(frame.m_pFrame->m_commands.empty());
    EXPECT_FALSE(frame.m_pFirst->GetButtonStyle(kGreen) & TBBS_PRESSED);
}
