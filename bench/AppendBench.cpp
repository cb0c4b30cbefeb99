// Appending a sample to a recording view and repainting it must cost the same at sample 10 and at
// sample 100,000 (28 hours at one sample a second). A view at actual size whose command layer
// never connects gets the worker's two result messages with recording on, each followed by a
// repaint; prints the median of 500 appends at both places and their ratio (at most 1.25).
#include "app/IRControlApp.h"
#include "app/IRControlView.h"
#include "CreateContext.h"
#include "station/link/CommMessages.h"
#include "station/link/IRComBase.h"
#include "station/record/IRControlDoc.h"
#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
const int kAppends = 500;
const int kFarSample = 100000;
const double kLimit = 1.25;

CIRControlApp theApp;

// The view with a command layer on a port that is never opened, recording.
class CBenchView : public CIRControlView
{
  public:
    void Prepare()
    {
        m_pComBase = new CIRComBase(99, 9600, 8, 0, 2, 0, FALSE);
        m_bRecording = TRUE;
    }
    // The cache as a station at second n would leave it.
    void Fill(int n)
    {
        CIRComBase& com = *m_pComBase;
        float fTemperature = 150.0f + 80.0f * (float)((n % 600) / 600.0);
        com.m_fVars0To5[StationVar::SolderTE] = fTemperature;
        com.m_fVars0To5[StationVar::SolderIR] = fTemperature + 3.0f;
        com.m_fVars0To5[StationVar::Temperature] = fTemperature;
        com.m_fVars0To5[StationVar::SensorFactorTE] = 1.0f;
        com.m_fVars0To5[StationVar::SensorFactorIR] = 1.0f;
        for (int i = 0; i < StationVar::StatusCount; i++)
            com.m_fStatus[i] = (float)((n / 30 + i) % 2);
        com.m_fStatus[StationVar::ProgramState - StationVar::StatusFirst] = StationVar::ProgramReady;
    }
    void Append(int n, BOOL bPaint)
    {
        Fill(n);
        SendMessage(WM_COMM_SAMPLE);
        if (bPaint)
            UpdateWindow();
        SendMessage(WM_COMM_STATUS);
        if (bPaint)
            UpdateWindow();
    }
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return (double)(to.QuadPart - from.QuadPart) / (double)frequency.QuadPart;
}

// Median time in milliseconds of kAppends painted appends from sample n on.
double MedianFrom(CBenchView* pView, int n)
{
    std::vector<double> times;
    for (int i = 0; i < kAppends; i++)
    {
        LARGE_INTEGER from, to;
        ::QueryPerformanceCounter(&from);
        pView->Append(n + i, TRUE);
        ::QueryPerformanceCounter(&to);
        times.push_back(1000.0 * Seconds(from, to));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

int main()
{
    AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOWNORMAL);
    CIRControlDoc* pDoc = new CIRControlDoc;
    pDoc->m_bAutoDelete = FALSE;
    pDoc->SetAutoRecord(2);
    CFrameWnd* pFrame = new CFrameWnd;
    if (!pFrame->Create(NULL, "Aufnahme", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1000, 700)))
        return 2;
    CBenchView* pView = new CBenchView;
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    if (!pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 980, 660), pFrame, AFX_IDW_PANE_FIRST,
                       &context))
        return 2;
    theApp.m_pMainWnd = pFrame; // the document gives a new page size to the active view
    pView->Prepare();
    pView->OnInitialUpdate();
    pView->ZoomActualSize();
    pFrame->SetActiveView(pView);
    pFrame->RecalcLayout();
    pView->UpdateWindow();

    int n = 0;
    for (; n < 10; n++)
        pView->Append(n, TRUE);
    double msNear = MedianFrom(pView, n);
    for (n += kAppends; n < kFarSample; n++)
        pView->Append(n, FALSE);
    pView->UpdateWindow();
    double msFar = MedianFrom(pView, n);
    double ratio = msFar / msNear;
    printf("append and repaint, median of %d: from sample 10 %.3f ms, from sample %d %.3f ms, ratio %.2f "
           "(limit %.2f)\n",
           kAppends, msNear, kFarSample, msFar, ratio, kLimit);
    pFrame->DestroyWindow();
    theApp.m_pMainWnd = NULL;
    delete pDoc;
    return ratio <= kLimit ? 0 : 1;
}
