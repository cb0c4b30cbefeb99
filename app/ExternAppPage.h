// CExternAppPage: the external application the Extras menu starts, with its options. The options
// command presets the two strings and takes them back.
#pragma once
#include "station/record/MyPropertyPage.h"
#include "uilib/bars/BrowseEdit.h"

class CExternAppPage : public CMyPropertyPage
{
    DECLARE_DYNAMIC(CExternAppPage)

  public:
    // Construction
    CExternAppPage();
    ~CExternAppPage() override;

    // Attributes
    CString m_strOptions;
    CString m_strAppPath;
    SECBrowseFileEdit m_appPathEdit;

    // Overrides
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    void OnReset() override;

    // Implementation
  protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
