// COleDataSource: formats held for the clipboard and for drags, rendered now or on request.
#include "OleDataSource.h"
#include "OleDropSource.h"
#include "SharedFile.h"
#include "Wnd.h"

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)

COleDataSource* COleDataSource::s_pClipboardSource = NULL;

namespace
{
// The formats a source offers, copied when enumeration starts.
class CFormatEnumerator : public IEnumFORMATETC
{
  public:
    CFormatEnumerator(const std::vector<FORMATETC>& formats, size_t nNext)
        : m_formats(formats), m_nNext(nNext)
    {
    }
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IEnumFORMATETC)
        {
            *ppv = static_cast<IEnumFORMATETC*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override
    {
        return ::InterlockedIncrement(&m_nRef);
    }
    STDMETHOD_(ULONG, Release)() override
    {
        LONG nRef = ::InterlockedDecrement(&m_nRef);
        if (nRef == 0)
            delete this;
        return nRef;
    }
    STDMETHOD(Next)(ULONG celt, FORMATETC* rgelt, ULONG* pceltFetched) override
    {
        ULONG nFetched = 0;
        while (nFetched < celt && m_nNext < m_formats.size())
            rgelt[nFetched++] = m_formats[m_nNext++];
        if (pceltFetched != NULL)
            *pceltFetched = nFetched;
        return nFetched == celt ? S_OK : S_FALSE;
    }
    STDMETHOD(Skip)(ULONG celt) override
    {
        m_nNext += celt;
        if (m_nNext <= m_formats.size())
            return S_OK;
        m_nNext = m_formats.size();
        return S_FALSE;
    }
    STDMETHOD(Reset)() override
    {
        m_nNext = 0;
        return S_OK;
    }
    STDMETHOD(Clone)(IEnumFORMATETC** ppEnum) override
    {
        *ppEnum = new CFormatEnumerator(m_formats, m_nNext);
        return S_OK;
    }

  private:
    virtual ~CFormatEnumerator()
    {
    }
    std::vector<FORMATETC> m_formats;
    size_t m_nNext;
    LONG m_nRef = 1;
};

// A copy of a held medium for a receiver, who releases it.
HRESULT CopyMedium(CLIPFORMAT cfFormat, const STGMEDIUM& source, LPSTGMEDIUM lpTarget)
{
    *lpTarget = source;
    lpTarget->pUnkForRelease = NULL;
    switch (source.tymed)
    {
    case TYMED_HGLOBAL:
    case TYMED_GDI:
    case TYMED_MFPICT:
    case TYMED_ENHMF:
        lpTarget->hGlobal = static_cast<HGLOBAL>(::OleDuplicateData(source.hGlobal, cfFormat, GMEM_MOVEABLE));
        return lpTarget->hGlobal != NULL ? S_OK : E_OUTOFMEMORY;
    case TYMED_ISTREAM:
        lpTarget->pstm->AddRef();
        return S_OK;
    case TYMED_ISTORAGE:
        lpTarget->pstg->AddRef();
        return S_OK;
    default:
        memset(lpTarget, 0, sizeof(STGMEDIUM));
        return DV_E_TYMED;
    }
}
} // namespace

COleDataSource::COleDataSource() : m_dwRef(1)
{
    m_xDataObject.m_pOwner = this;
}

COleDataSource::~COleDataSource()
{
    if (s_pClipboardSource == this && m_dwRef != 0)
    {
        // Deleted while the clipboard holds us: its release must not delete us again.
        s_pClipboardSource = NULL;
        m_dwRef = 0x10000;
        ::OleSetClipboard(NULL);
    }
    Empty();
}

void COleDataSource::AddEntry(const FORMATETC& format, const STGMEDIUM& medium)
{
    Entry* pEntry = Find(&format);
    if (pEntry != NULL && pEntry->format.tymed == format.tymed)
    {
        // A format given again replaces the old data.
        if (pEntry->medium.tymed != TYMED_NULL)
            ::ReleaseStgMedium(&pEntry->medium);
        pEntry->medium = medium;
        return;
    }
    Entry entry;
    entry.format = format;
    entry.format.ptd = NULL;
    entry.medium = medium;
    m_entries.push_back(entry);
}

void COleDataSource::CacheData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    FORMATETC buffer;
    FORMATETC format = *AfxFillFormatEtc(lpFormatEtc, cfFormat, &buffer, lpStgMedium->tymed);
    format.tymed = lpStgMedium->tymed;
    AddEntry(format, *lpStgMedium);
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc)
{
    STGMEDIUM medium = {};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = hGlobal;
    CacheData(cfFormat, &medium, lpFormatEtc);
}

void COleDataSource::DelayRenderData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    FORMATETC buffer;
    STGMEDIUM medium = {};
    medium.tymed = TYMED_NULL;
    AddEntry(*AfxFillFormatEtc(lpFormatEtc, cfFormat, &buffer, TYMED_HGLOBAL), medium);
}

void COleDataSource::DelayRenderFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    FORMATETC buffer;
    STGMEDIUM medium = {};
    medium.tymed = TYMED_NULL;
    AddEntry(*AfxFillFormatEtc(lpFormatEtc, cfFormat, &buffer, TYMED_HGLOBAL | TYMED_ISTREAM), medium);
}

void COleDataSource::Empty()
{
    for (Entry& entry : m_entries)
        if (entry.medium.tymed != TYMED_NULL)
            ::ReleaseStgMedium(&entry.medium);
    m_entries.clear();
}

COleDataSource::Entry* COleDataSource::Find(const FORMATETC* lpFormatEtc)
{
    for (Entry& entry : m_entries)
        if (entry.format.cfFormat == lpFormatEtc->cfFormat &&
            entry.format.dwAspect == lpFormatEtc->dwAspect && (entry.format.tymed & lpFormatEtc->tymed) != 0)
            return &entry;
    return NULL;
}

void COleDataSource::SetClipboard()
{
    if (FAILED(::OleSetClipboard(&m_xDataObject)))
        return;
    // The clipboard's reference is now the one that keeps us.
    s_pClipboardSource = this;
    InternalRelease();
}

void PASCAL COleDataSource::FlushClipboard()
{
    if (GetClipboardOwner() != NULL)
        ::OleFlushClipboard();
}

COleDataSource* PASCAL COleDataSource::GetClipboardOwner()
{
    if (s_pClipboardSource != NULL && ::OleIsCurrentClipboard(&s_pClipboardSource->m_xDataObject) != S_OK)
        s_pClipboardSource = NULL;
    return s_pClipboardSource;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT lpRectStartDrag, COleDropSource* pDropSource)
{
    COleDropSource defaultSource;
    if (pDropSource == NULL)
        pDropSource = &defaultSource;
    if (lpRectStartDrag != NULL)
    {
        pDropSource->m_rectStartDrag = *lpRectStartDrag;
        HWND hWnd = ::GetCapture() != NULL ? ::GetCapture() : ::GetFocus();
        if (!pDropSource->OnBeginDrag(CWnd::FromHandle(hWnd)))
            return DROPEFFECT_NONE;
    }
    pDropSource->m_bDragStarted = TRUE;
    DWORD dwEffect = DROPEFFECT_NONE;
    InternalAddRef();
    HRESULT hr = ::DoDragDrop(&m_xDataObject, pDropSource->GetDropSource(), dwEffects, &dwEffect);
    pDropSource->m_bDragStarted = FALSE;
    InternalRelease();
    return hr == DRAGDROP_S_DROP ? dwEffect : DROPEFFECT_NONE;
}

LPDATAOBJECT COleDataSource::GetDataObject(BOOL bAddRef)
{
    if (bAddRef)
        InternalAddRef();
    return &m_xDataObject;
}

DWORD COleDataSource::InternalAddRef()
{
    return ::InterlockedIncrement(&m_dwRef);
}

DWORD COleDataSource::InternalRelease()
{
    LONG nRef = ::InterlockedDecrement(&m_dwRef);
    if (nRef == 0)
    {
        // The last reference going means the clipboard let us go (or never had us).
        if (s_pClipboardSource == this)
            s_pClipboardSource = NULL;
        delete this;
    }
    return nRef;
}

BOOL COleDataSource::OnRenderData(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium)
{
    if (lpFormatEtc->tymed & TYMED_HGLOBAL)
    {
        HGLOBAL hGlobal = NULL;
        if (!OnRenderGlobalData(lpFormatEtc, &hGlobal) || hGlobal == NULL)
        {
            CSharedFile file;
            if (!OnRenderFileData(lpFormatEtc, &file))
                return FALSE;
            hGlobal = file.Detach();
        }
        lpStgMedium->tymed = TYMED_HGLOBAL;
        lpStgMedium->hGlobal = hGlobal;
        lpStgMedium->pUnkForRelease = NULL;
        return hGlobal != NULL;
    }
    if (lpFormatEtc->tymed & TYMED_ISTREAM)
    {
        CSharedFile file;
        if (!OnRenderFileData(lpFormatEtc, &file))
            return FALSE;
        LPSTREAM pStream = NULL;
        HGLOBAL hGlobal = file.Detach();
        if (FAILED(::CreateStreamOnHGlobal(hGlobal, TRUE, &pStream)))
        {
            ::GlobalFree(hGlobal);
            return FALSE;
        }
        lpStgMedium->tymed = TYMED_ISTREAM;
        lpStgMedium->pstm = pStream;
        lpStgMedium->pUnkForRelease = NULL;
        return TRUE;
    }
    return FALSE;
}

BOOL COleDataSource::OnRenderGlobalData(LPFORMATETC, HGLOBAL*)
{
    return FALSE;
}

BOOL COleDataSource::OnRenderFileData(LPFORMATETC, CFile*)
{
    return FALSE;
}

HRESULT COleDataSource::Render(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium)
{
    memset(lpStgMedium, 0, sizeof(STGMEDIUM));
    if (lpFormatEtc->lindex != -1)
        return DV_E_LINDEX;
    Entry* pEntry = Find(lpFormatEtc);
    if (pEntry == NULL)
        return DV_E_FORMATETC;
    if (pEntry->medium.tymed != TYMED_NULL)
        return CopyMedium(pEntry->format.cfFormat, pEntry->medium, lpStgMedium);
    // Delayed: ask on the media both sides accept.
    FORMATETC format = *lpFormatEtc;
    format.tymed &= pEntry->format.tymed;
    if (!OnRenderData(&format, lpStgMedium))
    {
        memset(lpStgMedium, 0, sizeof(STGMEDIUM));
        return DV_E_FORMATETC;
    }
    return S_OK;
}

STDMETHODIMP COleDataSource::XDataObject::QueryInterface(REFIID riid, void** ppv)
{
    if (riid == IID_IUnknown || riid == IID_IDataObject)
    {
        *ppv = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDataSource::XDataObject::AddRef()
{
    return m_pOwner->InternalAddRef();
}

STDMETHODIMP_(ULONG) COleDataSource::XDataObject::Release()
{
    return m_pOwner->InternalRelease();
}

STDMETHODIMP COleDataSource::XDataObject::GetData(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium)
{
    return AfxCallFromWin32<HRESULT>(E_UNEXPECTED,
                                     [&] { return m_pOwner->Render(lpFormatEtc, lpStgMedium); });
}

STDMETHODIMP COleDataSource::XDataObject::GetDataHere(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium)
{
    // Only into a stream the caller gave: our data written to it.
    if (lpStgMedium->tymed != TYMED_ISTREAM || lpStgMedium->pstm == NULL)
        return DV_E_TYMED;
    FORMATETC format = *lpFormatEtc;
    format.tymed = TYMED_HGLOBAL;
    STGMEDIUM medium;
    HRESULT hr = AfxCallFromWin32<HRESULT>(E_UNEXPECTED, [&] { return m_pOwner->Render(&format, &medium); });
    if (FAILED(hr))
        return hr;
    SIZE_T nSize = ::GlobalSize(medium.hGlobal);
    void* p = ::GlobalLock(medium.hGlobal);
    hr = p != NULL ? lpStgMedium->pstm->Write(p, static_cast<ULONG>(nSize), NULL) : E_OUTOFMEMORY;
    if (p != NULL)
        ::GlobalUnlock(medium.hGlobal);
    ::ReleaseStgMedium(&medium);
    return hr;
}

STDMETHODIMP COleDataSource::XDataObject::QueryGetData(LPFORMATETC lpFormatEtc)
{
    if (lpFormatEtc->lindex != -1)
        return DV_E_LINDEX;
    return m_pOwner->Find(lpFormatEtc) != NULL ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP COleDataSource::XDataObject::GetCanonicalFormatEtc(LPFORMATETC, LPFORMATETC lpFormatOut)
{
    if (lpFormatOut != NULL)
        lpFormatOut->ptd = NULL;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP COleDataSource::XDataObject::SetData(LPFORMATETC, LPSTGMEDIUM, BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::XDataObject::EnumFormatEtc(DWORD dwDirection, LPENUMFORMATETC* ppEnum)
{
    *ppEnum = NULL;
    if (dwDirection != DATADIR_GET)
        return E_NOTIMPL;
    std::vector<FORMATETC> formats;
    for (const Entry& entry : m_pOwner->m_entries)
        formats.push_back(entry.format);
    *ppEnum = new CFormatEnumerator(formats, 0);
    return S_OK;
}

STDMETHODIMP COleDataSource::XDataObject::DAdvise(LPFORMATETC, DWORD, LPADVISESINK, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::XDataObject::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::XDataObject::EnumDAdvise(LPENUMSTATDATA*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}
