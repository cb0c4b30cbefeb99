// CDownloadWizzard: the profile download wizard and its pages.
#include "app/DownloadWizzard.h"
#include "AppIds.h"
#include "app/IRControlView.h"
#include "app/ProfileWizards.h"
#include "station/record/IRControlDoc.h"
#include "station/record/IRProfilSet.h"

using namespace profile_wizards;

// The pages -------------------------------------------------------------------------------

CDownloadWizPage5::CDownloadWizPage5() : CProfileWizPage(IDD_DOWNLOAD_WELCOME_PAGE)
{
}

void CDownloadWizPage5::DoDataExchange(CDataExchange* pDX)
{
    CProfileWizPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WIZ_PROGRAM, m_program);
    DDX_Control(pDX, IDC_WIZ_WARNING, m_warning);
    DDX_Control(pDX, IDC_WIZ_EXAMPLE, m_example);
}

void CDownloadWizPage5::OnSetActive()
{
    m_program.SetText(m_strProgram);
    StyleLabel(m_program, kRed, TRUE, 18);
    StyleLabel(m_warning, kBlue, FALSE, 0);
    StyleLabel(m_example, kRed, TRUE, 14);
    UpdateData(FALSE);
}

CDownloadWizPage1::CDownloadWizPage1() : CProfileWizPage(IDD_DOWNLOAD_OPERATOR_PAGE)
{
}

void CDownloadWizPage1::DoDataExchange(CDataExchange* pDX)
{
    CProfileWizPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WIZ_OPERATOR, m_strOperator);
}

CDownloadWizPage2::CDownloadWizPage2() : CProfileWizPage(IDD_DOWNLOAD_APERTURE_PAGE)
{
}

void CDownloadWizPage2::DoDataExchange(CDataExchange* pDX)
{
    CProfileWizPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WIZ_APERTURE_X_TEXT, m_apertureX);
    DDX_Control(pDX, IDC_WIZ_APERTURE_Y_TEXT, m_apertureY);
}

void CDownloadWizPage2::OnSetActive()
{
    m_apertureX.SetText(m_strApertureX);
    m_apertureY.SetText(m_strApertureY);
    StyleLabel(m_apertureX, kRed, TRUE, 18);
    StyleLabel(m_apertureY, kRed, TRUE, 18);
    UpdateData(FALSE);
}

CDownloadWizPage3::CDownloadWizPage3() : CProfileWizPage(IDD_DOWNLOAD_PIN1_PAGE)
{
}

void CDownloadWizPage3::DoDataExchange(CDataExchange* pDX)
{
    CProfileWizPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WIZ_PIN1_TEXT, m_pin1);
    DDX_Control(pDX, IDC_WIZ_WARNING, m_hint);
}

void CDownloadWizPage3::OnSetActive()
{
    m_pin1.SetText(m_strPin1);
    StyleLabel(m_pin1, kRed, TRUE, 18);
    StyleLabel(m_hint, kRed, FALSE, 15);
    UpdateData(FALSE);
}

CDownloadWizPage4::CDownloadWizPage4() : CProfileWizPage(IDD_DOWNLOAD_TINIT_PAGE), m_nStartMode(-1)
{
}

void CDownloadWizPage4::DoDataExchange(CDataExchange* pDX)
{
    CProfileWizPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WIZ_TINIT_TEXT, m_tinit);
    DDX_Control(pDX, IDC_WIZ_TINIT_PREFIX, m_tinitPrefix);
    DDX_Radio(pDX, IDC_WIZ_START_SWING, m_nStartMode);
}

void CDownloadWizPage4::OnSetActive()
{
    m_tinit.SetText(m_strTinit + _T("\xB0"
                                    "C"));
    StyleLabel(m_tinit, kRed, TRUE, 18);
    StyleLabel(m_tinitPrefix, kRed, TRUE, 18);
    UpdateData(FALSE);
}

// The wizard ------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CDownloadWizzard, CMyWizzard)

BEGIN_MESSAGE_MAP(CDownloadWizzard, CMyWizzard)
ON_COMMAND(ID_WIZ_FINISH, OnFinish)
END_MESSAGE_MAP()

CDownloadWizzard* CDownloadWizzard::s_pWizard = NULL;

CDownloadWizzard::CDownloadWizzard(CWnd* pParent)
    : CMyWizzard(IDD_PROFILE_WIZARD, pParent), m_pSet(NULL), m_hView(NULL)
{
    // The welcome page first; Finish comes with the Tinit page.
    CNewWizPage* pages[] = {&m_welcomePage, &m_operatorPage, &m_aperturePage, &m_pin1Page, &m_tinitPage};
    for (CNewWizPage* pPage : pages)
        AddPage(pPage, pPage->GetDialogID());
}

CDownloadWizzard::~CDownloadWizzard()
{
    delete m_pSet;
    if (s_pWizard == this)
        s_pWizard = NULL;
}

CDownloadWizzard* CDownloadWizzard::GetDownloadWizard()
{
    return GetSingleWizard(s_pWizard);
}

BOOL CDownloadWizzard::OnInitDialog()
{
    SetPlaceholderID(IDC_WIZ_PLACEHOLDER);
    SetStandardColors(TRUE);
    return CMyWizzard::OnInitDialog();
}

void CDownloadWizzard::PostNcDestroy()
{
    delete this;
}

void CDownloadWizzard::SetDownload(CIRControlView* pView, const CIRProfilSet& set)
{
    // A copy: the profile table may change or lose the set while the wizard is open.
    delete m_pSet;
    m_pSet = new CIRProfilSet(set.GetId(), set);
    m_pSet->CopyFieldsFrom(set);
    m_hView = pView != NULL ? pView->GetSafeHwnd() : NULL;
    CIRControlDoc* pDoc = pView != NULL ? pView->GetDocument() : NULL;
    m_welcomePage.m_strProgram = pDoc != NULL ? pDoc->GetProgramText() : CString();
    m_aperturePage.m_strApertureX = set.GetFieldText(12);
    m_aperturePage.m_strApertureY = set.GetFieldText(13);
    m_pin1Page.m_strPin1 = set.GetFieldText(14);
    m_tinitPage.m_strTinit = set.GetFieldText(15);
    if (pDoc != NULL)
        m_tinitPage.m_nStartMode = pDoc->GetAutoRecord();
}

void CDownloadWizzard::RestartAtFirstPage()
{
    ActivatePage(&m_welcomePage);
    ShowFirstPage();
    m_welcomePage.UpdateData(FALSE);
}

void CDownloadWizzard::OnFinish()
{
    CIRControlView* pView = FindView(m_hView);
    if (pView != NULL && m_pSet != NULL)
    {
        // The station must be able to take the profile now; the wizard stays until it can.
        if (!pView->IsOnline() || !pView->IsStationIdle())
        {
            AfxMessageBox(IDS_DOWNLOAD_NOT_READY, MB_ICONEXCLAMATION);
            return;
        }
        if (!FinishAllowed())
            return;
        if (m_operatorPage.IsCreated())
            m_operatorPage.UpdateData(TRUE);
        if (m_tinitPage.IsCreated())
            m_tinitPage.UpdateData(TRUE);
        pView->DownloadProfile(m_pSet, m_operatorPage.m_strOperator, m_tinitPage.m_nStartMode);
        DestroyWindow();
        return;
    }
    // The view that started the download is gone: nothing to download.
    if (FinishAllowed())
        DestroyWindow();
}
