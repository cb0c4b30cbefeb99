// CString: a reference-counted ANSI string that copies its buffer only before a write.
// Each object holds one pointer to the characters; the counted header sits just before them.
//
// Differences from MFC:
// - ANSI only (code page 1252 is single-byte, so no DBCS lead-byte handling).
// - Format and FormatV are checked like printf at compile time; passing a CString through ... is
//   an error, pass GetString() or (LPCSTR) instead. Formatting is msvcrt's ("1e+020").
// - Operations that MFC asserts on (negative counts, indexes past the end) clamp instead.
// - Serialisation operators live with CArchive.
#pragma once
#include "AfxCore.h"
#include <oleauto.h>

struct CStringData
{
    long nRefs; // -1: locked (or the shared empty string), never shared
    int nDataLength;
    int nAllocLength;
    // followed by nAllocLength + 1 characters

    TCHAR* data()
    {
        return reinterpret_cast<TCHAR*>(this + 1);
    }
};

class CString
{
  public:
    // Construction
    CString();
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    CString(TCHAR ch, int nRepeat = 1);
    // A MAKEINTRESOURCE value loads that string resource, as MFC does.
    CString(LPCSTR lpsz);
    CString(LPCSTR lpch, int nLength);
    CString(const unsigned char* psz);
    // Converted to the ANSI code page.
    CString(LPCWSTR lpsz);
    CString(LPCWSTR lpch, int nLength);
    ~CString();

    // Attributes
    int GetLength() const
    {
        return GetData()->nDataLength;
    }
    BOOL IsEmpty() const
    {
        return GetData()->nDataLength == 0;
    }
    void Empty();
    TCHAR GetAt(int nIndex) const;
    TCHAR operator[](int nIndex) const
    {
        return GetAt(nIndex);
    }
    void SetAt(int nIndex, TCHAR ch);
    operator LPCTSTR() const
    {
        return m_pchData;
    }
    LPCTSTR GetString() const
    {
        return m_pchData;
    }

    // Operations: assignment and concatenation
    const CString& operator=(const CString& stringSrc);
    const CString& operator=(CString&& stringSrc) noexcept;
    const CString& operator=(TCHAR ch);
    const CString& operator=(LPCSTR lpsz);
    const CString& operator=(LPCWSTR lpsz);
    const CString& operator=(const unsigned char* psz);

    const CString& operator+=(const CString& string);
    const CString& operator+=(TCHAR ch);
    const CString& operator+=(LPCTSTR lpsz);

    friend CString AFXAPI operator+(const CString& string1, const CString& string2);
    friend CString AFXAPI operator+(const CString& string, TCHAR ch);
    friend CString AFXAPI operator+(TCHAR ch, const CString& string);
    friend CString AFXAPI operator+(const CString& string, LPCTSTR lpsz);
    friend CString AFXAPI operator+(LPCTSTR lpsz, const CString& string);

    // Operations: comparison (case-sensitive with the C runtime's rules, as strcmp/_stricmp/strcoll)
    int Compare(LPCTSTR lpsz) const;
    int CompareNoCase(LPCTSTR lpsz) const;
    int Collate(LPCTSTR lpsz) const;
    int CollateNoCase(LPCTSTR lpsz) const;

    // Operations: extraction
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCTSTR lpszCharSet) const;
    CString SpanExcluding(LPCTSTR lpszCharSet) const;

    // Operations: in-place changes
    void MakeUpper();
    void MakeLower();
    void MakeReverse();
    // Each returns the number of replaced or removed characters / the new length.
    int Replace(TCHAR chOld, TCHAR chNew);
    int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
    int Remove(TCHAR chRemove);
    int Insert(int nIndex, TCHAR ch);
    int Insert(int nIndex, LPCTSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    // Whitespace (isspace), one character, or any character of a set.
    void TrimRight();
    void TrimRight(TCHAR chTarget);
    void TrimRight(LPCTSTR lpszTargets);
    void TrimLeft();
    void TrimLeft(TCHAR chTarget);
    void TrimLeft(LPCTSTR lpszTargets);

    // Operations: searching (-1 when not found)
    int Find(TCHAR ch) const;
    int Find(TCHAR ch, int nStart) const;
    int Find(LPCTSTR lpszSub) const;
    int Find(LPCTSTR lpszSub, int nStart) const;
    int ReverseFind(TCHAR ch) const;
    int FindOneOf(LPCTSTR lpszCharSet) const;

    // Operations: formatting
    void AFX_CDECL Format(LPCTSTR lpszFormat, ...) AFX_PRINTF_FORMAT(2, 3);
    void AFX_CDECL Format(UINT nFormatID, ...);
    void FormatV(LPCTSTR lpszFormat, va_list argList) AFX_PRINTF_FORMAT(2, 0);

    // Loads from the resource module (a language library first, then the program).
    BOOL LoadString(UINT nID);

    // Operations: BSTR
    BSTR AllocSysString() const;
    BSTR SetSysString(BSTR* pbstr) const;

    // Operations: direct buffer access
    LPTSTR GetBuffer(int nMinBufLength);
    // nNewLength -1 takes the length up to the first terminator.
    void ReleaseBuffer(int nNewLength = -1);
    LPTSTR GetBufferSetLength(int nNewLength);
    void FreeExtra();
    LPTSTR LockBuffer();
    void UnlockBuffer();

    // Implementation
  protected:
    LPTSTR m_pchData;

    CStringData* GetData() const
    {
        return reinterpret_cast<CStringData*>(m_pchData) - 1;
    }
    void Init();
    void AllocBuffer(int nLen);
    void AssignCopy(int nSrcLen, LPCTSTR lpszSrcData);
    void ConcatCopy(int nSrc1Len, LPCTSTR lpszSrc1Data, int nSrc2Len, LPCTSTR lpszSrc2Data);
    void ConcatInPlace(int nSrcLen, LPCTSTR lpszSrcData);
    void CopyBeforeWrite();
    void AllocBeforeWrite(int nLen);
    void Release();
    static void Release(CStringData* pData);
    static int SafeStrlen(LPCTSTR lpsz);
};

// Comparisons with CString or a C string on either side.
bool AFXAPI operator==(const CString& s1, const CString& s2);
bool AFXAPI operator==(const CString& s1, LPCTSTR s2);
bool AFXAPI operator==(LPCTSTR s1, const CString& s2);
bool AFXAPI operator!=(const CString& s1, const CString& s2);
bool AFXAPI operator!=(const CString& s1, LPCTSTR s2);
bool AFXAPI operator!=(LPCTSTR s1, const CString& s2);
bool AFXAPI operator<(const CString& s1, const CString& s2);
bool AFXAPI operator<(const CString& s1, LPCTSTR s2);
bool AFXAPI operator<(LPCTSTR s1, const CString& s2);
bool AFXAPI operator>(const CString& s1, const CString& s2);
bool AFXAPI operator>(const CString& s1, LPCTSTR s2);
bool AFXAPI operator>(LPCTSTR s1, const CString& s2);
bool AFXAPI operator<=(const CString& s1, const CString& s2);
bool AFXAPI operator<=(const CString& s1, LPCTSTR s2);
bool AFXAPI operator<=(LPCTSTR s1, const CString& s2);
bool AFXAPI operator>=(const CString& s1, const CString& s2);
bool AFXAPI operator>=(const CString& s1, LPCTSTR s2);
bool AFXAPI operator>=(LPCTSTR s1, const CString& s2);

// Loads string resource nIDS and replaces "%1" (and "%2") with the given texts.
void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1);
void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2);
// Replaces "%1".."%9" in lpszFormat with rglpsz[0..nString-1]; other text is copied as is.
void AFXAPI AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, LPCTSTR const* rglpsz, int nString);
void AFXAPI AfxFormatStrings(CString& rString, UINT nIDS, LPCTSTR const* rglpsz, int nString);

// The shared empty string.
const CString& AFXAPI AfxGetEmptyString();
#define afxEmptyString AfxGetEmptyString()
