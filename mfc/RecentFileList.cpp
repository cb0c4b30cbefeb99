// CRecentFileList: the list itself, its profile entries ("File1".."FileN") and the menu items.
#include "RecentFileList.h"
#include "Menu.h"
#include "WinApp.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                                 int nMaxDispLen)
    : m_nSize(nSize), m_arrNames(new CString[nSize]), m_strSectionName(lpszSection),
      m_strEntryFormat(lpszEntryFormat), m_nStart(nStart), m_nMaxDisplayLength(nMaxDispLen)
{
}

CRecentFileList::~CRecentFileList()
{
    delete[] m_arrNames;
}

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    TCHAR szFull[MAX_PATH];
    if (::GetFullPathName(lpszPathName, MAX_PATH, szFull, NULL) == 0)
        lstrcpyn(szFull, lpszPathName, MAX_PATH);
    // Already listed: it moves to the top; otherwise the last one drops off.
    int iMRU;
    for (iMRU = 0; iMRU < m_nSize - 1; iMRU++)
    {
        if (m_arrNames[iMRU].CompareNoCase(szFull) == 0)
            break;
    }
    for (; iMRU > 0; iMRU--)
        m_arrNames[iMRU] = m_arrNames[iMRU - 1];
    if (m_nSize > 0)
        m_arrNames[0] = szFull;
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_nSize)
        return;
    for (int i = nIndex; i < m_nSize - 1; i++)
        m_arrNames[i] = m_arrNames[i + 1];
    m_arrNames[m_nSize - 1].Empty();
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                     BOOL bAtLeastName) const
{
    if (nIndex < 0 || nIndex >= m_nSize || m_arrNames[nIndex].IsEmpty())
        return FALSE;
    strName = m_arrNames[nIndex];
    // Files of the current folder show without it.
    if (lpszCurDir != NULL && nCurDir > 0 && strName.GetLength() > nCurDir &&
        CString(strName.Left(nCurDir)).CompareNoCase(lpszCurDir) == 0 && strName.Find('\\', nCurDir + 1) < 0)
        strName = strName.Mid(nCurDir + (strName[nCurDir] == '\\' ? 1 : 0));
    if (strName.GetLength() > m_nMaxDisplayLength)
    {
        int nSlash = strName.ReverseFind('\\');
        if (nSlash >= 0 && bAtLeastName)
            strName = strName.Mid(nSlash + 1);
    }
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (pMenu == NULL)
        return;
    if (m_strOriginal.IsEmpty())
        pMenu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);
    if (m_nSize == 0 || m_arrNames[0].IsEmpty())
    {
        // Nothing recent: the placeholder item stays, disabled.
        if (!m_strOriginal.IsEmpty())
            pCmdUI->SetText(m_strOriginal);
        pCmdUI->Enable(FALSE);
        return;
    }
    for (int iMRU = 0; iMRU < m_nSize; iMRU++)
        pMenu->DeleteMenu(pCmdUI->m_nID + iMRU, MF_BYCOMMAND);
    TCHAR szCurDir[MAX_PATH];
    DWORD nCurDir = ::GetCurrentDirectory(MAX_PATH, szCurDir);
    int iMRU;
    for (iMRU = 0; iMRU < m_nSize; iMRU++)
    {
        CString strName;
        if (!GetDisplayName(strName, iMRU, szCurDir, (int)nCurDir))
            break;
        strName.Replace(_T("&"), _T("&&"));
        CString strText;
        strText.Format(_T("&%d %s"), (iMRU + 1 + (int)m_nStart) % 10, (LPCTSTR)strName);
        pMenu->InsertMenu(pCmdUI->m_nIndex++, MF_STRING | MF_BYPOSITION, pCmdUI->m_nID++, strText);
    }
    // The loop that asked us must step over the items we put in.
    pCmdUI->m_nIndex--;
    pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}

void CRecentFileList::ReadList()
{
    CWinApp* pApp = AfxGetApp();
    for (int iMRU = 0; iMRU < m_nSize; iMRU++)
    {
        CString strEntry;
        strEntry.Format(m_strEntryFormat, iMRU + 1);
        m_arrNames[iMRU] = pApp->GetProfileString(m_strSectionName, strEntry, _T(""));
    }
}

void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    // Clear the section first so a shorter list leaves no stale entries.
    pApp->WriteProfileString(m_strSectionName, NULL, NULL);
    for (int iMRU = 0; iMRU < m_nSize; iMRU++)
    {
        if (m_arrNames[iMRU].IsEmpty())
            break;
        CString strEntry;
        strEntry.Format(m_strEntryFormat, iMRU + 1);
        pApp->WriteProfileString(m_strSectionName, strEntry, m_arrNames[iMRU]);
    }
}
