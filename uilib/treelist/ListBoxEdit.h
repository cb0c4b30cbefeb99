// SECListBoxEdit: the in-place edit the list-box editor opens over one entry (control id 100,
// a child of the list box). Enter and the committing keys write its text into the entry,
// Escape cancels; both then tell the list box with WM_NOTIFY (code 1000), which closes it.
#pragma once
#include "afxwin.h"
#include "Edit.h"
#include "ListBox.h"

class SECListBoxEdit : public CEdit
{
    DECLARE_DYNAMIC(SECListBoxEdit)

  public:
    // The edit's id and the notification code it sends when done.
    static constexpr UINT kEditID = 100;
    static constexpr UINT kDoneCode = 1000;
    // The list-box message before each commit or cancel: WPARAM 1 cancelled, 0 not.
    static constexpr UINT kCancelledMessage = 0x500;

    // Construction
    SECListBoxEdit(BOOL bNewEntry, int nIndex, int nOldSelection, UINT nBrowseID, BOOL bTabNavigation,
                   int nAdvanceSpaces);

    // Operations
    // Writes the text into the entry, selects it and reports the end (as Enter).
    void Commit();
    void Cancel();
    // Marks the edit as closing: focus changes no longer commit.
    void SetEnding()
    {
        m_bEnding = TRUE;
    }

    BOOL m_bNewEntry;
    int m_nIndex;
    int m_nOldSelection;
    UINT m_nBrowseID;
    BOOL m_bTabNavigation;
    int m_nAdvanceSpaces;

  protected:
    // Implementation
    CListBox* ListBox() const;
    void NotifyDone();
    // Commits, then the focus goes to the dialog's next (or previous) tab stop after the list.
    void CommitAndTab(BOOL bPrevious);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

    BOOL m_bEnding;
};

// Moves the focus from pFrom to the next (or previous) tab stop of its parent; an edit control
// that gets it has its whole text selected.
void SECMoveToTabStop(CWnd* pFrom, BOOL bPrevious);
