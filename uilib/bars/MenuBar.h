// SECMenuBar: a dockable toolbar in place of a frame's menu. Its buttons are the top-level items
// of one or more menu resources, loaded once; each button knows by a bit which menus it belongs
// to, and switching the menu only hides and shows buttons. The frame owns the bar.
#pragma once
#include "uilib/bars/CustomToolBar.h"

class SECMenuBar : public SECCustomToolBar
{
    DECLARE_DYNCREATE(SECMenuBar)

  public:
    // Construction
    SECMenuBar();
    ~SECMenuBar() override;
    BOOL CreateEx(DWORD dwExStyle, CWnd* pParentWnd, DWORD dwStyle, UINT nID,
                  LPCTSTR lpszTitle = NULL) override;

    // Operations
    // Builds the buttons from nCount menu resource ids (UINT) that follow; FALSE when no menu
    // gave an item.
    virtual BOOL LoadMenus(int nCount, ...);
    BOOL LoadMenus(const UINT* pMenuIDs, int nCount);
    // Frees the menu table, item texts and menu bits, then builds them from the menus; the
    // button ids of the new table in pIDs. FALSE when no menu gave an item.
    BOOL BuildMenuTable(const UINT* pMenuIDs, int nCount, std::vector<UINT>& ids);
    virtual void ShowMenuButtons(UINT nBit, BOOL bRedraw);
    virtual void RebuildFromMenu(BOOL bNoRecalc);
    // The first visible menu button whose mnemonic is ch (either case), -1 when none.
    virtual int FindMnemonic(TCHAR ch) const;
    // FALSE, with the buttons left as they are, for a menu that was not loaded.
    BOOL SwitchMenu(UINT nMenuID);
    void SetIgnoreNextHide(BOOL bIgnore)
    {
        m_bIgnoreNextHide = bIgnore;
    }
    void DropHotButton();
    // Asks the frame, as a drop notification of no button, for the system menu.
    void RequestSystemMenu();
    // Starting menu mode tells the owner, so that the tracking takes the keys.
    void SetMenuFocus(int nIndex) override;
    void MoveToNeighbour(BOOL bNext);

    // Attributes
    UINT GetCurrentMenuBit() const
    {
        return m_nCurrentBit;
    }
    UINT GetCurrentMenuID() const
    {
        return m_nCurrentMenu;
    }
    // The bit of a loaded menu, 0 when it was not loaded.
    UINT GetMenuBit(UINT nMenuID) const;
    const SECBtnMapEntry* GetMenuTable() const
    {
        return m_pMenuTable;
    }
    void SetFullWidth(BOOL bFullWidth)
    {
        m_bFullWidth = bFullWidth;
    }

    // Overrides
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void DelayShow(BOOL bShow) override;
    DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout) override;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
    BOOL InsertButton(int nIndex, UINT nID, BOOL bSeparator = FALSE, BOOL bBatch = FALSE) override;
    CFont* GetFont() const override;
    CFont* GetMenuFont() const override;
    CSize LayoutButtons(int nLength, DWORD dwMode) override;

    // Implementation
  protected:
    void FreeMenuTable();
    void CreateMenuFont();
    void RecalcParent();

    CMap<UINT, UINT, UINT, UINT> m_menuBits;
    CStringArray m_itemTexts;
    BOOL m_bRemoveSysMenu;
    HFONT m_hMenuFont;
    UINT m_nCurrentBit; // (UINT)-1: all menus
    UINT m_nCurrentMenu;
    BOOL m_bFullWidth;
    BOOL m_bIgnoreNextHide;
    SECBtnMapEntry* m_pMenuTable; // owned; ends with an entry without factory

    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
