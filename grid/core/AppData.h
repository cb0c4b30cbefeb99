// The grid library's one process-wide data object: the installed components, the library
// defaults, the locale separators and the exit list of components deleted at shut-down.
#pragma once
#include "grid/core/GridComponents.h"
#include "afxwin.h"

class CGXAppData
{
  public:
    // Construction
    CGXAppData();
    ~CGXAppData();
    CGXAppData(const CGXAppData&) = delete;
    CGXAppData& operator=(const CGXAppData&) = delete;

    // Operations
    // Adds an application-wide component to the exit list (deleted at shut-down).
    void AddComponent(CObject* pComponent);
    void RegisterContainerClass(CRuntimeClass* pClass);
    // Reads the user's decimal and thousands separators when the locale flag is set.
    void LoadLocaleSeparators();
    // With the locale flag set, the first decimal separator in s becomes '.'.
    void NormalizeNumberText(CString& s) const;
    // A number text with the library's decimal separator or a point, read whatever separator
    // the runtime's locale has (the locale switch of the library's start-up sets it).
    double ReadNumber(const CString& s) const;
    // Replaces (and deletes) the installed control factory.
    void SetControlFactory(CGXAbstractControlFactory* pFactory);
    // The library text of a string id loaded at start-up (empty before).
    CString GetLibraryText(UINT nID) const;

    // Grid registry: which grids use a parameter object, properties, styles map or data object.
    void RegisterGrid(const void* pObject, CGXGridCore* pGrid);
    CGXGridCore* LookupGrid(const void* pObject) const;
    void UnregisterGrid(CGXGridCore* pGrid);
    // Number of objects a grid is registered under (for checks).
    int CountRegistrations(CGXGridCore* pGrid) const;
    // Objects attached to others, one per owner: a properties object's header and footer
    // handler (the print component of the grid printing it).
    void AttachObject(const void* pOwner, CObject* pAttached);
    CObject* LookupAttachedObject(const void* pOwner) const;
    // Removes the owner's entry when it holds pAttached (any object when null).
    void DetachObject(const void* pOwner, CObject* pAttached = NULL);
    // Removes every entry holding pAttached.
    void DetachObjectEverywhere(CObject* pAttached);

    // Implementation
    void LoadLibraryText(UINT nID);

    BOOL m_bInitDone = FALSE;
    BOOL m_bFormulaEngine = FALSE;                       // a grid switched to formulas
    CGXAbstractControlFactory* m_pControlFactory = NULL; // owned
    CMapWordToOb m_libraryTexts;                         // string id -> CString holder
    CString m_strAuxWndClass;
    // Windows version record.
    DWORD m_dwVersion = 0; // major version in the high byte, minor in the low byte
    BOOL m_bNotNT = FALSE, m_bWin4 = FALSE, m_bOldShell = FALSE, m_bWin32s = FALSE;
    CObject* m_pWindowSettings = NULL; // not used by this program: step skipped
    UINT m_uiStylesClipboardFormat = 0;
    // The masked edit's value form and the rich edit's text, registered at start-up.
    UINT m_uiMaskDataClipboardFormat = 0;
    UINT m_uiRtfClipboardFormat = 0;
    BOOL m_bPopupActive = FALSE;
    BOOL m_bNoPrintClipping = FALSE; // printing draws without clip regions

    // Parameter defaults (GXSetParamDefaults): new parameter objects take the first two;
    // the standard header styles get null borders when the first and the third are set.
    BOOL m_bParamDefault1 = FALSE;
    BOOL m_bParamDefault2 = FALSE;
    BOOL m_bParamDefault3 = FALSE;
    int m_nDefaultStyleType = 1;

    // Component table, filled once by each installer.
    CGXAbstractCoveredCellPoolImp* m_pCoveredCellPoolImp = NULL;
    CGXAbstractSpanCellPoolImp* m_pSpanCellPoolImp = NULL;
    CGXAbstractDelayedRangePoolImp* m_pDelayedRangePoolImp = NULL;
    CGXAbstractPrintDeviceImp* m_pPrintDeviceImp = NULL;
    CGXAbstractStyleCompareSubsetImp* m_pStyleCompareSubsetImp = NULL;
    CGXAbstractStyleSerializeImp* m_pStyleSerializeImp = NULL;
    CGXAbstractGridDocSerializeImp* m_pDocSerializeImp = NULL;
    CGXAbstractGridProfileImp* m_pProfileImp = NULL;
    CGXAbstractGridParamCopyOperatorImp* m_pParamCopyOperatorImp = NULL;
    CGXAbstractGridSortMoveDataImp* m_pSortMoveDataImp = NULL;
    CGXAbstractDrawRotatedTextImp* m_pDrawRotatedTextImp = NULL;
    CGXAbstractDateTimeImp* m_pDateTimeImp = NULL; // one slot for both variants
    CGXAbstractDataCopyMoveCellsImp* m_pDataCopyMoveCellsImp = NULL;
    CGXAbstractLongOperationImp* m_pLongOperationImp = NULL;
    CGXAbstractSerializeMG5CompatibleImp* m_pSerializeCompatibleImp = NULL;
    CGXAbstractNumberFormattingImp* m_pNumberFormattingImp = NULL;
    CGXAbstractExcelClipboardImp* m_pExcelClipboardImp = NULL;
    CGXAbstractExcelReaderMaker* m_pExcelReaderMaker = NULL;
    CGXAbstractTabWndInterface* m_pTabWndInterface = NULL; // installed by the first tab window

    // Locale separators.
    char m_cDecimalSeparator = '.';
    char m_cZero = 0;
    char m_cThousandSeparator = ',';
    BOOL m_bUseLocaleSeparators = FALSE;

    CPtrList m_containerClasses;    // CRuntimeClass* of windows that may hold a grid
    CObList m_exitList;             // owned application-wide components
    CMapPtrToPtr m_gridRegistry;    // object -> CPtrList* of CGXGridCore*
    CMapPtrToPtr m_attachedObjects; // owner -> CObject*
};

// The library-wide data object.
CGXAppData* AFXAPI GXGetAppData();
void AFXAPI GXSetParamDefaults(BOOL b1, BOOL b2, BOOL b3);
BOOL AFXAPI GXIsPopupActive();
// Sets the pop-up flag; answers its previous state.
BOOL AFXAPI GXSetPopupActive(BOOL bActive);
// The window class of the library's pop-up windows (drop-down lists, tips).
LPCTSTR AFXAPI GetPopupWndClass();
// The parent window when it is of the class; unless bIgnoreIconic, null when an ancestor is minimised.
CWnd* AFXAPI GXGetParentOfKind(CWnd* pWnd, CRuntimeClass* pClass, BOOL bIgnoreIconic);
// The first parent window of a registered container class, or null.
CWnd* AFXAPI GXGetContainerWnd(CWnd* pWnd);
// The main frame's active view, else the one of its active frame.
CView* AFXAPI GXGetActiveView();
