// CGXExcelMemoryStream: a workbook stream held in memory. A read loads the whole file stream
// once and the handlers read from memory; a write collects every record here and goes to the
// file only when it is complete, in large blocks, so a failed write leaves the file untouched.
#pragma once
#include "mfc/AfxCore.h"
#include <objidl.h>
#include <vector>

class CGXExcelMemoryStream : public IStream
{
  public:
    // Construction: one reference, held by the creator.
    CGXExcelMemoryStream() = default;
    virtual ~CGXExcelMemoryStream() = default;
    CGXExcelMemoryStream(const CGXExcelMemoryStream&) = delete;
    CGXExcelMemoryStream& operator=(const CGXExcelMemoryStream&) = delete;

    // Operations
    // Replaces the contents by the whole of the stream (read from its start); the failing
    // result of the stream, or S_OK.
    HRESULT Load(IStream* pStream);
    // Takes over the bytes (bytes is left empty) and goes to the start.
    void Assign(std::vector<BYTE>& bytes)
    {
        m_bytes.swap(bytes);
        bytes.clear();
        m_nPos = 0;
    }
    // Writes the contents to the stream from its start in blocks of nBlock bytes and makes it
    // exactly as long; the failing result of the stream, or S_OK.
    HRESULT Save(IStream* pStream, ULONG nBlock = 0x10000) const;
    const BYTE* GetData() const
    {
        return m_bytes.data();
    }
    ULONG GetSize() const
    {
        return (ULONG)m_bytes.size();
    }
    ULONG GetPosition() const
    {
        return m_nPos;
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // ISequentialStream
    HRESULT STDMETHODCALLTYPE Read(void* pv, ULONG cb, ULONG* pcbRead) override;
    HRESULT STDMETHODCALLTYPE Write(const void* pv, ULONG cb, ULONG* pcbWritten) override;
    // IStream: positions may not go before the start; the rest of what a stream offers is not
    // needed by the handlers and answers E_NOTIMPL.
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD dwOrigin, ULARGE_INTEGER* pNewPos) override;
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER size) override;
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override;
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override;
    HRESULT STDMETHODCALLTYPE Revert() override;
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override;
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override;
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* pStat, DWORD dwFlags) override;
    HRESULT STDMETHODCALLTYPE Clone(IStream** ppStream) override;

  private:
    std::vector<BYTE> m_bytes;
    ULONG m_nPos = 0;
    LONG m_nRefs = 1;
};
