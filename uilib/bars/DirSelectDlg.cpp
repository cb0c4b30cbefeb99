#include "uilib/bars/DirSelectDlg.h"
#include "BarsIds.h"
#include "uilib/common/FileSystem.h"
#include <dlgs.h>
#include <shlobj.h>
#include <vector>

IMPLEMENT_DYNAMIC(SECDirSelectDlg, CFileDialog)

namespace
{

const DWORD kTemplateFlags = OFN_ENABLETEMPLATE | OFN_SHOWHELP | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

// Selects the initial folder once the browser is up.
int CALLBACK BrowseCallback(HWND hWnd, UINT nMessage, LPARAM, LPARAM lpData)
{
    if (nMessage == BFFM_INITIALIZED && lpData != 0)
        ::SendMessage(hWnd, BFFM_SETSELECTION, FALSE, lpData);
    return 0;
}

void FreeItemList(LPITEMIDLIST pidl)
{
    if (pidl == NULL)
        return;
    IMalloc* pMalloc = NULL;
    if (SUCCEEDED(::SHGetMalloc(&pMalloc)) && pMalloc != NULL)
    {
        pMalloc->Free(pidl);
        pMalloc->Release();
    }
}

} // namespace

SECDirSelectDlg::SECDirSelectDlg(WORD wStyle, LPCTSTR lpszTitle, LPCTSTR lpszInitialDir, CWnd* pParent,
                                 DWORD dwFlags)
    : CFileDialog(FALSE, NULL, NULL, dwFlags != 0 ? dwFlags : kTemplateFlags, _T("(nofiles)|NOFILES.$$$||"),
                  pParent),
      m_pParent(pParent), m_wStyle(wStyle), m_strTitle(lpszTitle != NULL ? lpszTitle : _T("")),
      m_strInitialDir(lpszInitialDir != NULL ? lpszInitialDir : _T(""))
{
    m_ofn.Flags &= ~OFN_EXPLORER;
    m_ofn.lpTemplateName = MAKEINTRESOURCE(kTemplateID);
    m_ofn.lpstrTitle = m_strTitle.IsEmpty() ? NULL : static_cast<LPCTSTR>(m_strTitle);
    m_ofn.lpstrInitialDir = m_strInitialDir.IsEmpty() ? NULL : static_cast<LPCTSTR>(m_strInitialDir);
}

INT_PTR SECDirSelectDlg::DoModal()
{
    if (m_wStyle & kOldStyle)
        return CFileDialog::DoModal();
    CString strPath;
    if (!BrowseForFolder(strPath))
        return IDCANCEL;
    lstrcpyn(m_szFileName, strPath, static_cast<int>(sizeof(m_szFileName) / sizeof(TCHAR)));
    m_ofn.nFileOffset = 65535;
    return IDOK;
}

BOOL SECDirSelectDlg::OnInitDialog()
{
    CFileDialog::OnInitDialog();
    for (int nID : {stc3, edt1, lst1, stc2, cmb1})
    {
        CWnd* pItem = GetDlgItem(nID);
        if (pItem != NULL)
            pItem->ShowWindow(SW_HIDE);
    }
    // A name the dialog accepts, so that OK takes the directory shown.
    CString strName;
    strName.LoadString(IDS_SEC_DIRSELECT_FILENAME);
    SetDlgItemText(edt1, strName);
    CWnd* pList = GetDlgItem(lst2);
    if (pList != NULL)
        PostMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pList->m_hWnd), TRUE);
    return FALSE;
}

void SECDirSelectDlg::GetPath(CString& strPath) const
{
    if (m_ofn.nFileOffset < 65535)
        strPath = CString(m_szFileName, m_ofn.nFileOffset);
    else
        strPath = m_szFileName;
}

BOOL SECDirSelectDlg::BrowseForFolder(CString& strPath)
{
    CString strInitial = m_strInitialDir;
    if (strInitial.IsEmpty())
        strInitial = SECFileSystem().GetCurrentDirectory();

    LPITEMIDLIST pidlInitial = NULL;
    IShellFolder* pDesktop = NULL;
    if (SUCCEEDED(::SHGetDesktopFolder(&pDesktop)) && pDesktop != NULL)
    {
        std::vector<WCHAR> wide(static_cast<size_t>(strInitial.GetLength()) + 1, 0);
        ::MultiByteToWideChar(CP_ACP, 0, strInitial, -1, wide.data(), static_cast<int>(wide.size()));
        // A folder's id holds its access time, which reading the folder itself may move (a folder
        // changed since it was last read): the browser's own listing would then not find the
        // first id's folders. The first parse reads every folder on the path; the second gives
        // ids that stay as they are.
        for (int nPass = 0; nPass < 2; ++nPass)
        {
            FreeItemList(pidlInitial);
            pidlInitial = NULL;
            ULONG nEaten = 0;
            if (FAILED(pDesktop->ParseDisplayName(NULL, NULL, wide.data(), &nEaten, &pidlInitial, NULL)))
                pidlInitial = NULL;
        }
        pDesktop->Release();
    }

    TCHAR szDisplay[MAX_PATH] = {};
    BROWSEINFO bi = {};
    bi.hwndOwner = m_pParent != NULL ? m_pParent->GetSafeHwnd() : NULL;
    bi.pszDisplayName = szDisplay;
    bi.lpszTitle = m_strTitle;
    bi.ulFlags = 0;
    bi.lpfn = &BrowseCallback;
    bi.lParam = reinterpret_cast<LPARAM>(pidlInitial);
    LPITEMIDLIST pidlChosen = ::SHBrowseForFolder(&bi);
    BOOL bChosen = FALSE;
    if (pidlChosen != NULL)
    {
        TCHAR szPath[MAX_PATH] = {};
        if (::SHGetPathFromIDList(pidlChosen, szPath))
        {
            strPath = szPath;
            if (strPath.IsEmpty() || strPath[strPath.GetLength() - 1] != '\\')
                strPath += _T("\\");
            bChosen = TRUE;
        }
        FreeItemList(pidlChosen);
    }
    FreeItemList(pidlInitial);
    return bChosen;
}
