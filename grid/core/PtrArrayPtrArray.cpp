// Owning pointer arrays and clean-up of owned collections.
#include "grid/core/PtrArrayPtrArray.h"

IMPLEMENT_DYNCREATE(CGXPtrArrayPtrArray, CPtrArray)

CGXPtrArrayPtrArray::~CGXPtrArrayPtrArray()
{
    for (INT_PTR i = 0; i < GetSize(); i++)
        delete GetAt(i);
    RemoveAll();
}

void AFXAPI GXDeleteAllObjects(CMapPtrToPtr& map)
{
    POSITION pos = map.GetStartPosition();
    while (pos != NULL)
    {
        void* pKey;
        void* pValue;
        map.GetNextAssoc(pos, pKey, pValue);
        // The values are objects of the map's owner; only CObjects have a virtual destructor.
        delete static_cast<CObject*>(pValue);
    }
    map.RemoveAll();
}

void AFXAPI GXDeleteAllObjects(CObList& list)
{
    POSITION pos = list.GetHeadPosition();
    while (pos != NULL)
        delete list.GetNext(pos);
    list.RemoveAll();
}

void AFXAPI GXDeleteAllObjects(CObArray& array)
{
    for (INT_PTR i = 0; i < array.GetSize(); i++)
        delete array.GetAt(i);
    array.SetSize(0);
}
