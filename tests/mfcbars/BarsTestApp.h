// The application object of the control-bar tests, a frame with a plain view and a bar of fixed
// size that tests dock, float and save.
#pragma once
#include "afxwin.h"
#include "BarsIds.h"
#include "ControlBar.h"
#include "DockBar.h"
#include <functional>
#include <string>
#include <vector>

class CBarsTestApp : public CWinApp
{
  public:
    CBarsTestApp() : CWinApp(_T("HelvonBarsTest"))
    {
    }
};

CBarsTestApp& TheApp();

// A bar of a fixed size (turned for vertical sides) with nothing on it.
class CTestBar : public CControlBar
{
  public:
    explicit CTestBar(CSize size = CSize(120, 30)) : m_size(size)
    {
    }
    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nID, LPCTSTR lpszTitle);
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override
    {
    }

    CSize m_size;
};

// A frame with a view child (AFX_IDW_PANE_FIRST) and docking on every side; records the commands
// it handles ("frame:<id>").
class CDockTestFrame : public CFrameWnd
{
  public:
    CDockTestFrame() = default;
    // Creates, shows and activates the frame at rect (screen coordinates).
    BOOL CreateAt(const CRect& rect);
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    CDockBar* DockBar(UINT nID)
    {
        return (CDockBar*)GetControlBar(nID);
    }
    CRect ClientRectOf(CWnd* pWnd) const;
    void OnHandled()
    {
        m_handled.push_back("frame:" + std::to_string(ID_TOOL_HANDLED));
    }

    CWnd m_wndView;
    std::vector<std::string> m_handled;

    DECLARE_MESSAGE_MAP()
};

// Real input for loops that take over the message queue (a bar's drag loop): a second thread
// sends each step, first waiting (at most 3 s) until the step's condition holds, while this
// thread keeps dispatching messages.
class InputScript
{
  public:
    void MoveTo(CPoint screen, std::function<bool()> waitBefore = nullptr);
    void Button(DWORD dwFlags, std::function<bool()> waitBefore = nullptr); // MOUSEEVENTF_LEFTDOWN ...
    void Key(WORD vk, bool bDown, std::function<bool()> waitBefore = nullptr);
    void WaitFor(std::function<bool()> condition);
    // Runs the steps; FALSE when a condition did not come true in time (the steps after it are
    // still sent, so no button stays down).
    bool Run();
    // The exit code of a WM_QUIT that reached the application's loop during Run, or -1.
    int QuitCode() const
    {
        return m_nQuitCode;
    }

  private:
    int m_nQuitCode = -1;
    struct Step
    {
        INPUT input;
        bool bInput;
        std::function<bool()> waitBefore;
    };
    std::vector<Step> m_steps;
};

// The window holding the mouse capture, and the active window, of a thread, seen from any thread.
HWND CaptureOf(DWORD dwThreadId);
HWND ActiveOf(DWORD dwThreadId);
