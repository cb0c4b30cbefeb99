#include "TreeCtrl.h"

// The list's host forwards come from ListCtrl.cpp.
extern template class SECListBase<CWnd>;

// The tree over the plain-window list.
IMPLEMENT_TEMPLATE_INSTANCE_CLASS(SECTreeBaseC, "SECTreeBaseC", RUNTIME_CLASS(SECListCtrl))
template class SECTreeBase<SECListCtrl>;

IMPLEMENT_DYNCREATE_ON_TEMPLATE(SECTreeCtrl, SECTreeBaseC)

// The list's entries bind the tree's handlers where the tree has its own.
BEGIN_MESSAGE_MAP(SECTreeCtrl, SECTreeBaseC)
SEC_LIST_MESSAGE_ENTRIES()
END_MESSAGE_MAP()
