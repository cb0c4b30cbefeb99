// A change that can be taken back: it stores what a grid operation destroyed and calls that
// operation again with it.
#pragma once
#include "grid/core/GridTypes.h"
#include "afxwin.h"

class CGXGridCore;

class CGXCommand : public CObject
{
    DECLARE_DYNAMIC(CGXCommand)

  public:
    // Construction
    CGXCommand() = default;
    ~CGXCommand() override;
    CGXCommand(const CGXCommand&) = delete;
    CGXCommand& operator=(const CGXCommand&) = delete;

    // Overridables
    // Performs the stored change with the command mode (0 do, 1 rollback, 2 undo, 3 redo).
    virtual BOOL Execute(CGXGridCore* pGrid, int ctCmd) = 0;
    // The name of the user's action the command takes back.
    virtual LPCTSTR GetName() = 0;

    // Implementation
    // Loads a command name on first use into strName (one per class, kept for the run); " "
    // when the string is missing.
    static LPCTSTR LoadName(CString& strName, UINT nID);
    // Deletes an array of styles (NULL entries allowed) with its optional trailing list of the
    // formula engine's objects, and the array itself.
    static void DeleteObjectArray(CObArray* pArray);

    ROWCOL m_nRow = 0;
    ROWCOL m_nCol = 0;
    BOOL m_bCurrentCellValid = FALSE;
    CObject* m_pAdvancedUndoInfo = NULL; // owned
};
