// What the list and the tree put on the screen: header, grid lines, selection colours, row
// heights, scroll bars, header images; the tree's lines, buttons, images, labels and drag image.
// Colours are made distinct for the test (Wine's menu and window colours are both white).
// These cases on the plain-window host.
#include "uilib/treelist/TreeCtrl.h"

#define LIST_HOST SECListCtrl
#define LIST_ENGINE SECListBaseC
#define TREE_HOST SECTreeCtrl
#define TREELIST_CASES_NS on_window
#include "PaintCases.inl"
