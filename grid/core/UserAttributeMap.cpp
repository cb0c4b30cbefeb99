// Sorted maps of user attributes and their merging.
#include "grid/core/UserAttributeMap.h"
#include "grid/core/CollMapDWordToLong.h"
#include "afxwin.h"
#include <algorithm>

IMPLEMENT_SERIAL(CGXUserAttributeMap, CObArray, 1)

CGXUserAttributeMap::~CGXUserAttributeMap()
{
    RemoveAll();
}

CGXUserAttributeMap& CGXUserAttributeMap::operator=(const CGXUserAttributeMap& src)
{
    if (&src != this)
    {
        RemoveAll();
        for (INT_PTR i = 0; i < src.GetSize(); i++)
            Add(src.GetAttributeAt(i)->Clone());
    }
    return *this;
}

INT_PTR CGXUserAttributeMap::Find(WORD nId) const
{
    // Linear: a loaded map keeps its stored order, which need not be sorted.
    for (INT_PTR i = 0; i < GetSize(); i++)
        if (GetAttributeAt(i)->m_nId == nId)
            return i;
    return -1;
}

CGXAbstractUserAttribute* CGXUserAttributeMap::Lookup(WORD nId) const
{
    INT_PTR i = Find(nId);
    return i >= 0 ? GetAttributeAt(i) : NULL;
}

void CGXUserAttributeMap::SetAttribute(WORD nId, CGXAbstractUserAttribute* pAttribute)
{
    pAttribute->m_nId = nId;
    INT_PTR i = Find(nId);
    if (i >= 0)
    {
        if (GetAttributeAt(i) != pAttribute)
            delete GetAttributeAt(i);
        SetAt(i, pAttribute);
        return;
    }
    Add(pAttribute);
    Sort();
}

void CGXUserAttributeMap::SetAttributeCopy(WORD nId, const CGXAbstractUserAttribute& attribute)
{
    SetAttribute(nId, attribute.Clone());
}

void CGXUserAttributeMap::RemoveAttribute(WORD nId)
{
    INT_PTR i = Find(nId);
    if (i >= 0)
    {
        delete GetAttributeAt(i);
        RemoveAt(i);
    }
}

void CGXUserAttributeMap::RemoveAll()
{
    for (INT_PTR i = 0; i < GetSize(); i++)
        delete GetAttributeAt(i);
    CObArray::RemoveAll();
}

void CGXUserAttributeMap::Sort()
{
    CObject** p = GetData();
    std::stable_sort(p, p + GetSize(), [](CObject* a, CObject* b) {
        return static_cast<CGXAbstractUserAttribute*>(a)->m_nId <
               static_cast<CGXAbstractUserAttribute*>(b)->m_nId;
    });
}

void CGXUserAttributeMap::MergeMap(const CGXUserAttributeMap& source, GXModifyType mt)
{
    if (&source == this)
    {
        if (mt == gxExclude)
            RemoveAll();
        return;
    }
    if (mt == gxExclude)
    {
        for (INT_PTR i = 0; i < source.GetSize(); i++)
            RemoveAttribute(source.GetAttributeAt(i)->m_nId);
        return;
    }
    if (mt == gxCopy)
        RemoveAll();
    CObArray added;
    for (INT_PTR i = 0; i < source.GetSize(); i++)
    {
        const CGXAbstractUserAttribute* pSrc = source.GetAttributeAt(i);
        INT_PTR j = Find(pSrc->m_nId);
        if (j >= 0 && mt == gxApplyNew)
            continue;
        CGXAbstractUserAttribute* pCopy = pSrc->Clone();
        pCopy->m_nId = pSrc->m_nId;
        if (j >= 0)
        {
            delete GetAttributeAt(j);
            SetAt(j, pCopy);
        }
        else
            added.Add(pCopy);
    }
    // New ids are appended together and sorted once.
    if (added.GetSize() > 0)
    {
        Append(added);
        Sort();
    }
}

void CGXUserAttributeMap::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        GXCheckArchiveMapCount(GetSize());
        ar << (WORD)GetSize();
        for (INT_PTR i = 0; i < GetSize(); i++)
        {
            CGXAbstractUserAttribute* p = GetAttributeAt(i);
            ar << (CObject*)p;
            ar << p->m_nId;
        }
    }
    else
    {
        RemoveAll();
        WORD wCount;
        ar >> wCount;
        try
        {
            for (WORD i = 0; i < wCount; i++)
            {
                // Each attribute is owned by one map: a reference to an object loaded before
                // (which someone already owns) or a null entry means a damaged archive.
                UINT nSchema = 0;
                DWORD dwTag = 0;
                CRuntimeClass* pClass =
                    ar.ReadClass(RUNTIME_CLASS(CGXAbstractUserAttribute), &nSchema, &dwTag);
                if (pClass == NULL)
                    AfxThrowArchiveException(CArchiveException::generic);
                CObject* pObject = pClass->CreateObject();
                if (pObject == NULL)
                    AfxThrowMemoryException();
                CGXAbstractUserAttribute* p = static_cast<CGXAbstractUserAttribute*>(pObject);
                Add(p); // owned from here, so a failure below deletes it with the others
                ar.MapObject(p);
                ar.SetObjectSchema(nSchema);
                p->Serialize(ar);
                ar >> p->m_nId;
            }
        }
        catch (...)
        {
            RemoveAll(); // only what this load created
            throw;
        }
    }
}

void CGXUserAttributeMap::WriteProfile(LPCTSTR pszSection) const
{
    CWinApp* pApp = AfxGetApp();
    for (INT_PTR i = 0; i < GetSize(); i++)
    {
        CString strKey;
        strKey.Format("UA%lu", (unsigned long)GetAttributeAt(i)->GetId());
        pApp->WriteProfileString(pszSection, strKey, GetAttributeAt(i)->GetValueText());
    }
}
