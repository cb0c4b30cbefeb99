// Live recordings and the status collector with freed memory poisoned: a layer let go of is no
// longer read by the collector, and opening and closing a live recording fifty times while the
// status flows touches nothing freed.
#include "AppIds.h"
#include "FirstStart.h"
#include "app/IRControlView.h"
#include "app/IRStatusDlg.h"
#include "app/MainFrame.h"
#include "station/link/IRComBase.h"
#include <process.h>

using namespace testing_support;

namespace
{
CIRControlApp& App()
{
    return *GetIRControlApp();
}

// Holds the layer's write lock on a thread of its own until told to let go, as the job worker
// does while it talks to the station.
class CWriterHoldingTheLayer
{
  public:
    explicit CWriterHoldingTheLayer(CIRComBase& layer) : m_layer(layer)
    {
        m_hRelease = ::CreateEvent(NULL, TRUE, FALSE, NULL);
        m_hHeld = ::CreateEvent(NULL, TRUE, FALSE, NULL);
        m_hThread = (HANDLE)_beginthreadex(NULL, 0, Run, this, 0, NULL);
        ::WaitForSingleObject(m_hHeld, 5000);
    }
    ~CWriterHoldingTheLayer()
    {
        Release();
        ::WaitForSingleObject(m_hThread, 5000);
        ::CloseHandle(m_hThread);
        ::CloseHandle(m_hHeld);
        ::CloseHandle(m_hRelease);
    }
    void Release()
    {
        ::SetEvent(m_hRelease);
    }

  private:
    static unsigned __stdcall Run(void* pParam)
    {
        CWriterHoldingTheLayer* pThis = static_cast<CWriterHoldingTheLayer*>(pParam);
        pThis->m_layer.WaitToWrite();
        ::SetEvent(pThis->m_hHeld);
        ::WaitForSingleObject(pThis->m_hRelease, INFINITE);
        pThis->m_layer.Done();
        return 0;
    }
    CIRComBase& m_layer;
    HANDLE m_hRelease;
    HANDLE m_hHeld;
    HANDLE m_hThread;
};

// A status dialog of its own in a hidden frame.
struct StatusDialog
{
    StatusDialog()
    {
        pParent->Create(NULL, "Status", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 600));
        pDlg->Create(IDD_IR_STATUS, pParent);
    }
    ~StatusDialog()
    {
        pDlg->DestroyWindow();
        delete pDlg;
        pParent->DestroyWindow();
    }
    CFrameWnd* pParent = new CFrameWnd;
    CIRStatusDlg* pDlg = new CIRStatusDlg(pParent);
};

// Lets go of the layer on a thread of its own; done when the call returned.
struct CLetGo
{
    CIRStatusDlg* pDlg;
    CIRComBase* pLayer;
    bool bBySetComBase;
    volatile LONG bDone = FALSE;

    static unsigned __stdcall Run(void* pParam)
    {
        CLetGo* pThis = static_cast<CLetGo*>(pParam);
        if (pThis->bBySetComBase)
            pThis->pDlg->SetComBase(NULL, FALSE);
        else
            CIRStatusDlg::ReleaseComBase(pThis->pLayer);
        ::InterlockedExchange(&pThis->bDone, TRUE);
        return 0;
    }
};

// The collector is reading the layer (it waits for the read lock while a job writes): whoever lets
// go of the layer returns only after the collector is done with it.
TEST(StatusCollector, LettingGoOfALayerWaitsUntilTheCollectorIsDoneWithIt)
{
    const struct
    {
        const char* name;
        bool bBySetComBase;
    } cases[] = {{"the status source set to none", true}, {"the layer released by its owner", false}};
    StatusDialog status;
    CIRStatusDlg* pDlg = status.pDlg;
    ASSERT_TRUE(pDlg->m_hWnd != NULL);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CIRComBase layer(99, 9600, 8, 0, 0, 0, FALSE);
        {
            CWriterHoldingTheLayer writer(layer);
            pDlg->SetComBase(&layer, FALSE);
            ::Sleep(200); // the collector now waits for the read lock
            CLetGo letGo{pDlg, &layer, c.bBySetComBase};
            HANDLE hThread = (HANDLE)_beginthreadex(NULL, 0, CLetGo::Run, &letGo, 0, NULL);
            ::Sleep(300);
            EXPECT_FALSE(letGo.bDone);
            writer.Release();
            EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hThread, 2000));
            ::CloseHandle(hThread);
            EXPECT_TRUE(letGo.bDone);
        }
        EXPECT_TRUE(CIRStatusDlg::GetComBase() == NULL);
        PumpMessages(50);
    }
}

std::string TextOf(CWnd* pDlg, UINT nID)
{
    CString strText;
    pDlg->GetDlgItem(nID)->GetWindowText(strText);
    return std::string(strText);
}

// After the source was set to none, the first update of a new source feeds the displays but
// leaves the texts and lamps; the next one brings them.
TEST(StatusCollector, TheFirstUpdateAfterNoSourceLeavesTextsAndLamps)
{
    StatusDialog status;
    CIRStatusDlg* pDlg = status.pDlg;
    ASSERT_TRUE(pDlg->m_hWnd != NULL);
    CIRComBase layer(99, 9600, 8, 0, 0, 0, FALSE);
    layer.m_fVersion = 1.71f;
    layer.m_fVars0To5[StationVar::Temperature] = 25.0f;
    auto fanLit = [&] { return (pDlg->GetDlgItem(IDC_LAMP_FAN_ON)->GetStyle() & WS_VISIBLE) != 0; };
    auto temperature = [] { return CIRStatusDlg::GetDisplay(CIRStatusDlg::TemperatureDisplay).GetText(); };
    pDlg->SetComBase(&layer, FALSE);
    ASSERT_TRUE(PumpUntil([&] { return TextOf(pDlg, IDC_STATUS_VERSION) == "1.71"; }, 1000));
    EXPECT_FALSE(fanLit());

    pDlg->SetComBase(NULL, FALSE);
    ASSERT_TRUE(PumpUntil([&] { return temperature() == "---.-C"; }, 1000));
    ::Sleep(200); // the collector has taken its wake-up and found no source
    layer.m_fVersion = 1.68f;
    layer.m_fVars0To5[StationVar::Temperature] = 30.0f;
    layer.m_fStatus[StationVar::Fan - StationVar::StatusFirst] = 1.0f;
    pDlg->SetComBase(&layer, FALSE);
    EXPECT_TRUE(PumpUntil([&] { return temperature() == "30.0C"; }, 1000));
    PumpMessages(200);
    EXPECT_EQ("1.71", TextOf(pDlg, IDC_STATUS_VERSION));
    EXPECT_FALSE(fanLit());

    pDlg->SetComBase(&layer, FALSE);
    EXPECT_TRUE(PumpUntil([&] { return TextOf(pDlg, IDC_STATUS_VERSION) == "1.68"; }, 1000));
    EXPECT_TRUE(fanLit());
    pDlg->SetComBase(NULL, FALSE);
}

TEST_F(FirstStart, FiftyLiveRecordingsOpenedAndClosedWhileTheStatusFlows)
{
    ASSERT_TRUE(m_sim.Start(StationSimulator::kPort));
    StartAgain();
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    CIRStatusDlg* pDlg = pFrame->GetStateWnd().GetStatusDlg();
    ASSERT_TRUE(pDlg != NULL);
    auto version = [&] {
        CString strText;
        pDlg->GetDlgItem(IDC_STATUS_VERSION)->GetWindowText(strText);
        return std::string(strText);
    };
    for (int n = 0; n < 50; n++)
    {
        SCOPED_TRACE(testing::Message() << "recording " << n + 1);
        if (n > 0)
            pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
        CIRControlView* pView = ActiveRecording(pFrame);
        ASSERT_TRUE(pView != NULL);
        ASSERT_TRUE(PumpUntil([&] { return pView->IsRegisteredForTicks(); }, 10000));
        // Updates flow: the collector reads this view's layer.
        ASSERT_TRUE(PumpUntil([&] { return CIRStatusDlg::GetComBase() == pView->GetComBase(); }, 3000));
        ASSERT_TRUE(PumpUntil([&] { return version() == "1.71"; }, 3000));
        PumpMessages(200);
        pFrame->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
        ASSERT_TRUE(PumpUntil([&] { return pFrame->MDIGetActive() == NULL; }, 5000));
        EXPECT_TRUE(CIRStatusDlg::GetComBase() == NULL);
    }
    // The last one gone: the displays show no station.
    EXPECT_TRUE(PumpUntil(
        [] { return CIRStatusDlg::GetDisplay(CIRStatusDlg::TemperatureDisplay).GetText() == "---.-C"; },
        1000));
}
} // namespace
