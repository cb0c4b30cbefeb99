// The tree control: inserting, navigating, expanding and collapsing with their notifications,
// deleting, keys and clicks, the drop target, hit flags, and label editing of the tree.
// These cases on the plain-window host.
#include "uilib/treelist/TreeCtrl.h"

#define TREE_HOST SECTreeCtrl
#define TREELIST_CASES_NS on_window
#include "TreeCases.inl"
