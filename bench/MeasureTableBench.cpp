// Opens a 24-hour recording (one sample a second, two curves, six bars) as the program does, its
// recording view in a frame and its measured-value table shown, and prints the time until the
// table is filled (at most 10 s); then the median time of one more row (UpdateTable and the
// repaint) at row 10 and at row 86,400, taken in turns, and their ratio (at most 1.25). Not a
// test; run under Xvfb and Wine: wine build/win/bench/measure_table_bench.exe
#include "BenchDrawView.h"
#include "BenchSupport.h"
#include "app/IRControlApp.h"
#include "app/IRControlView.h"
#include "CreateContext.h"
#include "app/ParameterDlg.h"
#include "grid/factory/ControlFactory.h"
#include "station/record/ApplicationValues.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureCurve.h"
#include "station/record/MeasureValueDlg.h"
#include "station/record/ProcessStateCurve.h"
#include <cstdio>
#include <string>
#include <vector>

namespace
{
const int kShortRecording = 10;
const int kUpdates = 400;
const double kFillLimitSeconds = 10.0;
const double kRatioLimit = 1.25;
const int kCurves[] = {CIRControlDoc::TESolder, CIRControlDoc::IRSolder};

CIRControlApp theApp;

// The measurement table bar as the documents see it, showing the measured values as its third
// tab does: the first recording's table in its upper half, the next one's in its lower half, so
// that both are painted while their rows are timed in turns.
CWnd s_bar;
int s_nAttached = 0;

CWnd* BarParent()
{
    return &s_bar;
}

BOOL AttachToBar(CWnd* pValues, CWnd* pMask, BOOL)
{
    CRect place;
    s_bar.GetClientRect(&place);
    place.bottom /= 2;
    place.OffsetRect(0, (s_nAttached++ % 2) * place.Height());
    pMask->ShowWindow(SW_HIDE);
    pValues->MoveWindow(&place);
    pValues->ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL DetachFromBar(CWnd* pValues)
{
    pValues->ShowWindow(SW_HIDE);
    return TRUE;
}

// Sample n of both curves and the six bars, as the recording view appends them.
void AddSample(CIRControlDoc& doc, CBenchDrawView& view, int n)
{
    for (int i = 0; i < 2; i++)
        doc.GetCurve(kCurves[i])->AddValue(n + 1, n, 150 + 50 * ((n / 60 + i) % 3), 1.0f, FALSE, &view);
    for (int i = 0; i < CIRControlDoc::BarCount; i++)
        doc.GetBar(i)->AddValue(n + 1, n, (n / (30 + i)) % 2, &view);
    doc.SetSampleState(n + 1, n, FALSE);
}

std::string WriteRecording(int nSamples)
{
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "helvon_table_bench.hlv";
    CIRControlDoc doc;
    doc.m_bAutoDelete = FALSE;
    CBenchDrawView view(&doc);
    doc.CreateDrawObjects(&view);
    doc.DetachCurves(&view); // "TE-Solder" shown beside "IRS-Solder"
    doc.GetCurve(CIRControlDoc::TESolder)->SetVisible(TRUE);
    doc.LayoutCurves(&view);
    for (int n = 0; n < nSamples; n++)
        AddSample(doc, view, n);
    return doc.OnSaveDocument(path.c_str()) ? path : std::string();
}

// A recording opened as the program opens one: read from its file, then a frame with its view,
// whose first update and activation fill the table.
struct SOpenRecording
{
    CIRControlDoc* pDoc = NULL;
    CFrameWnd* pFrame = NULL;
    double dSeconds = 0;     // until the table is filled and painted
    double dReadSeconds = 0; // of them, reading the file

    ~SOpenRecording()
    {
        if (pFrame != NULL)
            pFrame->DestroyWindow();
        if (AfxGetApp()->m_pMainWnd == pFrame)
            AfxGetApp()->m_pMainWnd = NULL;
        delete pDoc;
    }
    // FALSE unless the table shows a row per sample.
    BOOL Open(int nSamples, const CRect& place)
    {
        std::string path = WriteRecording(nSamples);
        if (path.empty())
            return FALSE;
        pDoc = new CIRControlDoc;
        pDoc->m_bAutoDelete = FALSE;
        double start = BenchNow();
        BOOL bOpened = pDoc->OnOpenDocument(path.c_str());
        dReadSeconds = BenchNow() - start;
        ::DeleteFileA(path.c_str());
        if (!bOpened)
            return FALSE;
        CCreateContext context;
        context.m_pCurrentDoc = pDoc;
        context.m_pNewViewClass = RUNTIME_CLASS(CIRControlView);
        pFrame = new CFrameWnd;
        if (!pFrame->Create(NULL, "Aufnahme", WS_OVERLAPPEDWINDOW | WS_VISIBLE, place, NULL, NULL, 0,
                            &context))
        {
            pFrame = NULL; // a frame that failed is not touched again
            return FALSE;
        }
        AfxGetApp()->m_pMainWnd = pFrame; // the document gives a new page size to the active view
        pFrame->InitialUpdateFrame(pDoc, TRUE);
        pFrame->UpdateWindow();
        s_bar.UpdateWindow();
        BenchPump();
        dSeconds = BenchNow() - start;
        CMeasureValueDlg* pTable = pDoc->GetMeasureValueDlg();
        return pTable != NULL && pTable->IsWindowVisible() &&
               pTable->GetGrid().GetRowCount() == (ROWCOL)nSamples;
    }
};

// Milliseconds of one row more and its repaint (the sample is added outside the clock).
double UpdateMs(CIRControlDoc& doc)
{
    CBenchDrawView view(&doc);
    AddSample(doc, view, doc.GetSampleCount());
    double start = BenchNow();
    doc.RefreshMeasureGrid();
    doc.GetMeasureValueDlg()->GetGrid().UpdateWindow();
    BenchPump();
    return (BenchNow() - start) * 1000;
}
// Both recordings opened, the rows timed in turns; 0 when both goals are met.
int Run()
{
    SOpenRecording shortOne, day;
    if (!shortOne.Open(kShortRecording, CRect(0, 660, 500, 1000)) ||
        !day.Open(kBenchDaySeconds, CRect(500, 660, 1000, 1000)))
    {
        printf("FAILED: a recording's table was not filled\n");
        return 1;
    }
    // In turns, so that a change of the machine's load meets both alike.
    std::vector<double> atStart, atEnd;
    for (int i = 0; i < kUpdates; i++)
    {
        atStart.push_back(UpdateMs(*shortOne.pDoc));
        atEnd.push_back(UpdateMs(*day.pDoc));
    }
    double msNear = BenchMedian(atStart);
    double msFar = BenchMedian(atEnd);
    double ratio = msFar / msNear;
    ROWCOL nCols = day.pDoc->GetMeasureValueDlg()->GetGrid().GetColCount();
    printf(
        "24-hour recording (%d samples, %lu columns): opened and its table filled in %.2f s (limit %.0f s; "
        "the file read in %.2f s)\n",
        kBenchDaySeconds, (unsigned long)nCols, day.dSeconds, kFillLimitSeconds, day.dReadSeconds);
    printf("one row more, median of %d: at row %d %.3f ms, at row %d %.3f ms, ratio %.2f (limit %.2f)\n",
           kUpdates, kShortRecording, msNear, kBenchDaySeconds, msFar, ratio, kRatioLimit);
    return day.dSeconds <= kFillLimitSeconds && ratio <= kRatioLimit ? 0 : 1;
}
} // namespace

int main()
{
    AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOWNORMAL);
    InitGridLibraryWithDefaultFactory();
    if (!s_bar.CreateEx(0, AfxRegisterWndClass(0), "Mess- und Prozesswerte", WS_POPUP | WS_VISIBLE,
                        CRect(0, 0, 1000, 640), NULL, 0))
        return 2;
    CApplicationValues::STableBar hooks;
    hooks.pfnGetDialogParent = &BarParent;
    hooks.pfnAttachDialogs = &AttachToBar;
    hooks.pfnDetachDialogs = &DetachFromBar;
    CApplicationValues::SetTableBar(hooks);
    CApplicationValues::SetParameterDlgFactory(&CParameterDlg::CreateForDocument);
    int nResult = Run();
    s_bar.DestroyWindow();
    return nResult;
}
