// The library's entry points to the installed date/time component: the user's date order and
// separators, and reading them again after the system settings changed.
#pragma once
#include "afx.h"

// Lets the installed date/time component read the user's settings again; nothing without one.
void AFXAPI GXRefreshDateTimeSettings();
// The date order code (gxDayMonthYear ...), 3 without a component; the four-digit-year flag and
// the date separator go to the outputs (untouched without a component).
int AFXAPI GXGetDateOrder(BOOL bForce, BOOL& bFourDigitYear, TCHAR& cDateSeparator);
// The time separator; ':' without a component.
TCHAR AFXAPI GXGetTimeSeparator(BOOL bForce = FALSE);
