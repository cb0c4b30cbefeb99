// A grid window saved as a workbook through its own save and read back into another: the file
// the program writes is one it reads. The workbooks stay in "excel-out" for the checks with
// other spreadsheet programs that run after this test.
#include "ExcelTestApp.h"
#include "TestSupport.h"
#include "tests/grid/GridTestWindow.h"
#include "grid/core/ExcelReadWnd.h"
#include "grid/core/ExcelReader.h"
#include "grid/core/ExcelWndDocAdapter.h"
#include "grid/core/GridParam.h"
#include "grid/core/Style.h"
#include <gtest/gtest.h>
#include <stdlib.h>
#include <objbase.h>
#include <string>

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

// The bytes of a workbook's stream.
Bytes WorkbookStream(const std::string& strPath)
{
    std::wstring wide(strPath.begin(), strPath.end());
    IStorage* pStorage = NULL;
    Bytes bytes;
    if (FAILED(::StgOpenStorage(wide.c_str(), NULL, STGM_READ | STGM_SHARE_DENY_WRITE, NULL, 0, &pStorage)))
        return bytes;
    IStream* pStream = NULL;
    if (SUCCEEDED(pStorage->OpenStream(L"Workbook", NULL, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &pStream)))
    {
        bytes = StreamBytes(pStream);
        pStream->Release();
    }
    pStorage->Release();
    return bytes;
}

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
    // Numbers come back as the grid shows a double: 13 significant digits.
    ExcelSheet read;
    read.Read(strPath);
    for (ROWCOL r = 0; r < 5; r++)
    {
        char* pszEnd = NULL;
        double d = strtod(values[r], &pszEnd);
        CString strNumber;
        strNumber.Format("%.13g", d); // as the grid formats it
        EXPECT_STREQ(*pszEnd == 0 ? (LPCTSTR)strNumber : values[r], read->GetStoredValueText(r + 1, 1)) << r;
    }
}
