// What the user sees first: the page fitted to the view, the window menu, the status panes when
// the last recording goes, and dialogs opening over the main window.
#include "AppIds.h"
#include "FirstStart.h"
#include "app/IRControlView.h"
#include "app/MainFrame.h"
#include "app/SerialNumberDlg.h"
#include "station/record/IRControlDoc.h"
#include "uilib/bars/CustomToolBar.h"
#include "uilib/frames/views/ZoomView.h"
#include <functional>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
CIRControlApp& App()
{
    return *GetIRControlApp();
}

// The zoomed page lies within the view's client area and fills it in one direction.
void ExpectPageFitted(CIRControlView* pView)
{
    ASSERT_TRUE(pView != NULL);
    EXPECT_EQ(SECZoomView::SEC_ZOOMFIT, pView->GetZoomMode());
    CRect client;
    pView->GetClientRect(&client);
    ASSERT_LT(0, client.Width());
    const CSize page = pView->PagePixels();
    const double cx = page.cx * (double)pView->GetZoomLevel();
    const double cy = page.cy * (double)pView->GetZoomLevel();
    SCOPED_TRACE(testing::Message() << "client " << client.Width() << " x " << client.Height() << ", page "
                                    << cx << " x " << cy);
    EXPECT_LE(cx, client.Width() + 1.0);
    EXPECT_LE(cy, client.Height() + 1.0);
    EXPECT_TRUE(cx >= client.Width() - 2.0 || cy >= client.Height() - 2.0);
    // Nothing is scrolled away.
    EXPECT_EQ(0, pView->GetScrollPosition().y);
    EXPECT_EQ(0, pView->GetScrollPosition().x);
}

TEST_F(FirstStart, PageFitsTheViewAtStartAndAfterTheMinimisedView)
{
    StartAgain();
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    PumpMessages(100);
    {
        SCOPED_TRACE("a new recording");
        ExpectPageFitted(ActiveRecording(pFrame));
    }
    for (const char* step : {"minimised view", "back from the minimised view"})
    {
        SCOPED_TRACE(step);
        pFrame->SendMessage(WM_COMMAND, ID_VIEW_MINIMIZED);
        PumpMessages(100);
        ExpectPageFitted(ActiveRecording(pFrame));
    }
    EXPECT_TRUE(pFrame->IsZoomed());
}

// The texts of the window menu's recording entries (the MDI client's), in their order.
std::vector<std::string> WindowList(CMainFrame* pFrame, std::string* pChecked = NULL)
{
    std::vector<std::string> texts;
    HMENU hPopup = pFrame->GetWindowMenuPopup(pFrame->GetMenuForResource(IDR_IRCONTROLTYPE));
    for (int i = 0; hPopup != NULL && i < ::GetMenuItemCount(hPopup); i++)
    {
        UINT nID = ::GetMenuItemID(hPopup, i);
        if (nID < AFX_IDM_FIRST_MDICHILD || nID == (UINT)-1)
            continue;
        char text[256] = "";
        ::GetMenuStringA(hPopup, i, text, sizeof(text), MF_BYPOSITION);
        texts.push_back(text);
        if (pChecked != NULL && (::GetMenuState(hPopup, i, MF_BYPOSITION) & MF_CHECKED))
            *pChecked = text;
    }
    return texts;
}

std::string TitleOf(CWnd* pWnd)
{
    CString strText;
    pWnd->GetWindowText(strText);
    return (LPCSTR)strText;
}

TEST_F(FirstStart, WindowMenuListsTheRecordingsNumbered)
{
    StartAgain();
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    PumpMessages(100);
    CMDIChildWnd* pFirst = pFrame->MDIGetActive();
    ASSERT_TRUE(pFirst != NULL);
    ASSERT_NE("", TitleOf(pFirst));
    std::string checked;
    EXPECT_EQ(std::vector<std::string>({"&1 " + TitleOf(pFirst)}), WindowList(pFrame, &checked));
    EXPECT_EQ("&1 " + TitleOf(pFirst), checked);

    // A second recording (offline: the only port is taken): both, numbered in their order, the
    // new one active.
    MessageBoxes boxes;
    boxes.Expect(IDOK, "keine weitere Schnittstelle");
    pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    PumpMessages(100);
    CMDIChildWnd* pSecond = pFrame->MDIGetActive();
    ASSERT_TRUE(pSecond != NULL && pSecond != pFirst);
    ASSERT_NE("", TitleOf(pSecond));
    checked.clear();
    EXPECT_EQ(std::vector<std::string>({"&1 " + TitleOf(pFirst), "&2 " + TitleOf(pSecond)}),
              WindowList(pFrame, &checked));
    EXPECT_EQ("&2 " + TitleOf(pSecond), checked);

    // The entry switches to its recording; closing one leaves the other alone in the list.
    pFrame->SendMessage(WM_COMMAND, AFX_IDM_FIRST_MDICHILD);
    PumpMessages(50);
    EXPECT_EQ(pFirst, pFrame->MDIGetActive());
    pFrame->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
    PumpMessages(100);
    ASSERT_EQ(pSecond, pFrame->MDIGetActive());
    EXPECT_EQ(std::vector<std::string>({"&1 " + TitleOf(pSecond)}), WindowList(pFrame));
}

TEST_F(FirstStart, StatusPanesEmptyAfterTheLastRecordingCloses)
{
    StartAgain();
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    SECCustomStatusBar& status = pFrame->GetStatusBar();
    const int nBaud = status.CommandToIndex(ID_INDICATOR_BAUD);
    const int nPoints = status.CommandToIndex(ID_INDICATOR_ANALYSE);
    ASSERT_TRUE(
        PumpUntil([&] { return CString(status.GetPaneText(nBaud)) == "Baudrate: 9600  Baud"; }, 10000))
        << (LPCSTR)status.GetPaneText(nBaud);
    // A second recording (offline: no port left) and closing it: the first one's rate comes back.
    MessageBoxes boxes;
    boxes.Expect(IDOK, "keine weitere Schnittstelle");
    pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    PumpMessages(100);
    pFrame->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
    PumpMessages(100);
    ASSERT_TRUE(pFrame->MDIGetActive() != NULL);
    EXPECT_STREQ("Baudrate: 9600  Baud", status.GetPaneText(nBaud));
    // The last one closes: the panes are as without a recording.
    pFrame->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
    ASSERT_TRUE(PumpUntil([&] { return pFrame->MDIGetActive() == NULL; }, 5000));
    PumpMessages(50);
    EXPECT_STREQ("Baudrate: 0  Baud", status.GetPaneText(nBaud));
    EXPECT_STREQ("Anzahl Analysepunkte: 0", status.GetPaneText(nPoints));
}
// What the application's loop does when its queue runs empty: the toolbars follow the commands.
void IdleAsTheApplication()
{
    for (LONG n = 0; n < 10 && App().OnIdle(n); n++)
        ;
    PumpAsTheApplication(100);
}

// Dark pixels of a toolbar button as the screen shows it: its image's outline when usable, none
// when it is drawn disabled in the shadow and highlight greys.
int DarkPixelsOf(SECCustomToolBar* pBar, UINT nID)
{
    CRect rect;
    pBar->GetItemRect(pBar->CommandToIndex(nID), &rect);
    pBar->ClientToScreen(&rect);
    HDC hScreen = ::GetDC(NULL);
    int nDark = 0;
    for (int y = rect.top; y < rect.bottom; y++)
        for (int x = rect.left; x < rect.right; x++)
        {
            const COLORREF c = ::GetPixel(hScreen, x, y);
            nDark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 80;
        }
    ::ReleaseDC(NULL, hScreen);
    return nDark;
}

// The zoom tools' buttons are disabled while no recording is open and usable again, as their
// menu entries are, with a recording reopened from its file.
TEST_F(FirstStart, ZoomButtonsComeBackWithAReopenedRecording)
{
    StartAgain();
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    CIRControlView* pView = ActiveRecording(pFrame);
    ASSERT_TRUE(pView != NULL);
    const std::string path = TempFolder() + "\\zoom.hlv";
    ASSERT_TRUE(pView->GetDocument()->OnSaveDocument(path.c_str()));
    pView->GetDocument()->SetModifiedFlag(FALSE);
    pFrame->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
    ASSERT_TRUE(PumpUntil([&] { return pFrame->MDIGetActive() == NULL; }, 5000));
    pFrame->SetForegroundWindow();
    PumpAsTheApplication(300);
    SECCustomToolBar* pZoom = pFrame->GetDefaultToolBar(CMainFrame::toolbarZoom);
    ASSERT_TRUE(pZoom != NULL && pZoom->IsWindowVisible());
    const UINT tools[] = {ID_ZOOM_STEP, ID_ZOOM_RECT, ID_ZOOM_ACTUAL};
    IdleAsTheApplication();
    for (UINT nID : tools)
        EXPECT_EQ(0, DarkPixelsOf(pZoom, nID)) << nID << " without a recording";

    ASSERT_TRUE(App().OpenDocumentFile(path.c_str()) != NULL);
    PumpAsTheApplication(300);
    IdleAsTheApplication();
    for (UINT nID : tools)
    {
        SCOPED_TRACE(nID);
        EXPECT_TRUE(IsEnabled(pFrame, nID)) << "the menu entry";
        EXPECT_GT(DarkPixelsOf(pZoom, nID), 10) << "the button";
    }
    ::DeleteFileA(path.c_str());
}

// The first dialog window owned by the main window that a thread timer finds while a modal loop
// runs: where it lay; then it is cancelled.
struct DialogSeen
{
    HWND hOwner = NULL;
    bool bSeen = false;
    CRect rect;

    void Arm()
    {
        Current() = this;
        ::SetTimer(NULL, 0, 50, Tick);
    }
    ~DialogSeen()
    {
        if (Current() == this)
            Current() = NULL;
    }

  private:
    static DialogSeen*& Current()
    {
        static DialogSeen* s_p = NULL;
        return s_p;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR nTimer, DWORD)
    {
        DialogSeen* pSeen = Current();
        if (pSeen == NULL)
            return;
        HWND hDlg = testing_support::FindThreadWindow(
            "#32770", [pSeen](HWND hWnd) { return ::GetWindow(hWnd, GW_OWNER) == pSeen->hOwner; });
        if (hDlg == NULL)
            return;
        ::KillTimer(NULL, nTimer);
        Current() = NULL;
        pSeen->bSeen = true;
        ::GetWindowRect(hDlg, &pSeen->rect);
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, (LPARAM)::GetDlgItem(hDlg, IDCANCEL));
    }
};

TEST_F(FirstStart, DialogsOpenOverTheMainWindow)
{
    StartAgain();
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    PumpMessages(100);
    CRect main;
    pFrame->GetWindowRect(&main);
    const struct
    {
        const char* name;
        std::function<void()> open;
    } dialogs[] = {
        {"customisation sheet", [&] { pFrame->SendMessage(WM_COMMAND, ID_VIEW_CUSTOMIZE); }},
        {"serial number",
         [&] {
             float fNumber = 0.0f;
             AskSerialNumber(pFrame, &fNumber);
         }},
        {"save as", [&] { pFrame->SendMessage(WM_COMMAND, ID_FILE_SAVE_AS); }},
    };
    for (const auto& dialog : dialogs)
    {
        SCOPED_TRACE(dialog.name);
        DialogSeen seen;
        seen.hOwner = pFrame->m_hWnd;
        seen.Arm();
        dialog.open();
        ASSERT_TRUE(seen.bSeen);
        EXPECT_NEAR(main.CenterPoint().x, seen.rect.CenterPoint().x, 2);
        EXPECT_NEAR(main.CenterPoint().y, seen.rect.CenterPoint().y, 2);
        EXPECT_TRUE((seen.rect & main) == seen.rect) << "within the main window";
    }
}
} // namespace
