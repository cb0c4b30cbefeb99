// Registry key wrapper: sections, typed values with defaults.
#include "station/config/Registry.h"

CRegistry::CRegistry(LPCSTR subKey, HKEY root, int readOnly) : m_hKey(NULL), m_nReadOnly(readOnly)
{
    REGSAM access = readOnly > 0 ? KEY_READ : KEY_ALL_ACCESS;
    if (::RegOpenKeyExA(root, subKey, 0, access, &m_hKey) == ERROR_SUCCESS)
        return;
    m_hKey = NULL;
    if (readOnly > 0)
        return;
    // Created with the access an opened key gets, so the new key can also be read.
    DWORD disposition = 0;
    if (::RegCreateKeyExA(root, subKey, 0, const_cast<LPSTR>(""), REG_OPTION_NON_VOLATILE, access, NULL,
                          &m_hKey, &disposition) != ERROR_SUCCESS)
        m_hKey = NULL;
}

CRegistry::~CRegistry()
{
    if (m_hKey != NULL)
        ::RegCloseKey(m_hKey);
}

HKEY CRegistry::OpenSection(LPCSTR section)
{
    if (m_hKey == NULL || section == NULL)
        return NULL;
    HKEY hSection = NULL;
    if (m_nReadOnly > 0)
    {
        // Reading must not leave keys behind (HKEY_LOCAL_MACHINE is writable under Wine).
        if (::RegOpenKeyExA(m_hKey, section, 0, KEY_READ, &hSection) != ERROR_SUCCESS)
            return NULL;
        return hSection;
    }
    DWORD disposition = 0;
    if (::RegCreateKeyExA(m_hKey, section, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, NULL,
                          &hSection, &disposition) != ERROR_SUCCESS)
        return NULL;
    return hSection;
}

HKEY CRegistry::OpenForAccess(LPCSTR section, BOOL bWrite)
{
    if (bWrite && m_nReadOnly > 0)
        return NULL;
    if (section == NULL || *section == '\0')
        return m_hKey;
    return OpenSection(section);
}

void CRegistry::CloseSection(HKEY hSection)
{
    if (hSection != NULL && hSection != m_hKey)
        ::RegCloseKey(hSection);
}

CString CRegistry::GetString(LPCSTR section, LPCSTR name, LPCSTR lpszDefault)
{
    CString result(lpszDefault != NULL ? lpszDefault : "");
    HKEY hKey = OpenForAccess(section, FALSE);
    if (hKey == NULL)
        return result;
    DWORD type = 0, size = 0;
    if (::RegQueryValueExA(hKey, name, NULL, &type, NULL, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ))
    {
        // One byte more than stored: the stored text need not carry its terminator.
        CString text;
        LPSTR buffer = text.GetBuffer(int(size) + 1);
        DWORD read = size;
        if (::RegQueryValueExA(hKey, name, NULL, &type, reinterpret_cast<LPBYTE>(buffer), &read) ==
                ERROR_SUCCESS &&
            read <= size && (type == REG_SZ || type == REG_EXPAND_SZ))
        {
            buffer[read] = '\0';
            text.ReleaseBuffer();
            result = text;
        }
        else
            text.ReleaseBuffer(0);
    }
    CloseSection(hKey);
    return result;
}

DWORD CRegistry::GetInt(LPCSTR section, LPCSTR name, DWORD dwDefault)
{
    HKEY hKey = OpenForAccess(section, FALSE);
    if (hKey == NULL)
        return dwDefault;
    DWORD value = 0, type = 0, size = sizeof(value);
    LONG rc = ::RegQueryValueExA(hKey, name, NULL, &type, reinterpret_cast<LPBYTE>(&value), &size);
    CloseSection(hKey);
    if (rc != ERROR_SUCCESS || size != sizeof(value) || (type != REG_DWORD && type != REG_BINARY))
        return dwDefault;
    return value;
}

BOOL CRegistry::SetInt(LPCSTR section, LPCSTR name, DWORD value)
{
    HKEY hKey = OpenForAccess(section, TRUE);
    if (hKey == NULL)
        return FALSE;
    LONG rc =
        ::RegSetValueExA(hKey, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    CloseSection(hKey);
    return rc == ERROR_SUCCESS;
}

BOOL CRegistry::SetString(LPCSTR section, LPCSTR name, LPCSTR text)
{
    if (m_hKey == NULL || m_nReadOnly > 0 || section == NULL)
        return FALSE;
    if (name == NULL)
    {
        // The object's own key is never deleted through here.
        if (*section == '\0')
            return FALSE;
        return ::RegDeleteKeyA(m_hKey, section) == ERROR_SUCCESS;
    }
    HKEY hKey = OpenForAccess(section, TRUE);
    if (hKey == NULL)
        return FALSE;
    LONG rc;
    if (text != NULL)
    {
        rc = ::RegSetValueExA(hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                              DWORD(lstrlenA(text) + 1));
        if (rc == ERROR_SUCCESS)
            ::RegFlushKey(hKey);
    }
    else
        rc = ::RegDeleteValueA(hKey, name);
    CloseSection(hKey);
    return rc == ERROR_SUCCESS;
}

int CRegistry::EnumValues(LPCSTR section, CMapStringToString& out)
{
    HKEY hKey = OpenForAccess(section, FALSE);
    if (hKey != NULL)
    {
        for (DWORD index = 0;; ++index)
        {
            char name[MAX_PATH];
            BYTE data[MAX_PATH + 1];
            DWORD nameLength = MAX_PATH, dataSize = MAX_PATH, type = 0;
            LONG rc = ::RegEnumValueA(hKey, index, name, &nameLength, NULL, &type, data, &dataSize);
            if (rc == ERROR_MORE_DATA)
                continue; // too long for the buffers: skipped
            if (rc != ERROR_SUCCESS)
                break;
            if (type != REG_SZ)
                continue;
            data[dataSize] = '\0';
            out.SetAt(name, reinterpret_cast<LPCSTR>(data));
        }
        CloseSection(hKey);
    }
    return int(out.GetCount());
}
