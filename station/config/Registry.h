// One open registry key and typed values in named sections (subkeys) below it. Getters fall back
// to the caller's default; setters answer with their BOOL; nothing is shown to the user.
// Owned by whoever creates it; the key stays open until the object goes.
#pragma once
#include "afx.h"

class CRegistry
{
    // Construction
  public:
    // Opens root\subKey; a writable object creates it when missing. A read-only object (readOnly > 0)
    // only opens, so a missing key leaves it without a key and every read gives its default.
    CRegistry(LPCSTR subKey, HKEY root, int readOnly);
    ~CRegistry();
    CRegistry(const CRegistry&) = delete;
    CRegistry& operator=(const CRegistry&) = delete;

    // Operations
  public:
    // Opens a section below the object's key; the caller closes it. A writable object creates a
    // missing section, a read-only one does not. NULL without a key or section.
    HKEY OpenSection(LPCSTR section);

    CString GetString(LPCSTR section, LPCSTR name, LPCSTR lpszDefault);
    DWORD GetInt(LPCSTR section, LPCSTR name, DWORD dwDefault);
    BOOL SetInt(LPCSTR section, LPCSTR name, DWORD value);
    // name NULL: deletes the section key; text NULL: deletes the value; else writes REG_SZ.
    BOOL SetString(LPCSTR section, LPCSTR name, LPCSTR text);
    // Every REG_SZ value of the section into out (name -> text); returns out's count.
    int EnumValues(LPCSTR section, CMapStringToString& out);

    HKEY GetKey() const
    {
        return m_hKey;
    }
    BOOL IsReadOnly() const
    {
        return m_nReadOnly > 0;
    }

    // Implementation
  private:
    // The section's key for a read or write; the object's own key for "" (not to be closed).
    HKEY OpenForAccess(LPCSTR section, BOOL bWrite);
    void CloseSection(HKEY hSection);

    HKEY m_hKey;
    int m_nReadOnly;
};
