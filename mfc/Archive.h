// CArchive: buffered binary storing and loading of values, strings and object graphs over a
// CFile, in MFC's persistent object format (class records by name, objects and classes written
// once and referred to by index afterwards). The archive does not own the file.
//
// Differences from MFC:
// - No byte swapping, no direct-buffer mode for memory files (the bytes written are the same).
// - The class and object maps are standard containers; SetStoreParams/SetLoadParams are gone.
// - Asking for a non-serialisable base class in ReadObject is allowed (only derivation is checked).
// - Indexes that name a class where an object is expected (or the reverse) throw badIndex.
// - A failed ReadObject deletes every object it created, nested ones too, before the exception
//   goes on (objects its container already deleted are not deleted twice: CObject's destructor
//   tells the loading archive).
// - A class record naming a class that cannot be created or is not serialisable throws badClass;
//   ReadObject nested deeper than nMaxLoadDepth throws generic instead of exhausting the stack.
// - The destructor never throws: a failing final flush is only traced (call Close to see it).
// - No bool operators: a pointer or a string literal must not silently become one byte.
// - ReadNewObject, for places that own what they read, refuses a reference to an object read
//   before (badIndex): such an object has an owner already.
#pragma once
#include "AfxCore.h"
#include "Object.h"
#include "String.h"
#include <unordered_map>
#include <vector>

class CFile;
class CDocument;

class CArchive
{
  public:
    enum Mode
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2
    };

    // Construction
    // nMode is store or load, optionally with bNoFlushOnDelete. lpBuf (nBufSize bytes) is used as
    // the buffer when given, and stays the caller's.
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = NULL);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    // Attributes
    BOOL IsLoading() const
    {
        return (m_nMode & load) != 0;
    }
    BOOL IsStoring() const
    {
        return (m_nMode & load) == 0;
    }
    // Loading: nothing read ahead is left; storing: nothing waits to be written.
    BOOL IsBufferEmpty() const;
    CFile* GetFile() const
    {
        return m_pFile;
    }
    // The schema of the object being loaded (once; afterwards (UINT)-1).
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema);

    CDocument* m_pDocument; // the document being saved or loaded, for objects that need it

    // Operations: raw data
    // Returns the number of bytes read, fewer at the end of the file.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    // Text lines: WriteString adds no newline; ReadString stops at "\n" and drops "\r\n".
    void WriteString(LPCTSTR lpsz);
    // NULL at the end of the file.
    LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    BOOL ReadString(CString& rString);

    // Operations: counts (WORD, or 0xFFFF followed by a DWORD)
    void WriteCount(DWORD dwCount);
    DWORD ReadCount();

    // Operations: objects and classes
    // Deepest nesting of objects read inside the Serialize of others.
    static const UINT nMaxLoadDepth = 400;
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    // As ReadObject, but only null or a new object: a reference to one read before throws badIndex.
    CObject* ReadNewObject(const CRuntimeClass* pClassRefRequested);
    void WriteObject(const CObject* pOb);
    // Enters an object that is not written into the map, so that others can refer to it.
    void MapObject(const CObject* pOb);
    void WriteClass(const CRuntimeClass* pClassRef);
    // pSchema (or the archive's object schema) receives the stored schema. pObTag receives the
    // tag when an object reference or null follows instead of a class.
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = NULL, UINT* pSchema = NULL,
                             DWORD* pObTag = NULL);
    void SerializeClass(const CRuntimeClass* pClassRef);

    // Operations: the buffer and the file
    void Flush();
    // Flushes and detaches from the file (which stays open).
    void Close();
    // Detaches without writing anything and without throwing, after an error.
    void Abort();

    // Operations: values, little-endian as on the target
    CArchive& operator<<(BYTE by);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(LONG l);
    CArchive& operator<<(DWORD dw);
    CArchive& operator<<(float f);
    CArchive& operator<<(double d);
    CArchive& operator<<(int i);
    CArchive& operator<<(short w);
    CArchive& operator<<(char ch);
    CArchive& operator<<(unsigned u);
    CArchive& operator<<(LONGLONG ll);
    CArchive& operator<<(ULONGLONG ull);

    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(LONG& l);
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(float& f);
    CArchive& operator>>(double& d);
    CArchive& operator>>(int& i);
    CArchive& operator>>(short& w);
    CArchive& operator>>(char& ch);
    CArchive& operator>>(unsigned& u);
    CArchive& operator>>(LONGLONG& ll);
    CArchive& operator>>(ULONGLONG& ull);

    // Implementation
    CString m_strFileName; // for the texts of archive exceptions

  protected:
    template <class T> void StoreValue(const T& value);
    template <class T> void LoadValue(T& value);
    // Makes at least nBytesNeeded unread bytes available; throws endOfFile when the file ends.
    void FillBuffer(UINT nBytesNeeded);
    UINT Available() const
    {
        return (UINT)(m_lpBufMax - m_lpBufCur);
    }
    void CheckCount();
    void WriteBuffer();
    [[noreturn]] void ThrowArchive(int cause) const;
    // The schema the archive recorded for a loaded class.
    UINT LoadedSchema(const CRuntimeClass* pClass) const;

    UINT m_nMode;
    CFile* m_pFile;
    BYTE* m_lpBufStart;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax; // loading: end of the data read; storing: end of the buffer
    UINT m_nBufSize;
    bool m_bUserBuf;
    UINT m_nObjectSchema;

    // Index 0 is the null pointer; classes and objects share the numbering that follows.
    DWORD m_nMapCount;
    std::unordered_map<const void*, DWORD> m_storeMap;
    struct LoadEntry
    {
        void* p;
        bool bClass;
    };
    std::vector<LoadEntry> m_loadArray;
    std::unordered_map<const CRuntimeClass*, UINT> m_loadedSchemas;

    // Objects the outermost ReadObject now running has created, in creation order (NULL once
    // destroyed), with their load index; a failed ReadObject deletes those it created.
    struct CreatedEntry
    {
        CObject* p;
        size_t nLoadIndex; // SIZE_MAX until entered in m_loadArray
    };
    std::vector<CreatedEntry> m_created;
    std::unordered_map<const CObject*, size_t> m_createdIndex;
    UINT m_nLoadDepth;
    CArchive* m_pOuterLoading; // the archive that was loading on this thread before this one

    class CLoadScope;
    friend class CLoadScope;
    friend void AFXAPI AfxObjectDestroyed(CObject* pOb);
    void DeleteCreatedSince(size_t nFirst);
    CObject* ReadObjectRecord(const CRuntimeClass* pClassRefRequested, bool bNewOnly);
    void ForgetObject(CObject* pOb);
};

// Called by CObject's destructor: a loading archive forgets the object, so that it neither
// deletes it again nor hands it out as a reference.
void AFXAPI AfxObjectDestroyed(CObject* pOb);

// Strings: length prefix (BYTE; 0xFF + WORD; 0xFF 0xFFFF + DWORD) and the characters. A
// wide-character string (prefix 0xFF 0xFFFE, then the length in characters) is converted on load.
CArchive& AFXAPI operator<<(CArchive& ar, const CString& string);
CArchive& AFXAPI operator>>(CArchive& ar, CString& string);

// Object pointers (WriteObject / ReadObject of any class).
CArchive& AFXAPI operator<<(CArchive& ar, const CObject* pOb);
CArchive& AFXAPI operator>>(CArchive& ar, CObject*& pOb);
CArchive& AFXAPI operator>>(CArchive& ar, const CObject*& pOb);

// Win32 geometry, field by field as 32-bit values.
CArchive& AFXAPI operator<<(CArchive& ar, SIZE size);
CArchive& AFXAPI operator<<(CArchive& ar, POINT point);
CArchive& AFXAPI operator<<(CArchive& ar, const RECT& rect);
CArchive& AFXAPI operator>>(CArchive& ar, SIZE& size);
CArchive& AFXAPI operator>>(CArchive& ar, POINT& point);
CArchive& AFXAPI operator>>(CArchive& ar, RECT& rect);
