// Synchronisation objects and lock guards with real threads: critical sections, a mutex taken
// through CSingleLock across two threads, events, semaphores, and CMultiLock waiting for all or
// any of its objects, for abandoned mutexes and for messages.
#include "afxmt.h"
#include "TestSupport.h"
#include <thread>
#include <type_traits>

static_assert(!std::is_copy_constructible<CMutex>::value && !std::is_copy_assignable<CMutex>::value,
              "a handle owner must not be copied");
static_assert(!std::is_copy_constructible<CEvent>::value, "a handle owner must not be copied");
static_assert(!std::is_copy_constructible<CSemaphore>::value, "a handle owner must not be copied");
static_assert(!std::is_copy_constructible<CCriticalSection>::value, "a lock must not be copied");
static_assert(!std::is_copy_constructible<CSingleLock>::value, "a guard must not be copied");
static_assert(!std::is_copy_constructible<CMultiLock>::value, "a guard must not be copied");

namespace
{
const DWORD kLongWaitMs = 5000; // only reached when something is broken

// Runs fn on a thread and waits (bounded) for it to end.
class CTestThread
{
  public:
    template <class Fn> explicit CTestThread(Fn fn) : m_thread(fn)
    {
    }
    ~CTestThread()
    {
        if (m_thread.joinable())
            m_thread.join();
    }
    void Join()
    {
        m_thread.join();
    }

  private:
    std::thread m_thread;
};
} // namespace

TEST(SyncCriticalSection, GuardsACounterBetweenThreads)
{
    CCriticalSection section;
    EXPECT_EQ(&section.m_sect, (CRITICAL_SECTION*)section);
    long counter = 0;
    auto work = [&] {
        for (int i = 0; i < 20000; i++)
        {
            CSingleLock lock(&section, TRUE);
            long value = counter;
            ::SwitchToThread();
            counter = value + 1;
        }
    };
    {
        CTestThread one(work), two(work);
    }
    EXPECT_EQ(40000, counter);
}

TEST(SyncCriticalSection, ATimedLockGivesUpAfterItsTime)
{
    CCriticalSection section;
    CSingleLock held(&section, TRUE);
    ASSERT_TRUE(held.IsLocked());
    BOOL bGotZero = TRUE, bGotTimed = TRUE;
    DWORD elapsedMs = 0;
    CTestThread([&] {
        CSingleLock lock(&section);
        bGotZero = lock.Lock(0);
        DWORD start = ::GetTickCount();
        bGotTimed = lock.Lock(100);
        elapsedMs = ::GetTickCount() - start;
    }).Join();
    EXPECT_FALSE(bGotZero);
    EXPECT_FALSE(bGotTimed);
    EXPECT_GE(elapsedMs, 80u);
    EXPECT_LT(elapsedMs, 2000u);

    held.Unlock();
    BOOL bGotFree = FALSE;
    CTestThread([&] {
        CSingleLock lock(&section);
        bGotFree = lock.Lock(100);
    }).Join();
    EXPECT_TRUE(bGotFree);
}

TEST(SyncMutex, SingleLocksHandTheMutexFromOneThreadToTheOther)
{
    CMutex mutex;
    CEvent tried;
    CSingleLock mainLock(&mutex, TRUE);
    ASSERT_TRUE(mainLock.IsLocked());

    BOOL bShortWait = TRUE, bLongWait = FALSE, bLockedInThread = FALSE;
    CTestThread other([&] {
        CSingleLock lock(&mutex);
        bShortWait = lock.Lock(50);
        tried.SetEvent();
        bLongWait = lock.Lock(kLongWaitMs);
        bLockedInThread = lock.IsLocked();
        // The guard gives the mutex back as the thread leaves.
    });
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(tried, kLongWaitMs));
    EXPECT_TRUE(mainLock.Unlock());
    EXPECT_FALSE(mainLock.IsLocked());
    other.Join();
    EXPECT_FALSE(bShortWait);
    EXPECT_TRUE(bLongWait);
    EXPECT_TRUE(bLockedInThread);

    CSingleLock again(&mutex);
    EXPECT_TRUE(again.Lock(0));
}

TEST(SyncEvent, SetResetAndPulseFollowTheResetMode)
{
    struct Case
    {
        BOOL bManualReset;
        BOOL bInitiallySet;
        BOOL firstWait, secondWait; // Lock(0) twice after construction
    };
    const Case cases[] = {
        {FALSE, FALSE, FALSE, FALSE},
        {FALSE, TRUE, TRUE, FALSE}, // an auto-reset event lets one waiter through
        {TRUE, TRUE, TRUE, TRUE},   // a manual-reset event stays set
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "manual " << c.bManualReset << ", set " << c.bInitiallySet);
        CEvent event(c.bInitiallySet, c.bManualReset);
        EXPECT_EQ(c.firstWait, event.Lock(0));
        EXPECT_EQ(c.secondWait, event.Lock(0));
        EXPECT_TRUE(event.Unlock());
        EXPECT_TRUE(event.ResetEvent());
        EXPECT_FALSE(event.Lock(0));
        EXPECT_TRUE(event.PulseEvent()); // nobody waits: the event stays reset
        EXPECT_FALSE(event.Lock(0));
        EXPECT_TRUE(event.SetEvent());
        EXPECT_TRUE(event.Lock(0));
    }
}

TEST(SyncEvent, AWaitingThreadIsReleasedBySetEvent)
{
    CEvent go, waiting;
    BOOL bReleased = FALSE;
    CTestThread other([&] {
        waiting.SetEvent();
        CSingleLock lock(&go);
        bReleased = lock.Lock(kLongWaitMs);
    });
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(waiting, kLongWaitMs));
    go.SetEvent();
    other.Join();
    EXPECT_TRUE(bReleased);
    EXPECT_FALSE(go.Lock(0)); // the waiter took the auto-reset signal
}

TEST(SyncSemaphore, CountsAreTakenAndGivenBack)
{
    CSemaphore semaphore(0, 2);
    EXPECT_FALSE(semaphore.Lock(0));
    LONG previous = -1;
    EXPECT_TRUE(semaphore.Unlock(2, &previous));
    EXPECT_EQ(0, previous);
    EXPECT_FALSE(semaphore.Unlock()); // beyond the maximum
    {
        CSingleLock one(&semaphore, TRUE), two(&semaphore);
        EXPECT_TRUE(two.Lock(0));
        CSingleLock three(&semaphore);
        EXPECT_FALSE(three.Lock(0));
    }
    EXPECT_TRUE(semaphore.Lock(0)); // both guards gave their count back
}

TEST(SyncMultiLock, WaitsForAllOrAnyOfTheObjects)
{
    struct Case
    {
        const char* what;
        BOOL bWaitForAll;
        bool setFirst, setSecond; // set by another thread
        DWORD timeoutMs;
        DWORD expected;
        BOOL locked0, locked1;
    };
    const Case cases[] = {
        {"all, both set", TRUE, true, true, kLongWaitMs, WAIT_OBJECT_0, TRUE, TRUE},
        {"all, one set", TRUE, true, false, 50, WAIT_TIMEOUT, FALSE, FALSE},
        {"any, second set", FALSE, false, true, kLongWaitMs, WAIT_OBJECT_0 + 1, FALSE, TRUE},
        {"any, first set", FALSE, true, false, kLongWaitMs, WAIT_OBJECT_0, TRUE, FALSE},
        {"any, none set", FALSE, false, false, 50, WAIT_TIMEOUT, FALSE, FALSE},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        CEvent first(FALSE, TRUE), second(FALSE, TRUE);
        CSyncObject* objects[] = {&first, &second};
        CMultiLock lock(objects, 2);
        CTestThread setter([&] {
            if (c.setFirst)
                first.SetEvent();
            if (c.setSecond)
                second.SetEvent();
        });
        EXPECT_EQ(c.expected, lock.Lock(c.timeoutMs, c.bWaitForAll));
        EXPECT_EQ(c.locked0, lock.IsLocked(0));
        EXPECT_EQ(c.locked1, lock.IsLocked(1));
    }
}

TEST(SyncMultiLock, HoldsBothMutexesUntilUnlocked)
{
    CMutex first, second;
    CSyncObject* objects[] = {&first, &second};
    CMultiLock lock(objects, 2, TRUE);
    ASSERT_TRUE(lock.IsLocked(0) && lock.IsLocked(1));

    auto tryBoth = [&] {
        BOOL bFirst = FALSE, bSecond = FALSE;
        CTestThread([&] {
            CSingleLock a(&first), b(&second);
            bFirst = a.Lock(0);
            bSecond = b.Lock(0);
        }).Join();
        return std::make_pair(bFirst, bSecond);
    };
    EXPECT_EQ(std::make_pair(FALSE, FALSE), tryBoth());
    EXPECT_TRUE(lock.Unlock());
    EXPECT_FALSE(lock.IsLocked(0));
    EXPECT_EQ(std::make_pair(TRUE, TRUE), tryBoth());
}

TEST(SyncMultiLock, AnAbandonedMutexCountsAsTaken)
{
    CMutex mutex;
    CEvent never;
    CTestThread([&] { mutex.Lock(); }).Join(); // the thread ends still owning the mutex
    CSyncObject* objects[] = {&never, &mutex};
    CMultiLock lock(objects, 2);
    EXPECT_EQ(WAIT_ABANDONED_0 + 1, lock.Lock(kLongWaitMs, FALSE));
    EXPECT_TRUE(lock.IsLocked(1));
    EXPECT_FALSE(lock.IsLocked(0));
}

TEST(SyncMultiLock, AWakeMaskEndsTheWaitForAMessage)
{
    MSG msg;
    ::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE); // this thread gets its message queue
    CEvent never;
    CSyncObject* objects[] = {&never};
    CMultiLock lock(objects, 1);
    ASSERT_TRUE(::PostThreadMessage(::GetCurrentThreadId(), WM_USER + 1, 0, 0));
    EXPECT_EQ(WAIT_OBJECT_0 + 1, lock.Lock(kLongWaitMs, FALSE, QS_POSTMESSAGE));
    EXPECT_FALSE(lock.IsLocked(0));
    EXPECT_TRUE(::PeekMessage(&msg, NULL, WM_USER + 1, WM_USER + 1, PM_REMOVE));
}

TEST(SyncMultiLock, CountsAreGivenBackOnlyToSemaphores)
{
    CSemaphore semaphore(1, 5);
    CEvent event(TRUE, TRUE);
    CSyncObject* objects[] = {&semaphore, &event};
    CMultiLock lock(objects, 2);
    ASSERT_EQ(WAIT_OBJECT_0, lock.Lock(kLongWaitMs, TRUE));
    LONG previous = -1;
    EXPECT_TRUE(lock.Unlock(1, &previous));
    EXPECT_EQ(0, previous);
    EXPECT_FALSE(lock.IsLocked(0));
    EXPECT_TRUE(lock.IsLocked(1));
    EXPECT_FALSE(lock.Unlock(1, &previous)); // no semaphore held any more
}

TEST(SyncMultiLock, ACriticalSectionCannotBeWaitedFor)
{
    CCriticalSection section;
    CEvent event(TRUE);
    CSyncObject* objects[] = {&event, &section};
    CMultiLock lock(objects, 2);
    EXPECT_EQ(WAIT_FAILED, lock.Lock(0, FALSE));
    EXPECT_FALSE(lock.IsLocked(0));
}
