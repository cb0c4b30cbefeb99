// The messages of the workbook reader's and writer's error codes, and showing them.
#pragma once
#include "mfc/AfxCore.h"

// The message resource shown for an error code (unknown codes give the general one).
UINT AFXAPI GXExcelErrorMessageId(int nCode);
// Shows the message of an error code in a box with an OK button.
void AFXAPI GXExcelReportError(int nCode);
