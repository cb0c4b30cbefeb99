// Turns a thermocouple channel's measured voltage into a temperature with fixed polynomials.
// Stateless; the Pendix protocol object uses it for its channel readings.
#pragma once
#include "afx.h"

class CVantuTool : public CObject
{
    DECLARE_DYNAMIC(CVantuTool)

  public:
    // x = value / gain - offset; kinds 0 to 2 are the polynomials of the sensor types, any other
    // kind returns x itself.
    double Convert(double value, double gain, double offset, int kind) const;
};
