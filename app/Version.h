// CVersion: texts of a module's version resource, from its German block.
#pragma once
#include "afxwin.h"

class CVersion : public CObject
{
  public:
    // Construction
    explicit CVersion(LPCTSTR lpszModulePath);

    // Operations: empty when the module has no such entry.
    CString GetVersionString(LPCTSTR lpszKey) const;
    CString GetProductName() const
    {
        return GetVersionString("ProductName");
    }
    CString GetFileVersion() const
    {
        return GetVersionString("FileVersion");
    }
    CString GetCopyright() const
    {
        return GetVersionString("LegalCopyright");
    }
    CString GetComments() const
    {
        return GetVersionString("Comments");
    }

  private:
    CString m_strPath;
};
