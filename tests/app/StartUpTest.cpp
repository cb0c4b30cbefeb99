// The application's start-up and main window: help through HTML help with the language's topic
// table, the language library, and a first start against the simulated station up to closing.
#include "AppIds.h"
#include "DeviceSimulator.h"
#include "DockBar.h"
#include "DialogAnswer.h"
#include "FirstStart.h"
#include "ProgramKey.h"
#include "SimulatorPort.h"
#include "TestSupport.h"
#include "station/record/HtmlHelp.h"
#include "app/IRControlApp.h"
#include "app/IRControlView.h"
#include "app/MainFrame.h"
#include "app/MyWorkspaceEx.h"
#include "grid/factory/ControlFactory.h"
#include "station/config/Config.h"
#include "station/config/ProjektConfig.h"
#include "station/link/CommThreads.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureCurve.h"
#include "uilib/bars/CustomToolBar.h"
#include "uilib/bars/MenuBar.h"
#include "uilib/bars/TBMenuBtn.h"
#include "uilib/bars/ToolBarCmdPage.h"
#include "uilib/bars/ToolBarManager.h"
#include "uilib/common/BmpMgr.h"
#include "uilib/bars/BtnGroup.h"
#include "PropertySheet.h"
#include "uilib/frames/docking/CaptionPainter.h"
#include "uilib/frames/mdi/MDIChildWnd.h"
#include "uilib/frames/mdi/MultiDocTemplate.h"
#include <htmlhelp.h>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
CIRControlApp& App()
{
    return *GetIRControlApp();
}

// What HTML help was asked for; the answer the test chose.
struct HelpCall
{
    UINT uCommand;
    DWORD_PTR dwData;
};
std::vector<HelpCall> g_helpCalls;
HWND g_hHelpAnswer = NULL;

HWND WINAPI RecordHtmlHelp(HWND, LPCSTR, UINT uCommand, DWORD_PTR dwData)
{
    g_helpCalls.push_back(HelpCall{uCommand, dwData});
    return g_hHelpAnswer;
}

// The expert flag as the start-up sets it from the command line.
struct ExpertSwitch : CIRControlApp
{
    static void Set(CIRControlApp& app, LPCTSTR lpszCommandLine)
    {
        static_cast<ExpertSwitch&>(app).m_bExpertMode = IsExpertCommandLine(lpszCommandLine);
    }
};

// Main frames of their own, with the grid library the start-up readies before the frame's tables
// are made: without it they report "not supported".
class HelpFixture : public ProgramKeyTest
{
  protected:
    void SetUp() override
    {
        ProgramKeyTest::SetUp();
        InitGridLibraryWithDefaultFactory();
        g_helpCalls.clear();
        g_hHelpAnswer = NULL;
        SetHtmlHelpFunction(RecordHtmlHelp);
    }
    void TearDown() override
    {
        SetHtmlHelpFunction(NULL);
        ProgramKeyTest::TearDown();
    }
    void SetLanguage(const char* language)
    {
        if (language != NULL)
            WriteRaw(HKEY_LOCAL_MACHINE, "Settings", "Language", REG_SZ, language,
                     (DWORD)strlen(language) + 1);
        App().CreateConfiguration();
    }
};

TEST_F(HelpFixture, TopicTableFollowsTheLanguage)
{
    const struct
    {
        const char* language; // NULL: not set
        UINT nTopicOfRecord;  // 32811
        UINT nTopicOfMainResource;
    } cases[] = {
        {"Deutsch", 20, 13},
        {"deutsch", 44, 51},
        {"English", 44, 51},
        {NULL, 44, 51},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.language != NULL ? c.language : "(none)");
        RemoveProgramKeys();
        SetLanguage(c.language);
        CMainFrame frame;
        EXPECT_EQ(c.nTopicOfRecord, frame.TranslateHelpContext(HID_BASE_COMMAND + ID_RECORD));
        EXPECT_EQ(c.nTopicOfMainResource, frame.TranslateHelpContext(HID_BASE_RESOURCE + IDR_MAINFRAME_MENU));
        // A context without an entry passes unchanged.
        EXPECT_EQ(HID_BASE_COMMAND + 40000u, frame.TranslateHelpContext(HID_BASE_COMMAND + 40000));
    }
}

// A main frame of its own, without the application's start-up.
class FrameHelp : public HelpFixture
{
  protected:
    void SetUp() override
    {
        HelpFixture::SetUp();
        SetLanguage("Deutsch");
        m_pFrame = new CMainFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MAINFRAME_MENU, WS_OVERLAPPEDWINDOW));
        m_pOldMain = App().m_pMainWnd;
        App().m_pMainWnd = m_pFrame;
        m_pFrame->ShowWindow(SW_SHOW);
        PumpMessages(20);
    }
    void TearDown() override
    {
        App().m_pMainWnd = m_pOldMain;
        m_pFrame->DestroyWindow();
        PumpMessages(20);
        HelpFixture::TearDown();
    }
    CMainFrame* m_pFrame = NULL;
    CWnd* m_pOldMain = NULL;
};

TEST_F(FrameHelp, RequestsReachHtmlHelpWithTheirTopic)
{
    g_hHelpAnswer = m_pFrame->m_hWnd;
    // A command's context, through the application as F1 and help mode send it.
    m_pFrame->SendMessage(WM_COMMANDHELP, 0, HID_BASE_COMMAND + ID_COMMUNICATION);
    // Another help command than a context: topic 0.
    App().WinHelp(0, HELP_FINDER);
    // The contents.
    m_pFrame->SendMessage(WM_COMMAND, ID_HELP_FINDER);
    ASSERT_EQ(3u, g_helpCalls.size());
    EXPECT_EQ((UINT)HH_HELP_CONTEXT, g_helpCalls[0].uCommand);
    EXPECT_EQ(67u, g_helpCalls[0].dwData);
    EXPECT_EQ((UINT)HH_HELP_CONTEXT, g_helpCalls[1].uCommand);
    EXPECT_EQ(0u, g_helpCalls[1].dwData);
    EXPECT_EQ((UINT)HH_DISPLAY_TOPIC, g_helpCalls[2].uCommand);
}

TEST_F(FrameHelp, HelpThatCannotBeShownSaysSo)
{
    MessageBoxes boxes;
    boxes.Expect(IDOK, "kein\nHilfeeintrag");
    boxes.Expect(IDOK, "kein\nHilfeeintrag");
    m_pFrame->SendMessage(WM_COMMAND, ID_HELP_FINDER);
    m_pFrame->WinHelp(HID_BASE_COMMAND + ID_RECORD);
    EXPECT_EQ(0u, boxes.Pending());
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_EQ((UINT)MB_ICONEXCLAMATION, boxes.Shown()[1].type & MB_ICONMASK);
    EXPECT_EQ(2u, g_helpCalls.size());
}

// The real box that a timer finds open, owned by the given window: where it stood; then it is
// closed.
HWND g_hBoxOwner = NULL;
CRect g_boxSeen;
void CALLBACK CloseOwnedBox(HWND, UINT, UINT_PTR nID, DWORD)
{
    HWND hBox = FindThreadWindow("#32770", [](HWND h) { return ::GetWindow(h, GW_OWNER) == g_hBoxOwner; });
    if (hBox == NULL)
        return;
    ::KillTimer(NULL, nID);
    ::GetWindowRect(hBox, &g_boxSeen);
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
}

// The box saying that there is no help stands over the main window, wherever that is on the
// screen, like every box of the program.
TEST_F(FrameHelp, NoHelpBoxStandsOverTheMainWindow)
{
    m_pFrame->SetWindowPos(NULL, 100, 80, 700, 500, SWP_NOZORDER);
    m_pFrame->SetForegroundWindow();
    PumpMessages(50);
    g_hBoxOwner = m_pFrame->m_hWnd;
    g_boxSeen.SetRectEmpty();
    // The box the user sees, not the tests' record of it.
    CMessageSink* pTestSink = AfxSetMessageSink(NULL);
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 100, CloseOwnedBox);
    m_pFrame->SendMessage(WM_COMMAND, ID_HELP_FINDER);
    ::KillTimer(NULL, nTimer);
    AfxSetMessageSink(pTestSink);
    ASSERT_FALSE(g_boxSeen.IsRectEmpty()) << "the box was shown, owned by the main window";
    CRect rectFrame;
    m_pFrame->GetWindowRect(&rectFrame);
    EXPECT_NEAR(rectFrame.CenterPoint().x, g_boxSeen.CenterPoint().x, 2);
    EXPECT_NEAR(rectFrame.CenterPoint().y, g_boxSeen.CenterPoint().y, 2);
}

TEST_F(FrameHelp, StatusPanesWithoutARecording)
{
    SECCustomStatusBar& status = m_pFrame->GetStatusBar();
    EXPECT_EQ((DWORD)CBRS_ALIGN_BOTTOM, status.m_dwStyle & CBRS_ALIGN_ANY);
    const UINT ids[] = {ID_SEPARATOR,      ID_INDICATOR_ANALYSE, ID_INDICATOR_BAUD,
                        ID_INDICATOR_CAPS, ID_INDICATOR_NUM,     ID_INDICATOR_SCRL};
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(ids[i], status.GetItemID(i)) << i;
    EXPECT_STREQ("Anzahl Analysepunkte: 0", status.GetPaneText(1));
    EXPECT_STREQ("Baudrate: 0  Baud", status.GetPaneText(2));
    m_pFrame->SetBaudText("19200");
    EXPECT_STREQ("Baudrate: 19200  Baud", status.GetPaneText(2));
}

TEST_F(HelpFixture, ExpertModeOnlyForExactlyTheSwitch)
{
    const struct
    {
        const char* commandLine;
        bool bExpert;
    } cases[] = {{"-expert", true}, {"-Expert", false}, {"-expert x", false}, {"", false}};
    SetLanguage(NULL);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.commandLine);
        ExpertSwitch::Set(App(), c.commandLine);
        CMainFrame* pFrame = new CMainFrame;
        ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME_MENU, WS_OVERLAPPEDWINDOW));
        EXPECT_NE(-1, pFrame->GetWorkspaceFile().Find(c.bExpert ? "\\VAZovIni.wsp" : "\\HelvonIni.wsp"));
        int nBars = 0;
        for (int i = 0; i < CMainFrame::toolbarCount; i++)
            nBars += pFrame->GetDefaultToolBar(i) != NULL;
        EXPECT_EQ(c.bExpert ? 6 : 5, nBars);
        if (c.bExpert)
        {
            CControlBar* pExpert = pFrame->GetControlBar(IDW_TOOLBAR_EXPERT);
            ASSERT_TRUE(pExpert != NULL && pExpert->m_pDockBar != NULL);
            EXPECT_EQ(AFX_IDW_DOCKBAR_LEFT, pExpert->m_pDockBar->GetDlgCtrlID());
        }
        pFrame->DestroyWindow();
    }
    ExpertSwitch::Set(App(), "");
    PumpMessages(20);
}

class Language : public ProgramKeyTest
{
  protected:
    void TearDown() override
    {
        if (HINSTANCE hLibrary = App().GetLanguageLibrary())
        {
            AfxSetResourceHandle(::GetModuleHandle(NULL));
            ::FreeLibrary(hLibrary);
        }
        ProgramKeyTest::TearDown();
    }
};

TEST_F(Language, LibraryAndHelpFileOfTheChosenLanguage)
{
    const std::string ownHelp = App().m_pszHelpFilePath != NULL ? App().m_pszHelpFilePath : "";
    const struct
    {
        const char* language;
        const char* library; // NULL: no entry
        const char* help;    // NULL: no entry
        bool bLoaded;
        const char* expectedHelp; // NULL: the program's own
    } cases[] = {
        {"", "HelvonEnglish.dll", "en.chm", false, NULL},
        {"English", NULL, "en.chm", false, "en.chm"},
        {"English", "Missing.dll", NULL, false, NULL},
        {"English", "", "", false, NULL},
        // Last: a loaded library stays loaded.
        {"English", "HelvonEnglish.dll", "en.chm", true, "en.chm"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.language) + " / " + (c.library != NULL ? c.library : "(none)"));
        RemoveProgramKeys();
        WriteRaw(HKEY_LOCAL_MACHINE, "Settings", "Language", REG_SZ, c.language,
                 (DWORD)strlen(c.language) + 1);
        if (c.library != NULL)
            WriteRaw(HKEY_LOCAL_MACHINE, "Language", "English", REG_SZ, c.library,
                     (DWORD)strlen(c.library) + 1);
        if (c.help != NULL)
            WriteRaw(HKEY_LOCAL_MACHINE, "Help", "English", REG_SZ, c.help, (DWORD)strlen(c.help) + 1);
        free((void*)App().m_pszHelpFilePath);
        App().m_pszHelpFilePath = _strdup(ownHelp.c_str());
        App().CreateConfiguration();
        App().LoadLanguage();

        EXPECT_EQ(c.bLoaded, App().GetLanguageLibrary() != NULL);
        EXPECT_EQ(c.bLoaded, AfxGetResourceHandle() == App().GetLanguageLibrary());
        CString strTitle;
        strTitle.LoadString(IDS_TB_MAIN);
        EXPECT_STREQ(c.bLoaded ? "Main toolbar" : "Hauptsymbolleiste", strTitle);
        EXPECT_EQ(c.expectedHelp != NULL ? c.expectedHelp : ownHelp, App().m_pszHelpFilePath);
    }
}

TEST_F(FirstStart, ShowsTheTextOpensARecordingAndClosesQuietly)
{
    MessageBoxes boxes;
    boxes.Expect(IDOK, "Bitte konfigurieren Sie die seriellen Schnittstellen");
    // The options sheet that follows is cancelled: the first start is not done.
    DialogAnswer options;
    options.nControl = ID_APPLY_NOW;
    options.attempts = {{{}, IDCANCEL, nullptr}};
    options.Arm();
    App().m_lpCmdLine = (LPTSTR) "";
    ASSERT_TRUE(App().InitInstance());
    EXPECT_TRUE(options.bSeen);
    EXPECT_EQ(0u, boxes.Pending());
    EXPECT_EQ((UINT)MB_ICONINFORMATION, boxes.Shown().at(0).type & MB_ICONMASK);

    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    EXPECT_TRUE(pFrame->IsWindowVisible());
    EXPECT_FALSE(App().IsExpertMode());
    EXPECT_NE(-1, pFrame->GetWorkspaceFile().Find("\\HelvonIni.wsp"));
    // Five toolbars made by the frame's toolbar manager, no expert bar: titles, cool look, one row
    // at the top in their order.
    ASSERT_TRUE(pFrame->GetToolBarManager() != NULL);
    EXPECT_EQ(pFrame->GetToolBarManager(), pFrame->GetControlBarManager());
    EXPECT_EQ(5, pFrame->GetToolBarManager()->GetDefaultToolBarCount());
    const struct
    {
        UINT nBarId;
        const char* title;
    } toolBars[] = {{AFX_IDW_TOOLBAR, "Hauptsymbolleiste"},
                    {IDW_TOOLBAR_RECORD, "Aufzeichnung"},
                    {IDW_TOOLBAR_ANALYSE, "Analyse"},
                    {IDW_TOOLBAR_VIEWS, "Ansichten"},
                    {IDW_TOOLBAR_ZOOM, "Zoom"}};
    CRect rectBefore;
    for (int i = CMainFrame::toolbarMain; i <= CMainFrame::toolbarZoom; i++)
    {
        SCOPED_TRACE(toolBars[i].title);
        SECCustomToolBar* pBar = pFrame->GetDefaultToolBar(i);
        ASSERT_TRUE(pBar != NULL);
        EXPECT_EQ(toolBars[i].nBarId, (UINT)pBar->GetDlgCtrlID());
        EXPECT_TRUE(pBar->IsWindowVisible());
        CString strTitle;
        pBar->GetWindowText(strTitle);
        EXPECT_STREQ(toolBars[i].title, strTitle);
        EXPECT_EQ(0x300u, pBar->GetExBarStyle() & 0x300u);
        EXPECT_LT(0, pBar->GetBtnCount());
        ASSERT_TRUE(pBar->m_pDockBar != NULL);
        EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, pBar->m_pDockBar->GetDlgCtrlID());
        CRect rect;
        pBar->GetWindowRect(&rect);
        if (i > CMainFrame::toolbarMain)
        {
            EXPECT_EQ(rectBefore.top, rect.top);
            EXPECT_LE(rectBefore.right, rect.left);
        }
        rectBefore = rect;
    }
    EXPECT_TRUE(pFrame->GetDefaultToolBar(CMainFrame::toolbarExpert) == NULL);
    EXPECT_TRUE(pFrame->GetControlBar(IDW_TOOLBAR_ZOOM) ==
                pFrame->GetDefaultToolBar(CMainFrame::toolbarZoom));
    // Status panes and the two bars on their sides.
    SECCustomStatusBar& status = pFrame->GetStatusBar();
    EXPECT_EQ(1, status.CommandToIndex(ID_INDICATOR_ANALYSE));
    EXPECT_EQ(2, status.CommandToIndex(ID_INDICATOR_BAUD));
    EXPECT_STREQ("Anzahl Analysepunkte: 0", status.GetPaneText(1));
    EXPECT_EQ(AFX_IDW_STATUS_BAR, status.GetDlgCtrlID());
    // The library's frames and template.
    EXPECT_TRUE(pFrame->IsKindOf(RUNTIME_CLASS(SECMDIFrameWnd)));
    ASSERT_TRUE(pFrame->MDIGetActive() != NULL);
    EXPECT_TRUE(pFrame->MDIGetActive()->IsKindOf(RUNTIME_CLASS(SECMDIChildWnd)));
    EXPECT_TRUE(pFrame->MDIGetActive()->IsZoomed());
    POSITION pos = App().GetFirstDocTemplatePosition();
    ASSERT_TRUE(pos != NULL);
    EXPECT_TRUE(App().GetNextDocTemplate(pos)->IsKindOf(RUNTIME_CLASS(SECMultiDocTemplate)));
    EXPECT_TRUE(pos == NULL);
    // The two bars: first free ids from 100, titles, styles, sides and thickness.
    const struct
    {
        SECControlBar* pBar;
        const char* title;
        UINT nDockBarId;
        DWORD dwDockStyle;
        int nThickness;
    } bars[] = {
        {&pFrame->GetStateWnd(), "Statusfenster", AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT,
         185},
        {&pFrame->GetMeasureTableWnd(), "Parameterfenster", AFX_IDW_DOCKBAR_BOTTOM,
         CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM, 210},
    };
    for (int i = 0; i < 2; i++)
    {
        SECControlBar* pBar = bars[i].pBar;
        SCOPED_TRACE(bars[i].title);
        EXPECT_EQ(100 + i, pBar->GetDlgCtrlID());
        CString strTitle;
        pBar->GetWindowText(strTitle);
        EXPECT_STREQ(bars[i].title, strTitle);
        EXPECT_EQ(bars[i].dwDockStyle, pBar->m_dwDockStyle);
        ASSERT_TRUE(pBar->m_pDockBar != NULL);
        EXPECT_EQ(bars[i].nDockBarId, (UINT)pBar->m_pDockBar->GetDlgCtrlID());
        CRect rect;
        pBar->GetWindowRect(&rect);
        EXPECT_EQ(bars[i].nThickness,
                  bars[i].nDockBarId == AFX_IDW_DOCKBAR_RIGHT ? rect.Width() : rect.Height());
    }

    // A new recording whose view took the simulator's port.
    EXPECT_TRUE(PumpUntil(
        [&] {
            CString strText;
            pFrame->GetWindowText(strText);
            return strText.Find("verbunden mit COM7") >= 0;
        },
        10000));
    // The baud pane shows the link's rate.
    EXPECT_TRUE(PumpUntil([&] { return CString(status.GetPaneText(2)) == "Baudrate: 9600  Baud"; }, 10000))
        << (LPCSTR)status.GetPaneText(2);
    CProjektConfig config(TRUE);
    EXPECT_TRUE(config.GetFirstStart());

    // The recording's commands and the bars' commands work.
    EXPECT_TRUE(IsEnabled(pFrame, ID_EXPORT_TABLE));
    EXPECT_TRUE(IsEnabled(pFrame, ID_PROTECT_PARAMETERS));
    EXPECT_TRUE(IsEnabled(pFrame, ID_APP_ABOUT));
    for (UINT nID : {(UINT)ID_ANALYSE_CURSOR, (UINT)ID_FILE_PRINT, (UINT)ID_FILE_PRINT_PREVIEW})
        EXPECT_TRUE(IsEnabled(pFrame, nID)) << nID;
    int nCheck = 0;
    EXPECT_TRUE(IsEnabled(pFrame, ID_VIEW_FULLSCREEN));
    EXPECT_TRUE(IsEnabled(pFrame, ID_VIEW_PARAMETER, &nCheck));
    EXPECT_EQ(1, nCheck);
    // Hiding all with one bar visible hides that one; again shows both.
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATEWND);
    PumpMessages(20);
    EXPECT_FALSE(pFrame->GetStateWnd().IsWindowVisible());
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_HIDE_ALL);
    PumpMessages(20);
    EXPECT_FALSE(pFrame->GetMeasureTableWnd().IsWindowVisible());
    EXPECT_FALSE(pFrame->GetStateWnd().IsWindowVisible());
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_HIDE_ALL);
    PumpMessages(20);
    EXPECT_TRUE(pFrame->GetMeasureTableWnd().IsWindowVisible());
    EXPECT_TRUE(pFrame->GetStateWnd().IsWindowVisible());
    // The minimised view and back.
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_MINIMIZED);
    PumpMessages(20);
    CRect rect;
    pFrame->GetWindowRect(&rect);
    EXPECT_EQ(CRect(10, 10, 510, 460), rect);
    EXPECT_FALSE(pFrame->GetStateWnd().IsWindowVisible());
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_MINIMIZED);
    PumpMessages(20);
    EXPECT_TRUE(pFrame->IsZoomed());
    EXPECT_TRUE(pFrame->GetStateWnd().IsWindowVisible());

    // Full-screen changes reach the active view.
    CView* pView = pFrame->MDIGetActive() != NULL ? pFrame->MDIGetActive()->GetActiveView() : NULL;
    ASSERT_TRUE(pView != NULL);
    MSG msg;
    while (::PeekMessage(&msg, pView->m_hWnd, 0x1401, 0x1401, PM_REMOVE))
    {
    }
    EXPECT_EQ(1, pFrame->SendMessage(0x702, 1));
    ASSERT_TRUE(::PeekMessage(&msg, pView->m_hWnd, 0x1401, 0x1401, PM_REMOVE));
    EXPECT_EQ(1u, msg.wParam);

    // Closing while polling: gone within 5 s, the threads stopped, the workspace written, no box.
    ULONGLONG start = NowMs();
    pFrame->PostMessage(WM_CLOSE);
    EXPECT_TRUE(PumpUntil([&] { return App().m_pMainWnd == NULL; }, 5000));
    EXPECT_LT(NowMs() - start, 5000u);
    EXPECT_FALSE(IsCommWorkerRunning());
    EXPECT_FALSE(IsCommTimerRunning());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(WorkspaceFile().c_str()))
        << "the bar layout is kept";
    EXPECT_EQ(1u, boxes.Shown().size());
}

// The menus the main window's menu bar shows (its visible menu buttons).
std::vector<std::string> MenuTitles(CMainFrame* pFrame)
{
    std::vector<std::string> titles;
    SECMenuBar* pBar = pFrame->GetMenuBar();
    for (int i = 0; pBar != NULL && i < pBar->GetBtnCount(); i++)
    {
        SECStdBtn* pBtn = pBar->GetButton(i);
        if (pBtn->m_nType == SECStdBtn::BtnMenu && !pBtn->HasStyle(TBBS_HIDDEN))
            titles.push_back((LPCSTR) static_cast<SECTBMenuBtn*>(pBtn)->m_strText);
    }
    return titles;
}

TEST_F(FirstStart, MenusFollowTheDocument)
{
    StartAgain();
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    EXPECT_TRUE(pFrame->IsCustomCaptionEnabled());
    EXPECT_TRUE(SECMDIFrameWnd::IsBarContextMenuEnabled());
    // The menus are the menu bar's: the window has none of its own.
    ASSERT_TRUE(pFrame->GetMenuBar() != NULL);
    EXPECT_TRUE(pFrame->GetMenuBar()->IsWindowVisible());
    EXPECT_TRUE(::GetMenu(pFrame->m_hWnd) == NULL);
    // The popups take their pictures from the toolbars' images and the menus' own.
    SECBmpMgr* pImages = pFrame->GetToolBarManager()->GetBmpMgr();
    EXPECT_EQ(6, pImages->GetSourceCount()) << "five toolbars and the menus' pictures";
    HBITMAP hbm = NULL;
    int nImage = -1;
    EXPECT_TRUE(pImages->GetImage(ID_VIEW_HIDE_ALL, hbm, nImage));

    const std::vector<std::string> document = {"&Datei",  "&Aufzeichnung", "A&nalyse", "&Ansicht",
                                               "E&xtras", "&Fenster",      "&Hilfe"};
    const std::vector<std::string> none = {"&Datei", "&Ansicht", "E&xtras", "&Hilfe"};
    EXPECT_EQ(document, MenuTitles(pFrame));
    pFrame->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
    EXPECT_TRUE(PumpUntil([&] { return pFrame->MDIGetActive() == NULL; }, 5000));
    PumpMessages(20);
    EXPECT_EQ(none, MenuTitles(pFrame));
    // The minimised view without a recording: only the window and the bars change.
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_MINIMIZED);
    PumpMessages(20);
    CRect rect;
    pFrame->GetWindowRect(&rect);
    EXPECT_EQ(CRect(10, 10, 510, 460), rect);
    EXPECT_FALSE(pFrame->GetMeasureTableWnd().IsWindowVisible());
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_MINIMIZED);
    PumpMessages(20);
    EXPECT_TRUE(pFrame->IsZoomed());
    EXPECT_TRUE(pFrame->GetMeasureTableWnd().IsWindowVisible());
    EXPECT_TRUE(pFrame->GetStateWnd().IsWindowVisible());
    pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    PumpMessages(20);
    EXPECT_EQ(document, MenuTitles(pFrame));
}

// What the customisation sheet showed while it ran.
struct SheetSeen
{
    bool bSeen = false;
    int nPages = 0;
    bool bHelpButton = true;
    bool bCustomising = false;
    std::vector<std::string> groups;
    SECToolBarManager* pManager = NULL;
};
SheetSeen* g_pSheetSeen = NULL;

void CALLBACK LookAtSheet(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hSheet = FindThreadWindow(NULL, [](HWND hWnd) {
        char caption[64] = "";
        ::GetWindowTextA(hWnd, caption, sizeof(caption));
        return std::string(caption) == "Anpassen";
    });
    CPropertySheet* pSheet = DYNAMIC_DOWNCAST(CPropertySheet, CWnd::FromHandlePermanent(hSheet));
    if (g_pSheetSeen == NULL || pSheet == NULL)
        return;
    ::KillTimer(NULL, nTimer);
    SheetSeen& seen = *g_pSheetSeen;
    seen.bSeen = true;
    seen.nPages = pSheet->GetPageCount();
    HWND hHelp = ::GetDlgItem(hSheet, IDHELP);
    seen.bHelpButton = hHelp != NULL && ::IsWindowVisible(hHelp);
    seen.bCustomising = seen.pManager->InConfigMode() != FALSE;
    pSheet->SetActivePage(1);
    SECToolBarCmdPage* pCommands = DYNAMIC_DOWNCAST(SECToolBarCmdPage, pSheet->GetPage(1));
    for (int i = 0; pCommands != NULL && i < pCommands->GetGroupCount(); i++)
        seen.groups.push_back((LPCSTR)pCommands->GetGroup(i)->GetTitle());
    ::PostMessageA(hSheet, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(FirstStart, CustomisationSheetOffersTheDefaultToolBars)
{
    StartAgain();
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    EXPECT_TRUE(IsEnabled(pFrame, ID_VIEW_CUSTOMIZE));
    SheetSeen seen;
    seen.pManager = pFrame->GetToolBarManager();
    g_pSheetSeen = &seen;
    ::SetTimer(NULL, 0, 50, LookAtSheet);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_CUSTOMIZE);
    g_pSheetSeen = NULL;
    ASSERT_TRUE(seen.bSeen);
    EXPECT_EQ(2, seen.nPages);
    EXPECT_FALSE(seen.bHelpButton);
    EXPECT_TRUE(seen.bCustomising);
    const std::vector<std::string> groups = {"Hauptsymbolleiste", "Aufzeichnung", "Analyse", "Zoom",
                                             "Ansichten",         "Men\xFCleiste"};
    EXPECT_EQ(groups, seen.groups);
    EXPECT_FALSE(pFrame->GetToolBarManager()->InConfigMode());
}

// Documents open in a frame: in every template, those with a view.
std::vector<CDocument*> OpenDocuments()
{
    std::vector<CDocument*> documents;
    for (POSITION pos = App().GetFirstDocTemplatePosition(); pos != NULL;)
    {
        CDocTemplate* pTemplate = App().GetNextDocTemplate(pos);
        for (POSITION posDoc = pTemplate->GetFirstDocPosition(); posDoc != NULL;)
            documents.push_back(pTemplate->GetNextDoc(posDoc));
    }
    return documents;
}

TEST_F(FirstStart, DamagedWorkspaceFileIsReportedAndTheDefaultLayoutStays)
{
    FILE* pFile = fopen(WorkspaceFile().c_str(), "wb");
    ASSERT_TRUE(pFile != NULL);
    fputs("[Nothing]\r\nof=a workspace\r\n", pFile);
    fclose(pFile);
    MessageBoxes boxes;
    boxes.Expect(IDOK, "Ung\xFCltiger Arbeitsbereich");
    StartAgain();
    EXPECT_EQ(0u, boxes.Pending());
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    EXPECT_TRUE(pFrame->IsWindowVisible());
    EXPECT_TRUE(pFrame->GetStateWnd().IsWindowVisible());
    EXPECT_TRUE(pFrame->GetMeasureTableWnd().IsWindowVisible());
    for (int i = CMainFrame::toolbarMain; i <= CMainFrame::toolbarZoom; i++)
        EXPECT_TRUE(pFrame->GetDefaultToolBar(i) != NULL && pFrame->GetDefaultToolBar(i)->IsWindowVisible())
            << i;
    EXPECT_EQ(1u, OpenDocuments().size());
}

void PressKey(WORD vk)
{
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, in, sizeof(INPUT));
}

TEST_F(FirstStart, KeysReachTheRecording)
{
    ASSERT_NO_FATAL_FAILURE(StartAgainWithRecording());
    ASSERT_TRUE(PumpUntil([&] { return m_pView->IsOnline(); }, 10000));
    m_pFrame->SetForegroundWindow();
    m_pView->SetFocus();
    PumpAsTheApplication(100);
    // F9 starts and stops recording, F3 toggles the state window.
    int nCheck = 0;
    PressKey(VK_F9);
    for (int i = 0; i < 30 && !m_pView->IsRecording(); i++)
        PumpAsTheApplication(100);
    EXPECT_TRUE(m_pView->IsRecording());
    IsEnabled(m_pFrame, ID_RECORD, &nCheck);
    EXPECT_EQ(1, nCheck);
    PressKey(VK_F9);
    PumpAsTheApplication(200);
    EXPECT_FALSE(m_pView->IsRecording());
    PressKey(VK_F3);
    PumpAsTheApplication(200);
    EXPECT_FALSE(m_pFrame->GetStateWnd().IsWindowVisible());
    PressKey(VK_F3);
    PumpAsTheApplication(200);
    EXPECT_TRUE(m_pFrame->GetStateWnd().IsWindowVisible());
}

// The quick save's progress dialogs of this thread that show: top-level windows whose text line
// reads "Schnellspeichern".
std::vector<HWND> QuickSaveDialogs()
{
    std::vector<HWND> found;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            char text[64] = "";
            HWND hText = ::GetDlgItem(hWnd, IDC_PROGRESS_TEXT);
            if (::IsWindowVisible(hWnd) && hText != NULL && ::GetWindowTextA(hText, text, sizeof text) > 0 &&
                std::string(text) == "Schnellspeichern")
                reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Quick save by F4 into the configured folder: the progress dialog shows and goes, the file
// reopens with the same samples; F4 again while it shows reuses the dialog; a missing folder
// says so and leaves no dialog.
TEST_F(FirstStart, QuickSaveByF4WritesTheFileWithProgress)
{
    ASSERT_NO_FATAL_FAILURE(StartAgainWithRecording());
    ASSERT_TRUE(PumpUntil([&] { return m_pView->IsRegisteredForTicks(); }, 10000));
    CIRControlDoc* m_pDoc = m_pView->GetDocument();
    m_pView->SendMessage(WM_COMMAND, ID_RECORD);
    ASSERT_TRUE(PumpUntil([&] { return m_pDoc->GetSampleCount() >= 3; }, 8000));
    m_pView->SendMessage(WM_COMMAND, ID_RECORD);
    PumpMessages(300);

    const std::string dir = TempFolder() + "\\schnell";
    ::CreateDirectoryA(dir.c_str(), NULL);
    WriteRaw(HKEY_LOCAL_MACHINE, "Settings", "QuickSaveDir", REG_SZ, dir.c_str(), (DWORD)dir.size() + 1);
    m_pFrame->SetForegroundWindow();
    m_pView->SetFocus();
    PumpAsTheApplication(100);
    PressKey(VK_F4);
    ASSERT_TRUE(PumpAsTheApplicationUntil([] { return QuickSaveDialogs().size() == 1; }, 2000));
    const HWND hDlg = QuickSaveDialogs().front();
    // Again while it shows: the same dialog, started again.
    PressKey(VK_F4);
    PumpAsTheApplication(200);
    EXPECT_EQ(std::vector<HWND>{hDlg}, QuickSaveDialogs());
    const ULONGLONG start = NowMs();
    EXPECT_TRUE(PumpAsTheApplicationUntil([] { return QuickSaveDialogs().empty(); }, 3000))
        << "after " << NowMs() - start << " ms";
    EXPECT_FALSE(::IsWindow(hDlg));

    WIN32_FIND_DATAA find;
    HANDLE hFind = ::FindFirstFileA((dir + "\\*.hlv").c_str(), &find);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFind);
    ::FindClose(hFind);
    EXPECT_EQ(0, std::string(find.cFileName).find(std::string(m_pDoc->GetBoardName()))) << find.cFileName;
    CIRControlDoc reopened;
    reopened.m_bAutoDelete = FALSE;
    ASSERT_TRUE(reopened.OnOpenDocument((dir + "\\" + find.cFileName).c_str()));
    EXPECT_EQ(m_pDoc->GetCurve(CIRControlDoc::TESolder)->GetValues().GetCount(),
              reopened.GetCurve(CIRControlDoc::TESolder)->GetValues().GetCount());
    ::DeleteFileA((dir + "\\" + find.cFileName).c_str());

    // A folder that is not there: one box, the quick save's own, saying which path failed, and no
    // dialog left.
    const std::string missing = dir + "\\fehlt";
    WriteRaw(HKEY_LOCAL_MACHINE, "Settings", "QuickSaveDir", REG_SZ, missing.c_str(),
             (DWORD)missing.size() + 1);
    {
        MessageBoxes boxes;
        boxes.Expect(IDOK, "Beim Schnellspeichern ist ein Fehler aufgetreten!");
        PressKey(VK_F4);
        EXPECT_TRUE(PumpAsTheApplicationUntil([&] { return !boxes.Shown().empty(); }, 2000));
        PumpAsTheApplication(300);
        ASSERT_EQ(1u, boxes.Shown().size());
        EXPECT_EQ("Helvon Schnellspeichern", boxes.Shown()[0].caption);
        EXPECT_NE(std::string::npos, boxes.Shown()[0].text.find(missing)) << boxes.Shown()[0].text;
    }
    EXPECT_TRUE(QuickSaveDialogs().empty());
    ::RemoveDirectoryA(dir.c_str());
}

// Full-screen mode by its menu command, left by Escape: the active view hears of both; closing
// the program in full screen keeps the bar layout of before.
TEST_F(FirstStart, FullScreenByMenuAndEscape)
{
    StartAgain();
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    CView* pView = pFrame->MDIGetActive() != NULL ? pFrame->MDIGetActive()->GetActiveView() : NULL;
    ASSERT_TRUE(pView != NULL);
    pFrame->SetForegroundWindow();
    pView->SetFocus();
    PumpAsTheApplication(100);
    CRect rectBefore;
    pFrame->GetWindowRect(&rectBefore);
    ASSERT_TRUE(pFrame->GetStateWnd().IsWindowVisible());

    // What the view was told, taken from the queue the way the application's loop would.
    std::vector<WPARAM> told;
    auto pump = [&](DWORD ms) {
        const ULONGLONG until = NowMs() + ms;
        while (NowMs() < until)
        {
            MSG msg;
            while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
            {
                if (msg.hwnd == pView->m_hWnd && msg.message == 0x1401)
                    told.push_back(msg.wParam);
                if (!AfxGetThread()->PreTranslateMessage(&msg))
                {
                    ::TranslateMessage(&msg);
                    ::DispatchMessage(&msg);
                }
            }
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
        }
    };
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_FULLSCREEN);
    pump(100);
    EXPECT_TRUE(pFrame->GetFullScreenView().IsFullScreen());
    EXPECT_FALSE(pFrame->GetStateWnd().IsWindowVisible());
    EXPECT_EQ(0u, pFrame->GetStyle() & WS_CAPTION & ~WS_BORDER);
    EXPECT_EQ(std::vector<WPARAM>{1}, told);
    // A second command changes nothing.
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_FULLSCREEN);
    pump(50);
    EXPECT_EQ(std::vector<WPARAM>{1}, told);

    pView->SetFocus();
    PressKey(VK_ESCAPE);
    for (int i = 0; i < 20 && pFrame->GetFullScreenView().IsFullScreen(); i++)
        pump(50);
    EXPECT_FALSE(pFrame->GetFullScreenView().IsFullScreen());
    EXPECT_EQ((std::vector<WPARAM>{1, 0}), told);
    EXPECT_TRUE(pFrame->GetStateWnd().IsWindowVisible());
    EXPECT_EQ((DWORD)WS_CAPTION, pFrame->GetStyle() & WS_CAPTION);
    CRect rectAfter;
    pFrame->GetWindowRect(&rectAfter);
    EXPECT_EQ(rectBefore, rectAfter);

    // Closed in full screen: the next start shows the bars again.
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_FULLSCREEN);
    pump(50);
    ASSERT_TRUE(pFrame->GetFullScreenView().IsFullScreen());
    pFrame->PostMessage(WM_CLOSE);
    ASSERT_TRUE(PumpUntil([&] { return App().m_pMainWnd == NULL; }, 5000));
    delete App().m_pDocManager;
    App().m_pDocManager = NULL;
    StartAgain();
    pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    PumpMessages(50);
    EXPECT_TRUE(pFrame->GetStateWnd().IsWindowVisible());
    EXPECT_TRUE(pFrame->GetDefaultToolBar(CMainFrame::toolbarMain)->IsWindowVisible());
    EXPECT_TRUE(pFrame->GetMenuBar()->IsWindowVisible());
}

// In full screen the frame's caption is gone from the screen, not only from the style, and the
// floating button that leaves it speaks German.
TEST_F(FirstStart, FullScreenLeavesNoCaptionStripAndSpeaksGerman)
{
    StartAgain();
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    pFrame->SetForegroundWindow();
    PumpAsTheApplication(100);
    // Where the caption stood, and its gradient at a point across it.
    const CRect rectCaption = SECCaptionPainter::CaptionRect(pFrame);
    const COLORREF clrFrom = ::GetSysColor(COLOR_ACTIVECAPTION);
    const COLORREF clrTo = ::GetSysColor(COLOR_GRADIENTACTIVECAPTION);
    auto gradientAt = [&](int x) {
        const double f = (double)(x - rectCaption.left) / std::max<LONG>(rectCaption.Width(), 1);
        return RGB(GetRValue(clrFrom) + f * (GetRValue(clrTo) - GetRValue(clrFrom)),
                   GetGValue(clrFrom) + f * (GetGValue(clrTo) - GetGValue(clrFrom)),
                   GetBValue(clrFrom) + f * (GetBValue(clrTo) - GetBValue(clrFrom)));
    };
    // Samples of the caption's right half, where no title is written; in the frame's window.
    auto captionSamples = [&]() {
        int nCaption = 0;
        HDC hDC = ::GetWindowDC(pFrame->m_hWnd);
        const int y = rectCaption.top + rectCaption.Height() / 2;
        for (int x = rectCaption.left + rectCaption.Width() / 2; x < rectCaption.right - 4; x += 8)
        {
            const COLORREF c = ::GetPixel(hDC, x, y), g = gradientAt(x);
            nCaption += abs(GetRValue(c) - GetRValue(g)) < 24 && abs(GetGValue(c) - GetGValue(g)) < 24 &&
                        abs(GetBValue(c) - GetBValue(g)) < 24;
        }
        ::ReleaseDC(pFrame->m_hWnd, hDC);
        return nCaption;
    };
    const int nSamples = (rectCaption.Width() / 2 - 4) / 8;
    ASSERT_GT(nSamples, 20);
    EXPECT_GT(captionSamples(), nSamples * 8 / 10) << "the caption as the frame paints it";

    pFrame->SendMessage(WM_COMMAND, ID_VIEW_FULLSCREEN);
    PumpAsTheApplication(300);
    ASSERT_TRUE(pFrame->GetFullScreenView().IsFullScreen());
    EXPECT_LT(captionSamples(), nSamples / 10) << "no strip of the caption over the page";

    // The floating frame's caption and the button's tip.
    CControlBar* pBar = pFrame->GetFullScreenView().GetFSToolBar();
    ASSERT_TRUE(pBar != NULL);
    CString title;
    pBar->GetParentFrame()->GetWindowText(title);
    EXPECT_STREQ("Ganzseitenansicht", title);
    TOOLTIPTEXTA tip = {};
    tip.hdr.hwndFrom = pBar->m_hWnd;
    tip.hdr.idFrom = ID_SEC_FULLSCREEN_CLOSE;
    tip.hdr.code = TTN_NEEDTEXTA;
    pFrame->GetFullScreenView().SendMessage(WM_NOTIFY, ID_SEC_FULLSCREEN_CLOSE, (LPARAM)&tip);
    EXPECT_STREQ("Ganzseitenansicht beenden", tip.szText);
    pFrame->SendMessage(WM_COMMAND, ID_SEC_FULLSCREEN_CLOSE);
    PumpAsTheApplication(100);
    EXPECT_FALSE(pFrame->GetFullScreenView().IsFullScreen());
}

TEST_F(FirstStart, WorkspaceKeepsTheBarLayoutButNoRecordings)
{
    MessageBoxes boxes; // none expected
    StartAgain();
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    ASSERT_TRUE(pFrame->GetWorkspaceManager() != NULL);
    EXPECT_TRUE(pFrame->GetWorkspaceManager()->IsKindOf(RUNTIME_CLASS(CMyWorkspaceEx)));
    // A saved recording stays open; the state window and the zoom toolbar are hidden.
    ASSERT_EQ(1u, OpenDocuments().size());
    const std::string path = TempFolder() + "\\kept.hlv";
    ASSERT_TRUE(OpenDocuments()[0]->OnSaveDocument(path.c_str()));
    OpenDocuments()[0]->SetPathName(path.c_str(), FALSE);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATEWND);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_TB_ZOOM);
    PumpMessages(20);
    ASSERT_FALSE(pFrame->GetStateWnd().IsWindowVisible());
    ASSERT_FALSE(pFrame->GetDefaultToolBar(CMainFrame::toolbarZoom)->IsWindowVisible());

    pFrame->PostMessage(WM_CLOSE);
    ASSERT_TRUE(PumpUntil([&] { return App().m_pMainWnd == NULL; }, 5000));
    // The file holds a workspace tree.
    FILE* pFile = fopen(WorkspaceFile().c_str(), "rb");
    ASSERT_TRUE(pFile != NULL);
    std::string text(4096, '\0');
    text.resize(fread(&text[0], 1, text.size(), pFile));
    fclose(pFile);
    EXPECT_NE(std::string::npos, text.find("WorkState_v1_2"));
    EXPECT_EQ(std::string::npos, text.find("kept.hlv")) << "no recording in the workspace";

    // The next start: the same bars, only the new recording of the start.
    delete App().m_pDocManager;
    App().m_pDocManager = NULL;
    StartAgain();
    pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    PumpMessages(50);
    EXPECT_FALSE(pFrame->GetStateWnd().IsWindowVisible());
    EXPECT_TRUE(pFrame->GetMeasureTableWnd().IsWindowVisible());
    ASSERT_TRUE(pFrame->GetMeasureTableWnd().m_pDockBar != NULL);
    EXPECT_EQ(AFX_IDW_DOCKBAR_BOTTOM, pFrame->GetMeasureTableWnd().m_pDockBar->GetDlgCtrlID());
    for (int i = CMainFrame::toolbarMain; i <= CMainFrame::toolbarZoom; i++)
    {
        SCOPED_TRACE(i);
        ASSERT_TRUE(pFrame->GetDefaultToolBar(i) != NULL);
        EXPECT_EQ(i != CMainFrame::toolbarZoom, pFrame->GetDefaultToolBar(i)->IsWindowVisible() != FALSE);
    }
    ASSERT_EQ(1u, OpenDocuments().size());
    EXPECT_TRUE(OpenDocuments()[0]->GetPathName().IsEmpty());
    EXPECT_TRUE(pFrame->IsWindowVisible());
    EXPECT_EQ(0u, boxes.Shown().size());
}
} // namespace

namespace
{
// The left edge of an item's image cell in the open popup, read from the screen, and whether
// the item was checked then.
struct ImageCellSeen
{
    UINT nID = 0;
    bool bSeen = false;
    bool bChecked = false;
    std::vector<COLORREF> edge; // the cell's left column, top to bottom
    int cyCell = 0;
};
ImageCellSeen* g_pCellSeen = NULL;

void CALLBACK ReadImageCell(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hPopup = ::FindWindow(_T("#32768"), NULL);
    if (hPopup == NULL || !::IsWindowVisible(hPopup) || g_pCellSeen == NULL)
        return;
    ::KillTimer(NULL, nTimer);
    ImageCellSeen& seen = *g_pCellSeen;
    seen.bSeen = true;
    ::UpdateWindow(hPopup);
    HMENU hMenu = (HMENU)::SendMessage(hPopup, MN_GETHMENU, 0, 0);
    for (int i = 0; i < ::GetMenuItemCount(hMenu); i++)
    {
        if (::GetMenuItemID(hMenu, i) != seen.nID)
            continue;
        seen.bChecked = (::GetMenuState(hMenu, (UINT)i, MF_BYPOSITION) & MF_CHECKED) != 0;
        CRect rect;
        ::GetMenuItemRect(hPopup, hMenu, (UINT)i, &rect);
        ::MapWindowPoints(NULL, hPopup, (LPPOINT)&rect, 2);
        // The image cell: image height + 4, centred in the item.
        const int yCell = rect.top + (rect.Height() - seen.cyCell) / 2;
        HDC hDC = ::GetDC(hPopup);
        for (int y = yCell; y < yCell + seen.cyCell; y++)
            seen.edge.push_back(::GetPixel(hDC, rect.left, y));
        ::ReleaseDC(hPopup, hDC);
    }
    ::EndMenu();
}

// Drops a menu of the menu bar and reads the image cell of one of its items.
ImageCellSeen OpenMenuAndReadCell(CMainFrame* pFrame, const char* title, UINT nID)
{
    ImageCellSeen seen;
    seen.nID = nID;
    seen.cyCell = pFrame->GetToolBarManager()->GetBmpMgr()->GetSmallSize().cy + 4;
    SECMenuBar* pBar = pFrame->GetMenuBar();
    for (int i = 0; i < pBar->GetBtnCount(); i++)
    {
        SECStdBtn* pBtn = pBar->GetButton(i);
        // The bar holds the menus of both menu sets; those of the other set are hidden.
        if (pBtn->m_nType != SECStdBtn::BtnMenu || pBtn->HasStyle(TBBS_HIDDEN) ||
            static_cast<SECTBMenuBtn*>(pBtn)->m_strText != title)
            continue;
        g_pCellSeen = &seen;
        UINT_PTR nTimer = ::SetTimer(NULL, 0, 50, ReadImageCell);
        pBar->OpenButtonMenu(i);
        PumpUntil([&] { return seen.bSeen; }, 5000);
        ::KillTimer(NULL, nTimer);
        g_pCellSeen = NULL;
        break;
    }
    PumpMessages(20);
    return seen;
}
} // namespace

// A toggled command's item (F2's here) shows its state in the menu as its toolbar button does.
TEST_F(FirstStart, ToggledCommandsShowTheirStateInTheMenus)
{
    StartAgain();
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    PumpMessages(50);
    BOOL bFlat = FALSE;
    ::SystemParametersInfo(SPI_GETFLATMENU, 0, &bFlat, 0);
    // The checked cell's frame: the selection colour in flat menus, a sunken edge in 3-D ones.
    const COLORREF clrFrame = ::GetSysColor(bFlat ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW);
    for (bool bShown : {true, false})
    {
        SCOPED_TRACE(bShown ? "parameter bar shown" : "parameter bar hidden");
        EXPECT_EQ(bShown, pFrame->GetMeasureTableWnd().IsWindowVisible() != FALSE);
        ImageCellSeen seen = OpenMenuAndReadCell(pFrame, "&Ansicht", ID_VIEW_PARAMETER);
        ASSERT_TRUE(seen.bSeen);
        ASSERT_EQ((size_t)seen.cyCell, seen.edge.size());
        EXPECT_EQ(bShown, seen.bChecked) << "the command's update checks the item";
        // The last row is the bottom line's: a sunken edge has it light.
        for (size_t i = 0; i + 1 < seen.edge.size(); i++)
            EXPECT_EQ(bShown ? clrFrame : ::GetSysColor(COLOR_MENU), seen.edge[i]) << "row " << i;
        pFrame->SendMessage(WM_COMMAND, ID_VIEW_PARAMETER); // F2
        PumpMessages(20);
    }
}
