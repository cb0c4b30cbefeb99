// SECToolBarsBase: what the toolbars page does: the frame's custom toolbars in a check list
// (checked = visible), renaming, new, reset and delete, and the three toolbar options with the
// values they had when the manager was attached. The page holding the controls calls it.
#pragma once
#include "afxwin.h"
#include "CheckListBox.h"

class SECToolBarManager;
class SECCustomToolBar;

// The longest toolbar name kept.
#define SEC_TOOLBAR_NAME_MAX 128

class SECToolBarsBase
{
  public:
    // Construction
    SECToolBarsBase();
    virtual ~SECToolBarsBase();
    SECToolBarsBase(const SECToolBarsBase&) = delete;
    SECToolBarsBase& operator=(const SECToolBarsBase&) = delete;

    // Operations
    // Takes the manager's three options as the current and the original values.
    virtual void SetManager(SECToolBarManager* pManager);
    SECToolBarManager* GetManager() const
    {
        return m_pManager;
    }
    CCheckListBox& GetToolBarList()
    {
        return m_list;
    }

    // Implementation
  protected:
    // Subclasses the list in pDlg, fills it and sets the option check boxes.
    void InitControls(CWnd* pDlg);
    void FillList();
    // Puts the bar into the sorted list (checked when visible); its index.
    int InsertBar(SECCustomToolBar* pBar, BOOL bChecked);
    int FindItem(UINT nBarID) const;
    SECCustomToolBar* SelectedBar() const;
    // Name edit, its label and the reset/delete button for the selected bar.
    void UpdateSelection();
    void ShowCheckedBars();
    void RenameSelected();
    void ResetOrDeleteSelected();
    // Asks for a name and floats a new user toolbar of that name below the top dock bar.
    void NewToolBar();
    void OptionClicked(UINT nID);
    void BarNotify(UINT nBarID, int nCode);
    // The current values through the manager (OK), or those found at the start (Cancel).
    void ApplyOptions();
    void RestoreOptions();
    // Tells the sheet's other pages that an option changed ("WM_TOOLBARSTYLECHANGING").
    void NotifyStyleChange(WPARAM nWhat);

    CWnd* m_pDlg;
    CCheckListBox m_list;
    SECToolBarManager* m_pManager;
    BOOL m_bToolTips, m_bCoolLook, m_bLargeButtons;
    BOOL m_bOrigToolTips, m_bOrigCoolLook, m_bOrigLargeButtons;
};
