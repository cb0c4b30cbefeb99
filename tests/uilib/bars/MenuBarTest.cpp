// The menu bar: buttons of several menus loaded once, each menu's buttons shown by its bit, and
// mnemonics found among the visible ones.
#include "BarsTestApp.h"
#include "ManagedFrame.h"
#include "TestSupport.h"
#include "uilib/bars/MenuBar.h"
#include "uilib/bars/TBMenuBtn.h"
#include "uilib/bars/ToolBarManager.h"
#include "uilib/frames/docking/FrameWnd.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
class MenuBarTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_pFrame = new SECFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Menüleiste"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     CRect(40, 40, 640, 440)));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_pBar = new SECMenuBar;
        ASSERT_TRUE(
            m_pBar->CreateEx(0, m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0xE81F, _T("Menü")));
        m_pBar->m_bAutoDelete = TRUE;
        m_pBar->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(m_pBar);
    }
    void TearDown() override
    {
        m_pFrame->DestroyWindow();
        PumpMessages(10);
    }
    // The texts of the visible buttons, in order.
    std::vector<CString> Visible() const
    {
        std::vector<CString> texts;
        for (int i = 0; i < m_pBar->GetBtnCount(); i++)
            if (!m_pBar->GetButton(i)->HasStyle(TBBS_HIDDEN))
                texts.push_back(static_cast<SECTBMenuBtn*>(m_pBar->GetButton(i))->m_strText);
        return texts;
    }

    SECFrameWnd* m_pFrame = nullptr;
    SECMenuBar* m_pBar = nullptr;
};

const std::vector<CString> kFileMenu = {_T("&Datei"), _T("&Ansicht"), _T("&Hilfe")};
const std::vector<CString> kColourMenu = {_T("&Farben")};
} // namespace

TEST_F(MenuBarTest, EveryTopLevelItemOfTheLoadedMenusBecomesAButtonWithItsMenusBit)
{
    ASSERT_TRUE(m_pBar->LoadMenus(4, IDM_TB_MENU, IDR_TB_MISSING, IDM_TB_MENU_CUT, IDM_BMP_MENU));
    struct
    {
        UINT nMenu;
        int nItem;
        const TCHAR* text;
        UINT nBit;
    } const buttons[] = {{IDM_TB_MENU, 0, _T("&Datei"), 1},
                         {IDM_TB_MENU, 1, _T("&Ansicht"), 1},
                         {IDM_TB_MENU, 2, _T("&Hilfe"), 1},
                         {IDM_BMP_MENU, 0, _T("&Farben"), 2}};
    ASSERT_EQ((int)_countof(buttons), m_pBar->GetBtnCount());
    for (int i = 0; i < (int)_countof(buttons); i++)
    {
        SCOPED_TRACE(i);
        SECTBMenuBtn* pBtn = static_cast<SECTBMenuBtn*>(m_pBar->GetButton(i));
        ASSERT_EQ(SECStdBtn::BtnMenu, pBtn->m_nType);
        EXPECT_EQ(0x80000001u + (UINT)i, pBtn->m_nID);
        EXPECT_EQ((UINT_PTR)buttons[i].nMenu, (UINT_PTR)pBtn->m_hMenu);
        EXPECT_EQ((UINT_PTR)buttons[i].nItem, pBtn->m_nMenuValue);
        EXPECT_EQ(CString(buttons[i].text), pBtn->m_strText);
        EXPECT_EQ((UINT_PTR)buttons[i].nBit, pBtn->m_nExtra);
    }
    EXPECT_EQ(1u, m_pBar->GetMenuBit(IDM_TB_MENU));
    EXPECT_EQ(2u, m_pBar->GetMenuBit(IDM_BMP_MENU));
    EXPECT_EQ(0u, m_pBar->GetMenuBit(IDR_TB_MISSING)) << "a missing menu takes no bit";
    EXPECT_EQ(0u, m_pBar->GetMenuBit(IDM_TB_MENU_CUT)) << "nor one cut short";
    EXPECT_EQ(4u, Visible().size()) << "all menus until one is chosen";
}

TEST_F(MenuBarTest, SwitchingTheMenuShowsOnlyItsButtonsAndAnUnknownMenuChangesNothing)
{
    ASSERT_TRUE(m_pBar->LoadMenus(2, IDM_TB_MENU, IDM_BMP_MENU));
    struct
    {
        UINT nMenu;
        BOOL bResult;
        std::vector<CString> visible;
    } const steps[] = {{IDM_BMP_MENU, TRUE, kColourMenu},
                       {IDM_TB_MENU, TRUE, kFileMenu},
                       {IDR_TB_MISSING, FALSE, kFileMenu},
                       {IDM_BMP_MENU, TRUE, kColourMenu}};
    for (const auto& step : steps)
    {
        SCOPED_TRACE(step.nMenu);
        EXPECT_EQ(step.bResult, m_pBar->SwitchMenu(step.nMenu));
        EXPECT_EQ(step.visible, Visible());
    }
    EXPECT_EQ((UINT)IDM_BMP_MENU, m_pBar->GetCurrentMenuID());
    EXPECT_EQ(2u, m_pBar->GetCurrentMenuBit());
    // A rebuild keeps the chosen menu.
    m_pBar->RebuildFromMenu(FALSE);
    EXPECT_EQ(4, m_pBar->GetBtnCount());
    EXPECT_EQ(kColourMenu, Visible());
}

TEST_F(MenuBarTest, HiddenButtonsTakeNoRoomOnTheBar)
{
    ASSERT_TRUE(m_pBar->LoadMenus(2, IDM_TB_MENU, IDM_BMP_MENU));
    m_pBar->SwitchMenu(IDM_TB_MENU);
    m_pBar->ShowMenuButtons(m_pBar->GetCurrentMenuBit(), TRUE);
    CRect rectHelp;
    m_pBar->GetItemRect(2, rectHelp);
    m_pBar->SwitchMenu(IDM_BMP_MENU);
    m_pBar->ShowMenuButtons(m_pBar->GetCurrentMenuBit(), TRUE);
    CRect rectColours;
    m_pBar->GetItemRect(3, rectColours);
    EXPECT_GT(rectHelp.left, rectColours.left) << "the colour menu's button moves to the front";
}

TEST_F(MenuBarTest, MnemonicsAreFoundAmongTheVisibleMenuButtonsInEitherCase)
{
    ASSERT_TRUE(m_pBar->LoadMenus(2, IDM_TB_MENU, IDM_BMP_MENU));
    m_pBar->SwitchMenu(IDM_TB_MENU);
    struct
    {
        UINT nMenu;
        TCHAR ch;
        int nIndex;
    } const cases[] = {{IDM_TB_MENU, 'a', 1},  {IDM_TB_MENU, 'H', 2},   {IDM_TB_MENU, 'f', -1},
                       {IDM_BMP_MENU, 'f', 3}, {IDM_BMP_MENU, 'd', -1}, {IDM_BMP_MENU, 'x', -1}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << (char)c.ch);
        m_pBar->SwitchMenu(c.nMenu);
        EXPECT_EQ(c.nIndex, m_pBar->FindMnemonic(c.ch));
    }
}

TEST_F(MenuBarTest, NoUsableMenuGivesNoButtons)
{
    EXPECT_FALSE(m_pBar->LoadMenus(2, IDR_TB_MISSING, IDM_TB_MENU_CUT));
    EXPECT_EQ(0, m_pBar->GetBtnCount());
    EXPECT_EQ(nullptr, m_pBar->GetMenuTable()->pfnCreate) << "an empty table";
}

TEST_F(MenuBarTest, TheButtonsUseTheSystemsMenuFont)
{
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = sizeof(ncm);
    ASSERT_TRUE(::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0));
    LOGFONT lf = {};
    ASSERT_TRUE(::GetObject(m_pBar->GetFont()->m_hObject, sizeof(lf), &lf));
    EXPECT_STREQ(ncm.lfMenuFont.lfFaceName, lf.lfFaceName);
    EXPECT_EQ(ncm.lfMenuFont.lfHeight, lf.lfHeight);
}

TEST(MenuBarRebuild, AManagedBarIsRebuiltFromTheManagersListOtherwiseFromItsMenus)
{
    ManagedFrame frame(ManagedFrame::s_twoBars, true);
    ASSERT_TRUE(frame.m_pManager->LoadMenuBarMenus(frame.m_pFrame, 1, IDM_TB_MENU));
    ASSERT_TRUE(frame.m_pManager->CreateDefaultToolBars());
    PumpMessages(30);
    SECMenuBar* pBar = frame.m_pMenuBar.get();
    ASSERT_NE(nullptr, pBar->m_hWnd);
    auto ids = [pBar] {
        std::vector<UINT> v;
        for (int i = 0; i < pBar->GetBtnCount(); i++)
            v.push_back(pBar->GetItemID(i));
        return v;
    };
    // The application's list for the bar: "&Hilfe" first, "&Ansicht" left out.
    const UINT kDefined[] = {0x80000003, 0x80000001};
    frame.m_pManager->SetMenuBarButtons(kDefined, 2);
    pBar->RemoveButton(0, FALSE);
    pBar->RebuildFromMenu(FALSE);
    EXPECT_EQ((std::vector<UINT>{0x80000003, 0x80000001}), ids());
    // Without a list on the manager every menu of the table comes back.
    frame.m_pManager->SetMenuBarButtons(NULL, 0);
    pBar->RebuildFromMenu(FALSE);
    EXPECT_EQ((std::vector<UINT>{0x80000001, 0x80000002, 0x80000003}), ids());
}
