// SECMenuListBox: the list of a menu-button group: the texts of drop-down menu buttons with
// their command ids as item data. Pressing on an item selects it, shows its description and
// drags a copy of the button onto a toolbar. Its group creates and deletes it.
#pragma once
#include "afxwin.h"
#include "ListBox.h"

class SECToolBarManager;
class SECToolBarCmdPage;

class SECMenuListBox : public CListBox
{
    DECLARE_DYNAMIC(SECMenuListBox)

  public:
    // Construction
    explicit SECMenuListBox(SECToolBarManager* pManager);
    // The list on the page with the page's font, hidden until its group is activated.
    BOOL Create(CWnd* pPage, UINT nID);

    // Operations
    // An item for the command with the button's text, its first '&' removed (at most 255
    // characters kept).
    int AddCommand(UINT nID, LPCTSTR lpszText);
    // Follows the mouse from point (client coordinates) with a button-sized rectangle and drops
    // a copy of the command's button where it is released.
    virtual void DragCommand(UINT nID, CPoint point);

    // Implementation
  protected:
    SECToolBarManager* m_pManager;

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
