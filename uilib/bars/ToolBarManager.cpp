// SECToolBarManager: user toolbars, finding toolbars, notifications and the command source.
#include "uilib/bars/ToolBarManager.h"
#include "uilib/bars/BmpMgr.h"
#include "uilib/bars/BtnDrawData.h"
#include "mfc/FrameWnd.h"
#include "BarsIds.h"
#include "uilib/bars/CustomToolBarInfoEx.h"
#include "uilib/frames/docking/ControlBarInfo.h"
#include <vector>

IMPLEMENT_DYNAMIC(SECToolBarManager, SECControlBarManager)

namespace
{
const UINT WM_BARNOTIFY = ::RegisterWindowMessage(_T("WM_BARNOTIFY"));
const DWORD kToolBarStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM | CBRS_SIZE_DYNAMIC;
} // namespace

SECToolBarManager::SECToolBarManager(CFrameWnd* pFrame, CWnd* pOwner)
    : SECControlBarManager(pFrame), m_pCustDlg(NULL), m_bConfig(FALSE), m_bToolBarCustomise(FALSE),
      m_bToolTips(TRUE), m_bFlyBy(TRUE), m_bCoolLook(FALSE), m_bLargeButtons(FALSE), m_pBtnMap(NULL),
      m_pBmpMgr(new SECBmpMgr), m_pDrawData(new SECBtnDrawData), m_pOwner(pOwner),
      m_pToolBarClass(RUNTIME_CLASS(SECCustomToolBar)), m_pSelectedBar(NULL), m_bInCommand(FALSE),
      m_rectCmdSource(0, 0, 0, 0)
{
}

SECToolBarManager::~SECToolBarManager()
{
    m_pBmpMgr->Release();
    delete m_pDrawData;
}

SECCustomToolBar* SECToolBarManager::FindBar(UINT nID)
{
    CFrameWnd* pFrame = GetFrame();
    if (pFrame == NULL)
        return NULL;
    CControlBar* pBar = pFrame->GetControlBar(nID);
    return pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(SECCustomToolBar))
               ? static_cast<SECCustomToolBar*>(pBar)
               : NULL;
}

SECCustomToolBar* SECToolBarManager::CreateUserToolBar(LPCTSTR lpszTitle)
{
    CFrameWnd* pFrame = GetFrame();
    if (pFrame == NULL)
        return NULL;
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
    SECCustomToolBar* pBar = static_cast<SECCustomToolBar*>(m_pToolBarClass->CreateObject());
    if (pBar == NULL)
        return NULL;
    pBar->SetManager(this);
    if (m_pOwner != NULL)
        pBar->SetOwner(m_pOwner);
    DWORD dwStyle = kToolBarStyle | (m_bFlyBy ? CBRS_FLYBY : 0) | (m_bToolTips ? CBRS_TOOLTIPS : 0);
    if (!pBar->CreateEx(m_bCoolLook ? BAR_EX_FLAT | BAR_EX_GRIPPER : 0, pFrame, dwStyle, nID, strTitle))
    {
        delete pBar;
        return NULL;
    }
    pBar->SetButtonSize();
    pBar->EnableCustomise(m_bToolBarCustomise);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    pBar->m_bAutoDelete = TRUE;
    return pBar;
}

SECCustomToolBar* SECToolBarManager::FindToolBarAt(const CRect& rect)
{
    CFrameWnd* pFrame = GetFrame();
    if (pFrame == NULL)
        return NULL;
    std::vector<SECCustomToolBar*> found;
    POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
    while (pos != NULL)
    {
        CControlBar* pBar = (CControlBar*)pFrame->m_listControlBars.GetNext(pos);
        if (!pBar->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)) || !pBar->IsWindowVisible())
            continue;
        CRect rcBar, rcMeet;
        CWnd* pWnd =
            pBar->IsFloating() ? static_cast<CWnd*>(pBar->GetParentFrame()) : static_cast<CWnd*>(pBar);
        if (pWnd == NULL)
            continue;
        pWnd->GetWindowRect(&rcBar);
        if (rcMeet.IntersectRect(&rcBar, &rect))
            found.push_back(static_cast<SECCustomToolBar*>(pBar));
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

void SECToolBarManager::NotifyBarChange(UINT nBarID, int nCode)
{
    for (INT_PTR i = 0; i < m_arrNotifyWnds.GetSize(); i++)
    {
        CWnd* pWnd = (CWnd*)m_arrNotifyWnds[i];
        if (pWnd != NULL && ::IsWindow(pWnd->GetSafeHwnd()))
            pWnd->SendMessage(WM_BARNOTIFY, nBarID, nCode);
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

void SECToolBarManager::SetToolBarCustomise(BOOL bCustomise)
{
    if (!m_bToolBarCustomise == !bCustomise)
        return;
    m_bToolBarCustomise = bCustomise;
    CFrameWnd* pFrame = GetFrame();
    if (pFrame == NULL)
        return;
    POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
    while (pos != NULL)
    {
        CControlBar* pBar = (CControlBar*)pFrame->m_listControlBars.GetNext(pos);
        if (pBar->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)))
            static_cast<SECCustomToolBar*>(pBar)->EnableCustomise(bCustomise);
    }
}

void SECToolBarManager::SetCommandSource(BOOL bInCommand, const CRect& rect)
{
    m_bInCommand = bInCommand;
    m_rectCmdSource = rect;
}

BOOL SECToolBarManager::GetCommandSource(CRect& rect) const
{
    rect = m_rectCmdSource;
    return m_bInCommand;
}

DWORD SECToolBarManager::GetBarTypeID(SECControlBar* pBar)
{
    if (pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)))
        return SEC_BARTYPE_CUSTOMTOOLBAR;
    return SECControlBarManager::GetBarTypeID(pBar);
}

SECControlBarInfoEx* SECToolBarManager::CreateBarInfo(SECControlBarInfo* pInfo)
{
    if (pInfo != NULL && pInfo->m_dwTypeID == SEC_BARTYPE_CUSTOMTOOLBAR)
        return new SECCustomToolBarInfoEx;
    return SECControlBarManager::CreateBarInfo(pInfo);
}
