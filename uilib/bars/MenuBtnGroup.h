// SECMenuBtnGroup: a category of the commands page holding the menu bar's drop-down menu
// buttons, shown as a list of their texts (SECMenuListBox) from which they are dragged.
// The commands page owns it.
#pragma once
#include "uilib/bars/BtnGroup.h"

struct SECBtnMapEntry;
class SECMenuBar;
class SECMenuListBox;

class SECMenuBtnGroup : public SECBtnGroup
{
    DECLARE_DYNAMIC(SECMenuBtnGroup)

  public:
    // Construction
    SECMenuBtnGroup(LPCTSTR lpszTitle, const UINT* pIDs, int nCount);

    // Operations
    SECMenuListBox* GetListBox() const;
    // The menu bar of the manager's frame, NULL when it has none.
    static SECMenuBar* FindMenuBar(SECToolBarManager* pManager);
    // The special button definition of a command that makes a drop-down menu button: the
    // manager's table first, then the menu bar's; NULL when neither has one.
    static const SECBtnMapEntry* FindMenuButtonDef(SECToolBarManager* pManager, UINT nID);
    // The ids of the menu bar's buttons of the current menu that are drop-down menu buttons.
    static void CollectMenuButtons(SECToolBarManager* pManager, std::vector<UINT>& ids);

    // Overrides
    BOOL Create(CWnd* pPage, SECToolBarManager* pManager, UINT nID) override;
    void SetRect(const CRect& rect) override;
};
