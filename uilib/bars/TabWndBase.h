// SECTabWndBase: a container showing one child window per tab and a tab strip to switch between
// them; only the active tab's child is visible. It owns the strip; the children belong to the
// caller. SEC3DTabWnd places a 3-D strip on one side and adds keyboard navigation.
#pragma once
#include "afxwin.h"
#include "uilib/bars/TabControlBase.h"

class SECTabWndBase : public CWnd
{
    DECLARE_DYNAMIC(SECTabWndBase)

  public:
    // The strip's child id, and the first id of children created without one.
    static constexpr UINT kTabCtrlID = 59952;
    static constexpr UINT kFirstTabWndID = 60160;

    // Construction
    SECTabWndBase();
    ~SECTabWndBase() override;

    // Overridables
    virtual BOOL Create(CWnd* pParent, DWORD dwStyle = WS_CHILD | WS_VISIBLE, UINT nID = AFX_IDW_PANE_FIRST);
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = NULL) override;
    virtual CWnd* CreateScrollBar(DWORD dwStyle, UINT nID);
    virtual BOOL CreateTabCtrl(DWORD dwStyle, UINT nID);
    // nID (UINT)-1 gives the child 60160 + the number of tabs.
    virtual SECTab* InsertTab(CRuntimeClass* pClass, int nIndex, LPCTSTR lpszLabel,
                              CCreateContext* pContext = NULL, UINT nID = static_cast<UINT>(-1));
    virtual SECTab* InsertTabWnd(CWnd* pWnd, int nIndex, LPCTSTR lpszLabel);
    virtual SECTab* AddTab(CRuntimeClass* pClass, LPCTSTR lpszLabel, CCreateContext* pContext = NULL,
                           UINT nID = static_cast<UINT>(-1));
    virtual SECTab* AddTabWnd(CWnd* pWnd, LPCTSTR lpszLabel);
    virtual void SetTabIcon(int nIndex, LPCTSTR lpszResource, int cx = 16, int cy = 16);
    virtual void SetTabIconByID(int nIndex, UINT nID, int cx = 16, int cy = 16);
    virtual void SetTabIconHandle(int nIndex, HICON hIcon);
    virtual void TabInserted(int nIndex, int nReserved);
    virtual void RemoveTab(int nIndex);
    virtual void RemoveTabWnd(CWnd* pWnd);
    virtual void RenameTab(int nIndex, LPCTSTR lpszLabel);
    virtual void RenameTabWnd(CWnd* pWnd, LPCTSTR lpszLabel);
    virtual BOOL ActivateTab(int nIndex);
    virtual BOOL ActivateTabWnd(CWnd* pWnd);
    virtual BOOL ActivateTab(CWnd* pWnd, int nIndex);
    virtual void ClearSelection();
    virtual void ScrollToTab(int nIndex);
    virtual void ScrollToTabWnd(CWnd* pWnd);
    virtual void ActivateActiveView();
    virtual void SetNotifyWnd(CWnd* pWnd);
    virtual CWnd* GetNotifyWnd() const;
    virtual void GetInsideRect(RECT& rect) const;
    virtual void RecalcLayout();

    // Attributes
    BOOL IsTabIndexValid(int nIndex) const;
    int GetTabCount() const;
    BOOL TabExists(CWnd* pWnd) const;
    BOOL FindTab(CWnd* pWnd, int& nIndex) const;
    BOOL GetTabInfo(int nIndex, LPCTSTR& lpszLabel, BOOL& bSelected, CWnd*& pWnd, DWORD& dwExtra1,
                    DWORD& dwExtra2) const;
    SECTabControlBase* GetTabControl() const
    {
        return m_pTabCtrl;
    }
    CWnd* GetActiveWnd() const
    {
        return m_pActiveWnd;
    }

  protected:
    // Implementation
    void ShowActiveChild(CWnd* pWnd);
    afx_msg LRESULT OnTabSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTabReactivate(WPARAM wParam, LPARAM lParam);
    afx_msg void OnChildActivate();
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    SECTabControlBase* m_pTabCtrl;
    CWnd* m_pActiveWnd;
    CWnd* m_pCreatingWnd;
    CWnd* m_pNotifyWnd;
};
