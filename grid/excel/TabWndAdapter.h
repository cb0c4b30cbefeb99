// CGXTabWndAdapter: what the tab-window manager needs of a sheet-tab window, so that it can
// create, fill and trim one without knowing its class. The iterators carry an insertion or a
// removal to every adapter a node manager holds.
#pragma once
#include "NodeManagerNor.h"
#include "afxwin.h"
#include "mfc/CreateContext.h"

class CGXTabWndAdapter
{
  public:
    // Construction
    virtual ~CGXTabWndAdapter() = default;

    // Operations
    virtual void SetParentWnd(CWnd* pParent) = 0;
    virtual CWnd* GetParentWnd() = 0;
    virtual int GetTabCount() = 0;
    virtual int GetActiveTab() = 0;
    // A further sheet at the end; its window or null.
    virtual CWnd* CreateSheet(CRuntimeClass* pViewClass, LPCTSTR pszName, CCreateContext* pContext) = 0;
    // The tab window with its first sheet.
    virtual BOOL CreateTabWnd(LPCTSTR pszName, CCreateContext* pContext) = 0;
    virtual BOOL InsertSheet(int nIndex, CRuntimeClass* pViewClass, CCreateContext* pContext, LPCTSTR pszName,
                             UINT nID) = 0;
    virtual BOOL RemoveSheet(int nIndex) = 0;
    virtual BOOL HasSeveralTabs() = 0;
    virtual void DeleteThis() = 0;
    virtual CString GetDefaultSheetName(int nIndex) = 0;
    // The window of a sheet and the sheet of a window (null, -1 when there is none).
    virtual CWnd* GetSheetWnd(int nIndex) = 0;
    virtual int FindSheet(CWnd* pWnd) = 0;
    virtual CWnd* GetTabWnd() = 0;
};

typedef CGXNodeManagerNor<CGXTabWndAdapter> CGXTabWndAdapterManager;

// Inserts the same sheet into every adapter.
class _insertIter : public CGXTabWndAdapterManager::_iterOp
{
  public:
    _insertIter(int nIndex, CRuntimeClass* pViewClass, CCreateContext* pContext, LPCTSTR pszName, UINT nID)
        : m_nIndex(nIndex), m_pViewClass(pViewClass), m_pContext(pContext), m_pszName(pszName), m_nID(nID)
    {
    }
    void operator()(CGXTabWndAdapter* pAdapter) override
    {
        pAdapter->InsertSheet(m_nIndex, m_pViewClass, m_pContext, m_pszName, m_nID);
    }

  private:
    int m_nIndex;
    CRuntimeClass* m_pViewClass;
    CCreateContext* m_pContext;
    LPCTSTR m_pszName;
    UINT m_nID;
};

// Removes the same sheet from every adapter.
class _deleteIter : public CGXTabWndAdapterManager::_iterOp
{
  public:
    explicit _deleteIter(int nIndex) : m_nIndex(nIndex)
    {
    }
    void operator()(CGXTabWndAdapter* pAdapter) override
    {
        pAdapter->RemoveSheet(m_nIndex);
    }

  private:
    int m_nIndex;
};
