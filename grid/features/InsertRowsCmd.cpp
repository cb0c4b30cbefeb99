// Takes back removing rows: inserts them again with their heights and styles.
#include "grid/features/InsertRowsCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXInsertRowsCmd, CGXCommand)

CGXInsertRowsCmd::CGXInsertRowsCmd(ROWCOL nInsertRow, ROWCOL nCount, int* anHeights, CObArray* pCellsArray,
                                   CObArray* pRowsArray, ROWCOL nColCount)
    : m_nInsertRow(nInsertRow), m_nCount(nCount), m_anHeights(anHeights), m_pCellsArray(pCellsArray),
      m_pRowsArray(pRowsArray), m_nColCount(nColCount)
{
}

CGXInsertRowsCmd::~CGXInsertRowsCmd()
{
    delete[] m_anHeights;
    DeleteObjectArray(m_pCellsArray);
    DeleteObjectArray(m_pRowsArray);
}

BOOL CGXInsertRowsCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->InsertRows(m_nInsertRow, m_nCount, m_anHeights, m_pCellsArray, m_pRowsArray, m_nColCount,
                             GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXInsertRowsCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_REMOVEROWS);
}
