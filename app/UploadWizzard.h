// CUploadWizzard: the modeless four-page wizard that takes the recording document's parameter
// set into the profile table: it shows the uploaded values, lets the operator correct board,
// component, profile type, apertures, pin-1 position and Tinit, and appends the set on Finish.
#pragma once
#include "station/record/MyWizzard.h"
#include "app/ProfileWizards.h"
#include "app/Label.h"

class CIRControlView;
class CIRControlDoc;

// A page whose combo boxes offer string-resource choices; the choice's text is kept per combo.
class CUploadChoicePage : public CProfileWizPage
{
  public:
    explicit CUploadChoicePage(UINT nIDTemplate);
    // The page's data goes to its controls on the next showing.
    BOOL m_bRefresh;

  protected:
    struct SChoice
    {
        UINT nComboID;
        UINT nFirstText;
        UINT nLastText;
        CString* pSelected;
    };
    // Refills each combo from its strings, each entry carrying its string id, and selects the
    // entry whose text equals the kept one (none when nothing matches).
    void FillChoices(const SChoice* pChoices, int nCount);
    // CBN_SELCHANGE: the chosen entry's string becomes the kept text.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSetActive() override;
    virtual int GetChoices(const SChoice*& pChoices) = 0;
};

// The values taken from the station (or the file).
class CUploadWizPage1 : public CProfileWizPage
{
  public:
    CUploadWizPage1();
    void OnSetActive() override;
    CString m_strT1, m_strT2, m_strT3, m_strTL, m_strEnergy, m_strTime, m_strSensor, m_strProgram;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    CLabel m_labels[8];
};

// Board, component and profile type.
class CUploadWizPage2 : public CUploadChoicePage
{
  public:
    CUploadWizPage2();
    CString m_strBoard, m_strComponent, m_strProfileType;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int GetChoices(const SChoice*& pChoices) override;
    SChoice m_choices[1];
};

// The two apertures.
class CUploadWizPage3 : public CUploadChoicePage
{
  public:
    CUploadWizPage3();
    CString m_strApertureX, m_strApertureY;

  protected:
    int GetChoices(const SChoice*& pChoices) override;
    SChoice m_choices[2];
};

// The pin-1 position and Tinit, held to the configured limits.
class CUploadWizPage4 : public CUploadChoicePage
{
  public:
    CUploadWizPage4();
    BOOL OnInitDialog() override;
    // Finish stays on this page while Tinit is out of its limits.
    BOOL OnWizardFinish() override;
    CString m_strPin1;
    int m_nTinit;
    int m_nTinitMin;
    int m_nTinitMax;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int GetChoices(const SChoice*& pChoices) override;
    SChoice m_choices[1];
};

class CUploadWizzard : public CMyWizzard
{
    DECLARE_DYNAMIC(CUploadWizzard)

  public:
    // Construction
    explicit CUploadWizzard(CWnd* pParent = NULL);
    ~CUploadWizzard() override;
    // The one wizard, made and shown modeless on first use.
    static CUploadWizzard* GetUploadWizard();
    static CUploadWizzard* GetOpenWizard()
    {
        return s_pWizard;
    }

    // Operations
    // The pages' values from the view's document, which Finish corrects and appends.
    void SetUpload(CIRControlView* pView);
    void RestartAtFirstPage();

    // Overrides
    BOOL OnInitDialog() override;

    CUploadWizPage1 m_valuesPage;
    CUploadWizPage2 m_boardPage;
    CUploadWizPage3 m_aperturePage;
    CUploadWizPage4 m_pin1Page;

  protected:
    // Implementation
    void PostNcDestroy() override;

    HWND m_hView; // the view whose document is uploaded
    static CUploadWizzard* s_pWizard;

    afx_msg void OnFinish();
    DECLARE_MESSAGE_MAP()
};
