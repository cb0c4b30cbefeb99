#include "SubItemTextStorage.h"
#include "ListItem.h"

SECSubItemTextStorage::SECSubItemTextStorage() : m_map(10)
{
    m_map.InitHashTable(17);
}

SECSubItemTextStorage::~SECSubItemTextStorage()
{
    POSITION pos = m_map.GetStartPosition();
    while (pos != NULL)
    {
        void* pKey;
        void* pValue;
        m_map.GetNextAssoc(pos, pKey, pValue);
        delete static_cast<CStringArray*>(pValue);
    }
}

BOOL SECSubItemTextStorage::GetSubItemText(HTREEITEM hItem, int nCol, LPSTR pszBuffer, int nSize) const
{
    void* pValue = NULL;
    CStringArray* pArray = m_map.Lookup(hItem, pValue) ? static_cast<CStringArray*>(pValue) : NULL;
    if (pArray == NULL || nCol < 1 || nCol > pArray->GetSize())
    {
        ListText::CopyBounded(pszBuffer, nSize, "");
        return 0;
    }
    ListText::CopyBounded(pszBuffer, nSize, pArray->GetAt(nCol - 1));
    return 1;
}

CString SECSubItemTextStorage::GetText(HTREEITEM hItem, int nCol) const
{
    void* pValue = NULL;
    CStringArray* pArray = m_map.Lookup(hItem, pValue) ? static_cast<CStringArray*>(pValue) : NULL;
    if (pArray == NULL || nCol < 1 || nCol > pArray->GetSize())
        return CString();
    return pArray->GetAt(nCol - 1);
}

BOOL SECSubItemTextStorage::SetSubItemText(HTREEITEM hItem, int nCol, LPCSTR pszText)
{
    if (nCol < 1)
        return 0;
    void* pValue = NULL;
    CStringArray* pArray;
    if (m_map.Lookup(hItem, pValue))
        pArray = static_cast<CStringArray*>(pValue);
    else
    {
        pArray = new CStringArray;
        m_map.SetAt(hItem, pArray);
    }
    pArray->SetAtGrow(nCol - 1, pszText != NULL ? pszText : "");
    return 1;
}

BOOL SECSubItemTextStorage::MoveSubItemText(HTREEITEM hItem, int nFrom, int nTo)
{
    void* pValue = NULL;
    if (!m_map.Lookup(hItem, pValue))
        return 0;
    CStringArray* pArray = static_cast<CStringArray*>(pValue);
    int nMax = std::max(nFrom, nTo);
    if (nFrom < 1 || nTo < 1)
        return 0;
    if (pArray->GetSize() < nMax)
        pArray->SetSize(nMax);
    CString strText = pArray->GetAt(nFrom - 1);
    pArray->RemoveAt(nFrom - 1);
    pArray->InsertAt(nTo - 1, strText);
    return 1;
}

void SECSubItemTextStorage::InsertColumn(int nCol)
{
    POSITION pos = m_map.GetStartPosition();
    while (pos != NULL)
    {
        void* pKey;
        void* pValue;
        m_map.GetNextAssoc(pos, pKey, pValue);
        CStringArray* pArray = static_cast<CStringArray*>(pValue);
        if (nCol >= 1 && nCol - 1 <= pArray->GetSize())
            pArray->InsertAt(nCol - 1, CString());
    }
}

void SECSubItemTextStorage::RemoveItem(HTREEITEM hItem)
{
    void* pValue = NULL;
    if (m_map.Lookup(hItem, pValue))
    {
        delete static_cast<CStringArray*>(pValue);
        m_map.RemoveKey(hItem);
    }
}
