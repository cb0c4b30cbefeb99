// Hash map from DWORD keys to LONG values (row heights and column widths keyed by number).
// Nodes come in blocks; the bucket table is allocated on the first insertion.
#pragma once
#include "grid/core/HashMapCore.h"

UINT AFXAPI GXHashDWord(const DWORD& key);

class CGXCollMapDWordToLong : public CObject
{
    DECLARE_SERIAL(CGXCollMapDWordToLong)

  public:
    // Construction
    explicit CGXCollMapDWordToLong(INT_PTR nBlockSize = 10);
    ~CGXCollMapDWordToLong() override;

    // Operations
    INT_PTR GetCount() const
    {
        return m_map.GetCount();
    }
    BOOL IsEmpty() const
    {
        return m_map.IsEmpty();
    }
    BOOL Lookup(DWORD key, LONG& rValue) const;
    LONG& operator[](DWORD key);
    void SetAt(DWORD key, LONG newValue)
    {
        (*this)[key] = newValue;
    }
    BOOL RemoveKey(DWORD key)
    {
        return m_map.RemoveKey(key);
    }
    void RemoveAll()
    {
        m_map.RemoveAll();
    }
    POSITION GetStartPosition() const
    {
        return m_map.GetStartPosition();
    }
    void GetNextAssoc(POSITION& rNextPosition, DWORD& rKey, LONG& rValue) const;
    UINT GetHashTableSize() const
    {
        return m_map.GetHashTableSize();
    }
    void InitHashTable(UINT nHashSize)
    {
        m_map.InitHashTable(nHashSize);
    }

    // Overridables
    // The entry count is a WORD in the archive: more than 65535 entries throw before anything is written.
    void Serialize(CArchive& ar) override;

  private:
    CGXCollMapDWordToLong(const CGXCollMapDWordToLong&) = delete;
    CGXHashMapCore<DWORD, LONG, GXHashDWord> m_map;
};

// The same map that can re-key itself when rows or columns are inserted, removed or moved.
class CGXMapDWordToLong : public CGXCollMapDWordToLong
{
    DECLARE_SERIAL(CGXMapDWordToLong)

  public:
    // Construction
    explicit CGXMapDWordToLong(INT_PTR nBlockSize = 10);

    // Operations
    virtual CGXMapDWordToLong& operator=(const CGXMapDWordToLong& other);
    // Every key >= nFirst grows by nCount.
    void InsertKeys(DWORD nFirst, DWORD nCount);
    // Keys nFirst..nLast are dropped; keys above nLast shrink by the span.
    void RemoveKeys(DWORD nFirst, DWORD nLast);
    // Keys nFirst..nLast move so that nFirst becomes nDest; keys in between shift the other way.
    void MoveRange(DWORD nFirst, DWORD nLast, DWORD nDest);

  private:
    CGXMapDWordToLong(const CGXMapDWordToLong&) = delete;
    template <class F> void Rekey(F newKey);
};

// Validates a map's entry count against the WORD of the archive form.
void AFXAPI GXCheckArchiveMapCount(INT_PTR nCount);
