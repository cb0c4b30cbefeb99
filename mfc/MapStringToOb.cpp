// CMapStringToOb: a map from strings to CObject pointers.
#include "MapStringToOb.h"

IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)

void CMapStringToOb::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nCount);
        if (m_nCount == 0)
            return;
        for (UINT nBucket = 0; nBucket < m_nHashTableSize; nBucket++)
        {
            for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != NULL; pAssoc = pAssoc->pNext)
            {
                ar << pAssoc->key;
                ar << pAssoc->value;
            }
        }
    }
    else
    {
        for (DWORD nNewCount = ar.ReadCount(); nNewCount > 0; nNewCount--)
        {
            CString newKey;
            CObject* newValue = NULL;
            ar >> newKey;
            ar >> newValue;
            SetAt(newKey, newValue);
        }
    }
}
