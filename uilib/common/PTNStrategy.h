// SECPTNStrategy: where a state tree is stored. Every operation takes the node's path as the
// names from the node up to the root (the node's own name first). The profile-file and the
// registry strategies derive from it.
#pragma once
#include "afxwin.h"
#include "StringList.h"

class SECPTNStrategy
{
  public:
    SECPTNStrategy() = default;
    virtual ~SECPTNStrategy() = default;
    SECPTNStrategy(const SECPTNStrategy&) = delete;
    SECPTNStrategy& operator=(const SECPTNStrategy&) = delete;

    // Overridables
    // Removes what storage holds for the node (in the registry its whole subtree).
    virtual BOOL ClearNode(const CStringList& path) = 0;
    virtual BOOL WriteKeyValue(const CStringList& path, LPCTSTR lpszKey, LPCTSTR lpszValue) = 0;
    // Records the child names where the storage needs them.
    virtual BOOL WriteChildNames(const CStringList& path, const CStringList& names) = 0;
    // Fills the child names and the pairs (keys and values in matching order); FALSE when the
    // node is absent.
    virtual BOOL ReadNode(const CStringList& path, CStringList& childNames, CStringList& keys,
                          CStringList& values) = 0;
};
