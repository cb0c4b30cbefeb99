// The workbook reader's walk over the records of a file: which records reach which grid in each
// mode, substreams passed over whole, records it cannot use, and the errors of files that are no
// workbooks. Probe handlers of otherwise unused record types show what was dispatched.
#include "ExcelTestApp.h"
#include "tests/grid/GridTestWindow.h"
#include "TestSupport.h"
#include "grid/excel/ExcelDocAdapter.h"
#include "grid/excel/ExcelReaderImpl.h"
#include "grid/excel/ExcelReportError.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace testing_support;

namespace
{
const WORD kProbe = 0x0099;
const WORD kSilent = 0x0098; // a handler that reads nothing of its body
const WORD kGreedy = 0x0095; // a handler that reads a DWORD, more than its records hold

// Which grid each probe record reached and the word it carried.
std::vector<std::pair<CGXGridCore*, WORD>> s_probes;

class CProbeHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CProbeHandler)

  public:
    WORD nValue = 0;
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override
    {
        CGXExcelFieldDesc f;
        f.SetWord(&nValue);
        ReadFieldList(pStream, &f, 1);
        return CGXExcelHandler::ReadRecord(pStream, target, nLength);
    }
    BOOL ApplyToGrid(CGXGridCore* pGrid, DWORD) override
    {
        s_probes.push_back({pGrid, nValue});
        return TRUE;
    }
    void ResetRecord() override
    {
        nValue = 0;
    }
};
IMPLEMENT_DYNCREATE(CProbeHandler, CGXExcelHandler)

class CSilentHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CSilentHandler)

  public:
    void ResetRecord() override
    {
    }
};
IMPLEMENT_DYNCREATE(CSilentHandler, CGXExcelHandler)

class CGreedyHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CGreedyHandler)

  public:
    DWORD nValue = 0;
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override
    {
        CGXExcelFieldDesc f;
        f.SetDWord(&nValue);
        ReadFieldList(pStream, &f, 1);
        return CGXExcelHandler::ReadRecord(pStream, target, nLength);
    }
    void ResetRecord() override
    {
    }
};
IMPLEMENT_DYNCREATE(CGreedyHandler, CGXExcelHandler)

void RegisterProbes()
{
    static bool s_bDone = false;
    if (s_bDone)
        return;
    s_bDone = true;
    GXExGetHandlerMap()->Register(kProbe, RUNTIME_CLASS(CProbeHandler));
    GXExGetHandlerMap()->Register(kSilent, RUNTIME_CLASS(CSilentHandler));
    GXExGetHandlerMap()->Register(kGreedy, RUNTIME_CLASS(CGreedyHandler));
}

// A document adapter whose sheets are grids of the test; it records the sheets prepared.
class CSheetsAdapter : public CGXExcelDocAdapter
{
  public:
    std::vector<CGXGridCore*> grids;
    std::vector<UINT> prepared;
    CGXGridCore* GetGrid(UINT nSheet) override
    {
        return nSheet < grids.size() ? grids[nSheet] : NULL;
    }
    void PrepareSheet(UINT nSheet, UINT) override
    {
        prepared.push_back(nSheet);
    }
};

Bytes Word(WORD n)
{
    return {(BYTE)(n & 0xFF), (BYTE)(n >> 8)};
}
// BOF of a substream kind: BIFF8, the kind, build fields and history left zero.
Bytes Bof(WORD nKind)
{
    return Record(0x0809, Word(0x0600) + Word(nKind) + HexBytes("00000000 00000000 00000000"));
}
Bytes Eof()
{
    return Record(0x000A, Bytes());
}
Bytes Probe(WORD n)
{
    return Record(kProbe, Word(n));
}
// A sheet directory entry: position, visible, the kind (0 worksheet, 2 chart), name "S".
Bytes BoundSheet(BYTE nKind)
{
    return Record(0x0085, HexBytes("00000000 00") + Bytes{nKind} + HexBytes("01 00 53"));
}

std::string OutDir()
{
    ::CreateDirectoryA("excel-out", NULL);
    return "excel-out\\";
}

// A compound file holding the bytes in one stream of the name.
void WriteCompound(const std::string& strPath, const wchar_t* pszStream, const Bytes& bytes)
{
    std::wstring wide(strPath.begin(), strPath.end());
    IStorage* pStorage = NULL;
    ASSERT_EQ(S_OK, ::StgCreateDocfile(wide.c_str(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0,
                                       &pStorage));
    if (pszStream != NULL)
    {
        IStream* pStream = NULL;
        ASSERT_EQ(S_OK,
                  pStorage->CreateStream(pszStream, STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0, &pStream));
        ULONG n = 0;
        pStream->Write(bytes.data(), (ULONG)bytes.size(), &n);
        pStream->Release();
    }
    pStorage->Commit(STGC_DEFAULT);
    pStorage->Release();
}

struct Sheets
{
    GridWindowOf<CGXGridWnd> w0{100, 80}, w1{100, 80}, w2{100, 80};
    CSheetsAdapter adapter;
    CGXExcelReaderImpl reader;
    Sheets()
    {
        RegisterProbes();
        adapter.grids = {w0.grid.get(), w1.grid.get(), w2.grid.get()};
        s_probes.clear();
    }
    void Read(const std::string& strPath, DWORD nMode, DWORD nSheets, DWORD nIndex = 0)
    {
        s_probes.clear();
        reader.SetMode(nMode);
        reader.SetSheetCount(nSheets);
        reader.SetSheetIndex(nIndex);
        reader.ReadFile(strPath.c_str(), &adapter);
    }
    CGXGridCore* Grid(int i) const
    {
        return adapter.grids[i];
    }
};

typedef std::vector<std::pair<CGXGridCore*, WORD>> Probes;
} // namespace

TEST(ExcelReader, ModesSendEachSheetsRecordsToItsGrid)
{
    Sheets s;
    // A probe before the first BOF; a chart inside the first sheet whose EOF type 0x100A and
    // probe are not the sheet's.
    std::string strPath = OutDir() + "two-sheets.xls";
    WriteCompound(strPath, L"Workbook",
                  Probe(90) + Bof(5) + BoundSheet(0) + BoundSheet(0) + Probe(1) + Eof() + Bof(0x10) +
                      Probe(2) + Bof(0x20) + Probe(91) + Record(0x100A, Bytes()) + Eof() + Probe(3) + Eof() +
                      Bof(0x10) + Probe(4) + Eof());

    s.Read(strPath, CGXExcelReaderImpl::modeCountOnly, 0);
    EXPECT_EQ(2u, s.reader.GetSheetCount());
    EXPECT_EQ((std::vector<UINT>{0, 1}), s.adapter.prepared);
    EXPECT_TRUE(s_probes.empty());

    s.Read(strPath, CGXExcelReaderImpl::modeAll, 2);
    EXPECT_EQ((Probes{{s.Grid(0), 1}, {s.Grid(0), 2}, {s.Grid(0), 3}, {s.Grid(1), 4}}), s_probes);

    s.Read(strPath, CGXExcelReaderImpl::modeSingleSheet, 2, 1);
    EXPECT_EQ((Probes{{s.Grid(0), 1}, {s.Grid(1), 4}}), s_probes);

    // With one sheet counted the walk ends behind it.
    s.Read(strPath, CGXExcelReaderImpl::modeAll, 1);
    EXPECT_EQ((Probes{{s.Grid(0), 1}, {s.Grid(0), 2}, {s.Grid(0), 3}}), s_probes);
}

TEST(ExcelReader, AChartSheetKeepsTheSheetsAfterItAtTheirPositions)
{
    Sheets s;
    std::string strPath = OutDir() + "chart-sheet.xls";
    WriteCompound(strPath, L"Workbook",
                  Bof(5) + BoundSheet(0) + BoundSheet(2) + BoundSheet(0) + Eof() + Bof(0x10) + Probe(1) +
                      Eof() + Bof(0x20) + Probe(2) + Eof() + Bof(0x10) + Probe(3) + Eof());
    s.Read(strPath, CGXExcelReaderImpl::modeCountOnly, 0);
    EXPECT_EQ(3u, s.reader.GetSheetCount());
    s.Read(strPath, CGXExcelReaderImpl::modeAll, 3);
    EXPECT_EQ((Probes{{s.Grid(0), 1}, {s.Grid(2), 3}}), s_probes);
}

TEST(ExcelReader, RecordsItCannotUseAreStepppedOver)
{
    struct Case
    {
        const char* pszName;
        Bytes sheet;     // behind the globals and the sheet's BOF
        Probes expected; // filled with grid 0
    };
    Sheets s;
    CGXGridCore* g = s.Grid(0);
    const Case cases[] = {
        {"unknown", Record(0x0777, HexBytes("01 02 03")) + Probe(1) + Eof(), {{g, 1}}},
        {"unread", Record(kSilent, HexBytes("99 00 99 00")) + Probe(2) + Eof(), {{g, 2}}},
        {"long body", Record(kProbe, HexBytes("03 00 FF FF FF FF")) + Probe(4) + Eof(), {{g, 3}, {g, 4}}},
        {"no final EOF", Probe(5), {{g, 5}}},
        {"cut off", Probe(6) + HexBytes("99 00 08 00 07 00"), {{g, 6}}},
        {"half a header", Probe(7) + HexBytes("99"), {{g, 7}}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        std::string strPath = OutDir() + "stepping.xls";
        WriteCompound(strPath, L"Workbook", Bof(5) + BoundSheet(0) + Eof() + Bof(0x10) + c.sheet);
        s.Read(strPath, CGXExcelReaderImpl::modeAll, 1);
        EXPECT_EQ(c.expected, s_probes);
    }
}

TEST(ExcelReader, AFieldPastItsRecordReachesTheCallerWithTheFileReleased)
{
    Sheets s;
    std::string strPath = OutDir() + "zu-kurz.xls";
    WriteCompound(strPath, L"Workbook",
                  Bof(5) + BoundSheet(0) + Eof() + Bof(0x10) + Probe(1) + Record(kGreedy, Word(7)) +
                      Probe(2) + Eof());
    READSEEKEXCEP* pCaught = NULL;
    try
    {
        s.Read(strPath, CGXExcelReaderImpl::modeAll, 1);
    }
    catch (READSEEKEXCEP* pEx)
    {
        pCaught = pEx;
    }
    ASSERT_TRUE(pCaught != NULL);
    EXPECT_EQ(0u, pCaught->m_nField);
    delete pCaught;
    EXPECT_EQ((Probes{{s.Grid(0), 1}}), s_probes);
    EXPECT_TRUE(::DeleteFileA(strPath.c_str())); // nothing holds the file
}

TEST(ExcelReader, TheOlderStreamNameIsReadToo)
{
    Sheets s;
    std::string strPath = OutDir() + "older-name.xls";
    WriteCompound(strPath, L"WorkBook", Bof(5) + BoundSheet(0) + Eof() + Bof(0x10) + Probe(8) + Eof());
    s.Read(strPath, CGXExcelReaderImpl::modeAll, 1);
    EXPECT_EQ((Probes{{s.Grid(0), 8}}), s_probes);
}

TEST(ExcelReader, FilesThatAreNoWorkbooksRaiseTheirCodes)
{
    Sheets s;
    std::string strPlain = OutDir() + "plain.xls";
    FILE* f = fopen(strPlain.c_str(), "wb");
    ASSERT_TRUE(f != NULL);
    fputs("keine Arbeitsmappe", f);
    fclose(f);
    std::string strNoStream = OutDir() + "no-stream.xls";
    WriteCompound(strNoStream, L"Book", Bof(5) + Eof());
    struct Case
    {
        std::string strPath;
        int nCode;
        UINT nMessage;
    };
    const Case cases[] = {
        {strPlain, gxExcelErrRead, GX_IDS_EXCEL_READUNKNOWN},
        {strNoStream, gxExcelErrNoStream, GX_IDS_EXCEL_UNKNOWN},
        {OutDir() + "missing.xls", gxExcelErrRead, GX_IDS_EXCEL_READUNKNOWN},
        {OutDir() + std::string(250, 'x') + ".xls", gxExcelErrRead, GX_IDS_EXCEL_READUNKNOWN},
        {std::string(), gxExcelErrRead, GX_IDS_EXCEL_READUNKNOWN},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.strPath);
        int nCode = 0;
        try
        {
            s.Read(c.strPath, CGXExcelReaderImpl::modeAll, 1);
        }
        catch (egxExcelRWFlags n)
        {
            nCode = n;
        }
        EXPECT_EQ(c.nCode, nCode);
        EXPECT_EQ(c.nMessage, GXExcelErrorMessageId(nCode));
    }
}

TEST(ExcelReader, EveryCodeShowsItsMessage)
{
    const std::pair<int, UINT> cases[] = {
        {1, 52547},  {2, 52548},  {3, 52549},  {4, 52550},  {5, 52551},  {6, 52552},
        {7, 52565},  {8, 52554},  {9, 52562},  {10, 52563}, {11, 52563}, {12, 52563},
        {13, 52563}, {14, 52564}, {15, 52561}, {16, 52564}, {17, 52562}, {18, 52563},
        {19, 52565}, {20, 52547}, {21, 52547}, {0, 52547},  {99, 52547},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, GXExcelErrorMessageId(c.first)) << c.first;

    MessageBoxes boxes;
    boxes.Expect(IDOK, "Unbekannter Fehler. Operation wurde abgrebrochen.");
    GXExcelReportError(21);
    boxes.Expect(IDOK, "Fataler Fehler im Program Code. Bitte kontaktieren Sie den Softwarehersteller.");
    GXExcelReportError(7);
    EXPECT_EQ(0u, boxes.Pending());
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_EQ((UINT)MB_OK, boxes.Shown()[0].type & 0xF);
}

TEST(ExcelReader, BackupNamesReplaceTheExtension)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\d\\x.xls", "C:\\d\\x.bak"},       {"C:\\d\\data", "C:\\d\\data.bak"},
        {"C:\\d.v\\data", "C:\\d.v\\data.bak"}, {"C:\\d\\x.bak", "C:\\d\\x.bak.bak"},
        {"C:\\d\\x.BAK", "C:\\d\\x.BAK.bak"},   {"x.tabelle", "x.bak"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.second, CGXExcelReaderImpl::GetBackupName(c.first)) << c.first;
}
