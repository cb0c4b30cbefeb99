// The built-in function table, the Excel number table and the argument-fetch operations.
#include "grid/formula/WorksheetFunctions.h"
#include "grid/formula/CellStore.h"
#include "grid/formula/Evaluator.h"
#include "grid/formula/ConditionalAggregates.h"
#include "grid/formula/DateFunctions.h"
#include "grid/formula/FinanceFunctions.h"
#include "grid/formula/Fourier.h"
#include "grid/formula/Interpolation.h"
#include "grid/formula/LookupFunctions.h"
#include "grid/formula/MathFunctions.h"
#include "grid/formula/RegexState.h"
#include "grid/formula/MatrixFunctions.h"
#include "grid/formula/OrderStatistics.h"
#include "grid/formula/Regression.h"
#include "grid/formula/SecuritiesFunctions.h"
#include "grid/formula/StatisticsFunctions.h"
#include "grid/formula/TextFunctions.h"
#include <math.h>
#include <mbctype.h>
#include <mbstring.h>
#include <stdlib.h>
#include <string.h>

namespace
{
// Sorted by name in byte order: looked up by binary search.
// clang-format off
const GX_FUNCTION_ENTRY s_aFunctions[] = {
    {"@", GXFunctionNotInstalled, 0, 0, 7, 1, {{3, 0}}, -1},
    {"ABS", GXAbs, 0, 0, 0, 1, {{1, 0}}, 24},
    {"ACCRINT",
     GXAccrInt,
     0,
     0,
     0,
     7,
     {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 2}},
     -1},
    {"ACCRINTM", GXAccrIntM, 0, 0, 0, 5, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 2}}, -1},
    {"ACOS", GXAcos, 0, 0, 0, 1, {{1, 0}}, 99},
    {"AND", GXAnd, 0, 0, 0, 1, {{2, 4}}, 36},
    {"ASIN", GXAsin, 0, 0, 0, 1, {{1, 0}}, 98},
    {"ATAN", GXAtan, 0, 0, 0, 1, {{1, 0}}, 18},
    {"ATAN2", GXAtan2, 0, 0, 0, 2, {{1, 0}, {1, 0}}, 97},
    {"AVG", GXAvg, 0, 0, 0, 1, {{2, 4}}, 5},
    {"CAVG", GXCAvg, 0, 0, 0, 2, {{7, 4}, {1, 1}}, -1},
    {"CCOUNT", GXCCount, 0, 0, 0, 2, {{7, 4}, {1, 1}}, -1},
    {"CEIL", GXCeil, 0, 0, 0, 1, {{1, 0}}, 288},
    {"CELLINFO", GXCellInfo, 0, 0, 10, 2, {{3, 0}, {7, 0}}, -1},
    {"CELLREF", GXCellRefFunction, 0, 0, 6, 2, {{1, 0}, {1, 0}}, -1},
    {"CHAR", GXChar, 0, 0, 3, 1, {{1, 0}}, 111},
    {"CHOOSE", GXChoose, 0, 0, 10, 2, {{1, 0}, {10, 5}}, 100},
    {"CLEAN", GXClean, 0, 0, 3, 1, {{4, 0}}, 162},
    {"CMAX", GXCMax, 0, 0, 0, 2, {{7, 4}, {1, 1}}, -1},
    {"CMIN", GXCMin, 0, 0, 0, 2, {{7, 4}, {1, 1}}, -1},
    {"CODE", GXCode, 0, 0, 0, 1, {{4, 0}}, 121},
    {"COL", GXCol, 0, 0, 0, 1, {{7, 2}}, 9},
    {"COLS", GXCols, 0, 0, 0, 1, {{7, 2}}, 77},
    {"CONFIDENCE", GXConfidence, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 0}}, 277},
    {"CORR", GXCorr, 0, 0, 0, 2, {{7, 0}, {7, 0}}, 307},
    {"COS", GXCos, 0, 0, 0, 1, {{1, 0}}, 16},
    {"COSH", GXCosh, 0, 0, 0, 1, {{1, 0}}, 230},
    {"COUNT", GXCount, 0, 0, 0, 1, {{10, 4}}, 0},
    {"COUPDAYBS", GXCoupDayBs, 0, 0, 0, 4, {{1, 0}, {1, 0}, {1, 0}, {1, 2}}, -1},
    {"COUPDAYS", GXCoupDays, 0, 0, 0, 4, {{1, 0}, {1, 0}, {1, 0}, {1, 2}}, -1},
    {"COUPDAYSNC", GXCoupDaysNc, 0, 0, 0, 4, {{1, 0}, {1, 0}, {1, 0}, {1, 2}}, -1},
    {"COUPNCD", GXCoupNcd, 0, 0, 0, 4, {{1, 0}, {1, 0}, {1, 0}, {1, 2}}, -1},
    {"COUPNUM", GXCoupNum, 0, 0, 0, 4, {{1, 0}, {1, 0}, {1, 0}, {1, 2}}, -1},
    {"COUPPCD", GXCoupPcd, 0, 0, 0, 4, {{1, 0}, {1, 0}, {1, 0}, {1, 2}}, -1},
    {"CSTD", GXCStd, 0, 0, 0, 2, {{7, 4}, {1, 1}}, -1},
    {"CSTDS", GXCStds, 0, 0, 0, 2, {{7, 4}, {1, 1}}, -1},
    {"CSUM", GXCSum, 0, 0, 0, 2, {{7, 4}, {1, 1}}, -1},
    {"CTERM", GXCTerm, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 0}}, -1},
    {"CUMIPMT", GXCumIpmt, 0, 0, 0, 6, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}}, -1},
    {"CUMPRINC", GXCumPrinc, 0, 0, 0, 6, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}}, -1},
    {"CVAR", GXCVar, 0, 0, 0, 2, {{7, 4}, {1, 1}}, -1},
    {"CVARS", GXCVars, 0, 0, 0, 2, {{7, 4}, {1, 1}}, -1},
    {"DATE", GXDate, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 0}}, 65},
    {"DATEVALUE", GXDateValue, 0, 0, 0, 1, {{4, 0}}, 140},
    {"DAY", GXDay, 0, 0, 0, 1, {{1, 0}}, 67},
    {"DAYS360", GXDays360Function, 0, 0, 0, 2, {{4, 0}, {4, 0}}, 220},
    {"DB", GXDb, 0, 0, 0, 5, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 2}}, -1},
    {"DDB", GXDdb, 0, 0, 0, 4, {{1, 0}, {1, 0}, {1, 0}, {1, 0}}, -1},
    {"DEGREES", GXDegrees, 0, 0, 0, 1, {{1, 0}}, -1},
    {"DET", GXDet, 0, 0, 0, 1, {{8, 0}}, -1},
    {"DFT", GXDft, 0, 0, 9, 1, {{8, 0}}, -1},
    {"DISC", GXDisc, 0, 0, 0, 5, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 2}}, -1},
    {"DOLLARDE", GXDollarDe, 0, 0, 0, 2, {{1, 0}, {1, 0}}, -1},
    {"DOLLARFR", GXDollarFr, 0, 0, 0, 2, {{1, 0}, {1, 0}}, -1},
    {"DOT", GXDot, 0, 0, 0, 2, {{8, 0}, {8, 0}}, -1},
    {"DURATION", GXDuration, 0, 0, 0, 6, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 2}}, -1},
    {"EDATE", GXEDate, 0, 0, 0, 2, {{4, 0}, {1, 0}}, -1},
    {"EFFECT", GXEffect, 0, 0, 0, 2, {{1, 0}, {1, 0}}, -1},
    {"EIGEN", GXEigenvalues, 0, 0, 9, 1, {{8, 0}}, -1},
    {"EOMONTH", GXEOMonth, 0, 0, 0, 2, {{4, 0}, {1, 0}}, -1},
    {"ERF", GXErf, 0, 0, 0, 2, {{1, 0}, {1, 2}}, -1},
    {"ERFC", GXErfc, 0, 0, 0, 1, {{1, 0}}, -1},
    {"EXACT", GXExact, 0, 0, 0, 2, {{4, 0}, {4, 0}}, 117},
    {"EXP", GXExp, 0, 0, 0, 1, {{1, 0}}, 21},
    {"F", GXFDist, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 0}}, -1},
    {"FACT", GXFact, 0, 0, 0, 1, {{1, 0}}, 184},
    {"FALSE", GXFalse, 0, 0, 0, 0, {}, 35},
    {"FFT", GXFft, 0, 0, 9, 1, {{8, 0}}, -1},
    {"FILEEXISTS", GXFileExists, 0, 0, 0, 1, {{4, 0}}, -1},
    {"FIND", GXFind, 0, 0, 0, 3, {{4, 0}, {4, 0}, {1, 0}}, -1},
    {"FLOOR", GXFloor, 0, 0, 0, 1, {{1, 0}}, 285},
    {"FORECAST", GXForecast, 0, 0, 9, 3, {{1, 0}, {8, 0}, {8, 0}}, -1},
    {"FRAC", GXFrac, 0, 0, 0, 1, {{1, 0}}, -1},
    {"FREQUENCY", GXFrequency, 0, 0, 9, 2, {{8, 0}, {7, 0}}, 252},
    {"FTEST", GXFTest, 0, 0, 0, 2, {{8, 0}, {8, 0}}, -1},
    {"FV", GXFv, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 0}}, -1},
    {"FVSCHEDULE", GXFvSchedule, 0, 0, 0, 2, {{1, 0}, {8, 0}}, -1},
    {"GAMMA", GXGamma, 0, 0, 0, 1, {{1, 0}}, -1},
    {"GMEAN", GXGMean, 0, 0, 0, 1, {{2, 4}}, 319},
    {"GRAND", GXGRand, 0, 0, 0, 0, {}, -1},
    {"HEXTONUM", GXHexToNum, 0, 0, 0, 1, {{4, 0}}, -1},
    {"HLOOKUP", GXHLookup, 0, 0, 10, 3, {{10, 0}, {8, 0}, {1, 0}}, 101},
    {"HMEAN", GXHMean, 0, 0, 0, 1, {{2, 4}}, 320},
    {"HOUR", GXHour, 0, 0, 0, 1, {{1, 0}}, 71},
    {"IF", GXIf, 0, 0, 10, 3, {{1, 0}, {10, 1}, {10, 1}}, -1},
    {"INDEX", GXIndex, 0, 0, 7, 2, {{8, 0}, {1, 4}}, 29},
    {"INIT", GXInit, 0, 0, 10, 2, {{10, 1}, {10, 1}}, -1},
    {"INT", GXInt, 0, 0, 0, 1, {{1, 0}}, 197},
    {"INTERP2D", GXInterp2D, 0, 0, 9, 3, {{8, 0}, {8, 0}, {7, 0}}, -1},
    {"INTERP3D", GXInterp3D, 0, 0, 9, 3, {{8, 0}, {7, 0}, {7, 0}}, -1},
    {"INTERSECT", GXIntersect, 0, 0, 7, 2, {{8, 0}, {8, 0}}, -1},
    {"INTRATE", GXIntRate, 0, 0, 0, 5, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 2}}, -1},
    {"INVDFT", GXInvDft, 0, 0, 9, 1, {{8, 0}}, -1},
    {"INVERT", GXInvert, 0, 0, 9, 1, {{8, 0}}, -1},
    {"INVFFT", GXInvFft, 0, 0, 9, 1, {{8, 0}}, -1},
    {"IPMT", GXIpmt, 0, 0, 0, 6, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 2}}, 167},
    {"IRR", GXIrr, 0, 0, 0, 2, {{1, 0}, {8, 0}}, -1},
    {"ISERROR", GXIsError, 0, 0, 0, 1, {{10, 1}}, 3},
    {"ISNUMBER", GXIsNumber, 0, 0, 0, 1, {{10, 0}}, 128},
    {"ISSTRING", GXIsString, 0, 0, 0, 1, {{10, 0}}, 127},
    {"LARGE", GXLarge, 0, 0, 0, 2, {{7, 0}, {1, 0}}, 325},
    {"LEFT", GXLeft, 0, 0, 3, 2, {{4, 0}, {1, 0}}, -1},
    {"LENGTH", GXLength, 0, 0, 0, 1, {{4, 0}}, 32},
    {"LINFIT", GXLinFit, 0, 0, 9, 2, {{8, 0}, {8, 0}}, -1},
    {"LLS", GXLls, 0, 0, 9, 2, {{8, 0}, {8, 0}}, -1},
    {"LN", GXLn, 0, 0, 0, 1, {{1, 0}}, 22},
    {"LNGAMMA", GXLnGammaFunction, 0, 0, 0, 1, {{1, 0}}, -1},
    {"LOG", GXLog10, 0, 0, 0, 1, {{1, 0}}, 109},
    {"LOG10", GXLog10, 0, 0, 0, 1, {{1, 0}}, 23},
    {"LOG2", GXLog2, 0, 0, 0, 1, {{1, 0}}, -1},
    {"LOWER", GXLower, 0, 0, 3, 1, {{4, 0}}, 112},
    {"MATCH", GXMatch, 0, 0, 0, 3, {{10, 0}, {8, 0}, {1, 2}}, 64},
    {"MAX", GXMax, 0, 0, 0, 1, {{2, 4}}, 7},
    {"MDURATION", GXMDuration, 0, 0, 0, 6, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}}, -1},
    {"MEDIAN", GXMedian, 0, 0, 0, 1, {{2, 4}}, 227},
    {"MESSAGE", GXMessage, 0, 0, 0, 2, {{1, 0}, {4, 0}}, -1},
    {"MID", GXMid, 0, 0, 3, 3, {{4, 0}, {1, 0}, {1, 0}}, 31},
    {"MIN", GXMin, 0, 0, 0, 1, {{2, 4}}, 6},
    {"MINUTE", GXMinute, 0, 0, 0, 1, {{1, 0}}, 72},
    {"MIRR", GXMirr, 0, 0, 0, 3, {{7, 0}, {1, 0}, {1, 0}}, 61},
    {"MMUL", GXMMul, 0, 0, 9, 2, {{8, 0}, {8, 0}}, 165},
    {"MOD", GXMod, 0, 0, 0, 2, {{1, 0}, {1, 0}}, -1},
    {"MODE", GXMode, 0, 0, 0, 1, {{2, 4}}, 330},
    {"MODULUS", GXModulus, 0, 0, 0, 2, {{1, 0}, {1, 0}}, 39},
    {"MONTH", GXMonth, 0, 0, 0, 1, {{1, 0}}, 68},
    {"MSQ", GXMsq, 0, 0, 0, 1, {{2, 4}}, -1},
    {"N", GXN, 0, 0, 0, 1, {{7, 0}}, -1},
    {"NA", GXNa, 0, 0, 0, 0, {}, 10},
    {"NAND", GXNand, 0, 0, 0, 1, {{2, 4}}, -1},
    {"NETWORKDAYS", GXNetworkDays, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 2}}, -1},
    {"NOMINAL", GXNominal, 0, 0, 0, 2, {{1, 0}, {1, 0}}, -1},
    {"NOR", GXNor, 0, 0, 0, 1, {{2, 4}}, -1},
    {"NORMDIST", GXNormDist, 0, 0, 0, 4, {{1, 0}, {1, 0}, {1, 0}, {1, 0}}, 293},
    {"NORMINV", GXNormInv, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 0}}, 295},
    {"NORMSDIST", GXNormSDist, 0, 0, 0, 1, {{1, 0}}, 294},
    {"NORMSINV", GXNormSInv, 0, 0, 0, 1, {{1, 0}}, 296},
    {"NOT", GXNot, 0, 0, 0, 1, {{1, 0}}, 38},
    {"NOW", GXNow, 0, 0, 0, 0, {}, 74},
    {"NUMTOHEX", GXNumToHex, 0, 0, 3, 1, {{1, 0}}, -1},
    {"ODDFPRICE",
     GXOddFPrice,
     0,
     0,
     0,
     9,
     {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 2}},
     -1},
    {"ODDFYIELD",
     GXOddFYield,
     0,
     0,
     0,
     9,
     {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 2}},
     -1},
    {"OR", GXOr, 0, 0, 0, 1, {{2, 4}}, 37},
    {"PERCENTILE", GXPercentile, 0, 0, 0, 2, {{7, 0}, {1, 0}}, 328},
    {"PERCENTRANK", GXPercentRank, 0, 0, 0, 2, {{7, 0}, {1, 0}}, 329},
    {"PERMUT", GXPermut, 0, 0, 0, 2, {{1, 0}, {1, 0}}, 299},
    {"PI", GXPi, 0, 0, 0, 0, {}, 19},
    {"PLS", GXPls, 0, 0, 9, 3, {{8, 0}, {8, 0}, {1, 0}}, -1},
    {"PMT", GXPmt, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 0}}, -1},
    {"POLY", GXPoly, 0, 0, 0, 2, {{1, 0}, {2, 4}}, -1},
    {"POLYCOEF", GXPolyCoef, 0, 0, 9, 3, {{8, 0}, {8, 0}, {1, 0}}, -1},
    {"PPMT", GXPpmt, 0, 0, 0, 6, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 2}}, -1},
    {"PRICE",
     GXPrice,
     0,
     0,
     0,
     7,
     {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 2}},
     -1},
    {"PRICEDISC", GXPriceDisc, 0, 0, 0, 5, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 2}}, -1},
    {"PRICEMAT", GXPriceMat, 0, 0, 0, 6, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 2}}, -1},
    {"PRODUCT", GXProduct, 0, 0, 0, 1, {{2, 4}}, 183},
    {"PROPER", GXProper, 0, 0, 3, 1, {{4, 0}}, 114},
    {"PTTEST", GXPTTest, 0, 0, 0, 2, {{8, 0}, {8, 0}}, -1},
    {"PV", GXPv, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 0}}, -1},
    {"QUARTILE", GXQuartile, 0, 0, 0, 2, {{7, 0}, {1, 0}}, 327},
    {"RADIANS", GXRadians, 0, 0, 0, 1, {{1, 0}}, -1},
    {"RAND", GXRand, 0, 0, 0, 0, {}, -1},
    {"RANGEREF", GXRangeRef, 0, 0, 7, 4, {{1, 0}, {1, 0}, {1, 0}, {1, 0}}, -1},
    {"RANK", GXRank, 0, 0, 0, 3, {{1, 0}, {8, 0}, {1, 2}}, 216},
    {"RATE", GXRate, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 0}}, -1},
    {"RECEIVED", GXReceived, 0, 0, 0, 5, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 2}}, -1},
    {"REGEX", GXRegex, 0, 0, 0, 2, {{4, 0}, {4, 0}}, -1},
    {"REPEAT", GXRepeat, 0, 0, 3, 2, {{4, 0}, {1, 0}}, 30},
    {"REPLACE", GXReplace, 0, 0, 3, 4, {{4, 0}, {1, 0}, {1, 0}, {4, 0}}, 119},
    {"RIGHT", GXRight, 0, 0, 3, 2, {{4, 0}, {1, 0}}, -1},
    {"RMS", GXRms, 0, 0, 0, 1, {{2, 4}}, -1},
    {"ROUND", GXRound, 0, 0, 0, 2, {{1, 0}, {1, 0}}, 27},
    {"ROW", GXRow, 0, 0, 0, 1, {{7, 2}}, 8},
    {"ROWS", GXRows, 0, 0, 0, 1, {{8, 0}}, 76},
    {"S", GXS, 0, 0, 3, 1, {{7, 0}}, -1},
    {"SECOND", GXSecond, 0, 0, 0, 1, {{1, 0}}, 73},
    {"SIGMOID", GXSigmoid, 0, 0, 0, 1, {{1, 0}}, -1},
    {"SIN", GXSin, 0, 0, 0, 1, {{1, 0}}, 15},
    {"SINH", GXSinh, 0, 0, 0, 1, {{1, 0}}, 229},
    {"SLN", GXSln, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 0}}, 142},
    {"SMALL", GXSmall, 0, 0, 0, 2, {{7, 0}, {1, 0}}, 326},
    {"SQRT", GXSqrt, 0, 0, 0, 1, {{1, 0}}, 20},
    {"SSE", GXSse, 0, 0, 0, 1, {{2, 4}}, -1},
    {"SSQ", GXSsq, 0, 0, 0, 1, {{2, 4}}, -1},
    {"STANDARDIZE", GXStandardize, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 0}}, 297},
    {"STD", GXStd, 0, 0, 0, 1, {{2, 4}}, 193},
    {"STDS", GXStds, 0, 0, 0, 1, {{2, 4}}, 12},
    {"STRCAT", GXStrCat, 0, 0, 3, 1, {{10, 4}}, 336},
    {"STRING", GXString, 0, 0, 3, 2, {{1, 0}, {1, 0}}, -1},
    {"STRLEN", GXStrLen, 0, 0, 0, 1, {{10, 4}}, -1},
    {"SUM", GXSum, 0, 0, 0, 1, {{2, 4}}, 4},
    {"SUMPRODUCT", GXDot, 0, 0, 0, 2, {{8, 0}, {8, 0}}, 228},
    {"SYD", GXSyd, 0, 0, 0, 4, {{1, 0}, {1, 0}, {1, 0}, {1, 0}}, 143},
    {"T", GXStudentT, 0, 0, 0, 2, {{1, 0}, {1, 0}}, -1},
    {"TAN", GXTan, 0, 0, 0, 1, {{1, 0}}, 17},
    {"TANH", GXTanh, 0, 0, 0, 1, {{1, 0}}, 231},
    {"TBILLEQ", GXTBillEq, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 0}}, -1},
    {"TBILLYIELD", GXTBillYield, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 0}}, -1},
    {"TERM", GXTerm, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 0}}, -1},
    {"TIME", GXTime, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 0}}, 66},
    {"TIMEVALUE", GXTimeValue, 0, 0, 0, 1, {{4, 0}}, 141},
    {"TODAY", GXToday, 0, 0, 0, 0, {}, 221},
    {"TRANSPOSE", GXTranspose, 0, 0, 9, 1, {{8, 0}}, 83},
    {"TREND", GXTrend, 0, 0, 9, 3, {{8, 0}, {8, 0}, {8, 0}}, -1},
    {"TRIM", GXTrim, 0, 0, 3, 1, {{4, 0}}, 118},
    {"TRUE", GXTrue, 0, 0, 0, 0, {}, 34},
    {"TSV", GXTsv, 0, 0, 3, 1, {{10, 4}}, -1},
    {"TTEST", GXTTest, 0, 0, 0, 2, {{8, 0}, {1, 0}}, -1},
    {"TTEST2EV", GXTTest2EV, 0, 0, 0, 2, {{8, 0}, {8, 0}}, -1},
    {"TTEST2UV", GXTTest2UV, 0, 0, 0, 2, {{8, 0}, {8, 0}}, -1},
    {"UPPER", GXUpper, 0, 0, 3, 1, {{4, 0}}, 113},
    {"VALUE", GXValue, 0, 0, 0, 1, {{4, 0}}, 33},
    {"VAR", GXVar, 0, 0, 0, 1, {{2, 4}}, 194},
    {"VARS", GXVars, 0, 0, 0, 1, {{2, 4}}, 46},
    {"VDB", GXVdb, 0, 0, 0, 5, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}}, -1},
    {"VECLEN", GXVecLen, 0, 0, 0, 1, {{2, 4}}, -1},
    {"VLOOKUP", GXVLookup, 0, 0, 10, 3, {{10, 0}, {8, 0}, {1, 0}}, 102},
    {"VSUM", GXVSum, 0, 0, 0, 1, {{2, 4}}, -1},
    {"WEEKDAY", GXWeekdayFunction, 0, 0, 0, 1, {{1, 0}}, -1},
    {"WORKDAY", GXWorkday, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 2}}, -1},
    {"XIRR", GXXirr, 0, 0, 0, 3, {{7, 0}, {7, 0}, {1, 0}}, -1},
    {"XNPV", GXXnpv, 0, 0, 0, 3, {{1, 0}, {7, 0}, {7, 0}}, -1},
    {"XOR", GXXor, 0, 0, 0, 1, {{2, 4}}, -1},
    {"YEAR", GXYear, 0, 0, 0, 1, {{1, 0}}, 69},
    {"YEARFRAC", GXYearFrac, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 2}}, -1},
    {"YIELD",
     GXYield,
     0,
     0,
     0,
     7,
     {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 2}},
     -1},
    {"YIELDMAT", GXYieldMat, 0, 0, 0, 6, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 2}}, -1},
    {"ZTEST", GXZTest, 0, 0, 0, 3, {{1, 0}, {1, 0}, {1, 2}}, 324},
};
// clang-format on

// The Excel numbers that carry an engine function name, in number order; every other
// number carries empty text.
struct ExcelName
{
    int nNumber;
    int nArgCount; // -1 variable
    const char* pszName;
};

const ExcelName s_aExcelNames[] = {
    {0, -1, "COUNT"},        {3, 1, "ISERROR"},        {4, -1, "SUM"},
    {5, -1, "AVG"},          {6, -1, "MIN"},           {7, -1, "MAX"},
    {8, -1, "ROW"},          {9, -1, "COL"},           {10, 0, "NA"},
    {12, -1, "STDS"},        {15, 1, "SIN"},           {16, 1, "COS"},
    {17, 1, "TAN"},          {18, 1, "ATAN"},          {19, 0, "PI"},
    {20, 1, "SQRT"},         {21, 1, "EXP"},           {22, 1, "LN"},
    {23, 1, "LOG10"},        {24, 1, "ABS"},           {25, 1, "FLOOR"},
    {27, 2, "ROUND"},        {29, -1, "INDEX"},        {30, 2, "REPEAT"},
    {31, 3, "MID"},          {32, 1, "LENGTH"},        {33, 1, "VALUE"},
    {34, 0, "TRUE"},         {35, 0, "FALSE"},         {36, -1, "AND"},
    {37, -1, "OR"},          {38, 1, "NOT"},           {39, 2, "MODULUS"},
    {46, -1, "VARS"},        {61, 3, "MIRR"},          {63, 0, "RAND"},
    {64, -1, "MATCH"},       {65, 3, "DATE"},          {66, 3, "TIME"},
    {67, 1, "DAY"},          {68, 1, "MONTH"},         {69, 1, "YEAR"},
    {71, 1, "HOUR"},         {72, 1, "MINUTE"},        {73, 1, "SECOND"},
    {74, 0, "NOW"},          {76, 1, "ROWS"},          {77, 1, "COLS"},
    {83, 1, "TRANSPOSE"},    {97, 2, "ATAN2"},         {98, 1, "ASIN"},
    {99, 1, "ACOS"},         {100, -1, "CHOOSE"},      {101, -1, "HLOOKUP"},
    {102, -1, "VLOOKUP"},    {109, -1, "LOG"},         {111, 1, "CHAR"},
    {112, 1, "LOWER"},       {113, 1, "UPPER"},        {114, 1, "PROPER"},
    {117, 2, "EXACT"},       {118, 1, "TRIM"},         {119, 4, "REPLACE"},
    {121, 1, "CODE"},        {125, 2, "CELLINFO"},     {126, 1, "ISERROR"},
    {127, 1, "ISSTRING"},    {128, 1, "ISNUMBER"},     {140, 1, "DATEVALUE"},
    {141, 1, "TIMEVALUE"},   {142, 3, "SLN"},          {143, 4, "SYD"},
    {162, 1, "CLEAN"},       {165, 2, "MMUL"},         {167, -1, "IPMT"},
    {183, -1, "PRODUCT"},    {184, 1, "FACT"},         {193, -1, "STD"},
    {194, -1, "VAR"},        {197, -1, "INT"},         {216, -1, "RANK"},
    {220, 2, "DAYS360"},     {221, 0, "TODAY"},        {227, -1, "MEDIAN"},
    {228, -1, "SUMPRODUCT"}, {229, 1, "SINH"},         {230, 1, "COSH"},
    {231, 1, "TANH"},        {232, 1, "ASINH"},        {233, 1, "ACOSH"},
    {234, 1, "ATANH"},       {252, 2, "FREQUENCY"},    {277, 3, "CONFIDENCE"},
    {285, 2, "FLOOR"},       {288, 2, "CEIL"},         {293, 4, "NORMDIST"},
    {294, 1, "NORMSDIST"},   {295, 3, "NORMINV"},      {296, 1, "NORMSINV"},
    {297, 3, "STANDARDIZE"}, {299, 2, "PERMUT"},       {307, 2, "CORR"},
    {319, -1, "GMEAN"},      {320, -1, "HMEAN"},       {324, -1, "ZTEST"},
    {325, 2, "LARGE"},       {326, -1, "SMALL"},       {327, 2, "QUARTILE"},
    {328, 2, "PERCENTILE"},  {329, -1, "PERCENTRANK"}, {330, -1, "MODE"},
    {336, -1, "STRCAT"},
};

// Indexed by the Excel number; an entry's engine function is resolved on first use.
struct ExcelTable
{
    GX_EXCEL_FUNCTION_ENTRY a[GX_EXCEL_FUNCTIONS];
    ExcelTable()
    {
        for (GX_EXCEL_FUNCTION_ENTRY& e : a)
            e = {0, "", NULL};
        for (const ExcelName& n : s_aExcelNames)
            a[n.nNumber] = {n.nArgCount, n.pszName, NULL};
    }
};

int CompareEntry(const void* pKey, const void* pEntry)
{
    return _mbscmp((const unsigned char*)pKey,
                   (const unsigned char*)((const GX_FUNCTION_ENTRY*)pEntry)->pszName);
}
} // namespace

const GX_FUNCTION_ENTRY* CGXDefaultWorksheetFunctions::GetTable(int& nCount)
{
    nCount = (int)(sizeof(s_aFunctions) / sizeof(s_aFunctions[0]));
    return s_aFunctions;
}

const GX_FUNCTION_ENTRY* CGXDefaultWorksheetFunctions::LookupFunction(const char* pszName)
{
    return (const GX_FUNCTION_ENTRY*)bsearch(pszName, s_aFunctions,
                                             sizeof(s_aFunctions) / sizeof(s_aFunctions[0]),
                                             sizeof(GX_FUNCTION_ENTRY), CompareEntry);
}

GX_VALUE* GXFunctionNotInstalled(GX_VALUE*, GX_VALUE*)
{
    GXRaiseFunctionError(GX_ERR_NOTINSTALLED);
}

const GX_FUNCTION_ENTRY* GXLookupFunction(const char* pszName)
{
    CGXWorksheetFunctions* pSet = GXGetEngineState()->m_pFunctions;
    return pSet != NULL ? pSet->LookupFunction(pszName) : NULL;
}

GX_EXCEL_FUNCTION_ENTRY* GXExcelFunctionEntry(int nNumber)
{
    if (nNumber < 0 || nNumber >= GX_EXCEL_FUNCTIONS)
        return NULL;
    static ExcelTable s_table;
    GX_EXCEL_FUNCTION_ENTRY* p = &s_table.a[nNumber];
    if (p->pszName == NULL || p->pszName[0] == 0)
        return NULL;
    if (p->pEntry == NULL)
        p->pEntry = GXLookupFunction(p->pszName);
    return p;
}

int GXAssignArgumentDescriptors(const GX_FUNCTION_ENTRY* pEntry, int n, int* pnDescriptor)
{
    if (n > GX_MAX_ARGUMENTS)
        return GX_ERR_TOOMANYARGS;
    int d = pEntry->nArgCount, nOptional = 0, nRepeat = -1;
    for (int i = 0; i < d; i++)
    {
        DWORD dwKind = pEntry->aArgs[i][1] & (GX_ARGF_OPTIONAL | GX_ARGF_REPEATING);
        if (dwKind == GX_ARGF_OPTIONAL)
            nOptional++;
        else if (dwKind == GX_ARGF_REPEATING && nRepeat < 0)
            nRepeat = i;
    }
    if (n < d - nOptional)
        return GX_ERR_TOOFEWARGS;
    if (n > d && nRepeat < 0)
        return GX_ERR_TOOMANYARGS;
    int nAfter = nRepeat < 0 ? 0 : d - nRepeat - 1;
    for (int i = 0; i < n; i++)
    {
        if (nRepeat < 0 || i < nRepeat)
            pnDescriptor[i] = i;
        else if (i >= n - nAfter)
            pnDescriptor[i] = d - (n - i);
        else
            pnDescriptor[i] = nRepeat;
    }
    return 0;
}

[[noreturn]] void GXRaiseFunctionError(int nCode)
{
    GXFreeArguments();
    GXRaiseError(nCode, GXGetCurrentFunction());
    throw GXEvalException();
}

[[noreturn]] void GXRaiseValueError(const GX_VALUE& value)
{
    GXRaiseError((int)value.error.nCode, value.error.pszDetail);
    throw GXEvalException();
}

void GXFreeArguments()
{
    GX_VALUE* pArgs = GXGetArguments();
    if (pArgs == NULL)
        return;
    for (DWORD i = 1; i <= pArgs[0].nCount; i++)
        GXReleaseValue(pArgs[i]);
    GXSetArguments(NULL);
}

long long GXToInteger(double d)
{
    if (isnan(d) || d >= 4294967296.0 || d <= -2147483649.0)
        GXRaiseFunctionError(GX_ERR_INTRANGE);
    return (long long)d;
}

double GXFetchSingleNumber(GX_VALUE* pArgs)
{
    if (pArgs[0].nCount != 1)
        GXRaiseFunctionError(GX_ERR_WRONGARGS);
    GX_VALUE& v = pArgs[1];
    double d = 0;
    switch (v.nKind)
    {
    case GX_VALUE_NUMBER:
        return v.dValue;
    case GX_VALUE_STRING:
        return 0;
    case GX_VALUE_CELL:
        GXGetCellNumber(v.range.Row1(), v.range.Col1(), &d);
        return d;
    case GX_VALUE_ERROR:
        GXRaiseValueError(v);
    }
    GXRaiseFunctionError(GX_ERR_BADARGTYPE);
}

int GXResolveArgument(GX_VALUE* pValue)
{
    switch (pValue->nKind)
    {
    case GX_VALUE_NUMBER:
    case GX_VALUE_STRING:
        return 1;
    case GX_VALUE_ERROR:
        GXRaiseFunctionError((int)pValue->error.nCode);
    case GX_VALUE_CELL: {
        GX_CELL* p = GXFindCellRecord(GXGetCurrentSheet(), pValue->range.Row1(), pValue->range.Col1());
        if (p == NULL || p->Content() == GX_CONTENT_NONE || p->ValueKind() == GX_CELLVALUE_NONE)
        {
            *pValue = GXNumberValue(0);
            return 1;
        }
        switch (p->ValueKind())
        {
        case GX_CELLVALUE_ERROR:
            GXRaiseFunctionError(GX_ERR_CELLERROR);
        case GX_CELLVALUE_NUMBER:
            *pValue = GXNumberValue(p->dValue);
            return 1;
        case GX_CELLVALUE_HEAPSTR:
        case GX_CELLVALUE_INLINESTR:
            pValue->nKind = GX_VALUE_STRING;
            pValue->pszValue = GXStrDup(GXCellText(p));
            return 1;
        }
        return 1;
    }
    }
    return 0;
}

namespace
{
GX_CELL* CellAt(DWORD nRow, DWORD nCol)
{
    int nSheet = GXGetCurrentSheet();
    GX_VALUE v;
    GX_CELL* p = GXGetCellValue(nSheet, nRow, nCol, &v); // brings a stale formula up to date
    if (v.nKind == GX_CELLVALUE_HEAPSTR)
        GXFreeMemory(v.pszValue);
    return p;
}
} // namespace

int GXGetCellNumber(DWORD nRow, DWORD nCol, double* pd)
{
    *pd = 0;
    GX_CELL* p = CellAt(nRow, nCol);
    if (p == NULL)
        return 0;
    switch (p->ValueKind())
    {
    case GX_CELLVALUE_ERROR:
        GXRaiseFunctionError(GX_ERR_CELLERROR);
    case GX_CELLVALUE_NUMBER:
        *pd = p->dValue;
        return 1;
    case GX_CELLVALUE_HEAPSTR:
    case GX_CELLVALUE_INLINESTR: {
        CString s = GXCellText(p);
        const unsigned char* q = (const unsigned char*)(LPCTSTR)s;
        int nBlanks = 0;
        int nMaxBlanks = p->ValueKind() == GX_CELLVALUE_INLINESTR ? 8 : INT_MAX;
        while (*q == ' ' && nBlanks < nMaxBlanks)
            q++, nBlanks++;
        if (*q == '-')
            q++;
        if (!_ismbcdigit(*q))
            return 0;
        *pd = atof(s);
        return 1;
    }
    }
    return 0;
}

int GXGetCellDisplayNumber(DWORD nRow, DWORD nCol, double* pd)
{
    *pd = 0;
    GX_CELL* p = CellAt(nRow, nCol);
    if (p == NULL || p->ValueKind() == GX_CELLVALUE_NONE || p->ValueKind() == GX_CELLVALUE_EMPTY)
        return 0;
    if (p->ValueKind() == GX_CELLVALUE_ERROR)
        GXRaiseFunctionError(GX_ERR_CELLERROR);
    *pd = atof(GXCellDisplayText(GXGetCurrentSheet(), p));
    return 1;
}

int GXGetCellString(DWORD nRow, DWORD nCol, char* pszBuffer)
{
    GX_CELL* p = CellAt(nRow, nCol);
    if (p == NULL)
        return 0;
    if (p->ValueKind() == GX_CELLVALUE_ERROR)
        GXRaiseFunctionError(GX_ERR_CELLERROR);
    if (p->ValueKind() != GX_CELLVALUE_HEAPSTR && p->ValueKind() != GX_CELLVALUE_INLINESTR)
        return 0;
    strcpy(pszBuffer, GXCellText(p));
    return 1;
}

void GXCopyString(char* pszDest, const char* pszSource, int nCapacity)
{
    int n = (int)strlen(pszSource);
    if (n >= nCapacity)
    {
        memcpy(pszDest, pszSource, nCapacity - 1);
        pszDest[nCapacity - 1] = 0;
        GXRaiseFunctionError(GX_ERR_STRTOOLONG);
    }
    memcpy(pszDest, pszSource, n + 1);
}

void GXAppendString(char* pszDest, const char* pszSource, int nCapacity)
{
    int n = (int)strlen(pszDest);
    if (n >= nCapacity)
        GXRaiseFunctionError(GX_ERR_STRTOOLONG);
    GXCopyString(pszDest + n, pszSource, nCapacity - n);
}
