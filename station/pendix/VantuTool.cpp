#include "station/pendix/VantuTool.h"
#include <math.h>

IMPLEMENT_DYNAMIC(CVantuTool, CObject)

namespace
{
// One polynomial: coefficients by power (index 0 the constant), and the order in which its
// terms are added. The order is part of the result: the sums are not associative in double.
struct Polynomial
{
    double coefficients[7];
    int order[7]; // powers, added left to right; 0 (the constant) ends the list
};

const Polynomial g_polynomials[] = {
    {{2.5343, 18130.0, 22259.0, -772658.0, 0, 0, 0}, {1, 3, 2, 0}},
    {{0.9827, 23491.2972, 252709.1125, -21305580.6563, 706781904.75, -10382578532.0, 58579512176.0},
     {1, 3, 2, 6, 5, 4, 0}},
    {{2.8976, 160673.7142, -21596714.29, 4250503265.75, -472063215360.0, 26321109573632.0,
      -576762846117888.0},
     {3, 1, 2, 6, 5, 4, 0}},
};
} // namespace

double CVantuTool::Convert(double value, double gain, double offset, int kind) const
{
    double x = value / gain - offset;
    if (kind < 0 || kind >= (int)_countof(g_polynomials))
        return x;
    const Polynomial& p = g_polynomials[kind];
    double sum = 0.0;
    bool first = true;
    for (int power : p.order)
    {
        double term = power == 0 ? p.coefficients[0] : p.coefficients[power] * pow(x, power);
        sum = first ? term : sum + term;
        first = false;
        if (power == 0)
            break;
    }
    return sum;
}
