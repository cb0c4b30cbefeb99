// SECControlBarInfoEx: the extension record a control-bar manager attaches to a bar's saved
// record, for the data of its own bar types. The base saves and loads nothing. The bar's record
// owns it.
#pragma once
#include "afxwin.h"

class SECDockState;

class SECControlBarInfoEx : public CObject
{
    DECLARE_DYNCREATE(SECControlBarInfoEx)

  public:
    // Construction
    SECControlBarInfoEx() = default;
    ~SECControlBarInfoEx() override = default;

    // Overridables, in this order (the tree form comes with the persistent state tree)
    virtual void Serialize(CArchive& ar, SECDockState* pDockState);
    virtual void LoadStateFromProfile(LPCTSTR lpszSection, SECDockState* pDockState);
    virtual void SaveStateToProfile(LPCTSTR lpszSection);
};
