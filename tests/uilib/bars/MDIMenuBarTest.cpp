// The MDI menu bar: a maximised child's system-menu icon first and its caption buttons last,
// shown only while the child is maximised, acting on the child.
#include "BarsTestApp.h"
#include "TestSupport.h"
#include "uilib/bars/CustomToolBarInfoEx.h"
#include "uilib/bars/MDIMenuBar.h"
#include "uilib/frames/docking/ControlBarInfo.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
class MDIMenuBarTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_pFrame = new CMDIFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("MDI-Menüleiste"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     CRect(40, 40, 640, 480)));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_pBar = new SECMDIMenuBar;
        ASSERT_TRUE(
            m_pBar->CreateEx(0, m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0xE81F, _T("Menü")));
        m_pBar->m_bAutoDelete = TRUE;
        m_pBar->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(m_pBar);
        ASSERT_TRUE(m_pBar->LoadMenus(1, IDM_TB_MENU));
    }
    void TearDown() override
    {
        m_pFrame->DestroyWindow();
        PumpMessages(10);
    }
    CMDIChildWnd* NewChild(DWORD dwStyle)
    {
        CMDIChildWnd* pChild = new CMDIChildWnd;
        EXPECT_TRUE(pChild->Create(NULL, _T("Kind"), WS_CHILD | WS_VISIBLE | dwStyle, CFrameWnd::rectDefault,
                                   m_pFrame));
        PumpMessages(20);
        return pChild;
    }
    BOOL OwnShown() const
    {
        return !m_pBar->GetCaptionButtons().HasStyle(TBBS_HIDDEN) &&
               !m_pBar->GetSysMenuButton().HasStyle(TBBS_HIDDEN);
    }

    CMDIFrameWnd* m_pFrame = nullptr;
    SECMDIMenuBar* m_pBar = nullptr;
};
} // namespace

TEST_F(MDIMenuBarTest, TheExtraButtonsStandFirstAndLastAndShowOnlyWhileTheChildIsMaximised)
{
    ASSERT_EQ(5, m_pBar->GetBtnCount());
    EXPECT_EQ(&m_pBar->GetSysMenuButton(), m_pBar->GetButton(0));
    EXPECT_EQ(&m_pBar->GetCaptionButtons(), m_pBar->GetButton(4));
    EXPECT_EQ(0x80000000u, m_pBar->GetButton(0)->m_nID);
    EXPECT_FALSE(OwnShown()) << "no child";

    CMDIChildWnd* pChild = NewChild(WS_OVERLAPPEDWINDOW);
    EXPECT_FALSE(m_pBar->UpdateCaptionButtons(FALSE)) << "not maximised";
    EXPECT_FALSE(OwnShown());
    m_pFrame->MDIMaximize(pChild);
    EXPECT_TRUE(m_pBar->UpdateCaptionButtons(FALSE));
    EXPECT_TRUE(OwnShown());
    EXPECT_EQ((DWORD)(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              m_pBar->GetCaptionButtons().m_dwStyleMask);
    EXPECT_FALSE(m_pBar->UpdateCaptionButtons(FALSE)) << "nothing changed";
    m_pFrame->MDIRestore(pChild);
    EXPECT_TRUE(m_pBar->UpdateCaptionButtons(FALSE));
    EXPECT_FALSE(OwnShown());

    // Loading the menus again keeps exactly one of each, at their places.
    m_pFrame->MDIMaximize(pChild);
    ASSERT_TRUE(m_pBar->LoadMenus(2, IDM_TB_MENU, IDM_BMP_MENU));
    ASSERT_EQ(6, m_pBar->GetBtnCount());
    EXPECT_EQ(&m_pBar->GetSysMenuButton(), m_pBar->GetButton(0));
    EXPECT_EQ(&m_pBar->GetCaptionButtons(), m_pBar->GetButton(5));
    EXPECT_TRUE(OwnShown());
}

TEST_F(MDIMenuBarTest, WithoutAMinimiseBoxOnlyTheClosePartActsAndItClosesTheChild)
{
    CMDIChildWnd* pChild = NewChild(WS_SYSMENU | WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX);
    HWND hChild = pChild->m_hWnd;
    m_pFrame->MDIMaximize(pChild);
    ASSERT_TRUE(m_pBar->UpdateCaptionButtons(FALSE));
    m_pFrame->RecalcLayout();
    PumpMessages(20);
    SECBtnCaption& caption = m_pBar->GetCaptionButtons();
    EXPECT_EQ((DWORD)(WS_SYSMENU | WS_MAXIMIZEBOX), caption.m_dwStyleMask);
    const int y = caption.m_y + caption.m_cyPart / 2;
    struct
    {
        int x;
        int nPart;
    } const parts[] = {{caption.m_x + caption.m_cxPart / 2, SECBtnCaption::partNone},
                       {caption.m_x + caption.m_cxPart * 3 / 2, SECBtnCaption::partNone},
                       {caption.m_x + caption.m_cxPart * 5 / 2 + 2, SECBtnCaption::partClose},
                       {caption.m_x - 5, SECBtnCaption::partNone}};
    for (const auto& p : parts)
        EXPECT_EQ(p.nPart, caption.HitPart(p.x, y)) << p.x;

    // A press and release on the minimise part does nothing; on the close part it closes.
    caption.OnLButtonDown(CPoint(parts[0].x, y));
    caption.OnLButtonUp(CPoint(parts[0].x, y));
    PumpMessages(30);
    ASSERT_TRUE(::IsWindow(hChild));
    caption.OnLButtonDown(CPoint(parts[2].x, y));
    EXPECT_EQ(SECBtnCaption::partClose, caption.m_nPressed);
    caption.OnLButtonUp(CPoint(parts[2].x, y));
    PumpUntil([&] { return !::IsWindow(hChild); }, 1000);
    EXPECT_FALSE(::IsWindow(hChild));
    EXPECT_TRUE(m_pBar->UpdateCaptionButtons(FALSE));
    EXPECT_FALSE(OwnShown());
}

TEST_F(MDIMenuBarTest, TheOwnButtonsAreNeverSavedAndComeBackAfterARestore)
{
    CMDIChildWnd* pChild = NewChild(WS_OVERLAPPEDWINDOW);
    m_pFrame->MDIMaximize(pChild);
    m_pBar->UpdateCaptionButtons(FALSE);
    ASSERT_TRUE(OwnShown());
    SECControlBarInfo info;
    m_pBar->GetBarInfoExtra(&info);
    SECCustomToolBarInfoEx* pEx = dynamic_cast<SECCustomToolBarInfoEx*>(info.m_pInfoEx);
    ASSERT_NE(nullptr, pEx);
    std::vector<UINT> saved;
    for (INT_PTR i = 0; i < pEx->m_btnInfo.GetSize(); ++i)
        saved.push_back(pEx->m_btnInfo.GetInfo(i)->m_nID);
    EXPECT_EQ((std::vector<UINT>{0x80000001, 0x80000002, 0x80000003}), saved);
    ASSERT_EQ(5, m_pBar->GetBtnCount()) << "both are back on the bar";
    EXPECT_EQ(&m_pBar->GetSysMenuButton(), m_pBar->GetButton(0));
    EXPECT_EQ(&m_pBar->GetCaptionButtons(), m_pBar->GetButton(4));

    // A list of two restored: the own buttons again at their places, still shown.
    pEx->m_btnInfo.RemoveAllInfo();
    pEx->m_btnInfo.Add(new SECBtnInfo(0x80000003));
    pEx->m_btnInfo.Add(new SECBtnInfo(0x80000001));
    m_pBar->SetBarInfoExtra(&info, m_pFrame);
    ASSERT_EQ(4, m_pBar->GetBtnCount());
    EXPECT_EQ(&m_pBar->GetSysMenuButton(), m_pBar->GetButton(0));
    EXPECT_EQ(0x80000003u, m_pBar->GetItemID(1));
    EXPECT_EQ(0x80000001u, m_pBar->GetItemID(2));
    EXPECT_EQ(&m_pBar->GetCaptionButtons(), m_pBar->GetButton(3));
    EXPECT_TRUE(OwnShown());
}

TEST_F(MDIMenuBarTest, AButtonDroppedBeforeTheIconOrAfterTheCaptionButtonsLandsBetweenThem)
{
    CMDIChildWnd* pChild = NewChild(WS_OVERLAPPEDWINDOW);
    m_pFrame->MDIMaximize(pChild);
    m_pBar->UpdateCaptionButtons(FALSE);
    m_pFrame->RecalcLayout();
    PumpMessages(20);
    ASSERT_TRUE(OwnShown());
    // A rectangle wholly above the bar puts the button first, one wholly below it last.
    struct
    {
        const char* label;
        UINT nMoved;
        int nAbove;    // 1 above, -1 below
        int nExpected; // where the moved button ends up
    } const cases[] = {
        {"dropped above", 0x80000002, 1, 1},
        {"dropped below", 0x80000001, -1, -2},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.label);
        int nSource = -1;
        for (int i = 0; i < m_pBar->GetBtnCount(); i++)
            if (m_pBar->GetItemID(i) == c.nMoved)
                nSource = i;
        ASSERT_GE(nSource, 0);
        CRect rcBar;
        m_pBar->GetWindowRect(&rcBar);
        const CRect rcDrop =
            c.nAbove > 0 ? CRect(rcBar.left + 4, rcBar.top - 40, rcBar.left + 30, rcBar.top - 20)
                         : CRect(rcBar.left + 4, rcBar.bottom + 20, rcBar.left + 30, rcBar.bottom + 40);
        EXPECT_TRUE(m_pBar->DropButton(rcDrop, m_pBar->GetButton(nSource), FALSE));
        const int nCount = m_pBar->GetBtnCount();
        EXPECT_EQ(&m_pBar->GetSysMenuButton(), m_pBar->GetButton(0)) << "the icon stays first";
        EXPECT_EQ(&m_pBar->GetCaptionButtons(), m_pBar->GetButton(nCount - 1))
            << "the caption buttons stay last";
        const int nAt = c.nExpected > 0 ? c.nExpected : nCount + c.nExpected;
        EXPECT_EQ(c.nMoved, m_pBar->GetItemID(nAt));
        EXPECT_EQ(nAt, m_pBar->GetSelectedButton()) << "the dropped button is the selected one";
        int nFound = 0;
        for (int i = 0; i < nCount; i++)
            nFound += m_pBar->GetItemID(i) == c.nMoved ? 1 : 0;
        EXPECT_EQ(1, nFound) << "moved, not copied";
    }
}
