// SECMenuTemplate: walking a menu template within its bounds.
#include "uilib/bars/MenuTemplate.h"
#include <string>

namespace
{
// Nested pop-ups deeper than this count as a broken template.
const int kMaxDepth = 32;
// Version and header size words.
const size_t kHeader = 4;
} // namespace

SECMenuTemplate::SECMenuTemplate(const void* pData, size_t cbData)
    : m_data((const BYTE*)pData, (const BYTE*)pData + cbData)
{
}

BOOL SECMenuTemplate::Load(LPCTSTR lpszMenu)
{
    m_data.clear();
    HINSTANCE hInst = AfxFindResourceHandle(lpszMenu, RT_MENU);
    HRSRC hRsrc = ::FindResource(hInst, lpszMenu, RT_MENU);
    if (hRsrc == NULL)
        return FALSE;
    const DWORD cbResource = ::SizeofResource(hInst, hRsrc);
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const BYTE* pData = hGlobal != NULL ? (const BYTE*)::LockResource(hGlobal) : NULL;
    if (pData == NULL)
        return FALSE;
    m_data.assign(pData, pData + cbResource);
    return TRUE;
}

BOOL SECMenuTemplate::Word(size_t nPos, UINT& nValue) const
{
    if (nPos + 2 > m_data.size())
        return FALSE;
    nValue = (UINT)(m_data[nPos] | (m_data[nPos + 1] << 8));
    return TRUE;
}

size_t SECMenuTemplate::TopLevel() const
{
    UINT nOffset = 0;
    if (!Word(2, nOffset) || kHeader + nOffset >= m_data.size())
        return 0;
    return kHeader + nOffset;
}

BOOL SECMenuTemplate::ReadItem(size_t nPos, Item& item, size_t& nNext, int nDepth) const
{
    if (nDepth > kMaxDepth || !Word(nPos, item.nFlags))
        return FALSE;
    nPos += 2;
    item.nID = 0;
    if (!(item.nFlags & MF_POPUP))
    {
        if (!Word(nPos, item.nID))
            return FALSE;
        nPos += 2;
    }
    // The text up to its zero, which must lie inside the template.
    std::wstring strText;
    for (UINT ch = 0;; nPos += 2)
    {
        if (!Word(nPos, ch))
            return FALSE;
        if (ch == 0)
            break;
        strText += (WCHAR)ch;
    }
    nPos += 2;
    item.strText.Empty();
    if (!strText.empty())
    {
        const int cb =
            ::WideCharToMultiByte(CP_ACP, 0, strText.c_str(), (int)strText.size(), NULL, 0, NULL, NULL);
        std::string text((size_t)cb, '\0');
        ::WideCharToMultiByte(CP_ACP, 0, strText.c_str(), (int)strText.size(), &text[0], cb, NULL, NULL);
        item.strText = text.c_str();
    }
    item.nSubLevel = nPos;
    if (!(item.nFlags & MF_POPUP))
    {
        nNext = nPos;
        return TRUE;
    }
    // Past the pop-up's items, up to and with the one marked as its last.
    Item sub;
    for (size_t nSub = nPos;;)
    {
        size_t nAfter = 0;
        if (!ReadItem(nSub, sub, nAfter, nDepth + 1))
            return FALSE;
        nSub = nAfter;
        if (sub.nFlags & MF_END)
        {
            nNext = nSub;
            return TRUE;
        }
    }
}

BOOL SECMenuTemplate::FindItem(size_t nLevel, int nIndex, Item& item) const
{
    if (nLevel == 0 || nIndex < 0)
        return FALSE;
    size_t nPos = nLevel;
    for (int i = 0;; i++)
    {
        size_t nNext = 0;
        if (!ReadItem(nPos, item, nNext, 0))
            return FALSE;
        if (i == nIndex)
            return TRUE;
        if (item.nFlags & MF_END)
            return FALSE;
        nPos = nNext;
    }
}

CString SECMenuTemplate::GetItemText(size_t nLevel, int nIndex) const
{
    Item item;
    return FindItem(nLevel, nIndex, item) ? item.strText : CString();
}
