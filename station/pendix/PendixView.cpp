#include "station/pendix/PendixView.h"
#include "StationIds.h"
#include "DataExchange.h"
#include "station/link/CommThreads.h"
#include "station/pendix/PendixServices.h"
#include "uilib/common/LoadSysColorBitmap.h"
#include "ResourceText.h"

IMPLEMENT_DYNCREATE(CPendixView, CFormView)

BEGIN_MESSAGE_MAP(CPendixView, CFormView)
ON_COMMAND(ID_PENDIX_LINK, OnToggleLink)
ON_UPDATE_COMMAND_UI(ID_PENDIX_LINK, OnUpdateToggleLink)
ON_COMMAND(ID_PENDIX_SERIAL_NUMBER, OnSerialNumber)
ON_UPDATE_COMMAND_UI(ID_PENDIX_SERIAL_NUMBER, OnUpdateLinkCommand)
ON_COMMAND(ID_PENDIX_RESET, OnReset)
ON_UPDATE_COMMAND_UI(ID_PENDIX_RESET, OnUpdateLinkCommand)
ON_COMMAND(ID_PENDIX_SET_CLOCK, OnSetClock)
ON_UPDATE_COMMAND_UI(ID_PENDIX_SET_CLOCK, OnUpdateLinkCommand)
ON_COMMAND(ID_PENDIX_CALIBRATE, OnCalibrate)
ON_UPDATE_COMMAND_UI(ID_PENDIX_CALIBRATE, OnUpdateCalibrate)
ON_COMMAND(ID_PENDIX_LOAD_TEMPERATURES, OnLoadTemperatures)
ON_CONTROL_RANGE(BN_CLICKED, IDC_PENDIX_CHANNEL1, IDC_PENDIX_CHANNEL1 + 7, OnChannelButton)
ON_MESSAGE(WM_PENDIX_TICK, OnTick)
ON_MESSAGE(WM_PENDIX_STATUS, OnStatus)
ON_MESSAGE(WM_PENDIX_IDENTITY, OnIdentity)
ON_MESSAGE(WM_PENDIX_CLOSED, OnClosed)
ON_MESSAGE(WM_PENDIX_BROKEN, OnBroken)
ON_MESSAGE(WM_COMM_PORT_ERROR, OnPortError)
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
// The text controls in the order of the view's text fields.
const UINT g_textControls[CPendixView::textFieldCount] = {
    1143, 1144, 1145, 1146, 1147, 1148, 1149, 1150, 1151, 1152, 1153, 1154, 1155,
    1156, 1157, 1158, 1163, 1164, 1165, 1174, 1175, 1176, 1177, 1178, 1179,
};

// The status texts and the controls that show them.
struct DisplayEntry
{
    UINT nControl;
    CPendixStdComBase::StatusText text;
};
const DisplayEntry g_display[] = {
    {IDC_PENDIX_CLOCK, CPendixStdComBase::textClock},
    {IDC_PENDIX_SERIAL, CPendixStdComBase::textSerialNumber},
    {IDC_PENDIX_SOFTWARE, CPendixStdComBase::textSoftwareVersion},
    {IDC_PENDIX_ANALOG_VERSION, CPendixStdComBase::textAnalogVersion},
    {IDC_PENDIX_DIGITAL_VERSION, CPendixStdComBase::textDigitalVersion},
    {IDC_PENDIX_BATTERY, CPendixStdComBase::textBatteryVoltage},
    {IDC_PENDIX_TEMPERATURE, CPendixStdComBase::textInternalTemperature},
    {IDC_PENDIX_CLOCK_500HZ, CPendixStdComBase::textCounter500Hz},
    {IDC_PENDIX_CLOCK_2HZ, CPendixStdComBase::textCounter2Hz},
    {IDC_PENDIX_MAX_TEMPERATURE, CPendixStdComBase::textMaxInternalTemperature},
    {IDC_PENDIX_FREE_MEMORY, CPendixStdComBase::textFreeMemory},
    {IDC_PENDIX_ANALOG_MEMORY, CPendixStdComBase::textAnalogMemorySize},
    {IDC_PENDIX_CONTACT_MEMORY, CPendixStdComBase::textContactMemorySize},
    {IDC_PENDIX_PACKET_LENGTH, CPendixStdComBase::textPacketLength},
    {IDC_PENDIX_ANALOG_VALUES, CPendixStdComBase::textAnalogValues},
    {IDC_PENDIX_CONTACT_VALUES, CPendixStdComBase::textContactValues},
};

// The offset edits of channels 0 to 7.
const UINT g_offsetControls[CPendixStdComBase::channelCount] = {1166, 1167, 1180, 1181,
                                                                1182, 1183, 1184, 1185};

// Indicator pairs: the good control shows while the state is good, the bad one otherwise.
struct IndicatorEntry
{
    UINT nGood;
    UINT nBad;
    BOOL (*good)(const CPendixStdComBase& com);
};
const IndicatorEntry g_indicators[] = {
    {IDC_PENDIX_BATTERY_GOOD, IDC_PENDIX_BATTERY_BAD,
     [](const CPendixStdComBase& c) -> BOOL { return !c.IsBatteryLow(); }},
    {IDC_PENDIX_TEMPERATURE_GOOD, IDC_PENDIX_TEMPERATURE_BAD,
     [](const CPendixStdComBase& c) -> BOOL { return c.GetStatus().dwTemperatureWarning == 0; }},
    {IDC_PENDIX_DATA_OVERFLOW_GOOD, IDC_PENDIX_DATA_OVERFLOW_BAD,
     [](const CPendixStdComBase& c) -> BOOL { return c.GetStatus().dwDataOverflow == 0; }},
    {IDC_PENDIX_CONTACT_OVERFLOW_GOOD, IDC_PENDIX_CONTACT_OVERFLOW_BAD,
     [](const CPendixStdComBase& c) -> BOOL { return c.GetStatus().dwContactOverflow == 0; }},
    {IDC_PENDIX_ANALOG_OVERFLOW_GOOD, IDC_PENDIX_ANALOG_OVERFLOW_BAD,
     [](const CPendixStdComBase& c) -> BOOL { return c.GetStatus().dwAnalogOverflow == 0; }},
};

int TextIndex(UINT nControl)
{
    for (int i = 0; i < CPendixView::textFieldCount; ++i)
        if (g_textControls[i] == nControl)
            return i;
    return -1;
}

} // namespace

CPendixView::CPendixView()
    : CFormView(IDD_PENDIX_FORM), m_nTickPhase(0), m_pCom(NULL), m_pStopEvent(NULL), m_dwRate(baudRate),
      m_bLinkOn(FALSE), m_bCalibrating(FALSE), m_bThreadsStarted(FALSE)
{
    memset(m_nOffset, 0, sizeof m_nOffset);
}

CPendixView::~CPendixView()
{
    if (m_bThreadsStarted)
        StopPendixThreads(m_pCom, GetStopEvent(), stopWaitMs);
    else if (m_pCom)
        ReleasePendixLink(m_pCom);
    delete m_pCom;
    delete m_pStopEvent;
}

void CPendixView::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    for (int i = 0; i < textFieldCount; ++i)
        DDX_Text(pDX, g_textControls[i], m_strText[i]);
    for (int n = 0; n < CPendixStdComBase::channelCount; ++n)
        DDX_Text(pDX, g_offsetControls[n], m_nOffset[n]);
}

void CPendixView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    GetPendixServices().pfnSetPendixViewOpen(TRUE);
    for (int n = 0; n < CPendixStdComBase::channelCount; ++n)
        if (m_channelButtons[n].m_hWnd == NULL &&
            m_channelButtons[n].Attach(IDC_PENDIX_CHANNEL1 + n,
                                       tessaron::foundation::SECBitmapButton::imageOnly, IDB_CONFIRM, this))
            m_channelButtons[n].SetDrawOption(TRUE);
    LoadIndicatorImages();
    EnableCalibrationControls();
    CreateLink();
    if (m_pCom)
    {
        StartPendixThreads();
        m_bThreadsStarted = TRUE;
        if (m_pStopEvent == NULL)
            m_pStopEvent = new CEvent(FALSE, FALSE);
    }
    ShowIndicator(IDC_PENDIX_BATTERY_GOOD, IDC_PENDIX_BATTERY_BAD, TRUE);
    ShowIndicator(IDC_PENDIX_TEMPERATURE_GOOD, IDC_PENDIX_TEMPERATURE_BAD, TRUE);
}

void CPendixView::LoadIndicatorImages()
{
    if (!tessaron::foundation::SECLoadSysColorBitmap(m_bitmapGood, MAKEINTRESOURCE(IDB_STATE_GOOD)) ||
        !tessaron::foundation::SECLoadSysColorBitmap(m_bitmapBad, MAKEINTRESOURCE(IDB_STATE_BAD)))
        return;
    for (const IndicatorEntry& entry : g_indicators)
        for (UINT nID : {entry.nGood, entry.nBad})
        {
            HGDIOBJ hImage = nID == entry.nGood ? m_bitmapGood.GetSafeHandle() : m_bitmapBad.GetSafeHandle();
            // The template's own image goes: the control made it, we replace it.
            HGDIOBJ hOld = (HGDIOBJ)SendDlgItemMessage(nID, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hImage);
            if (hOld && hOld != hImage)
                ::DeleteObject(hOld);
        }
}

void CPendixView::CreateLink()
{
    if (m_pCom)
        return;
    STRUCT_SERIAL_INTERFACE serial;
    serial.bUsbDevice = FALSE;
    if (!GetPendixServices().pfnAcquireSerialInterface(serial, this, TRUE, LoadText(IDS_PENDIX_DEVICE_TEXT)))
    {
        MessageBox(LoadText(IDS_PENDIX_NO_INTERFACE), LoadText(IDS_SERIAL_INTERFACE_TITLE),
                   MB_ICONEXCLAMATION);
        return;
    }
    m_strPortName = serial.strPortName;
    m_strDeviceName = serial.strDevice;
    // The device speaks at its own rate only; the rest of the line is the interface's.
    m_pCom = new CPendixStdComBase((DWORD)serial.nPortNumber, m_dwRate, (DWORD)serial.nDataBits,
                                   (DWORD)serial.nStopBits, (DWORD)serial.nParity, (DWORD)serial.nProtocol,
                                   serial.bUsbDevice);
}

BOOL CPendixView::QueuePendixCommand(DWORD dwCode, const DWORD* pParams, DWORD dwArgument, int nCount)
{
    if (!m_bLinkOn || m_pCom == NULL)
        return FALSE;
    return QueuePendixJob(m_pCom, dwCode, pParams, dwArgument, nCount, m_hWnd, GetStopEvent());
}

void CPendixView::ToggleLink()
{
    if (m_bLinkOn)
    {
        if (m_bCalibrating)
            ToggleCalibration();
        // The link is off from here on: nothing more is queued behind the stop job, and the tick
        // stops coming.
        m_bLinkOn = FALSE;
        QueuePendixStopJob(m_pCom, m_hWnd, GetStopEvent());
    }
    else if (m_pCom)
    {
        m_bLinkOn = TRUE;
        RegisterPendixWindow(m_hWnd);
        QueuePendixCommand(1, NULL, 0, 0);
        QueuePendixCommand(0, NULL, 0, 0);
        QueuePendixCommand(2, NULL, 0, 0);
    }
}

void CPendixView::ToggleCalibration()
{
    if (m_bCalibrating)
    {
        QueuePendixCommand(7, NULL, 0, 0);
        QueuePendixCommand(9, NULL, 0, 0);
    }
    else
        QueuePendixCommand(8, NULL, 0, 0);
    m_bCalibrating = !m_bCalibrating;
    EnableCalibrationControls();
}

void CPendixView::EnableCalibrationControls()
{
    for (int n = 0; n < CPendixStdComBase::channelCount; ++n)
    {
        if (CWnd* pButton = GetDlgItem(IDC_PENDIX_CHANNEL1 + n))
            pButton->EnableWindow(m_bCalibrating);
        if (CWnd* pEdit = GetDlgItem(g_offsetControls[n]))
            pEdit->EnableWindow(m_bCalibrating);
    }
}

void CPendixView::ShowIndicator(UINT nGood, UINT nBad, BOOL bGood)
{
    if (CWnd* pGood = GetDlgItem(nGood))
        pGood->ShowWindow(bGood ? SW_SHOW : SW_HIDE);
    if (CWnd* pBad = GetDlgItem(nBad))
        pBad->ShowWindow(bGood ? SW_HIDE : SW_SHOW);
}

void CPendixView::LinkOff()
{
    m_bLinkOn = FALSE;
    UnregisterPendixWindow(m_hWnd);
}

void CPendixView::OnToggleLink()
{
    ToggleLink();
}

void CPendixView::OnUpdateToggleLink(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bLinkOn);
}

void CPendixView::OnUpdateLinkCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bLinkOn);
}

void CPendixView::OnSerialNumber()
{
    float fNumber = 1.0f;
    if (!GetPendixServices().pfnAskSerialNumber(this, &fNumber))
        return;
    // The device keeps 16 bits: a larger number would be written cut off and then be reported as
    // a broken link.
    if (!(fNumber >= 0.0f && fNumber < 65536.0f))
    {
        MessageBox(LoadText(IDS_PENDIX_SERIAL_RANGE), NULL, MB_ICONEXCLAMATION);
        return;
    }
    DWORD dwParam = CommJobWord(fNumber);
    QueuePendixCommand(4, &dwParam, 0, 1);
}

void CPendixView::OnReset()
{
    QueuePendixCommand(5, NULL, 0, 0);
}

void CPendixView::OnSetClock()
{
    QueuePendixCommand(6, NULL, 0, 0);
}

void CPendixView::OnCalibrate()
{
    ToggleCalibration();
}

void CPendixView::OnUpdateCalibrate(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bLinkOn);
    pCmdUI->SetCheck(m_bCalibrating);
}

void CPendixView::OnLoadTemperatures()
{
    QueuePendixCommand(10, NULL, 0, 0);
}

void CPendixView::OnChannelButton(UINT nID)
{
    if (m_pCom == NULL || !m_bCalibrating)
        return;
    CSWMRGuard::CWriteLock lock(*m_pCom);
    m_pCom->CaptureChannelOffset((int)(nID - IDC_PENDIX_CHANNEL1));
}

LRESULT CPendixView::OnTick(WPARAM, LPARAM)
{
    // The status once a second: every fourth tick.
    if (m_nTickPhase == 0)
        QueuePendixCommand(3, NULL, 0, 0);
    m_nTickPhase = (m_nTickPhase + 1) % 4;
    return 0;
}

void CPendixView::FillDisplay()
{
    CSWMRGuard::CReadLock lock(*m_pCom);
    for (const DisplayEntry& entry : g_display)
        m_strText[TextIndex(entry.nControl)] = m_pCom->GetStatusText(entry.text);
    for (int n = 0; n < CPendixStdComBase::channelCount; ++n)
    {
        m_strText[TextIndex(IDC_PENDIX_TE1 + n)] = m_pCom->FormatChannelTemperature(n);
        int nLive = 0;
        BOOL bCaptured = m_pCom->GetChannelOffset(n, &nLive);
        if (!m_bCalibrating)
            m_nOffset[n] = 0;
        else if (!bCaptured)
            m_nOffset[n] = nLive;
    }
    for (const IndicatorEntry& entry : g_indicators)
        ShowIndicator(entry.nGood, entry.nBad, entry.good(*m_pCom));
}

LRESULT CPendixView::OnStatus(WPARAM, LPARAM)
{
    if (m_pCom == NULL)
        return 0;
    FillDisplay();
    UpdateData(FALSE);
    return 0;
}

LRESULT CPendixView::OnIdentity(WPARAM, LPARAM)
{
    if (m_pCom == NULL)
        return 0;
    {
        CSWMRGuard::CReadLock lock(*m_pCom);
        m_strText[TextIndex(IDC_PENDIX_IDENTITY)] = m_pCom->GetIdentification();
    }
    UpdateData(FALSE);
    return 0;
}

LRESULT CPendixView::OnClosed(WPARAM, LPARAM)
{
    // The link went off when the stop job was queued. A link switched on again since then keeps
    // its port; otherwise the port is closed, under the lock, as the worker may be inside a job.
    if (m_pCom == NULL || m_bLinkOn)
        return 0;
    CSWMRGuard::CWriteLock lock(*m_pCom);
    m_pCom->ClosePort();
    return 0;
}

LRESULT CPendixView::OnBroken(WPARAM wParam, LPARAM)
{
    LinkOff();
    AfxMessageBox(wParam == 240 ? IDS_PENDIX_USB_BROKEN : IDS_PENDIX_BROKEN);
    return 0;
}

LRESULT CPendixView::OnPortError(WPARAM wParam, LPARAM)
{
    AfxMessageBox(GetCommPortErrorText((DWORD)wParam), MB_ICONEXCLAMATION);
    return 0;
}

void CPendixView::OnDestroy()
{
    if (m_bLinkOn)
        ToggleLink();
    else if (m_pStopEvent)
        m_pStopEvent->SetEvent();
    GetPendixServices().pfnReleaseSerialInterface(this);
    GetPendixServices().pfnSetPendixViewOpen(FALSE);
    CFormView::OnDestroy();
}
