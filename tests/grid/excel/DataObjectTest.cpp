// The clipboard data object and its format enumerator, held directly.
#include "grid/excel/DataObjectImpl.h"
#include "grid/excel/EnumFormatEtc.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace
{
const char kText[] = "1\tText\r\n2\t4\r\n";
const BYTE kStreamBytes[] = {0x09, 0x08, 0x10, 0x00, 0x00, 0x06};

// A nameless compound file with a "Workbook" stream, as a copy makes it.
IStorage* MakeStorage()
{
    IStorage* pStorage = NULL;
    EXPECT_EQ(S_OK, ::StgCreateDocfile(NULL, 0x4000012, 0, &pStorage));
    if (pStorage == NULL)
        return NULL;
    IStream* pStream = NULL;
    EXPECT_EQ(S_OK, pStorage->CreateStream(L"Workbook", 18, 0, 0, &pStream));
    if (pStream != NULL)
    {
        pStream->Write(kStreamBytes, sizeof(kStreamBytes), NULL);
        pStream->Release();
    }
    return pStorage;
}

HGLOBAL MakeText()
{
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(kText));
    memcpy(::GlobalLock(h), kText, sizeof(kText));
    ::GlobalUnlock(h);
    return h;
}

std::string TextOf(HGLOBAL h)
{
    std::string s((const char*)::GlobalLock(h));
    ::GlobalUnlock(h);
    return s;
}

// The stream "Workbook" of a storage, read whole.
std::string StreamOfStorage(IStorage* pStorage)
{
    IStream* pStream = NULL;
    if (pStorage->OpenStream(L"Workbook", NULL, 16, 0, &pStream) != S_OK)
        return "(no stream)";
    char buf[64] = {};
    ULONG nRead = 0;
    pStream->Read(buf, sizeof(buf), &nRead);
    pStream->Release();
    return std::string(buf, nRead);
}

FORMATETC Request(CLIPFORMAT cf, DWORD tymed)
{
    FORMATETC fe = {cf, NULL, DVASPECT_CONTENT, -1, tymed};
    return fe;
}

class DataObject : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL)));
        m_pStorage = MakeStorage();
        ASSERT_NE(nullptr, m_pStorage);
        m_pStorage->AddRef(); // the test's own, to watch the object's reference
        m_pObject = new CGXDataObjectImpl(m_pStorage, MakeText());
        m_pObject->AddRef();
    }
    void TearDown() override
    {
        if (m_pObject != NULL)
            m_pObject->Release();
        if (m_pStorage != NULL)
            m_pStorage->Release();
        ::OleUninitialize();
    }
    IEnumFORMATETC* Enumerator()
    {
        IEnumFORMATETC* pEnum = NULL;
        EXPECT_EQ(S_OK, m_pObject->EnumFormatEtc(DATADIR_GET, &pEnum));
        return pEnum;
    }

    IStorage* m_pStorage = NULL;
    IDataObject* m_pObject = NULL;
};

const CLIPFORMAT kBiff8 = (CLIPFORMAT)::RegisterClipboardFormatA("BIFF8");

TEST_F(DataObject, EnumeratesTheWorkbookBeforeTheText)
{
    IEnumFORMATETC* pEnum = Enumerator();
    ASSERT_NE(nullptr, pEnum);
    FORMATETC got[5] = {};
    ULONG nFetched = 99;
    EXPECT_EQ(S_FALSE, pEnum->Next(5, got, &nFetched));
    ASSERT_EQ(2u, nFetched);
    const FORMATETC expected[] = {{kBiff8, NULL, DVASPECT_CONTENT, -1, TYMED_ISTORAGE},
                                  {CF_TEXT, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}};
    for (int i = 0; i < 2; i++)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i].cfFormat, got[i].cfFormat);
        EXPECT_EQ(nullptr, got[i].ptd);
        EXPECT_EQ(expected[i].dwAspect, got[i].dwAspect);
        EXPECT_EQ(-1, got[i].lindex);
        EXPECT_EQ(expected[i].tymed, got[i].tymed);
    }
    // At the end: nothing more, and the fetched count is cleared.
    nFetched = 99;
    EXPECT_EQ(S_FALSE, pEnum->Next(1, got, &nFetched));
    EXPECT_EQ(0u, nFetched);
    EXPECT_EQ(S_OK, pEnum->Reset());
    EXPECT_EQ(S_OK, pEnum->Next(1, got, NULL));
    EXPECT_EQ(kBiff8, got[0].cfFormat);
    // Without a fetched count only one at a time.
    EXPECT_EQ(E_POINTER, pEnum->Next(2, got, NULL));
    EXPECT_EQ(S_OK, pEnum->Next(1, got, NULL));
    EXPECT_EQ(CF_TEXT, got[0].cfFormat);
    pEnum->Release();
}

TEST_F(DataObject, SkipPastTheEndKeepsThePositionAndCloneKeepsIt)
{
    IEnumFORMATETC* pEnum = Enumerator();
    ASSERT_NE(nullptr, pEnum);
    EXPECT_EQ(S_FALSE, pEnum->Skip(3));
    FORMATETC got = {};
    EXPECT_EQ(S_OK, pEnum->Next(1, &got, NULL));
    EXPECT_EQ(kBiff8, got.cfFormat);
    EXPECT_EQ(S_FALSE, pEnum->Skip(2));
    EXPECT_EQ(S_OK, pEnum->Skip(1)); // to the end exactly

    EXPECT_EQ(S_OK, pEnum->Reset());
    EXPECT_EQ(S_OK, pEnum->Skip(1));
    IEnumFORMATETC* pClone = NULL;
    ASSERT_EQ(S_OK, pEnum->Clone(&pClone));
    ASSERT_NE(nullptr, pClone);
    FORMATETC two[2] = {};
    ULONG nFetched = 0;
    EXPECT_EQ(S_FALSE, pClone->Next(2, two, &nFetched));
    EXPECT_EQ(1u, nFetched);
    EXPECT_EQ(CF_TEXT, two[0].cfFormat);
    // The clone moves on its own: the original still stands at the second format.
    EXPECT_EQ(S_OK, pEnum->Next(1, &got, NULL));
    EXPECT_EQ(CF_TEXT, got.cfFormat);
    EXPECT_EQ(0u, pClone->Release());
    pEnum->Release();
}

TEST_F(DataObject, EveryRequestGetsAMediumOfItsOwn)
{
    FORMATETC fe = Request(kBiff8, TYMED_ISTORAGE);
    STGMEDIUM a = {}, b = {};
    ASSERT_EQ(S_OK, m_pObject->GetData(&fe, &a));
    ASSERT_EQ(S_OK, m_pObject->GetData(&fe, &b));
    EXPECT_EQ((DWORD)TYMED_ISTORAGE, a.tymed);
    EXPECT_EQ(m_pStorage, a.pstg);
    EXPECT_EQ(nullptr, a.pUnkForRelease);
    ::ReleaseStgMedium(&a);
    ::ReleaseStgMedium(&b);
    EXPECT_EQ(std::string((const char*)kStreamBytes, sizeof(kStreamBytes)), StreamOfStorage(m_pStorage));

    fe = Request(CF_TEXT, TYMED_HGLOBAL);
    ASSERT_EQ(S_OK, m_pObject->GetData(&fe, &a));
    ASSERT_EQ(S_OK, m_pObject->GetData(&fe, &b));
    EXPECT_EQ((DWORD)TYMED_HGLOBAL, a.tymed);
    ASSERT_NE(a.hGlobal, b.hGlobal);
    EXPECT_EQ(kText, TextOf(a.hGlobal));
    ((char*)::GlobalLock(a.hGlobal))[0] = 'X';
    ::GlobalUnlock(a.hGlobal);
    EXPECT_EQ(kText, TextOf(b.hGlobal));
    ::ReleaseStgMedium(&a);
    ::ReleaseStgMedium(&b);

    // Both released, the object still hands out whole media.
    ASSERT_EQ(S_OK, m_pObject->GetData(&fe, &a));
    EXPECT_EQ(kText, TextOf(a.hGlobal));
    ::ReleaseStgMedium(&a);
}

TEST_F(DataObject, AnswersByTheMediumAskedFor)
{
    struct Case
    {
        CLIPFORMAT cf;
        DWORD tymed;
        HRESULT hr;
        DWORD tymedGot;
    };
    const Case cases[] = {
        {CF_TEXT, TYMED_ISTORAGE, S_OK, TYMED_ISTORAGE}, // the format number is not compared
        {kBiff8, TYMED_HGLOBAL, S_OK, TYMED_HGLOBAL},
        {CF_TEXT, TYMED_HGLOBAL | TYMED_ISTORAGE, S_OK, TYMED_ISTORAGE},
        {CF_TEXT, TYMED_FILE | TYMED_ISTREAM, DV_E_FORMATETC, TYMED_NULL},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.tymed);
        FORMATETC fe = Request(c.cf, c.tymed);
        STGMEDIUM m;
        memset(&m, 0xCC, sizeof(m));
        EXPECT_EQ(c.hr, m_pObject->GetData(&fe, &m));
        EXPECT_EQ(c.tymedGot, m.tymed);
        if (c.hr == S_OK)
            ::ReleaseStgMedium(&m);
    }
    FORMATETC fe = Request(kBiff8, TYMED_ISTORAGE);
    EXPECT_EQ(E_POINTER, m_pObject->GetData(&fe, NULL));
    STGMEDIUM m = {};
    EXPECT_EQ(E_NOTIMPL, m_pObject->GetDataHere(&fe, &m));
    EXPECT_EQ(E_NOTIMPL, m_pObject->QueryGetData(&fe));
    FORMATETC out = {};
    EXPECT_EQ(E_NOTIMPL, m_pObject->GetCanonicalFormatEtc(&fe, &out));
    EXPECT_EQ(E_NOTIMPL, m_pObject->SetData(&fe, &m, FALSE));
}

TEST_F(DataObject, NamesItsInterfaces)
{
    void* p = NULL;
    EXPECT_EQ(S_OK, m_pObject->QueryInterface(IID_IUnknown, &p));
    EXPECT_EQ((void*)m_pObject, p);
    EXPECT_EQ(S_OK, m_pObject->QueryInterface(IID_IDataObject, &p));
    EXPECT_EQ((void*)m_pObject, p);
    // Two references added: the count stands at three.
    EXPECT_EQ(4u, m_pObject->AddRef());
    EXPECT_EQ(3u, m_pObject->Release());
    m_pObject->Release();
    m_pObject->Release();
    p = (void*)1;
    EXPECT_EQ(E_NOINTERFACE, m_pObject->QueryInterface(IID_IEnumFORMATETC, &p));
    EXPECT_EQ(nullptr, p);

    IEnumFORMATETC* pEnum = Enumerator();
    ASSERT_NE(nullptr, pEnum);
    EXPECT_EQ(S_OK, pEnum->QueryInterface(IID_IEnumFORMATETC, &p));
    EXPECT_EQ((void*)pEnum, p);
    pEnum->Release();
    p = (void*)1;
    EXPECT_EQ(E_NOINTERFACE, pEnum->QueryInterface(IID_IDataObject, &p));
    EXPECT_EQ(nullptr, p);
    pEnum->Release();
}

// A sink that only counts its references.
class CountingSink : public IAdviseSink
{
  public:
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IAdviseSink)
        {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override
    {
        return ++m_nRef;
    }
    STDMETHOD_(ULONG, Release)() override
    {
        return --m_nRef;
    }
    STDMETHOD_(void, OnDataChange)(FORMATETC*, STGMEDIUM*) override
    {
    }
    STDMETHOD_(void, OnViewChange)(DWORD, LONG) override
    {
    }
    STDMETHOD_(void, OnRename)(IMoniker*) override
    {
    }
    STDMETHOD_(void, OnSave)() override
    {
    }
    STDMETHOD_(void, OnClose)() override
    {
    }
    ULONG m_nRef = 1;
};

TEST_F(DataObject, AdvisesThroughAHolderMadeOnFirstUse)
{
    EXPECT_EQ(OLE_E_NOCONNECTION, m_pObject->DUnadvise(1));
    IEnumSTATDATA* pEnum = (IEnumSTATDATA*)1;
    EXPECT_EQ(E_FAIL, m_pObject->EnumDAdvise(&pEnum));

    CountingSink sink;
    FORMATETC fe = Request(kBiff8, TYMED_ISTORAGE);
    DWORD dwConnection = 0;
    ASSERT_EQ(S_OK, m_pObject->DAdvise(&fe, ADVF_NODATA, &sink, &dwConnection));
    EXPECT_NE(0u, dwConnection);
    EXPECT_GT(sink.m_nRef, 1u);

    pEnum = NULL;
    ASSERT_EQ(S_OK, m_pObject->EnumDAdvise(&pEnum));
    ASSERT_NE(nullptr, pEnum);
    STATDATA sd[2] = {};
    ULONG nFetched = 0;
    pEnum->Next(2, sd, &nFetched);
    EXPECT_EQ(1u, nFetched);
    EXPECT_EQ(dwConnection, sd[0].dwConnection);
    for (ULONG i = 0; i < nFetched; i++)
        if (sd[i].pAdvSink != NULL)
            sd[i].pAdvSink->Release();
    pEnum->Release();

    EXPECT_EQ(S_OK, m_pObject->DUnadvise(dwConnection));
    EXPECT_EQ(1u, sink.m_nRef);
    EXPECT_EQ(OLE_E_NOCONNECTION, m_pObject->DUnadvise(dwConnection));
}

TEST_F(DataObject, TheLastReleaseLetsGoOfStorageAndEnumerator)
{
    IEnumFORMATETC* pEnum = Enumerator();
    ASSERT_NE(nullptr, pEnum);
    EXPECT_EQ(0u, m_pObject->Release());
    m_pObject = NULL;
    // Only the test's references are left.
    EXPECT_EQ(0u, pEnum->Release());
    EXPECT_EQ(0u, m_pStorage->Release());
    m_pStorage = NULL;
}
} // namespace
