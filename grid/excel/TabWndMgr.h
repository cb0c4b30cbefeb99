// CGXTabWndMgr: the keeper of a workbook's sheets. It holds one create-info record per sheet and
// the active sheet, builds the tab window and its sheets through an adapter, carries inserts and
// deletes to every tab window showing the workbook, archives the sheets and their documents and
// answers for their modified flags. It owns its records, its node manager and, when told so,
// its adapter.
#pragma once
#include "TabWndAdapter.h"
#include "grid/excel/WorkbookManager.h"
#include "afxwin.h"

class CGXTabCreateInfo;
class CGXDocument;

class CGXTabWndMgr : public CObject, public CGXWorkbookManager
{
    DECLARE_SERIAL(CGXTabWndMgr)

  public:
    // Construction
    CGXTabWndMgr() = default;
    ~CGXTabWndMgr() override;
    CGXTabWndMgr(const CGXTabWndMgr&) = delete;
    CGXTabWndMgr& operator=(const CGXTabWndMgr&) = delete;

    // Operations
    void Serialize(CArchive& ar) override;
    // Builds the tab window and every sheet. pInfos (nCount records by value) replaces the
    // stored records; without it the stored ones are used. pAdapter defaults to the own one.
    virtual BOOL CreateTabWnd(CGXTabCreateInfo* pInfos, int nCount, int nReserved,
                              CGXTabWndAdapter* pAdapter);
    // A further tab window of the workbook in pParent.
    virtual void AddTabWnd(int nReserved, CWnd* pParent);
    virtual void RemoveTabWnd(CWnd* pParent);
    virtual CGXTabWndAdapterManager* NewGridCreator();
    virtual BOOL InsertSheet(int nIndex, CGXTabCreateInfo* pInfo, UINT nID);
    // 0 for the active sheet and for indices out of range.
    virtual BOOL DeleteSheet(int nIndex);
    virtual BOOL HasSeveralTabs();
    virtual BOOL FillCreateContext(CGXTabCreateInfo* pInfo);
    virtual void Reset();
    virtual CGXTabWndAdapter* GetOrCreateOwnedObject();
    virtual CGXTabWndAdapter* GetAdapter();
    virtual void SetOwnedObject(CGXTabWndAdapter* pAdapter, BOOL bOwns);
    BOOL IsModified() override;
    void SetModifiedFlagAll(BOOL bModified) override;
    virtual BOOL SetModifiedFlag(BOOL bModified);
    BOOL Load(CArchive& ar, CGXDocument* pMainDoc, int nMainIndex) override;
    void Store(CArchive& ar) override;
    // The tab window and its sheets, through the own adapter.
    CWnd* GetTabWnd() override;
    CWnd* GetSheetWnd(int nIndex) override;
    int FindSheet(CWnd* pWnd) override;

    // Attributes
    int GetSheetCount() override
    {
        return m_nSheetCount;
    }
    int GetActiveSheet() const
    {
        return m_nActiveSheet;
    }
    CGXTabCreateInfo* GetSheetInfo(int nIndex) const;

  protected:
    // Implementation
    // A new document from the template for a further sheet, or null (reported).
    CDocument* NewSheetDocument(CDocTemplate* pTemplate);
    CGXTabWndAdapterManager* GetNodeManager();
    // The current record, owned or one of the list.
    void SetCurrent(CGXTabCreateInfo* pInfo, BOOL bOwns);
    void DeleteInfos();

    BOOL m_bOwnsAdapter = FALSE;
    CArray<CGXTabCreateInfo*, CGXTabCreateInfo*> m_infos; // owned
    LONG m_nSheetCount = 0;
    CGXTabWndAdapter* m_pAdapter = NULL;
    CGXTabWndAdapterManager* m_pNodeManager = NULL; // owned
    CGXTabCreateInfo* m_pCurrent = NULL;
    BOOL m_bOwnsCurrent = FALSE;
    LONG m_nActiveSheet = 0;
};
