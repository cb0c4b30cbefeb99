// The containers of workbook writing and of the tables: XF numbers per cell, style ids to XF
// numbers, per-sheet nodes and the table base.
#include "ExcelTestApp.h"
#include "grid/excel/ExStyleIDMap.h"
#include "grid/excel/ExcelBaseTable.h"
#include "grid/excel/XFArray.h"
#include <gtest/gtest.h>

namespace
{
Bytes Body(BYTE b)
{
    return Bytes(GX_EXCEL_XF_BODY, b);
}

struct Entry
{
    static int s_nAlive;
    WORD nValue = 0;
    Entry()
    {
        s_nAlive++;
    }
    ~Entry()
    {
        s_nAlive--;
    }
};
int Entry::s_nAlive = 0;

// Reads one WORD per record as an entry.
class CWordTable : public CGXExcelBaseTable<Entry, CString>
{
  public:
    BOOL ReadRecord(IStream* pStream, DWORD) override
    {
        Entry* pEntry = new Entry;
        CGXExcelFieldDesc f;
        f.SetWord(&pEntry->nValue);
        try
        {
            ReadFieldList(pStream, &f, 1);
        }
        catch (READSEEKEXCEP* pEx)
        {
            GXExCatchReadSeek(pEx);
        }
        AddEntry(pEntry);
        return TRUE;
    }
    BOOL WriteRecords(IStream*, DWORD*, CGXGridParam**, DWORD) override
    {
        return TRUE;
    }
};

class CountingCreator : public CGXNodeCreator<CGXXFArray>
{
  public:
    int* pMade;
    explicit CountingCreator(int* p) : pMade(p)
    {
    }
    CGXXFArray* CreateNode() override
    {
        (*pMade)++;
        return new CGXXFArray;
    }
};
} // namespace

TEST(ExcelStyleMap, CellsKeepTheirXFAndBodiesAreSharedAbove16)
{
    CGXXFArray map;
    map.InitSize(100);
    EXPECT_EQ(0x00050003u, CGXExStyleMap::MakeKey(3, 5));
    EXPECT_EQ(0u, map.LookupXF(1, 1));
    EXPECT_EQ(0xFFFFu, map.FindXFByBody(Body(1).data()));

    map.Add(1, 1, 15, Body(1).data()); // fixed XF numbers are never shared
    map.Add(2, 1, 17, Body(2).data());
    map.Add(3, 1, 17, NULL);           // a cell sharing XF 17
    map.Add(4, 1, 18, Body(2).data()); // a later XF of the same body does not replace the first
    map.Add(0, 2, 19, Body(3).data()); // column 2's style
    EXPECT_EQ(5, map.GetCount());
    EXPECT_EQ(15u, map.LookupXF(1, 1));
    EXPECT_EQ(17u, map.LookupXF(3, 1));
    EXPECT_EQ(19u, map.LookupXF(0, 2));
    EXPECT_EQ(0u, map.LookupXF(2, 0));
    EXPECT_EQ(0xFFFFu, map.FindXFByBody(Body(1).data()));
    EXPECT_EQ(17u, map.FindXFByBody(Body(2).data()));
    EXPECT_EQ(19u, map.FindXFByBody(Body(3).data()));
    Bytes nearly = Body(2);
    nearly[19] = 3;
    EXPECT_EQ(0xFFFFu, map.FindXFByBody(nearly.data()));

    map.RemoveAll();
    EXPECT_EQ(0, map.GetCount());
    EXPECT_EQ(0xFFFFu, map.FindXFByBody(Body(2).data()));
}

TEST(ExcelStyleMap, ManyCellsOfFewFormatsFindTheirShares)
{
    // A sheet of 65,535 rows by 10 columns in two alternating formats: every cell after the
    // first of its format finds that format's XF.
    CGXXFArray map;
    map.InitSize(655350);
    DWORD nNext = 17, nShared = 0;
    for (DWORD nRow = 1; nRow <= 65535; nRow++)
        for (DWORD nCol = 1; nCol <= 10; nCol++)
        {
            Bytes body = Body((BYTE)(nRow & 1));
            DWORD nXF = map.FindXFByBody(body.data());
            if (nXF == 0xFFFF)
                map.Add(nRow, nCol, nNext++, body.data());
            else
            {
                map.Add(nRow, nCol, nXF, NULL);
                nShared++;
            }
        }
    EXPECT_EQ(19u, nNext);
    EXPECT_EQ(655348u, nShared);
    EXPECT_EQ(17u, map.LookupXF(65535, 10));
    EXPECT_EQ(18u, map.LookupXF(65534, 3));
}

TEST(ExcelStyleMap, StyleIdsMapToTheirFirstXF)
{
    CGXExStyleIDMap ids;
    EXPECT_EQ(0u, ids.LookupXF(5));
    ids.AddIfAbsent(5, 16);
    ids.AddIfAbsent(5, 20);
    ids.AddIfAbsent(7, 21);
    EXPECT_EQ(16u, ids.LookupXF(5));
    EXPECT_EQ(21u, ids.LookupXF(7));
    EXPECT_EQ(2, ids.GetCount());
}

TEST(ExcelStyleMap, NodesAreMadeOncePerKey)
{
    int nMade = 0;
    {
        CGXNodeManagerNor<CGXXFArray> nodes(new CountingCreator(&nMade));
        EXPECT_EQ(NULL, nodes.Lookup(0));
        CGXXFArray* pFirst = nodes.GetOrCreate(0);
        ASSERT_NE(nullptr, pFirst);
        EXPECT_EQ(pFirst, nodes.GetOrCreate(0));
        EXPECT_EQ(pFirst, nodes.Lookup(0));
        EXPECT_NE(pFirst, nodes.GetOrCreate(1));
        EXPECT_EQ(2, nMade);
        EXPECT_EQ(2, nodes.GetCount());
    }
    CGXNodeManagerNor<CGXXFArray> plain(new CGXXFArrayCreator);
    plain.GetOrCreate(3)->Add(1, 1, 20, NULL);
    EXPECT_EQ(20u, plain.Lookup(3)->LookupXF(1, 1));
}

TEST(ExcelBaseTable, EntriesByIndexOfArrival)
{
    int nAliveBefore = Entry::s_nAlive;
    {
        CWordTable table;
        TestStream s(HexBytes("0b00 0c00 0d"));
        for (int i = 0; i < 3; i++)
            table.ReadRecord(s, 0);
        EXPECT_EQ(3u, table.GetCount());
        EXPECT_EQ(nAliveBefore + 3, Entry::s_nAlive);
        Entry* pEntry = NULL;
        ASSERT_TRUE(table.LookupEntry(1, pEntry));
        EXPECT_EQ(12, pEntry->nValue);
        // The third record was cut short: it keeps what was read.
        ASSERT_TRUE(table.LookupEntry(2, pEntry));
        EXPECT_EQ(0x0d, pEntry->nValue);
        EXPECT_FALSE(table.LookupEntry(4, pEntry));

        CString* pText = NULL;
        EXPECT_TRUE(table.ApplyToStyle(0, pText));
        ASSERT_NE(nullptr, pText);
        CString own;
        CString* pOwn = &own;
        EXPECT_TRUE(table.ApplyToStyle(0, pOwn));
        EXPECT_EQ(&own, pOwn);
        delete pText;

        table.ResetTable();
        EXPECT_EQ(0u, table.GetCount());
        EXPECT_EQ(nAliveBefore, Entry::s_nAlive);
        EXPECT_FALSE(table.LookupEntry(0, pEntry));
        table.ReadRecord(s, 0);
        table.ReadRecord(s, 0);
    }
    EXPECT_EQ(nAliveBefore, Entry::s_nAlive);
}
