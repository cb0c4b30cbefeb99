// CKuvoInfoDlg: the about box: the program's name, version, copyright and comments from its
// version resource, the maker's address, and links to its e-mail and web addresses.
#pragma once
#include "app/Label.h"
#include "app/StaticLink.h"
#include "station/record/MyDialog.h"

class CKuvoInfoDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CKuvoInfoDlg)

  public:
    // Construction
    explicit CKuvoInfoDlg(CWnd* pParent = NULL);
    ~CKuvoInfoDlg() override;

    // Overrides
    BOOL OnInitDialog() override;

  protected:
    // Implementation
    CStaticLink m_linkMail;
    CStaticLink m_linkWeb;
    CLabel m_labelTitle;
    CLabel m_labelNotice1;
    CLabel m_labelNotice2;
};
