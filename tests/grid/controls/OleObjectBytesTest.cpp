// Cell bytes of embedded objects: good and bad headers as tables, the layout written and read
// back, and OLE 1 streams converted into a memory storage and back.
#include "grid/controls/HandleManager.h"
#include "grid/controls/OleObjectBytes.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
typedef std::vector<BYTE> Bytes;

void PutWord(Bytes& b, size_t at, WORD w)
{
    b[at] = LOBYTE(w);
    b[at + 1] = HIBYTE(w);
}

void AppendDWord(Bytes& b, DWORD dw)
{
    for (int i = 0; i < 4; i++)
        b.push_back((BYTE)(dw >> (8 * i)));
}

void AppendString(Bytes& b, const char* psz)
{
    AppendDWord(b, (DWORD)strlen(psz) + 1);
    b.insert(b.end(), psz, psz + strlen(psz) + 1);
}

// The header written field by field, independent of the code under test.
Bytes Encode(const std::string& strName, const std::string& strClass, const Bytes& payload)
{
    Bytes b(20, 0);
    WORD nName = (WORD)(strName.size() + 1), nClass = (WORD)(strClass.size() + 1);
    PutWord(b, 0, 0x1C15);
    PutWord(b, 2, 20);
    b[4] = 2;
    PutWord(b, 8, nName);
    PutWord(b, 10, nClass);
    PutWord(b, 12, 20);
    PutWord(b, 14, (WORD)(20 + nName));
    PutWord(b, 16, 0xFFFF);
    PutWord(b, 18, 0xFFFF);
    b.insert(b.end(), strName.c_str(), strName.c_str() + nName);
    b.insert(b.end(), strClass.c_str(), strClass.c_str() + nClass);
    b.insert(b.end(), payload.begin(), payload.end());
    b.insert(b.end(), 4, 0);
    return b;
}

// An embedded object in OLE 1 stream form without a presentation.
Bytes Ole1Stream(const char* pszClass, const Bytes& native)
{
    Bytes b;
    AppendDWord(b, 0x0501);
    AppendDWord(b, 2);
    AppendString(b, pszClass);
    AppendDWord(b, 0); // topic
    AppendDWord(b, 0); // item
    AppendDWord(b, (DWORD)native.size());
    b.insert(b.end(), native.begin(), native.end());
    AppendDWord(b, 0x0501);
    AppendDWord(b, 0);
    return b;
}

TEST(OleHandleManager, FreesWhatItStillHoldsAndLetsGoWhatWasHandedOn)
{
    HGLOBAL hFreed = NULL, hHanded = NULL, hLeft = NULL;
    {
        CGXHandleManager<void*> handles;
        hFreed = handles.Add(::GlobalAlloc(GMEM_MOVEABLE, 16));
        hHanded = handles.Add(::GlobalAlloc(GMEM_MOVEABLE, 32));
        hLeft = handles.Add(::GlobalAlloc(GMEM_MOVEABLE, 64));
        EXPECT_EQ(NULL, handles.Add(NULL));
        ASSERT_EQ(3, handles.GetCount());
        EXPECT_TRUE(handles.Remove(hFreed, TRUE));
        EXPECT_TRUE(handles.Remove(hHanded, FALSE));
        EXPECT_FALSE(handles.Remove(hHanded, TRUE));
        EXPECT_EQ(1, handles.GetCount());
        EXPECT_EQ(64u, ::GlobalSize(hLeft));
    }
    // The handed-on block is still there; the one left in the holder went with it.
    EXPECT_EQ(32u, ::GlobalSize(hHanded));
    EXPECT_EQ(NULL, ::GlobalFree(hHanded));
    EXPECT_EQ(0u, ::GlobalSize(hLeft));
    EXPECT_EQ(0u, ::GlobalSize(hFreed));
}

TEST(OleObjectBytes, ReadsGoodHeaders)
{
    struct Case
    {
        const char* pszName;
        std::string strClass;
        size_t nPayload;
    } aCases[] = {
        {"Bild", "Paint.Picture", 7},
        {"", "X", 0},
        {"Objekt", std::string(127, 'c'), 3},
    };
    for (const Case& c : aCases)
    {
        Bytes bytes = Encode(c.pszName, c.strClass, Bytes(c.nPayload, 0xAB));
        CString strClass;
        DWORD nOffset = 0, nSize = 99;
        ASSERT_TRUE(CGXOleObjectBytes::Parse(bytes.data(), (DWORD)bytes.size(), strClass, nOffset, nSize))
            << c.strClass;
        EXPECT_STREQ(c.strClass.c_str(), (LPCSTR)strClass);
        EXPECT_EQ(20 + strlen(c.pszName) + 1 + c.strClass.size() + 1, nOffset);
        EXPECT_EQ(c.nPayload, nSize);
    }
}

TEST(OleObjectBytes, RefusesBadHeaders)
{
    const Bytes good = Encode("Bild", "Paint.Picture", Bytes(5, 1));
    auto withWord = [&](size_t at, WORD w) {
        Bytes b = good;
        PutWord(b, at, w);
        return b;
    };
    Bytes noTerminator = good;
    noTerminator[20 + 5 + 13] = 'x';
    struct Case
    {
        const char* pszWhat;
        Bytes bytes;
    } aCases[] = {
        {"no signature", withWord(0, 0x1C14)},
        {"shorter than 24 bytes", Bytes(good.begin(), good.begin() + 23)},
        {"class offset inside the fixed header", withWord(14, 19)},
        {"class offset past the end", withWord(14, (WORD)good.size())},
        {"class length past the end", withWord(10, (WORD)(good.size() - 25 + 1))},
        {"class over the trailer", withWord(10, 14 + 5 + 1)},
        {"class length zero", withWord(10, 0)},
        {"class of 128 characters", Encode("", std::string(128, 'c'), Bytes())},
        {"class without its zero byte", noTerminator},
        {"empty", Bytes()},
    };
    for (const Case& c : aCases)
    {
        CString strClass;
        DWORD nOffset = 0, nSize = 0;
        EXPECT_FALSE(CGXOleObjectBytes::Parse(c.bytes.empty() ? NULL : c.bytes.data(), (DWORD)c.bytes.size(),
                                              strClass, nOffset, nSize))
            << c.pszWhat;
    }
}

TEST(OleObjectBytes, WritesTheLayoutFieldByField)
{
    const Bytes payload = {1, 2, 3, 4, 5, 6};
    CByteArray bytes;
    ASSERT_TRUE(
        CGXOleObjectBytes::Build("Bild", "Paint.Picture", payload.data(), (DWORD)payload.size(), bytes));
    const Bytes expected = Encode("Bild", "Paint.Picture", payload);
    ASSERT_EQ(expected.size(), (size_t)bytes.GetSize());
    EXPECT_EQ(0, memcmp(expected.data(), bytes.GetData(), expected.size()));

    // A header whose name and class together pass 100 bytes is sized from their lengths.
    const std::string strLong(120, 'n');
    ASSERT_TRUE(CGXOleObjectBytes::Build(strLong.c_str(), "Paint.Picture", payload.data(),
                                         (DWORD)payload.size(), bytes));
    const Bytes expectedLong = Encode(strLong, "Paint.Picture", payload);
    ASSERT_EQ(expectedLong.size(), (size_t)bytes.GetSize());
    EXPECT_EQ(0, memcmp(expectedLong.data(), bytes.GetData(), expectedLong.size()));
}

class OleObjectStorage : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL)));
    }
    void TearDown() override
    {
        ::OleUninitialize();
    }
};

TEST_F(OleObjectStorage, ConvertsOle1StreamsIntoAMemoryStorageAndBack)
{
    const Bytes native = {'H', 'e', 'l', 'v', 'o', 'n', 0, 0xFF, 0x10};
    const Bytes ole1 = Ole1Stream("Helvon.OleBytesTest", native);
    ILockBytes* pLockBytes = NULL;
    IStorage* pStorage = NULL;
    ASSERT_EQ(S_OK, CGXOleObjectBytes::CreateMemoryStorage(&pLockBytes, &pStorage));
    ASSERT_EQ(S_OK, CGXOleObjectBytes::LoadOle1Stream(ole1.data(), (DWORD)ole1.size(), pStorage));

    // The native bytes sit behind their length in the storage's native stream.
    IStream* pNative = NULL;
    ASSERT_EQ(S_OK,
              pStorage->OpenStream(L"\1Ole10Native", NULL, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &pNative));
    BYTE buffer[64] = {};
    ULONG nRead = 0;
    pNative->Read(buffer, sizeof(buffer), &nRead);
    pNative->Release();
    ASSERT_EQ(4 + native.size(), nRead);
    EXPECT_EQ(native.size(), (size_t)buffer[0]);
    EXPECT_EQ(0, memcmp(native.data(), buffer + 4, native.size()));

    CByteArray back;
    ASSERT_EQ(S_OK, CGXOleObjectBytes::SaveOle1Stream(pStorage, back));
    ASSERT_EQ(ole1.size(), (size_t)back.GetSize());
    EXPECT_EQ(0, memcmp(ole1.data(), back.GetData(), ole1.size()));

    EXPECT_EQ(0u, pStorage->Release());
    EXPECT_EQ(0u, pLockBytes->Release());
}

TEST_F(OleObjectStorage, RefusesATruncatedOle1Stream)
{
    const Bytes ole1 = Ole1Stream("Helvon.OleBytesTest", Bytes(40, 7));
    ILockBytes* pLockBytes = NULL;
    IStorage* pStorage = NULL;
    ASSERT_EQ(S_OK, CGXOleObjectBytes::CreateMemoryStorage(&pLockBytes, &pStorage));
    EXPECT_TRUE(FAILED(CGXOleObjectBytes::LoadOle1Stream(ole1.data(), 30, pStorage)));
    pStorage->Release();
    pLockBytes->Release();
}
} // namespace
