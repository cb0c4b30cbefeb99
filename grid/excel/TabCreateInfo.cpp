// Create-info records of workbook sheets.
#include "TabCreateInfo.h"

IMPLEMENT_SERIAL(CGXTabCreateInfo, CObject, 0)

namespace
{
// A class name: 16-bit length, then the characters; an empty name for none.
void StoreClassName(CArchive& ar, const CRuntimeClass* pClass)
{
    const char* pszName = pClass != NULL ? pClass->m_lpszClassName : "";
    WORD nLength = (WORD)strlen(pszName);
    ar << nLength;
    ar.Write(pszName, nLength);
}

// The class a stored name stands for: null for an empty name; a name that is too long or names
// no class known here makes the archive fail.
CRuntimeClass* LoadClassName(CArchive& ar)
{
    WORD nLength = 0;
    ar >> nLength;
    if (nLength > CGXTabCreateInfo::nMaxClassName)
        AfxThrowArchiveException(CArchiveException::generic);
    char szName[CGXTabCreateInfo::nMaxClassName + 1];
    if (ar.Read(szName, nLength) != nLength)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    szName[nLength] = 0;
    if (nLength == 0)
        return NULL;
    CRuntimeClass* pClass = CRuntimeClass::FromName(szName);
    if (pClass == NULL)
        AfxThrowArchiveException(CArchiveException::badClass);
    return pClass;
}
} // namespace

CGXTabCreateInfo::CGXTabCreateInfo(CRuntimeClass* pViewClass, CDocument* pDocument, CDocTemplate* pTemplate,
                                   LPCTSTR pszName)
    : m_pViewClass(pViewClass), m_strName(pszName != NULL ? pszName : _T("")), m_pTemplate(pTemplate)
{
    SetDocument(pDocument);
}

CGXTabCreateInfo::~CGXTabCreateInfo()
{
    delete m_pContext;
}

CGXTabCreateInfo::CGXTabCreateInfo(const CGXTabCreateInfo& src) : CObject()
{
    *this = src;
}

// A copy counts as loaded; an empty name does not replace the one held.
CGXTabCreateInfo& CGXTabCreateInfo::operator=(const CGXTabCreateInfo& src)
{
    if (this == &src)
        return *this;
    delete m_pContext;
    m_pContext = NULL;
    m_pViewClass = src.m_pViewClass;
    m_bPrepared = src.m_bPrepared;
    if (!src.m_strName.IsEmpty())
        m_strName = src.m_strName;
    m_pTemplate = src.m_pTemplate;
    m_pDocClass = src.m_pDocClass;
    SetDocument(src.m_pDocument);
    m_nShareMode = src.m_nShareMode;
    m_bLoaded = TRUE;
    m_nSheet = src.m_nSheet;
    return *this;
}

CCreateContext* CGXTabCreateInfo::GetCreateContext()
{
    if (m_pContext == NULL)
        m_pContext = new CCreateContext;
    m_pContext->m_pNewViewClass = m_pViewClass;
    m_pContext->m_pCurrentDoc = m_pDocument;
    m_pContext->m_pNewDocTemplate = m_pTemplate;
    m_pContext->m_pLastView = NULL;
    m_pContext->m_pCurrentFrame = NULL;
    return m_pContext;
}

void CGXTabCreateInfo::SetDocument(CDocument* pDocument)
{
    m_pDocument = pDocument;
    if (pDocument != NULL)
        m_pDocClass = pDocument->GetRuntimeClass();
}

void CGXTabCreateInfo::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        StoreClassName(ar, m_pViewClass);
        StoreClassName(ar, m_pDocument != NULL ? m_pDocument->GetRuntimeClass() : m_pDocClass);
        ar << m_bPrepared << m_nShareMode;
        return;
    }
    CRuntimeClass* pViewClass = LoadClassName(ar);
    CRuntimeClass* pDocClass = LoadClassName(ar);
    DWORD bPrepared = 0;
    WORD nShareMode = 0;
    ar >> bPrepared >> nShareMode;
    delete m_pContext;
    m_pContext = NULL;
    m_pViewClass = pViewClass;
    m_pDocClass = pDocClass;
    m_bPrepared = bPrepared;
    m_nShareMode = nShareMode;
    m_bLoaded = TRUE;
}
