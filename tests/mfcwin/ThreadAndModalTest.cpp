// Worker and user-interface threads started by AfxBeginThread; the modal message loop of a window.
#include "TestApp.h"
#include "TestSupport.h"

using namespace testing_support;

namespace
{
struct WorkerParams
{
    UINT nReturn;
    CWinThread* pSeenThread = NULL;
    DWORD dwSeenThreadId = 0;
};

UINT AFX_CDECL WorkerProc(LPVOID pParam)
{
    WorkerParams* p = (WorkerParams*)pParam;
    p->pSeenThread = AfxGetThread();
    p->dwSeenThreadId = ::GetCurrentThreadId();
    return p->nReturn;
}

// Starts a worker that is kept after its end (so the test can read its exit code).
CWinThread* StartKeptWorker(WorkerParams* pParams, DWORD dwFlags = 0)
{
    CWinThread* pThread =
        AfxBeginThread(WorkerProc, pParams, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED | dwFlags);
    if (pThread != NULL)
        pThread->m_bAutoDelete = FALSE;
    return pThread;
}

TEST(Thread, WorkerRunsItsFunctionAndEndsWithItsResult)
{
    WorkerParams params{1234};
    CWinThread* pThread = StartKeptWorker(&params);
    ASSERT_NE(nullptr, pThread);
    pThread->ResumeThread();
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pThread->m_hThread, 5000));
    DWORD dwExit = 0;
    ::GetExitCodeThread(pThread->m_hThread, &dwExit);
    EXPECT_EQ(1234u, dwExit);
    EXPECT_EQ(pThread, params.pSeenThread); // AfxGetThread inside is the thread's own object
    EXPECT_EQ(pThread->m_nThreadID, params.dwSeenThreadId);
    EXPECT_NE(::GetCurrentThreadId(), params.dwSeenThreadId);
    delete pThread;
}

TEST(Thread, SuspendedWorkerWaitsForResume)
{
    WorkerParams params{7};
    CWinThread* pThread = StartKeptWorker(&params);
    ASSERT_NE(nullptr, pThread);
    EXPECT_EQ(WAIT_TIMEOUT, ::WaitForSingleObject(pThread->m_hThread, 200));
    EXPECT_EQ(nullptr, params.pSeenThread);
    pThread->ResumeThread();
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pThread->m_hThread, 5000));
    EXPECT_EQ(pThread, params.pSeenThread);
    delete pThread;
}

TEST(Thread, AutoDeletingWorkersStartedInARowAllRun)
{
    // Quick threads delete their objects; the creator must not touch a deleted one.
    static LONG nRuns;
    nRuns = 0;
    auto proc = [](LPVOID) -> UINT {
        ::InterlockedIncrement(&nRuns);
        return 0;
    };
    for (int i = 0; i < 50; i++)
        ASSERT_NE(nullptr, AfxBeginThread(proc, NULL, THREAD_PRIORITY_ABOVE_NORMAL));
    EXPECT_TRUE(PumpUntil([] { return nRuns == 50; }, 5000));
}

// A user-interface thread with its own main window; it ends when that window is destroyed.
class CUiThread : public CWinThread
{
    DECLARE_DYNCREATE(CUiThread)

  public:
    BOOL InitInstance() override
    {
        CWnd* pWnd = new CWnd;
        if (!pWnd->CreateEx(0, AfxRegisterWndClass(0), _T("UI-Thread"), WS_POPUP, 0, 0, 50, 50, NULL, NULL))
            return FALSE;
        m_pMainWnd = pWnd;
        m_pMainWndObject = pWnd; // a plain CWnd does not delete itself
        s_hWnd = pWnd->m_hWnd;
        ::SetEvent(s_hReady);
        return TRUE;
    }
    int ExitInstance() override
    {
        s_bExited = TRUE;
        delete m_pMainWndObject;
        return 55;
    }
    void OnThreadPing(WPARAM wParam, LPARAM)
    {
        s_nPing = (int)wParam;
    }
    static HWND s_hWnd;
    static HANDLE s_hReady;
    static BOOL s_bExited;
    static int s_nPing;
    CWnd* m_pMainWndObject = NULL;

    DECLARE_MESSAGE_MAP()
};

HWND CUiThread::s_hWnd = NULL;
HANDLE CUiThread::s_hReady = NULL;
BOOL CUiThread::s_bExited = FALSE;
int CUiThread::s_nPing = 0;

IMPLEMENT_DYNCREATE(CUiThread, CWinThread)

#define WM_TEST_PING (WM_APP + 20)

BEGIN_MESSAGE_MAP(CUiThread, CWinThread)
ON_THREAD_MESSAGE(WM_TEST_PING, OnThreadPing)
END_MESSAGE_MAP()

TEST(Thread, UserInterfaceThreadRunsAMessageLoopUntilItsMainWindowGoes)
{
    CUiThread::s_hReady = ::CreateEvent(NULL, TRUE, FALSE, NULL);
    CUiThread::s_bExited = FALSE;
    CWinThread* pThread =
        AfxBeginThread(RUNTIME_CLASS(CUiThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, pThread);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(CUiThread::s_hReady, 5000));
    EXPECT_EQ(pThread->m_nThreadID, ::GetWindowThreadProcessId(CUiThread::s_hWnd, NULL));
    // Thread messages reach the thread's message map.
    ASSERT_TRUE(pThread->PostThreadMessage(WM_TEST_PING, 31, 0));
    EXPECT_TRUE(PumpUntil([] { return CUiThread::s_nPing == 31; }, 3000));
    // Closing the main window ends the loop; ExitInstance gives the exit code.
    ::PostMessage(CUiThread::s_hWnd, WM_CLOSE, 0, 0);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pThread->m_hThread, 5000));
    EXPECT_TRUE(CUiThread::s_bExited);
    EXPECT_FALSE(::IsWindow(CUiThread::s_hWnd));
    DWORD dwExit = 0;
    ::GetExitCodeThread(pThread->m_hThread, &dwExit);
    EXPECT_EQ(55u, dwExit);
    delete pThread;
    ::CloseHandle(CUiThread::s_hReady);
}

// A popup that counts its idle kicks and ends its modal loop from a timer.
class CModalWnd : public CWnd
{
  public:
    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM lCount)
    {
        m_nKicks++;
        return lCount < 2; // two more idle rounds, then wait for messages
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        m_bVisibleAtTimer = IsWindowVisible();
        EndModalLoop(m_nAnswer);
    }
    int m_nKicks = 0;
    int m_nAnswer = 0;
    BOOL m_bVisibleAtTimer = FALSE;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CModalWnd, CWnd)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(ModalLoop, RunsUntilEndModalLoopAndReturnsItsResult)
{
    const struct
    {
        DWORD dwFlags;
        bool bKicks;
        bool bShown;
    } cases[] = {
        {0, true, false},
        {MLF_NOKICKIDLE, false, false},
        {MLF_SHOWONIDLE, true, true},
    };
    int nAnswer = 40;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.dwFlags);
        CModalWnd wnd;
        wnd.m_nAnswer = ++nAnswer;
        ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T("Modal"), WS_POPUP, 0, 0, 60, 40, NULL, NULL));
        wnd.SetTimer(1, 100, NULL);
        DWORD start = ::GetTickCount();
        EXPECT_EQ(nAnswer, wnd.RunModalLoop(c.dwFlags));
        EXPECT_GE(::GetTickCount() - start, 80u);
        EXPECT_EQ(c.bKicks, wnd.m_nKicks > 0);
        EXPECT_LE(wnd.m_nKicks, 6); // idle kicks stop when the handler says so
        EXPECT_EQ(c.bShown, !!wnd.m_bVisibleAtTimer);
        EXPECT_FALSE(wnd.m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL));
        wnd.DestroyWindow();
    }
}

TEST(ModalLoop, EndedBeforeItRunsReturnsAtOnce)
{
    CModalWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T("Modal"), WS_POPUP, 0, 0, 60, 40, NULL, NULL));
    // The handler of the first message ends the loop: RunModalLoop must notice after that message.
    wnd.PostMessage(WM_TIMER, 9);
    wnd.m_nAnswer = 3;
    EXPECT_EQ(3, wnd.RunModalLoop(MLF_NOKICKIDLE));
    wnd.DestroyWindow();
}
} // namespace
