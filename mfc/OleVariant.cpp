// COleVariant and COleException.
#include "OleVariant.h"
#include "Archive.h"
#include "ArchiveException.h"
#include <string.h>
#include <vector>

// COleException

IMPLEMENT_DYNAMIC(COleException, CException)

SCODE PASCAL COleException::Process(const CException* pAnyException)
{
    if (const COleException* pOle = dynamic_cast<const COleException*>(pAnyException))
        return pOle->m_sc;
    if (dynamic_cast<const CMemoryException*>(pAnyException) != NULL)
        return E_OUTOFMEMORY;
    return E_UNEXPECTED;
}

BOOL COleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    LPSTR pszText = NULL;
    DWORD nLen = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL,
        static_cast<DWORD>(m_sc), 0, reinterpret_cast<LPSTR>(&pszText), 0, NULL);
    CString strText;
    if (nLen > 0 && pszText != NULL)
    {
        strText = pszText;
        strText.TrimRight();
    }
    if (pszText != NULL)
        ::LocalFree(pszText);
    if (lpszError != NULL && nMaxError > 0)
        lstrcpynA(lpszError, strText, static_cast<int>(nMaxError));
    return !strText.IsEmpty();
}

void AFXAPI AfxThrowOleException(SCODE sc)
{
    throw new COleException(sc);
}

void AFXAPI AfxCheckError(SCODE sc)
{
    if (sc == E_OUTOFMEMORY)
        AfxThrowMemoryException();
    if (FAILED(sc))
        AfxThrowOleException(sc);
}

// COleVariant construction

COleVariant::COleVariant()
{
    ::VariantInit(this);
}

COleVariant::COleVariant(const VARIANT& varSrc)
{
    ::VariantInit(this);
    AfxCheckError(::VariantCopy(this, const_cast<LPVARIANT>(&varSrc)));
}

COleVariant::COleVariant(LPCVARIANT pSrc)
{
    ::VariantInit(this);
    if (pSrc != NULL)
        AfxCheckError(::VariantCopy(this, const_cast<LPVARIANT>(pSrc)));
}

COleVariant::COleVariant(const COleVariant& varSrc) : COleVariant(static_cast<const VARIANT&>(varSrc))
{
}

COleVariant::COleVariant(LPCTSTR lpszSrc)
{
    ::VariantInit(this);
    SetString(lpszSrc);
}

COleVariant::COleVariant(const CString& strSrc)
{
    ::VariantInit(this);
    SetString(strSrc);
}

COleVariant::COleVariant(BYTE nSrc)
{
    ::VariantInit(this);
    vt = VT_UI1;
    bVal = nSrc;
}

COleVariant::COleVariant(short nSrc, VARTYPE vtSrc)
{
    ASSERT(vtSrc == VT_I2 || vtSrc == VT_BOOL);
    ::VariantInit(this);
    if (vtSrc == VT_BOOL)
    {
        vt = VT_BOOL;
        boolVal = nSrc ? VARIANT_TRUE : VARIANT_FALSE;
    }
    else
    {
        vt = VT_I2;
        iVal = nSrc;
    }
}

COleVariant::COleVariant(long lSrc, VARTYPE vtSrc)
{
    ASSERT(vtSrc == VT_I4 || vtSrc == VT_ERROR || vtSrc == VT_BOOL);
    ::VariantInit(this);
    if (vtSrc == VT_BOOL)
    {
        vt = VT_BOOL;
        boolVal = lSrc ? VARIANT_TRUE : VARIANT_FALSE;
    }
    else if (vtSrc == VT_ERROR)
    {
        vt = VT_ERROR;
        scode = lSrc;
    }
    else
    {
        vt = VT_I4;
        lVal = lSrc;
    }
}

COleVariant::COleVariant(float fltSrc)
{
    ::VariantInit(this);
    vt = VT_R4;
    fltVal = fltSrc;
}

COleVariant::COleVariant(double dblSrc)
{
    ::VariantInit(this);
    vt = VT_R8;
    dblVal = dblSrc;
}

COleVariant::COleVariant(const COleDateTime& timeSrc)
{
    ::VariantInit(this);
    vt = VT_DATE;
    date = timeSrc.m_dt;
}

COleVariant::~COleVariant()
{
    ::VariantClear(this);
}

// Operations

void COleVariant::Clear()
{
    AfxCheckError(::VariantClear(this));
}

void COleVariant::ChangeType(VARTYPE vartype, LPVARIANT pSrc)
{
    if (pSrc == NULL)
        pSrc = this;
    if (pSrc != this || vartype != vt)
        AfxCheckError(::VariantChangeType(this, pSrc, 0, vartype));
}

void COleVariant::Attach(VARIANT& varSrc)
{
    Clear();
    memcpy(static_cast<VARIANT*>(this), &varSrc, sizeof(VARIANT));
    varSrc.vt = VT_EMPTY;
}

VARIANT COleVariant::Detach()
{
    VARIANT varResult = *this;
    vt = VT_EMPTY;
    return varResult;
}

void COleVariant::SetString(LPCTSTR lpszSrc)
{
    Clear();
    vt = VT_BSTR;
    bstrVal = NULL;
    if (lpszSrc != NULL)
    {
        bstrVal = CString(lpszSrc).AllocSysString();
        if (bstrVal == NULL)
        {
            vt = VT_EMPTY;
            AfxThrowMemoryException();
        }
    }
}

// Comparison

BOOL COleVariant::operator==(const VARIANT& varSrc) const
{
    if (&varSrc == this)
        return TRUE;
    if (vt != varSrc.vt)
        return FALSE;
    if (vt & (VT_BYREF | VT_ARRAY))
        return byref == varSrc.byref;
    switch (vt)
    {
    case VT_EMPTY:
    case VT_NULL:
        return TRUE;
    case VT_BOOL:
        return boolVal == varSrc.boolVal;
    case VT_UI1:
        return bVal == varSrc.bVal;
    case VT_I1:
        return cVal == varSrc.cVal;
    case VT_I2:
    case VT_UI2:
        return iVal == varSrc.iVal;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_ERROR:
        return lVal == varSrc.lVal;
    case VT_I8:
    case VT_UI8:
        return llVal == varSrc.llVal;
    case VT_CY:
        return cyVal.int64 == varSrc.cyVal.int64;
    case VT_R4:
        return fltVal == varSrc.fltVal;
    case VT_R8:
        return dblVal == varSrc.dblVal;
    case VT_DATE:
        return date == varSrc.date;
    case VT_DECIMAL:
        return memcmp(&decVal, &varSrc.decVal, sizeof(DECIMAL)) == 0;
    case VT_BSTR: {
        UINT nBytes = ::SysStringByteLen(bstrVal);
        return nBytes == ::SysStringByteLen(varSrc.bstrVal) &&
               (nBytes == 0 || memcmp(bstrVal, varSrc.bstrVal, nBytes) == 0);
    }
    case VT_UNKNOWN:
    case VT_DISPATCH:
        return punkVal == varSrc.punkVal;
    default:
        return FALSE;
    }
}

BOOL COleVariant::operator==(LPCVARIANT pSrc) const
{
    return pSrc != NULL && *this == *pSrc;
}

// Assignment

const COleVariant& COleVariant::operator=(const VARIANT& varSrc)
{
    if (&varSrc != this)
        AfxCheckError(::VariantCopy(this, const_cast<LPVARIANT>(&varSrc)));
    return *this;
}

const COleVariant& COleVariant::operator=(LPCVARIANT pSrc)
{
    if (pSrc == NULL)
        Clear();
    else
        *this = *pSrc;
    return *this;
}

const COleVariant& COleVariant::operator=(const COleVariant& varSrc)
{
    return *this = static_cast<const VARIANT&>(varSrc);
}

const COleVariant& COleVariant::operator=(LPCTSTR lpszSrc)
{
    SetString(lpszSrc);
    return *this;
}

const COleVariant& COleVariant::operator=(const CString& strSrc)
{
    SetString(strSrc);
    return *this;
}

const COleVariant& COleVariant::operator=(BYTE nSrc)
{
    if (vt != VT_UI1)
    {
        Clear();
        vt = VT_UI1;
    }
    bVal = nSrc;
    return *this;
}

const COleVariant& COleVariant::operator=(short nSrc)
{
    if (vt == VT_BOOL)
    {
        boolVal = nSrc ? VARIANT_TRUE : VARIANT_FALSE;
        return *this;
    }
    if (vt != VT_I2)
    {
        Clear();
        vt = VT_I2;
    }
    iVal = nSrc;
    return *this;
}

const COleVariant& COleVariant::operator=(long lSrc)
{
    if (vt == VT_BOOL)
        boolVal = lSrc ? VARIANT_TRUE : VARIANT_FALSE;
    else if (vt == VT_ERROR)
        scode = lSrc;
    else
    {
        if (vt != VT_I4)
        {
            Clear();
            vt = VT_I4;
        }
        lVal = lSrc;
    }
    return *this;
}

const COleVariant& COleVariant::operator=(float fltSrc)
{
    if (vt != VT_R4)
    {
        Clear();
        vt = VT_R4;
    }
    fltVal = fltSrc;
    return *this;
}

const COleVariant& COleVariant::operator=(double dblSrc)
{
    if (vt != VT_R8)
    {
        Clear();
        vt = VT_R8;
    }
    dblVal = dblSrc;
    return *this;
}

const COleVariant& COleVariant::operator=(const COleDateTime& dateSrc)
{
    if (vt != VT_DATE)
    {
        Clear();
        vt = VT_DATE;
    }
    date = dateSrc.m_dt;
    return *this;
}

void AFXAPI AfxVariantInit(LPVARIANT pVar)
{
    memset(pVar, 0, sizeof(*pVar));
}

CArchive& AFXAPI operator<<(CArchive& ar, const COleVariant& varSrc)
{
    ar << (WORD)varSrc.vt;
    switch (varSrc.vt)
    {
    case VT_EMPTY:
    case VT_NULL:
        break;
    case VT_UI1:
        ar << varSrc.bVal;
        break;
    case VT_I2:
    case VT_BOOL:
        ar << varSrc.iVal;
        break;
    case VT_I4:
    case VT_ERROR:
        ar << (LONG)varSrc.lVal;
        break;
    case VT_R4:
        ar << varSrc.fltVal;
        break;
    case VT_R8:
    case VT_DATE:
        ar << varSrc.dblVal;
        break;
    case VT_CY:
        ar << (LONGLONG)varSrc.cyVal.int64;
        break;
    case VT_BSTR:
        ar << CString(varSrc.bstrVal);
        break;
    case VT_ARRAY | VT_UI1: {
        SAFEARRAY* psa = varSrc.parray;
        DWORD nCount = psa != NULL && psa->cDims == 1 ? psa->rgsabound[0].cElements : 0;
        ar << nCount;
        void* pData = NULL;
        if (nCount != 0 && SUCCEEDED(::SafeArrayAccessData(psa, &pData)))
        {
            ar.Write(pData, nCount);
            ::SafeArrayUnaccessData(psa);
        }
        break;
    }
    default:
        AfxThrowArchiveException(CArchiveException::generic);
    }
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, COleVariant& varSrc)
{
    WORD vt = 0;
    ar >> vt;
    varSrc.Clear();
    switch (vt)
    {
    case VT_EMPTY:
    case VT_NULL:
        break;
    case VT_UI1:
        ar >> varSrc.bVal;
        break;
    case VT_I2:
    case VT_BOOL:
        ar >> varSrc.iVal;
        break;
    case VT_I4:
    case VT_ERROR: {
        LONG l = 0;
        ar >> l;
        varSrc.lVal = l;
        break;
    }
    case VT_R4:
        ar >> varSrc.fltVal;
        break;
    case VT_R8:
    case VT_DATE:
        ar >> varSrc.dblVal;
        break;
    case VT_CY: {
        LONGLONG ll = 0;
        ar >> ll;
        varSrc.cyVal.int64 = ll;
        break;
    }
    case VT_BSTR: {
        CString str;
        ar >> str;
        varSrc = str;
        return ar;
    }
    case VT_ARRAY | VT_UI1: {
        DWORD nCount = 0;
        ar >> nCount;
        // Read in pieces before anything is allocated: a damaged count costs no more memory
        // than the archive really holds.
        const DWORD nPiece = 0x10000;
        std::vector<BYTE> bytes;
        for (DWORD nDone = 0; nDone < nCount;)
        {
            DWORD nPart = nCount - nDone < nPiece ? nCount - nDone : nPiece;
            bytes.resize(nDone + nPart);
            if (ar.Read(bytes.data() + nDone, nPart) != nPart)
                AfxThrowArchiveException(CArchiveException::endOfFile);
            nDone += nPart;
        }
        SAFEARRAY* psa = ::SafeArrayCreateVector(VT_UI1, 0, nCount);
        if (psa == NULL)
            AfxThrowMemoryException();
        void* pData = NULL;
        if (nCount != 0 && SUCCEEDED(::SafeArrayAccessData(psa, &pData)))
        {
            memcpy(pData, bytes.data(), nCount);
            ::SafeArrayUnaccessData(psa);
        }
        varSrc.parray = psa;
        break;
    }
    default:
        AfxThrowArchiveException(CArchiveException::generic);
    }
    varSrc.vt = vt;
    return ar;
}
