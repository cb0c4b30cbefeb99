// The byte layout a cell keeps an embedded object in: a small header (signature, name and
// ProgID), the object as an OLE 1 stream, and four zero bytes; plus the conversion between
// an OLE 1 stream and a compound storage kept in memory.
#pragma once
#include "ByteArray.h"
#include <windows.h>
#include <ole2.h>

class CGXOleObjectBytes
{
  public:
    enum
    {
        Signature = 0x1C15,
        HeaderSize = 20,      // fixed part; the name starts right after it
        ObjectType = 2,       // embedded
        MaxClassLength = 128, // ProgID bytes with its terminator
        TrailerSize = 4,
    };

    // Reads the header of a cell value. FALSE when the signature is missing, an offset or
    // length points outside the bytes, or the class is empty, too long or not terminated.
    static BOOL Parse(const BYTE* pData, DWORD nSize, CString& strClass, DWORD& nPayloadOffset,
                      DWORD& nPayloadSize);
    // Header with name and class, then the payload and four zero bytes. FALSE when a length
    // does not fit the header's 16-bit fields.
    static BOOL Build(LPCSTR pszName, LPCSTR pszClass, const BYTE* pPayload, DWORD nPayload,
                      CByteArray& bytes);

    // An empty storage on a global block owned by its lock-bytes object.
    static HRESULT CreateMemoryStorage(ILockBytes** ppLockBytes, IStorage** ppStorage);
    // OLE 1 stream bytes into the storage.
    static HRESULT LoadOle1Stream(const BYTE* pData, DWORD nSize, IStorage* pStorage);
    // The storage as OLE 1 stream bytes.
    static HRESULT SaveOle1Stream(IStorage* pStorage, CByteArray& bytes);
};
