// A toolbar on the common control: its layout one row or one column, command states after the
// idle update, commands and prompts reaching the frame; images with the system's button colours.
#include "BarsTestApp.h"
#include "TestSupport.h"
#include "ToolBar.h"

using namespace testing_support;

namespace
{
const UINT kButtons[] = {ID_TOOL_HANDLED, 0, ID_TOOL_UNHANDLED, ID_TOOL_THIRD};

class ToolBarFrame : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_pFrame = new CDockTestFrame;
        ASSERT_TRUE(m_pFrame->CreateAt(CRect(60, 60, 560, 420)));
        // The message bar the flyby prompts go to.
        ASSERT_TRUE(m_status.Create(_T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10),
                                    m_pFrame, AFX_IDW_STATUS_BAR));
        ASSERT_TRUE(
            m_toolBar.CreateEx(m_pFrame, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY,
                               CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR));
        ASSERT_TRUE(m_toolBar.LoadBitmap(IDB_TEST_TOOLBAR));
        ASSERT_TRUE(m_toolBar.SetButtons(kButtons, 4));
        m_toolBar.SetWindowText(_T("Werkzeuge"));
        m_toolBar.EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(&m_toolBar);
        m_pFrame->RecalcLayout();
        PumpMessages(30);
    }
    void TearDown() override
    {
        if (::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
    }
    CRect ItemScreenRect(int nIndex)
    {
        CRect rect;
        m_toolBar.GetItemRect(nIndex, &rect);
        m_toolBar.ClientToScreen(&rect);
        return rect;
    }

    CDockTestFrame* m_pFrame = NULL;
    CWnd m_status;
    CToolBar m_toolBar;
};

TEST_F(ToolBarFrame, HorizontalIsOneRowAndVerticalDockIsOneColumn)
{
    EXPECT_EQ(4, m_toolBar.GetCount());
    EXPECT_EQ(ID_TOOL_UNHANDLED, m_toolBar.GetItemID(2));
    EXPECT_EQ((UINT)TBBS_SEPARATOR, m_toolBar.GetButtonStyle(1) & 0xFFFF);
    EXPECT_TRUE(m_toolBar.GetBarStyle() & CBRS_HIDE_INPLACE); // the frame's own toolbar id
    // Docked at the top: the three buttons side by side.
    CRect rect0 = ItemScreenRect(0), rect2 = ItemScreenRect(2), rect3 = ItemScreenRect(3);
    EXPECT_EQ(rect0.top, rect3.top);
    EXPECT_LT(rect0.right, rect2.left);
    EXPECT_EQ(rect2.right, rect3.left);
    CSize sizeHorz = m_toolBar.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
    EXPECT_GT(sizeHorz.cx, 3 * 23);
    EXPECT_LT(sizeHorz.cy, 2 * 22);

    // LM_VERTDOCK: one column, as wide as a button with the bar's borders.
    CSize sizeVert = m_toolBar.CalcDynamicLayout(-1, LM_VERTDOCK | LM_COMMIT);
    EXPECT_LT(sizeVert.cx, 2 * 23);
    EXPECT_GT(sizeVert.cy, 3 * 22);
    // Rows end at the separator and after the middle button.
    EXPECT_FALSE(m_toolBar.GetButtonStyle(0) & TBBS_WRAPPED);
    EXPECT_TRUE(m_toolBar.GetButtonStyle(1) & TBBS_WRAPPED);
    EXPECT_TRUE(m_toolBar.GetButtonStyle(2) & TBBS_WRAPPED);
    m_toolBar.SetWindowPos(NULL, 0, 0, sizeVert.cx, sizeVert.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages(20);
    rect0 = ItemScreenRect(0);
    rect2 = ItemScreenRect(2);
    rect3 = ItemScreenRect(3);
    EXPECT_EQ(rect0.left, rect2.left);
    EXPECT_EQ(rect2.left, rect3.left);
    EXPECT_LT(rect0.bottom, rect2.top);
    EXPECT_EQ(rect2.bottom, rect3.top);
}

TEST_F(ToolBarFrame, ACommandWithoutHandlerIsGreyedByTheIdleUpdate)
{
    EXPECT_TRUE(m_toolBar.SendMessage(TB_ISBUTTONENABLED, ID_TOOL_UNHANDLED));
    TheApp().OnIdle(0);
    EXPECT_TRUE(m_toolBar.SendMessage(TB_ISBUTTONENABLED, ID_TOOL_HANDLED));
    EXPECT_FALSE(m_toolBar.SendMessage(TB_ISBUTTONENABLED, ID_TOOL_UNHANDLED));
    EXPECT_TRUE(m_toolBar.GetButtonStyle(2) & TBBS_DISABLED);
    // An update without disabling leaves the state to the handlers.
    m_toolBar.OnUpdateCmdUI(m_pFrame, FALSE);
    EXPECT_FALSE(m_toolBar.SendMessage(TB_ISBUTTONENABLED, ID_TOOL_UNHANDLED));
}

TEST_F(ToolBarFrame, ButtonsReachTheFrameAndShowTheirPrompt)
{
    m_pFrame->m_handled.clear();
    CRect rect = ItemScreenRect(0);
    InputScript script;
    // From beside the bar onto the button: a move to where the cursor already is moves nothing.
    script.MoveTo(CPoint(rect.CenterPoint().x, rect.bottom + 40));
    script.MoveTo(rect.CenterPoint());
    script.WaitFor([&] {
        char text[64] = {};
        ::GetWindowTextA(m_status.m_hWnd, text, sizeof text);
        return strcmp(text, "Behandelt") == 0;
    });
    script.Button(MOUSEEVENTF_LEFTDOWN);
    script.Button(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(script.Run()) << "the prompt of the button under the cursor did not show";
    PumpUntil([&] { return !m_pFrame->m_handled.empty(); }, 2000);
    ASSERT_EQ(1u, m_pFrame->m_handled.size());
    EXPECT_EQ("frame:" + std::to_string(ID_TOOL_HANDLED), m_pFrame->m_handled[0]);

    // The tool tip's text request goes through the bar to the frame.
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = m_toolBar.m_hWnd;
    info.hdr.idFrom = ID_TOOL_UNHANDLED;
    info.hdr.code = TTN_NEEDTEXTA;
    m_toolBar.SendMessage(WM_NOTIFY, 0, (LPARAM)&info);
    EXPECT_STREQ("Ohne", info.szText);
    // A hit test finds the button, none beside the buttons.
    CPoint pt = rect.CenterPoint();
    m_toolBar.ScreenToClient(&pt);
    EXPECT_EQ((INT_PTR)ID_TOOL_HANDLED, m_toolBar.OnToolHitTest(pt, NULL));
    EXPECT_EQ(-1, m_toolBar.OnToolHitTest(CPoint(-3, pt.y), NULL));
}

TEST_F(ToolBarFrame, SizesAndBitmapsGoToTheControl)
{
    m_toolBar.SetSizes(CSize(30, 28), CSize(16, 15));
    DWORD dwSize = (DWORD)m_toolBar.SendMessage(TB_GETBUTTONSIZE);
    EXPECT_EQ(30, LOWORD(dwSize));
    EXPECT_EQ(28, HIWORD(dwSize));
    EXPECT_EQ(CSize(30, 28), m_toolBar.m_sizeButton);
    CSize size = m_toolBar.CalcFixedLayout(FALSE, TRUE);
    CRect inside(0, 0, 0, 0);
    m_toolBar.CalcInsideRect(inside, TRUE);
    EXPECT_EQ(3 * 30 + 6 - inside.Width(), size.cx); // three buttons and a flat separator
    EXPECT_EQ(28 - inside.Height(), size.cy);

    // A second bitmap replaces the first.
    HBITMAP hbm = ::CreateBitmap(48, 15, 1, 32, NULL);
    ASSERT_TRUE(m_toolBar.SetBitmap(hbm));
    EXPECT_EQ(hbm, m_toolBar.m_hbmImageWell);
    EXPECT_FALSE(m_toolBar.SetBitmap(NULL));
    EXPECT_EQ(hbm, m_toolBar.m_hbmImageWell);
}

TEST(SysColorBitmap, StandardColoursBecomeTheSystemsButtonColours)
{
    HINSTANCE hInst = ::GetModuleHandle(NULL);
    HRSRC hRsrc = ::FindResource(hInst, MAKEINTRESOURCE(IDB_TEST_TOOLBAR), RT_BITMAP);
    ASSERT_TRUE(hRsrc != NULL);
    HBITMAP hbm = AfxLoadSysColorBitmap(hInst, hRsrc);
    ASSERT_TRUE(hbm != NULL);
    BITMAP bm;
    ASSERT_TRUE(::GetObject(hbm, sizeof bm, &bm));
    EXPECT_EQ(48, bm.bmWidth);
    EXPECT_EQ(15, bm.bmHeight);
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hbm);
    // The image shows its colours in stripes three pixels wide: black, grey, light grey, white, red.
    struct
    {
        int x;
        COLORREF expected;
    } stripes[] = {{1, ::GetSysColor(COLOR_BTNTEXT)},
                   {4, ::GetSysColor(COLOR_BTNSHADOW)},
                   {7, ::GetSysColor(COLOR_BTNFACE)},
                   {10, ::GetSysColor(COLOR_BTNHIGHLIGHT)},
                   {13, RGB(0xFF, 0, 0)}};
    for (const auto& s : stripes)
        EXPECT_EQ(s.expected, ::GetPixel(hDC, s.x, 7)) << "x " << s.x;
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::DeleteObject(hbm);
    // Something that is not a bitmap of at most 256 colours gives none.
    HRSRC hDialog = ::FindResource(hInst, MAKEINTRESOURCE(IDD_TEST_MODAL), RT_DIALOG);
    ASSERT_TRUE(hDialog != NULL);
    EXPECT_TRUE(AfxLoadSysColorBitmap(hInst, hDialog) == NULL);
}
} // namespace
