// The custom toolbar's button list and command state: separators never first, last or side by
// side, buttons of other toolbars, command updates (disabled without a handler unless the
// button says otherwise, checks from update handlers), tool tips, the gripper's room, and a
// floating bar hidden at once while customising.
#include "ToolBarFrame.h"
#include "TestSupport.h"

using namespace testing_support;

namespace
{
const UINT kNoHandler = 9250;

// Checks the blue button from its update handler.
class CCheckingFrame : public CToolTestFrame
{
  public:
    int m_nCheck = 1;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nID == ID_TB_CYAN && nCode == (int)CN_UPDATE_COMMAND_UI && pHandlerInfo == NULL)
        {
            ((CCmdUI*)pExtra)->SetCheck(m_nCheck);
            return TRUE;
        }
        return CToolTestFrame::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};
} // namespace

TEST(ToolBarButtons, RemovingAButtonNeverLeavesASeparatorFirstLastOrBesideAnother)
{
    ToolBarFrame frame;
    SECCustomToolBar* pBar = frame.m_pFirst;
    const UINT ids[] = {ID_TB_RED, 0, ID_TB_GREEN, 0, ID_TB_BLUE, 0, ID_TB_CHECK};
    pBar->SetButtons(ids, 7);
    EXPECT_TRUE(pBar->RemoveButton(2));
    EXPECT_EQ((std::vector<UINT>{ID_TB_RED, 0, ID_TB_BLUE, 0, ID_TB_CHECK}), ButtonIDs(pBar));
    EXPECT_TRUE(pBar->RemoveButton(0));
    EXPECT_EQ((std::vector<UINT>{ID_TB_BLUE, 0, ID_TB_CHECK}), ButtonIDs(pBar));
    EXPECT_TRUE(pBar->RemoveButton(2));
    EXPECT_EQ((std::vector<UINT>{ID_TB_BLUE}), ButtonIDs(pBar));
    // Inserting clamps the index and keeps the selection on its button.
    pBar->SelectButton(0, FALSE);
    EXPECT_TRUE(pBar->InsertButton(-5, ID_TB_RED));
    EXPECT_TRUE(pBar->InsertButton(99, ID_TB_GREEN));
    EXPECT_EQ((std::vector<UINT>{ID_TB_RED, ID_TB_BLUE, ID_TB_GREEN}), ButtonIDs(pBar));
    EXPECT_EQ(1, pBar->GetSelectedButton());
    // A button object of another toolbar is not in this one.
    EXPECT_EQ(-1, pBar->IndexOfButton(frame.m_pSecond->GetButton(0)));
    EXPECT_EQ(2, pBar->IndexOfButton(pBar->GetButton(2)));
}

TEST(ToolBarButtons, CommandUpdatesDisableButtonsWithoutHandlerUnlessTheySayOtherwise)
{
    ToolBarFrame frame;
    SECCustomToolBar* pBar = frame.m_pFirst;
    const UINT ids[] = {kNoHandler, ID_TB_RED, kNoHandler};
    pBar->SetButtons(ids, 3);
    pBar->SetButtonStyle(2, pBar->GetButtonStyle(2) | SEC_TBBS_NODISABLE);
    frame.UpdateCommands();
    EXPECT_TRUE(pBar->GetButtonStyle(0) & TBBS_DISABLED);
    EXPECT_FALSE(pBar->GetButtonStyle(1) & TBBS_DISABLED);
    EXPECT_FALSE(pBar->GetButtonStyle(2) & TBBS_DISABLED);
}

TEST(ToolBarButtons, UpdateHandlersCheckAndClearButtons)
{
    ToolBarFrame frame;
    CCheckingFrame* pFrame = new CCheckingFrame;
    pFrame->Create(NULL, _T("Pruefen"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(60, 60, 500, 300));
    SECCustomToolBar* pBar = new SECCustomToolBar;
    pBar->SetManager(frame.m_pManager);
    ASSERT_TRUE(pBar->CreateEx(0, pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE812));
    pBar->m_bAutoDelete = TRUE;
    const UINT ids[] = {ID_TB_CYAN};
    pBar->SetButtons(ids, 1);
    pFrame->RecalcLayout();
    const struct
    {
        int nCheck;
        UINT nExpected;
    } cases[] = {{1, TBBS_CHECKED}, {2, TBBS_INDETERMINATE}, {0, 0}};
    for (const auto& c : cases)
    {
        pFrame->m_nCheck = c.nCheck;
        pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        EXPECT_EQ(c.nExpected | TBBS_CHECKBOX,
                  pBar->GetButtonStyle(0) & (TBBS_CHECKED | TBBS_INDETERMINATE | TBBS_CHECKBOX))
            << c.nCheck;
    }
    pFrame->DestroyWindow();
}

TEST(ToolBarButtons, ToolTipsNameTheButtonUnderThePoint)
{
    ToolBarFrame frame;
    SECCustomToolBar* pBar = frame.m_pFirst;
    const CRect green = frame.ButtonRect(pBar, 1);
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    EXPECT_EQ(INT_PTR(ID_TB_GREEN), pBar->OnToolHitTest(green.CenterPoint(), &ti));
    EXPECT_EQ(pBar->m_hWnd, ti.hwnd);
    EXPECT_EQ(UINT_PTR(ID_TB_GREEN), ti.uId);
    EXPECT_EQ(green, CRect(ti.rect));
    EXPECT_EQ(LPSTR_TEXTCALLBACK, ti.lpszText);
    EXPECT_EQ(-1, pBar->OnToolHitTest(frame.ButtonRect(pBar, 2).CenterPoint(), NULL)) << "separator";
    EXPECT_EQ(-1, pBar->OnToolHitTest(CPoint(-5, -5), NULL));
}

TEST(ToolBarButtons, AFlatDockedBarLeavesRoomForItsGripperAndAFloatingOneNone)
{
    ToolBarFrame flat(TRUE);
    // The toolbar's gripper: no lead, two lines of 3 with a gap of 1, a tail of 2.
    const int nFlatLeft = flat.ButtonRect(flat.m_pFirst, 0).left;
    CRect inside(0, 0, 0, 0);
    flat.m_pFirst->CalcInsideRect(inside, TRUE);
    EXPECT_EQ(9 + ((flat.m_pFirst->GetBarStyle() & CBRS_BORDER_LEFT) ? 1 : 0), inside.left)
        << "gripper and one pixel of a left border";
    EXPECT_EQ(inside.left, nFlatLeft);
    EXPECT_EQ(9, flat.m_pFirst->m_GripperInfo.GetWidth());
    // Floating, the same bar reserves nothing for it.
    flat.m_pFrame->FloatControlBar(flat.m_pFirst, CPoint(300, 300));
    flat.m_pFrame->RecalcLayout();
    PumpMessages(30);
    ASSERT_TRUE(flat.m_pFirst->IsFloating());
    CRect insideFloating(0, 0, 0, 0);
    flat.m_pFirst->CalcInsideRect(insideFloating, TRUE);
    EXPECT_LT(insideFloating.left, 9);
    EXPECT_EQ(insideFloating.left, flat.ButtonRect(flat.m_pFirst, 0).left);
}

TEST(ToolBarButtons, WhileCustomisingAFloatingBarHidesAtOnce)
{
    ToolBarFrame frame;
    SECCustomToolBar* pBar = frame.m_pSecond;
    frame.m_pFrame->FloatControlBar(pBar, CPoint(300, 300));
    PumpMessages(30);
    ASSERT_TRUE(pBar->IsFloating());
    frame.m_pManager->m_bConfig = TRUE;
    // A delayed hide would wait for the next idle layout; this one comes with the next messages.
    frame.m_pFrame->ShowControlBar(pBar, FALSE, TRUE);
    EXPECT_TRUE(PumpUntil([&] { return !pBar->IsWindowVisible(); }, 1000));
    EXPECT_FALSE(pBar->m_nStateFlags & CControlBar::delayHide);
    frame.m_pManager->m_bConfig = FALSE;
}
