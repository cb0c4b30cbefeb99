// SECFrameWnd: loading, docking and floating through the shared frame steps, the layout's
// repaint of the dock bars, and the custom caption.
#include "uilib/frames/docking/FrameWnd.h"
#include "FrameworkIds.h"
#include "uilib/bars/WorkspaceManagerEx.h"
#include "uilib/frames/docking/CaptionPainter.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/docking/DockState.h"
#include "uilib/frames/docking/FrameDocking.h"
#include "uilib/frames/docking/FrameMenus.h"
#include "uilib/common/SystemData.h"
#include "uilib/frames/plugins/WndPlugIn.h"

using tessaron::foundation::SECWndPlugIn;

namespace
{
UINT s_nGetMenuMessage = SECFrameDocking::GetMenuMessage();
} // namespace

IMPLEMENT_DYNCREATE(SECFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(SECFrameWnd, CFrameWnd)
ON_WM_CREATE()
ON_WM_NCPAINT()
ON_WM_SYSCOLORCHANGE()
ON_WM_NCACTIVATE()
ON_REGISTERED_MESSAGE(s_nGetMenuMessage, OnSecGetMenu)
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_WM_ENTERIDLE()
ON_WM_NCHITTEST()
ON_WM_ENABLE()
ON_WM_CLOSE()
SEC_ON_WORKSPACE_COMMANDS()
END_MESSAGE_MAP()

SECFrameWnd::SECFrameWnd()
    : m_bNewShell(LOBYTE(LOWORD(::GetVersion())) >= 4), m_bClosing(FALSE), m_pCommandPlugIn(NULL),
      m_rectLastClient(0, 0, 0, 0), m_nCaptionAlign(0), m_bCustomCaption(FALSE), m_bCaptionActive(FALSE),
      m_pControlBarManager(NULL), m_pMenuFeature(NULL), m_bBmpMenus(FALSE), m_dwReserved(0), m_pMenuBar(NULL),
      m_hMenuBarMenu(NULL), m_nIDMenuResource(0)
{
    m_hAccelTable = NULL;
}

SECFrameWnd::~SECFrameWnd()
{
    if (m_hMenuBarMenu != NULL)
        ::DestroyMenu(m_hMenuBarMenu);
    POSITION pos = m_listDynamicBars.GetHeadPosition();
    while (pos != NULL)
        delete (CControlBar*)m_listDynamicBars.GetNext(pos);
    m_listDynamicBars.RemoveAll();
    delete m_pMenuFeature;
    delete m_pCommandPlugIn;
}

BOOL SECFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                            CCreateContext* pContext)
{
    m_nIDMenuResource = nIDResource;
    if (!BeginLoadFrame(nIDResource))
        return FALSE;
    // Without a menu bar the menu resource becomes the window menu, when there is one.
    LPCTSTR lpszMenuName = NULL;
    if (m_pMenuBar == NULL)
    {
        HMENU hTest = ::LoadMenu(AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), RT_MENU),
                                 MAKEINTRESOURCE(nIDResource));
        if (hTest != NULL)
        {
            ::DestroyMenu(hTest);
            lpszMenuName = MAKEINTRESOURCE(nIDResource);
        }
    }
    if (!CreateLoadedFrame(nIDResource, dwDefaultStyle, pParentWnd, lpszMenuName, pContext))
        return FALSE;
    if (m_pMenuBar != NULL)
        m_hMenuBarMenu = ::LoadMenu(AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), RT_MENU),
                                    MAKEINTRESOURCE(nIDResource));
    EndLoadFrame(pContext);
    return TRUE;
}

void SECFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    SECFrameDocking::EnableDocking(this, dwDockStyle, 0, [this]() -> CDockBar* { return CreateDockBar(); });
}

SECDockBar* SECFrameWnd::CreateDockBar()
{
    return new SECDockBar(FALSE, FALSE);
}

// ---- docking and floating

void SECFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    SECFrameDocking::FloatControlBar(this, pBar, point, dwStyle);
}

void SECFrameWnd::DockControlBarEx(CControlBar* pBar, UINT nDockBarID, int nCol, int nRow, float fPctWidth,
                                   int nHeight)
{
    SECFrameDocking::DockControlBarEx(this, pBar, nDockBarID, SECDockBarPosition{nRow, nCol, 0}, fPctWidth,
                                      nHeight);
}

void SECFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    SECFrameDocking::DockControlBar(this, pBar, pDockBar, lpRect);
}

void SECFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    SECFrameDocking::DockControlBar(this, pBar, SECFrameDocking::GetDockBar(this, nDockBarID), lpRect);
}

void SECFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    SECFrameDocking::ReDockControlBar(this, pBar, pDockBar, lpRect);
}

// ---- bar state

void SECFrameWnd::LoadBarState(LPCTSTR lpszProfileName)
{
    SECFrameDocking::LoadBarState(this, m_pControlBarManager, &m_listDynamicBars, lpszProfileName);
}

void SECFrameWnd::SaveBarState(LPCTSTR lpszProfileName)
{
    SECFrameDocking::SaveBarState(this, m_pControlBarManager, lpszProfileName);
}

void SECFrameWnd::SetDockState(SECDockState& state)
{
    state.ApplyToFrame(this);
}

void SECFrameWnd::GetDockState(SECDockState& state)
{
    state.CollectFrameState(this);
}

SECWndPlugIn* SECFrameWnd::CreateCommandPlugIn(LPCTSTR lpszBaseKey, int nMode, CRuntimeClass* pClass,
                                               BOOL bListInAppSection)
{
    delete m_pCommandPlugIn;
    m_pCommandPlugIn =
        SECWorkspaceManagerEx::CreatePlugIn(pClass, this, lpszBaseKey, nMode, bListInAppSection);
    return m_pCommandPlugIn;
}

// ---- routing and layout

BOOL SECFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    SECWndPlugIn* pPlugIn = m_pCommandPlugIn;
    if (pPlugIn == NULL)
    {
        CFrameWnd* pTop = GetTopLevelFrame();
        if (pTop != NULL && pTop != this && pTop->IsKindOf(RUNTIME_CLASS(SECFrameWnd)))
            pPlugIn = static_cast<SECFrameWnd*>(pTop)->m_pCommandPlugIn;
    }
    if (pPlugIn != NULL)
    {
        // Only what the plug-in marks handled stays away from the frame's own map.
        CPushRoutingFrame push(this);
        BOOL bResult = pPlugIn->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
        if (pPlugIn->m_bMsgConsumed)
        {
            pPlugIn->m_bMsgConsumed = FALSE;
            return bResult;
        }
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void SECFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout)
        return;
    CFrameWnd::RecalcLayout(bNotify);
    SECFrameDocking::AfterRecalcLayout(this, m_rectLastClient);
}

void SECFrameWnd::OnSetPreviewMode(BOOL bPreview, void* pState)
{
    CFrameWnd::OnSetPreviewMode(bPreview, pState);
    if (!bPreview)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HMENU SECFrameWnd::GetMenuForID(UINT nIDResource)
{
    return nIDResource == m_nIDMenuResource ? m_hMenuBarMenu : NULL;
}

HMENU SECFrameWnd::GetDefaultMenu()
{
    return m_pMenuBar != NULL ? m_hMenuBarMenu : m_hMenuDefault;
}

void SECFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    SECFrameDocking::EnterIdleWhileCustomising(this, m_pControlBarManager, nWhy);
    CFrameWnd::OnEnterIdle(nWhy, pWho);
}

LRESULT SECFrameWnd::OnNcHitTest(CPoint)
{
    // While the toolbars are customised the frame itself takes no click.
    if (SECFrameDocking::IsCustomising(m_pControlBarManager))
        return HTERROR;
    return Default();
}

void SECFrameWnd::OnEnable(BOOL bEnable)
{
    if (SECFrameDocking::IsCustomising(m_pControlBarManager))
        m_nFlags &= ~WF_STAYACTIVE;
    CFrameWnd::OnEnable(bEnable);
}

LRESULT SECFrameWnd::OnSecGetMenu(WPARAM wParam, LPARAM lParam)
{
    // Id 0 asks for the menu shown now.
    HMENU hMenu = GetMenuForID((UINT)wParam);
    if (wParam == 0)
        hMenu = m_pMenuBar != NULL ? m_hMenuBarMenu : ::GetMenu(m_hWnd);
    return SECFrameDocking::AnswerGetMenu(hMenu, (int)lParam);
}

int SECFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pMenuFeature = SECFrameMenus::CreatePlugIn(this, m_pMenuBar, m_bBmpMenus, m_pControlBarManager);
    return 0;
}

LRESULT SECFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SECFrameMenus::WindowProc(
        m_pMenuFeature, m_bBmpMenus, message, wParam, lParam,
        [this](UINT nMsg, WPARAM w, LPARAM l) { return CFrameWnd::WindowProc(nMsg, w, l); });
}

BOOL SECFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    return SECFrameMenus::PreTranslateFrameMessage(this, m_pMenuFeature, m_pControlBarManager, pMsg) ||
           CFrameWnd::PreTranslateMessage(pMsg);
}

BOOL SECFrameWnd::ProcessHelpMsg(MSG& msg, DWORD* pContext)
{
    const int nDone = SECFrameMenus::MenuBarHelp(this, m_pMenuBar, msg, pContext);
    return nDone >= 0 ? nDone : CFrameWnd::ProcessHelpMsg(msg, pContext);
}

BOOL SECFrameWnd::DestroyWindow()
{
    SECFrameMenus::ReleasePlugIn(m_pMenuFeature);
    return CFrameWnd::DestroyWindow();
}

void SECFrameWnd::OnSysColorChange()
{
    SECGetSystemData().RefreshColors();
    CFrameWnd::OnSysColorChange();
}

void SECFrameWnd::OnClose()
{
    m_bClosing = TRUE;
    CFrameWnd::OnClose();
}

void SECFrameWnd::OnWorkspaceCommand()
{
}

BOOL SECFrameWnd::OnWorkspaceCommandRange(UINT /*nID*/)
{
    return TRUE;
}

void SECFrameWnd::OnUpdateWorkspaceCommand(CCmdUI* /*pCmdUI*/)
{
}

// ---- custom caption

BOOL SECFrameWnd::EnableCustomCaption(BOOL bEnable, BOOL bRedraw)
{
    if (!m_bNewShell)
        return FALSE;
    const BOOL bOld = m_bCustomCaption;
    m_bCustomCaption = bEnable;
    if (m_hWnd != NULL)
    {
        if (bRedraw)
            PostMessage(WM_NCPAINT, 1, 0);
        PostMessage(WM_NCACTIVATE, 0, 0);
    }
    return bOld;
}

void SECFrameWnd::CreateCaptionFontItalic(CFont& font)
{
    SECCaptionPainter::CreateCaptionFont(font, TRUE);
}

void SECFrameWnd::CreateCaptionFont(CFont& font)
{
    SECCaptionPainter::CreateCaptionFont(font, FALSE);
}

void SECFrameWnd::DrawCaption()
{
    SECCaptionPainter::Caption caption;
    caption.bActive = m_bCaptionActive;
    caption.nAlign = m_nCaptionAlign;
    caption.clrFrom = ::GetSysColor(m_bCaptionActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    const COLORREF clrGradient =
        ::GetSysColor(m_bCaptionActive ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    caption.clrTo = clrGradient != 0 ? clrGradient : caption.clrFrom;
    caption.clrText = ::GetSysColor(m_bCaptionActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT);
    caption.clrIconBack = m_bCaptionActive ? RGB(0, 0, 0) : ::GetSysColor(COLOR_INACTIVECAPTION);
    CFont fontItalic, fontPlain;
    CreateCaptionFontItalic(fontItalic);
    CreateCaptionFont(fontPlain);
    if (!SECCaptionPainter::Draw(this, caption, fontItalic, fontPlain))
        EnableCustomCaption(FALSE, TRUE);
}

void SECFrameWnd::OnNcPaint()
{
    if (!m_bCustomCaption)
    {
        Default();
        return;
    }
    if (SECCaptionPainter::PaintAroundCaption(this))
        DrawCaption();
}

BOOL SECFrameWnd::OnNcActivate(BOOL bActive)
{
    if (!m_bCustomCaption)
        return CFrameWnd::OnNcActivate(bActive);
    if (SECFrameDocking::IsCustomising(m_pControlBarManager))
        m_nFlags &= ~WF_STAYACTIVE;
    SECCaptionPainter::NcActivate(this, bActive, m_bCaptionActive);
    return TRUE;
}

LRESULT SECFrameWnd::OnSetText(WPARAM, LPARAM)
{
    if (!m_bCustomCaption)
        return Default();
    const BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bVisible)
        ModifyStyle(WS_VISIBLE, 0);
    Default();
    if (bVisible)
        ModifyStyle(0, WS_VISIBLE);
    DrawCaption();
    return TRUE;
}
