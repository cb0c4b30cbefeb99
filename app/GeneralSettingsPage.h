// CGeneralSettingsPage: connecting at start, the wizards, the quick-save folder and the default
// axis ranges and steps of new recordings.
#pragma once
#include "station/record/MyPropertyPage.h"
#include "uilib/bars/BrowseEdit.h"

class CGeneralSettingsPage : public CMyPropertyPage
{
    DECLARE_DYNAMIC(CGeneralSettingsPage)

  public:
    // Construction
    CGeneralSettingsPage();
    ~CGeneralSettingsPage() override;

    // Attributes
    BOOL m_bAutoCom;
    BOOL m_bDownloadWizzard;
    BOOL m_bUploadWizzard;
    CString m_strQuickSaveDir;
    int m_nTempBase;
    int m_nTimeBase;
    int m_nTempIntervall;
    int m_nTimeIntervall;
    SECBrowseDirEdit m_quickSaveDirEdit;

    // Overrides
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    void OnReset() override;

    // Implementation
  protected:
    void Load();
    void DoDataExchange(CDataExchange* pDX) override;
};
