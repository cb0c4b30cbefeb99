// SECPersistentTreeNode: one node of the state tree in which window layout is saved: a name,
// an ordered list of string key/value pairs and named children. A storage strategy writes a
// whole tree into a profile file or the registry and reads it back. Each node's children are
// made, owned and deleted by the node's SECPTNFactory.
#pragma once
#include "afxwin.h"
#include "StringList.h"
#include <vector>

class SECPersistentTreeNode;
class SECPTNStrategy;

// Result codes of node operations; two conditions at once give both bits.
enum : UINT
{
    SECPTN_OK = 0,
    SECPTN_ALREADY_CREATED = 1,
    SECPTN_NOT_CREATED = 2,
    SECPTN_INVALID_ARG = 4, // empty name to Create, NULL child to AddChild
    SECPTN_EMPTY_KEY = 8,
    SECPTN_KEY_EXISTS = 16, // and overwriting was not allowed
    SECPTN_CHILD_EXISTS = 32,
    SECPTN_KEY_NOT_FOUND = 64,
    SECPTN_NULL_DATA = 128,
    SECPTN_ENCODE_FAILED = 256,
    SECPTN_FAILED = 65535,
};

// Creates, owns and finally deletes nodes.
class SECPTNFactory
{
  public:
    SECPTNFactory() = default;
    ~SECPTNFactory();
    SECPTNFactory(const SECPTNFactory&) = delete;
    SECPTNFactory& operator=(const SECPTNFactory&) = delete;

    // A created node named lpszName under pParent (NULL: a root); NULL when Create fails.
    SECPersistentTreeNode* CreateNode(LPCTSTR lpszName, SECPersistentTreeNode* pParent = NULL);
    // The same for a node of a class derived from SECPersistentTreeNode.
    SECPersistentTreeNode* CreateNode(CRuntimeClass* pClass, LPCTSTR lpszName,
                                      SECPersistentTreeNode* pParent);
    // FALSE when the node was not made here.
    BOOL DestroyNode(SECPersistentTreeNode* pNode);

  private:
    std::vector<SECPersistentTreeNode*> m_nodes;
};

class SECPersistentTreeNode : public CObject
{
    DECLARE_DYNCREATE(SECPersistentTreeNode)

  public:
    // One stored pair.
    class SECPersTreeNodeKeyValuePair : public CObject
    {
      public:
        SECPersTreeNodeKeyValuePair(LPCTSTR lpszKey, LPCTSTR lpszValue)
            : m_strKey(lpszKey), m_strValue(lpszValue)
        {
        }
        CString m_strKey;
        CString m_strValue;
    };

    // Binary blocks encode to two letters a byte; longer texts than this are stored in pieces.
    static constexpr int kMaxBinaryPiece = 250;
    // Levels a loaded tree may have, the root counted: a deeper tree fails to load.
    static constexpr int kMaxTreeDepth = 64;

    // Construction
    SECPersistentTreeNode();
    ~SECPersistentTreeNode() override;
    SECPersistentTreeNode(const SECPersistentTreeNode&) = delete;
    SECPersistentTreeNode& operator=(const SECPersistentTreeNode&) = delete;

    // Overridables. Node operations return 0 or the SECPTN_ codes above.
    virtual UINT Create(LPCTSTR lpszName, SECPersistentTreeNode* pParent = NULL);
    // Stored as signed decimal text.
    virtual UINT SetKeyValue(LPCTSTR lpszKey, int nValue, BOOL bOverwrite = TRUE);
    // A new key goes to the end of the list; an existing one keeps its place.
    virtual UINT SetKeyValue(LPCTSTR lpszKey, LPCTSTR lpszValue, BOOL bOverwrite = TRUE);
    // Stored as "True" or "False". A C++ bool, since BOOL is the int of the overload above.
    virtual UINT SetKeyValue(LPCTSTR lpszKey, bool bValue, BOOL bOverwrite = TRUE);
    // A block in the letter encoding, in pieces of 250 letters when longer.
    virtual UINT SetKeyValue(LPCTSTR lpszKey, const void* pData, UINT nSize, BOOL bOverwrite);
    virtual UINT RemoveKeyValue(LPCTSTR lpszKey);
    // Each sets the value to the default first and returns 64 when the key is missing.
    virtual UINT GetKeyValue(LPCTSTR lpszKey, CString& strValue, LPCTSTR lpszDefault = _T(""));
    virtual UINT GetKeyValue(LPCTSTR lpszKey, int& nValue, int nDefault = 0);
    virtual UINT GetKeyValue(LPCTSTR lpszKey, UINT& nValue, UINT nDefault = 0);
    virtual UINT GetKeyValue(LPCTSTR lpszKey, long& lValue, long lDefault = 0);
    virtual UINT GetKeyValue(LPCTSTR lpszKey, DWORD& dwValue, DWORD dwDefault = 0);
    // Only "TRUE" in any case reads as true.
    virtual UINT GetKeyValue(LPCTSTR lpszKey, bool& bValue, bool bDefault = false);
    // A new block (delete[] as BYTE*) of half the text's length; 65535 for an empty text.
    virtual UINT GetKeyValue(LPCTSTR lpszKey, void** ppData, UINT* pnSize);
    virtual BOOL SaveTree(SECPTNStrategy* pStrategy);
    // FALSE when this node cannot be read or gives nothing (neither pairs nor children), or the
    // tree is deeper than kMaxTreeDepth; a child that cannot be read stays, empty.
    virtual BOOL LoadTree(SECPTNStrategy* pStrategy);
    virtual UINT AddChild(SECPersistentTreeNode* pChild);

    // Operations
    SECPersistentTreeNode* FindChild(LPCTSTR lpszName) const;
    const CString& GetName() const
    {
        return m_strName;
    }
    SECPersistentTreeNode* GetParent() const
    {
        return m_pParent;
    }
    BOOL IsCreated() const
    {
        return m_bCreated;
    }
    int GetChildCount() const
    {
        return static_cast<int>(m_children.size());
    }
    SECPersistentTreeNode* GetChild(int nIndex) const
    {
        return m_children[nIndex];
    }
    int GetKeyValueCount() const
    {
        return static_cast<int>(m_pairs.size());
    }
    const SECPersTreeNodeKeyValuePair* GetKeyValuePair(int nIndex) const
    {
        return m_pairs[nIndex];
    }
    // NULL for an empty or unknown key.
    SECPersTreeNodeKeyValuePair* FindKeyValuePair(LPCTSTR lpszKey) const;
    // The factory that makes this node's children.
    SECPTNFactory& GetChildFactory()
    {
        return m_factory;
    }

    // The letter encoding of binary blocks.
    static CString EncodeBinary(const void* pData, UINT nSize);
    // Half the text's length in bytes; a trailing odd letter is ignored.
    static void DecodeBinary(const CString& strText, std::vector<BYTE>& bytes);

  protected:
    // Implementation
    // The names from this node up to the root.
    void BuildPath(CStringList& path) const;
    void RemoveChild(SECPersistentTreeNode* pChild);
    enum SubtreeResult
    {
        SubtreeLoaded,
        SubtreeNotRead, // the node gave nothing; its parent loads on
        SubtreeTooDeep  // fails the whole load
    };
    // Loads this node and its subtree; path names this node up to the root.
    SubtreeResult LoadSubtree(SECPTNStrategy* pStrategy, CStringList& path);

    CString m_strName;
    SECPersistentTreeNode* m_pParent;
    SECPTNFactory m_factory;
    std::vector<SECPersistentTreeNode*> m_children;
    std::vector<SECPersTreeNodeKeyValuePair*> m_pairs;
    BOOL m_bCreated;
};
