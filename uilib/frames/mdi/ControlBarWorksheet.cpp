// SECControlBarWorksheet: layout, title, icon and closing of the bar-hosting sheet.
#include "uilib/frames/mdi/ControlBarWorksheet.h"
#include "uilib/frames/mdi/ControlBarMDIChildWnd.h"
#include "uilib/frames/mdi/WorkbookWnd.h"

IMPLEMENT_DYNCREATE(SECControlBarWorksheet, SECWorksheetWnd)

BEGIN_MESSAGE_MAP(SECControlBarWorksheet, SECWorksheetWnd)
ON_WM_SIZE()
ON_WM_CLOSE()
ON_WM_WINDOWPOSCHANGED()
ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

SECControlBarWorksheet::SECControlBarWorksheet()
    : m_wndDockBar(TRUE, TRUE), m_bCreated(FALSE), m_dwSheetStyle(0), m_hBarIcon(NULL)
{
}

SECControlBarWorksheet::~SECControlBarWorksheet()
{
}

BOOL SECControlBarWorksheet::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!SECWorksheetWnd::PreCreateWindow(cs))
        return FALSE;
    if (!HostsBars())
        return TRUE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    cs.style &= ~(FWS_ADDTOTITLE | FWS_PREFIXTITLE);
    return TRUE;
}

BOOL SECControlBarWorksheet::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (!HostsBars())
        return SECWorksheetWnd::OnCreateClient(lpcs, pContext);
    CWnd* pOwner = GetMDIFrame();
    if (!m_wndDockBar.Create(pOwner, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_FLOAT))
        return FALSE;
    m_wndDockBar.SetParent(this);
    m_bCreated = TRUE;
    return TRUE;
}

BOOL SECControlBarWorksheet::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                       CCreateContext* pContext)
{
    if (!SECWorksheetWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    if (HostsBars())
        UpdateIcon();
    return TRUE;
}

CControlBar* SECControlBarWorksheet::GetHostedBar() const
{
    return SECControlBarMDIChildWnd::HostedBarOf(m_wndDockBar);
}

void SECControlBarWorksheet::RecalcLayout(BOOL bNotify)
{
    if (!HostsBars())
    {
        SECWorksheetWnd::RecalcLayout(bNotify);
        return;
    }
    if (m_bInRecalcLayout)
        return;
    CFrameWnd::RecalcLayout(bNotify);
    CString strTitle;
    m_wndDockBar.GetWindowText(strTitle);
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strTitle)
    {
        SetWindowText(strTitle);
        SECWorkbookWnd* pBook = GetWorkbook();
        if (pBook != NULL && pBook->IsWorkbookMode())
            pBook->InvalidateRect(pBook->GetTabArea(), FALSE);
    }
    UpdateIcon();
}

void SECControlBarWorksheet::UpdateIcon()
{
    HICON hIcon = NULL;
    CControlBar* pBar = GetHostedBar();
    if (pBar != NULL)
        hIcon = (HICON)pBar->SendMessage(WM_GETICON, ICON_BIG, 0);
    if (hIcon == NULL)
        hIcon = ::LoadIcon(NULL, IDI_WINLOGO);
    SECWorkbookWnd* pBook = GetWorkbook();
    // Remembered only once the tab has it: the sheet joins the workbook after its first layout.
    if (hIcon == m_hBarIcon || pBook == NULL || m_nIndex < 0)
        return;
    m_hBarIcon = hIcon;
    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)hIcon);
    pBook->SetSheetIcon(this, ::CopyIcon(hIcon), TRUE);
}

void SECControlBarWorksheet::OnSize(UINT nType, int cx, int cy)
{
    if (HostsBars())
        SECControlBarMDIChildWnd::SizeHostedBar(GetHostedBar(), cx, cy);
    SECWorksheetWnd::OnSize(nType, cx, cy);
}

void SECControlBarWorksheet::OnClose()
{
    CControlBar* pBar = HostsBars() ? GetHostedBar() : NULL;
    if (pBar == NULL)
    {
        SECWorksheetWnd::OnClose();
        return;
    }
    SECControlBarMDIChildWnd::HideHostedBar(this, pBar);
}

void SECControlBarWorksheet::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    if (HostsBars() && !(lpwndpos->flags & SWP_NOMOVE))
        SECControlBarMDIChildWnd::StoreFloatPos(this, GetHostedBar());
    Default();
}

void SECControlBarWorksheet::OnShowWindow(BOOL bShow, UINT nStatus)
{
    SECWorksheetWnd::OnShowWindow(bShow, nStatus);
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (HostsBars() && pFrame != NULL && pFrame->m_hWndMDIClient != NULL)
        ::PostMessage(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
}
