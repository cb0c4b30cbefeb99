// Saving workbooks: the file made or replaced (a backup of a file that is no workbook, the
// question when there can be none), the stream shrinking to what was written and renamed to
// "Workbook", a failing write leaving the file as it was, and the fixed records' bytes. A test
// reader writes records of test handlers whose size follows the grid.
#include "ExcelTestApp.h"
#include "TestSupport.h"
#include "tests/grid/GridTestWindow.h"
#include "grid/core/AppData.h"
#include "grid/excel/ExcelReadWnd.h"
#include "grid/excel/ExcelWndDocAdapter.h"
#include "grid/excel/GridDocument.h"
#include "grid/excel/ExcelMemoryStream.h"
#include "grid/excel/ExcelReaderImpl.h"
#include "Document.h"
#include <gtest/gtest.h>
#include <stdio.h>
#include <string>
#include <algorithm>
#include <vector>

using namespace testing_support;

namespace
{
const WORD kFiller = 0x0097;   // one record of 4 bytes per grid row
const WORD kBreaking = 0x0096; // writes a record, then the stream "fails"

class CFillerHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CFillerHandler)

  public:
    BOOL WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD) override
    {
        CGXGridCore* pGrid = target.m_nKind == 1 ? (CGXGridCore*)target.m_pTarget : NULL;
        ROWCOL nRows = pGrid != NULL ? pGrid->GetRowCount() : 0;
        for (ROWCOL r = 0; r < nRows; r++)
        {
            BYTE record[8] = {(BYTE)kFiller, 0, 4, 0, (BYTE)r, (BYTE)(r >> 8), 0, 0};
            GXExWriteBytes(pStream, record, sizeof(record), pTotal);
        }
        return TRUE;
    }
    void ResetRecord() override
    {
    }
};
IMPLEMENT_DYNCREATE(CFillerHandler, CGXExcelHandler)

class CBreakingHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CBreakingHandler)

  public:
    BOOL WriteRecord(IStream* pStream, gxexpointer, DWORD* pTotal, DWORD) override
    {
        BYTE record[4] = {(BYTE)kBreaking, 0, 0, 0};
        GXExWriteBytes(pStream, record, sizeof(record), pTotal);
        throw gxExcelErrWrite;
    }
    void ResetRecord() override
    {
    }
};
IMPLEMENT_DYNCREATE(CBreakingHandler, CGXExcelHandler)

// Writes the fixed records and, per sheet, the filler or the breaking handler.
class CTestReader : public CGXExcelReaderImpl
{
  public:
    static BOOL s_bBreak;
    const GXExcelRecordOrder* GetGlobalsRecordOrder() override
    {
        static const GXExcelRecordOrder order[] = {
            {0x3D, 1, 0}, {0x85, 0, 0}, {0x0A, 1, 0}, {GX_EXCEL_ORDER_END, 1, 0}};
        return order;
    }
    const GXExcelRecordOrder* GetSheetRecordOrder() override
    {
        static const GXExcelRecordOrder order[] = {
            {0x85, 0, 5}, {kFiller, 1, 0}, {0x0A, 1, 0}, {GX_EXCEL_ORDER_END, 1, 0}};
        static const GXExcelRecordOrder breaking[] = {
            {0x85, 0, 5}, {kFiller, 1, 0}, {kBreaking, 1, 0}, {0x0A, 1, 0}, {GX_EXCEL_ORDER_END, 1, 0}};
        return s_bBreak ? breaking : order;
    }
};
BOOL CTestReader::s_bBreak = FALSE;

class CTestReaderMaker : public CGXAbstractExcelReaderMaker
{
  public:
    CGXExcelReader* CreateReader() override
    {
        return new CTestReader;
    }
};

// Installs the test reader for a test's lifetime.
struct TestReaderInstalled
{
    CTestReaderMaker maker;
    CGXAbstractExcelReaderMaker* pPrevious;
    TestReaderInstalled()
    {
        EnsureGridLibrary();
        static bool s_bRegistered = false;
        if (!s_bRegistered)
        {
            s_bRegistered = true;
            GXExGetHandlerMap()->Register(kFiller, RUNTIME_CLASS(CFillerHandler));
            GXExGetHandlerMap()->Register(kBreaking, RUNTIME_CLASS(CBreakingHandler));
        }
        CTestReader::s_bBreak = FALSE;
        pPrevious = GXGetAppData()->m_pExcelReaderMaker;
        GXGetAppData()->m_pExcelReaderMaker = &maker;
    }
    ~TestReaderInstalled()
    {
        GXGetAppData()->m_pExcelReaderMaker = pPrevious;
    }
};

std::string OutPath(const char* pszName)
{
    ::CreateDirectoryA("excel-out", NULL);
    return std::string("excel-out\\") + pszName;
}

Bytes FileBytes(const std::string& strPath)
{
    Bytes bytes;
    FILE* f = fopen(strPath.c_str(), "rb");
    if (f == NULL)
        return bytes;
    int c;
    while ((c = fgetc(f)) != EOF)
        bytes.push_back((BYTE)c);
    fclose(f);
    return bytes;
}

void WriteText(const std::string& strPath, const char* pszText)
{
    FILE* f = fopen(strPath.c_str(), "wb");
    ASSERT_TRUE(f != NULL);
    fputs(pszText, f);
    fclose(f);
}

BOOL Exists(const std::string& strPath)
{
    return ::GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The names of the elements of a compound file and the bytes of its workbook stream.
struct Compound
{
    std::vector<std::wstring> names;
    Bytes workbook;
    explicit Compound(const std::string& strPath)
    {
        std::wstring wide(strPath.begin(), strPath.end());
        IStorage* pStorage = NULL;
        if (FAILED(
                ::StgOpenStorage(wide.c_str(), NULL, STGM_READ | STGM_SHARE_DENY_WRITE, NULL, 0, &pStorage)))
            return;
        IEnumSTATSTG* pEnum = NULL;
        pStorage->EnumElements(0, NULL, 0, &pEnum);
        STATSTG stat;
        while (pEnum != NULL && pEnum->Next(1, &stat, NULL) == S_OK)
        {
            names.push_back(stat.pwcsName);
            ::CoTaskMemFree(stat.pwcsName);
        }
        if (pEnum != NULL)
            pEnum->Release();
        IStream* pStream = NULL;
        if (SUCCEEDED(pStorage->OpenStream(L"Workbook", NULL, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &pStream)))
        {
            workbook = StreamBytes(pStream);
            pStream->Release();
        }
        pStorage->Release();
    }
};

struct Sheet
{
    GridWindowOf<CGXGridWnd> w{200, 120};
    explicit Sheet(ROWCOL nRows)
    {
        w.grid->OnGridInitialUpdate();
        w.grid->SetRowCount(nRows);
        w.grid->SetColCount(2);
    }
    BOOL Save(const std::string& strPath, CGXDocument* pDoc = NULL)
    {
        struct CAdapter : CGXExcelWndDocAdapter
        {
            CGXDocument* pDocument = NULL;
            CGXDocument* GetDocument() override
            {
                return pDocument;
            }
        } adapter;
        adapter.m_pGrid = w.grid.get();
        adapter.pDocument = pDoc;
        return adapter.SaveDocument(strPath.c_str());
    }
};

// The records the test reader writes for a sheet of n rows, the sheet directory left out.
Bytes Expected(ROWCOL nRows)
{
    Bytes b = HexBytes("3D 00 12 00 00 00 69 00 9F 33 5D 1B 38 00 00 00 00 00 01 00 58 02 0A 00 00 00");
    for (ROWCOL r = 0; r < nRows; r++)
        b = b + Record(kFiller, {(BYTE)r, (BYTE)(r >> 8), 0, 0});
    return b + HexBytes("0A 00 00 00");
}

// The workbook's records without the sheet directory, whose one record must give the stream
// position of the sheet's first record (the first one behind the globals' EOF).
Bytes Written(const std::string& strPath)
{
    Bytes all = Compound(strPath).workbook, rest;
    DWORD nSheetAt = 0, nDirectoryPosition = 0;
    int nEnds = 0;
    for (size_t i = 0; i + 4 <= all.size();)
    {
        WORD nType = (WORD)(all[i] | all[i + 1] << 8);
        size_t nNext = i + 4 + (all[i + 2] | all[i + 3] << 8);
        if (nType == 0x85 && i + 8 <= all.size())
            nDirectoryPosition = all[i + 4] | all[i + 5] << 8 | all[i + 6] << 16 | (DWORD)all[i + 7] << 24;
        else
            rest.insert(rest.end(), all.begin() + i, all.begin() + std::min(nNext, all.size()));
        if (nType == 0x0A && ++nEnds == 1)
            nSheetAt = (DWORD)nNext;
        i = nNext;
    }
    EXPECT_EQ(nSheetAt, nDirectoryPosition);
    return rest;
}
} // namespace

TEST(ExcelWriter, FixedRecordsAreWrittenFromTheirBytes)
{
    CGXExcelReaderImpl reader;
    struct Case
    {
        DWORD nType;
        BOOL bWritten;
        const char* pszHex;
    };
    const Case cases[] = {
        {0x3D, TRUE, "3D 00 12 00 00 00 69 00 9F 33 5D 1B 38 00 00 00 00 00 01 00 58 02"},
        {0x0A, TRUE, "0A 00 00 00"},
        {0x0809, FALSE, ""},
        {0x100A, FALSE, ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nType);
        TestStream stream;
        DWORD nCounter = 5;
        EXPECT_EQ(c.bWritten, reader.WriteFixedRecord(c.nType, stream, &nCounter));
        Bytes expected = HexBytes(c.pszHex);
        EXPECT_EQ(expected, StreamBytes(stream));
        EXPECT_EQ(5 + expected.size(), nCounter);
    }
}

TEST(ExcelWriter, ANewWorkbookHoldsOneStreamNamedWorkbook)
{
    TestReaderInstalled installed;
    std::string strPath = OutPath("neu.xls");
    ::DeleteFileA(strPath.c_str());
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    const std::string strLogs[] = {std::string(szTemp) + "Handler.log", std::string(szTemp) + "Table.log"};
    for (const std::string& strLog : strLogs)
        ::DeleteFileA(strLog.c_str());
    Sheet sheet(3);
    EXPECT_TRUE(sheet.Save(strPath));
    for (const std::string& strLog : strLogs)
        EXPECT_FALSE(Exists(strLog)) << strLog; // the logs stay off
    EXPECT_EQ(std::vector<std::wstring>{L"Workbook"}, Compound(strPath).names);
    EXPECT_EQ(Expected(3), Written(strPath));
}

TEST(ExcelWriter, SavingOverAPlainFileKeepsItAsBackup)
{
    TestReaderInstalled installed;
    std::string strPath = OutPath("x.xls"), strBackup = OutPath("x.bak");
    ::DeleteFileA(strBackup.c_str());
    WriteText(strPath, "alte Daten");
    Sheet sheet(2);
    EXPECT_TRUE(sheet.Save(strPath));
    EXPECT_EQ(HexBytes("616c746520446174656e"), FileBytes(strBackup)); // "alte Daten"
    EXPECT_EQ(Expected(2), Written(strPath));
}

TEST(ExcelWriter, WithoutABackupTheUserDecides)
{
    TestReaderInstalled installed;
    for (int nAnswer : {IDNO, IDYES})
    {
        SCOPED_TRACE(nAnswer);
        std::string strPath = OutPath("y.xls");
        WriteText(strPath, "alt");
        // A folder of the backup's name: the copy cannot be made.
        ::CreateDirectoryA(OutPath("y.bak").c_str(), NULL);
        MessageBoxes boxes;
        boxes.Expect(nAnswer, "Unable to create a back up copy of existing file.");
        if (nAnswer == IDNO)
            boxes.Expect(IDOK, "Operation wurde vom Benutzer abgebrochen.");
        Sheet sheet(1);
        EXPECT_EQ(nAnswer == IDYES, sheet.Save(strPath) != FALSE);
        EXPECT_EQ(0u, boxes.Pending());
        ASSERT_FALSE(boxes.Shown().empty());
        EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION), boxes.Shown()[0].type);
        if (nAnswer == IDNO)
            EXPECT_EQ(HexBytes("616c74"), FileBytes(strPath));
        else
            EXPECT_EQ(Expected(1), Written(strPath));
        ::RemoveDirectoryA(OutPath("y.bak").c_str());
    }
}

TEST(ExcelWriter, ASmallerGridShrinksTheStreamAndTheOlderNameBecomesWorkbook)
{
    TestReaderInstalled installed;
    std::string strPath = OutPath("kleiner.xls");
    ::DeleteFileA(strPath.c_str());
    {
        // An older writer's workbook: the stream is "WorkBook".
        std::wstring wide(strPath.begin(), strPath.end());
        IStorage* pStorage = NULL;
        ASSERT_EQ(S_OK, ::StgCreateDocfile(wide.c_str(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                           0, &pStorage));
        IStream* pStream = NULL;
        ASSERT_EQ(S_OK,
                  pStorage->CreateStream(L"WorkBook", STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0, &pStream));
        Bytes old = Expected(500);
        pStream->Write(old.data(), (ULONG)old.size(), NULL);
        pStream->Release();
        pStorage->Commit(STGC_DEFAULT);
        pStorage->Release();
    }
    Sheet sheet(4);
    EXPECT_TRUE(sheet.Save(strPath));
    Compound file(strPath);
    EXPECT_EQ(std::vector<std::wstring>{L"Workbook"}, file.names);
    EXPECT_GT(Expected(500).size(), file.workbook.size());
    EXPECT_EQ(Expected(4), Written(strPath));
}

TEST(ExcelWriter, AFailingWriteLeavesTheFileAndTheDocumentAsTheyWere)
{
    TestReaderInstalled installed;
    std::string strOld = OutPath("bleibt.xls"), strNew = OutPath("entsteht-nicht.xls");
    ::DeleteFileA(strNew.c_str());
    Sheet before(6);
    ASSERT_TRUE(before.Save(strOld));
    Bytes old = FileBytes(strOld);

    CTestReader::s_bBreak = TRUE;
    for (const std::string& strPath : {strOld, strNew})
    {
        SCOPED_TRACE(strPath);
        CGXDocument doc;
        doc.SetModifiedFlag(TRUE);
        MessageBoxes boxes;
        boxes.Expect(IDOK, "Unbekannter Fehler aufgetreten beim Schreiben der Datei.");
        Sheet sheet(2);
        EXPECT_FALSE(sheet.Save(strPath, &doc));
        EXPECT_EQ(0u, boxes.Pending());
        EXPECT_TRUE(doc.IsModified());
    }
    EXPECT_EQ(old, FileBytes(strOld));
    EXPECT_FALSE(Exists(strNew));

    CTestReader::s_bBreak = FALSE;
    CGXDocument doc;
    doc.SetModifiedFlag(TRUE);
    Sheet sheet(2);
    EXPECT_TRUE(sheet.Save(strOld, &doc));
    EXPECT_FALSE(doc.IsModified());
}
