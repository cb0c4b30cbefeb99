// SECCustomToolBarInfoEx: a toolbar's title and buttons in the archive, profile and state-tree forms.
#include "uilib/bars/CustomToolBarInfoEx.h"
#include "ArchiveException.h"
#include "uilib/common/PersistentTreeNode.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(SECCustomToolBarInfoEx, SECControlBarInfoEx)

namespace
{
const int kHeadBytes = 5; // command id, 32-bit little-endian, then the extra data's length
const TCHAR kTitleEntry[] = _T("Title");
const TCHAR kButtonsEntry[] = _T("Buttons");
const TCHAR kTreeNode[] = _T("ToolBarInfoEx");
} // namespace

SECBtnInfoArray::~SECBtnInfoArray()
{
    RemoveAllInfo();
}

void SECBtnInfoArray::RemoveAllInfo()
{
    for (INT_PTR i = 0; i < GetSize(); ++i)
        delete GetInfo(i);
    RemoveAll();
}

void SECBtnInfoArray::Swap(SECBtnInfoArray& other)
{
    CPtrArray mine;
    mine.Append(*this);
    RemoveAll();
    Append(other);
    other.RemoveAll();
    other.Append(mine);
}

void SECBtnInfoArray::ToBytes(std::vector<BYTE>& bytes) const
{
    bytes.clear();
    for (INT_PTR i = 0; i < GetSize(); ++i)
    {
        const SECBtnInfo* pInfo = GetInfo(i);
        const UINT nID = pInfo->m_nID;
        const size_t nExtra = std::min<size_t>(pInfo->m_extra.size(), 255);
        bytes.push_back((BYTE)nID);
        bytes.push_back((BYTE)(nID >> 8));
        bytes.push_back((BYTE)(nID >> 16));
        bytes.push_back((BYTE)(nID >> 24));
        bytes.push_back((BYTE)nExtra);
        bytes.insert(bytes.end(), pInfo->m_extra.begin(), pInfo->m_extra.begin() + (ptrdiff_t)nExtra);
    }
}

BOOL SECBtnInfoArray::FromBytes(const BYTE* pData, UINT nBytes)
{
    SECBtnInfoArray read;
    UINT nPos = 0;
    while (nPos < nBytes)
    {
        if (nBytes - nPos < (UINT)kHeadBytes)
            return FALSE;
        const BYTE* p = pData + nPos;
        const UINT nID = p[0] | (p[1] << 8) | (p[2] << 16) | ((UINT)p[3] << 24);
        const UINT nExtra = p[4];
        nPos += kHeadBytes;
        if (nBytes - nPos < nExtra)
            return FALSE;
        read.Add(new SECBtnInfo(nID, std::vector<BYTE>(pData + nPos, pData + nPos + nExtra)));
        nPos += nExtra;
    }
    RemoveAllInfo();
    Swap(read);
    return TRUE;
}

SECCustomToolBarInfoEx::SECCustomToolBarInfoEx() : m_bButtonsValid(FALSE)
{
}

SECCustomToolBarInfoEx::~SECCustomToolBarInfoEx() = default;

void SECCustomToolBarInfoEx::Serialize(CArchive& ar, SECDockState*)
{
    if (ar.IsStoring())
    {
        ar << m_strTitle;
        ar << (DWORD)m_btnInfo.GetSize();
        for (INT_PTR i = 0; i < m_btnInfo.GetSize(); ++i)
        {
            const SECBtnInfo* pInfo = m_btnInfo.GetInfo(i);
            const BYTE nExtra = (BYTE)std::min<size_t>(pInfo->m_extra.size(), 255);
            ar << (DWORD)pInfo->m_nID << nExtra;
            if (nExtra > 0)
                ar.Write(pInfo->m_extra.data(), nExtra);
        }
        return;
    }
    // Everything is read into locals first: a stream cut short leaves the record as it was.
    CString strTitle;
    DWORD nCount;
    ar >> strTitle >> nCount;
    SECBtnInfoArray read;
    for (DWORD i = 0; i < nCount; ++i)
    {
        DWORD nID;
        BYTE nExtra;
        ar >> nID >> nExtra;
        std::vector<BYTE> extra(nExtra);
        if (nExtra > 0 && ar.Read(extra.data(), nExtra) != nExtra)
            AfxThrowArchiveException(CArchiveException::endOfFile);
        read.Add(new SECBtnInfo(nID, extra));
    }
    m_strTitle = strTitle;
    m_btnInfo.RemoveAllInfo();
    m_btnInfo.Swap(read);
    m_bButtonsValid = TRUE;
}

void SECCustomToolBarInfoEx::LoadStateFromProfile(LPCTSTR lpszSection, SECDockState*)
{
    CWinApp* pApp = AfxGetApp();
    m_strTitle = pApp->GetProfileString(lpszSection, kTitleEntry, _T(""));
    LPBYTE pData = NULL;
    UINT nBytes = 0;
    m_bButtonsValid = FALSE;
    if (pApp->GetProfileBinary(lpszSection, kButtonsEntry, &pData, &nBytes))
        m_bButtonsValid = m_btnInfo.FromBytes(pData, nBytes);
    else if (pApp->GetProfileString(lpszSection, kButtonsEntry, _T("?")).IsEmpty())
    {
        // An INI file holds an empty list as an empty value, which reads as no binary at all.
        m_btnInfo.RemoveAllInfo();
        m_bButtonsValid = TRUE;
    }
    delete[] pData;
}

void SECCustomToolBarInfoEx::SaveStateToProfile(LPCTSTR lpszSection)
{
    CWinApp* pApp = AfxGetApp();
    if (!m_strTitle.IsEmpty())
        pApp->WriteProfileString(lpszSection, kTitleEntry, m_strTitle);
    std::vector<BYTE> bytes;
    m_btnInfo.ToBytes(bytes);
    pApp->WriteProfileBinary(lpszSection, kButtonsEntry, bytes.data(), (UINT)bytes.size());
}

BOOL SECCustomToolBarInfoEx::LoadStateFromTree(SECPersistentTreeNode* pNode)
{
    SECPersistentTreeNode* pChild = pNode != NULL ? pNode->FindChild(kTreeNode) : NULL;
    if (pChild == NULL)
        return FALSE;
    pChild->GetKeyValue(kTitleEntry, m_strTitle, _T(""));
    m_bButtonsValid = FALSE;
    CString strText;
    if (pChild->GetKeyValue(kButtonsEntry, strText) == SECPTN_OK && strText.IsEmpty())
    {
        // An empty list is kept as an empty text: the letter encoding has no empty block.
        m_btnInfo.RemoveAllInfo();
        m_bButtonsValid = TRUE;
        return TRUE;
    }
    void* pData = NULL;
    UINT nBytes = 0;
    if (pChild->GetKeyValue(kButtonsEntry, &pData, &nBytes) == SECPTN_OK)
        m_bButtonsValid = m_btnInfo.FromBytes(static_cast<const BYTE*>(pData), nBytes);
    delete[] static_cast<BYTE*>(pData);
    return TRUE;
}

void SECCustomToolBarInfoEx::SaveStateToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pNode)
{
    if (pFactory == NULL || pNode == NULL)
        return;
    SECPersistentTreeNode* pChild = pFactory->CreateNode(kTreeNode, pNode);
    if (pChild == NULL)
        return;
    pChild->SetKeyValue(kTitleEntry, static_cast<LPCTSTR>(m_strTitle));
    std::vector<BYTE> bytes;
    m_btnInfo.ToBytes(bytes);
    if (bytes.empty())
        pChild->SetKeyValue(kButtonsEntry, _T(""));
    else
        pChild->SetKeyValue(kButtonsEntry, bytes.data(), (UINT)bytes.size(), TRUE);
}
