// CGXGridTabWndAdapter: the tab-window adapter of grid workbooks. It owns one sheet-tab window
// (made when the adapter's CreateTabWnd runs) and remembers the window it lives in.
#pragma once
#include "TabWndAdapter.h"

class CGXTabWnd;

class CGXGridTabWndAdapter : public CGXTabWndAdapter
{
  public:
    // Construction
    CGXGridTabWndAdapter();
    ~CGXGridTabWndAdapter() override;
    CGXGridTabWndAdapter(const CGXGridTabWndAdapter&) = delete;
    CGXGridTabWndAdapter& operator=(const CGXGridTabWndAdapter&) = delete;

    // Operations
    void SetParentWnd(CWnd* pParent) override;
    CWnd* GetParentWnd() override;
    int GetTabCount() override;
    int GetActiveTab() override;
    CWnd* CreateSheet(CRuntimeClass* pViewClass, LPCTSTR pszName, CCreateContext* pContext) override;
    BOOL CreateTabWnd(LPCTSTR pszName, CCreateContext* pContext) override;
    BOOL InsertSheet(int nIndex, CRuntimeClass* pViewClass, CCreateContext* pContext, LPCTSTR pszName,
                     UINT nID) override;
    BOOL RemoveSheet(int nIndex) override;
    BOOL HasSeveralTabs() override;
    void DeleteThis() override;
    CString GetDefaultSheetName(int nIndex) override;
    CWnd* GetSheetWnd(int nIndex) override;
    int FindSheet(CWnd* pWnd) override;
    CWnd* GetTabWnd() override;

  protected:
    // Implementation
    CGXTabWnd* m_pTabWnd; // owned
    CWnd* m_pParent = NULL;
};
