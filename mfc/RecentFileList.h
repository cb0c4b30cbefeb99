// CRecentFileList: the most recently used files, kept in the application profile and shown in
// the File menu in place of the first MRU command.
//
// Differences from MFC:
// - Display names shorten only by dropping the folder when the path is too long.
#pragma once
#include "afx.h"

class CCmdUI;

class CRecentFileList
{
  public:
    // Construction
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                    int nMaxDispLen = 260);
    virtual ~CRecentFileList();
    CRecentFileList(const CRecentFileList&) = delete;
    CRecentFileList& operator=(const CRecentFileList&) = delete;

    // Operations
    int GetSize() const
    {
        return m_nSize;
    }
    CString& operator[](int nIndex)
    {
        return m_arrNames[nIndex];
    }
    virtual void Remove(int nIndex);
    virtual void Add(LPCTSTR lpszPathName);
    BOOL GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                        BOOL bAtLeastName = TRUE) const;
    virtual void UpdateMenu(CCmdUI* pCmdUI);
    virtual void ReadList();
    virtual void WriteList();

    // Implementation
    int m_nSize;
    CString* m_arrNames;
    CString m_strSectionName;
    CString m_strEntryFormat;
    UINT m_nStart;
    int m_nMaxDisplayLength;
    CString m_strOriginal; // text of the first MRU item before it was replaced
};
