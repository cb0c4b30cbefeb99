// Recording files written by our own encoder (recording.py) from one table of values: versions
// 32, 33 and 34 load into the table's values, our writer reproduces version 34 byte for byte, the
// surface curve goes safely, and broken files (an object with two owners among them) fail with
// the archive's error without harm or leaks.
#include "LiveAllocations.h"
#include "RecordTestView.h"
#include "TestSupport.h"
#include "recording_values.h"
#include "station/record/ApplicationValues.h"
#include "station/record/DrawLine.h"
#include "station/record/DrawText.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureCurve.h"
#include "station/record/MeasureValue.h"
#include "station/record/ProcessStateCurve.h"
#include "station/record/ProcessStateValues.h"
#include "station/record/ReferenceLine.h"
#include "uilib/common/Dib.h"
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

using namespace testing_support;
namespace rv = recording_values;

namespace
{

std::string FilePath(const char* name)
{
    return std::string(FILES_DIR) + name;
}

std::vector<char> Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class RecordingFiles : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        CApplicationValues::Reset();
        // The configured logo: 4 x 2 pixels from the encoder.
        CApplicationValues::SetPrintLogo(FilePath("logo.bmp").c_str(), FALSE, TRUE);
    }
    void TearDown() override
    {
        CApplicationValues::Reset();
    }

    MessageBoxes m_boxes;
};

void ExpectTableValues(CIRControlDoc& doc, int nVersion)
{
    SCOPED_TRACE(nVersion);
    EXPECT_TRUE(doc.IsLoadedFromFile());
    EXPECT_EQ(rv::sampling_interval, doc.GetSamplingInterval());
    EXPECT_EQ(rv::sample_count, doc.GetSampleCount());
    EXPECT_EQ(rv::recording_time, doc.GetRecordingTime());
    EXPECT_EQ(CRect(rv::curve_legend_place[0], rv::curve_legend_place[1], rv::curve_legend_place[2],
                    rv::curve_legend_place[3]),
              doc.GetCurveLegendPlace());
    EXPECT_EQ(rv::program, doc.GetProgram());
    EXPECT_EQ(rv::t1, doc.GetT1());
    EXPECT_EQ(rv::t2, doc.GetT2());
    EXPECT_EQ(rv::t3, doc.GetT3());
    EXPECT_EQ(rv::tl, doc.GetTL());
    EXPECT_EQ(rv::time, doc.GetTime());
    EXPECT_EQ(rv::energy, doc.GetEnergy());
    EXPECT_EQ(rv::tinit, doc.GetTinit());
    EXPECT_STREQ(rv::sensor, doc.GetSensorText());
    EXPECT_STREQ(rv::unit, doc.GetUnitText());
    EXPECT_STREQ(rv::operator_text, doc.GetOperator());
    EXPECT_STREQ(rv::board, doc.GetBoardName());
    EXPECT_STREQ(rv::component, doc.GetComponent());
    EXPECT_STREQ(rv::test_date, doc.GetTestDate());
    EXPECT_STREQ(rv::header, doc.GetHeaderLine());
    BOOL bPipCal;
    int nBuzzer;
    doc.GetIROptions(bPipCal, nBuzzer);
    EXPECT_EQ(rv::pip_cal, bPipCal);
    EXPECT_EQ(rv::buzzer, nBuzzer);
    float f1, f2;
    doc.GetSensorFactors(f1, f2);
    EXPECT_EQ((float)rv::factor1, f1);
    EXPECT_EQ((float)rv::factor2, f2);

    // The drawing part.
    EXPECT_EQ(CSize(rv::page[0], rv::page[1]), doc.GetPageSize());
    EXPECT_EQ(rv::time_base, doc.GetTimeBase());
    EXPECT_EQ(rv::temp_base, doc.GetTempBase());
    EXPECT_EQ(rv::temp_interval, doc.GetTempInterval());
    EXPECT_EQ((COLORREF)rv::back_color, doc.GetBackColor()); // field 6, also where field 1 differs
    EXPECT_EQ((COLORREF)rv::grid_color, doc.GetGridColor());
    EXPECT_EQ(rv::pen, doc.GetPen());
    EXPECT_EQ(2, doc.GetTempLabels().GetCount());
    EXPECT_EQ(2, doc.GetTimeLabels().GetCount());

    // Two curves, no top heater and no surface curve.
    EXPECT_EQ(nullptr, doc.GetCurve(CIRControlDoc::TopHeater));
    EXPECT_EQ(nullptr, doc.GetCurve(CIRControlDoc::IRSurface));
    for (int nSlot : {CIRControlDoc::TESolder, CIRControlDoc::IRSolder})
    {
        CMeasureCurve* pCurve = doc.GetCurve(nSlot);
        ASSERT_NE(nullptr, pCurve);
        ASSERT_EQ((INT_PTR)_countof(rv::curve_values), pCurve->GetValues().GetCount());
        CMeasureValue* pLast = (CMeasureValue*)pCurve->GetValues().GetTail();
        const auto& last = rv::curve_values[_countof(rv::curve_values) - 1];
        EXPECT_EQ(last.time, pLast->GetTime());
        EXPECT_EQ(last.slope, pLast->GetSlope());
        EXPECT_EQ((int)_countof(rv::curve_values), pCurve->GetPointCount());
        ASSERT_NE(nullptr, pCurve->GetLegend());
        EXPECT_TRUE(doc.GetObjects().Find(pCurve->GetLegend()) != NULL);
    }
    EXPECT_STREQ("TE-Sensor", doc.GetCurve(CIRControlDoc::TESolder)->GetName());
    // The encoder's IRS-Solder values lie 1 above the TE-Solder ones.
    EXPECT_EQ(
        101.0f,
        ((CMeasureValue*)doc.GetCurve(CIRControlDoc::IRSolder)->GetValues().GetHead())->GetStoredValue());

    for (int n = 0; n < CIRControlDoc::BarCount; n++)
    {
        CProcessStateCurve* pBar = doc.GetBar(n);
        ASSERT_NE(nullptr, pBar);
        ASSERT_EQ((INT_PTR)_countof(rv::bar_states), pBar->GetValues().GetCount());
        EXPECT_EQ(
            (rv::bar_states[1] + n) % 2,
            ((CProcessStateValues*)pBar->GetValues().GetAt(pBar->GetValues().FindIndex(1)))->GetState());
        EXPECT_FALSE(pBar->IsFirstSample());
    }
    const int values[3] = {rv::t1, rv::t2, rv::t3};
    for (int n = 0; n < CIRControlDoc::LineCount; n++)
    {
        ASSERT_NE(nullptr, doc.GetLine(n));
        EXPECT_EQ(values[n], doc.GetLine(n)->GetValue());
        EXPECT_EQ(4, doc.GetLine(n)->GetPointCount());
    }
    ASSERT_NE(nullptr, doc.GetCursorLine());
    EXPECT_EQ(rv::cursor_position, doc.GetCursorLine()->GetPosition());
    EXPECT_EQ(300, doc.GetCursorLine()->GetMaximum());

    // Analysis points: discarded below version 33.
    if (nVersion < 33)
    {
        EXPECT_EQ(0, doc.GetAnalysePointCount());
        double p = 1, v = 1, s = 1;
        doc.GetAnalysePoint(0, p, v, s);
        EXPECT_EQ(0.0, p + v + s);
        for (int n = 0; n < CIRControlDoc::kMaxAnalysePoints; n++)
            EXPECT_EQ(nullptr, doc.GetPointLine(n));
    }
    else
    {
        ASSERT_EQ(rv::analyse_count, doc.GetAnalysePointCount());
        for (int n = 0; n < rv::analyse_count; n++)
        {
            double p, v, s;
            doc.GetAnalysePoint(n, p, v, s);
            EXPECT_EQ(rv::analyse[n][0][0], p);
            EXPECT_EQ(rv::analyse[n][0][1], v);
            EXPECT_EQ(rv::analyse[n][0][2], s);
            doc.GetAnalysePoint2(n, p, v, s);
            EXPECT_EQ(rv::analyse[n][1][1], v);
            EXPECT_EQ(rv::analyse[n][1][2], s);
            ASSERT_NE(nullptr, doc.GetPointLine(n));
            EXPECT_EQ((int)rv::analyse[n][0][0], doc.GetPointLine(n)->GetPosition());
            EXPECT_TRUE(doc.GetObjects().Find(doc.GetPointLine(n)) != NULL);
        }
        EXPECT_EQ(nullptr, doc.GetPointLine(2));
    }
}

} // namespace

TEST_F(RecordingFiles, EveryVersionLoadsIntoTheTablesValues)
{
    struct Case
    {
        const char* file;
        int version;
        bool logo; // a logo after loading
        int width; // its width: 4 for the encoder's (stored or configured)
        BOOL left; // logo flags after loading
    };
    const Case cases[] = {
        {"v32.hlv", 32, true, 4, FALSE},        // keeps the configured logo and flags
        {"v33.hlv", 33, true, 4, FALSE},        // the same
        {"v34_logo.hlv", 34, true, 4, TRUE},    // the stored logo and flags
        {"v34_nologo.hlv", 34, false, 0, TRUE}, // no logo: the configured one is deleted
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.file);
        CIRControlDoc doc;
        ASSERT_NE(nullptr, doc.GetPrintLogo()); // the constructor loaded the configured logo
        ASSERT_TRUE(doc.OnOpenDocument(FilePath(c.file).c_str()));
        EXPECT_FALSE(doc.IsModified());
        ExpectTableValues(doc, c.version);
        EXPECT_EQ(c.logo, doc.GetPrintLogo() != nullptr);
        if (c.logo)
        {
            EXPECT_EQ(c.width, doc.GetPrintLogo()->GetWidth());
        }
        EXPECT_EQ(c.left, doc.GetLeftLogo());
        EXPECT_EQ(!c.left, doc.GetRightLogo());
    }
}

TEST_F(RecordingFiles, OurWriterReproducesVersion34AndTwoSavesAreIdentical)
{
    for (const char* name : {"v34_logo.hlv", "v34_nologo.hlv"})
    {
        SCOPED_TRACE(name);
        CIRControlDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(FilePath(name).c_str()));
        std::string first = TempFolder() + "\\first.hlv", second = TempFolder() + "\\second.hlv";
        ASSERT_TRUE(doc.OnSaveDocument(first.c_str()));
        ASSERT_TRUE(doc.OnSaveDocument(second.c_str()));
        std::vector<char> original = Bytes(FilePath(name));
        ASSERT_GT(original.size(), 1000u);
        EXPECT_TRUE(original == Bytes(first));
        EXPECT_TRUE(Bytes(first) == Bytes(second));
        ::DeleteFileA(first.c_str());
        ::DeleteFileA(second.c_str());
    }
}

TEST_F(RecordingFiles, TheSurfaceCurveLeavesEveryListBeforeItIsDeleted)
{
    std::vector<char> plain = Bytes(FilePath("v34_nologo.hlv"));
    CIRControlDoc reference;
    ASSERT_TRUE(reference.OnOpenDocument(FilePath("v34_nologo.hlv").c_str()));

    CIRControlDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(FilePath("v34_slot3.hlv").c_str()));
    EXPECT_EQ(nullptr, doc.GetCurve(CIRControlDoc::IRSurface));
    ASSERT_NE(nullptr, doc.GetCurve(CIRControlDoc::TopHeater));
    EXPECT_FALSE(doc.GetCurve(CIRControlDoc::TopHeater)->IsVisible()); // outside expert mode
    // The file's list had two more curves and legends; the top heater's pair stays.
    EXPECT_EQ(reference.GetObjects().GetCount() + 2, doc.GetObjects().GetCount());

    // Painting and saving meet only live objects.
    CViewOfDocument shown(&doc);
    shown.View()->Invalidate();
    shown.View()->UpdateWindow();
    std::string path = TempFolder() + "\\slot3.hlv";
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    CIRControlDoc back;
    ASSERT_TRUE(back.OnOpenDocument(path.c_str()));
    EXPECT_EQ(doc.GetObjects().GetCount(), back.GetObjects().GetCount());
    ::DeleteFileA(path.c_str());

    CApplicationValues::SetExpertMode(TRUE);
    CIRControlDoc expert;
    ASSERT_TRUE(expert.OnOpenDocument(FilePath("v34_slot3.hlv").c_str()));
    EXPECT_TRUE(expert.GetCurve(CIRControlDoc::TopHeater)->IsVisible());
    EXPECT_EQ(nullptr, expert.GetCurve(CIRControlDoc::IRSurface));
}

TEST_F(RecordingFiles, APolylineWhoseCountExceedsItsCapacityLoads)
{
    CIRControlDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(FilePath("v34_wrapped.hlv").c_str()));
    CMeasureCurve* pCurve = doc.GetCurve(CIRControlDoc::TESolder);
    ASSERT_NE(nullptr, pCurve);
    EXPECT_EQ(5, pCurve->GetPointCount());
    EXPECT_GE(pCurve->GetCapacity(), 5);
    EXPECT_EQ(pCurve->GetPoint(4).x, pCurve->GetRect().right);
}

namespace
{
// Live blocks left behind by opening the file in a new document and destroying that again.
long LeftByOpening(const char* name, bool bExpectFailure)
{
    long nBefore = LiveAllocations();
    {
        MessageBoxes boxes;
        if (bExpectFailure)
            boxes.Expect(IDOK, "Unerwartetes Dateiformat");
        CIRControlDoc doc;
        EXPECT_EQ(!bExpectFailure, doc.OnOpenDocument(FilePath(name).c_str()) != FALSE);
        EXPECT_EQ(0u, boxes.Pending());
    }
    return LiveAllocations() - nBefore;
}
} // namespace

TEST_F(RecordingFiles, BrokenFilesFailWithTheArchiveErrorAndLeaveNothingBehind)
{
    CIRControlDoc open;
    ASSERT_TRUE(open.OnOpenDocument(FilePath("v34_nologo.hlv").c_str()));
    INT_PTR nOpenObjects = open.GetObjects().GetCount();
    const char* broken[] = {"bad_truncated.hlv", "bad_version35.hlv", "bad_value_in_objects.hlv",
                            "bad_line_in_labels.hlv", "bad_logo_magic.hlv", "bad_logo_sizes.hlv",
                            // one object where two owners each take it
                            "bad_shared_two_slots.hlv", "bad_shared_surface_is_solder.hlv",
                            "bad_shared_line_twice.hlv", "bad_shared_point_line_is_cursor.hlv",
                            "bad_shared_curve_and_bar_legend.hlv", "bad_shared_two_line_legends.hlv",
                            "bad_shared_value_in_two_lists.hlv", "bad_shared_value_twice_in_a_list.hlv",
                            "bad_shared_bar_state_in_two_bars.hlv", "bad_shared_legend_as_label.hlv"};
    for (const char* name : broken)
    {
        SCOPED_TRACE(name);
        std::vector<char> before = Bytes(FilePath(name));
        LeftByOpening(name, true); // the first time may fill caches
        EXPECT_EQ(0, LeftByOpening(name, true));
        EXPECT_TRUE(before == Bytes(FilePath(name)));
        EXPECT_EQ(nOpenObjects, open.GetObjects().GetCount());
    }
    // The document open all along is intact: it saves what it read.
    std::string path = TempFolder() + "\\intact.hlv";
    ASSERT_TRUE(open.OnSaveDocument(path.c_str()));
    EXPECT_TRUE(Bytes(FilePath("v34_nologo.hlv")) == Bytes(path));
    ::DeleteFileA(path.c_str());
}

TEST_F(RecordingFiles, WhatAGoodFileLoadsIsFreedWithTheDocument)
{
    for (const char* name :
         {"v34_nologo.hlv", "v34_logo.hlv", "v33.hlv", "v34_slot3.hlv", "v34_label_twice.hlv"})
    {
        SCOPED_TRACE(name);
        LeftByOpening(name, false);
        EXPECT_EQ(0, LeftByOpening(name, false));
    }
    // A label in both label lists is one object, in each list once.
    CIRControlDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(FilePath("v34_label_twice.hlv").c_str()));
    ASSERT_EQ(3, doc.GetTimeLabels().GetCount());
    EXPECT_EQ(doc.GetTempLabels().GetHead(), doc.GetTimeLabels().GetTail());
}

TEST_F(RecordingFiles, ABrokenFileReadIntoARecordingLeavesADocumentThatSaves)
{
    std::string path = TempFolder() + "\\after_broken.hlv";
    // Through the framework: the recording goes first, nothing of the broken file stays.
    for (const char* name :
         {"bad_shared_two_slots.hlv", "bad_shared_legend_as_label.hlv", "bad_truncated.hlv"})
    {
        SCOPED_TRACE(name);
        CIRControlDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(FilePath("v34_nologo.hlv").c_str()));
        m_boxes.Expect(IDOK, "Unerwartetes Dateiformat");
        EXPECT_FALSE(doc.OnOpenDocument(FilePath(name).c_str()));
        for (int n = 0; n < CIRControlDoc::CurveCount; n++)
            EXPECT_EQ(nullptr, doc.GetCurve(n));
        EXPECT_EQ(0, doc.GetObjects().GetCount());
        ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
        CIRControlDoc back;
        EXPECT_TRUE(back.OnOpenDocument(path.c_str()));
    }
    // Straight into the document that holds the recording: the curves the file replaced went
    // with all they owned, and the rest saves.
    for (const char* name : {"bad_shared_two_slots.hlv", "bad_truncated.hlv"})
    {
        SCOPED_TRACE(name);
        CIRControlDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(FilePath("v34_nologo.hlv").c_str()));
        CFile file(FilePath(name).c_str(), CFile::modeRead);
        CArchive ar(&file, CArchive::load);
        bool bFailed = false;
        try
        {
            doc.Serialize(ar);
        }
        catch (CArchiveException* e)
        {
            bFailed = true;
            e->Delete();
            ar.Abort();
        }
        EXPECT_TRUE(bFailed);
        ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
        CIRControlDoc back;
        EXPECT_TRUE(back.OnOpenDocument(path.c_str()));
    }
    ::DeleteFileA(path.c_str());
}

TEST_F(RecordingFiles, QuickSaveNamesTheFileAfterBoardAndLocalTime)
{
    std::string folder = TempFolder() + "\\quick";
    ::CreateDirectoryA(folder.c_str(), NULL);
    struct Case
    {
        const char* board;
        const char* inName;
    };
    const Case cases[] = {{"X1", "X1"}, {"A/B:C", "A_B_C"}, {"a\\b*?\"<>|\t", "a_b_______"}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.board);
        CIRControlDoc doc;
        doc.SetTexts("", c.board, "", "");
        CViewOfDocument shown(&doc);
        CString before = CTime::GetCurrentTime().Format("%Y.%m.%d-%H.%M.%S");
        ASSERT_TRUE(doc.QuickSave(folder.c_str(), shown.View()));
        CString after = CTime::GetCurrentTime().Format("%Y.%m.%d-%H.%M.%S");
        std::string first = folder + "\\" + c.inName + std::string(before) + ".hlv";
        std::string second = folder + "\\" + c.inName + std::string(after) + ".hlv";
        bool bFirst = ::GetFileAttributesA(first.c_str()) != INVALID_FILE_ATTRIBUTES;
        bool bSecond = ::GetFileAttributesA(second.c_str()) != INVALID_FILE_ATTRIBUTES;
        EXPECT_TRUE(bFirst || bSecond);
        ASSERT_EQ(1u, shown.View()->m_quickSavePaths.size());
        EXPECT_TRUE(shown.View()->m_quickSavePaths[0] == first ||
                    shown.View()->m_quickSavePaths[0] == second);
        ::DeleteFileA(first.c_str());
        ::DeleteFileA(second.c_str());
    }
    ::RemoveDirectoryA(folder.c_str());
}
