// The collection templates: growth rules of CArray, inserting and removing, element helpers
// called for exactly the elements made and destroyed, list positions and searching, map
// hashing, iteration and removal, typed pointer wrappers, and archives against bytes written
// out by hand.
#include "afxtempl.h"
#include "ArchiveBytes.h"
#include "TestSupport.h"
#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace testing_support;

// Every member of the templates compiles for the usual element kinds.
template class CArray<int, int>;
template class CArray<CString, const CString&>;
template class CArray<CString, LPCTSTR>;
template class CList<CString, LPCTSTR>;
template class CList<CString, const CString&>;
template class CList<double, double>;
template class CMap<CString, LPCTSTR, int, int>;
template class CMap<CString, const CString&, CString, const CString&>;
template class CMap<int, int, CString, const CString&>;

// Element kinds whose helpers are specialised, as programs do for owned pointers or for
// elements that start with a value of their own.
struct COwned
{
    int id;
    static std::vector<int> s_deleted;
};
std::vector<int> COwned::s_deleted;

template <> void AFXAPI DestructElements<COwned*>(COwned** pElements, int nCount)
{
    for (; nCount > 0; nCount--, pElements++)
    {
        if (*pElements != nullptr)
        {
            COwned::s_deleted.push_back((*pElements)->id);
            delete *pElements;
        }
    }
}

struct CSeeded
{
    int value;
};

template <> void AFXAPI ConstructElements<CSeeded>(CSeeded* pElements, int nCount)
{
    for (; nCount > 0; nCount--, pElements++)
        pElements->value = 7;
}

// Counts its living instances: every element made must be destroyed exactly once.
struct CCounted
{
    static int s_live;
    int value = 0;
    CCounted()
    {
        ++s_live;
    }
    CCounted(int v) : value(v)
    {
        ++s_live;
    }
    CCounted(const CCounted& other) : value(other.value)
    {
        ++s_live;
    }
    CCounted& operator=(const CCounted& other) = default;
    ~CCounted()
    {
        --s_live;
    }
    bool operator==(const CCounted& other) const
    {
        return value == other.value;
    }
};
int CCounted::s_live = 0;

// A key type of its own, hashed by a specialisation.
struct CCell
{
    int row;
    int col;
    bool operator==(const CCell& other) const
    {
        return row == other.row && col == other.col;
    }
};
template <> UINT AFXAPI HashKey<CCell>(CCell key)
{
    return (UINT)(key.row * 31 + key.col);
}

namespace
{

// Shows the slots reserved, which the growth rules decide.
template <class TYPE, class ARG_TYPE> class CProbeArray : public CArray<TYPE, ARG_TYPE>
{
  public:
    int MaxSize() const
    {
        return this->m_nMaxSize;
    }
};

std::vector<int> Items(const CArray<int, int>& arr)
{
    return std::vector<int>(arr.GetData(), arr.GetData() + arr.GetSize());
}

void Fill(CArray<int, int>& arr, std::initializer_list<int> values)
{
    arr.RemoveAll();
    for (int v : values)
        arr.Add(v);
}

template <class LIST> std::vector<std::string> Items(const LIST& list)
{
    std::vector<std::string> items;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        items.push_back((LPCTSTR)list.GetNext(pos));
    return items;
}

// The index of a list position, -1 for NULL.
template <class LIST> int IndexOf(const LIST& list, POSITION target)
{
    if (target == nullptr)
        return -1;
    int index = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr; list.GetNext(pos), index++)
        if (pos == target)
            return index;
    return -2;
}

} // namespace

TEST(CArrayGrowth, SetSizeReservesByTheGrowByRule)
{
    struct Case
    {
        int growBy;
        int first, maxAfterFirst;
        int second, maxAfterSecond;
    };
    const Case cases[] = {
        {0, 1, 1, 2, 5},                 // chosen growth: at least 4
        {0, 100, 100, 101, 112},         // an eighth of the size
        {0, 10000, 10000, 10001, 11024}, // at most 1024
        {10, 1, 10, 11, 20},             // the first allocation takes the grow-by count too
        {3, 5, 5, 6, 8},
        {3, 5, 5, 20, 20}, // a bigger request wins over the grow-by count
        {0, 8, 8, 2, 8},   // shrinking keeps the memory
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message()
                     << "growBy " << c.growBy << ", sizes " << c.first << ", " << c.second);
        CProbeArray<int, int> arr;
        arr.SetSize(c.first, c.growBy);
        EXPECT_EQ(c.first, arr.GetSize());
        EXPECT_EQ(c.maxAfterFirst, arr.MaxSize());
        arr.SetSize(c.second);
        EXPECT_EQ(c.second, arr.GetSize());
        EXPECT_EQ(c.second - 1, arr.GetUpperBound());
        EXPECT_EQ(c.maxAfterSecond, arr.MaxSize());
        arr.FreeExtra();
        EXPECT_EQ(c.second, arr.MaxSize());
    }
}

TEST(CArrayGrowth, NewElementsStartAtZeroAndSetAtGrowFillsTheGap)
{
    CArray<int, int> arr;
    arr.SetSize(3);
    arr[0] = 5;
    arr[2] = 6;
    arr.SetSize(1);
    arr.SetSize(4);
    EXPECT_EQ((std::vector<int>{5, 0, 0, 0}), Items(arr));
    arr.SetAtGrow(6, 9);
    EXPECT_EQ((std::vector<int>{5, 0, 0, 0, 0, 0, 9}), Items(arr));
    EXPECT_EQ(7, arr.Add(1));
    EXPECT_EQ(8, arr.GetCount());
    arr.RemoveAll();
    EXPECT_EQ(0, arr.GetSize());
    EXPECT_EQ(nullptr, arr.GetData());
}

TEST(CArrayEdit, InsertAtAndRemoveAtFollowTheDocumentedRules)
{
    struct Case
    {
        const char* what;
        char op; // 'i' InsertAt(index, value, count), 'r' RemoveAt(index, count)
        int index, value, count;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"insert two in the middle", 'i', 2, 9, 2, {0, 1, 9, 9, 2, 3, 4}},
        {"insert at the front", 'i', 0, 9, 1, {9, 0, 1, 2, 3, 4}},
        {"insert at the end", 'i', 5, 9, 1, {0, 1, 2, 3, 4, 9}},
        {"insert past the end grows", 'i', 7, 9, 1, {0, 1, 2, 3, 4, 0, 0, 9}},
        {"insert no element", 'i', 1, 9, 0, {0, 1, 2, 3, 4}},
        {"insert at a negative index", 'i', -1, 9, 1, {0, 1, 2, 3, 4}},
        {"remove two in the middle", 'r', 1, 0, 2, {0, 3, 4}},
        {"remove the last", 'r', 4, 0, 1, {0, 1, 2, 3}},
        {"remove all", 'r', 0, 0, 5, {}},
        {"remove past the end", 'r', 3, 0, 5, {0, 1, 2, 3, 4}},
        {"remove at a negative index", 'r', -1, 0, 1, {0, 1, 2, 3, 4}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        CArray<int, int> arr;
        Fill(arr, {0, 1, 2, 3, 4});
        if (c.op == 'i')
            arr.InsertAt(c.index, c.value, c.count);
        else
            arr.RemoveAt(c.index, c.count);
        EXPECT_EQ(c.expected, Items(arr));
    }
}

TEST(CArrayEdit, ArraysAreInsertedAppendedAndCopiedIncludingThemselves)
{
    CArray<int, int> arr, other;
    Fill(arr, {1, 2, 3});
    Fill(other, {7, 8});
    arr.InsertAt(1, &other);
    EXPECT_EQ((std::vector<int>{1, 7, 8, 2, 3}), Items(arr));
    EXPECT_EQ(5, arr.Append(other));
    EXPECT_EQ((std::vector<int>{1, 7, 8, 2, 3, 7, 8}), Items(arr));

    Fill(arr, {1, 2});
    arr.Append(arr);
    EXPECT_EQ((std::vector<int>{1, 2, 1, 2}), Items(arr));
    Fill(arr, {1, 2});
    arr.InsertAt(1, &arr);
    EXPECT_EQ((std::vector<int>{1, 1, 2, 2}), Items(arr));

    other.Copy(arr);
    EXPECT_EQ(Items(arr), Items(other));
    other.Copy(other);
    EXPECT_EQ(Items(arr), Items(other));
}

TEST(CArrayEdit, AddingAnOwnElementSurvivesTheArrayMoving)
{
    CArray<CString, const CString&> arr;
    arr.Add(CString("first"));
    for (int i = 0; i < 200; i++)
        arr.Add(arr[arr.GetUpperBound()]);
    arr.InsertAt(0, arr[100], 50);
    ASSERT_EQ(251, arr.GetSize());
    for (int i = 0; i < arr.GetSize(); i++)
        ASSERT_STREQ("first", arr[i]) << i;
}

TEST(CArrayElements, EveryElementMadeIsDestroyedOnceAndKeepsItsValue)
{
    {
        CArray<CCounted, const CCounted&> arr;
        for (int i = 0; i < 20; i++)
            arr.Add(CCounted(i));
        arr.InsertAt(3, CCounted(100), 4);
        arr.RemoveAt(10, 5);
        arr.SetSize(30);
        arr.SetSize(12);
        arr.FreeExtra();
        EXPECT_EQ(12, CCounted::s_live);
        std::vector<int> values;
        for (int i = 0; i < arr.GetSize(); i++)
            values.push_back(arr[i].value);
        EXPECT_EQ((std::vector<int>{0, 1, 2, 100, 100, 100, 100, 3, 4, 5, 11, 12}), values);
    }
    EXPECT_EQ(0, CCounted::s_live);
}

TEST(CArrayElements, SpecialisedHelpersSeeExactlyTheElementsMadeAndRemoved)
{
    COwned::s_deleted.clear();
    {
        CArray<COwned*, COwned*> arr;
        for (int i = 0; i < 4; i++)
            arr.Add(new COwned{i});
        arr.InsertAt(1, new COwned{10});
        EXPECT_TRUE(COwned::s_deleted.empty());
        arr.RemoveAt(2); // the element with id 1
        EXPECT_EQ((std::vector<int>{1}), COwned::s_deleted);
        arr.SetSize(2);
        EXPECT_EQ((std::vector<int>{1, 2, 3}), COwned::s_deleted);
    }
    EXPECT_EQ((std::vector<int>{1, 2, 3, 0, 10}), COwned::s_deleted);

    CArray<CSeeded, const CSeeded&> seeded;
    seeded.SetSize(3);
    seeded.InsertAt(1, CSeeded{1}, 2);
    std::vector<int> values;
    for (int i = 0; i < seeded.GetSize(); i++)
        values.push_back(seeded[i].value);
    EXPECT_EQ((std::vector<int>{7, 1, 1, 7, 7}), values);
}

TEST(CListPositions, HeadTailInsertAndRemoveKeepTheLinks)
{
    CList<CString, LPCTSTR> list(2); // small blocks: nodes come from several of them
    EXPECT_TRUE(list.IsEmpty());
    list.AddTail("b");
    list.AddHead("a");
    POSITION posC = list.AddTail("c");
    list.InsertBefore(posC, "b2");
    list.InsertAfter(posC, "d");
    list.InsertBefore(nullptr, "0");
    list.InsertAfter(nullptr, "e");
    EXPECT_EQ((std::vector<std::string>{"0", "a", "b", "b2", "c", "d", "e"}), Items(list));
    EXPECT_STREQ("0", list.GetHead());
    EXPECT_STREQ("e", list.GetTail());

    list.RemoveAt(posC);
    EXPECT_STREQ("0", list.RemoveHead());
    EXPECT_STREQ("e", list.RemoveTail());
    list.SetAt(list.GetHeadPosition(), "A");
    EXPECT_EQ((std::vector<std::string>{"A", "b", "b2", "d"}), Items(list));

    std::vector<std::string> backwards;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        backwards.push_back((LPCTSTR)list.GetPrev(pos));
    EXPECT_EQ((std::vector<std::string>{"d", "b2", "b", "A"}), backwards);

    while (!list.IsEmpty())
        list.RemoveHead();
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    EXPECT_EQ(nullptr, list.GetTailPosition());
    list.AddTail("again");
    EXPECT_EQ(1, list.GetCount());
}

TEST(CListPositions, ListsAreAddedInOrderAtHeadAndTailIncludingThemselves)
{
    CList<CString, LPCTSTR> list, other;
    list.AddTail("m");
    other.AddTail("x");
    other.AddTail("y");
    list.AddHead(&other);
    list.AddTail(&other);
    EXPECT_EQ((std::vector<std::string>{"x", "y", "m", "x", "y"}), Items(list));
    other.AddTail(&other);
    EXPECT_EQ((std::vector<std::string>{"x", "y", "x", "y"}), Items(other));
    other.AddHead(&other);
    EXPECT_EQ(8, other.GetCount());
}

TEST(CListSearch, FindStartsAfterTheGivenPositionAndFindIndexCountsFromTheHead)
{
    CList<CString, LPCTSTR> list;
    for (const char* s : {"a", "b", "a", "c"})
        list.AddTail(s);

    struct FindCase
    {
        const char* value;
        int startAfter; // index, -1 for NULL
        int expected;   // index, -1 for not found
    };
    const FindCase finds[] = {
        {"a", -1, 0}, {"a", 0, 2}, {"a", 2, -1}, {"c", -1, 3}, {"c", 3, -1}, {"b", 1, -1}, {"x", -1, -1},
    };
    for (const FindCase& c : finds)
    {
        SCOPED_TRACE(testing::Message() << c.value << " after " << c.startAfter);
        POSITION start = c.startAfter < 0 ? nullptr : list.FindIndex(c.startAfter);
        EXPECT_EQ(c.expected, IndexOf(list, list.Find(c.value, start)));
    }

    const struct
    {
        int index;
        int expected;
    } indexes[] = {{-1, -1}, {0, 0}, {3, 3}, {4, -1}, {100, -1}};
    for (const auto& c : indexes)
        EXPECT_EQ(c.expected, IndexOf(list, list.FindIndex(c.index))) << c.index;
}

TEST(CListElements, EveryNodeValueIsDestroyedOnce)
{
    {
        CList<CCounted, const CCounted&> list(3);
        for (int i = 0; i < 10; i++)
            list.AddTail(CCounted(i));
        list.RemoveAt(list.FindIndex(4));
        list.RemoveHead();
        EXPECT_EQ(8, CCounted::s_live);
        EXPECT_EQ(2, IndexOf(list, list.Find(CCounted(3))));
    }
    EXPECT_EQ(0, CCounted::s_live);
}

TEST(CMapHashing, TableSizeDefaultsTo17AndCanBeChosen)
{
    CMap<int, int, int, int> map;
    EXPECT_EQ(17u, map.GetHashTableSize());
    map.InitHashTable(101, FALSE);
    EXPECT_EQ(101u, map.GetHashTableSize());
    map[5] = 50;
    EXPECT_EQ(101u, map.GetHashTableSize());
    map.RemoveAll();
    EXPECT_EQ(101u, map.GetHashTableSize());
    EXPECT_EQ(nullptr, map.GetStartPosition());
}

TEST(CMapHashing, IterationRunsBucketByBucketNewestFirstInABucket)
{
    // Integers hash to key >> 4: 1, 2 and 3 share bucket 0; 16 is in bucket 1, 32 in bucket 2.
    struct Case
    {
        std::vector<int> inserted;
        std::vector<int> iterated;
    };
    const Case cases[] = {
        {{1, 2, 3}, {3, 2, 1}},
        {{32, 16, 1}, {1, 16, 32}},
        {{16, 1, 2, 32}, {2, 1, 16, 32}},
        {{16 * 17, 1}, {1, 16 * 17}}, // bucket 17 % 17 = 0, added first
    };
    for (const Case& c : cases)
    {
        CMap<int, int, int, int> map;
        for (int key : c.inserted)
            map.SetAt(key, key * 10);
        std::vector<int> keys;
        for (POSITION pos = map.GetStartPosition(); pos != nullptr;)
        {
            int key, value;
            map.GetNextAssoc(pos, key, value);
            EXPECT_EQ(key * 10, value);
            keys.push_back(key);
        }
        EXPECT_EQ(c.iterated, keys);
    }
}

TEST(CMapHashing, IterationReturnsEveryEntryOnceAlsoAfterRehashing)
{
    CMap<CString, LPCTSTR, int, int> map(4);
    std::set<std::string> expected;
    for (int i = 0; i < 500; i++)
    {
        CString key;
        key.Format("key%d", i);
        map[key] = i;
        expected.insert((LPCTSTR)key);
    }
    for (UINT size : {17u, 1u, 997u})
    {
        map.InitHashTable(size);
        EXPECT_EQ(size, map.GetHashTableSize());
        std::set<std::string> seen;
        for (POSITION pos = map.GetStartPosition(); pos != nullptr;)
        {
            CString key;
            int value;
            map.GetNextAssoc(pos, key, value);
            EXPECT_TRUE(seen.insert((LPCTSTR)key).second);
        }
        EXPECT_EQ(expected, seen);
        int value = -1;
        EXPECT_TRUE(map.Lookup("key321", value));
        EXPECT_EQ(321, value);
    }
}

TEST(CMapEdit, LookupSetAtIndexAndRemoveKey)
{
    CMap<CString, const CString&, CString, const CString&> map;
    CString value("unchanged");
    EXPECT_FALSE(map.Lookup(CString("a"), value));
    EXPECT_STREQ("unchanged", value);
    EXPECT_FALSE(map.RemoveKey(CString("a")));

    map.SetAt(CString("a"), CString("1"));
    map[CString("b")] = CString("2");
    map.SetAt(CString("a"), CString("3"));
    EXPECT_EQ(2, map.GetCount());
    EXPECT_TRUE(map.Lookup(CString("a"), value));
    EXPECT_STREQ("3", value);
    EXPECT_STREQ("", map[CString("new")]);
    EXPECT_EQ(3, map.GetCount());

    EXPECT_TRUE(map.RemoveKey(CString("a")));
    EXPECT_FALSE(map.RemoveKey(CString("a")));
    EXPECT_FALSE(map.Lookup(CString("a"), value));
    EXPECT_TRUE(map.RemoveKey(CString("b")));
    EXPECT_TRUE(map.RemoveKey(CString("new")));
    EXPECT_TRUE(map.IsEmpty());
    map[CString("after")] = CString("x");
    EXPECT_EQ(1, map.GetCount());
}

TEST(CMapEdit, KeysOfTheirOwnUseTheirHashKeySpecialisation)
{
    {
        CMap<CCell, CCell, CCounted, const CCounted&> map;
        for (int r = 0; r < 10; r++)
            for (int c = 0; c < 10; c++)
                map.SetAt(CCell{r, c}, CCounted(r * 100 + c));
        CCounted value;
        EXPECT_TRUE(map.Lookup(CCell{4, 7}, value));
        EXPECT_EQ(407, value.value);
        EXPECT_TRUE(map.RemoveKey(CCell{4, 7}));
        EXPECT_FALSE(map.Lookup(CCell{4, 7}, value));
        EXPECT_EQ(99, map.GetCount());
    }
    EXPECT_EQ(0, CCounted::s_live);
}

TEST(StringHash, IsHashTimes33PlusCharacterForEveryStringForm)
{
    const char* text = "ab\xE4";
    UINT expected = 0;
    for (const char* p = text; *p; p++)
        expected = expected * 33 + (UINT)*p;
    EXPECT_EQ(expected, HashKey<LPCSTR>(text));
    EXPECT_EQ(expected, HashKey<CString>(CString(text)));
    EXPECT_EQ((UINT)(('a' * 33) + 'b'), HashKey<LPCWSTR>(L"ab"));
    EXPECT_EQ(0x1234u >> 4, HashKey<WORD>(0x1234));
}

class CTyItem : public CObject
{
  public:
    explicit CTyItem(int n) : m_n(n)
    {
    }
    int m_n;
};

TEST(TypedPointers, WrappersHandOutTheirOwnPointerType)
{
    CTyItem one(1), two(2), three(3);

    CTypedPtrArray<CObArray, CTyItem*> arr;
    arr.Add(&one);
    arr.InsertAt(0, &two);
    arr.SetAtGrow(2, &three);
    CTyItem*& slot = arr.ElementAt(1);
    slot = &three;
    EXPECT_EQ(2, arr[0]->m_n);
    EXPECT_EQ(3, arr.GetAt(1)->m_n);
    CTypedPtrArray<CObArray, CTyItem*> copy;
    copy.Copy(arr);
    copy.Append(arr);
    EXPECT_EQ(6, copy.GetSize());

    CTypedPtrList<CPtrList, CTyItem*> list;
    list.AddTail(&one);
    list.AddHead(&two);
    POSITION pos = list.GetHeadPosition();
    EXPECT_EQ(2, list.GetNext(pos)->m_n);
    EXPECT_EQ(1, list.GetNext(pos)->m_n);
    EXPECT_EQ(1, IndexOf(list, list.Find(&one)));
    EXPECT_EQ(2, list.RemoveHead()->m_n);

    CTypedPtrMap<CMapStringToOb, CString, CTyItem*> map;
    map.SetAt("one", &one);
    map["two"] = &two;
    CTyItem* found = nullptr;
    EXPECT_TRUE(map.Lookup("two", found));
    EXPECT_EQ(&two, found);
    pos = map.GetStartPosition();
    int seen = 0;
    while (pos != nullptr)
    {
        CString key;
        CTyItem* item = nullptr;
        map.GetNextAssoc(pos, key, item);
        EXPECT_EQ(key == "one" ? 1 : 2, item->m_n);
        seen++;
    }
    EXPECT_EQ(2, seen);
    EXPECT_TRUE(map.RemoveKey("one"));

    CTypedPtrMap<CMapPtrToPtr, CTyItem*, CTyItem*> links;
    links[&one] = &two;
    EXPECT_TRUE(links.Lookup(&one, found));
    EXPECT_EQ(&two, found);
}

TEST(TemplateArchive, CArrayOfIntIsTheCountThenTheRawElements)
{
    const Bytes golden = {0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01};
    CArray<int, int> arr;
    Fill(arr, {1, -2, 0x01020304});
    EXPECT_EQ(golden, Store([&](CArchive& ar) { arr.Serialize(ar); }));

    CArray<int, int> loaded;
    Fill(loaded, {9, 9, 9, 9, 9});
    EXPECT_EQ(kNoError, LoadCause(golden, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_EQ(Items(arr), Items(loaded));

    Bytes truncated(golden.begin(), golden.end() - 1);
    EXPECT_EQ(CArchiveException::endOfFile,
              LoadCause(truncated, [&](CArchive& ar) { loaded.Serialize(ar); }));
}

TEST(TemplateArchive, LargeAndDamagedCountsOfArrays)
{
    CArray<DWORD, DWORD> big;
    big.SetSize(70000);
    for (int i = 0; i < big.GetSize(); i++)
        big[i] = (DWORD)i * 3;
    Bytes bytes = Store([&](CArchive& ar) { big.Serialize(ar); });
    ASSERT_EQ(6u + 70000u * 4u, bytes.size());
    EXPECT_EQ((Bytes{0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}), Bytes(bytes.begin(), bytes.begin() + 6));
    CArray<DWORD, DWORD> loaded;
    EXPECT_EQ(kNoError, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar); }));
    ASSERT_EQ(70000, loaded.GetSize());
    EXPECT_EQ(0, memcmp(big.GetData(), loaded.GetData(), 70000 * sizeof(DWORD)));

    // A count far beyond the data ends at the end of the archive, not in an allocation.
    const Bytes damaged = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x01, 0x00, 0x00, 0x00};
    EXPECT_EQ(CArchiveException::endOfFile, LoadCause(damaged, [&](CArchive& ar) { loaded.Serialize(ar); }));
    const Bytes tooMany = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00};
    EXPECT_EQ(CArchiveException::generic, LoadCause(tooMany, [&](CArchive& ar) { loaded.Serialize(ar); }));
}

TEST(TemplateArchive, ListsAndMapsRoundTripThroughTheirElementHelpers)
{
    CList<CString, LPCTSTR> list;
    list.AddTail("one");
    list.AddTail("two");
    const Bytes listBytes = Cat({{0x02, 0x00}, Str("one"), Str("two")});
    EXPECT_EQ(listBytes, Store([&](CArchive& ar) { list.Serialize(ar); }));
    CList<CString, LPCTSTR> loadedList;
    loadedList.AddTail("kept");
    EXPECT_EQ(kNoError, LoadCause(listBytes, [&](CArchive& ar) { loadedList.Serialize(ar); }));
    EXPECT_EQ((std::vector<std::string>{"kept", "one", "two"}), Items(loadedList));

    CMap<WORD, WORD, CString, LPCTSTR> map;
    map.SetAt(0x10, "x"); // bucket 1
    map.SetAt(0x01, "y"); // bucket 0
    const Bytes mapBytes = Cat({{0x02, 0x00, 0x01, 0x00}, Str("y"), {0x10, 0x00}, Str("x")});
    EXPECT_EQ(mapBytes, Store([&](CArchive& ar) { map.Serialize(ar); }));
    CMap<WORD, WORD, CString, LPCTSTR> loadedMap;
    EXPECT_EQ(kNoError, LoadCause(mapBytes, [&](CArchive& ar) { loadedMap.Serialize(ar); }));
    CString value;
    EXPECT_TRUE(loadedMap.Lookup(0x10, value));
    EXPECT_STREQ("x", value);
    EXPECT_EQ(2, loadedMap.GetCount());

    Bytes truncated(mapBytes.begin(), mapBytes.end() - 1);
    EXPECT_EQ(CArchiveException::endOfFile,
              LoadCause(truncated, [&](CArchive& ar) { loadedMap.Serialize(ar); }));
}
