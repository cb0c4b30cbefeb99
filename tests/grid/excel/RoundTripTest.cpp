// A grid window saved as a workbook through its own save and read back into another: the file
// the program writes is one it reads. The workbooks stay in "excel-out" for the checks with
// other spreadsheet programs that run after this test.
#include "ExcelTestApp.h"
#include "TestSupport.h"
#include "tests/grid/GridTestWindow.h"
#include "grid/excel/ExcelReadWnd.h"
#include "grid/excel/ExcelReader.h"
#include "grid/excel/ExcelWndDocAdapter.h"
#include "grid/core/GridParam.h"
#include "grid/core/Style.h"
#include <gtest/gtest.h>
#include <stdlib.h>
#include <objbase.h>
#include <algorithm>
#include <string>
#include <vector>

namespace
{
struct ExcelSheet
{
    GridWindowOf<CGXExcelReadWnd> w{400, 250};
    ExcelSheet()
    {
        w.grid->OnGridInitialUpdate();
        w.grid->InitSheetSize();
        w.grid->InitSheetDefaults();
    }
    CGXExcelReadWnd* operator->() const
    {
        return w.grid.get();
    }
    // Counts the sheets first, then reads them, as a document does.
    void Read(const std::string& strPath)
    {
        CGXExcelWndDocAdapter adapter;
        adapter.m_pGrid = w.grid.get();
        CGXExcelReader* pReader = adapter.GetReader();
        ASSERT_TRUE(pReader != NULL);
        pReader->SetMode(2);
        pReader->ReadFile(strPath.c_str(), &adapter);
        EXPECT_EQ(1u, pReader->GetSheetCount());
        pReader->SetMode(1);
        pReader->ReadFile(strPath.c_str(), &adapter);
    }
};

WORD WordAt(const Bytes& b, size_t i)
{
    return (WORD)(b[i] | b[i + 1] << 8);
}

std::string OutPath(const char* pszName)
{
    ::CreateDirectoryA("excel-out", NULL);
    return std::string("excel-out\\") + pszName;
}
} // namespace

TEST(ExcelWorkbook, AGridSavedAndReadBackKeepsItsCells)
{
    EnsureGridLibrary();
    std::string strPath = OutPath("eine-tabelle.xls");
    ::DeleteFileA(strPath.c_str());
    {
        ExcelSheet saved;
        saved->SetValueRange(CGXCellRange(1, 1), "abc");
        saved->SetStyleRange(CGXCellRange(1, 2), CGXStyle().SetValue("3.5").SetFormat(2).SetPlaces(2));
        saved->SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetFormat(2).SetPlaces(2));
        saved->GetParam()->m_sSheetName = "Messwerte";
        ASSERT_TRUE(saved->SaveExcelFile(strPath.c_str()));
    }
    // The frame of the stream: the globals open with a BOF of kind 5 and WINDOW1's fixed bytes;
    // the sheet directory points at the sheet's BOF of kind 0x10, right behind the globals' EOF.
    Bytes b = WorkbookStream(strPath);
    ASSERT_GT(b.size(), 48u);
    EXPECT_EQ(HexBytes("09 08 10 00 00 06 05 00"), Bytes(b.begin(), b.begin() + 8));
    EXPECT_EQ(HexBytes("3D 00 12 00 00 00 69 00 9F 33 5D 1B 38 00 00 00 00 00 01 00 58 02"),
              Bytes(b.begin() + 20, b.begin() + 42));
    size_t nDirectory = 0, nGlobalsEnd = 0;
    for (size_t i = 0; i + 4 <= b.size() && nGlobalsEnd == 0; i += 4 + WordAt(b, i + 2))
    {
        if (WordAt(b, i) == 0x85 && nDirectory == 0)
            nDirectory = i;
        if (WordAt(b, i) == 0x0A)
            nGlobalsEnd = i + 4;
    }
    ASSERT_NE(0u, nDirectory);
    DWORD nSheetAt = WordAt(b, nDirectory + 4) | (DWORD)WordAt(b, nDirectory + 6) << 16;
    EXPECT_EQ(nGlobalsEnd, nSheetAt);
    ASSERT_LT(nSheetAt + 8u, b.size());
    EXPECT_EQ(HexBytes("09 08 10 00 00 06 10 00"), Bytes(b.begin() + nSheetAt, b.begin() + nSheetAt + 8));

    ExcelSheet read;
    read.Read(strPath);
    EXPECT_STREQ("abc", read->GetStoredValueText(1, 1));
    EXPECT_STREQ("3.5", read->GetStoredValueText(1, 2));
    CGXStyle style;
    read->GetStyleRowCol(1, 2, style);
    EXPECT_EQ(2u, style.GetFormat());
    EXPECT_EQ(2u, style.GetPlaces());
    EXPECT_STREQ("Messwerte", read->GetParam()->m_sSheetName);
}

TEST(ExcelWorkbook, NumbersAndTextsKeepTheirValues)
{
    EnsureGridLibrary();
    // The texts the grid holds; the last in the program's code page (windows-1252).
    const char* const values[] = {"1e-300", "-0.000123456789012345", "9007199254740992", "0.1",
                                  "Gr\xfc\xdf"
                                  "e \x80"};
    std::string strPath = OutPath("zahlen.xls");
    ::DeleteFileA(strPath.c_str());
    {
        ExcelSheet saved;
        for (ROWCOL r = 0; r < 5; r++)
            saved->SetValueRange(CGXCellRange(r + 1, 1), values[r]);
        saved->GetParam()->m_sSheetName = "Zahlen";
        ASSERT_TRUE(saved->SaveExcelFile(strPath.c_str()));
    }
    // Numbers come back as exactly the same double, texts as they were.
    ExcelSheet read;
    read.Read(strPath);
    for (ROWCOL r = 0; r < 5; r++)
    {
        char* pszEnd = NULL;
        double d = strtod(values[r], &pszEnd);
        CString strRead = read->GetStoredValueText(r + 1, 1);
        if (*pszEnd == 0)
            EXPECT_EQ(d, strtod(strRead, NULL)) << r << " " << (LPCTSTR)strRead;
        else
            EXPECT_STREQ(values[r], strRead) << r;
    }
}

TEST(ExcelWorkbook, AOneSheetGridIsWrittenAsTheseRecords)
{
    EnsureGridLibrary();
    std::string strPath = OutPath("ein-blatt.xls");
    ::DeleteFileA(strPath.c_str());
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    const std::string strLogs[] = {std::string(szTemp) + "Handler.log", std::string(szTemp) + "Table.log"};
    for (const std::string& strLog : strLogs)
        ::DeleteFileA(strLog.c_str());
    {
        ExcelSheet saved;
        saved->SetValueRange(CGXCellRange(1, 1), "abc");
        saved->SetStyleRange(CGXCellRange(1, 2), CGXStyle().SetValue("3.5").SetFormat(2).SetPlaces(2));
        saved->SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetFormat(2).SetPlaces(2));
        saved->GetParam()->m_sSheetName = "Messwerte";
        ASSERT_TRUE(saved->SaveExcelFile(strPath.c_str()));
    }
    for (const std::string& strLog : strLogs)
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(strLog.c_str())) << strLog; // logs stay off

    // One stream, named "Workbook".
    std::wstring wide(strPath.begin(), strPath.end());
    IStorage* pStorage = NULL;
    ASSERT_TRUE(SUCCEEDED(
        ::StgOpenStorage(wide.c_str(), NULL, STGM_READ | STGM_SHARE_DENY_WRITE, NULL, 0, &pStorage)));
    IEnumSTATSTG* pEnum = NULL;
    std::vector<std::wstring> names;
    if (SUCCEEDED(pStorage->EnumElements(0, NULL, 0, &pEnum)))
    {
        STATSTG stat;
        while (pEnum->Next(1, &stat, NULL) == S_OK)
        {
            names.push_back(stat.pwcsName);
            ::CoTaskMemFree(stat.pwcsName);
        }
        pEnum->Release();
    }
    pStorage->Release();
    EXPECT_EQ(std::vector<std::wstring>{L"Workbook"}, names);

    // The records in order; a record that occurs several times in a row has a count.
    struct Expected
    {
        const char* pszName;
        int nTimes;
        const char* pszHex;
    };
    const Expected records[] = {
        {"BOF globals", 1, "09 08 10 00 00 06 05 00 BB 0D CC 07 01 00 00 00 00 06 00 00"},
        {"WINDOW1", 1, "3D 00 12 00 00 00 69 00 9F 33 5D 1B 38 00 00 00 00 00 01 00 58 02"},
        // The Standard style's font as fonts 0, 1, 2, 3 and 5 (4 is never given): 10 pt Arial.
        {"FONT Standard", 5,
         "31 00 1A 00 A0 00 00 00 FF 7F 90 01 00 00 00 00 00 00 05 01 41 00 72 00 69 00 61 00 6C 00"},
        // Font 6: the bold font of the column headers' base style.
        {"FONT bold", 1,
         "31 00 1A 00 A0 00 00 00 FF 7F BC 02 00 00 00 00 00 00 05 01 41 00 72 00 69 00 61 00 6C 00"},
        // Font 7: the cells' font, keyed by the sheet.
        {"FONT cells", 1,
         "31 00 1A 00 A0 00 00 00 FF 7F 90 01 00 00 00 00 00 00 05 01 41 00 72 00 69 00 61 00 6C 00"},
        {"XF style 0-14", 15, "E0 00 14 00 00 00 00 00 F4 FF 01 00 00 A0 00 00 00 00 00 00 00 00 89 04"},
        {"XF cell 15", 1, "E0 00 14 00 00 00 00 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00 89 04"},
        {"XF style 16 (bold)", 1, "E0 00 14 00 06 00 00 00 F4 FF 12 00 00 A4 00 00 00 00 00 00 00 00 89 04"},
        {"XF style 17", 1, "E0 00 14 00 00 00 00 00 F4 FF 01 00 00 BC 00 00 00 00 00 00 00 00 89 04"},
        {"XF cell 18 (abc)", 1, "E0 00 14 00 07 00 00 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00 89 04"},
        {"XF cell 19 (format 2)", 1,
         "E0 00 14 00 07 00 02 00 00 00 01 00 00 04 00 00 00 00 00 00 00 00 89 04"},
        {"STYLE 1", 1, "93 02 04 00 00 80 03 FF"},
        {"STYLE 2", 1, "93 02 04 00 00 80 06 FF"},
        {"STYLE 3", 1, "93 02 04 00 00 80 04 FF"},
        {"STYLE 4", 1, "93 02 04 00 00 80 07 FF"},
        {"STYLE 5", 1, "93 02 04 00 00 80 00 FF"},
        {"STYLE 6", 1, "93 02 04 00 00 80 05 FF"},
        // 56 entries of the default palette; entries 4-8, 10, 12, 13, 17 and 19 zero.
        {"PALETTE", 1,
         "92 00 E2 00 38 00"
         " 00 00 00 00 FF FF FF 00 FF 00 00 00 00 FF 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
         " 00 00 00 00 00 80 00 00 00 00 00 00 80 80 00 00 00 00 00 00 00 00 00 00 C0 C0 C0 00 80 80 80 00"
         " 99 99 FF 00 00 00 00 00 FF FF CC 00 00 00 00 00 66 00 66 00 FF 80 80 00 00 66 CC 00 CC CC FF 00"
         " 00 00 80 00 FF 00 FF 00 FF FF 00 00 00 FF FF 00 80 00 80 00 80 00 00 00 00 80 80 00 00 00 FF 00"
         " 00 CC FF 00 CC FF FF 00 CC FF CC 00 FF FF 99 00 99 CC FF 00 FF 99 CC 00 CC 99 FF 00 E3 E3 E3 00"
         " 33 66 FF 00 33 CC CC 00 99 CC 00 00 FF CC 00 00 FF 99 00 00 FF 66 00 00 66 66 99 00 96 96 96 00"
         " 00 33 66 00 33 99 66 00 00 33 00 00 33 33 00 00 99 33 00 00 99 33 66 00 33 33 99 00 33 33 33 00"},
        // The sheet's BOF at 20 + 22 + 7 x 30 + 20 x 24 + 6 x 8 + 230 + 21 + 4 = 0x40B.
        {"BOUNDSHEET", 1, "85 00 11 00 0B 04 00 00 00 00 09 00 4D 65 73 73 77 65 72 74 65"},
        {"EOF globals", 1, "0A 00 00 00"},
        {"BOF sheet", 1, "09 08 10 00 00 06 10 00 BB 0D CC 07 01 00 00 00 00 06 00 00"},
        {"DIMENSIONS", 1, "00 02 0E 00 00 00 00 00 FF FF 00 00 00 00 00 01 00 00"},
        // "abc" as 8-bit characters: 6 + 3 + 3 = body 15.
        {"LABEL A1", 1, "04 02 0F 00 00 00 00 00 12 00 03 00 01 61 00 62 00 63 00"},
        {"NUMBER B1", 1, "03 02 0E 00 00 00 01 00 13 00 00 00 00 00 00 00 0C 40"},
        {"BLANK A2", 1, "01 02 06 00 01 00 00 00 13 00"},
        // Bit 9: the sheet is selected.
        {"WINDOW2", 1, "3E 02 12 00 16 02 00 00 00 00 40 00 00 00 00 00 00 00 00 00 00 00"},
        {"EOF sheet", 1, "0A 00 00 00"},
    };
    Bytes b = WorkbookStream(strPath);
    size_t i = 0;
    for (const Expected& e : records)
        for (int n = 0; n < e.nTimes; n++)
        {
            SCOPED_TRACE(e.pszName);
            ASSERT_LE(i + 4, b.size()) << "the stream ends before it";
            size_t nEnd = std::min(b.size(), i + 4 + WordAt(b, i + 2));
            EXPECT_EQ(HexBytes(e.pszHex), Bytes(b.begin() + i, b.begin() + nEnd));
            i = nEnd;
        }
    EXPECT_EQ(b.size(), i) << "bytes behind the last record";
}

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kCyan = RGB(0, 255, 255);
const ROWCOL kRows = 13, kCols = 6;

// What a cell shows, as one line: value, number format, font, alignment, interior, borders and
// the covered range it starts.
std::string CellSummary(CGXExcelReadWnd* pGrid, ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle style;
    pGrid->ComposeStyleRowCol(nRow, nCol, &style);
    // A workbook has no "no format": the grid's lack of one comes back as its general format.
    UINT nFormat = style.GetFormat() == 0 ? 3 : style.GetFormat();
    CString s;
    s.Format("\"%s\" format %u.%u", (LPCTSTR)pGrid->GetStoredValueText(nRow, nCol), nFormat,
             style.GetPlaces());
    const CGXFont* pFont = style.GetFontPtr();
    CString part;
    part.Format(" weight %ld angle %ld", pFont != NULL ? pFont->GetWeight() : 0L,
                pFont != NULL && pFont->GetIncludeOrientation() ? pFont->GetOrientation() : 0L);
    s += part;
    part.Format(" wrap %d align %lu/%lu", (int)style.GetWrapText(), style.GetHorizontalAlignment(),
                style.GetVerticalAlignment());
    s += part;
    const CGXCellBrush& brush = style.GetInterior();
    part.Format(" interior %u/%u %06lX %06lX", brush.GetStyle(),
                brush.GetStyle() == 3 ? brush.GetPattern() : 0u, brush.GetBackColor(),
                brush.GetStyle() == 3 ? brush.GetColor() : 0ul);
    s += part;
    for (int nSide = 0; nSide < 4; nSide++)
    {
        if (!style.HasBorder(nSide) || !style.GetBorder(nSide).GetInclude())
            continue;
        const CGXCellPen& pen = style.GetBorder(nSide);
        part.Format(" side %d pen %u/%u %06lX", nSide, pen.GetStyle(), pen.GetWidth(), pen.GetColor());
        s += part;
    }
    CGXCellRange covered;
    if (pGrid->GetCoveredCellsRowCol(nRow, nCol, covered) != NULL && covered.top == nRow &&
        covered.left == nCol)
    {
        part.Format(" covers %lu,%lu-%lu,%lu", covered.top, covered.left, covered.bottom, covered.right);
        s += part;
    }
    return std::string(s);
}
} // namespace

TEST(ExcelWorkbook, AFormattedValueTableIsReadBackAsItWasSaved)
{
    EnsureGridLibrary();
    std::string strPath = OutPath("messtabelle.xls");
    ::DeleteFileA(strPath.c_str());
    ExcelSheet saved;
    // The measured values: times, values with two places and the heater's state, rows white
    // and cyan in turn.
    const char* const times[] = {"00:00:00", "00:00:05", "00:00:10", "00:00:15"};
    const char* const values[] = {"21.5", "84.25", "-3.75", "150"};
    for (ROWCOL r = 0; r < 4; r++)
    {
        CGXStyle row;
        row.SetInterior(r % 2 == 0 ? kWhite : kCyan);
        saved->SetStyleRange(CGXCellRange(r + 1, 1, r + 1, 3), row);
        saved->SetValueRange(CGXCellRange(r + 1, 1), times[r]);
        saved->SetStyleRange(CGXCellRange(r + 1, 2),
                             CGXStyle().SetValue(values[r]).SetFormat(2).SetPlaces(2));
        saved->SetValueRange(CGXCellRange(r + 1, 3), r < 2 ? " EIN " : " AUS");
    }
    saved->SetStyleRange(CGXCellRange(6, 1), CGXStyle().SetValue("fett").MergeFont(CGXFont().SetBold(TRUE)));
    saved->SetStyleRange(CGXCellRange(6, 2),
                         CGXStyle().SetValue("gedreht").MergeFont(CGXFont().SetOrientation(900)));
    saved->SetStyleRange(CGXCellRange(6, 3), CGXStyle().SetValue("umbrochen lang").SetWrapText(TRUE));
    const DWORD horizontal[3] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    const DWORD vertical[3] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
    for (ROWCOL c = 0; c < 3; c++)
        saved->SetStyleRange(
            CGXCellRange(7, c + 1),
            CGXStyle().SetValue("x").SetHorizontalAlignment(horizontal[c]).SetVerticalAlignment(vertical[c]));
    // Every pen style on all four sides, and a wide solid pen.
    const CGXCellPen pens[] = {CGXCellPen(0, 1), CGXCellPen(1, 1), CGXCellPen(2, 1),
                               CGXCellPen(3, 1), CGXCellPen(4, 1), CGXCellPen(0, 2, RGB(255, 0, 0))};
    for (ROWCOL c = 0; c < 6; c++)
    {
        CGXStyle framed;
        for (int nSide = 0; nSide < 4; nSide++)
            framed.SetBorder(nSide, pens[c]);
        saved->SetStyleRange(CGXCellRange(9, c + 1), framed);
    }
    CGXCellBrush pattern(0, RGB(255, 255, 0));
    pattern.SetPattern(3).SetColor(RGB(255, 0, 0));
    saved->SetStyleRange(CGXCellRange(10, 1), CGXStyle().SetInterior(pattern));
    saved->SetValueRange(CGXCellRange(11, 1), "verbunden");
    saved->SetCoveredCellsRowCol(11, 1, 12, 2);
    saved->SetValueRange(CGXCellRange(13, 1), "Gr\xfc\xdf"
                                              "e \x80");
    saved->SetRowHeight(3, 3, 30);
    saved->SetColWidth(2, 2, 90);
    saved->SetValueRange(CGXCellRange(1, 5), "versteckt");
    saved->HideCols(5, 5);
    saved->GetParam()->m_sSheetName = "Messwerte";
    ASSERT_TRUE(saved->SaveExcelFile(strPath.c_str()));

    ExcelSheet read;
    read.Read(strPath);
    for (ROWCOL r = 1; r <= kRows; r++)
        for (ROWCOL c = 1; c <= kCols; c++)
            EXPECT_EQ(CellSummary(saved.w.grid.get(), r, c), CellSummary(read.w.grid.get(), r, c))
                << r << "," << c;
    // Sizes come back through twips and character widths: a pixel either way.
    for (ROWCOL r = 1; r <= kRows; r++)
        EXPECT_NEAR(saved->GetRowHeight(r), read->GetRowHeight(r), 1) << r;
    for (ROWCOL c = 1; c <= kCols; c++)
    {
        EXPECT_EQ(saved->IsColHidden(c), read->IsColHidden(c)) << c;
        if (!saved->IsColHidden(c))
        {
            EXPECT_NEAR(saved->GetColWidth(c), read->GetColWidth(c), 1) << c;
        }
    }
    EXPECT_TRUE(read->IsColHidden(5));
    EXPECT_NEAR(30, read->GetRowHeight(3), 1);

    // Saved again, the workbook reads the same: its general cells stay general.
    std::string strAgain = OutPath("messtabelle-2.xls");
    ::DeleteFileA(strAgain.c_str());
    ASSERT_TRUE(read->SaveExcelFile(strAgain.c_str()));
    ExcelSheet again;
    again.Read(strAgain);
    for (ROWCOL r = 1; r <= kRows; r++)
        for (ROWCOL c = 1; c <= kCols; c++)
            EXPECT_EQ(CellSummary(read.w.grid.get(), r, c), CellSummary(again.w.grid.get(), r, c))
                << r << "," << c;
}
