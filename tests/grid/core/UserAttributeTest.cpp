// User attributes: kinds from texts (with and without a value parser), maps and merging.
#include "grid/core/AppData.h"
#include "grid/core/EllipseUserAttribute.h"
#include "grid/core/UserAttribute.h"
#include "grid/core/UserAttributeMap.h"
#include "grid/features/NumberFormattingImp.h"
#include "tests/grid/ComponentSlot.h"
#include "ArchiveHelpers.h"
#include <gtest/gtest.h>
#include <stdlib.h>

namespace
{
// The library's value parser in its slot for one scope.
class ParserScope
{
  public:
    ParserScope() : m_slot(GXGetAppData()->m_pNumberFormattingImp, &m_parser)
    {
    }

  private:
    CGXNumberFormattingImp m_parser;
    ComponentSlot<CGXAbstractNumberFormattingImp> m_slot;
};

struct KindCase
{
    const char* text;
    DWORD kindWithParser;
    DWORD kindWithout;
    const char* readBack;
};
} // namespace

TEST(UserAttribute, KindFromText)
{
    const KindCase cases[] = {
        {"123", 5, 3, "123"},
        {"00123", 3, 3, "00123"},
        {"12.5", 5, 3, "12.5"},
        {"12.50", 3, 3, "12.50"},
        {"1e3", 3, 3, "1e3"},
        {" 7", 3, 3, " 7"},
        {"abcdefgh", 3, 3, "abcdefgh"},
        {"abcdefghi", 4, 4, "abcdefghi"},
        {"123456789", 5, 4, "123456789"},
        {"", 0, 0, ""},
    };
    for (const KindCase& c : cases)
    {
        {
            ComponentSlot<CGXAbstractNumberFormattingImp> none(GXGetAppData()->m_pNumberFormattingImp, NULL);
            CGXUserAttribute without(c.text);
            EXPECT_EQ(c.kindWithout, without.GetKind()) << c.text;
            EXPECT_EQ(CString(c.readBack), without.GetValueText()) << c.text;
        }
        {
            ParserScope parser;
            CGXUserAttribute with(c.text);
            EXPECT_EQ(c.kindWithParser, with.GetKind()) << c.text;
            EXPECT_EQ(CString(c.readBack), with.GetValueText()) << c.text;
        }
    }
}

TEST(UserAttribute, ValuesOfEachKind)
{
    EXPECT_EQ(CString("0000000100000002"), CGXUserAttribute((DWORD)1, (DWORD)2).GetValueText());
    EXPECT_EQ(CString("4294967295"), CGXUserAttribute((DWORD)0xFFFFFFFF).GetValueText());
    EXPECT_EQ(CString("-5"), CGXUserAttribute((LONG)-5).GetValueText());
    EXPECT_EQ(-5, CGXUserAttribute((LONG)-5).GetLongValue());
    EXPECT_EQ(3, CGXUserAttribute(2.5).GetLongValue());
    EXPECT_EQ(LONG_MAX, CGXUserAttribute(1e30).GetLongValue());
    EXPECT_DOUBLE_EQ(4294967295.0, CGXUserAttribute((DWORD)0xFFFFFFFF).GetDoubleValue());
    EXPECT_EQ(42, CGXUserAttribute("42abc").GetLongValue());
    EXPECT_DOUBLE_EQ(0.0, CGXUserAttribute().GetDoubleValue());
    EXPECT_TRUE(CGXUserAttribute().IsEmptyValue());

    CGXEllipseUserAttribute e(2);
    EXPECT_EQ(2u, e.GetChoice());
    EXPECT_TRUE(e.IsEmptyValue());
    EXPECT_TRUE(e.GetValueText().IsEmpty());
    EXPECT_TRUE(e.IsEqual(CGXEllipseUserAttribute(2)));
}

TEST(UserAttribute, Equality)
{
    CGXUserAttribute a("abc"), b("abc"), c((DWORD)1);
    EXPECT_TRUE(a.IsEqual(b));
    b.m_nId = 5;
    EXPECT_FALSE(a.IsEqual(b));
    EXPECT_FALSE(a.IsEqual(c));
    CGXUserAttribute* pClone = static_cast<CGXUserAttribute*>(CGXUserAttribute("a long text here").Clone());
    EXPECT_EQ(4u, pClone->GetKind());
    EXPECT_TRUE(pClone->IsEqual(CGXUserAttribute("a long text here")));
    delete pClone;
}

TEST(UserAttribute, MapLookupAndMerge)
{
    CGXUserAttributeMap map;
    map.SetAttribute(51011, new CGXUserAttribute("10"));
    map.SetAttribute(7, new CGXUserAttribute((DWORD)7));
    map.SetAttribute(300, new CGXUserAttribute("x"));
    ASSERT_EQ(3, map.GetSize());
    EXPECT_EQ(7, map.GetAttributeAt(0)->m_nId);
    EXPECT_EQ(300, map.GetAttributeAt(1)->m_nId);
    EXPECT_EQ(51011, map.GetAttributeAt(2)->m_nId);
    ASSERT_NE(nullptr, map.Lookup(300));
    EXPECT_EQ(CString("x"), map.Lookup(300)->GetValueText());
    EXPECT_EQ(nullptr, map.Lookup(8));
    map.SetAttribute(300, new CGXUserAttribute("y"));
    EXPECT_EQ(3, map.GetSize());
    EXPECT_EQ(CString("y"), map.Lookup(300)->GetValueText());

    CGXUserAttributeMap src;
    src.SetAttribute(300, new CGXUserAttribute("src"));
    src.SetAttribute(9, new CGXUserAttribute("nine"));
    struct Case
    {
        GXModifyType mt;
        const char* v300;
        BOOL has9;
        BOOL has7;
    } cases[] = {
        {gxApplyNew, "y", TRUE, TRUE},
        {gxOverride, "src", TRUE, TRUE},
        {gxCopy, "src", TRUE, FALSE},
        {gxExclude, NULL, FALSE, TRUE},
    };
    for (const Case& c : cases)
    {
        CGXUserAttributeMap m;
        m = map;
        m.MergeMap(src, c.mt);
        if (c.v300 != NULL)
        {
            ASSERT_NE(nullptr, m.Lookup(300)) << c.mt;
            EXPECT_EQ(CString(c.v300), m.Lookup(300)->GetValueText()) << c.mt;
        }
        else
        {
            EXPECT_EQ(nullptr, m.Lookup(300)) << c.mt;
        }
        EXPECT_EQ(c.has9, m.Lookup(9) != nullptr) << c.mt;
        EXPECT_EQ(c.has7, m.Lookup(7) != nullptr) << c.mt;
        for (INT_PTR i = 1; i < m.GetSize(); i++)
            EXPECT_LT(m.GetAttributeAt(i - 1)->m_nId, m.GetAttributeAt(i)->m_nId);
    }
}

TEST(UserAttribute, MapArchiveReplacesContents)
{
    CGXUserAttributeMap map;
    map.SetAttribute(7, new CGXUserAttribute("short"));
    map.SetAttribute(8, new CGXUserAttribute((DWORD)77));
    map.SetAttribute(9, new CGXEllipseUserAttribute(2));
    std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) { map.Serialize(ar); });
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(3, bytes[0]);
    EXPECT_EQ(0, bytes[1]);

    CGXUserAttributeMap loaded;
    loaded.SetAttribute(1, new CGXUserAttribute("old"));
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(3, loaded.GetSize());
    EXPECT_EQ(nullptr, loaded.Lookup(1));
    EXPECT_EQ(CString("short"), loaded.Lookup(7)->GetValueText());
    EXPECT_EQ(77u, loaded.Lookup(8)->GetDWordValue());
    EXPECT_EQ(2u, loaded.Lookup(9)->GetDWordValue());
    EXPECT_TRUE(loaded.Lookup(9)->IsKindOf(RUNTIME_CLASS(CGXEllipseUserAttribute)));

    // A null object where an attribute belongs is a damaged archive, not a crash.
    CGXUserAttributeMap damaged;
    EXPECT_EQ(
        CArchiveException::generic,
        testing_support::LoadCause(Bytes{1, 0, 0, 0, 7, 0}, [&](CArchive& ar) { damaged.Serialize(ar); }));
    EXPECT_TRUE(damaged.IsEmpty());
}

TEST(UserAttribute, MapCountBeyondWordThrowsBeforeWriting)
{
    CGXUserAttributeMap map;
    // Every one of the 65,536 ids: one more than the 16-bit count can say. Appended in id
    // order, so the map stays sorted without re-sorting each time.
    for (DWORD id = 0; id <= 0xFFFF; id++)
    {
        CGXUserAttribute* p = new CGXUserAttribute((DWORD)1);
        p->m_nId = (WORD)id;
        map.Add(p);
    }
    CMemFile file;
    int cause = -1;
    {
        CArchive ar(&file, CArchive::store);
        try
        {
            map.Serialize(ar);
        }
        catch (CArchiveException* e)
        {
            cause = e->m_cause;
            e->Delete();
        }
        ar.Flush();
    }
    EXPECT_EQ(CArchiveException::generic, cause);
    EXPECT_EQ(0u, file.GetLength());
}

TEST(UserAttribute, ArchiveForms)
{
    using testing_support::Cat;
    using testing_support::Str;
    struct Case
    {
        CGXAbstractUserAttribute* attribute;
        Bytes expected;
    } cases[] = {
        {new CGXUserAttribute((DWORD)5), {1, 5, 0, 0, 0, 0, 0, 0, 0}},
        {new CGXUserAttribute("ab"), Cat({{3}, Str("ab")})},
        {new CGXUserAttribute("abcdefghij"), Cat({{4}, Str("abcdefghij")})},
        {new CGXEllipseUserAttribute(0x10002), {2, 0}},
    };
    for (Case& c : cases)
    {
        EXPECT_EQ(c.expected, StoreBytes([&](CArchive& ar) { c.attribute->Serialize(ar); }));
        delete c.attribute;
    }
    // Loaded texts keep their text kind, even when they read as numbers.
    CGXUserAttribute loaded;
    LoadBytes(Cat({{3}, Str("12")}), [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(3u, loaded.GetKind());
    EXPECT_EQ(CString("12"), loaded.GetValueText());
}

TEST(UserAttribute, MapArchiveBytesAndStoredOrder)
{
    using testing_support::Cat;
    using testing_support::Str;
    CGXUserAttributeMap map;
    map.SetAttribute(9, new CGXUserAttribute((LONG)-2));           // kind 2
    map.SetAttribute(3, new CGXUserAttribute(1.5));                // kind 5
    map.SetAttribute(5, new CGXUserAttribute((DWORD)1, (DWORD)2)); // kind 6
    Bytes bytes = StoreBytes([&](CArchive& ar) { map.Serialize(ar); });
    // Count, then each object (new class, schema, name, body) followed by its id; the map's order.
    auto klass = Cat({{0xFF, 0xFF, 1, 0, 16, 0}, testing_support::Text("CGXUserAttribute")});
    double dv = 1.5;
    Bytes dbl((BYTE*)&dv, (BYTE*)&dv + 8);
    // The map keeps ids sorted as they are set; the archive writes that order.
    // clang-format off
    Bytes expectedSorted = Cat({{3, 0},
                                klass, {5}, dbl, {3, 0},
                                {1, 0x80}, {6, 1, 0, 0, 0, 2, 0, 0, 0}, {5, 0},
                                {1, 0x80}, {2, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}, {9, 0}}); // a long in the first half
    // clang-format on
    ASSERT_EQ(expectedSorted.size(), bytes.size());
    for (size_t i = 0; i < bytes.size(); i++)
        EXPECT_EQ((int)expectedSorted[i], (int)bytes[i]) << "byte " << i;

    // Loading keeps the stored order (ids 9, 3 here), and lookups still find each.
    // clang-format off
    Bytes unsorted = Cat({{2, 0},
                          klass, {1, 7, 0, 0, 0, 0, 0, 0, 0}, {9, 0},
                          {1, 0x80}, {1, 4, 0, 0, 0, 0, 0, 0, 0}, {3, 0}});
    // clang-format on
    CGXUserAttributeMap loaded;
    LoadBytes(unsorted, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(2, loaded.GetSize());
    EXPECT_EQ(9, loaded.GetAttributeAt(0)->GetId());
    EXPECT_EQ(3, loaded.GetAttributeAt(1)->GetId());
    EXPECT_EQ(7u, loaded.Lookup(9)->GetDWordValue());
    EXPECT_EQ(4u, loaded.Lookup(3)->GetDWordValue());
    EXPECT_EQ(unsorted, StoreBytes([&](CArchive& ar) { loaded.Serialize(ar); }));

    // An unknown kind reads back and shows "Value?".
    CGXUserAttribute odd;
    LoadBytes(Bytes{9, 1, 2, 3, 4, 5, 6, 7, 8}, [&](CArchive& ar) { odd.Serialize(ar); });
    EXPECT_EQ(CString("Value?"), odd.GetValueText());
}

TEST(UserAttribute, MapRefusesSharedAttributes)
{
    // The second entry refers back to the first attribute: owned twice, so refused, and the
    // failed load deletes only what it made.
    using testing_support::Cat;
    Bytes bytes = Cat({{2, 0, 0xFF, 0xFF, 1, 0, 16, 0},
                       testing_support::Text("CGXUserAttribute"),
                       {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 2, 0, 2, 0}});
    ASSERT_EQ(39u, bytes.size());
    CGXUserAttributeMap map;
    EXPECT_EQ(CArchiveException::generic,
              testing_support::LoadCause(bytes, [&](CArchive& ar) { map.Serialize(ar); }));
    EXPECT_TRUE(map.IsEmpty());
    // Loaded again into the same map and destroyed: nothing freed twice.
    EXPECT_EQ(CArchiveException::generic,
              testing_support::LoadCause(bytes, [&](CArchive& ar) { map.Serialize(ar); }));
    EXPECT_TRUE(map.IsEmpty());
}
