// SECListCtrl: the owner-drawn list as a plain child window. SECListBaseC is the list engine
// (SECListEngine) over CWnd; this class adds the run-time class and the message map.
#pragma once
#include "ListBase.h"

typedef SECListBase<CWnd> SECListBaseC;

class SECListCtrl : public SECListBaseC
{
    DECLARE_DYNCREATE(SECListCtrl)

  public:
    SECListCtrl() = default;

  protected:
    DECLARE_MESSAGE_MAP()
};
