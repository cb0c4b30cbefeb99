#include "uilib/common/PTNStrategyRegistry.h"
#include "uilib/common/Registry.h"

SECPTNStrategyRegistry::SECPTNStrategyRegistry(LPCTSTR lpszBaseKey, HKEY hRoot)
    : m_strBaseKey(lpszBaseKey), m_hRoot(hRoot)
{
    if (m_strBaseKey.IsEmpty() || m_strBaseKey[m_strBaseKey.GetLength() - 1] != '\\')
        m_strBaseKey += _T("\\");
}

CString SECPTNStrategyRegistry::BuildKeyPath(const CStringList& path) const
{
    CString strPath;
    for (POSITION pos = path.GetTailPosition(); pos != NULL;)
        strPath += path.GetPrev(pos) + _T("\\");
    return strPath;
}

BOOL SECPTNStrategyRegistry::ClearNode(const CStringList& path)
{
    SECRegistry registry;
    if (!registry.Connect(m_hRoot, NULL, TRUE))
        return FALSE;
    // A node never saved before has nothing to clear: that is no failure, or no first save could
    // ever report success.
    if (!registry.DeleteKey(m_strBaseKey + BuildKeyPath(path), TRUE))
        return registry.GetLastResult() == ERROR_FILE_NOT_FOUND;
    return TRUE;
}

BOOL SECPTNStrategyRegistry::WriteKeyValue(const CStringList& path, LPCTSTR lpszKey, LPCTSTR lpszValue)
{
    SECRegistry registry;
    if (!registry.Connect(m_hRoot, NULL, TRUE))
        return FALSE;
    CString strKey = m_strBaseKey + BuildKeyPath(path);
    if (!registry.Create(strKey, _T(""), 0, KEY_ALL_ACCESS))
        return FALSE;
    if (!registry.Open(strKey, KEY_ALL_ACCESS))
        return FALSE;
    return registry.SetStringValue(lpszKey, lpszValue);
}

BOOL SECPTNStrategyRegistry::WriteChildNames(const CStringList&, const CStringList&)
{
    return TRUE; // the children are the node's subkeys
}

BOOL SECPTNStrategyRegistry::ReadNode(const CStringList& path, CStringList& childNames, CStringList& keys,
                                      CStringList& values)
{
    childNames.RemoveAll();
    keys.RemoveAll();
    values.RemoveAll();
    SECRegistry registry;
    if (!registry.Connect(m_hRoot, NULL, TRUE))
        return FALSE;
    if (!registry.Open(m_strBaseKey + BuildKeyPath(path), KEY_ALL_ACCESS))
        return FALSE;
    CString strName;
    for (DWORD i = 0; registry.EnumerateKeys(i, strName); ++i)
        childNames.AddTail(strName);
    for (DWORD i = 0; registry.EnumerateValues(i, strName); ++i)
    {
        CString strValue;
        if (registry.GetStringValue(strName, strValue))
        {
            keys.AddTail(strName);
            values.AddTail(strValue);
        }
    }
    return TRUE;
}
