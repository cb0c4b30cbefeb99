// An array of owned DWORD arrays (null entries allowed): the two maps of a span-cell pool.
#pragma once
#include "afx.h"

class CGXDWordArrayPtrArray : public CPtrArray
{
  public:
    CGXDWordArrayPtrArray() = default;
    ~CGXDWordArrayPtrArray() override;

    CDWordArray* GetArray(INT_PTR nIndex) const
    {
        return nIndex >= 0 && nIndex < GetSize() ? (CDWordArray*)GetAt(nIndex) : NULL;
    }
    // The inner array at nIndex, made (and the outer array grown) when missing.
    CDWordArray& Ensure(INT_PTR nIndex);
    void DeleteAll();
    void CopyFrom(const CGXDWordArrayPtrArray& src);
    // Version 1, then the filled entries as sparse archive entries.
    void Serialize(CArchive& ar) override;

  private:
    CGXDWordArrayPtrArray(const CGXDWordArrayPtrArray&) = delete;
    CGXDWordArrayPtrArray& operator=(const CGXDWordArrayPtrArray&) = delete;
};
