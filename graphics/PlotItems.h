#pragma once

#include "core/IntervalOptimize.h"
#include "core/OptimizationInput.h"
#include "core/Real.h"
#include "core/String.h"
#include "graphics/Canvas.h"

#include <cstdint>
#include <vector>

namespace Brosquin
{

// One line of a plot: a curve computed from its callbacks, or the points attached to it, with
// the way it is drawn and named in the key.
class LineInfo
{
public:
    // The curve at the current value (and over the current range) of the plot's variable record;
    // null for a line without a curve.
    OptimizationPointFunction pointFunction = nullptr;
    OptimizationIntervalFunction intervalFunction = nullptr;
    void* context1 = nullptr;
    void* context2 = nullptr;
    // When greater than 0 the curve is evaluated at the multiples of it only.
    Real stepValue;
    // The step was too fine to sample, so the curve was drawn at the plot's resolution instead.
    bool tooDense = false;
    // Attached points, used when there is no curve.
    std::vector<Real> xValues;
    std::vector<Real> yValues;
    String label;
    String valueText;
    Real value; // valueText read as a number
    double thickness = 0.0;
    Colour colour = 0;
    // 0 "Not Displayed", 1 "Solid", 2 "Dash", 3 "Dot", 4 "Dash Dot", 5 "Dash Dot Dot".
    std::uint8_t style = 1;
    bool connectPoints = true;
    // 0 "None", 1-4 hollow circle, square, diamond, triangle, 5-8 the same solid, 9 plus sign.
    std::uint8_t pointStyle = 0;
    double pointSize = 0.0;

    std::uint32_t PointCount() const { return static_cast<std::uint32_t>(xValues.size()); }
};

// A variable that is not on an axis: its value is pushed into its record before the lines are
// evaluated, and it is listed beside the plot.
class OffAxisVariableInfo
{
public:
    String name;
    String valueText;
    Real value;
    OptimizationInput* variable = nullptr; // not owned
};

// A rectangle of the plot area filled with a colour; a side whose Real holds a message is open.
class ShadedRegion
{
public:
    Real leftX;
    Real rightX;
    Real lowerY;
    Real upperY;
    Colour colour = 0;
};

} // namespace Brosquin
