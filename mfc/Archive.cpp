// CArchive: the buffer over the file, values and strings, and the class and object maps of the
// persistent object format.
#include "Archive.h"
#include "Exception.h"
#include "File.h"
#include <string.h>

namespace
{
// Tags of the object format. A WORD tag is null, a new class record, a class index with the
// class bit, or an object index; indexes from wBigObjectTag on follow wBigObjectTag as a DWORD.
const WORD wNullTag = 0;
const WORD wNewClassTag = 0xFFFF;
const WORD wClassTag = 0x8000;
const DWORD dwBigClassTag = 0x80000000;
const WORD wBigObjectTag = 0x7FFF;
const DWORD nMaxMapCount = 0x3FFFFFFE;

// The archive whose ReadObject runs on this thread (the innermost, when several do).
thread_local CArchive* t_pLoading = NULL;
} // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pDocument(NULL), m_nMode(nMode), m_pFile(pFile), m_lpBufStart(NULL), m_lpBufCur(NULL),
      m_lpBufMax(NULL), m_nBufSize(nBufSize < 128 ? 128 : (UINT)nBufSize),
      // A caller's buffer must hold the largest value (8 bytes) with room to spare.
      m_bUserBuf(lpBuf != NULL && nBufSize >= 16), m_nObjectSchema((UINT)-1), m_nMapCount(1), m_nLoadDepth(0),
      m_pOuterLoading(NULL)
{
    ASSERT(pFile != NULL);
    if (m_pFile != NULL)
        m_strFileName = m_pFile->GetFilePath();
    if (m_bUserBuf)
        m_nBufSize = (UINT)nBufSize;
    m_lpBufStart = m_bUserBuf ? static_cast<BYTE*>(lpBuf) : new BYTE[m_nBufSize];
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
}

CArchive::~CArchive()
{
    if (m_pFile != NULL && !(m_nMode & bNoFlushOnDelete))
    {
        try
        {
            Close();
        }
        catch (CException* e)
        {
            TRACE("Archive %s could not be flushed when it was destroyed.\n", (LPCTSTR)m_strFileName);
            e->Delete();
        }
    }
    Abort();
    if (!m_bUserBuf)
        delete[] m_lpBufStart;
}

BOOL CArchive::IsBufferEmpty() const
{
    return IsLoading() ? m_lpBufCur == m_lpBufMax : m_lpBufCur == m_lpBufStart;
}

UINT CArchive::GetObjectSchema()
{
    UINT nResult = m_nObjectSchema;
    m_nObjectSchema = (UINT)-1;
    return nResult;
}

void CArchive::SetObjectSchema(UINT nSchema)
{
    m_nObjectSchema = nSchema;
}

void CArchive::ThrowArchive(int cause) const
{
    AfxThrowArchiveException(cause, m_strFileName);
}

// ---------------------------------------------------------------------------------------------
// The buffer

void CArchive::FillBuffer(UINT nBytesNeeded)
{
    if (!IsLoading())
        ThrowArchive(CArchiveException::writeOnly);
    if (m_pFile == NULL)
        ThrowArchive(CArchiveException::generic);
    if (Available() >= nBytesNeeded)
        return;
    // Keep what is unread at the front and fill the rest from the file.
    UINT nUnread = Available();
    if (nUnread > 0 && m_lpBufCur != m_lpBufStart)
        memmove(m_lpBufStart, m_lpBufCur, nUnread);
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_lpBufStart + nUnread;
    while (Available() < nBytesNeeded)
    {
        UINT nRead = m_pFile->Read(m_lpBufMax, m_nBufSize - Available());
        if (nRead == 0)
            ThrowArchive(CArchiveException::endOfFile);
        m_lpBufMax += nRead;
    }
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    if (!IsLoading())
        ThrowArchive(CArchiveException::writeOnly);
    if (nMax == 0 || m_pFile == NULL)
        return 0;
    BYTE* lpTarget = static_cast<BYTE*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nMax)
    {
        if (Available() == 0)
        {
            // Large remainders go straight from the file into the caller's memory.
            if (nMax - nDone >= m_nBufSize)
            {
                UINT nRead = m_pFile->Read(lpTarget + nDone, nMax - nDone);
                nDone += nRead;
                if (nRead == 0)
                    break;
                continue;
            }
            m_lpBufCur = m_lpBufMax = m_lpBufStart;
            UINT nRead = m_pFile->Read(m_lpBufStart, m_nBufSize);
            if (nRead == 0)
                break;
            m_lpBufMax += nRead;
        }
        UINT nCopy = nMax - nDone < Available() ? nMax - nDone : Available();
        memcpy(lpTarget + nDone, m_lpBufCur, nCopy);
        m_lpBufCur += nCopy;
        nDone += nCopy;
    }
    return nDone;
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    if (!IsStoring())
        ThrowArchive(CArchiveException::readOnly);
    if (m_pFile == NULL)
        ThrowArchive(CArchiveException::generic);
    const BYTE* lpSource = static_cast<const BYTE*>(lpBuf);
    while (nMax > 0)
    {
        UINT nRoom = (UINT)(m_lpBufMax - m_lpBufCur);
        if (nRoom == 0)
        {
            WriteBuffer();
            if (nMax >= m_nBufSize)
            {
                m_pFile->Write(lpSource, nMax);
                return;
            }
            continue;
        }
        UINT nCopy = nMax < nRoom ? nMax : nRoom;
        memcpy(m_lpBufCur, lpSource, nCopy);
        m_lpBufCur += nCopy;
        lpSource += nCopy;
        nMax -= nCopy;
    }
}

void CArchive::Flush()
{
    if (m_pFile == NULL)
        return;
    if (IsLoading())
    {
        // Give back what was read ahead, so the file stands right after the consumed bytes.
        if (Available() > 0)
            m_pFile->Seek(-(LONG)Available(), CFile::current);
        m_lpBufCur = m_lpBufMax = m_lpBufStart;
        return;
    }
    WriteBuffer();
    m_pFile->Flush();
}

// A full buffer goes to the file without flushing the file itself (that would wait for the disk
// every few kilobytes).
void CArchive::WriteBuffer()
{
    if (m_pFile != NULL && m_lpBufCur != m_lpBufStart)
    {
        UINT nPending = (UINT)(m_lpBufCur - m_lpBufStart);
        m_lpBufCur = m_lpBufStart;
        m_pFile->Write(m_lpBufStart, nPending);
    }
}

void CArchive::Close()
{
    Flush();
    m_pFile = NULL;
}

void CArchive::Abort()
{
    m_pFile = NULL;
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
    m_storeMap.clear();
    m_loadArray.clear();
    m_loadedSchemas.clear();
    m_nMapCount = 1;
}

template <class T> void CArchive::StoreValue(const T& value)
{
    if (!IsStoring())
        ThrowArchive(CArchiveException::readOnly);
    if ((size_t)(m_lpBufMax - m_lpBufCur) < sizeof(T))
        WriteBuffer();
    if (m_pFile == NULL)
        ThrowArchive(CArchiveException::generic);
    memcpy(m_lpBufCur, &value, sizeof(T));
    m_lpBufCur += sizeof(T);
}

template <class T> void CArchive::LoadValue(T& value)
{
    if (!IsLoading())
        ThrowArchive(CArchiveException::writeOnly);
    if (Available() < sizeof(T))
        FillBuffer(sizeof(T));
    memcpy(&value, m_lpBufCur, sizeof(T));
    m_lpBufCur += sizeof(T);
}

// ---------------------------------------------------------------------------------------------
// Values

CArchive& CArchive::operator<<(BYTE by)
{
    StoreValue(by);
    return *this;
}
CArchive& CArchive::operator<<(WORD w)
{
    StoreValue(w);
    return *this;
}
CArchive& CArchive::operator<<(LONG l)
{
    StoreValue(l);
    return *this;
}
CArchive& CArchive::operator<<(DWORD dw)
{
    StoreValue(dw);
    return *this;
}
CArchive& CArchive::operator<<(float f)
{
    StoreValue(f);
    return *this;
}
CArchive& CArchive::operator<<(double d)
{
    StoreValue(d);
    return *this;
}
CArchive& CArchive::operator<<(int i)
{
    StoreValue((LONG)i);
    return *this;
}
CArchive& CArchive::operator<<(short w)
{
    StoreValue((WORD)w);
    return *this;
}
CArchive& CArchive::operator<<(char ch)
{
    StoreValue((BYTE)ch);
    return *this;
}
CArchive& CArchive::operator<<(unsigned u)
{
    StoreValue((DWORD)u);
    return *this;
}
CArchive& CArchive::operator<<(LONGLONG ll)
{
    StoreValue(ll);
    return *this;
}
CArchive& CArchive::operator<<(ULONGLONG ull)
{
    StoreValue(ull);
    return *this;
}

CArchive& CArchive::operator>>(BYTE& by)
{
    LoadValue(by);
    return *this;
}
CArchive& CArchive::operator>>(WORD& w)
{
    LoadValue(w);
    return *this;
}
CArchive& CArchive::operator>>(LONG& l)
{
    LoadValue(l);
    return *this;
}
CArchive& CArchive::operator>>(DWORD& dw)
{
    LoadValue(dw);
    return *this;
}
CArchive& CArchive::operator>>(float& f)
{
    LoadValue(f);
    return *this;
}
CArchive& CArchive::operator>>(double& d)
{
    LoadValue(d);
    return *this;
}
CArchive& CArchive::operator>>(int& i)
{
    LONG l = 0;
    LoadValue(l);
    i = (int)l;
    return *this;
}
CArchive& CArchive::operator>>(short& w)
{
    WORD wValue = 0;
    LoadValue(wValue);
    w = (short)wValue;
    return *this;
}
CArchive& CArchive::operator>>(char& ch)
{
    BYTE by = 0;
    LoadValue(by);
    ch = (char)by;
    return *this;
}
CArchive& CArchive::operator>>(unsigned& u)
{
    DWORD dw = 0;
    LoadValue(dw);
    u = (unsigned)dw;
    return *this;
}
CArchive& CArchive::operator>>(LONGLONG& ll)
{
    LoadValue(ll);
    return *this;
}
CArchive& CArchive::operator>>(ULONGLONG& ull)
{
    LoadValue(ull);
    return *this;
}

void CArchive::WriteCount(DWORD dwCount)
{
    if (dwCount < 0xFFFF)
        *this << (WORD)dwCount;
    else
        *this << (WORD)0xFFFF << dwCount;
}

DWORD CArchive::ReadCount()
{
    WORD wCount = 0;
    *this >> wCount;
    if (wCount != 0xFFFF)
        return wCount;
    DWORD dwCount = 0;
    *this >> dwCount;
    return dwCount;
}

// ---------------------------------------------------------------------------------------------
// Text lines

void CArchive::WriteString(LPCTSTR lpsz)
{
    if (lpsz != NULL)
        Write(lpsz, (UINT)lstrlen(lpsz) * sizeof(TCHAR));
}

LPTSTR CArchive::ReadString(LPTSTR lpsz, UINT nMax)
{
    if (lpsz == NULL || nMax == 0)
        return NULL;
    UINT nLen = 0;
    bool bAny = false;
    while (nLen + 1 < nMax)
    {
        TCHAR ch;
        if (Read(&ch, sizeof ch) != sizeof ch)
            break;
        bAny = true;
        if (ch == '\n')
            break;
        lpsz[nLen++] = ch;
    }
    if (nLen > 0 && lpsz[nLen - 1] == '\r')
        --nLen;
    lpsz[nLen] = '\0';
    return bAny ? lpsz : NULL;
}

BOOL CArchive::ReadString(CString& rString)
{
    rString.Empty();
    bool bAny = false;
    TCHAR ch;
    while (Read(&ch, sizeof ch) == sizeof ch)
    {
        bAny = true;
        if (ch == '\n')
            break;
        rString += ch;
    }
    int nLen = rString.GetLength();
    if (nLen > 0 && rString[nLen - 1] == '\r')
        rString = rString.Left(nLen - 1);
    return bAny;
}

// ---------------------------------------------------------------------------------------------
// Classes and objects

void CArchive::CheckCount()
{
    if (m_nMapCount >= nMaxMapCount)
        ThrowArchive(CArchiveException::badIndex);
}

void CArchive::MapObject(const CObject* pOb)
{
    if (pOb == NULL)
        return;
    CheckCount();
    if (IsStoring())
    {
        if (m_storeMap.emplace(pOb, m_nMapCount).second)
            ++m_nMapCount;
    }
    else
    {
        if (m_loadArray.empty())
            m_loadArray.push_back(LoadEntry{NULL, false});
        m_loadArray.push_back(LoadEntry{const_cast<CObject*>(pOb), false});
        ++m_nMapCount;
    }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    if (!IsStoring())
        ThrowArchive(CArchiveException::readOnly);
    if (pClassRef == NULL)
        ThrowArchive(CArchiveException::badClass);
    if (pClassRef->m_wSchema == 0xFFFF)
    {
        TRACE("Class %s cannot be written to an archive: it is not serialisable.\n",
              pClassRef->m_lpszClassName);
        AfxThrowNotSupportedException();
    }

    auto it = m_storeMap.find(pClassRef);
    if (it != m_storeMap.end())
    {
        if (it->second < wBigObjectTag)
            *this << (WORD)(wClassTag | it->second);
        else
            *this << wBigObjectTag << (DWORD)(dwBigClassTag | it->second);
        return;
    }
    *this << wNewClassTag;
    pClassRef->Store(*this);
    CheckCount();
    m_storeMap.emplace(pClassRef, m_nMapCount++);
}

void CArchive::WriteObject(const CObject* pOb)
{
    if (!IsStoring())
        ThrowArchive(CArchiveException::readOnly);
    if (pOb == NULL)
    {
        *this << wNullTag;
        return;
    }
    auto it = m_storeMap.find(pOb);
    if (it != m_storeMap.end())
    {
        if (it->second < wBigObjectTag)
            *this << (WORD)it->second;
        else
            *this << wBigObjectTag << it->second;
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    CheckCount();
    // Entered before its members are written, so they can refer back to it.
    m_storeMap.emplace(pOb, m_nMapCount++);
    const_cast<CObject*>(pOb)->Serialize(*this);
}

UINT CArchive::LoadedSchema(const CRuntimeClass* pClass) const
{
    auto it = m_loadedSchemas.find(pClass);
    if (it != m_loadedSchemas.end())
        return it->second;
    return pClass->m_wSchema & ~VERSIONABLE_SCHEMA;
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    if (!IsLoading())
        ThrowArchive(CArchiveException::writeOnly);
    if (m_loadArray.empty())
        m_loadArray.push_back(LoadEntry{NULL, false});

    WORD wTag = 0;
    *this >> wTag;
    DWORD obTag = 0;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = ((DWORD)(wTag & wClassTag) << 16) | (wTag & ~wClassTag);

    if (!(obTag & dwBigClassTag))
    {
        // Null or a reference to an object: for ReadObject to resolve.
        if (pObTag == NULL)
            ThrowArchive(CArchiveException::badIndex);
        *pObTag = obTag;
        return NULL;
    }

    CRuntimeClass* pClassRef = NULL;
    UINT nSchema = 0;
    if (wTag == wNewClassTag)
    {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        if (pClassRef == NULL)
            ThrowArchive(CArchiveException::badClass);
        // Only a serialisable class with a factory can come from a stream (CObject, CWnd, ... cannot).
        if (pClassRef->m_wSchema == 0xFFFF || pClassRef->m_pfnCreateObject == NULL)
            ThrowArchive(CArchiveException::badClass);
        if ((pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) != nSchema)
        {
            if (!(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
                ThrowArchive(CArchiveException::badSchema);
            m_loadedSchemas[pClassRef] = nSchema;
        }
        CheckCount();
        m_loadArray.push_back(LoadEntry{pClassRef, true});
        ++m_nMapCount;
    }
    else
    {
        DWORD nClassIndex = obTag & ~dwBigClassTag;
        if (nClassIndex == 0 || nClassIndex >= m_loadArray.size() || !m_loadArray[nClassIndex].bClass)
            ThrowArchive(CArchiveException::badIndex);
        pClassRef = static_cast<CRuntimeClass*>(m_loadArray[nClassIndex].p);
        nSchema = LoadedSchema(pClassRef);
    }

    if (pClassRefRequested != NULL && !pClassRef->IsDerivedFrom(pClassRefRequested))
        ThrowArchive(CArchiveException::badClass);

    if (pSchema != NULL)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    if (pObTag != NULL)
        *pObTag = obTag;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

// One level of ReadObject creating an object. The outermost level makes the archive the one
// this thread's CObject destructors report to, and forgets the created objects when it ends:
// from then on they are the caller's.
class CArchive::CLoadScope
{
  public:
    explicit CLoadScope(CArchive* pArchive) : m_pArchive(pArchive)
    {
        if (m_pArchive->m_nLoadDepth++ == 0)
        {
            m_pArchive->m_pOuterLoading = t_pLoading;
            t_pLoading = m_pArchive;
        }
    }
    ~CLoadScope()
    {
        if (--m_pArchive->m_nLoadDepth == 0)
        {
            t_pLoading = m_pArchive->m_pOuterLoading;
            m_pArchive->m_pOuterLoading = NULL;
            m_pArchive->m_created.clear();
            m_pArchive->m_createdIndex.clear();
        }
    }
    CLoadScope(const CLoadScope&) = delete;
    CLoadScope& operator=(const CLoadScope&) = delete;

  private:
    CArchive* m_pArchive;
};

void AFXAPI AfxObjectDestroyed(CObject* pOb)
{
    for (CArchive* pArchive = t_pLoading; pArchive != NULL; pArchive = pArchive->m_pOuterLoading)
        pArchive->ForgetObject(pOb);
}

void CArchive::ForgetObject(CObject* pOb)
{
    auto it = m_createdIndex.find(pOb);
    if (it == m_createdIndex.end())
        return;
    CreatedEntry& entry = m_created[it->second];
    if (entry.nLoadIndex < m_loadArray.size())
        m_loadArray[entry.nLoadIndex].p = NULL; // references to it fail from now on
    entry.p = NULL;
    m_createdIndex.erase(it);
}

// Outer objects first: their destructors may delete what they own, which then drops out here.
void CArchive::DeleteCreatedSince(size_t nFirst)
{
    for (size_t i = nFirst; i < m_created.size(); ++i)
        delete m_created[i].p;
    m_created.resize(nFirst);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    return ReadObjectRecord(pClassRefRequested, false);
}

CObject* CArchive::ReadNewObject(const CRuntimeClass* pClassRefRequested)
{
    return ReadObjectRecord(pClassRefRequested, true);
}

CObject* CArchive::ReadObjectRecord(const CRuntimeClass* pClassRefRequested, bool bNewOnly)
{
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);

    if (pClassRef == NULL)
    {
        if (obTag == wNullTag)
            return NULL;
        if (bNewOnly || obTag >= m_loadArray.size() || m_loadArray[obTag].bClass ||
            m_loadArray[obTag].p == NULL)
            ThrowArchive(CArchiveException::badIndex);
        CObject* pOb = static_cast<CObject*>(m_loadArray[obTag].p);
        if (pClassRefRequested != NULL && !pOb->IsKindOf(pClassRefRequested))
            ThrowArchive(CArchiveException::badClass);
        return pOb;
    }

    // Each level costs stack: a damaged or hostile file must not nest without end.
    if (m_nLoadDepth >= nMaxLoadDepth)
        ThrowArchive(CArchiveException::generic);
    CLoadScope scope(this);
    size_t nFirst = m_created.size();
    size_t nIndex = m_loadArray.size();
    CObject* pOb = pClassRef->CreateObject();
    if (pOb == NULL)
        AfxThrowMemoryException();
    try
    {
        m_created.push_back(CreatedEntry{pOb, SIZE_MAX});
        m_createdIndex.emplace(pOb, nFirst);
        CheckCount();
        // Entered before its members are read, so they can refer back to it.
        m_loadArray.push_back(LoadEntry{pOb, false});
        m_created[nFirst].nLoadIndex = nIndex;
        ++m_nMapCount;
        m_nObjectSchema = nSchema;
        pOb->Serialize(*this);
    }
    catch (...)
    {
        if (m_created.size() == nFirst) // not even recorded
            delete pOb;
        DeleteCreatedSince(nFirst);
        // Mapped objects loaded inside it may be gone with it: references to those fail too.
        for (size_t i = nIndex; i < m_loadArray.size(); ++i)
            if (!m_loadArray[i].bClass)
                m_loadArray[i].p = NULL;
        throw;
    }
    return pOb;
}

// ---------------------------------------------------------------------------------------------
// Free operators

CArchive& AFXAPI operator<<(CArchive& ar, const CString& string)
{
    DWORD nLen = (DWORD)string.GetLength();
    if (nLen < 0xFF)
        ar << (BYTE)nLen;
    else if (nLen < 0xFFFE)
        ar << (BYTE)0xFF << (WORD)nLen;
    else
        ar << (BYTE)0xFF << (WORD)0xFFFF << nLen;
    ar.Write((LPCTSTR)string, nLen * sizeof(TCHAR));
    return ar;
}

namespace
{
// Length prefix of a stored string; bWide is set by the wide-character marker.
DWORD ReadStringLength(CArchive& ar, bool& bWide)
{
    bWide = false;
    for (;;)
    {
        BYTE bLen = 0;
        ar >> bLen;
        if (bLen < 0xFF)
            return bLen;
        WORD wLen = 0;
        ar >> wLen;
        if (wLen == 0xFFFE)
        {
            // The marker may come only once; the real length prefix follows.
            if (bWide)
                AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
            bWide = true;
            continue;
        }
        if (wLen < 0xFFFF)
            return wLen;
        DWORD dwLen = 0;
        ar >> dwLen;
        return dwLen;
    }
}
} // namespace

CArchive& AFXAPI operator>>(CArchive& ar, CString& string)
{
    bool bWide = false;
    DWORD nLen = ReadStringLength(ar, bWide);
    // Read in pieces, so that a damaged length costs no more memory than the file really holds.
    const DWORD nPiece = 0x10000;
    std::vector<char> text;
    std::vector<WCHAR> wide;
    for (DWORD nDone = 0; nDone < nLen;)
    {
        DWORD nCount = nLen - nDone < nPiece ? nLen - nDone : nPiece;
        UINT nBytes;
        void* pTarget;
        if (bWide)
        {
            wide.resize(nDone + nCount);
            pTarget = wide.data() + nDone;
            nBytes = nCount * sizeof(WCHAR);
        }
        else
        {
            text.resize(nDone + nCount);
            pTarget = text.data() + nDone;
            nBytes = nCount;
        }
        if (ar.Read(pTarget, nBytes) != nBytes)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
        nDone += nCount;
    }
    if (nLen == 0)
        string.Empty();
    else if (bWide)
        string = CString(wide.data(), (int)nLen);
    else
        string = CString(text.data(), (int)nLen);
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, const CObject* pOb)
{
    ar.WriteObject(pOb);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, CObject*& pOb)
{
    pOb = ar.ReadObject(NULL);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, const CObject*& pOb)
{
    pOb = ar.ReadObject(NULL);
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, SIZE size)
{
    return ar << size.cx << size.cy;
}

CArchive& AFXAPI operator<<(CArchive& ar, POINT point)
{
    return ar << point.x << point.y;
}

CArchive& AFXAPI operator<<(CArchive& ar, const RECT& rect)
{
    return ar << rect.left << rect.top << rect.right << rect.bottom;
}

CArchive& AFXAPI operator>>(CArchive& ar, SIZE& size)
{
    return ar >> size.cx >> size.cy;
}

CArchive& AFXAPI operator>>(CArchive& ar, POINT& point)
{
    return ar >> point.x >> point.y;
}

CArchive& AFXAPI operator>>(CArchive& ar, RECT& rect)
{
    return ar >> rect.left >> rect.top >> rect.right >> rect.bottom;
}
