// The recording's tables: smoothing, slopes, scales and texts of curves, bar states, reference
// line points, legend placement, profile texts, analysis points; the drawing settings in the
// registry and the page size from the printer.
#include "RecordTestView.h"
#include "TestSupport.h"
#include "tests/station/config/ProgramKey.h"
#include "station/record/ApplicationValues.h"
#include "station/record/DrawConfig.h"
#include "station/record/DrawLine.h"
#include "station/record/DrawText.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureCurve.h"
#include "station/record/MeasureValue.h"
#include "station/record/ProcessStateCurve.h"
#include "station/record/ProcessStateValues.h"
#include "station/record/ReferenceLine.h"
#include "station/config/ProjektConfig.h"
#include "StationIds.h"
#include <memory>

using namespace testing_support;

namespace
{

CString Text(UINT nID)
{
    CString text;
    text.LoadString(nID);
    return text;
}

CMeasureValue* ValueAt(CMeasureCurve& curve, int n)
{
    return (CMeasureValue*)curve.GetValues().GetAt(curve.GetValues().FindIndex(n));
}

// Every test starts from an empty program key and the application's values unset.
class RecordingTables : public ProgramKeyTest
{
  protected:
    void SetUp() override
    {
        ProgramKeyTest::SetUp();
        CApplicationValues::Reset();
        m_pDraw.reset(new CDrawConfig(FALSE));
        m_pProjekt.reset(new CProjektConfig(FALSE));
        CApplicationValues::SetDrawConfig(m_pDraw.get());
        CApplicationValues::SetProjektConfig(m_pProjekt.get());
    }
    void TearDown() override
    {
        CApplicationValues::Reset();
        m_pDraw.reset();
        m_pProjekt.reset();
        ProgramKeyTest::TearDown();
    }
    std::unique_ptr<CMeasureCurve> Curve(BOOL bScale = TRUE)
    {
        return std::unique_ptr<CMeasureCurve>(new CMeasureCurve(CRect(0, 0, 1, -1), IDS_REC_CURVE_TESOLDER,
                                                                "TE-Solder", 0x00FF00, 2, TRUE, bScale));
    }

    std::unique_ptr<CDrawConfig> m_pDraw;
    std::unique_ptr<CProjektConfig> m_pProjekt;
};

} // namespace

TEST_F(RecordingTables, SamplesAreSmoothedAndTheirSlopeSpansThreeIntervals)
{
    auto curve = Curve();
    const double samples[] = {100, 100, 100, 106};
    for (int i = 0; i < 4; i++)
        curve->AddValue(i + 1, i, samples[i], 1.0f, FALSE, NULL);
    const double stored[] = {100, 100, 100, 103}, slopes[] = {0, 0, 0, 1.0};
    for (int i = 0; i < 4; i++)
    {
        EXPECT_EQ(stored[i], ValueAt(*curve, i)->GetStoredValue()) << i;
        EXPECT_EQ(slopes[i], ValueAt(*curve, i)->GetSlope()) << i;
    }
    // A second sample at the same time as the oldest of the history has no interval: slope 0.
    auto same = Curve();
    same->AddValue(1, 5, 100, 1.0f, FALSE, NULL);
    same->AddValue(2, 5, 130, 1.0f, FALSE, NULL);
    EXPECT_EQ(0.0, ValueAt(*same, 1)->GetSlope());

    // After clearing, old times do not enter the slope.
    curve->ClearValues(NULL);
    EXPECT_TRUE(curve->IsFirstSample());
    curve->AddValue(1, 0, 100, 1.0f, FALSE, NULL);
    curve->AddValue(2, 1, 106, 1.0f, FALSE, NULL);
    EXPECT_EQ(103.0f, ValueAt(*curve, 1)->GetStoredValue());
    EXPECT_EQ(3.0, ValueAt(*curve, 1)->GetSlope());

    // Fahrenheit samples smooth and slope in stored degrees: the slope stays in K/s.
    auto fahrenheit = Curve();
    fahrenheit->AddValue(1, 0, 100, 1.0f, TRUE, NULL);
    fahrenheit->AddValue(2, 1, 106, 1.0f, TRUE, NULL);
    EXPECT_EQ(103.0f, ValueAt(*fahrenheit, 1)->GetStoredValue());
    EXPECT_EQ(3.0, ValueAt(*fahrenheit, 1)->GetSlope());
    EXPECT_STREQ("3.00 K/s", ValueAt(*fahrenheit, 1)->GetSlopeText(TRUE));
    EXPECT_DOUBLE_EQ(103 * 1.8 + 32, ValueAt(*fahrenheit, 1)->GetValue());
}

TEST_F(RecordingTables, ScalesAndTextsInCelsiusAndFahrenheit)
{
    auto scaled = Curve(TRUE), plain = Curve(FALSE);
    for (auto* pCurve : {scaled.get(), plain.get()})
    {
        pCurve->AddValue(1, 0, 100, 1.0f, FALSE, NULL);
        pCurve->AddValue(2, 1, 100, 2.0f, FALSE, NULL);
    }
    EXPECT_DOUBLE_EQ(100, ValueAt(*scaled, 0)->GetValue() / 2); // every value takes the new factor
    EXPECT_DOUBLE_EQ(100, ValueAt(*plain, 0)->GetValue());      // only new values carry it
    EXPECT_EQ(2.0f, ValueAt(*plain, 1)->GetScale());

    CMeasureValue celsius(1, 0, 200.0f, 1.0f, FALSE), fahrenheit(1, 0, 200.0f, 1.0f, TRUE);
    EXPECT_EQ(CString("200.0") + Text(IDS_STATION_UNIT_CELSIUS), celsius.GetValueText(TRUE));
    EXPECT_EQ(CString("392.0") + Text(IDS_STATION_UNIT_FAHRENHEIT), fahrenheit.GetValueText(TRUE));
    EXPECT_STREQ("200.0", celsius.GetValueText(FALSE));

    CString text;
    scaled->GetValueTextAt(text, 50);
    EXPECT_STREQ("TE-Sensor: ", text);
    plain->GetValueTextAt(text, 1);
    EXPECT_EQ(CString("TE-Sensor: ") + ValueAt(*plain, 1)->GetValueText(TRUE) + " / " +
                  ValueAt(*plain, 1)->GetSlopeText(TRUE),
              text);

    for (int state : {1, 7})
        EXPECT_STREQ(" EIN ", CProcessStateValues(1, 0, state).GetStateText());
    EXPECT_STREQ(" AUS", CProcessStateValues(1, 0, 0).GetStateText());

    EXPECT_EQ(482, CIRControlDoc::CelsiusToFahrenheit(250));
    EXPECT_EQ(0, CIRControlDoc::CelsiusToFahrenheit(-18));
}

TEST_F(RecordingTables, ProfileTextsFollowTheUnit)
{
    CIRControlDoc doc;
    doc.SetProfileValues(3, 200, 210, 220, 45, 183, 7, Text(IDS_STATION_SENSOR_IR),
                         Text(IDS_STATION_UNIT_CELSIUS), NULL);
    EXPECT_FALSE(doc.IsFahrenheit());
    EXPECT_EQ(Text(IDS_REC_T1) + "200" + Text(IDS_STATION_UNIT_CELSIUS), doc.GetT1Text(FALSE));
    EXPECT_EQ(CString("200") + Text(IDS_STATION_UNIT_CELSIUS), doc.GetT1Text(TRUE));
    EXPECT_STREQ("Programm: 3", doc.GetProgramText());
    EXPECT_STREQ("Energie = 7", doc.GetEnergyText(FALSE));
    EXPECT_STREQ("time = 45 s", doc.GetTimeText(FALSE));
    EXPECT_STREQ("Sensor = IR-Sensor", doc.GetSensorText(FALSE));
    EXPECT_TRUE(CIRControlDoc::IsIRSensorText(doc.GetSensorText(TRUE)));

    doc.SetProfileValues(3, 200, 210, 220, 45, 183, 7, "", Text(IDS_STATION_UNIT_FAHRENHEIT), NULL);
    EXPECT_TRUE(doc.IsFahrenheit());
    EXPECT_EQ(Text(IDS_REC_T1) + "392" + Text(IDS_STATION_UNIT_FAHRENHEIT), doc.GetT1Text(FALSE));
    EXPECT_EQ(Text(IDS_REC_TINIT) + "30" + Text(IDS_STATION_UNIT_FAHRENHEIT),
              doc.GetTinitText(FALSE)); // never converted
}

TEST_F(RecordingTables, ReferenceLinesSpanEveryPageAndLegendsStack)
{
    CIRControlDoc doc;
    doc.SetLayout(1, TRUE, 0xFFFFFF, 0xD20000, 300, 20, 250, 25);
    CViewOfDocument shown(&doc);
    CTestDrawView* pView = shown.View();
    pView->m_nPages = 2;
    CReferenceLine line(CRect(0, 0, 1, -1), IDS_REC_REFLINE_T1, "Parameter T1", 0xD20000, 2, FALSE);
    line.SetValue(150, pView);
    ASSERT_EQ(4, line.GetPointCount());
    const int times[] = {0, 299, 300, 599};
    for (int i = 0; i < 4; i++)
    {
        EXPECT_EQ(pView->TimeToX(times[i]), line.GetPoint(i).x) << times[i];
        EXPECT_EQ(pView->TempToY(150), line.GetPoint(i).y);
    }
    CDrawText* pLegend = line.GetLegend();
    line.SetValue(150, pView);
    EXPECT_EQ(pLegend, line.GetLegend());
    EXPECT_EQ(4, line.GetPointCount());
    EXPECT_EQ(CRect(0, pView->TempToY(150) - 15, 50, pView->TempToY(150)), pLegend->GetRect());

    // A fresh document lays out what is visible: only "IRS-Solder" of the curves.
    pView->m_nPages = 1;
    doc.CreateDrawObjects(pView);
    CRect plot = pView->GetPlotRect();
    CMeasureCurve* pIRS = doc.GetCurve(CIRControlDoc::IRSolder);
    EXPECT_TRUE(doc.GetObjects().Find(pIRS) != NULL);
    EXPECT_TRUE(doc.GetObjects().Find(doc.GetCurve(CIRControlDoc::TESolder)) == NULL);
    EXPECT_EQ(CRect(plot.left, plot.top, plot.left + 100, plot.top + 16), pIRS->GetLegend()->GetRect());
    // The bars: a column below the plot, 14 apart, legends 4 higher from the left edge.
    for (int n = 0; n < CIRControlDoc::BarCount; n++)
    {
        CRect bar(plot.left, plot.bottom + 18 + 14 * n, plot.left + 1, plot.bottom + 32 + 14 * n);
        EXPECT_EQ(bar, doc.GetBar(n)->GetRect()) << n;
        EXPECT_EQ(CRect(0, bar.top - 4, bar.right, bar.bottom - 4), doc.GetBar(n)->GetLegend()->GetRect());
    }
    ASSERT_NE(nullptr, doc.GetCursorLine());
    EXPECT_EQ(CRect(plot.left, plot.top, plot.left + 2, plot.bottom), doc.GetCursorLine()->GetRect());

    // All three visible: "TE-Solder", "IRS-Solder", "TE-TopHeater", 16 apart.
    for (int nSlot : {CIRControlDoc::TESolder, CIRControlDoc::IRSolder, CIRControlDoc::TopHeater})
        doc.GetCurve(nSlot)->SetVisible(TRUE);
    doc.DetachCurves(pView);
    doc.LayoutCurves(pView);
    int n = 0;
    for (int nSlot : {CIRControlDoc::TESolder, CIRControlDoc::IRSolder, CIRControlDoc::TopHeater})
    {
        EXPECT_EQ(CRect(plot.left, plot.top + 16 * n, plot.left + 100, plot.top + 16 + 16 * n),
                  doc.GetCurve(nSlot)->GetLegend()->GetRect());
        n++;
    }
    EXPECT_EQ(doc.GetCurve(CIRControlDoc::TopHeater)->GetLegend()->GetRect(), doc.GetCurveLegendPlace());
}

TEST_F(RecordingTables, AnalysisPointsAreLimitedSortedAndDeleted)
{
    CIRControlDoc doc;
    doc.SetLayout(1, TRUE, 0xFFFFFF, 0xD20000, 300, 20, 250, 25);
    CViewOfDocument shown(&doc);
    doc.CreateDrawObjects(shown.View());
    for (int t = 0; t <= 40; t++)
    {
        doc.GetCurve(CIRControlDoc::TESolder)->AddValue(t + 1, t, 100 + t, 1.0f, FALSE, shown.View());
        doc.GetCurve(CIRControlDoc::IRSolder)->AddValue(t + 1, t, 200 + t, 1.0f, FALSE, shown.View());
    }
    CDrawLine* pCursor = doc.GetCursorLine();
    ASSERT_NE(nullptr, pCursor);
    pCursor->SetPosition(30);
    doc.AddAnalysePoint(); // not armed: nothing
    EXPECT_EQ(0, doc.GetAnalysePointCount());
    pCursor->SetArmed(TRUE);
    for (int t : {30, 10, 20})
    {
        pCursor->SetPosition(t);
        doc.AddAnalysePoint();
    }
    ASSERT_EQ(3, doc.GetAnalysePointCount());
    double before30;
    {
        double p, s;
        doc.GetAnalysePoint(0, p, before30, s);
    }
    doc.SortAnalysePoints();
    const int sorted[] = {10, 20, 30};
    for (int n = 0; n < 3; n++)
    {
        double p, v, s, p2, v2, s2;
        doc.GetAnalysePoint(n, p, v, s);
        doc.GetAnalysePoint2(n, p2, v2, s2);
        EXPECT_EQ(sorted[n], p);
        EXPECT_EQ(sorted[n], p2);
        EXPECT_GT(v2, v); // the IRS values followed their points
        EXPECT_EQ(sorted[n], doc.GetPointLine(n)->GetPosition()) << "marker of point " << n;
    }
    double v30, p, s;
    doc.GetAnalysePoint(2, p, v30, s);
    EXPECT_EQ(before30, v30);

    pCursor->SetPosition(5);
    doc.AddAnalysePoint();
    pCursor->SetPosition(6);
    doc.AddAnalysePoint(); // a fifth is refused
    EXPECT_EQ(4, doc.GetAnalysePointCount());

    doc.DeleteLastAnalysePoint();
    EXPECT_EQ(3, doc.GetAnalysePointCount());
    EXPECT_TRUE(doc.GetObjects().Find(doc.GetPointLine(3)) == NULL);
    for (int n = 0; n < 3; n++)
        EXPECT_TRUE(doc.GetObjects().Find(doc.GetPointLine(n)) != NULL) << n;

    doc.SetModifiedFlag(FALSE);
    doc.DeleteAllAnalysePoints();
    EXPECT_EQ(0, doc.GetAnalysePointCount());
    EXPECT_TRUE(doc.IsModified());
    for (int n = 0; n < 4; n++)
        EXPECT_TRUE(doc.GetObjects().Find(doc.GetPointLine(n)) == NULL) << n;
}

TEST_F(RecordingTables, DrawingSettingsComeFromTheRegistry)
{
    // Defaults, and a read-only object refuses to write.
    EXPECT_TRUE(m_pDraw->GetGrid());
    EXPECT_EQ(1, m_pDraw->GetPen());
    EXPECT_EQ((COLORREF)0xD20000, m_pDraw->GetGridColor());
    EXPECT_EQ((COLORREF)0xFFFFFF, m_pDraw->GetBackColor());
    ASSERT_TRUE(m_pDraw->SetGrid(FALSE));
    CDrawConfig readOnly(TRUE);
    EXPECT_FALSE(readOnly.SetGrid(TRUE));
    EXPECT_FALSE(readOnly.GetGrid());
    EXPECT_EQ("0", ReadRaw(HKEY_LOCAL_MACHINE, "Drawing", "Grid"));

    // Each object reads its own values under "Drawing\<name>".
    WriteRawDword(HKEY_LOCAL_MACHINE, "Drawing\\TE-Solder", "Color", 0x123456);
    WriteRawDword(HKEY_LOCAL_MACHINE, "Drawing\\TE-Solder", "Pen", 3);
    WriteRawDword(HKEY_LOCAL_MACHINE, "Drawing\\TE-Solder", "Visible", 0);
    WriteRawDword(HKEY_LOCAL_MACHINE, "Drawing\\ProcessFan", "Color", 0x654321);
    WriteRawDword(HKEY_LOCAL_MACHINE, "Drawing\\ProcessFan", "ProcessBarHeight", 7);
    WriteRawDword(HKEY_LOCAL_MACHINE, "Drawing\\Parameter T1", "Pen", 4);
    auto curve = Curve();
    EXPECT_EQ((COLORREF)0x123456, curve->GetLineColor());
    EXPECT_EQ(3, curve->GetLineWeight());
    EXPECT_FALSE(curve->IsVisible());
    EXPECT_STREQ("Drawing\\TE-Solder", curve->GetRegistryKey());
    CProcessStateCurve bar(CRect(0, 0, 1, -1), IDS_REC_BAR_FAN, "ProcessFan", 0xEE2A11, 10, TRUE);
    EXPECT_EQ((COLORREF)0x654321, bar.GetFillColor());
    EXPECT_EQ(7, bar.GetBarHeight());
    EXPECT_TRUE(bar.IsVisible());
    CReferenceLine line(CRect(0, 0, 1, -1), IDS_REC_REFLINE_T1, "Parameter T1", 0xD20000, 2, FALSE);
    EXPECT_EQ(4, line.GetLineWeight());
    EXPECT_EQ((COLORREF)0xD20000, line.GetLineColor());
}

TEST_F(RecordingTables, PageSizeFromThePrinterOrTheDefault)
{
    CIRControlDoc doc;
    EXPECT_EQ(CSize(960, 590), doc.GetPageSize());
    EXPECT_TRUE(doc.UpdatePageSize(FALSE, 3, FALSE));
    EXPECT_EQ(CSize(2880, 590), doc.GetPageSize());
    EXPECT_FALSE(doc.UpdatePageSize(FALSE, 3, FALSE));
    EXPECT_TRUE(doc.UpdatePageSize(FALSE, 3, TRUE));

    CViewOfDocument shown(&doc);
    BOOL bPrinter = doc.UpdatePageSize(TRUE, 1, FALSE);
    PRINTDLG pd = {};
    pd.lStructSize = sizeof(pd);
    if (AfxGetApp()->GetPrinterDeviceDefaults(&pd))
    {
        // Landscape A4, 297 x 210 mm, in hundredths of an inch.
        EXPECT_TRUE(bPrinter);
        EXPECT_NEAR(1169, doc.GetPageSize().cx, 8); // the printer reports whole millimetres
        EXPECT_NEAR(827, doc.GetPageSize().cy, 8);
        EXPECT_EQ(doc.GetPageSize(), shown.View()->m_pageSize);
    }
    else
        EXPECT_EQ(CSize(960, 590), doc.GetPageSize());
}
