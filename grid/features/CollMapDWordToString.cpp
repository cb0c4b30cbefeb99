// DWORD-to-text map of older style archives.
#include "grid/features/CollMapDWordToString.h"

IMPLEMENT_SERIAL(CGXCollMapDWordToString, CObject, 1)

CGXCollMapDWordToString::CGXCollMapDWordToString(INT_PTR nBlockSize) : m_map(nBlockSize)
{
}

CGXCollMapDWordToString::~CGXCollMapDWordToString()
{
    RemoveAll();
}

CString& CGXCollMapDWordToString::operator[](DWORD key)
{
    auto* p = m_map.FindOrAdd(key);
    if (p->value == NULL)
        p->value = new CString;
    return *p->value;
}

BOOL CGXCollMapDWordToString::Lookup(DWORD key, CString& rValue) const
{
    auto* p = m_map.Find(key);
    if (p == NULL)
        return FALSE;
    rValue = *p->value;
    return TRUE;
}

void CGXCollMapDWordToString::RemoveAll()
{
    POSITION pos = m_map.GetStartPosition();
    while (pos != NULL)
        delete m_map.GetNextAssoc(pos)->value;
    m_map.RemoveAll();
}

void CGXCollMapDWordToString::ResetHashTable(UINT nHashSize)
{
    RemoveAll();
    m_map.InitHashTable(nHashSize);
}

void CGXCollMapDWordToString::GetNextAssoc(POSITION& rNextPosition, DWORD& rKey, CString& rValue) const
{
    auto* p = m_map.GetNextAssoc(rNextPosition);
    rKey = p->key;
    rValue = *p->value;
}

void CGXCollMapDWordToString::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        GXCheckArchiveMapCount(GetCount());
        ar << (WORD)GetCount();
        POSITION pos = GetStartPosition();
        while (pos != NULL)
        {
            auto* p = m_map.GetNextAssoc(pos);
            ar << p->key << *p->value;
        }
        return;
    }
    WORD wCount = 0;
    ar >> wCount;
    for (WORD i = 0; i < wCount; i++)
    {
        DWORD key = 0;
        CString strValue;
        ar >> key >> strValue;
        (*this)[key] = strValue;
    }
}
