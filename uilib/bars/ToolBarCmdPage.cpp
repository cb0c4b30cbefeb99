// SECToolBarCmdPage: categories, their palettes over the page's button frame, and the
// description of the selected button.
#include "uilib/bars/ToolBarCmdPage.h"
#include "BarsIds.h"
#include "ClientDC.h"
#include "uilib/bars/BtnGroup.h"
#include "uilib/bars/MenuBtnGroup.h"
#include "uilib/bars/ToolBarManager.h"
#include "uilib/bars/ToolBarSheet.h"
#include <vector>

IMPLEMENT_DYNAMIC(SECToolBarCmdPage, CPropertyPage)

namespace
{
const UINT WM_BARNOTIFY = SECToolBarManager::GetBarNotifyMessage();
const UINT WM_TOOLBARSTYLECHANGING = SECToolBarSheet::StyleChangingMessage();

// Group windows take control ids downwards from here, passing over the dock bars' ids.
const UINT kFirstGroupID = 59646;
const UINT kDockBarFirst = 59419;
const UINT kDockBarLast = 59423;
// The palette area inside the button frame, in dialog units: half of this on the left and the
// right, all of it at the top and the bottom.
const int kAreaMarginX = 6;
const int kAreaMarginY = 8;
} // namespace

BEGIN_MESSAGE_MAP(SECToolBarCmdPage, CPropertyPage)
ON_WM_DESTROY()
ON_LBN_SELCHANGE(IDC_SEC_TB_LIST, OnSelChangeCategory)
ON_REGISTERED_MESSAGE(WM_BARNOTIFY, OnBarNotify)
ON_REGISTERED_MESSAGE(WM_TOOLBARSTYLECHANGING, OnStyleChanging)
END_MESSAGE_MAP()

SECToolBarCmdPage::SECToolBarCmdPage(UINT nIDTemplate, UINT nIDCaption)
    : CPropertyPage(nIDTemplate != 0 ? nIDTemplate : IDD_SEC_TOOLBAR_COMMANDS, nIDCaption), m_pManager(NULL),
      m_nVisible(-1)
{
}

SECToolBarCmdPage::~SECToolBarCmdPage()
{
    if (m_pManager != NULL)
        m_pManager->UnregisterNotifyWindow(this);
    for (INT_PTR i = 0; i < m_groups.GetSize(); i++)
        delete (SECBtnGroup*)m_groups[i];
    m_groups.RemoveAll();
}

void SECToolBarCmdPage::SetManager(SECToolBarManager* pManager)
{
    if (m_pManager != NULL && m_pManager != pManager)
        m_pManager->UnregisterNotifyWindow(this);
    m_pManager = pManager;
    if (pManager != NULL)
        pManager->RegisterNotifyWindow(this);
}

void SECToolBarCmdPage::AddButtonGroup(LPCTSTR lpszTitle, const UINT* pIDs, int nCount)
{
    m_groups.Add(new SECTBBtnGroup(lpszTitle, pIDs, nCount));
}

BOOL SECToolBarCmdPage::AddMenuButtonGroup(LPCTSTR lpszTitle)
{
    std::vector<UINT> ids;
    SECMenuBtnGroup::CollectMenuButtons(m_pManager, ids);
    if (ids.empty())
        return FALSE;
    m_groups.Add(new SECMenuBtnGroup(lpszTitle, ids.data(), (int)ids.size()));
    return TRUE;
}

CSize SECToolBarCmdPage::DialogUnitsToPixels(int cx, int cy)
{
    CFont* pFont = GetFont();
    if (pFont == NULL)
    {
        const LONG nUnits = ::GetDialogBaseUnits();
        return CSize(cx * LOWORD(nUnits) / 4, cy * HIWORD(nUnits) / 8);
    }
    CClientDC dc(this);
    CFont* pOld = dc.SelectObject(pFont);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    const CSize szAlphabet = dc.GetTextExtent(_T("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"), 52);
    dc.SelectObject(pOld);
    const int cxAverage = (szAlphabet.cx + 26) / 52;
    return CSize(cx * cxAverage / 4, cy * (tm.tmHeight + tm.tmExternalLeading) / 8);
}

BOOL SECToolBarCmdPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CRect rectArea(0, 0, 0, 0);
    CWnd* pFrameCtl = GetDlgItem(IDC_SEC_TB_BUTTONS_FRAME);
    if (pFrameCtl != NULL)
    {
        pFrameCtl->GetWindowRect(&rectArea);
        ScreenToClient(&rectArea);
    }
    const CSize szMargin = DialogUnitsToPixels(kAreaMarginX, kAreaMarginY);
    rectArea.DeflateRect(szMargin.cx / 2, szMargin.cy);
    CListBox* pList = (CListBox*)GetDlgItem(IDC_SEC_TB_LIST);
    UINT nID = kFirstGroupID;
    for (INT_PTR i = 0; i < m_groups.GetSize(); i++)
    {
        SECBtnGroup* pGroup = (SECBtnGroup*)m_groups[i];
        if (nID >= kDockBarFirst && nID <= kDockBarLast)
            nID = kDockBarFirst - 1;
        if (pGroup->Create(this, m_pManager, nID--))
        {
            pGroup->SetRect(rectArea);
            pGroup->Activate(FALSE);
        }
        if (pList != NULL)
            pList->AddString(pGroup->GetTitle());
    }
    m_nVisible = -1;
    if (m_groups.GetSize() > 0)
    {
        if (pList != NULL)
            pList->SetCurSel(0);
        SelectGroup(0);
    }
    return TRUE;
}

void SECToolBarCmdPage::SelectGroup(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetGroupCount())
        return;
    if (m_nVisible >= 0 && m_nVisible != nIndex)
        GetGroup(m_nVisible)->Activate(FALSE);
    m_nVisible = nIndex;
    for (int i = 0; i < GetGroupCount(); i++)
        if (i != nIndex)
            GetGroup(i)->Activate(FALSE);
    GetGroup(nIndex)->Activate(TRUE);
}

void SECToolBarCmdPage::OnSelChangeCategory()
{
    CListBox* pList = (CListBox*)GetDlgItem(IDC_SEC_TB_LIST);
    if (pList != NULL)
        SelectGroup(pList->GetCurSel());
}

void SECToolBarCmdPage::ShowDescription(UINT nID)
{
    CString strText;
    if (nID != 0 && strText.LoadString(nID))
    {
        const int nNewLine = strText.Find(_T('\n'));
        if (nNewLine >= 0)
            strText = strText.Left(nNewLine);
    }
    SetDlgItemText(IDC_SEC_TB_DESCRIPTION, strText);
}

BOOL SECToolBarCmdPage::OnSetActive()
{
    if (!CPropertyPage::OnSetActive())
        return FALSE;
    SECToolBarSheet::EnterCustomise(m_pManager, this);
    if (m_nVisible >= 0)
        GetGroup(m_nVisible)->Activate(TRUE);
    return TRUE;
}

BOOL SECToolBarCmdPage::OnKillActive()
{
    if (!CPropertyPage::OnKillActive())
        return FALSE;
    SECToolBarSheet::LeaveCustomise(m_pManager, this, FALSE);
    return TRUE;
}

void SECToolBarCmdPage::OnCancel()
{
    SECToolBarSheet::LeaveCustomise(m_pManager, this, TRUE);
    CPropertyPage::OnCancel();
}

void SECToolBarCmdPage::OnDestroy()
{
    SECToolBarSheet::PageDestroyed(m_pManager, this);
    CPropertyPage::OnDestroy();
}

LRESULT SECToolBarCmdPage::OnBarNotify(WPARAM, LPARAM lParam)
{
    if (lParam != SECBarSelChanged || m_pManager == NULL)
        return 0;
    SECCustomToolBar* pBar = m_pManager->GetSelectedToolBar();
    SECStdBtn* pBtn = pBar != NULL ? pBar->GetButton(pBar->GetSelectedButton()) : NULL;
    ShowDescription(pBtn != NULL && !pBtn->HasStyle(TBBS_SEPARATOR) ? pBtn->m_nID : 0);
    return 0;
}

LRESULT SECToolBarCmdPage::OnStyleChanging(WPARAM wParam, LPARAM)
{
    if (m_pManager == NULL || (wParam != 1 && wParam != 2))
        return 0;
    for (int i = 0; i < GetGroupCount(); i++)
    {
        SECTBBtnGroup* pGroup = DYNAMIC_DOWNCAST(SECTBBtnGroup, GetGroup(i));
        if (pGroup != NULL)
            pGroup->ApplyStyleChange(m_pManager, wParam == 1);
    }
    return 0;
}
