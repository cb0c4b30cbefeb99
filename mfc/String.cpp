// CString: reference counting, copy-before-write and the string operations.
#include "String.h"
#include "Module.h"
#include "FixedAlloc.h"
#include <ctype.h>
#include <new>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace
{
// The shared empty string: locked (-1), so it is never counted or freed.
struct
{
    CStringData header;
    TCHAR chNil[2];
} g_nil = {{-1, 0, 0}, {0, 0}};

CStringData* NilData()
{
    return &g_nil.header;
}

LPTSTR NilString()
{
    return NilData()->data();
}

// Most strings are short (cell values, names): those of up to this many characters share one
// block size and come from blocks of many, instead of a heap call each, and grow in place up to it.
const int kPooledChars = 31;
CFixedAlloc g_shortStrings(sizeof(CStringData) + (kPooledChars + 1) * sizeof(TCHAR), alignof(CStringData),
                           512);

// A counted buffer for at least nAlloc characters, its other counts still to be set.
CStringData* NewData(int nAlloc)
{
    CStringData* pData;
    if (nAlloc <= kPooledChars)
    {
        pData = static_cast<CStringData*>(g_shortStrings.Alloc());
        nAlloc = kPooledChars;
    }
    else
        pData = static_cast<CStringData*>(::operator new(sizeof(CStringData) + (nAlloc + 1) * sizeof(TCHAR)));
    pData->nAllocLength = nAlloc;
    return pData;
}

// Every buffer goes back where NewData took it from.
void DeleteData(CStringData* pData)
{
    if (pData->nAllocLength == kPooledChars)
        g_shortStrings.Free(pData);
    else
        ::operator delete(pData);
}

bool IsSpace(TCHAR ch)
{
    return isspace(static_cast<unsigned char>(ch)) != 0;
}
} // namespace

const CString& AFXAPI AfxGetEmptyString()
{
    static const CString empty;
    return empty;
}

// Construction

void CString::Init()
{
    m_pchData = NilString();
}

CString::CString()
{
    Init();
}

CString::CString(const CString& stringSrc)
{
    CStringData* pSrc = stringSrc.GetData();
    if (pSrc->nRefs >= 0)
    {
        m_pchData = stringSrc.m_pchData;
        ::InterlockedIncrement(&pSrc->nRefs);
    }
    else
    {
        Init();
        AssignCopy(pSrc->nDataLength, stringSrc.m_pchData);
    }
}

CString::CString(CString&& stringSrc) noexcept
{
    m_pchData = stringSrc.m_pchData;
    stringSrc.Init();
}

CString::CString(TCHAR ch, int nRepeat)
{
    Init();
    if (nRepeat > 0)
    {
        AllocBuffer(nRepeat);
        memset(m_pchData, ch, nRepeat);
    }
}

CString::CString(LPCSTR lpsz)
{
    Init();
    if (lpsz != NULL && IS_INTRESOURCE(lpsz))
        LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(lpsz)));
    else
        AssignCopy(SafeStrlen(lpsz), lpsz);
}

CString::CString(LPCSTR lpch, int nLength)
{
    Init();
    if (lpch != NULL && nLength > 0)
        AssignCopy(nLength, lpch);
}

CString::CString(const unsigned char* psz) : CString(reinterpret_cast<LPCSTR>(psz))
{
}

CString::CString(LPCWSTR lpsz) : CString(lpsz, lpsz != NULL ? lstrlenW(lpsz) : 0)
{
}

CString::CString(LPCWSTR lpch, int nLength)
{
    Init();
    if (lpch == NULL || nLength <= 0)
        return;
    int nLen = ::WideCharToMultiByte(CP_ACP, 0, lpch, nLength, NULL, 0, NULL, NULL);
    if (nLen <= 0)
        return;
    AllocBuffer(nLen);
    ::WideCharToMultiByte(CP_ACP, 0, lpch, nLength, m_pchData, nLen, NULL, NULL);
}

CString::~CString()
{
    Release();
}

// Implementation

int CString::SafeStrlen(LPCTSTR lpsz)
{
    return lpsz == NULL ? 0 : static_cast<int>(strlen(lpsz));
}

void CString::AllocBuffer(int nLen)
{
    if (nLen <= 0)
    {
        Init();
        return;
    }
    CStringData* pData = NewData(nLen);
    pData->nRefs = 1;
    pData->nDataLength = nLen;
    pData->data()[nLen] = '\0';
    m_pchData = pData->data();
}

void CString::Release(CStringData* pData)
{
    if (pData != NilData() && ::InterlockedDecrement(&pData->nRefs) <= 0)
        DeleteData(pData);
}

void CString::Release()
{
    Release(GetData());
    Init();
}

void CString::CopyBeforeWrite()
{
    CStringData* pData = GetData();
    if (pData->nRefs > 1)
    {
        AllocBuffer(pData->nDataLength);
        memcpy(m_pchData, pData->data(), pData->nDataLength + 1);
        Release(pData);
    }
}

void CString::AllocBeforeWrite(int nLen)
{
    CStringData* pData = GetData();
    if (pData->nRefs > 1 || nLen > pData->nAllocLength || pData == NilData())
    {
        Release();
        AllocBuffer(nLen);
    }
}

void CString::AssignCopy(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen <= 0)
    {
        if (GetData()->nRefs >= 0 || GetData() == NilData())
            Release();
        else
        {
            // A locked buffer stays ours; it just becomes empty.
            GetData()->nDataLength = 0;
            m_pchData[0] = '\0';
        }
        return;
    }
    // The source may lie inside our own buffer.
    if (GetData()->nRefs <= 1 && GetData() != NilData() && nSrcLen <= GetData()->nAllocLength)
    {
        memmove(m_pchData, lpszSrcData, nSrcLen);
    }
    else
    {
        CStringData* pOld = GetData();
        AllocBuffer(nSrcLen);
        memcpy(m_pchData, lpszSrcData, nSrcLen);
        Release(pOld);
    }
    GetData()->nDataLength = nSrcLen;
    m_pchData[nSrcLen] = '\0';
}

void CString::ConcatCopy(int nSrc1Len, LPCTSTR lpszSrc1Data, int nSrc2Len, LPCTSTR lpszSrc2Data)
{
    int nNewLen = nSrc1Len + nSrc2Len;
    if (nNewLen == 0)
        return;
    AllocBuffer(nNewLen);
    memcpy(m_pchData, lpszSrc1Data, nSrc1Len);
    memcpy(m_pchData + nSrc1Len, lpszSrc2Data, nSrc2Len);
}

void CString::ConcatInPlace(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen <= 0)
        return;
    CStringData* pData = GetData();
    if (pData->nRefs > 1 || pData == NilData() || pData->nDataLength + nSrcLen > pData->nAllocLength)
    {
        // Grow by half again so repeated appends stay linear.
        int nLen = pData->nDataLength;
        int nAlloc = nLen + nSrcLen;
        if (pData->nRefs <= 1 && pData != NilData())
            nAlloc += nAlloc / 2;
        CStringData* pNew = NewData(nAlloc);
        pNew->nRefs = 1;
        pNew->nDataLength = nLen;
        memcpy(pNew->data(), m_pchData, nLen);
        memcpy(pNew->data() + nLen, lpszSrcData, nSrcLen);
        m_pchData = pNew->data();
        Release(pData);
    }
    else
    {
        memmove(m_pchData + pData->nDataLength, lpszSrcData, nSrcLen);
    }
    GetData()->nDataLength += nSrcLen;
    m_pchData[GetData()->nDataLength] = '\0';
}

// Attributes

void CString::Empty()
{
    AssignCopy(0, NULL);
}

TCHAR CString::GetAt(int nIndex) const
{
    ASSERT(nIndex >= 0 && nIndex < GetLength());
    if (nIndex < 0 || nIndex >= GetLength())
        return '\0';
    return m_pchData[nIndex];
}

void CString::SetAt(int nIndex, TCHAR ch)
{
    ASSERT(nIndex >= 0 && nIndex < GetLength());
    if (nIndex < 0 || nIndex >= GetLength())
        return;
    CopyBeforeWrite();
    m_pchData[nIndex] = ch;
}

// Assignment and concatenation

const CString& CString::operator=(const CString& stringSrc)
{
    if (m_pchData == stringSrc.m_pchData)
        return *this;
    CStringData* pSrc = stringSrc.GetData();
    if ((GetData()->nRefs < 0 && GetData() != NilData()) || pSrc->nRefs < 0)
    {
        // Locked buffers are never shared.
        AssignCopy(pSrc->nDataLength, stringSrc.m_pchData);
    }
    else
    {
        Release();
        m_pchData = stringSrc.m_pchData;
        ::InterlockedIncrement(&pSrc->nRefs);
    }
    return *this;
}

const CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this != &stringSrc)
    {
        if (GetData()->nRefs < 0 && GetData() != NilData())
        {
            AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
        }
        else
        {
            Release();
            m_pchData = stringSrc.m_pchData;
            stringSrc.Init();
        }
    }
    return *this;
}

const CString& CString::operator=(TCHAR ch)
{
    AssignCopy(1, &ch);
    return *this;
}

const CString& CString::operator=(LPCSTR lpsz)
{
    AssignCopy(SafeStrlen(lpsz), lpsz);
    return *this;
}

const CString& CString::operator=(LPCWSTR lpsz)
{
    CString str(lpsz);
    AssignCopy(str.GetLength(), str.m_pchData);
    return *this;
}

const CString& CString::operator=(const unsigned char* psz)
{
    return *this = reinterpret_cast<LPCSTR>(psz);
}

const CString& CString::operator+=(const CString& string)
{
    if (string.m_pchData == m_pchData)
    {
        CString copy(string.m_pchData, string.GetLength());
        ConcatInPlace(copy.GetLength(), copy.m_pchData);
    }
    else
        ConcatInPlace(string.GetLength(), string.m_pchData);
    return *this;
}

const CString& CString::operator+=(TCHAR ch)
{
    ConcatInPlace(1, &ch);
    return *this;
}

const CString& CString::operator+=(LPCTSTR lpsz)
{
    // The text may point into our own buffer, which the append can move.
    CString copy(lpsz, SafeStrlen(lpsz));
    ConcatInPlace(copy.GetLength(), copy.m_pchData);
    return *this;
}

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    CString s;
    s.ConcatCopy(string1.GetLength(), string1.m_pchData, string2.GetLength(), string2.m_pchData);
    return s;
}

CString AFXAPI operator+(const CString& string, TCHAR ch)
{
    CString s;
    s.ConcatCopy(string.GetLength(), string.m_pchData, 1, &ch);
    return s;
}

CString AFXAPI operator+(TCHAR ch, const CString& string)
{
    CString s;
    s.ConcatCopy(1, &ch, string.GetLength(), string.m_pchData);
    return s;
}

CString AFXAPI operator+(const CString& string, LPCTSTR lpsz)
{
    CString s;
    s.ConcatCopy(string.GetLength(), string.m_pchData, CString::SafeStrlen(lpsz), lpsz);
    return s;
}

CString AFXAPI operator+(LPCTSTR lpsz, const CString& string)
{
    CString s;
    s.ConcatCopy(CString::SafeStrlen(lpsz), lpsz, string.GetLength(), string.m_pchData);
    return s;
}

// Comparison

int CString::Compare(LPCTSTR lpsz) const
{
    return strcmp(m_pchData, lpsz ? lpsz : "");
}

int CString::CompareNoCase(LPCTSTR lpsz) const
{
    return _stricmp(m_pchData, lpsz ? lpsz : "");
}

int CString::Collate(LPCTSTR lpsz) const
{
    return strcoll(m_pchData, lpsz ? lpsz : "");
}

int CString::CollateNoCase(LPCTSTR lpsz) const
{
    return _stricoll(m_pchData, lpsz ? lpsz : "");
}

bool AFXAPI operator==(const CString& s1, const CString& s2)
{
    return s1.GetLength() == s2.GetLength() && s1.Compare(s2) == 0;
}
bool AFXAPI operator==(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) == 0;
}
bool AFXAPI operator==(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) == 0;
}
bool AFXAPI operator!=(const CString& s1, const CString& s2)
{
    return !(s1 == s2);
}
bool AFXAPI operator!=(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) != 0;
}
bool AFXAPI operator!=(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) != 0;
}
bool AFXAPI operator<(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) < 0;
}
bool AFXAPI operator<(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) < 0;
}
bool AFXAPI operator<(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) > 0;
}
bool AFXAPI operator>(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) > 0;
}
bool AFXAPI operator>(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) > 0;
}
bool AFXAPI operator>(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) < 0;
}
bool AFXAPI operator<=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) <= 0;
}
bool AFXAPI operator<=(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) <= 0;
}
bool AFXAPI operator<=(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) >= 0;
}
bool AFXAPI operator>=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) >= 0;
}
bool AFXAPI operator>=(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) >= 0;
}
bool AFXAPI operator>=(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) <= 0;
}

// Extraction

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength() - nFirst);
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    int nLength = GetLength();
    if (nFirst > nLength)
        nCount = 0;
    else if (nCount > nLength - nFirst)
        nCount = nLength - nFirst;
    if (nFirst == 0 && nCount == nLength)
        return *this;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount >= GetLength())
        return *this;
    return CString(m_pchData, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount >= GetLength())
        return *this;
    return CString(m_pchData + GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const
{
    return Left(static_cast<int>(strspn(m_pchData, lpszCharSet ? lpszCharSet : "")));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const
{
    return Left(static_cast<int>(strcspn(m_pchData, lpszCharSet ? lpszCharSet : "")));
}

// In-place changes

void CString::MakeUpper()
{
    CopyBeforeWrite();
    _strupr(m_pchData);
}

void CString::MakeLower()
{
    CopyBeforeWrite();
    _strlwr(m_pchData);
}

void CString::MakeReverse()
{
    CopyBeforeWrite();
    _strrev(m_pchData);
}

int CString::Replace(TCHAR chOld, TCHAR chNew)
{
    if (chOld == chNew)
        return 0;
    int nCount = 0;
    for (int i = 0; i < GetLength(); ++i)
    {
        if (m_pchData[i] == chOld)
        {
            if (nCount++ == 0)
                CopyBeforeWrite();
            m_pchData[i] = chNew;
        }
    }
    return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    int nOldLen = SafeStrlen(lpszOld);
    if (nOldLen == 0)
        return 0;
    int nNewLen = SafeStrlen(lpszNew);
    int nCount = 0;
    for (LPCTSTR p = strstr(m_pchData, lpszOld); p != NULL; p = strstr(p + nOldLen, lpszOld))
        ++nCount;
    if (nCount == 0)
        return 0;

    CString result;
    int nResultLen = GetLength() + nCount * (nNewLen - nOldLen);
    if (nResultLen > 0)
    {
        result.GetBuffer(nResultLen);
        result.GetData()->nDataLength = 0;
        result.m_pchData[0] = '\0';
    }
    LPCTSTR pStart = m_pchData;
    for (LPCTSTR p = strstr(pStart, lpszOld); p != NULL; p = strstr(pStart, lpszOld))
    {
        result.ConcatInPlace(static_cast<int>(p - pStart), pStart);
        result.ConcatInPlace(nNewLen, lpszNew);
        pStart = p + nOldLen;
    }
    result.ConcatInPlace(static_cast<int>(m_pchData + GetLength() - pStart), pStart);
    *this = result;
    return nCount;
}

int CString::Remove(TCHAR chRemove)
{
    CopyBeforeWrite();
    LPTSTR pDest = m_pchData;
    for (LPCTSTR pSrc = m_pchData; *pSrc; ++pSrc)
    {
        if (*pSrc != chRemove)
            *pDest++ = *pSrc;
    }
    int nCount = static_cast<int>(m_pchData + GetLength() - pDest);
    if (nCount > 0)
    {
        *pDest = '\0';
        GetData()->nDataLength -= nCount;
    }
    return nCount;
}

int CString::Insert(int nIndex, TCHAR ch)
{
    return Insert(nIndex, CString(ch));
}

int CString::Insert(int nIndex, LPCTSTR pstr)
{
    int nLength = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > nLength)
        nIndex = nLength;
    int nInsert = SafeStrlen(pstr);
    if (nInsert == 0)
        return nLength;
    CString tail = Mid(nIndex);
    CString insert(pstr, nInsert); // pstr may point into our own buffer
    GetBufferSetLength(nIndex);
    ConcatInPlace(nInsert, insert);
    ConcatInPlace(tail.GetLength(), tail);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    int nLength = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nCount > nLength - nIndex)
        nCount = nLength - nIndex;
    if (nCount > 0)
    {
        CopyBeforeWrite();
        memmove(m_pchData + nIndex, m_pchData + nIndex + nCount, nLength - nIndex - nCount + 1);
        GetData()->nDataLength = nLength - nCount;
    }
    return GetLength();
}

void CString::TrimRight()
{
    int nLength = GetLength();
    while (nLength > 0 && IsSpace(m_pchData[nLength - 1]))
        --nLength;
    if (nLength != GetLength())
        GetBufferSetLength(nLength);
}

void CString::TrimRight(TCHAR chTarget)
{
    int nLength = GetLength();
    while (nLength > 0 && m_pchData[nLength - 1] == chTarget)
        --nLength;
    if (nLength != GetLength())
        GetBufferSetLength(nLength);
}

void CString::TrimRight(LPCTSTR lpszTargets)
{
    if (lpszTargets == NULL)
        return;
    int nLength = GetLength();
    while (nLength > 0 && strchr(lpszTargets, m_pchData[nLength - 1]) != NULL)
        --nLength;
    if (nLength != GetLength())
        GetBufferSetLength(nLength);
}

void CString::TrimLeft()
{
    int n = 0;
    while (n < GetLength() && IsSpace(m_pchData[n]))
        ++n;
    Delete(0, n);
}

void CString::TrimLeft(TCHAR chTarget)
{
    int n = 0;
    while (n < GetLength() && m_pchData[n] == chTarget)
        ++n;
    Delete(0, n);
}

void CString::TrimLeft(LPCTSTR lpszTargets)
{
    if (lpszTargets == NULL)
        return;
    int n = 0;
    while (n < GetLength() && strchr(lpszTargets, m_pchData[n]) != NULL)
        ++n;
    Delete(0, n);
}

// Searching

int CString::Find(TCHAR ch) const
{
    return Find(ch, 0);
}

int CString::Find(TCHAR ch, int nStart) const
{
    if (nStart < 0)
        nStart = 0;
    if (nStart >= GetLength())
        return -1;
    LPCTSTR p = strchr(m_pchData + nStart, ch);
    return p == NULL ? -1 : static_cast<int>(p - m_pchData);
}

int CString::Find(LPCTSTR lpszSub) const
{
    return Find(lpszSub, 0);
}

int CString::Find(LPCTSTR lpszSub, int nStart) const
{
    if (nStart < 0)
        nStart = 0;
    if (lpszSub == NULL || nStart > GetLength())
        return -1;
    LPCTSTR p = strstr(m_pchData + nStart, lpszSub);
    return p == NULL ? -1 : static_cast<int>(p - m_pchData);
}

int CString::ReverseFind(TCHAR ch) const
{
    LPCTSTR p = strrchr(m_pchData, ch);
    return p == NULL ? -1 : static_cast<int>(p - m_pchData);
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const
{
    LPCTSTR p = strpbrk(m_pchData, lpszCharSet ? lpszCharSet : "");
    return p == NULL ? -1 : static_cast<int>(p - m_pchData);
}

// Formatting

void AFX_CDECL CString::Format(LPCTSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    va_list argList;
    va_start(argList, nFormatID);
    // The format comes from the resources, so it cannot be checked at compile time.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    FormatV(strFormat, argList);
#pragma GCC diagnostic pop
    va_end(argList);
}

void CString::FormatV(LPCTSTR lpszFormat, va_list argList)
{
    if (lpszFormat == NULL)
    {
        Empty();
        return;
    }
    va_list argCount;
    va_copy(argCount, argList);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    int nLength = _vscprintf(lpszFormat, argCount);
    va_end(argCount);
    if (nLength <= 0)
    {
        Empty();
        return;
    }
    // The format may be our own text: build into a new string first.
    CString result;
    result.AllocBuffer(nLength);
    _vsnprintf(result.m_pchData, nLength + 1, lpszFormat, argList);
#pragma GCC diagnostic pop
    result.m_pchData[nLength] = '\0';
    *this = static_cast<CString&&>(result);
}

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA((nID >> 4) + 1), RT_STRING);
    LPCWSTR pText = NULL;
    // With a zero buffer size LoadStringW hands out the resource text itself.
    int nLength = ::LoadStringW(hInst, nID, reinterpret_cast<LPWSTR>(&pText), 0);
    if (nLength <= 0 || pText == NULL)
    {
        Empty();
        return FALSE;
    }
    *this = CString(pText, nLength);
    return TRUE;
}

// BSTR

BSTR CString::AllocSysString() const
{
    int nLen = ::MultiByteToWideChar(CP_ACP, 0, m_pchData, GetLength(), NULL, 0);
    BSTR bstr = ::SysAllocStringLen(NULL, nLen);
    if (bstr != NULL && nLen > 0)
        ::MultiByteToWideChar(CP_ACP, 0, m_pchData, GetLength(), bstr, nLen);
    return bstr;
}

BSTR CString::SetSysString(BSTR* pbstr) const
{
    int nLen = ::MultiByteToWideChar(CP_ACP, 0, m_pchData, GetLength(), NULL, 0);
    if (!::SysReAllocStringLen(pbstr, NULL, nLen))
        return NULL;
    if (nLen > 0)
        ::MultiByteToWideChar(CP_ACP, 0, m_pchData, GetLength(), *pbstr, nLen);
    return *pbstr;
}

// Direct buffer access

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    CStringData* pData = GetData();
    if (pData->nRefs > 1 || nMinBufLength > pData->nAllocLength)
    {
        int nLength = pData->nDataLength;
        if (nMinBufLength < nLength)
            nMinBufLength = nLength;
        AllocBuffer(nMinBufLength);
        memcpy(m_pchData, pData->data(), nLength + 1);
        GetData()->nDataLength = nLength;
        Release(pData);
    }
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    CopyBeforeWrite();
    if (GetData() == NilData())
        return;
    if (nNewLength < 0)
        nNewLength = static_cast<int>(strnlen(m_pchData, GetData()->nAllocLength));
    if (nNewLength > GetData()->nAllocLength)
        nNewLength = GetData()->nAllocLength;
    GetData()->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    GetBuffer(nNewLength);
    if (GetData() != NilData())
    {
        GetData()->nDataLength = nNewLength;
        m_pchData[nNewLength] = '\0';
    }
    return m_pchData;
}

void CString::FreeExtra()
{
    CStringData* pData = GetData();
    if (pData == NilData() || pData->nDataLength == pData->nAllocLength)
        return;
    long nRefs = pData->nRefs;
    AllocBuffer(pData->nDataLength);
    memcpy(m_pchData, pData->data(), pData->nDataLength);
    if (GetData() != NilData() && nRefs < 0)
        GetData()->nRefs = nRefs; // stays locked
    Release(pData);
}

LPTSTR CString::LockBuffer()
{
    LPTSTR lpsz = GetBuffer(0);
    if (GetData() != NilData())
        GetData()->nRefs = -1;
    return lpsz;
}

void CString::UnlockBuffer()
{
    if (GetData() != NilData())
        GetData()->nRefs = 1;
}

// %1/%2 inserts

void AFXAPI AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, LPCTSTR const* rglpsz, int nString)
{
    CString result;
    for (LPCTSTR p = lpszFormat ? lpszFormat : ""; *p; ++p)
    {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9' && p[1] - '1' < nString)
        {
            LPCTSTR lpszInsert = rglpsz[p[1] - '1'];
            result += lpszInsert ? lpszInsert : "";
            ++p;
        }
        else
            result += *p;
    }
    rString = result;
}

void AFXAPI AfxFormatStrings(CString& rString, UINT nIDS, LPCTSTR const* rglpsz, int nString)
{
    CString strFormat;
    if (!strFormat.LoadString(nIDS))
    {
        TRACE1("Error: string resource %u not found\n", nIDS);
        rString.Empty();
        return;
    }
    AfxFormatStrings(rString, strFormat, rglpsz, nString);
}

void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1)
{
    AfxFormatStrings(rString, nIDS, &lpsz1, 1);
}

void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    LPCTSTR rglpsz[2] = {lpsz1, lpsz2};
    AfxFormatStrings(rString, nIDS, rglpsz, 2);
}
