#include "EnumFormatEtc.h"
#include <new>

CGXEnumFormatEtc::CGXEnumFormatEtc(const FORMATETC* pFormats, DWORD nCount, DWORD nPos)
    : m_nPos(nPos), m_nCount(nCount)
{
    if (nCount == 0 || pFormats == NULL)
        return;
    m_pFormats = new (std::nothrow) FORMATETC[nCount];
    if (m_pFormats != NULL)
        for (DWORD i = 0; i < nCount; i++)
            m_pFormats[i] = pFormats[i];
}

CGXEnumFormatEtc::~CGXEnumFormatEtc()
{
    delete[] m_pFormats;
}

STDMETHODIMP CGXEnumFormatEtc::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IEnumFORMATETC)
    {
        *ppv = static_cast<IEnumFORMATETC*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CGXEnumFormatEtc::AddRef()
{
    return ++m_nRef;
}

STDMETHODIMP_(ULONG) CGXEnumFormatEtc::Release()
{
    ULONG nRef = --m_nRef;
    if (nRef == 0)
        delete this;
    return nRef;
}

STDMETHODIMP CGXEnumFormatEtc::Next(ULONG celt, FORMATETC* rgelt, ULONG* pceltFetched)
{
    if (m_pFormats == NULL)
        return S_FALSE;
    if (pceltFetched != NULL)
        *pceltFetched = 0;
    else if (celt != 1)
        return E_POINTER;
    if (rgelt == NULL || m_nPos >= m_nCount)
        return S_FALSE;
    ULONG nCopied = 0;
    while (nCopied < celt && m_nPos < m_nCount)
        rgelt[nCopied++] = m_pFormats[m_nPos++];
    if (pceltFetched != NULL)
        *pceltFetched = nCopied;
    return nCopied == celt ? S_OK : S_FALSE;
}

STDMETHODIMP CGXEnumFormatEtc::Skip(ULONG celt)
{
    if (m_pFormats == NULL || celt > m_nCount - m_nPos || m_nPos > m_nCount)
        return S_FALSE;
    m_nPos += celt;
    return S_OK;
}

STDMETHODIMP CGXEnumFormatEtc::Reset()
{
    m_nPos = 0;
    return S_OK;
}

STDMETHODIMP CGXEnumFormatEtc::Clone(IEnumFORMATETC** ppenum)
{
    if (ppenum == NULL)
        return E_POINTER;
    *ppenum = NULL;
    CGXEnumFormatEtc* pClone = new (std::nothrow) CGXEnumFormatEtc(m_pFormats, m_nCount, m_nPos);
    if (pClone == NULL || (m_nCount != 0 && m_pFormats != NULL && pClone->m_pFormats == NULL))
    {
        delete pClone;
        return E_OUTOFMEMORY;
    }
    pClone->AddRef();
    *ppenum = pClone;
    return S_OK;
}
