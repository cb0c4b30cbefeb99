// The handler base's dispatch by target kind, the record-type maps and the application's map
// holder.
#include "ExcelTestApp.h"
#include "grid/excel/ExMapHolder.h"
#include "mfc/WinApp.h"
#include <gtest/gtest.h>

namespace
{
// Counts the calls the base dispatches.
class CCountingHandler : public CGXExcelHandler
{
    DECLARE_DYNCREATE(CCountingHandler)

  public:
    static int s_nCreated;
    int nGrid = 0, nStyle = 0, nTarget3 = 0, nTarget4 = 0, nReset = 0;
    DWORD nField = 0;
    CCountingHandler()
    {
        s_nCreated++;
    }
    BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength) override
    {
        CGXExcelFieldDesc f;
        f.SetWord(&nField);
        ReadFieldList(pStream, &f, 1);
        return CGXExcelHandler::ReadRecord(pStream, target, nLength);
    }
    void ResetRecord() override
    {
        nReset++;
        nField = 0;
    }
    BOOL ApplyToGrid(CGXGridCore*, DWORD) override
    {
        nGrid++;
        return nField == 7;
    }
    BOOL ApplyToStyle(void* p, DWORD n) override
    {
        nStyle++;
        return CGXExcelHandler::ApplyToStyle(p, n);
    }
    BOOL ApplyToTarget3(void* p, DWORD n) override
    {
        nTarget3++;
        return CGXExcelHandler::ApplyToTarget3(p, n);
    }
    BOOL ApplyToTarget4(void* p, DWORD n) override
    {
        nTarget4++;
        return CGXExcelHandler::ApplyToTarget4(p, n);
    }
};
IMPLEMENT_DYNCREATE(CCountingHandler, CGXExcelHandler)
int CCountingHandler::s_nCreated = 0;

class COtherHandler : public CCountingHandler
{
    DECLARE_DYNCREATE(COtherHandler)
};
IMPLEMENT_DYNCREATE(COtherHandler, CCountingHandler)

// A creatable class that is no handler.
class CNotAHandler : public CObject
{
    DECLARE_DYNCREATE(CNotAHandler)
};
IMPLEMENT_DYNCREATE(CNotAHandler, CObject)
} // namespace

TEST(ExcelHandler, ReadRecordDispatchesByTargetKindAndResetsTheFields)
{
    struct Case
    {
        DWORD nKind;
        BOOL bResult;
        int nGrid, nStyle, n3, n4;
    };
    const Case cases[] = {
        {0, FALSE, 0, 0, 0, 0}, {1, TRUE, 1, 0, 0, 0}, {2, TRUE, 0, 1, 0, 0},
        {3, TRUE, 0, 0, 1, 0},  {4, TRUE, 0, 0, 0, 1}, {5, FALSE, 0, 0, 0, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nKind);
        CCountingHandler h;
        TestStream s(HexBytes("0700"));
        GXExSetReadCount(0);
        EXPECT_EQ(c.bResult, h.ReadRecord(s, CGXExcelHandler::gxexpointer(c.nKind, NULL), 6));
        EXPECT_EQ(c.nGrid, h.nGrid);
        EXPECT_EQ(c.nStyle, h.nStyle);
        EXPECT_EQ(c.n3, h.nTarget3);
        EXPECT_EQ(c.n4, h.nTarget4);
        EXPECT_EQ(1, h.nReset);
        EXPECT_EQ(0u, h.nField);
        EXPECT_EQ(2u, GXExGetReadCount());
    }
}

TEST(ExcelHandler, TargetsAndTheBaseWrite)
{
    CGXExcelHandler::gxexpointer none;
    EXPECT_EQ(0u, none.m_nKind);
    CGXExcelHandler::gxexpointer grid((CGXGridCore*)NULL);
    EXPECT_EQ(1u, grid.m_nKind);
    CGXExcelHandler::gxexpointer copy(CGXExcelHandler::gxexpointer((CGXGridCore*)&none));
    EXPECT_EQ(1u, copy.m_nKind);
    EXPECT_EQ((void*)&none, copy.m_pTarget);

    CCountingHandler h;
    EXPECT_EQ(0u, h.GetBytesRead());
    EXPECT_EQ(0u, h.GetRecordLength());
    TestStream s;
    DWORD nTotal = 5;
    EXPECT_EQ(TRUE, h.WriteRecord(s, grid, &nTotal, 0));
    EXPECT_EQ(1, h.nReset);
    EXPECT_EQ(5u, nTotal);

    GXExWriteBytes(s, "\x0a\x00\x00\x00", 4, &nTotal);
    EXPECT_EQ(9u, nTotal);
    EXPECT_EQ(HexBytes("0a000000"), StreamBytes(s));
}

TEST(ExcelHandler, AStreamRefusingAWriteThrowsCode9)
{
    // A stream of a storage opened for reading only refuses writes.
    IStorage* pStorage = NULL;
    ASSERT_EQ(S_OK, ::StgCreateDocfile(
                        NULL, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE | STGM_DELETEONRELEASE, 0,
                        &pStorage));
    IStream* pStream = NULL;
    ASSERT_EQ(S_OK, pStorage->CreateStream(L"Workbook", STGM_CREATE | STGM_READ | STGM_SHARE_EXCLUSIVE, 0, 0,
                                           &pStream));
    DWORD nTotal = 0;
    int nCode = 0;
    try
    {
        GXExWriteBytes(pStream, "abcd", 4, &nTotal);
    }
    catch (egxExcelRWFlags e)
    {
        nCode = e;
    }
    pStream->Release();
    pStorage->Release();
    EXPECT_EQ(gxExcelErrWrite, nCode);
    EXPECT_EQ(0u, nTotal);
}

TEST(ExcelMaps, LookupCreatesOneObjectPerEntryOnFirstUse)
{
    CGXExcelHandlerMap map;
    map.Register(0x0203, RUNTIME_CLASS(CCountingHandler));
    map.Register(0x0204, RUNTIME_CLASS(COtherHandler));
    map.Register(0x0017, RUNTIME_CLASS(COtherHandler), GX_EXMAP_MATCH_LOWBYTE);
    map.Register(0x0300, RUNTIME_CLASS(CNotAHandler));
    EXPECT_EQ(4, map.GetEntryCount());
    int nBefore = CCountingHandler::s_nCreated;
    EXPECT_EQ(NULL, map.Lookup(0x0205));
    EXPECT_EQ(nBefore, CCountingHandler::s_nCreated);

    CGXExcelHandler* pNumber = map.Lookup(0x0203);
    ASSERT_NE(nullptr, pNumber);
    EXPECT_EQ(pNumber, map.Lookup(0x0203));
    EXPECT_EQ(nBefore + 1, CCountingHandler::s_nCreated);
    EXPECT_TRUE(pNumber->IsKindOf(RUNTIME_CLASS(CCountingHandler)));
    EXPECT_FALSE(pNumber->IsKindOf(RUNTIME_CLASS(COtherHandler)));
    EXPECT_TRUE(map.Lookup(0x0204)->IsKindOf(RUNTIME_CLASS(COtherHandler)));
    // Low-byte entries take any type of that low byte; full entries only their own type.
    CGXExcelHandler* pLow = map.Lookup(0x1117);
    ASSERT_NE(nullptr, pLow);
    EXPECT_EQ(pLow, map.Lookup(0x0017));
    EXPECT_EQ(NULL, map.Lookup(0x1103));
    // A class that is no handler gives nothing.
    EXPECT_EQ(NULL, map.Lookup(0x0300));

    map.ResetAll();
    EXPECT_EQ(1, static_cast<CCountingHandler*>(pNumber)->nReset);
    EXPECT_EQ(1, static_cast<CCountingHandler*>(pLow)->nReset);
    EXPECT_EQ(1, static_cast<CCountingHandler*>(map.Lookup(0x0204))->nReset);

    EXPECT_EQ(NULL, map.GetContext());
    map.SetContext((CGXGridCore*)&map);
    EXPECT_EQ((CGXGridCore*)&map, map.GetContext());
}

TEST(ExcelMaps, TheApplicationHoldsBothMaps)
{
    ASSERT_NE(nullptr, GXExGetHandlerMap());
    ASSERT_NE(nullptr, GXExGetTableMap());
    CGXExMapHolder* pHolder = dynamic_cast<CGXExMapHolder*>(AfxGetApp());
    ASSERT_NE(nullptr, pHolder);
    EXPECT_EQ(pHolder->GetHandlerMap(), GXExGetHandlerMap());
    EXPECT_EQ(pHolder->GetTableMap(), GXExGetTableMap());
    EXPECT_EQ(NULL, GXExFindTable(0x7FFF));

    // A holder owns the maps it is given.
    CGXExMapHolder holder;
    CGXExcelHandlerMap* pMap = new CGXExcelHandlerMap;
    pMap->Register(0x0203, RUNTIME_CLASS(CCountingHandler));
    holder.SetHandlerMap(pMap);
    EXPECT_EQ(pMap, holder.GetHandlerMap());
    EXPECT_NE(nullptr, holder.GetHandlerMap()->Lookup(0x0203));
}
