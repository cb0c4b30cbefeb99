// The drop-down list of a combo cell ("COMBOLBOX" in the cell's pop-up). Keys and clicks that
// finish a choice go to the cell's edit window as the combo list messages.
#pragma once
#include "mfc/ListBox.h"
#include "afxwin.h"

class CGXComboBox;

// Messages from a cell's drop-down list to the cell's edit window.
enum
{
    WM_COMBOLIST_ACCEPT = 0x07AD,    // take the selection and close
    WM_COMBOLIST_CANCEL = 0x07B8,    // close; lParam 1: the edit gets the focus back
    WM_COMBOLIST_SELCHANGE = 0x07C3, // the selection moved by key: take it, stay open
    WM_COMBOLIST_FOCUSLOST = 0x07C4  // the list lost the keyboard focus
};

class CGXComboListBox : public CListBox
{
  public:
    explicit CGXComboListBox(CWnd* pOwner);

    // Fills a drop-down list with the brush its pop-up gives for it; FALSE when there is none.
    static BOOL EraseWithPopupBrush(CWnd* pList, CDC* pDC);
    // Tab in a drop-down list: the edit moves on as after its own Tab, once the list is closed.
    static void PostTab(CWnd* pEdit);
    // A list shown again starts as a new one: no key or click of the last opening counts.
    void ForgetActions()
    {
        m_bKeySeen = m_bMouseSeen = m_bAlnumKey = FALSE;
        m_nStartSel = LB_ERR;
        m_nKeyRun = 0;
    }

    BOOL m_bKeySeen = FALSE;
    BOOL m_bMouseSeen = FALSE;
    CWnd* m_pOwner; // the cell's edit window
    int m_nStartSel = LB_ERR;
    BOOL m_bAlnumKey = FALSE;
    int m_nKeyRun = 0;

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
