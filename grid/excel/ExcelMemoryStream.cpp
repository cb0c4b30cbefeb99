#include "ExcelMemoryStream.h"
#include <string.h>

HRESULT CGXExcelMemoryStream::Load(IStream* pStream)
{
    m_bytes.clear();
    m_nPos = 0;
    LARGE_INTEGER zero = {};
    HRESULT hr = pStream->Seek(zero, STREAM_SEEK_SET, NULL);
    BYTE block[0x10000];
    while (SUCCEEDED(hr))
    {
        ULONG nRead = 0;
        hr = pStream->Read(block, sizeof(block), &nRead);
        if (FAILED(hr) || nRead == 0)
            break;
        m_bytes.insert(m_bytes.end(), block, block + nRead);
    }
    return FAILED(hr) ? hr : S_OK;
}

HRESULT CGXExcelMemoryStream::Save(IStream* pStream, ULONG nBlock) const
{
    LARGE_INTEGER zero = {};
    HRESULT hr = pStream->Seek(zero, STREAM_SEEK_SET, NULL);
    for (ULONG nDone = 0; SUCCEEDED(hr) && nDone < GetSize();)
    {
        ULONG nChunk = GetSize() - nDone < nBlock ? GetSize() - nDone : nBlock;
        ULONG nWritten = 0;
        hr = pStream->Write(m_bytes.data() + nDone, nChunk, &nWritten);
        if (SUCCEEDED(hr) && nWritten != nChunk)
            hr = STG_E_WRITEFAULT;
        nDone += nChunk;
    }
    if (SUCCEEDED(hr))
    {
        // An older, longer workbook must not leave its tail behind the new one.
        ULARGE_INTEGER size;
        size.QuadPart = GetSize();
        hr = pStream->SetSize(size);
    }
    return FAILED(hr) ? hr : S_OK;
}

HRESULT STDMETHODCALLTYPE CGXExcelMemoryStream::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_ISequentialStream) ||
        IsEqualIID(riid, IID_IStream))
    {
        *ppv = static_cast<IStream*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CGXExcelMemoryStream::AddRef()
{
    return (ULONG)++m_nRefs;
}

ULONG STDMETHODCALLTYPE CGXExcelMemoryStream::Release()
{
    LONG n = --m_nRefs;
    if (n == 0)
        delete this;
    return (ULONG)n;
}

HRESULT STDMETHODCALLTYPE CGXExcelMemoryStream::Read(void* pv, ULONG cb, ULONG* pcbRead)
{
    ULONG nLeft = m_nPos < GetSize() ? GetSize() - m_nPos : 0;
    ULONG n = cb < nLeft ? cb : nLeft;
    if (n > 0)
        memcpy(pv, m_bytes.data() + m_nPos, n);
    m_nPos += n;
    if (pcbRead != NULL)
        *pcbRead = n;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CGXExcelMemoryStream::Write(const void* pv, ULONG cb, ULONG* pcbWritten)
{
    if (pcbWritten != NULL)
        *pcbWritten = 0;
    if (cb > 0xFFFFFFFFu - m_nPos)
        return STG_E_MEDIUMFULL;
    if (m_nPos + cb > GetSize())
        m_bytes.resize(m_nPos + cb);
    if (cb > 0)
        memcpy(m_bytes.data() + m_nPos, pv, cb);
    m_nPos += cb;
    if (pcbWritten != NULL)
        *pcbWritten = cb;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CGXExcelMemoryStream::Seek(LARGE_INTEGER move, DWORD dwOrigin,
                                                     ULARGE_INTEGER* pNewPos)
{
    LONGLONG nBase = dwOrigin == STREAM_SEEK_SET   ? 0
                     : dwOrigin == STREAM_SEEK_CUR ? m_nPos
                                                   : (LONGLONG)GetSize();
    if (dwOrigin > STREAM_SEEK_END)
        return STG_E_INVALIDFUNCTION;
    LONGLONG nNew = nBase + move.QuadPart;
    if (nNew < 0 || nNew > 0xFFFFFFFFLL)
        return STG_E_SEEKERROR;
    m_nPos = (ULONG)nNew;
    if (pNewPos != NULL)
        pNewPos->QuadPart = m_nPos;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CGXExcelMemoryStream::SetSize(ULARGE_INTEGER size)
{
    if (size.QuadPart > 0xFFFFFFFFULL)
        return STG_E_MEDIUMFULL;
    m_bytes.resize((size_t)size.QuadPart);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CGXExcelMemoryStream::CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*,
                                                       ULARGE_INTEGER*)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CGXExcelMemoryStream::Commit(DWORD)
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CGXExcelMemoryStream::Revert()
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CGXExcelMemoryStream::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CGXExcelMemoryStream::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CGXExcelMemoryStream::Stat(STATSTG* pStat, DWORD)
{
    if (pStat == NULL)
        return E_POINTER;
    memset(pStat, 0, sizeof(*pStat));
    pStat->type = STGTY_STREAM;
    pStat->cbSize.QuadPart = GetSize();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CGXExcelMemoryStream::Clone(IStream** ppStream)
{
    if (ppStream != NULL)
        *ppStream = NULL;
    return E_NOTIMPL;
}
