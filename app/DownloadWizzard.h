// CDownloadWizzard: the modeless five-page wizard that walks the operator through a profile
// download: the station program that will be overwritten, the operator's name, the apertures,
// the pin-1 orientation and the start temperature with the way the recording starts. It keeps
// its own copy of the profile set and downloads through the recording view that started it.
#pragma once
#include "station/record/MyWizzard.h"
#include "app/ProfileWizards.h"
#include "app/Label.h"

class CIRProfilSet;
class CIRControlView;

// The welcome page: the station program that the download overwrites.
class CDownloadWizPage5 : public CProfileWizPage
{
  public:
    CDownloadWizPage5();
    void OnSetActive() override;
    CString m_strProgram;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    CLabel m_program;
    CLabel m_warning;
    CLabel m_example;
};

// The operator's name for the record.
class CDownloadWizPage1 : public CProfileWizPage
{
  public:
    CDownloadWizPage1();
    CString m_strOperator;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

// The two apertures of the radiator head.
class CDownloadWizPage2 : public CProfileWizPage
{
  public:
    CDownloadWizPage2();
    void OnSetActive() override;
    CString m_strApertureX;
    CString m_strApertureY;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    CLabel m_apertureX;
    CLabel m_apertureY;
};

// The pin-1 orientation of the component.
class CDownloadWizPage3 : public CProfileWizPage
{
  public:
    CDownloadWizPage3();
    void OnSetActive() override;
    CString m_strPin1;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    CLabel m_pin1;
    CLabel m_hint;
};

// Tinit and how the recording starts (0 top heater swings in, 1 Tinit reached, 2 no autostart).
class CDownloadWizPage4 : public CProfileWizPage
{
  public:
    CDownloadWizPage4();
    void OnSetActive() override;
    CString m_strTinit;
    int m_nStartMode;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    CLabel m_tinit;
    CLabel m_tinitPrefix;
};

class CDownloadWizzard : public CMyWizzard
{
    DECLARE_DYNAMIC(CDownloadWizzard)

  public:
    // Construction
    explicit CDownloadWizzard(CWnd* pParent = NULL);
    ~CDownloadWizzard() override;
    // The one wizard, made and shown modeless on first use.
    static CDownloadWizzard* GetDownloadWizard();
    // The open wizard or NULL.
    static CDownloadWizzard* GetOpenWizard()
    {
        return s_pWizard;
    }

    // Operations
    // The set to download (copied) and the view that downloads it; the pages' texts come from
    // the set and from the view's document.
    void SetDownload(CIRControlView* pView, const CIRProfilSet& set);
    void RestartAtFirstPage();
    const CIRProfilSet* GetProfileSet() const
    {
        return m_pSet;
    }

    // Overrides
    BOOL OnInitDialog() override;

    // The pages, in the order in which they are shown.
    CDownloadWizPage5 m_welcomePage;
    CDownloadWizPage1 m_operatorPage;
    CDownloadWizPage2 m_aperturePage;
    CDownloadWizPage3 m_pin1Page;
    CDownloadWizPage4 m_tinitPage;

  protected:
    // Implementation
    void PostNcDestroy() override;

    CIRProfilSet* m_pSet; // owned copy
    HWND m_hView;         // the view that started the download
    static CDownloadWizzard* s_pWizard;

    afx_msg void OnFinish();
    DECLARE_MESSAGE_MAP()
};
