// CIRStatusDlg: the shared status of the process, its collector and display threads, and the
// dialog that shows what they prepared.
#include "app/IRStatusDlg.h"
#include "AppIds.h"
#include "CriticalSection.h"
#include "SingleLock.h"
#include "Event.h"
#include "station/link/IRComBase.h"
#include "station/record/ApplicationValues.h"
#include "ResourceText.h"
#include <process.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CIRStatusDlg, CMyDialog)

BEGIN_MESSAGE_MAP(CIRStatusDlg, CMyDialog)
ON_MESSAGE(WM_STATUS_UPDATE, OnStatusUpdate)
END_MESSAGE_MAP()

namespace
{
// The threads, in the order they are started and stopped.
enum
{
    Collector,
    TemperatureThread,
    StateThread,
    MessageThread,
    ThreadCount
};

// Station variables of the snapshot, in its order.
const int s_snapshotVars[] = {
    StationVar::LPTemperature,
    StationVar::SensorFactorTE,
    StationVar::SensorFactorIR,
    StationVar::Energy,
    StationVar::Pipette,
    StationVar::SwivelArm,
    StationVar::Fan,
    StationVar::Pump,
    StationVar::BottomHeaterActive,
    StationVar::TopHeater,
    StationVar::TopHeaterTemperature,
    StationVar::Pm,
    StationVar::SensorType,
};
const int kSnapshotFloats = sizeof(s_snapshotVars) / sizeof(s_snapshotVars[0]);

// Texts of the snapshot.
enum
{
    ModuleTimeText,
    IRHoursText,
    TopHeaterHoursText,
    VersionText,
    ProgramText,
    SensorText,
    SerialText,
    SnapshotTexts
};

// The status of the process: one set, whichever dialog shows it.
struct CStatusShared
{
    CDigistring displays[CIRStatusDlg::DisplayCount];
    // Display texts, under textLock.
    CCriticalSection textLock;
    CString strTemperature;
    CString strMessage;
    CString strState;
    // The command layer read from, under sourceLock.
    CCriticalSection sourceLock;
    CIRComBase* pComBase = NULL;
    // Held by the collector while it uses a layer: whoever drops a layer waits for it here.
    CCriticalSection layerInUse;
    // The snapshot, under snapshotLock.
    CCriticalSection snapshotLock;
    float fVars[kSnapshotFloats] = {};
    CString strTexts[SnapshotTexts];
    CEvent* pEvents[ThreadCount] = {};
    HANDLE hThreads[ThreadCount] = {};
    HWND hDialog = NULL;
    volatile LONG bStop = FALSE;
};

CStatusShared s_status;

float SnapshotVar(const float* pVars, int nVariable)
{
    for (int i = 0; i < kSnapshotFloats; i++)
        if (s_snapshotVars[i] == nVariable)
            return pVars[i];
    return 0.0f;
}

void Wake(int nThread)
{
    if (s_status.pEvents[nThread] != NULL)
        s_status.pEvents[nThread]->SetEvent();
}

void WakeDisplays()
{
    Wake(TemperatureThread);
    Wake(StateThread);
    Wake(MessageThread);
}

// Waits for the thread's event; FALSE when it is to end.
BOOL WaitForWork(int nThread)
{
    ::WaitForSingleObject((HANDLE)*s_status.pEvents[nThread], INFINITE);
    return !s_status.bStop;
}

// Controls only expert mode shows.
const UINT s_expertControls[] = {IDC_STATUS_EXPERT_GROUP,
                                 IDC_STATUS_IR_HOURS_LABEL,
                                 IDC_STATUS_TOP_HOURS_LABEL,
                                 IDC_STATUS_LP_LABEL,
                                 IDC_STATUS_PM,
                                 IDC_STATUS_IR_HOURS,
                                 IDC_STATUS_TOP_HOURS,
                                 IDC_STATUS_LP_TEMPERATURE,
                                 IDC_STATUS_MODULE_TIME,
                                 IDC_STATUS_MODULE_TIME_LABEL};

const COLORREF kDisplayOff = RGB(52, 0, 0);
const COLORREF kDisplayOn = RGB(255, 0, 0);
const DWORD kDisplayStyle = DIGI_ROUNDED | DIGI_PROPORTIONAL;
} // namespace

CIRStatusDlg::CIRStatusDlg(CWnd* pParent) : CMyDialog(IDD_IR_STATUS, pParent), m_bSkipNext(FALSE)
{
    for (CEvent*& pEvent : s_status.pEvents)
        pEvent = NULL;
}

CIRStatusDlg::~CIRStatusDlg()
{
    StopThreads();
}

CDigistring& CIRStatusDlg::GetDisplay(Display nDisplay)
{
    return s_status.displays[nDisplay];
}

void CIRStatusDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_STATUS_MODULE_TIME, m_strModuleTime);
    DDX_Text(pDX, IDC_STATUS_VERSION, m_strVersion);
    DDX_Text(pDX, IDC_STATUS_PROGRAM, m_strProgram);
    DDX_Text(pDX, IDC_STATUS_SENSOR, m_strSensor);
    DDX_Text(pDX, IDC_STATUS_SERIAL, m_strSerialNumber);
    DDX_Text(pDX, IDC_STATUS_IR_HOURS, m_strIRHours);
    DDX_Text(pDX, IDC_STATUS_TOP_HOURS, m_strTopHeaterHours);
    DDX_Text(pDX, IDC_STATUS_LP_TEMPERATURE, m_strLPTemperature);
    DDX_Text(pDX, IDC_STATUS_PM, m_strPm);
    DDX_Control(pDX, IDC_STATUS_MESSAGE, s_status.displays[MessageDisplay]);
    DDX_Control(pDX, IDC_STATUS_STATE, s_status.displays[StateDisplay]);
    DDX_Control(pDX, IDC_STATUS_TEMPERATURE, s_status.displays[TemperatureDisplay]);
}

BOOL CIRStatusDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    if (!CApplicationValues::IsExpertMode())
        for (UINT nID : s_expertControls)
            if (CWnd* pControl = GetDlgItem(nID))
                pControl->ShowWindow(SW_HIDE);
    for (CDigistring& display : s_status.displays)
    {
        display.SetColors(kDisplayOff, kDisplayOn);
        display.ModifyDisplayStyle(0, kDisplayStyle);
    }
    s_status.displays[MessageDisplay].SetText(IDS_STATION_MSG_NONE);
    ShowPumpState(0.0f);
    ShowFanState(0.0f);
    ShowPipetteState(0.0f);
    ShowSwivelArmState(0.0f);
    ShowTopHeaterState(0.0f);
    ShowBottomHeaterState(0.0f, 0.0f);
    ShowCalibrationState(1.0f);
    StartThreads();
    ResetDisplays(FALSE);
    return TRUE;
}

// ---- the source

void CIRStatusDlg::SetComBase(CIRComBase* pComBase, BOOL bSkipNext)
{
    if (pComBase == NULL)
        ResetDisplays(TRUE);
    if (bSkipNext)
        m_bSkipNext = TRUE;
    CIRComBase* pPrevious;
    {
        CSingleLock lock(&s_status.sourceLock, TRUE);
        pPrevious = s_status.pComBase;
        s_status.pComBase = pComBase;
    }
    if (pPrevious != NULL && pPrevious != pComBase)
        CSingleLock wait(&s_status.layerInUse, TRUE);
    Wake(Collector);
}

void CIRStatusDlg::ReleaseComBase(CIRComBase* pComBase)
{
    if (pComBase == NULL)
        return;
    {
        CSingleLock lock(&s_status.sourceLock, TRUE);
        if (s_status.pComBase != pComBase)
            return;
        s_status.pComBase = NULL;
    }
    CSingleLock wait(&s_status.layerInUse, TRUE);
}

CIRComBase* CIRStatusDlg::GetComBase()
{
    CSingleLock lock(&s_status.sourceLock, TRUE);
    return s_status.pComBase;
}

void CIRStatusDlg::ResetDisplays(BOOL bSkipNext)
{
    {
        CSingleLock lock(&s_status.textLock, TRUE);
        s_status.strTemperature = LoadText(IDS_STATUS_NO_TEMPERATURE);
        s_status.strMessage = LoadText(IDS_STATION_MSG_NONE);
        s_status.strState = s_status.strMessage;
    }
    WakeDisplays();
    for (CString* pText : {&m_strModuleTime, &m_strVersion, &m_strProgram, &m_strSensor, &m_strSerialNumber,
                           &m_strIRHours, &m_strTopHeaterHours, &m_strLPTemperature, &m_strPm})
        pText->Empty();
    m_bSkipNext = bSkipNext;
}

// ---- the threads

void CIRStatusDlg::StartThreads()
{
    for (CEvent*& pEvent : s_status.pEvents)
        if (pEvent == NULL)
            pEvent = new CEvent(FALSE, FALSE);
    s_status.bStop = FALSE;
    s_status.hDialog = m_hWnd;
    for (int n = 0; n < ThreadCount; n++)
        if (s_status.hThreads[n] == NULL)
            s_status.hThreads[n] = (HANDLE)_beginthreadex(
                NULL, 0, n == Collector ? CollectorThread : DisplayThread, (void*)(INT_PTR)n, 0, NULL);
}

void CIRStatusDlg::StopThreads()
{
    s_status.bStop = TRUE;
    for (int n = 0; n < ThreadCount; n++)
    {
        if (s_status.hThreads[n] == NULL)
            continue;
        Wake(n);
        ::WaitForSingleObject(s_status.hThreads[n], INFINITE);
        ::CloseHandle(s_status.hThreads[n]);
        s_status.hThreads[n] = NULL;
    }
    for (CEvent*& pEvent : s_status.pEvents)
    {
        delete pEvent;
        pEvent = NULL;
    }
    s_status.hDialog = NULL;
}

unsigned __stdcall CIRStatusDlg::CollectorThread(void*)
{
    while (WaitForWork(Collector))
    {
        CString strTemperature, strState, strMessage;
        {
            CSingleLock inUse(&s_status.layerInUse, TRUE);
            CIRComBase* pComBase = GetComBase();
            if (pComBase == NULL)
                continue;
            CSWMRGuard::CReadLock read(*pComBase);
            CSingleLock snapshot(&s_status.snapshotLock, TRUE);
            for (int i = 0; i < kSnapshotFloats; i++)
                s_status.fVars[i] = pComBase->GetCachedVar(s_snapshotVars[i]);
            CString* pTexts = s_status.strTexts;
            pTexts[ModuleTimeText] = pComBase->GetModuleTimeText();
            pTexts[IRHoursText] = pComBase->GetOperatingTimeText(0);
            pTexts[TopHeaterHoursText] = pComBase->GetOperatingTimeText(1);
            pTexts[VersionText] = pComBase->GetVersionText();
            pTexts[SensorText] = pComBase->GetSensorText();
            pTexts[ProgramText].Format("%lu", (unsigned long)pComBase->GetCachedVar(StationVar::Program));
            pTexts[SerialText].Format("%lu", (unsigned long)pComBase->GetCachedVar(StationVar::SerialNumber));
            strTemperature = pComBase->GetTemperatureText(TRUE);
            strState = pComBase->GetProgramText();
            strMessage = pComBase->GetMessageText();
        }
        {
            CSingleLock lock(&s_status.textLock, TRUE);
            s_status.strTemperature = strTemperature;
            s_status.strMessage = strMessage;
            s_status.strState = strState;
        }
        ::PostMessage(s_status.hDialog, WM_STATUS_UPDATE, 0, 0);
    }
    return 0;
}

unsigned __stdcall CIRStatusDlg::DisplayThread(void* pParam)
{
    const int nThread = (int)(INT_PTR)pParam;
    CDigistring& display = s_status.displays[nThread == TemperatureThread ? TemperatureDisplay
                                             : nThread == StateThread     ? StateDisplay
                                                                          : MessageDisplay];
    const CString strNoMessage = LoadText(IDS_STATION_MSG_NONE);
    const CString strError = LoadText(IDS_STATUS_ERROR);
    CString strShown;
    while (WaitForWork(nThread))
    {
        CString strText;
        {
            CSingleLock lock(&s_status.textLock, TRUE);
            if (nThread == TemperatureThread)
                strText = s_status.strTemperature;
            else if (nThread == MessageThread)
                strText = s_status.strMessage;
            else
                strText = s_status.strMessage != strNoMessage ? strError : s_status.strState;
        }
        if (strcmp(strText, strShown) != 0)
        {
            display.SetText(strText);
            strShown = strText;
        }
    }
    return 0;
}

// ---- the update

LRESULT CIRStatusDlg::OnStatusUpdate(WPARAM, LPARAM)
{
    if (m_bSkipNext)
    {
        // Texts and lamps stay as they are this once; the displays still show the new values.
        m_bSkipNext = FALSE;
        WakeDisplays();
        return 0;
    }
    float fVars[kSnapshotFloats];
    {
        CSingleLock lock(&s_status.snapshotLock, TRUE);
        memcpy(fVars, s_status.fVars, sizeof fVars);
        const CString* pTexts = s_status.strTexts;
        m_strVersion = pTexts[VersionText];
        m_strSensor = pTexts[SensorText];
        m_strProgram = pTexts[ProgramText];
        m_strSerialNumber = pTexts[SerialText];
        if (CApplicationValues::IsExpertMode())
        {
            m_strModuleTime = pTexts[ModuleTimeText];
            m_strIRHours = pTexts[IRHoursText];
            m_strTopHeaterHours = pTexts[TopHeaterHoursText];
            m_strLPTemperature.Format(LoadText(IDS_STATUS_LP_TEMPERATURE),
                                      (double)SnapshotVar(fVars, StationVar::LPTemperature));
            const float fTemperature = SnapshotVar(fVars, StationVar::TopHeaterTemperature);
            if (CWnd* pPm = GetDlgItem(IDC_STATUS_PM))
                pPm->ShowWindow(fTemperature == -1.0f ? SW_HIDE : SW_SHOW);
            if (fTemperature != -1.0f)
                m_strPm.Format(LoadText(IDS_STATUS_PM), (double)fTemperature,
                               (double)SnapshotVar(fVars, StationVar::Pm));
        }
    }
    WakeDisplays();
    ShowPipetteState(SnapshotVar(fVars, StationVar::Pipette));
    ShowPumpState(SnapshotVar(fVars, StationVar::Pump));
    ShowFanState(SnapshotVar(fVars, StationVar::Fan));
    ShowSwivelArmState(SnapshotVar(fVars, StationVar::SwivelArm));
    ShowBottomHeaterState(SnapshotVar(fVars, StationVar::BottomHeaterActive),
                          SnapshotVar(fVars, StationVar::Energy));
    ShowTopHeaterState(SnapshotVar(fVars, StationVar::TopHeater));
    ShowCalibrationState(SnapshotVar(fVars, StationVar::SensorType) > 0.0f
                             ? SnapshotVar(fVars, StationVar::SensorFactorIR)
                             : SnapshotVar(fVars, StationVar::SensorFactorTE));
    UpdateData(FALSE);
    return 0;
}

// ---- the lamps

void CIRStatusDlg::ShowLamp(UINT nOffId, UINT nOnId, BOOL bActive)
{
    if (CWnd* pOff = GetDlgItem(nOffId))
        pOff->ShowWindow(bActive ? SW_HIDE : SW_SHOW);
    if (CWnd* pOn = GetDlgItem(nOnId))
        pOn->ShowWindow(bActive ? SW_SHOW : SW_HIDE);
}

void CIRStatusDlg::ShowPumpState(float fValue)
{
    ShowLamp(IDC_LAMP_PUMP_OFF, IDC_LAMP_PUMP_ON, fValue != 0.0f);
}

void CIRStatusDlg::ShowFanState(float fValue)
{
    ShowLamp(IDC_LAMP_FAN_OFF, IDC_LAMP_FAN_ON, fValue != 0.0f);
}

void CIRStatusDlg::ShowPipetteState(float fValue)
{
    ShowLamp(IDC_LAMP_PIPETTE_OFF, IDC_LAMP_PIPETTE_ON, fValue != 0.0f);
}

void CIRStatusDlg::ShowSwivelArmState(float fValue)
{
    ShowLamp(IDC_LAMP_SWIVEL_OFF, IDC_LAMP_SWIVEL_ON, fValue != 0.0f);
}

void CIRStatusDlg::ShowTopHeaterState(float fValue)
{
    ShowLamp(IDC_LAMP_TOP_OFF, IDC_LAMP_TOP_ON, fValue != 0.0f);
}

void CIRStatusDlg::ShowBottomHeaterState(float fActive, float fEnergy)
{
    ShowLamp(IDC_LAMP_BOTTOM_OFF, IDC_LAMP_BOTTOM_ON, fActive != 0.0f && fEnergy > 0.0f);
}

void CIRStatusDlg::ShowCalibrationState(float fValue)
{
    ShowLamp(IDC_LAMP_CALIBRATION_OFF, IDC_LAMP_CALIBRATION_ON, fValue != 1.0f);
}
