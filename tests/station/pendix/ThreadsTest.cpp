// Pendix jobs end to end: hidden windows queue jobs for the Pendix worker against the simulator
// and collect the messages; broken devices, port loss, ticks and the stop paths.
#include "DeviceSimulator.h"
#include "TestSupport.h"
#include "station/pendix/PendixThreads.h"

namespace
{
const int kPort = PendixSimulator::kPort;

struct Received
{
    HWND hWnd;
    UINT message;
    WPARAM wParam;
};
std::vector<Received> g_received;

LRESULT CALLBACK CollectProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((message >= WM_PENDIX_TICK && message <= WM_PENDIX_BROKEN) || message == WM_COMM_PORT_ERROR)
    {
        g_received.push_back({hWnd, message, wParam});
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

HWND MakeWindow()
{
    return testing_support::CreateMessageWindow("PendixJobTestWindow", CollectProc);
}

int Count(HWND hWnd, UINT message, WPARAM wParam = (WPARAM)-1)
{
    int n = 0;
    for (const auto& r : g_received)
        n += r.hWnd == hWnd && r.message == message && (wParam == (WPARAM)-1 || r.wParam == wParam);
    return n;
}

class PendixJobs : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        g_received.clear();
        m_hWnd = MakeWindow();
        m_hEvent = ::CreateEventA(NULL, FALSE, FALSE, NULL);
    }
    void TearDown() override
    {
        if (m_bStarted)
        {
            if (m_com)
                QueuePendixStopJob(m_com.get(), m_hWnd, m_hEvent);
            ULONGLONG start = testing_support::NowMs();
            StopPendixThreads(m_com.get(), m_com ? m_hEvent : NULL, 3000);
            EXPECT_LT(testing_support::NowMs() - start, 2500u) << "threads stop within a bound";
        }
        EXPECT_FALSE(IsPendixWorkerRunning());
        EXPECT_FALSE(IsPendixTimerRunning());
        EXPECT_EQ(0, GetPendixJobQueue().GetCount());
        m_com.reset();
        ::DestroyWindow(m_hWnd);
        ::CloseHandle(m_hEvent);
        m_sim.Stop();
    }
    void Start(const std::string& options = std::string(), bool bThreads = true)
    {
        ASSERT_TRUE(m_sim.Start(kPort, options));
        m_com.reset(new CPendixStdComBase(kPort, 9600, 8, stopBitsOne, parityNone, flowNone, TRUE));
        if (bThreads)
            StartThreads();
    }
    void StartThreads()
    {
        StartPendixThreads();
        m_bStarted = true;
    }
    void Queue(DWORD dwCode, CPendixStdComBase* pCom = NULL, HWND hWnd = NULL, HANDLE hEvent = NULL,
               std::vector<float> params = {})
    {
        std::vector<DWORD> words;
        for (float f : params)
            words.push_back(CommJobWord(f));
        // The queue gives up on its lock after 100 ms, which a loaded machine may take while the
        // worker holds it: such a job is put again, a full queue still fails.
        BOOL bQueued = FALSE;
        for (int nTry = 0; nTry < 20; nTry++)
        {
            bQueued = QueuePendixJob(pCom ? pCom : m_com.get(), dwCode, words.data(), 0, (int)words.size(),
                                     hWnd ? hWnd : m_hWnd, hEvent ? hEvent : m_hEvent);
            if (bQueued || ::GetLastError() != ERROR_TIMEOUT)
                break;
        }
        ASSERT_TRUE(bQueued);
    }
    // The requests the device saw, as "49" or "4E 40 9C".
    std::vector<std::string> Requests()
    {
        std::vector<std::string> out;
        for (const std::string& line : m_sim.Log())
            if (line.compare(0, 3, "rx ") == 0)
                out.push_back(line.substr(line.find('[') + 1, line.find(']') - line.find('[') - 1));
        return out;
    }
    PendixSimulator m_sim;
    std::unique_ptr<CPendixStdComBase> m_com;
    HWND m_hWnd = NULL;
    HANDLE m_hEvent = NULL;
    bool m_bStarted = false;
};

TEST_F(PendixJobs, JobsSendTheirCommandsAndPostTheirMessages)
{
    Start();
    const struct
    {
        DWORD code;
        std::vector<float> params;
        const char* request; // nullptr: nothing sent
        UINT message;
    } jobs[] = {
        {1, {}, nullptr, 0},
        {0, {}, nullptr, 0},
        {2, {}, "0D", WM_PENDIX_IDENTITY},
        {3, {}, "49", WM_PENDIX_STATUS},
        {4, {40000.0f}, "4E 40 9C", 0},
        {5, {}, "20", 0},
        {7, {}, "4B", 0},
        {8, {}, "6B", 0},
        {9, {}, "4F 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00", 0},
    };
    for (const auto& j : jobs)
    {
        g_received.clear();
        size_t before = Requests().size();
        Queue(j.code, NULL, NULL, NULL, j.params);
        Queue(3); // a marker: the status read ends each step
        ASSERT_TRUE(testing_support::PumpUntil(
            [&] { return Count(m_hWnd, WM_PENDIX_STATUS) >= (j.code == 3 ? 2 : 1); }, 5000))
            << "job " << j.code;
        std::vector<std::string> requests = Requests();
        ASSERT_EQ(before + (j.request ? 2 : 1), requests.size()) << "job " << j.code;
        if (j.request)
        {
            EXPECT_EQ(j.request, requests[before]) << "job " << j.code;
        }
        if (j.message && j.message != WM_PENDIX_STATUS)
        {
            EXPECT_EQ(1, Count(m_hWnd, j.message)) << "job " << j.code;
        }
        EXPECT_EQ(0, Count(m_hWnd, WM_PENDIX_BROKEN)) << "job " << j.code;
    }
    // the clock job sends 'U' and three bytes
    Queue(6);
    Queue(3);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_PENDIX_STATUS) >= 2; }, 5000));
    std::vector<std::string> requests = Requests();
    EXPECT_EQ(0u, requests[requests.size() - 2].find("55 ")) << requests[requests.size() - 2];
    EXPECT_EQ(11u, requests[requests.size() - 2].size());
}

TEST_F(PendixJobs, ThreeFailedReadsBreakTheLinkUntilSwitchedOnAgain)
{
    Start("--fault silence --fault-command I");
    for (int i = 0; i < 4; ++i)
        Queue(3);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_PENDIX_BROKEN) >= 1; }, 8000));
    testing_support::PumpMessages(200);
    EXPECT_EQ(1, Count(m_hWnd, WM_PENDIX_BROKEN, 0)) << "the fourth read is flushed with the breakdown";
    int reads = 0;
    for (const auto& r : Requests())
        reads += r == "49";
    EXPECT_EQ(3, reads);
    // switching on again: the counter goes back to 0 and the device is identified anew
    g_received.clear();
    Queue(1);
    Queue(0);
    Queue(2);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_PENDIX_IDENTITY) == 1; }, 5000));
    EXPECT_EQ(0, Count(m_hWnd, WM_PENDIX_BROKEN));
}

TEST_F(PendixJobs, RemovedLinkIsReportedAsAPulledCable)
{
    Start();
    m_sim.Stop(); // the adapter's port is gone
    Queue(1);
    Queue(0);
    Queue(2);
    Queue(3);
    Queue(3);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_PENDIX_BROKEN) >= 1; }, 5000));
    EXPECT_EQ(1, Count(m_hWnd, WM_PENDIX_BROKEN, 240));
    EXPECT_EQ(0, Count(m_hWnd, WM_COMM_PORT_ERROR)) << "a missing port is no port error";
    // a plain serial line gives no USB text
    g_received.clear();
    CPendixStdComBase serial(kPort, 9600, 8, stopBitsOne, parityNone, flowNone, FALSE);
    for (DWORD code : {1, 0, 2, 3, 3})
        Queue(code, &serial);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_PENDIX_BROKEN) >= 1; }, 5000));
    EXPECT_EQ(1, Count(m_hWnd, WM_PENDIX_BROKEN, 0));
    ReleasePendixLink(&serial);
}

TEST_F(PendixJobs, SwitchingOnClearsThePortUnavailableMark)
{
    Start();
    PendixSimulator sim; // started again on the same port after the loss
    m_sim.Stop();
    for (DWORD code : {1, 0, 2, 3, 3})
        Queue(code);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_PENDIX_BROKEN, 240) == 1; }, 5000));
    ASSERT_TRUE(sim.Start(kPort, "--fault silence --fault-command I"));
    g_received.clear();
    // the cable is back, the device then stops answering: no USB text any more
    for (DWORD code : {1, 0, 2, 3, 3, 3})
        Queue(code);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_PENDIX_BROKEN) >= 1; }, 8000));
    EXPECT_EQ(1, Count(m_hWnd, WM_PENDIX_IDENTITY));
    EXPECT_EQ(1, Count(m_hWnd, WM_PENDIX_BROKEN, 0));
    EXPECT_EQ(0, Count(m_hWnd, WM_PENDIX_BROKEN, 240));
    QueuePendixStopJob(m_com.get(), m_hWnd, m_hEvent);
    StopPendixThreads(m_com.get(), m_hEvent, 3000);
    m_bStarted = false;
    m_com.reset();
    sim.Stop();
}

TEST_F(PendixJobs, VanishedLineReportsThePortErrorOnce)
{
    Start("--fault vanish --fault-command I --fault-skip 1");
    Queue(3);
    Queue(3); // the line goes here, under the open port
    for (int i = 0; i < 4; ++i)
        Queue(3);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_PENDIX_BROKEN) >= 1; }, 8000));
    testing_support::PumpMessages(300);
    EXPECT_EQ(1, Count(m_hWnd, WM_PENDIX_STATUS));
    EXPECT_EQ(1, Count(m_hWnd, WM_COMM_PORT_ERROR));
}

TEST_F(PendixJobs, SerialNumberIsTriedFourTimesThenBroken)
{
    Start("--fault echo --fault-command N");
    RegisterPendixWindow(m_hWnd); // the view's link is on
    Queue(4, NULL, NULL, NULL, {40000.0f});
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_PENDIX_BROKEN) == 1; }, 8000));
    int writes = 0;
    for (const auto& r : Requests())
        writes += r == "4E 40 9C";
    EXPECT_EQ(4, writes);
}

TEST_F(PendixJobs, TicksReachEveryViewWithALink)
{
    StartThreads();
    HWND hSecond = MakeWindow();
    HWND hOff = MakeWindow();
    RegisterPendixWindow(m_hWnd);
    RegisterPendixWindow(hSecond);
    RegisterPendixWindow(m_hWnd);
    ULONGLONG start = testing_support::NowMs();
    testing_support::PumpMessages(2000);
    DWORD elapsed = (DWORD)(testing_support::NowMs() - start);
    int expected = (int)(elapsed / 250);
    for (HWND hWnd : {m_hWnd, hSecond})
    {
        int ticks = Count(hWnd, WM_PENDIX_TICK);
        EXPECT_GE(ticks, expected - 3) << "in " << elapsed << " ms";
        EXPECT_LE(ticks, expected + 1) << "in " << elapsed << " ms";
    }
    EXPECT_EQ(0, Count(hOff, WM_PENDIX_TICK));
    UnregisterPendixWindow(hSecond);
    UnregisterPendixWindow(m_hWnd);
    ::DestroyWindow(hSecond);
    ::DestroyWindow(hOff);
}

TEST_F(PendixJobs, StopJobBehindAFailingJob)
{
    // Both jobs are queued before the worker runs, so the link is off when the write fails.
    Start("--fault echo --fault-command N", false);
    RegisterPendixWindow(m_hWnd);
    Queue(4, NULL, NULL, NULL, {40000.0f});
    ASSERT_TRUE(QueuePendixStopJob(m_com.get(), m_hWnd, m_hEvent));
    StartThreads();
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(m_hEvent, 5000));
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_PENDIX_CLOSED) == 1; }, 2000));
    // the failed job is not tried again behind the stop job: the port stays closed
    testing_support::PumpMessages(300);
    EXPECT_FALSE(m_com->IsPortOpen());
    int writes = 0;
    for (const auto& r : Requests())
        writes += r == "4E 40 9C";
    EXPECT_EQ(1, writes);
    EXPECT_EQ(0, GetPendixJobQueue().GetCount());
    StopPendixThreads(m_com.get(), NULL, 0);
    m_bStarted = false;
}

TEST_F(PendixJobs, RetryQueuedBehindTheStopJobIsDropped)
{
    // The worker decided on the retry just before the view switched its link off: the retry then
    // sits behind the stop job and must neither reopen the port nor report anything.
    Start("--fault echo --fault-command N", false);
    ASSERT_TRUE(QueuePendixStopJob(m_com.get(), m_hWnd, m_hEvent));
    STRUCT_COMM_JOB retry;
    memset(&retry, 0, sizeof retry);
    retry.pProtocol = m_com.get();
    retry.dwCode = 4;
    retry.dwParams[0] = CommJobWord(40000.0f);
    retry.hWnd = m_hWnd;
    for (DWORD dwTries : {1u, 4u})
    {
        retry.dwTries = dwTries;
        ASSERT_TRUE(GetPendixJobQueue().Put(&retry, 100));
    }
    Queue(3); // a marker behind the retries, from a view whose link is on
    StartThreads();
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(m_hEvent, 5000));
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_PENDIX_STATUS) == 1; }, 5000));
    EXPECT_EQ(1, Count(m_hWnd, WM_PENDIX_CLOSED));
    EXPECT_EQ(0, Count(m_hWnd, WM_PENDIX_BROKEN));
    EXPECT_EQ(std::vector<std::string>{"49"}, Requests()) << "only the marker reached the device";
}

TEST_F(PendixJobs, StopJobThatCannotBeQueuedReleasesTheLink)
{
    Start(std::string(), false);
    // the worker is not running: twenty jobs fill the queue
    CPendixStdComBase other(99, 9600, 8, stopBitsOne, parityNone, flowNone, TRUE);
    for (int i = 0; i < pendixQueueCapacity; ++i)
        Queue(3, &other);
    ULONGLONG start = testing_support::NowMs();
    EXPECT_FALSE(QueuePendixStopJob(m_com.get(), m_hWnd, m_hEvent));
    EXPECT_LT(testing_support::NowMs() - start, 1000u);
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(m_hEvent, 0)) << "signalled at once";
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_PENDIX_CLOSED) == 1; }, 1000));
    EXPECT_EQ(pendixQueueCapacity, GetPendixJobQueue().GetCount()) << "the other device's jobs stay";
    ReleasePendixLink(&other);
}

TEST_F(PendixJobs, BrokenDevicesFlushKeepsOtherJobsAndSignalsFlushedStops)
{
    Start(std::string(), false);
    CPendixStdComBase absent(99, 9600, 8, stopBitsOne, parityNone, flowNone, TRUE);
    HWND hAbsent = MakeWindow();
    HANDLE hAbsentStop = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    for (int i = 0; i < 3; ++i)
        Queue(3, &absent, hAbsent);
    Queue(3);
    Queue(pendixStopJob, &absent, hAbsent, hAbsentStop);
    Queue(3);
    StartThreads();
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hAbsentStop, 5000));
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_PENDIX_STATUS) == 2; }, 5000))
        << "the other device's reads stayed queued";
    EXPECT_EQ(1, Count(hAbsent, WM_PENDIX_BROKEN, 240));
    EXPECT_EQ(0, Count(hAbsent, WM_PENDIX_CLOSED)) << "the flushed stop job did not run";
    ReleasePendixLink(&absent);
    ::CloseHandle(hAbsentStop);
    ::DestroyWindow(hAbsent);
}
} // namespace
