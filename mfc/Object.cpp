// CObject and CRuntimeClass: type queries, creation by name and the class records of archives.
#include "Object.h"
#include "Archive.h"
#include "Exception.h"
#include <new>
#include <string.h>

namespace
{
// Constant-initialised, so registration from any static initialiser finds it ready.
CRuntimeClass* g_pFirstClass = NULL;

// Longest class name an archive may name; longer records are treated as unknown classes.
const UINT nMaxClassName = 63;
} // namespace

CRuntimeClass CObject::classCObject = {"CObject", (int)sizeof(CObject), 0xFFFF, NULL, NULL, NULL};
static const AFX_CLASSINIT _init_CObject(RUNTIME_CLASS(CObject));

void AFXAPI AfxClassInit(CRuntimeClass* pNewClass)
{
    // A class registered twice (a header-only use of the macros) must not form a loop.
    for (CRuntimeClass* pClass = g_pFirstClass; pClass != NULL; pClass = pClass->m_pNextClass)
        if (pClass == pNewClass)
            return;
    pNewClass->m_pNextClass = g_pFirstClass;
    g_pFirstClass = pNewClass;
}

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == NULL)
    {
        TRACE("Cannot create an object of class %s: it has no factory.\n", m_lpszClassName);
        return NULL;
    }
    try
    {
        return (*m_pfnCreateObject)();
    }
    catch (CMemoryException* e)
    {
        e->Delete();
    }
    catch (std::bad_alloc&)
    {
    }
    return NULL;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClass = this; pClass != NULL; pClass = pClass->m_pBaseClass)
        if (pClass == pBaseClass)
            return TRUE;
    return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == NULL)
        return NULL;
    for (CRuntimeClass* pClass = g_pFirstClass; pClass != NULL; pClass = pClass->m_pNextClass)
        if (strcmp(pClass->m_lpszClassName, lpszClassName) == 0)
            return pClass;
    return NULL;
}

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD nLen = (WORD)strlen(m_lpszClassName);
    ar << (WORD)m_wSchema << nLen;
    ar.Write(m_lpszClassName, nLen);
}

CRuntimeClass* PASCAL CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD wSchema = 0;
    WORD nLen = 0;
    ar >> wSchema >> nLen;
    if (pwSchemaNum != NULL)
        *pwSchemaNum = wSchema;

    char szClassName[nMaxClassName + 1];
    if (nLen > nMaxClassName)
    {
        TRACE("Archive names a class with a %u character name.\n", (unsigned)nLen);
        return NULL;
    }
    if (ar.Read(szClassName, nLen) != nLen)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    szClassName[nLen] = '\0';

    CRuntimeClass* pClass = FromName(szClassName);
    if (pClass == NULL)
        TRACE("Archive names the unknown class %s.\n", szClassName);
    return pClass;
}

CObject::~CObject()
{
    AfxObjectDestroyed(this);
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    return pObject != NULL && pObject->IsKindOf(pClass) ? pObject : NULL;
}

void CObject::Serialize(CArchive&)
{
}

void CObject::AssertValid() const
{
}

CObject* AFXAPI AfxReadObjectFromArchive(CArchive& ar, const CRuntimeClass* pClass)
{
    return ar.ReadObject(pClass);
}
