// Hash map from a cell (row, column) to an object: the per-paint style cache and cell-keyed
// object stores. The map does not own the objects (see GXDeleteAllObjects).
#pragma once
#include "grid/core/HashMapCore.h"
#include "grid/core/GridTypes.h"

struct GXCellKey
{
    ROWCOL nRow;
    ROWCOL nCol;
};

UINT AFXAPI GXHashCell(const GXCellKey& key);

class CMapNdxToOb : public CObject
{
    DECLARE_SERIAL(CMapNdxToOb)

  public:
    // Construction
    explicit CMapNdxToOb(INT_PTR nBlockSize = 10);
    ~CMapNdxToOb() override;

    // Operations
    INT_PTR GetCount() const
    {
        return m_map.GetCount();
    }
    BOOL IsEmpty() const
    {
        return m_map.IsEmpty();
    }
    BOOL Lookup(ROWCOL nRow, ROWCOL nCol, CObject*& rValue) const;
    CObject*& operator()(ROWCOL nRow, ROWCOL nCol);
    void SetAt(ROWCOL nRow, ROWCOL nCol, CObject* pValue)
    {
        (*this)(nRow, nCol) = pValue;
    }
    BOOL RemoveKey(ROWCOL nRow, ROWCOL nCol);
    void RemoveAll()
    {
        m_map.RemoveAll();
    }
    POSITION GetStartPosition() const
    {
        return m_map.GetStartPosition();
    }
    void GetNextAssoc(POSITION& rNextPosition, ROWCOL& nRow, ROWCOL& nCol, CObject*& rValue) const;
    UINT GetHashTableSize() const
    {
        return m_map.GetHashTableSize();
    }
    void InitHashTable(UINT nHashSize)
    {
        m_map.InitHashTable(nHashSize);
    }

    // Overridables
    // WORD count, then row, column and the archived object per entry; more than 65535 entries throw.
    void Serialize(CArchive& ar) override;

  private:
    CMapNdxToOb(const CMapNdxToOb&) = delete;
    CGXHashMapCore<GXCellKey, CObject*, GXHashCell> m_map;
};

// The grid's name for the cell-to-object map.
class CGXMapCellToOb : public CMapNdxToOb
{
    DECLARE_SERIAL(CGXMapCellToOb)

  public:
    explicit CGXMapCellToOb(INT_PTR nBlockSize = 10) : CMapNdxToOb(nBlockSize)
    {
    }
};
