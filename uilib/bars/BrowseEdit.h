// SECBrowseEditBase: takes over an edit of a dialog and puts a small "..." button at its right
// end; pressing it calls OnBrowse, which the file and directory edits implement. The edit owns
// its button (SECBrowseButton) and keeps it enabled and shown as it is itself.
#pragma once
#include "afxwin.h"
#include "Button.h"
#include "Edit.h"

class SECBrowseEditBase;

// The "..." button beside a browse edit.
class SECBrowseButton : public CButton
{
    DECLARE_DYNAMIC(SECBrowseButton)

  public:
    SECBrowseButton(SECBrowseEditBase* pEdit, UINT nID) : m_pEdit(pEdit), m_nID(nID)
    {
    }

    SECBrowseEditBase* m_pEdit;
    UINT m_nID;

  protected:
    afx_msg void OnClicked();
    DECLARE_MESSAGE_MAP()
};

class SECBrowseEditBase : public CEdit
{
    DECLARE_DYNAMIC(SECBrowseEditBase)

  public:
    // The button's width; the edit gives up one pixel more.
    static constexpr int kButtonWidth = 25;

    // Construction
    SECBrowseEditBase();
    ~SECBrowseEditBase() override;

    // Takes over control nID of pParent and adds the button. FALSE when there is no such control
    // or the button cannot be made.
    BOOL Initialize(UINT nID, CWnd* pParent);

    // Overridables
    // The button was pressed.
    virtual void OnBrowse();

    // Attributes
    SECBrowseButton* GetButton() const
    {
        return m_pButton;
    }
    void SetTitle(LPCTSTR lpszTitle)
    {
        m_strTitle = lpszTitle;
    }
    const CString& GetTitle() const
    {
        return m_strTitle;
    }

  protected:
    // Implementation
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    SECBrowseButton* m_pButton;
    CString m_strTitle;
};

// A browse edit choosing a file through the open-file dialog.
class SECBrowseFileEdit : public SECBrowseEditBase
{
    DECLARE_DYNAMIC(SECBrowseFileEdit)

  public:
    SECBrowseFileEdit();

    void OnBrowse() override;

    // "text|pattern|...||"
    CString m_strFilter;
    CString m_strInitialFile;
    CString m_strDefaultExt;
    DWORD m_dwFlags;
};

// A browse edit choosing a directory through SECDirSelectDlg.
class SECBrowseDirEdit : public SECBrowseEditBase
{
    DECLARE_DYNAMIC(SECBrowseDirEdit)

  public:
    SECBrowseDirEdit();

    void OnBrowse() override;

    // Bit 0: the old-style file dialog; clear: the shell's folder browser.
    WORD m_wSelectorStyle;
};
