// An array of owned pointer arrays, and the clean-up functions for collections of owned objects.
#pragma once
#include "afx.h"

class CGXPtrArrayPtrArray : public CPtrArray
{
    DECLARE_DYNCREATE(CGXPtrArrayPtrArray)

  public:
    CGXPtrArrayPtrArray() = default;
    // Deletes every element array.
    ~CGXPtrArrayPtrArray() override;

    CPtrArray* GetAt(INT_PTR nIndex) const
    {
        return (CPtrArray*)CPtrArray::GetAt(nIndex);
    }

  private:
    CGXPtrArrayPtrArray(const CGXPtrArrayPtrArray&) = delete;
};

// Delete every object held and empty the collection.
void AFXAPI GXDeleteAllObjects(CMapPtrToPtr& map);
void AFXAPI GXDeleteAllObjects(CObList& list);
void AFXAPI GXDeleteAllObjects(CObArray& array);
