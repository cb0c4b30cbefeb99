// The numerical routines behind the distributions: log-gamma, incomplete beta and gamma, the
// Student and F tails, the normal distribution and its inverse. A routine that cannot converge
// sets the engine's last-failed flag and returns 0.
#pragma once

double GXLogGamma(double x);
double GXBetaContinuedFraction(double a, double b, double x);
double GXIncompleteBeta(double a, double b, double x);
double GXStudentTail(double t, double df);
double GXFTail(double f, double df1, double df2);
double GXGammaSeries(double a, double x);
double GXGammaContinuedFraction(double a, double x);
double GXGammaP(double a, double x);
double GXNormalCdf(double x);
double GXNormalInverse(double p);
