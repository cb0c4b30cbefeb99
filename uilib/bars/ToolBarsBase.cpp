// SECToolBarsBase: the toolbar list, names, new/reset/delete and the options of the toolbars
// page.
#include "uilib/bars/ToolBarsBase.h"
#include "BarsIds.h"
#include "Edit.h"
#include "mfc/FrameWnd.h"
#include "uilib/bars/MenuBar.h"
#include "uilib/bars/NewToolBar.h"
#include "uilib/bars/ToolBarManager.h"
#include "uilib/bars/ToolBarSheet.h"
#include "uilib/frames/docking/DockSite.h"
#include <algorithm>

namespace
{
// A new toolbar floats this far right of and below the top dock bar's bottom-left corner.
const int kNewBarOffset = 5;

BOOL IsUserBarID(UINT nID)
{
    return nID >= SEC_IDW_FIRST_USER_TOOLBAR && nID != SEC_IDW_MENUBAR;
}
} // namespace

SECToolBarsBase::SECToolBarsBase()
    : m_pDlg(NULL), m_pManager(NULL), m_bToolTips(TRUE), m_bCoolLook(FALSE), m_bLargeButtons(FALSE),
      m_bOrigToolTips(TRUE), m_bOrigCoolLook(FALSE), m_bOrigLargeButtons(FALSE)
{
}

SECToolBarsBase::~SECToolBarsBase()
{
}

void SECToolBarsBase::SetManager(SECToolBarManager* pManager)
{
    m_pManager = pManager;
    if (pManager == NULL)
        return;
    m_bToolTips = m_bOrigToolTips = pManager->ToolTipsEnabled();
    m_bCoolLook = m_bOrigCoolLook = pManager->CoolLookEnabled();
    m_bLargeButtons = m_bOrigLargeButtons = pManager->LargeButtonsEnabled();
}

void SECToolBarsBase::InitControls(CWnd* pDlg)
{
    m_pDlg = pDlg;
    m_list.SubclassDlgItem(IDC_SEC_TB_LIST, pDlg);
    ((CEdit*)pDlg->GetDlgItem(IDC_SEC_TB_NAME))->LimitText(SEC_TOOLBAR_NAME_MAX);
    pDlg->CheckDlgButton(IDC_SEC_TB_TOOLTIPS, m_bToolTips ? BST_CHECKED : BST_UNCHECKED);
    pDlg->CheckDlgButton(IDC_SEC_TB_COOLLOOK, m_bCoolLook ? BST_CHECKED : BST_UNCHECKED);
    pDlg->CheckDlgButton(IDC_SEC_TB_LARGE, m_bLargeButtons ? BST_CHECKED : BST_UNCHECKED);
    FillList();
    if (m_list.GetCount() > 0)
        m_list.SetCurSel(0);
    UpdateSelection();
}

void SECToolBarsBase::FillList()
{
    m_list.ResetContent();
    CFrameWnd* pFrame = m_pManager != NULL ? m_pManager->GetFrame() : NULL;
    if (pFrame == NULL)
        return;
    POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
    while (pos != NULL)
    {
        CControlBar* pBar = (CControlBar*)pFrame->m_listControlBars.GetNext(pos);
        if (pBar->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)))
            InsertBar(static_cast<SECCustomToolBar*>(pBar), pBar->IsVisible());
    }
}

int SECToolBarsBase::InsertBar(SECCustomToolBar* pBar, BOOL bChecked)
{
    CString strTitle;
    pBar->GetWindowText(strTitle);
    const int nIndex = m_list.AddString(strTitle);
    if (nIndex < 0)
        return nIndex;
    m_list.SetItemData(nIndex, (DWORD_PTR)pBar->GetDlgCtrlID());
    m_list.SetCheck(nIndex, bChecked ? 1 : 0);
    return nIndex;
}

int SECToolBarsBase::FindItem(UINT nBarID) const
{
    for (int i = 0; i < m_list.GetCount(); i++)
        if ((UINT)m_list.GetItemData(i) == nBarID)
            return i;
    return -1;
}

SECCustomToolBar* SECToolBarsBase::SelectedBar() const
{
    const int nIndex = m_list.m_hWnd != NULL ? m_list.GetCurSel() : -1;
    if (nIndex < 0 || m_pManager == NULL)
        return NULL;
    return m_pManager->FindBar((UINT)m_list.GetItemData(nIndex));
}

void SECToolBarsBase::UpdateSelection()
{
    if (m_pDlg == NULL)
        return;
    SECCustomToolBar* pBar = SelectedBar();
    CString strTitle;
    if (pBar != NULL)
        pBar->GetWindowText(strTitle);
    CEdit* pEdit = (CEdit*)m_pDlg->GetDlgItem(IDC_SEC_TB_NAME);
    pEdit->SetWindowText(strTitle);
    const BOOL bUser = pBar != NULL && IsUserBarID((UINT)pBar->GetDlgCtrlID());
    pEdit->EnableWindow(bUser);
    m_pDlg->GetDlgItem(IDC_SEC_TB_NAME_LABEL)->EnableWindow(bUser);
    CString strButton;
    strButton.LoadString(bUser ? IDS_SEC_DELETE_TOOLBAR : IDS_SEC_RESET_TOOLBAR);
    m_pDlg->SetDlgItemText(IDC_SEC_TB_RESET, strButton);
    m_pDlg->GetDlgItem(IDC_SEC_TB_RESET)->EnableWindow(pBar != NULL);
    pEdit->SetModify(FALSE);
}

void SECToolBarsBase::ShowCheckedBars()
{
    if (m_pManager == NULL || m_pManager->GetFrame() == NULL)
        return;
    CFrameWnd* pFrame = m_pManager->GetFrame();
    for (int i = 0; i < m_list.GetCount(); i++)
    {
        SECCustomToolBar* pBar = m_pManager->FindBar((UINT)m_list.GetItemData(i));
        const BOOL bShow = m_list.GetCheck(i) != 0;
        if (pBar != NULL && !pBar->IsVisible() != !bShow)
            pFrame->ShowControlBar(pBar, bShow, FALSE);
    }
    pFrame->RecalcLayout();
}

void SECToolBarsBase::RenameSelected()
{
    CEdit* pEdit = m_pDlg != NULL ? (CEdit*)m_pDlg->GetDlgItem(IDC_SEC_TB_NAME) : NULL;
    SECCustomToolBar* pBar = SelectedBar();
    if (pEdit == NULL || !pEdit->GetModify() || pBar == NULL || !IsUserBarID((UINT)pBar->GetDlgCtrlID()))
        return;
    pEdit->SetModify(FALSE);
    CString strName;
    pEdit->GetWindowText(strName);
    strName = strName.Left(SEC_TOOLBAR_NAME_MAX);
    pBar->SetWindowText(strName);
    if (pBar->IsFloating())
    {
        CFrameWnd* pMiniFrame = pBar->GetParentFrame();
        if (pMiniFrame != NULL && pMiniFrame != m_pManager->GetFrame())
            pMiniFrame->SetWindowText(strName);
    }
    // The item goes and comes back at its sorted place, with its check and data.
    const int nOld = m_list.GetCurSel();
    const int nCheck = m_list.GetCheck(nOld);
    const DWORD_PTR dwData = m_list.GetItemData(nOld);
    m_list.DeleteString((UINT)nOld);
    const int nNew = m_list.AddString(strName);
    m_list.SetItemData(nNew, dwData);
    m_list.SetCheck(nNew, nCheck);
    m_list.SetCurSel(nNew);
}

void SECToolBarsBase::ResetOrDeleteSelected()
{
    SECCustomToolBar* pBar = SelectedBar();
    if (pBar == NULL || m_pManager == NULL)
        return;
    CFrameWnd* pFrame = m_pManager->GetFrame();
    const UINT nID = (UINT)pBar->GetDlgCtrlID();
    if (pBar->IsKindOf(RUNTIME_CLASS(SECMenuBar)))
    {
        static_cast<SECMenuBar*>(pBar)->RebuildFromMenu(FALSE);
        return;
    }
    if (IsUserBarID(nID))
    {
        // The floating frame has nothing left to hold once the bar is gone.
        CFrameWnd* pMiniFrame = pBar->IsFloating() ? pBar->GetParentFrame() : NULL;
        const HWND hWndMini = pMiniFrame != NULL && pMiniFrame != pFrame ? pMiniFrame->m_hWnd : NULL;
        pBar->DestroyWindow();
        if (hWndMini != NULL && ::IsWindow(hWndMini))
            ::DestroyWindow(hWndMini);
        if (pFrame != NULL)
            pFrame->RecalcLayout();
        return;
    }
    for (int i = 0; i < m_pManager->GetDefaultToolBarCount(); i++)
    {
        const SECToolBarManager::DefaultToolBarDef& def = m_pManager->GetDefaultToolBar(i);
        if (def.nBarID != nID)
            continue;
        pBar->SetButtons(def.btnIDs.empty() ? NULL : def.btnIDs.data(), (int)def.btnIDs.size());
        pBar->SizeToParent();
        if (pFrame != NULL)
            pFrame->RecalcLayout();
        break;
    }
}

void SECToolBarsBase::NewToolBar()
{
    if (m_pManager == NULL || m_pDlg == NULL)
        return;
    // The name dialog is modal: customisation stops while it is open.
    SECToolBarSheet::LeaveCustomise(m_pManager, m_pDlg, FALSE);
    SECNewToolBar dlg(m_pDlg);
    const INT_PTR nResult = dlg.DoModal();
    SECToolBarSheet::EnterCustomise(m_pManager, m_pDlg);
    if (nResult != IDOK)
        return;
    // Without a free user id nothing is made.
    SECCustomToolBar* pBar = m_pManager->CreateUserToolBar(dlg.m_strName.Left(SEC_TOOLBAR_NAME_MAX));
    if (pBar == NULL)
        return;
    CFrameWnd* pFrame = m_pManager->GetFrame();
    CRect rect;
    CWnd* pTopDock = pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP);
    if (pTopDock != NULL)
        pTopDock->GetWindowRect(&rect);
    else
    {
        pFrame->GetClientRect(&rect);
        pFrame->ClientToScreen(&rect);
        rect.bottom = rect.top;
    }
    const CPoint point(rect.left + kNewBarOffset, rect.bottom + kNewBarOffset);
    SECDockSite* pSite = SECGetDockSite(pFrame);
    if (pSite != NULL)
        pSite->FloatControlBar(pBar, point, CBRS_ALIGN_TOP);
    else
        pFrame->FloatControlBar(pBar, point, CBRS_ALIGN_TOP);
}

void SECToolBarsBase::OptionClicked(UINT nID)
{
    if (m_pDlg == NULL || m_pManager == NULL)
        return;
    const BOOL bOn = m_pDlg->IsDlgButtonChecked(nID) == BST_CHECKED;
    switch (nID)
    {
    case IDC_SEC_TB_TOOLTIPS:
        m_bToolTips = bOn;
        m_pManager->SetToolTips(bOn);
        break;
    case IDC_SEC_TB_COOLLOOK:
        m_bCoolLook = bOn;
        m_pManager->EnableCoolLook(bOn, SEC_COOLLOOK_BITS);
        NotifyStyleChange(2);
        break;
    case IDC_SEC_TB_LARGE:
        m_bLargeButtons = bOn;
        m_pManager->SetLargeButtons(bOn);
        NotifyStyleChange(1);
        break;
    default:
        break;
    }
}

void SECToolBarsBase::NotifyStyleChange(WPARAM nWhat)
{
    HWND hSheet = m_pDlg != NULL ? ::GetParent(m_pDlg->m_hWnd) : NULL;
    if (hSheet == NULL)
        return;
    const UINT nMsg = SECToolBarSheet::StyleChangingMessage();
    for (HWND hPage = ::GetWindow(hSheet, GW_CHILD); hPage != NULL; hPage = ::GetWindow(hPage, GW_HWNDNEXT))
        if (hPage != m_pDlg->m_hWnd)
            ::SendMessage(hPage, nMsg, nWhat, 0);
}

void SECToolBarsBase::ApplyOptions()
{
    if (m_pManager == NULL)
        return;
    m_pManager->SetToolTips(m_bToolTips);
    m_pManager->EnableCoolLook(m_bCoolLook, SEC_COOLLOOK_BITS);
    m_pManager->SetLargeButtons(m_bLargeButtons);
}

void SECToolBarsBase::RestoreOptions()
{
    if (m_pManager == NULL)
        return;
    const BOOL bCoolChanged = !m_pManager->CoolLookEnabled() != !m_bOrigCoolLook;
    const BOOL bLargeChanged = !m_pManager->LargeButtonsEnabled() != !m_bOrigLargeButtons;
    m_bToolTips = m_bOrigToolTips;
    m_bCoolLook = m_bOrigCoolLook;
    m_bLargeButtons = m_bOrigLargeButtons;
    ApplyOptions();
    if (bCoolChanged)
        NotifyStyleChange(2);
    if (bLargeChanged)
        NotifyStyleChange(1);
}

void SECToolBarsBase::BarNotify(UINT nBarID, int nCode)
{
    if (m_list.m_hWnd == NULL || m_pManager == NULL)
        return;
    if (nCode == SECBarCreated)
    {
        // Only the frame's toolbars are listed, not the commands page's palettes.
        SECCustomToolBar* pBar = m_pManager->FindBar(nBarID);
        if (pBar != NULL && FindItem(nBarID) < 0)
            InsertBar(pBar, TRUE);
    }
    else if (nCode == SECBarDestroying)
    {
        const int nIndex = FindItem(nBarID);
        if (nIndex < 0)
            return;
        m_list.DeleteString((UINT)nIndex);
        if (m_list.GetCount() > 0)
            m_list.SetCurSel(std::min(nIndex, m_list.GetCount() - 1));
        UpdateSelection();
    }
}
