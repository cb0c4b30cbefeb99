#include "uilib/common/Registry.h"
#include <cstring>
#include <vector>

IMPLEMENT_DYNCREATE(SECRegistry, CObject)

namespace
{

// The predefined roots and their names.
struct RootName
{
    HKEY hKey;
    LPCTSTR lpszName;
};
const RootName kRootNames[] = {
    {HKEY_CLASSES_ROOT, _T("HKEY_CLASSES_ROOT")},     {HKEY_CURRENT_USER, _T("HKEY_CURRENT_USER")},
    {HKEY_LOCAL_MACHINE, _T("HKEY_LOCAL_MACHINE")},   {HKEY_USERS, _T("HKEY_USERS")},
    {HKEY_CURRENT_CONFIG, _T("HKEY_CURRENT_CONFIG")}, {HKEY_DYN_DATA, _T("HKEY_DYN_DATA")},
};

} // namespace

SECRegistry::SECRegistry()
{
    m_hKey = NULL;
    m_hRootKey = NULL;
    Reset();
}

SECRegistry::~SECRegistry()
{
    if (m_hKey != NULL || m_hRootKey != NULL)
        Close();
}

BOOL SECRegistry::Fail(LONG lResult)
{
    m_lResult = lResult;
    return FALSE;
}

BOOL SECRegistry::Result(LONG lResult)
{
    m_lResult = lResult;
    return lResult == ERROR_SUCCESS;
}

BOOL SECRegistry::IsPredefinedRoot(HKEY hKey)
{
    for (const RootName& root : kRootNames)
        if (root.hKey == hKey)
            return TRUE;
    return FALSE;
}

void SECRegistry::CloseCurrentKey()
{
    if (m_hKey != NULL && m_hKey != m_hRootKey)
        ::RegCloseKey(m_hKey);
    m_hKey = m_hRootKey;
}

void SECRegistry::Reset()
{
    m_lResult = ERROR_SUCCESS;
    m_hKey = NULL;
    m_hRootKey = NULL;
    m_dwLongestSubkeyName = 0;
    m_dwLongestClass = 0;
    m_dwLongestValueName = 0;
    m_dwLongestValueData = 0;
    m_dwSecurityDescriptor = 0;
    m_ftLastWrite.dwLowDateTime = 0;
    m_ftLastWrite.dwHighDateTime = 0;
    m_strClassName.Empty();
    m_strComputerName.Empty();
    m_strKeyName.Empty();
    m_strRootKeyName.Empty();
    m_dwSubkeys = 0;
    m_dwValues = 0;
    m_lastWriteTime = COleDateTime();
    m_bRemote = FALSE;
    m_bCloseRootOnClose = TRUE;
}

BOOL SECRegistry::Create(LPCTSTR lpszName, LPCTSTR lpszClass, DWORD dwOptions, REGSAM samDesired,
                         LPSECURITY_ATTRIBUTES pSecurity, DWORD* pdwDisposition)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    CString strName(lpszName);
    NormalizeKeyName(strName);
    CString strClass(lpszClass != NULL ? lpszClass : _T(""));
    CloseCurrentKey();
    HKEY hKey = NULL;
    DWORD dwDisposition = 0;
    LONG lResult = ::RegCreateKeyEx(m_hRootKey, strName, 0, strClass.GetBuffer(0), dwOptions, samDesired,
                                    pSecurity, &hKey, &dwDisposition);
    strClass.ReleaseBuffer();
    if (lResult != ERROR_SUCCESS)
        return Fail(lResult);
    m_hKey = hKey;
    m_strKeyName = strName;
    if (pdwDisposition != NULL)
        *pdwDisposition = dwDisposition;
    return Result(lResult);
}

BOOL SECRegistry::Close()
{
    LONG lResult = ERROR_SUCCESS;
    if (m_hKey != NULL && m_hKey != m_hRootKey)
        lResult = ::RegCloseKey(m_hKey);
    if (m_hRootKey != NULL && m_bCloseRootOnClose)
    {
        LONG lRoot = ::RegCloseKey(m_hRootKey);
        if (lResult == ERROR_SUCCESS)
            lResult = lRoot;
    }
    Reset();
    return Result(lResult);
}

BOOL SECRegistry::Connect(HKEY hRoot, LPCTSTR lpszMachine, BOOL bCloseRootOnClose)
{
    BOOL bPreviousCloseRoot = m_bCloseRootOnClose;
    if (m_hKey != NULL || m_hRootKey != NULL)
        Close();
    BOOL bRemote = lpszMachine != NULL && *lpszMachine != '\0';
    HKEY hConnected = NULL;
    if (hRoot == HKEY_CLASSES_ROOT || hRoot == HKEY_CURRENT_USER)
    {
        // These two roots belong to the caller's own session: no remote form exists.
        if (bRemote)
        {
            m_bCloseRootOnClose = bPreviousCloseRoot;
            return Fail(ERROR_INVALID_HANDLE);
        }
        hConnected = hRoot;
    }
    else
    {
        LONG lResult = ::RegConnectRegistry(bRemote ? lpszMachine : NULL, hRoot, &hConnected);
        if (lResult != ERROR_SUCCESS)
        {
            m_bCloseRootOnClose = bPreviousCloseRoot;
            return Fail(lResult);
        }
    }
    m_hRootKey = hConnected;
    m_hKey = hConnected;
    m_bRemote = bRemote;
    m_bCloseRootOnClose = bCloseRootOnClose;
    if (bRemote)
        m_strComputerName = lpszMachine;
    else
    {
        TCHAR szName[MAX_PATH + 1] = {};
        DWORD dwSize = MAX_PATH;
        if (::GetComputerName(szName, &dwSize))
            m_strComputerName = szName;
    }
    KeyNameFromHandle(hRoot, m_strRootKeyName);
    return Result(ERROR_SUCCESS);
}

BOOL SECRegistry::DeleteKey(LPCTSTR lpszName, BOOL bRecursive)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    CString strName(lpszName);
    NormalizeKeyName(strName);
    // An empty name would end at a whole hive.
    if (bRecursive && strName.IsEmpty())
        return Fail(ERROR_INVALID_PARAMETER);

    HKEY hRoot = HandleFromKeyName(m_strRootKeyName);
    if (hRoot == NULL)
        hRoot = HKEY_CLASSES_ROOT;
    SECRegistry helper;
    if (!helper.Connect(hRoot, m_bRemote ? (LPCTSTR)m_strComputerName : NULL, TRUE))
        return Fail(helper.GetLastResult());

    BOOL bRelative = FALSE;
    CString strPath;
    if (!m_strKeyName.IsEmpty())
    {
        strPath = JoinKeyPath(m_strKeyName, strName);
        bRelative = helper.Open(strPath, KEY_ALL_ACCESS);
    }
    if (!bRelative)
    {
        strPath = strName;
        NormalizeKeyName(strPath, TRUE);
        if (!helper.Open(strPath, KEY_ALL_ACCESS))
            return Fail(helper.GetLastResult());
    }

    if (bRecursive)
    {
        CString strSub;
        while (helper.EnumerateKeys(0, strSub))
            if (!helper.DeleteKey(strSub, TRUE))
                return Fail(helper.GetLastResult());
    }

    LONG lResult;
    if (bRelative)
    {
        helper.Close();
        lResult = ::RegDeleteKey(m_hKey, strName);
    }
    else
    {
        int nSlash = strPath.ReverseFind('\\');
        CString strLeaf = nSlash < 0 ? strPath : strPath.Mid(nSlash + 1);
        if (nSlash < 0)
            lResult = ::RegDeleteKey(helper.GetRootKey(), strLeaf);
        else if (helper.Open(strPath.Left(nSlash), KEY_ALL_ACCESS))
            lResult = ::RegDeleteKey(helper.GetKey(), strLeaf);
        else
            lResult = helper.GetLastResult();
        helper.Close();
    }
    return Result(lResult);
}

BOOL SECRegistry::DeleteValue(LPCTSTR lpszName)
{
    return Result(::RegDeleteValue(m_hKey, lpszName));
}

BOOL SECRegistry::EnumerateKeys(DWORD dwIndex, LPTSTR lpszName, LPDWORD pdwNameSize, LPTSTR lpszClass,
                                LPDWORD pdwClassSize)
{
    FILETIME ftWrite = {};
    LONG lResult =
        ::RegEnumKeyEx(m_hKey, dwIndex, lpszName, pdwNameSize, NULL, lpszClass, pdwClassSize, &ftWrite);
    if (lResult == ERROR_SUCCESS)
    {
        m_ftLastWrite = ftWrite;
        m_lastWriteTime = ftWrite;
    }
    return Result(lResult);
}

BOOL SECRegistry::EnumerateKeys(DWORD dwIndex, CString& strName, CString& strClass)
{
    DWORD dwNameSize = kMaxKeyNameChars;
    DWORD dwClassSize = kMaxKeyNameChars;
    LPTSTR pName = strName.GetBuffer(kMaxKeyNameChars + 1);
    LPTSTR pClass = strClass.GetBuffer(kMaxKeyNameChars + 1);
    pName[0] = '\0';
    pClass[0] = '\0';
    EnumerateKeys(dwIndex, pName, &dwNameSize, pClass, &dwClassSize);
    pName[kMaxKeyNameChars] = '\0';
    pClass[kMaxKeyNameChars] = '\0';
    strName.ReleaseBuffer();
    strClass.ReleaseBuffer();
    return m_lResult == ERROR_SUCCESS || m_lResult == ERROR_MORE_DATA;
}

BOOL SECRegistry::EnumerateKeys(DWORD dwIndex, CString& strName)
{
    DWORD dwNameSize = kMaxKeyNameChars;
    LPTSTR pName = strName.GetBuffer(kMaxKeyNameChars + 1);
    pName[0] = '\0';
    EnumerateKeys(dwIndex, pName, &dwNameSize, NULL, NULL);
    pName[kMaxKeyNameChars] = '\0';
    strName.ReleaseBuffer();
    return m_lResult == ERROR_SUCCESS || m_lResult == ERROR_MORE_DATA;
}

BOOL SECRegistry::EnumerateValues(DWORD dwIndex, CString& strName)
{
    return EnumerateValues(dwIndex, strName, NULL, NULL, NULL);
}

BOOL SECRegistry::EnumerateValues(DWORD dwIndex, CString& strName, DWORD* pdwType)
{
    return EnumerateValues(dwIndex, strName, pdwType, NULL, NULL);
}

BOOL SECRegistry::EnumerateValues(DWORD dwIndex, CString& strName, DWORD* pdwType, LPBYTE pData,
                                  LPDWORD pdwSize)
{
    DWORD dwNameSize = kMaxValueNameChars;
    LPTSTR pName = strName.GetBuffer(kMaxValueNameChars + 1);
    pName[0] = '\0';
    m_lResult = ::RegEnumValue(m_hKey, dwIndex, pName, &dwNameSize, NULL, pdwType, pData, pdwSize);
    pName[kMaxValueNameChars] = '\0';
    strName.ReleaseBuffer();
    return m_lResult == ERROR_SUCCESS || m_lResult == ERROR_MORE_DATA;
}

BOOL SECRegistry::Flush()
{
    return Result(::RegFlushKey(m_hKey));
}

BOOL SECRegistry::GetBinaryValue(LPCTSTR lpszName, CByteArray& bytes)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    std::vector<BYTE> buffer(m_dwLongestValueData + 1);
    DWORD dwType = REG_BINARY;
    DWORD dwSize = m_dwLongestValueData;
    if (!QueryValue(lpszName, &dwType, buffer.data(), &dwSize))
        return FALSE;
    bytes.SetSize(static_cast<int>(dwSize));
    if (dwSize > 0)
        std::memcpy(bytes.GetData(), buffer.data(), dwSize);
    return TRUE;
}

BOOL SECRegistry::GetDoubleWordValue(LPCTSTR lpszName, DWORD& dwValue)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    DWORD dwType = REG_DWORD;
    DWORD dwSize = sizeof(DWORD);
    return QueryValue(lpszName, &dwType, reinterpret_cast<LPBYTE>(&dwValue), &dwSize);
}

BOOL SECRegistry::GetSecurity(SECURITY_INFORMATION info, PSECURITY_DESCRIPTOR pDescriptor, LPDWORD pdwSize)
{
    return Result(::RegGetKeySecurity(m_hKey, info, pDescriptor, pdwSize));
}

BOOL SECRegistry::GetStringValue(LPCTSTR lpszName, CString& strValue)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    // Two zero bytes beyond what the registry may fill: a value stored without its terminator
    // still ends inside the buffer.
    std::vector<BYTE> buffer(kStringValueBytes + 2, 0);
    DWORD dwType = REG_SZ;
    DWORD dwSize = kStringValueBytes;
    if (!QueryValue(lpszName, &dwType, buffer.data(), &dwSize))
    {
        strValue.Empty();
        return FALSE;
    }
    strValue = reinterpret_cast<LPCTSTR>(buffer.data());
    return TRUE;
}

BOOL SECRegistry::GetStringArrayValue(LPCTSTR lpszName, CStringArray& values)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    std::vector<BYTE> buffer(m_dwLongestValueData + 2, 0);
    DWORD dwType = REG_MULTI_SZ;
    DWORD dwSize = m_dwLongestValueData;
    if (!QueryValue(lpszName, &dwType, buffer.data(), &dwSize))
        return FALSE;
    values.RemoveAll();
    // Walk only the bytes returned: the last string may lack its terminator or the final NUL.
    const char* p = reinterpret_cast<const char*>(buffer.data());
    size_t nPos = 0;
    while (nPos < dwSize)
    {
        size_t nLength = strnlen(p + nPos, dwSize - nPos);
        if (nLength == 0)
            break;
        values.Add(CString(p + nPos, static_cast<int>(nLength)));
        nPos += nLength + 1;
    }
    return TRUE;
}

BOOL SECRegistry::GetValue(LPCTSTR lpszName, CString& strValue)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return GetStringValue(lpszName, strValue);
}

BOOL SECRegistry::GetValue(LPCTSTR lpszName, CStringArray& values)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return GetStringArrayValue(lpszName, values);
}

BOOL SECRegistry::GetValue(LPCTSTR lpszName, DWORD& dwValue)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return GetDoubleWordValue(lpszName, dwValue);
}

BOOL SECRegistry::GetValue(LPCTSTR lpszName, CByteArray& bytes)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return GetBinaryValue(lpszName, bytes);
}

BOOL SECRegistry::Load(LPCTSTR lpszSubkey, LPCTSTR lpszFile)
{
    if (lpszSubkey == NULL || lpszFile == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(::RegLoadKey(m_hRootKey, lpszSubkey, lpszFile));
}

BOOL SECRegistry::NotifyChange(HANDLE hEvent, DWORD dwFilter, BOOL bWatchSubtree, BOOL bAsynchronous)
{
    return Result(::RegNotifyChangeKeyValue(m_hKey, bWatchSubtree, dwFilter, hEvent, bAsynchronous));
}

BOOL SECRegistry::Open(LPCTSTR lpszName, REGSAM samDesired)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    if (m_hRootKey == NULL)
    {
        m_hRootKey = HKEY_CLASSES_ROOT;
        m_hKey = HKEY_CLASSES_ROOT;
        KeyNameFromHandle(m_hRootKey, m_strRootKeyName);
    }
    CloseCurrentKey();
    CString strName(lpszName);
    NormalizeKeyName(strName);
    HKEY hKey = NULL;
    LONG lResult = ::RegOpenKeyEx(m_hRootKey, strName, 0, samDesired, &hKey);
    if (lResult != ERROR_SUCCESS)
        return Fail(lResult);
    m_hKey = hKey;
    m_strKeyName = strName;
    QueryInfo();
    return Result(ERROR_SUCCESS);
}

BOOL SECRegistry::QueryInfo()
{
    TCHAR szClass[kMaxKeyNameChars + 1] = {};
    DWORD dwClassSize = kMaxKeyNameChars;
    FILETIME ftWrite = {};
    LONG lResult = ::RegQueryInfoKey(
        m_hKey, szClass, &dwClassSize, NULL, &m_dwSubkeys, &m_dwLongestSubkeyName, &m_dwLongestClass,
        &m_dwValues, &m_dwLongestValueName, &m_dwLongestValueData, &m_dwSecurityDescriptor, &ftWrite);
    if (lResult == ERROR_SUCCESS)
    {
        m_strClassName = szClass;
        m_ftLastWrite = ftWrite;
        m_lastWriteTime = ftWrite;
    }
    return Result(lResult);
}

BOOL SECRegistry::QueryValue(LPCTSTR lpszName, DWORD* pdwType, LPBYTE pData, LPDWORD pdwSize)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(::RegQueryValueEx(m_hKey, lpszName, NULL, pdwType, pData, pdwSize));
}

BOOL SECRegistry::Replace(LPCTSTR lpszSubkey, LPCTSTR lpszNewFile, LPCTSTR lpszOldFile)
{
    if (lpszSubkey == NULL || lpszNewFile == NULL || lpszOldFile == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(::RegReplaceKey(m_hKey, lpszSubkey, lpszNewFile, lpszOldFile));
}

BOOL SECRegistry::Restore(LPCTSTR lpszFile, DWORD dwFlags)
{
    if (lpszFile == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(::RegRestoreKey(m_hKey, lpszFile, dwFlags));
}

BOOL SECRegistry::Save(LPCTSTR lpszFile, LPSECURITY_ATTRIBUTES pSecurity)
{
    if (lpszFile == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(::RegSaveKey(m_hKey, lpszFile, pSecurity));
}

BOOL SECRegistry::SetBinaryValue(LPCTSTR lpszName, const CByteArray& bytes)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    std::vector<BYTE> copy(bytes.GetData(), bytes.GetData() + bytes.GetSize());
    copy.push_back(0); // SetValue wants a data pointer even for an empty block
    return SetValue(lpszName, REG_BINARY, copy.data(), static_cast<DWORD>(bytes.GetSize()));
}

BOOL SECRegistry::SetDoubleWordValue(LPCTSTR lpszName, DWORD dwValue)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return SetValue(lpszName, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(DWORD));
}

BOOL SECRegistry::SetSecurity(SECURITY_INFORMATION info, PSECURITY_DESCRIPTOR pDescriptor)
{
    return Result(::RegSetKeySecurity(m_hKey, info, pDescriptor));
}

BOOL SECRegistry::SetStringValue(LPCTSTR lpszName, LPCTSTR lpszValue)
{
    if (lpszName == NULL || lpszValue == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return SetValue(lpszName, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                    static_cast<DWORD>((lstrlen(lpszValue) + 1) * sizeof(TCHAR)));
}

BOOL SECRegistry::SetStringArrayValue(LPCTSTR lpszName, const CStringArray& values)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    std::vector<BYTE> buffer;
    for (int i = 0; i < values.GetSize(); ++i)
    {
        LPCTSTR p = values[i];
        buffer.insert(buffer.end(), p, p + values[i].GetLength() + 1);
    }
    buffer.push_back(0);
    return SetValue(lpszName, REG_MULTI_SZ, buffer.data(), static_cast<DWORD>(buffer.size()));
}

BOOL SECRegistry::SetValue(LPCTSTR lpszName, DWORD dwType, const BYTE* pData, DWORD dwSize)
{
    if (lpszName == NULL || pData == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(::RegSetValueEx(m_hKey, lpszName, 0, dwType, pData, dwSize));
}

BOOL SECRegistry::SetValue(LPCTSTR lpszName, LPCTSTR lpszValue)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return SetStringValue(lpszName, lpszValue);
}

BOOL SECRegistry::SetValue(LPCTSTR lpszName, const CStringArray& values)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return SetStringArrayValue(lpszName, values);
}

BOOL SECRegistry::SetValue(LPCTSTR lpszName, DWORD dwValue)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return SetDoubleWordValue(lpszName, dwValue);
}

BOOL SECRegistry::SetValue(LPCTSTR lpszName, const CByteArray& bytes)
{
    if (lpszName == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return SetBinaryValue(lpszName, bytes);
}

BOOL SECRegistry::UnLoad(LPCTSTR lpszSubkey)
{
    if (lpszSubkey == NULL)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(::RegUnLoadKey(m_hRootKey, lpszSubkey));
}

BOOL SECRegistry::KeyNameFromHandle(HKEY hKey, CString& strName)
{
    for (const RootName& root : kRootNames)
        if (root.hKey == hKey)
        {
            strName = root.lpszName;
            return TRUE;
        }
    return FALSE;
}

HKEY SECRegistry::HandleFromKeyName(LPCTSTR lpszName)
{
    if (lpszName == NULL)
        return NULL;
    for (const RootName& root : kRootNames)
        if (lstrcmp(root.lpszName, lpszName) == 0)
            return root.hKey;
    return NULL;
}

void SECRegistry::NormalizeKeyName(CString& strName, BOOL bStripLeading)
{
    int nLength = strName.GetLength();
    if (nLength > 0 && strName[nLength - 1] == '\\')
        strName = strName.Left(nLength - 1);
    if (bStripLeading && !strName.IsEmpty() && strName[0] == '\\')
        strName = strName.Mid(1);
}

CString SECRegistry::JoinKeyPath(LPCTSTR lpszBase, LPCTSTR lpszSub)
{
    CString strBase(lpszBase != NULL ? lpszBase : _T(""));
    CString strSub(lpszSub != NULL ? lpszSub : _T(""));
    NormalizeKeyName(strBase);
    NormalizeKeyName(strSub, TRUE);
    if (strBase.IsEmpty())
        return strSub;
    if (strSub.IsEmpty())
        return strBase;
    return strBase + _T("\\") + strSub;
}
