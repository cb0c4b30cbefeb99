// The Pendix window in a test frame with a test document template, against the simulator: what
// it shows, its commands and their states, calibration, failures, and closing with the link on.
#include "DeviceSimulator.h"
#include "MDIChildWnd.h"
#include "MDIFrameWnd.h"
#include "MultiDocTemplate.h"
#include "StationIds.h"
#include "TestSupport.h"
#include "station/pendix/PendixDoc.h"
#include "station/pendix/PendixServices.h"
#include "station/pendix/PendixView.h"

using namespace testing_support;

namespace
{
class CPendixTestApp : public CWinApp
{
  public:
    CPendixTestApp() : CWinApp(_T("HelvonPendixTest"))
    {
    }
    CMultiDocTemplate* m_pTemplate = NULL;
};
CPendixTestApp theApp;

class CTestMainFrame : public CMDIFrameWnd
{
};

class AppEnvironment : public ::testing::Environment
{
  public:
    void SetUp() override
    {
        AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOWNORMAL);
        theApp.m_pTemplate = new CMultiDocTemplate(IDR_PENDIXTYPE, RUNTIME_CLASS(CPendixDoc),
                                                   RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CPendixView));
        theApp.AddDocTemplate(theApp.m_pTemplate);
        CTestMainFrame* pFrame = new CTestMainFrame;
        ASSERT_TRUE(pFrame->LoadFrame(IDR_PENDIXTYPE));
        theApp.m_pMainWnd = pFrame;
        pFrame->SetWindowPos(NULL, 0, 0, 1000, 700, SWP_NOZORDER);
        pFrame->ShowWindow(SW_SHOWNORMAL);
        pFrame->UpdateWindow();
    }
    void TearDown() override
    {
        theApp.CloseAllDocuments(TRUE);
        if (theApp.m_pMainWnd != NULL)
            theApp.m_pMainWnd->DestroyWindow();
        theApp.m_pMainWnd = NULL;
    }
};
const auto* const g_env = ::testing::AddGlobalTestEnvironment(new AppEnvironment);

// The application's side as the tests play it: a table of interfaces, the view-open flag and a
// scripted serial-number dialog.
struct FakeApplication
{
    std::vector<STRUCT_SERIAL_INTERFACE> interfaces;
    BOOL bViewOpen = FALSE;
    int nAsked = 0;
    BOOL bAnswerOk = FALSE;
    float fAnswer = 1.0f;
};
FakeApplication g_app;

STRUCT_SERIAL_INTERFACE PendixInterface(int nPort)
{
    STRUCT_SERIAL_INTERFACE serial = {};
    serial.dwBaudRate = 115200;
    serial.nDataBits = 8;
    serial.nParity = parityNone;
    serial.nStopBits = stopBitsOne;
    serial.nPortNumber = nPort;
    serial.strPortName.Format("COM%d", nPort);
    serial.strDescription = "Pendix2004 USB Serial Port";
    serial.bUseInterface = TRUE;
    serial.bUsbDevice = TRUE;
    return serial;
}

BOOL Acquire(STRUCT_SERIAL_INTERFACE& out, CWnd* pOwner, BOOL bUsb, LPCTSTR lpszDevice)
{
    for (STRUCT_SERIAL_INTERFACE& serial : g_app.interfaces)
        if (serial.pOwner == NULL && serial.bUseInterface && serial.bUsbDevice == bUsb &&
            serial.strDescription.Find(lpszDevice) >= 0)
        {
            serial.pOwner = pOwner;
            out = serial;
            return TRUE;
        }
    return FALSE;
}

void Release(CWnd* pOwner)
{
    for (STRUCT_SERIAL_INTERFACE& serial : g_app.interfaces)
        if (serial.pOwner == pOwner)
        {
            serial.pOwner = NULL;
            return;
        }
}

void SetOpen(BOOL bOpen)
{
    g_app.bViewOpen = bOpen;
}

BOOL Ask(CWnd*, float* pfNumber)
{
    ++g_app.nAsked;
    if (g_app.bAnswerOk)
        *pfNumber = g_app.fAnswer;
    return g_app.bAnswerOk;
}

// Records what an update handler said.
class CStateUI : public CCmdUI
{
  public:
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck) override
    {
        m_nCheck = nCheck;
    }
    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;
};

struct CommandState
{
    bool handled;
    bool enabled;
    bool checked;
};

CommandState StateOf(CPendixView* pView, UINT nID)
{
    CStateUI ui;
    ui.m_nID = nID;
    bool handled = pView->OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &ui, NULL) != FALSE;
    return {handled, ui.m_bEnabled != FALSE, ui.m_nCheck == 1};
}

POINT CentreOfWindow(HWND hWnd)
{
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// A click of the real mouse, through the system's input queue.
void ClickAt(POINT screen)
{
    ::SetCursorPos(screen.x, screen.y);
    INPUT in[3] = {};
    in[0].type = INPUT_MOUSE;
    in[0].mi.dx = screen.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    in[0].mi.dy = screen.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].type = INPUT_MOUSE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[2].type = INPUT_MOUSE;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(3, in, sizeof(INPUT));
    PumpMessages(100);
}

CString TextOf(CWnd* pView, UINT nID)
{
    CString text;
    pView->GetDlgItem(nID)->GetWindowText(text);
    return text;
}

bool Visible(CWnd* pView, UINT nID)
{
    return pView->GetDlgItem(nID)->IsWindowVisible() != FALSE;
}

class PendixView : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        g_app = FakeApplication();
        PENDIX_SERVICES services = {Acquire, Release, SetOpen, Ask};
        m_previous = SetPendixServices(services);
    }
    void TearDown() override
    {
        for (CPendixDoc* pDoc : m_docs)
            if (IsOpen(pDoc))
                pDoc->OnCloseDocument();
        SetPendixServices(m_previous);
        EXPECT_FALSE(IsPendixWorkerRunning());
        EXPECT_FALSE(IsPendixTimerRunning());
    }
    bool IsOpen(CPendixDoc* pDoc)
    {
        POSITION pos = theApp.m_pTemplate->GetFirstDocPosition();
        while (pos)
            if (theApp.m_pTemplate->GetNextDoc(pos) == pDoc)
                return true;
        return false;
    }
    CPendixView* Open()
    {
        CPendixDoc* pDoc = (CPendixDoc*)theApp.m_pTemplate->OpenDocumentFile(NULL);
        if (pDoc == NULL)
            return NULL;
        m_docs.push_back(pDoc);
        POSITION pos = pDoc->GetFirstViewPosition();
        CPendixView* pView = (CPendixView*)pDoc->GetNextView(pos);
        pView->GetParentFrame()->ShowWindow(SW_SHOWMAXIMIZED);
        PumpMessages(50);
        return pView;
    }
    void Command(CPendixView* pView, UINT nID)
    {
        pView->SendMessage(WM_COMMAND, nID, 0);
    }
    // Requests the device saw, as "49" or "4E 40 9C".
    static std::vector<std::string> Requests(const DeviceSimulator& sim)
    {
        std::vector<std::string> out;
        for (const std::string& line : sim.Log())
            if (line.compare(0, 3, "rx ") == 0)
                out.push_back(line.substr(line.find('[') + 1, line.find(']') - line.find('[') - 1));
        return out;
    }
    static int CountOf(const std::vector<std::string>& requests, const std::string& request)
    {
        int n = 0;
        for (const auto& r : requests)
            n += r == request;
        return n;
    }
    CPendixView* OpenLinked(PendixSimulator& sim, const std::string& options = std::string(), int nPort = 0)
    {
        if (nPort == 0)
            nPort = PendixSimulator::kPort;
        if (!sim.Start(nPort, options))
            return NULL;
        g_app.interfaces.push_back(PendixInterface(nPort));
        CPendixView* pView = Open();
        if (pView == NULL)
            return NULL;
        Command(pView, ID_PENDIX_LINK);
        if (!PumpUntil([&] { return !TextOf(pView, IDC_PENDIX_IDENTITY).IsEmpty(); }, 5000))
            return NULL;
        return pView;
    }
    PENDIX_SERVICES m_previous = {};
    std::vector<CPendixDoc*> m_docs;
};

TEST_F(PendixView, ShowsTheDevicesStateFromTheSimulator)
{
    PendixSimulator sim;
    CPendixView* pView = OpenLinked(
        sim, "--serial 4711 --battery 552 --warning 0 --overflow 0,1,0 --memory 64,4096,42,7,12,34");
    ASSERT_NE(nullptr, pView);
    EXPECT_TRUE(g_app.bViewOpen);
    EXPECT_EQ("COM8", pView->GetPortName());
    EXPECT_EQ(CString("  Pendix2004 V1.2 Simulator"), TextOf(pView, IDC_PENDIX_IDENTITY));
    ASSERT_TRUE(PumpUntil([&] { return !TextOf(pView, IDC_PENDIX_SERIAL).IsEmpty(); }, 3000))
        << "a tick read the status";
    const struct
    {
        UINT control;
        const char* text;
    } shown[] = {
        {IDC_PENDIX_SERIAL, "4711"},
        {IDC_PENDIX_SOFTWARE, "1.2 "},
        {IDC_PENDIX_DIGITAL_VERSION, "1.1 "},
        {IDC_PENDIX_ANALOG_VERSION, "1.0 "},
        {IDC_PENDIX_BATTERY, "3.56 V"},
        {IDC_PENDIX_TE1, "249.9  \xB0"
                         "C"},
        {IDC_PENDIX_TE1 + 1, "42.7  \xB0"
                             "C"},
        {IDC_PENDIX_FREE_MEMORY, "00007"},
        {IDC_PENDIX_ANALOG_MEMORY, "00042"},
        {IDC_PENDIX_CONTACT_MEMORY, "04096"},
        {IDC_PENDIX_PACKET_LENGTH, "64"},
        {IDC_PENDIX_CONTACT_VALUES, "12"},
        {IDC_PENDIX_ANALOG_VALUES, "34"},
        {IDC_PENDIX_TEMPERATURE, "25.8  \xB0"
                                 "C"},
    };
    for (const auto& s : shown)
        EXPECT_EQ(CString(s.text), TextOf(pView, s.control)) << s.control;
    // the device's clock: hours, minutes and seconds of the host's time
    CString clock = TextOf(pView, IDC_PENDIX_CLOCK);
    EXPECT_EQ(8, clock.GetLength());
    EXPECT_EQ(':', clock[2]);
    // indicators: battery low (552), no temperature warning, the contact overflow set
    EXPECT_TRUE(Visible(pView, IDC_PENDIX_BATTERY_BAD));
    EXPECT_FALSE(Visible(pView, IDC_PENDIX_BATTERY_GOOD));
    EXPECT_TRUE(Visible(pView, IDC_PENDIX_TEMPERATURE_GOOD));
    EXPECT_FALSE(Visible(pView, IDC_PENDIX_TEMPERATURE_BAD));
    EXPECT_TRUE(Visible(pView, IDC_PENDIX_DATA_OVERFLOW_GOOD));
    EXPECT_TRUE(Visible(pView, IDC_PENDIX_CONTACT_OVERFLOW_BAD));
    EXPECT_FALSE(Visible(pView, IDC_PENDIX_CONTACT_OVERFLOW_GOOD));
    EXPECT_TRUE(Visible(pView, IDC_PENDIX_ANALOG_OVERFLOW_GOOD));
    // the status is read once a second
    size_t reads = CountOf(Requests(sim), "49");
    PumpMessages(2100);
    size_t later = CountOf(Requests(sim), "49");
    EXPECT_GE(later - reads, 1u);
    EXPECT_LE(later - reads, 3u);
}

TEST_F(PendixView, MenuStatesFollowLinkAndCalibration)
{
    PendixSimulator sim;
    CPendixView* pView = OpenLinked(sim);
    ASSERT_NE(nullptr, pView);
    const UINT linkCommands[] = {ID_PENDIX_SERIAL_NUMBER, ID_PENDIX_RESET, ID_PENDIX_SET_CLOCK,
                                 ID_PENDIX_CALIBRATE};
    EXPECT_TRUE(StateOf(pView, ID_PENDIX_LINK).checked);
    for (UINT id : linkCommands)
        EXPECT_TRUE(StateOf(pView, id).enabled) << id;
    EXPECT_FALSE(StateOf(pView, ID_PENDIX_CALIBRATE).checked);
    EXPECT_FALSE(StateOf(pView, ID_PENDIX_LOAD_TEMPERATURES).handled) << "no update handler";
    Command(pView, ID_PENDIX_CALIBRATE);
    EXPECT_TRUE(StateOf(pView, ID_PENDIX_CALIBRATE).checked);
    Command(pView, ID_PENDIX_LINK); // ends the calibration, then the link
    EXPECT_FALSE(StateOf(pView, ID_PENDIX_LINK).checked);
    EXPECT_FALSE(StateOf(pView, ID_PENDIX_CALIBRATE).checked);
    for (UINT id : linkCommands)
        EXPECT_FALSE(StateOf(pView, id).enabled) << id;
    // a tick with the link off queues nothing
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pView->GetStopEvent(), 5000));
    ASSERT_TRUE(PumpUntil(
        [&] {
            std::vector<std::string> requests = Requests(sim);
            return !requests.empty() && requests.back().compare(0, 2, "4F") == 0;
        },
        3000))
        << "the calibration's end reached the device";
    size_t before = Requests(sim).size();
    for (int i = 0; i < 8; ++i)
        pView->SendMessage(WM_PENDIX_TICK, 0, 0);
    EXPECT_EQ(0, GetPendixJobQueue().GetCount());
    PumpMessages(300);
    EXPECT_EQ(before, Requests(sim).size());
    EXPECT_FALSE(IsPendixWindowRegistered(pView->m_hWnd)) << "no ticks for a view without a link";
}

TEST_F(PendixView, WithoutAFreeInterfaceEveryDeviceCommandIsDisabled)
{
    MessageBoxes boxes;
    boxes.Expect(IDOK, "kein freies Pendix USB Interface");
    CPendixView* pView = Open();
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(0u, boxes.Pending());
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("Serielle Schnittstelle", boxes.Shown()[0].caption);
    EXPECT_EQ((UINT)MB_ICONEXCLAMATION, boxes.Shown()[0].type & MB_ICONMASK);
    EXPECT_EQ(nullptr, pView->GetProtocol());
    // one control of each indicator pair shows: the good one until a status says otherwise
    for (UINT good : {IDC_PENDIX_BATTERY_GOOD, IDC_PENDIX_TEMPERATURE_GOOD, IDC_PENDIX_DATA_OVERFLOW_GOOD,
                      IDC_PENDIX_CONTACT_OVERFLOW_GOOD, IDC_PENDIX_ANALOG_OVERFLOW_GOOD})
    {
        EXPECT_TRUE(Visible(pView, good)) << good;
        EXPECT_FALSE(Visible(pView, good - 1)) << good - 1;
    }
    Command(pView, ID_PENDIX_LINK);
    EXPECT_FALSE(pView->IsLinkOn());
    for (UINT id : {ID_PENDIX_SERIAL_NUMBER, ID_PENDIX_RESET, ID_PENDIX_SET_CLOCK, ID_PENDIX_CALIBRATE})
        EXPECT_FALSE(StateOf(pView, id).enabled) << id;
    EXPECT_FALSE(IsPendixWorkerRunning());
    m_docs.back()->OnCloseDocument();
    EXPECT_FALSE(g_app.bViewOpen);
    EXPECT_EQ(1u, boxes.Shown().size()) << "shown once";
}

TEST_F(PendixView, CalibrationCapturesClickedChannelsAndSendsThemOnLinkOff)
{
    PendixSimulator sim;
    CPendixView* pView = OpenLinked(sim, "--channels 581,100,600,581,581,581,581,581");
    ASSERT_NE(nullptr, pView);
    ASSERT_TRUE(PumpUntil([&] { return !TextOf(pView, IDC_PENDIX_SERIAL).IsEmpty(); }, 3000));
    CWnd* pButton = pView->GetDlgItem(IDC_PENDIX_CHANNEL1 + 1);
    ASSERT_NE(nullptr, pButton);
    EXPECT_FALSE(pButton->IsWindowEnabled()) << "disabled while not calibrating";
    EXPECT_EQ(CString("0"), TextOf(pView, IDC_PENDIX_OFFSET2));

    Command(pView, ID_PENDIX_CALIBRATE);
    EXPECT_TRUE(pButton->IsWindowEnabled());
    ASSERT_TRUE(PumpUntil([&] { return TextOf(pView, IDC_PENDIX_OFFSET2) == "-481"; }, 3000))
        << "the live value";
    ClickAt(CentreOfWindow(pButton->m_hWnd));
    int nOffset = 0;
    ASSERT_TRUE(PumpUntil(
        [&] {
            CSWMRGuard::CReadLock lock(*pView->GetProtocol());
            return pView->GetProtocol()->GetChannelOffset(1, &nOffset) != FALSE;
        },
        2000))
        << "the click captured the channel";
    EXPECT_EQ(-481, nOffset);

    size_t before = Requests(sim).size();
    Command(pView, ID_PENDIX_LINK);
    EXPECT_FALSE(pView->IsLinkOn());
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pView->GetStopEvent(), 5000));
    // The offsets get no reply: the device may log them after the worker has moved on.
    std::vector<std::string> requests;
    PumpUntil(
        [&] {
            requests = Requests(sim);
            return requests.size() > before && requests.back().compare(0, 2, "4F") == 0;
        },
        2000);
    std::vector<std::string> after(requests.begin() + before, requests.end());
    // status reads may come first; then 'K', the offsets, and nothing after the stop job
    while (!after.empty() && after.front() == "49")
        after.erase(after.begin());
    ASSERT_EQ(2u, after.size());
    EXPECT_EQ("4B", after[0]);
    EXPECT_EQ("4F 00 00 1F FE 00 00 00 00 00 00 00 00 00 00 00 00", after[1]);
    EXPECT_FALSE(pView->GetProtocol()->IsPortOpen());
    // a click while not calibrating captures nothing
    ClickAt(CentreOfWindow(pView->GetDlgItem(IDC_PENDIX_CHANNEL1 + 2)->m_hWnd));
    PumpMessages(100);
    EXPECT_FALSE(pView->GetProtocol()->GetChannelOffset(2, &nOffset));
}

TEST_F(PendixView, CalibrationStartForgetsCapturesSoZerosAreSent)
{
    PendixSimulator sim;
    CPendixView* pView = OpenLinked(sim);
    ASSERT_NE(nullptr, pView);
    {
        CSWMRGuard::CWriteLock lock(*pView->GetProtocol());
        pView->GetProtocol()->CaptureChannelOffset(3);
    }
    Command(pView, ID_PENDIX_CALIBRATE); // 'k' forgets
    Command(pView, ID_PENDIX_CALIBRATE); // 'K' and the offsets
    ASSERT_TRUE(PumpUntil(
        [&] { return CountOf(Requests(sim), "4F 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00") == 1; },
        3000));
    EXPECT_EQ(1, CountOf(Requests(sim), "6B"));
    EXPECT_EQ(1, CountOf(Requests(sim), "4B"));
}

TEST_F(PendixView, SerialNumberOnlyWithinSixteenBits)
{
    PendixSimulator sim;
    CPendixView* pView = OpenLinked(sim);
    ASSERT_NE(nullptr, pView);
    MessageBoxes boxes;
    g_app.bAnswerOk = FALSE;
    Command(pView, ID_PENDIX_SERIAL_NUMBER);
    g_app.bAnswerOk = TRUE;
    g_app.fAnswer = 70000.0f;
    boxes.Expect(IDOK, "65535");
    Command(pView, ID_PENDIX_SERIAL_NUMBER);
    EXPECT_EQ(0u, boxes.Pending());
    g_app.fAnswer = 40000.0f;
    Command(pView, ID_PENDIX_SERIAL_NUMBER);
    EXPECT_EQ(3, g_app.nAsked);
    ASSERT_TRUE(PumpUntil([&] { return CountOf(Requests(sim), "4E 40 9C") == 1; }, 3000));
    PumpMessages(300);
    int serialRequests = 0;
    for (const auto& r : Requests(sim))
        serialRequests += r.compare(0, 2, "4E") == 0;
    EXPECT_EQ(1, serialRequests) << "nothing sent for Cancel or 70000";
}

TEST_F(PendixView, BrokenDeviceAndPulledCableAreReported)
{
    PendixSimulator sim;
    CPendixView* pView = OpenLinked(sim, "--fault silence --fault-command I");
    ASSERT_NE(nullptr, pView);
    MessageBoxes boxes;
    boxes.Expect(IDOK, "Bitte pr\xFC"
                       "fen Sie, ob das Ger\xE4t eingeschaltet ist");
    ASSERT_TRUE(PumpUntil([&] { return boxes.Pending() == 0; }, 8000)) << "three failed reads: string 309";
    EXPECT_FALSE(pView->IsLinkOn());
    EXPECT_FALSE(StateOf(pView, ID_PENDIX_LINK).checked);
    // the cable is pulled: switching on again reports the USB text
    sim.Stop();
    boxes.Expect(IDOK, "USB Kabel entfernt");
    Command(pView, ID_PENDIX_LINK);
    ASSERT_TRUE(PumpUntil([&] { return boxes.Pending() == 0; }, 8000)) << "string 447";
    EXPECT_FALSE(pView->IsLinkOn());
}

TEST_F(PendixView, ClosingWithTheLinkOnWaitsForTheWorkerWithinABound)
{
    PendixSimulator sim;
    CPendixView* pView = OpenLinked(sim);
    ASSERT_NE(nullptr, pView);
    CPendixStdComBase* pCom = pView->GetProtocol();
    ASSERT_TRUE(PumpUntil([&] { return pCom->IsPortOpen(); }, 3000));
    ULONGLONG start = testing_support::NowMs();
    m_docs.back()->OnCloseDocument();
    DWORD elapsed = (DWORD)(testing_support::NowMs() - start);
    EXPECT_LT(elapsed, 3000u);
    EXPECT_FALSE(IsPendixWorkerRunning()) << "the last view stopped the threads";
    EXPECT_EQ(0, GetPendixJobQueue().GetCount());
    EXPECT_FALSE(g_app.bViewOpen);
    EXPECT_EQ(nullptr, g_app.interfaces[0].pOwner) << "the interface was released";
}

TEST_F(PendixView, EveryLinkedViewGetsTicksUntilTheLastGoes)
{
    PendixSimulator first, second;
    CPendixView* pFirst = OpenLinked(first);
    ASSERT_NE(nullptr, pFirst);
    CPendixView* pSecond = OpenLinked(second, std::string(), PendixSimulator::kPort + 1);
    ASSERT_NE(nullptr, pSecond);
    ASSERT_TRUE(PumpUntil([&] { return !TextOf(pSecond, IDC_PENDIX_SERIAL).IsEmpty(); }, 3000))
        << "the second view's ticks read its status";
    m_docs.front()->OnCloseDocument();
    EXPECT_TRUE(IsPendixWorkerRunning());
    EXPECT_TRUE(IsPendixTimerRunning());
    size_t reads = CountOf(Requests(second), "49");
    ASSERT_TRUE(PumpUntil([&] { return (size_t)CountOf(Requests(second), "49") > reads; }, 3000))
        << "the second view goes on after the first closed";
    m_docs.back()->OnCloseDocument();
    EXPECT_FALSE(IsPendixWorkerRunning());
}
} // namespace
