// Interfaces of the library-wide implementation components. Each is created once by its
// installer, entered in the component table of CGXAppData and deleted at shut-down; the
// library's classes call them only when installed and fall back to doing nothing otherwise.
#pragma once
#include "grid/core/GridTypes.h"
#include <sqltypes.h>
#include <time.h>

class CGXStyle;
class CGXFont;
class CGXCellBrush;
class CGXCellPen;
class CGXStylesMap;
class CGXData;
class CGXStylePtrArray;
class CGXStylePtrArrayPtrArray;
class CGXProperties;
class CGXGridParam;
class CGXRangeList;
class CGXCellRange;
class CGXControl;
class CGXGridCore;
class CGXExcelClipHandler;
class CGXExcelReader;
class CWnd;
class CDC;
class CTime;
struct CGXFindReplaceSettings;

// Compares a style with the attributes another one includes.
class CGXAbstractStyleCompareSubsetImp : public CObject
{
  public:
    virtual BOOL CompareSubset(const CGXStyle& style, const CGXStyle& other) = 0;
};

// Archive forms of fonts, brushes and styles.
class CGXAbstractStyleSerializeImp : public CObject
{
  public:
    virtual void SerializeFont(CGXFont& font, CArchive& ar) = 0;
    virtual void SerializeBrush(CGXCellBrush& brush, CArchive& ar) = 0;
    virtual void SerializePen(CGXCellPen& pen, CArchive& ar) = 0;
    virtual void SerializeStyle(CGXStyle& style, CArchive& ar, const CGXStylesMap* pStylesMap) = 0;
};

// Profile forms of styles, fonts, the styles map and the properties. The map and the properties
// use their own section names.
class CGXAbstractGridProfileImp : public CObject
{
  public:
    virtual void WriteStylesMap(const CGXStylesMap& stylesMap) = 0;
    virtual void WriteFont(const CGXFont& font, LPCTSTR pszSection, LPCTSTR pszEntry) = 0;
    virtual void WriteStyle(const CGXStyle& style, LPCTSTR pszSection, const CGXStylesMap* pStylesMap) = 0;
    virtual void WriteProperties(const CGXProperties& properties) = 0;
    virtual BOOL ReadStylesMap(CGXStylesMap& stylesMap) = 0;
    virtual BOOL ReadFont(CGXFont& font, LPCTSTR pszSection, LPCTSTR pszEntry) = 0;
    virtual BOOL ReadStyle(CGXStyle& style, LPCTSTR pszSection, const CGXStylesMap* pStylesMap) = 0;
    virtual BOOL ReadProperties(CGXProperties& properties) = 0;
};

// Archive forms of the grid's document objects.
class CGXAbstractGridDocSerializeImp : public CObject
{
  public:
    virtual void SerializeStylesMap(CGXStylesMap& stylesMap, CArchive& ar) = 0;
    virtual void SerializeData(CGXData& data, CArchive& ar) = 0;
    virtual void SerializeStyleRows(CGXStylePtrArrayPtrArray& array, CArchive& ar) = 0;
    virtual void SerializeStyleArray(CGXStylePtrArray& array, CArchive& ar) = 0;
    virtual void SerializeProperties(CGXProperties& properties, CArchive& ar) = 0;
    virtual void SerializeParam(CGXGridParam& param, CArchive& ar) = 0;
};

// Reads the user attributes of styles stored in the older format.
class CGXAbstractSerializeMG5CompatibleImp : public CObject
{
  public:
    virtual void ReadOldUserAttributes(CGXStyle& style, CArchive& ar) = 0;
};

// Copies of parameter objects, styles maps and properties.
class CGXAbstractGridParamCopyOperatorImp : public CObject
{
  public:
    virtual void CopyParam(CGXGridParam& dest, const CGXGridParam& src) = 0;
    virtual void CopyStylesMap(CGXStylesMap& dest, const CGXStylesMap& src) = 0;
    virtual void CopyProperties(CGXProperties& dest, const CGXProperties& src) = 0;
};

// The pool that answers which covered range holds a cell.
class CGXAbstractCoveredCellPoolImp : public CObject
{
  public:
    virtual CObject* CreatePool() = 0;
    virtual void InitFromRangeList(CObject* pPool, const CGXRangeList& list) = 0;
};

// The printer blocks of a grid's print device (a CGXPrintDevice, first argument of every slot).
class CPrintDialog;
class CView;
class CPrintInfo;
class CGXAbstractPrintDeviceImp : public CObject
{
  public:
    virtual void CopyToApp(CObject* pDevice) = 0;
    virtual int DoPrintSetup(CObject* pDevice, CPrintDialog* pDialog) = 0;
    virtual BOOL PreparePrinting(CObject* pDevice, CView* pView, CPrintInfo* pInfo) = 0;
    virtual void SetDeviceHandles(CObject* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) = 0;
    virtual void SetDeviceData(CObject* pDevice, const BYTE* pNames, DWORD nNames, const BYTE* pMode,
                               DWORD nMode) = 0;
    virtual void FreeDevice(CObject* pDevice) = 0;
    virtual void GetDeviceData(CObject* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode, BYTE*& pNames,
                               DWORD& nNames, BYTE*& pMode, DWORD& nMode) = 0;
    virtual void SetDefaultDevice(CObject* pDevice) = 0;
    virtual HDC GetPrinterDC(CObject* pDevice) = 0;
    virtual void DeletePrinterDC(CObject* pDevice) = 0;
    virtual void GetDeviceHandleCopies(CObject* pDevice, HGLOBAL& hDevNames, HGLOBAL& hDevMode) = 0;
    virtual BOOL CompareDeviceHandles(CObject* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) = 0;
    virtual BOOL CompareDeviceData(CObject* pDevice, const BYTE* pNames, DWORD nNames, const BYTE* pMode,
                                   DWORD nMode) = 0;
};

// The last row or column the pools' structural operations take: removing up to it drops every
// span from the first line on.
const ROWCOL GX_LAST_POOL_LINE = 0x7FFFFFFE;

// Makes, copies and restructures span-cell pools (floated and merged cells); every operation
// takes and gives CGXSpanCellPool objects, and the forwarders do nothing for a null pool.
class CGXAbstractSpanCellPoolImp : public CObject
{
  public:
    virtual CObject* CreateCopy(const CObject* pSrc) = 0;
    virtual CObject* CreatePool() = 0;
    virtual void CopyPool(CObject* pDest, const CObject* pSrc) = 0;
    virtual void InsertRows(CObject* pPool, ROWCOL nRow, ROWCOL nCount) = 0;
    virtual void RemoveRows(CObject* pPool, ROWCOL nFirst, ROWCOL nLast) = 0;
    virtual void MoveRows(CObject* pPool, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) = 0;
    virtual void InsertCols(CObject* pPool, ROWCOL nCol, ROWCOL nCount) = 0;
    virtual void RemoveCols(CObject* pPool, ROWCOL nFirst, ROWCOL nLast) = 0;
    virtual void MoveCols(CObject* pPool, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) = 0;
};

// Makes and copies delayed-range pools (CGXDelayedRangePool objects).
class CGXAbstractDelayedRangePoolImp : public CObject
{
  public:
    virtual CObject* CreateCopy(const CObject* pSrc) = 0;
    virtual CObject* CreatePool() = 0;
    virtual void CopyPool(CObject* pDest, const CObject* pSrc) = 0;
};

// Number formatting: the display text of a cell value by its style's number format, and typed
// numbers read back with the format they suggest.
class CGXAbstractNumberFormattingImp : public CObject
{
  public:
    // pszValue NULL: the style's own value and value type; else nValueType is the text's type.
    // The last two words are not used.
    virtual CString FormatValue(const CGXStyle& style, LPCTSTR pszValue, unsigned nValueType, WORD w1 = 0,
                                WORD w2 = 0) = 0;
    // TRUE when the whole text is one number, stored in dValue; the format code and places it
    // suggests go to the outputs that are given.
    virtual BOOL ParseValue(LPCTSTR pszText, double& dValue, unsigned* pnFormat = NULL,
                            unsigned* pnPlaces = NULL) = 0;
};

// Text drawn at an angle inside a rectangle; the caller selects a font of that escapement.
class CGXAbstractDrawRotatedTextImp : public CObject
{
  public:
    // nCount -1: up to the terminating zero. lfOrientation in tenths of a degree. Returns 0.
    virtual int DrawRotatedText(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top, int right,
                                int bottom, UINT nFormat, LONG lfOrientation, LPRECT lpRectClip) = 0;
};

// Date order codes of CGXAbstractDateTimeImp::GetDateOrder.
enum
{
    gxDayMonthYear = 0,
    gxMonthDayYear = 1,
    gxYearMonthDay = 2,
    gxUndeterminedOrder = 3
};

// Dates and times read and written by the user's settings. The record is ODBC's timestamp:
// the full year, month 1..12 (0: no date part), day, hour, minute, second, fraction (0).
class CGXAbstractDateTimeImp : public CObject
{
  public:
    // Reads the order and separators again.
    virtual void RefreshSettings() = 0;
    // Order code; the four-digit-year flag and date separator go to the outputs.
    virtual int GetDateOrder(BOOL bForce, BOOL& bFourDigitYear, TCHAR& cDateSeparator) = 0;
    virtual TCHAR GetTimeSeparator(BOOL bForce) = 0;
    virtual BOOL ParseToSystemTime(TIMESTAMP_STRUCT& ts, LPCTSTR pszText, int nOrder) = 0;
    virtual BOOL ParseToTm(struct tm& tmResult, LPCTSTR pszText, int nOrder) = 0;
    virtual void FormatSystemTime(CString& strResult, const TIMESTAMP_STRUCT& ts) = 0;
    virtual void FormatTime(CString& strResult, const CTime& time) = 0;
};

// Copy and move of blocks of cells inside a data object.
class CGXAbstractDataCopyMoveCellsImp : public CObject
{
  public:
    virtual BOOL CopyCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol) = 0;
    // pUndoInfo: what an earlier move overwrote, put back after this one; with bCreateUndoInfo
    // it receives what this move overwrites (a new object when it was NULL).
    virtual BOOL MoveCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                           CObject*& pUndoInfo, BOOL bCreateUndoInfo, int nReserved) = 0;
};

// Rearranging the rows or columns of a data object by a sort order (old index per new index).
class CGXAbstractGridSortMoveDataImp : public CObject
{
  public:
    virtual BOOL MoveDataRows(CGXData& data, const CDWordArray& awOrder, ROWCOL nFirst) = 0;
    virtual BOOL MoveDataCols(CGXData& data, const CDWordArray& awOrder, ROWCOL nFirst) = 0;
};

// ---------------------------------------------------------------------------------------------
// Per-grid components. The grid owns each one it has installed; the engine calls them only when
// installed. Their default bodies do nothing, so a component overrides what it provides.
class CGXGridCore;
class CGXControl;
class CGXLongOperation;
class CFindReplaceDialog;
class CDC;
class CGXDrawingContext;
class CPrintInfo;

// Turns control ids into cell controls, installs components and registers window classes.
class CGXAbstractControlFactory : public CObject
{
  public:
    virtual CGXControl* CreateControl(UINT nID, CGXGridCore* pGrid) = 0;
    virtual void RegisterAllControls(CGXStylesMap* pStylesMap) = 0;
    virtual void RegisterAllUserAttributes(CGXStylesMap* pStylesMap) = 0;
    virtual void InitializeGridComponents(CGXGridCore* pGrid) = 0;
    virtual void InitializeApplicationComponents() = 0;
    virtual void RegisterWndClasses(HINSTANCE hInstance) = 0;
    virtual void UnregisterWndClasses(HINSTANCE hInstance) = 0;
};

// Named ranges of the formula engine; installed by CGXGridCore::EnableFormulaEngine.
class CGXAbstractGridRangeNameImp : public CObject
{
  public:
    // pUndoInfo: the data object's saved cells to put back (undo), or NULL.
    virtual BOOL SetRangeName(CGXGridCore* pGrid, LPCTSTR pszName, const CGXCellRange& range,
                              CObject* pUndoInfo, UINT flags, int ctCmd) = 0;
    virtual BOOL GetRangeName(CGXGridCore* pGrid, LPCTSTR pszName, CGXCellRange& range) = 0;
    virtual BOOL DeleteRangeName(CGXGridCore* pGrid, LPCTSTR pszName, UINT flags, int ctCmd) = 0;
};

// Undo and redo: creates the command objects that take changes back, keeps the undo and redo
// lists and runs undo, redo and transactions. The create operations return a new command owned
// by the caller (NULL when out of memory); arrays and objects handed to them become the command's.
class CCmdUI;
class CGXAbstractCommandFactory : public CObject
{
  public:
    virtual CObject* CreateBlockCmd(LPCTSTR pszName) = 0;
    virtual CObject* CreateSetRowHeightCmd(ROWCOL nFirst, ROWCOL nLast, int* anOldHeights) = 0;
    virtual CObject* CreateHideRowsCmd(ROWCOL nFirst, ROWCOL nLast, BOOL* abOldHidden) = 0;
    virtual CObject* CreateSetDefaultRowHeightCmd(int nOldHeight) = 0;
    virtual CObject* CreateSetColWidthCmd(ROWCOL nFirst, ROWCOL nLast, int* anOldWidths) = 0;
    virtual CObject* CreateHideColsCmd(ROWCOL nFirst, ROWCOL nLast, BOOL* abOldHidden) = 0;
    virtual CObject* CreateSetDefaultColWidthCmd(int nOldWidth) = 0;
    virtual CObject* CreateMoveRowsCmd(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) = 0;
    virtual CObject* CreateMoveColsCmd(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) = 0;
    virtual CObject* CreateRemoveRowsCmd(ROWCOL nFirst, ROWCOL nLast) = 0;
    virtual CObject* CreateRemoveColsCmd(ROWCOL nFirst, ROWCOL nLast) = 0;
    virtual CObject* CreateInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, int* anHeights, CObArray* pCellsArray,
                                         CObArray* pRowsArray, ROWCOL nColCount) = 0;
    virtual CObject* CreateInsertColsCmd(ROWCOL nCol, ROWCOL nCount, int* anWidths, CObArray* pCellsArray,
                                         CObArray* pColsArray, ROWCOL nRowCount) = 0;
    virtual CObject* CreateSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) = 0;
    virtual CObject* CreateSetStyleRangeCmd(const CGXCellRange& range, int nType, CObArray* pCellsArray) = 0;
    virtual CObject* CreateSetFrozenRowsCmd(ROWCOL nFrozen, ROWCOL nHeader) = 0;
    virtual CObject* CreateSetFrozenColsCmd(ROWCOL nFrozen, ROWCOL nHeader) = 0;
    virtual CObject* CreateMoveDataRowsCmd(const CGXCellRange& range, CObject* pOrder) = 0;
    virtual CObject* CreateMoveDataColsCmd(const CGXCellRange& range, CObject* pOrder) = 0;
    virtual CObject* CreateChangeStylesMapCmd(const CGXStylesMap& stylesMap) = 0;
    virtual CObject* CreateChangePropertiesCmd(const CGXProperties& properties) = 0;
    virtual CObject* CreateChangeBaseStyleCmd(WORD nID, const CGXStyle& style, LPCTSTR pszName) = 0;
    virtual CObject* CreateMoveCellsCmd(const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol,
                                        CObject* pUndoInfo) = 0;
    virtual CObject* CreateSetRangeNameCmd(const CString& strName, BOOL bExisted,
                                           const CGXCellRange& range) = 0;
    virtual CObject* CreateDeleteRangeNameCmd(const CString& strName, const CGXCellRange& range,
                                              CObject* pObject) = 0;
    // The data object's own undo information (formula engine).
    virtual BOOL SetAdvancedUndoRecording(CGXGridCore* pGrid, BOOL bRecord) = 0;
    virtual CObject* TakeAdvancedUndoInfo(CGXGridCore* pGrid) = 0;
    virtual BOOL ApplyAdvancedUndoInfo(CGXGridCore* pGrid, CObject* pInfo, BOOL bRecord, BOOL bBefore) = 0;
    virtual void DiscardAdvancedUndoInfo(CGXGridCore* pGrid) = 0;
    // The lists.
    virtual BOOL ExecuteCommand(CObject* pCmd, CGXGridCore* pGrid, int ctCmd) = 0;
    virtual void AddCommand(CGXGridCore* pGrid, CObject* pCmd, int ctCmd) = 0;
    virtual void RemoveCommand(CGXGridCore* pGrid, int ctCmd) = 0;
    virtual BOOL Undo(CGXGridCore* pGrid) = 0;
    virtual BOOL Redo(CGXGridCore* pGrid) = 0;
    virtual void BeginTransaction(CGXGridCore* pGrid, LPCTSTR pszName) = 0;
    virtual void CommitTransaction(CGXGridCore* pGrid) = 0;
    virtual void Rollback(CGXGridCore* pGrid) = 0;
    virtual void ShowCommandCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL bMakeCurrent) = 0;
    virtual BOOL OnUpdateEditUndo(CGXGridCore* pGrid, CCmdUI* pCmdUI) = 0;
    virtual BOOL OnUpdateEditRedo(CGXGridCore* pGrid, CCmdUI* pCmdUI) = 0;
    // What removing rows (columns) destroys: FALSE when the user cancels the removal. With
    // nothing kept for undo (the user agreed to go on without), the count comes back as 0.
    virtual BOOL CollectRowsUndoInfo(CGXGridCore* pGrid, ROWCOL& nFirst, ROWCOL& nCount, ROWCOL& nColCount,
                                     CObArray*& pCellsArray, CObArray*& pRowsArray, CGXLongOperation& op) = 0;
    virtual BOOL CollectColsUndoInfo(CGXGridCore* pGrid, ROWCOL& nFirst, ROWCOL& nCount, ROWCOL& nRowCount,
                                     CObArray*& pCellsArray, CObArray*& pColsArray, CGXLongOperation& op) = 0;
};

// Moving blocks of rows and columns: the store and update steps and the undoable operations.
class CGXAbstractGridMoveRowsColsImp : public CObject
{
  public:
    virtual BOOL StoreMoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest,
                               BOOL bForce) = 0;
    virtual void UpdateMoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags,
                                BOOL bCreateHint) = 0;
    virtual BOOL StoreMoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest,
                               BOOL bForce) = 0;
    virtual void UpdateMoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags,
                                BOOL bCreateHint) = 0;
    virtual BOOL MoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags,
                          int ctCmd) = 0;
    virtual BOOL MoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags,
                          int ctCmd) = 0;
};

// The size a static text cell's text (or bitmap) takes, borders included: its height (bVert
// non-zero) or its width.
class CGXAbstractCalcSizeImp : public CObject
{
  public:
    virtual CSize CalcSize(CGXControl* pControl, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandardStyle, BOOL bVert) = 0;
};

// Keeps the other views of a document in step: each hint makes them update the same way.
// OnGridUpdate receives; every other operation sends one hint (its id in the comment).
class CGXAbstractGridUpdateHintImp : public CObject
{
  public:
    virtual BOOL OnGridUpdate(CGXGridCore*, CObject* /*pHint*/)
    {
        return FALSE;
    }
    // 21: the current cell's control is set up again (read-only changed).
    virtual void HintReadOnly(CGXGridCore*, BOOL)
    {
    }
    // 27: the current cell moved; the other views move theirs (flags as they are to use them).
    virtual void HintCurrentCell(CGXGridCore*, ROWCOL, ROWCOL, UINT /*flags*/)
    {
    }
    // 24: the current cell's edits are stored (bSave) or dropped; TRUE when every other view agreed.
    virtual BOOL HintTransferCurrentCell(CGXGridCore*, BOOL /*bSave*/, UINT /*flags*/)
    {
        return TRUE;
    }
    virtual void HintChangedRowCount(CGXGridCore*, ROWCOL /*nOldRows*/, UINT) // 3
    {
    }
    virtual void HintChangedColCount(CGXGridCore*, ROWCOL /*nOldCols*/, UINT) // 4
    {
    }
    virtual void HintChangedFrozenCols(CGXGridCore*, ROWCOL, ROWCOL, UINT) // 16
    {
    }
    virtual void HintChangedFrozenRows(CGXGridCore*, ROWCOL, ROWCOL, UINT) // 15
    {
    }
    virtual void HintSetTopRow(CGXGridCore*, ROWCOL, UINT) // 25, to the neighbour pane
    {
    }
    virtual void HintSetLeftCol(CGXGridCore*, ROWCOL, UINT) // 26, to the neighbour pane
    {
    }
    virtual void HintInsertRows(CGXGridCore*, ROWCOL, ROWCOL, UINT) // 8
    {
    }
    virtual void HintInsertCols(CGXGridCore*, ROWCOL, ROWCOL, UINT) // 7
    {
    }
    virtual void HintRedrawRange(CGXGridCore*, ROWCOL, ROWCOL, ROWCOL, ROWCOL, UINT /*flags*/) // 2
    {
    }
    virtual void HintRedrawAll(CGXGridCore*, UINT /*flags*/) // 1
    {
    }
    virtual void HintRecalc(CGXGridCore*, const CString& /*strError*/) // 36
    {
    }
    virtual void HintProperty(CGXGridCore*, UINT /*nValue*/) // 22
    {
    }
    // 25 or 26 by the direction, to the neighbour pane of a splitter.
    virtual void HintScroll(CGXGridCore*, int /*nDirection*/, ROWCOL /*nCount*/)
    {
    }
    virtual void HintSelectRange(CGXGridCore*, const CGXCellRange&, const CObject* /*pOldSelection*/) // 23
    {
    }
    virtual void HintExcelFrame(CGXGridCore*, BOOL /*bShow*/) // 30
    {
    }
    virtual void HintChangedSelection(CGXGridCore*, POSITION, ROWCOL, ROWCOL, ROWCOL, ROWCOL) // 13
    {
    }
    virtual void HintAllSelected(CGXGridCore*) // 14
    {
    }
    virtual void HintChangedRowHeight(CGXGridCore*, ROWCOL, ROWCOL, const int* /*anOld*/, UINT) // 5
    {
    }
    virtual void HintChangedColWidth(CGXGridCore*, ROWCOL, ROWCOL, const int*, UINT) // 6
    {
    }
    virtual void HintStoreZoom(CGXGridCore*, int) // 20
    {
    }
    virtual void HintZoomChanged(CGXGridCore*, int /*nOldZoom*/, UINT) // 19
    {
    }
    virtual void HintStyleRange(CGXGridCore*, const CGXCellRange&, const CGXStyle*, int /*mode*/,
                                int /*nType*/, UINT /*flags*/) // 17
    {
    }
    virtual void HintStylesMap(CGXGridCore*, UINT /*flags*/) // 34
    {
    }
    virtual void HintProperties(CGXGridCore*, UINT /*flags*/) // 33
    {
    }
    virtual void HintBaseStyle(CGXGridCore*, WORD /*nID*/, UINT /*flags*/) // 35
    {
    }
    virtual void HintCoveredRange(CGXGridCore*, ROWCOL, ROWCOL, ROWCOL, ROWCOL, UINT) // 18
    {
    }
    virtual void HintFloatedSpan(CGXGridCore*, ROWCOL, ROWCOL, ROWCOL, ROWCOL, UINT) // 28
    {
    }
    virtual void HintMergedSpan(CGXGridCore*, ROWCOL, ROWCOL, ROWCOL, ROWCOL, UINT) // 29
    {
    }
    virtual void HintSortRows(CGXGridCore*, const CGXCellRange&, UINT) // 31
    {
    }
    virtual void HintSortCols(CGXGridCore*, const CGXCellRange&, UINT) // 32
    {
    }
    virtual void HintRemoveRows(CGXGridCore*, ROWCOL, ROWCOL, const int* /*anOld*/, UINT) // 10
    {
    }
    virtual void HintRemoveCols(CGXGridCore*, ROWCOL, ROWCOL, const int*, UINT) // 9
    {
    }
    virtual void HintMoveRows(CGXGridCore*, ROWCOL /*nFirst*/, ROWCOL /*nLast*/, ROWCOL /*nDest*/, UINT) // 12
    {
    }
    virtual void HintMoveCols(CGXGridCore*, ROWCOL, ROWCOL, ROWCOL, UINT) // 11
    {
    }
};

// Hidden rows and columns: a bit set per direction in the parameter object, kept in step when
// rows or columns come, go or move; hiding and showing with undo.
class CGXAbstractGridHideCellsImp : public CObject
{
  public:
    virtual void RemoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast) = 0;
    virtual void RemoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast) = 0;
    virtual void InsertRows(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCount) = 0;
    virtual void InsertCols(CGXGridCore* pGrid, ROWCOL nCol, ROWCOL nCount) = 0;
    virtual void MoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) = 0;
    virtual void MoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) = 0;
    // abHide (or NULL for bHide everywhere) gives each row's new state.
    virtual BOOL HideRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, BOOL bHide, BOOL* abHide,
                          UINT flags, int ctCmd) = 0;
    virtual BOOL IsRowHidden(CGXGridCore* pGrid, ROWCOL nRow) = 0;
    virtual BOOL StoreHideRow(CGXGridCore* pGrid, ROWCOL nRow, BOOL bHide) = 0;
    virtual BOOL HideCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, BOOL bHide, BOOL* abHide,
                          UINT flags, int ctCmd) = 0;
    virtual BOOL IsColHidden(CGXGridCore* pGrid, ROWCOL nCol) = 0;
    virtual BOOL StoreHideCol(CGXGridCore* pGrid, ROWCOL nCol, BOOL bHide) = 0;
};

// Rows as high (columns as wide) as their cells' contents need, as one undo step.
class CGXAbstractGridResizeToFitImp : public CObject
{
  public:
    virtual BOOL ResizeRowHeightsToFit(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bCoveredCells,
                                       UINT flags) = 0;
    virtual BOOL ResizeColWidthsToFit(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bCoveredCells,
                                      UINT flags) = 0;
};

// Interactive resizing of rows and columns; its presence enables the resize cursors. The mouse
// steps (slots 0 to 3) call the grid's tracking operations, which forward to slots 4 to 7. A
// size is a point: x the width of a column, y the height of a row. Kind 1 row, 2 column.
class CGXAbstractGridUserResizeCellsImp : public CObject
{
  public:
    virtual BOOL OnMouseMove(CGXGridCore*, CPoint)
    {
        return FALSE;
    }
    virtual BOOL OnLButtonDown(CGXGridCore*, UINT*, CPoint*, int* /*pnHit*/, ROWCOL*, ROWCOL*)
    {
        return FALSE;
    }
    virtual BOOL OnLButtonUp(CGXGridCore*, CPoint)
    {
        return FALSE;
    }
    virtual BOOL OnLButtonDblClk(CGXGridCore*, UINT*, CPoint*, int* /*pnHit*/, ROWCOL*, ROWCOL*)
    {
        return FALSE;
    }
    virtual BOOL StartTracking(CGXGridCore*, ROWCOL, ROWCOL, int /*nKind*/)
    {
        return FALSE;
    }
    virtual void MoveTracking(CGXGridCore*, ROWCOL, ROWCOL, int /*nKind*/, CPoint /*size*/)
    {
    }
    virtual void CancelTracking(CGXGridCore*)
    {
    }
    virtual void EndTracking(CGXGridCore*, ROWCOL, ROWCOL, int /*nKind*/, CPoint /*size*/)
    {
    }
};

// The application-wide long-operation component: wait cursor, status text, message pumping.
class CGXAbstractLongOperationImp : public CObject
{
  public:
    virtual void Start(CGXLongOperation* pOp) = 0;
    virtual void Stop(CGXLongOperation* pOp) = 0;
    virtual void FreeStatusText(CGXLongOperation* pOp) = 0;
    virtual void SetStatusText(CGXLongOperation* pOp, LPCTSTR pszText, BOOL bCopy) = 0;
    virtual BOOL DoMessages(CGXLongOperation* pOp, BOOL& bAbort) = 0;
    virtual BOOL NeedMessages(CGXLongOperation* pOp) = 0;
    virtual void ProcessMessages(CGXLongOperation* pOp) = 0;
};

// Find and replace in the cells of a grid, one column at a time, through the modeless dialog;
// the cell-level operations are the defaults of the controls' find and replace.
class CGXAbstractGridFindReplaceImp : public CObject
{
  public:
    virtual void ShowFindReplaceDialog(CGXGridCore* pGrid, BOOL bFindOnly) = 0;
    virtual BOOL FindNextText(CGXGridCore* pGrid, const CString& strFind, BOOL bNext, BOOL bMatchCase) = 0;
    // bIncludeCurrent FALSE: the current cell does not count.
    virtual BOOL FindTextInCell(CGXControl* pControl, const CGXFindReplaceSettings& settings, ROWCOL nRow,
                                ROWCOL nCol, BOOL bIncludeCurrent, BOOL bSelect) = 0;
    // From the row after (before) nRow on; nRow comes back as the row reached.
    virtual BOOL FindInColumn(CGXGridCore* pGrid, ROWCOL& nRow, ROWCOL& nCol, BOOL bSelect) = 0;
    virtual BOOL FindNext(CGXGridCore* pGrid, BOOL bSelect) = 0;
    virtual void ReplaceNext(CGXGridCore* pGrid, const CString& strFind, BOOL bNext, BOOL bMatchCase,
                             const CString& strReplace) = 0;
    virtual void ReplaceAll(CGXGridCore* pGrid, const CString& strFind, const CString& strReplace,
                            BOOL bMatchCase) = 0;
    virtual void OnFindReplaceMessage(CGXGridCore* pGrid, CFindReplaceDialog* pDialog) = 0;
    virtual BOOL ReplaceAllInCell(CGXControl* pControl, const CGXFindReplaceSettings& settings, ROWCOL nRow,
                                  ROWCOL nCol) = 0;
};

// Cut, copy and paste of a grid's cells.
class CGXAbstractGridCutPasteImp : public CObject
{
  public:
    virtual BOOL CanCopy(CGXGridCore* pGrid) = 0;
    virtual BOOL Copy(CGXGridCore* pGrid) = 0;
    virtual BOOL CopyRangesToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges) = 0;
    virtual BOOL CanCut(CGXGridCore* pGrid) = 0;
    virtual BOOL Cut(CGXGridCore* pGrid) = 0;
    virtual BOOL CutRangesToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges, BOOL bStyles) = 0;
    virtual BOOL CanPaste(CGXGridCore* pGrid) = 0;
    virtual BOOL CanPasteFromClipboard(CGXGridCore* pGrid) = 0;
    virtual BOOL Paste(CGXGridCore* pGrid) = 0;
    virtual BOOL PasteDirect(CGXGridCore* pGrid, const CGXCellRange& range) = 0;
    virtual BOOL PasteFromClipboardAt(CGXGridCore* pGrid, const CGXCellRange& range) = 0;
    virtual BOOL ConfirmPasteSize(CGXGridCore* pGrid) = 0;
};

// Cells as tab-separated text and text pasted into cells.
class CGXAbstractGridTextDataExchangeImp : public CObject
{
  public:
    virtual BOOL CopyTextToFile(CGXGridCore* pGrid, CFile& file, const CGXRangeList& ranges) = 0;
    virtual CString GetCopyTextRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) = 0;
    virtual BOOL PasteTextFromBuffer(CGXGridCore* pGrid, LPCSTR pszText, DWORD dwSize,
                                     const CGXCellRange& range) = 0;
    virtual BOOL PasteTextRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CString& strText,
                                 UINT flags, const CGXStyle* pStyle) = 0;
    virtual BOOL CalcBufferDimension(CGXGridCore* pGrid, LPCSTR pszText, DWORD dwSize, ROWCOL& nRows,
                                     ROWCOL& nCols) = 0;
};

// Cells as an archive of their styles and such an archive pasted into cells.
class CGXAbstractGridStyleDataExchangeImp : public CObject
{
  public:
    virtual BOOL CopyCellsToArchive(CGXGridCore* pGrid, CArchive& ar, const CGXRangeList& ranges,
                                    BOOL bComposed) = 0;
    virtual BOOL GetCopyStyleRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXStyle& style,
                                    BOOL bComposed) = 0;
    virtual BOOL PasteCellsFromArchive(CGXGridCore* pGrid, CArchive& ar, const CGXCellRange& range,
                                       BOOL bNoSizeCheck) = 0;
};

// Copy and move of blocks of cells inside one grid.
class CGXAbstractGridDirectCopyMoveCellsImp : public CObject
{
  public:
    virtual BOOL CopyCells(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol,
                           UINT flags) = 0;
    virtual BOOL StoreCopyCells(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nToRow,
                                ROWCOL nToCol) = 0;
    // pUndoInfo (owned): what an earlier move overwrote, put back after this one (an undo);
    // ctCmd as for every undoable change (gxRollback records nothing).
    virtual BOOL MoveCells(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol,
                           CObject* pUndoInfo, UINT flags, int ctCmd) = 0;
    // Consumes pApplyInfo; with ppNewInfo receives what this move overwrites (or NULL).
    virtual BOOL StoreMoveCells(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol,
                                CObject* pApplyInfo, CObject** ppNewInfo) = 0;
};

// Emptying cells: their values, or with the flag their whole styles.
class CGXAbstractGridClearCellsImp : public CObject
{
  public:
    virtual BOOL CanClear(CGXGridCore* pGrid) = 0;
    virtual BOOL Clear(CGXGridCore* pGrid, BOOL bStyles) = 0;
    virtual BOOL ClearCells(CGXGridCore* pGrid, const CGXRangeList& ranges, BOOL bStyles) = 0;
};

// Selection of ranges by keyboard and mouse. The grid's selection operations of the same names
// forward here; every change goes through CanChangeSelection, the change, OnChangedSelection.
class CGXAbstractGridUserSelectRangeImp : public CObject
{
  public:
    // Moves the current cell by the keyboard, extending the selection while Shift is held.
    virtual BOOL MoveCurrentCellEx(CGXGridCore*, int /*nDirection*/, ROWCOL /*nCount*/)
    {
        return FALSE;
    }
    // The mouse steps of a selection by dragging (press, move to another cell, release); the
    // move may correct the row and column.
    virtual void OnStartSelection(CGXGridCore*, CPoint&, UINT&, int&, ROWCOL&, ROWCOL&)
    {
    }
    virtual BOOL OnMoveSelection(CGXGridCore*, CPoint&, UINT&, ROWCOL&, ROWCOL&)
    {
        return FALSE;
    }
    virtual BOOL OnEndSelection(CGXGridCore*, CPoint&, UINT&)
    {
        return FALSE;
    }
    virtual void SelectRange(CGXGridCore*, const CGXCellRange&, BOOL /*bSelect*/, BOOL /*bUpdate*/)
    {
    }
    virtual BOOL StoreSelectRange(CGXGridCore*, const CGXCellRange&, BOOL /*bSelect*/)
    {
        return FALSE;
    }
    // Repaints the cells of the range whose state differs between the old list and the current one.
    virtual void UpdateSelectRange(CGXGridCore*, const CGXCellRange&, const CGXRangeList*,
                                   BOOL /*bCreateHint*/)
    {
    }
    virtual void SetSelection(CGXGridCore*, POSITION, ROWCOL, ROWCOL, ROWCOL, ROWCOL)
    {
    }
    virtual void UpdateChangedSelection(CGXGridCore*, POSITION, ROWCOL, ROWCOL, ROWCOL, ROWCOL,
                                        BOOL /*bCreateHint*/)
    {
    }
    virtual void UpdateAllSelected(CGXGridCore*, BOOL /*bCreateHint*/)
    {
    }
    // A completed click; Ctrl on a selected row's (column's) header deselects it.
    virtual BOOL OnHeaderCtrlClick(CGXGridCore*, ROWCOL, ROWCOL, UINT, CPoint)
    {
        return FALSE;
    }
};

// Freezing the selected block of columns (rows): it moves to the front and is frozen;
// unfreezing moves it back.
class CGXAbstractGridFreezeMenuHelperImp : public CObject
{
  public:
    virtual BOOL CanFreezeCols(CGXGridCore* pGrid) = 0;
    virtual BOOL CanUnfreezeCols(CGXGridCore* pGrid) = 0;
    virtual void FreezeCols(CGXGridCore* pGrid) = 0;
    virtual void UnfreezeCols(CGXGridCore* pGrid) = 0;
    virtual BOOL CanFreezeRows(CGXGridCore* pGrid) = 0;
    virtual BOOL CanUnfreezeRows(CGXGridCore* pGrid) = 0;
    virtual void FreezeRows(CGXGridCore* pGrid) = 0;
    virtual void UnfreezeRows(CGXGridCore* pGrid) = 0;
};

// The sort component: compares the keys of a block of rows (columns), puts the block into the
// sorted order with undo, and sorts by a double-clicked header cell. The column operations are
// the row operations' twins.
class CGXSortInfoArray;
struct CGXSortKeyRecord;
class CGXAbstractGridSortImp : public CObject
{
  public:
    virtual void SortKeys(CGXGridCore*, CGXSortInfoArray&, CPtrArray& /*apKeyRecords*/)
    {
    }
    virtual void SortRows(CGXGridCore*, const CGXCellRange& /*range*/, CGXSortInfoArray&, UINT /*flags*/)
    {
    }
    // pOrder: a CDWordArray, entry i the old position in the block of what goes to position i.
    virtual BOOL ApplyRowOrder(CGXGridCore*, const CGXCellRange&, CObject* /*pOrder*/, UINT /*flags*/,
                               int /*ctCmd*/)
    {
        return FALSE;
    }
    virtual BOOL ReorderDataRows(CGXGridCore*, const CGXCellRange&, const CDWordArray&)
    {
        return FALSE;
    }
    virtual void UpdateAfterRowSort(CGXGridCore*, const CGXCellRange&, UINT /*flags*/, BOOL /*bCreateHint*/)
    {
    }
    virtual void GetRowSortKeys(CGXGridCore*, ROWCOL /*nRow*/, CGXSortInfoArray&, CGXSortKeyRecord&)
    {
    }
    virtual void SortCols(CGXGridCore*, const CGXCellRange&, CGXSortInfoArray&, UINT)
    {
    }
    virtual BOOL ApplyColOrder(CGXGridCore*, const CGXCellRange&, CObject*, UINT, int)
    {
        return FALSE;
    }
    virtual BOOL ReorderDataCols(CGXGridCore*, const CGXCellRange&, const CDWordArray&)
    {
        return FALSE;
    }
    virtual void UpdateAfterColSort(CGXGridCore*, const CGXCellRange&, UINT, BOOL)
    {
    }
    virtual void GetColSortKeys(CGXGridCore*, ROWCOL /*nCol*/, CGXSortInfoArray&, CGXSortKeyRecord&)
    {
    }
    virtual BOOL OnHeaderDblClk(CGXGridCore*, ROWCOL, ROWCOL, UINT, CPoint)
    {
        return FALSE;
    }
};

// Covered, merged and floating cells in the paint pass (DrawCells).
class CGXAbstractDrawSpannedCellsImp : public CObject
{
  public:
    // TRUE when the cell (context row and column) starts or belongs to a span and was flagged
    // here: the paint pass then leaves the cell's own flags alone.
    virtual BOOL MarkSpannedCell(CGXGridCore*, CGXDrawingContext&, ROWCOL, ROWCOL)
    {
        return FALSE;
    }
    // TRUE when the component drew the cell itself.
    virtual BOOL DrawSpannedCell(CGXGridCore*, CGXDrawingContext&, ROWCOL, ROWCOL)
    {
        return FALSE;
    }
    // The range about to be drawn, the last frozen row and column, the first scrolling row and
    // column, the last visible row and column, the keep-lock flag, the cells whose span changed
    // and the use-cache flag; TRUE when spans changed.
    virtual BOOL PrepareSpans(CGXGridCore*, const CGXCellRange&, ROWCOL, ROWCOL, ROWCOL, ROWCOL, ROWCOL,
                              ROWCOL, BOOL, CGXCellRange*, BOOL)
    {
        return FALSE;
    }
};

// Covered cells: a rectangle of cells shown as its top-left cell.
class CGXAbstractGridCoveredCellsImp : public CObject
{
  public:
    // Covers the cells (the single cell uncovers), with redraw and undo (command type last).
    virtual BOOL CoverCells(CGXGridCore*, ROWCOL, ROWCOL, ROWCOL, ROWCOL, UINT, int)
    {
        return FALSE;
    }
    // The covered range holding the cell, filled into the given range; NULL when none.
    virtual CGXCellRange* GetCoveredRangeAt(CGXGridCore*, ROWCOL, ROWCOL, CGXCellRange&)
    {
        return NULL;
    }
    // Stores (set) or removes the range starting at the cell; no redraw, no undo.
    virtual BOOL PutCoveredRange(CGXGridCore*, ROWCOL, ROWCOL, ROWCOL, ROWCOL, BOOL)
    {
        return FALSE;
    }
    virtual void RedrawCoveredRange(CGXGridCore*, ROWCOL, ROWCOL, ROWCOL, ROWCOL, UINT, BOOL)
    {
    }
    // Widens the range over every covered range it touches.
    virtual void WidenByCoveredCells(CGXGridCore*, CGXCellRange&)
    {
    }
    // Before rows (columns) first..last go: ranges are cut or dropped; the flag is set when
    // anything changed. Nothing with the skip flag.
    virtual BOOL AdjustCoveredForRemovedRows(CGXGridCore*, ROWCOL, ROWCOL, BOOL&, BOOL)
    {
        return FALSE;
    }
    virtual BOOL AdjustCoveredForRemovedCols(CGXGridCore*, ROWCOL, ROWCOL, BOOL&, BOOL)
    {
        return FALSE;
    }
};

// Floating cells: a cell's text running on over empty cells to its right.
class CGXAbstractGridFloatCellsImp : public CObject
{
  public:
    virtual void SetFloatingMode(CGXGridCore*, WORD, BOOL)
    {
    }
    // The range whose floats must be evaluated again; a column limit of (ROWCOL)-1 is none.
    virtual void InvalidateFloatedCells(CGXGridCore*, const CGXCellRange&, ROWCOL)
    {
    }
    // Evaluates the floats of a range (keep-lock flag, changed cells, use-cache flag).
    virtual BOOL RecalcFloatedCells(CGXGridCore*, const CGXCellRange&, BOOL, CGXCellRange*, BOOL)
    {
        return FALSE;
    }
    virtual CGXCellRange* GetFloatedRangeAt(CGXGridCore*, ROWCOL, ROWCOL, CGXCellRange&)
    {
        return NULL;
    }
    // Whether a static cell's style lets it float (as source) or be floated over.
    virtual BOOL IsFloatCandidate(CGXGridCore*, const CGXStyle&, BOOL)
    {
        return FALSE;
    }
    virtual BOOL CheckFloatCell(CGXGridCore*, CGXControl*, ROWCOL, ROWCOL, const CGXStyle&, BOOL)
    {
        return FALSE;
    }
    virtual BOOL UpdateFloatedSpanAt(CGXGridCore*, ROWCOL, ROWCOL, ROWCOL, ROWCOL, UINT)
    {
        return FALSE;
    }
    virtual void RedrawFloatedSpanAt(CGXGridCore*, ROWCOL, ROWCOL, ROWCOL, ROWCOL, UINT, BOOL)
    {
    }
    virtual void WidenByFloatedCells(CGXGridCore*, CGXCellRange&)
    {
    }
    virtual BOOL EvalFloatsInRange(CGXGridCore*, const CGXCellRange&, BOOL, CGXCellRange*, BOOL)
    {
        return FALSE;
    }
    virtual BOOL EvalDelayedFloats(CGXGridCore*, const CGXCellRange&, BOOL, CGXCellRange*, BOOL)
    {
        return FALSE;
    }
    virtual BOOL EvalFloatsAround(CGXGridCore*, ROWCOL, ROWCOL, CGXCellRange*, BOOL)
    {
        return FALSE;
    }
    virtual BOOL CalcFloatSpan(CGXGridCore*, ROWCOL, ROWCOL, CGXCellRange*, BOOL)
    {
        return FALSE;
    }
    virtual BOOL StoreFloatSpan(CGXGridCore*, ROWCOL, ROWCOL, ROWCOL, ROWCOL, BOOL)
    {
        return FALSE;
    }
};

// Merged cells: neighbours with equal contents shown as one cell.
class CGXAbstractGridMergeCellsImp : public CObject
{
  public:
    virtual void SetMergingMode(CGXGridCore*, WORD, BOOL)
    {
    }
    // The range whose merges must be evaluated again; row and column limits of (ROWCOL)-1 are none.
    virtual void InvalidateMergedCells(CGXGridCore*, const CGXCellRange&, ROWCOL, ROWCOL)
    {
    }
    virtual BOOL RecalcMergedCells(CGXGridCore*, const CGXCellRange&, BOOL, CGXCellRange*, BOOL)
    {
        return FALSE;
    }
    // Direction 0 along the row, 1 along the column, -1 either.
    virtual CGXCellRange* GetMergedRangeAt(CGXGridCore*, ROWCOL, ROWCOL, CGXCellRange&, int)
    {
        return NULL;
    }
    virtual BOOL CheckMergeCell(CGXGridCore*, CGXControl*, ROWCOL, ROWCOL, const CGXStyle&, int)
    {
        return FALSE;
    }
    virtual BOOL CompareMergeContents(CGXGridCore*, const CGXStyle&, const CGXStyle&)
    {
        return FALSE;
    }
    virtual BOOL UpdateMergedSpanAt(CGXGridCore*, int, ROWCOL, ROWCOL, ROWCOL, ROWCOL, UINT)
    {
        return FALSE;
    }
    virtual void RedrawMergedSpanAt(CGXGridCore*, ROWCOL, ROWCOL, ROWCOL, ROWCOL, UINT, BOOL)
    {
    }
    virtual void WidenByMergedCells(CGXGridCore*, CGXCellRange&)
    {
    }
};

// Brings the window up to date after rows or columns were inserted, removed or resized, in place
// of a redraw of everything: moves what stayed and invalidates the rest. Insertions take the first
// index and the count, the others the first and last index and the old sizes (or NULL); each
// takes the update flags, which it masks (the row removal takes them by value).
class CGXAbstractGridOptimizedUpdateImp : public CObject
{
  public:
    virtual void UpdateAfterInsertRows(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnCount, UINT* pMode) = 0;
    virtual void UpdateAfterInsertCols(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnCount, UINT* pMode) = 0;
    virtual void UpdateAfterRemoveRows(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnLast, int* anOldHeights,
                                       UINT mode) = 0;
    virtual void UpdateAfterRemoveCols(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnLast, int* anOldWidths,
                                       UINT* pMode) = 0;
    // A last index of 0 is the first; it is written back.
    virtual void UpdateAfterRowHeights(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnLast, int* anOldHeights,
                                       UINT* pMode) = 0;
    virtual void UpdateAfterColWidths(CGXGridCore* pGrid, ROWCOL* pnFirst, ROWCOL* pnLast, int* anOldWidths,
                                      UINT* pMode) = 0;
};

// Marks the headers of the current cell's row and column, and of a row or column being resized.
class CGXAbstractGridMarkEditHeaderImp : public CObject
{
  public:
    // Invalidates the headers of a cell (mode 0 both, 1 the column header, 2 the row header).
    virtual void MarkEditHeader(CGXGridCore*, ROWCOL, ROWCOL, int, UINT)
    {
    }
    // Whether the header cell (row, column) is drawn marked.
    virtual BOOL IsMarkedHeader(CGXGridCore*, ROWCOL, ROWCOL, const CGXStyle&)
    {
        return FALSE;
    }
};

// Printing of a grid: the window's and the view's printing steps, and the header and footer
// of the pages (the properties object hands its header and footer work to it).
class CDocument;
class CGXAbstractGridPrintImp : public CObject
{
  public:
    virtual void OnGridBeginPrinting(CGXGridCore*, CDC*, CPrintInfo*)
    {
    }
    virtual void OnGridPrint(CGXGridCore*, CDC*, CPrintInfo*)
    {
    }
    virtual void OnGridEndPrinting(CGXGridCore*, CDC*, CPrintInfo*)
    {
    }
    // The document may be null.
    virtual void PrintHeaderAndFooter(CGXProperties*, CDC*, CPrintInfo*, CDocument*, CGXGridParam*)
    {
    }
    // Height of a header or footer block in logical units.
    virtual int CalcHeaderFooterBlockHeight(CGXProperties*, CDC*, CGXData&, CGXStylesMap*)
    {
        return 0;
    }
    virtual void PrintHeaderFooterBlock(CGXProperties*, CDC*, CPrintInfo*, const CRect&, CGXData&,
                                        CGXStylesMap*)
    {
    }
    // The text with every field code replaced by its field's text.
    virtual CString ParseHeaderFooterText(CGXProperties*, const CString&)
    {
        return CString();
    }
    // The text of field nIndex; strRest is the text after the code and loses what the field takes.
    virtual CString GetHeaderFooterFieldText(CGXProperties*, int, CString&)
    {
        return CString();
    }
    // The format in braces at the start of strRest, which then continues after it.
    virtual CString ParseFieldFormat(CString&)
    {
        return CString();
    }
};

// Cell-by-cell drawing of a whole paint pass in place of the engine's own.
class CGXAbstractGridOldDrawingImp : public CObject
{
  public:
    // FALSE when the component does not draw; the engine then draws the block itself.
    virtual BOOL DrawBlock(CGXGridCore*, CDC*, CGXDrawingContext&)
    {
        return FALSE;
    }
    virtual void DrawBackgrounds(CGXGridCore*, CGXDrawingContext&)
    {
    }
};

// Told at the start of every paint with (0, 0, 1, 0), and by the scrolling code before the top
// row or left column changes with (new top row, new left column, 0, scroll direction).
class CGXAbstractGridPrepareRedrawImp : public CObject
{
  public:
    virtual void OnPrepareRedraw(CGXGridCore*, ROWCOL, ROWCOL, ROWCOL, ROWCOL)
    {
    }
};

// The Excel-like frame around the selection: 3 pixels wide, drawn and removed by inverting.
// Frame kinds: 0 cells or table, 2 rows, 7 columns.
class CGXAbstractGridExcelLikeFrameImp : public CObject
{
  public:
    // Inverts the pieces around one pixel rectangle (within the clip rectangle unless empty).
    virtual void DrawFramePart(CGXGridCore*, CDC*, const CRect& /*rect*/, const CRect& /*rectClip*/,
                               BOOL /*bTopVisible*/, BOOL /*bLeftVisible*/, int /*nKind*/,
                               BOOL /*bHandleOnly*/)
    {
    }
    virtual void DrawFrame(CGXGridCore*, CDC*, const CGXCellRange&, int /*nKind*/, BOOL /*bHandleOnly*/)
    {
    }
    // Erases the frame on screen (with a context) and takes a new range, drawn with a context.
    virtual void UpdateFrame(CGXGridCore*, CDC*, BOOL /*bErase*/, const CGXCellRange*)
    {
    }
    // After the window's content scrolled.
    virtual void RedrawFrameHandle(CGXGridCore*)
    {
    }
    // Hides (non-zero) or shows the frame; returns the previous state.
    virtual BOOL ShowFrame(CGXGridCore*, BOOL /*nState*/, BOOL /*bCreateHint*/)
    {
        return FALSE;
    }
};

// Dragging the selected rows or columns by their headers to a new place. The mouse steps answer
// TRUE when they took the step (the engine then does nothing more with it).
class CGXAbstractGridUserDragSelectRangeImp : public CObject
{
  public:
    virtual BOOL OnStartDragSelection(CGXGridCore*, CPoint&, UINT&, int& /*nHit*/, ROWCOL&, ROWCOL&)
    {
        return FALSE;
    }
    virtual BOOL OnMoveDragSelection(CGXGridCore*, CPoint&, UINT&)
    {
        return FALSE;
    }
    virtual BOOL OnEndDragSelection(CGXGridCore*, CPoint&, UINT&)
    {
        return FALSE;
    }
    virtual BOOL StartDragSelection(CGXGridCore*, ROWCOL, ROWCOL)
    {
        return FALSE;
    }
    virtual BOOL MoveDragSelection(CGXGridCore*, ROWCOL, ROWCOL, ROWCOL, ROWCOL)
    {
        return FALSE;
    }
    virtual BOOL DropDragSelection(CGXGridCore*, ROWCOL, ROWCOL, ROWCOL, ROWCOL)
    {
        return FALSE;
    }
    virtual BOOL CancelDragSelection(CGXGridCore*)
    {
        return FALSE;
    }
};

// Filling cells by dragging the fill handle of the selection; the mouse steps are asked only
// while the parameter object's Excel-like fill option is set.
class CGXAbstractGridExcelLikeFillImp : public CObject
{
  public:
    virtual void OnStartFill(CGXGridCore*, CPoint&, UINT&, int& /*nHit*/, ROWCOL&, ROWCOL&)
    {
    }
    // TRUE when it took the move: the selection component then does not see it.
    virtual BOOL OnMoveFill(CGXGridCore*, CPoint&, UINT&, ROWCOL&, ROWCOL&)
    {
        return FALSE;
    }
    virtual void OnEndFill(CGXGridCore*, CPoint&, UINT&)
    {
    }
    // Before the window's content is scrolled (the fill outline must not move with it).
    virtual void HideFillFrame(CGXGridCore*)
    {
    }
    virtual void DrawFillFrame(CGXGridCore*, const CGXCellRange&, BOOL /*bErase*/, BOOL /*bDraw*/)
    {
    }
    virtual void DoFill(CGXGridCore*, const CGXCellRange& /*source*/, const CGXCellRange& /*target*/)
    {
    }
    virtual void SelectFillRange(CGXGridCore*, const CGXCellRange&)
    {
    }
};

// Makes the workbook reader that a workbook adapter owns; installed by the library that reads
// and writes workbooks. Adapters without one answer that nothing was read or written.
class CGXAbstractExcelReaderMaker : public CObject
{
  public:
    virtual CGXExcelReader* CreateReader() = 0;
};

// The sheet-tab window that holds a grid: its sheet names. Without one installed a grid has no
// tab to rename.
class CGXAbstractTabWndInterface : public CObject
{
  public:
    // The tab of the window (the first sheet-tab window among its parents): with bSet it takes
    // sName, else sName receives its label (empty without a tab).
    virtual void GetOrSetTabName(CWnd* pWnd, CString& sName, BOOL bSet) = 0;
    // The label of tab nTab of the tab window that is the window's parent; empty when none.
    virtual CString GetTabNameAt(CWnd* pWnd, int nTab) = 0;
};

// Moves cells between the clipboard's "BIFF8" workbook and a grid through a clipboard handler's
// scratch grid; installed by the library that reads and writes workbooks. Without one the
// handler declines and the grid's own clipboard carries the cells.
class CGXAbstractExcelClipboardImp : public CObject
{
  public:
    virtual BOOL CopyToClipboard(CGXExcelClipHandler* pHandler, CGXGridCore* pGrid,
                                 const CGXCellRange& range) = 0;
    virtual BOOL PasteFromClipboard(CGXExcelClipHandler* pHandler, CGXGridCore* pGrid,
                                    const CGXCellRange& range) = 0;
    // Gives a grid not yet initialised the formula engine.
    virtual void EnableFormulas(CGXGridCore* pGrid) = 0;
};
