// The recording view's online side: connecting, the tick schedule, the jobs it queues and the
// handlers of the worker's results, going offline and closing.
#include "app/IRControlView.h"
#include "AppIds.h"
#include "app/MultipleProgressDlg.h"
#include "StationIds.h"
#include "app/IRControlApp.h"
#include "app/IRStatusDlg.h"
#include "app/LongLifeTestDlg.h"
#include "app/LonglifeParamDlg.h"
#include "app/MainFrame.h"
#include "app/ParameterSetDlg.h"
#include "app/StationJobCodes.h"
#include "Event.h"
#include "station/config/ProjektConfig.h"
#include "station/link/CommThreads.h"
#include "station/record/ApplicationValues.h"
#include "station/record/DrawLine.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureCurve.h"
#include "station/record/ProcessStateCurve.h"
#include "ResourceText.h"
#include <algorithm>
#include <stdlib.h>

IMPLEMENT_DYNCREATE(CIRControlView, CDrawView)

BEGIN_MESSAGE_MAP(CIRControlView, CDrawView)
ON_WM_DESTROY()
ON_COMMAND(ID_COMMUNICATION, OnCommunication)
ON_UPDATE_COMMAND_UI(ID_COMMUNICATION, OnUpdateCommunication)
ON_COMMAND(ID_RECORD, OnRecord)
ON_UPDATE_COMMAND_UI(ID_RECORD, OnUpdateRecord)
ON_MESSAGE(WM_COMM_CLOCK, OnCommClock)
ON_MESSAGE(WM_COMM_STATUS, OnCommStatus)
ON_MESSAGE(WM_COMM_SAMPLE, OnCommSample)
ON_MESSAGE(WM_COMM_PROFILE, OnCommProfile)
ON_MESSAGE(WM_COMM_LIMITS, OnCommLimits)
ON_MESSAGE(WM_COMM_BAUD, OnCommBaud)
ON_MESSAGE(WM_COMM_VERSION, OnCommVersion)
ON_MESSAGE(WM_COMM_TICK, OnPollTick)
ON_MESSAGE(WM_COMM_CLOSED, OnCommClosed)
ON_MESSAGE(WM_COMM_OFFLINE, OnCommOffline)
ON_MESSAGE(WM_COMM_LONGLIFE, OnCommLongLife)
ON_MESSAGE(WM_COMM_LONGLIFE_JOB, OnCommLongLifeJob)
ON_MESSAGE(WM_COMM_HOURS, OnCommHours)
ON_MESSAGE(WM_COMM_PORT_ERROR, OnCommPortError)
ON_MESSAGE(WM_COMM_PROFILE_WRITTEN, OnCommProfileWritten)
// Recording, service and mouse commands (IRControlViewCommands.cpp)
ON_COMMAND(ID_RECORD_CLEAR, OnRecordClear)
ON_UPDATE_COMMAND_UI(ID_RECORD_CLEAR, OnUpdateLive)
ON_COMMAND(ID_FAN, OnFan)
ON_UPDATE_COMMAND_UI(ID_FAN, OnUpdateFan)
ON_COMMAND(ID_PUMP, OnPump)
ON_UPDATE_COMMAND_UI(ID_PUMP, OnUpdatePump)
ON_COMMAND(ID_CALIBRATE, OnCalibrate)
ON_UPDATE_COMMAND_UI(ID_CALIBRATE, OnUpdateOnline)
ON_COMMAND(ID_BOTTOM_HEATER, OnBottomHeater)
ON_UPDATE_COMMAND_UI(ID_BOTTOM_HEATER, OnUpdateBottomHeater)
ON_COMMAND(ID_STATION_CLOCK_SET, OnStationClockSet)
ON_UPDATE_COMMAND_UI(ID_STATION_CLOCK_SET, OnUpdateOnline)
ON_COMMAND(ID_STATION_CLOCK_RESET, OnStationClockReset)
ON_UPDATE_COMMAND_UI(ID_STATION_CLOCK_RESET, OnUpdateOnline)
// Commands whose dialogs and sheets are not there yet.
ON_COMMAND_EX(ID_SETTINGS_LAYOUT, OnSettingsSheet)
ON_COMMAND_EX(ID_SETTINGS_CURVES, OnSettingsSheet)
ON_COMMAND_EX(ID_SETTINGS_SAMPLING, OnSettingsSheet)
ON_UPDATE_COMMAND_UI(ID_SETTINGS_LAYOUT, OnUpdateAlways)
ON_UPDATE_COMMAND_UI(ID_SETTINGS_CURVES, OnUpdateAlways)
ON_UPDATE_COMMAND_UI(ID_SETTINGS_SAMPLING, OnUpdateAlways)
ON_COMMAND(ID_EXPORT_TABLE, OnExportTable)
ON_UPDATE_COMMAND_UI(ID_EXPORT_TABLE, OnUpdateAlways)
ON_COMMAND(ID_PROFILE_DOWNLOAD, OnProfileDownload)
ON_UPDATE_COMMAND_UI(ID_PROFILE_DOWNLOAD, OnUpdateProfileDownload)
ON_COMMAND(ID_PROFILE_UPLOAD, OnProfileUpload)
ON_UPDATE_COMMAND_UI(ID_PROFILE_UPLOAD, OnUpdateAlways)
ON_COMMAND(ID_PROFILE_COPY, OnProfileCopy)
ON_UPDATE_COMMAND_UI(ID_PROFILE_COPY, OnUpdateProfileCopy)
ON_COMMAND(ID_PROFILE_PASTE, OnProfilePaste)
ON_UPDATE_COMMAND_UI(ID_PROFILE_PASTE, OnUpdateProfilePaste)
ON_COMMAND(ID_ANALYSE_CURSOR, OnAnalyseCursor)
ON_COMMAND_EX(ID_ZOOM_ACTUAL, OnZoomFollowed)
ON_COMMAND_EX(ID_ZOOM_FIT, OnZoomFollowed)
ON_UPDATE_COMMAND_UI(ID_ANALYSE_CURSOR, OnUpdateAnalyseCursor)
ON_COMMAND_EX(ID_ANALYSE_ADD, OnAnalysePoints)
ON_COMMAND_EX(ID_ANALYSE_DELETE_LAST, OnAnalysePoints)
ON_COMMAND_EX(ID_ANALYSE_DELETE_ALL, OnAnalysePoints)
ON_UPDATE_COMMAND_UI(ID_ANALYSE_ADD, OnUpdateAlways)
ON_UPDATE_COMMAND_UI(ID_ANALYSE_DELETE_LAST, OnUpdateAlways)
ON_UPDATE_COMMAND_UI(ID_ANALYSE_DELETE_ALL, OnUpdateAlways)
ON_COMMAND(ID_QUICK_SAVE, OnQuickSave)
ON_UPDATE_COMMAND_UI(ID_QUICK_SAVE, OnUpdateAlways)
ON_MESSAGE(WM_PROGRESS_DONE, OnQuickSaveDone)
ON_COMMAND(ID_STATION_PASSWORD, OnStationPassword)
ON_UPDATE_COMMAND_UI(ID_STATION_PASSWORD, OnUpdateAlways)
ON_COMMAND(ID_STATION_SERIAL, OnStationSerialNumber)
ON_UPDATE_COMMAND_UI(ID_STATION_SERIAL, OnUpdateOnline)
ON_COMMAND(ID_STATION_HOURS, OnStationHours)
ON_UPDATE_COMMAND_UI(ID_STATION_HOURS, OnUpdateOnline)
ON_COMMAND(ID_LONGLIFE_TEST, OnLongLifeTest)
ON_UPDATE_COMMAND_UI(ID_LONGLIFE_TEST, OnUpdateLongLifeTest)
ON_MESSAGE(WM_LONGLIFE_CLOSING, OnLongLifeClosing)
ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
ON_UPDATE_COMMAND_UI(ID_FILE_PRINT, OnUpdateAlways)
ON_UPDATE_COMMAND_UI(ID_FILE_PRINT_DIRECT, OnUpdateAlways)
ON_UPDATE_COMMAND_UI(ID_FILE_PRINT_PREVIEW, OnUpdateAlways)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_CONTEXTMENU()
ON_MESSAGE(WM_VIEW_FULLSCREEN, OnFullScreenChanged)
END_MESSAGE_MAP()

namespace
{
// Firmware from which the station takes a new baud rate (job 18).
const float kBaudChangeFirmware = 1.6f;

// The station limits the view stores in the machine-wide configuration.
const struct
{
    int nVariable;
    CProjektConfig::Value value;
} s_limits[] = {
    {StationVar::T1Min, CProjektConfig::T1Min},         {StationVar::T1Max, CProjektConfig::T1Max},
    {StationVar::TimeMin, CProjektConfig::TimeMin},     {StationVar::TimeMax, CProjektConfig::TimeMax},
    {StationVar::T2Min, CProjektConfig::T2Min},         {StationVar::T2Max, CProjektConfig::T2Max},
    {StationVar::T3Min, CProjektConfig::T3Min},         {StationVar::T3Max, CProjektConfig::T3Max},
    {StationVar::TLMin, CProjektConfig::TLMin},         {StationVar::TLMax, CProjektConfig::TLMax},
    {StationVar::EnergyMin, CProjektConfig::EnergyMin}, {StationVar::EnergyMax, CProjektConfig::EnergyMax},
};

// The process bars in the document's order and the variable each shows; -1 the bottom heater's
// computed state.
const int s_barVariables[CIRControlDoc::BarCount] = {
    StationVar::Fan, StationVar::Pipette, StationVar::Pump, StationVar::SwivelArm, StationVar::TopHeater, -1};
const int kBottomHeaterBar = 5;
const int kTopHeaterBar = 4;

// The live status dialog of the main frame's state bar, or none.
CIRStatusDlg* StatusDialog()
{
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    CIRStatusDlg* pDlg = pFrame != NULL ? pFrame->GetStateWnd().GetStatusDlg() : NULL;
    return pDlg != NULL && pDlg->m_hWnd != NULL ? pDlg : NULL;
}
} // namespace

CIRControlView::CIRControlView()
    : m_pPendingDownload(NULL), m_bOnline(FALSE), m_bLimitsRequest(TRUE), m_bProfileRequest(TRUE),
      m_bSampleDue(TRUE), m_bRecording(FALSE), m_bActiveView(FALSE), m_bIROptionsRequest(FALSE),
      m_bAnalyseCursor(FALSE), m_bPasswordRequest(FALSE), m_nAutoRecordEdge(0), m_bAutoRecordLatch(FALSE),
      m_nPreviousTemperature(0), m_bStationIdle(FALSE), m_bOfflineReported(FALSE), m_nPollPhase(0),
      m_nSecondCounter(0), m_nStationPassword(0), m_fBottomHeaterRestore(0.0f),
      m_fLastEnergy(0.0f), m_fLastScale{1.0f, 1.0f}, m_dwBaudRate(0), m_fStation{}, m_dwProfileWords{},
      m_pComBase(NULL), m_pQuickSaveDlg(NULL), m_pLongLifeDlg(NULL), m_pEvent(NULL), m_bInitialized(FALSE)
{
}

CIRControlView::~CIRControlView()
{
    // Bounded: a silent station must not hold the program open. When the worker does not give
    // the link back in time it is taken from it, so the command layer can go.
    StopCommThreads(m_pComBase, m_pEvent != NULL ? (HANDLE)*m_pEvent : NULL, StopWaitMs);
    // The status dialog lets go of the layer, and its collector is done with it, before it goes.
    CIRStatusDlg* pStatusDlg = StatusDialog();
    if (pStatusDlg != NULL && m_pComBase != NULL && CIRStatusDlg::GetComBase() == m_pComBase)
        pStatusDlg->SetComBase(NULL, FALSE);
    CIRStatusDlg::ReleaseComBase(m_pComBase);
    delete m_pComBase;
    if (m_pQuickSaveDlg != NULL)
        m_pQuickSaveDlg->DestroyWindow();
    delete m_pQuickSaveDlg;
    CloseLongLifeTest();
    delete m_pEvent;
}

CIRControlDoc* CIRControlView::GetDocument() const
{
    return m_pDocument != NULL && m_pDocument->IsKindOf(RUNTIME_CLASS(CIRControlDoc))
               ? static_cast<CIRControlDoc*>(m_pDocument)
               : NULL;
}

BOOL CIRControlView::IsRegisteredForTicks() const
{
    return m_hWnd != NULL && IsCommWindowRegistered(m_hWnd);
}

void CIRControlView::QueueJob(DWORD dwCode, const DWORD* pParams, DWORD dwArgument, int nParams)
{
    if (!m_bOnline)
        return;
    STRUCT_COMM_JOB job;
    memset(&job, 0, sizeof job);
    job.pProtocol = m_pComBase;
    job.dwCode = dwCode;
    job.dwArgument = dwArgument;
    nParams = std::min(std::max(nParams, 0), 10);
    if (pParams != NULL)
        memcpy(job.dwParams, pParams, nParams * sizeof(DWORD));
    job.hWnd = m_hWnd;
    job.hEvent = m_pEvent != NULL ? (HANDLE)*m_pEvent : NULL;
    GetCommJobQueue().Put(&job, 100);
}

BOOL CIRControlView::ConnectInterface()
{
    if (m_pComBase != NULL)
        return TRUE;
    CIRControlApp* pApp = GetIRControlApp();
    STRUCT_SERIAL_INTERFACE serial;
    if (pApp == NULL || !pApp->AssignSerialInterface(serial, this))
    {
        MessageBox(LoadText(IDS_APP_NO_INTERFACE), LoadText(IDS_SERIAL_INTERFACE_TITLE), MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_dwBaudRate = serial.bUsbDevice ? (DWORD)CIRComBase::fixedRate : serial.dwBaudRate;
    m_strInterfaceName = serial.strPortName;
    m_strDeviceName = serial.strDevice;
    m_pComBase = new CIRComBase(serial.nPortNumber, m_dwBaudRate, serial.nDataBits, serial.nStopBits,
                                serial.nParity, serial.nProtocol, serial.bUsbDevice);
    m_pComBase->SetTransferTimeouts(serial.dwReadTimeout, serial.dwReadTimeoutMul,
                                    serial.dwReadTimeoutConstant, serial.dwWriteTimeoutMul,
                                    serial.dwWriteTimeoutConstant);
    return TRUE;
}

void CIRControlView::UpdateTitle()
{
    CIRControlDoc* pDoc = GetDocument();
    if (pDoc == NULL)
        return;
    CString title;
    if (!m_strDeviceName.IsEmpty() || !m_strInterfaceName.IsEmpty())
    {
        // A part without a name leaves no blank: the title also names the saved file.
        for (const CString& part : {m_strDeviceName, LoadText(IDS_APP_CONNECTED_WITH), m_strInterfaceName})
            if (!part.IsEmpty())
            {
                if (!title.IsEmpty())
                    title += ' ';
                title += part;
            }
    }
    else
        title.Format("%s %s", (LPCSTR)pDoc->GetTitle(), (LPCSTR)LoadText(IDS_APP_NOT_CONNECTED));
    pDoc->SetTitle(title);
}

void CIRControlView::SetBaudRate(DWORD dwBaudRate)
{
    m_dwBaudRate = dwBaudRate;
    if (!m_bOnline || m_pComBase == NULL)
        return;
    if (m_fStation[StationVar::FirmwareVersion] < kBaudChangeFirmware)
    {
        // Older firmware takes no new rate: poll at the rate the probe found.
        RegisterCommWindow(m_hWnd);
        return;
    }
    UnregisterCommWindow(m_hWnd);
    DWORD dwRate = CommJobWord((float)dwBaudRate);
    QueueJob(JobStationBaud, &dwRate, 0, 1);
}

void CIRControlView::SetPortTimeouts(DWORD dwReadTimeout, DWORD dwReadTimeoutMul, DWORD dwReadTimeoutConstant,
                                     DWORD dwWriteTimeoutMul, DWORD dwWriteTimeoutConstant)
{
    const DWORD values[5] = {dwReadTimeout, dwReadTimeoutMul, dwReadTimeoutConstant, dwWriteTimeoutMul,
                             dwWriteTimeoutConstant};
    DWORD params[5];
    for (int i = 0; i < 5; i++)
        params[i] = CommJobWord((float)values[i]);
    QueueJob(JobTimeouts, params, 0, 5);
}

void CIRControlView::SetDeviceName(LPCTSTR lpszDeviceName)
{
    m_strDeviceName = lpszDeviceName;
}

void CIRControlView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CIRControlDoc* pDoc = GetDocument();
    if (pDoc != NULL && !pDC->IsPrinting())
    {
        pDC->SetMapMode(pDoc->GetMapMode());
        pDC->SetWindowExt(pDoc->GetPageSize());
        pDC->SetViewportExt(pDoc->GetPageSize());
        pDC->SetViewportOrg(0, 0);
    }
    CDrawView::OnPrepareDC(pDC, pInfo);
}

void CIRControlView::OnInitialUpdate()
{
    CIRControlDoc* pDoc = GetDocument();
    if (!m_bInitialized && pDoc != NULL)
    {
        m_bInitialized = TRUE;
        pDoc->CreateDrawObjects(this);
        ShowAnalysePointCount();
        BOOL bLive = !pDoc->IsLoadedFromFile();
        if (bLive)
        {
            if (ConnectInterface())
                StartCommThreads();
            UpdateTitle();
        }
        pDoc->UpdateMeasureValues(bLive);
        if (m_pEvent == NULL)
            m_pEvent = new CEvent(FALSE, FALSE);
        CDrawView::OnInitialUpdate();
        FitToWindow();
        if (bLive && CApplicationValues::GetProjektConfig().GetAutoCom())
            OnCommunication();
        return;
    }
    CDrawView::OnInitialUpdate();
}

void CIRControlView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    CIRControlDoc* pDoc = GetDocument();
    if (bActivate && pActivateView == this && !m_bActiveView)
    {
        m_bActiveView = TRUE;
        if (pDoc != NULL)
            pDoc->UpdateMeasureValues(pDoc->IsLoadedFromFile() || m_bOnline);
        ShowAnalysePointCount();
        DWORD dwBaudRate = m_dwBaudRate;
        if (m_pComBase != NULL)
        {
            CSWMRGuard::CReadLock lock(*m_pComBase);
            dwBaudRate = m_pComBase->GetBaud();
        }
        ShowBaudRate(dwBaudRate);
        if (pDoc != NULL && pDoc->UpdatePageSize(FALSE, GetTimePages(), FALSE))
            OnPageSizeChanged();
        if (m_bAnalyseCursor)
            ShowAnalyseCursor(TRUE);
        UpdateStatusSource(TRUE);
    }
    else if (!bActivate && pDeactiveView == this)
    {
        m_bActiveView = FALSE;
        ShowAnalyseCursor(FALSE);
        if (pActivateView == NULL || pActivateView == this)
            if (CIRStatusDlg* pDlg = StatusDialog())
                pDlg->SetComBase(NULL, FALSE);
    }
    CDrawView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CIRControlView::OnPageSizeChanged()
{
    CreateScaleLabels();
    // Their points were placed on the old page's scale.
    GetDocument()->RebuildPoints(this);
}

void CIRControlView::UpdateStatusSource(BOOL bActivation)
{
    CIRStatusDlg* pDlg = StatusDialog();
    CIRControlDoc* pDoc = GetDocument();
    if (pDlg == NULL || pDoc == NULL)
        return;
    if (!pDoc->IsLoadedFromFile())
    {
        pDlg->SetComBase(m_bOnline ? m_pComBase : NULL, bActivation);
        return;
    }
    pDlg->SetComBase(NULL, bActivation);
    float fFactors[2];
    pDoc->GetSensorFactors(fFactors[0], fFactors[1]);
    pDlg->ShowCalibrationState(CIRControlDoc::IsIRSensorText(pDoc->GetSensorText()) ? fFactors[1]
                                                                                    : fFactors[0]);
}

void CIRControlView::OnDestroy()
{
    DropPendingDownload();
    if (CIRControlDoc* pDoc = GetDocument())
        pDoc->DetachTableDialogs();
    CDrawView::OnDestroy();
    if (m_bOnline)
        OnCommunication();
    else if (m_pEvent != NULL)
        m_pEvent->SetEvent();
    if (CIRControlApp* pApp = GetIRControlApp())
        pApp->ReleaseSerialInterface(this);
    // The last recording going: its rate and points must not stay in the status bar.
    CDrawViewBase* pActive = GetActiveDrawView();
    if (pActive == NULL || pActive == this)
        if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd()))
            pFrame->ClearRecordingPanes();
}

// ---- communication on and off

void CIRControlView::OnCommunication()
{
    if (m_bOnline)
    {
        // Stays online until the worker has closed the port (WM_COMM_CLOSED).
        m_bRecording = FALSE;
        QueueStopJob(m_pComBase, m_hWnd, m_pEvent != NULL ? (HANDLE)*m_pEvent : NULL);
        return;
    }
    if (m_pComBase == NULL)
        return;
    {
        CSWMRGuard::CWriteLock lock(*m_pComBase);
        m_pComBase->ClearErrorCount();
        m_pComBase->ClearPortUnavailable();
        m_pComBase->ClosePort();
    }
    m_bOnline = TRUE;
    m_bLimitsRequest = TRUE;
    CIRControlDoc* pDoc = GetDocument();
    DWORD dwAddress = CommJobWord((float)(pDoc != NULL ? pDoc->GetSlaveAddress() : 1));
    QueueJob(JobAddress, &dwAddress, 0, 1);
    QueueJob(JobConnect);
}

void CIRControlView::OnUpdateCommunication(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_bOnline);
}

void CIRControlView::ToggleRecording()
{
    CIRControlDoc* pDoc = GetDocument();
    if (pDoc == NULL || pDoc->IsLoadedFromFile())
        return;
    if (!m_bOnline)
    {
        OnCommunication();
        if (!m_bOnline)
            return;
    }
    m_bRecording = !m_bRecording;
    if (m_bRecording)
    {
        pDoc->SetTestDate();
        if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd()))
            pFrame->ShowUserMask();
    }
    else
        m_bAutoRecordLatch = FALSE;
}

void CIRControlView::OnRecord()
{
    ToggleRecording();
}

void CIRControlView::OnUpdateRecord(CCmdUI* pCmdUI)
{
    CIRControlDoc* pDoc = GetDocument();
    pCmdUI->Enable(pDoc != NULL && !pDoc->IsLoadedFromFile());
    pCmdUI->SetCheck(m_bRecording);
}

// ---- the tick

LRESULT CIRControlView::OnPollTick(WPARAM, LPARAM)
{
    switch (m_nPollPhase)
    {
    case 0:
        QueueJob(JobStatus);
        break;
    case 1:
        if (CApplicationValues::IsExpertMode())
            QueueJob(JobClock);
        break;
    case 2:
        m_bProfileRequest = TRUE;
        break;
    case 3:
        QueueJob(JobOperatingHours);
        break;
    case 4:
        if (m_pLongLifeDlg != NULL)
            QueueJob(JobLongLife);
        break;
    }
    if (++m_nPollPhase >= 5)
    {
        // Five ticks are a second: the shortest sampling period.
        CIRControlDoc* pDoc = GetDocument();
        int nSeconds = pDoc != NULL ? pDoc->GetSamplingInterval() / 1000 : 1;
        if (++m_nSecondCounter >= nSeconds)
        {
            m_nSecondCounter = 0;
            m_bSampleDue = TRUE;
        }
        m_nPollPhase = 0;
    }
    CheckAutoRecord();
    if (m_bPasswordRequest)
    {
        DWORD dwPassword = CommJobWord((float)m_nStationPassword);
        QueueJob(JobPassword, &dwPassword, 1, 1);
        m_bPasswordRequest = FALSE;
    }
    if (m_bIROptionsRequest)
    {
        BOOL bPipCal = FALSE;
        int nBuzzerMode = 0;
        if (CIRControlDoc* pDoc = GetDocument())
            pDoc->GetIROptions(bPipCal, nBuzzerMode);
        DWORD dwPipCal = CommJobWord((float)bPipCal);
        DWORD dwBuzzer = CommJobWord((float)nBuzzerMode);
        QueueJob(JobPipetteCalibration, &dwPipCal, 0, 1);
        QueueJob(JobBuzzerMode, &dwBuzzer, 1, 1);
        m_bIROptionsRequest = FALSE;
    }
    if (m_bSampleDue)
    {
        QueueJob(JobSample);
        m_bSampleDue = FALSE;
    }
    if (m_bProfileRequest)
    {
        QueueJob(JobProfileBlock);
        m_bProfileRequest = FALSE;
    }
    if (m_bLimitsRequest)
    {
        QueueJob(JobLimits);
        m_bLimitsRequest = FALSE;
    }
    return 0;
}

void CIRControlView::CheckAutoRecord()
{
    CIRControlDoc* pDoc = GetDocument();
    if (pDoc == NULL || pDoc->GetAutoRecord() == 2 || m_bRecording)
        return;
    switch (pDoc->GetAutoRecord())
    {
    case 0: {
        // Starts on the top heater swinging in (its state turning non-zero).
        int v = Var(StationVar::TopHeater);
        if (v != 0 && m_nAutoRecordEdge == 0)
            ToggleRecording();
        m_nAutoRecordEdge = v;
        m_bAutoRecordLatch = FALSE;
        break;
    }
    case 1: {
        // Starts once when a rising temperature comes within 3 degrees of Tinit.
        m_nAutoRecordEdge = 0;
        int t = Var(StationVar::Temperature);
        if (abs(t - pDoc->GetTinit()) < 3 && m_nPreviousTemperature < t && !m_bAutoRecordLatch)
        {
            ToggleRecording();
            m_bAutoRecordLatch = TRUE;
        }
        m_nPreviousTemperature = t;
        break;
    }
    default:
        m_nAutoRecordEdge = 0;
        m_bAutoRecordLatch = FALSE;
        break;
    }
}

// ---- results

void CIRControlView::Mirror(int nFirst, const float* pValues, int nCount)
{
    memcpy(&m_fStation[nFirst], pValues, nCount * sizeof(float));
}

void CIRControlView::RefreshVersion()
{
    if (m_pComBase == NULL)
        return;
    DWORD dwBaudRate = 0;
    {
        CSWMRGuard::CReadLock lock(*m_pComBase);
        m_fStation[StationVar::FirmwareVersion] = m_pComBase->m_fVersion;
        dwBaudRate = m_pComBase->GetBaud();
    }
    if (m_bActiveView)
        ShowBaudRate(dwBaudRate);
}

void CIRControlView::ShowBaudRate(DWORD dwBaudRate)
{
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    if (pFrame == NULL)
        return;
    CString strBaud;
    strBaud.Format("%lu", (unsigned long)dwBaudRate);
    pFrame->SetBaudText(strBaud);
}

void CIRControlView::ShowAnalysePointCount()
{
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    CIRControlDoc* pDoc = GetDocument();
    if (pFrame != NULL && pDoc != NULL)
        pFrame->SetAnalysePointCount(pDoc->GetAnalysePointCount());
}

LRESULT CIRControlView::OnCommClock(WPARAM, LPARAM)
{
    if (m_bActiveView)
        UpdateStatusSource(FALSE);
    RefreshVersion();
    return 0;
}

LRESULT CIRControlView::OnCommStatus(WPARAM, LPARAM)
{
    if (m_pComBase != NULL)
    {
        CSWMRGuard::CReadLock lock(*m_pComBase);
        Mirror(StationVar::StatusFirst, m_pComBase->m_fStatus, StationVar::StatusCount);
        memcpy(m_dwProfileWords, m_pComBase->m_dwBlockWrite, sizeof m_dwProfileWords);
    }
    m_bStationIdle = Var(StationVar::ProgramState) <= StationVar::ProgramReady;
    if (m_bActiveView)
        UpdateStatusSource(FALSE);
    AppendProcessState();
    RefreshVersion();
    return 0;
}

LRESULT CIRControlView::OnCommSample(WPARAM, LPARAM)
{
    if (m_pComBase != NULL)
    {
        {
            CSWMRGuard::CReadLock lock(*m_pComBase);
            Mirror(StationVar::ProcessFirst, m_pComBase->m_fVars0To5, StationVar::ProcessCount);
        }
        AppendSample();
    }
    RefreshVersion();
    return 0;
}

LRESULT CIRControlView::OnCommProfile(WPARAM, LPARAM)
{
    if (m_pComBase != NULL)
    {
        {
            CSWMRGuard::CReadLock lock(*m_pComBase);
            Mirror(StationVar::SetupFirst, m_pComBase->m_fSetup, StationVar::SetupCount);
        }
        ApplyProfileBlock();
    }
    RefreshVersion();
    return 0;
}

LRESULT CIRControlView::OnCommLimits(WPARAM, LPARAM)
{
    if (m_pComBase != NULL)
    {
        {
            CSWMRGuard::CReadLock lock(*m_pComBase);
            Mirror(StationVar::LimitsFirst, m_pComBase->m_fVars21To34, StationVar::LimitsCount);
        }
        StoreLimits();
    }
    RefreshVersion();
    return 0;
}

LRESULT CIRControlView::OnCommBaud(WPARAM, LPARAM)
{
    RegisterCommWindow(m_hWnd);
    RefreshVersion();
    return 0;
}

LRESULT CIRControlView::OnCommVersion(WPARAM, LPARAM)
{
    RefreshVersion();
    m_bIROptionsRequest = TRUE;
    SetBaudRate(m_dwBaudRate);
    m_bOfflineReported = FALSE;
    return 0;
}

LRESULT CIRControlView::OnCommClosed(WPARAM, LPARAM)
{
    m_bOnline = FALSE;
    CIRControlDoc* pDoc = GetDocument();
    if (m_bActiveView && pDoc != NULL)
        pDoc->FillParameterDlg(FALSE);
    return 0;
}

LRESULT CIRControlView::OnCommOffline(WPARAM wParam, LPARAM)
{
    // What the station did not confirm stays out of the document.
    DropPendingDownload();
    UnregisterCommWindow(m_hWnd);
    if (m_bOfflineReported && wParam == 0)
        return 0;
    // Both flags go before the box: ticks and results that arrive while it is open find the
    // view offline.
    m_bOfflineReported = TRUE;
    m_bRecording = FALSE;
    m_bOnline = FALSE;
    AfxMessageBox(wParam == 240 ? IDS_PENDIX_USB_BROKEN : IDS_PENDIX_BROKEN, MB_ICONEXCLAMATION);
    return 0;
}

LRESULT CIRControlView::OnCommLongLife(WPARAM, LPARAM)
{
    if (m_pComBase != NULL)
    {
        CSWMRGuard::CReadLock lock(*m_pComBase);
        Mirror(StationVar::LongLifeFirst, m_pComBase->m_fVars54To62, StationVar::LongLifeCount);
    }
    if (m_pLongLifeDlg != NULL && m_pLongLifeDlg->m_hWnd != NULL)
        m_pLongLifeDlg->PostMessage(WM_LONGLIFE_UPDATE);
    return 0;
}

// A job the long-life test window asks for; its parameters are asked for here.
LRESULT CIRControlView::OnCommLongLifeJob(WPARAM wParam, LPARAM)
{
    if (wParam != JobLongLifeParameters)
    {
        QueueJob((DWORD)wParam);
        return 0;
    }
    CLonglifeParamDlg dlg(this);
    dlg.m_nPauseLinear = Var(StationVar::LongLifePauseLinear);
    dlg.m_nPauseSaddle = Var(StationVar::LongLifePauseSaddle);
    if (dlg.DoModal() != IDOK)
        return 0;
    const DWORD params[4] = {CommJobWord((float)dlg.m_nPauseLinear), CommJobWord((float)dlg.m_nPauseSaddle),
                             CommJobWord(0.0f), CommJobWord(1.0f)};
    QueueJob(JobLongLifeParameters, params, 0, 4);
    return 0;
}

LRESULT CIRControlView::OnCommHours(WPARAM, LPARAM)
{
    if (m_pComBase != NULL)
    {
        CSWMRGuard::CReadLock lock(*m_pComBase);
        m_fStation[StationVar::TopHeaterTemperature] = m_pComBase->m_fCounters52To53[0];
    }
    return 0;
}

LRESULT CIRControlView::OnCommPortError(WPARAM wParam, LPARAM)
{
    AfxMessageBox(GetCommPortErrorText((DWORD)wParam), MB_ICONEXCLAMATION);
    return 0;
}

// ---- what the results change in the document

void CIRControlView::AppendSample()
{
    CIRControlDoc* pDoc = GetDocument();
    if (pDoc == NULL)
        return;
    const float fFactorTE = m_fStation[StationVar::SensorFactorTE];
    const float fFactorIR = m_fStation[StationVar::SensorFactorIR];
    pDoc->SetSensorFactors(fFactorTE, fFactorIR);
    if (pDoc->IsSoftCal() && Var(StationVar::ProgramState) == StationVar::ProgramDesoldering &&
        (float)pDoc->GetTL() + 2.0f < m_fStation[StationVar::Temperature])
    {
        QueueJob(JobCalibrate);
        QueueJob(JobStatus);
    }
    if (!m_bRecording)
        return;
    int t = pDoc->GetRecordingTime() + pDoc->GetSamplingInterval() / 1000;
    int nIndex = pDoc->GetSampleCount() + 1;
    BOOL bScaleChanged = FALSE;
    if (fFactorTE != m_fLastScale[0] || fFactorIR != m_fLastScale[1])
    {
        m_fLastScale[0] = fFactorTE;
        m_fLastScale[1] = fFactorIR;
        bScaleChanged = TRUE;
    }
    BOOL bFahrenheit = Var(StationVar::Unit);
    const struct
    {
        int nSlot;
        double dValue;
        float fScale;
        BOOL bFahrenheit;
    } samples[] = {
        {CIRControlDoc::TESolder, m_fStation[StationVar::SolderTE], fFactorTE, bFahrenheit},
        {CIRControlDoc::IRSolder, m_fStation[StationVar::SolderIR], fFactorIR, bFahrenheit},
        {CIRControlDoc::TopHeater, m_fStation[StationVar::TopHeaterTemperature] * 0.1, 1.0f, FALSE},
    };
    for (const auto& s : samples)
    {
        CMeasureCurve* pCurve = pDoc->GetCurve(s.nSlot);
        if (pCurve == NULL || !pCurve->IsFirstSample())
            continue;
        pCurve->AddValue(nIndex, 0, s.dValue, s.fScale, s.bFahrenheit, this);
        if (s.nSlot == CIRControlDoc::IRSolder)
            nIndex++;
    }
    for (const auto& s : samples)
        if (CMeasureCurve* pCurve = pDoc->GetCurve(s.nSlot))
            pCurve->AddValue(nIndex, t, s.dValue, s.fScale, s.bFahrenheit, this);
    // The page widens by a page for every time base recorded. The same page count gives the same
    // page size, so the document (which asks the printer every time) is only told of a new one.
    int nPages = GetTimePages();
    int nFitted = FitTimeAxis(t);
    if (nFitted != nPages && pDoc->UpdatePageSize(FALSE, nFitted, FALSE))
        OnPageSizeChanged();
    if (CDrawLine* pCursor = pDoc->GetCursorLine())
    {
        PlaceCursorLine(pCursor, TimeToX(t));
        pCursor->SetPosition(t);
        UpdateAnalyseDialog();
    }
    pDoc->SetSampleState(nIndex, t, TRUE);
    if (bScaleChanged)
        pDoc->UpdateMeasureValues(m_bOnline);
    // Keep the newest sample in sight unless the page is fitted to the window.
    CRect client;
    GetClientRect(&client);
    POINT at = {TimeToX(t), 0};
    int x = (int)(GetZoomLevel() * at.x);
    CPoint scroll = GetDeviceScrollPosition();
    if (scroll.x + client.Width() < x && GetZoomMode() != SEC_ZOOMFIT)
    {
        CPoint logical = GetScrollPosition();
        logical.x = (int)((x - client.Width() / 2) / GetZoomLevel());
        ScrollToPosition(logical);
    }
}

void CIRControlView::AppendProcessState()
{
    CIRControlDoc* pDoc = GetDocument();
    if (m_pComBase == NULL || pDoc == NULL || !pDoc->AreSamplesPending())
        return;
    int states[CIRControlDoc::BarCount];
    for (int n = 0; n < CIRControlDoc::BarCount; n++)
        states[n] =
            s_barVariables[n] >= 0
                ? Var(s_barVariables[n])
                : (Var(StationVar::BottomHeaterActive) > 0 && m_fStation[StationVar::Energy] > 0.0f ? 1 : 0);
    int nIndex = pDoc->GetSampleCount();
    CProcessStateCurve* pBottom = pDoc->GetBar(kBottomHeaterBar);
    if (pBottom != NULL && pBottom->IsFirstSample())
    {
        nIndex = std::max(nIndex - 1, 0);
        pBottom->AddValue(nIndex, 0, states[kBottomHeaterBar], this);
    }
    for (int n = 0; n < kBottomHeaterBar; n++)
    {
        CProcessStateCurve* pBar = pDoc->GetBar(n);
        if (pBar == NULL || !pBar->IsFirstSample())
            continue;
        pBar->AddValue(nIndex, 0, states[n], this);
        if (n == kTopHeaterBar)
            nIndex++;
    }
    for (int n = 0; n < CIRControlDoc::BarCount; n++)
        if (CProcessStateCurve* pBar = pDoc->GetBar(n))
            pBar->AddValue(nIndex, pDoc->GetRecordingTime(), states[n], this);
    pDoc->RefreshMeasureGrid();
    pDoc->SetSamplesPending(FALSE);
}

void CIRControlView::ApplyProfileBlock()
{
    CIRControlDoc* pDoc = GetDocument();
    if (pDoc == NULL)
        return;
    if (m_bActiveView)
        UpdateStatusSource(FALSE);
    CString unit = CIRComBase::FormatUnit(m_fStation[StationVar::Unit]);
    pDoc->SetProfileValues(Var(StationVar::Program), Var(StationVar::T1), Var(StationVar::T2),
                           Var(StationVar::T3), Var(StationVar::Time), Var(StationVar::TL),
                           Var(StationVar::Energy),
                           CIRComBase::FormatSensorType(m_fStation[StationVar::SensorType]), unit, this);
    pDoc->SetSerialNumber(Var(StationVar::SerialNumber));
    if (m_bActiveView)
        pDoc->FillParameterDlg(m_bOnline);
    // A password the operator entered waits for the next tick: a block read before it still
    // holds the station's old one and would send that instead.
    if (!m_bPasswordRequest)
        m_nStationPassword = Var(StationVar::StationPassword);
    if (unit != m_strUnitText)
    {
        CreateScaleLabels();
        m_strUnitText = unit;
    }
    m_fLastEnergy = m_fStation[StationVar::Energy];
}

void CIRControlView::StoreLimits()
{
    // A read-only configuration (a user without administrator rights) writes nothing.
    CProjektConfig& config = CApplicationValues::GetProjektConfig();
    for (const auto& limit : s_limits)
        config.SetNumber(limit.value, (DWORD)Var(limit.nVariable));
    // New profile sets take these limits: the profile table's spin columns must keep to them too.
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    if (CParameterSetDlg* pTable = pFrame != NULL ? pFrame->GetParameterSetDlg() : NULL)
        pTable->ApplyLimits();
}
