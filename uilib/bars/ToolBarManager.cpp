// SECToolBarManager: creating toolbars, finding them, the options, customisation mode and the
// notifications. The saved forms of the options are in ToolBarManagerState.cpp.
#include "uilib/bars/ToolBarManager.h"
#include "uilib/common/BmpMgr.h"
#include "uilib/bars/BtnDrawData.h"
#include "uilib/bars/CustomToolBarInfoEx.h"
#include "uilib/bars/MenuBar.h"
#include "uilib/frames/docking/ControlBarInfo.h"
#include "uilib/frames/docking/DockSite.h"
#include "uilib/frames/docking/FrameDocking.h"
#include "uilib/frames/docking/FrameWnd.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"
#include "mfc/FrameWnd.h"
#include "BarsIds.h"
#include <cstdarg>
#include <memory>

IMPLEMENT_DYNAMIC(SECToolBarManager, SECControlBarManager)

namespace
{
const DWORD kToolBarStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM | CBRS_SIZE_DYNAMIC;

BOOL IsKindOfToolBar(CControlBar* pBar)
{
    return pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(SECCustomToolBar));
}
} // namespace

SECToolBarManager::SECToolBarManager(CFrameWnd* pFrame, CWnd* pOwner)
    : SECControlBarManager(pFrame), m_pCustDlg(NULL), m_bConfig(FALSE), m_bToolBarCustomise(FALSE),
      m_bToolTips(TRUE), m_bFlyBy(TRUE), m_bCoolLook(FALSE), m_bLargeButtons(FALSE), m_pBtnMap(NULL),
      m_pBmpMgr(new SECBmpMgr), m_pDrawData(new SECBtnDrawData), m_pOwner(pOwner),
      m_pToolBarClass(RUNTIME_CLASS(SECCustomToolBar)), m_pSelectedBar(NULL),
      m_pCmdSource(new SECCommandSource)
{
}

SECToolBarManager::~SECToolBarManager()
{
    for (DefaultToolBarDef* pDef : m_defaultBars)
        delete pDef;
    m_pBmpMgr->Release();
    delete m_pDrawData;
    m_pCmdSource->Release();
}

UINT SECToolBarManager::GetBarNotifyMessage()
{
    static const UINT s_nMsg = ::RegisterWindowMessage(_T("WM_BARNOTIFY"));
    return s_nMsg;
}

// ---- the frame's toolbars

std::vector<SECCustomToolBar*> SECToolBarManager::GetToolBars() const
{
    std::vector<SECCustomToolBar*> bars;
    CFrameWnd* pFrame = GetFrame();
    if (pFrame == NULL)
        return bars;
    POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
    while (pos != NULL)
    {
        CControlBar* pBar = (CControlBar*)pFrame->m_listControlBars.GetNext(pos);
        if (IsKindOfToolBar(pBar))
            bars.push_back(static_cast<SECCustomToolBar*>(pBar));
    }
    return bars;
}

SECCustomToolBar* SECToolBarManager::FindBar(UINT nID)
{
    CFrameWnd* pFrame = GetFrame();
    if (pFrame == NULL)
        return NULL;
    CControlBar* pBar = pFrame->GetControlBar(nID);
    return IsKindOfToolBar(pBar) ? static_cast<SECCustomToolBar*>(pBar) : NULL;
}

SECMenuBar* SECToolBarManager::GetFrameMenuBar(CFrameWnd* pFrame)
{
    if (SECFrameWnd* pSdi = dynamic_cast<SECFrameWnd*>(pFrame))
        return pSdi->GetMenuBar();
    if (SECMDIFrameWnd* pMdi = dynamic_cast<SECMDIFrameWnd*>(pFrame))
        return pMdi->GetMenuBar();
    return NULL;
}

DWORD SECToolBarManager::GetToolBarStyle() const
{
    return kToolBarStyle | (m_bFlyBy ? CBRS_FLYBY : 0) | (m_bToolTips ? CBRS_TOOLTIPS : 0);
}

DWORD SECToolBarManager::GetToolBarExStyle() const
{
    return m_bCoolLook ? SEC_COOLLOOK_BITS : 0;
}

SECCustomToolBar* SECToolBarManager::NewToolBar(UINT nID, LPCTSTR lpszTitle)
{
    CFrameWnd* pFrame = GetFrame();
    if (pFrame == NULL || m_pToolBarClass == NULL)
        return NULL;
    CObject* pObject = m_pToolBarClass->CreateObject();
    SECCustomToolBar* pBar = dynamic_cast<SECCustomToolBar*>(pObject);
    if (pBar == NULL)
    {
        delete pObject;
        return NULL;
    }
    pBar->SetManager(this);
    if (m_pOwner != NULL)
        pBar->SetOwner(m_pOwner);
    if (!pBar->CreateEx(GetToolBarExStyle(), pFrame, GetToolBarStyle(), nID, lpszTitle))
    {
        delete pBar;
        return NULL;
    }
    pBar->m_bAutoDelete = TRUE;
    return pBar;
}

SECCustomToolBar* SECToolBarManager::CreateUserToolBar(LPCTSTR lpszTitle)
{
    UINT nID = SEC_IDW_FIRST_USER_TOOLBAR;
    while (nID <= SEC_IDW_LAST_USER_TOOLBAR && FindBar(nID) != NULL)
        nID++;
    if (nID > SEC_IDW_LAST_USER_TOOLBAR)
        return NULL;
    CString strTitle = lpszTitle != NULL ? CString(lpszTitle) : CString();
    if (lpszTitle == NULL)
    {
        CString strFormat;
        strFormat.LoadString(IDS_SEC_USER_TOOLBAR);
        strTitle.Format(strFormat, (int)(nID - (SEC_IDW_FIRST_USER_TOOLBAR - 1)));
    }
    SECCustomToolBar* pBar = NewToolBar(nID, strTitle);
    if (pBar == NULL)
        return NULL;
    pBar->SetButtonSize();
    pBar->EnableCustomise(m_bToolBarCustomise);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    return pBar;
}

SECCustomToolBar* SECToolBarManager::FindToolBarAt(const CRect& rect)
{
    std::vector<SECCustomToolBar*> found;
    for (SECCustomToolBar* pBar : GetToolBars())
    {
        if (!pBar->IsWindowVisible())
            continue;
        CRect rcBar, rcMeet;
        CWnd* pWnd =
            pBar->IsFloating() ? static_cast<CWnd*>(pBar->GetParentFrame()) : static_cast<CWnd*>(pBar);
        if (pWnd == NULL)
            continue;
        pWnd->GetWindowRect(&rcBar);
        if (rcMeet.IntersectRect(&rcBar, &rect))
            found.push_back(pBar);
    }
    // Floating bars lie over docked ones: docked candidates go while two remain.
    for (size_t i = found.size(); i-- > 0 && found.size() >= 2;)
        if (!found[i]->IsFloating())
            found.erase(found.begin() + (ptrdiff_t)i);
    if (found.empty())
        return NULL;
    if (found.size() == 1)
        return found[0];
    for (HWND hWnd = ::GetTopWindow(NULL); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        for (SECCustomToolBar* pBar : found)
        {
            CWnd* pWnd =
                pBar->IsFloating() ? static_cast<CWnd*>(pBar->GetParentFrame()) : pBar->GetTopLevelParent();
            if (pWnd != NULL && pWnd->m_hWnd == hWnd)
                return pBar;
        }
    return found[0];
}

// ---- default toolbars and the menu bar

BOOL SECToolBarManager::AddToolBarResource(UINT nSmallID, UINT nLargeID)
{
    // The same resource for both means no large images of its own: the large ones are stretched
    // from it, else large buttons would keep the small size.
    return m_pBmpMgr->AddToolBarResource(nSmallID, nLargeID == nSmallID ? 0 : nLargeID, TRUE);
}

BOOL SECToolBarManager::DefineDefaultToolBar(UINT nBarID, LPCTSTR lpszTitle, UINT nResourceID, int& nBtnCount,
                                             UINT*& pBtnIDs, DWORD dwAlignment, UINT nDockBarID,
                                             UINT nBesideBarID, BOOL bDocked, BOOL bVisible)
{
    nBtnCount = 0;
    pBtnIDs = NULL;
    int cx = 0, cy = 0;
    if (!SECBmpMgr::ReadToolBarResource(nResourceID, pBtnIDs, nBtnCount, cx, cy, TRUE))
        return FALSE;
    std::unique_ptr<DefaultToolBarDef> pDef(new DefaultToolBarDef);
    pDef->nBarID = nBarID;
    pDef->strTitle = lpszTitle != NULL ? lpszTitle : _T("");
    pDef->btnIDs.assign(pBtnIDs, pBtnIDs + nBtnCount);
    pDef->dwAlignment = dwAlignment;
    pDef->nDockBarID = nDockBarID;
    pDef->nBesideBarID = nBesideBarID;
    pDef->bDocked = bDocked;
    pDef->bVisible = bVisible;
    m_defaultBars.push_back(pDef.release());
    return TRUE;
}

void SECToolBarManager::DockBar(SECCustomToolBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CFrameWnd* pFrame = GetFrame();
    SECDockSite* pSite = SECGetDockSite(pFrame);
    CDockBar* pDockBar = SECFrameDocking::GetDockBar(pFrame, nDockBarID);
    if (pSite != NULL && pDockBar != NULL)
        pSite->DockControlBar(pBar, pDockBar, lpRect);
    else
        pFrame->DockControlBar(pBar, nDockBarID, lpRect);
}

void SECToolBarManager::ShowBar(CControlBar* pBar, BOOL bShow)
{
    if (SECMDIFrameWnd* pMdi = dynamic_cast<SECMDIFrameWnd*>(GetFrame()))
        pMdi->ShowControlBar(pBar, bShow, FALSE);
    else
        GetFrame()->ShowControlBar(pBar, bShow, FALSE);
}

BOOL SECToolBarManager::CreateDefaultToolBars()
{
    CFrameWnd* pFrame = GetFrame();
    if (pFrame == NULL || pFrame->m_hWnd == NULL)
        return FALSE;
    BOOL bResult = TRUE;
    SECMenuBar* pMenuBar = GetFrameMenuBar(pFrame);
    if (pMenuBar != NULL && pMenuBar->m_hWnd == NULL)
    {
        CString strTitle;
        strTitle.LoadString(IDS_SEC_MENUBAR_TITLE);
        pMenuBar->SetManager(this);
        if (pMenuBar->CreateEx(GetToolBarExStyle(), pFrame, GetToolBarStyle(), SEC_IDW_MENUBAR, strTitle))
        {
            pMenuBar->SetButtonSize();
            if (!m_menuBarBtns.empty())
            {
                pMenuBar->SetButtons(m_menuBarBtns.data(), (int)m_menuBarBtns.size());
                pMenuBar->ShowMenuButtons(pMenuBar->GetCurrentMenuBit(), FALSE);
            }
            pMenuBar->EnableDocking(CBRS_ALIGN_ANY);
            DockBar(pMenuBar, AFX_IDW_DOCKBAR_TOP, NULL);
        }
        else
            bResult = FALSE;
    }
    std::vector<std::pair<const DefaultToolBarDef*, SECCustomToolBar*>> made;
    for (const DefaultToolBarDef* pDef : m_defaultBars)
    {
        if (FindBar(pDef->nBarID) != NULL)
            continue; // made before, or restored by the dock state: left as it is
        SECCustomToolBar* pBar = NewToolBar(pDef->nBarID, pDef->strTitle);
        if (pBar == NULL)
        {
            bResult = FALSE;
            continue;
        }
        made.emplace_back(pDef, pBar);
        pBar->SetButtonSize();
        pBar->SetButtons(pDef->btnIDs.empty() ? NULL : pDef->btnIDs.data(), (int)pDef->btnIDs.size());
        pBar->EnableDocking(pDef->dwAlignment);
        SECCustomToolBar* pBeside = pDef->nBesideBarID != 0 ? FindBar(pDef->nBesideBarID) : NULL;
        if (pBeside != NULL)
        {
            pFrame->RecalcLayout();
            CRect rect;
            pBeside->GetWindowRect(&rect);
            // Moved by the whole length of that bar: the dock bars put a bar whose leading edge lies
            // before another's middle in front of it, so a shift by one pixel would dock it before.
            const BOOL bHorz =
                pDef->nDockBarID == AFX_IDW_DOCKBAR_TOP || pDef->nDockBarID == AFX_IDW_DOCKBAR_BOTTOM;
            rect.OffsetRect(bHorz ? rect.Width() : 0, bHorz ? 0 : rect.Height());
            DockBar(pBar, pDef->nDockBarID, &rect);
        }
        else
            DockBar(pBar, pDef->nDockBarID, NULL);
    }
    pFrame->RecalcLayout();
    for (const auto& entry : made)
    {
        const DefaultToolBarDef* pDef = entry.first;
        SECCustomToolBar* pBar = entry.second;
        if (!pDef->bVisible)
            ShowBar(pBar, FALSE);
        if (!pDef->bDocked && !pBar->IsFloating() && pBar->m_pDockContext != NULL)
            pBar->m_pDockContext->ToggleDocking();
    }
    return bResult;
}

BOOL SECToolBarManager::LoadMenuBarMenus(CFrameWnd* pFrame, int nCount, ...)
{
    std::vector<UINT> menuIDs;
    va_list args;
    va_start(args, nCount);
    for (int i = 0; i < nCount; i++)
        menuIDs.push_back(va_arg(args, UINT));
    va_end(args);
    return LoadMenuBarMenus(pFrame, menuIDs.empty() ? NULL : menuIDs.data(), nCount);
}

BOOL SECToolBarManager::LoadMenuBarMenus(CFrameWnd* pFrame, const UINT* pMenuIDs, int nCount)
{
    SECMenuBar* pMenuBar = GetFrameMenuBar(pFrame);
    if (pMenuBar == NULL)
        return FALSE;
    // The old buttons hold texts of the old table.
    pMenuBar->RemoveAllButtons();
    std::vector<UINT> ids;
    const BOOL bLoaded = pMenuBar->BuildMenuTable(pMenuIDs, nCount, ids);
    SetMenuBarButtons(ids.empty() ? NULL : ids.data(), (int)ids.size());
    pMenuBar->SetButtons(ids.empty() ? NULL : ids.data(), (int)ids.size());
    pMenuBar->ShowMenuButtons(pMenuBar->GetCurrentMenuBit(), FALSE);
    return bLoaded;
}

void SECToolBarManager::SetMenuBarButtons(const UINT* pIDs, int nCount)
{
    if (pIDs == NULL || nCount <= 0)
        m_menuBarBtns.clear();
    else
        m_menuBarBtns.assign(pIDs, pIDs + nCount);
}

// ---- options

void SECToolBarManager::SetToolTips(BOOL bToolTips)
{
    if (!m_bToolTips == !bToolTips)
        return;
    m_bToolTips = bToolTips ? TRUE : FALSE;
    for (SECCustomToolBar* pBar : GetToolBars())
        pBar->SetBarStyle(m_bToolTips ? pBar->GetBarStyle() | CBRS_TOOLTIPS
                                      : pBar->GetBarStyle() & ~CBRS_TOOLTIPS);
}

void SECToolBarManager::EnableCoolLook(BOOL bCoolLook, DWORD dwBits)
{
    if (!m_bCoolLook == !bCoolLook)
        return;
    m_bCoolLook = bCoolLook ? TRUE : FALSE;
    for (SECCustomToolBar* pBar : GetToolBars())
    {
        pBar->ModifyExBarStyle(m_bCoolLook ? 0 : dwBits, m_bCoolLook ? dwBits : 0, FALSE);
        if ((dwBits & BAR_EX_FLAT) && pBar->m_hWnd != NULL)
            pBar->Invalidate();
    }
    if (GetFrame() != NULL)
        GetFrame()->DelayRecalcLayout();
}

void SECToolBarManager::SetLargeButtons(BOOL bLargeButtons)
{
    if (!m_bLargeButtons == !bLargeButtons)
        return;
    m_bLargeButtons = bLargeButtons ? TRUE : FALSE;
    ApplyLargeButtons();
}

void SECToolBarManager::ApplyLargeButtons()
{
    m_pBmpMgr->SetSmallImages(!m_bLargeButtons);
    for (SECCustomToolBar* pBar : GetToolBars())
    {
        pBar->SetButtonSize();
        if (pBar->IsFloating() && pBar->GetParentFrame() != NULL)
            pBar->GetParentFrame()->RecalcLayout();
        if (pBar->m_hWnd != NULL)
            pBar->Invalidate();
    }
    if (GetFrame() != NULL)
        GetFrame()->DelayRecalcLayout();
}

void SECToolBarManager::RepaintToolBars()
{
    std::vector<SECCustomToolBar*> bars = GetToolBars();
    if (bars.empty())
    {
        CreateDefaultToolBars();
        return;
    }
    for (SECCustomToolBar* pBar : bars)
    {
        pBar->SetManager(this);
        if (pBar->m_hWnd != NULL)
            pBar->Invalidate();
    }
}

void SECToolBarManager::SetToolBarCustomise(BOOL bCustomise)
{
    if (!m_bToolBarCustomise == !bCustomise)
        return;
    m_bToolBarCustomise = bCustomise ? TRUE : FALSE;
    for (SECCustomToolBar* pBar : GetToolBars())
        pBar->EnableCustomise(m_bToolBarCustomise);
}

// ---- customisation

void SECToolBarManager::EnterCustomise()
{
    CFrameWnd* pFrame = GetFrame();
    if (m_bConfig || pFrame == NULL || pFrame->m_hWnd == NULL)
        return;
    m_bConfig = TRUE;
    // A modal sheet has disabled the frame: the toolbars in it must take the drags.
    pFrame->EnableWindow(TRUE);
    for (HWND hWnd = ::GetWindow(pFrame->m_hWnd, GW_CHILD); hWnd != NULL;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CDockBar)))
            continue;
        if (!::IsWindowEnabled(hWnd))
            continue;
        ::EnableWindow(hWnd, FALSE);
        m_arrDisabled.push_back(hWnd);
    }
}

void SECToolBarManager::ExitCustomise()
{
    if (!m_bConfig)
        return;
    m_bConfig = FALSE;
    CFrameWnd* pFrame = GetFrame();
    if (pFrame != NULL && pFrame->m_hWnd != NULL)
        pFrame->EnableWindow(FALSE);
    for (HWND hWnd : m_arrDisabled)
        if (::IsWindow(hWnd))
            ::EnableWindow(hWnd, TRUE);
    m_arrDisabled.clear();
}

// ---- notifications and the command source

void SECToolBarManager::NotifyBarChange(UINT nBarID, int nCode)
{
    for (INT_PTR i = 0; i < m_arrNotifyWnds.GetSize(); i++)
    {
        CWnd* pWnd = (CWnd*)m_arrNotifyWnds[i];
        if (pWnd != NULL && ::IsWindow(pWnd->GetSafeHwnd()))
            pWnd->SendMessage(GetBarNotifyMessage(), nBarID, nCode);
    }
}

void SECToolBarManager::RegisterNotifyWindow(CWnd* pWnd)
{
    for (INT_PTR i = 0; i < m_arrNotifyWnds.GetSize(); i++)
        if (m_arrNotifyWnds[i] == pWnd)
            return;
    m_arrNotifyWnds.Add(pWnd);
}

void SECToolBarManager::UnregisterNotifyWindow(CWnd* pWnd)
{
    for (INT_PTR i = m_arrNotifyWnds.GetSize() - 1; i >= 0; i--)
        if (m_arrNotifyWnds[i] == pWnd)
            m_arrNotifyWnds.RemoveAt(i);
}

void SECToolBarManager::SetCommandSource(BOOL bInCommand, const CRect& rect)
{
    m_pCmdSource->m_bInCommand = bInCommand;
    m_pCmdSource->m_rect = rect;
}

BOOL SECToolBarManager::GetCommandSource(CRect& rect) const
{
    rect = m_pCmdSource->m_rect;
    return m_pCmdSource->m_bInCommand;
}

// ---- the dock state's calls

DWORD SECToolBarManager::GetBarTypeID(SECControlBar* pBar)
{
    if (pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(SECMenuBar)))
        return SEC_BARTYPE_MENUBAR;
    if (pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)))
        return SEC_BARTYPE_CUSTOMTOOLBAR;
    return SECControlBarManager::GetBarTypeID(pBar);
}

SECControlBarInfoEx* SECToolBarManager::CreateBarInfo(SECControlBarInfo* pInfo)
{
    if (pInfo != NULL &&
        (pInfo->m_dwTypeID == SEC_BARTYPE_CUSTOMTOOLBAR || pInfo->m_dwTypeID == SEC_BARTYPE_MENUBAR))
        return new SECCustomToolBarInfoEx;
    return SECControlBarManager::CreateBarInfo(pInfo);
}

SECControlBar* SECToolBarManager::CreateBar(SECControlBarInfo* pInfo)
{
    CFrameWnd* pFrame = GetFrame();
    if (pInfo == NULL || pFrame == NULL || pFrame->m_hWnd == NULL)
        return NULL;
    if (pInfo->m_dwTypeID == SEC_BARTYPE_CUSTOMTOOLBAR)
        return NewToolBar(pInfo->m_nBarID, NULL);
    if (pInfo->m_dwTypeID == SEC_BARTYPE_MENUBAR)
    {
        SECMenuBar* pMenuBar = GetFrameMenuBar(pFrame);
        if (pMenuBar == NULL)
            return NULL;
        if (pMenuBar->m_hWnd != NULL)
            return pMenuBar;
        pMenuBar->SetManager(this);
        if (!pMenuBar->CreateEx(GetToolBarExStyle(), pFrame, GetToolBarStyle(), pInfo->m_nBarID, NULL))
            return NULL;
        return pMenuBar;
    }
    return SECControlBarManager::CreateBar(pInfo);
}
