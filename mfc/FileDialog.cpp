// CFileDialog: Open and Save As through the system's Explorer-style dialog.
#include "FileDialog.h"
#include <cderr.h>

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog)
{
    memset(&m_ofn, 0, sizeof(m_ofn));
    m_szFileName[0] = '\0';
    m_szFileTitle[0] = '\0';
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof(m_szFileName) / sizeof(TCHAR);
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof(m_szFileTitle) / sizeof(TCHAR);
    m_ofn.lpstrDefExt = lpszDefExt;
    m_ofn.Flags = dwFlags | OFN_ENABLEHOOK | OFN_EXPLORER;
    m_ofn.lpfnHook = &CCommonDialog::HookProc;
    if (lpszFileName != NULL)
        lstrcpyn(m_szFileName, lpszFileName, m_ofn.nMaxFile);
    if (lpszFilter != NULL)
    {
        m_strFilter = lpszFilter;
        for (int i = 0; i < m_strFilter.GetLength(); i++)
            if (m_strFilter[i] == '|')
                m_strFilter.SetAt(i, '\0');
        m_ofn.lpstrFilter = m_strFilter;
    }
}

CFileDialog::~CFileDialog()
{
}

static BOOL AfxRunOpen(void* pRecord)
{
    return ::GetOpenFileName((OPENFILENAME*)pRecord);
}
static BOOL AfxRunSave(void* pRecord)
{
    return ::GetSaveFileName((OPENFILENAME*)pRecord);
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = OwnerForSystemDialog();
    if ((m_ofn.Flags & OFN_ENABLETEMPLATE) && m_ofn.hInstance == NULL)
        m_ofn.hInstance = AfxFindResourceHandle(m_ofn.lpTemplateName, RT_DIALOG);
    // The buffer ends in two zeros so a multiple selection is read to its end.
    m_szFileName[m_ofn.nMaxFile - 1] = '\0';
    m_szFileName[m_ofn.nMaxFile - 2] = '\0';
    INT_PTR nResult = RunSystemDialog(m_bOpenFileDialog ? &AfxRunOpen : &AfxRunSave, &m_ofn);
    return nResult;
}

// While the dialog runs its own answer counts; afterwards the record's.
CString CFileDialog::FromDialog(UINT nMessage) const
{
    CString str;
    HWND hDialog = m_hWnd != NULL ? ::GetParent(m_hWnd) : NULL;
    if (hDialog != NULL)
    {
        LRESULT nLen = ::SendMessage(hDialog, nMessage, 0, 0);
        if (nLen > 0)
        {
            ::SendMessage(hDialog, nMessage, (WPARAM)nLen + 1, (LPARAM)str.GetBuffer((int)nLen + 1));
            str.ReleaseBuffer();
        }
    }
    return str;
}

CString CFileDialog::GetPathName() const
{
    if (m_hWnd != NULL)
        return FromDialog(CDM_GETFILEPATH);
    if ((m_ofn.Flags & OFN_ALLOWMULTISELECT) && m_ofn.nFileOffset > 0 &&
        m_szFileName[m_ofn.nFileOffset - 1] == '\0')
    {
        POSITION pos = GetStartPosition();
        return GetNextPathName(pos);
    }
    return m_szFileName;
}

CString CFileDialog::GetFileName() const
{
    CString strPath = GetPathName();
    int nSlash = strPath.ReverseFind('\\');
    return nSlash >= 0 ? strPath.Mid(nSlash + 1) : strPath;
}

CString CFileDialog::GetFileExt() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot >= 0 ? strName.Mid(nDot + 1) : CString();
}

CString CFileDialog::GetFileTitle() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot >= 0 ? strName.Left(nDot) : strName;
}

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    LPCTSTR lpsz = (LPCTSTR)pos;
    if (lpsz == NULL)
        return CString();
    // A single file: the buffer holds its path. Several: the folder, then each name, zero-separated.
    if (lpsz == m_szFileName)
    {
        if (m_ofn.nFileOffset == 0 || m_szFileName[m_ofn.nFileOffset - 1] != '\0')
        {
            pos = NULL;
            return m_szFileName;
        }
        lpsz += lstrlen(lpsz) + 1;
    }
    CString strPath = m_szFileName;
    if (strPath.Right(1) != "\\")
        strPath += '\\';
    strPath += lpsz;
    lpsz += lstrlen(lpsz) + 1;
    pos = *lpsz != '\0' ? (POSITION)lpsz : NULL;
    return strPath;
}

BOOL CFileDialog::OnFileNameOK()
{
    return FALSE;
}
void CFileDialog::OnInitDone()
{
    // The system dialog (our hook dialog's parent) is laid out now: over the owner, not at its
    // corner.
    HWND hDialog = m_hWnd != NULL ? ::GetParent(m_hWnd) : NULL;
    if (hDialog != NULL)
        CWnd::FromHandle(hDialog)->CenterWindow();
}
void CFileDialog::OnFileNameChange()
{
}
void CFileDialog::OnFolderChange()
{
}
void CFileDialog::OnTypeChange()
{
}

BOOL CFileDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMH = (const NMHDR*)lParam;
    *pResult = 0;
    switch (pNMH->code)
    {
    case CDN_INITDONE:
        OnInitDone();
        return TRUE;
    case CDN_SELCHANGE:
        OnFileNameChange();
        return TRUE;
    case CDN_FOLDERCHANGE:
        OnFolderChange();
        return TRUE;
    case CDN_TYPECHANGE:
        OnTypeChange();
        return TRUE;
    case CDN_FILEOK:
        // The dialog reads the refusal from the child's message result.
        *pResult = OnFileNameOK();
        ::SetWindowLongPtr(m_hWnd, DWLP_MSGRESULT, *pResult);
        return TRUE;
    default:
        return CCommonDialog::OnNotify(wParam, lParam, pResult);
    }
}
