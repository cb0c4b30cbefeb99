// SECToolBarsPage: the toolbars page's messages, handed to SECToolBarsBase; customisation
// mode while the page is active.
#include "uilib/bars/ToolBarsPage.h"
#include "BarsIds.h"
#include "uilib/bars/ToolBarManager.h"
#include "uilib/bars/ToolBarSheet.h"

IMPLEMENT_DYNAMIC(SECToolBarsPage, CPropertyPage)

namespace
{
const UINT WM_BARNOTIFY = SECToolBarManager::GetBarNotifyMessage();
} // namespace

BEGIN_MESSAGE_MAP(SECToolBarsPage, CPropertyPage)
ON_WM_DESTROY()
ON_LBN_SELCHANGE(IDC_SEC_TB_LIST, OnSelChangeList)
ON_CONTROL(CLBN_CHKCHANGE, IDC_SEC_TB_LIST, OnCheckChangeList)
ON_EN_KILLFOCUS(IDC_SEC_TB_NAME, OnKillFocusName)
ON_BN_CLICKED(IDC_SEC_TB_RESET, OnResetOrDelete)
ON_BN_CLICKED(IDC_SEC_TB_NEW, OnNewToolBar)
ON_BN_CLICKED(IDC_SEC_TB_TOOLTIPS, OnToolTips)
ON_BN_CLICKED(IDC_SEC_TB_COOLLOOK, OnCoolLook)
ON_BN_CLICKED(IDC_SEC_TB_LARGE, OnLargeButtons)
ON_REGISTERED_MESSAGE(WM_BARNOTIFY, OnBarNotify)
END_MESSAGE_MAP()

SECToolBarsPage::SECToolBarsPage(UINT nIDTemplate, UINT nIDCaption)
    : CPropertyPage(nIDTemplate != 0 ? nIDTemplate : IDD_SEC_TOOLBARS, nIDCaption)
{
}

SECToolBarsPage::~SECToolBarsPage()
{
    if (m_pManager != NULL)
        m_pManager->UnregisterNotifyWindow(this);
}

void SECToolBarsPage::SetManager(SECToolBarManager* pManager)
{
    if (m_pManager != NULL && m_pManager != pManager)
        m_pManager->UnregisterNotifyWindow(this);
    SECToolBarsBase::SetManager(pManager);
    if (pManager != NULL)
        pManager->RegisterNotifyWindow(this);
}

BOOL SECToolBarsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    InitControls(this);
    return TRUE;
}

BOOL SECToolBarsPage::OnSetActive()
{
    if (!CPropertyPage::OnSetActive())
        return FALSE;
    SECToolBarSheet::EnterCustomise(m_pManager, this);
    return TRUE;
}

BOOL SECToolBarsPage::OnKillActive()
{
    if (!CPropertyPage::OnKillActive())
        return FALSE;
    SECToolBarSheet::LeaveCustomise(m_pManager, this, FALSE);
    return TRUE;
}

void SECToolBarsPage::OnOK()
{
    ApplyOptions();
    CPropertyPage::OnOK();
}

void SECToolBarsPage::OnCancel()
{
    RestoreOptions();
    SECToolBarSheet::LeaveCustomise(m_pManager, this, TRUE);
    CPropertyPage::OnCancel();
}

void SECToolBarsPage::OnDestroy()
{
    SECToolBarSheet::PageDestroyed(m_pManager, this);
    CPropertyPage::OnDestroy();
}

void SECToolBarsPage::OnSelChangeList()
{
    UpdateSelection();
}

void SECToolBarsPage::OnCheckChangeList()
{
    ShowCheckedBars();
}

void SECToolBarsPage::OnKillFocusName()
{
    RenameSelected();
}

void SECToolBarsPage::OnResetOrDelete()
{
    ResetOrDeleteSelected();
}

void SECToolBarsPage::OnNewToolBar()
{
    NewToolBar();
}

void SECToolBarsPage::OnToolTips()
{
    OptionClicked(IDC_SEC_TB_TOOLTIPS);
}

void SECToolBarsPage::OnCoolLook()
{
    OptionClicked(IDC_SEC_TB_COOLLOOK);
}

void SECToolBarsPage::OnLargeButtons()
{
    OptionClicked(IDC_SEC_TB_LARGE);
}

LRESULT SECToolBarsPage::OnBarNotify(WPARAM wParam, LPARAM lParam)
{
    BarNotify((UINT)wParam, (int)lParam);
    return 0;
}
