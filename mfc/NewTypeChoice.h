// CNewTypeChoice: the small modal window in which File New asks which kind of document to
// create when the application has several templates: a list of the templates' File New names,
// OK and Cancel. Enter or a double click chooses, Esc or closing cancels.
//
// Differences from MFC:
// - A plain popup run by RunModalLoop, not a dialog resource (the dialog classes live elsewhere).
#pragma once
#include "Wnd.h"

class CDocTemplate;

class CNewTypeChoice : public CWnd
{
  public:
    // Construction
    CNewTypeChoice() = default;

    // Operations
    // Shows the templates that have a File New name; the chosen one, or NULL when cancelled.
    CDocTemplate* Choose(const CPtrList& templateList, CWnd* pOwner);

    // Implementation
    enum
    {
        IDC_TYPELIST = 100 // the list box of the choice
    };
    BOOL PreTranslateMessage(MSG* pMsg) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnClose();
    afx_msg void OnOK();
    afx_msg void OnCancel();

  protected:
    CPtrList m_listChoices; // the templates shown, in list order
    CDocTemplate* m_pChosen = NULL;
    HFONT m_hFont = NULL;

    DECLARE_MESSAGE_MAP()
};
