// Hides a grid's Excel-like selection frame for the lifetime of a structure change and gives it
// its previous state back.
#pragma once
#include "grid/core/GridCore.h"

class CGXFrameHideGuard
{
  public:
    explicit CGXFrameHideGuard(CGXGridCore* pGrid)
        : m_pGrid(pGrid), m_bOldState(pGrid->ShowExcelFrame(TRUE, TRUE))
    {
    }
    ~CGXFrameHideGuard()
    {
        Restore();
    }
    CGXFrameHideGuard(const CGXFrameHideGuard&) = delete;
    CGXFrameHideGuard& operator=(const CGXFrameHideGuard&) = delete;

    void Restore()
    {
        if (m_pGrid != NULL)
            m_pGrid->ShowExcelFrame(m_bOldState, TRUE);
        m_pGrid = NULL;
    }

  private:
    CGXGridCore* m_pGrid;
    BOOL m_bOldState;
};
