// CObList: a list of CObject pointers.
#include "ObList.h"

IMPLEMENT_SERIAL(CObList, CObject, 0)

void CObList::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nCount);
        for (CNode* pNode = m_pNodeHead; pNode != NULL; pNode = pNode->pNext)
            ar << pNode->data;
    }
    else
    {
        for (DWORD nNewCount = ar.ReadCount(); nNewCount > 0; nNewCount--)
        {
            CObject* newData = NULL;
            ar >> newData;
            AddTail(newData);
        }
    }
}
