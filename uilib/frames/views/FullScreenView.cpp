// SECFullScreenView: entering and leaving full screen, the toolbar and the listeners.
#include "uilib/frames/views/FullScreenView.h"
#include "FramesIds.h"
#include "uilib/bars/CustomToolBar.h"
#include "uilib/bars/MenuBar.h"
#include "uilib/bars/ReBar.h"
#include "uilib/bars/ToolBar.h"
#include "uilib/common/BmpMgr.h"
#include "uilib/frames/docking/ControlBarInfo.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/docking/DockSite.h"
#include "uilib/frames/docking/DockState.h"
#include "uilib/frames/docking/FrameBar.h"
#include "uilib/frames/docking/FrameWnd.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"
#include "mfc/ToolBar.h"
#include <shellapi.h>

namespace
{
const TCHAR kButtonText[] = _T("Close FullScreen");
const TCHAR kToolBarTitle[] = _T("Full Screen");
const DWORD kFrameStyles = WS_CAPTION | WS_THICKFRAME;
const DWORD kBarStyleBits = CBRS_GRIPPER | CBRS_BORDER_3D | CBRS_FLYBY | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC;
const DWORD kCustomBarStyle = 0x5000283C;
const DWORD kCustomBarExStyle = 0x300;
const CSize kButtonMargin(7, 6); // button size of the plain toolbars around the image

HWND PASCAL FindSystemTaskBar()
{
    return ::FindWindow(_T("Shell_TrayWnd"), NULL);
}

UINT PASCAL SystemTaskBarState()
{
    APPBARDATA abd = {};
    abd.cbSize = sizeof(abd);
    return (UINT)::SHAppBarMessage(ABM_GETSTATE, &abd);
}

SECFullScreenView::TaskBarSeam s_taskBar = {&FindSystemTaskBar, &SystemTaskBarState};

BOOL IsLibraryFrame(CFrameWnd* pFrame)
{
    return pFrame->IsKindOf(RUNTIME_CLASS(SECMDIFrameWnd)) || pFrame->IsKindOf(RUNTIME_CLASS(SECFrameWnd));
}

// The toolbar kinds differ from their bases only in keeping the button enabled: it is
// updated without disabling commands that have no handler on the frame's route.
template <class TBase> class SECFSToolBar : public TBase
{
  public:
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL /*bDisableIfNoHndler*/) override
    {
        TBase::OnUpdateCmdUI(pTarget, FALSE);
    }
};
} // namespace

// ---- the view

IMPLEMENT_DYNAMIC(SECFullScreenView, CWnd)

BEGIN_MESSAGE_MAP(SECFullScreenView, CWnd)
ON_COMMAND(ID_SEC_FULLSCREEN_CLOSE, LeaveFullScreenMode)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

SECFullScreenView::SECFullScreenView()
    : m_pToolBar(NULL), m_bActive(FALSE), m_dwFlags(0), m_rectSavedFrame(0, 0, 0, 0),
      m_nButtonBitmapID(IDB_SEC_FULLSCREEN), m_pButtonBitmap(NULL), m_strButtonText(kButtonText),
      m_strToolBarTitle(kToolBarTitle), m_pfnStyleHook(NULL), m_hSavedAccel(NULL), m_hFSAccel(NULL),
      m_hiddenBars(10), m_pSavedDockState(NULL), m_pFrame(NULL), m_bTaskBarHidden(FALSE),
      m_bStylesChanged(FALSE), m_bMenuRemoved(FALSE), m_bNotifiedOn(FALSE)
{
    m_hiddenBars.InitHashTable(17);
}

SECFullScreenView::~SECFullScreenView()
{
    if (m_bActive)
    {
        if (m_mdiClientListener.IsPlugged())
            m_mdiClientListener.UnPlug();
        if (m_mainFrmListener.IsPlugged())
            m_mainFrmListener.UnPlug();
        if (m_bTaskBarHidden)
            HideTaskBar(FALSE);
        DestroyFSToolBar();
        RestoreAccelerators();
    }
    delete m_pSavedDockState;
    if (m_hWnd != NULL)
        DestroyWindow();
}

void PASCAL SECFullScreenView::SetTaskBarSeam(const TaskBarSeam& seam)
{
    s_taskBar.pfnFind = seam.pfnFind != NULL ? seam.pfnFind : &FindSystemTaskBar;
    s_taskBar.pfnGetState = seam.pfnGetState != NULL ? seam.pfnGetState : &SystemTaskBarState;
}

BOOL SECFullScreenView::EnterFullScreenMode(DWORD dwFlags)
{
    if (m_bActive)
        return FALSE;
    CWinApp* pApp = AfxGetApp();
    CFrameWnd* pFrame = pApp != NULL ? DYNAMIC_DOWNCAST(CFrameWnd, pApp->m_pMainWnd) : NULL;
    // Refused before anything changes: a later enter must still work.
    if (pFrame == NULL || pFrame->GetSafeHwnd() == NULL || pFrame->m_pNotifyHook != NULL)
        return FALSE;
    m_bActive = TRUE;
    m_dwFlags = dwFlags;
    m_pFrame = pFrame;
    if (!Create(NULL, _T(""), WS_CHILD, CRect(0, 0, 0, 0), pFrame, SEC_IDW_FULLSCREEN_VIEW))
    {
        m_bActive = FALSE;
        m_pFrame = NULL;
        return FALSE;
    }
    const BOOL bHasMenuBar = IsLibraryFrame(pFrame) && SECFSMainFrmListener::MenuBarOf(pFrame) != NULL;
    if (bHasMenuBar)
        SaveDockState(pFrame);

    if (dwFlags & SEC_FS_HIDE_TASKBAR)
        HideTaskBar(TRUE);

    pFrame->GetWindowRect(&m_rectSavedFrame);
    pFrame->ModifyStyle(kFrameStyles, WS_BORDER, 0);
    m_bStylesChanged = TRUE;
    const CRect desk = SECFSMainFrmListener::DesktopRect();
    pFrame->SetWindowPos(NULL, desk.left - 1, desk.top, desk.Width() + 2, desk.Height() + 1,
                         SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_NOZORDER);

    ShowControlBars(FALSE);

    // The menu goes; a maximised child is maximised again so that it covers the frame.
    const BOOL bLocked = pFrame->LockWindowUpdate();
    SECFSMainFrmListener::RemoveMenuKeepingMaxChild(pFrame);
    m_bMenuRemoved = TRUE;
    if (bLocked)
        pFrame->UnlockWindowUpdate();

    CMDIFrameWnd* pMDI = DYNAMIC_DOWNCAST(CMDIFrameWnd, pFrame);
    BOOL bPlugged = m_mainFrmListener.Install(pFrame, this);
    if (bPlugged)
    {
        m_mainFrmListener.m_bHasMenuBar = bHasMenuBar;
        if (pMDI != NULL && pMDI->m_hWndMDIClient != NULL)
            bPlugged =
                m_mdiClientListener.Install(CWnd::FromHandle(pMDI->m_hWndMDIClient), &m_mainFrmListener);
        else
            m_mainFrmListener.m_bNotMDI = TRUE;
    }
    if (!bPlugged || CreateFSToolBar(pFrame) != 0)
    {
        UndoEnter();
        return FALSE;
    }
    InstallAccelerators();
    NotifyFullScreenOn();
    pFrame->RecalcLayout();
    return TRUE;
}

void SECFullScreenView::LeaveFullScreenMode()
{
    if (!m_bActive || m_pFrame == NULL)
        return;
    if (m_mainFrmListener.m_bMenuShown)
        m_pFrame->m_bInRecalcLayout = FALSE;
    if (m_pFrame->GetSafeHwnd() != NULL)
        ::KillTimer(m_pFrame->m_hWnd, SEC_FS_MENU_TIMER);
    if (m_mdiClientListener.IsPlugged())
        m_mdiClientListener.UnPlug();
    if (m_mainFrmListener.IsPlugged())
        m_mainFrmListener.UnPlug();
    DestroyFSToolBar();
    RestoreAccelerators();
    m_bActive = FALSE;
    RestoreMainFrame();
    m_hiddenBars.RemoveAll();
}

// A failed enter takes back every step it made and tells nobody.
void SECFullScreenView::UndoEnter()
{
    if (m_mdiClientListener.IsPlugged())
        m_mdiClientListener.UnPlug();
    if (m_mainFrmListener.IsPlugged())
        m_mainFrmListener.UnPlug();
    DestroyFSToolBar();
    m_bActive = FALSE;
    RestoreMainFrame();
    m_hiddenBars.RemoveAll();
}

void SECFullScreenView::RestoreMainFrame()
{
    CFrameWnd* pFrame = m_pFrame;
    if (pFrame == NULL)
        return;
    if (m_bTaskBarHidden)
        HideTaskBar(FALSE);
    if (m_bStylesChanged && pFrame->GetSafeHwnd() != NULL)
    {
        pFrame->ModifyStyle(WS_BORDER, kFrameStyles, 0);
        pFrame->SetWindowPos(NULL, m_rectSavedFrame.left, m_rectSavedFrame.top, m_rectSavedFrame.Width(),
                             m_rectSavedFrame.Height(), SWP_NOZORDER | SWP_FRAMECHANGED);
        m_bStylesChanged = FALSE;
    }
    if (m_bMenuRemoved && pFrame->GetSafeHwnd() != NULL && SECFSMainFrmListener::MenuBarOf(pFrame) == NULL)
    {
        BOOL bMaximized = FALSE;
        CFrameWnd* pChild = m_mainFrmListener.GetActiveChild(&bMaximized);
        if (pChild != NULL)
        {
            SECFSMainFrmListener::RestoreChildMenu(pFrame, pChild);
            if (bMaximized && !m_mainFrmListener.m_bMenuShown)
                SECFSMainFrmListener::FixMaxChildSysMenu(pFrame);
        }
        else
            ::SetMenu(pFrame->m_hWnd, pFrame->m_hMenuDefault);
        pFrame->DrawMenuBar();
    }
    if (pFrame->GetSafeHwnd() != NULL)
        RestoreDockState();
    m_bMenuRemoved = FALSE;
    if (pFrame->GetSafeHwnd() != NULL)
    {
        pFrame->RecalcLayout();
        ShowControlBars(TRUE);
    }
    // Only a frame that was told full screen went on hears that it went off.
    if (m_bNotifiedOn && pFrame->GetSafeHwnd() != NULL)
        NotifyFullScreenOff();
    m_bNotifiedOn = FALSE;
    if (m_hWnd != NULL)
        DestroyWindow();
    m_pFrame = NULL;
}

void SECFullScreenView::SaveDockState(CFrameWnd* pFrame)
{
    delete m_pSavedDockState;
    m_pSavedDockState = new SECDockState;
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != NULL;)
    {
        CControlBar* pBar = (CControlBar*)pFrame->m_listControlBars.GetNext(pos);
        if (pBar->GetSafeHwnd() == NULL || !pBar->IsKindOf(RUNTIME_CLASS(SECDockBar)) ||
            SECDockState::IsFrameBarInFloatingFrame(pBar))
            continue;
        SECControlBarInfo* pInfo = m_pSavedDockState->CreateBarInfo(NULL);
        static_cast<SECDockBar*>(pBar)->GetBarInfo(pInfo);
        m_pSavedDockState->m_arrBarInfo.Add(pInfo);
    }
}

// The dock bars get their bars back where they were: the menu bar floated to stand in for the
// menu returns to its row.
void SECFullScreenView::RestoreDockState()
{
    SECDockState* pState = m_pSavedDockState;
    m_pSavedDockState = NULL;
    CFrameWnd* pFrame = m_pFrame;
    if (pState == NULL)
        return;
    const BOOL bMDI = pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd));
    // The dock bars' records know nothing of the rebar: take the menu bar home before they are
    // applied, or emptying its floating frame would take it along.
    ReturnMenuBarToReBar(pFrame);
    pState->CreateBars(pFrame, bMDI);
    for (int i = 0; i < pState->GetBarInfoCount(); i++)
    {
        SECControlBarInfo* pInfo = pState->GetBarInfo(i);
        if (pInfo->m_pBar != NULL)
            pInfo->m_pBar->SetBarInfo(pInfo, pFrame);
    }
    pState->PositionFloatingFrames();
    pFrame->RecalcLayout();
    if (bMDI)
    {
        pState->RestoreMDIChildPlacements();
        pFrame->DelayRecalcLayout();
    }
    delete pState;
}

// A menu bar that lived in a rebar was floated to stand in for the menu: it goes back into its
// band, and the frame is sized once more so the rebar lays the band out again.
void SECFullScreenView::ReturnMenuBarToReBar(CFrameWnd* pFrame)
{
    SECReBar* pReBar = NULL;
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != NULL && pReBar == NULL;)
        pReBar = DYNAMIC_DOWNCAST(SECReBar, (CObject*)pFrame->m_listControlBars.GetNext(pos));
    SECMenuBar* pMenuBar = SECFSMainFrmListener::MenuBarOf(pFrame);
    if (pReBar == NULL || pReBar->GetSafeHwnd() == NULL || pMenuBar == NULL ||
        pMenuBar->GetSafeHwnd() == NULL)
        return;
    pMenuBar->ShowWindow(SW_HIDE);
    CFrameWnd* pMiniFrame = pMenuBar->IsFloating() ? pMenuBar->GetParentFrame() : NULL;
    const HWND hMiniFrame = pMiniFrame != NULL && pMiniFrame != pFrame ? pMiniFrame->m_hWnd : NULL;
    // Out of the floating frame first: emptying its dock bar may destroy it with its children.
    pReBar->ReturnBar(pMenuBar);
    if (CDockBar* pDockBar = pMenuBar->m_pDockBar)
        pDockBar->RemoveControlBar(pMenuBar);
    pMenuBar->m_pDockBar = NULL;
    if (hMiniFrame != NULL && ::IsWindow(hMiniFrame))
        ::DestroyWindow(hMiniFrame);
    pMenuBar->SetBarStyle(pMenuBar->GetBarStyle() & ~CBRS_BORDER_ANY & ~CBRS_FLOATING);
    pMenuBar->ShowWindow(SW_SHOW);
    const CRect& rect = m_rectSavedFrame;
    pFrame->SetWindowPos(NULL, rect.left, rect.top, rect.Width() + 1, rect.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
}

void SECFullScreenView::HideTaskBar(BOOL bHide)
{
    HWND hTaskBar = s_taskBar.pfnFind();
    if (hTaskBar == NULL)
    {
        m_bTaskBarHidden = FALSE;
        return;
    }
    if (bHide)
    {
        // An auto-hiding task bar is left alone.
        if (s_taskBar.pfnGetState() != ABS_ALWAYSONTOP)
            return;
        ::ShowWindow(hTaskBar, SW_HIDE);
        m_bTaskBarHidden = TRUE;
    }
    else if (m_bTaskBarHidden)
    {
        // Shown again only when this view hid it.
        if (s_taskBar.pfnGetState() == ABS_ALWAYSONTOP)
            ::ShowWindow(hTaskBar, SW_SHOW);
        m_bTaskBarHidden = FALSE;
    }
}

void SECFullScreenView::ShowControlBars(BOOL bShow)
{
    CFrameWnd* pFrame = m_pFrame;
    if (pFrame == NULL)
        return;
    // Copied first: showing and hiding may float or re-create bars.
    CPtrArray bars;
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != NULL;)
        bars.Add(pFrame->m_listControlBars.GetNext(pos));
    for (INT_PTR i = 0; i < bars.GetSize(); i++)
    {
        CControlBar* pBar = (CControlBar*)bars[i];
        if (pBar == NULL || pBar->GetSafeHwnd() == NULL || pBar->IsDockBar() ||
            pBar->IsKindOf(RUNTIME_CLASS(SECFrameBar)))
            continue;
        if (pBar == m_pToolBar)
            continue;
        if (!bShow)
        {
            if ((pBar->GetStyle() & WS_VISIBLE) == 0)
                m_hiddenBars.SetAt(pBar, 1);
            else
                pFrame->ShowControlBar(pBar, FALSE, FALSE);
        }
        else
        {
            int nHidden = 0;
            if (!m_hiddenBars.Lookup(pBar, nHidden))
                pFrame->ShowControlBar(pBar, TRUE, FALSE);
        }
    }
    if (bShow)
        pFrame->RecalcLayout();
}

CBitmap* SECFullScreenView::RenderButtonText()
{
    CString strText = m_strButtonText;
    HDC hScreen = ::GetDC(NULL);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOldFont = ::SelectObject(hMem, ::GetStockObject(DEFAULT_GUI_FONT));
    const DWORD dwExtent = ::GetTabbedTextExtent(hMem, strText, strText.GetLength(), 0, NULL);
    const int cx = LOWORD(dwExtent) > 0 ? LOWORD(dwExtent) : 1;
    const int cy = HIWORD(dwExtent) > 0 ? HIWORD(dwExtent) : 1;
    HBITMAP hbm = ::CreateCompatibleBitmap(hScreen, cx, cy);
    CBitmap* pBitmap = NULL;
    if (hbm != NULL)
    {
        HGDIOBJ hOldBmp = ::SelectObject(hMem, hbm);
        RECT rect = {0, 0, cx, cy};
        ::FillRect(hMem, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
        ::SetBkMode(hMem, TRANSPARENT);
        ::SetTextColor(hMem, ::GetSysColor(COLOR_BTNTEXT));
        ::DrawText(hMem, strText, strText.GetLength(), &rect,
                   DT_CENTER | DT_VCENTER | DT_EXPANDTABS | DT_SINGLELINE);
        ::SelectObject(hMem, hOldBmp);
        pBitmap = new CBitmap;
        pBitmap->Attach(hbm);
    }
    ::SelectObject(hMem, hOldFont);
    ::DeleteDC(hMem);
    ::ReleaseDC(NULL, hScreen);
    return pBitmap;
}

int SECFullScreenView::CreateFSToolBar(CFrameWnd* pFrame)
{
    if (m_dwFlags & SEC_FS_TEXT_BUTTON)
        m_pButtonBitmap = RenderButtonText();
    else
    {
        m_pButtonBitmap = new CBitmap;
        if (!m_pButtonBitmap->LoadBitmap(m_nButtonBitmapID))
        {
            delete m_pButtonBitmap;
            m_pButtonBitmap = NULL;
        }
    }
    if (m_pButtonBitmap == NULL)
        return -1;
    BITMAP bm = {};
    m_pButtonBitmap->GetBitmap(&bm);
    const CSize sizeImage(bm.bmWidth, bm.bmHeight);
    const CSize sizeButton = sizeImage + kButtonMargin;
    const UINT nID = ID_SEC_FULLSCREEN_CLOSE;

    DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP;
    DWORD dwExtra = 0;
    CControlBar* pBar = NULL;
    if (!IsLibraryFrame(pFrame))
    {
        SECFSToolBar<CToolBar>* pToolBar = new SECFSToolBar<CToolBar>;
        pBar = pToolBar;
        if (!pToolBar->CreateEx(pFrame, TBSTYLE_FLAT, dwStyle, CRect(0, 0, 0, 0), SEC_IDW_FULLSCREEN_BAR))
        {
            delete pToolBar;
            return -1;
        }
        pToolBar->SetSizes(sizeButton, sizeImage);
        pToolBar->SetBitmap((HBITMAP)m_pButtonBitmap->GetSafeHandle());
        pToolBar->SetButtons(&nID, 1);
    }
    else if (m_dwFlags & SEC_FS_SEC_TOOLBAR)
    {
        SECFSToolBar<SECToolBar>* pToolBar = new SECFSToolBar<SECToolBar>;
        pBar = pToolBar;
        if (!pToolBar->CreateEx(pFrame, TBSTYLE_FLAT, dwStyle, CRect(0, 0, 0, 0), SEC_IDW_FULLSCREEN_BAR))
        {
            delete pToolBar;
            return -1;
        }
        pToolBar->SetSizes(sizeButton, sizeImage);
        pToolBar->SetBitmap((HBITMAP)m_pButtonBitmap->GetSafeHandle());
        pToolBar->SetButtons(&nID, 1);
    }
    else
    {
        SECFSToolBar<SECCustomToolBar>* pToolBar = new SECFSToolBar<SECCustomToolBar>;
        pBar = pToolBar;
        DWORD dwCustomStyle = kCustomBarStyle;
        DWORD dwCustomEx = kCustomBarExStyle;
        if (m_pfnStyleHook != NULL)
            m_pfnStyleHook(&dwCustomStyle, &dwCustomEx);
        if (!pToolBar->CreateEx(dwCustomEx, pFrame, dwCustomStyle, SEC_IDW_FULLSCREEN_BAR, m_strToolBarTitle))
        {
            delete pToolBar;
            return -1;
        }
        pToolBar->GetBmpMgr()->SetImageSize(sizeImage.cx, sizeImage.cy);
        pToolBar->GetBmpMgr()->AddBitmap((HBITMAP)m_pButtonBitmap->GetSafeHandle(), NULL, &nID, 1);
        pToolBar->SetButtons(&nID, 1);
    }
    m_pToolBar = pBar;
    if (!pBar->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)))
    {
        dwStyle = pBar->GetBarStyle();
        if (m_pfnStyleHook != NULL)
            m_pfnStyleHook(&dwStyle, &dwExtra);
        pBar->SetBarStyle(dwStyle | kBarStyleBits);
    }
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    pBar->SetOwner(this);
    pBar->SetBorders(2, 2, 2, 2);
    pBar->SetWindowText(m_strToolBarTitle);
    if (SECDockSite* pSite = SECGetDockSite(pFrame))
        pSite->FloatControlBar(pBar, CPoint(0, 0), CBRS_ALIGN_LEFT);
    else
        pFrame->FloatControlBar(pBar, CPoint(0, 0), CBRS_ALIGN_LEFT);
    EnableToolTips(TRUE);
    return 0;
}

void SECFullScreenView::DestroyFSToolBar()
{
    if (m_pToolBar != NULL)
    {
        CControlBar* pBar = m_pToolBar;
        m_pToolBar = NULL;
        CWnd* pMiniFrame = pBar->GetSafeHwnd() != NULL ? pBar->GetParentFrame() : NULL;
        if (pBar->GetSafeHwnd() != NULL)
            pBar->DestroyWindow();
        delete pBar;
        // The floating frame held nothing else.
        if (pMiniFrame != NULL && pMiniFrame != m_pFrame && pMiniFrame->GetSafeHwnd() != NULL)
            pMiniFrame->DestroyWindow();
    }
    delete m_pButtonBitmap;
    m_pButtonBitmap = NULL;
}

void SECFullScreenView::NotifyFullScreenOn()
{
    if (m_pFrame != NULL)
        m_pFrame->SendMessage(SEC_WM_FULLSCREEN_CHANGED, 1, 0);
    m_bNotifiedOn = TRUE;
}

void SECFullScreenView::NotifyFullScreenOff()
{
    if (m_pFrame != NULL)
        m_pFrame->SendMessage(SEC_WM_FULLSCREEN_CHANGED, 0, 0);
}

HACCEL SECFullScreenView::SwapAccel(HACCEL hOld)
{
    for (const AccelSwap& swap : m_accelSwaps)
        if (swap.hOld == hOld)
            return swap.hNew;
    const int nCount = hOld != NULL ? ::CopyAcceleratorTable(hOld, NULL, 0) : 0;
    std::vector<ACCEL> entries((size_t)nCount + 1);
    entries[0].fVirt = FVIRTKEY;
    entries[0].key = VK_ESCAPE;
    entries[0].cmd = ID_SEC_FULLSCREEN_CLOSE;
    if (nCount > 0)
        ::CopyAcceleratorTable(hOld, &entries[1], nCount);
    HACCEL hNew = ::CreateAcceleratorTable(entries.data(), nCount + 1);
    if (hNew == NULL)
        return hOld;
    m_accelSwaps.push_back(AccelSwap{hOld, hNew});
    return hNew;
}

namespace
{
// Every accelerator slot the frame may translate with: its own, its MDI children's and the
// document templates' (children made while full screen is on copy those).
template <class F> void ForEachAccelSlot(CFrameWnd* pFrame, F fn)
{
    fn(pFrame->m_hAccelTable, TRUE);
    if (CMDIFrameWnd* pMDI = DYNAMIC_DOWNCAST(CMDIFrameWnd, pFrame))
    {
        for (HWND hChild = pMDI->m_hWndMDIClient != NULL ? ::GetWindow(pMDI->m_hWndMDIClient, GW_CHILD)
                                                         : NULL;
             hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        {
            CFrameWnd* pChild = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(hChild));
            if (pChild != NULL)
                fn(pChild->m_hAccelTable, FALSE);
        }
    }
    CWinApp* pApp = AfxGetApp();
    for (POSITION pos = pApp != NULL ? pApp->GetFirstDocTemplatePosition() : NULL; pos != NULL;)
    {
        CMultiDocTemplate* pTemplate = DYNAMIC_DOWNCAST(CMultiDocTemplate, pApp->GetNextDocTemplate(pos));
        if (pTemplate != NULL)
            fn(pTemplate->m_hAccelTable, FALSE);
    }
}
} // namespace

void SECFullScreenView::InstallAccelerators()
{
    if (m_pFrame == NULL)
        return;
    m_hSavedAccel = m_pFrame->m_hAccelTable;
    ForEachAccelSlot(m_pFrame, [this](HACCEL& hSlot, BOOL bFrame) {
        if (hSlot != NULL || bFrame)
            hSlot = SwapAccel(hSlot);
    });
    m_hFSAccel = m_pFrame->m_hAccelTable;
}

void SECFullScreenView::RestoreAccelerators()
{
    if (m_pFrame != NULL && m_pFrame->GetSafeHwnd() != NULL)
    {
        ForEachAccelSlot(m_pFrame, [this](HACCEL& hSlot, BOOL) {
            for (const AccelSwap& swap : m_accelSwaps)
                if (swap.hNew == hSlot && hSlot != NULL)
                {
                    hSlot = swap.hOld;
                    break;
                }
        });
    }
    for (const AccelSwap& swap : m_accelSwaps)
        if (swap.hNew != swap.hOld)
            ::DestroyAcceleratorTable(swap.hNew);
    m_accelSwaps.clear();
    m_hFSAccel = NULL;
}

BOOL SECFullScreenView::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    TOOLTIPTEXTA* pTTT = (TOOLTIPTEXTA*)pNMHDR;
    UINT_PTR nID = pNMHDR->idFrom;
    if (pTTT->uFlags & TTF_IDISHWND)
        nID = (UINT_PTR)::GetDlgCtrlID((HWND)nID);
    if (nID != ID_SEC_FULLSCREEN_CLOSE)
        return FALSE;
    lstrcpynA(pTTT->szText, m_strButtonText, _countof(pTTT->szText));
    pTTT->lpszText = pTTT->szText;
    *pResult = 0;
    return TRUE;
}
