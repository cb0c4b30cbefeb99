#include "uilib/common/PTNStrategyProfile.h"
#include <cstring>
#include <vector>

SECPTNStrategyProfile::SECPTNStrategyProfile(LPCTSTR lpszFile)
    : m_strFile(lpszFile), m_strChildPrefix(_T("ptn_Child")), m_strSeparator(_T(".")),
      m_dwMaxKeyListBytes(8192)
{
}

CString SECPTNStrategyProfile::BuildSectionName(const CStringList& path) const
{
    CString strSection;
    for (POSITION pos = path.GetTailPosition(); pos != NULL;)
    {
        const CString& strName = path.GetPrev(pos);
        if (!strSection.IsEmpty())
            strSection += m_strSeparator;
        strSection += strName;
    }
    return strSection;
}

BOOL SECPTNStrategyProfile::ClearNode(const CStringList& path)
{
    CString strSection = BuildSectionName(path);
    if (strSection.IsEmpty())
        return FALSE;
    return ::WritePrivateProfileString(strSection, NULL, NULL, m_strFile);
}

BOOL SECPTNStrategyProfile::WriteKeyValue(const CStringList& path, LPCTSTR lpszKey, LPCTSTR lpszValue)
{
    CString strSection = BuildSectionName(path);
    if (strSection.IsEmpty())
        return FALSE;
    return ::WritePrivateProfileString(strSection, lpszKey, lpszValue, m_strFile);
}

BOOL SECPTNStrategyProfile::WriteChildNames(const CStringList& path, const CStringList& names)
{
    CString strSection = BuildSectionName(path);
    if (strSection.IsEmpty())
        return FALSE;
    BOOL bResult = TRUE;
    int i = 1;
    for (POSITION pos = names.GetHeadPosition(); pos != NULL; ++i)
    {
        CString strKey;
        strKey.Format(_T("%s%d"), static_cast<LPCTSTR>(m_strChildPrefix), i);
        if (!::WritePrivateProfileString(strSection, strKey, names.GetNext(pos), m_strFile))
            bResult = FALSE;
    }
    return bResult;
}

CString SECPTNStrategyProfile::ReadValue(LPCTSTR lpszSection, LPCTSTR lpszKey) const
{
    // A value that fills the buffer may have been cut: read again with a larger one.
    std::vector<TCHAR> buffer(256);
    for (;;)
    {
        DWORD dwRead = ::GetPrivateProfileString(lpszSection, lpszKey, _T(""), buffer.data(),
                                                 static_cast<DWORD>(buffer.size()), m_strFile);
        if (dwRead + 1 < buffer.size() || buffer.size() >= 0x100000)
            return CString(buffer.data(), static_cast<int>(dwRead));
        buffer.resize(buffer.size() * 2);
    }
}

BOOL SECPTNStrategyProfile::ReadNode(const CStringList& path, CStringList& childNames, CStringList& keys,
                                     CStringList& values)
{
    childNames.RemoveAll();
    keys.RemoveAll();
    values.RemoveAll();
    CString strSection = BuildSectionName(path);
    CStringList sectionKeys;
    if (!GetSectionKeys(strSection, sectionKeys))
        return FALSE;
    int nPrefix = m_strChildPrefix.GetLength();
    for (POSITION pos = sectionKeys.GetHeadPosition(); pos != NULL;)
    {
        const CString& strKey = sectionKeys.GetNext(pos);
        CString strValue = ReadValue(strSection, strKey);
        if (strKey.GetLength() >= nPrefix && std::strncmp(strKey, m_strChildPrefix, nPrefix) == 0)
            childNames.AddTail(strValue);
        else
        {
            keys.AddTail(strKey);
            values.AddTail(strValue);
        }
    }
    return TRUE;
}

BOOL SECPTNStrategyProfile::GetSectionKeys(LPCTSTR lpszSection, CStringList& keys)
{
    keys.RemoveAll();
    if (lpszSection == NULL || *lpszSection == '\0')
        return FALSE;
    DWORD dwSize = m_dwMaxKeyListBytes < 512 ? m_dwMaxKeyListBytes : 512;
    std::vector<TCHAR> buffer;
    DWORD dwRead;
    for (;;)
    {
        buffer.assign(dwSize, 0);
        dwRead = ::GetPrivateProfileString(lpszSection, NULL, _T(""), buffer.data(), dwSize, m_strFile);
        if (dwRead == 0)
            return FALSE;
        // Exactly size - 2 means the list did not fit.
        if (dwRead != dwSize - 2 || dwSize >= m_dwMaxKeyListBytes)
            break;
        dwSize = dwSize * 2 < m_dwMaxKeyListBytes ? dwSize * 2 : m_dwMaxKeyListBytes;
    }
    const TCHAR* p = buffer.data();
    size_t nPos = 0;
    while (nPos < dwRead)
    {
        size_t nLength = strnlen(p + nPos, dwRead - nPos);
        if (nLength == 0)
            break;
        keys.AddTail(CString(p + nPos, static_cast<int>(nLength)));
        nPos += nLength + 1;
    }
    return TRUE;
}
