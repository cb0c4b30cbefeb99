// In-place label editing and item tips of the list, with real input.
// These cases on the plain-window host.
#include "uilib/treelist/ListCtrl.h"

#define LIST_HOST SECListCtrl
#define TREELIST_CASES_NS on_window
#include "ListEditTipCases.inl"
