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

TEST(CustomToolBarPressing, ADisabledCommandIsNotSentAndItsPressDragsTheBar)
{
    ToolBarFrame frame;
    ASSERT_TRUE(frame.m_pFirst->GetButtonStyle(kBlue) & TBBS_DISABLED) << "disabled by its update handler";
    EXPECT_FALSE(frame.m_pFirst->GetButtonStyle(kRed) & TBBS_DISABLED);
    ASSERT_FALSE(frame.m_pFirst->IsFloating());
    // Dragged down over the view: the bar floats.
    POINT from = frame.ButtonCentre(frame.m_pFirst, kBlue);
    EXPECT_TRUE(DragWithInput(from, Below(from, 150)));
    EXPECT_TRUE(frame.m_pFrame->m_commands.empty());
    EXPECT_TRUE(frame.m_pFirst->IsFloating());
}

TEST(CustomToolBarPressing, ACheckButtonToggledOnOneToolBarShowsCheckedOnTheOther)
{
    ToolBarFrame frame;
    ASSERT_EQ(UINT(ID_TB_CHECK), frame.m_pSecond->GetItemID(kSecondCheck));
    frame.m_pFirst->SetButtonStyle(kCheck, frame.m_pFirst->GetButtonStyle(kCheck) | TBBS_CHECKBOX);
    frame.m_pSecond->SetButtonStyle(kSecondCheck,
                                    frame.m_pSecond->GetButtonStyle(kSecondCheck) | TBBS_CHECKBOX);
    ClickAt(frame.ButtonCentre(frame.m_pFirst, kCheck));
    EXPECT_EQ(std::vector<UINT>{ID_TB_CHECK}, frame.m_pFrame->m_commands);
    EXPECT_TRUE(frame.m_pFirst->GetButtonStyle(kCheck) & TBBS_CHECKED);
    EXPECT_TRUE(frame.m_pSecond->GetButtonStyle(kSecondCheck) & TBBS_CHECKED);
    // Back from the other toolbar.
    ClickAt(frame.ButtonCentre(frame.m_pSecond, kSecondCheck));
    EXPECT_FALSE(frame.m_pFirst->GetButtonStyle(kCheck) & TBBS_CHECKED);
    EXPECT_FALSE(frame.m_pSecond->GetButtonStyle(kSecondCheck) & TBBS_CHECKED);
    EXPECT_EQ(2u, frame.m_pFrame->m_commands.size());
}

TEST(CustomToolBarPressing, ADropDownButtonNotifiesItsIndexAndSendsNoCommand)
{
    ToolBarFrame frame;
    frame.m_pFirst->SetButtonStyle(kDrop, frame.m_pFirst->GetButtonStyle(kDrop) | TBBS_DROPDOWN);
    ClickAt(frame.ButtonCentre(frame.m_pFirst, kDrop));
    ASSERT_EQ(1u, frame.m_pFrame->m_dropDowns.size());
    EXPECT_EQ((int)TBN_DROPDOWN, frame.m_pFrame->m_dropDowns[0].nCode);
    EXPECT_EQ(ID_TB_DROP, frame.m_pFrame->m_dropDowns[0].nItem);
    EXPECT_EQ(kDrop, frame.m_pFrame->m_dropDowns[0].nIndex);
    EXPECT_EQ(UINT_PTR(0xE810), frame.m_pFrame->m_dropDowns[0].nFrom);
    EXPECT_TRUE(frame.m_pFrame->m_commands.empty());
    EXPECT_FALSE(frame.m_pFirst->GetButtonStyle(kDrop) & TBBS_PRESSED);
}

TEST(CustomToolBarPressing, PaneZeroShowsTheHeldButtonsPromptThenTheIdleText)
{
    ToolBarFrame frame;
    CString strIdle;
    strIdle.LoadString(AFX_IDS_IDLEMESSAGE);
    MoveMouseTo(frame.ButtonCentre(frame.m_pFirst, kRed));
    SendLeftButton(true);
    EXPECT_EQ(CString(_T("Roter Knopf")), frame.PaneText());
    SendLeftButton(false);
    PumpMessages(30);
    EXPECT_EQ(std::vector<UINT>{ID_TB_RED}, frame.m_pFrame->m_commands);
    EXPECT_EQ(strIdle, frame.m_pFrame->m_paneTexts.at(0)) << "idle text before the command";
    EXPECT_EQ(strIdle, frame.PaneText());
}

TEST(CustomToolBarHotTracking, TheHotButtonFollowsTheCursorAndTheTimerStopsOutside)
{
    ToolBarFrame frame(TRUE);
    ASSERT_TRUE(frame.m_pFirst->IsFlat());
    MoveMouseTo(frame.ButtonCentre(frame.m_pFirst, kRed));
    ASSERT_TRUE(PumpUntil([&] { return frame.m_pFirst->GetHotButton() == kRed; }, 1000));
    EXPECT_TRUE(frame.m_pFirst->GetButtonStyle(kRed) & SEC_TBBS_HOT);
    EXPECT_TRUE(frame.m_pFirst->IsHotTimerRunning());
    MoveMouseTo(frame.ButtonCentre(frame.m_pFirst, kGreen));
    EXPECT_TRUE(PumpUntil([&] { return frame.m_pFirst->GetHotButton() == kGreen; }, 1000));
    EXPECT_FALSE(frame.m_pFirst->GetButtonStyle(kRed) & SEC_TBBS_HOT);
    // Out over the view: the timer notices and stops.
    MoveMouseTo(Below(frame.ButtonCentre(frame.m_pFirst, kGreen), 150));
    EXPECT_TRUE(PumpUntil([&] { return !frame.m_pFirst->IsHotTimerRunning(); }, 1000));
    EXPECT_EQ(-1, frame.m_pFirst->GetHotButton());
    EXPECT_FALSE(frame.m_pFirst->GetButtonStyle(kGreen) & SEC_TBBS_HOT);
}
