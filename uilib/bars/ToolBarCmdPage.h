// SECToolBarCmdPage: the commands page of the customisation sheet: a list of categories
// (button groups) and the selected category's buttons, dragged from there onto the toolbars;
// the description of the selected button. The page owns its groups; the caller owns the page.
#pragma once
#include "afxwin.h"
#include "ObArray.h"
#include "PropertyPage.h"

class SECBtnGroup;
class SECToolBarManager;

class SECToolBarCmdPage : public CPropertyPage
{
    DECLARE_DYNAMIC(SECToolBarCmdPage)

  public:
    // Construction
    explicit SECToolBarCmdPage(UINT nIDTemplate = 0, UINT nIDCaption = 0);
    ~SECToolBarCmdPage() override;

    // Operations
    // Registers the page for the manager's bar notifications.
    virtual void SetManager(SECToolBarManager* pManager);
    SECToolBarManager* GetManager() const
    {
        return m_pManager;
    }
    // A category showing these commands' buttons in a palette.
    virtual void AddButtonGroup(LPCTSTR lpszTitle, const UINT* pIDs, int nCount);
    // A category of the menu bar's drop-down menu buttons of the current menu; none (FALSE)
    // when there is no such button.
    virtual BOOL AddMenuButtonGroup(LPCTSTR lpszTitle);
    // Shows the category at this index and hides the others.
    void SelectGroup(int nIndex);
    // The first line of the command's string in the description field (empty without one).
    void ShowDescription(UINT nID);

    // Attributes
    int GetGroupCount() const
    {
        return (int)m_groups.GetSize();
    }
    SECBtnGroup* GetGroup(int nIndex) const
    {
        return (SECBtnGroup*)m_groups[nIndex];
    }
    int GetVisibleGroup() const
    {
        return m_nVisible;
    }

    // Overrides
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    void OnCancel() override;

    // Implementation
  protected:
    // Converts dialog units with the page's font.
    CSize DialogUnitsToPixels(int cx, int cy);

    CObArray m_groups;
    SECToolBarManager* m_pManager;
    int m_nVisible;

    afx_msg void OnDestroy();
    afx_msg void OnSelChangeCategory();
    afx_msg LRESULT OnBarNotify(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnStyleChanging(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
