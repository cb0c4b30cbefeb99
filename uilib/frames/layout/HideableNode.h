// SECDefHideableNode: counted show and hide of a layout node, optionally over its subtree.
// A mix-in of layout nodes; asked for through SECNodeInterface<ISECHideableNode>.
#pragma once
#include "afxwin.h"

class ISECHideableNode
{
  public:
    virtual ~ISECHideableNode()
    {
    }
    // TRUE when the visible state changed.
    virtual BOOL ShowNode(BOOL bShow, BOOL bForce, BOOL bRecursive) = 0;
    virtual BOOL IsVisible() const = 0;
    virtual BOOL SetVisible(BOOL bVisible) = 0;
};

class SECDefHideableNode : public ISECHideableNode
{
  public:
    SECDefHideableNode() : m_nShowCount(0), m_bVisible(TRUE)
    {
    }

    // Nested show requests need as many hides; bForce resets the count.
    BOOL ShowNode(BOOL bShow, BOOL bForce, BOOL bRecursive) override;
    BOOL IsVisible() const override
    {
        return m_bVisible;
    }
    BOOL SetVisible(BOOL bVisible) override;

    int GetShowCount() const
    {
        return m_nShowCount;
    }

  protected:
    int m_nShowCount;
    BOOL m_bVisible;
};
