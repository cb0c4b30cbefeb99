// Text conversions of the workbook records: UTF-16 characters of the file to the program's ANSI
// code page and back; the name a sheet gets when it has none.
#pragma once
#include "mfc/AfxCore.h"
#include "mfc/String.h"
#include <vector>

// nChars UTF-16 characters to ANSI; FALSE (and strText unchanged) when they cannot be converted.
// No characters give an empty text and TRUE.
BOOL GXExWideToAnsi(const WORD* pText, DWORD nChars, CString& strText);
// The ANSI text as UTF-16 characters without terminator.
std::vector<WORD> GXExAnsiToWide(LPCSTR pszText);
// The name of sheet number nNumber (counted from 1) when it has none: "Arbeitsblatt %u".
CString GXExDefaultSheetName(DWORD nNumber);
