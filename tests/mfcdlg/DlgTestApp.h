// The application of the dialog-layer tests and the helpers that drive a modal loop: a script of
// steps run one per timer tick while DoModal (or any modal loop) is running.
#pragma once
#include "afxdlgs.h"
#include "DlgIds.h"
#include <functional>
#include <string>
#include <vector>

class CDlgTestApp : public CWinApp
{
  public:
    CDlgTestApp() : CWinApp(_T("HelvonDlgTest"))
    {
    }
};

CDlgTestApp& TheApp();

// Runs the steps one after another from a thread timer, so they run inside whatever modal loop
// the test starts next. Each step sees the effects of the messages the previous one posted.
class CModalScript
{
  public:
    explicit CModalScript(std::vector<std::function<void()>> steps, UINT nIntervalMs = 40);
    ~CModalScript();
    CModalScript(const CModalScript&) = delete;
    CModalScript& operator=(const CModalScript&) = delete;
    bool Done() const
    {
        return m_nNext >= m_steps.size();
    }

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    std::vector<std::function<void()>> m_steps;
    size_t m_nNext = 0;
    UINT_PTR m_nTimer = 0;
    static CModalScript* s_pRunning;
};

// Keyboard input as it arrives from the user: posted to the window with the focus.
void PostKey(UINT vk);
void PostText(const char* text);
// Messages of this thread, through the application's PreTranslateMessage (modeless dialogs).
void PumpWithTranslate(DWORD ms);
CString TextOf(HWND hWnd);
int FocusId();
