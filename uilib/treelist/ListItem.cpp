#include "ListItem.h"
#include <string.h>

namespace ListText
{
LPSTR Copy(LPCSTR p)
{
    if (p == NULL || IsCallback(p))
        return (LPSTR)p;
    size_t n = strlen(p);
    LPSTR q = new char[n + 1];
    memcpy(q, p, n + 1);
    return q;
}

void Free(LPSTR& p)
{
    if (p != NULL && !IsCallback(p))
        delete[] p;
    p = NULL;
}

void CopyBounded(LPSTR pDest, int nSize, LPCSTR pSrc)
{
    if (pDest == NULL || nSize <= 0)
        return;
    if (pSrc == NULL || IsCallback(pSrc))
        pSrc = "";
    int n = 0;
    while (pSrc[n] != '\0')
    {
        int nChar = (::IsDBCSLeadByte((BYTE)pSrc[n]) && pSrc[n + 1] != '\0') ? 2 : 1;
        if (n + nChar > nSize - 1)
            break;
        n += nChar;
    }
    memcpy(pDest, pSrc, n);
    pDest[n] = '\0';
}
} // namespace ListText

SECListItem::~SECListItem()
{
    for (SECListSubItem* p : m_arrSubItems)
        delete p;
    ListText::Free(m_pszText);
}
