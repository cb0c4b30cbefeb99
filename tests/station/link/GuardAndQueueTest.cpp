// The reader-writer guard with real threads, and the bounded job queue.
#include "TestSupport.h"
#include "station/link/CommTickThread.h"
#include "station/link/CommWorkerThread.h"
#include "station/link/MutexQueue.h"
#include "station/link/SWMRGuard.h"
#include <process.h>

namespace
{
struct Shared
{
    CSWMRGuard guard;
    volatile LONG readersInside = 0;
    volatile LONG writerInside = 0;
    volatile LONG maxReadersTogether = 0;
    volatile LONG readersAfterWriter = 0;
    HANDLE hRelease = ::CreateEventA(NULL, TRUE, FALSE, NULL);
};

unsigned __stdcall Reader(void* p)
{
    Shared* s = (Shared*)p;
    s->guard.WaitToRead();
    LONG n = ::InterlockedIncrement(&s->readersInside);
    if (s->writerInside)
        ADD_FAILURE() << "a reader entered while the writer was inside";
    LONG m = s->maxReadersTogether;
    while (n > m && ::InterlockedCompareExchange(&s->maxReadersTogether, n, m) != m)
        m = s->maxReadersTogether;
    ::WaitForSingleObject(s->hRelease, 5000);
    ::InterlockedDecrement(&s->readersInside);
    s->guard.Done();
    return 0;
}

unsigned __stdcall Writer(void* p)
{
    Shared* s = (Shared*)p;
    s->guard.WaitToWrite();
    s->writerInside = 1;
    EXPECT_EQ(0, s->readersInside);
    ::Sleep(50);
    s->writerInside = 0;
    s->guard.Done();
    return 0;
}

HANDLE Start(unsigned(__stdcall* fn)(void*), Shared* s)
{
    return (HANDLE)_beginthreadex(NULL, 0, fn, s, 0, NULL);
}

TEST(SWMRGuard, WritersFirstAndWaitingReadersTogether)
{
    Shared s;
    // the test thread holds a read lock; a writer comes and waits
    s.guard.WaitToRead();
    HANDLE hWriter = Start(Writer, &s);
    EXPECT_TRUE(testing_support::PumpUntil([&] { return s.guard.GetWaitingWriters() == 1; }, 5000));
    EXPECT_EQ(WAIT_TIMEOUT, ::WaitForSingleObject(hWriter, 0));
    // readers arriving now queue behind the waiting writer
    HANDLE readers[3];
    for (HANDLE& h : readers)
        h = Start(Reader, &s);
    EXPECT_TRUE(testing_support::PumpUntil([&] { return s.guard.GetWaitingReaders() == 3; }, 5000));
    EXPECT_EQ(0, s.readersInside) << "readers overtook a waiting writer";
    s.guard.Done(); // the writer goes in, then all three readers at once
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hWriter, 5000));
    EXPECT_TRUE(testing_support::PumpUntil([&] { return s.readersInside == 3; }, 5000));
    EXPECT_EQ(0, s.guard.GetWaitingReaders());
    EXPECT_EQ(3, s.maxReadersTogether);
    ::SetEvent(s.hRelease);
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForMultipleObjects(3, readers, TRUE, 5000));
    for (HANDLE h : readers)
        ::CloseHandle(h);
    ::CloseHandle(hWriter);
    ::CloseHandle(s.hRelease);
}

STRUCT_COMM_JOB Job(DWORD dwCode, CSerialBaseClass* pProtocol = NULL)
{
    STRUCT_COMM_JOB job;
    memset(&job, 0, sizeof job);
    job.dwCode = dwCode;
    job.pProtocol = pProtocol;
    return job;
}

TEST(MutexQueue, FifoFullEmptyAndReset)
{
    CMutexQueue queue(3, 30);
    for (DWORD i = 1; i <= 3; ++i)
    {
        STRUCT_COMM_JOB job = Job(i);
        EXPECT_TRUE(queue.Put(&job, 100));
    }
    STRUCT_COMM_JOB extra = Job(4);
    EXPECT_FALSE(queue.Put(&extra, 100));
    EXPECT_EQ((DWORD)ERROR_DATABASE_FULL, ::GetLastError());
    STRUCT_COMM_JOB out;
    for (DWORD i = 1; i <= 3; ++i)
    {
        ASSERT_TRUE(queue.Get(&out, 100));
        EXPECT_EQ(i, out.dwCode);
        queue.EndJob();
    }
    ULONGLONG start = testing_support::NowMs();
    EXPECT_FALSE(queue.Get(&out, 100));
    EXPECT_EQ((DWORD)ERROR_TIMEOUT, ::GetLastError());
    EXPECT_GE(testing_support::NowMs() - start, 90u);
    extra = Job(7);
    queue.Put(&extra, 100);
    queue.Put(&extra, 100);
    queue.Reset();
    EXPECT_FALSE(queue.Get(&out, 10));
    extra = Job(8);
    EXPECT_TRUE(queue.Put(&extra, 100));
    ASSERT_TRUE(queue.Get(&out, 100));
    EXPECT_EQ(8u, out.dwCode);
}

TEST(MutexQueue, RemoveJobsOfOneObjectKeepsTheOthers)
{
    CMutexQueue queue(10, 30);
    CSerialBaseClass* a = (CSerialBaseClass*)0x1000;
    CSerialBaseClass* b = (CSerialBaseClass*)0x2000;
    HANDLE hStop = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    STRUCT_COMM_JOB jobs[] = {Job(1, a), Job(2, b), Job(30, a), Job(3, b), Job(4, a)};
    jobs[2].hEvent = hStop;
    for (const auto& j : jobs)
        queue.Put(&j, 100);
    std::vector<HANDLE> stopEvents;
    BOOL bInHand = TRUE;
    EXPECT_EQ(3, queue.RemoveJobsOf(a, stopEvents, &bInHand));
    EXPECT_FALSE(bInHand);
    ASSERT_EQ(1u, stopEvents.size());
    EXPECT_EQ(hStop, stopEvents[0]);
    EXPECT_EQ(2, queue.GetCount());
    STRUCT_COMM_JOB out;
    ASSERT_TRUE(queue.Get(&out, 100));
    EXPECT_EQ(2u, out.dwCode);
    // the consumer holds a record of b until EndJob
    EXPECT_EQ(1, queue.RemoveJobsOf(b, stopEvents, &bInHand));
    EXPECT_TRUE(bInHand);
    queue.EndJob();
    EXPECT_EQ(0, queue.RemoveJobsOf(b, stopEvents, &bInHand));
    EXPECT_FALSE(bInHand);
    EXPECT_FALSE(queue.Get(&out, 10));
    ::CloseHandle(hStop);
}
} // namespace

namespace
{
// A job function that throws: the worker goes on, and the stop events of the record and of the
// records the function flushed before it threw are still signalled.
void ThrowingJob(STRUCT_COMM_JOB& job, std::vector<HANDLE>& stopEvents)
{
    if (job.dwArgument)
        stopEvents.push_back(job.hEvent);
    AfxThrowMemoryException();
}

TEST(CommWorkerThread, StopEventsAreSignalledWhenAJobThrows)
{
    CMutexQueue queue(10, 30);
    CCommWorkerThread worker(queue, ThrowingJob);
    HANDLE hOwn = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    HANDLE hFlushed = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    CSerialBaseClass* a = (CSerialBaseClass*)0x1000;
    STRUCT_COMM_JOB stop = Job(30, a);
    stop.hEvent = hOwn;
    STRUCT_COMM_JOB flushing = Job(5, a);
    flushing.dwArgument = 1;
    flushing.dwParams[0] = 1;
    flushing.hEvent = hFlushed;
    ASSERT_TRUE(queue.Put(&stop, 100));
    ASSERT_TRUE(queue.Put(&flushing, 100));
    worker.Start();
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hOwn, 2000)) << "the stop job's own event";
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hFlushed, 2000)) << "an event the job collected";
    EXPECT_TRUE(worker.IsRunning());
    // the worker still serves the queue
    ::ResetEvent(hOwn);
    ASSERT_TRUE(queue.Put(&stop, 100));
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hOwn, 2000));
    worker.Stop();
    EXPECT_FALSE(worker.IsRunning());
    BOOL bInHand = TRUE;
    std::vector<HANDLE> none;
    queue.RemoveJobsOf(a, none, &bInHand);
    EXPECT_FALSE(bInHand) << "the record was let go";
    ::CloseHandle(hOwn);
    ::CloseHandle(hFlushed);
}
} // namespace

namespace
{
class CBreakableTicker : public CCommTickThread
{
  public:
    using CCommTickThread::CCommTickThread;
    void BreakTimer()
    {
        ::CloseHandle(GetTimer());
    }
};

UINT g_nTicks = 0;
LRESULT CALLBACK TickCounter(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP + 1)
    {
        ++g_nTicks;
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

// A tick thread whose wait failed has ended by itself: it is joined and can be started again.
TEST(CommTickThread, ThreadEndedByAFailedWaitIsJoinedAndRestarted)
{
    HWND hWnd = testing_support::CreateMessageWindow("TickCounterWindow", TickCounter);
    CCommWindowRegistry registry;
    registry.Register(hWnd);
    CBreakableTicker ticker(registry, WM_APP + 1, 50);
    ASSERT_TRUE(ticker.Start());
    EXPECT_FALSE(ticker.Start()) << "only one at a time";
    ASSERT_TRUE(testing_support::PumpUntil([] { return g_nTicks >= 2; }, 2000));
    ticker.BreakTimer();
    ASSERT_TRUE(testing_support::PumpUntil([&] { return !ticker.IsRunning(); }, 2000))
        << "the thread ended when its wait failed";
    ASSERT_TRUE(ticker.Start()) << "started again";
    g_nTicks = 0;
    EXPECT_TRUE(testing_support::PumpUntil([] { return g_nTicks >= 2; }, 2000));
    ticker.Stop();
    EXPECT_FALSE(ticker.IsRunning());
    ::DestroyWindow(hWnd);
}
} // namespace
