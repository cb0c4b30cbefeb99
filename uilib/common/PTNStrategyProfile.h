// SECPTNStrategyProfile: keeps a state tree in an INI file, one section per node named by the
// node's path from the root joined with "." ("WorkState_v1_2.Frames.MainFrame"); a node's
// children are listed as "ptn_Child1", "ptn_Child2", ... in its section.
#pragma once
#include "uilib/common/PTNStrategy.h"

class SECPTNStrategyProfile : public SECPTNStrategy
{
  public:
    // Construction
    explicit SECPTNStrategyProfile(LPCTSTR lpszFile);

    // Overridables
    BOOL ClearNode(const CStringList& path) override;
    BOOL WriteKeyValue(const CStringList& path, LPCTSTR lpszKey, LPCTSTR lpszValue) override;
    BOOL WriteChildNames(const CStringList& path, const CStringList& names) override;
    BOOL ReadNode(const CStringList& path, CStringList& childNames, CStringList& keys,
                  CStringList& values) override;
    // The key names of a section in file order; a list over the largest buffer is cut. FALSE for
    // an empty name or a section without keys.
    virtual BOOL GetSectionKeys(LPCTSTR lpszSection, CStringList& keys);

    // Operations
    CString BuildSectionName(const CStringList& path) const;
    const CString& GetFileName() const
    {
        return m_strFile;
    }

  protected:
    // Implementation
    CString ReadValue(LPCTSTR lpszSection, LPCTSTR lpszKey) const;

    CString m_strFile;
    CString m_strChildPrefix;
    CString m_strSeparator;
    DWORD m_dwMaxKeyListBytes;
};
