// CParameterDlg: the user mask's controls, its input into the document and the highlight of the
// station's current parameters.
#include "app/ParameterDlg.h"
#include "app/SolderProfilGraph.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureGrid.h"
#include "AppIds.h"
#include "DataExchange.h"
#include "SpinButtonCtrl.h"
#include "StationIds.h"
#include "ResourceText.h"

IMPLEMENT_DYNAMIC(CParameterDlg, CMyDialog)

BEGIN_MESSAGE_MAP(CParameterDlg, CMyDialog)
ON_EN_UPDATE(IDC_MASK_OPERATOR, OnInput)
ON_EN_UPDATE(IDC_MASK_TINIT, OnInput)
ON_EN_UPDATE(IDC_MASK_BOARD, OnInput)
ON_EN_UPDATE(IDC_MASK_COMPONENT, OnInput)
ON_EN_UPDATE(IDC_MASK_HEADER, OnInput)
ON_CBN_SELCHANGE(IDC_MASK_APERTURE_X, OnInput)
ON_CBN_SELCHANGE(IDC_MASK_APERTURE_Y, OnInput)
ON_CBN_SELCHANGE(IDC_MASK_PIN1, OnInput)
ON_CBN_SELCHANGE(IDC_MASK_PROFILE_TYPE, OnInput)
ON_WM_TIMER()
ON_WM_SIZE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
const UINT_PTR kHighlightTimer = 1;
const UINT kHighlightPeriodMs = 1000;
const int kHighlightSeconds = 10;
const COLORREF kChangedColour = RGB(255, 0, 0);
const COLORREF kSettledColour = RGB(0, 0, 255);
const int kLabelFontHeight = 11;
const int kGraphMargin = 4;

// The labels' controls, in the order of the label enumeration.
const UINT kLabelIds[CParameterDlg::LabelCount] = {IDC_MASK_PROGRAM, IDC_MASK_T1,     IDC_MASK_T2,
                                                   IDC_MASK_T3,      IDC_MASK_TL,     IDC_MASK_ENERGY,
                                                   IDC_MASK_TIME,    IDC_MASK_SENSOR, IDC_MASK_GROUP};

// Each combo box with the string ids of its entries and the text it starts with.
const struct
{
    UINT nId;
    UINT nFirst;
    UINT nLast;
    UINT nInitial;
} kCombos[] = {
    {IDC_MASK_PROFILE_TYPE, IDS_PROFILE_TYPE_FIRST, IDS_PROFILE_TYPE_LAST, IDS_REC_PROFILE_TYPE_DEFAULT},
    {IDC_MASK_PIN1, IDS_PIN1_FIRST, IDS_PIN1_LAST, IDS_PIN1_DEFAULT},
    {IDC_MASK_APERTURE_Y, IDS_BLENDE_FIRST, IDS_BLENDE_LAST, IDS_BLENDE_DEFAULT},
    {IDC_MASK_APERTURE_X, IDS_BLENDE_FIRST, IDS_BLENDE_LAST, IDS_BLENDE_DEFAULT},
};

// The validity of the previous report, one for the whole program.
BOOL s_bLastValid = TRUE;

} // namespace

CParameterDlg::CParameterDlg(CIRControlDoc* pDoc, CWnd* pParent)
    : CMyDialog(IDD_PARAMETER, pParent), m_nTinit(0), m_bReady(FALSE), m_pGraph(NULL), m_pDocument(pDoc),
      m_bExchangeCombos(FALSE), m_bTimer(FALSE), m_bPendingUpdate(FALSE), m_bConfirm(FALSE),
      m_nCountdown(0), m_graphValues{-1, -1, -1, -1, -1}
{
    CProjektConfig& config = CApplicationValues::GetProjektConfig();
    m_nTinitMin = (int)config.GetTinitMin();
    m_nTinitMax = (int)config.GetTinitMax();
    m_nTinit = (int)config.GetTinitDefault();
    for (int n = 0; n < ComboCount; n++)
        SelectedText(n) = LoadText(kCombos[n].nInitial);
}

CParameterDlg::~CParameterDlg()
{
    delete m_pGraph;
}

BOOL CParameterDlg::Create(CWnd* pParent)
{
    return CMyDialog::Create(IDD_PARAMETER, pParent);
}

CDialog* CParameterDlg::CreateForDocument(CIRControlDoc* pDoc, CWnd* pParent)
{
    CParameterDlg* pDlg = new CParameterDlg(pDoc, pParent);
    if (!pDlg->Create(pParent))
    {
        delete pDlg;
        return NULL;
    }
    return pDlg;
}

CString& CParameterDlg::SelectedText(int nCombo)
{
    CString* texts[ComboCount] = {&m_strProfileType, &m_strPin1, &m_strApertureY, &m_strApertureX};
    return *texts[nCombo];
}

BOOL CParameterDlg::OnInitDialog()
{
    for (int n = 0; n < ComboCount; n++)
        m_combos[n].SubclassDlgItem(kCombos[n].nId, this);
    for (int n = 0; n < LabelCount; n++)
        m_labels[n].SubclassDlgItem(kLabelIds[n], this);
    CMyDialog::OnInitDialog();
    FillCombos();
    if (CSpinButtonCtrl* pSpin = (CSpinButtonCtrl*)GetDlgItem(IDC_MASK_TINIT_SPIN))
    {
        pSpin->SetRange32(m_nTinitMin, m_nTinitMax);
        pSpin->SetPos(m_nTinit);
    }
    if (m_pGraph == NULL)
        if (CWnd* pPlace = GetDlgItem(IDC_MASK_GRAPH))
        {
            CRect rect;
            pPlace->GetWindowRect(&rect);
            ScreenToClient(&rect);
            pPlace->ShowWindow(SW_HIDE);
            m_pGraph = new CSolderProfilGraph(rect, this);
        }
    for (CLabel& label : m_labels)
        label.SetFontBold(TRUE)
            .SetFontName("MS Sans Serif")
            .SetFontSize(kLabelFontHeight)
            .SetTextColor(kChangedColour);
    m_bTimer = SetTimer(kHighlightTimer, kHighlightPeriodMs, NULL) != 0;
    RefreshControls();
    m_bReady = TRUE;
    return TRUE;
}

BOOL CParameterDlg::PreTranslateMessage(MSG* pMsg)
{
    return CMeasureGrid::OfferFrameKey(this, pMsg) || CMyDialog::PreTranslateMessage(pMsg);
}

void CParameterDlg::FillCombos()
{
    for (int n = 0; n < ComboCount; n++)
    {
        CComboBox& combo = m_combos[n];
        combo.ResetContent();
        for (UINT nID = kCombos[n].nFirst; nID <= kCombos[n].nLast; nID++)
            combo.SetItemData(combo.AddString(LoadText(nID)), nID);
        combo.SetCurSel(combo.FindStringExact(-1, SelectedText(n)));
    }
}

void CParameterDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_MASK_BOARD, m_strBoard);
    DDX_Text(pDX, IDC_MASK_COMPONENT, m_strComponent);
    DDX_Text(pDX, IDC_MASK_OPERATOR, m_strOperator);
    DDX_Text(pDX, IDC_MASK_HEADER, m_strHeader);
    DDV_MaxChars(pDX, m_strHeader, MaxHeaderLength);
    DDX_Text(pDX, IDC_MASK_DATE, m_strDate);
    DDX_Text(pDX, IDC_MASK_TINIT, m_nTinit);
    if (!m_bExchangeCombos || m_combos[0].m_hWnd == NULL)
        return;
    // Going out the combo boxes show their texts; coming back each text is its entry's string.
    for (int n = 0; n < ComboCount; n++)
    {
        CComboBox& combo = m_combos[n];
        if (!pDX->m_bSaveAndValidate)
            combo.SetCurSel(combo.FindStringExact(-1, SelectedText(n)));
        else if (combo.GetCurSel() >= 0)
            SelectedText(n) = LoadText((UINT)combo.GetItemData(combo.GetCurSel()));
    }
}

void CParameterDlg::RefreshControls()
{
    if (m_hWnd == NULL)
        return;
    // The controls' own notifications must not read half-refreshed controls back.
    BOOL bReady = m_bReady;
    m_bReady = FALSE;
    m_bExchangeCombos = TRUE;
    UpdateData(FALSE);
    m_bExchangeCombos = FALSE;
    m_bReady = bReady;
}

void CParameterDlg::OnInput()
{
    if (m_bReady)
        StoreInput();
}

void CParameterDlg::StoreInput()
{
    m_bExchangeCombos = TRUE;
    BOOL bRead = UpdateData(TRUE);
    m_bExchangeCombos = FALSE;
    if (!bRead || m_pDocument == NULL)
        return;
    m_pDocument->SetOperatorName(m_strOperator);
    m_pDocument->SetBoardName(m_strBoard);
    m_pDocument->SetComponentName(m_strComponent);
    m_pDocument->SetHeaderLine(m_strHeader);
    m_pDocument->SetApertureXText(m_strApertureX);
    m_pDocument->SetApertureYText(m_strApertureY);
    m_pDocument->SetPin1Text(m_strPin1);
    m_pDocument->SetProfileTypeText(m_strProfileType);
    m_pDocument->SetTinit(m_nTinit);
}

void CParameterDlg::SetOperator(LPCTSTR text)
{
    m_strOperator = text;
    RefreshControls();
}

void CParameterDlg::SetBoard(LPCTSTR text)
{
    m_strBoard = text;
    RefreshControls();
}

void CParameterDlg::SetComponent(LPCTSTR text)
{
    m_strComponent = text;
    RefreshControls();
}

void CParameterDlg::SetHeaderLine(LPCTSTR text)
{
    m_strHeader = text;
    RefreshControls();
}

void CParameterDlg::SetTinit(int nTinit)
{
    m_nTinit = nTinit;
    RefreshControls();
}

void CParameterDlg::SetTestDate(LPCTSTR text)
{
    m_strDate = text;
    RefreshControls();
}

void CParameterDlg::SelectText(int nCombo, LPCTSTR text)
{
    SelectedText(nCombo) = text;
    RefreshControls();
}

void CParameterDlg::SelectApertureX(LPCTSTR text)
{
    SelectText(ComboApertureX, text);
}

void CParameterDlg::SelectApertureY(LPCTSTR text)
{
    SelectText(ComboApertureY, text);
}

void CParameterDlg::SelectPin1Position(LPCTSTR text)
{
    SelectText(ComboPin1, text);
}

void CParameterDlg::SelectProfileType(LPCTSTR text)
{
    SelectText(ComboProfileType, text);
}

BOOL CParameterDlg::SetPendingUpdate()
{
    m_bPendingUpdate = TRUE;
    m_bConfirm = TRUE;
    return TRUE;
}

void CParameterDlg::ColourLabels(COLORREF colour)
{
    for (CLabel& label : m_labels)
        if (label.m_hWnd != NULL)
            label.SetTextColor(colour);
}

void CParameterDlg::ShowCurrentParameters(LPCTSTR program, LPCTSTR t1, LPCTSTR t2, LPCTSTR t3, LPCTSTR tl,
                                          LPCTSTR energy, LPCTSTR time, LPCTSTR sensor, BOOL bValid)
{
    if (m_hWnd == NULL)
        return;
    const LPCTSTR texts[LabelGroup] = {program, t1, t2, t3, tl, energy, time, sensor};
    BOOL bChanged = FALSE;
    for (int n = 0; n < LabelGroup; n++)
    {
        CString shown;
        m_labels[n].GetWindowText(shown);
        if (shown == texts[n])
            continue;
        bChanged = TRUE;
        // A confirmed download: the station now shows what was sent, the highlight may end.
        if (m_bConfirm && n != LabelProgram && m_nCountdown > 1)
            m_nCountdown = 1;
    }
    if (!bValid)
        ColourLabels(kChangedColour);
    else if (!m_bConfirm && bChanged)
        m_bPendingUpdate = TRUE;
    if (!s_bLastValid && bValid)
    {
        m_bPendingUpdate = FALSE;
        m_nCountdown = 1;
    }
    s_bLastValid = bValid;
    for (int n = 0; n < LabelGroup; n++)
    {
        CString shown;
        m_labels[n].GetWindowText(shown);
        if (shown != texts[n])
            m_labels[n].SetText(texts[n]);
    }
}

void CParameterDlg::UpdateProfileGraph(int nTinit, int nT1, int nTime, int nT2, int nT3, LPCTSTR unit)
{
    const int values[5] = {nTinit, nT1, nTime, nT2, nT3};
    if (memcmp(values, m_graphValues, sizeof(values)) == 0 && m_strGraphUnit == unit)
        return;
    memcpy(m_graphValues, values, sizeof(values));
    m_strGraphUnit = unit;
    if (m_pGraph != NULL)
        m_pGraph->SetProfile(nTinit, nT1, nTime, nT2, nT3, unit);
}

void CParameterDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kHighlightTimer)
    {
        CMyDialog::OnTimer(nIDEvent);
        return;
    }
    if (m_bPendingUpdate)
    {
        m_nCountdown = kHighlightSeconds;
        ColourLabels(kChangedColour);
        m_bPendingUpdate = FALSE;
    }
    else if (m_nCountdown > 0 && --m_nCountdown == 0)
    {
        ColourLabels(kSettledColour);
        m_bPendingUpdate = FALSE;
        m_bConfirm = FALSE;
    }
}

void CParameterDlg::OnSize(UINT nType, int cx, int cy)
{
    CMyDialog::OnSize(nType, cx, cy);
    FitGraph();
}

void CParameterDlg::FitGraph()
{
    // The graph keeps its place's top left corner and takes the rest of the dialog.
    CWnd* pPlace = GetDlgItem(IDC_MASK_GRAPH);
    if (m_pGraph == NULL || m_pGraph->GetSafeHwnd() == NULL || pPlace == NULL)
        return;
    CRect place, client;
    pPlace->GetWindowRect(&place);
    ScreenToClient(&place);
    GetClientRect(&client);
    CRect rect(place.left, place.top, std::max(place.left, client.right - kGraphMargin),
               std::max(place.top, client.bottom - kGraphMargin));
    m_pGraph->MoveWindow(&rect);
    m_pGraph->Redraw();
}

void CParameterDlg::OnDestroy()
{
    if (m_bTimer)
        KillTimer(kHighlightTimer);
    m_bTimer = FALSE;
    CMyDialog::OnDestroy();
}
