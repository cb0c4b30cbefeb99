// Maps keyed by 8-byte descriptions.
#include "grid/core/MapByte8ToPtr.h"

IMPLEMENT_DYNCREATE(CGXMapByte8ToPtr, CObject)

UINT AFXAPI GXHashByte8(const GXByte8Key& key)
{
    return key.dw1;
}

BOOL CGXMapByte8ToPtr::Lookup(const GXByte8Key& key, void*& rValue) const
{
    auto* p = m_map.Find(key);
    if (p == NULL)
        return FALSE;
    rValue = p->value;
    return TRUE;
}

void CGXMapByte8ToPtr::GetNextAssoc(POSITION& rNextPosition, GXByte8Key& rKey, void*& rValue) const
{
    auto* p = m_map.GetNextAssoc(rNextPosition);
    rKey = p->key;
    rValue = p->value;
}
