// Jobs end to end: a hidden window queues jobs for the worker against the simulator and
// collects the messages; ticks, retries, offline, and stopping the threads.
#include "DeviceSimulator.h"
#include "TestSupport.h"
#include "station/link/CommThreads.h"
#include <map>
#include <sstream>

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
    if (message >= WM_COMM_CLOCK && message <= WM_COMM_PROFILE_WRITTEN)
    {
        g_received.push_back({hWnd, {message, wParam}});
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

HWND MakeWindow()
{
    return testing_support::CreateMessageWindow("StationJobTestWindow", CollectProc);
}

// The write requests ('O') the station saw from log line nFrom on: register and float values.
struct Write
{
    int reg;
    std::vector<float> values;
    bool operator==(const Write& other) const
    {
        return reg == other.reg && values == other.values;
    }
};
std::ostream& operator<<(std::ostream& out, const Write& w)
{
    out << "reg " << w.reg << " {";
    for (float f : w.values)
        out << " " << f;
    return out << " }";
}

std::vector<Write> WritesFrom(const StationSimulator& sim, size_t nFrom)
{
    std::vector<Write> writes;
    std::vector<std::string> log = sim.Log();
    for (size_t i = nFrom; i < log.size(); ++i)
    {
        const std::string& line = log[i];
        size_t open = line.find('[');
        if (line.compare(0, 3, "rx ") != 0 || open == std::string::npos ||
            line.find(" drop ") != std::string::npos)
            continue;
        std::vector<unsigned> bytes;
        std::istringstream in(line.substr(open + 1, line.find(']') - open - 1));
        unsigned byte;
        while (in >> std::hex >> byte)
            bytes.push_back(byte);
        if (bytes.size() < 8 || bytes[1] != 'O')
            continue;
        Write w{(int)(bytes[3] | bytes[4] << 8), {}};
        for (size_t at = 6; at + 4 <= bytes.size() - 2; at += 4)
        {
            DWORD dw = bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | (DWORD)bytes[at + 3] << 24;
            w.values.push_back(CommJobFloat(dw));
        }
        writes.push_back(w);
    }
    return writes;
}

// wParam of the last such message the window got; -1 when none came.
long long LastWParam(HWND hWnd, UINT message)
{
    long long wParam = -1;
    for (const auto& r : g_received)
        if (r.first == hWnd && r.second.message == message)
            wParam = (long long)r.second.wParam;
    return wParam;
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
            ULONGLONG start = testing_support::NowMs();
            StopCommThreads(m_com.get(), m_hEvent, 3000);
            // a job in hand ends within its port time-outs (half a second at most); load adds some
            EXPECT_LT(testing_support::NowMs() - start, 2500u) << "threads stop within a bound";
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
    const std::vector<Write> none;
    const struct
    {
        DWORD code;
        DWORD argument;
        std::vector<float> params;
        UINT message;              // 0: none
        std::vector<Write> writes; // what reaches the station, store commands included
        // clang-format off
    } jobs[] = {
        {0, 0, {}, WM_COMM_CLOCK, none},
        {1, 0, {}, WM_COMM_STATUS, none},
        {2, 0, {40.0f}, WM_COMM_STATUS, {{12, {40.0f}}}},
        {3, 0, {}, WM_COMM_STATUS, {{46, {1.0f}}}},
        {4, 1, {12.0f}, 0, {{15, {12.0f}}, {19, {1.0f}}}},
        {5, 0, {}, WM_COMM_STATUS, {{37, {0.0f}}}},
        {6, 0, {}, WM_COMM_STATUS, {{37, {1.0f}}}},
        {7, 0, {}, WM_COMM_STATUS, {{38, {0.0f}}}},
        {8, 0, {}, WM_COMM_STATUS, {{38, {1.0f}}}},
        {9, 0, {3.0f}, 0, {{48, {3.0f}}}},
        {10, 1, {1.0f}, 0, {{49, {1.0f}}, {19, {1.0f}}}},
        {11, 0, {150, 60, 220, 235, 217, 50, 0, 0}, WM_COMM_PROFILE_WRITTEN, {{7, {150, 60, 220, 235, 217, 50, 0, 0}}}},
        {12, 1, {1.0f}, WM_COMM_PROFILE_WRITTEN, {{5, {1.0f}}, {19, {1.0f}}}},
        {13, 1, {1.0f}, WM_COMM_PROFILE_WRITTEN, {{4, {1.0f}}, {19, {1.0f}}}},
        {14, 0, {}, WM_COMM_SAMPLE, none},
        {15, 0, {}, WM_COMM_PROFILE, none},
        {16, 0, {}, WM_COMM_LIMITS, none},
        {17, 0, {5, 4, 13}, 0, {{43, {5, 4, 13}}}},
        {21, 0, {20, 10, 100, 10, 100}, 0, none},
        {22, 1, {4711.0f}, 0, {{18, {4711.0f}}, {19, {1.0f}}}},
        {23, 0, {600, 60}, 0, {{50, {600, 60}}}},
        {24, 0, {}, WM_COMM_HOURS, none},
        {25, 0, {}, WM_COMM_LONGLIFE, none},
        {26, 0, {}, 0, {{58, {0, 0, 0, 0}}, {56, {0, 1}}}},
        {27, 0, {}, 0, {{56, {1, 1}}}},
        {28, 0, {}, 0, {{56, {0, 1}}}},
        {29, 0, {1, 2, 0, 1}, 0, {{54, {1, 2, 0, 1}}}},
        {18, 0, {19200.0f}, WM_COMM_BAUD, none},
        {1, 0, {}, WM_COMM_STATUS, none},
    };
    // clang-format on
    for (const auto& j : jobs)
    {
        g_received.clear();
        size_t nLogFrom = m_sim.Log().size();
        Queue(j.code, j.argument, j.params);
        Queue(0); // a marker: the clock read ends each step
        ASSERT_TRUE(testing_support::PumpUntil(
            [&] { return Count(m_hWnd, WM_COMM_CLOCK) >= (j.code == 0 ? 2 : 1); }, 5000))
            << "job " << j.code;
        if (j.message && j.message != WM_COMM_CLOCK)
        {
            EXPECT_EQ(1, Count(m_hWnd, j.message)) << "job " << j.code;
        }
        EXPECT_EQ(0, Count(m_hWnd, WM_COMM_OFFLINE)) << "job " << j.code;
        EXPECT_EQ(0, m_com->GetErrorCount()) << "job " << j.code;
        if (j.code != 18) // the baud change writes its own variable, checked by the new rate below
        {
            EXPECT_EQ(j.writes, WritesFrom(m_sim, nLogFrom)) << "job " << j.code;
        }
    }
    // the new rate reached the station
    EXPECT_EQ(19200u, m_com->GetBaud());
    EXPECT_FALSE(m_com->GetCloseAfterTransfer());
}

TEST_F(Jobs, FailedConnectAndLostFixedRatePortGoOfflineWithTheirWParam)
{
    // a station that never answers: the connect gives up and the link goes offline with wParam 1
    ASSERT_TRUE(m_sim.Start(kPort, "--fault silence"));
    m_com.reset(new CIRComBase(kPort, 9600, 8, stopBitsOne, parityNone, flowNone, FALSE));
    RegisterCommWindow(m_hWnd);
    Queue(19);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_COMM_OFFLINE) == 1; }, 15000));
    EXPECT_EQ(1, LastWParam(m_hWnd, WM_COMM_OFFLINE));
    // a fixed-rate link whose port is gone: wParam 240
    g_received.clear();
    CIRComBase fixed(98, 115200, 8, stopBitsOne, parityNone, flowNone, TRUE);
    Queue(1, 0, {}, &fixed);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_COMM_OFFLINE) == 1; }, 5000));
    EXPECT_EQ(240, LastWParam(m_hWnd, WM_COMM_OFFLINE));
    // the same port without the fixed rate: wParam 0
    g_received.clear();
    CIRComBase plain(98, 9600, 8, stopBitsOne, parityNone, flowNone, FALSE);
    Queue(1, 0, {}, &plain);
    Queue(1, 0, {}, &plain);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_COMM_OFFLINE) >= 1; }, 5000));
    EXPECT_EQ(0, LastWParam(m_hWnd, WM_COMM_OFFLINE));
    ReleaseCommLink(&fixed);
    ReleaseCommLink(&plain);
}

TEST_F(Jobs, StopJobClosesThePortAndReportsIt)
{
    Connect();
    m_com->SetCloseAfterTransfer(FALSE);
    Queue(1);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_COMM_STATUS) == 1; }, 5000));
    EXPECT_TRUE(m_com->IsPortOpen());
    ASSERT_TRUE(QueueStopJob(m_com.get(), m_hWnd, m_hEvent));
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(m_hEvent, 5000));
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_COMM_CLOSED) == 1; }, 2000));
    EXPECT_FALSE(m_com->IsPortOpen());
    EXPECT_EQ(0, Count(m_hWnd, WM_COMM_OFFLINE));
}

TEST_F(Jobs, FailingJobIsTriedFourTimesThenOffline)
{
    Connect("--fault silence --fault-register " + std::to_string(StationVar::Fan));
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
    Connect("--fault silence --fault-register " + std::to_string(StationVar::Fan));
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
    ULONGLONG start = testing_support::NowMs();
    testing_support::PumpMessages(2000);
    DWORD elapsed = (DWORD)(testing_support::NowMs() - start);
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
    Connect("--fault vanish --fault-register " + std::to_string(StationVar::StatusFirst));
    RegisterCommWindow(m_hWnd);
    m_com->SetCloseAfterTransfer(FALSE); // keep the port open, as after a baud change
    Queue(14);
    Queue(1); // the line goes here
    for (int i = 0; i < 6; ++i)
        Queue(14);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Count(m_hWnd, WM_COMM_OFFLINE) >= 1; }, 8000));
    testing_support::PumpMessages(200);
    EXPECT_EQ(1, Count(m_hWnd, WM_COMM_PORT_ERROR));
}

TEST_F(Jobs, StopJobThatCannotRunReleasesTheLink)
{
    Connect();
    // the worker stops; the view's stop job then never runs and the bounded wait ends it
    StopCommThreads(NULL, NULL, 0);
    Queue(1);
    QueueStopJob(m_com.get(), m_hWnd, m_hEvent);
    ULONGLONG start = testing_support::NowMs();
    StopCommThreads(m_com.get(), m_hEvent, 300);
    DWORD elapsed = (DWORD)(testing_support::NowMs() - start);
    EXPECT_GE(elapsed, 250u) << "the bounded wait ran";
    EXPECT_LT(elapsed, 2000u);
    EXPECT_EQ(0, GetCommJobQueue().GetCount());
    EXPECT_FALSE(m_com->IsPortOpen());
    m_com.reset();
}
} // namespace
