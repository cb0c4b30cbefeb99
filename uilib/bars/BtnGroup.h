// SECBtnGroup: one category of the customisation sheet's commands page: a title, its command
// ids and the window that shows them (owned). SECTBBtnGroup shows them as a button palette.
// The commands page owns its groups.
#pragma once
#include "afxwin.h"
#include <vector>

class SECToolBarManager;
class SECCustomizeToolBar;

class SECBtnGroup : public CObject
{
    DECLARE_DYNAMIC(SECBtnGroup)

  public:
    // Construction
    SECBtnGroup(LPCTSTR lpszTitle, const UINT* pIDs, int nCount);
    ~SECBtnGroup() override;
    SECBtnGroup(const SECBtnGroup&) = delete;
    SECBtnGroup& operator=(const SECBtnGroup&) = delete;

    // Overridables
    // Makes the group's window on the page with this control id; FALSE when it cannot.
    virtual BOOL Create(CWnd* pPage, SECToolBarManager* pManager, UINT nID);
    // Puts the window in this place of the page (client coordinates).
    virtual void SetRect(const CRect& rect);
    // Shows (TRUE) or hides the window.
    virtual void Activate(BOOL bActivate);

    // Attributes
    CWnd* GetWnd() const
    {
        return m_pWnd;
    }
    const CString& GetTitle() const
    {
        return m_strTitle;
    }
    int GetCount() const
    {
        return (int)m_ids.size();
    }
    UINT GetID(int nIndex) const
    {
        return m_ids[(size_t)nIndex];
    }

    // Implementation
  protected:
    CWnd* m_pWnd;
    CString m_strTitle;
    std::vector<UINT> m_ids;
};

class SECTBBtnGroup : public SECBtnGroup
{
    DECLARE_DYNAMIC(SECTBBtnGroup)

  public:
    // Construction
    SECTBBtnGroup(LPCTSTR lpszTitle, const UINT* pIDs, int nCount);

    // Operations
    SECCustomizeToolBar* GetPalette() const;
    // After the manager's options changed: the button size (bSize) or the cool look.
    void ApplyStyleChange(SECToolBarManager* pManager, BOOL bSize);

    // Overrides
    BOOL Create(CWnd* pPage, SECToolBarManager* pManager, UINT nID) override;
    void SetRect(const CRect& rect) override;
};
