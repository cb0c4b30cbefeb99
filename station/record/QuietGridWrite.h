// CQuietGridWrite: how the application writes its tables: undo recording off and drawing locked
// while the guard lives, then both restored and the grid redrawn once.
#pragma once
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"

class CQuietGridWrite
{
  public:
    explicit CQuietGridWrite(CGXGridCore* pGrid, UINT nRedrawFlags = GX_UPDATENOW)
        : m_pGrid(pGrid), m_nRedrawFlags(nRedrawFlags)
    {
        CGXGridParam* pParam = pGrid->GetParam();
        m_bUndo = pParam->IsUndoEnabled();
        m_bLocked = pParam->m_bRedrawLocked;
        pParam->SetUndoEnabled(FALSE);
        pParam->m_bRedrawLocked = TRUE;
    }
    ~CQuietGridWrite()
    {
        CGXGridParam* pParam = m_pGrid->GetParam();
        pParam->SetUndoEnabled(m_bUndo);
        pParam->m_bRedrawLocked = m_bLocked;
        if (!m_bLocked)
            m_pGrid->RedrawAll(m_nRedrawFlags, FALSE);
    }
    CQuietGridWrite(const CQuietGridWrite&) = delete;
    CQuietGridWrite& operator=(const CQuietGridWrite&) = delete;

  private:
    CGXGridCore* m_pGrid;
    UINT m_nRedrawFlags;
    BOOL m_bUndo;
    BOOL m_bLocked;
};
