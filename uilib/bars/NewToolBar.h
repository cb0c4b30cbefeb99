// SECNewToolBar: asks for the name of a new toolbar (template 20511). OK is enabled only while
// the name is not empty; the name is cut to 128 characters as it is typed.
#pragma once
#include "afxwin.h"
#include "Dialog.h"

class SECNewToolBar : public CDialog
{
    DECLARE_DYNAMIC(SECNewToolBar)

  public:
    // Construction
    explicit SECNewToolBar(CWnd* pParent = NULL);

    // Attributes
    CString m_strName;

    // Overrides
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Implementation
  protected:
    afx_msg void OnChangeName();
    DECLARE_MESSAGE_MAP()
};
