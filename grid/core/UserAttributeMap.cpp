// Sorted maps of user attributes and their merging.
#include "grid/core/UserAttributeMap.h"
#include "grid/core/CollMapDWordToLong.h"
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
    INT_PTR lo = 0, hi = GetSize() - 1;
    while (lo <= hi)
    {
        INT_PTR mid = (lo + hi) / 2;
        WORD n = GetAttributeAt(mid)->m_nId;
        if (n == nId)
            return mid;
        if (n < nId)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
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
        for (WORD i = 0; i < wCount; i++)
        {
            CObject* pObject = ar.ReadObject(RUNTIME_CLASS(CGXAbstractUserAttribute));
            // Every stored entry is an attribute; a null reference means a damaged archive.
            if (pObject == NULL)
                AfxThrowArchiveException(CArchiveException::generic);
            WORD nId = 0;
            try
            {
                ar >> nId;
            }
            catch (...)
            {
                delete pObject;
                throw;
            }
            CGXAbstractUserAttribute* p = static_cast<CGXAbstractUserAttribute*>(pObject);
            p->m_nId = nId;
            Add(p);
        }
        Sort();
    }
}
