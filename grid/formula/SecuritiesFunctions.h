// Securities worksheet functions: coupon schedules, prices, yields and durations of coupon
// bonds, discounted securities, treasury bills and dollar fractions.
#pragma once
#include "grid/formula/FormulaTypes.h"

int GXCheckFrequency(double d);
int GXCheckBasis(double d);
long GXCouponCount(long nSettlement, long nMaturity, int nFrequency);
double GXCouponDaysBefore(long nSettlement, long nMaturity, int nFrequency, int nBasis);
double GXCouponPeriodDays(long nSettlement, long nMaturity, int nFrequency, int nBasis);
double GXCouponDaysToNext(long nSettlement, long nMaturity, int nFrequency, int nBasis);
// Coupon periods accrued from issue or the last coupon date to settlement, times the coupon.
double GXAccruedFraction(long nIssue, long nFirst, long nSettlement, int nFrequency, int nBasis, double c);
double GXBondPrice(double c, double y, double r, int f, long n, double d, double a);
double GXDurationSum(long nSettlement, long nMaturity, double r, double y, int f, int nBasis);

GX_VALUE* GXCoupPcd(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCoupNcd(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCoupNum(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCoupDayBs(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCoupDays(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXCoupDaysNc(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXAccrInt(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXAccrIntM(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXDisc(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXIntRate(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXReceived(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXPriceDisc(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXPriceMat(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXYieldMat(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXPrice(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXYield(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXOddFPrice(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXOddFYield(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXDuration(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXMDuration(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXTBillEq(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXTBillYield(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXDollarDe(GX_VALUE* pResult, GX_VALUE* pArgs);
GX_VALUE* GXDollarFr(GX_VALUE* pResult, GX_VALUE* pArgs);
