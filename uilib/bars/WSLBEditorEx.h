// SECWSLBEditorEx: the workspace dialog's editable list of names. It keeps the caller's three
// lists in step with the user's edits: the names as read, the names being edited (same
// positions) and the names deleted; renames and new names are checked before they stay.
#pragma once
#include "StringArray.h"
#include "uilib/treelist/ListBoxEditor.h"

class SECWsMgrDialogEx;

class SECWSLBEditorEx : public SECListBoxEditor
{
    DECLARE_DYNAMIC(SECWSLBEditorEx)

  public:
    // Construction. The lists belong to the caller.
    SECWSLBEditorEx(CStringArray& oldNames, CStringArray& newNames, CStringArray& deletedNames,
                    SECWsMgrDialogEx* pDialog);

    // Overridables
    // An in-place edit starts: the dialog's buttons are off meanwhile.
    void NotifySelChange() override;
    // It ended: the buttons are on again.
    void CheckSelection() override;
    // A rename.
    void OnItemTextChanged(int nIndex, LPCTSTR lpszOld, LPCTSTR lpszNew) override;
    // A new name.
    void OnEditComplete(int nIndex, LPCTSTR lpszText) override;
    void OnItemsSwapped(int nFrom, int nTo, LPCTSTR lpszText) override;
    BOOL OnItemDeleting(int nIndex, LPCTSTR lpszText) override;

  protected:
    // Implementation
    int FindNewName(LPCTSTR lpszName) const;
    // Shows a text of the string table (formatted with lpszName when given) with the dialog's
    // caption; the answer.
    int Message(UINT nID, LPCTSTR lpszName, UINT nType);
    // Puts the old text back at nIndex after a refused rename.
    void RestoreText(int nIndex, LPCTSTR lpszOld);

    CStringArray& m_oldNames;
    CStringArray& m_newNames;
    CStringArray& m_deletedNames;
    SECWsMgrDialogEx* m_pDialog;
};
