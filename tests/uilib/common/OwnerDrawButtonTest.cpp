// The owner-drawn button: stays owner-drawn, draws its frame for each state, embosses itself when
// disabled, and reports clicks from the real mouse and keyboard.
#include "CommonTestApp.h"
#include "TestSupport.h"
#include "uilib/common/OwnerDrawButton.h"

using namespace testing_support;
using tessaron::foundation::SECOwnerDrawButton;

namespace
{

// Counts its clicks; draws a black square as content when asked to.
class CCountingButton : public SECOwnerDrawButton
{
  public:
    void Clicked() override
    {
        ++m_nClicked;
    }
    void DrawContent(CDC* pDC, LPDRAWITEMSTRUCT, RECT*) override
    {
        if (m_bSquare)
            pDC->FillSolidRect(5, 5, 5, 5, RGB(0, 0, 0));
    }
    void SetOldLook()
    {
        m_bNewLook = FALSE;
    }
    int m_nClicked = 0;
    bool m_bSquare = false;
};

class CButtonsDialog : public CDialog
{
  public:
    CButtonsDialog()
    {
        Create(IDD_BUTTONS, NULL);
    }
};

// Draws the button for an item state into a 24-bit memory bitmap and reads its pixels.
class CDrawnItem
{
  public:
    CDrawnItem(SECOwnerDrawButton& button, UINT nState, int cx = 40, int cy = 20) : m_cx(cx), m_cy(cy)
    {
        HDC hScreen = ::GetDC(NULL);
        m_hDC = ::CreateCompatibleDC(hScreen);
        m_hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
        ::ReleaseDC(NULL, hScreen);
        m_hOld = ::SelectObject(m_hDC, m_hBitmap);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = nState;
        dis.hDC = m_hDC;
        dis.rcItem = RECT{0, 0, cx, cy};
        button.DrawItem(&dis);
    }
    ~CDrawnItem()
    {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }
    COLORREF At(int x, int y) const
    {
        return ::GetPixel(m_hDC, x < 0 ? m_cx + x : x, y < 0 ? m_cy + y : y);
    }
    bool Contains(COLORREF color) const
    {
        for (int y = 0; y < m_cy; y++)
            for (int x = 0; x < m_cx; x++)
                if (::GetPixel(m_hDC, x, y) == color)
                    return true;
        return false;
    }

  private:
    int m_cx, m_cy;
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

} // namespace

TEST(OwnerDrawButton, AttachedAndCreatedButtonsStayOwnerDrawn)
{
    CButtonsDialog dlg;
    ASSERT_NE(nullptr, dlg.m_hWnd);
    CCountingButton attached;
    ASSERT_TRUE(attached.AttachButton(IDC_PLAIN, &dlg, 0));
    EXPECT_EQ((DWORD)BS_OWNERDRAW, attached.GetStyle() & BS_TYPEMASK);
    // The dialog manager's default-button switching cannot take the owner draw away.
    attached.SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ((DWORD)BS_OWNERDRAW, attached.GetStyle() & BS_TYPEMASK);
    EXPECT_FALSE(CCountingButton().AttachButton(4711, &dlg, 0));

    CCountingButton created;
    ASSERT_TRUE(
        created.Create("Neu", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(150, 10, 200, 30), &dlg, 9200, 1));
    EXPECT_EQ((DWORD)BS_OWNERDRAW, created.GetStyle() & BS_TYPEMASK);
    EXPECT_EQ(1u, created.GetExtraFlags());

    // The frame drawn on the screen comes from our DrawItem: focused (the dialog's first control),
    // then without the focus.
    ASSERT_EQ(attached.m_hWnd, ::GetFocus());
    attached.Invalidate();
    attached.UpdateWindow();
    EXPECT_EQ(SECOwnerDrawButton::GetColors().frame, ScreenPixel(attached.m_hWnd, 0, 0));
    EXPECT_EQ(SECOwnerDrawButton::GetColors().highlight, ScreenPixel(attached.m_hWnd, 1, 1));
    dlg.GetDlgItem(IDC_SECOND)->SetFocus();
    attached.UpdateWindow();
    EXPECT_EQ(SECOwnerDrawButton::GetColors().highlight, ScreenPixel(attached.m_hWnd, 0, 0));
    dlg.DestroyWindow();
}

TEST(OwnerDrawButton, FrameFollowsTheItemStateAndTheLook)
{
    const auto& c = SECOwnerDrawButton::GetColors();
    ASSERT_NE(c.frame, c.shadow);
    ASSERT_NE(c.highlight, c.face);
    struct Case
    {
        const char* name;
        UINT state;
        bool flat, oldLook;
        POINT at;
        COLORREF expected;
    };
    const Case cases[] = {
        {"released: raised", 0, false, false, {0, 0}, c.highlight},
        {"released: dark outer edge", 0, false, false, {-1, -1}, c.frame},
        {"released: inner shadow", 0, false, false, {-2, -2}, c.shadow},
        {"focused: frame around", ODS_FOCUS, false, false, {0, 0}, c.frame},
        {"focused: raised inside the frame", ODS_FOCUS, false, false, {1, 1}, c.highlight},
        {"pressed: sunken", ODS_SELECTED, false, false, {0, 0}, c.frame},
        {"pressed: light outer bottom", ODS_SELECTED, false, false, {-1, -1}, c.highlight},
        {"pressed: inner shadow top", ODS_SELECTED, false, false, {1, 1}, c.shadow},
        {"flat: no frame", 0, true, false, {0, 0}, c.face},
        {"flat and focused: no focus frame", ODS_FOCUS, true, false, {0, 0}, c.face},
        {"old look: cut corner", 0, false, true, {0, 0}, c.face},
        {"old look: frame line", 0, false, true, {1, 0}, c.frame},
        {"old look: double raise", 0, false, true, {2, 2}, c.highlight},
        {"old look pressed: sunken", ODS_SELECTED, false, true, {1, 1}, c.shadow},
    };
    for (const Case& tc : cases)
    {
        CCountingButton button;
        button.SetFlat(tc.flat);
        if (tc.oldLook)
            button.SetOldLook();
        CDrawnItem drawn(button, tc.state);
        EXPECT_EQ(tc.expected, drawn.At(tc.at.x, tc.at.y)) << tc.name;
    }
}

TEST(OwnerDrawButton, DisabledDrawingIsEmbossed)
{
    const auto& c = SECOwnerDrawButton::GetColors();
    CCountingButton button;
    button.m_bSquare = true;
    CDrawnItem enabled(button, 0);
    EXPECT_EQ(RGB(0, 0, 0), enabled.At(5, 5));

    // The square at 5..9 turns into a shadow shape one pixel down-right with a highlight below it.
    CDrawnItem disabled(button, ODS_DISABLED);
    EXPECT_FALSE(disabled.Contains(RGB(0, 0, 0)));
    EXPECT_EQ(c.face, disabled.At(5, 5));
    EXPECT_EQ(c.shadow, disabled.At(6, 6));
    EXPECT_EQ(c.highlight, disabled.At(11, 11));
}

TEST(OwnerDrawButton, FocusedDefaultButtonAsksForTheDefaultCode)
{
    CButtonsDialog dlg;
    CCountingButton plain, second;
    ASSERT_TRUE(plain.AttachButton(IDC_PLAIN, &dlg, 1));
    ASSERT_TRUE(second.AttachButton(IDC_SECOND, &dlg, 0));
    second.SetFocus();
    EXPECT_EQ((LRESULT)DLGC_BUTTON, plain.SendMessage(WM_GETDLGCODE));
    plain.SetFocus();
    EXPECT_EQ((LRESULT)(DLGC_BUTTON | DLGC_DEFPUSHBUTTON), plain.SendMessage(WM_GETDLGCODE));
    second.SetFocus();
    EXPECT_EQ((LRESULT)DLGC_BUTTON, second.SendMessage(WM_GETDLGCODE));
    dlg.DestroyWindow();
}

TEST(OwnerDrawButton, RealClicksAndKeysCallClicked)
{
    CButtonsDialog dlg;
    CCountingButton button;
    ASSERT_TRUE(button.AttachButton(IDC_PLAIN, &dlg, 0));
    dlg.SetForegroundWindow();
    PumpMessages(50);

    ClickAt(CentreOf(button.m_hWnd));
    EXPECT_EQ(1, button.m_nClicked);

    // Pressed inside, released outside: no click.
    MoveMouseTo(CentreOf(button.m_hWnd));
    SendLeftButton(true);
    RECT rect;
    button.GetWindowRect(&rect);
    MoveMouseTo(POINT{rect.right + 30, rect.bottom + 30});
    SendLeftButton(false);
    EXPECT_EQ(1, button.m_nClicked);

    button.SetFocus();
    SendKey(VK_SPACE);
    EXPECT_EQ(2, button.m_nClicked);
    dlg.DestroyWindow();
}

TEST(OwnerDrawButton, FlatButtonRaisesUnderTheMouse)
{
    const auto& c = SECOwnerDrawButton::GetColors();
    CButtonsDialog dlg;
    CCountingButton button;
    ASSERT_TRUE(button.AttachButton(IDC_PLAIN, &dlg, 0));
    EXPECT_FALSE(button.SetDrawOption(TRUE));
    EXPECT_TRUE(button.IsFlat());
    RECT rect;
    button.GetWindowRect(&rect);
    MoveMouseTo(POINT{rect.right + 40, rect.top});
    button.UpdateWindow();
    EXPECT_EQ(c.face, ScreenPixel(button.m_hWnd, 0, 0));

    MoveMouseTo(CentreOf(button.m_hWnd));
    EXPECT_EQ(button.m_hWnd, ::GetCapture());
    EXPECT_EQ(c.highlight, ScreenPixel(button.m_hWnd, 0, 0));
    EXPECT_EQ(c.shadow, ScreenPixel(button.m_hWnd, rect.right - rect.left - 1, rect.bottom - rect.top - 1));

    MoveMouseTo(POINT{rect.right + 40, rect.top});
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(c.face, ScreenPixel(button.m_hWnd, 0, 0));
    dlg.DestroyWindow();
}
