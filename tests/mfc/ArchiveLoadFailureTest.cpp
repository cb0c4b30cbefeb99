// Damaged archives: classes that cannot come from a stream, nesting without end, and failed loads
// that must leave nothing behind (every object created by a failed ReadObject is deleted once).
#include "afxwin.h"
#include "TestSupport.h"
#include <psapi.h>
#include <algorithm>
#include <string>
#include <vector>

#include "ArchiveBytes.h"

using namespace testing_support;

// Counts its live objects; carries a payload so that leaks show in the working set.
class CArCounted : public CObject
{
    DECLARE_SERIAL(CArCounted)
  public:
    static int s_nLive;
    static size_t s_nPayload;
    DWORD m_dwValue = 0;
    std::vector<char> m_payload;
    CArCounted() : m_payload(s_nPayload)
    {
        ++s_nLive;
    }
    ~CArCounted() override
    {
        --s_nLive;
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_dwValue;
        else
            ar >> m_dwValue;
    }
};
IMPLEMENT_SERIAL(CArCounted, CObject, 1)
int CArCounted::s_nLive = 0;
size_t CArCounted::s_nPayload = 0;

// Owns the children it reads (deletes them with itself), then a trailer value.
class CArOwner : public CObject
{
    DECLARE_SERIAL(CArOwner)
  public:
    static int s_nLive;
    CObArray m_children;
    DWORD m_dwTrailer = 0;
    CArOwner()
    {
        ++s_nLive;
    }
    ~CArOwner() override
    {
        for (int i = 0; i < m_children.GetSize(); ++i)
            delete m_children[i];
        --s_nLive;
    }
    void Serialize(CArchive& ar) override
    {
        m_children.Serialize(ar);
        if (ar.IsStoring())
            ar << m_dwTrailer;
        else
            ar >> m_dwTrailer;
    }
};
IMPLEMENT_SERIAL(CArOwner, CObject, 1)
int CArOwner::s_nLive = 0;

// Reads a child and deletes it itself before its own value: a failure after that must not
// delete the child again.
class CArDropper : public CObject
{
    DECLARE_SERIAL(CArDropper)
  public:
    DWORD m_dwValue = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
        {
            CArCounted child;
            ar << &child << m_dwValue;
            return;
        }
        CObject* pChild = nullptr;
        ar >> pChild;
        delete pChild;
        ar >> m_dwValue;
    }
};
IMPLEMENT_SERIAL(CArDropper, CObject, 1)

// Registered and serialisable, but without a factory.
class CArNoFactory : public CObject
{
    DECLARE_DYNAMIC(CArNoFactory)
};
IMPLEMENT_RUNTIMECLASS(CArNoFactory, CObject, 1, NULL)

namespace
{
Bytes ClassRecord(WORD wSchema, const std::string& name)
{
    return Cat({{0xFF, 0xFF, LOBYTE(wSchema), HIBYTE(wSchema), (BYTE)name.size(), 0x00}, Text(name)});
}

int LoadAnyObject(const Bytes& bytes)
{
    return LoadCause(bytes, [](CArchive& ar) {
        CObject* pOb = nullptr;
        ar >> pOb;
        delete pOb;
    });
}

TEST(ArchiveLoadFailure, ClassesThatCannotComeFromAStreamAreBadClasses)
{
    // Linked in, so their names are registered.
    const CRuntimeClass* registered[] = {RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(CDC), RUNTIME_CLASS(CMenu),
                                         RUNTIME_CLASS(CImageList)};
    ASSERT_NE(nullptr, registered[0]);
    const Bytes zeros(16, 0);
    const struct
    {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"CObject, no factory", {0xFF, 0xFF, 0xFF, 0xFF, 0x07, 0x00, 'C', 'O', 'b', 'j', 'e', 'c', 't'}},
        {"CFrameWnd, not serialisable",
         Cat({{0xFF, 0xFF, 0xFF, 0xFF, 0x09, 0x00}, Text("CFrameWnd"), zeros})},
        {"CWnd", Cat({ClassRecord(0xFFFF, "CWnd"), zeros})},
        {"CDC", Cat({ClassRecord(0xFFFF, "CDC"), zeros})},
        {"CMenu", Cat({ClassRecord(0xFFFF, "CMenu"), zeros})},
        {"CImageList", Cat({ClassRecord(0xFFFF, "CImageList"), zeros})},
        {"CFrameWnd with a schema", Cat({ClassRecord(1, "CFrameWnd"), zeros})},
        {"registered without factory", Cat({ClassRecord(1, "CArNoFactory"), zeros})},
        {"inside an array",
         Cat({ClassRecord(0, "CObArray"), {0x01, 0x00}, ClassRecord(0xFFFF, "CFrameWnd"), zeros})},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CArchiveException::badClass, LoadAnyObject(c.bytes));
    }
}

// Arrays nested nDepth deep, the innermost one empty.
Bytes NestedArrays(int nDepth)
{
    Bytes bytes = Cat({ClassRecord(0, "CObArray"), {0x01, 0x00}});
    for (int i = 1; i < nDepth; ++i)
        bytes.insert(bytes.end(), {0x01, 0x80, 0x01, 0x00}); // class 1 again, one element
    bytes[bytes.size() - 2] = 0x00;                          // the innermost count
    return bytes;
}

void DeleteNested(CObject* pOb)
{
    while (pOb != nullptr)
    {
        CObArray* pArray = static_cast<CObArray*>(pOb);
        pOb = pArray->GetSize() > 0 ? pArray->GetAt(0) : nullptr;
        delete pArray;
    }
}

TEST(ArchiveLoadFailure, NestingDeeperThanTheBoundIsAGenericFailure)
{
    const int nMax = (int)CArchive::nMaxLoadDepth;
    const struct
    {
        int nDepth;
        int cause;
    } cases[] = {{1, kNoError},
                 {nMax, kNoError},
                 {nMax + 1, CArchiveException::generic},
                 {8000, CArchiveException::generic}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nDepth);
        int nLoaded = 0;
        EXPECT_EQ(c.cause, LoadCause(NestedArrays(c.nDepth), [&](CArchive& ar) {
                      CObject* pOb = nullptr;
                      ar >> pOb;
                      for (CObject* p = pOb; p != nullptr;
                           p = ((CObArray*)p)->GetSize() > 0 ? ((CObArray*)p)->GetAt(0) : nullptr)
                          ++nLoaded;
                      DeleteNested(pOb);
                  }));
        EXPECT_EQ(c.cause == kNoError ? c.nDepth : 0, nLoaded);
    }
}

// Stored bytes of a few structures, each freed again by its own function.
struct Structure
{
    const char* name;
    Bytes bytes;
};

std::vector<Structure> Structures()
{
    std::vector<Structure> all;
    // A plain array of counted objects, one of them twice.
    all.push_back({"array", Store([](CArchive& ar) {
                       CObArray array;
                       CArCounted items[4];
                       for (CArCounted& item : items)
                           array.Add(&item);
                       array.Add(&items[1]);
                       ar << &array;
                   })});
    // Arrays of owners owning counted objects, and an array inside an array.
    all.push_back({"owners", Store([](CArchive& ar) {
                       CObArray outer, inner;
                       CArOwner owners[2];
                       for (CArOwner& owner : owners)
                       {
                           for (int i = 0; i < 3; ++i)
                               owner.m_children.Add(new CArCounted);
                           outer.Add(&owner);
                       }
                       CArCounted loose;
                       inner.Add(&loose);
                       outer.Add(&inner);
                       ar << &outer;
                   })});
    // An object deleting what it read itself.
    all.push_back({"dropper", Store([](CArchive& ar) {
                       CObArray array;
                       CArDropper dropper;
                       CArCounted after;
                       array.Add(&dropper);
                       array.Add(&after);
                       ar << &array;
                   })});
    return all;
}

// Frees what a complete load of one of the structures made.
void FreeLoaded(CObject* pOb)
{
    if (pOb == nullptr || !pOb->IsKindOf(RUNTIME_CLASS(CObArray)))
    {
        delete pOb;
        return;
    }
    CObArray* pArray = static_cast<CObArray*>(pOb);
    std::vector<CObject*> seen;
    for (int i = 0; i < pArray->GetSize(); ++i)
    {
        CObject* p = pArray->GetAt(i);
        if (std::find(seen.begin(), seen.end(), p) == seen.end())
        {
            seen.push_back(p);
            FreeLoaded(p);
        }
    }
    delete pArray;
}

int LoadAndFree(const Bytes& bytes)
{
    return LoadCause(bytes, [](CArchive& ar) {
        CObject* pOb = nullptr;
        ar >> pOb;
        FreeLoaded(pOb);
    });
}

TEST(ArchiveLoadFailure, EveryCutDeletesEachObjectTheLoadCreatedOnce)
{
    ASSERT_EQ(0, CArCounted::s_nLive);
    ASSERT_EQ(0, CArOwner::s_nLive);
    for (const Structure& s : Structures())
    {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(kNoError, LoadAndFree(s.bytes));
        EXPECT_EQ(0, CArCounted::s_nLive);
        for (size_t n = 0; n < s.bytes.size(); ++n)
        {
            SCOPED_TRACE(n);
            Bytes cut(s.bytes.begin(), s.bytes.begin() + n);
            EXPECT_EQ(CArchiveException::endOfFile, LoadAndFree(cut));
            ASSERT_EQ(0, CArCounted::s_nLive);
            ASSERT_EQ(0, CArOwner::s_nLive);
        }
    }
}

// A place that owns what it reads takes null or a new object; a reference to an object read
// before (which has its owner) is refused, and the earlier object stays intact.
TEST(ArchiveLoadFailure, ReadNewObjectRefusesReferencesToObjectsReadBefore)
{
    CArCounted first, second;
    first.m_dwValue = 11;
    second.m_dwValue = 22;
    const struct
    {
        const char* name;
        Bytes bytes;
        int cause;
        int nNew; // objects the second read makes
    } cases[] = {
        {"two objects", Store([&](CArchive& ar) { ar << &first << &second; }), kNoError, 1},
        {"then null", Store([&](CArchive& ar) { ar << &first << (CObject*)nullptr; }), kNoError, 0},
        {"then the first again", Store([&](CArchive& ar) { ar << &first << &first; }),
         CArchiveException::badIndex, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        int nLive = CArCounted::s_nLive;
        CObject* pFirst = nullptr;
        CObject* pSecond = nullptr;
        EXPECT_EQ(c.cause, LoadCause(c.bytes, [&](CArchive& ar) {
                      pFirst = ar.ReadNewObject(RUNTIME_CLASS(CArCounted));
                      pSecond = ar.ReadNewObject(RUNTIME_CLASS(CArCounted));
                  }));
        ASSERT_NE(nullptr, pFirst);
        EXPECT_EQ(11u, static_cast<CArCounted*>(pFirst)->m_dwValue);
        EXPECT_EQ(nLive + 1 + c.nNew, CArCounted::s_nLive);
        if (c.nNew != 0)
        {
            ASSERT_NE(nullptr, pSecond);
            EXPECT_EQ(22u, static_cast<CArCounted*>(pSecond)->m_dwValue);
        }
        else
        {
            EXPECT_EQ(nullptr, pSecond);
        }
        delete pFirst;
        delete pSecond;
        EXPECT_EQ(nLive, CArCounted::s_nLive);
    }
    // ReadObject takes the same reference.
    Bytes shared = Store([&](CArchive& ar) { ar << &first << &first; });
    EXPECT_EQ(kNoError, LoadCause(shared, [](CArchive& ar) {
                  CObject* pOne = ar.ReadNewObject(RUNTIME_CLASS(CArCounted));
                  CObject* pTwo = ar.ReadObject(RUNTIME_CLASS(CArCounted));
                  EXPECT_EQ(pOne, pTwo);
                  delete pOne;
              }));
}

SIZE_T WorkingSet()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    EXPECT_TRUE(::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters)));
    return counters.WorkingSetSize;
}

TEST(ArchiveLoadFailure, RepeatedFailedLoadsKeepTheWorkingSetFlat)
{
    // 20 owners of 5 objects with 4 KB each: a leaking load would keep about 400 KB.
    Bytes bytes = Store([](CArchive& ar) {
        CObArray array;
        CArOwner owners[20];
        for (CArOwner& owner : owners)
        {
            for (int i = 0; i < 5; ++i)
                owner.m_children.Add(new CArCounted);
            array.Add(&owner);
        }
        ar << &array;
    });
    Bytes cut(bytes.begin(), bytes.end() - 3);
    CArCounted::s_nPayload = 4096;
    for (int i = 0; i < 20; ++i)
        LoadAndFree(cut);
    SIZE_T before = WorkingSet();
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(CArchiveException::endOfFile, LoadAndFree(cut));
    SIZE_T after = WorkingSet();
    CArCounted::s_nPayload = 0;
    EXPECT_EQ(0, CArCounted::s_nLive);
    // 200 leaking loads would keep 80 MB.
    EXPECT_LT(after, before + 8 * 1024 * 1024) << "before " << before << ", after " << after;
}
} // namespace
