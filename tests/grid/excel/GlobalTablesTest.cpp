// The number-format, shared-string, sheet-directory and shared-formula tables against
// hand-written record bytes in memory streams.
#include "ExcelTestApp.h"
#include "grid/core/GridParam.h"
#include "grid/excel/ExcelBoundSheetTable.h"
#include "grid/excel/ExcelFormatTable.h"
#include "grid/excel/ExcelSSTTable.h"
#include "grid/excel/ExcelSharedFormulaTable.h"
#include "grid/excel/ExcelText.h"
#include "tests/grid/GridTestWindow.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <memory>

namespace
{
// Reads one record (header included in the bytes) with the table as the workbook reader does:
// the body length stored, the counter reset, the reads limited to the body.
template <class Table> void ReadAsReader(Table& table, IStream* pStream)
{
    BYTE header[4];
    ULONG nRead = 0;
    pStream->Read(header, 4, &nRead);
    DWORD nLength = header[2] | (header[3] << 8);
    table.SetRecordLength(nLength);
    GXExSetReadCount(0);
    GXExSetReadLimit(nLength);
    table.ReadRecord(pStream, nLength + 4);
    GXExSetReadLimit(0xFFFFFFFF);
    // What the table left unread is passed over.
    if (GXExGetReadCount() < nLength)
    {
        LARGE_INTEGER skip;
        skip.QuadPart = nLength - GXExGetReadCount();
        pStream->Seek(skip, STREAM_SEEK_CUR, NULL);
    }
}

CString ValueOf(const CGXStyle& style)
{
    return style.GetInclude(CGXStyle::ibValue) ? style.GetValue() : CString("<none>");
}
} // namespace

// Built-in format index -> grid format code, places and red negatives.
TEST(FormatTable, AppliesBuiltInFormats)
{
    struct Case
    {
        DWORD nIndex;
        int nCode;   // -1: unchanged
        int nPlaces; // -1: none
        bool bRed;
    } cases[] = {
        {0, 3, -1, false},    {2, 2, 2, false},    {4, 5, 2, false},    {6, 4, 2, true},
        {9, 14, -1, false},   {10, 14, 2, false},  {14, 11, -1, false}, {20, 27, -1, false},
        {22, 18, -1, false},  {38, 5, -1, true},   {40, 5, 2, true},    {42, 4, -1, false},
        {49, 3, -1, false},   {23, -1, -1, false}, {36, -1, -1, false}, {50, -1, -1, false},
        {164, -1, -1, false},
    };
    CGXExcelFormatTable table;
    for (const Case& c : cases)
    {
        CGXStyle style;
        style.SetFormat(7); // what the cell had before
        CGXStyle* pStyle = &style;
        EXPECT_TRUE(table.ApplyToStyle(c.nIndex, pStyle)) << c.nIndex;
        EXPECT_EQ(c.nCode < 0 ? 7u : (UINT)c.nCode, style.GetFormat()) << c.nIndex;
        EXPECT_EQ(c.nPlaces >= 0, style.GetInclude(CGXStyle::ibPlaces) != FALSE) << c.nIndex;
        if (c.nPlaces >= 0)
        {
            EXPECT_EQ((UINT)c.nPlaces, style.GetPlaces()) << c.nIndex;
        }
        EXPECT_EQ(c.bRed, style.HasUserAttribute(GX_IDS_UA_NEGATIVE_COLOR) != FALSE) << c.nIndex;
        if (c.bRed)
        {
            EXPECT_EQ((DWORD)RGB(255, 0, 0),
                      style.GetUserAttribute(GX_IDS_UA_NEGATIVE_COLOR).GetDWordValue());
        }
    }
}

// Grid value format -> the built-in index written, and back.
TEST(FormatTable, WritesBuiltInIndexes)
{
    struct Case
    {
        int nCode; // -1: no format
        int nPlaces;
        bool bRed;
        WORD nIndex;
    } cases[] = {
        {-1, -1, false, 0},  {1, -1, false, 11}, {2, 2, false, 2},    {3, -1, false, 0},  {3, 13, false, 0},
        {4, 2, false, 5},    {4, 2, true, 6},    {5, -1, false, 3},   {5, 2, false, 4},   {5, 2, true, 38},
        {5, -1, true, 3},    {8, -1, false, 15}, {11, -1, false, 14}, {14, -1, false, 9}, {14, 2, false, 10},
        {27, -1, false, 20}, {6, -1, false, 0},
    };
    CGXExcelFormatTable table;
    for (const Case& c : cases)
    {
        CGXStyle style;
        if (c.nCode >= 0)
            style.SetFormat(c.nCode);
        if (c.nPlaces >= 0)
            style.SetPlaces(c.nPlaces);
        if (c.bRed)
            style.SetNegativeNumberColor(RGB(255, 0, 0));
        EXPECT_EQ(c.nIndex, table.GetBuiltInFormatIndex(style))
            << c.nCode << " " << c.nPlaces << " " << c.bRed;
    }
    // Index 6 read back: code 4, two places, red.
    CGXStyle style;
    CGXStyle* pStyle = &style;
    table.ApplyToStyle(6, pStyle);
    EXPECT_EQ(6, table.GetBuiltInFormatIndex(style));
}

TEST(FormatTable, ReadsRecordsEvenDamaged)
{
    CGXExcelFormatTable table;
    TestStream stream(Record(0x41E, HexBytes("A4 00 03 00 00 41 42 43")) +
                      Record(0x41E, HexBytes("A5 00 09 00")));
    ReadAsReader(table, stream);
    ReadAsReader(table, stream);
    formatStruct* pEntry = NULL;
    ASSERT_TRUE(table.LookupEntry(0, pEntry));
    EXPECT_EQ(0xA4, pEntry->nIndex);
    EXPECT_EQ(3, pEntry->nBytes);
    // The second claims nine bytes of text in a body of four: kept as far as read.
    ASSERT_TRUE(table.LookupEntry(1, pEntry));
    EXPECT_EQ(0xA5, pEntry->nIndex);
    EXPECT_EQ(2u, table.GetCount());
}

// Shared strings: 8-bit, 16-bit, rich text and extended data, and a string carried on in a
// CONTINUE record that switches to 16-bit characters.
TEST(SSTTable, ReadsStringsAcrossContinue)
{
    Bytes sst = HexBytes("0A000000 06000000"                     // 10 references, 6 strings
                         "0200 00 6162"                          // "ab"
                         "0100 01 AC20"                          // euro sign, 16-bit
                         "0300 08 0200 787978 01000000 02000000" // "xyx", two runs
                         "0200 04 03000000 7172 AABBCC"          // "qr", three bytes extended
                         "0400 00 6465");                        // "de" ... goes on in the CONTINUE
    Bytes cont = HexBytes("01 6600 FC00"                         // ... "f", "ü" as 16-bit characters
                          "0100 00 7A");                         // "z"
    TestStream stream(Record(0xFC, sst) + Record(0x3C, cont) + Record(0x0A, Bytes()));
    CGXExcelSSTTable table;
    ReadAsReader(table, stream);
    // The stream stands at the record after the CONTINUE.
    EXPECT_EQ(4 + sst.size() + 4 + cont.size(), StreamPos(stream));
    const char* expected[] = {"ab", "\x80", "xyx", "qr", "def\xFC", "z"};
    for (DWORD i = 0; i < 6; i++)
    {
        CGXStyle style;
        CGXStyle* pStyle = &style;
        EXPECT_TRUE(table.ApplyToStyle(i, pStyle)) << i;
        EXPECT_STREQ(expected[i], ValueOf(style)) << i;
    }
    CGXStyle style;
    CGXStyle* pStyle = &style;
    EXPECT_FALSE(table.ApplyToStyle(6, pStyle));
    EXPECT_STREQ("<none>", ValueOf(style));
}

// A string ending exactly at the record's end: the next one starts the CONTINUE record without
// an option byte.
TEST(SSTTable, NextStringStartsContinue)
{
    Bytes sst = HexBytes("02000000 02000000 0300 00 616263");
    Bytes cont = HexBytes("0200 01 4100 4200");
    TestStream stream(Record(0xFC, sst) + Record(0x3C, cont));
    CGXExcelSSTTable table;
    ReadAsReader(table, stream);
    const char* expected[] = {"abc", "AB"};
    for (DWORD i = 0; i < 2; i++)
    {
        CGXStyle style;
        CGXStyle* pStyle = &style;
        EXPECT_TRUE(table.ApplyToStyle(i, pStyle));
        EXPECT_STREQ(expected[i], ValueOf(style));
    }
}

// Damaged tables: more strings promised than held, characters past the record; what was read
// stays usable, the rest is absent.
TEST(SSTTable, DamagedRecordsKeepWhatWasRead)
{
    struct Case
    {
        const char* pszBody;
        DWORD nStrings;
    } cases[] = {
        {"05000000 05000000 0100 00 61 0100 00 62", 2}, // three strings missing, no CONTINUE
        {"01000000 01000000 0900 00 6162", 0},          // characters past the end
        {"01000000 FFFFFFFF 0100 00 61", 1},            // an absurd count
        {"0100", 0},                                    // counts cut off
    };
    for (const Case& c : cases)
    {
        TestStream stream(Record(0xFC, HexBytes(c.pszBody)) + Record(0x0A, Bytes()));
        CGXExcelSSTTable table;
        ReadAsReader(table, stream);
        sstStruct* pEntry = NULL;
        ASSERT_TRUE(table.LookupEntry(0, pEntry)) << c.pszBody;
        EXPECT_EQ(c.nStrings, pEntry->nUnique) << c.pszBody;
        CGXStyle style;
        CGXStyle* pStyle = &style;
        EXPECT_EQ(c.nStrings > 0, table.ApplyToStyle(0, pStyle) != FALSE) << c.pszBody;
        EXPECT_FALSE(table.ApplyToStyle(c.nStrings, pStyle)) << c.pszBody;
    }
    // No table read at all.
    CGXExcelSSTTable empty;
    CGXStyle* pStyle = NULL;
    EXPECT_FALSE(empty.ApplyToStyle(0, pStyle));
}

// Workbook texts become the same ANSI text whichever way they are converted: each character,
// plain ASCII and not, as the code page gives it, and a text ending at its first NUL.
TEST(SSTTable, TextsConvertAsTheCodePageGivesThem)
{
    for (WORD ch = 1; ch < 0x100; ch++)
    {
        const WORD text[3] = {'a', ch, 'z'};
        char expected[16] = {};
        ::WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const WCHAR*>(text), 3, expected, 15, NULL, NULL);
        CString converted;
        ASSERT_TRUE(GXExWideToAnsi(text, 3, converted));
        EXPECT_EQ(CString(expected), converted) << "character " << ch;
    }
    const WORD cut[5] = {'0', '0', 0, '4', '2'};
    CString converted("old");
    ASSERT_TRUE(GXExWideToAnsi(cut, 5, converted));
    EXPECT_EQ(CString("00"), converted);
    const WORD euro[3] = {'A', 0x20AC, 0};
    char expected[8] = {};
    ::WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const WCHAR*>(euro), 2, expected, 7, NULL, NULL);
    ASSERT_TRUE(GXExWideToAnsi(euro, 3, converted));
    EXPECT_EQ(CString(expected), converted);
    ASSERT_TRUE(GXExWideToAnsi(euro, 0, converted));
    EXPECT_TRUE(converted.IsEmpty());
}

TEST(BoundSheetTable, ReadsNames)
{
    TestStream stream(Record(0x85, HexBytes("00100000 0000 05 00 5461626C65")) +
                      Record(0x85, HexBytes("00200000 0000 03 01 4700FC00DF00")) +
                      Record(0x85, HexBytes("00300000 0000 09 00 4142")));
    CGXExcelBoundSheetTable table;
    for (int i = 0; i < 3; i++)
        ReadAsReader(table, stream);
    const char* expected[] = {"Table", "G\xFC\xDF", ""};
    for (DWORD i = 0; i < 3; i++)
    {
        CString* pName = NULL;
        ASSERT_TRUE(table.ApplyToStyle(i, pName)) << i;
        ASSERT_TRUE(pName != NULL);
        EXPECT_STREQ(expected[i], *pName) << i;
    }
    BoundSheetStruct* pEntry = NULL;
    ASSERT_TRUE(table.LookupEntry(1, pEntry));
    EXPECT_EQ(0x2000u, pEntry->nBOFPosition);
    CString strName;
    CString* pName = &strName;
    EXPECT_FALSE(table.ApplyToStyle(3, pName));
}

// Names as written: empty ones numbered, cut to 31 characters, refused characters replaced.
TEST(BoundSheetTable, NamesFitExcel)
{
    EnsureGridLibrary();
    struct Case
    {
        const char* pszName;
        DWORD nSheet;
        const char* pszWritten;
    } cases[] = {
        {"", 0, "Arbeitsblatt 1"},
        {"", 4, "Arbeitsblatt 5"},
        {"Messung", 0, "Messung"},
        {"a[b]:c*?/\\d", 0, "a_b__c____d"},
        {"0123456789012345678901234567890123456789", 0, "0123456789012345678901234567890"},
    };
    for (const Case& c : cases)
    {
        CGXGridParam param;
        param.m_sSheetName = c.pszName;
        EXPECT_STREQ(c.pszWritten, CGXExcelBoundSheetTable::GetSheetNameToWrite(&param, c.nSheet))
            << c.pszName;
    }
}

// The directory is reserved in a sizing pass and written once the sheets' positions are known.
TEST(BoundSheetTable, WritesDirectoryInTwoPasses)
{
    EnsureGridLibrary();
    CGXGridParam first, second;
    first.m_sSheetName = "Ab";
    CGXGridParam* params[] = {&first, &second};
    TestStream stream(HexBytes("EEEEEEEE"));
    LARGE_INTEGER end = {};
    end.QuadPart = 4;
    stream->Seek(end, STREAM_SEEK_SET, NULL);
    CGXExcelBoundSheetTable table;
    DWORD nTotal = 4;
    table.SetSizingPass(TRUE);
    table.SetDirectoryPosition(4);
    ASSERT_TRUE(table.WriteRecords(stream, &nTotal, params, 2));
    EXPECT_EQ(4u + 14 + 26, nTotal);
    EXPECT_EQ(4u + 14 + 26, StreamPos(stream));
    table.SetBOFPosition(1, 0x0200);
    table.SetBOFPosition(0, 0x0100);
    table.SetSizingPass(FALSE);
    ASSERT_TRUE(table.WriteRecords(stream, &nTotal, params, 2));
    EXPECT_EQ(4u + 2 * (14 + 26), nTotal);
    // Without being told, the passes alternate: the next call sizes again.
    EXPECT_EQ(1u, table.m_bSizingPass);
    Bytes expected = HexBytes("EEEEEEEE"
                              "8500 0A00 00010000 0000 02 00 4162"
                              "8500 1600 00020000 0000 0E 00 4172626569747362 6C61747420 32");
    EXPECT_EQ(expected, StreamBytes(stream));
    // No parameter objects: code 11.
    try
    {
        table.WriteRecords(stream, &nTotal, NULL, 1);
        ADD_FAILURE() << "no code raised";
    }
    catch (egxExcelRWFlags e)
    {
        EXPECT_EQ(gxExcelErrNoParam, e);
    }
}

// Shared tokens made the cell's: relative references are signed offsets.
TEST(SharedFormulaTable, ExpandsRelativeReferences)
{
    struct Case
    {
        const char* pszTokens;
        WORD nRow, nCol;
        const char* pszExpanded; // NULL: refused
    } cases[] = {
        {"4C 0100 FFC0", 5, 3, "44 0600 02C0"},                             // a row down, a column left
        {"2C FFFF 01C0", 5, 3, "24 0400 04C0"},                             // a row up, a column right
        {"4C 0700 0500", 5, 3, "44 0700 0500"},                             // both absolute: unchanged
        {"2D 0000 0200 0080 0140", 10, 4, "25 0A00 0200 0080 0540"},        // rows relative, then columns
        {"1E 0100 4C 0000 00C0 03", 1, 1, "1E 0100 44 0100 01C0 03"},       // integer, reference, add
        {"17 02 00 6162 4C 0000 00C0", 0, 0, "17 02 00 6162 44 0000 00C0"}, // text token walked
        {"4C FFFF 00C0", 0, 0, NULL},                                       // above the first row
        {"4C 0000 FFC0", 0, 0, NULL},                                       // left of the first column
        {"18 00", 0, 0, NULL},                                              // a token the walk does not know
        {"4C 0100", 0, 0, NULL},                                            // cut off
    };
    for (const Case& c : cases)
    {
        Bytes tokens = HexBytes(c.pszTokens);
        std::vector<BYTE> out;
        BOOL bOk =
            CGXExcelSharedFormulaTable::ExpandTokens(tokens.data(), (WORD)tokens.size(), c.nRow, c.nCol, out);
        EXPECT_EQ(c.pszExpanded != NULL, bOk != FALSE) << c.pszTokens;
        if (c.pszExpanded != NULL)
        {
            EXPECT_EQ(HexBytes(c.pszExpanded), out) << c.pszTokens;
        }
    }
}

// SHRFMLA records are kept under their anchor; a FORMULA of the range gets the tokens.
TEST(SharedFormulaTable, AppliesToFormulaOfRange)
{
    CGXExcelSharedFormulaTable table;
    TestStream stream(Record(0x4BC, HexBytes("0100 2800 02 02 00 28 0500 4C 0000 FFC0")) +
                      Record(0x4BC, HexBytes("0300 0400 01 01 00 02 0900 4C 00")));
    ReadAsReader(table, stream);
    ReadAsReader(table, stream); // tokens cut off: not kept
    EXPECT_TRUE(table.HasSharedFormula(1, 2));
    EXPECT_FALSE(table.HasSharedFormula(2, 2));
    EXPECT_FALSE(table.HasSharedFormula(3, 1));

    formulaStruct formula;
    formula.nRow = 7;
    formula.nCol = 2;
    formula.nTokens = 5;
    formula.pTokens = new BYTE[5]{0x01, 0x01, 0x00, 0x02, 0x00};
    formulaStruct* pFormula = &formula;
    ASSERT_TRUE(table.ApplyToStyle(CGXExcelSharedFormulaTable::MakeKey(1, 2), pFormula));
    EXPECT_EQ(5, formula.nTokens);
    EXPECT_EQ(HexBytes("44 0700 01C0"), Bytes(formula.pTokens, formula.pTokens + formula.nTokens));
    EXPECT_FALSE(table.ApplyToStyle(CGXExcelSharedFormulaTable::MakeKey(2, 2), pFormula));
    formulaStruct* pNone = NULL;
    EXPECT_FALSE(table.ApplyToStyle(CGXExcelSharedFormulaTable::MakeKey(1, 2), pNone));
    delete[] formula.pTokens;
    table.ResetTable();
    EXPECT_FALSE(table.HasSharedFormula(1, 2));
}
