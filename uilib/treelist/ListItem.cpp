#include "ListItem.h"
#include <string.h>

namespace ListText
{
LPSTR Copy(LPCSTR p)
{
    if (p == NULL || IsCallback(p))
        return (LPSTR)p;
    // The byte before the text keeps its block's size in grains for Free, 0 for a heap block.
    const size_t n = strlen(p), nBlock = n + 2;
    char* pBlock;
    if (nBlock <= SECListPool::MAX_POOLED)
    {
        pBlock = static_cast<char*>(SECListPool::Alloc(nBlock));
        pBlock[0] = (char)(BYTE)((nBlock + 15) / 16);
    }
    else
    {
        pBlock = static_cast<char*>(::operator new(nBlock));
        pBlock[0] = 0;
    }
    memcpy(pBlock + 1, p, n + 1);
    return pBlock + 1;
}

void Free(LPSTR& p)
{
    if (p != NULL && !IsCallback(p))
    {
        char* pBlock = p - 1;
        const size_t nGrains = (BYTE)pBlock[0];
        if (nGrains == 0)
            ::operator delete(pBlock);
        else
            SECListPool::Free(pBlock, nGrains * 16);
    }
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
