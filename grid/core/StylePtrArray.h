// Arrays of owned styles indexed by row or column number (null entries: nothing stored),
// and the array of such arrays that holds a grid's cell styles row by row.
#pragma once
#include "grid/core/Style.h"

class CGXStylePtrArray : public CPtrArray
{
    DECLARE_SERIAL(CGXStylePtrArray)

  public:
    // Construction
    CGXStylePtrArray() = default;
    ~CGXStylePtrArray() override;
    CGXStylePtrArray& operator=(const CGXStylePtrArray& src);

    // Operations
    CGXStyle* GetStyle(INT_PTR i) const
    {
        return i >= 0 && i < GetSize() ? (CGXStyle*)GetAt(i) : NULL;
    }
    void DeleteAll();
    // Deletes and removes entries nIndex..nIndex+nCount-1, clamped to the array.
    void DeleteAt(INT_PTR nIndex, INT_PTR nCount = 1);
    // Moves nCount entries from nFrom so that the first lands at nDest of the result.
    void MoveAt(INT_PTR nFrom, INT_PTR nCount, INT_PTR nDest);

    // Overridables
    void Serialize(CArchive& ar) override;

  private:
    CGXStylePtrArray(const CGXStylePtrArray&) = delete;
};

class CGXStylePtrArrayPtrArray : public CPtrArray
{
    DECLARE_SERIAL(CGXStylePtrArrayPtrArray)

  public:
    // Construction
    CGXStylePtrArrayPtrArray() = default;
    ~CGXStylePtrArrayPtrArray() override;
    CGXStylePtrArrayPtrArray& operator=(const CGXStylePtrArrayPtrArray& src);

    // Operations
    CGXStylePtrArray* GetRow(INT_PTR i) const
    {
        return i >= 0 && i < GetSize() ? (CGXStylePtrArray*)GetAt(i) : NULL;
    }
    void DeleteAll();
    void DeleteAt(INT_PTR nIndex, INT_PTR nCount = 1);
    void MoveAt(INT_PTR nFrom, INT_PTR nCount, INT_PTR nDest);

    // Overridables
    void Serialize(CArchive& ar) override;

  private:
    CGXStylePtrArrayPtrArray(const CGXStylePtrArrayPtrArray&) = delete;
};

// Moves a block of entries of a pointer array (no ownership involved).
void AFXAPI GXMovePtrArrayBlock(CPtrArray& a, INT_PTR nFrom, INT_PTR nCount, INT_PTR nDest);
