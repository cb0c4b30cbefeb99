// CLongLifeTestDlg: the long-life test's status window.
#include "app/LongLifeTestDlg.h"
#include "AppIds.h"
#include "app/IRControlView.h"
#include "app/StationJobCodes.h"
#include "station/link/CommMessages.h"

IMPLEMENT_DYNAMIC(CLongLifeTestDlg, CMyDialog)

BEGIN_MESSAGE_MAP(CLongLifeTestDlg, CMyDialog)
ON_MESSAGE(WM_LONGLIFE_UPDATE, OnLongLifeUpdate)
ON_COMMAND(IDC_LONGLIFE_PARAMETER, OnParameter)
ON_COMMAND(IDC_LONGLIFE_RESET, OnReset)
ON_COMMAND(IDC_LONGLIFE_START, OnStart)
END_MESSAGE_MAP()

namespace
{
// The shown values: the text's control, the view's variable and the unit after the number.
enum Unit
{
    None,
    Seconds,
    Percent
};
struct Shown
{
    CString CLongLifeTestDlg::*pText;
    UINT nID;
    int nVariable;
    Unit unit;
};
// clang-format off
const Shown s_shown[] = {
    {&CLongLifeTestDlg::m_strPauseLinear,   IDC_LONGLIFE_PAUSE_LINEAR,  StationVar::LongLifePauseLinear,  Seconds},
    {&CLongLifeTestDlg::m_strPauseSaddle,   IDC_LONGLIFE_PAUSE_SADDLE,  StationVar::LongLifePauseSaddle,  Seconds},
    {&CLongLifeTestDlg::m_strCyclesLinear,  IDC_LONGLIFE_CYCLES_LINEAR, StationVar::LongLifeCyclesLinear, None},
    {&CLongLifeTestDlg::m_strCyclesSaddle,  IDC_LONGLIFE_CYCLES_SADDLE, StationVar::LongLifeCyclesSaddle, None},
    {&CLongLifeTestDlg::m_strPower,         IDC_LONGLIFE_POWER,         StationVar::LongLifePower,        Percent},
    {&CLongLifeTestDlg::m_strTimerLinear,   IDC_LONGLIFE_TIMER_LINEAR,  StationVar::LongLifeTimerLinear,  Seconds},
    {&CLongLifeTestDlg::m_strTimerSaddle,   IDC_LONGLIFE_TIMER_SADDLE,  StationVar::LongLifeTimerSaddle,  Seconds},
};
// clang-format on
} // namespace

CLongLifeTestDlg::CLongLifeTestDlg(CIRControlView* pView) : CMyDialog(IDD_LONGLIFE_TEST, NULL), m_pView(pView)
{
}

CLongLifeTestDlg::~CLongLifeTestDlg()
{
}

BOOL CLongLifeTestDlg::IsTestRunning() const
{
    return m_pView != NULL && m_pView->GetMirroredVar(StationVar::LongLifeActive) > 0.0f;
}

void CLongLifeTestDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    for (const Shown& s : s_shown)
        DDX_Text(pDX, s.nID, this->*s.pText);
}

BOOL CLongLifeTestDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    AttachImageButton(m_btnClose, IDCANCEL, IDB_CANCEL);
    AttachImageButton(m_btnStart, IDC_LONGLIFE_START, IDB_LONGLIFE_START);
    AttachImageButton(m_btnReset, IDC_LONGLIFE_RESET, IDB_LONGLIFE_RESET);
    AttachImageButton(m_btnParameter, IDC_LONGLIFE_PARAMETER, IDB_LONGLIFE_PARAMETER);
    ShowStartText();
    return TRUE;
}

void CLongLifeTestDlg::ShowStartText()
{
    CString strText;
    strText.LoadString(IsTestRunning() ? IDS_LONGLIFE_STOP : IDS_LONGLIFE_START);
    SetDlgItemText(IDC_LONGLIFE_START, strText);
}

LRESULT CLongLifeTestDlg::OnLongLifeUpdate(WPARAM, LPARAM)
{
    for (const Shown& s : s_shown)
        (this->*s.pText).Empty();
    if (m_pView == NULL)
        return 0;
    CString strSeconds;
    strSeconds.LoadString(IDS_REC_SECONDS);
    for (const Shown& s : s_shown)
    {
        const unsigned long nValue = (unsigned long)m_pView->GetMirroredVar(s.nVariable);
        CString& strText = this->*s.pText;
        if (s.unit == Seconds)
            strText.Format("%lu %s", nValue, (LPCTSTR)strSeconds);
        else if (s.unit == Percent)
            strText.Format("%lu %%", nValue);
        else
            strText.Format("%lu", nValue);
    }
    const BOOL bRunning = IsTestRunning();
    GetDlgItem(IDC_LONGLIFE_ACTIVE)->ShowWindow(bRunning ? SW_SHOW : SW_HIDE);
    GetDlgItem(IDC_LONGLIFE_INACTIVE)->ShowWindow(bRunning ? SW_HIDE : SW_SHOW);
    ShowStartText();
    UpdateData(FALSE);
    return 0;
}

void CLongLifeTestDlg::PostJob(WPARAM nJob)
{
    if (m_pView != NULL && m_pView->m_hWnd != NULL)
        m_pView->PostMessage(WM_COMM_LONGLIFE_JOB, nJob);
}

void CLongLifeTestDlg::OnParameter()
{
    PostJob(JobLongLifeParameters);
}

void CLongLifeTestDlg::OnReset()
{
    if (AfxMessageBox(IDS_LONGLIFE_RESET_ASK, MB_YESNO | MB_ICONQUESTION) == IDYES)
        PostJob(JobLongLifeReset);
}

void CLongLifeTestDlg::OnStart()
{
    PostJob(IsTestRunning() ? JobLongLifeStop : JobLongLifeStart);
}

// Closing never stops a running test; the view destroys and deletes the window.
void CLongLifeTestDlg::OnCancel()
{
    if (m_pView != NULL && m_pView->m_hWnd != NULL)
        m_pView->PostMessage(WM_LONGLIFE_CLOSING);
    ShowWindow(SW_HIDE);
}
