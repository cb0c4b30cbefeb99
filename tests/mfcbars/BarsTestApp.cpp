// The application object of the control-bar tests and the frame and bar they use.
#include "BarsTestApp.h"
#include "TestSupport.h"

static CBarsTestApp theApp;

CBarsTestApp& TheApp()
{
    return theApp;
}

BOOL CTestBar::Create(CWnd* pParent, DWORD dwStyle, UINT nID, LPCTSTR lpszTitle)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    if (!AfxDeferRegisterClass(AFX_WNDCONTROLBAR_REG))
        return FALSE;
    return CWnd::Create(_afxWndControlBar, lpszTitle, (dwStyle & ~CBRS_ALL) | WS_CHILD, CRect(0, 0, 0, 0), pParent,
                        nID);
}

CSize CTestBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    return bHorz ? m_size : CSize(m_size.cy, m_size.cx);
}

BEGIN_MESSAGE_MAP(CDockTestFrame, CFrameWnd)
ON_COMMAND(ID_TOOL_HANDLED, OnHandled)
END_MESSAGE_MAP()

BOOL CDockTestFrame::CreateAt(const CRect& rect)
{
    if (!Create(NULL, _T("Andocken"), WS_OVERLAPPEDWINDOW, rect))
        return FALSE;
    EnableDocking(CBRS_ALIGN_ANY);
    ShowWindow(SW_SHOWNORMAL);
    UpdateWindow();
    SetForegroundWindow();
    return TRUE;
}

BOOL CDockTestFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext*)
{
    return m_wndView.Create(AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), _T("Ansicht"),
                            WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST);
}

CRect CDockTestFrame::ClientRectOf(CWnd* pWnd) const
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    ScreenToClient(&rect);
    return rect;
}

namespace
{
class AppEnvironment : public ::testing::Environment
{
  public:
    void SetUp() override
    {
        AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOWNORMAL);
    }
};

const auto* const g_env = ::testing::AddGlobalTestEnvironment(new AppEnvironment);
} // namespace
