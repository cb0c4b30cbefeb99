// SECControlBarInfoEx: the extension record a control-bar manager attaches to a bar's saved
// record, for the data of its own bar types. The base saves and loads nothing. The bar's record
// owns it.
#pragma once
#include "afxwin.h"

class SECDockState;
class SECPersistentTreeNode;
class SECPTNFactory;

class SECControlBarInfoEx : public CObject
{
    DECLARE_DYNCREATE(SECControlBarInfoEx)

  public:
    // Construction
    SECControlBarInfoEx() = default;
    ~SECControlBarInfoEx() override = default;

    // Overridables, in this order
    virtual void Serialize(CArchive& ar, SECDockState* pDockState);
    // Reads from the bar's node of a state tree; TRUE here when a node is given.
    virtual BOOL LoadStateFromTree(SECPersistentTreeNode* pNode);
    virtual void LoadStateFromProfile(LPCTSTR lpszSection, SECDockState* pDockState);
    // Writes under the bar's node, making nodes through pFactory; nothing here.
    virtual void SaveStateToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pNode);
    virtual void SaveStateToProfile(LPCTSTR lpszSection);
};
