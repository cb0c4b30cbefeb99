// Cell-keyed object maps.
#include "grid/core/MapNdxToOb.h"
#include "grid/core/CollMapDWordToLong.h"

IMPLEMENT_SERIAL(CMapNdxToOb, CObject, 1)
IMPLEMENT_SERIAL(CGXMapCellToOb, CMapNdxToOb, 1)

// Only the low 16 bits of row and column choose the bucket.
UINT AFXAPI GXHashCell(const GXCellKey& key)
{
    return ((key.nCol & 0xFFFF) * 4096) | ((key.nRow & 0xFFFF) >> 4);
}

CMapNdxToOb::CMapNdxToOb(INT_PTR nBlockSize) : m_map(nBlockSize)
{
}

CMapNdxToOb::~CMapNdxToOb()
{
}

BOOL CMapNdxToOb::Lookup(ROWCOL nRow, ROWCOL nCol, CObject*& rValue) const
{
    auto* p = m_map.Find(GXCellKey{nRow, nCol});
    if (p == NULL)
        return FALSE;
    rValue = p->value;
    return TRUE;
}

CObject*& CMapNdxToOb::operator()(ROWCOL nRow, ROWCOL nCol)
{
    return m_map.FindOrAdd(GXCellKey{nRow, nCol})->value;
}

BOOL CMapNdxToOb::RemoveKey(ROWCOL nRow, ROWCOL nCol)
{
    return m_map.RemoveKey(GXCellKey{nRow, nCol});
}

void CMapNdxToOb::GetNextAssoc(POSITION& rNextPosition, ROWCOL& nRow, ROWCOL& nCol, CObject*& rValue) const
{
    auto* p = m_map.GetNextAssoc(rNextPosition);
    nRow = p->key.nRow;
    nCol = p->key.nCol;
    rValue = p->value;
}

void CMapNdxToOb::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        GXCheckArchiveMapCount(GetCount());
        ar << (WORD)GetCount();
        POSITION pos = GetStartPosition();
        while (pos != NULL)
        {
            ROWCOL nRow, nCol;
            CObject* pObject;
            GetNextAssoc(pos, nRow, nCol, pObject);
            ar << (DWORD)nRow << (DWORD)nCol;
            ar << pObject;
        }
    }
    else
    {
        WORD wCount;
        ar >> wCount;
        for (WORD i = 0; i < wCount; i++)
        {
            DWORD nRow, nCol;
            CObject* pObject = NULL;
            ar >> nRow >> nCol;
            ar >> pObject;
            SetAt(nRow, nCol, pObject);
        }
    }
}
