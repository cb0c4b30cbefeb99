// The command base: current cell, the data object's undo information, names and owned arrays.
#include "grid/features/Command.h"
#include "grid/core/GridCore.h"

IMPLEMENT_DYNAMIC(CGXCommand, CObject)

CGXCommand::~CGXCommand()
{
    delete m_pAdvancedUndoInfo;
}

LPCTSTR CGXCommand::LoadName(CString& strName, UINT nID)
{
    if (strName.IsEmpty() && !strName.LoadString(nID))
        strName = " ";
    return strName;
}

void CGXCommand::DeleteObjectArray(CObArray* pArray)
{
    CGXGridCore::DeleteObjectArrays(pArray, NULL);
}
