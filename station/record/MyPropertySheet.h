// CMyPropertySheet: the base of the program's settings sheets. Its OK, Cancel, Apply and Help
// buttons become bitmap buttons in one right-aligned row; Enter on a focused button presses it.
#pragma once
#include "afxdlgs.h"
#include "uilib/common/BitmapButton.h"

class CMyPropertySheet : public CPropertySheet
{
    DECLARE_DYNAMIC(CMyPropertySheet)

  public:
    // Construction
    explicit CMyPropertySheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    explicit CMyPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    ~CMyPropertySheet() override;

    // Overrides
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

  protected:
    // Implementation
    tessaron::foundation::SECBitmapButton m_btnOk;
    tessaron::foundation::SECBitmapButton m_btnCancel;
    tessaron::foundation::SECBitmapButton m_btnApply;
    tessaron::foundation::SECBitmapButton m_btnHelp;

    afx_msg void OnHelpButton();
    DECLARE_MESSAGE_MAP()
};
