// The engine's calendar: date serials 1 (1 January 1900) to 73050 (31 December 2099), every
// fourth year a leap year, 1900 included; years as offsets from 1900. Shared by the date,
// annuity and securities functions. None of these raise; callers do.
#pragma once
#include "afx.h"

#define GX_MAX_SERIAL 73050

// 0 when invalid.
long GXDateToSerial(int nYear, int nMonth, int nDay);
// 1 on success; outputs untouched on failure.
int GXSerialToDate(long nSerial, int* pnYear, int* pnMonth, int* pnDay);
int GXDaysInMonth(int nMonth, int nYear);
// 0 when invalid.
long GXAddMonths(long nSerial, long nMonths);
long GXDays360(long nSerial1, long nSerial2);
double GXYearFraction(long nSerial1, long nSerial2, int nBasis);
double GXYearFractionExclusive(long nSerial1, long nSerial2, int nBasis);
int GXWeekday(long nSerial);
int GXTimeToFraction(int nHour, int nMinute, int nSecond, double* pd);
void GXFractionToTime(double d, int* pnHour, int* pnMinute, int* pnSecond);
void GXCurrentDateTime(int* pnYear, int* pnMonth, int* pnDay, int* pnHour, int* pnMinute, int* pnSecond);
int GXParseDate(const char* pszText, int* pnMonth, int* pnDay, int* pnYear);
int GXParseTime(const char* pszText, int* pnHour, int* pnMinute, int* pnSecond);
