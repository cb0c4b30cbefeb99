// The cells of the sort benchmark, the same as tools/lo_sort_bench.py makes them: one linear
// congruential generator (seed 4711) gives each row an integer, two words of three to six
// letters a..h and a fraction; the third column holds the row number.
#pragma once
#include <string>
#include <vector>

struct SortBenchRow
{
    long nNumber;
    std::string strWord1, strWord2;
    double dFraction;
};

inline std::vector<SortBenchRow> MakeSortBenchRows(unsigned nRows = 100000)
{
    unsigned long state = 4711;
    auto next = [&state]() {
        state = (state * 1103515245UL + 12345UL) & 0x7FFFFFFFUL;
        return (unsigned long)(state >> 8);
    };
    auto word = [&next]() {
        std::string s;
        for (unsigned long n = 3 + next() % 4; n > 0; n--)
            s += (char)('a' + next() % 8);
        return s;
    };
    std::vector<SortBenchRow> rows(nRows);
    for (SortBenchRow& row : rows)
    {
        row.nNumber = (long)(next() % 1000000);
        row.strWord1 = word();
        row.strWord2 = word();
        row.dFraction = (double)(next() % 100000) / 1000.0;
    }
    return rows;
}
