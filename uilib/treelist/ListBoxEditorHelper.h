// SECListBoxEditorHelper: takes over the dialog's list box for the list-box editor: its keys,
// clicks (with drag reordering) and double clicks start the editor's operations, and it passes
// the in-place edit's reports to the editor.
#pragma once
#include "afxwin.h"
#include "ListBox.h"

class SECListBoxEditor;

class SECListBoxEditorHelper : public CListBox
{
    DECLARE_DYNAMIC(SECListBoxEditorHelper)

  public:
    explicit SECListBoxEditorHelper(SECListBoxEditor* pEditor) : m_pEditor(pEditor)
    {
    }

  protected:
    // Implementation
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg LRESULT OnEditCancelled(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    SECListBoxEditor* m_pEditor;
};
