// CWinThread: a thread with a message loop: PreTranslateMessage walk, idle processing (command-
// state updates through WM_IDLEUPDATECMDUI, temporary maps freed) and exception reporting.
//
// Differences from MFC:
// - No thread-local module state switching; no OLE message filter.
#pragma once
#include "CmdTarget.h"

class CWnd;
typedef UINT(AFX_CDECL* AFX_THREADPROC)(LPVOID);

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)

  public:
    // Construction
    CWinThread();
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    ~CWinThread() override;
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0,
                      LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);

    // Attributes
    CWnd* m_pMainWnd;
    CWnd* m_pActiveWnd;
    BOOL m_bAutoDelete;
    HANDLE m_hThread;
    DWORD m_nThreadID;
    operator HANDLE() const
    {
        return m_hThread;
    }
    int GetThreadPriority()
    {
        return ::GetThreadPriority(m_hThread);
    }
    BOOL SetThreadPriority(int nPriority)
    {
        return ::SetThreadPriority(m_hThread, nPriority);
    }
    DWORD SuspendThread()
    {
        return ::SuspendThread(m_hThread);
    }
    DWORD ResumeThread()
    {
        return ::ResumeThread(m_hThread);
    }
    BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return ::PostThreadMessage(m_nThreadID, message, wParam, lParam);
    }

    // Overridables
    virtual BOOL InitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual int ExitInstance();
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
    virtual BOOL ProcessMessageFilter(int code, LPMSG lpMsg);
    virtual CWnd* GetMainWnd();
    virtual void Delete();

    // Implementation
    static BOOL PASCAL IsIdleMessageStatic(MSG* pMsg);
    void CommonConstruct();
    LPVOID m_pThreadParams;
    AFX_THREADPROC m_pfnThreadProc;
    MSG m_msgCur;
};

CWinThread* AFXAPI AfxGetThread();
CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam,
                                  int nPriority = THREAD_PRIORITY_NORMAL, UINT nStackSize = 0,
                                  DWORD dwCreateFlags = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);
CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority = THREAD_PRIORITY_NORMAL,
                                  UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                                  LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);
void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete = TRUE);
// One message through the PreTranslateMessage walk and dispatch; FALSE on WM_QUIT.
BOOL AFXAPI AfxInternalPumpMessage();
HINSTANCE AFXAPI AfxLoadLibrary(LPCTSTR lpszModuleName);
BOOL AFXAPI AfxFreeLibrary(HINSTANCE hInstLib);
