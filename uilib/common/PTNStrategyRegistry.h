// SECPTNStrategyRegistry: keeps a state tree in the registry below a base key: one key per node
// (the path from the root, each name followed by "\"), the pairs as string values, the
// children as subkeys.
#pragma once
#include "uilib/common/PTNStrategy.h"

class SECPTNStrategyRegistry : public SECPTNStrategy
{
  public:
    // Construction. A trailing "\" is added to the base path when missing.
    SECPTNStrategyRegistry(LPCTSTR lpszBaseKey, HKEY hRoot = HKEY_CURRENT_USER);

    // Overridables
    BOOL ClearNode(const CStringList& path) override;
    BOOL WriteKeyValue(const CStringList& path, LPCTSTR lpszKey, LPCTSTR lpszValue) override;
    BOOL WriteChildNames(const CStringList& path, const CStringList& names) override;
    BOOL ReadNode(const CStringList& path, CStringList& childNames, CStringList& keys,
                  CStringList& values) override;
    // The node's names from the root down, each followed by "\".
    virtual CString BuildKeyPath(const CStringList& path) const;

    // Attributes
    const CString& GetBaseKey() const
    {
        return m_strBaseKey;
    }
    HKEY GetRootKey() const
    {
        return m_hRoot;
    }

  protected:
    CString m_strBaseKey;
    HKEY m_hRoot;
};
