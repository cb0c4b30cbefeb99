// SECWsMgrDialogEx: the workspace manager's dialog in registry mode: the recent workspace names
// in an editable list, "&Open" and "&Save" choosing a name, "&Done" keeping the current one.
// The caller owns the three name lists and applies the edits after OK.
#pragma once
#include "afxwin.h"
#include "Dialog.h"
#include "StringArray.h"

class SECWSLBEditorEx;

class SECWsMgrDialogEx : public CDialog
{
    DECLARE_DYNAMIC(SECWsMgrDialogEx)

  public:
    // Construction
    SECWsMgrDialogEx(CStringArray& oldNames, CStringArray& newNames, CStringArray& deletedNames,
                     CString& strChosen, BOOL bOpenAllowed, BOOL bSaveAllowed, CWnd* pParent = NULL);
    ~SECWsMgrDialogEx() override;

    // Operations
    // "&Open" and "&Save" as far as the caller allows them.
    void EnableButtons(BOOL bOpen, BOOL bSave);
    SECWSLBEditorEx* GetEditor() const
    {
        return m_pEditor;
    }

  protected:
    // Implementation
    BOOL OnInitDialog() override;
    afx_msg void OnOpenOrSave();
    afx_msg void OnDone();
    DECLARE_MESSAGE_MAP()

    SECWSLBEditorEx* m_pEditor;
    CStringArray& m_oldNames;
    CString& m_strChosen;
    BOOL m_bOldWindows;
    BOOL m_bOpenAllowed;
    BOOL m_bSaveAllowed;
};
