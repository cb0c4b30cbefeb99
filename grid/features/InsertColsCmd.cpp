// Takes back removing columns: inserts them again with their widths and styles.
#include "grid/features/InsertColsCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXInsertColsCmd, CGXCommand)

CGXInsertColsCmd::CGXInsertColsCmd(ROWCOL nInsertCol, ROWCOL nCount, int* anWidths, CObArray* pCellsArray,
                                   CObArray* pColsArray, ROWCOL nRowCount)
    : m_nInsertCol(nInsertCol), m_nCount(nCount), m_anWidths(anWidths), m_pCellsArray(pCellsArray),
      m_pColsArray(pColsArray), m_nRowCount(nRowCount)
{
}

CGXInsertColsCmd::~CGXInsertColsCmd()
{
    delete[] m_anWidths;
    DeleteObjectArray(m_pCellsArray);
    DeleteObjectArray(m_pColsArray);
}

BOOL CGXInsertColsCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->InsertCols(m_nInsertCol, m_nCount, m_anWidths, m_pCellsArray, m_pColsArray, m_nRowCount,
                             GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXInsertColsCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_REMOVECOLS);
}
