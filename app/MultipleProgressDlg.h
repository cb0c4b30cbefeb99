// CMultipleProgressDlg: a small modeless window whose bar fills over a fixed time, driven by a
// timer thread of its own, and that tells a window when the bar is full. Each dialog has its own
// timer and thread, so several can run at once.
#pragma once
#include "ProgressCtrl.h"
#include "app/Label.h"
#include "station/record/MyDialog.h"

// Posted by the timer thread to the dialog: one step. No parameters.
#define WM_PROGRESS_TICK 0x4A0
// Posted by the dialog to the window to notify when the bar is full. No parameters.
#define WM_PROGRESS_DONE 0x4A1

class CMultipleProgressDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CMultipleProgressDlg)

  public:
    // Construction
    CMultipleProgressDlg(LPCTSTR lpszTitle, LPCTSTR lpszMessage, double dSeconds, CWnd* pNotify);
    ~CMultipleProgressDlg() override;
    BOOL CreateProgressWindow();

    // Operations
    // Empties the bar and starts the time again.
    void Restart();

    // Overrides
    BOOL OnInitDialog() override;
    // Stops and waits for the timer thread first.
    BOOL DestroyWindow() override;

    // Attributes
    CProgressCtrl m_progress;

  protected:
    // Implementation
    void StartTimer();
    void StopTimer();
    static unsigned __stdcall TimerThread(void* pParam);

    CWnd* m_pNotify;
    CString m_strTitle;
    CString m_strMessage;
    double m_dSeconds;
    CLabel m_label;
    HANDLE m_hTimer;
    HANDLE m_hThread;
    volatile LONG m_bStop;
    BOOL m_bReported; // the done message went out: once per run

    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg LRESULT OnTick(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
