// CUploadWizzard: the profile upload wizard and its pages.
#include "app/UploadWizzard.h"
#include "AppIds.h"
#include "app/IRControlView.h"
#include "app/ProfileWizards.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"
#include "station/record/IRControlDoc.h"
#include "ResourceText.h"

using namespace profile_wizards;

// Pages with choices ------------------------------------------------------------------------

CUploadChoicePage::CUploadChoicePage(UINT nIDTemplate) : CProfileWizPage(nIDTemplate), m_bRefresh(FALSE)
{
}

void CUploadChoicePage::OnSetActive()
{
    // The values set by the caller reach the controls once; later showings keep the user's.
    if (m_bRefresh)
    {
        UpdateData(FALSE);
        m_bRefresh = FALSE;
    }
    const SChoice* pChoices = NULL;
    int nCount = GetChoices(pChoices);
    FillChoices(pChoices, nCount);
}

void CUploadChoicePage::FillChoices(const SChoice* pChoices, int nCount)
{
    for (int i = 0; i < nCount; i++)
    {
        CComboBox* pCombo = (CComboBox*)GetDlgItem(pChoices[i].nComboID);
        if (pCombo == NULL)
            continue;
        pCombo->ResetContent();
        int nSelect = CB_ERR;
        for (UINT id = pChoices[i].nFirstText; id <= pChoices[i].nLastText; id++)
        {
            CString text = LoadText(id);
            int nItem = pCombo->AddString(text);
            pCombo->SetItemData(nItem, id);
            if (text == *pChoices[i].pSelected)
                nSelect = nItem;
        }
        pCombo->SetCurSel(nSelect);
    }
}

BOOL CUploadChoicePage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == CBN_SELCHANGE)
    {
        const SChoice* pChoices = NULL;
        int nCount = GetChoices(pChoices);
        for (int i = 0; i < nCount; i++)
        {
            if (pChoices[i].nComboID != LOWORD(wParam))
                continue;
            CComboBox* pCombo = (CComboBox*)GetDlgItem(pChoices[i].nComboID);
            int nItem = pCombo->GetCurSel();
            if (nItem != CB_ERR)
                *pChoices[i].pSelected = LoadText(UINT(pCombo->GetItemData(nItem)));
            return TRUE;
        }
    }
    return CProfileWizPage::OnCommand(wParam, lParam);
}

// The pages -------------------------------------------------------------------------------

namespace
{
// The value labels of the first page, in the order in which they are styled.
const UINT kValueLabels[] = {IDC_WIZ_ENERGY, IDC_WIZ_TL, IDC_WIZ_SENSOR, IDC_WIZ_T1,
                             IDC_WIZ_T2,     IDC_WIZ_T3, IDC_WIZ_TIME,   IDC_WIZ_PROGRAM};
} // namespace

CUploadWizPage1::CUploadWizPage1() : CProfileWizPage(IDD_UPLOAD_VALUES_PAGE)
{
}

void CUploadWizPage1::DoDataExchange(CDataExchange* pDX)
{
    CProfileWizPage::DoDataExchange(pDX);
    for (int i = 0; i < 8; i++)
        DDX_Control(pDX, kValueLabels[i], m_labels[i]);
}

void CUploadWizPage1::OnSetActive()
{
    const CString* texts[] = {&m_strEnergy, &m_strTL, &m_strSensor, &m_strT1,
                              &m_strT2,     &m_strT3, &m_strTime,   &m_strProgram};
    for (int i = 0; i < 8; i++)
    {
        m_labels[i].SetText(*texts[i]);
        StyleLabel(m_labels[i], kValueLabels[i] == IDC_WIZ_PROGRAM ? kBlue : kRed, TRUE, 12);
    }
    UpdateData(FALSE);
}

CUploadWizPage2::CUploadWizPage2() : CUploadChoicePage(IDD_UPLOAD_BOARD_PAGE)
{
    m_choices[0] = {IDC_WIZ_PROFILE_TYPE, IDS_PROFILE_TYPE_FIRST, IDS_PROFILE_TYPE_LAST, &m_strProfileType};
}

void CUploadWizPage2::DoDataExchange(CDataExchange* pDX)
{
    CUploadChoicePage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WIZ_BOARD, m_strBoard);
    DDX_Text(pDX, IDC_WIZ_COMPONENT, m_strComponent);
}

int CUploadWizPage2::GetChoices(const SChoice*& pChoices)
{
    pChoices = m_choices;
    return 1;
}

CUploadWizPage3::CUploadWizPage3() : CUploadChoicePage(IDD_UPLOAD_APERTURE_PAGE)
{
    m_choices[0] = {IDC_WIZ_APERTURE_X, IDS_BLENDE_FIRST, IDS_BLENDE_LAST, &m_strApertureX};
    m_choices[1] = {IDC_WIZ_APERTURE_Y, IDS_BLENDE_FIRST, IDS_BLENDE_LAST, &m_strApertureY};
}

int CUploadWizPage3::GetChoices(const SChoice*& pChoices)
{
    pChoices = m_choices;
    return 2;
}

CUploadWizPage4::CUploadWizPage4() : CUploadChoicePage(IDD_UPLOAD_PIN1_PAGE), m_nTinit(0)
{
    m_choices[0] = {IDC_WIZ_PIN1, IDS_PIN1_FIRST, IDS_PIN1_LAST, &m_strPin1};
    CProjektConfig& config = CApplicationValues::GetProjektConfig();
    m_nTinitMin = int(config.GetTinitMin());
    m_nTinitMax = int(config.GetTinitMax());
}

BOOL CUploadWizPage4::OnInitDialog()
{
    CUploadChoicePage::OnInitDialog();
    SendDlgItemMessage(IDC_WIZ_TINIT_SPIN, UDM_SETRANGE32, m_nTinitMin, m_nTinitMax);
    return TRUE;
}

void CUploadWizPage4::DoDataExchange(CDataExchange* pDX)
{
    CUploadChoicePage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WIZ_TINIT, m_nTinit);
    DDV_MinMaxInt(pDX, m_nTinit, m_nTinitMin, m_nTinitMax);
}

int CUploadWizPage4::GetChoices(const SChoice*& pChoices)
{
    pChoices = m_choices;
    return 1;
}

BOOL CUploadWizPage4::OnWizardFinish()
{
    return UpdateData(TRUE);
}

// The wizard ------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CUploadWizzard, CMyWizzard)

BEGIN_MESSAGE_MAP(CUploadWizzard, CMyWizzard)
ON_COMMAND(ID_WIZ_FINISH, OnFinish)
END_MESSAGE_MAP()

CUploadWizzard* CUploadWizzard::s_pWizard = NULL;

CUploadWizzard::CUploadWizzard(CWnd* pParent) : CMyWizzard(IDD_PROFILE_WIZARD, pParent), m_hView(NULL)
{
    CNewWizPage* pages[] = {&m_valuesPage, &m_boardPage, &m_aperturePage, &m_pin1Page};
    for (CNewWizPage* pPage : pages)
        AddPage(pPage, pPage->GetDialogID());
}

CUploadWizzard::~CUploadWizzard()
{
    if (s_pWizard == this)
        s_pWizard = NULL;
}

CUploadWizzard* CUploadWizzard::GetUploadWizard()
{
    return GetSingleWizard(s_pWizard);
}

BOOL CUploadWizzard::OnInitDialog()
{
    SetPlaceholderID(IDC_WIZ_PLACEHOLDER);
    SetStandardColors(TRUE);
    return CMyWizzard::OnInitDialog();
}

void CUploadWizzard::PostNcDestroy()
{
    delete this;
}

void CUploadWizzard::SetUpload(CIRControlView* pView)
{
    m_hView = pView != NULL ? pView->GetSafeHwnd() : NULL;
    CIRControlDoc* pDoc = pView != NULL ? pView->GetDocument() : NULL;
    if (pDoc == NULL)
        return;
    m_valuesPage.m_strT1 = pDoc->GetT1Text(FALSE);
    m_valuesPage.m_strT2 = pDoc->GetT2Text(FALSE);
    m_valuesPage.m_strT3 = pDoc->GetT3Text(FALSE);
    m_valuesPage.m_strTL = pDoc->GetTLText(FALSE);
    m_valuesPage.m_strEnergy = pDoc->GetEnergyText(FALSE);
    m_valuesPage.m_strTime = pDoc->GetTimeText(FALSE);
    m_valuesPage.m_strSensor = pDoc->GetSensorText(FALSE);
    m_valuesPage.m_strProgram = pDoc->GetProgramText();
    m_boardPage.m_strBoard = pDoc->GetBoardName();
    m_boardPage.m_strComponent = pDoc->GetComponent();
    m_boardPage.m_strProfileType = pDoc->GetProfileType();
    m_aperturePage.m_strApertureX = pDoc->GetApertureX();
    m_aperturePage.m_strApertureY = pDoc->GetApertureY();
    m_pin1Page.m_strPin1 = pDoc->GetPin1Position();
    m_pin1Page.m_nTinit = pDoc->GetTinit();
    m_boardPage.m_bRefresh = m_aperturePage.m_bRefresh = m_pin1Page.m_bRefresh = TRUE;
}

void CUploadWizzard::RestartAtFirstPage()
{
    ActivatePage(&m_valuesPage);
    ShowFirstPage();
    m_valuesPage.UpdateData(FALSE);
}

void CUploadWizzard::OnFinish()
{
    if (!FinishAllowed())
        return;
    // The corrections belong to the document whose values the wizard showed.
    CIRControlView* pView = FindView(m_hView);
    CIRControlDoc* pDoc = pView != NULL ? pView->GetDocument() : NULL;
    if (pDoc != NULL)
    {
        CUploadChoicePage* pages[] = {&m_boardPage, &m_aperturePage, &m_pin1Page};
        for (CUploadChoicePage* pPage : pages)
            if (pPage->IsCreated())
                pPage->UpdateData(TRUE);
        pDoc->SetBoardName(m_boardPage.m_strBoard);
        pDoc->SetComponentName(m_boardPage.m_strComponent);
        pDoc->SetProfileTypeText(m_boardPage.m_strProfileType);
        pDoc->SetApertureXText(m_aperturePage.m_strApertureX);
        pDoc->SetApertureYText(m_aperturePage.m_strApertureY);
        pDoc->SetPin1Text(m_pin1Page.m_strPin1);
        pDoc->SetTinit(m_pin1Page.m_nTinit);
        pDoc->FillParameterDlg(pView->IsOnline());
        pDoc->FillParameterDlgInfo();
        pView->UploadProfile();
    }
    DestroyWindow();
}
