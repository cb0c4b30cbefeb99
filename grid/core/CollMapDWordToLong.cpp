// DWORD-to-LONG maps and their re-keying for structure changes of the grid.
#include "grid/core/CollMapDWordToLong.h"
#include <utility>
#include <vector>

IMPLEMENT_SERIAL(CGXCollMapDWordToLong, CObject, 1)
IMPLEMENT_SERIAL(CGXMapDWordToLong, CGXCollMapDWordToLong, 1)

UINT AFXAPI GXHashDWord(const DWORD& key)
{
    return key >> 4;
}

void AFXAPI GXCheckArchiveMapCount(INT_PTR nCount)
{
    if (nCount > 0xFFFF)
        AfxThrowArchiveException(CArchiveException::generic);
}

CGXCollMapDWordToLong::CGXCollMapDWordToLong(INT_PTR nBlockSize) : m_map(nBlockSize)
{
}

CGXCollMapDWordToLong::~CGXCollMapDWordToLong()
{
}

BOOL CGXCollMapDWordToLong::Lookup(DWORD key, LONG& rValue) const
{
    auto* p = m_map.Find(key);
    if (p == NULL)
        return FALSE;
    rValue = p->value;
    return TRUE;
}

LONG& CGXCollMapDWordToLong::operator[](DWORD key)
{
    return m_map.FindOrAdd(key)->value;
}

void CGXCollMapDWordToLong::GetNextAssoc(POSITION& rNextPosition, DWORD& rKey, LONG& rValue) const
{
    auto* p = m_map.GetNextAssoc(rNextPosition);
    rKey = p->key;
    rValue = p->value;
}

void CGXCollMapDWordToLong::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        GXCheckArchiveMapCount(GetCount());
        ar << (WORD)GetCount();
        POSITION pos = GetStartPosition();
        while (pos != NULL)
        {
            DWORD key;
            LONG value;
            GetNextAssoc(pos, key, value);
            ar << key << value;
        }
    }
    else
    {
        WORD wCount;
        ar >> wCount;
        for (WORD i = 0; i < wCount; i++)
        {
            DWORD key;
            LONG value;
            ar >> key >> value;
            SetAt(key, value);
        }
    }
}

CGXMapDWordToLong::CGXMapDWordToLong(INT_PTR nBlockSize) : CGXCollMapDWordToLong(nBlockSize)
{
}

CGXMapDWordToLong& CGXMapDWordToLong::operator=(const CGXMapDWordToLong& other)
{
    if (&other == this)
        return *this;
    RemoveAll();
    POSITION pos = other.GetStartPosition();
    while (pos != NULL)
    {
        DWORD key;
        LONG value;
        other.GetNextAssoc(pos, key, value);
        SetAt(key, value);
    }
    return *this;
}

// Builds the re-keyed entries apart, empties the map and puts them back. newKey returns FALSE
// for an entry that is dropped.
template <class F> void CGXMapDWordToLong::Rekey(F newKey)
{
    std::vector<std::pair<DWORD, LONG>> entries;
    entries.reserve((size_t)GetCount());
    POSITION pos = GetStartPosition();
    while (pos != NULL)
    {
        DWORD key;
        LONG value;
        GetNextAssoc(pos, key, value);
        if (newKey(key))
            entries.emplace_back(key, value);
    }
    RemoveAll();
    for (const auto& e : entries)
        SetAt(e.first, e.second);
}

void CGXMapDWordToLong::InsertKeys(DWORD nFirst, DWORD nCount)
{
    Rekey([=](DWORD& key) {
        if (key >= nFirst)
            key += nCount;
        return TRUE;
    });
}

void CGXMapDWordToLong::RemoveKeys(DWORD nFirst, DWORD nLast)
{
    DWORD n = nLast - nFirst + 1;
    Rekey([=](DWORD& key) {
        if (key >= nFirst && key <= nLast)
            return FALSE;
        if (key > nLast)
            key -= n;
        return TRUE;
    });
}

void CGXMapDWordToLong::MoveRange(DWORD nFirst, DWORD nLast, DWORD nDest)
{
    DWORD n = nLast - nFirst + 1;
    Rekey([=](DWORD& key) {
        if (key >= nFirst && key <= nLast)
            key = key - nFirst + nDest;
        else if (nDest > nFirst && key > nLast && key <= nDest + n - 1)
            key -= n;
        else if (nDest < nFirst && key >= nDest && key < nFirst)
            key += n;
        return TRUE;
    });
}
