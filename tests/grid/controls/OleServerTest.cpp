// An embedded object opened from cell bytes through a test class registered in this process as
// a local server: the object loads the native bytes, is shown with its primary verb, and after
// it saves through its site the cell stores the new bytes when it is left.
#include "ObjectBrowser.h"
#include "TestSupport.h"
#include "grid/controls/OleObjectBytes.h"
#include "grid/controls/HotSpotButton.h"
#include "grid/controls/OlePreview.h"
#include "grid/controls/OleVarUserAttribute.h"
#include "grid/core/BrowserWnd.h"
#include "grid/core/Data.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
typedef std::vector<BYTE> Bytes;

// {7C1D2E40-5A8B-4F3C-9E61-2B7A9C0D4E11}
const CLSID CLSID_TestObject = {0x7c1d2e40, 0x5a8b, 0x4f3c, {0x9e, 0x61, 0x2b, 0x7a, 0x9c, 0x0d, 0x4e, 0x11}};
const char s_szProgId[] = "Helvon.OleTestObject";
const char s_szClsidKey[] = "CLSID\\{7C1D2E40-5A8B-4F3C-9E61-2B7A9C0D4E11}";

LPOLESTR TaskString(LPCWSTR psz)
{
    size_t n = (wcslen(psz) + 1) * sizeof(WCHAR);
    LPOLESTR p = (LPOLESTR)::CoTaskMemAlloc(n);
    memcpy(p, psz, n);
    return p;
}

// A heap object of one interface that deletes itself with its last reference.
template <class I> class CSelfDeleting : public I
{
  public:
    explicit CSelfDeleting(const IID& iid) : m_iid(iid)
    {
    }
    virtual ~CSelfDeleting() = default;
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, m_iid))
        {
            *ppv = static_cast<I*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override
    {
        return ++m_nRefs;
    }
    STDMETHODIMP_(ULONG) Release() override
    {
        ULONG n = --m_nRefs;
        if (n == 0)
            delete this;
        return n;
    }

  private:
    const IID& m_iid;
    ULONG m_nRefs = 1;
};

// The formats of the test data object: only text.
class CTextFormats : public CSelfDeleting<IEnumFORMATETC>
{
  public:
    CTextFormats() : CSelfDeleting(IID_IEnumFORMATETC)
    {
    }
    STDMETHODIMP Next(ULONG nWanted, FORMATETC* pFormats, ULONG* pnGiven) override
    {
        ULONG nGiven = 0;
        if (nWanted > 0 && m_nNext == 0)
        {
            pFormats[0] = FORMATETC{CF_TEXT, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
            m_nNext = 1;
            nGiven = 1;
        }
        if (pnGiven != NULL)
            *pnGiven = nGiven;
        return nGiven == nWanted ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG n) override
    {
        m_nNext += n;
        return m_nNext <= 1 ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override
    {
        m_nNext = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumFORMATETC** ppEnum) override
    {
        CTextFormats* p = new CTextFormats;
        p->m_nNext = m_nNext;
        *ppEnum = p;
        return S_OK;
    }

  private:
    ULONG m_nNext = 0;
};

// What the test object puts on the clipboard: its native bytes as text.
class CTextDataObject : public CSelfDeleting<IDataObject>
{
  public:
    explicit CTextDataObject(const std::string& strText) : CSelfDeleting(IID_IDataObject), m_strText(strText)
    {
    }
    STDMETHODIMP GetData(FORMATETC* pFormat, STGMEDIUM* pMedium) override
    {
        if (QueryGetData(pFormat) != S_OK)
            return DV_E_FORMATETC;
        HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, m_strText.size() + 1);
        memcpy(::GlobalLock(h), m_strText.c_str(), m_strText.size() + 1);
        ::GlobalUnlock(h);
        pMedium->tymed = TYMED_HGLOBAL;
        pMedium->hGlobal = h;
        pMedium->pUnkForRelease = NULL;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP QueryGetData(FORMATETC* pFormat) override
    {
        return pFormat->cfFormat == CF_TEXT && (pFormat->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pOut) override
    {
        pOut->ptd = NULL;
        return E_NOTIMPL;
    }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum) override
    {
        if (dwDirection != DATADIR_GET)
            return E_NOTIMPL;
        *ppEnum = new CTextFormats;
        return S_OK;
    }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    STDMETHODIMP DUnadvise(DWORD) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }

  private:
    std::string m_strText;
};

// The object of the test class: keeps its native bytes in the storage's native stream.
class CTestObject : public IOleObject, public IPersistStorage
{
  public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleObject))
            *ppv = static_cast<IOleObject*>(this);
        else if (IsEqualIID(riid, IID_IPersistStorage) || IsEqualIID(riid, IID_IPersist))
            *ppv = static_cast<IPersistStorage*>(this);
        else
        {
            *ppv = NULL;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override
    {
        return ++m_nRefs;
    }
    STDMETHODIMP_(ULONG) Release() override
    {
        return --m_nRefs;
    }
    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* pSite) override
    {
        if (pSite != NULL)
            pSite->AddRef();
        if (m_pSite != NULL)
            m_pSite->Release();
        m_pSite = pSite;
        return S_OK;
    }
    STDMETHODIMP GetClientSite(IOleClientSite** ppSite) override
    {
        *ppSite = m_pSite;
        if (m_pSite != NULL)
            m_pSite->AddRef();
        return S_OK;
    }
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override
    {
        return S_OK;
    }
    STDMETHODIMP Close(DWORD) override
    {
        m_nCloses++;
        return S_OK;
    }
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject** ppDataObject) override
    {
        *ppDataObject = new CTextDataObject(std::string(m_native.begin(), m_native.end()));
        return S_OK;
    }
    STDMETHODIMP DoVerb(LONG nVerb, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) override
    {
        m_verbs.push_back(nVerb);
        return S_OK;
    }
    STDMETHODIMP EnumVerbs(IEnumOLEVERB**) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP Update() override
    {
        return S_OK;
    }
    STDMETHODIMP IsUpToDate() override
    {
        return S_OK;
    }
    STDMETHODIMP GetUserClassID(CLSID* pClsid) override
    {
        *pClsid = CLSID_TestObject;
        return S_OK;
    }
    STDMETHODIMP GetUserType(DWORD, LPOLESTR* ppsz) override
    {
        *ppsz = TaskString(L"Testobjekt");
        return S_OK;
    }
    STDMETHODIMP SetExtent(DWORD, SIZEL*) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP GetExtent(DWORD, SIZEL*) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP Advise(IAdviseSink* pSink, DWORD* pdwConnection) override
    {
        pSink->AddRef();
        m_pSink = pSink;
        *pdwConnection = 7;
        return S_OK;
    }
    STDMETHODIMP Unadvise(DWORD dwConnection) override
    {
        if (dwConnection != 7 || m_pSink == NULL)
            return OLE_E_NOCONNECTION;
        m_pSink->Release();
        m_pSink = NULL;
        return S_OK;
    }
    STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP GetMiscStatus(DWORD, DWORD* pdwStatus) override
    {
        *pdwStatus = 0;
        return S_OK;
    }
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override
    {
        return E_NOTIMPL;
    }
    // IPersistStorage
    STDMETHODIMP GetClassID(CLSID* pClsid) override
    {
        *pClsid = CLSID_TestObject;
        return S_OK;
    }
    STDMETHODIMP IsDirty() override
    {
        return m_bDirty ? S_OK : S_FALSE;
    }
    STDMETHODIMP InitNew(IStorage*) override
    {
        return S_OK;
    }
    STDMETHODIMP Load(IStorage* pStorage) override
    {
        IStream* pStream = NULL;
        HRESULT hr =
            pStorage->OpenStream(L"\1Ole10Native", NULL, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &pStream);
        if (FAILED(hr))
            return hr;
        DWORD nSize = 0;
        ULONG nRead = 0;
        pStream->Read(&nSize, 4, &nRead);
        m_native.assign(nSize, 0);
        if (nSize > 0)
            pStream->Read(m_native.data(), nSize, &nRead);
        pStream->Release();
        m_nLoads++;
        return S_OK;
    }
    STDMETHODIMP Save(IStorage* pStorage, BOOL) override
    {
        IStream* pStream = NULL;
        HRESULT hr = pStorage->CreateStream(L"\1Ole10Native", STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE,
                                            0, 0, &pStream);
        if (FAILED(hr))
            return hr;
        DWORD nSize = (DWORD)m_native.size();
        pStream->Write(&nSize, 4, NULL);
        pStream->Write(m_native.data(), nSize, NULL);
        pStream->Release();
        return S_OK;
    }
    STDMETHODIMP SaveCompleted(IStorage*) override
    {
        m_bDirty = FALSE;
        return S_OK;
    }
    STDMETHODIMP HandsOffStorage() override
    {
        return S_OK;
    }

    LONG m_nRefs = 0;
    IOleClientSite* m_pSite = NULL;
    IAdviseSink* m_pSink = NULL;
    Bytes m_native;
    std::vector<LONG> m_verbs;
    BOOL m_bDirty = FALSE;
    int m_nLoads = 0;
    int m_nCloses = 0;
};

class CTestFactory : public IClassFactory
{
  public:
    explicit CTestFactory(CTestObject* pObject) : m_pObject(pObject)
    {
    }
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory))
        {
            *ppv = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override
    {
        return 2;
    }
    STDMETHODIMP_(ULONG) Release() override
    {
        return 1;
    }
    STDMETHODIMP CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override
    {
        if (pOuter != NULL)
            return CLASS_E_NOAGGREGATION;
        m_nCreated++;
        return m_pObject->QueryInterface(riid, ppv);
    }
    STDMETHODIMP LockServer(BOOL) override
    {
        return S_OK;
    }
    CTestObject* m_pObject;
    int m_nCreated = 0;
};

// The ProgID and class key under the classes root, removed again at the end.
struct RegisteredClass
{
    RegisteredClass()
    {
        const char szClsid[] = "{7C1D2E40-5A8B-4F3C-9E61-2B7A9C0D4E11}";
        SetKey("Helvon.OleTestObject", "Testobjekt");
        SetKey("Helvon.OleTestObject\\CLSID", szClsid);
        SetKey(s_szClsidKey, "Testobjekt");
        SetKey((std::string(s_szClsidKey) + "\\ProgID").c_str(), s_szProgId);
    }
    ~RegisteredClass()
    {
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "Helvon.OleTestObject");
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, s_szClsidKey);
    }
    static void SetKey(const char* pszKey, const char* pszValue)
    {
        ::RegSetKeyValueA(HKEY_CLASSES_ROOT, pszKey, NULL, REG_SZ, pszValue, (DWORD)strlen(pszValue) + 1);
    }
};

void AppendDWord(Bytes& b, DWORD dw)
{
    for (int i = 0; i < 4; i++)
        b.push_back((BYTE)(dw >> (8 * i)));
}

// An embedded object of the test class in OLE 1 stream form, without a presentation.
Bytes Ole1Stream(const Bytes& native)
{
    Bytes b;
    AppendDWord(b, 0x0501);
    AppendDWord(b, 2);
    AppendDWord(b, sizeof(s_szProgId));
    b.insert(b.end(), s_szProgId, s_szProgId + sizeof(s_szProgId));
    AppendDWord(b, 0);
    AppendDWord(b, 0);
    AppendDWord(b, (DWORD)native.size());
    b.insert(b.end(), native.begin(), native.end());
    AppendDWord(b, 0x0501);
    AppendDWord(b, 0);
    return b;
}

TEST(OleServer, OpensTheStoredObjectAndStoresItsSavedBytes)
{
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL)));
    {
        RegisteredClass registered;
        CTestObject object;
        CTestFactory factory(&object);
        DWORD dwRegister = 0;
        ASSERT_EQ(S_OK, ::CoRegisterClassObject(CLSID_TestObject, &factory, CLSCTX_LOCAL_SERVER,
                                                REGCLS_MULTIPLEUSE, &dwRegister));
        const Bytes native = {'a', 'l', 't', 0, 1};
        const Bytes ole1 = Ole1Stream(native);
        CByteArray cell;
        ASSERT_TRUE(
            CGXOleObjectBytes::Build("Testobjekt", s_szProgId, ole1.data(), (DWORD)ole1.size(), cell));
        ObjectBrowserWindow w;
        w.grid->m_object = ByteVariant(cell.GetData(), cell.GetSize());
        ASSERT_TRUE(EnterCell(*w.grid, 1, 1));
        CGXOlePreview* pPreview = (CGXOlePreview*)w.grid->GetControl(1, 1);
        ASSERT_TRUE(pPreview->IsKindOf(GX_CONTROL_CLASS(CGXOlePreview)));

        pPreview->OnClickedButton(pPreview->m_pButton);
        EXPECT_EQ(1, factory.m_nCreated);
        EXPECT_EQ(1, object.m_nLoads);
        EXPECT_EQ(native, object.m_native);
        EXPECT_EQ(std::vector<LONG>{0}, object.m_verbs);
        ASSERT_TRUE(object.m_pSite != NULL);
        EXPECT_TRUE(object.m_pSink != NULL);
        EXPECT_TRUE(pPreview->GetOpenViewer() != NULL);

        // While open, a second click brings the object forward; copy refuses with a message.
        pPreview->OnClickedButton(pPreview->m_pButton);
        EXPECT_EQ(2u, object.m_verbs.size());
        {
            testing_support::MessageBoxes boxes;
            boxes.Expect(IDOK, "OLE-Ansicht ist bereits");
            EXPECT_FALSE(pPreview->Copy());
            EXPECT_EQ(1u, boxes.Shown().size());
        }
        EXPECT_EQ(3u, object.m_verbs.size());
        EXPECT_EQ(1, factory.m_nCreated);

        // The server changes the object and saves it through its site.
        const Bytes changed = {'n', 'e', 'u', 'e', 's', 0, 9};
        object.m_native = changed;
        object.m_bDirty = TRUE;
        EXPECT_EQ(S_OK, object.m_pSite->SaveObject());
        EXPECT_TRUE(pPreview->GetModify());

        ASSERT_TRUE(EnterCell(*w.grid, 2, 1));
        EXPECT_EQ(1, w.grid->m_nObjectStores);
        EXPECT_TRUE(w.grid->m_bObjectFromViewer);
        ASSERT_EQ(VT_ARRAY | VT_UI1, w.grid->m_object.vt);
        SAFEARRAY* pArray = w.grid->m_object.parray;
        DWORD nSize = pArray->rgsabound[0].cElements;
        const BYTE* pStored = (const BYTE*)pArray->pvData;
        ASSERT_GE(nSize, 24u);
        EXPECT_EQ(0x1C15, pStored[0] | (pStored[1] << 8));
        EXPECT_EQ(20, pStored[12] | (pStored[13] << 8)); // name offset
        WORD nName = (WORD)(pStored[8] | (pStored[9] << 8));
        EXPECT_EQ(20 + nName, pStored[14] | (pStored[15] << 8)); // class right after the name
        EXPECT_STREQ("Testobjekt", (const char*)pStored + 20);
        EXPECT_STREQ(s_szProgId, (const char*)pStored + 20 + nName);
        for (int i = 16; i < 20; i++)
            EXPECT_EQ(0xFF, pStored[i]);
        for (DWORD i = nSize - 4; i < nSize; i++)
            EXPECT_EQ(0, pStored[i]);

        // The stored OLE 1 stream carries the changed native bytes.
        CString strClass;
        DWORD nOffset = 0, nPayload = 0;
        ASSERT_TRUE(CGXOleObjectBytes::Parse(pStored, nSize, strClass, nOffset, nPayload));
        ILockBytes* pLockBytes = NULL;
        IStorage* pStorage = NULL;
        ASSERT_EQ(S_OK, CGXOleObjectBytes::CreateMemoryStorage(&pLockBytes, &pStorage));
        ASSERT_EQ(S_OK, CGXOleObjectBytes::LoadOle1Stream(pStored + nOffset, nPayload, pStorage));
        CTestObject reader;
        EXPECT_EQ(S_OK, reader.Load(pStorage));
        EXPECT_EQ(changed, reader.m_native);
        pStorage->Release();
        pLockBytes->Release();

        ::CoRevokeClassObject(dwRegister);
    }
    ::OleUninitialize();
}

TEST(OleServer, CopyAndCutPutTheLiveObjectsDataOnTheClipboard)
{
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL)));
    {
        RegisteredClass registered;
        CTestObject object;
        CTestFactory factory(&object);
        DWORD dwRegister = 0;
        ASSERT_EQ(S_OK, ::CoRegisterClassObject(CLSID_TestObject, &factory, CLSCTX_LOCAL_SERVER,
                                                REGCLS_MULTIPLEUSE, &dwRegister));
        const Bytes native = {'I', 'n', 'h', 'a', 'l', 't'};
        const Bytes ole1 = Ole1Stream(native);
        CByteArray cell;
        ASSERT_TRUE(
            CGXOleObjectBytes::Build("Testobjekt", s_szProgId, ole1.data(), (DWORD)ole1.size(), cell));
        ObjectBrowserWindow w;
        w.grid->m_object = ByteVariant(cell.GetData(), cell.GetSize());
        ASSERT_TRUE(EnterCell(*w.grid, 1, 1));
        CGXOlePreview* pPreview = (CGXOlePreview*)w.grid->GetControl(1, 1);
        ASSERT_TRUE(pPreview->IsKindOf(GX_CONTROL_CLASS(CGXOlePreview)));
        ASSERT_TRUE(pPreview->CanCopy());

        testing_support::PutClipboardText("vorher");
        {
            testing_support::MessageBoxes boxes;
            EXPECT_TRUE(pPreview->Copy());
            EXPECT_TRUE(boxes.Shown().empty());
        }
        EXPECT_EQ(std::string("Inhalt"), testing_support::ClipboardText());
        EXPECT_EQ(1, object.m_nLoads);
        EXPECT_EQ(1, object.m_nCloses);
        EXPECT_TRUE(pPreview->GetOpenViewer() == NULL);
        EXPECT_EQ(0, w.grid->m_nObjectStores);

        // Cut puts it there too and leaves the cell empty once it is stored.
        testing_support::PutClipboardText("vorher");
        object.m_native = {'z', 'w', 'e', 'i'};
        {
            testing_support::MessageBoxes boxes;
            EXPECT_TRUE(pPreview->Cut());
            EXPECT_TRUE(boxes.Shown().empty());
        }
        EXPECT_EQ(std::string("Inhalt"), testing_support::ClipboardText()); // loaded from the cell
        EXPECT_TRUE(pPreview->GetModify());
        ASSERT_TRUE(EnterCell(*w.grid, 2, 1));
        EXPECT_EQ(1, w.grid->m_nObjectStores);
        EXPECT_TRUE(w.grid->m_object.vt == VT_EMPTY || w.grid->m_object.vt == VT_NULL) << w.grid->m_object.vt;

        ::CoRevokeClassObject(dwRegister);
    }
    ::OleUninitialize();
}

// Answers the insert-object dialog of this thread once it shows: chooses the test class in its
// list and presses OK.
void CALLBACK ChooseTestClass(HWND, UINT, UINT_PTR nID, DWORD)
{
    HWND hDialog = testing_support::FindThreadWindow("#32770");
    if (hDialog == NULL)
        return;
    ::KillTimer(NULL, nID);
    HWND hList = ::FindWindowExA(hDialog, NULL, "ListBox", NULL);
    int nItem = (int)::SendMessageA(hList, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM) "Testobjekt");
    ::SendMessageA(hList, LB_SETCURSEL, nItem, 0);
    ::SendMessageA(hDialog, WM_COMMAND, MAKEWPARAM(LOWORD(::GetDlgCtrlID(hList)), LBN_SELCHANGE),
                   (LPARAM)hList);
    ::PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(hDialog, IDOK));
}

TEST(OleServer, AnEmptyCellInsertsANewObjectChosenInTheDialog)
{
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL)));
    {
        RegisteredClass registered;
        RegisteredClass::SetKey((std::string(s_szClsidKey) + "\\Insertable").c_str(), "");
        CTestObject object;
        CTestFactory factory(&object);
        DWORD dwRegister = 0;
        ASSERT_EQ(S_OK, ::CoRegisterClassObject(CLSID_TestObject, &factory, CLSCTX_LOCAL_SERVER,
                                                REGCLS_MULTIPLEUSE, &dwRegister));
        ObjectBrowserWindow w;
        ASSERT_TRUE(EnterCell(*w.grid, 1, 1));
        CGXOlePreview* pPreview = (CGXOlePreview*)w.grid->GetControl(1, 1);
        ASSERT_TRUE(pPreview->IsKindOf(GX_CONTROL_CLASS(CGXOlePreview)));
        UINT_PTR nTimer = ::SetTimer(NULL, 0, 100, ChooseTestClass);
        {
            testing_support::MessageBoxes boxes;
            pPreview->OnClickedButton(pPreview->m_pButton);
            EXPECT_TRUE(boxes.Shown().empty());
        }
        ::KillTimer(NULL, nTimer);
        EXPECT_EQ(1, factory.m_nCreated);
        EXPECT_EQ(std::vector<LONG>{0}, object.m_verbs);
        EXPECT_TRUE(object.m_pSite != NULL);
        EXPECT_TRUE(object.m_pSink != NULL);
        EXPECT_TRUE(pPreview->GetOpenViewer() != NULL);
        EXPECT_FALSE(w.grid->m_bViewerPopup);
        EXPECT_TRUE(w.grid->m_bAfterViewerPopup);

        // The new object's bytes reach the cell when it saves and the cell is left.
        object.m_native = {'n', 'e', 'u'};
        object.m_bDirty = TRUE;
        EXPECT_EQ(S_OK, object.m_pSite->SaveObject());
        ASSERT_TRUE(EnterCell(*w.grid, 2, 1));
        EXPECT_EQ(1, w.grid->m_nObjectStores);
        EXPECT_EQ(VT_ARRAY | VT_UI1, w.grid->m_object.vt);

        ::CoRevokeClassObject(dwRegister);
    }
    ::OleUninitialize();
}
} // namespace
