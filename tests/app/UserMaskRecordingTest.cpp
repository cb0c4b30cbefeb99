// The recording's table dialogs in the program's own table bar: the active recording's user mask
// and measured-value table are tabs 1 and 2, F9 brings the user mask forward, and the table is
// headed by the recording's visible curves (with their slopes) and its six bars.
#include "FileDialogAnswer.h"
#include "FirstStart.h"
#include "app/MeasureTableWnd.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureCurve.h"
#include "station/record/MeasureValue.h"
#include "station/record/MeasureValueDlg.h"
#include "station/record/ProcessStateCurve.h"
#include "AppIds.h"
#include <cstdlib>
#include <map>
#include <sstream>
#include <vector>

using namespace testing_support;

namespace
{
void TypeKey(WORD vk)
{
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, in, sizeof(INPUT));
}

CWnd* TabWindow(SEC3DTabWnd& tabs, int nIndex)
{
    LPCTSTR label = NULL;
    BOOL bSelected = FALSE;
    CWnd* pWnd = NULL;
    DWORD dw1 = 0, dw2 = 0;
    return tabs.GetTabInfo(nIndex, label, bSelected, pWnd, dw1, dw2) ? pWnd : NULL;
}
} // namespace

TEST_F(FirstStart, RecordingShowsItsUserMaskAndTable)
{
    ASSERT_NO_FATAL_FAILURE(StartAgainWithRecording());
    SEC3DTabWnd& tabs = m_pFrame->GetMeasureTableWnd().GetTabWnd();
    ASSERT_EQ(3, tabs.GetTabCount());
    EXPECT_EQ(m_pDoc->GetParameterDlg(), TabWindow(tabs, CMeasureTableWnd::TabUserMask));
    EXPECT_EQ(m_pDoc->GetMeasureValueDlg(), TabWindow(tabs, CMeasureTableWnd::TabMeasureValues));

    // The table's headings: time, each visible curve with its slope, the six bars.
    CMeasureGrid& grid = m_pDoc->GetMeasureValueDlg()->GetGrid();
    std::vector<CString> expected = {"Nr.", "Zeit/s"};
    CObList& objects = m_pDoc->GetObjects();
    for (POSITION pos = objects.GetHeadPosition(); pos != NULL;)
        if (CMeasureCurve* pCurve = dynamic_cast<CMeasureCurve*>(objects.GetNext(pos)))
        {
            expected.push_back(pCurve->GetName());
            expected.push_back("dT/dt");
        }
    ASSERT_GE(expected.size(), 4u) << "a visible curve at least";
    for (int n = 0; n < CIRControlDoc::BarCount; n++)
        expected.push_back(m_pDoc->GetBar(n)->GetName());
    ASSERT_EQ(expected.size() - 1, grid.GetColCount());
    for (ROWCOL nCol = 0; nCol < expected.size(); nCol++)
        EXPECT_STREQ(expected[nCol], grid.GetComposedValueText(0, nCol)) << nCol;

    ASSERT_TRUE(PumpUntil([&] { return m_pView->IsOnline(); }, 10000));
    tabs.ActivateTab(CMeasureTableWnd::TabProfiles);
    m_pFrame->SetForegroundWindow();
    m_pView->SetFocus();
    PumpAsTheApplication(100);
    TypeKey(VK_F9);
    EXPECT_TRUE(PumpAsTheApplicationUntil([&] { return m_pView->IsRecording(); }, 3000));
    EXPECT_EQ(m_pDoc->GetParameterDlg(), tabs.GetActiveWnd()) << "recording shows the user mask";
    EXPECT_TRUE(m_pDoc->GetParameterDlg()->IsWindowVisible());
    EXPECT_FALSE(m_pDoc->GetTestDate().IsEmpty());
    CString date;
    m_pDoc->GetParameterDlg()->GetDlgItem(IDC_MASK_DATE)->GetWindowText(date);
    EXPECT_STREQ(m_pDoc->GetTestDate(), date);
    TypeKey(VK_F9);
    EXPECT_TRUE(PumpAsTheApplicationUntil([&] { return !m_pView->IsRecording(); }, 3000));
}

namespace
{
// The headings the value table has for a recording: time, each visible curve with its slope,
// the six bars.
std::vector<CString> ExpectedHeadings(CIRControlDoc* pDoc)
{
    std::vector<CString> expected = {"Nr.", "Zeit/s"};
    CObList& objects = pDoc->GetObjects();
    for (POSITION pos = objects.GetHeadPosition(); pos != NULL;)
        if (CMeasureCurve* pCurve = dynamic_cast<CMeasureCurve*>(objects.GetNext(pos)))
        {
            expected.push_back(pCurve->GetName());
            expected.push_back("dT/dt");
        }
    for (int n = 0; n < CIRControlDoc::BarCount; n++)
        expected.push_back(pDoc->GetBar(n)->GetName());
    return expected;
}

// A cell as a workbook holds it: "n" and the number or "t" and the text, the number format
// and the fill colour, as read_workbook.py writes it.
struct SheetCell
{
    std::string kind, value, format, fill;
};
typedef std::map<std::pair<int, int>, SheetCell> Sheet;

// What xlrd reads from the workbook; the sheet count comes back as well.
Sheet ReadWorkbook(const std::string& path, int& nSheets)
{
    const std::string out = TempFolder() + "\\workbook.txt";
    ::DeleteFileA(out.c_str());
    const std::string script = std::string("/usr/bin/python3 ") + APP_TEST_SOURCE_DIR + "/read_workbook.py " +
                               UnixPath(path) + " " + UnixPath(out);
    EXPECT_TRUE(RunUnix(script, TempFolder() + "\\done.txt", 60000));
    Sheet sheet;
    nSheets = 0;
    std::istringstream lines(ReadFile(out));
    std::string line;
    while (std::getline(lines, line))
    {
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');)
            f.push_back(field);
        if (f.size() == 2 && f[0] == "sheets")
            nSheets = atoi(f[1].c_str());
        else if (f.size() == 6)
            sheet[{atoi(f[0].c_str()), atoi(f[1].c_str())}] = {f[2], f[3], f[4], f[5]};
    }
    return sheet;
}

std::string Fill(COLORREF colour)
{
    char text[8];
    snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

// Counts the key-downs that reach a window's own procedure.
struct KeysReaching
{
    explicit KeysReaching(HWND hWnd) : m_hWnd(hWnd)
    {
        Current() = this;
        m_pfnOld = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)Proc);
    }
    ~KeysReaching()
    {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnOld);
        Current() = NULL;
    }
    std::map<WPARAM, int> m_downs;

  private:
    static KeysReaching*& Current()
    {
        static KeysReaching* s_p = NULL;
        return s_p;
    }
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        KeysReaching* pThis = Current();
        if (message == WM_KEYDOWN)
            pThis->m_downs[wParam]++;
        return ::CallWindowProcA(pThis->m_pfnOld, hWnd, message, wParam, lParam);
    }
    HWND m_hWnd;
    WNDPROC m_pfnOld;
};
} // namespace

// Ten seconds into the simulated process the recording's value table holds its samples under
// the recording's headings in white and cyan rows; the export command writes them into a
// workbook that xlrd reads back cell for cell; F5 inside the table reaches the frame, a letter
// stays in the grid.
TEST_F(FirstStart, ValueTableOfARunningProcessAndItsWorkbook)
{
    ASSERT_NO_FATAL_FAILURE(StartAgainWithRecording());
    ASSERT_TRUE(PumpUntil([&] { return m_pView->IsOnline(); }, 10000));
    m_pView->SendMessage(WM_COMMAND, ID_RECORD);
    ASSERT_TRUE(PumpAsTheApplicationUntil([&] { return m_pView->IsRecording(); }, 3000));
    CMeasureGrid& grid = m_pDoc->GetMeasureValueDlg()->GetGrid();
    const ULONGLONG start = NowMs();
    ASSERT_TRUE(PumpAsTheApplicationUntil([&] { return grid.GetRowCount() >= 11; }, 20000));
    EXPECT_GE(NowMs() - start + 1500, 10000u) << "a sample a second";
    SEC3DTabWnd& tabs = m_pFrame->GetMeasureTableWnd().GetTabWnd();
    tabs.ActivateTab(CMeasureTableWnd::TabMeasureValues);
    PumpAsTheApplication(200);
    EXPECT_EQ(m_pDoc->GetMeasureValueDlg(), tabs.GetActiveWnd());

    const std::vector<CString> headings = ExpectedHeadings(m_pDoc);
    ASSERT_EQ(headings.size() - 1, grid.GetColCount());
    for (ROWCOL nCol = 0; nCol < headings.size(); nCol++)
        EXPECT_STREQ(headings[nCol], grid.GetComposedValueText(0, nCol)) << nCol;
    CMeasureCurve* pFirst = NULL;
    for (POSITION pos = m_pDoc->GetObjects().GetHeadPosition(); pos != NULL && pFirst == NULL;)
        pFirst = dynamic_cast<CMeasureCurve*>(m_pDoc->GetObjects().GetNext(pos));
    ASSERT_TRUE(pFirst != NULL);
    for (ROWCOL nRow = 1; nRow <= 11; nRow++)
    {
        SCOPED_TRACE(testing::Message() << "row " << nRow);
        // A row for each of the first curve's samples, the recording's first ones included.
        CMeasureValue* pSample = dynamic_cast<CMeasureValue*>(
            pFirst->GetValues().GetAt(pFirst->GetValues().FindIndex((INT_PTR)nRow - 1)));
        ASSERT_TRUE(pSample != NULL);
        EXPECT_EQ(pSample->GetTime(), atoi(grid.GetComposedValueText(nRow, 1)));
        EXPECT_NEAR(pFirst->IsScaled() ? pSample->GetValue() : pSample->GetScaledValue(),
                    atof(grid.GetComposedValueText(nRow, 2)), 1e-6);
        // Every filled cell in its row's colour (a bar whose state came after two samples has
        // one entry less, and its newest row stays empty).
        for (ROWCOL nCol = 1; nCol <= grid.GetColCount(); nCol++)
        {
            CGXStyle style;
            grid.ComposeStyleRowCol(nRow, nCol, &style);
            if (nCol > 3 && !style.GetInclude(CGXStyle::ibValue))
                continue;
            EXPECT_EQ(nRow % 2 ? RGB(255, 255, 255) : RGB(0, 255, 255), style.GetInterior().GetBackColor())
                << "column " << nCol;
        }
    }
    m_pView->SendMessage(WM_COMMAND, ID_RECORD);
    ASSERT_TRUE(PumpAsTheApplicationUntil([&] { return !m_pView->IsRecording(); }, 3000));
    PumpAsTheApplication(300);

    // The export: Cancel writes nothing, a typed path gets the table.
    const std::string cancelled = TempFolder() + "\\Abgebrochen.xls";
    {
        FileDialogAnswer answer(cancelled, false);
        m_pFrame->SendMessage(WM_COMMAND, ID_EXPORT_TABLE);
        EXPECT_TRUE(answer.bSeen);
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(cancelled.c_str()));
    const std::string path = TempFolder() + "\\Messwerte.xls";
    ::DeleteFileA(path.c_str());
    {
        FileDialogAnswer answer(path, true);
        m_pFrame->SendMessage(WM_COMMAND, ID_EXPORT_TABLE);
        EXPECT_TRUE(answer.bTyped);
    }
    int nSheets = 0;
    const Sheet sheet = ReadWorkbook(path, nSheets);
    EXPECT_EQ(1, nSheets);
    size_t nCells = 0;
    for (ROWCOL nRow = 1; nRow <= grid.GetRowCount(); nRow++)
        for (ROWCOL nCol = 1; nCol <= grid.GetColCount(); nCol++)
        {
            CGXStyle style;
            grid.ComposeStyleRowCol(nRow, nCol, &style);
            if (!style.GetInclude(CGXStyle::ibValue) || style.GetValue().IsEmpty())
                continue;
            nCells++;
            SCOPED_TRACE(testing::Message() << "cell " << nRow << "," << nCol);
            auto it = sheet.find({(int)nRow - 1, (int)nCol - 1});
            ASSERT_TRUE(it != sheet.end());
            const SheetCell& cell = it->second;
            if (style.GetValueType() == GX_VT_NUMBER)
            {
                EXPECT_EQ("n", cell.kind);
                EXPECT_NEAR(atof(style.GetValue()), atof(cell.value.c_str()), 1e-9);
                EXPECT_EQ("0.00", cell.format);
            }
            else
            {
                EXPECT_EQ("t", cell.kind);
                EXPECT_EQ(std::string(style.GetValue()), cell.value);
                EXPECT_TRUE(cell.value == " EIN " || cell.value == " AUS") << cell.value;
            }
            EXPECT_EQ(Fill(style.GetInterior().GetBackColor()), cell.fill);
        }
    EXPECT_GE(nCells, 11u * 3) << "time, value and slope of the first curve at least";
    EXPECT_EQ(nCells, sheet.size()) << "nothing else in the sheet";

    // Keys inside the value grid: a letter stays there, F5 goes to the frame and hides the bars.
    CPoint pt = grid.CalcCellRect(2, 2).CenterPoint();
    grid.ClientToScreen(&pt);
    MoveMouseTo(pt);
    SendLeftButton(true);
    SendLeftButton(false);
    PumpAsTheApplication(100);
    ASSERT_EQ(grid.m_hWnd, ::GetFocus());
    KeysReaching keys(grid.m_hWnd);
    for (WORD vk : {(WORD)'A', (WORD)VK_F5})
    {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = vk;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, in, sizeof(INPUT));
        PumpAsTheApplication(200);
    }
    EXPECT_EQ(1, keys.m_downs['A']);
    EXPECT_EQ(0, keys.m_downs[VK_F5]);
    EXPECT_FALSE(m_pFrame->GetMeasureTableWnd().IsWindowVisible());
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_HIDE_ALL);
    EXPECT_TRUE(m_pFrame->GetMeasureTableWnd().IsWindowVisible());
    m_pDoc->SetModifiedFlag(FALSE);
}

// A recording that shows all three curves the view appends samples to: each curve gets its value
// and slope columns, filled for every sample.
TEST_F(FirstStart, ValueTableHasTwoColumnsForEveryCurve)
{
    ASSERT_NO_FATAL_FAILURE(StartAgainWithRecording());
    // As the display settings sheet applies its curves page.
    m_pDoc->DetachCurves(m_pView);
    for (int nSlot : {CIRControlDoc::TESolder, CIRControlDoc::IRSolder, CIRControlDoc::TopHeater})
        m_pDoc->GetCurve(nSlot)->SetVisible(TRUE);
    m_pDoc->LayoutCurves(m_pView);
    m_pDoc->UpdateMeasureValues(TRUE);
    ASSERT_TRUE(PumpUntil([&] { return m_pView->IsOnline(); }, 10000));
    m_pView->SendMessage(WM_COMMAND, ID_RECORD);
    CMeasureGrid& grid = m_pDoc->GetMeasureValueDlg()->GetGrid();
    ASSERT_TRUE(PumpAsTheApplicationUntil([&] { return grid.GetRowCount() >= 4; }, 20000));
    m_pView->SendMessage(WM_COMMAND, ID_RECORD);
    ASSERT_TRUE(PumpAsTheApplicationUntil([&] { return !m_pView->IsRecording(); }, 3000));

    const std::vector<CString> headings = ExpectedHeadings(m_pDoc);
    ASSERT_EQ(2u + 3 * 2 + CIRControlDoc::BarCount, headings.size());
    ASSERT_EQ(headings.size() - 1, grid.GetColCount());
    for (ROWCOL nCol = 0; nCol < headings.size(); nCol++)
        EXPECT_STREQ(headings[nCol], grid.GetComposedValueText(0, nCol)) << nCol;
    ROWCOL nCol = 2;
    for (POSITION pos = m_pDoc->GetObjects().GetHeadPosition(); pos != NULL;)
    {
        CMeasureCurve* pCurve = dynamic_cast<CMeasureCurve*>(m_pDoc->GetObjects().GetNext(pos));
        if (pCurve == NULL)
            continue;
        SCOPED_TRACE((LPCSTR)pCurve->GetName());
        CObList& values = pCurve->GetValues();
        ASSERT_GE(values.GetCount(), 4);
        ROWCOL nRow = 1;
        for (POSITION at = values.GetHeadPosition(); at != NULL; nRow++)
        {
            CMeasureValue* pSample = dynamic_cast<CMeasureValue*>(values.GetNext(at));
            ASSERT_TRUE(pSample != NULL);
            EXPECT_NEAR(pCurve->IsScaled() ? pSample->GetValue() : pSample->GetScaledValue(),
                        atof(grid.GetComposedValueText(nRow, nCol)), 0.005)
                << "row " << nRow;
            EXPECT_NEAR(pSample->GetSlope() * pSample->GetScale(),
                        atof(grid.GetComposedValueText(nRow, nCol + 1)), 0.005)
                << "row " << nRow;
        }
        nCol += 2;
    }
    EXPECT_EQ(8u, nCol) << "three curves";
    m_pDoc->SetModifiedFlag(FALSE);
}
