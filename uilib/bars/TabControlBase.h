// SECTabControlBase: a window keeping an ordered list of tab records, the active tab and a
// selection; it tells its parent about activation, selection and double clicks by the messages
// below. It draws nothing itself: SEC3DTabControl lays out and paints the tabs.
#pragma once
#include "afxwin.h"
#include "ObArray.h"

// Messages to the strip's parent (sent).
enum : UINT
{
    // A tab was activated or added to the selection. WPARAM the active index, LPARAM the
    // SECTabNotify record.
    TCM_TABSEL = WM_USER + 1000,
    // Double click on an enabled tab. WPARAM its index, LPARAM 0.
    TCM_TABDBLCLK = WM_USER + 1001,
    // The selection was cleared. Both 0.
    TCM_TABSELCLR = WM_USER + 1002,
    // The active tab was clicked again. WPARAM the active index, LPARAM 0.
    TCM_TABREACTIVATE = WM_USER + 1003,
};

// The record sent with TCM_TABSEL; clients are pointer-sized.
struct SECTabNotify
{
    UINT nCtrlID;
    int nTab;
    int nPrevTab; // -1 when there was no active tab
    CObject* pClient;
    CObject* pPrevClient; // NULL when there was no active tab
};

// One tab.
class SECTab : public CObject
{
    DECLARE_DYNAMIC(SECTab)

  public:
    SECTab() = default;
    // The 3-D tab also keeps the caller's text beside the one it shows.
    virtual void SetLabel(LPCTSTR lpszLabel)
    {
        m_csLabel = lpszLabel;
    }
    virtual const CString& GetFullLabel() const
    {
        return m_csLabel;
    }

    CString m_csLabel;
    int m_nWidth = 0;
    int m_nHeight = 0;
    BOOL m_bSelected = FALSE;
    CObject* m_pClient = NULL; // not owned
    DWORD m_dwExtra1 = 0;
    DWORD m_dwExtra2 = 0;
};

class SECTabControlBase : public CWnd
{
    DECLARE_DYNAMIC(SECTabControlBase)

  public:
    // Construction
    SECTabControlBase();
    ~SECTabControlBase() override;

    // Overridables
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);
    virtual void Initialize(DWORD dwStyle);
    virtual SECTab* CreateTabRecord();
    virtual void RecalcLayout();
    virtual void OnActivateTab(int nTab);
    virtual void DeleteFonts();
    virtual SECTab* InsertTab(int nIndex, LPCTSTR lpszLabel, CObject* pClient = NULL, DWORD dwExtra1 = 0,
                              DWORD dwExtra2 = 0);
    virtual SECTab* AddTab(LPCTSTR lpszLabel, CObject* pClient = NULL, DWORD dwExtra1 = 0,
                           DWORD dwExtra2 = 0);
    virtual void SetTabIcon(int nIndex, LPCTSTR lpszResource, int cx = 16, int cy = 16);
    virtual void SetTabIconByID(int nIndex, UINT nID, int cx = 16, int cy = 16);
    virtual void SetTabIconHandle(int nIndex, HICON hIcon);
    virtual void DeleteTab(int nIndex);
    virtual void RenameTab(int nIndex, LPCTSTR lpszLabel);
    virtual void ActivateTab(int nIndex);
    virtual void NotifyParentActive();
    virtual void NotifySelect(int nIndex);
    virtual void ClearSelection();
    virtual void ScrollToTab(int nIndex);
    virtual void InvalidateTab(int nIndex);

    // Attributes
    int GetTabCount() const;
    SECTab* GetTab(int nIndex) const;
    BOOL IsTabIndexValid(int nIndex) const;
    // The last tab whose client is pClient.
    BOOL FindTab(const CObject* pClient, int& nIndex) const;
    BOOL TabExists(const CObject* pClient) const;
    BOOL GetActiveTab(int& nIndex) const;
    // For a 3-D tab the full label. FALSE for an index past the end.
    BOOL GetTabInfo(int nIndex, LPCTSTR& lpszLabel, BOOL& bSelected, CObject*& pClient, DWORD& dwExtra1,
                    DWORD& dwExtra2) const;

  protected:
    // Implementation
    // Fills the record of a notification about nTab.
    void FillNotify(SECTabNotify& notify, int nTab, int nPrevTab) const;
    void DeleteTabRecords();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CObArray* m_pTabArray;
    int m_nActiveTab;
    BOOL m_bActiveTab;
    HCURSOR m_hCursor;
};
