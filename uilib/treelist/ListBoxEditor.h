// SECListBoxEditor: turns a dialog's list box into an editable list of strings: a title bar
// above it with up to four bitmap buttons (new, delete, up, down), in-place editing, keys, drag
// reordering and notifications to the dialog. The editor is the title-bar window; it owns the
// list box object (SECListBoxEditorHelper) and the open in-place edit.
#pragma once
#include "afxwin.h"
#include "Button.h"
#include "ToolTipCtrl.h"
#include "uilib/treelist/ListBoxEdit.h"
#include "uilib/treelist/ListBoxEditorHelper.h"

// Feature flags of SECListBoxEditor::Create.
enum : DWORD
{
    LBE_BROWSE = 0x0001,        // the in-place edit gets a "..." button; F2 in the list edits
    LBE_AUTOEDIT = 0x0002,      // a typed character starts editing with it
    LBE_BUTTONS = 0x0004,       // title-bar buttons shown and clickable
    LBE_TOOLTIPS = 0x0008,      // tool tips for the buttons (with LBE_BUTTONS)
    LBE_SHORTCUTS = 0x0010,     // Insert, Delete, Alt+Up, Alt+Down
    LBE_DRAGGABLE = 0x0020,     // drag reordering with the mouse
    LBE_NOPLACEHOLDER = 0x0040, // without it the list ends with one empty entry for new text
    LBE_NEWBUTTON = 0x0100,
    LBE_DELBUTTON = 0x0200,
    LBE_UPBUTTON = 0x0400,
    LBE_DOWNBUTTON = 0x0800,
};

// Notification codes sent to the dialog in WM_COMMAND with the list box's id.
enum : UINT
{
    LBE_SELCHANGE = 1, // posted
    LBE_DELETED = 10,  // sent after an entry was removed
    LBE_MOVED = 11,    // sent after an entry moved
};

class SECListBoxEditor : public CWnd
{
    DECLARE_DYNAMIC(SECListBoxEditor)

  public:
    // The browse button's id (a child of the list box while an edit with it is open).
    static constexpr UINT kBrowseID = 101;
    enum Button
    {
        btnNew,
        btnDelete,
        btnUp,
        btnDown,
        btnCount
    };

    // Construction
    SECListBoxEditor();
    ~SECListBoxEditor() override;

    // Overridables
    virtual BOOL Create(UINT nListBoxID, CWnd* pParent, DWORD dwFlags);
    virtual BOOL Create(CWnd* pParent, UINT nListBoxID, DWORD dwFlags);
    virtual void SetTabNavigation(BOOL bTabNavigation);
    virtual void EndEdit();
    virtual void NotifySelChange();
    virtual void CheckSelection();
    virtual void OnItemTextChanged(int nIndex, LPCTSTR lpszOld, LPCTSTR lpszNew);
    virtual void OnEditComplete(int nIndex, LPCTSTR lpszText);
    virtual void OnItemsSwapped(int nFrom, int nTo, LPCTSTR lpszText);
    // 0 keeps the entry.
    virtual BOOL OnItemDeleting(int nIndex, LPCTSTR lpszText);
    virtual void NewEntry();
    virtual void DeleteSelection();
    virtual BOOL MoveDown();
    virtual BOOL MoveUp();
    virtual void EditCurrent(TCHAR ch);
    virtual int CalcTitleHeight();
    virtual void LayoutButtons();
    virtual void UpdateButtonTips();
    virtual void RecalcLayout();
    virtual void EnableButtons(DWORD dwFlags);
    virtual void StartEdit(int nIndex, BOOL bNewEntry, LPCTSTR lpszText);
    virtual void MoveEntryUp(int nIndex);
    virtual BOOL DeleteEntry(int nIndex);
    virtual void SetAdvanceSpaces(int nCount);
    virtual void OnBrowse();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Attributes
    SECListBoxEditorHelper* GetListBox() const
    {
        return m_pListBox;
    }
    SECListBoxEdit* GetEdit() const
    {
        return m_pEdit;
    }
    DWORD GetFlags() const
    {
        return m_dwFlags;
    }
    const CRect& GetButtonRect(Button button) const
    {
        return m_rcButtons[button];
    }
    BOOL IsButtonEnabled(Button button) const
    {
        return m_bButtonEnabled[button];
    }
    int GetTitleHeight() const
    {
        return m_nTitleHeight;
    }
    int GetLastIndex() const
    {
        return m_nLastIndex;
    }
    int GetMoveTarget() const
    {
        return m_nMoveTarget;
    }
    BOOL UsesPlaceholder() const
    {
        return !(m_dwFlags & LBE_NOPLACEHOLDER);
    }
    // Called by the list box and the edit.
    void SetEditCancelled(BOOL bCancelled)
    {
        m_bEditCancelled = bCancelled;
    }
    // The button under a client point that is enabled; -1 for none.
    int ButtonAt(CPoint point) const;
    // Runs a button's action.
    void PressButton(int nButton);
    // Posts the selection-change code to the dialog.
    void PostSelChange();
    // Takes an entry out without asking or reporting (the entry being added that is refused).
    void RemoveEntry(int nIndex);

  protected:
    // Implementation
    void SendCode(UINT nCode, BOOL bPost);
    int SelectedIndex() const;
    BOOL IsPlaceholder(int nIndex) const;
    void EnsureTrailingEmpty();
    void LoadButtonBitmap(int nButton, CBitmap& bitmap) const;
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    DECLARE_MESSAGE_MAP()

    CButton m_browseButton;
    CToolTipCtrl m_toolTip;
    SECListBoxEdit* m_pEdit;
    SECListBoxEditorHelper* m_pListBox;
    CRect m_rcButtons[btnCount];
    BOOL m_bButtonEnabled[btnCount];
    DWORD m_dwFlags;
    BOOL m_bCreated;
    int m_nTitleHeight;
    BOOL m_bAdding;
    CString m_strOldText;
    BOOL m_bEditCancelled;
    int m_nLastIndex;
    int m_nMoveTarget;
    BOOL m_bTabNavigation;
    int m_nAdvanceSpaces;
    // An edit closed from inside its own message handler is deleted later.
    SECListBoxEdit* m_pClosedEdit;
};
