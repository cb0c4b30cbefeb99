#include "uilib/bars/BrowseEdit.h"
#include "BarsIds.h"
#include "afxdlgs.h"
#include "uilib/bars/DirSelectDlg.h"
#include "uilib/common/FileSystem.h"

IMPLEMENT_DYNAMIC(SECBrowseButton, CButton)
IMPLEMENT_DYNAMIC(SECBrowseEditBase, CEdit)
IMPLEMENT_DYNAMIC(SECBrowseFileEdit, SECBrowseEditBase)
IMPLEMENT_DYNAMIC(SECBrowseDirEdit, SECBrowseEditBase)

BEGIN_MESSAGE_MAP(SECBrowseButton, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(SECBrowseEditBase, CEdit)
ON_WM_ENABLE()
ON_WM_SHOWWINDOW()
ON_WM_DESTROY()
END_MESSAGE_MAP()

void SECBrowseButton::OnClicked()
{
    if (m_pEdit != NULL)
        m_pEdit->OnBrowse();
}

SECBrowseEditBase::SECBrowseEditBase() : m_pButton(NULL)
{
}

SECBrowseEditBase::~SECBrowseEditBase()
{
    delete m_pButton;
}

BOOL SECBrowseEditBase::Initialize(UINT nID, CWnd* pParent)
{
    if (pParent == NULL || m_pButton != NULL || !SubclassDlgItem(nID, pParent))
        return FALSE;
    CRect rc;
    GetWindowRect(&rc);
    pParent->ScreenToClient(&rc);
    MoveWindow(rc.left, rc.top, rc.Width() - (kButtonWidth + 1), rc.Height());

    // The highest free id below 32768.
    UINT nButtonID = 32767;
    while (nButtonID >= 2 && pParent->GetDlgItem(static_cast<int>(nButtonID)) != NULL)
        --nButtonID;
    if (nButtonID < 2)
        return FALSE;
    m_pButton = new SECBrowseButton(this, nButtonID);
    CRect rcButton(rc.right - kButtonWidth, rc.top, rc.right, rc.bottom);
    if (!m_pButton->Create(_T("..."), WS_CHILD | WS_VISIBLE | WS_TABSTOP, rcButton, pParent, nButtonID))
    {
        delete m_pButton;
        m_pButton = NULL;
        return FALSE;
    }
    m_pButton->SetFont(pParent->GetFont());
    m_pButton->SetWindowPos(this, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_pButton->EnableWindow(IsWindowEnabled());
    return TRUE;
}

void SECBrowseEditBase::OnBrowse()
{
}

void SECBrowseEditBase::OnEnable(BOOL bEnable)
{
    CEdit::OnEnable(bEnable);
    if (m_pButton != NULL && m_pButton->m_hWnd != NULL)
        m_pButton->EnableWindow(bEnable);
}

void SECBrowseEditBase::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CEdit::OnShowWindow(bShow, nStatus);
    if (m_pButton != NULL && m_pButton->m_hWnd != NULL)
        m_pButton->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void SECBrowseEditBase::OnDestroy()
{
    if (m_pButton != NULL && m_pButton->m_hWnd != NULL)
        m_pButton->DestroyWindow();
    CEdit::OnDestroy();
}

SECBrowseFileEdit::SECBrowseFileEdit()
    : m_strFilter(_T("All files (*.*)|*.*||")), m_dwFlags(OFN_HIDEREADONLY | OFN_NOCHANGEDIR)
{
    m_strTitle.LoadString(IDS_SEC_FILESELECT_TITLE);
}

void SECBrowseFileEdit::OnBrowse()
{
    SECFileSystem fs;
    CString strSaved;
    if (m_dwFlags & OFN_NOCHANGEDIR)
        strSaved = fs.GetCurrentDirectory();
    CString strName = m_strInitialFile;
    if (strName.IsEmpty())
        GetWindowText(strName);
    if (!strName.IsEmpty())
    {
        if (fs.IsDirectory(strName))
        {
            fs.SetCurrentDirectory(strName);
            strName.Empty();
        }
        else if (!fs.FileExists(strName))
            strName.Empty();
    }
    CFileDialog dlg(TRUE, m_strDefaultExt.IsEmpty() ? NULL : static_cast<LPCTSTR>(m_strDefaultExt),
                    strName.IsEmpty() ? NULL : static_cast<LPCTSTR>(strName), m_dwFlags, m_strFilter, this);
    dlg.m_ofn.lpstrTitle = m_strTitle;
    if (dlg.DoModal() == IDOK)
        SetWindowText(dlg.GetPathName());
    if (m_dwFlags & OFN_NOCHANGEDIR)
        fs.SetCurrentDirectory(strSaved);
}

SECBrowseDirEdit::SECBrowseDirEdit() : m_wSelectorStyle(SECDirSelectDlg::kOldStyle)
{
    m_strTitle.LoadString(IDS_SEC_DIRSELECT_TITLE);
}

void SECBrowseDirEdit::OnBrowse()
{
    CString strInitial;
    GetWindowText(strInitial);
    if (!IsValidDirectory(strInitial))
        strInitial.Empty();
    SECDirSelectDlg dlg(m_wSelectorStyle, m_strTitle, strInitial, GetParent(), 0);
    if (dlg.DoModal() != IDOK)
        return;
    CString strPath;
    dlg.GetPath(strPath);
    SetWindowText(strPath);
}
