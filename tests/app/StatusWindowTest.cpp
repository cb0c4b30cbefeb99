// The live status in the state bar, with the whole program against the simulated station: the
// displays, texts and lamps the station's values give, expert mode, a recording from a file, and
// the dialog filling the bar when its edge is dragged.
#include "AppIds.h"
#include "FirstStart.h"
#include "StationWrites.h"
#include "app/IRControlView.h"
#include "app/IRStatusDlg.h"
#include "app/MainFrame.h"
#include "station/record/IRControlDoc.h"
#include "uilib/frames/docking/DockBar.h"
#include "../uilib/frames/DragInput.h"

using namespace testing_support;

namespace
{
CIRControlApp& App()
{
    return *GetIRControlApp();
}

// A display's text as it shows: in capitals.
std::string DisplayText(CIRStatusDlg::Display nDisplay)
{
    CString strText = CIRStatusDlg::GetDisplay(nDisplay).GetText();
    strText.MakeUpper();
    return (LPCSTR)strText;
}

class StatusWindow : public FirstStart
{
  protected:
    void TearDown() override
    {
        FirstStart::TearDown();
        ::DeleteFileA(ExpertWorkspaceFile().c_str());
        // Later tests of the process configure the program without starting it again.
        App().m_lpCmdLine = (LPTSTR) "";
        App().m_bExpertMode = FALSE;
    }
    static std::string ExpertWorkspaceFile()
    {
        return std::string(CConfig::GetModuleDirectory()) + "VAZovIni.wsp";
    }
    // The program started as a user does, the station simulated with these options; returns when
    // the first recording polls the station.
    void StartWith(const std::string& options, bool bExpert = false)
    {
        ::DeleteFileA(ExpertWorkspaceFile().c_str());
        ASSERT_TRUE(m_sim.Start(StationSimulator::kPort, options));
        WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "FirstStart", 0);
        WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "AutoRecord", 2);
        App().m_lpCmdLine = (LPTSTR)(bExpert ? "-expert" : "");
        ASSERT_TRUE(App().InitInstance());
        m_pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
        ASSERT_TRUE(m_pFrame != NULL);
        m_pDlg = m_pFrame->GetStateWnd().GetStatusDlg();
        ASSERT_TRUE(m_pDlg != NULL && m_pDlg->m_hWnd != NULL);
        m_pView = ActiveRecording(m_pFrame);
        ASSERT_TRUE(m_pView != NULL);
        ASSERT_TRUE(PumpUntil([&] { return m_pView->IsRegisteredForTicks(); }, 10000));
    }
    std::string Text(UINT nID) const
    {
        CString strText;
        if (CWnd* pControl = m_pDlg->GetDlgItem(nID))
            pControl->GetWindowText(strText);
        return (LPCSTR)strText;
    }
    bool Shown(UINT nID) const
    {
        CWnd* pControl = m_pDlg->GetDlgItem(nID);
        return pControl != NULL && (pControl->GetStyle() & WS_VISIBLE) != 0;
    }
    // The lamp's state; a pair showing both or neither fails.
    bool Lit(UINT nOffId, UINT nOnId) const
    {
        EXPECT_NE(Shown(nOffId), Shown(nOnId)) << "lamp " << nOnId;
        return Shown(nOnId);
    }
    bool ShowsLiveValues(const char* temperature = "25.0C") const
    {
        return DisplayText(CIRStatusDlg::TemperatureDisplay) == temperature &&
               Text(IDC_STATUS_VERSION) == "1.71";
    }
    CIRStatusDlg* m_pDlg = NULL;
};

TEST_F(StatusWindow, ShowsTheStationWithinTwoSeconds)
{
    StartWith("");
    const ULONGLONG start = NowMs();
    EXPECT_TRUE(PumpUntil([&] { return ShowsLiveValues() && Text(IDC_STATUS_SERIAL) == "1000"; }, 2500))
        << "after " << NowMs() - start << " ms";
    EXPECT_EQ("25.0C", DisplayText(CIRStatusDlg::TemperatureDisplay));
    EXPECT_EQ("BEREIT", DisplayText(CIRStatusDlg::StateDisplay));
    EXPECT_EQ("-----", DisplayText(CIRStatusDlg::MessageDisplay));
    EXPECT_EQ("1.71", Text(IDC_STATUS_VERSION));
    EXPECT_EQ("1000", Text(IDC_STATUS_SERIAL));
    EXPECT_EQ("1", Text(IDC_STATUS_PROGRAM));
    EXPECT_EQ("TE-Sensor", Text(IDC_STATUS_SENSOR));
    // Nothing running: every lamp shows the cross.
    const UINT lamps[][2] = {{IDC_LAMP_PUMP_OFF, IDC_LAMP_PUMP_ON},
                             {IDC_LAMP_FAN_OFF, IDC_LAMP_FAN_ON},
                             {IDC_LAMP_PIPETTE_OFF, IDC_LAMP_PIPETTE_ON},
                             {IDC_LAMP_SWIVEL_OFF, IDC_LAMP_SWIVEL_ON},
                             {IDC_LAMP_TOP_OFF, IDC_LAMP_TOP_ON},
                             {IDC_LAMP_BOTTOM_OFF, IDC_LAMP_BOTTOM_ON},
                             {IDC_LAMP_CALIBRATION_OFF, IDC_LAMP_CALIBRATION_ON}};
    for (const auto& lamp : lamps)
        EXPECT_FALSE(Lit(lamp[0], lamp[1])) << lamp[1];
    // Outside expert mode the expert group stays hidden though values came.
    for (UINT nID : {IDC_STATUS_EXPERT_GROUP, IDC_STATUS_MODULE_TIME, IDC_STATUS_MODULE_TIME_LABEL,
                     IDC_STATUS_IR_HOURS, IDC_STATUS_TOP_HOURS, IDC_STATUS_LP_TEMPERATURE, IDC_STATUS_PM})
        EXPECT_FALSE(Shown(nID)) << nID;
}

// Station values preset in the simulator and what the dialog makes of them.
TEST_F(StatusWindow, StationValuesReachTheLampsAndDisplays)
{
    const struct
    {
        std::string options;
        UINT nOffId, nOnId; // the lamp that must be lit
        const char* message;
        const char* state;
    } cases[] = {
        {PresetVars({{StationVar::SensorFactorTE, "1.1"}}), IDC_LAMP_CALIBRATION_OFF, IDC_LAMP_CALIBRATION_ON,
         "-----", "BEREIT"},
        {PresetVars({{StationVar::SensorType, "1"}, {StationVar::SensorFactorIR, "0.9"}}),
         IDC_LAMP_CALIBRATION_OFF, IDC_LAMP_CALIBRATION_ON, "-----", "BEREIT"},
        {PresetVars({{StationVar::Message, "0"}, {StationVar::BottomHeaterActive, "1"}}), IDC_LAMP_BOTTOM_OFF,
         IDC_LAMP_BOTTOM_ON, "INNENTEMP", "FEHLER"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.options);
        StartWith(c.options);
        EXPECT_TRUE(PumpUntil([&] { return Lit(c.nOffId, c.nOnId); }, 2500));
        EXPECT_TRUE(PumpUntil([&] { return DisplayText(CIRStatusDlg::MessageDisplay) == c.message; }, 2500));
        EXPECT_EQ(c.state, DisplayText(CIRStatusDlg::StateDisplay));
        TearDown();
        SetUp();
    }
    // The IR sensor's calibration is variable 5: variable 4 then does not light the lamp.
    StartWith(PresetVars({{StationVar::SensorType, "1"}, {StationVar::SensorFactorTE, "1.1"}}));
    EXPECT_TRUE(PumpUntil([&] { return Text(IDC_STATUS_SENSOR) == "IR-Sensor"; }, 2500));
    PumpMessages(300);
    EXPECT_FALSE(Lit(IDC_LAMP_CALIBRATION_OFF, IDC_LAMP_CALIBRATION_ON));
}

TEST_F(StatusWindow, ProcessLampsFollowTheStation)
{
    StartWith("--process");
    // Heating: the heater and the arm are in.
    EXPECT_TRUE(PumpUntil([&] { return Lit(IDC_LAMP_TOP_OFF, IDC_LAMP_TOP_ON); }, 4000));
    EXPECT_TRUE(Lit(IDC_LAMP_SWIVEL_OFF, IDC_LAMP_SWIVEL_ON));
    EXPECT_FALSE(Lit(IDC_LAMP_FAN_OFF, IDC_LAMP_FAN_ON));
    // At the end of the process the fan cools and the heater has swung out.
    EXPECT_TRUE(PumpUntil([&] { return Lit(IDC_LAMP_FAN_OFF, IDC_LAMP_FAN_ON); }, 20000));
    EXPECT_EQ("PROZESSENDE", DisplayText(CIRStatusDlg::StateDisplay));
    EXPECT_FALSE(Lit(IDC_LAMP_TOP_OFF, IDC_LAMP_TOP_ON));
    EXPECT_FALSE(Lit(IDC_LAMP_SWIVEL_OFF, IDC_LAMP_SWIVEL_ON));
}

TEST_F(StatusWindow, ExpertModeShowsTheExpertDataAndPmFromFirmware171)
{
    const struct
    {
        const char* firmware;
        bool bPm;
    } cases[] = {{"1.71", true}, {"1.68", false}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.firmware);
        StartWith(PresetVars({{StationVar::LPTemperature, "183.4"}}) + " --firmware " + c.firmware, true);
        // The operating hours come every second, with variables 52 and 53 from 1.71.
        EXPECT_TRUE(PumpUntil([&] { return Text(IDC_STATUS_IR_HOURS) == "2 h 5 min"; }, 3000));
        PumpMessages(1200);
        EXPECT_TRUE(Shown(IDC_STATUS_EXPERT_GROUP));
        EXPECT_TRUE(Shown(IDC_STATUS_LP_TEMPERATURE));
        EXPECT_EQ("183.4\xB0"
                  "C",
                  Text(IDC_STATUS_LP_TEMPERATURE));
        EXPECT_EQ("0 h 7 min", Text(IDC_STATUS_TOP_HOURS));
        EXPECT_EQ(8u, Text(IDC_STATUS_MODULE_TIME).size()) << Text(IDC_STATUS_MODULE_TIME);
        EXPECT_EQ(c.bPm, Shown(IDC_STATUS_PM));
        if (c.bPm)
        {
            EXPECT_EQ("250.0\xB0"
                      "C\nPm = 0.0",
                      Text(IDC_STATUS_PM));
        }
        TearDown();
        SetUp();
    }
}

TEST_F(StatusWindow, ARecordingFromAFileShowsNoStation)
{
    StartWith("");
    ASSERT_TRUE(PumpUntil([&] { return ShowsLiveValues(); }, 2500));
    CMDIChildWnd* pLive = m_pFrame->MDIGetActive();
    const std::string path = TempFolder() + "\\status.hlv";
    ASSERT_TRUE(m_pView->GetDocument()->OnSaveDocument(path.c_str()));
    ASSERT_TRUE(App().OpenDocumentFile(path.c_str()) != NULL);
    ASSERT_NE(pLive, m_pFrame->MDIGetActive());
    EXPECT_TRUE(PumpUntil([&] { return DisplayText(CIRStatusDlg::TemperatureDisplay) == "---.-C"; }, 1000));
    EXPECT_EQ("-----", DisplayText(CIRStatusDlg::StateDisplay));
    EXPECT_EQ("-----", DisplayText(CIRStatusDlg::MessageDisplay));
    PumpMessages(1200);
    EXPECT_EQ("---.-C", DisplayText(CIRStatusDlg::TemperatureDisplay));

    m_pFrame->MDIActivate(pLive);
    EXPECT_TRUE(PumpUntil([&] { return ShowsLiveValues(); }, 2500));
    ::DeleteFileA(path.c_str());
}

TEST_F(StatusWindow, TheDialogFillsTheBarWhenItsEdgeIsDragged)
{
    using namespace drag_input;
    StartWith("");
    CStateWnd& bar = m_pFrame->GetStateWnd();
    ASSERT_TRUE(bar.IsWindowVisible());
    SECDockBar* pDock = dynamic_cast<SECDockBar*>(bar.m_pDockBar);
    ASSERT_TRUE(pDock != NULL);
    const SECDockBar::Splitter* pEdge = NULL;
    for (int i = 0; i < pDock->GetSplitterCount(); i++)
        if (pDock->GetSplitter(i)->m_nKind == SECDockBar::Splitter::kindRow)
            pEdge = pDock->GetSplitter(i);
    ASSERT_TRUE(pEdge != NULL);
    CRect before;
    bar.GetWindowRect(&before);

    CPoint pt = pEdge->m_rect.CenterPoint();
    pDock->ClientToScreen(&pt);
    m_pFrame->SetForegroundWindow();
    ::SetCursorPos(pt.x, pt.y);
    SendMouse(0, &pt);
    PumpMessages(50);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    const CPoint ptHalf = pt + CSize(-20, 0), ptEnd = pt + CSize(-40, 0);
    SendMouse(0, &ptHalf);
    SendMouse(0, &ptEnd);
    SendMouse(MOUSEEVENTF_LEFTUP);
    const UINT_PTR nWatchdog = ::SetTimer(NULL, 0, 3000, DropCapture);
    PumpMessages(300);
    ::KillTimer(NULL, nWatchdog);
    // The frame lays its bars out again when the program's loop idles.
    App().OnIdle(0);
    PumpMessages(50);

    CRect after;
    bar.GetWindowRect(&after);
    EXPECT_NEAR(before.Width() + 40, after.Width(), 2);
    CRect inside, dialog;
    bar.CalcChildArea(inside);
    m_pDlg->GetWindowRect(&dialog);
    bar.ScreenToClient(&dialog);
    EXPECT_EQ(inside, dialog);
}

// The bar's background: its inside is erased in the button face colour. The window class's brush
// is swapped for another colour meanwhile, so only the bar's own fill can give the button face.
TEST_F(StatusWindow, TheBarErasesItsInsideInTheButtonFace)
{
    StartWith("");
    CStateWnd& bar = m_pFrame->GetStateWnd();
    CRect client, inside;
    bar.GetClientRect(&client);
    bar.CalcChildArea(inside);
    ASSERT_FALSE(inside.IsRectEmpty());
    const COLORREF kBefore = RGB(0, 128, 255), kClassBrush = RGB(255, 0, 255);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    ASSERT_NE(face, kBefore);
    ASSERT_NE(face, kClassBrush);

    HDC hScreen = ::GetDC(NULL);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, client.Width(), client.Height());
    ::ReleaseDC(NULL, hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    HBRUSH hBefore = ::CreateSolidBrush(kBefore);
    ::FillRect(hMem, &client, hBefore);
    HBRUSH hClass = ::CreateSolidBrush(kClassBrush);
    const ULONG_PTR oldBrush = ::SetClassLongPtrA(bar.m_hWnd, GCLP_HBRBACKGROUND, (LONG_PTR)hClass);
    const LRESULT lErased = bar.SendMessage(WM_ERASEBKGND, (WPARAM)hMem);
    ::SetClassLongPtrA(bar.m_hWnd, GCLP_HBRBACKGROUND, (LONG_PTR)oldBrush);
    EXPECT_TRUE(lErased);
    const POINT points[] = {{inside.left, inside.top},
                            {inside.right - 1, inside.top},
                            {inside.left, inside.bottom - 1},
                            {inside.right - 1, inside.bottom - 1},
                            {inside.CenterPoint().x, inside.CenterPoint().y}};
    for (const POINT& pt : points)
        EXPECT_EQ(face, ::GetPixel(hMem, pt.x, pt.y)) << pt.x << "," << pt.y;
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::DeleteObject(hBefore);
    ::DeleteObject(hClass);
}
} // namespace
