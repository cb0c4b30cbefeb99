// Hash map from DWORD keys to texts: the form in which older archives kept a style's user
// attributes. Only read back (and written by tests of that reading).
#pragma once
#include "grid/core/CollMapDWordToLong.h"

class CGXCollMapDWordToString : public CObject
{
    DECLARE_SERIAL(CGXCollMapDWordToString)

  public:
    // Construction
    explicit CGXCollMapDWordToString(INT_PTR nBlockSize = 10);
    ~CGXCollMapDWordToString() override;

    // Operations
    INT_PTR GetCount() const
    {
        return m_map.GetCount();
    }
    // The text of key, inserted empty when absent.
    CString& operator[](DWORD key);
    BOOL Lookup(DWORD key, CString& rValue) const;
    void RemoveAll();
    // Frees the buckets and makes nHashSize empty ones (the map must be empty).
    void ResetHashTable(UINT nHashSize = 17);
    POSITION GetStartPosition() const
    {
        return m_map.GetStartPosition();
    }
    void GetNextAssoc(POSITION& rNextPosition, DWORD& rKey, CString& rValue) const;

    // Overridables
    // WORD count, then key and text bucket by bucket.
    void Serialize(CArchive& ar) override;

  private:
    CGXCollMapDWordToString(const CGXCollMapDWordToString&) = delete;
    CGXCollMapDWordToString& operator=(const CGXCollMapDWordToString&) = delete;
    CGXHashMapCore<DWORD, CString*, GXHashDWord> m_map; // texts owned
};
