// The recording view against the station simulator: connecting, the job schedule as the station
// sees it, going offline when the station is missing or silent, and closing while polling.
#include "AppIds.h"
#include "DeviceSimulator.h"
#include "ProgramKey.h"
#include "Rgn.h"
#include "SerialNumberPrompt.h"
#include "BoxCounter.h"
#include "StationWrites.h"
#include "TestSupport.h"
#include "CreateContext.h"
#include "app/IRControlApp.h"
#include "app/DrawSettingsSheet.h"
#include "app/IRControlView.h"
#include "app/LongLifeTestDlg.h"
#include "station/link/CommThreads.h"
#include "station/link/IRComBase.h"
#include "station/record/DrawLine.h"
#include "station/record/DrawText.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureCurve.h"
#include "station/record/MeasureValue.h"
#include "station/record/ProcessStateCurve.h"
#include "station/record/ProcessStateValues.h"
#include <cmath>
#include <deque>
#include <map>
#include <sstream>

using namespace testing_support;

namespace
{
CIRControlApp& App()
{
    return *GetIRControlApp();
}

// A request as the station saw it, named after the job that sends it: "1" the status block,
// "24" the operating hours and "24b" variables 52-53 of the same job, "c" a store command, "p" a
// baud probe, "18" the baud write.
std::string JobOf(const std::string& frame)
{
    std::istringstream in(frame);
    std::vector<unsigned> b;
    unsigned byte;
    while (in >> std::hex >> byte)
        b.push_back(byte);
    if (b.size() < 6)
        return "?";
    unsigned reg = b[3] | b[4] << 8;
    if (b[1] == 0x20)
        return "p";
    if (b[1] == 0x40)
        return "18";
    using namespace StationVar;
    static const std::map<unsigned, std::string> reads = {
        {StatusFirst, "1"},     {ClockFirst, "0"},     {ProcessFirst, "14"},
        {SetupFirst, "15"},     {LimitsFirst, "16"},   {OperatingTimeFirst, "24"},
        {CountersFirst, "24b"}, {LongLifeFirst, "25"}, {FirmwareVersion, "19"}};
    static const std::map<unsigned, std::string> writes = {
        {PipetteCalibration, "9"}, {BuzzerMode, "10"}, {Commit, "c"}, {StationPassword, "4"}};
    const auto& table = b[1] == '/' ? reads : writes;
    auto it = table.find(reg);
    return it != table.end() ? it->second : "?" + std::to_string(reg);
}

std::vector<std::string> JobsFrom(const StationSimulator& sim, size_t nFrom)
{
    std::vector<std::string> jobs;
    std::vector<std::string> requests = sim.Requests();
    for (size_t i = nFrom; i < requests.size(); i++)
        jobs.push_back(JobOf(requests[i]));
    return jobs;
}

int CountOf(const std::vector<std::string>& jobs, const std::string& job)
{
    return (int)std::count(jobs.begin(), jobs.end(), job);
}

// The view with its mirror of the station open to the tests.
class CProbeView : public CIRControlView
{
  public:
    void SetRecordingForTest(BOOL bRecording)
    {
        m_bRecording = bRecording;
    }
    CLongLifeTestDlg* LongLifeDlg() const
    {
        return m_pLongLifeDlg;
    }
    void SetVar(int nVariable, float fValue)
    {
        m_fStation[nVariable] = fValue;
    }
    // One tick as the timer posts it, with the mirror as the test set it.
    void Tick(std::initializer_list<std::pair<int, float>> vars)
    {
        for (const auto& v : vars)
            SetVar(v.first, v.second);
        SendMessage(WM_COMM_TICK);
    }
};

// The view in a frame of its own, as the document template would make it.
struct ViewInFrame
{
    CFrameWnd* pFrame = NULL;
    CProbeView* pView = NULL;
};

// The state an update handler gives a command.
struct CommandState
{
    bool enabled;
    int check;
};
CommandState StateOf(CCmdTarget* pTarget, UINT nId)
{
    struct CStateUI : CCmdUI
    {
        void Enable(BOOL bOn) override
        {
            bEnabled = bOn;
        }
        void SetCheck(int nCheck) override
        {
            nChecked = nCheck;
        }
        BOOL bEnabled = -1;
        int nChecked = -1;
    } ui;
    ui.m_nID = nId;
    EXPECT_TRUE(pTarget->OnCmdMsg(nId, CN_UPDATE_COMMAND_UI, &ui, NULL));
    return {ui.bEnabled == TRUE, ui.nChecked};
}

// The floats of the station's replies to block reads of the register, oldest first.
std::vector<std::vector<float>> Replies(const StationSimulator& sim, unsigned reg)
{
    std::vector<std::vector<float>> replies;
    std::vector<std::string> log = sim.Log();
    for (size_t i = 0; i + 1 < log.size(); i++)
    {
        std::vector<unsigned> rx, tx;
        for (auto pair : {std::make_pair(&log[i], &rx), std::make_pair(&log[i + 1], &tx)})
        {
            size_t open = pair.first->find('[');
            if (open == std::string::npos)
                break;
            std::istringstream in(pair.first->substr(open + 1, pair.first->find(']') - open - 1));
            unsigned byte;
            while (in >> std::hex >> byte)
                pair.second->push_back(byte);
        }
        if (log[i].compare(0, 3, "rx ") != 0 || log[i + 1].compare(0, 3, "tx ") != 0 || rx.size() < 6 ||
            rx[1] != '/' || (rx[3] | rx[4] << 8) != reg || tx.size() < 8)
            continue;
        std::vector<float> values;
        for (size_t at = 6; at + 4 <= tx.size() - 2; at += 4)
            values.push_back(
                CommJobFloat(tx[at] | tx[at + 1] << 8 | tx[at + 2] << 16 | (DWORD)tx[at + 3] << 24));
        replies.push_back(values);
    }
    return replies;
}

class RecordingView : public ProgramKeyTest
{
  protected:
    void SetUp() override
    {
        ProgramKeyTest::SetUp();
        // Communication goes on by command only.
        WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "AutoCom", 0);
        App().CreateConfiguration();
        App().InstallServices();
        App().GetInterfaces().RemoveAll();
    }
    void TearDown() override
    {
        for (ViewInFrame& v : m_views)
            Close(v);
        for (CIRControlDoc* pDoc : m_docs)
            delete pDoc;
        EXPECT_FALSE(IsCommWorkerRunning());
        EXPECT_FALSE(IsCommTimerRunning());
        App().GetInterfaces().RemoveAll();
        m_sim.Stop();
        m_sim2.Stop();
        ProgramKeyTest::TearDown();
    }
    void AddInterface(int nPort, BOOL bUsb = FALSE)
    {
        STRUCT_SERIAL_INTERFACE serial = {};
        serial.dwBaudRate = 9600;
        serial.nDataBits = 8;
        serial.nParity = parityNone;
        serial.nStopBits = stopBitsOne;
        serial.nPortNumber = nPort;
        serial.nQueueIndex = (int)App().GetInterfaces().GetCount();
        serial.strPortName.Format("COM%d", nPort);
        serial.strDescription = bUsb ? "QM240D USB Serial Port" : "Kommunikationsanschluss";
        serial.dwReadTimeout = 100;
        serial.dwReadTimeoutMul = 5;
        serial.dwReadTimeoutConstant = 100;
        serial.dwWriteTimeoutMul = 5;
        serial.dwWriteTimeoutConstant = 100;
        serial.bUseInterface = TRUE;
        serial.bUsbDevice = bUsb;
        App().GetInterfaces().SetAt((int)App().GetInterfaces().GetCount(), serial);
    }
    ViewInFrame& Open()
    {
        CIRControlDoc* pDoc = new CIRControlDoc;
        pDoc->m_bAutoDelete = FALSE;
        pDoc->SetTitle("Aufnahme");
        m_docs.push_back(pDoc);
        ViewInFrame v;
        v.pFrame = new CFrameWnd;
        EXPECT_TRUE(
            v.pFrame->Create(NULL, "Aufnahme", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 600)));
        v.pView = new CProbeView;
        CCreateContext context;
        context.m_pCurrentDoc = pDoc;
        EXPECT_TRUE(v.pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 700, 500), v.pFrame,
                                    AFX_IDW_PANE_FIRST, &context));
        v.pView->OnInitialUpdate();
        v.pFrame->SetActiveView(v.pView);
        // The first frame is the main window: the document gives page sizes to its active view.
        if (AfxGetApp()->m_pMainWnd == NULL)
            AfxGetApp()->m_pMainWnd = v.pFrame;
        m_views.push_back(v);
        return m_views.back();
    }
    // A view on a simulated station at the port, switched on and polled.
    ViewInFrame& OpenOnline(StationSimulator& sim, int nPort, const std::string& options = std::string())
    {
        EXPECT_TRUE(sim.Start(nPort, options));
        AddInterface(nPort);
        ViewInFrame& v = Open();
        Command(v.pView, ID_COMMUNICATION);
        EXPECT_TRUE(PumpUntil([&] { return v.pView->IsRegisteredForTicks(); }, 10000));
        return v;
    }
    // Closes the frame; the view's destructor has run when this returns. Milliseconds it took.
    ULONGLONG Close(ViewInFrame& v)
    {
        ULONGLONG start = NowMs();
        if (AfxGetApp()->m_pMainWnd == v.pFrame)
            AfxGetApp()->m_pMainWnd = NULL;
        if (v.pFrame != NULL)
            v.pFrame->DestroyWindow();
        v.pFrame = NULL;
        v.pView = NULL;
        return NowMs() - start;
    }
    void Command(CIRControlView* pView, UINT nId)
    {
        pView->SendMessage(WM_COMMAND, nId);
    }
    // Configuration an administrator may change, for as long as it lives.
    struct Administrator
    {
        BOOL bBefore = App().m_bAdministrator;
        Administrator()
        {
            App().m_bAdministrator = TRUE;
        }
        ~Administrator()
        {
            App().m_bAdministrator = bBefore;
        }
    };
    StationSimulator m_sim;
    StationSimulator m_sim2;
    std::deque<ViewInFrame> m_views;
    std::vector<CIRControlDoc*> m_docs;
};

TEST_F(RecordingView, ConnectsToTheFirstInterface)
{
    AddInterface(StationSimulator::kPort);
    CIRControlView* pView = Open().pView;
    EXPECT_TRUE(pView->GetComBase() != NULL);
    EXPECT_EQ("COM7", std::string(pView->GetInterfaceName()));
    EXPECT_EQ("verbunden mit COM7", std::string(pView->GetDocument()->GetTitle())) << "no device name";
    EXPECT_EQ(9600u, pView->GetBaudRate());
    EXPECT_TRUE(IsCommWorkerRunning());
    EXPECT_TRUE(IsCommTimerRunning());
    EXPECT_FALSE(pView->IsOnline()) << "\"AutoCom\" is off by default";
}

// The title names the device and the interface the view holds, whether the link is on or off;
// an empty name leaves no blank, which would show in the file name the save dialog offers.
TEST_F(RecordingView, TitleNamesDeviceAndInterface)
{
    ASSERT_TRUE(m_sim.Start(StationSimulator::kPort));
    AddInterface(StationSimulator::kPort);
    App().GetInterfaces()[0].strDevice = "QM240D";
    ViewInFrame& v = Open();
    Command(v.pView, ID_COMMUNICATION);
    ASSERT_TRUE(PumpUntil([&] { return v.pView->IsRegisteredForTicks(); }, 10000));
    CIRControlDoc* pDoc = v.pView->GetDocument();
    EXPECT_EQ("QM240D verbunden mit COM7", std::string(pDoc->GetTitle()));
    Command(v.pView, ID_COMMUNICATION);
    ASSERT_TRUE(PumpUntil([&] { return !v.pView->IsOnline(); }, 5000));
    EXPECT_EQ("QM240D verbunden mit COM7", std::string(pDoc->GetTitle())) << "after F8 switched the link off";
}

TEST_F(RecordingView, NoInterfaceLeftWorksOffline)
{
    AddInterface(StationSimulator::kPort);
    App().GetInterfaces()[0].nQueueIndex = 1; // not reached before one was handed out
    MessageBoxes boxes;
    boxes.Expect(IDOK, "Es ist keine weitere Schnittstelle mehr verf");
    CIRControlView* pView = Open().pView;
    EXPECT_EQ(0u, boxes.Pending());
    EXPECT_TRUE(pView->GetComBase() == NULL);
    EXPECT_EQ("Aufnahme Ohne Verbindung", std::string(pView->GetDocument()->GetTitle()));
    Command(pView, ID_COMMUNICATION);
    EXPECT_FALSE(pView->IsOnline());
    EXPECT_FALSE(IsCommWorkerRunning());
}

// The schedule the station sees, by firmware: the first tick after registration, then five
// seconds of polling.
TEST_F(RecordingView, ScheduleFollowsTheTicks)
{
    const struct
    {
        const char* firmware;
        bool bBaudChange;  // job 18 before registration
        int nHourReads;    // reads of variables 50-51 per job 24
        int nCounterReads; // reads of variables 52-53 per job 24
        std::vector<std::string> firstTick;
    } cases[] = {
        {"1.71", true, 1, 1, {"1", "9", "10", "c", "14", "15", "16"}},
        {"1.68", true, 1, 0, {"1", "9", "10", "c", "14", "15", "16"}},
        {"1.5", false, 0, 0, {"1", "14", "15", "16"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.firmware);
        ASSERT_TRUE(m_sim.Start(StationSimulator::kPort, std::string("--firmware ") + c.firmware));
        App().GetInterfaces().RemoveAll();
        AddInterface(StationSimulator::kPort);
        ViewInFrame& v = Open();
        Command(v.pView, ID_COMMUNICATION);
        EXPECT_TRUE(v.pView->IsOnline());
        ASSERT_TRUE(PumpUntil([&] { return v.pView->IsRegisteredForTicks(); }, 10000));
        EXPECT_NEAR(atof(c.firmware), v.pView->GetMirroredVar(StationVar::FirmwareVersion), 1e-4);

        // Up to the registration: connect, then the baud change when the firmware has one.
        std::vector<std::string> jobs = JobsFrom(m_sim, 0);
        ASSERT_FALSE(jobs.empty());
        size_t nRegistered = std::find(jobs.begin(), jobs.end(), "18") - jobs.begin();
        EXPECT_EQ(c.bBaudChange, nRegistered < jobs.size());
        if (!c.bBaudChange)
            nRegistered = std::find(jobs.begin(), jobs.end(), "19") - jobs.begin();
        ASSERT_LT(nRegistered, jobs.size());
        // The first tick's jobs, then the steady polling.
        ASSERT_TRUE(
            PumpUntil([&] { return JobsFrom(m_sim, nRegistered + 1).size() >= c.firstTick.size(); }, 3000));
        std::vector<std::string> first = JobsFrom(m_sim, nRegistered + 1);
        first.resize(c.firstTick.size());
        EXPECT_EQ(c.firstTick, first);

        size_t nFrom = m_sim.Requests().size();
        PumpMessages(5000);
        jobs = JobsFrom(m_sim, nFrom);
        for (const char* job : {"1", "15", "14"})
            EXPECT_NEAR(5, CountOf(jobs, job), 1) << "job " << job;
        EXPECT_NEAR(5 * c.nHourReads, CountOf(jobs, "24"), c.nHourReads);
        EXPECT_NEAR(5 * c.nCounterReads, CountOf(jobs, "24b"), c.nCounterReads);
        for (const char* job : {"16", "9", "10", "0", "25", "18", "p"})
            EXPECT_EQ(0, CountOf(jobs, job)) << "job " << job;
        EXPECT_TRUE(v.pView->IsOnline());
        EXPECT_LT(Close(v), 5000u);
        m_sim.Stop();
    }
}

TEST_F(RecordingView, SamplingIntervalOfFiveSeconds)
{
    WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "ControlRate", 5);
    App().CreateConfiguration();
    ASSERT_TRUE(m_sim.Start(StationSimulator::kPort));
    AddInterface(StationSimulator::kPort);
    ViewInFrame& v = Open();
    ASSERT_EQ(5000, v.pView->GetDocument()->GetSamplingInterval());
    Command(v.pView, ID_COMMUNICATION);
    ASSERT_TRUE(PumpUntil([&] { return v.pView->IsRegisteredForTicks(); }, 10000));
    // From the first tick's sample to the next: about five polls of a second each. Counted in
    // polls, not in time, as a loaded machine delays the ticks.
    ASSERT_TRUE(PumpUntil([&] { return CountOf(JobsFrom(m_sim, 0), "14") >= 1; }, 10000));
    size_t nFrom = m_sim.Requests().size();
    ASSERT_TRUE(PumpUntil([&] { return CountOf(JobsFrom(m_sim, nFrom), "14") >= 1; }, 15000));
    std::vector<std::string> jobs = JobsFrom(m_sim, nFrom);
    jobs.resize(std::find(jobs.begin(), jobs.end(), "14") - jobs.begin());
    EXPECT_NEAR(5, CountOf(jobs, "1"), 1);
}

// Without a station: the offline message once, the view offline, the program responsive.
TEST_F(RecordingView, NoStationReportsOnce)
{
    const struct
    {
        const char* name;
        bool bSimulator;
        bool bUsb;
        int nPort;
        const char* message;
    } cases[] = {
        {"silent station", true, false, StationSimulator::kPort, "Schnittstelle ist gest"},
        {"missing USB port", false, true, 29, "USB Port ist gest"},
        {"missing port", false, false, 29, "Schnittstelle ist gest"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        if (c.bSimulator)
        {
            ASSERT_TRUE(m_sim.Start(c.nPort, "--fault silence"));
        }
        App().GetInterfaces().RemoveAll();
        AddInterface(c.nPort, c.bUsb);
        CBoxCounter boxes;
        ViewInFrame& v = Open();
        Command(v.pView, ID_COMMUNICATION);
        ASSERT_TRUE(PumpUntil([&] { return boxes.Count(c.message) == 1; }, 20000));
        PumpMessages(2000);
        EXPECT_EQ(1, boxes.Count(c.message));
        EXPECT_LE(boxes.m_texts.size(), 2u) << "besides at most one port error";
        EXPECT_FALSE(v.pView->IsOnline());
        EXPECT_FALSE(v.pView->IsRegisteredForTicks());
        EXPECT_LT(Close(v), 5000u);
        m_sim.Stop();
    }
}

// The station falls silent while the view polls it: closing does not wait for it.
TEST_F(RecordingView, ClosingWhileTheStationIsSilent)
{
    ASSERT_TRUE(m_sim.Start(StationSimulator::kPort, "--fault silence --fault-skip 12"));
    AddInterface(StationSimulator::kPort);
    CBoxCounter boxes;
    ViewInFrame& v = Open();
    Command(v.pView, ID_COMMUNICATION);
    ASSERT_TRUE(PumpUntil(
        [&] {
            std::vector<std::string> log = m_sim.Log();
            return std::find(log.begin(), log.end(), "tx silent") != log.end();
        },
        10000));
    ULONGLONG ms = Close(v);
    EXPECT_LT(ms, 5000u);
    EXPECT_FALSE(IsCommWorkerRunning());
    EXPECT_FALSE(IsCommTimerRunning());
}

// Automatic start by mode: 0 on the top heater swinging in, 1 on a rising temperature reaching
// Tinit, 2 never; each start once per edge.
TEST_F(RecordingView, AutoRecordStartsOnItsEdges)
{
    ViewInFrame& v = OpenOnline(m_sim, StationSimulator::kPort);
    CProbeView* pView = v.pView;
    // Only the test's ticks from here on: the station's results do not reach the mirror between
    // setting it and the tick.
    UnregisterCommWindow(pView->m_hWnd);
    CIRControlDoc* pDoc = pView->GetDocument();
    pDoc->SetTinit(200);
    auto stop = [&] {
        Command(pView, ID_RECORD);
        EXPECT_FALSE(pView->IsRecording());
    };

    pDoc->SetAutoRecord(0);
    pView->Tick({{StationVar::TopHeater, 0.0f}});
    EXPECT_FALSE(pView->IsRecording());
    pView->Tick({{StationVar::TopHeater, 1.0f}});
    EXPECT_TRUE(pView->IsRecording()) << "the top heater swung in";
    stop();
    pView->Tick({{StationVar::TopHeater, 1.0f}});
    EXPECT_FALSE(pView->IsRecording()) << "still in: no new edge";
    pView->Tick({{StationVar::TopHeater, 0.0f}});
    pView->Tick({{StationVar::TopHeater, 1.0f}});
    EXPECT_TRUE(pView->IsRecording()) << "swung in again";
    stop();

    pDoc->SetAutoRecord(1);
    pView->Tick({{StationVar::Temperature, 210.0f}});
    pView->Tick({{StationVar::Temperature, 201.0f}});
    EXPECT_FALSE(pView->IsRecording()) << "falling towards Tinit";
    pView->Tick({{StationVar::Temperature, 190.0f}});
    pView->Tick({{StationVar::Temperature, 196.0f}});
    EXPECT_FALSE(pView->IsRecording()) << "4 degrees below";
    pView->Tick({{StationVar::Temperature, 198.0f}});
    EXPECT_TRUE(pView->IsRecording()) << "rising to 198";
    stop();

    pDoc->SetAutoRecord(2);
    pView->Tick({{StationVar::TopHeater, 0.0f}, {StationVar::Temperature, 190.0f}});
    pView->Tick({{StationVar::TopHeater, 1.0f}, {StationVar::Temperature, 199.0f}});
    EXPECT_FALSE(pView->IsRecording());
}

// Two stations: each view has its own interface, its own previous temperature, and the threads
// run until the last connected view is gone.
TEST_F(RecordingView, TwoViewsOnTwoStations)
{
    const int kSecondPort = PendixSimulator::kPort;
    ViewInFrame& a = OpenOnline(m_sim, StationSimulator::kPort);
    ViewInFrame& b = OpenOnline(m_sim2, kSecondPort);
    EXPECT_EQ("COM7", std::string(a.pView->GetInterfaceName()));
    EXPECT_EQ("COM8", std::string(b.pView->GetInterfaceName()));
    EXPECT_EQ(2, App().GetInterfacesHandedOut());

    for (ViewInFrame* v : {&a, &b})
    {
        UnregisterCommWindow(v->pView->m_hWnd);
        v->pView->GetDocument()->SetAutoRecord(1);
        v->pView->GetDocument()->SetTinit(200);
    }
    a.pView->Tick({{StationVar::Temperature, 190.0f}});
    b.pView->Tick({{StationVar::Temperature, 190.0f}});
    a.pView->Tick({{StationVar::Temperature, 199.0f}});
    EXPECT_TRUE(a.pView->IsRecording());
    b.pView->Tick({{StationVar::Temperature, 198.0f}});
    EXPECT_TRUE(b.pView->IsRecording()) << "its own station rose from 190 to 198";

    EXPECT_LT(Close(a), 5000u);
    EXPECT_TRUE(IsCommWorkerRunning());
    EXPECT_TRUE(IsCommTimerRunning());
    EXPECT_EQ(1, App().GetInterfacesHandedOut());
    EXPECT_LT(Close(b), 5000u);
    EXPECT_FALSE(IsCommWorkerRunning());
    EXPECT_FALSE(IsCommTimerRunning());
    EXPECT_TRUE(App().IsNoInterfaceInUse());
}

// Recording: every second each curve gains the sample the station replied, the bars follow the
// status block; the station vanishes: one message, recording stopped, the samples kept; with the
// station back, communication resumes polling.
TEST_F(RecordingView, RecordingUntilTheStationVanishes)
{
    // About nine seconds of polling, then the line is gone as when a USB cable is pulled.
    ViewInFrame& v = OpenOnline(m_sim, StationSimulator::kPort, "--process --fault vanish --fault-skip 60");
    CProbeView* pView = v.pView;
    CIRControlDoc* pDoc = pView->GetDocument();
    pDoc->SetAutoRecord(2);
    EXPECT_TRUE(StateOf(pView, ID_RECORD).enabled);
    EXPECT_EQ(0, StateOf(pView, ID_RECORD).check);
    Command(pView, ID_RECORD);
    EXPECT_EQ(1, StateOf(pView, ID_RECORD).check);
    EXPECT_EQ(1, StateOf(pView, ID_COMMUNICATION).check);
    ASSERT_TRUE(PumpUntil([&] { return pDoc->GetSampleCount() >= 4; }, 8000));

    // Held for a moment: no new jobs, the results under way arrive. The mirror holds the
    // station's last reply; each curve began with a value the station replied.
    UnregisterCommWindow(pView->m_hWnd);
    PumpMessages(600);
    std::vector<std::vector<float>> replies = Replies(m_sim, StationVar::ProcessFirst);
    ASSERT_FALSE(replies.empty());
    ASSERT_EQ((size_t)StationVar::ProcessCount, replies.back().size());
    for (int n = 0; n < StationVar::ProcessCount; n++)
        EXPECT_EQ(replies.back()[n], pView->GetMirroredVar(StationVar::ProcessFirst + n)) << "variable " << n;
    CMeasureCurve* pSolder = pDoc->GetCurve(CIRControlDoc::TESolder);
    CMeasureCurve* pIR = pDoc->GetCurve(CIRControlDoc::IRSolder);
    for (auto curve : {std::make_pair(pSolder, 0), std::make_pair(pIR, 1)})
    {
        CMeasureValue* pFirst = (CMeasureValue*)curve.first->GetValues().GetHead();
        EXPECT_EQ(0, pFirst->GetTime());
        bool bReplied = false;
        for (const auto& reply : replies)
            bReplied |= std::fabs(reply[curve.second] - pFirst->GetValue()) < 1e-3;
        EXPECT_TRUE(bReplied) << pFirst->GetValue();
        EXPECT_EQ(pDoc->GetRecordingTime(), ((CMeasureValue*)curve.first->GetValues().GetTail())->GetTime());
    }
    // One more sample: it lies right of the last one, and the window repaints where it is.
    pView->UpdateWindow();
    CMeasureValue* pBefore = (CMeasureValue*)pIR->GetValues().GetTail();
    pView->SendMessage(WM_COMM_SAMPLE);
    CMeasureValue* pNew = (CMeasureValue*)pIR->GetValues().GetTail();
    ASSERT_NE(pBefore, pNew);
    EXPECT_EQ(pBefore->GetTime() + 1, pNew->GetTime());
    CPoint at(pView->TimeToX(pNew->GetTime()), pView->TempToY((int)pNew->GetValue()));
    EXPECT_GT(at.x, pView->TimeToX(pBefore->GetTime()));
    pView->DocToClient(at);
    CRgn update;
    update.CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, ::GetUpdateRgn(pView->m_hWnd, (HRGN)update.m_hObject, FALSE));
    EXPECT_TRUE(::PtInRegion((HRGN)update.m_hObject, at.x, at.y)) << at.x << ", " << at.y;
    CRect bounds;
    ::GetRgnBox((HRGN)update.m_hObject, &bounds);
    CRect client;
    pView->GetClientRect(&client);
    EXPECT_LT(bounds.Width(), client.Width() / 2) << "only around the new samples";
    pView->UpdateWindow();
    RegisterCommWindow(pView->m_hWnd);
    // One sample a second: the times step by one.
    CObList& values = pSolder->GetValues();
    POSITION pos = values.GetTailPosition();
    int nNewest = ((CMeasureValue*)values.GetPrev(pos))->GetTime();
    EXPECT_EQ(nNewest - 1, ((CMeasureValue*)values.GetPrev(pos))->GetTime());
    CProcessStateCurve* pTop = pDoc->GetBar(4);
    ASSERT_FALSE(pTop->GetValues().IsEmpty());
    ASSERT_TRUE(PumpUntil([&] { return !pDoc->AreSamplesPending(); }, 2000));
    std::vector<std::vector<float>> status = Replies(m_sim, StationVar::StatusFirst);
    ASSERT_FALSE(status.empty());
    ASSERT_EQ(8u, status.back().size());
    // Bars take the status block that follows a sample, so it is one of the latest replies.
    int nState = ((CProcessStateValues*)pTop->GetValues().GetTail())->GetState();
    bool bReplied = false;
    for (size_t i = status.size() > 5 ? status.size() - 5 : 0; i < status.size(); i++)
        bReplied |= (int)status[i][7] == nState;
    EXPECT_TRUE(bReplied) << nState;

    // The station goes: the next requests find no line.
    CBoxCounter boxes;
    ASSERT_TRUE(PumpUntil([&] { return boxes.Count("Schnittstelle ist gest") == 1; }, 20000));
    PumpMessages(1500);
    EXPECT_EQ(1, boxes.Count("Schnittstelle ist gest"));
    EXPECT_LE(boxes.m_texts.size(), 2u) << "besides at most one port error";
    EXPECT_FALSE(pView->IsRecording());
    EXPECT_FALSE(pView->IsOnline());
    int nSamples = pDoc->GetSampleCount();
    EXPECT_GE((int)pSolder->GetValues().GetCount(), nSamples);
    PumpMessages(1500);
    EXPECT_EQ(nSamples, pDoc->GetSampleCount());

    // Saved and read back: the same samples; the reopened document never connects.
    std::string path = TempFolder() + "\\vanished.hlv";
    ASSERT_TRUE(pDoc->OnSaveDocument(path.c_str()));
    CIRControlDoc* pReopened = new CIRControlDoc;
    pReopened->m_bAutoDelete = FALSE;
    ASSERT_TRUE(pReopened->OnOpenDocument(path.c_str()));
    m_docs.push_back(pReopened);
    ASSERT_TRUE(pReopened->GetCurve(CIRControlDoc::TESolder) != NULL);
    EXPECT_EQ(pSolder->GetValues().GetCount(),
              pReopened->GetCurve(CIRControlDoc::TESolder)->GetValues().GetCount());
    EXPECT_EQ(pDoc->GetSampleCount(), pReopened->GetSampleCount());

    // Back again: F8 resumes polling.
    ASSERT_TRUE(m_sim.Start(StationSimulator::kPort));
    Command(pView, ID_COMMUNICATION);
    ASSERT_TRUE(PumpUntil([&] { return pView->IsRegisteredForTicks(); }, 10000));
    size_t nFrom = m_sim.Requests().size();
    PumpMessages(1500);
    EXPECT_GE(CountOf(JobsFrom(m_sim, nFrom), "1"), 1);
    DeleteFileA(path.c_str());
}

TEST_F(RecordingView, ADocumentFromAFileNeverConnects)
{
    AddInterface(StationSimulator::kPort);
    std::string path = TempFolder() + "\\empty.hlv";
    {
        CIRControlDoc doc;
        doc.m_bAutoDelete = FALSE;
        ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    }
    CIRControlDoc* pDoc = new CIRControlDoc;
    pDoc->m_bAutoDelete = FALSE;
    ASSERT_TRUE(pDoc->OnOpenDocument(path.c_str()));
    ASSERT_TRUE(pDoc->IsLoadedFromFile());
    m_docs.push_back(pDoc);
    ViewInFrame v;
    v.pFrame = new CFrameWnd;
    ASSERT_TRUE(v.pFrame->Create(NULL, "Datei", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 600)));
    v.pView = new CProbeView;
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    ASSERT_TRUE(v.pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 700, 500), v.pFrame,
                                AFX_IDW_PANE_FIRST, &context));
    v.pView->OnInitialUpdate();
    m_views.push_back(v);
    EXPECT_TRUE(v.pView->GetComBase() == NULL);
    EXPECT_EQ(0, App().GetInterfacesHandedOut());
    EXPECT_FALSE(IsCommWorkerRunning());
    EXPECT_FALSE(StateOf(v.pView, ID_RECORD).enabled);
    Command(v.pView, ID_RECORD);
    EXPECT_FALSE(v.pView->IsRecording());
    EXPECT_FALSE(v.pView->IsOnline());
    DeleteFileA(path.c_str());
}

// New settings from the options: the view takes the new rate to the station and polls on at it.
TEST_F(RecordingView, NewInterfaceSettingsReachTheStation)
{
    ViewInFrame& v = OpenOnline(m_sim, StationSimulator::kPort);
    App().GetInterfaces()[0].dwBaudRate = 19200;
    size_t nFrom = m_sim.Requests().size();
    App().ApplyInterfaceSettings();
    EXPECT_FALSE(v.pView->IsRegisteredForTicks()) << "until the station took the rate";
    ASSERT_TRUE(PumpUntil([&] { return v.pView->IsRegisteredForTicks(); }, 10000));
    EXPECT_EQ(19200u, v.pView->GetBaudRate());
    std::vector<std::string> log = m_sim.Log();
    PumpMessages(1500);
    std::vector<std::string> later = m_sim.Log();
    int nAt19200 = 0;
    for (size_t i = log.size(); i < later.size(); i++)
        nAt19200 += later[i].compare(0, 9, "rx 19200 ") == 0;
    EXPECT_GT(nAt19200, 3) << "polling goes on at the new rate";
    EXPECT_GE(CountOf(JobsFrom(m_sim, nFrom), "18"), 1);
}
// The service switches: each command writes its variable, the status read that follows sets the
// check mark; offline they are disabled.
TEST_F(RecordingView, ServiceSwitchesReachTheStation)
{
    AddInterface(StationSimulator::kPort);
    ViewInFrame& offline = Open();
    for (UINT nId : {ID_FAN, ID_PUMP, ID_CALIBRATE, ID_BOTTOM_HEATER, ID_STATION_CLOCK_SET,
                     ID_STATION_CLOCK_RESET, ID_STATION_SERIAL})
        EXPECT_FALSE(StateOf(offline.pView, nId).enabled) << nId;
    Close(offline);
    m_views.clear();
    App().GetInterfaces().RemoveAll();

    ViewInFrame& v = OpenOnline(m_sim, StationSimulator::kPort);
    CProbeView* pView = v.pView;
    const struct
    {
        UINT nId;
        int nVariable; // written and read back
    } switches[] = {{ID_FAN, StationVar::Fan}, {ID_PUMP, StationVar::Pump}};
    for (const auto& sw : switches)
    {
        SCOPED_TRACE(sw.nId);
        ASSERT_TRUE(PumpUntil([&] { return StateOf(pView, sw.nId).enabled; }, 2000));
        EXPECT_EQ(0, StateOf(pView, sw.nId).check);
        for (float fExpected : {1.0f, 0.0f})
        {
            size_t nBefore = Writes(m_sim, sw.nVariable).size();
            Command(pView, sw.nId);
            ASSERT_TRUE(PumpUntil([&] { return Writes(m_sim, sw.nVariable).size() > nBefore; }, 3000));
            EXPECT_EQ(std::vector<float>{fExpected}, Writes(m_sim, sw.nVariable).back());
            ASSERT_TRUE(PumpUntil([&] { return pView->GetMirroredVar(sw.nVariable) == fExpected; }, 3000));
            EXPECT_EQ(fExpected != 0.0f ? 1 : 0, StateOf(pView, sw.nId).check);
        }
    }

    // Calibrating: the trigger, then the station reports its calibration state.
    Command(pView, ID_CALIBRATE);
    ASSERT_TRUE(PumpUntil([&] { return !Writes(m_sim, StationVar::CalibrateTrigger).empty(); }, 3000));
    EXPECT_EQ(std::vector<float>{1.0f}, Writes(m_sim, StationVar::CalibrateTrigger).back());
    ASSERT_TRUE(PumpUntil([&] { return pView->GetMirroredVar(StationVar::ProgramState) == 6.0f; }, 3000))
        << "Kal-Modus";

    // The bottom heater: off keeps the energy read last, on restores it.
    ASSERT_TRUE(PumpUntil([&] { return pView->GetMirroredVar(StationVar::Energy) == 50.0f; }, 3000));
    EXPECT_EQ(0, StateOf(pView, ID_BOTTOM_HEATER).check);
    Command(pView, ID_BOTTOM_HEATER);
    EXPECT_EQ(1, StateOf(pView, ID_BOTTOM_HEATER).check);
    ASSERT_TRUE(PumpUntil([&] { return Writes(m_sim, StationVar::Energy).size() == 1; }, 3000));
    EXPECT_EQ(std::vector<float>{0.0f}, Writes(m_sim, StationVar::Energy).back());
    Command(pView, ID_BOTTOM_HEATER);
    EXPECT_EQ(0, StateOf(pView, ID_BOTTOM_HEATER).check);
    ASSERT_TRUE(PumpUntil([&] { return Writes(m_sim, StationVar::Energy).size() == 2; }, 3000));
    EXPECT_EQ(std::vector<float>{50.0f}, Writes(m_sim, StationVar::Energy).back());

    // The station clock: now, then zeros.
    SYSTEMTIME now;
    GetLocalTime(&now);
    Command(pView, ID_STATION_CLOCK_SET);
    ASSERT_TRUE(PumpUntil([&] { return Writes(m_sim, StationVar::ClockFirst).size() == 1; }, 3000));
    std::vector<float> clock = Writes(m_sim, StationVar::ClockFirst).back();
    ASSERT_EQ(3u, clock.size());
    int nSent = (int)clock[2] * 3600 + (int)clock[1] * 60 + (int)clock[0];
    int nNow = now.wHour * 3600 + now.wMinute * 60 + now.wSecond;
    EXPECT_NEAR(nNow, nSent, 2);
    Command(pView, ID_STATION_CLOCK_RESET);
    ASSERT_TRUE(PumpUntil([&] { return Writes(m_sim, StationVar::ClockFirst).size() == 2; }, 3000));
    EXPECT_EQ((std::vector<float>{0.0f, 0.0f, 0.0f}), Writes(m_sim, StationVar::ClockFirst).back());

    // The serial number as entered; nothing for a cancelled prompt.
    SerialNumberPromptAnswer cancelled;
    cancelled.Arm();
    Command(pView, ID_STATION_SERIAL);
    EXPECT_TRUE(cancelled.bSeen);
    SerialNumberPromptAnswer entered;
    entered.typed = "4711";
    entered.Arm();
    Command(pView, ID_STATION_SERIAL);
    EXPECT_TRUE(entered.bSeen);
    ASSERT_TRUE(PumpUntil([&] { return !Writes(m_sim, StationVar::SerialNumber).empty(); }, 3000));
    PumpMessages(300);
    ASSERT_EQ(1u, Writes(m_sim, StationVar::SerialNumber).size());
    EXPECT_EQ(std::vector<float>{4711.0f}, Writes(m_sim, StationVar::SerialNumber).back());
}

// The station password: two different entries are refused and the dialog stays, two equal ones
// go to the station at the next tick with its commit; clearing takes only the current one; 1000
// is out of range.
TEST_F(RecordingView, StationPasswordDialog)
{
    ViewInFrame& v = OpenOnline(m_sim, StationSimulator::kPort);
    CProbeView* pView = v.pView;
    EXPECT_TRUE(StateOf(pView, ID_STATION_PASSWORD).enabled);
    struct Seen
    {
        std::string okText;
        bool bConfirmShown = false;
        bool bOwnerDrawn = false;
    };
    auto ask = [&](std::vector<DialogAnswer::Attempt> attempts, Seen* pSeen) {
        DialogAnswer answer;
        answer.nControl = IDC_PASSWORD_ENTRY;
        answer.attempts = attempts;
        answer.inspect = [&](HWND hDlg) {
            pSeen->okText = WindowText(::GetDlgItem(hDlg, IDOK));
            pSeen->bConfirmShown = ::IsWindowVisible(::GetDlgItem(hDlg, IDC_PASSWORD_CONFIRM)) &&
                                   ::IsWindowVisible(::GetDlgItem(hDlg, IDC_PASSWORD_CONFIRM_LABEL));
            pSeen->bOwnerDrawn =
                IsOwnerDrawn(hDlg, IDOK) && IsOwnerDrawn(hDlg, IDCANCEL) && IsOwnerDrawn(hDlg, IDHELP);
        };
        answer.Arm();
        Command(pView, ID_STATION_PASSWORD);
        EXPECT_TRUE(answer.bSeen);
        return answer.bLeftOpen;
    };
    auto passwordWritten = [&](size_t nWrites, float fPassword) {
        ASSERT_TRUE(
            PumpUntil([&] { return Writes(m_sim, StationVar::StationPassword).size() == nWrites; }, 3000));
        EXPECT_EQ(std::vector<float>{fPassword}, Writes(m_sim, StationVar::StationPassword).back());
        // The commit follows the password at once.
        auto commitAfterPassword = [&](std::string* pNext) {
            std::vector<std::string> jobs = JobsFrom(m_sim, 0);
            auto password = std::find(jobs.rbegin(), jobs.rend(), "4");
            if (password == jobs.rbegin() || password == jobs.rend())
                return false;
            *pNext = *(password - 1);
            return true;
        };
        std::string next;
        ASSERT_TRUE(PumpUntil([&] { return commitAfterPassword(&next); }, 3000));
        EXPECT_EQ("c", next);
        EXPECT_EQ(std::vector<float>{1.0f}, Writes(m_sim, StationVar::Commit).back());
    };
    {
        SCOPED_TRACE("activation");
        MessageBoxes boxes;
        boxes.Expect(IDOK, "Die eingegebenen Passworte stimmen nicht");
        Seen seen;
        EXPECT_FALSE(ask({{{{IDC_PASSWORD_ENTRY, "123"}, {IDC_PASSWORD_CONFIRM, "124"}}, IDOK},
                          {{{IDC_PASSWORD_ENTRY, "123"}, {IDC_PASSWORD_CONFIRM, "123"}}, IDOK}},
                         &seen));
        EXPECT_EQ("&Passwort aktivieren", seen.okText);
        EXPECT_TRUE(seen.bConfirmShown);
        EXPECT_TRUE(seen.bOwnerDrawn);
        EXPECT_EQ(0u, Writes(m_sim, StationVar::StationPassword).size()) << "nothing before the next tick";
        // A setup block read before the tick holds the station's old password; the new one stays.
        pView->SendMessage(WM_COMM_PROFILE);
        passwordWritten(1, 123.0f);
    }
    {
        SCOPED_TRACE("out of range");
        MessageBoxes boxes;
        boxes.Expect(IDOK, "zwischen 0 und 999");
        Seen seen;
        EXPECT_TRUE(ask({{{{IDC_PASSWORD_ENTRY, "1000"}}, IDOK}}, &seen));
        EXPECT_EQ("&Passwort deaktivieren", seen.okText);
        EXPECT_FALSE(seen.bConfirmShown);
    }
    {
        SCOPED_TRACE("a wrong one keeps it");
        MessageBoxes boxes;
        boxes.Expect(IDOK, "Das eingegebene Passwort ist falsch!");
        Seen seen;
        EXPECT_FALSE(ask({{{{IDC_PASSWORD_ENTRY, "5"}}, IDOK}}, &seen));
        passwordWritten(2, 123.0f);
    }
    {
        SCOPED_TRACE("cleared");
        Seen seen;
        EXPECT_FALSE(ask({{{{IDC_PASSWORD_ENTRY, "123"}}, IDOK}}, &seen));
        passwordWritten(3, 0.0f);
    }
    PumpMessages(400);
    EXPECT_EQ(3u, Writes(m_sim, StationVar::StationPassword).size());
}

// Serial numbers the station's float cannot hold exactly are refused and nothing is written;
// operating hours go as begun minutes, and only to a firmware that has them.
TEST_F(RecordingView, SerialNumberAndOperatingHours)
{
    ViewInFrame& v = OpenOnline(m_sim, StationSimulator::kPort);
    CProbeView* pView = v.pView;
    for (const char* typed : {"-5", "1.5"})
    {
        SCOPED_TRACE(typed);
        MessageBoxes boxes;
        boxes.Expect(IDOK, "Bitte geben Sie eine ganze Zahl");
        SerialNumberPromptAnswer prompt;
        prompt.typed = typed;
        prompt.Arm();
        Command(pView, ID_STATION_SERIAL);
        EXPECT_TRUE(prompt.bLeftOpen);
    }

    auto enterHours = [&](CIRControlView* pTarget) {
        DialogAnswer answer;
        answer.nControl = IDC_HOURS_TOP;
        answer.attempts = {{{{IDC_HOURS_IR, "1.01"}, {IDC_HOURS_TOP, "1.5"}}, IDOK}};
        answer.Arm();
        Command(pTarget, ID_STATION_HOURS);
        EXPECT_TRUE(answer.bSeen);
        EXPECT_FALSE(answer.bLeftOpen);
    };
    EXPECT_TRUE(StateOf(pView, ID_STATION_HOURS).enabled);
    enterHours(pView);
    ASSERT_TRUE(PumpUntil([&] { return !Writes(m_sim, StationVar::OperatingTimeFirst).empty(); }, 3000));
    EXPECT_EQ((std::vector<float>{61.0f, 90.0f}), Writes(m_sim, StationVar::OperatingTimeFirst).back());
    PumpMessages(300);
    EXPECT_TRUE(Writes(m_sim, StationVar::SerialNumber).empty());
    Close(v);
    m_views.clear();
    m_sim.Stop();

    // A station without the counters (firmware 1.5, never polled: only connected) gets nothing.
    ASSERT_TRUE(m_sim2.Start(StationSimulator::kPort, "--firmware 1.5"));
    ViewInFrame& old = Open();
    EXPECT_FALSE(StateOf(old.pView, ID_STATION_HOURS).enabled) << "offline";
    Command(old.pView, ID_COMMUNICATION);
    ASSERT_TRUE(
        PumpUntil([&] { return old.pView->GetMirroredVar(StationVar::FirmwareVersion) == 1.5f; }, 10000));
    enterHours(old.pView);
    PumpMessages(800);
    EXPECT_TRUE(Writes(m_sim2, StationVar::OperatingTimeFirst).empty());
}

// The long-life window: its parameters, start, reset and closing, as the station sees them.
TEST_F(RecordingView, LongLifeTestWindow)
{
    ViewInFrame& v = OpenOnline(
        m_sim, StationSimulator::kPort,
        PresetVars({{StationVar::LongLifePauseLinear, "60"}, {StationVar::LongLifePauseSaddle, "90"}}));
    CProbeView* pView = v.pView;
    EXPECT_EQ(0, StateOf(pView, ID_LONGLIFE_TEST).check);
    size_t nBefore = m_sim.Requests().size();
    Command(pView, ID_LONGLIFE_TEST);
    CLongLifeTestDlg* pDlg = pView->LongLifeDlg();
    ASSERT_TRUE(pDlg != NULL && pDlg->m_hWnd != NULL);
    EXPECT_TRUE(pDlg->IsWindowVisible());
    EXPECT_TRUE(pDlg->GetParent() == NULL) << "no parent";
    EXPECT_EQ(1, StateOf(pView, ID_LONGLIFE_TEST).check);
    auto text = [&](UINT nID) { return WindowText(pDlg->GetDlgItem(nID)->m_hWnd); };
    EXPECT_EQ("Start", text(IDC_LONGLIFE_START));
    ASSERT_TRUE(PumpUntil([&] { return CountOf(JobsFrom(m_sim, nBefore), "25") > 0; }, 2000));
    ASSERT_TRUE(PumpUntil([&] { return text(IDC_LONGLIFE_PAUSE_SADDLE) == "90  s"; }, 2000));
    EXPECT_EQ("60  s", text(IDC_LONGLIFE_PAUSE_LINEAR));
    EXPECT_EQ("0", text(IDC_LONGLIFE_CYCLES_LINEAR));
    EXPECT_EQ("0 %", text(IDC_LONGLIFE_POWER));
    EXPECT_TRUE(pDlg->GetDlgItem(IDC_LONGLIFE_INACTIVE)->IsWindowVisible());
    EXPECT_FALSE(pDlg->GetDlgItem(IDC_LONGLIFE_ACTIVE)->IsWindowVisible());
    auto press = [&](UINT nID) { pDlg->PostMessage(WM_COMMAND, nID); };

    {
        SCOPED_TRACE("parameters");
        MessageBoxes boxes;
        boxes.Expect(IDOK, "zwischen 30 und 1800");
        DialogAnswer answer;
        answer.nControl = IDC_PAUSE_LINEAR_SPIN;
        answer.attempts = {{{{IDC_PAUSE_LINEAR, "29"}}, IDOK}, {{{IDC_PAUSE_LINEAR, "1800"}}, IDOK}};
        std::string shownSaddle, okText;
        answer.inspect = [&](HWND hDlg) {
            shownSaddle = WindowText(::GetDlgItem(hDlg, IDC_PAUSE_SADDLE));
            okText = WindowText(::GetDlgItem(hDlg, IDOK));
        };
        answer.Arm();
        press(IDC_LONGLIFE_PARAMETER);
        ASSERT_TRUE(PumpUntil([&] { return !Writes(m_sim, StationVar::LongLifeFirst).empty(); }, 5000));
        EXPECT_EQ(2, answer.nAttempts);
        EXPECT_FALSE(answer.bLeftOpen);
        EXPECT_EQ("90", shownSaddle);
        EXPECT_EQ("Download", okText);
        EXPECT_EQ((std::vector<float>{1800.0f, 90.0f, 0.0f, 1.0f}),
                  Writes(m_sim, StationVar::LongLifeFirst).back());
    }
    {
        SCOPED_TRACE("start");
        press(IDC_LONGLIFE_START);
        ASSERT_TRUE(PumpUntil([&] { return !Writes(m_sim, StationVar::LongLifeActive).empty(); }, 3000));
        EXPECT_EQ((std::vector<float>{1.0f, 1.0f}), Writes(m_sim, StationVar::LongLifeActive).back());
        EXPECT_TRUE(PumpUntil([&] { return text(IDC_LONGLIFE_START) == "Stopp"; }, 2000));
        EXPECT_TRUE(pDlg->GetDlgItem(IDC_LONGLIFE_ACTIVE)->IsWindowVisible());
        EXPECT_EQ("1800  s", text(IDC_LONGLIFE_PAUSE_LINEAR));
    }
    {
        SCOPED_TRACE("reset");
        MessageBoxes boxes;
        boxes.Expect(IDNO, "den laufenden Testzyklus zur");
        boxes.Expect(IDYES, "den laufenden Testzyklus zur");
        press(IDC_LONGLIFE_RESET);
        PumpMessages(600);
        EXPECT_TRUE(Writes(m_sim, StationVar::LongLifeResetFirst).empty());
        EXPECT_EQ(1u, Writes(m_sim, StationVar::LongLifeActive).size());
        press(IDC_LONGLIFE_RESET);
        ASSERT_TRUE(PumpUntil([&] { return Writes(m_sim, StationVar::LongLifeActive).size() == 2; }, 3000));
        ASSERT_EQ(1u, Writes(m_sim, StationVar::LongLifeResetFirst).size());
        EXPECT_EQ((std::vector<float>{0.0f, 0.0f, 0.0f, 0.0f}),
                  Writes(m_sim, StationVar::LongLifeResetFirst).back());
        EXPECT_EQ((std::vector<float>{0.0f, 1.0f}), Writes(m_sim, StationVar::LongLifeActive).back());
        EXPECT_TRUE(PumpUntil([&] { return text(IDC_LONGLIFE_START) == "Start"; }, 2000));
    }
    {
        SCOPED_TRACE("closed while running");
        press(IDC_LONGLIFE_START);
        ASSERT_TRUE(PumpUntil([&] { return Writes(m_sim, StationVar::LongLifeActive).size() == 3; }, 3000));
        EXPECT_EQ((std::vector<float>{1.0f, 1.0f}), Writes(m_sim, StationVar::LongLifeActive).back());
        press(IDCANCEL);
        ASSERT_TRUE(PumpUntil([&] { return pView->LongLifeDlg() == NULL; }, 2000));
        EXPECT_EQ(0, StateOf(pView, ID_LONGLIFE_TEST).check);
        ASSERT_TRUE(PumpUntil([&] { return pView->GetMirroredVar(StationVar::ProgramState) == 7.0f; }, 3000))
            << "DAUERTEST";
        PumpMessages(1200);
        EXPECT_EQ(3u, Writes(m_sim, StationVar::LongLifeActive).size()) << "closing does not stop the test";
        EXPECT_EQ(7.0f, pView->GetMirroredVar(StationVar::ProgramState));
    }
    // The command closes the window too.
    Command(pView, ID_LONGLIFE_TEST);
    ASSERT_TRUE(pView->LongLifeDlg() != NULL);
    Command(pView, ID_LONGLIFE_TEST);
    EXPECT_TRUE(pView->LongLifeDlg() == NULL);
}

// The recording's commands online: the export and the upload always, a download once the
// station is idle.
TEST_F(RecordingView, CommandStatesOnline)
{
    ViewInFrame& v = OpenOnline(m_sim, StationSimulator::kPort);
    EXPECT_TRUE(StateOf(v.pView, ID_EXPORT_TABLE).enabled);
    // A download needs the station online and idle; an upload takes the document's values.
    ASSERT_TRUE(PumpUntil([&] { return v.pView->IsStationIdle() != FALSE; }, 5000));
    EXPECT_TRUE(StateOf(v.pView, ID_PROFILE_DOWNLOAD).enabled);
    EXPECT_TRUE(StateOf(v.pView, ID_PROFILE_UPLOAD).enabled);
    EXPECT_TRUE(StateOf(v.pView, ID_RECORD_CLEAR).enabled);
    for (UINT nId : {ID_QUICK_SAVE, ID_SETTINGS_LAYOUT, ID_SETTINGS_CURVES, ID_SETTINGS_SAMPLING,
                     ID_ANALYSE_CURSOR, ID_ANALYSE_ADD, ID_ANALYSE_DELETE_LAST, ID_ANALYSE_DELETE_ALL,
                     ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW})
        EXPECT_TRUE(StateOf(v.pView, nId).enabled) << nId;
    EXPECT_EQ(1, (int)v.pView->SendMessage(WM_VIEW_FULLSCREEN)) << "the frame's full-screen message";
}

// A recording saved and read back: the same samples; the reopened document never connects and
// takes neither recording command. Clearing the live one empties it.
TEST_F(RecordingView, RecordingSavedReopenedAndCleared)
{
    ViewInFrame& v = OpenOnline(m_sim, StationSimulator::kPort, "--process");
    CProbeView* pView = v.pView;
    CIRControlDoc* pDoc = pView->GetDocument();
    pDoc->SetAutoRecord(2);
    Command(pView, ID_RECORD);
    EXPECT_EQ(1, StateOf(pView, ID_RECORD).check);
    ASSERT_TRUE(PumpUntil([&] { return pDoc->GetSampleCount() >= 4; }, 8000));
    Command(pView, ID_RECORD);
    EXPECT_EQ(0, StateOf(pView, ID_RECORD).check);
    PumpMessages(400);

    std::string path = TempFolder() + "\\saved.hlv";
    ASSERT_TRUE(pDoc->OnSaveDocument(path.c_str()));
    CIRControlDoc* pReopened = new CIRControlDoc;
    pReopened->m_bAutoDelete = FALSE;
    ASSERT_TRUE(pReopened->OnOpenDocument(path.c_str()));
    m_docs.push_back(pReopened);
    for (int nSlot : {CIRControlDoc::TESolder, CIRControlDoc::IRSolder, CIRControlDoc::TopHeater})
    {
        SCOPED_TRACE(nSlot);
        CObList& saved = pDoc->GetCurve(nSlot)->GetValues();
        ASSERT_TRUE(pReopened->GetCurve(nSlot) != NULL);
        CObList& read = pReopened->GetCurve(nSlot)->GetValues();
        ASSERT_EQ(saved.GetCount(), read.GetCount());
        ASSERT_GT(saved.GetCount(), 3);
        for (POSITION a = saved.GetHeadPosition(), b = read.GetHeadPosition(); a != NULL;)
        {
            CMeasureValue* pSaved = (CMeasureValue*)saved.GetNext(a);
            CMeasureValue* pRead = (CMeasureValue*)read.GetNext(b);
            EXPECT_EQ(pSaved->GetTime(), pRead->GetTime());
            EXPECT_EQ(pSaved->GetValue(), pRead->GetValue());
        }
    }
    for (int n = 0; n < CIRControlDoc::BarCount; n++)
        EXPECT_EQ(pDoc->GetBar(n)->GetValues().GetCount(), pReopened->GetBar(n)->GetValues().GetCount());

    ViewInFrame r;
    r.pFrame = new CFrameWnd;
    ASSERT_TRUE(r.pFrame->Create(NULL, "Datei", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 600)));
    r.pView = new CProbeView;
    CCreateContext context;
    context.m_pCurrentDoc = pReopened;
    ASSERT_TRUE(r.pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 700, 500), r.pFrame,
                                AFX_IDW_PANE_FIRST, &context));
    r.pView->OnInitialUpdate();
    m_views.push_back(r);
    EXPECT_TRUE(r.pView->GetComBase() == NULL);
    EXPECT_EQ(1, App().GetInterfacesHandedOut()) << "only the live view's";
    for (UINT nId : {ID_RECORD, ID_RECORD_CLEAR, ID_FAN})
        EXPECT_FALSE(StateOf(r.pView, nId).enabled) << nId;
    int nCount = (int)pReopened->GetCurve(CIRControlDoc::TESolder)->GetValues().GetCount();
    Command(r.pView, ID_RECORD);
    Command(r.pView, ID_RECORD_CLEAR);
    PumpMessages(1500);
    EXPECT_FALSE(r.pView->IsRecording());
    EXPECT_FALSE(r.pView->IsOnline());
    EXPECT_EQ(nCount, (int)pReopened->GetCurve(CIRControlDoc::TESolder)->GetValues().GetCount());

    // F10 on the live one: nothing recorded is left.
    Command(pView, ID_RECORD_CLEAR);
    EXPECT_EQ(0, pDoc->GetSampleCount());
    EXPECT_EQ(0, pDoc->GetRecordingTime());
    for (int nSlot : {CIRControlDoc::TESolder, CIRControlDoc::IRSolder, CIRControlDoc::TopHeater})
        EXPECT_TRUE(pDoc->GetCurve(nSlot)->GetValues().IsEmpty());
    for (int n = 0; n < CIRControlDoc::BarCount; n++)
        EXPECT_TRUE(pDoc->GetBar(n)->GetValues().IsEmpty());
    DeleteFileA(path.c_str());
}

// The analysis cursor line under the mouse: a click grabs the shown line, moving drags it to the
// time under the mouse, the next click lets it go; while recording a click never grabs it.
TEST_F(RecordingView, CursorLineFollowsTheMouse)
{
    AddInterface(StationSimulator::kPort);
    ViewInFrame& v = Open();
    CProbeView* pView = v.pView;
    CIRControlDoc* pDoc = pView->GetDocument();
    CDrawLine* pCursor = pDoc->GetCursorLine();
    ASSERT_TRUE(pCursor != NULL);
    auto click = [&](CPoint at) {
        pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    };
    CRect plot = pView->GetPlotRect();
    CPoint inside(plot.left + 100, plot.top + 20);
    POINT client = inside;
    pView->DocToClient(client);

    click(client);
    EXPECT_FALSE(pCursor->IsArmed()) << "a hidden line is not grabbed";
    pCursor->SetShown(TRUE);
    click(client);
    ASSERT_TRUE(pCursor->IsArmed());
    pView->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    POINT logical = client;
    pView->ClientToDoc(logical);
    EXPECT_EQ(pView->XToTime(logical.x), pCursor->GetPosition());
    EXPECT_GT(pCursor->GetPosition(), 0);
    EXPECT_EQ(logical.x, pCursor->GetRect().left);
    EXPECT_EQ(pView->GetTimeSpan(), pCursor->GetMaximum());
    click(client);
    EXPECT_FALSE(pCursor->IsArmed());

    // Recording releases it and never grabs it.
    pCursor->SetArmed(TRUE);
    pView->SetRecordingForTest(TRUE);
    click(client);
    EXPECT_FALSE(pCursor->IsArmed());
    click(client);
    EXPECT_FALSE(pCursor->IsArmed());
    pView->SetRecordingForTest(FALSE);
}

// The view's DC maps the document's page as the zoom view does, also scrolled: the drawing
// view's conversions agree with it.
TEST_F(RecordingView, APreparedDCMapsThePageAsTheZoomViewDoes)
{
    AddInterface(StationSimulator::kPort);
    ViewInFrame& v = Open();
    CProbeView* pView = v.pView;
    CIRControlDoc* pDoc = pView->GetDocument();
    pView->ScrollToPosition(CPoint(40, 0));
    CClientDC dc(pView);
    pView->OnPrepareDC(&dc);
    POINT ptOrigin = {0, 0};
    dc.LPtoDP(&ptOrigin, 1);
    EXPECT_EQ(-pView->GetDeviceScrollPosition().x, ptOrigin.x);
    for (POINT page : {POINT{0, 0}, POINT{100, 50}, POINT{pDoc->GetPageSize().cx, pDoc->GetPageSize().cy}})
    {
        POINT viaDC = page, viaView = page;
        dc.LPtoDP(&viaDC, 1);
        pView->DocToClient(viaView);
        EXPECT_EQ(viaView.x, viaDC.x);
        EXPECT_EQ(viaView.y, viaDC.y);
    }
}

} // namespace

// The display settings commands open the sheet on their pages; confirmed values reach the
// document and the configuration, and changed station options reach the station at the next tick.
TEST_F(RecordingView, DisplaySettingsSheet)
{
    // Configuration an administrator may change, so that the pages store their values.
    Administrator administrator;
    App().CreateConfiguration();
    ViewInFrame& v = OpenOnline(m_sim, StationSimulator::kPort);
    CProbeView* pView = v.pView;
    CIRControlDoc* pDoc = pView->GetDocument();
    auto currentPage = [](HWND hSheet) {
        return (int)::SendMessageA((HWND)::SendMessageA(hSheet, PSM_GETTABCONTROL, 0, 0), TCM_GETCURSEL, 0,
                                   0);
    };
    const struct
    {
        UINT nId;
        int nPage;
    } commands[] = {{ID_SETTINGS_LAYOUT, CDrawSettingsSheet::LayoutPage},
                    {ID_SETTINGS_CURVES, CDrawSettingsSheet::CurvePage}};
    for (const auto& c : commands)
    {
        SCOPED_TRACE(c.nId);
        DialogAnswer answer;
        answer.nControl = ID_APPLY_NOW;
        int nShown = -1;
        answer.inspect = [&](HWND hSheet) { nShown = currentPage(hSheet); };
        answer.attempts = {DialogAnswer::Attempt({}, IDCANCEL)};
        answer.Arm();
        Command(pView, c.nId);
        EXPECT_TRUE(answer.bSeen);
        EXPECT_EQ(c.nPage, nShown);
    }

    // Sampling 6 is refused; 5, the start on reaching Tinit, pipette calibration and short buzzer
    // signals are taken.
    auto onPage = [](HWND hSheet, int nPage) {
        ::SendMessageA(hSheet, PSM_SETCURSEL, nPage, 0);
        return (HWND)::SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0);
    };
    MessageBoxes boxes;
    boxes.Expect(IDOK, "zwischen 1 und 5");
    DialogAnswer answer;
    answer.nControl = IDC_SAMPLING_INTERVAL;
    int nShown = -1;
    answer.inspect = [&](HWND hSheet) { nShown = currentPage(hSheet); };
    answer.attempts = {
        DialogAnswer::Attempt({{IDC_SAMPLING_INTERVAL, "6"}}),
        DialogAnswer::Attempt({}, IDOK, [&](HWND hSheet) {
            ::SetWindowTextA(DialogAnswer::Control(hSheet, IDC_SAMPLING_INTERVAL), "5");
            HWND hPage = onPage(hSheet, CDrawSettingsSheet::RecordStartPage);
            ::CheckRadioButton(hPage, IDC_RECORD_START_SWING, IDC_RECORD_START_OFF, IDC_RECORD_START_TINIT);
            hPage = onPage(hSheet, CDrawSettingsSheet::IRPage);
            ::SendMessageA(::GetDlgItem(hPage, IDC_IR_PIPCAL), BM_SETCHECK, BST_CHECKED, 0);
            HWND hList = ::GetDlgItem(hPage, IDC_IR_BUZZER);
            ::SendMessageA(
                hList, CB_SETCURSEL,
                ::SendMessageA(hList, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM) "Kurze Buzzer Signale"), 0);
        })};
    const size_t nPipCalWrites = Writes(m_sim, StationVar::PipetteCalibration).size();
    const size_t nBuzzerWrites = Writes(m_sim, StationVar::BuzzerMode).size();
    const size_t nCommits = Writes(m_sim, StationVar::Commit).size();
    answer.Arm();
    Command(pView, ID_SETTINGS_SAMPLING);
    EXPECT_TRUE(answer.bSeen);
    EXPECT_FALSE(answer.bLeftOpen);
    EXPECT_EQ(2, answer.nAttempts);
    EXPECT_EQ((int)CDrawSettingsSheet::SamplingPage, nShown);
    EXPECT_EQ(0u, boxes.Pending());
    EXPECT_EQ("5", ReadRaw(HKEY_LOCAL_MACHINE, "Settings", "ControlRate"));
    EXPECT_EQ("1", ReadRaw(HKEY_LOCAL_MACHINE, "Settings", "AutoRecord"));
    EXPECT_EQ("1", ReadRaw(HKEY_LOCAL_MACHINE, "IR Options", "PipCal"));
    EXPECT_EQ("1", ReadRaw(HKEY_LOCAL_MACHINE, "IR Options", "BuzzerMode"));
    EXPECT_EQ(5000, pDoc->GetSamplingInterval());
    EXPECT_EQ(1, pDoc->GetAutoRecord());
    BOOL bPipCal = FALSE;
    int nBuzzerMode = 0;
    pDoc->GetIROptions(bPipCal, nBuzzerMode);
    EXPECT_TRUE(bPipCal);
    EXPECT_EQ(1, nBuzzerMode);
    ASSERT_TRUE(
        PumpUntil([&] { return Writes(m_sim, StationVar::BuzzerMode).size() > nBuzzerWrites; }, 3000));
    ASSERT_EQ(nPipCalWrites + 1, Writes(m_sim, StationVar::PipetteCalibration).size());
    EXPECT_EQ(std::vector<float>{1.0f}, Writes(m_sim, StationVar::PipetteCalibration).back());
    EXPECT_EQ(std::vector<float>{1.0f}, Writes(m_sim, StationVar::BuzzerMode).back());
    // The station stores what it was sent.
    ASSERT_TRUE(PumpUntil([&] { return Writes(m_sim, StationVar::Commit).size() > nCommits; }, 3000));
    EXPECT_EQ(std::vector<float>{1.0f}, Writes(m_sim, StationVar::Commit).back());
    // A sample every five seconds from now on.
    PumpMessages(1000);
    const size_t nFrom = m_sim.Requests().size();
    PumpMessages(5000);
    EXPECT_NEAR(1, CountOf(JobsFrom(m_sim, nFrom), "14"), 1);
}

// A longer time base takes a recording onto fewer pages.
TEST_F(RecordingView, TimeBaseOfTheLayoutPageRefitsThePages)
{
    const int kTimeBaseEdit = 1022; // the layout page's
    AddInterface(StationSimulator::kPort);
    ViewInFrame& v = Open();
    CIRControlDoc* pDoc = v.pView->GetDocument();
    pDoc->SetLayout(pDoc->GetPen(), pDoc->GetGrid(), pDoc->GetBackColor(), pDoc->GetGridColor(), 300,
                    pDoc->GetTimeInterval(), pDoc->GetTempBase(), pDoc->GetTempInterval());
    pDoc->SetSampleState(600, 599, FALSE);
    pDoc->UpdatePageSize(FALSE, v.pView->FitTimeAxis(599), FALSE);
    ASSERT_EQ(2, v.pView->GetTimePages());
    CDrawLine* pCursor = pDoc->GetCursorLine();
    ASSERT_TRUE(pCursor != NULL);
    pCursor->SetMaximum(100);
    const int x = v.pView->TimeToX(150);
    pCursor->MoveTo(CRect(x, pCursor->GetRect().top, x + 2, pCursor->GetRect().bottom));
    pCursor->SetPosition(150);
    const CRect line = pCursor->GetRect();
    DialogAnswer answer;
    answer.nControl = kTimeBaseEdit;
    answer.attempts = {DialogAnswer::Attempt({{kTimeBaseEdit, "600"}})};
    answer.Arm();
    Command(v.pView, ID_SETTINGS_LAYOUT);
    EXPECT_TRUE(answer.bSeen);
    EXPECT_FALSE(answer.bLeftOpen);
    EXPECT_EQ(600, pDoc->GetTimeBase());
    EXPECT_EQ(1, v.pView->GetTimePages()) << "599 s on one page";
    EXPECT_EQ(CDrawDoc::GetDefaultPageSize(), pDoc->GetPageSize());
    // The cursor line keeps its place; its range and time follow the new axis.
    EXPECT_EQ(line, pCursor->GetRect());
    EXPECT_EQ(600, pCursor->GetMaximum());
    EXPECT_EQ(v.pView->XToTime(line.left), pCursor->GetPosition());
    EXPECT_NEAR(300, pCursor->GetPosition(), 15) << "twice its time before";
}

// A recording that outgrows its first time page: the page widens, and what the curves and bars drew
// before moves with the axis, so every sample still lies at its time.
TEST_F(RecordingView, SamplesStayAtTheirTimesWhenTheRecordingGetsASecondPage)
{
    ViewInFrame& v = OpenOnline(m_sim, StationSimulator::kPort, "--process");
    CProbeView* pView = v.pView;
    CIRControlDoc* pDoc = pView->GetDocument();
    pDoc->SetLayout(pDoc->GetPen(), pDoc->GetGrid(), pDoc->GetBackColor(), pDoc->GetGridColor(), 100, 20,
                    pDoc->GetTempBase(), pDoc->GetTempInterval());
    Command(pView, ID_RECORD);
    ASSERT_TRUE(PumpUntil([&] { return pDoc->GetSampleCount() >= 3 && !pDoc->AreSamplesPending(); }, 8000));
    // The rest at once, from the station's last reply.
    UnregisterCommWindow(pView->m_hWnd);
    PumpMessages(600);
    ASSERT_EQ(1, pView->GetTimePages());
    while (pDoc->GetRecordingTime() < 150)
        pView->SendMessage(WM_COMM_SAMPLE);
    ASSERT_EQ(2, pView->GetTimePages());
    auto expectAtTimes = [&](const auto* pLine, CObList& values, auto timeOf, const char* name) {
        ASSERT_EQ((int)values.GetCount(), pLine->GetPointCount()) << name;
        int n = 0;
        for (POSITION pos = values.GetHeadPosition(); pos != NULL; n++)
        {
            int t = timeOf(values.GetNext(pos));
            EXPECT_NEAR(pView->TimeToX(t), pLine->GetPoint(n).x, 1) << name << " at " << t << " s";
            if (HasFailure())
                break; // the first point off the axis says enough
        }
    };
    auto valueTime = [](CObject* p) { return ((CMeasureValue*)p)->GetTime(); };
    for (int nSlot : {CIRControlDoc::TESolder, CIRControlDoc::IRSolder})
        expectAtTimes(pDoc->GetCurve(nSlot), pDoc->GetCurve(nSlot)->GetValues(), valueTime, "curve");
    CProcessStateCurve* pTop = pDoc->GetBar(4);
    ASSERT_FALSE(pTop->GetValues().IsEmpty());
    expectAtTimes(
        pTop, pTop->GetValues(), [](CObject* p) { return ((CProcessStateValues*)p)->GetTime(); }, "bar");
    RegisterCommWindow(pView->m_hWnd);
}

// Activation rebuilds the axis labels only when the page no longer fits the view's time pages:
// a view given a second page while inactive shows its labels for both pages once active again.
TEST_F(RecordingView, ActivationRebuildsTheAxisLabelsForANewPageSize)
{
    AddInterface(StationSimulator::kPort);
    ViewInFrame& v = Open();
    CIRControlDoc* pDoc = v.pView->GetDocument();
    pDoc->SetLayout(pDoc->GetPen(), pDoc->GetGrid(), pDoc->GetBackColor(), pDoc->GetGridColor(), 300, 60,
                    pDoc->GetTempBase(), pDoc->GetTempInterval());
    v.pView->CreateScaleLabels();
    auto timeLabels = [&] {
        std::string texts;
        for (POSITION pos = pDoc->GetTimeLabels().GetHeadPosition(); pos != NULL;)
            texts +=
                std::string("[") + (LPCTSTR)((CDrawText*)pDoc->GetTimeLabels().GetNext(pos))->GetText() + "]";
        return texts;
    };
    const std::string onePage = "[ 60s][120s][180s][240s]";
    ASSERT_EQ(onePage, timeLabels());

    // Away and back with the page unchanged: the same label objects.
    CObject* pFirst = pDoc->GetTimeLabels().GetHead();
    v.pFrame->SetActiveView(NULL);
    v.pFrame->SetActiveView(v.pView);
    EXPECT_EQ(pFirst, pDoc->GetTimeLabels().GetHead());
    EXPECT_EQ(onePage, timeLabels());

    // A second time page while inactive: the page and its labels follow on activation.
    v.pFrame->SetActiveView(NULL);
    ASSERT_EQ(2, v.pView->FitTimeAxis(300));
    EXPECT_EQ(CDrawDoc::GetDefaultPageSize(), pDoc->GetPageSize());
    v.pFrame->SetActiveView(v.pView);
    EXPECT_EQ(CSize(2 * CDrawDoc::GetDefaultPageSize().cx, CDrawDoc::GetDefaultPageSize().cy),
              pDoc->GetPageSize());
    EXPECT_EQ(onePage + "[300s][360s][420s][480s][540s]", timeLabels());
}

// Soft calibration on: while the station desolders above TL + 2 °C, every sample calibrates.
TEST_F(RecordingView, SoftCalibrationWhileDesoldering)
{
    Administrator administrator;
    App().CreateConfiguration();
    // Desoldering (an even program) at once: T1 60 °C is soon reached, TL 217 °C is passed on
    // the way to T3.
    ViewInFrame& v =
        OpenOnline(m_sim, StationSimulator::kPort,
                   PresetVars({{StationVar::Program, "2"}, {StationVar::T1, "60"}, {StationVar::T3, "300"}}) +
                       " --process");
    DialogAnswer answer;
    answer.nControl = ID_APPLY_NOW;
    answer.attempts = {DialogAnswer::Attempt({}, IDOK, [](HWND hSheet) {
        ::SendMessageA(hSheet, PSM_SETCURSEL, CDrawSettingsSheet::IRPage, 0);
        HWND hPage = (HWND)::SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0);
        ::SendMessageA(::GetDlgItem(hPage, IDC_IR_SOFTCAL), BM_SETCHECK, BST_CHECKED, 0);
    })};
    answer.Arm();
    Command(v.pView, ID_SETTINGS_CURVES);
    EXPECT_TRUE(answer.bSeen);
    EXPECT_EQ("1", ReadRaw(HKEY_LOCAL_MACHINE, "IR Options", "SoftCal"));
    ASSERT_TRUE(v.pView->GetDocument()->IsSoftCal());
    EXPECT_TRUE(Writes(m_sim, StationVar::CalibrateTrigger).empty());
    ASSERT_TRUE(PumpUntil([&] { return !Writes(m_sim, StationVar::CalibrateTrigger).empty(); }, 20000));
    EXPECT_EQ(std::vector<float>{1.0f}, Writes(m_sim, StationVar::CalibrateTrigger).front());
}
