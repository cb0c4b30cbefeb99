// SECClientWndNode: the node that stands for a frame's client window in a docking layout; a drag
// can take a docked child out of it and put it back.
#pragma once
#include "uilib/frames/dockengine/UndoableNode.h"
#include "uilib/frames/layout/LayoutNode.h"

class SECClientWndNode : public SECLayoutNode, public SECDefUndoableNode
{
};
