// Colour wells: the well's colours, custom cell and keys; the well button dropping its popup with
// a real click, a cell chosen and the colour at the parent; the popup's closing rules and its
// placement at the screen's bottom.
#include "CommonTestApp.h"
#include "TestSupport.h"
#include "DataExchange.h"
#include "uilib/common/OtherButton.h"
#include "uilib/common/WellButton.h"
#include <vector>

using namespace testing_support;
using tessaron::foundation::SECColorWell;
using tessaron::foundation::SECPopupColorWell;
using tessaron::foundation::SECWellButton;

namespace
{

const UINT kWellId = 9300;

// A dialog that records the colour messages its children send.
class CWellDialog : public CDialog
{
  public:
    CWellDialog()
    {
        Create(IDD_BUTTONS, NULL);
    }
    struct Message
    {
        WPARAM id;
        COLORREF color;
    };
    std::vector<Message> m_messages;

  protected:
    LRESULT OnColorChanged(WPARAM wParam, LPARAM lParam)
    {
        m_messages.push_back(Message{wParam, (COLORREF)lParam});
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWellDialog, CDialog)
ON_MESSAGE(SECWM_COLORCHANGED, OnColorChanged)
END_MESSAGE_MAP()

// The screen point of a cell's centre in a well.
POINT CellCentre(SECColorWell& well, int nCol, int nRow)
{
    CRect cell = well.GetCellRect(nCol, nRow);
    POINT point = cell.CenterPoint();
    well.ClientToScreen(&point);
    return point;
}

class WellButtons : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, m_dlg.m_hWnd);
        ASSERT_TRUE(m_button.AttachButton(IDC_PLAIN, &m_dlg, 0));
        m_button.SetOtherButton(TRUE);
        m_button.SetUsePalette(TRUE);
        m_button.SetColor(RGB(255, 0, 0));
        m_dlg.SetForegroundWindow();
        PumpMessages(50);
    }
    void TearDown() override
    {
        if (m_button.GetPopup()->m_hWnd != NULL)
            m_button.GetPopup()->DestroyWindow();
        m_dlg.DestroyWindow();
    }
    SECPopupColorWell& Popup()
    {
        return *m_button.GetPopup();
    }
    void DropWithAClick(int dx = 0)
    {
        POINT at = CentreOf(m_button.m_hWnd);
        ClickAt(POINT{at.x + dx, at.y});
        ASSERT_TRUE(PumpUntil([&] { return Popup().IsShowing(); }, 2000));
    }

    CWellDialog m_dlg;
    SECWellButton m_button;
};

} // namespace

TEST_F(WellButtons, ClickDropsThePopupBelowAndAChosenCellReachesTheParent)
{
    DropWithAClick();
    CRect button, popup;
    m_button.GetWindowRect(&button);
    Popup().GetWindowRect(&popup);
    EXPECT_EQ(button.bottom, popup.top);
    EXPECT_EQ(button.left, popup.left);
    EXPECT_EQ(Popup().m_hWnd, ::GetCapture());
    EXPECT_EQ(RGB(255, 0, 0), Popup().GetColor()); // the button's colour is preselected
    ASSERT_NE(nullptr, Popup().GetOtherButton());

    // Passing over cells only shows them.
    MoveMouseTo(CellCentre(Popup(), 0, 0));
    MoveMouseTo(CellCentre(Popup(), 2, 1));
    EXPECT_TRUE(m_dlg.m_messages.empty());

    // A click on row 1, column 2 (0x808000 in the grid) chooses it.
    ClickAt(CellCentre(Popup(), 2, 1));
    EXPECT_FALSE(Popup().IsShowing());
    EXPECT_EQ(nullptr, Popup().m_hWnd);
    EXPECT_EQ((COLORREF)0x808000, m_button.GetColor());
    ASSERT_EQ(1u, m_dlg.m_messages.size());
    EXPECT_EQ((WPARAM)IDC_PLAIN, m_dlg.m_messages[0].id);
    EXPECT_EQ((COLORREF)0x808000, m_dlg.m_messages[0].color);
}

TEST_F(WellButtons, EscapeAndAClickOutsideCloseThePopupWithoutAColour)
{
    DropWithAClick();
    SendKey(VK_ESCAPE);
    EXPECT_FALSE(Popup().IsShowing());
    EXPECT_EQ(nullptr, ::GetCapture());

    // A second click soon after and near the last one would be a double click.
    PumpMessages(::GetDoubleClickTime() + 50);
    DropWithAClick(8);
    CRect dlg, popup;
    m_dlg.GetWindowRect(&dlg);
    Popup().GetWindowRect(&popup);
    ASSERT_LT(popup.right + 10, dlg.right - 10);
    ClickAt(POINT{dlg.right - 10, popup.top + 5}); // on the dialog, beside the popup
    EXPECT_FALSE(Popup().IsShowing());
    EXPECT_TRUE(m_dlg.m_messages.empty());
    EXPECT_EQ(RGB(255, 0, 0), m_button.GetColor());
}

TEST_F(WellButtons, ClickOnTheButtonWhileOpenKeepsThePopup)
{
    DropWithAClick();
    HWND hPopup = Popup().m_hWnd;
    ClickAt(CentreOf(m_button.m_hWnd));
    EXPECT_TRUE(Popup().IsShowing());
    EXPECT_EQ(hPopup, Popup().m_hWnd);
}

TEST_F(WellButtons, NearTheScreensBottomThePopupOpensAbove)
{
    int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    CRect dlg, button;
    m_dlg.GetWindowRect(&dlg);
    m_button.GetWindowRect(&button);
    // The button's bottom 20 pixels above the screen's.
    m_dlg.SetWindowPos(NULL, dlg.left, dlg.top + (cyScreen - 20 - button.bottom), 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER);
    PumpMessages(50);
    DropWithAClick();
    CRect popup;
    m_button.GetWindowRect(&button);
    Popup().GetWindowRect(&popup);
    EXPECT_EQ(button.top, popup.bottom);
    SendKey(VK_ESCAPE);
}

TEST_F(WellButtons, DisabledButtonDrawsNoSwatch)
{
    for (UINT state : {0u, (UINT)ODS_DISABLED})
    {
        HDC hScreen = ::GetDC(NULL);
        HDC hDC = ::CreateCompatibleDC(hScreen);
        HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 60, 22);
        ::ReleaseDC(NULL, hScreen);
        HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.itemState = state;
        dis.hDC = hDC;
        dis.rcItem = RECT{0, 0, 60, 22};
        m_button.DrawItem(&dis);
        bool bRed = false;
        for (int y = 0; y < 22; y++)
            for (int x = 0; x < 60; x++)
                bRed = bRed || ::GetPixel(hDC, x, y) == RGB(255, 0, 0);
        EXPECT_EQ(state == 0, bRed) << state;
        ::SelectObject(hDC, hOld);
        ::DeleteObject(hBitmap);
        ::DeleteDC(hDC);
    }
}

TEST_F(WellButtons, DataExchangeMovesTheColour)
{
    COLORREF color = RGB(1, 2, 3);
    CDataExchange load(&m_dlg, FALSE);
    tessaron::foundation::DDX_ColorWell(&load, m_button, color);
    EXPECT_EQ(RGB(1, 2, 3), m_button.GetColor());
    m_button.SetColor(RGB(9, 8, 7));
    CDataExchange save(&m_dlg, TRUE);
    tessaron::foundation::DDX_ColorWell(&save, m_button, color);
    EXPECT_EQ(RGB(9, 8, 7), color);
}

TEST(ColorWell, ColoursOutsideTheGridNeedTheOtherRow)
{
    CWellDialog dlg;
    SECColorWell plain, other;
    ASSERT_TRUE(plain.Create(WS_VISIBLE, 80, 10, &dlg, kWellId, TRUE, FALSE));
    ASSERT_TRUE(other.Create(WS_VISIBLE, 140, 10, &dlg, kWellId + 1, TRUE, TRUE));
    EXPECT_EQ(nullptr, plain.GetOtherButton());
    ASSERT_NE(nullptr, other.GetOtherButton());

    // Grid colours select their cell; the grid holds the system's 20 colours in order.
    plain.SetColor(0x0000FF);
    EXPECT_EQ(1, plain.GetSelectedColumn());
    EXPECT_EQ(3, plain.GetSelectedRow());
    plain.SetColor(RGB(1, 2, 3));
    EXPECT_EQ((COLORREF)0x0000FF, plain.GetColor());

    CRect before, after;
    other.GetOtherButton()->GetWindowRect(&before);
    other.SetColor(RGB(1, 2, 3));
    EXPECT_TRUE(other.IsCustomSet());
    EXPECT_EQ(RGB(1, 2, 3), other.GetColor());
    EXPECT_EQ(5, other.GetSelectedRow());
    other.GetOtherButton()->GetWindowRect(&after);
    int narrowed = before.Width() - after.Width();
    EXPECT_GT(narrowed, 0);
    other.SetColor(RGB(4, 5, 6));
    EXPECT_EQ(RGB(4, 5, 6), other.GetColor());
    other.GetOtherButton()->GetWindowRect(&after);
    EXPECT_EQ(narrowed, before.Width() - after.Width()); // only the first custom colour narrows

    // A click on a cell tells the parent.
    ClickAt(CellCentre(plain, 0, 4));
    ASSERT_FALSE(dlg.m_messages.empty());
    EXPECT_EQ((WPARAM)kWellId, dlg.m_messages.back().id);
    EXPECT_EQ((COLORREF)0xFF0000, dlg.m_messages.back().color);
    dlg.DestroyWindow();
}

TEST(ColorWell, ArrowKeysWrapThroughTheGridAndTheCustomCell)
{
    CWellDialog dlg;
    SECColorWell well;
    ASSERT_TRUE(well.Create(WS_VISIBLE | WS_TABSTOP, 80, 10, &dlg, kWellId, TRUE, TRUE));
    struct Step
    {
        UINT key;
        int col, row;
    };
    auto run = [&](const std::vector<Step>& steps, const char* name) {
        for (const Step& step : steps)
        {
            well.SendMessage(WM_KEYDOWN, step.key, 0);
            EXPECT_EQ(step.col, well.GetSelectedColumn()) << name << " key " << step.key;
            EXPECT_EQ(step.row, well.GetSelectedRow()) << name << " key " << step.key;
        }
    };
    run({{VK_LEFT, 3, 4},
         {VK_RIGHT, 0, 0},
         {VK_UP, 0, 4},
         {VK_DOWN, 0, 0},
         {VK_RIGHT, 1, 0},
         {VK_LEFT, 0, 0}},
        "without custom colour");
    well.SetColor(RGB(1, 2, 3)); // custom cell at column 3 below the grid
    run({{VK_RIGHT, 0, 0},
         {VK_LEFT, 3, 5},
         {VK_LEFT, 3, 4},
         {VK_RIGHT, 3, 5},
         {VK_UP, 3, 4},
         {VK_DOWN, 3, 5},
         {VK_DOWN, 3, 0},
         {VK_UP, 3, 5}},
        "with custom colour");
    EXPECT_EQ((LRESULT)(DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB), well.SendMessage(WM_GETDLGCODE));
    dlg.DestroyWindow();
}
