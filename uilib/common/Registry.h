// SECRegistry: one open key of the local or a remote registry, with one virtual operation per
// registry call so that a derived class can intercept any of them. It remembers the connected
// root, the current key, the last Windows result and what the last key query returned. The state
// tree's registry strategy and the workspace manager's list of workspaces use it.
#pragma once
#include "afxwin.h"
#include "ByteArray.h"
#include "OleDateTime.h"
#include "StringArray.h"

class SECRegistry : public CObject
{
    DECLARE_DYNCREATE(SECRegistry)

  public:
    // Buffer sizes of the enumerations and of a string value, in characters / bytes.
    static constexpr DWORD kMaxKeyNameChars = 2047;
    static constexpr DWORD kMaxValueNameChars = 2048;
    static constexpr DWORD kStringValueBytes = 2048;

    // Construction
    SECRegistry();
    ~SECRegistry() override;
    SECRegistry(const SECRegistry&) = delete;
    SECRegistry& operator=(const SECRegistry&) = delete;

    // Operations. Each stores the Windows result as the last result and returns TRUE only for 0;
    // a missing required argument stores 87 (ERROR_INVALID_PARAMETER) without calling Windows.
    virtual void Reset();
    virtual BOOL Create(LPCTSTR lpszName, LPCTSTR lpszClass = NULL, DWORD dwOptions = REG_OPTION_NON_VOLATILE,
                        REGSAM samDesired = KEY_ALL_ACCESS, LPSECURITY_ATTRIBUTES pSecurity = NULL,
                        DWORD* pdwDisposition = NULL);
    virtual BOOL Close();
    virtual BOOL Connect(HKEY hRoot = HKEY_CURRENT_USER, LPCTSTR lpszMachine = NULL,
                         BOOL bCloseRootOnClose = TRUE);
    virtual BOOL DeleteKey(LPCTSTR lpszName, BOOL bRecursive = FALSE);
    virtual BOOL DeleteValue(LPCTSTR lpszName);
    virtual BOOL EnumerateKeys(DWORD dwIndex, LPTSTR lpszName, LPDWORD pdwNameSize, LPTSTR lpszClass,
                               LPDWORD pdwClassSize);
    virtual BOOL EnumerateKeys(DWORD dwIndex, CString& strName, CString& strClass);
    virtual BOOL EnumerateKeys(DWORD dwIndex, CString& strName);
    virtual BOOL EnumerateValues(DWORD dwIndex, CString& strName);
    virtual BOOL EnumerateValues(DWORD dwIndex, CString& strName, DWORD* pdwType);
    virtual BOOL EnumerateValues(DWORD dwIndex, CString& strName, DWORD* pdwType, LPBYTE pData,
                                 LPDWORD pdwSize);
    virtual BOOL Flush();
    virtual BOOL GetBinaryValue(LPCTSTR lpszName, CByteArray& bytes);
    virtual BOOL GetDoubleWordValue(LPCTSTR lpszName, DWORD& dwValue);
    virtual BOOL GetSecurity(SECURITY_INFORMATION info, PSECURITY_DESCRIPTOR pDescriptor, LPDWORD pdwSize);
    virtual BOOL GetStringValue(LPCTSTR lpszName, CString& strValue);
    virtual BOOL GetStringArrayValue(LPCTSTR lpszName, CStringArray& values);
    virtual BOOL GetValue(LPCTSTR lpszName, CString& strValue);
    virtual BOOL GetValue(LPCTSTR lpszName, CStringArray& values);
    virtual BOOL GetValue(LPCTSTR lpszName, DWORD& dwValue);
    virtual BOOL GetValue(LPCTSTR lpszName, CByteArray& bytes);
    virtual BOOL Load(LPCTSTR lpszSubkey, LPCTSTR lpszFile);
    virtual BOOL NotifyChange(HANDLE hEvent, DWORD dwFilter = REG_NOTIFY_CHANGE_LAST_SET,
                              BOOL bWatchSubtree = TRUE, BOOL bAsynchronous = TRUE);
    virtual BOOL Open(LPCTSTR lpszName, REGSAM samDesired = KEY_ALL_ACCESS);
    virtual BOOL QueryInfo();
    virtual BOOL QueryValue(LPCTSTR lpszName, DWORD* pdwType, LPBYTE pData, LPDWORD pdwSize);
    virtual BOOL Replace(LPCTSTR lpszSubkey, LPCTSTR lpszNewFile, LPCTSTR lpszOldFile);
    virtual BOOL Restore(LPCTSTR lpszFile, DWORD dwFlags = 0);
    virtual BOOL Save(LPCTSTR lpszFile, LPSECURITY_ATTRIBUTES pSecurity = NULL);
    virtual BOOL SetBinaryValue(LPCTSTR lpszName, const CByteArray& bytes);
    virtual BOOL SetDoubleWordValue(LPCTSTR lpszName, DWORD dwValue);
    virtual BOOL SetSecurity(SECURITY_INFORMATION info, PSECURITY_DESCRIPTOR pDescriptor);
    virtual BOOL SetStringValue(LPCTSTR lpszName, LPCTSTR lpszValue);
    virtual BOOL SetStringArrayValue(LPCTSTR lpszName, const CStringArray& values);
    virtual BOOL SetValue(LPCTSTR lpszName, DWORD dwType, const BYTE* pData, DWORD dwSize);
    virtual BOOL SetValue(LPCTSTR lpszName, LPCTSTR lpszValue);
    virtual BOOL SetValue(LPCTSTR lpszName, const CStringArray& values);
    virtual BOOL SetValue(LPCTSTR lpszName, DWORD dwValue);
    virtual BOOL SetValue(LPCTSTR lpszName, const CByteArray& bytes);
    virtual BOOL UnLoad(LPCTSTR lpszSubkey);

    // Helpers
    // The name of a predefined root; FALSE for any other handle.
    static BOOL KeyNameFromHandle(HKEY hKey, CString& strName);
    // The predefined root of that exact name, NULL when unknown.
    static HKEY HandleFromKeyName(LPCTSTR lpszName);
    // Removes one trailing "\" and, when asked, one leading "\".
    static void NormalizeKeyName(CString& strName, BOOL bStripLeading = FALSE);
    static CString JoinKeyPath(LPCTSTR lpszBase, LPCTSTR lpszSub);

    // Attributes
    LONG GetLastResult() const
    {
        return m_lResult;
    }
    HKEY GetKey() const
    {
        return m_hKey;
    }
    HKEY GetRootKey() const
    {
        return m_hRootKey;
    }
    const CString& GetComputerName() const
    {
        return m_strComputerName;
    }
    const CString& GetKeyName() const
    {
        return m_strKeyName;
    }
    const CString& GetRootKeyName() const
    {
        return m_strRootKeyName;
    }
    const CString& GetClassName() const
    {
        return m_strClassName;
    }
    DWORD GetSubkeyCount() const
    {
        return m_dwSubkeys;
    }
    DWORD GetValueCount() const
    {
        return m_dwValues;
    }
    DWORD GetLongestValueDataLength() const
    {
        return m_dwLongestValueData;
    }
    const FILETIME& GetLastWriteFileTime() const
    {
        return m_ftLastWrite;
    }
    const COleDateTime& GetLastWriteTime() const
    {
        return m_lastWriteTime;
    }
    BOOL IsRemote() const
    {
        return m_bRemote;
    }

  protected:
    // Implementation
    BOOL Fail(LONG lResult);
    BOOL Result(LONG lResult);
    void CloseCurrentKey();
    static BOOL IsPredefinedRoot(HKEY hKey);

    LONG m_lResult;
    HKEY m_hKey;
    HKEY m_hRootKey;
    DWORD m_dwLongestSubkeyName;
    DWORD m_dwLongestClass;
    DWORD m_dwLongestValueName;
    DWORD m_dwLongestValueData;
    DWORD m_dwSecurityDescriptor;
    FILETIME m_ftLastWrite;
    CString m_strClassName;
    CString m_strComputerName;
    CString m_strKeyName;
    CString m_strRootKeyName;
    DWORD m_dwSubkeys;
    DWORD m_dwValues;
    COleDateTime m_lastWriteTime;
    BOOL m_bRemote;
    BOOL m_bCloseRootOnClose;
};
