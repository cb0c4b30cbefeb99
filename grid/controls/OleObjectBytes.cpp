// Cell bytes of embedded objects and their OLE 1 stream conversion.
#include "grid/controls/OleObjectBytes.h"
#include "grid/controls/HandleManager.h"
#include <string.h>

namespace
{
WORD ReadWord(const BYTE* p)
{
    return (WORD)(p[0] | (p[1] << 8));
}

void WriteWord(BYTE* p, WORD w)
{
    p[0] = LOBYTE(w);
    p[1] = HIBYTE(w);
}

void WriteDWord(BYTE* p, DWORD dw)
{
    WriteWord(p, LOWORD(dw));
    WriteWord(p + 2, HIWORD(dw));
}

// OLESTREAM over an IStream; ole32 calls back through the method table with this object.
struct Ole1StreamAdapter
{
    OLESTREAM base;
    IStream* pStream;
    DWORD nCount; // bytes left to read, or bytes written

    static DWORD CALLBACK Get(LPOLESTREAM pThis, void* pBuffer, DWORD nBytes)
    {
        Ole1StreamAdapter* pAdapter = reinterpret_cast<Ole1StreamAdapter*>(pThis);
        if (pAdapter->pStream == NULL || nBytes > pAdapter->nCount)
            return 0;
        ULONG nRead = 0;
        if (FAILED(pAdapter->pStream->Read(pBuffer, nBytes, &nRead)) || nRead != nBytes)
            return 0;
        pAdapter->nCount -= nRead;
        return nBytes;
    }

    static DWORD CALLBACK Put(LPOLESTREAM pThis, const void* pBuffer, DWORD nBytes)
    {
        Ole1StreamAdapter* pAdapter = reinterpret_cast<Ole1StreamAdapter*>(pThis);
        if (pAdapter->pStream == NULL || pBuffer == NULL)
            return 0;
        ULONG nWritten = 0;
        if (FAILED(pAdapter->pStream->Write(pBuffer, nBytes, &nWritten)) || nWritten != nBytes)
            return 0;
        pAdapter->nCount += nWritten;
        return nBytes;
    }

    Ole1StreamAdapter(IStream* pTarget, DWORD nInitial) : pStream(pTarget), nCount(nInitial)
    {
        static OLESTREAMVTBL s_vtbl = {&Get, &Put};
        base.lpstbl = &s_vtbl;
    }
};
} // namespace

BOOL CGXOleObjectBytes::Parse(const BYTE* pData, DWORD nSize, CString& strClass, DWORD& nPayloadOffset,
                              DWORD& nPayloadSize)
{
    if (pData == NULL || nSize < HeaderSize + TrailerSize || ReadWord(pData) != Signature)
        return FALSE;
    DWORD nClassLength = ReadWord(pData + 10);
    DWORD nClassOffset = ReadWord(pData + 14);
    if (nClassOffset < HeaderSize || nClassLength < 1 || nClassLength > MaxClassLength ||
        nClassOffset + nClassLength > nSize - TrailerSize)
        return FALSE;
    const char* pszClass = reinterpret_cast<const char*>(pData + nClassOffset);
    if (pszClass[nClassLength - 1] != '\0')
        return FALSE;
    strClass = pszClass;
    nPayloadOffset = nClassOffset + nClassLength;
    nPayloadSize = nSize - TrailerSize - nPayloadOffset;
    return TRUE;
}

BOOL CGXOleObjectBytes::Build(LPCSTR pszName, LPCSTR pszClass, const BYTE* pPayload, DWORD nPayload,
                              CByteArray& bytes)
{
    DWORD nName = (DWORD)strlen(pszName) + 1;
    DWORD nClass = (DWORD)strlen(pszClass) + 1;
    if (HeaderSize + nName + nClass > 0xFFFF)
        return FALSE;
    DWORD nHeader = HeaderSize + nName + nClass;
    bytes.SetSize(nHeader + nPayload + TrailerSize);
    BYTE* p = bytes.GetData();
    memset(p, 0, bytes.GetSize());
    WriteWord(p, Signature);
    WriteWord(p + 2, HeaderSize);
    WriteDWord(p + 4, ObjectType);
    WriteWord(p + 8, (WORD)nName);
    WriteWord(p + 10, (WORD)nClass);
    WriteWord(p + 12, HeaderSize);
    WriteWord(p + 14, (WORD)(HeaderSize + nName));
    WriteWord(p + 16, 0xFFFF);
    WriteWord(p + 18, 0xFFFF);
    memcpy(p + HeaderSize, pszName, nName);
    memcpy(p + HeaderSize + nName, pszClass, nClass);
    if (nPayload > 0)
        memcpy(p + nHeader, pPayload, nPayload);
    return TRUE;
}

HRESULT CGXOleObjectBytes::CreateMemoryStorage(ILockBytes** ppLockBytes, IStorage** ppStorage)
{
    *ppLockBytes = NULL;
    *ppStorage = NULL;
    CGXHandleManager<void*> handles;
    HGLOBAL hBlock = handles.Add(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 0));
    if (hBlock == NULL)
        return E_OUTOFMEMORY;
    HRESULT hr = ::CreateILockBytesOnHGlobal(hBlock, TRUE, ppLockBytes);
    if (FAILED(hr))
        return hr;
    handles.Remove(hBlock, FALSE); // the lock bytes own it now
    hr = ::StgCreateDocfileOnILockBytes(
        *ppLockBytes, STGM_TRANSACTED | STGM_CREATE | STGM_SHARE_EXCLUSIVE | STGM_READWRITE, 0, ppStorage);
    if (FAILED(hr))
    {
        (*ppLockBytes)->Release();
        *ppLockBytes = NULL;
    }
    return hr;
}

HRESULT CGXOleObjectBytes::LoadOle1Stream(const BYTE* pData, DWORD nSize, IStorage* pStorage)
{
    CGXHandleManager<void*> handles;
    HGLOBAL hPayload = handles.Add(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize));
    if (hPayload == NULL)
        return E_OUTOFMEMORY;
    if (nSize > 0)
    {
        void* p = ::GlobalLock(hPayload);
        memcpy(p, pData, nSize);
        ::GlobalUnlock(hPayload);
    }
    IStream* pStream = NULL;
    HRESULT hr = ::CreateStreamOnHGlobal(hPayload, TRUE, &pStream);
    if (FAILED(hr))
        return hr;
    handles.Remove(hPayload, FALSE); // the stream owns it now
    Ole1StreamAdapter adapter(pStream, nSize);
    hr = ::OleConvertOLESTREAMToIStorage(&adapter.base, pStorage, NULL);
    pStream->Release();
    return hr;
}

HRESULT CGXOleObjectBytes::SaveOle1Stream(IStorage* pStorage, CByteArray& bytes)
{
    IStream* pStream = NULL;
    HRESULT hr = ::CreateStreamOnHGlobal(NULL, TRUE, &pStream);
    if (FAILED(hr))
        return hr;
    Ole1StreamAdapter adapter(pStream, 0);
    hr = ::OleConvertIStorageToOLESTREAM(pStorage, &adapter.base);
    if (SUCCEEDED(hr))
    {
        ULARGE_INTEGER size;
        size.QuadPart = adapter.nCount;
        hr = pStream->SetSize(size);
    }
    HGLOBAL hBlock = NULL;
    if (SUCCEEDED(hr))
        hr = ::GetHGlobalFromStream(pStream, &hBlock);
    if (SUCCEEDED(hr))
    {
        bytes.SetSize(adapter.nCount);
        if (adapter.nCount > 0)
        {
            const void* p = ::GlobalLock(hBlock);
            memcpy(bytes.GetData(), p, adapter.nCount);
            ::GlobalUnlock(hBlock);
        }
    }
    pStream->Release();
    return hr;
}
