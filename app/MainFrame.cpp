// CMainFrame: bars, status panes, minimised view and help of the main window.
#include "app/MainFrame.h"
#include "AppIds.h"
#include "app/DrawView.h"
#include "app/IRControlView.h"
#include "station/record/HtmlHelp.h"
#include "app/IRControlApp.h"
#include "app/MyWorkspaceEx.h"
#include "app/ParameterSetDlg.h"
#include "station/config/Config.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"
#include "ResourceText.h"
#include "uilib/common/BmpMgr.h"
#include "uilib/bars/MDIMenuBar.h"
#include "uilib/bars/ToolBarCmdPage.h"
#include "uilib/bars/ToolBarManager.h"
#include "uilib/bars/ToolBarSheet.h"
#include "uilib/bars/ToolBarsPage.h"
#include "BarsIds.h"
#include <htmlhelp.h>
#include <vector>

IMPLEMENT_DYNCREATE(CMainFrame, SECMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, SECMDIFrameWnd)
ON_WM_CREATE()
ON_COMMAND(ID_VIEW_PARAMETER, OnViewParameter)
ON_UPDATE_COMMAND_UI(ID_VIEW_PARAMETER, OnUpdateViewParameter)
ON_COMMAND(ID_VIEW_STATEWND, OnViewStateWnd)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATEWND, OnUpdateViewStateWnd)
ON_COMMAND_EX(ID_VIEW_TB_ZOOM, OnViewToolBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_TB_ZOOM, OnUpdateViewToolBar)
ON_COMMAND_EX(ID_VIEW_TB_RECORD, OnViewToolBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_TB_RECORD, OnUpdateViewToolBar)
ON_COMMAND_EX(ID_VIEW_TB_VIEWS, OnViewToolBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_TB_VIEWS, OnUpdateViewToolBar)
ON_COMMAND_EX(ID_VIEW_TB_ANALYSE, OnViewToolBar)
ON_UPDATE_COMMAND_UI(ID_VIEW_TB_ANALYSE, OnUpdateViewToolBar)
ON_COMMAND(ID_VIEW_FULLSCREEN, OnViewFullScreen)
ON_MESSAGE(SEC_WM_FULLSCREEN_CHANGED, OnFullScreenChanged)
ON_COMMAND(ID_VIEW_HIDE_ALL, OnViewHideAll)
ON_COMMAND(ID_VIEW_MINIMIZED, OnViewMinimized)
ON_COMMAND(ID_VIEW_CUSTOMIZE, OnViewCustomize)
ON_UPDATE_COMMAND_UI(ID_VIEW_MINIMIZED, OnUpdateViewMinimized)
ON_WM_CONTEXTMENU()
ON_WM_CLOSE()
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_COMMAND(ID_HELP_FINDER, OnHelpContents)
ON_COMMAND(ID_HELP, CWnd::OnHelp)
ON_COMMAND(ID_DEFAULT_HELP, CWnd::OnHelpFinder)
END_MESSAGE_MAP()

namespace
{
// The view tells the active view that full-screen mode changed (wParam as received).
const UINT WM_VIEW_FULLSCREEN_CHANGED = 0x1401;
// Ids the state window and the table bar search a free bar id from.
const UINT kFirstBarId = 100;
const int kStateWndWidth = 185;
const int kMeasureTableHeight = 210;
const int kBaudPaneWidth = 180;
const int kAnalysePaneWidth = 350;
const UINT kPopupMainframe = 0;
const DWORD kBarStyle = 0x50004114;
const DWORD kBarExStyle = 0xF11;
const DWORD kStateWndDocking = 0x5000;     // left and right
const DWORD kMeasureTableDocking = 0xA000; // top and bottom
const DWORD kCoolLookBits = 0x300;         // flat buttons and grippers
const int kCaptionLeft = 0;
const TCHAR kRegistryRoot[] = _T("Software\\KUVO GmbH\\Helvon");

struct DefaultToolBar
{
    UINT nBarId;
    UINT nTitleId;
    UINT nResourceId;
    UINT nDockBarId;
    int nAfter; // index of the bar it is placed after, -1 for none
    BOOL bExpertOnly;
};

// In the order the toolbars are defined (CMainFrame::toolbarMain ...).
const DefaultToolBar s_toolBars[CMainFrame::toolbarCount] = {
    {AFX_IDW_TOOLBAR, IDS_TB_MAIN, IDR_MAINFRAME_MENU, AFX_IDW_DOCKBAR_TOP, -1, FALSE},
    {IDW_TOOLBAR_RECORD, IDS_TB_RECORD, IDR_TOOLBAR_RECORD, AFX_IDW_DOCKBAR_TOP, CMainFrame::toolbarMain,
     FALSE},
    {IDW_TOOLBAR_ANALYSE, IDS_TB_ANALYSE, IDR_TOOLBAR_ANALYSE, AFX_IDW_DOCKBAR_TOP, CMainFrame::toolbarRecord,
     FALSE},
    {IDW_TOOLBAR_VIEWS, IDS_TB_VIEWS, IDR_TOOLBAR_VIEWS, AFX_IDW_DOCKBAR_TOP, CMainFrame::toolbarAnalyse,
     FALSE},
    {IDW_TOOLBAR_ZOOM, IDS_TB_ZOOM, IDR_TOOLBAR_ZOOM, AFX_IDW_DOCKBAR_TOP, CMainFrame::toolbarViews, FALSE},
    {IDW_TOOLBAR_EXPERT, IDS_TB_EXPERT, IDR_TOOLBAR_EXPERT, AFX_IDW_DOCKBAR_LEFT, -1, TRUE},
};

// The commands that toggle a toolbar, and the bar they toggle.
struct ToolBarToggle
{
    UINT nCommand;
    UINT nBarId;
};
const ToolBarToggle s_toolBarToggles[] = {
    {ID_VIEW_TB_ZOOM, IDW_TOOLBAR_ZOOM},
    {ID_VIEW_TB_RECORD, IDW_TOOLBAR_RECORD},
    {ID_VIEW_TB_VIEWS, IDW_TOOLBAR_VIEWS},
    {ID_VIEW_TB_ANALYSE, IDW_TOOLBAR_ANALYSE},
};

// A help context, its topic with the German help file and with the others.
struct HelpTopic
{
    UINT nContext;
    UINT nGerman;
    UINT nOther;
};
#define HELP_RES(id) (HID_BASE_RESOURCE + (id))
#define HELP_CMD(id) (HID_BASE_COMMAND + (id))
const HelpTopic s_helpTopics[] = {
    {HELP_RES(279), 48, 79},   {HELP_RES(209), 7, 3},     {HELP_RES(280), 19, 81},
    {HELP_RES(278), 39, 14},   {HELP_RES(108), 72, 77},   {HELP_RES(289), 43, 30},
    {HELP_RES(292), 31, 4},    {HELP_RES(295), 24, 13},   {HELP_RES(290), 3, 75},
    {HELP_RES(421), 2, 34},    {HELP_RES(20509), 46, 41}, {HELP_RES(20513), 46, 41},
    {HELP_RES(310), 54, 64},   {HELP_RES(302), 1, 68},    {HELP_RES(22067), 17, 70},
    {HELP_RES(314), 17, 70},   {HELP_RES(300), 42, 80},   {HELP_RES(311), 71, 69},
    {HELP_RES(419), 44, 78},   {HELP_RES(420), 41, 76},   {HELP_RES(326), 22, 85},
    {HELP_RES(106), 28, 87},   {HELP_CMD(57600), 56, 12}, {HELP_CMD(57601), 56, 12},
    {HELP_CMD(57603), 56, 12}, {HELP_CMD(32820), 56, 12}, {HELP_CMD(57607), 56, 12},
    {HELP_CMD(32818), 56, 12}, {HELP_CMD(32790), 56, 12}, {HELP_CMD(32791), 56, 12},
    {HELP_CMD(32792), 56, 12}, {HELP_CMD(32799), 56, 12}, {HELP_CMD(32800), 56, 12},
    {HELP_CMD(32778), 56, 12}, {HELP_CMD(32793), 67, 42}, {HELP_CMD(32821), 17, 70},
    {HELP_CMD(32822), 47, 70}, {HELP_CMD(57664), 63, 15}, {HELP_CMD(57669), 63, 15},
    {HELP_CMD(32834), 14, 74}, {HELP_CMD(32842), 14, 74}, {HELP_CMD(32843), 14, 74},
    {HELP_CMD(32844), 14, 74}, {HELP_CMD(32839), 24, 70}, {HELP_CMD(32837), 71, 69},
    {HELP_CMD(32811), 20, 44}, {HELP_CMD(32812), 20, 44}, {HELP_CMD(32806), 20, 44},
    {HELP_CMD(32810), 20, 44}, {HELP_CMD(32809), 20, 44}, {HELP_CMD(32783), 49, 10},
    {HELP_CMD(32771), 49, 10}, {HELP_CMD(32772), 49, 10}, {HELP_CMD(32787), 49, 10},
    {HELP_CMD(32819), 49, 10}, {HELP_CMD(22167), 4, 18},  {HELP_CMD(22166), 4, 18},
    {HELP_CMD(22168), 4, 18},  {HELP_CMD(22169), 4, 18},  {HELP_CMD(32852), 22, 85},
    {HELP_CMD(32856), 55, 84}, {HELP_RES(129), 25, 11},   {HELP_RES(128), 13, 51},
};
#undef HELP_RES
#undef HELP_CMD
static_assert(sizeof(s_helpTopics) / sizeof(s_helpTopics[0]) == 63, "one topic per help context");

// The active recording page, NULL when none.
CDrawView* ActiveDrawView()
{
    return dynamic_cast<CDrawView*>(GetActiveDrawView());
}

// The analysis dialog follows the page when the bars beside it come or go.
void UpdateActiveAnalyseCursor()
{
    if (CIRControlView* pView = dynamic_cast<CIRControlView*>(ActiveDrawView()))
        pView->UpdateAnalyseDialog();
}

BOOL IsExpert()
{
    CIRControlApp* pApp = GetIRControlApp();
    return pApp != NULL && pApp->IsExpertMode();
}
} // namespace

CMainFrame::CMainFrame()
    : m_helpIdMap(10), m_bMinimizedView(FALSE), m_bCursorBeforeMinimized(FALSE), m_pToolBarManager(NULL)
{
    m_helpIdMap.InitHashTable(17);
    for (int i = 0; i < toolbarCount; i++)
    {
        m_pButtons[i] = NULL;
        m_nButtons[i] = 0;
    }
    m_pToolBarManager = new SECToolBarManager(this, this);
    SetControlBarManager(m_pToolBarManager);
    m_pMenuBar = new SECMDIMenuBar;
    EnableBmpMenus(TRUE);
    m_strWorkspaceFile = CConfig::GetModuleDirectory() + (IsExpert() ? "VAZovIni.wsp" : "HelvonIni.wsp");
    InitHelpIdMap();
}

CMainFrame::~CMainFrame()
{
    delete m_pMenuBar;
    m_pMenuBar = NULL;
    delete m_pToolBarManager;
    SetControlBarManager(NULL);
    for (int i = 0; i < toolbarCount; i++)
        delete[] m_pButtons[i];
    m_helpIdMap.RemoveAll();
}

void CMainFrame::InitHelpIdMap()
{
    const BOOL bGerman = GetProjektConfig() != NULL && GetProjektConfig()->GetLanguage() == "Deutsch";
    m_helpIdMap.RemoveAll();
    for (const HelpTopic& topic : s_helpTopics)
        m_helpIdMap.SetAt(topic.nContext, bGerman ? topic.nGerman : topic.nOther);
}

UINT CMainFrame::TranslateHelpContext(DWORD_PTR dwContext) const
{
    UINT nTopic = 0;
    return m_helpIdMap.Lookup((UINT)dwContext, nTopic) ? nTopic : (UINT)dwContext;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (SECMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!DefineDefaultToolBars())
        return -1;
    static const UINT s_indicators[] = {ID_SEPARATOR,      ID_INDICATOR_ANALYSE, ID_INDICATOR_BAUD,
                                        ID_INDICATOR_CAPS, ID_INDICATOR_NUM,     ID_INDICATOR_SCRL};
    if (!m_wndStatusBar.Create(this, 0x50008200, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(s_indicators, sizeof(s_indicators) / sizeof(s_indicators[0])))
        return -1;
    m_pToolBarManager->EnableCoolLook(TRUE, kCoolLookBits);
    EnableDocking(CBRS_ALIGN_ANY);
    if (!CreateBars())
        return -1;
    m_pToolBarManager->LoadMenuBarMenus(this, 2, IDR_MAINFRAME_MENU, IDR_IRCONTROLTYPE);
    m_pToolBarManager->CreateDefaultToolBars();
    AddMenuImages(IDR_TOOLBAR_MENU_IMAGES);
    EnableCustomCaption(TRUE);
    SetCaptionTextAlign(kCaptionLeft);
    EnableBarContextMenu(TRUE);
    InitWorkspaceMgrEx(kRegistryRoot, SECWorkspaceManagerEx::storeProfile, RUNTIME_CLASS(CMyWorkspaceEx),
                       FALSE);
    // Status panes: widths, left-aligned texts.
    const struct
    {
        UINT nID;
        int nWidth;
    } panes[] = {{ID_INDICATOR_BAUD, kBaudPaneWidth}, {ID_INDICATOR_ANALYSE, kAnalysePaneWidth}};
    for (const auto& pane : panes)
    {
        SECStatusPaneInfo info;
        info.index = m_wndStatusBar.CommandToIndex(pane.nID);
        m_wndStatusBar.GetPaneInfoEx(&info);
        info.width = pane.nWidth;
        info.textAlign = TA_LEFT;
        info.mask = SECStatusPaneInfo::maskWidth | SECStatusPaneInfo::maskText | SECStatusPaneInfo::maskAlign;
        m_wndStatusBar.SetPaneInfoEx(&info);
    }
    ClearRecordingPanes();
    return 0;
}

BOOL CMainFrame::DefineDefaultToolBars()
{
    const BOOL bExpert = IsExpert();
    for (const DefaultToolBar& def : s_toolBars)
        if (!def.bExpertOnly || bExpert)
            m_pToolBarManager->AddToolBarResource(def.nResourceId, def.nResourceId);
    for (int i = 0; i < toolbarCount; i++)
    {
        const DefaultToolBar& def = s_toolBars[i];
        if (def.bExpertOnly && !bExpert)
            continue;
        const UINT nBeside = def.nAfter >= 0 ? s_toolBars[def.nAfter].nBarId : 0;
        if (!m_pToolBarManager->DefineDefaultToolBar(def.nBarId, LoadText(def.nTitleId), def.nResourceId,
                                                     m_nButtons[i], m_pButtons[i], CBRS_ALIGN_ANY,
                                                     def.nDockBarId, nBeside))
            return FALSE;
    }
    return TRUE;
}

BOOL CMainFrame::CreateBars()
{
    const struct
    {
        SECControlBar* pBar;
        UINT nTitleId;
        DWORD dwDocking;
        UINT nDockBarId;
        int nThickness;
    } bars[] = {
        {&m_wndState, IDS_BAR_STATE, kStateWndDocking, AFX_IDW_DOCKBAR_RIGHT, kStateWndWidth},
        {&m_wndMeasureTable, IDS_BAR_PARAMETER, kMeasureTableDocking, AFX_IDW_DOCKBAR_BOTTOM,
         kMeasureTableHeight},
    };
    for (const auto& bar : bars)
    {
        const UINT nID = SECControlBar::FindUnusedBarID(this, kFirstBarId);
        if (nID == 0 || !bar.pBar->Create(this, LoadText(bar.nTitleId), kBarStyle, kBarExStyle, nID))
            return FALSE;
        bar.pBar->EnableDocking(bar.dwDocking);
        DockControlBarEx(bar.pBar, bar.nDockBarId, 0, 0, 1.0f, bar.nThickness);
    }
    return TRUE;
}

SECCustomToolBar* CMainFrame::GetDefaultToolBar(int nIndex) const
{
    if (nIndex < 0 || nIndex >= toolbarCount || m_pButtons[nIndex] == NULL)
        return NULL;
    return m_pToolBarManager->FindBar(s_toolBars[nIndex].nBarId);
}

void CMainFrame::FitPanes()
{
    m_wndStatusBar.FitPanesToContent();
}

void CMainFrame::SetBaudText(LPCTSTR lpszBaud)
{
    m_wndStatusBar.SetPaneText(m_wndStatusBar.CommandToIndex(ID_INDICATOR_BAUD),
                               LoadText(IDS_BAUD_PREFIX) + lpszBaud + LoadText(IDS_BAUD_SUFFIX));
    FitPanes();
}

void CMainFrame::SetAnalysePointCount(int nPoints)
{
    CString strCount;
    strCount.Format(" %d", nPoints);
    m_wndStatusBar.SetPaneText(m_wndStatusBar.CommandToIndex(ID_INDICATOR_ANALYSE),
                               LoadText(IDS_ANALYSE_POINTS) + strCount);
    FitPanes();
}

void CMainFrame::ClearRecordingPanes()
{
    // Nothing to show while the frame itself goes.
    if (!::IsWindow(m_wndStatusBar.m_hWnd))
        return;
    SetBaudText("0");
    SetAnalysePointCount(0);
}

BOOL CMainFrame::ShowUserMask()
{
    return m_wndMeasureTable.ShowUserMask() && m_wndMeasureTable.FocusUserMask();
}

CParameterSetDlg* CMainFrame::GetParameterSetDlg() const
{
    return m_wndMeasureTable.GetParameterSetDlg();
}

CIRProfilSet* CMainFrame::GetSelectedProfileSet()
{
    CParameterSetDlg* pDlg = GetParameterSetDlg();
    return pDlg != NULL && pDlg->HasSelectedRow() ? pDlg->GetCurrentSet() : NULL;
}

BOOL CMainFrame::AppendProfileSet(const CIRProfilSet& set)
{
    CParameterSetDlg* pDlg = GetParameterSetDlg();
    return pDlg != NULL && pDlg->AppendSet(set);
}

BOOL CMainFrame::AreProfilesProtected() const
{
    // The flag the profile grid obeys.
    CIRControlApp* pApp = GetIRControlApp();
    return pApp != NULL && pApp->IsParameterSetProtected();
}

void CMainFrame::ToggleBar(CControlBar* pBar)
{
    ShowControlBar(pBar, !pBar->IsWindowVisible(), FALSE);
}

void CMainFrame::OnViewParameter()
{
    ToggleBar(&m_wndMeasureTable);
    UpdateActiveAnalyseCursor();
}

void CMainFrame::OnUpdateViewParameter(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndMeasureTable.IsWindowVisible());
}

void CMainFrame::OnViewStateWnd()
{
    ToggleBar(&m_wndState);
    UpdateActiveAnalyseCursor();
}

void CMainFrame::OnUpdateViewStateWnd(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndState.IsWindowVisible());
}

BOOL CMainFrame::OnViewToolBar(UINT nID)
{
    for (const ToolBarToggle& toggle : s_toolBarToggles)
        if (toggle.nCommand == nID)
            if (CControlBar* pBar = GetControlBar(toggle.nBarId))
                ToggleBar(pBar);
    return TRUE;
}

void CMainFrame::OnUpdateViewToolBar(CCmdUI* pCmdUI)
{
    for (const ToolBarToggle& toggle : s_toolBarToggles)
        if (toggle.nCommand == pCmdUI->m_nID)
        {
            CControlBar* pBar = GetControlBar(toggle.nBarId);
            pCmdUI->Enable(pBar != NULL);
            pCmdUI->SetCheck(pBar != NULL && pBar->IsWindowVisible());
        }
}

void CMainFrame::OnViewHideAll()
{
    const BOOL bShow = !m_wndMeasureTable.IsWindowVisible() && !m_wndState.IsWindowVisible();
    ShowControlBar(&m_wndMeasureTable, bShow, FALSE);
    ShowControlBar(&m_wndState, bShow, FALSE);
    UpdateActiveAnalyseCursor();
}

void CMainFrame::OnViewMinimized()
{
    ToggleMinimizedView();
}

void CMainFrame::OnUpdateViewMinimized(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bMinimizedView);
}

void CMainFrame::ToggleMinimizedView()
{
    const BOOL bEnter = !m_bMinimizedView;
    ShowControlBar(&m_wndMeasureTable, !bEnter, FALSE);
    ShowControlBar(&m_wndState, !bEnter, FALSE);
    if (bEnter)
    {
        ShowWindow(SW_SHOWNOACTIVATE);
        SetWindowPos(NULL, 10, 10, 500, 450, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    else
        ShowWindow(SW_SHOWMAXIMIZED);
    if (CDrawView* pView = ActiveDrawView())
        pView->FitToWindow();
    // The small window keeps the page alone: the analysis cursor waits until it is left.
    if (CIRControlView* pView = dynamic_cast<CIRControlView*>(ActiveDrawView()))
    {
        if (bEnter)
            m_bCursorBeforeMinimized = pView->IsAnalyseCursorOn();
        if (bEnter || m_bCursorBeforeMinimized)
            pView->ShowAnalyseCursor(!bEnter);
    }
    m_bMinimizedView = bEnter;
}

void CMainFrame::OnViewCustomize()
{
    SECToolBarSheet sheet(IDS_CUSTOMIZE, this);
    sheet.m_psh.dwFlags &= ~PSH_HASHELP;
    SECToolBarsPage barsPage;
    SECToolBarCmdPage commandsPage(IDD_SEC_TOOLBAR_COMMANDS, IDS_TB_COMMANDS);
    barsPage.m_psp.dwFlags &= ~PSP_HASHELP;
    commandsPage.m_psp.dwFlags &= ~PSP_HASHELP;
    barsPage.SetManager(m_pToolBarManager);
    commandsPage.SetManager(m_pToolBarManager);
    // The categories: the default toolbars in this order, then the menu bar's menus.
    static const int s_groups[] = {toolbarMain, toolbarRecord, toolbarAnalyse,
                                   toolbarZoom, toolbarViews,  toolbarExpert};
    for (int i : s_groups)
        if (m_pButtons[i] != NULL)
            commandsPage.AddButtonGroup(LoadText(s_toolBars[i].nTitleId), m_pButtons[i], m_nButtons[i]);
    commandsPage.AddMenuButtonGroup(LoadText(IDS_TB_MENUBAR));
    sheet.AddPage(&barsPage);
    sheet.AddPage(&commandsPage);
    sheet.DoModal();
}

void CMainFrame::OnViewFullScreen()
{
    if (m_fullScreen.IsFullScreen())
        return;
    // The floating button's caption and tip in the program's language.
    m_fullScreen.SetToolBarTitle(LoadText(IDS_FULLSCREEN_TITLE));
    m_fullScreen.SetButtonText(LoadText(IDS_FULLSCREEN_CLOSE));
    m_fullScreen.EnterFullScreenMode(SEC_FS_HIDE_TASKBAR);
}

LRESULT CMainFrame::OnFullScreenChanged(WPARAM wParam, LPARAM)
{
    CMDIChildWnd* pChild = MDIGetActive();
    CView* pView = pChild != NULL ? pChild->GetActiveView() : NULL;
    if (pView != NULL && ::IsWindow(pView->m_hWnd))
        pView->PostMessage(WM_VIEW_FULLSCREEN_CHANGED, wParam);
    return 1;
}

void CMainFrame::OnContextMenu(CWnd*, CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_POPUP_MENUS))
        return;
    CMenu* pPopup = menu.GetSubMenu(kPopupMainframe);
    if (pPopup != NULL)
        pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, AfxGetMainWnd());
}

SECWorkspaceManagerEx* CMainFrame::GetWorkspaceManager() const
{
    return DYNAMIC_DOWNCAST(SECWorkspaceManagerEx, m_pWorkspacePlugIn);
}

void CMainFrame::OnClose()
{
    if (SECWorkspaceManagerEx* pWorkspace = GetWorkspaceManager())
        pWorkspace->SaveWorkspace(m_strWorkspaceFile);
    SECMDIFrameWnd::OnClose();
}

void CMainFrame::OnHelpContents()
{
    CWinApp* pApp = AfxGetApp();
    if (CallHtmlHelp(m_hWnd, pApp != NULL ? pApp->m_pszHelpFilePath : NULL, HH_DISPLAY_TOPIC, 0) == NULL)
        AfxMessageBox(IDS_NO_HELP_TOPIC, MB_ICONEXCLAMATION);
}

void CMainFrame::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWaitCursor wait;
    PrepareForHelp();
    const DWORD_PTR dwTopic = nCmd == HELP_CONTEXT ? TranslateHelpContext(dwData) : 0;
    CWinApp* pApp = AfxGetApp();
    if (CallHtmlHelp(m_hWnd, pApp != NULL ? pApp->m_pszHelpFilePath : NULL, HH_HELP_CONTEXT, dwTopic) == NULL)
        AfxMessageBox(IDS_NO_HELP_TOPIC, MB_ICONEXCLAMATION);
}

LRESULT CMainFrame::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = SECMDIFrameWnd::OnIdleUpdateCmdUI(wParam, lParam);
    KeepOwnedWindowsInFront();
    return lResult;
}

namespace
{
struct OwnedWindows
{
    HWND hOwner;
    std::vector<HWND> shown; // in the order of windows, the front one first
};

BOOL CALLBACK CollectOwned(HWND hWnd, LPARAM lParam)
{
    OwnedWindows& owned = *(OwnedWindows*)lParam;
    if (::GetWindow(hWnd, GW_OWNER) == owned.hOwner && ::IsWindowVisible(hWnd))
        owned.shown.push_back(hWnd);
    return TRUE;
}
} // namespace

void CMainFrame::KeepOwnedWindowsInFront()
{
    // Without a window manager, Wine raises this window's X window whenever the focus moves into
    // it and then takes the order of windows from the X server, owner or not, so a click on the
    // page hid the analysis values behind it. Windows never puts an owned window behind its owner.
    if (!IsWindowVisible() || IsIconic())
        return;
    OwnedWindows owned = {m_hWnd, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectOwned, (LPARAM)&owned);
    std::vector<HWND> behind;
    for (HWND hWnd : owned.shown)
    {
        HWND hAbove = ::GetWindow(hWnd, GW_HWNDPREV);
        while (hAbove != NULL && hAbove != m_hWnd)
            hAbove = ::GetWindow(hAbove, GW_HWNDPREV);
        if (hAbove == m_hWnd)
            behind.push_back(hWnd);
    }
    // Each goes just in front of this window, the back one first, so they keep their order.
    HWND hAfter = ::GetWindow(m_hWnd, GW_HWNDPREV);
    for (auto it = behind.rbegin(); it != behind.rend(); ++it)
        ::SetWindowPos(*it, hAfter != NULL ? hAfter : HWND_TOP, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
