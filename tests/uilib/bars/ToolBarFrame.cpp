// The toolbar tests' frame.
#include "ToolBarFrame.h"
#include "TestSupport.h"
#include "uilib/common/BmpMgr.h"
#include "uilib/common/SystemData.h"
#include <atomic>
#include <memory>
#include <thread>

using namespace testing_support;

BOOL CToolTestFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nID >= ID_TB_RED && nID <= ID_TB_ORANGE && pHandlerInfo == NULL)
    {
        if (nCode == CN_COMMAND)
        {
            m_commands.push_back(nID);
            CWnd* pBar = GetMessageBar();
            CString text;
            if (pBar != NULL)
                pBar->GetWindowText(text);
            m_paneTexts.push_back(text);
            return TRUE;
        }
        if (nCode == (int)CN_UPDATE_COMMAND_UI)
        {
            ((CCmdUI*)pExtra)->Enable(nID != ID_TB_BLUE);
            return TRUE;
        }
    }
    if (nCode == CN_COMMAND && pHandlerInfo == NULL && m_onCommand && m_onCommand(nID))
        return TRUE;
    return SECFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CToolTestFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const int nCode = message == WM_NOTIFY ? (int)((NMHDR*)lParam)->code : 0;
    if (nCode == (int)TBN_DROPDOWN || nCode == -2120 || nCode == -2121)
    {
        const NMTOOLBAR* pNm = (const NMTOOLBAR*)lParam;
        const UINT_PTR* pExtra = (const UINT_PTR*)(pNm + 1);
        m_dropDowns.push_back(
            DropDown{pNm->iItem, (int)pExtra[0], pNm->hdr.idFrom, nCode, pExtra[1], pExtra[2]});
        return 0;
    }
    return SECFrameWnd::WindowProc(message, wParam, lParam);
}

ToolBarFrame::ToolBarFrame(BOOL bFlat, DWORD dwStyle) : m_pFrame(new CToolTestFrame)
{
    m_pFrame->Create(NULL, _T("Symbolleisten"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 640, 440));
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    m_status.Create(m_pFrame);
    const UINT indicators[] = {0};
    m_status.SetIndicators(indicators, 1);
    m_view.Create(NULL, _T("Ansicht"), WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 10, 10), m_pFrame,
                  AFX_IDW_PANE_FIRST);
    // The two default toolbars of the manager, each in a row of its own at the top; no tool tips
    // or fly-by prompts unless the test asks for them.
    m_pManager = new SECToolBarManager(m_pFrame, m_pFrame);
    m_pFrame->SetControlBarManager(m_pManager);
    m_pManager->AddToolBarResource(IDR_TB_FIRST, IDR_TB_FIRST);
    m_pManager->AddToolBarResource(IDR_TB_SECOND, IDR_TB_SECOND);
    m_pManager->m_bToolTips = (dwStyle & CBRS_TOOLTIPS) != 0;
    m_pManager->m_bFlyBy = (dwStyle & CBRS_FLYBY) != 0;
    m_pManager->m_bCoolLook = bFlat;
    for (UINT nResource : {IDR_TB_FIRST, IDR_TB_SECOND})
    {
        int nCount = 0;
        UINT* pIDs = NULL;
        m_pManager->DefineDefaultToolBar(nResource == IDR_TB_FIRST ? 0xE810 : 0xE811, _T("Leiste"), nResource,
                                         nCount, pIDs);
        delete[] pIDs;
    }
    m_pManager->CreateDefaultToolBars();
    m_pFirst = m_pManager->FindBar(0xE810);
    m_pSecond = m_pManager->FindBar(0xE811);
    m_pFrame->SetActiveWindow();
    m_pFrame->UpdateWindow();
    UpdateCommands();
    PumpMessages(30);
}

ToolBarFrame::~ToolBarFrame()
{
    m_status.DestroyWindow();
    m_pFrame->DestroyWindow();
    delete m_pManager;
    PumpMessages(10);
}

SECCustomToolBar* ToolBarFrame::AddBar(UINT nID, UINT nResource, DWORD dwExStyle, DWORD dwStyle)
{
    SECCustomToolBar* pBar = new SECCustomToolBar;
    pBar->SetManager(m_pManager);
    pBar->SetOwner(m_pFrame);
    pBar->CreateEx(dwExStyle, m_pFrame, dwStyle, nID, _T("Leiste"));
    pBar->m_bAutoDelete = TRUE;
    UINT* pIDs = NULL;
    int nCount = 0, cx = 0, cy = 0;
    if (SECBmpMgr::ReadToolBarResource(nResource, pIDs, nCount, cx, cy, TRUE))
    {
        std::unique_ptr<UINT[]> ids(pIDs);
        pBar->SetButtons(ids.get(), nCount);
    }
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(pBar);
    return pBar;
}

void ToolBarFrame::UpdateCommands()
{
    m_pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    PumpMessages(20);
}

CRect ToolBarFrame::ButtonRect(SECCustomToolBar* pBar, int nIndex) const
{
    CRect rect;
    pBar->GetItemRect(nIndex, &rect);
    return rect;
}

POINT ToolBarFrame::ButtonCentre(SECCustomToolBar* pBar, int nIndex) const
{
    CRect rect = ButtonRect(pBar, nIndex);
    CPoint point = rect.CenterPoint();
    pBar->ClientToScreen(&point);
    return point;
}

CString ToolBarFrame::PaneText() const
{
    return m_status.GetPaneText(0);
}

SysColors::SysColors()
{
    const SECSystemData& sys = SECGetSystemData();
    face = sys.m_clrBtnFace;
    shadow = sys.m_clrBtnShadow;
    hilite = sys.m_clrBtnHilite;
    frame = sys.m_clrWindowFrame;
}

bool DragWithInput(POINT from, POINT to, bool bCtrl)
{
    MoveMouseTo(from);
    const DWORD dwThread = ::GetCurrentThreadId();
    std::atomic<bool> bCaptured(false);
    auto send = [](DWORD dwFlags, POINT pt) {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dx = pt.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
        in.mi.dy = pt.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
        in.mi.dwFlags = dwFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        ::SendInput(1, &in, sizeof(INPUT));
        ::Sleep(30);
    };
    auto key = [](WORD vk, bool bDown) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = bDown ? 0 : KEYEVENTF_KEYUP;
        ::SendInput(1, &in, sizeof(INPUT));
        ::Sleep(30);
    };
    if (bCtrl)
        key(VK_CONTROL, true);
    std::thread player([&] {
        const ULONGLONG start = NowMs();
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        while (NowMs() - start < 3000)
        {
            if (::GetGUIThreadInfo(dwThread, &info) && info.hwndCapture != NULL)
            {
                bCaptured = true;
                break;
            }
            ::Sleep(10);
        }
        const int nSteps = 8;
        for (int i = 1; i <= nSteps; i++)
            send(0, POINT{from.x + (to.x - from.x) * i / nSteps, from.y + (to.y - from.y) * i / nSteps});
        send(MOUSEEVENTF_LEFTUP, to);
    });
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    ::SendInput(1, &in, sizeof(INPUT));
    // The press starts the loop inside this pump; it returns once the release has been taken.
    const ULONGLONG start = NowMs();
    while (NowMs() - start < 5000 && player.joinable())
    {
        PumpMessages(20);
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        if (bCaptured && ::GetGUIThreadInfo(dwThread, &info) && info.hwndCapture == NULL)
            break;
    }
    player.join();
    if (bCtrl)
        key(VK_CONTROL, false);
    PumpMessages(50);
    return bCaptured;
}

std::vector<UINT> ButtonIDs(SECCustomToolBar* pBar)
{
    std::vector<UINT> ids;
    for (int i = 0; i < pBar->GetBtnCount(); i++)
        ids.push_back((pBar->GetButtonStyle(i) & TBBS_SEPARATOR) ? 0 : pBar->GetItemID(i));
    return ids;
}
