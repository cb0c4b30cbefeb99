// The record types of the workbook handlers and tables with their classes, as an application
// that reads and writes workbooks registers them in its maps.
#pragma once
#include "ExMapHolder.h"

void AFXAPI GXExRegisterWorkbookClasses(CGXExMapHolder* pHolder);
