// Saves and loads a 24-hour recording (one sample a second, three curves, six bars) and prints
// the times; fails when either takes longer than 5 seconds.
#include "BenchDrawView.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureCurve.h"
#include "station/record/ProcessStateCurve.h"
#include <cstdio>
#include <string>

namespace
{
const int kSeconds = kBenchDaySeconds;
const DWORD kLimitMs = 5000;

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
    DWORD start = ::GetTickCount();
    BOOL bSaved = doc.OnSaveDocument(path.c_str());
    DWORD saveMs = ::GetTickCount() - start;

    CIRControlDoc loaded;
    loaded.m_bAutoDelete = FALSE;
    start = ::GetTickCount();
    BOOL bLoaded = loaded.OnOpenDocument(path.c_str());
    DWORD loadMs = ::GetTickCount() - start;
    ::DeleteFileA(path.c_str());

    INT_PTR nValues = bLoaded ? loaded.GetCurve(CIRControlDoc::TESolder)->GetValues().GetCount() : 0;
    printf(
        "24-hour recording (%d samples, 3 curves, 6 bars): save %lu ms, load %lu ms, %ld values read back\n",
        kSeconds, (unsigned long)saveMs, (unsigned long)loadMs, (long)nValues);
    if (!bSaved || !bLoaded || nValues != kSeconds)
    {
        printf("FAILED: the recording did not come back whole\n");
        return 1;
    }
    if (saveMs > kLimitMs || loadMs > kLimitMs)
    {
        printf("FAILED: over %lu ms\n", (unsigned long)kLimitMs);
        return 1;
    }
    return 0;
}
