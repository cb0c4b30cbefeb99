// SECTreeCtrl: the tree control as a plain child window. The engine is SECTreeBaseC
// (SECTreeBase over SECListCtrl); this class adds the run-time class and the message map.
#pragma once
#include "ListCtrl.h"
#include "TreeBase.h"

typedef SECTreeBase<SECListCtrl> SECTreeBaseC;

class SECTreeCtrl : public SECTreeBaseC
{
    DECLARE_DYNCREATE(SECTreeCtrl)

  public:
    SECTreeCtrl() = default;

  protected:
    DECLARE_MESSAGE_MAP()
};
