// CVersion: reading the version resource through the version library.
#include "app/Version.h"
#include <vector>
#include <winver.h>

CVersion::CVersion(LPCTSTR lpszModulePath) : m_strPath(lpszModulePath)
{
}

CString CVersion::GetVersionString(LPCTSTR lpszKey) const
{
    DWORD dwHandle = 0;
    const DWORD dwSize = ::GetFileVersionInfoSizeA(m_strPath, &dwHandle);
    if (dwSize == 0)
        return CString();
    std::vector<char> data(dwSize);
    if (!::GetFileVersionInfoA(m_strPath, 0, dwSize, data.data()))
        return CString();
    CString strQuery = CString("\\StringFileInfo\\040704b0\\") + lpszKey;
    LPVOID pValue = NULL;
    UINT nLength = 0;
    if (!::VerQueryValueA(data.data(), strQuery, &pValue, &nLength) || pValue == NULL || nLength == 0)
        return CString();
    return CString((LPCSTR)pValue);
}
