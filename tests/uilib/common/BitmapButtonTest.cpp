// The system-colour bitmap loader and the bitmap button: greys follow the system colours in
// palette bitmaps only, broken resources are refused, and the button lays out and draws its image.
#include "CommonTestApp.h"
#include "TestSupport.h"
#include "uilib/common/BitmapButton.h"
#include "uilib/common/LoadSysColorBitmap.h"
#include "uilib/common/MenuButton.h"
#include "BarsIds.h"

using tessaron::foundation::SECBitmapButton;
using tessaron::foundation::SECLoadSysColorBitmap;
using tessaron::foundation::SECMenuButton;
using namespace testing_support;

namespace
{
// The pixels of a bitmap, read through a memory DC.
COLORREF PixelOf(CBitmap& bitmap, int x, int y)
{
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, bitmap.GetSafeHandle());
    COLORREF color = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return color;
}

COLORREF Sys(int nIndex)
{
    return ::GetSysColor(nIndex);
}

TEST(SysColorBitmap, GreysFollowTheSystemColoursInPaletteBitmapsOnly)
{
    const COLORREF red = RGB(255, 0, 0);
    const std::vector<COLORREF> mapped = {Sys(COLOR_BTNTEXT), Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNFACE),
                                          Sys(COLOR_BTNHIGHLIGHT), red};
    const struct
    {
        const char* name;
        UINT id;
        std::vector<COLORREF> pixels;
    } cases[] = {
        {"1 bit", IDB_GREY1, {Sys(COLOR_BTNTEXT), Sys(COLOR_BTNHIGHLIGHT)}},
        {"4 bits", IDB_GREY4, mapped},
        {"4 bits, five colours in the table", IDB_GREY4_SHORT, mapped},
        {"8 bits", IDB_GREY8, mapped},
        {"24 bits: unchanged",
         IDB_GREY24,
         {RGB(0, 0, 0), RGB(128, 128, 128), RGB(192, 192, 192), RGB(255, 255, 255), red}},
    };
    for (const auto& c : cases)
    {
        CBitmap bitmap;
        ASSERT_TRUE(SECLoadSysColorBitmap(bitmap, MAKEINTRESOURCE(c.id))) << c.name;
        BITMAP bm = {};
        bitmap.GetBitmap(&bm);
        EXPECT_EQ((int)c.pixels.size(), bm.bmWidth) << c.name;
        EXPECT_EQ(2, bm.bmHeight) << c.name;
        for (size_t x = 0; x < c.pixels.size(); ++x)
            for (int y = 0; y < 2; ++y)
                EXPECT_EQ(c.pixels[x], PixelOf(bitmap, (int)x, y)) << c.name << " at " << x << "," << y;
    }
}

TEST(SysColorBitmap, MissingOrBrokenResourcesAreRefused)
{
    CBitmap bitmap;
    ASSERT_TRUE(SECLoadSysColorBitmap(bitmap, MAKEINTRESOURCE(IDB_GREY4)));
    HGDIOBJ hHeld = bitmap.GetSafeHandle();
    for (UINT id : {(UINT)IDB_MISSING, (UINT)IDB_TRUNCATED})
    {
        EXPECT_FALSE(SECLoadSysColorBitmap(bitmap, MAKEINTRESOURCE(id))) << id;
        EXPECT_EQ(hHeld, bitmap.GetSafeHandle()) << "the held bitmap stays";
    }
}

class CButtonsHost : public CDialog
{
  public:
    CButtonsHost()
    {
        Create(IDD_BUTTONS, NULL);
    }
};

// Draws the button for an item state into a memory bitmap of the button's size.
COLORREF DrawnPixel(SECBitmapButton& button, UINT nState, int x, int y)
{
    CRect client;
    button.GetClientRect(&client);
    HDC hScreen = ::GetDC(NULL);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, client.Width(), client.Height());
    ::ReleaseDC(NULL, hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = nState;
    dis.hDC = hDC;
    dis.hwndItem = button.m_hWnd;
    dis.rcItem = client;
    button.DrawItem(&dis);
    COLORREF color = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);
    return color;
}

TEST(BitmapButton, MissingBitmapFailsToAttachOrCreate)
{
    CButtonsHost dlg;
    SECBitmapButton attached;
    EXPECT_FALSE(attached.Attach(IDC_PLAIN, SECBitmapButton::imageOnly, IDB_MISSING, &dlg));
    EXPECT_EQ(nullptr, attached.m_hWnd) << "nothing subclassed";
    SECBitmapButton created;
    EXPECT_FALSE(created.Create("X", WS_CHILD, SECBitmapButton::imageLeft, IDB_MISSING, CRect(0, 0, 60, 20),
                                &dlg, 9201));
    EXPECT_EQ(nullptr, created.m_hWnd);
    EXPECT_TRUE(attached.Attach(IDC_PLAIN, SECBitmapButton::imageOnly, IDB_GREY4, &dlg));
    EXPECT_EQ((DWORD)BS_OWNERDRAW, attached.GetStyle() & BS_TYPEMASK);
    dlg.DestroyWindow();
}

TEST(BitmapButton, LayoutByPlacement)
{
    CButtonsHost dlg;
    // a 60 x 20 client, reduced to 57 x 17; the image is 5 x 2
    const struct
    {
        UINT placement;
        CRect image;
        CRect text;
    } cases[] = {
        {SECBitmapButton::imageLeft, CRect(5, 7, 10, 9), CRect(11, 0, 57, 17)},
        {SECBitmapButton::imageRight, CRect(47, 7, 52, 9), CRect(0, 0, 46, 17)},
        {SECBitmapButton::imageAbove, CRect(26, 5, 31, 7), CRect(0, 8, 57, 17)},
        {SECBitmapButton::imageBelow, CRect(26, 10, 31, 12), CRect(0, 0, 57, 9)},
        {SECBitmapButton::imageOnly, CRect(26, 7, 31, 9), CRect(0, 0, 0, 0)},
    };
    for (const auto& c : cases)
    {
        SECBitmapButton button;
        ASSERT_TRUE(button.Create("Text", WS_CHILD | WS_VISIBLE, c.placement, IDB_GREY4,
                                  CRect(100, 10, 160, 30), &dlg, 9202));
        EXPECT_EQ(c.image, button.GetImageRect()) << "placement " << c.placement;
        EXPECT_EQ(c.text, button.GetTextRect()) << "placement " << c.placement;
        button.DestroyWindow();
    }
    // margins move the image; the layout follows the size
    SECBitmapButton button;
    ASSERT_TRUE(button.Create("Text", WS_CHILD | WS_VISIBLE, SECBitmapButton::imageLeft, IDB_GREY4,
                              CRect(100, 10, 160, 30), &dlg, 9203));
    button.SetMargins(2, 3);
    EXPECT_EQ(CSize(2, 3), button.GetMargins());
    EXPECT_EQ(CRect(2, 7, 7, 9), button.GetImageRect());
    button.SetWindowPos(NULL, 0, 0, 60, 40, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(CRect(2, 17, 7, 19), button.GetImageRect());
    dlg.DestroyWindow();
}

TEST(BitmapButton, DrawsItsImageAtTheInteriorsOrigin)
{
    CButtonsHost dlg;
    SECBitmapButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, SECBitmapButton::imageOnly, IDB_GREY4,
                              CRect(100, 10, 160, 30), &dlg, 9204));
    const COLORREF red = RGB(255, 0, 0);
    // The image rectangle starts at (26, 7); the interior inside the raised frame at (2, 2), and
    // pressed at (3, 3). The red column is the image's fifth.
    EXPECT_EQ(red, DrawnPixel(button, 0, 26 + 2 + 4, 7 + 2));
    EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), DrawnPixel(button, 0, 26 + 2 + 3, 7 + 2));
    EXPECT_NE(red, DrawnPixel(button, ODS_SELECTED, 26 + 2 + 4, 7 + 2));
    EXPECT_EQ(red, DrawnPixel(button, ODS_SELECTED, 26 + 3 + 4, 7 + 3));
    dlg.DestroyWindow();
}

TEST(BitmapButton, SizeToContentAndSetBitmap)
{
    CButtonsHost dlg;
    SECBitmapButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, SECBitmapButton::imageOnly, IDB_GREY4,
                              CRect(100, 10, 160, 30), &dlg, 9205));
    button.SizeToContent();
    CRect window;
    button.GetWindowRect(&window);
    EXPECT_EQ(CSize(5 + 2 * 5 + 3, 2 + 2 * 5 + 3), window.Size());
    // a caption beside the image: its width adds, the taller of the two counts
    SECBitmapButton text;
    ASSERT_TRUE(text.Create("Weiter", WS_CHILD | WS_VISIBLE, SECBitmapButton::imageLeft, IDB_GREY4,
                            CRect(100, 40, 160, 60), &dlg, 9206));
    text.SizeToContent();
    CClientDC dc(&text);
    CFont* pOld = dc.SelectObject(
        text.GetFont() ? text.GetFont() : CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    CSize extent = dc.GetTextExtent("Weiter");
    dc.SelectObject(pOld);
    text.GetWindowRect(&window);
    EXPECT_EQ(extent.cx + 5 + 5 + 10 + 3, window.Width());
    EXPECT_EQ(std::max<int>(extent.cy, 2) + 10 + 3, window.Height());

    EXPECT_FALSE(button.SetBitmap(IDB_MISSING));
    BITMAP bm = {};
    ASSERT_TRUE(button.GetBitmap().GetBitmap(&bm));
    EXPECT_EQ(5, bm.bmWidth) << "the previous bitmap stays";
    EXPECT_TRUE(button.SetBitmap(IDB_GREY1));
    ASSERT_TRUE(button.GetBitmap().GetBitmap(&bm));
    EXPECT_EQ(2, bm.bmWidth);
    dlg.DestroyWindow();
}
// ---- the menu button

const UINT kMenuCommand = 9360;

// The menu the tests drop: one command.
HMENU MakeMenu()
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenu(hMenu, MF_STRING, kMenuCommand, _T("&Befehl"));
    return hMenu;
}

// What the owner of a dropped menu saw: commands, and the menu window's place with the state of
// the left button when the menu came.
struct MenuWatch
{
    int nCommands = 0;
    CRect rectMenu = CRect(0, 0, 0, 0);
    bool bOpened = false;
    bool bButtonUpAtOpen = false;

    BOOL Seen(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_COMMAND && LOWORD(wParam) == kMenuCommand)
        {
            nCommands++;
            return TRUE;
        }
        if (message == WM_INITMENUPOPUP)
            bOpened = true;
        if (message == WM_INITMENUPOPUP)
            bButtonUpAtOpen = (::GetKeyState(VK_LBUTTON) & 0x8000) == 0;
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU && lParam != 0)
            ::GetWindowRect((HWND)lParam, &rectMenu);
        return FALSE;
    }
};

class CMenuHost : public CDialog
{
  public:
    CMenuHost()
    {
        Create(IDD_BUTTONS, NULL);
    }
    MenuWatch m_watch;

  protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        return m_watch.Seen(message, wParam, lParam) || CDialog::OnWndMsg(message, wParam, lParam, pResult);
    }
};

class CMenuView : public CView
{
  protected:
    void OnDraw(CDC*) override
    {
    }
};

class CMenuViewFrame : public CFrameWnd
{
  public:
    MenuWatch m_watch;

  protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        return m_watch.Seen(message, wParam, lParam) || CFrameWnd::OnWndMsg(message, wParam, lParam, pResult);
    }
};

void AddClick(std::vector<INPUT>& inputs)
{
    for (DWORD dwFlags : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
    {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = dwFlags;
        inputs.push_back(in);
    }
}

// A click on the button, then keys or a second click for the menu, queued at once: the menu's
// own loop reads them.
void ClickThenKeys(CWnd& button, std::initializer_list<WORD> keys, const POINT* pSecondClick = NULL)
{
    MoveMouseTo(CentreOf(button.m_hWnd));
    std::vector<INPUT> inputs;
    AddClick(inputs);
    if (pSecondClick != NULL)
    {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dx = pSecondClick->x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
        in.mi.dy = pSecondClick->y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        inputs.push_back(in);
        AddClick(inputs);
    }
    for (WORD vk : keys)
        for (DWORD dwFlags : {(DWORD)0, (DWORD)KEYEVENTF_KEYUP})
        {
            INPUT in = {};
            in.type = INPUT_KEYBOARD;
            in.ki.wVk = vk;
            in.ki.dwFlags = dwFlags;
            inputs.push_back(in);
        }
    // A menu the keys never reached must not hold the test: it is ended after a while.
    const UINT_PTR nGuard = ::SetTimer(NULL, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); });
    ::SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
    PumpMessages(400);
    ::KillTimer(NULL, nGuard);
}

TEST(MenuButton, TheArrowSitsAloneCentredOrRightOfTheCaption)
{
    CButtonsHost dlg;
    // a 60 x 20 client, reduced to 57 x 17; the arrows are 7 x 4 (down) and 4 x 7 (right)
    const struct
    {
        const char* name;
        LPCTSTR text;
        BOOL bRight;
        UINT placement;
        CRect image;
    } cases[] = {
        {"empty, below", _T(""), FALSE, SECBitmapButton::imageOnly, CRect(25, 6, 32, 10)},
        {"caption, below", _T("Menü"), FALSE, SECBitmapButton::imageRight, CRect(45, 6, 52, 10)},
        {"empty, right", _T(""), TRUE, SECBitmapButton::imageOnly, CRect(26, 5, 30, 12)},
        {"caption, right", _T("Menü"), TRUE, SECBitmapButton::imageRight, CRect(48, 5, 52, 12)},
    };
    HMENU hMenu = MakeMenu();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        for (const bool bSwitched : {false, true})
        {
            SECMenuButton button;
            // Switched: made the other way round, then turned.
            const BOOL bMade = bSwitched ? !c.bRight : c.bRight;
            ASSERT_TRUE(button.Create(c.text, WS_CHILD | WS_VISIBLE, CRect(100, 10, 160, 30), &dlg, 9361,
                                      hMenu, bMade));
            if (bSwitched)
                button.SetDirection(c.bRight);
            EXPECT_EQ(c.bRight, button.GetDirection());
            EXPECT_EQ(c.placement, button.GetPlacement());
            EXPECT_EQ(c.image, button.GetImageRect());
            button.DestroyWindow();
        }
    }
    EXPECT_TRUE(::IsMenu(hMenu)) << "the caller's menu outlives the buttons";
    ::DestroyMenu(hMenu);
    dlg.DestroyWindow();
}

TEST(MenuButton, AClickDropsTheMenuAfterTheReleaseAndAChosenCommandReachesTheParentOnce)
{
    CMenuHost dlg;
    dlg.SetForegroundWindow();
    HMENU hMenu = MakeMenu();
    {
        SECMenuButton button;
        ASSERT_TRUE(button.Attach(IDC_PLAIN, &dlg, hMenu, FALSE));
        EXPECT_EQ(hMenu, button.GetMenu());
        for (const BOOL bRight : {FALSE, TRUE})
        {
            SCOPED_TRACE(bRight ? "right" : "below");
            button.SetDirection(bRight);
            dlg.m_watch = MenuWatch();
            ClickThenKeys(button, {VK_DOWN, VK_RETURN});
            PumpUntil([&] { return dlg.m_watch.nCommands > 0; }, 2000);
            PumpMessages(100);
            EXPECT_EQ(1, dlg.m_watch.nCommands);
            EXPECT_TRUE(dlg.m_watch.bButtonUpAtOpen);
            CRect rect;
            button.GetWindowRect(&rect);
            EXPECT_EQ(bRight ? CPoint(rect.right, rect.top) : CPoint(rect.left, rect.bottom),
                      dlg.m_watch.rectMenu.TopLeft());
        }
        // Escape closes the menu without a command.
        dlg.m_watch = MenuWatch();
        ClickThenKeys(button, {VK_ESCAPE});
        PumpMessages(100);
        EXPECT_TRUE(dlg.m_watch.bOpened) << "the menu came";
        EXPECT_EQ(0, dlg.m_watch.nCommands);
        button.UnsubclassWindow();
    }
    EXPECT_TRUE(::IsMenu(hMenu)) << "the caller's menu outlives the button";
    ::DestroyMenu(hMenu);
    dlg.DestroyWindow();
}

TEST(MenuButton, AViewsButtonSendsItsCommandToTheFrame)
{
    CMenuViewFrame* pFrame = new CMenuViewFrame;
    ASSERT_TRUE(
        pFrame->Create(NULL, _T("Ansicht"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 500, 400)));
    CMenuView* pView = new CMenuView;
    ASSERT_TRUE(
        pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), pFrame, AFX_IDW_PANE_FIRST));
    pFrame->SetForegroundWindow();
    HMENU hMenu = MakeMenu();
    SECMenuButton button;
    ASSERT_TRUE(
        button.Create(_T("Menü"), WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 34), pView, 9362, hMenu, FALSE));
    // The frame would grey a command it has no handler for.
    pFrame->m_bAutoMenuEnable = FALSE;
    ClickThenKeys(button, {VK_DOWN, VK_RETURN});
    PumpUntil([&] { return pFrame->m_watch.nCommands > 0; }, 2000);
    EXPECT_TRUE(pFrame->m_watch.bOpened);
    PumpMessages(100);
    EXPECT_EQ(1, pFrame->m_watch.nCommands);
    button.DestroyWindow();
    pFrame->DestroyWindow();
    ::DestroyMenu(hMenu);
}

TEST(MenuButton, AnAttachedCaptionKeepsAHundredCharacters)
{
    CButtonsHost dlg;
    const CString strLong(_T('x'), 150);
    dlg.SetDlgItemText(IDC_SECOND, strLong);
    HMENU hMenu = MakeMenu();
    SECMenuButton button;
    ASSERT_TRUE(button.Attach(IDC_SECOND, &dlg, hMenu, FALSE));
    CString strText;
    button.GetWindowText(strText);
    EXPECT_EQ(strLong.Left(100), strText);
    EXPECT_EQ(SECBitmapButton::imageRight, button.GetPlacement());
    button.UnsubclassWindow();
    dlg.DestroyWindow();
    ::DestroyMenu(hMenu);
}
} // namespace
