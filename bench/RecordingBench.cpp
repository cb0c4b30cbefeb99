// Saves and loads a 24-hour recording (one sample a second, three curves, six bars) five times
// and prints the medians; fails when either median is over 0.3 s or the recording does not come
// back whole.
#include "BenchDrawView.h"
#include "BenchSupport.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureCurve.h"
#include "station/record/ProcessStateCurve.h"
#include <cstdio>
#include <string>

namespace
{
const int kSeconds = kBenchDaySeconds;
const int kRuns = 5;
const double kLimitMs = 300;

class CBenchApp : public CWinApp
{
  public:
    CBenchApp() : CWinApp(_T("HelvonBench"))
    {
    }
};
CBenchApp theApp;

std::string TempPath()
{
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "helvon_bench.hlv";
}
} // namespace

int main()
{
    CIRControlDoc doc;
    doc.m_bAutoDelete = FALSE;
    CBenchDrawView view(&doc);
    doc.CreateDrawObjects(&view);
    const int curves[] = {CIRControlDoc::TopHeater, CIRControlDoc::TESolder, CIRControlDoc::IRSolder};
    for (int t = 0; t < kSeconds; t++)
    {
        for (int n = 0; n < 3; n++)
            doc.GetCurve(curves[n])->AddValue(t + 1, t, 150 + 50 * ((t / 60 + n) % 3), 1.0f, FALSE, &view);
        for (int n = 0; n < CIRControlDoc::BarCount; n++)
            doc.GetBar(n)->AddValue(t + 1, t, (t / (30 + n)) % 2, &view);
    }
    doc.SetSampleState(kSeconds, kSeconds - 1, FALSE);

    std::string path = TempPath();
    std::vector<double> saveMs, loadMs;
    bool bWhole = true;
    for (int nRun = 0; nRun < kRuns && bWhole; nRun++)
    {
        double start = BenchNow();
        BOOL bSaved = doc.OnSaveDocument(path.c_str());
        saveMs.push_back(1000 * (BenchNow() - start));

        CIRControlDoc loaded;
        loaded.m_bAutoDelete = FALSE;
        start = BenchNow();
        BOOL bLoaded = loaded.OnOpenDocument(path.c_str());
        loadMs.push_back(1000 * (BenchNow() - start));
        ::DeleteFileA(path.c_str());
        INT_PTR nValues = bLoaded ? loaded.GetCurve(CIRControlDoc::TESolder)->GetValues().GetCount() : 0;
        printf("run %d: save %.0f ms, load %.0f ms, %ld values read back\n", nRun + 1, saveMs.back(),
               loadMs.back(), (long)nValues);
        bWhole = bSaved && bLoaded && nValues == kSeconds;
    }
    const double saveMedian = BenchMedian(saveMs), loadMedian = BenchMedian(loadMs);
    printf("24-hour recording (%d samples, 3 curves, 6 bars), medians of %d: save %.0f ms, load %.0f ms "
           "(goal %.0f ms each)\n",
           kSeconds, kRuns, saveMedian, loadMedian, kLimitMs);
    if (!bWhole)
    {
        printf("FAILED: the recording did not come back whole\n");
        return 1;
    }
    if (saveMedian > kLimitMs || loadMedian > kLimitMs)
    {
        printf("FAILED: over %.0f ms\n", kLimitMs);
        return 1;
    }
    return 0;
}
