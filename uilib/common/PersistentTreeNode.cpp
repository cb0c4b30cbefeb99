#include "uilib/common/PersistentTreeNode.h"
#include "uilib/common/PTNStrategy.h"
#include <algorithm>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNCREATE(SECPersistentTreeNode, CObject)

namespace
{

const TCHAR kBinCount[] = _T("_BinCount");
const TCHAR kBinVal[] = _T("_BinVal");

CString PieceKey(LPCTSTR lpszKey, int nPiece)
{
    CString strKey;
    strKey.Format(_T("%s%s%d"), lpszKey, kBinVal, nPiece);
    return strKey;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// SECPTNFactory

SECPTNFactory::~SECPTNFactory()
{
    // A node's destructor may reach back here through its own factory only for its own
    // children, so the list is taken over before deleting.
    std::vector<SECPersistentTreeNode*> nodes;
    nodes.swap(m_nodes);
    for (SECPersistentTreeNode* pNode : nodes)
        delete pNode;
}

SECPersistentTreeNode* SECPTNFactory::CreateNode(LPCTSTR lpszName, SECPersistentTreeNode* pParent)
{
    return CreateNode(RUNTIME_CLASS(SECPersistentTreeNode), lpszName, pParent);
}

SECPersistentTreeNode* SECPTNFactory::CreateNode(CRuntimeClass* pClass, LPCTSTR lpszName,
                                                 SECPersistentTreeNode* pParent)
{
    if (pClass == NULL || !pClass->IsDerivedFrom(RUNTIME_CLASS(SECPersistentTreeNode)))
        return NULL;
    SECPersistentTreeNode* pNode = static_cast<SECPersistentTreeNode*>(pClass->CreateObject());
    if (pNode == NULL)
        return NULL;
    m_nodes.push_back(pNode);
    if (pNode->Create(lpszName, pParent) != SECPTN_OK)
    {
        DestroyNode(pNode);
        return NULL;
    }
    return pNode;
}

BOOL SECPTNFactory::DestroyNode(SECPersistentTreeNode* pNode)
{
    auto it = std::find(m_nodes.begin(), m_nodes.end(), pNode);
    if (it == m_nodes.end())
        return FALSE;
    m_nodes.erase(it);
    delete pNode;
    return TRUE;
}

// ---------------------------------------------------------------------------------------------
// SECPersistentTreeNode

SECPersistentTreeNode::SECPersistentTreeNode() : m_pParent(NULL), m_bCreated(FALSE)
{
}

SECPersistentTreeNode::~SECPersistentTreeNode()
{
    for (SECPersTreeNodeKeyValuePair* pPair : m_pairs)
        delete pPair;
    m_pairs.clear();
    // The factory member deletes the children after this body; they must not reach back.
    for (SECPersistentTreeNode* pChild : m_children)
        pChild->m_pParent = NULL;
    m_children.clear();
    if (m_pParent != NULL)
        m_pParent->RemoveChild(this);
}

void SECPersistentTreeNode::RemoveChild(SECPersistentTreeNode* pChild)
{
    auto it = std::find(m_children.begin(), m_children.end(), pChild);
    if (it != m_children.end())
        m_children.erase(it);
}

UINT SECPersistentTreeNode::Create(LPCTSTR lpszName, SECPersistentTreeNode* pParent)
{
    UINT nResult = SECPTN_OK;
    if (m_bCreated)
        nResult |= SECPTN_ALREADY_CREATED;
    if (lpszName == NULL || *lpszName == '\0')
        nResult |= SECPTN_INVALID_ARG;
    if (nResult != SECPTN_OK)
        return nResult;
    m_strName = lpszName;
    m_pParent = pParent;
    if (pParent != NULL)
    {
        UINT nAdd = pParent->AddChild(this);
        if (nAdd != SECPTN_OK)
        {
            m_pParent = NULL;
            return (nAdd & SECPTN_CHILD_EXISTS) ? SECPTN_CHILD_EXISTS : SECPTN_FAILED;
        }
    }
    m_bCreated = TRUE;
    return SECPTN_OK;
}

UINT SECPersistentTreeNode::SetKeyValue(LPCTSTR lpszKey, int nValue, BOOL bOverwrite)
{
    CString strValue;
    strValue.Format(_T("%d"), nValue);
    return SetKeyValue(lpszKey, static_cast<LPCTSTR>(strValue), bOverwrite);
}

UINT SECPersistentTreeNode::SetKeyValue(LPCTSTR lpszKey, LPCTSTR lpszValue, BOOL bOverwrite)
{
    UINT nResult = SECPTN_OK;
    if (!m_bCreated)
        nResult |= SECPTN_NOT_CREATED;
    if (lpszKey == NULL || *lpszKey == '\0')
        nResult |= SECPTN_EMPTY_KEY;
    SECPersTreeNodeKeyValuePair* pPair = FindKeyValuePair(lpszKey);
    if (pPair != NULL && !bOverwrite)
        nResult |= SECPTN_KEY_EXISTS;
    if (nResult != SECPTN_OK)
        return nResult;
    if (lpszValue == NULL)
        lpszValue = _T("");
    if (pPair != NULL)
        pPair->m_strValue = lpszValue;
    else
        m_pairs.push_back(new SECPersTreeNodeKeyValuePair(lpszKey, lpszValue));
    return SECPTN_OK;
}

UINT SECPersistentTreeNode::SetKeyValue(LPCTSTR lpszKey, bool bValue, BOOL bOverwrite)
{
    return SetKeyValue(lpszKey, bValue ? _T("True") : _T("False"), bOverwrite);
}

UINT SECPersistentTreeNode::SetKeyValue(LPCTSTR lpszKey, const void* pData, UINT nSize, BOOL bOverwrite)
{
    if (pData == NULL)
        return SECPTN_NULL_DATA;
    if (nSize == 0)
        return SECPTN_ENCODE_FAILED;
    CString strText = EncodeBinary(pData, nSize);
    CString strKey(lpszKey != NULL ? lpszKey : _T(""));
    CString strCountKey = strKey + kBinCount;
    // A block stored before in the other form would otherwise be read instead of this one.
    CString strOldCount;
    if (!strKey.IsEmpty() && GetKeyValue(strCountKey, strOldCount) == SECPTN_OK)
    {
        int nOld = atoi(strOldCount);
        for (int i = 0; i < nOld; ++i)
            RemoveKeyValue(PieceKey(strKey, i));
        RemoveKeyValue(strCountKey);
    }
    if (strText.GetLength() <= kMaxBinaryPiece)
        return SetKeyValue(lpszKey, static_cast<LPCTSTR>(strText), bOverwrite);

    int nPieces = (strText.GetLength() + kMaxBinaryPiece - 1) / kMaxBinaryPiece;
    UINT nResult = SetKeyValue(strCountKey, nPieces, TRUE);
    if (nResult != SECPTN_OK)
        return nResult;
    RemoveKeyValue(strKey);
    for (int i = 0; i < nPieces; ++i)
        SetKeyValue(PieceKey(strKey, i),
                    static_cast<LPCTSTR>(strText.Mid(i * kMaxBinaryPiece, kMaxBinaryPiece)), TRUE);
    return SECPTN_OK;
}

UINT SECPersistentTreeNode::RemoveKeyValue(LPCTSTR lpszKey)
{
    SECPersTreeNodeKeyValuePair* pPair = FindKeyValuePair(lpszKey);
    if (pPair == NULL)
        return SECPTN_KEY_NOT_FOUND;
    m_pairs.erase(std::find(m_pairs.begin(), m_pairs.end(), pPair));
    delete pPair;
    return SECPTN_OK;
}

UINT SECPersistentTreeNode::GetKeyValue(LPCTSTR lpszKey, CString& strValue, LPCTSTR lpszDefault)
{
    strValue = lpszDefault != NULL ? lpszDefault : _T("");
    SECPersTreeNodeKeyValuePair* pPair = FindKeyValuePair(lpszKey);
    if (pPair == NULL)
        return SECPTN_KEY_NOT_FOUND;
    strValue = pPair->m_strValue;
    return SECPTN_OK;
}

UINT SECPersistentTreeNode::GetKeyValue(LPCTSTR lpszKey, int& nValue, int nDefault)
{
    nValue = nDefault;
    CString strText;
    UINT nResult = GetKeyValue(lpszKey, strText);
    if (nResult == SECPTN_OK)
        nValue = atoi(strText);
    return nResult;
}

UINT SECPersistentTreeNode::GetKeyValue(LPCTSTR lpszKey, UINT& nValue, UINT nDefault)
{
    nValue = nDefault;
    CString strText;
    UINT nResult = GetKeyValue(lpszKey, strText);
    if (nResult == SECPTN_OK)
        nValue = static_cast<UINT>(atoi(strText));
    return nResult;
}

UINT SECPersistentTreeNode::GetKeyValue(LPCTSTR lpszKey, long& lValue, long lDefault)
{
    lValue = lDefault;
    CString strText;
    UINT nResult = GetKeyValue(lpszKey, strText);
    if (nResult == SECPTN_OK)
        lValue = atol(strText);
    return nResult;
}

UINT SECPersistentTreeNode::GetKeyValue(LPCTSTR lpszKey, DWORD& dwValue, DWORD dwDefault)
{
    dwValue = dwDefault;
    CString strText;
    UINT nResult = GetKeyValue(lpszKey, strText);
    if (nResult == SECPTN_OK)
        dwValue = static_cast<DWORD>(atol(strText));
    return nResult;
}

UINT SECPersistentTreeNode::GetKeyValue(LPCTSTR lpszKey, bool& bValue, bool bDefault)
{
    bValue = bDefault;
    CString strText;
    UINT nResult = GetKeyValue(lpszKey, strText);
    if (nResult == SECPTN_OK)
    {
        strText.MakeUpper();
        bValue = strText == _T("TRUE");
    }
    return nResult;
}

UINT SECPersistentTreeNode::GetKeyValue(LPCTSTR lpszKey, void** ppData, UINT* pnSize)
{
    if (ppData == NULL || pnSize == NULL)
        return SECPTN_NULL_DATA;
    CString strKey(lpszKey != NULL ? lpszKey : _T(""));
    CString strText;
    CString strCount;
    if (!strKey.IsEmpty() && GetKeyValue(strKey + kBinCount, strCount) == SECPTN_OK)
    {
        int nPieces = atoi(strCount);
        for (int i = 0; i < nPieces; ++i)
        {
            CString strPiece;
            if (GetKeyValue(PieceKey(strKey, i), strPiece) == SECPTN_OK)
                strText += strPiece;
        }
    }
    else
    {
        UINT nResult = GetKeyValue(lpszKey, strText);
        if (nResult != SECPTN_OK)
            return nResult;
    }
    std::vector<BYTE> bytes;
    DecodeBinary(strText, bytes);
    if (bytes.empty())
        return SECPTN_FAILED;
    BYTE* pBlock = new BYTE[bytes.size()];
    std::memcpy(pBlock, bytes.data(), bytes.size());
    *ppData = pBlock;
    *pnSize = static_cast<UINT>(bytes.size());
    return SECPTN_OK;
}

void SECPersistentTreeNode::BuildPath(CStringList& path) const
{
    path.RemoveAll();
    for (const SECPersistentTreeNode* pNode = this; pNode != NULL; pNode = pNode->m_pParent)
        path.AddTail(pNode->m_strName);
}

BOOL SECPersistentTreeNode::SaveTree(SECPTNStrategy* pStrategy)
{
    if (!m_bCreated || pStrategy == NULL)
        return FALSE;
    CStringList path;
    BuildPath(path);
    CStringList names;
    for (SECPersistentTreeNode* pChild : m_children)
        names.AddTail(pChild->m_strName);

    // Every step runs even after one failed.
    BOOL bResult = pStrategy->ClearNode(path);
    for (SECPersTreeNodeKeyValuePair* pPair : m_pairs)
        if (!pStrategy->WriteKeyValue(path, pPair->m_strKey, pPair->m_strValue))
            bResult = FALSE;
    if (!pStrategy->WriteChildNames(path, names))
        bResult = FALSE;
    // The list may not change while saving, but a copy costs nothing and keeps it safe.
    std::vector<SECPersistentTreeNode*> children(m_children);
    for (SECPersistentTreeNode* pChild : children)
        if (!pChild->SaveTree(pStrategy))
            bResult = FALSE;
    return bResult;
}

BOOL SECPersistentTreeNode::LoadTree(SECPTNStrategy* pStrategy)
{
    if (!m_bCreated || pStrategy == NULL)
        return FALSE;
    CStringList path;
    BuildPath(path);
    return LoadSubtree(pStrategy, path) == SubtreeLoaded;
}

SECPersistentTreeNode::SubtreeResult SECPersistentTreeNode::LoadSubtree(SECPTNStrategy* pStrategy,
                                                                        CStringList& path)
{
    // The frames and bars never nest this deep: a deeper tree is damaged, and reading it on
    // would only cost time and memory.
    if (path.GetCount() > kMaxTreeDepth)
        return SubtreeTooDeep;
    CStringList childNames;
    bool bReadPairs = false;
    {
        CStringList keys, values;
        if (!pStrategy->ReadNode(path, childNames, keys, values))
            return SubtreeNotRead;
        POSITION posKey = keys.GetHeadPosition();
        POSITION posValue = values.GetHeadPosition();
        while (posKey != NULL && posValue != NULL)
        {
            const CString& strKey = keys.GetNext(posKey);
            const CString& strValue = values.GetNext(posValue);
            SetKeyValue(strKey, static_cast<LPCTSTR>(strValue), TRUE);
            bReadPairs = true;
        }
    }
    bool bReadChildren = false;
    for (POSITION pos = childNames.GetHeadPosition(); pos != NULL;)
    {
        const CString& strName = childNames.GetNext(pos);
        SECPersistentTreeNode* pChild = m_factory.CreateNode(strName, this);
        if (pChild == NULL)
            continue;
        bReadChildren = true;
        // One path for the whole load, a level longer while the child loads.
        path.AddHead(strName);
        SubtreeResult result = pChild->LoadSubtree(pStrategy, path);
        path.RemoveHead();
        if (result == SubtreeTooDeep)
            return SubtreeTooDeep;
    }
    // A node that gave nothing would be saved as nothing: it counts as not read, as it would
    // be after saving.
    return bReadPairs || bReadChildren ? SubtreeLoaded : SubtreeNotRead;
}

UINT SECPersistentTreeNode::AddChild(SECPersistentTreeNode* pChild)
{
    UINT nResult = SECPTN_OK;
    if (!m_bCreated)
        nResult |= SECPTN_NOT_CREATED;
    if (pChild == NULL)
        nResult |= SECPTN_INVALID_ARG;
    if (nResult != SECPTN_OK)
        return nResult;
    if (FindChild(pChild->GetName()) != NULL)
        return SECPTN_CHILD_EXISTS;
    m_children.push_back(pChild);
    return SECPTN_OK;
}

SECPersistentTreeNode* SECPersistentTreeNode::FindChild(LPCTSTR lpszName) const
{
    if (lpszName == NULL || *lpszName == '\0')
        return NULL;
    for (SECPersistentTreeNode* pChild : m_children)
        if (pChild->m_strName == lpszName)
            return pChild;
    return NULL;
}

SECPersistentTreeNode::SECPersTreeNodeKeyValuePair* SECPersistentTreeNode::FindKeyValuePair(
    LPCTSTR lpszKey) const
{
    if (lpszKey == NULL || *lpszKey == '\0')
        return NULL;
    for (SECPersTreeNodeKeyValuePair* pPair : m_pairs)
        if (pPair->m_strKey == lpszKey)
            return pPair;
    return NULL;
}

CString SECPersistentTreeNode::EncodeBinary(const void* pData, UINT nSize)
{
    CString strText;
    const BYTE* p = static_cast<const BYTE*>(pData);
    LPTSTR pOut = strText.GetBuffer(static_cast<int>(nSize * 2));
    for (UINT i = 0; i < nSize; ++i)
    {
        pOut[i * 2] = static_cast<TCHAR>('A' + (p[i] & 0x0F));
        pOut[i * 2 + 1] = static_cast<TCHAR>('A' + (p[i] >> 4));
    }
    strText.ReleaseBuffer(static_cast<int>(nSize * 2));
    return strText;
}

void SECPersistentTreeNode::DecodeBinary(const CString& strText, std::vector<BYTE>& bytes)
{
    int nBytes = strText.GetLength() / 2;
    bytes.resize(static_cast<size_t>(nBytes));
    for (int i = 0; i < nBytes; ++i)
    {
        int nFirst = static_cast<BYTE>(strText[i * 2]);
        int nSecond = static_cast<BYTE>(strText[i * 2 + 1]);
        bytes[static_cast<size_t>(i)] = static_cast<BYTE>((nSecond * 16 + nFirst - 81) & 0xFF);
    }
}
