// CAnalyseDlg: the small modeless window beside the analysis cursor line. It shows the cursor's
// time and the values of the first two measurement curves there; each recording document owns
// one, made hidden through the application's maker.
#pragma once
#include "station/record/MyDialog.h"

class CAnalyseDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CAnalyseDlg)

  public:
    enum
    {
        TextCount = 4
    };

    // Construction
    CAnalyseDlg();
    ~CAnalyseDlg() override;
    // The document's maker: the dialog with its window, hidden, owned by the main window.
    static CDialog* CreateForDocument();
    // The document's way to ShowValuesAt without knowing the class.
    static void ShowValuesOf(CDialog* pDlg, CObList& objects, const CString& strPosition, int nTime);

    // Attributes
    CString m_strText[TextCount];

    // Operations
    // Text 0 the heading, then one text per measurement curve of the list (at most three).
    void ShowValuesAt(CObList& objects, CString strPosition, int nTime);

    // Overrides
    // Made hidden, it must not take the focus (and with it the activation) from the program.
    BOOL OnInitDialog() override;

    // Implementation
  protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
