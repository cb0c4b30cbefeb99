#include "ExcelRegistrations.h"
#include "ExcelBOFHandler.h"
#include "ExcelBlankHandler.h"
#include "ExcelBoundSheetTable.h"
#include "ExcelColInfoHandler.h"
#include "ExcelColorTable.h"
#include "ExcelDimensionHandler.h"
#include "ExcelFontTable.h"
#include "ExcelFormatTable.h"
#include "ExcelFormulaHandler.h"
#include "ExcelLabelHandler.h"
#include "ExcelLabelSSTHandler.h"
#include "ExcelMergedCellsHandler.h"
#include "ExcelMulBlankHandler.h"
#include "ExcelMulRkHandler.h"
#include "ExcelNumberHandler.h"
#include "ExcelRkHandler.h"
#include "ExcelRowHandler.h"
#include "ExcelSSTTable.h"
#include "ExcelSharedFormulaTable.h"
#include "ExcelStyleTable.h"
#include "ExcelWindow2Handler.h"
#include "ExcelXFTable.h"

namespace
{
// A workbook record type and the class that reads and writes it.
struct ExcelRegistration
{
    WORD nType;
    CRuntimeClass* pClass;
};

const ExcelRegistration kExcelHandlers[] = {
    {516, RUNTIME_CLASS(CGXExcelLabelHandler)},    {515, RUNTIME_CLASS(CGXExcelNumberHandler)},
    {638, RUNTIME_CLASS(CGXExcelRkHandler)},       {189, RUNTIME_CLASS(CGXExcelMulRkHandler)},
    {125, RUNTIME_CLASS(CGXExcelColInfoHandler)},  {520, RUNTIME_CLASS(CGXExcelRowHandler)},
    {6, RUNTIME_CLASS(CGXExcelFormulaHandler)},    {2057, RUNTIME_CLASS(CGXExcelBOFHandler)},
    {513, RUNTIME_CLASS(CGXExcelBlankHandler)},    {190, RUNTIME_CLASS(CGXExcelMulBlankHandler)},
    {253, RUNTIME_CLASS(CGXExcelLabelSSTHandler)}, {512, RUNTIME_CLASS(CGXExcelDimensionHandler)},
    {574, RUNTIME_CLASS(CGXExcelWindow2Handler)},  {229, RUNTIME_CLASS(CGXExcelMergedCellsHandler)},
};

// The shared formulas (0x4BC) too: formulas filled down by other programs refer to them.
const ExcelRegistration kExcelTables[] = {
    {49, RUNTIME_CLASS(CGXExcelFontTable)},        {659, RUNTIME_CLASS(CGXExcelStyleTable)},
    {224, RUNTIME_CLASS(CGXExcelXFTable)},         {146, RUNTIME_CLASS(CGXExcelColorTable)},
    {1054, RUNTIME_CLASS(CGXExcelFormatTable)},    {252, RUNTIME_CLASS(CGXExcelSSTTable)},
    {133, RUNTIME_CLASS(CGXExcelBoundSheetTable)}, {0x4BC, RUNTIME_CLASS(CGXExcelSharedFormulaTable)},
};
} // namespace

void AFXAPI GXExRegisterWorkbookClasses(CGXExMapHolder* pHolder)
{
    for (const ExcelRegistration& r : kExcelHandlers)
        pHolder->GetHandlerMap()->Register(r.nType, r.pClass);
    for (const ExcelRegistration& r : kExcelTables)
        pHolder->GetTableMap()->Register(r.nType, r.pClass);
}
