#include "uilib/bars/WsMgrDialogEx.h"
#include "BarsIds.h"
#include "uilib/bars/WSLBEditorEx.h"

IMPLEMENT_DYNAMIC(SECWsMgrDialogEx, CDialog)

BEGIN_MESSAGE_MAP(SECWsMgrDialogEx, CDialog)
ON_BN_CLICKED(IDC_SEC_WS_OPEN, OnOpenOrSave)
ON_BN_CLICKED(IDC_SEC_WS_SAVE, OnOpenOrSave)
ON_BN_CLICKED(IDC_SEC_WS_DONE, OnDone)
END_MESSAGE_MAP()

namespace
{
// The list-box editor's features with and without saving (the latter has no "new" button and no
// place for typing a new name).
const DWORD kEditorFlagsSave = 0xF3E;
const DWORD kEditorFlagsNoSave = 0xE7E;
} // namespace

SECWsMgrDialogEx::SECWsMgrDialogEx(CStringArray& oldNames, CStringArray& newNames, CStringArray& deletedNames,
                                   CString& strChosen, BOOL bOpenAllowed, BOOL bSaveAllowed, CWnd* pParent)
    : CDialog(IDD_SEC_WORKSPACE_MANAGER, pParent), m_pEditor(NULL), m_oldNames(oldNames),
      m_strChosen(strChosen), m_bOldWindows(LOBYTE(LOWORD(::GetVersion())) < 4), m_bOpenAllowed(bOpenAllowed),
      m_bSaveAllowed(bSaveAllowed)
{
    m_pEditor = new SECWSLBEditorEx(oldNames, newNames, deletedNames, this);
}

SECWsMgrDialogEx::~SECWsMgrDialogEx()
{
    delete m_pEditor;
}

BOOL SECWsMgrDialogEx::OnInitDialog()
{
    CDialog::OnInitDialog();
    CListBox* pList = static_cast<CListBox*>(GetDlgItem(IDC_SEC_WS_LIST));
    for (int i = 0; i < m_oldNames.GetSize(); ++i)
        ::SendMessage(pList->GetSafeHwnd(), LB_ADDSTRING, 0, (LPARAM)(LPCTSTR)m_oldNames[i]);
    EnableButtons(TRUE, TRUE);
    m_pEditor->Create(this, IDC_SEC_WS_LIST, m_bSaveAllowed ? kEditorFlagsSave : kEditorFlagsNoSave);
    CString strText;
    strText.LoadString(m_bOpenAllowed ? IDS_SEC_WS_OPEN_CAPTION
                                      : (m_bSaveAllowed ? IDS_SEC_WS_SAVE_CAPTION : IDS_SEC_WS_MANAGER));
    SetWindowText(strText);
    strText.LoadString(IDS_SEC_WS_TITLE);
    m_pEditor->SetWindowText(strText);
    if (m_strChosen.IsEmpty())
        strText.LoadString(IDS_SEC_WS_NONE);
    else
        strText = m_strChosen;
    SetDlgItemText(IDC_SEC_WS_ACTIVE, strText);
    return TRUE;
}

void SECWsMgrDialogEx::EnableButtons(BOOL bOpen, BOOL bSave)
{
    CWnd* pOpen = GetDlgItem(IDC_SEC_WS_OPEN);
    CWnd* pSave = GetDlgItem(IDC_SEC_WS_SAVE);
    if (pOpen != NULL)
        pOpen->EnableWindow(m_bOpenAllowed && bOpen);
    if (pSave != NULL)
        pSave->EnableWindow(m_bSaveAllowed && bSave);
}

void SECWsMgrDialogEx::OnOpenOrSave()
{
    CListBox* pList = m_pEditor->GetListBox();
    int nSel = pList != NULL ? pList->GetCurSel() : LB_ERR;
    if (nSel == LB_ERR)
    {
        AfxMessageBox(IDS_SEC_WS_NEED_SELECTION);
        return;
    }
    CString strText;
    pList->GetText(nSel, strText);
    if (strText.IsEmpty())
    {
        AfxMessageBox(IDS_SEC_WS_INVALID_RENAME);
        return;
    }
    m_strChosen = strText;
    EndDialog(IDOK);
}

void SECWsMgrDialogEx::OnDone()
{
    EndDialog(IDOK);
}
