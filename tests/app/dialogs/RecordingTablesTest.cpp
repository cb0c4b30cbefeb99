// A recording document's table dialogs in a stand-in for the measurement table bar: the user
// mask (typed labelling reaches the document and its file, the header line's limit, the pin-1
// choice, the highlight of changed station values) and the measured-value table (columns,
// cells, row colours, the longest curve, one row per new sample, nothing editable).
#include "DialogAnswer.h"
#include "FileDialogAnswer.h"
#include "Input.h"
#include "ProgramKey.h"
#include "TestSupport.h"
#include "app/ParameterDlg.h"
#include "grid/factory/ControlFactory.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureCurve.h"
#include "station/record/MeasureValue.h"
#include "station/record/MeasureValueDlg.h"
#include "station/record/ProcessStateCurve.h"
#include "station/record/ProcessStateValues.h"
#include "AppIds.h"
#include "ComboBox.h"
#include "StationIds.h"
#include <string>

using namespace testing_support;
using namespace dialogs_test;

namespace
{
// The bar as the documents see it: a window for their dialogs and the pair it shows.
struct StandInBar
{
    CWnd wnd;
    CWnd* pShownValues = NULL;
    CWnd* pShownMask = NULL;
    int nAttaches = 0;

    static StandInBar*& Current()
    {
        static StandInBar* s_p = NULL;
        return s_p;
    }
    static CWnd* Parent()
    {
        return &Current()->wnd;
    }
    static BOOL Attach(CWnd* pValues, CWnd* pMask, BOOL)
    {
        StandInBar& bar = *Current();
        bar.nAttaches++;
        bar.pShownValues = pValues;
        bar.pShownMask = pMask;
        pMask->MoveWindow(0, 0, 880, 300);
        pMask->ShowWindow(SW_SHOW);
        return TRUE;
    }
    static BOOL Detach(CWnd* pValues)
    {
        StandInBar& bar = *Current();
        if (bar.pShownValues != pValues)
            return FALSE;
        bar.pShownValues = bar.pShownMask = NULL;
        return TRUE;
    }
};

class RecordingTables : public ProgramKeyTest
{
  protected:
    void SetUp() override
    {
        ProgramKeyTest::SetUp();
        InitGridLibraryWithDefaultFactory();
        m_pConfig = new CProjektConfig(FALSE);
        CApplicationValues::SetProjektConfig(m_pConfig);
        ASSERT_TRUE(m_bar.wnd.CreateEx(0, AfxRegisterWndClass(0), "Tabellen", WS_POPUP | WS_VISIBLE,
                                       CRect(10, 10, 900, 320), NULL, 0));
        StandInBar::Current() = &m_bar;
        CApplicationValues::STableBar hooks;
        hooks.pfnGetDialogParent = &StandInBar::Parent;
        hooks.pfnAttachDialogs = &StandInBar::Attach;
        hooks.pfnDetachDialogs = &StandInBar::Detach;
        CApplicationValues::SetTableBar(hooks);
        CApplicationValues::SetParameterDlgFactory(&CParameterDlg::CreateForDocument);
        m_pDoc = new CIRControlDoc;
        m_pDoc->UpdateMeasureValues(FALSE);
        m_pMask = dynamic_cast<CParameterDlg*>(m_pDoc->GetParameterDlg());
        ASSERT_TRUE(m_pMask != NULL);
        ASSERT_TRUE(m_pDoc->GetMeasureValueDlg() != NULL);
        m_bar.wnd.SetForegroundWindow();
        PumpMessages(100);
    }
    void TearDown() override
    {
        delete m_pDoc;
        EXPECT_TRUE(m_bar.pShownValues == NULL) << "the document takes its dialogs out of the bar";
        m_bar.wnd.DestroyWindow();
        CApplicationValues::SetTableBar(CApplicationValues::STableBar());
        CApplicationValues::SetParameterDlgFactory(NULL);
        CApplicationValues::SetProjektConfig(NULL);
        StandInBar::Current() = NULL;
        delete m_pConfig;
        for (const std::string& path : m_files)
            ::DeleteFileA(path.c_str());
        ProgramKeyTest::TearDown();
    }
    void TypeInto(UINT nID, const char* psz)
    {
        m_pMask->GetDlgItem(nID)->SetFocus();
        for (; *psz; psz++)
            PressKey(*psz == ' ' ? (WORD)VK_SPACE : (WORD)toupper(*psz)); // lower case without Shift
    }
    std::string ControlText(UINT nID)
    {
        CString text;
        m_pMask->GetDlgItem(nID)->GetWindowText(text);
        return (LPCTSTR)text;
    }
    std::string TempFile(const char* name)
    {
        m_files.push_back(TempFolder() + "\\" + name);
        return m_files.back();
    }
    COLORREF LabelColour(int n)
    {
        return m_pMask->GetLabel(n).GetTextColor();
    }

    StandInBar m_bar;
    CProjektConfig* m_pConfig = NULL;
    CIRControlDoc* m_pDoc = NULL;
    CParameterDlg* m_pMask = NULL;
    std::vector<std::string> m_files;
};

std::string LoadText(UINT nID)
{
    CString text;
    text.LoadString(nID);
    return (LPCTSTR)text;
}
} // namespace

TEST_F(RecordingTables, DocumentPutsBothDialogsIntoTheBarOnce)
{
    EXPECT_EQ(1, m_bar.nAttaches);
    EXPECT_EQ(m_pDoc->GetMeasureValueDlg(), m_bar.pShownValues);
    EXPECT_EQ(m_pMask, m_bar.pShownMask);
    EXPECT_EQ(m_bar.wnd.m_hWnd, ::GetParent(m_pMask->m_hWnd));
    EXPECT_EQ(m_bar.wnd.m_hWnd, ::GetParent(m_pDoc->GetMeasureValueDlg()->m_hWnd));
    m_pDoc->UpdateMeasureValues(FALSE);
    EXPECT_EQ(1, m_bar.nAttaches) << "made once, attached once";
    m_pDoc->DetachTableDialogs();
    EXPECT_TRUE(m_bar.pShownValues == NULL);
}

// What the user types and chooses is the document's: in its texts, its file and a reopened copy.
TEST_F(RecordingTables, UserMaskInputReachesTheDocumentAndItsFile)
{
    TypeInto(IDC_MASK_OPERATOR, "meier");
    TypeInto(IDC_MASK_BOARD, "platine 7");
    TypeInto(IDC_MASK_COMPONENT, "bga");
    TypeInto(IDC_MASK_HEADER, "kopf");
    m_pMask->GetDlgItem(IDC_MASK_PIN1)->SetFocus();
    PressKey(VK_END);
    m_pMask->GetDlgItem(IDC_MASK_PROFILE_TYPE)->SetFocus();
    PressKey(VK_HOME);
    TypeInto(IDC_MASK_TINIT, "");
    PressKey(VK_UP); // the spin's arrow key: one above the initial Tinit
    const int nTinit = (int)m_pConfig->GetTinitDefault() + 1;

    EXPECT_STREQ("meier", m_pDoc->GetOperator());
    EXPECT_STREQ("platine 7", m_pDoc->GetBoardName());
    EXPECT_STREQ("bga", m_pDoc->GetComponent());
    EXPECT_STREQ("kopf", m_pDoc->GetHeaderLine());
    EXPECT_EQ(LoadText(359), (LPCTSTR)m_pDoc->GetPin1Position()) << "\"Rechts oben\" is string 359";
    EXPECT_STREQ("Rechts oben", m_pDoc->GetPin1Position());
    EXPECT_EQ(LoadText(347), (LPCTSTR)m_pDoc->GetProfileType());
    EXPECT_EQ(nTinit, m_pDoc->GetTinit());

    const std::string path = TempFile("Benutzermaske.hlv");
    ASSERT_TRUE(m_pDoc->OnSaveDocument(path.c_str()));
    CIRControlDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path.c_str()));
    EXPECT_STREQ("meier", reopened.GetOperator());
    EXPECT_STREQ("platine 7", reopened.GetBoardName());
    EXPECT_STREQ("bga", reopened.GetComponent());
    EXPECT_STREQ("kopf", reopened.GetHeaderLine());
    EXPECT_STREQ("Rechts oben", reopened.GetPin1Position());
    EXPECT_EQ(nTinit, reopened.GetTinit());
}

// The document's texts go the other way into the controls, without coming back half-refreshed.
TEST_F(RecordingTables, DocumentFillsTheUserMask)
{
    m_pDoc->SetOperatorName("Schulz");
    m_pDoc->SetBoardName("Board 3");
    m_pDoc->SetPin1Text("Links oben");
    m_pDoc->SetApertureXText("2,0 x 10 mm");
    m_pDoc->SetTinit(77);
    m_pDoc->FillParameterDlgInfo();
    EXPECT_EQ("Schulz", ControlText(IDC_MASK_OPERATOR));
    EXPECT_EQ("Board 3", ControlText(IDC_MASK_BOARD));
    EXPECT_EQ("Links oben", ControlText(IDC_MASK_PIN1));
    EXPECT_EQ("2,0 x 10 mm", ControlText(IDC_MASK_APERTURE_X));
    EXPECT_EQ("77", ControlText(IDC_MASK_TINIT));
    EXPECT_STREQ("Schulz", m_pDoc->GetOperator());
    EXPECT_STREQ("Board 3", m_pDoc->GetBoardName());
    m_pDoc->SetTestDate();
    EXPECT_EQ((LPCTSTR)m_pDoc->GetTestDate(), ControlText(IDC_MASK_DATE));
}

// The edit takes 70 characters; 71 put into it are refused with the framework's text and the
// document keeps the last valid line.
TEST_F(RecordingTables, HeaderLineHoldsAtMostSeventyCharacters)
{
    const std::string seventy(70, 'x');
    TypeInto(IDC_MASK_HEADER, (seventy + "x").c_str());
    EXPECT_EQ(seventy, ControlText(IDC_MASK_HEADER));
    EXPECT_EQ(seventy, (LPCTSTR)m_pDoc->GetHeaderLine());

    MessageBoxes boxes;
    boxes.Expect(IDOK, "Bitte geben Sie h\xF6"
                       "chstens 70 Zeichen ein.");
    m_pMask->GetDlgItem(IDC_MASK_HEADER)->SetWindowText((seventy + "y").c_str());
    PumpMessages(100);
    EXPECT_EQ(0u, boxes.Pending());
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ(seventy, (LPCTSTR)m_pDoc->GetHeaderLine());
}

// A changed station value turns the current-parameter labels red at the next second, and ten
// seconds later blue.
TEST_F(RecordingTables, ChangedStationValuesAreRedForTenSeconds)
{
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
    m_pDoc->SetProfileValues(1, 200, 210, 220, 60, 217, 7, "IR-Sensor",
                             " \xB0"
                             "C",
                             NULL);
    m_pDoc->FillParameterDlg(FALSE);
    EXPECT_EQ(red, LabelColour(0)) << "no valid values";
    m_pDoc->FillParameterDlg(TRUE);
    EXPECT_TRUE(PumpUntil([&] { return LabelColour(0) == blue; }, 2000)) << "valid again: blue";
    CString shown;
    m_pMask->GetDlgItem(IDC_MASK_T1)->GetWindowText(shown);
    EXPECT_STREQ("T1 = 200 \xB0"
                 "C",
                 shown);

    m_pDoc->SetProfileValues(1, 205, 210, 220, 60, 217, 7, "IR-Sensor",
                             " \xB0"
                             "C",
                             NULL);
    m_pDoc->FillParameterDlg(TRUE);
    ASSERT_TRUE(PumpUntil([&] { return LabelColour(0) == red; }, 2000));
    const ULONGLONG red_at = NowMs();
    for (int n = 0; n < CParameterDlg::LabelCount; n++)
        EXPECT_EQ(red, LabelColour(n)) << "label " << n;
    m_pMask->GetDlgItem(IDC_MASK_T1)->GetWindowText(shown);
    EXPECT_STREQ("T1 = 205 \xB0"
                 "C",
                 shown);
    ASSERT_TRUE(PumpUntil([&] { return LabelColour(0) == blue; }, 13000));
    const ULONGLONG elapsed = NowMs() - red_at;
    EXPECT_GE(elapsed, 9000u);
    EXPECT_LE(elapsed, 11500u);
    for (int n = 0; n < CParameterDlg::LabelCount; n++)
        EXPECT_EQ(blue, LabelColour(n)) << "label " << n;
}

namespace
{
// Curves and bars of hand-made samples, in a list as the document keeps them.
class TableObjects
{
  public:
    ~TableObjects()
    {
        for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
            delete list.GetNext(pos);
    }
    CMeasureCurve* AddCurve(UINT nTitle, BOOL bScale)
    {
        CMeasureCurve* pCurve =
            new CMeasureCurve(CRect(0, 0, 1, -1), nTitle, "Kurve", RGB(0, 0, 0), 1, TRUE, bScale);
        list.AddTail(pCurve);
        return pCurve;
    }
    CProcessStateCurve* AddBar(UINT nTitle)
    {
        CProcessStateCurve* pBar =
            new CProcessStateCurve(CRect(0, 0, 1, -1), nTitle, "Balken", RGB(0, 0, 0), 4, TRUE);
        list.AddTail(pBar);
        return pBar;
    }
    static void AddSample(CMeasureCurve* pCurve, int nTime, float fValue, float fScale, double dSlope,
                          BOOL bFahrenheit = FALSE)
    {
        CMeasureValue* pValue =
            new CMeasureValue(pCurve->GetValues().GetCount(), nTime, fValue, fScale, bFahrenheit);
        pValue->SetSlope(dSlope);
        pCurve->GetValues().AddTail(pValue);
    }
    static void AddState(CProcessStateCurve* pBar, int nTime, int nState)
    {
        pBar->GetValues().AddTail(new CProcessStateValues(pBar->GetValues().GetCount(), nTime, nState));
    }
    CObList list;
};

class MeasureTable : public RecordingTables
{
  protected:
    void SetUp() override
    {
        RecordingTables::SetUp();
        m_pTable = m_pDoc->GetMeasureValueDlg();
        m_pTable->MoveWindow(0, 0, 880, 300);
        m_pTable->ShowWindow(SW_SHOW);
        m_pMask->ShowWindow(SW_HIDE);
        PumpMessages(50);
    }
    CGXStyle Cell(ROWCOL nRow, ROWCOL nCol)
    {
        CGXStyle style;
        m_pTable->GetGrid().ComposeStyleRowCol(nRow, nCol, &style);
        return style;
    }
    std::string Text(ROWCOL nRow, ROWCOL nCol)
    {
        return (LPCTSTR)m_pTable->GetGrid().GetComposedValueText(nRow, nCol);
    }
    // The three samples of two curves and a bar most cases use.
    void MakeTwoCurvesAndABar()
    {
        m_pSolder = m_objects.AddCurve(IDS_REC_CURVE_TESOLDER, FALSE);
        m_pIR = m_objects.AddCurve(IDS_REC_CURVE_IRSOLDER, TRUE);
        m_pFan = m_objects.AddBar(IDS_REC_BAR_FAN);
        for (int n = 0; n < 3; n++)
        {
            TableObjects::AddSample(m_pSolder, n * 5, 100.0f + n, 1.0f, 0.5 * n);
            TableObjects::AddSample(m_pIR, n * 5, 50.0f + n, 2.0f, 0.25);
            TableObjects::AddState(m_pFan, n * 5, n % 2);
        }
    }

    CMeasureValueDlg* m_pTable = NULL;
    TableObjects m_objects;
    CMeasureCurve* m_pSolder = NULL;
    CMeasureCurve* m_pIR = NULL;
    CProcessStateCurve* m_pFan = NULL;
};
} // namespace

TEST_F(MeasureTable, ColumnsCellsAndColoursFollowTheObjects)
{
    MakeTwoCurvesAndABar();
    m_pTable->Refresh(m_objects.list);
    CMeasureGrid& grid = m_pTable->GetGrid();
    ASSERT_EQ(6u, grid.GetColCount()) << "time, value and slope twice, one state";
    ASSERT_EQ(3u, grid.GetRowCount());
    const char* headings[] = {"Nr.", "Zeit/s", "", "dT/dt", "", "dT/dt"};
    for (ROWCOL nCol = 0; nCol <= 5; nCol++)
        EXPECT_EQ(nCol == 2 || nCol == 4
                      ? LoadText(nCol == 2 ? IDS_REC_CURVE_TESOLDER : IDS_REC_CURVE_IRSOLDER)
                      : std::string(headings[nCol]),
                  Text(0, nCol))
            << "column " << nCol;
    EXPECT_EQ(LoadText(IDS_REC_BAR_FAN), Text(0, 6));
    EXPECT_EQ(90, grid.GetColWidth(3));
    EXPECT_EQ(90, grid.GetColWidth(5));
    EXPECT_EQ(60, grid.GetColWidth(6));

    // Row 2: time 5, stored 101 (unscaled), slope 0.5 x 1, stored 51 x 2, slope 0.25 x 2, " EIN ".
    const struct
    {
        ROWCOL nCol;
        const char* value;
    } row2[] = {{1, "5"}, {2, "101"}, {3, "0.5"}, {4, "102"}, {5, "0.5"}, {6, " EIN "}};
    for (const auto& c : row2)
        EXPECT_EQ(c.value, Text(2, c.nCol)) << "column " << c.nCol;
    EXPECT_EQ(" AUS", Text(1, 6));
    for (ROWCOL nRow = 1; nRow <= 3; nRow++)
        for (ROWCOL nCol = 1; nCol <= 6; nCol++)
        {
            CGXStyle style = Cell(nRow, nCol);
            SCOPED_TRACE(testing::Message() << "cell " << nRow << "," << nCol);
            EXPECT_EQ(nRow % 2 ? RGB(255, 255, 255) : RGB(0, 255, 255), style.GetInterior().GetBackColor());
            EXPECT_TRUE(style.GetReadOnly());
            EXPECT_EQ(nCol < 6 ? (UINT)GX_VT_NUMBER : (UINT)GX_VT_TEXT, style.GetValueType());
            if (nCol < 6)
            {
                EXPECT_EQ(2u, style.GetFormat());
                EXPECT_EQ(2u, style.GetPlaces());
            }
        }
    EXPECT_TRUE(grid.GetParam()->m_bProtectReadOnly) << "read-only cells stay protected";
}

// A later curve with a sample more than the first fills that row too, its time included.
TEST_F(MeasureTable, LongestCurveGivesTheRows)
{
    MakeTwoCurvesAndABar();
    TableObjects::AddSample(m_pIR, 15, 60.0f, 2.0f, 1.0);
    m_pTable->Refresh(m_objects.list);
    CMeasureGrid& grid = m_pTable->GetGrid();
    ASSERT_EQ(4u, grid.GetRowCount());
    EXPECT_EQ("15", Text(4, 1));
    EXPECT_EQ("120", Text(4, 4));
    EXPECT_EQ("2", Text(4, 5));
    EXPECT_EQ("", Text(4, 2)) << "the first curve has no fourth sample";
}

// A new sample of each curve and bar is one row more at the end; Fahrenheit samples convert.
TEST_F(MeasureTable, NewSampleAppendsOneRow)
{
    MakeTwoCurvesAndABar();
    m_pTable->Refresh(m_objects.list);
    TableObjects::AddSample(m_pSolder, 15, 100.0f, 1.0f, 1.0, TRUE);
    TableObjects::AddSample(m_pIR, 15, 50.0f, 2.0f, 0.5);
    TableObjects::AddState(m_pFan, 15, 1);
    m_pTable->UpdateTable(m_objects.list);
    CMeasureGrid& grid = m_pTable->GetGrid();
    ASSERT_EQ(4u, grid.GetRowCount());
    const struct
    {
        ROWCOL nCol;
        const char* value;
    } row4[] = {{1, "15"}, {2, "212"}, {3, "1"}, {4, "100"}, {5, "1"}, {6, " EIN "}};
    for (const auto& c : row4)
        EXPECT_EQ(c.value, Text(4, c.nCol)) << "column " << c.nCol;
    EXPECT_EQ(RGB(0, 255, 255), Cell(4, 1).GetInterior().GetBackColor());
    EXPECT_EQ("101", Text(2, 2)) << "earlier rows stay";
}

// Samples that came without an update are not lost: the next update brings them all.
TEST_F(MeasureTable, MissedSamplesComeWithTheNextUpdate)
{
    MakeTwoCurvesAndABar();
    m_pTable->Refresh(m_objects.list);
    for (int nTime : {15, 20})
    {
        TableObjects::AddSample(m_pSolder, nTime, 100.0f + nTime, 1.0f, 1.0);
        TableObjects::AddSample(m_pIR, nTime, 50.0f, 2.0f, 0.5);
        TableObjects::AddState(m_pFan, nTime, 1);
    }
    m_pTable->UpdateTable(m_objects.list);
    ASSERT_EQ(5u, m_pTable->GetGrid().GetRowCount());
    for (ROWCOL nRow = 1; nRow <= 5; nRow++)
        EXPECT_EQ(std::to_string((nRow - 1) * 5), Text(nRow, 1)) << "row " << nRow;
    EXPECT_EQ("115", Text(4, 2));
    EXPECT_EQ("120", Text(5, 2));
    EXPECT_EQ(" EIN ", Text(5, 6));
}

// Typing into a written cell changes nothing.
TEST_F(MeasureTable, TypingChangesNoCell)
{
    MakeTwoCurvesAndABar();
    m_pTable->Refresh(m_objects.list);
    CMeasureGrid& grid = m_pTable->GetGrid();
    CRect rect = grid.CalcCellRect(2, 2);
    CPoint pt = rect.CenterPoint();
    grid.ClientToScreen(&pt);
    ClickAt(pt);
    PressKey('7');
    PressKey(VK_RETURN);
    PressKey(VK_DELETE);
    EXPECT_EQ("101", Text(2, 2));
}

// The document refills its table from its own objects; an empty recording has no rows.
TEST_F(MeasureTable, DocumentRefillsItsTable)
{
    m_pDoc->UpdateMeasureValues(FALSE);
    CMeasureGrid& grid = m_pTable->GetGrid();
    EXPECT_EQ(0u, grid.GetRowCount());
    EXPECT_EQ("Zeit/s", Text(0, 1));
    MakeTwoCurvesAndABar();
    m_pDoc->GetObjects().AddTail(m_objects.list.GetHead());
    m_pDoc->UpdateMeasureValues(FALSE);
    EXPECT_EQ(3u, grid.GetRowCount());
    EXPECT_EQ(3u, grid.GetColCount());
    TableObjects::AddSample(m_pSolder, 15, 110.0f, 1.0f, 1.0);
    m_pDoc->RefreshMeasureGrid();
    EXPECT_EQ(4u, grid.GetRowCount());
    EXPECT_EQ("110", Text(4, 2));
    m_pDoc->GetObjects().RemoveAll();
}

namespace
{
bool FileExists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
} // namespace

// The table goes into an Excel 97 workbook at the chosen path; Cancel writes nothing; a table
// longer than a sheet is refused by the writer and the export says so by its result.
TEST_F(MeasureTable, ExportWritesAWorkbookOrNothing)
{
    MakeTwoCurvesAndABar();
    m_pTable->Refresh(m_objects.list);
    const std::string path = TempFile("Messwerte.xls");
    {
        FileDialogAnswer answer(path, true);
        EXPECT_TRUE(m_pTable->ExportToExcel());
        EXPECT_TRUE(answer.bSeen);
    }
    ASSERT_TRUE(FileExists(path));
    EXPECT_EQ(std::string("\xD0\xCF\x11\xE0", 4), ReadFile(path).substr(0, 4)) << "a compound file";

    const std::string cancelled = TempFile("Abgebrochen.xls");
    {
        FileDialogAnswer answer(cancelled, false);
        EXPECT_FALSE(m_pTable->ExportToExcel());
        EXPECT_TRUE(answer.bSeen);
    }
    EXPECT_FALSE(FileExists(cancelled));

    const std::string tooLong = TempFile("Zulang.xls");
    m_pTable->GetGrid().SetRowCount(70000, GX_NOREDRAW);
    m_pTable->SetValueCell(70000, 1, 1.0);
    MessageBoxes boxes;
    boxes.Expect(IDOK);
    {
        FileDialogAnswer answer(tooLong, true);
        EXPECT_FALSE(m_pTable->ExportToExcel());
    }
    EXPECT_EQ(0u, boxes.Pending()) << "the writer says why";
    EXPECT_FALSE(FileExists(tooLong));
}
