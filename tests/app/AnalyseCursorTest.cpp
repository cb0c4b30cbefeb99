// The analysis cursor on a recording read from a file, with the whole program: the line and its
// dialog, grabbing and moving the line with the mouse, analysis points from the view's context
// menu and the count in the status bar.
#include "AppIds.h"
#include "FirstStart.h"
#include "ScreenInput.h"
#include "app/AnalyseDlg.h"
#include "app/IRControlView.h"
#include "app/MainFrame.h"
#include "station/record/DrawLine.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureCurve.h"
#include "../uilib/frames/DragInput.h"
#include <algorithm>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
CIRControlApp& App()
{
    return *GetIRControlApp();
}

// What the context menu offered, and the item chosen by its mnemonic.
struct MenuAnswer
{
    char chMnemonic = 0;
    std::vector<UINT> items;
    bool bSeen = false;
    int nTicks = 0;
};
MenuAnswer* g_pMenuAnswer = NULL;

// The shown pop-up menu; menus closed before may leave hidden ones behind.
HWND ShownPopupMenu()
{
    return FindThreadWindow("#32768");
}

void CALLBACK AnswerMenu(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hPopup = ShownPopupMenu();
    if (g_pMenuAnswer == NULL || ++g_pMenuAnswer->nTicks > 100)
    {
        // Never left open: a menu the test cannot answer fails it instead of hanging it.
        ::KillTimer(NULL, nTimer);
        ::EndMenu();
        return;
    }
    if (hPopup == NULL)
        return;
    ::KillTimer(NULL, nTimer);
    HMENU hMenu = (HMENU)::SendMessage(hPopup, MN_GETHMENU, 0, 0);
    g_pMenuAnswer->items.clear();
    for (int i = 0; i < ::GetMenuItemCount(hMenu); i++)
        g_pMenuAnswer->items.push_back(::GetMenuItemID(hMenu, i));
    g_pMenuAnswer->bSeen = true;
    ::PostMessage(hPopup, WM_CHAR, (WPARAM)g_pMenuAnswer->chMnemonic, 0);
}

class AnalyseCursor : public FirstStart
{
  protected:
    void TearDown() override
    {
        FirstStart::TearDown();
        if (!m_path.empty())
            ::DeleteFileA(m_path.c_str());
    }
    // The program with a recording of 0-200 s read from a file: "IRS-Solder" rises from 25 °C
    // by 1 K/s.
    void StartWithRecording()
    {
        StartAgain();
        m_pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
        ASSERT_TRUE(m_pFrame != NULL);
        CIRControlView* pLive = ActiveRecording(m_pFrame);
        ASSERT_TRUE(pLive != NULL);
        CIRControlDoc* pLiveDoc = pLive->GetDocument();
        for (int nSlot : {CIRControlDoc::TESolder, CIRControlDoc::IRSolder})
            for (int t = 0; t <= 200; t++)
                pLiveDoc->GetCurve(nSlot)->AddValue(t + 1, t, 25.0 + t, 1.0f, FALSE, pLive);
        pLiveDoc->SetSampleState(201, 200, FALSE);
        m_path = TempFolder() + "\\analyse.hlv";
        ASSERT_TRUE(pLiveDoc->OnSaveDocument(m_path.c_str()));
        ASSERT_TRUE(App().OpenDocumentFile(m_path.c_str()) != NULL);
        PumpMessages(100);
        m_pView = ActiveRecording(m_pFrame);
        ASSERT_TRUE(m_pView != NULL && m_pView != pLive);
        m_pDoc = m_pView->GetDocument();
        ASSERT_TRUE(m_pDoc->IsLoadedFromFile());
        m_pCursor = m_pDoc->GetCursorLine();
        ASSERT_TRUE(m_pCursor != NULL);
        m_pDlg = dynamic_cast<CAnalyseDlg*>(m_pDoc->GetAnalyseDlg());
        ASSERT_TRUE(m_pDlg != NULL && m_pDlg->m_hWnd != NULL);
    }
    // The screen point of a logical point of the page.
    CPoint ScreenOf(int x, int y)
    {
        POINT pt = {x, y};
        m_pView->DocToClient(pt);
        m_pView->ClientToScreen(&pt);
        return pt;
    }
    std::string DialogText(UINT nID)
    {
        char text[256] = "";
        m_pDlg->GetDlgItemText(nID, text, sizeof(text));
        return text;
    }
    std::string PointsPane()
    {
        SECCustomStatusBar& status = m_pFrame->GetStatusBar();
        return (LPCSTR)status.GetPaneText(status.CommandToIndex(ID_INDICATOR_ANALYSE));
    }
    // Opens the view's context menu and chooses the item with the mnemonic.
    std::vector<UINT> ChooseFromContextMenu(char chMnemonic)
    {
        MenuAnswer answer;
        answer.chMnemonic = chMnemonic;
        g_pMenuAnswer = &answer;
        const UINT_PTR nTimer = ::SetTimer(NULL, 0, 30, AnswerMenu);
        CRect client;
        m_pView->GetClientRect(&client);
        CPoint at = client.CenterPoint();
        m_pView->ClientToScreen(&at);
        m_pView->SendMessage(WM_CONTEXTMENU, (WPARAM)m_pView->m_hWnd, MAKELPARAM(at.x, at.y));
        PumpMessages(50);
        ::KillTimer(NULL, nTimer);
        g_pMenuAnswer = NULL;
        EXPECT_TRUE(answer.bSeen);
        return answer.items;
    }

    CDrawLine* m_pCursor = NULL;
    CAnalyseDlg* m_pDlg = NULL;
    std::string m_path;
};

TEST_F(AnalyseCursor, TheLineFollowsTheMouseAndPointsComeFromTheContextMenu)
{
    using namespace drag_input;
    StartWithRecording();
    EXPECT_FALSE(m_pCursor->IsShown());
    EXPECT_FALSE(m_pDlg->IsWindowVisible());

    // The command shows the line and, 5 pixels right of it, the dialog.
    m_pFrame->SendMessage(WM_COMMAND, ID_ANALYSE_CURSOR);
    int nCheck = 0;
    EXPECT_TRUE(IsEnabled(m_pFrame, ID_ANALYSE_CURSOR, &nCheck));
    EXPECT_EQ(1, nCheck);
    EXPECT_TRUE(m_pCursor->IsShown());
    EXPECT_TRUE(m_pDlg->IsWindowVisible());
    CRect dialog;
    m_pDlg->GetWindowRect(&dialog);
    const CRect plot = m_pView->GetPlotRect();
    CPoint client(0, 0);
    m_pView->ClientToScreen(&client);
    EXPECT_EQ(ScreenOf(m_pCursor->GetRect().right, 0).x + 5, dialog.left);
    EXPECT_EQ(client.y + 5, dialog.top);
    EXPECT_EQ((LPCSTR)m_pCursor->GetPositionText(), DialogText(IDC_ANALYSE_POSITION));
    EXPECT_EQ(0u, DialogText(IDC_ANALYSE_POSITION).find("Zeitpunkt: "));

    // A click on the line grabs it; the mouse takes it to 100 s, where the dialog shows the
    // values.
    m_pFrame->SetForegroundWindow();
    const int yMiddle = (plot.top + plot.bottom) / 2;
    CPoint pt = ScreenOf(m_pCursor->GetRect().left, yMiddle);
    SendMouse(0, &pt);
    PumpMessages(30);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(50);
    ASSERT_TRUE(m_pCursor->IsArmed());
    pt = ScreenOf(m_pView->TimeToX(100), yMiddle);
    SendMouse(0, &pt);
    PumpMessages(50);
    EXPECT_NEAR(100, m_pCursor->GetPosition(), 1);
    const int nAt = m_pCursor->GetPosition();
    EXPECT_EQ((LPCSTR)m_pCursor->GetPositionText(), DialogText(IDC_ANALYSE_POSITION));
    EXPECT_NE(std::string::npos, DialogText(IDC_ANALYSE_POSITION).find(std::to_string(nAt) + " s"));
    CString strValue;
    m_pDoc->GetCurve(CIRControlDoc::IRSolder)->GetValueTextAt(strValue, nAt);
    EXPECT_EQ((LPCSTR)strValue, DialogText(IDC_ANALYSE_VALUE1));
    // The values are smoothed over the last samples: the slope is exact, the value lags a little.
    EXPECT_EQ(0u, DialogText(IDC_ANALYSE_VALUE1).find("IR-Sensor: 1")) << DialogText(IDC_ANALYSE_VALUE1);
    EXPECT_NE(std::string::npos, DialogText(IDC_ANALYSE_VALUE1).find(" / 1.00 K/s"))
        << DialogText(IDC_ANALYSE_VALUE1);
    EXPECT_EQ("", DialogText(IDC_ANALYSE_VALUE2)) << "only one curve is shown";
    m_pDlg->GetWindowRect(&dialog);
    EXPECT_EQ(ScreenOf(m_pCursor->GetRect().right, 0).x + 5, dialog.left);

    // While the line is grabbed the context menu is the analysis one: four points, a fifth is
    // refused.
    const std::vector<UINT> analyse = {ID_ANALYSE_ADD, ID_ANALYSE_DELETE_LAST, ID_ANALYSE_DELETE_ALL, 0,
                                       ID_ANALYSE_CURSOR};
    for (int n = 1; n <= 5; n++)
    {
        SCOPED_TRACE(n);
        EXPECT_EQ(analyse, ChooseFromContextMenu('h'));
        EXPECT_EQ(std::min(n, 4), m_pDoc->GetAnalysePointCount());
    }
    EXPECT_EQ("Anzahl Analysepunkte: 4", PointsPane());
    double position = 0, value = 0, slope = 0;
    m_pDoc->GetAnalysePoint2(0, position, value, slope);
    EXPECT_EQ(nAt, (int)position);
    EXPECT_NEAR(25.0 + nAt, value, 3.0);
    EXPECT_NEAR(1.0, slope, 0.01);
    ChooseFromContextMenu('e');
    EXPECT_EQ("Anzahl Analysepunkte: 3", PointsPane());
    ChooseFromContextMenu('l');
    EXPECT_EQ("Anzahl Analysepunkte: 0", PointsPane());
    EXPECT_EQ(0, m_pDoc->GetAnalysePointCount());

    // A second click lets the line go; the command hides line and dialog.
    pt = ScreenOf(m_pCursor->GetRect().left, yMiddle);
    SendMouse(0, &pt);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(50);
    EXPECT_FALSE(m_pCursor->IsArmed());
    m_pFrame->SendMessage(WM_COMMAND, ID_ANALYSE_CURSOR);
    EXPECT_FALSE(m_pCursor->IsShown());
    EXPECT_FALSE(m_pDlg->IsWindowVisible());
    IsEnabled(m_pFrame, ID_ANALYSE_CURSOR, &nCheck);
    EXPECT_EQ(0, nCheck);
}

// A click on the page brings the main window to the front; the values window stays in front of it
// with its values, as on the screen before the click.
TEST_F(AnalyseCursor, ValuesStayInFrontAfterAClickOnThePage)
{
    StartWithRecording();
    m_pFrame->SendMessage(WM_COMMAND, ID_ANALYSE_CURSOR);
    PumpMessages(50);
    ASSERT_TRUE(m_pDlg->IsWindowVisible());
    CRect dialog;
    m_pDlg->GetClientRect(&dialog);
    m_pDlg->ClientToScreen(&dialog);
    CRect heading;
    m_pDlg->GetDlgItem(IDC_ANALYSE_POSITION)->GetWindowRect(&heading);
    heading.OffsetRect(-dialog.left, -dialog.top);
    ASSERT_FALSE(DialogText(IDC_ANALYSE_POSITION).empty());

    // The screen shows the window: its background around the heading's ink.
    const ClientPicture before(::GetDesktopWindow());
    ASSERT_TRUE(CRect(0, 0, before.Width(), before.Height()).PtInRect(dialog.TopLeft()) &&
                CRect(0, 0, before.Width() + 1, before.Height() + 1).PtInRect(dialog.BottomRight()));
    auto Shown = [&dialog](const ClientPicture& screen, int x, int y) {
        return screen.At(dialog.left + x, dialog.top + y);
    };
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    int nFace = 0, nInk = 0;
    for (int y = 0; y < dialog.Height(); y++)
        for (int x = 0; x < dialog.Width(); x++)
        {
            const bool bFace = Shown(before, x, y) == face;
            nFace += bFace ? 1 : 0;
            nInk += !bFace && heading.PtInRect(CPoint(x, y)) ? 1 : 0;
        }
    ASSERT_GT(nFace, dialog.Width() * dialog.Height() / 2) << "the window is seen before the click";
    ASSERT_GT(nInk, 0) << "its heading is seen";

    // A real click on the page, away from the window; then the program's loop goes idle.
    CRect client;
    m_pView->GetClientRect(&client);
    CPoint at(client.right - 20, client.bottom - 20);
    m_pView->ClientToScreen(&at);
    ASSERT_EQ(m_pView->m_hWnd, ::WindowFromPoint(at));
    MoveMouseTo(at);
    SendLeftButton(true);
    SendLeftButton(false);
    PumpMessages(100);
    ASSERT_EQ(m_pFrame->m_hWnd, ::GetForegroundWindow());
    App().OnIdle(0);
    PumpMessages(100);

    // Still shown, and in front of the main window in the order of windows.
    EXPECT_TRUE(m_pDlg->IsWindowVisible());
    bool bInFront = false;
    for (HWND hWnd = ::GetWindow(m_pFrame->m_hWnd, GW_HWNDPREV); hWnd != NULL && !bInFront;
         hWnd = ::GetWindow(hWnd, GW_HWNDPREV))
        bInFront = hWnd == m_pDlg->m_hWnd;
    EXPECT_TRUE(bInFront) << "the values window is in front of the main window";
    // On the screen its content, not the page.
    const ClientPicture after(::GetDesktopWindow());
    int nDiffer = 0;
    for (int y = 0; y < dialog.Height(); y++)
        for (int x = 0; x < dialog.Width(); x++)
            nDiffer += Shown(after, x, y) != Shown(before, x, y) ? 1 : 0;
    EXPECT_EQ(0, nDiffer) << "of " << dialog.Width() * dialog.Height() << " pixels";
}

// Another recording coming to the front hides the cursor; back again, it shows as it was.
TEST_F(AnalyseCursor, ActivationShowsTheCursorAsRemembered)
{
    StartWithRecording();
    m_pFrame->SendMessage(WM_COMMAND, ID_ANALYSE_CURSOR);
    ASSERT_TRUE(m_pDlg->IsWindowVisible());
    CMDIChildWnd* pFileChild = m_pFrame->MDIGetActive();
    m_pFrame->MDINext();
    PumpMessages(50);
    ASSERT_NE(pFileChild, m_pFrame->MDIGetActive());
    EXPECT_FALSE(m_pCursor->IsShown());
    EXPECT_FALSE(m_pDlg->IsWindowVisible());
    m_pFrame->MDIActivate(pFileChild);
    PumpMessages(50);
    EXPECT_TRUE(m_pCursor->IsShown());
    EXPECT_TRUE(m_pDlg->IsWindowVisible());

    // The minimised view hides it and gives it back when left.
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_MINIMIZED);
    PumpMessages(50);
    EXPECT_FALSE(m_pDlg->IsWindowVisible());
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_MINIMIZED);
    PumpMessages(50);
    EXPECT_TRUE(m_pDlg->IsWindowVisible());
    // Hiding the bars moves the page, and the dialog with it.
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_HIDE_ALL);
    PumpMessages(50);
    CRect dialog;
    m_pDlg->GetWindowRect(&dialog);
    EXPECT_EQ(ScreenOf(m_pCursor->GetRect().right, 0).x + 5, dialog.left);
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_HIDE_ALL);
}
} // namespace
