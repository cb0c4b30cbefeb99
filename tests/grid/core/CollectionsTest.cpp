// The grid's hash maps: lookups, re-keying and archive forms.
#include "grid/core/AppData.h"
#include "grid/core/CollMapDWordToLong.h"
#include "grid/core/MapByte8ToPtr.h"
#include "grid/core/MapFontData.h"
#include "grid/core/MapNdxToOb.h"
#include "grid/core/PtrArrayPtrArray.h"
#include "grid/core/Style.h"
#include "ArchiveHelpers.h"
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <string>

namespace
{
std::map<DWORD, LONG> Entries(const CGXCollMapDWordToLong& m)
{
    std::map<DWORD, LONG> e;
    POSITION pos = m.GetStartPosition();
    while (pos != NULL)
    {
        DWORD k;
        LONG v;
        m.GetNextAssoc(pos, k, v);
        e[k] = v;
    }
    return e;
}
} // namespace

TEST(Collections, DWordToLongBasics)
{
    CGXMapDWordToLong m;
    LONG v = 0;
    EXPECT_FALSE(m.Lookup(3, v));
    EXPECT_FALSE(m.RemoveKey(3));
    EXPECT_EQ(0, m[3]); // index inserts a zeroed entry
    m[3] = 30;
    m.SetAt(100, 1000);
    EXPECT_TRUE(m.Lookup(3, v));
    EXPECT_EQ(30, v);
    EXPECT_EQ(2, m.GetCount());
    EXPECT_TRUE(m.RemoveKey(3));
    EXPECT_EQ(1, m.GetCount());
    m.RemoveAll();
    EXPECT_TRUE(m.IsEmpty());
    EXPECT_EQ(17u, m.GetHashTableSize());
    m.InitHashTable(1021);
    for (DWORD k = 0; k < 5000; k++)
        m[k] = (LONG)k * 2;
    EXPECT_EQ(5000, m.GetCount());
    EXPECT_TRUE(m.Lookup(4999, v));
    EXPECT_EQ(9998, v);

    // A filled map keeps its entries through a new table size: lookups, additions, iteration.
    m.InitHashTable(257);
    EXPECT_EQ(257u, m.GetHashTableSize());
    EXPECT_EQ(5000, m.GetCount());
    EXPECT_TRUE(m.Lookup(1234, v));
    EXPECT_EQ(2468, v);
    m[6000] = 1;
    EXPECT_EQ(5001, m.GetCount());
    LONG nSum = 0;
    int nSeen = 0;
    POSITION pos = m.GetStartPosition();
    while (pos != NULL)
    {
        DWORD k;
        m.GetNextAssoc(pos, k, v);
        nSum += v;
        nSeen++;
    }
    EXPECT_EQ(5001, nSeen);
    EXPECT_EQ(4999L * 5000 + 1, nSum);
}

TEST(Collections, Rekeying)
{
    struct Case
    {
        const char* what;
        std::function<void(CGXMapDWordToLong&)> op;
        std::map<DWORD, LONG> expected;
    } cases[] = {
        {"remove 3..5", [](CGXMapDWordToLong& m) { m.RemoveKeys(3, 5); }, {{1, 10}, {4, 70}}},
        {"insert 2 at 3", [](CGXMapDWordToLong& m) { m.InsertKeys(3, 2); }, {{1, 10}, {6, 40}, {9, 70}}},
        {"move 1..1 to 4", [](CGXMapDWordToLong& m) { m.MoveRange(1, 1, 4); }, {{3, 40}, {4, 10}, {7, 70}}},
        {"move 4..4 to 1", [](CGXMapDWordToLong& m) { m.MoveRange(4, 4, 1); }, {{1, 40}, {2, 10}, {7, 70}}},
        {"move 7..8 to 3", [](CGXMapDWordToLong& m) { m.MoveRange(7, 8, 3); }, {{1, 10}, {3, 70}, {6, 40}}},
    };
    for (const Case& c : cases)
    {
        CGXMapDWordToLong m;
        m[1] = 10;
        m[4] = 40;
        m[7] = 70;
        c.op(m);
        EXPECT_EQ(c.expected, Entries(m)) << c.what;
    }
    // The examples given for the keys 1, 3, 7.
    CGXMapDWordToLong m;
    m[1] = 1;
    m[3] = 3;
    m[7] = 7;
    m.InsertKeys(3, 2);
    EXPECT_EQ((std::map<DWORD, LONG>{{1, 1}, {5, 3}, {9, 7}}), Entries(m));

    CGXMapDWordToLong copy;
    copy[99] = 1;
    copy = m;
    EXPECT_EQ(Entries(m), Entries(copy));
}

TEST(Collections, DWordToLongArchive)
{
    CGXCollMapDWordToLong m;
    m[0x10] = -2;
    std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) { m.Serialize(ar); });
    std::vector<BYTE> expected;
    PutWord(expected, 1);
    PutDWord(expected, 0x10);
    PutDWord(expected, 0xFFFFFFFE);
    EXPECT_EQ(expected, bytes);

    CGXMapDWordToLong loaded;
    loaded[5] = 5;
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ((std::map<DWORD, LONG>{{5, 5}, {0x10, -2}}), Entries(loaded));
}

TEST(Collections, DWordToLongArchiveInBucketOrder)
{
    // Keys 0x35, 0x10 and 0x20 fall into buckets 3, 1 and 2 of the 17.
    CGXCollMapDWordToLong m;
    m[0x35] = 3;
    m[0x10] = 1;
    m[0x20] = -1;
    std::vector<BYTE> expected;
    PutWord(expected, 3);
    for (DWORD v : {0x10u, 1u, 0x20u, 0xFFFFFFFFu, 0x35u, 3u})
        PutDWord(expected, v);
    EXPECT_EQ(expected, StoreBytes([&](CArchive& ar) { m.Serialize(ar); }));

    CGXCollMapDWordToLong empty;
    EXPECT_EQ((Bytes{0, 0}), StoreBytes([&](CArchive& ar) { empty.Serialize(ar); }));
}

TEST(Collections, MapCountBeyondWordThrowsBeforeWriting)
{
    struct Case
    {
        const char* what;
        std::function<void(DWORD)> add;
        std::function<void(CArchive&)> store;
        std::function<void()> removeOne;
        size_t bytesPerEntry;
    };
    CGXCollMapDWordToLong longs;
    longs.InitHashTable(4099);
    CMapNdxToOb cells;
    cells.InitHashTable(4099);
    Case cases[] = {
        {"DWORD to LONG", [&](DWORD k) { longs[k] = 1; }, [&](CArchive& ar) { longs.Serialize(ar); },
         [&] { longs.RemoveKey(0); }, 8},
        // Null objects keep the entries small: each writes row, column and a null tag.
        {"cell to object", [&](DWORD k) { cells.SetAt(k, 1, NULL); },
         [&](CArchive& ar) { cells.Serialize(ar); }, [&] { cells.RemoveKey(0, 1); }, 10},
    };
    for (Case& c : cases)
    {
        for (DWORD k = 0; k <= 0xFFFF; k++)
            c.add(k);
        CMemFile file;
        int cause = -1;
        {
            CArchive ar(&file, CArchive::store);
            try
            {
                c.store(ar);
            }
            catch (CArchiveException* e)
            {
                cause = e->m_cause;
                e->Delete();
            }
            ar.Flush();
        }
        EXPECT_EQ(CArchiveException::generic, cause) << c.what;
        EXPECT_EQ(0u, file.GetLength()) << c.what;

        c.removeOne();
        std::vector<BYTE> bytes = StoreBytes(c.store);
        EXPECT_EQ(2u + 65535u * c.bytesPerEntry, bytes.size()) << c.what;
    }
}

TEST(Collections, CellToObject)
{
    EXPECT_EQ(GXHashCell(GXCellKey{5, 7}), GXHashCell(GXCellKey{0x10005, 0x70007}));
    EXPECT_EQ((7u * 4096) | (0x35u >> 4), GXHashCell(GXCellKey{0x35, 7}));

    CGXMapCellToOb m;
    CGXStyle* pStyle = new CGXStyle;
    pStyle->SetValue("x");
    m.SetAt(2, 3, pStyle);
    CObject* p = NULL;
    EXPECT_TRUE(m.Lookup(2, 3, p));
    EXPECT_EQ(pStyle, p);
    EXPECT_FALSE(m.Lookup(3, 2, p));

    // Without a style-serialisation component (the library start-up of other tests installs one).
    CGXAbstractStyleSerializeImp* pSerializeImp = GXGetAppData()->m_pStyleSerializeImp;
    GXGetAppData()->m_pStyleSerializeImp = NULL;
    std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) { m.Serialize(ar); });
    // Count, row, column, then the object record: a new-class tag, the schema and the class
    // name; the style itself adds nothing without a style-serialisation component.
    std::vector<BYTE> expected;
    PutWord(expected, 1);
    PutDWord(expected, 2);
    PutDWord(expected, 3);
    PutWord(expected, 0xFFFF);
    PutWord(expected, 1);
    PutWord(expected, 8);
    for (char ch : std::string("CGXStyle"))
        expected.push_back((BYTE)ch);
    EXPECT_EQ(expected, bytes);

    // Without a style-serialisation component the style archives nothing of its own, but the
    // object record brings back a style.
    CGXMapCellToOb loaded;
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    CObject* pLoaded = NULL;
    ASSERT_TRUE(loaded.Lookup(2, 3, pLoaded));
    EXPECT_TRUE(pLoaded->IsKindOf(RUNTIME_CLASS(CGXStyle)));
    GXGetAppData()->m_pStyleSerializeImp = pSerializeImp;
    delete pLoaded;
    delete pStyle;
}

// Cell maps nested nDepth deep below an outer map read by its own Serialize: each map holds
// the next at (level, 2), the innermost is empty.
Bytes NestedCellMaps(int nDepth)
{
    Bytes bytes;
    for (int nLevel = 0; nLevel < nDepth; nLevel++)
    {
        PutWord(bytes, 1);
        PutDWord(bytes, (DWORD)nLevel);
        PutDWord(bytes, 2);
        if (nLevel == 0) // the class once, then references to it (class index 1)
            bytes = testing_support::Cat(
                {bytes, {0xFF, 0xFF, 1, 0, 14, 0}, testing_support::Text("CGXMapCellToOb")});
        else
            PutWord(bytes, 0x8001);
    }
    PutWord(bytes, 0);
    return bytes;
}

TEST(Collections, CellMapsNestedBeyondTheArchiveBoundFail)
{
    const int nMax = (int)CArchive::nMaxLoadDepth;
    const struct
    {
        int nDepth;
        int cause;
    } cases[] = {{1, testing_support::kNoError},
                 {nMax, testing_support::kNoError},
                 {nMax + 1, CArchiveException::generic},
                 {7000, CArchiveException::generic}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nDepth);
        CGXMapCellToOb outer;
        EXPECT_EQ(c.cause, testing_support::LoadCause(NestedCellMaps(c.nDepth),
                                                      [&](CArchive& ar) { outer.Serialize(ar); }));
        // A failed load leaves nothing in the outer map (the archive deleted what it made); a
        // loaded chain has every level at its key.
        if (c.cause != testing_support::kNoError)
        {
            EXPECT_TRUE(outer.IsEmpty());
            continue;
        }
        int nLevels = 0;
        CMapNdxToOb* pMap = &outer;
        for (;;)
        {
            CObject* pNext = NULL;
            if (!pMap->Lookup((ROWCOL)nLevels, 2, pNext))
                break;
            ASSERT_TRUE(pNext != NULL && pNext->IsKindOf(RUNTIME_CLASS(CGXMapCellToOb)));
            pMap = static_cast<CMapNdxToOb*>(pNext);
            nLevels++;
        }
        EXPECT_EQ(c.nDepth, nLevels);
        EXPECT_TRUE(pMap->IsEmpty());
        // The maps do not own their objects: free the chain from the inside out.
        std::vector<CObject*> chain;
        for (CMapNdxToOb* p = &outer; !p->IsEmpty();)
        {
            POSITION pos = p->GetStartPosition();
            ROWCOL nRow, nCol;
            CObject* pNext;
            p->GetNextAssoc(pos, nRow, nCol, pNext);
            chain.push_back(pNext);
            p = static_cast<CMapNdxToOb*>(pNext);
        }
        for (CObject* p : chain)
            delete p;
    }
}

TEST(Collections, Byte8MapsAndFontData)
{
    CGXMapByte8ToPtr m;
    int a = 0;
    m[GXByte8Key{1, 2}] = &a;
    void* p = NULL;
    EXPECT_TRUE(m.Lookup(GXByte8Key{1, 2}, p));
    EXPECT_EQ(&a, p);
    EXPECT_FALSE(m.Lookup(GXByte8Key{2, 1}, p));

    CGXMapFontData fd;
    GXFontData& rec = fd[GXByte8Key{7, 8}];
    EXPECT_EQ(0, rec.nRefCount);
    EXPECT_EQ(0u, rec.dwFlags);
    rec.nRefCount = 3;
    EXPECT_EQ(3, fd.Lookup(GXByte8Key{7, 8})->nRefCount);
    EXPECT_TRUE(fd.RemoveKey(GXByte8Key{7, 8}));
    EXPECT_EQ(0, fd.GetCount());
    EXPECT_EQ(NULL, fd.Lookup(GXByte8Key{7, 8}));
}

TEST(Collections, CleanUp)
{
    CObList list;
    list.AddTail(new CGXStyle);
    list.AddTail(new CGXStyle);
    GXDeleteAllObjects(list);
    EXPECT_TRUE(list.IsEmpty());
    CObArray arr;
    arr.Add(new CGXStyle);
    GXDeleteAllObjects(arr);
    EXPECT_EQ(0, arr.GetSize());
    CGXPtrArrayPtrArray* pp = new CGXPtrArrayPtrArray;
    pp->Add(new CPtrArray);
    pp->Add(NULL);
    delete pp; // deletes the element arrays
}
