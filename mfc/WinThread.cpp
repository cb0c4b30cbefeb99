// The message loop of a user-interface thread and worker-thread start-up.
#include "WinThread.h"
#include "AfxState.h"
#include "FrameWnd.h"
#include "WinApp.h"
#include <process.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread* AFXAPI AfxGetThread()
{
    CWinThread* pThread = AfxGetThreadState()->m_pThread;
    return pThread != NULL ? pThread : (CWinThread*)AfxGetApp();
}

void CWinThread::CommonConstruct()
{
    m_pMainWnd = NULL;
    m_pActiveWnd = NULL;
    m_bAutoDelete = TRUE;
    m_hThread = NULL;
    m_nThreadID = 0;
    m_msgCur = MSG();
}

CWinThread::CWinThread() : m_pThreadParams(NULL), m_pfnThreadProc(NULL)
{
    CommonConstruct();
}

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pThreadParams(pParam), m_pfnThreadProc(pfnThreadProc)
{
    CommonConstruct();
}

CWinThread::~CWinThread()
{
    if (m_hThread != NULL)
        ::CloseHandle(m_hThread);
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pThread == this)
        pState->m_pThread = NULL;
}

struct AFX_THREAD_STARTUP
{
    CWinThread* pThread;
    HANDLE hEvent;  // set when the new thread has taken its parameters
    HANDLE hEvent2; // set by the creator when it no longer touches the thread object
};

static unsigned __stdcall AfxThreadEntry(void* pParam)
{
    AFX_THREAD_STARTUP* pStartup = (AFX_THREAD_STARTUP*)pParam;
    CWinThread* pThread = pStartup->pThread;
    HANDLE hEvent2 = pStartup->hEvent2;
    AfxGetThreadState()->m_pThread = pThread;
    ::SetEvent(pStartup->hEvent); // pStartup is gone after this
    // The creator still sets priority and suspension on the object: a quick thread must not
    // delete it under the creator's hands.
    ::WaitForSingleObject(hEvent2, INFINITE);
    ::CloseHandle(hEvent2);
    UINT nResult = 0;
    try
    {
        if (pThread->m_pfnThreadProc != NULL)
            nResult = (*pThread->m_pfnThreadProc)(pThread->m_pThreadParams);
        else if (!pThread->InitInstance())
            nResult = (UINT)pThread->ExitInstance();
        else
            nResult = (UINT)pThread->Run();
    }
    catch (CException* e)
    {
        e->Delete();
        nResult = (UINT)-1;
    }
    catch (...)
    {
        AfxReportInternalFailure();
        nResult = (UINT)-1;
    }
    AfxEndThread(nResult);
    return nResult;
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    AFX_THREAD_STARTUP startup;
    startup.pThread = this;
    startup.hEvent = ::CreateEvent(NULL, TRUE, FALSE, NULL);
    startup.hEvent2 = ::CreateEvent(NULL, TRUE, FALSE, NULL);
    if (startup.hEvent == NULL || startup.hEvent2 == NULL)
    {
        if (startup.hEvent != NULL)
            ::CloseHandle(startup.hEvent);
        if (startup.hEvent2 != NULL)
            ::CloseHandle(startup.hEvent2);
        return FALSE;
    }
    unsigned nThreadID = 0;
    m_hThread = (HANDLE)_beginthreadex(lpSecurityAttrs, nStackSize, &AfxThreadEntry, &startup,
                                       (dwCreateFlags & ~CREATE_SUSPENDED) | CREATE_SUSPENDED, &nThreadID);
    if (m_hThread == NULL)
    {
        ::CloseHandle(startup.hEvent);
        ::CloseHandle(startup.hEvent2);
        return FALSE;
    }
    m_nThreadID = nThreadID;
    ::ResumeThread(m_hThread);
    ::WaitForSingleObject(startup.hEvent, INFINITE);
    ::CloseHandle(startup.hEvent);
    if (dwCreateFlags & CREATE_SUSPENDED)
        ::SuspendThread(m_hThread);
    ::SetEvent(startup.hEvent2); // the thread closes it
    return TRUE;
}

void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CWinThread* pThread = pState->m_pThread;
    if (pThread != NULL && bDelete && pThread->m_bAutoDelete)
        pThread->Delete();
    pState->m_pThread = NULL;
    AfxUnlockTempMaps(TRUE);
    (void)nExitCode;
}

// Creates the thread suspended, so its priority is set before it runs, then lets it go unless
// the caller asked for it suspended.
static CWinThread* StartThread(CWinThread* pThread, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                               LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs))
    {
        pThread->Delete();
        return NULL;
    }
    pThread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        pThread->ResumeThread();
    return pThread;
}

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize,
                                  DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    return StartThread(new CWinThread(pfnThreadProc, pParam), nPriority, nStackSize, dwCreateFlags,
                       lpSecurityAttrs);
}

CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority, UINT nStackSize,
                                  DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    CWinThread* pThread = (CWinThread*)pThreadClass->CreateObject();
    if (pThread == NULL)
        AfxThrowMemoryException();
    pThread->m_pThreadParams = NULL;
    return StartThread(pThread, nPriority, nStackSize, dwCreateFlags, lpSecurityAttrs);
}

void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

CWnd* CWinThread::GetMainWnd()
{
    if (m_pActiveWnd != NULL)
        return m_pActiveWnd;
    return m_pMainWnd;
}

int CWinThread::ExitInstance()
{
    int nResult = (int)m_msgCur.wParam;
    return nResult;
}

BOOL PASCAL CWinThread::IsIdleMessageStatic(MSG* pMsg)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    // Mouse moves that do not move, and the caret blink, do not restart idle processing.
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        if (pState->m_ptCursorLast.x == pMsg->pt.x && pState->m_ptCursorLast.y == pMsg->pt.y &&
            pMsg->message == pState->m_nMsgLast)
            return FALSE;
        pState->m_ptCursorLast = pMsg->pt;
        pState->m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    return IsIdleMessageStatic(pMsg);
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == NULL && pMsg->message != 0)
    {
        // Thread messages go through the thread's own message map.
        const AFX_MSGMAP* pMap = GetMessageMap();
        for (; pMap != NULL; pMap = pMap->pfnGetBaseMap ? (*pMap->pfnGetBaseMap)() : NULL)
        {
            const AFX_MSGMAP_ENTRY* lpEntry = FindMessageEntry(pMap->lpEntries, pMsg->message, 0, 0);
            if (lpEntry != NULL)
            {
                union {
                    AFX_PMSG pfn;
                    void (CWinThread::*pfn_vwl)(WPARAM, LPARAM);
                } mmf;
                mmf.pfn = lpEntry->pfn;
                (this->*mmf.pfn_vwl)(pMsg->wParam, pMsg->lParam);
                return TRUE;
            }
        }
        return FALSE;
    }
    CWnd* pMainWnd = GetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg))
        return TRUE;
    // Messages of other top-level windows (floating frames, modeless boxes) still see the main frame.
    if (pMainWnd != NULL)
    {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        if (pWnd != NULL && pWnd->GetTopLevelParent() != pMainWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::ProcessMessageFilter(int, LPMSG)
{
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    MSG& msg = AfxGetThreadState()->m_msgCur;
    if (!::GetMessage(&msg, NULL, 0, 0))
    {
        m_msgCur = msg;
        return FALSE;
    }
    m_msgCur = msg;
    if (msg.message != WM_KICKIDLE && !PreTranslateMessage(&msg))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    return TRUE;
}

BOOL AFXAPI AfxInternalPumpMessage()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
        return pThread->PumpMessage();
    MSG& msg = AfxGetThreadState()->m_msgCur;
    if (!::GetMessage(&msg, NULL, 0, 0))
        return FALSE;
    if (msg.message != WM_KICKIDLE && !CWnd::WalkPreTranslateTree(NULL, &msg))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    return TRUE;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        // Command-state updates of the main window, its frames and floating frames.
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL && pMainWnd->IsWindowVisible())
        {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0, TRUE, TRUE);
        }
        for (CFrameWnd* pFrameWnd = CFrameWnd::GetFirstFrame(); pFrameWnd != NULL;
             pFrameWnd = pFrameWnd->m_pNextFrameWnd)
        {
            if (pFrameWnd->m_hWnd != NULL && pFrameWnd != pMainWnd)
            {
                if (pFrameWnd->m_nShowDelay == SW_HIDE)
                    pFrameWnd->ShowWindow(pFrameWnd->m_nShowDelay);
                if (pFrameWnd->IsWindowVisible() || pFrameWnd->m_nShowDelay >= 0)
                {
                    AfxCallWndProc(pFrameWnd, pFrameWnd->m_hWnd, WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0);
                    pFrameWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0, TRUE, TRUE);
                }
                if (pFrameWnd->m_nShowDelay > SW_HIDE)
                    pFrameWnd->ShowWindow(pFrameWnd->m_nShowDelay);
                pFrameWnd->m_nShowDelay = -1;
            }
        }
    }
    else if (lCount >= 0)
    {
        AFX_THREAD_STATE* pState = AfxGetThreadState();
        if (pState->m_nTempMapLock == 0)
        {
            AfxLockTempMaps();
            AfxUnlockTempMaps(TRUE);
        }
    }
    return lCount < 0;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    MSG& msgCur = AfxGetThreadState()->m_msgCur;
    for (;;)
    {
        while (bIdle && !::PeekMessage(&msgCur, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessage(&msgCur, NULL, 0, 0, PM_NOREMOVE));
    }
}

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    // A failed WM_CREATE stops the creation; commands report their failure.
    if (pMsg->message == WM_CREATE)
        return -1;
    // A failed paint validates the window, or every following WM_PAINT fails again.
    if (pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, NULL);
    if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
        e->ReportError(MB_ICONEXCLAMATION, AFX_IDP_INTERNAL_FAILURE);
    return 0;
}

HINSTANCE AFXAPI AfxLoadLibrary(LPCTSTR lpszModuleName)
{
    return ::LoadLibrary(lpszModuleName);
}
BOOL AFXAPI AfxFreeLibrary(HINSTANCE hInstLib)
{
    return ::FreeLibrary(hInstLib);
}
