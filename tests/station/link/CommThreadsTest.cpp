// Jobs end to end: a hidden window queues jobs for the worker against the simulator and
// collects the messages; ticks, retries, offline, and stopping the threads.
#include "DeviceSimulator.h"
#include "TestSupport.h"
#include "station/link/CommThreads.h"
#include <map>

namespace
{
const int kPort = StationSimulator::kPort;

struct Received
{
    UINT message;
    WPARAM wParam;
};
std::vector<std::pair<HWND, Received>> g_received;

LRESULT CALLBACK CollectProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_COMM_CLOCK && message <= WM_COMM_PORT_ERROR)
    {
        g_received.push_back({hWnd, {message, wParam}});
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

HWND MakeWindow()
{
    static bool registered = false;
    if (!registered)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = CollectProc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.lpszClassName = "StationJobTestWindow";
        ::RegisterClassA(&wc);
        registered = true;
    }
    return ::CreateWindowA("StationJobTestWindow", "", 0, 0, 0, 10, 10, NULL, NULL, ::GetModuleHandleA(NULL), NULL);
}

int Count(HWND hWnd, UINT message)
{
    int n = 0;
    for (const auto& r : g_received)
        n += r.first == hWnd && r.second.message == message;
    return n;
}

class Jobs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_received.clear();
        m_hWnd = MakeWindow();
        m_hEvent = ::CreateEventA(NULL, TRUE, FALSE, NULL);
        StartCommThreads();
    }
    void TearDown() override
    {
        if (m_com)
        {
            QueueStopJob(m_com.get(), m_hWnd, m_hEvent);
            DWORD start = ::GetTickCount();
            StopCommThreads(m_com.get(), m_hEvent, 3000);
            // a job in hand ends within its port time-outs (half a second at most); load adds some
            EXPECT_LT(::GetTickCount() - start, 2500u) << "threads stop within a bound";
        }
        else
            StopCommThreads(NULL, NULL, 0);
        EXPECT_FALSE(IsCommWorkerRunning());
        EXPECT_FALSE(IsCommTimerRunning());
        m_com.reset();
        ::DestroyWindow(m_hWnd);
        ::CloseHandle(m_hEvent);
        m_sim.Stop();
    }
    void Connect(const std::string& options = std::string())
    {
        ASSERT_TRUE(m_sim.Start(kPort, options));
        m_com.reset(new CIRComBase(kPort, 9600, 8, stopBitsOne, parityNone, flowNone, FALSE));
        Queue(20, 0, {1.0f});
        Queue(19);
        ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_COMM_VERSION) == 1; }, 5000));
    }
    void Queue(DWORD dwCode, DWORD dwArgument = 0, std::vector<float> params = {}, CIRComBase* pCom = NULL)
    {
        STRUCT_COMM_JOB job;
        memset(&job, 0, sizeof job);
        job.pProtocol = pCom ? pCom : m_com.get();
        job.dwCode = dwCode;
        job.dwArgument = dwArgument;
        for (size_t i = 0; i < params.size(); ++i)
            job.dwParams[i] = CommJobWord(params[i]);
        job.hWnd = m_hWnd;
        job.hEvent = m_hEvent;
        ASSERT_TRUE(GetCommJobQueue().Put(&job, 100));
    }
    StationSimulator m_sim;
    std::unique_ptr<CIRComBase> m_com;
    HWND m_hWnd = NULL;
    HANDLE m_hEvent = NULL;
};

TEST_F(Jobs, EveryJobCodeGivesItsMessage)
{
    Connect();
    RegisterCommWindow(m_hWnd);
    const struct
    {
        DWORD code;
        DWORD argument;
        std::vector<float> params;
        UINT message; // 0: none
    } jobs[] = {
        {0, 0, {}, WM_COMM_CLOCK},          {1, 0, {}, WM_COMM_STATUS},      {2, 0, {40.0f}, WM_COMM_STATUS},
        {3, 0, {}, WM_COMM_STATUS},         {4, 1, {12.0f}, 0},              {5, 0, {}, WM_COMM_STATUS},
        {6, 0, {}, WM_COMM_STATUS},         {7, 0, {}, WM_COMM_STATUS},      {8, 0, {}, WM_COMM_STATUS},
        {9, 0, {3.0f}, 0},                  {10, 1, {1.0f}, 0},              {11, 0, {150, 60, 220, 235, 217, 50, 0, 0}, 0},
        {12, 1, {1.0f}, 0},                 {13, 1, {1.0f}, 0},              {14, 0, {}, WM_COMM_SAMPLE},
        {15, 0, {}, WM_COMM_PROFILE},       {16, 0, {}, WM_COMM_LIMITS},     {17, 0, {5, 4, 13}, 0},
        {21, 0, {20, 10, 100, 10, 100}, 0}, {22, 1, {4711.0f}, 0},           {23, 0, {600, 60}, 0},
        {24, 0, {}, WM_COMM_HOURS},         {25, 0, {}, WM_COMM_LONGLIFE},   {26, 0, {}, 0},
        {27, 0, {}, 0},                     {28, 0, {}, 0},                  {29, 0, {1, 2, 0, 1}, 0},
        {18, 0, {19200.0f}, WM_COMM_BAUD},  {1, 0, {}, WM_COMM_STATUS},
    };
    for (const auto& j : jobs)
    {
        g_received.clear();
        Queue(j.code, j.argument, j.params);
        Queue(0); // a marker: the clock read ends each step
        ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_COMM_CLOCK) >= (j.code == 0 ? 2 : 1); },
                                               5000))
            << "job " << j.code;
        if (j.message && j.message != WM_COMM_CLOCK)
        {
            EXPECT_EQ(1, Count(m_hWnd, j.message)) << "job " << j.code;
        }
        EXPECT_EQ(0, Count(m_hWnd, WM_COMM_OFFLINE)) << "job " << j.code;
        EXPECT_EQ(0, m_com->GetErrorCount()) << "job " << j.code;
    }
    // the writes reached the station: the serial number, the store command, the new rate
    EXPECT_EQ(19200u, m_com->GetBaud());
    EXPECT_FALSE(m_com->GetCloseAfterTransfer());
}

TEST_F(Jobs, FailingJobIsTriedFourTimesThenOffline)
{
    Connect("--fault silence --fault-register 37");
    RegisterCommWindow(m_hWnd);
    Queue(6); // fan on: fails every time
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_COMM_OFFLINE) == 1; }, 8000));
    int fanWrites = 0;
    for (const auto& r : m_sim.Requests())
        fanWrites += r.compare(0, 14, "01 4F 0C 25 00") == 0;
    EXPECT_EQ(4, fanWrites);
    EXPECT_EQ(0, Count(m_hWnd, WM_COMM_PORT_ERROR)) << "a silent station is no port error";
}

TEST_F(Jobs, UnregisteredWindowsJobIsNotRequeued)
{
    Connect("--fault silence --fault-register 37");
    Queue(6);
    Queue(0);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_COMM_CLOCK) == 1; }, 5000));
    testing_support::PumpMessages(300);
    int fanWrites = 0;
    for (const auto& r : m_sim.Requests())
        fanWrites += r.compare(0, 14, "01 4F 0C 25 00") == 0;
    EXPECT_EQ(1, fanWrites);
}

TEST_F(Jobs, OfflineFlushesOnlyThatLinksJobs)
{
    Connect();
    CIRComBase other(98, 9600, 8, stopBitsOne, parityNone, flowNone, FALSE); // a port that does not exist
    HWND hOther = MakeWindow();
    // the worker is busy with a clock read while both links' jobs queue up
    Queue(1, 0, {}, &other);
    for (int i = 0; i < 3; ++i)
        Queue(1);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_COMM_OFFLINE) >= 1; }, 5000));
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_COMM_STATUS) == 3; }, 5000))
        << "the other station's jobs stayed queued";
    ::DestroyWindow(hOther);
}

TEST_F(Jobs, TicksReachEachRegisteredWindow)
{
    HWND hSecond = MakeWindow();
    RegisterCommWindow(m_hWnd);
    RegisterCommWindow(m_hWnd);
    RegisterCommWindow(hSecond);
    DWORD start = ::GetTickCount();
    testing_support::PumpMessages(2000);
    DWORD elapsed = ::GetTickCount() - start;
    // A periodic timer does not drift, but a thread held up under load can miss a period.
    int expected = (int)(elapsed / 200);
    for (HWND hWnd : {m_hWnd, hSecond})
    {
        int ticks = Count(hWnd, WM_COMM_TICK);
        EXPECT_GE(ticks, expected - 3) << "in " << elapsed << " ms";
        EXPECT_LE(ticks, expected + 1) << "in " << elapsed << " ms";
    }
    UnregisterCommWindow(hSecond);
    ::DestroyWindow(hSecond);
}

TEST_F(Jobs, VanishedLineReportsThePortErrorOnce)
{
    Connect("--fault vanish --fault-register 35");
    RegisterCommWindow(m_hWnd);
    m_com->SetCloseAfterTransfer(FALSE); // keep the port open, as after a baud change
    Queue(14);
    Queue(1); // the line goes here
    for (int i = 0; i < 6; ++i)
        Queue(14);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_COMM_OFFLINE) >= 1; }, 8000));
    testing_support::PumpMessages(200);
    EXPECT_LE(Count(m_hWnd, WM_COMM_PORT_ERROR), 1);
}

TEST_F(Jobs, StopJobThatCannotRunReleasesTheLink)
{
    Connect();
    // the worker stops; the view's stop job then never runs and the bounded wait ends it
    StopCommThreads(NULL, NULL, 0);
    Queue(1);
    QueueStopJob(m_com.get(), m_hWnd, m_hEvent);
    DWORD start = ::GetTickCount();
    StopCommThreads(m_com.get(), m_hEvent, 300);
    DWORD elapsed = ::GetTickCount() - start;
    EXPECT_GE(elapsed, 250u) << "the bounded wait ran";
    EXPECT_LT(elapsed, 2000u);
    EXPECT_EQ(0, GetCommJobQueue().GetCount());
    EXPECT_FALSE(m_com->IsPortOpen());
    m_com.reset();
}
} // namespace
