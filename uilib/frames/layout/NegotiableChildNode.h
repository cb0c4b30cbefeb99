// SECParentOfNegotiableChildNode: the mix-in by which a node (a sizable border, a client edge, a
// grid line) negotiates a size change with its ancestors: the highest negotiating ancestor lays
// its parent out again, then the container and the whole tree.
#pragma once
#include "uilib/frames/layout/LNContainer.h"

class ISECParentOfNegotiableChildNode
{
  public:
    virtual ~ISECParentOfNegotiableChildNode()
    {
    }
    virtual BOOL NegotiateChildSize(BOOL bAskParents, ISECLNContainer* pContainer) = 0;
};

class SECParentOfNegotiableChildNode : public ISECParentOfNegotiableChildNode
{
  public:
    BOOL NegotiateChildSize(BOOL bAskParents, ISECLNContainer* pContainer) override;
};
