#include "DataObjectImpl.h"
#include "EnumFormatEtc.h"
#include "grid/excel/ExcelClipHandler.h"
#include <cstring>
#include <new>

namespace
{
// The formats offered, in the order they are enumerated; a null name stands for CF_TEXT.
struct OfferedFormat
{
    const char* pszName;
    DWORD tymed;
};
const OfferedFormat kOffered[] = {
    {GX_EXCEL_CLIPFORMAT, TYMED_ISTORAGE},
    {NULL, TYMED_HGLOBAL},
};

// A copy of a memory block, so that every receiver owns and frees its own.
HGLOBAL CopyBlock(HGLOBAL hSource)
{
    SIZE_T nSize = ::GlobalSize(hSource);
    const void* pSource = ::GlobalLock(hSource);
    if (pSource == NULL)
        return NULL;
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, nSize);
    void* pCopy = hCopy != NULL ? ::GlobalLock(hCopy) : NULL;
    if (pCopy != NULL)
    {
        memcpy(pCopy, pSource, nSize);
        ::GlobalUnlock(hCopy);
    }
    else if (hCopy != NULL)
    {
        ::GlobalFree(hCopy);
        hCopy = NULL;
    }
    ::GlobalUnlock(hSource);
    return hCopy;
}
} // namespace

CGXDataObjectImpl::CGXDataObjectImpl(IStorage* pStorage, HGLOBAL hText) : m_pStorage(pStorage), m_hText(hText)
{
    FORMATETC formats[sizeof(kOffered) / sizeof(kOffered[0])];
    DWORD nCount = 0;
    for (const OfferedFormat& f : kOffered)
    {
        FORMATETC& fe = formats[nCount++];
        fe.cfFormat = (CLIPFORMAT)(f.pszName != NULL ? ::RegisterClipboardFormatA(f.pszName) : CF_TEXT);
        fe.ptd = NULL;
        fe.dwAspect = DVASPECT_CONTENT;
        fe.lindex = -1;
        fe.tymed = f.tymed;
    }
    m_pEnum = new (std::nothrow) CGXEnumFormatEtc(formats, nCount);
    if (m_pEnum != NULL)
        m_pEnum->AddRef();
}

CGXDataObjectImpl::~CGXDataObjectImpl()
{
    if (m_pEnum != NULL)
        m_pEnum->Release();
    if (m_pAdviseHolder != NULL)
        m_pAdviseHolder->Release();
    if (m_pStorage != NULL)
        m_pStorage->Release();
    if (m_hText != NULL)
        ::GlobalFree(m_hText);
}

STDMETHODIMP CGXDataObjectImpl::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDataObject)
    {
        *ppv = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CGXDataObjectImpl::AddRef()
{
    return ++m_nRef;
}

STDMETHODIMP_(ULONG) CGXDataObjectImpl::Release()
{
    ULONG nRef = --m_nRef;
    if (nRef == 0)
        delete this;
    return nRef;
}

// Any format number is answered by the medium asked for: the storage for a storage request,
// else the text for a memory request.
STDMETHODIMP CGXDataObjectImpl::GetData(FORMATETC* pformatetcIn, STGMEDIUM* pmedium)
{
    if (pmedium == NULL || pformatetcIn == NULL)
        return E_POINTER;
    memset(pmedium, 0, sizeof(*pmedium));
    if ((pformatetcIn->tymed & TYMED_ISTORAGE) != 0 && m_pStorage != NULL)
    {
        m_pStorage->AddRef();
        pmedium->tymed = TYMED_ISTORAGE;
        pmedium->pstg = m_pStorage;
        return S_OK;
    }
    if ((pformatetcIn->tymed & TYMED_HGLOBAL) != 0 && m_hText != NULL)
    {
        HGLOBAL hCopy = CopyBlock(m_hText);
        if (hCopy == NULL)
            return E_OUTOFMEMORY;
        pmedium->tymed = TYMED_HGLOBAL;
        pmedium->hGlobal = hCopy;
        return S_OK;
    }
    return DV_E_FORMATETC;
}

STDMETHODIMP CGXDataObjectImpl::GetDataHere(FORMATETC*, STGMEDIUM*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CGXDataObjectImpl::QueryGetData(FORMATETC*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CGXDataObjectImpl::GetCanonicalFormatEtc(FORMATETC*, FORMATETC*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CGXDataObjectImpl::SetData(FORMATETC*, STGMEDIUM*, BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP CGXDataObjectImpl::EnumFormatEtc(DWORD, IEnumFORMATETC** ppenumFormatEtc)
{
    if (ppenumFormatEtc == NULL)
        return E_POINTER;
    *ppenumFormatEtc = m_pEnum;
    if (m_pEnum == NULL)
        return E_OUTOFMEMORY;
    m_pEnum->AddRef();
    return S_OK;
}

STDMETHODIMP CGXDataObjectImpl::DAdvise(FORMATETC* pformatetc, DWORD advf, IAdviseSink* pAdvSink,
                                        DWORD* pdwConnection)
{
    if (m_pAdviseHolder == NULL)
    {
        HRESULT hr = ::CreateDataAdviseHolder(&m_pAdviseHolder);
        if (FAILED(hr))
        {
            m_pAdviseHolder = NULL;
            return hr;
        }
    }
    return m_pAdviseHolder->Advise(this, pformatetc, advf, pAdvSink, pdwConnection);
}

STDMETHODIMP CGXDataObjectImpl::DUnadvise(DWORD dwConnection)
{
    if (m_pAdviseHolder == NULL)
        return OLE_E_NOCONNECTION;
    return m_pAdviseHolder->Unadvise(dwConnection);
}

STDMETHODIMP CGXDataObjectImpl::EnumDAdvise(IEnumSTATDATA** ppenumAdvise)
{
    if (m_pAdviseHolder == NULL)
        return E_FAIL;
    return m_pAdviseHolder->EnumAdvise(ppenumAdvise);
}
