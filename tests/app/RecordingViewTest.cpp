// The recording view against the station simulator: connecting, the job schedule as the station
// sees it, going offline when the station is missing or silent, and closing while polling.
#include "AppIds.h"
#include "DeviceSimulator.h"
#include "ProgramKey.h"
#include "TestSupport.h"
#include "CreateContext.h"
#include "app/IRControlApp.h"
#include "app/IRControlView.h"
#include "station/link/CommThreads.h"
#include "station/link/IRComBase.h"
#include "station/record/IRControlDoc.h"
#include <map>
#include <sstream>

using namespace testing_support;

namespace
{
CIRControlApp& App()
{
    return *GetIRControlApp();
}

// Records every box and answers OK: the tests count the boxes afterwards.
class CBoxCounter : public CMessageSink
{
  public:
    CBoxCounter() : m_pPrevious(AfxSetMessageSink(this))
    {
    }
    ~CBoxCounter() override
    {
        AfxSetMessageSink(m_pPrevious);
    }
    int Show(HWND, LPCSTR lpszText, LPCSTR, UINT, UINT) override
    {
        m_texts.push_back(lpszText);
        return IDOK;
    }
    int Count(const std::string& part) const
    {
        int n = 0;
        for (const std::string& text : m_texts)
            n += text.find(part) != std::string::npos;
        return n;
    }
    std::vector<std::string> m_texts;

  private:
    CMessageSink* m_pPrevious;
};

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
    static const std::map<unsigned, std::string> reads = {{35, "1"},   {43, "0"},  {0, "14"},
                                                          {6, "15"},   {21, "16"}, {50, "24"},
                                                          {52, "24b"}, {54, "25"}, {20, "19"}};
    static const std::map<unsigned, std::string> writes = {{48, "9"}, {49, "10"}, {19, "c"}, {15, "4"}};
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

// The view in a frame of its own, as the document template would make it.
struct ViewInFrame
{
    CFrameWnd* pFrame = NULL;
    CIRControlView* pView = NULL;
};

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
        v.pView = new CIRControlView;
        CCreateContext context;
        context.m_pCurrentDoc = pDoc;
        EXPECT_TRUE(v.pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 700, 500), v.pFrame,
                                    AFX_IDW_PANE_FIRST, &context));
        v.pView->OnInitialUpdate();
        v.pFrame->SetActiveView(v.pView);
        m_views.push_back(v);
        return m_views.back();
    }
    // Closes the frame; the view's destructor has run when this returns. Milliseconds it took.
    ULONGLONG Close(ViewInFrame& v)
    {
        ULONGLONG start = NowMs();
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
    StationSimulator m_sim;
    std::vector<ViewInFrame> m_views;
    std::vector<CIRControlDoc*> m_docs;
};

TEST_F(RecordingView, ConnectsToTheFirstInterface)
{
    AddInterface(StationSimulator::kPort);
    CIRControlView* pView = Open().pView;
    EXPECT_TRUE(pView->GetComBase() != NULL);
    EXPECT_EQ("COM7", std::string(pView->GetInterfaceName()));
    EXPECT_EQ(" verbunden mit COM7", std::string(pView->GetDocument()->GetTitle()));
    EXPECT_EQ(9600u, pView->GetBaudRate());
    EXPECT_TRUE(IsCommWorkerRunning());
    EXPECT_TRUE(IsCommTimerRunning());
    EXPECT_FALSE(pView->IsOnline()) << "\"AutoCom\" is off by default";
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
        EXPECT_NEAR(atof(c.firmware), v.pView->GetMirroredVar(20), 1e-4);

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
    PumpMessages(1000); // the first tick's sample is behind us
    size_t nFrom = m_sim.Requests().size();
    PumpMessages(5000);
    std::vector<std::string> jobs = JobsFrom(m_sim, nFrom);
    EXPECT_EQ(1, CountOf(jobs, "14"));
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
} // namespace
