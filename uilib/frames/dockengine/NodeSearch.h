// Searches over a layout subtree that the docking engine's hit tests and its manager share.
#pragma once
#include "uilib/frames/layout/LayoutNode.h"

// The first direct child (bDeep FALSE) or descendant in pre-order (bDeep TRUE) whose applied
// rectangle contains pt; NULL when none.
SECLayoutNode* FindChildNodeAtPoint(SECLayoutNode* pNode, const POINT* pt, BOOL bDeep);
// TRUE when pNode lies below pAncestor; FALSE for NULL arguments or the same node.
BOOL IsDescendantNode(SECLayoutNode* pAncestor, SECLayoutNode* pNode);
