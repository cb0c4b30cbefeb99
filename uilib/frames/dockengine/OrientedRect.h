// SECOrientedRect: a rectangle read along an axis. The docking grid computes with it so that one
// piece of code serves horizontal lines (along x) and vertical lines (along y).
#pragma once
#include "afxwin.h"

class SECOrientedRect : public RECT
{
  public:
    // Construction
    SECOrientedRect() : m_bHorizontal(TRUE)
    {
    }
    explicit SECOrientedRect(BOOL bHorizontal) : m_bHorizontal(bHorizontal)
    {
    }
    SECOrientedRect(const RECT& rc, BOOL bHorizontal) : RECT(rc), m_bHorizontal(bHorizontal)
    {
    }
    SECOrientedRect& operator=(const RECT& rc)
    {
        static_cast<RECT&>(*this) = rc;
        return *this;
    }

    // Along the axis
    int GetStart() const
    {
        return m_bHorizontal ? left : top;
    }
    void SetStart(int n)
    {
        (m_bHorizontal ? left : top) = n;
    }
    int GetEnd() const
    {
        return m_bHorizontal ? right : bottom;
    }
    void SetEnd(int n)
    {
        (m_bHorizontal ? right : bottom) = n;
    }
    int GetLength() const
    {
        return GetEnd() - GetStart();
    }
    // Across the axis
    int GetCrossStart() const
    {
        return m_bHorizontal ? top : left;
    }
    void SetCrossStart(int n)
    {
        (m_bHorizontal ? top : left) = n;
    }
    int GetCrossEnd() const
    {
        return m_bHorizontal ? bottom : right;
    }
    void SetCrossEnd(int n)
    {
        (m_bHorizontal ? bottom : right) = n;
    }
    int GetCrossLength() const
    {
        return GetCrossEnd() - GetCrossStart();
    }

    void SetOrientation(BOOL bHorizontal)
    {
        m_bHorizontal = bHorizontal;
    }
    BOOL GetOrientation() const
    {
        return m_bHorizontal;
    }

  protected:
    BOOL m_bHorizontal;
};
