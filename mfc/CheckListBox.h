// CCheckListBox: an owner-drawn list box (LBS_OWNERDRAWFIXED or VARIABLE with LBS_HASSTRINGS)
// with a check box before each item. The check state lives with the item; item data set by
// the caller stays the caller's (SetItemData/GetItemData see only it).
//
// Differences from MFC:
// - The check box is drawn with DrawFrameControl; no theme parts.
#pragma once
#include "ListBox.h"
#include <algorithm>

// Sent in WM_COMMAND to the parent when a click or the space bar changed a check.
#define CLBN_CHKCHANGE 40

class CCheckListBox : public CListBox
{
    DECLARE_DYNAMIC(CCheckListBox)

  public:
    // Construction
    CCheckListBox();
    ~CCheckListBox() override;
    // dwStyle must hold LBS_HASSTRINGS; without an owner-draw style the lines are of fixed height.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Attributes
    // BS_CHECKBOX, BS_AUTOCHECKBOX (the default), BS_3STATE or BS_AUTO3STATE.
    void SetCheckStyle(UINT nStyle);
    UINT GetCheckStyle() const
    {
        return m_nStyle;
    }
    // 0 unchecked, 1 checked, 2 indeterminate (three-state styles).
    void SetCheck(int nIndex, int nCheck);
    int GetCheck(int nIndex) const;
    void Enable(int nIndex, BOOL bEnabled = TRUE);
    BOOL IsEnabled(int nIndex) const;

    // Overridables
    // Where the check box of an item goes (client coordinates).
    virtual CRect OnGetCheckPosition(CRect rectItem, CRect rectCheckBox);

    // Overrides
    // Draws the item's text right of its check box (lpDIS->itemData is the caller's data).
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override;
    void DeleteItem(LPDELETEITEMSTRUCT lpDIS) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Implementation
  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    struct CheckData
    {
        int nCheck;
        BOOL bEnabled;
        DWORD_PTR dwUserData;
    };
    CheckData* GetData(int nIndex) const;
    CheckData* MakeData(int nIndex);
    CRect CheckRect(int nIndex, const CRect& rectItem);
    int CheckSize() const;
    void Toggle(int nIndex);
    UINT m_nStyle;
};
