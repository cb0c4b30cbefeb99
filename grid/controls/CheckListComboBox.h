// A cell showing a fixed caption (the first line of its choice list) that drops down a list of
// check boxes, one for each further line. The value is the mask of the checked lines, stored as
// soon as the list closes; the in-cell edit is never shown.
#pragma once
#include "grid/controls/ComboBox.h"
#include "mfc/CheckListBox.h"

class CGXCheckListComboBox;

class CGXCheckListComboLBox : public CCheckListBox
{
  public:
    explicit CGXCheckListComboLBox(CGXCheckListComboBox* pOwner);

    BOOL m_bKeySeen = FALSE;
    BOOL m_bMouseSeen = FALSE;
    CGXCheckListComboBox* m_pOwner;
    int m_nLastSel = LB_ERR;
    BOOL m_bAlnumKey = FALSE;

  protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

class CGXCheckListComboBox : public CGXComboBox
{
    DECLARE_DYNAMIC(CGXCheckListComboBox)
    GX_DECLARE_CONTROL(CGXCheckListComboBox)

  public:
    // The mask has a bit for each of this many check lines; further lines are not shown.
    enum
    {
        maxCheckItems = 31
    };

    CGXCheckListComboBox(CGXGridCore* pGrid, UINT nID, UINT nListBoxID);

    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL FormatValueText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                         const CGXStyle& style) override;
    BOOL LButtonUp(UINT nFlags, CPoint pt, UINT nHitState) override;
    BOOL DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM lParam, UINT flags) override;
    BOOL CheckTypedChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    DWORD CalcEditStyle(CRect& rect, const CGXStyle& style) override;
    CListBox* CreateListBox(CGXGridCombo* pPopup, UINT nID) override;
    void TakeListSelection(CListBox* pListBox) override;
    void FillListBox(CListBox* pListBox) override;

    int m_nItemCount = 0;

  protected:
    afx_msg LRESULT OnListClose(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListSelChangeIgnored(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListFocusGone(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()
};
