#pragma once

namespace Brosquin
{

// The selectable units of one plan family: three rows of a name and a factor (a quality level
// divided by the factor is the fraction defective, or the defects per single unit), with the
// current row, which new plans take, and the default row of new sessions.
class UnitsTable
{
public:
    static constexpr int RowCount = 3;

    constexpr UnitsTable(const char* name0, const char* name1, const char* name2)
        : names{name0, name1, name2}
    {
    }

    // Null (and 0) for an index outside the table.
    const char* Name(int index) const { return IsRow(index) ? names[index] : nullptr; }
    double dFactor(int index) const { return IsRow(index) ? factors[index] : 0; }

    int CurrentIndex() const { return currentIndex; }
    int DefaultIndex() const { return defaultIndex; }
    // Each refuses (returns false, changes nothing) an index outside the table.
    bool SetCurrentIndex(int index);
    bool SetDefaultIndex(int index);

    static bool IsRow(int index) { return index >= 0 && index < RowCount; }

private:
    static constexpr double factors[RowCount] = {1, 100, 1000000};
    const char* names[RowCount];
    int currentIndex = 1;
    int defaultIndex = 1;
};

} // namespace Brosquin
