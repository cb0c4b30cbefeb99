// CLogoPropPage: the company logo printed in the page header, left and/or right. The options
// command presets the three values and takes them back.
#pragma once
#include "station/record/MyPropertyPage.h"
#include "uilib/bars/BrowseEdit.h"

class CLogoPropPage : public CMyPropertyPage
{
    DECLARE_DYNAMIC(CLogoPropPage)

  public:
    // Construction
    CLogoPropPage();
    ~CLogoPropPage() override;

    // Attributes
    BOOL m_bLeftLogo;
    BOOL m_bRightLogo;
    CString m_strLogoPath;
    SECBrowseFileEdit m_logoPathEdit;

    // Overrides
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    void OnReset() override;

    // Implementation
  protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
