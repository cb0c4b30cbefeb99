// CGXExStyleMap: while a sheet is written, the XF number given to each cell, row style and
// column style, keyed by (column << 16) | row, with a copy of the XF body written for it so that
// later cells of identical formatting can share that XF. Bodies are found through an index keyed
// by the body itself, so sharing costs the same for every cell of a large sheet.
#pragma once
#include "mfc/AfxCore.h"
#include <string>
#include <unordered_map>

// Length of an XF record body.
const int GX_EXCEL_XF_BODY = 20;

// One cell's XF number and the copy of its body (NULL when none was kept).
struct __gxexmpSt
{
    DWORD nXF;
    BYTE* pBody;
};

class CGXExStyleMap
{
  public:
    // Construction
    CGXExStyleMap() = default;
    virtual ~CGXExStyleMap();
    CGXExStyleMap(const CGXExStyleMap&) = delete;
    CGXExStyleMap& operator=(const CGXExStyleMap&) = delete;

    // Attributes
    static DWORD MakeKey(DWORD nRow, DWORD nCol)
    {
        return ((nCol & 0xFFFF) << 16) | (nRow & 0xFFFF);
    }
    int GetCount() const
    {
        return (int)m_entries.size();
    }
    // The XF number of the cell, 0 when it has none.
    DWORD LookupXF(DWORD nRow, DWORD nCol) const;
    // The XF number above 16 written first with this body, 0xFFFF when none.
    DWORD FindXFByBody(const BYTE* pBody) const;

    // Operations
    // Records the cell's XF number, with a copy of its body when one is given.
    void Add(DWORD nRow, DWORD nCol, DWORD nXF, const BYTE* pBody);
    // Prepares room for the given number of cells.
    void InitSize(UINT nCells);
    void RemoveAll();

  private:
    std::unordered_map<DWORD, __gxexmpSt*> m_entries;
    std::unordered_map<std::string, DWORD> m_bodies;
};
