// Dragging buttons with real input while customising: onto another toolbar (moved, or copied
// with Ctrl), nudged within their place (separators), onto nothing (removed, or a copy becomes
// a floating user toolbar); an emptied user toolbar goes only after the handler that emptied it,
// and without a free user-toolbar id a copy dropped on nothing makes nothing and loses nothing.
#include "ToolBarFrame.h"
#include "TestSupport.h"
#include "mfc/MiniDockFrameWnd.h"

using namespace testing_support;

namespace
{
const int kRed = 0, kGreen = 1;
const UINT RED = ID_TB_RED, GREEN = ID_TB_GREEN, BLUE = ID_TB_BLUE, CHECK = ID_TB_CHECK, DROP = ID_TB_DROP,
           CYAN = ID_TB_CYAN, ORANGE = ID_TB_ORANGE;

// A frame whose toolbars are being customised.
class Customising : public ToolBarFrame
{
  public:
    Customising()
    {
        m_pManager->SetToolBarCustomise(TRUE);
    }
    POINT ViewCentre() const
    {
        CRect rect;
        m_view.GetWindowRect(&rect);
        return rect.CenterPoint();
    }
};

POINT Offset(POINT point, int dx, int dy)
{
    return POINT{point.x + dx, point.y + dy};
}
} // namespace

TEST(ToolBarDragging, AButtonDroppedOnAnotherToolBarMovesThereAndWithCtrlIsCopied)
{
    Customising frame;
    ASSERT_TRUE(frame.m_pFirst->IsCustomise());
    ASSERT_TRUE(
        DragWithInput(frame.ButtonCentre(frame.m_pFirst, kRed), frame.ButtonCentre(frame.m_pSecond, 0)));
    EXPECT_EQ((std::vector<UINT>{CYAN, RED, 0, CHECK, ORANGE}), ButtonIDs(frame.m_pSecond));
    EXPECT_EQ((std::vector<UINT>{GREEN, 0, BLUE, CHECK, DROP}), ButtonIDs(frame.m_pFirst));
    EXPECT_EQ(1, frame.m_pSecond->GetSelectedButton());
    EXPECT_EQ(-1, frame.m_pFirst->GetSelectedButton());
    EXPECT_EQ(frame.m_pSecond, frame.m_pManager->GetSelectedToolBar());
    EXPECT_TRUE(frame.m_pFrame->m_commands.empty());

    // With Ctrl the source keeps its button.
    ASSERT_TRUE(
        DragWithInput(frame.ButtonCentre(frame.m_pFirst, 0), frame.ButtonCentre(frame.m_pSecond, 3), true));
    EXPECT_EQ((std::vector<UINT>{CYAN, RED, 0, CHECK, GREEN, ORANGE}), ButtonIDs(frame.m_pSecond));
    EXPECT_EQ((std::vector<UINT>{GREEN, 0, BLUE, CHECK, DROP}), ButtonIDs(frame.m_pFirst));
}

TEST(ToolBarDragging, NudgesInsertAndRemoveSeparators)
{
    Customising frame;
    SECCustomToolBar* pBar = frame.m_pFirst;
    const POINT green = frame.ButtonCentre(pBar, kGreen);
    // Right by 3: a separator before it.
    ASSERT_TRUE(DragWithInput(green, Offset(green, 3, 0)));
    EXPECT_EQ((std::vector<UINT>{RED, 0, GREEN, 0, BLUE, CHECK, DROP}), ButtonIDs(pBar));
    // Left by 3: that separator goes again.
    const POINT moved = frame.ButtonCentre(pBar, 2);
    ASSERT_TRUE(DragWithInput(moved, Offset(moved, -3, 0)));
    EXPECT_EQ((std::vector<UINT>{RED, GREEN, 0, BLUE, CHECK, DROP}), ButtonIDs(pBar));
    // Left again: no separator before it, and one follows already: nothing changes.
    ASSERT_TRUE(DragWithInput(green, Offset(green, -3, 0)));
    EXPECT_EQ((std::vector<UINT>{RED, GREEN, 0, BLUE, CHECK, DROP}), ButtonIDs(pBar));
    // The first button nudged left gets a separator after it.
    const POINT red = frame.ButtonCentre(pBar, kRed);
    ASSERT_TRUE(DragWithInput(red, Offset(red, -3, 0)));
    EXPECT_EQ((std::vector<UINT>{RED, 0, GREEN, 0, BLUE, CHECK, DROP}), ButtonIDs(pBar));
    // One pixel changes nothing.
    const POINT last = frame.ButtonCentre(pBar, 2);
    ASSERT_TRUE(DragWithInput(last, Offset(last, 1, 0)));
    EXPECT_EQ((std::vector<UINT>{RED, 0, GREEN, 0, BLUE, CHECK, DROP}), ButtonIDs(pBar));
}

TEST(ToolBarDragging, DroppedOnNothingAMoveRemovesAndACopyFloatsAsANewUserToolBar)
{
    Customising frame;
    const POINT drop = frame.ViewCentre();
    ASSERT_TRUE(DragWithInput(frame.ButtonCentre(frame.m_pFirst, kRed), drop, true));
    EXPECT_EQ((std::vector<UINT>{RED, GREEN, 0, BLUE, CHECK, DROP}), ButtonIDs(frame.m_pFirst));
    SECCustomToolBar* pNew = frame.m_pManager->FindBar(SEC_IDW_FIRST_USER_TOOLBAR);
    ASSERT_NE(nullptr, pNew);
    CString title;
    pNew->GetWindowText(title);
    EXPECT_EQ(CString(_T("Symbolleiste1")), title);
    EXPECT_EQ((std::vector<UINT>{RED}), ButtonIDs(pNew));
    EXPECT_TRUE(pNew->IsFloating());
    // Its buttons' client origin at the dropped rectangle's corner (the button was held at
    // its centre).
    const CRect red = frame.ButtonRect(frame.m_pFirst, kRed);
    CPoint origin(0, 0);
    pNew->ClientToScreen(&origin);
    EXPECT_NEAR(drop.x - red.Width() / 2, origin.x, 1);
    EXPECT_NEAR(drop.y - red.Height() / 2, origin.y, 1);

    // Without Ctrl the button just goes.
    ASSERT_TRUE(DragWithInput(frame.ButtonCentre(frame.m_pFirst, kGreen), drop));
    EXPECT_EQ((std::vector<UINT>{RED, 0, BLUE, CHECK, DROP}), ButtonIDs(frame.m_pFirst));
}

TEST(ToolBarDragging, AUserToolBarEmptiedByItsOwnHandlerGoesAfterwards)
{
    Customising frame;
    SECCustomToolBar* pUser = frame.m_pManager->CreateUserToolBar(_T("Eigene"));
    ASSERT_NE(nullptr, pUser);
    const UINT ids[] = {ORANGE};
    pUser->SetButtons(ids, 1);
    frame.m_pFrame->FloatControlBar(pUser, frame.ViewCentre(), CBRS_ALIGN_TOP);
    PumpMessages(50);
    const HWND hWnd = pUser->m_hWnd;
    CFrameWnd* pMiniFrame = pUser->GetParentFrame();
    ASSERT_TRUE(pMiniFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
    const HWND hWndMini = pMiniFrame->m_hWnd;
    // Its last button dragged onto the first toolbar: the drag handler of the user toolbar
    // empties it; the window is still there when the handler returns and goes afterwards.
    ASSERT_TRUE(DragWithInput(frame.ButtonCentre(pUser, 0), frame.ButtonCentre(frame.m_pFirst, 0)));
    EXPECT_EQ((std::vector<UINT>{RED, ORANGE, GREEN, 0, BLUE, CHECK, DROP}), ButtonIDs(frame.m_pFirst));
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hWnd); }, 2000));
    EXPECT_FALSE(::IsWindow(hWndMini)) << "its floating frame went with it";
    EXPECT_EQ(nullptr, frame.m_pManager->FindBar(SEC_IDW_FIRST_USER_TOOLBAR));
}

TEST(ToolBarDragging, RemovingTheLastButtonOfAUserToolBarDestroysItOnlyAfterTheCall)
{
    Customising frame;
    SECCustomToolBar* pUser = frame.m_pManager->CreateUserToolBar(NULL);
    ASSERT_NE(nullptr, pUser);
    const UINT ids[] = {ORANGE, 0, CYAN};
    pUser->SetButtons(ids, 3);
    frame.m_pFrame->DockControlBar(pUser);
    EXPECT_TRUE(pUser->RemoveButton(0));
    EXPECT_EQ((std::vector<UINT>{CYAN}), ButtonIDs(pUser)) << "a separator never stays first";
    const HWND hWnd = pUser->m_hWnd;
    EXPECT_FALSE(pUser->RemoveButton(0));
    EXPECT_TRUE(::IsWindow(hWnd)) << "still there for the caller";
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hWnd); }, 2000));
    // A default toolbar stays, one button size.
    frame.m_pFirst->SetButtons(ids, 1);
    EXPECT_FALSE(frame.m_pFirst->RemoveButton(0));
    PumpMessages(50);
    EXPECT_TRUE(::IsWindow(frame.m_pFirst->m_hWnd));
    EXPECT_EQ(0, frame.m_pFirst->GetBtnCount());
}

TEST(ToolBarDragging, WithoutAFreeUserToolBarIdACopyOnNothingMakesNothing)
{
    Customising frame;
    std::vector<SECCustomToolBar*> bars;
    for (SECCustomToolBar* pBar; (pBar = frame.m_pManager->CreateUserToolBar(NULL)) != NULL;)
    {
        pBar->ShowWindow(SW_HIDE);
        bars.push_back(pBar);
    }
    EXPECT_EQ(224u, bars.size()) << "ids 59424 to 59647";
    const std::vector<UINT> before = ButtonIDs(frame.m_pFirst);
    ASSERT_TRUE(DragWithInput(frame.ButtonCentre(frame.m_pFirst, kRed), frame.ViewCentre(), true));
    EXPECT_EQ(before, ButtonIDs(frame.m_pFirst));
    EXPECT_EQ(nullptr, frame.m_pManager->CreateUserToolBar(NULL));
    for (SECCustomToolBar* pBar : bars)
        EXPECT_EQ(0, pBar->GetBtnCount());
}
