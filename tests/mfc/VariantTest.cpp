// COleVariant: construction from basic types, conversions, ownership and comparison.
#include "OleVariant.h"
#include "Archive.h"
#include "ArchiveException.h"
#include "MemFile.h"
#include <psapi.h>
#include <vector>
#include <gtest/gtest.h>

namespace
{
TEST(VariantTest, ConstructorsSetTypes)
{
    struct
    {
        COleVariant var;
        VARTYPE vt;
    } cases[] = {
        {COleVariant(), VT_EMPTY},
        {COleVariant("text"), VT_BSTR},
        {COleVariant(CString("text")), VT_BSTR},
        {COleVariant(static_cast<BYTE>(7)), VT_UI1},
        {COleVariant(static_cast<short>(7)), VT_I2},
        {COleVariant(static_cast<short>(7), VT_BOOL), VT_BOOL},
        {COleVariant(7L), VT_I4},
        {COleVariant(7L, VT_ERROR), VT_ERROR},
        {COleVariant(1.5f), VT_R4},
        {COleVariant(1.5), VT_R8},
        {COleVariant(COleDateTime(2024, 1, 2, 0, 0, 0)), VT_DATE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.vt, c.var.vt);
    EXPECT_EQ(VARIANT_TRUE, cases[5].var.boolVal);
    EXPECT_STREQ(L"text", cases[1].var.bstrVal);
}

TEST(VariantTest, ChangeTypeConverts)
{
    COleVariant number(42L);
    number.ChangeType(VT_BSTR);
    ASSERT_EQ(VT_BSTR, number.vt);
    EXPECT_STREQ(L"42", number.bstrVal);

    COleVariant text("123");
    text.ChangeType(VT_I4);
    ASSERT_EQ(VT_I4, text.vt);
    EXPECT_EQ(123, text.lVal);

    COleVariant date(COleDateTime(1900, 1, 1, 12, 0, 0));
    COleVariant dbl;
    dbl.ChangeType(VT_R8, &date);
    ASSERT_EQ(VT_R8, dbl.vt);
    EXPECT_DOUBLE_EQ(2.5, dbl.dblVal);
    EXPECT_EQ(VT_DATE, date.vt); // the source is left alone

    COleVariant flag(static_cast<short>(1), VT_BOOL);
    flag.ChangeType(VT_I2);
    EXPECT_EQ(-1, flag.iVal); // VARIANT_TRUE
}

TEST(VariantTest, FailedChangeTypeThrowsOleException)
{
    COleVariant text("kein Wert");
    SCODE sc = S_OK;
    try
    {
        text.ChangeType(VT_I4);
    }
    catch (COleException* e)
    {
        sc = e->m_sc;
        // Wine has no system text for every SCODE; when there is one it is returned.
        char szText[256] = "";
        EXPECT_EQ(szText[0] != '\0', e->GetErrorMessage(szText, sizeof szText));
        EXPECT_EQ(sc, COleException::Process(e));
        e->Delete();
    }
    EXPECT_EQ(DISP_E_TYPEMISMATCH, sc);
    EXPECT_EQ(VT_BSTR, text.vt);
}

TEST(VariantTest, CopyAttachDetach)
{
    COleVariant original("abc");
    COleVariant copy(original);
    EXPECT_NE(original.bstrVal, copy.bstrVal); // a copy of its own
    EXPECT_TRUE(copy == original);

    VARIANT raw;
    ::VariantInit(&raw);
    raw.vt = VT_BSTR;
    raw.bstrVal = ::SysAllocString(L"owned");
    BSTR bstr = raw.bstrVal;
    COleVariant var;
    var.Attach(raw);
    EXPECT_EQ(VT_EMPTY, raw.vt);
    EXPECT_EQ(bstr, var.bstrVal);
    VARIANT out = var.Detach();
    EXPECT_EQ(VT_EMPTY, var.vt);
    EXPECT_EQ(bstr, out.bstrVal);
    ::VariantClear(&out);

    var = "x";
    var.Clear();
    EXPECT_EQ(VT_EMPTY, var.vt);
}

TEST(VariantTest, AssignmentKeepsBoolAndErrorTypes)
{
    COleVariant var(static_cast<short>(0), VT_BOOL);
    var = static_cast<short>(5);
    EXPECT_EQ(VT_BOOL, var.vt);
    EXPECT_EQ(VARIANT_TRUE, var.boolVal);
    var = 0L;
    EXPECT_EQ(VARIANT_FALSE, var.boolVal);

    COleVariant err(1L, VT_ERROR);
    err = static_cast<long>(DISP_E_PARAMNOTFOUND);
    EXPECT_EQ(VT_ERROR, err.vt);
    EXPECT_EQ(DISP_E_PARAMNOTFOUND, err.scode);

    COleVariant other("text");
    other = 2.5;
    EXPECT_EQ(VT_R8, other.vt);
    other = CString("again");
    EXPECT_EQ(VT_BSTR, other.vt);
    EXPECT_STREQ(L"again", other.bstrVal);
}

TEST(VariantTest, EqualityNeedsSameTypeAndValue)
{
    struct
    {
        COleVariant a, b;
        BOOL equal;
    } cases[] = {
        {COleVariant("ab"), COleVariant(CString("ab")), TRUE},
        {COleVariant("ab"), COleVariant("ac"), FALSE},
        {COleVariant("ab"), COleVariant("abc"), FALSE},
        {COleVariant(static_cast<short>(5)), COleVariant(5L), FALSE},
        {COleVariant(5L), COleVariant(5L), TRUE},
        {COleVariant(1.5), COleVariant(1.5), TRUE},
        {COleVariant(1.5), COleVariant(1.5f), FALSE},
        {COleVariant(), COleVariant(), TRUE},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.equal, c.a == c.b);
        EXPECT_EQ(c.equal, c.a == static_cast<LPCVARIANT>(c.b));
    }
}
} // namespace

namespace
{
// A variant stored into an archive and loaded back; the bytes written go to pBytes.
COleVariant RoundTrip(const COleVariant& var, std::vector<BYTE>* pBytes = nullptr)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << var;
    }
    if (pBytes != nullptr)
    {
        pBytes->resize(file.GetLength());
        file.SeekToBegin();
        file.Read(pBytes->data(), (UINT)pBytes->size());
    }
    file.SeekToBegin();
    COleVariant loaded(99L);
    CArchive ar(&file, CArchive::load);
    ar >> loaded;
    return loaded;
}

COleVariant ByteArray(const BYTE* pb, ULONG n)
{
    VARIANT v;
    AfxVariantInit(&v);
    v.vt = VT_ARRAY | VT_UI1;
    v.parray = ::SafeArrayCreateVector(VT_UI1, 0, n);
    void* pData = NULL;
    ::SafeArrayAccessData(v.parray, &pData);
    memcpy(pData, pb, n);
    ::SafeArrayUnaccessData(v.parray);
    COleVariant var;
    var.Attach(v);
    return var;
}

TEST(VariantTest, ArchiveRoundTripKeepsTypeAndValue)
{
    const COleVariant cases[] = {COleVariant(),
                                 COleVariant(static_cast<BYTE>(200)),
                                 COleVariant(static_cast<short>(-7)),
                                 COleVariant(static_cast<short>(1), VT_BOOL),
                                 COleVariant(-70000L),
                                 COleVariant(5L, VT_ERROR),
                                 COleVariant(1.5f),
                                 COleVariant(-2.25),
                                 COleVariant(COleDateTime(2024, 1, 2, 3, 4, 5)),
                                 COleVariant("Text mit Umlaut \xe4")};
    for (const COleVariant& var : cases)
    {
        COleVariant loaded = RoundTrip(var);
        EXPECT_EQ(var.vt, loaded.vt);
        EXPECT_TRUE(loaded == var) << var.vt;
    }
}

TEST(VariantTest, AByteArrayIsItsTypeWordACountAndTheBytes)
{
    const BYTE bytes[] = {'B', 'M', 0, 1, 0xFF};
    std::vector<BYTE> written;
    COleVariant loaded = RoundTrip(ByteArray(bytes, 5), &written);
    const BYTE expected[] = {0x11, 0x20, 5, 0, 0, 0, 'B', 'M', 0, 1, 0xFF};
    EXPECT_EQ(std::vector<BYTE>(expected, expected + sizeof(expected)), written);
    ASSERT_EQ(VT_ARRAY | VT_UI1, loaded.vt);
    ASSERT_EQ(5u, loaded.parray->rgsabound[0].cElements);
    EXPECT_EQ(0, memcmp(loaded.parray->pvData, bytes, 5));
    // An empty array, and a type the archive cannot hold.
    EXPECT_EQ(0u, RoundTrip(ByteArray(bytes, 0)).parray->rgsabound[0].cElements);
    COleVariant unknown;
    unknown.vt = VT_I8;
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    EXPECT_THROW(ar << unknown, CArchiveException*);
    ar.Abort();
}

TEST(VariantTest, AByteArrayCountBeyondTheArchiveFailsWithoutTakingItsMemory)
{
    // Type word, a count of 2 GB and three bytes: the archive's end comes long before.
    const BYTE damaged[] = {0x11, 0x20, 0xFF, 0xFF, 0xFF, 0x7F, 'B', 'M', 0};
    PROCESS_MEMORY_COUNTERS before = {}, after = {};
    before.cb = after.cb = sizeof(before);
    ASSERT_TRUE(::GetProcessMemoryInfo(::GetCurrentProcess(), &before, sizeof(before)));
    CMemFile file;
    file.Write(damaged, sizeof(damaged));
    file.SeekToBegin();
    COleVariant loaded(7L);
    {
        CArchive ar(&file, CArchive::load);
        try
        {
            ar >> loaded;
            ADD_FAILURE() << "the damaged array loaded";
        }
        catch (CArchiveException* pEx)
        {
            EXPECT_EQ(CArchiveException::endOfFile, pEx->m_cause);
            pEx->Delete();
        }
        ar.Abort();
    }
    ASSERT_TRUE(::GetProcessMemoryInfo(::GetCurrentProcess(), &after, sizeof(after)));
    EXPECT_LT(after.PeakPagefileUsage - before.PeakPagefileUsage, (SIZE_T)256 << 20);
    EXPECT_LT(after.PeakWorkingSetSize - before.PeakWorkingSetSize, (SIZE_T)256 << 20);
}

TEST(VariantTest, VariantInitEmptiesWithoutFreeing)
{
    VARIANT v;
    memset(&v, 0xAB, sizeof(v));
    AfxVariantInit(&v);
    EXPECT_EQ(VT_EMPTY, v.vt);
}
} // namespace
