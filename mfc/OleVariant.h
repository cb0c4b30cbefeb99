// COleVariant: a VARIANT that owns its contents (strings, interfaces) and frees them; and
// COleException, which carries the failing SCODE of an OLE call.
//
// Differences from MFC:
// - No currency, safe-array or byte-array constructors, and no VT_BSTRT (ANSI in a BSTR):
//   strings are always stored as VT_BSTR.
// - The archive operators handle the scalar types, strings and byte arrays (VT_ARRAY | VT_UI1)
//   only; any other type fails with an archive exception.
// - operator== compares arrays by their SAFEARRAY pointer, not by contents.
// - COleException lives here rather than in a header of its own.
#pragma once
#include "AfxCore.h"
#include "Exception.h"
#include "OleDateTime.h"
#include "String.h"
#include <oleauto.h>

typedef const VARIANT* LPCVARIANT;

class CArchive;

// Makes a VARIANT empty without freeing anything it held.
void AFXAPI AfxVariantInit(LPVARIANT pVar);

class COleException : public CException
{
    DECLARE_DYNAMIC(COleException)

  public:
    // Construction
    explicit COleException(SCODE sc = S_OK) : m_sc(sc)
    {
    }

    // Operations
    // The SCODE an exception stands for (E_OUTOFMEMORY for memory exceptions, E_UNEXPECTED else).
    static SCODE PASCAL Process(const CException* pAnyException);

    // Overridables
    // The system's text for the SCODE.
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) override;

    // Implementation
    SCODE m_sc;
};

[[noreturn]] void AFXAPI AfxThrowOleException(SCODE sc);
// Throws a memory exception for E_OUTOFMEMORY and a COleException for any other failure.
void AFXAPI AfxCheckError(SCODE sc);

class COleVariant : public tagVARIANT
{
  public:
    // Construction
    COleVariant();
    COleVariant(const VARIANT& varSrc);
    COleVariant(LPCVARIANT pSrc);
    COleVariant(const COleVariant& varSrc);
    // VT_BSTR.
    COleVariant(LPCTSTR lpszSrc);
    COleVariant(const CString& strSrc);
    // VT_UI1.
    COleVariant(BYTE nSrc);
    // vtSrc VT_I2 or VT_BOOL.
    COleVariant(short nSrc, VARTYPE vtSrc = VT_I2);
    // vtSrc VT_I4, VT_ERROR or VT_BOOL.
    COleVariant(long lSrc, VARTYPE vtSrc = VT_I4);
    COleVariant(float fltSrc);
    COleVariant(double dblSrc);
    // VT_DATE.
    COleVariant(const COleDateTime& timeSrc);
    ~COleVariant();

    // Operations
    void Clear();
    // Converts pSrc (this variant when NULL) to vartype in place; throws COleException on failure.
    void ChangeType(VARTYPE vartype, LPVARIANT pSrc = NULL);
    // Takes over varSrc's contents and leaves it VT_EMPTY.
    void Attach(VARIANT& varSrc);
    // Hands the contents to the caller (who frees them) and becomes VT_EMPTY.
    VARIANT Detach();

    // Same type and same value (strings by content).
    BOOL operator==(const VARIANT& varSrc) const;
    BOOL operator==(LPCVARIANT pSrc) const;

    const COleVariant& operator=(const VARIANT& varSrc);
    const COleVariant& operator=(LPCVARIANT pSrc);
    const COleVariant& operator=(const COleVariant& varSrc);
    const COleVariant& operator=(LPCTSTR lpszSrc);
    const COleVariant& operator=(const CString& strSrc);
    const COleVariant& operator=(BYTE nSrc);
    // A VT_BOOL variant stays VT_BOOL (any non-zero value is VARIANT_TRUE).
    const COleVariant& operator=(short nSrc);
    // A VT_ERROR or VT_BOOL variant keeps its type.
    const COleVariant& operator=(long lSrc);
    const COleVariant& operator=(float fltSrc);
    const COleVariant& operator=(double dblSrc);
    const COleVariant& operator=(const COleDateTime& dateSrc);

    operator LPVARIANT()
    {
        return this;
    }
    operator LPCVARIANT() const
    {
        return this;
    }

    // Implementation
  protected:
    void SetString(LPCTSTR lpszSrc);
};

// A WORD type, then the value: scalars as their archive types, a string as the archive's
// CString, a byte array as a DWORD count and the bytes.
CArchive& AFXAPI operator<<(CArchive& ar, const COleVariant& varSrc);
CArchive& AFXAPI operator>>(CArchive& ar, COleVariant& varSrc);
