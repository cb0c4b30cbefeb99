// The framework's non-template collections: their run-time classes, the members they share,
// pointer identity in object lists, and their archives against bytes written out by hand.
#include "afx.h"
#include "ArchiveBytes.h"
#include "TestSupport.h"
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace testing_support;

// An element object for the object collections.
class CCollItem : public CObject
{
    DECLARE_SERIAL(CCollItem)
  public:
    CCollItem() = default;
    explicit CCollItem(DWORD dw) : m_dw(dw)
    {
    }
    DWORD m_dw = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_dw;
        else
            ar >> m_dw;
    }
};
IMPLEMENT_SERIAL(CCollItem, CObject, 1)

namespace
{

// The class record of CCollItem as the archive writes it the first time (new-class tag,
// schema 1, name), followed by the object's DWORD.
Bytes NewItem(DWORD dw)
{
    Bytes bytes = {0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00};
    for (char ch : std::string("CCollItem"))
        bytes.push_back((BYTE)ch);
    for (int i = 0; i < 4; i++)
        bytes.push_back((BYTE)(dw >> (8 * i)));
    return bytes;
}

// Objects loaded from an archive belong to the test.
struct LoadedObjects
{
    std::set<CObject*> objects;
    ~LoadedObjects()
    {
        for (CObject* p : objects)
            delete p;
    }
    void Add(CObject* p)
    {
        if (p != nullptr)
            objects.insert(p);
    }
};

DWORD ItemValue(CObject* p)
{
    CCollItem* pItem = dynamic_cast<CCollItem*>(p);
    return pItem != nullptr ? pItem->m_dw : 0xFFFFFFFF;
}

} // namespace

TEST(CollectionClasses, RunTimeClassesAreSerialOrDynamicAsInTheFramework)
{
    struct Case
    {
        CRuntimeClass* pClass;
        const char* name;
        bool serial;
    };
    const Case cases[] = {
        {RUNTIME_CLASS(CObArray), "CObArray", true},
        {RUNTIME_CLASS(CPtrArray), "CPtrArray", false},
        {RUNTIME_CLASS(CDWordArray), "CDWordArray", true},
        {RUNTIME_CLASS(CWordArray), "CWordArray", true},
        {RUNTIME_CLASS(CByteArray), "CByteArray", true},
        {RUNTIME_CLASS(CUIntArray), "CUIntArray", false},
        {RUNTIME_CLASS(CStringArray), "CStringArray", true},
        {RUNTIME_CLASS(CObList), "CObList", true},
        {RUNTIME_CLASS(CPtrList), "CPtrList", false},
        {RUNTIME_CLASS(CStringList), "CStringList", true},
        {RUNTIME_CLASS(CMapStringToOb), "CMapStringToOb", true},
        {RUNTIME_CLASS(CMapStringToPtr), "CMapStringToPtr", false},
        {RUNTIME_CLASS(CMapStringToString), "CMapStringToString", true},
        {RUNTIME_CLASS(CMapPtrToPtr), "CMapPtrToPtr", false},
        {RUNTIME_CLASS(CMapPtrToWord), "CMapPtrToWord", false},
        {RUNTIME_CLASS(CMapWordToPtr), "CMapWordToPtr", false},
        {RUNTIME_CLASS(CMapWordToOb), "CMapWordToOb", true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(c.name, c.pClass->m_lpszClassName);
        EXPECT_EQ(RUNTIME_CLASS(CObject), c.pClass->m_pBaseClass);
        EXPECT_EQ(c.serial, c.pClass->m_wSchema != 0xFFFF);
        EXPECT_EQ(c.serial, c.pClass->m_pfnCreateObject != nullptr);
        EXPECT_EQ(c.pClass, CRuntimeClass::FromName(c.name));
        if (c.serial)
        {
            CObject* pObject = c.pClass->CreateObject();
            ASSERT_NE(nullptr, pObject);
            EXPECT_TRUE(pObject->IsKindOf(c.pClass));
            EXPECT_TRUE(pObject->IsSerializable());
            delete pObject;
        }
    }
}

TEST(CollectionArrays, StringArrayTakesTextsAndStrings)
{
    CStringArray arr;
    CString shared("shared");
    arr.Add("one");
    arr.Add(shared);
    arr.InsertAt(1, "between", 2);
    arr.SetAtGrow(5, "five");
    arr.RemoveAt(2);
    ASSERT_EQ(5, arr.GetSize());
    const char* expected[] = {"one", "between", "shared", "", "five"};
    for (int i = 0; i < arr.GetSize(); i++)
        EXPECT_STREQ(expected[i], arr[i]) << i;
    CStringArray copy;
    copy.Copy(arr);
    copy.Append(arr);
    EXPECT_EQ(10, copy.GetCount());
    EXPECT_STREQ("five", copy.GetAt(9));
}

TEST(CollectionLists, ObjectListsFindByPointerAndStringListsByText)
{
    CCollItem a(1), b(1);
    CObList objects;
    objects.AddTail(&a);
    objects.AddTail(&b);
    objects.AddTail(&a);
    POSITION first = objects.Find(&b);
    EXPECT_EQ(objects.FindIndex(1), first);
    EXPECT_EQ(objects.FindIndex(2), objects.Find(&a, objects.GetHeadPosition()));

    CStringList strings;
    strings.AddTail("a");
    strings.AddTail(CString("b"));
    strings.AddHead("z");
    EXPECT_EQ(strings.FindIndex(2), strings.Find("b"));
    EXPECT_EQ(nullptr, strings.Find("z", strings.GetHeadPosition()));
    EXPECT_STREQ("z", strings.RemoveHead());
}

namespace
{
// Sets, looks up, iterates and removes the entries through the map's own members.
template <class MAP, class KEY, class ARGKEY, class VALUE>
void ExerciseMap(MAP& map, const std::vector<std::pair<ARGKEY, VALUE>>& entries)
{
    for (const auto& entry : entries)
        map.SetAt(entry.first, entry.second);
    ASSERT_EQ((int)entries.size(), map.GetCount());
    for (const auto& entry : entries)
    {
        VALUE value{};
        EXPECT_TRUE(map.Lookup(entry.first, value));
        EXPECT_TRUE(value == entry.second);
    }
    int seen = 0;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr; seen++)
    {
        KEY key{};
        VALUE value{};
        map.GetNextAssoc(pos, key, value);
    }
    EXPECT_EQ((int)entries.size(), seen);
    EXPECT_TRUE(map.RemoveKey(entries[0].first));
    EXPECT_FALSE(map.RemoveKey(entries[0].first));
    VALUE value{};
    EXPECT_FALSE(map.Lookup(entries[0].first, value));
    EXPECT_EQ((int)entries.size() - 1, map.GetCount());
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(nullptr, map.GetStartPosition());
}
} // namespace

TEST(CollectionMaps, EveryMapClassSetsLooksUpIteratesAndRemoves)
{
    CCollItem a, b;
    int x = 0, y = 0;
    {
        CMapStringToOb map(2);
        ExerciseMap<CMapStringToOb, CString, LPCTSTR, CObject*>(map, {{"a", &a}, {"b", &b}, {"c", &a}});
    }
    {
        CMapStringToPtr map;
        ExerciseMap<CMapStringToPtr, CString, LPCTSTR, void*>(map, {{"x", &x}, {"y", &y}});
    }
    {
        CMapStringToString map;
        ExerciseMap<CMapStringToString, CString, LPCTSTR, CString>(map, {{"k", "v"}, {"K", "w"}});
    }
    {
        CMapPtrToPtr map;
        ExerciseMap<CMapPtrToPtr, void*, void*, void*>(map, {{&x, &y}, {&y, &x}});
    }
    {
        CMapPtrToWord map;
        ExerciseMap<CMapPtrToWord, void*, void*, WORD>(map, {{&x, 1}, {&y, 2}});
    }
    {
        CMapWordToPtr map;
        ExerciseMap<CMapWordToPtr, WORD, WORD, void*>(map, {{1, &x}, {0xFFFF, &y}});
    }
    {
        CMapWordToOb map;
        ExerciseMap<CMapWordToOb, WORD, WORD, CObject*>(map, {{7, &a}, {8, &b}});
    }
    CMapStringToString strings;
    strings["key"] = "value";
    EXPECT_STREQ("value", strings["key"]);
    EXPECT_STREQ("", strings["other"]);
    EXPECT_EQ(2, strings.GetCount());
}

TEST(CollectionArchive, ValueCollectionsWriteTheDocumentedBytes)
{
    struct Case
    {
        const char* what;
        Bytes golden;
        std::function<void(CArchive&)> store;
        // Loads the bytes into a new collection and checks it.
        std::function<void(CArchive&)> load;
    };
    const Case cases[] = {
        {"CStringArray", Cat({{0x02, 0x00}, Str("ab"), Str("")}),
         [](CArchive& ar) {
             CStringArray arr;
             arr.Add("ab");
             arr.Add("");
             arr.Serialize(ar);
         },
         [](CArchive& ar) {
             CStringArray arr;
             arr.Add("old");
             arr.Add("old");
             arr.Add("old");
             arr.Serialize(ar);
             ASSERT_EQ(2, arr.GetSize());
             EXPECT_STREQ("ab", arr[0]);
             EXPECT_STREQ("", arr[1]);
         }},
        {"CDWordArray",
         {0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0xD0, 0xC0, 0xB0, 0xA0},
         [](CArchive& ar) {
             CDWordArray arr;
             arr.Add(1);
             arr.Add(0xA0B0C0D0);
             arr.Serialize(ar);
         },
         [](CArchive& ar) {
             CDWordArray arr;
             arr.Serialize(ar);
             ASSERT_EQ(2, arr.GetSize());
             EXPECT_EQ(1u, arr[0]);
             EXPECT_EQ(0xA0B0C0D0u, arr[1]);
         }},
        {"CMapStringToString", Cat({{0x01, 0x00}, Str("key"), Str("value")}),
         [](CArchive& ar) {
             CMapStringToString map;
             map.SetAt("key", "value");
             map.Serialize(ar);
         },
         [](CArchive& ar) {
             CMapStringToString map;
             map.Serialize(ar);
             CString value;
             ASSERT_EQ(1, map.GetCount());
             EXPECT_TRUE(map.Lookup("key", value));
             EXPECT_STREQ("value", value);
         }},
        {"CWordArray",
         {0x02, 0x00, 0x34, 0x12, 0xFF, 0xFF},
         [](CArchive& ar) {
             CWordArray arr;
             arr.Add(0x1234);
             arr.Add(0xFFFF);
             arr.Serialize(ar);
         },
         [](CArchive& ar) {
             CWordArray arr;
             arr.Serialize(ar);
             ASSERT_EQ(2, arr.GetSize());
             EXPECT_EQ(0x1234, arr[0]);
             EXPECT_EQ(0xFFFF, arr[1]);
         }},
        {"CByteArray",
         {0x03, 0x00, 0x01, 0x00, 0xFF},
         [](CArchive& ar) {
             CByteArray arr;
             arr.SetSize(3);
             arr[0] = 1;
             arr[2] = 0xFF;
             arr.Serialize(ar);
         },
         [](CArchive& ar) {
             CByteArray arr;
             arr.Serialize(ar);
             ASSERT_EQ(3, arr.GetSize());
             EXPECT_EQ(0xFF, arr[2]);
         }},
        {"CStringList", Cat({{0x02, 0x00}, Str("x"), Str("yz")}),
         [](CArchive& ar) {
             CStringList list;
             list.AddTail("x");
             list.AddTail("yz");
             list.Serialize(ar);
         },
         [](CArchive& ar) {
             CStringList list;
             list.Serialize(ar);
             ASSERT_EQ(2, list.GetCount());
             EXPECT_STREQ("x", list.GetHead());
             EXPECT_STREQ("yz", list.GetTail());
         }},
        {"empty CStringArray",
         {0x00, 0x00},
         [](CArchive& ar) {
             CStringArray arr;
             arr.Serialize(ar);
         },
         [](CArchive& ar) {
             CStringArray arr;
             arr.Add("gone");
             arr.Serialize(ar);
             EXPECT_EQ(0, arr.GetSize());
         }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.golden, Store(c.store));
        EXPECT_EQ(kNoError, LoadCause(c.golden, c.load));
        Bytes truncated(c.golden.begin(), c.golden.end() - 1);
        EXPECT_EQ(CArchiveException::endOfFile, LoadCause(truncated, c.load));
    }
}

TEST(CollectionArchive, ObjectArraysWriteEachPointerAsAnObject)
{
    CCollItem a(0x2A), b(7);
    CObArray arr;
    arr.Add(&a);
    arr.Add(&a);
    arr.Add(nullptr);
    arr.Add(&b);
    // Objects are numbered after their class: the class of a is 1, a is 2, b is 3.
    const Bytes golden =
        Cat({{0x04, 0x00}, NewItem(0x2A), {0x02, 0x00}, {0x00, 0x00}, {0x01, 0x80, 0x07, 0x00, 0x00, 0x00}});
    EXPECT_EQ(golden, Store([&](CArchive& ar) { arr.Serialize(ar); }));

    LoadedObjects owned;
    CObArray loaded;
    EXPECT_EQ(kNoError, LoadCause(golden, [&](CArchive& ar) { loaded.Serialize(ar); }));
    for (int i = 0; i < loaded.GetSize(); i++)
        owned.Add(loaded[i]);
    ASSERT_EQ(4, loaded.GetSize());
    EXPECT_EQ(loaded[0], loaded[1]);
    EXPECT_EQ(nullptr, loaded[2]);
    EXPECT_EQ(0x2Au, ItemValue(loaded[0]));
    EXPECT_EQ(7u, ItemValue(loaded[3]));
}

TEST(CollectionArchive, ObjectListsAndMapsRoundTripTheirObjects)
{
    CCollItem a(1), b(2);
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&a);
    CMapStringToOb byName;
    byName.SetAt("a", &a);
    byName.SetAt("b", &b);
    CMapWordToOb byNumber;
    byNumber.SetAt(10, &b);
    Bytes bytes = Store([&](CArchive& ar) {
        list.Serialize(ar);
        byName.Serialize(ar);
        byNumber.Serialize(ar);
    });
    // The map with one entry: count, WORD key, then b, which the archive already knows (index 3).
    EXPECT_EQ((Bytes{0x01, 0x00, 0x0A, 0x00, 0x03, 0x00}), Bytes(bytes.end() - 6, bytes.end()));

    LoadedObjects owned;
    CObList loadedList;
    CMapStringToOb loadedByName;
    CMapWordToOb loadedByNumber;
    EXPECT_EQ(kNoError, LoadCause(bytes, [&](CArchive& ar) {
                  loadedList.Serialize(ar);
                  loadedByName.Serialize(ar);
                  loadedByNumber.Serialize(ar);
              }));
    ASSERT_EQ(3, loadedList.GetCount());
    POSITION pos = loadedList.GetHeadPosition();
    CObject* pA = loadedList.GetNext(pos);
    CObject* pB = loadedList.GetNext(pos);
    owned.Add(pA);
    owned.Add(pB);
    EXPECT_EQ(pA, loadedList.GetNext(pos));
    EXPECT_EQ(1u, ItemValue(pA));
    EXPECT_EQ(2u, ItemValue(pB));
    CObject* pFound = nullptr;
    EXPECT_TRUE(loadedByName.Lookup("a", pFound));
    EXPECT_EQ(pA, pFound);
    EXPECT_TRUE(loadedByName.Lookup("b", pFound));
    EXPECT_EQ(pB, pFound);
    EXPECT_TRUE(loadedByNumber.Lookup(10, pFound));
    EXPECT_EQ(pB, pFound);
}

TEST(CollectionArchive, ACollectionIsStoredAndCreatedAgainAsAnObject)
{
    CStringArray arr;
    arr.Add("first");
    arr.Add("second");
    Bytes bytes = Store([&](CArchive& ar) { ar << &arr; });
    CObject* pLoaded = nullptr;
    EXPECT_EQ(kNoError, LoadCause(bytes, [&](CArchive& ar) { ar >> pLoaded; }));
    ASSERT_NE(nullptr, pLoaded);
    ASSERT_TRUE(pLoaded->IsKindOf(RUNTIME_CLASS(CStringArray)));
    CStringArray* pArray = static_cast<CStringArray*>(pLoaded);
    ASSERT_EQ(2, pArray->GetSize());
    EXPECT_STREQ("second", pArray->GetAt(1));
    delete pLoaded;
}

TEST(CollectionArchive, PointerAndUintCollectionsAreNotSerialisable)
{
    int x = 0;
    CPtrArray ptrs;
    ptrs.Add(&x);
    CUIntArray uints;
    uints.Add(5);
    CPtrList ptrList;
    ptrList.AddTail(&x);
    CMapPtrToPtr ptrMap;
    ptrMap.SetAt(&x, &x);
    CMapStringToPtr namedPtrs;
    namedPtrs.SetAt("x", &x);
    EXPECT_TRUE(Store([&](CArchive& ar) {
                    ptrs.Serialize(ar);
                    uints.Serialize(ar);
                    ptrList.Serialize(ar);
                    ptrMap.Serialize(ar);
                    namedPtrs.Serialize(ar);
                }).empty());
    EXPECT_FALSE(ptrs.IsSerializable());
    EXPECT_FALSE(uints.IsSerializable());
}
