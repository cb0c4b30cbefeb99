// The default control factory. Control classes of the cell-control library that do not exist
// yet give the default control, so every id yields a drawable control.
#include "grid/factory/ControlFactory.h"
#include "grid/controls/CheckBoxEx.h"
#include "grid/controls/CheckListComboBox.h"
#include "grid/controls/ComboBox.h"
#include "grid/controls/ComboBoxWnd.h"
#include "grid/controls/CurrencyEdit.h"
#include "grid/controls/DateTimeCell.h"
#include "grid/controls/DaoBitmap.h"
#include "grid/controls/HotSpotEdit.h"
#include "grid/controls/ListBox.h"
#include "grid/controls/MaskControl.h"
#include "grid/controls/OlePreview.h"
#include "grid/controls/PasswordControl.h"
#include "grid/controls/ProgressCtrl.h"
#include "grid/controls/Pushbutton.h"
#include "grid/controls/RadioButtonEx.h"
#include "grid/controls/RichEditCtrl.h"
#include "grid/controls/TabbedComboBox.h"
#include "grid/controls/TabbedComboBoxWnd.h"
#include "grid/controls/SpinEdit.h"
#include "grid/controls/VScrollEdit.h"
#include "grid/core/BrowserGrid.h"
#include "grid/core/CellTipStatic.h"
#include "grid/core/DataCopyMoveCellsImp.h"
#include "grid/core/EditControl.h"
#include "grid/features/StyleSerializeImp.h"
#include "grid/features/CoveredCellPool.h"
#include "grid/features/DelayedRangePoolImp.h"
#include "grid/features/DrawRotatedTextImp.h"
#include "grid/features/GridDocSerializeImp.h"
#include "grid/features/GridParamCopyOperatorImp.h"
#include "grid/features/GridProfileImp.h"
#include "grid/features/GridSortMoveDataImp.h"
#include "grid/features/LongOperationImp.h"
#include "grid/features/NoOleDateTimeImp.h"
#include "grid/features/NumberFormattingImp.h"
#include "grid/features/OleDateTimeImp.h"
#include "grid/features/PrintDeviceImp.h"
#include "grid/features/SpanCellPoolImp.h"
#include "grid/features/SerializeMG5CompatibleImp.h"
#include "grid/features/StyleCompareSubsetImp.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridWnd.h"
#include "grid/excel/ExcelClipboardImp.h"
#include "grid/excel/ExcelReaderMaker.h"
#include "grid/core/Header.h"
#include "grid/excel/SheetTabClasses.h"
#include "GridIds.h"

const UINT CGXControlFactory::s_anControlIds[37] = {
    52512, 52520, 52527, 52517, 52526, 52525, 52531, 52532, 52528, 52529, 52522, 52513, 52514,
    52515, 52524, 52516, 52523, 20130, 20131, 20137, 20136, 52535, 52536, 52537, 52539, 52540,
    52541, 52534, 52542, 52519, 52518, 52521, 52543, 52544, 52545, 20128, 20132};

namespace
{
// How an id is turned into a control; ids without a row give the default control, the edit
// control with id 52512.
template <class TControl> CGXControl* Create(CGXGridCore* pGrid, UINT)
{
    return new TControl(pGrid);
}
template <class TControl> CGXControl* Create3d(CGXGridCore* pGrid, UINT)
{
    return new TControl(pGrid, TRUE);
}
// The edit cells take their own id.
template <class TControl> CGXControl* CreateWithId(CGXGridCore* pGrid, UINT nID)
{
    return new TControl(pGrid, nID);
}
CGXControl* CreateEdit(CGXGridCore* pGrid, UINT)
{
    return new CGXEditControl(pGrid, GX_IDS_CTRL_EDIT);
}
// The combo cells: one class, the mode word by id.
template <UINT nMode> CGXControl* CreateCombo(CGXGridCore* pGrid, UINT nID)
{
    return new CGXComboBox(pGrid, nID, nMode);
}
// The window combos: editable, or a list only.
template <DWORD dwStyle> CGXControl* CreateComboWnd(CGXGridCore* pGrid, UINT nID)
{
    CGXComboBoxWnd* pCombo = new CGXComboBoxWnd(pGrid, dwStyle, nID);
    pCombo->m_bFillWithChoiceList = TRUE;
    pCombo->m_bWantArrowKeys = FALSE;
    return pCombo;
}
// The window multi-column combos: editable, or a list only.
template <DWORD dwStyle> CGXControl* CreateTabbedComboWnd(CGXGridCore* pGrid, UINT nID)
{
    return new CGXTabbedComboBoxWnd(pGrid, dwStyle, nID);
}
// The date-time cells: with or without the calendar button.
template <DWORD dwStyle> CGXControl* CreateDateTime(CGXGridCore* pGrid, UINT nID)
{
    return new CGXDateTimeCtrl(pGrid, nID, dwStyle);
}
CGXControl* CreateCheckListCombo(CGXGridCore* pGrid, UINT)
{
    return new CGXCheckListComboBox(pGrid, 0, 0);
}
// Only a browser grid has the OLE preview cell; the grid core has none.
CGXControl* CreateBrowserOnly(CGXGridCore* pGrid, UINT)
{
    return dynamic_cast<CGXBrowserGrid*>(pGrid) != NULL ? new CGXOlePreview(pGrid) : NULL;
}

struct ControlEntry
{
    UINT nID;
    CGXControl* (*pfnCreate)(CGXGridCore* pGrid, UINT nID);
    BOOL bCellTip;
};

const ControlEntry s_controlTable[] = {
    {GX_IDS_CTRL_EDIT, CreateEdit, TRUE},
    {GX_IDS_CTRL_STATIC, Create<CGXStatic>, TRUE},
    {GX_IDS_CTRL_HEADER, Create<CGXHeader>, TRUE},
    {GX_IDS_CTRL_PUSHBTN, Create<CGXPushbutton>, TRUE},
    {GX_IDS_CTRL_PROGRESS, Create<CGXProgressCtrl>, FALSE},
    {GX_IDS_CTRL_OLEPREVIEW, CreateBrowserOnly, FALSE},
    {GX_IDS_CTRL_CHECKBOX, Create<CGXCheckBox>, FALSE},
    {GX_IDS_CTRL_CHECKBOX3D, Create3d<CGXCheckBox>, FALSE},
    {GX_IDS_CTRL_CHECKBOXEX, Create<CGXCheckBoxEx>, FALSE},
    {GX_IDS_CTRL_CHECKBOX3DEX, Create3d<CGXCheckBoxEx>, FALSE},
    {GX_IDS_CTRL_RADIO, Create<CGXRadioButton>, FALSE},
    {GX_IDS_CTRL_RADIO3D, Create3d<CGXRadioButton>, FALSE},
    {GX_IDS_CTRL_RADIOEX, Create<CGXRadioButtonEx>, FALSE},
    {GX_IDS_CTRL_RADIO3DEX, Create3d<CGXRadioButtonEx>, FALSE},
    {GX_IDS_CTRL_HOTSPOT, CreateWithId<CGXHotSpotEdit>, TRUE},
    {GX_IDS_CTRL_SPINEDIT, CreateWithId<CGXSpinEdit>, TRUE},
    {GX_IDS_CTRL_SCROLLEDIT, CreateWithId<CGXVScrollEdit>, FALSE},
    {GX_IDS_CTRL_PASSWORD, CreateWithId<CGXPasswordControl>, TRUE},
    {GX_IDS_CTRL_MASKEDIT, CreateWithId<CGXMaskControl>, TRUE},
    {GX_IDS_CTRL_TABBED_COMBOBOX, CreateWithId<CGXTabbedComboBox>, TRUE},
    {GX_IDS_CTRL_RICHEDIT, CreateWithId<CGXRichEditCtrl>, FALSE},
    {GX_IDS_CTRL_LISTBOX, CreateWithId<CGXListBox>, TRUE},
    {GX_IDS_CTRL_COMBOBOX, CreateCombo<CGXComboBox::ComboFreeText>, TRUE},
    {GX_IDS_CTRL_ZEROBASED, CreateCombo<CGXComboBox::ComboIndexZero>, TRUE},
    {GX_IDS_CTRL_ONEBASED, CreateCombo<CGXComboBox::ComboIndexOne>, TRUE},
    {GX_IDS_CTRL_TEXTFIT, CreateCombo<CGXComboBox::ComboChoiceOnly>, TRUE},
    {GX_IDS_CTRL_ONEBASED_EX, CreateCombo<CGXComboBox::ComboShowChoice | CGXComboBox::ComboIndexOne>, TRUE},
    {GX_IDS_CTRL_CBS_DROPDOWN, CreateComboWnd<WS_VSCROLL | CBS_AUTOHSCROLL | CBS_DROPDOWN>, TRUE},
    {GX_IDS_CTRL_CBS_DROPDOWNLIST, CreateComboWnd<WS_VSCROLL | CBS_DROPDOWNLIST>, TRUE},
    {GX_IDS_CTRL_CHECKLIST_COMBOBOX, CreateCheckListCombo, FALSE},
    {GX_IDS_CTRL_CBS_TABBED_DROPDOWN, CreateTabbedComboWnd<WS_VSCROLL | CBS_AUTOHSCROLL | CBS_DROPDOWN>,
     TRUE},
    {GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST, CreateTabbedComboWnd<WS_VSCROLL | CBS_DROPDOWNLIST>, TRUE},
    {GX_IDS_CTRL_ZEROBASED_EX, CreateCombo<CGXComboBox::ComboShowChoice | CGXComboBox::ComboIndexZero>, TRUE},
    {GX_IDS_CTRL_DAOBITMAP, Create<CGXDaoBitmap>, FALSE},
    {GX_IDS_CTRL_CURRENCY, CreateWithId<CGXCurrencyEdit>, TRUE},
    {GX_IDS_CTRL_DATETIME, CreateDateTime<WS_CHILD | GXDT_CALENDARBUTTON_STYLE | GXDT_SPINBUTTON_STYLE>,
     TRUE},
    {GX_IDS_CTRL_DATETIMENOCAL, CreateDateTime<WS_CHILD | GXDT_SPINBUTTON_STYLE>, TRUE},
};
} // namespace

CGXControl* CGXControlFactory::CreateControl(UINT nID, CGXGridCore* pGrid)
{
    const ControlEntry* pEntry = NULL;
    for (const ControlEntry& e : s_controlTable)
        if (e.nID == nID)
            pEntry = &e;
    CGXControl* pControl = pEntry != NULL ? pEntry->pfnCreate(pGrid, nID) : CreateEdit(pGrid, nID);
    if (pControl != NULL && (pEntry == NULL || pEntry->bCellTip) && pControl->GetCellTip() == NULL)
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
    CGXCheckBox::RegisterUserAttributes(pStylesMap);
    CGXSpinEdit::RegisterUserAttributes(pStylesMap);
    CGXRadioButtonEx::RegisterUserAttributes(pStylesMap);
    CGXProgressCtrl::RegisterUserAttributes(pStylesMap);
    CGXMaskControl::RegisterUserAttributes(pStylesMap);
    CGXTabbedComboBox::RegisterUserAttributes(pStylesMap);
    CGXDateTimeCtrl::RegisterUserAttributes(pStylesMap);
    CGXCurrencyEdit::RegisterUserAttributes(pStylesMap);

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
        &CGXGridCore::InstallFindReplaceImp,         //
        &CGXGridCore::InstallHideCellsImp,           //
        &CGXGridCore::InstallAutoScrollPlugin,       //
        &CGXGridCore::InstallResizeToFitImp,         //
        &CGXGridCore::InstallUpdateHintImp,          //
        &CGXGridCore::InstallCommandFactory,         //
        &CGXGridCore::InstallSortImp,                //
        &CGXGridCore::InstallOldDrawingImp,          //
        &CGXGridCore::InstallCoveredCellsImp,        //
        &CGXGridCore::InstallMergeCellsImp,          //
        &CGXGridCore::InstallFloatCellsImp,          //
        &CGXGridCore::InstallPrintImp,               //
        &CGXGridCore::InstallUserSelectRangeImp,     //
        &CGXGridCore::InstallExcelLikeFrameImp,      //
        &CGXGridCore::InstallUserDragSelectRangeImp, //
        &CGXGridCore::InstallUserResizeCellsImp,     //
        &CGXGridCore::InstallOptimizedUpdateImp,     //
        &CGXGridCore::InstallMarkEditHeaderImp,      //
        &CGXGridCore::InstallFreezeMenuHelperImp,    //
        &CGXGridCore::InstallDirectCopyMoveCellsImp, //
        &CGXGridCore::InstallTextDataExchangeImp,    //
        &CGXGridCore::InstallStyleDataExchangeImp,   //
        &CGXGridCore::InstallCutPasteImp,            //
        &CGXGridCore::InstallClearCellsImp,          //
        &CGXGridCore::InstallExcelLikeFillImp,       //
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
        GXInstallPrintDeviceImp,            //
        GXInstallStyleCompareSubsetImp,     //
        GXInstallStyleSerializeImp,         //
        GXInstallSerializeMG5CompatibleImp, //
        GXInstallProfileImp,                //
        GXInstallDocSerializeImp,           //
        GXInstallParamCopyOperatorImp,      //
        GXInstallDrawRotatedTextImp,        //
        GXInstallNumberFormattingImp,       //
        GXInstallOleDateTimeImp,            //
        GXInstallNoOleDateTimeImp,          //
        GXInstallSortMoveDataImp,           //
        GXInstallDataCopyMoveCellsImp,      //
        GXInstallLongOperationImp,          //
        GXInstallCoveredCellPoolImp,        //
        GXInstallSpanCellPoolImp,           //
        GXInstallDelayedRangePoolImp,       //
        GXInstallExcelReaderMaker,          //
        GXInstallExcelClipboardImp,         //
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
