// CMultipleProgressDlg: the bar, its timer thread and the done message.
#include "app/MultipleProgressDlg.h"
#include "AppIds.h"
#include "DataExchange.h"
#include <process.h>

IMPLEMENT_DYNAMIC(CMultipleProgressDlg, CMyDialog)

BEGIN_MESSAGE_MAP(CMultipleProgressDlg, CMyDialog)
ON_MESSAGE(WM_PROGRESS_TICK, OnTick)
END_MESSAGE_MAP()

CMultipleProgressDlg::CMultipleProgressDlg(LPCTSTR lpszTitle, LPCTSTR lpszMessage, double dSeconds,
                                           CWnd* pNotify)
    : CMyDialog(IDD_MULTIPLE_PROGRESS, pNotify), m_pNotify(pNotify), m_strTitle(lpszTitle),
      m_strMessage(lpszMessage), m_dSeconds(dSeconds), m_hTimer(NULL), m_hThread(NULL), m_bStop(FALSE),
      m_bReported(FALSE)
{
}

CMultipleProgressDlg::~CMultipleProgressDlg()
{
    StopTimer();
}

BOOL CMultipleProgressDlg::CreateProgressWindow()
{
    return Create(IDD_MULTIPLE_PROGRESS, NULL);
}

void CMultipleProgressDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROGRESS_BAR, m_progress);
    DDX_Control(pDX, IDC_PROGRESS_TEXT, m_label);
}

BOOL CMultipleProgressDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    SetWindowText(m_strTitle);
    m_progress.SetRange(0, 100);
    m_progress.SetStep(5);
    m_label.SetText(m_strMessage);
    m_label.SetFontBold(TRUE).SetFontName("MS Sans Serif").SetFontSize(8).SetTextColor(RGB(0, 0, 255));
    StartTimer();
    return TRUE;
}

void CMultipleProgressDlg::StartTimer()
{
    ::InterlockedExchange(&m_bStop, FALSE);
    if (m_hTimer == NULL)
    {
        m_hTimer = ::CreateWaitableTimerA(NULL, FALSE, NULL);
        LARGE_INTEGER due;
        due.QuadPart = -1000000; // 100 ms from now
        // Twenty steps of five fill the bar in the given time.
        ::SetWaitableTimer(m_hTimer, &due, (LONG)(m_dSeconds * 0.05 * 1000), NULL, NULL, FALSE);
    }
    if (m_hThread == NULL)
        m_hThread = (HANDLE)_beginthreadex(NULL, 0, TimerThread, this, 0, NULL);
}

void CMultipleProgressDlg::StopTimer()
{
    if (m_hThread != NULL)
    {
        ::InterlockedExchange(&m_bStop, TRUE);
        ::WaitForSingleObject(m_hThread, INFINITE);
        ::CloseHandle(m_hThread);
        m_hThread = NULL;
    }
    if (m_hTimer != NULL)
    {
        ::CancelWaitableTimer(m_hTimer);
        ::CloseHandle(m_hTimer);
        m_hTimer = NULL;
    }
}

// Waits on the timer (at most 200 ms at a time, to see the stop flag) and posts a step per
// signal; it only posts, so the dialog can wait for it.
unsigned __stdcall CMultipleProgressDlg::TimerThread(void* pParam)
{
    CMultipleProgressDlg* pDlg = static_cast<CMultipleProgressDlg*>(pParam);
    const HWND hWnd = pDlg->m_hWnd;
    while (!pDlg->m_bStop)
    {
        if (::WaitForSingleObject(pDlg->m_hTimer, 200) == WAIT_OBJECT_0 && !pDlg->m_bStop)
            ::PostMessage(hWnd, WM_PROGRESS_TICK, 0, 0);
    }
    return 0;
}

void CMultipleProgressDlg::Restart()
{
    StopTimer();
    m_progress.SetPos(0);
    m_bReported = FALSE;
    StartTimer();
}

LRESULT CMultipleProgressDlg::OnTick(WPARAM, LPARAM)
{
    // Ticks the thread posted before the timer was cancelled would wrap the full bar round.
    if (m_bReported)
        return 0;
    const int nBefore = m_progress.StepIt();
    if (nBefore >= 95 && m_pNotify != NULL && !m_bReported)
    {
        m_bReported = TRUE;
        if (m_hTimer != NULL)
            ::CancelWaitableTimer(m_hTimer);
        m_pNotify->PostMessage(WM_PROGRESS_DONE, 0, 0);
    }
    return 0;
}

BOOL CMultipleProgressDlg::DestroyWindow()
{
    StopTimer();
    return CMyDialog::DestroyWindow();
}
