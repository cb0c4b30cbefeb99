// Reading record bodies through field lists from a memory stream, plain and across CONTINUE
// records.
#include "ExcelTestApp.h"
#include "grid/excel/ExcelFieldList.h"
#include "grid/excel/ExcelHandler.h"
#include "grid/excel/ExcelTable.h"
#include <gtest/gtest.h>

namespace
{
// A table that only carries the record counters the continued reader works with.
class CountersTable : public CGXExcelTable
{
  public:
    BOOL ReadRecord(IStream*, DWORD) override
    {
        return TRUE;
    }
    BOOL WriteRecords(IStream*, DWORD*, CGXGridParam**, DWORD) override
    {
        return TRUE;
    }
    DWORD GetCount() override
    {
        return 0;
    }
    void ResetTable() override
    {
    }
};

struct FieldListTest : ::testing::Test
{
    void SetUp() override
    {
        GXExSetReadCount(0);
        GXExSetReadLimit(0xFFFFFFFF);
    }
    void TearDown() override
    {
        GXExSetReadLimit(0xFFFFFFFF);
    }
    // Runs the read and answers the field index of the READSEEKEXCEP it raised (-1: none).
    template <class F> static long FailingField(F read, HRESULT* pHr = NULL)
    {
        try
        {
            read();
        }
        catch (READSEEKEXCEP* pEx)
        {
            long nField = (long)pEx->m_nField;
            if (pHr != NULL)
                *pHr = pEx->m_hr;
            GXExCatchReadSeek(pEx);
            return nField;
        }
        return -1;
    }
};

std::string Text(const WORD* p, size_t n)
{
    std::string s;
    for (size_t i = 0; i < n; i++)
        s += p[i] < 0x80 ? (char)p[i] : '?';
    return s;
}
} // namespace

TEST_F(FieldListTest, EveryKindIsCopiedLittleEndianInListOrder)
{
    TestStream s(HexBytes("3412 78563412 efbeadde 0f00 aabbcc 41424344 000000000000f03f 99"));
    WORD w = 0, xf = 0;
    DWORD rk = 0, dw = 0;
    BYTE raw[3] = {}, buf[4] = {};
    double d = 0;
    CGXExcelFieldDesc f[7];
    f[0].SetWord(&w);
    f[1].SetRk(&rk);
    f[2].SetDWord(&dw);
    f[3].SetXF(&xf);
    f[4].SetRaw(raw, 3);
    f[5].SetBuffer(buf, 4);
    f[6].SetDouble(&d);
    EXPECT_EQ(TRUE, ReadFieldList(s, f, 7));
    EXPECT_EQ(0x1234, w);
    EXPECT_EQ(0x12345678u, rk);
    EXPECT_EQ(0xDEADBEEFu, dw);
    EXPECT_EQ(15, xf);
    EXPECT_EQ(0xCC, raw[2]);
    EXPECT_EQ(0, memcmp(buf, "ABCD", 4));
    EXPECT_EQ(1.0, d);
    EXPECT_EQ(27u, GXExGetReadCount());
    EXPECT_EQ(27u, StreamPos(s));
    const DWORD kinds[7] = {0, 1, 3, 4, 6, 7, 8};
    for (int i = 0; i < 7; i++)
        EXPECT_EQ(kinds[i], f[i].m_nKind) << i;
    EXPECT_EQ(2u, f[0].m_nWidth);
    EXPECT_EQ(4u, f[2].m_nWidth);
}

TEST_F(FieldListTest, ASkippedFieldMovesTheStreamAndCountsWithoutStoring)
{
    TestStream s(HexBytes("0100 ffff ffff 0200"));
    WORD a = 0, gap = 0x5555, b = 0;
    CGXExcelFieldDesc f[3];
    f[0].SetWord(&a);
    f[1].SetBuffer(&gap, 4, TRUE);
    f[2].SetWord(&b);
    ReadFieldList(s, f, 3);
    EXPECT_EQ(1, a);
    EXPECT_EQ(0x5555, gap);
    EXPECT_EQ(2, b);
    EXPECT_EQ(8u, GXExGetReadCount());
}

TEST_F(FieldListTest, TextFieldsWidenEightBitCharacters)
{
    TestStream s(HexBytes("616263 7800 7900"));
    WORD narrow[3], wide[2];
    CGXExcelFieldDesc f[2];
    f[0].SetText(narrow, 3, FALSE);
    f[1].SetText(wide, 2, TRUE);
    ReadFieldList(s, f, 2);
    EXPECT_EQ("abc", Text(narrow, 3));
    EXPECT_EQ("xy", Text(wide, 2));
    EXPECT_EQ(7u, GXExGetReadCount());
}

TEST_F(FieldListTest, FailuresRaiseTheIndexOfTheFailingField)
{
    struct Case
    {
        const char* name;
        const char* bytes;
        DWORD nLimit;
        DWORD nSkipWidth; // the second field: skipped with this width, else a DWORD read
        DWORD nCountAfter;
    };
    const Case cases[] = {
        // The stream ends inside the second field: the bytes delivered count, nothing more.
        {"short read", "0100 0203", 0xFFFFFFFF, 0, 4},
        // The record is 4 bytes long: the second field would end past it.
        {"past the record", "0100 02030405 0607", 4, 0, 2},
        // A seek that the stream refuses (before its start) with a failure code.
        {"failed seek", "0100 0203", 0xFFFFFFFF, 0xFFFFFF00, 2},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        GXExSetReadCount(0);
        GXExSetReadLimit(c.nLimit);
        TestStream s(HexBytes(c.bytes));
        WORD a = 0, last = 0x7777;
        DWORD b = 0;
        CGXExcelFieldDesc f[3];
        f[0].SetWord(&a);
        if (c.nSkipWidth != 0)
            f[1].SetBuffer(NULL, c.nSkipWidth, TRUE);
        else
            f[1].SetDWord(&b);
        f[2].SetWord(&last);
        HRESULT hr = S_OK;
        EXPECT_EQ(1, FailingField([&] { ReadFieldList(s, f, 3); }, &hr));
        EXPECT_TRUE(FAILED(hr));
        EXPECT_EQ(1, a);
        EXPECT_EQ(0x7777, last);
        EXPECT_EQ(c.nCountAfter, GXExGetReadCount());
    }
}

TEST_F(FieldListTest, ContinuedFieldsGoOnInContinueRecords)
{
    // A raw field of 5 bytes split 3 + 2 (no option byte), then a text of 6 characters that
    // starts with 8 bits and switches to 16 bits in the second CONTINUE.
    Bytes bytes = HexBytes("0a0b0c") + Record(0x3C, HexBytes("0d0e 616263")) +
                  Record(0x3C, HexBytes("01 6400 6500 6600")) + Record(0x0A, Bytes());
    TestStream s(bytes);
    CountersTable table;
    table.SetRecordLength(3);
    BYTE raw[5] = {};
    WORD text[6] = {};
    CGXExcelFieldDesc f[2];
    f[0].SetRaw(raw, 5);
    f[1].SetText(text, 6, FALSE);
    EXPECT_EQ(TRUE, ReadFieldListContinued(s, f, 2, &table));
    EXPECT_EQ(0, memcmp(raw, "\x0a\x0b\x0c\x0d\x0e", 5));
    EXPECT_EQ("abcdef", Text(text, 6));
    // The text ended with its record: the stream stands at the EOF header that follows.
    EXPECT_EQ(bytes.size() - 4, StreamPos(s));
}

TEST_F(FieldListTest, AFieldEndingWithItsRecordStopsTheListBeforeAnotherRecord)
{
    Bytes bytes = HexBytes("0100 0200") + Record(0x0A, Bytes());
    TestStream s(bytes);
    CountersTable table;
    table.SetRecordLength(4);
    WORD a = 0, b = 0, c = 0x7777;
    CGXExcelFieldDesc f[3];
    f[0].SetWord(&a);
    f[1].SetWord(&b);
    f[2].SetWord(&c);
    EXPECT_EQ(TRUE, ReadFieldListContinued(s, f, 3, &table));
    EXPECT_EQ(2, b);
    EXPECT_EQ(0x7777, c);
    EXPECT_EQ(4u, StreamPos(s));
    // Reading on from there is a field past the record.
    EXPECT_EQ(0, FailingField([&] { ReadFieldListContinued(s, f + 2, 1, &table); }));
}

TEST_F(FieldListTest, ATextStartingInAContinueReadsItsOptionByte)
{
    // The string header fills its record; the characters follow in a CONTINUE whose first byte
    // says they are 16-bit.
    Bytes bytes = HexBytes("0200 00") + Record(0x3C, HexBytes("01 4f00 4b00"));
    TestStream s(bytes);
    CountersTable table;
    table.SetRecordLength(3);
    WORD nChars = 0;
    BYTE option = 0xFF;
    CGXExcelFieldDesc head[2];
    head[0].SetWord(&nChars);
    head[1].SetRaw(&option, 1);
    ReadFieldListContinued(s, head, 2, &table);
    EXPECT_EQ(2, nChars);
    EXPECT_EQ(0, option);
    EXPECT_EQ(TRUE, table.m_bContinueStart);
    WORD text[2] = {};
    CGXExcelFieldDesc f;
    f.SetText(text, nChars, option & 1);
    ReadFieldListContinued(s, &f, 1, &table);
    EXPECT_EQ("OK", Text(text, 2));
    EXPECT_EQ(bytes.size(), StreamPos(s));
}

TEST_F(FieldListTest, AFieldReachingPastARecordWithoutContinueFails)
{
    TestStream s(HexBytes("0102") + Record(0x0A, Bytes()));
    CountersTable table;
    table.SetRecordLength(2);
    DWORD d = 0;
    CGXExcelFieldDesc f;
    f.SetDWord(&d);
    HRESULT hr = S_OK;
    EXPECT_EQ(0, FailingField([&] { ReadFieldListContinued(s, &f, 1, &table); }, &hr));
    EXPECT_EQ(GX_EXCEL_E_SHORTREAD, hr);
}
