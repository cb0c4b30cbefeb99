// CArchive against byte sequences written out by hand from the persistent object format:
// values, counts, strings, an object graph with shared and null pointers, big tags, and broken
// streams (wrong schema, truncation, unknown class, bad index).
#include "afx.h"
#include "TestSupport.h"
#include <memory>
#include <string>
#include <vector>

#include "ArchiveBytes.h"

using namespace testing_support;

// Two serialisable classes of the object graph. A node owns nothing: the tests free the graph.
class CArLeaf : public CObject
{
    DECLARE_SERIAL(CArLeaf)
  public:
    DWORD m_dwValue = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_dwValue;
        else
            ar >> m_dwValue;
    }
};
IMPLEMENT_SERIAL(CArLeaf, CObject, 2)

class CArNode : public CObject
{
    DECLARE_SERIAL(CArNode)
  public:
    WORD m_wValue = 0;
    CArLeaf* m_pLeaf = nullptr;
    CArNode* m_pNext = nullptr;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_wValue << m_pLeaf << m_pNext;
        else
            ar >> m_wValue >> m_pLeaf >> m_pNext;
    }
};
IMPLEMENT_SERIAL(CArNode, CObject, 1)

// Schema 2 that still reads schema 1 (which lacks the second value).
class CArVers : public CObject
{
    DECLARE_SERIAL(CArVers)
  public:
    UINT m_nLoadedSchema = 0;
    WORD m_wFirst = 0;
    WORD m_wSecond = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
        {
            ar << m_wFirst << m_wSecond;
            return;
        }
        m_nLoadedSchema = ar.GetObjectSchema();
        ar >> m_wFirst;
        if (m_nLoadedSchema >= 2)
            ar >> m_wSecond;
    }
};
IMPLEMENT_SERIAL(CArVers, CObject, VERSIONABLE_SCHEMA | 2)

// Not serialisable: writing it must be refused.
class CArPlain : public CObject
{
    DECLARE_DYNCREATE(CArPlain)
};
IMPLEMENT_DYNCREATE(CArPlain, CObject)

namespace
{

std::string Pattern(size_t n)
{
    std::string s(n, ' ');
    for (size_t i = 0; i < n; ++i)
        s[i] = (char)('a' + i % 26);
    return s;
}

} // namespace

TEST(Archive, ValuesAreStoredLittleEndianWithTheirWidth)
{
    Bytes expected = {0x12,                                           // BYTE
                      0x56, 0x34,                                     // WORD
                      0xFE, 0xFF, 0xFF, 0xFF,                         // LONG -2
                      0xEF, 0xCD, 0xAB, 0x89,                         // DWORD
                      0x00, 0x00, 0xC0, 0x3F,                         // float 1.5
                      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40, // double 2.0
                      0xFF, 0xFF, 0xFF, 0xFF,                         // int -1
                      0x9C, 0xFF,                                     // short -100
                      0x41,                                           // char 'A'
                      0x07, 0x00, 0x00, 0x00};                        // unsigned 7
    Bytes actual = Store([](CArchive& ar) {
        ar << (BYTE)0x12 << (WORD)0x3456 << (LONG)-2 << (DWORD)0x89ABCDEF << 1.5f << 2.0 << -1 << (short)-100
           << 'A' << 7u;
    });
    EXPECT_EQ(expected, actual);

    CLoadFile file(expected);
    CArchive ar(&file, CArchive::load);
    BYTE by;
    WORD w;
    LONG l;
    DWORD dw;
    float f;
    double d;
    int i;
    short s;
    char ch;
    unsigned u;
    ar >> by >> w >> l >> dw >> f >> d >> i >> s >> ch >> u;
    EXPECT_EQ(0x12, by);
    EXPECT_EQ(0x3456, w);
    EXPECT_EQ(-2, l);
    EXPECT_EQ(0x89ABCDEFu, dw);
    EXPECT_EQ(1.5f, f);
    EXPECT_EQ(2.0, d);
    EXPECT_EQ(-1, i);
    EXPECT_EQ(-100, s);
    EXPECT_EQ('A', ch);
    EXPECT_EQ(7u, u);
    EXPECT_TRUE(ar.IsBufferEmpty());
}

TEST(Archive, CountsUseAWordBelow0xFFFFAndADwordFromThere)
{
    struct Case
    {
        DWORD count;
        Bytes bytes;
    };
    const Case cases[] = {
        {0, {0x00, 0x00}},
        {0xFFFE, {0xFE, 0xFF}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {0x12345, {0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(c.bytes, Store([&](CArchive& ar) { ar.WriteCount(c.count); }));
        CLoadFile file(c.bytes);
        CArchive ar(&file, CArchive::load);
        EXPECT_EQ(c.count, ar.ReadCount());
    }
}

TEST(Archive, StringsCarryAByteWordOrDwordLengthPrefix)
{
    struct Case
    {
        size_t length;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.length);
        std::string text = Pattern(c.length);
        Bytes expected = Cat({c.prefix, Text(text)});
        EXPECT_EQ(expected, Store([&](CArchive& ar) { ar << CString(text.c_str()); }));

        CLoadFile file(expected);
        CArchive ar(&file, CArchive::load);
        CString loaded("not empty");
        ar >> loaded;
        EXPECT_EQ((int)c.length, loaded.GetLength());
        EXPECT_STREQ(text.c_str(), loaded);
        EXPECT_TRUE(ar.IsBufferEmpty());
    }
}

TEST(Archive, WideStringsAreConvertedToTheAnsiCodePage)
{
    // Marker 0xFF 0xFFFE, then the length in characters, then UTF-16 characters.
    Bytes shortWide = {0xFF, 0xFE, 0xFF, 0x03, 'G', 0x00, 'r', 0x00, 0xFC, 0x00};
    Bytes longWide = {0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01};
    std::string longText = Pattern(300);
    for (char ch : longText)
    {
        longWide.push_back((BYTE)ch);
        longWide.push_back(0);
    }
    struct Case
    {
        Bytes bytes;
        std::string text;
    };
    const Case cases[] = {{shortWide, "Gr\xFC"}, {longWide, longText}};
    for (const Case& c : cases)
    {
        CLoadFile file(c.bytes);
        CArchive ar(&file, CArchive::load);
        CString loaded;
        ar >> loaded;
        EXPECT_STREQ(c.text.c_str(), loaded);
        EXPECT_TRUE(ar.IsBufferEmpty());
    }
}

// The graph: A -> leaf L, A -> next B, B -> the same leaf L, B -> next null; then L once more.
const Bytes& GraphBytes()
{
    static const Bytes bytes = Cat({
        {0xFF, 0xFF, 0x01, 0x00, 0x07, 0x00},
        Text("CArNode"), // new class CArNode, schema 1: index 1
        {0x02, 0x01},    // A (index 2): value 0x0102
        {0xFF, 0xFF, 0x02, 0x00, 0x07, 0x00},
        Text("CArLeaf"),          // new class CArLeaf, schema 2: index 3
        {0x0D, 0x0C, 0x0B, 0x0A}, // L (index 4): value 0x0A0B0C0D
        {0x01, 0x80},             // class index 1 (CArNode): B is index 5
        {0x04, 0x03},             // B: value 0x0304
        {0x04, 0x00},             // B's leaf: object 4 (L)
        {0x00, 0x00},             // B's next: null
        {0x04, 0x00},             // L written again at the top
    });
    return bytes;
}

TEST(Archive, ObjectGraphIsWrittenWithClassRecordsAndBackReferences)
{
    CArLeaf leaf;
    leaf.m_dwValue = 0x0A0B0C0D;
    CArNode b;
    b.m_wValue = 0x0304;
    b.m_pLeaf = &leaf;
    CArNode a;
    a.m_wValue = 0x0102;
    a.m_pLeaf = &leaf;
    a.m_pNext = &b;

    EXPECT_EQ(GraphBytes(), Store([&](CArchive& ar) { ar << &a << &leaf; }));
}

TEST(Archive, ObjectGraphReadsBackWithTheSharedObjectOnce)
{
    CLoadFile file(GraphBytes());
    CArchive ar(&file, CArchive::load);
    CArNode* pA = nullptr;
    CArLeaf* pLeaf = nullptr;
    ar >> pA >> pLeaf;
    ASSERT_NE(nullptr, pA);
    std::unique_ptr<CArNode> a(pA);
    std::unique_ptr<CArLeaf> leaf(pLeaf);
    std::unique_ptr<CArNode> b(pA->m_pNext);

    EXPECT_TRUE(ar.IsBufferEmpty());
    EXPECT_EQ(0x0102, a->m_wValue);
    ASSERT_NE(nullptr, b);
    EXPECT_EQ(0x0304, b->m_wValue);
    EXPECT_EQ(nullptr, b->m_pNext);
    ASSERT_NE(nullptr, leaf);
    EXPECT_EQ(0x0A0B0C0Du, leaf->m_dwValue);
    EXPECT_EQ(leaf.get(), a->m_pLeaf);
    EXPECT_EQ(leaf.get(), b->m_pLeaf);
    EXPECT_TRUE(a->IsKindOf(RUNTIME_CLASS(CArNode)));
    EXPECT_TRUE(leaf->IsKindOf(RUNTIME_CLASS(CArLeaf)));
}

TEST(Archive, ObjectsGoThroughARealFile)
{
    std::string path = testing_support::TempFolder() + "graph.arc";
    CArLeaf leaf;
    leaf.m_dwValue = 0x0A0B0C0D;
    CArNode b;
    b.m_wValue = 0x0304;
    b.m_pLeaf = &leaf;
    CArNode a;
    a.m_wValue = 0x0102;
    a.m_pLeaf = &leaf;
    a.m_pNext = &b;
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store, 16); // a small buffer: several flushes
        ar << &a << &leaf;
        ar.Close();
    }
    CFile file(path.c_str(), CFile::modeRead);
    Bytes written(file.GetLength());
    ASSERT_EQ(written.size(), file.Read(written.data(), (UINT)written.size()));
    EXPECT_EQ(GraphBytes(), written);

    file.SeekToBegin();
    CArchive ar(&file, CArchive::load, 16);
    EXPECT_STREQ(file.GetFilePath(), ar.m_strFileName);
    CObject* pA = nullptr;
    CObject* pLeaf = nullptr;
    ar >> pA >> pLeaf;
    std::unique_ptr<CArNode> loadedA(static_cast<CArNode*>(pA));
    std::unique_ptr<CArNode> loadedB(loadedA->m_pNext);
    std::unique_ptr<CObject> loadedLeaf(pLeaf);
    EXPECT_EQ(pLeaf, loadedA->m_pLeaf);
    ar.Close();
    EXPECT_EQ(written.size(), file.GetPosition());
}

TEST(Archive, ReadingStopsWhereTheArchiveConsumedTheFile)
{
    // Close gives back what was read ahead, so the file goes on right after the archive's data.
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << (DWORD)1 << (DWORD)2;
    }
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        DWORD dw;
        ar >> dw;
        ar.Close();
    }
    EXPECT_EQ(4u, file.GetPosition());
}

TEST(Archive, BigTagsFollowOnceIndexesReach0x7FFF)
{
    // 0x7FFD mapped objects take indexes 1..0x7FFD. Then: CArLeaf's class is 0x7FFE, leaf 1 is
    // 0x7FFF, leaf 2 is 0x8000, CArNode's class 0x8001 and the node 0x8002.
    std::vector<CArPlain> mapped(0x7FFD);
    CArLeaf leaf1;
    leaf1.m_dwValue = 1;
    CArLeaf leaf2;
    leaf2.m_dwValue = 2;
    CArNode node1;
    node1.m_wValue = 0x11;
    CArNode node2;
    node2.m_wValue = 0x22;

    Bytes expected = Cat({
        {0xFF, 0xFF, 0x02, 0x00, 0x07, 0x00},
        Text("CArLeaf"),                      // class 0x7FFE
        {0x01, 0x00, 0x00, 0x00},             // leaf 1 = 0x7FFF
        {0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x00}, // leaf 1 again: big object tag
        {0xFE, 0xFF},                         // class 0x7FFE still fits a word
        {0x02, 0x00, 0x00, 0x00},             // leaf 2 = 0x8000
        {0xFF, 0xFF, 0x01, 0x00, 0x07, 0x00},
        Text("CArNode"),                      // class 0x8001
        {0x11, 0x00, 0x00, 0x00, 0x00, 0x00}, // node 1 = 0x8002, no leaf, no next
        {0xFF, 0x7F, 0x01, 0x80, 0x00, 0x80}, // class 0x8001: big class tag
        {0x22, 0x00, 0x00, 0x00, 0x00, 0x00}, // node 2 = 0x8003
        {0xFF, 0x7F, 0x00, 0x80, 0x00, 0x00}, // leaf 2 again
    });
    Bytes actual = Store([&](CArchive& ar) {
        for (const CArPlain& object : mapped)
            ar.MapObject(&object);
        ar << &leaf1 << &leaf1 << &leaf2 << &node1 << &node2 << &leaf2;
    });
    EXPECT_EQ(expected, actual);

    CLoadFile file(expected);
    CArchive ar(&file, CArchive::load);
    for (const CArPlain& object : mapped)
        ar.MapObject(&object);
    CArLeaf* p[3] = {};
    CArNode* n[2] = {};
    CArLeaf* pLeaf1Again = nullptr;
    ar >> p[0] >> pLeaf1Again >> p[1] >> n[0] >> n[1] >> p[2];
    EXPECT_EQ(p[0], pLeaf1Again);
    EXPECT_EQ(p[1], p[2]);
    EXPECT_EQ(1u, p[0]->m_dwValue);
    EXPECT_EQ(2u, p[1]->m_dwValue);
    EXPECT_EQ(0x11, n[0]->m_wValue);
    EXPECT_EQ(0x22, n[1]->m_wValue);
    delete p[0];
    delete p[1];
    delete n[0];
    delete n[1];
}

TEST(Archive, VersionableClassLoadsAnOlderSchemaAndStoresItsOwn)
{
    CArVers object;
    object.m_wFirst = 5;
    object.m_wSecond = 6;
    Bytes current = Cat({{0xFF, 0xFF, 0x02, 0x00, 0x07, 0x00}, Text("CArVers"), {0x05, 0x00, 0x06, 0x00}});
    EXPECT_EQ(current, Store([&](CArchive& ar) { ar << &object; }));

    // Schema 1, the same object twice: the second class reference keeps the stored schema.
    Bytes older = Cat(
        {{0xFF, 0xFF, 0x01, 0x00, 0x07, 0x00}, Text("CArVers"), {0x07, 0x00}, {0x01, 0x80}, {0x08, 0x00}});
    CLoadFile file(older);
    CArchive ar(&file, CArchive::load);
    CArVers* pFirst = nullptr;
    CArVers* pSecond = nullptr;
    ar >> pFirst >> pSecond;
    std::unique_ptr<CArVers> first(pFirst), second(pSecond);
    EXPECT_EQ(1u, first->m_nLoadedSchema);
    EXPECT_EQ(7, first->m_wFirst);
    EXPECT_EQ(1u, second->m_nLoadedSchema);
    EXPECT_EQ(8, second->m_wFirst);
    EXPECT_TRUE(ar.IsBufferEmpty());
}

TEST(Archive, BrokenStreamsThrowTheMatchingCauseAndCanBeAborted)
{
    auto readGraph = [](CArchive& ar) {
        CArNode* pA = nullptr;
        ar >> pA;
        std::unique_ptr<CArNode> a(pA);
        std::unique_ptr<CArNode> b(pA ? pA->m_pNext : nullptr);
        std::unique_ptr<CArLeaf> leaf(pA ? pA->m_pLeaf : nullptr);
        CArLeaf* pLeaf = nullptr;
        ar >> pLeaf;
    };

    Bytes wrongSchema = GraphBytes();
    wrongSchema[17] = 0x03; // CArLeaf's schema 2 -> 3
    Bytes unknownClass = GraphBytes();
    unknownClass[27] = 'X'; // "CArLeaf" -> "CArLeaX"
    Bytes badIndex = GraphBytes();
    badIndex[badIndex.size() - 2] = 0x09; // a reference to object 9
    Bytes classAsObject = GraphBytes();
    classAsObject[classAsObject.size() - 2] = 0x03;        // index 3 is a class, not an object
    Bytes longName = {0xFF, 0xFF, 0x01, 0x00, 0x40, 0x00}; // a 64 character class name

    struct Case
    {
        const char* name;
        Bytes bytes;
        int cause;
    };
    const Case cases[] = {
        {"schema", wrongSchema, CArchiveException::badSchema},
        {"unknown class", unknownClass, CArchiveException::badClass},
        {"bad index", badIndex, CArchiveException::badIndex},
        {"class as object", classAsObject, CArchiveException::badIndex},
        {"long class name", longName, CArchiveException::badClass},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.cause, LoadCause(c.bytes, readGraph));
    }

    // Every cut through the stream ends in endOfFile.
    for (size_t n = 0; n < GraphBytes().size(); ++n)
    {
        SCOPED_TRACE(n);
        Bytes truncated(GraphBytes().begin(), GraphBytes().begin() + n);
        EXPECT_EQ(CArchiveException::endOfFile, LoadCause(truncated, readGraph));
    }

    // Strings and counts cut short.
    auto readString = [](CArchive& ar) {
        CString s;
        ar >> s;
    };
    EXPECT_EQ(CArchiveException::endOfFile, LoadCause({0x05, 'a', 'b'}, readString));
    EXPECT_EQ(CArchiveException::endOfFile,
              LoadCause({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, readString));
    EXPECT_EQ(CArchiveException::endOfFile,
              LoadCause({0xFF, 0xFF, 0x01}, [](CArchive& ar) { ar.ReadCount(); }));
}

TEST(Archive, RequestedClassIsChecked)
{
    // A leaf where a node is expected.
    Bytes bytes = Cat({{0xFF, 0xFF, 0x02, 0x00, 0x07, 0x00}, Text("CArLeaf"), {1, 0, 0, 0}});
    EXPECT_EQ(CArchiveException::badClass, LoadCause(bytes, [](CArchive& ar) {
                  CArNode* p = nullptr;
                  ar >> p;
              }));
}

TEST(Archive, WrongDirectionAndUnserialisableClassesAreRefused)
{
    EXPECT_EQ(CArchiveException::readOnly, LoadCause({}, [](CArchive& ar) { ar << (DWORD)1; }));

    CMemFile file;
    CArchive ar(&file, CArchive::store);
    try
    {
        DWORD dw;
        ar >> dw;
        ADD_FAILURE() << "reading a storing archive";
    }
    catch (CArchiveException* e)
    {
        EXPECT_EQ(CArchiveException::writeOnly, e->m_cause);
        e->Delete();
    }
    CArPlain plain;
    try
    {
        ar << &plain;
        ADD_FAILURE() << "writing an object that is not serialisable";
    }
    catch (CNotSupportedException* e)
    {
        e->Delete();
    }
    ar.Abort();
}

TEST(Archive, NullPointerAndRawTextLines)
{
    Bytes expected = Cat({{0x00, 0x00}, Text("eins\r\nzwei\nletzte")});
    EXPECT_EQ(expected, Store([](CArchive& ar) {
                  ar << (const CObject*)nullptr;
                  ar.WriteString("eins\r\nzwei\nletzte");
              }));

    CLoadFile file(expected);
    CArchive ar(&file, CArchive::load);
    CObject* pOb = reinterpret_cast<CObject*>(1);
    ar >> pOb;
    EXPECT_EQ(nullptr, pOb);
    CString line;
    ASSERT_TRUE(ar.ReadString(line));
    EXPECT_STREQ("eins", line);
    char buffer[4];
    ASSERT_NE(nullptr, ar.ReadString(buffer, sizeof buffer)); // at most three characters
    EXPECT_STREQ("zwe", buffer);
    ASSERT_TRUE(ar.ReadString(line));
    EXPECT_STREQ("i", line);
    ASSERT_TRUE(ar.ReadString(line));
    EXPECT_STREQ("letzte", line);
    EXPECT_FALSE(ar.ReadString(line));
    EXPECT_EQ(nullptr, ar.ReadString(buffer, sizeof buffer));
}

TEST(Archive, SerializeClassWritesAndChecksAClassRecord)
{
    Bytes expected = Cat({{0xFF, 0xFF, 0x02, 0x00, 0x07, 0x00}, Text("CArLeaf"), {0x01, 0x80}});
    EXPECT_EQ(expected, Store([](CArchive& ar) {
                  ar.SerializeClass(RUNTIME_CLASS(CArLeaf));
                  ar.SerializeClass(RUNTIME_CLASS(CArLeaf));
              }));
    CLoadFile file(expected);
    CArchive ar(&file, CArchive::load);
    ar.SerializeClass(RUNTIME_CLASS(CArLeaf));
    EXPECT_EQ(2u, ar.GetObjectSchema());
    EXPECT_EQ((UINT)-1, ar.GetObjectSchema());
    EXPECT_EQ(RUNTIME_CLASS(CArLeaf), ar.ReadClass());
}
