// Excel's "BIFF8" clipboard through Wine's real clipboard: a copy of an Excel-capable formula
// grid read back by another process, pastes of workbooks alone, beside text and beside the
// grid's own format, and workbooks that cannot be read.
#include "ExcelTestApp.h"
#include "TestSupport.h"
#include "tests/grid/GridTestWindow.h"
#include "grid/core/AppData.h"
#include "grid/excel/ExcelReadWnd.h"
#include "grid/excel/ExcelWndDocAdapter.h"
#include "grid/core/GridParam.h"
#include "grid/core/Style.h"
#include "grid/formula/FormulaSheet.h"
#include "grid/excel/DataObjectImpl.h"
#include "grid/excel/ExcelReaderImpl.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>

using namespace testing_support;

namespace
{
const char kSaveVariable[] = "HELVON_BIFF8_SAVE"; // where the child process saves the workbook

const UINT kBiff8 = ::RegisterClipboardFormatA("BIFF8");

struct ExcelWindow
{
    CWnd parent;
    CGXExcelReadWnd* pGrid = new CGXExcelReadWnd;
    explicit ExcelWindow(BOOL bFormulas = TRUE)
    {
        EnsureGridLibrary();
        parent.CreateEx(0, AfxRegisterWndClass(0), _T("Blatt"), WS_POPUP | WS_VISIBLE,
                        CRect(20, 20, 420, 270), NULL, 0);
        pGrid->Create(WS_VISIBLE | WS_CHILD, CRect(0, 0, 400, 250), &parent, 100);
        CGXExcelReadWnd::RegisterSelfDeleting(pGrid);
        if (bFormulas)
        {
            pGrid->EnableFormulaEngine();
            pGrid->m_nClipboardFlags |= 0x800; // formulas travel as formulas
        }
        pGrid->OnGridInitialUpdate();
        pGrid->InitSheetSize();
        pGrid->InitSheetDefaults();
    }
    ~ExcelWindow()
    {
        parent.DestroyWindow();
    }
    CString Expression(ROWCOL nRow, ROWCOL nCol)
    {
        CGXFormulaSheet* pSheet = pGrid->GetFormulaSheet();
        return pSheet != NULL ? pSheet->GetExpressionTextRowCol(nRow, nCol) : CString("<no formula sheet>");
    }
    BOOL Bold(ROWCOL nRow, ROWCOL nCol)
    {
        CGXStyle style;
        pGrid->ComposeStyleRowCol(nRow, nCol, &style);
        return style.GetFontPtr() != NULL && style.GetFontPtr()->GetIncludeWeight() &&
               style.GetFontPtr()->GetWeight() >= FW_BOLD;
    }
    CString Value(ROWCOL nRow, ROWCOL nCol)
    {
        return pGrid->GetComposedValueText(nRow, nCol);
    }
};

// B2:C3: a number, a text, a formula and a bold text.
void FillSource(CGXGridCore* pGrid)
{
    pGrid->SetValueRange(CGXCellRange(2, 2), "1.5");
    pGrid->SetValueRange(CGXCellRange(2, 3), "Text");
    // No references: the grid's own paste, which the exchange goes through, keeps them as written.
    pGrid->SetValueRange(CGXCellRange(3, 2), "=1.5*2");
    pGrid->SetStyleRange(CGXCellRange(3, 3), CGXStyle().SetValue("fett").MergeFont(CGXFont().SetBold(TRUE)));
    // Neighbours that must not travel.
    pGrid->SetValueRange(CGXCellRange(4, 2), "unten");
    pGrid->SetValueRange(CGXCellRange(2, 4), "rechts");
}

// The 2 x 2 block of FillSource from the cell on: values, the formula with its result, the bold
// font, and nothing beside or below it.
void ExpectSourceBlockAt(ExcelWindow& w, ROWCOL r, ROWCOL c)
{
    EXPECT_STREQ("1.5", w.Value(r, c));
    EXPECT_STREQ("Text", w.Value(r, c + 1));
    EXPECT_STREQ("3", w.Value(r + 1, c));
    EXPECT_STREQ("=1.5*2", w.Expression(r + 1, c));
    EXPECT_STREQ("fett", w.Value(r + 1, c + 1));
    EXPECT_TRUE(w.Bold(r + 1, c + 1));
    EXPECT_FALSE(w.Bold(r, c + 1));
    EXPECT_STREQ("", w.Value(r + 2, c));
    EXPECT_STREQ("", w.Value(r, c + 2));
}

void CopyB2C3(CGXExcelReadWnd* pGrid)
{
    pGrid->GetParam()->m_SelectedRanges.DeleteAll();
    pGrid->GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(2, 2, 3, 3));
    ASSERT_TRUE(pGrid->Copy());
}

std::vector<UINT> ClipboardFormats()
{
    std::vector<UINT> formats;
    if (!::OpenClipboard(NULL))
        return formats;
    for (UINT n = ::EnumClipboardFormats(0); n != 0; n = ::EnumClipboardFormats(n))
        formats.push_back(n);
    ::CloseClipboard();
    return formats;
}

size_t IndexOf(const std::vector<UINT>& v, UINT n)
{
    for (size_t i = 0; i < v.size(); i++)
        if (v[i] == n)
            return i;
    return v.size();
}

// The records of a stream: type and body, in order.
std::vector<std::pair<WORD, Bytes>> Records(const Bytes& bytes)
{
    std::vector<std::pair<WORD, Bytes>> records;
    for (size_t nPos = 0; nPos + 4 <= bytes.size();)
    {
        WORD nType = (WORD)(bytes[nPos] | (bytes[nPos + 1] << 8));
        size_t nLength = bytes[nPos + 2] | (bytes[nPos + 3] << 8);
        if (nPos + 4 + nLength > bytes.size())
            break;
        records.emplace_back(nType, Bytes(bytes.begin() + nPos + 4, bytes.begin() + nPos + 4 + nLength));
        nPos += 4 + nLength;
    }
    return records;
}

Bytes WorkbookOf(IStorage* pStorage)
{
    IStream* pStream = NULL;
    if (FAILED(pStorage->OpenStream(L"Workbook", NULL, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &pStream)))
        return Bytes();
    Bytes bytes = StreamBytes(pStream);
    pStream->Release();
    return bytes;
}

// The clipboard's workbook storage, through OLE as another program sees it (null without one).
IStorage* ClipboardStorage()
{
    IDataObject* pData = NULL;
    if (FAILED(::OleGetClipboard(&pData)))
        return NULL;
    FORMATETC fe = {(CLIPFORMAT)kBiff8, NULL, DVASPECT_CONTENT, -1, TYMED_ISTORAGE};
    STGMEDIUM medium = {};
    HRESULT hr = pData->GetData(&fe, &medium);
    pData->Release();
    if (FAILED(hr) || medium.tymed != TYMED_ISTORAGE)
        return NULL;
    IStorage* pStorage = medium.pstg;
    pStorage->AddRef();
    ::ReleaseStgMedium(&medium);
    return pStorage;
}

// A storage in memory with one stream of the given name and bytes.
IStorage* StorageWith(const wchar_t* pszStream, const Bytes& bytes)
{
    IStorage* pStorage = NULL;
    EXPECT_EQ(S_OK, ::StgCreateDocfile(NULL, 0x4000012, 0, &pStorage));
    IStream* pStream = NULL;
    EXPECT_EQ(S_OK, pStorage->CreateStream(pszStream, 0x12, 0, 0, &pStream));
    if (pStream != NULL)
    {
        if (!bytes.empty())
            pStream->Write(bytes.data(), (ULONG)bytes.size(), NULL);
        pStream->Release();
    }
    return pStorage;
}

// Puts the storage (taken over) and an optional text as the clipboard's only data.
void OfferOnClipboard(IStorage* pStorage, const char* pszText = NULL)
{
    HGLOBAL hText = NULL;
    if (pszText != NULL)
    {
        hText = ::GlobalAlloc(GMEM_MOVEABLE, strlen(pszText) + 1);
        strcpy((char*)::GlobalLock(hText), pszText);
        ::GlobalUnlock(hText);
    }
    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    ::CloseClipboard();
    IDataObject* pObject = new CGXDataObjectImpl(pStorage, hText);
    pObject->AddRef();
    ASSERT_EQ(S_OK, ::OleSetClipboard(pObject));
    pObject->Release();
    ASSERT_EQ(S_OK, ::OleFlushClipboard());
}

// A copy of the storage in memory, to offer it again alone.
IStorage* CopyOf(IStorage* pSource)
{
    IStorage* pStorage = NULL;
    EXPECT_EQ(S_OK, ::StgCreateDocfile(NULL, 0x4000012, 0, &pStorage));
    EXPECT_EQ(S_OK, pSource->CopyTo(0, NULL, NULL, pStorage));
    return pStorage;
}

class ExcelClipboard : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL)));
        EnsureGridLibrary();
        ASSERT_NE(nullptr, GXGetAppData()->m_pExcelClipboardImp);
    }
    void TearDown() override
    {
        if (::OpenClipboard(NULL))
        {
            ::EmptyClipboard();
            ::CloseClipboard();
        }
        EXPECT_EQ(0u, GXExGetClipboardMode());
        ::OleUninitialize();
    }
};

// Runs this executable once more with only the named test, which saves the clipboard's
// workbook at the path; the child's exit code.
DWORD RunChild(const char* pszTest, const std::string& strPath)
{
    char szExe[MAX_PATH];
    ::GetModuleFileNameA(NULL, szExe, MAX_PATH);
    std::string strCmd =
        std::string("\"") + szExe + "\" --gtest_also_run_disabled_tests --gtest_filter=" + pszTest;
    ::SetEnvironmentVariableA(kSaveVariable, strPath.c_str());
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::vector<char> cmd(strCmd.begin(), strCmd.end());
    cmd.push_back(0);
    BOOL bStarted = ::CreateProcessA(szExe, cmd.data(), NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi);
    ::SetEnvironmentVariableA(kSaveVariable, NULL);
    if (!bStarted)
        return (DWORD)-1;
    // The child's clipboard calls wait on this thread's clipboard window: keep pumping.
    DWORD dwCode = (DWORD)-2;
    for (int i = 0; i < 600; i++)
    {
        if (::MsgWaitForMultipleObjects(1, &pi.hProcess, FALSE, 100, QS_ALLINPUT) == WAIT_OBJECT_0)
        {
            ::GetExitCodeProcess(pi.hProcess, &dwCode);
            break;
        }
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
            ::DispatchMessage(&msg);
    }
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return dwCode;
}

} // namespace

// Started by the copy test in a process of its own.
TEST(ExcelClipboardChild, DISABLED_SavesTheClipboardsWorkbook)
{
    const char* pszPath = getenv(kSaveVariable);
    ASSERT_NE(nullptr, pszPath);
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL)));
    IStorage* pStorage = ClipboardStorage();
    ASSERT_NE(nullptr, pStorage);
    std::wstring strWide(pszPath, pszPath + strlen(pszPath));
    IStorage* pFile = NULL;
    ASSERT_EQ(S_OK, ::StgCreateDocfile(strWide.c_str(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                       0, &pFile));
    EXPECT_EQ(S_OK, pStorage->CopyTo(0, NULL, NULL, pFile));
    EXPECT_EQ(S_OK, pFile->Commit(STGC_DEFAULT));
    pFile->Release();
    pStorage->Release();
    ::OleUninitialize();
}

TEST_F(ExcelClipboard, ACopyOffersExactlyTheSelectionAsAWorkbookBeforeTheText)
{
    ExcelWindow w;
    FillSource(w.pGrid);
    CopyB2C3(w.pGrid);

    std::vector<UINT> formats = ClipboardFormats();
    size_t nBiff8 = IndexOf(formats, kBiff8), nText = IndexOf(formats, CF_TEXT);
    ASSERT_LT(nBiff8, formats.size());
    ASSERT_LT(nText, formats.size());
    EXPECT_LT(nBiff8, nText);
    EXPECT_LT(IndexOf(formats, GXGetAppData()->m_uiStylesClipboardFormat), formats.size());
    EXPECT_EQ("1.5\tText\r\n3\tfett\r\n", ClipboardText());

    // Another process takes the workbook through OLE and saves it.
    // The workbook stays in "excel-out" for the spreadsheet programs of the Linux side.
    ::CreateDirectoryA("excel-out", NULL);
    std::string strPath = "excel-out\\zwischenablage.xls";
    ::DeleteFileA(strPath.c_str());
    ASSERT_EQ(0u, RunChild("ExcelClipboardChild.DISABLED_SavesTheClipboardsWorkbook", strPath));
    std::wstring strWide(strPath.begin(), strPath.end());
    IStorage* pFile = NULL;
    ASSERT_EQ(S_OK,
              ::StgOpenStorage(strWide.c_str(), NULL, STGM_READ | STGM_SHARE_DENY_WRITE, NULL, 0, &pFile));
    Bytes workbook = WorkbookOf(pFile);
    pFile->Release();

    // The sheet's used range is exactly 2 x 2, and only its cells have records.
    std::set<std::pair<int, int>> cells;
    int nSheetBOF = 0;
    Bytes dimensions;
    std::map<WORD, int> kinds;
    for (const auto& r : Records(workbook))
    {
        if (r.first == 0x809)
            nSheetBOF++;
        if (r.first == 0x200 && nSheetBOF == 2)
            dimensions = r.second;
        static const std::set<WORD> kCellTypes = {0x06, 0x201, 0x203, 0x204, 0x27E, 0xFD};
        if (kCellTypes.count(r.first) != 0 && r.second.size() >= 4)
        {
            cells.insert({r.second[0] | (r.second[1] << 8), r.second[2] | (r.second[3] << 8)});
            kinds[r.first]++;
        }
        EXPECT_NE(0xBD, r.first); // MULRK
        EXPECT_NE(0xBE, r.first); // MULBLANK
    }
    EXPECT_EQ("00000000 02000000 00000200 0000", HexOf(dimensions));
    EXPECT_EQ((std::set<std::pair<int, int>>{{0, 0}, {0, 1}, {1, 0}, {1, 1}}), cells);
    EXPECT_EQ(1, kinds[0x06]); // the formula

    // Read back: the values, the formula with its result and the bold font.
    ExcelWindow back;
    back.pGrid->GetParam()->SetUndoEnabled(FALSE); // the read shrinks the sheet without asking
    {
        CGXExcelWndDocAdapter adapter;
        adapter.m_pGrid = back.pGrid;
        ASSERT_NE(nullptr, adapter.GetReader());
        adapter.GetReader()->SetSheetCount(1);
        EXPECT_NO_THROW(adapter.GetReader()->ReadFile(strPath.c_str(), &adapter));
    }
    ExpectSourceBlockAt(back, 1, 1);
}

TEST_F(ExcelClipboard, AWorkbookAlonePastesFromTheCurrentCell)
{
    ExcelWindow source;
    FillSource(source.pGrid);
    CopyB2C3(source.pGrid);
    IStorage* pStorage = ClipboardStorage();
    ASSERT_NE(nullptr, pStorage);
    OfferOnClipboard(CopyOf(pStorage));
    pStorage->Release();
    EXPECT_FALSE(::IsClipboardFormatAvailable(GXGetAppData()->m_uiStylesClipboardFormat));

    ExcelWindow target;
    target.pGrid->ChangeCurrentCell(5, 4, 0x0A);
    ASSERT_TRUE(target.pGrid->CanPasteFromClipboard());
    ASSERT_TRUE(target.pGrid->Paste());
    ExpectSourceBlockAt(target, 5, 4);
    EXPECT_STREQ("", target.Value(4, 4));
}

TEST_F(ExcelClipboard, AWorkbookOfAnotherProgramPastesFromTheCurrentCell)
{
    // LibreOffice's workbook (made before this test from foreign.fods) as another program offers it.
    IStorage* pFile = NULL;
    ASSERT_EQ(S_OK, ::StgOpenStorage(L"excel-in\\foreign-libreoffice.xls", NULL,
                                     STGM_READ | STGM_SHARE_DENY_WRITE, NULL, 0, &pFile));
    OfferOnClipboard(CopyOf(pFile));
    pFile->Release();

    ExcelWindow target;
    target.pGrid->SetValueRange(CGXCellRange(1, 2), "2");
    target.pGrid->ChangeCurrentCell(5, 4, 0x0A);
    ASSERT_TRUE(target.pGrid->CanPasteFromClipboard());
    ASSERT_TRUE(target.pGrid->Paste());
    // The first sheet's A1 lands on D5: its cells, the bold A2 and the centred B1 come along.
    EXPECT_STREQ("1", target.Value(5, 5));
    // Formulas keep their references as written, as in the grid's own paste, and are
    // recalculated over the target's cells: B1 holds 2 there; B2 is empty, which the engine
    // takes as an error, as it does for a formula typed there (blank cells are not zero).
    EXPECT_STREQ("=B1*2+1", target.Expression(5, 6));
    EXPECT_STREQ("5", target.Value(5, 6));
    EXPECT_STREQ("Error!", target.Value(6, 6));
    EXPECT_STREQ("t2", target.Value(6, 4));
    EXPECT_STREQ("t40", target.Value(44, 4));
    EXPECT_STREQ("=B40*2+1", target.Expression(44, 6));
    EXPECT_STREQ("verbunden", target.Value(5, 7));
    EXPECT_TRUE(target.Bold(6, 4));
    EXPECT_FALSE(target.Bold(7, 4));
    CGXStyle centred, plain;
    target.pGrid->ComposeStyleRowCol(5, 5, &centred);
    target.pGrid->ComposeStyleRowCol(6, 5, &plain);
    EXPECT_EQ((DWORD)DT_CENTER, centred.GetHorizontalAlignment());
    EXPECT_NE((DWORD)DT_CENTER, plain.GetHorizontalAlignment());
    EXPECT_STREQ("", target.Value(4, 4));
    EXPECT_STREQ("", target.Value(5, 3));
}

TEST_F(ExcelClipboard, AMergeWiderThanAnyGridPastesCutToTheGrid)
{
    // A damaged workbook (a merge over columns 1 to 0xFF01) offered as another program would.
    IStorage* pFile = NULL;
    ASSERT_EQ(S_OK, ::StgOpenStorage(L"excel-fixtures\\wide-merge.xls", NULL,
                                     STGM_READ | STGM_SHARE_DENY_WRITE, NULL, 0, &pFile));
    OfferOnClipboard(CopyOf(pFile));
    pFile->Release();

    ExcelWindow target;
    target.pGrid->ChangeCurrentCell(2, 2, 0x0A);
    LARGE_INTEGER f, t0, t1;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&t0);
    ASSERT_TRUE(target.pGrid->Paste());
    ::QueryPerformanceCounter(&t1);
    EXPECT_LT((double)(t1.QuadPart - t0.QuadPart) / (double)f.QuadPart, 10.0);
    EXPECT_STREQ("breit", target.Value(2, 2));
    EXPECT_STREQ("4.5", target.Value(3, 3));
}

TEST_F(ExcelClipboard, TheGridsOwnFormatGoesFirstAndAGridWithoutItPastesText)
{
    // The grid's own format of one copy beside the workbook of another: the own format wins.
    const UINT nOwn = GXGetAppData()->m_uiStylesClipboardFormat;
    ExcelWindow source;
    FillSource(source.pGrid);
    CopyB2C3(source.pGrid);
    std::string own = ClipboardBytes(nOwn);
    ASSERT_FALSE(own.empty());
    ExcelWindow other;
    other.pGrid->SetValueRange(CGXCellRange(2, 2, 3, 3), "anders");
    CopyB2C3(other.pGrid);
    IStorage* pStorage = ClipboardStorage();
    ASSERT_NE(nullptr, pStorage);
    OfferOnClipboard(CopyOf(pStorage));
    pStorage->Release();
    PutClipboard(nOwn, own.data(), own.size(), false);
    ASSERT_TRUE(::IsClipboardFormatAvailable(kBiff8));
    ExcelWindow target;
    target.pGrid->ChangeCurrentCell(5, 4, 0x0A);
    ASSERT_TRUE(target.pGrid->Paste());
    EXPECT_STREQ("1.5", target.Value(5, 4));
    EXPECT_STREQ("fett", target.Value(6, 5));

    // A workbook beside text, for a grid that does not take the own format: the text is pasted.
    pStorage = ClipboardStorage();
    ASSERT_NE(nullptr, pStorage);
    OfferOnClipboard(CopyOf(pStorage), "x\ty");
    pStorage->Release();
    ExcelWindow plain;
    plain.pGrid->m_nClipboardFlags &= ~(DWORD)0x10;
    plain.pGrid->ChangeCurrentCell(5, 4, 0x0A);
    ASSERT_TRUE(plain.pGrid->Paste());
    EXPECT_STREQ("x", plain.Value(5, 4));
    EXPECT_STREQ("y", plain.Value(5, 5));
    EXPECT_STREQ("", plain.Value(6, 4));
}

TEST_F(ExcelClipboard, AWorkbookThatCannotBeReadLeavesTheGridAndTheTextIsPasted)
{
    const Bytes bof = Record(0x809, HexBytes("0006 0500 0000 0000 0000 0000 0000 0000"));
    const Bytes sheetBof = Record(0x809, HexBytes("0006 1000 0000 0000 0000 0000 0000 0000"));
    const Bytes eof = Record(0x0A, Bytes());
    struct Case
    {
        const char* pszName;
        const wchar_t* pszStream;
        Bytes bytes;
        const char* pszText;
        bool bMessage;
    };
    const Case cases[] = {
        // A NUMBER record cut short after row and column.
        {"truncated record", L"Workbook", bof + eof + sheetBof + Record(0x203, HexBytes("0000 0000")) + eof,
         NULL, true},
        {"truncated record beside text", L"Workbook",
         bof + eof + sheetBof + Record(0x203, HexBytes("0000 0000")) + eof, "x\ty", true},
        {"no workbook stream", L"Andere", bof + eof, "x\ty", false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        OfferOnClipboard(StorageWith(c.pszStream, c.bytes), c.pszText);
        ExcelWindow target;
        target.pGrid->ChangeCurrentCell(5, 4, 0x0A);
        MessageBoxes boxes;
        if (c.bMessage)
        {
            CString strMessage;
            strMessage.LoadString(GX_IDS_EXCEL_READUNKNOWN);
            boxes.Expect(IDOK, (LPCSTR)strMessage);
        }
        EXPECT_EQ(c.pszText != NULL, target.pGrid->Paste() != FALSE);
        EXPECT_EQ(0u, boxes.Pending());
        EXPECT_EQ(0u, GXExGetClipboardMode());
        EXPECT_STREQ(c.pszText != NULL ? "x" : "", target.Value(5, 4));
        EXPECT_STREQ("", target.Value(6, 4));
        EXPECT_STREQ("", target.Value(1, 1));
    }
}

TEST_F(ExcelClipboard, SeveralRangesAreTheGridsOwnCopysToCarry)
{
    ExcelWindow w;
    FillSource(w.pGrid);
    w.pGrid->GetParam()->m_SelectedRanges.DeleteAll();
    w.pGrid->GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(2, 2));
    w.pGrid->GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(2, 4));
    ASSERT_TRUE(w.pGrid->Copy());
    EXPECT_FALSE(::IsClipboardFormatAvailable(kBiff8));
    EXPECT_TRUE(::IsClipboardFormatAvailable(GXGetAppData()->m_uiStylesClipboardFormat));
}
