// CObArray: an array of CObject pointers.
#include "ObArray.h"

IMPLEMENT_SERIAL(CObArray, CObject, 0)

void CObArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nSize);
        for (int i = 0; i < m_nSize; i++)
            ar << m_pData[i];
    }
    else
    {
        LoadElements(ar.ReadCount(), [&ar](CObject** pFirst, int n) {
            for (int i = 0; i < n; i++)
                ar >> pFirst[i];
        });
    }
}
