#include "ListCtrl.h"

// The list engine over the plain-window host.
IMPLEMENT_TEMPLATE_INSTANCE_CLASS(SECListBaseC, "SECListBaseC", RUNTIME_CLASS(CWnd))
template class SECListBase<CWnd>;

IMPLEMENT_DYNCREATE_ON_TEMPLATE(SECListCtrl, SECListBaseC)

BEGIN_MESSAGE_MAP(SECListCtrl, SECListBaseC)
SEC_LIST_MESSAGE_ENTRIES()
END_MESSAGE_MAP()
