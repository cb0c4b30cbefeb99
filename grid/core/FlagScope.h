// Sets a flag for the lifetime of a scope and gives it back the state it had.
#pragma once
#include "afx.h"

class CGXFlagScope
{
  public:
    explicit CGXFlagScope(BOOL& bFlag) : m_bFlag(bFlag), m_bOld(bFlag)
    {
        bFlag = TRUE;
    }
    ~CGXFlagScope()
    {
        m_bFlag = m_bOld;
    }
    CGXFlagScope(const CGXFlagScope&) = delete;
    CGXFlagScope& operator=(const CGXFlagScope&) = delete;

  private:
    BOOL& m_bFlag;
    BOOL m_bOld;
};
