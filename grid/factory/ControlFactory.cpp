// The default control factory. Control classes of the cell-control library that do not exist
// yet give the default control, so every id yields a drawable control.
#include "grid/factory/ControlFactory.h"
#include "grid/controls/ProgressCtrl.h"
#include "grid/controls/Pushbutton.h"
#include "grid/core/CellTipStatic.h"
#include "grid/core/DataCopyMoveCellsImp.h"
#include "grid/core/EditControl.h"
#include "grid/core/StyleSerializeImp.h"
#include "grid/features/GridSortMoveDataImp.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridWnd.h"
#include "grid/core/Header.h"
#include "grid/core/SheetTabClasses.h"
#include "GridIds.h"

const UINT CGXControlFactory::s_anControlIds[37] = {
    52512, 52520, 52527, 52517, 52526, 52525, 52531, 52532, 52528, 52529, 52522, 52513, 52514,
    52515, 52524, 52516, 52523, 20130, 20131, 20137, 20136, 52535, 52536, 52537, 52539, 52540,
    52541, 52534, 52542, 52519, 52518, 52521, 52543, 52544, 52545, 20128, 20132};

namespace
{
// How an id is turned into a control. The classes of the cell-control library are created by
// it when it is linked; here the table keeps the ids the grid core can build itself.
enum ControlKind
{
    kindDefault, // the default control: the edit control with id 52512
    kindEdit,
    kindStatic,
    kindHeader,
    kindPushbutton,
    kindProgress,
    kindBrowserOnly // only on a browser grid, else no control
};

struct ControlEntry
{
    UINT nID;
    ControlKind kind;
    BOOL bCellTip;
};

const ControlEntry s_controlTable[] = {
    {GX_IDS_CTRL_EDIT, kindEdit, TRUE},          {GX_IDS_CTRL_STATIC, kindStatic, TRUE},
    {GX_IDS_CTRL_HEADER, kindHeader, TRUE},      {GX_IDS_CTRL_PUSHBTN, kindPushbutton, TRUE},
    {GX_IDS_CTRL_PROGRESS, kindProgress, FALSE}, {GX_IDS_CTRL_OLEPREVIEW, kindBrowserOnly, FALSE},
};
} // namespace

CGXControl* CGXControlFactory::CreateControl(UINT nID, CGXGridCore* pGrid)
{
    ControlKind kind = kindDefault;
    BOOL bCellTip = TRUE;
    for (const ControlEntry& e : s_controlTable)
        if (e.nID == nID)
        {
            kind = e.kind;
            bCellTip = e.bCellTip;
        }
    CGXControl* pControl = NULL;
    switch (kind)
    {
    case kindHeader:
        pControl = new CGXHeader(pGrid);
        break;
    case kindPushbutton:
        pControl = new CGXPushbutton(pGrid);
        break;
    case kindProgress:
        pControl = new CGXProgressCtrl(pGrid);
        break;
    case kindBrowserOnly:
        return NULL; // no browser grid in the grid core
    case kindStatic:
        pControl = new CGXStatic(pGrid);
        break;
    case kindEdit:
    case kindDefault:
    default:
        pControl = new CGXEditControl(pGrid, GX_IDS_CTRL_EDIT);
        break;
    }
    if (bCellTip && pControl->GetCellTip() == NULL)
        pControl->SetCellTip(new CGXCellTipStatic(pControl));
    return pControl;
}

void CGXControlFactory::RegisterAllControls(CGXStylesMap* pStylesMap)
{
    for (UINT nID : s_anControlIds)
        pStylesMap->AddControlName((WORD)nID);
}

void CGXControlFactory::RegisterAllUserAttributes(CGXStylesMap* pStylesMap)
{
    // The cell-control library's own registrations follow CGXControl's when it is linked.
    CGXControl::AddUserAttributes(pStylesMap);
    CGXProgressCtrl::RegisterUserAttributes(pStylesMap);

    const CGXStylesMap::UserAttrInfo* pValidMsg = pStylesMap->AddUserAttribute(GX_IDS_UA_VALID_MSG);
    pStylesMap->AddUserAttribute(GX_IDS_UA_TOOLTIPTEXT, pValidMsg != NULL ? pValidMsg->pStyle : NULL);

    CGXStyle ellipse;
    CString strChoices;
    strChoices.LoadString(GX_IDS_CHOICE_ELLIPSISTYPE);
    ellipse.SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList(strChoices);
    pStylesMap->AddUserAttribute(GX_IDS_UA_ELLIPSISTYPE, &ellipse);
}

void CGXControlFactory::InitializeGridComponents(CGXGridCore* pGrid)
{
    // Every per-grid feature in installation order; an empty row is a feature not built yet.
    static void (CGXGridCore::*const s_apfnInstall[])() = {
        NULL,                                        // find and replace
        NULL,                                        // hidden cells
        &CGXGridCore::InstallAutoScrollPlugin,       //
        NULL,                                        // resize to fit
        &CGXGridCore::InstallUpdateHintImp,          //
        &CGXGridCore::InstallCommandFactory,         //
        NULL,                                        // sorting
        NULL,                                        // old drawing
        NULL,                                        // covered cells
        NULL,                                        // merged cells
        NULL,                                        // floating cells
        NULL,                                        // printing
        &CGXGridCore::InstallUserSelectRangeImp,     //
        NULL,                                        // Excel-like frame
        &CGXGridCore::InstallMoveRowsColsImp,        // drag-select: so far only what it installs with it
        NULL,                                        // interactive resizing
        NULL,                                        // optimised update
        NULL,                                        // mark-edit header
        NULL,                                        // freeze menu commands
        &CGXGridCore::InstallDirectCopyMoveCellsImp, //
        &CGXGridCore::InstallTextDataExchangeImp,    //
        &CGXGridCore::InstallStyleDataExchangeImp,   //
        &CGXGridCore::InstallCutPasteImp,            //
        &CGXGridCore::InstallClearCellsImp,          //
        NULL,                                        // Excel-like fill
    };
    for (auto pfn : s_apfnInstall)
        if (pfn != NULL)
            (pGrid->*pfn)();
}

void CGXControlFactory::InitializeApplicationComponents()
{
    // Every library-wide feature in installation order: the OLE date/time installer runs before
    // the other one, so it holds the shared slot.
    static void(AFXAPI* const s_apfnInstall[])() = {
        NULL,                          // print device
        NULL,                          // style compare-subset
        GXInstallStyleSerializeImp,    //
        NULL,                          // MG5-compatible serialisation
        NULL,                          // profile
        NULL,                          // document serialisation
        NULL,                          // parameter copy
        NULL,                          // rotated text
        NULL,                          // number formatting
        NULL,                          // OLE date/time
        NULL,                          // non-OLE date/time
        GXInstallSortMoveDataImp,      //
        GXInstallDataCopyMoveCellsImp, //
        NULL,                          // long operation
        NULL,                          // covered-cell pool
        NULL,                          // span-cell pool
        NULL,                          // delayed-range pool
    };
    for (auto pfn : s_apfnInstall)
        if (pfn != NULL)
            pfn();
}

void CGXControlFactory::RegisterWndClasses(HINSTANCE hInstance)
{
    CGXGridWnd::RegisterWndClass(hInstance);
    GXRegisterSheetTabClasses(hInstance);
}

void CGXControlFactory::UnregisterWndClasses(HINSTANCE hInstance)
{
    CGXGridWnd::UnregisterWndClass(hInstance);
    GXUnregisterSheetTabClasses(hInstance);
}

void AFXAPI InitGridLibraryWithDefaultFactory()
{
    InitGridLibrary(new CGXControlFactory);
}
